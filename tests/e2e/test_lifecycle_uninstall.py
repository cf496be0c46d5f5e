"""Uninstallation: "/uninst" with "是" removes the registry key and the shortcuts, reports,
shows its final message, and a batch file deletes the executable after the process ended."""
import time

from harness.launcher import INSTALL_FOLDER, SETTINGS_KEY, operator_settings
from harness.operator_server import Response
from lifecycle_support import (ALL_LINKS, REPORT_QUERY, START_MENU_FOLDER,
                               prepare_install_folder, read_settings)

INSTALLED = INSTALL_FOLDER + r"\VelmoTarvik.exe"
# The box's first button: "是" in the confirmation, "确定" in the final message.
FIRST_BUTTON = 5000
SECOND_BUTTON = 5001


def _install(prefix, launcher, server):
    for path in ("/install.htm", "/active.htm", "/uninstall.htm"):
        server.route(path, Response(body=b"ok"))
    prepare_install_folder(prefix, operator_settings(server))
    assert launcher.run(timeout=90).returncode == 0
    # The installed copy the installer started is not part of these tests: end it.
    prefix.close()
    assert all(prefix.host_path(link).is_file() for link in ALL_LINKS)


def _box(probe, timeout=30):
    box = probe.wait_window(cls="#32770", text="Velmo - Tarvik", exe="VelmoTarvik.exe",
                            timeout=timeout)
    if box is None:
        return None
    return box, [w for w in probe.windows(exe="VelmoTarvik.exe") if w["parent"] == box["hwnd"]]


def _click(display, window):
    left, top, right, bottom = window["rect"]
    display.click((left + right) // 2, (top + bottom) // 2)


def _wait_gone(path, timeout):
    deadline = time.monotonic() + timeout
    while path.exists() and time.monotonic() < deadline:
        time.sleep(0.2)
    return not path.exists()


def _answer_yes_then_ok(probe, display, before_yes=None, while_final=None):
    """Answers "是" in the confirmation, then (after while_final) "确定" in the final message."""
    found = _box(probe)
    assert found is not None, "no confirmation box"
    box, children = found
    yes = [c for c in children if c["id"] == FIRST_BUTTON]
    assert yes, f"no button {FIRST_BUTTON} in {children}"
    if before_yes:
        before_yes()
    probe.foreground(box["hwnd"])
    _click(display, yes[0])
    assert probe.wait_gone(box["hwnd"], timeout=15)

    final = _box(probe)
    assert final is not None, "no final message"
    if while_final:
        while_final()
    ok = [c for c in final[1] if c["id"] == FIRST_BUTTON]
    assert ok, f"no button {FIRST_BUTTON} in {final[1]}"
    probe.foreground(final[0]["hwnd"])
    _click(display, ok[0])


def _confirm_and_finish(prefix, launcher, operator_server, probe, display, before_yes=None):
    """Starts "/uninst" on the installed copy, answers "是", checks what has happened by the
    time the final message shows, closes it; returns the process after its end."""
    uninstaller = launcher.start("/uninst", exe=prefix.host_path(INSTALLED))

    def while_final():
        # The final message is shown after the report has been handed over.
        reports = operator_server.wait_for("/uninstall.htm", timeout=30)
        assert [r.raw_query for r in reports] == [REPORT_QUERY.format(1)]
        assert reports[0].header("User-Agent") == "NQV"
        assert not probe.registry(SETTINGS_KEY)["exists"]
        for link in ALL_LINKS:
            assert not prefix.host_path(link).exists(), link
        assert not prefix.host_path(START_MENU_FOLDER).exists()
        # The batch file runs already, but the executable is in use until the process ends.
        time.sleep(2)
        assert prefix.host_path(INSTALLED).is_file()

    _answer_yes_then_ok(probe, display, before_yes, while_final)
    assert uninstaller.wait(30) == 0
    return uninstaller


def _temp_folder(prefix):
    users = prefix.host_path(r"C:\users")
    return next(p / "Temp" for p in users.iterdir() if p.name != "Public" and (p / "Temp").is_dir())


def test_uninstall_keeps_folder_with_settings(prefix, launcher, operator_server, probe, display):
    _install(prefix, launcher, operator_server)
    _confirm_and_finish(prefix, launcher, operator_server, probe, display)

    folder = prefix.host_path(INSTALL_FOLDER)
    assert _wait_gone(folder / "VelmoTarvik.exe", 30)
    time.sleep(2)
    # The settings file kept its counters, and so the folder stays.
    assert read_settings(prefix).get("UnInst") == "1"
    assert folder.is_dir()
    # The batch file deleted itself; the empty file the unique name came from stays.
    temp = _temp_folder(prefix)
    assert not list(temp.glob("Del*.tmp.bat"))
    assert list(temp.glob("Del*.tmp"))


def test_uninstall_removes_folder_that_held_only_the_executable(
        prefix, launcher, operator_server, probe, display):
    _install(prefix, launcher, operator_server)
    folder = prefix.host_path(INSTALL_FOLDER)

    def leave_only_the_executable():
        # The running copy has read its test configuration; the folder now holds only it.
        for name in ("velmo-test.ini", "Statistic.ini"):
            (folder / name).unlink(missing_ok=True)
        assert [p.name for p in folder.iterdir()] == ["VelmoTarvik.exe"]

    _confirm_and_finish(prefix, launcher, operator_server, probe, display,
                        before_yes=leave_only_the_executable)
    # The counter written after the batch file was started goes with the folder.
    assert _wait_gone(folder, 30), sorted(p.name for p in folder.iterdir())
    assert prefix.host_path(r"C:\ProgramData\Velmo").is_dir()


def test_batch_file_deletes_a_folder_named_in_chinese_with_percent_signs(
        prefix, launcher, operator_server, probe, display):
    # The batch file is in code page 936, and cmd would expand "%PATH%" unless doubled.
    operator_server.route("/uninstall.htm", Response(body=b"ok"))
    windows_folder = r"C:\users\Public\游戏 100%PATH%"
    exe = launcher.install_copy(folder=windows_folder)
    folder = exe.parent

    def leave_only_the_executable():
        (folder / "velmo-test.ini").unlink()

    uninstaller = launcher.start("/uninst", exe=exe)
    _answer_yes_then_ok(probe, display, before_yes=leave_only_the_executable)
    assert uninstaller.wait(30) == 0
    assert _wait_gone(folder, 30), sorted(p.name for p in folder.iterdir())


def test_answering_no_removes_nothing_and_reports_nothing(prefix, launcher, operator_server,
                                                          probe, display):
    _install(prefix, launcher, operator_server)
    uninstaller = launcher.start("/uninst", exe=prefix.host_path(INSTALLED))
    found = _box(probe)
    assert found is not None, "no confirmation box"
    box, children = found
    no = [c for c in children if c["id"] == SECOND_BUTTON]
    assert no, f"no button {SECOND_BUTTON} in {children}"
    probe.foreground(box["hwnd"])
    _click(display, no[0])
    # The click must have arrived: the process ends without a final message.
    assert uninstaller.wait(30) == 0
    time.sleep(2)
    assert not operator_server.requests_for("/uninstall.htm")
    assert probe.registry(SETTINGS_KEY)["exists"]
    for link in ALL_LINKS:
        assert prefix.host_path(link).is_file(), link
    assert prefix.host_path(INSTALLED).is_file()
    assert "UnInst" not in read_settings(prefix)
