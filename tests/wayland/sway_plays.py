#!/usr/bin/python3
"""The game on a Wayland desktop, end to end: a private headless sway (with a pointer and a
keyboard of its own) and a private sound server with a null sink; the game maps natively at
its fixed size, plays a game to the computer's win by clicks and keys, rings the tie's bell
(a playback stream reaches the sound server), and a second "Sytem Info..." brings the system
information window to the front, with the focus.

    sway_plays.py GAME SYSINFO MODULE DESKTOP_ID      exit status 0 when every check holds

sway refuses to run as root: run as root, everything runs as the user nobody.
Needs (Debian): sway wtype pulseaudio pulseaudio-utils libcanberra-pulse sound-theme-freedesktop."""
import json
import os
import pwd
import shutil
import signal
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
WIDTH, HEIGHT = 1024, 768
CONFIG = f"""output HEADLESS-1 resolution {WIDTH}x{HEIGHT} position 0 0
xwayland disable
focus_on_window_activation focus
"""


class Desktop:
    def __init__(self, home):
        self.home = home
        self.procs = []
        self.user = {}
        if os.getuid() == 0:  # sway will not run as root
            nobody = pwd.getpwnam("nobody")
            self.user = {"user": nobody.pw_uid, "group": nobody.pw_gid, "extra_groups": []}
            os.chown(home, nobody.pw_uid, nobody.pw_gid)
        os.chmod(home, 0o700)
        self.env = {"PATH": "/usr/bin:/bin", "HOME": home, "XDG_RUNTIME_DIR": home, "LANG": "C.UTF-8",
                    "XDG_CONFIG_HOME": os.path.join(home, "config"), "XDG_CACHE_HOME": os.path.join(home, "cache"),
                    "XDG_SESSION_TYPE": "wayland", "WLR_BACKENDS": "headless", "WLR_LIBINPUT_NO_DEVICES": "1",
                    "WLR_RENDERER": "pixman", "WAYLAND_DISPLAY": "wayland-1"}

    def spawn(self, argv, **kw):
        proc = subprocess.Popen(argv, env=self.env, start_new_session=True, **self.user, **kw)
        self.procs.append(proc)
        return proc

    def run(self, argv):
        return subprocess.run(argv, env=self.env, capture_output=True, text=True, timeout=20, **self.user).stdout

    def wait(self, what, check, seconds=15):
        end = time.monotonic() + seconds
        while not check():
            if time.monotonic() > end:
                raise RuntimeError(f"never: {what}")
            time.sleep(0.05)

    def start(self):
        with open(os.path.join(self.home, "sway.conf"), "w") as conf:
            conf.write(CONFIG)
        self.spawn(["sway", "-c", os.path.join(self.home, "sway.conf")], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.wait("sway's socket", lambda: os.path.exists(os.path.join(self.home, "wayland-1"))
                  and any(n.startswith("sway-ipc.") for n in os.listdir(self.home)))
        self.env["SWAYSOCK"] = next(os.path.join(self.home, n) for n in os.listdir(self.home) if n.startswith("sway-ipc."))
        self.spawn(["wtype", "-s", "3600000", "-k", "Shift_L"])  # a keyboard that stays
        self.pointer = self.spawn([sys.executable, os.path.join(HERE, "pointer.py"), str(WIDTH), str(HEIGHT)],
                                  stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True)
        self.spawn(["pulseaudio", "--daemonize=no", "--exit-idle-time=-1", "--disallow-exit", "-n",
                    "--load=module-native-protocol-unix", "--load=module-null-sink"],
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.wait("the sound server", lambda: os.path.exists(os.path.join(self.home, "pulse", "native")))

    def point(self, command):
        self.pointer.stdin.write(command + "\n")
        self.pointer.stdin.flush()
        assert self.pointer.stdout.readline().strip() == "ok"

    def click(self, x, y):
        self.point(f"move {x} {y}")
        time.sleep(0.1)
        self.point("click")
        time.sleep(0.3)  # the computer answers within a tick

    def keys(self, *args):
        subprocess.run(["wtype", *args], env=self.env, check=True, timeout=20, **self.user)
        time.sleep(0.3)

    def windows(self):
        """Every window: (app_id, title, the rectangle of its contents, focused, floating)."""
        found = []

        def walk(node, floating):
            if node.get("app_id") is not None:
                inside = node["window_rect"]
                rect = dict(inside, x=node["rect"]["x"] + inside["x"], y=node["rect"]["y"] + inside["y"])
                found.append((node["app_id"], node.get("name"), rect, node.get("focused"), floating))
            for child in node.get("nodes", []):
                walk(child, floating)
            for child in node.get("floating_nodes", []):
                walk(child, True)
        walk(json.loads(self.run(["swaymsg", "-t", "get_tree"])), False)
        return found

    def window(self, title):
        return next((w for w in self.windows() if w[1] == title), None)

    def stop(self):
        for proc in reversed(self.procs):
            try:
                os.killpg(proc.pid, signal.SIGTERM)
                proc.wait(timeout=10)
            except (ProcessLookupError, PermissionError, subprocess.TimeoutExpired):
                pass


def check(what, condition):
    print(("ok   " if condition else "FAIL ") + what, flush=True)
    return condition


def main():
    home = tempfile.mkdtemp(prefix="sway-plays-")
    programs = tempfile.mkdtemp(prefix="sway-plays-programs-")
    os.chmod(programs, 0o755)
    for program in sys.argv[1:4]:  # where the user may run them, each beside the others, as built
        shutil.copy(program, programs)
    shutil.copy(os.path.join(os.path.dirname(sys.argv[1]), "tictactoe-build-tree"), programs)
    game = os.path.join(programs, os.path.basename(sys.argv[1]))
    desktop = Desktop(home)
    ok = True
    try:
        desktop.start()
        desktop.spawn([game], stdout=subprocess.DEVNULL)
        desktop.wait("the game's window", lambda: desktop.window("TAVROK Tic-Tac-Toe"))
        app_id, _, rect, focused, floating = desktop.window("TAVROK Tic-Tac-Toe")
        ok &= check("the game maps natively with its desktop id, fixed and floating at 446 x 220",
                    app_id == sys.argv[4] and (rect["width"], rect["height"]) == (446, 220) and floating)
        left, top = rect["x"], rect["y"]
        square = lambda n: (left + 10 + 72 * ((n - 1) % 3) + 33, top + 4 + 76 * ((n - 1) // 3) + 29)

        # X 5 by a click, X 9 by a key, X 7 by a click: the computer's O on 1, 2, 3 wins.
        desktop.click(*square(5))
        desktop.keys("9")
        desktop.click(*square(7))
        desktop.wait("the ratings box", lambda: desktop.window("Player Ratings"))
        ok &= check("a game by clicks and keys ends in the computer's win, with its box", True)
        desktop.keys("-k", "Return")

        # A tie rings the bell: a playback stream reaches the sound server.
        streams = desktop.spawn(["pactl", "subscribe"], stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        desktop.keys("-M", "alt", "n", "-m", "alt")
        for n in (2, 4, 9, 7, 6):
            desktop.keys(str(n))
        desktop.wait("the tie's box", lambda: desktop.window("Player Ratings"))
        time.sleep(0.5)
        os.killpg(streams.pid, signal.SIGTERM)
        heard = streams.communicate(timeout=10)[0]
        ok &= check("the tie's bell reaches the sound server", "'new' on sink-input" in heard)
        desktop.keys("-k", "Return")

        # Sytem Info twice, the About window in front the second time: the system information
        # window comes to the front, with the focus.
        desktop.keys("-M", "alt", "a", "-m", "alt")
        desktop.wait("the About window", lambda: desktop.window("About TAVROK Tic-Tac-Toe"))
        desktop.keys("-M", "alt", "s", "-m", "alt")
        desktop.wait("the system information", lambda: desktop.window("System Information"))
        desktop.run(["swaymsg", '[title="About TAVROK Tic-Tac-Toe"]', "focus"])
        desktop.wait("the About window's focus", lambda: desktop.window("About TAVROK Tic-Tac-Toe")[3])
        desktop.keys("-M", "alt", "s", "-m", "alt")
        time.sleep(1)
        ok &= check("the second Sytem Info brings the system information forward, with the focus",
                    bool(desktop.window("System Information")[3]))
    except RuntimeError as error:
        ok = check(str(error), False)
    finally:
        desktop.stop()
        shutil.rmtree(home, ignore_errors=True)
        shutil.rmtree(programs, ignore_errors=True)
    return 0 if ok else 1


if __name__ == "__main__":
    sys.exit(main())
