"""The site as Debian's nginx serves it with web/nginx.conf: the compressed copy the browser
accepts, the lifetimes, the same policy as web/serve.py, and a game played through it."""
import os
import shutil
import subprocess
import tempfile
import time
import unittest
import urllib.request

from browser import SITE, PageTest, free_port, only_in, serve

CONF = os.path.join(os.path.dirname(__file__), "../../web/nginx.conf")


class Nginx:
    """nginx on a loopback port with the shipped site configuration, its root the built site."""

    def __init__(self, site):
        self.folder = tempfile.mkdtemp(prefix="tictactoe-nginx-")
        port = free_port()
        with open(CONF) as conf:
            shipped = conf.read()
        with open(os.path.join(self.folder, "site.conf"), "w") as conf:
            conf.write(shipped.replace("listen 80;", f"listen 127.0.0.1:{port};")
                       .replace("root /var/www/tictactoe;", f"root {os.path.abspath(site)};"))
        with open(os.path.join(self.folder, "nginx.conf"), "w") as conf:
            conf.write(f"load_module /usr/lib/nginx/modules/ngx_http_brotli_static_module.so;\n"
                       f"pid {self.folder}/nginx.pid;\nerror_log {self.folder}/error.log;\n"
                       f"daemon off;\nworker_processes 1;\nevents {{}}\nhttp {{\n  access_log off;\n"
                       + "".join(f"  {kind}_temp_path {self.folder}/{kind};\n"
                                 for kind in ("client_body", "proxy", "fastcgi", "uwsgi", "scgi"))
                       + f"  include {self.folder}/site.conf;\n}}\n")
        self.process = subprocess.Popen(["/usr/sbin/nginx", "-c", f"{self.folder}/nginx.conf", "-p", self.folder])
        self.url = f"http://127.0.0.1:{port}/"
        deadline = time.monotonic() + 10
        while True:
            try:
                urllib.request.urlopen(self.url).close()
                break
            except OSError:
                if time.monotonic() > deadline or self.process.poll() is not None:
                    raise
                time.sleep(0.05)

    def stop(self):
        self.process.terminate()
        self.process.wait(timeout=10)
        shutil.rmtree(self.folder, ignore_errors=True)


@only_in("chromium")
class NginxServes(PageTest):
    @classmethod
    def setUpClass(cls):
        super().setUpClass()
        cls.server.stop()
        cls.server = Nginx(SITE)

    def test_what_it_sends(self):
        kept, fresh = "public, max-age=31536000, immutable", "no-cache"
        for path, accepts, encoding, cache in [("", "gzip, deflate, br", "br", fresh), ("sw.js", "gzip", "gzip", fresh),
                                               ("tictactoe.wasm?v=1", "gzip, deflate, br", "br", kept),
                                               ("tictactoe.js?v=1", "", None, kept)]:
            with self.subTest(path=path, accepts=accepts):
                request = urllib.request.Request(self.server.url + path, headers={"Accept-Encoding": accepts})
                with urllib.request.urlopen(request) as response:
                    headers = response.headers
                self.assertEqual(headers["Content-Encoding"], encoding)
                self.assertEqual(headers["Cache-Control"], cache)
                self.assertEqual(headers["Content-Security-Policy"], serve.POLICY)
                self.assertEqual(headers["X-Content-Type-Options"], "nosniff")
        with urllib.request.urlopen(self.server.url + "tictactoe.wasm?v=1") as response:
            self.assertEqual(response.headers["Content-Type"], "application/wasm")

    def test_a_game_through_it(self):
        self.play([5])
        self.assertEqual(self.moves("lstP2M"), ["1"])


if __name__ == "__main__":
    unittest.main()
