"""The web edition in a real browser: a private web server for the built site, and one of the
three browser engines (TICTACTOE_BROWSER: chromium, firefox or webkit, all Debian's), driven
with the page's own manual clock, so that no test waits on the game's real 50 ms timers.

Chromium and WebKit speak WebDriver (selenium); Firefox has no WebDriver server in Debian, so
it is driven over Marionette, its own small protocol. The tests see one Browser either way."""
import base64
import io
import json
import os
import re
import shutil
import socket
import subprocess
import sys
import tempfile
import time
import unittest

from PIL import Image
from selenium import webdriver
from selenium.common.exceptions import ElementClickInterceptedException, WebDriverException
from selenium.webdriver.chrome.service import Service as ChromeService
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "../../web"))
import serve  # noqa: E402  (the web edition's own server)

SITE = os.environ.get("TICTACTOE_SITE", os.path.join(os.path.dirname(__file__), "../../build/web/site"))
ENGINE = os.environ.get("TICTACTOE_BROWSER", "chromium")
# The "Player Ratings" texts, read from the game's own header (kTieRating is "TieRating").
with open(os.path.join(os.path.dirname(__file__), "../../game/ratings.h"), encoding="utf-8") as header:
    RATINGS = dict(re.findall(r'\bk(\w+) =\s*"([^"]*)"', header.read()))
WIDTH, HEIGHT = 800, 600


def free_port():
    with socket.socket() as probe:
        probe.bind(("127.0.0.1", 0))
        return probe.getsockname()[1]


class Selenium:
    """Chromium or WebKit over WebDriver."""

    def __init__(self, driver):
        self.driver = driver

    def get(self, url):
        self.driver.get(url)

    def js(self, script, *args):
        return self.driver.execute_script(script, *args)

    def js_async(self, script, *args):
        return self.driver.execute_async_script(script, *args)

    def click(self, css):
        self.driver.find_element(By.CSS_SELECTOR, css).click()

    def keys(self, *keys, alt=False):
        chain = ActionChains(self.driver)
        if alt:
            chain.key_down("\ue00a")
        chain.send_keys(*keys)
        if alt:
            chain.key_up("\ue00a")
        chain.perform()

    def screenshot(self, css):
        return self.driver.find_element(By.CSS_SELECTOR, css).screenshot_as_png


class Chromium(Selenium):
    def __init__(self, scale=1, phone=None, host_rules=None, page_load="normal"):
        options = webdriver.ChromeOptions()
        options.page_load_strategy = page_load  # "none": a test acts on the page while it still loads
        options.binary_location = "/usr/bin/chromium"
        self.profile = tempfile.mkdtemp(prefix="tictactoe-chromium-")
        for argument in ["--headless=new", "--no-sandbox", "--disable-gpu", "--hide-scrollbars", "--no-first-run",
                         f"--window-size={WIDTH},{HEIGHT}", f"--force-device-scale-factor={scale}",
                         f"--user-data-dir={self.profile}", "--mute-audio", "--disable-background-networking"]:
            options.add_argument(argument)
        if host_rules:  # host names of its own, such as a real site's, for the local server
            options.add_argument(f"--host-resolver-rules={host_rules}")
        if phone:  # (width, height): a touch screen of ratio 3
            options.add_experimental_option("mobileEmulation", {"deviceMetrics": {
                "width": phone[0], "height": phone[1], "pixelRatio": 3, "touch": True}})
        options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
        super().__init__(webdriver.Chrome(service=ChromeService("/usr/bin/chromedriver"), options=options))

    def cdp(self, command, params=None):
        return self.driver.execute_cdp_cmd(command, params or {})

    def errors(self):
        return [e["message"] for e in self.driver.get_log("browser") if e["level"] == "SEVERE"]

    def quit(self):
        self.driver.quit()
        shutil.rmtree(self.profile, ignore_errors=True)


class WebKit(Selenium):
    """The MiniBrowser in automation mode, on the X server the tests run under (xvfb-run).
    WebKitWebDriver keeps every connection that a client drops, so selenium keeps one alive."""

    def __init__(self):
        self.log = tempfile.NamedTemporaryFile(prefix="tictactoe-webkit-", suffix=".log")
        options = webdriver.WebKitGTKOptions()
        options.binary_location = "/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser"
        for argument in ["--automation", "--enable-write-console-messages-to-stdout=true"]:
            options.add_argument(argument)
        super().__init__(webdriver.WebKitGTK("/usr/bin/WebKitWebDriver", options=options,
                                             service_log_path=self.log.name, keep_alive=True))
        self.driver.set_window_rect(0, 0, WIDTH, HEIGHT + 300)  # its own bars take part of the window
        self.seen = 0

    def screenshot(self, css):
        # Its element screenshots come back black: the element is cut out of the whole view, once
        # two frames have been drawn.
        self.js_async("const done = arguments[0]; requestAnimationFrame(() => requestAnimationFrame(done));")
        box = self.js("const r = document.querySelector(arguments[0]).getBoundingClientRect();"
                      "return [r.left, r.top, r.right, r.bottom].map(v => v * devicePixelRatio)", css)
        view = Image.open(io.BytesIO(self.driver.get_screenshot_as_png()))
        out = io.BytesIO()
        view.crop(tuple(round(v) for v in box)).save(out, "PNG")
        return out.getvalue()

    def errors(self):
        with open(self.log.name, errors="replace") as log:
            lines = log.read().splitlines()[self.seen:]
        self.seen += len(lines)
        return [line for line in lines if "CONSOLE" in line and "ERROR" in line]

    def quit(self):
        self.driver.quit()
        self.log.close()


