"""A pick drag with the loupe: the drag stops a few pixels from a one-pixel dot painted on the
desktop, the arrow keys move the pick point onto it, and the release puts the dot's colour on the
clipboard; the loupe shows the dot magnified meanwhile. Escape after nudging leaves the colour and
the clipboard as they were and brings the sliders back."""

import os
import time

import tincta_e2e as e2e

FIELD = "#404040"
DOT = (0xC0, 0xFF, 0xEE)
RED = (255, 0, 0)
WIDTH, HEIGHT = 1280, 800


def paint_desktop(session, dot):
    picture = os.path.join(session.tmp, "dot.png")
    session.run(["convert", "-size", f"{WIDTH}x{HEIGHT}", f"xc:{FIELD}", "-fill", "#C0FFEE",
                 "-draw", f"point {dot[0]},{dot[1]}", picture])
    # display reports failure even when it has painted the root window; the caller checks.
    session.run(["display", "-window", "root", picture], check=False)


def test(program):
    with e2e.Session(program, screen_size=f"{WIDTH}x{HEIGHT}") as session:
        session.start()
        session.wait_for_clipboard("#FF0000")
        x, y, width, height = session.window_origin()
        dot = (x + width + 200, y + height // 2)
        paint_desktop(session, dot)
        session.focus(session.window)
        e2e.check(session.pixel(*dot) == DOT, "the dot was not painted")
        sample = session.find_colour(RED, (x, y + 40, width // 4, height // 2))
        e2e.check(sample, "no red sample found")
        start = (sample[0] + 8, sample[1] + 4)
        sliders = (sample[0] + width // 4, sample[1] - 20, width - width // 4 - 10, 60)
        session.key("F7")

        # Escape after nudging: nothing changes, the sliders come back.
        session.drag_to(start, (dot[0] - 3, dot[1] - 2))
        session.key("Right", "Right", "Right", "Down", "Down")
        session.key("Escape")
        e2e.check(session.find_colour(RED, sliders, min_run=8), "Escape did not bring the sliders back")
        session.run(["xdotool", "mouseup", "1"])
        time.sleep(1.0)
        e2e.check(session.clipboard() == "#FF0000", "the release after Escape applied a colour")

        session.drag_to(start, (dot[0] - 3, dot[1] - 2))
        e2e.check(session.clipboard() == "#FF0000", "the colour changed before the release")
        # Three right and two down, by way of ten down and nine up.
        session.key("Right", "Right", "Right", "Down", "shift+Down", *["Up"] * 9)
        time.sleep(0.3)
        during = session.screenshot(os.environ.get("TINCTA_E2E_SHOTS", session.tmp) + "/nudge-loupe.png")
        # The loupe shows the dot as one magnified cell beside the pointer.
        e2e.check(session.find_colour(DOT, (dot[0] - 300, dot[1] - 300, 600, 600), image=during, min_run=6),
                  "the loupe does not show the dot magnified")
        session.run(["xdotool", "mouseup", "1"])
        session.wait_for_clipboard("#C0FFEE")


if __name__ == "__main__":
    e2e.main(test)
