"""Wine prefixes: one template per build tree, a cheap copy of it per test."""
import fcntl
import os
import re
import shutil
import subprocess
import time
from pathlib import Path, PureWindowsPath

from . import paths

# Bump when the template's set-up changes, so that cached templates are rebuilt.
TEMPLATE_VERSION = "3"

# Files that neither Wine nor the program under test ever write: shared by hard links.
# Everything else (registry files, folders, small files) is copied.
_LINKED_SUFFIXES = {".dll", ".exe", ".nls", ".drv", ".sys", ".ocx", ".acm", ".cpl",
                    ".tlb", ".ttf", ".ttc", ".fon", ".otf"}

# AeDebug off: under Wine, Auto "0" asks "Do you wish to debug it?" in a message box and a
# missing Debugger starts winedbg; Auto "1" with a blank Debugger lets the crash end the
# process at once.
_SETUP_REG = """Windows Registry Editor Version 5.00

[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\CurrentVersion\\FontSubstitutes]
"微软雅黑"="WenQuanYi Micro Hei"
"MS Shell Dlg"="WenQuanYi Micro Hei"
"MS Shell Dlg 2"="WenQuanYi Micro Hei"

[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\CurrentVersion\\AeDebug]
"Auto"="1"
"Debugger"=""

[HKEY_CURRENT_USER\\Software\\Wine\\WineBrowser]
"Browsers"="{record_url}"
"Mailers"="{record_url}"
"""

# Stands in for the host's web browser: web addresses opened through the shell are
# recorded beside the prefix (Prefix.opened_urls) and no real browser ever starts.
RECORD_URL = Path(__file__).resolve().with_name("record-url")


def _run_logged(args, env, log, timeout):
    # Wine's services inherit the output handles: files, never pipes.
    with open(log, "ab") as out:
        return subprocess.run(args, env=env, stdout=out, stderr=out, stdin=subprocess.DEVNULL,
                              timeout=timeout, check=False).returncode


def _wine_version():
    out = subprocess.run([paths.WINE, "--version"], capture_output=True, text=True, check=False)
    return out.stdout.strip()


def _begin_kill(prefix, env):
    """Starts `wineserver -k`: it ends every process of the prefix and returns once the
    server has saved the registry and exited (most of a second)."""
    return subprocess.Popen([paths.WINESERVER, "-k"], env=env, stdout=subprocess.DEVNULL,
                            stderr=subprocess.DEVNULL, stdin=subprocess.DEVNULL)


def _template_key():
    """What a cached template must have been made with to be reused."""
    return f"{TEMPLATE_VERSION}\n{_wine_version()}\n{RECORD_URL}\n"


def _kill_server(prefix, env=None):
    env = env or paths.wine_env(prefix)
    killer = _begin_kill(prefix, env)
    killer.wait(30)
    _remove_server_folder(prefix)


def _remove_server_folder(prefix):
    """Removes the server's socket folder (Debian's Wine names it in the prefix's file
    "wineserver"; it would stay in /tmp for every test)."""
    marker = Path(prefix) / "wineserver"
    name = marker.read_text().strip() if marker.is_file() else ""
    if re.fullmatch(r"wine-[A-Za-z0-9]+", name):
        sockets = Path(os.environ.get("TMPDIR", "/tmp")) / name
        deadline = time.monotonic() + 5
        # The server removes its socket when it exits; wait for that before deleting.
        while time.monotonic() < deadline and any(sockets.glob("server-*/socket")):
            time.sleep(0.05)
        shutil.rmtree(sockets, ignore_errors=True)


def _sandbox_user_folders(prefix):
    """Wine links Desktop, Documents, Downloads... to the real home folder; a test must
    never write there, so each becomes a plain folder of the prefix."""
    users = Path(prefix) / "drive_c" / "users"
    for link in users.glob("*/*"):
        if link.is_symlink():
            link.unlink()
            link.mkdir()
    for folder in ("Public/Downloads", "Public/Desktop"):
        (users / folder).mkdir(parents=True, exist_ok=True)
    (Path(prefix) / "drive_c" / "Temp").mkdir(exist_ok=True)


def _build_template(target, display, log):
    work = target.with_name(target.name + f".new.{os.getpid()}")
    shutil.rmtree(work, ignore_errors=True)
    work.mkdir(parents=True)
    prefix = work / "prefix"
    env = paths.wine_env(prefix, display)
    _run_logged([paths.WINE, "wineboot", "-i"], env, log, timeout=300)
    _run_logged([paths.WINESERVER, "-w"], env, log, timeout=300)
    reg = work / "setup.reg"
    text = _SETUP_REG.replace("{record_url}", str(RECORD_URL))
    reg.write_bytes(b"\xff\xfe" + text.replace("\n", "\r\n").encode("utf-16-le"))
    _run_logged([paths.WINE, "regedit", "/S", to_windows_path(prefix, reg)], env, log, timeout=120)
    # Font substitutes take effect only in a new wineserver; -k also writes system.reg.
    _kill_server(prefix, env)
    _sandbox_user_folders(prefix)
    system_reg = (prefix / "system.reg").read_text(encoding="utf-8", errors="replace")
    if "WenQuanYi Micro Hei" not in system_reg or not (prefix / "drive_c" / "windows").is_dir():
        raise RuntimeError(f"Wine prefix template incomplete; see {log}")
    (prefix / "wineserver").unlink(missing_ok=True)
    (work / "complete").write_text(_template_key())
    shutil.rmtree(target, ignore_errors=True)
    work.rename(target)


