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
import stat
import subprocess
import sys
import tempfile
import time
import unittest

import xsession
from xsession import (END_FROM_RIGHT, LAUNCH_TIMEOUT, MAIN_WINDOW, MINUTES_FIELD_FROM_CENTRE,
                      MODIFY_FROM_RIGHT, PASSWORD, PAUSE_FROM_RIGHT, STEP_TIMEOUT, answer_password,
                      click, click_bar_button, decode_datetime, dialog, encode_datetime,
                      encode_datetime_fields, main_window, start_with_password, visible_windows,
                      wait_until, window_geometry, xdotool)

APP = ""
# Holds every case's directories; removed at the end whatever happened.
WORK_ROOT = ""
# How often the store is looked at while waiting for a change to reach it.
STORE_POLL_INTERVAL = 0.005


def save_screenshot(path_without_extension):
    """Path of a screenshot of the whole screen, or None when no screenshot tool is installed."""
    if shutil.which("xwd"):
        path = path_without_extension + ".xwd"
        command = ["xwd", "-root", "-display", xsession.DISPLAY, "-out", path]
    elif shutil.which("import"):
        path = path_without_extension + ".png"
        command = ["import", "-display", xsession.DISPLAY, "-window", "root", path]
    else:
        return None
    done = subprocess.run(command, capture_output=True, timeout=STEP_TIMEOUT)
    return path if done.returncode == 0 else None


def store_bytes(path):
    """The store's content; None when there is no file to read."""
    try:
        with open(path, "rb") as file:
            return file.read()
    except (FileNotFoundError, IsADirectoryError):
        return None


class AppTestCase(unittest.TestCase):
    """Each case gets fresh XDG directories (so an empty store) and starts the app itself."""

    def setUp(self):
        self.root = tempfile.mkdtemp(prefix=self._testMethodName + "-", dir=WORK_ROOT)
        self.env, self.store_path = xsession.app_environment(self.root)
        self.log_path = os.path.join(self.root, "app.log")

    def launch(self, prefix=()):
        with open(self.log_path, "ab") as log:
            process = xsession.start([*prefix, APP], env=self.env, stdout=log,
                                     stderr=subprocess.STDOUT)
        self.addCleanup(xsession.stop, process)
        return process

    def launch_showing(self, title):
        app = self.launch()
        main_window(title, LAUNCH_TIMEOUT)
        return app

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

    def read_store(self):
        return xsession.read_store(self.store_path)

    def seed_session(self, end_epoch_msecs, paused=False):
        """Writes a running Disney session ending at the given instant; returns its endTime value."""
        return xsession.write_session(self.store_path, end_epoch_msecs, paused)

    def seed_running(self, seconds=600, paused=False):
        return self.seed_session(int((time.time() + seconds) * 1000), paused)

    def write_raw_store(self, content):
        os.makedirs(os.path.dirname(self.store_path), exist_ok=True)
        with open(self.store_path, "wb") as file:
            file.write(content)

    def change_site(self):
        """Picks the next site on the locked screen: the pop-up is just before the minutes field,
        which has the keyboard, and picking saves at once."""
        window = main_window("Tovalin - Locked")
        xdotool("windowfocus", "--sync", window)
        xdotool("key", "shift+Tab", "Down")

    def kill(self, app):
        """As a crash would: no chance to save anything."""
        app.kill()
        app.wait()
        wait_until(lambda: not visible_windows(MAIN_WINDOW), STEP_TIMEOUT,
                   lambda: "the killed window to go")


class LockedScreenTest(AppTestCase):
    def test_first_launch_is_locked(self):
        self.launch()
        main_window("Tovalin - Locked", LAUNCH_TIMEOUT)

    def test_wrong_password_keeps_it_locked(self):
        self.launch()
        window = main_window("Tovalin - Locked", LAUNCH_TIMEOUT)
        xdotool("windowfocus", "--sync", window)
        xdotool("key", "Return")
        dialog("Password Required")
        xdotool("key", "Escape")
        time.sleep(0.5)
        self.assertTrue(visible_windows("^Password Required$"), "Escape closed the password dialog")
        xdotool("type", "--delay", "20", "garden483")
        xdotool("key", "Return")
        dialog("Incorrect password")
        main_window("Tovalin - Locked", timeout=0)
        xdotool("key", "Return")
        wait_until(lambda: not visible_windows("^Incorrect password$"), STEP_TIMEOUT,
                   lambda: "the wrong-password message to close")
        main_window("Tovalin - Locked")
        self.assertNotIn("endTime", self.read_store())


