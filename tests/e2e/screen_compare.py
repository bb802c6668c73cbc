#!/usr/bin/env python3
"""Compares the installer's client area on the X screen with a page drawn by
the headless build (5-bit red, green, blue bytes per pixel).

  screen_compare.py LEFT TOP REFERENCE.rgb [--scale N] [--ignore X0 Y0 X1 Y1] [--save FILE]

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
    # A 5-bit level presented on a true-colour screen is the level shifted left by 3.
    return bytes(b >> 3 for b in shot)


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
    parser.add_argument("--save")
    args = parser.parse_args()
    expected = enlarged(open(args.reference, "rb").read(), args.scale)
    actual = grab(args.left, args.top, args.scale)
    if args.save:
        open(args.save, "wb").write(actual)
    if len(actual) != len(expected):
        print(f"screen gave {len(actual)} bytes, expected {len(expected)}")
        return 1
    if actual == expected:
        return 0
    differing = []
    for index in range(0, len(expected), 3):
        if actual[index:index + 3] == expected[index:index + 3]:
            continue
        pixel = index // 3
        x, y = pixel % (WIDTH * args.scale) // args.scale, pixel // (WIDTH * args.scale) // args.scale
        if args.ignore and args.ignore[0] <= x < args.ignore[2] and args.ignore[1] <= y < args.ignore[3]:
            continue
        differing.append((x, y))
    if differing:
        x, y = differing[0]
        print(f"{len(differing)} pixels differ, the first at ({x}, {y})")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
