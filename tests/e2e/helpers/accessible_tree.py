#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""What a screen reader finds of one program over AT-SPI.

  accessible_tree.py tree PID
      Prints every accessible object of the program with process id PID, one
      JSON object a line: its depth, role, name, description, identifier,
      states and the names of the objects that label it, parents before
      their children.
  accessible_tree.py press PID ROLE NAME
      Performs the first action (a button's press) of the first showing
      object with that role and name; fails when there is none.
  accessible_tree.py tab PID PRESSES
      Presses Tab PRESSES times in the focused window and prints, one JSON
      object a line, the object that took the focus after each press (or
      {"none": true} when no object announced the focus in time).

The bus is the one DBUS_SESSION_BUS_ADDRESS names; the X display, DISPLAY.
"""

import json
import subprocess
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

STATES = {
    "focusable": Atspi.StateType.FOCUSABLE,
    "focused": Atspi.StateType.FOCUSED,
    "showing": Atspi.StateType.SHOWING,
    "visible": Atspi.StateType.VISIBLE,
    "enabled": Atspi.StateType.ENABLED,
    "selected": Atspi.StateType.SELECTED,
    "checked": Atspi.StateType.CHECKED,
}


def application(pid, timeout=20.0):
    deadline = time.monotonic() + timeout
    while True:
        desktop = Atspi.get_desktop(0)
        for index in range(desktop.get_child_count()):
            app = desktop.get_child_at_index(index)
            try:
                if app is not None and app.get_process_id() == pid:
                    return app
            except GLib.Error:
                pass
        if time.monotonic() > deadline:
            return None
        time.sleep(0.2)


def identifier(accessible):
    try:
        return accessible.get_accessible_id() or ""
    except (GLib.Error, AttributeError):
        return ""


def labels(accessible):
    names = []
    for relation in accessible.get_relation_set() or []:
        if relation.get_relation_type() == Atspi.RelationType.LABELLED_BY:
            for index in range(relation.get_n_targets()):
                target = relation.get_target(index)
                if target is not None:
                    names.append(target.get_name() or "")
    return names


def describe(accessible, depth):
    states = accessible.get_state_set()
    return {
        "depth": depth,
        "role": accessible.get_role_name(),
        "name": accessible.get_name() or "",
        "description": accessible.get_description() or "",
        "id": identifier(accessible),
        "states": [word for word, state in STATES.items() if states.contains(state)],
        "labels": labels(accessible),
    }


def walk(accessible, depth=0):
    yield describe(accessible, depth)
    for index in range(accessible.get_child_count()):
        child = accessible.get_child_at_index(index)
        if child is not None:
            yield from walk(child, depth + 1)


def find(accessible, role, name):
    if (accessible.get_role_name() == role and accessible.get_name() == name
            and accessible.get_state_set().contains(Atspi.StateType.SHOWING)):
        return accessible
    for index in range(accessible.get_child_count()):
        child = accessible.get_child_at_index(index)
        found = find(child, role, name) if child is not None else None
        if found is not None:
            return found
    return None


def press(pid, role, name):
    app = application(pid)
    target = find(app, role, name) if app is not None else None
    if target is None:
        print(json.dumps({"error": "no showing %s named %r" % (role, name)}))
        return 1
    target.get_action_iface().do_action(0)
    print(json.dumps({"pressed": name}))
    return 0


def print_tree(pid):
    app = application(pid)
    if app is None:
        print(json.dumps({"error": "no accessible application with process id %d" % pid}))
        return 1
    for line in walk(app):
        print(json.dumps(line))
    return 0


def tab(pid, presses):
    if application(pid) is None:
        print(json.dumps({"error": "no accessible application with process id %d" % pid}))
        return 1
    focused = []

    def on_focus(event):
        if event.detail1 == 1 and event.source is not None:
            try:
                if event.source.get_process_id() == pid:
                    focused.append(describe(event.source, 0))
            except GLib.Error:
                pass

    listener = Atspi.EventListener.new(on_focus)
    listener.register("object:state-changed:focused")
    context = GLib.MainContext.default()
    # Events that were on their way before the first press are not its answer.
    settle = time.monotonic() + 0.5
    while time.monotonic() < settle:
        context.iteration(False)
        time.sleep(0.01)
    focused.clear()
    for _ in range(presses):
        before = len(focused)
        subprocess.run(["xdotool", "key", "--clearmodifiers", "Tab"], check=False)
        deadline = time.monotonic() + 10.0
        while len(focused) == before and time.monotonic() < deadline:
            context.iteration(False)
            time.sleep(0.01)
        # A press may move the focus through more than one object (a page
        # that hands it on); the last one is where it rests.
        quiet = time.monotonic() + 0.1
        while time.monotonic() < quiet:
            context.iteration(False)
            time.sleep(0.01)
        print(json.dumps(focused[-1] if len(focused) > before else {"none": True}), flush=True)
    listener.deregister("object:state-changed:focused")
    return 0


def main(arguments):
    if len(arguments) == 2 and arguments[0] == "tree":
        return print_tree(int(arguments[1]))
    if len(arguments) == 3 and arguments[0] == "tab":
        return tab(int(arguments[1]), int(arguments[2]))
    if len(arguments) == 4 and arguments[0] == "press":
        return press(int(arguments[1]), arguments[2], arguments[3])
    print(__doc__, file=sys.stderr)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
