#!/usr/bin/python3
"""The zoom keys on a Wayland compositor, which places windows itself: after
each step the whole window, title bar and borders included, lies on the
output, and the steps do change its size.

    zoom_on_screen.py PROGRAM      (inside session.sh)
"""

import json
import subprocess
import sys
import time

program = subprocess.Popen([sys.argv[1]], stdout=subprocess.DEVNULL, stderr=subprocess.STDOUT)
failures = []


def windows():
    tree = json.loads(subprocess.run(["swaymsg", "-t", "get_tree"], capture_output=True, check=True).stdout)
    found, outputs = [], []

    def walk(node):
        if node.get("type") == "output" and node.get("name") != "__i3":
            outputs.append(node["rect"])
        if node.get("app_id") is not None:
            found.append(node)
        for child in node.get("nodes", []) + node.get("floating_nodes", []):
            walk(child)
    walk(tree)
    return found, outputs[0]


def settled():
    """The program's one window, once the compositor has stopped changing it."""
    last, since = None, time.time()
    end = time.time() + 10
    while time.time() < end:
        found, output = windows()
        now = json.dumps([(w["rect"], w["deco_rect"], w["window_rect"]) for w in found])
        if now != last:
            last, since = now, time.time()
        elif found and time.time() - since > 0.4:
            return found, output
        time.sleep(0.05)
    return windows()


def keys(*args):
    subprocess.run(["wtype", "-s", "100", *args], check=True)


steps = [("Ctrl+KP_Add", ["-M", "ctrl", "-k", "KP_Add", "-m", "ctrl"])] * 6 + [
    ("Ctrl+Minus", ["-M", "ctrl", "-k", "minus", "-m", "ctrl"]),
    ("Ctrl+0", ["-M", "ctrl", "-k", "0", "-m", "ctrl"]),
    ("F11", ["-k", "F11"]),
    ("Ctrl+= three times", ["-M", "ctrl", "-k", "equal", "-k", "equal", "-k", "equal", "-m", "ctrl"]),
    ("F11", ["-k", "F11"]),
]
widths = []
found, output = settled()
for name, args in [("the start", [])] + steps:
    if args:
        keys(*args)
    found, output = settled()
    if len(found) != 1:
        failures.append("%s: %d windows" % (name, len(found)))
        continue
    window = found[0]
    rect, deco = window["rect"], window["deco_rect"]
    top = rect["y"] - deco["height"]  # the title bar above the window
    whole = (rect["x"] >= output["x"] and top >= output["y"] and
             rect["x"] + rect["width"] <= output["x"] + output["width"] and
             rect["y"] + rect["height"] <= output["y"] + output["height"])
    size = (window["window_rect"]["width"], window["window_rect"]["height"])
    print("%-20s window %4d x %4d at %4d, %4d%s" % (name, size[0], size[1], rect["x"], top,
                                                   "" if whole else "  OFF THE SCREEN"), flush=True)
    if not whole:
        failures.append("%s: the window runs off the screen: %r, title bar %r" % (name, rect, deco))
    widths.append(size[0])

if not widths or max(widths) < 1500 or min(widths) > 800:
    failures.append("the steps did not size the window: widths %r" % widths)
program.kill()
for failure in failures:
    print("FAIL:", failure)
sys.exit(1 if failures else 0)
