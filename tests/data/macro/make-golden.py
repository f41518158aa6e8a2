#!/usr/bin/env python3
"""Writes the golden macro files from the file layout, independently of the C++ writer."""
import struct


def string(text):
    units = text.encode("utf-16-le")
    return struct.pack("<i", len(units) // 2) + units


def macro(name, macro_id, view, events, count=None):
    out = string(name) + struct.pack("<i4i", macro_id, *view)
    out += struct.pack("<i", len(events) if count is None else count)
    for kind, key, direction, delay, rect, selected, item_id in events:
        out += struct.pack("<BhBi4iii", kind, key, direction, delay, *rect, selected, item_id)
    return out


view = (0, 0, 260, 199)
run = [
    (1, 0x57, 0, 0, (4, 5, 258, 23), 0, 1),
    (1, 0x57, 1, 120, (4, 23, 258, 41), 0, 2),
    (16, 1, 0, 35, (4, 41, 258, 59), 1, 3),
    (17, 151, 0, 10, (4, 59, 258, 77), 0, 4),
]
with open("Run.macro", "wb") as f:
    f.write(macro("Run", 16, view, run))
with open("Empty.macro", "wb") as f:
    f.write(macro("Empty", 17, view, []))
with open("negative-count.macro", "wb") as f:
    f.write(macro("Neg", 18, view, [], count=-2))
with open("macroList.dat", "wb") as f:
    paths = ["/home/user/.config/Ostrel/VOSK8200/Macros/Run.macro",
             "/home/user/.config/Ostrel/VOSK8200/Macros/Empty.macro"]
    f.write(struct.pack("<i", len(paths)) + b"".join(string(p) for p in paths))
