"""The worlds the process tests (tests/process) and the Wine tests
(tests/windows) start programs in, as pytest fixtures that tests/conftest.py
loads (tools/screenshots uses the classes). Each cleans up after itself and
passes on nothing the shell exported; every wait is bounded (a slow build
raises AURIVANE_PROCESS_WAIT); a missing tool skips, and a skip fails."""

import datetime
import glob
import json
import os
import re
import select
import shutil
import signal
import subprocess
import tempfile
import time

import pytest
from Xlib import X, Xatom, Xutil, display as xdisplay  # python3-xlib
from Xlib.protocol import event as xevent

WAIT = float(os.environ.get("AURIVANE_PROCESS_WAIT", "15"))  # seconds for anything to happen
MAIN_TITLE = "Aurivane v1.20"
MESSAGE_TITLE = "Aurivane"
SUPPORT_SIZE = (741, 315)  # 11115 x 4725 twips
EXIT_BUTTON_CENTRE = (441, 196)  # "E&xit": 6000, 2760, 1245 x 375 twips
HERE = os.path.dirname(os.path.abspath(__file__))
# A test's rows: today, and the clock moved to 10 January 2030 (a year
# ending in 0, whose shifted "0" is U+0085).
IN_2030 = pytest.mark.parametrize("clock", [None, datetime.date(2030, 1, 10)],
                                  ids=["today", "2030"])

# What a desktop session exports for the programs in it. The worlds stand in
# for that session: none of it may reach what they start (with
# AT_SPI_BUS_ADDRESS, Orca would join the shell's accessibility bus, not its
# own), and neither may a moved clock or a Wine prefix of the shell.
SESSION = ("AT_SPI_BUS_ADDRESS", "DBUS_SESSION_BUS_ADDRESS", "DISPLAY", "WAYLAND_DISPLAY",
           "WAYLAND_SOCKET", "XAUTHORITY", "XDG_RUNTIME_DIR", "XDG_SESSION_TYPE", "XDG_SESSION_ID",
           "XDG_SEAT", "XDG_VTNR", "SESSION_MANAGER", "DESKTOP_STARTUP_ID", "XDG_ACTIVATION_TOKEN",
           "NO_AT_BRIDGE", "LD_PRELOAD", "FAKETIME", "WINEPREFIX", "WINEPATH", "WINEDEBUG")
# The same exported with values that lead nowhere, for the row that proves it.
BOGUS_SESSION = {"AT_SPI_BUS_ADDRESS": "unix:path=/nonexistent",
                 "DBUS_SESSION_BUS_ADDRESS": "unix:path=/nonexistent", "DISPLAY": ":99",
                 "WAYLAND_DISPLAY": "wayland-9", "XDG_RUNTIME_DIR": "/nonexistent",
                 "XDG_SESSION_TYPE": "wayland", "QT_QPA_PLATFORM": "wayland"}


def cleared_variables():
    """The Qt and desktop variables no test inherits: tests/environment.txt."""
    with open(os.path.join(HERE, "..", "environment.txt"), encoding="utf-8") as listing:
        return [name for name in (line.split("#", 1)[0].strip() for line in listing) if name]


CLEARED = set(SESSION) | set(cleared_variables())


def environment(base=os.environ, **changes):
    """`base` without the session's and the listed variables, with `changes`
    set (removed where None)."""
    env = {**{k: v for k, v in base.items() if k not in CLEARED}, **changes}
    return {k: v for k, v in env.items() if v is not None}


def wait_for(what, probe, timeout=WAIT):
    """`probe()` once it is true; fails after `timeout` seconds, saying `what`."""
    deadline = time.monotonic() + timeout
    while not (result := probe()):
        assert time.monotonic() < deadline, "timed out waiting for %s" % (
            what() if callable(what) else what)
        time.sleep(0.1)
    return result


def need(*tools):
    missing = [tool for tool in tools if shutil.which(tool) is None]
    if missing:
        pytest.skip("not installed: " + ", ".join(missing))


