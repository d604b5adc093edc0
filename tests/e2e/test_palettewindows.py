"""The three palette buttons open the websafe, failsafe and JavaScript windows, one of each; a
press on a cell puts that colour on the clipboard in the notation chosen in the main window; the
windows close with the main window."""

import time

import tincta_e2e as e2e

# Where each window is moved so that none covers another or the cells pressed below. Without a
# window manager every new window opens at the top left corner.
PLACES = {"Websafe": (0, 480), "Failsafe": (0, 640), "JavaScript": (900, 300)}


def open_palette(session, caption):
    """Moves the focus from the previous control to the next palette button and presses it."""
    session.focus(session.window)
    session.key("Tab")
    session.key("space")
    window = session.find_window(caption, timeout=5)
    session.run(["xdotool", "windowmove", "--sync", window, *map(str, PLACES[caption])], check=False)
    x, y, width, height = session.window_origin(window)
    e2e.check((x, y) == PLACES[caption], f"the {caption} window did not move: {x}, {y}")
    return window, width, height


def count_windows(session, caption):
    result = session.run(["xdotool", "search", "--onlyvisible", "--name", f"^{caption}$"], check=False)
    return len(result.stdout.split())


def test(program):
    with e2e.Session(program) as session:
        session.start()
        session.wait_for_clipboard("#FF0000")

        # The notation list follows the HTML hex field in the tab order; choose lower case.
        session.key("F11")
        session.key("Tab")
        session.key("Down")
        session.wait_for_clipboard("#ff0000")

        # The palette buttons follow the list.
        _, width, height = open_palette(session, "Websafe")
        e2e.check((width, height) == (756, 126), f"websafe window is {width} x {height}")
        left, top = PLACES["Websafe"]
        # Top of the second column: 21-pixel cells.
        session.click(left + 31, top + 10)
        session.wait_for_clipboard("#3300ff")
        # Only the left button takes a colour. (Each click at a new point: xdotool's --sync
        # waits for a pointer move.)
        session.click(left + 10, top + 115, button=3)
        session.click(left + 12, top + 113, button=2)
        time.sleep(1.0)
        e2e.check(session.clipboard() == "#3300ff", "a right or middle press took a colour")

        _, width, height = open_palette(session, "Failsafe")
        e2e.check((width, height) == (756, 47), f"failsafe window is {width} x {height}")
        left, top = PLACES["Failsafe"]
        session.click(left + 70, top + 20)
        session.wait_for_clipboard("#800080")

        _, width, height = open_palette(session, "JavaScript")
        e2e.check((width, height) == (117, 361), f"JavaScript window is {width} x {height}")
        left, top = PLACES["JavaScript"]
        # The first square lies just below the 28-pixel toolbar: aliceblue in alphabetical order.
        session.click(left + 8, top + 36)
        session.wait_for_clipboard("#f0f8ff")

        # The cells are drawn in their colours, edge to edge.
        image = session.screenshot()
        e2e.check(session.pixel(PLACES["Websafe"][0] + 21, PLACES["Websafe"][1], image) == (0x33, 0x00, 0xFF),
                  "websafe cell 41 does not start at column 21")
        e2e.check(session.pixel(PLACES["Websafe"][0] + 20, PLACES["Websafe"][1], image) == (0x00, 0x00, 0xFF),
                  "websafe cell 5 does not end at column 20")
        e2e.check(session.pixel(left, top + 28, image) == (0xF0, 0xF8, 0xFF),
                  "the first JavaScript square is not aliceblue")

        # Pressing the button again opens no second window.
        session.focus(session.window)
        session.key("space")
        for caption in PLACES:
            e2e.check(count_windows(session, caption) == 1, f"not exactly one {caption} window")

        session.focus(session.window)
        session.key("ctrl+w")
        status = session.wait_for_exit()
        e2e.check(status == 0, f"the program ended with status {status}")


if __name__ == "__main__":
    e2e.main(test)
