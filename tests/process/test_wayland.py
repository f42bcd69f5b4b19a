"""In a Wayland session (weston, nested on the private X display)."""

import datetime
import glob
import os
import shutil

from worlds import (EXIT_BUTTON_CENTRE, X, Weston, exit_status, short_date, stderr_of, wait_for,
                    xdisplay)


def test_wayland_when_x_is_unreachable(world, weston):
    """Beside a DISPLAY no X server answers, the program goes on to Wayland,
    and no window of fixed size ends it or stays stuck when asked to maximize."""
    world.write_duration(short_date(world.today() - datetime.timedelta(days=15)))
    nowhere = next(":%d" % n for n in range(1000, 2000)
                   if not os.path.exists("/tmp/.X11-unix/X%d" % n))
    app = world.start(QT_QPA_PLATFORM=None, DISPLAY=nowhere, WAYLAND_DISPLAY=Weston.SOCKET)
    weston.maximize(app, None, "Escape")  # the update question, answered No
    main = weston.maximize(app, 666, "alt+h", "a")  # the main window, then its about box
    weston.maximize(app, 475, "Escape")
    weston.click(main[2] - 17, main[1] + 15)  # the main window's close button
    support = weston.maximize(app, 747)  # the support screen, then its "E&xit"
    weston.click(support[0] + 3 + EXIT_BUTTON_CENTRE[0], support[1] + 30 + EXIT_BUTTON_CENTRE[1])
    assert exit_status(app) == 0, "exit status %s: %s" % (app.returncode, stderr_of(app))
    assert world.duration() == short_date(world.today())


def test_wayland_plugin_only_on_plugin_path(world, weston):
    """With no DISPLAY and Qt's Wayland plugin only in a folder of
    QT_PLUGIN_PATH (a Qt of one's own: Debian's platform plugins hidden), the
    program starts on Wayland."""
    qt, plugins = glob.glob("/usr/lib/*/qt6/plugins/platforms")[0], world.home.folder("qt")
    shutil.copytree(qt, plugins + "/platforms",
                    ignore=lambda _, names: [name for name in names if "wayland" not in name])
    app = world.start("--mount", "sh", "-c", 'mount -t tmpfs none "$0" && exec "$1"', qt,
                      world.program, program="unshare", QT_PLUGIN_PATH=plugins,
                      QT_QPA_PLATFORM=None, DISPLAY=None, WAYLAND_DISPLAY=Weston.SOCKET)

    def shown():
        assert app.poll() is None, "the program ended: %s" % stderr_of(app)
        return weston.title_bar(666)
    wait_for("the main window on weston", shown)


def test_wayland_session_runs_on_x(world, weston):
    """Beside X the program runs on X, quietly; its main window is gone before
    the support screen maps, and closing that by its frame ends the program."""
    app = world.start(QT_QPA_PLATFORM=None, XDG_SESSION_TYPE="wayland",
                      WAYLAND_DISPLAY=Weston.SOCKET)
    window = world.main_window(app)
    x = xdisplay.Display(world.display.name)
    x.screen().root.change_attributes(event_mask=X.SubstructureNotifyMask)
    x.sync()
    world.display.close_window(window)
    support = world.support_screen(app)
    world.display.close_window(support)
    assert exit_status(app) == 0, "exit status %s" % app.returncode
    wanted = [(X.UnmapNotify, window), (X.MapNotify, support)]
    events = [(e.type, e.window.id) for e in (x.next_event() for _ in range(x.pending_events()))]
    assert [e for e in events if e in wanted][:1] == wanted[:1] and wanted[1] in events, \
        "the support screen mapped before the main window went: %r" % events
    assert stderr_of(app) == ""
