"""F1 opens the help viewer on the table of contents, a second F1 raises the same viewer, the
about box opens from the Help menu and Escape closes it, and closing the program closes the
viewer with it."""

import tincta_e2e as e2e

HELP_TITLE = "Tincta Help"
ABOUT_TITLE = "About Tincta"
HEADING_BLUE = (0x1C, 0x5D, 0x99)


def count_windows(session, title):
    result = session.run(["xdotool", "search", "--onlyvisible", "--name", f"^{title}$"], check=False)
    return len(result.stdout.split())


def test(program):
    with e2e.Session(program) as session:
        main = session.start()

        session.key("F1")
        viewer = session.find_window(HELP_TITLE, timeout=10)
        x, y, width, height = session.window_origin(viewer)
        # The page itself is drawn: its blue heading is at the top of the viewer.
        heading = e2e.wait_until(
            lambda: session.find_colour(HEADING_BLUE, (x, y, width, min(height, 150)), min_run=4), 5)
        e2e.check(heading is not None, "the help viewer shows no heading of the contents page")

        session.focus(main)
        session.key("F1")
        e2e.check(count_windows(session, HELP_TITLE) == 1, "a second F1 opened a second viewer")

        session.focus(main)
        session.key("alt+h")
        session.key("a")
        about = session.find_window(ABOUT_TITLE, timeout=10)
        session.focus(about)
        session.key("Escape")
        e2e.check(e2e.wait_until(lambda: not session.window_exists(ABOUT_TITLE), 5),
                  "Escape did not close the about box")

        session.focus(main)
        session.key("ctrl+w")
        status = session.wait_for_exit()
        e2e.check(status == 0, f"the program ended with status {status}")
        e2e.check(not session.window_exists(HELP_TITLE), "the help viewer outlived the program")


if __name__ == "__main__":
    e2e.main(test)
