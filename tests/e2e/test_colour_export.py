"""A colour series with real presses, its results shown and exported through the real file dialog, the CSV read back
with Python's csv module; each step says what it checks. Usage: test_colour_export.py <reflex binary>"""

import csv
import os

from reflex_e2e import DEFAULT_CONFIG, Form, check, run, wait_for

COLOUR = Form(os.path.join("src", "complex_test", "frmColorReflex.ui"))
RESULTS = "Complex Choice Color/Audio Stimulus Module Data Display"
TRIGGERS = 3
CONFIG = list(DEFAULT_CONFIG)
CONFIG[6:11], CONFIG[26] = [1, 300, 1000, 2000, 1], TRIGGERS  # colour: a fixed 300 ms, shown 2 s, no tone
TYPED = 'left hand, "fast"'
RECOVERED = 'after the break,\r\nsaid "oops"'  # no comment box takes a line break: this one comes from recover.dat
EMPTY_CHOICE_SET = ["0"] * 17 + ['""']  # ten times, three statistics, four counts, the comment


def _green(t, node):
    x, y, w, h = t.extents(node)
    raw = t.session.pixels(x + 6, y + 6, w - 12, h - 12)
    r, g, b = (sum(raw[i::3]) / len(raw) * 3 for i in range(3))
    return "white" if min(r, g, b) > 230 else "green" if r < 60 and 100 < g < 160 and b < 60 else "other"


def recover_reads_colour_set_2_with_a_missed_hit_and_a_two_line_comment(t):
    set2 = [".412", "1"] + ["0"] * 8 + [".706", ".412", "1", "1", "3", "0", "1", '"after the break,"r"nsaid ""oops"""']
    lines = (["0"] * 13 + ['""']) * 10 + EMPTY_CHOICE_SET + set2 + EMPTY_CHOICE_SET * 18
    with open(t.file("recover.dat"), "wb") as f:
        f.write("".join(v + "\r\n" for v in lines).encode())
    t.click(t.find("push button", "Recover", timeout=60))


def presses_on_the_green_elements_only_fill_set_1(t):
    t.click(t.find("push button", "Color/Audio"))
    t.window = t.find("filler", COLOUR.title)
    box = t.find("label", "Element Display", root=t.window)
    t.start_series(t.window)
    while (seen := wait_for(lambda: "end" if t.ended() else (k := _green(t, box)) != "white" and k, 30,
                            "the next element or the end of the series", 0.01)) != "end":
        if seen == "green":
            t.click_in(t.window, COLOUR.centre("Shape12_0"))
        wait_for(lambda: t.ended() or _green(t, box) == "white", 30, f"the {seen} element to go")
    t.acknowledge("END RUN")
    t.times = [round(float(v) * 1000) for v in t.lines("recover.dat")[140:150]]
    check(all(t.times[:TRIGGERS]) and not any(t.times[TRIGGERS:]), f"colour set 1 times {t.times}")


def display_then_a_comment_typed_for_set_1(t):
    t.click(t.find("push button", "Display", root=t.window))
    t.results = t.find("filler", RESULTS)
    t.shows_runs(t.results, [ms / 1000 for ms in t.times])
    t.click(t.find("text", "Comments", root=t.results))
    t.key(t.results, "ctrl+a")
    t.session.xdotool("type", "--delay", "30", TYPED)


def export_writes_a_row_per_run_that_the_csv_module_reads_back(t):
    t.click(t.find("push button", "Export", root=t.results))
    t.choose_file("Export to CSV", t.file("colour.csv"))
    wait_for(lambda: os.path.exists(t.file("colour.csv")), 30, "colour.csv")
    with open(t.file("colour.csv"), newline="", encoding="utf-8") as f:
        rows = list(csv.reader(f))
    want = [["test", "set", "run", "rt_ms", "outcome", "comment"]]
    want += [["colour", "1", str(run), str(ms), "correct hit", TYPED] for run, ms in enumerate(t.times[:TRIGGERS], 1)]
    want += [["colour", "2", "1", "412", "correct hit", RECOVERED], ["colour", "2", "2", "1000", "missed hit", RECOVERED]]
    check(rows == want, f"colour.csv reads {rows}")


def an_export_is_no_save_so_exit_still_warns(t):
    t.click(t.find("push button", "Done", root=t.results))
    t.click(t.find("push button", "Done", root=t.find("filler", COLOUR.title)))
    t.exit_program("Data NOT saved!\nAre you sure you want to exit?")


if __name__ == "__main__":
    run("colour-export", CONFIG)
