#!/usr/bin/python3
"""Writes Cardwright's shipped artwork: background pictures for the "BG"
folder (content/BG/) and clip art (content/clipart/).

Everything is drawn here from simple shapes, with the Python standard library
only, so the pictures are reproducible:

    /usr/bin/python3 scripts/make-artwork.py [source-root]

Backgrounds are 336 x 192 pixels (a 3.5 x 2 inch card at 96 pixels per inch):
24-bit Windows bitmaps, and placeable Windows metafiles written record by
record (bounding box 0, 0, 3360, 1920 at 960 units per inch).  Clip art is
each icon both as a 96 x 96 bitmap and as a placeable metafile (0, 0, 960,
960 at 960 units per inch, one inch square).
"""

import math
import os
import struct
import sys

# ---------------------------------------------------------------- bitmaps


def write_bmp(path, width, height, pixel):
    """24-bit bottom-up BMP; pixel(x, y) gives (r, g, b) with y from the top."""
    row_bytes = (width * 3 + 3) & ~3
    image = bytearray()
    for y in range(height - 1, -1, -1):
        row = bytearray()
        for x in range(width):
            r, g, b = pixel(x, y)
            row += bytes((clamp(b), clamp(g), clamp(r)))
        row += b"\0" * (row_bytes - len(row))
        image += row
    header = struct.pack("<2sIHHI", b"BM", 14 + 40 + len(image), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(image), 3780, 3780, 0, 0)
    with open(path, "wb") as f:
        f.write(header + info + image)


def clamp(v):
    return max(0, min(255, int(round(v))))


def mix(a, b, t):
    t = max(0.0, min(1.0, t))
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(3))


def hexrgb(text):
    return tuple(int(text[i:i + 2], 16) for i in (0, 2, 4))


# ---------------------------------------------------------------- metafiles


