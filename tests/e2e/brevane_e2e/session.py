"""One private desktop (Xvfb, a session bus, optionally the accessibility bus) and the programs started on
it; real X input and screen reading. It ends, by pid, exactly what it started: its process is a subreaper."""

import atexit
import contextlib
import ctypes
import os
import re
import select
import shutil
import signal
import subprocess
import sys
import tempfile
import time

SCREEN = "1024x768x24"
# Compositing managers that run on Xvfb (bench/README.md): picom waiting for the refresh as on a real monitor,
# xcompmgr painting at once, mutter (GNOME's) in its X11 mode. Each names a window of its own once it has
# taken the screen.
COMPOSITORS = {"picom": ["picom", "--backend", "xrender", "--vsync", "--experimental-backends"],
               "xcompmgr": ["xcompmgr"], "mutter": ["mutter", "--x11", "--replace", "--sm-disable"]}


class Failure(AssertionError):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


def wait_for(probe, timeout, what, interval=0.05):
    deadline = time.monotonic() + timeout
    while not (result := probe()):
        check(time.monotonic() < deadline, f"timed out after {timeout:g} s waiting for {what}")
        time.sleep(interval)
    return result


def _stat(pid):
    """The fields after the command name, which may hold blanks and parentheses: state, parent, ..."""
    with contextlib.suppress(OSError), open(f"/proc/{pid}/stat") as f:
        return f.read().rsplit(")", 1)[1].split()


def _descendants_of(pid):
    parents = {int(p): int(s[1]) for p in os.listdir("/proc") if p.isdigit() and (s := _stat(p))}
    found = [pid]
    for p in found:  # the list grows as it is walked
        found += [kid for kid, parent in parents.items() if parent == p]
    return found[1:]


def _reap():
    with contextlib.suppress(ChildProcessError):
        while os.waitpid(-1, os.WNOHANG)[0]:
            pass


def _end(pids, grace=5.0):
    for sig in (signal.SIGTERM, signal.SIGKILL):
        for pid in pids:
            with contextlib.suppress(ProcessLookupError):
                os.kill(pid, sig)
        deadline = time.monotonic() + grace
        while pids and time.monotonic() < deadline:
            _reap()
            pids = [pid for pid in pids if (s := _stat(pid)) and s[0] != "Z"]
            time.sleep(0.05)


class Program:
    def __init__(self, proc, log):
        self.proc, self.pid, self.log = proc, proc.pid, log

    def output(self):
        with contextlib.suppress(OSError), open(self.log, errors="replace") as f:
            return f.read()
        return ""


