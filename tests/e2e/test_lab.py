"""A lab the teacher runs: the lab's file (named in BREVANE_LAB_FILE, which the program heeds only on a machine without
/etc/xdg/Brevane/Brevane.conf) names a class configuration on the share, of three runs a set, and locks the
settings; the student's own Brevane.conf tries to lift the lock and name another configuration, and is not heeded.
The program shows the class's runs per set; Settings shows them read-only and refuses OK, Save, Load and Reset, each
with the lab's sentence read over AT-SPI; a series runs the class's three runs; the about box names the class
configuration. Then the teacher's --unlock, as a member of the lab's group of teachers: the fields may be edited and
Save writes a file. (An --unlock by anyone else is refused: tst_commandline's and tst_startup's labSettings.)
Usage: test_lab.py <brevane binary>"""

import grp
import os
import shutil
import sys
import tempfile

import test_series as series
from brevane_e2e import CONFIG_HEADER, DEFAULT_CONFIG, check, run

SETTINGS = "Brevane Settings"
TEACHERS = grp.getgrgid(os.getgid()).gr_name  # a group the user is in, locked out all the same without --unlock


def _prepare(t):
    t.outside = tempfile.mkdtemp(prefix="brevane-lab-")
    t.lab, t.class_cfg = os.path.join(t.outside, "Brevane.conf"), os.path.join(t.outside, "share", "class.cfg")
    os.makedirs(os.path.dirname(t.class_cfg))
    with open(t.class_cfg, "wb") as f:
        f.write("".join(f"{v}\r\n" for v in [CONFIG_HEADER, *series.CONFIG]).encode("ascii"))
    with open(t.lab, "w") as f:
        f.write(f"[Lab]\nConfiguration={t.class_cfg}\nLockSettings=true\nTeachers={TEACHERS}\n")
    settings = os.path.join(t.session.env["XDG_CONFIG_HOME"], "Brevane")
    os.makedirs(settings)
    with open(os.path.join(settings, "Brevane.conf"), "w") as f:  # a student's try at lifting the lock
        f.write(f"[Lab]\nLockSettings=false\nConfiguration={t.file('Reflex.cfg')}\n")
    t.env["BREVANE_LAB_FILE"] = t.lab


def the_simple_test_shows_the_class_runs_per_set(t):
    t.click(t.find("push button", "Simple", timeout=60))
    t.window = t.find("filler", series.SIMPLE.title)
    check(t.value("Run Count", t.window) == f"   {series.RUNS:02d}", t.value("Run Count", t.window))


def settings_show_the_class_configuration_and_refuse_ok_save_load_and_reset(t):
    t.click(t.find("push button", "Options", root=t.window))
    t.dialog = t.find("filler", SETTINGS)
    runs = t.find("text", "Runs Per Set", root=t.dialog)
    check(runs.queryText().getText(0, -1) == str(series.RUNS), "the dialog shows the class's runs per set")
    for node in (runs, t.find("radio button", "Fixed Interval", root=t.dialog)):
        check(not node.getState().contains(t.pyatspi.STATE_SENSITIVE), f"{node.name} may be edited")
    for command in ("OK", "Save", "Load", "Reset"):
        t.click(t.find("push button", command, root=t.dialog))
        alert = t.find("alert", "Settings Locked")
        said = " ".join(n.name for n in t.all("label", root=alert))
        check(f"locked by the lab (LockSettings in {t.lab})" in said and f"group {TEACHERS}" in said, said)
        t.click(t.find("push button", "OK", root=alert))
        t.gone("alert", "Settings Locked")
        check(not t.all("dialog"), f"{command} opened a dialog")
    t.click(t.find("push button", "Cancel", root=t.dialog))
    t.gone("filler", SETTINGS)


def a_series_runs_the_class_configuration(t):
    t.window = t.find("filler", series.SIMPLE.title)  # back from the settings
    t.start_series(t.window)
    series.each_press_on_the_target_counts_one_run_until_the_series_ends(t)
    times = t.lines("recover.dat")[0:10]
    check(sum(float(v) > 0 for v in times) == series.RUNS, f"set 1 of recover.dat holds {times}")
    check(not os.path.exists(t.file("Reflex.cfg.bad")) and len(t.lines("Reflex.cfg")) == 49, "Reflex.cfg was touched")


def the_about_box_names_the_class_configuration(t):
    t.click(t.find("push button", "Done", root=t.window))
    t.click(t.find("push button", "About"))
    about = t.find("dialog", "About Brevane")
    named = [n.name for n in t.all("label", root=about) if n.name.startswith("Configuration:")]
    check(named == [f"Configuration: the class configuration {t.class_cfg}, locked by the lab"], f"{named}")
    t.click(t.find("push button", "OK", root=about))
    t.gone("dialog", "About Brevane")
    t.exit_program("Data NOT saved!\nAre you sure you want to exit?")


def the_teachers_unlock_lets_the_settings_be_saved(t):
    t.program, t._app = t.session.launch(t.binary, t.work, ("--unlock",), env={"BREVANE_LAB_FILE": t.lab}), None
    t.click(t.find("push button", "Options", timeout=60))
    t.dialog = t.find("filler", SETTINGS)
    runs = t.find("text", "Runs Per Set", root=t.dialog)
    check(runs.getState().contains(t.pyatspi.STATE_SENSITIVE) and runs.queryText().getText(0, -1) == str(series.RUNS),
          "the unlocked dialog lets the class's runs per set be edited")
    t.click(t.find("push button", "Save", root=t.dialog))
    t.choose_file("Save Configuration File", t.file("class-copy.cfg"))
    saved = t.lines("class-copy.cfg")
    check(saved == [CONFIG_HEADER, *(str(v) for i, v in enumerate(series.CONFIG) if i not in (5, 26, 47))],
          f"class-copy.cfg: {saved}")
    t.click(t.find("push button", "OK", root=t.dialog))
    t.gone("filler", SETTINGS)
    t.exit_program("Are you sure you want to exit?")
    shutil.rmtree(t.outside, ignore_errors=True)


if __name__ == "__main__":
    if os.path.exists("/etc/xdg/Brevane/Brevane.conf"):  # the program reads that one, and rightly so
        print("skipped: this machine has a lab's file of its own, which BREVANE_LAB_FILE does not override")
        sys.exit(0)
    run("lab", DEFAULT_CONFIG, prepare=_prepare)
