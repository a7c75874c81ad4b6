#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 The universe and gyrelle developers
# SPDX-License-Identifier: MIT

"""Writes an animated GIF of a twelve-spoke busy spinner, the kind of file a Qt
developer would play with QMovie in a QLabel instead of using a spinner widget.

Usage: make_spinner_gif.py SIZE OUT.gif
Standard library only: the spokes are rasterised here and the GIF is written
with LZW codes that never grow past 9 bits (a clear code every 254 pixels).
"""
import math
import struct
import sys

SPOKES = 12
FRAME_DELAY_CS = 4  # 40 ms, the widget's default step


def coverage(x, y, angle_deg, half, size):
    """Opacity (0..1) of the spokes at pixel (x, y) with the leading one at angle_deg."""
    cx = cy = (size - 1) / 2
    outer, inner = half, half * 0.38
    width = max(1.0, (outer - inner) * (0.23 if size > 32 else 0.35))
    best = 0.0
    for i in range(SPOKES):
        a = math.radians(angle_deg - 30 * i)
        # the pixel centre in the spoke's frame: along = outward from the centre
        dx, dy = x - cx, y - cy
        along = dx * math.sin(a) - dy * math.cos(a)
        across = dx * math.cos(a) + dy * math.sin(a)
        if inner <= along <= outer and abs(across) <= width / 2:
            best = max(best, 1 - i / SPOKES)
    return best


def frame_pixels(size, step):
    half = (size - 1) * 0.5
    return bytes(round(255 * coverage(x, y, 30 * step, half, size))
                 for y in range(size) for x in range(size))


def lzw_9bit(pixels):
    """LZW data for 8-bit pixels that a GIF decoder accepts, uncompressed."""
    clear, end = 256, 257
    codes = []
    for start in range(0, len(pixels), 254):
        codes.append(clear)
        codes.extend(pixels[start:start + 254])
    codes.append(end)
    bits, nbits, out = 0, 0, bytearray()
    for code in codes:
        bits |= code << nbits
        nbits += 9
        while nbits >= 8:
            out.append(bits & 0xFF)
            bits >>= 8
            nbits -= 8
    if nbits:
        out.append(bits)
    blocks = bytearray([8])
    for start in range(0, len(out), 255):
        chunk = out[start:start + 255]
        blocks += bytes([len(chunk)]) + chunk
    return bytes(blocks + b"\x00")


def write_gif(size, path):
    # Palette entry v: white blended towards black by v/255.
    palette = b"".join(bytes([255 - v] * 3) for v in range(256))
    gif = bytearray(b"GIF89a" + struct.pack("<HHBBB", size, size, 0xF7, 0, 0) + palette)
    gif += b"\x21\xFF\x0BNETSCAPE2.0\x03\x01\x00\x00\x00"  # loop forever
    for step in range(SPOKES):
        gif += b"\x21\xF9\x04\x04" + struct.pack("<H", FRAME_DELAY_CS) + b"\x00\x00"
        gif += b"\x2C" + struct.pack("<HHHHB", 0, 0, size, size, 0)
        gif += lzw_9bit(frame_pixels(size, step))
    gif += b"\x3B"
    with open(path, "wb") as f:
        f.write(gif)


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    write_gif(int(sys.argv[1]), sys.argv[2])
