#!/usr/bin/python3
"""Writes the textures shipped in content/bmbrush/ as 24-bit BMP files.

Every texture tiles seamlessly: all noise comes from lattices that wrap
around the tile's edges and all waves have whole periods across the tile.
The output is deterministic (fixed seeds), so running the script again
reproduces the committed files byte for byte.

Usage: /usr/bin/python3 scripts/make-textures.py [output-folder]
"""

import math
import os
import random
import struct
import sys

SIZE = 96


def write_bmp(path, pixels, width, height):
    """pixels[y][x] = (r, g, b); rows are stored bottom-up, padded to 4 bytes."""
    row_size = (width * 3 + 3) & ~3
    image_size = row_size * height
    header = struct.pack('<2sIHHI', b'BM', 54 + image_size, 0, 0, 54)
    info = struct.pack('<IiiHHIIiiII', 40, width, height, 1, 24, 0, image_size, 3780, 3780, 0, 0)
    body = bytearray()
    for y in range(height - 1, -1, -1):
        row = bytearray()
        for r, g, b in pixels[y]:
            row += bytes((b, g, r))
        row += b'\0' * (row_size - width * 3)
        body += row
    with open(path, 'wb') as f:
        f.write(header + info + body)


class WrapNoise:
    """Value noise on a cells x cells lattice that wraps at the tile edge."""

    def __init__(self, cells, seed):
        rnd = random.Random(seed)
        self.cells = cells
        self.grid = [[rnd.random() for _ in range(cells)] for _ in range(cells)]

    def at(self, u, v):
        """u, v in [0, 1): smooth value in [0, 1]."""
        x = u * self.cells
        y = v * self.cells
        x0 = int(math.floor(x)) % self.cells
        y0 = int(math.floor(y)) % self.cells
        x1 = (x0 + 1) % self.cells
        y1 = (y0 + 1) % self.cells
        fx = x - math.floor(x)
        fy = y - math.floor(y)
        fx = fx * fx * (3 - 2 * fx)
        fy = fy * fy * (3 - 2 * fy)
        g = self.grid
        top = g[y0][x0] * (1 - fx) + g[y0][x1] * fx
        bottom = g[y1][x0] * (1 - fx) + g[y1][x1] * fx
        return top * (1 - fy) + bottom * fy


def fractal(seed, octaves=4, base=4):
    layers = [WrapNoise(base << i, seed * 31 + i) for i in range(octaves)]

    def f(u, v):
        total = 0.0
        weight = 1.0
        norm = 0.0
        for layer in layers:
            total += layer.at(u, v) * weight
            norm += weight
            weight *= 0.5
        return total / norm

    return f


def clamp(c):
    return max(0, min(255, int(round(c))))


def mix(a, b, t):
    return tuple(clamp(a[i] + (b[i] - a[i]) * t) for i in range(3))


def render(shade):
    return [[shade(x / SIZE, y / SIZE, x, y) for x in range(SIZE)] for y in range(SIZE)]


def speckle(seed):
    rnd = random.Random(seed)
    table = [[rnd.random() for _ in range(SIZE)] for _ in range(SIZE)]
    return lambda x, y: table[y][x]


def paper():
    n = fractal(1, 5, 8)
    s = speckle(2)
    return render(lambda u, v, x, y: mix((236, 232, 220), (250, 248, 240), n(u, v) * 0.8 + s(x, y) * 0.2))


def linen():
    n = fractal(3, 3, 8)
    s = speckle(4)

    def shade(u, v, x, y):
        weave = 0.5 + 0.25 * math.sin(2 * math.pi * 24 * u) + 0.25 * math.sin(2 * math.pi * 24 * v)
        return mix((196, 186, 160), (236, 228, 206), weave * 0.6 + n(u, v) * 0.25 + s(x, y) * 0.15)

    return render(shade)


def marble():
    n = fractal(5, 5, 4)

    def shade(u, v, x, y):
        t = math.sin(2 * math.pi * (2 * u + v) + 6.0 * n(u, v))
        vein = abs(t) ** 0.3
        return mix((110, 110, 120), (240, 238, 235), vein)

    return render(shade)


def wood():
    n = fractal(7, 4, 4)

    def shade(u, v, x, y):
        rings = 6 * v + 2.5 * n(u, v) + 0.3 * math.sin(2 * math.pi * u)
        t = rings - math.floor(rings)
        t = t ** 2.5
        return mix((186, 128, 72), (120, 70, 34), t)

    return render(shade)


