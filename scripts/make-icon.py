#!/usr/bin/env python3
"""Writes res/Kavrin.ico: a small monitor with a play triangle on its screen.

One icon group with a 32x32 and a 16x16 image, 16 colours (4 bits per pixel),
drawn from the rules below so the picture can be changed without a paint
program. Python standard library only.
"""
import os
import struct
import sys

# The standard 16-colour palette, as (blue, green, red, 0) quads.
PALETTE = [
    (0x00, 0x00, 0x00), (0x80, 0x00, 0x00), (0x00, 0x80, 0x00), (0x80, 0x80, 0x00),
    (0x00, 0x00, 0x80), (0x80, 0x00, 0x80), (0x00, 0x80, 0x80), (0xC0, 0xC0, 0xC0),
    (0x80, 0x80, 0x80), (0xFF, 0x00, 0x00), (0x00, 0xFF, 0x00), (0xFF, 0xFF, 0x00),
    (0x00, 0x00, 0xFF), (0xFF, 0x00, 0xFF), (0x00, 0xFF, 0xFF), (0xFF, 0xFF, 0xFF),
]  # (red, green, blue)
BLACK, DARK_BLUE, GREY, DARK_GREY, YELLOW = 0, 4, 7, 8, 11
TRANSPARENT = None


# Boxes (left, top, right, bottom, colour) in pixels, painted in order, and
# the play triangle (left, top, bottom) for each image size.
LAYOUTS = {
    32: ([(1, 3, 31, 24, BLACK), (2, 4, 30, 23, GREY), (4, 6, 28, 21, BLACK),
          (5, 7, 27, 20, DARK_BLUE), (13, 24, 19, 27, DARK_GREY),
          (8, 27, 24, 30, BLACK), (9, 27, 23, 29, GREY)],
         (12, 9, 18)),
    16: ([(0, 1, 16, 12, BLACK), (1, 2, 15, 11, GREY), (2, 3, 14, 10, DARK_BLUE),
          (7, 12, 9, 13, DARK_GREY), (4, 13, 12, 15, BLACK), (5, 13, 11, 14, GREY)],
         (6, 4, 9)),
}


def draw(size):
    """Rows top to bottom of palette indices, None where transparent."""
    boxes, (left, top, bottom) = LAYOUTS[size]
    pixels = [[TRANSPARENT] * size for _ in range(size)]
    for x0, y0, x1, y1, colour in boxes:
        for y in range(y0, y1):
            for x in range(x0, x1):
                pixels[y][x] = colour
    # The triangle narrows one pixel every pixel row away from its middle row.
    middle = (top + bottom) // 2
    for y in range(top, bottom + 1):
        for x in range(left, left + (bottom - top) // 2 + 1 - abs(y - middle)):
            pixels[y][x] = YELLOW
    return pixels


def image_bytes(size):
    pixels = draw(size)
    xor_row = (size * 4 + 31) // 32 * 4
    and_row = (size + 31) // 32 * 4
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 4, 0,
                         (xor_row + and_row) * size, 0, 0, 16, 0)
    palette = b''.join(struct.pack('<BBBB', b, g, r, 0) for r, g, b in PALETTE)
    xor = bytearray()
    mask = bytearray()
    for row in reversed(pixels):  # bitmaps are stored bottom-up
        line = bytearray(xor_row)
        bits = bytearray(and_row)
        for x, colour in enumerate(row):
            index = BLACK if colour is None else colour
            line[x // 2] |= index << (4 if x % 2 == 0 else 0)
            if colour is None:
                bits[x // 8] |= 0x80 >> (x % 8)
        xor += line
        mask += bits
    return header + palette + bytes(xor) + bytes(mask)


def icon_file(sizes):
    images = [image_bytes(size) for size in sizes]
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in zip(sizes, images):
        out += struct.pack('<BBBBHHII', size, size, 16, 0, 1, 4, len(data), offset)
        offset += len(data)
    return out + b''.join(images)


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    target = sys.argv[1] if len(sys.argv) > 1 else os.path.join(root, 'res', 'Kavrin.ico')
    with open(target, 'wb') as f:
        f.write(icon_file([32, 16]))


if __name__ == '__main__':
    main()
