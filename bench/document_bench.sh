#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds and runs document_bench: line evaluation, variables, saving, loading and undo, each figure
# printed beside its target with the ratio measured/target (below 1 meets the target).
# Usage: bench/document_bench.sh
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../.ci/build.sh"

vyx_build --target document_bench
"$VYX_BUILD_DIR/bench/document_bench"
