#!/usr/bin/env python3
"""tovalin-watch against python3-dbusmock's logind on a private system bus: a process that is
not Tovalin's ends the child account within a second, a listed one is left alone, and the PAM
check's ping is answered. Usage: watch_e2e.py TOVALIN_WATCH"""

import os
import queue
import socket
import subprocess
import sys
import tempfile
import threading
import time
import unittest

import dbusmock

WATCH = sys.argv.pop(1)
NOBODY = 65534
LOGIN1 = ("org.freedesktop.login1", "/org/freedesktop/login1")
# As root the service takes none of the tests' overrides, so root runs it, and what it watches,
# as nobody.
AS_USER = ["setpriv", "--reuid=%d" % NOBODY, "--regid=%d" % NOBODY, "--clear-groups", "--"] \
    if os.geteuid() == 0 else []
UID = NOBODY if AS_USER else os.getuid()
# The child's session: a leader (left out by the service) that starts what it is sent and says
# its pid, or, sent "wait PID", waits for that one and says its exit status.
LEADER = """import shlex, subprocess, sys
started = {}
for line in sys.stdin:
    command = shlex.split(line)
    if command[0] == "wait":
        print(started[int(command[1])].wait(), flush=True)
    else:
        process = subprocess.Popen(command)
        started[process.pid] = process
        print(process.pid, flush=True)"""

BUS_CONFIG = """<busconfig><type>system</type><listen>unix:tmpdir=/tmp</listen><auth>EXTERNAL</auth>
<policy context="default"><allow user="*"/><allow send_destination="*" eavesdrop="true"/>
<allow eavesdrop="true"/><allow own="*"/></policy></busconfig>"""


def lines_of(stream):
    """A queue that receives the stream's lines, with the time each arrived."""
    lines = queue.Queue()
    threading.Thread(target=lambda: [lines.put((time.monotonic(), line)) for line in stream],
                     daemon=True).start()
    return lines


def wait_for(lines, text, timeout=10):
    while True:
        at, line = lines.get(timeout=timeout)
        if text in line:
            return at, line


class WatchTest(dbusmock.DBusTestCase):
    @classmethod
    def setUpClass(cls):
        # dbusmock's own bus lets in its owner's uid alone, and the service may be nobody.
        cls.config = tempfile.NamedTemporaryFile("w", suffix=".conf")
        print(BUS_CONFIG, file=cls.config, flush=True)
        cls.system_bus_pid, os.environ["DBUS_SYSTEM_BUS_ADDRESS"] = cls.start_dbus(cls.config.name)

    @classmethod
    def tearDownClass(cls):
        # A bus started by hand: Debian 13's dbusmock stops only those it started itself.
        cls.stop_dbus(cls.system_bus_pid)
        cls.system_bus_pid = None
        super().tearDownClass()

    def start(self, command, **options):
        process = subprocess.Popen(command, text=True, start_new_session=True, **options)
        # Killed if still running, then its pipes closed and its end awaited.
        self.addCleanup(process.__exit__, None, None, None)
        self.addCleanup(lambda: process.poll() is None and os.killpg(process.pid, 9))
        return process

    def setUp(self):
        logind = self.start([sys.executable, "-m", "dbusmock", "--system", "--template", "logind"],
                            stdout=subprocess.PIPE, env=dict(os.environ, PYTHONUNBUFFERED="1"))
        self.calls = lines_of(logind.stdout)
        self.wait_for_bus_object(*LOGIN1, system_bus=True)
        self.mock = self.get_dbus(True).get_object(*LOGIN1)
        folder = tempfile.TemporaryDirectory()
        self.addCleanup(folder.cleanup)
        os.chown(folder.name, UID, -1)
        self.socket = os.path.join(folder.name, "watch")
        self.leader = self.start(AS_USER + [sys.executable, "-c", LEADER], stdin=subprocess.PIPE,
                                 stdout=subprocess.PIPE)
        env = dict(os.environ, TOVALIN_WATCH_TEST_SOCKET=self.socket,
                   TOVALIN_WATCH_TEST_UIDS=str(UID),
                   TOVALIN_WATCH_TEST_SESSION=str(self.leader.pid))
        env.pop("JOURNAL_STREAM", None)
        if self._testMethodName == "test_logged_in_before_the_service":
            self.mock.AddUser(UID, "kid", True, dbus_interface=dbusmock.MOCK_IFACE)
        watch = self.start(AS_USER + [WATCH], env=env, stderr=subprocess.PIPE)
        self.log = lines_of(watch.stderr)
        wait_for(self.calls, "ListUsers")

    def log_in(self):
        self.mock.EmitSignal("org.freedesktop.login1.Manager", "UserNew", "uo",
                             [UID, "/org/freedesktop/login1/user/%d" % UID],
                             dbus_interface=dbusmock.MOCK_IFACE)
        wait_for(self.log, "watching the child account with uid %d" % UID)

    def run_in_session(self, command):
        print(command, file=self.leader.stdin, flush=True)
        return int(self.leader.stdout.readline())

    def ask(self, line):
        with socket.socket(socket.AF_UNIX) as client:
            client.connect(self.socket)
            client.sendall(line)
            return client.recv(16)

    def test_ends_what_is_not_tovalins(self):
        self.assertEqual(self.ask(b"ping\n"), b"ok\n")
        self.assertEqual(self.ask(b"pong\n"), b"")
        self.run_in_session("/usr/bin/dbus-daemon --session --nofork")
        self.log_in()
        started = time.monotonic()
        sleeper = self.run_in_session("/bin/sleep 60")
        ended, _ = wait_for(self.calls, "TerminateUser %d" % UID, timeout=2)
        self.assertLess(ended - started, 1.0)
        # The reason names every foreign process of the scan: the bus is not among them.
        _, reason = wait_for(self.log, "ending every session")
        self.assertIn("process %d (/usr/bin/sleep is not part" % sleeper, reason)
        self.assertNotIn("dbus-daemon", reason)
        # The mock ends nothing: what is left is killed, at the next verdict.
        wait_for(self.log, "killed the 2 processes left of uid %d" % UID)
        self.assertEqual(self.run_in_session("wait %d" % sleeper), -9)
        self.assertEqual(self.ask(b"ping\n"), b"ok\n")

    def test_logged_in_before_the_service(self):
        wait_for(self.log, "watching the child account with uid %d" % UID)
        self.run_in_session("/bin/sleep 60")
        wait_for(self.calls, "TerminateUser %d" % UID)

    def test_another_file_under_a_listed_name(self):
        """A program of the child's own mounted over a listed one, in a namespace of its own."""
        if subprocess.run(AS_USER + ["unshare", "-rm", "true"]).returncode:
            self.skipTest("this kernel gives ordinary users no mount namespaces")
        self.log_in()
        self.run_in_session("unshare -rm sh -c 'mount --bind %s /usr/bin/dbus-daemon && exec "
                            "/usr/bin/dbus-daemon -c \"import time; time.sleep(60)\"'"
                            % os.path.realpath(sys.executable))
        wait_for(self.calls, "TerminateUser %d" % UID)
        wait_for(self.log, "/usr/bin/dbus-daemon is not the file")


if __name__ == "__main__":
    unittest.main()
