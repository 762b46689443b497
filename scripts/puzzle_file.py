#!/usr/bin/env python3
# Writes a 7 x 7 .puz file for the screenshot scripts: puzzle_file.py FILE [feature ...], with
# circles ("circles"), a rebus "STAR" at row 1, column 1 ("rebus"), notes ("notes"), a
# solution locked with the key 4271 ("locked"; 3950 matches its checksum too), a first clue
# that names other entries ("crossref"), a timer of 7:05 already spent ("timer"), digits and
# symbols in the first row's solution ("symbols"), an author and copyright that run over
# several lines ("longheader"), thirty lines of notes ended with CR LF ("crlfnotes"), a
# first clue far longer than the clue bar can show ("longclue"), or its black squares hidden
# for the player to place ("diagramless").
import struct, sys
path, features = sys.argv[1], set(sys.argv[2:])
rows = ["HEARTHS", "ASTERNA", "ROT.RIP", "BREADTH", "ORB.OAR", "REALTOR", "SEETHES"]
if "symbols" in features:
    rows[0] = "H3@RT#S"
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
if "crossref" in features:
    clues[0] = "With 12-Across and 4-Down, a cosy fire"
if "longclue" in features:
    clues[0] = ("Warm places by the fire where the family gathers on a winter evening, the kettle "
                "singing, the cat asleep on the rug, the grandfather telling once again the long "
                "story of the year the river froze so hard that the whole village walked across "
                "it to the market on the far bank, carrying baskets of apples, cheeses and bread, "
                "and came home at dusk by the light of lanterns, singing all the way")
shown = lock(sol, 4271) if "locked" in features else sol
header = bytearray(0x34)
header[2:14] = b"ACROSS&DOWN\0"
header[0x18:0x1B] = b"1.3"
if "locked" in features:
    header[0x1E:0x20] = struct.pack("<H", cksum(columns(sol).encode()))
    header[0x32] = 4
header[0x2C], header[0x2D] = w, h
header[0x2E:0x30] = struct.pack("<H", len(clues))
header[0x30:0x32] = struct.pack("<H", 0x0401 if "diagramless" in features else 1)
header[0x0E:0x10] = struct.pack("<H", cksum(header[0x2C:0x34]))
body = shown.encode() + "".join("." if ch == "." else "-" for ch in sol).encode()
author, notice = "Crossword", "(c) 2026"
if "longheader" in features:
    author = "Edited by a constructor whose byline runs on past the end of one line"
    notice = "Copyright 2026 by a syndicate whose notice goes on and on, down to its end"
strings = ["Beyond letters", author, notice] + clues
notes = ""
if "notes" in features:
    notes = ("NOTE: The circled squares, read in order, spell a word the theme needs. "
             "Enter several letters in one square with Insert or the hold menu's Rebus...")
if "crlfnotes" in features:
    notes = "".join("Line %d of the notes, ended CR LF.\r\n" % k for k in range(1, 31)) + "The end."
strings.append(notes)
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
if "timer" in features:
    body += section(b"LTIM", b"425,0")
open(path, "wb").write(bytes(header) + body)
