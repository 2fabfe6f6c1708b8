#!/usr/bin/env python3
"""Draws the launcher's default skin and writes it below <out-dir>/Platform/.

Usage: make-skin.py <out-dir>

Everything is drawn here from shapes and a small pixel font, with the
standard library only: BMP files are written by hand, the PNG with zlib and
the JPEG with a small baseline encoder of our own. The output is the same on
every run.

Pictures and sizes:
  WorkspaceHead.bmp        1000 x 40   background of the tab strip (its height
                                       is the strip's height: as tall as the tabs)
  NormalHead.bmp           120 x 40    face of a tab without a picture
  ActiveHead.bmp           120 x 40    face of the selected tab without a picture
  WorkspaceBtn0..2.bmp     240 x 40    tab pictures: selected face left,
                                       normal face right (forum, game, tools)
  WebBrowserToolbar.bmp    1000 x 32   background of a web page's toolbar
  WebBtn*.bmp              96 x 24     toolbar buttons: four 24 x 24 cells
                                       (normal, disabled, hover, pressed)
  PlayGameBackground.jpg   1000 x 660  the game page while the game loads
  LoadingAni.png           768 x 64    twelve 64 x 64 frames of the spinner
  Config.ini                           the sample site list, GBK, CR LF
"""

import math
import os
import struct
import sys
import zlib

HEAD_WIDTH = 1000
TAB_WIDTH = 120
TAB_HEIGHT = 40
# the strip is as tall as the picture: a lower one would cut the tabs and their click area
HEAD_HEIGHT = TAB_HEIGHT
TOOLBAR_HEIGHT = 32
BUTTON_CELL = 24
BUTTON_TOP = 4  # where the buttons sit on the toolbar, in pixels
PAGE_WIDTH = 1000
PAGE_HEIGHT = 660
SPINNER_FRAME = 64
SPINNER_FRAMES = 12

# ---------------------------------------------------------------------------
# Colours and a canvas with anti-aliased shapes


def mix(a, b, t):
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(3))


def hex_colour(text):
    return tuple(int(text[i:i + 2], 16) for i in (1, 3, 5))


def gradient(stops, t):
    """Colour at t (0..1) of a gradient given as [(position, '#rrggbb'), ...]."""
    t = min(max(t, 0.0), 1.0)
    for (p0, c0), (p1, c1) in zip(stops, stops[1:]):
        if t <= p1:
            return mix(hex_colour(c0), hex_colour(c1), (t - p0) / (p1 - p0) if p1 > p0 else 0)
    return hex_colour(stops[-1][1])


class Canvas:
    """RGBA pixels as floats; colour 0..255, alpha 0..1."""

    def __init__(self, width, height, colour=(0, 0, 0), alpha=1.0):
        self.width = width
        self.height = height
        self.px = [[colour[0], colour[1], colour[2], alpha] for _ in range(width * height)]

    def fill_rows(self, colour_of_row, top=0, bottom=None, left=0, right=None):
        bottom = self.height if bottom is None else bottom
        right = self.width if right is None else right
        for y in range(top, bottom):
            r, g, b = colour_of_row(y)
            row = y * self.width
            for x in range(left, right):
                self.px[row + x] = [r, g, b, 1.0]

    def blend(self, x, y, colour, alpha):
        if alpha <= 0 or not (0 <= x < self.width and 0 <= y < self.height):
            return
        p = self.px[y * self.width + x]
        out_alpha = alpha + p[3] * (1 - alpha)
        if out_alpha <= 0:
            return
        for i in range(3):
            p[i] = (colour[i] * alpha + p[i] * p[3] * (1 - alpha)) / out_alpha
        p[3] = out_alpha

    def shape(self, distance, box, colour, opacity=1.0):
        """Fills where the signed distance is negative, with a one-pixel soft edge."""
        x0, y0, x1, y1 = (int(math.floor(box[0])), int(math.floor(box[1])),
                          int(math.ceil(box[2])), int(math.ceil(box[3])))
        for y in range(max(0, y0), min(self.height, y1 + 1)):
            for x in range(max(0, x0), min(self.width, x1 + 1)):
                d = distance(x + 0.5, y + 0.5)
                cover = min(max(0.5 - d, 0.0), 1.0)
                if cover > 0:
                    c = colour(x, y) if callable(colour) else colour
                    self.blend(x, y, c, cover * opacity)

    def paste(self, other, left, top):
        for y in range(other.height):
            for x in range(other.width):
                p = other.px[y * other.width + x]
                self.blend(left + x, top + y, p, p[3])

    def rows_rgb(self):
        for y in range(self.height):
            row = self.px[y * self.width:(y + 1) * self.width]
            yield [tuple(min(255, max(0, int(round(c)))) for c in p[:3]) for p in row]


