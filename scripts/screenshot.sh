#!/usr/bin/env bash
# Builds the program and draws README's pictures of the main window and the
# quest detail dialog under a virtual X display, on a copy of the sample
# catalogue: docs/screenshot-main.png, docs/screenshot-quest.png,
# docs/screenshot-edit.png and docs/screenshot-characters.png.
set -euo pipefail
cd "$(dirname "$0")/.."

command -v xvfb-run >/dev/null || { echo "screenshot.sh needs xvfb-run (scripts/setup.sh installs it)" >&2; exit 1; }
# The same options as scripts/build.sh, so that the two share build/.
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DKESTROW_WERROR=ON -DKESTROW_BUILD_TESTS=ON -DKESTROW_BUILD_BENCH=ON -DKESTROW_BUILD_TOOLS=ON >/dev/null
cmake --build build --target kestrow_screenshot

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/data" "$work/profile" docs
cp res/sample/Kestrow.txt res/sample/ClrList.txt "$work/data/"

# A fixed theme and no user configuration, so the picture is the same everywhere.
env -u QT_STYLE_OVERRIDE XDG_CONFIG_HOME="$work/config" QT_QPA_PLATFORM=xcb \
  xvfb-run -a -s "-screen 0 1280x800x24" \
  build/bin/kestrow_screenshot "$work/data" "$work/profile" docs/screenshot-main.png docs/screenshot-quest.png \
  docs/screenshot-edit.png docs/screenshot-characters.png
echo "wrote docs/screenshot-main.png, docs/screenshot-quest.png, docs/screenshot-edit.png and docs/screenshot-characters.png"