class Firefox:
    """Headless Firefox ESR over Marionette: length-prefixed JSON commands on a local socket."""

    ELEMENT = "element-6066-11e4-a52e-4f735466cecf"

    def __init__(self):
        self.profile = tempfile.mkdtemp(prefix="tictactoe-firefox-")
        port = free_port()
        prefs = {"marionette.port": port, "devtools.console.stdout.content": True,
                 "browser.shell.checkDefaultBrowser": False, "datareporting.policy.dataSubmissionEnabled": False,
                 "app.update.disabledForTesting": True, "browser.startup.homepage_override.mstone": "ignore",
                 "network.captive-portal-service.enabled": False, "network.connectivity-service.enabled": False,
                 "browser.safebrowsing.update.enabled": False, "extensions.update.enabled": False,
                 "media.autoplay.default": 0, "toolkit.telemetry.reportingpolicy.firstRun": False,
                 "app.normandy.enabled": False, "messaging-system.rsexperimentloader.enabled": False,
                 "services.settings.server": "data:,#remote-settings-dummy/v1"}
        with open(os.path.join(self.profile, "user.js"), "w") as user:
            user.writelines(f'user_pref("{k}", {json.dumps(v)});\n' for k, v in prefs.items())
        self.log = open(os.path.join(self.profile, "console.log"), "w+")
        env = dict(os.environ, MOZ_HEADLESS="1", MOZ_HEADLESS_WIDTH=str(WIDTH), MOZ_HEADLESS_HEIGHT=str(HEIGHT))
        self.process = subprocess.Popen(["firefox-esr", "--marionette", "--no-remote", "--profile", self.profile],
                                        stdout=self.log, stderr=subprocess.STDOUT, env=env)
        deadline = time.monotonic() + 60
        while True:
            try:
                self.socket = socket.create_connection(("127.0.0.1", port))
                break
            except OSError:
                if time.monotonic() > deadline:
                    raise
                time.sleep(0.1)
        self.reader = self.socket.makefile("rb")
        self.next_id = 0
        self.receive()  # the server's greeting
        self.command("WebDriver:NewSession", {"capabilities": {"alwaysMatch": {"acceptInsecureCerts": True}}})
        self.command("WebDriver:SetWindowRect", {"width": WIDTH, "height": HEIGHT})
        self.seen = 0

    def receive(self):
        length = b""
        while not length.endswith(b":"):
            length += self.reader.read(1)
        return json.loads(self.reader.read(int(length[:-1])))

    def command(self, name, params=None):
        self.next_id += 1
        data = json.dumps([0, self.next_id, name, params or {}]).encode()
        self.socket.sendall(str(len(data)).encode() + b":" + data)
        _, _, error, result = self.receive()
        if error:
            kind = ElementClickInterceptedException if error["error"] == "element click intercepted" else WebDriverException
            raise kind(f"{name}: {error['error']}: {error['message']}")
        return result.get("value") if isinstance(result, dict) else result

    def get(self, url):
        self.command("WebDriver:Navigate", {"url": url})

    def js(self, script, *args):
        return self.command("WebDriver:ExecuteScript", {"script": script, "args": list(args)})

    def js_async(self, script, *args):
        return self.command("WebDriver:ExecuteAsyncScript", {"script": script, "args": list(args)})

    def element(self, css):
        return self.command("WebDriver:FindElement", {"using": "css selector", "value": css})[self.ELEMENT]

    def click(self, css):
        self.command("WebDriver:ElementClick", {"id": self.element(css)})

    def keys(self, *keys, alt=False):
        actions = [{"type": "keyDown", "value": "\ue00a"}] if alt else []
        for key in "".join(keys):
            actions += [{"type": "keyDown", "value": key}, {"type": "keyUp", "value": key}]
        if alt:
            actions.append({"type": "keyUp", "value": "\ue00a"})
        self.command("WebDriver:PerformActions", {"actions": [{"type": "key", "id": "keys", "actions": actions}]})
        self.command("WebDriver:ReleaseActions")

    def screenshot(self, css):
        return base64.b64decode(self.command("WebDriver:TakeScreenshot", {"id": self.element(css), "full": False}))

    def errors(self):
        self.log.seek(0)
        lines = self.log.read().splitlines()[self.seen:]
        self.seen += len(lines)
        # The page's own messages: its console's are quoted, its errors name its address.
        return [line for line in lines if line.startswith(('console.error: "', "JavaScript error: http"))]

    def quit(self):
        try:
            self.command("WebDriver:DeleteSession")
        finally:
            self.reader.close()
            self.socket.close()
            self.process.terminate()
            self.process.wait()
            self.log.close()
            shutil.rmtree(self.profile, ignore_errors=True)


