#!/usr/bin/env python3
"""Compares the installer's client area on the X screen with a page drawn by
page_shots --page (red, green, blue bytes per pixel, each 5-bit level shifted
left by 3).

  screen_compare.py LEFT TOP REFERENCE.rgb [--scale N] [--ignore X0 Y0 X1 Y1]

At scale N every page pixel must fill an N x N block of the screen.
Exits 0 when every pixel outside the ignored rectangle (in page pixels) is
equal, else prints how many differ and where the first one is.
"""
import argparse
import subprocess
import sys

WIDTH, HEIGHT = 550, 350


def grab(left, top, scale):
    size = f"{WIDTH * scale}x{HEIGHT * scale}"
    shot = subprocess.run(
        ["import", "-window", "root", "-depth", "8", "-crop", f"{size}+{left}+{top}", "rgb:-"],
        stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, check=True).stdout
    # The screen may fill the three low bits of a channel; the five above carry the colour.
    return bytes(b & 0xF8 for b in shot)


def enlarged(page, scale):
    """The page as the window shows it at that scale."""
    out = bytearray()
    for y in range(HEIGHT):
        row = page[y * WIDTH * 3:(y + 1) * WIDTH * 3]
        out += b"".join(row[i:i + 3] * scale for i in range(0, len(row), 3)) * scale
    return bytes(out)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("left", type=int)
    parser.add_argument("top", type=int)
    parser.add_argument("reference")
    parser.add_argument("--scale", type=int, default=1)
    parser.add_argument("--ignore", type=int, nargs=4)
    args = parser.parse_args()
    expected = enlarged(open(args.reference, "rb").read(), args.scale)
    actual = grab(args.left, args.top, args.scale)
    if actual == expected:
        return 0
    if len(actual) != len(expected):
        print(f"screen gave {len(actual)} bytes, expected {len(expected)}")
        return 1
    width = WIDTH * args.scale
    x0, y0, x1, y1 = args.ignore or (0, 0, 0, 0)
    differing = [(p % width // args.scale, p // width // args.scale) for p in range(len(expected) // 3)
                 if actual[3 * p:3 * p + 3] != expected[3 * p:3 * p + 3]]
    differing = [(x, y) for x, y in differing if not (x0 <= x < x1 and y0 <= y < y1)]
    if differing:
        print(f"{len(differing)} pixels differ, the first at {differing[0]}")
    return 1 if differing else 0


if __name__ == "__main__":
    sys.exit(main())
