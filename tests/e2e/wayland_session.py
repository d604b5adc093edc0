"""A Wayland desktop of the tests' own: sway on its headless backend, a private D-Bus session bus
with Debian's portal frontend (xdg-desktop-portal) and a fake portal backend the test steers, and
the program on it with QT_QPA_PLATFORM=wayland. sway refuses to run as root, so as root
everything of the desktop runs as an unprivileged user made for the run; the test itself stays
root and talks to the desktop through its sockets. Standard library only."""

import glob
import json
import os
import pwd
import stat
import shutil
import subprocess
import tempfile

import tincta_e2e as e2e
from wayland_input import WaylandInput

USER = "tincta-e2e"
DESKTOP = "tinctatest"
BACKEND_NAME = "org.freedesktop.impl.portal.desktop.tinctatest"
FRONTEND = "/usr/libexec/xdg-desktop-portal"
SYSTEM_PYTHON = "/usr/bin/python3"
WIDTH, HEIGHT = 1280, 800
HERE = os.path.dirname(os.path.abspath(__file__))
TOOLS = ("sway", "swaymsg", "wl-paste", "wl-copy", "dbus-daemon", "dbus-send", "setpriv")


def missing_parts():
    """Why this machine cannot run the desktop, or None."""
    missing = [tool for tool in TOOLS if shutil.which(tool) is None]
    missing += [path for path in (FRONTEND, SYSTEM_PYTHON) if not os.access(path, os.X_OK)]
    if missing:
        return f"missing {', '.join(missing)} (scripts/install-deps.sh installs them)"
    modules = subprocess.run([SYSTEM_PYTHON, "-c", "import dbus, gi"], capture_output=True, text=True)
    if modules.returncode != 0:
        return "the fake portal backend needs python3-dbus and python3-gi"
    if not glob.glob("/usr/lib/*/qt6/plugins/platforms/libqwayland*"):
        return "no Wayland platform plugin for Qt (qt6-wayland)"
    return None


def processes_of(uid):
    owned = []
    for entry in os.listdir("/proc"):
        try:
            if entry.isdigit() and os.stat(f"/proc/{entry}").st_uid == uid:
                owned.append(entry)
        except FileNotFoundError:
            pass
    return owned


