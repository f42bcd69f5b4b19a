"""Under openbox, by the keyboard alone, on a dark desktop: the support
screen kept above the other windows, and its messages above it."""

import time

from worlds import exit_status, wait_for


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
    try:
        wait_for("the message box above the support screen", lambda: box in wm.stacking() and
                 wm.stacking().index(box) > wm.stacking().index(support))
    except AssertionError as failure:
        raise AssertionError("stacking, bottom to top: %r; box %d, support screen %d"
                             % (wm.stacking(), box, support)) from failure
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
    wait_for("the support screen kept above", lambda: openbox.keeps_above(support))
    world.keyboard_on(support)
    _, _, at = world.display.pixels(support, 8, 56, 465, 73)  # the message, 120, 840 twips on
    assert sum(max(at(x, y)) < 100 for x in range(465) for y in range(73)) > 500, "unreadable"
    world.keyboard("@Tab", "Bob")
    # Untouched addresses: "Please Enter Proper Email Address".
    box_above_support_screen(world, openbox, app, support, lambda: world.keyboard("@alt+n"))
    # A space typed into an e-mail box: "Email Address Cannot Contain Space".
    world.keyboard("@Tab Tab")
    box_above_support_screen(world, openbox, app, support, lambda: world.keyboard("@space"))
    assert openbox.keeps_above(support), "the support screen is no longer kept above"
    # An address without a dot: its message hands the focus back to it.
    world.keyboard("bob@example", "@Tab", "ann@example.org")
    box_above_support_screen(world, openbox, app, support, lambda: world.keyboard("@alt+n"))
    world.keyboard("bob@example.org", "@Tab Tab", "Ann&Co=1+1", "@Tab", "HIDDEN", "@alt+n")
    wait_for("the referral %r" % world.opened(), lambda: len(world.opened()) == 3)
    assert "&taf1=Bob&taf2=bob%40example.org&taf3=Your%20Message%0D%0A&taf4=Ann%26Co%3D1%2B1" \
        "&taf5=ann%40example.org&" in world.opened()[2]
    world.keyboard("@alt+x")  # "E&xit" ends the program
    assert exit_status(app) == 0, "exit status %s" % app.returncode
