#!/usr/bin/env python3
"""Display-time and interval accuracy of the colour choice test (bench/README.md).

How long is an element really on the screen, against the configured display time, and how long
is the blank between two elements, against the configured interval? Starts a private Xvfb and
the program with a Reflex.cfg made from the default configuration (fixed interval, no tones,
series of 20 triggers), opens the colour test with real X input and lets every element time out.
The bench's photodiode (bench/photodiode, timing_bench's, through MIT-SHM) reads the centre of the
display box in a tight loop (a reading every 200 us or so); each change between white and an element
colour is stamped on CLOCK_MONOTONIC at the middle between the last reading before it and the first
after it. A
series ends by itself with its last trigger; the next one is started with Start and `y`. The
first element of a series follows Start, not a blank, and is left out of the interval figures.

Conditions: "idle", and "busy" with the other CPU kept busy by a busy loop pinned to it. The
photodiode pins itself to the first CPU (and takes SCHED_FIFO when allowed). The machine may
be shared: the load average before and after each condition is printed beside its figures.
Waits for other timing benchmarks on the machine (flock on /tmp/timing_bench.lock).

Usage: bench/choice_timing.py [--program PATH] [--elements N] [--display-time MS] [--interval MS]
       [--conditions idle,busy] [--out FILE] [--keep-temp]"""

import argparse
import fcntl
import os
import sys
import time

sys.dont_write_bytecode = True  # no __pycache__ beside the sources
from brevane_bench import BUILD, Photodiode, summary  # noqa: E402
from brevane_e2e import DEFAULT_CONFIG, Form, Session, main_menu_form, wait_for, write_config  # noqa: E402

COLOUR_BLOCK = 6  # the colour block follows the six simple values
WHITE = 0xFFFFFF
POLL_S = 0.0002  # between readings: the photodiode leaves its CPU to the server and the program
BUSY_LOOP = "import os\nos.sched_setaffinity(0, {1})\nwhile True:\n    pass\n"


def next_change(diode, showing, timeout_ns):
    """Waits until the pixel stops (showing) or starts (not showing) being white; returns the change's
    stamp, half-way between the last reading before it and the first after it, or None after timeout_ns."""
    pixel, last = diode.read()
    before, deadline = last, last + timeout_ns
    while (pixel != WHITE) == showing:
        if last > deadline:
            return None
        before = last
        time.sleep(POLL_S)
        pixel, last = diode.read()
    return before + (last - before) // 2


def xdotool(session, *args):
    return session.xdotool(*args, timeout=30)


def windows(session, title):
    return (session.xdotool("search", "--onlyvisible", "--name", f"^{title}$", check=False, timeout=30) or "").split()


def window_origin(session, title):
    wid = wait_for(lambda: (windows(session, title) or [None])[0], 60, f"the window {title!r}", 0.1)
    geometry = dict(line.split("=") for line in xdotool(session, "getwindowgeometry", "--shell", wid).split())
    return int(geometry["X"]), int(geometry["Y"])


def click(session, origin, point):
    xdotool(session, "mousemove", origin[0] + point[0], origin[1] + point[1])
    time.sleep(0.1)
    xdotool(session, "click", "1")


def measure(session, diode, origin, form, args):
    """Elements until `args.elements` display times are measured: (display errors, interval errors) in ms."""
    display, interval = [], []
    while len(display) < args.elements:
        click(session, origin, form.centre("cmdStart"))
        window_origin(session, "Start Reflex Data Collection")
        xdotool(session, "key", "y")
        # The question lies over the display box: it must be gone, and the box drawn white again,
        # before the box is watched.
        wait_for(lambda: not windows(session, "Start Reflex Data Collection"), 10, "the question to go", 0.005)
        wait_for(lambda: diode.read()[0] == WHITE, 10, "the display box to show white", 0.001)
        offset = None  # the last element's end, in this series
        while len(display) < args.elements:
            onset = next_change(diode, False, (args.interval + 1500) * 1_000_000)
            if onset is None:
                break  # the series ended with its last trigger
            end = next_change(diode, True, (args.display_time + 1500) * 1_000_000)
            if end is None:
                raise RuntimeError("an element stayed on the screen")
            display.append((end - onset) / 1e6 - args.display_time)
            if offset is not None:
                interval.append((onset - offset) / 1e6 - args.interval)
            offset = end
    click(session, origin, form.centre("cmdStop"))  # a series still running ends here
    time.sleep(0.5)
    return display, interval


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--program", default=os.path.join(BUILD, "src", "brevane"))
    parser.add_argument("--elements", type=int, default=150)
    parser.add_argument("--display-time", type=int, default=500)
    parser.add_argument("--interval", type=int, default=500)
    parser.add_argument("--conditions", default="idle,busy")
    parser.add_argument("--out", help="also write the figures to this file (Markdown)")
    parser.add_argument("--keep-temp", action="store_true")
    args = parser.parse_args()
    Photodiode.prepare()

    lock = open("/tmp/timing_bench.lock", "w")
    fcntl.flock(lock, fcntl.LOCK_EX)
    session = Session("bench-choice", accessibility=False)
    diode = None
    session.keep = session.keep or args.keep_temp
    form, menu = Form(os.path.join("src", "complex_test", "frmColorReflex.ui")), main_menu_form()
    lines = [f"colour test, display time {args.display_time} ms, interval {args.interval} ms, "
             f"{args.elements} elements per condition; errors in ms (measured - configured)", "",
             "| condition | what | n | mean | SD | max abs | load avg before/after |", "|---|---|---|---|---|---|---|"]
    try:
        session.start()
        work = session.path("work")
        os.makedirs(work)
        config = list(DEFAULT_CONFIG)
        c = COLOUR_BLOCK
        config[c:c + 5] = [1, args.interval, 1000, args.display_time, 1]  # fixed interval, no tones
        config[c + 20] = 20                                                # triggers per series
        write_config(os.path.join(work, "Reflex.cfg"), config)
        session.launch(os.path.abspath(args.program), work, env={"NO_AT_BRIDGE": "1"})
        click(session, window_origin(session, menu.title), menu.centre("cmdColors"))
        origin = window_origin(session, form.title)
        box = form.centre("txtInsideFrame")
        diode = Photodiode(session.display, origin[0] + box[0], origin[1] + box[1])
        os.sched_setaffinity(0, {0})
        try:
            os.sched_setscheduler(0, os.SCHED_FIFO, os.sched_param(10))
            priority = "SCHED_FIFO"
        except OSError:
            priority = "normal priority"
        for condition in args.conditions.split(","):
            load = session.spawn([sys.executable, "-c", BUSY_LOOP]) if condition == "busy" else None
            before = os.getloadavg()[0]
            try:
                display, interval = measure(session, diode, origin, form, args)
            finally:
                if load:
                    load.terminate()
                    load.wait()
            after = os.getloadavg()[0]
            for what, values in (("display time", display), ("interval", interval)):
                n, mean, sd, worst = summary(values)
                lines.append(f"| {condition} | {what} | {n} | {mean:+.3f} | {sd:.3f} | {abs(worst):.3f} | "
                             f"{before:.2f}/{after:.2f} |")
            print(lines[-2] + "\n" + lines[-1], flush=True)
        lines += ["", f"photodiode on CPU 0 at {priority}; {os.cpu_count()} CPUs"]
    finally:
        if diode:
            diode.close()  # before the server goes, or Xlib ends this process
        session.stop()
    print("\n".join(lines))
    if args.out:
        with open(args.out, "w") as f:
            f.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
