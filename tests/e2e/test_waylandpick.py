"""Pick From Screen on Wayland through Debian's real portal frontend: on a headless sway desktop
the pick button asks the portal for a still image of the screen (a PNG with a #C0FFEE dot that
the fake backend hands over), the still image fills the screen, and a click on the dot puts
"#C0FFEE" on the clipboard; Ctrl+Shift+P, the arrows and Return take another dot; Escape changes
nothing. Every request names the main window by its Wayland export ("wayland:" and the
compositor's handle). Where the desktop refuses the still image the portal's own pick takes over,
and where it refuses that too (response 2) the program says so and changes nothing.
`tincta --pick` prints the dot's colour, leaves it pasteable after it has ended, and names no
window. The picks by pointer and keys hold at a scale of 1.5 too.

Runs as root (sway then runs as an unprivileged user made for the run) or as a user; exits 77 with
the reason where this machine lacks a part of the desktop."""

import contextlib
import os
import struct
import subprocess
import sys
import zlib

import tincta_e2e as e2e
import wayland_session
from wayland_session import HEIGHT, WIDTH, WaylandSession

SKIPPED = 77
FIELD = (0x40, 0x40, 0x40)
DOTS = {(900, 500): (0xC0, 0xFF, 0xEE), (300, 650): (0xFA, 0xCA, 0xDE)}
PICKER_TITLE = "Pick a colour - Tincta"
MESSAGE_TITLE = "Tincta"
# The Pick From Screen button in the main window's own coordinates: the toolbar's tenth position,
# below the menu bar.
PICK_BUTTON = (272, 37)
REFUSED = "2"
# The helper that asks the compositor about a window handle; set where the program exports its
# window.
IMPORT_CHECK = os.environ.get("TINCTA_XDG_IMPORT_CHECK")


def png(width, height, field, dots):
    rows = bytearray()
    for y in range(height):
        row = bytearray(bytes(field) * width)
        for (x, dot_y), colour in dots.items():
            if dot_y == y:
                row[x * 3:x * 3 + 3] = bytes(colour)
        rows += b"\0" + row

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))
    header = struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(bytes(rows)))
            + chunk(b"IEND", b""))


def wait_for_picker(session, how):
    picker = e2e.wait_until(lambda: session.window(PICKER_TITLE), 10, 0.1)
    e2e.check(picker, f"{how} started no pick{session.program_output()}")
    rect = picker["rect"]
    e2e.check(picker.get("fullscreen_mode") == 1 and (rect["width"], rect["height"]) == session.input.layout,
              f"the still image does not fill the screen: {rect}")
    e2e.check(e2e.wait_until(lambda: (session.window(PICKER_TITLE) or {}).get("focused"), 5),
              "the still image did not take the keyboard")


def picker_closed(session, how):
    e2e.check(session.window_gone(PICKER_TITLE), f"{how} did not end the pick")
    e2e.check(session.process.poll() is None, f"the program ended{session.program_output()}")


def pick_with_the_button(session, main):
    rect, scale = main["rect"], session.input.scale
    session.input.move(round((rect["x"] + PICK_BUTTON[0]) * scale), round((rect["y"] + PICK_BUTTON[1]) * scale))
    session.input.click()
    wait_for_picker(session, "a click on the Pick From Screen button")
    session.input.move(900, 500)
    session.input.click()
    picker_closed(session, "a click")
    session.wait_for_clipboard("#C0FFEE")
    e2e.check(session.portal_calls() == ["Screenshot"], f"the portal was asked {session.portal_calls()}")
    names_the_window(session, session.portal_requests()[0][1])


def names_the_window(session, parent):
    """Where the program exports its window, the portal is told "wayland:" and a handle that the
    compositor knows as a live export; where it cannot export, no window."""
    if not IMPORT_CHECK:
        e2e.check(parent == "", f"a build without the export named the window {parent!r}")
        return
    e2e.check(parent.startswith("wayland:") and len(parent) > len("wayland:"),
              f"the portal was asked for the window {parent!r}, not for an exported one")
    socket = os.path.join(session.runtime, session.wayland_display)
    result = session.run([IMPORT_CHECK, socket, parent[len("wayland:"):]])
    e2e.check(result.returncode == 0, f"the compositor knows no export {parent!r}: {result.stdout}{result.stderr}")