def brushed_metal():
    # Fine streaks vary only down the tile; a coarse wrapping noise adds the
    # slow sheen across it, so both edges meet.
    streak = WrapNoise(96, 9)
    sheen = WrapNoise(4, 10)

    def shade(u, v, x, y):
        t = 0.75 * streak.at(0.0, v) + 0.25 * sheen.at(u, v)
        return mix((150, 154, 160), (222, 226, 232), t)

    return render(shade)


def canvas():
    s = speckle(11)

    def shade(u, v, x, y):
        a = 0.5 + 0.5 * math.sin(2 * math.pi * 32 * u)
        b = 0.5 + 0.5 * math.sin(2 * math.pi * 32 * v)
        over = a if (x // 3 + y // 3) % 2 else b
        return mix((200, 190, 164), (232, 224, 200), over * 0.75 + s(x, y) * 0.25)

    return render(shade)


def granite():
    n = fractal(13, 4, 8)
    s = speckle(14)

    def shade(u, v, x, y):
        k = s(x, y)
        if k > 0.93:
            return (40, 36, 38)
        if k < 0.06:
            return (236, 226, 222)
        return mix((120, 104, 104), (180, 164, 160), n(u, v))

    return render(shade)


def cork():
    n = fractal(15, 3, 16)
    s = speckle(16)

    def shade(u, v, x, y):
        t = n(u, v) * 0.6 + s(x, y) * 0.4
        return (40, 24, 12) if t < 0.25 else mix((150, 100, 52), (214, 166, 104), t)

    return render(shade)


def denim():
    s = speckle(17)
    n = fractal(18, 3, 8)

    def shade(u, v, x, y):
        twill = 0.5 + 0.5 * math.sin(2 * math.pi * 24 * (u + v))
        return mix((30, 52, 100), (96, 126, 176), twill * 0.5 + n(u, v) * 0.2 + s(x, y) * 0.3)

    return render(shade)


def parchment():
    n = fractal(19, 5, 4)
    m = fractal(20, 3, 8)
    return render(lambda u, v, x, y: mix((196, 164, 108), (244, 228, 188), n(u, v) * 0.7 + m(u, v) * 0.3))


def leather():
    cells = WrapNoise(12, 21)
    n = fractal(22, 4, 16)

    def shade(u, v, x, y):
        grain = abs(n(u, v) - 0.5) * 2
        return mix((70, 38, 20), (140, 84, 46), 0.3 + 0.5 * grain + 0.2 * cells.at(u, v))

    return render(shade)


def water():
    n = fractal(23, 4, 4)

    def shade(u, v, x, y):
        w = math.sin(2 * math.pi * (3 * u + 2 * v) + 5 * n(u, v)) * 0.5 + 0.5
        return mix((24, 84, 150), (150, 210, 240), w ** 2)

    return render(shade)


def sand():
    n = fractal(25, 3, 8)
    s = speckle(26)
    return render(lambda u, v, x, y: mix((204, 176, 120), (240, 222, 170), n(u, v) * 0.5 + s(x, y) * 0.5))


def slate():
    n = fractal(27, 5, 4)

    def shade(u, v, x, y):
        layer = 0.5 + 0.5 * math.sin(2 * math.pi * 4 * v + 3 * n(u, v))
        return mix((54, 62, 72), (104, 114, 126), layer * 0.6 + n(u, v) * 0.4)

    return render(shade)


TEXTURES = {
    'Paper': paper,
    'Linen': linen,
    'Marble': marble,
    'Wood': wood,
    'BrushedMetal': brushed_metal,
    'Canvas': canvas,
    'Granite': granite,
    'Cork': cork,
    'Denim': denim,
    'Parchment': parchment,
    'Leather': leather,
    'Water': water,
    'Sand': sand,
    'Slate': slate,
}


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, '..', 'content', 'bmbrush')
    os.makedirs(out, exist_ok=True)
    for name, make in TEXTURES.items():
        write_bmp(os.path.join(out, name + '.bmp'), make(), SIZE, SIZE)
    print('%d textures written to %s' % (len(TEXTURES), os.path.normpath(out)))


if __name__ == '__main__':
    main()
