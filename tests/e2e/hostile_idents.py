#!/usr/bin/env python3
"""Checks every output that names a trailer, made of data files whose identifications hold every
kind of byte (ident_datafiles.py): text, CSV, JSON and the report's PDF text are valid UTF-8 and
hold no raw control character (only the line ends of their format), CSV rows keep their column
count and quote a formula, JSON parses to the identification read as UTF-8 or Latin-1, and an
xlsx cell shows the identification as the text it is.

usage: hostile_idents.py OUT_FOLDER IDENTS.json
OUT_FOLDER holds, per data file idNN.asc: idNN.export.{csv,json,xlsx}, idNN.findings.json,
idNN.report.txt; and table.{csv,json}, list.{txt,csv,json}, findings.{txt,json}. Prints one line per fault and exits
1 when there is any.
"""
import csv
import io
import json
import os
import re
import sys

import openpyxl

faults = []
# C0 but tab, line feed, carriage return and form feed; DEL; C1; the bidirectional controls.
RAW_CONTROL = re.compile("[\x00-\x08\x0b\x0e-\x1f\x7f-\x9f\u200e\u200f\u202a-\u202e\u2066-\u2069]")


def check(ok, what):
    if not ok:
        faults.append(what)


def read_text(path):
    raw = open(path, "rb").read()
    try:
        text = raw.decode("utf-8")
    except UnicodeDecodeError as e:
        faults.append("%s: not UTF-8 (%s)" % (path, e))
        return raw.decode("utf-8", "replace")
    found = RAW_CONTROL.search(text)
    check(found is None, "%s: raw control %r" % (path, found and found.group()))
    check("\r" not in text.replace("\r\n", ""), "%s: a carriage return inside a line" % path)
    return text


def as_read(raw):
    """The identification bytes as the exports read them: UTF-8 when valid, else Latin-1."""
    try:
        return raw.decode("utf-8")
    except UnicodeDecodeError:
        return raw.decode("latin-1")


def guarded(shown):
    return "'" + shown if re.match(r"^( |\\x[0-9A-F]{2})*[-=+@]", shown) else shown


def csv_rows(path):
    rows = list(csv.reader(io.StringIO(read_text(path), newline="")))
    check(len({len(r) for r in rows}) == 1, "%s: rows of %s columns" % (path, {len(r) for r in rows}))
    return rows


def check_one(out, name, raw, shown):
    base = os.path.join(out, name)
    data = json.loads(read_text(base + ".export.json"))
    check(data["vehicleIdent"] == as_read(raw), "%s JSON: %r" % (name, data["vehicleIdent"]))
    findings = json.loads(read_text(base + ".findings.json"))
    check(findings["vehicleIdent"] == as_read(raw), "%s findings JSON" % name)
    rows = csv_rows(base + ".export.csv")
    ident = [r for r in rows if r[0] == "identification" and r[3] == "vehicleIdent"]
    check([r[8] for r in ident] == [guarded(shown)], "%s CSV: %r" % (name, ident))
    sheet = openpyxl.load_workbook(base + ".export.xlsx")["Figures"]
    cell = next(r[2] for r in sheet.iter_rows(min_row=2) if r[0].value == "vehicleIdent")
    check(cell.data_type == "s" and cell.value == shown, "%s xlsx: %r" % (name, cell.value))
    read_text(base + ".report.txt")


def main():
    out, idents = sys.argv[1], json.load(open(sys.argv[2]))
    for path, shown in idents.items():
        raw = open(path, "rb").read()[8:28].rstrip(b"\0")
        check_one(out, os.path.basename(path)[:-4][:40], raw, shown)
    table = csv_rows(os.path.join(out, "table.csv"))
    check(sorted(r[1] for r in table[1:]) == sorted(guarded(s) for s in idents.values()),
          "table CSV identifications")
    check(len(json.loads(read_text(os.path.join(out, "table.json")))["files"]) == len(idents),
          "table JSON")
    listed = csv_rows(os.path.join(out, "list.csv"))
    check(len(listed) == len(idents) + 1, "library list CSV: %d rows" % len(listed))
    check(len(json.loads(read_text(os.path.join(out, "list.json")))["trailers"]) == len(idents),
          "library list JSON")
    lines = read_text(os.path.join(out, "list.txt")).splitlines()
    check(len(lines) == len(idents) + 1, "library list text: %d lines" % len(lines))
    trailers = json.loads(read_text(os.path.join(out, "findings.json")))["trailers"]
    # JSON may hold the noncharacters that a cell cannot.
    in_json = [s.replace("\\xEF\\xBF\\xBE", "\ufffe") for s in idents.values()]
    check(sorted(t["ident"] for t in trailers) == sorted(in_json),
          "library findings JSON: %r" % [t["ident"] for t in trailers])
    read_text(os.path.join(out, "findings.txt"))
    for fault in faults:
        print("FAIL:", fault)
    sys.exit(1 if faults else 0)


main()
