#!/usr/bin/env python3
"""Writes crafted data files for the findings and export checks of findings_cli.sh.

Usage: findings_cli.py FOLDER
Writes overloaded.asc (380 of 9268 km at 100 % load and above), saturated.asc (every counter of
graph 2 at 2^32 - 1), before.asc and after.asc (one trailer, 2000 km apart: 11 more ABS events,
one roll-over event), erased.asc (the same trailer after an erase) and empty.asc (no counts).
"""
import os
import struct
import sys

OFFSETS = {"time": 28, "count": 92, "apps": 284, "slp": 412, "abs": 540, "roll": 668,
           "load": 796, "reservoir": 860}


def image(ident=b"TRAILER1", day=9, **blocks):
    data = bytearray(2484)
    data[0:8] = b"Haulm +\0"
    data[8:8 + len(ident)] = ident
    for name, words in blocks.items():
        for i, w in words.items():
            struct.pack_into("<I", data, OFFSETS[name] + 4 * i, w)
    struct.pack_into("<8H", data, 2464, 2026, 12, 3, day, 4, 5, 6, 0)
    struct.pack_into("<i", data, 2480, 2484)
    return data


def visit(day, intervals, km, abs_total, roll_total, abs_ring=None):
    abs_block = dict(abs_ring or {})
    abs_block.update({30: abs_total >> 16, 31: abs_total & 0xFFFF})
    return image(day=day, apps={29: km}, slp={29: intervals}, abs=abs_block,
                 roll={31: roll_total}, load={5: intervals * 500 + km},
                 reservoir={12: intervals * 500 + km})


def main():
    out = sys.argv[1]
    files = {
        "overloaded.asc": image(apps={29: 268}, slp={29: 18}, load={5: 8888, 11: 380},
                                reservoir={10: 9268}),
        "saturated.asc": image(count={i: 0xFFFFFFFF for i in range(16)}, slp={29: 2},
                               load={5: 1000}, reservoir={10: 1000}),
        "before.asc": visit(1, 10, 0, 100, 0),
        # The 11 ABS events: 10 in intervals 10 to 13 (ring slots), 1 in the current one.
        "after.asc": visit(2, 14, 0, 111, 1, {10: 2, 11: 3, 12: 4, 13: 1, 28: 1}),
        "erased.asc": visit(3, 0, 400, 1, 0),
        "empty.asc": image(),
    }
    for name, data in files.items():
        with open(os.path.join(out, name), "wb") as f:
            f.write(data)


main()
