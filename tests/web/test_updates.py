"""The service worker over time: a new build reaches the player whole, even from a host that
sends no caching headers, and another site on the same address shows as soon as the game's
server is gone, which then leaves nothing of the game behind."""
import http.server
import os
import shutil
import subprocess
import sys
import tempfile
import time
import unittest

from browser import SITE, PageTest, serve

STAGE = os.environ.get("TICTACTOE_STAGE", os.path.join(SITE, "../staged"))
WEB = os.path.join(os.path.dirname(__file__), "../../web")
MONTH = 30 * 24 * 3600


class PlainHost(http.server.SimpleHTTPRequestHandler):
    """A static host as most are: Last-Modified, and no Cache-Control."""

    def log_message(self, *args):
        pass


class Updates(PageTest):
    def setUp(self):
        self.folder = tempfile.mkdtemp(prefix="tictactoe-served-")
        self.addCleanup(shutil.rmtree, self.folder, True)

    def build(self, number):
        """A build of the site whose start script and game script each say that they are the
        number-th."""
        stage, site = tempfile.mkdtemp(prefix="tictactoe-stage-"), tempfile.mkdtemp(prefix="tictactoe-site-")
        self.addCleanup(shutil.rmtree, stage, True)
        self.addCleanup(shutil.rmtree, site, True)
        shutil.copytree(STAGE, stage, dirs_exist_ok=True)
        for name, mark in [("start.js", "startBuild"), ("tictactoe.js", "gameBuild")]:
            with open(os.path.join(stage, name), "a") as script:
                script.write(f"\nwindow.{mark} = {number};\n")
        subprocess.run(["/usr/bin/python3", f"{WEB}/makesite.py", stage, site, f"{WEB}/site/sw.js.in"], check=True)
        return site

    def deploy(self, site, age=0):
        shutil.rmtree(self.folder)
        shutil.copytree(site, self.folder)
        when = time.time() - age
        for folder, _, files in os.walk(self.folder):
            for name in files:
                os.utime(os.path.join(folder, name), (when, when))

    def host(self, handler, port=0):
        server = serve.BoundedServer(("127.0.0.1", port), lambda *a: handler(*a, directory=self.folder))
        serve.threading.Thread(target=server.serve_forever, daemon=True).start()
        self.addCleanup(server.server_close)
        self.addCleanup(server.shutdown)
        return server, f"http://127.0.0.1:{server.server_address[1]}/"

    def builds(self, url):
        self.browser.get(url + "?clock=manual")
        self.wait_until_playable()
        return self.js("return [window.startBuild, window.gameBuild]")

    def test_a_new_build_comes_whole(self):
        self.deploy(self.build(1), age=MONTH)
        _, url = self.host(PlainHost)
        self.assertEqual(self.builds(url), [1, 1])
        self.wait_for_worker()
        self.deploy(self.build(2))
        seen = [self.builds(url) for _ in range(2)]
        self.assertTrue(all(a == b for a, b in seen), f"a page ran the files of two builds: {seen}")
        self.assertEqual(seen[-1], [2, 2], "the new build by the second reload")
        # The new worker has taken over with the new build alone.
        kept = self.js_async("const done = arguments[arguments.length - 1];"
                             "(async function wait() { const names = await caches.keys(), game = await caches.match("
                             "document.querySelector('script[defer]').getAttribute('src'));"
                             " if (names.length == 1 && game) done(await game.text()); else setTimeout(wait, 20); })();")
        self.assertIn("window.gameBuild = 2;", kept)

    def test_another_site_on_the_same_address(self):
        # The game's own server, in a process of its own: stopped, it leaves no open connection.
        game = subprocess.Popen([sys.executable, f"{WEB}/serve.py", SITE, "0"], stdout=subprocess.PIPE, text=True)
        url = game.stdout.readline().split()[2]
        self.builds(url)
        self.wait_for_worker()
        game.terminate()
        game.wait()
        game.stdout.close()
        port = int(url.rstrip("/").rsplit(":", 1)[1])
        other = tempfile.mkdtemp(prefix="tictactoe-other-")
        self.addCleanup(shutil.rmtree, other, True)
        with open(os.path.join(other, "index.html"), "w") as page:
            page.write("<!DOCTYPE html><title>Another site</title><p>Not a game.")
        with open(os.path.join(other, "start.js"), "w") as script:
            script.write("// another site's script\n")
        self.folder = other
        self.host(PlainHost, port)
        for path in ["", "index.html", "?x=1"]:
            with self.subTest(path=path):
                self.browser.get(url + path)
                self.assertEqual(self.js("return document.title"), "Another site")
        self.assertEqual(self.js_async("fetch('start.js').then((r) => r.text()).then(arguments[0])"),
                         "// another site's script\n")
        # Its sw.js answers 404: the game's worker goes, and takes its cache with it.
        gone = self.js_async("const done = arguments[arguments.length - 1];"
                             "(async function wait() { const left = (await navigator.serviceWorker.getRegistrations()).length"
                             " + (await caches.keys()).length; if (left) setTimeout(wait, 20); else done(true); })();")
        self.assertTrue(gone)
        self.browser.errors()  # the other site has no icon, and says so


if __name__ == "__main__":
    unittest.main()
