#!/usr/bin/python3
"""Prints what a screen reader sees of the program with the given process id, as JSON: each
object's role, name, description, states, the names of what labels it, the start of its
text and its place on the screen. Rows of lists and tables, and closed windows, are left out,
except the items of the lists on a web page."""
import json
import sys
import warnings

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

warnings.simplefilter("ignore", DeprecationWarning)  # names screen readers still use


def describe(node):
    entry = {"role": node.get_role_name(), "name": node.get_name(), "description": node.get_description(),
             "states": [Atspi.StateType(s).value_nick for s in node.get_state_set().get_states()],
             "labelledBy": [], "text": ""}
    for relation in node.get_relation_set() or []:
        if relation.get_relation_type() == Atspi.RelationType.LABELLED_BY:
            entry["labelledBy"] += [relation.get_target(i).get_name() for i in range(relation.get_n_targets())]
    if "Component" in node.get_interfaces():
        box = node.get_extents(Atspi.CoordType.SCREEN)
        entry["box"] = [box.x, box.y, box.width, box.height]
    if "Text" in node.get_interfaces():
        entry["text"] = node.get_text(0, min(node.get_character_count(), 4000))
    return entry


def walk(node, depth, out, on_page=False):
    try:
        entry = describe(node)
        children = [node.get_child_at_index(i) for i in range(node.get_child_count())]
    except GLib.Error:
        return  # gone while being read, as a closing window's parts are
    out.append(entry)
    on_page = on_page or entry["role"] == "document web"
    rows = entry["role"] in ("list", "tree", "table", "tree table") and not on_page
    if rows or (depth == 1 and "showing" not in entry["states"]):
        return
    for child in children:
        if child is not None:
            walk(child, depth + 1, out, on_page)


def main():
    Atspi.set_timeout(10000, 15000)  # a busy machine answers slower than the default allows
    desktop = Atspi.get_desktop(0)
    # Asked afresh, not from what the program announced, which may lag behind a new window.
    desktop.set_cache_mask(Atspi.Cache.NONE)
    out = []
    for i in range(desktop.get_child_count()):
        app = desktop.get_child_at_index(i)
        try:
            if app is not None and app.get_process_id() == int(sys.argv[1]):
                walk(app, 0, out)
        except GLib.Error:
            continue  # a program that ended while being asked
    json.dump(out, sys.stdout)


main()
