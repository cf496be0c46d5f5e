"""The bundled demo operator server against the real launcher: a release it publishes
is accepted by the launcher's digest check, and its report log shows the reports."""
import subprocess
import sys
import time

from harness import paths
from harness.launcher import INSTALL_FOLDER
from harness.operator_server import free_port

SERVER = paths.REPO / "tools" / "demo_server" / "serve.py"


def _wait_for_text(path, text, timeout):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        if path.is_file() and text in path.read_text(encoding="utf-8"):
            return True
        time.sleep(0.2)
    return False


def test_release_published_by_the_demo_server_is_installed(prefix, launcher, tmp_path):
    new_exe = paths.EXE.read_bytes() + b"\0demo-release\0"
    release = tmp_path / "release.exe"
    release.write_bytes(new_exe)
    port = free_port()
    log = tmp_path / "reports.log"
    with open(tmp_path / "server.out", "wb") as out:
        server = subprocess.Popen(
            [sys.executable, str(SERVER), "--port", str(port), "--bind", "127.0.0.1",
             "--root", str(tmp_path / "served"), "--log", str(log), "--publish", str(release)],
            stdout=out, stderr=subprocess.STDOUT)
    try:
        assert _wait_for_text(tmp_path / "server.out", "demo operator server on", 20)
        host = f"127.0.0.1:{port}"
        hosts = {key: host for key in ("StatsHost", "UpdateHost", "GameSiteHost",
                                       "LoginServiceHost", "QQOAuthHost")}
        exe = launcher.install_copy(folder=INSTALL_FOLDER, ini=hosts)

        assert launcher.start("/update", exe=exe).wait(90) == 0
        assert exe.read_bytes() == new_exe
        assert (exe.parent / "OldRendo.exe").is_file()
        # The restarted release reports its start; the server keeps it as a log line.
        assert _wait_for_text(log, "active    tag=rendo ver=3.0.0.1 count=1", 60), (
            log.read_text(encoding="utf-8") if log.is_file() else "no log")
    finally:
        server.terminate()
        server.wait(10)
