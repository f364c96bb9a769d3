"""A made-up class's data files, as the lab program writes them (bench/class_files.py says more)."""

import os
import random

COMMENTS = ["", "", "", "left hand", "tired, second try", 'said "oops" twice', "right hand\r\nafter the break"]


def single(v):
    """A Single as the program writes it: seven significant digits, no leading zero below 1."""
    text = f"{v:.7g}"
    return text[1:] if text.startswith("0.") else "-" + text[2:] if text.startswith("-0.") else text


def string(s):
    return '"' + s.replace('"', '""').replace("\n", '"n').replace("\r", '"r') + '"'


def reaction(rng, mean_ms, sd_ms):
    """One press in whole milliseconds: a normal part and an exponential tail, as reaction times are."""
    return max(120, round(rng.gauss(mean_ms - 40, sd_ms) + rng.expovariate(1 / 40)))


def set_lines(times_ms, counts, comment):
    valid = [t for t in times_ms if t > 0]
    stats = [sum(valid) / len(valid) / 1000, min(valid) / 1000, max(valid) / 1000] if valid else [0, 0, 0]
    lines = [single(t / 1000) for t in times_ms + [0] * (10 - len(times_ms))] + [single(v) for v in stats]
    return lines + [str(c) for c in counts or []] + [string(comment)]


def block(rng, sets, mean_ms, choice):
    """Ten sets; the first `sets` hold a series of ten runs (ten triggers in a choice test)."""
    lines = []
    for s in range(10):
        if s >= sets:
            lines += set_lines([], [0, 0, 0, 0] if choice else None, "")
            continue
        times, counts = [], None
        if choice:
            missed = [rng.random() < 0.05 for _ in range(10)]
            times = [1000 if m else min(950, reaction(rng, mean_ms, 60)) for m in missed]
            others = rng.randint(15, 25)
            false_alarms = sum(rng.random() < 0.06 for _ in range(others))
            counts = [10 - sum(missed), others - false_alarms, false_alarms, sum(missed)]
        else:
            times = [reaction(rng, mean_ms, 35) for _ in range(10)]
        lines += set_lines(times, counts, rng.choice(COMMENTS))
    return lines


def write(path, lines):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write("".join(line + "\r\n" for line in lines).encode("utf-8"))


def write_class(out_dir, students, seed):
    rng = random.Random(seed)
    for n in range(1, students + 1):
        name = f"student{n:03d}"
        simple = rng.gauss(260, 30)
        colour, number = simple + rng.gauss(170, 40), simple + rng.gauss(210, 45)
        sets = rng.randint(2, 5)
        if n % 3 == 0:
            write(os.path.join(out_dir, name, "recover.dat"),
                  block(rng, sets, simple, False) + block(rng, sets, colour, True) + block(rng, sets, number, True))
        else:
            write(os.path.join(out_dir, name + ".nrm"), block(rng, sets, simple, False))
            write(os.path.join(out_dir, name + ".col"), block(rng, sets, colour, True))