# Signed distance functions (negative inside).

def circle(cx, cy, r):
    return lambda x, y: math.hypot(x - cx, y - cy) - r


def ring(cx, cy, r, width):
    return lambda x, y: abs(math.hypot(x - cx, y - cy) - r) - width / 2


def rounded_rect(left, top, right, bottom, radius):
    cx, cy = (left + right) / 2, (top + bottom) / 2
    hx, hy = (right - left) / 2 - radius, (bottom - top) / 2 - radius

    def distance(x, y):
        qx, qy = abs(x - cx) - hx, abs(y - cy) - hy
        outside = math.hypot(max(qx, 0), max(qy, 0))
        return outside + min(max(qx, qy), 0) - radius
    return distance


def segment(ax, ay, bx, by, width):
    dx, dy = bx - ax, by - ay
    length2 = dx * dx + dy * dy

    def distance(x, y):
        t = 0 if length2 == 0 else min(max(((x - ax) * dx + (y - ay) * dy) / length2, 0), 1)
        return math.hypot(x - ax - t * dx, y - ay - t * dy) - width / 2
    return distance


def convex(points):
    """A convex polygon, its points in clockwise order on screen (y down)."""
    edges = []
    for (x0, y0), (x1, y1) in zip(points, points[1:] + points[:1]):
        length = math.hypot(x1 - x0, y1 - y0)
        edges.append((x0, y0, (y1 - y0) / length, -(x1 - x0) / length))

    def distance(x, y):
        return max((x - x0) * nx + (y - y0) * ny for x0, y0, nx, ny in edges)
    return distance


def box_of(points, margin=1):
    xs = [p[0] for p in points]
    ys = [p[1] for p in points]
    return (min(xs) - margin, min(ys) - margin, max(xs) + margin, max(ys) + margin)


# ---------------------------------------------------------------------------
# A 5 x 7 pixel font for the few words the skin shows

GLYPHS = {
    "A": ["01110", "10001", "10001", "11111", "10001", "10001", "10001"],
    "B": ["11110", "10001", "10001", "11110", "10001", "10001", "11110"],
    "E": ["11111", "10000", "10000", "11110", "10000", "10000", "11111"],
    "F": ["11111", "10000", "10000", "11110", "10000", "10000", "10000"],
    "G": ["01110", "10001", "10000", "10111", "10001", "10001", "01111"],
    "L": ["10000", "10000", "10000", "10000", "10000", "10000", "11111"],
    "M": ["10001", "11011", "10101", "10101", "10001", "10001", "10001"],
    "O": ["01110", "10001", "10001", "10001", "10001", "10001", "01110"],
    "P": ["11110", "10001", "10001", "11110", "10000", "10000", "10000"],
    "R": ["11110", "10001", "10001", "11110", "10100", "10010", "10001"],
    "S": ["01111", "10000", "10000", "01110", "00001", "00001", "11110"],
    "T": ["11111", "00100", "00100", "00100", "00100", "00100", "00100"],
    "U": ["10001", "10001", "10001", "10001", "10001", "10001", "01110"],
    "V": ["10001", "10001", "10001", "10001", "10001", "01010", "00100"],
    "Y": ["10001", "10001", "01010", "00100", "00100", "00100", "00100"],
    " ": ["00000"] * 7,
}


def text_width(text, scale):
    return (len(text) * 6 - 1) * scale


