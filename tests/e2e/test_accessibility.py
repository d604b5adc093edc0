"""A screen reader finds its way through the program: over AT-SPI every focusable control of the
main window, the three palette windows and the two settings dialogs has a name, a colour sample
tells its colour in words, and a websafe cell found by its name and pressed puts its colour on the
clipboard. The labels speak what they show, kept current: the property letters of a mark in words,
and what was sent to the clipboard after a change of notation. Escape closes the side windows.

Runs under the system's python, which has pyatspi, with a D-Bus session bus of its own."""

import os
import subprocess
import time

import tincta_e2e as e2e

WALK_LIMIT = 5000


def start_session_bus(session):
    daemon = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                              env=session.env, stdout=subprocess.PIPE, text=True)
    address = daemon.stdout.readline().strip()
    e2e.check(address, "no D-Bus session bus")
    # pyatspi finds the accessibility bus through the session bus when it is imported.
    os.environ["DBUS_SESSION_BUS_ADDRESS"] = address
    os.environ["DISPLAY"] = session.display
    session.env.update(DBUS_SESSION_BUS_ADDRESS=address, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                       QT_ACCESSIBILITY="1")
    return daemon


def find_application(pyatspi):
    def search():
        desktop = pyatspi.Registry.getDesktop(0)
        for index in range(desktop.childCount):
            app = desktop.getChildAtIndex(index)
            if app is not None and app.name.lower().startswith("tincta"):
                return app
        return None
    app = e2e.wait_until(search, 20, 0.25)
    e2e.check(app, "the program did not appear on the accessibility bus")
    return app


def walk(node, path=()):
    """Every accessible below node, with the roles that lead to it."""
    stack = [(node, path)]
    seen = 0
    while stack and seen < WALK_LIMIT:
        current, trail = stack.pop()
        seen += 1
        yield current, trail
        for index in range(current.childCount):
            child = current.getChildAtIndex(index)
            if child is not None:
                stack.append((child, trail + (current.getRoleName(),)))


def window_named(pyatspi, app, title):
    def search():
        for index in range(app.childCount):
            window = app.getChildAtIndex(index)
            if window is not None and window.name == title:
                return window
        return None
    window = e2e.wait_until(search, 10, 0.2)
    e2e.check(window, f"no window {title!r} on the accessibility bus")
    return window


def unnamed_controls(pyatspi, window):
    focusable = 0
    unnamed = []
    for node, trail in walk(window):
        if node.getState().contains(pyatspi.STATE_FOCUSABLE):
            focusable += 1
            if not node.name.strip():
                unnamed.append(" > ".join(trail + (node.getRoleName(),)))
    e2e.check(focusable > 1, f"the window {window.name!r} shows no controls")
    print(f"{window.name}: {focusable} focusable, {len(unnamed)} without a name")
    return unnamed


def named_descendant(window, name, role=None):
    for node, _ in walk(window):
        if node.name == name and (role is None or node.getRoleName() == role):
            return node
    return None


def spoken_label(window, prefix):
    """The name of the one label whose spoken text starts with prefix, read afresh."""
    for node, _ in walk(window):
        if node.name.startswith(prefix):
            return node.name
    return None


def wait_for_spoken(window, prefix, expected):
    spoken = e2e.wait_until(lambda: spoken_label(window, prefix) == expected, 5, 0.1)
    e2e.check(spoken, f"the label speaks {spoken_label(window, prefix)!r}, not {expected!r}")


def escape_closes(session, title):
    window = session.find_window(title, timeout=10)
    session.focus(window)
    session.key("Escape")
    e2e.check(e2e.wait_until(lambda: not session.window_exists(title), 5),
              f"Escape left the {title!r} window open")


def notation_change_is_spoken(session, main):
    session.focus(session.window)
    e2e.set_colour(session, "990000")
    wait_for_spoken(main, "Sent to clipboard", "Sent to clipboard: #990000")
    # The notation list follows the HTML hex field; "CSS hsl()" is its fourteenth entry.
    session.key("Tab")
    session.key("Home", *["Down"] * 13)
    session.wait_for_clipboard("hsl(0 100% 30%)")
    wait_for_spoken(main, "Sent to clipboard", "Sent to clipboard: hsl(0 100% 30%)")


def press(node):
    action = node.queryAction()
    e2e.check(action.nActions > 0, f"{node.name!r} cannot be pressed")
    action.doAction(0)


def test(program):
    with e2e.Session(program) as session:
        daemon = start_session_bus(session)
        try:
            import pyatspi
            session.start()
            session.wait_for_clipboard("#FF0000")
            app = find_application(pyatspi)
            main = window_named(pyatspi, app, e2e.WINDOW_TITLE)
            unnamed = {e2e.WINDOW_TITLE: unnamed_controls(pyatspi, main)}

            sample = named_descendant(main, "Colour of mark 1")
            e2e.check(sample, "no sample named 'Colour of mark 1'")
            e2e.check(sample.description == "#FF0000, named red",
                      f"the first sample tells {sample.description!r}")
            wait_for_spoken(main, "Colour mark 1 properties",
                            "Colour mark 1 properties: websafe, failsafe, JavaScript name")
            wait_for_spoken(main, "Sent to clipboard", "Sent to clipboard: #FF0000")

            for button, title in (("Websafe Palette", "Websafe"), ("Failsafe Palette", "Failsafe"),
                                  ("JavaScript Palette", "JavaScript")):
                press(named_descendant(main, button, "push button"))
                unnamed[title] = unnamed_controls(pyatspi, window_named(pyatspi, app, title))

            websafe = window_named(pyatspi, app, "Websafe")
            cell = named_descendant(websafe, "#3300FF")
            e2e.check(cell, "no websafe cell named #3300FF")
            press(cell)
            session.wait_for_clipboard("#3300FF")

            for key, title in (("F9", "Options"), ("F8", "Custom Format")):
                session.focus(session.window)
                session.key(key)
                dialog = session.find_window(title, timeout=10)
                unnamed[title] = unnamed_controls(pyatspi, window_named(pyatspi, app, title))
                session.focus(dialog)
                session.key("Escape")
                e2e.check(e2e.wait_until(lambda: not session.window_exists(title), 5),
                          f"the {title!r} dialog did not close")
            missing = {title: paths for title, paths in unnamed.items() if paths}
            e2e.check(not missing, f"controls without a name: {missing}")

            escape_closes(session, "Websafe")
            session.focus(session.window)
            session.key("ctrl+k")
            escape_closes(session, "Colour Check")
            notation_change_is_spoken(session, main)
        finally:
            daemon.terminate()
            daemon.wait(timeout=5)


if __name__ == "__main__":
    e2e.main(test)
