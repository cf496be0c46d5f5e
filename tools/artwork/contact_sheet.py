"""Review sheet of the skin: every image at 1:1 and 3x on a checkerboard, the button
faces over the caption band, and mock-ups of windows put together the way the skin
code draws them (nine-slice, key colour cut, partly transparent pixels over white)."""

import os

from raster import Canvas, rgb, text_mask, encode_png
import make_skin as ms

SHEET_W = 1800
GAP = 16
LABEL_FONT = 'DejaVu-Sans'
DESKTOP = rgb('#3b4a5a')      # what lies behind a window in the mock-ups


def as_loaded(c):
    """The image as the loader turns it into a bitmap: alpha 0 stays empty (the key
    colour, cut away or dropped by the blits), partial alpha is composited over white
    with the loader's integer formula, opaque pixels stay."""
    out = Canvas(c.w, c.h)
    data = c.to_rgba8()
    for i in range(c.w * c.h):
        r, g, b, a = data[i * 4:i * 4 + 4]
        if a == 0:
            continue
        if a < 255:
            r, g, b = ((a * v + 255 * (255 - a)) // 255 for v in (r, g, b))
        out.r[i], out.g[i], out.b[i], out.a[i] = r / 255.0, g / 255.0, b / 255.0, 1.0
    return out


def checker(w, h, cell=8):
    c = Canvas(w, h)
    light, dark = rgb('#d9d9d9'), rgb('#b3b3b3')
    for y in range(h):
        for x in range(w):
            c.set_px(x, y, light if ((x // cell) + (y // cell)) % 2 == 0 else dark)
    return c


def on_checker(img):
    c = checker(img.w, img.h, 8)
    c.blit(img, 0, 0)
    return c


def label(text, w=None, h=14, colour=rgb('#202020'), size=11, font=LABEL_FONT, gravity='West'):
    w = w or max(8, int(len(text) * size * 0.62) + 4)
    m = text_mask(text, font, size, w, h, 0, 0, 0, gravity)
    c = Canvas(w, h)
    c.mask(m, colour)
    return c


def stretch(src, sx, sy, sw, sh, dw, dh):
    """Nearest-neighbour StretchBlt of a source rectangle to dw x dh."""
    c = Canvas(max(dw, 0), max(dh, 0))
    if dw <= 0 or dh <= 0 or sw <= 0 or sh <= 0:
        return c
    for y in range(dh):
        yy = sy + (y * sh) // dh
        for x in range(dw):
            xx = sx + (x * sw) // dw
            si = yy * src.w + xx
            di = y * dw + x
            c.r[di], c.g[di], c.b[di], c.a[di] = src.r[si], src.g[si], src.b[si], src.a[si]
    return c


def nine_slice(img, W, H, B, C):
    """The dialog base's stretched background layout."""
    iw, ih = img.w, img.h
    T = C
    c = Canvas(W, H)
    parts = [
        (0, 0, B, T, 0, 0, B, T), (B, 0, W - 2 * B, T, B, 0, iw - 2 * B, T),
        (W - B, 0, B, T, iw - B, 0, B, T),
        (0, T, B, H - T - B, 0, T, B, ih - T - B), (W - B, T, B, H - T - B, iw - B, T, B, ih - T - B),
        (B, T, W - 2 * B, H - T - B, B, T, iw - 2 * B, ih - T - B),
        (0, H - B, B, B, 0, ih - B, B, B), (B, H - B, W - 2 * B, B, B, ih - B, iw - 2 * B, B),
        (W - B, H - B, B, B, iw - B, ih - B, B, B),
    ]
    for dx, dy, dw, dh, sx, sy, sw, sh in parts:
        c.blit(stretch(img, sx, sy, sw, sh, dw, dh), dx, dy)
    return c


def frame(strip, frames, k):
    fw = strip.w // frames
    return strip.crop(k * fw, 0, fw, strip.h)


def text_on(c, text, x, y, w, h, colour, size=12, gravity='West', font=ms.LABEL_FONT_FILE):
    c.mask(text_mask(text, font, size, w, h, 0, 0, 0, gravity), colour, x, y)


def icon_canvas(icons, rid, size):
    for c in icons[rid]:
        if c.w == size:
            return c
    raise KeyError(size)


def dialog_mock(img, icons, W, H, title, body_back=131, caption_buttons=(132,), B=4):
    """A skinned dialog: background nine-sliced, caption buttons from the right,
    icon and white title on the band."""
    win = nine_slice(as_loaded(img[body_back]), W, H, B, ms.CAPTION_H)
    x = W
    for rid in caption_buttons:
        f = frame(as_loaded(img[rid]), 4, 0)
        x -= f.w
        win.blit(f, x, 0)
    win.blit(icon_canvas(icons, 128, 16), B, (ms.CAPTION_H - 15) // 2)
    text_on(win, title, B + 16 + 5, 7, 200, 16, ms.WHITE)
    return win


def mock_message_box(img, icons):
    W, H = 260, 130
    win = dialog_mock(img, icons, W, H, 'Velmo - Tarvik')
    text_on(win, '窗口即将关闭，确定要退出游戏？', 0, 55, W, 16, rgb('#000000'), 12, 'North')
    bw = 57
    for k, (lab, state) in enumerate((('是', 0), ('否', 1))):
        left = W // 2 - 10 - bw if k == 0 else W // 2 + 10
        win.blit(frame(as_loaded(img[133]), 4, state), left, H - 30 - 23)
        text_on(win, lab, left, H - 30 - 23, bw, 23, rgb('#000000'), 12, 'center')
    return win


def mock_host(img, icons):
    W, H = 1100, 120
    win = dialog_mock(img, icons, W, H, 'Velmo - Tarvik', 134, (132, 135, 136))
    tabs = as_loaded(img[140])
    marks = as_loaded(img[141])
    for k, (name, fr) in enumerate((('12服-风云-player01', 2), ('7服-天下-hero', 1), ('3服-江湖-abc', 0))):
        x0 = 120 + 189 * k
        win.blit(frame(tabs, 3, fr), x0, 3)
        if fr == 1:
            win.blit(frame(marks, 3, 1), x0 + 176, 3)
        text_on(win, name, x0 + 16, 8, 160, 14, rgb('#000000'), 12, 'NorthWest')
    win.blit(frame(as_loaded(img[138]), 4, 0), W - 114, 0)
    win.blit(frame(as_loaded(img[149]), 4, 1), W - 141, 0)
    win.blit(frame(as_loaded(img[139]), 4, 0), W - 185, 0)
    text_on(win, '系统', W - 185, 0, 44, 28, ms.WHITE, 12, 'center')
    win.blit(as_loaded(img[142]), W - 285 + 3, 7)
    text_on(win, '登录其他账号', W - 285 + 20, 7, 80, 16, ms.WHITE, 12, 'West')
    return win


def mock_progress(img, pos, W=430, H=80):
    win = dialog_mock(img, {128: [Canvas(16, 16)]}, W, H, '版本更新中...')
    track, fill = as_loaded(img[152]), as_loaded(img[153])
    x, y = (W - track.w) // 2, 42
    win.blit(track, x, y)
    filled = int(fill.w / 100.0 * pos)
    half = filled // 2
    win.blit(fill.crop(0, 0, half, fill.h), x, y)
    win.blit(fill.crop(fill.w - (filled - half), 0, filled - half, fill.h), x + half, y)
    return win


def mock_notice(img, rid, close_rid, close_x, close_y, lines):
    win = as_loaded(img[rid])
    win.blit(frame(as_loaded(img[close_rid]), 4, 0), close_x, close_y)
    for text, x, y, w, h, colour, gravity in lines:
        text_on(win, text, x, y, w, h, colour, 12, gravity)
    return win


def mock_add_account(img):
    win = as_loaded(img[162])
    text_on(win, '登录其他账号', 8, 7, 200, 16, ms.WHITE)
    q = ['在当前窗口新增标签页？', '点击"是"，在当前窗口登录(支持3个标签页)；', '点击"否"，在新窗口中登录。']
    for k, line in enumerate(q):
        text_on(win, line, 21, 50 + k * 21, 250, 16, rgb('#000000'), 12)
    for k, lab in enumerate(('是', '否')):
        x = 142 + k * 69
        win.blit(frame(as_loaded(img[133]), 4, k), x, 115)
        text_on(win, lab, x, 115, 57, 23, rgb('#000000'), 12, 'center')
    return win


class Sheet:
    def __init__(self, w):
        self.items = []   # (canvas, x, y)
        self.w = w
        self.x = GAP
        self.y = GAP
        self.row_h = 0

    def newline(self):
        self.y += self.row_h + GAP
        self.x = GAP
        self.row_h = 0

    def title(self, text):
        if self.x > GAP:
            self.newline()
        t = label(text, 900, 20, rgb('#10345f'), 15)
        self.items.append((t, GAP, self.y))
        self.y += 24

    def add(self, canvas, caption=None):
        cap = label(caption, None, 14) if caption else None
        w = max(canvas.w, cap.w if cap else 0)
        h = canvas.h + (16 if cap else 0)
        if self.x + w > self.w - GAP and self.x > GAP:
            self.newline()
        if cap:
            self.items.append((cap, self.x, self.y))
        self.items.append((canvas, self.x, self.y + (16 if cap else 0)))
        self.x += w + GAP
        self.row_h = max(self.row_h, h)

    def render(self):
        if self.x > GAP:
            self.newline()
        c = Canvas(self.w, self.y + GAP)
        c.fill_rect(0, 0, c.w, c.h, rgb('#f4f4f4'))
        for item, x, y in self.items:
            c.blit(item, x, y)
        return c


def desktop_behind(img):
    c = Canvas(img.w, img.h)
    c.fill_rect(0, 0, c.w, c.h, DESKTOP)
    c.blit(img, 0, 0)
    return c


def write_sheets(out_dir, img, icons):
    os.makedirs(out_dir, exist_ok=True)
    s = Sheet(SHEET_W)
    s.title('Mock-ups: windows as the skin code composes them (key pixels cut, partial alpha over white)')
    s.add(desktop_behind(mock_host(img, icons)), 'host window 134 + 132/135/136, tabs 140/141, 138 149 139 142')
    s.add(desktop_behind(mock_message_box(img, icons)), 'message box 131 + 132 + 133')
    s.add(desktop_behind(mock_progress(img, 50)), 'progress 152/153 at 50%')
    s.add(desktop_behind(mock_progress(img, 1, 430, 80)), 'progress at 1%')
    s.add(desktop_behind(mock_progress(img, 100, 430, 80)), 'progress at 100%')
    s.add(desktop_behind(mock_add_account(img)), 'add account 162 + 133')
    s.add(desktop_behind(mock_notice(img, 143, 144, 211, 3, [
        ('新版本上线', 100, 48, 130, 15, rgb('#132b43'), 'West'),
        ('全新副本开放，登录即送豪华礼包...', 100, 68, 134, 13, rgb('#1e272e'), 'West'),
        ('详细>>', 195, 168, 42, 13, rgb('#1e272e'), 'West')])), 'notice 143 + 144')
    s.add(desktop_behind(mock_notice(img, 147, 144, 211, 3, [
        ('新版本上线', 0, 45, 250, 15, rgb('#132b43'), 'center'),
        ('全新副本开放，登录即送豪华礼包...', 18, 65, 216, 13, rgb('#1e272e'), 'West'),
        ('详细>>', 195, 145, 42, 13, rgb('#1e272e'), 'West')])), 'notice 147 + 144')
    s.add(desktop_behind(mock_notice(img, 146, 145, 106, 1, [])), 'notice 146 + 145')
    btn = Canvas(4 * 57 + 3 * 8, 23)
    for k in range(4):
        b = frame(as_loaded(img[133]), 4, k)
        text_on(b, '确定', 0, 0, 57, 23, rgb('#6d6d6d') if k == 3 else rgb('#000000'), 12, 'center')
        btn.blit(b, k * 65, 0)
    body = Canvas(btn.w + 20, 43)
    body.fill_rect(0, 0, body.w, body.h, ms.BODY_LIGHT)
    body.blit(btn, 10, 10)
    s.add(body, '133 with label, four states')
    s.add(body.scaled(3), '133 with label, 3x')

    s.title('Button faces over the caption band (normal, hover, pressed, disabled), 1x and 3x')
    for rid in (132, 135, 136, 137, 138, 148, 149, 139, 150, 151):
        strip = as_loaded(img[rid])
        gap = 6
        fw = strip.w // 4
        band = Canvas(4 * fw + 3 * gap, ms.CAPTION_H)
        for k in range(4):
            seg = ms.ground(fw, ms.CAPTION_H, ms.band_colour)
            seg.blit(frame(strip, 4, k), 0, 0)
            if rid == 139:
                text_on(seg, '系统', 0, 0, fw, 28, ms.WHITE if k != 3 else rgb('#b8c8dc'), 12, 'center')
            band.blit(seg, k * (fw + gap), 0)
        s.add(band, str(rid))
        s.add(band.scaled(3), '%d 3x' % rid)

    s.title('Every image at 1:1 on a checkerboard (as loaded: transparent = cut away)')
    for rid in sorted(img):
        s.add(on_checker(as_loaded(img[rid])), '%d %s' % (rid, ms.NAMES[rid]))
    for rid in sorted(icons):
        for c in icons[rid]:
            s.add(on_checker(c), 'icon %d %dx%d' % (rid, c.w, c.w))

    s.title('Every image at 3x (129: its top-left corner and the page frame corner)')
    for rid in sorted(img):
        if rid == 129:
            continue
        s.add(on_checker(as_loaded(img[rid]).scaled(3)), '%d 3x' % rid)
    login = as_loaded(img[129])
    s.add(desktop_behind(login.crop(0, 0, 200, 150)).scaled(3), '129 corner 3x over desktop')
    s.add(desktop_behind(login.crop(80, 210, 120, 70)).scaled(3), '129 page corner 3x')
    for rid in sorted(icons):
        for c in icons[rid]:
            s.add(on_checker(c).scaled(3), 'icon %d %dx%d 3x' % (rid, c.w, c.w))

    s.title('Login background 129: as loaded (left) and with true alpha over a desktop (right)')
    s.add(desktop_behind(login), '129 as loaded')
    s.add(desktop_behind(img[129]), '129 true alpha')

    sheet = s.render()
    with open(os.path.join(out_dir, 'contact_sheet.png'), 'wb') as f:
        f.write(encode_png(sheet.w, sheet.h, sheet.to_rgba8(), fast=True))
