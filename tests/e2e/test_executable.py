"""The built executables themselves: the release is a 32-bit GUI program, and both builds
import only DLLs that ship with Windows (no compiler runtime beside the executable)."""
import subprocess

import pytest

from harness import paths

SYSTEM_DLLS = {
    "advapi32.dll", "comctl32.dll", "gdi32.dll", "gdiplus.dll", "kernel32.dll", "msimg32.dll",
    "msvcrt.dll", "ole32.dll", "oleaut32.dll", "shell32.dll", "shlwapi.dll", "user32.dll",
    "wininet.dll", "winmm.dll", "dsound.dll", "version.dll", "dbghelp.dll",
}

BUILDS = [
    ("win32", "i686-w64-mingw32-objdump", "PE32 executable (GUI) Intel 80386"),
    ("win64", "x86_64-w64-mingw32-objdump", "PE32+ executable (GUI) x86-64"),
]


@pytest.mark.parametrize("tree,objdump,kind", BUILDS, ids=[b[0] for b in BUILDS])
def test_gui_executable_imports_system_dlls_only(tree, objdump, kind):
    exe = paths.BUILD_DIR / tree / "VelmoTarvik.exe"
    if not exe.is_file():
        pytest.skip(f"{exe} is not built")
    described = subprocess.run(["file", "-b", str(exe)], capture_output=True, text=True).stdout
    assert described.startswith(kind), described
    dump = subprocess.run([objdump, "-p", str(exe)], capture_output=True, text=True,
                          check=True).stdout
    imported = {line.split("DLL Name:")[1].strip().lower()
                for line in dump.splitlines() if "DLL Name:" in line}
    assert "kernel32.dll" in imported
    assert imported <= SYSTEM_DLLS, imported - SYSTEM_DLLS
