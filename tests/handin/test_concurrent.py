"""Thirty machines handing in at the same moments: 30 writer processes (handin_writer, the program's own
hand-in writer) each save their .nrm, .col and recover.dat ten times into one hand-in folder, all at once
each round, while a reader reads the folder in a loop. Every file the reader sees must be whole (its line
count right and every line from one round), and at the end each student's folder must hold exactly their three
files from the last round and nothing else.
Usage: test_concurrent.py <handin_writer binary>"""

import os
import subprocess
import sys
import tempfile
import threading

STUDENTS, ROUNDS, LINES = 30, 10, 100  # LINES: handin_writer's kLines


def check_whole(path, student):
    """None when the file is a whole file of one round; else what is wrong with it."""
    with open(path, "rb") as f:
        text = f.read().decode("utf-8")
    lines = text.removesuffix("\r\n").split("\r\n")
    if not text.endswith("\r\n") or len(lines) != LINES:
        return f"{len(lines)} lines"
    rounds = set(lines)
    if len(rounds) != 1 or not lines[0].startswith(f'"{student} round '):
        return f"lines from {len(rounds)} rounds"
    return None


class Reader(threading.Thread):
    def __init__(self, folder):
        super().__init__()
        self.folder, self.stop, self.seen, self.bad = folder, threading.Event(), 0, []

    def run(self):
        while not self.stop.is_set():
            for student in sorted(os.listdir(self.folder)):
                own = os.path.join(self.folder, student)
                for name in os.listdir(own) if os.path.isdir(own) else []:
                    if name.endswith((".nrm", ".col")) or name == "recover.dat":
                        try:
                            problem = check_whole(os.path.join(own, name), student)
                        except FileNotFoundError:
                            continue  # renamed over between the listing and the open: the next look reads it
                        self.seen += 1
                        if problem:
                            self.bad.append(f"{student}/{name}: {problem}")


def main(binary):
    with tempfile.TemporaryDirectory(prefix="brevane-handin-") as folder:
        writers = [subprocess.Popen([binary, folder, f"s{n:02d}", str(ROUNDS)], stdin=subprocess.PIPE,
                                    stdout=subprocess.PIPE, text=True) for n in range(STUDENTS)]
        reader = Reader(folder)
        reader.start()
        failures = []
        try:
            for r in range(1, ROUNDS + 1):
                for w in writers:  # every writer is let go before any is waited for
                    w.stdin.write("go\n")
                    w.stdin.flush()
                for n, w in enumerate(writers):
                    if (said := w.stdout.readline().strip()) != str(r):
                        failures.append(f"writer s{n:02d} said {said!r} in round {r}")
        finally:
            reader.stop.set()
            reader.join()
            for w in writers:
                w.stdin.close()
                w.wait(timeout=30)
        failures += reader.bad[:10]
        for n in range(STUDENTS):
            student = f"s{n:02d}"
            own = os.path.join(folder, student)
            names = sorted(os.listdir(own))
            if names != sorted([f"{student}.col", f"{student}.nrm", "recover.dat"]):
                failures.append(f"{student} holds {names}")
                continue
            for name in names:
                with open(os.path.join(own, name), encoding="utf-8") as f:
                    if f'"{student} round {ROUNDS} ' not in f.read() or check_whole(os.path.join(own, name), student):
                        failures.append(f"{student}/{name} is not the last round's whole file")
        print(f"{STUDENTS} writers x {ROUNDS} rounds; the reader read {reader.seen} files, {len(reader.bad)} not whole")
        if reader.seen < STUDENTS:
            failures.append("the reader saw too few files to tell anything")
        for failure in failures:
            print("FAIL", failure)
        return 1 if failures else 0


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit(f"usage: {os.path.basename(sys.argv[0])} <handin_writer binary>")
    sys.exit(main(sys.argv[1]))
