#!/usr/bin/env bash
# tools/make_screenshot.sh [BUILD_DIR]: remakes docs/main-window.png, the main window after a
# comparison of Anna's two example letters, drawn on a virtual X display (xvfb-run) by
# quendry_screenshot, which starts the program with settings and a program folder of its own.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}

cmake --build "$build" --target quendry_screenshot
mkdir -p docs
xvfb-run -a -s "-screen 0 1280x1024x24" "$build/bin/quendry_screenshot" \
  data/Dct.txt examples/anna-1.txt examples/anna-2.txt docs/main-window.png
echo "make_screenshot: wrote docs/main-window.png"
