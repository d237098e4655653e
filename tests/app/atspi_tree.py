#!/usr/bin/python3
"""Prints what a screen reader sees of one program: its accessible objects as JSON.

Usage: atspi_tree.py PID. Each object: role, name, description, states, actions, the
names of the objects that label it, and the start of its text where it has one. Lists,
trees and tables are not walked into: their rows say nothing about the program's windows.
"""
import json
import sys

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

NOT_WALKED = {"list", "list box", "tree", "tree table", "table"}
MAX_NODES = 2000
TEXT_CHARS = 4000


def describe(node):
    entry = {
        "role": node.get_role_name() or "",
        "name": node.get_name() or "",
        "description": node.get_description() or "",
        "states": sorted(Atspi.StateType(s).value_nick for s in node.get_state_set().get_states()),
        "actions": [],
        "labelledBy": [],
        "text": "",
    }
    action = node.get_action_iface()
    if action is not None:
        entry["actions"] = [action.get_action_name(i) for i in range(action.get_n_actions())]
    for relation in node.get_relation_set() or []:
        if relation.get_relation_type() == Atspi.RelationType.LABELLED_BY:
            entry["labelledBy"] += [relation.get_target(i).get_name() for i in range(relation.get_n_targets())]
    text = node.get_text_iface()
    if text is not None:
        entry["text"] = text.get_text(0, min(text.get_character_count(), TEXT_CHARS))
    return entry


def walk(node, path, out):
    if len(out) >= MAX_NODES:
        return
    entry = describe(node)
    entry["path"] = path
    out.append(entry)
    if entry["role"] in NOT_WALKED:
        return
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        if child is not None:
            walk(child, f"{path}/{i}", out)


def main():
    pid = int(sys.argv[1])
    desktop = Atspi.get_desktop(0)
    out = []
    for i in range(desktop.get_child_count()):
        app = desktop.get_child_at_index(i)
        try:
            if app is not None and app.get_process_id() == pid:
                walk(app, str(i), out)
        except GLib.Error:
            continue  # an application that went away while being read
    json.dump(out, sys.stdout)


if __name__ == "__main__":
    main()
