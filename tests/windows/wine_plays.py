#!/usr/bin/python3
"""The Windows edition under Wine, as a player meets it: a fresh Wine prefix with Wine's fonts,
the game on Wine's own desktop, played by real clicks and keys (xdotool), its windows read back
by wintext.exe. The game's rules are the game's own tests'; this checks the Windows window: its
controls where the design puts them, a win and a tie with their boxes, New Game, the keyboard,
About and the system's version program, and --version.

    xvfb-run -a wine_plays.py GAME.exe WINTEXT.exe DESIGN.json RATINGS.h VERSION-LINE     exit status 0 when all hold
Needs (Debian): wine wine64 fonts-wine xvfb xdotool."""
import glob
import json
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

GAME, WINTEXT, DESIGN, RATINGS, VERSION = sys.argv[1:6]
DESKTOP = "TicTacToe"
with open(RATINGS, encoding="utf-8") as header:
    RATING = dict(re.findall(r'\bk(\w+) =\s*"([^"]*)"', header.read()))
failures = []


def check(condition, what):
    print(("ok   " if condition else "FAIL ") + what)
    if not condition:
        failures.append(what)


def windows(env):
    """Every visible window of Wine's desktop: {title: {"class", "controls": {id: {...}}}}."""
    try:
        out = subprocess.run(["wine", "explorer", f"/desktop={DESKTOP}", WINTEXT], env=env, capture_output=True,
                             text=True, timeout=20).stdout
    except subprocess.TimeoutExpired:
        return {}  # a busy moment (the game still starting): asked again
    found, by_handle = {}, {}
    for line in out.splitlines():
        fields = line.split("\t")
        if fields[0] == "window":
            by_handle[fields[1]] = found.setdefault(fields[3], {"class": fields[2], "controls": {}})
        elif fields[0] == "control" and fields[2] in by_handle:
            x, y, w, h = map(int, fields[7].split(","))
            cx, cy = map(int, fields[8].split(","))
            by_handle[fields[2]]["controls"][int(fields[3])] = {
                "class": fields[4], "enabled": fields[5] == "1", "focused": fields[6] == "1", "rect": [x, y, w, h],
                "centre": (cx, cy), "text": fields[9], "items": fields[10].split("|") if fields[10] else []}
    return found


def wait_for(env, test, seconds=20):
    deadline = time.monotonic() + seconds
    while True:
        shown = windows(env)
        if test(shown) or time.monotonic() > deadline:
            return shown
        time.sleep(0.3)


