#!/usr/bin/env python3
"""Runs the Windows build of Aurivane under Wine on a private X display:
every QtTest suite, then the scenarios that only the real aurivane.exe
shows (the registry, the single-instance lock, the addresses handed to the
shell, stacking, the exit status), then the installer. Ends with one line
"N passed, M failed".

Usage: wine_tests.py <build/windows> <Qt for Windows prefix> [name ...]

With names, only the suites and scenarios of those names run.

The scenarios run the program as it is shipped, from the portable ZIP, with
nothing but its own folder to find its libraries in. Wine hands every address
that the program opens to xdg-open, and a fake one first on PATH records it.
Every wait is bounded.
"""

import datetime
import glob
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import traceback
import urllib.parse
import zipfile

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "process"))
from aurivane_process import (  # noqa: E402
    Display, Failure, check, cleared_variables, fake_opener, read_opened, shift, short_date,
    wait_for,
    with_changes)

WAIT = float(os.environ.get("AURIVANE_WINE_WAIT", "40"))
SUITE_TIMEOUT = 300
MAIN_TITLE = "Aurivane v1.20"
MESSAGE_TITLE = "Aurivane"
MAIN_CLIENT = (660, 445)  # 9900 x 6675 twips, below the menu bar
SUPPORT_SIZE = (741, 315)  # 11115 x 4725 twips
SITE = "http://www.quillmoor.com"
PAGE = SITE + "/aurivane/ssd.php?page="
REGISTRY_KEY = r"HKEY_CURRENT_USER\Software\aurivane"
VERSION = "1.20.0"
ENTRY = r"Software\Microsoft\Windows\CurrentVersion\Uninstall\Aurivane"
LICENCES = {"NOTICE.txt", "licenses/LGPL-3.0.txt", "licenses/GPL-3.0.txt",
            "licenses/GCC-exception-3.1.txt", "licenses/MinGW-w64-runtime.txt"}


def twips(value):
    return (value + 7) // 15


