#!/usr/bin/env python3
"""Starts the real aurivane program on a private X display and checks what
only a real process shows: the single-instance lock, the settings file, the
address the browser launcher receives, the hand-over to the support screen
the exit status, and under a real window manager (openbox) the stacking of
the support screen and its message boxes.

Usage: aurivane_process.py <path to aurivane> <scenario> [2030]

With "2030" the program runs with its clock moved to 10 January 2030
(libfaketime): a year ending in 0, whose shifted "0" is U+0085.

Every wait is bounded; a scenario that cannot finish fails instead of
hanging. Needs Xvfb, xdotool and weston; talks to the X server through libX11 to
close windows the way a window frame does (WM_DELETE_WINDOW).
"""

import ctypes
import datetime
import glob
import json
import os
import re
import select
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import urllib.parse

try:  # python3-xlib, for the scenarios under a window manager or weston
    from Xlib import X, Xatom, display as xdisplay
except ImportError:
    X = Xatom = xdisplay = None

# Seconds for anything to happen; slow runs (valgrind) raise it.
WAIT = float(os.environ.get("AURIVANE_PROCESS_WAIT", "15"))
MAIN_TITLE = "Aurivane v1.20"
MESSAGE_TITLE = "Aurivane"
SUPPORT_SIZE = (741, 315)  # 11115 x 4725 twips
EXIT_BUTTON_CENTRE = (441, 196)  # "E&xit": 6000, 2760, 1245 x 375 twips
FAKE_TODAY = datetime.date(2030, 1, 10)


class Failure(Exception):
    pass


def check(condition, what):
    if not condition:
        raise Failure(what)


def wait_for(what, probe, timeout=WAIT):
    deadline = time.monotonic() + timeout
    while True:
        result = probe()
        if result:
            return result
        if time.monotonic() > deadline:
            raise Failure("timed out waiting for " + what)
        time.sleep(0.1)


# --- the X display ---------------------------------------------------------

class Display:
    def __init__(self, *options):
        read_end, write_end = os.pipe()
        self.server = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-nolisten", "tcp",
             *(options or ("-screen", "0", "1280x1024x24"))],
            pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        number = b""
        while not number.endswith(b"\n"):
            check(select.select([read_end], [], [], WAIT)[0], "Xvfb did not report its display")
            chunk = os.read(read_end, 16)
            check(chunk, "Xvfb ended at start, or closed its display pipe")
            number += chunk
        os.close(read_end)
        self.name = ":" + number.decode().strip()
        xlib = ctypes.CDLL("libX11.so.6")
        xlib.XOpenDisplay.restype = ctypes.c_void_p
        xlib.XOpenDisplay.argtypes = [ctypes.c_char_p]
        xlib.XInternAtom.restype = ctypes.c_ulong
        xlib.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
        xlib.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int,
                                    ctypes.c_long, ctypes.c_void_p]
        xlib.XFlush.argtypes = [ctypes.c_void_p]
        xlib.XCloseDisplay.argtypes = [ctypes.c_void_p]
        self.xlib = xlib
        self.dpy = xlib.XOpenDisplay(self.name.encode())
        check(self.dpy, "cannot open display " + self.name)

    def close_window(self, window):
        """What the close button of a window frame does: WM_DELETE_WINDOW."""

        class ClientMessage(ctypes.Structure):
            _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong),
                        ("send_event", ctypes.c_int), ("display", ctypes.c_void_p),
                        ("window", ctypes.c_ulong), ("message_type", ctypes.c_ulong),
                        ("format", ctypes.c_int), ("data", ctypes.c_long * 5)]

        class Event(ctypes.Union):
            _fields_ = [("xclient", ClientMessage), ("pad", ctypes.c_long * 24)]

        event = Event()
        event.xclient.type = 33  # ClientMessage
        event.xclient.window = window
        event.xclient.message_type = self.xlib.XInternAtom(self.dpy, b"WM_PROTOCOLS", 0)
        event.xclient.format = 32
        event.xclient.data[0] = self.xlib.XInternAtom(self.dpy, b"WM_DELETE_WINDOW", 0)
        event.xclient.data[1] = 0  # CurrentTime
        check(self.xlib.XSendEvent(self.dpy, window, 0, 0, ctypes.byref(event)) != 0,
              "XSendEvent failed")
        self.xlib.XFlush(self.dpy)

    def xdotool(self, *args, tool="xdotool"):
        result = subprocess.run([tool, *args], env={**os.environ, "DISPLAY": self.name},
                                capture_output=True, text=True, timeout=WAIT)
        return result.stdout

    def xrandr(self, *args):
        return self.xdotool(*args, tool="xrandr")

    def windows(self, pid, title):
        """Visible windows of the process with exactly this title."""
        out = self.xdotool("search", "--all", "--onlyvisible", "--pid", str(pid),
                           "--name", "^" + re.escape(title) + "$")
        return [int(w) for w in out.split()]

    def size(self, window):
        out = self.xdotool("getwindowgeometry", str(window))
        match = re.search(r"Geometry: (\d+)x(\d+)", out)
        return (int(match.group(1)), int(match.group(2))) if match else None

    def click(self, window, x, y):
        self.xdotool("mousemove", "--window", str(window), str(x), str(y), "click", "1")

    def stop(self):
        self.xlib.XCloseDisplay(self.dpy)
        self.server.terminate()
        try:
            self.server.wait(timeout=WAIT)
        except subprocess.TimeoutExpired:
            self.server.kill()
            self.server.wait(timeout=WAIT)


def cleared_variables():
    """The variables no test inherits from the developer's environment:
    tests/environment.txt, one name a line."""
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "environment.txt")
    with open(path, encoding="utf-8") as listing:
        lines = (line.split("#", 1)[0].strip() for line in listing)
        return [line for line in lines if line]


