"""One scenario: the program started in a fresh folder on a private desktop, then the steps a student
takes, in order. Later steps build on earlier ones, so after a failure the rest are skipped, and the
session's folder is kept with a screenshot and the program's output."""

import contextlib
import inspect
import os
import sys
import traceback

from .checks import Failure, check, wait_for
from .fixtures import write_config
from .session import Session
from .ui import Ui


class Scenario:
    """What the steps share: the session, the program's folder `work`, the program and its Ui;
    steps keep what later steps need as attributes."""

    def __init__(self, name, binary, config):
        self.session, self.binary, self.config = Session(name), binary, config
        self.work = self.session.path("work")

    def start(self):
        """The desktop, and the program in `work` with `config` as its Reflex.cfg (none if None)."""
        self.session.start()
        os.makedirs(self.work)
        if self.config is not None:
            write_config(self.file("Reflex.cfg"), self.config)
        self.program = self.session.launch(self.binary, self.work)
        self.ui = Ui(self.session, self.program)

    def file(self, name):
        return os.path.join(self.work, name)

    def lines(self, name):
        """A file the program writes in its folder, once it is there, as its CR LF separated lines
        (every file is replaced whole, so one that exists is complete)."""
        wait_for(lambda: os.path.exists(self.file(name)), 30, name)
        with open(self.file(name), "rb") as f:
            data = f.read().decode("latin-1")
        check(data.endswith("\r\n"), f"{name} does not end with CR LF")
        lines = data[:-2].split("\r\n")
        check(not any("\r" in line or "\n" in line for line in lines), f"{name} mixes line ends")
        return lines

    def post_mortem(self):
        self.session.keep = True
        with contextlib.suppress(Exception):
            self.session.screenshot("failure.png")
        for program in self.session.programs:
            if program.output().strip():
                print(f"--- output of the program (pid {program.pid}) ---\n{program.output()[-4000:]}", flush=True)
        print(f"kept for inspection: {self.session.dir}", flush=True)


def run(name, config=None):
    """Runs the scenario on the binary named on the command line: start (with `config` as Reflex.cfg),
    then every public function of the test module, in the order written, as a step titled by its name.
    Exits with 0 only when every step passed."""
    if len(sys.argv) != 2:
        sys.exit(f"usage: {os.path.basename(sys.argv[0])} <path to the reflex binary>")
    steps = [f for n, f in vars(sys.modules["__main__"]).items()
             if inspect.isfunction(f) and f.__module__ == "__main__" and not n.startswith("_")]
    t = Scenario(name, os.path.abspath(sys.argv[1]), config)
    failed = False
    try:
        for step in [Scenario.start, *steps]:
            title = step.__name__.replace("_", " ")
            if failed:
                print(f"skip {title}", flush=True)
                continue
            try:
                step(t)
                print(f"ok   {title}", flush=True)
            except Exception as e:
                failed = True
                print(f"FAIL {title}: {e if isinstance(e, Failure) else traceback.format_exc()}", flush=True)
                t.post_mortem()
    finally:
        t.session.stop()
    sys.exit(1 if failed else 0)
