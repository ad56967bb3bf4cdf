#!/usr/bin/env python3
"""Draws the program icon as PNG files: a white disc with a thin black outline,
centred on a transparent background, the same shape as quadrix.svg.

The sizes a title bar, a task bar or a menu shows (16, 24 and 32 pixels) are
drawn pixel by pixel in black, white and transparent only: a one-pixel margin
and a one-pixel outline that never splits into two grey pixels (at 16 pixels
drawn by hand, below). Scaling the SVG down that far would smear its outline
into a grey half pixel.

From 48 pixels up the edges are smoothed. The outline is 1/32 of the icon wide
(one pixel at 48, as in the SVG from 64 up) and as far from its edge, so both
of its edges fall on pixel borders where the circle runs straight.

Usage: make_icons.py [output folder]   (default: the folder of this script)
"""
import math
import os
import struct
import sys
import zlib

SIZES = (16, 24, 32, 48, 64, 128, 256)
LARGEST_PIXEL_DRAWN = 32
SUPERSAMPLING = 16  # samples per pixel edge, for smooth edges

BLACK = (0, 0, 0, 255)
WHITE = (255, 255, 255, 255)
CLEAR = (0, 0, 0, 0)


def outline_width(size):
    """Margin and outline width in whole pixels: 1/32 of the size, at least 1."""
    return max(1, size // 32)


def outline_pixels(size):
    """The pixels of a one-pixel circle, eight-connected: in each column where
    the circle is flatter than 45 degrees, and in each such row, the pixel that
    the middle line of the outline runs through."""
    centre = size / 2.0
    radius = centre - 1.5  # the middle of the outline, one pixel in from the margin
    pixels = set()
    for column in range(size):
        x = column + 0.5 - centre
        if abs(x) > radius:
            continue
        y = math.sqrt(radius * radius - x * x)
        if abs(x) <= y + 0.5:
            lower = math.floor(centre + y)
            for row in (lower, size - 1 - lower):  # mirrored, not rounded twice
                pixels.add((column, row))
                pixels.add((row, column))
    return pixels


# At 16 pixels the computed circle has corners cut straight at 45 degrees and
# looks like an octagon; steps of two pixels next to the flat sides round it.
HAND_DRAWN = {
    16: """
        ................
        .....######.....
        ...##oooooo##...
        ..#oooooooooo#..
        ..#oooooooooo#..
        .#oooooooooooo#.
        .#oooooooooooo#.
        .#oooooooooooo#.
        .#oooooooooooo#.
        .#oooooooooooo#.
        .#oooooooooooo#.
        ..#oooooooooo#..
        ..#oooooooooo#..
        ...##oooooo##...
        .....######.....
        ................
        """,
}


def pixel_drawn(size):
    if size in HAND_DRAWN:
        rows = HAND_DRAWN[size].split()
        colours = {"#": BLACK, "o": WHITE, ".": CLEAR}
        return lambda x, y: colours[rows[y][x]]
    outline = outline_pixels(size)
    centre = size / 2.0
    inside = centre - 1.5

    def pixel(x, y):
        if (x, y) in outline:
            return BLACK
        if math.hypot(x + 0.5 - centre, y + 0.5 - centre) < inside:
            return WHITE
        return CLEAR

    return pixel


def coverage(size, x, y):
    """Shares of pixel (x, y) covered by the outline ring and by the white inside."""
    centre = size / 2.0
    width = outline_width(size)
    outer = centre - width
    inner = outer - width
    # Pixels wholly inside, on the ring or outside need no samples.
    distance = math.hypot(x + 0.5 - centre, y + 0.5 - centre)
    if distance + 0.75 < inner:
        return 0.0, 1.0
    if inner + 0.75 < distance < outer - 0.75:
        return 1.0, 0.0
    if distance - 0.75 > outer:
        return 0.0, 0.0
    ring = fill = 0
    for sy in range(SUPERSAMPLING):
        for sx in range(SUPERSAMPLING):
            px = x + (sx + 0.5) / SUPERSAMPLING
            py = y + (sy + 0.5) / SUPERSAMPLING
            distance = math.hypot(px - centre, py - centre)
            if distance <= inner:
                fill += 1
            elif distance <= outer:
                ring += 1
    samples = SUPERSAMPLING * SUPERSAMPLING
    return ring / samples, fill / samples


def smoothed(size):
    def pixel(x, y):
        ring, fill = coverage(size, x, y)
        alpha = ring + fill
        if alpha == 0:
            return CLEAR
        grey = round(255 * fill / alpha)  # black ring over white fill
        return (grey, grey, grey, round(255 * alpha))

    return pixel


def png_chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)


def png(size):
    pixel = pixel_drawn(size) if size <= LARGEST_PIXEL_DRAWN else smoothed(size)
    rows = b""
    for y in range(size):
        rows += b"\x00" + b"".join(bytes(pixel(x, y)) for x in range(size))
    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)  # 8-bit RGBA
    return (b"\x89PNG\r\n\x1a\n" + png_chunk(b"IHDR", header) +
            png_chunk(b"IDAT", zlib.compress(rows, 9)) + png_chunk(b"IEND", b""))


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    for size in SIZES:
        with open(os.path.join(folder, f"quadrix-{size}x{size}.png"), "wb") as out:
            out.write(png(size))


if __name__ == "__main__":
    main()