def with_changes(env, changes):
    """`env` with each of `changes` set, or removed where its value is None."""
    for key, value in changes.items():
        if value is None:
            env.pop(key, None)
        else:
            env[key] = value
    return env


# --- the browser ---------------------------------------------------------------

def fake_opener(folder, log):
    """An xdg-open in `folder` that only appends the address it is handed to
    `log`, one line each."""
    opener = os.path.join(folder, "xdg-open")
    with open(opener, "w", encoding="utf-8") as f:
        f.write('#!/bin/sh\nprintf "%%s\\n" "$*" >> "%s"\n' % log)
    os.chmod(opener, 0o755)


def read_opened(log):
    """The addresses a fake xdg-open was handed, in order."""
    if not os.path.exists(log):
        return []
    with open(log, encoding="utf-8") as f:
        return f.read().splitlines()


# --- one user's world -------------------------------------------------------

class World:
    """A temporary HOME, configuration and runtime folder, and a fake
    xdg-open that records the addresses it is handed."""

    def __init__(self, program, display):
        self.program = program
        self.display = display
        self.root = tempfile.mkdtemp(prefix="aurivane-process-")
        self.home = self._folder("home")
        self.config = self._folder("config")
        self.runtime = self._folder("runtime")
        os.chmod(self.runtime, 0o700)
        self.bin = self._folder("bin")
        self.opened_log = os.path.join(self.root, "opened.txt")
        fake_opener(self.bin, self.opened_log)
        self.processes = []
        self.fake_today = None

    def today(self):
        return self.fake_today or datetime.date.today()

    def _folder(self, name):
        path = os.path.join(self.root, name)
        os.makedirs(path)
        return path

    @property
    def settings_file(self):
        return self.settings_file_of("aurivane")

    def settings_file_of(self, program_name):
        return os.path.join(self.config, program_name, program_name + ".conf")

    def environment(self, **changes):
        env = {
            "PATH": self.bin + os.pathsep + os.environ.get("PATH", "/usr/bin:/bin"),
            "HOME": self.home,
            "XDG_CONFIG_HOME": self.config,
            "XDG_RUNTIME_DIR": self.runtime,
            "DISPLAY": self.display.name,
            "QT_QPA_PLATFORM": "xcb",
            "LANG": "en_US.UTF-8",
            "LC_ALL": "en_US.UTF-8",
            "NO_AT_BRIDGE": "1",
        }
        # The program's "today" is the one these scenarios compare with.
        if "TZ" in os.environ:
            env["TZ"] = os.environ["TZ"]
        if self.fake_today:
            env["LD_PRELOAD"] = faketime_library()
            env["FAKETIME"] = "@%s 12:00:00" % self.fake_today.isoformat()
            # The sanitizer runtime wants to be loaded first; here it cannot.
            env["ASAN_OPTIONS"] = "verify_asan_link_order=0"
        return with_changes(env, changes)

    def start(self, preexec=None, program=None, **changes):
        process = subprocess.Popen([program or self.program], env=self.environment(**changes),
                                   stdout=subprocess.DEVNULL, stderr=subprocess.PIPE,
                                   preexec_fn=preexec)
        self.processes.append(process)
        return process

    def opened(self):
        return read_opened(self.opened_log)

    def clean_up(self):
        for process in self.processes:
            if process.poll() is None:
                process.kill()
            try:
                process.wait(timeout=WAIT)
            except subprocess.TimeoutExpired:
                pass
        shutil.rmtree(self.root, ignore_errors=True)


# --- the settings file ------------------------------------------------------

# The characters the scenarios store, plain and as the program stores them
# (each code 85 up): the name "Duration" and the digits and slash of a date.
PLAIN = "Duration0123456789/"
STORED = "\x99\xca\xc7\xb6\xc9\xbe\xc4\xc3\x85\x86\x87\x88\x89\x8a\x8b\x8c\x8d\x8e\x84"
# The name as the settings file spells it: each character outside ASCII as %XX.
STORED_NAME = "%99%CA%C7%B6%C9%BE%C4%C3"


def shift(text, by):
    """`text` stored (by 85) or read back (by -85); other characters stay."""
    return text.translate(str.maketrans(*((PLAIN, STORED) if by > 0 else (STORED, PLAIN))))


def faketime_library():
    found = glob.glob("/usr/lib/*/faketime/libfaketime.so.1")
    check(found, "libfaketime is not installed")
    return found[0]


def read_duration(world, program_name="aurivane"):
    """The decoded "Duration" of the settings file, or None."""
    path = world.settings_file_of(program_name)
    if not os.path.exists(path):
        return None
    with open(path, encoding="utf-8") as f:
        # Split on "\n" only and strip nothing: the shifted digit 0 is U+0085,
        # which splitlines() and strip() take for a line break and a blank.
        lines = f.read().split("\n")
    check("[Settings]" in lines, "no [Settings] section in " + repr(lines))
    for line in lines:
        name, sep, value = line.partition("=")
        if sep and name == STORED_NAME:
            return shift(value, -85)
    return None


def write_duration(world, plain):
    write_stored_duration(world, shift(plain, 85))


def write_stored_duration(world, stored):
    """Writes the stored (already shifted) form of "Duration" as it is."""
    os.makedirs(os.path.dirname(world.settings_file), exist_ok=True)
    with open(world.settings_file, "w", encoding="utf-8") as f:
        f.write("[Settings]\n%s=%s\n" % (STORED_NAME, stored))


def short_date(day):
    # en_US short date with the four-digit year the program always writes.
    return "%d/%d/%d" % (day.month, day.day, day.year)


# --- helpers over the program's windows -----------------------------------

def main_window(display, process, title=MAIN_TITLE, what="the main window"):
    def probe():
        check(process.poll() is None, "the program ended early: %s" % stderr_of(process))
        return display.windows(process.pid, title)
    return wait_for(what, probe)[0]


def message_box(display, process):
    return main_window(display, process, MESSAGE_TITLE, "a message box")


