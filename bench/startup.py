#!/usr/bin/python3
"""Start-up time, peak memory and idle CPU of Aurivane against a bare Qt window.

Starts a private Xvfb, then alternates: the bare window, Aurivane on a first
start (no stored settings) and Aurivane with stored settings. Each run is
timed from process start to the X server mapping the program's main window;
the process is then left to settle briefly, killed, and its peak resident
memory and the CPU time it used (user and system; less disturbed than the
time to the window when the machine is busy) read from its resource usage. Prints medians and the ratios against
the bare window measured in the same run. Last, Aurivane's main window is
left open and untouched and the CPU time it uses over ten seconds is read.

--compare measures a second build of Aurivane in the same alternation (for
figures before and after a change); its file must be called aurivane too,
as the name of the stored settings follows it.

--window-manager runs one on the display (openbox, say), so that what a
window costs to be framed is counted.

--wine runs Windows builds under Wine, in a private prefix made first: the
bare window and Aurivane with stored settings (the settings live in the
prefix's registry, which one warm-up start fills), no idle measurement. The
peak memory is that of the Wine process, Wine's own share included.
"""
import argparse
import os
import select
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import time

from Xlib import X, display as xdisplay

SETTLE_SECONDS = 0.5
MAP_TIMEOUT = 20.0


def free_display():
    for n in range(90, 200):
        if not os.path.exists(f"/tmp/.X11-unix/X{n}") and not os.path.exists(f"/tmp/.X{n}-lock"):
            return n
    raise RuntimeError("no free X display number")


