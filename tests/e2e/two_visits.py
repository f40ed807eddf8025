#!/usr/bin/env python3
"""Writes two visits of the overloaded trailer OVL00001 into DIR: v1.asc (saved 2026-05-01
09:00) and v2.asc (2026-05-02 09:00, 500 km more at 100 % load), so that the second has findings
and a change since the first.

usage: two_visits.py DIR
"""
import os
import struct
import subprocess
import sys

here = os.path.dirname(os.path.abspath(__file__))
out = sys.argv[1]
subprocess.run([sys.executable, os.path.join(here, "sample_datafile.py"), out + "/base.asc"],
               check=True)
subprocess.run([sys.executable, os.path.join(here, "overloaded_trailer.py"), out + "/base.asc",
                out + "/heavy.asc"], check=True)
heavy = open(out + "/heavy.asc", "rb").read()
for name, day, extra_km in (("v1", 1, -500), ("v2", 2, 0)):
    image = bytearray(heavy)
    struct.pack_into("<8H", image, 2464, 2026, 5, 1, day, 9, 0, 0, 0)
    (km,) = struct.unpack_from("<I", image, 796 + 40)
    struct.pack_into("<I", image, 796 + 40, km + extra_km)
    open("%s/%s.asc" % (out, name), "wb").write(image)
