"""The committed skin artwork is what the generator draws, and it meets the loaders'
expectations (sizes, transparent corners, no stray alpha, readable icons).

Run: /usr/bin/python3 -m pytest -q tools/artwork/test_artwork.py
"""

import os
import struct
import sys

import pytest

HERE = os.path.dirname(os.path.abspath(__file__))
REPO = os.path.normpath(os.path.join(HERE, '..', '..'))
sys.path.insert(0, HERE)

import make_skin  # noqa: E402
from raster import decode_png, encode_ico, encode_png  # noqa: E402


def read(*parts):
    with open(os.path.join(*parts), 'rb') as f:
        return f.read()


def committed_png(rid):
    return decode_png(read(REPO, 'res', 'png', make_skin.png_name(rid)))


def test_committed_files_pass_the_check():
    assert make_skin.check_tree(REPO) == []


def test_generator_reproduces_the_committed_files_byte_for_byte(tmp_path):
    assert make_skin.main(['--out', str(tmp_path)]) == 0
    produced = sorted(os.path.relpath(os.path.join(d, f), tmp_path)
                      for d, _s, fs in os.walk(tmp_path) for f in fs)
    expected = (['res/images.rc']
                + ['res/icons/%d.ico' % r for r in sorted(make_skin.ICONS)]
                + ['res/png/' + make_skin.png_name(r) for r in sorted(make_skin.EXPECTED)])
    assert produced == sorted(expected)
    for rel in produced:
        assert read(tmp_path, rel) == read(REPO, rel), rel + ' is stale: run tools/artwork/make_skin.py'


def mutate(rgba, w, changes):
    data = bytearray(rgba)
    for (x, y), px in changes.items():
        data[(y * w + x) * 4:(y * w + x) * 4 + 4] = bytes(px)
    return bytes(data)


@pytest.mark.parametrize('rid, changes, expected', [
    (131, {(3, 0): (0, 0, 0, 0)}, 'alpha 0 at (3, 0)'),              # corner cut too deep
    (131, {(29, 2): (10, 20, 30, 255)}, 'alpha 255 at (29, 2)'),     # right corner not cut
    (134, {(5, 50): (10, 20, 30, 0)}, 'alpha 0 at (5, 50)'),          # bottom corner must be square
    (132, {(16, 13): (255, 255, 255, 128)}, 'partly transparent'),   # would melt into white
    (135, {(13, 13): (255, 0, 255, 255)}, 'opaque key colour'),
    (133, {(57, 0): (200, 200, 200, 255)}, 'frame 1 corner (0, 0)'),
    (133, {(30, 10): (0, 0, 0, 0)}, 'frame 0 has 1306 opaque'),
    (146, {(40, 5): (90, 160, 230, 255)}, 'top band pixel (40, 5)'),
])
def test_check_reports_faults_in_an_image(rid, changes, expected):
    w, h, rgba = committed_png(rid)
    problems = make_skin.check_image(rid, w, h, mutate(rgba, w, changes))
    assert any(expected in p for p in problems), problems


def test_check_reports_a_wrong_size():
    w, h, rgba = committed_png(141)
    assert make_skin.check_image(141, w - 1, h, rgba[:(w - 1) * h * 4]) == [
        '141: size 38x13, expected 39x13']


def test_login_background_keeps_soft_edges_and_a_cut_outside():
    w, h, rgba = committed_png(129)
    alpha = lambda x, y: rgba[(y * w + x) * 4 + 3]  # noqa: E731
    assert alpha(0, 0) == 0 and alpha(w - 1, h - 1) == 0
    assert alpha(w // 2, h // 2) == 255
    edge = [alpha(x, h // 2) for x in range(0, 20)]
    assert any(0 < a < 255 for a in edge), edge


def test_icon_check_rejects_missing_sizes_and_png_entries():
    canvases = make_skin.build_icons()[155]
    only_two = encode_ico([(c.w, c.to_rgba8()) for c in canvases[:2]])
    assert make_skin.check_icon(155, only_two) == ['155.ico: sizes [16, 32], expected [16, 32, 48]']
    c = canvases[0]
    png = encode_png(c.w, c.h, c.to_rgba8())
    header = struct.pack('<HHH', 0, 1, 1) + struct.pack('<BBBBHHII', 16, 16, 0, 0, 1, 32, len(png), 22)
    assert make_skin.check_icon(155, header + png) == ['155.ico: PNG-compressed icon entry']


def test_release_executable_carries_the_images_and_icons():
    exe = os.environ.get('VELMO_EXE', os.path.join(REPO, 'build', 'win32', 'VelmoTarvik.exe'))
    if not os.path.exists(exe):
        pytest.skip('no release build at ' + exe)
    assert make_skin.check_exe(exe, REPO) == []
