#!/usr/bin/env python3
"""How long the class summary tool takes over a large class: the whole process, from its start to its exit,
reading the files, writing the three tables and drawing both charts.

Writes a made-up class of 300 students into a temporary folder (bench/class_files.py: 500 files, every third
student a recover.dat, the others a .nrm and a .col), then runs the Release build of brevane-summary over it
--runs times after --warmup runs that are not counted, and prints the median, min and max wall time.

Usage: bench/summary_bench.py [--students N] [--runs N] [--warmup N] [--program PATH]
Builds build/src/summary/brevane-summary (Release) first when it is missing."""

import argparse
import os
import statistics
import subprocess
import sys
import tempfile
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
sys.dont_write_bytecode = True
sys.path.insert(0, os.path.join(ROOT, "bench"))
from class_files import write_class  # noqa: E402
from startup import ensure_release_build  # noqa: E402


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--students", type=int, default=300, help="300 students leave 500 files")
    parser.add_argument("--runs", type=int, default=15)
    parser.add_argument("--warmup", type=int, default=2)
    parser.add_argument("--program", default=os.path.join(ROOT, "build", "src", "summary", "brevane-summary"))
    args = parser.parse_args()
    ensure_release_build(args.program, "brevane-summary")
    with tempfile.TemporaryDirectory(prefix="summary-bench-") as work:
        write_class(os.path.join(work, "class"), args.students, seed=29)
        files = sum(len(names) for _, _, names in os.walk(os.path.join(work, "class")))
        walls = []
        for i in range(args.warmup + args.runs):
            started = time.perf_counter()
            done = subprocess.run([args.program, "--colour", "-o", "out", "class"], cwd=work, capture_output=True,
                                  text=True)
            wall = time.perf_counter() - started
            if done.returncode != 0:
                sys.exit(f"brevane-summary failed ({done.returncode}):\n{done.stderr}")
            if i >= args.warmup:
                walls.append(wall)
        print(done.stderr.strip().splitlines()[-1])
        print(f"{files} files, {args.runs} runs: wall median {statistics.median(walls) * 1000:.0f} ms "
              f"(min {min(walls) * 1000:.0f}, max {max(walls) * 1000:.0f})")


if __name__ == "__main__":
    main()
