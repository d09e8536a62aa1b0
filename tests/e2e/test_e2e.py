#!/usr/bin/env python3
"""End-to-end tests of the built Tovalin binary, driven through X like a user would.

Usage: test_e2e.py PATH_TO_TOVALIN

Runs every case against its own Xvfb with xdotool input, each case with a fresh app and fresh
XDG directories. Prints "N passed, N failed" last and exits non-zero on any failure. On a failure,
a screenshot and the app's output are kept in ./e2e-artifacts.
"""

import os
import shutil
import signal
import struct
import subprocess
import sys
import tempfile
import time
import unittest

PASSWORD = "garden482"
MAIN_WINDOW = "^Tovalin - "
# Launching includes starting the web engine, which is slow on a loaded machine.
LAUNCH_TIMEOUT = 30
STEP_TIMEOUT = 10
POLL_INTERVAL = 0.05

# Offsets of controls from the window's centre (locked card) or its right edge (control bar).
MINUTES_FIELD_FROM_CENTRE = (40, 83)
BAR_Y = 17
PAUSE_FROM_RIGHT = 130
END_FROM_RIGHT = 50

# QDataStream of a QVariant holding a QDateTime, as QSettings writes it inside "@DateTime(...)":
# type id, null flag, Julian day, msecs of the day, time spec.
DATETIME_LAYOUT = ">IBqIB"
QDATETIME_TYPE_ID = 16
UTC_SPEC = 1
JULIAN_DAY_OF_EPOCH = 2440588
MSECS_PER_DAY = 86_400_000
HEX_DIGITS = "0123456789abcdefABCDEF"
NAMED_ESCAPES = {0x07: "a", 0x08: "b", 0x0C: "f", 0x0A: "n", 0x0D: "r", 0x09: "t", 0x0B: "v"}

APP = ""
DISPLAY = ""
# Holds every case's directories; removed at the end whatever happened.
WORK_ROOT = ""
started = []


def encode_datetime(epoch_msecs):
    """The ini value QSettings writes for a UTC QDateTime."""
    day, msecs = divmod(epoch_msecs, MSECS_PER_DAY)
    data = struct.pack(DATETIME_LAYOUT, QDATETIME_TYPE_ID, 0, day + JULIAN_DAY_OF_EPOCH, msecs, UTC_SPEC)
    text = ""
    needs_quotes = False
    escape_hex_digit = False
    for byte in data:
        char = chr(byte)
        needs_quotes = needs_quotes or char in ";,="
        # A hex digit right after a numeric escape would be read as part of it.
        if escape_hex_digit and char in HEX_DIGITS:
            text += "\\x%x" % byte
            continue
        escape_hex_digit = False
        if byte == 0:
            text += "\\0"
            escape_hex_digit = True
        elif byte in NAMED_ESCAPES:
            text += "\\" + NAMED_ESCAPES[byte]
        elif char in '"\\':
            text += "\\" + char
        elif byte <= 0x1F or byte >= 0x7F:
            text += "\\x%x" % byte
            escape_hex_digit = True
        else:
            text += char
    value = "@DateTime(" + text + ")"
    return '"' + value + '"' if needs_quotes else value


def decode_datetime(value):
    """Milliseconds since the epoch of an ini value that QSettings wrote for a QDateTime."""
    if value.startswith('"') and value.endswith('"'):
        value = value[1:-1]
    if not (value.startswith("@DateTime(") and value.endswith(")")):
        raise ValueError("not a date: %r" % value)
    text = value[len("@DateTime("):-1]
    named = {letter: byte for byte, letter in NAMED_ESCAPES.items()}
    data = bytearray()
    i = 0
    while i < len(text):
        char = text[i]
        i += 1
        if char != "\\":
            data.append(ord(char))
            continue
        char = text[i]
        i += 1
        if char == "x":
            start = i
            while i < len(text) and text[i] in HEX_DIGITS:
                i += 1
            data.append(int(text[start:i], 16))
        elif char == "0":
            data.append(0)
        elif char in named:
            data.append(named[char])
        else:
            data.append(ord(char))
    type_id, _, julian_day, msecs, spec = struct.unpack(DATETIME_LAYOUT, bytes(data))
    if type_id != QDATETIME_TYPE_ID or spec != UTC_SPEC:
        raise ValueError("unexpected date: %r" % value)
    return (julian_day - JULIAN_DAY_OF_EPOCH) * MSECS_PER_DAY + msecs


def xdotool(*args, may_fail=False):
    """xdotool's output; None when it failed and may_fail (search fails when nothing matches)."""
    run = subprocess.run(["xdotool", *args], env=dict(os.environ, DISPLAY=DISPLAY),
                         capture_output=True, text=True, timeout=STEP_TIMEOUT)
    if run.returncode == 0:
        return run.stdout
    if may_fail:
        return None
    raise AssertionError("xdotool %s failed: %s" % (" ".join(args), run.stderr.strip()))


