#!/usr/bin/env bash
# Sets up, builds and starts Quillmark, with a demo search engine of ours on
# 127.0.0.1 so that a search really runs on this machine: try the URL
# www.quillmark-demo.example with any keyword.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
build=build-run
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQM_BUILD_TESTS=OFF -DQM_BUILD_BENCH=OFF
cmake --build "$build" --target Quillmark demo_engine

# The program reads its catalogues, its help module and its help file from
# its own directory: give it one whose standard catalogue also names the demo
# engine.
program_dir="$build/demo-program"
rm -rf "$program_dir"
mkdir -p "$program_dir"
cp "$build/src/Quillmark" "$build/src/HHCTRL.OCX" "$build/src/Manuvel.chm" \
    data/Engines.dat data/CEngines.dat "$program_dir/"

"$build/tools/demo_engine" "$program_dir" >"$build/demo-engine.log" &
demo=$!
trap 'kill "$demo" 2>/dev/null || true' EXIT
for _ in $(seq 100); do
    grep -q "serves" "$build/demo-engine.log" && break
    sleep 0.1
done
cat "$build/demo-engine.log"

"$program_dir/Quillmark"
