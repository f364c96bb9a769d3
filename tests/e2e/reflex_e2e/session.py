"""One private desktop: Xvfb, a session bus and (optionally) the accessibility bus, the programs
started on it, and real X input and screen reading through xdotool and ImageMagick.

Ending what a test or benchmark started, and nothing else: the process running the tests makes itself
a subreaper, so whatever its children leave behind comes back to it: its own descendants are exactly
what it started. Each child also dies with it (a test killed hard by a time-out must not leave an X
server or a bus behind). Processes are ended by id: SIGTERM, then SIGKILL after a grace period."""

import atexit
import contextlib
import ctypes
import os
import select
import shutil
import signal
import subprocess
import sys
import tempfile
import time

from .checks import check, wait_for

SCREEN = "1024x768x24"


def _die_with_parent():
    """For preexec_fn: the child gets SIGTERM when the process that started it ends."""
    ctypes.CDLL(None).prctl(1, signal.SIGTERM)  # PR_SET_PDEATHSIG


def _become_subreaper():
    ctypes.CDLL(None).prctl(36, 1)  # PR_SET_CHILD_SUBREAPER


def _stat(pid):
    """The fields after the command name, which may hold blanks and parentheses: state, parent, ..."""
    with contextlib.suppress(OSError), open(f"/proc/{pid}/stat") as f:
        return f.read().rsplit(")", 1)[1].split()


def _descendants_of(pid):
    parents = {int(p): int(s[1]) for p in os.listdir("/proc") if p.isdigit() and (s := _stat(p))}
    found, todo = [], [pid]
    while todo:
        pid = todo.pop()
        kids = [p for p, parent in parents.items() if parent == pid]
        found += kids
        todo += kids
    return found


def _reap():
    with contextlib.suppress(ChildProcessError):
        while os.waitpid(-1, os.WNOHANG)[0]:
            pass


def _end(pids, grace=5.0):
    """SIGTERM to each, SIGKILL to those still alive after `grace` seconds; collects them."""
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
    """Every process it starts, and whatever those start in turn (the accessibility bus daemon,
    the registry), is ended by pid in stop(), which also runs at exit and on SIGTERM."""

    def __init__(self, name, accessibility=True):
        self.dir = tempfile.mkdtemp(prefix=f"reflex-{name}-")
        self.accessibility = accessibility
        # Kept on failure, or always with REFLEX_E2E_KEEP=1: the logs and screenshots stay for a look.
        self.keep = bool(os.environ.get("REFLEX_E2E_KEEP"))
        self.programs, self._logs = [], []
        self.env = self.display = self.server = None  # server: the X server's Popen
        _become_subreaper()
        atexit.register(self.stop)
        signal.signal(signal.SIGTERM, lambda *_: sys.exit(143))

    def path(self, *parts):
        return os.path.join(self.dir, *parts)

    def spawn(self, argv, env=None, **kw):
        """Starts a process that dies with this one and is ended by stop()."""
        return subprocess.Popen(argv, env=env or self.env, stdin=subprocess.DEVNULL,
                                preexec_fn=_die_with_parent, **kw)

    def start(self):
        home = self.path("home")
        env = {k: v for k, v in os.environ.items()
               if not k.startswith(("DBUS_", "AT_SPI", "XDG_", "QT_", "WAYLAND")) and k != "DISPLAY"}
        for sub in ("config", "cache", "data"):
            os.makedirs(env.setdefault(f"XDG_{sub.upper()}_HOME", os.path.join(home, sub)))
        os.chmod(home, 0o700)
        env.update(HOME=home, XDG_RUNTIME_DIR=home, QT_QPA_PLATFORM="xcb", ASAN_OPTIONS="detect_leaks=0")
        env.setdefault("UBSAN_OPTIONS", "print_stacktrace=1:halt_on_error=1")

        rd, wr = os.pipe()
        self.server = self.spawn(["Xvfb", "-displayfd", str(wr), "-screen", "0", SCREEN, "-nolisten", "tcp",
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
            wait_for(lambda: self._bus_has_owner(env, "org.a11y.Bus"), 15, "the accessibility bus launcher")
        self.env = env
        # pyatspi finds the accessibility bus through these when it is first imported.
        os.environ.update(DISPLAY=env["DISPLAY"], DBUS_SESSION_BUS_ADDRESS=env["DBUS_SESSION_BUS_ADDRESS"])
        return self

    def log(self, name):
        """An open file name.log in the session folder, closed by stop()."""
        self._logs.append(open(self.path(f"{name}.log"), "wb"))
        return self._logs[-1]

    @staticmethod
    def _bus_has_owner(env, name):
        return "boolean true" in subprocess.run(
            ["dbus-send", "--session", "--print-reply", "--dest=org.freedesktop.DBus", "/org/freedesktop/DBus",
             "org.freedesktop.DBus.NameHasOwner", f"string:{name}"], env=env, capture_output=True, text=True,
            timeout=10).stdout

    def launch(self, binary, cwd, args=(), env=None):
        """Starts the program in cwd, with `env` added to the desktop's environment; its output
        goes to program-N.log in the session folder."""
        name = f"program-{len(self.programs) + 1}"
        self.programs.append(Program(self.spawn([binary, *args], {**self.env, **(env or {})}, cwd=cwd,
                                                stdout=self.log(name), stderr=subprocess.STDOUT),
                                     self.path(f"{name}.log")))
        return self.programs[-1]

    def stop(self):
        # The programs first, as they still talk to the desktop; one already reaped is skipped, as its
        # pid may belong to someone else by now. Then every other descendant.
        _end([p.pid for p in self.programs if p.proc.poll() is None])
        _end(_descendants_of(os.getpid()))
        _reap()
        self.programs.clear()
        while self._logs:
            self._logs.pop().close()
        if not self.keep and os.path.isdir(self.dir):
            shutil.rmtree(self.dir, ignore_errors=True)

    def xdotool(self, *args):
        return subprocess.run(["xdotool", *map(str, args)], env=self.env, check=True, timeout=15,
                              capture_output=True, text=True).stdout

    def key(self, *keys):
        self.xdotool("key", *keys)

    def screenshot(self, filename):
        subprocess.run(["import", "-window", "root", self.path(filename)], env=self.env, check=True, timeout=30)
        return self.path(filename)

    def pixels(self, x, y, w, h):
        """A screen rectangle read back from the X server: bytes R, G, B (0..255), row by row."""
        raw = subprocess.run(["import", "-window", "root", "-crop", f"{w}x{h}+{x}+{y}", "-depth", "8", "rgb:-"],
                             env=self.env, check=True, timeout=30, capture_output=True).stdout
        check(len(raw) == 3 * w * h, f"{len(raw) // 3} pixels read from {w}x{h}+{x}+{y}")
        return raw

    def mean_colour(self, x, y, w, h):
        raw = self.pixels(x, y, w, h)
        return tuple(sum(raw[i::3]) / (w * h) for i in range(3))
