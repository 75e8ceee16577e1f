#!/usr/bin/env bash
# Writes pictures of the editor window with a real font into docs/screenshots
# (or the folder given second): zoom 8, zoom 20 with character limits, guide
# lines and the preview text dialog. Runs offscreen; needs a build.
set -euo pipefail
cd "$(dirname "$0")/.."
font=${1:-../shared/fonts/fzx/ao/Grotesk/Grotesk.fzx}
out=${2:-docs/screenshots}
build_dir=${QUORREL_BUILD_DIR:-build}
cmake --build "$build_dir" --target quorrel_screenshots >/dev/null
QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} "$build_dir/tools/screenshots/quorrel_screenshots" "$font" "$out"
