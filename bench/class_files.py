#!/usr/bin/env python3
"""Writes a made-up class's data files, as the lab program writes them, for the summary tool's
benchmark, its example files (tests/fixtures/class) and a look at its chart.

Each student has a simple reaction time of their own (about 260 ms), a colour test some 170 ms
slower and a number test some 210 ms slower, with a skewed spread from run to run; a trigger is
now and then let pass (a missed hit, stored as 1.000 s) and another element now and then pressed
(an incorrect hit). Every third student leaves a folder with a recover.dat holding all three
tests; the others leave <name>.nrm and <name>.col (the colour test), which the summary pairs by
name. The same seed writes the same files.

Usage: bench/class_files.py OUT_DIR [--students N] [--seed S]"""

import argparse
import sys

sys.dont_write_bytecode = True  # no __pycache__ beside the sources
from brevane_bench import write_class  # noqa: E402


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("out_dir")
    parser.add_argument("--students", type=int, default=30)
    parser.add_argument("--seed", type=int, default=29)
    args = parser.parse_args()
    write_class(args.out_dir, args.students, args.seed)


if __name__ == "__main__":
    main()
