#!/usr/bin/env python3
"""Draws the program icon as PNG files: a white disc with a thin black outline,
centred on a transparent background, the same shape as quadrix.svg.

Usage: make_icons.py [output folder]   (default: the folder of this script)
"""
import math
import os
import struct
import sys
import zlib

SUPERSAMPLING = 16  # samples per pixel edge, for smooth edges


def coverage(size, x, y):
    """Shares of pixel (x, y) covered by the outline ring and by the white inside."""
    centre = size / 2.0
    outer = size / 2.0 - 1.0  # a one-pixel margin, as in the SVG
    inner = outer - 1.0  # one pixel of outline
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


def pixel(size, x, y):
    ring, fill = coverage(size, x, y)
    alpha = ring + fill
    if alpha == 0:
        return (0, 0, 0, 0)
    grey = round(255 * fill / alpha)  # black ring over white fill
    return (grey, grey, grey, round(255 * alpha))


def png_chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)


def png(size):
    rows = b""
    for y in range(size):
        rows += b"\x00" + b"".join(bytes(pixel(size, x, y)) for x in range(size))
    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)  # 8-bit RGBA
    return (b"\x89PNG\r\n\x1a\n" + png_chunk(b"IHDR", header) +
            png_chunk(b"IDAT", zlib.compress(rows, 9)) + png_chunk(b"IEND", b""))


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    for size in (16, 32):
        with open(os.path.join(folder, f"quadrix-{size}x{size}.png"), "wb") as out:
            out.write(png(size))


if __name__ == "__main__":
    main()
