"""The Windows build as it is shipped, under Wine, in what only the real
aurivane.exe shows: the registry, the single-instance lock, the addresses
handed to the shell (Wine passes them on to xdg-open, and the stand-in
records them), stacking, colours, the exit status, the executables' make-up
and the installer. The program runs from the portable ZIP, with nothing but
its own folder to find its libraries in; each test in a fresh prefix."""

import datetime
import glob
import os
import re
import signal
import struct
import subprocess
import time
import urllib.parse
import xml.etree.ElementTree as ET
import zipfile

import pytest
from worlds import (MESSAGE_TITLE, MAIN_TITLE, SUPPORT_SIZE, WINE_WAIT as WAIT, exit_status,
                    faketime, need, short_date, wait_for)

MAIN_CLIENT = (660, 445)  # 9900 x 6675 twips, below the menu bar
SITE = "http://www.quillmoor.com"
PAGE = SITE + "/aurivane/ssd.php?page="
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


@pytest.fixture(scope="session")
def build(request):
    assert request.config.getoption("windows_build"), "no --windows-build"
    return os.path.abspath(request.config.getoption("windows_build"))


@pytest.fixture(scope="session")
def program(build, home):
    archives = glob.glob(os.path.join(build, "Aurivane-*-win64.zip"))
    assert len(archives) == 1, "expected one ZIP in %s, found %r" % (build, archives)
    with zipfile.ZipFile(archives[0]) as archive:
        archive.extractall(home.folder("portable"))
    programs = glob.glob(os.path.join(home.root, "portable", "*", "bin", "aurivane.exe"))
    assert len(programs) == 1, "no bin/aurivane.exe in the ZIP"
    return programs[0]


@pytest.fixture(scope="session")
def installer(build):
    installers = glob.glob(os.path.join(build, "Aurivane-*-win64.exe"))
    assert len(installers) == 1, "expected one installer in %s, found %r" % (build, installers)
    return installers[0]


# --- the program's windows ----------------------------------------------------

def sized_windows(display):
    """(window, size) of the program's windows, each size asked once: a
    window may go away between two questions."""
    sized = ((w, display.size(w)) for w in display.windows(MAIN_TITLE))
    return [(w, found) for w, found in sized if found]


def main_windows(display, scale=1.0):
    """The main window, told by its width: 660 layout pixels at `scale`."""
    return [w for w, found in sized_windows(display)
            if abs(found[0] - round(MAIN_CLIENT[0] * scale)) <= 1]


def support_windows(display, scale=1.0):
    size = [round(length * scale) for length in SUPPORT_SIZE]
    return [w for w, found in sized_windows(display)
            if all(abs(a - b) <= 1 for a, b in zip(found, size))]


def ended_early(process):
    assert process.poll() is None, "the program ended early with %s" % process.returncode


def wait_main(display, process, scale=1.0, question=False):
    """Waits for the main window; a message box that comes first fails
    unless a `question` was answered just before."""
    def probe():
        ended_early(process)
        assert question or not display.windows(MESSAGE_TITLE), "a message box came up"
        return main_windows(display, scale)
    return wait_for("the main window", probe, WAIT)[0]


def press(display, window, *keys):
    display.xdotool("windowactivate", "--sync", str(window))
    display.xdotool("key", "--clearmodifiers", "--delay", "120", *keys)


def client_offset(display, window):
    """Height of the menu bar above the main window's client area."""
    return display.size(window)[1] - MAIN_CLIENT[1]


def centred(openbox, window):
    """Whether the frame of `window` stands centred on the 1280x1024 screen, within
    2 pixels: Wine reckons with a frame a little unlike openbox's."""
    left, top, width, height, _ = openbox.frame(window)
    return abs(2 * left + width - 1280) <= 4 and abs(2 * top + height - 1024) <= 4


def to_support_screen(display, process, window, scale=1.0):
    display.close_window(window)
    return wait_for("the support screen", lambda: ended_early(process) or
                    support_windows(display, scale), WAIT)[0]


def orderly_end(display, process, window, scale=1.0):
    support = to_support_screen(display, process, window, scale)
    wait_for("the main window to go", lambda: not main_windows(display, scale), WAIT)
    display.click(support, *[round(c * scale) for c in EXIT_BUTTON])
    assert exit_status(process, WAIT) == 0, "exit status %s" % process.returncode


def wait_opened(wine, count):
    return wait_for("%d addresses to reach the browser" % count,
                    lambda: len(wine.opened()) >= count and wine.opened(), WAIT)


# --- the program ------------------------------------------------------------------

