#!/usr/bin/env python3
"""Draws the launcher's skin: every PNG image resource, the two icon groups, and a
contact sheet for review. Deterministic: running it twice gives identical files.

  tools/artwork/make_skin.py            write res/png/*.png and res/icons/*.ico
  tools/artwork/make_skin.py --sheet    also write build/artwork/contact_sheet*.png
  tools/artwork/make_skin.py --check    verify the committed files (sizes, corners, alpha)
  tools/artwork/make_skin.py --check-exe build/win32/VelmoTarvik.exe
                                        verify the images and icons built into an executable
  --out DIR                             write into DIR/res/... instead of the checkout
"""

import argparse
import math
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from raster import (Canvas, rgb, mix, vgrad, smoothstep, sd_rect, sd_circle,  # noqa: E402
                    sd_ellipse, sd_stroke, sd_polygon, sd_arc, sd_union, sd_subtract,
                    text_mask, encode_png, decode_png, encode_ico, decode_ico)

# ---------------------------------------------------------------- sizes
CAPTION_H = 30          # caption band rows of the dialog backgrounds
BODY_H = 17             # body rows between band and bottom frame
FRAME = 4               # frame width of 131/134 (left, right, bottom)
ADD_ACC_FRAME = 3       # frame width of the add-account background (162)
BACK_W = 30             # width of the nine-sliced backgrounds
CAPTION_BTN_H = 28
CLOSE_W = 33            # caption close button frame width
CAPTION_BTN_W = 27      # minimise / maximise / restore frame width
HOST_BTN = 27           # host buttons 1001 and 1002 (square)
SYSTEM_W = 44
PUSH_W, PUSH_H = 57, 23
TAB_W, TAB_H, TAB_TOP = 189, 22, 3
TAB_CLOSE = 13
TAB_CLOSE_X = 176       # where the close mark sits on a tab
LOCK_W, LOCK_H, LOCK_TOP = 14, 16, 7
NOTICE_W = 250
NOTICE1_H, NOTICE2_H = 191, 167
NOTICE_HEADER_H = 40
NOTICE_CLOSE_W, NOTICE_CLOSE_H, NOTICE_CLOSE_X, NOTICE_CLOSE_Y = 36, 14, 211, 3
PIC_NOTICE_W, PIC_NOTICE_H, PIC_NOTICE_TOP = 160, 212, 22
PIC_CLOSE_W, PIC_CLOSE_H, PIC_CLOSE_Y = 54, 22, 1
HALL_W, HALL_H = 79, 28
PROGRESS_W, PROGRESS_H, FILL_INSET = 390, 21, 2
ADD_ACC_W, ADD_ACC_H = 284, 150
LOGIN_W, LOGIN_H = 818, 600
LOGIN_PAGE = (106, 238, 609, 301)     # where the login page lies on the picture
ICON_SIZES = (16, 32, 48)

# ---------------------------------------------------------------- palette
OUTLINE = rgb('#0f4187')          # outermost line of every window
BAND_HILITE = rgb('#86c0f6')      # row 1 of the caption band
BAND_TOP = rgb('#4c9cee')
BAND_MID_HI = rgb('#3589e4')
BAND_MID_LO = rgb('#2a79d8')
BAND_BOTTOM = rgb('#1c63c6')
BAND_DARK_LINE = rgb('#0c3a7c')
BAND_LIGHT_LINE = rgb('#6ea8ea')
FRAME_COLS = (OUTLINE, rgb('#3d88e0'), rgb('#2c77d3'), rgb('#1b58aa'))  # outer -> inner
BODY_LIGHT = rgb('#f3f7fb')       # pale body of 131 and 162
BODY_DARK = rgb('#000000')        # body of 134 (under the game view)
WHITE = rgb('#ffffff')
GLYPH = WHITE
CLOSE_HOVER = (rgb('#f0655a'), rgb('#cf3b2f'))
CLOSE_PRESS = (rgb('#b8352b'), rgb('#a02a21'))
HOVER_ALPHA, PRESS_ALPHA, DISABLED_GLYPH_ALPHA = 0.22, 0.22, 0.38
PUSH = {  # (border, fill top, fill bottom)
    'normal': (rgb('#94a9c0'), rgb('#ffffff'), rgb('#e3eaf2')),
    'hover': (rgb('#4f93de'), rgb('#ffffff'), rgb('#d8e9fb')),
    'pressed': (rgb('#3a78c4'), rgb('#c9ddf5'), rgb('#e3eefa')),
    'disabled': (rgb('#c3ccd6'), rgb('#f2f4f6'), rgb('#eceff2')),
}
TAB = {  # (border, fill top, fill bottom)
    'normal': (rgb('#174f9c'), rgb('#d3e4f7'), rgb('#aecaea')),
    'hover': (rgb('#174f9c'), rgb('#eef5fd'), rgb('#cde0f5')),
    'selected': (rgb('#174f9c'), rgb('#ffffff'), BODY_LIGHT),
}
TAB_MARK = rgb('#4a5d75')
TAB_MARK_HOVER, TAB_MARK_PRESS = rgb('#e0493c'), rgb('#b3342a')
LOCK_BODY = (rgb('#ffdb6e'), rgb('#eda21a'))
LOCK_EDGE = rgb('#9b6508')
LOCK_SHACKLE = rgb('#eef3f9')
SKY = (rgb('#2a82e0'), rgb('#62b2f3'), rgb('#a9dcfc'))
CLOUD = rgb('#ffffff')
NOTICE_BODY = (rgb('#ffffff'), rgb('#eef6fe'))
NOTICE_OUTLINE = rgb('#3c7fcf')
HILL = (rgb('#e2effb'), rgb('#d5e8f8'))
LOGO = (rgb('#ffc545'), rgb('#f07b16'))
LOGO_RING = rgb('#ffffff')
TRACK_EDGE = rgb('#aeb9c5')
TRACK_FILL = (rgb('#d5dce4'), rgb('#eef1f5'))
FILL_COLS = (rgb('#79bdf7'), rgb('#3b8fe8'), rgb('#1f6ccf'))
HALL = {'normal': (rgb('#2f7fdc'), rgb('#1a5fbf')), 'hot': (rgb('#ffb43a'), rgb('#f07c14'))}
STAR = (rgb('#ffd95a'), rgb('#f39a12'))
STAR_EDGE = rgb('#b86a05')
SHADOW = rgb('#0b2440')
LABEL_FONT = 'WenQuanYi-Micro-Hei'
LABEL_FONT_FILE = '/usr/share/fonts/truetype/wqy/wqy-microhei.ttc'

