"""A palette window is used with the keyboard alone: Tab reaches the Websafe Palette button, Space
opens the window with its grid in focus, the arrows move the focus cell and Enter takes its
colour, which reaches the clipboard as a click would."""

import tincta_e2e as e2e


def test(program):
    with e2e.Session(program) as session:
        session.start()
        session.wait_for_clipboard("#FF0000")
        session.key(*["Tab"] * e2e.TABS_TO_WEBSAFE_BUTTON)
        session.key("space")
        websafe = session.find_window("Websafe", timeout=10)
        session.focus(websafe)
        # The focus starts on cell 0, #000000 at the bottom left: one step right raises red, one
        # step up raises blue.
        session.key("Right", "Right", "Up")
        session.key("Return")
        session.wait_for_clipboard("#660033")


if __name__ == "__main__":
    e2e.main(test)
