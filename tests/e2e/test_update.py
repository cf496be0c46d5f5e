"""Self-update: a "/RendoD" start from the installation folder checks the update
configuration, downloads the published release under the progress dialog, checks its
digest against the key, swaps the executables and starts the new one."""
import datetime
import hashlib
import struct
import time

import pytest

from harness import paths
from harness.launcher import INSTALL_FOLDER, SETTINGS_KEY
from harness.operator_server import Response
from lifecycle_support import read_settings

SESSION_MANAGER = r"HKLM\System\CurrentControlSet\Control\Session Manager"
CONFIG = "/update/ConfigRendo.htm"
RELEASE = "/update/VelmoTarvik.exe"
WM_COMMAND, IDCANCEL = 0x111, 2


def release_key(data):
    return hashlib.md5(data).hexdigest()[:28] + "3001"


def config(key, address):
    return f"[VerKey]\r\nRendo={key}\r\nUpdAddr={address}\r\n".encode("ascii")


@pytest.fixture
def old_exe():
    return paths.EXE.read_bytes()


@pytest.fixture
def new_exe(old_exe):
    # Another release: the same program with other bytes at its end.
    return old_exe + b"\0release-3.0.0.2\0"


@pytest.fixture
def installed(prefix, launcher, operator_server):
    """The executable laid out in the installation folder with its velmo-test.ini."""
    operator_server.route("/active.htm", Response(body=b"ok"))
    exe = launcher.install_copy(folder=INSTALL_FOLDER)
    return exe


def pending_deletions(probe):
    values = probe.registry(SESSION_MANAGER).get("values", {})
    return values.get("PendingFileRenameOperations", {}).get("data", "").lower()


def state_value(probe, name):
    value = probe.registry(SETTINGS_KEY).get("values", {}).get(name)
    return bytes.fromhex(value["data"]) if value else None


def wait_start_counted(prefix, count=1, timeout=60):
    """Waits until the start counter `Game` reaches `count`: the start has gone past the
    update step (its report may be cut off when the process ends first)."""
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        if read_settings(prefix).get("Game") == str(count):
            return True
        time.sleep(0.2)
    return False


def set_state(prefix, name, data):
    code, _ = prefix.run(["reg", "add", SETTINGS_KEY, "/v", name, "/t", "REG_BINARY",
                          "/d", data.hex(), "/f"])
    assert code == 0


def utc_now_systemtime():
    now = datetime.datetime.now(datetime.timezone.utc)
    weekday = (now.weekday() + 1) % 7  # SYSTEMTIME: 0 = Sunday
    return struct.pack("<8H", now.year, now.month, weekday, now.day, now.hour, now.minute,
                       now.second, 0), weekday


def test_rendod_start_swaps_in_the_published_release(
        prefix, launcher, installed, operator_server, probe, old_exe, new_exe, screenshot):
    operator_server.route(CONFIG, Response(body=config(release_key(new_exe),
                                                       operator_server.url(RELEASE))))
    # Slow enough for the progress dialog to be seen.
    operator_server.route(RELEASE, Response(body=new_exe, delay=2))
    before = datetime.datetime.now(datetime.timezone.utc).date()

    proc = launcher.start("/RendoD", exe=installed)
    # The probe starts once the launcher runs: two first Wine starts in a fresh prefix race.
    assert operator_server.wait_for(CONFIG, timeout=60)
    dialog = probe.wait_window(cls="#32770", exe="VelmoTarvik.exe", timeout=30)
    assert dialog is not None, "no progress dialog"
    screenshot("progress")
    # Skinned: no frame of its own, a progress control 1000 inside. (Wine does not show
    # WS_EX_TOPMOST for it, so that is not checked here.)
    assert not dialog["style"] & 0x00C00000  # WS_CAPTION
    bars = probe.windows(cls="msctls_progress32", exe="VelmoTarvik.exe")
    assert [b["id"] for b in bars if b["parent"] == dialog["hwnd"]] == [1000]
    assert proc.wait(90) == 0

    folder = installed.parent
    assert (folder / "VelmoTarvik.exe").read_bytes() == new_exe
    assert (folder / "OldRendo.exe").read_bytes() == old_exe
    assert not (folder / "NewRendo.exe").exists()
    assert not (folder / "ConfigRendo.htm").exists()
    assert "oldrendo.exe" in pending_deletions(probe)
    assert [r.path for r in operator_server.requests if r.path.startswith("/update/")] == [
        CONFIG, RELEASE]
    assert operator_server.requests_for(RELEASE)[0].header("User-Agent") == "NQV"

    year, month, _, day = struct.unpack("<4H", state_value(probe, "UpdTime")[:8])
    after = datetime.datetime.now(datetime.timezone.utc).date()
    assert datetime.date(year, month, day) in (before, after)
    # The new executable runs without arguments (mode 3) and counts its start; the
    # updating run itself counted nothing.
    assert wait_start_counted(prefix)