# ---------------------------------------------------------------- file names
NAMES = {
    129: 'login_back', 131: 'dialog_back', 132: 'caption_close', 133: 'push_button',
    134: 'host_back', 135: 'caption_max', 136: 'caption_min', 137: 'caption_restore',
    138: 'host_hide', 139: 'host_system', 140: 'tab', 141: 'tab_close', 142: 'padlock',
    143: 'notice_back1', 144: 'notice_close', 145: 'notice_close_text', 146: 'notice_back3',
    147: 'notice_back2', 148: 'sound_muted', 149: 'sound_on', 150: 'hall_button',
    151: 'hall_button_hot', 152: 'progress_track', 153: 'progress_fill', 162: 'add_account_back',
}
ICONS = {128: 'application', 155: 'favourite'}


def png_name(rid):
    return '%d_%s.png' % (rid, NAMES[rid])


# ---------------------------------------------------------------- common pieces

def band_colour(row):
    """Colour of the caption band in one row (horizontally uniform)."""
    if row <= 0:
        return OUTLINE
    if row == 1:
        return BAND_HILITE
    if row <= 13:
        return mix(BAND_TOP, BAND_MID_HI, (row - 2) / 11.0)
    if row <= 27:
        return mix(BAND_MID_LO, BAND_BOTTOM, (row - 14) / 13.0)
    if row == 28:
        return BAND_DARK_LINE
    return BAND_LIGHT_LINE


def ground(w, h, colour_of_row, top=0):
    """An opaque canvas of rows coloured as a horizontally uniform background."""
    c = Canvas(w, h)
    for y in range(h):
        col = colour_of_row(y + top)
        for x in range(w):
            c.set_px(x, y, col)
    return c


def round_top_corners(c, outline, inner_of_row):
    """Cuts 3, 2 and 1 pixels out of rows 0, 1 and 2 in both top corners and draws the
    outline along the step, softened by blending into the neighbouring pixels."""
    w = c.w
    cut = {0: 3, 1: 2, 2: 1}
    for y, n in cut.items():
        for k in range(n):
            c.clear_px(k, y)
            c.clear_px(w - 1 - k, y)
    for x, y in ((3, 0), (2, 1), (1, 2), (0, 3)):
        c.set_px(x, y, outline)
        c.set_px(w - 1 - x, y, outline)
    for x, y in ((3, 1), (2, 2), (1, 3)):
        soft = mix(inner_of_row(y), outline, 0.4)
        c.set_px(x, y, soft)
        c.set_px(w - 1 - x, y, soft)


def round_all_corners(c, outline, inner_top, inner_bottom):
    round_top_corners(c, outline, inner_top)
    h, w = c.h, c.w
    for y, n in {h - 1: 3, h - 2: 2, h - 3: 1}.items():
        for k in range(n):
            c.clear_px(k, y)
            c.clear_px(w - 1 - k, y)
    for x, dy in ((3, 0), (2, 1), (1, 2), (0, 3)):
        c.set_px(x, h - 1 - dy, outline)
        c.set_px(w - 1 - x, h - 1 - dy, outline)
    for x, dy in ((3, 1), (2, 2), (1, 3)):
        soft = mix(inner_bottom(h - 1 - dy), outline, 0.4)
        c.set_px(x, h - 1 - dy, soft)
        c.set_px(w - 1 - x, h - 1 - dy, soft)


def dialog_back(w, h, body, frame_cols):
    """Blue caption band, side and bottom frame, body; rounded top, square bottom."""
    c = Canvas(w, h)
    n = len(frame_cols)
    for y in range(h):
        for x in range(w):
            if y < CAPTION_H:
                col = OUTLINE if x == 0 or x == w - 1 else band_colour(y)
            else:
                ring = min(x, w - 1 - x, h - 1 - y)
                col = frame_cols[ring] if ring < n else body
            c.set_px(x, y, col)
    round_top_corners(c, OUTLINE, band_colour)
    return c


def frames_strip(faces):
    w, h = faces[0].w, faces[0].h
    strip = Canvas(w * len(faces), h)
    for k, f in enumerate(faces):
        strip.blit(f, k * w, 0)
    return strip


def ring(sdf, width=1.0):
    """The inner band of a shape, `width` pixels wide (a border)."""
    return lambda x, y: max(sdf(x, y), -(sdf(x, y) + width))


# ---------------------------------------------------------------- caption and host buttons

def glyph_close(c, cx, cy, col, a):
    r = 4.5
    c.fill(sd_stroke([(cx - r, cy - r), (cx + r, cy + r)], 1.75), col, a)
    c.fill(sd_stroke([(cx - r, cy + r), (cx + r, cy - r)], 1.75), col, a)


def glyph_min(c, cx, cy, col, a):
    x0 = int(cx - 5.5)
    c.fill(sd_rect(x0, int(cy) + 3, x0 + 11, int(cy) + 5), col, a)


def glyph_max(c, cx, cy, col, a):
    x0, y0 = int(cx - 5.5), int(cy - 5.5)
    c.fill(sd_subtract(sd_rect(x0, y0, x0 + 11, y0 + 11), sd_rect(x0 + 1, y0 + 2, x0 + 10, y0 + 10)),
           col, a)


def glyph_restore(c, cx, cy, col, a):
    x0, y0 = int(cx - 5.5), int(cy - 5.5)
    front = sd_rect(x0, y0 + 3, x0 + 8, y0 + 11)
    back = sd_rect(x0 + 3, y0, x0 + 11, y0 + 8)
    c.fill(sd_subtract(sd_subtract(back, sd_rect(x0 + 4, y0 + 2, x0 + 10, y0 + 7)), front), col, a)
    c.fill(sd_subtract(front, sd_rect(x0 + 1, y0 + 5, x0 + 7, y0 + 10)), col, a)


def glyph_hide(c, cx, cy, col, a):
    d = 4.5
    c.fill(sd_stroke([(cx - d, cy - d), (cx + d - 0.6, cy + d - 0.6)], 1.8), col, a)
    c.fill(sd_stroke([(cx - 1.0, cy + d), (cx + d, cy + d), (cx + d, cy - 1.0)], 1.8), col, a)


