#!/usr/bin/env bash
# Start-up time and peak memory of the native (Qt) converter window against
# a minimal Qt Widgets program that shows one empty window:
#   bench/startup_qt_timing.sh [RUNS]
# Both programs end the first time their event loop is idle with the window
# shown and painted: zurmet_until_idle runs the real program and closes its
# main window there, minimal_qt_window closes its own. So the wall time from
# start to exit is the start-up to "shown and idle" plus an ordinary close,
# and the peak resident memory is what getting there took; with the same end
# point the two are compared like for like. They run alternately, RUNS times
# each (default 10) after one untimed run each, measured by time_run. The
# script prints every run, the medians, the ratios zurmet/minimal and
# whether each target holds: start-up at most 1.05 times and peak memory at
# most 1.2 times the minimal program's. QT_SCALE_FACTOR=2 runs both at 200%.
# Installs the Debian packages it needs when some are missing and builds the
# three programs with the linux preset. Without $DISPLAY the windows open on a
# private virtual X server; with QT_QPA_PLATFORM=offscreen no display is used.
set -euo pipefail

repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$repo"
source scripts/lib/display.sh
source scripts/lib/packages.sh
runs="${1:-10}"
[[ "$runs" =~ ^[1-9][0-9]*$ ]] || { echo "usage: bench/startup_qt_timing.sh [RUNS]" >&2; exit 2; }

install_missing build linux fonts display
[[ -f build/linux/CMakeCache.txt ]] || cmake --preset linux
cmake --build --preset linux --target zurmet_until_idle minimal_qt_window time_run -j"$(nproc)"

bench=build/linux/bench/startup_qt
mkdir -p build/logs
log=build/logs/startup-qt-timing.log
: >"$log"

trap stop_private_display EXIT
if [[ "${QT_QPA_PLATFORM:-}" != offscreen && -z "${DISPLAY:-}" ]]; then
  start_private_display build/logs/startup-qt-timing-xvfb.log
  export QT_QPA_PLATFORM=xcb
fi
echo "platform: ${QT_QPA_PLATFORM:-default}${DISPLAY:+, DISPLAY=$DISPLAY}${QT_SCALE_FACTOR:+, QT_SCALE_FACTOR=$QT_SCALE_FACTOR}; programs' output in $log"

# measure PROGRAM: prints "SECONDS KILOBYTES"; fails if the program did.
measure() {
  local result
  if ! result="$("$bench/time_run" --timeout 60 "$bench/$1" 2>>"$log")"; then
    echo "$1 failed (output in $log):" >&2
    tail -n 20 "$log" >&2
    return 1
  fi
  echo "$result"
}

median() {
  sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

zurmet_times=() zurmet_peaks=() minimal_times=() minimal_peaks=()
measure zurmet_until_idle >/dev/null
measure minimal_qt_window >/dev/null
printf '%-5s %10s %10s %12s %12s\n' run "zurmet s" "minimal s" "zurmet KB" "minimal KB"
for run in $(seq "$runs"); do
  zurmet="$(measure zurmet_until_idle)"
  minimal="$(measure minimal_qt_window)"
  read -r zt zp <<<"$zurmet"
  read -r mt mp <<<"$minimal"
  zurmet_times+=("$zt") zurmet_peaks+=("$zp") minimal_times+=("$mt") minimal_peaks+=("$mp")
  printf '%-5s %10s %10s %12s %12s\n' "$run" "$zt" "$mt" "$zp" "$mp"
done

zt="$(printf '%s\n' "${zurmet_times[@]}" | median)"
mt="$(printf '%s\n' "${minimal_times[@]}" | median)"
zp="$(printf '%s\n' "${zurmet_peaks[@]}" | median)"
mp="$(printf '%s\n' "${minimal_peaks[@]}" | median)"

# verdict NAME ZURMET MINIMAL LIMIT UNIT
verdict() {
  awk -v name="$1" -v z="$2" -v m="$3" -v limit="$4" -v unit="$5" 'BEGIN {
    ratio = z / m
    printf "%-22s zurmet %s %s, minimal %s %s, ratio %.2f (target at most %.2f): %s\n",
      name, z, unit, m, unit, ratio, limit, (ratio <= limit) ? "met" : "NOT met"
  }'
}
echo "medians of $runs runs:"
verdict "start to shown, idle:" "$zt" "$mt" 1.05 s
verdict "peak memory:" "$zp" "$mp" 1.2 KB
