#!/usr/bin/env python3
"""Design-conditions files for whole-process batch timings and for comparing batch runs:
random walls as the random-wall campaign draws them (a share with one absurd value, so
validation refuses them) and a few files that cannot be loaded, saved by the program's
own file writer.

    make_walls.py WALL_FILES_TOOL OUTDIR [--walls N] [--seed S] [--extreme P] [--broken K]

WALL_FILES_TOOL is build/<dir>/bench/stelvar_wall_files."""
import argparse
import os
import random
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "campaign"))
import random_walls  # noqa: E402

# Files that fail to load: an index that is no number, a line that is not Shift-JIS, an
# empty file (every line reads as empty: the first index is no number).
BROKEN = [b"abc\r\n", b"0\r\n\x81\r\n", b""]


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("tool")
    ap.add_argument("outdir")
    ap.add_argument("--walls", type=int, default=400)
    ap.add_argument("--seed", type=int, default=14)
    ap.add_argument("--extreme", type=float, default=0.1)
    ap.add_argument("--broken", type=int, default=6)
    a = ap.parse_args()
    rng = random.Random(a.seed)
    lines = []
    for _ in range(a.walls):
        s = random_walls.random_wall(rng)
        if rng.random() < a.extreme:
            box = rng.choice(sorted(k for k, v in s.items() if isinstance(v, float)))
            s[box] = rng.choice(random_walls.EXTREMES)
        lines.append(" ".join(f"{k}={random_walls.fmt(v)}" for k, v in s.items()).encode())
    p = subprocess.run([a.tool, a.outdir], input=b"\n".join(lines) + b"\n")
    if p.returncode != 0:
        return p.returncode
    for i in range(min(a.broken, len(lines))):
        with open(os.path.join(a.outdir, f"w{rng.randrange(len(lines)):05d}.dat"), "wb") as f:
            f.write(BROKEN[i % len(BROKEN)])
    return 0


if __name__ == "__main__":
    sys.exit(main())
