"""Installation: a start from outside the installation folder copies the executable, makes
the three shortcuts, reports the installation and starts the installed copy."""
import time

from harness import paths
from harness.launcher import INSTALL_FOLDER, SETTINGS_KEY, operator_settings
from harness.operator_server import Response
from lifecycle_support import (ALL_LINKS, DESKTOP_LINK, MENU_LINK, MENU_UNINSTALL_LINK,
                               REPORT_QUERY, SHORTCUT, disable_days_possible,
                               prepare_install_folder, read_settings)

INSTALLED = INSTALL_FOLDER + r"\VelmoTarvik.exe"


def _serve_reports(server):
    for path in ("/install.htm", "/active.htm", "/uninstall.htm"):
        server.route(path, Response(body=b"ok"))


def test_first_start_installs_reports_and_starts_installed_copy(
        prefix, launcher, operator_server, probe):
    _serve_reports(operator_server)
    prepare_install_folder(prefix, operator_settings(operator_server))

    installer = launcher.start()
    # Mode 0 ends only after its report has finished.
    assert installer.wait(90) == 0
    installs = operator_server.requests_for("/install.htm")
    assert len(installs) == 1
    report = installs[0]
    assert (report.method, report.raw_query) == ("GET", REPORT_QUERY.format(1))
    assert report.header("User-Agent") == "NQV"
    assert report.header("Accept-Language").strip() == "zh-cn"
    assert report.header("Content-Type") == "application/x-www-form-urlencoded"

    installed = prefix.host_path(INSTALLED)
    assert installed.read_bytes() == paths.EXE.read_bytes()

    links = probe.links(*ALL_LINKS)
    expected = {DESKTOP_LINK: ("/RendoD", SHORTCUT), MENU_LINK: ("/RendoD", ""),
                MENU_UNINSTALL_LINK: ("/uninst", "")}
    for path, (arguments, description) in expected.items():
        link = links[path]
        assert link["loaded"], path
        assert link["target"].lower() == INSTALLED.lower(), path
        assert link["arguments"] == arguments, path
        assert link["description"] == description, path
        assert (link["icon"].lower(), link["icon_index"]) == (INSTALLED.lower(), 0), path
        assert (link["working_folder"], link["hot_key"]) == ("", 0), path

    days = probe.registry(SETTINGS_KEY)["values"]["DisableDays"]
    assert days["type"] == 3  # REG_BINARY
    assert disable_days_possible(days["data"]), days["data"]

    # The installed copy started without arguments: mode 3 counts a start, never an
    # installation.
    settings = _wait_settings(prefix, "Game")
    assert (settings.get("Inst"), settings.get("Game")) == ("1", "1")
    active = operator_server.wait_for("/active.htm", timeout=30)
    assert len(operator_server.requests_for("/install.htm")) == 1
    assert [r.raw_query for r in active] == [REPORT_QUERY.format(1)]


def test_second_copy_under_another_name_takes_over_the_shortcuts(
        prefix, launcher, operator_server, probe):
    _serve_reports(operator_server)
    prepare_install_folder(prefix, operator_settings(operator_server))
    # A shortcut that an older version left on the player's own desktop goes away.
    own_desktop = prefix.host_path(r"C:\users") / _profile_name(prefix) / "Desktop"
    own_desktop.mkdir(parents=True, exist_ok=True)
    old_link = own_desktop / (SHORTCUT + ".lnk")
    old_link.write_bytes(b"old")

    assert launcher.run(timeout=90).returncode == 0
    assert not old_link.exists()

    # The first installed copy still runs; a download saved under another name installs
    # beside it, and the shortcuts follow the new name.
    second = "VelmoTarvik (2).exe"
    assert launcher.run(name=second, timeout=90).returncode == 0
    installs = operator_server.requests_for("/install.htm")
    assert [r.raw_query for r in installs] == [REPORT_QUERY.format(1), REPORT_QUERY.format(2)]
    folder = prefix.host_path(INSTALL_FOLDER)
    assert (folder / "VelmoTarvik.exe").is_file() and (folder / second).is_file()
    links = probe.links(*ALL_LINKS)
    for path in ALL_LINKS:
        assert links[path]["target"].lower() == (INSTALL_FOLDER + "\\" + second).lower(), path
    assert read_settings(prefix).get("Inst") == "2"


def _profile_name(prefix):
    """The Wine user's profile folder name (the one that is not Public)."""
    users = prefix.host_path(r"C:\users")
    return next(p.name for p in users.iterdir() if p.is_dir() and p.name != "Public")


def _wait_settings(prefix, key, timeout=30):
    """The installation folder's settings once `key` has been written."""
    deadline = time.monotonic() + timeout
    while True:
        settings = read_settings(prefix)
        if key in settings or time.monotonic() > deadline:
            return settings
        time.sleep(0.2)
