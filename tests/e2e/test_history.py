"""The colour history across a restart: a typed value, a websafe cell and a pick are listed by the
History window (Ctrl+H) of the next start, newest first and each once; Enter on the second puts
its colour on the clipboard; a pinned, named entry survives Clear History and another restart."""

import os
import sqlite3
import time

import tincta_e2e as e2e

TYPED = (0x12, 0x34, 0x56)
WEBSAFE = (0x33, 0x00, 0xFF)
PICKED = (0x5A, 0x7B, 0x9C)
RED = (255, 0, 0)
WEBSAFE_PLACE = (0, 480)


def hex_text(rgb):
    return "#" + "".join(f"{channel:02X}" for channel in rgb)


def stored(session):
    """(packed colour, name, pinned) of every entry in the history file, as the store orders it."""
    path = os.path.join(session.state_home, "tincta", "history.sqlite3")
    with sqlite3.connect(path) as db:
        rows = db.execute("SELECT colour, name, pin IS NOT NULL FROM history"
                          " ORDER BY pin IS NULL, pin, seq DESC").fetchall()
    return [(hex_text((colour & 0xFF, (colour >> 8) & 0xFF, colour >> 16)), name, bool(pinned))
            for colour, name, pinned in rows]


def choose_websafe_cell(session):
    # The notation list follows the HTML hex field in the tab order, the Websafe button the list.
    session.key("Tab")
    session.key("Tab")
    session.key("space")
    window = session.find_window("Websafe", timeout=5)
    session.run(["xdotool", "windowmove", "--sync", window, *map(str, WEBSAFE_PLACE)], check=False)
    # Top of the second column: 21-pixel cells.
    session.click(WEBSAFE_PLACE[0] + 31, WEBSAFE_PLACE[1] + 10)
    session.wait_for_clipboard(hex_text(WEBSAFE))
    session.focus(window)
    session.key("Escape")


def pick_from_desktop(session):
    picture = os.path.join(session.tmp, "desktop.png")
    session.run(["convert", "-size", "32x32", "xc:" + hex_text(PICKED), picture])
    session.run(["display", "-window", "root", picture], check=False)
    session.focus(session.window)
    x, y, width, height = session.window_origin()
    sample = session.find_colour(WEBSAFE, (x, y + 40, width // 4, height // 2))
    e2e.check(sample, "the selected sample does not show the websafe colour")
    session.key("F7")
    session.drag_to((sample[0] + 8, sample[1] + 4), (x + width + 150, y + height // 2), steps=6)
    session.run(["xdotool", "mouseup", "1"])
    session.wait_for_clipboard(hex_text(PICKED))
    session.key("F7")


def quit_without_saving(session):
    session.focus(session.window)
    session.key("ctrl+w")
    session.answer_question("alt+n")
    session.wait_for_exit()


def open_history(session):
    session.focus(session.window)
    session.key("ctrl+h")
    window = session.find_window("History", timeout=5)
    session.focus(window)
    return window


def swatch_rows(session, window, colours):
    """The screen row of each colour's swatch in the History window, None where it is missing."""
    image = session.screenshot()
    region = session.window_origin(window)
    rows = []
    for colour in colours:
        found = session.find_colour(colour, region, image=image, min_run=10)
        rows.append(found[1] if found else None)
    return rows


def test(program):
    with e2e.Session(program) as session:
        session.start()
        session.wait_for_clipboard("#FF0000")
        e2e.set_colour(session, "123456")
        choose_websafe_cell(session)
        pick_from_desktop(session)
        quit_without_saving(session)

        session.start()
        session.wait_for_clipboard("#FF0000")
        window = open_history(session)
        e2e.check(stored(session) == [(hex_text(c), "", False) for c in (PICKED, WEBSAFE, TYPED)],
                  f"the history holds {stored(session)}")
        rows = swatch_rows(session, window, (PICKED, WEBSAFE, TYPED, RED))
        e2e.check(None not in rows[:3] and rows[0] < rows[1] < rows[2],
                  f"the window does not list the colours newest first: rows {rows[:3]}")
        e2e.check(rows[3] is None, "the start-up colour was put in the history")

        # The first entry is current; Down goes to the second.
        session.key("Down")
        session.key("Return")
        session.wait_for_clipboard(hex_text(WEBSAFE))

        # The chosen colour went to the top and stays current: pin it, name it, clear the rest.
        session.focus(window)
        session.key("p")
        session.key("F2")
        session.type("Mint")
        session.key("Return")
        e2e.check(e2e.wait_until(lambda: stored(session)[0] == (hex_text(WEBSAFE), "Mint", True)),
                  f"the entry was not pinned and named: {stored(session)}")
        session.key("alt+c")
        session.answer_question("alt+y")
        e2e.check(stored(session) == [(hex_text(WEBSAFE), "Mint", True)],
                  f"Clear History left {stored(session)}")
        quit_without_saving(session)

        session.start()
        window = open_history(session)
        e2e.check(stored(session) == [(hex_text(WEBSAFE), "Mint", True)],
                  f"after the restart the history holds {stored(session)}")
        rows = swatch_rows(session, window, (WEBSAFE, PICKED))
        e2e.check(rows[0] is not None and rows[1] is None,
                  "the History window does not show the pin alone")


if __name__ == "__main__":
    e2e.main(test)
