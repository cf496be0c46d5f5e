"""End-to-end harness: Wine prefixes, Xvfb, the window probe, the operator server and
process helpers for tests of the real executable (see tests/e2e/README.md)."""

import time as _time


def wait_until(predicate, timeout=10, interval=0.1):
    """Polls `predicate` until it returns something true; returns that value, or the last
    (false) value after `timeout` seconds."""
    deadline = _time.monotonic() + timeout
    while True:
        value = predicate()
        if value or _time.monotonic() >= deadline:
            return value
        _time.sleep(interval)
