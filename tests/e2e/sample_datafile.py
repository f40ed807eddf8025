#!/usr/bin/env python3
"""Writes a data file (.asc, 2484 bytes) with realistic fleet data and three stability records.

Usage: sample_datafile.py OUT
"""
import struct
import sys

RECORD = struct.Struct("<bBBBB3x6IBB2xIBB2xI")  # one 48-byte stability record


def distance_block(interval_count, values, current, entry29, total):
    """A 32-entry distance block whose completed intervals hold `values` (oldest first)."""
    block = [0] * 32
    shown = min(interval_count, 28)
    for k, v in enumerate(values[-shown:]):
        position = 28 - shown + k
        block[(interval_count + position) % 28] = v
    block[28] = current
    block[29] = entry29
    block[30] = total >> 16
    block[31] = total & 0xFFFF
    return block


def main():
    out = sys.argv[1]
    counts_p = [0, 1210, 5430, 8220, 6105, 3520, 1804, 902, 421, 215, 96, 41, 18, 7, 3, 1]
    avg_time = [0, 180, 205, 230, 260, 290, 320, 355, 390, 420, 455, 480, 510, 540, 560, 600]
    time_p = [c * t for c, t in zip(counts_p, avg_time)]
    counts_s = [5400, 3900, 3100, 2600, 2200, 1850, 1500, 1200, 880, 610, 350, 140, 40, 9, 2, 0]
    avg_p = [24, 26, 29, 32, 35, 38, 40, 43, 46, 50, 53, 57, 60, 63, 66, 0]  # 0.05 bar
    sum_s = [c * p for c, p in zip(counts_s, avg_p)]
    intervals = 19
    apps = [410, 385, 502, 466, 390, 512, 448, 371, 420, 499, 533, 404, 389, 457, 470, 512, 380,
            445, 468]
    slp = [12, 8, 15, 0, 4, 22, 9, 3, 0, 11, 17, 6, 2, 14, 8, 19, 5, 0, 7]
    abs_ev = [3, 0, 1, 5, 2, 0, 0, 4, 7, 1, 0, 2, 3, 0, 1, 6, 2, 0, 1]
    roll = [0, 0, 1, 0, 0, 2, 0, 0, 0, 1, 0, 0, 0, 0, 3, 0, 0, 1, 0]
    km_current = 312
    total_km = intervals * 500 + km_current
    load = [1210, 820, 640, 700, 910, 1180, 1320, 1105, 760, 420, 130, 40, 0, 0, 0, 0]
    resv = [0, 0, 0, 0, 5, 40, 210, 980, 2710, 3850, 1320, 160, 37, 0, 0, 0]

    data = bytearray()
    data += b"Haulm +\0"
    data += b"SKT4B2C1X7H0A1234".ljust(20, b"\0")
    for block in (time_p, counts_p, sum_s, counts_s):
        data += struct.pack("<16I", *block)
    data += struct.pack("<32I", *distance_block(intervals, apps, 220, km_current, sum(apps)))
    data += struct.pack("<32I", *distance_block(intervals, slp, 3, intervals, sum(slp)))
    data += struct.pack("<32I", *distance_block(intervals, abs_ev, 1, 0, sum(abs_ev)))
    data += struct.pack("<32I", *distance_block(intervals, roll, 0, 0, sum(roll)))
    data += struct.pack("<16I", *load)
    data += struct.pack("<16I", *resv)
    records = [
        # sensor, speed, iso, control, voltage, brake, red, cab, service, stop, bit6,
        # day, month, odometer (0.01 km), reservoir, suspension, time (s)
        (-35, 62, 40, 38, 122, 1, 0, 0, 0, 1, 0, 5, 3, 123456, 160, 90, 3725),
        (47, 81, 255, 0, 120, 0, 1, 1, 0, 0, 0, 17, 8, 512340, 150, 110, 12),
        (-128, 45, 254, 52, 126, 1, 1, 0, 1, 1, 1, 0, 0, 955010, 171, 74, 65535),
    ]
    for r in records:
        data += RECORD.pack(*r)
    data += bytes(48 * (32 - len(records)))
    data += struct.pack("<I", len(records))
    data += struct.pack("<8H", 2026, 11, 2, 24, 14, 35, 12, 0)
    data += struct.pack("<i", 2484)
    assert len(data) == 2484, len(data)
    assert total_km > 0
    with open(out, "wb") as f:
        f.write(data)


if __name__ == "__main__":
    main()
