#!/usr/bin/python3
"""Finds and closes the program's windows on an X display, for the end-to-end tests.

  xwindows.py wait ROLE [SECONDS]   print the id of a shown window with that window role
  xwindows.py gone ROLE [SECONDS]   wait until no window with that role is shown
  xwindows.py count ROLE            print how many windows with that role are shown
  xwindows.py close ID              ask the window to close, as its close box does

Waits poll every 50 ms up to their bound (default 10 s) and fail with status 1.
"""
import sys
import time

from Xlib import X, display, protocol

dpy = display.Display()
ROLE = dpy.intern_atom("WM_WINDOW_ROLE")
STRING = dpy.intern_atom("STRING")


def shown(role):
    found = []

    def walk(window):
        try:
            attributes = window.get_attributes()
            prop = window.get_full_property(ROLE, X.AnyPropertyType)
            if prop and prop.value.decode("latin-1") == role and attributes.map_state == X.IsViewable:
                found.append(window.id)
            for child in window.query_tree().children:
                walk(child)
        except Exception:  # a window that went away while we looked
            pass

    walk(dpy.screen().root)
    return found


def until(test, seconds):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        result = test()
        if result is not None:
            return result
        time.sleep(0.05)
    return None


def main(argv):
    command, argument = argv[1], argv[2]
    seconds = float(argv[3]) if len(argv) > 3 else 10.0
    if command == "wait":
        window = until(lambda: (shown(argument) or [None])[0], seconds)
        if window is None:
            print(f"no {argument} window within {seconds} s", file=sys.stderr)
            return 1
        print(window)
    elif command == "gone":
        if until(lambda: True if not shown(argument) else None, seconds) is None:
            print(f"{argument} window still shown after {seconds} s", file=sys.stderr)
            return 1
    elif command == "count":
        print(len(shown(argument)))
    elif command == "close":
        window = dpy.create_resource_object("window", int(argument))
        protocols = dpy.intern_atom("WM_PROTOCOLS")
        delete = dpy.intern_atom("WM_DELETE_WINDOW")
        event = protocol.event.ClientMessage(window=window, client_type=protocols,
                                             data=(32, [delete, X.CurrentTime, 0, 0, 0]))
        window.send_event(event, event_mask=X.NoEventMask)
        dpy.flush()
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