def stderr_of(process):
    try:
        return process.stderr.read().decode(errors="replace") if process.poll() is not None else ""
    except (OSError, ValueError):
        return ""


def exit_status(process):
    try:
        return process.wait(timeout=WAIT)
    except subprocess.TimeoutExpired:
        raise Failure("the program did not end")


def refused(display, process):
    """A refused start shows its message, and ends with 0 once it is closed."""
    box = message_box(display, process)
    check(not display.windows(process.pid, MAIN_TITLE), "a refused start showed its main window")
    display.close_window(box)
    check(exit_status(process) == 0, "a refused start ended with %s" % process.returncode)


# --- scenarios ---------------------------------------------------------------

def first_start_and_orderly_end(world, display, remove_settings=False):
    """With `remove_settings`, the settings folder is removed while it runs."""
    before = world.today()
    app = world.start()
    window = main_window(display, app)
    stored = wait_for("the reminder date", lambda: read_duration(world))
    check(stored in (short_date(before), short_date(world.today())),
          "stored date %r is not today" % stored)
    check(world.opened() == [], "the first start opened %r" % world.opened())
    if remove_settings:
        shutil.rmtree(os.path.dirname(world.settings_file))
        stored = None
    end_via_support_screen(display, app, window)
    check(read_duration(world) == stored, "the exit changed the stored date")


def second_instance_refused(world, display):
    # Without a runtime folder the lock goes into a folder of its own below
    # TMPDIR, which the first start creates.
    os.makedirs(os.path.join(world.root, "tmp"))
    lockless = {"XDG_RUNTIME_DIR": None, "TMPDIR": os.path.join(world.root, "tmp")}
    first = world.start(**lockless)
    first_window = main_window(display, first)
    lock = os.path.join(world.root, "tmp", "aurivane-%d" % os.getuid(), "aurivane.lock")
    check(os.path.exists(lock), "no lock at " + lock)
    wait_for("the reminder date", lambda: read_duration(world))
    with open(world.settings_file, "rb") as f:
        settings_before = f.read()

    second = world.start(**lockless)
    refused(display, second)
    check(first.poll() is None, "the first instance ended")
    check(display.windows(first.pid, MAIN_TITLE) == [first_window],
          "the first instance's main window changed")
    with open(world.settings_file, "rb") as f:
        check(f.read() == settings_before, "the refused start touched the settings")

    # Once the first instance is killed outright, its lock no longer counts.
    first.send_signal(signal.SIGKILL)
    first.wait(timeout=WAIT)
    reach_main_window(display, world.start(**lockless), question=False)


def reminder_yes_opens_download_page(world, display):
    old = world.today() - datetime.timedelta(days=15)
    write_duration(world, short_date(old))
    app = world.start()
    question = message_box(display, app)
    # The question comes before the main window.
    check(not display.windows(app.pid, MAIN_TITLE), "main window shown before the question")
    # Yes is the default button.
    display.xdotool("windowfocus", "--sync", str(question), "key", "--clearmodifiers", "Return")
    main_window(display, app)
    opened = wait_for("the download page", world.opened)
    check(len(opened) == 1, "opened %r" % opened)
    address = urllib.parse.urlsplit(opened[0])
    check(address.path.endswith("/aurivane/ssd.php") and address.query == "page=download-web-page",
          "opened %r" % opened[0])
    today = world.today()
    check(read_duration(world) in (short_date(today), short_date(old + datetime.timedelta(15))),
          "stored %r" % read_duration(world))


# --- bad input and failing surroundings -------------------------------------

def end_via_support_screen(display, app, window):
    """Closing the main window by its frame brings up the support screen in
    its place; its "E&xit" ends the program, successfully."""
    display.close_window(window)
    support = wait_for("the support screen", lambda: [
        w for w in display.windows(app.pid, MAIN_TITLE) if display.size(w) == SUPPORT_SIZE])
    check(len(display.windows(app.pid, MAIN_TITLE)) == 1, "the main window is still on screen")
    check(app.poll() is None, "closing the main window ended the program")
    display.click(support[0], *EXIT_BUTTON_CENTRE)
    check(exit_status(app) == 0, "exit status %s: %s" % (app.returncode, stderr_of(app)))


def reach_main_window(display, app, question):
    """Waits for the main window; a reminder question on the way is closed by
    its frame (No). `question`: True when one must come, False when none
    may, None when either is fine. Returns the main window."""
    def probe():
        check(app.poll() is None, "the program ended early: %s" % stderr_of(app))
        boxes = display.windows(app.pid, MESSAGE_TITLE)
        if boxes:
            return ("question", boxes[0])
        mains = display.windows(app.pid, MAIN_TITLE)
        return ("main", mains[0]) if mains else None
    kind, window = wait_for("the main window or a question", probe)
    if kind == "question":
        check(question is not False, "an unexpected message came up")
        display.close_window(window)
        window = main_window(display, app)
    else:
        check(question is not True, "the reminder question did not come")
    check(not display.windows(app.pid, MESSAGE_TITLE), "a message is still open")
    return window


def runs_and_ends(world, display, question=False, stores_today=False, **changes):
    before = world.today()
    app = world.start(**changes)
    window = reach_main_window(display, app, question)
    if stores_today:
        check(read_duration(world) in (short_date(before), short_date(world.today())),
              "stored %r instead of today" % read_duration(world))
    end_via_support_screen(display, app, window)
    check(world.opened() == [], "opened %r" % world.opened())


def settings_garbage_bytes(world, display):
    os.makedirs(os.path.dirname(world.settings_file))
    garbage = bytes(range(256)) * 4 + b"\n[Settings\n=\n\xff\xfe[\x00]=\\x\\\n" + os.urandom(4096)
    with open(world.settings_file, "wb") as f:
        f.write(garbage)
    runs_and_ends(world, display, question=None)


