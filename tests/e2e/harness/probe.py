"""Python side of the window probe (tests/e2e/probe/probe.cpp), run in a test's prefix."""
import json
import subprocess
import time

from . import paths


class ProbeError(RuntimeError):
    pass


class Probe:
    def __init__(self, prefix):
        self.prefix = prefix
        if not paths.PROBE.is_file():
            raise ProbeError(f"probe not built: {paths.PROBE}")

    def _spawn(self, args):
        out = self.prefix.log_file("probe")
        err = out.with_suffix(".err")
        # Wine output goes to files: its services would hold a pipe open.
        with open(out, "wb") as stdout, open(err, "wb") as stderr:
            popen = subprocess.Popen([paths.WINE, str(paths.PROBE), *map(str, args)],
                                     env=self.prefix.env, stdout=stdout, stderr=stderr,
                                     stdin=subprocess.DEVNULL)
        return popen, out, err

    @staticmethod
    def _answer(args, code, out, err):
        text = out.read_text(encoding="utf-8", errors="replace")
        try:
            value = json.loads(text)
        except ValueError as e:
            raise ProbeError(f"probe {args} (exit {code}): bad answer {text!r} (is it built "
                             f"in {paths.BUILD_DIR}?), stderr "
                             f"{err.read_text(errors='replace')[-2000:]!r}") from e
        if isinstance(value, dict) and "error" in value:
            raise ProbeError(f"probe {args}: {value['error']}")
        return value

    def run(self, *args, timeout=60):
        """Runs one probe command; returns its parsed JSON answer."""
        popen, out, err = self._spawn(args)
        try:
            code = popen.wait(timeout)
        except subprocess.TimeoutExpired:
            popen.kill()
            popen.wait()
            raise
        return self._answer(args, code, out, err)

    @staticmethod
    def _filter(cls, text, exe, visible):
        args = []
        if cls is not None:
            args += ["--class", cls]
        if text is not None:
            args += ["--text", text]
        if exe is not None:
            args += ["--exe", exe]
        if visible:
            args.append("--visible")
        return args

    def windows(self, cls=None, text=None, exe=None, visible=False):
        """Every window (top-level and children) matching the filter, as dicts with hwnd,
        class, text, rect, client, visible, enabled, parent, owner, style, exstyle, pid,
        tid, exe, id and xid (the X window of a top-level window, else 0)."""
        return self.run("list", *self._filter(cls, text, exe, visible))

    def wait_window(self, cls=None, text=None, exe=None, visible=True, timeout=15):
        """The first window matching the filter, waiting up to `timeout` seconds; None
        when none appeared."""
        answer = self.run("wait", *self._filter(cls, text, exe, visible),
                          "--timeout", int(timeout * 1000), timeout=timeout + 30)
        return None if answer.get("timeout") else answer

    def wait_gone(self, hwnd, timeout=10):
        """Waits until the window no longer exists; True when it went away."""
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            if not any(w["hwnd"] == hwnd for w in self.windows()):
                return True
            time.sleep(0.1)
        return False

    def watch(self, exe, timeout=10):
        """Watches processes named `exe` until they have started and ended (or the
        time-out); returns {"seen_process", "ended", "elapsed_ms", "shown": [windows]}
        where "shown" lists each of their windows that was ever visible."""
        return self.run("watch", "--exe", exe, "--timeout", int(timeout * 1000),
                        timeout=timeout + 30)

    def start_watch(self, exe="VelmoTarvik.exe", timeout=10):
        """Begins watch(exe) in the background and returns once the probe is watching;
        start the program after this, then call .result() on the returned object."""
        ready = self.prefix.log_file("watch-ready").with_suffix(".flag")
        args = ("watch", "--exe", exe, "--timeout", int(timeout * 1000),
                "--ready", self.prefix.windows_path(ready))
        popen, out, err = self._spawn(args)
        deadline = time.monotonic() + 60
        while not ready.exists():
            if popen.poll() is not None:
                return _Finished(self._answer(args, popen.returncode, out, err))
            if time.monotonic() > deadline:
                popen.kill()
                raise ProbeError("probe watch did not start")
            time.sleep(0.02)
        return _PendingWatch(self, args, popen, out, err, timeout)

    def post(self, hwnd, msg, wparam=0, lparam=0):
        return self.run("post", hwnd, msg, wparam, lparam)["ok"]

    def send(self, hwnd, msg, wparam=0, lparam=0):
        """SendMessage (10 s time-out); returns the result."""
        return self.run("send", hwnd, msg, wparam, lparam)["result"]

    def get_text(self, hwnd):
        """Text through WM_GETTEXT, so edit controls of other processes answer too."""
        return self.run("gettext", hwnd)["text"]

    def foreground(self, hwnd):
        """Makes the window the foreground window and gives its top-level X window the
        X input focus, so that xdotool keys reach it wherever the pointer is (without a
        window manager the X focus otherwise follows the pointer). Returns the probe's
        answer with "xfocus": whether the X focus was set."""
        answer = self.run("foreground", hwnd)
        answer["xfocus"] = False
        xid = answer.get("xid")
        if xid and self.prefix.display:
            env = {**self.prefix.env, "DISPLAY": self.prefix.display}
            subprocess.run(["xdotool", "windowfocus", str(xid)], env=env,
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=10,
                           check=False)
            deadline = time.monotonic() + 2
            while time.monotonic() < deadline and not answer["xfocus"]:
                out = subprocess.run(["xdotool", "getwindowfocus"], env=env,
                                     capture_output=True, text=True, timeout=10, check=False)
                answer["xfocus"] = out.stdout.strip() == str(xid)
                if not answer["xfocus"]:
                    time.sleep(0.02)
        return answer

    def region(self, hwnd, points=()):
        """{"has_region", "type", "box", "points": [{"x", "y", "inside"}]}; points are
        in window coordinates."""
        flat = [c for p in points for c in p]
        return self.run("region", hwnd, *flat)

    def gdi(self, pid):
        """{"gdi": GR_GDIOBJECTS, "user": GR_USEROBJECTS, "table": live GDI objects,
        "table_by_type": {type: count}} of a process. Wine answers 0 to GetGuiResources;
        "table" counts the objects in the process's GDI handle table instead (stock
        objects included: compare two moments of the same process)."""
        return self.run("gdi", pid)

    def info(self):
        """{"acp", "oemcp", "lcid", "screen": [w, h], "foreground"} of the prefix."""
        return self.run("info")

    def processes(self):
        return self.run("processes")

    def registry(self, key, wow64_32=False):
        """{"exists": bool, "values": {name: {"type": REG_*, "data": ...}}} of a key like
        r"HKLM\\Software\\Velmo\\GameLogin\\Rendo"."""
        return self.run("reg", key, *(["--32"] if wow64_32 else []))

    def links(self, *paths):
        """{windows link path: {"loaded", "target", "arguments", "description", "icon",
        "icon_index", "working_folder", "hot_key"}} as IShellLinkW reads each link."""
        return {entry["path"]: entry for entry in self.run("links", *paths)}

    def registry_value(self, key, name, default=None):
        value = self.registry(key)["values"].get(name)
        return default if value is None else value["data"]


class _PendingWatch:
    def __init__(self, probe, args, popen, out, err, timeout):
        self._probe, self._args, self._popen = probe, args, popen
        self._out, self._err, self._timeout = out, err, timeout

    def result(self):
        """The watch's answer (see Probe.watch), once the watched processes have ended."""
        code = self._popen.wait(self._timeout + 30)
        return self._probe._answer(self._args, code, self._out, self._err)


class _Finished:
    def __init__(self, value):
        self._value = value

    def result(self):
        return self._value
