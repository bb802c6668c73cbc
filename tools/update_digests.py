#!/usr/bin/env python3
"""Writes the C++ source of an installer build's digests.

Given the folder of an update, the SHA-256 of each body in its update.dat and
of each language readme there (readme_eng.txt ...); without one, a build that
knows none. With --list the digests are also written as sha256sum does, one
"DIGEST  NAME" line per file, the bodies named as the loose files they were
packed from.
"""
import argparse
import hashlib
import pathlib
import struct

from update_table import ENTRIES, README

LANGUAGES = ["eng", "esp", "fra", "ita", "nor", "por", "sve"]


def body_digests(archive):
    data = archive.read_bytes()
    sizes = struct.unpack_from("<36i", data)
    digests, offset = [], 36 * 4
    for index, size in enumerate(sizes):
        if index == README:
            digests.append(None)
            continue
        if size < 0 or offset + size > len(data):
            raise SystemExit(f"{archive}: entry {ENTRIES[index]} reaches past the end")
        digests.append(hashlib.sha256(data[offset:offset + size]).digest())
        offset += size
    if offset != len(data):
        raise SystemExit(f"{archive}: {len(data) - offset} bytes after the last body")
    return digests


def array(digest):
    return "{" + ", ".join(f"0x{b:02x}" for b in (digest or bytes(32))) + "}"


def source(bodies, readmes):
    present = "true" if bodies else "false"
    bodies = bodies or [None] * len(ENTRIES)
    lines = [
        "// Written by tools/update_digests.py.",
        '#include "install/update_digests.h"',
        "",
        "const UpdateDigests kUpdateDigests = {",
        f"    {present},",
        "    {" + ",\n     ".join(array(d) for d in bodies) + "},",
        "    {" + ", ".join("true" if d else "false" for d in readmes) + "},",
        "    {" + ",\n     ".join(array(d) for d in readmes) + "},",
        "};",
        "",
    ]
    return "\n".join(lines)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("output", type=pathlib.Path)
    parser.add_argument("--folder", type=pathlib.Path, help="the update's folder")
    parser.add_argument("--list", type=pathlib.Path, help="also write the digests here")
    args = parser.parse_args()

    bodies, readmes, listed = None, [None] * len(LANGUAGES), []
    if args.folder:
        bodies = body_digests(args.folder / "update.dat")
        listed += [(d, ENTRIES[i]) for i, d in enumerate(bodies) if d]
        for index, code in enumerate(LANGUAGES):
            readme = args.folder / f"readme_{code}.txt"
            if readme.exists():
                readmes[index] = hashlib.sha256(readme.read_bytes()).digest()
                listed.append((readmes[index], readme.name))
    text = source(bodies, readmes)
    if not args.output.exists() or args.output.read_text() != text:
        args.output.write_text(text)
    if args.list:
        args.list.write_text("".join(f"{d.hex()}  {name}\n" for d, name in listed))


if __name__ == "__main__":
    main()