def folders_in_the_way(world, display):
    # Folders where the settings file and the single-instance lock go.
    os.makedirs(world.settings_file)
    os.makedirs(os.path.join(world.runtime, "aurivane.lock"))
    runs_and_ends(world, display)
    check(os.path.isdir(world.settings_file), "the folder was replaced")


def config_folder_is_file(world, display):
    # The program's own configuration folder is taken by a regular file.
    folder = os.path.dirname(world.settings_file)
    with open(folder, "w", encoding="utf-8") as f:
        f.write("not a folder\n")
    runs_and_ends(world, display)
    with open(folder, encoding="utf-8") as f:
        check(f.read() == "not a folder\n", "the file in the way was changed")


def nothing_below_a_file(world, display):
    # Nothing can be created below a regular file, not even by root: neither
    # the settings nor the lock.
    blocker = os.path.join(world.root, "blocker")
    with open(blocker, "w", encoding="utf-8") as f:
        f.write("x")
    runs_and_ends(world, display, XDG_CONFIG_HOME=os.path.join(blocker, "config"),
                  XDG_RUNTIME_DIR=os.path.join(blocker, "runtime"),
                  TMPDIR=os.path.join(blocker, "tmp"))


def odd_duration(stored, question):
    def scenario(world, display):
        write_stored_duration(world, stored)
        runs_and_ends(world, display, question, stores_today=True)
    return scenario


def twenty_simultaneous_starts(world, display):
    starts = [world.start() for _ in range(20)]
    settled = {}

    def probe():
        for p in starts:
            if p.pid in settled:
                continue
            check(p.poll() is None, "a start ended before settling: %s" % stderr_of(p))
            if display.windows(p.pid, MAIN_TITLE):
                settled[p.pid] = "main"
            elif display.windows(p.pid, MESSAGE_TITLE):
                settled[p.pid] = "box"
        return len(settled) == len(starts)
    wait_for("all twenty starts to settle", probe, timeout=WAIT * 4)
    winners = [p for p in starts if settled[p.pid] == "main"]
    check(len(winners) == 1, "%d main windows" % len(winners))
    for p in starts:
        if p is not winners[0]:
            refused(display, p)
    check(winners[0].poll() is None, "the running instance ended")
    end_via_support_screen(display, winners[0], display.windows(winners[0].pid, MAIN_TITLE)[0])


# --- under a real window manager ---------------------------------------------

