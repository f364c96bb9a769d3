"""Drives the real reflex program the way a student does: a private X server, session bus and
accessibility bus, real X mouse clicks and key presses, controls found by role and name."""

import atexit
import ctypes
import os
import select
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import traceback

SCREEN = "1024x768x24"
CONFIG_HEADER = '"TOVANEL V1.00 Configuration file"'
# The 48 values a freshly written default configuration holds, in file order.
DEFAULT_CONFIG = [0, 2000, 1, 1, 1000, 10,
                  0, 2000, 1000, 1000, 0, 1, 2, 3, 10, 0, 1, 2, 3, 4, 5, 6, 15, 8, 9, 0, 10,
                  0, 2000, 1000, 1000, 0, 1, 2, 3, 10, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 0, 10]


class Failure(AssertionError):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


def wait_for(probe, timeout, what, interval=0.05):
    """Polls probe until it returns something true; fails naming what was awaited."""
    deadline = time.monotonic() + timeout
    while True:
        result = probe()
        if result:
            return result
        if time.monotonic() >= deadline:
            raise Failure(f"timed out after {timeout:g} s waiting for {what}")
        time.sleep(interval)


def write_config(path, values):
    with open(path, "wb") as f:
        f.write(("\r\n".join([CONFIG_HEADER] + [str(v) for v in values]) + "\r\n").encode("ascii"))


def _die_with_parent():
    # A test killed hard (ctest timeout) must not leave an X server or a bus behind.
    ctypes.CDLL(None).prctl(1, signal.SIGTERM)  # PR_SET_PDEATHSIG


def _children_of(pid):
    kids = []
    for entry in os.listdir("/proc"):
        if not entry.isdigit():
            continue
        try:
            with open(f"/proc/{entry}/stat") as f:
                stat = f.read()
        except OSError:
            continue
        # The command name may hold blanks and parentheses: the parent id follows the last ')'.
        if int(stat[stat.rindex(")") + 2:].split()[1]) == pid:
            kids.append(int(entry))
    return kids


def _descendants_of(pid):
    found, todo = [], [pid]
    while todo:
        for kid in _children_of(todo.pop()):
            found.append(kid)
            todo.append(kid)
    return found


def _alive(pid):
    try:
        with open(f"/proc/{pid}/stat") as f:
            return f.read().rsplit(")", 1)[1].split()[0] != "Z"
    except OSError:
        return False


def _reap():
    while True:
        try:
            pid, _ = os.waitpid(-1, os.WNOHANG)
        except ChildProcessError:
            return
        if pid == 0:
            return


