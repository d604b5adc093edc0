"""A desktop's portal backend for the e2e tests: owns a bus name and answers the portal frontend's
Screenshot and PickColor with what the test asks for, and its Access dialog with a yes.

Usage: /usr/bin/python3 fake_screenshot_portal.py BUS_NAME STATE_FOLDER

Each answer follows the files in STATE_FOLDER at the time of the call: "screenshot.png" is the
image a Screenshot returns; "colour" holds the red, green and blue (0 to 1) a PickColor returns;
"response-Screenshot" and "response-PickColor" hold the response code the method answers with
instead of success. Every call is appended
to "calls" as one line: the method and its parent window. Needs python3-dbus and python3-gi."""

import os
import sys

import dbus
import dbus.mainloop.glib
import dbus.service
from gi.repository import GLib

PORTAL_PATH = "/org/freedesktop/portal/desktop"
SCREENSHOT = "org.freedesktop.impl.portal.Screenshot"
ACCESS = "org.freedesktop.impl.portal.Access"
SUCCESS = 0


class Backend(dbus.service.Object):
    def __init__(self, bus, state):
        super().__init__(bus, PORTAL_PATH)
        self.state = state

    def read(self, name):
        path = os.path.join(self.state, name)
        if not os.path.exists(path):
            return None
        with open(path) as file:
            return file.read().strip()

    def record(self, method, parent_window):
        with open(os.path.join(self.state, "calls"), "a") as file:
            file.write(f"{method} {parent_window}\n")

    def refusal(self, method):
        code = self.read("response-" + method)
        return None if code is None else (dbus.UInt32(int(code)), dbus.Dictionary({}, signature="sv"))

    @dbus.service.method(SCREENSHOT, in_signature="ossa{sv}", out_signature="ua{sv}")
    def Screenshot(self, handle, app_id, parent_window, options):
        self.record("Screenshot", parent_window)
        uri = "file://" + os.path.join(self.state, "screenshot.png")
        return self.refusal("Screenshot") or (dbus.UInt32(SUCCESS), dbus.Dictionary({"uri": uri}, signature="sv"))

    @dbus.service.method(SCREENSHOT, in_signature="ossa{sv}", out_signature="ua{sv}")
    def PickColor(self, handle, app_id, parent_window, options):
        self.record("PickColor", parent_window)
        refusal = self.refusal("PickColor")
        if refusal:
            return refusal
        red, green, blue = (float(value) for value in (self.read("colour") or "0 0 0").split())
        colour = dbus.Struct((red, green, blue), signature="ddd", variant_level=1)
        return dbus.UInt32(SUCCESS), dbus.Dictionary({"color": colour}, signature="sv")

    @dbus.service.method(ACCESS, in_signature="osssssa{sv}", out_signature="ua{sv}")
    def AccessDialog(self, handle, app_id, parent_window, title, subtitle, body, options):
        self.record("AccessDialog", parent_window)
        return dbus.UInt32(SUCCESS), dbus.Dictionary({}, signature="sv")


def main():
    name, state = sys.argv[1], sys.argv[2]
    dbus.mainloop.glib.DBusGMainLoop(set_as_default=True)
    bus = dbus.SessionBus()
    backend = Backend(bus, state)
    # The name last: the frontend may ask as soon as it sees the name.
    owned = dbus.service.BusName(name, bus, do_not_queue=True)
    print("ready", flush=True)
    GLib.MainLoop().run()
    del owned, backend


if __name__ == "__main__":
    main()
