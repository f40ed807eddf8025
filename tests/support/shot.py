#!/usr/bin/env python3
"""Screenshot checks for the end-to-end window tests, on binary PPM files (P6) as
`import -window root shot.ppm` writes them. Standard library only.

  shot.py png IN.ppm OUT.png                 write a PNG copy (for people to look at)
  shot.py diff A.ppm B.ppm X Y W H           print how many pixels of the rectangle differ
  shot.py count IN.ppm X Y W H RRGGBB        print how many pixels of the rectangle have the colour
  shot.py columns IN.ppm X Y W H RRGGBB      print the first and last column (relative to X) that
                                             hold the colour, or "none"
  shot.py dark IN.ppm X Y W H                like columns, for dark pixels (text: r+g+b < 250)
  shot.py light IN.ppm X Y W H               like columns, for light pixels (r+g+b > 500)
"""
import struct
import sys
import zlib


def read_ppm(path):
    with open(path, "rb") as f:
        data = f.read()
    fields = []
    pos = 0
    while len(fields) < 4:
        while data[pos:pos + 1].isspace():
            pos += 1
        if data[pos:pos + 1] == b"#":
            pos = data.index(b"\n", pos) + 1
            continue
        end = pos
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[pos:end])
        pos = end
    pos += 1
    if fields[0] != b"P6" or int(fields[3]) != 255:
        sys.exit(f"{path}: not an 8-bit binary PPM")
    width, height = int(fields[1]), int(fields[2])
    return width, height, data[pos:pos + width * height * 3]


def pixels(image, x, y, w, h):
    width, height, data = image
    if x < 0 or y < 0 or x + w > width or y + h > height:
        sys.exit(f"rectangle {x},{y} {w}x{h} outside the {width}x{height} picture")
    for row in range(y, y + h):
        start = (row * width + x) * 3
        yield row - y, data[start:start + w * 3]


def write_png(image, path):
    width, height, data = image
    rows = b"".join(b"\0" + data[r * width * 3:(r + 1) * width * 3] for r in range(height))

    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))

    png = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
    png += chunk(b"IDAT", zlib.compress(rows, 6)) + chunk(b"IEND", b"")
    with open(path, "wb") as f:
        f.write(png)


def main(argv):
    if len(argv) < 3:
        sys.exit(__doc__)
    command = argv[1]
    if command == "png":
        write_png(read_ppm(argv[2]), argv[3])
    elif command == "diff":
        x, y, w, h = map(int, argv[4:8])
        a = dict(pixels(read_ppm(argv[2]), x, y, w, h))
        b = dict(pixels(read_ppm(argv[3]), x, y, w, h))
        print(sum(1 for r in a for i in range(0, len(a[r]), 3) if a[r][i:i + 3] != b[r][i:i + 3]))
    elif command in ("count", "columns", "dark", "light"):
        x, y, w, h = map(int, argv[3:7])
        if command == "dark":
            match = lambda p: p[0] + p[1] + p[2] < 250
        elif command == "light":
            match = lambda p: p[0] + p[1] + p[2] > 500
        else:
            colour = bytes.fromhex(argv[7])
            match = lambda p: p == colour
        count = 0
        cols = []
        for _, row in pixels(read_ppm(argv[2]), x, y, w, h):
            for i in range(0, len(row), 3):
                if match(row[i:i + 3]):
                    count += 1
                    cols.append(i // 3)
        if command == "count":
            print(count)
        else:
            print(f"{min(cols)} {max(cols)}" if cols else "none")
    elif command == "pixel":
        x, y = map(int, argv[3:5])
        for _, row in pixels(read_ppm(argv[2]), x, y, 1, 1):
            print(row.hex())
    elif command == "cells":
        x, y, w, h = map(int, argv[3:7])
        for line in text_lines(read_ppm(argv[2]), x, y, w, h):
            print(" ".join(map(str, cell_starts(line))))
    else:
        sys.exit(__doc__)


def text_lines(image, x, y, w, h):
    """For each band of rows holding dark pixels: the set of columns that hold any."""
    line = set()
    for _, row in pixels(image, x, y, w, h):
        cols = {i // 3 for i in range(0, len(row), 3) if sum(row[i:i + 3]) < 250}
        if cols:
            line |= cols
        elif line:
            yield line
            line = set()
    if line:
        yield line


def cell_starts(columns, gap=8):
    starts = []
    last = None
    for c in sorted(columns):
        if last is None or c - last > gap:
            starts.append(c)
        last = c
    return starts


if __name__ == "__main__":
    main(sys.argv)
