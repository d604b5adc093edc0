"""The clipboard follows the selected colour: after start (even when the window is never
activated), after typed entry, after another notation; it leaves another program's text alone
while nothing changes, and copies again when the user comes back to the window."""

import time

import tincta_e2e as e2e


def check_start_never_activated(program):
    """A window manager that keeps new windows from taking the focus: the start still copies."""
    with e2e.Session(program) as session:
        session.set_clipboard("before")
        session.move_mouse(1279, 799)
        session.focus_elsewhere()
        session.launch()
        session.window = session.find_window(e2e.WINDOW_TITLE)
        started = time.monotonic()
        copied = e2e.wait_until(lambda: session.clipboard() == "#FF0000", 2.0)
        e2e.check(copied, f"clipboard holds {session.clipboard()!r} "
                          f"{time.monotonic() - started:.1f} s after the window appeared")
        focused = session.run(["xdotool", "getwindowfocus"], check=False).stdout.strip()
        e2e.check(focused != session.window, "the window was activated after all")


def test(program):
    check_start_never_activated(program)
    with e2e.Session(program) as session:
        session.start()
        session.wait_for_clipboard("#FF0000")

        # HTML hex mode takes the typed value; letters are upper-cased as typed.
        session.key("F11")
        session.type("ffcc00")
        session.key("Return")
        session.wait_for_clipboard("#FFCC00")

        # The notation list follows the HTML hex field in the tab order.
        session.key("Tab")
        session.key("Down")
        session.wait_for_clipboard("#ffcc00")
        session.key("Down")
        session.wait_for_clipboard("&H0000CCFF&")

        session.set_clipboard("from another program")
        time.sleep(1.5)
        e2e.check(session.clipboard() == "from another program",
                  "the program overwrote the clipboard without a change")

        session.focus_elsewhere()
        session.focus(session.window)
        session.wait_for_clipboard("&H0000CCFF&")


if __name__ == "__main__":
    e2e.main(test)
