#!/usr/bin/env python3
# End-to-end runs of the built Tovalin, for what only a separate process shows: on X (Xvfb,
# xdotool), natively on Wayland (headless sway, wtype), and in the child's cage session.
#
# Usage: test_e2e.py PATH_TO_TOVALIN PATH_TO_SESSION_ENTRY [-k PATTERN]   (unittest's -k)
#
# Every case has fresh folders, every Tovalin its own session bus (dbus-run-session), which ends
# with it, and each case stops whatever it started, helpers included.

import configparser
import contextlib
import http.server
import json
import os
import pathlib
import shlex
import shutil
import signal
import socket
import subprocess
import sys
import tempfile
import threading
import time
import unittest

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[2] / "bench"))
import xsession  # noqa: E402  (the store's date values)

PASSWORD = "garden482"
APP_ID = "org.tovalin.Tovalin"
TIMEOUT = 30
# Every address but the loopback goes to a closed port: no page comes from past this machine.
OFFLINE = "--proxy-server=127.0.0.1:9"
HEADLESS = {"WLR_BACKENDS": "headless", "WLR_LIBINPUT_NO_DEVICES": "1", "WLR_RENDERER": "pixman"}
# The compositors refuse to run as root, so root runs the Wayland side as nobody.
NOBODY = 65534
AS_USER = ["setpriv", "--reuid=%d" % NOBODY, "--regid=%d" % NOBODY, "--clear-groups", "--"] \
    if os.geteuid() == 0 else []


def read(path):
    return pathlib.Path(path).read_text()


def wait_until(condition, what, timeout=TIMEOUT):
    deadline = time.monotonic() + timeout
    while not (found := condition()):
        if time.monotonic() > deadline:
            raise AssertionError("timed out waiting for " + what)
        time.sleep(0.05)
    return found