class Session:
    """stop() ends every process it started and their descendants; it also runs at exit and on SIGTERM."""

    def __init__(self, name, accessibility=True, screen=SCREEN):
        self.screen = screen
        self.dir = tempfile.mkdtemp(prefix=f"brevane-{name}-")
        self.accessibility = accessibility
        # Kept on failure, or always with BREVANE_E2E_KEEP=1: the logs and screenshots stay for a look.
        self.keep = bool(os.environ.get("BREVANE_E2E_KEEP"))
        self.programs, self._logs = [], []
        self.env = self.display = self.server = None  # server: the X server's Popen
        ctypes.CDLL(None).prctl(36, 1)  # PR_SET_CHILD_SUBREAPER
        atexit.register(self.stop)
        signal.signal(signal.SIGTERM, lambda *_: sys.exit(143))

    def path(self, *parts):
        return os.path.join(self.dir, *parts)

    def spawn(self, argv, env=None, **kw):
        """Starts a process that dies with this one (a test killed hard leaves no X server behind)."""
        return subprocess.Popen(argv, env=env or self.env, stdin=subprocess.DEVNULL,  # PR_SET_PDEATHSIG:
                                preexec_fn=lambda: ctypes.CDLL(None).prctl(1, signal.SIGTERM), **kw)

    def start(self):
        home = self.path("home")
        # The program speaks English, whatever the machine's language, unless a test asks for another (LANG).
        env = {k: v for k, v in os.environ.items()
               if not k.startswith(("DBUS_", "AT_SPI", "XDG_", "QT_", "WAYLAND", "LC_")) and k not in ("DISPLAY", "LANGUAGE")}
        env["LANG"] = "C.UTF-8"
        for sub in ("config", "cache", "data"):
            os.makedirs(env.setdefault(f"XDG_{sub.upper()}_HOME", os.path.join(home, sub)))
        os.chmod(home, 0o700)
        env.update(HOME=home, XDG_RUNTIME_DIR=home, QT_QPA_PLATFORM="xcb", ASAN_OPTIONS="detect_leaks=0")
        env.setdefault("UBSAN_OPTIONS", "print_stacktrace=1:halt_on_error=1")

        rd, wr = os.pipe()
        self.server = self.spawn(["Xvfb", "-displayfd", str(wr), "-screen", "0", self.screen, "-nolisten", "tcp",
                                  "-noreset"], env, pass_fds=[wr], stdout=subprocess.DEVNULL, stderr=self.log("xvfb"))
        os.close(wr)
        number = b""
        while not number.endswith(b"\n"):  # it may come in more than one write
            check(select.select([rd], [], [], 15)[0] and (chunk := os.read(rd, 64)), "Xvfb reported no display number")
            number += chunk
        os.close(rd)
        env["DISPLAY"] = self.display = ":" + number.decode().strip()
        env["DBUS_SESSION_BUS_ADDRESS"] = f"unix:path={self.path('bus')}"
        self.spawn(["dbus-daemon", "--session", "--nofork", "--address=" + env["DBUS_SESSION_BUS_ADDRESS"]], env,
                   stdout=subprocess.DEVNULL, stderr=self.log("dbus"))
        wait_for(lambda: os.path.exists(self.path("bus")), 15, "the session bus")
        if self.accessibility:
            env["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
            self.spawn(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"], env,
                       stdout=subprocess.DEVNULL, stderr=self.log("at-spi"))
            owner = ["dbus-send", "--session", "--print-reply", "--dest=org.freedesktop.DBus", "/org/freedesktop/DBus",
                     "org.freedesktop.DBus.NameHasOwner", "string:org.a11y.Bus"]
            wait_for(lambda: "boolean true" in subprocess.run(owner, env=env, capture_output=True, text=True,
                                                              timeout=10).stdout, 15, "the accessibility bus launcher")
        self.env = env
        # pyatspi finds the accessibility bus through these when it is first imported.
        os.environ.update(DISPLAY=env["DISPLAY"], DBUS_SESSION_BUS_ADDRESS=env["DBUS_SESSION_BUS_ADDRESS"])
        return self

    def log(self, name):
        self._logs.append(open(self.path(f"{name}.log"), "wb"))
        return self._logs[-1]

    def start_weston(self, xwayland):
        """A Weston compositor nested on this session's X server as a window of the screen's size, and the
        environment of a program in its Wayland session (None: unset). Weston hands that server's input on as
        Wayland input, so xdotool here reaches the program the way a mouse does on a Wayland desktop; its kiosk
        shell centres every window of a fixed size. (Its headless backend has no seat: no input reaches a Wayland
        client, and XWayland 22.1 crashes on the first XTest event.) With XWayland the program's DISPLAY is it."""
        socket, log = "weston", self.path("weston.log")
        width, height = self.screen.split("x")[:2]
        argv = ["weston", "--no-config", f"--socket={socket}", f"--log={log}", f"--width={width}", f"--height={height}",
                "--backend=x11-backend.so", "--use-pixman", "--shell=kiosk-shell.so"]
        self.spawn(argv + ["--xwayland"] * xwayland, stdout=subprocess.DEVNULL, stderr=self.log("weston-output"))
        wait_for(lambda: os.path.exists(os.path.join(self.env["XDG_RUNTIME_DIR"], socket)), 30, "Weston's socket")
        # No window manager places Weston's output window: put it at the origin, so that nested and outer
        # coordinates are the same.
        output = wait_for(lambda: self.xdotool("search", "--class", "Weston", check=False), 30, "Weston's window")
        self.xdotool("windowmove", output.split()[0], 0, 0)

        def listening():
            with open(log, errors="replace") as f:
                return (found := re.search(r"xserver listening on display (:\d+)", f.read())) and found[1]
        return {"WAYLAND_DISPLAY": socket, "XDG_SESSION_TYPE": "wayland", "QT_QPA_PLATFORM": None,
                "DISPLAY": wait_for(listening, 30, "XWayland") if xwayland else None,
                "QT_WAYLAND_DISABLE_WINDOWDECORATION": "1"}  # no title bar to allow for

    def start_compositor(self, name):
        """A compositing manager on this session's X server, once its window is up."""
        self.spawn(COMPOSITORS[name], stdout=subprocess.DEVNULL, stderr=self.log(name))
        tree = ["xwininfo", "-root", "-tree"]
        wait_for(lambda: f'"{name}":' in subprocess.run(tree, env=self.env, capture_output=True, text=True,
                                                        timeout=10).stdout, 30, f"{name} to take the screen")

    def launch(self, binary, cwd, args=(), env=None):
        name = f"program-{len(self.programs) + 1}"
        env = {k: v for k, v in {**self.env, **(env or {})}.items() if v is not None}
        self.programs.append(Program(self.spawn([binary, *args], env, cwd=cwd,
                                                stdout=self.log(name), stderr=subprocess.STDOUT),
                                     self.path(f"{name}.log")))
        return self.programs[-1]

    def stop(self):
        # The programs first, skipping one already reaped (its pid may be another's now); then the rest.
        _end([p.pid for p in self.programs if p.proc.poll() is None])
        _end(_descendants_of(os.getpid()))
        _reap()
        self.programs.clear()
        while self._logs:
            self._logs.pop().close()
        if not self.keep:
            shutil.rmtree(self.dir, ignore_errors=True)

    def xdotool(self, *args, check=True, timeout=15):
        """Its output; with check=False, None where it failed (a window gone, a search that found none)."""
        done = subprocess.run(["xdotool", *map(str, args)], env=self.env, check=check, timeout=timeout,
                              capture_output=True, text=True)
        return done.stdout if done.returncode == 0 else None

    def pixels(self, x, y, w, h):
        """A screen rectangle read back from the X server: bytes R, G, B, row by row."""
        raw = subprocess.run(["import", "-window", "root", "-crop", f"{w}x{h}+{x}+{y}", "-depth", "8", "rgb:-"],
                             env=self.env, check=True, timeout=30, capture_output=True).stdout
        check(len(raw) == 3 * w * h, f"{len(raw) // 3} pixels read from {w}x{h}+{x}+{y}")
        return raw

