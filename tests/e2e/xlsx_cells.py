#!/usr/bin/env python3
"""Reads the spreadsheets of `haulmetry export|table|library list --format xlsx` with openpyxl
and checks their cells' types and values against the data given.

usage: xlsx_cells.py export FILE.xlsx IDENT_SHOWN EXPORT.json
       xlsx_cells.py table FILE.xlsx IDENTS.json
       xlsx_cells.py list FILE.xlsx IDENTS.json
IDENTS.json maps each path (table) or nothing (list) to the identification as a cell shows it;
EXPORT.json is `export --format json` of the same file, whose figures and findings the sheets
must hold.
Prints one line per fault and exits 1 when there is any.
"""
import datetime
import json
import sys

import openpyxl

faults = []


def check(ok, what):
    if not ok:
        faults.append(what)


def header_frozen(sheet, rows_above):
    check(sheet.freeze_panes == "A%d" % (rows_above + 1),
          "%s: frozen at %s, not below row %d" % (sheet.title, sheet.freeze_panes, rows_above))


def is_number(cell):
    return cell.data_type == "n" and isinstance(cell.value, (int, float)) \
        and not isinstance(cell.value, bool)


def text_cell(cell, expected, where):
    # "s": a string cell (shared or inline), never "f" (a formula).
    check(cell.data_type in ("s", "inlineStr") and cell.value == expected,
          "%s: %r (%s), expected the text %r" % (where, cell.value, cell.data_type, expected))


def date_cell(cell, where):
    check(cell.is_date and isinstance(cell.value, datetime.datetime),
          "%s: %r is not a date" % (where, cell.value))


def check_figures_and_findings(book, rows, data):
    for key, value in data["figures"].items():
        check(key in rows and is_number(rows[key][2]) and rows[key][2].value == value,
              "Figures %s: %r, JSON %r" % (key, key in rows and rows[key][2].value, value))
    sheet = book["Findings"]
    header_frozen(sheet, 1)
    columns = [c.value for c in sheet[1]]
    found = [dict(zip(columns, (c.value for c in row))) for row in sheet.iter_rows(min_row=2)]
    check(len(found) == len(data["findings"]) > 0,
          "%d findings, JSON %d" % (len(found), len(data["findings"])))
    for got, want in zip(found, data["findings"]):
        for key in ("severity", "message", "scope", "text", "figure", "value", "measure",
                    "measured", "threshold", "rule"):
            check(got[key] == want.get(key), "finding %s %s: %r, JSON %r"
                  % (got["number"], key, got[key], want.get(key)))


def check_export(path, ident, data):
    book = openpyxl.load_workbook(path)
    names = ["Figures"] + ["Graph %d" % g for g in range(1, 11)] + ["Records", "Findings"]
    check(book.sheetnames == names, "sheets %s" % book.sheetnames)
    figures = book["Figures"]
    header_frozen(figures, 1)
    rows = {row[0].value: row for row in figures.iter_rows(min_row=2)}
    text_cell(rows["vehicleIdent"][2], ident, "Figures vehicleIdent")
    date_cell(rows["savedAt"][2], "Figures savedAt")
    for key in ("stabilityRecordCount", "distanceKm", "appsByPressure"):
        check(is_number(rows[key][2]), "Figures %s is not a number" % key)
    decimals = 0
    for g in range(1, 11):
        sheet = book["Graph %d" % g]
        header_frozen(sheet, 2)
        check(str(sheet["A1"].value).startswith("%d. " % g), "Graph %d title %r" % (g, sheet["A1"].value))
        check([c.value for c in sheet[2]][:6] == ["index", "label", "from", "to", "range_unit", "value"],
              "Graph %d header" % g)
        for row in sheet.iter_rows(min_row=3):
            check(is_number(row[5]), "Graph %d bar %s value %r" % (g, row[0].value, row[5].value))
            decimals += isinstance(row[5].value, float) and row[5].value != int(row[5].value)
    check(decimals > 0, "no bar value with decimals")
    records = book["Records"]
    header_frozen(records, 1)
    columns = [c.value for c in records[1]]
    odometer = columns.index("odometer (km)")
    brake = columns.index("brakeApply")
    state = columns.index("isoDemandPressureState")
    for row in records.iter_rows(min_row=2):
        check(is_number(row[odometer]) and isinstance(row[odometer].value, float),
              "record %s odometer %r" % (row[0].value, row[odometer].value))
        check(row[brake].data_type == "b", "record %s brakeApply is no boolean" % row[0].value)
        check(row[state].data_type == "s", "record %s state is no text" % row[0].value)
    check(records.max_row == 4, "Records has %d rows, not 3 and a header" % (records.max_row - 1))
    check_figures_and_findings(book, rows, data)


def check_rows(path, sheet_name, idents, key_column, ident_column, date_column, number_columns):
    book = openpyxl.load_workbook(path)
    check(book.sheetnames == [sheet_name], "sheets %s" % book.sheetnames)
    sheet = book[sheet_name]
    header_frozen(sheet, 1)
    seen = 0
    for row in sheet.iter_rows(min_row=2):
        key = row[key_column].value
        if key not in idents:
            faults.append("%s: unexpected row %r" % (sheet_name, key))
            continue
        seen += 1
        check(row[key_column].data_type == "s", "%s %r is no text cell" % (sheet_name, key))
        text_cell(row[ident_column], idents[key], "%s %r" % (sheet_name, key))
        date_cell(row[date_column], "%s %r date" % (sheet_name, key))
        for c in number_columns:
            check(is_number(row[c]), "%s %r column %d: %r" % (sheet_name, key, c, row[c].value))
    check(seen == len(idents), "%s: %d of %d rows" % (sheet_name, seen, len(idents)))


def main():
    kind, path = sys.argv[1], sys.argv[2]
    if kind == "export":
        check_export(path, sys.argv[3], json.load(open(sys.argv[4])))
    else:
        idents = json.load(open(sys.argv[3]))
        if kind == "table":
            check_rows(path, "Files", idents, 0, 1, 2, range(3, 12))
        else:
            check_rows(path, "Trailers", {v: v for v in idents.values()}, 0, 0, 1, (2, 3, 4, 7))
    for fault in faults:
        print("FAIL:", fault)
    sys.exit(1 if faults else 0)


main()
