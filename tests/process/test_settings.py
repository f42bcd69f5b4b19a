"""Bad input and failing surroundings: whatever the settings file holds or
whatever stands where the settings and the lock go, the program starts,
shows its windows and ends as always, opening no page."""

import os

from worlds import IN_2030, shift, short_date


def runs_and_ends(world, question=False, stores_today=False, **changes):
    before = world.today()
    app = world.start(**changes)
    window = world.reach_main_window(app, question)
    if stores_today:
        assert world.duration() in (short_date(before), short_date(world.today()))
    world.end_via_support_screen(app, window)
    assert world.opened() == [], "opened %r" % world.opened()


def test_settings_garbage_bytes(world):
    os.makedirs(os.path.dirname(world.settings_file()))
    with open(world.settings_file(), "wb") as f:
        f.write(bytes(range(256)) * 4 + b"\n[Settings\n=\n\xff\xfe[\x00]=\\x\\\n" +
                os.urandom(4096))
    runs_and_ends(world, question=None)


def test_folders_in_the_way(world):
    # Folders where the settings file and the single-instance lock go.
    os.makedirs(world.settings_file())
    os.makedirs(os.path.join(world.runtime, "aurivane.lock"))
    runs_and_ends(world)
    assert os.path.isdir(world.settings_file()), "the folder was replaced"


def test_config_folder_is_file(world):
    # The program's own configuration folder is taken by a regular file.
    folder = os.path.dirname(world.settings_file())
    with open(folder, "w", encoding="utf-8") as f:
        f.write("not a folder\n")
    runs_and_ends(world)
    with open(folder, encoding="utf-8") as f:
        assert f.read() == "not a folder\n", "the file in the way was changed"


def test_nothing_below_a_file(world):
    # Nothing can be created below a regular file, not even by root: neither
    # the settings nor the lock.
    blocker = os.path.join(world.root, "blocker")
    with open(blocker, "w", encoding="utf-8") as f:
        f.write("x")
    runs_and_ends(world, XDG_CONFIG_HOME=os.path.join(blocker, "config"),
                  XDG_RUNTIME_DIR=os.path.join(blocker, "runtime"),
                  TMPDIR=os.path.join(blocker, "tmp"))


@IN_2030
def test_duration_far_past(world):
    world.write_duration(stored=shift("1/1/1900", 85))
    runs_and_ends(world, question=True, stores_today=True)


def test_duration_high_characters(world):
    # Stored characters past the single-byte set read as "?", which the
    # shift drops: what is left is a date long past, so the question comes.
    world.write_duration(stored=shift("1/1/1900", 85) + "\u0100\u4e2d\uffff")
    runs_and_ends(world, question=True, stores_today=True)
