#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, builds, and starts the desktop calculator when a display is there,
# else the calculator reading lines from the terminal.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"
source .ci/build.sh

vyx_install_missing
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    vyx_build --target TobrikCalculator
    exec "$VYX_BUILD_DIR/VYX-CALC_GUI/TobrikCalculator" "$@"
fi
vyx_build --target vyxcalc
if [ -t 0 ]; then
    echo "TobrikCalculator engine: at the vyxcalc> prompt type an expression (upper case," \
        "e.g. 1/2+SIN(PI/6)) and press Enter; Up and Down recall earlier lines, Ctrl+D quits." >&2
fi
exec "$VYX_BUILD_DIR/tools/vyxcalc/vyxcalc" --engine "$@"
