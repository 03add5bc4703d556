#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Evaluation throughput of vyxcalc --engine against bc -l on one generated corpus, best of N runs.
# Usage: bench/engine_throughput.sh [LINES] [REPETITIONS]   (defaults 20000 and 5)
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../.ci/build.sh"

lines="${1:-20000}"
repetitions="${2:-5}"
generator="$VYX_REPO/bench/gen_corpus.py"
out_dir="$VYX_REPO/bench/out"
corpus="$out_dir/corpus-$lines.txt"
vyxcalc="$VYX_BUILD_DIR/tools/vyxcalc/vyxcalc"

command -v bc >/dev/null || { echo "bc is needed (apt-get install bc)" >&2; exit 1; }
if [ ! -x "$vyxcalc" ]; then
    vyx_build --target vyxcalc
fi
mkdir -p "$out_dir"
python3 "$generator" "$lines" >"$corpus"

# best_seconds CMD...: the shortest wall time of the command over the repetitions, corpus on stdin.
best_seconds() {
    local best="" start end elapsed
    for ((run = 0; run < repetitions; run++)); do
        start="$EPOCHREALTIME"
        "$@" <"$corpus" >/dev/null 2>&1
        end="$EPOCHREALTIME"
        elapsed="$(awk -v s="$start" -v e="$end" 'BEGIN { printf "%.6f", e - s }')"
        if [ -z "$best" ] || awk -v a="$elapsed" -v b="$best" 'BEGIN { exit !(a < b) }'; then
            best="$elapsed"
        fi
    done
    echo "$best"
}

# Lines that gave a number, so that a fast stream of error messages is not mistaken for speed.
results="$("$vyxcalc" --engine <"$corpus" | grep -vc '^//' || true)"
vyx_seconds="$(best_seconds "$vyxcalc" --engine)"
bc_seconds="$(best_seconds bc -l)"

awk -v n="$lines" -v r="$repetitions" -v ok="$results" -v v="$vyx_seconds" -v b="$bc_seconds" \
    -v corpus="${corpus#"$VYX_REPO"/}" 'BEGIN {
    printf "corpus: %d lines (%s), %d numeric results, best of %d runs\n", n, corpus, ok, r
    printf "vyxcalc --engine: %8.3f s  %10.0f lines/s\n", v, n / v
    printf "bc -l:            %8.3f s  %10.0f lines/s\n", b, n / b
    printf "ratio vyxcalc/bc: %.2f\n", b / v
}'
