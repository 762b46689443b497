#!/usr/bin/env python3
"""Proposes 15 x 15 block patterns for the puzzle generator.

Blocks are placed at random in 180-degree-symmetric pairs, each placement kept only when
every run stays at least three long, no 2 x 2 block forms and the white squares stay
connected. A pattern is proposed when it has 38 to 42 blocks and 76 to 82 words, no word
longer than 9, and no open 5 x 5 area (such corners do not fill from our word list).
Proposals are only candidates: `puzzlegen --check-patterns` fills each several times and
the ones that fill reliably are committed in patterns.txt.

    python3 tools/puzzlegen/design_patterns.py --count 60 --seed 1 > /tmp/candidates.txt

Random proposals with few short words rarely fill; moving a few blocks of a pattern that
fills well (--mutate FILE --max-short N) gives candidates that often still do. Every pack
grid needs two answers of ten letters or more: --long FILE makes them from the patterns in
FILE (base_patterns.txt) by merging the words of a row pair.
"""

import argparse
import random
import sys

N = 15


def Runs(grid):
    """Lengths of all across and down runs of white squares."""
    runs = []
    for line in list(grid) + ["".join(grid[r][c] for r in range(N)) for c in range(N)]:
        runs += [len(x) for x in line.split("#") if x]
    return runs


def RunsOk(grid, r, c):
    """Every run through row r and column c is at least three long."""
    row = grid[r]
    col = "".join(grid[i][c] for i in range(N))
    return all(len(x) >= 3 for x in row.split("#") + col.split("#") if x)


def Connected(grid):
    whites = [(r, c) for r in range(N) for c in range(N) if grid[r][c] == "."]
    seen = {whites[0]}
    stack = [whites[0]]
    while stack:
        r, c = stack.pop()
        for dr, dc in ((1, 0), (-1, 0), (0, 1), (0, -1)):
            nr, nc = r + dr, c + dc
            if 0 <= nr < N and 0 <= nc < N and grid[nr][nc] == "." and (nr, nc) not in seen:
                seen.add((nr, nc))
                stack.append((nr, nc))
    return len(seen) == len(whites)


def Square2x2(grid, r, c, inner=False):
    """A 2 x 2 of blocks through (r, c); with `inner`, only one away from the edges (against
    an edge it is a bar two deep, as the pattern maker allows)."""
    low, high = (1, N - 2) if inner else (0, N - 1)
    for dr in (-1, 0):
        for dc in (-1, 0):
            r0, c0 = r + dr, c + dc
            if low <= r0 < high and low <= c0 < high:
                if all(grid[r0 + i][c0 + j] == "#" for i in (0, 1) for j in (0, 1)):
                    return True
    return False


def OpenArea(grid, h, w):
    for r in range(N - h + 1):
        for c in range(N - w + 1):
            if all(grid[r + i][c + j] == "." for i in range(h) for j in range(w)):
                return True
    return False


def Set(grid, r, c, ch):
    grid[r] = grid[r][:c] + ch + grid[r][c + 1:]


