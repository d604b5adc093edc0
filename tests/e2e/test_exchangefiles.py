"""Files from and to other programs as a user meets them: a design tokens file whose description
holds a line break is imported, saved with F12 and opened again with Ctrl+O, and its colour and
name come back (the line break as a blank). Export with Ctrl+E onto a named pipe, answered Yes to
the dialog's replace question, gives the export message and leaves the pipe a pipe."""

import os
import stat

import tincta_e2e as e2e
from tincta_e2e import use_dialog

TOKENS = b'{"sky":{"$type":"color","$value":"#336699","$description":"Sky\\r\\nblue"}}'


def other_window(session, title, known):
    """The window titled `title` that is not `known`: a box the dialog opened under its title."""
    def search():
        found = session.run(["xdotool", "search", "--onlyvisible", "--name", f"^{title}$"],
                            check=False).stdout.split()
        return next((window for window in found if window != known), None)
    window = e2e.wait_until(search, 5)
    e2e.check(window, f"no second window titled {title!r} appeared")
    return window


def import_save_and_open_again(session, desktop):
    tokens = os.path.join(desktop, "x.tokens.json")
    with open(tokens, "wb") as file:
        file.write(TOKENS)
    e2e.import_palette(session, tokens)
    session.wait_for_clipboard("#336699")

    session.key("F12")
    use_dialog(session, "Save Palette As", "saved")
    session.window = session.find_window("Tincta - saved.txt")
    session.focus(session.window)
    with open(os.path.join(desktop, "saved.txt"), "rb") as file:
        lines = file.read().split(b"\r\n")
    e2e.check(len(lines) == 101 and lines[4:6] == [b"Sky blue", b"51,102,153"],
              f"the saved file has {len(lines) - 1} lines, marks {lines[4:6]!r}")

    # Another colour first, so that Open has something to bring back.
    e2e.set_colour(session, "123456")
    session.key("ctrl+o")
    session.answer_question("alt+n")
    use_dialog(session, "Open Palette In Tincta", os.path.join(desktop, "saved.txt"))
    session.focus(session.window)
    session.wait_for_clipboard("#336699")
    e2e.check(not session.window_exists("Tincta"), "Open refused the saved file")


def export_onto_a_pipe(session, desktop):
    pipe = os.path.join(desktop, "p.gpl")
    os.mkfifo(pipe)
    session.key("ctrl+e")
    dialog = session.find_window("Export Palette", timeout=10)
    session.focus(dialog)
    session.type(pipe)
    session.key("Return")
    session.focus(other_window(session, "Export Palette", dialog))
    session.key("alt+y")
    box = session.find_window("Tincta", timeout=10)
    e2e.check(stat.S_ISFIFO(os.stat(pipe).st_mode), "the pipe was replaced")
    session.focus(box)
    session.key("Return")
    e2e.check(e2e.wait_until(lambda: not session.window_exists("Tincta"), 5),
              "the export message did not go away")
    e2e.check(stat.S_ISFIFO(os.stat(pipe).st_mode), "the pipe was replaced")


def test(program):
    with e2e.Session(program) as session:
        desktop = os.path.join(session.home, "Desktop")
        session.start()
        session.wait_for_clipboard("#FF0000")
        import_save_and_open_again(session, desktop)
        export_onto_a_pipe(session, desktop)


if __name__ == "__main__":
    e2e.main(test)
