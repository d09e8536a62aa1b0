"""Video playback for the benchmark: H.264 in MP4 at 720p30 and 1080p30, made with ffmpeg, served
from 127.0.0.1 in a page that plays it muted and looping and reports its own playback quality
(getVideoPlaybackQuality) and the size it is shown at back to the server once a second. A program
plays it on a display server of its own, Xvfb or a headless sway, in an 800x600 window or full
screen; what it costs is the CPU time of its whole process tree (and of the display server) over a
window after a warm-up, with the frames the page decoded and dropped in the same window.
"""

import http.server
import os
import re
import signal
import subprocess
import tempfile
import threading
import time
import urllib.parse

import xsession

# Name, width, height. Thirty frames a second, as the streaming sites send.
SIZES = [("720p30", 1280, 720), ("1080p30", 1920, 1080)]
# Where the clips play: the rows' name, the display server, the size of its one output, and
# whether the program covers it or shows the window of the program's own size on it.
WINDOW_SIZE = (800, 600)
WINDOW_VIEW = ("window", "x11", (1280, 900), False)
VIEWS = [WINDOW_VIEW] + [("%s-%dx%d" % (server, *output), server, output, True)
                         for server in ("x11", "wayland") for output in ((1920, 1080), (1280, 720))]


def view_named(name):
    """The view of a name of VIEWS, or full screen on an output of another size ("x11-WxH")."""
    if name == WINDOW_VIEW[0]:
        return WINDOW_VIEW
    server, width, height = re.fullmatch(r"(x11|wayland)-(\d+)x(\d+)", name).groups()
    return name, server, (int(width), int(height)), True
FRAME_RATE = 30
CLIP_SECONDS = 10
REPORT_INTERVAL_MSECS = 1000
# Where the picture changes with every frame of the clip (testsrc2's noise), as a part of a screen
# that the clip covers, and the size of the piece of it that is read off the screen.
NOISE_AT = (0.7, 0.75)
NOISE_PIECE = 32
# Until the first report of a playing video.
PLAYING_TIMEOUT = 30

PAGE = ("<!DOCTYPE html><html><head><meta charset='utf-8'><title>Bench video</title><style>"
        "html,body{margin:0;height:100%%;background:black;overflow:hidden}"
        "video{width:100%%;height:100%%;object-fit:contain}</style></head><body>"
        "<video src='/%(size)s.mp4' muted loop autoplay playsinline></video><script>"
        "const video = document.querySelector('video');"
        "video.play().catch(() => {});"
        "setInterval(() => {"
        " const q = video.getVideoPlaybackQuality();"
        " fetch('/quality?run=%(run)s&decoded=' + q.totalVideoFrames + '&dropped=' +"
        " q.droppedVideoFrames + '&width=' + innerWidth + '&height=' + innerHeight,"
        " {cache: 'no-store'}).catch(() => {});"
        "}, %(interval)d);</script></body></html>")


def make_clips(folder):
    """The clips, encoded now: a moving test picture, a key frame every two seconds, the index at
    the front as for streaming."""
    for name, width, height in SIZES:
        path = os.path.join(folder, name + ".mp4")
        subprocess.run(["ffmpeg", "-nostdin", "-loglevel", "error", "-y", "-f", "lavfi", "-i",
                        "testsrc2=size=%dx%d:rate=%d" % (width, height, FRAME_RATE),
                        "-t", str(CLIP_SECONDS), "-c:v", "libx264", "-preset", "veryfast",
                        "-pix_fmt", "yuv420p", "-g", str(2 * FRAME_RATE), "-movflags", "+faststart",
                        path], check=True)


