#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the libFuzzer target with clang and fuzzes ParseString; keeps findings as regression cases.
# Usage: fuzz/run.sh [SECONDS]   (default 60; FUZZ_JOBS=N runs N fuzzing processes)
set -euo pipefail
seconds="${1:-60}"
jobs="${FUZZ_JOBS:-1}"
repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$repo/build-fuzz"
corpus="$repo/fuzz/corpus-work"
artifacts="$build/artifacts"
regressions="$repo/tests/data/fuzz-regressions"

CC=clang CXX=clang++ cmake -S "$repo" -B "$build" -G Ninja \
    -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DVYX_FUZZ=ON -DVYX_BUILD_TESTS=OFF -DVYX_BUILD_GUI=OFF >/dev/null
cmake --build "$build" --target fuzz_parse_string

rm -rf "$artifacts"
mkdir -p "$corpus" "$artifacts" "$regressions"
# Fork mode goes on after a crash, so one run can report several distinct faults.
status=0
"$build/fuzz/fuzz_parse_string" "$corpus" "$repo/fuzz/seeds" \
    -max_total_time="$seconds" -max_len=4096 -timeout=5 -rss_limit_mb=2048 \
    -fork="$jobs" -ignore_crashes=1 -ignore_timeouts=1 -ignore_ooms=1 \
    -artifact_prefix="$artifacts/" -print_final_stats=1 || status=$?

found=0
for finding in "$artifacts"/crash-* "$artifacts"/timeout-* "$artifacts"/oom-* "$artifacts"/leak-*; do
    [ -e "$finding" ] || continue
    if [ ! -e "$regressions/$(basename "$finding")" ]; then
        cp "$finding" "$regressions/"
        echo "kept $(basename "$finding") in tests/data/fuzz-regressions/"
        found=$((found + 1))
    fi
done
echo "fuzzer exit status $status; $found new finding(s)"
[ "$found" -eq 0 ]
