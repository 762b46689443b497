#!/usr/bin/env python3
"""Writes the starter puzzle welcome.puz from its source welcome.txt (grid and clues by hand).

Usage: resources/device/make_welcome.py   (run from anywhere; writes beside this script)

The source holds "title:", "author:", "copyright:" lines, a "grid:" block of rows ("#" black),
then "across:" and "down:" blocks of "<number> <clue>" lines. The script checks the shape (words of
three or more squares, white squares connected), numbers the grid, checks that every word has
exactly one clue, and writes a version 1.3 file with all its checksums.
"""
import os
import struct
import sys

HERE = os.path.dirname(os.path.abspath(__file__))


def checksum(data, c=0):
    for b in data:
        c = ((c >> 1) | 0x8000) if c & 1 else (c >> 1)
        c = (c + b) & 0xFFFF
    return c


def read_source(path):
    meta, grid, clues, block = {}, [], {"across": {}, "down": {}}, None
    for raw in open(path, encoding="cp1252"):
        line = raw.rstrip("\n")
        if not line.strip() or line.startswith(";"):
            continue
        key = line.split(":", 1)[0]
        if key in ("title", "author", "copyright") and ":" in line and block is None:
            meta[key] = line.split(":", 1)[1].strip()
        elif line in ("grid:", "across:", "down:"):
            block = line[:-1]
        elif block == "grid":
            grid.append(line.strip())
        else:
            number, text = line.split(" ", 1)
            clues[block][int(number)] = text.strip()
    return meta, grid, clues


def number_grid(grid):
    h, w = len(grid), len(grid[0])
    is_open = lambda r, c: 0 <= r < h and 0 <= c < w and grid[r][c] != "#"
    words, n = [], 0
    for r in range(h):
        for c in range(w):
            if not is_open(r, c):
                continue
            across = not is_open(r, c - 1) and is_open(r, c + 1)
            down = not is_open(r - 1, c) and is_open(r + 1, c)
            if across or down:
                n += 1
            if across:
                words.append((n, "across"))
            if down:
                words.append((n, "down"))
    return words


def check_shape(grid):
    """Every word at least three squares long and every white square reachable from any other."""
    h, w = len(grid), len(grid[0])
    lines = grid + ["".join(grid[r][c] for r in range(h)) for c in range(w)]
    for line in lines:
        if any(0 < len(run) < 3 for run in line.split("#")):
            sys.exit("a word shorter than three squares in %r" % line)
    white = {(r, c) for r in range(h) for c in range(w) if grid[r][c] != "#"}
    start = next(iter(white))
    seen, todo = {start}, [start]
    while todo:
        r, c = todo.pop()
        for q in ((r + 1, c), (r - 1, c), (r, c + 1), (r, c - 1)):
            if q in white and q not in seen:
                seen.add(q)
                todo.append(q)
    if seen != white:
        sys.exit("the white squares are not all connected")


def main():
    meta, grid, clues = read_source(os.path.join(HERE, "welcome.txt"))
    h, w = len(grid), len(grid[0])
    if any(len(row) != w for row in grid):
        sys.exit("rows of different lengths")
    check_shape(grid)
    words = number_grid(grid)
    wanted = {(n, d) for n, d in words}
    given = {(n, d) for d in ("across", "down") for n in clues[d]}
    if wanted != given:
        sys.exit("clues do not match the grid: missing %s, extra %s"
                 % (sorted(wanted - given), sorted(given - wanted)))
    solution = "".join(grid).replace("#", ".").encode("ascii")
    fill = bytes(ord(".") if ch == ord(".") else ord("-") for ch in solution)
    texts = [clues[d][n] for n, d in words]
    enc = lambda s: s.encode("cp1252")

    def strings_sum(c):
        for s in (meta["title"], meta["author"], meta["copyright"]):
            if s:
                c = checksum(enc(s) + b"\0", c)
        for t in texts:
            c = checksum(enc(t), c)
        return c

    cib_bytes = struct.pack("<BBHHH", w, h, len(texts), 1, 0)
    cib = checksum(cib_bytes)
    overall = strings_sum(checksum(fill, checksum(solution, cib)))
    parts = [cib, checksum(solution), checksum(fill), strings_sum(0)]
    low = bytes(ord(k) ^ (p & 0xFF) for k, p in zip("ICHE", parts))
    high = bytes(ord(k) ^ (p >> 8) for k, p in zip("ATED", parts))
    header = (struct.pack("<H", overall) + b"ACROSS&DOWN\0" + struct.pack("<H", cib) + low +
              high + b"1.3\0" + b"\0\0" + b"\0\0" + b"\0" * 12 + cib_bytes)
    body = solution + fill + b"".join(enc(s) + b"\0" for s in
                                      (meta["title"], meta["author"], meta["copyright"]))
    body += b"".join(enc(t) + b"\0" for t in texts) + b"\0"
    out = os.path.join(HERE, "welcome.puz")
    with open(out, "wb") as f:
        f.write(header + body)
    print("wrote %s: %d x %d, %d clues" % (out, w, h, len(texts)))


main()
