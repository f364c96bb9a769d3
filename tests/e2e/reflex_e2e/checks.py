"""Failing a step with a message that says what was wrong or awaited."""

import time


class Failure(AssertionError):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


def wait_for(probe, timeout, what, interval=0.05):
    """Polls probe until it returns something true; fails naming what was awaited."""
    deadline = time.monotonic() + timeout
    while True:
        result = probe()
        if result:
            return result
        if time.monotonic() >= deadline:
            raise Failure(f"timed out after {timeout:g} s waiting for {what}")
        time.sleep(interval)
