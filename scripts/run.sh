#!/usr/bin/env bash
# Sets up, builds and starts Quillmark from the folder program/, with a demo
# search engine of ours on 127.0.0.1 so that a search really runs on this
# machine: try the URL www.quillmark-demo.example with any keyword. The
# folder is kept between runs; it builds in the test command's build
# directory, so whichever ran first, the other reuses its work.
set -euo pipefail
cd "$(dirname "$0")/.."

program_dir="$PWD/program"
echo "Program folder: $program_dir (kept between runs)"

scripts/setup.sh
build=build
scripts/configure.sh "$build"
cmake --build "$build" --target Quillmark hhctrl help_file demo_engine

scripts/prepare_program_folder.sh "$program_dir" "$build/src" data

"$build/tools/demo_engine" "$program_dir" >"$build/demo-engine.log" &
demo=$!
trap 'kill "$demo" 2>/dev/null || true' EXIT
for _ in $(seq 100); do
    grep -q "serves" "$build/demo-engine.log" && break
    sleep 0.1
done
cat "$build/demo-engine.log"

echo "Starting $program_dir/Quillmark"
"$program_dir/Quillmark"