class Wmf:
    """A placeable Windows metafile built record by record."""

    def __init__(self, width, height, inch):
        self.width, self.height, self.inch = width, height, inch
        self.records = []
        self.slots = []  # object table: True where a slot is taken
        self.max_objects = 0
        self.record(0x0103, 8)  # SETMAPMODE MM_ANISOTROPIC
        self.record(0x020B, 0, 0)  # SETWINDOWORG (y, x)
        self.record(0x020C, height, width)  # SETWINDOWEXT (y, x)
        self.record(0x0102, 1)  # SETBKMODE TRANSPARENT
        self.record(0x0106, 2)  # SETPOLYFILLMODE WINDING

    def record(self, function, *words):
        data = b"".join(struct.pack("<h" if w < 0 else "<H", w) for w in words)
        self.records.append(struct.pack("<IH", 3 + len(words), function) + data)

    def raw(self, function, payload):
        self.records.append(struct.pack("<IH", 3 + len(payload) // 2, function) + payload)

    def _slot(self):
        for i, taken in enumerate(self.slots):
            if not taken:
                self.slots[i] = True
                return i
        self.slots.append(True)
        self.max_objects = max(self.max_objects, len(self.slots))
        return len(self.slots) - 1

    def _delete(self, slot):
        self.record(0x01F0, slot)  # DELETEOBJECT
        self.slots[slot] = False

    def _colour(self, rgb):
        r, g, b = rgb
        return struct.pack("<BBBB", r, g, b, 0)

    def select_tools(self, fill, pen, pen_width):
        """Selects a new brush and pen; returns their slots for release()."""
        brush = self._slot()
        if fill is None:
            self.raw(0x02FC, struct.pack("<H", 1) + self._colour((0, 0, 0)) + struct.pack("<H", 0))
        else:
            self.raw(0x02FC, struct.pack("<H", 0) + self._colour(fill) + struct.pack("<H", 0))
        self.record(0x012D, brush)
        p = self._slot()
        if pen is None:
            self.raw(0x02FA, struct.pack("<Hhh", 5, 0, 0) + self._colour((0, 0, 0)))
        else:
            self.raw(0x02FA, struct.pack("<Hhh", 0, pen_width, 0) + self._colour(pen))
        self.record(0x012D, p)
        return brush, p

    def release(self, slots):
        # Stock objects are not needed: the next shape selects its own tools
        # before the old ones are deleted.
        for s in slots:
            self._delete(s)

    def polygon(self, points, fill, pen=None, pen_width=0):
        tools = self.select_tools(fill, pen, pen_width)
        words = [len(points)]
        for x, y in points:
            words += [int(round(x)), int(round(y))]
        self.record(0x0324, *words)
        self.release(tools)

    def polyline(self, points, pen, pen_width):
        tools = self.select_tools(None, pen, pen_width)
        words = [len(points)]
        for x, y in points:
            words += [int(round(x)), int(round(y))]
        self.record(0x0325, *words)
        self.release(tools)

    def ellipse(self, x1, y1, x2, y2, fill, pen=None, pen_width=0):
        tools = self.select_tools(fill, pen, pen_width)
        self.record(0x0418, *(int(round(v)) for v in (y2, x2, y1, x1)))
        self.release(tools)

    def rectangle(self, x1, y1, x2, y2, fill, pen=None, pen_width=0):
        tools = self.select_tools(fill, pen, pen_width)
        self.record(0x041B, *(int(round(v)) for v in (y2, x2, y1, x1)))
        self.release(tools)

    def bytes(self):
        body = b"".join(self.records) + struct.pack("<IH", 3, 0)  # META_EOF
        words = (18 + len(body)) // 2
        max_record = max(len(r) for r in self.records) // 2
        header = struct.pack("<HHHIHIH", 1, 9, 0x0300, words, max(1, self.max_objects), max_record, 0)
        placeable = struct.pack("<IHhhhhHI", 0x9AC6CDD7, 0, 0, 0, self.width, self.height, self.inch, 0)
        checksum = 0
        for (w,) in struct.iter_unpack("<H", placeable):
            checksum ^= w
        return placeable + struct.pack("<H", checksum) + header + body


# ---------------------------------------------------------------- shapes
#
# A drawing is a list of shapes in a unit square (0..1 both ways, y down):
# ("poly", points, fill, pen), ("ellipse", (x1, y1, x2, y2), fill, pen),
# ("rect", (x1, y1, x2, y2), fill, pen).  pen is None or (rgb, width in units).


def inside(shape, x, y):
    kind, geometry = shape[0], shape[1]
    if kind == "rect":
        x1, y1, x2, y2 = geometry
        return x1 <= x < x2 and y1 <= y < y2
    if kind == "ellipse":
        x1, y1, x2, y2 = geometry
        cx, cy, rx, ry = (x1 + x2) / 2, (y1 + y2) / 2, (x2 - x1) / 2, (y2 - y1) / 2
        return ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1.0
    # non-zero winding, as the metafile's winding fill mode
    winding = 0
    pts = geometry
    for i in range(len(pts)):
        (ax, ay), (bx, by) = pts[i], pts[(i + 1) % len(pts)]
        if ay <= y < by or by <= y < ay:
            t = (y - ay) / (by - ay)
            if ax + t * (bx - ax) > x:
                winding += 1 if by > ay else -1
    return winding != 0


def near_outline(shape, x, y, width):
    """True when (x, y) lies within width/2 of the shape's outline."""
    kind, geometry = shape[0], shape[1]
    if kind == "ellipse":
        x1, y1, x2, y2 = geometry
        cx, cy, rx, ry = (x1 + x2) / 2, (y1 + y2) / 2, (x2 - x1) / 2, (y2 - y1) / 2
        d = math.hypot((x - cx) / rx, (y - cy) / ry)
        return abs(d - 1.0) * min(rx, ry) <= width / 2
    if kind == "rect":
        x1, y1, x2, y2 = geometry
        pts = [(x1, y1), (x2, y1), (x2, y2), (x1, y2)]
        closed = True
    else:
        pts = geometry
        closed = kind == "poly"
    n = len(pts) if closed else len(pts) - 1
    for i in range(n):
        (ax, ay), (bx, by) = pts[i], pts[(i + 1) % len(pts)]
        dx, dy = bx - ax, by - ay
        length2 = dx * dx + dy * dy or 1e-12
        t = max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / length2))
        if math.hypot(x - ax - t * dx, y - ay - t * dy) <= width / 2:
            return True
    return False


