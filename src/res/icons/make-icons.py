#!/usr/bin/env python3
"""Draws the workspace's browser button icons and writes them as .ico files.

Usage: make-icons.py [out-dir]     (default: the folder of this script)

The .ico files beside this script are its output, committed so that the
resource compiler needs no Python; run it again after changing a picture.
Standard library only; the output is the same on every run.

  browser-back.ico      a green disc with a white arrow pointing left  (icon 134)
  browser-forward.ico   the same arrow pointing right                  (icon 133)

Each holds one 32 x 32 image, 32 bits a pixel with alpha, drawn with 4 x 4
samples a pixel so that the disc and the arrow have soft edges.
"""

import os
import struct
import sys

SIZE = 32
SAMPLES = 4
GREEN_LIGHT = (90, 190, 90)
GREEN_DARK = (20, 120, 40)
RIM = (10, 80, 25)
WHITE = (255, 255, 255)


def arrow_left(x, y):
    """Whether the point (centred coordinates) lies on an arrow pointing left."""
    if -9.5 <= x <= -1.0:  # the head: a triangle with its tip at x = -9.5
        return abs(y) <= (x + 9.5) * 0.95
    return -1.0 < x <= 9.0 and abs(y) <= 3.2  # the shaft


def colour_at(x, y, mirrored):
    """The colour and coverage of one sample; x and y relative to the centre."""
    r2 = x * x + y * y
    if r2 > 15.0 * 15.0:
        return None
    if r2 > 13.6 * 13.6:
        return RIM
    if arrow_left(-x if mirrored else x, y):
        return WHITE
    t = (y + 15.0) / 30.0  # lighter at the top, as if lit from above
    return tuple(round(a + (b - a) * t) for a, b in zip(GREEN_LIGHT, GREEN_DARK))


def pixel(px, py, mirrored):
    """The averaged sample colours of one pixel, straight (not premultiplied) alpha."""
    total = [0, 0, 0]
    covered = 0
    for sy in range(SAMPLES):
        for sx in range(SAMPLES):
            x = px + (sx + 0.5) / SAMPLES - SIZE / 2
            y = py + (sy + 0.5) / SAMPLES - SIZE / 2
            colour = colour_at(x, y, mirrored)
            if colour is not None:
                covered += 1
                total = [t + c for t, c in zip(total, colour)]
    if not covered:
        return (0, 0, 0, 0)
    r, g, b = (round(t / covered) for t in total)
    return (r, g, b, round(255 * covered / (SAMPLES * SAMPLES)))


def icon_file(mirrored):
    """An .ico file of one 32 x 32, 32-bit image with its AND mask."""
    rows = []
    mask_rows = []
    for py in reversed(range(SIZE)):  # bottom-up
        row = bytearray()
        bits = 0
        for px in range(SIZE):
            r, g, b, a = pixel(px, py, mirrored)
            row += bytes((b, g, r, a))
            if a == 0:
                bits |= 1 << (31 - px)
        rows.append(bytes(row))
        mask_rows.append(struct.pack('>I', bits))
    header = struct.pack('<IiiHHIIiiII', 40, SIZE, 2 * SIZE, 1, 32, 0, 0, 0, 0, 0, 0)
    image = header + b''.join(rows) + b''.join(mask_rows)
    directory = struct.pack('<HHH', 0, 1, 1)
    entry = struct.pack('<BBBBHHII', SIZE, SIZE, 0, 0, 1, 32, len(image), 22)
    return directory + entry + image


def main():
    out_dir = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    os.makedirs(out_dir, exist_ok=True)
    for name, mirrored in (('browser-back.ico', False), ('browser-forward.ico', True)):
        with open(os.path.join(out_dir, name), 'wb') as f:
            f.write(icon_file(mirrored))


if __name__ == '__main__':
    main()
