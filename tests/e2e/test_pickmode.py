"""Colour pick mode: F7, then a drag from the selected colour mark's sample to a colour painted on
the desktop outside the program; the release makes it the selected colour and so puts it on the
clipboard. The sliders make way for the preview during the drag and come back after it; Escape
ends a drag without taking a colour."""

import os
import time

import tincta_e2e as e2e

DESKTOP = (0x12, 0x34, 0x56)
RED = (255, 0, 0)


def paint_desktop(session):
    picture = os.path.join(session.tmp, "desktop.png")
    session.run(["convert", "-size", "32x32", "xc:#123456", picture])
    # display reports failure even when it has painted the root window; the caller checks.
    session.run(["display", "-window", "root", picture], check=False)


def test(program):
    with e2e.Session(program) as session:
        session.start()
        session.wait_for_clipboard("#FF0000")
        # Painted after the start: the desktop picture set before it does not survive it here.
        paint_desktop(session)
        session.focus(session.window)
        x, y, width, height = session.window_origin()
        e2e.check(session.find_colour(DESKTOP, (x + width + 20, y + 20, 60, 60)),
                  "the desktop was not painted")

        # The first mark's sample is the first red block on the left of the window.
        sample = session.find_colour(RED, (x, y + 40, width // 4, height // 2))
        e2e.check(sample, "no red sample found")
        start = (sample[0] + 8, sample[1] + 4)
        sliders = (sample[0] + width // 4, sample[1] - 20, width - width // 4 - 10, 60)
        e2e.check(session.find_colour(RED, sliders, min_run=8), "the red slider tag is not shown")

        # Without pick mode the sample takes no drag.
        session.move_mouse(*start)
        session.run(["xdotool", "mousedown", "1"])
        session.move_mouse(x + width + 40, y + 40)
        session.run(["xdotool", "mouseup", "1"])
        time.sleep(1.0)
        e2e.check(session.clipboard() == "#FF0000", "a drag without pick mode changed the colour")

        session.focus(session.window)
        session.key("F7")
        # Escape ends a drag without taking a colour; the release after it changes nothing.
        session.move_mouse(*start)
        session.run(["xdotool", "mousedown", "1"])
        session.move_mouse(x + width + 40, y + 40)
        session.key("Escape")
        e2e.check(session.find_colour(RED, sliders, min_run=8), "Escape did not bring the sliders back")
        session.run(["xdotool", "mouseup", "1"])
        time.sleep(1.0)
        e2e.check(session.clipboard() == "#FF0000", "the release after Escape applied a colour")

        session.focus(session.window)
        session.move_mouse(*start)
        session.run(["xdotool", "mousedown", "1"])
        time.sleep(0.2)
        target = (x + width + 150, y + height // 2)
        steps = 6
        for step in range(1, steps + 1):
            session.move_mouse(start[0] + (target[0] - start[0]) * step // steps,
                               start[1] + (target[1] - start[1]) * step // steps)
            time.sleep(0.05)
        time.sleep(0.3)
        during = session.screenshot(os.environ.get("TINCTA_E2E_SHOTS", session.tmp) + "/pick-drag.png")
        e2e.check(not session.find_colour(RED, sliders, image=during, min_run=8),
                  "the sliders stayed on screen during the drag")
        e2e.check(session.find_colour(DESKTOP, sliders, image=during, min_run=40),
                  "the preview does not show the colour under the pointer")
        e2e.check(session.clipboard() == "#FF0000", "the colour changed before the release")

        session.run(["xdotool", "mouseup", "1"])
        session.wait_for_clipboard("#123456")
        after = session.screenshot(os.environ.get("TINCTA_E2E_SHOTS", session.tmp) + "/pick-after.png")
        e2e.check(session.find_colour(RED, sliders, image=after, min_run=8),
                  "the sliders did not come back after the drag")
        e2e.check(session.find_colour(DESKTOP, (x, y + 40, width // 4, height // 2), image=after),
                  "the selected sample does not show the picked colour")


if __name__ == "__main__":
    e2e.main(test)
