#!/usr/bin/env python3
"""Writes data files for the library tests: visits of several trailers, each visit with more use.

usage: library_files.py BASE OUT_DIR COUNT TRAILERS [FIRST [PREFIX]]

File k (FIRST .. FIRST+COUNT-1) is visit k // TRAILERS of trailer PREFIX (default "TRL") and k % TRAILERS in five digits:
BASE (a data file) with that identification, saved on 2026-01-01 plus one day per visit, and
per visit 10 more brake applications in every pressure bar (graph 2) and 100 km more in the
current interval. Every file's bytes differ.
"""
import os
import struct
import sys

IDENT, COUNTS, KM, SAVED = 8, 92, 284 + 29 * 4, 2464


def variant(base, prefix, trailer, visit):
    image = bytearray(base)
    image[IDENT:IDENT + 20] = (prefix + b"%05d" % trailer).ljust(20, b"\0")
    for bar in range(16):
        at = COUNTS + 4 * bar
        (count,) = struct.unpack_from("<I", image, at)
        struct.pack_into("<I", image, at, count + 10 * visit)
    (km,) = struct.unpack_from("<I", image, KM)
    struct.pack_into("<I", image, KM, km + 100 * visit)
    day = visit % 28 + 1
    month = visit // 28 % 12 + 1
    struct.pack_into("<8H", image, SAVED, 2026 + visit // 336, month, 1, day, 10, 0, 0, 0)
    return bytes(image)


def main():
    base = open(sys.argv[1], "rb").read()[:2484]
    out, count, trailers = sys.argv[2], int(sys.argv[3]), int(sys.argv[4])
    first = int(sys.argv[5]) if len(sys.argv) > 5 else 0
    prefix = sys.argv[6].encode() if len(sys.argv) > 6 else b"TRL"
    os.makedirs(out, exist_ok=True)
    for k in range(first, first + count):
        with open(os.path.join(out, "f%06d.asc" % k), "wb") as f:
            f.write(variant(base, prefix, k % trailers, k // trailers))


if __name__ == "__main__":
    main()