def ensure_template(display):
    """Returns (template prefix path, seconds spent making it; 0.0 when cached)."""
    target = paths.E2E_DIR / "template"
    target.parent.mkdir(parents=True, exist_ok=True)
    expected = _template_key()
    with open(paths.E2E_DIR / "template.lock", "w") as lock:
        fcntl.flock(lock, fcntl.LOCK_EX)
        complete = target / "complete"
        if complete.is_file() and complete.read_text() == expected:
            return target / "prefix", 0.0
        started = time.monotonic()
        _build_template(target, display, paths.E2E_DIR / "template.log")
        return target / "prefix", time.monotonic() - started


def copy_prefix(template, dest):
    """A private prefix: large immutable files hard-linked, everything else copied."""
    template = Path(template)
    dest = Path(dest)
    for root, dirs, files in os.walk(template):
        rel = Path(root).relative_to(template)
        out_dir = dest / rel
        out_dir.mkdir(parents=True, exist_ok=True)
        for name in dirs + files:
            src = Path(root) / name
            if src.is_symlink():
                os.symlink(os.readlink(src), out_dir / name)
                if name in dirs:
                    dirs.remove(name)
        for name in files:
            src = Path(root) / name
            if src.is_symlink():
                continue
            if rel == Path(".") and name == "wineserver":
                continue  # names the template's server folder; each copy gets its own
            if src.suffix.lower() in _LINKED_SUFFIXES:
                os.link(src, out_dir / name)
            else:
                shutil.copy2(src, out_dir / name)


def to_windows_path(prefix, host_path):
    """Host path as the program sees it: C:\\... inside drive_c, Z:\\... elsewhere."""
    host_path = Path(host_path).resolve()
    drive_c = (Path(prefix) / "drive_c").resolve()
    try:
        rel = host_path.relative_to(drive_c)
        return "C:\\" + "\\".join(rel.parts)
    except ValueError:
        return "Z:" + str(host_path).replace("/", "\\")


def to_host_path(prefix, windows_path):
    """Windows path (C:\\... or Z:\\...) as a host path; existing components are matched
    case-insensitively as Wine does."""
    win = PureWindowsPath(windows_path)
    drive = win.drive.upper()
    if drive == "C:":
        base = Path(prefix) / "drive_c"
    elif drive == "Z:":
        base = Path("/")
    else:
        raise ValueError(f"no host folder for drive {drive!r}")
    current = base
    for part in win.parts[1:]:
        candidate = current / part
        if not candidate.exists() and current.is_dir():
            for entry in current.iterdir():
                if entry.name.lower() == part.lower():
                    candidate = entry
                    break
        current = candidate
    return current


class Prefix:
    """One test's Wine prefix with its own wineserver (ended by close())."""

    def __init__(self, path, display):
        self.path = Path(path)
        self.display = display
        self.env = paths.wine_env(self.path, display)
        self.logs = self.path.parent / "logs"
        self.logs.mkdir(parents=True, exist_ok=True)
        self._log_count = 0
        self._start_server()

    def _start_server(self):
        """Starts the prefix's wineserver before any program: two Wine programs started
        at once in a prefix without a server (the launcher and the probe, say) may each
        make a server folder of their own, and one of them then fails with "chdir to
        .../server-...". A persistent server lives until begin_close()."""
        subprocess.run([paths.WINESERVER, "-p"], env=self.env, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL, timeout=30, check=False)

    @property
    def drive_c(self):
        return self.path / "drive_c"

    def host_path(self, windows_path):
        return to_host_path(self.path, windows_path)

    def windows_path(self, host_path):
        return to_windows_path(self.path, host_path)

    def log_file(self, stem):
        """A fresh file name in this test's log folder (numbered in order of use)."""
        self._log_count += 1
        return self.logs / f"{self._log_count:03d}-{stem}.log"

    def run(self, args, timeout=60, log_stem="wine"):
        """Runs `wine64 args...` to its end; returns (exit code, log path)."""
        log = self.log_file(log_stem)
        code = _run_logged([paths.WINE, *map(str, args)], self.env, log, timeout)
        return code, log

    def opened_urls(self):
        """Addresses the programs of this prefix opened in the web browser, in order."""
        record = self.path.parent / "opened-urls.txt"
        return record.read_text(encoding="utf-8").splitlines() if record.exists() else []

    def wait_server(self, timeout=30):
        """Waits until every process of the prefix has ended and the registry is saved."""
        subprocess.run([paths.WINESERVER, "-w"], env=self.env, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL, timeout=timeout, check=False)

    def begin_close(self):
        """Starts ending the prefix's processes and server without waiting for it."""
        if getattr(self, "_killer", None) is None:
            self._killer = _begin_kill(self.path, self.env)

    def close_done(self):
        """True once begin_close has finished (the prefix may then be deleted)."""
        if self._killer.poll() is None:
            return False
        _remove_server_folder(self.path)
        return True

    def close(self):
        self.begin_close()
        try:
            self._killer.wait(30)
        except subprocess.TimeoutExpired:
            self._killer.kill()
        _remove_server_folder(self.path)
