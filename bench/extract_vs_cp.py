#!/usr/bin/env python3
"""Extraction speed and memory against cp.

Builds an update.dat whose last entry holds 256 MiB, extracts that entry with
the native release build's extract_entry and copies a file of the same size
with cp, both from a warm page cache, in the same run. Reports the median
times and their ratio (and the ratio of the fastest runs, less disturbed on
a busy machine), and the extractor's peak resident memory for a 16 MiB and a
256 MiB entry. cp copies inside the kernel where it can; the extractor
streams through its 64 KiB buffer.

    bench/extract_vs_cp.py build/release/bench/extract_entry
"""
import os
import pathlib
import statistics
import struct
import subprocess
import sys
import tempfile
import time

RUNS = 9
MIB = 1024 * 1024
ENTRIES = 36
README = 34
LAST = 35


def timed(command, cwd):
    """Wall time and peak resident memory (from GNU time) of one run."""
    report = pathlib.Path(cwd) / "peak.txt"
    start = time.perf_counter()
    subprocess.run(["/usr/bin/time", "-f", "%M", "-o", report, *command], cwd=cwd, check=True)
    elapsed = time.perf_counter() - start
    peak = int(report.read_text().split()[-1]) * 1024
    report.unlink()
    return elapsed, peak


def write_archive(folder, last_size):
    """Small bodies for every entry, and `last_size` bytes for the last."""
    sizes = [0 if i == README else 1000 + i for i in range(ENTRIES)]
    sizes[LAST] = last_size
    with open(folder / "update.dat", "wb") as archive:
        archive.write(struct.pack("<36i", *sizes))
        for i in range(ENTRIES):
            if i == README:
                continue
            left = sizes[i]
            while left:
                chunk = min(left, 16 * MIB)
                archive.write(os.urandom(chunk))
                left -= chunk


def main():
    extractor = pathlib.Path(sys.argv[1]).resolve()
    with tempfile.TemporaryDirectory(prefix="tx3bench-", dir="/tmp") as work:
        folder = pathlib.Path(work)
        peaks = {}
        for size_mib in (16, 256):
            write_archive(folder, size_mib * MIB)
            _, peaks[size_mib] = timed([extractor, str(LAST), "entry.bin"], folder)

        with open(folder / "source.bin", "wb") as source:
            for _ in range(256 // 16):
                source.write(os.urandom(16 * MIB))
        for name in ("update.dat", "source.bin"):  # warm the page cache
            subprocess.run(["cat", name], cwd=folder, check=True, stdout=subprocess.DEVNULL)

        # Both replace an output of the same size from the round before; the
        # first round only warms up.
        cp_times, extract_times = [], []
        for round in range(RUNS + 1):
            cp_time, _ = timed(["cp", "source.bin", "copy.bin"], folder)
            extract_time, _ = timed([extractor, str(LAST), "entry.bin"], folder)
            if round > 0:
                cp_times.append(cp_time)
                extract_times.append(extract_time)

        cp_median = statistics.median(cp_times)
        extract_median = statistics.median(extract_times)
        print(f"cp:        median {cp_median * 1000:.1f} ms over {RUNS} runs (256 MiB)")
        print(f"extractor: median {extract_median * 1000:.1f} ms over {RUNS} runs (256 MiB entry)")
        print(f"ratio extractor / cp: {extract_median / cp_median:.2f} (target at most 1.25)")
        print(f"ratio of the fastest runs: {min(extract_times) / min(cp_times):.2f}")
        for size_mib, peak in peaks.items():
            print(f"extractor peak resident memory, {size_mib} MiB entry: {peak / MIB:.1f} MiB")


if __name__ == "__main__":
    main()
