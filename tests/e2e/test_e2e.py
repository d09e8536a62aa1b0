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
import struct
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


BAR_HEIGHT = 35
# The screens looked at, each in one place, language and scale: on X (Xvfb), natively on Wayland
# (sway), in the child's session (cage, from its entry), and on X and Wayland again with the
# desktop's portal saying that it prefers dark.
SCREENS = [("x11", "locked", "en_US", 1), ("x11", "last minute", "de_DE", 2),
           ("x11", "paused", "en_US", 2), ("x11", "alert", "de_DE", 1),
           ("wayland", "running", "de_DE", 1), ("wayland", "locked", "de_DE", 2),
           ("wayland", "last minute", "en_US", 1), ("wayland", "alert", "en_US", 2),
           ("child", "running", "en_US", 1), ("child", "paused", "de_DE", 1),
           ("child x11", "last minute", "de_DE", 1),
           ("x11 dark", "running", "en_US", 1), ("x11 dark", "last minute", "de_DE", 2),
           ("x11 dark", "paused", "en_US", 2), ("wayland dark", "running", "en_US", 2),
           ("wayland dark", "last minute", "en_US", 1), ("wayland dark", "paused", "de_DE", 1),
           ("wayland dark", "locked", "en_US", 1), ("x11 dark", "alert", "de_DE", 2)]


def contrast(a, b):
    # WCAG's contrast ratio of two (r, g, b) colours.
    def luminance(colour):
        linear = [c / 3294 if c <= 10 else ((c / 255 + 0.055) / 1.055) ** 2.4 for c in colour]
        return 0.2126 * linear[0] + 0.7152 * linear[1] + 0.0722 * linear[2]
    darker, lighter = sorted((luminance(a), luminance(b)))
    return (lighter + 0.05) / (darker + 0.05)


