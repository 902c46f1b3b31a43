#!/usr/bin/env python3
"""Draws the Smart Bar's button images as .ico files on a transparent ground:
the large ones (32x32) SBSPELL (a page with a tick), SBTHES (an open book) and
SBDEFS (a page under a magnifier), the small ones (16x16) SBEDITOR (a pencil),
SBOPTIONS (a wheel with spokes) and SBHELP (a question mark in a blue disc)."""
import math
import sys
from pathlib import Path

sys.dont_write_bytecode = True
sys.path.insert(0, str(Path(__file__).resolve().parent))
from make_icons import write_ico  # noqa: E402

CLEAR = (0, 0, 0, 0)


def rgb(r, g, b):
    return (r, g, b, 255)


class Canvas:
    def __init__(self, size):
        self.size = size
        self.px = [[CLEAR] * size for _ in range(size)]

    def put(self, x, y, c):
        if 0 <= x < self.size and 0 <= y < self.size:
            self.px[y][x] = c

    def box(self, l, t, r, b, fill, line):
        """A filled rectangle with a one-pixel frame, right and bottom exclusive."""
        for y in range(t, b):
            for x in range(l, r):
                edge = x in (l, r - 1) or y in (t, b - 1)
                self.put(x, y, line if edge else fill)

    def line(self, pts, color, width):
        """A polyline of the given pen width through pixel centres."""
        half = max(width, 1) / 2.0
        for y in range(self.size):
            for x in range(self.size):
                for (x0, y0), (x1, y1) in zip(pts, pts[1:]):
                    dx, dy = x1 - x0, y1 - y0
                    n = dx * dx + dy * dy
                    t = 0.0 if n == 0 else max(0.0, min(1.0, ((x - x0) * dx + (y - y0) * dy) / n))
                    if math.hypot(x - (x0 + t * dx), y - (y0 + t * dy)) <= half:
                        self.put(x, y, color)
                        break

    def text_lines(self, l, t, r, n, step):
        for i in range(n):
            self.line([(l, t + i * step), (r - 1, t + i * step)], rgb(120, 120, 140), 1)

    def ellipse(self, l, t, r, b, fill, line, width=1):
        cx, cy = (l + r - 1) / 2.0, (t + b - 1) / 2.0
        rx, ry = (r - l) / 2.0, (b - t) / 2.0
        for y in range(t, b):
            for x in range(l, r):
                d = math.hypot((x - cx) / rx, (y - cy) / ry)
                if d <= 1.0:
                    inner = math.hypot((x - cx) / max(rx - width, 0.5), (y - cy) / max(ry - width, 0.5))
                    self.put(x, y, line if inner > 1.0 else fill)


def spell():
    c = Canvas(32)
    c.box(4, 2, 24, 30, rgb(255, 255, 255), rgb(90, 90, 110))
    c.text_lines(7, 7, 21, 5, 4)
    c.line([(12, 20), (18, 27), (30, 12)], rgb(20, 150, 40), 4)
    return c.px


def thesaurus():
    c = Canvas(32)
    c.box(1, 6, 16, 28, rgb(250, 250, 240), rgb(40, 70, 150))
    c.box(16, 6, 31, 28, rgb(250, 250, 240), rgb(40, 70, 150))
    c.text_lines(4, 11, 13, 4, 4)
    c.text_lines(19, 11, 28, 4, 4)
    c.line([(1, 29), (30, 29)], rgb(40, 70, 150), 2)
    return c.px


def definitions():
    c = Canvas(32)
    c.box(2, 2, 22, 28, rgb(255, 255, 255), rgb(90, 90, 110))
    c.text_lines(5, 7, 19, 5, 4)
    c.ellipse(12, 10, 26, 24, rgb(200, 230, 255), rgb(30, 30, 30), 2)
    c.line([(24, 22), (30, 29)], rgb(30, 30, 30), 3)
    return c.px


def editor():
    c = Canvas(16)
    c.line([(3, 13), (13, 3)], rgb(230, 170, 20), 4)
    c.line([(2, 14), (4, 12)], rgb(40, 40, 40), 2)
    return c.px


def options():
    c = Canvas(16)
    grey = rgb(90, 90, 100)
    for pts in ([(8, 1), (8, 14)], [(1, 8), (14, 8)], [(3, 3), (13, 13)], [(13, 3), (3, 13)]):
        c.line(pts, grey, 3)
    c.ellipse(4, 4, 12, 12, rgb(200, 200, 210), grey)
    return c.px


def help_image():
    c = Canvas(16)
    white = rgb(255, 255, 255)
    c.ellipse(1, 1, 15, 15, rgb(40, 90, 200), rgb(30, 60, 150))
    c.line([(6, 6), (6, 4), (10, 4), (10, 7), (8, 9), (8, 10)], white, 2)
    c.line([(8, 12), (8, 13)], white, 2)
    return c.px


IMAGES = {"SBSPELL": (32, spell), "SBTHES": (32, thesaurus), "SBDEFS": (32, definitions),
          "SBEDITOR": (16, editor), "SBOPTIONS": (16, options), "SBHELP": (16, help_image)}


def main():
    outdir = Path(sys.argv[1] if len(sys.argv) > 1 else ".")
    outdir.mkdir(parents=True, exist_ok=True)
    for name, (size, draw) in IMAGES.items():
        write_ico(outdir / f"{name}.ico", [(size, draw())])


if __name__ == "__main__":
    main()
