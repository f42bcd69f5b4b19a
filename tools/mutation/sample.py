#!/usr/bin/env python3
"""Samples mutants of the program's sources and tells which the tests catch.

Usage: tools/mutation/sample.py BUILD_DIR [--count N] [--seed S] [--only KIND]

Run it in a clean checkout whose BUILD_DIR is configured (for example
`cmake --preset dev`). Each mutant changes one place in src/:

  text      flips the letter case of one letter in a string literal
  boundary  moves one comparison boundary (< and <=, > and >=)
  delete    deletes one statement
  number    moves one literal number by one, up or down (colours, positions,
            font sizes, thresholds), in sources and headers alike

then rebuilds and runs the suite: first the QtTest suites, then, if they
all pass, the process tests. A mutant that does not compile is drawn again.
The file is restored after every mutant. The closing lines list the
survivors with their places, so each can be judged by hand (some mutants do
not change what the program does).
"""

import argparse
import os
import random
import re
import sys
import time

import suite
from suite import ROOT

STRING = re.compile(r'QStringLiteral\("((?:[^"\\]|\\.)*)"\)|u"((?:[^"\\]|\\.)*)"')
BOUNDARY = re.compile(r"(?<=[\w)\]]) (<=|>=|<|>) (?=[\w(!-])")
# Control names are no text a user sees.
CONTROL_NAME = re.compile(r"^(lbl|txt|cbo|cmd|fra|pic|mnu|Label|Frame|Check|Shape|frm|IMG)\w*(\(\d+\))?$")
STATEMENT = re.compile(r"^( {4,})(?!return\b|case\b|default\b|break\b|}|//|#)[^;{}]*;\s*$")
# A decimal number standing alone (not part of a name, a hex number or a
# string), with its fraction if it has one.
NUMBER = re.compile(r"(?<![\w.\\])(\d+)(\.\d+)?(?![\w.])")
QUOTED = re.compile(r'"(?:[^"\\]|\\.)*"' + r"|'(?:[^'\\]|\\.)*'")


def sources(kind):
    found = []
    endings = (".cpp", ".h") if kind == "number" else (".cpp",)
    for folder, _, files in os.walk(os.path.join(ROOT, "src")):
        for name in files:
            if name.endswith(endings):
                found.append(os.path.join(folder, name))
    return sorted(found)


def sites(kind, lines):
    """(line index, start, end, replacement) for every place of `kind`."""
    out = []
    for i, line in enumerate(lines):
        stripped = line.strip()
        if stripped.startswith("//") or stripped.startswith("#"):
            continue
        if kind == "text":
            for match in STRING.finditer(line):
                group = 1 if match.group(1) is not None else 2
                if CONTROL_NAME.match(match.group(group)) or "objectname" in line.lower():
                    continue
                start, end = match.span(group)
                for k in range(start, end):
                    ch = line[k]
                    if ch.isalpha() and ch.isascii() and line[k - 1] != "\\":
                        out.append((i, k, k + 1, ch.swapcase()))
        elif kind == "boundary":
            for match in BOUNDARY.finditer(line):
                op = match.group(1)
                moved = {"<": "<=", "<=": "<", ">": ">=", ">=": ">"}[op]
                out.append((i, match.start(1), match.end(1), moved))
        elif kind == "delete":
            # Declarations deleted do not compile and are drawn again.
            if STATEMENT.match(line):
                out.append((i, 0, len(line.rstrip("\n")), ""))
        elif kind == "number":
            code = QUOTED.sub(lambda m: " " * len(m.group(0)), line.split("//")[0])
            for match in NUMBER.finditer(code):
                whole = int(match.group(1))
                for moved in {whole + 1, max(0, whole - 1)} - {whole}:
                    out.append((i, match.start(1), match.end(1), str(moved)))
    return out


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("build")
    parser.add_argument("--count", type=int, default=30)
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--only", choices=["text", "boundary", "delete", "number"])
    parser.add_argument("--tests", default=suite.LATER,
                        help="what ctest leaves out in its first run (-E)")
    parser.add_argument("--qttest-only", action="store_true",
                        help="leave out the process tests, where CPU is short")
    options = parser.parse_args()
    build = os.path.abspath(options.build)
    rng = random.Random(options.seed)
    kinds = [options.only] if options.only else ["text", "boundary", "delete", "number"]
    selections = suite.runs(build, later=options.tests, qttest_only=options.qttest_only)
    suite.interrupt_on_sigterm()

    results = []
    tried = set()
    attempts = 0
    while len(results) < options.count and attempts < options.count * 10:
        attempts += 1
        kind = kinds[len(results) % len(kinds)]
        path = rng.choice(sources(kind))
        with open(path, encoding="utf-8") as source:
            lines = source.readlines()
        places = sites(kind, lines)
        if not places:
            continue
        i, start, end, replacement = rng.choice(places)
        # A place drawn again is drawn anew: every mutant counts once.
        if (path, i, start, replacement) in tried:
            continue
        tried.add((path, i, start, replacement))
        original = lines[i]
        lines[i] = original[:start] + replacement + original[end:]
        where = "%s:%d" % (os.path.relpath(path, ROOT), i + 1)
        try:
            with open(path, "w", encoding="utf-8") as source:
                source.writelines(lines)
            if not suite.build(build):
                continue
            started = time.monotonic()
            caught = suite.fails(build, selections)
            results.append((kind, where, original.strip(), lines[i].strip(), caught))
            print("%-8s %-8s %s (%.0f s)\n  - %s\n  + %s" % (
                kind, "caught" if caught else "SURVIVED", where, time.monotonic() - started,
                original.strip(), lines[i].strip()), flush=True)
        finally:
            with open(path, "w", encoding="utf-8") as source:
                source.writelines(original if n == i else line for n, line in enumerate(lines))
    suite.build(build)

    caught = sum(1 for r in results if r[4])
    print("\n%d of %d mutants caught (%.0f %%)" % (caught, len(results),
                                                 100.0 * caught / max(1, len(results))))
    for kind, where, before, after, was_caught in results:
        if not was_caught:
            print("survivor %s %s\n  - %s\n  + %s" % (kind, where, before, after))
    return 0


if __name__ == "__main__":
    sys.exit(main())
