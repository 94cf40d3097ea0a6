#!/usr/bin/python3
"""Starts the game as a launcher does, with a start-up notification id, and checks that the
game completes the notification (a "remove" message on the root window) once it shows its
window, so the launcher stops its busy cursor. Usage: startup_notification.py GAME
(under an X server, such as xvfb-run)."""
import os
import select
import subprocess
import sys
import time

from Xlib import X, display

STARTUP_ID = "tictactoe-check_TIME0"


def messages(d, deadline):
    """The start-up notification messages sent on the root window, each as one text."""
    begin = d.intern_atom("_NET_STARTUP_INFO_BEGIN")
    more = d.intern_atom("_NET_STARTUP_INFO")
    text = b""
    while time.monotonic() < deadline:
        while d.pending_events():
            event = d.next_event()
            if event.type != X.ClientMessage or event.client_type not in (begin, more):
                continue
            if event.client_type == begin:
                text = b""
            chunk = bytes(event.data[1])
            text += chunk.split(b"\0")[0]
            if b"\0" in chunk:
                yield text.decode()
                text = b""
        select.select([d.fileno()], [], [], max(0.0, deadline - time.monotonic()))


def main():
    d = display.Display()
    d.screen().root.change_attributes(event_mask=X.PropertyChangeMask)
    d.sync()
    environment = dict(os.environ, DESKTOP_STARTUP_ID=STARTUP_ID)
    environment.pop("QT_QPA_PLATFORM", None)
    game = subprocess.Popen([sys.argv[1]], env=environment)
    try:
        for message in messages(d, time.monotonic() + 30):
            print("seen:", message)
            if message.startswith("remove:") and f'ID={STARTUP_ID}' in message:
                return 0
        print("the game never completed its start-up notification", file=sys.stderr)
        return 1
    finally:
        game.terminate()
        game.wait()


if __name__ == "__main__":
    sys.exit(main())
