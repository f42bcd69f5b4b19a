#!/usr/bin/env python3
"""Runs chosen mutants of the program's sources and tells which the tests kill.

Usage: tools/mutation/targeted.py BUILD_DIR MUTANT_FILE [--id ID ...] [-R REGEX]
                                  [--qttest-only]

MUTANT_FILE is a JSON list; each entry is one mutant:

  {"id": "sun-sign-cusp",
   "file": "src/engine/SunSign.cpp",
   "find": "day >= 21",
   "replace": "day > 21",
   "sees": "someone born on 21 March is told Pisces"}

`find` is exact text (several lines if need be) that must occur exactly once
in `file`; a mutant whose text is missing or repeated is reported STALE and
not run. `sees` says in one line what the user would see if the mutant
shipped. An optional `equivalent` says why no user, or no test this machine
can run, tells the mutant from the program; such a mutant that survives is
reported equivalent, with the reason.

For each mutant (all of them, or those named by --id) the file is changed,
BUILD_DIR is rebuilt and the suite is run: first the QtTest suites, then, if
they all pass, the process tests. -R narrows both runs to the tests a ctest
regex matches. Each mutant is reported killed, SURVIVED, equivalent,
did-not-compile or STALE. The file is put back after each mutant, also when
the run is interrupted (Ctrl-C, SIGTERM) or fails, and BUILD_DIR is rebuilt
at the end.
The exit status is 1 when a mutant survived or is stale, else 0.
"""

import argparse
import json
import os
import sys
import time

import suite
from suite import ROOT

FIELDS = ("id", "file", "find", "replace", "sees")


def load(path):
    """The mutants of `path`, checked for their fields and unique ids."""
    with open(path, encoding="utf-8") as handle:
        mutants = json.load(handle)
    if not isinstance(mutants, list):
        raise SystemExit("%s: expected a list of mutants" % path)
    seen = set()
    for number, mutant in enumerate(mutants, 1):
        missing = [f for f in FIELDS if not isinstance(mutant.get(f), str)]
        if missing:
            raise SystemExit("%s: mutant %d lacks %s" % (path, number, ", ".join(missing)))
        if mutant["id"] in seen:
            raise SystemExit("%s: id %s given twice" % (path, mutant["id"]))
        if not isinstance(mutant.get("equivalent", ""), str):
            raise SystemExit("%s: mutant %s: equivalent is not a text" % (path, mutant["id"]))
        if mutant["find"] == mutant["replace"]:
            raise SystemExit("%s: mutant %s changes nothing" % (path, mutant["id"]))
        seen.add(mutant["id"])
    return mutants


def try_mutant(mutant, build_dir, selections):
    """killed, SURVIVED, did-not-compile or STALE; the file is always put back."""
    path = os.path.join(ROOT, mutant["file"])
    if not os.path.isfile(path):
        return "STALE"
    with open(path, "rb") as handle:
        original = handle.read()
    find = mutant["find"].encode("utf-8")
    if original.count(find) != 1:
        return "STALE"
    try:
        with open(path, "wb") as handle:
            handle.write(original.replace(find, mutant["replace"].encode("utf-8")))
        if not suite.build(build_dir):
            return "did-not-compile"
        return "killed" if suite.fails(build_dir, selections) else "SURVIVED"
    finally:
        suite.restore(path, original)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("build")
    parser.add_argument("mutants")
    parser.add_argument("--id", action="append", dest="ids", metavar="ID",
                        help="run only this mutant (may be given again)")
    parser.add_argument("-R", dest="only", metavar="REGEX",
                        help="run only the tests this ctest regex matches")
    parser.add_argument("--qttest-only", action="store_true",
                        help="leave out the process tests, where CPU is short")
    options = parser.parse_args()
    suite.interrupt_on_sigterm()
    build_dir = os.path.abspath(options.build)
    mutants = load(options.mutants)
    if options.ids:
        unknown = set(options.ids) - {m["id"] for m in mutants}
        if unknown:
            raise SystemExit("no mutant %s in %s" % (", ".join(sorted(unknown)), options.mutants))
        mutants = [m for m in mutants if m["id"] in options.ids]
    if not suite.build(build_dir):
        raise SystemExit("%s does not build without mutants" % build_dir)
    selections = suite.runs(build_dir, qttest_only=options.qttest_only, only=options.only)
    if not selections:
        raise SystemExit("-R %s matches no test" % options.only)

    results = []
    try:
        for mutant in mutants:
            started = time.monotonic()
            outcome = try_mutant(mutant, build_dir, selections)
            said = mutant["sees"]
            if outcome == "SURVIVED" and mutant.get("equivalent"):
                outcome, said = "equivalent", mutant["equivalent"]
            results.append((mutant, outcome))
            print("%-15s %s %s (%.0f s)\n  %s" % (outcome, mutant["id"], mutant["file"],
                                                 time.monotonic() - started, said), flush=True)
    except KeyboardInterrupt:
        print("interrupted: every file is back as it was; %s is not rebuilt" % build_dir)
        return 130
    suite.build(build_dir)

    counts = {}
    for _, outcome in results:
        counts[outcome] = counts.get(outcome, 0) + 1
    print("\n" + ", ".join("%d %s" % (n, outcome) for outcome, n in sorted(counts.items())))
    return 1 if counts.get("SURVIVED") or counts.get("STALE") else 0


if __name__ == "__main__":
    sys.exit(main())