def asked_for_one_window(session):
    """Every request of the main window names it by the same export, which lasts while it is shown."""
    parents = {parent for _, parent in session.portal_requests()}
    e2e.check(len(parents) == 1, f"the portal was asked for the windows {session.portal_requests()}")
    names_the_window(session, parents.pop())


def pick_with_the_keyboard(session):
    session.input.key("ctrl+shift+p")
    wait_for_picker(session, "Ctrl+Shift+P")
    session.input.move(300 - 3, 650 - 2)
    session.input.key("Right", "Right", "Right", "Down", "Down", "Return")
    picker_closed(session, "Return")
    session.wait_for_clipboard("#FACADE")

    session.input.key("ctrl+shift+p")
    wait_for_picker(session, "Ctrl+Shift+P")
    session.input.move(900, 500)
    session.input.key("Escape")
    picker_closed(session, "Escape")
    e2e.check(not e2e.wait_until(lambda: session.clipboard() != "#FACADE", 1.0), "Escape changed the clipboard")


def fall_back_and_refuse(session):
    # No still image: the portal's own pick answers with its colour.
    session.answer("response-Screenshot", REFUSED)
    session.answer("colour", "0.2 0.4 0.6")
    session.input.key("ctrl+shift+p")
    session.wait_for_clipboard("#336699")
    e2e.check(session.portal_calls()[-2:] == ["Screenshot", "PickColor"],
              f"the portal was asked {session.portal_calls()}")

    # Neither: one message, and nothing changes.
    session.answer("response-PickColor", REFUSED)
    session.input.key("ctrl+shift+p")
    session.find_window(MESSAGE_TITLE)
    e2e.check(session.portal_calls()[-2:] == ["Screenshot", "PickColor"],
              f"the portal was asked {session.portal_calls()}")
    session.input.key("Return")
    e2e.check(session.window_gone(MESSAGE_TITLE), "the message did not close")
    e2e.check(session.clipboard() == "#336699", "a refused pick changed the clipboard")
    session.answer("response-Screenshot", None)
    session.answer("response-PickColor", None)
    asked_for_one_window(session)


def pick_from_the_command_line(session):
    pick = session.spawn([session.program, "--pick", "--format", "CSS rgb()"], env=session.program_env(),
                         stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
    wait_for_picker(session, "tincta --pick")
    session.input.move(900, 500)
    session.input.click()
    out, err = pick.communicate(timeout=15)
    e2e.check(pick.returncode == 0, f"--pick ended with {pick.returncode}: {err!r}")
    e2e.check(out == "rgb(192 255 238)\n", f"--pick printed {out!r}")
    e2e.check(session.portal_requests()[-1] == ("Screenshot", ""),
              f"a pick without a window named one: {session.portal_requests()[-1]}")
    # wl-copy holds it after the pick has ended.
    session.wait_for_clipboard("rgb(192 255 238)")


def start(session):
    session.answer("screenshot.png", png(WIDTH, HEIGHT, FIELD, DOTS))
    session.start_desktop()
    main = session.start_program()
    session.wait_for_clipboard("#FF0000")
    return main


def test(program):
    reason = wayland_session.missing_parts()
    if reason:
        print(f"SKIP: the Wayland pick needs a desktop this machine cannot run: {reason}")
        sys.exit(SKIPPED)
    with contextlib.closing(WaylandSession(program)) as session:
        main = start(session)
        pick_with_the_button(session, main)
        pick_with_the_keyboard(session)
        fall_back_and_refuse(session)
        pick_from_the_command_line(session)
    # At a scale of 1.5 two logical pixels hold three device pixels: the pointer must still find
    # the one-pixel dot, not its neighbour.
    with contextlib.closing(WaylandSession(program, scale=1.5)) as session:
        main = start(session)
        pick_with_the_button(session, main)
        pick_with_the_keyboard(session)


if __name__ == "__main__":
    e2e.main(test)