def visible_windows(pattern):
    found = xdotool("search", "--onlyvisible", "--name", pattern, may_fail=True)
    return found.split() if found else []


def window_geometry(window):
    shell = xdotool("getwindowgeometry", "--shell", window)
    values = dict(line.split("=", 1) for line in shell.split())
    return tuple(int(values[key]) for key in ("X", "Y", "WIDTH", "HEIGHT"))


def signal_group(process, signum):
    try:
        os.killpg(process.pid, signum)
    except ProcessLookupError:
        pass


def stop(process):
    """Ends a program started here and the helpers it started (the web engine's), which share
    its process group and may outlive it."""
    signal_group(process, signal.SIGTERM)
    try:
        process.wait(timeout=5)
    except subprocess.TimeoutExpired:
        pass
    signal_group(process, signal.SIGKILL)
    process.wait()
    if process in started:
        started.remove(process)


def start(command, **kwargs):
    process = subprocess.Popen(command, start_new_session=True, **kwargs)
    started.append(process)
    return process


def save_screenshot(path_without_extension):
    """Path of a screenshot of the whole screen, or None when no screenshot tool is installed."""
    if shutil.which("xwd"):
        path = path_without_extension + ".xwd"
        command = ["xwd", "-root", "-display", DISPLAY, "-out", path]
    elif shutil.which("import"):
        path = path_without_extension + ".png"
        command = ["import", "-display", DISPLAY, "-window", "root", path]
    else:
        return None
    done = subprocess.run(command, capture_output=True, timeout=STEP_TIMEOUT)
    return path if done.returncode == 0 else None


class AppTestCase(unittest.TestCase):
    """Each case gets fresh XDG directories (so an empty store) and starts the app itself."""

    def setUp(self):
        self.root = tempfile.mkdtemp(prefix=self._testMethodName + "-", dir=WORK_ROOT)
        dirs = {}
        for name in ("config", "data", "cache", "runtime", "home"):
            dirs[name] = os.path.join(self.root, name)
            os.mkdir(dirs[name], 0o700)
        self.env = dict(os.environ, DISPLAY=DISPLAY, QT_QPA_PLATFORM="xcb",
                        XDG_CONFIG_HOME=dirs["config"], XDG_DATA_HOME=dirs["data"],
                        XDG_CACHE_HOME=dirs["cache"], XDG_RUNTIME_DIR=dirs["runtime"],
                        HOME=dirs["home"])
        self.store_path = os.path.join(dirs["config"], "Tovalin", "Tovalin.conf")
        self.log_path = os.path.join(self.root, "app.log")

    def launch(self):
        with open(self.log_path, "ab") as log:
            process = start([APP], env=self.env, stdout=log, stderr=subprocess.STDOUT)
        self.addCleanup(stop, process)
        return process

    def keep_artefacts(self):
        folder = os.path.join(os.getcwd(), "e2e-artifacts")
        os.makedirs(folder, exist_ok=True)
        base = os.path.join(folder, self.id().rsplit(".", 2)[-2] + "." + self._testMethodName)
        screenshot = save_screenshot(base)
        if screenshot:
            print("\nscreenshot: %s" % screenshot, flush=True)
        if os.path.exists(self.log_path):
            shutil.copyfile(self.log_path, base + ".log")
            print("app output: %s.log" % base, flush=True)

    # The store.

    def read_store(self):
        if not os.path.exists(self.store_path):
            return {}
        with open(self.store_path, encoding="latin-1") as file:
            lines = file.read().splitlines()
        return dict(line.split("=", 1) for line in lines if "=" in line)

    def seed_session(self, end_epoch_msecs):
        """Writes a running Disney session ending at the given instant; returns its endTime value."""
        value = encode_datetime(end_epoch_msecs)
        os.makedirs(os.path.dirname(self.store_path), exist_ok=True)
        with open(self.store_path, "w", encoding="latin-1") as file:
            file.write("[General]\nselectedSite=disney\nisLocked=false\nisPaused=false\n"
                       "endTime=%s\n" % value)
        return value

    # The screen.

    def wait_until(self, condition, timeout, what):
        """condition()'s first true value; what() says what was awaited when it never comes."""
        deadline = time.monotonic() + timeout
        while True:
            found = condition()
            if found:
                return found
            if time.monotonic() > deadline:
                self.fail("timed out after %ss waiting for %s" % (timeout, what()))
            time.sleep(POLL_INTERVAL)

    def current_main_window(self):
        """The one visible main window and its title; None when there is none or several."""
        windows = visible_windows(MAIN_WINDOW)
        # The window may go between the two calls.
        name = xdotool("getwindowname", windows[0], may_fail=True) if len(windows) == 1 else None
        return (windows[0], name.strip()) if name else None

    def main_window(self, title, timeout=STEP_TIMEOUT):
        """Waits until the main window has the title and returns the window."""
        seen = [None]

        def titled():
            seen[0] = self.current_main_window()
            return seen[0] and seen[0][1] == title and seen[0][0]

        return self.wait_until(titled, timeout, lambda: "a window titled %r, saw %r" % (title, seen[0]))

    def dialog(self, title):
        """Waits for the dialog with the title, and gives it the keyboard."""
        window = self.wait_until(lambda: visible_windows("^%s$" % title), STEP_TIMEOUT,
                                 lambda: "the %r dialog" % title)[0]
        xdotool("windowfocus", "--sync", window)

    def click(self, window, x, y):
        left, top, _, _ = window_geometry(window)
        xdotool("mousemove", str(left + x), str(top + y), "click", "1")

    def click_bar_button(self, title, from_right):
        window = self.main_window(title)
        _, _, width, _ = window_geometry(window)
        self.click(window, width - from_right, BAR_Y)

    def answer_password(self, password):
        self.dialog("Password Required")
        xdotool("type", "--delay", "20", password)
        xdotool("key", "Return")


