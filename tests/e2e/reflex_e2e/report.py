"""Runs the named steps of one scenario in order and says how they went."""

import sys
import traceback

from .checks import Failure


class Report:
    """Later steps build on earlier ones, so after a failure the rest are skipped; the session's
    folder is then kept and its path printed."""

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
