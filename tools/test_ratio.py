#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Counts non-blank, non-comment lines of C++ (.cpp/.h): tests/ against the code outside tests/,
bench/ and fuzz/, and prints the ratio the project keeps between them."""
import pathlib
import re
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
SKIPPED = {"tests", "bench", "fuzz"}


def code_lines(path):
    text = re.sub(r"/\*.*?\*/", "", path.read_text(encoding="utf-8", errors="replace"), flags=re.S)
    return sum(1 for line in text.splitlines() if line.strip() and not line.strip().startswith("//"))


def count(paths):
    return sum(code_lines(p) for p in paths)


def sources(top):
    return [p for p in top.rglob("*") if p.suffix in (".cpp", ".h") and p.is_file()]


def main():
    tracked = [p for p in sources(ROOT) if not p.relative_to(ROOT).parts[0].startswith("build")]
    tests = [p for p in tracked if p.relative_to(ROOT).parts[0] == "tests"]
    code = [p for p in tracked if p.relative_to(ROOT).parts[0] not in SKIPPED]
    test_lines, code_total = count(tests), count(code)
    print(f"tests {test_lines} lines, code {code_total} lines, ratio {test_lines / code_total:.2f}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
