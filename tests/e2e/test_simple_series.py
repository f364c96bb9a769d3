"""One series of the simple test, answered with real mouse presses: fixed interval, visual
stimulus, three runs. Presses before the stimulus or on the panel must not count; the three times
reach the screen and recover.dat; Recover reads that file back without complaint, and Exit warns
about the unsaved data. Usage: test_simple_series.py <reflex binary>"""

import sys

sys.dont_write_bytecode = True  # no __pycache__ beside the sources
from reflex_e2e import DEFAULT_CONFIG, check, never, run, wait_for  # noqa: E402
from reflex_e2e.simple import FORM, is_red, is_white, panel_colour, respond, wait_stimulus  # noqa: E402

RUNS = 3
# A fixed interval long enough that a press right after Start is surely early on a loaded machine.
CONFIG = [1, 1500, 1, *DEFAULT_CONFIG[3:5], RUNS, *DEFAULT_CONFIG[6:]]


def value(t, caption):
    return t.ui.value_beside(t.window, caption)


def window_opens(t):
    t.ui.click(t.ui.find("push button", "Simple", timeout=60))
    t.window = t.ui.find("filler", FORM.title)
    check("           Visual Trigger" in t.ui.text(t.window).split("\n"), "no visual trigger caption")
    check(value(t, "Run Count") == f"   {RUNS:02d}", f"run count shows {value(t, 'Run Count')!r}")
    check(is_white(panel_colour(t, t.window)), f"the panel is {panel_colour(t, t.window)} at rest, not white")


def start_moves_pointer(t):
    t.ui.start_series(t.window)
    wx, wy, _, _ = t.ui.extents(t.window)
    tx, ty = wx + FORM.centre("Shape8")[0], wy + FORM.centre("Shape8")[1]

    def on_target():
        x, y, under = t.ui.pointer()
        return abs(x - tx) <= 2 and abs(y - ty) <= 2 and under == FORM.title
    wait_for(on_target, 10, f"Start to put the pointer on the left target at {tx},{ty}", 0.01)


def early_press_ignored(t):
    t.session.xdotool("click", "1")  # on the target, well inside the interval
    check(not is_red(panel_colour(t, t.window)), "inconclusive: the stimulus was out already after the early press")
    wait_stimulus(t, t.window, 1)
    check((value(t, "Run Count"), value(t, "Time")) == (f"   {RUNS:02d}", " 0.000"), "the early press was counted")


def responses_measured(t):
    for run in range(1, RUNS + 1):
        if run > 1:
            wait_stimulus(t, t.window, run)
        if run == 2:
            t.ui.click(t.ui.find("frame", "Stimulus", root=t.window))
            never(lambda: value(t, "Run Count") != f"   {RUNS - 1:02d}" or not is_red(panel_colour(t, t.window)), 1,
                  "a press on the stimulus panel was taken as a response")
        respond(t, t.window, RUNS - run)
    t.ui.acknowledge("END RUN", "Your run has ended")
    check(value(t, "Run Count") == "   0", f"run count shows {value(t, 'Run Count')!r} after the series")
    check(is_white(panel_colour(t, t.window)), "the panel is not white after the series")


def recovery_file_written(t):
    t.recovery = lines = t.lines("recover.dat")
    check(len(lines) == 500, f"recover.dat has {len(lines)} lines, expected 500")
    times, average = [float(v) for v in lines[:10]], float(lines[10])
    check(all(times[:RUNS]) and not any(times[RUNS:]), f"set 1 holds {times}")
    check(abs(average - sum(times) / RUNS) < 0.0006, f"set 1 average {average} is not the mean of {times}")
    shown = (float(value(t, "Time")), float(value(t, "Average Time")))  # what the student saw is what was kept
    check(max(abs(shown[0] - times[RUNS - 1]), abs(shown[1] - average)) < 0.0006, f"{shown} shown, {times} kept")


def recover_then_exit(t):
    t.ui.click(t.ui.find("push button", "Done", root=t.window))
    t.ui.click(t.ui.find("push button", "Recover"))
    # Exit's question must be the first message to come: one before it would be Recover's.
    t.ui.exit_program("Data NOT saved!\nAre you sure you want to exit?")
    check(t.lines("recover.dat") == t.recovery, "Recover or Exit changed or removed recover.dat")


if __name__ == "__main__":
    run("simple-series", [
        ("Simple opens the test window with the configured trigger and run count", window_opens),
        ("Start asks, then puts the pointer on the left target", start_moves_pointer),
        ("a press before the stimulus is ignored", early_press_ignored),
        (f"{RUNS} presses on the target are measured, one on the panel is not; the series ends", responses_measured),
        ("recover.dat holds the times shown", recovery_file_written),
        ("Done, Recover without a message, Exit warns about unsaved data and ends", recover_then_exit),
    ], CONFIG)
