#!/usr/bin/env python3
"""Draws the screen capture's pointers and writes them as .cur files.

Usage: make-cursors.py [out-dir]     (default: the folder of this script)

The .cur files beside this script are its output, committed so that the
resource compiler needs no Python; run it again after changing a shape.
Everything is drawn from polygons with the standard library only; the output
is the same on every run.

  capture-arrow.cur   the overlay's own pointer: a coloured arrow, hot spot (2, 4)
  resize-nwse.cur     north-west/south-east arrow      hot spot (16, 16)
  resize-nesw.cur     north-east/south-west arrow      hot spot (16, 16)
  move.cur            four-way move arrow              hot spot (16, 16)
  resize-we.cur       west/east arrow                  hot spot (16, 16)
  resize-ns.cur       north/south arrow                hot spot (16, 16)
"""

import math
import os
import struct
import sys

SIZE = 32
BLACK = (0, 0, 0)
WHITE = (255, 255, 255)
TEAL = (10, 100, 130)  # the colour of the selection frame


def inside(polygon, x, y):
    """Even-odd test of the point against the polygon."""
    result = False
    j = len(polygon) - 1
    for i, (xi, yi) in enumerate(polygon):
        xj, yj = polygon[j]
        if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
            result = not result
        j = i
    return result


def rasterise(polygons):
    """Pixels whose centre lies in any of the polygons."""
    return {(x, y) for y in range(SIZE) for x in range(SIZE)
            if any(inside(p, x + 0.5, y + 0.5) for p in polygons)}


def outline(filled):
    """The pixels around a shape, one pixel wide (8-neighbourhood)."""
    ring = set()
    for (x, y) in filled:
        for dx in (-1, 0, 1):
            for dy in (-1, 0, 1):
                p = (x + dx, y + dy)
                if p not in filled and 0 <= p[0] < SIZE and 0 <= p[1] < SIZE:
                    ring.add(p)
    return ring


def double_arrow(angle):
    """A double-headed arrow through the centre, turned by angle degrees."""
    half, head, head_width, shaft = 13.0, 6.0, 5.5, 1.6
    shape = [(-half, 0), (-half + head, -head_width), (-half + head, -shaft),
             (half - head, -shaft), (half - head, -head_width), (half, 0),
             (half - head, head_width), (half - head, shaft), (-half + head, shaft),
             (-half + head, head_width)]
    c, s = math.cos(math.radians(angle)), math.sin(math.radians(angle))
    return [(16 + x * c - y * s, 16 + x * s + y * c) for (x, y) in shape]


def pointer_arrow():
    """The classic slanted arrow with its tip at (2, 4)."""
    return [(2, 4), (2, 25), (7.5, 20), (11.5, 29), (15, 27.5), (11, 18.5), (18.5, 18.5)]


def cursor_file(pixels, hotspot):
    """A .cur file of one 32 x 32, 32-bit image with its AND mask."""
    rows = []
    mask_rows = []
    for y in reversed(range(SIZE)):  # bottom-up
        row = bytearray()
        bits = 0
        for x in range(SIZE):
            colour = pixels.get((x, y))
            if colour is None:
                row += bytes((0, 0, 0, 0))
                bits |= 1 << (31 - x)
            else:
                r, g, b = colour
                row += bytes((b, g, r, 255))
        rows.append(bytes(row))
        mask_rows.append(struct.pack('>I', bits))
    header = struct.pack('<IiiHHIIiiII', 40, SIZE, 2 * SIZE, 1, 32, 0, 0, 0, 0, 0, 0)
    image = header + b''.join(rows) + b''.join(mask_rows)
    directory = struct.pack('<HHH', 0, 2, 1)
    entry = struct.pack('<BBBBHHII', SIZE, SIZE, 0, 0, hotspot[0], hotspot[1], len(image), 22)
    return directory + entry + image


def framed(polygons, fill, frame):
    body = rasterise(polygons)
    pixels = {p: frame for p in outline(body)}
    pixels.update({p: fill for p in body})
    return pixels


def cursors():
    four_way = [double_arrow(0), double_arrow(90)]
    return {
        'capture-arrow.cur': (framed([pointer_arrow()], TEAL, WHITE), (2, 4)),
        'resize-nwse.cur': (framed([double_arrow(45)], BLACK, WHITE), (16, 16)),
        'resize-nesw.cur': (framed([double_arrow(-45)], BLACK, WHITE), (16, 16)),
        'move.cur': (framed(four_way, BLACK, WHITE), (16, 16)),
        'resize-we.cur': (framed([double_arrow(0)], BLACK, WHITE), (16, 16)),
        'resize-ns.cur': (framed([double_arrow(90)], BLACK, WHITE), (16, 16)),
    }


def main():
    out_dir = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    os.makedirs(out_dir, exist_ok=True)
    for name, (pixels, hotspot) in cursors().items():
        with open(os.path.join(out_dir, name), 'wb') as f:
            f.write(cursor_file(pixels, hotspot))


if __name__ == '__main__':
    main()