def files_under(folder):
    """{relative path with /: size} of every file below folder."""
    return {os.path.relpath(path, folder).replace(os.sep, "/"): os.path.getsize(path)
            for path in glob.glob(os.path.join(folder, "**"), recursive=True)
            if os.path.isfile(path)}


# The longest test, first: the others run beside it (scripts/test-windows).
def test_install_and_uninstall(wine, display, program, installer):
    """Per user by default, for all users with /AllUsers, never both; run again it updates
    the copy where it is, given another folder it moves it; neither installing over nor
    uninstalling a running Aurivane touches it; uninstalling leaves only the reminder date."""
    exe = '"Z:%s"' % installer.replace("/", "\\")
    size = os.path.getsize(installer)
    assert size <= 12 * 1024 * 1024, "the installer has %.1f MB" % (size / 1048576)
    listed = subprocess.run(["sha256sum", "--check", "--strict", "SHA256SUMS"],
                            cwd=os.path.dirname(installer), capture_output=True, text=True)
    assert listed.returncode == 0 and ".exe: OK" in listed.stdout and \
        ".zip: OK" in listed.stdout, "SHA256SUMS: %s%s" % (listed.stdout, listed.stderr)
    shipped = files_under(os.path.dirname(os.path.dirname(program)))
    assert LICENCES <= set(shipped), "the ZIP lacks %r" % (LICENCES - set(shipped))
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
        assert command(exe + options) == 0, "installing with %r failed" % options
        entry = wine.registry(entry_key)
        assert entry and re.fullmatch(location, entry.get("InstallLocation", "")), \
            "no Apps & features entry %s for %s: %r" % (entry_key, location, entry)
        location = entry["InstallLocation"]
        folder = wine.unix_path(location)
        files = files_under(folder)
        assert set(files) == set(shipped) | {"Uninstall.exe"}, "not the ZIP's files"
        uninstaller = location + "\\Uninstall.exe"
        expected = {"DisplayName": "Aurivane", "DisplayVersion": VERSION, "Publisher": "Quillmoor",
                    "DisplayIcon": location + "\\bin\\aurivane.exe",
                    "UninstallString": '"%s"' % uninstaller,
                    "QuietUninstallString": '"%s" /S' % uninstaller,
                    "URLInfoAbout": SITE + "/aurivane/", "NoModify": 1, "NoRepair": 1}
        wrong = {k: entry.get(k) for k, v in expected.items() if entry.get(k) != v}
        assert not wrong, "entry values %r" % wrong
        kilobytes = sum(files.values()) / 1024
        assert abs(entry.get("EstimatedSize", 0) - kilobytes) < 0.05 * kilobytes, \
            "EstimatedSize %r for %d KB" % (entry.get("EstimatedSize"), kilobytes)
        now = left(location)
        assert len(now) == 3, "installed, there are %r" % now
        return folder, entry

    def uninstall(folder):
        """As Apps & features does; it returns before it is done."""
        wine.run([os.path.join(folder, "Uninstall.exe"), "/S"])
        wait_for("the uninstaller to finish",
                 lambda: not os.path.exists(os.path.join(folder, "Uninstall.exe")), WAIT)
        wine.wait_server()

    # Wine passes for Windows 7, which Qt 6 no longer runs on: the installer
    # refuses it (and anything before Windows 10 version 1703).
    assert command(exe + " /S") == 1150, "the installer did not refuse Windows 7"
    assert left() == []
    wine.run(["winecfg", "-v", "win10"])
    wine.wait_server()

    # For the current user: under the user's profile, no elevation; for all
    # users as well, it would be a second "Aurivane": refused.
    _, first = installed(" /S", user_entry, r".*\\AppData\\Local\\Programs\\Aurivane")
    assert command(exe + " /S /AllUsers") == 1638, "a second Aurivane for all users"
    assert len(left()) == 2, "a second Aurivane for all users: %r" % left()

    # Given another folder, it moves there: the first copy goes, with the
    # folder it created. Run again, it updates that copy where it is.
    installed(" /S /D=" + elsewhere, user_entry, re.escape(elsewhere))
    remains = left(first["InstallLocation"], first.get("CreatedFolder"))
    assert len(remains) == 2, "moved, but there are %r" % remains
    folder, entry = installed(" /S", user_entry, re.escape(elsewhere))

    # While it runs, installing over it, moving it and uninstalling it all
    # refuse and change nothing. The uninstaller runs as a copy outside the
    # folder with _?=, which makes it wait and pass on its exit code.
    app = wine.start([os.path.join(folder, "bin", "aurivane.exe")])
    window = wait_main(display, app)
    stored = wait_for("the stored reminder date", wine.duration, WAIT)
    before = files_under(folder)
    assert command(exe + " /S") == 2, "installing over the running program"
    assert command(exe + r" /S /D=C:\Moved\Aurivane") == 2, "moving the running program"
    assert command('copy "%s\\Uninstall.exe" "%%TEMP%%"' % elsewhere,
                   '"%%TEMP%%\\Uninstall.exe" /S _?=%s' % elsewhere) == 2, \
        "uninstalling the running program"
    assert files_under(folder) == before and wine.registry(user_entry) == entry and \
        len(left(r"C:\Moved")) == 2, "the installation changed while it ran"
    orderly_end(display, app, window)
    again = wine.start([os.path.join(folder, "bin", "aurivane.exe")])
    orderly_end(display, again, wait_main(display, again))

    # Closed, it goes without a trace but the reminder date.
    uninstall(folder)
    remains = left(elsewhere, entry.get("CreatedFolder"), first["InstallLocation"],
                   r"HKEY_CURRENT_USER\Software\Quillmoor")
    assert not remains, "uninstalling left %r" % remains
    assert wine.duration() == stored, "uninstalling lost the stored reminder date"

    # For all users: Program Files and HKLM; for the current user as well,
    # it would be a second "Aurivane": refused, and nothing changed.
    folder, entry = installed(" /S /AllUsers", machine_entry,
                              re.escape(r"C:\Program Files\Aurivane"))
    assert command(exe + " /S") == 1638, "a second Aurivane for the current user"
    assert len(left()) == 2, "a second Aurivane for the current user: %r" % left()
    uninstall(folder)
    remains = left(entry["InstallLocation"], r"HKEY_LOCAL_MACHINE\Software\Quillmoor")
    assert not remains, "uninstalling for all users left %r" % remains


