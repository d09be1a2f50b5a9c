#!/usr/bin/env python3
"""Random-wall campaign through stelvar-cli: every run must end within a second and no
figure of its JSON line or its text document may be NaN or infinite.

    random_walls.py STELVAR_CLI [--walls N] [--seed S] [--jobs J] [--extreme P]

Walls are drawn around both default walls, most of them inside the input ranges (so
they run), a share `--extreme` with one box at an absurd magnitude (so validation must
refuse them, naming the box). Exit status 0 when every wall behaved."""
import argparse
import json
import math
import os
import random
import re
import subprocess
import sys
import tempfile
import time
from concurrent.futures import ThreadPoolExecutor

EXTREMES = ["1e308", "-1e300", "1e-300", "nan", "inf", "-1e14", "-1", "1e9"]


def fmt(v):
    return repr(round(v, 6)) if isinstance(v, float) else str(v)


def uniform(rng, lo, hi, edge=0.05):
    r = rng.random()
    if r < edge:
        return lo
    if r < 2 * edge:
        return hi
    return rng.uniform(lo, hi)


def random_wall(rng):
    s = {}
    leaning = rng.random() < 0.4
    s["PageControl2"] = 1 if leaning else 0
    s["Edit15"] = uniform(rng, 14, 22)
    s["Edit14"] = uniform(rng, 0, 45)
    s["Edit21"] = uniform(rng, 0, 30) if rng.random() < 0.3 else 0.0
    s["LabeledEdit4"] = uniform(rng, 14, 22)
    s["LabeledEdit7"] = rng.randint(0, 45)
    s["LabeledEdit8"] = uniform(rng, 0, 50) if rng.random() < 0.3 else 0.0
    s["LabeledEdit3"] = uniform(rng, 0, 3)
    s["LabeledEdit5"] = uniform(rng, 14, 22)
    s["Edit42"] = rng.randint(0, 45)
    s["Edit3"] = uniform(rng, 0, 80) if rng.random() < 0.3 else 0.0
    s["LabeledEdit6"] = uniform(rng, 0, 2)
    s["Edit16"] = uniform(rng, 50, 1000)
    s["Edit17"] = uniform(rng, 0.3, 0.8)
    s["Edit18"] = uniform(rng, 0, 20) if rng.random() < 0.2 else 0.0
    s["ComboBox7"] = rng.choice(["23.0", "23.5", "24.5"])
    s["TabControl1"] = rng.choice([0, 1, 2])
    if s["TabControl1"] != 0:
        s["ComboBox1"] = uniform(rng, 1.0, 3.0)
        if s["TabControl1"] == 1:
            beta = math.degrees(math.atan(1 / s["ComboBox1"]))
            if s["Edit14"] <= beta and rng.random() < 0.9:
                s["Edit14"] = beta + uniform(rng, 0.5, 10)
    if s["TabControl1"] == 2:
        s["Edit28"] = uniform(rng, 0, 6000)
    if rng.random() < 0.7:
        s["CheckBox1"] = "TRUE"
        s["Edit1"] = uniform(rng, 0, 30)
        s["RadioGroup8"] = rng.randint(0, 1)
    else:
        s["CheckBox1"] = "FALSE"
        s["Edit1"] = 0.0
    s["RadioGroup6"] = rng.randint(0, 1)
    if rng.random() < 0.2:
        s["Edit43"] = uniform(rng, 0, 10)
        s["Edit13"] = uniform(rng, 0, 10)
    if rng.random() < 0.3:
        s["CheckBox9"] = "TRUE"
        s["Edit54"] = uniform(rng, 0, 2)
    if rng.random() < 0.3:
        s["CheckBox3"] = "TRUE"
        s["Edit62"] = uniform(rng, 0, 3)
        s["ComboBox8"] = rng.choice(["9.8", "10.0"])
    if rng.random() < 0.2:
        s["ComboBox3"] = uniform(rng, 0, 5)
        s["ComboBox2"] = uniform(rng, 0, 3)
    if rng.random() < 0.2:
        s["ComboBox9"] = uniform(rng, 0, 1)
        s["ComboBox4"] = uniform(rng, 0, 60)
        s["Edit63"] = uniform(rng, 0, 20)
    if rng.random() < 0.4:
        s["RadioGroup5"] = 1
        s["Edit61"] = uniform(rng, 0, 0.4)
        s["RadioGroup9"] = rng.randint(0, 2)
    s["RadioGroup11"] = rng.randint(0, 1)
    if s["RadioGroup11"] == 1:
        s["LabeledEdit1"] = uniform(rng, 1, 2)
        s["LabeledEdit2"] = uniform(rng, 1, 1.5)
    s["RadioGroup3"] = rng.randint(0, 1)
    s["ComboBox18"] = uniform(rng, 0, 10)
    s["CheckBox7"] = rng.choice(["TRUE", "FALSE"])
    s["CheckBox2"] = rng.choice(["TRUE", "FALSE"])
    if leaning:
        s["Edit51"] = uniform(rng, 0, 4000)
        s["Edit52"] = uniform(rng, 100, 1000)
        s["Edit60"] = uniform(rng, 0, 3000)
        s["Edit55"] = uniform(rng, 500, 9000)
        s["Edit56"] = uniform(rng, 0, 1500)
        s["Edit58"] = uniform(rng, 0, 1500)
        s["Edit59"] = uniform(rng, 300, 5000)
    else:
        w = {k: round(uniform(rng, lo, hi), 0) for k, lo, hi in
             [("Edit36", 0, 2000), ("Edit37", 100, 1500), ("Edit2", 0, 2500),
              ("Edit34", 0, 1000), ("Edit30", 0, 1000)]}
        s.update(w)
        s["Edit38"] = uniform(rng, 500, 8000)
        s["Edit39"] = uniform(rng, 0, 1200)
        s["Edit31"] = sum(w.values())
    if rng.random() < 0.25:
        s["RadioGroup2"] = 1
        s["Edit35"] = uniform(rng, 0, 1500)
        s["Edit40"] = uniform(rng, 10, 800)
        s["Edit41"] = uniform(rng, 10, 800)
    return s


