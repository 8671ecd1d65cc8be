#!/usr/bin/env python3
"""Draw the Scorewright application icon.

A rounded teal-to-blue tile holding a sheet of paper with a few lines of
text, a red check mark, and a green score ring in the lower right corner.
Uses only the standard library. Every shape is a signed distance function,
and edges are anti-aliased from each pixel's distance to the boundary.

    python3 resources/make_icon.py resources/Scoremill256.png

Without an argument it writes Scoremill256.png next to this script.
The output is byte-for-byte identical on every run.
"""
import math
import os
import struct
import sys
import zlib

SIZE = 256


# --- distance functions (negative inside, in pixels) -----------------------

def rounded_box(px, py, cx, cy, hw, hh, r):
    qx = abs(px - cx) - hw + r
    qy = abs(py - cy) - hh + r
    outside = math.hypot(max(qx, 0.0), max(qy, 0.0))
    return outside + min(max(qx, qy), 0.0) - r


def segment(px, py, ax, ay, bx, by, half_width):
    dx, dy = bx - ax, by - ay
    t = ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy)
    t = min(max(t, 0.0), 1.0)
    return math.hypot(px - ax - t * dx, py - ay - t * dy) - half_width


def arc(px, py, cx, cy, radius, sweep, half_width):
    """Arc starting at twelve o'clock and running clockwise for `sweep` rad."""
    x, y = px - cx, py - cy
    theta = math.atan2(x, -y) % (2 * math.pi)
    if theta <= sweep:
        return abs(math.hypot(x, y) - radius) - half_width
    ex, ey = radius * math.sin(sweep), -radius * math.cos(sweep)
    return min(math.hypot(x, y + radius), math.hypot(x - ex, y - ey)) - half_width


def coverage(d):
    return min(max(0.5 - d, 0.0), 1.0)


def shadow(d, spread):
    """Soft falloff outside a shape, for drop shadows."""
    return min(max(1.0 - d / spread, 0.0), 1.0) ** 2


def rotate(px, py, cx, cy, angle):
    c, s = math.cos(angle), math.sin(angle)
    x, y = px - cx, py - cy
    return cx + c * x + s * y, cy - s * x + c * y


def mix(a, b, t):
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(3))


# --- palette and layout ------------------------------------------------------

TEAL = (16, 127, 128)
BLUE = (7, 63, 128)
PAPER = (255, 255, 255)
INK = (176, 186, 196)
RED = (214, 48, 49)
GREEN = (16, 127, 64)
TRACK = (218, 226, 230)
SHADOW = (0, 20, 40)

TILE = (128.0, 128.0, 116.0, 116.0, 46.0)        # centre, half extents, radius
SHEET_C = (112.0, 118.0)
SHEET_HALF = (64.0, 82.0)
SHEET_ANGLE = math.radians(-5.0)
TEXT_LINES = [(-42, -56, 80), (-42, -36, 44), (-42, -16, 68), (-42, 4, 24)]  # x, y, length
CHECK = [(64.0, 146.0), (93.0, 177.0), (150.0, 100.0)]
RING_C = (182.0, 184.0)
RING_R = 33.0
RING_SWEEP = 2 * math.pi * 0.78


def shade(px, py):
    """Colour and alpha of one pixel centre, painted back to front."""
    tile_d = rounded_box(px, py, *TILE)
    a = coverage(tile_d)
    if a <= 0.0:
        return (0.0, 0.0, 0.0), 0.0
    t = (py - (TILE[1] - TILE[3])) / (2 * TILE[3])
    rgb = mix(TEAL, BLUE, min(max(t, 0.0), 1.0))

    def paint(colour, amount):
        nonlocal rgb
        if amount > 0.0:
            rgb = mix(rgb, colour, amount)

    # soft shadow under the sheet, then the sheet itself
    sx, sy = rotate(px, py, *SHEET_C, SHEET_ANGLE)
    sheet_d = rounded_box(sx, sy, *SHEET_C, *SHEET_HALF, 7.0)
    shadow_d = rounded_box(sx - 3, sy - 6, *SHEET_C, *SHEET_HALF, 7.0)
    paint(SHADOW, 0.30 * shadow(shadow_d, 10.0))
    paint(PAPER, coverage(sheet_d))

    # text lines, clipped to the sheet
    lx, ly = sx - SHEET_C[0], sy - SHEET_C[1]
    ink = max(coverage(segment(lx, ly, x0, y, x0 + length, y, 4.0))
              for x0, y, length in TEXT_LINES)
    paint(INK, min(ink, coverage(sheet_d)))

    # score ring: white disc, grey track, green progress arc
    rx, ry = px - RING_C[0], py - RING_C[1]
    disc_r = RING_R + 13.0
    paint(SHADOW, 0.25 * shadow(math.hypot(rx - 2, ry - 4) - disc_r, 8.0))
    paint(PAPER, coverage(math.hypot(rx, ry) - disc_r))
    paint(TRACK, coverage(abs(math.hypot(rx, ry) - RING_R) - 8.0))
    paint(GREEN, coverage(arc(px, py, *RING_C, RING_R, RING_SWEEP, 8.0)))

    # the check mark goes on top of everything
    (ax, ay), (bx, by), (cx, cy) = CHECK
    check_d = min(segment(px, py, ax, ay, bx, by, 12.0),
                  segment(px, py, bx, by, cx, cy, 12.0))
    paint(RED, coverage(check_d))
    return rgb, a


def render():
    rows = []
    for y in range(SIZE):
        row = bytearray([0])                      # PNG filter type: none
        for x in range(SIZE):
            rgb, a = shade(x + 0.5, y + 0.5)
            row += bytes(round(c) for c in rgb) if a > 0 else b"\0\0\0"
            row.append(round(a * 255))
        rows.append(bytes(row))
    return b"".join(rows)


def write_png(path, raw):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    header = struct.pack(">IIBBBBB", SIZE, SIZE, 8, 6, 0, 0, 0)  # 8-bit RGBA
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n")
        f.write(chunk(b"IHDR", header))
        f.write(chunk(b"IDAT", zlib.compress(raw, 9)))
        f.write(chunk(b"IEND", b""))


if __name__ == "__main__":
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "Scoremill256.png")
    write_png(out, render())