def test_first_start_then_same_day(wine, display, program):
    before = datetime.date.today()
    app = wine.start([program])
    window = wait_main(display, app)
    stored = wait_for("the stored reminder date", wine.duration, WAIT)
    assert stored in (short_date(before), short_date(datetime.date.today())), \
        "stored %r, not today" % stored
    orderly_end(display, app, window)

    again = wine.start([program])
    window = wait_main(display, again)
    assert wine.duration() == stored, "a same-day start changed the date"
    orderly_end(display, again, window)
    assert wine.opened() == []


@pytest.mark.parametrize("short_format", [None, "dddd"])  # a weekday, no date: ISO dates
def test_reminder_fifteen_days_later(wine, display, program, short_format):
    wine.run(["reg", "add", r"HKCU\Control Panel\International", "/v", "sShortDate", "/f",
              "/d", short_format or "M/d/yyyy"])  # the user's own, else en-US's
    app = wine.start([program])
    window = wait_main(display, app)
    wait_for("the stored reminder date", wine.duration, WAIT)
    orderly_end(display, app, window)
    wine.wait_server()

    # Fifteen days on, by the clock of every Wine process.
    later = datetime.date.today() + datetime.timedelta(days=15)
    app = wine.start([program], **faketime("+15d"))
    question = wait_for("the question", lambda: display.windows(MESSAGE_TITLE), WAIT)[0]
    assert not main_windows(display), "the main window came before the question"
    press(display, question, "Return")  # Yes is the default button
    window = wait_main(display, app, question=True)
    assert wait_opened(wine, 1) == [PAGE + "download-web-page"]
    assert wine.duration() == (later.isoformat() if short_format else short_date(later))
    orderly_end(display, app, window)


def test_second_instance_refused(wine, display, program):
    first = wine.start([program])
    window = wait_main(display, first)
    stored = wait_for("the stored reminder date", wine.duration, WAIT)

    second = wine.start([program])
    box = wait_for("the refusal", lambda: display.windows(MESSAGE_TITLE), WAIT)[0]
    assert main_windows(display) == [window], "the refused start showed a main window"
    display.close_window(box)
    assert exit_status(second, WAIT) == 0, "the refused start ended with %s" % second.returncode
    assert first.poll() is None, "the first instance ended"
    assert wine.duration() == stored, "the refused start touched the registry"

    # A lock left by an instance that was killed does not block the next one.
    os.kill(first.pid, signal.SIGKILL)
    first.wait(timeout=WAIT)
    wait_for("the killed window to go", lambda: not main_windows(display), WAIT)
    third = wine.start([program])
    orderly_end(display, third, wait_main(display, third))


