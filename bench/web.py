#!/usr/bin/python3
"""Measures the web edition's first visit in headless Debian chromium as a player meets it: on
loopback, and on a slow network under chromium's own throttling (Slow 4G: 150 ms, 1.6 Mbit/s;
3G: 300 ms, 400 kbit/s). Each run loads the game and a floor page of nine buttons, in turn,
from the same server (web/serve.py, which sends the compressed copies), and reads:
- loaded: the game's own "playable" mark (loaded, and waiting for the player's first event);
  the floor page has loaded once it has been read;
- board painted: the first paint that shows the main window (for the floor page, its first
  paint);
- captions in: when the board's font and pictures have arrived, so that its captions and icons
  are drawn;
- playable: the later of the two: the game runs and the player can read its board;
- the bytes sent for what the page asked for before it loaded (as sent: compressed, with their
  headers).
The physical floor is what those bytes cost on the network: their time at its bandwidth, plus a
round trip for each step of the request chain (the page, then the files it names).

The browser is already running, as a player's is when they open the page: before each visit it
forgets the site's cache, storage and service worker.

    bench/web.py --site build/web/site [--repeats N]
"""
import argparse
import os
import shutil
import statistics
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "../tests/web"))
from browser import Chromium, serve  # noqa: E402

# Latency (ms) and bandwidth (bytes a second) down and up, as chromium's presets give them.
NETWORKS = {"loopback": None, "Slow 4G": (150, 1_600_000 / 8, 750_000 / 8), "3G": (300, 400_000 / 8, 400_000 / 8)}
CHAIN = 2  # round trips before playable: the page, then the files its head names

# Run in the page before its own scripts: the first frame in which the main window is laid out.
WATCH = """
(function watch() {
  const board = document.getElementById('frmMain');
  if (board && board.offsetWidth && !board.hidden && getComputedStyle(board).visibility === 'visible') window.boardAt = performance.now();
  else requestAnimationFrame(watch);
})();
"""
READ = """
const [marked, done] = arguments;
(function wait() {
  const mark = performance.getEntriesByName('playable')[0], page = performance.getEntriesByType('navigation')[0];
  const loaded = marked ? mark && mark.startTime : page.domContentLoadedEventEnd;
  const paint = performance.getEntriesByName('first-paint')[0];
  if (!loaded || !paint || (marked && !window.boardAt)) return setTimeout(wait, 5);
  const files = [page].concat(performance.getEntriesByType('resource')).filter((e) => e.startTime < loaded);
  const board = Math.max(paint.startTime, window.boardAt || 0);
  const captions = Math.max(board, ...files.filter((e) => /woff2|artwork/.test(e.name)).map((e) => e.responseEnd));
  done({playable: Math.max(loaded, captions), loaded, board, captions, sent: files.reduce((s, e) => s + e.transferSize, 0)});
})();
"""

FLOOR = """<!DOCTYPE html>
<html lang="en"><head><meta charset="utf-8"><title>Floor</title></head><body>
""" + "".join(f"<button>{n}</button>" for n in range(1, 10)) + """
</body></html>
"""
PAGES = {"the game": "", "floor page": "floor.html"}


def first_visit(browser, url):
    browser.get("about:blank")
    browser.cdp("Network.clearBrowserCache")
    browser.cdp("Storage.clearDataForOrigin", {"origin": "/".join(url.split("/")[:3]), "storageTypes": "all"})
    time.sleep(0.3)  # the browser's own work for the clearing is done before the page is asked for
    browser.get(url)
    return browser.js_async(READ, url.endswith("/"))


def throttle(browser, network):
    latency, down, up = NETWORKS[network] or (0, -1, -1)
    browser.cdp("Network.emulateNetworkConditions", {"offline": False, "latency": latency,
                                                      "downloadThroughput": down, "uploadThroughput": up})


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--site", required=True)
    parser.add_argument("--repeats", type=int, default=7)
    args = parser.parse_args()
    folder = tempfile.mkdtemp(prefix="tictactoe-bench-")
    shutil.copytree(args.site, folder, dirs_exist_ok=True)
    with open(os.path.join(folder, "floor.html"), "w") as file:
        file.write(FLOOR)
    server = serve.Server(folder)
    browser = Chromium()
    browser.cdp("Network.enable")
    browser.cdp("Page.addScriptToEvaluateOnNewDocument", {"source": WATCH})
    runs = {(network, page): [] for network in NETWORKS for page in PAGES}
    try:
        for network in NETWORKS:
            throttle(browser, network)
            for run in range(args.repeats):
                for page in (PAGES if run % 2 == 0 else reversed(PAGES)):
                    runs[network, page].append(first_visit(browser, server.url + PAGES[page]))
                print(f"{network}, run {run + 1}: " + "; ".join(
                    f"{page} " + ", ".join(f"{key} {value:.0f}" for key, value in runs[network, page][-1].items())
                    for page in PAGES), flush=True)
    finally:
        browser.quit()
        server.stop()
        shutil.rmtree(folder, ignore_errors=True)

    print(f"\n| first visit, medians of {args.repeats} | network | playable (ms) | / physical floor | board painted (ms)"
          " | / floor page's | captions in (ms) | loaded (ms) | sent before playable (bytes) |")
    print("|---|---|---:|---:|---:|---:|---:|---:|---:|")
    for network in NETWORKS:
        median = {(page, key): statistics.median(r[key] for r in runs[network, page])
                  for page in PAGES for key in ("playable", "loaded", "board", "captions", "sent")}
        latency, down, _ = NETWORKS[network] or (0, float("inf"), 0)
        for page in PAGES:
            trips = CHAIN if page == "the game" else 1
            floor = trips * latency + median[page, "sent"] / down * 1000
            print(f"| {page} | {network} | {median[page, 'playable']:.0f} | "
                  + (f"{median[page, 'playable'] / floor:.2f} (floor {floor:.0f})" if NETWORKS[network] else "-")
                  + f" | {median[page, 'board']:.0f} | {median[page, 'board'] / median['floor page', 'board']:.2f}"
                  f" | {median[page, 'captions']:.0f} | {median[page, 'loaded']:.0f} | {median[page, 'sent']:.0f} |")


if __name__ == "__main__":
    main()