def rasterize(shapes, size, background=(255, 255, 255), samples=3):
    """The drawing as a size x size bitmap, 3 x 3 samples per pixel."""

    def colour_at(x, y):
        colour = background
        for shape in shapes:
            fill, pen = shape[2], shape[3]
            if fill is not None and shape[0] != "line" and inside(shape, x, y):
                colour = fill
            if pen is not None and near_outline(shape, x, y, pen[1]):
                colour = pen[0]
        return colour

    pixels = {}
    for py in range(size):
        for px in range(size):
            acc = [0.0, 0.0, 0.0]
            for sy in range(samples):
                for sx in range(samples):
                    c = colour_at((px + (sx + 0.5) / samples) / size, (py + (sy + 0.5) / samples) / size)
                    for i in range(3):
                        acc[i] += c[i]
            pixels[(px, py)] = tuple(v / samples ** 2 for v in acc)
    return lambda x, y: pixels[(x, y)]


def to_wmf(shapes, width, height, inch):
    wmf = Wmf(width, height, inch)
    sx, sy = width, height
    for shape in shapes:
        kind, geometry, fill, pen = shape
        pen_rgb, pen_width = (pen[0], max(1, int(round(pen[1] * sx)))) if pen else (None, 0)
        if kind == "poly":
            wmf.polygon([(x * sx, y * sy) for x, y in geometry], fill, pen_rgb, pen_width)
        elif kind == "line":
            wmf.polyline([(x * sx, y * sy) for x, y in geometry], pen_rgb, pen_width)
        elif kind == "ellipse":
            x1, y1, x2, y2 = geometry
            wmf.ellipse(x1 * sx, y1 * sy, x2 * sx, y2 * sy, fill, pen_rgb, pen_width)
        elif kind == "rect":
            x1, y1, x2, y2 = geometry
            wmf.rectangle(x1 * sx, y1 * sy, x2 * sx, y2 * sy, fill, pen_rgb, pen_width)
    return wmf.bytes()


def star(cx, cy, outer, inner, points=5, turn=-90):
    pts = []
    for i in range(points * 2):
        r = outer if i % 2 == 0 else inner
        a = math.radians(turn + i * 180 / points)
        pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return pts


def arc(cx, cy, rx, ry, start, end, steps=24):
    return [(cx + rx * math.cos(math.radians(start + (end - start) * i / steps)),
             cy + ry * math.sin(math.radians(start + (end - start) * i / steps))) for i in range(steps + 1)]


INK = (40, 40, 40)
EDGE = (INK, 0.03)

