#!/usr/bin/python3
"""Writes a brotli and a gzip copy beside each file of the built site that compresses, as
FILE.br and FILE.gz, so that a host sends the copy the browser accepts without compressing as it
serves (web/serve.py does; so do nginx's brotli_static and gzip_static).

    compress.py SITE_FOLDER"""
import gzip
import os
import sys

import brotli

# The page, its scripts and style, the WebAssembly, the manifest and the pictures that are not
# compressed already; the fonts (WOFF2) and PNG pictures are.
WORTH = (".html", ".js", ".css", ".wasm", ".webmanifest", ".svg", ".bmp", ".ico")


def main():
    site = sys.argv[1]
    for folder, _, files in os.walk(site):
        for name in files:
            if not name.endswith(WORTH):
                continue
            path = os.path.join(folder, name)
            with open(path, "rb") as file:
                data = file.read()
            # The same bytes for the same file, build after build.
            for suffix, packed in ((".br", brotli.compress(data, quality=11)),
                                   (".gz", gzip.compress(data, compresslevel=9, mtime=0))):
                if len(packed) < len(data):
                    with open(path + suffix, "wb") as file:
                        file.write(packed)


if __name__ == "__main__":
    main()
