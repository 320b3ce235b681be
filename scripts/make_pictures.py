#!/usr/bin/env python3
"""Draws the program's pictures: resources/logo.gif, resources/kestrum.ico, resources/kestrum.png.

Standard library only; run it again after changing a picture and commit the files it writes.
"""
import struct
import zlib
from pathlib import Path

RESOURCES = Path(__file__).resolve().parent.parent / "resources"

# ---------------------------------------------------------------- logo, 88 x 31

# Glyphs of a small lowercase face: rows 0-1 ascenders, 2-6 the x-height, 7-8 descenders.
GLYPHS = {
    "k": (0, ["X..", "X..", "X.X", "X.X", "XX.", "X.X", "X.X"]),
    "e": (2, [".X.", "X.X", "XXX", "X..", ".XX"]),
    "s": (2, [".XX", "X..", ".X.", "..X", "XX."]),
    "t": (0, [".X.", ".X.", "XXX", ".X.", ".X.", ".X.", "..X"]),
    "r": (2, ["X.X", "XX.", "X..", "X..", "X.."]),
    "u": (2, ["X.X", "X.X", "X.X", "X.X", ".XX"]),
    "m": (2, ["XXXX.", "X.X.X", "X.X.X", "X.X.X", "X.X.X"]),
    ".": (6, ["X"]),
    "x": (2, ["X.X", "X.X", ".X.", "X.X", "X.X"]),
    "a": (2, ["XX.", "..X", ".XX", "X.X", ".XX"]),
    "p": (2, ["XX.", "X.X", "X.X", "X.X", "XX.", "X..", "X.."]),
    "l": (0, ["X.", "X.", "X.", "X.", "X.", "X.", ".X"]),
    "o": (2, [".X.", "X.X", "X.X", "X.X", ".X."]),
    "g": (2, [".XX", "X.X", "X.X", "X.X", ".XX", "..X", "XX."]),
}

LOGO_COLOURS = [
    (255, 255, 255),  # 0 background
    (24, 40, 96),     # 1 frame and name
    (96, 96, 104),    # 2 host part
    (232, 120, 24),   # 3 figure
    (255, 200, 64),   # 4 figure's inner facet
    (236, 240, 248),  # 5 figure's ground
]


def text_width(text, scale):
    return scale * (sum(len(GLYPHS[c][1][0]) for c in text) + len(text) - 1)


def draw_text(pixels, text, left, top, scale, colour):
    x = left
    for c in text:
        first_row, rows = GLYPHS[c]
        for r, row in enumerate(rows):
            for col, bit in enumerate(row):
                if bit == "X":
                    for dy in range(scale):
                        for dx in range(scale):
                            pixels[top + (first_row + r) * scale + dy][x + col * scale + dx] = colour
        x += (len(rows[0]) + 1) * scale


