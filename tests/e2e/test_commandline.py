"""The command line: --version prints one line and ends with status 0, --help shows the FILE
argument, both with and without a display; a palette file named on the command line opens at
start as Open opens it (the caption names it, its first colour goes to the clipboard), and a
file that is no palette gets Open's message and leaves the new palette."""

import os
import re
import subprocess

import tincta_e2e as e2e
from tincta_e2e import golden

def run_and_end(session, *args, env=None):
    result = subprocess.run([session.program, *args], env=env or session.env, capture_output=True,
                            text=True, timeout=10)
    return result.returncode, result.stdout


def start_with(session, argument, title, folder):
    session.process = subprocess.Popen([session.program, argument], env=session.env, cwd=folder,
                                       stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
    try:
        session.window = session.find_window(title)
    except e2e.E2EFailure:
        windows = session.run(["xdotool", "search", "--onlyvisible", "--name", "."], check=False).stdout.split()
        names = [session.run(["xdotool", "getwindowname", w], check=False).stdout.strip() for w in windows]
        session.process.kill()
        raise e2e.E2EFailure(f"no window {title!r}; windows: {names}; output: {session.process.communicate()[0]!r}")
    session.focus(session.window)


def check_version_and_help(session, env=None):
    status, output = run_and_end(session, "--version", env=env)
    e2e.check(status == 0, f"--version ended with status {status}")
    lines = output.splitlines()
    e2e.check(len(lines) == 1 and re.fullmatch(r"Tincta \d+\.\d+\.\d+", lines[0]),
              f"--version printed {output!r}")
    status, output = run_and_end(session, "--help", env=env)
    e2e.check(status == 0 and "[FILE]" in output and "--version" in output, f"--help printed {output!r}")


def without_display(session):
    """The environment of a terminal with no graphical session, as a packager's build has."""
    env = dict(session.env)
    env.pop("DISPLAY", None)
    env.pop("WAYLAND_DISPLAY", None)
    return env


def test(program):
    with e2e.Session(program) as session:
        check_version_and_help(session)
        check_version_and_help(session, without_display(session))

        # A relative name, as a terminal gives it: the caption names the file alone.
        folder = os.path.join(session.home, "Desktop")
        path = os.path.join(folder, "My colours.txt")
        with open(path, "wb") as file:
            file.write(golden("names.txt"))
        start_with(session, os.path.basename(path), "Tincta - My colours.txt", folder)
        session.wait_for_clipboard("#0A0B0C")
        session.key("ctrl+w")
        e2e.check(session.wait_for_exit() == 0, "the program did not end cleanly")

    with e2e.Session(program) as session:
        path = os.path.join(session.home, "Desktop", "notes.txt")
        with open(path, "w") as file:
            file.write("shopping list\n")
        # Open's message box, over the new palette.
        start_with(session, path, "Tincta", session.home)
        e2e.check(session.window_exists("Tincta - New palette"), "the new palette is not shown")
        session.key("Return")
        e2e.check(e2e.wait_until(lambda: not session.window_exists("Tincta"), 5),
                  "the rejection message did not go away")
        session.window = session.find_window("Tincta - New palette")
        session.focus(session.window)
        session.wait_for_clipboard("#FF0000")


if __name__ == "__main__":
    e2e.main(test)
