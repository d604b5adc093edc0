"""The CSS notations as a user meets them: chosen in the list with the keyboard, the clipboard
holds the colour in that notation; chosen in Options, the choice is stored so that earlier
versions still read FormatIndex, and the next start copies in it. Ctrl+K opens one Colour Check
window, beside the main window, not over it."""

import tincta_e2e as e2e

COLOUR_CHECK_TITLE = "Colour Check"


# "CSS oklch()" is the fifteenth entry of the list, right after "CSS hsl()".
OKLCH_ROW = 14
TO_OKLCH = ("Home", *["Down"] * OKLCH_ROW)


def windows_titled(session, title):
    result = session.run(["xdotool", "search", "--onlyvisible", "--name", f"^{title}$"], check=False)
    return result.stdout.split()


def check_colour_check_window(session):
    session.key("ctrl+k")
    window = session.find_window(COLOUR_CHECK_TITLE, timeout=10)
    session.focus(session.window)
    session.key("ctrl+k")
    e2e.check(len(windows_titled(session, COLOUR_CHECK_TITLE)) == 1, "Ctrl+K opened a second window")
    mx, my, mw, mh = session.window_origin()
    cx, cy, _, _ = session.window_origin(window)
    e2e.check(cx >= mx + mw or cy >= my + mh,
              f"the Colour Check window at {cx},{cy} covers the main window ({mx},{my} {mw}x{mh})")


def test(program):
    with e2e.Session(program) as session:
        session.start()
        e2e.set_colour(session, "ffcc00")
        # The notation list follows the HTML hex field; the first CSS notations follow Custom.
        session.key("Tab")
        session.key(*TO_OKLCH)
        session.wait_for_clipboard("oklch(86.5% 0.177 90.4)")
        session.key("Up")
        session.wait_for_clipboard("hsl(48 100% 50%)")
        session.key("Up")
        session.wait_for_clipboard("rgb(255 204 0)")

        e2e.choose_in_options(session, *TO_OKLCH)
        settings = e2e.stored_settings(session)
        e2e.check(settings.get("FormatIndex") == "0", f"FormatIndex stored as {settings.get('FormatIndex')!r}")
        e2e.check(settings.get("CssFormat") == "oklch", f"CssFormat stored as {settings.get('CssFormat')!r}")
        # Options counts from the next start: this window keeps the notation it shows.
        session.focus(session.window)
        session.wait_for_clipboard("rgb(255 204 0)")

        check_colour_check_window(session)
        session.focus(session.window)
        session.key("ctrl+w")
        session.answer_question("alt+n")
        e2e.check(session.wait_for_exit() == 0, "the program did not end cleanly")
        e2e.check(not windows_titled(session, COLOUR_CHECK_TITLE), "the Colour Check window stayed")

        session.start()
        session.wait_for_clipboard("oklch(62.8% 0.258 29.2)")
        session.key("ctrl+w")
        e2e.check(session.wait_for_exit() == 0, "the program did not end cleanly")


if __name__ == "__main__":
    e2e.main(test)
