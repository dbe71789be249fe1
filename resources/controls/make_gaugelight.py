#!/usr/bin/env python3
"""Draws gaugelight.png, the light that sweeps along a gauge's bar: a soft
white highlight of 60 x 20 pixels, strongest in the middle of its length and
a little stronger in the upper half, fading to nothing at both ends. The
gauge stretches it to 300 pixels along the bar. Run it again after changing
the picture here; its output is committed beside it."""
import math
import struct
import sys
import zlib

WIDTH, HEIGHT, PEAK = 60, 20, 170


def alpha(x, y):
    along = math.sin(math.pi * (x + 0.5) / WIDTH) ** 2
    across = 0.75 + 0.25 * math.cos(math.pi * (y + 0.5) / HEIGHT)
    return round(PEAK * along * across)


def chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))


rows = b"".join(b"\0" + b"".join(bytes((255, 255, 255, alpha(x, y))) for x in range(WIDTH)) for y in range(HEIGHT))
png = (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", WIDTH, HEIGHT, 8, 6, 0, 0, 0)) +
       chunk(b"IDAT", zlib.compress(rows, 9)) + chunk(b"IEND", b""))
with open(sys.argv[1] if len(sys.argv) > 1 else "gaugelight.png", "wb") as out:
    out.write(png)
