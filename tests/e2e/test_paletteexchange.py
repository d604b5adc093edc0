"""Export and import as a user meets them: Ctrl+E writes the palette as a GIMP palette into the
Desktop folder, adding ".gpl" to a name typed without it; Ctrl+Shift+O takes a GIMP palette
written by hand with three colours into the first three marks, leaves the others and the caption,
and the palette then counts as changed. A drag from the selected sample drops its colour on the
fourth mark. New asks to save the changed palette, and the saved file holds the imported and the
dropped colours."""

import os
import time

import tincta_e2e as e2e
from tincta_e2e import use_dialog

HAND_MADE = (b"GIMP Palette\n"
             b"Name: Hand made\n"
             b"# three colours, one without a name\n"
             b" 51 102 153\tSky\n"
             b" 10  20  30\n"
             b"200 100  50 Untitled\n")

# Lines 5 to 12 of the palette saved after the import: names and colours of marks 0 to 3.
SAVED_MARKS = [b"Sky", b"51,102,153",
               b"Type a colour name", b"10,20,30",
               b"Type a colour name", b"200,100,50",
               b"Type a colour name", b"51,102,153"]
SKY = (51, 102, 153)
CYAN = (0, 255, 255)


def exchange_golden(name):
    with open(os.path.join(os.environ["TINCTA_TEST_DATA"], "exchange", name), "rb") as file:
        return file.read()


def drag_sample_to(session, source_rgb, target_rgb):
    """Drags from the sample showing source_rgb onto the sample showing target_rgb, which then
    shows source_rgb."""
    x, y, width, height = session.window_origin()
    samples = (x, y + 40, width // 4, height // 2)
    source = session.find_colour(source_rgb, samples)
    target = session.find_colour(target_rgb, samples)
    e2e.check(source and target, "the samples of the drag were not found")
    session.move_mouse(source[0] + 8, source[1] + 4)
    session.run(["xdotool", "mousedown", "1"])
    for step in range(1, 11):
        session.move_mouse(source[0] + 8, source[1] + 4 + (target[1] - source[1]) * step // 10)
        time.sleep(0.05)
    session.run(["xdotool", "mouseup", "1"])
    e2e.check(e2e.wait_until(lambda: not session.find_colour(target_rgb, samples), 5),
              "the dropped colour did not reach the mark")


def test(program):
    with e2e.Session(program) as session:
        desktop = os.path.join(session.home, "Desktop")
        session.start()
        session.wait_for_clipboard("#FF0000")

        session.key("ctrl+e")
        use_dialog(session, "Export Palette", "exported")
        exported = os.path.join(desktop, "exported.gpl")
        e2e.check(e2e.wait_until(lambda: os.path.exists(exported), 5), "no exported.gpl on the Desktop")
        with open(exported, "rb") as file:
            e2e.check(file.read() == exchange_golden("default.gpl"),
                      "the exported GIMP palette differs from the default palette's")

        hand_made = os.path.join(desktop, "hand made.gpl")
        with open(hand_made, "wb") as file:
            file.write(HAND_MADE)
        session.focus(session.window)
        e2e.import_palette(session, hand_made)
        session.wait_for_clipboard("#336699")
        e2e.check(session.window_exists("Tincta - New palette"), "the import changed the caption")

        drag_sample_to(session, SKY, CYAN)

        # Changed: New asks; Yes saves through Save As, then New goes on.
        session.key("ctrl+n")
        session.answer_question("alt+y")
        use_dialog(session, "Save Palette As", "after import")
        session.window = session.find_window("Tincta - New palette")
        session.focus(session.window)
        session.wait_for_clipboard("#FF0000")
        with open(os.path.join(desktop, "after import.txt"), "rb") as file:
            lines = file.read().split(b"\r\n")
        e2e.check(lines[4:12] == SAVED_MARKS, f"the saved marks are {lines[4:12]!r}")


if __name__ == "__main__":
    e2e.main(test)
