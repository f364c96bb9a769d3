"""A bare Xlib client for the rigs (ctypes): it hears every top-level window being mapped, and clicks with
XTest."""

import ctypes
import select
import sys
import time

MAP_NOTIFY = 19
SUBSTRUCTURE_NOTIFY_MASK = 1 << 19


class XMapEvent(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("event", ctypes.c_ulong), ("window", ctypes.c_ulong),
                ("override_redirect", ctypes.c_int)]


class XEvent(ctypes.Union):
    _fields_ = [("type", ctypes.c_int), ("xmap", XMapEvent), ("pad", ctypes.c_long * 24)]


class MapWatcher:
    """A bare Xlib client that hears every top-level window being mapped."""

    def __init__(self, display):
        x = self.x = ctypes.CDLL("libX11.so.6")
        x.XOpenDisplay.restype = ctypes.c_void_p
        x.XOpenDisplay.argtypes = [ctypes.c_char_p]
        for name in ("XDefaultRootWindow", "XConnectionNumber", "XPending", "XFlush", "XCloseDisplay"):
            getattr(x, name).argtypes = [ctypes.c_void_p]
        x.XDefaultRootWindow.restype = ctypes.c_ulong
        x.XSelectInput.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_long]
        x.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.POINTER(XEvent)]
        x.XInternAtom.restype = ctypes.c_ulong
        x.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
        x.XGetWindowProperty.argtypes = [
            ctypes.c_void_p, ctypes.c_ulong, ctypes.c_ulong, ctypes.c_long, ctypes.c_long, ctypes.c_int,
            ctypes.c_ulong, ctypes.POINTER(ctypes.c_ulong), ctypes.POINTER(ctypes.c_int),
            ctypes.POINTER(ctypes.c_ulong), ctypes.POINTER(ctypes.c_ulong),
            ctypes.POINTER(ctypes.POINTER(ctypes.c_ubyte))]
        x.XFree.argtypes = [ctypes.c_void_p]
        self.dpy = x.XOpenDisplay(display.encode())
        if not self.dpy:
            sys.exit(f"cannot open display {display}")
        self.fd = x.XConnectionNumber(self.dpy)
        self.net_wm_name = x.XInternAtom(self.dpy, b"_NET_WM_NAME", 0)
        x.XSelectInput(self.dpy, x.XDefaultRootWindow(self.dpy), SUBSTRUCTURE_NOTIFY_MASK)
        x.XFlush(self.dpy)

    def title(self, window):
        kind, fmt = ctypes.c_ulong(), ctypes.c_int()
        count, left = ctypes.c_ulong(), ctypes.c_ulong()
        data = ctypes.POINTER(ctypes.c_ubyte)()
        for atom in (self.net_wm_name, 39):  # 39: WM_NAME
            if self.x.XGetWindowProperty(self.dpy, window, atom, 0, 256, 0, 0, ctypes.byref(kind),
                                         ctypes.byref(fmt), ctypes.byref(count), ctypes.byref(left),
                                         ctypes.byref(data)) == 0 and data:
                text = bytes(data[:count.value])
                self.x.XFree(data)
                if text:
                    return text
        return b""

    def drain(self):
        event = XEvent()
        while self.x.XPending(self.dpy):
            self.x.XNextEvent(self.dpy, ctypes.byref(event))

    def wait_mapped(self, title, timeout, alive):
        """Returns the time.perf_counter() at which a window with this title was mapped."""
        event = XEvent()
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            if not self.x.XPending(self.dpy):
                if not alive():
                    sys.exit("the program ended before its main menu was shown")
                select.select([self.fd], [], [], 0.1)
                continue
            self.x.XNextEvent(self.dpy, ctypes.byref(event))
            if event.type == MAP_NOTIFY:
                seen = time.perf_counter()
                if self.title(event.xmap.window) == title:
                    return seen
        sys.exit(f"no window titled {title.decode()!r} was mapped within {timeout} s")

    def close(self):
        self.x.XCloseDisplay(self.dpy)


class Driver(MapWatcher):
    """The watcher, plus XTest clicks."""

    def __init__(self, display):
        super().__init__(display)
        x = self.x
        self.tst = ctypes.CDLL("libXtst.so.6")
        self.tst.XTestFakeMotionEvent.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int, ctypes.c_int, ctypes.c_ulong]
        self.tst.XTestFakeButtonEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int, ctypes.c_ulong]
        x.XTranslateCoordinates.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_ulong, ctypes.c_int, ctypes.c_int,
                                            ctypes.POINTER(ctypes.c_int), ctypes.POINTER(ctypes.c_int),
                                            ctypes.POINTER(ctypes.c_ulong)]
        self.root = x.XDefaultRootWindow(self.dpy)

    def wait_window(self, title, timeout=30):
        """(perf_counter at MapNotify, window) of the next window mapped with this title."""
        event = XEvent()
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            if not self.x.XPending(self.dpy):
                time.sleep(0.0005)
                continue
            self.x.XNextEvent(self.dpy, ctypes.byref(event))
            if event.type == MAP_NOTIFY and self.title(event.xmap.window) == title.encode():
                return time.perf_counter(), event.xmap.window
        sys.exit(f"no window titled {title!r} was mapped within {timeout} s")

    def origin(self, window):
        x, y, child = ctypes.c_int(), ctypes.c_int(), ctypes.c_ulong()
        self.x.XTranslateCoordinates(self.dpy, window, self.root, 0, 0, ctypes.byref(x), ctypes.byref(y),
                                     ctypes.byref(child))
        return x.value, y.value

    def click(self, window, point):
        """Presses and releases at a point of the window; returns perf_counter once the press is sent."""
        ox, oy = self.origin(window)
        self.tst.XTestFakeMotionEvent(self.dpy, -1, ox + point[0], oy + point[1], 0)
        self.x.XFlush(self.dpy)
        time.sleep(0.05)
        self.tst.XTestFakeButtonEvent(self.dpy, 1, 1, 0)
        self.x.XFlush(self.dpy)
        sent = time.perf_counter()
        self.tst.XTestFakeButtonEvent(self.dpy, 1, 0, 0)
        self.x.XFlush(self.dpy)
        return sent
