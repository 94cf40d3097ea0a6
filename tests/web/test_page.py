"""The page as the window: its design at the start, the keyboard, the About window and the
system information, what a screen reader is told, and rest."""
import json
import os
import time
import unittest

from selenium.webdriver.common.keys import Keys

from browser import SITE, PageTest, only_in

DESIGN = json.load(open(os.environ.get("TICTACTOE_DESIGN", os.path.join(SITE, "../design.json")), encoding="utf-8"))

# Each control the page makes, as the page shows it: its rectangle from its container's
# top-left corner (the window's client area for the windows' own controls), caption, tool tip,
# accessible name and tab index.
SHOWN = """
const [name, windowName, parentName] = arguments;
const control = document.getElementById(name);
const container = parentName === windowName
    ? (windowName === 'frmMain' ? frmMain : document.querySelector('#' + windowName + ' .client'))
    : document.getElementById(parentName);
const r = control.getBoundingClientRect(), c = container.getBoundingClientRect();
const text = control instanceof HTMLInputElement ? control.value
    : control.matches('.command') ? control.querySelector('span').textContent : control.textContent;
return {rect: [r.left - c.left, r.top - c.top, r.width, r.height], text,
        toolTip: control.getAttribute('title'), accessibleName: control.getAttribute('aria-label'),
        tabIndex: control.getAttribute('tabindex')};
"""


class Design(PageTest):
    def test_every_control_as_designed(self):
        self.click("cmdAbout")  # its window shown beside the game's
        for window in DESIGN["windows"]:
            for control in window["controls"]:
                if not control["shown"] and control["kind"] != "CommandButton":
                    continue  # the mark images: the page draws the game's pictures
                with self.subTest(control["name"]):
                    seen = self.js(SHOWN, control["name"], window["name"], control["parent"])
                    self.assertEqual(seen["rect"], [control[k] for k in ("x", "y", "width", "height")])
                    if control["kind"] in ("TextBox", "CommandButton", "Label"):
                        self.assertEqual(seen["text"], control["text"] or "")
                    self.assertEqual(seen["toolTip"], control["toolTip"])
                    if control["accessibleName"]:
                        self.assertEqual(seen["accessibleName"], control["accessibleName"])
                    if control["tabIndex"] is not None:
                        self.assertEqual(seen["tabIndex"], str(control["tabIndex"]))

    def test_start(self):
        self.assertEqual(self.js("return document.title"), "TAVROK Tic-Tac-Toe")
        self.assertEqual(self.squares(), [f"Square {n}, empty" for n in range(1, 10)])
        self.assertEqual(self.js("return getComputedStyle(lblStatus).backgroundColor"), "rgb(0, 128, 128)")
        self.assertEqual(self.js("return [getComputedStyle(Text2).color, getComputedStyle(Text2).backgroundColor]"),
                         ["rgb(255, 0, 0)", "rgb(0, 0, 255)"])
        self.assertEqual((self.moves("lstP1M"), self.moves("lstP2M")), ([], []))
        self.assertEqual(self.js("return document.activeElement.id"), "cmdNewGame")

    def test_focus_sink_is_unseen_yet_takes_the_focus(self):
        self.js("Text1.dispatchEvent(new MouseEvent('mousedown', {bubbles: true, cancelable: true}))")
        self.assertEqual(self.js("return document.activeElement.id"), "GetFocas")
        # Focused, it stays below the window's client area, which does not scroll to show it.
        self.assertEqual(self.js("const f = frmMain.getBoundingClientRect(), g = GetFocas.getBoundingClientRect();"
                                 " return [g.top >= f.bottom, frmMain.scrollTop]"), [True, 0])

    def test_tab_order(self):
        main = DESIGN["windows"][0]["controls"]
        order = [c["name"] for c in sorted((c for c in main if c["tabIndex"] is not None), key=lambda c: c["tabIndex"])]
        seen = []
        for _ in order:
            seen.append(self.js("return document.activeElement.id"))
            self.browser.keys(Keys.TAB)
        self.assertEqual(seen, order)


