"""Top-level windows of an X display as the server reports them, through Xlib: which are mapped
and what they are called, each report timed as it arrives. Waiting costs no polling, so the
program being measured does not share its cores with the measurement.
"""

import ctypes
import ctypes.util
import select
import time

SUBSTRUCTURE_NOTIFY_MASK = 1 << 19
PROPERTY_CHANGE_MASK = 1 << 22
CREATE_NOTIFY = 16
MAP_NOTIFY = 19
PROPERTY_NOTIFY = 28
IS_VIEWABLE = 2
ANY_PROPERTY_TYPE = 0
XA_WM_NAME = 39
# Longest name read, in 32-bit units.
NAME_LENGTH = 1024
# XEvent is a union the size of 24 longs; the fields used here are all longs.
EVENT_LONGS = 24
# Index (in longs) of the window a structure event is about, and of a property event's window.
STRUCTURE_EVENT_WINDOW = 5
PROPERTY_EVENT_WINDOW = 4


class WindowAttributes(ctypes.Structure):
    _fields_ = [("x", ctypes.c_int), ("y", ctypes.c_int), ("width", ctypes.c_int),
                ("height", ctypes.c_int), ("border_width", ctypes.c_int), ("depth", ctypes.c_int),
                ("visual", ctypes.c_void_p), ("root", ctypes.c_ulong), ("class_", ctypes.c_int),
                ("bit_gravity", ctypes.c_int), ("win_gravity", ctypes.c_int),
                ("backing_store", ctypes.c_int), ("backing_planes", ctypes.c_ulong),
                ("backing_pixel", ctypes.c_ulong), ("save_under", ctypes.c_int),
                ("colormap", ctypes.c_ulong), ("map_installed", ctypes.c_int),
                ("map_state", ctypes.c_int), ("all_event_masks", ctypes.c_long),
                ("your_event_mask", ctypes.c_long), ("do_not_propagate_mask", ctypes.c_long),
                ("override_redirect", ctypes.c_int), ("screen", ctypes.c_void_p)]


ERROR_HANDLER = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p, ctypes.c_void_p)


def load_xlib():
    xlib = ctypes.CDLL(ctypes.util.find_library("X11") or "libX11.so.6")
    xlib.XOpenDisplay.restype = ctypes.c_void_p
    xlib.XOpenDisplay.argtypes = [ctypes.c_char_p]
    xlib.XCloseDisplay.argtypes = [ctypes.c_void_p]
    xlib.XDefaultRootWindow.restype = ctypes.c_ulong
    xlib.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
    xlib.XConnectionNumber.argtypes = [ctypes.c_void_p]
    xlib.XInternAtom.restype = ctypes.c_ulong
    xlib.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    xlib.XSelectInput.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_long]
    xlib.XFlush.argtypes = [ctypes.c_void_p]
    xlib.XPending.argtypes = [ctypes.c_void_p]
    xlib.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.c_void_p]
    xlib.XQueryTree.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.POINTER(ctypes.c_ulong),
                                ctypes.POINTER(ctypes.c_ulong),
                                ctypes.POINTER(ctypes.POINTER(ctypes.c_ulong)),
                                ctypes.POINTER(ctypes.c_uint)]
    xlib.XGetWindowAttributes.argtypes = [ctypes.c_void_p, ctypes.c_ulong,
                                          ctypes.POINTER(WindowAttributes)]
    xlib.XGetWindowProperty.argtypes = [
        ctypes.c_void_p, ctypes.c_ulong, ctypes.c_ulong, ctypes.c_long, ctypes.c_long,
        ctypes.c_int, ctypes.c_ulong, ctypes.POINTER(ctypes.c_ulong),
        ctypes.POINTER(ctypes.c_int), ctypes.POINTER(ctypes.c_ulong),
        ctypes.POINTER(ctypes.c_ulong), ctypes.POINTER(ctypes.c_void_p)]
    xlib.XFree.argtypes = [ctypes.c_void_p]
    xlib.XSetErrorHandler.argtypes = [ERROR_HANDLER]
    return xlib