def speaker(c, cx, cy, col, a):
    x = cx - 6.5
    c.fill(sd_polygon([(x, cy - 2.5), (x + 3, cy - 2.5), (x + 7, cy - 6), (x + 7, cy + 6),
                       (x + 3, cy + 2.5), (x, cy + 2.5)]), col, a)
    return x + 7


def glyph_sound_on(c, cx, cy, col, a):
    ex = speaker(c, cx - 1, cy, col, a)
    c.fill(sd_arc(ex, cy, 3.2, -0.9, 0.9, 1.5), col, a)
    c.fill(sd_arc(ex, cy, 6.2, -0.95, 0.95, 1.5), col, a)


def glyph_sound_muted(c, cx, cy, col, a):
    ex = speaker(c, cx - 1, cy, col, a)
    d = 2.6
    mx = ex + 4.2
    c.fill(sd_stroke([(mx - d, cy - d), (mx + d, cy + d)], 1.6), col, a)
    c.fill(sd_stroke([(mx - d, cy + d), (mx + d, cy - d)], 1.6), col, a)


def glyph_caret(c, cx, cy, col, a):
    """Small down-pointing triangle: the system button opens a menu."""
    x = cx + 14
    c.fill(sd_polygon([(x - 3, cy - 1.5), (x + 3, cy - 1.5), (x, cy + 1.8)]), col, a * 0.85)


def band_button(w, h, glyph, red_hover=False, glyph_cy=None):
    """Four faces (normal, hover, pressed, disabled) on the caption band: empty around
    the glyph, so the band shows through; edges antialiased against the band."""
    cy = h / 2.0 - 0.5 if glyph_cy is None else glyph_cy
    faces = []
    for state in range(4):
        layer = Canvas(w, h)
        plate = sd_rect(1, 1, w - 1, min(h - 1, 26), 3)
        if state == 1:
            if red_hover:
                layer.fill(plate, vgrad([(1, CLOSE_HOVER[0]), (26, CLOSE_HOVER[1])]))
            else:
                layer.fill(plate, WHITE, HOVER_ALPHA)
                layer.fill(ring(plate), WHITE, 0.25)
        elif state == 2:
            if red_hover:
                layer.fill(plate, vgrad([(1, CLOSE_PRESS[0]), (26, CLOSE_PRESS[1])]))
            else:
                layer.fill(plate, rgb('#082f66'), PRESS_ALPHA)
                layer.fill(ring(plate), rgb('#062654'), 0.35)
        shift = 1 if state == 2 else 0
        alpha = DISABLED_GLYPH_ALPHA if state == 3 else 1.0
        glyph(layer, w / 2.0, cy + shift, GLYPH, alpha)
        faces.append(layer.cut_over(ground(w, h, band_colour)))
    return frames_strip(faces)


def push_button():
    """133: plain push-button face on the pale body; one transparent pixel per corner."""
    faces = []
    for name in ('normal', 'hover', 'pressed', 'disabled'):
        border, top, bottom = PUSH[name]
        face = ground(PUSH_W, PUSH_H, lambda _r: BODY_LIGHT)
        outer = sd_rect(0, 0, PUSH_W, PUSH_H, 2.5)
        face.fill(outer, border)
        inner = sd_rect(1, 1, PUSH_W - 1, PUSH_H - 1, 1.5)
        face.fill(inner, vgrad([(1, top), (PUSH_H - 1, bottom)]))
        if name == 'pressed':
            face.fill(sd_rect(1, 1, PUSH_W - 1, 2.2), rgb('#7a9cc4'), 0.35)
        elif name != 'disabled':
            face.fill(sd_rect(2, 1, PUSH_W - 2, 2), WHITE, 0.9)
        for x, y in ((0, 0), (PUSH_W - 1, 0), (0, PUSH_H - 1), (PUSH_W - 1, PUSH_H - 1)):
            face.clear_px(x, y)
        faces.append(face)
    return frames_strip(faces)


def tab_faces():
    """140: game tab faces normal, hover, selected on the caption band (rows 3..24)."""
    faces = []
    for name in ('normal', 'hover', 'selected'):
        border, top, bottom = TAB[name]
        layer = Canvas(TAB_W, TAB_H)
        shape = sd_rect(0, 0, TAB_W - 1, TAB_H + 6, 4)
        layer.fill(shape, border)
        inner = sd_rect(1, 1, TAB_W - 2, TAB_H + 6, 3)
        layer.fill(inner, vgrad([(1, top), (TAB_H - 1, bottom)]))
        layer.fill(sd_rect(3, 1, TAB_W - 4, 2), WHITE, 0.7)
        if name != 'selected':
            layer.fill(sd_rect(0, TAB_H - 1, TAB_W - 1, TAB_H), border, 0.9)
        faces.append(layer.cut_over(ground(TAB_W, TAB_H, band_colour, TAB_TOP)))
    return frames_strip(faces)


def tab_close_marks(tabs):
    """141: the close mark of a tab (normal, hover, pressed), drawn over a hot tab."""
    hot = tabs.crop(TAB_W + TAB_CLOSE_X, 0, TAB_CLOSE, TAB_CLOSE)
    base = ground(TAB_CLOSE, TAB_CLOSE, band_colour, TAB_TOP)
    base.blit(hot, 0, 0)
    faces = []
    c = TAB_CLOSE / 2.0
    for state in range(3):
        layer = Canvas(TAB_CLOSE, TAB_CLOSE)
        col = TAB_MARK
        if state:
            layer.fill(sd_circle(c, c, 5.2), TAB_MARK_HOVER if state == 1 else TAB_MARK_PRESS)
            col = WHITE
        d = 2.4
        layer.fill(sd_stroke([(c - d, c - d), (c + d, c + d)], 1.4), col)
        layer.fill(sd_stroke([(c - d, c + d), (c + d, c - d)], 1.4), col)
        faces.append(layer.cut_over(base))
    return frames_strip(faces)