CLIPART = {
    "Star": [
        ("poly", star(0.5, 0.53, 0.46, 0.19), hexrgb("F4C20D"), (hexrgb("A67C00"), 0.03)),
    ],
    "Envelope": [
        ("rect", (0.08, 0.22, 0.92, 0.78), hexrgb("FFFFFF"), EDGE),
        ("line", [(0.08, 0.22), (0.5, 0.55), (0.92, 0.22)], None, EDGE),
        ("line", [(0.08, 0.78), (0.4, 0.47)], None, EDGE),
        ("line", [(0.92, 0.78), (0.6, 0.47)], None, EDGE),
    ],
    "Phone": [
        ("poly", arc(0.5, 0.42, 0.42, 0.22, 180, 360) + [(0.92, 0.48), (0.72, 0.52), (0.68, 0.42),
                                                      (0.32, 0.42), (0.28, 0.52), (0.08, 0.48)],
         hexrgb("C0392B"), EDGE),
        ("poly", [(0.26, 0.52), (0.74, 0.52), (0.86, 0.86), (0.14, 0.86)], hexrgb("C0392B"), EDGE),
        ("ellipse", (0.38, 0.56, 0.62, 0.80), hexrgb("F2F2F2"), EDGE),
    ],
    "House": [
        ("poly", [(0.5, 0.1), (0.92, 0.48), (0.08, 0.48)], hexrgb("B03A2E"), EDGE),
        ("rect", (0.18, 0.48, 0.82, 0.9), hexrgb("F5DEB3"), EDGE),
        ("rect", (0.42, 0.62, 0.58, 0.9), hexrgb("8B5A2B"), EDGE),
        ("rect", (0.24, 0.56, 0.36, 0.68), hexrgb("AED6F1"), EDGE),
        ("rect", (0.64, 0.56, 0.76, 0.68), hexrgb("AED6F1"), EDGE),
    ],
    "Leaf": [
        ("poly", arc(0.3, 0.7, 0.6, 0.6, -90, 0, 16) + arc(0.7, 0.3, 0.6, 0.6, 90, 180, 16),
         hexrgb("3C9D3C"), (hexrgb("1E5E1E"), 0.025)),
        ("line", [(0.12, 0.9), (0.3, 0.7), (0.88, 0.12)], None, (hexrgb("1E5E1E"), 0.025)),
    ],
    "Globe": [
        ("ellipse", (0.06, 0.06, 0.94, 0.94), hexrgb("5DADE2"), EDGE),
        ("poly", [(0.25, 0.2), (0.45, 0.16), (0.5, 0.3), (0.4, 0.42), (0.44, 0.6), (0.34, 0.7),
                  (0.26, 0.5), (0.16, 0.42)], hexrgb("58A55C"), None),
        ("poly", [(0.6, 0.3), (0.8, 0.28), (0.86, 0.5), (0.72, 0.78), (0.62, 0.62), (0.66, 0.46)],
         hexrgb("58A55C"), None),
        ("ellipse", (0.3, 0.06, 0.7, 0.94), None, (INK, 0.015)),
        ("line", [(0.06, 0.5), (0.94, 0.5)], None, (INK, 0.015)),
        ("ellipse", (0.06, 0.06, 0.94, 0.94), None, EDGE),
    ],
    "Heart": [
        ("poly", arc(0.3, 0.36, 0.2, 0.2, 150, 360, 16) + arc(0.7, 0.36, 0.2, 0.2, 180, 390, 16)
         + [(0.5, 0.9)], hexrgb("E74C3C"), (hexrgb("922B21"), 0.03)),
    ],
    "Sun": [
        ("poly", star(0.5, 0.5, 0.47, 0.3, 12, 0), hexrgb("F39C12"), None),
        ("ellipse", (0.24, 0.24, 0.76, 0.76), hexrgb("F7DC6F"), (hexrgb("D68910"), 0.03)),
    ],
    "Check": [
        ("poly", [(0.08, 0.52), (0.22, 0.38), (0.4, 0.56), (0.8, 0.14), (0.94, 0.28), (0.4, 0.84)],
         hexrgb("27AE60"), (hexrgb("145A32"), 0.025)),
    ],
    "Computer": [
        ("rect", (0.1, 0.12, 0.9, 0.66), hexrgb("D5D8DC"), EDGE),
        ("rect", (0.17, 0.19, 0.83, 0.59), hexrgb("2E86C1"), None),
        ("poly", [(0.42, 0.66), (0.58, 0.66), (0.62, 0.8), (0.38, 0.8)], hexrgb("ABB2B9"), EDGE),
        ("rect", (0.24, 0.8, 0.76, 0.88), hexrgb("ABB2B9"), EDGE),
    ],
    "Pencil": [
        ("poly", [(0.2, 0.66), (0.66, 0.2), (0.8, 0.34), (0.34, 0.8)], hexrgb("F4D03F"), EDGE),
        ("poly", [(0.2, 0.66), (0.34, 0.8), (0.12, 0.88)], hexrgb("F5CBA7"), EDGE),
        ("poly", [(0.66, 0.2), (0.74, 0.12), (0.88, 0.26), (0.8, 0.34)], hexrgb("EC7063"), EDGE),
    ],
    "Clock": [
        ("ellipse", (0.08, 0.08, 0.92, 0.92), hexrgb("FDFEFE"), (INK, 0.04)),
        ("line", [(0.5, 0.5), (0.5, 0.2)], None, (INK, 0.05)),
        ("line", [(0.5, 0.5), (0.7, 0.62)], None, (INK, 0.05)),
        ("ellipse", (0.46, 0.46, 0.54, 0.54), INK, None),
    ],
    "Briefcase": [
        ("rect", (0.36, 0.18, 0.64, 0.3), None, (hexrgb("4A2C17"), 0.05)),
        ("rect", (0.08, 0.3, 0.92, 0.84), hexrgb("8E5B34"), (hexrgb("4A2C17"), 0.03)),
        ("rect", (0.08, 0.5, 0.92, 0.54), hexrgb("4A2C17"), None),
        ("rect", (0.44, 0.46, 0.56, 0.58), hexrgb("D4AC0D"), None),
    ],
}

