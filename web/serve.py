#!/usr/bin/python3
"""Serves the built web edition on loopback, with the types a browser needs for its files.

    web/serve.py SITE_FOLDER [PORT]     (PORT 8080 unless given; 0 takes a free one)

The browser tests use Server to serve the site on a free port of their own."""
import functools
import hashlib
import http.server
import os
import socket
import sys
import threading
import urllib.parse

# What the page may load and run, it says itself (its policy names the style and script written
# into it by their digests: web/makesite.py); the server adds what a page cannot say: that no
# other page may frame it.
POLICY = "frame-ancestors 'none'"


class Handler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                      ".wasm": "application/wasm", ".webmanifest": "application/manifest+json",
                      ".woff2": "font/woff2", ".ico": "image/vnd.microsoft.icon", ".bmp": "image/bmp"}
    protocol_version = "HTTP/1.1"  # one connection for all the page's files
    disable_nagle_algorithm = True  # small answers go out at once
    timeout = 5  # seconds a client may take to send any part of its request, or keep its connection idle
    deadline = 10  # seconds a client may take to send a whole request, however it trickles in
    etag = None
    compressible = False

    def handle_one_request(self):
        # A client that sends its request a byte at a time is let go at the deadline all the same.
        self.etag = None
        self.compressible = False
        watchdog = threading.Timer(self.deadline, self.let_go)
        watchdog.daemon = True  # nothing to wait for as the server stops
        watchdog.start()
        try:
            super().handle_one_request()
        finally:
            watchdog.cancel()

    def let_go(self):
        try:
            self.connection.shutdown(socket.SHUT_RDWR)
        except OSError:
            pass

    def parse_request(self):
        if not super().parse_request():
            return False
        if self.request_version == "HTTP/0.9":
            self.request_version = "HTTP/1.0"  # so that the refusal carries its headers
            self.send_error(400, "HTTP/0.9 is not served")
            return False
        return True

    def send_head(self):
        try:
            path = self.translate_path(self.path)
            site = os.path.realpath(self.directory)
            if os.path.commonpath([os.path.realpath(path), site]) != site:
                self.send_error(404, "File not found")  # a link that leads out of the site
                return None
            if os.path.isdir(path) and self.path.split("?")[0].endswith("/"):
                path = os.path.join(path, "index.html")
            if not os.path.isfile(path):
                return super().send_head()  # a folder's address without its slash, or nothing
            return self.send_file(path)
        except ValueError:  # a path the file system cannot name, such as one with a NUL byte
            self.send_error(400, "Bad path")
            return None

    def send_file(self, path):
        """The file, or the compressed copy of it that the browser accepts (makesite.py writes
        them); validated by its content, not by its date, so that an older build deployed again
        is seen as new."""
        accepted = {part.split(";")[0].strip() for part in self.headers.get("Accept-Encoding", "").split(",")}
        encoding, sent = next(((name, path + suffix) for name, suffix in (("br", ".br"), ("gzip", ".gz"))
                               if name in accepted and os.path.isfile(path + suffix)), (None, path))
        self.etag = f'"{digest(sent)}"'
        self.compressible = os.path.isfile(path + ".br") or os.path.isfile(path + ".gz")
        if self.etag in [tag.strip() for tag in self.headers.get("If-None-Match", "").split(",")]:
            self.send_response(304)
            self.end_headers()
            return None
        # Opened once the headers are out: a browser gone meanwhile leaves no file open.
        self.send_response(200)
        self.send_header("Content-Type", self.guess_type(path))
        self.send_header("Content-Length", str(os.path.getsize(sent)))
        if encoding:
            self.send_header("Content-Encoding", encoding)
        self.end_headers()
        return open(sent, "rb")

    def list_directory(self, path):
        self.send_error(404, "File not found")
        return None

    def end_headers(self):
        # The page and the worker are asked for afresh each time, so that a new build is seen;
        # the files the build names by their contents ("?v=") may be kept for a year.
        address = urllib.parse.urlsplit(getattr(self, "path", ""))
        path = urllib.parse.unquote(address.path)
        if path.endswith(("/", ".html", "sw.js")):
            self.send_header("Cache-Control", "no-cache")
        elif urllib.parse.parse_qs(address.query).get("v"):
            self.send_header("Cache-Control", "public, max-age=31536000, immutable")
        if self.compressible:
            self.send_header("Vary", "Accept-Encoding")
        if self.etag:
            self.send_header("ETag", self.etag)
        self.send_header("X-Content-Type-Options", "nosniff")
        self.send_header("Content-Security-Policy", POLICY)
        super().end_headers()


