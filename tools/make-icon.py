#!/usr/bin/env python3
"""Draws the program's icon: 32 x 32 pixels, 256 colours.

Writes ui/resources/tarvolin.ico (for the Windows program file) and
ui/resources/tarvolin.png (for the windows and the Linux desktop entry), both
with the same 256-entry palette and the same pixels, and the same picture at
the desktop's other icon sizes, pixel for pixel scaled, as
ui/resources/icons/tarvolin-<size>.png. Run it from anywhere; it needs only
Python 3.
"""
import os
import struct
import zlib

SIZE = 32
OTHER_SIZES = (16, 24, 48, 64, 128, 256)
HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "..", "ui", "resources")

# Palette: 0 transparent, then the few colours the drawing uses; the rest black.
COLOURS = [
    (0, 0, 0),        # 0 transparent
    (40, 40, 40),     # 1 outline
    (255, 255, 255),  # 2 paper
    (214, 222, 232),  # 3 paper shade / fold
    (40, 96, 200),    # 4 text lines (blue)
    (210, 30, 30),    # 5 cut line (red)
    (250, 190, 40),   # 6 scissors handle (amber)
    (150, 150, 160),  # 7 blade (steel)
]
PALETTE = COLOURS + [(0, 0, 0)] * (256 - len(COLOURS))


def draw():
    px = [[0] * SIZE for _ in range(SIZE)]

    def rect(x0, y0, x1, y1, c):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                px[y][x] = c

    def sheet(x0, y0, x1, y1, fold):
        rect(x0, y0, x1, y1, 1)
        rect(x0 + 1, y0 + 1, x1 - 1, y1 - 1, 2)
        if fold:
            # dog-eared top-right corner
            for i in range(5):
                for j in range(5 - i):
                    px[y0 + i][x1 - j] = 0
            for i in range(5):
                px[y0 + i][x1 - 5 + i] = 1
            rect(x1 - 4, y0 + 1, x1 - 4, y0 + 4, 3)
            rect(x1 - 4, y0 + 5, x1 - 1, y0 + 5, 1)
            for i in range(1, 5):
                for j in range(x1 - 4, x1 - 4 + i):
                    px[y0 + i][j] = 3

    # upper half of the page
    sheet(4, 1, 24, 15, True)
    for y in (5, 8, 11):
        rect(7, y, 19 if y == 5 else 21, y, 4)
    # lower half, moved down and right: the cut
    sheet(7, 18, 27, 30, False)
    for y in (21, 24, 27):
        rect(10, y, 24, y, 4)
    # dashed cut line between them
    for x in range(1, 31, 3):
        rect(x, 16, min(x + 1, 30), 16, 5)
    # scissors at the right end of the cut
    for (x, y) in ((26, 13), (27, 14), (28, 15), (27, 18), (28, 17)):
        px[y][x] = 7
    rect(29, 15, 30, 17, 7)
    for (cx, cy) in ((24, 11), (24, 20)):
        for y in range(cy - 1, cy + 2):
            for x in range(cx - 1, cx + 2):
                px[y][x] = 6
        px[cy][cx] = 0
    return px


def png(pixels):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    size = len(pixels)
    raw = b"".join(b"\0" + bytes(row) for row in pixels)
    return (b"\x89PNG\r\n\x1a\n"
            + chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 3, 0, 0, 0))
            + chunk(b"PLTE", b"".join(bytes(c) for c in PALETTE))
            + chunk(b"tRNS", b"\0")
            + chunk(b"IDAT", zlib.compress(raw, 9))
            + chunk(b"IEND", b""))


def scaled(pixels, size):
    """The picture at size x size, each pixel taken from the nearest one."""
    return [[pixels[y * SIZE // size][x * SIZE // size] for x in range(size)]
            for y in range(size)]


def smoothed(pixels, size):
    """The picture at size x size in RGBA, each pixel the average of the
    area it covers (sampled 8 x 8), so thin lines stay visible when shrunk."""
    samples = 8
    rows = []
    for y in range(size):
        row = []
        for x in range(size):
            r = g = b = a = 0
            for sy in range(samples):
                for sx in range(samples):
                    c = pixels[(y * samples + sy) * SIZE // (size * samples)][
                        (x * samples + sx) * SIZE // (size * samples)]
                    if c != 0:
                        cr, cg, cb = PALETTE[c]
                        r, g, b, a = r + cr, g + cg, b + cb, a + 1
            n = samples * samples
            row.append((r // a, g // a, b // a, 255 * a // n) if a else (0, 0, 0, 0))
        rows.append(row)
    return rows


def png_rgba(pixels):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    size = len(pixels)
    raw = b"".join(b"\0" + b"".join(bytes(p) for p in row) for row in pixels)
    return (b"\x89PNG\r\n\x1a\n"
            + chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw, 9))
            + chunk(b"IEND", b""))


def ico(pixels):
    # BITMAPINFOHEADER with double height (XOR image + AND mask), 8 bits a pixel.
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 8, 0, 0, 0, 0, 256, 0)
    palette = b"".join(bytes((b, g, r, 0)) for (r, g, b) in PALETTE)
    xor = b"".join(bytes(row) for row in reversed(pixels))
    mask = b""
    for row in reversed(pixels):
        bits = 0
        for x, c in enumerate(row):
            if c == 0:
                bits |= 1 << (31 - x)
        mask += struct.pack(">I", bits)
    image = header + palette + xor + mask
    directory = struct.pack("<HHH", 0, 1, 1) + struct.pack(
        "<BBBBHHII", SIZE, SIZE, 0, 0, 1, 8, len(image), 6 + 16)
    return directory + image


def main():
    pixels = draw()
    with open(os.path.join(OUT, "tarvolin.png"), "wb") as f:
        f.write(png(pixels))
    with open(os.path.join(OUT, "tarvolin.ico"), "wb") as f:
        f.write(ico(pixels))
    os.makedirs(os.path.join(OUT, "icons"), exist_ok=True)
    for size in OTHER_SIZES:
        with open(os.path.join(OUT, "icons", "tarvolin-%d.png" % size), "wb") as f:
            # Whole multiples keep the crisp pixels; other sizes are averaged.
            if size % SIZE == 0:
                f.write(png(scaled(pixels, size)))
            else:
                f.write(png_rgba(smoothed(pixels, size)))


if __name__ == "__main__":
    main()
