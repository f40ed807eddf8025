#!/usr/bin/env python3
"""Writes the data file of an overloaded trailer: BASE (a data file) with identification OVL00001
and 600 km more in the 100 % load bin of graph 9 (distance v load), so that the share driven
overloaded is well above the default rule's 2 %.

usage: overloaded_trailer.py BASE OUT
"""
import struct
import sys

IDENT, LOAD_BINS = 8, 796
OVERLOAD_BIN = 10  # the first bin at 100 % load and above


def main():
    image = bytearray(open(sys.argv[1], "rb").read()[:2484])
    image[IDENT:IDENT + 20] = b"OVL00001".ljust(20, b"\0")
    at = LOAD_BINS + 4 * OVERLOAD_BIN
    (km,) = struct.unpack_from("<I", image, at)
    struct.pack_into("<I", image, at, km + 600)
    open(sys.argv[2], "wb").write(image)


main()
