#!/usr/bin/env python3
"""Checks that docs/architecture.md names only what exists: every file or folder it gives in
backticks is in the tree, and every function, type or record it names occurs in one of the
files that its paragraph (a list item, a table row) names, or anywhere in the sources when the
paragraph names no file. A map that names a moved function or the wrong file fails here.

Usage: scripts/architecture_check.py [source-root]
"""
import os
import re
import sys

SOURCE_DIRS = ["core", "formats", "display", "library", "shell", "print", "platform", "packinstaller",
               "puzformat", "filewrite", "resources", "tools", "tests", "bench", "fuzz", "scripts"]
SOURCE_EXT = (".cpp", ".h", ".py", ".sh", ".txt")
PATH = re.compile(r"^[\w.\-/]+(\.(cpp|h|py|sh|md|txt|json)|/)$")
NAME = re.compile(r"^(g[A-Z]\w*|[A-Z][a-z]\w*[a-z0-9]\w*)(\.\w+)*$")


def paragraphs(text):
    """Blocks a reader takes as one statement: list items, table rows, plain paragraphs."""
    block = []
    for line in text.splitlines():
        starts = re.match(r"^(\d+\. |- |\|)", line)
        if not line.strip() or starts:
            if block:
                yield " ".join(block)
            block = [line] if line.strip() else []
        else:
            block.append(line)
    if block:
        yield " ".join(block)


def files_under(root, path):
    full = os.path.join(root, path)
    if os.path.isfile(full):
        return [full]
    found = []
    for folder, _, names in os.walk(full):
        found += [os.path.join(folder, n) for n in names if n.endswith(SOURCE_EXT)]
    return found


def resolve(root, span, last_folder):
    """The tree's path for a name the map gives: from the root, a bare file name in the folder
    of the path before it, or else the one file of that name anywhere in the sources."""
    for path in (span, os.path.join(last_folder, span)):
        if os.path.exists(os.path.join(root, path)):
            return path
    if "/" in span:
        return None
    for d in SOURCE_DIRS:
        for folder, _, names in os.walk(os.path.join(root, d)):
            if span in names:
                return os.path.relpath(os.path.join(folder, span), root)
    return None


def read(path, cache={}):
    if path not in cache:
        with open(path, encoding="utf-8", errors="replace") as f:
            cache[path] = f.read()
    return cache[path]


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..")
    text = read(os.path.join(root, "docs", "architecture.md"))
    everywhere = [f for d in SOURCE_DIRS for f in files_under(root, d)]
    faults = []
    last_folder = ""
    for para in paragraphs(text):
        spans = re.findall(r"`([^`]+)`", para)
        named = []
        for span in spans:
            if not PATH.match(span) or "://" in span:
                continue
            path = resolve(root, span, last_folder)
            if not path:
                faults.append("names %s, which is not in the tree" % span)
                continue
            if "/" in span.rstrip("/"):
                last_folder = os.path.dirname(path.rstrip("/"))
            named += files_under(root, path)
        pool = named or everywhere
        for span in spans:
            if not NAME.match(span):
                continue
            word = span.split(".")[0]
            if not any(re.search(r"\b%s\b" % re.escape(word), read(f)) for f in pool):
                where = "the files its paragraph names" if named else "the sources"
                faults.append("names %s, which is not in %s" % (span, where))
    for fault in faults:
        print("docs/architecture.md " + fault)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
