#!/usr/bin/env bash
# Runs every benchmark program of the build and prints one table.
set -uo pipefail
build=${1:-build}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
out=$(mktemp)
for b in "$build"/bin/bench_*; do
  [ -x "$b" ] || continue
  echo "running $(basename "$b") ..." >&2
  "$b" 2>&1 | tee -a "$out.log" | grep -a '^BENCH' >> "$out"
done
printf '\n%-58s %-22s %-22s %s\n' "benchmark" "figure" "goal" "meets"
printf '%s\n' "$(printf -- '-%.0s' {1..110})"
while IFS=$'\t' read -r _ name figure goal meets; do
  printf '%-58s %-22s %-22s %s\n' "$name" "$figure" "$goal" "$meets"
done < "$out"
rm -f "$out" "$out.log"