class VideoSite:
    """Serves the page and the clips (with byte ranges, as media players ask for them) and keeps
    the latest playback report of each run."""

    def __init__(self, folder):
        site = self
        self.reports = {}
        self.arrived = threading.Condition()

        class Handler(http.server.BaseHTTPRequestHandler):
            def do_GET(self):
                path, _, query = self.path.partition("?")
                page = re.fullmatch(r"/play/(\w+)/(\w+)", path)
                if path == "/quality":
                    values = dict(urllib.parse.parse_qsl(query))
                    with site.arrived:
                        site.reports[values["run"]] = (
                            time.monotonic(), int(values["decoded"]), int(values["dropped"]),
                            (int(values["width"]), int(values["height"])))
                        site.arrived.notify_all()
                    self.send_body(b"", "text/plain")
                elif page:
                    self.send_body((PAGE % {"run": page.group(1), "size": page.group(2),
                                            "interval": REPORT_INTERVAL_MSECS}).encode(),
                                   "text/html; charset=utf-8")
                elif re.fullmatch(r"/\w+\.mp4", path):
                    with open(os.path.join(folder, path[1:]), "rb") as file:
                        self.send_body(file.read(), "video/mp4")
                else:
                    self.send_error(404)

            def send_body(self, body, content_type):
                first, last = 0, len(body) - 1
                wanted = re.fullmatch(r"bytes=(\d+)-(\d*)", self.headers.get("Range", ""))
                if wanted:
                    first = int(wanted.group(1))
                    last = min(int(wanted.group(2) or last), last)
                    self.send_response(206)
                    self.send_header("Content-Range", "bytes %d-%d/%d" % (first, last, len(body)))
                else:
                    self.send_response(200)
                self.send_header("Content-Type", content_type)
                self.send_header("Accept-Ranges", "bytes")
                self.send_header("Cache-Control", "no-store")
                self.send_header("Content-Length", str(last - first + 1))
                self.end_headers()
                self.wfile.write(body[first:last + 1])

            def log_message(self, *args):
                pass

        self.server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
        self.base = "http://127.0.0.1:%d" % self.server.server_port
        threading.Thread(target=self.server.serve_forever, daemon=True).start()

    def url(self, run, size):
        return "%s/play/%s/%s" % (self.base, run, size)

    def next_report(self, run, after, timeout=PLAYING_TIMEOUT, playing=False):
        """The first report of the run that arrives after the instant `after` (and shows decoded
        frames, where playing): its time, frames decoded and frames dropped so far."""
        deadline = time.monotonic() + timeout
        with self.arrived:
            while True:
                report = self.reports.get(run)
                if report and report[0] > after and (report[1] > 0 or not playing):
                    return report
                if not self.arrived.wait(deadline - time.monotonic()):
                    raise TimeoutError("no playback report of %s" % run)

    def close(self):
        self.server.shutdown()
        self.server.server_close()


