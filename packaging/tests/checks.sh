# Sourced by the package tests: one line per check, "ok:" or "FAILED:" with
# what went wrong, and a count of the failures in $failures.

failures=0

pass() { echo "ok:     $*"; }
fail() {
  echo "FAILED: $*" >&2
  failures=$((failures + 1))
}

# check DESCRIPTION COMMAND...: the command must succeed; its output is shown
# when it does not.
check() {
  local what="$1" output
  shift
  if output="$("$@" 2>&1)"; then pass "$what"; else fail "$what"$'\n'"$output"; fi
}

# expect DESCRIPTION WANTED COMMAND...: the command must print WANTED (line
# ends of Windows programs count as Unix ones).
expect() {
  local what="$1" wanted="$2" output
  shift 2
  output="$("$@" 2>&1 | tr -d '\r')" || true
  if [[ "$output" == "$wanted" ]]; then pass "$what"; else fail "$what: got '$output', wanted '$wanted'"; fi
}

# contains TEXT COMMAND...: the command succeeds and prints TEXT somewhere;
# for check, which shows the output when it does not.
contains() {
  local text="$1" output
  shift
  output="$("$@" 2>&1)" || { echo "$output"; return 1; }
  grep -qF -- "$text" <<<"$output" || { echo "$output"; return 1; }
}

# finish WHAT: the summary line and the exit status of the whole test.
finish() {
  if [[ $failures -eq 0 ]]; then
    echo "all checks of $1 passed"
  else
    echo "$failures check(s) of $1 failed" >&2
    return 1
  fi
}
