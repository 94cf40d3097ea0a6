"""Games in the browser as a player plays them, by clicks, keys and taps: a win with its
"Player Ratings" box, a tie with its beep, New Game, and the page's own part in the timers and
the modal boxes; and the board as it shows and takes moves before the game has loaded. Which
square the computer takes is the game's, proven by its own tests."""
import threading
import time
import unittest

from selenium.common.exceptions import WebDriverException

from browser import RATINGS, SITE, PageTest, only_in, serve


class Games(PageTest):
    def test_a_win_by_clicks_paints_the_line_and_freezes_the_board(self):
        self.play([1, 9, 6])
        self.assertEqual(self.boxes(), [("Player Ratings", RATINGS["RatingForThreeXs"])])
        self.close_box()
        self.advance(500)
        self.assertEqual(self.boxes(), [], "a decided game shows its box once")
        names = self.squares()
        self.assertEqual([names[s - 1] for s in (2, 5, 8)], [f"Square {s}, O, winning line" for s in (2, 5, 8)])
        self.assertEqual(self.js("return [...document.querySelectorAll('.square')].every(s => s.disabled)"), True)
        self.assertEqual(self.js("return getComputedStyle(lblStatus).backgroundColor"), "rgb(255, 255, 255)")
        self.assertIn("owin", self.js("return TopMiddle.firstElementChild.currentSrc"))

    def test_a_tie_by_digit_keys_beeps_once(self):
        for square in "24976":
            self.keys(square)
            self.advance(100)
        self.assertEqual(self.status(), "Tie Game.")
        self.assertEqual(self.boxes(), [("Player Ratings", RATINGS["TieRating"])])
        self.assertEqual(self.js("return Module.page.beeps"), 1)

    def test_a_beep_without_sound_is_silence(self):
        # A sound context that cannot start (no sound to be had, or none allowed yet) must not
        # stop the game: tearDown finds no error and no alert.
        self.js("AudioContext.prototype.resume = AudioContext.prototype.suspend ="
                " () => Promise.reject(new DOMException('no sound here', 'InvalidStateError'))")
        self.play([2, 4, 9, 7, 6])
        self.assertEqual(self.boxes(), [("Player Ratings", RATINGS["TieRating"])])
        self.js_async("setTimeout(arguments[0], 300)")  # the tone has ended, and the sound card sleeps

    def test_new_game_before_the_answer_and_behind_a_box(self):
        self.click_square(5)  # New Game before the computer answers
        self.keys("n", alt=True)
        self.advance(200)
        self.assertEqual((self.moves("lstP1M"), self.moves("lstP2M"), self.status()), ([], [], "X's Turn"))
        self.play([5, 9, 7])
        self.js("document.activeElement.dispatchEvent(new KeyboardEvent('keydown',"
                " {key: 'n', code: 'KeyN', altKey: true, bubbles: true}))")
        self.idle()
        self.assertEqual(self.status(), "O(Computer) Wins!", "the box keeps the player away")
        self.close_box()
        self.click("cmdNewGame")
        self.idle()
        self.assertEqual(self.squares(), [f"Square {s}, empty" for s in range(1, 10)])
        self.assertEqual(self.js("return getComputedStyle(lblStatus).backgroundColor"), "rgb(0, 128, 128)")
        self.play([1])  # the computer's first move again
        self.assertEqual(self.moves("lstP2M"), ["5"])

    def test_ticks_keep_the_beat_of_the_load(self):
        # The timers tick every 50 ms from the window's load at 0, whenever the player clicks;
        # the win is found in the same moment as the winning O, as on the desktop.
        self.advance(10)
        self.click_square(5)
        self.advance(39.999)
        self.assertEqual(self.moves("lstP2M"), [])
        self.advance(0.001)
        self.assertEqual(self.moves("lstP2M"), ["1"])
        self.click_square(9)
        self.advance(77)
        self.click_square(7)
        self.advance(22.999)
        self.assertEqual((self.moves("lstP2M"), self.boxes()), (["1", "2"], []))
        self.advance(0.001)
        self.assertEqual((self.moves("lstP2M"), self.status()), (["1", "2", "3"], "O(Computer) Wins!"))
        self.assertEqual(len(self.boxes()), 1)

    def test_ticks_go_on_while_a_box_is_open(self):
        # The focus sink's ratings box is opened just before the computer's winning move: the
        # computer still moves, and the win opens its own box over the first.
        self.play([5, 9, 3])
        self.click_square(6)
        self.js("lblStatus.dispatchEvent(new MouseEvent('mousedown', {bubbles: true, cancelable: true}))")
        self.assertEqual(self.js("return document.activeElement.id"), "GetFocas")
        self.keys(" ")
        self.assertEqual(self.boxes(), [("Player Ratings", RATINGS["RatingForFourXs"])])
        with self.assertRaises(WebDriverException):
            self.click("BottomMiddle")  # the modal box keeps the player off the board
        self.advance(100)
        self.assertEqual(self.status(), "O(Computer) Wins!")
        self.assertEqual(len(self.boxes()), 2)
        self.close_box()
        self.advance(500)
        self.assertEqual(len(self.boxes()), 1, "the win's box has closed; the first is still open")
        self.close_box()
        self.assertEqual(self.squares()[7], "Square 8, empty")


