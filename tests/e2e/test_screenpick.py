"""Pick From Screen and `tincta --pick` on a still image of the screen: the button, nudged onto a
one-pixel #C0FFEE dot painted on the desktop, puts "#C0FFEE" on the clipboard; with a sample of
9 x 9 over a one-pixel checkerboard it averages to #BDBDBD; Escape and a right click leave the
colour and the clipboard as they were. `tincta --pick --format "CSS rgb()"` prints the dot's
colour, exits 0 and leaves the text pasteable after it has ended; Escape exits 1 printing
nothing; an unknown notation exits 2 with the list of names. The X server paints the still
image itself, so it stays whole while the program is busy."""

import os
import signal
import subprocess
import time

import tincta_e2e as e2e

WIDTH, HEIGHT = 1280, 800
FIELD = (0x40, 0x40, 0x40)
DOT = (0xC0, 0xFF, 0xEE)
PICKER_TITLE = "Pick a colour - Tincta"
ICON_INK = (0x37, 0x40, 0x4D)


def paint_desktop(session, dot, board):
    """The field with the dot and a 41 x 41 checkerboard of single pixels, white where x + y of
    the board is even, centred on `board`."""
    pixels = bytearray(bytes(FIELD) * (WIDTH * HEIGHT))
    for y in range(board[1] - 20, board[1] + 21):
        for x in range(board[0] - 20, board[0] + 21):
            white = (x - board[0] + y - board[1]) % 2 == 0
            pixels[(y * WIDTH + x) * 3:(y * WIDTH + x) * 3 + 3] = b"\xff\xff\xff" if white else b"\0\0\0"
    pixels[(dot[1] * WIDTH + dot[0]) * 3:(dot[1] * WIDTH + dot[0]) * 3 + 3] = bytes(DOT)
    picture = os.path.join(session.tmp, "desktop.ppm")
    with open(picture, "wb") as file:
        file.write(f"P6 {WIDTH} {HEIGHT} 255\n".encode() + bytes(pixels))
    # display reports failure even when it has painted the root window; the caller checks.
    session.run(["display", "-window", "root", picture], check=False)
    e2e.check(session.pixel(*dot) == DOT, "the dot was not painted")


def move(session, x, y):
    # Not xdotool's --sync: it waits for a motion event that a full-screen window of ours,
    # covering the whole screen, may never pass on.
    session.run(["xdotool", "mousemove", str(x), str(y)])
    time.sleep(0.2)


def click(session, x, y, button=1):
    move(session, x, y)
    session.run(["xdotool", "click", str(button)])


def wait_for_picker(session):
    return session.find_window(PICKER_TITLE, timeout=10)


def picker_closed(session):
    return e2e.wait_until(lambda: not session.window_exists(PICKER_TITLE), 5)


