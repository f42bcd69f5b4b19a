"""On two monitors of one 3200x1200 screen, under openbox: where each window
of the program opens, at which size."""

import datetime
import re

import pytest
from worlds import MESSAGE_TITLE, SUPPORT_SIZE, need, short_date, stderr_of, wait_for

pytestmark = pytest.mark.two_monitors

# A on the left, B on its right and primary; a panel PANEL high along B's
# bottom leaves B's upper 1920x1100 free, and all of A. Client areas at
# scale 1, None where the font decides (the menu bar, a message box), and the
# keys for the about box, "Please enter your name", closing the main window,
# a referral without addresses, and Esc (closes, answers No).
MONITORS = {"A": "1280/338x1024/270+0+0", "*B": "1920/508x1200/318+1280+0"}
PANEL = 100
CLIENT = {"main": (660, None), "about": (469, 217), "support": SUPPORT_SIZE, "box": (None, None)}
KEYS = {"about": "alt+h a", "name": "alt+g", "close": "alt+f x", "refer": "alt+n", "esc": "Escape"}
# Each row: B's scale, the start (the update question first, or a second
# start refused) and steps: (x, y) moves the window in front there, a KEYS
# name presses those keys in it, "unplug" takes B away, "restore" minimises it
# and brings it back (where it was, not centred again), and (window, monitor)
# waits for that window to stand on that monitor's free area at its size for
# that scale, centred to the pixel unless moved (one too large at its top-left)
# and from its first showing; it is then in front.
MONITOR_ROWS = {
    "question first": (1, "question", [("box", "B"), "esc", ("main", "B")]),
    "already running": (1, "second", [("box", "B")]),
    "restored": (1, "", [(1400, 90), "restore", "about", ("about", "B"), ("main", "B")]),
    "about box": (1, "", [(1400, 90), "about", ("about", "B"), "esc", (20, 40), "about",
                          ("about", "A")]),
    "message box": (1, "", [(1300, 600), "name", ("box", "B")]),
    "support screen": (1, "", [(1400, 90), "close", ("support", "B"), "refer", ("box", "B")]),
    "support screen on A": (2, "", [(20, 40), "close", ("support", "A"), "refer", ("box", "A")]),
    "B unplugged": (1, "", [(1400, 90), "unplug", "close", ("support", "A")]),
    "scale": (2, "", [("main", "B"), (20, 40), ("main", "A"), (1400, 90), ("main", "B"), "about",
                      ("about", "B"), (20, 40), ("about", "A"), "esc", "close", ("support", "B")]),
    "larger than B": (3, "", [("main", "B")]),
}


@pytest.mark.parametrize("scale, start, steps", MONITOR_ROWS.values(),
                         ids=[name.replace(" ", "_") for name in MONITOR_ROWS])
def test_several_monitors(world, openbox, scale, start, steps):
    need("xrandr")
    display = world.display
    openbox.panel(1280, 3200, PANEL)
    for monitor, geometry in MONITORS.items():
        display.xdotool("--setmonitor", monitor, geometry, "none", tool="xrandr")
    display.xdotool("mousemove", "640", "512")  # the pointer on A
    if start == "question":
        world.write_duration(short_date(world.today() - datetime.timedelta(days=15)))
    factors = {"QT_SCREEN_SCALE_FACTORS": "A=1;B=%d" % scale}
    app = world.start(**factors)
    seen = {"main": None if start == "question" else world.main_window(app)}
    if start == "second":
        app, seen = world.start(**factors), {}
    front, kept = seen.get("main"), {}
    for step in steps:
        if step in KEYS:
            display.xdotool("windowfocus", "--sync", str(front), "key", "--clearmodifiers",
                            *KEYS[step].split())
            front = seen["main"] if step == "esc" else front
        elif step == "unplug":
            display.xdotool("--delmonitor", "B", tool="xrandr")
        elif step == "restore":
            kept[front] = openbox.frame(front)[:2]
            display.xdotool("windowminimize", "--sync", str(front))
            display.xdotool("windowactivate", "--sync", str(front))
        elif isinstance(step[0], int):
            display.xdotool("windowmove", "--sync", str(front), *map(str, step))
            kept[front] = None
        else:
            front = seen[step[0]] = whole_on(world, openbox, app, seen, kept, scale, *step)


def whole_on(world, openbox, app, seen, kept, scale, kind, monitor):
    """Waits for the `kind` window of `app` to stand whole on `monitor`, at its
    size for the monitor's scale and, unless moved, centred from its first
    showing; if kept, where it was; returns it."""
    width, _, height, _, left, top = map(int, re.split("[/x+]", MONITORS.get(
        monitor, MONITORS.get("*" + monitor))))
    height -= PANEL if monitor == "B" else 0
    slack = scale - 1 if monitor == "B" else 0  # pixels lost to rounding at that scale
    size = [n and n * (scale if monitor == "B" else 1) for n in CLIENT[kind]]
    found = []

    def first_ok(window, x, y):  # no jump after openbox first showed it
        first = openbox.first_place(window)
        found.append(first)
        return first is not None and max(abs(first[0] - x), abs(first[1] - y)) <= slack

    def probe():
        assert app.poll() is None, "the program ended early: %s" % stderr_of(app)
        for window in world.windows(app, MESSAGE_TITLE) if kind == "box" else world.windows(app):
            if window in seen.values() and window != seen.get(kind):
                continue
            x, y, w, h, client = openbox.frame(window)
            found[:] = [(x, y, w, h), client]
            off = max(abs(2 * x + min(w, width) - 2 * left - width),
                      abs(2 * y + min(h, height) - 2 * top - height))
            if size[0] in (None, client[0]) and size[1] in (None, client[1]) and \
                    left - slack <= x <= max(left, left + width - w) + slack and \
                    top - slack <= y <= max(top, top + height - h) + slack and \
                    kept.get(window) in (None, (x, y)) and (window in kept or off <= 2 + 4 * slack
                                                            and first_ok(window, x, y)):
                return window
        return None
    try:
        return wait_for(kind, probe)
    except AssertionError as failure:
        raise AssertionError("%s: frame and client size %s, not as wanted on %s"
                             % (kind, found, monitor)) from failure
