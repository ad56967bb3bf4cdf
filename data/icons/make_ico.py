#!/usr/bin/env python3
"""Writes the program icon as a Windows .ico file: the 32 and 16 pixel images
that make_icons.py draws pixel by pixel, each as a 16-colour bitmap with a
transparency mask, the form every version of Windows reads.

Usage: make_ico.py OUTPUT.ico
"""
import os
import struct
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from make_icons import BLACK, CLEAR, WHITE, pixel_drawn  # noqa: E402

SIZES = (32, 16)  # the large image first, as Windows lists them
# A 16-colour palette: black, white, the rest unused (black).
PALETTE = [BLACK[:3], WHITE[:3]] + [(0, 0, 0)] * 14
INDEX = {BLACK: 0, WHITE: 1, CLEAR: 0}


def padded(row):
    """A bitmap row padded to a whole number of 32-bit words."""
    return row + b"\x00" * (-len(row) % 4)


def image(size):
    """BITMAPINFOHEADER, palette, 4-bit colour rows and 1-bit mask rows, bottom row first."""
    pixel = pixel_drawn(size)
    colour_rows = b""
    mask_rows = b""
    for y in reversed(range(size)):
        colours = [INDEX[pixel(x, y)] for x in range(size)]
        colour_rows += padded(bytes((colours[x] << 4) | colours[x + 1] for x in range(0, size, 2)))
        mask = 0
        for x in range(size):
            mask = (mask << 1) | (pixel(x, y) == CLEAR)
        mask_rows += padded(mask.to_bytes(size // 8, "big"))
    # The height counts the colour and the mask rows together.
    header = struct.pack("<IiiHHIIiiII", 40, size, 2 * size, 1, 4, 0,
                         len(colour_rows) + len(mask_rows), 0, 0, 16, 0)
    palette = b"".join(struct.pack("<BBBB", blue, green, red, 0) for red, green, blue in PALETTE)
    return header + palette + colour_rows + mask_rows


def ico():
    images = [image(size) for size in SIZES]
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = len(directory) + 16 * len(images)
    entries = b""
    for size, data in zip(SIZES, images):
        entries += struct.pack("<BBBBHHII", size, size, 16, 0, 1, 4, len(data), offset)
        offset += len(data)
    return directory + entries + b"".join(images)


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    with open(sys.argv[1], "wb") as out:
        out.write(ico())


if __name__ == "__main__":
    main()
