#!/usr/bin/env python3
"""Draws the folder picker's pictures: the edit buttons' strips SF (a sheet of
paper), SR (a yellow folder), SD (a calendar leaf), SE (three dots) and SC (a
pocket calculator), 48 x 16 each, three 16 x 16 frames side by side (normal,
hot a little brighter, pressed a little darker and one pixel lower), and the
folder tree's small icons in one strip treeicons.png, 16 x 16 each: closed
folder, open folder, drive, home. Run it in this folder after changing a
picture; its output is committed beside it."""
import struct
import zlib

S = 16


def blank(w, h):
    return [[(0, 0, 0, 0)] * w for _ in range(h)]


def rect(img, x0, y0, x1, y1, c):
    for y in range(y0, y1):
        for x in range(x0, x1):
            if 0 <= y < len(img) and 0 <= x < len(img[0]):
                img[y][x] = c + (255,) if len(c) == 3 else c


def frame(img, x0, y0, x1, y1, c):
    rect(img, x0, y0, x1, y0 + 1, c)
    rect(img, x0, y1 - 1, x1, y1, c)
    rect(img, x0, y0, x0 + 1, y1, c)
    rect(img, x1 - 1, y0, x1, y1, c)


def folder(img, ox, open_=False):
    edge, body, light, tab = (150, 105, 10), (240, 196, 60), (252, 226, 130), (226, 172, 40)
    rect(img, ox + 1, 3, ox + 7, 5, tab)
    frame(img, ox + 1, 3, ox + 7, 5, edge)
    rect(img, ox + 1, 5, ox + 15, 14, body)
    frame(img, ox + 1, 4, ox + 15, 14, edge)
    rect(img, ox + 2, 5, ox + 14, 6, light)
    if open_:
        for i, y in enumerate(range(8, 14)):
            rect(img, ox + 3 - min(i, 2) + 0, y, ox + 16 - (1 if y == 13 else 0), y + 1, light)
        rect(img, ox + 3, 7, ox + 16, 8, edge)
        rect(img, ox + 1, 13, ox + 15, 14, edge)


def paper(img, ox):
    rect(img, ox + 3, 1, ox + 13, 15, (255, 255, 255))
    frame(img, ox + 3, 1, ox + 13, 15, (90, 100, 120))
    rect(img, ox + 10, 1, ox + 13, 4, (0, 0, 0, 0))
    rect(img, ox + 10, 3, ox + 13, 4, (90, 100, 120))
    rect(img, ox + 10, 1, ox + 11, 4, (90, 100, 120))
    for y in (6, 8, 10, 12):
        rect(img, ox + 5, y, ox + 11, y + 1, (150, 160, 180))


def calendar(img, ox):
    rect(img, ox + 2, 2, ox + 14, 15, (255, 255, 255))
    rect(img, ox + 2, 2, ox + 14, 5, (200, 50, 40))
    frame(img, ox + 2, 2, ox + 14, 15, (90, 90, 100))
    for y in (7, 10, 13):
        for x in (4, 7, 10):
            rect(img, ox + x, y - 1, ox + x + 2, y + 1, (90, 110, 160))


def dots(img, ox):
    for x in (3, 7, 11):
        rect(img, ox + x, 10, ox + x + 2, 12, (40, 50, 70))


def calculator(img, ox):
    rect(img, ox + 3, 1, ox + 13, 15, (200, 205, 215))
    frame(img, ox + 3, 1, ox + 13, 15, (70, 75, 90))
    rect(img, ox + 5, 3, ox + 11, 6, (170, 210, 170))
    for y in (8, 11):
        for x in (5, 9):
            rect(img, ox + x, y, ox + x + 2, y + 2, (70, 75, 90))


def drive(img, ox):
    rect(img, ox + 1, 6, ox + 15, 12, (190, 195, 205))
    frame(img, ox + 1, 6, ox + 15, 12, (80, 85, 100))
    rect(img, ox + 11, 8, ox + 13, 10, (60, 200, 60))


def home(img, ox):
    for i in range(6):
        rect(img, ox + 7 - i, 2 + i, ox + 9 + i, 3 + i, (190, 60, 50))
    rect(img, ox + 3, 8, ox + 13, 15, (240, 230, 210))
    frame(img, ox + 3, 8, ox + 13, 15, (110, 80, 60))
    rect(img, ox + 7, 11, ox + 9, 15, (110, 80, 60))


def shade(c, f, lift):
    r, g, b, a = c
    if f > 1:
        r, g, b = (min(255, round(v + (255 - v) * (f - 1))) for v in (r, g, b))
    else:
        r, g, b = (round(v * f) for v in (r, g, b))
    return (r, g, b, a)


def strip(draw):
    img = blank(3 * S, S)
    draw(img, 0)
    for frame_no, factor, down in ((1, 1.25, 0), (2, 0.85, 1)):
        for y in range(S):
            for x in range(S):
                src = img[y - down][x] if y - down >= 0 else (0, 0, 0, 0)
                img[y][frame_no * S + x] = shade(src, factor, down)
    return img


def png(img, name):
    h, w = len(img), len(img[0])
    rows = b"".join(b"\0" + b"".join(bytes(p) for p in row) for row in img)

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    with open(name, "wb") as out:
        out.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, 6, 0, 0, 0)) +
                  chunk(b"IDAT", zlib.compress(rows, 9)) + chunk(b"IEND", b""))


for name, draw in (("SF", paper), ("SR", folder), ("SD", calendar), ("SE", dots), ("SC", calculator)):
    png(strip(draw), name + ".png")

icons = blank(4 * S, S)
folder(icons, 0)
folder(icons, S, open_=True)
drive(icons, 2 * S)
home(icons, 3 * S)
png(icons, "treeicons.png")
