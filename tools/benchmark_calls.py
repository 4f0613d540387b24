#!/usr/bin/python3
"""Random callsigns for the "qvk-calc call" benchmark, made from the shipped
country file so that they resemble a contest log.

    benchmark_calls.py COUNT SEED OUT

writes COUNT calls to OUT, one a line: most are a prefix of the file with an
area digit and a suffix of one to three letters; one in ten is an exact call
of the file (one with a digit), and a few carry /P, /QRP, an area digit (/4), a country
designator (VP2E/..., .../KH6) or /MM.
"""
import random
import string
import sys
from pathlib import Path

CTY = Path(__file__).resolve().parent.parent / "data" / "cty.csv"


def tokens():
    prefixes, exact = [], []
    for line in CTY.read_text(encoding="cp1252").splitlines():
        if not line or line.startswith("*"):
            continue
        for token in line.split(",")[9].rstrip(";").split():
            name = token.split("(")[0].split("[")[0]
            if name.startswith("="):
                # the version is no call, and RAEM (no digit) is no callsign to qvk-calc
                if not name.startswith("=VER") and any(c.isdigit() for c in name):
                    exact.append(name[1:])
            else:
                prefixes.append(name)
    return prefixes, exact


def make(count, seed, out_path):
    rng = random.Random(seed)
    prefixes, exact = tokens()
    letters = string.ascii_uppercase
    with open(out_path, "w") as out:
        for _ in range(count):
            if rng.random() < 0.1:
                out.write(rng.choice(exact) + "\n")
                continue
            prefix = rng.choice(prefixes)
            digit = "" if prefix[-1].isdigit() else str(rng.randrange(10))
            call = prefix + digit + "".join(rng.choice(letters) for _ in range(rng.randint(1, 3)))
            roll = rng.random()
            if roll < 0.03:
                call += rng.choice(["/P", "/QRP", "/M"])
            elif roll < 0.05:
                call += "/" + str(rng.randrange(10))
            elif roll < 0.07:
                call = rng.choice(prefixes) + "/" + call if roll < 0.06 else call + "/" + rng.choice(prefixes)
            elif roll < 0.08:
                call += "/MM"
            out.write(call + "\n")


if __name__ == "__main__":
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    make(int(sys.argv[1]), int(sys.argv[2]), sys.argv[3])
