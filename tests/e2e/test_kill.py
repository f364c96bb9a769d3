"""SIGKILL at random moments while the program writes its files: while a series runs and as it ends (recover.dat),
during a .nrm and a .col save and during a settings Save. After every kill each file must be its previous complete
version or its new complete version, and a new start must recover the last series that ended. Long comments keep
every file a while in the writing. (A series that ends quietly on a missed trigger is written before its beep like
any other: tst_choiceengine.) Usage: test_kill.py <brevane binary>; BREVANE_KILLS=N kills (8 by default)."""

import os
import random
import signal
import time

from brevane_e2e import CONFIG_HEADER, DEFAULT_CONFIG, Form, check, run, test_window_form, wait_for

KILLS = int(os.environ.get("BREVANE_KILLS", "8"))
SIMPLE = test_window_form()
RESULTS = {"a.nrm": Form(os.path.join("src", "simple_results", "frmDisplay.ui")).title,
           "a.col": "Complex Choice Color/Audio Stimulus Module Data Display"}
CONFIG = list(DEFAULT_CONFIG)
CONFIG[0:2], CONFIG[5] = [1, 100], 1  # simple, visual: a fixed 100 ms, one run a series
COLOUR = 6  # the colour block: a fixed 100 ms, shown 150 ms, no tones, one trigger a series
CONFIG[COLOUR:COLOUR + 2], CONFIG[COLOUR + 3:COLOUR + 5], CONFIG[COLOUR + 20] = [1, 100], [150, 1], 1
LINES = {"recover.dat": 500, "a.nrm": 140, "a.col": 180, "my.cfg": 46}
COMMENT = 20000  # characters a comment: recover.dat of about 600 kB


def _recover_dat():
    def block(counts):
        for s in range(10):
            yield from [f".{s}{r}5" for r in range(10)] + ["0"] * 3 + ["1", "2", "3", "4"] * counts
            yield '"' + (f"set {s} " * COMMENT)[:COMMENT] + '"'
    return "".join(f"{v}\r\n" for v in [*block(False), *block(True), *block(True)]).encode()


def _lines(data):
    return data.split(b"\r\n")[:-1] if data.endswith(b"\r\n") else None


def _whole(name, data, recover):
    """Complete in its layout, and holding what the program had to write from the stores recover.dat gave it."""
    lines, stored = _lines(data), _lines(recover)
    if lines is None or len(lines) != LINES[name]:
        return False
    if name == "my.cfg":  # the configuration loaded at start in the short layout: without its run counts
        return lines == [CONFIG_HEADER.encode()] + [str(v).encode() for i, v in enumerate(CONFIG) if i not in (5, 26, 47)]
    if name == "recover.dat":  # a series changes set 1 of the simple test only
        return lines[14:] == stored[14:]
    first, per_set = (0, 14) if name == "a.nrm" else (140, 18)  # the window recomputes the statistics it saves
    return all(a == b for i, (a, b) in enumerate(zip(lines, stored[first:])) if i % per_set not in (10, 11, 12))


def _files(t):
    return {name: open(t.file(name), "rb").read() for name in os.listdir(t.work)}


def _launch(t):
    t.program, t._app = t.session.launch(t.binary, t.work), None
    t.click(t.find("push button", "Recover", timeout=60))  # no message: the file reads whole


def _series(t, rng):
    t.click(t.find("push button", "Simple"))
    t.start_series(t.find("filler", SIMPLE.title))  # which puts the pointer on the left target
    if rng.random() < 0.3:
        return  # killed while the series runs
    def pressed_after_the_stimulus():
        if not t.ended():
            t.session.xdotool("click", "1")  # presses before the stimulus are ignored
        return t.ended()
    wait_for(pressed_after_the_stimulus, 30, "the end of the series", 0.2)
    t.key(t.find("alert", "END RUN"), "Return")  # recover.dat is written once the message has gone


def _save(t, window, dialog_title, name, question):
    t.click(t.find("push button", "Save", root=t.find("filler", window)))
    replacing = os.path.exists(t.file(name))
    t.choose_file(dialog_title, name, wait=False)  # killed while the dialog may still close
    if replacing:
        t.click(t.find("push button", "Yes", root=t.find("alert", question)))


def _data_file(button, title, dialog_title, name):
    def act(t, rng):
        t.click(t.find("push button", button))
        t.click(t.find("push button", "Display", root=t.find("filler", title)))
        _save(t, RESULTS[name], dialog_title, name, "Save File")
    return act


def _settings(t, rng):
    t.click(t.find("push button", "Options"))
    _save(t, "Brevane Settings", "Save Configuration File", "my.cfg", "Save Configuration File")


ACTIONS = [_series, _data_file("Simple", SIMPLE.title, "Normal Reflex Data Files", "a.nrm"),
           _data_file("Color/Audio", "Complex Choice Color/Audio Stimulus Module", "Color Reflex Data Files", "a.col"),
           _settings]


def kills_at_random_moments_leave_every_file_whole(t):
    t.program.proc.kill()  # started before recover.dat was there
    t.program.proc.wait()
    with open(t.file("recover.dat"), "wb") as f:
        f.write(_recover_dat())
    rng = random.Random(os.environ.get("BREVANE_KILL_SEED"))
    partial, stray, newer = [], set(), 0
    for k in range(KILLS):
        _launch(t)
        before = _files(t)
        ACTIONS[k % len(ACTIONS)](t, rng)
        time.sleep(rng.uniform(0, 0.04))
        os.kill(t.program.pid, signal.SIGKILL)
        t.program.proc.wait()
        after = _files(t)
        stray |= set(after) - set(LINES) - {"Reflex.cfg"}
        for name in set(after) & set(LINES) - {n for n in after if after[n] == before.get(n)}:
            newer += 1
            if not _whole(name, after[name], before["recover.dat"]):
                partial.append(f"{name} after kill {k + 1}")
        check(after["Reflex.cfg"] == before["Reflex.cfg"], "Reflex.cfg changed")
    t.recover = _lines(after["recover.dat"])
    print(f"{KILLS} kills, {newer} files found in their new version, {len(partial)} partial, stray files: {sorted(stray)}")
    check(not partial and not stray, f"partial files: {partial}; stray files: {sorted(stray)}")


def a_new_start_recovers_the_last_series_that_ended(t):
    _launch(t)
    t.click(t.find("push button", "Simple"))
    t.click(t.find("push button", "Display", root=t.find("filler", SIMPLE.title)))
    t.shows_runs(t.find("filler", RESULTS["a.nrm"]), [float(v) for v in t.recover[:10]])


if __name__ == "__main__":
    run("kill", CONFIG)
