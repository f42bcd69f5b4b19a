"""The real program started, refused and ended: the settings file, the
single-instance lock, the reminder question and the address the browser
receives, the hand-over to the support screen and the exit status."""

import datetime
import os
import re
import shutil
import signal
import urllib.parse

import pytest
from Xlib import Xatom

from worlds import (IN_2030, MESSAGE_TITLE, WAIT, exit_status, short_date, stderr_of, wait_for)



@pytest.mark.parametrize("remove_settings", [False, True],
                         ids=["orderly end", "settings removed while running"])
def test_first_start_and_orderly_end(world, remove_settings):
    """With `remove_settings`, the settings folder is removed while it runs."""
    before = world.today()
    app = world.start()
    window = world.main_window(app)
    stored = wait_for("the reminder date", world.duration)
    assert stored in (short_date(before), short_date(world.today())), "stored %r" % stored
    assert world.opened() == [], "the first start opened %r" % world.opened()
    if remove_settings:
        shutil.rmtree(os.path.dirname(world.settings_file()))
        stored = None
    world.end_via_support_screen(app, window)
    assert world.duration() == stored, "the exit changed the stored date"


@pytest.mark.parametrize("left_behind", [False, True], ids=["none", "its list left behind"])
def test_centred_without_a_window_manager(world, left_behind):
    """With no window manager, or only its list left behind, the program centres itself."""
    if left_behind:
        x = world.display.x
        x.screen().root.change_property(x.intern_atom("_NET_SUPPORTED"), Xatom.ATOM, 32,
                                        [x.intern_atom("_NET_REQUEST_FRAME_EXTENTS")])
        x.sync()
    window = world.main_window(world.start())
    geometry = world.display.xdotool("getwindowgeometry", str(window))
    at = [int(n) for n in re.findall(r"\d+", geometry)]  # id, x, y, screen, width, height
    assert max(abs(2 * at[1] + at[4] - 1280), abs(2 * at[2] + at[5] - 1024)) <= 2, at


def test_no_display_says_so(world):
    """Started where there is no display, the program says how to run it,
    ends with 1 and leaves the settings alone."""
    app = world.start(DISPLAY=None, QT_QPA_PLATFORM=None)
    status = exit_status(app)
    said = app.stderr.read().decode(errors="replace")
    assert status == 1, "exit status %s: %s" % (status, said)
    for advice in ("no display found", "xvfb-run -a aurivane", "package qt6-wayland"):
        assert advice in said
    assert not os.path.exists(world.settings_file()), "it wrote its settings"
    # A platform the user names is Qt's to use, display or none.
    app = world.start("-platform", "offscreen", DISPLAY=None, QT_QPA_PLATFORM=None)
    wait_for("the first start's reminder date", world.duration)
    assert app.poll() is None, "ended with %s" % app.returncode


def test_second_instance_refused(world):
    # Without a runtime folder the lock goes into a folder of its own below
    # TMPDIR, which the first start creates.
    lockless = {"XDG_RUNTIME_DIR": None, "TMPDIR": world.home.folder("tmp")}
    first = world.start(**lockless)
    first_window = world.main_window(first)
    assert os.path.exists(os.path.join(lockless["TMPDIR"], "aurivane-%d" % os.getuid(),
                                       "aurivane.lock"))
    wait_for("the reminder date", world.duration)
    with open(world.settings_file(), "rb") as f:
        settings_before = f.read()

    world.refused(world.start(**lockless))
    assert first.poll() is None, "the first instance ended"
    assert world.windows(first) == [first_window], "the first instance's main window changed"
    with open(world.settings_file(), "rb") as f:
        assert f.read() == settings_before, "the refused start touched the settings"

    # Once the first instance is killed outright, its lock no longer counts.
    first.send_signal(signal.SIGKILL)
    first.wait(timeout=WAIT)
    world.reach_main_window(world.start(**lockless), question=False)


@IN_2030
@pytest.mark.parametrize("platform", [None, "xcb"], ids=["platform unset", "platform xcb"])
def test_reminder_yes_opens_download_page(world, platform):
    old = world.today() - datetime.timedelta(days=15)
    world.write_duration(short_date(old))
    app = world.start(QT_QPA_PLATFORM=platform)  # unset, the program picks X itself
    question = world.message_box(app)
    assert not world.windows(app), "main window shown before the question"
    # Yes is the default button.
    world.display.xdotool("windowfocus", "--sync", str(question), "key", "--clearmodifiers",
                          "Return")
    world.main_window(app)
    opened = wait_for("the download page", world.opened)
    assert len(opened) == 1, "opened %r" % opened
    address = urllib.parse.urlsplit(opened[0])
    assert address.path.endswith("/aurivane/ssd.php") and \
        address.query == "page=download-web-page", "opened %r" % opened[0]
    # The browser inherits the user's platform, never the program's own settings.
    assert world.opener.opened(".platform") == [platform or ""]
    assert world.duration() in (short_date(world.today()),
                                short_date(old + datetime.timedelta(15)))


def test_twenty_simultaneous_starts(world):
    starts = [world.start() for _ in range(20)]
    settled = {}

    def probe():
        for p in starts:
            if p.pid not in settled:
                assert p.poll() is None, "a start ended before settling: %s" % stderr_of(p)
                if world.windows(p):
                    settled[p.pid] = "main"
                elif world.windows(p, MESSAGE_TITLE):
                    settled[p.pid] = "box"
        return len(settled) == len(starts)
    wait_for("all twenty starts to settle", probe, timeout=WAIT * 4)
    winners = [p for p in starts if settled[p.pid] == "main"]
    assert len(winners) == 1, "%d main windows" % len(winners)
    for p in starts:
        if p is not winners[0]:
            world.refused(p)
    assert winners[0].poll() is None, "the running instance ended"
    world.end_via_support_screen(winners[0], world.windows(winners[0])[0])


def test_copy_has_its_own_store_and_lock(world):
    copy = os.path.join(world.home.folder("renamed"), "quillmoor-reading")
    shutil.copy2(world.program, copy)
    earlier = short_date(world.today() - datetime.timedelta(days=3))
    world.write_duration(earlier)
    first = world.start()
    world.main_window(first)
    second = world.start(program=copy)
    world.reach_main_window(second, question=False)
    assert wait_for("the copy's date", lambda: world.duration("quillmoor-reading")) == \
        short_date(world.today())
    assert world.duration() == earlier, "the copy changed the first program's date"
    for name in ("aurivane.lock", "quillmoor-reading.lock"):
        assert os.path.exists(os.path.join(world.runtime, name)), "no " + name
    world.refused(world.start(program=copy))
    for app in (second, first):
        world.end_via_support_screen(app, world.main_window(app))
