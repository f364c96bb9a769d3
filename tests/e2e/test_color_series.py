"""One series of the colour choice test, answered with real mouse presses on the trigger colour only:
fixed 300 ms interval, 1.5 s display time, no tones, elements black, navy, green and teal, trigger
green, three triggers. Every trigger is a correct hit, every other element a correct miss; the
counts and times reach the screen and recover.dat.
Usage: test_color_series.py <reflex binary>"""

import os
import sys

sys.dont_write_bytecode = True  # no __pycache__ beside the sources
from reflex_e2e import (DEFAULT_CONFIG, Form, Report, Session, Ui, check,  # noqa: E402
                        one_text, wait_for, write_config)

TRIGGERS = 3
FORM = Form(os.path.join("src", "complex_test", "frmColorReflex.ui"))
TARGET_CENTRE = FORM.centre("Shape12_0")
COLOUR_BLOCK = 6  # the colour block follows the six simple values
SIMPLE_LINES, CHOICE_LINES = 140, 18


def series_config():
    values = list(DEFAULT_CONFIG)
    c = COLOUR_BLOCK
    values[c:c + 5] = [1, 300, 1000, 1500, 1]  # fixed 300 ms interval, display 1500 ms, no tones
    values[c + 20] = TRIGGERS                   # triggers per series
    return values


def kind(rgb):
    r, g, b = rgb
    if min(rgb) > 230:
        return "blank"
    return "trigger" if r < 60 and 100 < g < 160 and b < 60 else "other"


def main(binary):
    s = Session("color-series")
    r = Report(s)
    work = s.path("work")
    st = {"elements": 0}

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
        row = sorted((ui.extents(n)[0], n.name) for n in labels if abs(ui.extents(n)[1] - cy) <= 2)
        right = [name for x, name in row if x > cx]
        check(right, f"no figure beside {caption!r}")
        return right[0]

    def colour_of(node):
        x, y, w, h = st["ui"].extents(node)
        return s.mean_colour(x + 6, y + 6, w - 12, h - 12)

    def window_opens():
        ui = st["ui"]
        ui.click(ui.find("push button", "Color/Audio", timeout=60))
        st["window"] = window = ui.find("filler", FORM.title)
        st["box"] = ui.find("label", "Element Display", root=window)
        trigger = colour_of(ui.find("label", "Trigger Element", root=window))
        check(kind(trigger) == "trigger", f"the trigger box shows {trigger}, not green")
        ui.find("image", "No Sound", root=window)
        check(value_beside("Run Count") == f"   {TRIGGERS:02d}", f"run count shows {value_beside('Run Count')!r}")
        check(kind(colour_of(st["box"])) == "blank", "the display box is not white at rest")

    def start_asks():
        ui, window = st["ui"], st["window"]
        ui.click(ui.find("push button", "Start", root=window))
        alert = ui.find("alert", "Start Reflex Data Collection")
        check(one_text(ui, alert) == "Over write Data in Set  1 ?", f"unexpected question {one_text(ui, alert)!r}")
        ui.click(ui.find("push button", "Yes", root=alert))

    def presses_on_triggers_only():
        ui = st["ui"]
        def next_seen():
            if ui.all("alert", "END RUN"):
                return "end"
            seen = kind(colour_of(st["box"]))
            return seen if seen != "blank" else None

        while (seen := wait_for(next_seen, 15, "the next element or the end of the series", 0.01)) != "end":
            st["elements"] += 1
            if seen == "trigger":
                ui.click_in(st["window"], TARGET_CENTRE)
            wait_for(lambda: kind(colour_of(st["box"])) == "blank" or ui.all("alert", "END RUN"), 5,
                     f"element {st['elements']} ({seen}) to go")
        alert = ui.find("alert", "END RUN")
        check(one_text(ui, alert) == "Your run has ended", f"unexpected message {one_text(ui, alert)!r}")
        ui.key(alert, "Return")
        ui.gone("alert", "END RUN")

    def readouts_count_every_element():
        counts = {c: int(value_beside(c)) for c in ("Correct Hits", "Incorrect Hits", "Correct Misses", "Missed Hits")}
        check(counts["Correct Hits"] == TRIGGERS and counts["Incorrect Hits"] == counts["Missed Hits"] == 0,
              f"counts {counts}")
        check(sum(counts.values()) == st["elements"], f"counts {counts} do not total the {st['elements']} elements seen")
        check(value_beside("Run Count") == "   0", f"run count shows {value_beside('Run Count')!r} after the series")
        st["counts"] = counts

    def recovery_file_written():
        path = os.path.join(work, "recover.dat")
        wait_for(lambda: os.path.exists(path), 10, "recover.dat")
        with open(path, "rb") as f:
            lines = f.read().decode("latin-1").split("\r\n")[:-1]
        check(len(lines) == 500, f"recover.dat has {len(lines)} lines, expected 500")
        check(all(float(v) == 0 for v in lines[:SIMPLE_LINES] if not v.startswith('"')), "the simple block holds times")
        colour = lines[SIMPLE_LINES:SIMPLE_LINES + CHOICE_LINES]
        times = [float(v) for v in colour[:10]]
        check(all(0 < t < 1.5 for t in times[:TRIGGERS]) and not any(times[TRIGGERS:]), f"set 1 times {times}")
        check(abs(float(colour[10]) - sum(times) / TRIGGERS) < 0.0006, f"average {colour[10]} of {times}")
        c = st["counts"]
        want = [c["Correct Hits"], c["Correct Misses"], c["Incorrect Hits"], c["Missed Hits"]]
        check([int(v) for v in colour[13:17]] == want, f"counts {colour[13:17]} in the file, {want} shown")
        check(abs(float(value_beside("Time")) - times[TRIGGERS - 1]) < 0.0006, "the time shown is not the time kept")

    try:
        r.step("desktop and program start", desktop)
        r.step("Color/Audio opens the test with its green trigger without sound", window_opens)
        r.step("Start asks before the series", start_asks)
        r.step("presses on the green elements only, until the series ends", presses_on_triggers_only)
        r.step("the counts total the elements shown", readouts_count_every_element)
        r.step("recover.dat holds the colour series", recovery_file_written)
    finally:
        s.stop()
    r.finish()


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit("usage: test_color_series.py <path to the reflex binary>")
    main(os.path.abspath(sys.argv[1]))
