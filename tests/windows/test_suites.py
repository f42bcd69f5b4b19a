"""Every QtTest suite of the Windows build, run under Wine on the offscreen
platform in one prefix: it passes when it ends with 0 and its totals, read
from its output file, count no failure and no skip (a skip is no pass)."""

import glob
import os
import re
import subprocess

import pytest
from worlds import Wine, need

SUITE_TIMEOUT = 300


def pytest_generate_tests(metafunc):
    build = metafunc.config.getoption("windows_build") or ""
    suites = sorted(glob.glob(os.path.join(build, "tests", "**", "tst_*.exe"), recursive=True))
    metafunc.parametrize("suite", suites, ids=[os.path.basename(s)[:-4] for s in suites])


@pytest.fixture(scope="module")
def prefix(home, display):
    need("wine", "wineserver")
    wine = Wine(home.folder("suites"), display)
    try:
        yield wine
    finally:
        wine.stop()


@pytest.fixture(scope="module")
def winepath(request):
    """Qt's libraries and the compiler's runtime, where Wine finds them."""
    folders = [os.path.join(request.config.getoption("windows_qt"), "bin")]
    for dll in ("libstdc++-6.dll", "libwinpthread-1.dll"):
        path = subprocess.run(["x86_64-w64-mingw32-g++-posix", "-print-file-name=" + dll],
                              capture_output=True, text=True, check=True).stdout.strip()
        folders.append(os.path.dirname(os.path.abspath(path)))
    return ";".join("Z:" + folder.replace("/", "\\") for folder in folders)


def test_suite(prefix, winepath, suite):
    out = os.path.join(prefix.root, os.path.basename(suite)[:-4] + ".txt")
    try:
        # Its output is the file. Wine gives a console program a console
        # host, which now and then outlives the suite that ended: a pipe it
        # holds would never reach its end.
        code = prefix.run([suite, "-o", "Z:" + out.replace("/", "\\") + ",txt"],
                          timeout=SUITE_TIMEOUT, output=subprocess.DEVNULL, WINEPATH=winepath,
                          QT_QPA_PLATFORM="offscreen").returncode
    except subprocess.TimeoutExpired:
        code = "timeout"
    text = ""
    if os.path.exists(out):
        with open(out, encoding="utf-8", errors="replace") as f:
            text = f.read()
    totals = re.search(r"Totals: (\d+) passed, (\d+) failed, (\d+) skipped", text)
    failures = [line for line in text.splitlines()
                if line.startswith(("FAIL!", "SKIP")) or line.lstrip().startswith("Loc:")]
    # A skipped test is no pass.
    assert code == 0 and totals and totals.group(2, 3) == ("0", "0"), "%s\n%s" % (
        totals.group(0) if totals else "no totals (exit %s)" % code,
        "\n".join(failures[:20]) or text[-2000:])