@functools.lru_cache(maxsize=256)
def digest_of(path, modified, size):
    with open(path, "rb") as file:
        return hashlib.sha256(file.read()).hexdigest()[:32]


def digest(path):
    """A file's content digest, read again only when the file changes."""
    status = os.stat(path)
    return digest_of(path, status.st_mtime_ns, status.st_size)


class QuietHandler(Handler):
    def log_message(self, *args):
        pass


class BoundedServer(http.server.ThreadingHTTPServer):
    """At most this many connections are served at once; the rest wait to be accepted. Stopped,
    it lets its connections go at once."""

    workers = 16
    daemon_threads = True
    block_on_close = False

    def __init__(self, *args, **kwargs):
        self.slots = threading.BoundedSemaphore(self.workers)
        self.connections = set()
        super().__init__(*args, **kwargs)

    def process_request(self, request, client_address):
        self.slots.acquire()
        self.connections.add(request)
        super().process_request(request, client_address)

    def process_request_thread(self, request, client_address):
        try:
            super().process_request_thread(request, client_address)
        finally:
            self.connections.discard(request)
            self.slots.release()

    def close_connections(self):
        for connection in list(self.connections):
            try:
                connection.shutdown(socket.SHUT_RDWR)
            except OSError:
                pass

    def handle_error(self, request, client_address):
        # A browser that closes a connection it no longer needs is no error of the server's.
        if not isinstance(sys.exc_info()[1], ConnectionError):
            super().handle_error(request, client_address)


class Server:
    """Serves site on a loopback port in a thread of its own until stopped."""

    def __init__(self, site, port=0, handler=QuietHandler):
        self.httpd = BoundedServer(("127.0.0.1", port), functools.partial(handler, directory=site))
        self.url = f"http://127.0.0.1:{self.httpd.server_address[1]}/"
        self.thread = threading.Thread(target=self.httpd.serve_forever, daemon=True)
        self.thread.start()

    def stop(self):
        """Stops serving, and lets every open connection go: the server is gone."""
        self.httpd.shutdown()
        self.httpd.close_connections()
        self.httpd.server_close()


def main():
    usage = __doc__.strip().splitlines()[2].strip()
    if len(sys.argv) not in (2, 3):
        sys.exit(f"usage: {usage}")
    site = sys.argv[1]
    if not os.path.isdir(site):
        print(f"serve.py: there is no site folder {site}; build it with scripts/web --build", file=sys.stderr)
        sys.exit(2)
    try:
        port = int(sys.argv[2]) if len(sys.argv) == 3 else 8080
        if not 0 <= port <= 65535:
            raise ValueError
    except ValueError:
        print(f"serve.py: the port must be a number from 0 to 65535, not {sys.argv[2]}", file=sys.stderr)
        sys.exit(2)
    try:
        server = Server(site, port, Handler)
    except OSError as error:
        sys.exit(f"serve.py: cannot serve on 127.0.0.1:{port}: {error.strerror}")
    try:
        print(f"Play at {server.url}  (Ctrl+C stops the server)", flush=True)
        server.thread.join()
    except KeyboardInterrupt:
        server.stop()


if __name__ == "__main__":
    main()
