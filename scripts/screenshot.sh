#!/usr/bin/env bash
# Builds the screenshot tool and renders both pages of the main window and
# the engine settings dialog in both its modes offscreen into screenshots/
# (kept out of the repository).
#   scripts/screenshot.sh [build-dir]
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
build=${1:-build}
cmake -S . -B "$build" -G Ninja
cmake --build "$build" --target quillmark_screenshot
mkdir -p screenshots
QT_QPA_PLATFORM=offscreen "$build/src/quillmark_screenshot" screenshots/run_search.png 0
QT_QPA_PLATFORM=offscreen "$build/src/quillmark_screenshot" screenshots/records.png 1
QT_QPA_PLATFORM=offscreen "$build/src/quillmark_screenshot" screenshots/engine_edit.png edit
QT_QPA_PLATFORM=offscreen "$build/src/quillmark_screenshot" screenshots/engine_append.png append
echo "screenshots/run_search.png screenshots/records.png screenshots/engine_edit.png screenshots/engine_append.png"
