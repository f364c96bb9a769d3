#!/usr/bin/env python3
"""How long the class summary tool takes over a large class: the whole process, from its start to its exit,
reading the files, fitting every student's times, writing the four tables and drawing the chart's pages; then
the same with --handouts, a page for each student.

Writes a made-up class of 300 students into a temporary folder (bench/class_files.py: 500 files, every third
student a recover.dat, the others a .nrm and a .col), then runs the Release build of brevane-summary over it
--runs times after --warmup runs that are not counted, and prints the median, min and max wall time and CPU time,
without and with --handouts.
Then it runs the tool on a 3 GB sparse file beside one student's files, which it must refuse by its size
without reading it, and prints that run's wall time and peak memory.

Usage: bench/summary_bench.py [--students N] [--runs N] [--warmup N] [--program PATH]
Builds build/src/summary/brevane-summary (Release) first when it is missing."""

import argparse
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

sys.dont_write_bytecode = True
from brevane_bench import BUILD, ensure_release_build, write_class  # noqa: E402


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--students", type=int, default=300, help="300 students leave 500 files")
    parser.add_argument("--runs", type=int, default=15)
    parser.add_argument("--warmup", type=int, default=2)
    parser.add_argument("--program", default=os.path.join(BUILD, "src", "summary", "brevane-summary"))
    args = parser.parse_args()
    ensure_release_build(args.program, "brevane-summary")
    with tempfile.TemporaryDirectory(prefix="summary-bench-") as work:
        write_class(os.path.join(work, "class"), args.students, seed=29)
        files = sum(len(names) for _, _, names in os.walk(os.path.join(work, "class")))
        for extra in ([], ["--handouts"]):
            walls, cpus = [], []
            for i in range(args.warmup + args.runs):
                status, wall, cpu, _, said = run(args.program, work, ["--colour", "-o", "out", "class"] + extra)
                if status != 0:
                    sys.exit(f"brevane-summary failed ({status}):\n{said}")
                if i >= args.warmup:
                    walls.append(wall)
                    cpus.append(cpu)
            if not extra:
                print(said.strip().splitlines()[-1])
            print(f"{files} files{', with --handouts' if extra else ''}, {args.runs} runs: wall median "
                  f"{statistics.median(walls) * 1000:.0f} ms (min {min(walls) * 1000:.0f}, max {max(walls) * 1000:.0f}), "
                  f"CPU median {statistics.median(cpus) * 1000:.0f} ms")

        huge = os.path.join(work, "huge")
        shutil.copytree(os.path.join(work, "class", "student003"), huge)
        with open(os.path.join(huge, "huge.nrm"), "wb") as f:
            f.truncate(3 << 30)
        status, wall, cpu, peak_kib, said = run(args.program, work, ["-o", "out-huge", "huge"])
        refused = "huge.nrm holds 3072.0 MB" in said
        print(f"a 3 GB sparse file: {'refused' if refused else 'NOT refused'} (exit {status}) in "
              f"{wall * 1000:.0f} ms wall, {cpu * 1000:.0f} ms CPU, {peak_kib / 1024:.0f} MiB peak memory")


def run(program, work, args):
    """The tool to its end: exit status, wall and CPU seconds, peak memory in KiB, what it said."""
    started = time.perf_counter()
    with subprocess.Popen([program] + args, cwd=work, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE,
                          text=True) as proc:
        said = proc.stderr.read()
        _, status, usage = os.wait4(proc.pid, 0)
        proc.returncode = os.waitstatus_to_exitcode(status)
    wall = time.perf_counter() - started
    return proc.returncode, wall, usage.ru_utime + usage.ru_stime, usage.ru_maxrss, said


if __name__ == "__main__":
    main()
