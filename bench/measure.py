#!/usr/bin/python3
"""Measures the game beside the baseline window, under the X server named by DISPLAY.

For each program and each repeat: the time from starting it to its window being mapped
(from the X server's MapNotify event), its resident memory 1 s later, and its CPU time and
voluntary context switches (wakeups) over 10 s of idle; for the game also in a won game,
reached by clicking the squares through XTEST and answering the ratings box, measured from
1 s after the box has closed. Start-up varies most from one launch to the next, so each
repeat also starts each program STARTS more times, for its start-up alone. Prints a table of
medians and ratios.
"""
import argparse
import os
import select
import statistics
import subprocess
import time

from Xlib import X, XK, display
from Xlib.ext import xtest

IDLE_SECONDS = 10
STARTS = 4  # launches per repeat and program that measure start-up alone


def wait_for_map(d, timeout):
    """The next window mapped on the screen, or None after timeout seconds."""
    end = time.perf_counter() + timeout
    while True:
        while d.pending_events():
            event = d.next_event()
            if event.type == X.MapNotify:
                return event.window
        left = end - time.perf_counter()
        if left <= 0:
            return None
        select.select([d.fileno()], [], [], left)


def wait_for_unmap(d, window, timeout):
    """True once window is unmapped, False after timeout seconds."""
    end = time.perf_counter() + timeout
    while True:
        while d.pending_events():
            event = d.next_event()
            if event.type == X.UnmapNotify and event.window.id == window.id:
                return True
        left = end - time.perf_counter()
        if left <= 0:
            return False
        select.select([d.fileno()], [], [], left)


def tasks(pid):
    return [f"/proc/{pid}/task/{t}" for t in os.listdir(f"/proc/{pid}/task")]


def cpu_and_wakeups(pid):
    cpu_ns, wakeups = 0, 0
    for task in tasks(pid):
        with open(f"{task}/schedstat") as f:
            cpu_ns += int(f.read().split()[0])
        with open(f"{task}/status") as f:
            for line in f:
                if line.startswith("voluntary_ctxt_switches"):
                    wakeups += int(line.split()[1])
    return cpu_ns, wakeups


def resident_kib(pid):
    with open(f"/proc/{pid}/status") as f:
        for line in f:
            if line.startswith("VmRSS"):
                return int(line.split()[1])
    return 0


def idle(pid):
    cpu0, wake0 = cpu_and_wakeups(pid)
    time.sleep(IDLE_SECONDS)
    cpu1, wake1 = cpu_and_wakeups(pid)
    return (cpu1 - cpu0) / 1e6, wake1 - wake0


def click(d, x, y):
    xtest.fake_input(d, X.MotionNotify, x=x, y=y)
    xtest.fake_input(d, X.ButtonPress, 1)
    xtest.fake_input(d, X.ButtonRelease, 1)
    d.sync()


def press_return(d):
    code = d.keysym_to_keycode(XK.string_to_keysym("Return"))
    xtest.fake_input(d, X.KeyPress, code)
    xtest.fake_input(d, X.KeyRelease, code)
    d.sync()


def square_centre(window_x, window_y, square):
    """The centre of a square, from the window's layout: back panel, cell and borders."""
    column, row = (square - 1) % 3, (square - 1) // 3
    return (window_x + 1 + 2 + (8, 80, 152)[column] + 2 + 30,
            window_y + 1 + 2 + (2, 77, 153)[row] + 2 + 26)


def win_a_game(d, window):
    """X on 5, 9, 3 and 6: the computer's fourth O completes 1, 4, 7. Answers the box."""
    origin = window.translate_coords(d.screen().root, 0, 0)
    wx, wy = -origin.x, -origin.y
    for square in (5, 9, 3, 6):
        click(d, *square_centre(wx, wy, square))
        time.sleep(0.3)
    box = wait_for_map(d, 5)
    if box is None:
        raise RuntimeError("no ratings box after the winning move")
    box.set_input_focus(X.RevertToParent, X.CurrentTime)
    d.sync()
    press_return(d)
    if not wait_for_unmap(d, box, 5):
        raise RuntimeError("the ratings box did not close")


def launch(d, program):
    """Starts program; returns it, its window and the milliseconds until that was mapped."""
    start = time.perf_counter()
    process = subprocess.Popen([program], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    window = wait_for_map(d, 20)
    mapped = time.perf_counter()
    if window is None:
        process.kill()
        process.wait()
        raise RuntimeError(f"{program} mapped no window")
    return process, window, (mapped - start) * 1000


def start_once(d, program):
    process, window, ms = launch(d, program)
    process.terminate()
    process.wait()
    wait_for_unmap(d, window, 5)
    return ms


def run_once(d, program, won_game):
    process, window, start_ms = launch(d, program)
    try:
        time.sleep(1)
        result = {"start_ms": start_ms, "rss_kib": resident_kib(process.pid)}
        result["idle_cpu_ms"], result["idle_wakeups"] = idle(process.pid)
        if won_game:
            win_a_game(d, window)
            time.sleep(1)  # at rest, as after start
        result["won_cpu_ms"], result["won_wakeups"] = idle(process.pid)
        return result
    finally:
        process.terminate()
        process.wait()


ROWS = [
    ("start_ms", "start-up to window mapped (ms)"),
    ("rss_kib", "resident memory 1 s after map (KiB)"),
    ("idle_cpu_ms", f"CPU over {IDLE_SECONDS} s idle after start (ms)"),
    ("idle_wakeups", f"wakeups over {IDLE_SECONDS} s idle after start"),
    ("won_cpu_ms", f"CPU over {IDLE_SECONDS} s idle, won game (ms)"),
    ("won_wakeups", f"wakeups over {IDLE_SECONDS} s idle, won game"),
]


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--game", required=True)
    parser.add_argument("--baseline", required=True)
    parser.add_argument("--repeats", type=int, default=5)
    args = parser.parse_args()

    d = display.Display()
    d.screen().root.change_attributes(event_mask=X.SubstructureNotifyMask)
    d.sync()
    runs = {"game": [], "baseline": []}
    starts = {"game": [], "baseline": []}
    for repeat in range(args.repeats):
        # Alternate which goes first, so neither always meets a warmer cache.
        order = [("game", args.game), ("baseline", args.baseline)]
        for launches in range(STARTS):
            for name, program in order if (repeat + launches) % 2 == 0 else reversed(order):
                starts[name].append(start_once(d, program))
        for name, program in order if repeat % 2 == 0 else reversed(order):
            runs[name].append(run_once(d, program, won_game=name == "game"))
            starts[name].append(runs[name][-1]["start_ms"])
            print(f"repeat {repeat + 1}/{args.repeats}: {name} {runs[name][-1]}", flush=True)

    print()
    print(f"{'medians of ' + str(args.repeats) + ' runs':45} {'game':>10} {'baseline':>10} {'ratio':>7}")
    for key, label in ROWS:
        if key == "start_ms":
            game, base = statistics.median(starts["game"]), statistics.median(starts["baseline"])
            label += f", {len(starts['game'])} launches"
        else:
            game = statistics.median(r[key] for r in runs["game"])
            base = statistics.median(r[key] for r in runs["baseline"])
        ratio = f"{game / base:.2f}" if base else "-"
        print(f"{label:45} {game:10.1f} {base:10.1f} {ratio:>7}")


if __name__ == "__main__":
    main()
