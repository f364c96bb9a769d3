"""A number series with real presses, then its results: Display, Save through the real file dialog, Clear All,
Load, and the values back; each step says what it checks. Usage: test_number_results.py <reflex binary>"""

import os

from reflex_e2e import DEFAULT_CONFIG, Form, check, run, wait_for

NUMBER = Form(os.path.join("src", "complex_test", "frmNumberReflex.ui"))
RESULTS = "Complex Choice Number/Audio Stimulus Module Data Display"
TRIGGERS = 3
CONFIG = list(DEFAULT_CONFIG)
CONFIG[27:32], CONFIG[47] = [1, 300, 1000, 1500, 1], TRIGGERS  # number: a fixed 300 ms, shown 1.5 s, no tone
COUNTS = ("Correct Hits", "Correct Misses", "InCorrect Hits", "Missed Hits")


def _described(t, description):
    """The number test's displays say their number as their name; what they are is their description."""
    return next(n for n in t.all("label", root=t.window) if n.description == description)


def _counts(t):
    return [t.value(c, t.results) for c in COUNTS]


def num_audio_opens_the_number_test(t):
    t.click(t.find("push button", "Num/Audio", timeout=60))
    t.window = t.find("filler", NUMBER.title)
    t.trigger = _described(t, "Trigger Element").name  # " 2", as the box shows it


def presses_on_the_trigger_number_only_count_three_correct_hits(t):
    display = _described(t, "Element Display")
    t.start_series(t.window)
    while (seen := wait_for(lambda: "end" if t.ended() else display.name.strip(), 30, "an element or the end")) != "end":
        if seen == t.trigger.strip():
            t.click_in(t.window, NUMBER.centre("Shape12_0"))
        wait_for(lambda: t.ended() or not display.name.strip(), 30, f"the number {seen} to go")
    t.acknowledge("END RUN")
    hits = t.value("Correct Hits", t.window)
    check(int(hits) == TRIGGERS, f"{hits} correct hits")


def display_shows_the_times_of_recover_dat_and_the_counts(t):
    lines = t.lines("recover.dat")[140 + 180:]  # the number block follows the simple and colour blocks
    t.times = [float(v) for v in lines[:10]]
    check(all(t.times[:TRIGGERS]) and not any(t.times[TRIGGERS:]), f"number times {t.times}")
    t.click(t.find("push button", "Display", root=t.window))
    t.results = t.find("filler", RESULTS)
    t.shows_runs(t.results, t.times)
    t.counts = _counts(t)
    check(t.counts[0] == f"{TRIGGERS:03d}", f"counts {t.counts}")


def save_writes_180_lines_through_the_file_dialog(t):
    t.click(t.find("push button", "Save", root=t.results))
    t.choose_file("Number Reflex Data Files", t.file("class.col"))
    lines = t.lines("class.col")
    check(len(lines) == 180 and [float(v) for v in lines[:10]] == t.times, f"class.col: {len(lines)} lines")


def clear_all_after_its_question_empties_the_window(t):
    t.click(t.find("push button", "Clear All", root=t.results))
    t.answer("Delete All Data", "Are you sure you want to DELETE ALL DATA ?")
    t.shows_runs(t.results, [0] * 10)
    check(_counts(t) == ["000"] * 4, f"counts after Clear All {_counts(t)}")


def load_brings_the_values_back(t):
    t.click(t.find("push button", "Load", root=t.results))
    t.choose_file("Number Reflex Data Files", t.file("class.col"))
    t.shows_runs(t.results, t.times)
    check(_counts(t) == t.counts, f"counts after Load {_counts(t)}")


def done_returns_to_the_test_window_and_exit_asks_without_a_warning(t):
    t.click(t.find("push button", "Done", root=t.results))
    t.click(t.find("push button", "Done", root=t.find("filler", NUMBER.title)))
    t.exit_program("Are you sure you want to exit?")  # saved


if __name__ == "__main__":
    run("number-results", CONFIG)
