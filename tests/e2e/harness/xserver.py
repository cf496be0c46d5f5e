"""One Xvfb per test session (no window manager), screenshots and xdotool input."""
import ctypes
import os
import re
import signal
import subprocess
import time
from pathlib import Path

from . import paths


class Display:
    def __init__(self, log_dir):
        log_dir = Path(log_dir)
        log_dir.mkdir(parents=True, exist_ok=True)
        read_fd, write_fd = os.pipe()
        self._log = open(log_dir / f"xvfb.{os.getpid()}.log", "wb")
        # -displayfd lets the server pick a free display number and tell us which.
        self._proc = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_fd), "-screen", "0", "1280x1024x24",
             "-nolisten", "tcp", "-noreset"],
            pass_fds=(write_fd,), stdout=self._log, stderr=self._log, stdin=subprocess.DEVNULL,
            preexec_fn=_end_with_parent)
        os.close(write_fd)
        number = b""
        with os.fdopen(read_fd, "rb") as pipe:
            while not number.endswith(b"\n"):
                chunk = pipe.read(1)
                if not chunk:
                    break
                number += chunk
        if not number.strip().isdigit():
            self._proc.kill()
            raise RuntimeError("Xvfb did not start")
        self.name = ":" + number.decode().strip()
        self.env = {**os.environ, "DISPLAY": self.name}

    def close(self):
        self._proc.terminate()
        try:
            self._proc.wait(5)
        except subprocess.TimeoutExpired:
            self._proc.kill()
            self._proc.wait()
        self._log.close()

    # ---- screenshots ------------------------------------------------------------------

    def screenshot(self, path, rect=None):
        """Saves the screen (or the screen rectangle [l, t, r, b], e.g. a window's "rect"
        from the probe) as PNG; returns the path (None when import failed)."""
        path = Path(path)
        path.parent.mkdir(parents=True, exist_ok=True)
        crop = []
        if rect is not None:
            l, t, r, b = rect
            crop = ["-crop", f"{r - l}x{b - t}+{l}+{t}", "+repage"]
        result = subprocess.run(["import", "-window", "root", *crop, str(path)], env=self.env,
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                                timeout=30, check=False)
        return path if result.returncode == 0 and path.exists() else None

    def artifact(self, test_name, label=None, rect=None):
        """Screenshot named after the test under $VELMO_BUILD_DIR/e2e/artifacts."""
        stem = safe_name(test_name) + (f"-{safe_name(label)}" if label else "")
        return self.screenshot(paths.ARTIFACTS / f"{stem}.png", rect)

    def pixels(self, rect):
        """Colours of the screen rectangle [l, t, r, b] as {(x, y): (r, g, b)}."""
        l, t, r, b = rect
        args = ["import", "-window", "root", "-crop", f"{r - l}x{b - t}+{l}+{t}", "+repage",
                "-type", "TrueColor", "-depth", "8", "txt:-"]
        out = subprocess.run(args, env=self.env, capture_output=True, text=True, timeout=30,
                             check=True).stdout
        colours = {}
        for line in out.splitlines():
            m = re.match(r"(\d+),(\d+): \((\d+),(\d+),(\d+)", line)
            if m:
                x, y, red, green, blue = map(int, m.groups())
                colours[(l + x, t + y)] = (red, green, blue)
        return colours

    def pixel(self, x, y):
        """Colour (r, g, b) of one screen point."""
        return self.pixels([x, y, x + 1, y + 1])[(x, y)]

    # ---- input ------------------------------------------------------------------------

    def xdotool(self, *args):
        subprocess.run(["xdotool", *map(str, args)], env=self.env, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL, timeout=30, check=True)

    def key(self, *keys, delay_ms=30):
        """Presses key combinations (xdotool names: "Return", "ctrl+d", "alt+F4")."""
        self.xdotool("key", "--delay", delay_ms, *keys)

    def type_text(self, text, delay_ms=20):
        self.xdotool("type", "--delay", delay_ms, text)

    def move(self, x, y):
        self.xdotool("mousemove", x, y)

    def click(self, x, y, button=1, double=False):
        """Moves to screen point (x, y) and clicks; a click gives an ordinary Wine window
        the X focus."""
        self.xdotool("mousemove", x, y)
        time.sleep(0.05)
        self.xdotool("click", *(["--repeat", "2"] if double else []), button)

    def drag(self, x0, y0, x1, y1, steps=8):
        self.xdotool("mousemove", x0, y0, "mousedown", 1)
        for i in range(1, steps + 1):
            self.xdotool("mousemove", x0 + (x1 - x0) * i // steps, y0 + (y1 - y0) * i // steps)
            time.sleep(0.02)
        self.xdotool("mouseup", 1)


def _end_with_parent():
    """Runs in the child before exec: the X server ends when the test process dies, even
    when it is killed (a time-out of ctest) and cannot close it."""
    PR_SET_PDEATHSIG = 1
    ctypes.CDLL(None, use_errno=True).prctl(PR_SET_PDEATHSIG, signal.SIGTERM)


def safe_name(text):
    return re.sub(r"[^A-Za-z0-9_.-]+", "_", str(text)).strip("_")[:120] or "test"