class WaylandSession:
    """Made empty; start_desktop() brings the desktop up and close() takes all of it down."""

    def __init__(self, program, scale=1):
        self.scale = scale
        self.program = program
        self.children = []
        self.created_user = False
        self.tmp = tempfile.mkdtemp(prefix="tincta-wayland-")
        self.runtime = os.path.join(self.tmp, "runtime")
        self.state = os.path.join(self.tmp, "portal")
        self.portals = os.path.join(self.tmp, "portals")
        for folder in (self.runtime, self.state, self.portals, os.path.join(self.tmp, "home")):
            os.makedirs(folder, mode=0o700, exist_ok=True)
        self.prefix = []
        self.env = {"PATH": os.environ.get("PATH", "/usr/bin:/bin"), "HOME": os.path.join(self.tmp, "home"),
                    "XDG_RUNTIME_DIR": self.runtime, "XDG_CONFIG_HOME": os.path.join(self.tmp, "config"),
                    "XDG_STATE_HOME": os.path.join(self.tmp, "state"), "LC_ALL": "C.UTF-8"}
        self.input = None
        self.process = None

    # -- the desktop ------------------------------------------------------------------------
    def become_user(self):
        """The command prefix that runs a program as the desktop's user; nothing when not root."""
        if os.geteuid() != 0:
            return []
        try:
            pwd.getpwnam(USER)
        except KeyError:
            subprocess.run(["useradd", "--system", "--no-create-home", "--home-dir", "/nonexistent",
                            "--shell", "/usr/sbin/nologin", USER], check=True, capture_output=True)
            self.created_user = True
        user = pwd.getpwnam(USER)
        # A checkout in a private folder (mktemp -d) keeps the program and the fake portal out of
        # the desktop user's reach: let it pass through, not list, the folders above them.
        for wanted in (self.program, os.path.abspath(__file__)):
            folder = os.path.dirname(os.path.abspath(wanted))
            while folder != os.path.dirname(folder):
                mode = os.stat(folder).st_mode
                if not mode & stat.S_IXOTH:
                    os.chmod(folder, mode | stat.S_IXOTH)
                folder = os.path.dirname(folder)
        for root, folders, files in os.walk(self.tmp):
            for name in [root] + [os.path.join(root, entry) for entry in folders + files]:
                os.chown(name, user.pw_uid, user.pw_gid)
        return ["setpriv", f"--reuid={user.pw_uid}", f"--regid={user.pw_gid}", "--clear-groups", "--"]

    def spawn(self, command, env=None, **options):
        process = subprocess.Popen(self.prefix + command, env=dict(self.env, **(env or {})), **options)
        self.children.append(process)
        return process

    def run(self, command, env=None, timeout=10):
        return subprocess.run(self.prefix + command, env=dict(self.env, **(env or {})),
                              capture_output=True, text=True, timeout=timeout)

    def start_desktop(self):
        self.prefix = self.become_user()
        self.start_compositor()
        self.start_bus()
        self.start_portal()
        output = json.loads(self.run(["swaymsg", "--raw", "-t", "get_outputs"]).stdout)[0]
        self.input = WaylandInput(os.path.join(self.runtime, self.wayland_display),
                                  (output["rect"]["width"], output["rect"]["height"]), output["scale"])

    def start_compositor(self):
        config = os.path.join(self.tmp, "sway.conf")
        with open(config, "w") as file:
            file.write(f"output HEADLESS-1 mode {WIDTH}x{HEIGHT} scale {self.scale}\nxwayland disable\n"
                       "default_border none\nfocus_on_window_activation focus\n")
        self.sway_log = open(os.path.join(self.tmp, "sway.log"), "w")
        self.spawn(["sway", "--config", config], stdout=self.sway_log, stderr=subprocess.STDOUT,
                   env={"WLR_BACKENDS": "headless", "WLR_LIBINPUT_NO_DEVICES": "1",
                        "WLR_RENDERER": "pixman", "WLR_HEADLESS_OUTPUTS": "1"})

        def sockets():
            names = os.listdir(self.runtime)
            wayland = [name for name in names if name.startswith("wayland-") and not name.endswith(".lock")]
            ipc = [name for name in names if name.startswith("sway-ipc.")]
            return (wayland[0], ipc[0]) if wayland and ipc else None
        found = e2e.wait_until(sockets, 15, 0.1)
        e2e.check(found, f"sway did not start: {self.log('sway.log')}")
        self.wayland_display = found[0]
        self.env.update(WAYLAND_DISPLAY=found[0], SWAYSOCK=os.path.join(self.runtime, found[1]))
        e2e.check(e2e.wait_until(lambda: self.run(["swaymsg", "-t", "get_outputs"]).returncode == 0, 10),
                  f"sway does not answer: {self.log('sway.log')}")

    def start_bus(self):
        # The services it starts (the portal's permission store and document portal) write
        # where it does.
        self.bus_log = open(os.path.join(self.tmp, "bus.log"), "w")
        daemon = self.spawn(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                            stdout=subprocess.PIPE, stderr=self.bus_log, text=True)
        address = daemon.stdout.readline().strip()
        e2e.check(address, "no D-Bus session bus")
        self.env["DBUS_SESSION_BUS_ADDRESS"] = address

    def start_portal(self):
        with open(os.path.join(self.portals, f"{DESKTOP}.portal"), "w") as file:
            file.write(f"[portal]\nDBusName={BACKEND_NAME}\n"
                       "Interfaces=org.freedesktop.impl.portal.Screenshot;org.freedesktop.impl.portal.Access;\n"
                       f"UseIn={DESKTOP}\n")
        backend = self.spawn([SYSTEM_PYTHON, os.path.join(HERE, "fake_screenshot_portal.py"), BACKEND_NAME,
                              self.state], stdout=subprocess.PIPE, text=True)
        e2e.check(backend.stdout.readline().strip() == "ready", "the fake portal backend did not start")
        self.portal_log = open(os.path.join(self.tmp, "portal.log"), "w")
        self.spawn([FRONTEND, "--replace"], stdout=self.portal_log, stderr=subprocess.STDOUT,
                   env={"XDG_DESKTOP_PORTAL_DIR": self.portals, "XDG_CURRENT_DESKTOP": DESKTOP})
        e2e.check(e2e.wait_until(lambda: self.has_owner("org.freedesktop.portal.Desktop"), 15, 0.1),
                  f"the portal frontend did not start: {self.log('portal.log')}")

    def has_owner(self, name):
        result = self.run(["dbus-send", "--session", "--print-reply", "--dest=org.freedesktop.DBus",
                           "/org/freedesktop/DBus", "org.freedesktop.DBus.NameHasOwner", f"string:{name}"])
        return "boolean true" in result.stdout

    def log(self, name):
        with open(os.path.join(self.tmp, name), errors="replace") as file:
            return file.read()[-2000:]

    # -- the fake backend's answers ----------------------------------------------------------
    def answer(self, name, text):
        """Writes one of the files the backend reads at every call (None removes it)."""
        path = os.path.join(self.state, name)
        if text is None:
            if os.path.exists(path):
                os.remove(path)
            return
        with open(path, "wb" if isinstance(text, bytes) else "w") as file:
            file.write(text)
        if self.prefix:
            user = pwd.getpwnam(USER)
            os.chown(path, user.pw_uid, user.pw_gid)

    def portal_requests(self):
        """The backend's calls in order, each a (method, parent window) pair."""
        path = os.path.join(self.state, "calls")
        if not os.path.exists(path):
            return []
        with open(path) as file:
            return [tuple(line.split(" ", 1)) for line in file.read().splitlines()]

    def portal_calls(self):
        return [method for method, _ in self.portal_requests()]

    # -- the program ------------------------------------------------------------------------
    def program_env(self):
        return {"QT_QPA_PLATFORM": "wayland"}

    def start_program(self):
        self.program_log = open(os.path.join(self.tmp, "program.log"), "w")
        self.process = self.spawn([self.program], env=self.program_env(), stdout=self.program_log,
                                  stderr=subprocess.STDOUT)
        return self.find_window(e2e.WINDOW_TITLE, timeout=20)

    def windows(self):
        """The windows sway shows, each a dict of its name, rect, focused and fullscreen_mode."""
        result = self.run(["swaymsg", "--raw", "-t", "get_tree"])
        if result.returncode != 0:
            return []
        found = []
        stack = [json.loads(result.stdout)]
        while stack:
            node = stack.pop()
            if node.get("type") in ("con", "floating_con") and node.get("pid"):
                found.append(node)
            stack.extend(node.get("nodes", []) + node.get("floating_nodes", []))
        return found

    def window(self, title):
        return next((node for node in self.windows() if node.get("name") == title), None)

    def find_window(self, title, timeout=10):
        node = e2e.wait_until(lambda: self.window(title), timeout, 0.1)
        e2e.check(node, f"no window titled {title!r} appeared; sway shows "
                        f"{[window.get('name') for window in self.windows()]}{self.program_output()}")
        return node

    def window_gone(self, title, timeout=5):
        return e2e.wait_until(lambda: self.window(title) is None, timeout, 0.1)

    def program_output(self):
        if self.process and self.process.poll() is not None:
            return f"; the program ended with {self.process.returncode}: {self.log('program.log')}"
        return ""

    # -- the clipboard ----------------------------------------------------------------------
    def clipboard(self):
        result = self.run(["wl-paste", "--no-newline"], timeout=5)
        return result.stdout if result.returncode == 0 else None

    def wait_for_clipboard(self, expected, timeout=5.0):
        e2e.check(e2e.wait_until(lambda: self.clipboard() == expected, timeout, 0.1),
                  f"the clipboard holds {self.clipboard()!r}, expected {expected!r}{self.program_output()}")

    # -- cleanup ----------------------------------------------------------------------------
    def close(self):
        if self.input:
            self.input.close()
        for child in reversed(self.children):
            if child.poll() is None:
                child.terminate()
                try:
                    child.wait(timeout=5)
                except subprocess.TimeoutExpired:
                    child.kill()
                    child.wait(timeout=5)
        if self.created_user:
            # The helpers the bus started and a clipboard holder end with the bus and sway.
            e2e.wait_until(lambda: not processes_of(pwd.getpwnam(USER).pw_uid), 5)
            subprocess.run(["userdel", USER], capture_output=True)
        shutil.rmtree(self.tmp, ignore_errors=True)
