"""The local server holds against a slow or hostile client, and says what is wrong with how it
was started."""
import contextlib
import io
import os
import socket
import struct
import subprocess
import sys
import threading
import time
import unittest
import urllib.error
import urllib.request

from browser import SITE, serve

SERVE = os.path.join(os.path.dirname(__file__), "../../web/serve.py")


class Brisk(serve.QuietHandler):
    timeout = 0.5  # so that the test need not wait for the server's own


class Serving(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.server = serve.Server(SITE, handler=Brisk)
        cls.address = ("127.0.0.1", cls.server.httpd.server_address[1])

    @classmethod
    def tearDownClass(cls):
        cls.server.stop()

    def get(self, path):
        try:
            with urllib.request.urlopen(self.server.url + path) as response:
                return response.status, response.headers
        except urllib.error.HTTPError as error:
            return error.code, error.headers

    def test_headers(self):
        for path, fresh in [("", True), ("index.html", True), ("sw.js", True), ("style.css?v=1", False)]:
            with self.subTest(path=path):
                status, headers = self.get(path)
                self.assertEqual(status, 200)
                self.assertEqual(headers["X-Content-Type-Options"], "nosniff")
                self.assertIn("script-src 'self' 'wasm-unsafe-eval'", headers["Content-Security-Policy"])
                self.assertEqual(headers["Cache-Control"], "no-cache" if fresh else None)

    def test_bad_requests(self):
        self.assertEqual(self.get("artwork/")[0], 404)  # no listing of a folder
        self.assertEqual(self.get("..%00/index.html")[0], 400)

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
