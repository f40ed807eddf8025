#!/usr/bin/env python3
"""Writes copies of a data file whose identifications a spreadsheet or a terminal would
misread (leading zeros, an exponent, a formula, a date shape, blanks, separators, control
characters, bytes that are not UTF-8, U+FFFE) and one copy under a 200-character file name that
starts with "=", then a JSON file mapping each path to the identification as a cell shows it.

usage: ident_datafiles.py BASE.asc OUT_FOLDER   (writes OUT_FOLDER/*.asc and OUT_FOLDER.json)
"""
import json
import os
import sys

base = open(sys.argv[1], "rb").read()
out = sys.argv[2]
os.makedirs(out, exist_ok=True)
# The 20 identification bytes, and the text a cell shows: controls and U+FFFE as \xNN, other
# bytes that are not UTF-8 read as Latin-1.
idents = {
    b"00123": "00123", b"12E5": "12E5", b"=1+1": "=1+1", b"2024-03-01": "2024-03-01",
    b" 007 ": " 007 ", b"a;b,c": "a;b,c", b"+49 -0.37": "+49 -0.37", b"@SUM(A1)": "@SUM(A1)",
    b"-2+3": "-2+3", b"1.63": "1.63", b"A\x1b[2J\xff": "A\\x1B[2J\u00ff",
    b"M\xfcller": "M\u00fcller", b"\xef\xbf\xbeX": "\\xEF\\xBF\\xBEX",
    b"\r=1+\x1b]0;x\x07\x7f": "\\x0D=1+\\x1B]0;x\\x07\\x7F", b'q"t\nu': 'q"t\\x0Au',
}
shown = {}
for n, (raw, cell) in enumerate(idents.items()):
    path = "%s/id%02d.asc" % (out, n)
    open(path, "wb").write(base[:8] + raw.ljust(20, b"\0") + base[28:])
    shown[path] = cell
path = "%s/%s.asc" % (out, "=" + "x" * 195)
open(path, "wb").write(base)
shown[path] = base[8:28].rstrip(b"\0").decode("latin-1")
json.dump(shown, open(out + ".json", "w"), ensure_ascii=False)