# ---------------------------------------------------------------- backgrounds

W, H = 336, 192


def noise(x, y, seed):
    n = (x * 374761393 + y * 668265263 + seed * 982451653) & 0xFFFFFFFF
    n = ((n ^ (n >> 13)) * 1274126177) & 0xFFFFFFFF
    return ((n ^ (n >> 16)) & 0xFFFF) / 65535.0


def smooth_noise(x, y, seed, cell):
    gx, gy = x / cell, y / cell
    x0, y0 = int(gx), int(gy)
    tx, ty = gx - x0, gy - y0
    tx, ty = tx * tx * (3 - 2 * tx), ty * ty * (3 - 2 * ty)
    a, b = noise(x0, y0, seed), noise(x0 + 1, y0, seed)
    c, d = noise(x0, y0 + 1, seed), noise(x0 + 1, y0 + 1, seed)
    return (a + (b - a) * tx) * (1 - ty) + (c + (d - c) * tx) * ty


def bg_sky(x, y):
    return mix(hexrgb("9CC9EE"), hexrgb("FFFFFF"), y / (H - 1) * 1.2)


def bg_sunset(x, y):
    t = (x / (W - 1) + y / (H - 1)) / 2
    return mix(hexrgb("FFE3B3"), hexrgb("F9C6D3"), t)


