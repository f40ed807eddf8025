#!/usr/bin/env python3
"""Checks a report PDF: on every page the footer "n of N" is the lowest text of the page and sits
in its last tenth. Usage: footer_at_foot.py REPORT.pdf (words and boxes from pdftotext -bbox)."""
import html
import re
import subprocess
import sys

out = subprocess.run(["pdftotext", "-bbox", sys.argv[1], "-"], check=True,
                     capture_output=True, text=True).stdout
pages = re.findall(r'<page width="([\d.]+)" height="([\d.]+)">(.*?)</page>', out, re.S)
word_re = re.compile(r'<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">(.*?)</word>')
bad = []
for n, (_, height, body) in enumerate(pages, start=1):
    words = [(float(y0), float(y1), html.unescape(t)) for _, y0, _, y1, t in word_re.findall(body)]
    footer = [i for i in range(len(words) - 2)
              if [w[2] for w in words[i:i + 3]] == [str(n), "of", str(len(pages))]]
    if not footer:
        bad.append(f"page {n}: no footer")
        continue
    i = max(footer, key=lambda k: words[k][0])
    top = min(w[0] for w in words[i:i + 3])
    others = words[:i] + words[i + 3:]
    lowest = max((w[1] for w in others), default=0.0)
    if top <= lowest or top < 0.9 * float(height):
        bad.append(f"page {n}: footer top {top:.1f}, lowest other text {lowest:.1f}, "
                   f"page height {height}")
if not pages or bad:
    sys.exit("footer not at the foot: " + ("; ".join(bad) or "no pages"))
print(f"footer at the foot of all {len(pages)} pages")