def draw_text(canvas, text, left, top, scale, colour, opacity=1.0):
    for index, char in enumerate(text):
        glyph = GLYPHS[char]
        for row, bits in enumerate(glyph):
            for col, bit in enumerate(bits):
                if bit == "1":
                    x = left + (index * 6 + col) * scale
                    y = top + row * scale
                    canvas.shape(rounded_rect(x, y, x + scale, y + scale, 0),
                                 (x - 1, y - 1, x + scale, y + scale), colour, opacity)


# ---------------------------------------------------------------------------
# File formats

def bmp24(canvas):
    """A 24-bit bottom-up BMP with a 40-byte header and no colour table."""
    stride = (canvas.width * 3 + 3) & ~3
    pixels = bytearray()
    for row in reversed(list(canvas.rows_rgb())):
        line = bytearray()
        for r, g, b in row:
            line += bytes((b, g, r))
        pixels += line + b"\0" * (stride - len(line))
    header = struct.pack("<IiiHHIIiiII", 40, canvas.width, canvas.height, 1, 24, 0,
                         len(pixels), 2835, 2835, 0, 0)
    file_header = struct.pack("<2sIHHI", b"BM", 14 + len(header) + len(pixels), 0, 0,
                              14 + len(header))
    return file_header + header + bytes(pixels)


def png_rgba(canvas):
    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data +
                struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))
    raw = bytearray()
    for y in range(canvas.height):
        raw.append(0)
        for p in canvas.px[y * canvas.width:(y + 1) * canvas.width]:
            raw += bytes(min(255, max(0, int(round(v)))) for v in p[:3])
            raw.append(min(255, max(0, int(round(p[3] * 255)))))
    header = struct.pack(">IIBBBBB", canvas.width, canvas.height, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
            chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b""))


