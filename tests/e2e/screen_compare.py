#!/usr/bin/env python3
"""Compares the installer's client area on the X screen with a page drawn by
the headless build (5-bit red, green, blue bytes per pixel).

  screen_compare.py LEFT TOP REFERENCE.rgb [--ignore X0 Y0 X1 Y1] [--save FILE]

Exits 0 when every pixel outside the ignored rectangle is equal, else prints
how many differ and where the first one is.
"""
import argparse
import subprocess
import sys

WIDTH, HEIGHT = 550, 350


def grab(left, top):
    shot = subprocess.run(
        ["import", "-window", "root", "-depth", "8", "-crop", f"{WIDTH}x{HEIGHT}+{left}+{top}", "rgb:-"],
        stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, check=True).stdout
    # A 5-bit level presented on a true-colour screen is the level shifted left by 3.
    return bytes(b >> 3 for b in shot)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("left", type=int)
    parser.add_argument("top", type=int)
    parser.add_argument("reference")
    parser.add_argument("--ignore", type=int, nargs=4)
    parser.add_argument("--save")
    args = parser.parse_args()
    expected = open(args.reference, "rb").read()
    actual = grab(args.left, args.top)
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
        x, y = (index // 3) % WIDTH, (index // 3) // WIDTH
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
