"""Open as a user meets it with files that are not palettes and with long names: a named pipe
that nothing writes to and an endless device are refused at once with the usual message, and
the edited palette, caption and clipboard stay; a palette whose name is longer than a name box
takes by typing opens unchanged, so New asks nothing and Save writes the same bytes back."""

import os

import tincta_e2e as e2e
from tincta_e2e import golden, set_colour, use_dialog

REJECTION = "You tried to open the file"
LONG_NAME = "Midnight Blue Background Accent"


def open_file(session, path, palette_changed):
    session.key("ctrl+o")
    if palette_changed:
        session.answer_question("alt+n")
    use_dialog(session, "Open Palette In Tincta", path)


def check_refused(session, path):
    """Open refuses the path with the rejection message; nothing else changes."""
    open_file(session, path, palette_changed=True)
    box = session.find_window("Tincta", timeout=10)
    session.focus(box)
    session.key("Return")
    e2e.check(e2e.wait_until(lambda: not session.window_exists("Tincta"), 5),
              f"the message about {path} did not go away")
    session.focus(session.window)
    e2e.check(session.window_exists("Tincta - New palette"), f"opening {path} changed the caption")
    session.wait_for_clipboard("#123456")


def long_name_palette(folder):
    data = golden("default-empty-template.txt")
    data = data.replace(b"Type a colour name", LONG_NAME.encode(), 1)
    data = data.replace(b"[Type a colour name]", f"[{LONG_NAME}]".encode(), 1)
    path = os.path.join(folder, "Long names.txt")
    with open(path, "wb") as file:
        file.write(data)
    return path, data


def test(program):
    with e2e.Session(program) as session:
        desktop = os.path.join(session.home, "Desktop")
        pipe = os.path.join(desktop, "fifo.txt")
        os.mkfifo(pipe)  # never opened for writing: a reader that waits for a writer hangs
        session.start()
        session.wait_for_clipboard("#FF0000")
        set_colour(session, "123456")

        check_refused(session, pipe)
        check_refused(session, "/dev/zero")

        # Opening the long name changes nothing: New needs no question.
        path, data = long_name_palette(desktop)
        open_file(session, path, palette_changed=True)
        session.window = session.find_window("Tincta - Long names.txt")
        session.focus(session.window)
        session.key("ctrl+n")
        e2e.check(e2e.wait_until(lambda: session.window_exists("Tincta - New palette"), 5)
                  and not session.window_exists("Tincta"),
                  "New asked about a palette that was only opened")
        session.window = session.find_window("Tincta - New palette")
        session.focus(session.window)

        # Saved again, the file is the same to the byte.
        open_file(session, path, palette_changed=False)
        session.window = session.find_window("Tincta - Long names.txt")
        session.focus(session.window)
        os.remove(path)
        session.key("ctrl+s")
        e2e.check(e2e.wait_until(lambda: os.path.exists(path), 5), "Save wrote no file")
        with open(path, "rb") as file:
            e2e.check(file.read() == data, "the saved file differs from the one opened")


if __name__ == "__main__":
    e2e.main(test)