def start_display(server, size, full_screen, folder):
    """Starts a display server with one output of the size; returns its processes, the server's
    first, and the variables that put a program on it (None: unset)."""
    if server == "x11":
        display = xsession.new_display("%dx%d" % size)
        processes = [xsession.started[-1]]
        # Chromium's window covers an X screen only where a window manager makes it so.
        if full_screen:
            processes.append(xsession.start(
                ["matchbox-window-manager", "-use_titlebar", "no"], env=dict(
                    os.environ, DISPLAY=display), stderr=subprocess.DEVNULL))
        return processes, {"DISPLAY": display, "QT_QPA_PLATFORM": "xcb"}
    # sway refuses root; its folder is its own.
    os.chmod(folder, 0o711)
    runtime = tempfile.mkdtemp(dir=folder)
    if xsession.AS_NOBODY:
        os.chown(runtime, 65534, 65534)
    config = os.path.join(runtime, "config")
    with open(config, "w") as file:
        file.write("output HEADLESS-1 resolution %dx%d\ndefault_border none\nxwayland disable\n"
                   % size)
    # No GPU and no input devices: wlroots draws with pixman on an output of its own making.
    process = xsession.start(xsession.AS_NOBODY + ["sway", "--config", config], env=dict(
        os.environ, XDG_RUNTIME_DIR=runtime, WLR_BACKENDS="headless", WLR_RENDERER="pixman",
        WLR_LIBINPUT_NO_DEVICES="1"), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    socket = xsession.wait_until(
        lambda: [name for name in os.listdir(runtime) if re.fullmatch(r"wayland-\d+", name)],
        xsession.STEP_TIMEOUT, lambda: "sway's socket")[0]
    return [process], {"WAYLAND_DISPLAY": os.path.join(runtime, socket), "DISPLAY": None,
                       "QT_QPA_PLATFORM": "wayland"}


def screen_reader(server, variables, size):
    """The command that writes a checksum of the piece of the screen where the clip's noise is
    each time it is read: ffmpeg twice a frame on X, wf-recorder whenever sway draws."""
    x, y = (int(part * length) for part, length in zip(NOISE_AT, size))
    if server == "x11":
        return ["ffmpeg", "-nostdin", "-loglevel", "error", "-f", "x11grab", "-draw_mouse", "0",
                "-framerate", str(2 * FRAME_RATE), "-video_size", "%dx%d" % ((NOISE_PIECE,) * 2),
                "-i", "%s+%d,%d" % (variables["DISPLAY"], x, y), "-f", "framemd5", "-"]
    return ["wf-recorder", "-g", "%d,%d %dx%d" % (x, y, NOISE_PIECE, NOISE_PIECE),
            "-c", "rawvideo", "-m", "framemd5", "-f", "/dev/stdout"]


def measure(bench, site, run, command, env, view, cpu_ticks):
    """Plays the run's page in the program started by command on a display server of its own;
    returns CPU of the program's tree and of the server as percentages of one core, frames
    decoded per second and frames dropped over the window, frames that changed on the screen per
    second (None where not read), and the page's size."""
    options = bench.options
    _, server, size, full_screen = view
    displays, variables = start_display(server, size, full_screen, bench.work)
    display = displays[0]
    def on_display(env):
        return {name: value for name, value in dict(env, **variables).items() if value is not None}

    program = bench.start(command, on_display(env))
    try:
        site.next_report(run, 0, playing=True)
        time.sleep(options.video_warmup)
        ticks, server_ticks = cpu_ticks(program.pid), cpu_ticks(display.pid)
        first = site.next_report(run, time.monotonic())
        # The page counts as shown what the engine drew; what reached the screen is counted on
        # it, where the clip covers it.
        read_from = time.monotonic()
        grabber = full_screen and subprocess.Popen(
            screen_reader(server, variables, size), stdout=subprocess.PIPE,
            stderr=subprocess.DEVNULL, text=True, env=on_display(os.environ))
        profiler = options.perf and subprocess.Popen(
            ["perf", "record", "-g", "-q", "-o", os.path.join(options.perf, run + ".data"),
             "-p", ",".join(str(pid) for pid in ticks)], stderr=subprocess.DEVNULL)
        time.sleep(options.video_seconds)
        ticks_after, server_after = cpu_ticks(program.pid), cpu_ticks(display.pid)
        for reader in filter(None, (profiler, grabber)):
            reader.send_signal(signal.SIGINT)
        read_seconds = time.monotonic() - read_from
        last = site.next_report(run, time.monotonic())
        pictures = grabber and [line.rsplit(",", 1)[-1] for line in
                                grabber.communicate()[0].splitlines() if line[0] != "#"]
        if profiler:
            profiler.wait()
    finally:
        xsession.stop(program)
        for process in reversed(displays):
            xsession.stop(process)

    def percent(before, after):
        ticks = sum(value - before.get(pid, 0) for pid, value in after.items())
        return ticks / os.sysconf("SC_CLK_TCK") / options.video_seconds * 100

    shown = sum(map(str.__ne__, pictures, pictures[1:])) / read_seconds if grabber else None
    return (percent(ticks, ticks_after), percent(server_ticks, server_after),
            (last[1] - first[1]) / (last[0] - first[0]), last[2] - first[2], shown, last[3])
