#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the bundled sample in the native, WPT and LOC formats.

The samples are checked in; run this again only to change them:
    python3 tools/make_samples.py samples
"""
import struct
import sys
from pathlib import Path

# name, comment, lat, lon, altitude (m), icon, geocache, additional info
WAYPOINTS = [
    ("HOME", "Home base", 47.60621, -122.33207, 53.0, 2, 0, ""),
    ("TRLHEAD", "Rattle Ridge trailhead", 47.43418, -121.77631, 277.4, 26, 0, "Parking pass needed"),
    ("SUMMIT", "Rattle Ridge summit", 47.42281, -121.79245, 625.1, 29, 0, ""),
    ("MARINA", "Shilshole marina", 47.68142, -122.40801, 3.0, 22, 0, ""),
    ("FUEL1", "Last fuel before pass", 47.49370, -121.79190, 148.0, 14, 0, "Open 6-22"),
    ("CAMP", "Denny Creek camp", 47.41553, -121.44193, 682.0, 9, 0, ""),
    ("LIGHTHS", "West Point light", 47.66198, -122.43583, 4.5, 20, 0, ""),
    ("GC1M2QK", "Mossy Log Hideout by Fernwalker", 47.52743, -121.82691, 321.0, 42, 1,
     "Mossy Log Hideout by Fernwalker\r\nSmall container, bring a pen."),
    ("GC2B7XA", "The Five Bridges by kayakKat", 47.64733, -122.32158, 12.0, 43, 1,
     "The Five Bridges by kayakKat\r\nStage 1 at the north abutment."),
    ("GC3H0ZD", "Puzzle at the Locks by Quill", 47.66528, -122.39722, 10.0, 48, 1,
     "Puzzle at the Locks by Quill\r\nSolve the puzzle for the final."),
    ("GC4TTRE", "Old Growth Letterbox by Ash", 47.37111, -121.96210, 190.0, 45, 1,
     "Old Growth Letterbox by Ash\r\nStamp inside."),
    ("RANGER", "Ranger station", 47.49015, -121.77911, 160.0, 37, 0, "Maps and permits"),
]


def s(text):
    data = text.encode("cp1252")
    assert len(data) < 255
    return bytes([len(data)]) + data


def record(n, w, wpt):
    name, comment, lat, lon, alt, icon, cache, info = w
    out = s(name) + s(comment) + struct.pack("<IBBddd", n, icon % 42 if wpt else icon, 1, alt, lon,
                                             -lat if wpt else lat)
    if not wpt:
        out += bytes([cache]) + s(info)
    return out


def main(folder):
    folder = Path(folder)
    native = s("Cairnbook Version 2.0") + struct.pack("<II", 1, len(WAYPOINTS))
    wpt = s("4D533336 MS36") + struct.pack("<II", 1, len(WAYPOINTS))
    for i, w in enumerate(WAYPOINTS, 1):
        native += record(i, w, False)
        wpt += record(i, w, True)
    wpt += struct.pack("<I", 0)
    (folder / "sample.ckb").write_bytes(native)
    (folder / "sample.wpt").write_bytes(wpt)
    caches = [w for w in WAYPOINTS if w[6]]
    loc = ['<?xml version="1.0" encoding="UTF-8"?>', '<loc version="1.0" src="Groundspeak">']
    for name, comment, lat, lon, *_ in caches:
        loc += ["<waypoint>",
                f'\t<name id="{name}"><![CDATA[{comment}]]></name>',
                f'\t<coord lat="{lat:.5f}" lon="{lon:.5f}"/>',
                "\t<type>Geocache</type>",
                f'\t<link text="Cache Details">https://example.org/cache/{name}</link>',
                "</waypoint>"]
    loc.append("</loc>")
    (folder / "sample.loc").write_text("\r\n".join(loc) + "\r\n", encoding="utf-8")


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "samples")
