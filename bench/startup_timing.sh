#!/usr/bin/env bash
# Times the start of the converter window under Wine against a minimal
# Win32 program that shows one empty window: each is started RUNS times,
# alternately, from CreateProcessW until its window is shown and answers
# messages (bench/startup/launch_window.cpp), after one untimed start each.
#   bench/startup_timing.sh [RUNS]
# RUNS defaults to 20. Needs the windows preset built; without $DISPLAY the
# windows open on a private virtual display.
set -euo pipefail

repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$repo"
source scripts/lib/display.sh
runs="${1:-20}"

build=build/windows
launcher="$build/bench/startup/launch_window.exe"
minimal="$build/bench/startup/minimal_window.exe"
zurmet="$build/ui/zurmet.exe"
for program in "$launcher" "$minimal" "$zurmet"; do
  [[ -f "$program" ]] || { echo "no $program: build the windows preset first" >&2; exit 1; }
done

out="$(mktemp)"
cleanup() {
  rm -f "$out"
  # Wine's helper processes leave the display a few seconds after the last
  # program; a private display goes after them.
  if [[ -n "$xvfb_pid" ]]; then
    timeout 20 scripts/wine-run wineserver -w || true
    stop_private_display
  fi
}
trap cleanup EXIT
if [[ -z "${DISPLAY:-}" ]]; then
  mkdir -p build/logs
  start_private_display build/logs/startup-timing-xvfb.log
fi

scripts/wine-run "$launcher" --warmup 1 --runs "$runs" "$zurmet" --next "$minimal" | tee "$out"
echo "zurmet/minimal start-up: $(sed -n 's/^ratio [^:]*: //p' "$out")"
