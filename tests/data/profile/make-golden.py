#!/usr/bin/env python3
"""Writes the golden .profile files from the file layout, independently of the C++ writer."""
import struct


def string(text):
    units = text.encode("utf-16-le")
    return struct.pack("<i", len(units) // 2) + units


def profile(name, enabled=1, slot=0, polling=1, dclick=1100, scroll=2, by_lines=1, by_page=0,
            accel=0, xy=0, defined=0, dpi_level=2, dpi=((2000, 2000), (4000, 4000), (6000, 6000)),
            speed=5, lift=12, quality=0, colors=(455174,) * 4, zones=15, effect=1,
            buttons=tuple((i, i, 0) for i in range(7)), macros=((0, "", ()),) * 7):
    out = bytes([0x12, 0x06, 0x33, 0x01]) + string(name)
    out += struct.pack("<iBhhhhiiiiiB", enabled, slot, 179, polling, dclick, scroll, by_lines,
                       by_page, accel, xy, defined, dpi_level)
    for x, y in dpi:
        out += struct.pack("<HH", x, y)
    out += struct.pack("<BBh", speed, lift, quality)
    for color in colors:
        out += string("%d" % color)
    out += struct.pack("<ii", zones, effect)
    for slot_, function, param in buttons:
        out += struct.pack("<BBh", slot_, function, param)
    for macro_id, macro_name, events in macros:
        out += struct.pack("<i", macro_id) + string(macro_name) + struct.pack("<i", len(events))
        for kind, key, direction, delay in events:
            out += struct.pack("<BhBi", kind, key, direction, delay)
    return out


with open("default-profile1.profile", "wb") as f:
    f.write(profile("Profile1"))

run = (16, "Run", ((1, 0x57, 0, 0), (1, 0x57, 1, 120), (16, 1, 0, 35), (17, 151, 0, 10)))
with open("edited.profile", "wb") as f:
    f.write(profile("Élan ✓", enabled=0, slot=3, polling=8, dclick=700, scroll=6, by_lines=0,
                    by_page=1, accel=1, xy=1, defined=1, dpi_level=1,
                    dpi=((400, 800), (3200, 1600), (8200, 8200)), speed=10, lift=31, quality=7,
                    colors=(0x0000FF, 0x00FF00, 0xFF0000, 0x123456), zones=16 | 1 | 8, effect=16 | 4,
                    buttons=((0, 0, 0), (1, 13, 0x41), (2, 14, 16), (3, 15, 0), (4, 9, 0),
                             (5, 11, 0), (6, 6, 0)),
                    macros=((0, "", ()), (0, "", ()), run) + ((0, "", ()),) * 4))
