"""The page on phones and tablets (Chromium's emulation of touch screens of ratio 3): every
window fits the screen in both orientations, stays sharp, and taps play."""
import unittest

from browser import PageTest, only_in

SCREENS = [(360, 640), (390, 844), (844, 390), (768, 1024)]


@only_in("chromium")
class Phone(PageTest):
    def setUp(self):
        pass  # each screen loads the page afresh

    def screen(self, width, height):
        self.browser.cdp("Emulation.setDeviceMetricsOverride",
                         {"width": width, "height": height, "deviceScaleFactor": 3, "mobile": True})
        self.browser.cdp("Emulation.setTouchEmulationEnabled", {"enabled": True})

    def tap(self, id_):
        x, y = self.js("const r = document.getElementById(arguments[0]).getBoundingClientRect();"
                       "return [r.left + r.width / 2, r.top + r.height / 2]", id_)
        for kind, points in (("touchStart", [{"x": x, "y": y}]), ("touchEnd", [])):
            self.browser.cdp("Input.dispatchTouchEvent", {"type": kind, "touchPoints": points})
        self.idle()

    def assert_fits(self, id_):
        """Within the screen, filling most of its width or its height, nothing to scroll sideways."""
        left, top, right, bottom, width, height, scroll = self.js(
            "const r = document.getElementById(arguments[0]).getBoundingClientRect();"
            "return [r.left, r.top, r.right, r.bottom, innerWidth, innerHeight, document.documentElement.scrollWidth]", id_)
        self.assertTrue(left >= 0 and top >= 0 and right <= width and bottom <= height, (left, top, right, bottom))
        self.assertGreater(max((right - left) / width, (bottom - top) / height), 0.9)
        self.assertLessEqual(scroll, width)

    def pictures(self):
        return self.js("return [...document.querySelectorAll('#frmMain img, #frmAbout img')]"
                       ".filter(i => i.currentSrc).map(i => i.currentSrc.split('/').pop())")

    def test_every_window_fits_and_taps_play(self):
        for width, height in SCREENS:
            with self.subTest(screen=f"{width}x{height}"):
                self.screen(width, height)
                self.load()
                self.assert_fits("frmMain")
                self.tap("MiddleMiddle")
                self.advance(100)
                self.assertEqual(self.moves("lstP1M"), ["5"])
                self.assertEqual(self.moves("lstP2M"), ["1"])
                self.tap("cmdAbout")
                self.assert_fits("frmAbout")
                self.assertTrue(all("@3x" in p for p in self.pictures()), self.pictures())
                self.tap("Command2")
                self.assert_fits("frmSysInfo")

    def test_turning_the_screen_fits_afresh(self):
        self.screen(390, 844)
        self.load()
        self.play([5, 9, 7])
        self.screen(844, 390)
        self.js_async("requestAnimationFrame(arguments[0])")
        self.assert_fits("frmMain")
        self.assertEqual(self.js("return document.querySelectorAll('dialog[open]').length"), 1)
        self.assert_fits(self.js("return document.querySelector('dialog[open]').id = 'box'"))

    def test_a_screen_smaller_than_its_margins_still_shows_the_window(self):
        self.screen(12, 12)
        self.load()
        left, top, width, scale = self.js("const r = frmMain.getBoundingClientRect(); return [r.left, r.top, r.width, frmMain.scale]")
        self.assertTrue(scale > 0 and left >= 0 and top >= 0 and 0 < width <= 12, (scale, left, top, width))

    def test_a_mouse_keeps_the_design_size(self):
        self.load()
        self.assertEqual(self.js("const r = frmMain.getBoundingClientRect(); return [r.left, r.top, r.width]"), [8, 8, 446])


if __name__ == "__main__":
    unittest.main()
