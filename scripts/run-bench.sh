#!/usr/bin/env bash
# Runs every benchmark program of the build and prints one table. A program
# that fails, hangs past its time limit or reports nothing gets a row saying
# so, so no benchmark drops out of the table unnoticed.
set -uo pipefail
build=${1:-build}
limit=${BENCH_TIME_LIMIT:-600}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
out=$(mktemp)
log=$(mktemp)
trap 'rm -f "$out" "$log"' EXIT
found=0
for b in "$build"/bin/bench_*; do
  [ -x "$b" ] || continue
  found=1
  name=$(basename "$b")
  echo "running $name ..." >&2
  before=$(wc -l < "$out")
  timeout --kill-after=10 "$limit" "$b" > "$log" 2>&1
  status=$?
  grep -a '^BENCH' "$log" >> "$out"
  if [ "$status" -ne 0 ] || [ "$(wc -l < "$out")" -eq "$before" ]; then
    why="exit status $status"
    [ "$status" -eq 124 ] && why="no end within $limit s"
    [ "$status" -eq 0 ] && why="no result printed"
    printf 'BENCH\t%s\t%s\t-\tno\n' "$name" "$why" >> "$out"
    tail -n 5 "$log" | sed "s/^/  $name: /" >&2
  fi
done
[ "$found" -eq 1 ] || { echo "no benchmark programs in $build/bin" >&2; exit 1; }
# Columns as wide as their longest entry.
awk -F '\t' '
  { n[NR] = $2; f[NR] = $3; g[NR] = $4; m[NR] = $5
    if (length($2) > wn) wn = length($2); if (length($3) > wf) wf = length($3); if (length($4) > wg) wg = length($4) }
  END {
    if (wn < 9) wn = 9; if (wf < 6) wf = 6; if (wg < 4) wg = 4
    printf "\n%-*s  %-*s  %-*s  %s\n", wn, "benchmark", wf, "figure", wg, "goal", "meets"
    line = sprintf("%*s", wn + wf + wg + 11, ""); gsub(/ /, "-", line); print line
    for (i = 1; i <= NR; i++) printf "%-*s  %-*s  %-*s  %s\n", wn, n[i], wf, f[i], wg, g[i], m[i]
  }' "$out"