def open_browser(**chromium_options):
    if ENGINE == "firefox":
        return Firefox()
    if ENGINE == "webkit":
        return WebKit()
    return Chromium(**chromium_options)


def only_in(*engines):
    """For a check that needs what only these engines offer (Chromium's DevTools protocol)."""
    return unittest.skipUnless(ENGINE in engines, f"needs {' or '.join(engines)}")


class PageTest(unittest.TestCase):
    """One browser and one server for the test class; each test loads the page afresh."""

    query = "?clock=manual"
    chromium_options = {}

    @classmethod
    def setUpClass(cls):
        cls.server = serve.Server(SITE)
        cls.browser = open_browser(**cls.chromium_options)

    @classmethod
    def tearDownClass(cls):
        cls.browser.quit()
        cls.server.stop()

    def setUp(self):
        self.load()

    def tearDown(self):
        self.assertEqual(self.browser.errors(), [], "the page reported errors")
        self.assertTrue(self.js("return !window.failure || failure.hidden"), self.js("return window.failure && failure.textContent"))

    def load(self, query=None):
        self.browser.get(self.server.url + (self.query if query is None else query))
        self.wait_until_playable()

    def wait_until_playable(self):
        """Waits until the game has loaded and waits for the player's first event."""
        self.js_async("const done = arguments[arguments.length - 1];"
                      "(function wait() { if (window.Module && Module.page.ready) done(); else setTimeout(wait, 5); })();")

    # ---- the page ----

    def wait_for_worker(self):
        """Until the service worker has taken the page."""
        self.js_async("const done = arguments[arguments.length - 1];"
                      "navigator.serviceWorker.ready.then(() => { if (navigator.serviceWorker.controller) done();"
                      " else navigator.serviceWorker.addEventListener('controllerchange', done); });")

    def js(self, script, *args):
        return self.browser.js(script, *args)

    def js_async(self, script, *args):
        return self.browser.js_async(script, *args)

    def click(self, id_):
        self.browser.click("#" + id_)

    def keys(self, *keys, alt=False):
        self.browser.keys(*keys, alt=alt)
        self.idle()

    def picture(self, id_):
        """The element as drawn, without the focus."""
        self.js("document.activeElement.blur()")
        return Image.open(io.BytesIO(self.browser.screenshot("#" + id_))).convert("RGB")

    def shown(self, id_):
        return self.js("return !!document.getElementById(arguments[0]).getClientRects().length", id_)

    def idle(self):
        """Waits until the game has handled everything the page has handed it."""
        self.js_async("Module.page.idle().then(arguments[arguments.length - 1]);")

    def advance(self, ms):
        """Moves the page's manual clock on; the game's ticks come in their moments."""
        self.js_async("const done = arguments[arguments.length - 1];"
                      "Module.page.idle().then(() => Module.page.advance(arguments[0])).then(done);", ms)

    def click_square(self, square):
        self.browser.click(f'.square[title="Square {square}"]')
        self.idle()

    def play(self, squares):
        """Clicks each square in turn and lets the computer answer (two ticks' time)."""
        for square in squares:
            self.click_square(square)
            self.advance(100)

    def status(self):
        return self.js("return lblStatus.value")

    def moves(self, list_id):
        return self.js("return [...document.getElementById(arguments[0]).options].map(o => o.text)", list_id)

    def squares(self):
        return self.js("return [...Array(9).keys()].map(n => document.querySelector(`.square[title='Square ${n + 1}']`).getAttribute('aria-label'))")

    def boxes(self):
        """The open message boxes, bottom first: (title, prompt)."""
        return [tuple(box) for box in self.js(
            "return Module.page.boxes.map(b => [b.querySelector('.titlebar').textContent,"
            " b.querySelector('.prompt').textContent])")]

    def close_box(self):
        """Presses the top box's OK and waits until the game has gone on from it."""
        self.js_async("const done = arguments[arguments.length - 1], open = Module.page.boxes.length;"
                      "Module.page.boxes.at(-1).querySelector('button').click();"
                      "(function wait() { if (Module.page.boxes.length < open) Module.page.idle().then(done);"
                      " else setTimeout(wait, 1); })();")
