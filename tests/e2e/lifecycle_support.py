"""Helpers of the lifecycle end-to-end tests: the settings file and the places of the
installation and its shortcuts."""
from harness.launcher import INSTALL_FOLDER, SETTINGS_KEY

SHORTCUT = "VelmoTarvik极速登录器"
UNINSTALL_SHORTCUT = "卸载 VelmoTarvik极速登录器"
COMMON_DESKTOP = r"C:\users\Public\Desktop"
START_MENU_FOLDER = r"C:\ProgramData\Microsoft\Windows\Start Menu\Programs\Velmo登录器"
DESKTOP_LINK = COMMON_DESKTOP + "\\" + SHORTCUT + ".lnk"
MENU_LINK = START_MENU_FOLDER + "\\" + SHORTCUT + ".lnk"
MENU_UNINSTALL_LINK = START_MENU_FOLDER + "\\" + UNINSTALL_SHORTCUT + ".lnk"
ALL_LINKS = (DESKTOP_LINK, MENU_LINK, MENU_UNINSTALL_LINK)
REPORT_QUERY = "tag=rendo&ver=3.0.0.1&count={}"

def read_settings(prefix, folder=INSTALL_FOLDER):
    """Section "Rendo" of Statistic.ini in `folder` (the profile functions write code page
    936 unless the file is UTF-16)."""
    path = prefix.host_path(folder + r"\Statistic.ini")
    if not path.is_file():
        return {}
    raw = path.read_bytes()
    text = raw.decode("utf-16") if raw[:2] in (b"\xff\xfe", b"\xfe\xff") else raw.decode("gbk")
    values, section = {}, None
    for line in text.splitlines():
        line = line.strip()
        if line.startswith("["):
            section = line.strip("[]")
        elif "=" in line and section == "Rendo":
            key, _, value = line.partition("=")
            values[key.strip()] = value.strip()
    return values


def disable_days_possible(data_hex):
    """True when the 4 stored bytes come from the never-seeded C generator's first two
    draws (41, 18467) and some UTC millisecond value by the drawing rules."""
    data = bytes.fromhex(data_hex)
    if len(data) != 4:
        return False
    for ms in range(1000):
        # Unsigned 32-bit arithmetic: below zero wraps around 2**32.
        d0 = ((41 + 7 - ms) % 2**32) % 7
        d2 = ((18467 + 7 - ms) % 2**32) % 7
        d1 = ms % 7
        if d1 == d0:
            d1 = (d1 + 6) % 7
        if d2 == d0:
            d2 = (d2 + 1) % 7
        if data == bytes([d2, d0, d1, 0]):
            return True
    return False


def prepare_install_folder(prefix, launcher_settings):
    """The installed copy reads its own velmo-test.ini: put one into the installation
    folder before the installer copies itself there."""
    from harness.launcher import write_test_ini
    folder = prefix.host_path(INSTALL_FOLDER)
    folder.mkdir(parents=True, exist_ok=True)
    return write_test_ini(folder, launcher_settings)


__all__ = ["SETTINGS_KEY"]
