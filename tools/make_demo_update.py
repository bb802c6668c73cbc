#!/usr/bin/env python3
"""Writes the loose files of a demo update into a folder.

Every file of the archive table but the readme gets deterministic content of
its own size, so that an archive built from them can be checked byte for byte.
With --expect FILE the update.dat that packing these files must give is
written there too.
"""
import argparse
import pathlib
import struct

from update_table import ENTRIES, README


def body(index, scale):
    """Sizes cross the extractor's 64 KiB chunks; one file is empty."""
    size = 0 if index == 1 else (index * 7919 + 1) * scale % (300_000 * scale) + index
    if index == 0:
        size = 65_537 * scale
    seed = (index * 2654435761 + 1) & 0xFFFFFFFF
    pattern = bytes((seed >> (8 * (k % 4)) ^ k) & 0xFF for k in range(251))
    return (pattern * (size // len(pattern) + 1))[:size]


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("folder", type=pathlib.Path)
    parser.add_argument("--expect", type=pathlib.Path, help="write the expected update.dat here")
    parser.add_argument("--scale", type=int, default=1, help="multiply the sizes")
    args = parser.parse_args()

    args.folder.mkdir(parents=True, exist_ok=True)
    bodies = [b"" if i == README else body(i, args.scale) for i in range(len(ENTRIES))]
    for index, name in enumerate(ENTRIES):
        if index != README:
            (args.folder / name).write_bytes(bodies[index])
    if args.expect:
        table = b"".join(struct.pack("<i", len(b)) for b in bodies)
        args.expect.write_bytes(table + b"".join(bodies))


if __name__ == "__main__":
    main()