class Keyboard(PageTest):
    def test_digits_and_arrows_play(self):
        self.keys("5")
        self.advance(100)
        self.assertEqual(self.squares()[:5], ["Square 1, O", "Square 2, empty", "Square 3, empty",
                                              "Square 4, empty", "Square 5, X"])
        self.js("TopMiddle.focus()")
        self.keys(Keys.ARROW_LEFT)  # stops at the edge
        self.assertEqual(self.js("return document.activeElement.id"), "TopLeft")
        self.keys(Keys.ARROW_DOWN, Keys.ARROW_DOWN, Keys.ARROW_RIGHT, Keys.ARROW_RIGHT, Keys.ARROW_RIGHT)
        self.assertEqual(self.js("return document.activeElement.id"), "BottomRight")
        self.keys(Keys.SPACE)
        self.advance(100)
        self.assertEqual(self.moves("lstP1M"), ["5", "9"])

    def test_access_keys(self):
        self.play([5])
        self.keys("n", alt=True)
        self.assertEqual(self.moves("lstP1M"), [])
        self.keys("a", alt=True)
        self.assertTrue(self.shown("frmAbout"))
        self.assertEqual(self.js("return document.activeElement.id"), "Command1")
        self.keys("s", alt=True)
        self.assertTrue(self.shown("frmSysInfo"))
        self.keys(Keys.ENTER)  # its OK
        self.assertFalse(self.shown("frmSysInfo"))

    def test_access_keys_go_by_the_letter_on_every_layout(self):
        # (key typed, key's place, what it presses): AZERTY's A lies where QWERTY has Q, Dvorak's N
        # where QWERTY has L; on a Mac, Option+N is a dead key and Option+A types "å".
        for key, code, pressed in [("a", "KeyQ", "About"), ("q", "KeyA", None), ("n", "KeyL", "New Game"),
                                   ("Dead", "KeyN", "New Game"), ("\u00e5", "KeyA", "About")]:
            with self.subTest(key=key, code=code):
                self.load()
                self.play([5])
                self.js("cmdNewGame.dispatchEvent(new KeyboardEvent('keydown',"
                        " {key: arguments[0], code: arguments[1], altKey: true, bubbles: true, cancelable: true}))", key, code)
                self.idle()
                self.assertEqual(self.moves("lstP1M"), [] if pressed == "New Game" else ["5"])
                self.assertEqual(self.shown("frmAbout"), pressed == "About")

    def test_held_enter_presses_once(self):
        self.play([5])
        self.js("cmdNewGame.focus();"
                "for (const repeat of [false, true, true]) cmdNewGame.dispatchEvent(new KeyboardEvent('keydown',"
                " {key: 'Enter', repeat, bubbles: true, cancelable: true}))")
        self.idle()
        self.assertEqual(self.js("return announcements.textContent"), "New Game.")
        self.assertEqual(self.js("return Module.page.announcements"), 2)


class Windows(PageTest):
    def test_about_is_single_and_modeless(self):
        self.click("cmdAbout")
        self.click("cmdAbout")
        self.assertEqual(self.js("return document.querySelectorAll('#frmAbout:not([hidden])').length"), 1)
        self.assertEqual(self.js("return Command2.textContent"), "Sytem Info...")
        self.play([5])  # the game goes on beside it
        self.assertEqual(self.moves("lstP2M"), ["1"])
        self.click("Command1")
        self.assertFalse(self.shown("frmAbout"))
        self.click("cmdAbout")
        self.assertTrue(self.shown("frmAbout"))

    def test_system_information_names_the_browser_and_system(self):
        self.click("cmdAbout")
        self.click("Command2")
        self.click("Command2")
        text = self.js("return sysInfoText.innerText")
        self.assertRegex(text, r"^Linux")
        self.assertRegex(text, r"Browser: \S")
        self.assertTrue(self.shown("frmAbout"), "the About window stays open")
        self.assertEqual(self.js("return document.activeElement.textContent"), "OK")


