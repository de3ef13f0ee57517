#!/usr/bin/python3
"""What the native window told a Wayland compositor, read from its log.

Run by tests/desktop/check_desktop on the log of one run of zurmet on a
compositor, with WAYLAND_DEBUG=1 and Qt's category qt.qpa.wayland on: the window belongs to the desktop entry (its app id),
the sizes it offers are its own window's whole size and no other, it never
asks to be maximized, the About window is a child of the main window, and,
with --maximized, the compositor maximized the main window and the program
made it anew in its normal state and size instead of ending; with
--not-maximized, the compositor never maximized it. Prints what it checked;
the exit status is 1 when anything was not as expected.
"""
import argparse
import re
import sys

APP_ID = "org.zurmet.Zurmet"
failures = []

REQUEST = re.compile(r"\] +-> (\w+)@(\d+)\.(\w+)\((.*)\)$")
EVENT = re.compile(r"\] (\w+)@(\d+)\.(\w+)\((.*)\)$")


def check(condition, what):
    print(("ok      " if condition else "FAILED  ") + what)
    if not condition:
        failures.append(what)


class Toplevel:
    """One xdg_toplevel the program made, with what it asked and was told."""

    def __init__(self, surface):
        self.surface = surface
        self.title = None
        self.parent = None
        self.min_size = self.max_size = self.geometry = None
        self.maximized_configures = 0
        self.asked_maximized = False


def read(path):
    """The toplevels in the order they were made, and whether the
    connection ended with a protocol error. The states of a configure are
    the ones Qt's log names on the line after it."""
    toplevels, live, surfaces, error, configured = [], {}, {}, False, None
    with open(path, encoding="utf-8", errors="replace") as log:
        for line in log:
            line = line.rstrip("\n")
            if "wl_display@1.error" in line:
                error = True
            if "Received xdg_toplevel.configure" in line and configured:
                configured.maximized_configures += "WindowMaximized" in line
                configured = None
            request = REQUEST.search(line)
            if request:
                interface, number, name, args = request.groups()
                if interface == "xdg_surface" and name == "get_toplevel":
                    made = Toplevel(number)
                    toplevels.append(made)
                    live[re.search(r"@(\d+)", args).group(1)] = made
                    surfaces[number] = made
                elif interface == "xdg_surface" and name == "set_window_geometry" \
                        and number in surfaces:
                    surfaces[number].geometry = tuple(int(a) for a in args.split(", ")[2:])
                elif interface == "xdg_toplevel" and number in live:
                    told(live[number], name, args, live)
                continue
            event = EVENT.search(line)
            if event and event.group(1) == "xdg_toplevel" and event.group(3) == "configure":
                configured = live.get(event.group(2))
    return toplevels, error


def told(toplevel, name, args, live):
    if name == "set_title":
        toplevel.title = args.strip('"')
    elif name == "set_parent":
        parent = re.search(r"@(\d+)", args)
        toplevel.parent = live.get(parent.group(1)) if parent else None
    elif name == "set_min_size":
        toplevel.min_size = tuple(int(a) for a in args.split(", "))
    elif name == "set_max_size":
        toplevel.max_size = tuple(int(a) for a in args.split(", "))
    elif name == "set_maximized":
        toplevel.asked_maximized = True
    elif name == "set_app_id":
        toplevel.app_id = args.strip('"')


def main(arguments):
    toplevels, error = read(arguments.log)
    mains = [t for t in toplevels if t.title == "Zurmet 1.0"]
    check(bool(mains), 'a window titled "Zurmet 1.0" was made')
    if not mains:
        return 1
    check(all(getattr(t, "app_id", None) == APP_ID for t in toplevels),
          f"every window's app id is {APP_ID}")
    for toplevel in toplevels:
        sizes = (toplevel.min_size, toplevel.max_size, toplevel.geometry)
        check(toplevel.min_size == toplevel.max_size == toplevel.geometry,
              f'"{toplevel.title}" offers its own size only (min, max, geometry: {sizes})')
    check(not any(t.asked_maximized for t in toplevels), "no window asks to be maximized")
    abouts = [t for t in toplevels if t.title == "About"]
    if arguments.about:
        check(bool(abouts) and all(t.parent in mains for t in abouts),
              "the About window is a child of the main window")
    check(not error, "no protocol error ended the connection")
    if arguments.maximized:
        check(mains[0].maximized_configures > 0, "the compositor maximized the main window")
        check(len(mains) >= 2 and mains[-1].maximized_configures == 0,
              "the program made it anew in its normal state")
    if arguments.not_maximized:
        check(sum(t.maximized_configures for t in mains) == 0,
              "the compositor never maximized the main window")
    return 1 if failures else 0


if __name__ == "__main__":
    parser = argparse.ArgumentParser(description="Checks a WAYLAND_DEBUG log of zurmet.")
    parser.add_argument("log")
    parser.add_argument("--about", action="store_true")
    parser.add_argument("--maximized", action="store_true")
    parser.add_argument("--not-maximized", action="store_true")
    sys.exit(main(parser.parse_args()))
