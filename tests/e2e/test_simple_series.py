"""One series of the simple test, answered with real mouse presses: fixed 300 ms interval, visual
stimulus, three runs. Presses before the stimulus or beside the target must not count; the three
times reach the screen and recover.dat; Recover reads that file back without complaint.
Usage: test_simple_series.py <reflex binary>"""

import os
import sys
import time

sys.dont_write_bytecode = True  # no __pycache__ beside the sources
from reflex_e2e import (DEFAULT_CONFIG, EXIT_TITLE, Report, Session, Ui, check,  # noqa: E402
                        confirm_exit, one_text, test_window_form, wait_for, write_config)

RUNS = 3
FORM = test_window_form()
TARGET_CENTRE = FORM.centre("Shape8")  # the left target, in the window's client area


def series_config():
    values = list(DEFAULT_CONFIG)
    values[0:3] = [1, 300, 1]  # fixed interval of 300 ms, visual stimulus
    values[5] = RUNS           # runs per set
    return values


def main(binary):
    s = Session("simple-series")
    r = Report(s)
    work = s.path("work")
    st = {}

    def desktop():
        s.start()
        os.makedirs(work)
        write_config(os.path.join(work, "Reflex.cfg"), series_config())
        st["program"] = s.launch(binary, work)
        st["ui"] = Ui(s, st["program"])

    def value_beside(caption):
        """The text of the label on the caption's row, right of it (the figures have no names)."""
        ui, window = st["ui"], st["window"]
        labels = ui.all("label", root=window)
        cx, cy, _, _ = ui.extents(next(n for n in labels if n.name == caption))
        row = [(ui.extents(n)[0], n.name) for n in labels if abs(ui.extents(n)[1] - cy) <= 2]
        right = sorted(item for item in row if item[0] > cx)
        check(right, f"no figure beside {caption!r}")
        return right[0][1]

    def panel_colour():
        x, y, w, h = st["ui"].extents(st["stimulus"])
        # The lower left quarter: clear of the frame's edge and of the speaker picture top right.
        return s.mean_colour(x + 8, y + h // 2, w // 2 - 8, h // 2 - 8)

    def is_red(c):
        return c[0] > 150 and c[1] < 60 and c[2] < 60

    def is_white(c):
        return min(c) > 230

    def wait_for_stimulus(run):
        def red_or_ended():
            check(not st["ui"].all("alert", "END RUN"), f"the series ended before stimulus {run}")
            return is_red(panel_colour())
        wait_for(red_or_ended, 15, f"the stimulus panel to turn red for run {run}", 0.02)

    def test_window_opens():
        ui = st["ui"]
        ui.click(ui.find("push button", "Simple", timeout=60))
        st["window"] = window = ui.find("filler", FORM.title)
        st["stimulus"] = ui.find("frame", "Stimulus", root=window)
        labels = ui.texts(window)
        check("           Visual Trigger" in labels, f"no visual trigger caption among {labels}")
        check(value_beside("Run Count") == f"   {RUNS:02d}", f"run count shows {value_beside('Run Count')!r}")
        check(is_white(panel_colour()), f"the stimulus panel is {panel_colour()} at rest, not white")

    def start_asks_and_moves_pointer():
        ui, window = st["ui"], st["window"]
        ui.click(ui.find("push button", "Start", root=window))
        alert = ui.find("alert", "Start Reflex Data Collection")
        check(one_text(ui, alert) == "Over write Data in Set  1 ?", f"unexpected question {one_text(ui, alert)!r}")
        ui.click(ui.find("push button", "Yes", root=alert))
        wx, wy, _, _ = ui.extents(window)
        target = (wx + TARGET_CENTRE[0], wy + TARGET_CENTRE[1])

        def on_target():
            x, y, under = ui.pointer()
            return abs(x - target[0]) <= 2 and abs(y - target[1]) <= 2 and under == FORM.title
        wait_for(on_target, 10, f"Start to put the pointer on the left target at {target}", 0.01)

    def press_before_stimulus_ignored():
        # Start has just put the pointer on the target and the 300 ms interval runs: press at once.
        s.xdotool("click", "1")
        check(not is_red(panel_colour()),
              "inconclusive: the stimulus was out right after the early press; the machine is too slow for this check")
        wait_for_stimulus(1)
        check(value_beside("Run Count") == f"   {RUNS:02d}" and value_beside("Time") == " 0.000",
              f"the early press was counted: run count {value_beside('Run Count')!r}, time {value_beside('Time')!r}")

    def responses_measured():
        ui = st["ui"]
        for run in range(1, RUNS + 1):
            if run > 1:
                wait_for_stimulus(run)
            if run == 2:
                # A press on the stimulus panel is no response: the stimulus stays out.
                ui.click(st["stimulus"])
                time.sleep(0.5)
                check(value_beside("Run Count") == f"   {RUNS - 1:02d}" and is_red(panel_colour()),
                      "a press on the stimulus panel was taken as a response")
            ui.click_in(st["window"], TARGET_CENTRE)
            if run < RUNS:
                want = f"   {RUNS - run:02d}"
                wait_for(lambda: value_beside("Run Count") == want, 10, f"the run count to show {want!r}", 0.05)

    def end_of_series():
        ui = st["ui"]
        alert = ui.find("alert", "END RUN")
        check(one_text(ui, alert) == "Your run has ended", f"unexpected message {one_text(ui, alert)!r}")
        ui.key(alert, "Return")
        ui.gone("alert", "END RUN")
        check(value_beside("Run Count") == "   0", f"run count shows {value_beside('Run Count')!r} after the series")
        check(is_white(panel_colour()), f"the stimulus panel is {panel_colour()} after the series, not white")

    def recovery_file_written():
        path = os.path.join(work, "recover.dat")
        wait_for(lambda: os.path.exists(path), 10, "recover.dat")
        with open(path, "rb") as f:
            lines = f.read().decode("latin-1").splitlines()
        check(len(lines) == 500, f"recover.dat has {len(lines)} lines, expected 500")
        times = [float(v) for v in lines[:10]]
        check(all(t > 0 for t in times[:RUNS]), f"set 1 times {times[:RUNS]} are not all above 0")
        check(all(t == 0 for t in times[RUNS:]), f"set 1 runs {RUNS + 1}..10 hold {times[RUNS:]}, expected 0")
        average = float(lines[10])
        check(abs(average - sum(times[:RUNS]) / RUNS) < 0.0006, f"set 1 average {average} is not the mean of {times}")
        # What the student saw must be what was kept.
        check(abs(float(value_beside("Time")) - times[RUNS - 1]) < 0.0006,
              f"the time shown {value_beside('Time')!r} differs from the last time kept {times[RUNS - 1]}")
        check(abs(float(value_beside("Average Time")) - average) < 0.0006,
              f"the average shown {value_beside('Average Time')!r} differs from the average kept {average}")
        st["recovery"] = lines

    def recover_reads_file_back():
        ui = st["ui"]
        ui.click(ui.find("push button", "Done", root=st["window"]))
        ui.click(ui.find("push button", "Recover"))
        # Exit's question is the first message that may come: anything earlier came from Recover.
        ui.click(ui.find("push button", "Exit"))
        st["exit"] = alert = ui.find("alert")
        check(alert.name == EXIT_TITLE, f"Recover answered with {alert.name!r}: {one_text(ui, alert)!r}")
        with open(os.path.join(work, "recover.dat"), "rb") as f:
            check(f.read().decode("latin-1").splitlines() == st["recovery"], "Recover changed recover.dat")

    def exit_warns_then_ends():
        confirm_exit(st["ui"], st["program"], st["exit"], "Data NOT saved!\nAre you sure you want to exit?")
        check(os.path.exists(os.path.join(work, "recover.dat")), "leaving the program removed recover.dat")

    try:
        r.step("desktop and program start", desktop)
        r.step("Simple opens the test window with the configured trigger and run count", test_window_opens)
        r.step("Start asks, then puts the pointer on the left target", start_asks_and_moves_pointer)
        r.step("a press before the stimulus is ignored", press_before_stimulus_ignored)
        r.step(f"{RUNS} presses on the target are measured, a press on the panel is not", responses_measured)
        r.step("the series ends with its message", end_of_series)
        r.step("recover.dat holds the times shown", recovery_file_written)
        r.step("Done, then Recover reads recover.dat without a message", recover_reads_file_back)
        r.step("Exit warns about unsaved data, Yes ends the program", exit_warns_then_ends)
    finally:
        s.stop()
    r.finish()


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit("usage: test_simple_series.py <path to the reflex binary>")
    main(os.path.abspath(sys.argv[1]))
