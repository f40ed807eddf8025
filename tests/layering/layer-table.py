#!/usr/bin/env python3
"""Checks that every layer sees exactly the folders the layer table of README.md grants it.

usage: layer-table.py README.md compile_commands.json [--no-qt]

What a layer's sources see is read from the compiler's command lines: each layer has its own
include root <build>/layers/<target>, so the -I options of a source name the layers it can include
from. For every layer of the table, the folders behind those options (its own aside) must equal
the "May use" column: a missing one means the table grants what the build refuses, an extra one
that a link line (or a PUBLIC dependency of a used layer) lets through what the table forbids.
A program named in a row ("main.cpp: haulmetry-ecusim") may see no folder outside that row.
With --no-qt (a build without the window) the rows marked "Qt:" are left out.
"""
import json
import re
import sys

ROW = re.compile(r"^\|(?P<folders>[^|]*)\((?P<targets>hm_[^)]*)\)\s*\|(?P<uses>[^|]*)\|\s*$")


def read_table(readme, with_qt):
    """Maps each layer target, and each program named in a row ("main.cpp: haulmetry"), to (its
    folder, the set of folders it may use); a program's main.cpp belongs to the row's folder."""
    table = {}
    text = open(readme, encoding="utf-8").read()
    section = text.split("## How it fits together", 1)[1]
    for line in section.splitlines():
        match = ROW.match(line)
        if not match or (not with_qt and match["folders"].strip().startswith("Qt:")):
            continue
        folders = re.findall(r"`([^`]+)/`", match["folders"])
        targets = [t.split(";")[0].strip() for t in match["targets"].split(",")]
        programs = re.findall(r"main\.cpp: ([\w-]+)", match["targets"])
        uses = match["uses"].strip()
        granted = set() if uses == "nothing" else {u.strip() for u in uses.split(",")}
        if len(folders) != len(targets):
            sys.exit(f"cannot read the table row: {line}")
        for folder, target in zip(folders, targets):
            table[target] = (folder, granted)
        for program in programs:
            table[program] = (folders[0], granted)
    return table


def seen_layers(compile_commands, table):
    """Maps each layer target and program to the set of layer targets its sources' -I options
    name."""
    seen = {}
    for entry in json.load(open(compile_commands, encoding="utf-8")):
        command = entry.get("command") or " ".join(entry["arguments"])
        owner = re.search(r"CMakeFiles/([\w-]+)\.dir/", command)
        if not owner or not entry["file"].endswith(".cpp"):
            continue
        roots = set(re.findall(r"-I\S*/layers/(hm_\w+)(?:\s|$)", command))
        # Only a layer has an include root of its own (tests and probes borrow the layers'); a
        # program of the table is checked as part of its row.
        if owner[1] in roots or (owner[1] in table and not owner[1].startswith("hm_")):
            seen.setdefault(owner[1], set()).update(roots)
    return seen


def main():
    table = read_table(sys.argv[1], "--no-qt" not in sys.argv[3:])
    seen = seen_layers(sys.argv[2], table)
    folder_of = {t: folder for t, (folder, _) in table.items() if t.startswith("hm_")}
    faults = []
    for target in sorted(seen):
        if target not in table:
            faults.append(f"{target}: built as a layer but has no row in the layer table")
            continue
        folder, granted = table[target]
        unknown = sorted(seen[target] - folder_of.keys())
        visible = {folder_of[t] for t in seen[target] if t in folder_of} - {folder}
        for extra in sorted(visible - granted):
            faults.append(f"{target} ({folder}/) sees {extra}/, which the table does not grant")
        # A program sees only what its layer exports, so it need not see the whole row.
        for missing in sorted(granted - visible) if target.startswith("hm_") else []:
            faults.append(f"{target} ({folder}/) may use {missing}/ but does not see it")
        faults += [f"{target} sees {u}, which is not in the table" for u in unknown]
    for target in sorted(table.keys() - seen.keys()):
        faults.append(f"{target}: in the layer table but no source of it was compiled")
    print("\n".join(faults) if faults else f"{len(seen)} layers and programs match the table")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
