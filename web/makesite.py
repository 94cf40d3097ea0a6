#!/usr/bin/python3
"""Makes the site a web server serves from the staged files.

The build is named by their contents, and that name is stamped wherever the page asks for its own
files ("?v=@BUILD@"), so that no cache can hand a page the files of two builds. What the first
paint needs comes inside the page: the style sheet and the start script are written into it (with
comments and indentation left out, as the page's own are), and the page's policy allows exactly those two by their
digests. The service worker is written with every file it keeps, by the address the page asks for
it and the digest it must have. Last, a brotli and a gzip copy is written beside each file that
compresses, for the host to send without compressing as it serves.

    makesite.py STAGE SITE sw.js.in"""
import base64
import gzip
import hashlib
import os
import re
import shutil
import sys

import brotli

# What the page may load and run: its own files, the WebAssembly it compiles, and the style and
# script written into it. The host adds what a page cannot say for itself (frame-ancestors).
POLICY = ("default-src 'self'; script-src 'self' 'wasm-unsafe-eval' {script}; style-src 'self' {style}; "
          "img-src 'self' data:; object-src 'none'; base-uri 'none'; form-action 'self'")
# Written into the page: the tags that ask for them, and the tags that then hold them.
INLINE = {"style.css": (r'<link rel="stylesheet" href="style\.css\?v=\w+">', "style"),
          "start.js": (r'<script src="start\.js\?v=\w+"></script>', "script")}
# The page, its scripts and style, the WebAssembly, the manifest and the pictures that are not
# compressed already; the fonts (WOFF2) and PNG pictures are.
COMPRESSIBLE = (".html", ".js", ".css", ".wasm", ".webmanifest", ".svg", ".bmp", ".ico")


def digest(data):
    return hashlib.sha256(data).hexdigest()


def lean(name, text):
    """The text without its comments and indentation, as the page carries it."""
    if name.endswith(".css"):
        text = re.sub(r"/\*.*?\*/", "", text, flags=re.S)
    else:
        text = re.sub(r"^\s*//.*\n", "", text, flags=re.M)
    return re.sub(r"\n\s+", "\n", text).strip()


def main():
    stage, site, template = sys.argv[1:4]
    files = sorted(os.path.relpath(os.path.join(folder, name), stage)
                   for folder, _, names in os.walk(stage) for name in names)
    contents = {name: open(os.path.join(stage, name), "rb").read() for name in files}
    named = "".join(f"{name} {digest(data)}\n" for name, data in contents.items())
    build = digest((named + f"sw.js {digest(open(template, 'rb').read())}\n").encode())[:16]
    for name in files:
        if name.endswith((".html", ".css", ".js")):
            contents[name] = contents[name].decode().replace("@BUILD@", build).encode()

    # The page without its comments (the design's markup says where it came from).
    page, hashes = re.sub(r"<!--.*?-->\n?", "", contents.pop("index.html").decode(), flags=re.S), {}
    for name, (asked, tag) in INLINE.items():
        text = lean(name, contents.pop(name).decode())
        hashes[tag] = "'sha256-" + base64.b64encode(hashlib.sha256(text.encode()).digest()).decode() + "'"
        page, count = re.subn(asked, lambda _: f"<{tag}>{text}</{tag}>", page)
        assert count == 1, f"index.html asks for {name} {count} times"
    contents["index.html"] = page.replace("@POLICY@", POLICY.format(**hashes)).encode()

    shutil.rmtree(site, ignore_errors=True)
    kept = []
    for name, data in sorted(contents.items()):
        os.makedirs(os.path.dirname(os.path.join(site, name)), exist_ok=True)
        with open(os.path.join(site, name), "wb") as file:
            file.write(data)
        if name == "fonts/COPYING":
            continue  # read by people, not by the page
        # The page itself, its manifest and the manifest's icons are asked for by their plain names.
        address = ("./" if name == "index.html" else name if re.match(r"manifest\.webmanifest$|icons/", name)
                   else f"{name}?v={build}")
        kept.append(f"  ['{address}', '{digest(data)}'],\n")
    worker = open(template).read().replace("@BUILD@", build).replace("@FILES@", "".join(kept))
    with open(os.path.join(site, "sw.js"), "w") as file:
        file.write(worker)

    for name in list(contents) + ["sw.js"]:
        if not name.endswith(COMPRESSIBLE):
            continue
        path = os.path.join(site, name)
        data = open(path, "rb").read()
        # The same bytes for the same file, build after build.
        for suffix, packed in ((".br", brotli.compress(data, quality=11)),
                               (".gz", gzip.compress(data, compresslevel=9, mtime=0))):
            if len(packed) < len(data):
                with open(path + suffix, "wb") as file:
                    file.write(packed)


if __name__ == "__main__":
    main()
