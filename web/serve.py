#!/usr/bin/python3
"""Serves the built web edition on loopback, with the types a browser needs for its files.

    web/serve.py SITE_FOLDER [PORT]     (PORT 8080 unless given; 0 takes a free one)

The browser tests use Server to serve the site on a free port of their own."""
import functools
import http.server
import sys
import threading


class Handler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                      ".wasm": "application/wasm", ".webmanifest": "application/manifest+json",
                      ".woff2": "font/woff2", ".ico": "image/vnd.microsoft.icon", ".bmp": "image/bmp"}


class QuietHandler(Handler):
    def log_message(self, *args):
        pass


class Server:
    """Serves site on a loopback port in a thread of its own until stopped."""

    def __init__(self, site, port=0, handler=QuietHandler):
        self.httpd = http.server.ThreadingHTTPServer(("127.0.0.1", port), functools.partial(handler, directory=site))
        self.url = f"http://127.0.0.1:{self.httpd.server_address[1]}/"
        self.thread = threading.Thread(target=self.httpd.serve_forever, daemon=True)
        self.thread.start()

    def stop(self):
        self.httpd.shutdown()
        self.httpd.server_close()


def main():
    if len(sys.argv) not in (2, 3):
        sys.exit(__doc__.strip().splitlines()[2].strip())
    port = int(sys.argv[2]) if len(sys.argv) == 3 else 8080
    try:
        server = Server(sys.argv[1], port, Handler)
    except OSError as error:
        sys.exit(f"serve.py: cannot serve on 127.0.0.1:{port}: {error.strerror}")
    print(f"Play at {server.url}  (Ctrl+C stops the server)", flush=True)
    try:
        server.thread.join()
    except KeyboardInterrupt:
        server.stop()


if __name__ == "__main__":
    main()
