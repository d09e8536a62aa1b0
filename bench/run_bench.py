#!/usr/bin/env python3
"""Measures what Tovalin costs, on the Release build under its own Xvfb, each run with fresh
folders: launch to the locked window, lock latency, memory (PSS of the whole process tree) on the
locked screen, in a session and after it, memory growth over many sessions, and CPU time and
main-thread wake-ups when idle, over two windows one after the other, and CPU, frames decoded and
frames dropped while playing H.264 video at 720p30 and 1080p30 (in an 800x600 window on Xvfb,
and full screen on 1920x1080 and 1280x720 outputs of Xvfb and of a headless sway), and the CPU
time of the tovalin-watch service meanwhile, with no child account logged in. Debian's Chromium
showing the same local page in an app window is measured alongside for comparison.

Usage: bench/run_bench.py [--build DIR] [--runs N] [--cycles N] [--cpu-seconds S]
                          [--video-seconds S] [--video-only] [--views V,...] [--clips C,...]
                          [--programs P,...] [--tovalin-env NAME=VALUE] [--perf DIR] [--json PATH]

Prints a table (median, min, max over the runs), the ratios to Chromium and the targets, and
writes everything, raw values included, to a JSON file (DIR/bench-results.json by default).
Installs Chromium, ffmpeg, sway, wf-recorder, a window manager (and perf) from Debian's packages
when they are missing. Web pages come from servers on 127.0.0.1 only.
"""

import argparse
import http.server
import json
import os
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import threading
import time

HERE = os.path.dirname(os.path.abspath(__file__))
REPO = os.path.dirname(HERE)
sys.path.insert(0, os.path.join(REPO, "tests", "e2e"))

import video  # noqa: E402
import xsession  # noqa: E402
from xwatch import WindowWatcher  # noqa: E402

PAGE_TITLE = "Bench page"
PAGE = ("<!DOCTYPE html><html><head><meta charset='utf-8'><title>%s</title><style>"
        "body{font-family:sans-serif;margin:40px;background:#f4f1ea}"
        "section{background:white;border-radius:12px;padding:20px;margin-bottom:20px}"
        "</style></head><body><h1>Tonight's programme</h1>%s</body></html>" % (
            PAGE_TITLE, "".join("<section><h2>Episode %d</h2><p>%s</p></section>"
                                % (n, "A quiet story about a garden. " * 12) for n in range(1, 7))))

LOCKED = "Tovalin - Locked"
RUNNING = "Tovalin - Disney"
# How far ahead of its launch a session ends, for the lock latency.
LOCK_LEAD_SECONDS = 3
# The least time a session must have shown before its end for its lock to count.
LEAST_SHOWN_SECONDS = 0.5
LOCK_LATENCY_ATTEMPTS = 3
# Lock latency is measured this many times as often as the rest, its session's end spread evenly
# over a second: the countdown ticks once a second, so the wait for the tick after the end
# takes every value from 0 to 1 s and the worst case shows.
LOCK_LATENCY_RUNS_PER_RUN = 2
# Time for a page to be drawn once it has been asked for.
PAGE_DRAWN_SECONDS = 0.3
# Time for a closed page's renderer to go and for the program to hand the freed heap back, which
# it does 2 s after the web view has gone, between the sessions of the growth measurement.
CYCLE_SETTLE_SECONDS = 3.0
# Single readings after a cycle jump by a few MiB and back; growth compares the median of this
# many cycles at the end with that of as many at the start.
GROWTH_CYCLES = 5
CLOCK_TICKS = os.sysconf("SC_CLK_TCK")
MIB = 1024 * 1024


class LocalSite:
    """One static page on 127.0.0.1, counting the times it was asked for."""

    def __init__(self):
        site = self
        self.requests = 0

        class Handler(http.server.BaseHTTPRequestHandler):
            def do_GET(self):
                if self.path != "/":
                    self.send_error(404)
                    return
                site.requests += 1
                body = PAGE.encode()
                self.send_response(200)
                self.send_header("Content-Type", "text/html; charset=utf-8")
                self.send_header("Content-Length", str(len(body)))
                self.end_headers()
                self.wfile.write(body)

            def log_message(self, *args):
                pass

        self.server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
        self.url = "http://127.0.0.1:%d/" % self.server.server_port
        threading.Thread(target=self.server.serve_forever, daemon=True).start()

    def wait_for_requests(self, count, timeout=xsession.STEP_TIMEOUT):
        xsession.wait_until(lambda: self.requests >= count, timeout,
                            lambda: "%d requests of the page, saw %d" % (count, self.requests))

    def close(self):
        self.server.shutdown()
        self.server.server_close()


