"""Drives the real Tincta program under Xvfb as a user would: keys and mouse through xdotool, the
clipboard through xclip, pixels from screenshots. Standard library only."""

import os
import shutil
import sqlite3
import subprocess
import sys
import tempfile
import time

WINDOW_TITLE = "Tincta - New palette"
SCREEN_SIZE = "1280x800"
# From the first mark's option button: six name boxes, the three sliders, Set, the three value
# fields, the Dec and Hex pair, the notation list, then the Websafe Palette button; the Failsafe
# and JavaScript buttons follow it.
TABS_TO_WEBSAFE_BUTTON = 16


class E2EFailure(AssertionError):
    pass


def check(condition, message):
    if not condition:
        raise E2EFailure(message)


def wait_until(predicate, timeout=5.0, interval=0.05):
    """Polls until predicate() is truthy; returns its last value."""
    deadline = time.monotonic() + timeout
    value = predicate()
    while not value and time.monotonic() < deadline:
        time.sleep(interval)
        value = predicate()
    return value


class Session:
    """An Xvfb display with its own settings folder, and the program started on it."""

    def __init__(self, program, config_home=None, depth=24, screen_size=SCREEN_SIZE, env=None):
        self.program = program
        self.tmp = tempfile.mkdtemp(prefix="tincta-e2e-")
        self.config_home = config_home or os.path.join(self.tmp, "config")
        os.makedirs(self.config_home, exist_ok=True)
        self.runtime = os.path.join(self.tmp, "runtime")
        os.makedirs(self.runtime, mode=0o700, exist_ok=True)
        self.home = os.path.join(self.tmp, "home")
        os.makedirs(os.path.join(self.home, "Desktop"), exist_ok=True)
        # Xvfb picks a free display itself and reports it, so parallel sessions never clash. It
        # must not reset when the program ends: a restart would find the display closed.
        read_end, write_end = os.pipe()
        self.xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", f"{screen_size}x{depth}",
                                      "-nolisten", "tcp", "-noreset"], pass_fds=(write_end,),
                                     stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        with os.fdopen(read_end) as reported:
            number = reported.readline().strip()
        check(number.isdigit(), "Xvfb did not start")
        self.display = f":{number}"
        self.state_home = os.path.join(self.tmp, "state")
        self.env = dict(os.environ, DISPLAY=self.display, XDG_CONFIG_HOME=self.config_home,
                        XDG_STATE_HOME=self.state_home, XDG_RUNTIME_DIR=self.runtime,
                        HOME=self.home, QT_QPA_PLATFORM="xcb",
                        LC_ALL="C.UTF-8", **(env or {}))
        self.env.pop("WAYLAND_DISPLAY", None)
        # LANGUAGE outranks LC_ALL for the texts' language: the program speaks English unless a
        # test asks otherwise.
        if "LANGUAGE" not in (env or {}):
            self.env.pop("LANGUAGE", None)
        self.process = None
        self.window = None

    # -- the program ------------------------------------------------------------------------
    def start(self, title=WINDOW_TITLE):
        self.launch()
        self.window = self.find_window(title)
        self.focus(self.window)
        return self.window

    def launch(self):
        """Starts the program without waiting for its window."""
        self.process = subprocess.Popen([self.program], env=self.env, stdout=subprocess.PIPE,
                                        stderr=subprocess.STDOUT, text=True)

    def find_window(self, title, timeout=20):
        def search():
            result = self.run(["xdotool", "search", "--onlyvisible", "--name", f"^{title}$"], check=False)
            ids = result.stdout.split()
            return ids[0] if ids else None
        window = wait_until(search, timeout)
        check(window, f"no window titled {title!r} appeared")
        return window

    def window_exists(self, title):
        result = self.run(["xdotool", "search", "--onlyvisible", "--name", f"^{title}$"], check=False)
        return bool(result.stdout.split())

    def focus(self, window):
        # There is no window manager: give the window the input focus ourselves, which also
        # makes Qt treat it as the active window.
        self.run(["xdotool", "windowfocus", "--sync", window], check=False)
        time.sleep(0.3)

    def answer_question(self, key, title="Tincta"):
        """Answers a message box (such as the save question) with a key: alt+y, alt+n, Escape."""
        box = self.find_window(title, timeout=5)
        self.focus(box)
        self.key(key)
        check(wait_until(lambda: not self.window_exists(title), 5), f"the {title!r} box did not go away")
        if self.process.poll() is None:
            self.focus(self.window)

    def focus_elsewhere(self):
        """Takes the input focus away from the program, as switching to another program does."""
        result = self.run(["xwininfo", "-root"])
        root = next(word for word in result.stdout.split() if word.startswith("0x"))
        self.run(["xdotool", "windowfocus", root], check=False)
        time.sleep(0.3)

    def wait_for_exit(self, timeout=10):
        try:
            return self.process.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            raise E2EFailure("the program did not end")

    def output(self):
        if self.process and self.process.stdout and self.process.poll() is not None:
            return self.process.stdout.read()
        return ""

    # -- input ------------------------------------------------------------------------------
    def run(self, command, check=True, input_text=None, timeout=10):
        return subprocess.run(command, env=self.env, capture_output=True, text=True, check=check,
                              input=input_text, timeout=timeout)

    def key(self, *keys):
        self.run(["xdotool", "key", "--delay", "60", *keys])
        time.sleep(0.15)

    def type(self, text):
        self.run(["xdotool", "type", "--delay", "60", text])
        time.sleep(0.15)

    def window_origin(self, window=None):
        result = self.run(["xdotool", "getwindowgeometry", "--shell", window or self.window])
        values = dict(line.split("=", 1) for line in result.stdout.split() if "=" in line)
        return int(values["X"]), int(values["Y"]), int(values["WIDTH"]), int(values["HEIGHT"])

    def move_mouse(self, x, y):
        self.run(["xdotool", "mousemove", "--sync", str(x), str(y)])

    def drag_to(self, start, target, steps=4):
        """Presses the left button at start and moves in steps to target, the button held."""
        self.focus(self.window)
        self.move_mouse(*start)
        self.run(["xdotool", "mousedown", "1"])
        time.sleep(0.2)
        for step in range(1, steps + 1):
            self.move_mouse(start[0] + (target[0] - start[0]) * step // steps,
                            start[1] + (target[1] - start[1]) * step // steps)
            time.sleep(0.05)
        time.sleep(0.2)

    def click(self, x, y, button=1):
        self.move_mouse(x, y)
        self.run(["xdotool", "click", str(button)])
        time.sleep(0.15)

    # -- clipboard --------------------------------------------------------------------------
    def clipboard(self):
        result = self.run(["xclip", "-o", "-selection", "clipboard"], check=False, timeout=5)
        return result.stdout if result.returncode == 0 else None

    def wait_for_clipboard(self, expected, timeout=3.0):
        text = wait_until(lambda: self.clipboard() == expected, timeout)
        check(text, f"clipboard holds {self.clipboard()!r}, expected {expected!r}")

    def set_clipboard(self, text):
        # xclip stays in the background to serve the selection, as another program would.
        subprocess.Popen(["xclip", "-i", "-selection", "clipboard"], env=self.env, stdin=subprocess.PIPE,
                         stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL).communicate(text.encode(), timeout=5)
        time.sleep(0.2)

    # -- pixels -----------------------------------------------------------------------------
    def screenshot(self, path=None):
        """The whole screen as (width, height, rgb bytes); also saved as PNG when path is given."""
        if path:
            self.run(["import", "-window", "root", path])
        data = subprocess.run(["import", "-window", "root", "-depth", "8", "ppm:-"], env=self.env,
                              capture_output=True, check=True, timeout=20).stdout
        return _parse_ppm(data)

    def pixel(self, x, y, image=None):
        width, _, pixels = image or self.screenshot()
        offset = (y * width + x) * 3
        return tuple(pixels[offset:offset + 3])

    def find_colour(self, rgb, region, image=None, min_run=6):
        """First point (x, y) in region (x, y, w, h) where a horizontal run of min_run pixels
        has exactly this colour; None when there is none."""
        width, height, pixels = image or self.screenshot()
        rx, ry, rw, rh = region
        target = bytes(rgb)
        for y in range(max(ry, 0), min(ry + rh, height)):
            row = pixels[y * width * 3:(y + 1) * width * 3]
            start = row.find(target * min_run, max(rx, 0) * 3, min(rx + rw, width) * 3)
            while start >= 0 and start % 3:
                start = row.find(target * min_run, start + 1, min(rx + rw, width) * 3)
            if start >= 0:
                return start // 3, y
        return None

    # -- cleanup ----------------------------------------------------------------------------
    def close(self):
        if self.process and self.process.poll() is None:
            self.process.kill()
            self.process.wait(timeout=5)
        self.xvfb.terminate()
        try:
            self.xvfb.wait(timeout=5)
        except subprocess.TimeoutExpired:
            self.xvfb.kill()
        shutil.rmtree(self.tmp, ignore_errors=True)

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.close()
        return False


# -- palette files and value entry ------------------------------------------------------
def golden(name):
    with open(os.path.join(os.environ["TINCTA_TEST_DATA"], "palettefile", name), "rb") as file:
        return file.read()


def use_dialog(session, title, text):
    dialog = session.find_window(title, timeout=10)
    session.focus(dialog)
    session.type(text)
    session.key("Return")
    check(wait_until(lambda: not session.window_exists(title), 5),
          f"the {title!r} dialog did not close")


def stored_settings(session):
    """The values in the program's settings store, by name, as text."""
    store = os.path.join(session.config_home, "tincta", "registry.sqlite3")
    rows = sqlite3.connect(store).execute("SELECT name, data FROM vals").fetchall()
    return {name: bytes(data).rstrip(b"\0").decode() for name, data in rows}


def choose_in_options(session, *keys):
    """Opens Options, presses keys in its notation list (which has the focus) and Enter, its OK."""
    session.key("F9")
    options = session.find_window("Options", timeout=10)
    session.focus(options)
    session.key(*keys)
    session.key("Return")
    check(wait_until(lambda: not session.window_exists("Options"), 5), "OK did not close Options")


def import_palette(session, path):
    """Import Palette of `path`; a file of more or fewer than six colours opens the Import Colours
    dialog, whose first answer (the first six colours into the marks from mark 1) is taken."""
    session.key("ctrl+shift+o")
    use_dialog(session, "Import Palette", path)
    if wait_until(lambda: session.window_exists("Import Colours"), 3):
        session.focus(session.find_window("Import Colours"))
        session.key("Return")
        check(wait_until(lambda: not session.window_exists("Import Colours"), 5),
              "the Import Colours dialog did not close")
    session.focus(session.window)


def set_colour(session, html_hex):
    """Types the colour into the HTML hex field; F11 toggles that field, so it is switched off
    and on again when an earlier call left it on."""
    if getattr(session, "html_hex_mode", False):
        session.key("F11")
    session.key("F11")
    session.html_hex_mode = True
    session.key("ctrl+a")
    session.type(html_hex)
    session.key("Return")
    session.wait_for_clipboard("#" + html_hex.upper())


def _parse_ppm(data):
    # P6 header: magic, width, height, maxval, each separated by whitespace.
    fields = []
    position = 0
    while len(fields) < 4:
        while data[position:position + 1].isspace():
            position += 1
        end = position
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[position:end])
        position = end
    check(fields[0] == b"P6", "screenshot is not a PPM image")
    return int(fields[1]), int(fields[2]), data[position + 1:]


def main(test):
    """Runs test(program_path) and reports like a test runner."""
    program = os.path.abspath(sys.argv[1])
    try:
        test(program)
    except E2EFailure as failure:
        print(f"FAIL: {failure}")
        sys.exit(1)
    print("PASS")
