#!/usr/bin/env python3
"""Draws Zurmet's application icon and writes it as ui/resources/zurmet.ico,
and as a PNG of every size the desktop icon themes use in icons/ beside it
(icons/zurmet-SIZE.png).

    python3 ui/resources/make_icon.py [OUTPUT]

A yellow ruler with black ticks under a navy two-headed arrow: measuring and
converting. The shapes are laid out on a 16-unit grid whose straight edges
are rounded to whole pixels, so they stay sharp at every size; above 16
pixels the slanted arrow heads and the rounded corners are smoothed by
sampling each pixel several times. Only the standard library is used, so
the icon can be redrawn anywhere python3 runs.

The .ico holds every size Windows asks for from 100% to 300% (16, 20, 24
pixels for small icons; 32, 40, 48, 64, 96 for large ones; 128 and 256 for
the Explorer views): 32-bit bitmaps up to 48 pixels, which every icon reader
understands, and PNGs above, which would be 16 to 256 KB each as bitmaps. The
native Linux build carries the PNGs of the icon theme's sizes, which its
toolkit reads without a plug-in, and the installed packages put them into
the hicolor icon theme.
"""

import math
import struct
import sys
import zlib
from pathlib import Path

ICO_SIZES = (16, 20, 24, 32, 40, 48, 64, 96, 128, 256)
# The smallest size stored as a PNG in the .ico.
ICO_PNG_FROM = 64
PNG_SIZES = (16, 32, 48, 64, 128, 256)

# (red, green, blue)
RULER_YELLOW = (246, 196, 32)
EDGE_BLACK = (40, 32, 16)
# Lighter than the windows' navy, so the arrow also shows on a dark taskbar.
ARROW_NAVY = (24, 56, 168)


def rounded_rect(x0, y0, x1, y1, radius):
    def inside(x, y):
        if not (x0 <= x < x1 and y0 <= y < y1):
            return False
        # Only the four corner squares can lie outside the rounded outline.
        cx = min(max(x, x0 + radius), x1 - radius)
        cy = min(max(y, y0 + radius), y1 - radius)
        return (x - cx) ** 2 + (y - cy) ** 2 <= radius**2

    return inside


def rect(x0, y0, x1, y1):
    return lambda x, y: x0 <= x < x1 and y0 <= y < y1


def triangle(a, b, c):
    def side(p, q, x, y):
        return (q[0] - p[0]) * (y - p[1]) - (q[1] - p[1]) * (x - p[0])

    def inside(x, y):
        d1, d2, d3 = side(a, b, x, y), side(b, c, x, y), side(c, a, x, y)
        negative = d1 < 0 or d2 < 0 or d3 < 0
        positive = d1 > 0 or d2 > 0 or d3 > 0
        return not (negative and positive)

    return inside


def layers(size):
    """The icon's shapes in painting order, in pixels of a size-pixel icon."""
    u = size / 16

    def at(units):
        """A straight edge on the grid, on a pixel boundary."""
        return round(units * u)

    # One line is a pixel at 16 and 32, then grows with the icon.
    line = max(1, round(size / 24))
    shapes = []

    # The ruler: a black body with a yellow face inset by one line.
    top, bottom = at(8), at(15)
    shapes.append((EDGE_BLACK, rounded_rect(0, top, size, bottom, max(1, u))))
    shapes.append((RULER_YELLOW,
                   rounded_rect(line, top + line, size - line, bottom - line, max(1, u) - line / 2)))
    # Ticks hang from the top edge: long at the middle, medium at the
    # quarters, short between.
    for column, length in ((2, 2), (4, 3), (6, 2), (8, 4), (10, 2), (12, 3), (14, 2)):
        left = math.floor(column * u - line / 2 + 0.5)
        shapes.append((EDGE_BLACK, rect(left, top, left + line, top + at(length))))

    # The arrow: a shaft with a head at each end, above the ruler.
    middle = at(4)
    shapes.append((ARROW_NAVY, rect(at(3), at(3), at(13), at(5))))
    shapes.append((ARROW_NAVY, triangle((0, middle), (3.5 * u, middle - 3.5 * u),
                                        (3.5 * u, middle + 3.5 * u))))
    shapes.append((ARROW_NAVY, triangle((size, middle), (size - 3.5 * u, middle - 3.5 * u),
                                        (size - 3.5 * u, middle + 3.5 * u))))
    return shapes


def render(size):
    """Rows of (red, green, blue, alpha), top row first."""
    shapes = layers(size)
    # At 16 pixels smoothing only blurs the arrow heads: one sample in each
    # pixel's centre draws them as clean steps.
    samples = 1 if size <= 16 else 4 if size > 64 else 8
    step = 1 / samples
    offsets = [(i + 0.5) * step for i in range(samples)]
    pixels = []
    for y in range(size):
        row = []
        for x in range(size):
            # Each sample takes the colour of the last shape that covers it;
            # the pixel is the average of its samples.
            red = green = blue = covered = 0
            for dy in offsets:
                for dx in offsets:
                    px, py = x + dx, y + dy
                    colour = None
                    for shape_colour, inside in shapes:
                        if inside(px, py):
                            colour = shape_colour
                    if colour:
                        red += colour[0]
                        green += colour[1]
                        blue += colour[2]
                        covered += 1
            if covered:
                row.append((round(red / covered), round(green / covered), round(blue / covered),
                            round(255 * covered / samples**2)))
            else:
                row.append((0, 0, 0, 0))
        pixels.append(row)
    return pixels


def png(pixels):
    size = len(pixels)

    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data +
                struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))

    raw = b"".join(b"\0" + bytes(v for pixel in row for v in pixel) for row in pixels)
    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)  # 8-bit RGBA
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
            chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def dib(pixels):
    """A 32-bit icon bitmap: BGRA rows bottom up, then the 1-bit AND mask."""
    size = len(pixels)
    # The height counts the colour rows and the mask rows together.
    header = struct.pack("<IiiHHIIiiII", 40, size, 2 * size, 1, 32, 0, 0, 0, 0, 0, 0)
    colour = b"".join(bytes((b, g, r, a)) for row in reversed(pixels) for r, g, b, a in row)
    mask_stride = (size + 31) // 32 * 4
    mask = bytearray()
    for row in reversed(pixels):
        bits = bytearray(mask_stride)
        for x, pixel in enumerate(row):
            if pixel[3] == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + colour + bytes(mask)


def ico(images):
    """images: (size, encoded image) pairs."""
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = len(directory) + 16 * len(images)
    entries, data = b"", b""
    for size, image in images:
        # A width or height of 256 is written as 0.
        entries += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(image),
                               offset + len(data))
        data += image
    return directory + entries + data


def main():
    output = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).with_name("zurmet.ico")
    rendered = {size: render(size) for size in sorted(set(ICO_SIZES + PNG_SIZES))}
    images = [(size, png(rendered[size]) if size >= ICO_PNG_FROM else dib(rendered[size]))
              for size in ICO_SIZES]
    write(output, ico(images))
    folder = output.with_name("icons")
    folder.mkdir(exist_ok=True)
    for size in PNG_SIZES:
        write(folder / f"zurmet-{size}.png", png(rendered[size]))


def write(path, data):
    path.write_bytes(data)
    print(f"wrote {path} ({len(data)} bytes)")


if __name__ == "__main__":
    main()
