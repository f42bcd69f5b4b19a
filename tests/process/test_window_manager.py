"""Under the window manager of each major desktop: where the windows open, what
they keep and how the program ends. Under openbox, by the keyboard alone, on a
dark desktop: the support screen's messages above it."""

import datetime
import time

import pytest
from Xlib import X
from worlds import DESKTOPS, EXIT_BUTTON_CENTRE, exit_status, short_date, wait_for


@pytest.mark.parametrize("desktop", list(DESKTOPS), indirect=True)
def test_every_window_centred_in_front(world, desktop):
    """The question, the main window, a refusal, the about box and the support screen
    open centred, frame included, stay there and take the keyboard; the main window
    keeps its size; the support screen stays above a window activated after it."""
    world.write_duration(short_date(world.today() - datetime.timedelta(days=15)))
    app = world.start()
    kept = {}

    def opens(window):  # centred, then in front with the keyboard, and still there
        def centred():
            x, y, w, h, _ = kept[window] = desktop.frame(window)
            return desktop.framed(window) and max(abs(2 * x + w - 1280), abs(2 * y + h - 1024)) <= 3
        wait_for(lambda: "window %d centred, not at %r" % (window, kept[window]), centred)
        world.keyboard_on(window)
        assert desktop.frame(window) == kept[window], "window %d moved" % window
        if desktop.name in ("openbox", "xfwm4", "marco"):  # no compositing: mapped is painted
            assert desktop.first_place(window) == kept[window][:2], "it moved after it showed"
        return window

    opens(world.message_box(app))
    world.keyboard("@Escape")  # No
    main = opens(world.main_window(app))
    world.display.xdotool("-i", "-r", str(main), "-b", "add,maximized_vert,maximized_horz",
                          tool="wmctrl")
    world.display.xdotool("windowsize", str(main), "900", "700")
    time.sleep(1)
    assert desktop.frame(main) == kept[main], "the main window moved or changed its size"
    world.keyboard("@alt+g")  # "Please enter your name"
    opens(world.message_box(app))
    world.keyboard("@Return")
    world.keyboard_on(main)
    world.keyboard("@alt+h a")
    opens(wait_for("the about box", lambda: [w for w in world.windows(app) if w != main])[0])
    world.keyboard("@Escape")
    world.keyboard_on(main)
    world.keyboard("@alt+f x")
    support = opens(world.support_screen(app))
    other = world.display.x.screen().root.create_window(0, 0, 1280, 1024, 0, X.CopyFromParent)
    other.map()
    world.display.x.sync()
    world.display.xdotool("windowactivate", "--sync", str(other.id))
    world.keyboard_on(other.id)
    assert desktop.above(support, other.id), "a window activated later covers the support screen"
    world.display.click(support, *EXIT_BUTTON_CENTRE)
    assert exit_status(app) == 0, "exit status %s" % app.returncode


def box_above_support_screen(world, wm, app, support, action):
    """Does `action`; the message box it brings stands above the support
    screen and shows on the screen; then Return closes it."""
    def settled():  # placed and painted: clicks land where they are aimed
        first = wm.screenshot(support)
        time.sleep(0.3)
        return first if wm.screenshot(support) == first else None
    covered = wait_for("the support screen to settle", settled)[1]
    action()
    box = world.message_box(app)
    wait_for("the message box above the support screen", lambda: wm.above(box, support))
    assert wm.screenshot(support)[1] != covered, "the support screen looks as before the box"
    world.display.xdotool("windowfocus", "--sync", str(box), "key", "--clearmodifiers", "Return")
    wait_for("the box to close", lambda: not world.windows(app, "Aurivane"))
    world.keyboard_on(support)


def test_support_screen_messages_on_top(world, openbox):
    """A reading, the links of its page, the support screen (dark on white
    whatever the desktop) with its messages above it, a referral."""
    app = world.start(QT_QPA_PLATFORMTHEME="gtk3", GTK_THEME="Adwaita:dark")
    world.keyboard_on(world.main_window(app))
    # "Maya", 1 March; the reading page's first stop is the page itself, and
    # backwards from there come the banner and the promotion in front.
    world.keyboard("Maya", "@Tab Down Down Tab Tab Tab space shift+Tab shift+Tab Return Tab "
                   "Return alt+f x")
    wait_for("the links of the reading page", lambda: [a.split("=")[-1] for a in world.opened()]
             in (["fully-branded", "home-page"], ["co-brand", "home-page"]))
    support = world.support_screen(app)
    world.keyboard_on(support)
    _, _, at = world.display.pixels(support, 8, 56, 465, 73)  # the message, 120, 840 twips on
    assert sum(max(at(x, y)) < 100 for x in range(465) for y in range(73)) > 500, "unreadable"
    world.keyboard("@Tab", "Bob")
    # Untouched addresses: "Please Enter Proper Email Address".
    box_above_support_screen(world, openbox, app, support, lambda: world.keyboard("@alt+n"))
    # A space typed into an e-mail box: "Email Address Cannot Contain Space".
    world.keyboard("@Tab Tab")
    box_above_support_screen(world, openbox, app, support, lambda: world.keyboard("@space"))
    # An address without a dot: its message hands the focus back to it.
    world.keyboard("bob@example", "@Tab", "ann@example.org")
    box_above_support_screen(world, openbox, app, support, lambda: world.keyboard("@alt+n"))
    world.keyboard("bob@example.org", "@Tab Tab", "Ann&Co=1+1", "@Tab", "HIDDEN", "@alt+n")
    wait_for("the referral %r" % world.opened(), lambda: len(world.opened()) == 3)
    assert "&taf1=Bob&taf2=bob%40example.org&taf3=Your%20Message%0D%0A&taf4=Ann%26Co%3D1%2B1" \
        "&taf5=ann%40example.org&" in world.opened()[2]
    world.keyboard("@alt+x")  # "E&xit" ends the program
    assert exit_status(app) == 0, "exit status %s" % app.returncode