# The input ranges the validation holds the boxes to: --corners draws walls across
# them, bounds included, where overflow and division by zero would show first.
RANGES = {
    "Edit15": (0, 100), "Edit14": (0, 89), "Edit21": (0, 10000), "ComboBox7": (2, 100),
    "ComboBox8": (0, 100), "Edit16": (0, 10000), "LabeledEdit8": (0, 10000),
    "Edit3": (0, 10000), "Edit18": (0, 10000), "Edit17": (0, 10), "LabeledEdit5": (0, 100),
    "LabeledEdit4": (0, 100), "LabeledEdit3": (0, 100), "LabeledEdit6": (0, 100),
    "Edit1": (0, 10000), "Edit43": (0, 10000), "Edit13": (0, 10000), "Edit62": (0, 100),
    "ComboBox3": (0, 100), "ComboBox2": (0, 10000), "ComboBox9": (0, 100),
    "ComboBox4": (0, 10000), "Edit63": (0, 100), "Edit61": (0, 1), "Edit50": (0, 100),
    "Edit23": (0, 100), "Edit24": (0, 100), "Edit25": (0, 100), "ComboBox1": (0, 100),
    "Edit28": (0, 100000), "Edit54": (0, 100), "ComboBox18": (0, 100),
    "LabeledEdit1": (0, 100), "LabeledEdit2": (0, 100),
    "Edit51": (0, 100000), "Edit52": (0, 100000), "Edit60": (0, 100000),
    "Edit55": (1, 100000), "Edit56": (0, 100000), "Edit58": (0, 100000), "Edit59": (0, 100000),
    "Edit38": (1, 100000), "Edit39": (0, 100000), "Edit35": (0, 100000),
    "Edit40": (10, 100000), "Edit41": (10, 100000),
}
INT_RANGES = {"LabeledEdit7": (0, 89), "Edit42": (0, 89)}


def corner_wall(rng):
    s = random_wall(rng)
    for k in list(s):
        if k in RANGES and rng.random() < 0.5:
            lo, hi = RANGES[k]
            r = rng.random()
            s[k] = float(lo) if r < 0.25 else float(hi) if r < 0.5 else \
                10 ** rng.uniform(math.log10(max(lo, 1e-3)), math.log10(hi))
        elif k in INT_RANGES and rng.random() < 0.5:
            s[k] = rng.choice(INT_RANGES[k] + (rng.randint(*INT_RANGES[k]),))
    if s.get("PageControl2") == 0 and rng.random() < 0.9:
        s["Edit31"] = sum(float(s[k]) for k in ("Edit36", "Edit37", "Edit2", "Edit34", "Edit30"))
    return s


# Records that are null when their check does not run; every other null is a lost figure
# (nlohmann writes a NaN or infinite number as null).
NULLABLE = {"$.ToeCheck", "$.HeelCheck", "$.KeyCheck", "$.StemMid", "$.StemFixed"}