class JpegEncoder:
    """Baseline JPEG, YCbCr without subsampling, Huffman tables made to fit
    the picture (two passes), quantisation tables of our own."""

    def __init__(self):
        self.zigzag = self._zigzag()
        self.dct = [[(math.sqrt(0.5) if u == 0 else 1.0) / 2 *
                     math.cos((2 * x + 1) * u * math.pi / 16) for x in range(8)]
                    for u in range(8)]
        self.quant = [[1 + (u + v) // 2 for v in range(8) for u in range(8)],
                      [2 + (u + v) for v in range(8) for u in range(8)]]
        self.cache = {}

    @staticmethod
    def _zigzag():
        order = []
        for s in range(15):
            rows = range(min(s, 7), max(0, s - 7) - 1, -1) if s % 2 == 0 else \
                range(max(0, s - 7), min(s, 7) + 1)
            order += [row * 8 + (s - row) for row in rows]
        return order

    def encode(self, canvas):
        planes = self._planes(canvas)
        blocks = self._blocks(planes, canvas.width, canvas.height)
        symbols = self._symbols(blocks)
        tables = [self._huffman([s for k, s, _, _ in symbols if k == kind]) for kind in range(4)]
        return self._file(canvas, tables, self._scan(symbols, tables))

    def _planes(self, canvas):
        y_plane, cb_plane, cr_plane = [], [], []
        for row in canvas.rows_rgb():
            y_plane.append([0.299 * r + 0.587 * g + 0.114 * b - 128 for r, g, b in row])
            cb_plane.append([-0.168736 * r - 0.331264 * g + 0.5 * b for r, g, b in row])
            cr_plane.append([0.5 * r - 0.418688 * g - 0.081312 * b for r, g, b in row])
        return [y_plane, cb_plane, cr_plane]

    def _blocks(self, planes, width, height):
        """Quantised coefficients in zigzag order, MCU by MCU (Y, Cb, Cr)."""
        mcus = []
        for by in range(0, height, 8):
            for bx in range(0, width, 8):
                mcu = []
                for component, plane in enumerate(planes):
                    rows = [plane[min(by + y, height - 1)] for y in range(8)]
                    block = tuple(round(rows[y][min(bx + x, width - 1)], 2)
                                  for y in range(8) for x in range(8))
                    mcu.append(self._quantised(block, 0 if component == 0 else 1))
                mcus.append(mcu)
        return mcus

    def _quantised(self, block, table):
        key = (block, table)
        if key not in self.cache:
            m = self.dct
            rows = [[sum(m[u][x] * block[y * 8 + x] for x in range(8)) for u in range(8)]
                    for y in range(8)]
            coefficients = [sum(m[v][y] * rows[y][u] for y in range(8))
                            for v in range(8) for u in range(8)]
            q = self.quant[table]
            self.cache[key] = [int(round(coefficients[i] / q[i])) for i in self.zigzag]
        return self.cache[key]

    @staticmethod
    def _category(value):
        return abs(value).bit_length()

    @staticmethod
    def _amplitude(value, size):
        return value if value >= 0 else value + (1 << size) - 1

    def _symbols(self, blocks):
        """Per block, in scan order: (table kind, symbol, extra bits, their count).
        Table kinds: 0 DC luma, 1 AC luma, 2 DC chroma, 3 AC chroma."""
        out = []
        previous = [0, 0, 0]
        for mcu in blocks:
            for component, coefficients in enumerate(mcu):
                dc_kind, ac_kind = (0, 1) if component == 0 else (2, 3)
                diff = coefficients[0] - previous[component]
                previous[component] = coefficients[0]
                size = self._category(diff)
                out.append((dc_kind, size, self._amplitude(diff, size), size))
                run = 0
                for value in coefficients[1:]:
                    if value == 0:
                        run += 1
                        continue
                    while run > 15:
                        out.append((ac_kind, 0xF0, 0, 0))
                        run -= 16
                    size = self._category(value)
                    out.append((ac_kind, (run << 4) | size, self._amplitude(value, size), size))
                    run = 0
                if run:
                    out.append((ac_kind, 0x00, 0, 0))
        return out

    @staticmethod
    def _huffman(symbols):
        """Code lengths from the frequencies, limited to 16 bits, with one
        reserved symbol so that no code is all ones. Returns (bits, values, codes)."""
        frequency = {}
        for s in symbols:
            frequency[s] = frequency.get(s, 0) + 1
        frequency[256] = 0  # the reserved symbol, rarest of all
        nodes = [(f, s, [s]) for s, f in frequency.items()]
        length = {s: 0 for s in frequency}
        while len(nodes) > 1:
            nodes.sort(key=lambda n: (n[0], -n[1]))
            (f1, s1, m1), (f2, s2, m2) = nodes[0], nodes[1]
            for s in m1 + m2:
                length[s] += 1
            nodes = nodes[2:] + [(f1 + f2, max(s1, s2), m1 + m2)]
        if len(length) == 1:
            length[256] = 1
        bits = [0] * 33
        for s, n in length.items():
            bits[n] += 1
        for i in range(32, 16, -1):
            while bits[i] > 0:
                j = i - 2
                while bits[j] == 0:
                    j -= 1
                bits[i] -= 2
                bits[i - 1] += 1
                bits[j + 1] += 2
                bits[j] -= 1
        i = 16
        while bits[i] == 0:
            i -= 1
        bits[i] -= 1  # drop the reserved symbol's code
        order = sorted((s for s in length if s != 256), key=lambda s: (length[s], s))
        codes, code, k = {}, 0, 0
        for n in range(1, 17):
            for _ in range(bits[n]):
                codes[order[k]] = (code, n)
                code += 1
                k += 1
            code <<= 1
        return bits[1:17], order, codes

    @staticmethod
    def _scan(symbols, tables):
        out = bytearray()
        acc, count = 0, 0

        def put(value, size):
            nonlocal acc, count
            acc = (acc << size) | (value & ((1 << size) - 1))
            count += size
            while count >= 8:
                count -= 8
                byte = (acc >> count) & 0xFF
                out.append(byte)
                if byte == 0xFF:
                    out.append(0)  # a data byte 0xFF is followed by 0 in the scan
            acc &= (1 << count) - 1

        for kind, symbol, extra, size in symbols:
            put(*tables[kind][2][symbol])
            if size:
                put(extra, size)
        if count:
            put((1 << (8 - count)) - 1, 8 - count)  # pad with ones
        return bytes(out)

    def _file(self, canvas, tables, scan):
        def segment_(marker, data):
            return struct.pack(">BBH", 0xFF, marker, len(data) + 2) + data
        jfif = segment_(0xE0, b"JFIF\0" + struct.pack(">BBBHHBB", 1, 1, 0, 1, 1, 0, 0))
        dqt = segment_(0xDB, b"".join(bytes([t]) + bytes(self.quant[t][i] for i in self.zigzag)
                                      for t in (0, 1)))
        sof = segment_(0xC0, struct.pack(">BHHB", 8, canvas.height, canvas.width, 3) +
                       bytes([1, 0x11, 0, 2, 0x11, 1, 3, 0x11, 1]))
        dht = b""
        for kind, table_id in ((0, 0x00), (1, 0x10), (2, 0x01), (3, 0x11)):
            bits, values, _ = tables[kind]
            dht += bytes([table_id]) + bytes(bits) + bytes(values)
        sos = segment_(0xDA, bytes([3, 1, 0x00, 2, 0x11, 3, 0x11, 0, 63, 0]))
        return (b"\xFF\xD8" + jfif + dqt + sof + segment_(0xC4, dht) + sos + scan +
                b"\xFF\xD9")


# ---------------------------------------------------------------------------
# The pictures

STRIP = [(0.0, "#2a3550"), (0.08, "#222c44"), (0.9, "#151c2e"), (1.0, "#0c111d")]
TOOLBAR = [(0.0, "#f4f7fb"), (0.9, "#d6dee9"), (1.0, "#9aa8ba")]
FACE_NORMAL = [(0.0, "#34405a"), (0.75, "#263049"), (1.0, "#1f2840")]
FACE_ACTIVE = [(0.0, "#4f86c6"), (0.75, "#2f5f9a"), (1.0, "#284f82")]
SKY = [(0.0, "#05081a"), (0.45, "#14103a"), (0.8, "#2a1450"), (1.0, "#3b1a55")]


def strip_colour(y):
    return gradient(STRIP, y / (HEAD_HEIGHT - 1))


def workspace_head():
    canvas = Canvas(HEAD_WIDTH, HEAD_HEIGHT)
    canvas.fill_rows(strip_colour)
    # a soft glow in the middle, where the tabs are
    glow = hex_colour("#5a7bb5")
    for y in range(HEAD_HEIGHT):
        for x in range(HEAD_WIDTH):
            t = math.exp(-((x - HEAD_WIDTH / 2) / 320.0) ** 2) * 0.12 * (1 - y / HEAD_HEIGHT)
            canvas.blend(x, y, glow, t)
    return canvas


def tab_face(canvas, left, stops, border):
    """A tab face with rounded top corners over the strip's background."""
    canvas.fill_rows(lambda y: strip_colour(min(y, HEAD_HEIGHT - 1)), left=left,
                     right=left + TAB_WIDTH)
    face = rounded_rect(left + 1, 1, left + TAB_WIDTH - 1, TAB_HEIGHT + 8, 6)
    canvas.shape(face, (left, 0, left + TAB_WIDTH, TAB_HEIGHT), hex_colour(border))
    inner = rounded_rect(left + 2, 2, left + TAB_WIDTH - 2, TAB_HEIGHT + 8, 5)
    canvas.shape(inner, (left, 0, left + TAB_WIDTH, TAB_HEIGHT),
                 lambda x, y: gradient(stops, y / (HEAD_HEIGHT - 1)))


def globe_icon(canvas, cx, cy, colour):
    canvas.shape(ring(cx, cy, 7, 1.6), (cx - 9, cy - 9, cx + 9, cy + 9), colour)
    canvas.shape(segment(cx - 7, cy, cx + 7, cy, 1.4), (cx - 9, cy - 2, cx + 9, cy + 2), colour)
    meridian = lambda x, y: abs(math.hypot((x - cx) / 0.45, y - cy) * 0.45 - 3.15) - 0.7
    canvas.shape(meridian, (cx - 5, cy - 8, cx + 5, cy + 8), colour)


def play_icon(canvas, cx, cy, colour):
    points = [(cx - 5, cy - 7), (cx + 7, cy), (cx - 5, cy + 7)]
    canvas.shape(convex(points), box_of(points), colour)


def gear_icon(canvas, cx, cy, colour):
    canvas.shape(ring(cx, cy, 4.5, 3.2), (cx - 8, cy - 8, cx + 8, cy + 8), colour)
    for k in range(8):
        a = k * math.pi / 4
        canvas.shape(segment(cx + 5 * math.cos(a), cy + 5 * math.sin(a),
                             cx + 7.5 * math.cos(a), cy + 7.5 * math.sin(a), 2.6),
                     (cx - 10, cy - 10, cx + 10, cy + 10), colour)


def head_picture(active):
    canvas = Canvas(TAB_WIDTH, TAB_HEIGHT)
    if active:
        tab_face(canvas, 0, FACE_ACTIVE, "#7fb0ea")
        globe_icon(canvas, 14, 16, hex_colour("#ffffff"))
    else:
        tab_face(canvas, 0, FACE_NORMAL, "#4a5878")
        globe_icon(canvas, 14, 16, hex_colour("#9fb0cc"))
    return canvas


def tab_picture(label, icon):
    """Selected face on the left half, normal face on the right."""
    canvas = Canvas(TAB_WIDTH * 2, TAB_HEIGHT)
    looks = [(FACE_ACTIVE, "#7fb0ea", "#ffffff"), (FACE_NORMAL, "#4a5878", "#b4c0d6")]
    for frame, (stops, border, ink) in enumerate(looks):
        left = frame * TAB_WIDTH
        tab_face(canvas, left, stops, border)
        width = 22 + text_width(label, 2)
        start = left + (TAB_WIDTH - width) // 2
        icon(canvas, start + 7, 16, hex_colour(ink))
        draw_text(canvas, label, start + 22, 9, 2, hex_colour(ink))
    return canvas


def toolbar_colour(y):
    return gradient(TOOLBAR, y / (TOOLBAR_HEIGHT - 1))


def web_toolbar():
    canvas = Canvas(HEAD_WIDTH, TOOLBAR_HEIGHT)
    canvas.fill_rows(toolbar_colour)
    return canvas


def home_glyph(canvas, ox, oy, colour):
    house = [(ox + 12, oy + 4), (ox + 20, oy + 11), (ox + 18, oy + 11), (ox + 18, oy + 19),
             (ox + 6, oy + 19), (ox + 6, oy + 11), (ox + 4, oy + 11)]
    roof, walls = [house[0], house[1], house[6]], house[2:6]
    canvas.shape(convex(roof), box_of(roof), colour)
    canvas.shape(convex(walls), box_of(walls), colour)


def arrow_glyph(canvas, ox, oy, colour, pointing_left):
    sign = -1 if pointing_left else 1
    cx = ox + 12
    head = [(cx + sign * 7, oy + 12), (cx - sign * 1, oy + 5), (cx - sign * 1, oy + 19)]
    if not pointing_left:
        head = [head[0], head[2], head[1]]  # keep the points clockwise
    canvas.shape(convex(head), box_of(head), colour)
    canvas.shape(segment(cx - sign * 7, oy + 12, cx, oy + 12, 4), (ox, oy, ox + 24, oy + 24),
                 colour)


def stop_glyph(canvas, ox, oy, colour):
    canvas.shape(segment(ox + 7, oy + 7, ox + 17, oy + 17, 3), (ox, oy, ox + 24, oy + 24), colour)
    canvas.shape(segment(ox + 17, oy + 7, ox + 7, oy + 17, 3), (ox, oy, ox + 24, oy + 24), colour)


def refresh_glyph(canvas, ox, oy, colour):
    cx, cy = ox + 12, oy + 12

    def arc(x, y):
        angle = math.atan2(y - cy, x - cx)
        gap = 0.0 if not (-1.9 < angle < -0.5) else 1.0
        return max(abs(math.hypot(x - cx, y - cy) - 6.5) - 1.5, gap - 0.5)
    canvas.shape(arc, (ox + 3, oy + 3, ox + 21, oy + 21), colour)
    head = [(cx + 2, oy + 1), (cx + 8, oy + 6), (cx + 1, oy + 10)]
    canvas.shape(convex(head), box_of(head), colour)


def button_strip(glyph):
    """Four cells: normal, a greyed one the launcher never shows, hover, pressed."""
    canvas = Canvas(BUTTON_CELL * 4, BUTTON_CELL)
    canvas.fill_rows(lambda y: toolbar_colour(BUTTON_TOP + y))
    looks = [(None, None, "#34495e", 0), (None, None, "#a3adbb", 0),
             ("#ffffff", "#7fa6d6", "#1d5fa8", 0), ("#b8cbe2", "#5d87bf", "#123f73", 1)]
    for cell, (fill, border, ink, shift) in enumerate(looks):
        ox = cell * BUTTON_CELL
        if fill:
            box = (ox, 0, ox + BUTTON_CELL, BUTTON_CELL)
            canvas.shape(rounded_rect(ox + 0.5, 0.5, ox + 23.5, 23.5, 4), box, hex_colour(border))
            canvas.shape(rounded_rect(ox + 1.5, 1.5, ox + 22.5, 22.5, 3), box, hex_colour(fill),
                         0.85)
        glyph(canvas, ox + shift, shift, hex_colour(ink))
    return canvas


def starfield(canvas, count, seed):
    state = seed
    for _ in range(count):
        state = (state * 1103515245 + 12345) & 0x7FFFFFFF
        x = state % PAGE_WIDTH
        state = (state * 1103515245 + 12345) & 0x7FFFFFFF
        y = state % int(PAGE_HEIGHT * 0.75)
        state = (state * 1103515245 + 12345) & 0x7FFFFFFF
        size = 0.5 + (state % 100) / 100.0
        light = 0.35 + (state % 61) / 100.0
        canvas.shape(circle(x + 0.5, y + 0.5, size), (x - 2, y - 2, x + 3, y + 3),
                     (215, 225, 255), light)


def planet(canvas, cx, cy, r):
    base = hex_colour("#2f7394")
    shade = hex_colour("#0b1a33")
    light = hex_colour("#8fd3e8")

    def colour(x, y):
        nx, ny = (x - cx) / r, (y - cy) / r
        nz = math.sqrt(max(0.0, 1 - nx * nx - ny * ny))
        lit = max(0.0, -0.55 * nx - 0.55 * ny + 0.63 * nz)
        band = 0.08 * math.sin(ny * 14 + 0.6 * math.sin(nx * 3))
        c = mix(shade, base, min(1.0, lit * 1.4 + band))
        return mix(c, light, max(0.0, lit - 0.75) * 2)
    canvas.shape(circle(cx, cy, r), (cx - r - 1, cy - r - 1, cx + r + 1, cy + r + 1), colour)


def planet_ring(canvas, cx, cy, rx, ry, front):
    def distance(x, y):
        k = math.hypot((x - cx) / rx, (y - cy) / ry)
        d = abs(k - 1) * ry - 3.0
        behind = (y < cy) if front else (y >= cy)
        return d if not behind else 1.0
    colour = lambda x, y: mix(hex_colour("#c9b48a"), hex_colour("#6d5a7a"),
                              abs(x - cx) / rx * 0.8)
    canvas.shape(distance, (cx - rx - 8, cy - ry - 8, cx + rx + 8, cy + ry + 8), colour, 0.85)


def hills(canvas):
    def height(x):
        return (PAGE_HEIGHT - 90 + 28 * math.sin(x / 97.0) + 17 * math.sin(x / 41.0 + 1.3) +
                9 * math.sin(x / 17.0 + 0.4))
    far = hex_colour("#1a1236")
    near = hex_colour("#0a0818")
    canvas.shape(lambda x, y: (height(x * 0.7 + 300) - 35) - y, (0, PAGE_HEIGHT - 170, PAGE_WIDTH,
                                                                 PAGE_HEIGHT), far)
    canvas.shape(lambda x, y: height(x) - y, (0, PAGE_HEIGHT - 140, PAGE_WIDTH, PAGE_HEIGHT), near)


def game_background():
    canvas = Canvas(PAGE_WIDTH, PAGE_HEIGHT)
    canvas.fill_rows(lambda y: gradient(SKY, y / (PAGE_HEIGHT - 1)))
    starfield(canvas, 170, 20240601)
    planet_ring(canvas, 770, 200, 215, 46, front=False)
    planet(canvas, 770, 200, 118)
    planet_ring(canvas, 770, 200, 215, 46, front=True)
    planet(canvas, 170, 130, 26)
    hills(canvas)
    title = "ORBAVEL"
    draw_text(canvas, title, (PAGE_WIDTH - text_width(title, 6)) // 2, 420, 6,
              hex_colour("#e8dcc0"), 0.9)
    return canvas


def loading_strip():
    canvas = Canvas(SPINNER_FRAME * SPINNER_FRAMES, SPINNER_FRAME, alpha=0.0)
    ink = hex_colour("#e6f4ff")
    for frame in range(SPINNER_FRAMES):
        ox = frame * SPINNER_FRAME + SPINNER_FRAME / 2
        oy = SPINNER_FRAME / 2
        for dot in range(SPINNER_FRAMES):
            age = (frame - dot) % SPINNER_FRAMES
            angle = -math.pi / 2 + dot * 2 * math.pi / SPINNER_FRAMES
            x, y = ox + 22 * math.cos(angle), oy + 22 * math.sin(angle)
            radius = 5.0 - age * 0.22
            opacity = max(0.12, 1.0 - age / 10.0)
            canvas.shape(circle(x, y, radius), (x - 7, y - 7, x + 7, y + 7), ink, opacity)
    return canvas


# ---------------------------------------------------------------------------
# The site list

SITES = [
    ("Official", "官网", "https://www.example.com/"),
    ("News", "新闻", "https://www.example.com/news/"),
    ("Guide", "攻略", "https://www.example.org/guide/"),
]


def config_ini():
    """GBK text with CR LF line ends: one section per site with Name and Url."""
    lines = []
    for section, name, url in SITES:
        lines += ["[%s]" % section, "Name=%s" % name, "Url=%s" % url, ""]
    data = "\r\n".join(lines).encode("gbk")
    # '^' stands for a blank in the reader, byte by byte: no GBK trail byte may be one.
    assert b"^" not in data
    return data


# ---------------------------------------------------------------------------

def pictures():
    yield "WorkspaceHead.bmp", lambda: bmp24(workspace_head())
    yield "NormalHead.bmp", lambda: bmp24(head_picture(active=False))
    yield "ActiveHead.bmp", lambda: bmp24(head_picture(active=True))
    for index, (label, icon) in enumerate([("FORUM", globe_icon), ("PLAY", play_icon),
                                           ("TOOLS", gear_icon)]):
        yield "WorkspaceBtn%d.bmp" % index, (lambda l=label, i=icon: bmp24(tab_picture(l, i)))
    yield "WebBrowserToolbar.bmp", lambda: bmp24(web_toolbar())
    glyphs = [("Home", home_glyph), ("Prev", lambda c, x, y, k: arrow_glyph(c, x, y, k, True)),
              ("Next", lambda c, x, y, k: arrow_glyph(c, x, y, k, False)),
              ("Stop", stop_glyph), ("Refresh", refresh_glyph)]
    for name, glyph in glyphs:
        yield "WebBtn%s.bmp" % name, (lambda g=glyph: bmp24(button_strip(g)))
    yield "PlayGameBackground.jpg", lambda: JpegEncoder().encode(game_background())
    yield "LoadingAni.png", lambda: png_rgba(loading_strip())
    yield "Config.ini", config_ini


def main(argv):
    if len(argv) != 2:
        sys.stderr.write("usage: make-skin.py <out-dir>\n")
        return 2
    folder = os.path.join(argv[1], "Platform")
    os.makedirs(folder, exist_ok=True)
    for name, make in pictures():
        with open(os.path.join(folder, name), "wb") as f:
            f.write(make())
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
