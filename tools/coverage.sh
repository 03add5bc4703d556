#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Line coverage of the engine and the document layer by their test suites (gcovr), in a separate
# build directory, so the tests can be trimmed without losing what they reach.
# Usage: tools/coverage.sh   (prints one summary per layer)
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../.ci/build.sh"

vyx_install_missing
vyx_install_commands gcovr:gcovr
build="${VYX_COVERAGE_DIR:-$VYX_REPO/build-coverage}"
if [ ! -f "$build/build.ninja" ]; then
    cmake -S "$VYX_REPO" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
        -DCMAKE_CXX_FLAGS="--coverage -O0" -DCMAKE_EXE_LINKER_FLAGS=--coverage \
        -DCMAKE_SHARED_LINKER_FLAGS=--coverage ${CMAKE_CXX_COMPILER_LAUNCHER:+-DCMAKE_CXX_COMPILER_LAUNCHER=$CMAKE_CXX_COMPILER_LAUNCHER}
fi
cmake --build "$build" --target engine_tests document_tests vyxcalc_tests vyxcalc
find "$build" -name '*.gcda' -delete
for suite in engine_tests document_tests vyxcalc_tests; do
    "$build/tests/$suite" --gtest_brief=1 >/dev/null || echo "$suite: some tests failed" >&2
done
# gcovr replaces its output file by renaming onto it: never point it at /dev/null.
for layer in VYX-CALC-DLL VYX-CALC_GUI/document; do
    echo "== $layer"
    gcovr --root "$VYX_REPO" --object-directory "$build" --filter "$VYX_REPO/$layer/" \
        --print-summary --output "$build/coverage-$(basename "$layer").txt" 2>/dev/null | grep -E '^lines'
done
