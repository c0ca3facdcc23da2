#!/usr/bin/python3
"""Records what the program sends over the accessibility bus while a player
picks, as a screen reader receives it, and checks that the pick that makes the
load status "STD OVER" reaches the reader in a form it speaks: an
object:announcement carrying the status (Qt 6.8 and later), or a notification
object appearing (object:state-changed:showing) named with it (earlier Qt,
whose bridge drops announcements and Alert events and sends a label's new text
only as a name change, which readers speak only for the focused object).

Usage: record_announcements.py <vantor executable>
Runs in a session bus and X server of its own (see record_announcements.sh).
Exits 0 when the status was delivered so, 1 when not, 77 when it cannot run."""

import os
import subprocess
import sys
import time

try:
    import gi
    gi.require_version("Atspi", "2.0")
    from gi.repository import Gio, GLib
    import pyatspi
except (ImportError, ValueError) as e:
    print(f"SKIP: no pyatspi ({e})")
    sys.exit(77)

# Every wait is bounded; the whole run takes a few seconds.
FOUND_WITHIN = 20.0
SPOKEN_WITHIN = 5.0
TYPED_WITHIN = 5.0

# The picks of the window test: a Colt carries three 270-RI and a 67-CG within
# its standard load of 12, and a DP-MIS then takes it over.
PICKS = [
    ("Vertical Tank Selection", "Colt"),
    ("Main Weapon 1", "270-RI"),
    ("Main Weapon 2", "270-RI"),
    ("Main Weapon 3", "270-RI"),
    ("Sub Weapon 1", "67-CG"),
    ("Sub Weapon 2", "DP-MIS"),
]
STATUS = "STD OVER"

events = []


def describe(acc):
    try:
        return acc.getRoleName(), acc.name or ""
    except Exception:  # the object may be gone already
        return "", ""


def record(event):
    role, name = describe(event.source)
    data = event.any_data
    events.append({
        "type": event.type,
        "role": role,
        "name": name,
        "detail1": event.detail1,
        "data": data if isinstance(data, str) else "",
    })


def spin(seconds, until=lambda: False):
    """Runs the bus's main loop for at most `seconds`, or until `until()`."""
    context = GLib.MainContext.default()
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        while context.iteration(False):
            pass
        if until():
            return True
        time.sleep(0.02)
    return until()


def enable_accessibility():
    # What a screen reader does when it starts: toolkits then open their bridge.
    bus = Gio.bus_get_sync(Gio.BusType.SESSION, None)
    bus.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.freedesktop.DBus.Properties", "Set",
                  GLib.Variant("(ssv)", ("org.a11y.Status", "IsEnabled",
                                         GLib.Variant("b", True))),
                  None, Gio.DBusCallFlags.NONE, 5000, None)


def find_application(pid):
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        try:
            if app is not None and app.get_process_id() == pid:
                return app
        except Exception:
            pass
    return None


def find(root, role, name):
    return pyatspi.findDescendant(
        root, lambda a: a.getRoleName() == role and a.name == name, breadth_first=True)


def pick(app, selector, item):
    """Types `item` into `selector`'s field as a player would: a click into
    the field, then the keys, which the program reads as a pick."""
    combo = find(app, "combo box", selector)
    if combo is None:
        raise RuntimeError(f"no selector {selector}")
    field = next((c for c in combo if c.getRoleName() == "text"), None)
    if field is None:
        raise RuntimeError(f"no field in {selector}")
    x, y, w, h = field.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    pyatspi.Registry.generateMouseEvent(x + w // 2, y + h // 2, "b1c")
    text = field.queryText()
    field.queryEditableText().deleteText(0, text.characterCount)
    pyatspi.Registry.generateKeyboardEvent(0, item, pyatspi.KEY_STRING)
    # The keys follow the click in the X server's queue.
    if not spin(TYPED_WITHIN, lambda: text.getText(0, -1) == item):
        raise RuntimeError(f"{selector} shows '{text.getText(0, -1)}', not '{item}'")


def main():
    if len(sys.argv) != 2:
        print(__doc__)
        return 2
    enable_accessibility()
    for kind in ("object:announcement", "object:state-changed:showing",
                 "object:property-change:accessible-name",
                 "object:property-change:accessible-description", "object:state-changed:focused"):
        pyatspi.Registry.registerEventListener(record, kind)
    env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_ACCESSIBILITY="1")
    program = subprocess.Popen([sys.argv[1]], env=env)
    try:
        app = None
        if not spin(FOUND_WITHIN, lambda: find_application(program.pid) is not None):
            print("FAIL: the program did not appear on the accessibility bus")
            return 1
        app = find_application(program.pid)
        if not spin(FOUND_WITHIN, lambda: find(app, "combo box", PICKS[0][0]) is not None):
            print("FAIL: the window's selectors did not appear on the accessibility bus")
            return 1
        for selector, item in PICKS[:-1]:
            pick(app, selector, item)
        spin(0.2)
        del events[:]
        pick(app, *PICKS[-1])

        def spoken():
            for e in events:
                if e["type"].startswith("object:announcement") and STATUS in e["data"]:
                    return e
                if (e["type"] == "object:state-changed:showing" and e["detail1"] == 1
                        and e["role"] in ("notification", "alert") and STATUS in e["name"]):
                    return e
            return None

        spin(SPOKEN_WITHIN, lambda: spoken() is not None)
        for e in events:
            print(f"  {e['type']} detail1={e['detail1']} {e['role']} '{e['name']}' {e['data']}")
        heard = spoken()
        if heard is None:
            print(f"FAIL: no event a screen reader speaks carried \"{STATUS}\"")
            return 1
        print(f"PASS: \"{STATUS}\" delivered as {heard['type']} of a {heard['role'] or 'object'}")
        return 0
    finally:
        program.terminate()
        try:
            program.wait(5)
        except subprocess.TimeoutExpired:
            program.kill()


if __name__ == "__main__":
    sys.exit(main())
