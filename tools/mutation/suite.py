"""What both mutation modes share: building, running the suite, restoring a file.

The suite runs as the developers run it: first the QtTest suites (every test
but the process and packaging tests), then, if they all pass, the process
tests, which start the real program and take longer.
"""

import json
import os
import re
import signal
import subprocess

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))

# What the first run leaves out.
LATER = "^(process_|packaging_)"
PROCESS = "^process_"


def run(args, timeout):
    """The exit status of `args` run in the checkout, -1 when it took too long."""
    try:
        return subprocess.run(args, cwd=ROOT, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                              timeout=timeout, check=False).returncode
    except subprocess.TimeoutExpired:
        return -1


def build(build_dir):
    """Whether `build_dir` builds."""
    return run(["cmake", "--build", build_dir], 900) == 0


def test_names(build_dir, pattern):
    """The names of the tests of `build_dir` that match the ctest regex `pattern`."""
    listing = subprocess.run(["ctest", "--test-dir", build_dir, "--show-only=json-v1",
                              "-R", pattern], cwd=ROOT, stdout=subprocess.PIPE,
                             stderr=subprocess.DEVNULL, check=True)
    return [test["name"] for test in json.loads(listing.stdout)["tests"]]


def _exactly(names):
    return "^(" + "|".join(re.escape(name) for name in names) + ")$"


def runs(build_dir, later=LATER, qttest_only=False, only=None):
    """The ctest selections (argument lists) of one suite run, in order.

    Without `only`, the whole suite: all but `later`, then the process
    tests. With `only` (a ctest -R regex), the same two runs narrowed to the
    tests it matches; a run that matches nothing is left out.
    """
    if only is None:
        first, second = ["-E", later], ["-R", PROCESS]
    else:
        names = test_names(build_dir, only)
        early = [n for n in names if not re.search(later, n)]
        process = [n for n in names if re.search(PROCESS, n)]
        first = ["-R", _exactly(early)] if early else None
        second = ["-R", _exactly(process)] if process else None
    return [selection for selection in (first, second if not qttest_only else None)
            if selection is not None]


def fails(build_dir, selections):
    """Whether any of the ctest `selections` fails, run one after the other."""
    for selection in selections:
        if run(["ctest", "--test-dir", build_dir, "-j2", "--stop-on-failure"] + selection,
               900) != 0:
            return True
    return False


def interrupt_on_sigterm():
    """A SIGTERM ends the run the way Ctrl-C does, so restoring code runs."""
    def stop(signum, frame):
        raise KeyboardInterrupt()
    signal.signal(signal.SIGTERM, stop)


def restore(path, original):
    """Writes the bytes `original` back to `path`, Ctrl-C and SIGTERM held off meanwhile."""
    held = signal.pthread_sigmask(signal.SIG_BLOCK, {signal.SIGINT, signal.SIGTERM})
    try:
        with open(path, "wb") as handle:
            handle.write(original)
    finally:
        signal.pthread_sigmask(signal.SIG_SETMASK, held)
