"""Runs one Windows program under wine64 in a fresh copy of the prefix template, on a
private Xvfb, and prints its output (used by tests/win/run-under-wine).

    python3 -m harness.run_in_prefix program.exe [args...]

The exit code is the program's. VELMO_BUILD_DIR selects the template's build tree.
"""
import os
import shutil
import subprocess
import sys
from pathlib import Path

from . import paths
from .prefix import Prefix, copy_prefix, ensure_template
from .xserver import Display


def main(argv):
    if not argv:
        print(__doc__, file=sys.stderr)
        return 2
    program = Path(argv[0]).resolve()
    work = program.parent / "wine-unit"
    shutil.rmtree(work, ignore_errors=True)
    paths.ensure_locale()
    display = Display(paths.E2E_DIR / "logs")
    try:
        template, _ = ensure_template(display.name)
        copy_prefix(template, work / "prefix")
        prefix = Prefix(work / "prefix", display.name)
        out_log, err_log = work / "out.log", work / "err.log"
        try:
            with open(out_log, "wb") as out, open(err_log, "wb") as err:
                code = subprocess.run([paths.WINE, str(program), *argv[1:]], env=prefix.env,
                                      stdout=out, stderr=err, stdin=subprocess.DEVNULL,
                                      cwd=str(program.parent), check=False).returncode
        finally:
            prefix.close()
        sys.stdout.write(out_log.read_text(encoding="utf-8", errors="replace"))
        sys.stdout.flush()
        if code != 0:
            sys.stderr.write(err_log.read_text(encoding="utf-8", errors="replace")[-4000:])
        if not os.environ.get("VELMO_E2E_KEEP"):
            shutil.rmtree(work / "prefix", ignore_errors=True)
        return code
    finally:
        display.close()


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
