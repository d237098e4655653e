#!/usr/bin/python3
"""Prints what a screen reader sees of one program: its accessible objects as JSON.

Usage: atspi_tree.py PID. Each object: role, name, description, states, actions, the
names of the objects that label it, and the start of its text where it has one. Lists,
trees and tables are not walked into (their rows say nothing about the program's windows),
nor are closed windows.
"""
import json
import sys
import warnings

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

# The names that screen readers still use, marked deprecated in the bindings.
warnings.simplefilter("ignore", DeprecationWarning)

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
    interfaces = node.get_interfaces()
    if "Action" in interfaces:
        entry["actions"] = [node.get_action_name(i) for i in range(node.get_n_actions())]
    for relation in node.get_relation_set() or []:
        if relation.get_relation_type() == Atspi.RelationType.LABELLED_BY:
            entry["labelledBy"] += [relation.get_target(i).get_name() for i in range(relation.get_n_targets())]
    if "Text" in interfaces:
        entry["text"] = node.get_text(0, min(node.get_character_count(), TEXT_CHARS))
    return entry


def walk(node, path, out):
    if len(out) >= MAX_NODES:
        return
    try:
        entry = describe(node)
    except GLib.Error as error:
        print(f"{path}: {error.message}", file=sys.stderr)
        return  # gone while being read, as a closing window's parts are
    entry["path"] = path
    out.append(entry)
    if entry["role"] in NOT_WALKED:
        return
    if path.count("/") == 1 and "showing" not in entry["states"]:
        return  # a window that is closed, kept for its next showing
    try:
        children = [node.get_child_at_index(i) for i in range(node.get_child_count())]
    except GLib.Error:
        return
    for i, child in enumerate(children):
        if child is not None:
            walk(child, f"{path}/{i}", out)


def main():
    pid = int(sys.argv[1])
    # A busy machine answers slower than the library waits by default.
    Atspi.set_timeout(10000, 15000)
    desktop = Atspi.get_desktop(0)
    # Asked afresh, not from what the library gathered from the program's announcements,
    # which may lag behind a window that has just opened.
    desktop.set_cache_mask(Atspi.Cache.NONE)
    out = []
    for i in range(desktop.get_child_count()):
        app = desktop.get_child_at_index(i)
        try:
            mine = app is not None and app.get_process_id() == pid
        except GLib.Error:
            continue  # an application that went away while being read
        if mine:
            walk(app, str(i), out)
    json.dump(out, sys.stdout)


if __name__ == "__main__":
    main()
