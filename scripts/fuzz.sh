#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time on
# its seed corpus.   scripts/fuzz.sh [seconds per target]
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
seconds=${1:-60}
build=build-fuzz
CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DQM_BUILD_FUZZ=ON -DQM_SANITIZE=address -DQM_BUILD_TESTS=OFF -DQM_BUILD_BENCH=OFF
cmake --build "$build"

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
artifacts="$build/artifacts"
mkdir -p "$artifacts"
for target in "$build"/fuzz/*_fuzz; do
    name=$(basename "$target")
    corpus=$(mktemp -d)
    if [ -d "fuzz/corpus/$name" ]; then
        cp -r "fuzz/corpus/$name/." "$corpus/"
    fi
    echo "-- $name for ${seconds}s"
    log="$artifacts/$name.log"
    if ! "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$artifacts/$name-" "$corpus" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "$name failed; the input that failed is in $artifacts/"
        exit 1
    fi
    tail -n 6 "$log"
    rm -rf "$corpus"
done
