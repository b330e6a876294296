#!/usr/bin/env python3
"""Draws Kavrin's icons as PNG files beside this script: the program icon in several sizes and the
12 x 12 mark of an occupied slot. Only the standard library is used, so anyone can redraw them:

    python3 src/resources/draw_icons.py
"""
import math
import os
import struct
import zlib

HERE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "icons")
SAMPLES = 4  # per pixel side: shapes are anti-aliased by averaging SAMPLES x SAMPLES points


def write_png(path, size, pixels):
    """pixels: rows of (r, g, b, a) tuples, 0..255."""
    raw = b"".join(b"\0" + bytes(v for px in row for v in px) for row in pixels)

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
                + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def inside_polygon(x, y, points):
    hit = False
    for (x1, y1), (x2, y2) in zip(points, points[1:] + points[:1]):
        if (y1 > y) != (y2 > y) and x < x1 + (y - y1) * (x2 - x1) / (y2 - y1):
            hit = not hit
    return hit


def near_segment(x, y, a, b, half_width):
    (ax, ay), (bx, by) = a, b
    dx, dy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy)))
    return math.hypot(x - ax - t * dx, y - ay - t * dy) <= half_width


def inside_rounded_square(x, y, margin, radius):
    lo, hi = margin + radius, 1 - margin - radius
    cx, cy = min(max(x, lo), hi), min(max(y, lo), hi)
    return math.hypot(x - cx, y - cy) <= radius


def render(size, layers):
    """layers: (colour, test(x, y) in unit coordinates), painted in order over transparency."""
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            r = g = b = a = 0.0
            for colour, test in layers:
                cover = sum(
                    test((px + (i + 0.5) / SAMPLES) / size, (py + (j + 0.5) / SAMPLES) / size)
                    for i in range(SAMPLES) for j in range(SAMPLES)) / (SAMPLES * SAMPLES)
                if cover:
                    # "Over" compositing with premultiplied channels.
                    r = colour[0] * cover + r * (1 - cover)
                    g = colour[1] * cover + g * (1 - cover)
                    b = colour[2] * cover + b * (1 - cover)
                    a = cover + a * (1 - cover)
            if a:
                row.append((round(r / a), round(g / a), round(b / a), round(a * 255)))
            else:
                row.append((0, 0, 0, 0))
        rows.append(row)
    return rows


def program_icon(size):
    # A stone block, seen from above at an angle, on a deep blue tile: an object of a WAD set.
    top = [(0.50, 0.16), (0.84, 0.34), (0.50, 0.52), (0.16, 0.34)]
    left = [(0.16, 0.34), (0.50, 0.52), (0.50, 0.86), (0.16, 0.68)]
    right = [(0.50, 0.52), (0.84, 0.34), (0.84, 0.68), (0.50, 0.86)]
    edge = 0.012 + 0.5 / size
    return render(size, [
        ((24, 45, 74), lambda x, y: inside_rounded_square(x, y, 0.02, 0.16)),
        ((235, 196, 120), lambda x, y: inside_polygon(x, y, top)),
        ((196, 142, 70), lambda x, y: inside_polygon(x, y, left)),
        ((142, 96, 44), lambda x, y: inside_polygon(x, y, right)),
        ((255, 236, 190), lambda x, y: near_segment(x, y, (0.16, 0.34), (0.50, 0.52), edge)
         or near_segment(x, y, (0.50, 0.52), (0.84, 0.34), edge)),
    ])


def occupied_mark():
    # A green tick: the slot holds an object.
    return render(12, [
        ((36, 140, 60), lambda x, y: near_segment(x, y, (0.16, 0.52), (0.40, 0.78), 0.11)
         or near_segment(x, y, (0.40, 0.78), (0.86, 0.20), 0.11)),
    ])


def main():
    os.makedirs(HERE, exist_ok=True)
    for size in (16, 24, 32, 48, 64, 128, 256):
        write_png(os.path.join(HERE, f"kavrin-{size}.png"), size, program_icon(size))
    write_png(os.path.join(HERE, "occupied.png"), 12, occupied_mark())


if __name__ == "__main__":
    main()
