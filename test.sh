#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, builds everything in build/ and runs every test suite.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"
source .ci/build.sh

vyx_install_missing
# The sources keep one style (.clang-format); checked wherever clang-format is installed.
tools/check_format.sh
vyx_install_test_locale
vyx_build
# A per-test limit keeps a hanging case from eating the whole CI budget.
ctest --test-dir "$VYX_BUILD_DIR" --output-on-failure -j2 --timeout 300