def padlock():
    """142: a small padlock beside the white link label on the caption band."""
    layer = Canvas(LOCK_W, LOCK_H)
    cx = LOCK_W / 2.0
    layer.fill(sd_union(sd_arc(cx, 6.2, 3.2, math.pi, 2 * math.pi, 1.7),
                        sd_stroke([(cx - 3.2, 6.2), (cx - 3.2, 8.5)], 1.7),
                        sd_stroke([(cx + 3.2, 6.2), (cx + 3.2, 8.5)], 1.7)), LOCK_SHACKLE)
    body = sd_rect(1.5, 7.5, LOCK_W - 1.5, 15.5, 1.6)
    layer.fill(body, LOCK_EDGE)
    layer.fill(sd_rect(2.5, 8.5, LOCK_W - 2.5, 14.5, 0.8), vgrad([(8.5, LOCK_BODY[0]), (14.5, LOCK_BODY[1])]))
    layer.fill(sd_union(sd_circle(cx, 10.8, 1.15), sd_rect(cx - 0.55, 11, cx + 0.55, 13.3)), LOCK_EDGE)
    return layer.cut_over(ground(LOCK_W, LOCK_H, band_colour, LOCK_TOP))


# ---------------------------------------------------------------- wordmark and logo

def _letters():
    """Stroke skeletons of the wordmark letters in a 10-unit cap height, baseline 10:
    (advance, [polyline | ('arc', cx, cy, r, a0, a1)])."""
    two_pi = 2 * math.pi
    return {
        'V': (7.4, [[(0, 0), (3.7, 10), (7.4, 0)]]),
        'e': (7.0, [[(0.1, 6.6), (6.9, 6.6)], ('arc', 3.5, 6.6, 3.4, 0.75, two_pi - 0.02)]),
        'l': (0.0, [[(0, -0.4), (0, 10)]]),
        'm': (9.6, [[(0, 3.2), (0, 10)], ('arc', 2.4, 5.6, 2.4, math.pi, two_pi),
                    [(4.8, 5.6), (4.8, 10)], ('arc', 7.2, 5.6, 2.4, math.pi, two_pi),
                    [(9.6, 5.6), (9.6, 10)]]),
        'o': (7.0, [('arc', 3.5, 6.6, 3.4, 0.0, two_pi)]),
        'T': (7.0, [[(0, 0), (7, 0)], [(3.5, 0), (3.5, 10)]]),
        'A': (7.6, [[(0, 10), (3.8, 0), (7.6, 10)], [(1.5, 6.6), (6.1, 6.6)]]),
        'R': (6.6, [[(0, 10), (0, 0), (3.6, 0)], ('arc', 3.6, 2.6, 2.6, -math.pi / 2, math.pi / 2),
                    [(3.6, 5.2), (0, 5.2)], [(3.0, 5.2), (6.6, 10)]]),
        'I': (0.0, [[(0, 0), (0, 10)]]),
        'K': (6.6, [[(0, 0), (0, 10)], [(6.4, 0), (0.2, 6.2)], [(2.4, 4.2), (6.6, 10)]]),
    }


def wordmark(c, text, x, y, cap_px, colour, alpha=1.0, weight=1.45, spacing=2.6, shadow=None):
    """Draws `text` from our stroke letters with its top-left at (x, y); returns the end x."""
    s = cap_px / 10.0
    letters = _letters()
    pen = x
    for ch in text:
        adv, parts = letters[ch]
        fs = []
        for p in parts:
            if isinstance(p, tuple) and p[0] == 'arc':
                _k, ax, ay, r, a0, a1 = p
                fs.append(sd_arc(pen + ax * s, y + ay * s, r * s, a0, a1, weight * s))
            else:
                fs.append(sd_stroke([(pen + px * s, y + py * s) for px, py in p], weight * s))
        f = sd_union(*fs)
        bbox = (pen - 2 * s, y - 2 * s, pen + (adv + 2) * s, y + 12 * s)
        if shadow:
            scol, sa, sdy = shadow
            c.fill(lambda px, py, f=f: f(px, py - sdy) - 0.4, scol, sa,
                   (bbox[0], bbox[1], bbox[2], bbox[3] + sdy + 1))
        c.fill(f, colour, alpha, bbox)
        pen += (adv + spacing) * s
    return pen - spacing * s


def logo(c, cx, cy, r, shadow=True):
    """Round badge with a white V: the platform's mark."""
    if shadow:
        c.fill_alpha(lambda x, y: 0.28 * (1 - smoothstep(-1, r * 0.25, sd_circle(cx, cy + r * 0.08, r)(x, y))),
                     SHADOW, (cx - r - 4, cy - r - 4, cx + r + 5, cy + r + 6))
    c.fill(sd_circle(cx, cy, r), LOGO_RING)
    c.fill(sd_circle(cx, cy, r - max(1.0, r * 0.1)),
           vgrad([(cy - r, LOGO[0]), (cy + r, LOGO[1])]), 1.0, (cx - r, cy - r, cx + r, cy + r))
    hw = r * 0.42
    c.fill(sd_stroke([(cx - hw, cy - r * 0.38), (cx, cy + r * 0.42), (cx + hw, cy - r * 0.38)],
                     max(1.9, r * 0.24)), WHITE, 1.0, (cx - r, cy - r, cx + r, cy + r))
    c.fill(sd_ellipse(cx, cy - r * 0.45, r * 0.62, r * 0.32), WHITE, 0.18,
           (cx - r, cy - r, cx + r, cy))


def clouds(c, specs, bbox_clip=None):
    """Soft clouds: each (x, y, scale, alpha), a union of circles with a flat bottom."""
    for x, y, s, a in specs:
        puffs = [(0, 0, 6), (7, -3, 7.5), (15, 0, 6), (-6, 2, 4), (21, 2, 4)]
        f = sd_union(*[sd_circle(x + dx * s, y + dy * s, rr * s) for dx, dy, rr in puffs],
                     sd_rect(x - 6 * s, y, x + 21 * s, y + 6 * s, 3 * s))
        bottom = y + 6 * s
        f2 = lambda px, py, f=f, bottom=bottom: max(f(px, py), py - bottom)
        box = (x - 11 * s, y - 12 * s, x + 26 * s, bottom + 1)
        if bbox_clip:
            box = (max(box[0], bbox_clip[0]), max(box[1], bbox_clip[1]),
                   min(box[2], bbox_clip[2]), min(box[3], bbox_clip[3]))
        c.fill(f2, vgrad([(y - 10 * s, CLOUD), (bottom, rgb('#dcecfa'))]), a, box)


# ---------------------------------------------------------------- notice pop-up

