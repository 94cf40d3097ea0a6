"""The page looks like the desktop window: its pictures against the desktop's own
(docs/screenshots, drawn from the real windows), and its weight."""
import io
import os
import unittest

from PIL import Image, ImageChops

from browser import SITE, PageTest

SCREENSHOTS = os.path.join(os.path.dirname(__file__), "../../docs/screenshots")
BUDGET = 300 * 1024  # bytes, uncompressed: everything the page and its service worker load


def differing(a, b):
    """The share of pixels that differ clearly (by more than a quarter in some colour)."""
    pixels = ImageChops.difference(a, b).getdata()
    return sum(1 for p in pixels if max(p) > 64) / len(pixels)


class Look(PageTest):
    def picture(self, id_):
        self.js("document.activeElement.blur()")  # as the desktop picture: no focus drawn
        return Image.open(io.BytesIO(self.element(id_).screenshot_as_png)).convert("RGB")

    def test_the_window_looks_like_the_desktop_window(self):
        for name, moves in [("start", []), ("mid-game", [5, 9]), ("computer-wins", [5, 9, 7])]:
            with self.subTest(name):
                self.load()
                self.play(moves)
                while self.boxes():
                    self.close_box()
                page = self.picture("frmMain")
                desktop = Image.open(os.path.join(SCREENSHOTS, name + ".png")).convert("RGB")
                self.assertEqual(page.size, desktop.size)
                # The board is drawn from the same pictures, pixel for pixel but for the
                # corners of the sunken frames; the side panel's text is set by another engine.
                board = (0, 0, 226, 220)
                self.assertLess(differing(page.crop(board), desktop.crop(board)), 0.005)
                self.assertLess(differing(page, desktop), 0.03)

    def test_weight(self):
        total = 0
        for folder, _, files in os.walk(SITE):
            total += sum(os.path.getsize(os.path.join(folder, f)) for f in files)
        self.assertLessEqual(total, BUDGET)
        loaded = self.js("return performance.getEntriesByType('navigation').concat("
                         "performance.getEntriesByType('resource')).reduce((s, e) => s + e.decodedBodySize, 0)")
        self.assertGreater(loaded, 50 * 1024)
        self.assertLessEqual(loaded, BUDGET)


if __name__ == "__main__":
    unittest.main()
