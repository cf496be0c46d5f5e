"""Fixtures of the end-to-end tests (see README.md in this folder)."""
import os
import shutil
import time

import pytest

from harness import paths
from harness.launcher import Launcher
from harness.operator_server import OperatorServer
from harness.prefix import Prefix, copy_prefix, ensure_template
from harness.probe import Probe
from harness.xserver import Display, safe_name

_timings = {"template": None, "copies": []}
# Prefixes whose server is still shutting down: (prefix, its work folder to delete).
_closing = []


def _reap(block):
    """Deletes the work folders of prefixes whose wineserver has ended."""
    for entry in list(_closing):
        p, work = entry
        if block:
            p.close()
        elif not p.close_done():
            continue
        _closing.remove(entry)
        if work is not None:
            shutil.rmtree(work, ignore_errors=True)


def _pid_alive(pid):
    try:
        os.kill(pid, 0)
        return True
    except ProcessLookupError:
        return False
    except PermissionError:
        return True


def _runs_dir():
    """This session's folder for per-test prefixes; folders of ended sessions go."""
    runs = paths.E2E_DIR / "runs"
    runs.mkdir(parents=True, exist_ok=True)
    for old in runs.iterdir():
        if old.name.isdigit() and not _pid_alive(int(old.name)):
            shutil.rmtree(old, ignore_errors=True)
    mine = runs / str(os.getpid())
    mine.mkdir(exist_ok=True)
    return mine


@pytest.fixture(scope="session")
def display():
    """The session's Xvfb (1280x1024x24, no window manager)."""
    d = Display(paths.E2E_DIR / "logs")
    yield d
    d.close()


@pytest.fixture(scope="session")
def wine_template(display):
    """Path of the cached prefix template, made on first use."""
    paths.ensure_locale()
    template, seconds = ensure_template(display.name)
    _timings["template"] = seconds
    return template


@pytest.fixture(scope="session")
def _runs(wine_template):
    runs = _runs_dir()
    yield runs
    _reap(block=True)
    if not os.environ.get("VELMO_E2E_KEEP"):
        shutil.rmtree(runs, ignore_errors=True)


@pytest.fixture
def prefix(request, wine_template, display, _runs):
    """A fresh copy of the template with its own wineserver, ended at teardown (the
    server's exit is not waited for; its folder goes later). On a failure the test's
    logs are kept under e2e/artifacts/<test>-logs."""
    _reap(block=False)
    work = _runs / f"{safe_name(request.node.name)}-{time.monotonic_ns()}"
    shutil.rmtree(work, ignore_errors=True)
    started = time.monotonic()
    copy_prefix(wine_template, work / "prefix")
    _timings["copies"].append(time.monotonic() - started)
    p = Prefix(work / "prefix", display.name)
    yield p
    p.begin_close()
    report = getattr(request.node, "rep_call", None)
    if report is not None and report.failed:
        dest = paths.ARTIFACTS / f"{safe_name(request.node.name)}-logs"
        shutil.rmtree(dest, ignore_errors=True)
        shutil.copytree(p.logs, dest)
    _closing.append((p, None if os.environ.get("VELMO_E2E_KEEP") else work))


@pytest.fixture
def probe(prefix):
    return Probe(prefix)


@pytest.fixture
def operator_server():
    server = OperatorServer()
    yield server
    server.close()


@pytest.fixture
def launcher(prefix, operator_server):
    """Starts the executable in the test's prefix with velmo-test.ini pointing at the
    test's operator server; kills what is still running at teardown."""
    lr = Launcher(prefix, operator_server)
    yield lr
    lr.close()


@pytest.fixture
def screenshot(request, display):
    """screenshot(label=None, rect=None): keeps a named screenshot of the screen (or of
    the rectangle [l, t, r, b])."""
    return lambda label=None, rect=None: display.artifact(request.node.name, label, rect)


@pytest.hookimpl(hookwrapper=True, tryfirst=True)
def pytest_runtest_makereport(item, call):
    outcome = yield
    report = outcome.get_result()
    setattr(item, "rep_" + report.when, report)
    # Before teardown, while the windows of the failed test still exist.
    if report.failed and report.when in ("setup", "call") and "display" in item.fixturenames:
        d = item.funcargs.get("display")
        if d is not None:
            d.artifact(item.name, "failed")


def pytest_terminal_summary(terminalreporter):
    copies = _timings["copies"]
    if _timings["template"] is None:
        return
    made = _timings["template"]
    text = f"wine prefix template: {'%.1f s to make' % made if made else 'cached'}"
    if copies:
        text += (f"; per-test copy: mean {sum(copies) / len(copies):.2f} s, "
                 f"max {max(copies):.2f} s over {len(copies)} tests")
    terminalreporter.write_line(text)