def Propose(rng, max_long):
    grid = ["." * N for _ in range(N)]
    cells = [(r, c) for r in range(N) for c in range(N) if r * N + c <= (N * N) // 2]
    blocks = 0
    target = rng.randint(38, 42)
    for _ in range(4000):
        if blocks >= target:
            break
        r, c = rng.choice(cells)
        if grid[r][c] == "#":
            continue
        mr, mc = N - 1 - r, N - 1 - c
        Set(grid, r, c, "#")
        Set(grid, mr, mc, "#")
        ok = (RunsOk(grid, r, c) and RunsOk(grid, mr, mc) and not Square2x2(grid, r, c) and
              not Square2x2(grid, mr, mc) and Connected(grid))
        if not ok:
            Set(grid, r, c, ".")
            Set(grid, mr, mc, ".")
            continue
        blocks += 1 if (r, c) == (mr, mc) else 2
    return grid if Valid(grid, max_long) else None


THEMELESS = False  # --themeless: the limits of a themeless instead


def Valid(grid, max_long, max_short=99):
    """Every rule a proposal must keep, checked on a whole grid."""
    if any(grid[r][c] != grid[N - 1 - r][N - 1 - c] for r in range(N) for c in range(N)):
        return False
    runs = Runs(grid)
    blocks = sum(row.count("#") for row in grid)
    if THEMELESS:
        # At most 72 words, six of eight letters or more, the featured answer's ten the
        # longest and in two slots at least; open areas are what a themeless has.
        return (24 <= blocks <= 42 and len(runs) <= 72 and max(runs) == 10 and min(runs) >= 3
                and runs.count(10) >= 2 and sum(1 for n in runs if n >= 8) >= 6
                and not any(Square2x2(grid, r, c, inner=True) for r in range(N)
                            for c in range(N) if grid[r][c] == "#") and Connected(grid))
    if not (38 <= blocks <= 42 and 76 <= len(runs) <= 82 and max(runs) <= 9 and min(runs) >= 3):
        return False
    if sum(1 for n in runs if n >= 5) > max_long:
        return False
    if sum(1 for n in runs if n <= 5) > max_short:
        return False
    if any(Square2x2(grid, r, c) for r in range(N) for c in range(N) if grid[r][c] == "#"):
        return False
    if OpenArea(grid, 5, 5) or OpenArea(grid, 4, 6) or OpenArea(grid, 6, 4):
        return False
    return Connected(grid)


def Mutate(rng, grid, max_long, max_short, steps):
    """A random walk from a pattern that fills well: each step moves one symmetric pair of
    blocks and is kept only when every rule still holds. Patterns near a good one tend to
    fill like it, which random proposals with few long words rarely do."""
    grid = list(grid)
    half = [(r, c) for r in range(N) for c in range(N) if r * N + c <= (N * N) // 2]
    moved = 0
    for _ in range(steps * 200):
        if moved >= steps:
            break
        blocks = [p for p in half if grid[p[0]][p[1]] == "#"]
        whites = [p for p in half if grid[p[0]][p[1]] == "."]
        (r, c), (nr, nc) = rng.choice(blocks), rng.choice(whites)
        trial = list(grid)
        for (a, b), ch in (((r, c), "."), ((nr, nc), "#")):
            Set(trial, a, b, ch)
            Set(trial, N - 1 - a, N - 1 - b, ch)
        if Valid(trial, max_long, max_short):
            grid = trial
            moved += 1
    return grid if moved >= steps else None


def ShapeKey(grid):
    """The least of the eight rotations and mirror images: one key per block shape."""
    best = None
    for t in range(8):
        rows = []
        for r in range(N):
            row = ""
            for c in range(N):
                rr, cc = r, c
                if t & 1:
                    cc = N - 1 - cc
                if t & 2:
                    rr = N - 1 - rr
                if t & 4:
                    rr, cc = cc, rr
                row += grid[rr][cc]
            rows.append(row)
        key = "".join(rows)
        if best is None or key < best:
            best = key
    return best


def LongestOk(grid):
    """The longest word's length when the grid keeps every rule of a pack pattern with long
    answers (two words of ten letters or more, the longest length at least twice, so the
    featured answer has a slot and a partner), else 0."""
    runs = Runs(grid)
    longest = max(runs)
    blocks = sum(row.count("#") for row in grid)
    if longest < 10 or not (38 <= blocks <= 42 and 76 <= len(runs) <= 82 and min(runs) >= 3):
        return 0
    if sum(1 for n in runs if n >= 10) < 2 or runs.count(longest) < 2:
        return 0
    if any(Square2x2(grid, r, c) for r in range(N) for c in range(N) if grid[r][c] == "#"):
        return 0
    if OpenArea(grid, 5, 5) or OpenArea(grid, 4, 6) or OpenArea(grid, 6, 4):
        return 0
    return longest if Connected(grid) else 0


def LongVariants(bases):
    """Patterns with long answers made from patterns that fill well: one or two blocks of a
    row in the upper half taken out (with their mirror images), merging its words into one
    of ten letters or more, and, where that leaves too few words, one block pair added
    elsewhere. Local structure is kept, and with it most of the base's fillability; random
    layouts with long words rarely fill. Yields (length, base name, grid), one per shape."""
    seen = set()
    half = [(r, c) for r in range(N) for c in range(N) if r * N + c <= (N * N) // 2]
    for name, rows in bases:
        for r in range(7):
            for c in range(N):
                if rows[r][c] != "#":
                    continue
                for c2 in [None] + list(range(c + 1, N)):
                    if c2 is not None and rows[r][c2] != "#":
                        continue
                    grid = list(rows)
                    for k in (c, c2):
                        if k is not None:
                            Set(grid, r, k, ".")
                            Set(grid, N - 1 - r, N - 1 - k, ".")
                    if max(Runs(grid)) < 10:
                        continue
                    trials = [grid]
                    for a, b in half:
                        if grid[a][b] == "." and a != r:
                            more = list(grid)
                            Set(more, a, b, "#")
                            Set(more, N - 1 - a, N - 1 - b, "#")
                            trials.append(more)
                    for g in trials:
                        length = LongestOk(g)
                        key = ShapeKey(g)
                        if length and key not in seen:
                            seen.add(key)
                            yield length, name, g


def ReadPatterns(path):
    patterns, name, rows = [], None, []
    for line in open(path).read().splitlines():
        if line.startswith("pattern "):
            name, rows = line.split()[1], []
        elif name and len(line) == N:
            rows.append(line)
            if len(rows) == N:
                patterns.append((name, rows))
                name = None
    return patterns


def Variants(grid):
    """The pattern mirrored left to right and transposed: both keep the 180-degree symmetry
    and every rule, and each fills like a new pattern."""
    mirrored = [row[::-1] for row in grid]
    transposed = ["".join(grid[r][c] for r in range(N)) for c in range(N)]
    both = ["".join(mirrored[r][c] for r in range(N)) for c in range(N)]
    out = []
    for g in (grid, mirrored, transposed, both):
        if g not in out:
            out.append(g)
    return out


def PrintVariants(path):
    for name, rows in ReadPatterns(path):
        for k, g in enumerate(Variants(rows)):
            runs = Runs(g)
            print("pattern %s%s blocks=%d words=%d longest=%d" % (
                name, "abcd"[k], sum(r.count("#") for r in g), len(runs), max(runs)))
            print("\n".join(g))
            print()


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--count", type=int, default=40)
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--max-long", type=int, default=99,
                        help="most words of five letters or more: such a word may be used "
                        "once per pack, so fewer of them let a whole pack fill")
    parser.add_argument("--max-short", type=int, default=99,
                        help="with --mutate: most words of three to five letters; short words "
                        "may be used only two or three times per pack, and a pack runs out "
                        "of them first")
    parser.add_argument("--variants", help="print the mirrored and transposed forms of the "
                        "patterns in this file instead of proposing new ones")
    parser.add_argument("--mutate", help="propose by moving blocks of the patterns in this "
                        "file instead of placing them at random")
    parser.add_argument("--long", help="propose patterns with long answers made from the "
                        "patterns in this file (see LongVariants)")
    parser.add_argument("--steps", type=int, default=6,
                        help="with --mutate: block pairs moved per proposal")
    parser.add_argument("--themeless", action="store_true",
                        help="with --mutate: keep the limits of a themeless (72 words or fewer, "
                        "six of eight letters or more, ten the longest)")
    args = parser.parse_args()
    global THEMELESS
    THEMELESS = args.themeless
    if args.long:
        made = 0
        for length, name, grid in LongVariants(ReadPatterns(args.long)):
            made += 1
            runs = Runs(grid)
            print("pattern L%d-%s-%d blocks=%d words=%d longest=%d" % (
                length, name, made, sum(row.count("#") for row in grid), len(runs), length))
            print("\n".join(grid))
            print()
        print("%d proposals" % made, file=sys.stderr)
        return
    if args.mutate:
        rng = random.Random(args.seed)
        bases = ReadPatterns(args.mutate)
        seen = {tuple(rows) for _, rows in bases}
        made = 0
        while made < args.count:
            name, rows = bases[made % len(bases)]
            grid = Mutate(rng, rows, args.max_long, args.max_short, args.steps)
            if grid is None or tuple(grid) in seen:
                continue
            seen.add(tuple(grid))
            made += 1
            runs = Runs(grid)
            print("pattern %sm%d-%d blocks=%d words=%d longest=%d short=%d long=%d" %
                  (name, args.seed, made, sum(row.count("#") for row in grid), len(runs),
                   max(runs), sum(1 for n in runs if n <= 5), sum(1 for n in runs if n >= 5)))
            print("\n".join(grid))
            print()
        return
    if args.variants:
        PrintVariants(args.variants)
        return
    rng = random.Random(args.seed)
    made = 0
    tries = 0
    while made < args.count:
        tries += 1
        grid = Propose(rng, args.max_long)
        if grid is None:
            continue
        made += 1
        runs = Runs(grid)
        blocks = sum(row.count("#") for row in grid)
        print("pattern D%d-%d blocks=%d words=%d longest=%d" %
              (args.seed, made, blocks, len(runs), max(runs)))
        print("\n".join(grid))
        print()
    print("%d proposals from %d tries" % (made, tries), file=sys.stderr)


if __name__ == "__main__":
    main()
