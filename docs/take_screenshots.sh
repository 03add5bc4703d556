#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Takes the README's screenshots of the real program on a private X display with a window
# manager (tools/x11_session.sh: window frames and placement as on a desktop) and writes them
# into docs/: at scale 1 on a 1600x1000 screen, and the main window again at scale 2 on a screen
# twice as large, where the same layout has twice the pixels.
# Usage: docs/take_screenshots.sh
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../.ci/build.sh"

vyx_install_missing
vyx_build --target take_screenshots
session="$VYX_REPO/tools/x11_session.sh"
program="$VYX_BUILD_DIR/tools/screenshots/take_screenshots"

"$session" --size 1600x1000 -- env QT_SCALE_FACTOR=1 "$program" "$VYX_REPO/docs"
"$session" --size 3200x2000 -- env QT_SCALE_FACTOR=2 "$program" --main-window-only \
    --suffix -scale2 "$VYX_REPO/docs"
