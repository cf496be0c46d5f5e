"""The window probe against a program whose behaviour is known (Wine's notepad): a watch
sees a window that was shown, and keys reach the window that foreground() chose. The
start-up tests' "no window was ever shown" holds only if the first is true; every key
test relies on the second."""
import subprocess

from harness import paths, wait_until

WM_CLOSE = 0x0010
WM_GETTEXTLENGTH = 0x000E
EM_SETMODIFY = 0x00B9


def test_watch_sees_shown_windows_and_keys_reach_the_foreground_window(prefix, probe,
                                                                       display):
    watch = probe.start_watch("notepad.exe", timeout=30)
    with open(prefix.log_file("notepad"), "wb") as log:
        notepad = subprocess.Popen([paths.WINE, "notepad"], env=prefix.env, stdout=log,
                                   stderr=log, stdin=subprocess.DEVNULL)
    try:
        frame = probe.wait_window(cls="Notepad", exe="notepad.exe")
        assert frame is not None
        [edit] = [w for w in probe.windows(exe="notepad.exe") if w["parent"] == frame["hwnd"]
                  and w["class"] == "Edit"]
        display.move(1279, 1023)  # away from the window: the X focus must do it
        assert probe.foreground(frame["hwnd"])["xfocus"]
        display.type_text("ab 中文")
        assert wait_until(lambda: probe.get_text(edit["hwnd"]) == "ab 中文", timeout=5)
        assert probe.send(edit["hwnd"], WM_GETTEXTLENGTH) == 5
        assert probe.region(frame["hwnd"], [(0, 0)])["points"][0]["inside"]

        probe.send(edit["hwnd"], EM_SETMODIFY, 0)  # nothing to save: no question on close
        probe.post(frame["hwnd"], WM_CLOSE)
        result = watch.result()
    finally:
        notepad.kill()
    assert result["seen_process"] and result["ended"]
    assert {"Notepad", "Edit"} <= {w["class"] for w in result["shown"]}
