#!/usr/bin/env python3
"""Time from a pointer move onto a top-bar button of the running editor until its hover face is
on screen, and from a button press until its pressed face is, over several rounds. Runs on the
X display in DISPLAY (bench/measure_button_hover.sh gives it a private Xvfb).
Usage: measure_button_hover.py EDITOR DESCRIPTION.qvn [ROUNDS]"""
import os
import statistics
import subprocess
import sys
import time

from Xlib import X, display
from Xlib.ext import xtest

# cmdCopyKindleHTML on the top bar: 4035, 120 twips, 204 by 23 pixels.
BUTTON = (269, 8, 204, 23)


def find_window(d, pid, timeout=30):
    root = d.screen().root
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        for child in root.query_tree().children:
            try:
                attributes = child.get_attributes()
                geometry = child.get_geometry()
                name = child.get_wm_name()
            except Exception:
                continue
            if attributes.map_state == X.IsViewable and name == "Quorvane" and geometry.width == 994:
                return child
        time.sleep(0.05)
    sys.exit("no main window")


def main():
    editor, description = sys.argv[1], sys.argv[2]
    rounds = int(sys.argv[3]) if len(sys.argv) > 3 else 20
    program = subprocess.Popen([editor, description], env=dict(os.environ, QT_QPA_PLATFORM="xcb"))
    try:
        d = display.Display()
        root = d.screen().root
        window = find_window(d, program.pid)
        geometry = window.get_geometry()
        origin = window.translate_coords(root, 0, 0)
        left, top = -origin.x + BUTTON[0], -origin.y + BUTTON[1]
        width, height = BUTTON[2], BUTTON[3]

        def grab():
            return root.get_image(left, top, width, height, X.ZPixmap, 0xFFFFFFFF).data

        def move(x, y):
            xtest.fake_input(d, X.MotionNotify, x=x, y=y)
            d.sync()

        def until_not(face, limit=5.0):
            start = time.monotonic()
            while time.monotonic() - start < limit:
                now = grab()
                if now != face:
                    return now, time.monotonic()
            sys.exit("the face did not change")

        move(1590, 1190)
        time.sleep(1.5)
        normal = grab()
        hover_ms, press_ms = [], []
        for _ in range(rounds):
            move(1590, 1190)
            while grab() != normal:
                time.sleep(0.005)
            time.sleep(0.1)
            start = time.monotonic()
            move(left + 100, top + 6)
            hover, seen = until_not(normal)
            hover_ms.append((seen - start) * 1000)
            time.sleep(0.05)
            start = time.monotonic()
            xtest.fake_input(d, X.ButtonPress, 1)
            d.sync()
            _, seen = until_not(hover)
            press_ms.append((seen - start) * 1000)
            # Dragged off before it is let go: no click.
            move(left + 100, top - 30)
            xtest.fake_input(d, X.ButtonRelease, 1)
            d.sync()
            time.sleep(0.05)
        for label, values in (("hover", hover_ms), ("press", press_ms)):
            print("%s: pointer event to new face on screen: median %.2f ms (min %.2f, max %.2f, %d rounds)"
                  % (label, statistics.median(values), min(values), max(values), len(values)))
    finally:
        program.terminate()
        program.wait(10)


if __name__ == "__main__":
    main()
