"""On a 1280 x 1024 screen at a scale factor of 2 (640 x 512 device-independent pixels) the main
window fits the screen, and a pick drag reads the very pixel under the pointer, up to the last
column and the last row, where half of a device-independent pixel lies past the screen's edge."""

import os
import time

import tincta_e2e as e2e

WIDTH, HEIGHT = 1280, 1024
BACKGROUND = "#202020"
# Neighbouring device pixels of one device-independent pixel differ, so a read one device pixel
# off shows.
EDGE_COLOURS = {
    "last column": ((WIDTH - 1, 200), "#123456"),
    "next to last column": ((WIDTH - 2, 200), "#654321"),
    "odd column": ((641, HEIGHT - 30), "#ABCDEF"),
    "last row": ((300, HEIGHT - 1), "#13579B"),
    "next to last row": ((300, HEIGHT - 2), "#FEDCBA"),
}
RED = (255, 0, 0)


def paint_desktop(session):
    picture = os.path.join(session.tmp, "edges.png")
    drawing = ["convert", "-size", f"{WIDTH}x{HEIGHT}", f"xc:{BACKGROUND}"]
    for (x, y), colour in EDGE_COLOURS.values():
        if x == WIDTH - 1 or x == WIDTH - 2 or x == 641:
            drawing += ["-fill", colour, "-draw", f"line {x},0 {x},{HEIGHT - 1}"]
    for (x, y), colour in EDGE_COLOURS.values():
        if y >= HEIGHT - 2:
            drawing += ["-fill", colour, "-draw", f"line 0,{y} {WIDTH - 3},{y}"]
    session.run(drawing + [picture])
    # display reports failure even when it has painted the root window; the caller checks.
    session.run(["display", "-window", "root", picture], check=False)


def pick(session, start, target):
    session.drag_to(start, target)
    session.run(["xdotool", "mouseup", "1"])


def test(program):
    with e2e.Session(program, screen_size=f"{WIDTH}x{HEIGHT}", env={"QT_SCALE_FACTOR": "2"}) as session:
        session.start()
        session.wait_for_clipboard("#FF0000")
        x, y, width, height = session.window_origin()
        e2e.check(x >= 0 and y >= 0 and x + width <= WIDTH and y + height <= HEIGHT,
                  f"the main window ({width} x {height} at {x}, {y}) does not fit the {WIDTH} x {HEIGHT} screen")

        sample = session.find_colour(RED, (x, y, width // 4, height // 2))
        e2e.check(sample, "no red sample found")
        # The sample shows each picked colour, so it is found again by its place in the window.
        grip = (sample[0] - x + 8, sample[1] - y + 4)
        paint_desktop(session)
        session.key("F7")

        picked = {}
        # First with the window out of the way of the pixels at the top right, then back at the
        # top for those at the bottom.
        for window_top in (HEIGHT // 2 - 100, 0):
            session.run(["xdotool", "windowmove", session.window, "0", str(window_top)])
            time.sleep(0.5)
            x, y, width, height = session.window_origin()
            for name, ((px, py), colour) in EDGE_COLOURS.items():
                if name in picked or (x <= px < x + width and y <= py < y + height):
                    continue
                pick(session, (x + grip[0], y + grip[1]), (px, py))
                e2e.wait_until(lambda: session.clipboard() == colour, 3)
                picked[name] = session.clipboard()
        e2e.check(len(picked) == len(EDGE_COLOURS), f"some pixels stayed under the window: {picked}")
        wrong = {name: got for name, got in picked.items() if got != EDGE_COLOURS[name][1]}
        e2e.check(not wrong, f"picks read the wrong pixel: {wrong}")


if __name__ == "__main__":
    e2e.main(test)
