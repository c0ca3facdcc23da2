#!/usr/bin/python3
# Asks an X11 window to close, as a window manager does when the user clicks
# its close button: a WM_DELETE_WINDOW message. Usage: close-window.py <id>
import sys

from Xlib import X, display, protocol

d = display.Display()
window = d.create_resource_object("window", int(sys.argv[1], 0))
protocols = d.intern_atom("WM_PROTOCOLS")
delete = d.intern_atom("WM_DELETE_WINDOW")
if delete not in (window.get_wm_protocols() or []):
    sys.exit("the window does not take WM_DELETE_WINDOW")
event = protocol.event.ClientMessage(window=window, client_type=protocols,
                                     data=(32, [delete, X.CurrentTime, 0, 0, 0]))
window.send_event(event, event_mask=X.NoEventMask)
d.flush()
