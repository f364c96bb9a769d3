"""Ending what a test or benchmark started, and nothing else.

The process running the tests makes itself a subreaper, so whatever its children leave behind comes
back to it: its own descendants are exactly what it started. Each child also dies with it (a test
killed hard by a time-out must not leave an X server or a bus behind). Processes are ended by id:
SIGTERM, then SIGKILL after a grace period."""

import contextlib
import ctypes
import os
import signal
import time


def die_with_parent():
    """For preexec_fn: the child gets SIGTERM when the process that started it ends."""
    ctypes.CDLL(None).prctl(1, signal.SIGTERM)  # PR_SET_PDEATHSIG


def become_subreaper():
    ctypes.CDLL(None).prctl(36, 1)  # PR_SET_CHILD_SUBREAPER


def _stat(pid):
    """The fields after the command name, which may hold blanks and parentheses: state, parent, ..."""
    with contextlib.suppress(OSError), open(f"/proc/{pid}/stat") as f:
        return f.read().rsplit(")", 1)[1].split()


def descendants_of(pid):
    parents = {int(p): int(s[1]) for p in os.listdir("/proc") if p.isdigit() and (s := _stat(p))}
    found, todo = [], [pid]
    while todo:
        pid = todo.pop()
        kids = [p for p, parent in parents.items() if parent == pid]
        found += kids
        todo += kids
    return found


def reap():
    with contextlib.suppress(ChildProcessError):
        while os.waitpid(-1, os.WNOHANG)[0]:
            pass


def end(pids, grace=5.0):
    """SIGTERM to each, SIGKILL to those still alive after `grace` seconds; collects them."""
    for sig in (signal.SIGTERM, signal.SIGKILL):
        for pid in pids:
            with contextlib.suppress(ProcessLookupError):
                os.kill(pid, sig)
        deadline = time.monotonic() + grace
        while pids and time.monotonic() < deadline:
            reap()
            pids = [pid for pid in pids if (s := _stat(pid)) and s[0] != "Z"]
            time.sleep(0.05)


def end_everything_started(first=()):
    """Ends `first` (the programs, which still talk to the desktop), then every other descendant."""
    end(list(first))
    end(descendants_of(os.getpid()))
    reap()