def end(*processes, gently=False):
    """Ends the processes: killed, or asked to end first when `gently`."""
    for process in processes:
        for stop in ((process.terminate,) if gently else ()) + (process.kill,):
            if process.poll() is None:
                stop()
            try:
                process.wait(timeout=WAIT)
                break
            except subprocess.TimeoutExpired:
                pass


def faketime(moment):
    """What moves the clock of a program and all it starts (libfaketime)."""
    found = glob.glob("/usr/lib/*/faketime/libfaketime.so.1")
    assert found, "libfaketime is not installed"
    # The sanitizer runtime wants to be loaded first; here it cannot.
    return {"LD_PRELOAD": found[0], "FAKETIME": moment, "FAKETIME_DONT_RESET": "1",
            "ASAN_OPTIONS": "verify_asan_link_order=0"}


# --- the shifted text the program stores ------------------------------------

# The characters the tests store, plain and as the program stores them
# (each code 85 up): the name "Duration" and the digits, slash and dash of a date.
PLAIN = "Duration0123456789/-"
STORED = "\x99\xca\xc7\xb6\xc9\xbe\xc4\xc3\x85\x86\x87\x88\x89\x8a\x8b\x8c\x8d\x8e\x84\x82"
# The name as the settings file spells it: each character outside ASCII as %XX.
STORED_NAME = "%99%CA%C7%B6%C9%BE%C4%C3"


def shift(text, by):
    """`text` stored (by 85) or read back (by -85); other characters stay."""
    return text.translate(str.maketrans(*((PLAIN, STORED) if by > 0 else (STORED, PLAIN))))


def short_date(day):
    # en_US short date with the four-digit year the program always writes.
    return "%d/%d/%d" % (day.month, day.day, day.year)


# --- the X display ---------------------------------------------------------

class Display:
    """A private Xvfb, numbered by the server itself (-displayfd)."""

    def __init__(self, *options):
        read_end, write_end = os.pipe()
        self.server = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-nolisten", "tcp",
             *(options or ("-screen", "0", "1280x1024x24"))], env=environment(),
            pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        try:
            number = b""
            while not number.endswith(b"\n"):
                assert select.select([read_end], [], [], WAIT)[0], "Xvfb reported no display"
                chunk = os.read(read_end, 16)
                assert chunk, "Xvfb ended at start"
                number += chunk
            self.name = ":" + number.decode().strip()
            self.x = xdisplay.Display(self.name)
        except BaseException:
            end(self.server)
            raise
        finally:
            os.close(read_end)

    def window(self, window):
        return self.x.create_resource_object("window", window)

    def close_window(self, window):
        """What the close button of a window frame does: WM_DELETE_WINDOW."""
        self.window(window).send_event(xevent.ClientMessage(
            window=window, client_type=self.x.intern_atom("WM_PROTOCOLS"),
            data=(32, [self.x.intern_atom("WM_DELETE_WINDOW"), X.CurrentTime, 0, 0, 0])))
        self.x.flush()

    def xdotool(self, *args, tool="xdotool"):
        return subprocess.run([tool, *args], env=environment(DISPLAY=self.name),
                              capture_output=True, text=True, timeout=WAIT).stdout

    def windows(self, title, pid=None):
        """Visible windows with exactly this title, of the process `pid` if given."""
        out = self.xdotool("search", "--all", "--onlyvisible",
                           *(("--pid", str(pid)) if pid else ()),
                           "--name", "^" + re.escape(title) + "$")
        return [int(w) for w in out.split()]

    def size(self, window):
        match = re.search(r"Geometry: (\d+)x(\d+)", self.xdotool("getwindowgeometry", str(window)))
        return (int(match.group(1)), int(match.group(2))) if match else None

    def click(self, window, x, y):
        self.xdotool("mousemove", "--window", str(window), str(x), str(y), "click", "1")

    def pixels(self, window, left=0, top=0, width=None, height=None):
        """The window's pixels as (width, height, at(x, y) -> (r, g, b))."""
        geometry = self.window(window).get_geometry()
        width, height = width or geometry.width, height or geometry.height
        data = self.window(window).get_image(left, top, width, height, X.ZPixmap, 0xffffffff).data
        stride = len(data) // height
        return width, height, lambda x, y: tuple(data[y * stride + 4 * x + 2 - i]
                                                 for i in range(3))

    def stop(self):
        self.x.close()
        end(self.server, gently=True)