class ScreenReader(PageTest):
    def said(self):
        return self.js("return announcements.textContent")

    def test_moves_and_results_are_announced(self):
        self.play([5])
        self.assertEqual(self.said(), "Square 5, X. Square 1, O.")
        self.play([9, 7])
        self.assertEqual(self.said(), "Square 7, X. Square 3, O. O(Computer) Wins!")
        self.assertEqual(self.js("return Module.page.boxes[0].getAttribute('aria-label')"), "Player Ratings")
        self.close_box()
        self.click("cmdNewGame")
        self.idle()
        self.assertEqual(self.said(), "New Game.")

    @only_in("chromium")
    def test_what_assistive_technology_meets(self):
        # The browser's own accessibility tree, as a screen reader reads it.
        nodes = self.browser.cdp("Accessibility.getFullAXTree")["nodes"]
        named = {(n["role"]["value"], n.get("name", {}).get("value", "")) for n in nodes if not n.get("ignored")}
        expected = {("main", "TAVROK Tic-Tac-Toe"), ("heading", "TAVROK Tic-Tac-Toe"), ("button", "New Game"), ("button", "About"),
                    ("listbox", "X's Moves"), ("listbox", "O's Moves"), ("textbox", "Game Status"),
                    ("status", "")} | {("button", f"Square {n}, empty") for n in range(1, 10)}
        self.assertEqual(expected - named, set())
        pictures = [n for n in nodes if n["role"]["value"] == "image" and not n.get("ignored")]
        self.assertEqual(pictures, [], "the marks and icons are decoration; the squares' names tell them")


@only_in("chromium")
class Rest(PageTest):
    """The real clock: one game against the real timers, and then nothing runs."""

    query = ""

    def setUp(self):
        # Counts the page's timers and animation frames from its first script on.
        self.browser.cdp("Page.addScriptToEvaluateOnNewDocument", {"source": """
            window.pending = {timeouts: new Set(), intervals: 0, frames: 0};
            const setT = setTimeout, clearT = clearTimeout;
            window.setTimeout = (f, ms, ...a) => { const id = setT(() => { pending.timeouts.delete(id); f(...a); }, ms);
                                                   pending.timeouts.add(id); return id; };
            window.clearTimeout = (id) => { pending.timeouts.delete(id); clearT(id); };
            const setI = setInterval; window.setInterval = (...a) => { ++pending.intervals; return setI(...a); };
            const raf = requestAnimationFrame; window.requestAnimationFrame = (f) => { ++pending.frames; return raf(f); };
        """})
        super().setUp()

    def wait_until(self, script, seconds=5):
        end = time.monotonic() + seconds
        while not self.js(script):
            self.assertLess(time.monotonic(), end, f"never: {script}")
            time.sleep(0.02)

    def test_the_real_timer_answers_and_then_nothing_runs(self):
        self.click("MiddleMiddle")
        self.wait_until("return lstP2M.options.length == 1")
        self.wait_until("return pending.timeouts.size == 0")
        self.assertEqual(self.js("return [pending.intervals, pending.frames]"), [0, 0])


@only_in("chromium")
class ClockAway(PageTest):
    """The tests' manual clock is no part of the game on a real site: a link that carries it
    does not freeze the game."""

    chromium_options = {"host_rules": "MAP game.example 127.0.0.1"}

    def setUp(self):
        pass

    def test_a_manual_clock_link_elsewhere_plays_on_the_real_clock(self):
        self.browser.get(self.server.url.replace("127.0.0.1", "game.example") + "?clock=manual")
        self.wait_until_playable()
        self.click("MiddleMiddle")
        end = time.monotonic() + 5
        while self.moves("lstP2M") != ["1"]:
            self.assertLess(time.monotonic(), end, "the computer never answered")
            time.sleep(0.02)


if __name__ == "__main__":
    unittest.main()
