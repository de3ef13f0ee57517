#!/usr/bin/env bash
# Runs every example of a manual page, each "$ command" line of its .EX
# blocks, with the given folder first on the PATH, and checks that it prints
# the lines the page shows after it.
#   man_examples.sh PAGE FOLDER
# Exit status 0 when every example prints what the page says, 1 otherwise.
set -euo pipefail

page="$1"
export PATH="$2:$PATH"
# The answers shown use "." and "," (a locale without symbols of its own);
# an example that wants others names its locale.
export LC_ALL=C.UTF-8

# The roff escapes the examples use, as plain text.
plain() {
  sed -e 's/\\-/-/g' -e "s/\\\\(aq/'/g" -e 's/\\(dq/"/g' -e 's/\\(S2/²/g' \
      -e 's/\\(de/°/g' -e 's/\\(fm/′/g' -e 's/\\(sd/″/g' -e 's/\\e/\\/g'
}

examples=0
failures=0
command=""
wanted=""
run_example() {
  [[ -n "$command" ]] || return 0
  local got
  got="$(bash -c "$command" 2>&1)" || true
  examples=$((examples + 1))
  if [[ "$got" != "$wanted" ]]; then
    failures=$((failures + 1))
    printf 'FAILED: $ %s\n  the page says:\n%s\n  the program prints:\n%s\n' \
      "$command" "$wanted" "$got" >&2
  fi
  command=""
  wanted=""
}

in_example=0
continued=0
while IFS= read -r line; do
  case "$line" in
    .EX) in_example=1 ;;
    .EE) run_example; in_example=0 ;;
    *)
      [[ $in_example -eq 1 ]] || continue
      if [[ $continued -eq 1 ]]; then
        command="${command%\\}${line}"
      elif [[ "$line" == '$ '* ]]; then
        run_example
        command="${line#\$ }"
      else
        wanted+="${wanted:+$'\n'}$line"
      fi
      [[ "$line" == *\\ ]] && continued=1 || continued=0
      ;;
  esac
done < <(plain <"$page")

[[ $examples -gt 0 ]] || { echo "no examples found in $page" >&2; exit 1; }
echo "$examples examples, $failures failed"
[[ $failures -eq 0 ]]
