#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds and runs preview_bench: keystroke to status-bar preview beside a bare text widget's
# keystroke, and how long a huge or slow pasted line holds the window.
# Runs on the X display when there is one (DISPLAY), else on the offscreen platform; under
# tools/x11_session.sh -- bench/preview_bench.sh it runs on a private X server.
# Usage: bench/preview_bench.sh
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../.ci/build.sh"

vyx_build --target preview_bench
"$VYX_BUILD_DIR/bench/preview_bench"
