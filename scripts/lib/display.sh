# Sourced by scripts/test, scripts/run, scripts/screenshots, bench/startup_timing.sh and
# bench/startup_qt_timing.sh: a private virtual X server for Wine or Qt when the caller has
# no display.
#   start_private_display LOG   sets and exports DISPLAY; xvfb_pid is the server
#   stop_private_display        ends that server, if one was started

xvfb_pid=""

start_private_display() {
  local log="$1" number_file
  number_file="$(mktemp)"
  # -displayfd picks a free display number and writes it once the server is ready.
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$number_file" >"$log" 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 100); do
    if [[ -s "$number_file" ]]; then
      DISPLAY=":$(head -n 1 "$number_file")"
      export DISPLAY
      rm -f "$number_file"
      return 0
    fi
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.1
  done
  rm -f "$number_file"
  echo "Xvfb did not start:" >&2
  cat "$log" >&2
  stop_private_display
  return 1
}

stop_private_display() {
  [[ -n "$xvfb_pid" ]] || return 0
  kill "$xvfb_pid" 2>/dev/null || true
  wait "$xvfb_pid" 2>/dev/null || true
  xvfb_pid=""
}
