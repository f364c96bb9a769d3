"""The simple results window, reached as a student does: a series of three runs, Display behind the
loading banner, a real X press on the bar of run 2, the question answered, and the run gone from
the window and from the store (a saved .nrm file, and the window opened afresh).
Usage: test_simple_results.py <reflex binary>"""

import os
import sys

sys.dont_write_bytecode = True  # no __pycache__ beside the sources
from reflex_e2e import DEFAULT_CONFIG, Form, check, run, wait_for  # noqa: E402
from reflex_e2e.simple import FORM, respond, wait_stimulus  # noqa: E402

RESULTS = Form(os.path.join("src", "simple_results", "frmDisplay.ui"))
BAR = (0, 0, 128)  # the run chart's bar colour, palette 1
CONFIG = [1, 300, 1, *DEFAULT_CONFIG[3:5], 3, *DEFAULT_CONFIG[6:]]  # fixed 300 ms, visual, three runs


def series(t):
    t.ui.click(t.ui.find("push button", "Simple", timeout=60))
    t.test = t.ui.find("filler", FORM.title)
    t.ui.start_series(t.test)
    for run in (1, 2, 3):
        wait_stimulus(t, t.test, run)
        respond(t, t.test, 3 - run)
    t.ui.acknowledge("END RUN", "Your run has ended")
    t.times = [float(v) for v in t.lines("recover.dat")[:10]]
    check(all(t.times[:3]) and not any(t.times[3:]), f"set 1 holds {t.times}")


def run_cells(t):
    panel = t.ui.find("panel", "Run Data", root=t.results)
    cells = sorted(t.ui.all("label", root=panel), key=lambda n: t.ui.extents(n)[1::-1])
    return [n.name for n in cells if not n.name.startswith("Run")]


def display(t, times=None):
    t.ui.click(t.ui.find("push button", "Display", root=t.test))
    t.ui.find("filler", "Loading")
    t.results = t.ui.find("filler", RESULTS.title)
    t.ui.gone("filler", FORM.title)
    t.ui.gone("filler", "Loading")
    want = [f"{v:.3f}" for v in times or t.times]
    wait_for(lambda: run_cells(t) == want, 30, f"the run cells to show {want}")


def bars(t):
    """The run chart's bars on the screen, left to right, as (first column, last column, bottom row)."""
    x, y, _, _ = t.ui.extents(t.results)
    cx, cy, w, h = RESULTS.rect("grfRun")
    raw = t.session.pixels(x + cx, y + cy, w, h)
    bar = [[tuple(raw[(j * w + i) * 3:(j * w + i) * 3 + 3]) == BAR for i in range(w)] for j in range(h)]
    found = []
    for i in (i for i in range(w) if sum(row[i] for row in bar) > 3):
        if found and found[-1][1] == i - 1:
            found[-1][1] = i
        else:
            found.append([i, i])
    return [(x + cx + a, x + cx + b, y + cy + max(j for j in range(h) if bar[j][a])) for a, b in found]


def delete_run_2(t):
    found = bars(t)
    check(len(found) == 3, f"{len(found)} bars on the run chart, expected 3")
    a, b, bottom = found[1]
    t.ui.click_at(t.results, (a + b) // 2, bottom - 2)
    alert = t.ui.find("alert")
    check(t.ui.text(alert).strip() == "Delete run 2 from the set?", f"the question reads {t.ui.text(alert)!r}")
    t.ui.click(t.ui.find("push button", "Yes", root=alert))
    t.left = [t.times[0], t.times[2]] + [0] * 8
    want = [f"{v:.3f}" for v in t.left]
    wait_for(lambda: run_cells(t) == want, 30, f"the run cells to show {want}")
    wait_for(lambda: len(bars(t)) == 2, 30, "two bars")


def gone_from_the_store(t):
    t.ui.click(t.ui.find("push button", "Save", root=t.results))
    dialog = t.ui.find("dialog", "Normal Reflex Data Files")
    t.ui.click(t.ui.find("text", "File name:", root=dialog))
    t.ui.key(dialog, "ctrl+a")
    t.session.xdotool("type", t.file("after.nrm"))
    t.session.key("Return")
    lines = t.lines("after.nrm")
    check(len(lines) == 140 and [float(v) for v in lines[:10]] == t.left, f"after.nrm begins {lines[:10]}")
    t.ui.click(t.ui.find("push button", "Done", root=t.results))
    t.ui.gone("filler", RESULTS.title)
    t.ui.find("filler", FORM.title)
    display(t, t.left)


if __name__ == "__main__":
    run("simple-results", [
        ("a series of three runs", series),
        ("Display shows the banner, then the runs", display),
        ("a press on the bar of run 2 deletes it after the question", delete_run_2),
        ("the run is gone from the store: saved file, window opened again", gone_from_the_store),
    ], CONFIG)