class LockedScreenTest(AppTestCase):
    def test_first_launch_is_locked(self):
        self.launch()
        self.main_window("Tovalin - Locked", LAUNCH_TIMEOUT)

    def test_wrong_password_keeps_it_locked(self):
        self.launch()
        window = self.main_window("Tovalin - Locked", LAUNCH_TIMEOUT)
        xdotool("windowfocus", "--sync", window)
        xdotool("key", "Return")
        self.dialog("Password Required")
        xdotool("key", "Escape")
        time.sleep(0.5)
        self.assertTrue(visible_windows("^Password Required$"), "Escape closed the password dialog")
        xdotool("type", "--delay", "20", "garden483")
        xdotool("key", "Return")
        self.dialog("Incorrect password")
        self.main_window("Tovalin - Locked", timeout=0)
        xdotool("key", "Return")
        self.wait_until(lambda: not visible_windows("^Incorrect password$"), STEP_TIMEOUT,
                        lambda: "the wrong-password message to close")
        self.main_window("Tovalin - Locked")
        self.assertNotIn("endTime", self.read_store())


class SessionTest(AppTestCase):
    def test_start_with_one_minute(self):
        self.launch()
        window = self.main_window("Tovalin - Locked", LAUNCH_TIMEOUT)
        xdotool("windowfocus", "--sync", window)
        _, _, width, height = window_geometry(window)
        self.click(window, width // 2 + MINUTES_FIELD_FROM_CENTRE[0],
                   height // 2 + MINUTES_FIELD_FROM_CENTRE[1])
        xdotool("key", "ctrl+a")
        xdotool("type", "1")
        # Return from the minutes field presses "Start".
        before = time.time()
        xdotool("key", "Return")
        self.answer_password(PASSWORD)
        self.main_window("Tovalin - Disney")
        after = time.time()
        store = self.read_store()
        self.assertEqual(store.get("isLocked"), "false")
        self.assertEqual(store.get("selectedSite"), "disney")
        end = decode_datetime(store["endTime"]) / 1000
        self.assertTrue(before + 60 - 0.001 <= end <= after + 60,
                        "the session ends %.2f s after Start was pressed" % (end - before))

    def test_pause_and_resume(self):
        end = self.seed_session(int((time.time() + 600) * 1000))
        self.launch()
        self.main_window("Tovalin - Disney", LAUNCH_TIMEOUT)
        self.click_bar_button("Tovalin - Disney", PAUSE_FROM_RIGHT)
        self.main_window("Tovalin - Paused")
        self.assertEqual(self.read_store().get("isPaused"), "true")
        # The same button now reads "Resume".
        self.click_bar_button("Tovalin - Paused", PAUSE_FROM_RIGHT)
        self.main_window("Tovalin - Disney")
        store = self.read_store()
        self.assertEqual(store.get("isPaused"), "false")
        # The end is a fixed instant: pausing does not move it.
        self.assertEqual(store.get("endTime"), end)

    def test_end_session(self):
        self.seed_session(int((time.time() + 600) * 1000))
        self.launch()
        self.main_window("Tovalin - Disney", LAUNCH_TIMEOUT)
        self.click_bar_button("Tovalin - Disney", END_FROM_RIGHT)
        self.dialog("End Session")
        xdotool("key", "Return")
        self.main_window("Tovalin - Locked")
        store = self.read_store()
        self.assertNotIn("endTime", store)
        self.assertEqual(store.get("isLocked"), "true")


class PersistenceTest(AppTestCase):
    def test_locks_itself_when_time_is_up(self):
        end_msecs = int((time.time() + 4) * 1000)
        end = self.seed_session(end_msecs)
        self.launch()
        self.main_window("Tovalin - Disney", LAUNCH_TIMEOUT)
        self.main_window("Tovalin - Locked", timeout=10)
        delay = time.time() - end_msecs / 1000
        self.assertTrue(0 <= delay <= 1.2, "locked %.2f s after the end" % delay)
        store = self.read_store()
        self.assertEqual(store.get("isLocked"), "true")
        # The expired session is kept, for "Unlock" to restart it.
        self.assertEqual(store.get("endTime"), end)

    def test_session_survives_a_kill(self):
        app = self.launch()
        window = self.main_window("Tovalin - Locked", LAUNCH_TIMEOUT)
        xdotool("windowfocus", "--sync", window)
        xdotool("key", "Return")
        self.answer_password(PASSWORD)
        self.main_window("Tovalin - Disney")
        end = self.read_store().get("endTime")
        self.assertIsNotNone(end)
        # As a crash would: no chance to save anything.
        app.kill()
        app.wait()
        self.wait_until(lambda: not visible_windows(MAIN_WINDOW), STEP_TIMEOUT,
                        lambda: "the killed window to go")
        self.launch()
        self.main_window("Tovalin - Disney", LAUNCH_TIMEOUT)
        self.assertEqual(self.read_store().get("endTime"), end)

    def test_second_instance_leaves_one_window(self):
        self.launch()
        self.main_window("Tovalin - Locked", LAUNCH_TIMEOUT)
        second = self.launch()
        try:
            second.wait(timeout=5)
        except subprocess.TimeoutExpired:
            self.fail("the second instance is still running")
        self.assertEqual(len(visible_windows(MAIN_WINDOW)), 1)


class Result(unittest.TextTestResult):
    """Keeps the evidence of a failure: unittest reports it as soon as the case raises, before
    the case's clean-up stops the app, so the screen still shows what went wrong."""

    def addError(self, test, err):
        self._keep_artefacts(test)
        super().addError(test, err)

    def addFailure(self, test, err):
        self._keep_artefacts(test)
        super().addFailure(test, err)

    @staticmethod
    def _keep_artefacts(test):
        if isinstance(test, AppTestCase):
            test.keep_artefacts()


def start_xvfb():
    """Starts Xvfb on the first free display from :90 and waits until it takes clients."""
    global DISPLAY
    for number in range(90, 190):
        if os.path.exists("/tmp/.X%d-lock" % number) or os.path.exists("/tmp/.X11-unix/X%d" % number):
            continue
        DISPLAY = ":%d" % number
        # -noreset: otherwise the server resets whenever its last client leaves, which is between
        # most steps here.
        server = start(["Xvfb", DISPLAY, "-screen", "0", "1280x900x24", "-nolisten", "tcp", "-noreset"],
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        deadline = time.monotonic() + 15
        while server.poll() is None and time.monotonic() < deadline:
            if xdotool("getdisplaygeometry", may_fail=True) is not None and server.poll() is None:
                return
            time.sleep(POLL_INTERVAL)
        # Taken by someone else in the meantime, or too slow: try the next one.
        stop(server)
    raise RuntimeError("no free X display from :90 on")


def raise_interrupt(signum, frame):
    raise KeyboardInterrupt


def main():
    global APP, WORK_ROOT
    if len(sys.argv) != 2:
        sys.exit("usage: %s PATH_TO_TOVALIN" % sys.argv[0])
    APP = os.path.abspath(sys.argv[1])
    for tool in ("Xvfb", "xdotool"):
        if not shutil.which(tool):
            sys.exit("%s is not installed" % tool)
    # Ended from outside (ctest's timeout), still stop everything started here.
    signal.signal(signal.SIGTERM, raise_interrupt)
    WORK_ROOT = tempfile.mkdtemp(prefix="tovalin-e2e-")
    try:
        start_xvfb()
        suite = unittest.TestLoader().loadTestsFromModule(sys.modules[__name__])
        result = unittest.TextTestRunner(resultclass=Result, verbosity=2).run(suite)
    finally:
        for process in reversed(started[:]):
            stop(process)
        shutil.rmtree(WORK_ROOT, ignore_errors=True)
    failed = len(result.failures) + len(result.errors) + len(result.unexpectedSuccesses)
    passed = result.testsRun - failed - len(result.skipped)
    sys.stderr.flush()
    print("%d passed, %d failed" % (passed, failed), flush=True)
    sys.exit(0 if result.wasSuccessful() else 1)


if __name__ == "__main__":
    main()
