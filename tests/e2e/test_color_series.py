"""One series of the colour choice test, answered with real mouse presses on the trigger colour only:
fixed 300 ms interval, 2 s display time, no tones, elements black, navy, green and teal, trigger
green, three triggers. Every trigger is a correct hit, every other element a correct miss; the
counts and times reach the screen and recover.dat. Usage: test_color_series.py <reflex binary>"""

import os
import sys

sys.dont_write_bytecode = True  # no __pycache__ beside the sources
from reflex_e2e import DEFAULT_CONFIG, Form, check, run, wait_for  # noqa: E402

TRIGGERS = 3
FORM = Form(os.path.join("src", "complex_test", "frmColorReflex.ui"))
CONFIG = list(DEFAULT_CONFIG)
CONFIG[6:11] = [1, 300, 1000, 2000, 1]  # the colour block: fixed 300 ms interval, shown 2000 ms, no tones
CONFIG[26] = TRIGGERS                   # its triggers per series
COUNTS = ("Correct Hits", "Correct Misses", "Incorrect Hits", "Missed Hits")  # in the file's order


def kind(t, node):
    x, y, w, h = t.ui.extents(node)
    r, g, b = rgb = t.session.mean_colour(x + 6, y + 6, w - 12, h - 12)
    if min(rgb) > 230:
        return "blank"
    return "trigger" if r < 60 and 100 < g < 160 and b < 60 else "other"


def window_opens(t):
    t.ui.click(t.ui.find("push button", "Color/Audio", timeout=60))
    t.window = t.ui.find("filler", FORM.title)
    t.box = t.ui.find("label", "Element Display", root=t.window)
    check(kind(t, t.ui.find("label", "Trigger Element", root=t.window)) == "trigger", "the trigger box is not green")
    t.ui.find("image", "No Sound", root=t.window)
    check(t.ui.value_beside(t.window, "Run Count") == f"   {TRIGGERS:02d}", "the run count is not the triggers'")
    check(kind(t, t.box) == "blank", "the display box is not white at rest")


def presses_on_triggers_only(t):
    def next_seen():
        return "end" if t.ui.all("alert", "END RUN") else (k := kind(t, t.box)) != "blank" and k

    t.ui.start_series(t.window)
    t.elements = 0
    while (seen := wait_for(next_seen, 30, "the next element or the end of the series", 0.01)) != "end":
        t.elements += 1
        if seen == "trigger":
            t.ui.click_in(t.window, FORM.centre("Shape12_0"))
        wait_for(lambda: t.ui.all("alert", "END RUN") or kind(t, t.box) == "blank", 30,
                 f"element {t.elements} ({seen}) to go")
    t.ui.acknowledge("END RUN", "Your run has ended")
    t.counts = [int(t.ui.value_beside(t.window, c)) for c in COUNTS]
    check(t.counts[0] == TRIGGERS and t.counts[2] == t.counts[3] == 0, f"counts {dict(zip(COUNTS, t.counts))}")
    check(sum(t.counts) == t.elements, f"counts {t.counts} do not total the {t.elements} elements seen")
    check(t.ui.value_beside(t.window, "Run Count") == "   0", "the run count is not 0 after the series")


def recovery_file_written(t):
    lines = t.lines("recover.dat")
    check(len(lines) == 500, f"recover.dat has {len(lines)} lines, expected 500")
    check(not any(float(v) for v in lines[:140] if not v.startswith('"')), "the simple block holds times")
    colour = lines[140:158]  # set 1 of the colour block
    times = [float(v) for v in colour[:10]]
    check(all(0 < v < 2 for v in times[:TRIGGERS]) and not any(times[TRIGGERS:]), f"set 1 times {times}")
    check(abs(float(colour[10]) - sum(times) / TRIGGERS) < 0.0006, f"average {colour[10]} of {times}")
    check([int(v) for v in colour[13:17]] == t.counts, f"counts {colour[13:17]} in the file, {t.counts} shown")
    shown = float(t.ui.value_beside(t.window, "Time"))
    check(abs(shown - times[TRIGGERS - 1]) < 0.0006, f"the time shown {shown} is not the last one kept")


if __name__ == "__main__":
    run("color-series", [
        ("Color/Audio opens the test with its green trigger without sound", window_opens),
        ("presses on the green elements only until the series ends; the counts total the elements", presses_on_triggers_only),
        ("recover.dat holds the colour series", recovery_file_written),
    ], CONFIG)
