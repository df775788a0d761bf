#!/usr/bin/env python3
"""Writes a slip file of 2,000,000 random single-row fields (80 MB), the long
row list of the transfer tool the benchmark scripts measure.
Usage: bench/einzelreihen.py OUT.kv13"""
import random
import sys

rnd = random.Random(13)
with open(sys.argv[1], "wb") as f:
    for _ in range(2_000_000):
        rec = bytearray(40)
        for m in range(13):
            rec[1 + 3 * m + rnd.randint(0, 2)] = 1
        f.write(rec)
