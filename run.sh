#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, builds, and starts the calculator reading lines from the terminal.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"
source .ci/build.sh

vyx_install_missing
vyx_build --target vyxcalc
if [ -t 0 ]; then
    echo "TobrikCalculator engine: type an expression (upper case, e.g. 1/2+SIN(PI/6)) and" \
        "press Enter; Ctrl+D quits." >&2
fi
exec "$VYX_BUILD_DIR/tools/vyxcalc/vyxcalc" --engine "$@"
