#!/usr/bin/env python3
"""Draws the program icon and the pointing-hand cursor as 32 x 32 PNG files beside this script,
the icon's other sizes into icons/ (for desktops and the window icon at high scale), the
Windows icon file holding 16, 24, 32, 48 and 256 px images, and the Windows installer's pictures:
its pages' header (150 x 57) and the side of its welcome and finish pages (164 x 314).

Run it again after changing a drawing; the files it writes are committed.
Standard library only, so any python3 will do.
"""
import colorsys
import math
import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
# The installer's pictures and the Windows program's icon live with the rest of its packaging.
WINDOWS = os.path.join(HERE, '..', 'packaging', 'windows')
SIZE = 32
WINDOWS_ICON_SIZES = (16, 24, 32, 48, 256)
LARGER_ICON_SIZES = (16, 24, 48, 64, 128, 256)


def png_bytes(pixels):
    """pixels: square rows of (r, g, b, a) tuples."""
    size = len(pixels)
    raw = b''.join(b'\0' + bytes(c for px in row for c in px) for row in pixels)

    def chunk(kind, data):
        body = kind + data
        return struct.pack('>I', len(data)) + body + struct.pack('>I', zlib.crc32(body))

    header = struct.pack('>IIBBBBB', size, size, 8, 6, 0, 0, 0)
    return (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', header)
            + chunk(b'IDAT', zlib.compress(raw, 9)) + chunk(b'IEND', b''))


def write(path, data):
    with open(path, 'wb') as out:
        out.write(data)


def ico_bytes(pngs):
    """A Windows icon holding the PNG images, smallest first (256 is written as 0)."""
    header = struct.pack('<HHH', 0, 1, len(pngs))
    offset = len(header) + 16 * len(pngs)
    entries = images = b''
    for size, png in pngs:
        entries += struct.pack('<BBBBHHII', size % 256, size % 256, 0, 0, 1, 32, len(png), offset)
        images += png
        offset += len(png)
    return header + entries + images


def bmp_bytes(pixels):
    """A 24-bit Windows bitmap, as the installer's pages take it. pixels: rows of (r, g, b)."""
    height, width = len(pixels), len(pixels[0])
    stride = (width * 3 + 3) // 4 * 4
    # Bottom row first, each pixel blue, green, red, each row padded to four bytes.
    raster = b''.join(bytes(c for r, g, b in row for c in (b, g, r)).ljust(stride, b'\0')
                      for row in reversed(pixels))
    header = struct.pack('<IiiHHIIiiII', 40, width, height, 1, 24, 0, len(raster), 3780, 3780,
                         0, 0)
    return (b'BM' + struct.pack('<IHHI', 14 + len(header) + len(raster), 0, 0, 14 + len(header))
            + header + raster)


def on_background(ring, background, width, height, left, top):
    """The ring image laid over a plain background of the given size, at (left, top)."""
    rows = [[background] * width for _ in range(height)]
    for y, row in enumerate(ring):
        for x, (r, g, b, a) in enumerate(row):
            rows[top + y][left + x] = tuple(round((c * a + bc * (255 - a)) / 255)
                                            for c, bc in zip((r, g, b), background))
    return rows


def hue_ring_colour(dx, dy):
    """The design on a disc of radius 16: a colour wheel ring (red, yellow, green, cyan, blue,
    magenta) on black; transparent outside the disc."""
    radius = math.hypot(dx, dy)
    if radius > 15.5:
        return (0, 0, 0, 0)
    if 7.5 <= radius <= 13.5:
        # Red at the top, then clockwise through yellow, green, cyan, blue, magenta.
        hue = (math.degrees(math.atan2(dx, dy)) % 360) / 360
        r, g, b = colorsys.hsv_to_rgb(hue, 1.0, 1.0)
        return (r * 255, g * 255, b * 255, 255)
    return (0, 0, 0, 255)


def hue_ring(size=SIZE):
    """The 32 px image is the designed one, a sample a pixel; other sizes scale the design and
    average 4 x 4 samples a pixel, so that large images have smooth edges."""
    samples = 1 if size == SIZE else 4
    scale = SIZE / size
    rows = []
    for y in range(size):
        row = []
        for x in range(size):
            total = [0.0] * 4
            for sy in range(samples):
                for sx in range(samples):
                    px = (x + (sx + 0.5) / samples - 0.5) * scale + (scale - 1) / 2
                    py = (y + (sy + 0.5) / samples - 0.5) * scale + (scale - 1) / 2
                    r, g, b, a = hue_ring_colour(px - (SIZE - 1) / 2, (SIZE - 1) / 2 - py)
                    total = [total[0] + r * a, total[1] + g * a, total[2] + b * a, total[3] + a]
            alpha = total[3] / samples ** 2
            colour = [c / total[3] if total[3] else 0 for c in total[:3]]
            row.append(tuple(round(c) for c in colour) + (round(alpha),))
        rows.append(row)
    return rows


# '#' outline, '.' white fill, ' ' transparent. The fingertip (hot spot) is at column 9, row 1.
HAND = [
    "                                ",
    "         ##                     ",
    "        #..#                    ",
    "        #..#                    ",
    "        #..#                    ",
    "        #..#                    ",
    "        #..###                  ",
    "        #..#..###               ",
    "        #..#..#..##             ",
    "        #..#..#..#.#            ",
    "     ## #........#..#           ",
    "    #..##...........#           ",
    "    #...#...........#           ",
    "     #..............#           ",
    "      #.............#           ",
    "      #............#            ",
    "       #...........#            ",
    "       #..........#             ",
    "        #.........#             ",
    "        #.........#             ",
    "        ###########             ",
]


def pointing_hand():
    colours = {'#': (0, 0, 0, 255), '.': (255, 255, 255, 255), ' ': (0, 0, 0, 0)}
    rows = [[colours[c] for c in line.ljust(SIZE)] for line in HAND]
    rows += [[colours[' ']] * SIZE for _ in range(SIZE - len(rows))]
    return rows


if __name__ == '__main__':
    icons = {size: png_bytes(hue_ring(size)) for size in {SIZE, *LARGER_ICON_SIZES}}
    write(os.path.join(HERE, 'icon.png'), icons[SIZE])
    for size in LARGER_ICON_SIZES:
        write(os.path.join(HERE, 'icons', f'huescry-{size}.png'), icons[size])
    write(os.path.join(WINDOWS, 'huescry.ico'),
          ico_bytes([(size, icons[size]) for size in WINDOWS_ICON_SIZES]))
    write(os.path.join(HERE, 'handcursor.png'), png_bytes(pointing_hand()))
    # The header is white, as the pages' header band is, with the ring at its right; the welcome
    # and finish pages' side is black, as the ring's middle is, with a large ring in its upper half.
    write(os.path.join(WINDOWS, 'header.bmp'),
          bmp_bytes(on_background(hue_ring(48), (255, 255, 255), 150, 57, 96, 4)))
    write(os.path.join(WINDOWS, 'side.bmp'),
          bmp_bytes(on_background(hue_ring(128), (0, 0, 0), 164, 314, 18, 40)))