def start_xvfb():
    n = free_display()
    proc = subprocess.Popen(["Xvfb", f":{n}", "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    deadline = time.monotonic() + 10
    while time.monotonic() < deadline:
        try:
            return proc, f":{n}", xdisplay.Display(f":{n}")
        except Exception:
            time.sleep(0.05)
    proc.kill()
    raise RuntimeError("Xvfb did not come up")


def next_event(dpy, timeout):
    """The next X event, or None when none arrives within `timeout` seconds."""
    if not dpy.pending_events():
        readable, _, _ = select.select([dpy.fileno()], [], [], timeout)
        if not readable:
            return None
    return dpy.next_event()


def wait_for_map(dpy, title, deadline):
    while time.monotonic() < deadline:
        event = next_event(dpy, 0.05)
        if event is not None and event.type == X.MapNotify:
            # Under a window manager the root's child is the frame, the client inside it.
            try:
                inside = [event.window] + list(event.window.query_tree().children)
            except Exception:
                inside = []
            if any(title in window_title(dpy, w) for w in inside):
                return True
    return False


def window_title(dpy, win):
    try:
        name = win.get_full_property(dpy.intern_atom("_NET_WM_NAME"), 0)
        if name is not None:
            return name.value.decode("utf-8", "replace")
        return win.get_wm_name() or ""
    except Exception:
        return ""


def measure(cmd, env, title, dpy):
    root = dpy.screen().root
    root.change_attributes(event_mask=X.SubstructureNotifyMask)
    dpy.sync()
    while dpy.pending_events():
        dpy.next_event()
    start = time.perf_counter()
    proc = subprocess.Popen(cmd, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    shown = None
    if wait_for_map(dpy, title, time.monotonic() + MAP_TIMEOUT):
        shown = time.perf_counter() - start
    time.sleep(SETTLE_SECONDS)
    proc.send_signal(signal.SIGKILL)
    _, _, usage = os.wait4(proc.pid, 0)
    if shown is None:
        raise RuntimeError(f"{cmd[0]}: no window titled {title!r} within {MAP_TIMEOUT} s")
    return shown, usage.ru_maxrss, usage.ru_utime + usage.ru_stime  # seconds, KiB, seconds


def idle_cpu(cmd, env, title, dpy, seconds):
    """CPU seconds the program uses while its main window sits untouched."""
    root = dpy.screen().root
    root.change_attributes(event_mask=X.SubstructureNotifyMask)
    proc = subprocess.Popen(cmd, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        if not wait_for_map(dpy, title, time.monotonic() + MAP_TIMEOUT):
            raise RuntimeError(f"{cmd[0]}: no window titled {title!r}")
        time.sleep(1.0)  # let the first paint finish
        tick = os.sysconf("SC_CLK_TCK")

        def cpu():
            with open(f"/proc/{proc.pid}/stat") as f:
                fields = f.read().rsplit(")", 1)[1].split()
            return (int(fields[11]) + int(fields[12])) / tick

        before = cpu()
        time.sleep(seconds)
        return cpu() - before
    finally:
        proc.kill()
        proc.wait()


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--aurivane", required=True)
    parser.add_argument("--bare", required=True)
    parser.add_argument("--compare", help="another build of Aurivane, measured alongside")
    parser.add_argument("--wine", action="store_true", help="Windows builds, run under Wine")
    parser.add_argument("--runs", type=int, default=15)
    parser.add_argument("--idle-seconds", type=float, default=10.0)
    parser.add_argument("--window-manager", help="a window manager to run on the display, e.g. openbox")
    args = parser.parse_args()
    if args.wine:  # a start under Wine on a busy machine can take a while
        global MAP_TIMEOUT
        MAP_TIMEOUT = 60.0

    work = tempfile.mkdtemp(prefix="aurivane-bench-")
    xvfb, display_name, dpy = start_xvfb()
    launcher = ["wine"] if args.wine else []
    manager = None
    try:
        if args.window_manager:
            manager = subprocess.Popen(args.window_manager.split(), env=dict(os.environ, DISPLAY=display_name),
                                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            time.sleep(2)  # up and managing
        fakebin = os.path.join(work, "bin")
        os.makedirs(fakebin)
        with open(os.path.join(fakebin, "xdg-open"), "w") as f:
            f.write("#!/bin/sh\nexit 0\n")
        os.chmod(os.path.join(fakebin, "xdg-open"), 0o755)

        def env_for(home):
            env = dict(os.environ)
            for key in ("QT_QPA_PLATFORM", "WINEPATH", "WINEDEBUG", "WINEPREFIX"):
                env.pop(key, None)
            env.update(DISPLAY=display_name, HOME=home, XDG_CONFIG_HOME=os.path.join(home, "config"),
                       XDG_RUNTIME_DIR=os.path.join(home, "run"),
                       PATH=fakebin + os.pathsep + env.get("PATH", ""))
            if args.wine:
                env.update(WINEPREFIX=os.path.join(work, "prefix"), WINEDEBUG="-all",
                           WINEDLLOVERRIDES="mscoree,mshtml=")
            os.makedirs(env["XDG_RUNTIME_DIR"], mode=0o700, exist_ok=True)
            os.makedirs(env["XDG_CONFIG_HOME"], exist_ok=True)
            return env

        programs = {"bare": (args.bare, "Bare window"), "stored": (args.aurivane, "Aurivane v1.20")}
        if args.compare:
            programs["compare"] = (args.compare, "Aurivane v1.20")
        # One start writes the settings that the "stored" runs begin with.
        stored_home = os.path.join(work, "stored")
        stored_config = os.path.join(stored_home, "config")
        if args.wine:
            subprocess.run(["wineboot", "--init"], env=env_for(stored_home), timeout=600,
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=True)
            for path, title in programs.values():  # warm-up, and the stored settings
                measure(launcher + [path], env_for(stored_home), title, dpy)
        else:
            measure([args.aurivane], env_for(stored_home), "Aurivane v1.20", dpy)
            if not os.listdir(stored_config):
                raise RuntimeError("the first start stored no settings")
            programs["first"] = (args.aurivane, "Aurivane v1.20")
            if args.compare:
                programs["compare-first"] = (args.compare, "Aurivane v1.20")

        kinds = list(programs)
        results = {kind: [] for kind in kinds}
        for i in range(args.runs):
            for kind in kinds if i % 2 == 0 else reversed(kinds):
                home = os.path.join(work, f"{kind}-{i}")
                if kind in ("stored", "compare") and not args.wine:
                    shutil.copytree(stored_config, os.path.join(home, "config"))
                path, title = programs[kind]
                results[kind].append(measure(launcher + [path], env_for(home), title, dpy))
                shutil.rmtree(home, ignore_errors=True)

        def med(kind, k):
            return statistics.median(r[k] for r in results[kind])

        bare_t, bare_m, bare_c = med("bare", 0), med("bare", 1), med("bare", 2)
        print(f"runs per program: {args.runs} (alternating), Xvfb"
              f"{', ' + args.window_manager if args.window_manager else ''}, {os.cpu_count()} cores"
              f"{', under Wine' if args.wine else ''}, load average "
              f"{' '.join(f'{x:.1f}' for x in os.getloadavg())}")
        print(f"{'program':<30}{'start-up ms':>12}{'CPU ms':>8}{'peak RSS MiB':>14}{'time ratio':>12}"
              f"{'CPU ratio':>11}{'memory ratio':>14}")
        labels = {"bare": "bare Qt window", "first": "Aurivane, first start",
                  "stored": "Aurivane, stored settings", "compare-first": "compared, first start",
                  "compare": "compared, stored settings"}
        for kind in sorted(kinds, key=list(labels).index):
            t, m, c = med(kind, 0), med(kind, 1), med(kind, 2)
            print(f"{labels[kind]:<30}{t * 1000:>12.1f}{c * 1000:>8.0f}{m / 1024:>14.1f}{t / bare_t:>12.3f}"
                  f"{c / bare_c:>11.3f}{m / bare_m:>14.3f}")
        ours = [k for k in ("first", "stored") if k in kinds]
        worst_t = max(med(k, 0) / bare_t for k in ours)
        worst_m = max(med(k, 1) / bare_m for k in ours)
        targets = f"targets: time ratio <= 1.10 ({'met' if worst_t <= 1.10 else 'MISSED'})"
        if not args.wine:
            targets += f", peak-memory ratio <= 1.10 ({'met' if worst_m <= 1.10 else 'MISSED'})"
        print(targets)

        if not args.wine:
            idle_home = os.path.join(work, "idle")
            shutil.copytree(stored_config, os.path.join(idle_home, "config"))
            used = idle_cpu([args.aurivane], env_for(idle_home), "Aurivane v1.20", dpy,
                            args.idle_seconds)
            print(f"idle: {used:.2f} s CPU over {args.idle_seconds:.0f} s with the main window open "
                  f"({'met' if used == 0 else 'MISSED'}: target no CPU time)")
    finally:
        if manager is not None:
            manager.terminate()
            manager.wait(timeout=10)
        dpy.close()
        xvfb.terminate()
        xvfb.wait(timeout=10)
        if args.wine:
            subprocess.run(["wineserver", "-k"], env=env_for(os.path.join(work, "stored")),
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=False)
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
