#!/usr/bin/env bash
# Times zurmet-convert from outside: batch throughput (conversions per
# second over N generated lines) and the wall time of one single run (mean
# over R runs).
#   bench/cli_timing.sh [PROGRAM] [N] [R]
# PROGRAM defaults to build/linux/cli/zurmet-convert, N to 100000, R to 200.
set -euo pipefail

repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
program="${1:-$repo/build/linux/cli/zurmet-convert}"
lines="${2:-100000}"
runs="${3:-200}"
[[ -x "$program" ]] || { echo "no program at $program: build the linux preset first" >&2; exit 1; }

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# A mix of ordinary and hard lines: compound lengths, three targets, the
# wide paper factors, temperatures, 30 places.
awk -v n="$lines" 'BEGIN {
  for (i = 0; i < n; i++) {
    k = i % 4
    if (k == 0) printf "{\"category\":1,\"values\":[\"%d\",\"2\",\"3\"],\"from\":[4,3,2],\"to\":[9,0,0]}\n", i
    else if (k == 1) printf "{\"category\":1,\"values\":[\"%d.5\",\"\",\"\"],\"from\":[5,0,0],\"to\":[4,3,2]}\n", i
    else if (k == 2) printf "{\"category\":8,\"values\":[\"%d\",\"\",\"\"],\"from\":[28,0,0],\"to\":[1,0,0],\"options\":{\"places\":30}}\n", i
    else printf "{\"category\":5,\"values\":[\"%d/3\",\"\",\"\"],\"from\":[2,0,0],\"to\":[1,0,0]}\n", i
  }
}' >"$work/lines.jsonl"

now() { date +%s.%N; }

start="$(now)"
status=0
"$program" --batch <"$work/lines.jsonl" >"$work/answers.jsonl" || status=$?
end="$(now)"
answered="$(wc -l <"$work/answers.jsonl")"
if [[ $status -ne 0 || $answered -ne $lines ]]; then
  echo "batch run failed: exit $status, $answered answers for $lines lines" >&2
  exit 1
fi
awk -v n="$lines" -v s="$start" -v e="$end" \
  'BEGIN { printf "batch: %d conversions in %.3f s = %.0f conversions/s\n", n, e - s, n / (e - s) }'

start="$(now)"
for ((i = 0; i < runs; i++)); do
  "$program" 1 yd 2 ft 3 in to m >/dev/null
done
end="$(now)"
awk -v r="$runs" -v s="$start" -v e="$end" \
  'BEGIN { printf "single run: mean %.2f ms over %d runs\n", (e - s) * 1000 / r, r }'
