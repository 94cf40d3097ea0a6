"""Whole games in the browser, by clicks: the computer's answers, the end of each game, its
"Player Ratings" box, and New Game at every stage."""
import unittest

from selenium.common.exceptions import WebDriverException

from browser import PageTest

WIN_2 = "Human(X): 1, Compuer(O): 4    Result: Computer(O) Wins."
WIN_3 = "Human(X): 2, Compuer(O): 4    Result: Computer(O) Wins."
WIN_4 = "Human(X): 3, Compuer(O): 4    Result: Computer(O) Wins."
TIE = "Human(X): 4, Compuer(O): 4    Result: Tied Game"

# The design's games: the human's squares, the computer's answers, the status, the box.
GAMES = [
    ([1], [5], "X's Turn", None),
    ([5], [1], "X's Turn", None),
    ([1, 9], [5, 2], "X's Turn", None),
    ([3, 7], [5, 2], "X's Turn", None),
    ([1, 3], [5, 2], "X's Turn", None),
    ([1, 8], [5, 7], "X's Turn", None),
    ([3, 8], [5, 9], "X's Turn", None),
    ([6, 7], [5, 9], "X's Turn", None),
    ([3, 9, 4], [5, 6, 2], "X's Turn", None),
    ([2, 6], [5, 1], "X's Turn", None),
    ([6, 9, 7, 2], [5, 3, 8, 1], "X's Turn", None),
    ([1, 9, 6], [5, 2, 8], "O(Computer) Wins!", WIN_3),
    ([5, 9, 3, 6], [1, 2, 7, 4], "O(Computer) Wins!", WIN_4),
    ([2, 4, 9, 7, 6], [5, 1, 3, 8], "Tie Game.", TIE),
]


class Games(PageTest):
    def test_design_games(self):
        for xs, os_, status, rating in GAMES:
            with self.subTest(xs=xs):
                self.load()
                self.play(xs)
                self.assertEqual(self.moves("lstP1M"), [str(s) for s in xs])
                self.assertEqual(self.moves("lstP2M"), [str(s) for s in os_])
                self.assertEqual(self.status(), status)
                self.assertEqual(self.boxes(), [("Player Ratings", rating)] if rating else [])
                self.assertEqual(self.js("return Module.page.beeps"), 1 if status == "Tie Game." else 0)
                if rating:
                    self.close_box()
                    self.advance(500)
                    self.assertEqual(self.boxes(), [], "a decided game shows its box once")
        self.load()  # after the tie's beep: no engine may log an error as the page goes (tearDown)

    def test_a_beep_without_sound_is_silence(self):
        # A sound context that cannot start (no sound to be had, or none allowed yet) must not
        # stop the game: tearDown finds no error and no alert.
        self.js("AudioContext.prototype.resume = AudioContext.prototype.suspend ="
                " () => Promise.reject(new DOMException('no sound here', 'InvalidStateError'))")
        self.play([2, 4, 9, 7, 6])
        self.assertEqual(self.boxes(), [("Player Ratings", TIE)])
        self.js_async("setTimeout(arguments[0], 300)")  # the tone has ended, and the sound card sleeps

    def test_a_win_paints_the_line_and_freezes_the_board(self):
        self.play([1, 9, 6])
        self.close_box()
        names = self.squares()
        self.assertEqual([names[s - 1] for s in (2, 5, 8)],
                         [f"Square {s}, O, winning line" for s in (2, 5, 8)])
        self.assertEqual(self.js("return [...document.querySelectorAll('.square')].every(s => s.disabled)"), True)
        self.assertEqual(self.js("return getComputedStyle(lblStatus).backgroundColor"), "rgb(255, 255, 255)")
        self.assertIn("owin", self.js("return TopMiddle.firstElementChild.currentSrc"))

    def test_new_game_at_every_stage(self):
        game = [5, 9, 3, 6]
        for stage in range(len(game) + 1):
            for answered in (True, False):
                with self.subTest(stage=stage, answered=answered):
                    self.load()
                    self.play(game[:stage])
                    if not answered and stage < len(game):
                        self.click_square(game[stage])  # New Game before the computer answers
                    if self.boxes():
                        self.js("document.activeElement.dispatchEvent(new KeyboardEvent('keydown',"
                                " {key: 'n', code: 'KeyN', altKey: true, bubbles: true}))")
                        self.idle()
                        self.assertEqual(self.status(), "O(Computer) Wins!", "the box keeps the player away")
                        self.close_box()
                    self.click("cmdNewGame")
                    self.idle()
                    self.assertEqual(self.squares(), [f"Square {s}, empty" for s in range(1, 10)])
                    self.assertEqual((self.moves("lstP1M"), self.moves("lstP2M")), ([], []))
                    self.assertEqual(self.status(), "X's Turn")
                    self.assertEqual(self.js("return getComputedStyle(lblStatus).backgroundColor"), "rgb(0, 128, 128)")
                    self.advance(200)
                    self.assertEqual(self.moves("lstP2M"), [], "the computer waits for the human")
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
        self.advance(50)
        self.assertEqual(self.moves("lstP2M"), ["1", "2"])
        self.advance(27)
        self.click_square(7)
        self.advance(22.999)
        self.assertEqual((self.moves("lstP2M"), self.boxes()), (["1", "2"], []))
        self.advance(0.001)
        self.assertEqual(self.moves("lstP2M"), ["1", "2", "3"])
        self.assertEqual(self.status(), "O(Computer) Wins!")
        self.assertEqual(len(self.boxes()), 1)

    def test_focus_sink_runs_the_ratings_on_the_board(self):
        self.play([1, 9])  # two X's: rated as a loss although nobody has won
        self.js("lblStatus.dispatchEvent(new MouseEvent('mousedown', {bubbles: true, cancelable: true}))")
        self.assertEqual(self.js("return document.activeElement.id"), "GetFocas")
        self.keys(" ")
        self.assertEqual(self.boxes(), [("Player Ratings", WIN_2)])
        self.close_box()
        self.assertEqual((self.status(), self.moves("lstP1M")), ("X's Turn", ["1", "9"]))

    def test_ticks_go_on_while_a_box_is_open(self):
        # The ratings box is opened by hand just before the computer's winning move: the
        # computer still moves, and the win opens its own box over the first.
        self.play([5, 9, 3])
        self.click_square(6)
        self.js("GetFocas.click()")
        self.idle()
        self.assertEqual(self.boxes(), [("Player Ratings", WIN_4)])
        with self.assertRaises(WebDriverException):
            self.click("BottomMiddle")  # the modal box keeps the player off the board
        self.advance(100)
        self.assertEqual(self.status(), "O(Computer) Wins!")
        self.assertEqual(self.boxes(), [("Player Ratings", WIN_4), ("Player Ratings", WIN_4)])
        self.close_box()
        self.advance(500)
        self.assertEqual(len(self.boxes()), 1, "the win's box has closed; the first is still open")
        self.close_box()
        self.assertEqual(self.boxes(), [])
        self.assertEqual(self.squares()[7], "Square 8, empty")


if __name__ == "__main__":
    unittest.main()
