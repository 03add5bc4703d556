#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# How the cost of document mode grows with the document: `vyxcalc --file DOC.vyx` fed N generated
# lines (a fresh document each time) beside `bc -l` on the same lines. Prints lines per second,
# peak memory, the ratio to bc and the growth exponent between sizes (time ratio as a power of
# the size ratio; 1 is linear).
# Usage: bench/document_scaling.sh [SIZE...]   (default 5000 20000; add 100000 for the long run)
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../.ci/build.sh"

sizes=("$@")
[ ${#sizes[@]} -gt 0 ] || sizes=(5000 20000)
vyxcalc="$VYX_BUILD_DIR/tools/vyxcalc/vyxcalc"
out_dir="$VYX_REPO/bench/out"

command -v bc >/dev/null || { echo "bc is needed (apt-get install bc)" >&2; exit 1; }
[ -x /usr/bin/time ] || { echo "/usr/bin/time is needed (apt-get install time)" >&2; exit 1; }
[ -x "$vyxcalc" ] || vyx_build --target vyxcalc
mkdir -p "$out_dir"

# measure CMD...: "seconds peak_kb" of one run with the corpus on stdin.
measure() {
    local report="$out_dir/time-report.txt" start end
    start="$EPOCHREALTIME"
    /usr/bin/time -v -o "$report" "$@" <"$corpus" >/dev/null 2>&1
    end="$EPOCHREALTIME"
    awk -v s="$start" -v e="$end" '/Maximum resident set size/ { kb = $NF }
        END { printf "%.6f %d\n", e - s, kb }' "$report"
}

printf '%8s %10s %12s %10s %9s %10s %8s %9s\n' lines vyx_s lines_per_s peak_MB text_MB bc_s ratio exponent
previous_lines="" previous_seconds=""
for lines in "${sizes[@]}"; do
    corpus="$out_dir/corpus-$lines.txt"
    document="$out_dir/scaling-$lines.vyx"
    python3 "$VYX_REPO/bench/gen_corpus.py" "$lines" >"$corpus"
    rm -f "$document"
    read -r vyx_seconds vyx_kb < <(measure "$vyxcalc" --file "$document")
    read -r bc_seconds _ < <(measure bc -l)
    # The saved document, for comparing the peak memory with the size of the text.
    text_bytes="$(stat -c %s "$document")"
    exponent="-"
    if [ -n "$previous_lines" ]; then
        exponent="$(awk -v t1="$previous_seconds" -v t2="$vyx_seconds" -v n1="$previous_lines" \
            -v n2="$lines" 'BEGIN { printf "%.2f", log(t2 / t1) / log(n2 / n1) }')"
    fi
    awk -v n="$lines" -v t="$vyx_seconds" -v kb="$vyx_kb" -v bytes="$text_bytes" -v bc="$bc_seconds" \
        -v ex="$exponent" 'BEGIN { printf "%8d %10.3f %12.0f %10.1f %9.1f %10.3f %8.1f %9s\n",
            n, t, n / t, kb / 1024, bytes / 1048576, bc, t / bc, ex }'
    previous_lines="$lines" previous_seconds="$vyx_seconds"
done
echo "ratio = vyxcalc time / bc -l time; text_MB = size of the saved document file"
