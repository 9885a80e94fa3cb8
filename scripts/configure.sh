#!/usr/bin/env bash
# Configures a build directory the way the test command builds it; the run
# command configures with it too, so both share one build.
#   scripts/configure.sh <build-dir> [extra cmake arguments...]
set -euo pipefail
cd "$(dirname "$0")/.."

build=$1
shift
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQM_BUILD_TESTS=ON "$@"
