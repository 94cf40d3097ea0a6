"""The page looks like the desktop window: its pictures against the desktop's own
(docs/screenshots, drawn from the real windows), and its weight."""
import os
import unittest

from PIL import Image, ImageChops

from browser import ENGINE, SITE, PageTest

SCREENSHOTS = os.path.join(os.path.dirname(__file__), "../../docs/screenshots")
BUDGET = 300 * 1024  # bytes, uncompressed: everything the page and its service worker load
TEXT = {"webkit": 0.04}.get(ENGINE, 0.03)  # the share of pixels where another engine sets the text apart


def differing(a, b):
    """The share of pixels that differ clearly (by more than a quarter in some colour)."""
    pixels = ImageChops.difference(a, b).getdata()
    return sum(1 for p in pixels if max(p) > 64) / len(pixels)


def desktop(name):
    return Image.open(os.path.join(SCREENSHOTS, name + ".png")).convert("RGB")


class Look(PageTest):
    def test_the_window_looks_like_the_desktop_window(self):
        for name, moves in [("start", []), ("mid-game", [5, 9]), ("computer-wins", [5, 9, 7])]:
            with self.subTest(name):
                self.load()
                self.play(moves)
                while self.boxes():
                    self.close_box()
                page, drawn = self.picture("frmMain"), desktop(name)
                self.assertEqual(page.size, drawn.size)
                # The board is drawn from the same pictures, pixel for pixel but for the
                # corners of the sunken frames; the side panel's text is set by another engine.
                board = (0, 0, 226, 220)
                self.assertLess(differing(page.crop(board), drawn.crop(board)), 0.005)
                self.assertLess(differing(page, drawn), TEXT)

    def test_the_about_window_looks_like_the_desktop_one(self):
        self.click("cmdAbout")
        page = self.picture("frmAbout").crop((3, 21, 3 + 437, 21 + 333))  # its client area
        self.assertLess(differing(page, desktop("about")), TEXT)

    def test_weight(self):
        total = 0
        for folder, _, files in os.walk(SITE):  # not the compressed copies, sent in a file's stead
            total += sum(os.path.getsize(os.path.join(folder, f)) for f in files if not f.endswith((".br", ".gz")))
        self.assertLessEqual(total, BUDGET)
        if ENGINE != "chromium":
            return  # only Chromium tells the bytes loaded
        loaded = self.js("return performance.getEntriesByType('navigation').concat("
                         "performance.getEntriesByType('resource')).reduce((s, e) => s + e.decodedBodySize, 0)")
        self.assertGreater(loaded, 50 * 1024)
        self.assertLessEqual(loaded, BUDGET)


class SharpLook(PageTest):
    """On a screen of twice the density the squares show the marks drawn for it, as the
    desktop window does: the same pixels as its picture at ratio 2."""

    chromium_options = {"scale": 2}

    @unittest.skipUnless(ENGINE == "chromium", "needs a denser screen")
    def test_marks_at_ratio_2(self):
        self.play([5, 9, 7])
        self.close_box()
        page, drawn = self.picture("frmMain"), desktop("computer-wins@2x")
        for square, (left, top) in enumerate([(10, 4), (82, 4), (154, 4), (10, 79), (82, 79), (154, 79),
                                              (10, 155), (82, 155), (154, 155)], start=1):
            with self.subTest(square=square):
                # The square's own area (61 x 53 inside its cell panel), in device pixels.
                area = tuple(2 * v for v in (left + 3, top + 3, left + 3 + 61, top + 3 + 53))
                self.assertEqual(differing(page.crop(area), drawn.crop(area)), 0)


if __name__ == "__main__":
    unittest.main()
