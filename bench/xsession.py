"""Drives the built Tovalin under an X server of its own: Xvfb, the program started with fresh
XDG folders, xdotool input, and the store's "@DateTime(...)" values, for the benchmark.
"""

import os
import re
import signal
import struct
import subprocess
import time

PASSWORD = "garden482"
MAIN_WINDOW = "^Tovalin - "
# Launching includes starting the web engine, which is slow on a loaded machine.
LAUNCH_TIMEOUT = 30
STEP_TIMEOUT = 10
POLL_INTERVAL = 0.05

# Offsets of controls from the window's centre (locked card) or its right edge (control bar).
MINUTES_FIELD_FROM_CENTRE = (40, 83)
BAR_Y = 17
MODIFY_FROM_RIGHT = 220
PAUSE_FROM_RIGHT = 130
END_FROM_RIGHT = 50

# Every address but the loopback goes to a port where nothing listens, so that a session showing
# one of the real sites never reaches past this machine. The engine keeps loopback off proxies.
OFFLINE_WEB_ENGINE_FLAGS = "--proxy-server=127.0.0.1:9"

# QDataStream of a QVariant holding a QDateTime, as QSettings writes it inside "@DateTime(...)":
# type id, null flag, Julian day, msecs of the day, Qt time spec (1: UTC).
DATETIME_LAYOUT = ">IBqIB"
QDATETIME_TYPE_ID = 16
UTC_TIME_SPEC = 1
JULIAN_DAY_OF_EPOCH = 2440588
MSECS_PER_DAY = 86_400_000
HEX_DIGITS = "0123456789abcdefABCDEF"
NAMED_ESCAPES = {0x07: "a", 0x08: "b", 0x0C: "f", 0x0A: "n", 0x0D: "r", 0x09: "t", 0x0B: "v"}

# The store's keys by their names in the programs' own list of them.
STORE_SCHEMA = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "src", "app",
                            "StoreSchema.h")
with open(STORE_SCHEMA, encoding="utf-8") as schema:
    KEYS = dict(re.findall(r'inline const QString (\w+) = QStringLiteral\("(\w+)"\);', schema.read()))

DISPLAY = ""
# Runs a program as nobody where this runs as root, for programs that refuse root or take no test
# overrides under it.
AS_NOBODY = (["setpriv", "--reuid=65534", "--regid=65534", "--clear-groups", "--"]
             if os.geteuid() == 0 else [])
# Every process started here, for stop_all().
started = []


def encode_datetime(epoch_msecs):
    """The ini value QSettings writes for a UTC QDateTime."""
    day, msecs = divmod(epoch_msecs, MSECS_PER_DAY)
    data = struct.pack(DATETIME_LAYOUT, QDATETIME_TYPE_ID, 0, day + JULIAN_DAY_OF_EPOCH, msecs,
                       UTC_TIME_SPEC)
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


def app_environment(root, display=None):
    """The environment of a program with fresh folders of its own under root, on the display
    (by default the one started last), and its store's path. Its own temporary folder keeps its
    one-instance name apart from other runs."""
    dirs = {}
    for name in ("config", "data", "cache", "runtime", "home", "tmp"):
        dirs[name] = os.path.join(root, name)
        os.mkdir(dirs[name], 0o700)
    env = dict(os.environ, DISPLAY=display or DISPLAY, QT_QPA_PLATFORM="xcb",
               XDG_CONFIG_HOME=dirs["config"], XDG_DATA_HOME=dirs["data"],
               XDG_CACHE_HOME=dirs["cache"], XDG_RUNTIME_DIR=dirs["runtime"],
               HOME=dirs["home"], TMPDIR=dirs["tmp"],
               QTWEBENGINE_CHROMIUM_FLAGS=OFFLINE_WEB_ENGINE_FLAGS)
    return env, os.path.join(dirs["config"], "Tovalin", "Tovalin.conf")