class Session:
    """One private desktop: Xvfb, a session bus and (optionally) the accessibility bus.

    Every process it starts, and whatever those start in turn (the accessibility bus daemon, the
    registry), is ended by pid in stop(), which also runs at exit and on SIGTERM."""

    def __init__(self, name, accessibility=True):
        self.dir = tempfile.mkdtemp(prefix=f"reflex-{name}-")
        self.accessibility = accessibility
        # Kept on failure, or always with REFLEX_E2E_KEEP=1: the logs and screenshots stay for a look.
        self.keep = bool(os.environ.get("REFLEX_E2E_KEEP"))
        self._procs = []  # the desktop's own processes; stop() finds them, and their children, by ancestry
        self.programs = []
        self._logs = []
        self.env = None
        self.display = None
        ctypes.CDLL(None).prctl(36, 1)  # PR_SET_CHILD_SUBREAPER: orphans of our children come back to us
        atexit.register(self.stop)
        signal.signal(signal.SIGTERM, lambda *_: sys.exit(143))

    def path(self, *parts):
        return os.path.join(self.dir, *parts)

    def _spawn(self, argv, env, **kw):
        proc = subprocess.Popen(argv, env=env, stdin=subprocess.DEVNULL, preexec_fn=_die_with_parent, **kw)
        self._procs.append(proc)
        return proc

    def start(self):
        home = self.path("home")
        for sub in ("config", "cache", "data"):
            os.makedirs(os.path.join(home, sub), exist_ok=True)
        env = {k: v for k, v in os.environ.items()
               if not k.startswith(("DBUS_", "AT_SPI", "XDG_", "QT_", "WAYLAND")) and k != "DISPLAY"}
        env.update(HOME=home, XDG_CONFIG_HOME=os.path.join(home, "config"),
                   XDG_CACHE_HOME=os.path.join(home, "cache"), XDG_DATA_HOME=os.path.join(home, "data"),
                   XDG_RUNTIME_DIR=home, QT_QPA_PLATFORM="xcb",
                   ASAN_OPTIONS="detect_leaks=0")
        env.setdefault("UBSAN_OPTIONS", "print_stacktrace=1:halt_on_error=1")
        os.chmod(home, 0o700)

        rd, wr = os.pipe()
        self._spawn(["Xvfb", "-displayfd", str(wr), "-screen", "0", SCREEN, "-nolisten", "tcp", "-noreset"],
                    env, pass_fds=[wr], stdout=subprocess.DEVNULL, stderr=self._log("xvfb"))
        os.close(wr)
        self.display = ":" + self._read_line(rd, 15, "Xvfb to report its display number")
        os.close(rd)
        env["DISPLAY"] = self.display

        bus = self._spawn(["dbus-daemon", "--session", "--nofork", "--print-address=1"], env,
                          stdout=subprocess.PIPE, stderr=self._log("dbus"))
        env["DBUS_SESSION_BUS_ADDRESS"] = self._read_line(bus.stdout.fileno(), 15, "the session bus address")

        if self.accessibility:
            env["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
            self._spawn(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"], env,
                        stdout=subprocess.DEVNULL, stderr=self._log("at-spi"))
            wait_for(lambda: self._bus_has_owner(env, "org.a11y.Bus"), 15, "the accessibility bus launcher")
        self.env = env
        # pyatspi finds the accessibility bus through these when it is first imported.
        os.environ.update(DISPLAY=env["DISPLAY"], DBUS_SESSION_BUS_ADDRESS=env["DBUS_SESSION_BUS_ADDRESS"])
        return self

    def _log(self, name):
        f = open(self.path(f"{name}.log"), "wb")
        self._logs.append(f)
        return f

    @staticmethod
    def _read_line(fd, timeout, what):
        data = b""
        deadline = time.monotonic() + timeout
        while not data.endswith(b"\n"):
            left = deadline - time.monotonic()
            check(left > 0 and select.select([fd], [], [], left)[0], f"timed out after {timeout} s waiting for {what}")
            chunk = os.read(fd, 256)
            check(chunk, f"no answer while waiting for {what}")
            data += chunk
        return data.decode().strip()

    @staticmethod
    def _bus_has_owner(env, name):
        out = subprocess.run(["dbus-send", "--session", "--print-reply", "--dest=org.freedesktop.DBus",
                              "/org/freedesktop/DBus", "org.freedesktop.DBus.NameHasOwner", f"string:{name}"],
                             env=env, capture_output=True, text=True, timeout=10)
        return "boolean true" in out.stdout

    def launch(self, binary, cwd, args=()):
        """Starts the program in cwd; its output goes to program-N.log in the session folder."""
        name = f"program-{len(self.programs) + 1}"
        program = Program(self._spawn([binary, *args], self.env, cwd=cwd, stdout=self._log(name),
                                      stderr=subprocess.STDOUT), self.path(f"{name}.log"))
        self.programs.append(program)
        return program

    def stop(self):
        # As the subreaper, this process inherits whatever its children left behind, so its own
        # descendants are exactly what the test started: the program first, then the desktop.
        # A program already reaped is skipped: its pid may belong to someone else by now.
        for group in ([p.pid for p in self.programs if p.proc.poll() is None], None):
            pids = group if group is not None else _descendants_of(os.getpid())
            for pid in pids:
                try:
                    os.kill(pid, signal.SIGTERM)
                except ProcessLookupError:
                    pass
            deadline = time.monotonic() + 5
            while pids and time.monotonic() < deadline:
                _reap()
                pids = [pid for pid in pids if _alive(pid)]
                time.sleep(0.05)
            for pid in pids:
                try:
                    os.kill(pid, signal.SIGKILL)
                except ProcessLookupError:
                    pass
        time.sleep(0.1)
        _reap()
        self._procs.clear()
        self.programs.clear()
        for f in self._logs:
            f.close()
        self._logs.clear()
        if not self.keep and os.path.isdir(self.dir):
            shutil.rmtree(self.dir, ignore_errors=True)

    # --- real X input and screen -------------------------------------------------------------

    def xdotool(self, *args):
        return subprocess.run(["xdotool", *map(str, args)], env=self.env, check=True, timeout=15,
                              capture_output=True, text=True).stdout

    def key(self, *keys):
        self.xdotool("key", *keys)

    def screenshot(self, filename):
        path = self.path(filename)
        subprocess.run(["import", "-window", "root", path], env=self.env, check=True, timeout=30)
        return path

    def mean_colour(self, x, y, w, h):
        """Average RGB (0..255) of a screen rectangle, read back from the X server."""
        raw = subprocess.run(["import", "-window", "root", "-crop", f"{w}x{h}+{x}+{y}", "-depth", "8", "rgb:-"],
                             env=self.env, check=True, timeout=30, capture_output=True).stdout
        n = len(raw) // 3
        check(n > 0, f"no pixels read from {w}x{h}+{x}+{y}")
        return tuple(sum(raw[i::3]) / n for i in range(3))


class Program:
    def __init__(self, proc, log):
        self.proc = proc
        self.pid = proc.pid
        self.log = log

    def output(self):
        try:
            with open(self.log, errors="replace") as f:
                return f.read()
        except OSError:
            return ""


class Ui:
    """The program's accessibility tree as pyatspi sees it."""

    def __init__(self, session, program):
        import pyatspi  # only now: it reads the bus addresses that Session.start put into the environment
        self.pyatspi = pyatspi
        self.session = session
        self.program = program
        self._app = None

    def app(self, timeout=60):
        def probe():
            check(self.program.proc.poll() is None,
                  f"the program ended with status {self.program.proc.returncode}:\n{self.program.output()[-3000:]}")
            desktop = self.pyatspi.Registry.getDesktop(0)
            for i in range(desktop.childCount):
                try:
                    child = desktop.getChildAtIndex(i)
                    if child is not None and child.get_process_id() == self.program.pid:
                        return child
                except Exception:
                    continue  # an application that went away while we looked
            return None
        if self._app is None:
            self._app = wait_for(probe, timeout, f"the program (pid {self.program.pid}) on the accessibility bus")
        return self._app

    def _showing(self, node):
        return node.getState().contains(self.pyatspi.STATE_SHOWING)

    def all(self, role, name=None, root=None):
        """Nodes of a role (and name, when given) under root, skipping subtrees that are not showing."""
        found = []
        root = root or self.app()
        todo = [root]
        while todo:
            node = todo.pop(0)
            try:
                if node is not root and not self._showing(node):
                    continue
                if node.getRoleName() == role and (name is None or node.name == name):
                    found.append(node)
                todo.extend(c for c in (node.getChildAtIndex(i) for i in range(node.childCount)) if c is not None)
            except Exception:
                continue  # a widget destroyed while we walked the tree
        return found

    def find(self, role, name=None, root=None, timeout=20):
        label = f'{role} "{name}"' if name is not None else role
        return wait_for(lambda: (self.all(role, name, root) or [None])[0], timeout, f"a showing {label}", 0.1)

    def gone(self, role, name=None, root=None, timeout=20):
        label = f'{role} "{name}"' if name is not None else role
        wait_for(lambda: not self.all(role, name, root), timeout, f'the {label} to go away', 0.1)

    def extents(self, node):
        e = node.queryComponent().getExtents(self.pyatspi.DESKTOP_COORDS)
        return e.x, e.y, e.width, e.height

    def top_level(self, node):
        while node.parent is not None and node.parent.getRoleName() != "application":
            node = node.parent
        return node

    def _window_name(self, window):
        probe = subprocess.run(["xdotool", "getwindowname", window], env=self.session.env,
                               capture_output=True, text=True, timeout=15)
        return probe.stdout.rstrip("\n") if probe.returncode == 0 else None

    def click_at(self, window, x, y):
        """Clicks at a screen point once the X server has the window under it. A window is on the
        accessibility bus a moment before it is mapped; a click in between would hit what lies below."""
        x, y, title = int(x), int(y), window.name

        def under_pointer():
            # Not --sync: it waits for a motion that never comes when the pointer is already there.
            self.session.xdotool("mousemove", x, y)
            return self.pointer() == (x, y, title)
        wait_for(under_pointer, 10, f"the window {title!r} under the pointer at {x},{y}", 0.05)
        self.session.xdotool("click", "1")

    def pointer(self):
        """Where the pointer is, and the title of the window under it."""
        at = dict(line.split("=", 1) for line in self.session.xdotool("getmouselocation", "--shell").split())
        return int(at["X"]), int(at["Y"]), self._window_name(at["WINDOW"])

    def click(self, node):
        x, y, w, h = self.extents(node)
        check(w > 0 and h > 0, f'{node.getRoleName()} "{node.name}" has no size on screen')
        self.click_at(self.top_level(node), x + w // 2, y + h // 2)

    def key(self, window, *keys):
        """Types keys once the window has the X input focus, so that they cannot go elsewhere."""
        wait_for(lambda: self._window_name(self.session.xdotool("getwindowfocus", "-f").strip()) == window.name, 10,
                 f"the window {window.name!r} to have the keyboard focus", 0.1)
        self.session.key(*keys)

    def texts(self, root):
        return [n.name for n in self.all("label", root=root)]


EXIT_TITLE = "Exit Orv Brevane 2"


def one_text(ui, root):
    """The labels' texts under root, line breaks written as \\n whatever the program used."""
    return "\n".join(ui.texts(root)).replace("\r\n", "\n").replace("\r", "\n")


def confirm_exit(ui, program, alert, expected_question):
    """Answers the exit question with Yes: the program must end at once with status 0."""
    question = one_text(ui, alert)
    check(question == expected_question, f"the exit question reads {question!r}, expected {expected_question!r}")
    ui.click(ui.find("push button", "Yes", root=alert))

    def ended_or_asked_again():
        if program.proc.poll() is not None:
            return "ended"
        if any(a.path != alert.path for a in ui.all("alert", EXIT_TITLE)):
            return "asked again"
        return None
    outcome = wait_for(ended_or_asked_again, 30, "the program to end after Yes", 0.1)
    check(outcome == "ended", f"after Yes the program did not end but asked {question!r} a second time")
    check(program.proc.returncode == 0, f"the program ended with status {program.proc.returncode}")


class Report:
    """Runs the named steps of one scenario in order. Later steps build on earlier ones, so after
    a failure the rest are skipped; the session's folder is then kept and its path printed."""

    def __init__(self, session):
        self.session = session
        self.passed = self.failed = self.skipped = 0

    def step(self, name, fn):
        if self.failed:
            self.skipped += 1
            print(f"skip {name}", flush=True)
            return
        try:
            fn()
        except Exception as e:
            self.failed += 1
            print(f"FAIL {name}: {e if isinstance(e, Failure) else traceback.format_exc()}", flush=True)
            self._post_mortem()
            return
        self.passed += 1
        print(f"ok   {name}", flush=True)

    def _post_mortem(self):
        s = self.session
        s.keep = True
        try:
            s.screenshot("failure.png")
        except Exception:
            pass
        for program in s.programs:
            tail = program.output()[-4000:]
            if tail.strip():
                print(f"--- output of the program (pid {program.pid}) ---\n{tail}", flush=True)
        print(f"kept for inspection: {s.dir}", flush=True)

    def finish(self):
        print(f"{self.passed} passed, {self.failed} failed" + (f", {self.skipped} skipped" if self.skipped else ""),
              flush=True)
        sys.exit(1 if self.failed or not self.passed else 0)
