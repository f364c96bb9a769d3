"""The simple results window, reached as a student does: a series of three runs, Display behind the
loading banner, a real X press on the bar of run 2, the question answered, and the run gone from
the window and from the store (a saved .nrm file, and the window opened afresh).
Usage: test_simple_results.py <reflex binary>"""

import os
import subprocess
import sys

sys.dont_write_bytecode = True  # no __pycache__ beside the sources
from reflex_e2e import (DEFAULT_CONFIG, Form, Report, Session, Ui, check, one_text,  # noqa: E402
                        test_window_form, wait_for, write_config)

TEST = test_window_form()
RESULTS = Form(os.path.join("src", "simple_results", "frmDisplay.ui"))
BAR = (0, 0, 128)  # the run chart's bar colour, palette 1


def main(binary):
    s = Session("simple-results")
    r = Report(s)
    work = s.path("work")
    st = {}

    def desktop():
        s.start()
        os.makedirs(work)
        values = list(DEFAULT_CONFIG)
        values[0:3] = [1, 300, 1]  # fixed 300 ms, visual
        values[5] = 3              # runs per set
        write_config(os.path.join(work, "Reflex.cfg"), values)
        st["ui"] = Ui(s, s.launch(binary, work))

    def series():
        ui = st["ui"]
        ui.click(ui.find("push button", "Simple", timeout=60))
        st["test"] = window = ui.find("filler", TEST.title)
        ui.click(ui.find("push button", "Start", root=window))
        ui.click(ui.find("push button", "Yes", root=ui.find("alert", "Start Reflex Data Collection")))
        for _ in range(3):
            wait_for(lambda: ui.all("alert", "END RUN") or s.mean_colour(*stimulus())[1] < 60, 15, "the stimulus", 0.02)
            if not ui.all("alert", "END RUN"):
                ui.click_in(window, TEST.centre("Shape8"))
                wait_for(lambda: ui.all("alert", "END RUN") or s.mean_colour(*stimulus())[1] > 200, 10, "rest", 0.02)
        alert = ui.find("alert", "END RUN")
        ui.key(alert, "Return")
        wait_for(lambda: os.path.exists(os.path.join(work, "recover.dat")), 10, "recover.dat")
        with open(os.path.join(work, "recover.dat"), "rb") as f:
            st["times"] = [float(v) for v in f.read().decode().split("\r\n")[:10]]
        check(all(t > 0 for t in st["times"][:3]) and not any(st["times"][3:]), f"set 1 holds {st['times']}")

    def stimulus():
        x, y, w, h = st["ui"].extents(st["test"])
        px, py, pw, ph = TEST.rect("pnlInsideFrame")
        return x + px + 8, y + py + ph // 2, pw // 2 - 8, ph // 2 - 8

    def run_cells():
        ui = st["ui"]
        panel = ui.find("panel", "Run Data", root=st["results"])
        return [n.name for n in sorted(ui.all("label", root=panel), key=lambda n: ui.extents(n)[1::-1])
                if not n.name.startswith("Run")]

    def display(times=None):
        ui = st["ui"]
        ui.click(ui.find("push button", "Display", root=st["test"]))
        ui.find("filler", "Loading", timeout=5)
        st["results"] = ui.find("filler", RESULTS.title)
        ui.gone("filler", TEST.title)
        ui.gone("filler", "Loading")
        want = [f"{t:.3f}" for t in times or st["times"]]
        wait_for(lambda: run_cells() == want, 10, f"the run cells to show {want}")

    def bars():
        """The run chart's bars on the screen, left to right, as (first column, last column, bottom row)."""
        x, y, _, _ = st["ui"].extents(st["results"])
        cx, cy, w, h = RESULTS.rect("grfRun")
        raw = subprocess.run(["import", "-window", "root", "-crop", f"{w}x{h}+{x + cx}+{y + cy}", "-depth", "8", "rgb:-"],
                             env=s.env, check=True, capture_output=True, timeout=30).stdout
        rows = [[tuple(raw[(j * w + i) * 3:(j * w + i) * 3 + 3]) for i in range(w)] for j in range(h)]
        columns = [i for i in range(w) if sum(row[i] == BAR for row in rows) > 3]
        found = []
        for i in columns:
            if found and found[-1][1] == i - 1:
                found[-1][1] = i
            else:
                found.append([i, i])
        return [(x + cx + a, x + cx + b, y + cy + max(j for j in range(h) if rows[j][a] == BAR)) for a, b in found]

    def delete_run_2():
        ui = st["ui"]
        found = bars()
        check(len(found) == 3, f"{len(found)} bars on the run chart, expected 3")
        a, b, bottom = found[1]
        ui.click_at(st["results"], (a + b) // 2, bottom - 2)
        alert = ui.find("alert")
        check(one_text(ui, alert).strip() == "Delete run 2 from the set?", f"the question reads {one_text(ui, alert)!r}")
        ui.click(ui.find("push button", "Yes", root=alert))
        want = [f"{t:.3f}" for t in [st["times"][0], st["times"][2]] + [0] * 8]
        wait_for(lambda: run_cells() == want, 10, f"the run cells to show {want}")
        wait_for(lambda: len(bars()) == 2, 10, "two bars")

    def gone_from_the_store():
        ui = st["ui"]
        ui.click(ui.find("push button", "Save", root=st["results"]))
        dialog = ui.find("dialog", "Normal Reflex Data Files")
        name = ui.find("text", "File name:", root=dialog)
        ui.click(name)
        ui.key(dialog, "ctrl+a")
        s.xdotool("type", os.path.join(work, "after.nrm"))
        s.key("Return")
        path = os.path.join(work, "after.nrm")
        wait_for(lambda: os.path.exists(path), 10, "the saved file")
        with open(path, "rb") as f:
            lines = f.read().decode().split("\r\n")
        check(len(lines) == 141 and [float(v) for v in lines[:3]] == [st["times"][0], st["times"][2], 0],
              f"the saved file begins {lines[:3]} ({len(lines) - 1} lines)")
        ui.click(ui.find("push button", "Done", root=st["results"]))
        ui.find("filler", TEST.title)
        ui.gone("filler", RESULTS.title)
        display([st["times"][0], st["times"][2]] + [0] * 8)

    try:
        r.step("desktop and program start", desktop)
        r.step("a series of three runs", series)
        r.step("Display shows the banner, then the runs", display)
        r.step("a press on the bar of run 2 deletes it after the question", delete_run_2)
        r.step("the run is gone from the store: saved file, window opened again", gone_from_the_store)
    finally:
        s.stop()
    r.finish()


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit("usage: test_simple_results.py <path to the reflex binary>")
    main(os.path.abspath(sys.argv[1]))
