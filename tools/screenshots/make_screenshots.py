#!/usr/bin/python3
"""Screenshots of the real program: its main window, a reading and the
support screen, taken on a private virtual display under openbox.

Usage:
    tools/screenshots/make_screenshots.py <out dir> build/dev/src/aurivane
    tools/screenshots/make_screenshots.py <out dir> <unpacked ZIP>/bin/aurivane.exe

The first writes main.png, reading.png and support.png from the Linux
program; reading.png is the one the AppStream data shows (upload it to the
site's screenshots/ folder). The second runs the Windows program under Wine
in a fresh prefix and writes main-windows.png, reading-windows.png and
support-windows.png. Nothing of the user's own settings is touched: the
program runs with a temporary home (Linux) or Wine prefix. It wants the
system's Python, which has Debian's python3-xlib.
"""

import os
import shutil
import struct
import subprocess
import sys
import time
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "tests", "support"))
from worlds import Display, Home, Opener, Wine, World, end, wait_for  # noqa: E402

TITLE = "Aurivane v1.20"
# The reading shown: a name, then 25 June 1990 (a Cancer) picked from the
# lists by keyboard, as a user would.
NAME = "Ann"
MONTH_STEPS, DAY_STEPS, YEAR_STEPS = 5, 24, 90


def write_png(path, width, height, bgrx):
    """A 24-bit PNG from the rows of an X image (blue, green, red, pad)."""
    rows = bytearray()
    for y in range(height):
        row = bgrx[y * width * 4:(y + 1) * width * 4]
        rows.append(0)
        for x in range(0, len(row), 4):
            rows += bytes((row[x + 2], row[x + 1], row[x]))

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n")
        f.write(chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)))
        f.write(chunk(b"IDAT", zlib.compress(bytes(rows), 9)))
        f.write(chunk(b"IEND", b""))


def grab(display, window, path):
    from Xlib import X, display as xdisplay  # python3-xlib

    time.sleep(1)  # let the window finish painting
    connection = xdisplay.Display(display.name)
    try:
        drawable = connection.create_resource_object("window", window)
        geometry = drawable.get_geometry()
        image = drawable.get_image(0, 0, geometry.width, geometry.height, X.ZPixmap, 0xFFFFFFFF)
        write_png(path, geometry.width, geometry.height, image.data)
    finally:
        connection.close()
    print("wrote %s (%dx%d)" % (path, geometry.width, geometry.height))


def titled(display):
    out = display.xdotool("search", "--all", "--onlyvisible", "--name", "^%s$" % TITLE)
    return [int(w) for w in out.split()]


def main(argv):
    if len(argv) != 3:
        print(__doc__, file=sys.stderr)
        return 2
    out, program = os.path.abspath(argv[1]), os.path.abspath(argv[2])
    os.makedirs(out, exist_ok=True)
    on_wine = program.lower().endswith(".exe")
    suffix = "-windows" if on_wine else ""
    display, home = Display(), Home()
    window_manager = subprocess.Popen(["openbox"], env=home.environment(display),
                                      stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    host = None
    try:
        if on_wine:
            host = Wine(home.folder("wine"), display)
            app = host.start([program])
        else:
            host = World(program, home, display, Opener(home.root))
            app = host.start()

        main_window = wait_for("the main window", lambda: titled(display), 60)[0]
        grab(display, main_window, os.path.join(out, "main%s.png" % suffix))

        display.xdotool("windowactivate", "--sync", str(main_window))
        display.xdotool("type", "--delay", "80", NAME)
        keys = ["Tab"] + ["Down"] * MONTH_STEPS + ["Tab"] + ["Down"] * DAY_STEPS + \
            ["Tab"] + ["Down"] * YEAR_STEPS + ["alt+g"]
        display.xdotool("key", "--clearmodifiers", "--delay", "40", *keys)
        grab(display, main_window, os.path.join(out, "reading%s.png" % suffix))

        display.close_window(main_window)
        support = wait_for("the support screen",
                           lambda: [w for w in titled(display) if w != main_window], 60)[0]
        grab(display, support, os.path.join(out, "support%s.png" % suffix))
        display.close_window(support)
        assert app.wait(timeout=60) == 0, "the program ended with %s" % app.returncode
    finally:
        if host is not None:
            host.stop()
        end(window_manager)
        display.stop()
        shutil.rmtree(home.root, ignore_errors=True)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