def test_button(program):
    with e2e.Session(program, screen_size=f"{WIDTH}x{HEIGHT}") as session:
        session.start()
        session.wait_for_clipboard("#FF0000")
        x, y, width, height = session.window_origin()
        dot = (x + width + 200, y + height // 2)
        board = (x + width + 200, y + 60)
        paint_desktop(session, dot, board)
        session.focus(session.window)

        # The button: a click on it starts the pick; the arrows nudge onto the dot.
        session.click(*pick_button(session))
        wait_for_picker(session)
        move(session, dot[0] - 3, dot[1] - 2)
        session.key("Right", "Right", "Right", "Down", "Down")
        session.run(["xdotool", "click", "1"])
        e2e.check(picker_closed(session), "the click did not end the pick")
        session.wait_for_clipboard("#C0FFEE")

        # Nine by nine over the checkerboard, its centre white: 41 white of 81 in linear light.
        session.focus(session.window)
        session.key("ctrl+shift+p")
        wait_for_picker(session)
        move(session, *board)
        session.key("plus", "plus", "plus")
        session.run(["xdotool", "click", "1"])
        session.wait_for_clipboard("#BDBDBD")

        # Escape and a right click change nothing.
        for cancel in ("Escape", "right click"):
            session.focus(session.window)
            session.key("ctrl+shift+p")
            wait_for_picker(session)
            move(session, *dot)
            if cancel == "Escape":
                session.key("Escape")
            else:
                session.run(["xdotool", "click", "3"])
            e2e.check(picker_closed(session), f"{cancel} did not end the pick")
            time.sleep(1.0)
            e2e.check(session.clipboard() == "#BDBDBD", f"{cancel} changed the clipboard")
        e2e.check(session.process.poll() is None, "the program ended")


def pick_button(session):
    """The middle of the Pick From Screen button, right of Find JavaScript Names: the tenth
    position of the toolbar, which starts below the menu bar at the window's left edge."""
    x, y, _, _ = session.window_origin()
    image = session.screenshot()
    # The toolbar's icons are drawn in one dark ink; the pick icon's is found in the tenth slot.
    for offset in range(258, 290):
        for row in range(26, 50):
            if session.pixel(x + offset, y + row, image) == ICON_INK:
                return (x + 272, y + 37)
    raise e2e.E2EFailure("no Pick From Screen button where the toolbar has it")


def test_command_line(program):
    with e2e.Session(program, screen_size=f"{WIDTH}x{HEIGHT}") as session:
        dot = (700, 400)
        paint_desktop(session, dot, (300, 300))
        pick = subprocess.Popen([program, "--pick", "--format", "CSS rgb()"], env=session.env,
                                stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
        wait_for_picker(session)
        click(session, *dot)
        out, err = pick.communicate(timeout=15)
        e2e.check(pick.returncode == 0, f"--pick ended with {pick.returncode}: {err!r}")
        e2e.check(out == "rgb(192 255 238)\n", f"--pick printed {out!r}")
        # Pasteable after the pick has returned, with no clipboard manager running.
        time.sleep(0.5)
        session.wait_for_clipboard("rgb(192 255 238)")

        pick = subprocess.Popen([program, "--pick"], env=session.env, stdout=subprocess.PIPE,
                                stderr=subprocess.PIPE, text=True)
        wait_for_picker(session)
        move(session, *dot)
        session.key("Escape")
        out, err = pick.communicate(timeout=15)
        e2e.check(pick.returncode == 1 and out == "", f"Escape: status {pick.returncode}, printed {out!r}")
        e2e.check(session.clipboard() == "rgb(192 255 238)", "Escape changed the clipboard")

        # Refused before any display is needed.
        without_display = {key: value for key, value in session.env.items() if key != "DISPLAY"}
        result = subprocess.run([program, "--pick", "--format", "Nonsense"], env=without_display,
                                capture_output=True, text=True, timeout=10)
        e2e.check(result.returncode == 2 and result.stdout == "", f"unknown notation: {result.returncode}")
        e2e.check("html hex" in result.stderr.lower() and "CSS rgb()" in result.stderr,
                  f"unknown notation said {result.stderr!r}")
        # Names in any letter case.
        pick = subprocess.Popen([program, "--pick", "--format", "html HEX"], env=session.env,
                                stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
        wait_for_picker(session)
        click(session, *dot)
        out, _ = pick.communicate(timeout=15)
        e2e.check(out == "#C0FFEE\n", f"--format 'html HEX' printed {out!r}")


def test_still_kept_by_server(program):
    """The X server keeps the still image and paints it itself: with the program stopped, a
    window that covered part of the pick and went away leaves the still image there, not its own
    pixels."""
    with e2e.Session(program, screen_size=f"{WIDTH}x{HEIGHT}") as session:
        dot, field = (700, 400), (620, 360)
        paint_desktop(session, dot, (300, 300))
        move(session, 100, 100)
        pick = subprocess.Popen([program, "--pick"], env=session.env, stdout=subprocess.PIPE,
                                stderr=subprocess.PIPE, text=True)
        wait_for_picker(session)
        time.sleep(0.5)
        os.kill(pick.pid, signal.SIGSTOP)
        try:
            cover = subprocess.Popen(["xmessage", "-geometry", "300x120+600+350", "covering"],
                                     env=session.env)
            e2e.check(e2e.wait_until(lambda: session.pixel(*field) != FIELD, 10),
                      "the covering window did not appear")
            cover.kill()
            cover.wait()
            e2e.check(e2e.wait_until(lambda: session.pixel(*field) == FIELD, 5),
                      f"where the covering window was, the screen shows {session.pixel(*field)}")
            e2e.check(session.pixel(*dot) == DOT, "the dot is gone from the still image")
        finally:
            os.kill(pick.pid, signal.SIGCONT)
        session.key("Escape")
        pick.communicate(timeout=15)
        e2e.check(pick.returncode == 1, f"Escape: status {pick.returncode}")


def test(program):
    test_command_line(program)
    test_still_kept_by_server(program)
    test_button(program)


if __name__ == "__main__":
    e2e.main(test)
