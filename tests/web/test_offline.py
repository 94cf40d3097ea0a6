"""The installed app: its manifest, and play with the network gone after the first visit."""
import json
import os
import unittest

from browser import SITE, chromium, quit_chromium, serve_site, wait_until_playable


class Offline(unittest.TestCase):
    def setUp(self):
        self.server = serve_site()
        self.driver = chromium()

    def tearDown(self):
        quit_chromium(self.driver)
        self.server.stop()

    def wait_for_worker(self):
        self.driver.execute_async_script(
            "const done = arguments[arguments.length - 1];"
            "navigator.serviceWorker.ready.then(() => { if (navigator.serviceWorker.controller) done();"
            " else navigator.serviceWorker.addEventListener('controllerchange', done); });")

    def test_plays_after_a_reload_with_the_server_gone(self):
        self.driver.get(self.server.url + "?clock=manual")
        self.wait_for_worker()
        self.server.stop()
        self.driver.execute_cdp_cmd("Network.enable", {})
        self.driver.execute_cdp_cmd("Network.setCacheDisabled", {"cacheDisabled": True})  # no help from the HTTP cache
        self.driver.refresh()
        wait_until_playable(self.driver)
        self.driver.find_element("id", "MiddleMiddle").click()
        self.driver.execute_async_script(
            "const done = arguments[arguments.length - 1];"
            "Module.page.idle().then(() => Module.page.advance(100)).then(done);")
        self.assertEqual(self.driver.execute_script("return [...lstP2M.options].map(o => o.text)"), ["1"])
        # Every file came from the cache, fonts and pictures included.
        failed = self.driver.execute_script(
            "return [...document.images].filter(i => i.src && !i.complete).map(i => i.src)"
            ".concat([...document.fonts].filter(f => f.status == 'error').map(f => f.family))")
        self.assertEqual(failed, [])
        self.server = serve_site()  # for tearDown

    def test_installable(self):
        self.driver.get(self.server.url)
        self.wait_for_worker()
        errors = self.driver.execute_cdp_cmd("Page.getInstallabilityErrors", {})["installabilityErrors"]
        self.assertEqual(errors, [])
        with open(os.path.join(SITE, "manifest.webmanifest")) as manifest:
            icons = json.load(manifest)["icons"]
        for icon in icons:
            self.assertTrue(os.path.isfile(os.path.join(SITE, icon["src"])), icon["src"])


if __name__ == "__main__":
    unittest.main()
