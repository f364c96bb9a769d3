"""A student's session with real presses, on an X server whose windows a compositing manager (xcompmgr) paints
from their off-screen buffers: a simple series, whose stimuli the Present copy no longer puts on the screen, so
that each stamp comes from the screen read back, exact, with nothing to warn of; then a colour series whose comment
goes to its results window and back, its results saved through the real file dialog, cleared and loaded back; each
step says what it checks. (What the files, the export and the results windows' cells hold, and a run deleted from a
chart, are the results, engine and window tests' work; test_handin and test_kill run on the bare X server.)
Usage: test_series.py <brevane binary>"""

import os

from brevane_e2e import DEFAULT_CONFIG, Form, check, run, test_window_form, wait_for

SIMPLE, RESULTS = test_window_form(), Form(os.path.join("src", "simple_results", "frmDisplay.ui"))
COLOUR = Form(os.path.join("src", "complex_test", "frmColorReflex.ui"))
RUNS = TRIGGERS = 3
CONFIG = list(DEFAULT_CONFIG)
# Simple, visual: a fixed 1.5 s.
CONFIG[0:2], CONFIG[5] = [1, 1500], RUNS
CONFIG[6:11], CONFIG[26] = [1, 300, 1000, 2000, 1], TRIGGERS  # colour: a fixed 300 ms, shown 2 s, no tone
COUNTS = ("Correct Hits", "Correct Misses", "Incorrect Hits", "Missed Hits")  # in the file's order
COLOUR_RESULTS = "Complex Choice Color/Audio Stimulus Module Data Display"
TYPED = 'left hand, "fast"'


def _value(t, caption):
    return t.value(caption, t.window)


def _looks(t, x, y, w, h):
    raw = t.session.pixels(x, y, w, h)
    r, g, b = (sum(raw[i::3]) / (w * h) for i in range(3))
    return ("white" if min(r, g, b) > 230 else "red" if r > 150 and g < 60 and b < 60
            else "green" if r < 60 and 100 < g < 160 and b < 60 else "other")


def _panel(t):
    """The simple test's panel by its lower left quarter: clear of the frame's edge and of the speaker picture."""
    x, y, _, _ = t.extents(t.window)
    px, py, pw, ph = SIMPLE.rect("pnlInsideFrame")
    return _looks(t, x + px + 8, y + py + ph // 2, pw // 2 - 8, ph // 2 - 8)


def _box(t, node):
    x, y, w, h = t.extents(node)
    return _looks(t, x + 6, y + 6, w - 12, h - 12)


def _text(node):
    return node.queryText().getText(0, -1)


def _type_over(t, window, field, text):
    t.click(field)
    t.key(window, "ctrl+a")
    t.session.xdotool("type", "--delay", "30", text)
    wait_for(lambda: _text(field) == text, 30, f"{text!r} typed")


def _wait_stimulus(t, run):
    def red():
        check(not t.ended(), f"the series ended before stimulus {run}")
        return _panel(t) == "red"
    wait_for(red, 30, f"the stimulus of run {run}", 0.02)


def simple_then_start_puts_the_pointer_on_the_left_target(t):
    t.click(t.find("push button", "Simple", timeout=60))
    t.window = t.find("filler", SIMPLE.title)
    t.start_series(t.window)
    tx, ty = (a + b for a, b in zip(t.extents(t.window), SIMPLE.centre("Shape8")))
    wait_for(lambda: (at := t.pointer())[2] == SIMPLE.title and max(abs(at[0] - tx), abs(at[1] - ty)) <= 2, 10,
             f"Start to put the pointer on the left target at {tx},{ty}", 0.01)


def each_press_on_the_target_counts_one_run_until_the_series_ends(t):
    for n in range(1, RUNS + 1):
        _wait_stimulus(t, n)
        t.click_in(t.window, SIMPLE.centre("Shape8"))
        want = f"   {RUNS - n:02d}"
        wait_for(lambda: t.ended() or _value(t, "Run Count") == want, 30, f"the run count to show {want!r}")
    t.acknowledge("END RUN")


def each_stimulus_is_stamped_from_the_screen_read_back_and_nothing_is_said(t):
    named = [(r["source"], r["exact"], r["flags"]) for r in t.trace()]
    check(named == [("readback", "exact", "-")] * RUNS, f"the trace names {named}")
    check("times may be one frame long" not in t.program.output(), t.program.output())


def color_audio_opens_the_test_with_its_green_trigger(t):
    t.click(t.find("push button", "Done", root=t.window))
    t.click(t.find("push button", "Color/Audio"))
    t.window = t.find("filler", COLOUR.title)
    t.box = t.find("label", "Element Display", root=t.window)
    check(_box(t, t.find("label", "Trigger Element", root=t.window)) == "green", "the trigger box is not green")
    _type_over(t, t.window, t.find("text", "Description", root=t.window), "warm-up")  # a series disables the box


def presses_on_the_green_elements_only_until_the_series_ends_count_every_element(t):
    def next_seen():
        return "end" if t.ended() else (k := _box(t, t.box)) != "white" and k

    t.start_series(t.window)
    elements = 0
    while (seen := wait_for(next_seen, 30, "the next element or the end of the series", 0.01)) != "end":
        elements += 1
        if seen == "green":
            t.click_in(t.window, COLOUR.centre("Shape12_0"))
        wait_for(lambda: t.ended() or _box(t, t.box) == "white", 30, f"element {elements} ({seen}) to go")
    t.acknowledge("END RUN")
    counts = [int(_value(t, c)) for c in COUNTS]
    check(counts[0] == TRIGGERS and counts[2] == counts[3] == 0, f"counts {dict(zip(COUNTS, counts))}")
    check(sum(counts) == elements, f"counts {counts} do not total the {elements} elements seen")


def display_takes_the_comment_and_save_clear_all_and_load_bring_the_runs_back(t):
    t.times = [round(float(v) * 1000) for v in t.lines("recover.dat")[140:150]]
    t.click(t.find("push button", "Display", root=t.window))  # which stores the comment for the results window
    t.results = t.find("filler", COLOUR_RESULTS)
    comments = t.find("text", "Comments", root=t.results)
    check(_text(comments) == "warm-up", f"the results window's comment reads {_text(comments)!r}")
    _type_over(t, t.results, comments, TYPED)
    t.click(t.find("push button", "Save", root=t.results))
    t.choose_file("Color Reflex Data Files", t.file("class.col"))
    t.click(t.find("push button", "Clear All", root=t.results))
    t.answer("Delete All Data", "Are you sure you want to DELETE ALL DATA ?")
    t.shows_runs(t.results, [0] * 10)
    t.click(t.find("push button", "Load", root=t.results))
    t.choose_file("Color Reflex Data Files", t.file("class.col"))
    t.shows_runs(t.results, [ms / 1000 for ms in t.times])


def with_the_simple_series_unsaved_exit_warns_and_keeps_recover_dat(t):
    recovery = t.lines("recover.dat")  # as the colour series left it
    t.click(t.find("push button", "Done", root=t.results))  # which hands the comment back to the test window
    wait_for(lambda: _text(t.find("text", "Description", root=t.window)) == TYPED, 30, "the comment edited there")
    t.click(t.find("push button", "Done", root=t.window))
    t.exit_program("Data NOT saved!\nAre you sure you want to exit?")
    check(t.lines("recover.dat") == recovery, "Exit changed or removed recover.dat")


if __name__ == "__main__":
    run("series", CONFIG, compositor="xcompmgr")
