"""Where things are, and the environment every Wine call runs with."""
import os
import subprocess
from pathlib import Path

REPO = Path(__file__).resolve().parents[3]
BUILD_DIR = Path(os.environ.get("VELMO_BUILD_DIR", str(REPO / "build"))).resolve()
EXE = BUILD_DIR / "win64" / "VelmoTarvik.exe"
PROBE = BUILD_DIR / "win64" / "tests" / "e2e" / "probe" / "velmo_probe.exe"
E2E_DIR = BUILD_DIR / "e2e"
ARTIFACTS = E2E_DIR / "artifacts"
# The locale is compiled once per checkout by dev/setup, whatever the build tree.
LOCALE_DIR = REPO / "build" / "locale"
LOCALE = "zh_CN.UTF-8"

WINE = "/usr/lib/wine/wine64"
WINESERVER = "/usr/lib/wine/wineserver"


def ensure_locale():
    """Compiles zh_CN.UTF-8 into LOCALE_DIR when dev/setup has not (Debian ships it
    uncompiled; without it Wine falls back to code page 1252)."""
    target = LOCALE_DIR / LOCALE
    if target.is_dir():
        return
    LOCALE_DIR.parent.mkdir(parents=True, exist_ok=True)
    tmp = LOCALE_DIR.parent / f"locale.tmp.{os.getpid()}"
    tmp.mkdir(parents=True, exist_ok=True)
    subprocess.run(["localedef", "-i", "zh_CN", "-f", "UTF-8", str(tmp / LOCALE)],
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=False)
    if not (tmp / LOCALE).is_dir():
        raise RuntimeError("localedef could not compile zh_CN.UTF-8")
    try:
        tmp.rename(LOCALE_DIR)
    except OSError:
        # Another session was faster; its copy is as good as ours.
        subprocess.run(["rm", "-rf", str(tmp)], check=False)


def wine_env(prefix, display=None):
    """Environment of a Wine call in `prefix`: code page 936 via the zh_CN locale, no
    debug output, no Mono/Gecko prompts, no .desktop files in the real home."""
    env = {k: v for k, v in os.environ.items() if not k.startswith("WINE")}
    env.update({
        "WINEPREFIX": str(prefix),
        "WINEDEBUG": "-all",
        "WINEDLLOVERRIDES": "mscoree,mshtml=;winemenubuilder.exe=d",
        "LANG": LOCALE,
        "LC_ALL": LOCALE,
        "LOCPATH": str(LOCALE_DIR),
    })
    if display:
        env["DISPLAY"] = display
    else:
        env.pop("DISPLAY", None)
    return env
