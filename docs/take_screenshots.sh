#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Takes the README's screenshots of the real program on a private Xvfb display with a small
# window manager (for the window frames), and writes them into docs/.
# Usage: docs/take_screenshots.sh
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../.ci/build.sh"

vyx_install_commands Xvfb:xvfb openbox:openbox
vyx_install_missing
vyx_build --target take_screenshots

display=":$((80 + RANDOM % 9))"
Xvfb "$display" -screen 0 1600x900x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
trap 'kill $xvfb_pid 2>/dev/null' EXIT
sleep 1
DISPLAY="$display" openbox >/dev/null 2>&1 &
sleep 1
DISPLAY="$display" "$VYX_BUILD_DIR/tools/screenshots/take_screenshots" "$VYX_REPO/docs"
