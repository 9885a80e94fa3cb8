#!/usr/bin/env python3
"""Draws Quillmark's pictures into resources/.

The 16 x 16 pictures and the program icon are drawn here with the standard
library alone (shapes sampled 4 x 4 per pixel, written as RGBA PNGs). The
banner is a JPEG drawn by ImageMagick's `convert` with the DejaVu Sans font.
The results are committed; the build does not run this script.

    scripts/make_artwork.py
"""

import math
import os
import struct
import subprocess
import zlib

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")
PICTURES = os.path.join(ROOT, "resources", "pictures")
SAMPLES = 4

# One palette for every picture.
OUTLINE = (60, 60, 60, 255)
GREY = (150, 150, 150, 255)
LIGHT_GREY = (215, 215, 215, 255)
WHITE = (255, 255, 255, 255)
PAPER = (250, 250, 245, 255)
GREEN = (40, 160, 60, 255)
DARK_GREEN = (20, 110, 35, 255)
RED = (205, 40, 40, 255)
DARK_RED = (140, 20, 20, 255)
BLUE = (45, 105, 195, 255)
DARK_BLUE = (25, 60, 130, 255)
LIGHT_BLUE = (185, 215, 245, 255)
YELLOW = (240, 200, 60, 255)
BROWN = (120, 80, 40, 255)


# Shapes: functions of a point (x, y) in pixel units, true inside.
def rect(x0, y0, x1, y1):
    return lambda x, y: x0 <= x < x1 and y0 <= y < y1


def circle(cx, cy, r):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def ring(cx, cy, r_outer, r_inner, start=None, end=None):
    """A ring; with start and end (degrees, counter-clockwise from 3 o'clock,
    y pointing down) only that arc of it."""

    def inside(x, y):
        d = (x - cx) ** 2 + (y - cy) ** 2
        if not r_inner * r_inner <= d <= r_outer * r_outer:
            return False
        if start is None:
            return True
        angle = math.degrees(math.atan2(cy - y, x - cx)) % 360
        return (angle - start) % 360 <= (end - start) % 360

    return inside


def segment(x0, y0, x1, y1, width):
    """A stroke of the given width between two points, with round ends."""

    def inside(x, y):
        dx, dy = x1 - x0, y1 - y0
        t = ((x - x0) * dx + (y - y0) * dy) / (dx * dx + dy * dy)
        t = max(0.0, min(1.0, t))
        px, py = x0 + t * dx, y0 + t * dy
        return (x - px) ** 2 + (y - py) ** 2 <= (width / 2) ** 2

    return inside


def polygon(*points):
    def inside(x, y):
        result = False
        j = len(points) - 1
        for i in range(len(points)):
            xi, yi = points[i]
            xj, yj = points[j]
            if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
                result = not result
            j = i
        return result

    return inside


def rounded_rect(x0, y0, x1, y1, r):
    def inside(x, y):
        if not (x0 <= x < x1 and y0 <= y < y1):
            return False
        cx = min(max(x, x0 + r), x1 - r)
        cy = min(max(y, y0 + r), y1 - r)
        return (x - cx) ** 2 + (y - cy) ** 2 <= r * r

    return inside


def framed(shape_outer, shape_inner, edge, fill):
    """An outlined shape: the outer shape in the edge colour, the inner one
    in the fill colour."""
    return [(shape_outer, edge), (shape_inner, fill)]


def render(size, layers):
    """Paints the layers (shape, colour) in order; each pixel averages its
    samples, transparent where no shape covers it."""
    pixels = []
    for py in range(size):
        row = []
        for px in range(size):
            total = [0.0, 0.0, 0.0, 0.0]
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    x = px + (sx + 0.5) / SAMPLES
                    y = py + (sy + 0.5) / SAMPLES
                    colour = None
                    for shape, fill in layers:
                        if shape(x, y):
                            colour = fill
                    if colour is not None:
                        alpha = colour[3] / 255.0
                        for c in range(3):
                            total[c] += colour[c] * alpha
                        total[3] += alpha
            count = SAMPLES * SAMPLES
            if total[3] == 0:
                row.append((0, 0, 0, 0))
            else:
                row.append(tuple(round(total[c] / total[3]) for c in range(3))
                           + (round(255 * total[3] / count),))
        pixels.append(row)
    return pixels