class Home:
    """A temporary home, with configuration and runtime folders."""

    def __init__(self):
        self.root = tempfile.mkdtemp(prefix="aurivane-")
        self.home, self.config, self.runtime = map(self.folder, ("home", "config", "runtime"))
        os.chmod(self.runtime, 0o700)

    def folder(self, name):
        path = os.path.join(self.root, name)
        os.makedirs(path)
        return path

    def environment(self, display, **changes):
        """A fresh environment for what runs in this home on `display`: of
        the shell's, only PATH and TZ (the tests' "today" is the program's)."""
        return environment({"PATH": os.environ.get("PATH", "/usr/bin:/bin"),
                            "TZ": os.environ.get("TZ")}, **{
            "HOME": self.home, "XDG_CONFIG_HOME": self.config, "XDG_RUNTIME_DIR": self.runtime,
            "DISPLAY": display.name, "LANG": "en_US.UTF-8", "LC_ALL": "en_US.UTF-8", **changes})


class Opener:
    """A stand-in xdg-open in a folder of its own (`bin`), which only appends
    the address it is handed to a log, one line each, and the Qt variables it
    inherited of those the program sets for itself to another."""

    def __init__(self, root):
        self.bin, self.log = os.path.join(root, "bin"), os.path.join(root, "opened.txt")
        os.makedirs(self.bin)
        with open(os.path.join(self.bin, "xdg-open"), "w", encoding="utf-8") as f:
            f.write('#!/bin/sh\nprintf "%%s\\n" "$*" >> "%s"\n' % self.log +
                    'printf "%%s\\n" "$QT_QPA_PLATFORM$QT_RELY_ON_NET_WORKAREA_ATOM" >> "%s.platform"\n'
                    % self.log)
        os.chmod(os.path.join(self.bin, "xdg-open"), 0o755)

    def opened(self, what=""):
        """The addresses handed over so far, in order (or the platforms)."""
        if not os.path.exists(self.log + what):
            return []
        with open(self.log + what, encoding="utf-8") as f:
            return f.read().splitlines()


# --- the Linux program -------------------------------------------------------