# Process trees, from /proc.

def stat_fields(pid):
    """The fields of /proc/PID/stat after the command name, which may hold spaces."""
    with open("/proc/%d/stat" % pid) as file:
        return file.read().rsplit(")", 1)[1].split()


def process_tree(pid):
    """The process and all its descendants that are alive."""
    children = {}
    for entry in os.listdir("/proc"):
        if entry.isdigit():
            try:
                children.setdefault(int(stat_fields(int(entry))[1]), []).append(int(entry))
            except (FileNotFoundError, ProcessLookupError, IndexError):
                pass
    tree, pending = [], [pid]
    while pending:
        current = pending.pop()
        tree.append(current)
        pending.extend(children.get(current, []))
    return tree


def tree_memory_mib(pid):
    """PSS of the tree, and its anonymous and shared-memory part. The rest maps files (code,
    fonts): its share moves with whatever else maps the same files and with the kernel dropping
    cold pages, while the anonymous part moves only with what the processes hold."""
    kib = {"Pss": 0, "Pss_Anon": 0, "Pss_Shmem": 0}
    for member in process_tree(pid):
        try:
            with open("/proc/%d/smaps_rollup" % member) as file:
                for line in file:
                    key, _, value = line.partition(":")
                    if key in kib:
                        kib[key] += int(value.split()[0])
        except (FileNotFoundError, ProcessLookupError):
            pass
    return kib["Pss"] / 1024, (kib["Pss_Anon"] + kib["Pss_Shmem"]) / 1024


def tree_cpu_ticks(pid):
    """CPU ticks of each process of the tree, with those of the children it has reaped."""
    ticks = {}
    for member in process_tree(pid):
        try:
            fields = stat_fields(member)
        except (FileNotFoundError, ProcessLookupError):
            continue
        # utime, stime, cutime, cstime.
        ticks[member] = sum(int(value) for value in fields[11:15])
    return ticks


def cpu_seconds_between(before, after):
    return sum(ticks - before.get(pid, 0) for pid, ticks in after.items()) / CLOCK_TICKS


def main_thread_switches(pid):
    """Context switches of the program's main thread so far; None where they cannot be read."""
    try:
        with open("/proc/%d/task/%d/status" % (pid, pid)) as file:
            values = dict(line.split(":", 1) for line in file if ":" in line)
        return int(values["voluntary_ctxt_switches"]) + int(values["nonvoluntary_ctxt_switches"])
    except (FileNotFoundError, ProcessLookupError, KeyError):
        return None


def slope(values):
    """Least-squares slope of values against their index."""
    mean_x = (len(values) - 1) / 2
    mean_y = statistics.fmean(values)
    spread = sum((x - mean_x) ** 2 for x in range(len(values)))
    return sum((x - mean_x) * (y - mean_y) for x, y in enumerate(values)) / spread


