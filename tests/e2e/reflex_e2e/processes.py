"""Ending what a test or benchmark started, and nothing else.

The process running the tests makes itself a subreaper, so whatever its children leave behind
comes back to it: its own descendants are exactly what it started. Each child also dies with it
(a test killed hard by a time-out must not leave an X server or a bus behind). Processes are
ended by id: SIGTERM, then SIGKILL after a grace period."""

import ctypes
import os
import signal
import time

_PR_SET_PDEATHSIG = 1
_PR_SET_CHILD_SUBREAPER = 36


def die_with_parent():
    """For preexec_fn: the child gets SIGTERM when the process that started it ends."""
    ctypes.CDLL(None).prctl(_PR_SET_PDEATHSIG, signal.SIGTERM)


def become_subreaper():
    ctypes.CDLL(None).prctl(_PR_SET_CHILD_SUBREAPER, 1)


def _parents():
    found = {}
    for entry in os.listdir("/proc"):
        if not entry.isdigit():
            continue
        try:
            with open(f"/proc/{entry}/stat") as f:
                stat = f.read()
        except OSError:
            continue
        # The command name may hold blanks and parentheses: the parent id follows the last ')'.
        found[int(entry)] = int(stat[stat.rindex(")") + 2:].split()[1])
    return found


def descendants_of(pid):
    parents = _parents()
    found, todo = [], [pid]
    while todo:
        parent = todo.pop()
        kids = [p for p, pp in parents.items() if pp == parent]
        found.extend(kids)
        todo.extend(kids)
    return found


def alive(pid):
    try:
        with open(f"/proc/{pid}/stat") as f:
            return f.read().rsplit(")", 1)[1].split()[0] != "Z"
    except OSError:
        return False


def reap():
    while True:
        try:
            pid, _ = os.waitpid(-1, os.WNOHANG)
        except ChildProcessError:
            return
        if pid == 0:
            return


def _signal(pids, sig):
    for pid in pids:
        try:
            os.kill(pid, sig)
        except ProcessLookupError:
            pass


def end(pids, grace=5.0):
    """SIGTERM to each, SIGKILL to those still alive after `grace` seconds; collects them."""
    _signal(pids, signal.SIGTERM)
    deadline = time.monotonic() + grace
    while pids and time.monotonic() < deadline:
        reap()
        pids = [pid for pid in pids if alive(pid)]
        time.sleep(0.05)
    _signal(pids, signal.SIGKILL)


def end_everything_started(first=()):
    """Ends `first` (the programs, which still talk to the desktop), then every other descendant."""
    end(list(first))
    end(descendants_of(os.getpid()))
    time.sleep(0.1)
    reap()
