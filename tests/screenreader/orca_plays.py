#!/usr/bin/python3
"""A blind player's game, end to end: starts the game under the Orca screen reader on a
private X display and session bus, plays it by keys alone, and checks what Orca speaks.

    xvfb-run -a -s -noreset dbus-run-session -- orca_plays.py GAME [--show]

Exit status 0 when Orca spoke every phrase expected, in order; --show prints all it spoke.
Needs (Debian): xvfb xdotool openbox orca at-spi2-core dbus speech-dispatcher-espeak-ng.
"""
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

# Each step: the keys typed, then the phrases Orca must speak for them, in order (regular
# expressions, matched against its speech from the end of the previous step on).
STEPS = [
    ([], [r"TAVROK Tic-Tac-Toe frame", r"New Game push button"]),
    (["Tab"], [r"About push button"]),
    (["Tab"], [r"X's Moves"]),
    (["Tab", "Tab", "Tab", "Tab", "Tab"], [r"Game Status"]),
    (["Tab"], [r"Square 9, empty push button"]),
    (["space"], [r"notification Square 9, X\. Square 5, O\."]),
    (["Up"], [r"Square 6, empty push button"]),
    (["Up"], [r"Square 3, empty push button"]),
    (["space"], [r"notification Square 3, X\. Square 6, O\."]),
    (["Left"], [r"Square 2, empty push button"]),
    (["1"], [r"notification Square 1, X\. Square 4, O\. O\(Computer\) Wins!", r"Player Ratings",
             r"Human\(X\): 2, Compuer\(O\): 4 Result: Computer\(O\) Wins\."]),
    (["Return"], [r"New Game push button"]),
    (["alt+n"], [r"notification New Game\."]),
    (["Tab"], [r"About push button"]),
]
PAUSE = 1.0  # seconds between keys: Orca speaks each before the next


def spawn(procs, argv, env, **kw):
    proc = subprocess.Popen(argv, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                            start_new_session=True, **kw)
    procs.append(proc)
    return proc


def session(home):
    """The X display and session bus this runs under (xvfb-run, dbus-run-session), with the
    accessibility bus switched on and a home of its own."""
    env = {k: v for k, v in os.environ.items() if not k.startswith(("AT_SPI", "WAYLAND", "QT_QPA", "XDG_"))}
    env.update(HOME=home, XDG_RUNTIME_DIR=home, XDG_CONFIG_HOME=os.path.join(home, "config"),
               XDG_DATA_HOME=os.path.join(home, "data"), XDG_CACHE_HOME=os.path.join(home, "cache"),
               QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    # No sound card here: speech goes to ALSA's null device, which is all Orca needs to go on.
    speechd = os.path.join(home, "config", "speech-dispatcher")
    os.makedirs(speechd)
    with open(os.path.join(speechd, "speechd.conf"), "w") as conf:
        conf.write('AudioOutputMethod "alsa"\nAudioALSADevice "null"\n')
    subprocess.run(["dbus-send", "--session", "--dest=org.a11y.Bus", "--print-reply", "/org/a11y/bus",
                    "org.freedesktop.DBus.Properties.Set", "string:org.a11y.Status", "string:IsEnabled",
                    "variant:boolean:true"], env=env, capture_output=True, check=True)
    return env


def speech(log):
    if not os.path.exists(log):
        return []
    with open(log, errors="replace") as text:
        return [" ".join(m.group(1).split()) for m in re.finditer(r"SPEECH OUTPUT: '(.*?)'\s*\{", text.read())]


def main():
    game, show = sys.argv[1], "--show" in sys.argv
    home = tempfile.mkdtemp(prefix="orca-plays-")
    procs = []
    try:
        env = session(home)
        spawn(procs, ["openbox", "--sm-disable"], env)
        log = os.path.join(home, "orca.log")
        orca = spawn(procs, ["orca", "--replace", "--debug-file", log, "-u", os.path.join(home, "orca")], env)
        deadline = time.monotonic() + 30
        while not any("Screen reader on" in phrase for phrase in speech(log)) and time.monotonic() < deadline:
            time.sleep(0.2)
        spawn(procs, [game], env)
        time.sleep(3)
        for keys, _ in STEPS:
            for key in keys:
                subprocess.run(["xdotool", "key", "--clearmodifiers", key], env=env, check=True)
                time.sleep(PAUSE)
        time.sleep(PAUSE)
        orca.send_signal(signal.SIGINT)  # Orca closes its log, all written, when interrupted
        orca.wait(timeout=20)
        spoken = speech(log)
    finally:
        for proc in reversed(procs):
            try:
                os.killpg(proc.pid, signal.SIGTERM)
                proc.wait(timeout=10)
            except (ProcessLookupError, PermissionError, subprocess.TimeoutExpired):
                pass
        # The speech server that Orca started.
        for pid_file in [os.path.join(home, "speech-dispatcher", "pid", "speech-dispatcher.pid")]:
            try:
                with open(pid_file) as pid:
                    os.kill(int(pid.read()), signal.SIGTERM)
            except (OSError, ValueError):
                pass
        shutil.rmtree(home, ignore_errors=True)

    if show:
        print("\n".join(spoken))
    at = 0
    for keys, expected in STEPS:
        for phrase in expected:
            found = next((i for i in range(at, len(spoken)) if re.search(phrase, spoken[i])), None)
            if found is None:
                print(f"after {' '.join(keys) or 'the start'}: Orca never said /{phrase}/; "
                      f"it said from there on: {spoken[at:at + 8]}", file=sys.stderr)
                return 1
            at = found + 1
    print(f"Orca spoke all {sum(len(e) for _, e in STEPS)} expected phrases ({len(spoken)} in all)")
    return 0


if __name__ == "__main__":
    sys.exit(main())
