#!/usr/bin/env python3
"""Draws the program icon and the pointing-hand cursor as 32 x 32 PNG files beside this script.

Run it again after changing a drawing; the PNG files it writes are committed.
Standard library only, so any python3 will do.
"""
import colorsys
import math
import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
SIZE = 32


def png_bytes(pixels):
    """pixels: SIZE rows of SIZE (r, g, b, a) tuples."""
    raw = b''.join(b'\0' + bytes(c for px in row for c in px) for row in pixels)

    def chunk(kind, data):
        body = kind + data
        return struct.pack('>I', len(data)) + body + struct.pack('>I', zlib.crc32(body))

    header = struct.pack('>IIBBBBB', SIZE, SIZE, 8, 6, 0, 0, 0)
    return (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', header)
            + chunk(b'IDAT', zlib.compress(raw, 9)) + chunk(b'IEND', b''))


def write(path, data):
    with open(path, 'wb') as out:
        out.write(data)


def ico_bytes(png):
    """A Windows icon holding the one PNG image."""
    return (struct.pack('<HHH', 0, 1, 1)
            + struct.pack('<BBBBHHII', SIZE, SIZE, 0, 0, 1, 32, len(png), 22) + png)


def hue_ring():
    """A colour wheel ring (red, yellow, green, cyan, blue, magenta) on a black disc;
    transparent outside the disc."""
    centre = (SIZE - 1) / 2
    outer, ring_outer, ring_inner = 15.5, 13.5, 7.5
    rows = []
    for y in range(SIZE):
        row = []
        for x in range(SIZE):
            dx, dy = x - centre, centre - y
            radius = math.hypot(dx, dy)
            if radius > outer:
                row.append((0, 0, 0, 0))
            elif ring_inner <= radius <= ring_outer:
                # Red at the top, then clockwise through yellow, green, cyan, blue, magenta.
                hue = (math.degrees(math.atan2(dx, dy)) % 360) / 360
                r, g, b = colorsys.hsv_to_rgb(hue, 1.0, 1.0)
                row.append((round(r * 255), round(g * 255), round(b * 255), 255))
            else:
                row.append((0, 0, 0, 255))
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
    icon = png_bytes(hue_ring())
    write(os.path.join(HERE, 'icon.png'), icon)
    write(os.path.join(HERE, 'windows', 'huescry.ico'), ico_bytes(icon))
    write(os.path.join(HERE, 'handcursor.png'), png_bytes(pointing_hand()))
