"""Failing a step with a message that says what was wrong or awaited."""

import time


class Failure(AssertionError):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


def wait_for(probe, timeout, what, interval=0.05):
    """Polls probe until it returns something true, and returns that; fails naming what was awaited."""
    deadline = time.monotonic() + timeout
    while not (result := probe()):
        check(time.monotonic() < deadline, f"timed out after {timeout:g} s waiting for {what}")
        time.sleep(interval)
    return result


def never(probe, seconds, what):
    """Watches for `seconds` for something that must not happen, and fails as soon as it does."""
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        check(not probe(), what)
        time.sleep(0.05)
