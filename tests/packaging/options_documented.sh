#!/usr/bin/env bash
# Checks that every option zurmet-convert --help names is described in its
# manual page (as the tag of an .TP paragraph) and offered by each shell
# completion, so neither falls behind the program.
#   options_documented.sh PROGRAM PAGE COMPLETION...
# Exit status 0 when all are, 1 otherwise (each missing one is named).
set -euo pipefail

program="$1"
page="$2"
shift 2

# The text of each .TP paragraph's tag line, with the roff escapes of the
# options made plain.
tags="$(awk 'tagged { print; tagged = 0 } /^\.TP/ { tagged = 1 }' "$page" | sed 's/\\-/-/g')"
mapfile -t options < <("$program" --help | grep -oE -- '(^|[ ,])--?[a-z][a-z-]*' | tr -d ' ,' | sort -u)
[[ ${#options[@]} -gt 0 ]] || { echo "$program --help names no options" >&2; exit 1; }

missing=0
for option in "${options[@]}"; do
  if ! grep -qE -- "(^|[ \"])${option}([ \"]|$)" <<<"$tags"; then
    echo "$page does not describe $option" >&2
    missing=1
  fi
  for completion in "$@"; do
    # bash lists the options bare, zsh in specs ({-h,--help}[, --places[) and
    # fish by name (-s h, -l places).
    name="${option#--}"
    if ! grep -qE -- "(^|[ '({,])${option}([] '=[,}]|$)|-l ${name}( |$)|-s ${name#-}( |$)" \
      "$completion"; then
      echo "$(basename "$completion") does not offer $option" >&2
      missing=1
    fi
  done
done
echo "${#options[@]} options checked"
exit "$missing"