def sky_header(c, x0, x1, h, mark=True):
    c.fill_rect(x0, 0, x1, h, vgrad([(0, SKY[0]), (h * 0.55, SKY[1]), (h, SKY[2])]))
    clouds(c, [(x0 + 150, h - 12, 0.9, 0.55), (x0 + 196, h - 20, 0.6, 0.45),
               (x0 + 98, h - 6, 0.7, 0.5)], (x0, 0, x1, h))
    if mark:
        logo(c, x0 + 22, h / 2.0, 13)
        wordmark(c, 'Velmo', x0 + 43, h / 2.0 - 7, 14, WHITE, 1.0, 1.5, 2.4,
                 shadow=(rgb('#0b4a94'), 0.45, 1))


def notice_back(h, picture_frame):
    c = Canvas(NOTICE_W, h)
    c.fill_rect(0, 0, NOTICE_W, h, vgrad([(NOTICE_HEADER_H, NOTICE_BODY[0]), (h, NOTICE_BODY[1])]))
    # gentle hills along the bottom, well below the text lines
    c.fill(lambda x, y: (h - 14 - 7 * math.sin(x / 38.0 + 0.6)) - y, HILL[0], 1.0, (0, h - 24, NOTICE_W, h))
    c.fill(lambda x, y: (h - 8 - 5 * math.sin(x / 27.0 + 2.1)) - y, HILL[1], 1.0, (0, h - 16, NOTICE_W, h))
    sky_header(c, 0, NOTICE_W, NOTICE_HEADER_H)
    c.fill_rect(0, NOTICE_HEADER_H, NOTICE_W, NOTICE_HEADER_H + 1, rgb('#d3e7f9'))
    if picture_frame:
        x, y, w, hh = picture_frame
        c.fill_alpha(lambda px, py: 0.16 * (1 - smoothstep(0, 4, sd_rect(x, y + 1, x + w, y + hh + 1, 2)(px, py))),
                     SHADOW, (x - 6, y - 6, x + w + 7, y + hh + 8))
        c.fill(sd_rect(x - 1, y - 1, x + w + 1, y + hh + 1, 1), rgb('#c3d6ea'))
        c.fill(sd_rect(x, y, x + w, y + hh), rgb('#f7fbff'))
    outline = ring(sd_rect(0, 0, NOTICE_W, h), 1.0)
    c.fill(outline, NOTICE_OUTLINE)
    round_all_corners(c, NOTICE_OUTLINE, lambda y: c.get(5, y)[:3], lambda y: c.get(5, y)[:3])
    return c


def notice_close(back):
    """144: the small close button at the top right of the notice header."""
    bg = back.crop(NOTICE_CLOSE_X, NOTICE_CLOSE_Y, NOTICE_CLOSE_W, NOTICE_CLOSE_H)
    w, h = NOTICE_CLOSE_W, NOTICE_CLOSE_H
    faces = []
    for state in range(4):
        layer = Canvas(w, h)
        cx, cy = w - 9.5, h / 2.0
        plate = sd_rect(w - 19, 0, w, h, 3)
        if state == 1:
            layer.fill(plate, vgrad([(0, CLOSE_HOVER[0]), (h, CLOSE_HOVER[1])]))
        elif state == 2:
            layer.fill(plate, vgrad([(0, CLOSE_PRESS[0]), (h, CLOSE_PRESS[1])]))
        shift = 1 if state == 2 else 0
        d = 3.3
        a = DISABLED_GLYPH_ALPHA if state == 3 else 1.0
        glyph = sd_union(sd_stroke([(cx - d, cy - d + shift), (cx + d, cy + d + shift)], 1.6),
                         sd_stroke([(cx - d, cy + d + shift), (cx + d, cy - d + shift)], 1.6))
        if state == 0:
            layer.fill(lambda x, y: glyph(x, y - 0.8) - 0.3, rgb('#0b4a94'), 0.35)
        layer.fill(glyph, WHITE, a)
        faces.append(layer.cut_over(bg))
    return frames_strip(faces)


def picture_notice_back():
    """146: picture notice; the band left of the close tab stays see-through."""
    w, h, top = PIC_NOTICE_W, PIC_NOTICE_H, PIC_NOTICE_TOP
    tab_x = w - PIC_CLOSE_W
    c = Canvas(w, h)
    body = sd_rect(0, top, w, h, 4)
    tab = sd_rect(tab_x, 0, w, top + 6, 4)
    shape = sd_union(body, tab)
    c.fill(shape, NOTICE_OUTLINE)
    inner = sd_union(sd_rect(1, top + 1, w - 1, h - 1, 3), sd_rect(tab_x + 1, 1, w - 1, top + 6, 3))
    c.fill(inner, vgrad([(0, SKY[0]), (top, SKY[1]), (h, SKY[2])]))
    c.fill(sd_rect(4, top + 4, w - 4, h - 4, 2), rgb('#ffffff'))
    # the layered window keys out only the key colour: keep every other pixel opaque
    out = Canvas(w, h)
    for y in range(h):
        for x in range(w):
            r, g, b, a = c.get(x, y)
            if a >= 0.5:
                out.set_px(x, y, (r, g, b))
    return out


def picture_notice_close(back):
    """145: close tab button with the words drawn in."""
    w, h = PIC_CLOSE_W, PIC_CLOSE_H
    bg = back.crop(PIC_NOTICE_W - w, PIC_CLOSE_Y, w, h)
    text = text_mask('关闭', LABEL_FONT_FILE, 12, 30, h, 0, 0)
    faces = []
    for state in range(4):
        layer = Canvas(w, h)
        plate = sd_rect(3, 2, w - 3, h - 2, 3)
        if state == 1:
            layer.fill(plate, WHITE, HOVER_ALPHA)
            layer.fill(ring(plate), WHITE, 0.3)
        elif state == 2:
            layer.fill(plate, rgb('#082f66'), PRESS_ALPHA)
        shift = 1 if state == 2 else 0
        a = DISABLED_GLYPH_ALPHA if state == 3 else 1.0
        cy = h / 2.0 + shift
        d = 2.8
        layer.fill(sd_union(sd_stroke([(13 - d, cy - d), (13 + d, cy + d)], 1.5),
                            sd_stroke([(13 - d, cy + d), (13 + d, cy - d)], 1.5)), WHITE, a)
        layer.mask(text, WHITE, 19, shift, a)
        faces.append(layer.cut_over(bg))
    return frames_strip(faces)


# ---------------------------------------------------------------- progress, hall, add-account

