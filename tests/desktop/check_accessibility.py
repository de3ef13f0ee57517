#!/usr/bin/python3
"""The running native window as a screen reader reads it, through AT-SPI.

Run by tests/desktop/check_desktop with the window shown: finds the
application "Zurmet", checks the roles, names and states of its controls,
fills in a quantity and presses Convert as assistive technology does, and
checks that the new result is announced and reads back; then presses the
Weight tab and checks that the selection moves and is announced. Prints
what it checked; the exit status is 1 when anything was not as expected.

  --typed TEXT        the first value field reads TEXT before anything is filled in
  --about             opens the About window by its link first: a dialog "About"
                      while the main window takes no input, closed by its OK button
  --while-about CMD   runs the shell command CMD while the About window is open;
                      it must succeed
"""
import argparse
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

TIMEOUT = 20
failures = []


def check(condition, what):
    print(("ok      " if condition else "FAILED  ") + what)
    if not condition:
        failures.append(what)


def wait_for(predicate, seconds=TIMEOUT):
    """Runs the event loop until predicate() holds or the time is up."""
    deadline = time.monotonic() + seconds
    context = GLib.MainContext.default()
    while time.monotonic() < deadline:
        while context.pending():
            context.iteration(False)
        if predicate():
            return True
        time.sleep(0.05)
    return predicate()


def application(name):
    desktop = pyatspi.Registry.getDesktop(0)
    found = []

    def look():
        found[:] = [app for app in desktop if app is not None and app.name == name]
        return bool(found)

    return found[0] if wait_for(look) else None


def descendants(node):
    """Every accessible below node, except the items of lists."""
    stack = [node]
    while stack:
        current = stack.pop()
        yield current
        if current.getRoleName() != "list":
            stack.extend(reversed([child for child in current if child is not None]))


def has_state(node, state):
    return node.getState().contains(state)


def press(node):
    action = node.queryAction()
    for index in range(action.nActions):
        if action.getName(index) in ("Press", "press"):
            return action.doAction(index)
    return False


def sensitive(node):
    return has_state(node, pyatspi.STATE_SENSITIVE)


def dialogs(app, name):
    return [child for child in app if child is not None and child.getRoleName() == "dialog"
            and child.name == name]


def check_about(app, link, convert, while_open):
    """Opens the About window, looks at it and at the main window, closes it."""
    check(press(link), "the About link pressed")
    check(wait_for(lambda: bool(dialogs(app, "About"))), 'a dialog "About" opened')
    about = dialogs(app, "About")
    if not about:
        return
    check(wait_for(lambda: not sensitive(convert)), "the main window takes no input meanwhile")
    if while_open:
        done = subprocess.run(while_open, shell=True, check=False)
        check(done.returncode == 0, f"with About open: {while_open}")
    ok = [n for n in descendants(about[0]) if n.getRoleName() == "push button" and n.name == "OK"]
    check(len(ok) == 1 and press(ok[0]), 'About\'s "OK" pressed')
    check(wait_for(lambda: not dialogs(app, "About")), "the About window closed")
    check(wait_for(lambda: sensitive(convert)), "the main window takes input again")


def main(arguments):
    app = application("Zurmet")
    check(app is not None, 'application "Zurmet" on the accessibility bus')
    if app is None:
        return 1
    frames = [child for child in app if child.getRoleName() == "frame"]
    check([f.name for f in frames] == ["Zurmet 1.0"], 'one frame, "Zurmet 1.0"')
    if not frames:
        return 1
    nodes = list(descendants(frames[0]))

    def named(role, name):
        return [n for n in nodes if n.getRoleName() == role and n.name == name]

    expected = [("page tab list", "Categories")]
    expected += [("text", f"Convert From, value {row}") for row in (1, 2, 3)]
    expected += [("combo box", f"Convert From, unit {row}") for row in (1, 2, 3)]
    expected += [("combo box", f"Convert To, unit {row}") for row in (1, 2, 3)]
    expected += [("text", "Result"), ("combo box", "Decimal places")]
    expected += [("push button", name) for name in ("Convert", "Reset", "US", "Metric")]
    expected += [("check box", name) for name in ("Round Up", "1000 Sep.", "Exp.")]
    expected += [("link", name) for name in ("About", "Weight or Mass?", "Help")]
    for role, name in expected:
        check(len(named(role, name)) == 1, f'{role} "{name}"')

    tab_list = named("page tab list", "Categories")
    tabs = [t for t in (tab_list[0] if tab_list else []) if t.getRoleName() == "page tab"]
    check([t.name for t in tabs] == ["Length", "Area", "Capacity", "Weight", "Temperature", "Speed",
                                     "Paper", "Prefixes"], "the category tabs, in order")
    selected = [t.name for t in tabs if has_state(t, pyatspi.STATE_SELECTED)]
    check(selected == ["Length"], "Length is the selected tab")
    result = named("text", "Result")
    values = [named("text", f"Convert From, value {row}") for row in (1, 2, 3)]
    convert = named("push button", "Convert")
    us = named("push button", "US")
    weight = [t for t in tabs if t.name == "Weight"]
    if not (result and all(values) and convert and us and weight):
        return 1
    if arguments.typed is not None:
        shown = values[0][0].queryText().getText(0, -1)
        check(shown == arguments.typed, f'the first value reads "{shown}" as typed')
    if arguments.about:
        check_about(app, named("link", "About")[0], convert[0], arguments.while_about)
    result = result[0]
    check(not has_state(result, pyatspi.STATE_EDITABLE), "the Result is read-only")
    check(has_state(values[0][0], pyatspi.STATE_EDITABLE), "a value field is editable")

    events = []
    pyatspi.Registry.registerEventListener(
        events.append, "object:text-changed", "object:state-changed:selected")

    def from_source(event, role, name):
        return event.source.getRoleName() == role and event.source.name == name

    # 1 yd 2 ft 3 in, in the US units the "US" button picks.
    for field, text in zip(values, ("1", "2", "3")):
        field[0].queryEditableText().setTextContents(text)
    check(press(us[0]), "US pressed")
    check(press(convert[0]), "Convert pressed")
    check(wait_for(lambda: any(from_source(e, "text", "Result") and
                               e.type.startswith("object:text-changed") for e in events)),
          "the new result was announced")
    shown = result.queryText().getText(0, -1)
    check(shown.strip() == "5 ft  3 in", f'the Result reads "{shown}"')

    check(press(weight[0]), "the Weight tab pressed")
    check(wait_for(lambda: any(from_source(e, "page tab", "Weight") and e.detail1 == 1 and
                               e.type == "object:state-changed:selected" for e in events)),
          "the newly selected tab was announced")
    selected = [t.name for t in tabs if has_state(t, pyatspi.STATE_SELECTED)]
    check(selected == ["Weight"], "Weight is the selected tab")
    return 1 if failures else 0


if __name__ == "__main__":
    parser = argparse.ArgumentParser(description="The running window through AT-SPI.")
    parser.add_argument("--typed")
    parser.add_argument("--about", action="store_true")
    parser.add_argument("--while-about")
    sys.exit(main(parser.parse_args()))
