"""A keyboard and a pointer of our own on a wlroots compositor (sway), spoken straight over the
Wayland socket: the virtual keyboard and virtual pointer protocols let a client type and click as
a user would, where xdotool has no X server to talk to. Standard library only."""

import array
import os
import socket
import struct
import time

BUTTON_LEFT = 0x110
BUTTON_RIGHT = 0x111
PRESSED, RELEASED = 1, 0
KEYMAP_XKB_V1 = 1
SHIFT_MASK, CONTROL_MASK = 1, 4
# The pointer's position goes as a fraction of the output; Wayland's own positions have this many
# steps to a pixel.
SUBPIXELS = 256

# The keys the tests press: the keymap's name, its evdev code and its keysyms.
KEYS = {
    "Escape": (1, "Escape"), "minus": (12, "minus, underscore"), "plus": (13, "equal, plus"),
    "Return": (28, "Return"), "p": (25, "p, P"), "space": (57, "space"),
    "Up": (103, "Up"), "Left": (105, "Left"), "Right": (106, "Right"), "Down": (108, "Down"),
}
MODIFIERS = {"ctrl": CONTROL_MASK, "shift": SHIFT_MASK}


def keymap():
    codes = "".join(f"<K{code}> = {code + 8};\n" for code, _ in KEYS.values())
    symbols = "".join(f"key <K{code}> {{[ {syms} ]}};\n" for code, syms in KEYS.values())
    return ("xkb_keymap {\n"
            f'xkb_keycodes "tincta" {{ minimum = 8; maximum = 255;\n{codes}}};\n'
            'xkb_types "tincta" { include "complete" };\n'
            'xkb_compatibility "tincta" { include "complete" };\n'
            f'xkb_symbols "tincta" {{\n{symbols}}};\n'
            "};\n")


class WaylandInput:
    """One connection holding a virtual keyboard and a virtual pointer for as long as it lives,
    so the seat keeps both and the program's windows never lose them between two presses."""

    def __init__(self, socket_path, layout, scale):
        """layout: the output's size in the compositor's logical pixels; scale: device pixels per
        logical pixel."""
        self.layout, self.scale = layout, scale
        self.sock = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
        self.sock.settimeout(5)
        self.sock.connect(socket_path)
        self.last_id = 1
        self.pending = b""
        registry = self.new_id()
        self.send(1, 1, struct.pack("=I", registry))
        names = {}
        for sender, opcode, body in self.roundtrip():
            if sender == registry and opcode == 0:
                interface, _ = read_string(body, 4)
                names[interface] = (struct.unpack_from("=I", body)[0])
        missing = {"wl_seat", "zwlr_virtual_pointer_manager_v1",
                   "zwp_virtual_keyboard_manager_v1"} - names.keys()
        if missing:
            raise RuntimeError(f"the compositor lacks {', '.join(sorted(missing))}")
        seat = self.bind(registry, names["wl_seat"], "wl_seat", 1)
        pointers = self.bind(registry, names["zwlr_virtual_pointer_manager_v1"],
                             "zwlr_virtual_pointer_manager_v1", 1)
        keyboards = self.bind(registry, names["zwp_virtual_keyboard_manager_v1"],
                              "zwp_virtual_keyboard_manager_v1", 1)
        self.pointer = self.new_id()
        self.send(pointers, 0, struct.pack("=II", seat, self.pointer))
        self.keyboard = self.new_id()
        self.send(keyboards, 0, struct.pack("=II", seat, self.keyboard))
        self.send_keymap()
        self.roundtrip()

    # -- what the tests do ------------------------------------------------------------------
    def move(self, x, y):
        """The pointer to the middle of device pixel (x, y) of the output."""
        position = [round((value + 0.5) / self.scale * SUBPIXELS) for value in (x, y)]
        extent = [length * SUBPIXELS for length in self.layout]
        self.send(self.pointer, 1, struct.pack("=IIIII", self.now(), *position, *extent))
        self.send(self.pointer, 4)
        self.settle()

    def click(self, button=BUTTON_LEFT):
        for state in (PRESSED, RELEASED):
            self.send(self.pointer, 2, struct.pack("=III", self.now(), button, state))
            self.send(self.pointer, 4)
            self.settle(0.05)
        self.settle()

    def key(self, *combinations):
        """Keys such as "Right" or "ctrl+shift+p", one after the other."""
        for combination in combinations:
            *modifiers, name = combination.split("+")
            mask = sum(MODIFIERS[modifier] for modifier in modifiers)
            code = KEYS[name][0]
            self.send(self.keyboard, 2, struct.pack("=IIII", mask, 0, 0, 0))
            for state in (PRESSED, RELEASED):
                self.send(self.keyboard, 1, struct.pack("=III", self.now(), code, state))
                self.settle(0.03)
            self.send(self.keyboard, 2, struct.pack("=IIII", 0, 0, 0, 0))
            self.settle(0.06)
        self.settle()

    def close(self):
        self.sock.close()

    # -- the wire ---------------------------------------------------------------------------
    def settle(self, seconds=0.15):
        self.roundtrip()
        time.sleep(seconds)

    @staticmethod
    def now():
        return int(time.monotonic() * 1000) & 0xFFFFFFFF

    def new_id(self):
        self.last_id += 1
        return self.last_id

    def send(self, target, opcode, body=b"", fds=()):
        message = struct.pack("=II", target, (8 + len(body)) << 16 | opcode) + body
        ancillary = [(socket.SOL_SOCKET, socket.SCM_RIGHTS, array.array("i", fds))] if fds else []
        self.sock.sendmsg([message], ancillary)

    def bind(self, registry, name, interface, version):
        new = self.new_id()
        self.send(registry, 0, struct.pack("=I", name) + wire_string(interface)
                  + struct.pack("=II", version, new))
        return new

    def send_keymap(self):
        text = keymap().encode() + b"\0"
        fd = os.memfd_create("tincta-keymap")
        try:
            os.write(fd, text)
            self.send(self.keyboard, 0, struct.pack("=II", KEYMAP_XKB_V1, len(text)), fds=(fd,))
        finally:
            os.close(fd)

    def roundtrip(self):
        """Every event up to the answer of a sync: the compositor has handled all we sent."""
        callback = self.new_id()
        self.send(1, 0, struct.pack("=I", callback))
        events = []
        while True:
            while len(self.pending) < 8 or len(self.pending) < struct.unpack_from("=II", self.pending)[1] >> 16:
                chunk = self.sock.recv(65536)
                if not chunk:
                    raise RuntimeError("the compositor closed the connection")
                self.pending += chunk
            sender, word = struct.unpack_from("=II", self.pending)
            size = word >> 16
            body, self.pending = self.pending[8:size], self.pending[size:]
            if sender == callback:
                return events
            if sender == 1 and word & 0xFFFF == 0:
                raise RuntimeError(f"the compositor reported an error: {read_string(body, 8)[0]}")
            events.append((sender, word & 0xFFFF, body))


def wire_string(text):
    data = text.encode() + b"\0"
    return struct.pack("=I", len(data)) + data + b"\0" * (-len(data) % 4)


def read_string(body, offset):
    length, = struct.unpack_from("=I", body, offset)
    return body[offset + 4:offset + 3 + length].decode(), offset + 4 + (length + 3) // 4 * 4