def lost_figures(value, path="$"):
    """Paths of the JSON values that are not finite numbers where a figure belongs."""
    if value is None:
        return [] if path in NULLABLE else [path]
    if isinstance(value, float):
        return [] if math.isfinite(value) else [path]
    items = value.items() if isinstance(value, dict) else \
        ((f"[{i}]", v) for i, v in enumerate(value)) if isinstance(value, list) else ()
    out = []
    for k, v in items:
        out += lost_figures(v, path + ("" if k.startswith("[") else ".") + k)
    return out


def run_one(cli, workdir, index, settings, extreme_box):
    args = [cli, "--json", "--txt", os.path.join(workdir, f"w{index}.txt")]
    for k, v in settings.items():
        args += ["--set", f"{k}={fmt(v)}"]
    t0 = time.monotonic()
    p = subprocess.run(args, capture_output=True, timeout=30)
    elapsed = time.monotonic() - t0
    problems = []
    if elapsed > 1.0:
        problems.append(f"took {elapsed:.2f} s")
    out = p.stdout.decode("utf-8", "replace")
    err = p.stderr.decode("utf-8", "replace")
    if p.returncode not in (0, 1):
        problems.append(f"exit {p.returncode}: {err.strip()[:200]}")
    if extreme_box is not None:
        if p.returncode != 1 or out.strip():
            problems.append(f"extreme {extreme_box} not refused")
    for line in out.splitlines():
        if not line.strip():
            continue
        if "NaN" in line or "Infinity" in line:
            problems.append("non-finite token in JSON")
        doc = json.loads(line)
        bad = lost_figures(doc)

        if bad:
            problems.append("non-finite JSON fields: " + ", ".join(bad[:8]))
    txt = os.path.join(workdir, f"w{index}.txt")
    if os.path.exists(txt):
        text = open(txt, "rb").read().decode("cp932", "replace").lower()
        for token in ("nan", "inf"):
            if token in text:
                problems.append(f"'{token}' in the text document")
        # qu and qa are printed as figures only where they are values; the number format
        # puts a negative value's sign before the whole line.
        for line in text.splitlines():
            negative = line.startswith("-") or re.search(r"=\s*-\s*[0-9]", line)
            if ("qu" in line or "qa" in line) and negative:
                problems.append(f"negative bearing figure in the text document: {line.strip()}")
        os.remove(txt)
    reason = err.strip().splitlines()[-1].split(": ", 2)[-1] if p.returncode == 1 and err.strip() else ""
    return elapsed, p.returncode, problems, args, reason


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("cli")
    ap.add_argument("--walls", type=int, default=2000)
    ap.add_argument("--seed", type=int, default=12)
    ap.add_argument("--jobs", type=int, default=2)
    ap.add_argument("--extreme", type=float, default=0.1)
    ap.add_argument("--corners", action="store_true",
                    help="draw the boxes across their whole ranges, bounds included")
    a = ap.parse_args()
    rng = random.Random(a.seed)
    cases = []
    for i in range(a.walls):
        s = corner_wall(rng) if a.corners else random_wall(rng)
        box = None
        if rng.random() < a.extreme:
            # Only a box the run reads: the safety factor of the other design case is not.
            unread = {"LabeledEdit2" if s.get("RadioGroup5") != 1 else "LabeledEdit1"}
            box = rng.choice(sorted(k for k, v in s.items() if isinstance(v, float) and k not in unread))
            s[box] = rng.choice(EXTREMES)
        cases.append((i, s, box))
    failures = 0
    times = []
    ran = 0
    with tempfile.TemporaryDirectory() as workdir, ThreadPoolExecutor(a.jobs) as pool:
        reasons = {}
        kinds = {}
        for elapsed, code, problems, args, reason in pool.map(
                lambda c: run_one(a.cli, workdir, c[0], c[1], c[2]), cases):
            times.append(elapsed)
            ran += code == 0
            if reason:
                reasons[reason[:60]] = reasons.get(reason[:60], 0) + 1
            if problems:
                failures += 1
                for p in problems:
                    kind = p.split(":")[0]
                    kinds[kind] = kinds.get(kind, 0) + 1
                if failures <= 20:
                    print("FAIL:", "; ".join(problems), "\n  ", " ".join(args[4:]))
    for reason, count in sorted(reasons.items(), key=lambda r: -r[1])[:12]:
        print(f"  {count:6d} x {reason}")
    for kind, count in kinds.items():
        print(f"  failed {count} x {kind}")
    times.sort()
    print(f"{len(cases)} walls, {ran} ran, {len(cases) - ran} refused or failed; "
          f"median {times[len(times) // 2] * 1000:.1f} ms, max {times[-1] * 1000:.1f} ms")
    print(f"{len(cases) - failures} passed, {failures} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
