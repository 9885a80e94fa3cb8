#!/usr/bin/env bash
# Builds the screenshot tool and renders both pages of the main window, the
# engine settings dialog in both its modes, the help window with its two
# topics and the catalogue update dialog offscreen into screenshots/ (kept
# out of the repository).
#   scripts/screenshot.sh [build-dir]
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
build=${1:-build}
scripts/configure.sh "$build"
cmake --build "$build" --target quillmark_screenshot
mkdir -p screenshots
QT_QPA_PLATFORM=offscreen "$build/src/quillmark_screenshot" screenshots/run_search.png 0
QT_QPA_PLATFORM=offscreen "$build/src/quillmark_screenshot" screenshots/records.png 1
QT_QPA_PLATFORM=offscreen "$build/src/quillmark_screenshot" screenshots/engine_edit.png edit
QT_QPA_PLATFORM=offscreen "$build/src/quillmark_screenshot" screenshots/engine_append.png append
QT_QPA_PLATFORM=offscreen "$build/src/quillmark_screenshot" screenshots/help_intro.png intro
QT_QPA_PLATFORM=offscreen "$build/src/quillmark_screenshot" screenshots/help_getkeys.png getkeys
QT_QPA_PLATFORM=offscreen "$build/src/quillmark_screenshot" screenshots/update.png update
echo "screenshots/run_search.png screenshots/records.png"
echo "screenshots/engine_edit.png screenshots/engine_append.png"
echo "screenshots/help_intro.png screenshots/help_getkeys.png screenshots/update.png"
