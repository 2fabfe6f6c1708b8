#!/usr/bin/env python3
"""Checks the pictures and the site list that make-skin.py writes: the file
formats the launcher's loaders expect and the sizes its layout relies on."""

import os
import struct
import subprocess
import sys
import tempfile
import unittest
import zlib

SCRIPT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "make-skin.py")

BMPS = {
    "WorkspaceHead.bmp": (1000, 40),
    "NormalHead.bmp": (120, 40),
    "ActiveHead.bmp": (120, 40),
    "WorkspaceBtn0.bmp": (240, 40),
    "WorkspaceBtn1.bmp": (240, 40),
    "WorkspaceBtn2.bmp": (240, 40),
    "WebBrowserToolbar.bmp": (1000, 32),
    "WebBtnHome.bmp": (96, 24),
    "WebBtnPrev.bmp": (96, 24),
    "WebBtnNext.bmp": (96, 24),
    "WebBtnStop.bmp": (96, 24),
    "WebBtnRefresh.bmp": (96, 24),
}


class Bmp:
    def __init__(self, data):
        self.magic, self.file_size, _, _, self.offset = struct.unpack_from("<2sIHHI", data, 0)
        (self.header_size, self.width, self.height, self.planes, self.bits, self.compression,
         self.image_size, _, _, self.colours_used, _) = struct.unpack_from("<IiiHHIIiiII", data, 14)
        self.data = data

    def pixel(self, x, y):
        """(r, g, b) at x, y counted from the top."""
        stride = (self.width * 3 + 3) & ~3
        at = self.offset + (self.height - 1 - y) * stride + x * 3
        b, g, r = self.data[at:at + 3]
        return r, g, b


def png_rows(data):
    assert data[:8] == b"\x89PNG\r\n\x1a\n"
    at, chunks = 8, []
    while at < len(data):
        length, = struct.unpack_from(">I", data, at)
        kind = data[at + 4:at + 8]
        body = data[at + 8:at + 8 + length]
        crc, = struct.unpack_from(">I", data, at + 8 + length)
        assert crc == zlib.crc32(kind + body) & 0xFFFFFFFF
        chunks.append((kind, body))
        at += 12 + length
    header = chunks[0][1]
    width, height, depth, colour_type = struct.unpack_from(">IIBB", header, 0)
    raw = zlib.decompress(b"".join(body for kind, body in chunks if kind == b"IDAT"))
    return width, height, depth, colour_type, raw, [kind for kind, _ in chunks]


def jpeg_segments(data):
    assert data[:2] == b"\xFF\xD8"
    at, segments = 2, []
    while True:
        marker = data[at + 1]
        length, = struct.unpack_from(">H", data, at + 2)
        segments.append((marker, data[at + 4:at + 2 + length]))
        at += 2 + length
        if marker == 0xDA:
            return segments, data[at:]


class MakeSkinTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.folder = tempfile.TemporaryDirectory()
        subprocess.run([sys.executable, SCRIPT, cls.folder.name], check=True)
        cls.platform = os.path.join(cls.folder.name, "Platform")

    @classmethod
    def tearDownClass(cls):
        cls.folder.cleanup()

    def read(self, name):
        with open(os.path.join(self.platform, name), "rb") as f:
            return f.read()

    def test_bitmaps_are_24_bit_bottom_up_without_a_colour_table(self):
        for name, (width, height) in BMPS.items():
            with self.subTest(name=name):
                data = self.read(name)
                bmp = Bmp(data)
                self.assertEqual(bmp.magic, b"BM")
                self.assertEqual(bmp.file_size, len(data))
                self.assertEqual(bmp.offset, 54)
                self.assertEqual(bmp.header_size, 40)
                self.assertEqual((bmp.width, bmp.height), (width, height))
                self.assertEqual((bmp.planes, bmp.bits, bmp.compression), (1, 24, 0))
                self.assertEqual(bmp.colours_used, 0)
                self.assertEqual(bmp.image_size, ((width * 3 + 3) & ~3) * height)

    def test_strip_background_is_a_gradient(self):
        bmp = Bmp(self.read("WorkspaceHead.bmp"))
        self.assertNotEqual(bmp.pixel(10, 0), bmp.pixel(10, 39))
        self.assertEqual(bmp.pixel(10, 5), bmp.pixel(20, 5))

    def test_the_strip_is_as_tall_as_the_tabs_it_holds(self):
        head = Bmp(self.read("WorkspaceHead.bmp")).height
        for name in ("NormalHead.bmp", "ActiveHead.bmp", "WorkspaceBtn0.bmp"):
            self.assertGreaterEqual(head, Bmp(self.read(name)).height, name)
        self.assertGreaterEqual(head, 40)

    def test_tab_pictures_show_the_selected_face_brighter(self):
        for index in range(3):
            bmp = Bmp(self.read("WorkspaceBtn%d.bmp" % index))
            selected = sum(bmp.pixel(60, 30))
            normal = sum(bmp.pixel(180, 30))
            self.assertGreater(selected, normal + 60)

    def test_buttons_differ_from_cell_to_cell(self):
        for name in (n for n in BMPS if n.startswith("WebBtn")):
            bmp = Bmp(self.read(name))
            cells = [tuple(bmp.pixel(cell * 24 + x, y) for x in range(24) for y in range(24))
                     for cell in range(4)]
            self.assertEqual(len(set(cells)), 4, name)

    def test_loading_strip_is_a_transparent_png_of_twelve_frames(self):
        width, height, depth, colour_type, raw, kinds = png_rows(self.read("LoadingAni.png"))
        self.assertEqual((width, height, depth, colour_type), (768, 64, 8, 6))
        self.assertEqual(kinds[0], b"IHDR")
        self.assertEqual(kinds[-1], b"IEND")
        stride = 1 + width * 4
        self.assertEqual(len(raw), stride * height)
        self.assertTrue(all(raw[y * stride] == 0 for y in range(height)))

        def alpha(x, y):
            return raw[y * stride + 1 + x * 4 + 3]
        self.assertEqual(alpha(0, 0), 0)
        self.assertEqual(alpha(32, 32), 0)  # the middle of the spinner is empty
        frames = [bytes(alpha(f * 64 + x, y) for x in range(64) for y in range(64))
                  for f in range(12)]
        self.assertEqual(len(set(frames)), 12)
        self.assertTrue(all(max(frame) > 200 for frame in frames))

    def test_background_is_a_baseline_jpeg_of_the_page_size(self):
        data = self.read("PlayGameBackground.jpg")
        segments, rest = jpeg_segments(data)
        markers = [m for m, _ in segments]
        self.assertIn(0xC0, markers)
        self.assertEqual(markers.count(0xDB), 1)
        self.assertEqual(markers.count(0xC4), 1)
        sof = dict(segments)[0xC0]
        precision, height, width, components = struct.unpack_from(">BHHB", sof, 0)
        self.assertEqual((precision, width, height, components), (8, 1000, 660, 3))
        self.assertEqual(data[-2:], b"\xFF\xD9")
        scan = rest[:-2]
        # inside the scan every 0xFF is a stuffed data byte
        self.assertTrue(all(scan[i + 1] == 0 for i in range(len(scan) - 1) if scan[i] == 0xFF))

    def test_site_list_is_gbk_with_cr_lf_and_a_name_and_url_per_section(self):
        data = self.read("Config.ini")
        self.assertNotIn(b"\r\n", data.replace(b"\r\n", b""))
        self.assertNotIn(b"\n", data.replace(b"\r\n", b""))
        self.assertNotIn(b"^", data)
        self.assertFalse(data.startswith(b"\xEF\xBB\xBF"))
        sections, current = [], None
        for line in data.split(b"\r\n"):
            tokens = bytes(b if b > 0x20 and b != 0x3D else 0x20 for b in line).split()
            if not tokens:
                continue
            if tokens[0].startswith(b"[") and tokens[0].endswith(b"]"):
                current = {}
                sections.append(current)
            elif current is not None:
                current.setdefault(tokens[0].lower(), tokens[1] if len(tokens) > 1 else b"")
        self.assertGreaterEqual(len(sections), 2)
        for section in sections:
            self.assertTrue(section[b"name"])
            self.assertTrue(section[b"url"])
        names = [s[b"name"].decode("gbk") for s in sections]
        self.assertIn("官网", names)


if __name__ == "__main__":
    unittest.main()
