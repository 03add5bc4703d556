#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Checks that every C++ source and header of the repository is formatted as .clang-format says.
# Prints each file that differs and exits 1; exits 0 with a note when clang-format is not there.
# Usage: tools/check_format.sh [FILE ...]   (default: every tracked *.cpp and *.h)
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

clang_format="${CLANG_FORMAT:-clang-format}"
if ! command -v "$clang_format" >/dev/null 2>&1; then
    echo "check_format: $clang_format not found, formatting not checked" >&2
    exit 0
fi

if [ "$#" -gt 0 ]; then
    files=("$@")
elif git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    mapfile -t files < <(git ls-files '*.cpp' '*.h')
else
    mapfile -t files < <(find . -path './build*' -prune -o \( -name '*.cpp' -o -name '*.h' \) \
        -type f -print | sort)
fi

# One clang-format run for all files; it names each place that differs.
report="$("$clang_format" --dry-run -Werror "${files[@]}" 2>&1)" && exit_code=0 || exit_code=$?
if [ "$exit_code" -ne 0 ]; then
    echo "Not formatted as .clang-format says (fix with: $clang_format -i FILE):" >&2
    grep -o '^[^:]*:[0-9]*:[0-9]*: error' <<<"$report" | cut -d: -f1 | sort -u | sed 's/^/  /' >&2 ||
        echo "$report" >&2
    exit 1
fi
echo "check_format: ${#files[@]} files formatted"
