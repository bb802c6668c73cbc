#!/usr/bin/env python3
"""Packing speed and memory against cat.

Packs 35 loose files of over 200 MiB with the native build's `tx3inst -pack`
and copies the same files into one file with `cat`, both from a warm page
cache, in the same run. Reports the median times, their ratio and the
packer's peak resident memory against its largest loose file.

    bench/pack_vs_cat.py build/release/app/tx3inst
"""
import pathlib
import statistics
import subprocess
import sys
import tempfile
import time

ROOT = pathlib.Path(__file__).resolve().parent.parent
RUNS = 5
MIB = 1024 * 1024


def timed(command, cwd):
    """Wall time and peak resident memory (from GNU time) of one run."""
    report = pathlib.Path(cwd) / "peak.txt"
    start = time.perf_counter()
    subprocess.run(["/usr/bin/time", "-f", "%M", "-o", report, *command], cwd=cwd,
                   check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    elapsed = time.perf_counter() - start
    peak = int(report.read_text().split()[-1]) * 1024
    report.unlink()
    return elapsed, peak


def main():
    packer = pathlib.Path(sys.argv[1]).resolve()
    with tempfile.TemporaryDirectory(prefix="tx3bench-") as work:
        folder = pathlib.Path(work)
        subprocess.run([sys.executable, ROOT / "tools/make_demo_update.py", folder,
                        "--scale", "45"], check=True)
        files = sorted(p for p in folder.iterdir())
        names = [p.name for p in files]
        total = sum(p.stat().st_size for p in files)
        largest = max(p.stat().st_size for p in files)
        subprocess.run(["cat", *names], cwd=folder, check=True, stdout=subprocess.DEVNULL)

        # Both replace an output of the same size from the run before, as
        # packing again does; the first round only warms up.
        cat = ["sh", "-c", 'cat "$@" > all.bin', "cat", *names]
        cat_times, pack_times, peak = [], [], 0
        for round in range(RUNS + 1):
            cat_time, _ = timed(cat, folder)
            pack_time, pack_peak = timed([packer, "-pack"], folder)
            if round > 0:
                cat_times.append(cat_time)
                pack_times.append(pack_time)
                peak = max(peak, pack_peak)

        cat_median = statistics.median(cat_times)
        pack_median = statistics.median(pack_times)
        print(f"files: {len(files)}, {total / MIB:.1f} MiB, largest {largest / MIB:.1f} MiB")
        print(f"cat:    median {cat_median * 1000:.1f} ms over {RUNS} runs")
        print(f"packer: median {pack_median * 1000:.1f} ms over {RUNS} runs")
        print(f"ratio packer / cat: {pack_median / cat_median:.2f} (target at most 1.30)")
        print(f"packer peak resident memory: {peak / MIB:.1f} MiB "
              f"(limit: largest file + 16 MiB = {largest / MIB + 16:.1f} MiB)")


if __name__ == "__main__":
    main()
