#!/usr/bin/python3
"""Clicks where the pointer is and times how long until a colour marker is on screen.

Usage: click_and_watch.py RRGGBB OUT_FILE [TIMEOUT_S]

The measuring kit only starts looking once its trigger has ended and then reads every
window of the program, which takes some 100 ms here; that hides a page shown sooner.
This watcher is set up before the click, clicks itself (XTEST), and reads only the
windows that appear and change after it, as soon as they change. It appends
"click_to_page_ms <ms> after <ms>" (or "click_to_page_ms missing") to OUT_FILE: the time
from the click to the end of the first read that shows the marker, and to the end of the
last read before it that did not (the page came on screen in between).
"""
import re
import select
import sys
import time

from Xlib import X, display as xdisplay
from Xlib.ext import damage as xdamage
from Xlib.ext import xtest


def marker_regex(hexcolour, run=16):
    r, g, b = (int(hexcolour[i:i + 2], 16) for i in (0, 2, 4))
    # 24-bit TrueColor ZPixmap, 32 bpp, LSBFirst: B G R pad
    px = re.escape(bytes([b, g, r])) + b"."
    return re.compile(b"(?:" + px + b"){%d}" % run, re.DOTALL)


def shows(d, wid, pattern):
    try:
        win = d.create_resource_object("window", wid)
        g = win.get_geometry()
        img = win.get_image(0, 0, g.width, g.height, X.ZPixmap, 0xFFFFFFFF)
    except Exception:
        return False
    return pattern.search(img.data) is not None


def main():
    pattern = marker_regex(sys.argv[1].lstrip("#"))
    out = sys.argv[2]
    timeout = float(sys.argv[3]) if len(sys.argv) > 3 else 20.0
    d = xdisplay.Display()
    d.set_error_handler(lambda *a, **k: None)  # windows may vanish
    d.damage_query_version()
    root = d.screen().root
    root.change_attributes(event_mask=X.SubstructureNotifyMask)
    damage_type = d.extension_event.DamageNotify
    d.sync()

    watched = set()   # top-level windows created or mapped since we started
    mapped = set()
    dirty = set()
    xtest.fake_input(d, X.ButtonPress, 1)
    xtest.fake_input(d, X.ButtonRelease, 1)
    d.sync()
    t_click = time.monotonic_ns()
    found = None
    last_miss = t_click  # the end of the last read that did not show it
    deadline = t_click + int(timeout * 1e9)
    while found is None and time.monotonic_ns() < deadline:
        select.select([d], [], [], 0.005)
        while d.pending_events():
            ev = d.next_event()
            if ev.type == X.CreateNotify and not ev.override:
                try:
                    ev.window.damage_create(xdamage.DamageReportNonEmpty)
                    watched.add(ev.window.id)
                except Exception:
                    pass
            elif ev.type == X.MapNotify and not ev.override and ev.event.id == root.id:
                # A window prepared before the click has been created already.
                if ev.window.id not in watched:
                    try:
                        ev.window.damage_create(xdamage.DamageReportNonEmpty)
                        watched.add(ev.window.id)
                    except Exception:
                        continue
                mapped.add(ev.window.id)
                dirty.add(ev.window.id)
            elif ev.type == damage_type:
                if ev.drawable.id in mapped:
                    dirty.add(ev.drawable.id)
                try:
                    d.damage_subtract(ev.damage)  # re-arm NonEmpty reports
                except Exception:
                    pass
        for wid in list(dirty):
            dirty.discard(wid)
            if shows(d, wid, pattern):
                found = time.monotonic_ns()
                break
            last_miss = time.monotonic_ns()
    with open(out, "a") as f:
        if found is None:
            f.write("click_to_page_ms missing\n")
        else:
            f.write("click_to_page_ms %.1f after %.1f\n" % ((found - t_click) / 1e6, (last_miss - t_click) / 1e6))


if __name__ == "__main__":
    main()
