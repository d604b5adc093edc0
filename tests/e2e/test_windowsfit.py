"""Every window fits the screen: the main window, the three palette windows, both settings
dialogs, the help viewer and the about box lie wholly on a 1280 x 1024 screen at a scale factor of
2 and on an 800 x 600 screen at a scale factor of 1."""

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


def check_screen(program, width, height, scale):
    with e2e.Session(program, screen_size=f"{width}x{height}", env={"QT_SCALE_FACTOR": scale}) as session:
        session.start()
        session.wait_for_clipboard("#FF0000")
        wrong = [misplaced(session, e2e.WINDOW_TITLE, width, height)]
        session.key(*["Tab"] * e2e.TABS_TO_WEBSAFE_BUTTON)
        for title in PALETTE_WINDOWS:
            session.key("space")
            wrong.append(misplaced(session, title, width, height))
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
    e2e.check(not wrong, f"windows that do not fit the screen: {wrong}")


if __name__ == "__main__":
    e2e.main(test)
