#!/usr/bin/env python3
"""Review aids for the generated packs.

    python3 tools/puzzlegen/pack_report.py sample --seed 7 --count 100   # random clues
    python3 tools/puzzlegen/pack_report.py answers                       # distinct answers
    python3 tools/puzzlegen/pack_report.py frequent --length 3-5 --top 1000

`sample` prints clues drawn at random (the same ones for the same seed) for a person to
judge; `answers` lists every distinct answer once, with how often it is used, for the
offensive-or-unfair read-through; `frequent` lists the most used answers of some lengths,
marking those without a hand-written clue in tools/lexicon/overrides.tsv.
"""

import argparse
import collections
import os
import random

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
PACKS = ["one", "two", "three", "four", "five", "six"]


def ReadPuzzle(path):
    data = open(path, "rb").read()
    w, h = data[0x2C], data[0x2D]
    n = w * h
    sol = data[0x34:0x34 + n].decode("latin-1")
    strings = data[0x34 + 2 * n:].split(b"\0")
    words = []
    number = 1
    def open_(r, c):
        return 0 <= r < h and 0 <= c < w and sol[r * w + c] != "."
    for r in range(h):
        for c in range(w):
            if not open_(r, c):
                continue
            across = not open_(r, c - 1) and open_(r, c + 1)
            down = not open_(r - 1, c) and open_(r + 1, c)
            if across:
                k = c
                ans = ""
                while open_(r, k):
                    ans += sol[r * w + k]
                    k += 1
                words.append((number, "A", ans))
            if down:
                k = r
                ans = ""
                while open_(k, c):
                    ans += sol[k * w + c]
                    k += 1
                words.append((number, "D", ans))
            if across or down:
                number += 1
    clues = [s.decode("latin-1") for s in strings[3:3 + len(words)]]
    return [(n, d, a, cl) for (n, d, a), cl in zip(words, clues)]


def AllEntries(root):
    for pack in PACKS:
        folder = os.path.join(root, pack)
        if not os.path.exists(os.path.join(folder, "pack.txt")):
            continue
        for name in open(os.path.join(folder, "pack.txt")).read().split():
            for number, d, answer, clue in ReadPuzzle(os.path.join(folder, name)):
                yield pack, name, number, d, answer, clue


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("command", choices=["sample", "answers", "frequent"])
    parser.add_argument("--seed", type=int, default=7)
    parser.add_argument("--count", type=int, default=100)
    parser.add_argument("--length", default="3-5")
    parser.add_argument("--top", type=int, default=1000)
    parser.add_argument("--dir", default=os.path.join(ROOT, "resources", "packs"),
                        help="the folder holding one/ ... six/")
    args = parser.parse_args()
    entries = list(AllEntries(args.dir))
    if args.command == "sample":
        rng = random.Random(args.seed)
        for i, (pack, name, number, d, answer, clue) in enumerate(
                rng.sample(entries, args.count), 1):
            print("%3d  %-5s %-13s %3d%s  %-15s %s" % (i, pack, name, number, d, answer, clue))
    elif args.command == "answers":
        counts = collections.Counter(e[4] for e in entries)
        for answer in sorted(counts):
            print("%s\t%d" % (answer, counts[answer]))
        print("# %d distinct answers in %d entries" % (len(counts), len(entries)))
    else:
        lo, hi = (int(x) for x in args.length.split("-"))
        overrides = set()
        path = os.path.join(ROOT, "tools", "lexicon", "overrides.tsv")
        for line in open(path):
            if line.strip() and not line.startswith("#"):
                overrides.add(line.split("\t")[0])
        counts = collections.Counter(e[4] for e in entries if lo <= len(e[4]) <= hi)
        top = counts.most_common(args.top)
        missing = [a for a, _ in top if a not in overrides]
        for answer, count in top:
            print("%s\t%d\t%s" % (answer, count, "" if answer in overrides else "no override"))
        print("# %d of the %d most used lack a hand-written clue" % (len(missing), len(top)))


if __name__ == "__main__":
    main()