class Shot:
    # A screenshot: `step` bytes a pixel, red at `red` (0 in RGB, 2 in BGRX). Boxes are
    # (left, top, right, bottom), the right and bottom edges outside.
    def __init__(self, width, height, data, step, red):
        self.size, self.data, self.step, self.red = (width, height), data, step, red

    def at(self, x, y):
        i = (y * self.size[0] + x) * self.step
        return self.data[i + self.red], self.data[i + 1], self.data[i + 2 - self.red]

    def pixels(self, box, where=False, every=1):
        for y in range(box[1], box[3], every):
            for x in range(box[0], box[2], every):
                yield (x, y, self.at(x, y)) if where else self.at(x, y)

    def colours(self, box=None):
        return len(set(self.pixels(box or (0, 0) + self.size, every=7)))


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
        self.make_folders()

    def make_folders(self):
        # Fresh ones, where whoever the Wayland side runs as reaches them.
        parent = tempfile.mkdtemp(dir=self.root)
        os.chmod(parent, 0o755)
        for variable in ("XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_RUNTIME_DIR",
                         "HOME"):
            folder = self.env[variable] = os.path.join(parent, variable.lower())
            os.makedirs(folder, 0o700)
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

    def start_wayland(self, *compositor, **backend):
        # Starts a headless compositor for the user the Wayland side runs as; returns it.
        self.env.update(HEADLESS, XDG_SESSION_TYPE="wayland", **backend)
        process = self.start(*AS_USER, *compositor)
        self.env["WAYLAND_DISPLAY"] = self.runtime_file("wayland-", "the Wayland socket")
        return process

    def start_xvfb(self, size):
        # Its frame buffer is a file, the screen as a person sees it (see shoot()).
        xvfb = self.start("Xvfb", "-displayfd", "1", "-screen", "0", size + "x24", "-nolisten",
                          "tcp", "-noreset", "-ac", "-fbdir", self.env["HOME"],
                          stdout=subprocess.PIPE)
        self.env.update(DISPLAY=":%d" % int(xvfb.stdout.readline()), QT_QPA_PLATFORM="xcb")

    def start_sway(self, config):
        path = os.path.join(self.env["HOME"], "sway.conf")
        pathlib.Path(path).write_text(config)
        self.start_wayland("sway", "-c", path)
        self.env["SWAYSOCK"] = self.runtime_file("sway-ipc.", "sway's IPC")
        # A seat without a keyboard loses the first keys of each new one: one stays for the run.
        self.start("wtype", "-s", "600000")

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
        self.start_xvfb("1280x900")
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
        self.start_xvfb("1280x900")
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
                pair.append(self.start_app(env=dict(self.env, **{variable: own})))
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

    def wayland_return(self, condition, what):
        # Return on a window just shown: a busy Qt may drop that first key, so it is pressed
        # again where nothing came of it within a while.
        for _ in range(2):
            self.tool("wtype", "-k", "Return")
            with contextlib.suppress(AssertionError):
                return wait_until(condition, what, timeout=10)
        self.tool("wtype", "-k", "Return")
        return wait_until(condition, what)

    def test_wayland_natively(self):
        self.start_sway("focus_on_window_activation focus\n")
        # In German: the titles and the password dialog read back as a German parent sees them.
        self.env["LC_ALL"] = "de_DE.UTF-8"
        self.start_app(AS_USER)
        locked = wait_until(lambda: self.sway_views("Tovalin - Gesperrt"), "the locked window")[0]
        # Not through XWayland, and under the id of its desktop entry.
        self.assertEqual((locked["shell"], locked["app_id"]), ("xdg_shell", APP_ID))
        self.wayland_return(lambda: self.sway_views("Passwort erforderlich"), "the password dialog")
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

    def shoot(self):
        # The screen as a person sees it: grim on Wayland, Xvfb's own frame buffer on X (an XWD
        # file: a header of 32-bit words, the name, a colour map, then BGRX pixels).
        if "WAYLAND_DISPLAY" in self.env:
            data = subprocess.run(["grim", "-t", "ppm", "-"], env=self.env, capture_output=True,
                                  timeout=10).stdout
            _, width, height, _, pixels = data.split(maxsplit=4)
            return Shot(int(width), int(height), pixels, 3, 0)
        data = pathlib.Path(self.env["HOME"], "Xvfb_screen0").read_bytes()
        header = struct.unpack(">25I", data[:100])
        return Shot(header[4], header[5], data[header[0] + header[19] * 12:], 4, 2)

    def show_screen(self, where, screen, scale):
        # Starts Tovalin where the row says, on the screen it names; returns its window's box
        # and, for an alert, the dialog's.
        if screen not in ("locked", "alert"):
            end = time.time() + (50 if screen == "last minute" else 600)
            xsession.write_session(self.store, int(end * 1000), paused=screen == "paused")
            for path in (os.path.dirname(self.store), self.store) if AS_USER else ():
                os.chown(path, NOBODY, NOBODY)
        if where.endswith("dark"):
            # The desktop's portal, which the bus starts when Qt first asks it, as a desktop's
            # does, says the scheme; Qt reads it through its platform theme for the portal.
            services = pathlib.Path(self.env["XDG_DATA_HOME"], "dbus-1", "services")
            services.mkdir(parents=True)
            (services / "org.freedesktop.portal.Desktop.service").write_text(
                "[D-BUS Service]\nName=org.freedesktop.portal.Desktop\nExec=/usr/bin/python3 -m "
                "dbusmock -t %s\n" % pathlib.Path(__file__).with_name("portal_mock.py").resolve())
            self.env["QT_QPA_PLATFORMTHEME"] = "xdgdesktopportal"
        if where == "child":
            self.session = self.start_child_session()
            wait_until(lambda: self.shoot().colours() > 8, "the child's session")
            return (0, 0) + self.shoot().size, None
        if "x11" in where:
            # The child's X11 session: Tovalin alone on the display, with no window manager,
            # covering it.
            child = where == "child x11"
            self.start_xvfb("1280x800" if child else "2560x1600")
            os.chown(self.env["XDG_RUNTIME_DIR"], os.geteuid(), os.getegid())
            self.env.update(TOVALIN_CHILD_SESSION=str(int(child)), QT_SCALE_FACTOR=str(scale))
            self.start_app()
            window = wait_until(lambda: [box for box in [self.x_box(self.x_window("Tovalin.*"))]
                                         if not child or box == (0, 0) + self.shoot().size],
                                "the window")[0]
            if screen != "alert":
                return window, None
            self.x_click("Tovalin.*")
            self.tool("xdotool", "key", "Return")
            return window, self.x_box(self.x_window("Passwor.*"))
        self.start_sway("default_border none\ndefault_floating_border none\n"
                        "output * resolution 2560x1600 scale %d\n" % scale)
        self.start_app(AS_USER)
        wait_until(lambda: self.sway_views(), "the window")
        if screen != "alert":
            return (0, 0) + self.shoot().size, None
        rect = self.wayland_return(lambda: [v["rect"] for v in self.sway_views()
                                            if not v["name"].startswith("Tovalin")], "the dialog")[0]
        x, y, width, height = (rect[key] * scale for key in ("x", "y", "width", "height"))
        return (0, 0) + self.shoot().size, (x, y, x + width, y + height)

    def x_box(self, window):
        box = dict(line.split("=") for line in self.tool(
            "xdotool", "getwindowgeometry", "--shell", window).split())
        x, y = int(box["X"]), int(box["Y"])
        return x, y, x + int(box["WIDTH"]), y + int(box["HEIGHT"])

    def judge(self, shot, window, dialog, screen, scale, where):
        # What is wrong with the shot, by rules; an empty list when nothing is.
        left, top, right, bottom = window
        bar = top + BAR_HEIGHT * scale
        wrong = [] if shot.colours(window) > 8 else ["nothing drawn"]
        # Full screen in the child's session: none of cage's black around it, no title bar.
        if where.startswith("child") and ((0, 0, 0) in [shot.at(x, y) for x in (0, right // 2, right - 1)
                                               for y in (0, bottom - 1)]
                                 or shot.at(2, 2) != shot.at(2, bar - 3)):
            wrong.append("the window does not cover the output")
        background = shot.at(left + 2, top + 2)
        # In a dark scheme the screen or the bar is dark, and so is the window where no page
        # covers it.
        lit = [p for p in (background, screen == "paused" and shot.at(left + 2, bottom - 3))
               if p and contrast(p, (0, 0, 0)) > 3]
        if where.endswith("dark") and lit:
            wrong.append("the window is not dark: %s" % lit)
        if dialog:
            inside = all(a <= b for a, b in zip(window[:2] + dialog[2:], dialog[:2] + window[2:]))
            if not inside or shot.colours(dialog) <= 8:
                wrong.append("the dialog is not drawn within the window: %s" % (dialog,))
        elif screen == "locked":
            # The logo, in the upper middle of the card: its blue square as wide as the logo's
            # box at this scale, its yellow triangle in the square's middle third.
            third = (right - left) // 3
            card = (left + third, top, right - third, (top + bottom) // 2)
            pixels = list(shot.pixels(card, True))
            blue = [x for x, _, (r, g, b) in pixels if b > 130 and r < 80 and 70 < g < 120]
            yellow = [x for x, _, (r, g, b) in pixels if r > 200 and g > 150 and b < 100]
            width = max(blue, default=0) - min(blue, default=0)
            if not (yellow and 70 * scale <= width <= 82 * scale and
                    min(blue) + width / 3 < sum(yellow) / len(yellow) < max(blue) - width / 3):
                wrong.append("the logo is not whole at this scale")
        else:
            status = (left, top, left + (right - left) * 2 // 5, bar)
            ink = max(shot.pixels(status), key=lambda p: contrast(p, background))
            r, g, b = ink
            colour = ("orange" if g > b + 20 else "red") if r > g + 40 and r > b + 40 else "label"
            if colour != {"running": "label", "last minute": "red", "paused": "orange"}[screen]:
                wrong.append("the countdown is %s %s" % (colour, ink))
            if contrast(ink, background) < 4.5:
                wrong.append("the countdown is not legible: %s on %s" % (ink, background))
            rows = [y for _, y, p in shot.pixels(status, True) if contrast(p, background) > 1.5]
            if not rows or min(rows) <= top + 1 or max(rows) >= bar - 2:
                wrong.append("the countdown leaves the bar")
            if screen == "running" and shot.colours((left, bar + 10, right, bottom)) < 5:
                wrong.append("the page is not drawn")
        return wrong

    def test_screens_as_seen(self):
        first = dict(self.env)
        for where, screen, language, scale in SCREENS:
            with self.subTest(where=where, screen=screen, language=language, scale=scale):
                self.env = dict(first, LC_ALL=language + ".UTF-8")
                self.make_folders()
                window, dialog = self.show_screen(where, screen, scale)
                deadline = time.monotonic() + TIMEOUT
                while (wrong := self.judge(shot := self.shoot(), window, dialog, screen, scale,
                                           where)) and time.monotonic() < deadline:
                    time.sleep(0.2)
                self.assertEqual(wrong, [])
                status = window[:3] + (window[1] + BAR_HEIGHT * scale,)
                if screen == "running":
                    wait_until(lambda: list(self.shoot().pixels(status)) != list(
                        shot.pixels(status)), "the countdown to advance", timeout=5)
                if where == "child":
                    # The session ends with Tovalin.
                    app = self.tool("pgrep", "--session", str(self.session.pid), "--exact",
                                    "tovalin").split()
                    self.assertEqual(len(app), 1)
                    os.kill(int(app[0]), signal.SIGTERM)
                    self.session.wait(timeout=TIMEOUT)
            self.stop_all()

    def start_child_session(self):
        entry = configparser.ConfigParser(interpolation=None)
        entry.read(ENTRY)
        command = shlex.split(entry["Desktop Entry"]["Exec"])
        self.assertEqual(command[0], entry["Desktop Entry"]["TryExec"])
        # The entry starts "tovalin" from PATH: this one.
        bin_dir = os.path.join(self.env["HOME"], "bin")
        os.mkdir(bin_dir)
        os.symlink(APP, os.path.join(bin_dir, "tovalin"))
        self.env["PATH"] = bin_dir + os.pathsep + os.environ["PATH"]
        # Debian 12's cage (0.1.4, wlroots 0.15) on its headless backend keeps showing the first
        # frame it drew, while Tovalin goes on drawing (a Wayland trace shows its new buffers):
        # it runs on its X11 backend there, in an Xvfb of its own, where it draws as it should.
        if self.tool("cage", "-v").split()[-1:] < ["0.2"]:
            self.start_xvfb("1280x800")
            return self.start_wayland("dbus-run-session", "--", *command, WLR_BACKENDS="x11")
        return self.start_wayland("dbus-run-session", "--", *command)


if __name__ == "__main__":
    if len(sys.argv) < 3:
        sys.exit("usage: %s PATH_TO_TOVALIN PATH_TO_SESSION_ENTRY [-k PATTERN]" % sys.argv[0])
    APP, ENTRY = map(os.path.abspath, sys.argv[1:3])
    # Ended from outside (ctest's timeout), still stop everything started here.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit("terminated"))
    unittest.main(argv=sys.argv[:1] + sys.argv[3:], verbosity=2)
