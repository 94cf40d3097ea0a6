"""The web edition in a real browser: a private web server for the built site and headless
Debian chromium driven by selenium, with the page's own manual clock, so that no test waits
on the game's real 50 ms timers."""
import os
import shutil
import sys
import tempfile
import unittest

from selenium import webdriver
from selenium.webdriver.chrome.options import Options
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "../../web"))
import serve  # noqa: E402  (the web edition's own server)

SITE = os.environ.get("TICTACTOE_SITE", os.path.join(os.path.dirname(__file__), "../../build/web/site"))


def chromium(width=800, height=600, scale=1):
    """Headless Debian chromium with a profile of its own."""
    options = Options()
    options.binary_location = "/usr/bin/chromium"
    profile = tempfile.mkdtemp(prefix="tictactoe-chromium-")
    for argument in ["--headless=new", "--no-sandbox", "--disable-gpu", "--hide-scrollbars",
                     f"--window-size={width},{height}", f"--force-device-scale-factor={scale}",
                     f"--user-data-dir={profile}", "--no-first-run", "--mute-audio"]:
        options.add_argument(argument)
    options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
    driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
    driver.profile = profile
    return driver


def quit_chromium(driver):
    driver.quit()
    shutil.rmtree(driver.profile, ignore_errors=True)


def serve_site():
    """The built site on a free loopback port."""
    return serve.Server(SITE)


def wait_until_playable(driver):
    """Waits until the game has loaded and waits for the player's first event."""
    driver.execute_async_script(
        "const done = arguments[arguments.length - 1];"
        "(function wait() { if (window.Module && Module.page.ready) done(); else setTimeout(wait, 5); })();")


class PageTest(unittest.TestCase):
    """One browser and one server for the test class; each test loads the page afresh."""

    query = "?clock=manual"

    @classmethod
    def setUpClass(cls):
        cls.server = serve_site()
        cls.driver = chromium()

    @classmethod
    def tearDownClass(cls):
        quit_chromium(cls.driver)
        cls.server.stop()

    def setUp(self):
        self.load()

    def tearDown(self):
        errors = [entry["message"] for entry in self.driver.get_log("browser") if entry["level"] == "SEVERE"]
        self.assertEqual(errors, [], "the page reported errors")

    def load(self):
        self.driver.get(self.server.url + self.query)
        wait_until_playable(self.driver)

    # ---- the page ----

    def js(self, script, *args):
        return self.driver.execute_script(script, *args)

    def element(self, id_):
        return self.driver.find_element(By.ID, id_)

    def idle(self):
        """Waits until the game has handled everything the page has handed it."""
        self.driver.execute_async_script("Module.page.idle().then(arguments[arguments.length - 1]);")

    def advance(self, ms):
        """Moves the page's manual clock on; the game's ticks come in their moments."""
        self.driver.execute_async_script(
            "const done = arguments[arguments.length - 1];"
            "Module.page.idle().then(() => Module.page.advance(arguments[0])).then(done);", ms)

    def square(self, square):
        """Square 1 to 9, row by row: the page's squares in their order."""
        return self.driver.find_elements(By.CSS_SELECTOR, ".square")[square - 1]

    def click_square(self, square):
        self.square(square).click()
        self.idle()

    def play(self, squares):
        """Clicks each square in turn and lets the computer answer (two ticks' time)."""
        for square in squares:
            self.click_square(square)
            self.advance(100)

    def status(self):
        return self.element("lblStatus").get_attribute("value")

    def moves(self, list_id):
        return self.js("return [...document.getElementById(arguments[0]).options].map(o => o.text)", list_id)

    def squares(self):
        return self.js("return [...document.querySelectorAll('.square')].map(s => s.getAttribute('aria-label'))")

    def boxes(self):
        """The open message boxes, bottom first: (title, prompt)."""
        return [tuple(box) for box in self.js(
            "return Module.page.boxes.map(b => [b.querySelector('.titlebar').textContent,"
            " b.querySelector('.prompt').textContent])")]

    def close_box(self):
        """Presses the top box's OK and waits until the game has gone on from it."""
        self.driver.execute_async_script(
            "const done = arguments[arguments.length - 1], open = Module.page.boxes.length;"
            "Module.page.boxes.at(-1).querySelector('button').click();"
            "(function wait() { if (Module.page.boxes.length < open) Module.page.idle().then(done);"
            " else setTimeout(wait, 1); })();")
