#!/usr/bin/env python3
"""Lists the functions of the game's code longer than a limit (60 lines by default), from the
line of their name to their closing brace: core/, display/, library/, shell/ and print/. With
--check, exits 1 when there is one.

Usage: scripts/long_functions.py [--check] [--limit N] [source-root]
"""
import os
import re
import sys

FOLDERS = ["core", "display", "library", "shell", "print"]
# A definition starts on a line at column 0 that names a function and does not end in ";".
START = re.compile(r"^(?!\s)(?!(?:namespace|struct|class|enum|union|extern|template|#|//))"
                   r"[^;]*\b(\w+)\s*\([^;]*$")


def functions(lines):
    """(name, first line, last line) of each function defined at the top level of a file."""
    found = []
    i = 0
    while i < len(lines):
        match = START.match(lines[i])
        if not match:
            i += 1
            continue
        # The body opens on this line or the next few (wrapped parameter lists).
        j = i
        while j < len(lines) and "{" not in lines[j] and not lines[j].rstrip().endswith(";"):
            j += 1
        if j >= len(lines) or lines[j].rstrip().endswith(";"):
            i += 1
            continue
        depth = 0
        k = j
        while k < len(lines):
            code = lines[k].split("//", 1)[0]
            depth += code.count("{") - code.count("}")
            if depth <= 0 and "}" in code:
                break
            k += 1
        found.append((match.group(1), i + 1, k + 1))
        i = k + 1
    return found


def main():
    args = sys.argv[1:]
    check = "--check" in args
    limit = 60
    if "--limit" in args:
        limit = int(args[args.index("--limit") + 1])
    rest = [a for a in args if not a.startswith("--") and not a.isdigit()]
    root = rest[0] if rest else os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")
    long = 0
    for folder in FOLDERS:
        for dirpath, _, names in sorted(os.walk(os.path.join(root, folder))):
            for name in sorted(names):
                if not name.endswith(".cpp"):
                    continue
                path = os.path.join(dirpath, name)
                with open(path, encoding="utf-8", errors="replace") as f:
                    lines = f.read().splitlines()
                for function, first, last in functions(lines):
                    if last - first + 1 > limit:
                        long += 1
                        print("%s:%d: %s, %d lines" % (os.path.relpath(path, root), first,
                                                        function, last - first + 1))
    print("functions over %d lines: %d" % (limit, long))
    return 1 if check and long else 0


if __name__ == "__main__":
    sys.exit(main())