def write_png(path, pixels):
    height = len(pixels)
    width = len(pixels[0])
    raw = b"".join(b"\x00" + bytes(v for p in row for v in p) for row in pixels)

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    with open(path, "wb") as out:
        out.write(b"\x89PNG\r\n\x1a\n")
        out.write(chunk(b"IHDR", header))
        out.write(chunk(b"IDAT", zlib.compress(raw, 9)))
        out.write(chunk(b"IEND", b""))


# The pictures, each a list of layers on a 16 x 16 grid.
def box(x0, y0, x1, y1):
    return framed(rect(x0, y0, x1, y1), rect(x0 + 1, y0 + 1, x1 - 1, y1 - 1), OUTLINE, WHITE)


def tick(x0, y0, scale):
    return [(segment(x0, y0 + 2 * scale, x0 + 1.5 * scale, y0 + 3.5 * scale, 1.6), GREEN),
            (segment(x0 + 1.5 * scale, y0 + 3.5 * scale, x0 + 4.5 * scale, y0, 1.6), GREEN)]


def cross(cx, cy, half, width, colour):
    return [(segment(cx - half, cy - half, cx + half, cy + half, width), colour),
            (segment(cx - half, cy + half, cx + half, cy - half, width), colour)]


def magnifier(lens, glass):
    return [(segment(9.5, 9.5, 14, 14, 2.6), BROWN),
            (circle(6.5, 6.5, 5.2), lens),
            (circle(6.5, 6.5, 3.6), glass)]


def sheet():
    return [(polygon((3, 1), (10, 1), (13, 4), (13, 15), (3, 15)), OUTLINE),
            (polygon((4, 2), (9.5, 2), (12, 4.5), (12, 14), (4, 14)), PAPER),
            (polygon((9.5, 1.5), (9.5, 4.5), (12.5, 4.5)), LIGHT_GREY)]


def sheet_lines():
    return [(rect(5.5, y, 10.5, y + 1), GREY) for y in (6, 8, 10, 12)]


