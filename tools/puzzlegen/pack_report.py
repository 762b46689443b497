#!/usr/bin/env python3
"""Review aids for the generated packs.

    python3 tools/puzzlegen/pack_report.py sample --seed 7 --count 100   # random clues
    python3 tools/puzzlegen/pack_report.py answers                       # distinct answers
    python3 tools/puzzlegen/pack_report.py frequent --length 3-5 --top 1000
    python3 tools/puzzlegen/pack_report.py sheets --slices 6           # review sheets
    python3 tools/puzzlegen/pack_report.py sheets --unread --out tools/review/round-2
    python3 tools/puzzlegen/pack_report.py apply tools/review/round-1/sheet-*.tsv
    python3 tools/puzzlegen/pack_report.py stats                      # the packs in figures

`sample` prints clues drawn at random (the same ones for the same seed) for a person to
judge; `answers` lists every distinct answer once, with how often it is used, for the
offensive-or-unfair read-through; `frequent` lists the most used answers of some lengths,
marking those without a hand-written clue in tools/lexicon/overrides.tsv. `stats` gives
the figures an editor asks for: block shapes, the shortest longest answer, stand-by uses,
the obscure share, hand and WordNet clues, lively clues, and what the sheets have read.
The editor's rules are counted by build/default/bin/pack_rules (tests/packs/pack_rules_main.cpp),
which applies the same library as the generator and the packs' checker.

`sheets` writes the review sheets: every distinct (answer, clue) of the six packs (the
starter puzzle is pack Three's hilo.puz, so it is among them) with its source (hand or
machine) and the puzzles that print it, split by answer into slices of similar size for
several readers. With --unread a sheet holds only the pairs no sheet under tools/review has
passed yet (kept as they were, or written as a reader's new clue): the next round after the
packs were made again. A reader fills in the verdict column:

    ok                 the clue may be printed (a machine clue is kept as reviewed)
    rewrite            the clue must not be printed; the new clue is in the next column
    drop               the answer must not be used (it goes to tools/lexicon/unfit.txt)
    block              the answer is offensive (it goes to tools/lexicon/blocklist.txt,
                       which keeps every form of it out of answers and clues)

`apply` reads filled-in sheets and writes the verdicts where the generator finds them:
overrides.tsv (clues written), reviewed_clues.tsv (WordNet's clues kept), rejected_clues.tsv
(clues never to print again), unfit.txt and blocklist.txt (answers), featured.tsv (a featured
clue rewritten). Then rebuild the lexicon and regenerate with the same seed (README, "Puzzle packs").
"""

import argparse
import collections
import os
import random
import sys

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


LEXICON = os.path.join(ROOT, "tools", "lexicon")
sys.path.insert(0, LEXICON)
from build_lexicon import PassedPairs  # noqa: E402  (one reading of the sheets for both)
from design_patterns import ShapeKey  # noqa: E402  (the shape key the patterns are made with)
FEATURED = os.path.join(ROOT, "tools", "puzzlegen", "featured.tsv")
SHEET_HEADER = "answer\tclue\tsource\tpuzzles\tverdict\tnew clue"


def ReadLexicon():
    """Every answer of the lexicon with its SCOWL level (0 for a name) and its hand-written
    clues."""
    lexicon = {}
    for line in open(os.path.join(LEXICON, "lexicon.tsv")):
        if not line.startswith("#"):
            f = line.rstrip("\n").split("\t")
            # A name (kind "n") is never obscure: SCOWL lists names at level 50 at best.
            level = 0 if f[3] == "n" else int(f[2])
            lexicon[f[0]] = (level, set(f[6:6 + int(f[5])]))
    return lexicon


def HandClues():
    """(answer, clue) pairs written by hand: the lexicon's hand-written clues and the
    featured clues."""
    hand = {(answer, clue) for answer, (_, clues) in ReadLexicon().items() for clue in clues}
    return hand | set(FeaturedClues().items())


def FeaturedClues():
    out = {}
    for line in open(FEATURED):
        f = line.rstrip("\n").split("\t")
        if line.startswith("#") or len(f) != 5:
            continue
        out[f[3].replace(" ", "")] = f[4]
    return out


