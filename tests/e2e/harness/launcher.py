"""Starting the executable under test in a test's prefix, and its test configuration."""
import shutil
import subprocess
import time
from pathlib import Path

from . import paths

EXE_NAME = "VelmoTarvik.exe"
# A player's download folder: outside the installation folder, so no switch means mode 0.
DEFAULT_FOLDER = r"C:\users\Public\Downloads"
INSTALL_FOLDER = r"C:\ProgramData\Velmo\GameLogin"
SETTINGS_KEY = r"HKLM\Software\Velmo\GameLogin\Rendo"


def operator_settings(server=None, **overrides):
    """The [operator] keys for a server (hosts "127.0.0.1:<port>"), with overrides.
    LoginPageUrl.N is passed as LoginPageUrl_N=... (or in a dict via **{...})."""
    values = {}
    if server is not None:
        values = {
            "StatsHost": server.host,
            "UpdateHost": server.host,
            "GameSiteHost": server.host,
            "LoginServiceHost": server.host,
            "QQOAuthHost": server.host,
            "OperatorDomains": "127.0.0.1",
            "LumrixHomeUrl": server.url("/lumrix/"),
        }
    for key, value in overrides.items():
        values[key.replace("_", ".")] = value
    return values


def write_test_ini(folder, settings):
    """Writes velmo-test.ini into host folder `folder`: section [operator], UTF-16LE with
    a BOM (the profile functions read anything else in the ANSI code page)."""
    lines = ["[operator]"] + [f"{k}={v}" for k, v in settings.items()]
    path = Path(folder) / "velmo-test.ini"
    path.write_bytes(b"\xff\xfe" + ("\r\n".join(lines) + "\r\n").encode("utf-16-le"))
    return path


class VelmoProcess:
    """One run of the executable; its Wine output is in `log`."""

    def __init__(self, popen, exe_host, exe_windows, log, args):
        self.popen = popen
        self.exe = exe_host              # host path of the copied executable
        self.exe_windows = exe_windows   # the path the program sees
        self.folder = exe_host.parent
        self.log = log
        self.args = list(args)
        self.started = time.monotonic()

    @property
    def running(self):
        return self.popen.poll() is None

    @property
    def returncode(self):
        return self.popen.poll()

    def wait(self, timeout=30):
        """Waits for the end of the process; returns its exit code. Raises
        subprocess.TimeoutExpired when it is still running after `timeout` seconds."""
        return self.popen.wait(timeout)

    def elapsed(self):
        return time.monotonic() - self.started

    def output(self):
        return self.log.read_text(encoding="utf-8", errors="replace")

    def kill(self):
        if self.running:
            self.popen.kill()
            try:
                self.popen.wait(5)
            except subprocess.TimeoutExpired:
                pass


class Launcher:
    """Copies the built executable into the prefix and starts it there."""

    def __init__(self, prefix, server=None):
        self.prefix = prefix
        self.server = server
        self.processes = []

    def install_copy(self, folder=DEFAULT_FOLDER, name=EXE_NAME, ini=True):
        """Copies the executable to Windows folder `folder` and returns its host path.
        ini: True writes velmo-test.ini for the test's server, a dict writes those keys
        (on top of the server's), None/False writes none."""
        if not paths.EXE.is_file():
            raise FileNotFoundError(f"executable not built: {paths.EXE}")
        host_folder = self.prefix.host_path(folder)
        host_folder.mkdir(parents=True, exist_ok=True)
        exe = host_folder / name
        shutil.copyfile(paths.EXE, exe)
        if ini:
            extra = ini if isinstance(ini, dict) else {}
            write_test_ini(host_folder, operator_settings(self.server, **extra))
        return exe

    def start(self, *args, folder=DEFAULT_FOLDER, name=EXE_NAME, ini=True, exe=None):
        """Starts the executable with `args`; copies it first unless `exe` (a host path
        inside the prefix) names an existing copy."""
        if exe is None:
            exe = self.install_copy(folder, name, ini)
        exe = Path(exe)
        exe_windows = self.prefix.windows_path(exe)
        log = self.prefix.log_file("velmo")
        # The Windows path, so that the program's own path is C:\..., never Z:\...
        with open(log, "wb") as out:
            popen = subprocess.Popen([paths.WINE, exe_windows, *map(str, args)],
                                     env=self.prefix.env, stdout=out, stderr=out,
                                     stdin=subprocess.DEVNULL, cwd=str(exe.parent))
        proc = VelmoProcess(popen, exe, exe_windows, log, args)
        self.processes.append(proc)
        return proc

    def run(self, *args, timeout=30, **kwargs):
        """Starts the executable and waits for its end; returns the VelmoProcess."""
        proc = self.start(*args, **kwargs)
        proc.wait(timeout)
        return proc

    def close(self):
        for proc in self.processes:
            proc.kill()