class Bench:
    def __init__(self, options, tovalin, host, site, video_site):
        self.options = options
        self.tovalin = tovalin
        self.host = host
        self.site = site
        self.video_site = video_site
        self.work = tempfile.mkdtemp(prefix="tovalin-bench-")
        self.values = {}

    def record(self, name, value):
        self.values.setdefault(name, []).append(value)

    def record_memory(self, name, memory):
        pss, anonymous = memory
        self.record("pss." + name, pss)
        self.record("anon." + name, anonymous)

    def fresh_environment(self):
        return xsession.app_environment(tempfile.mkdtemp(dir=self.work))

    def start(self, command, env):
        with open(os.path.join(self.work, "programs.log"), "ab") as log:
            return xsession.start(command, env=env, stdout=log, stderr=subprocess.STDOUT)

    def start_timed(self, command, env, wanted):
        """Starts a program; returns it, the instant it was started, the seconds until a window
        satisfying wanted(name) was mapped, and the watcher for what comes next."""
        watcher = WindowWatcher(xsession.DISPLAY)
        begun = time.monotonic()
        program = self.start(command, env)
        shown, _ = watcher.wait_for(wanted, xsession.LAUNCH_TIMEOUT)
        return program, begun, shown - begun, watcher

    def chromium_command(self, url=None):
        command = ["chromium", "--app=" + (url or self.site.url),
                   "--user-data-dir=" + tempfile.mkdtemp(dir=self.work), "--no-first-run",
                   "--disable-background-networking", "--disable-component-update",
                   "--disable-sync", "--disable-gpu", xsession.OFFLINE_WEB_ENGINE_FLAGS]
        if os.geteuid() == 0:
            command.append("--no-sandbox")
        return command

    def launch_tovalin(self):
        env, _ = self.fresh_environment()
        program, _, seconds, watcher = self.start_timed([self.tovalin], env,
                                                        lambda name: name == LOCKED)
        watcher.close()
        xsession.stop(program)
        return seconds

    def launch_chromium(self):
        """Seconds to the app window, seconds to the page's title in it, and the tree's memory."""
        env, _ = self.fresh_environment()
        program, begun, mapped, watcher = self.start_timed(self.chromium_command(), env,
                                                           lambda name: True)
        titled, _ = watcher.wait_for(lambda name: name == PAGE_TITLE, xsession.LAUNCH_TIMEOUT)
        watcher.close()
        time.sleep(self.options.settle)
        memory = tree_memory_mib(program.pid)
        xsession.stop(program)
        return mapped, titled - begun, memory

    def lock_latency(self, phase):
        """Seconds from the end of a session, LOCK_LEAD_SECONDS + phase after its launch, to the
        locked title; the session shows before its end or the run is tried again."""
        for _ in range(LOCK_LATENCY_ATTEMPTS):
            env, store = self.fresh_environment()
            end_msecs = int((time.time() + LOCK_LEAD_SECONDS + phase) * 1000)
            xsession.write_session(store, end_msecs)
            program, _, _, watcher = self.start_timed([self.host, self.site.url], env,
                                                      lambda name: name == RUNNING)
            end = time.monotonic() + end_msecs / 1000 - time.time()
            latency = None
            if end - time.monotonic() >= LEAST_SHOWN_SECONDS:
                locked, _ = watcher.wait_for(lambda name: name == LOCKED, LOCK_LEAD_SECONDS + 5)
                latency = locked - end
            watcher.close()
            xsession.stop(program)
            if latency is not None:
                return latency
        raise RuntimeError("the session did not show before its end in %d tries"
                           % LOCK_LATENCY_ATTEMPTS)

    def session_cycles(self):
        """Memory on the locked screen, in a session started from it, after that session locked,
        and after each of the sessions (that one included), all in one program."""
        env, _ = self.fresh_environment()
        program = self.start([self.host, self.site.url], env)
        xsession.main_window(LOCKED, xsession.LAUNCH_TIMEOUT)
        settle = self.options.settle
        time.sleep(settle)
        result = {"locked": tree_memory_mib(program.pid), "after_each": []}
        for cycle in range(self.options.cycles):
            requests = self.site.requests
            xsession.start_with_password()
            xsession.main_window(RUNNING)
            self.site.wait_for_requests(requests + 1)
            time.sleep(PAGE_DRAWN_SECONDS)
            if cycle == 0:
                time.sleep(settle)
                result["session"] = tree_memory_mib(program.pid)
            xsession.end_session()
            time.sleep(CYCLE_SETTLE_SECONDS)
            result["after_each"].append(tree_memory_mib(program.pid))
            if cycle == 0:
                time.sleep(settle)
                result["after_lock"] = tree_memory_mib(program.pid)
        xsession.stop(program)
        return result

    def idle_cost(self):
        """CPU seconds and main-thread wake-ups over the same two windows, of programs on the locked
        screen and of programs in a session on the local page, all running side by side. Each
        has a display of its own, where its window is the active one, as for a person."""
        programs = []
        requests = self.site.requests
        for kind, title, command in (("locked", LOCKED, [self.tovalin]),
                                     ("session", RUNNING, [self.host, self.site.url])):
            for _ in range(self.options.runs):
                display = xsession.new_display()
                env, store = xsession.app_environment(tempfile.mkdtemp(dir=self.work), display)
                if kind == "session":
                    xsession.write_session(store, int((time.time() + 3600) * 1000))
                watcher = WindowWatcher(display)
                programs.append((kind, self.start(command, env)))
                watcher.wait_for(lambda name: name == title, xsession.LAUNCH_TIMEOUT)
                watcher.close()
        self.site.wait_for_requests(requests + self.options.runs)
        time.sleep(self.options.settle)
        # Two windows one after the other: the web engine does start-up work of its own on the
        # main thread for about half a minute after launch, and only the second window shows
        # what a program waiting for hours costs.
        snapshots = []
        for window in range(3):
            if window:
                time.sleep(self.options.cpu_seconds)
            snapshots.append((time.monotonic(),
                              [tree_cpu_ticks(program.pid) for _, program in programs],
                              [main_thread_switches(program.pid) for _, program in programs]))
        for suffix, (begun, ticks, switches), (ended, ticks_after, switches_after) in (
                ("_first", snapshots[0], snapshots[1]), ("", snapshots[1], snapshots[2])):
            for index, (kind, _) in enumerate(programs):
                self.record("cpu." + kind + suffix,
                            cpu_seconds_between(ticks[index], ticks_after[index]))
                if switches[index] is not None and switches_after[index] is not None:
                    self.record("wakeups." + kind + suffix,
                                (switches_after[index] - switches[index]) / (ended - begun))
        for _, program in programs:
            xsession.stop(program)

    def start_watch(self):
        """tovalin-watch on a private system bus whose mocked logind has no users, as its test runs
        it (as nobody where this runs as root: root's service takes no test overrides)."""
        folder = tempfile.mkdtemp(dir=self.work)
        os.chmod(self.work, 0o711)
        os.chmod(folder, 0o777)
        config = os.path.join(folder, "bus.conf")
        with open(config, "w") as file:
            file.write("<busconfig><type>system</type><listen>unix:tmpdir=/tmp</listen>"
                       "<policy context='default'><allow user='*'/><allow own='*'/>"
                       "<allow eavesdrop='true'/><allow send_destination='*' eavesdrop='true'/>"
                       "</policy></busconfig>")
        address = "unix:path=" + os.path.join(folder, "bus")
        bus = self.start(["dbus-daemon", "--nofork", "--address", address, "--config-file",
                          config], dict(os.environ))
        time.sleep(self.options.settle)
        env = dict(os.environ, DBUS_SYSTEM_BUS_ADDRESS=address,
                   TOVALIN_WATCH_TEST_SOCKET=os.path.join(folder, "watch"),
                   TOVALIN_WATCH_TEST_UIDS="65534")
        mock = self.start(["/usr/bin/python3", "-m", "dbusmock", "--system", "--template",
                           "logind"], env)
        time.sleep(self.options.settle)
        watch = self.start(xsession.AS_NOBODY + [self.watch], env)
        time.sleep(self.options.settle)
        return [watch, mock, bus]

    def video_playback(self, run):
        """Each clip played in each view by Tovalin's session and by Chromium's app window, one
        after the other, the first of the two alternating from run to run."""
        for view in self.options.views:
            name, server, output, full_screen = view
            for size in self.options.clips:
                programs = self.options.programs
                for program in programs if run % 2 == 0 else reversed(programs):
                    run_name = "%s%d%s%s" % (program, run, size, name.replace("-", ""))
                    url = self.video_site.url(run_name, size)
                    env, store = self.fresh_environment()
                    if program == "tovalin":
                        xsession.write_session(store, int((time.time() + 3600) * 1000))
                        command = [self.host, url]
                        env.update(self.options.tovalin_env)
                        if full_screen:
                            env["TOVALIN_CHILD_SESSION"] = "1"
                    else:
                        command = self.chromium_command(url) + (
                            ["--kiosk"] if full_screen
                            else ["--window-size=%d,%d" % video.WINDOW_SIZE])
                        if server == "wayland":
                            command.append("--ozone-platform=wayland")
                    *values, shown = video.measure(self, self.video_site, run_name, command, env,
                                                   view, tree_cpu_ticks)
                    # Tovalin's bar takes the top of the screen.
                    if shown[0] != (output if full_screen else video.WINDOW_SIZE)[0]:
                        self.options.say("%s showed the page at %dx%d" % (run_name, *shown))
                    for kind, value in zip(VIDEO_KINDS, values):
                        if value is not None:
                            self.record("video.%s.%s.%s.%s" % (name, size, kind, program),
                                        value)

    def run(self):
        say = self.options.say
        runs = self.options.runs
        if not self.options.video_only:
            self.run_start_and_memory()
        for run in range(runs):
            say("video %d/%d, 2 x %d s a clip and view" % (run + 1, runs,
                                                           self.options.video_seconds))
            self.video_playback(run)

    def run_start_and_memory(self):
        say = self.options.say
        runs = self.options.runs
        say("warming up")
        self.launch_tovalin()
        self.launch_chromium()
        for run in range(runs):
            say("launch %d/%d" % (run + 1, runs))
            self.record("launch.tovalin", self.launch_tovalin())
            mapped, titled, memory = self.launch_chromium()
            self.record("launch.chromium", mapped)
            self.record("launch.chromium_titled", titled)
            self.record_memory("chromium", memory)
        latency_runs = runs * LOCK_LATENCY_RUNS_PER_RUN
        for run in range(latency_runs):
            say("lock latency %d/%d" % (run + 1, latency_runs))
            self.record("lock_latency", self.lock_latency(run / latency_runs))
        for run in range(runs):
            say("sessions %d/%d (%d cycles)" % (run + 1, runs, self.options.cycles))
            cycles = self.session_cycles()
            for name in ("locked", "session", "after_lock"):
                self.record_memory(name, cycles[name])
            for index, kind in enumerate(("pss", "anon")):
                before = cycles["locked"][index]
                self.record(kind + ".after_lock_change",
                            (cycles["after_lock"][index] - before) / before * 100)
                after_each = [memory[index] for memory in cycles["after_each"]]
                self.record(kind + ".after_each_cycle", after_each)
                if len(after_each) < 2:
                    continue
                self.record(kind + ".cycle_slope", slope(after_each))
                self.record(kind + ".last_minus_first", after_each[-1] - after_each[0])
                ends = min(GROWTH_CYCLES, len(after_each) // 2)
                self.record(kind + ".cycles_growth", statistics.median(after_each[-ends:])
                            - statistics.median(after_each[:ends]))
        say("idle cost, 2 x %d s" % self.options.cpu_seconds)
        watch = self.start_watch()
        begun, before = time.monotonic(), tree_cpu_ticks(watch[0].pid)
        self.idle_cost()
        self.record("watch_idle", cpu_seconds_between(before, tree_cpu_ticks(watch[0].pid))
                    / (time.monotonic() - begun) * 100)
        for process in watch:
            xsession.stop(process)


MEMORY_STATES = [("locked", "locked screen"), ("session", "session on the local page"),
                 ("after_lock", "after that session locked"),
                 ("chromium", "Chromium app window, same page")]
MEMORY_CHANGES = [("after_lock_change", "after locking vs. locked before", "%"),
                  ("cycle_slope", "growth per session cycle (slope)", "MiB"),
                  ("last_minus_first", "growth, last cycle minus first", "MiB"),
                  ("cycles_growth", "growth, last %d cycles vs. first %d" % (GROWTH_CYCLES,
                                                                             GROWTH_CYCLES), "MiB")]
IDLE_WINDOWS = [("_first", "first window"), ("", "second window")]
IDLE_STATES = [("locked", "locked screen"), ("session", "session on the local page")]
VIDEO_VALUES = [("cpu", "CPU playing", "%"), ("server", "display server's CPU,", "%"),
                ("fps", "frames decoded a second,", "1/s"), ("dropped", "frames dropped,", ""),
                ("shown", "frames on screen a second,", "1/s")]
VIDEO_KINDS = [kind for kind, _, _ in VIDEO_VALUES]
PROGRAMS = ["tovalin", "chromium"]
# What each measurement is, in the order printed, with its unit. Memory comes twice: PSS, and
# its anonymous part ("anon"), which the kernel's dropping of cold file pages does not move.
METRICS = (
    [("launch.tovalin", "launch to the locked window, Tovalin", "s"),
     ("launch.chromium", "launch to the app window, Chromium", "s"),
     ("launch.chromium_titled", "launch to the page's title, Chromium", "s"),
     ("lock_latency", "end of the session to the locked title", "s"),
     ("watch_idle", "tovalin-watch with no child logged in, of one core", "%")]
    + [(kind + "." + name, "%s, %s" % (kind, label), "MiB")
       for kind in ("pss", "anon") for name, label in MEMORY_STATES]
    + [(kind + "." + name, "%s, %s" % (kind, label), unit)
       for kind in ("pss", "anon") for name, label, unit in MEMORY_CHANGES]
    + [("cpu.%s%s" % (kind, suffix), "CPU over the %s, %s" % (window, label), "s")
       for suffix, window in IDLE_WINDOWS for kind, label in IDLE_STATES]
    + [("wakeups.%s%s" % (kind, suffix), "main-thread wake-ups, %s, %s" % (window, label), "1/s")
       for suffix, window in IDLE_WINDOWS for kind, label in IDLE_STATES])


def video_metrics(views):
    return [("video.%s.%s.%s.%s" % (view, size, kind, program),
             "%s %s %s, %s" % (label, size, view, program.title()), unit)
            for view, _, _, _ in views for size, _, _ in video.SIZES
            for kind, label, unit in VIDEO_VALUES for program in PROGRAMS]


def summary(values):
    return {"median": statistics.median(values), "min": min(values), "max": max(values),
            "runs": len(values)}


def start_and_memory_targets(bench, options, stats, ratios, lines):
    """Adds the lines and ratios of the measurements other than video; returns the CPU of the
    idle programs and the targets."""
    core_percent = {kind: stats["cpu." + kind]["max"] / options.cpu_seconds * 100
                    for kind in ("locked", "session")}
    ratios.update({
        "launch": stats["launch.tovalin"]["median"] / stats["launch.chromium"]["median"],
        "pss_locked": stats["pss.locked"]["median"] / stats["pss.chromium"]["median"],
        "pss_session": stats["pss.session"]["median"] / stats["pss.chromium"]["median"],
    })
    lines.append("")
    lines.append("Tovalin / Chromium (medians): launch %.2f, PSS locked %.2f, PSS in a session %.2f"
                 % (ratios["launch"], ratios["pss_locked"], ratios["pss_session"]))
    lines.append("CPU, highest run: locked %.4f%% of one core, session %.4f%% of one core"
                 % (core_percent["locked"], core_percent["session"]))
    wakeups = stats.get("wakeups.locked", {}).get("max")
    first_wakeups = stats.get("wakeups.locked_first", {}).get("max")

    def worst(name):
        """The value of the run farthest from zero."""
        return max(bench.values[name], key=abs)

    targets = [
        ("lock latency never above 1.1 s", stats["lock_latency"]["max"] <= 1.1,
         "max %.3f s" % stats["lock_latency"]["max"]),
        ("locked screen: no timer wake-ups", wakeups is not None and wakeups < 0.1,
         "max %s/s (first window %s/s)" % tuple("unreadable" if value is None else "%.3f" % value
                                                for value in (wakeups, first_wakeups))),
        ("locked screen: under 0.1% of one core", core_percent["locked"] < 0.1,
         "max %.4f%%" % core_percent["locked"]),
        ("tovalin-watch idle: under 0.01% of one core", stats["watch_idle"]["max"] < 0.01,
         "max %.4f%%" % stats["watch_idle"]["max"]),
        ("after locking within 10% of the locked screen",
         worst("pss.after_lock_change") <= 10,
         "worst %+.1f%% (anon %+.1f%%)" % (worst("pss.after_lock_change"),
                                           worst("anon.after_lock_change"))),
        ("%d cycles grow PSS by < 5 MiB" % options.cycles, worst("pss.cycles_growth") < 5,
         "worst %+.1f MiB (anon %+.1f MiB; single readings %+.1f MiB)"
         % (worst("pss.cycles_growth"), worst("anon.cycles_growth"),
            worst("pss.last_minus_first"))),
        ("launch below Chromium's", ratios["launch"] < 1, "ratio %.2f" % ratios["launch"]),
        ("locked-screen PSS below Chromium's", ratios["pss_locked"] < 1,
         "ratio %.2f" % ratios["pss_locked"]),
    ]
    return core_percent, targets


def report(bench, options):
    metrics = METRICS + video_metrics(options.views)
    stats = {name: summary(bench.values[name]) for name, _, _ in metrics if name in bench.values}
    lines = ["%-64s %5s %9s %9s %9s %3s" % ("measurement", "unit", "median", "min", "max", "n")]
    for name, label, unit in metrics:
        if name in stats:
            s = stats[name]
            lines.append("%-64s %5s %9.3f %9.3f %9.3f %3d"
                         % (label, unit, s["median"], s["min"], s["max"], s["runs"]))
    ratios, core_percent, targets = {}, {}, []
    if not options.video_only:
        core_percent, targets = start_and_memory_targets(bench, options, stats, ratios, lines)
    lines.append("")
    for view, _, _, _ in options.views:
        for size in options.clips:
            row = "video.%s.%s." % (view, size)
            cpu = {program: stats[row + "cpu." + program]["median"] for program in PROGRAMS
                   if row + "cpu." + program in stats}
            dropped = {program: stats[row + "dropped." + program]["max"] for program in cpu}
            if "tovalin" in cpu:
                targets.append(("no frames dropped at %s %s" % (size, view),
                                dropped["tovalin"] == 0, "max %d (Chromium %s)"
                                % (dropped["tovalin"], dropped.get("chromium", "not run"))))
            if len(cpu) < 2:
                continue
            ratio = ratios["video.%s.%s" % (view, size)] = cpu["tovalin"] / cpu["chromium"]
            lines.append("CPU playing %s %s (medians): Tovalin %.1f%%, Chromium %.1f%% of one "
                         "core, ratio %.2f" % (size, view, cpu["tovalin"], cpu["chromium"], ratio))
            targets.append(("CPU playing %s %s at most Chromium's" % (size, view), ratio <= 1,
                            "ratio %.2f" % ratio))
    lines.append("")
    for label, met, measured in targets:
        lines.append("%-4s %-50s %s" % ("met" if met else "MISS", label, measured))
    print("\n".join(lines), flush=True)
    with open(options.json, "w") as file:
        json.dump({"settings": {"runs": options.runs, "cycles": options.cycles,
                                "cpu_seconds": options.cpu_seconds, "settle": options.settle,
                                "video_seconds": options.video_seconds,
                                "video_warmup": options.video_warmup,
                                "views": [view for view, _, _, _ in options.views],
                                "clips": options.clips, "tovalin_env": options.tovalin_env,
                                "build": options.build},
                   "stats": stats, "values": bench.values, "ratios": ratios,
                   "cpu_core_percent_max": core_percent,
                   "targets": [{"target": t, "met": m, "measured": v} for t, m, v in targets]},
                  file, indent=2)
    print("written: %s" % options.json, flush=True)


def build(build_dir):
    """The Release build's program and bench host, built now."""
    cache = os.path.join(build_dir, "CMakeCache.txt")
    if not os.path.exists(cache):
        subprocess.run(["cmake", "-S", REPO, "-B", build_dir, "-DCMAKE_BUILD_TYPE=Release"],
                       check=True)
    else:
        with open(cache) as file:
            if "CMAKE_BUILD_TYPE:STRING=Release\n" not in file.read():
                sys.exit("%s is not a Release build" % build_dir)
    subprocess.run(["cmake", "--build", build_dir, "-j%d" % os.cpu_count(), "--target", "tovalin",
                    "tovalin-bench-host", "tovalin-watch"], check=True)
    return (os.path.join(build_dir, "src", "tovalin"),
            os.path.join(build_dir, "bench", "tovalin-bench-host"),
            os.path.join(build_dir, "src", "tovalin-watch"))


def install_missing(packages):
    """Installs the packages, by program and package name, whose programs are missing."""
    missing = [package for tool, package in packages.items() if not shutil.which(tool)]
    if not missing:
        return
    sudo = [] if os.geteuid() == 0 else ["sudo"]
    env = dict(os.environ, DEBIAN_FRONTEND="noninteractive")
    subprocess.run(sudo + ["apt-get", "update", "-q"], check=True, env=env)
    subprocess.run(sudo + ["apt-get", "install", "-y", "-q"] + missing, check=True, env=env)


def raise_interrupt(signum, frame):
    raise KeyboardInterrupt


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--build", default=os.path.join(REPO, "build"),
                        help="the Release build folder (default: build)")
    parser.add_argument("--runs", type=int, default=5, help="runs of each measurement (5)")
    parser.add_argument("--cycles", type=int, default=30, help="sessions for memory growth (30)")
    parser.add_argument("--cpu-seconds", type=float, default=60,
                        help="each of the two idle windows (60 s)")
    parser.add_argument("--settle", type=float, default=3,
                        help="wait before a memory or CPU reading (3 s)")
    parser.add_argument("--video-seconds", type=float, default=20,
                        help="each playback window, after the warm-up (20 s)")
    parser.add_argument("--video-warmup", type=float, default=5,
                        help="playing before a playback window (5 s)")
    parser.add_argument("--video-only", action="store_true",
                        help="measure video playback alone")
    views = [view for view, _, _, _ in video.VIEWS]
    parser.add_argument("--views", default=",".join(views),
                        help="where video plays, some of %s or others of their kind "
                        "(x11-WxH, wayland-WxH) (all of these)" % ",".join(views))
    clips = [size for size, _, _ in video.SIZES]
    parser.add_argument("--clips", default=",".join(clips),
                        help="the clips played, some of %s (all)" % ",".join(clips))
    parser.add_argument("--programs", default=",".join(PROGRAMS),
                        help="the programs that play video, some of %s (all)" % ",".join(PROGRAMS))
    parser.add_argument("--tovalin-env", action="append", default=[], metavar="NAME=VALUE",
                        help="a variable set for Tovalin alone while it plays video (repeatable)")
    parser.add_argument("--perf", metavar="DIR",
                        help="record each playback window with perf record -g into DIR")
    parser.add_argument("--json", help="results file (default: BUILD/bench-results.json)")
    options = parser.parse_args()
    options.views = [video.view_named(view) for view in options.views.split(",")]
    options.clips = [clip for clip in options.clips.split(",") if clip in clips]
    options.programs = [program for program in PROGRAMS if program in options.programs.split(",")]
    options.tovalin_env = dict(value.split("=", 1) for value in options.tovalin_env)
    options.build = os.path.abspath(options.build)
    options.json = options.json or os.path.join(options.build, "bench-results.json")
    options.say = lambda text: print("-- " + text, file=sys.stderr, flush=True)
    if options.perf:
        os.makedirs(options.perf, exist_ok=True)
    for tool in ("Xvfb", "xdotool", "cmake"):
        if not shutil.which(tool):
            sys.exit("%s is not installed (scripts/setup.sh installs it)" % tool)
    install_missing(dict({"chromium": "chromium", "ffmpeg": "ffmpeg", "sway": "sway",
                          "matchbox-window-manager": "matchbox-window-manager",
                          "wf-recorder": "wf-recorder"},
                         **({"perf": "linux-perf"} if options.perf else {})))
    tovalin, host, watch = build(options.build)
    signal.signal(signal.SIGTERM, raise_interrupt)
    site = LocalSite()
    bench = Bench(options, tovalin, host, site, None)
    bench.watch = watch
    try:
        video.make_clips(bench.work)
        bench.video_site = video.VideoSite(bench.work)
        xsession.start_xvfb()
        begun = time.monotonic()
        bench.run()
        options.say("measured in %.0f s" % (time.monotonic() - begun))
    finally:
        xsession.stop_all()
        site.close()
        if bench.video_site:
            bench.video_site.close()
        shutil.rmtree(bench.work, ignore_errors=True)
    report(bench, options)


if __name__ == "__main__":
    main()
