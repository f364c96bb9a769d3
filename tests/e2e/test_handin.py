"""A lab with a hand-in folder: the program started with --hand-in, a simple series with real presses and Save
in its results window; recover.dat and the .nrm reach <hand-in>/<login name>/ (every kind of file goes in by the
one writer: tst_handin, handin/test_concurrent.py; the teacher's brevane-summary --watch: tst_summary). Then the
faults, one save each while the program runs: the folder gone, read-only, and a mount that does not answer (a
FUSE mount whose server never replies, as a hung network share). Each time the local file is saved, the window
answers, a notice names the reason, and the next save hands in what was left. (A full share fails in the one atomic
save that a full local disk does: tst_results.) The mounts need root; without it those two faults are skipped.
Usage: test_handin.py <brevane binary>"""

import contextlib
import os
import pwd
import shutil
import subprocess
import tempfile

import test_series as series
from brevane_e2e import check, run, wait_for

LOGIN = pwd.getpwuid(os.getuid()).pw_name
ROOT = os.geteuid() == 0


def _prepare(t):
    t.outside = tempfile.mkdtemp(prefix="brevane-share-")  # not beside the work folder: its dialogs look there
    t.share = os.path.join(t.outside, "share")
    os.makedirs(t.share)
    settings = os.path.join(t.session.env["XDG_CONFIG_HOME"], "Brevane")
    os.makedirs(settings)
    with open(os.path.join(settings, "Brevane.conf"), "w") as f:
        f.write("[HandIn]\nTimeLimit=3\n")  # the folder itself comes from the command line
    t.args = ("--hand-in", t.share)


def _handed(t, name):
    return os.path.join(t.share, LOGIN, name)


def _same(t, name, local=None):
    """Waits for the handed-in copy of a file to read as the local one."""
    def same():
        with contextlib.suppress(OSError), open(_handed(t, name), "rb") as h, open(t.file(local or name), "rb") as f:
            return h.read() == f.read()
    wait_for(same, 30, f"{name} handed in as saved")


def _save(t, name):
    t.click(t.find("push button", "Save", root=t.results))
    t.choose_file("Normal Reflex Data Files", t.file(name))
    wait_for(lambda: os.path.exists(t.file(name)), 30, f"{name} saved here")


def _notice(t, reason):
    alert = t.find("alert", "Hand-in", timeout=60)
    said = " ".join(n.name for n in t.all("label", root=alert))
    check(reason in said and t.share in said, f"the notice says {said!r}")
    t.click(t.find("push button", "OK", root=alert))
    t.gone("alert", "Hand-in")


def a_simple_series_hands_in_recover_dat(t):
    series.simple_then_start_puts_the_pointer_on_the_left_target(t)
    series.each_press_on_the_target_counts_one_run_until_the_series_ends(t)
    # No compositor here: each stimulus is stamped by the X server's Present completion, exact.
    named = {(r["source"], r["exact"]) for r in t.trace()}
    check(named == {("present", "exact")}, f"on the bare X server the trace names {named}")
    _same(t, "recover.dat")
    modes = [os.stat(p).st_mode & 0o777 for p in (os.path.join(t.share, LOGIN), _handed(t, "recover.dat"))]
    check(modes == [0o750, 0o640], f"the student's folder and file have modes {modes}: others may read them")


def save_in_the_simple_results_window_hands_in_the_nrm(t):
    t.click(t.find("push button", "Display", root=t.window))
    t.results = t.find("filler", series.RESULTS.title)
    _save(t, "anna.nrm")
    _same(t, "anna.nrm")
    check(sorted(os.listdir(os.path.join(t.share, LOGIN))) == ["anna.nrm", "recover.dat"],
          f"the student's folder holds {os.listdir(os.path.join(t.share, LOGIN))}")


def _fault(t, name, reason, begin, end):
    """One save under a fault: saved here, told, and handed in with the next save once the fault is gone."""
    begin()
    try:
        _save(t, name)
        _notice(t, reason)
    finally:
        end()
    _save(t, "after-" + name)
    _same(t, name)
    _same(t, "after-" + name)


def a_missing_hand_in_folder_is_told_and_the_next_save_hands_in(t):
    away = t.share + ".away"
    _fault(t, "missing.nrm", "the hand-in folder is missing", lambda: os.rename(t.share, away),
           lambda: os.rename(away, t.share))


def _mount(*args):
    subprocess.run(["mount", *args], check=True, timeout=30)


def _umount(path):
    subprocess.run(["umount", "-l", path], check=True, timeout=30)


def a_read_only_share_is_told_and_the_next_save_hands_in(t):
    if not ROOT:
        return print("skipped: mounting a read-only share needs root")
    _fault(t, "readonly.nrm", "Read-only file system",
           lambda: (_mount("--bind", t.share, t.share), _mount("-o", "remount,bind,ro", t.share)),
           lambda: _umount(t.share))


def a_share_that_hangs_leaves_the_window_answering_and_the_next_save_hands_in(t):
    if not ROOT:
        return print("skipped: mounting a share that hangs needs root")
    fuse = os.open("/dev/fuse", os.O_RDWR)  # the server of this mount, which never answers
    subprocess.run(["mount", "-t", "fuse", "-o", f"fd={fuse},rootmode=40000,user_id=0,group_id=0",
                    "brevane-hung", t.share], check=True, timeout=30, pass_fds=[fuse])
    try:
        _save(t, "hung.nrm")  # the local save is done while the copy hangs
        # The windows go on answering meanwhile (pressed through accessibility: the notice may come up anywhere).
        t.press("Done", root=t.results)
        t.press("Display", root=t.find("filler", series.SIMPLE.title))
        t.results = t.find("filler", series.RESULTS.title)
        _notice(t, "did not answer")
    finally:
        os.close(fuse)  # the connection goes with its server: what hung now fails
        _umount(t.share)
    _save(t, "after-hung.nrm")
    _same(t, "hung.nrm")
    _same(t, "after-hung.nrm")


def exit_ends_the_program(t):
    t.click(t.find("push button", "Done", root=t.results))
    t.click(t.find("push button", "Done", root=t.window))
    t.exit_program("Are you sure you want to exit?")
    shutil.rmtree(t.outside, ignore_errors=True)


if __name__ == "__main__":
    run("handin", series.CONFIG, prepare=_prepare)