def progress_track():
    w, h = PROGRESS_W, PROGRESS_H
    layer = Canvas(w, h)
    outer = sd_rect(0, 0, w, h, h / 2.0)
    layer.fill(outer, TRACK_EDGE)
    layer.fill(sd_rect(1, 1, w - 1, h - 1, h / 2.0 - 1), vgrad([(1, TRACK_FILL[0]), (h - 1, TRACK_FILL[1])]))
    layer.fill(sd_rect(h / 2.0, 1, w - h / 2.0, 2.5), rgb('#b7c2ce'), 0.45)
    return layer.cut_over(ground(w, h, lambda _r: BODY_LIGHT))


def progress_fill(track):
    w, h, i = PROGRESS_W, PROGRESS_H, FILL_INSET
    layer = Canvas(w, h)
    shape = sd_rect(i, i, w - i, h - i, h / 2.0 - i)
    layer.fill(shape, vgrad([(i, FILL_COLS[0]), (h / 2.0, FILL_COLS[1]), (h - i, FILL_COLS[2])]))
    gloss = sd_rect(i + 5, i + 1, w - i - 5, h / 2.0 - 0.5, 4)
    layer.fill(gloss, WHITE, 0.28)
    layer.fill(ring(shape), rgb('#1a5cb4'), 0.55)
    # the fill is drawn over the middle of the track at any length: blend against it
    under = ground(w, h, lambda y: track.get(w // 2, min(h - 1, y))[:3])
    return layer.cut_over(under)


def hall_button(style):
    w, h = HALL_W, HALL_H
    top, bottom = HALL[style]
    faces = []
    for state in range(4):
        layer = Canvas(w, h)
        plate = sd_rect(1, 2, w - 1, h - 3, 4)
        t, b = top, bottom
        if state == 1:
            t, b = mix(top, WHITE, 0.2), mix(bottom, WHITE, 0.15)
        elif state == 2:
            t, b = mix(bottom, rgb('#000000'), 0.1), mix(top, rgb('#000000'), 0.1)
        elif state == 3:
            t, b = mix(top, rgb('#9aa5b1'), 0.75), mix(bottom, rgb('#8b96a3'), 0.75)
        layer.fill(plate, vgrad([(2, t), (h - 3, b)]))
        layer.fill(ring(plate), rgb('#ffffff'), 0.35)
        sx, sy = 10, 8 + (1 if state == 2 else 0)
        for dx in (0, 6):
            for dy in (0, 6):
                layer.fill(sd_rect(sx + dx, sy + dy, sx + dx + 4.5, sy + dy + 4.5, 1), WHITE, 0.95)
        faces.append(layer.cut_over(ground(w, h, band_colour)))
    return frames_strip(faces)


def add_account_back():
    """162: fixed-layout dialog background: caption band, 3-pixel frame, pale body."""
    cols = (OUTLINE, FRAME_COLS[1], FRAME_COLS[3])
    return dialog_back(ADD_ACC_W, ADD_ACC_H, BODY_LIGHT, cols)


# ---------------------------------------------------------------- login background

def login_back():
    w, h = LOGIN_W, LOGIN_H
    m = 14                       # room for the soft shadow
    px0, py0, px1, py1 = m, m, w - m, h - m
    header = 214
    c = Canvas(w, h)
    panel = sd_rect(px0, py0, px1, py1, 10)
    # soft shadow, slightly lower than the panel
    sh = sd_rect(px0 + 2, py0 + 4, px1 - 2, py1 + 3, 12)
    c.fill_alpha(lambda x, y: 0.42 * (1 - smoothstep(-6, 12, sh(x, y))), SHADOW)
    # panel body and sky header
    body = vgrad([(py0 + header, rgb('#f7fbff')), (py1, rgb('#e6f1fc'))])
    c.fill(panel, body)
    sky = vgrad([(py0, SKY[0]), (py0 + header * 0.6, SKY[1]), (py0 + header, SKY[2])])
    head = sd_rect(px0, py0, px1, py0 + header, 10)

    def head_sq(x, y):
        return max(head(x, y), y - (py0 + header))
    c.fill(head_sq, sky, 1.0, (px0, py0, px1, py0 + header + 1))
    # sun glow and distant hills inside the header
    c.fill_alpha(lambda x, y: 0.55 * (1 - smoothstep(0, 120, math.hypot(x - 640, y - 70))), rgb('#fff6d8'),
                 (px0, py0, px1, py0 + header))
    clip = (px0 + 1, py0 + 1, px1 - 1, py0 + header)
    clouds(c, [(560, 70, 2.2, 0.55), (680, 120, 1.6, 0.5), (330, 168, 1.8, 0.45), (300, 52, 1.2, 0.35),
               (430, 150, 1.4, 0.4)], clip)
    base = py0 + header
    c.fill(lambda x, y: max((base - 34 - 20 * math.sin(x / 90.0) - 10 * math.sin(x / 37.0 + 1.3)) - y,
                            head(x, y)), rgb('#7fb9ea'), 0.8, (px0, base - 80, px1, base))
    c.fill(lambda x, y: max((base - 16 - 12 * math.sin(x / 61.0 + 2.0)) - y, head(x, y)),
           rgb('#cfe6fa'), 1.0, (px0, base - 40, px1, base))
    c.fill_rect(px0, base, px1, base + 1, rgb('#bcd8f2'))
    # mark and wordmarks
    logo(c, 104, 110, 44)
    end = wordmark(c, 'Velmo', 168, 72, 50, WHITE, 1.0, 1.45, 2.4, shadow=(rgb('#0b4a94'), 0.35, 2))
    wordmark(c, 'TARVIK', 172, 136, 20, rgb('#fff3c4'), 1.0, 1.5, 4.0, shadow=(rgb('#0b4a94'), 0.35, 1))
    c.fill(sd_stroke([(172, 128), (end, 128)], 1.2), WHITE, 0.6, (160, 125, end + 4, 131))
    # the frame around the login page
    x, y, pw, ph = LOGIN_PAGE
    c.fill_alpha(lambda qx, qy: 0.10 * (1 - smoothstep(0, 8, sd_rect(x, y + 2, x + pw, y + ph + 2, 4)(qx, qy))),
                 SHADOW, (x - 10, y - 10, x + pw + 10, y + ph + 14))
    c.fill(sd_rect(x - 1, y - 1, x + pw + 1, y + ph + 1, 3), rgb('#c2d6ec'))
    c.fill(sd_rect(x, y, x + pw, y + ph, 2), rgb('#ffffff'))
    # panel outline last, over everything
    c.fill(ring(panel, 1.0), rgb('#2b6cb8'))
    c.fill(ring(sd_rect(px0 + 1, py0 + 1, px1 - 1, py1 - 1, 9), 1.0), WHITE, 0.35)
    return c


# ---------------------------------------------------------------- icons

def app_icon(size):
    """128: the platform's round badge, so the caption band, taskbar and login agree."""
    c = Canvas(size, size)
    if size <= 16:
        logo(c, 8.0, 8.0, 7.6, shadow=False)
    else:
        r = size * 0.45
        logo(c, size / 2.0, size / 2.0 - size * 0.02, r)
    return c


def star_shape(cx, cy, ro, ri):
    pts = []
    for k in range(10):
        a = -math.pi / 2 + k * math.pi / 5
        r = ro if k % 2 == 0 else ri
        pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return sd_polygon(pts)


def favourite_icon(size):
    c = Canvas(size, size)
    cx, cy = size / 2.0, size * 0.53
    ro = size * 0.49
    st = star_shape(cx, cy, ro, ro * 0.45)
    edge = 0.8 if size <= 16 else size / 24.0
    c.fill(st, STAR_EDGE)
    c.fill(lambda x, y: st(x, y) + edge, vgrad([(0, STAR[0]), (size, STAR[1])]))
    c.fill(lambda x, y: max(st(x, y) + edge, y - cy), WHITE, 0.25)
    return c


# ---------------------------------------------------------------- all images

def build_images():
    """-> {id: Canvas} for every PNG resource."""
    img = {}
    band_h = CAPTION_H + BODY_H + FRAME
    img[131] = dialog_back(BACK_W, band_h, BODY_LIGHT, FRAME_COLS)
    img[134] = dialog_back(BACK_W, band_h, BODY_DARK, FRAME_COLS)
    img[132] = band_button(CLOSE_W, CAPTION_BTN_H, glyph_close, red_hover=True)
    img[135] = band_button(CAPTION_BTN_W, CAPTION_BTN_H, glyph_max)
    img[136] = band_button(CAPTION_BTN_W, CAPTION_BTN_H, glyph_min)
    img[137] = band_button(CAPTION_BTN_W, CAPTION_BTN_H, glyph_restore)
    img[138] = band_button(HOST_BTN, HOST_BTN, glyph_hide)
    img[139] = band_button(SYSTEM_W, CAPTION_BTN_H, lambda c, cx, cy, col, a: None)
    img[148] = band_button(HOST_BTN, HOST_BTN, glyph_sound_muted)
    img[149] = band_button(HOST_BTN, HOST_BTN, glyph_sound_on)
    img[133] = push_button()
    img[140] = tab_faces()
    img[141] = tab_close_marks(img[140])
    img[142] = padlock()
    img[143] = notice_back(NOTICE1_H, (15, 67, 75, 80))
    img[147] = notice_back(NOTICE2_H, None)
    img[144] = notice_close(img[143])
    img[146] = picture_notice_back()
    img[145] = picture_notice_close(img[146])
    img[150] = hall_button('normal')
    img[151] = hall_button('hot')
    img[152] = progress_track()
    img[153] = progress_fill(img[152])
    img[162] = add_account_back()
    img[129] = login_back()
    return img


def build_icons():
    return {128: [app_icon(s) for s in ICON_SIZES], 155: [favourite_icon(s) for s in ICON_SIZES]}


# ---------------------------------------------------------------- expectations (--check)

# id -> (width, height, frames)
EXPECTED = {
    129: (818, 600, 1), 131: (30, 51, 1), 132: (132, 28, 4), 133: (228, 23, 4),
    134: (30, 51, 1), 135: (108, 28, 4), 136: (108, 28, 4), 137: (108, 28, 4),
    138: (108, 27, 4), 139: (176, 28, 4), 140: (567, 22, 3), 141: (39, 13, 3),
    142: (14, 16, 1), 143: (250, 191, 1), 144: (144, 14, 4), 145: (216, 22, 4),
    146: (160, 212, 1), 147: (250, 167, 1), 148: (108, 27, 4), 149: (108, 27, 4),
    150: (316, 28, 4), 151: (316, 28, 4), 152: (390, 21, 1), 153: (390, 21, 1),
    162: (284, 150, 1),
}


def check_image(rid, w, h, rgba):
    """Problems of one decoded image, as a list of texts (empty when it is right)."""
    problems = []
    ew, eh, _frames = EXPECTED[rid]
    if (w, h) != (ew, eh):
        return ['%d: size %dx%d, expected %dx%d' % (rid, w, h, ew, eh)]

    def alpha(x, y):
        return rgba[(y * w + x) * 4 + 3]

    for i in range(w * h):
        r, g, b, a = rgba[i * 4:i * 4 + 4]
        if a == 255 and (r, g, b) == (255, 0, 255):
            problems.append('%d: opaque key colour at (%d, %d)' % (rid, i % w, i // w))
            break
    if rid in (131, 134):
        cut = {(x, y) for y, n in ((0, 3), (1, 2), (2, 1)) for k in range(n)
               for x in (k, w - 1 - k)}
        for y in range(h):
            for x in range(w):
                want = 0 if (x, y) in cut else 255
                if alpha(x, y) != want:
                    problems.append('%d: alpha %d at (%d, %d), expected %d' % (rid, alpha(x, y), x, y, want))
    if rid == 133:
        fw = w // 4
        for k in range(4):
            for x, y in ((0, 0), (fw - 1, 0), (0, h - 1), (fw - 1, h - 1)):
                if alpha(k * fw + x, y) != 0:
                    problems.append('133: frame %d corner (%d, %d) not transparent' % (k, x, y))
            opaque = sum(1 for y in range(h) for x in range(fw) if alpha(k * fw + x, y) == 255)
            if opaque != fw * h - 4:
                problems.append('133: frame %d has %d opaque pixels, expected %d' % (k, opaque, fw * h - 4))
    if rid == 146:
        for y in range(PIC_NOTICE_TOP):
            for x in range(w - PIC_CLOSE_W):
                if alpha(x, y) != 0:
                    problems.append('146: top band pixel (%d, %d) not transparent' % (x, y))
                    return problems
    if rid != 129:
        for i in range(w * h):
            if 0 < rgba[i * 4 + 3] < 255:
                problems.append('%d: partly transparent pixel at (%d, %d)' % (rid, i % w, i // w))
                break
    else:
        alphas = {rgba[i * 4 + 3] for i in range(0, w * h, 7)}
        if 0 not in alphas or 255 not in alphas or not any(0 < a < 255 for a in alphas):
            problems.append('129: needs a transparent outside, an opaque panel and soft edges')
    return problems


def check_icon(rid, data):
    problems = []
    try:
        entries = decode_ico(data)
    except ValueError as e:
        return ['%d.ico: %s' % (rid, e)]
    sizes = sorted(e[0] for e in entries)
    if sizes != list(ICON_SIZES):
        problems.append('%d.ico: sizes %s, expected %s' % (rid, sizes, list(ICON_SIZES)))
    for w, h, bits, rgba, mask in entries:
        if w != h or bits != 32:
            problems.append('%d.ico: entry %dx%d of %d bits' % (rid, w, h, bits))
        if not any(rgba[i * 4 + 3] == 255 for i in range(w * h)):
            problems.append('%d.ico: %dx%d entry is empty' % (rid, w, h))
        if any(mask[i] != (rgba[i * 4 + 3] == 0) for i in range(w * h)):
            problems.append('%d.ico: %dx%d AND mask does not match the alpha' % (rid, w, h))
    return problems


def check_tree(top):
    problems = []
    for rid in sorted(EXPECTED):
        path = os.path.join(top, 'res', 'png', png_name(rid))
        if not os.path.exists(path):
            problems.append('missing %s' % path)
            continue
        with open(path, 'rb') as f:
            w, h, rgba = decode_png(f.read())
        problems += check_image(rid, w, h, rgba)
    for rid in ICONS:
        path = os.path.join(top, 'res', 'icons', '%d.ico' % rid)
        if not os.path.exists(path):
            problems.append('missing %s' % path)
            continue
        with open(path, 'rb') as f:
            problems += check_icon(rid, f.read())
    rc = os.path.join(top, 'res', 'images.rc')
    with open(rc, encoding='utf-8') as f:
        text = f.read()
    if text != images_rc():
        problems.append('res/images.rc differs from what the generator writes')
    return problems


def check_exe(exe, top):
    """Problems of the resources compiled into an executable: every PNG of the table
    with type "PNG", language 2052 and the committed bytes; both icon groups with
    their three images."""
    import struct
    from pe_resources import read_resources, RT_ICON, RT_GROUP_ICON
    with open(exe, 'rb') as f:
        res = read_resources(f.read())
    problems = []
    for rid in sorted(EXPECTED):
        with open(os.path.join(top, 'res', 'png', png_name(rid)), 'rb') as f:
            want = f.read()
        got = res.get(('PNG', rid, 2052))
        if got is None:
            problems.append('%s: no PNG %d in language 2052' % (exe, rid))
        elif got != want:
            problems.append('%s: PNG %d differs from %s' % (exe, rid, png_name(rid)))
    icons = {key[1]: data for key, data in res.items() if key[0] == RT_ICON}
    for rid in sorted(ICONS):
        group = res.get((RT_GROUP_ICON, rid, 2052))
        if group is None:
            problems.append('%s: no icon group %d in language 2052' % (exe, rid))
            continue
        _r, _t, count = struct.unpack_from('<HHH', group, 0)
        sizes = []
        for k in range(count):
            w, _h, _c, _x, _p, bits, size, iid = struct.unpack_from('<BBBBHHIH', group, 6 + 14 * k)
            sizes.append(w or 256)
            if bits != 32 or iid not in icons or len(icons[iid]) != size:
                problems.append('%s: icon group %d entry %d is broken' % (exe, rid, k))
        if sorted(sizes) != list(ICON_SIZES):
            problems.append('%s: icon group %d has sizes %s' % (exe, rid, sorted(sizes)))
    return problems


# ---------------------------------------------------------------- output

def images_rc():
    lines = ['// PNG images of the skin (type "PNG", language 2052) and the icon groups.',
             '// Generated by tools/artwork/make_skin.py; edit the generator, not this file.',
             '',
             'LANGUAGE LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED',
             '']
    for rid in sorted(EXPECTED):
        lines.append('%d PNG "res/png/%s"' % (rid, png_name(rid)))
    lines.append('')
    for rid in sorted(ICONS):
        lines.append('%d ICON "res/icons/%d.ico"' % (rid, rid))
    return '\n'.join(lines) + '\n'


def write_if_changed(path, data):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    if os.path.exists(path):
        with open(path, 'rb') as f:
            if f.read() == data:
                return
    with open(path, 'wb') as f:
        f.write(data)


def write_all(top, images, icons):
    for rid, canvas in images.items():
        write_if_changed(os.path.join(top, 'res', 'png', png_name(rid)),
                         encode_png(canvas.w, canvas.h, canvas.to_rgba8()))
    for rid, sizes in icons.items():
        write_if_changed(os.path.join(top, 'res', 'icons', '%d.ico' % rid),
                         encode_ico([(c.w, c.to_rgba8()) for c in sizes]))
    write_if_changed(os.path.join(top, 'res', 'images.rc'), images_rc().encode('utf-8'))


def main(argv):
    here = os.path.dirname(os.path.abspath(__file__))
    repo = os.path.normpath(os.path.join(here, '..', '..'))
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument('--out', default=repo, help='tree to write res/ into (default: the checkout)')
    ap.add_argument('--check', action='store_true', help='only verify the files under --out')
    ap.add_argument('--check-exe', metavar='EXE', help='verify the resources built into EXE')
    ap.add_argument('--sheet', action='store_true', help='also write the contact sheet')
    ap.add_argument('--sheet-dir', default=os.path.join(repo, 'build', 'artwork'))
    args = ap.parse_args(argv)
    if args.check or args.check_exe:
        problems = check_tree(args.out) if args.check else []
        if args.check_exe:
            problems += check_exe(args.check_exe, args.out)
        for p in problems:
            print(p)
        print('artwork check: %s' % ('FAILED' if problems else 'ok'))
        return 1 if problems else 0
    images = build_images()
    icons = build_icons()
    write_all(args.out, images, icons)
    if args.sheet:
        import contact_sheet
        contact_sheet.write_sheets(args.sheet_dir, images, icons)
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv[1:]))
