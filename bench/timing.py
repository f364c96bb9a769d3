#!/usr/bin/env python3
"""Timing accuracy of the program's stored reaction times (bench/README.md).

Starts a private Xvfb and the program in a folder holding a Reflex.cfg made from the default
configuration (fixed interval, visual stimulus, the runs of one series) with the stamp trace
switched on, then runs build/bench/timing_bench on that display, passing where the test
window's controls are, read from the window forms. Every process started for it is ended by
the end-to-end package's session, also when the benchmark fails or is interrupted.

With --test color it measures the colour choice test instead: three elements of clearly
different colours, one of them the trigger, fixed interval, no tones, a series of --runs
triggers; the benchmark presses only on the trigger colour (the colour it reads in the "Trigger
On" box) and leaves the other elements to time out, then checks the program's four counts.

With --compositor picom|xcompmgr|mutter a compositing manager runs on that X server first (picom waiting
for the refresh, xcompmgr painting at once, mutter in its X11 mode), and the photodiode reads what it painted.
With --desktop weston the program runs as a native Wayland client of a Weston nested in the Xvfb (its
output a window at the screen's origin, its kiosk shell centring each window); with --desktop
weston-xwayland it runs there on XWayland. The photodiode reads the outer Xvfb's screen, what a
student would see.

With --trigger audiovisual the simple test's stimulus is the colour with the tone (the program's
sound route needs a sound server: run it inside `bench/tone_rig.py --run`); the trace's last column
then holds each stimulus's tone lag, the tone's first sample less the picture's onset.

Usage: bench/timing.py [--test simple|color] [--trigger visual|audiovisual] [--compositor NAME] [--desktop xvfb|weston|weston-xwayland]
       [--program PATH] [--bench PATH] [--keep-temp] [timing_bench options]
(--runs, --interval and --display-time also shape Reflex.cfg; `timing_bench --help` lists the
rest)."""

import argparse
import os
import subprocess
import sys

sys.dont_write_bytecode = True  # no __pycache__ beside the sources
from brevane_bench import BUILD  # noqa: E402
from brevane_e2e import DEFAULT_CONFIG, Form, Session, main_menu_form, test_window_form, write_config  # noqa: E402
from brevane_e2e.session import COMPOSITORS  # noqa: E402

# Large enough for Weston's kiosk shell to show a whole test window, XWayland's too.
NESTED_SCREEN = "1600x1200x24"

COLOUR_BLOCK = 6  # Reflex.cfg: the colour block follows the six simple values
# recover.dat: ten simple sets of 14 lines, then the colour sets of 18 (ten times, three
# statistics, correct hits, correct misses, incorrect hits, missed hits, comment).
COLOUR_SET1_TIMES, COLOUR_SET1_COUNTS = 141, 154
# Palette numbers: black, red (the trigger), blue. Element 1 of 0..2 is drawn half the time.
COLOUR_ELEMENTS, COLOUR_TRIGGER = (0, 12, 9), 1


# Reflex.cfg's NormalTriggerOn: the simple test's stimulus.
TRIGGERS = {"visual": 1, "audiovisual": 2}


def csv(*numbers):
    return ",".join(str(n) for n in numbers)


def simple_test(args, config):
    """Reflex.cfg and the benchmark's arguments for the simple test."""
    test, menu = test_window_form(), main_menu_form()
    config[0:3] = [1, args.interval, TRIGGERS[args.trigger]]  # fixed interval, the stimulus
    config[5] = args.runs                # runs per set: one series
    return ["--title", test.title, "--watch", csv(*test.rect("pnlInsideFrame")),
            "--press", csv(*test.centre("Shape8")), "--start-click", csv(*test.centre("cmdStart")),
            "--menu-title", menu.title, "--menu-click", csv(*menu.centre("cmdNormal"))]