def centre(left, top, width, height):
    return (twips(left + width // 2), twips(top + height // 2))


# Places on the support screen, in its client area (twips as laid out).
EXIT_BUTTON = centre(6000, 2760, 1245, 375)
PANEL = (120, 3240)
REFERRAL_SUBMIT = centre(PANEL[0] + 1920, PANEL[1] + 1080, 3375, 285)


class Wine:
    """One Wine prefix on the display, with a fake xdg-open on PATH."""

    def __init__(self, root, display, name):
        self.display = display
        self.root = os.path.join(root, name)
        self.prefix = os.path.join(self.root, "prefix")
        self.bin = os.path.join(self.root, "bin")
        os.makedirs(self.bin)
        self.opened_log = os.path.join(self.root, "opened.txt")
        fake_opener(self.bin, self.opened_log)
        self.processes = []
        self.run(["wineboot", "--init"], timeout=180)
        self.wait_server()

    def environment(self, **changes):
        env = dict(os.environ)
        for key in ["WINEPATH", "WINEDEBUG", "LD_PRELOAD", "FAKETIME", *cleared_variables()]:
            env.pop(key, None)
        env.update({
            "WINEPREFIX": self.prefix,
            "WINEDEBUG": "-all",
            # No prompts to install Mono or Gecko.
            "WINEDLLOVERRIDES": "mscoree,mshtml=",
            "DISPLAY": self.display.name,
            "PATH": self.bin + os.pathsep + env.get("PATH", "/usr/bin:/bin"),
            "LANG": "en_US.UTF-8",
            "LC_ALL": "en_US.UTF-8",
        })
        return with_changes(env, changes)

    def run(self, args, timeout=WAIT * 3, output=subprocess.PIPE, **changes):
        return subprocess.run(["wine", *args], env=self.environment(**changes),
                              stdout=output, stderr=subprocess.STDOUT,
                              timeout=timeout, check=False)

    def start(self, args, **changes):
        process = subprocess.Popen(["wine", *args], env=self.environment(**changes),
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.processes.append(process)
        return process

    def wait_server(self):
        """Waits until the prefix's wineserver has saved and ended."""
        subprocess.run(["wineserver", "-w"], env=self.environment(), timeout=WAIT * 3,
                       check=False)

    def unix_path(self, windows_path):
        """Where a path on drive C: lies, without the cost of starting winepath."""
        check(windows_path[:3].upper() == "C:\\", "%r is not on drive C:" % windows_path)
        return os.path.join(self.prefix, "drive_c", *windows_path[3:].split("\\"))

    def opened(self):
        return read_opened(self.opened_log)

    def registry(self, key):
        """The values of a registry key as {name: value}, text or number;
        None without it. reg export writes UTF-16, which keeps the shifted
        characters."""
        out = os.path.join(self.root, "export.reg")
        if os.path.exists(out):
            os.remove(out)
        self.run(["reg", "export", key, "Z:" + out.replace("/", "\\"), "/y"])
        if not os.path.exists(out):
            return None
        with open(out, "rb") as f:
            text = f.read().decode("utf-16")
        values = {}
        for line in text.split("\r\n"):
            match = re.fullmatch(r'"((?:[^"\\]|\\.)*)"="((?:[^"\\]|\\.)*)"', line)
            if match:
                unescape = lambda s: re.sub(r"\\(.)", r"\1", s)  # noqa: E731
                values[unescape(match.group(1))] = unescape(match.group(2))
            match = re.fullmatch(r'"([^"\\]*)"=dword:([0-9a-f]{8})', line)
            if match:
                values[match.group(1)] = int(match.group(2), 16)
        return values

    def duration(self):
        """The decoded stored reminder date, or None."""
        values = self.registry(REGISTRY_KEY + r"\aurivane\Settings")
        if not values:
            return None
        stored = values.get(shift("Duration", 85))
        return None if stored is None else shift(stored, -85)

    def set_duration(self, plain):
        """Stores a reminder date the way the program does."""
        reg = os.path.join(self.root, "duration.reg")
        name = shift("Duration", 85)
        with open(reg, "w", encoding="utf-16") as f:
            f.write("Windows Registry Editor Version 5.00\r\n\r\n[%s\\aurivane\\Settings]\r\n"
                    '"%s"="%s"\r\n' % (REGISTRY_KEY, name, shift(plain, 85)))
        self.run(["regedit", "/S", "Z:" + reg.replace("/", "\\")])

    def clean_up(self):
        for process in self.processes:
            if process.poll() is None:
                process.kill()
        subprocess.run(["wineserver", "-k"], env=self.environment(), timeout=WAIT,
                       check=False, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


# --- the program's windows ----------------------------------------------------

def windows_titled(display, title):
    out = display.xdotool("search", "--all", "--onlyvisible", "--name",
                          "^" + re.escape(title) + "$")
    return [int(w) for w in out.split()]


def main_windows(display, scale=1.0):
    """The main window, told by its width: 660 layout pixels at `scale`."""
    width = round(MAIN_CLIENT[0] * scale)
    return [w for w, found in sized_windows(display)
            if abs(found[0] - width) <= 1]


def support_windows(display, scale=1.0):
    size = [round(length * scale) for length in SUPPORT_SIZE]
    return [w for w, found in sized_windows(display)
            if all(abs(a - b) <= 1 for a, b in zip(found, size))]


def sized_windows(display):
    """(window, size) of the program's windows, each size asked once: a
    window may go away between two questions."""
    sized = ((w, display.size(w)) for w in windows_titled(display, MAIN_TITLE))
    return [(w, found) for w, found in sized if found]


def ended_early(process):
    check(process.poll() is None, "the program ended early with %s" % process.returncode)


def wait_main(display, process, scale=1.0, question=False):
    """Waits for the main window; a message box that comes first fails
    unless a `question` was answered just before."""
    def probe():
        ended_early(process)
        check(question or not windows_titled(display, MESSAGE_TITLE), "a message box came up")
        return main_windows(display, scale)
    return wait_for("the main window", probe, WAIT)[0]


def wait_message(display, process):
    def probe():
        ended_early(process)
        return windows_titled(display, MESSAGE_TITLE)
    return wait_for("a message box", probe, WAIT)[0]


def exit_status(process):
    try:
        return process.wait(timeout=WAIT)
    except subprocess.TimeoutExpired:
        raise Failure("the program did not end")


def press(display, window, *keys):
    display.xdotool("windowactivate", "--sync", str(window))
    display.xdotool("key", "--clearmodifiers", "--delay", "120", *keys)


def client_offset(display, window):
    """Height of the menu bar above the main window's client area."""
    width, height = display.size(window)
    return height - MAIN_CLIENT[1]


def to_support_screen(display, process, window, scale=1.0):
    display.close_window(window)
    return wait_for("the support screen", lambda: ended_early(process) or
                    support_windows(display, scale), WAIT)[0]


def orderly_end(display, process, window, scale=1.0):
    support = to_support_screen(display, process, window, scale)
    wait_for("the main window to go", lambda: not main_windows(display, scale), WAIT)
    display.click(support, *[round(c * scale) for c in EXIT_BUTTON])
    check(exit_status(process) == 0, "exit status %s" % process.returncode)


def wait_opened(wine, count):
    return wait_for("%d addresses to reach the browser" % count,
                    lambda: len(wine.opened()) >= count and wine.opened(), WAIT)


# --- scenarios ------------------------------------------------------------------

def first_start_then_same_day(ctx):
    wine, display = ctx.wine(), ctx.display
    before = datetime.date.today()
    app = wine.start([ctx.program])
    window = wait_main(display, app)
    stored = wait_for("the stored reminder date", wine.duration, WAIT)
    check(stored in (short_date(before), short_date(datetime.date.today())),
          "stored %r, not today" % stored)
    orderly_end(display, app, window)

    again = wine.start([ctx.program])
    window = wait_main(display, again)
    check(wine.duration() == stored, "a same-day start changed the date")
    orderly_end(display, again, window)
    check(wine.opened() == [], "opened %r" % wine.opened())


def reminder_fifteen_days_later(ctx):
    wine, display = ctx.wine(), ctx.display
    app = wine.start([ctx.program])
    window = wait_main(display, app)
    first = wait_for("the stored reminder date", wine.duration, WAIT)
    orderly_end(display, app, window)
    wine.wait_server()

    # Fifteen days on, by the clock of every Wine process.
    later = datetime.date.today() + datetime.timedelta(days=15)
    faked = {"LD_PRELOAD": ctx.faketime, "FAKETIME": "+15d", "FAKETIME_DONT_RESET": "1"}
    app = wine.start([ctx.program], **faked)
    question = wait_message(display, app)
    check(not main_windows(display), "the main window came before the question")
    press(display, question, "Return")  # Yes is the default button
    window = wait_main(display, app, question=True)
    opened = wait_opened(wine, 1)
    check(opened == [PAGE + "download-web-page"], "opened %r" % opened)
    stored = wine.duration()
    check(stored == short_date(later), "stored %r after the question, first %r" % (stored, first))
    orderly_end(display, app, window)


def second_instance_refused(ctx):
    wine, display = ctx.wine(), ctx.display
    first = wine.start([ctx.program])
    window = wait_main(display, first)
    stored = wait_for("the stored reminder date", wine.duration, WAIT)

    second = wine.start([ctx.program])
    box = wait_for("the refusal", lambda: windows_titled(display, MESSAGE_TITLE), WAIT)[0]
    check(main_windows(display) == [window], "the refused start showed a main window")
    display.close_window(box)
    check(exit_status(second) == 0, "the refused start ended with %s" % second.returncode)
    check(first.poll() is None, "the first instance ended")
    check(wine.duration() == stored, "the refused start touched the registry")

    # A lock left by an instance that was killed does not block the next one.
    os.kill(first.pid, signal.SIGKILL)
    first.wait(timeout=WAIT)
    wait_for("the killed window to go", lambda: not main_windows(display), WAIT)
    third = wine.start([ctx.program])
    window = wait_main(display, third)
    orderly_end(display, third, window)


def links_open_their_pages(ctx):
    wine, display = ctx.wine(), ctx.display
    app = wine.start([ctx.program])
    window = wait_main(display, app)
    offset = client_offset(display, window)
    expected = []

    def expect(page, action):
        action()
        expected.append(PAGE + page)
        opened = wait_opened(wine, len(expected))
        check(opened == expected, "opened %r" % opened)

    # Which control opens which page the QtTests check; here one menu entry
    # and one link label prove the hand-over to the shell.
    expect("help-web-page", lambda: press(display, window, "alt+h", "o"))
    expect("home-page", lambda: display.click(window, 330, offset + 14))

    press(display, window, "alt+f", "x")
    support = wait_for("the support screen", lambda: support_windows(display), WAIT)[0]
    check(app.poll() is None, "closing the main window ended the program")
    check(wine.opened() == expected, "opened %r" % wine.opened())

    # The frame's close button ends the program like "E&xit".
    display.close_window(support)
    check(exit_status(app) == 0, "exit status %s" % app.returncode)


def refer_a_friend_address(ctx):
    wine, display = ctx.wine(), ctx.display
    if shutil.which("xclip") is None:
        raise Failure("xclip is not installed")
    app = wine.start([ctx.program])
    window = wait_main(display, app)
    # By the keyboard alone: a reading for "Maya", 1 March, which lands on its page; backwards
    # from there, past the banner, the promotion.
    press(display, window, *"M a y a Tab Down Down Tab Tab Tab space shift+Tab shift+Tab Return"
          .split())
    opened = wait_opened(wine, 1)
    check(opened in ([PAGE + "fully-branded"], [PAGE + "co-brand"]), "opened %r" % opened)
    press(display, window, "alt+f", "x")
    support = wait_for("the support screen", lambda: support_windows(display), WAIT)[0]
    typed = {
        "taf1": "Zoë & Ann #1+2",
        "taf2": "zoë+a@exam.ple",
        "taf4": "Jürgen = Ø?",
        "taf5": "j#x&y@exam.ple",
        # The message box, out of sight, is no stop: pasting after the
        # friend's name does not reach it.
        "taf3": "Your Message\r\n",
    }

    def paste(text):
        # Pasted, not typed: the e-mail boxes refuse typed spaces only.
        clip = subprocess.Popen(["xclip", "-selection", "clipboard", "-loops", "1"],
                                stdin=subprocess.PIPE, env={**os.environ,
                                                            "DISPLAY": display.name})
        clip.communicate(text.encode("utf-8"), timeout=WAIT)
        time.sleep(0.3)
        display.xdotool("key", "--clearmodifiers", "ctrl+a", "ctrl+v")
        time.sleep(0.3)

    # "E&xit" has the focus; then the panel: name, button, e-mail, friend's
    # e-mail, friend's name.
    press(display, support, "Tab")
    paste(typed["taf1"])
    display.xdotool("key", "Tab", "Tab")
    paste(typed["taf2"])
    display.xdotool("key", "Tab")
    paste(typed["taf5"])
    display.xdotool("key", "Tab")
    paste(typed["taf4"])
    display.xdotool("key", "Tab")
    paste("HIDDEN")
    display.xdotool("key", "--clearmodifiers", "alt+n")
    opened = wait_opened(wine, 2)[1:]
    check(not windows_titled(display, MESSAGE_TITLE), "a message box came up")
    check(len(opened) == 1, "opened %r" % opened)
    address = urllib.parse.urlsplit(opened[0])
    check(opened[0].startswith(PAGE + "qmms-refer-a-friend&taf1="), "opened %r" % opened[0])
    values = dict(urllib.parse.parse_qsl(address.query, keep_blank_values=True))
    for name, text in typed.items():
        check(values.get(name) == text, "%s arrived as %r, typed %r" % (name, values.get(name),
                                                                         text))
    check(values.get("taf6") == SITE + "/aurivane/", "taf6 is %r" % values.get("taf6"))
    display.click(support, *EXIT_BUTTON)
    check(exit_status(app) == 0, "exit status %s" % app.returncode)


def support_screen_on_top(ctx):
    wine, display = ctx.wine(), ctx.display
    app = wine.start([ctx.program])
    support = to_support_screen(display, app, wait_main(display, app))
    state = xprop(display, "-id", str(support), "_NET_WM_STATE")
    check("_NET_WM_STATE_ABOVE" in state, "the support screen is not kept above: %r" % state)
    # Its frame offers no resizing: Wine gives a window without a resizing
    # frame one minimum and maximum size.
    hints = xprop(display, "-id", str(support), "WM_NORMAL_HINTS")
    least = re.search(r"minimum size: (\d+) by (\d+)", hints)
    most = re.search(r"maximum size: (\d+) by (\d+)", hints)
    check(least and most and least.groups() == most.groups(),
          "the support screen can be resized: %r" % hints)

    # Its refer-a-friend message stands above it, where the user sees it.
    display.click(support, *REFERRAL_SUBMIT)
    box = wait_for("the refer-a-friend message", lambda: windows_titled(display, MESSAGE_TITLE),
                   WAIT)[0]
    order = stacking_order(display)
    frames = {w: frame_of(display, w) for w in (box, support)}
    check(order.index(frames[box]) > order.index(frames[support]),
          "the message box stands behind the support screen")
    display.close_window(box)
    wait_for("the message box to close", lambda: not windows_titled(display, MESSAGE_TITLE), WAIT)
    display.click(support, *EXIT_BUTTON)
    check(exit_status(app) == 0, "exit status %s" % app.returncode)


def xprop(display, *args):
    return subprocess.run(["xprop", *args], env={**os.environ, "DISPLAY": display.name},
                          capture_output=True, text=True, timeout=WAIT).stdout


def stacking_order(display):
    out = xprop(display, "-root", "_NET_CLIENT_LIST_STACKING")
    return [int(w, 16) for w in re.findall(r"0x[0-9a-fA-F]+", out)]


def frame_of(display, window):
    """The managed top-level window that holds `window` (itself, for Wine)."""
    order = stacking_order(display)
    if window in order:
        return window
    out = subprocess.run(["xwininfo", "-id", str(window), "-children"],
                         env={**os.environ, "DISPLAY": display.name}, capture_output=True,
                         text=True, timeout=WAIT).stdout
    match = re.search(r"Parent window id: (0x[0-9a-f]+)", out)
    check(match, "no parent of window %d" % window)
    parent = int(match.group(1), 16)
    check(parent != 0, "window %d is not managed" % window)
    return frame_of(display, parent)


def pixel(display, window, x, y):
    """The colour at a point of a window, as (red, green, blue)."""
    from Xlib import X, display as xdisplay  # python3-xlib

    connection = xdisplay.Display(display.name)
    try:
        image = connection.create_resource_object("window", window).get_image(
            x, y, 1, 1, X.ZPixmap, 0xFFFFFFFF)
        blue, green, red = image.data[0], image.data[1], image.data[2]
        return (red, green, blue)
    finally:
        connection.close()




def window_pixels(display, window):
    """The whole of a window as (width, height, pixel(x, y) -> (r, g, b))."""
    from Xlib import X, display as xdisplay  # python3-xlib

    width, height = display.size(window)
    connection = xdisplay.Display(display.name)
    try:
        data = connection.create_resource_object("window", window).get_image(
            0, 0, width, height, X.ZPixmap, 0xFFFFFFFF).data
    finally:
        connection.close()
    stride = len(data) // height

    def at(x, y):
        i = y * stride + 4 * x
        return (data[i + 2], data[i + 1], data[i])
    return width, height, at


GOLD = (255, 180, 4)
OUTLINE = (50 + 120, 480 + 1200, 9555, 4215)  # the reading's gold outline, in the client


def outline_edges(display, window, scale):
    """Checks the gold outline around the reading: crossing it at a quarter,
    the middle and three quarters, both ways, meets exactly two gold edges,
    all of one thickness."""
    width, height, at = window_pixels(display, window)
    offset = height - round(MAIN_CLIENT[1] * scale)
    left, top, across, down = OUTLINE
    thicknesses = set()
    for part in (0.25, 0.5, 0.75):
        x = round(twips(left + int(across * part)) * scale)
        y = offset + round(twips(top + int(down * part)) * scale)
        for name, line in (("down", [at(x, v) for v in range(height)]),
                           ("across", [at(u, y) for u in range(width)])):
            runs = []
            for i, colour in enumerate(line):
                if colour != GOLD:
                    continue
                if runs and runs[-1][0] + runs[-1][1] == i:
                    runs[-1][1] += 1
                else:
                    runs.append([i, 1])
            check(len(runs) == 2, "at %d %% %s the outline has %d edges: %r" %
                  (part * 100, name, len(runs), runs))
            thicknesses.update(length for _, length in runs)
    check(len(thicknesses) == 1, "the outline's edges are %r pixels thick" % thicknesses)


def colours_as_on_linux(ctx):
    """The reading button and the date lists wear their own colours, which
    the native Windows styles would paint over in white; at 150 % (144 dpi)
    the gold outline around a reading keeps its four edges; at 200 % the
    main window, wider than the screen, opens at its left edge."""
    wine, display = ctx.wine(), ctx.display
    app = wine.start([ctx.program])
    window = wait_main(display, app)
    offset = client_offset(display, window)
    time.sleep(1)
    page = (50, 480)
    button = pixel(display, window, twips(page[0] + 2970) + 6,
                   offset + twips(page[1] + 3600 + 200))
    # Light blue, shaded by the style; a native Windows button is grey.
    check(button[2] > 200 and button[2] - button[0] > 50 and button[2] - button[1] > 20,
          "the reading button's face is %r" % (button,))
    month = pixel(display, window, twips(page[0] + 4129) + 4,
                  offset + twips(page[1] + 2760 + 157))
    # Dark red-brown; a native Windows list is white.
    check(month[0] < 128 and month[1] < 48 and month[2] < 48, "the month list is %r" % (month,))
    orderly_end(display, app, window)

    # 150 %, as most Windows laptops come, and 200 %, where the windows are
    # wider than this 1280 pixel screen: the screen's dots per inch, read
    # when the prefix's wineserver starts.
    for dpi, scale in ((144, 1.5), (192, 2.0)):
        wine.run(["reg", "add", r"HKCU\Control Panel\Desktop", "/v", "LogPixels", "/t",
                  "REG_DWORD", "/d", str(dpi), "/f"])
        subprocess.run(["wineserver", "-k"], env=wine.environment(), timeout=WAIT, check=False)
        wine.wait_server()
        app = wine.start([ctx.program])
        window = wait_main(display, app, scale)
        time.sleep(1)
        if dpi == 144:  # a name, then the reading button by its access key
            press(display, window, "A", "n", "n", "alt+g")
            time.sleep(1)
            outline_edges(display, window, 1.5)
        else:  # a window wider than the screen opens at its top-left corner
            where = display.xdotool("getwindowgeometry", str(window))
            spot = re.search(r"Position: (-?\d+),(-?\d+)", where)
            check(spot and 0 <= int(spot[1]) <= 8 and int(spot[2]) >= 0, "opened at " + where)
        orderly_end(display, app, window, scale)


def pe_facts(path):
    """(subsystem, resource type ids) of a 64-bit Windows executable."""
    import struct

    with open(path, "rb") as f:
        data = f.read()
    pe = struct.unpack_from("<I", data, 0x3C)[0]
    check(data[pe:pe + 4] == b"PE\0\0", "%s is no Windows executable" % path)
    sections, optional_size = struct.unpack_from("<H", data, pe + 6)[0], \
        struct.unpack_from("<H", data, pe + 20)[0]
    optional = pe + 24
    check(struct.unpack_from("<H", data, optional)[0] == 0x20B, "not a 64-bit executable")
    subsystem = struct.unpack_from("<H", data, optional + 68)[0]
    resource_rva = struct.unpack_from("<I", data, optional + 112 + 2 * 8)[0]

    def file_offset(rva):
        for i in range(sections):
            header = optional + optional_size + 40 * i
            size, address, _, raw = struct.unpack_from("<IIII", data, header + 8)
            if address <= rva < address + max(size, 1):
                return raw + rva - address
        raise Failure("address %#x lies in no section" % rva)

    types = set()
    icon_sizes = []
    if resource_rva:
        root = file_offset(resource_rva)

        def entries(directory):
            """(id, offset of the entry's data from the root, is a directory)"""
            named, numbered = struct.unpack_from("<HH", data, directory + 12)
            for i in range(named + numbered):
                name, target = struct.unpack_from("<II", data, directory + 16 + 8 * i)
                yield name, target & 0x7FFFFFFF, bool(target & 0x80000000)

        def leaves(directory):
            for _, target, is_directory in entries(directory):
                if is_directory:
                    yield from leaves(root + target)
                else:
                    yield struct.unpack_from("<II", data, root + target)  # RVA, size

        for kind, target, _ in entries(root):
            types.add(kind)
            if kind == 14:  # RT_GROUP_ICON: the sizes of the icon's pictures
                for rva, _ in leaves(root + target):
                    group = file_offset(rva)
                    count = struct.unpack_from("<H", data, group + 4)[0]
                    icon_sizes += [data[group + 6 + 14 * i] or 256 for i in range(count)]
    return subsystem, types, sorted(icon_sizes)


def version_strings(data, version):
    """The keys of a version block whose value is `version`: each string is
    key, padding to four bytes, value."""
    found = set()
    for key in ("FileVersion", "ProductVersion"):
        entry = re.escape((key + "\0").encode("utf-16-le")) + b"(?:\0\0)?" + \
            re.escape((version + "\0").encode("utf-16-le"))
        if re.search(entry, data):
            found.add(key)
    return found


def manifest_entries(data):
    """A function giving the values of the elements of that local name in
    the application manifest embedded in a program."""
    import xml.etree.ElementTree as ET

    manifest = re.search(rb"<assembly .*?</assembly>", data, re.S)
    check(manifest, "no manifest text in the program")
    root = ET.fromstring(manifest.group(0))
    return lambda name: [e.text or e.get("level") or e.get("Id") for e in root.iter()
                         if e.tag.rsplit("}", 1)[-1] == name]


def executable_is_a_gui_program(ctx):
    """No console window, the icon in Explorer in every size Windows asks
    for at 100 to 200 %, the manifest and the version block; the installer's
    version block, and a manifest that asks for no administrator rights."""
    for path in (ctx.installer, ctx.program):
        subsystem, types, icon_sizes = pe_facts(path)
        check(subsystem == 2 and {16, 24} <= types,
              "%s: subsystem %d, resource types %r" % (path, subsystem, types))
        with open(path, "rb") as f:
            data = f.read()
        check(version_strings(data, VERSION) == {"FileVersion", "ProductVersion"},
              "%s: the version block lacks %s" % (path, VERSION))
        texts = manifest_entries(data)
        check(texts("requestedExecutionLevel") == ["asInvoker"],
              "%s: execution level %r" % (path, texts("requestedExecutionLevel")))
    check({3, 14} <= types and icon_sizes == [16, 20, 24, 32, 40, 48, 64, 256],
          "the executable's icon holds the sizes %r" % icon_sizes)
    for name, wanted in (("supportedOS", "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"),
                         ("dpiAwareness", "PerMonitorV2,PerMonitor"), ("longPathAware", "true")):
        found = [t.replace(" ", "") for t in texts(name)]
        check(found == [wanted], "the manifest's %s is %r" % (name, found))


def files_under(folder):
    """{relative path with /: size} of every file below folder."""
    return {os.path.relpath(path, folder).replace(os.sep, "/"): os.path.getsize(path)
            for path in glob.glob(os.path.join(folder, "**"), recursive=True)
            if os.path.isfile(path)}


def install_and_uninstall(ctx):
    """Per user by default, for all users with /AllUsers, never both; run again it updates
    the copy where it is, given another folder it moves it; neither installing over nor
    uninstalling a running Aurivane touches it; uninstalling leaves only the reminder date."""
    wine, display = ctx.wine(), ctx.display
    installer = '"Z:%s"' % ctx.installer.replace("/", "\\")
    size = os.path.getsize(ctx.installer)
    check(size <= 12 * 1024 * 1024, "the installer has %.1f MB" % (size / 1048576))
    listed = subprocess.run(["sha256sum", "--check", "--strict", "SHA256SUMS"],
                            cwd=os.path.dirname(ctx.installer), capture_output=True, text=True)
    check(listed.returncode == 0 and ".exe: OK" in listed.stdout and ".zip: OK" in listed.stdout,
          "SHA256SUMS: %s%s" % (listed.stdout, listed.stderr))
    shipped = files_under(os.path.dirname(os.path.dirname(ctx.program)))
    check(LICENCES <= set(shipped), "the ZIP lacks %r" % (LICENCES - set(shipped)))
    user_entry = "HKEY_CURRENT_USER\\" + ENTRY
    machine_entry = "HKEY_LOCAL_MACHINE\\" + ENTRY
    elsewhere = r"C:\My Apps\Aurivane"

    def command(*lines):
        """Their exit code, run as typed in a command prompt: Wine would quote /D= and _?=."""
        bat = os.path.join(wine.root, "command.bat")
        with open(bat, "w") as f:
            f.write("".join("@%s\r\n" % line for line in lines) + "@echo exit %ERRORLEVEL%\r\n")
        out = wine.run(["cmd", "/c", "Z:" + bat.replace("/", "\\")], timeout=300).stdout
        return int(re.findall(rb"exit (-?\d+)", out)[-1])  # IndexError: cmd ended early

    def left(*places):
        """Which of the places (folders, registry keys or None), the two
        Apps & features entries and the two Start-menu entries exist."""
        return [p for p in places if p and (os.path.exists(wine.unix_path(p)) if p[1] == ":"
                                            else wine.registry(p) is not None)] + \
            [k for k in (user_entry, machine_entry) if wine.registry(k) is not None] + \
            [s for p in ("users/*/AppData/Roaming", "ProgramData") for s in glob.glob(
                os.path.join(wine.prefix, "drive_c", p, "Microsoft/Windows/Start Menu/Programs",
                             "Aurivane.lnk"))]

    def installed(options, entry_key, location):
        """Installs with the options; the folder and the complete Apps & features entry."""
        check(command(installer + options) == 0, "installing with %r failed" % options)
        entry = wine.registry(entry_key)
        check(entry and re.fullmatch(location, entry.get("InstallLocation", "")),
              "no Apps & features entry %s for %s: %r" % (entry_key, location, entry))
        location = entry["InstallLocation"]
        folder = wine.unix_path(location)
        files = files_under(folder)
        check(set(files) == set(shipped) | {"Uninstall.exe"},
              "installed files differ from the ZIP's: %r" % (set(files) ^ set(shipped)))
        uninstaller = location + "\\Uninstall.exe"
        expected = {"DisplayName": "Aurivane", "DisplayVersion": VERSION, "Publisher": "Quillmoor",
                    "DisplayIcon": location + "\\bin\\aurivane.exe",
                    "UninstallString": '"%s"' % uninstaller,
                    "QuietUninstallString": '"%s" /S' % uninstaller,
                    "URLInfoAbout": SITE + "/aurivane/", "NoModify": 1, "NoRepair": 1}
        wrong = {k: entry.get(k) for k, v in expected.items() if entry.get(k) != v}
        check(not wrong, "entry values %r" % wrong)
        kilobytes = sum(files.values()) / 1024
        check(abs(entry.get("EstimatedSize", 0) - kilobytes) < 0.05 * kilobytes,
              "EstimatedSize %r for %d KB" % (entry.get("EstimatedSize"), kilobytes))
        check(len(now := left(location)) == 3, "installed, there are %r" % now)
        return folder, entry

    def uninstall(folder):
        """As Apps & features does; it returns before it is done."""
        wine.run([os.path.join(folder, "Uninstall.exe"), "/S"])
        wait_for("the uninstaller to finish",
                 lambda: not os.path.exists(os.path.join(folder, "Uninstall.exe")), WAIT)
        wine.wait_server()

    # Wine passes for Windows 7, which Qt 6 no longer runs on: the installer
    # refuses it (and anything before Windows 10 version 1703).
    check([command(installer + " /S"), now := left()] == [1150, []],
          "the installer did not refuse Windows 7 with 1150: %r" % now)
    wine.run(["winecfg", "-v", "win10"])
    wine.wait_server()

    # For the current user: under the user's profile, no elevation; for all
    # users as well, it would be a second "Aurivane": refused.
    _, first = installed(" /S", user_entry, r".*\\AppData\\Local\\Programs\\Aurivane")
    check([command(installer + " /S /AllUsers"), len(now := left())] == [1638, 2],
          "a second Aurivane for all users: %r" % now)

    # Given another folder, it moves there: the first copy goes, with the
    # folder it created. Run again, it updates that copy where it is.
    installed(" /S /D=" + elsewhere, user_entry, re.escape(elsewhere))
    remains = left(first["InstallLocation"], first.get("CreatedFolder"))
    check(len(remains) == 2, "moved, but there are %r" % remains)
    folder, entry = installed(" /S", user_entry, re.escape(elsewhere))

    # While it runs, installing over it, moving it and uninstalling it all
    # refuse and change nothing. The uninstaller runs as a copy outside the
    # folder with _?=, which makes it wait and pass on its exit code.
    app = wine.start([os.path.join(folder, "bin", "aurivane.exe")])
    window = wait_main(display, app)
    stored = wait_for("the stored reminder date", wine.duration, WAIT)
    before = files_under(folder)
    check([command(installer + " /S"), command(installer + r" /S /D=C:\Moved\Aurivane")] == [2, 2],
          "installing over the running program or moving it did not end with 2")
    check(command('copy "%s\\Uninstall.exe" "%%TEMP%%"' % elsewhere,
                  '"%%TEMP%%\\Uninstall.exe" /S _?=%s' % elsewhere) == 2,
          "uninstalling the running program did not end with 2")
    check(files_under(folder) == before and wine.registry(user_entry) == entry
          and len(left(r"C:\Moved")) == 2, "the installation changed while it ran")
    orderly_end(display, app, window)
    again = wine.start([os.path.join(folder, "bin", "aurivane.exe")])
    orderly_end(display, again, wait_main(display, again))

    # Closed, it goes without a trace but the reminder date.
    uninstall(folder)
    remains = left(elsewhere, entry.get("CreatedFolder"), first["InstallLocation"],
                   r"HKEY_CURRENT_USER\Software\Quillmoor")
    check(not remains, "uninstalling left %r" % remains)
    check(wine.duration() == stored, "uninstalling lost the stored reminder date")

    # For all users: Program Files and HKLM; for the current user as well,
    # it would be a second "Aurivane": refused, and nothing changed.
    folder, entry = installed(" /S /AllUsers", machine_entry,
                              re.escape(r"C:\Program Files\Aurivane"))
    check([command(installer + " /S"), len(now := left())] == [1638, 2],
          "a second Aurivane for the current user: %r" % now)
    uninstall(folder)
    remains = left(entry["InstallLocation"], r"HKEY_LOCAL_MACHINE\Software\Quillmoor")
    check(not remains, "uninstalling for all users left %r" % remains)


SCENARIOS = [
    executable_is_a_gui_program,
    first_start_then_same_day,
    reminder_fifteen_days_later,
    second_instance_refused,
    links_open_their_pages,
    refer_a_friend_address,
    support_screen_on_top,
    colours_as_on_linux,
    install_and_uninstall,
]


# --- the run --------------------------------------------------------------------

class Context:
    def __init__(self, root, display, program, installer, faketime):
        self.root = root
        self.display = display
        self.program = program
        self.installer = installer
        self.faketime = faketime
        self.count = 0
        self.prefixes = []

    def wine(self):
        """A fresh Wine prefix: every scenario starts from a new user."""
        self.count += 1
        prefix = Wine(self.root, self.display, "wine%d" % self.count)
        self.prefixes.append(prefix)
        return prefix

    def clean_up(self):
        for prefix in self.prefixes:
            prefix.clean_up()
        self.prefixes = []


def mingw_runtime_folders():
    folders = []
    for dll in ("libstdc++-6.dll", "libwinpthread-1.dll"):
        path = subprocess.run(["x86_64-w64-mingw32-g++-posix", "-print-file-name=" + dll],
                              capture_output=True, text=True, check=True).stdout.strip()
        folders.append(os.path.dirname(os.path.abspath(path)))
    return folders


def run_suites(build, qt, display, root, wanted):
    """Every QtTest executable of the build; returns [(name, passed, detail)]."""
    suites = sorted(glob.glob(os.path.join(build, "tests", "**", "tst_*.exe"), recursive=True))
    suites = [s for s in suites if not wanted or os.path.basename(s)[:-4] in wanted]
    if not suites:
        return []
    wine = Wine(root, display, "suites")
    path = ";".join("Z:" + f.replace("/", "\\") for f in [os.path.join(qt, "bin")] +
                    mingw_runtime_folders())
    results = []
    try:
        for suite in suites:
            name = os.path.basename(suite)[:-4]
            out = os.path.join(wine.root, name + ".txt")
            started = time.monotonic()
            try:
                # Its output is the file. Wine gives a console program a
                # console host, which now and then outlives the suite that
                # ended: a pipe it holds would never reach its end.
                result = wine.run([suite, "-o", "Z:" + out.replace("/", "\\") + ",txt"],
                                  timeout=SUITE_TIMEOUT, output=subprocess.DEVNULL,
                                  WINEPATH=path, QT_QPA_PLATFORM="offscreen")
                code = result.returncode
            except subprocess.TimeoutExpired:
                code = "timeout"
            text = ""
            if os.path.exists(out):
                with open(out, encoding="utf-8", errors="replace") as f:
                    text = f.read()
            totals = re.search(r"Totals: (\d+) passed, (\d+) failed, (\d+) skipped", text)
            # A skipped test is no pass.
            passed = code == 0 and totals is not None and totals.group(2, 3) == ("0", "0")
            detail = totals.group(0) if totals else "no totals (exit %s)" % code
            print("%s %s: %s (%.0f s)" % ("PASS" if passed else "FAIL", name, detail,
                                         time.monotonic() - started), flush=True)
            if not passed:
                failures = [line for line in text.splitlines()
                            if line.startswith("FAIL!") or line.lstrip().startswith("Loc:")]
                print("\n".join("    " + line for line in failures[:20]) or text[-2000:],
                      flush=True)
            results.append((name, passed))
    finally:
        wine.clean_up()
    return results


def unpack_zip(build, root):
    archives = glob.glob(os.path.join(build, "Aurivane-*-win64.zip"))
    check(len(archives) == 1, "expected one ZIP in %s, found %r" % (build, archives))
    with zipfile.ZipFile(archives[0]) as archive:
        archive.extractall(os.path.join(root, "portable"))
    programs = glob.glob(os.path.join(root, "portable", "*", "bin", "aurivane.exe"))
    check(len(programs) == 1, "no bin/aurivane.exe in the ZIP")
    return programs[0]


def faketime_library():
    found = glob.glob("/usr/lib/*/faketime/libfaketime.so.1")
    return found[0] if found else None


def main(argv):
    if len(argv) < 3:
        print(__doc__, file=sys.stderr)
        return 2
    build, qt = os.path.abspath(argv[1]), os.path.abspath(argv[2])
    wanted = set(argv[3:])
    root = tempfile.mkdtemp(prefix="aurivane-wine-")
    display = Display()
    window_manager = subprocess.Popen(["openbox"], env={**os.environ, "DISPLAY": display.name},
                                      stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    passed = failed = 0
    try:
        for _, ok in run_suites(build, qt, display, root, wanted):
            passed, failed = passed + ok, failed + (not ok)

        scenarios = [s for s in SCENARIOS if not wanted or s.__name__ in wanted]
        if scenarios:
            program = unpack_zip(build, root)
            installers = glob.glob(os.path.join(build, "Aurivane-*-win64.exe"))
            context = Context(root, display, program, installers[0] if installers else "",
                              faketime_library())
            for scenario in scenarios:
                started = time.monotonic()
                try:
                    scenario(context)
                    print("PASS %s (%.0f s)" % (scenario.__name__, time.monotonic() - started),
                          flush=True)
                    passed += 1
                except (Failure, subprocess.TimeoutExpired, OSError) as failure:
                    print("FAIL %s: %s" % (scenario.__name__, failure), flush=True)
                    failed += 1
                except Exception:  # a fault in the scenario itself: fail it, run the rest
                    print("FAIL %s: %s" % (scenario.__name__, traceback.format_exc()),
                          flush=True)
                    failed += 1
                finally:
                    context.clean_up()
    finally:
        window_manager.terminate()
        display.stop()
        shutil.rmtree(root, ignore_errors=True)
    print("windows: %d passed, %d failed" % (passed, failed))
    return 0 if failed == 0 and passed > 0 else 1


if __name__ == "__main__":
    sys.exit(main(sys.argv))
