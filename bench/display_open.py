#!/usr/bin/env python3
"""How long Display takes: from the press on a test window's Display button (the simple test's, or with
--test colour the colour test's) to the results window shown and painted, on a private Xvfb, Release build.

The program starts in a fresh folder with a valid Reflex.cfg and a recover.dat holding ten full
sets; the benchmark clicks Recover and the test's menu button, then, for each run, presses Display with XTest and
stamps the moment the press is flushed to the server; it stamps the MapNotify of the results
window, then reads the window's chart area from the server until the bars of set 1 are there
(painted). Done takes it back to the test window for the next run. The loading banner waits 500 ms
by design before it builds the window; the figure that matters is what comes after that.

Usage: bench/display_open.py [--test simple|colour] [--runs N] [--warmup N] [--program PATH]"""

import argparse
import ctypes
import os
import statistics
import sys
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
sys.dont_write_bytecode = True
sys.path.insert(0, os.path.join(ROOT, "tests", "e2e"))
sys.path.insert(0, os.path.join(ROOT, "bench"))
from brevane_e2e import DEFAULT_CONFIG, SCREEN, Form, Session, main_menu_form, write_config  # noqa: E402
from startup import MAP_NOTIFY, MapWatcher, XEvent, ensure_release_build  # noqa: E402

BANNER_MS = 500
# The menu button, the test window's form and the results window's form of each test.
TESTS = {"simple": ("cmdNormal", ("simple_test", "frmReflex.ui"), ("simple_results", "frmDisplay.ui")),
         "colour": ("cmdColors", ("complex_test", "frmColorReflex.ui"),
                    ("complex_results", "frmChoiceReflexDisplay.ui"))}
BAR_BGRX = b"\x80\x00\x00"  # palette 1, the run chart's bars, as the server stores a 24-bit pixel


class XImage(ctypes.Structure):
    _fields_ = [("width", ctypes.c_int), ("height", ctypes.c_int), ("xoffset", ctypes.c_int),
                ("format", ctypes.c_int), ("data", ctypes.POINTER(ctypes.c_char)), ("byte_order", ctypes.c_int),
                ("bitmap_unit", ctypes.c_int), ("bitmap_bit_order", ctypes.c_int), ("bitmap_pad", ctypes.c_int),
                ("depth", ctypes.c_int), ("bytes_per_line", ctypes.c_int)]


class Driver(MapWatcher):
    """The watcher, plus XTest clicks and reads of the screen."""

    def __init__(self, display):
        super().__init__(display)
        x = self.x
        self.tst = ctypes.CDLL("libXtst.so.6")
        self.tst.XTestFakeMotionEvent.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int, ctypes.c_int, ctypes.c_ulong]
        self.tst.XTestFakeButtonEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int, ctypes.c_ulong]
        x.XTranslateCoordinates.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_ulong, ctypes.c_int, ctypes.c_int,
                                            ctypes.POINTER(ctypes.c_int), ctypes.POINTER(ctypes.c_int),
                                            ctypes.POINTER(ctypes.c_ulong)]
        x.XGetImage.restype = ctypes.POINTER(XImage)
        x.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int, ctypes.c_uint,
                                ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
        x.XDestroyImage.argtypes = [ctypes.POINTER(XImage)]
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

    def bar_pixels(self, x, y, w, h):
        image = self.x.XGetImage(self.dpy, self.root, x, y, w, h, 0xFFFFFFFF, 2)  # ZPixmap
        if not image:
            return 0
        data = ctypes.string_at(image.contents.data, image.contents.bytes_per_line * h)
        self.x.XDestroyImage(image)
        return data.count(BAR_BGRX)


def recovery_file(path):
    lines = []
    for block in range(3):
        for s in range(1, 11):
            lines += [f".{200 + 37 * ((s + r) % 9)}" for r in range(1, 11)] + ["0", "0", "0"]
            lines += ["0"] * (4 if block else 0) + [f'"set {s}"']
    with open(path, "wb") as f:
        f.write(("\r\n".join(lines) + "\r\n").encode())


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--test", choices=TESTS, default="simple")
    parser.add_argument("--runs", type=int, default=15)
    parser.add_argument("--warmup", type=int, default=1, help="unmeasured openings first")
    parser.add_argument("--program", default=os.path.join(ROOT, "build", "src", "brevane"))
    args = parser.parse_args()
    program = os.path.abspath(args.program)
    ensure_release_build(program)

    session = Session("bench-display", accessibility=False)
    session.start()
    driver = Driver(session.display)
    button, test_form, results_form = TESTS[args.test]
    menu, test = main_menu_form(), Form(os.path.join("src", *test_form))
    results_ui = Form(os.path.join("src", *results_form))
    folder = session.path("work")
    os.makedirs(folder)
    write_config(os.path.join(folder, "Reflex.cfg"), DEFAULT_CONFIG)
    recovery_file(os.path.join(folder, "recover.dat"))
    mapped, painted = [], []
    try:
        session.launch(program, folder)
        _, window = driver.wait_window(menu.title, 60)
        time.sleep(0.3)
        driver.click(window, menu.centre("cmdRecover"))
        time.sleep(0.3)
        driver.click(window, menu.centre(button))
        _, window = driver.wait_window(test.title)
        cx, cy, cw, ch = results_ui.rect("grfRun")
        for i in range(args.warmup + args.runs):
            time.sleep(0.3)
            driver.drain()
            pressed = driver.click(window, test.centre("cmdDisplay"))
            shown, results = driver.wait_window(results_ui.title)
            ox, oy = driver.origin(results)
            while driver.bar_pixels(ox + cx, oy + cy, cw, ch) < 500:
                if time.perf_counter() - pressed > 30:
                    sys.exit("the results window showed no bars within 30 s")
            done = time.perf_counter()
            m, p = (shown - pressed) * 1000, (done - pressed) * 1000
            if i >= args.warmup:
                mapped.append(m)
                painted.append(p)
            label = f"run {i - args.warmup + 1:2d}" if i >= args.warmup else "unmeasured"
            print(f"{label}: mapped {m:6.1f} ms, painted {p:6.1f} ms after the press "
                  f"({p - BANNER_MS:5.1f} ms after the banner's {BANNER_MS} ms)", flush=True)
            time.sleep(0.2)
            driver.click(results, results_ui.centre("cmdDisplayDone"))
            _, window = driver.wait_window(test.title)
    finally:
        driver.close()
        session.stop()

    print(f"\n{program}, {args.test} test, {args.runs} openings (after {args.warmup} unmeasured), Xvfb {SCREEN}")
    for name, values in (("press -> results window mapped", mapped), ("press -> results window painted", painted)):
        print(f"{name} (ms): min {min(values):.1f}  median {statistics.median(values):.1f}  max {max(values):.1f}"
              f"   median less the banner's {BANNER_MS} ms: {statistics.median(values) - BANNER_MS:.1f}")


if __name__ == "__main__":
    main()