def WriteSheets(entries, slices, folder, passed=frozenset()):
    uses = collections.defaultdict(list)
    for pack, name, number, d, answer, clue in entries:
        if (answer, clue) in passed:
            continue
        uses[(answer, clue)].append("%s/%s %d%s" % (pack, name[:-4], number, d))
    hand = HandClues()
    rows = sorted(uses)
    if not rows:
        print("nothing to read: no sheet written")
        return
    # Slices break only between answers, so one reader sees every clue of an answer.
    target = (len(rows) + slices - 1) // slices
    os.makedirs(folder, exist_ok=True)
    sheet, count, previous = 1, 0, None
    out = None
    for answer, clue in rows:
        if out is None or (count >= target and answer != previous and sheet < slices):
            if out:
                out.close()
                sheet += 1
            out = open(os.path.join(folder, "sheet-%d.tsv" % sheet), "w")
            out.write(SHEET_HEADER + "\n")
            count = 0
        source = "hand" if (answer, clue) in hand else "machine"
        out.write("%s\t%s\t%s\t%s\t\t\n" % (answer, clue, source,
                                               ", ".join(uses[(answer, clue)])))
        count += 1
        previous = answer
    out.close()
    print("%d distinct clues in %d sheets under %s" % (len(rows), sheet, folder))


def AppendLines(path, lines):
    """Appends the lines the file does not hold yet (two readers may write the same clue)."""
    have = set(open(path).read().split("\n")) if os.path.exists(path) else set()
    new = [line for line in dict.fromkeys(lines) if line not in have]
    with open(path, "a") as f:
        f.write("".join(line + "\n" for line in new))


def ApplySheets(paths):
    keep, reviewed, reject, unfit, block, unread = [], [], [], [], [], 0
    featured = FeaturedClues()
    featured_rewrites = {}
    overrides_path = os.path.join(LEXICON, "overrides.tsv")
    hand_lines = set(l.rstrip("\n") for l in open(overrides_path))
    drop_hand = set()
    for path in paths:
        for line in open(path):
            f = line.rstrip("\n").split("\t")
            if line.startswith("answer\t") or len(f) < 5:
                continue
            answer, clue, source, _, verdict = f[:5]
            new = f[5].strip() if len(f) > 5 else ""
            verdict = verdict.strip().lower()
            if not verdict:
                unread += 1
            elif verdict == "ok":
                if source == "machine":
                    reviewed.append("%s\t%s" % (answer, clue))
            elif verdict == "rewrite" and new:
                if featured.get(answer) == clue:
                    featured_rewrites[answer] = new
                    continue
                keep.append("%s\t%s" % (answer, new))
                if "%s\t%s" % (answer, clue) in hand_lines:
                    drop_hand.add("%s\t%s" % (answer, clue))
                reject.append("%s\t%s" % (answer, clue))
            elif verdict == "drop":
                unfit.append(answer)
            elif verdict == "block":
                block.append(answer)
            else:
                raise SystemExit("%s: verdict %r for %s / %s" % (path, verdict, answer, clue))
    if drop_hand:
        lines = [l for l in open(overrides_path) if l.rstrip("\n") not in drop_hand]
        open(overrides_path, "w").write("".join(lines))
    AppendLines(overrides_path, keep)
    AppendLines(os.path.join(LEXICON, "reviewed_clues.tsv"), reviewed)
    AppendLines(os.path.join(LEXICON, "rejected_clues.tsv"), reject)
    AppendLines(os.path.join(LEXICON, "unfit.txt"), sorted(set(unfit)))
    AppendLines(os.path.join(LEXICON, "blocklist.txt"), sorted(set(block)))
    if featured_rewrites:
        lines = []
        for line in open(FEATURED):
            f = line.rstrip("\n").split("\t")
            if len(f) == 5 and f[3].replace(" ", "") in featured_rewrites:
                f[4] = featured_rewrites[f[3].replace(" ", "")]
                line = "\t".join(f) + "\n"
            lines.append(line)
        open(FEATURED, "w").write("".join(lines))
    print("written %d clues, kept %d of WordNet's, rejected %d, dropped %d answers, blocked %d, "
          "featured clues rewritten %d; %d rows have no verdict yet" % (
              len(keep), len(reviewed), len(reject), len(set(unfit)), len(set(block)),
              len(featured_rewrites),
              unread))