PICTURES_16 = {
    "run": [(polygon((4, 2), (13.5, 8), (4, 14)), DARK_GREEN),
            (polygon((5, 3.8), (12, 8), (5, 12.2)), GREEN)],
    "stop": framed(rect(3, 3, 13, 13), rect(4, 4, 12, 12), DARK_RED, RED),
    "select_all": box(1, 5, 11, 15) + tick(3, 7.5, 1.3) + box(5, 1, 15, 11) + tick(7, 3.5, 1.3),
    "select_none": box(1, 5, 11, 15) + box(5, 1, 15, 11),
    "add": [(rect(6.5, 2, 9.5, 14), DARK_GREEN), (rect(2, 6.5, 14, 9.5), DARK_GREEN),
            (rect(7.5, 3, 8.5, 13), GREEN), (rect(3, 7.5, 13, 8.5), GREEN)],
    "delete": [(rect(4, 5, 12, 15), OUTLINE), (rect(5, 6, 11, 14), LIGHT_GREY),
               (rect(6.5, 7, 7.5, 13), GREY), (rect(8.5, 7, 9.5, 13), GREY),
               (rect(2.5, 3, 13.5, 5), OUTLINE), (rect(6, 1.5, 10, 3), OUTLINE)],
    "edit": [(segment(3.5, 12.5, 12, 4, 4.2), OUTLINE), (segment(4, 12, 12, 4, 2.4), YELLOW),
             (polygon((1.5, 14.5), (2.5, 10.5), (5.5, 13.5)), BROWN),
             (segment(11, 3, 13, 5, 2.2), RED)],
    "save": [(rect(2, 2, 14, 14), DARK_BLUE), (rect(3, 3, 13, 13), BLUE),
             (rect(4.5, 3, 11.5, 7.5), WHITE), (rect(5, 9.5, 11, 14), LIGHT_GREY),
             (rect(9, 10.5, 10.5, 13), DARK_BLUE)],
    "download": [(rect(6.5, 1.5, 9.5, 8), DARK_GREEN),
                 (polygon((3, 7.5), (13, 7.5), (8, 12.5)), DARK_GREEN),
                 (rect(7.5, 2.5, 8.5, 8.5), GREEN), (polygon((5, 8.5), (11, 8.5), (8, 11.3)), GREEN),
                 (rect(2, 13, 14, 15), OUTLINE)],
    "mail": framed(rect(1, 3.5, 15, 12.5), rect(2, 4.5, 14, 11.5), OUTLINE, PAPER)
            + [(segment(2, 4.5, 8, 9, 1.1), OUTLINE), (segment(8, 9, 14, 4.5, 1.1), OUTLINE)],
    "web": [(circle(8, 8, 7), DARK_BLUE), (circle(8, 8, 6), BLUE),
            (ring(8, 8, 6, 5.1), LIGHT_BLUE),
            (lambda x, y: ((x - 8) / 2.8) ** 2 + ((y - 8) / 6) ** 2 <= 1
                          and ((x - 8) / 1.9) ** 2 + ((y - 8) / 6) ** 2 >= 1, LIGHT_BLUE),
            (rect(2, 7.5, 14, 8.5), LIGHT_BLUE), (rect(7.5, 2, 8.5, 14), LIGHT_BLUE),
            (rect(3, 4.5, 13, 5.2), LIGHT_BLUE), (rect(3, 10.8, 13, 11.5), LIGHT_BLUE)],
    "help": [(circle(8, 8, 7), DARK_BLUE), (circle(8, 8, 6), BLUE),
             (ring(8, 6.3, 3, 1.6, 330, 190), WHITE), (rect(7.3, 7.5, 8.7, 10), WHITE),
             (circle(8, 12, 1), WHITE)],
    # The pictures of the image list: idle, searching, failed, records.
    "state_idle": [(circle(8, 8, 4.5), GREY), (circle(7.2, 7.2, 1.6), LIGHT_GREY)],
    "state_searching": magnifier(DARK_BLUE, LIGHT_BLUE),
    "state_failed": cross(8, 8, 4.5, 3.6, DARK_RED) + cross(8, 8, 4.5, 2, RED),
    "records": sheet() + sheet_lines(),
}


def program_icon(size):
    """A blue tile with a white magnifying glass over a ranked list, the top
    entry in gold."""
    s = size / 16.0

    def scaled(shape_factory, *args):
        return shape_factory(*(a * s for a in args))

    return [(scaled(rounded_rect, 0.5, 0.5, 15.5, 15.5, 3), DARK_BLUE),
            (scaled(rounded_rect, 1.3, 1.3, 14.7, 14.7, 2.4), BLUE),
            (scaled(segment, 9.3, 9.3, 12.8, 12.8, 2.4), WHITE),
            (scaled(circle, 7, 7, 4.4), WHITE),
            (scaled(circle, 7, 7, 3.1), LIGHT_BLUE),
            (scaled(rect, 5, 5, 9, 6.2), YELLOW),
            (scaled(rect, 5, 7.4, 8.2, 8.4), WHITE)]


BANNER = ["-size", "617x45", "gradient:#1c3d78-#4f8fcf",
          "-font", "DejaVu-Sans-Bold", "-pointsize", "26", "-fill", "#f4f1e4",
          "-annotate", "+14+33", "Quillmark",
          "-fill", "#ffffff40", "-draw", "rectangle 0,0 616,1",
          "-quality", "92", "-sampling-factor", "1x1"]


def main():
    os.makedirs(PICTURES, exist_ok=True)
    for name, layers in PICTURES_16.items():
        write_png(os.path.join(PICTURES, name + ".png"), render(16, layers))
    for size in (16, 32, 48):
        write_png(os.path.join(PICTURES, "quillmark_%d.png" % size),
                  render(size, program_icon(size)))
    banner = os.path.join(ROOT, "resources", "banner.jpg")
    subprocess.run(["convert"] + BANNER + ["-strip", banner], check=True)


if __name__ == "__main__":
    main()
