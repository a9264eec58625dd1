#!/usr/bin/env python3
"""Draws the About window's emblem and writes ui/resources/emblem.gif.

The file is a GIF89a of 34 x 33 pixels with one global colour table of 256
entries, a graphic control extension that makes colour index 255
transparent, and one image block (not interlaced, no local table) covering
the picture. A comment block fills the file to exactly 1691 bytes. Needs
only Python 3.
"""
import math
import os
import struct

WIDTH, HEIGHT = 34, 33
STORED_SIZE = 1691
TRANSPARENT = 255
HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "..", "ui", "resources", "emblem.gif")

# Colours by index: a blue ramp for the badge, then paper, ink and the cut.
RAMP = 16
PAPER, SHADE, INK, CUT, OUTLINE = RAMP, RAMP + 1, RAMP + 2, RAMP + 3, RAMP + 4


def palette():
    colours = []
    for i in range(RAMP):  # dark to light blue
        t = i / (RAMP - 1)
        colours.append((int(20 + 90 * t), int(60 + 120 * t), int(140 + 110 * t)))
    colours += [(255, 255, 255), (210, 220, 235), (40, 90, 190), (215, 35, 35), (25, 40, 80)]
    colours += [(0, 0, 0)] * (256 - len(colours))
    colours[TRANSPARENT] = (255, 0, 255)  # never shown
    return colours


def draw():
    px = [[TRANSPARENT] * WIDTH for _ in range(HEIGHT)]
    cx, cy, radius = 16.5, 16.0, 16.2
    # The badge: a disc lit from the top left, with a dark rim.
    for y in range(HEIGHT):
        for x in range(WIDTH):
            d = math.hypot(x + 0.5 - cx, y + 0.5 - cy)
            if d > radius:
                continue
            if d > radius - 1.2:
                px[y][x] = OUTLINE
                continue
            light = 1.0 - (math.hypot(x + 0.5 - (cx - 6), y + 0.5 - (cy - 6)) / (2 * radius))
            px[y][x] = max(0, min(RAMP - 1, int(light * RAMP)))

    def rect(x0, y0, x1, y1, colour):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                px[y][x] = colour

    # A page cut in two: the upper half, a dashed cut, the lower half shifted.
    def page(x0, y0, x1, y1, lines):
        rect(x0, y0, x1, y1, OUTLINE)
        rect(x0 + 1, y0 + 1, x1 - 1, y1 - 1, PAPER)
        for y in lines:
            rect(x0 + 3, y, x1 - 3, y, INK)

    page(9, 6, 22, 14, (9, 12))
    rect(20, 7, 21, 8, SHADE)
    page(11, 18, 24, 26, (20, 23))
    for x in range(5, 30, 3):
        rect(x, 16, min(x + 1, 29), 16, CUT)
    return px


def lzw(pixels, min_code_size=8):
    """GIF's variable-length LZW, restarting the table when it is full."""
    clear, end = 1 << min_code_size, (1 << min_code_size) + 1
    out, bits, nbits = bytearray(), 0, 0
    width = min_code_size + 1

    def emit(code):
        nonlocal bits, nbits
        bits |= code << nbits
        nbits += width
        while nbits >= 8:
            out.append(bits & 0xFF)
            bits >>= 8
            nbits -= 8

    table = {(i,): i for i in range(clear)}
    next_code = end + 1
    emit(clear)
    current = ()
    for p in pixels:
        candidate = current + (p,)
        if candidate in table:
            current = candidate
            continue
        emit(table[current])
        if next_code < 4096:
            table[candidate] = next_code
            next_code += 1
            if next_code > (1 << width) and width < 12:
                width += 1
        else:
            emit(clear)
            table = {(i,): i for i in range(clear)}
            next_code, width = end + 1, min_code_size + 1
        current = (p,)
    emit(table[current])
    emit(end)
    if nbits:
        out.append(bits & 0xFF)
    return bytes(out)


def blocks(data):
    result = bytearray()
    for i in range(0, len(data), 255):
        chunk = data[i:i + 255]
        result += bytes((len(chunk),)) + chunk
    return bytes(result) + b"\0"


def gif(pixels):
    flat = [p for row in pixels for p in row]
    head = b"GIF89a" + struct.pack("<HHBBB", WIDTH, HEIGHT, 0xF7, 0, 0)
    head += b"".join(bytes(c) for c in palette())
    control = b"\x21\xF9\x04" + struct.pack("<BHB", 0x01, 0, TRANSPARENT) + b"\0"
    image = b"\x2C" + struct.pack("<HHHHB", 0, 0, WIDTH, HEIGHT, 0) + b"\x08" + blocks(lzw(flat))
    body = head + control + image
    # A comment block fills the file to its stored size: 2 bytes of
    # introducer, the sub-blocks, and the terminator.
    room = STORED_SIZE - len(body) - 1 - 3
    if room < 1:
        raise SystemExit("the picture is too large for %d bytes" % STORED_SIZE)
    text = (b"Tarvolin " * 400)[:room - (room + 254) // 256]
    comment = b"\x21\xFE" + blocks(text)
    data = body + comment + b"\x3B"
    if len(data) != STORED_SIZE:
        raise SystemExit("made %d bytes, not %d" % (len(data), STORED_SIZE))
    return data


def main():
    with open(OUT, "wb") as f:
        f.write(gif(draw()))


if __name__ == "__main__":
    main()