@pytest.mark.parametrize("case", ["same-key-other-case", "updated-today", "disabled-weekday",
                                  "update-switch-today"])
def test_throttle_and_equal_key(case, prefix, launcher, installed, operator_server, probe,
                                old_exe):
    key = release_key(old_exe)
    if case == "same-key-other-case":
        key = key.upper()
    operator_server.route(CONFIG, Response(body=config(key, operator_server.url(RELEASE))))
    operator_server.route(RELEASE, Response(body=old_exe))
    today, weekday = utc_now_systemtime()
    if case in ("updated-today", "update-switch-today"):
        set_state(prefix, "UpdTime", today)
    if case == "disabled-weekday":
        set_state(prefix, "DisableDays", bytes([(weekday + 3) % 7, weekday, (weekday + 3) % 7, 0]))

    switch = "/update" if case == "update-switch-today" else "/RendoD"
    proc = launcher.start(switch, exe=installed)
    if case == "update-switch-today":
        # "/update" fetches whatever the throttle says, and then always downloads.
        assert operator_server.wait_for(RELEASE, timeout=60)
        proc.wait(60)
        assert [r.path for r in operator_server.requests if r.path.startswith("/update/")] == [
            CONFIG, RELEASE]
        return
    # The start counter follows the update check: the check is over by then.
    assert wait_start_counted(prefix)
    fetched = [r.path for r in operator_server.requests if r.path.startswith("/update/")]
    assert fetched == ([CONFIG] if case == "same-key-other-case" else [])
    assert (installed.parent / "VelmoTarvik.exe").read_bytes() == old_exe
    assert state_value(probe, "UpdTime") == (today if case == "updated-today" else None)
    assert proc.returncode in (None, 0)  # still running its host window, or ended cleanly


@pytest.mark.parametrize("case", ["digest-differs", "error-page-with-length", "short-body",
                                  "outside-operator-domains"])
def test_bad_download_keeps_the_old_executable_running(
        case, prefix, launcher, installed, operator_server, probe, old_exe, new_exe):
    address = operator_server.url(RELEASE)
    if case == "outside-operator-domains":
        # The same server by another name: refused before any request is sent.
        address = f"http://localhost:{operator_server.port}{RELEASE}"
    operator_server.route(CONFIG, Response(body=config(release_key(new_exe), address)))
    served = {
        "digest-differs": Response(body=new_exe[:-1] + b"X"),
        "error-page-with-length": Response(status=500, body=b"<html>500 Internal Error</html>"),
        "short-body": Response(body=new_exe[:20000], content_length=len(new_exe)),
        "outside-operator-domains": Response(body=new_exe),
    }[case]
    operator_server.route(RELEASE, served)

    proc = launcher.start("/RendoD", exe=installed)
    # The start goes on with the old executable.
    assert wait_start_counted(prefix, timeout=90)
    assert len(operator_server.requests_for(RELEASE)) == (
        0 if case == "outside-operator-domains" else 1)
    folder = installed.parent
    assert (folder / "VelmoTarvik.exe").read_bytes() == old_exe
    assert not (folder / "OldRendo.exe").exists()
    assert "newrendo.exe" in pending_deletions(probe)
    assert state_value(probe, "UpdTime") is None
    assert proc.returncode in (None, 0)  # still running its host window, or ended cleanly


def test_cancel_ends_the_dialog_and_the_start_goes_on(
        prefix, launcher, installed, operator_server, probe, old_exe, new_exe):
    operator_server.route(CONFIG, Response(body=config(release_key(new_exe),
                                                       operator_server.url(RELEASE))))
    # A download that hangs after its first bytes.
    operator_server.route(RELEASE, Response(body=new_exe, stall=60, stall_after=4096))
    proc = launcher.start("/RendoD", exe=installed)
    # The probe starts once the launcher runs: two first Wine starts in a fresh prefix race.
    assert operator_server.wait_for(CONFIG, timeout=60)
    dialog = probe.wait_window(cls="#32770", exe="VelmoTarvik.exe", timeout=30)
    assert dialog is not None
    assert operator_server.wait_for(RELEASE, timeout=30)
    cancelled = time.monotonic()
    probe.post(dialog["hwnd"], WM_COMMAND, IDCANCEL)
    assert probe.wait_gone(dialog["hwnd"], timeout=15)
    assert time.monotonic() - cancelled < 15
    assert wait_start_counted(prefix, timeout=30)
    folder = installed.parent
    assert (folder / "VelmoTarvik.exe").read_bytes() == old_exe
    assert (folder / "NewRendo.exe").exists()  # the partial file stays until the restart
    assert "newrendo.exe" in pending_deletions(probe)
    assert proc.returncode in (None, 0)  # still running its host window, or ended cleanly