def write_session(store_path, end_epoch_msecs, paused=False):
    """Writes a Disney session ending at the given instant; returns its end time's value."""
    value = encode_datetime(end_epoch_msecs)
    os.makedirs(os.path.dirname(store_path), exist_ok=True)
    with open(store_path, "w", encoding="latin-1") as file:
        file.write("[General]\n%s=disney\n%s=false\n%s=%s\n%s=%s\n"
                   % (KEYS["SELECTED_SITE"], KEYS["IS_LOCKED"], KEYS["IS_PAUSED"],
                      "true" if paused else "false", KEYS["END_TIME"], value))
    return value


def xdotool(*args, may_fail=False, display=None):
    """xdotool's output; None when it failed and may_fail (search fails when nothing matches)."""
    run = subprocess.run(["xdotool", *args], env=dict(os.environ, DISPLAY=display or DISPLAY),
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


def wait_until(condition, timeout, what, interval=POLL_INTERVAL):
    """condition()'s first true value; what() says what was awaited when it never comes."""
    deadline = time.monotonic() + timeout
    while True:
        found = condition()
        if found:
            return found
        if time.monotonic() > deadline:
            raise AssertionError("timed out after %ss waiting for %s" % (timeout, what()))
        time.sleep(interval)


def current_main_window():
    """The one visible main window and its title; None when there is none or several."""
    windows = visible_windows(MAIN_WINDOW)
    # The window may go between the two calls.
    name = xdotool("getwindowname", windows[0], may_fail=True) if len(windows) == 1 else None
    return (windows[0], name.strip()) if name else None


def main_window(title, timeout=STEP_TIMEOUT):
    """Waits until the main window has the title and returns the window."""
    seen = [None]

    def titled():
        seen[0] = current_main_window()
        return seen[0] and seen[0][1] == title and seen[0][0]

    return wait_until(titled, timeout, lambda: "a window titled %r, saw %r" % (title, seen[0]))


def dialog(title):
    """Waits for the dialog with the title, and gives it the keyboard."""
    window = wait_until(lambda: visible_windows("^%s$" % title), STEP_TIMEOUT,
                        lambda: "the %r dialog" % title)[0]
    xdotool("windowfocus", "--sync", window)


def click(window, x, y):
    left, top, _, _ = window_geometry(window)
    xdotool("mousemove", str(left + x), str(top + y), "click", "1")


def click_bar_button(title, from_right):
    window = main_window(title)
    _, _, width, _ = window_geometry(window)
    click(window, width - from_right, BAR_Y)


def answer_password(password):
    dialog("Password Required")
    xdotool("type", "--delay", "20", password)
    xdotool("key", "Return")


def start_with_password(timeout=STEP_TIMEOUT):
    """Presses "Start" (or "Unlock") on the locked screen with Return and gives the password."""
    window = main_window("Tovalin - Locked", timeout)
    xdotool("windowfocus", "--sync", window)
    xdotool("key", "Return")
    answer_password(PASSWORD)


def end_session(title="Tovalin - Disney"):
    click_bar_button(title, END_FROM_RIGHT)
    dialog("End Session")
    xdotool("key", "Return")
    main_window("Tovalin - Locked")


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


def stop_all():
    for process in reversed(started[:]):
        stop(process)


def start_xvfb():
    """Starts the display that the functions here use."""
    global DISPLAY
    DISPLAY = new_display()


def new_display(size="1280x900"):
    """Starts Xvfb with a screen of the size on the first free display from :90, waits until it
    takes clients, and returns its name."""
    for number in range(90, 190):
        if os.path.exists("/tmp/.X%d-lock" % number) or os.path.exists("/tmp/.X11-unix/X%d" % number):
            continue
        display = ":%d" % number
        # -noreset: otherwise the server resets whenever its last client leaves, which is between
        # most steps here.
        server = start(["Xvfb", display, "-screen", "0", size + "x24", "-nolisten", "tcp",
                        "-noreset"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        deadline = time.monotonic() + 15
        while server.poll() is None and time.monotonic() < deadline:
            ready = xdotool("getdisplaygeometry", may_fail=True, display=display) is not None
            if ready and server.poll() is None:
                return display
            time.sleep(POLL_INTERVAL)
        # Taken by someone else in the meantime, or too slow: try the next one.
        stop(server)
    raise RuntimeError("no free X display from :90 on")
