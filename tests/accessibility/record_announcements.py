#!/usr/bin/python3
"""Records what the program sends over the accessibility bus while a player
uses it, as a screen reader receives it, and checks four steps that change
the load status: a pick that makes it "STD OVER", a change of VT (a name typed
into the VT selector and Enter), a paste of a copied loadout, and Enter on a
row of the loadout finder, which is open during the last two.

Each step must reach the reader in a form it speaks: an object:announcement
carrying the status (Qt 6.8 and later), or a notification object appearing
(object:state-changed:showing) named with it (earlier Qt, whose bridge drops
announcements and Alert events and sends a label's new text only as a name
change, which readers speak only for the focused object). The status must be
said once, in its final form (no passing "N/A" while the VT changes), and
the step must send fewer than MOST_EVENTS events before it: a reader with
more than about a hundred events waiting drops name changes and showing
events of anything but its focus, and the status with them.

Usage: record_announcements.py <vantor executable>
Runs in a session bus and X server of its own (see record_announcements.sh).
Exits 0 when every step passes, 1 when one does not, 77 when it cannot run."""

import os
import subprocess
import sys
import time

try:
    import gi
    gi.require_version("Atspi", "2.0")
    from gi.repository import Atspi, Gio, GLib
    import pyatspi
except (ImportError, ValueError) as e:
    print(f"SKIP: no pyatspi ({e})")
    sys.exit(77)

# Every wait is bounded; the whole run takes a few seconds.
FOUND_WITHIN = 20.0
SPOKEN_WITHIN = 5.0
TYPED_WITHIN = 5.0
# After the status: anything more the step sends arrives within this.
SETTLED_AFTER = 1.0
MOST_EVENTS = 100

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
STATUS_PREFIX = "Load status: "

# X key symbols and modifier masks.
CONTROL, SHIFT = 4, 1
KEY_C, KEY_F, KEY_V, RETURN, F6, DOWN = 0x63, 0x66, 0x76, 0xff0d, 0xffc3, 0xff54

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


def find(root, role, name=None):
    return pyatspi.findDescendant(
        root, lambda a: a.getRoleName() == role and (name is None or a.name == name),
        breadth_first=True)


def keys(modifiers, keysym):
    """Presses `keysym` with the `modifiers` held, as a player would."""
    if modifiers:
        Atspi.generate_keyboard_event(modifiers, None, Atspi.KeySynthType.LOCKMODIFIERS)
    Atspi.generate_keyboard_event(keysym, None, Atspi.KeySynthType.SYM)
    if modifiers:
        Atspi.generate_keyboard_event(modifiers, None, Atspi.KeySynthType.UNLOCKMODIFIERS)


def field_of(app, selector):
    combo = find(app, "combo box", selector)
    if combo is None:
        raise RuntimeError(f"no selector {selector}")
    field = next((c for c in combo if c.getRoleName() == "text"), None)
    if field is None:
        raise RuntimeError(f"no field in {selector}")
    return field


