#!/usr/bin/env python3
"""Timing accuracy of the program's stored reaction times (bench/README.md).

Starts a private Xvfb and the program in a folder holding a Reflex.cfg made from the default
configuration (fixed interval, visual stimulus, the runs of one series) with the stamp trace
switched on, then runs build/bench/timing_bench on that display, passing where the test
window's controls are, read from the window forms. Every process started for it is ended by
the end-to-end package's session, also when the benchmark fails or is interrupted.

Usage: bench/timing.py [--program PATH] [--bench PATH] [--keep-temp] [timing_bench options]
(--runs and --interval also shape Reflex.cfg; `timing_bench --help` lists the rest)."""

import argparse
import os
import subprocess
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
sys.dont_write_bytecode = True  # no __pycache__ beside the sources
sys.path.insert(0, os.path.join(ROOT, "tests", "e2e"))  # the end-to-end package, reflex_e2e
from reflex_e2e import DEFAULT_CONFIG, Session, main_menu_form, test_window_form, write_config  # noqa: E402


def csv(*numbers):
    return ",".join(str(n) for n in numbers)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0], add_help=False)
    parser.add_argument("--program", default=os.path.join(ROOT, "build", "src", "reflex"))
    parser.add_argument("--bench", default=os.path.join(ROOT, "build", "bench", "timing_bench"))
    parser.add_argument("--keep-temp", action="store_true", help="keep the session folder (logs, trace)")
    parser.add_argument("--runs", type=int, default=10)
    parser.add_argument("--interval", type=int, default=1000)
    args, rest = parser.parse_known_args()
    if "-h" in rest or "--help" in rest:
        print(__doc__)
        sys.exit(subprocess.run([args.bench, "--help"]).returncode)

    test, menu = test_window_form(), main_menu_form()
    session = Session("bench-timing", accessibility=False)
    session.keep = session.keep or args.keep_temp
    status = 1
    try:
        session.start()
        work = session.path("work")
        os.makedirs(work)
        config = list(DEFAULT_CONFIG)
        config[0:3] = [1, args.interval, 1]  # fixed interval, visual stimulus
        config[5] = args.runs                # runs per set: one series
        write_config(os.path.join(work, "Reflex.cfg"), config)
        trace = os.path.join(work, "trace.txt")
        program = session.launch(os.path.abspath(args.program), work,
                                 env={"REFLEX_TIMING_TRACE": trace, "NO_AT_BRIDGE": "1"})
        bench = session.spawn([
            args.bench, "--display", session.display, "--program-pid", str(program.pid),
            "--server-pid", str(session.server.pid), "--program", os.path.abspath(args.program),
            "--work-dir", work, "--trace", trace, "--runs", str(args.runs), "--interval", str(args.interval),
            "--title", test.title, "--watch", csv(*test.rect("pnlInsideFrame")),
            "--press", csv(*test.centre("Shape8")), "--start-click", csv(*test.centre("cmdStart")),
            "--menu-title", menu.title, "--menu-click", csv(*menu.centre("cmdNormal")), *rest], env=os.environ)
        status = bench.wait()
    except KeyboardInterrupt:
        print("\ntiming.py: interrupted; ending what it started", file=sys.stderr)
        status = 130
    finally:
        if status not in (0, 130) and session.programs:
            session.keep = True
            print(f"--- the program's last output ---\n{session.programs[0].output()[-3000:]}", file=sys.stderr)
        if session.keep:
            print(f"timing.py: kept {session.dir}", file=sys.stderr)
        session.stop()
    sys.exit(status)


if __name__ == "__main__":
    main()
