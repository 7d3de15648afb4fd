#!/usr/bin/env bash
# Builds the fuzz targets and runs each for SECONDS (default 60) from its seed
# corpus; fails on any finding. Longer runs: bash scripts/fuzz.sh 600
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j"$(nproc)"

status=0
for target in build/fuzz/fuzz/fuzz_*; do
  [ -x "$target" ] || continue
  name="${target##*/fuzz_}"
  work="build/fuzz/corpus/$name"
  mkdir -p "$work"
  echo "== fuzz_$name for ${seconds}s"
  if ! "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
       -print_final_stats=1 "$work" "fuzz/$name/seeds" 2>build/fuzz/"$name".log; then
    tail -50 build/fuzz/"$name".log
    status=1
  fi
  grep -E '^stat::(number_of_executed_units|average_exec_per_sec)' build/fuzz/"$name".log || true
done
exit $status