def Shape(solution):
    """The block shape of a solution ('.' on blocks) up to rotation and mirroring."""
    cells = ["#" if ch == "." else "." for ch in solution]
    return ShapeKey([cells[r * 15:(r + 1) * 15] for r in range(15)])


def IsLively(clue):
    if "___" in clue or clue.endswith("?"):
        return True
    first = clue.find('"')
    if first < 0 or clue.find('"', first + 1) < 0:
        return False
    return first < 5 or clue[first - 5:first] != "with "


def Stats(root):
    lexicon = ReadLexicon()
    featured = FeaturedClues()
    standbys = set(open(os.path.join(ROOT, "tools", "puzzlegen", "standbys.txt")).read().split())
    standbys = {w for w in standbys if not w.startswith("#")}
    passed = PassedPairs(os.path.join(ROOT, "tools", "review"))
    shapes, longest, lively, pairs = collections.Counter(), [], [], set()
    hand = machine = 0
    for pack in PACKS:
        folder = os.path.join(root, pack)
        names = open(os.path.join(folder, "pack.txt")).read().split()
        pack_shapes, uses, slots, obscure = collections.Counter(), collections.Counter(), 0, 0
        for name in names:
            data = open(os.path.join(folder, name), "rb").read()
            shape = Shape(data[0x34:0x34 + 225].decode("latin-1"))
            shapes[shape] += 1
            pack_shapes[shape] += 1
            entries = ReadPuzzle(os.path.join(folder, name))
            longest.append(max(len(a) for _, _, a, _ in entries))
            lively.append(sum(IsLively(c) for _, _, _, c in entries))
            for _, _, answer, clue in entries:
                pairs.add((answer, clue))
                slots += 1
                uses[answer] += answer in standbys
                level, hand_clues = lexicon.get(answer, (99, set()))
                if featured.get(answer) == clue or clue in hand_clues:
                    hand += 1
                else:
                    machine += 1
                if featured.get(answer) != clue:
                    obscure += level >= 50 and not hand_clues
        print("pack %-5s: %2d shapes (at most %d of one), stand-bys %d used (at most %d "
              "each), obscure %d of %d slots (%.2f %%)" % (
                  pack, len(pack_shapes), max(pack_shapes.values()), len(+uses),
                  max(uses.values() or [0]), obscure, slots, 100.0 * obscure / slots))
    print("%d distinct shapes; longest answer per grid %d to %d; lively clues per puzzle %d to "
          "%d (%d in all)" % (len(shapes), min(longest), max(longest), min(lively),
                              max(lively), sum(lively)))
    print("clues printed: %d hand-written (%.1f %%), %d from WordNet; %d distinct pairs, %d "
          "not yet passed by a reader" % (hand, 100.0 * hand / (hand + machine), machine,
                                          len(pairs), len(pairs - passed)))


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("command", choices=["sample", "answers", "frequent", "sheets", "apply",
                                            "stats"])
    parser.add_argument("sheets", nargs="*", help="with apply: the filled-in sheets")
    parser.add_argument("--slices", type=int, default=6)
    parser.add_argument("--unread", action="store_true",
                        help="with sheets: only pairs no earlier sheet under tools/review passed")
    parser.add_argument("--out", default=os.path.join(ROOT, "tools", "review"),
                        help="with sheets: the folder to write them to")
    parser.add_argument("--seed", type=int, default=7)
    parser.add_argument("--count", type=int, default=100)
    parser.add_argument("--length", default="3-5")
    parser.add_argument("--top", type=int, default=1000)
    parser.add_argument("--dir", default=os.path.join(ROOT, "resources", "packs"),
                        help="the folder holding one/ ... six/")
    args = parser.parse_args()
    if args.command == "apply":
        ApplySheets(args.sheets)
        return
    if args.command == "stats":
        Stats(args.dir)
        return
    entries = list(AllEntries(args.dir))
    if args.command == "sheets":
        passed = set()
        if args.unread:
            passed = PassedPairs(os.path.join(ROOT, "tools", "review"), args.out)
        WriteSheets(entries, args.slices, args.out, passed)
    elif args.command == "sample":
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
