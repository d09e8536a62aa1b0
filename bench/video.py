"""Video playback for the benchmark: H.264 in MP4 at 720p30 and 1080p30, made with ffmpeg, served
from 127.0.0.1 in a page that plays it muted and looping and reports its own playback quality
(getVideoPlaybackQuality) back to the server once a second. A program plays it on an X server of
its own; what it costs is the CPU time of its whole process tree over a window after a warm-up,
with the frames the page decoded and dropped in the same window.
"""

import http.server
import os
import re
import subprocess
import threading
import time
import urllib.parse

import xsession

# Name, width, height. Thirty frames a second, as the streaming sites send.
SIZES = [("720p30", 1280, 720), ("1080p30", 1920, 1080)]
FRAME_RATE = 30
CLIP_SECONDS = 10
REPORT_INTERVAL_MSECS = 1000
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
        " q.droppedVideoFrames, {cache: 'no-store'}).catch(() => {});"
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
                        site.reports[values["run"]] = (time.monotonic(), int(values["decoded"]),
                                                       int(values["dropped"]))
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


def measure(bench, site, run, size, command, env, warmup, seconds, cpu_ticks):
    """Plays the size in the program started by command on a display of its own; returns CPU
    as a percentage of one core, frames decoded per second and frames dropped over the window."""
    display = xsession.new_display()
    server = xsession.started[-1]
    env = dict(env, DISPLAY=display)
    program = bench.start(command, env)
    try:
        site.next_report(run, 0, playing=True)
        time.sleep(warmup)
        ticks = cpu_ticks(program.pid)
        first = site.next_report(run, time.monotonic())
        time.sleep(seconds)
        ticks_after = cpu_ticks(program.pid)
        last = site.next_report(run, time.monotonic())
    finally:
        xsession.stop(program)
        xsession.stop(server)
    cpu = sum(value - ticks.get(pid, 0) for pid, value in ticks_after.items())
    elapsed = last[0] - first[0]
    return (cpu / os.sysconf("SC_CLK_TCK") / seconds * 100, (last[1] - first[1]) / elapsed,
            last[2] - first[2])
