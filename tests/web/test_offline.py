"""The installed app: its manifest, and play with the network gone after the first visit."""
import json
import os
import socket
import time
import unittest

from browser import SITE, PageTest, only_in, serve


class Offline(PageTest):
    def setUp(self):
        pass  # each test loads the page itself

    def test_plays_when_the_server_is_gone_or_hangs(self):
        # Each on a server (and so a site) of its own: gone, hung (it takes the connection and
        # never answers), and gone after the player mistyped an address on it.
        for how in ["gone", "gone after a typing error", "hung"]:
            with self.subTest(how):
                self.__class__.server.stop()
                self.__class__.server = serve.Server(SITE)
                self.load()
                self.wait_for_worker()
                if how.endswith("typing error"):
                    self.browser.get(self.server.url + "index.htm")
                    end = time.monotonic() + 2  # its 404 and its icon's, said on the console: no fault of the page
                    while time.monotonic() < end and not any("favicon" in e for e in self.browser.errors()):
                        time.sleep(0.1)
                port = self.server.httpd.server_address[1]
                self.server.stop()
                hung = None
                if how == "hung":
                    hung = socket.socket()
                    hung.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
                    hung.bind(("127.0.0.1", port))
                    hung.listen(16)
                try:
                    if hasattr(self.browser, "cdp"):  # no help from the HTTP cache, where it can be turned off
                        self.browser.cdp("Network.enable")
                        self.browser.cdp("Network.setCacheDisabled", {"cacheDisabled": True})
                    self.load()
                    self.play([5])
                    self.assertEqual(self.moves("lstP2M"), ["1"])
                    # Every file came from the cache, fonts and pictures included.
                    failed = self.js_async(
                        "Promise.all([...document.images].filter(i => i.currentSrc).map(i => i.decode().then(() => [], () => [i.currentSrc])))"
                        ".then(l => arguments[0](l.flat().concat([...document.fonts].filter(f => f.status == 'error')"
                        ".map(f => f.family))));")
                    self.assertEqual(failed, [])
                finally:
                    if hung:
                        hung.close()
                    self.__class__.server = serve.Server(SITE)  # for the next one, and tearDownClass

    @only_in("chromium")
    def test_installable(self):
        self.load()
        self.wait_for_worker()
        self.assertEqual(self.browser.cdp("Page.getInstallabilityErrors")["installabilityErrors"], [])
        with open(os.path.join(SITE, "manifest.webmanifest")) as manifest:
            icons = json.load(manifest)["icons"]
        for icon in icons:
            self.assertTrue(os.path.isfile(os.path.join(SITE, icon["src"])), icon["src"])


if __name__ == "__main__":
    unittest.main()
