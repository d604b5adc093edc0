"""The platform notations and Paste Colour as a user meets them: "Flutter" chosen in the list with
the keyboard puts Color(0xAARRGGBB) on the clipboard; an oklch() text put on the clipboard by
another program comes back in with Ctrl+Shift+V, one undo step; Ctrl+L opens the All Notations
window; Flutter chosen in Options is stored as FormatIndex "0" and CssFormat "flutter", and the
next start copies in it."""

import tincta_e2e as e2e

ALL_NOTATIONS_TITLE = "All Notations"
# From the last entry of the list ("Tailwind"), "Flutter" is six up.
TO_FLUTTER = ("End", *["Up"] * 6)


def test(program):
    with e2e.Session(program) as session:
        session.start()
        e2e.set_colour(session, "336699")
        session.key("Tab")
        session.key(*TO_FLUTTER)
        session.wait_for_clipboard("Color(0xFF336699)")

        session.set_clipboard("oklch(62.8% 0.2577 29.23)")
        session.key("ctrl+shift+v")
        # The selected mark is red now, and the autocopy says so in Flutter.
        session.wait_for_clipboard("Color(0xFFFF0000)")
        session.key("ctrl+z")
        session.wait_for_clipboard("Color(0xFF336699)")

        session.key("ctrl+l")
        window = session.find_window(ALL_NOTATIONS_TITLE, timeout=10)
        session.focus(window)
        session.key("Escape")
        e2e.check(e2e.wait_until(lambda: not session.window_exists(ALL_NOTATIONS_TITLE), 5),
                  "Escape did not close the All Notations window")

        session.focus(session.window)
        e2e.choose_in_options(session, *TO_FLUTTER)
        settings = e2e.stored_settings(session)
        e2e.check(settings.get("FormatIndex") == "0", f"FormatIndex stored as {settings.get('FormatIndex')!r}")
        e2e.check(settings.get("CssFormat") == "flutter", f"CssFormat stored as {settings.get('CssFormat')!r}")
        session.focus(session.window)
        session.key("ctrl+w")
        session.answer_question("alt+n")
        e2e.check(session.wait_for_exit() == 0, "the program did not end cleanly")

        session.start()
        session.wait_for_clipboard("Color(0xFFFF0000)")
        session.key("ctrl+w")
        e2e.check(session.wait_for_exit() == 0, "the program did not end cleanly")


if __name__ == "__main__":
    e2e.main(test)
