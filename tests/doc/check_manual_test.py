#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""The manual's checker finds what a reader would stumble on, in a small manual made here."""

import os
import struct
import sys
import tempfile
import unittest
import zlib

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import check_manual  # noqa: E402


def png(width, height):
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))
    rows = b"".join(b"\x00" + b"\x00\x00\x00" * width for _ in range(height))
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(rows)) + chunk(b"IEND", b""))


def page(body, title="t"):
    return f'<!DOCTYPE html><html lang="ja"><head><title>{title}</title></head><body>{body}</body></html>'


class CheckManualTest(unittest.TestCase):
    def manual(self, files):
        folder = tempfile.mkdtemp()
        self.addCleanup(lambda: __import__("shutil").rmtree(folder))
        for name, content in files.items():
            path = os.path.join(folder, name)
            os.makedirs(os.path.dirname(path), exist_ok=True)
            with open(path, "wb" if isinstance(content, bytes) else "w") as file:
                file.write(content)
        return folder

    def test_a_sound_manual_passes(self):
        folder = self.manual({
            "index.html": page('<a href="b.html#x">b</a> <a href="https://example.org/">web</a>'
                               '<a href="images/a@2x.png"><img src="images/a.png" srcset="images/a@2x.png 2x"'
                               ' alt="a" width="3" height="2"></a>'),
            "b.html": page('<h2 id="x">x</h2><p>one<p>two<a href="index.html">back</a>'),
            "images/a.png": png(3, 2),
            "images/a@2x.png": png(6, 4),
        })
        self.assertEqual(check_manual.check(folder), [])

    def test_the_pictures_for_screens_at_200_percent(self):
        folder = self.manual({
            "index.html": page('<img src="images/a.png" srcset="images/a@2x.png 2x" alt="a" width="3" height="2">'
                               '<img src="images/b.png" srcset="images/b@2x.png 2x" alt="b" width="3" height="2">'
                               '<img src="images/c.png" alt="c" width="3" height="2">'
                               '<img src="images/d.png" srcset="images/d@2x.png 600w" alt="d" width="3" height="2">'
                               '<a href="images/gone@2x.png">full size</a>'),
            "images/a.png": png(3, 2),
            "images/a@2x.png": png(6, 5),
            "images/b.png": png(3, 2),
            "images/c.png": png(3, 2),
            "images/d.png": png(3, 2),
            "images/d@2x.png": png(6, 4),
        })
        faults = "\n".join(check_manual.check(folder))
        for expected in ["images/a@2x.png is 6x5, not 2 times the 3x2 the page says",
                         "missing file: images/b@2x.png",
                         "images/c.png has no picture for screens at 200 %",
                         "images/d@2x.png has no scale (such as 2x) in srcset",
                         "link to a missing file: images/gone@2x.png"]:
            self.assertIn(expected, faults)

    def test_every_kind_of_fault_is_named(self):
        folder = self.manual({
            "index.html": page('<a href="b.html#nowhere">b</a><a href="gone.html">gone</a>'
                               '<img src="images/a.png" alt="a" width="4" height="2">'
                               '<img src="images/missing.png" alt="m" width="1" height="1">'
                               '<img src="https://example.org/t.png" alt="t">'
                               '<div><span>open</div>'),
            "b.html": page("<p>no way here</p>", title=""),
            "images/a.png": png(3, 2),
            "images/stray.png": png(1, 1),
        })
        faults = "\n".join(check_manual.check(folder))
        for expected in ["b.html has no #nowhere", "link to a missing page: gone.html",
                         "images/a.png is 3x2, not the 4x2 the page says", "missing file: images/missing.png",
                         "loads from outside the manual", "</div> closes nothing open", "b.html: no title",
                         "images/stray.png: used by no page"]:
            self.assertIn(expected, faults)

    def test_a_page_no_link_reaches(self):
        folder = self.manual({"index.html": page("alone"), "lost.html": page("lost")})
        self.assertIn("lost.html: no way to it from index.html", check_manual.check(folder))


if __name__ == "__main__":
    unittest.main()
