#!/usr/bin/env python3
"""Checks that a PDF is the PDF/A-1b the program writes: the XMP metadata declares part 1,
conformance B, and holds the title (and, when given, the author and keywords); the catalogue has
an OutputIntent of PDF/A; every font is embedded (pdffonts); and `qpdf --check` passes.

usage: pdfa_check.py FILE.pdf [--author NAME] [--keyword WORD]...  (exit 1 with the reasons)
"""
import argparse
import html
import re
import subprocess
import sys
import tempfile


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("pdf")
    parser.add_argument("--author")
    parser.add_argument("--keyword", action="append", default=[])
    args = parser.parse_args()
    bad = []
    check = subprocess.run(["qpdf", "--check", args.pdf], capture_output=True, text=True)
    if check.returncode != 0:
        bad.append("qpdf --check: " + (check.stdout + check.stderr).strip()[-300:])
    fonts = subprocess.run(["pdffonts", args.pdf], capture_output=True, text=True,
                           check=True).stdout.splitlines()[2:]
    if not fonts:
        bad.append("no fonts listed")
    for line in fonts:
        # name type... encoding emb sub uni object-id: the fourth column from the end is emb.
        if line.split()[-5] != "yes":
            bad.append("font not embedded: " + line)
    with tempfile.NamedTemporaryFile(suffix=".pdf") as qdf:
        subprocess.run(["qpdf", "--qdf", "--object-streams=disable", args.pdf, qdf.name],
                       check=True)
        text = open(qdf.name, "rb").read().decode("latin-1")
    if not re.search(r"/OutputIntents\s*\[", text) or "/GTS_PDFA1" not in text:
        bad.append("no PDF/A output intent")
    xmp = re.search(r"<x:xmpmeta.*?</x:xmpmeta>", text, re.S)
    if not xmp:
        bad.append("no XMP metadata")
    else:
        meta = xmp.group(0).encode("latin-1").decode("utf-8")
        for tag, want in (("pdfaid:part", "1"), ("pdfaid:conformance", "B")):
            if not re.search(r"<%s>%s</%s>" % (tag, want, tag), meta):
                bad.append("XMP lacks %s %s" % (tag, want))
        title = re.search(r"<dc:title>.*?<rdf:li[^>]*>(.*?)</rdf:li>", meta, re.S)
        if not title or not title.group(1).strip():
            bad.append("XMP has no title")
        creator = re.search(r"<dc:creator>.*?<rdf:li>(.*?)</rdf:li>", meta, re.S)
        if args.author and (not creator or html.unescape(creator.group(1)) != args.author):
            bad.append("XMP author is %r, not %r" % (creator and creator.group(1), args.author))
        keywords = re.search(r"<pdf:Keywords>(.*?)</pdf:Keywords>", meta, re.S)
        for word in args.keyword:
            if not keywords or word not in html.unescape(keywords.group(1)):
                bad.append("XMP keywords lack %r" % word)
    if bad:
        sys.exit("%s is not the PDF/A expected: %s" % (args.pdf, "; ".join(bad)))
    print("%s: PDF/A-1b, %d embedded fonts, output intent, XMP metadata" % (args.pdf, len(fonts)))


main()
