#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, builds, and starts the desktop calculator when a display is there,
# else vyxcalc's document mode reading lines from the terminal (arguments go to the program).
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"
source .ci/build.sh

vyx_install_missing
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    vyx_build --target TobrikCalculator
    exec "$VYX_BUILD_DIR/VYX-CALC_GUI/TobrikCalculator" "$@"
fi
vyx_build --target vyxcalc
# The document mode, as the desktop program evaluates lines; at a terminal vyxcalc itself says
# what to type and how to keep the session (--file).
exec "$VYX_BUILD_DIR/tools/vyxcalc/vyxcalc" "$@"
