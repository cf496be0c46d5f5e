"""The skinned message box and the skinned controls as the player sees them: the
uninstall confirmation of "/uninst", the three button sets, and a gallery window of the
controls in their states (test-build switches)."""
import time

import pytest

from harness.launcher import INSTALL_FOLDER
from harness.operator_server import Response

CAPTION = "Velmo - Tarvik"
CLOSE, FIRST, SECOND = 50000, 5000, 5001
IDOK, IDCANCEL, IDYES, IDNO = 1, 2, 6, 7


def _box(probe, text=CAPTION, timeout=30):
    box = probe.wait_window(cls="#32770", text=text, exe="VelmoTarvik.exe", timeout=timeout)
    assert box is not None, "no skinned box appeared"
    children = {w["id"]: w for w in probe.windows(exe="VelmoTarvik.exe")
                if w["parent"] == box["hwnd"]}
    return box, children


def _click(display, window):
    left, top, right, bottom = window["rect"]
    display.click((left + right) // 2, (top + bottom) // 2)


def _start_uninstall(launcher, operator_server):
    operator_server.route("/uninstall.htm", Response(body=b"ok"))
    return launcher.start("/uninst", folder=INSTALL_FOLDER)


def _nothing_uninstalled(proc, operator_server):
    assert proc.exe.is_file(), "the executable was removed"
    assert not operator_server.requests_for("/uninstall.htm")


def test_uninstall_confirmation_layout_and_keys(launcher, probe, display, operator_server,
                                                screenshot):
    proc = _start_uninstall(launcher, operator_server)
    box, children = _box(probe)
    screenshot("uninstall-box")

    assert {CLOSE, FIRST, SECOND} <= set(children), children
    assert children[FIRST]["text"] == "是"
    assert children[SECOND]["text"] == "否"
    left, top, right, bottom = box["rect"]
    yes, no = children[FIRST]["rect"], children[SECOND]["rect"]
    for button in (yes, no):
        assert (button[2] - button[0], button[3] - button[1]) == (57, 23)
        assert bottom - button[3] == 30  # the frameless box's client is its window
    assert no[0] - yes[2] == 20
    # Centred pair.
    assert abs((yes[0] - left) - (right - no[2])) <= 1
    # Close button at the top right corner.
    close = children[CLOSE]["rect"]
    assert close[2] == right and close[1] == top

    # Rounded top corners cut by the region (3, 2, 1 pixels), square bottom corners.
    w, h = right - left, bottom - top
    points = [(0, 0), (2, 0), (3, 0), (0, 2), (1, 2), (w - 1, 0), (w - 4, 0), (0, h - 1),
              (w - 1, h - 1)]
    region = probe.region(box["hwnd"], points)
    assert region["has_region"]
    inside = [p["inside"] for p in region["points"]]
    assert inside == [False, False, True, False, True, False, True, True, True], region

    # Enter and Escape do nothing; Alt+F4, sent the same way, ends the box as a cancel.
    # SetForegroundWindow alone does not give the popup the X focus here; a click on the
    # box's body (where it does nothing) does.
    display.click(left + 8, top + 45)
    probe.foreground(box["hwnd"])
    display.key("Return")
    display.key("Escape")
    time.sleep(1.5)
    assert proc.running
    assert probe.windows(cls="#32770", text=CAPTION, exe="VelmoTarvik.exe", visible=True)
    probe.foreground(box["hwnd"])
    display.key("alt+F4")
    assert proc.wait(30) == 0
    _nothing_uninstalled(proc, operator_server)


@pytest.mark.parametrize("button", [SECOND, CLOSE], ids=["no", "close-button"])
def test_uninstall_declined_removes_nothing(launcher, probe, display, operator_server, button):
    proc = _start_uninstall(launcher, operator_server)
    _, children = _box(probe)
    _click(display, children[button])
    assert proc.wait(30) == 0
    _nothing_uninstalled(proc, operator_server)


@pytest.mark.parametrize("box_type,caption,labels,click,result", [
    (0, CAPTION, {FIRST: "确定"}, FIRST, IDOK),
    (1, "VelmoLumrix游戏大厅", {FIRST: "确定", SECOND: "取消"}, SECOND, IDCANCEL),
    (4, CAPTION, {FIRST: "是", SECOND: "否"}, FIRST, IDYES),
    (3, CAPTION, {FIRST: "确定"}, FIRST, IDOK),
], ids=["ok", "okcancel", "yesno", "type3"])
def test_button_sets(launcher, probe, display, screenshot, box_type, caption, labels, click,
                     result):
    proc = launcher.start(f"/test-msgbox-{box_type}")
    box, children = _box(probe, caption)
    screenshot(f"type{box_type}")
    buttons = {i: w["text"] for i, w in children.items() if i in (FIRST, SECOND)}
    assert buttons == labels
    if len(labels) == 1:
        left, _, right, _ = box["rect"]
        b = children[FIRST]["rect"]
        assert abs((b[0] - left) - (right - b[2])) <= 1
    _click(display, children[click])
    assert proc.wait(30) == result


def test_gallery_of_controls(launcher, probe, display, screenshot):
    proc = launcher.start("/test-skin-gallery")
    box, children = _box(probe, "Velmo - Tarvik 控件")
    time.sleep(1)
    screenshot("gallery")
    # The wrapped label grew from its 20 pixels to hold its lines.
    label = children[3010]["rect"]
    assert label[3] - label[1] > 40
    # The progress bars took the track's size.
    for bar_id in (3020, 3021, 3022):
        bar = children[bar_id]["rect"]
        assert (bar[2] - bar[0], bar[3] - bar[1]) == (390, 21)
    # The disabled button does not click; the close button ends the window.
    assert not children[3003]["enabled"]
    _click(display, children[CLOSE])
    assert proc.wait(30) == IDCANCEL
