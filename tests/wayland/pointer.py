#!/usr/bin/python3
"""A pointer for a compositor that has none (a headless sway): a virtual pointer made with the
wlr virtual-pointer protocol, spoken on the Wayland socket directly, that stays as long as the
program runs and moves and clicks as told, one command a line on standard input:

    move X Y     (in the output's pixels, the output being WIDTH x HEIGHT)
    click        (the left button, pressed and released)

    pointer.py WIDTH HEIGHT      (WAYLAND_DISPLAY and XDG_RUNTIME_DIR name the compositor)

Each command is answered with "ok" once the compositor has had it."""
import os
import socket
import struct
import sys
import time

BUTTON_LEFT = 0x110  # BTN_LEFT


class Connection:
    def __init__(self, path):
        self.socket = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
        self.socket.connect(path)
        self.next_id = 2
        self.buffer = b""

    def new_id(self):
        self.next_id += 1
        return self.next_id - 1

    def send(self, obj, opcode, *args):
        """args: ints (uint or int), or bytes for a string."""
        body = b""
        for arg in args:
            if isinstance(arg, bytes):
                text = arg + b"\0"
                body += struct.pack("<I", len(text)) + text + b"\0" * (-len(text) % 4)
            else:
                body += struct.pack("<I", arg & 0xFFFFFFFF)
        self.socket.sendall(struct.pack("<II", obj, (8 + len(body)) << 16 | opcode) + body)

    def events(self):
        """Every event until the next wl_callback.done of a sync (object 1's sync, id given)."""
        callback = self.new_id()
        self.send(1, 0, callback)  # wl_display.sync
        while True:
            while len(self.buffer) < 8:
                self.buffer += self.socket.recv(4096)
            obj, size_opcode = struct.unpack("<II", self.buffer[:8])
            size = size_opcode >> 16
            while len(self.buffer) < size:
                self.buffer += self.socket.recv(4096)
            body, self.buffer = self.buffer[8:size], self.buffer[size:]
            if obj == callback:
                return
            yield obj, size_opcode & 0xFFFF, body


def string(body, at):
    length = struct.unpack_from("<I", body, at)[0]
    return body[at + 4:at + 4 + length - 1].decode(), at + 4 + length + (-length % 4)


def main():
    width, height = int(sys.argv[1]), int(sys.argv[2])
    wayland = Connection(os.path.join(os.environ["XDG_RUNTIME_DIR"], os.environ.get("WAYLAND_DISPLAY", "wayland-0")))
    registry = wayland.new_id()
    wayland.send(1, 1, registry)  # wl_display.get_registry
    globals_ = {}
    for obj, opcode, body in wayland.events():
        if obj == registry and opcode == 0:  # wl_registry.global: name, interface, version
            name = struct.unpack_from("<I", body)[0]
            interface, at = string(body, 4)
            globals_[interface] = (name, struct.unpack_from("<I", body, at)[0])
    ids = {}
    for interface, version in [("wl_seat", 1), ("zwlr_virtual_pointer_manager_v1", 1)]:
        ids[interface] = wayland.new_id()
        wayland.send(registry, 0, globals_[interface][0], interface.encode(), version, ids[interface])  # bind
    pointer = wayland.new_id()
    wayland.send(ids["zwlr_virtual_pointer_manager_v1"], 0, ids["wl_seat"], pointer)  # create_virtual_pointer
    list(wayland.events())
    stamp = lambda: int(time.monotonic() * 1000)
    for line in sys.stdin:
        words = line.split()
        if words[:1] == ["move"]:
            wayland.send(pointer, 1, stamp(), int(words[1]), int(words[2]), width, height)  # motion_absolute
        elif words[:1] == ["click"]:
            for state in (1, 0):
                wayland.send(pointer, 2, stamp(), BUTTON_LEFT, state)  # button
                wayland.send(pointer, 4)  # frame
        wayland.send(pointer, 4)  # frame
        list(wayland.events())
        print("ok", flush=True)


if __name__ == "__main__":
    main()
