"""The installed app: its manifest, and play with the network gone after the first visit."""
import json
import os
import unittest

from browser import SITE, PageTest, only_in, serve


class Offline(PageTest):
    def setUp(self):
        pass  # each test loads the page itself

    def test_plays_after_a_reload_with_the_server_gone(self):
        self.load()
        self.wait_for_worker()
        self.server.stop()
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
            self.__class__.server = serve.Server(SITE)  # for the next test, and tearDownClass

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
