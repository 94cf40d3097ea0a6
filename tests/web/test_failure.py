"""A page that cannot start says why, in an alert that screen readers read, and shows no board
that does nothing: opened from a file, with a script or the WebAssembly missing, or in a
browser without WebAssembly."""
import os
import shutil
import tempfile
import unittest

from browser import SITE, PageTest, only_in, serve


class Sandboxing(serve.QuietHandler):
    def end_headers(self):
        self.send_header("Content-Security-Policy", "sandbox allow-scripts")
        super().end_headers()


class Failure(PageTest):
    def setUp(self):
        pass  # each test loads its own page

    def tearDown(self):
        self.browser.errors()  # the failures to load are what these tests ask for

    def alert(self):
        self.js_async("const done = arguments[arguments.length - 1];"
                      "(function wait() { if (!failure.hidden) done(); else setTimeout(wait, 5); })();")
        self.assertEqual(self.js("return failure.getAttribute('role')"), "alert")
        self.assertTrue(self.shown("failure"))
        self.assertFalse(self.shown("frmMain"), "no board that does nothing")
        return self.js("return failure.textContent")

    def site_without(self, name, first_script=None):
        """A copy of the site without one of its files, or with a script run before all others."""
        folder = tempfile.mkdtemp(prefix="tictactoe-broken-")
        self.addCleanup(shutil.rmtree, folder, True)
        shutil.copytree(SITE, folder, dirs_exist_ok=True)
        stale = [name] if name else []
        if first_script:
            stale.append("index.html")
        for changed in stale:  # with its compressed copies, which would be sent in its stead
            for suffix in ("", ".br", ".gz"):
                if os.path.exists(os.path.join(folder, changed + suffix)) and (suffix or changed == name):
                    os.remove(os.path.join(folder, changed + suffix))
        if first_script:
            with open(os.path.join(folder, "first.js"), "w") as script:
                script.write(first_script)
            page = os.path.join(folder, "index.html")
            with open(page) as html:
                text = html.read().replace("<script>", '<script src="first.js"></script><script>', 1)
            with open(page, "w") as html:
                html.write(text)
        server = serve.Server(folder)
        self.addCleanup(server.stop)
        return server.url

    def test_opened_from_a_file(self):
        self.browser.get("file://" + os.path.abspath(os.path.join(SITE, "index.html")))
        self.assertRegex(self.alert(), r"^The game cannot start from a file: .* scripts/web")

    def test_a_file_missing(self):
        for missing in ["tictactoe.js", "tictactoe.wasm"]:
            with self.subTest(missing=missing):
                self.browser.get(self.site_without(missing))
                self.assertRegex(self.alert(), r"^The game has stopped: .*Reload the page to play again\.$")

    @only_in("chromium", "firefox")  # WebKit runs no script of a page without an origin: none can speak
    def test_served_sandboxed(self):
        # A host that sandboxes the page gives it no origin of its own: it may fetch none of its files.
        server = serve.Server(SITE, handler=Sandboxing)
        self.addCleanup(server.stop)
        self.browser.get(server.url)
        self.assertRegex(self.alert(), r"^The game has stopped: its WebAssembly could not be loaded .*sandboxed")

    def test_no_webassembly(self):
        self.browser.get(self.site_without(None, first_script="delete window.WebAssembly;"))
        self.assertEqual(self.alert(), "The game cannot start: this browser does not run WebAssembly.")


if __name__ == "__main__":
    unittest.main()
