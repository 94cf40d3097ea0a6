#!/usr/bin/python3
"""Measures the web edition in headless Debian chromium: the time from navigation to a
playable board (the page's "playable" mark, set when the game has loaded and waits for the
player's first event), on a first visit (nothing cached, no service worker) and on a second
visit (the service worker serves every file). In the same runs, from the same server, it
measures the first visit of three pages that place the game's time: a floor page of nine
buttons, playable as soon as it is read; the same page with one one-line script of its own
(what any page that runs a script from its server pays); and the game's window without its
scripts (what its markup, style and font cost). Also the bytes the first visit loads.
Prints one line per run and the medians.

The browser is already running, as a player's is when they open the page: before each first
visit it is cleared of the site's cache, storage and service worker, so that the times are the
page's own and not the browser's start.

    bench/web.py --site build/web/site [--repeats N]
"""
import argparse
import os
import re
import shutil
import statistics
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "../tests/web"))
from browser import Chromium, serve  # noqa: E402

# The game's page marks "playable" (arguments[0] is true); the others are playable once they are read.
PLAYABLE = """
const [marked, done] = arguments;
(function wait() {
  const mark = performance.getEntriesByName('playable')[0], page = performance.getEntriesByType('navigation')[0];
  const at = marked ? mark && mark.startTime : page.domContentLoadedEventEnd;
  if (at) done([at, [page].concat(performance.getEntriesByType('resource')).reduce((s, e) => s + e.decodedBodySize, 0)]);
  else setTimeout(wait, 5);
})();
"""

FLOOR = """<!DOCTYPE html>
<html lang="en"><head><meta charset="utf-8"><title>Floor</title></head><body>
""" + "".join(f"<button>{n}</button>" for n in range(1, 10)) + """
</body></html>
"""
FLOOR_WITH_SCRIPT = FLOOR.replace("</body>", '<script src="floor.js"></script></body>')
PAGES = {"the game": "", "floor page": "floor.html", "floor page with one script": "floor-script.html",
         "the game's window without its scripts": "window.html"}


def window_without_scripts(index):
    """The game's page as it is read, without what runs: its scripts and the WebAssembly's preload."""
    return re.sub(r'<script src=.*?</script>\n|<link rel="preload" href="tictactoe\.wasm[^>]*>\n', "", index)


def first_visit(browser, url):
    browser.get("about:blank")
    browser.cdp("Network.clearBrowserCache")
    origin = "/".join(url.split("/")[:3])
    browser.cdp("Storage.clearDataForOrigin", {"origin": origin, "storageTypes": "all"})
    time.sleep(0.3)  # the browser's own work for the clearing is done before the page is asked for
    browser.get(url)
    return browser.js_async(PLAYABLE, url.endswith("/"))


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--site", required=True)
    parser.add_argument("--repeats", type=int, default=5)
    args = parser.parse_args()
    folder = tempfile.mkdtemp(prefix="tictactoe-bench-")
    shutil.copytree(args.site, folder, dirs_exist_ok=True)
    with open(os.path.join(folder, "index.html")) as file:
        window = window_without_scripts(file.read())
    for name, text in (("floor.html", FLOOR), ("floor-script.html", FLOOR_WITH_SCRIPT),
                       ("floor.js", "document.body.dataset.ran = 'yes';\n"), ("window.html", window)):
        with open(os.path.join(folder, name), "w") as file:
            file.write(text)
    server = serve.Server(folder)
    browser = Chromium()
    times = {page: [] for page in PAGES}
    second, weight = [], []
    try:
        for run in range(args.repeats):
            order = list(PAGES)[run % len(PAGES):] + list(PAGES)[:run % len(PAGES)]
            for page in order:
                ms, loaded = first_visit(browser, server.url + PAGES[page])
                times[page].append(ms)
                if page == "the game":
                    weight.append(loaded)
                    browser.js_async("navigator.serviceWorker.ready.then(arguments[arguments.length - 1])")
                    browser.get(server.url)
                    second.append(browser.js_async(PLAYABLE, True)[0])
            print(f"run {run + 1}: " + ", ".join(f"{page} {times[page][-1]:.1f} ms" for page in PAGES)
                  + f", second visit {second[-1]:.1f} ms, {weight[-1]} bytes loaded", flush=True)
    finally:
        browser.quit()
        server.stop()
        shutil.rmtree(folder, ignore_errors=True)
    medians = {page: statistics.median(values) for page, values in times.items()}
    print()
    print(f"| medians of {args.repeats} runs, first visit | navigation to playable (ms) | / floor page |")
    print("|---|---:|---:|")
    for page, median in medians.items():
        print(f"| {page} | {median:.1f} | {median / medians['floor page']:.2f} |")
    print()
    print(f"Second visit, navigation to playable: {statistics.median(second):.1f} ms. "
          f"Bytes the first visit loads before it is playable (uncompressed): {int(statistics.median(weight))}.")


if __name__ == "__main__":
    main()
