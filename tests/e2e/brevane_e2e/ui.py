"""run(): the real program started in a fresh folder on a private desktop, then the test's steps in order, each
handed the Scenario: the program's accessibility tree as pyatspi sees it, and real clicks and keys aimed by it.
A failure skips the rest and keeps the folder."""

import contextlib
import inspect
import os
import subprocess
import sys
import traceback

from .fixtures import read_trace, write_config
from .session import Failure, Session, check, wait_for


class Scenario:
    """What the steps share: the session, the program's folder, the program and its controls; steps keep what
    later steps need as attributes."""

    def __init__(self, name, binary, config, weston=None, compositor=None, env=None, prepare=None):
        self.session, self.binary, self.config, self._app = Session(name), binary, config, None
        self.work, self.weston, self.compositor = self.session.path("work"), weston, compositor
        self.env, self.prepare, self.args = env or {}, prepare, ()

    def start(self):
        self.session.start()
        import pyatspi  # only now: it reads the bus addresses that Session.start put into the environment
        self.pyatspi = pyatspi
        os.makedirs(self.work)
        if self.config is not None:
            write_config(self.file("Reflex.cfg"), self.config)
        env = {} if self.weston is None else self.session.start_weston(xwayland=self.weston == "xwayland")
        if self.compositor:
            self.session.start_compositor(self.compositor)
        if self.prepare:  # it may set self.args, the program's command line
            self.prepare(self)
        # The stamps behind every stored time, for the steps that read where they came from.
        env.update(BREVANE_TIMING_TRACE=self.file("trace.txt"), **self.env)
        self.program = self.session.launch(self.binary, self.work, self.args, env=env)

    def file(self, name):
        return os.path.join(self.work, name)

    def lines(self, name):
        """A file the program wrote in its folder (each is replaced whole, so one there is complete)."""
        wait_for(lambda: os.path.exists(self.file(name)), 30, name)
        with open(self.file(name), "rb") as f:
            return f.read().decode("latin-1").removesuffix("\r\n").split("\r\n")

    def trace(self):
        """The stamps' trace, a line per response, its fields by name (fixtures.TRACE_FIELDS)."""
        return read_trace(self.file("trace.txt"))

    def app(self, timeout=60):
        def probe():
            check(self.program.proc.poll() is None,
                  f"the program ended with status {self.program.proc.returncode}:\n{self.program.output()[-3000:]}")
            desktop = self.pyatspi.Registry.getDesktop(0)
            for i in range(desktop.childCount):
                with contextlib.suppress(Exception):  # an application that went away while we looked
                    if (child := desktop.getChildAtIndex(i)) is not None and child.get_process_id() == self.program.pid:
                        return child
        if self._app is None:
            self._app = wait_for(probe, timeout, f"the program (pid {self.program.pid}) on the accessibility bus")
        return self._app

    def all(self, role, name=None, root=None):
        """Showing nodes of a role (and name) under root; windows among the top-level ones only, which is quick."""
        found, top = [], root is None and role in ("filler", "frame", "dialog", "alert")  # top-level roles
        wanted = getattr(self.pyatspi, "ROLE_" + role.upper().replace(" ", "_"))  # newer AT-SPI says "button"
        todo = [root := root or self.app()]
        while todo:
            node = todo.pop(0)
            with contextlib.suppress(Exception):  # a widget destroyed while we walked the tree
                if node is root or node.getState().contains(self.pyatspi.STATE_SHOWING):
                    if node.getRole() == wanted and (name is None or node.name == name):
                        found.append(node)
                    if node is root or not top:
                        todo += [c for c in map(node.getChildAtIndex, range(node.childCount)) if c is not None]
        return found

    def find(self, role, name=None, root=None, timeout=30):
        return wait_for(lambda: (self.all(role, name, root) or [None])[0], timeout, f"a showing {role} {name!r}", 0.02)

    def gone(self, role, name=None, root=None, timeout=30):
        wait_for(lambda: not self.all(role, name, root), timeout, f"the {role} {name!r} to go away")

    def extents(self, node):
        e = node.queryComponent().getExtents(self.pyatspi.DESKTOP_COORDS)
        return e.x, e.y, e.width, e.height

    def _window_name(self, window):
        name = self.session.xdotool("getwindowname", window, check=False)
        return None if name is None else name.rstrip("\n")

    def pointer(self):
        """Where the pointer is, and the title of the window under it."""
        at = dict(line.split("=", 1) for line in self.session.xdotool("getmouselocation", "--shell").split())
        return int(at["X"]), int(at["Y"]), self._window_name(at["WINDOW"])

    def click_at(self, window, x, y):
        """Clicks at a screen point once the X server has the window under it. A window is on the
        accessibility bus a moment before it is mapped; a click in between would hit what lies below."""
        def under_pointer():
            # Not --sync: it waits for a motion that never comes when the pointer is already there.
            self.session.xdotool("mousemove", x, y)
            return self.pointer() == (x, y, window.name)
        wait_for(under_pointer, 30, f"the window {window.name!r} under the pointer at {x},{y}")
        self.session.xdotool("click", "1")

    def click_in(self, window, point):
        """Clicks at a point of the window's client area (a position from its form)."""
        wx, wy, _, _ = self.extents(window)
        self.click_at(window, wx + point[0], wy + point[1])

    def press(self, name, root=None, role="push button"):
        """A button pressed through its accessible action: no pointer, so on Wayland too. It is looked up afresh
        until the press goes through: the node found may be one Qt has already replaced."""
        def pressed():
            with contextlib.suppress(Exception):
                return self.find(role, name, root).queryAction().doAction(0)
        wait_for(pressed, 30, f"the {role} {name!r} to take a press", 0.1)

    def click(self, node):
        (x, y, w, h), window = self.extents(node), node
        while window.parent is not None and window.parent.getRole() != self.pyatspi.ROLE_APPLICATION:
            window = window.parent
        self.click_at(window, x + w // 2, y + h // 2)

    def key(self, window, *keys):
        """Types keys once the window has the X input focus, so that they cannot go elsewhere."""
        wait_for(lambda: self._window_name(self.session.xdotool("getwindowfocus", "-f").strip()) == window.name, 30,
                 f"the window {window.name!r} to have the keyboard focus", 0.1)
        self.session.xdotool("key", *keys)

    def acknowledge(self, title):
        self.key(self.find("alert", title, timeout=60), "Return")
        self.gone("alert", title)

    def answer(self, title, text=None):
        """A question that must be the next message to come: its title (and text) checked, then Yes."""
        alert = self.find("alert")  # its text with line breaks as \n whatever the program used:
        said = "\n".join(n.name for n in self.all("label", root=alert)).replace("\r\n", "\n").replace("\r", "\n")
        check(alert.name == title and text in (None, said), f"{alert.name!r} asks {said!r}")
        self.click(self.find("push button", "Yes", root=alert))

    def value(self, caption, root):
        """The text of the nearest label right of the caption on its row (the figures have no names)."""
        labels = [(n.name, self.extents(n)) for n in self.all("label", root=root)]
        cx, cy = next(e for name, e in labels if name == caption)[:2]
        return min((e[0], name) for name, e in labels if abs(e[1] - cy) <= 2 and e[0] > cx)[1]  # none: ValueError

    def ended(self):
        """The end-of-series message is up."""
        return bool(self.all("alert", "END RUN"))

    def shows_runs(self, results, times):
        """Waits for the run cells of the set tab shown in a results window to read these times."""
        def cells():
            panel = self.find("panel", "Run Data", root=results)
            labels = sorted(self.all("label", root=panel), key=lambda n: self.extents(n)[1::-1])
            return [n.name for n in labels if not n.name.startswith("Run")]
        want = [f"{v:.3f}" for v in times]
        wait_for(lambda: cells() == want, 30, f"the run cells to show {want}")

    def start_series(self, window):
        self.click(self.find("push button", "Start", root=window))
        self.answer("Start Reflex Data Collection")  # overwrite set 1?

    def choose_file(self, title, path, wait=True):
        """Types a path into the file dialog of that title and takes it (Save or Open alike), gone when wait."""
        dialog = self.find("dialog", title)
        self.click(self.find("text", "File name:", root=dialog))
        self.key(dialog, "ctrl+a")
        self.session.xdotool("type", "--delay", "30", path)
        self.session.xdotool("key", "Return")
        if wait:
            self.gone("dialog", title)

    def exit_program(self, question):
        """Exit on the main menu: its question comes first, and Yes ends the program at once with status 0."""
        self.click(self.find("push button", "Exit"))
        self.answer("Exit Orv Brevane 2", question)
        proc = self.program.proc
        wait_for(lambda: proc.poll() is not None, 30, "the program to end after Yes", 0.1)
        check(proc.returncode == 0, f"the program ended with status {proc.returncode}")


def run(name, config=None, module="__main__", weston=None, compositor=None, env=None, prepare=None):
    """On the binary named on the command line: start (with `config` as Reflex.cfg; under Weston, "xwayland" or
    "wayland", or under a compositing manager of session.COMPOSITORS, when asked; with `env` added to the program's
    environment; after `prepare(scenario)` when given), then each public function of the test module in the order
    written, as a step titled by its name."""
    if len(sys.argv) != 2:
        sys.exit(f"usage: {os.path.basename(sys.argv[0])} <path to the brevane binary>")
    steps = [f for n, f in vars(sys.modules[module]).items()
             if inspect.isfunction(f) and f.__module__ == module and not n.startswith("_")]
    t, failed = Scenario(name, os.path.abspath(sys.argv[1]), config, weston, compositor, env, prepare), False
    sys.stdout.reconfigure(line_buffering=True)
    try:
        for step in [Scenario.start, *steps]:
            title = step.__name__.replace("_", " ")
            try:
                if not failed:
                    step(t)
                print(f"{'skip' if failed else 'ok  '} {title}")
            except Exception as e:
                failed = t.session.keep = True  # with a screenshot and the program's output
                print(f"FAIL {title}: {e if isinstance(e, Failure) else traceback.format_exc()}")
                subprocess.run(["import", "-window", "root", t.session.path("failure.png")], env=t.session.env)
                for program in t.session.programs:
                    print(f"--- output of the program (pid {program.pid}) ---\n{program.output()[-4000:]}")
                print(f"kept for inspection: {t.session.dir}")
    finally:
        t.session.stop()
    sys.exit(1 if failed else 0)