class TovalinTest(unittest.TestCase):
    def setUp(self):
        self.root = tempfile.mkdtemp(prefix="tovalin-e2e-")
        os.chmod(self.root, 0o755)
        self.addCleanup(shutil.rmtree, self.root, True)
        self.processes = []
        self.addCleanup(self.stop_all)
        self.env = {k: v for k, v in os.environ.items()
                    if k not in ("DISPLAY", "WAYLAND_DISPLAY", "DBUS_SESSION_BUS_ADDRESS",
                                 "QT_QPA_PLATFORM", "XDG_SESSION_TYPE", "SWAYSOCK")}
        # English texts whatever the machine's language, but for the one run in German.
        self.env.update(QTWEBENGINE_CHROMIUM_FLAGS=OFFLINE, LC_ALL="C.UTF-8", LANGUAGE="")
        for variable in ("XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_RUNTIME_DIR",
                         "HOME"):
            folder = self.env[variable] = os.path.join(self.root, variable.lower())
            os.mkdir(folder, 0o700)
            if AS_USER:
                os.chown(folder, NOBODY, NOBODY)
        self.store = os.path.join(self.env["XDG_CONFIG_HOME"], "Tovalin", "Tovalin.conf")

    def start(self, *command, env=None, **kwargs):
        process = subprocess.Popen(command, env=env or self.env, start_new_session=True, **kwargs)
        self.processes.append(process)
        return process

    def start_app(self, prefix=(), **kwargs):
        return self.start(*prefix, "dbus-run-session", "--", APP, **kwargs)

    def stop_all(self):
        for process in reversed(self.processes):
            for signum in (signal.SIGTERM, signal.SIGKILL):
                with contextlib.suppress(ProcessLookupError, subprocess.TimeoutExpired):
                    os.killpg(process.pid, signum)
                    process.wait(timeout=5)
            process.wait()
        self.processes.clear()

    def tool(self, *command):
        return subprocess.run(command, env=self.env, capture_output=True, text=True,
                              timeout=10).stdout

    def start_wayland(self, *compositor):
        # Starts a headless compositor for the user the Wayland side runs as; returns it.
        self.env.update(HEADLESS, XDG_SESSION_TYPE="wayland")
        process = self.start(*AS_USER, *compositor)
        self.env["WAYLAND_DISPLAY"] = self.runtime_file("wayland-", "the Wayland socket")
        return process

    def runtime_file(self, prefix, what):
        folder = self.env["XDG_RUNTIME_DIR"]
        return os.path.join(folder, wait_until(lambda: [
            name for name in os.listdir(folder)
            if name.startswith(prefix) and not name.endswith(".lock")], what)[0])

    def x_windows(self, title="Tovalin - .*"):
        return self.tool("xdotool", "search", "--onlyvisible", "--name", "^%s$" % title).split()

    def x_window(self, title, timeout=TIMEOUT):
        return wait_until(lambda: self.x_windows(title), repr(title), timeout)[0]

    def x_click(self, title):
        # Clicks the window's corner, which holds nothing to click, until Qt has taken the
        # keyboard (keys before that are dropped): a busy Qt takes a while.
        def clicked():
            window = self.x_window(title)
            self.tool("xdotool", "mousemove", "--window", window, "5", "5", "click", "1", "sleep",
                      "1")
            return self.tool("xdotool", "getwindowfocus", "-f").strip() == window
        wait_until(clicked, "the keyboard in " + title)

    def test_x11_session_survives_a_kill_and_locks_itself(self):
        xvfb = self.start("Xvfb", "-displayfd", "1", "-screen", "0", "1280x900x24", "-nolisten",
                          "tcp", "-noreset", stdout=subprocess.PIPE)
        self.env.update(DISPLAY=":%d" % int(xvfb.stdout.readline()), QT_QPA_PLATFORM="xcb")
        # Debugging switches in the environment open no port.
        with socket.socket() as probe:
            probe.bind(("127.0.0.1", 0))
            port = probe.getsockname()[1]
        self.env.update(QTWEBENGINE_REMOTE_DEBUGGING=str(port),
                        QTWEBENGINE_CHROMIUM_FLAGS=f"{OFFLINE} --remote-debugging-port={port}")
        errors = os.path.join(self.root, "stderr")
        # Tovalin runs as the user here, who must own its runtime folder (or Qt warns).
        os.chown(self.env["XDG_RUNTIME_DIR"], os.geteuid(), os.getegid())
        with open(errors, "w") as stderr:
            app = self.start_app(stderr=stderr)
        self.x_click("Tovalin - Locked")
        # The minutes field has the keyboard, and Return there presses "Start".
        self.tool("xdotool", "key", "ctrl+a", "type", "1")
        started = time.time()
        self.tool("xdotool", "key", "Return")
        self.x_click("Password Required")
        self.tool("xdotool", "type", "--delay", "20", PASSWORD)
        self.tool("xdotool", "key", "Return")
        self.x_window("Tovalin - Disney")
        confirmed = time.time()
        with socket.socket() as client:
            self.assertNotEqual(client.connect_ex(("127.0.0.1", port)), 0)
        # A crash of the whole program, its bus included, once the session is on disk with the
        # notice of its last minute, which came at once, given.
        wait_until(lambda: os.path.exists(self.store) and "lastNotice" in read(self.store),
                   "the session and its notice to be saved")
        # A normal start prints nothing, the toolkit's and the engine's information included
        # (the session bus may say what it lacks under root), nor does the notice's sound where
        # there is no sound card.
        self.assertEqual([line for line in read(errors).splitlines()
                          if not line.startswith("dbus")], [])
        os.killpg(app.pid, signal.SIGKILL)
        wait_until(lambda: not self.x_windows(), "the killed window to go")
        self.start_app()
        self.x_window("Tovalin - Disney")
        self.assertEqual(self.start_app().wait(timeout=TIMEOUT), 0)
        self.assertEqual(len(self.x_windows()), 1)
        # Started with one minute: it locks itself within a tick of the end.
        self.x_window("Tovalin - Locked", timeout=90)
        locked = time.time()
        self.assertTrue(started + 60 <= locked <= confirmed + 62,
                        "locked %.2f s after Start" % (locked - started))

    def test_page_ends_at_the_lock(self):
        # A page that logs without end, a service worker and a shared worker that fetch for as
        # long as they live, and a drag of the page's link held across the end of the session.
        forged = "console.error('forged\\nTovalin: forged'.repeat(50))"
        site = pathlib.Path(self.root, "site")
        site.mkdir()
        for name, text in {
                "index.html": "<a href='/other' style='display:block;height:300px;font-size:90px'>"
                "drag</a><script>setInterval(() => { fetch('/beat'); %s }, 50); new SharedWorker("
                "'/shared.js'); navigator.serviceWorker.register('/sw.js').then(() => navigator."
                "serviceWorker.ready).then(r => r.active.postMessage(0))</script>" % forged,
                "shared.js": "setInterval(() => fetch('/shared-beat'), 100)",
                "sw.js": "onmessage = e => e.waitUntil(new Promise(() => setInterval(() => { "
                "fetch('/sw-beat'); %s }, 100)))" % forged}.items():
            (site / name).write_text(text)
        asked = []

        class Site(http.server.SimpleHTTPRequestHandler):
            def log_message(self, *_):
                asked.append((time.time(), self.path))
        server = http.server.ThreadingHTTPServer(
            ("127.0.0.1", 0), lambda *args: Site(*args, directory=str(site)))
        threading.Thread(target=server.serve_forever, daemon=True).start()
        self.addCleanup(server.server_close)
        self.addCleanup(server.shutdown)
        xvfb = self.start("Xvfb", "-displayfd", "1", "-screen", "0", "1280x900x24", "-nolisten",
                          "tcp", "-noreset", stdout=subprocess.PIPE)
        self.env.update(DISPLAY=":%d" % int(xvfb.stdout.readline()), QT_QPA_PLATFORM="xcb")
        end = time.time() + 30
        xsession.write_session(self.store, int(end * 1000))
        output = os.path.join(self.root, "stderr")
        with open(output, "wb") as stderr:
            app = self.start("dbus-run-session", "--", os.environ["TOVALIN_PAGE_HOST"],
                             "http://127.0.0.1:%d/" % server.server_port, stderr=stderr)
        window = self.x_window("Tovalin - Disney")
        wait_until(lambda: {"/sw-beat", "/shared-beat", "/beat"} <= {p for _, p in asked},
                   "the page and its workers", timeout=end - time.time() - 3)
        # Takes the link and moves it a little, which starts a drag, and holds it.
        self.tool("xdotool", "mousemove", "--window", window, "100", "150", "mousedown", "1",
                  *["mousemove_relative", "20", "20", "sleep", "0.1"] * 5)
        self.x_window("Tovalin - Locked", timeout=end - time.time() + 10)
        locked = time.time()
        time.sleep(3)
        renderers = self.tool("pgrep", "--session", str(app.pid), "-f", "type=renderer").split()
        self.tool("xdotool", "mouseup", "1")
        late = [(round(t - locked, 2), p) for t, p in asked if t > locked + 1]
        self.assertEqual((late, renderers), ([], []))
        self.assertNotIn(b"forged", pathlib.Path(output).read_bytes())

    def test_one_instance_whatever_the_environment(self):
        # Started in pairs at one moment, each with a TMPDIR or a runtime folder of its own, or
        # the same store by paths too long for a socket beside it: one keeps running, the other
        # hands over and ends with 0.
        self.env["QT_QPA_PLATFORM"] = "offscreen"
        for variable in ("TMPDIR", "XDG_RUNTIME_DIR", "XDG_CONFIG_HOME") * 3:
            pair = []
            for _ in range(2):
                own = tempfile.mkdtemp(dir=self.root)
                if variable == "XDG_CONFIG_HOME":
                    own = os.path.join(own, "x" * 100)
                    os.symlink(self.env[variable], own)
                pair.append(self.start("dbus-run-session", "--", APP,
                                       env=dict(self.env, **{variable: own})))
            gone = wait_until(lambda: [p for p in pair if p.poll() is not None], "a hand-over")
            self.assertEqual([p.returncode for p in gone], [0])
            self.stop_all()

    def sway_views(self, title=None):
        def walk(node):
            yield node
            for child in node.get("nodes", []) + node.get("floating_nodes", []):
                yield from walk(child)
        tree = json.loads(self.tool("swaymsg", "-t", "get_tree") or "{}")
        return [v for v in walk(tree) if v.get("pid") and title in (None, v.get("name"))]

    def test_wayland_natively(self):
        config = os.path.join(self.root, "sway.conf")
        pathlib.Path(config).write_text("focus_on_window_activation focus\n")
        self.start_wayland("sway", "-c", config)
        self.env["SWAYSOCK"] = self.runtime_file("sway-ipc.", "sway's IPC")
        # A seat without a keyboard loses the first keys of each new one: one stays for the run.
        self.start("wtype", "-s", "600000")
        # In German: the titles and the password dialog read back as a German parent sees them.
        self.env["LC_ALL"] = "de_DE.UTF-8"
        self.start_app(AS_USER)
        locked = wait_until(lambda: self.sway_views("Tovalin - Gesperrt"), "the locked window")[0]
        # Not through XWayland, and under the id of its desktop entry.
        self.assertEqual((locked["shell"], locked["app_id"]), ("xdg_shell", APP_ID))
        self.tool("wtype", "-k", "Return")
        wait_until(lambda: self.sway_views("Passwort erforderlich"), "the password dialog")
        self.tool("wtype", PASSWORD)
        self.tool("wtype", "-k", "Return")
        wait_until(lambda: self.sway_views("Tovalin - Disney"), "the session")
        # A second start from the compositor's launcher, with the window on another workspace:
        # no second window, and the launcher's token brings the first forward. Debian 12's sway
        # gives what it starts no token.
        self.tool("swaymsg", "workspace", "2")
        ended = os.path.join(self.env["XDG_RUNTIME_DIR"], "second-start")
        pathlib.Path(ended + ".sh").write_text(
            f'echo "$XDG_ACTIVATION_TOKEN" > {ended}.token\n'
            f"dbus-run-session -- {shlex.quote(APP)}\necho $? > {ended}\n")
        self.tool("swaymsg", "exec", "sh " + ended + ".sh")
        self.assertEqual(wait_until(lambda: os.path.exists(ended) and read(ended).strip(),
                                    "the second start to end"), "0")
        self.assertEqual(len(self.sway_views()), 1)
        if read(ended + ".token").strip():
            wait_until(lambda: self.sway_views("Tovalin - Disney")[0]["focused"],
                       "the window to come forward")

    def screen_colours(self):
        # How many colours a sample of the screen's pixels has.
        shot = subprocess.run(["grim", "-t", "ppm", "-"], env=self.env, capture_output=True,
                              timeout=10).stdout
        pixels = shot.split(b"\n", 3)[3] if shot.startswith(b"P6") else b""
        return len({pixels[i:i + 3] for i in range(0, len(pixels), 3 * 997)})

    def test_child_session_runs_tovalin_alone_and_ends_with_it(self):
        entry = configparser.ConfigParser(interpolation=None)
        entry.read(ENTRY)
        command = shlex.split(entry["Desktop Entry"]["Exec"])
        self.assertEqual(command[0], entry["Desktop Entry"]["TryExec"])
        # The entry starts "tovalin" from PATH: this one.
        bin_dir = os.path.join(self.root, "bin")
        os.mkdir(bin_dir)
        os.symlink(APP, os.path.join(bin_dir, "tovalin"))
        self.env["PATH"] = bin_dir + os.pathsep + self.env["PATH"]
        session = self.start_wayland("dbus-run-session", "--", *command)
        # cage's own screen is black; Tovalin's locked screen has text, a logo and a field.
        wait_until(lambda: self.screen_colours() > 8, "Tovalin's window in cage")
        app = self.tool("pgrep", "--session", str(session.pid), "--exact", "tovalin").split()
        self.assertEqual(len(app), 1)
        os.kill(int(app[0]), signal.SIGTERM)
        session.wait(timeout=TIMEOUT)


if __name__ == "__main__":
    if len(sys.argv) < 3:
        sys.exit("usage: %s PATH_TO_TOVALIN PATH_TO_SESSION_ENTRY [-k PATTERN]" % sys.argv[0])
    APP, ENTRY = map(os.path.abspath, sys.argv[1:3])
    # Ended from outside (ctest's timeout), still stop everything started here.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit("terminated"))
    unittest.main(argv=sys.argv[:1] + sys.argv[3:], verbosity=2)
