#!/usr/bin/env python3
"""Builds an .ico or .cur file from text pixel art.

    make_icon.py OUTPUT.ico|OUTPUT.cur ART:BITS[:SIZE] ...

Each ART file holds one text line per pixel row; a hexadecimal digit is an
index into the standard 16-colour palette and '.' is transparent. BITS is 4
(16 colours) or 1 (monochrome: each colour becomes black or white by its
brightness). SIZE, when smaller than the art, shrinks it by whole factors.
Cursors have their hot spot at the top-left pixel.
"""
import struct
import sys

PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
MONO_PALETTE = [(0, 0, 0), (255, 255, 255)]
TRANSPARENT = None


def read_art(path):
    with open(path) as art:
        rows = [line.rstrip("\n") for line in art if line.strip()]
    width = len(rows[0])
    if any(len(row) != width for row in rows):
        sys.exit(f"{path}: rows differ in length")
    try:
        return [[TRANSPARENT if c == "." else int(c, 16) for c in row] for row in rows]
    except ValueError:
        sys.exit(f"{path}: only hexadecimal digits and '.' may be used")


def shrink(pixels, size):
    """Each block becomes its most frequent opaque colour, or transparent
    when most of it is."""
    factor = len(pixels) // size
    result = []
    for y in range(size):
        row = []
        for x in range(size):
            block = [pixels[y * factor + j][x * factor + i]
                     for j in range(factor) for i in range(factor)]
            opaque = [p for p in block if p is not TRANSPARENT]
            if len(opaque) * 2 < len(block):
                row.append(TRANSPARENT)
            else:
                row.append(max(set(opaque), key=opaque.count))
        result.append(row)
    return result


def to_mono(pixels):
    def brightness(index):
        red, green, blue = PALETTE[index]
        return (299 * red + 587 * green + 114 * blue) // 1000
    return [[p if p is TRANSPARENT else int(brightness(p) >= 128) for p in row] for row in pixels]


def packed_rows(values, bits, width):
    """Bottom-up rows of `bits`-bit values, each padded to 4 bytes."""
    stride = ((width * bits + 31) // 32) * 4
    data = b""
    for row in reversed(values):
        accumulator, count, line = 0, 0, bytearray()
        for value in row:
            accumulator = (accumulator << bits) | value
            count += bits
            if count == 8:
                line.append(accumulator)
                accumulator, count = 0, 0
        if count:
            line.append(accumulator << (8 - count))
        data += bytes(line) + b"\0" * (stride - len(line))
    return data


def image(pixels, bits):
    height, width = len(pixels), len(pixels[0])
    palette = PALETTE if bits == 4 else MONO_PALETTE
    colours = packed_rows([[0 if p is TRANSPARENT else p for p in row] for row in pixels],
                          bits, width)
    mask = packed_rows([[int(p is TRANSPARENT) for p in row] for row in pixels], 1, width)
    header = struct.pack("<IiiHHIIiiII", 40, width, height * 2, 1, bits, 0,
                         len(colours) + len(mask), 0, 0, len(palette), 0)
    table = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in palette)
    return width, height, len(palette), header + table + colours + mask


def main(arguments):
    if len(arguments) < 2 or not arguments[0].endswith((".ico", ".cur")):
        sys.exit(__doc__)
    cursor = arguments[0].endswith(".cur")
    images = []
    for argument in arguments[1:]:
        parts = argument.split(":")
        pixels = read_art(parts[0])
        bits = int(parts[1])
        if bits not in (1, 4):
            sys.exit(f"{argument}: only 1 or 4 bits per pixel")
        if len(parts) > 2:
            pixels = shrink(pixels, int(parts[2]))
        if bits == 1:
            pixels = to_mono(pixels)
        images.append(image(pixels, bits))
    output = struct.pack("<HHH", 0, 2 if cursor else 1, len(images))
    offset = len(output) + 16 * len(images)
    for width, height, colours, data in images:
        planes, bit_count = (0, 0) if cursor else (1, 4 if colours == 16 else 1)
        output += struct.pack("<BBBBHHII", width, height, colours, 0, planes, bit_count,
                              len(data), offset)
        offset += len(data)
    output += b"".join(data for *_, data in images)
    with open(arguments[0], "wb") as out:
        out.write(output)


if __name__ == "__main__":
    main(sys.argv[1:])
