# Sourced by scripts/test, scripts/run, scripts/screenshots, bench/startup_timing.sh and
# bench/startup_qt_timing.sh: a private virtual X server for Wine or Qt when the caller has
# no display, and a runtime directory for a session that has none.
#   start_private_display LOG   sets and exports DISPLAY; xvfb_pid is the server
#   stop_private_display        ends that server, if one was started
#   ensure_runtime_dir          sets and exports XDG_RUNTIME_DIR when it is unset
#   remove_runtime_dir          removes the directory ensure_runtime_dir made, if it made one

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

runtime_dir_made=""

# Qt keeps per-session files in XDG_RUNTIME_DIR and warns at every start when
# it is unset, as outside a desktop session (a console, ssh, a container):
# the user's own /run/user/UID when there is one, else a private directory
# (mode 0700, as Qt wants) for as long as the script runs.
ensure_runtime_dir() {
  [[ -z "${XDG_RUNTIME_DIR:-}" ]] || return 0
  local own="/run/user/$(id -u)"
  if [[ -d "$own" && -O "$own" && -w "$own" ]]; then
    XDG_RUNTIME_DIR="$own"
  else
    XDG_RUNTIME_DIR="$(mktemp -d "${TMPDIR:-/tmp}/zurmet-runtime.XXXXXX")"
    runtime_dir_made="$XDG_RUNTIME_DIR"
  fi
  export XDG_RUNTIME_DIR
}

remove_runtime_dir() {
  [[ -n "$runtime_dir_made" ]] || return 0
  rm -rf "$runtime_dir_made"
  runtime_dir_made=""
}
