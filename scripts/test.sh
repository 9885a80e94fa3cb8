#!/usr/bin/env bash
# Sets up, builds and runs the whole test suite.
#   scripts/test.sh [build-dir] [extra cmake arguments...]
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
build=${1:-build}
shift || true
scripts/configure.sh "$build" "$@"
cmake --build "$build"
ctest --test-dir "$build" --output-on-failure -j "$(nproc)"
