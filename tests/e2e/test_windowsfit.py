"""Every window fits the screen: the main window, the three palette windows, both settings
dialogs, the help viewer and the about box lie wholly on a 1280 x 1024 screen at a scale factor of
2 and on an 800 x 600 screen at a scale factor of 1. A palette window opens beside the main window,
not over it, wherever one side of the screen has room for it; where none has, it still leaves the
colour marks, the left third of the main window, in view."""

import tincta_e2e as e2e

SCREENS = ((1280, 1024, "2"), (800, 600, "1"))
PALETTE_WINDOWS = ("Websafe", "Failsafe", "JavaScript")
DIALOGS = (("Options", ("F9",)), ("Custom Format", ("F8",)), ("About Tincta", ("alt+h", "a")))


def misplaced(session, title, width, height):
    window = session.find_window(title, timeout=10)
    x, y, w, h = session.window_origin(window)
    print(f"{title}: {w} x {h} at {x}, {y}")
    if x >= 0 and y >= 0 and x + w <= width and y + h <= height:
        return None
    return f"{title}: {w} x {h} at {x}, {y}"


def covers_main_window(session, title, width, height, scale):
    """The palette window lies over the main window although a side of the screen had room, or
    over its colour marks."""
    mx, my, mw, mh = session.window_origin()
    x, y, w, h = session.window_origin(session.find_window(title, timeout=10))
    # Room for the window and the gap the program leaves, with some to spare.
    spare = 20 * int(scale)
    room = (width - mx - mw >= w + spare or mx >= w + spare or
            height - my - mh >= h + spare or my >= h + spare)
    apart = x >= mx + mw or x + w <= mx or y >= my + mh or y + h <= my
    if room and not apart:
        return f"{title} at {x}, {y} over the main window ({mw} x {mh} at {mx}, {my})"
    marks_apart = x >= mx + mw // 3 or x + w <= mx or y >= my + mh or y + h <= my
    if not marks_apart:
        return f"{title} at {x}, {y} over the marks of the main window ({mw} x {mh} at {mx}, {my})"
    return None


def check_screen(program, width, height, scale):
    with e2e.Session(program, screen_size=f"{width}x{height}", env={"QT_SCALE_FACTOR": scale}) as session:
        session.start()
        session.wait_for_clipboard("#FF0000")
        wrong = [misplaced(session, e2e.WINDOW_TITLE, width, height)]
        session.key(*["Tab"] * e2e.TABS_TO_WEBSAFE_BUTTON)
        for title in PALETTE_WINDOWS:
            session.key("space")
            wrong.append(misplaced(session, title, width, height))
            wrong.append(covers_main_window(session, title, width, height, scale))
            session.focus(session.window)
            session.key("Tab")
        for title, keys in DIALOGS:
            session.focus(session.window)
            session.key(*keys)
            wrong.append(misplaced(session, title, width, height))
            session.focus(session.find_window(title))
            session.key("Escape")
            e2e.check(e2e.wait_until(lambda: not session.window_exists(title), 5),
                      f"the {title!r} window did not close")
        session.focus(session.window)
        session.key("F1")
        wrong.append(misplaced(session, "Tincta Help", width, height))
        return [entry for entry in wrong if entry]


def test(program):
    wrong = {}
    for width, height, scale in SCREENS:
        found = check_screen(program, width, height, scale)
        if found:
            wrong[f"{width} x {height} at scale {scale}"] = found
    e2e.check(not wrong, f"windows off the screen or over the main window: {wrong}")


if __name__ == "__main__":
    e2e.main(test)
