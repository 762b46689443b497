#!/bin/sh
# What real puzzles carry beyond letters, in a real window at scale 2 as a user meets it:
# circled squares in the three magnifications, several letters typed into one square, notes
# shown at the first opening, and a locked solution opened with its key. Each scenario writes
# its puzzle with puzzle_file (below) and saves <scenario>-<moment>.png in the out folder.
# Usage: scripts/screenshots_real_puzzles.sh [bin-folder] [out-folder] [scenario ...]
# Needs Xvfb, xdotool, ImageMagick's import and python3 (scripts/packages.txt).
set -eu

scenarios="circles_in_every_magnification rebus_typed_checked_and_viewed \
notes_at_the_first_opening locked_solution_opened_with_its_key"

. "$(dirname "$0")/real_window.sh"

# A 7 x 7 puzzle with a black square in each corner of the middle, written to $1: circles
# ("circles"), a rebus "STAR" at row 1, column 1 ("rebus"), notes ("notes") or a solution
# locked with the key 4271 ("locked"), as the later arguments ask.
puzzle_file() { # file feature...
    python3 - "$@" <<'PY'
import struct, sys
path, features = sys.argv[1], set(sys.argv[2:])
rows = ["HEARTHS", "ASTERNA", "ROT.RIP", "BREADTH", "ORB.OAR", "REALTOR", "SEETHES"]
w, h = 7, 7
sol = "".join(rows)

def cksum(data, s=0):
    for b in data:
        s = ((s >> 1) | 0x8000 if s & 1 else s >> 1)
        s = (s + b) & 0xFFFF
    return s

def columns(grid):
    return "".join(grid[r * w + c] for c in range(w) for r in range(h) if grid[r * w + c] != ".")

def lock(grid, key):
    s = columns(grid)
    digits = [int(d) for d in "%04d" % key]
    for k in digits:
        s = "".join(chr(65 + (ord(ch) - 65 + digits[i % 4]) % 26) for i, ch in enumerate(s))
        s = s[k:] + s[:k]
        mid = len(s) // 2
        s = "".join(s[mid + i] + s[i] for i in range(mid)) + (s[-1] if len(s) % 2 else "")
    out, at = list(grid), 0
    for c in range(w):
        for r in range(h):
            if grid[r * w + c] != ".":
                out[r * w + c] = s[at]
                at += 1
    return "".join(out)

def starts(i, step):
    r, c = divmod(i, w)
    before = c == 0 if step == 1 else r == 0
    after_ok = (c + 1 < w) if step == 1 else (r + 1 < h)
    prev = i - step
    return sol[i] != "." and (before or sol[prev] == ".") and after_ok and sol[i + step] != "."

clues = []
for i in range(w * h):
    if starts(i, 1):
        clues.append("Across clue %d" % len(clues))
    if starts(i, w):
        clues.append("Down clue %d" % len(clues))
shown = lock(sol, 4271) if "locked" in features else sol
header = bytearray(0x34)
header[2:14] = b"ACROSS&DOWN\0"
header[0x18:0x1B] = b"1.3"
if "locked" in features:
    header[0x1E:0x20] = struct.pack("<H", cksum(columns(sol).encode()))
    header[0x32] = 4
header[0x2C], header[0x2D] = w, h
header[0x2E:0x30] = struct.pack("<H", len(clues))
header[0x30] = 1
body = shown.encode() + "".join("." if ch == "." else "-" for ch in sol).encode()
strings = ["Beyond letters", "Crossword", "(c) 2026"] + clues
strings.append("NOTE: The circled squares, read in order, spell a word the theme needs. "
               "Enter several letters in one square with Insert or the hold menu's Rebus..."
               if "notes" in features else "")
body += b"".join(t.encode("latin-1") + b"\0" for t in strings)

def section(name, data):
    return name + struct.pack("<HH", len(data), cksum(data)) + data + b"\0"

if "circles" in features:
    flags = bytearray(w * h)
    for i in (0, 8, 16, 24, 32, 40, 48):
        flags[i] = 0x80
    body += section(b"GEXT", bytes(flags))
if "rebus" in features:
    keys = bytearray(w * h)
    keys[1 * w + 1] = 1
    body += section(b"GRBS", bytes(keys)) + section(b"RTBL", b" 0:STAR;")
open(path, "wb").write(bytes(header) + body)
PY
}

start_puzzle() { # feature...
    puzzle_file "$scratch/puzzle.puz" "$@"
    start_game_with "$scratch/puzzle.puz"
}

# Rings in the circled squares (the diagonal) at each magnification, under the highlight too.
circles_in_every_magnification() {
    start_puzzle circles
    shot small
    tap $zoom 307
    tap 150 $medium
    shot medium
    tap $zoom 307
    tap 150 284     # Large
    tap 60 90       # a circled square becomes current
    shot large
    stop_game
}

# Insert opens the entry on the current square; the square and the clue bar show the letters;
# Enter ends it; Check finds it right, and View shows the whole rebus.
rebus_typed_checked_and_viewed() {
    start_puzzle rebus
    tap $zoom 307
    tap 150 $medium
    tap 80 56       # row 1, column 1
    press Insert
    x type --delay 80 "STA"
    shot typing
    x type --delay 80 "R"
    press Return
    shot entered
    tap $check 307
    shot checked
    press Return
    tap 80 56
    tap $view 307
    tap 60 270      # View > Current Word
    shot viewed
    stop_game
}

# A puzzle opened for the first time shows its notes; Puzzle Info shows them again.
notes_at_the_first_opening() {
    start_puzzle notes
    shot first-opening
    tap 222 13      # the dialog's ok
    tap $menu 307
    tap 40 216      # Puzzle Info
    shot information
    tap 222 13
    stop_game
}

# Check refuses a locked solution; Puzzles > Unlock Solution... takes the key, after which
# View shows the real solution.
locked_solution_opened_with_its_key() {
    start_puzzle locked
    press h
    tap $check 307
    shot locked
    press Return
    tap $menu 307
    tap 40 126      # Puzzles
    tap 130 162     # Unlock Solution...
    x type --delay 80 "4271"
    shot key
    press Return
    tap $view 307
    tap 60 288      # View > Entire Puzzle
    shot unlocked
    stop_game
}

# shellcheck disable=SC2086 # the list splits into its names
[ $# -gt 0 ] || set -- $scenarios
for scenario in "$@"; do
    "$scenario"
done