class World:
    """The program started in a home on a display, the stand-in opener first
    on PATH and, given `today`, its clock moved there; helpers over its
    windows and its settings file."""

    def __init__(self, program, home, display, opener, today=None):
        self.program, self.home, self.display, self.opener = program, home, display, opener
        self.fake_today, self.processes = today, []
        self.root, self.runtime, self.opened = home.root, home.runtime, opener.opened

    def today(self):
        return self.fake_today or datetime.date.today()

    def environment(self, **changes):
        clock = faketime("@%s 12:00:00" % self.fake_today.isoformat()) if self.fake_today else {}
        return self.home.environment(self.display, **{
            "PATH": self.opener.bin + os.pathsep + os.environ.get("PATH", "/usr/bin:/bin"),
            "QT_QPA_PLATFORM": "xcb", "NO_AT_BRIDGE": "1", **clock, **changes})

    def start(self, *args, program=None, **changes):
        process = subprocess.Popen([program or self.program, *args],
                                   env=self.environment(**changes),
                                   stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
        self.processes.append(process)
        return process

    def windows(self, app, title=MAIN_TITLE):
        return self.display.windows(title, app.pid)

    def stop(self):
        end(*self.processes)

    # -- the settings file

    def settings_file(self, program_name="aurivane"):
        return os.path.join(self.home.config, program_name, program_name + ".conf")

    def duration(self, program_name="aurivane"):
        """The decoded "Duration" of the settings file, or None."""
        if not os.path.exists(self.settings_file(program_name)):
            return None
        with open(self.settings_file(program_name), encoding="utf-8") as f:
            # Split on "\n" only and strip nothing: the shifted digit 0 is
            # U+0085, which splitlines() and strip() take for a line break.
            lines = f.read().split("\n")
        assert "[Settings]" in lines, "no [Settings] section in %r" % lines
        values = [value for name, sep, value in (line.partition("=") for line in lines)
                  if sep and name == STORED_NAME]
        return shift(values[0], -85) if values else None

    def write_duration(self, plain=None, stored=None):
        """Stores a date as the program does, or `stored` as it is."""
        os.makedirs(os.path.dirname(self.settings_file()), exist_ok=True)
        with open(self.settings_file(), "w", encoding="utf-8") as f:
            f.write("[Settings]\n%s=%s\n" % (STORED_NAME, stored or shift(plain, 85)))

    # -- the windows

    def main_window(self, app, title=MAIN_TITLE, what="the main window"):
        def probe():
            assert app.poll() is None, "the program ended early: %s" % stderr_of(app)
            return self.windows(app, title)
        return wait_for(what, probe)[0]

    def message_box(self, app):
        return self.main_window(app, MESSAGE_TITLE, "a message box")

    def support_screen(self, app):
        return wait_for("the support screen", lambda: [
            w for w in self.windows(app) if self.display.size(w) == SUPPORT_SIZE])[0]

    def refused(self, app):
        """A refused start shows its message, and ends with 0 once it is closed."""
        box = self.message_box(app)
        assert not self.windows(app), "a refused start showed its main window"
        self.display.close_window(box)
        assert exit_status(app) == 0, "a refused start ended with %s" % app.returncode

    def end_via_support_screen(self, app, window):
        """Closing the main window by its frame brings up the support screen
        in its place; its "E&xit" ends the program, successfully."""
        self.display.close_window(window)
        support = self.support_screen(app)
        assert len(self.windows(app)) == 1, "the main window is still on screen"
        assert app.poll() is None, "closing the main window ended the program"
        self.display.click(support, *EXIT_BUTTON_CENTRE)
        assert exit_status(app) == 0, "exit status %s: %s" % (app.returncode, stderr_of(app))

    def reach_main_window(self, app, question):
        """Waits for the main window; a reminder question on the way is
        closed by its frame (No). `question`: True when one must come, False
        when none may, None when either is fine."""
        def probe():
            assert app.poll() is None, "the program ended early: %s" % stderr_of(app)
            boxes, mains = self.windows(app, MESSAGE_TITLE), self.windows(app)
            return ("question", boxes[0]) if boxes else ("main", mains[0]) if mains else None
        kind, window = wait_for("the main window or a question", probe)
        if kind == "question":
            assert question is not False, "an unexpected message came up"
            self.display.close_window(window)
            window = self.main_window(app)
        else:
            assert question is not True, "the reminder question did not come"
        assert not self.windows(app, MESSAGE_TITLE), "a message is still open"
        return window

    def keyboard_on(self, window):
        wait_for("the keyboard on window %d" % window,
                 lambda: self.display.xdotool("getwindowfocus").strip() == str(window))
        time.sleep(0.5)  # for the program to take in that it has it

    def keyboard(self, *steps):
        """Types each step, or presses its keys when it starts with "@"."""
        for step in steps:
            if step.startswith("@"):
                self.display.xdotool("key", "--clearmodifiers", "--delay", "60", *step[1:].split())
            else:
                self.display.xdotool("type", "--delay", "60", step)


def stderr_of(process):
    try:
        return process.stderr.read().decode(errors="replace") if process.poll() is not None else ""
    except (OSError, ValueError, AttributeError):
        return ""


def exit_status(process, timeout=WAIT):
    try:
        return process.wait(timeout=timeout)
    except subprocess.TimeoutExpired:
        pytest.fail("the program did not end")


# --- a window manager, a Wayland compositor, a screen reader -----------------

# The window managers of the major desktops, as each desktop starts them.
DESKTOPS = {"openbox": "openbox --sm-disable", "xfwm4": "xfwm4 --replace --compositor=off",
            "kwin_x11": "kwin_x11 --replace", "mutter": "mutter --x11 --replace",
            "metacity": "metacity --replace", "marco": "marco --replace --no-composite",
            "muffin": "muffin --replace"}


class WindowManager:
    """What the window manager (openbox unless named) says about the windows."""

    def __init__(self, display, name="openbox"):
        self.display, self.x, self.name = display, display.x, name
        self.root = self.x.screen().root
        wait_for(name, lambda: self._property(self.root, "_NET_SUPPORTING_WM_CHECK"))
        # Ready once it manages a window: one mapped while it still starts stays
        # unmanaged, so the probe is mapped again every second until it is managed.
        probe, tries = self.root.create_window(0, 0, 10, 10, 0, X.CopyFromParent), []

        def managed():
            if len(tries) % 10 == 0:
                probe.unmap()
                probe.map()
                self.x.flush()
            tries.append(1)
            return self._property(probe, "WM_STATE")
        wait_for(name + " to manage windows", managed)
        probe.destroy()
        self.x.sync()
        # Frames as openbox creates, moves and maps them, in order.
        self.events = xdisplay.Display(display.name)
        self.events.screen().root.change_attributes(event_mask=X.SubstructureNotifyMask)
        self.events.sync()
        self.places, self.mapped_at = {}, {}

    def _property(self, window, name):
        reply = window.get_full_property(self.x.intern_atom(name), X.AnyPropertyType)
        return list(reply.value) if reply else []

    def above(self, window, other):
        """Whether `window`'s frame stands above `other`'s (xfwm4 lists no stacking)."""
        frames = [child.id for child in self.root.query_tree().children]
        return frames.index(self.outermost(window)) > frames.index(self.outermost(other))

    def outermost(self, window):
        while self.display.window(window).query_tree().parent != self.root:
            window = self.display.window(window).query_tree().parent.id
        return window

    def keeps_above(self, window):
        state = self._property(self.display.window(window), "_NET_WM_STATE")
        return self.x.intern_atom("_NET_WM_STATE_ABOVE") in state

    def framed(self, window):
        return bool(self._property(self.display.window(window), "_NET_FRAME_EXTENTS"))

    def frame(self, window):
        """The frame around `window` (left, top, width, height) and its client size."""
        win = self.display.window(window)
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
        return self.mapped_at.get(self.outermost(window))

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
        dock.map()
        self.x.flush()
        wait_for("the panel's strut",
                 lambda: self._property(self.root, "_NET_WORKAREA")[3:4] == [bottom - height])

    def screenshot(self, window):
        """Where `window` lies, and the screen's pixels there, whatever covers it."""
        geometry = self.display.window(window).get_geometry()
        origin = self.display.window(window).translate_coords(self.root, 0, 0)
        return (origin.x, origin.y), self.root.get_image(
            -origin.x, -origin.y, geometry.width, geometry.height, X.ZPixmap, 0xffffffff).data

    def fixed_size(self, window):
        """Whether the frame offers no resizing: minimum size = maximum size."""
        hints = self.display.window(window).get_wm_normal_hints()
        return bool(hints and hints.flags & Xutil.PMinSize and hints.flags & Xutil.PMaxSize and
                    (hints.min_width, hints.min_height) == (hints.max_width, hints.max_height))


class Weston:
    """weston nested on the private X display, where the pointer reaches it."""
    SOCKET = "wayland-aurivane"
    BAR = re.compile(rb"(?:\xef\xef\xef.){100,}", re.S)  # Qt's light grey title bar

    def __init__(self, display):
        self.display = display

    def title_bar(self, width=None):
        """(left, top, right) of the topmost title bar `width` wide (any, if None), or None."""
        pixels = self.display.x.screen().root.get_image(
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
        assert app.poll() is None, "maximizing ended the program: %s" % stderr_of(app)
        wait_for("the window back in its place", lambda: self.title_bar(width) == bar)
        self.display.xdotool("key", "--delay", "99", *keys, "sleep", "1") if keys else time.sleep(1)
        return bar


class Orca:
    """Orca on a D-Bus session of its own that the program joins
    (`program`), speaking through silentspeech.py into a file of
    (time, utterance) lines."""

    def __init__(self, home, display):
        self.root = home.folder("orca")
        self.log = os.path.join(self.root, "speech.txt")
        # Its own session bus, which activates its own accessibility bus.
        self.bus = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address"],
                                    stdout=subprocess.PIPE, start_new_session=True,
                                    env=home.environment(display))
        self.program = {"DBUS_SESSION_BUS_ADDRESS": self.bus.stdout.readline().decode().strip(),
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
            stderr=subprocess.DEVNULL, start_new_session=True, env=home.environment(
                display, PYTHONPATH=os.path.join(HERE, "..", "process"),
                AURIVANE_SPEECH_LOG=self.log, **self.program))

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
            if process.poll() is None:
                os.killpg(process.pid, signal.SIGTERM)
        end(self.process, self.bus)


# --- Wine ---------------------------------------------------------------------

WINE_WAIT = float(os.environ.get("AURIVANE_WINE_WAIT", "40"))
REGISTRY_KEY = r"HKEY_CURRENT_USER\Software\aurivane"


class Wine:
    """A Wine prefix in `root` on the display, the stand-in opener first on PATH."""

    def __init__(self, root, display):
        self.root, self.display, self.processes = root, display, []
        self.prefix = os.path.join(root, "prefix")
        self.opened = Opener(root).opened
        self.run(["wineboot", "--init"], timeout=180)
        self.wait_server()

    def environment(self, **changes):
        return environment(**{
            "WINEPREFIX": self.prefix, "WINEDEBUG": "-all",
            "WINEDLLOVERRIDES": "mscoree,mshtml=",  # no prompts to install Mono or Gecko
            "DISPLAY": self.display.name, "LANG": "en_US.UTF-8", "LC_ALL": "en_US.UTF-8",
            "PATH": os.path.join(self.root, "bin") + os.pathsep + os.environ.get("PATH", ""),
            **changes})

    def run(self, args, timeout=WINE_WAIT * 3, output=subprocess.PIPE, **changes):
        return subprocess.run(["wine", *args], env=self.environment(**changes), stdout=output,
                              stderr=subprocess.STDOUT, timeout=timeout, check=False)

    def start(self, args, **changes):
        process = subprocess.Popen(["wine", *args], env=self.environment(**changes),
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.processes.append(process)
        return process

    def wait_server(self, kill=False):
        """Waits until the prefix's wineserver has saved and ended; `kill` ends it first."""
        for option in ("-k",) * kill + ("-w",):
            subprocess.run(["wineserver", option], env=self.environment(), check=False,
                           timeout=WINE_WAIT * 3, stdout=subprocess.DEVNULL,
                           stderr=subprocess.DEVNULL)

    def unix_path(self, windows_path):
        """Where a path on drive C: lies, without the cost of starting winepath."""
        assert windows_path[:3].upper() == "C:\\", "%r is not on drive C:" % windows_path
        return os.path.join(self.prefix, "drive_c", *windows_path[3:].split("\\"))

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
            if match := re.fullmatch(r'"((?:[^"\\]|\\.)*)"="((?:[^"\\]|\\.)*)"', line):
                values[re.sub(r"\\(.)", r"\1", match[1])] = re.sub(r"\\(.)", r"\1", match[2])
            if match := re.fullmatch(r'"([^"\\]*)"=dword:([0-9a-f]{8})', line):
                values[match[1]] = int(match[2], 16)
        return values

    def duration(self):
        """The decoded stored reminder date, or None."""
        stored = (self.registry(REGISTRY_KEY + r"\aurivane\Settings") or {}).get(
            shift("Duration", 85))
        return None if stored is None else shift(stored, -85)

    def stop(self):
        end(*self.processes)
        self.wait_server(kill=True)


# --- fixtures ------------------------------------------------------------------

def shared_scope(fixture_name, config):
    """A Wine run shares one display, home and window manager, as the old
    runner did; each process test has its own."""
    return "session" if config.getoption("windows_build") else "function"


@pytest.fixture(scope=shared_scope)
def shell(request):
    """What the shell exports: as it is, or, given a dict (indirect
    parametrization), with those variables exported on top."""
    with pytest.MonkeyPatch.context() as patch:
        for name, value in getattr(request, "param", {}).items():
            patch.setenv(name, value)
        yield os.environ


@pytest.fixture(scope=shared_scope)
def home(shell):
    home = Home()
    try:
        yield home
    finally:
        shutil.rmtree(home.root, ignore_errors=True)


@pytest.fixture(scope=shared_scope)
def display(request, shell):
    """One 1280x1024 monitor; with the mark two_monitors, one 3200x1200
    screen the test divides (-noreset: a server reset would undo it)."""
    need("Xvfb", "xdotool")
    two = request.node.get_closest_marker("two_monitors")
    screen = Display(*(("-noreset", "-screen", "0", "3200x1200x24") if two else ()))
    try:
        yield screen
    finally:
        screen.stop()


def window_manager(name, home, display):
    """One of DESKTOPS on a session bus of its own, its desktop's settings in memory."""
    command = DESKTOPS[name].split()
    need(command[0], "dbus-daemon", "wmctrl")
    bus = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                           env=home.environment(display), stdout=subprocess.PIPE,
                           stderr=subprocess.DEVNULL, text=True)
    bus_address = bus.stdout.readline().strip()
    process = subprocess.Popen(command, env=home.environment(
        display, GSETTINGS_BACKEND="memory", DBUS_SESSION_BUS_ADDRESS=bus_address),
        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        yield WindowManager(display, name)
    finally:
        end(process, bus)


@pytest.fixture(scope=shared_scope)
def openbox(home, display):
    yield from window_manager("openbox", home, display)


@pytest.fixture
def desktop(request, home, display):
    """The window manager of DESKTOPS that the test's parameter names."""
    yield from window_manager(request.param, home, display)


@pytest.fixture
def weston(home, display):
    need("weston")
    process = subprocess.Popen(
        ["weston", "--backend=x11-backend.so", "--width=1024", "--height=768", "--idle-time=0",
         "--socket=" + Weston.SOCKET, "--no-config"], env=home.environment(display),
        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        wait_for("weston", lambda: os.path.exists(os.path.join(home.runtime, Weston.SOCKET)))
        yield Weston(display)
    finally:
        end(process)


@pytest.fixture
def orca(home, display, openbox):
    need("orca", "dbus-daemon", "unshare")
    reader = Orca(home, display)
    try:
        reader.heard_since(0, "Screen reader on.")
        yield reader
    finally:
        reader.stop()


@pytest.fixture
def opener(home):
    return Opener(home.root)


@pytest.fixture
def clock():
    """The program's today: None for the real one; parametrize to move it."""
    return None


@pytest.fixture
def world(request, home, display, opener, clock):
    program = request.config.getoption("aurivane")
    assert program, "no --aurivane: the program to test"
    world = World(os.path.abspath(program), home, display, opener, clock)
    try:
        yield world
    finally:
        world.stop()


@pytest.fixture
def wine(home, display, openbox):
    """A fresh prefix: each test starts from a new user."""
    need("wine", "wineserver")
    root = tempfile.mkdtemp(dir=home.root)
    prefix = Wine(root, display)
    try:
        yield prefix
    finally:
        prefix.stop()
        shutil.rmtree(root, ignore_errors=True)


# --- the hooks ----------------------------------------------------------------

def pytest_addoption(parser):
    parser.addoption("--aurivane", help="the program the process tests start")
    parser.addoption("--windows-build", help="the Windows build folder (build/windows)")
    parser.addoption("--windows-qt", help="the prefix of Qt for Windows")


def pytest_configure(config):
    config.addinivalue_line("markers", "two_monitors: the display is one 3200x1200 screen")


@pytest.hookimpl(hookwrapper=True)
def pytest_runtest_makereport(item, call):
    """A skipped test is no pass: it fails, with its reason."""
    report = (yield).get_result()
    if report.skipped:
        reason = report.longrepr[2] if isinstance(report.longrepr, tuple) else report.longrepr
        report.outcome, report.longrepr = "failed", "skipped, which is no pass: %s" % reason
