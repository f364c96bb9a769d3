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
import os
import signal
import statistics
import sys
import time

sys.dont_write_bytecode = True  # no __pycache__ beside the sources
from brevane_bench import BUILD, MapWatcher, ensure_release_build  # noqa: E402
from brevane_e2e import DEFAULT_CONFIG, SCREEN, Session, main_menu_form, write_config  # noqa: E402

MENU_TITLE = main_menu_form().title.encode()


def vm_hwm_kib(pid):
    with open(f"/proc/{pid}/status") as f:
        for line in f:
            if line.startswith("VmHWM:"):
                return int(line.split()[1])
    raise RuntimeError("no VmHWM in /proc status")


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
    parser.add_argument("--program", default=os.path.join(BUILD, "src", "brevane"))
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
