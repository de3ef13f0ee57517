#!/usr/bin/env python3
"""Waits until a top-level window with the given title is shown on the X
display ($DISPLAY), prints its class (WM_CLASS, which a desktop entry's
StartupWMClass names), then asks it to close the way a window manager does
(WM_DELETE_WINDOW), so the program can end as if a user closed it.

    close_window.py TITLE [SECONDS]

Exit status 0 once the window was asked to close, 1 if no such window was
shown within SECONDS (default 30), 2 if the display cannot be opened.
Only libX11 is used, through ctypes, so no X tools need installing.
"""

import ctypes
import ctypes.util
import sys
import time

Window = Atom = ctypes.c_ulong
IS_VIEWABLE = 2
CLIENT_MESSAGE = 33
NO_EVENT_MASK = 0


class WindowAttributes(ctypes.Structure):
    _fields_ = [
        ("x", ctypes.c_int), ("y", ctypes.c_int), ("width", ctypes.c_int),
        ("height", ctypes.c_int), ("border_width", ctypes.c_int), ("depth", ctypes.c_int),
        ("visual", ctypes.c_void_p), ("root", Window), ("class_", ctypes.c_int),
        ("bit_gravity", ctypes.c_int), ("win_gravity", ctypes.c_int),
        ("backing_store", ctypes.c_int), ("backing_planes", ctypes.c_ulong),
        ("backing_pixel", ctypes.c_ulong), ("save_under", ctypes.c_int),
        ("colormap", ctypes.c_ulong), ("map_installed", ctypes.c_int),
        ("map_state", ctypes.c_int), ("all_event_masks", ctypes.c_long),
        ("your_event_mask", ctypes.c_long), ("do_not_propagate_mask", ctypes.c_long),
        ("override_redirect", ctypes.c_int), ("screen", ctypes.c_void_p),
    ]


class ClientMessageEvent(ctypes.Structure):
    _fields_ = [
        ("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
        ("display", ctypes.c_void_p), ("window", Window), ("message_type", Atom),
        ("format", ctypes.c_int), ("data", ctypes.c_long * 5),
    ]


class ClassHint(ctypes.Structure):
    _fields_ = [("res_name", ctypes.c_char_p), ("res_class", ctypes.c_char_p)]


class Event(ctypes.Union):
    # XEvent is 24 longs whatever the kind of event.
    _fields_ = [("client", ClientMessageEvent), ("pad", ctypes.c_long * 24)]


def load_x11():
    x11 = ctypes.cdll.LoadLibrary(ctypes.util.find_library("X11") or "libX11.so.6")
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x11.XDefaultRootWindow.restype = Window
    x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
    x11.XQueryTree.argtypes = [ctypes.c_void_p, Window, ctypes.POINTER(Window),
                               ctypes.POINTER(Window), ctypes.POINTER(ctypes.POINTER(Window)),
                               ctypes.POINTER(ctypes.c_uint)]
    x11.XFetchName.argtypes = [ctypes.c_void_p, Window, ctypes.POINTER(ctypes.c_char_p)]
    x11.XGetWindowAttributes.argtypes = [ctypes.c_void_p, Window,
                                         ctypes.POINTER(WindowAttributes)]
    x11.XInternAtom.restype = Atom
    x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    x11.XSendEvent.argtypes = [ctypes.c_void_p, Window, ctypes.c_int, ctypes.c_long,
                               ctypes.POINTER(Event)]
    x11.XGetClassHint.argtypes = [ctypes.c_void_p, Window, ctypes.POINTER(ClassHint)]
    x11.XFree.argtypes = [ctypes.c_void_p]
    x11.XFlush.argtypes = [ctypes.c_void_p]
    return x11


def shown_window(x11, display, title):
    """The first viewable child of the root window titled `title`, or None.
    Without a window manager the programs' windows are the root's children."""
    root_return, parent = Window(), Window()
    children = ctypes.POINTER(Window)()
    count = ctypes.c_uint()
    if not x11.XQueryTree(display, x11.XDefaultRootWindow(display), ctypes.byref(root_return),
                          ctypes.byref(parent), ctypes.byref(children), ctypes.byref(count)):
        return None
    try:
        for i in range(count.value):
            window = children[i]
            name = ctypes.c_char_p()
            if not x11.XFetchName(display, window, ctypes.byref(name)):
                continue
            matches = name.value == title
            x11.XFree(name)
            attributes = WindowAttributes()
            if matches and x11.XGetWindowAttributes(display, window, ctypes.byref(attributes)) \
                    and attributes.map_state == IS_VIEWABLE:
                return window
    finally:
        if children:
            x11.XFree(children)
    return None


def window_class(x11, display, window):
    """WM_CLASS: the instance name and the class name."""
    hint = ClassHint()
    if not x11.XGetClassHint(display, window, ctypes.byref(hint)):
        return "(none)"
    # ctypes copies the strings out; the server's copies stay unfreed in this
    # short-lived process.
    return f"{(hint.res_name or b'').decode()} {(hint.res_class or b'').decode()}"


def ask_to_close(x11, display, window):
    event = Event()
    event.client.type = CLIENT_MESSAGE
    event.client.window = window
    event.client.message_type = x11.XInternAtom(display, b"WM_PROTOCOLS", False)
    event.client.format = 32
    event.client.data[0] = x11.XInternAtom(display, b"WM_DELETE_WINDOW", False)
    x11.XSendEvent(display, window, False, NO_EVENT_MASK, ctypes.byref(event))
    x11.XFlush(display)


def main():
    if len(sys.argv) not in (2, 3):
        print(__doc__.strip().splitlines()[3].strip(), file=sys.stderr)
        return 2
    title = sys.argv[1].encode()
    deadline = time.monotonic() + (float(sys.argv[2]) if len(sys.argv) == 3 else 30)
    x11 = load_x11()
    display = x11.XOpenDisplay(None)
    if not display:
        print("close_window: cannot open the X display", file=sys.stderr)
        return 2
    while time.monotonic() < deadline:
        window = shown_window(x11, display, title)
        if window:
            print(f"class: {window_class(x11, display, window)}")
            ask_to_close(x11, display, window)
            print(f"close_window: asked window {window:#x} ({sys.argv[1]}) to close")
            return 0
        time.sleep(0.1)
    print(f"close_window: no window titled {sys.argv[1]!r} was shown", file=sys.stderr)
    return 1


if __name__ == "__main__":
    sys.exit(main())