def bg_sage_stripes(x, y):
    base = hexrgb("EEF4E8")
    return mix(base, hexrgb("D5E5C8"), 1.0) if ((x + y) // 12) % 2 == 0 else base


def bg_parchment(x, y):
    t = 0.6 * smooth_noise(x, y, 7, 24) + 0.4 * smooth_noise(x, y, 11, 7)
    edge = min(x, y, W - 1 - x, H - 1 - y)
    shade = max(0.0, 1.0 - edge / 28.0) * 0.35
    return mix(mix(hexrgb("FBF3DC"), hexrgb("EEDDB4"), t), hexrgb("C8A96E"), shade)


def bg_dots(x, y):
    cx, cy = (x % 16) - 8, (y % 16) - 8
    if (y // 16) % 2:
        cx = ((x + 8) % 16) - 8
    return hexrgb("C9DDF0") if cx * cx + cy * cy <= 5 else hexrgb("F4F8FC")


def bg_wave(x, y):
    crest = H * 0.72 + 14 * math.sin(x / W * 2 * math.pi * 1.2)
    if y > crest:
        return mix(hexrgb("2E86C1"), hexrgb("1B4F72"), (y - crest) / (H - crest + 1))
    if y > crest - 6:
        return hexrgb("AED6F1")
    return hexrgb("FFFFFF")


def bg_linen(x, y):
    base = mix(hexrgb("F7F3EA"), hexrgb("EFE8D8"), noise(x, y, 3) * 0.6)
    if x % 6 == 0 or y % 6 == 0:
        return mix(base, hexrgb("DCD2BC"), 0.5)
    return base


def bg_marble(x, y):
    t = math.sin(x / 18.0 + 6.0 * smooth_noise(x, y, 5, 40) + 2.0 * smooth_noise(x, y, 9, 12))
    v = (t + 1) / 2
    return mix(hexrgb("FAFAFA"), hexrgb("B8BEC6"), v ** 6)


def bg_sidebar(x, y):
    if x < 56:
        return mix(hexrgb("7D3C98"), hexrgb("C39BD3"), y / (H - 1))
    if x < 60:
        return hexrgb("F5EEF8")
    return mix(hexrgb("FFFFFF"), hexrgb("F5EEF8"), (x - 60) / (W - 60))


BACKGROUNDS = {
    "Sky.bmp": bg_sky,
    "Sunset.bmp": bg_sunset,
    "Sage Stripes.bmp": bg_sage_stripes,
    "Parchment.bmp": bg_parchment,
    "Blue Dots.bmp": bg_dots,
    "Ocean Wave.bmp": bg_wave,
    "Linen.bmp": bg_linen,
    "Marble.bmp": bg_marble,
    "Violet Bar.bmp": bg_sidebar,
}


def wmf_frame():
    # A double frame with corner diamonds, in units of a 3360 x 1920 box.
    wmf = Wmf(3360, 1920, 960)
    navy, gold = hexrgb("1F3A5F"), hexrgb("C9A227")
    wmf.rectangle(60, 60, 3300, 1860, None, navy, 28)
    wmf.rectangle(130, 130, 3230, 1790, None, gold, 12)
    for cx, cy in ((95, 95), (3265, 95), (95, 1825), (3265, 1825)):
        wmf.polygon([(cx, cy - 70), (cx + 70, cy), (cx, cy + 70), (cx - 70, cy)], gold, navy, 10)
    return wmf.bytes()


def wmf_swoosh():
    # Two sweeping bands along the bottom edge and a sun disc in the corner.
    wmf = Wmf(3360, 1920, 960)
    top = [(x, 1500 - 260 * math.sin(x / 3360 * math.pi)) for x in range(0, 3361, 168)]
    low = [(x, 1640 - 160 * math.sin(x / 3360 * math.pi * 1.3)) for x in range(0, 3361, 168)]
    wmf.polygon(top + [(3360, 1920), (0, 1920)], hexrgb("A9CCE3"))
    wmf.polygon(low + [(3360, 1920), (0, 1920)], hexrgb("2471A3"))
    wmf.ellipse(2900, -300, 3660, 460, hexrgb("F8C471"))
    return wmf.bytes()


def wmf_circles():
    # Overlapping soft rings in the right half.
    wmf = Wmf(3360, 1920, 960)
    for (cx, cy, r, colour) in ((2700, 500, 520, "D6EAF8"), (3100, 1300, 620, "D1F2EB"),
                                (2300, 1600, 380, "FCF3CF")):
        wmf.ellipse(cx - r, cy - r, cx + r, cy + r, hexrgb(colour), hexrgb("85929E"), 6)
    return wmf.bytes()


# ---------------------------------------------------------------- main


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")
    bg = os.path.join(root, "content", "BG")
    clipart = os.path.join(root, "content", "clipart")
    os.makedirs(bg, exist_ok=True)
    os.makedirs(clipart, exist_ok=True)

    for name, pixel in BACKGROUNDS.items():
        write_bmp(os.path.join(bg, name), W, H, pixel)
    for name, make in (("Navy Frame.wmf", wmf_frame), ("Blue Swoosh.wmf", wmf_swoosh),
                       ("Soft Circles.wmf", wmf_circles)):
        with open(os.path.join(bg, name), "wb") as f:
            f.write(make())

    for name, shapes in CLIPART.items():
        write_bmp(os.path.join(clipart, name + ".bmp"), 96, 96, rasterize(shapes, 96))
        with open(os.path.join(clipart, name + ".wmf"), "wb") as f:
            f.write(to_wmf(shapes, 960, 960, 960))


if __name__ == "__main__":
    main()
