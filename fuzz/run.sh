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
fuzzer="$build/fuzz/fuzz_parse_string"
"$fuzzer" "$corpus" "$repo/fuzz/seeds" \
    -max_total_time="$seconds" -max_len=4096 -timeout=5 -rss_limit_mb=2048 \
    -fork="$jobs" -ignore_crashes=1 -ignore_timeouts=1 -ignore_ooms=1 \
    -artifact_prefix="$artifacts/" -print_final_stats=1 || status=$?

# Fork mode writes one file per crashing input, many of them the same fault: keep the smallest
# input for each first source location of ours in the report (sanitizer stack or UB line).
signature() {
    local report
    report="$("$fuzzer" "$1" -timeout=5 -rss_limit_mb=2048 2>&1 || true)"
    grep -m1 -oE "$repo/(VYX-CALC-DLL|fuzz)/[^ :]+:[0-9]+" <<<"$report" || echo "unknown"
}
declare -A kept=()
found=0
while IFS= read -r finding; do
    kind="$(basename "$finding")"
    kind="${kind%%-*}"
    key="$kind $(signature "$finding")"
    [ -z "${kept[$key]:-}" ] || continue
    kept[$key]="$finding"
    name="$(basename "$finding")"
    echo "$key: $name ($(wc -c <"$finding") bytes)"
    if [ ! -e "$regressions/$name" ]; then
        cp "$finding" "$regressions/"
        found=$((found + 1))
    fi
done < <(find "$artifacts" -type f \( -name 'crash-*' -o -name 'timeout-*' -o -name 'oom-*' \
    -o -name 'leak-*' \) -printf '%s %p\n' | sort -n | cut -d' ' -f2-)
echo "fuzzer exit status $status; $found new finding(s) kept in tests/data/fuzz-regressions/"
[ "$found" -eq 0 ]
