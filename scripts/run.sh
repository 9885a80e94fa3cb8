#!/usr/bin/env bash
# Sets up, builds and starts Quillmark.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
build=build-run
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQM_BUILD_TESTS=OFF -DQM_BUILD_BENCH=OFF
cmake --build "$build" --target Quillmark
exec "$build/src/Quillmark"
