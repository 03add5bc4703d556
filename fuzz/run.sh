#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds one libFuzzer target with clang, fuzzes it from its seeds and keeps findings as regression
# cases.
# Usage: fuzz/run.sh [TARGET] [SECONDS]   (default fuzz_parse_string, 60 s; FUZZ_JOBS=N runs N
#        fuzzing processes). TARGET: fuzz_parse_string (ParseString), fuzz_document_load (document
#        files), fuzz_calculate_line (lines entered in a document). "fuzz/run.sh SECONDS" still works;
#        FUZZ_BUILD_DIR chooses another build directory than build-fuzz/.
set -euo pipefail
target="fuzz_parse_string"
if [ $# -gt 0 ] && ! [[ "$1" =~ ^[0-9]+$ ]]; then
    target="$1"
    shift
fi
seconds="${1:-60}"
jobs="${FUZZ_JOBS:-1}"
repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${FUZZ_BUILD_DIR:-$repo/build-fuzz}"
artifacts="$build/artifacts-$target"

case "$target" in
fuzz_parse_string)
    gui=OFF
    seeds="$repo/fuzz/seeds"
    corpus="$repo/fuzz/corpus-work"
    regressions="$repo/tests/data/fuzz-regressions"
    ;;
fuzz_document_load | fuzz_calculate_line)
    # The document layer needs Qt 6 Core.
    gui=ON
    seeds="$repo/fuzz/seeds-$(tr _ - <<<"${target#fuzz_}")"
    corpus="$build/corpus-$target"
    regressions="$repo/tests/data/fuzz-regressions/$target"
    ;;
*)
    echo "unknown fuzz target $target" >&2
    exit 2
    ;;
esac

CC=clang CXX=clang++ cmake -S "$repo" -B "$build" -G Ninja \
    -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DVYX_FUZZ=ON -DVYX_BUILD_TESTS=OFF -DVYX_BUILD_GUI="$gui" >/dev/null
cmake --build "$build" --target "$target"

rm -rf "$artifacts"
mkdir -p "$corpus" "$artifacts" "$regressions"
# Fork mode goes on after a crash, so one run can report several distinct faults.
status=0
fuzzer="$build/fuzz/$target"
"$fuzzer" "$corpus" "$seeds" \
    -max_total_time="$seconds" -max_len=4096 -timeout=5 -rss_limit_mb=2048 \
    -fork="$jobs" -ignore_crashes=1 -ignore_timeouts=1 -ignore_ooms=1 \
    -artifact_prefix="$artifacts/" -print_final_stats=1 || status=$?

# Fork mode writes one file per crashing input, many of them the same fault: keep the smallest
# input for each first source location of ours in the report (sanitizer stack or UB line).
signature() {
    local report
    report="$("$fuzzer" "$1" -timeout=5 -rss_limit_mb=2048 2>&1 || true)"
    grep -m1 -oE "$repo/(VYX-CALC-DLL|VYX-CALC_GUI|tools|fuzz)/[^ :]+:[0-9]+" <<<"$report" || echo "unknown"
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
echo "fuzzer exit status $status; $found new finding(s) kept in ${regressions#"$repo"/}/"
[ "$found" -eq 0 ]
