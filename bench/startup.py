#!/usr/bin/env python3
"""Start-up time and peak memory of the Release build, on a private Xvfb.

Each run starts the program in a fresh folder that already holds a valid Reflex.cfg (so no message
box interrupts the start) and measures the wall time from just before the launch to the X server's
MapNotify of the main menu's window, seen by an X client that listens on the root window since
before the launch. That is the moment the menu becomes visible; its first paint follows within a
frame. Peak memory is the program's VmHWM a moment later, read just before it is ended.

Usage: bench/startup.py [--runs N] [--warmup N] [--program PATH]
Builds build/src/brevane (Release) first when it is missing."""

import argparse
import ctypes
import os
import select
import signal
import statistics
import subprocess
import sys
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
sys.dont_write_bytecode = True  # no __pycache__ beside the sources
sys.path.insert(0, os.path.join(ROOT, "tests", "e2e"))  # the end-to-end package, brevane_e2e
from brevane_e2e import DEFAULT_CONFIG, SCREEN, Session, main_menu_form, write_config  # noqa: E402

MENU_TITLE = main_menu_form().title.encode()
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


def vm_hwm_kib(pid):
    with open(f"/proc/{pid}/status") as f:
        for line in f:
            if line.startswith("VmHWM:"):
                return int(line.split()[1])
    raise RuntimeError("no VmHWM in /proc status")


def ensure_release_build(program, target="brevane"):
    if os.path.exists(program):
        return
    build = os.path.join(ROOT, "build")
    print(f"building {program} (Release) ...", flush=True)
    subprocess.run(["cmake", "-S", ROOT, "-B", build, "-DCMAKE_BUILD_TYPE=Release"], check=True,
                   stdout=subprocess.DEVNULL)
    subprocess.run(["cmake", "--build", build, "-j2", "--target", target], check=True)


def one_run(session, watcher, program, folder):
    os.makedirs(folder)
    write_config(os.path.join(folder, "Reflex.cfg"), DEFAULT_CONFIG)
    watcher.drain()
    started = time.perf_counter()
    run = session.launch(program, folder)
    shown = watcher.wait_mapped(MENU_TITLE, 60, lambda: run.proc.poll() is None)
    time.sleep(0.5)  # let the first paint and any deferred start-up work finish before reading the peak
    peak = vm_hwm_kib(run.pid)
    os.kill(run.pid, signal.SIGTERM)
    run.proc.wait(10)
    return (shown - started) * 1000.0, peak


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--runs", type=int, default=10)
    parser.add_argument("--warmup", type=int, default=1, help="unmeasured runs first (disk cache)")
    parser.add_argument("--program", default=os.path.join(ROOT, "build", "src", "brevane"))
    args = parser.parse_args()
    program = os.path.abspath(args.program)
    ensure_release_build(program)

    session = Session("bench-startup", accessibility=False)
    session.start()
    watcher = MapWatcher(session.display)
    times, peaks = [], []
    try:
        for i in range(args.warmup + args.runs):
            ms, kib = one_run(session, watcher, program, session.path(f"run{i}"))
            if i >= args.warmup:
                times.append(ms)
                peaks.append(kib)
                print(f"run {i - args.warmup + 1:2d}: {ms:7.1f} ms to the main menu, peak {kib / 1024:6.1f} MiB",
                      flush=True)
    finally:
        watcher.close()
        session.stop()

    print(f"\n{program}, {args.runs} runs (after {args.warmup} warm-up), Xvfb {SCREEN}")
    print("launch -> main menu mapped (ms): "
          f"min {min(times):.1f}  median {statistics.median(times):.1f}  max {max(times):.1f}")
    print("peak resident memory VmHWM (MiB): "
          f"min {min(peaks) / 1024:.1f}  median {statistics.median(peaks) / 1024:.1f}  max {max(peaks) / 1024:.1f}")


if __name__ == "__main__":
    main()
