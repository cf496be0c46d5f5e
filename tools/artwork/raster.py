"""Small deterministic rasteriser for the skin artwork: a premultiplied RGBA canvas,
shapes given as signed distance functions (coverage antialiasing), and PNG/ICO codecs.
Standard library only."""

import math
import struct
import subprocess
import zlib


def rgb(hex_text):
    """'#rrggbb' -> (r, g, b) floats in 0..1."""
    h = hex_text.lstrip('#')
    return tuple(int(h[i:i + 2], 16) / 255.0 for i in (0, 2, 4))


def mix(c1, c2, t):
    """Linear blend of two colours, t = 0 gives c1."""
    return tuple(a + (b - a) * t for a, b in zip(c1, c2))


def clamp01(v):
    return 0.0 if v < 0.0 else 1.0 if v > 1.0 else v


def smoothstep(e0, e1, x):
    t = clamp01((x - e0) / (e1 - e0))
    return t * t * (3.0 - 2.0 * t)


def vgrad(stops):
    """Vertical gradient colour function from [(y, colour), ...] sorted by y (pixel rows)."""
    def colour(_x, y):
        if y <= stops[0][0]:
            return stops[0][1]
        for (y0, c0), (y1, c1) in zip(stops, stops[1:]):
            if y <= y1:
                return mix(c0, c1, (y - y0) / (y1 - y0))
        return stops[-1][1]
    return colour


# ---------------------------------------------------------------- signed distances
# Each function returns a distance function d(x, y) in pixels: negative inside.

def sd_rect(x0, y0, x1, y1, r=0.0):
    cx, cy = (x0 + x1) / 2.0, (y0 + y1) / 2.0
    hx, hy = (x1 - x0) / 2.0 - r, (y1 - y0) / 2.0 - r

    def d(x, y):
        qx = abs(x - cx) - hx
        qy = abs(y - cy) - hy
        ox, oy = max(qx, 0.0), max(qy, 0.0)
        return math.hypot(ox, oy) + min(max(qx, qy), 0.0) - r
    return d


def sd_circle(cx, cy, r):
    return lambda x, y: math.hypot(x - cx, y - cy) - r


def sd_ellipse(cx, cy, rx, ry):
    """Approximate distance to an axis-aligned ellipse (good near the edge)."""
    def d(x, y):
        px, py = (x - cx) / rx, (y - cy) / ry
        k = math.hypot(px, py)
        if k == 0.0:
            return -min(rx, ry)
        g = math.hypot(px / rx, py / ry)
        return (k - 1.0) * k / g
    return d


def _seg_dist(x, y, ax, ay, bx, by):
    px, py = x - ax, y - ay
    dx, dy = bx - ax, by - ay
    ll = dx * dx + dy * dy
    t = 0.0 if ll == 0.0 else clamp01((px * dx + py * dy) / ll)
    return math.hypot(px - dx * t, py - dy * t)


def sd_stroke(points, width, closed=False):
    """A polyline of round-capped segments, `width` pixels wide."""
    pts = list(points)
    if closed:
        pts.append(pts[0])
    segs = list(zip(pts, pts[1:]))
    half = width / 2.0

    def d(x, y):
        return min(_seg_dist(x, y, a[0], a[1], b[0], b[1]) for a, b in segs) - half
    return d


def sd_polygon(points):
    pts = list(points)
    n = len(pts)

    def d(x, y):
        best = float('inf')
        inside = False
        j = n - 1
        for i in range(n):
            xi, yi = pts[i]
            xj, yj = pts[j]
            best = min(best, _seg_dist(x, y, xj, yj, xi, yi))
            if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
                inside = not inside
            j = i
        return -best if inside else best
    return d


def sd_arc(cx, cy, r, a0, a1, width):
    """Arc of a circle from angle a0 to a1 (radians, y down, a0 < a1), round caps."""
    half = width / 2.0
    e0 = (cx + r * math.cos(a0), cy + r * math.sin(a0))
    e1 = (cx + r * math.cos(a1), cy + r * math.sin(a1))

    def d(x, y):
        a = math.atan2(y - cy, x - cx)
        while a < a0:
            a += 2 * math.pi
        if a <= a1:
            return abs(math.hypot(x - cx, y - cy) - r) - half
        return min(math.hypot(x - e0[0], y - e0[1]), math.hypot(x - e1[0], y - e1[1])) - half
    return d