def pick(app, selector, item):
    """Types `item` into `selector`'s field as a player would: a click into
    the field, then the keys, which the program reads as a pick."""
    field = field_of(app, selector)
    x, y, w, h = field.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    pyatspi.Registry.generateMouseEvent(x + w // 2, y + h // 2, "b1c")
    text = field.queryText()
    field.queryEditableText().deleteText(0, text.characterCount)
    pyatspi.Registry.generateKeyboardEvent(0, item, pyatspi.KEY_STRING)
    # The keys follow the click in the X server's queue.
    if not spin(TYPED_WITHIN, lambda: text.getText(0, -1) == item):
        raise RuntimeError(f"{selector} shows '{text.getText(0, -1)}', not '{item}'")


def name_then_enter(app, selector, item):
    """Puts `item` into `selector`'s field whole (a reader's paste into it,
    which picks nothing), then presses Enter, which picks it: one step."""
    field = field_of(app, selector)
    field.queryComponent().grabFocus()
    field.queryEditableText().setTextContents(item)
    spin(0.3)
    keys(0, RETURN)


def spoken_statuses(step_events):
    """The statuses a reader speaks among `step_events`, in order, each with
    the number of events sent before it."""
    said = []
    for i, e in enumerate(step_events):
        if e["type"].startswith("object:announcement") and STATUS_PREFIX in e["data"]:
            said.append((e["data"], i))
        elif (e["type"] == "object:state-changed:showing" and e["detail1"] == 1
              and e["role"] in ("notification", "alert") and STATUS_PREFIX in e["name"]):
            said.append((e["name"], i))
    return said


def focus_moves(step_events):
    """The objects a reader's focus moved to among `step_events`."""
    return [e for e in step_events
            if e["type"].startswith("focus") or
            (e["type"] == "object:state-changed:focused" and e["detail1"] == 1)]


def check_step(title, expected, action, focus_stays=False):
    """Runs `action`, then checks what the reader heard of it; where
    `focus_stays`, that the reader's focus did not move."""
    spin(0.5)
    del events[:]
    action()
    spin(SPOKEN_WITHIN, lambda: spoken_statuses(events))
    spin(SETTLED_AFTER)
    said = spoken_statuses(events)
    print(f"{title}: {len(events)} events; the status said as {[s for s, _ in said]}"
          f"{f' after {said[0][1]} events' if said else ''}")
    if not said:
        for e in events[-40:]:
            print(f"  {e['type']} detail1={e['detail1']} {e['role']} '{e['name']}' {e['data']}")
        return f"{title}: no event a screen reader speaks carried the status"
    if len(said) != 1 or expected not in said[0][0]:
        return f"{title}: the status was said as {[s for s, _ in said]}, not once as \"{expected}\""
    if said[0][1] >= MOST_EVENTS:
        return f"{title}: {said[0][1]} events came before the status, not fewer than {MOST_EVENTS}"
    moved = focus_moves(events) if focus_stays else []
    if moved:
        return f"{title}: the focus moved to {[(e['type'], e['role'], e['name']) for e in moved]}"
    return None


def main():
    if len(sys.argv) != 2:
        print(__doc__)
        return 2
    enable_accessibility()
    pyatspi.Registry.registerEventListener(record, "object", "window", "focus")
    env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_ACCESSIBILITY="1")
    program = subprocess.Popen([sys.argv[1]], env=env)
    try:
        if not spin(FOUND_WITHIN, lambda: find_application(program.pid) is not None):
            print("FAIL: the program did not appear on the accessibility bus")
            return 1
        app = find_application(program.pid)
        if not spin(FOUND_WITHIN, lambda: find(app, "combo box", PICKS[0][0]) is not None):
            print("FAIL: the window's selectors did not appear on the accessibility bus")
            return 1
        for selector, item in PICKS[:-1]:
            pick(app, selector, item)
        failures = [check_step("pick", "STD OVER", lambda: pick(app, *PICKS[-1]))]
        keys(CONTROL | SHIFT, KEY_C)  # Copy Loadout
        failures.append(check_step("VT change", "VT OK",
                                   lambda: name_then_enter(app, PICKS[0][0], "Garpike")))

        # The finder open beside the window, as the paste and its own Enter refill it.
        keys(CONTROL, KEY_F)
        if not spin(FOUND_WITHIN, lambda: find(app, "table") is not None):
            print("FAIL: the finder's table did not appear on the accessibility bus")
            return 1
        keys(0, F6)  # back to the main window; the finder stays open
        spin(0.5)
        # The finder searches anew; its table, which the user is not in, must
        # not take the reader's focus.
        failures.append(check_step("paste", "STD OVER", lambda: keys(CONTROL | SHIFT, KEY_V),
                                   focus_stays=True))

        def enter_in_finder():
            keys(CONTROL, KEY_F)  # the finder's window again
            spin(0.5)
            find(app, "table").queryComponent().grabFocus()
            spin(0.3)
            keys(0, RETURN)
        failures.append(check_step("Enter in the finder", "", enter_in_finder))

        # A new scope refills the table in the background: the reader stays
        # on the scope, and no row is read aloud.
        def every_vt():
            find(app, "combo box", "Scope").queryComponent().grabFocus()
            spin(0.3)
            del events[:]
            keys(0, DOWN)
        every_vt()
        spin(SPOKEN_WITHIN, lambda: any(e["role"] == "table cell" for e in events))
        moved = [e for e in focus_moves(events) if e["role"] != "combo box"]
        print(f"scope: {len(events)} events; the focus moved to "
              f"{[(e['type'], e['role'], e['name']) for e in focus_moves(events)]}")
        if moved:
            failures.append("scope: the focus left the scope for "
                            f"{[(e['type'], e['role'], e['name']) for e in moved]}")
        # A drop-down that cannot be typed in tells its item unopened, as text.
        shown = find(app, "combo box", "Scope").queryText().getText(0, -1)
        if shown != "Every VT":
            failures.append(f"scope: the drop-down reads '{shown}', not 'Every VT'")

        failures = [f for f in failures if f]
        for failure in failures:
            print(f"FAIL: {failure}")
        if failures:
            return 1
        print("PASS: each step's status said once, in its final form, after fewer than "
              f"{MOST_EVENTS} events")
        return 0
    finally:
        program.terminate()
        try:
            program.wait(5)
        except subprocess.TimeoutExpired:
            program.kill()


if __name__ == "__main__":
    sys.exit(main())
