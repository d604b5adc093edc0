"""The palette as a file, as a user meets it: Ctrl+S on a new palette asks where to save and
writes the default palette to the Desktop; New asks about a changed palette; Open brings the
saved palette back; closing a changed palette asks, and Cancel keeps the program open."""

import os

import tincta_e2e as e2e
from tincta_e2e import golden, set_colour, use_dialog

QUESTION_TITLE = "Tincta"


def test(program):
    with e2e.Session(program) as session:
        session.start()
        session.wait_for_clipboard("#FF0000")

        # A new palette has no file: Save asks for one, in the Desktop folder, and adds ".txt".
        session.key("ctrl+s")
        use_dialog(session, "Save Palette As", "My colours")
        saved = os.path.join(session.home, "Desktop", "My colours.txt")
        e2e.check(e2e.wait_until(lambda: os.path.exists(saved), 5), "no file on the Desktop")
        with open(saved, "rb") as file:
            e2e.check(file.read() == golden("default-empty-template.txt"),
                      "the saved file differs from the default palette's")
        session.window = session.find_window("Tincta - My colours.txt")
        session.focus(session.window)

        # A changed palette: Cancel keeps it, No lets New reset it.
        set_colour(session, "123456")
        session.key("ctrl+n")
        session.answer_question("Escape")
        e2e.check(session.window_exists("Tincta - My colours.txt"), "Cancel changed the caption")
        session.key("ctrl+n")
        session.answer_question("alt+n")
        session.window = session.find_window("Tincta - New palette")
        session.focus(session.window)
        session.wait_for_clipboard("#FF0000")

        # Open brings the saved palette back over an edited one.
        set_colour(session, "ABCDEF")
        session.key("ctrl+o")
        session.answer_question("alt+n")
        use_dialog(session, "Open Palette In Tincta", saved)
        session.window = session.find_window("Tincta - My colours.txt")
        session.focus(session.window)
        session.wait_for_clipboard("#FF0000")

        # Closing a changed palette asks; Cancel keeps the program, No lets it go.
        set_colour(session, "654321")
        session.key("ctrl+w")
        session.answer_question("Escape")
        e2e.check(session.process.poll() is None, "the program ended after Cancel")
        session.key("ctrl+w")
        answer_question_and_exit(session)
        with open(saved, "rb") as file:
            e2e.check(file.read() == golden("default-empty-template.txt"),
                      "closing without saving changed the file")


def answer_question_and_exit(session):
    box = session.find_window(QUESTION_TITLE, timeout=5)
    session.focus(box)
    session.key("alt+n")
    session.wait_for_exit()


if __name__ == "__main__":
    e2e.main(test)