def test_links_open_their_pages(wine, display, program):
    app = wine.start([program])
    window = wait_main(display, app)
    offset = client_offset(display, window)
    expected = []

    def expect(page, action):
        action()
        expected.append(PAGE + page)
        assert wait_opened(wine, len(expected)) == expected

    # Which control opens which page the QtTests check; here one menu entry
    # and one link label prove the hand-over to the shell.
    expect("help-web-page", lambda: press(display, window, "alt+h", "o"))
    expect("home-page", lambda: display.click(window, 330, offset + 14))

    press(display, window, "alt+f", "x")
    support = wait_for("the support screen", lambda: support_windows(display), WAIT)[0]
    assert app.poll() is None, "closing the main window ended the program"
    assert wine.opened() == expected

    # The frame's close button ends the program like "E&xit".
    display.close_window(support)
    assert exit_status(app, WAIT) == 0, "exit status %s" % app.returncode


def test_refer_a_friend_address(wine, display, program):
    need("xclip")
    app = wine.start([program])
    window = wait_main(display, app)
    # By the keyboard alone: a reading for "Maya", 1 March, which lands on its page; backwards
    # from there, past the banner, the promotion.
    press(display, window, *"M a y a Tab Down Down Tab Tab Tab space shift+Tab shift+Tab Return"
          .split())
    assert wait_opened(wine, 1) in ([PAGE + "fully-branded"], [PAGE + "co-brand"])
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
                                stdin=subprocess.PIPE, env=wine.environment())
        clip.communicate(text.encode("utf-8"), timeout=WAIT)
        time.sleep(0.3)
        display.xdotool("key", "--clearmodifiers", "ctrl+a", "ctrl+v")
        time.sleep(0.3)

    # "E&xit" has the focus; then the panel: name, button, e-mail, friend's
    # e-mail, friend's name.
    press(display, support, "Tab")
    for name, keys in (("taf1", ("Tab", "Tab")), ("taf2", ("Tab",)), ("taf5", ("Tab",)),
                       ("taf4", ("Tab",))):
        paste(typed[name])
        display.xdotool("key", *keys)
    paste("HIDDEN")
    display.xdotool("key", "--clearmodifiers", "alt+n")
    opened = wait_opened(wine, 2)[1:]
    assert not display.windows(MESSAGE_TITLE), "a message box came up"
    assert len(opened) == 1 and opened[0].startswith(PAGE + "qmms-refer-a-friend&taf1="), \
        "opened %r" % opened
    values = dict(urllib.parse.parse_qsl(urllib.parse.urlsplit(opened[0]).query,
                                         keep_blank_values=True))
    assert {name: values.get(name) for name in typed} == typed
    assert values.get("taf6") == SITE + "/aurivane/"
    display.click(support, *EXIT_BUTTON)
    assert exit_status(app, WAIT) == 0, "exit status %s" % app.returncode


def test_centred_and_support_screen_on_top(wine, display, openbox, program):
    app = wine.start([program])
    main = wait_main(display, app)
    wait_for("the main window centred", lambda: centred(openbox, main), WAIT)
    support = to_support_screen(display, app, main)
    wait_for("the support screen centred", lambda: centred(openbox, support), WAIT)
    assert openbox.keeps_above(support), "the support screen is not kept above"
    # Its frame offers no resizing: Wine gives a window without a resizing
    # frame one minimum and maximum size.
    assert openbox.fixed_size(support), "the support screen can be resized"

    # Its refer-a-friend message stands above it, where the user sees it.
    display.click(support, *REFERRAL_SUBMIT)
    box = wait_for("the refer-a-friend message", lambda: display.windows(MESSAGE_TITLE), WAIT)[0]
    assert openbox.above(box, support), "the message box stands behind the support screen"
    display.close_window(box)
    wait_for("the message box to close", lambda: not display.windows(MESSAGE_TITLE), WAIT)
    display.click(support, *EXIT_BUTTON)
    assert exit_status(app, WAIT) == 0, "exit status %s" % app.returncode


GOLD = (255, 180, 4)
OUTLINE = (50 + 120, 480 + 1200, 9555, 4215)  # the reading's gold outline, in the client


def outline_edges(display, window, scale):
    """Checks the gold outline around the reading: crossing it at a quarter,
    the middle and three quarters, both ways, meets exactly two gold edges,
    all of one thickness."""
    width, height, at = display.pixels(window)
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
            assert len(runs) == 2, "at %d %% %s the outline has %d edges: %r" % (
                part * 100, name, len(runs), runs)
            thicknesses.update(length for _, length in runs)
    assert len(thicknesses) == 1, "the outline's edges are %r pixels thick" % thicknesses


