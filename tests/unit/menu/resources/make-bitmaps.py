#!/usr/bin/env python3
"""Writes the small bitmaps the menu tests embed as resources.

toolbar16.bmp: a 16-colour toolbar strip of three 16 x 15 pictures on light
grey (192, 192, 192): a red, a green and a blue square, each with a black
frame. truecolor.bmp: one 16 x 15 picture in 24 bits (not mapped).
Run from this folder; the outputs are committed.
"""
import struct

VGA = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
       (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
       (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]
BLACK, GREY, RED, GREEN, BLUE = 0, 7, 9, 10, 12


def bmp(width, height, bits, palette, rows):
    stride = (width * bits + 31) // 32 * 4
    data = bytearray()
    for row in reversed(rows):  # bottom-up
        line = bytearray()
        if bits == 4:
            for x in range(0, width, 2):
                hi = row[x]
                lo = row[x + 1] if x + 1 < width else 0
                line.append((hi << 4) | lo)
        else:
            for (r, g, b) in row:
                line += bytes((b, g, r))
        line += bytes(stride - len(line))
        data += line
    table = b"".join(bytes((b, g, r, 0)) for (r, g, b) in palette)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, len(data), 0, 0,
                       len(palette), 0)
    offset = 14 + len(info) + len(table)
    header = struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset)
    return header + info + table + bytes(data)


def square(color, x0, x1, y0, y1):
    def pixel(x, y):
        if x0 <= x <= x1 and y0 <= y <= y1:
            edge = x in (x0, x1) or y in (y0, y1)
            return BLACK if edge else color
        return None
    return pixel


def toolbar():
    shapes = [square(RED, 2, 12, 2, 11), square(GREEN, 3, 13, 3, 12), square(BLUE, 1, 11, 1, 10)]
    rows = []
    for y in range(15):
        row = []
        for picture in range(3):
            for x in range(16):
                value = shapes[picture](x, y)
                row.append(GREY if value is None else value)
        rows.append(row)
    return bmp(48, 15, 4, VGA, rows)


def truecolor():
    rows = [[(255, 0, 255) if 4 <= x <= 11 and 4 <= y <= 10 else (192, 192, 192)
             for x in range(16)] for y in range(15)]
    return bmp(16, 15, 24, [], rows)


with open("toolbar16.bmp", "wb") as f:
    f.write(toolbar())
with open("truecolor.bmp", "wb") as f:
    f.write(truecolor())
