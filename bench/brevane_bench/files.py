"""Files the rigs give the program."""


def recovery_file(path):
    """A recover.dat with ten full sets of every test, as a lab session leaves it."""
    lines = []
    for block in range(3):
        for s in range(1, 11):
            lines += [f".{200 + 37 * ((s + r) % 9)}" for r in range(1, 11)] + ["0", "0", "0"]
            lines += ["0"] * (4 if block else 0) + [f'"set {s}"']
    with open(path, "wb") as f:
        f.write(("\r\n".join(lines) + "\r\n").encode())