def test_colours_as_on_linux(wine, display, program):
    """The reading button and the date lists wear their own colours, which
    the native Windows styles would paint over in white; at 150 % (144 dpi)
    the gold outline around a reading keeps its four edges; at 200 % the
    main window, wider than the screen, opens at its left edge."""
    app = wine.start([program])
    window = wait_main(display, app)
    offset = client_offset(display, window)
    time.sleep(1)
    page = (50, 480)
    pixel = lambda x, y: display.pixels(window, x, y, 1, 1)[2](0, 0)  # noqa: E731
    button = pixel(twips(page[0] + 2970) + 6, offset + twips(page[1] + 3600 + 200))
    # Light blue, shaded by the style; a native Windows button is grey.
    assert button[2] > 200 and button[2] - button[0] > 50 and button[2] - button[1] > 20, \
        "the reading button's face is %r" % (button,)
    month = pixel(twips(page[0] + 4129) + 4, offset + twips(page[1] + 2760 + 157))
    # Dark red-brown; a native Windows list is white.
    assert month[0] < 128 and month[1] < 48 and month[2] < 48, "the month list is %r" % (month,)
    orderly_end(display, app, window)

    # 150 %, as most Windows laptops come, and 200 %, where the windows are
    # wider than this 1280 pixel screen: the screen's dots per inch, read
    # when the prefix's wineserver starts.
    for dpi, scale in ((144, 1.5), (192, 2.0)):
        wine.run(["reg", "add", r"HKCU\Control Panel\Desktop", "/v", "LogPixels", "/t",
                  "REG_DWORD", "/d", str(dpi), "/f"])
        wine.wait_server(kill=True)
        app = wine.start([program])
        window = wait_main(display, app, scale)
        time.sleep(1)
        if dpi == 144:  # a name, then the reading button by its access key
            press(display, window, "A", "n", "n", "alt+g")
            time.sleep(1)
            outline_edges(display, window, 1.5)
        else:  # a window wider than the screen opens at its top-left corner
            where = display.xdotool("getwindowgeometry", str(window))
            spot = re.search(r"Position: (-?\d+),(-?\d+)", where)
            assert spot and 0 <= int(spot[1]) <= 8 and int(spot[2]) >= 0, "opened at " + where
        orderly_end(display, app, window, scale)


# --- the executables and the installer ------------------------------------------

def pe_facts(path):
    """(subsystem, resource type ids) of a 64-bit Windows executable."""
    with open(path, "rb") as f:
        data = f.read()
    pe = struct.unpack_from("<I", data, 0x3C)[0]
    assert data[pe:pe + 4] == b"PE\0\0", "%s is no Windows executable" % path
    sections, optional_size = struct.unpack_from("<H", data, pe + 6)[0], \
        struct.unpack_from("<H", data, pe + 20)[0]
    optional = pe + 24
    assert struct.unpack_from("<H", data, optional)[0] == 0x20B, "not a 64-bit executable"
    subsystem = struct.unpack_from("<H", data, optional + 68)[0]
    resource_rva = struct.unpack_from("<I", data, optional + 112 + 2 * 8)[0]

    def file_offset(rva):
        for i in range(sections):
            header = optional + optional_size + 40 * i
            size, address, _, raw = struct.unpack_from("<IIII", data, header + 8)
            if address <= rva < address + max(size, 1):
                return raw + rva - address
        raise AssertionError("address %#x lies in no section" % rva)

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
    manifest = re.search(rb"<assembly .*?</assembly>", data, re.S)
    assert manifest, "no manifest text in the program"
    root = ET.fromstring(manifest.group(0))
    return lambda name: [e.text or e.get("level") or e.get("Id") for e in root.iter()
                         if e.tag.rsplit("}", 1)[-1] == name]


def test_executable_is_a_gui_program(program, installer):
    """No console window, the icon in Explorer in every size Windows asks
    for at 100 to 200 %, the manifest and the version block; the installer's
    version block, and a manifest that asks for no administrator rights."""
    for path in (installer, program):
        subsystem, types, icon_sizes = pe_facts(path)
        assert (subsystem, {16, 24} <= types) == (2, True), "%s: resources %r" % (path, types)
        with open(path, "rb") as f:
            data = f.read()
        assert version_strings(data, VERSION) == {"FileVersion", "ProductVersion"}, path
        texts = manifest_entries(data)
        assert texts("requestedExecutionLevel") == ["asInvoker"], path
    assert {3, 14} <= types, "the executable has no icon"
    assert icon_sizes == [16, 20, 24, 32, 40, 48, 64, 256]
    for name, wanted in (("supportedOS", "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"),
                         ("dpiAwareness", "PerMonitorV2,PerMonitor"), ("longPathAware", "true")):
        found = [t.replace(" ", "") for t in texts(name)]
        assert found == [wanted], "the manifest's %s is %r" % (name, found)
