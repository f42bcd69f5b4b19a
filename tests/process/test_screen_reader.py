"""Heard through a real screen reader: Orca listening on a D-Bus session
of its own, whatever session the shell exported."""

import time

import pytest
from worlds import BOGUS_SESSION


@pytest.mark.parametrize("shell", [{}, BOGUS_SESSION], indirect=True,
                         ids=["clean_shell", "shell_session_exported"])
def test_screen_reader_hears_the_walk(shell, world, orca):
    """By the keyboard alone: a name, the month moved on, the reading, three
    values, Back, the support screen, and back into a box of its referral
    panel that shows its placeholder. Each step is heard before the next key."""
    app = world.start(**orca.program)
    world.keyboard_on(world.main_window(app))
    orca.heard_since(0, "Name text")

    def step(keys, *phrases):
        start = time.time()
        for key in keys.split():
            if key.startswith("alt+"):  # held while the letter is pressed, as people do
                world.display.xdotool("keydown", "alt")
                time.sleep(0.3)
                world.display.xdotool("key", key[4:])
                time.sleep(0.3)
                world.display.xdotool("keyup", "alt")
            else:
                world.display.xdotool("key", key)
        try:
            for phrase in phrases:
                orca.heard_since(start, phrase)
        finally:
            print("%s: %s" % (keys, " | ".join(t for at, t in orca.said() if at >= start)))
        return start

    step("A n n", "n")
    step("Tab", "Month of birth, January")
    step("Down", "February")
    step("alt+g", "Sun Sign: Aquarius", "Ruling Planet: Uranus and Saturn",
         "Chakra Name: Root Chakra - Muladhara")
    step("Tab", "Sun Sign: Aquarius")
    step("Tab", "Ruling Planet: Uranus and Saturn")
    step("Tab", "Chakra Name: Root Chakra - Muladhara")
    step("alt+b", "Name text")
    opened = step("alt+f x", "Aurivane v1.20 dialog", "regularly", "Exit")  # in each message
    tabbed = step("Tab", "Your Name text")
    assert sum("regularly" in t for at, t in orca.said() if opened <= at < tabbed) == 1
    step("Tab", "Refer A Friend Now")
    step("shift+Tab", "Your Name")
