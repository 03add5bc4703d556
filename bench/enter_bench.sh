#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds and runs enter_bench: Enter at the end of a 10,000-line area beside a bare text widget.
# Runs on the X display when there is one (DISPLAY), else on the offscreen platform.
# Usage: bench/enter_bench.sh
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../.ci/build.sh"

vyx_build --target enter_bench
"$VYX_BUILD_DIR/bench/enter_bench"
