#!/usr/bin/env python3
"""Reads the flat OpenDocument spreadsheets (.fods) that LibreOffice Calc made of Haulmetry's
xlsx and CSV files and checks what Calc took each cell for: numbers as numbers of the same
value, identifications and paths as the texts they are (never a number, date or formula),
saved times as dates, and that Calc showed the numbers by a locale with a decimal comma.

usage: calc_cells.py export|export-csv EXPORT.fods EXPORT.json
       calc_cells.py table|csv TABLE.fods TABLE.json IDENTS.json
       calc_cells.py list LIST.fods LIST.json
EXPORT.json, TABLE.json and LIST.json are the JSON outputs of the same data; IDENTS.json maps each path
to the identification as a cell shows it. `export-csv`, `csv`: the fods is Calc's import of
the CSV, whose texts that look like a formula start with an apostrophe. Prints one line per fault and exits 1 when there is
any.
"""
import json
import re
import sys
import xml.etree.ElementTree as ET

NS = {
    "table": "urn:oasis:names:tc:opendocument:xmlns:table:1.0",
    "office": "urn:oasis:names:tc:opendocument:xmlns:office:1.0",
    "text": "urn:oasis:names:tc:opendocument:xmlns:text:1.0",
}
faults = []
decimal_comma_seen = []


def check(ok, what):
    if not ok:
        faults.append(what)


def q(prefix, name):
    return "{%s}%s" % (NS[prefix], name)


def shown_text(cell):
    """The text Calc shows in a cell: its paragraphs, with text:s blanks and tabs."""
    lines = []
    for p in cell.findall("text:p", NS):
        parts = []

        def walk(node):
            parts.append(node.text or "")
            for child in node:
                if child.tag == q("text", "s"):
                    parts.append(" " * int(child.get(q("text", "c"), "1")))
                elif child.tag == q("text", "tab"):
                    parts.append("\t")
                elif child.tag == q("text", "line-break"):
                    parts.append("\n")
                else:
                    walk(child)
                parts.append(child.tail or "")

        walk(p)
        lines.append("".join(parts))
    return "\n".join(lines)


class Cell:
    def __init__(self, element):
        self.type = element.get(q("office", "value-type"))  # None: empty
        self.formula = element.get(q("table", "formula"))
        self.text = shown_text(element)
        if self.type in ("float", "percentage", "currency"):
            self.value = float(element.get(q("office", "value")))
        elif self.type == "date":
            self.value = element.get(q("office", "date-value"))
        elif self.type == "boolean":
            self.value = element.get(q("office", "boolean-value"))
        else:
            self.value = self.text if self.type else None


def sheets(path):
    """{sheet name: [[Cell, ...], ...]}, repeated rows and columns spelled out (up to the last
    cell that holds anything)."""
    out = {}
    for table in ET.parse(path).getroot().iter(q("table", "table")):
        rows = []
        for row in table.iter(q("table", "table-row")):
            cells = []
            for c in row:
                if c.tag not in (q("table", "table-cell"), q("table", "covered-table-cell")):
                    continue
                repeat = int(c.get(q("table", "number-columns-repeated"), "1"))
                cells += [Cell(c)] * min(repeat, 64)
            while cells and cells[-1].type is None:
                cells.pop()
            repeat = int(row.get(q("table", "number-rows-repeated"), "1"))
            rows += [cells] * (min(repeat, 64) if cells else 1)
        while rows and not rows[-1]:
            rows.pop()
        out[table.get(q("table", "name"))] = rows
    return out


def number(cell, expected, where):
    if cell is None:
        faults.append("%s: no cell, expected the number %r" % (where, expected))
        return
    check(cell.type == "float" and cell.formula is None and abs(cell.value - expected) < 1e-9,
          "%s: %s %r (shown %r), expected the number %r"
          % (where, cell.type, cell.value, cell.text, expected))
    if cell.type == "float" and cell.value != int(cell.value):
        decimal_comma_seen.append("," in cell.text and "." not in cell.text)


def text(cell, expected, where):
    check(cell.type == "string" and cell.formula is None and cell.value == expected,
          "%s: %s %r, expected the text %r" % (where, cell.type, cell.value, expected))


def date(cell, iso, where):
    check(cell.type == "date" and cell.value.startswith(iso),
          "%s: %s %r, expected the date %s" % (where, cell.type, cell.value, iso))


def by_header(rows, header_row):
    names = [c.value for c in rows[header_row]]
    return [dict(zip(names, r)) for r in rows[header_row + 1:]]


