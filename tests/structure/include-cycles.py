#!/usr/bin/env python3
"""Fails when a folder of the tree includes from a folder that includes it back, directly or
through others: the core's folders, the shells' and their support folders must form layers,
so each can be read (and built) knowing only the folders below it."""
import os
import re
import sys

ROOT = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else
                       os.path.join(os.path.dirname(__file__), "..", ".."))
SOURCES = (".h", ".cpp")
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)


def tree_files():
    for top in ("src", "tests", "tools", "bench"):
        for folder, dirs, files in os.walk(os.path.join(ROOT, top)):
            for name in files:
                if name.endswith(SOURCES):
                    yield os.path.relpath(os.path.join(folder, name), ROOT)


def resolve(including, name, every):
    for base in (os.path.dirname(including), "src"):
        path = os.path.normpath(os.path.join(base, name))
        if path in every:
            return path
    # A folder of its own on the include path (relay/x11 for its users): the one file that
    # ends so. Generated files (KeysymTable.inc) are in no folder of the tree.
    found = [f for f in every if f.endswith("/" + name)]
    return found[0] if len(found) == 1 else None


def main():
    every = set(tree_files())
    edges = {}  # folder -> folder -> an example "file includes file"
    for source in sorted(every):
        with open(os.path.join(ROOT, source), encoding="utf-8") as f:
            text = f.read()
        for name in INCLUDE.findall(text):
            target = resolve(source, name, every)
            if target is None:
                continue
            a, b = os.path.dirname(source), os.path.dirname(target)
            if a != b:
                edges.setdefault(a, {}).setdefault(b, f"{source} includes {target}")

    # Strongly connected folders (Tarjan): any group of more than one is a cycle.
    index, low, stack, on_stack, groups = {}, {}, [], set(), []

    def visit(v):
        index[v] = low[v] = len(index)
        stack.append(v)
        on_stack.add(v)
        for w in edges.get(v, {}):
            if w not in index:
                visit(w)
                low[v] = min(low[v], low[w])
            elif w in on_stack:
                low[v] = min(low[v], index[w])
        if low[v] == index[v]:
            group = []
            while True:
                w = stack.pop()
                on_stack.discard(w)
                group.append(w)
                if w == v:
                    break
            if len(group) > 1:
                groups.append(sorted(group))

    for v in sorted(set(edges) | {w for e in edges.values() for w in e}):
        if v not in index:
            visit(v)
    for group in groups:
        print("folders that include each other: " + ", ".join(group))
        for a in group:
            for b, example in sorted(edges.get(a, {}).items()):
                if b in group:
                    print("  " + example)
    return 1 if groups else 0


if __name__ == "__main__":
    sys.exit(main())
