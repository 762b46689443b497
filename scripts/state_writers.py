#!/usr/bin/env python3
"""Lists who writes each state record of the game: for gGame, gDisplay, gShell and gInstaller,
every folder and file of product code that assigns one of its fields (=, +=, ++, --, a memset
or memcpy into it, or its address handed to a call), with the fields. With --check, exits 1
when a record is written outside the layer that owns it.

Usage: scripts/state_writers.py [--check] [source-root]
"""
import os
import re
import sys

RECORDS = {"gGame": "core", "gDisplay": "display", "gShell": "shell", "gInstaller": "packinstaller"}
FOLDERS = ["core", "display", "library", "shell", "packinstaller", "print"]

FIELD = r"(?:\.|->)([A-Za-z_]\w*)"


def writes(text, record):
    """(field, line) for every write to a field of `record` in `text`, also through a reference
    the file names for it (`GameState& g = gGame;`)."""
    found = []
    for alias in set(re.findall(r"&\s*(\w+)\s*=\s*%s\s*;" % record, text)):
        text = re.sub(r"\b%s\." % alias, record + ".", text)
    patterns = [
        # gGame.a.b[i] = ..., +=, -=, |=, &=  (not ==)
        re.compile(r"\b%s%s(?:\[[^\]]*\]|\.\w+|->\w+)*\s*(?:[-+*/|&^%%]|<<|>>)?=(?!=)"
                   % (record, FIELD)),
        re.compile(r"(?:\+\+|--)\s*%s%s" % (record, FIELD)),
        re.compile(r"\b%s%s(?:\[[^\]]*\])*\s*(?:\+\+|--)" % (record, FIELD)),
        re.compile(r"\b(?:memset|memcpy|memmove|lstrcpynW|lstrcpyW|lstrcatW|strcpy)\s*\(\s*&?%s%s"
                   % (record, FIELD)),
        re.compile(r"&%s%s" % (record, FIELD)),
    ]
    for number, line in enumerate(text.splitlines(), 1):
        code = line.split("//", 1)[0]
        for pattern in patterns:
            for match in pattern.finditer(code):
                found.append((match.group(1), number))
    return found


def main():
    args = [a for a in sys.argv[1:] if a != "--check"]
    check = "--check" in sys.argv[1:]
    root = args[0] if args else os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")
    strays = 0
    for record, owner in RECORDS.items():
        print("%s (owned by %s/)" % (record, owner))
        for folder in FOLDERS:
            base = os.path.join(root, folder)
            if not os.path.isdir(base):
                continue
            for dirpath, _, files in sorted(os.walk(base)):
                for name in sorted(files):
                    if not name.endswith((".cpp", ".h")):
                        continue
                    path = os.path.join(dirpath, name)
                    with open(path, encoding="utf-8", errors="replace") as f:
                        found = writes(f.read(), record)
                    if not found:
                        continue
                    fields = sorted({field for field, _ in found})
                    stray = folder != owner
                    strays += stray
                    print("  %s%s: %s" % (os.path.relpath(path, root), "  <- other layer" if stray
                                          else "", ", ".join(fields)))
    print("files writing another layer's record: %d" % strays)
    return 1 if check and strays else 0


if __name__ == "__main__":
    sys.exit(main())