class WindowManager:
    """openbox on the private display, and what it says about the windows."""

    def __init__(self, world, display):
        self.x = xdisplay.Display(display.name)
        self.root = self.x.screen().root
        world.processes.append(subprocess.Popen(
            ["openbox", "--sm-disable"], env=world.environment(),
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
        wait_for("openbox", lambda: self._property(self.root, "_NET_SUPPORTING_WM_CHECK"))
        # Frames as openbox creates, moves and maps them, in order.
        self.events = xdisplay.Display(display.name)
        self.events.screen().root.change_attributes(event_mask=X.SubstructureNotifyMask)
        self.events.sync()
        self.places, self.mapped_at = {}, {}

    def _property(self, window, name):
        reply = window.get_full_property(self.x.intern_atom(name), X.AnyPropertyType)
        return list(reply.value) if reply else []

    def stacking(self):
        """Managed windows, bottom to top."""
        return self._property(self.root, "_NET_CLIENT_LIST_STACKING")

    def keeps_above(self, window):
        state = self._property(self.x.create_resource_object("window", window), "_NET_WM_STATE")
        return self.x.intern_atom("_NET_WM_STATE_ABOVE") in state

    def frame(self, window):
        """The frame around `window` (left, top, width, height) and its client size."""
        win = self.x.create_resource_object("window", window)
        geometry = win.get_geometry()
        origin = win.translate_coords(self.root, 0, 0)
        left, right, top, bottom = self._property(win, "_NET_FRAME_EXTENTS") or [0] * 4
        return (-origin.x - left, -origin.y - top, geometry.width + left + right,
                geometry.height + top + bottom, (geometry.width, geometry.height))

    def first_place(self, window):
        """Where the frame of `window` stood when openbox first showed it."""
        self.events.sync()
        while self.events.pending_events():
            event = self.events.next_event()
            if event.type in (X.CreateNotify, X.ConfigureNotify):
                self.places[event.window.id] = (event.x, event.y)
            elif event.type == X.MapNotify:
                self.mapped_at.setdefault(event.window.id, self.places.get(event.window.id))
            elif event.type == X.DestroyNotify:
                self.mapped_at.pop(event.window.id, None)
        frame = self.x.create_resource_object("window", window)
        while frame.query_tree().parent != self.root:
            frame = frame.query_tree().parent
        return self.mapped_at.get(frame.id)

    def panel(self, left, right, height):
        """A dock reserving the screen's bottom `height` pixels from x `left` to
        `right`: openbox's work area, and so the free area, ends above it."""
        bottom = self.x.screen().height_in_pixels
        dock = self.root.create_window(left, bottom - height, right - left, height, 0, 0)
        for name, kind, value in (("_NET_WM_WINDOW_TYPE", Xatom.ATOM,
                                   [self.x.intern_atom("_NET_WM_WINDOW_TYPE_DOCK")]),
                                  ("_NET_WM_STRUT_PARTIAL", Xatom.CARDINAL,
                                   [0, 0, 0, height] + [0] * 6 + [left, right - 1])):
            dock.change_property(self.x.intern_atom(name), kind, 32, value)
        tries = []

        def reserved():
            if self._property(self.root, "_NET_WORKAREA")[3:4] == [bottom - height]:
                return True
            # A dock mapped while openbox was still starting stays unmanaged,
            # its strut unread: mapped again, openbox takes it in.
            if len(tries) % 10 == 0:
                dock.unmap()
                dock.map()
                self.x.flush()
            tries.append(1)
            return False
        wait_for("the panel's strut", reserved)

    def screenshot(self, window):
        """Where `window` lies, and the screen's pixels there, whatever
        covers it."""
        win = self.x.create_resource_object("window", window)
        geometry = win.get_geometry()
        origin = win.translate_coords(self.root, 0, 0)
        return (origin.x, origin.y), self.root.get_image(
            -origin.x, -origin.y, geometry.width, geometry.height, X.ZPixmap, 0xffffffff).data


def box_above_support_screen(display, wm, app, support, action):
    """Does `action`, waits for the message box it brings and checks that
    the box stands above the support screen and shows on the screen; then
    closes it with Return."""
    def settled():  # placed and painted: clicks land where they are aimed
        first = wm.screenshot(support)
        time.sleep(0.3)
        return first if wm.screenshot(support) == first else None
    covered = wait_for("the support screen to settle", settled)[1]
    action()
    box = message_box(display, app)
    try:
        wait_for("the message box above the support screen", lambda: box in wm.stacking() and
                 wm.stacking().index(box) > wm.stacking().index(support))
    except Failure:
        raise Failure("stacking, bottom to top: %r; box %d, support screen %d"
                      % (wm.stacking(), box, support))
    check(wm.screenshot(support)[1] != covered, "the support screen looks as before the box")
    display.xdotool("windowfocus", "--sync", str(box), "key", "--clearmodifiers", "Return")
    wait_for("the box to close", lambda: not display.windows(app.pid, MESSAGE_TITLE))
    keyboard_on(display, support)


def keyboard_on(display, window):
    wait_for("the keyboard on window %d" % window,
             lambda: display.xdotool("getwindowfocus").strip() == str(window))
    time.sleep(0.5)  # for the program to take in that it has it


def keyboard(display, *steps):
    """Types each step, or presses its keys when it starts with "@"."""
    for step in steps:
        if step.startswith("@"):
            display.xdotool("key", "--clearmodifiers", "--delay", "60", *step[1:].split())
        else:
            display.xdotool("type", "--delay", "60", step)


def support_screen_messages_on_top(world, display):
    """By the keyboard alone, nothing out of sight touched: a reading, the
    links of its page, the support screen's messages above it, a referral."""
    wm = WindowManager(world, display)
    app = world.start()
    keyboard_on(display, main_window(display, app))
    # "Maya", 1 March; the reading page's first stop is the page itself, and
    # backwards from there come the banner and the promotion in front.
    keyboard(display, "Maya", "@Tab Down Down Tab Tab Tab space shift+Tab shift+Tab Return Tab "
             "Return alt+f x")
    wait_for("the links of the reading page", lambda: [a.split("=")[-1] for a in world.opened()]
             in (["fully-branded", "home-page"], ["co-brand", "home-page"]))
    support = wait_for("the support screen", lambda: [
        w for w in display.windows(app.pid, MAIN_TITLE) if display.size(w) == SUPPORT_SIZE])[0]
    wait_for("the support screen kept above", lambda: wm.keeps_above(support))
    keyboard_on(display, support)
    keyboard(display, "@Tab", "Bob")
    # Untouched addresses: "Please Enter Proper Email Address".
    box_above_support_screen(display, wm, app, support, lambda: keyboard(display, "@alt+n"))
    # A space typed into an e-mail box: "Email Address Cannot Contain Space".
    keyboard(display, "@Tab Tab")
    box_above_support_screen(display, wm, app, support, lambda: keyboard(display, "@space"))
    check(wm.keeps_above(support), "the support screen is no longer kept above")
    # An address without a dot: its message hands the focus back to it.
    keyboard(display, "bob@example", "@Tab", "ann@example.org")
    box_above_support_screen(display, wm, app, support, lambda: keyboard(display, "@alt+n"))
    keyboard(display, "bob@example.org", "@Tab Tab", "Ann&Co=1+1", "@Tab", "HIDDEN", "@alt+n")
    wait_for("the referral %r" % world.opened(), lambda: len(world.opened()) == 3)
    check("&taf1=Bob&taf2=bob%40example.org&taf3=Your%20Message%0D%0A&taf4=Ann%26Co%3D1%2B1"
          "&taf5=ann%40example.org&" in world.opened()[2], "sent %r" % world.opened()[2])
    keyboard(display, "@alt+x")  # "E&xit" ends the program
    check(exit_status(app) == 0, "exit status %s" % app.returncode)


# --- on two monitors -------------------------------------------------------------

# A on the left, B on its right and primary; under openbox a panel PANEL
# high along B's bottom leaves B's upper 1920x1100 free, and all of A. Client
# areas at scale 1, None where the font decides (the menu bar, a message box), and the keys for the about box,
# "Please enter your name", closing the main window, a referral without
# addresses, and Esc (closes, answers No).
MONITORS = {"A": "1280/338x1024/270+0+0", "*B": "1920/508x1200/318+1280+0"}
PANEL = 100
CLIENT = {"main": (660, None), "about": (469, 217), "support": SUPPORT_SIZE, "box": (None, None)}
KEYS = {"about": "alt+h a", "name": "alt+g", "close": "alt+f x", "refer": "alt+n", "esc": "Escape"}
# Each row: B's scale, the start (the update question first, or a second
# start refused) and steps: (x, y) moves the window in front there, a KEYS
# name presses those keys in it, "unplug" takes B away, "restore" minimises it
# and brings it back (where it was, not centred again), and (window, monitor)
# waits for that window to stand on that monitor's free area at its size for
# that scale, centred unless moved (one too large at its top-left) and, unless
# the program's first, from its first showing; it is then in front.
MONITOR_ROWS = {
    "start on the primary": (1, "", [("main", "B")]),
    "question first": (1, "question", [("box", "B"), "esc", ("main", "B")]),
    "already running": (1, "second", [("box", "B")]),
    "restored": (1, "", [(1400, 90), "restore", "about", ("about", "B"), ("main", "B")]),
    "about box": (1, "", [(1400, 90), "about", ("about", "B"), "esc", (20, 40), "about",
                          ("about", "A")]),
    "message box": (1, "", [(1300, 600), "name", ("box", "B")]),
    "support screen": (1, "", [(1400, 90), "close", ("support", "B"), "refer", ("box", "B")]),
    "support screen on A": (1, "", [(20, 40), "close", ("support", "A"), "refer", ("box", "A")]),
    "B unplugged": (1, "", [(1400, 90), "unplug", "close", ("support", "A")]),
    "scale": (2, "", [("main", "B"), (20, 40), ("main", "A"), (1400, 90), ("main", "B"), "about",
                      ("about", "B"), (20, 40), ("about", "A"), "esc", "close", ("support", "B")]),
    "larger than B": (3, "", [("main", "B")]),
}


def several_monitors(world, display):
    openbox = WindowManager(world, display)
    openbox.panel(1280, 3200, PANEL)
    for name, (scale, start, steps) in MONITOR_ROWS.items():
        for monitor, geometry in MONITORS.items():
            display.xrandr("--setmonitor", monitor, geometry, "none")
        display.xdotool("mousemove", "640", "512")  # the pointer on A
        row = World(world.program, display)
        if start == "question":
            write_duration(row, short_date(row.today() - datetime.timedelta(days=15)))
        try:
            # With several monitors Qt takes openbox's work area only when told to.
            factors = {"QT_SCREEN_SCALE_FACTORS": "A=1;B=%d" % scale,
                       "QT_RELY_ON_NET_WORKAREA_ATOM": "1"}
            app = row.start(**factors)
            seen = {"main": None if start == "question" else main_window(display, app)}
            if start == "second":
                app, seen = row.start(**factors), {}
            front, kept = seen.get("main"), {}
            for step in steps:
                if step in KEYS:
                    display.xdotool("windowfocus", "--sync", str(front), "key", "--clearmodifiers",
                                    *KEYS[step].split())
                    front = seen["main"] if step == "esc" else front
                elif step == "unplug":
                    display.xrandr("--delmonitor", "B")
                elif step == "restore":
                    kept[front] = openbox.frame(front)[:2]
                    display.xdotool("windowminimize", "--sync", str(front))
                    display.xdotool("windowactivate", "--sync", str(front))
                elif isinstance(step[0], int):
                    display.xdotool("windowmove", "--sync", str(front), *map(str, step))
                    kept[front] = None
                else:
                    front = seen[step[0]] = whole_on(display, openbox, app, seen, kept, scale,
                                                     *step)
        except Failure as failure:
            raise Failure("%s: %s" % (name, failure))
        finally:
            row.clean_up()


def whole_on(display, openbox, app, seen, kept, scale, kind, monitor):
    """Waits for the `kind` window of `app` to stand whole on `monitor`, at its
    size for the monitor's scale and, unless moved, centred, from its first
    showing when others came before; if kept, where it was; returns it."""
    width, _, height, _, left, top = map(int, re.split("[/x+]", MONITORS.get(
        monitor, MONITORS.get("*" + monitor))))
    height -= PANEL if monitor == "B" else 0
    slack = scale - 1 if monitor == "B" else 0  # pixels lost to rounding at that scale
    size = [n and n * (scale if monitor == "B" else 1) for n in CLIENT[kind]]
    found, later = [], any(w not in (None, seen.get(kind)) for w in seen.values())

    def first_ok(window, x, y):  # no jump after openbox first showed it
        first = openbox.first_place(window) if later else (x, y)
        found.append(first)
        return first is not None and max(abs(first[0] - x), abs(first[1] - y)) <= slack

    def probe():
        check(app.poll() is None, "the program ended early: %s" % stderr_of(app))
        for window in display.windows(app.pid, MESSAGE_TITLE if kind == "box" else MAIN_TITLE):
            if window in seen.values() and window != seen.get(kind):
                continue
            x, y, w, h, client = openbox.frame(window)
            found[:] = [(x, y, w, h), client]
            off = max(abs(2 * x + min(w, width) - 2 * left - width),
                      abs(2 * y + min(h, height) - 2 * top - height))
            if size[0] in (None, client[0]) and size[1] in (None, client[1]) and \
                    left - slack <= x <= max(left, left + width - w) + slack and \
                    top - slack <= y <= max(top, top + height - h) + slack and \
                    kept.get(window) in (None, (x, y)) and (window in kept or off <= 6
                                                            and first_ok(window, x, y)):
                return window
        return None
    try:
        return wait_for(kind, probe)
    except Failure:
        raise Failure("%s: frame and client size %s, not as wanted on %s" % (kind, found, monitor))


# --- in a Wayland session (weston) ---------------------------------------------

class Weston:
    """weston nested on the private X display, where the pointer reaches it."""
    SOCKET = "wayland-aurivane"
    BAR = re.compile(rb"(?:\xef\xef\xef.){100,}", re.S)  # Qt's light grey title bar

    def __init__(self, world, display):
        self.display = display
        world.processes.append(subprocess.Popen(
            ["weston", "--backend=x11-backend.so", "--width=1024", "--height=768", "--idle-time=0",
             "--socket=" + self.SOCKET, "--no-config"], env=world.environment(),
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
        wait_for("weston", lambda: os.path.exists(os.path.join(world.runtime, self.SOCKET)))

    def title_bar(self, width=None):
        """(left, top, right) of the topmost title bar `width` wide (any, if None), or None."""
        pixels = xdisplay.Display(self.display.name).screen().root.get_image(
            0, 0, 1024, 768, X.ZPixmap, 0xffffffff).data
        for y in range(765):
            for run in self.BAR.finditer(pixels, (y + 3) * 4096, (y + 4) * 4096):
                left, right = (run.start() // 4) % 1024, (run.end() // 4 - 1) % 1024 + 1
                if run.start() % 4 == 0 and width in (None, right - left) and \
                        self.BAR.search(pixels, y * 4096, (y + 1) * 4096):
                    return left, y, right
        return None

    def click(self, x, y):
        # Out of weston's window and back in: only then does it take the pointer.
        self.display.xdotool("mousemove", "1200", "1000", "sleep", "0.3", "mousemove", str(x),
                             str(y), "sleep", "0.3", "click", "1", "sleep", "1")

    def maximize(self, app, width, *keys):
        """Maximizes the window of that title bar: it comes back. Then presses `keys`."""
        bar = wait_for("a title bar %s wide" % width, lambda: self.title_bar(width))
        time.sleep(0.5)
        self.click(bar[2] - 40, bar[1] + 15)
        check(app.poll() is None, "maximizing ended the program: %s" % stderr_of(app))
        wait_for("the window back in its place", lambda: self.title_bar(width) == bar)
        self.display.xdotool("key", "--delay", "99", *keys, "sleep", "1") if keys else time.sleep(1)
        return bar


def wayland_when_x_is_unreachable(world, display):
    """Beside a DISPLAY no X server answers, the program goes on to Wayland,
    and no window of fixed size ends it or stays stuck when asked to maximize."""
    weston = Weston(world, display)
    write_duration(world, short_date(world.today() - datetime.timedelta(days=15)))
    nowhere = next(":%d" % n for n in range(1000, 2000) if not os.path.exists("/tmp/.X11-unix/X%d" % n))
    app = world.start(QT_QPA_PLATFORM=None, DISPLAY=nowhere, WAYLAND_DISPLAY=Weston.SOCKET)
    weston.maximize(app, None, "Escape")  # the update question, answered No
    main = weston.maximize(app, 666, "alt+h", "a")  # the main window, then its about box
    weston.maximize(app, 475, "Escape")
    weston.click(main[2] - 17, main[1] + 15)  # the main window's close button
    support = weston.maximize(app, 747)  # the support screen, then its "E&xit"
    weston.click(support[0] + 3 + EXIT_BUTTON_CENTRE[0], support[1] + 30 + EXIT_BUTTON_CENTRE[1])
    check(exit_status(app) == 0, "exit status %s: %s" % (app.returncode, stderr_of(app)))
    check(read_duration(world) == short_date(world.today()), "stored %r" % read_duration(world))


def wayland_session_runs_on_x(world, display):
    """Beside X the program runs on X, quietly; its main window is gone before
    the support screen maps, and closing that by its frame ends the program."""
    Weston(world, display)
    app = world.start(QT_QPA_PLATFORM=None, XDG_SESSION_TYPE="wayland",
                      WAYLAND_DISPLAY=Weston.SOCKET)
    window = main_window(display, app)
    x = xdisplay.Display(display.name)
    x.screen().root.change_attributes(event_mask=X.SubstructureNotifyMask)
    x.sync()
    display.close_window(window)
    support = wait_for("the support screen", lambda: [
        w for w in display.windows(app.pid, MAIN_TITLE) if display.size(w) == SUPPORT_SIZE])[0]
    display.close_window(support)
    check(exit_status(app) == 0, "exit status %s" % app.returncode)
    wanted = [(X.UnmapNotify, window), (X.MapNotify, support)]
    events = [(e.type, e.window.id) for e in (x.next_event() for _ in range(x.pending_events()))]
    check([e for e in events if e in wanted][:1] == wanted[:1] and wanted[1] in events,
          "the support screen mapped before the main window went: %r" % events)
    check(stderr_of(app) == "", "it said %r" % stderr_of(app))


def copy_has_its_own_store_and_lock(world, display):
    copy = os.path.join(world.root, "renamed", "quillmoor-reading")
    os.makedirs(os.path.dirname(copy))
    shutil.copy2(world.program, copy)
    earlier = short_date(world.today() - datetime.timedelta(days=3))
    write_duration(world, earlier)
    first = world.start()
    main_window(display, first)
    second = world.start(program=copy)
    reach_main_window(display, second, question=False)
    check(wait_for("the copy's date", lambda: read_duration(world, "quillmoor-reading"))
          == short_date(world.today()), "the copy stored %r" % read_duration(world, "quillmoor-reading"))
    check(read_duration(world) == earlier, "the copy changed the first program's date")
    for name in ("aurivane.lock", "quillmoor-reading.lock"):
        check(os.path.exists(os.path.join(world.runtime, name)), "no " + name)
    refused(display, world.start(program=copy))
    for app in (second, first):
        end_via_support_screen(display, app, main_window(display, app))


# --- heard through a screen reader -------------------------------------------

class Orca:
    """Orca on the private display, on a D-Bus session of its own that the
    program joins (`program`), speaking through silentspeech.py into a file
    of (time, utterance) lines."""

    def __init__(self, world):
        self.root = world._folder("orca")
        self.log = os.path.join(self.root, "speech.txt")
        self.bus = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address"],
                                    stdout=subprocess.PIPE, start_new_session=True)
        address = self.bus.stdout.readline().decode().strip()
        self.program = {"DBUS_SESSION_BUS_ADDRESS": address,
                        "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1"}
        with open(os.path.join(self.root, "user-settings.conf"), "w") as f:
            json.dump({"general": {"speechServerFactory": "silentspeech"}, "pronunciations": {},
                       "keybindings": {}, "profiles": {"default": {
                           "profile": ["Default", "default"],
                           "speechServerFactory": "silentspeech"}}}, f)
        # Orca allows one of itself a user, found among all processes: this
        # one sees only its own.
        self.process = subprocess.Popen(
            ["unshare", "--pid", "--fork", "--mount-proc", "--kill-child=SIGTERM",
             "orca", "-u", self.root], stdout=subprocess.DEVNULL,
            stderr=subprocess.DEVNULL, start_new_session=True, env=world.environment(
                PYTHONPATH=os.path.dirname(os.path.abspath(__file__)),
                AURIVANE_SPEECH_LOG=self.log, **self.program))
        world.processes += [self.process, self.bus]  # ended whatever happens
        self.heard_since(0, "Screen reader on.")

    def said(self):
        """Each utterance so far, as (time, text)."""
        if not os.path.exists(self.log):
            return []
        with open(self.log, encoding="utf-8") as f:
            return [(float(at), text) for at, _, text in
                    (line.rstrip("\n").partition(" ") for line in f)]

    def heard_since(self, start, phrase):
        wait_for("Orca to say %r" % phrase,
                 lambda: any(phrase in text for at, text in self.said() if at >= start))

    def stop(self):
        # unshare leaves a stop to Orca, which shares its process group.
        for process in (self.process, self.bus):
            os.killpg(process.pid, signal.SIGTERM)
            process.wait(timeout=WAIT)


def screen_reader_hears_the_walk(world, display):
    """With Orca listening, by the keyboard alone: a name, the month moved
    on, the reading, three values, Back, the support screen, and back into a
    box of its referral panel that shows its placeholder. Each step is heard
    before the next key."""
    WindowManager(world, display)
    orca = Orca(world)
    app = world.start(**orca.program)
    keyboard_on(display, main_window(display, app))
    orca.heard_since(0, "Name text")

    def step(keys, *phrases):
        start = time.time()
        for key in keys.split():
            if key.startswith("alt+"):  # held while the letter is pressed, as people do
                display.xdotool("keydown", "alt")
                time.sleep(0.3)
                display.xdotool("key", key[4:])
                time.sleep(0.3)
                display.xdotool("keyup", "alt")
            else:
                display.xdotool("key", key)
        try:
            for phrase in phrases:
                orca.heard_since(start, phrase)
        finally:
            print("%s: %s" % (keys, " | ".join(t for at, t in orca.said() if at >= start)))

    step("A n n", "n")
    step("Tab", "Month of birth, January")
    step("Down", "February")
    step("alt+g", "Sun Sign: Aquarius", "Ruling Planet: Uranus and Saturn",
         "Chakra Name: Root Chakra - Muladhara")
    step("Tab", "Sun Sign: Aquarius")
    step("Tab", "Ruling Planet: Uranus and Saturn")
    step("Tab", "Chakra Name: Root Chakra - Muladhara")
    step("alt+b", "Name text")
    step("alt+f x", "Aurivane v1.20 dialog", "Quillmoor", "Exit")
    step("Tab", "Your Name text")
    step("Tab", "Refer A Friend Now")
    step("shift+Tab", "Your Name")
    orca.stop()


def no_display_says_so(world, display):
    """Started where there is no display, the program says how to run it,
    ends with 1 and leaves the settings alone."""
    app = world.start(DISPLAY=None, QT_QPA_PLATFORM=None)
    status = exit_status(app)
    said = app.stderr.read().decode(errors="replace")
    check(status == 1, "exit status %s: %s" % (status, said))
    check(all(advice in said for advice in ("no display found", "xvfb-run -a aurivane",
                                            "package qt6-wayland")), "it said %r" % said)
    check(not os.path.exists(world.settings_file), "it wrote its settings")


SCENARIOS = {
    "first_start_and_orderly_end": first_start_and_orderly_end,
    "no_display_says_so": no_display_says_so,
    "second_instance_refused": second_instance_refused,
    "reminder_yes_opens_download_page": reminder_yes_opens_download_page,
    "settings_garbage_bytes": settings_garbage_bytes,
    "folders_in_the_way": folders_in_the_way,
    "config_folder_is_file": config_folder_is_file,
    "nothing_below_a_file": nothing_below_a_file,
    "duration_far_past": odd_duration(shift("1/1/1900", 85), True),
    # Stored characters past the single-byte set read as "?", which the
    # shift drops: what is left is a date long past, so the question comes.
    "duration_high_characters": odd_duration(shift("1/1/1900", 85) + "\u0100\u4e2d\uffff", True),
    "settings_removed_while_running": lambda world, display: first_start_and_orderly_end(
        world, display, remove_settings=True),
    "twenty_simultaneous_starts": twenty_simultaneous_starts,
    "support_screen_messages_on_top": support_screen_messages_on_top,
    "copy_has_its_own_store_and_lock": copy_has_its_own_store_and_lock,
    "wayland_when_x_is_unreachable": wayland_when_x_is_unreachable,
    "wayland_session_runs_on_x": wayland_session_runs_on_x,
    "screen_reader_hears_the_walk": screen_reader_hears_the_walk,
    "several_monitors": several_monitors,
}


def main(argv):
    if len(argv) not in (3, 4) or argv[2] not in SCENARIOS or argv[3:] not in ([], ["2030"]):
        print("usage: %s <aurivane> {%s} [2030]" % (argv[0], ",".join(SCENARIOS)),
              file=sys.stderr)
        return 2
    # Only the stacking scenario and that on two monitors need a window
    # manager; the monitors are two parts of one screen, which a server reset
    # would take away.
    monitors = argv[2] == "several_monitors"
    openbox = ("openbox",) if argv[2] == "support_screen_messages_on_top" or monitors else ()
    orca = ("openbox", "orca", "dbus-daemon") if argv[2] == "screen_reader_hears_the_walk" else ()
    for tool in ("Xvfb", "xdotool") + openbox + ("xrandr",) * monitors + orca:
        if shutil.which(tool) is None:
            print("SKIP: %s is not installed" % tool)
            return 77
    display = Display(*("-noreset", "-screen", "0", "3200x1200x24") * monitors)
    world = World(os.path.abspath(argv[1]), display)
    if argv[3:]:
        world.fake_today = FAKE_TODAY
    try:
        SCENARIOS[argv[2]](world, display)
    except Failure as failure:
        print("FAIL: %s: %s" % (argv[2], failure), file=sys.stderr)
        return 1
    finally:
        world.clean_up()
        display.stop()
    print("PASS: " + argv[2])
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