def sd_union(*fs):
    return lambda x, y: min(f(x, y) for f in fs)


def sd_subtract(f, g):
    return lambda x, y: max(f(x, y), -g(x, y))


def sd_intersect(f, g):
    return lambda x, y: max(f(x, y), g(x, y))


def sd_offset(f, dx, dy):
    return lambda x, y: f(x - dx, y - dy)


# ---------------------------------------------------------------- canvas

class Canvas:
    """Premultiplied RGBA floats, one list per channel; (0, 0) is the top-left pixel,
    pixel (i, j) has its centre at (i + 0.5, j + 0.5)."""

    def __init__(self, w, h):
        self.w, self.h = w, h
        n = w * h
        self.r = [0.0] * n
        self.g = [0.0] * n
        self.b = [0.0] * n
        self.a = [0.0] * n

    def _put(self, i, c, a):
        k = 1.0 - a
        self.r[i] = c[0] * a + self.r[i] * k
        self.g[i] = c[1] * a + self.g[i] * k
        self.b[i] = c[2] * a + self.b[i] * k
        self.a[i] = a + self.a[i] * k

    def fill(self, sdf, colour, alpha=1.0, bbox=None):
        """Paints `colour` (a tuple or a function of (x, y)) where sdf < 0, with
        coverage antialiasing over one pixel. bbox limits the pixels visited."""
        x0, y0, x1, y1 = bbox or (0, 0, self.w, self.h)
        x0, y0 = max(0, int(math.floor(x0))), max(0, int(math.floor(y0)))
        x1, y1 = min(self.w, int(math.ceil(x1))), min(self.h, int(math.ceil(y1)))
        const = not callable(colour)
        for y in range(y0, y1):
            cy = y + 0.5
            row = y * self.w
            for x in range(x0, x1):
                cov = 0.5 - sdf(x + 0.5, cy)
                if cov <= 0.0:
                    continue
                if cov > 1.0:
                    cov = 1.0
                c = colour if const else colour(x + 0.5, cy)
                self._put(row + x, c, cov * alpha)

    def fill_alpha(self, alpha_fn, colour, bbox=None):
        """Paints `colour` with a per-pixel alpha function (soft shadows, glows)."""
        x0, y0, x1, y1 = bbox or (0, 0, self.w, self.h)
        x0, y0 = max(0, int(x0)), max(0, int(y0))
        x1, y1 = min(self.w, int(math.ceil(x1))), min(self.h, int(math.ceil(y1)))
        const = not callable(colour)
        for y in range(y0, y1):
            row = y * self.w
            for x in range(x0, x1):
                a = alpha_fn(x + 0.5, y + 0.5)
                if a <= 0.0:
                    continue
                c = colour if const else colour(x + 0.5, y + 0.5)
                self._put(row + x, c, min(a, 1.0))

    def fill_rect(self, x0, y0, x1, y1, colour, alpha=1.0):
        """Whole-pixel rectangle [x0, x1) x [y0, y1)."""
        const = not callable(colour)
        for y in range(max(0, y0), min(self.h, y1)):
            for x in range(max(0, x0), min(self.w, x1)):
                c = colour if const else colour(x + 0.5, y + 0.5)
                self._put(y * self.w + x, c, alpha)

    def set_px(self, x, y, colour, alpha=1.0):
        i = y * self.w + x
        self.r[i], self.g[i], self.b[i] = (c * alpha for c in colour)
        self.a[i] = alpha

    def clear_px(self, x, y):
        self.set_px(x, y, (0.0, 0.0, 0.0), 0.0)

    def get(self, x, y):
        """Straight (r, g, b, a) floats of one pixel."""
        i = y * self.w + x
        a = self.a[i]
        if a <= 0.0:
            return (0.0, 0.0, 0.0, 0.0)
        return (self.r[i] / a, self.g[i] / a, self.b[i] / a, a)

    def mask(self, cov, colour, ox=0, oy=0, alpha=1.0):
        """Paints a coverage mask (Mask) with its top-left at (ox, oy)."""
        for y in range(cov.h):
            ty = y + oy
            if ty < 0 or ty >= self.h:
                continue
            for x in range(cov.w):
                tx = x + ox
                v = cov.v[y * cov.w + x]
                if v > 0.0 and 0 <= tx < self.w:
                    self._put(ty * self.w + tx, colour, v * alpha)

    def blit(self, src, ox, oy, sx=0, sy=0, w=None, h=None):
        """Composites another canvas over this one."""
        w = src.w if w is None else w
        h = src.h if h is None else h
        for y in range(h):
            ty = oy + y
            if ty < 0 or ty >= self.h:
                continue
            for x in range(w):
                tx = ox + x
                if tx < 0 or tx >= self.w:
                    continue
                si = (sy + y) * src.w + sx + x
                a = src.a[si]
                if a <= 0.0:
                    continue
                di = ty * self.w + tx
                k = 1.0 - a
                self.r[di] = src.r[si] + self.r[di] * k
                self.g[di] = src.g[si] + self.g[di] * k
                self.b[di] = src.b[si] + self.b[di] * k
                self.a[di] = a + self.a[di] * k

    def copy(self):
        c = Canvas(self.w, self.h)
        c.r, c.g, c.b, c.a = self.r[:], self.g[:], self.b[:], self.a[:]
        return c

    def crop(self, x0, y0, w, h):
        c = Canvas(w, h)
        for y in range(h):
            for x in range(w):
                si = (y0 + y) * self.w + x0 + x
                di = y * w + x
                c.r[di], c.g[di], c.b[di], c.a[di] = self.r[si], self.g[si], self.b[si], self.a[si]
        return c

    def cut_over(self, ground):
        """Makes a face that sits on a known ground: pixels this canvas leaves empty
        become fully transparent, every other pixel the opaque composite over the ground.
        Edges are thus antialiased against the colour the face is drawn on, and no
        partly transparent pixel is left for the loader to melt into white."""
        out = Canvas(self.w, self.h)
        for i in range(self.w * self.h):
            a = self.a[i]
            if a < 0.5 / 255.0:
                continue
            k = 1.0 - a
            out.r[i] = self.r[i] + ground.r[i] * k
            out.g[i] = self.g[i] + ground.g[i] * k
            out.b[i] = self.b[i] + ground.b[i] * k
            out.a[i] = 1.0
        return out

    def to_rgba8(self):
        """Straight 8-bit RGBA bytes, rows top to bottom; a fully transparent pixel is
        written as zeros so that equal pictures give equal files."""
        out = bytearray(self.w * self.h * 4)
        for i in range(self.w * self.h):
            a8 = int(self.a[i] * 255.0 + 0.5)
            if a8 <= 0:
                continue
            a = self.a[i]
            o = i * 4
            out[o] = min(255, int(self.r[i] / a * 255.0 + 0.5))
            out[o + 1] = min(255, int(self.g[i] / a * 255.0 + 0.5))
            out[o + 2] = min(255, int(self.b[i] / a * 255.0 + 0.5))
            out[o + 3] = min(255, a8)
        return bytes(out)

    @staticmethod
    def from_rgba8(w, h, data):
        c = Canvas(w, h)
        for i in range(w * h):
            a = data[i * 4 + 3] / 255.0
            c.a[i] = a
            c.r[i] = data[i * 4] / 255.0 * a
            c.g[i] = data[i * 4 + 1] / 255.0 * a
            c.b[i] = data[i * 4 + 2] / 255.0 * a
        return c

    def scaled(self, k):
        """Nearest-neighbour enlargement by an integer factor (for review sheets)."""
        c = Canvas(self.w * k, self.h * k)
        for y in range(c.h):
            srow = (y // k) * self.w
            drow = y * c.w
            for x in range(c.w):
                si = srow + x // k
                di = drow + x
                c.r[di], c.g[di], c.b[di], c.a[di] = self.r[si], self.g[si], self.b[si], self.a[si]
        return c


class Mask:
    """A coverage mask (floats 0..1)."""

    def __init__(self, w, h, values):
        self.w, self.h, self.v = w, h, values


def text_mask(text, font, pixel_size, w, h, dx=0, dy=0, kerning=0, gravity='center'):
    """Renders text centred in a w x h box with ImageMagick's `convert` and returns its
    coverage. The rendering is a pure function of its arguments, so the output stays
    deterministic for one installed ImageMagick and font."""
    cmd = ['convert', '-size', '%dx%d' % (w, h), 'xc:black', '-font', font,
           '-pointsize', str(pixel_size), '-density', '72', '-fill', 'white',
           '-kerning', str(kerning), '-gravity', gravity,
           '-annotate', '%+d%+d' % (dx, dy), text, '-depth', '8', 'gray:-']
    try:
        raw = subprocess.run(cmd, check=True, capture_output=True).stdout
    except (OSError, subprocess.CalledProcessError) as e:
        raise SystemExit('make_skin: ImageMagick convert is needed for the text (%s)' % e)
    if len(raw) != w * h:
        raise SystemExit('make_skin: convert gave %d bytes for %dx%d' % (len(raw), w, h))
    return Mask(w, h, [v / 255.0 for v in raw])


# ---------------------------------------------------------------- PNG

def _png_chunk(kind, data):
    return (struct.pack('>I', len(data)) + kind + data
            + struct.pack('>I', zlib.crc32(kind + data) & 0xffffffff))


def _paeth(a, b, c):
    p = a + b - c
    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
    if pa <= pb and pa <= pc:
        return a
    return b if pb <= pc else c


def encode_png(w, h, rgba, fast=False):
    """8-bit RGBA PNG; each row takes the filter with the smallest sum of magnitudes
    (fast: no filtering, for large review sheets)."""
    stride = w * 4
    prev = bytes(stride)
    raw = bytearray()
    for y in range(h):
        row = rgba[y * stride:(y + 1) * stride]
        if fast:
            raw.append(0)
            raw += row
            continue
        cands = []
        cands.append((0, bytes(row)))
        sub = bytes((row[i] - (row[i - 4] if i >= 4 else 0)) & 0xff for i in range(stride))
        cands.append((1, sub))
        up = bytes((row[i] - prev[i]) & 0xff for i in range(stride))
        cands.append((2, up))
        avg = bytes((row[i] - (((row[i - 4] if i >= 4 else 0) + prev[i]) >> 1)) & 0xff
                    for i in range(stride))
        cands.append((3, avg))
        pae = bytes((row[i] - _paeth(row[i - 4] if i >= 4 else 0, prev[i],
                                     prev[i - 4] if i >= 4 else 0)) & 0xff
                    for i in range(stride))
        cands.append((4, pae))
        ftype, data = min(cands, key=lambda c: sum(v if v < 128 else 256 - v for v in c[1]))
        raw.append(ftype)
        raw += data
        prev = row
    ihdr = struct.pack('>IIBBBBB', w, h, 8, 6, 0, 0, 0)
    return (b'\x89PNG\r\n\x1a\n' + _png_chunk(b'IHDR', ihdr)
            + _png_chunk(b'IDAT', zlib.compress(bytes(raw), 9)) + _png_chunk(b'IEND', b''))


def decode_png(data):
    """Reads an 8-bit RGBA or RGB, non-interlaced PNG -> (w, h, rgba bytes)."""
    if data[:8] != b'\x89PNG\r\n\x1a\n':
        raise ValueError('not a PNG')
    pos, idat, w = 8, b'', None
    while pos < len(data):
        (n,) = struct.unpack('>I', data[pos:pos + 4])
        kind = data[pos + 4:pos + 8]
        body = data[pos + 8:pos + 8 + n]
        if zlib.crc32(kind + body) & 0xffffffff != struct.unpack('>I', data[pos + 8 + n:pos + 12 + n])[0]:
            raise ValueError('bad CRC in %r' % kind)
        if kind == b'IHDR':
            w, h, depth, ctype, _c, _f, interlace = struct.unpack('>IIBBBBB', body)
            if depth != 8 or ctype not in (2, 6) or interlace:
                raise ValueError('unsupported PNG form')
            bpp = 4 if ctype == 6 else 3
        elif kind == b'IDAT':
            idat += body
        elif kind == b'IEND':
            break
        pos += 12 + n
    raw = zlib.decompress(idat)
    stride = w * bpp
    out = bytearray()
    prev = bytearray(stride)
    p = 0
    for _y in range(h):
        ftype = raw[p]
        line = bytearray(raw[p + 1:p + 1 + stride])
        p += 1 + stride
        for i in range(stride):
            a = line[i - bpp] if i >= bpp else 0
            b = prev[i]
            c = prev[i - bpp] if i >= bpp else 0
            if ftype == 1:
                line[i] = (line[i] + a) & 0xff
            elif ftype == 2:
                line[i] = (line[i] + b) & 0xff
            elif ftype == 3:
                line[i] = (line[i] + ((a + b) >> 1)) & 0xff
            elif ftype == 4:
                line[i] = (line[i] + _paeth(a, b, c)) & 0xff
            elif ftype != 0:
                raise ValueError('bad filter %d' % ftype)
        out += line
        prev = line
    if bpp == 3:
        rgba = bytearray()
        for i in range(0, len(out), 3):
            rgba += out[i:i + 3] + b'\xff'
        out = rgba
    return w, h, bytes(out)


# ---------------------------------------------------------------- ICO

def encode_ico(images):
    """Icon file of 32-bit DIB entries (BGRA bottom-up plus a 1-bit AND mask), which
    every Windows version reads; images = [(size, rgba bytes), ...]."""
    header = struct.pack('<HHH', 0, 1, len(images))
    entries, blobs = b'', b''
    offset = 6 + 16 * len(images)
    for size, rgba in images:
        bih = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
        xor = bytearray()
        mask_stride = ((size + 31) // 32) * 4
        andm = bytearray()
        for y in range(size - 1, -1, -1):
            bits = bytearray(mask_stride)
            for x in range(size):
                o = (y * size + x) * 4
                r, g, b, a = rgba[o:o + 4]
                xor += bytes((b, g, r, a))
                if a == 0:
                    bits[x >> 3] |= 0x80 >> (x & 7)
            andm += bits
        blob = bih + bytes(xor) + bytes(andm)
        dim = size if size < 256 else 0
        entries += struct.pack('<BBBBHHII', dim, dim, 0, 0, 1, 32, len(blob), offset)
        blobs += blob
        offset += len(blob)
    return header + entries + blobs


def decode_ico(data):
    """-> [(width, height, bitcount, rgba bytes top-down, AND-mask bits top-down), ...]
    for 32-bit DIB entries; a mask bit is 1 where the pixel is transparent."""
    _r, kind, count = struct.unpack('<HHH', data[:6])
    if kind != 1:
        raise ValueError('not an icon file')
    out = []
    for k in range(count):
        w, h, _cc, _res, _planes, bits, size, off = struct.unpack(
            '<BBBBHHII', data[6 + 16 * k:22 + 16 * k])
        w, h = w or 256, h or 256
        blob = data[off:off + size]
        if blob[:8] == b'\x89PNG\r\n\x1a\n':
            raise ValueError('PNG-compressed icon entry')
        bsize, bw, bh, _p, bc = struct.unpack('<IiiHH', blob[:16])
        if bsize != 40 or bw != w or bh != 2 * h:
            raise ValueError('bad icon DIB header')
        px = blob[40:40 + w * h * 4]
        andm = blob[40 + w * h * 4:]
        stride = ((w + 31) // 32) * 4
        if len(andm) != stride * h:
            raise ValueError('bad icon AND mask size')
        rgba = bytearray(w * h * 4)
        bits = []
        for y in range(h):
            src = (h - 1 - y) * w * 4
            mrow = (h - 1 - y) * stride
            for x in range(w):
                b, g, r, a = px[src + x * 4:src + x * 4 + 4]
                rgba[(y * w + x) * 4:(y * w + x) * 4 + 4] = bytes((r, g, b, a))
                bits.append((andm[mrow + (x >> 3)] >> (7 - (x & 7))) & 1)
        out.append((w, h, bc, bytes(rgba), bits))
    return out
