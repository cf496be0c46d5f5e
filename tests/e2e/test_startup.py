"""Start-up of the real executable under wine64: short-lived modes end cleanly, malformed
game-process arguments end the process before any window exists, and a crash leaves one
dump beside the executable."""
import pytest

from harness import wait_until
from harness.operator_server import Response

EXE = "VelmoTarvik.exe"


def dumps(folder):
    return sorted(p.name for p in folder.iterdir() if ".dmp" in p.name)


def test_prefix_is_a_chinese_players_machine(probe):
    info = probe.info()
    assert info["acp"] == 936
    assert info["screen"] == [1280, 1024]
    fonts = probe.registry(r"HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes")
    for face in ("微软雅黑", "MS Shell Dlg", "MS Shell Dlg 2"):
        assert fonts["values"][face]["data"] == "WenQuanYi Micro Hei"
    aedebug = probe.registry(r"HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug")
    assert aedebug["values"]["Auto"]["data"] == "1"
    assert aedebug["values"]["Debugger"]["data"] == ""


def test_zurav_opens_the_game_hall_and_reports_before_it_ends(prefix, launcher, probe,
                                                               operator_server):
    # The answer is held back: the process must wait for its report, not just send it.
    operator_server.route("/active.htm", Response(body=b"ok", delay=1.5))
    watch = probe.start_watch(EXE, timeout=20)
    proc = launcher.start("/zurav")  # switches compare case-insensitively
    assert proc.wait(20) == 0
    result = watch.result()
    # Without having seen the process, an empty list of shown windows would prove nothing.
    assert result["seen_process"] and result["ended"]
    shown = result["shown"]
    assert proc.elapsed() >= 1.5
    requests = operator_server.requests
    assert [r.path for r in requests] == ["/active.htm"]
    assert requests[0].query_value("tag") == "vazuzid"
    assert shown == []
    assert dumps(proc.folder) == []
    assert wait_until(prefix.opened_urls, timeout=5) == [operator_server.url("/lumrix/")]


def test_first_start_outside_the_installation_folder_ends_cleanly(launcher, operator_server):
    proc = launcher.start()
    assert proc.wait(20) == 0
    assert proc.elapsed() < 10
    assert dumps(proc.folder) == []
    # It waited for its installation report; its update check answers no without asking.
    reports = operator_server.requests_for("/install.htm")
    assert [r.query_value("tag") for r in reports] == ["rendo"]
    assert not [r.path for r in operator_server.requests if r.path.startswith("/update")]


@pytest.mark.parametrize("folder", [
    r"C:\ProgramData\Velmo\GameLogin",
    r"C:\ProgramData\Velmo\GameLogin\子目录",
], ids=["installation-folder", "chinese-subfolder"])
def test_start_from_inside_the_installation_folder_counts_a_start(launcher, operator_server,
                                                                  folder):
    launcher.start(folder=folder)
    starts = operator_server.wait_for("/active.htm", timeout=20)
    assert [r.query_value("tag") for r in starts] == ["rendo"]
    assert not operator_server.requests_for("/install.htm")
    assert not [r.path for r in operator_server.requests if r.path.startswith("/update")]


LONG_DIGITS = "/" + "7" * 4000

BAD_GAME_ARGUMENTS = {
    "newgm-missing": ["/newgm"],
    "newgm-index-missing": ["/newgm", "/1234"],
    "newgm-empty": ["/newgm", "/", "/"],
    "newgm-non-numeric": ["/newgm", "/abc", "/1"],
    "newgm-index-non-numeric": ["/newgm", "/1234", "/x"],
    "newgm-handle-16-chars": ["/newgm", "/123456789012345", "/1"],
    "newgm-index-8-chars": ["/newgm", "/1234", "/1234567"],
    "newgm-zero-handle": ["/NEWGM", "/0", "/1"],
    "newgm-few-thousand-chars": ["/newgm", LONG_DIGITS, "/1"],
    "newgm-long-argument-list": ["/newgm", "/abc"] + ["/1"] * 2000,
    "gmhall-missing": ["/gmhall"],
    "gmhall-empty": ["/gmhall", "/"],
    "gmhall-non-numeric": ["/gmhall", "/abc"],
    "gmhall-zero-handle": ["/gmhall", "/0"],
    "gmhall-handle-16-chars": ["/gmhall", "/123456789012345"],
    "gmhall-few-thousand-chars": ["/gmhall", LONG_DIGITS],
}


@pytest.mark.parametrize("args", BAD_GAME_ARGUMENTS.values(), ids=BAD_GAME_ARGUMENTS.keys())
def test_malformed_game_process_arguments_end_before_any_window(launcher, probe,
                                                                operator_server, args):
    watch = probe.start_watch(EXE, timeout=15)
    proc = launcher.start(*args)
    assert proc.wait(15) == 0
    result = watch.result()
    assert result["seen_process"] and result["ended"]
    assert result["shown"] == []
    assert proc.elapsed() < 5
    assert dumps(proc.folder) == []
    assert operator_server.requests == []


def test_crash_writes_one_dump_beside_the_executable_and_the_process_ends(launcher):
    proc = launcher.start("/test-crash")
    code = proc.wait(30)
    assert code != 0
    assert dumps(proc.folder) == ["VelmoTarvik.dmp"]
    assert (proc.folder / "VelmoTarvik.dmp").read_bytes()[:4] == b"MDMP"


def test_second_crash_of_a_process_writes_no_second_dump(launcher):
    # The switch crashes through the filter once (its dump is renamed to .dmp.first),
    # then for real: the filter must not write again.
    proc = launcher.start("/test-crash-twice")
    code = proc.wait(30)
    assert code != 0
    assert dumps(proc.folder) == ["VelmoTarvik.dmp.first"]
    assert (proc.folder / "VelmoTarvik.dmp.first").read_bytes()[:4] == b"MDMP"
