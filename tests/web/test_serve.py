"""The local server holds against a slow or hostile client, and says what is wrong with how it
was started."""
import contextlib
import gzip
import io
import os
import signal
import socket
import struct
import subprocess
import sys
import tempfile
import threading
import time
import unittest
import urllib.error
import urllib.request

import brotli

from browser import SITE, serve

SERVE = os.path.join(os.path.dirname(__file__), "../../web/serve.py")


class Brisk(serve.QuietHandler):
    timeout = 0.5  # so that the test need not wait for the server's own
    deadline = 1.5


class Serving(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.server = serve.Server(SITE, handler=Brisk)
        cls.address = ("127.0.0.1", cls.server.httpd.server_address[1])

    @classmethod
    def tearDownClass(cls):
        cls.server.stop()

    def get(self, path, **headers):
        try:
            with urllib.request.urlopen(urllib.request.Request(self.server.url + path, headers=headers)) as response:
                return response.status, response.headers
        except urllib.error.HTTPError as error:
            return error.code, error.headers

    def test_headers(self):
        kept = "public, max-age=31536000, immutable"
        for path, cache in [("", "no-cache"), ("index.html", "no-cache"), ("sw.js", "no-cache"), ("sw%2Ejs", "no-cache"),
                            ("tictactoe.js?v=1", kept), ("fonts/LiberationSans-Regular.woff2?v=1", kept), ("manifest.webmanifest", None)]:
            with self.subTest(path=path):
                status, headers = self.get(path)
                self.assertEqual(status, 200)
                self.assertEqual(headers["X-Content-Type-Options"], "nosniff")
                self.assertEqual(headers["Content-Security-Policy"], "frame-ancestors 'none'")
                self.assertEqual(headers["Cache-Control"], cache)

    def test_the_copy_the_browser_accepts(self):
        with open(os.path.join(SITE, "tictactoe.wasm"), "rb") as wasm:
            whole = wasm.read()
        for accepts, sent in [("gzip, deflate, br, zstd", "br"), ("gzip", "gzip"), ("", None), ("identity", None)]:
            with self.subTest(accepts=accepts):
                request = urllib.request.Request(self.server.url + "tictactoe.wasm?v=1", headers={"Accept-Encoding": accepts})
                with urllib.request.urlopen(request) as response:
                    body, headers = response.read(), response.headers
                self.assertEqual(headers["Content-Encoding"], sent)
                self.assertEqual(headers["Vary"], "Accept-Encoding")
                self.assertEqual(headers["Content-Type"], "application/wasm")
                self.assertEqual({"br": brotli.decompress, "gzip": gzip.decompress}.get(sent, bytes)(body), whole)
                self.assertLess(len(body), len(whole) if sent else len(whole) + 1)

    def test_bad_requests(self):
        self.assertEqual(self.get("artwork/")[0], 404)  # no listing of a folder
        self.assertEqual(self.get("..%00/index.html")[0], 400)
        with socket.create_connection(self.address) as client:  # HTTP/0.9: refused, with the headers
            client.sendall(b"GET /\r\n\r\n")
            answer = client.makefile("rb").read()
        self.assertTrue(answer.startswith(b"HTTP/1.1 400"), answer[:40])
        self.assertIn(b"Content-Security-Policy", answer)

    def test_updates_and_rollbacks_are_known_by_content(self):
        status, headers = self.get("index.html")
        tag = headers["ETag"]
        self.assertEqual(self.get("index.html", **{"If-None-Match": tag})[0], 304)
        # A client holding a newer build's date still gets the page: dates say nothing here.
        self.assertEqual(self.get("index.html", **{"If-Modified-Since": "Fri, 01 Jan 2100 00:00:00 GMT"})[0], 200)
        self.assertEqual(self.get("index.html", **{"If-None-Match": '"another build"'})[0], 200)

    def test_no_link_leads_out_of_the_site(self):
        with tempfile.TemporaryDirectory() as site:
            with open(os.path.join(site, "index.html"), "w") as page:
                page.write("page")
            os.symlink(os.path.abspath(__file__), os.path.join(site, "outside.py"))
            server = serve.Server(site, handler=Brisk)
            try:
                with urllib.request.urlopen(server.url) as response:
                    self.assertEqual(response.status, 200)
                with self.assertRaises(urllib.error.HTTPError) as refused:
                    urllib.request.urlopen(server.url + "outside.py")
                self.assertEqual(refused.exception.code, 404)
            finally:
                server.stop()

    def test_slow_clients_are_let_go_and_bounded(self):
        slow = []
        for _ in range(3 * serve.BoundedServer.workers):
            client = socket.create_connection(self.address)
            client.sendall(b"GET / HTTP/1.1\r\nHost: x\r\n")  # and never the end of the request
            slow.append(client)
        self.assertLessEqual(threading.active_count(), serve.BoundedServer.workers + 3)
        self.assertEqual(self.get("")[0], 200)  # once the slow ones are let go
        for client in slow:
            client.settimeout(5)
            self.assertEqual(client.recv(1), b"", "the server closes a connection that says nothing")
            client.close()
        # One that trickles its request, a byte at a time, is let go at the deadline.
        start = time.monotonic()
        with socket.create_connection(self.address) as client:
            try:
                for byte in b"GET / HTTP/1.1\r\nHost: trickle\r\nX-Slow: " + b"x" * 100:
                    client.sendall(bytes([byte]))
                    time.sleep(0.1)
                self.fail("the server waited for all of a trickled request")
            except OSError:
                pass
        self.assertLess(time.monotonic() - start, 5)

    def test_ctrl_c_stops_the_server_at_once(self):
        server = subprocess.Popen([sys.executable, SERVE, SITE, "0"], stdout=subprocess.PIPE, text=True)
        self.addCleanup(server.stdout.close)
        self.addCleanup(server.kill)
        port = int(server.stdout.readline().split(":")[2].split("/")[0])
        with socket.create_connection(("127.0.0.1", port)) as client:
            client.sendall(b"GET / HTTP/1.1\r\n")
            server.send_signal(signal.SIGINT)
            start = time.monotonic()
            while server.poll() is None and time.monotonic() - start < 4:
                client.sendall(b"X")  # a client that trickles its request on
                time.sleep(0.2)
        self.assertEqual(server.wait(timeout=10), 0)
        self.assertLess(time.monotonic() - start, 2)

    def test_a_client_that_drops_its_connection_is_no_error(self):
        before = threading.active_count()
        errors = io.StringIO()
        with contextlib.redirect_stderr(errors):
            client = socket.create_connection(self.address)
            client.sendall(b"GET / HTTP/1.1\r\n")
            client.setsockopt(socket.SOL_SOCKET, socket.SO_LINGER, struct.pack("ii", 1, 0))
            client.close()  # reset, halfway through its request
            deadline = time.monotonic() + 5
            while threading.active_count() > before and time.monotonic() < deadline:
                time.sleep(0.01)  # until the server has let that connection go
        self.assertEqual(errors.getvalue(), "")

    def test_a_wrong_start_says_why(self):
        for arguments, says in [([SITE, "abc"], "the port must be a number"), ([SITE, "70000"], "the port must be a number"),
                                (["/nonexistent/site"], "there is no site folder")]:
            with self.subTest(arguments=arguments):
                run = subprocess.run([sys.executable, SERVE, *arguments], capture_output=True, text=True, timeout=20)
                self.assertEqual(run.returncode, 2)
                self.assertIn(says, run.stderr)
                self.assertEqual(len(run.stderr.strip().splitlines()), 1, run.stderr)


if __name__ == "__main__":
    unittest.main()