class SessionTest(AppTestCase):
    def test_start_with_one_minute(self):
        self.launch()
        window = main_window("Tovalin - Locked", LAUNCH_TIMEOUT)
        xdotool("windowfocus", "--sync", window)
        _, _, width, height = window_geometry(window)
        click(window, width // 2 + MINUTES_FIELD_FROM_CENTRE[0],
              height // 2 + MINUTES_FIELD_FROM_CENTRE[1])
        xdotool("key", "ctrl+a")
        xdotool("type", "1")
        # Return from the minutes field presses "Start".
        before = time.time()
        xdotool("key", "Return")
        answer_password(PASSWORD)
        main_window("Tovalin - Disney")
        after = time.time()
        store = self.read_store()
        self.assertEqual(store.get("isLocked"), "false")
        self.assertEqual(store.get("selectedSite"), "disney")
        end = decode_datetime(store["endTime"]) / 1000
        self.assertTrue(before + 60 - 0.001 <= end <= after + 60,
                        "the session ends %.2f s after Start was pressed" % (end - before))

    def test_pause_and_resume(self):
        end = self.seed_running()
        self.launch()
        main_window("Tovalin - Disney", LAUNCH_TIMEOUT)
        click_bar_button("Tovalin - Disney", PAUSE_FROM_RIGHT)
        main_window("Tovalin - Paused")
        self.assertEqual(self.read_store().get("isPaused"), "true")
        # The same button now reads "Resume".
        click_bar_button("Tovalin - Paused", PAUSE_FROM_RIGHT)
        main_window("Tovalin - Disney")
        store = self.read_store()
        self.assertEqual(store.get("isPaused"), "false")
        # The end is a fixed instant: pausing does not move it.
        self.assertEqual(store.get("endTime"), end)

    def test_end_session(self):
        self.seed_running()
        self.launch()
        main_window("Tovalin - Disney", LAUNCH_TIMEOUT)
        xsession.end_session()
        store = self.read_store()
        self.assertNotIn("endTime", store)
        self.assertEqual(store.get("isLocked"), "true")


class PersistenceTest(AppTestCase):
    def test_locks_itself_when_time_is_up(self):
        end_msecs = int((time.time() + 4) * 1000)
        end = self.seed_session(end_msecs)
        self.launch()
        main_window("Tovalin - Disney", LAUNCH_TIMEOUT)
        main_window("Tovalin - Locked", timeout=10)
        delay = time.time() - end_msecs / 1000
        self.assertTrue(0 <= delay <= 1.2, "locked %.2f s after the end" % delay)
        store = self.read_store()
        self.assertEqual(store.get("isLocked"), "true")
        # The expired session is kept, for "Unlock" to restart it.
        self.assertEqual(store.get("endTime"), end)

    def test_second_instance_leaves_one_window(self):
        self.launch()
        main_window("Tovalin - Locked", LAUNCH_TIMEOUT)
        second = self.launch()
        try:
            second.wait(timeout=5)
        except subprocess.TimeoutExpired:
            self.fail("the second instance is still running")
        self.assertEqual(len(visible_windows(MAIN_WINDOW)), 1)


class KillAfterChangeTest(AppTestCase):
    """The program is killed the moment a change is on disk; the next launch shows exactly what
    was saved, and reading it writes nothing. Extending a running session has no control while
    the session shows (its button is on the locked screen); the in-process suites cover it."""

    def kill_when_saved(self, app, saved):
        """Kills the app as soon as the store satisfies saved(store); returns the store's bytes."""
        wait_until(lambda: saved(self.read_store()), STEP_TIMEOUT, lambda: "the change to be saved",
                   interval=STORE_POLL_INTERVAL)
        self.kill(app)
        return store_bytes(self.store_path)

    def assert_relaunch_shows(self, title, saved_bytes):
        self.launch_showing(title)
        self.assertEqual(store_bytes(self.store_path), saved_bytes)

    def test_start(self):
        app = self.launch()
        start_with_password(LAUNCH_TIMEOUT)
        saved = self.kill_when_saved(app, lambda store: "endTime" in store)
        self.assertEqual(self.read_store().get("isLocked"), "false")
        self.assert_relaunch_shows("Tovalin - Disney", saved)

    def toggle_pause_then_kill(self, paused):
        """Presses "Pause", or "Resume" on a paused session."""
        self.seed_running(paused=paused)
        shown, then = ("Tovalin - Paused", "Tovalin - Disney") if paused else (
            "Tovalin - Disney", "Tovalin - Paused")
        app = self.launch_showing(shown)
        click_bar_button(shown, PAUSE_FROM_RIGHT)
        now_paused = "false" if paused else "true"
        saved = self.kill_when_saved(app, lambda store: store.get("isPaused") == now_paused)
        self.assert_relaunch_shows(then, saved)

    def test_pause(self):
        self.toggle_pause_then_kill(paused=False)

    def test_resume(self):
        self.toggle_pause_then_kill(paused=True)

    def test_set_timer(self):
        old_end = self.seed_running()
        app = self.launch_showing("Tovalin - Disney")
        click_bar_button("Tovalin - Disney", MODIFY_FROM_RIGHT)
        answer_password(PASSWORD)
        dialog("Set Timer")
        # The proposal is selected: typing replaces it.
        xdotool("type", "5")
        before = time.time()
        xdotool("key", "Return")
        saved = self.kill_when_saved(app, lambda store: store.get("endTime") != old_end)
        end = decode_datetime(self.read_store()["endTime"]) / 1000
        self.assertTrue(before + 300 - 1 <= end <= time.time() + 300,
                        "the new end is %.1f s ahead" % (end - before))
        self.assert_relaunch_shows("Tovalin - Disney", saved)

    def test_end(self):
        self.seed_running()
        app = self.launch_showing("Tovalin - Disney")
        click_bar_button("Tovalin - Disney", END_FROM_RIGHT)
        dialog("End Session")
        xdotool("key", "Return")
        saved = self.kill_when_saved(app, lambda store: "endTime" not in store)
        self.assert_relaunch_shows("Tovalin - Locked", saved)

    def test_site_change(self):
        app = self.launch_showing("Tovalin - Locked")
        self.change_site()
        saved = self.kill_when_saved(app, lambda store: store.get("selectedSite") == "netflix")
        self.assert_relaunch_shows("Tovalin - Locked", saved)

    def test_expiry_lock(self):
        end = self.seed_running(seconds=5)
        app = self.launch_showing("Tovalin - Disney")
        saved = self.kill_when_saved(app, lambda store: store.get("isLocked") == "true")
        self.assertEqual(self.read_store().get("endTime"), end)
        self.assert_relaunch_shows("Tovalin - Locked", saved)


class DamagedStoreTest(AppTestCase):
    """Whatever the store holds, the program starts on a sane screen and its next change leaves a
    clean store."""

    def assert_starts_locked_then_writes_clean(self, content, kept_end=None):
        self.write_raw_store(content)
        self.launch_showing("Tovalin - Locked")
        self.change_site()
        expected = {"isLocked": "true", "isPaused": "false", "selectedSite": "netflix"}
        if kept_end is not None:
            expected["endTime"] = kept_end
        wait_until(lambda: self.read_store() == expected, STEP_TIMEOUT,
                   lambda: "a clean store, found %r" % store_bytes(self.store_path))
        with open(self.store_path, "rb") as file:
            self.assertEqual(file.readline(), b"[General]\n")

    def test_garbage(self):
        self.assert_starts_locked_then_writes_clean(bytes(range(256)) * 8)

    def test_truncated_in_a_date(self):
        whole = "[General]\nendTime=%s\nselectedSite=disney\n" % encode_datetime(
            int((time.time() + 600) * 1000))
        self.assert_starts_locked_then_writes_clean(whole[:len("[General]\nendTime=@DateTime(") + 6]
                                                    .encode("latin-1"))

    def test_values_of_the_wrong_type(self):
        self.assert_starts_locked_then_writes_clean(
            b"[General]\nendTime=1893456000\nisLocked=@Variant(\\0\\0\\0\\x7f\\0)\n"
            b"isPaused=maybe\nselectedSite=@ByteArray(\\xff\\xfe)\n")

    def test_a_date_that_is_no_date(self):
        # A Julian day past any calendar.
        broken = encode_datetime_fields(2**63 - 1, 0)
        self.assert_starts_locked_then_writes_clean(("[General]\nendTime=%s\n" % broken)
                                                    .encode("latin-1"))

    def test_a_date_long_gone(self):
        # Year 1: an expired session, kept for "Unlock" as any other.
        year_one = encode_datetime(-62135596800000)
        self.assert_starts_locked_then_writes_clean(
            ("[General]\nendTime=%s\nisLocked=false\n" % year_one).encode("latin-1"), year_one)


class UnusableStoreTest(AppTestCase):
    """A store that cannot be read or written: the program runs normally for as long as it runs,
    and leaves what is on disk as it was."""

    def assert_runs_a_session(self, title="Tovalin - Disney"):
        start_with_password(LAUNCH_TIMEOUT)
        main_window(title)
        xsession.end_session(title)

    def test_store_is_a_folder(self):
        os.makedirs(self.store_path)
        self.launch()
        self.assert_runs_a_session()
        self.assertTrue(os.path.isdir(self.store_path))

    def test_config_folder_is_a_file(self):
        with open(os.path.dirname(self.store_path), "w"):
            pass
        self.launch()
        self.assert_runs_a_session()

    def test_unreadable_store(self):
        end = self.seed_running()
        saved = store_bytes(self.store_path)
        os.chmod(self.store_path, 0)
        # Root reads any file: drop the capabilities that let it, for this program only.
        prefix = ()
        if os.geteuid() == 0:
            prefix = ("setpriv", "--bounding-set=-dac_override,-dac_read_search", "--")
        app = self.launch(prefix)
        main_window("Tovalin - Locked", LAUNCH_TIMEOUT)
        self.change_site()
        self.assert_runs_a_session("Tovalin - Netflix")
        xsession.stop(app)
        self.assertEqual(stat.S_IMODE(os.stat(self.store_path).st_mode), 0)
        self.assertEqual(store_bytes(self.store_path), saved)
        self.assertIn(end.encode("latin-1"), saved)


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


def raise_interrupt(signum, frame):
    raise KeyboardInterrupt


def main():
    global APP, WORK_ROOT
    if len(sys.argv) != 2:
        sys.exit("usage: %s PATH_TO_TOVALIN" % sys.argv[0])
    APP = os.path.abspath(sys.argv[1])
    for tool in ("Xvfb", "xdotool", "setpriv"):
        if not shutil.which(tool):
            sys.exit("%s is not installed" % tool)
    # Ended from outside (ctest's timeout), still stop everything started here.
    signal.signal(signal.SIGTERM, raise_interrupt)
    WORK_ROOT = tempfile.mkdtemp(prefix="tovalin-e2e-")
    try:
        xsession.start_xvfb()
        suite = unittest.TestLoader().loadTestsFromModule(sys.modules[__name__])
        result = unittest.TextTestRunner(resultclass=Result, verbosity=2).run(suite)
    finally:
        xsession.stop_all()
        shutil.rmtree(WORK_ROOT, ignore_errors=True)
    failed = len(result.failures) + len(result.errors) + len(result.unexpectedSuccesses)
    passed = result.testsRun - failed - len(result.skipped)
    sys.stderr.flush()
    print("%d passed, %d failed" % (passed, failed), flush=True)
    sys.exit(0 if result.wasSuccessful() else 1)


if __name__ == "__main__":
    main()
