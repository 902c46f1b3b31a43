#!/usr/bin/env python3
"""Draws the program icon (MAINICON) and the sixteen tray animation frames
(ZONE ... ZSIXTEEN) as .ico files: a blue tile with a white W and a small
orange dot that circles inside the tile, one step per frame. ZSIXTEEN, the
still image shown when idle, has its dot at the top. The dot stays on the
opaque tile so every frame covers exactly the same pixels: a tray that draws
a new frame over the old one without clearing it shows no trail."""
import math
import struct
import sys
from pathlib import Path

NAMES = ["ZONE", "ZTWO", "ZTHREE", "ZFOUR", "ZFIVE", "ZSIX", "ZSEVEN", "ZEIGHT", "ZNINE",
         "ZTEN", "ZELEVEN", "ZTWELVE", "ZTHIRTEEN", "ZFOURTEEN", "ZFIFTEEN", "ZSIXTEEN"]

BLUE = (40, 90, 190, 255)
EDGE = (20, 50, 120, 255)
WHITE = (255, 255, 255, 255)
ORANGE = (255, 150, 20, 255)
CLEAR = (0, 0, 0, 0)


def draw(size, dot_step):
    """Returns rows (top first) of RGBA tuples."""
    s = size / 16.0
    px = [[CLEAR] * size for _ in range(size)]
    # rounded tile, inset to leave room for the orbiting dot
    lo, hi = 0.0, float(size)
    for y in range(size):
        for x in range(size):
            cx, cy = x + 0.5, y + 0.5
            if lo <= cx <= hi and lo <= cy <= hi:
                corner = min(cx - lo, hi - cx) < s and min(cy - lo, hi - cy) < s
                if not corner:
                    edge = min(cx - lo, hi - cx, cy - lo, hi - cy) < s * 0.8
                    px[y][x] = EDGE if edge else BLUE
    # the W: four strokes through five points
    pts = [(4.3, 4.8), (6.0, 11.2), (8.0, 6.8), (10.0, 11.2), (11.7, 4.8)]
    width = 0.95
    for y in range(size):
        for x in range(size):
            cx, cy = (x + 0.5) / s, (y + 0.5) / s
            for (x0, y0), (x1, y1) in zip(pts, pts[1:]):
                dx, dy = x1 - x0, y1 - y0
                t = max(0.0, min(1.0, ((cx - x0) * dx + (cy - y0) * dy) / (dx * dx + dy * dy)))
                if math.hypot(cx - (x0 + t * dx), cy - (y0 + t * dy)) < width * 0.75:
                    px[y][x] = WHITE
                    break
    # the orbiting dot: step 15 (ZSIXTEEN) sits at the top
    angle = 2 * math.pi * ((dot_step + 1) % 16) / 16 - math.pi / 2
    ox, oy = 8 + 5.4 * math.cos(angle), 8 + 5.4 * math.sin(angle)
    for y in range(size):
        for x in range(size):
            if math.hypot((x + 0.5) / s - ox, (y + 0.5) / s - oy) < 1.45:
                px[y][x] = ORANGE
    return px


def bmp_entry(size, rows):
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels = bytearray()
    for row in reversed(rows):
        for r, g, b, a in row:
            pixels += bytes((b, g, r, a))
    mask_stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(rows):
        bits = bytearray(mask_stride)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + bytes(pixels) + bytes(mask)


def write_ico(path, images):
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    blobs = []
    for size, rows in images:
        blob = bmp_entry(size, rows)
        out += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(blob), offset)
        offset += len(blob)
        blobs.append(blob)
    path.write_bytes(out + b"".join(blobs))


def main():
    outdir = Path(sys.argv[1] if len(sys.argv) > 1 else ".")
    outdir.mkdir(parents=True, exist_ok=True)
    for i, name in enumerate(NAMES):
        write_ico(outdir / f"{name}.ico", [(16, draw(16, i))])
    write_ico(outdir / "MAINICON.ico", [(32, draw(32, 15)), (16, draw(16, 15))])


if __name__ == "__main__":
    main()