class HeldBack(serve.QuietHandler):
    """Sends the game's script only once the test lets it go, and a picture asked for late, late."""
    script = threading.Event()
    late = threading.Event()

    def send_head(self):
        if self.path.startswith("/tictactoe.js"):
            self.script.wait(30)
        if self.path.startswith("/artwork/") and self.late.is_set():
            time.sleep(1)
        return super().send_head()


@only_in("chromium")  # acts on a page that is still loading
class WhileItLoads(PageTest):
    """The first visit, with the game's script held back by the server."""
    chromium_options = {"page_load": "none"}

    def setUp(self):
        self.held = serve.Server(SITE, handler=HeldBack)
        self.addCleanup(self.held.stop)

    def first_visit(self):
        self.browser.get("about:blank")  # nothing kept from the last load: no cache, no worker
        self.browser.cdp("Network.clearBrowserCache")
        self.browser.cdp("Storage.clearDataForOrigin", {"origin": self.held.url[:-1], "storageTypes": "all"})
        self.browser.get(self.held.url + self.query)

    def wait_for_start(self):
        self.js_async("const done = arguments[arguments.length - 1];"
                      "(function wait() { if (typeof earlyInput === 'object') done(); else setTimeout(wait, 5); })();")

    def test_the_board_shows_before_the_game_loads_and_a_mark_in_the_frame_of_its_move(self):
        HeldBack.script.clear()
        self.first_visit()
        self.wait_for_start()
        before = self.picture("frmMain")
        HeldBack.script.set()
        self.wait_until_playable()
        self.assertEqual(before.tobytes(), self.picture("frmMain").tobytes())
        self.js_async("const done = arguments[arguments.length - 1];"
                      "(function wait() { if (markPictures.every((i) => i.complete)) done(); else setTimeout(wait, 5); })();")
        HeldBack.late.set()
        self.addCleanup(HeldBack.late.clear)
        self.click_square(5)
        drawn = self.js_async("const done = arguments[arguments.length - 1];"
                              "requestAnimationFrame(() => done(MiddleMiddle.firstElementChild.naturalWidth))")
        self.assertGreater(drawn, 0, "the X was still on its way when its move was drawn")

    def test_a_move_given_before_the_game_has_loaded_is_played_once_it_has(self):
        for way, give in [("a click", lambda: self.browser.click('.square[title="Square 5"]')),
                          ("a digit", lambda: self.browser.keys("5")),
                          ("Enter on the square", lambda: (self.js("document.querySelector('[title=\"Square 5\"]').focus()"),
                                                           self.browser.keys("\ue007")))]:
            with self.subTest(way):
                HeldBack.script.clear()
                self.first_visit()
                self.wait_for_start()
                give()
                self.assertEqual(self.js("return [typeof Module, lstP1M.options.length]"), ["undefined", 0])
                HeldBack.script.set()
                self.wait_until_playable()
                self.idle()
                self.assertEqual((self.moves("lstP1M"), self.squares()[4]), (["5"], "Square 5, X"))
                self.advance(100)
                self.assertEqual(len(self.moves("lstP2M")), 1, "the computer answers the one move")


if __name__ == "__main__":
    unittest.main()
