#!/usr/bin/env bash
# Installs what is missing, builds everything under AddressSanitizer and
# UndefinedBehaviorSanitizer, runs every test, then builds the benchmarks in the
# release preset and runs each once briefly so they cannot rot.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

cmake --workflow --preset test

cmake --preset release >/dev/null
cmake --build --preset release -j"$(nproc)"
for bench in build/release/bench/*_bench; do
  [ -x "$bench" ] || continue
  echo "== smoke run of $(basename "$bench")"
  "$bench" --benchmark_min_time=0.01 >/dev/null
done

# A short fuzzing pass over every input surface (longer runs: scripts/fuzz.sh 600).
bash scripts/fuzz.sh "${FUZZ_SECONDS:-60}"
