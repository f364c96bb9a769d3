#!/usr/bin/env python3
"""The soak: does memory stay flat over a long lab session? First 1,000 simple and 1,000 choice series on the
fake clock (build/bench/soak_series, each series ending in a real recover.dat), then the real program on a
private Xvfb: 100 Display/Done cycles of each results window (simple, colour, number) in one session, the
program's resident memory read from /proc every 10 cycles. Prints every sample and, per part, the first and
last figure; Release build in build/.

Usage: bench/soak.py [--series N] [--cycles N]"""

import argparse
import os
import subprocess
import sys
import time

sys.dont_write_bytecode = True
from brevane_bench import BUILD, Driver, build_target, ensure_release_build, recovery_file  # noqa: E402
from brevane_e2e import DEFAULT_CONFIG, Form, Session, main_menu_form, write_config  # noqa: E402

CHOICE_RESULTS = Form(os.path.join("src", "complex_results", "frmChoiceReflexDisplay.ui"))
# The menu button, the test window's form, the results window's form and its title.
WINDOWS = [("cmdNormal", ("simple_test", "frmReflex.ui"), ("simple_results", "frmDisplay.ui"),
            "Simple Choice Stimulus Module Data Display"),
           ("cmdColors", ("complex_test", "frmColorReflex.ui"), ("complex_results", "frmChoiceReflexDisplay.ui"),
            "Complex Choice Color/Audio Stimulus Module Data Display"),
           ("cmdNumbers", ("complex_test", "frmNumberReflex.ui"), ("complex_results", "frmChoiceReflexDisplay.ui"),
            "Complex Choice Number/Audio Stimulus Module Data Display")]


def resident_kb(pid):
    with open(f"/proc/{pid}/status") as f:
        return next(int(line.split()[1]) for line in f if line.startswith("VmRSS:"))


def series_part(count):
    build_target("soak_series")
    out = subprocess.run([os.path.join(BUILD, "bench", "soak_series"), str(count)], check=True, capture_output=True,
                         text=True, env={**os.environ, "QT_QPA_PLATFORM": "offscreen"}).stdout
    print(out, end="")
    for kind in ("simple", "choice"):
        kb = [int(line.split()[4]) for line in out.splitlines() if line.startswith(kind)]
        print(f"== {count} {kind} series: resident {kb[0]} kB at the start, {kb[-1]} kB at the end")


def window_part(program, cycles):
    session = Session("soak", accessibility=False)
    session.start()
    driver = Driver(session.display)
    folder = session.path("work")
    os.makedirs(folder)
    write_config(os.path.join(folder, "Reflex.cfg"), DEFAULT_CONFIG)
    recovery_file(os.path.join(folder, "recover.dat"))
    menu = main_menu_form()
    try:
        pid = session.launch(program, folder).pid
        _, window = driver.wait_window(menu.title, 60)
        time.sleep(0.3)
        driver.click(window, menu.centre("cmdRecover"))
        for button, test_form, results_form, title in WINDOWS:
            test, results_ui = Form(os.path.join("src", *test_form)), Form(os.path.join("src", *results_form))
            time.sleep(0.3)
            driver.click(window, menu.centre(button))
            _, window = driver.wait_window(test.title)
            first = None
            for cycle in range(cycles + 1):
                if cycle % 10 == 0:
                    kb = resident_kb(pid)
                    first = first or kb
                    print(f"{title}: after {cycle:3d} Display/Done cycles resident {kb} kB", flush=True)
                if cycle == cycles:
                    break
                time.sleep(0.1)
                driver.drain()
                driver.click(window, test.centre("cmdDisplay"))
                _, results = driver.wait_window(title)
                time.sleep(0.1)
                driver.click(results, results_ui.centre("cmdDisplayDone"))
                _, window = driver.wait_window(test.title)
            print(f"== {cycles} cycles of {title}: resident {first} kB at the start, {kb} kB at the end")
            time.sleep(0.3)
            driver.click(window, test.centre("cmdExit"))
            _, window = driver.wait_window(menu.title)
    finally:
        driver.close()
        session.stop()


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--series", type=int, default=1000)
    parser.add_argument("--cycles", type=int, default=100)
    parser.add_argument("--program", default=os.path.join(BUILD, "src", "brevane"))
    args = parser.parse_args()
    program = os.path.abspath(args.program)
    ensure_release_build(program)
    series_part(args.series)
    window_part(program, args.cycles)


if __name__ == "__main__":
    main()
