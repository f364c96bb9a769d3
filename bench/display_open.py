#!/usr/bin/env python3
"""How long Display takes: from the press on a test window's Display button (the simple test's, or with
--test colour the colour test's) to the results window shown and painted, on a private Xvfb, Release build.

The program starts in a fresh folder with a valid Reflex.cfg and a recover.dat holding ten full
sets; the benchmark clicks Recover and the test's menu button, then, for each run, presses Display with XTest and
stamps the moment the press is flushed to the server; it stamps the MapNotify of the results
window, then reads the window's chart area with the bench's photodiode until the bars of set 1 are
there (painted). Done takes it back to the test window for the next run. The loading banner waits 500 ms
by design before it builds the window; the figure that matters is what comes after that.

Usage: bench/display_open.py [--test simple|colour] [--runs N] [--warmup N] [--program PATH]"""

import argparse
import os
import statistics
import sys
import time

sys.dont_write_bytecode = True
from brevane_bench import BUILD, Driver, Photodiode, ensure_release_build, recovery_file  # noqa: E402
from brevane_e2e import DEFAULT_CONFIG, SCREEN, Form, Session, main_menu_form, write_config  # noqa: E402

BANNER_MS = 500
# The menu button, the test window's form and the results window's form of each test.
TESTS = {"simple": ("cmdNormal", ("simple_test", "frmReflex.ui"), ("simple_results", "frmDisplay.ui")),
         "colour": ("cmdColors", ("complex_test", "frmColorReflex.ui"),
                    ("complex_results", "frmChoiceReflexDisplay.ui"))}
BAR = 0x000080  # palette 1, the run chart's bars


def bars_shown(chart):
    """Whether a reading of the chart area shows the bars of set 1."""
    chart.grab()
    return chart.pixels_of_colour(BAR) >= 500


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--test", choices=TESTS, default="simple")
    parser.add_argument("--runs", type=int, default=15)
    parser.add_argument("--warmup", type=int, default=1, help="unmeasured openings first")
    parser.add_argument("--program", default=os.path.join(BUILD, "src", "brevane"))
    args = parser.parse_args()
    program = os.path.abspath(args.program)
    ensure_release_build(program)
    Photodiode.prepare()

    session = Session("bench-display", accessibility=False)
    session.start()
    driver = Driver(session.display)
    button, test_form, results_form = TESTS[args.test]
    menu, test = main_menu_form(), Form(os.path.join("src", *test_form))
    results_ui = Form(os.path.join("src", *results_form))
    folder = session.path("work")
    os.makedirs(folder)
    write_config(os.path.join(folder, "Reflex.cfg"), DEFAULT_CONFIG)
    recovery_file(os.path.join(folder, "recover.dat"))
    mapped, painted = [], []
    try:
        session.launch(program, folder)
        _, window = driver.wait_window(menu.title, 60)
        time.sleep(0.3)
        driver.click(window, menu.centre("cmdRecover"))
        time.sleep(0.3)
        driver.click(window, menu.centre(button))
        _, window = driver.wait_window(test.title)
        cx, cy, cw, ch = results_ui.rect("grfRun")
        for i in range(args.warmup + args.runs):
            time.sleep(0.3)
            driver.drain()
            pressed = driver.click(window, test.centre("cmdDisplay"))
            shown, results = driver.wait_window(results_ui.title)
            ox, oy = driver.origin(results)
            chart = Photodiode(session.display, ox + cx, oy + cy, cw, ch)
            while not bars_shown(chart):
                if time.perf_counter() - pressed > 30:
                    sys.exit("the results window showed no bars within 30 s")
            done = time.perf_counter()
            chart.close()
            m, p = (shown - pressed) * 1000, (done - pressed) * 1000
            if i >= args.warmup:
                mapped.append(m)
                painted.append(p)
            label = f"run {i - args.warmup + 1:2d}" if i >= args.warmup else "unmeasured"
            print(f"{label}: mapped {m:6.1f} ms, painted {p:6.1f} ms after the press "
                  f"({p - BANNER_MS:5.1f} ms after the banner's {BANNER_MS} ms)", flush=True)
            time.sleep(0.2)
            driver.click(results, results_ui.centre("cmdDisplayDone"))
            _, window = driver.wait_window(test.title)
    finally:
        driver.close()
        session.stop()

    print(f"\n{program}, {args.test} test, {args.runs} openings (after {args.warmup} unmeasured), Xvfb {SCREEN}")
    for name, values in (("press -> results window mapped", mapped), ("press -> results window painted", painted)):
        print(f"{name} (ms): min {min(values):.1f}  median {statistics.median(values):.1f}  max {max(values):.1f}"
              f"   median less the banner's {BANNER_MS} ms: {statistics.median(values) - BANNER_MS:.1f}")


if __name__ == "__main__":
    main()