class WindowWatcher:
    """Watches the windows at the top of one display from the moment it is made."""

    def __init__(self, display):
        self.xlib = load_xlib()
        # A window may go between its report and our question about it: that is no error here.
        self.ignore_errors = ERROR_HANDLER(lambda display, event: 0)
        self.xlib.XSetErrorHandler(self.ignore_errors)
        self.display = self.xlib.XOpenDisplay(display.encode())
        if not self.display:
            raise RuntimeError("cannot open display %s" % display)
        self.root = self.xlib.XDefaultRootWindow(self.display)
        self.net_wm_name = self.xlib.XInternAtom(self.display, b"_NET_WM_NAME", 0)
        self.xlib.XSelectInput(self.display, self.root, SUBSTRUCTURE_NOTIFY_MASK)
        for window in self.top_level_windows():
            self.xlib.XSelectInput(self.display, window, PROPERTY_CHANGE_MASK)
        self.xlib.XFlush(self.display)

    def close(self):
        self.xlib.XCloseDisplay(self.display)

    def top_level_windows(self):
        root, parent = ctypes.c_ulong(), ctypes.c_ulong()
        children = ctypes.POINTER(ctypes.c_ulong)()
        count = ctypes.c_uint()
        if not self.xlib.XQueryTree(self.display, self.root, ctypes.byref(root),
                                    ctypes.byref(parent), ctypes.byref(children),
                                    ctypes.byref(count)):
            return []
        windows = [children[i] for i in range(count.value)]
        if children:
            self.xlib.XFree(children)
        return windows

    def name(self, window):
        """The window's name, UTF-8 first; None when it has none (or is gone)."""
        for atom in (self.net_wm_name, XA_WM_NAME):
            actual_type, actual_format = ctypes.c_ulong(), ctypes.c_int()
            items, remaining = ctypes.c_ulong(), ctypes.c_ulong()
            data = ctypes.c_void_p()
            status = self.xlib.XGetWindowProperty(
                self.display, window, atom, 0, NAME_LENGTH, 0, ANY_PROPERTY_TYPE,
                ctypes.byref(actual_type), ctypes.byref(actual_format), ctypes.byref(items),
                ctypes.byref(remaining), ctypes.byref(data))
            if status != 0 or not data.value:
                continue
            text = ctypes.string_at(data.value, items.value) if actual_format.value == 8 else b""
            self.xlib.XFree(data)
            if text:
                return text.decode("utf-8", "replace")
        return None

    def viewable(self, window):
        attributes = WindowAttributes()
        if not self.xlib.XGetWindowAttributes(self.display, window, ctypes.byref(attributes)):
            return False
        return attributes.map_state == IS_VIEWABLE and not attributes.override_redirect

    def matching(self, window, wanted):
        if not self.viewable(window):
            return False
        name = self.name(window)
        return name is not None and wanted(name)

    def wait_for(self, wanted, timeout):
        """The instant (time.monotonic()) at which the server reported a mapped top-level window
        whose name satisfies wanted(name), and the window. A window that already matches counts
        from now."""
        for window in self.top_level_windows():
            if self.matching(window, wanted):
                return time.monotonic(), window
        deadline = time.monotonic() + timeout
        event = (ctypes.c_long * EVENT_LONGS)()
        connection = self.xlib.XConnectionNumber(self.display)
        while True:
            while self.xlib.XPending(self.display):
                self.xlib.XNextEvent(self.display, event)
                arrived = time.monotonic()
                kind = event[0] & 0xFFFFFFFF
                if kind == CREATE_NOTIFY:
                    window = event[STRUCTURE_EVENT_WINDOW]
                    self.xlib.XSelectInput(self.display, window, PROPERTY_CHANGE_MASK)
                    self.xlib.XFlush(self.display)
                elif kind == MAP_NOTIFY:
                    window = event[STRUCTURE_EVENT_WINDOW]
                elif kind == PROPERTY_NOTIFY:
                    window = event[PROPERTY_EVENT_WINDOW]
                else:
                    continue
                if self.matching(window, wanted):
                    return arrived, window
            remaining = deadline - time.monotonic()
            if remaining <= 0:
                raise TimeoutError("no matching window within %s s" % timeout)
            select.select([connection], [], [], remaining)
