#!/usr/bin/env bash
# Builds the benchmarks in release mode and runs each one.
#   scripts/bench.sh [benchmark arguments...]
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
build=build-bench
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQM_BUILD_TESTS=OFF -DQM_BUILD_BENCH=ON
cmake --build "$build"
for bench in "$build"/bench/*_bench; do
    [ -x "$bench" ] || continue
    echo "-- $(basename "$bench")"
    "$bench" "$@"
done