def main():
    design = {w["name"]: w for w in json.load(open(DESIGN, encoding="utf-8"))["windows"]}
    prefix = tempfile.mkdtemp(prefix="tictactoe-wine-")
    env = dict(os.environ, WINEPREFIX=prefix, WINEDLLOVERRIDES="mscoree,mshtml=", WINEDEBUG="-all")
    try:
        subprocess.run(["wineboot", "-i"], env=env, check=True, capture_output=True, timeout=180)
        fonts = os.path.join(prefix, "drive_c/windows/Fonts")
        for font in glob.glob("/usr/share/wine/fonts/*"):
            shutil.copy(font, fonts)  # Debian's Wine does not find its own fonts
        version = subprocess.run(["wine", GAME, "--version"], env=env, capture_output=True, text=True, timeout=60)
        check(version.stdout.strip() == VERSION, f"--version says {version.stdout.strip()!r}")
        subprocess.Popen(["wine", "explorer", f"/desktop={DESKTOP},800x600", GAME], env=env,
                         stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        # Wine's desktop up before the helper joins it: two starting it at once may hang.
        subprocess.run(["xdotool", "search", "--sync", "--name", f"^{DESKTOP} - Wine desktop$"], env=env,
                       capture_output=True, timeout=120)
        play(env, design)
    finally:
        subprocess.run(["wineserver", "-k"], env=env)
        shutil.rmtree(prefix, ignore_errors=True)
    print(f"{len(failures)} failed" if failures else "all held")
    return 1 if failures else 0


def play(env, design):
    main_title, about_title = design["frmMain"]["title"], design["frmAbout"]["title"]
    ids = {name: {c["name"]: 100 + i for i, c in enumerate(w["controls"])} for name, w in design.items()}
    shown = wait_for(env, lambda s: main_title in s, seconds=90)
    check(main_title in shown, "the main window shows")
    main = lambda s: s[main_title]["controls"]
    control = lambda s, name: main(s)[ids["frmMain"][name]]

    # Every control where the design puts it, with its caption.
    for c in design["frmMain"]["controls"]:
        made = main(shown).get(ids["frmMain"][c["name"]])
        if c["shown"] or c["kind"] == "CommandButton":
            check(made and made["rect"] == [c["x"], c["y"], c["width"], c["height"]], f"{c['name']} as designed")
    check(control(shown, "cmdNewGame")["focused"], "New Game has the focus")
    check(control(shown, "lblStatus")["text"] == "X's Turn", "X's Turn")

    def click(name):
        x, y = control(windows(env), name)["centre"]
        subprocess.run(["xdotool", "mousemove", str(x), str(y), "click", "1"], env=env, check=True)

    def keys(*names):
        subprocess.run(["xdotool", "key", "--delay", "100", *names], env=env, check=True)

    def box(title="Player Ratings"):
        return wait_for(env, lambda s: title in s).get(title)

    def answered(count):
        return wait_for(env, lambda s: main_title in s and len(control(s, "lstP2M")["items"]) >= count)

    # A win by clicks and a digit key: the line's squares, the status and the ratings box.
    click("MiddleMiddle")
    shown = answered(1)
    check((control(shown, "lstP1M")["items"], control(shown, "lstP2M")["items"]) == (["5"], ["1"]), "5 answered by 1")
    check(control(shown, "MiddleMiddle")["text"] == "Square 5, X", "the square's name tells its mark")
    keys("9")
    answered(2)
    click("BottomLeft")
    ratings = box()
    check(ratings and any(c["text"] == RATING["RatingForThreeXs"] for c in ratings["controls"].values()),
          "the win's Player Ratings box")
    keys("Return")
    shown = wait_for(env, lambda s: "Player Ratings" not in s)
    check(control(shown, "lblStatus")["text"] == "O(Computer) Wins!", "O(Computer) Wins!")
    check(not any(control(shown, n)["enabled"] for n in ("TopLeft", "MiddleMiddle", "BottomRight")), "the board is frozen")

    # New Game by its access key, then a tie by digits, with its box.
    keys("alt+n")
    shown = wait_for(env, lambda s: not control(s, "lstP1M")["items"])
    check(control(shown, "lblStatus")["text"] == "X's Turn" and not control(shown, "lstP2M")["items"], "Alt+N: New Game")
    for square, answers in zip("24976", range(1, 6)):
        keys(square)
        if answers < 5:
            answered(answers)
    ratings = box()
    check(ratings and any(c["text"] == RATING["TieRating"] for c in ratings["controls"].values()), "the tie's box")
    keys("Return")
    shown = wait_for(env, lambda s: "Player Ratings" not in s)
    check(control(shown, "lblStatus")["text"] == "Tie Game.", "Tie Game.")

    # Tab in the design's order, and Enter on the focused button.
    click("cmdNewGame")
    keys("Tab")
    check(control(windows(env), "cmdAbout")["focused"], "Tab goes from New Game to About")
    keys("Return")
    shown = wait_for(env, lambda s: about_title in s)
    about = shown.get(about_title, {"controls": {}})["controls"]
    for c in design["frmAbout"]["controls"]:
        made = about.get(ids["frmAbout"][c["name"]])
        check(made and made["rect"] == [c["x"], c["y"], c["width"], c["height"]], f"About's {c['name']} as designed")
    check(about.get(ids["frmAbout"]["Command1"], {}).get("focused"), "About opens with OK focused")
    check(about.get(ids["frmAbout"]["Command2"], {}).get("text") == "&Sytem Info...", "&Sytem Info...")
    # Sytem Info starts the system's version program.
    keys("alt+s")
    shown = wait_for(env, lambda s: any("Wine" in title for title in s))
    check(any("Wine" in title for title in shown), f"the version program's window: {sorted(shown)}")


if __name__ == "__main__":
    sys.exit(main())