def check_export(book, data):
    figures = {r[0].value: r[2] for r in book["Figures"][1:] if r}
    text(figures["vehicleIdent"], data["vehicleIdent"], "Figures vehicleIdent")
    date(figures["savedAt"], data["savedAt"], "Figures savedAt")
    for key, value in list(data["summary"].items()) + list(data["figures"].items()):
        number(figures.get(key), value, "Figures " + key)
    for graph in data["graphs"]:
        rows = by_header(book["Graph %d" % graph["number"]], 1)
        check(len(rows) == len(graph["bars"]), "Graph %d: %d rows" % (graph["number"], len(rows)))
        for row, bar in zip(rows, graph["bars"]):
            where = "Graph %d bar %d" % (graph["number"], bar["index"])
            number(row["value"], bar["value"], where)
            text(row["label"], bar["label"], where + " label")
    rows = by_header(book["Records"], 0)
    for row, record in zip(rows, data["stabilityRecords"]):
        for key in ("stabilitySensorOutput", "odometer", "voltage"):
            column = next(k for k in row if k.split(" ")[0] == key)
            number(row[column], record[key], "record %d %s" % (record["number"], key))
    rows = by_header(book.get("Findings", [[]]), 0)
    check(len(rows) == len(data["findings"]), "%d findings" % len(rows))
    for row, finding in zip(rows, data["findings"]):
        text(row["text"], finding["text"], "finding text")
        number(row["measured"], finding["measured"], "finding measured")


def check_export_csv(book, data):
    rows = by_header(book[next(iter(book))], 0)
    bars = {(b["number"], bar["index"]): bar for b in data["graphs"] for bar in b["bars"]}
    seen = 0
    for row in rows:
        kind = row["kind"].value
        if kind == "identification" and row["name"].value == "vehicleIdent":
            text(row["value"], csv_guarded(data["vehicleIdent"]), "vehicleIdent")
        elif kind == "identification" and row["name"].value == "savedAt":
            date(row["value"], data["savedAt"], "savedAt")
        elif kind == "bar":
            bar = bars[(int(row["graph"].value), int(row["index"].value))]
            number(row["value"], bar["value"], "bar %s/%s" % (row["graph"].value, bar["index"]))
            seen += 1
        elif kind == "figure":
            number(row["value"], data["figures"][row["name"].value], row["name"].value)
    check(seen == len(bars), "%d of %d bars" % (seen, len(bars)))


def check_list(book, data):
    """Every member of every trailer: text as text, the visit a date, numbers numbers."""
    rows = by_header(book["Trailers"], 0)
    check(len(rows) == len(data["trailers"]), "%d trailers" % len(rows))
    for row, trailer in zip(rows, data["trailers"]):
        for key, value in trailer.items():
            cell, where = row.get(key), "trailer %r %s" % (trailer["ident"][:12], key)
            if value is None or value == "":
                check(cell is None or cell.type is None,
                      "%s: %r, expected none" % (where, getattr(cell, "value", None)))
            elif key == "last_visit":
                date(cell, value, where)
            elif isinstance(value, str):  # a cell shows what JSON may hold of U+FFFE
                text(cell, value.replace("\ufffe", "\\xEF\\xBF\\xBE"), where)
            else:
                number(cell, value, where)


def csv_guarded(shown):
    """The CSV field of a text that a cell shows as `shown`: an apostrophe before a formula."""
    return "'" + shown if re.match(r"^( |\\x[0-9A-F]{2})*[-=+@]", shown) else shown


def check_table(book, data, idents, guard):
    rows = book[next(iter(book))]
    shown = {row[0].value: row for row in rows[1:]}
    for f in data["files"]:
        row = shown.get(guard(f["path"]))
        if row is None:
            faults.append("no row for %r; rows %r" % (f["path"], list(shown)[:3]))
            continue
        where = f["path"][-12:]
        text(row[0], guard(f["path"]), where + " path")
        text(row[1], guard(idents[f["path"]]), where + " identification")
        date(row[2], f["savedAt"], where + " savedAt")
        number(row[3], f["distanceKm"], where + " distanceKm")
    check(len(data["files"]) == len(idents), "%d files in the JSON" % len(data["files"]))


def main():
    kind, path, data = sys.argv[1], sys.argv[2], json.load(open(sys.argv[3]))
    book = sheets(path)
    if kind == "list":
        check_list(book, data)
    elif kind.startswith("export"):
        (check_export if kind == "export" else check_export_csv)(book, data)
        check(decimal_comma_seen and all(decimal_comma_seen),
              "numbers with decimals not shown with a decimal comma: not a German locale?")
    else:
        guard = csv_guarded if kind == "csv" else (lambda t: t)
        check_table(book, data, json.load(open(sys.argv[4])), guard)
    for fault in faults:
        print("FAIL:", fault)
    sys.exit(1 if faults else 0)


main()
