#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Deterministic corpus of arithmetic lines that bc -l, qalc and this calculator all accept.

Usage: gen_corpus.py N [seed] > corpus.txt
"""
import random, sys

def expr(r, depth):
    if depth == 0 or r.random() < 0.3:
        return str(r.randint(1, 999))
    op = r.choice("+-*/")
    left, right = expr(r, depth - 1), expr(r, depth - 1)
    if r.random() < 0.3:
        return f"({left}{op}{right})"
    return f"{left}{op}{right}"

def main():
    n = int(sys.argv[1])
    r = random.Random(int(sys.argv[2]) if len(sys.argv) > 2 else 7)
    for _ in range(n):
        e = expr(r, 4)
        if r.random() < 0.2:
            e = f"({e})^{r.randint(2, 3)}"
        print(e)

main()