def logo_pixels():
    width, height = 88, 31
    pixels = [[0] * width for _ in range(height)]
    for x in range(width):
        pixels[0][x] = pixels[height - 1][x] = 1
    for y in range(height):
        pixels[y][0] = pixels[y][width - 1] = 1
    # The figure: a faceted diamond on a pale square.
    cx, cy = 13, 15
    for y in range(3, 28):
        for x in range(2, 25):
            d = abs(x - cx) + abs(y - cy)
            pixels[y][x] = 4 if d <= 4 else 3 if d <= 10 else 5
    draw_text(pixels, "kestrum", 28, 2, 2, 1)
    host = ".example.org"
    draw_text(pixels, host, 28 + (58 - text_width(host, 1)) // 2, 18, 1, 2)
    return width, height, pixels


def palette_bytes(colours):
    table = list(colours) + [(0, 0, 0)] * (256 - len(colours))
    return b"".join(bytes(c) for c in table)


def lzw_literal_stream(indices):
    """8-bit GIF LZW data made of literal codes only: a clear code every 250 pixels keeps
    the code width at 9 bits, so no dictionary is needed."""
    clear, end = 256, 257
    codes = []
    for i, value in enumerate(indices):
        if i % 250 == 0:
            codes.append(clear)
        codes.append(value)
    codes.append(end)
    out, acc, nbits = bytearray(), 0, 0
    for code in codes:
        acc |= code << nbits
        nbits += 9
        while nbits >= 8:
            out.append(acc & 0xFF)
            acc >>= 8
            nbits -= 8
    if nbits:
        out.append(acc & 0xFF)
    return bytes(out)


def sub_blocks(data):
    out = bytearray()
    for i in range(0, len(data), 255):
        chunk = data[i:i + 255]
        out += bytes([len(chunk)]) + chunk
    return bytes(out + b"\x00")


def make_gif(width, height, pixels, colours, frames):
    table = palette_bytes(colours)
    data = bytearray(b"GIF89a")
    # Global table of 256 entries, 8 bits per primary.
    data += struct.pack("<HHBBB", width, height, 0xF7, 0, 0) + table
    image = sub_blocks(lzw_literal_stream([v for row in pixels for v in row]))
    for _ in range(frames):
        # Graphic control: no disposal, no user input, no transparency, zero delay.
        data += b"\x21\xF9\x04" + struct.pack("<BHB", 0, 0, 0) + b"\x00"
        # Full-size frame with its own 256-entry table, not interlaced.
        data += b"\x2C" + struct.pack("<HHHHB", 0, 0, width, height, 0x87) + table
        data += b"\x08" + image
    data += b"\x3B"
    return bytes(data)


# ---------------------------------------------------------------- icon, 32 x 32

ICON_COLOURS = [
    (0, 0, 0),        # 0 outline (and the masked-out ground)
    (192, 192, 192),  # 1 monitor and case
    (128, 128, 128),  # 2 shadow side
    (0, 64, 160),     # 3 screen
    (96, 160, 232),   # 4 screen's highlight
    (232, 220, 184),  # 5 system unit
    (32, 32, 32),     # 6 drive slot
    (0, 200, 64),     # 7 power light
    (255, 255, 255),  # 8 bevel light
]


def icon_pixels():
    """Rows top to bottom of (palette index or None for transparent)."""
    size = 32
    px = [[None] * size for _ in range(size)]

    def box(x0, y0, x1, y1, fill, outline=0):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                edge = x in (x0, x1) or y in (y0, y1)
                px[y][x] = outline if edge and outline is not None else fill

    box(3, 1, 28, 19, 1)              # monitor
    for x in range(4, 28):
        px[2][x] = 8
    for y in range(2, 19):
        px[y][4] = 8
        px[y][27] = 2
    box(6, 4, 25, 16, 3)              # screen
    for i in range(5):               # a glint on the glass
        px[6 + i][9 + i] = 4
        px[6 + i][10 + i] = 4
    box(12, 20, 19, 21, 2, None)      # neck
    box(1, 22, 30, 30, 5)             # system unit
    for x in range(2, 30):
        px[23][x] = 8
    box(17, 25, 27, 26, 6, None)      # drive slot
    px[27][4] = px[27][5] = 7         # power light
    return px


def make_ico(px, colours):
    size = 32
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 8, 0, 0, 0, 0, 256, 0)
    xor = bytearray()
    mask = bytearray()
    for row in reversed(px):  # bottom-up
        xor += bytes(0 if v is None else v for v in row)
        bits = 0
        for x, v in enumerate(row):
            if v is None:
                bits |= 1 << (31 - x)
        mask += struct.pack(">I", bits)
    table = b"".join(bytes((b, g, r, 0)) for r, g, b in colours + [(0, 0, 0)] * (256 - len(colours)))
    image = header + table + bytes(xor) + bytes(mask)
    # One entry: 32 x 32, 0 = 256 colours, 1 plane, 8 bits per pixel.
    directory = struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", size, size, 0, 0, 1, 8, len(image), 22)
    return directory + image


def make_png(px, colours):
    rows = b""
    for row in px:
        rows += b"\x00" + b"".join(bytes((0, 0, 0, 0)) if v is None else bytes(colours[v] + (255,)) for v in row)

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    ihdr = struct.pack(">IIBBBBB", 32, 32, 8, 6, 0, 0, 0)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", ihdr) + chunk(b"IDAT", zlib.compress(rows, 9)) + chunk(b"IEND", b"")


def main():
    width, height, pixels = logo_pixels()
    (RESOURCES / "logo.gif").write_bytes(make_gif(width, height, pixels, LOGO_COLOURS, 4))
    px = icon_pixels()
    (RESOURCES / "kestrum.ico").write_bytes(make_ico(px, ICON_COLOURS))
    (RESOURCES / "kestrum.png").write_bytes(make_png(px, ICON_COLOURS))


if __name__ == "__main__":
    main()
