"""On a display of fewer than 24 bits per pixel the program says so before its window shows;
at 24 bits it says nothing."""

import time

import tincta_e2e as e2e

MAIN_TITLE = e2e.WINDOW_TITLE


def test(program):
    with e2e.Session(program, depth=16) as session:
        session.launch()
        box = session.find_window("Tincta")
        e2e.check(not session.window_exists(MAIN_TITLE), "the main window came before the notice")
        session.focus(box)
        session.key("Return")
        session.window = session.find_window(MAIN_TITLE)

    with e2e.Session(program, depth=24) as session:
        session.start()
        time.sleep(1)
        e2e.check(not session.window_exists("Tincta"), "a notice was shown at 24 bits per pixel")


if __name__ == "__main__":
    e2e.main(test)
