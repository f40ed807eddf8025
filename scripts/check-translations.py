#!/usr/bin/env python3
"""Checks the translations: scripts/check-translations.py SOURCE_DIR [LUPDATE]

- every translations/haulmetry_*.ts is complete: each message finished, none vanished or
  obsolete, and (with LUPDATE) every text of the sources present, none left over;
- each translation keeps the placeholders of its source (%1, %L2, %d, %s, %ld, %.2f ...) in
  number and order, and a text the program fills at a fixed position (PLACED) has the placeholder
  for that value;
- no translation keeps an English unit (kph, Km) that its readers write otherwise (km/h, km);
- the accelerators (&X) of a menu or dialog stay unique in every language, and a text with an
  accelerator keeps one;
- the string table marks each text with its own id, so that no text is looked up as another's.
Prints every problem and exits 1 when there is one.
"""
import glob
import os
import re
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

PLACEHOLDER = re.compile(
    r"%%|%L?\d+|%[-+ #0]*(?:\d+|\*)?(?:\.(?:\d+|\*))?(?:hh|h|ll|l|L|z|j|t)?[diouxXeEfgGcsp]")

# Texts that share one menu or one dialog, so their accelerators must differ. An entry is
# (context, source or string id); a text that is not (yet) translated counts with its English.
GROUPS = {
    "main window context menu": [("hm::str", "101"), ("hm::CHaulDlg", "Search for ECU"),
                                 ("hm::CHaulDlg", "Link &Trace..."),
                                 ("hm::CHaulDlg", "&Library...")],
    "preview menu bar": [("hm::CMainFrame", "&File"), ("hm::CMainFrame", "&View")],
    "preview File menu": [("hm::CMainFrame", "&Print...\tCtrl+P"),
                          ("hm::ReportMenu", "Save &Report as PDF..."),
                          ("hm::ReportMenu", "Print &All Pages..."),
                          ("hm::CMainFrame", "&Close\tCtrl+W")],
    "preview View menu": [("hm::CMainFrame", "Zoom &In\tCtrl++"),
                          ("hm::CMainFrame", "Zoom &Out\tCtrl+-"),
                          ("hm::CMainFrame", "Fit &Width\tCtrl+0")],
    "link trace buttons": [("hm::LinkTraceView", "&Save..."), ("hm::LinkTraceView", "&Clear")],
    "library window": [("hm::LibraryWindow", "&Filter:"),
                       ("hm::LibraryWindow", "&History of %1 (downloads: %2)"),
                       ("hm::LibraryWindow", "&Export..."), ("hm::DiffView", "&Graph:"),
                       ("hm::DetailsForm", "&Plate:"), ("hm::DetailsForm", "Fleet &number:"),
                       ("hm::DetailsForm", "&Customer:"), ("hm::DetailsForm", "N&otes:"),
                       ("hm::DetailsForm", "&Save details")],
}


# Texts whose English form has no placeholder because the program puts a value in at a fixed
# character position, which fits only the English word: a translation marks the place with these
# placeholders instead. (The save question, string 228 "Save   ?", gets the file name.)
PLACED = {("hm::str", "228"): ["%1"]}


# Units that the English texts write in the trade's English and every translation writes as its
# readers do: (pattern, what to write instead).
ENGLISH_UNITS = [(re.compile(r"\b[Kk]ph\b"), "km/h"), (re.compile(r"\bKm\b"), "km")]


def placeholders(text):
    return [p for p in PLACEHOLDER.findall(text or "") if p != "%%"]


def accelerator(text):
    m = re.search(r"&([^&\s])", (text or "").replace("&&", ""))
    return m.group(1).lower() if m else None


def messages(path):
    """{(context, key): (source, translation, type)}; key is the id for the string table."""
    out = {}
    for ctx in ET.parse(path).getroot().iter("context"):
        name = ctx.findtext("name")
        for m in ctx.iter("message"):
            source = m.findtext("source") or ""
            comment = m.findtext("comment")
            t = m.find("translation")
            key = comment if name == "hm::str" and comment else source
            out[(name, key)] = (source, t.text if t is not None else None,
                                t.get("type") if t is not None else "missing")
    return out


def check_file(path, expected, problems):
    lang = os.path.basename(path)
    msgs = messages(path)
    for (ctx, key), (source, text, kind) in sorted(msgs.items()):
        where = f"{lang}: {ctx} '{key}'"
        if kind is not None:
            problems.append(f"{where}: translation is {kind}")
            continue
        if not text:
            problems.append(f"{where}: empty translation")
            continue
        wanted = PLACED.get((ctx, key), placeholders(source))
        if wanted != placeholders(text):
            problems.append(f"{where}: placeholders {wanted} became "
                            f"{placeholders(text)}")
        for unit, instead in ENGLISH_UNITS:
            if unit.search(text):
                problems.append(f"{where}: '{unit.search(text).group(0)}' left in English; "
                                f"write {instead}")
        if accelerator(source) and not accelerator(text):
            problems.append(f"{where}: the accelerator of '{source}' is lost")
    if expected is not None:
        for k in sorted(expected - msgs.keys()):
            problems.append(f"{lang}: {k[0]} '{k[1]}' of the sources is missing")
        for k in sorted(msgs.keys() - expected):
            problems.append(f"{lang}: {k[0]} '{k[1]}' is in no source any more")
    for group, members in GROUPS.items():
        seen = {}
        for ctx, key in members:
            source, text, kind = msgs.get((ctx, key), (key, key, None))
            letter = accelerator(text if kind is None and text else source)
            if letter in seen:
                problems.append(f"{lang}: {group}: '{text}' and '{seen[letter]}' share &{letter}")
            elif letter:
                seen[letter] = text


def source_messages(source_dir, lupdate):
    """The messages lupdate finds in the sources now."""
    dirs = ["app", "dialogs", "graphs", "histogram", "mainwindow", "print", "report", "resources",
            "widgets", "fleetdata", "ecu", "platform", "session", "library", "librarywindow",
            "figures", "printing"]
    with tempfile.TemporaryDirectory() as tmp:
        ts = os.path.join(tmp, "all.ts")
        subprocess.run([lupdate, "-silent", "-locations", "none", "-extensions", "cpp,h", "-I",
                        source_dir] + [os.path.join(source_dir, d) for d in dirs] + ["-ts", ts],
                       check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        return set(messages(ts).keys())


def check_table_ids(source_dir, problems):
    text = open(os.path.join(source_dir, "resources", "Strings.cpp"), encoding="utf-8").read()
    entries = re.findall(r'\{(\d+),\s*QT_TRANSLATE_NOOP3\("hm::str",.*?"(\d+)"\)\}', text, re.S)
    if not entries:
        problems.append("resources/Strings.cpp: no marked table entries found")
    for number, marked in entries:
        if number != marked:
            problems.append(f"resources/Strings.cpp: entry {number} is marked as {marked}")


def main():
    source_dir = sys.argv[1]
    lupdate = sys.argv[2] if len(sys.argv) > 2 else None
    problems = []
    files = sorted(glob.glob(os.path.join(source_dir, "translations", "haulmetry_*.ts")))
    if not files:
        problems.append("no translations/haulmetry_*.ts")
    expected = source_messages(source_dir, lupdate) if lupdate else None
    for path in files:
        check_file(path, expected, problems)
    check_table_ids(source_dir, problems)
    for p in problems:
        print(p)
    print(f"{len(files)} translation(s), {len(problems)} problem(s)")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