def colour_test(args, config):
    """Reflex.cfg and the benchmark's arguments for the colour choice test."""
    test, menu = Form(os.path.join("src", "complex_test", "frmColorReflex.ui")), main_menu_form()
    c = COLOUR_BLOCK
    # fixed interval, display time, no tones, the trigger without a tone, its index, the last index
    config[c:c + 8] = [1, args.interval, config[c + 2], args.display_time, 1, 1, COLOUR_TRIGGER,
                       len(COLOUR_ELEMENTS) - 1]
    config[c + 9:c + 9 + len(COLOUR_ELEMENTS)] = COLOUR_ELEMENTS
    config[c + 20] = args.runs  # triggers per series
    return ["--title", test.title, "--watch", csv(*test.rect("txtInsideFrame")),
            "--trigger-box", csv(*test.rect("txtTriggerOnDisplay")),
            "--press", csv(*test.centre("Shape12_0")), "--start-click", csv(*test.centre("cmdStart")),
            "--menu-title", menu.title, "--menu-click", csv(*menu.centre("cmdColors")),
            "--stored-line", str(COLOUR_SET1_TIMES), "--counts-line", str(COLOUR_SET1_COUNTS)]


def nested_desktop(session, args, window):
    """Weston nested in the session's Xvfb; the program's environment there, and where the kiosk shell puts
    the menu and the test window (centred on the output, which lies at the screen's origin)."""
    env = session.start_weston(xwayland=args.desktop == "weston-xwayland")
    if args.desktop == "weston-xwayland":
        env["QT_QPA_PLATFORM"] = "xcb"  # Weston offers presentation feedback: the program would choose Wayland
    screen = [int(n) for n in NESTED_SCREEN.split("x")[:2]]
    test = Form(os.path.join("src", "complex_test", "frmColorReflex.ui")) if args.test == "color" else test_window_form()

    def centred(form):
        return csv(*((s - w) // 2 for s, w in zip(screen, form.size)))
    return env, window + ["--nested-origin", centred(test), "--nested-menu", centred(main_menu_form())]


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0], add_help=False)
    parser.add_argument("--program", default=os.path.join(BUILD, "src", "brevane"))
    parser.add_argument("--bench", default=os.path.join(BUILD, "bench", "timing_bench"))
    parser.add_argument("--keep-temp", action="store_true", help="keep the session folder (logs, trace)")
    parser.add_argument("--runs", type=int, default=10)
    parser.add_argument("--interval", type=int, default=1000)
    parser.add_argument("--test", choices=("simple", "color"), default="simple")
    parser.add_argument("--trigger", choices=sorted(TRIGGERS), default="visual",
                        help="simple test: the colour, or the colour with the tone (run inside a sound server: "
                        "bench/tone_rig.py --run)")
    parser.add_argument("--desktop", choices=("xvfb", "weston", "weston-xwayland"), default="xvfb")
    parser.add_argument("--display-time", type=int, default=1000, help="colour test: how long an element stays")
    parser.add_argument("--compositor", choices=sorted(COMPOSITORS),
                        help="a compositing manager on the bench's X server: the photodiode reads what it painted")
    args, rest = parser.parse_known_args()
    if "-h" in rest or "--help" in rest:
        print(__doc__)
        sys.exit(subprocess.run([args.bench, "--help"]).returncode)

    nested = args.desktop != "xvfb"
    session = Session("bench-timing", accessibility=False, **({"screen": NESTED_SCREEN} if nested else {}))
    session.keep = session.keep or args.keep_temp
    status = 1
    try:
        session.start()
        if args.compositor:
            session.start_compositor(args.compositor)
        work = session.path("work")
        os.makedirs(work)
        config = list(DEFAULT_CONFIG)
        window = (colour_test if args.test == "color" else simple_test)(args, config)
        write_config(os.path.join(work, "Reflex.cfg"), config)
        trace = os.path.join(work, "trace.txt")
        env = {"BREVANE_TIMING_TRACE": trace, "NO_AT_BRIDGE": "1"}
        if nested:
            desktop_env, window = nested_desktop(session, args, window)
            env.update(desktop_env)
        program = session.launch(os.path.abspath(args.program), work, env=env)
        bench = session.spawn([
            args.bench, "--display", session.display, "--program-pid", str(program.pid),
            "--server-pid", str(session.server.pid), "--program", os.path.abspath(args.program),
            "--work-dir", work, "--trace", trace, "--runs", str(args.runs), "--interval", str(args.interval),
            *window, *rest], env=os.environ)
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
