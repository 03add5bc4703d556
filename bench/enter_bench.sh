#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds and runs enter_bench: Enter and typing on 10,000- and 100,000-line areas and opening a
# 5 MB document, each beside a bare text widget doing the same.
# Runs on the X display when there is one (DISPLAY), else on the offscreen platform.
# Usage: bench/enter_bench.sh [enter] [type] [open]   (no part named: all of them)
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../.ci/build.sh"

vyx_build --target enter_bench
"$VYX_BUILD_DIR/bench/enter_bench" "$@"
