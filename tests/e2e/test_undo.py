"""Undo and redo as a user meets them: a colour typed into the HTML hex field, the selected
sample's colour dragged onto the fourth mark, a GIMP palette imported over the first four marks;
Ctrl+Z three times brings back the marks, the selection and the clipboard as they were before
each step, newest first, and Ctrl+Shift+Z does the three again, the import last."""

import os

import tincta_e2e as e2e
from tincta_e2e import set_colour

RED, YELLOW, GREEN, CYAN, BLUE, MAGENTA = ((255, 0, 0), (255, 255, 0), (0, 255, 0), (0, 255, 255),
                                           (0, 0, 255), (255, 0, 255))
SKY = (0x33, 0x66, 0x99)
RUST = (200, 100, 50)
IMPORTED = (b"GIMP Palette\n"
            b" 10  20  30 Night\n"
            b" 40  50  60 Slate\n"
            b" 70  80  90 Stone\n"
            b"200 100  50 Rust\n")

# Each state: the six samples, and the clipboard's text.
START = ([RED, YELLOW, GREEN, CYAN, BLUE, MAGENTA], "#FF0000")
TYPED = ([SKY, YELLOW, GREEN, CYAN, BLUE, MAGENTA], "#336699")
DROPPED = ([SKY, YELLOW, GREEN, SKY, BLUE, MAGENTA], "#336699")
IMPORTED_STATE = ([(10, 20, 30), (40, 50, 60), (70, 80, 90), RUST, BLUE, MAGENTA], "#C86432")


class Samples:
    """Where the six samples are: found by the first and last colour of the built-in palette."""

    def __init__(self, session):
        x, y, width, height = session.window_origin()
        self.region = (x, y + 40, width // 4, height // 2)
        first = session.find_colour(RED, self.region)
        last = session.find_colour(MAGENTA, self.region)
        e2e.check(first and last, "the samples of the first and last mark were not found")
        self.x = first[0] + 8
        self.top = first[1] + 4
        self.pitch = (last[1] - first[1]) / 5

    def point(self, mark):
        return self.x, round(self.top + self.pitch * mark)

    def colours(self, session):
        image = session.screenshot()
        return [session.pixel(*self.point(mark), image=image) for mark in range(6)]


def expect(session, samples, state, step):
    colours, clipboard = state
    shown = e2e.wait_until(lambda: samples.colours(session) == colours, 5)
    e2e.check(shown, f"{step}: the samples show {samples.colours(session)}, expected {colours}")
    session.wait_for_clipboard(clipboard)


def test(program):
    with e2e.Session(program) as session:
        session.start()
        session.wait_for_clipboard("#FF0000")
        samples = Samples(session)
        expect(session, samples, START, "at start")

        set_colour(session, "336699")
        expect(session, samples, TYPED, "after typing a colour")

        # The selected sample's colour dropped on the fourth mark, which it selects.
        session.drag_to(samples.point(0), samples.point(3), steps=10)
        session.run(["xdotool", "mouseup", "1"])
        expect(session, samples, DROPPED, "after the drop")

        palette = os.path.join(session.home, "Desktop", "four.gpl")
        with open(palette, "wb") as file:
            file.write(IMPORTED)
        e2e.import_palette(session, palette)
        expect(session, samples, IMPORTED_STATE, "after the import")

        for state, step in ((DROPPED, "the import"), (TYPED, "the drop"), (START, "the typed colour")):
            session.key("ctrl+z")
            expect(session, samples, state, f"after undoing {step}")
        for state, step in ((TYPED, "the typed colour"), (DROPPED, "the drop"),
                            (IMPORTED_STATE, "the import")):
            session.key("ctrl+shift+z")
            expect(session, samples, state, f"after redoing {step}")


if __name__ == "__main__":
    e2e.main(test)
