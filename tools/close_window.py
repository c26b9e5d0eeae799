#!/usr/bin/python3
"""Closes an X11 window the way a window manager does when its close button is pressed.

Usage: close_window.py TITLE [TIMEOUT] [--wait-only]

Waits up to TIMEOUT seconds (default 60) for a mapped top-level window titled exactly
TITLE, then sends it the WM_DELETE_WINDOW message, so the program runs its own closing steps.
With --wait-only it only waits for the window. Exits with 1 when no such window appears. Needs python3-xlib; works without a window manager,
as on a bare virtual display (xvfb-run).
"""
import sys
import time

from Xlib import X, display, protocol


def title_of(win):
    try:
        name = win.get_full_property(win.display.get_atom("_NET_WM_NAME"), 0)
        if name is not None:
            return name.value.decode("utf-8", "replace")
        return win.get_wm_name() or ""
    except Exception:  # the window went away while we looked
        return ""


def find_window(screen, title):
    for win in screen.root.query_tree().children:
        try:
            mapped = win.get_attributes().map_state == X.IsViewable
        except Exception:
            continue
        if mapped and title_of(win) == title:
            return win
    return None


def main():
    arguments = [a for a in sys.argv[1:] if a != "--wait-only"]
    wait_only = len(arguments) < len(sys.argv) - 1
    if len(arguments) not in (1, 2):
        sys.exit(__doc__)
    title = arguments[0]
    deadline = time.monotonic() + (float(arguments[1]) if len(arguments) == 2 else 60.0)
    dpy = display.Display()
    screen = dpy.screen()
    win = find_window(screen, title)
    while win is None:
        if time.monotonic() > deadline:
            sys.exit(f"close_window: no window titled {title!r} appeared")
        time.sleep(0.2)
        win = find_window(screen, title)
    if wait_only:
        return
    protocols = dpy.intern_atom("WM_PROTOCOLS")
    delete = dpy.intern_atom("WM_DELETE_WINDOW")
    event = protocol.event.ClientMessage(window=win, client_type=protocols, data=(32, [delete, X.CurrentTime, 0, 0, 0]))
    win.send_event(event, event_mask=X.NoEventMask)
    dpy.flush()
    print(f"close_window: asked {title_of(win)!r} to close")


if __name__ == "__main__":
    main()
