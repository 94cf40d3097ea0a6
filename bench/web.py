#!/usr/bin/python3
"""Measures the web edition in headless Debian chromium: the time from navigation to a
playable board (the page's "playable" mark, set when the game has loaded and waits for the
player's first event), on a first visit (nothing cached, no service worker) and on a second
visit of the same browser (the service worker serves every file). Also the bytes the first
visit loads. Prints one line per run and the medians.

    bench/web.py --site build/web/site [--repeats N]
"""
import argparse
import os
import statistics
import sys

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "../tests/web"))
os.environ.setdefault("TICTACTOE_SITE", "build/web/site")
from browser import chromium, quit_chromium  # noqa: E402
import serve  # noqa: E402

PLAYABLE = """
const done = arguments[arguments.length - 1];
(function wait() {
  const mark = performance.getEntriesByName('playable')[0];
  if (mark) done([mark.startTime, performance.getEntriesByType('navigation').concat(
      performance.getEntriesByType('resource')).reduce((s, e) => s + e.decodedBodySize, 0)]);
  else setTimeout(wait, 5);
})();
"""


def visit(driver, url):
    driver.get(url)
    return driver.execute_async_script(PLAYABLE)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--site", required=True)
    parser.add_argument("--repeats", type=int, default=5)
    args = parser.parse_args()
    server = serve.Server(args.site)
    first, second, weight = [], [], []
    try:
        for run in range(args.repeats):
            driver = chromium()
            try:
                ms, loaded = visit(driver, server.url)
                driver.execute_async_script("navigator.serviceWorker.ready.then(arguments[arguments.length - 1])")
                again, _ = visit(driver, server.url)
            finally:
                quit_chromium(driver)
            first.append(ms)
            second.append(again)
            weight.append(loaded)
            print(f"run {run + 1}: first visit {ms:.1f} ms, second visit {again:.1f} ms, {loaded} bytes loaded", flush=True)
    finally:
        server.stop()
    print()
    print(f"| medians of {args.repeats} runs | web edition |")
    print("|---|---:|")
    print(f"| navigation to playable board, first visit (ms) | {statistics.median(first):.1f} |")
    print(f"| navigation to playable board, second visit (ms) | {statistics.median(second):.1f} |")
    print(f"| bytes loaded by the first visit (uncompressed) | {int(statistics.median(weight))} |")


if __name__ == "__main__":
    main()
