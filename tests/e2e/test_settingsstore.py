"""Another program holds the settings store locked for 60 s. While the lock is still held: the
program starts, says once that it uses its standard settings, shows its window, opens Options,
and OK with a change says the settings could not be saved and keeps the dialog open. The held lock
is the bound: seeing any of this only after the lock ended fails. Nothing is written."""

import os
import sqlite3
import subprocess
import sys

import tincta_e2e as e2e

LOCK_SECONDS = 60
OPTIONS_TITLE = "Options"
MESSAGE_TITLE = "Tincta"

# Holds an exclusive lock on the store, as another program in the middle of a write does.
LOCK_HOLDER = """
import sqlite3, sys, time
db = sqlite3.connect(sys.argv[1], isolation_level=None)
db.execute("BEGIN EXCLUSIVE")
print("locked", flush=True)
time.sleep(float(sys.argv[2]))
"""


def stored_values(store):
    return sqlite3.connect(store).execute("SELECT * FROM vals ORDER BY 1, 2, 3").fetchall()


def dismiss_message(session):
    box = session.find_window(MESSAGE_TITLE, timeout=20)
    session.focus(box)
    session.key("Return")
    e2e.check(e2e.wait_until(lambda: not session.window_exists(MESSAGE_TITLE), 5),
              "the message box did not go away")


def test(program):
    with e2e.Session(program) as session:
        # A first run makes the store file.
        session.start()
        session.key("ctrl+w")
        e2e.check(session.wait_for_exit() == 0, "the first run did not end cleanly")
        store = os.path.join(session.config_home, "tincta", "registry.sqlite3")
        e2e.check(os.path.isfile(store), "the first run made no settings store")
        # The first run kept the window's place; the settings themselves were never written.
        before = stored_values(store)

        holder = subprocess.Popen([sys.executable, "-c", LOCK_HOLDER, store, str(LOCK_SECONDS)],
                                  stdout=subprocess.PIPE, text=True)
        try:
            e2e.check(holder.stdout.readline().strip() == "locked", "the store could not be locked")

            def still_locked(what):
                e2e.check(holder.poll() is None, f"{what} only after the lock ended")

            session.launch()
            dismiss_message(session)
            still_locked("the start-up message came")
            session.window = session.find_window(e2e.WINDOW_TITLE)
            still_locked("the main window appeared")

            session.focus(session.window)
            session.key("F9")
            options = session.find_window(OPTIONS_TITLE, timeout=20)
            still_locked("Options opened")
            e2e.check(not session.window_exists(MESSAGE_TITLE), "the start-up message came again")

            # Another standard notation, then OK.
            session.focus(options)
            session.key("Down")
            session.key("Return")
            dismiss_message(session)
            still_locked("the not-saved message came")
            e2e.check(session.window_exists(OPTIONS_TITLE), "OK closed the dialog as if saved")

            session.focus(options)
            session.key("Escape")
            e2e.check(e2e.wait_until(lambda: not session.window_exists(OPTIONS_TITLE), 5),
                      "Escape did not close Options")
            session.focus(session.window)
            session.key("ctrl+w")
            e2e.check(session.wait_for_exit() == 0, "the program did not end cleanly")
        finally:
            holder.kill()
            holder.wait(timeout=5)

        after = stored_values(store)
        e2e.check(after == before, f"the locked store was written: {before!r} became {after!r}")


if __name__ == "__main__":
    e2e.main(test)
