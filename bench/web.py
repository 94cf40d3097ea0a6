#!/usr/bin/python3
"""Measures the web edition in headless Debian chromium: the time from navigation to a
playable board (the page's "playable" mark, set when the game has loaded and waits for the
player's first event), on a first visit (nothing cached, no service worker) and on a second
visit of the same browser (the service worker serves every file); and, in the same runs from
the same server, the first visit of a floor page: nine buttons that are playable as soon as
they are parsed, and of the same page with one one-line script of its own (what any page that
runs a script from its server pays before the first line runs); each in a fresh browser.
Also the bytes the first visit loads. Prints one line per run and the medians.

    bench/web.py --site build/web/site [--repeats N]
"""
import argparse
import os
import shutil
import statistics
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "../tests/web"))
from browser import Chromium, serve  # noqa: E402

# The game's page marks "playable"; the floor page is playable once it is read.
PLAYABLE = """
const done = arguments[arguments.length - 1];
(function wait() {
  const mark = performance.getEntriesByName('playable')[0], page = performance.getEntriesByType('navigation')[0];
  const at = mark ? mark.startTime : page.domContentLoadedEventEnd;
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


def visit(browser, url):
    browser.get(url)
    return browser.js_async(PLAYABLE)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--site", required=True)
    parser.add_argument("--repeats", type=int, default=5)
    args = parser.parse_args()
    folder = tempfile.mkdtemp(prefix="tictactoe-bench-")
    shutil.copytree(args.site, folder, dirs_exist_ok=True)
    for name, text in (("floor.html", FLOOR), ("floor-script.html", FLOOR_WITH_SCRIPT),
                       ("floor.js", "document.body.dataset.ran = 'yes';\n")):
        with open(os.path.join(folder, name), "w") as file:
            file.write(text)
    server = serve.Server(folder)
    first, second, floors, scripted, weight = [], [], [], [], []
    try:
        for run in range(args.repeats):
            pages = ["game", "floor", "floor-script"]
            for page in pages[run % 3:] + pages[:run % 3]:
                browser = Chromium()
                try:
                    if page != "game":
                        (floors if page == "floor" else scripted).append(visit(browser, server.url + page + ".html")[0])
                        continue
                    ms, loaded = visit(browser, server.url)
                    browser.js_async("navigator.serviceWorker.ready.then(arguments[arguments.length - 1])")
                    first.append(ms)
                    weight.append(loaded)
                    second.append(visit(browser, server.url)[0])
                finally:
                    browser.quit()
            print(f"run {run + 1}: first visit {first[-1]:.1f} ms, second visit {second[-1]:.1f} ms, "
                  f"floor page {floors[-1]:.1f} ms, with a script {scripted[-1]:.1f} ms, {weight[-1]} bytes loaded", flush=True)
    finally:
        server.stop()
        shutil.rmtree(folder, ignore_errors=True)
    print()
    print(f"| medians of {args.repeats} runs | web edition | floor page | web / floor |")
    print("|---|---:|---:|---:|")
    print(f"| navigation to playable, first visit (ms) | {statistics.median(first):.1f} | "
          f"{statistics.median(floors):.1f} | {statistics.median(first) / statistics.median(floors):.2f} |")
    print(f"| floor page with one script, first visit (ms) | | {statistics.median(scripted):.1f} | "
          f"{statistics.median(first) / statistics.median(scripted):.2f} |")
    print(f"| navigation to playable, second visit (ms) | {statistics.median(second):.1f} | | |")
    print(f"| bytes loaded by the first visit (uncompressed) | {int(statistics.median(weight))} | | |")


if __name__ == "__main__":
    main()
