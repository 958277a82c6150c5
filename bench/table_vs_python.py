#!/usr/bin/env python3
"""Times `quillux-calc table check` and `table convert` on a generated fixture table file
against Python's csv module reading the same file, and prints MB/s and the ratio.

usage: bench/table_vs_python.py [path/to/quillux-calc] [records]
       (defaults: build/release/program/quillux-calc, 100000 records)
"""

import csv
import os
import random
import resource
import subprocess
import sys
import tempfile
import time

FIELDS = ["FixtureName", "Manufacturer", "Description", "FixtureType", "DMXMode",
          "Number  of DMX channel", "BeamMin", "BeamMax", "CandelaMin", "CandelaMax", "Lumens", "mF",
          "ColorTemp", "LampType", "Watts", "Power Factor", "Weight", "Lenght", "Width", "Height",
          "Gobo Size", "Dichroic Gel Size", "WeightLbs", "mFMax", "LumensMin", "UseDipSwitch",
          "DipSwitchOffset"]
MAKERS = ["Acme", "Brightline", "Clay Lights", "Dynalux", "Futura", "Glow", "High End", "Iris"]


def quoted(text):
    return '"' + text.replace('"', '""') + '"'


def number(value):
    return quoted(repr(round(value, 6)).rstrip("0").rstrip("."))


def generate(path, count):
    rng = random.Random(42)
    with open(path, "w", encoding="utf-8", newline="") as out:
        out.write("".join(quoted(f) + "," for f in FIELDS) + "\r\n")
        for i in range(count):
            name = "Fixture %d" % rng.randrange(1000000)
            if i % 17 == 0:
                name += ', "Pro" 100%%'
            values = [quoted(name), quoted(rng.choice(MAKERS)),
                      quoted("Moving head with zoom and framing shutters"), quoted("Spot"),
                      quoted("Extended"), quoted(str(rng.randrange(1, 40))),
                      number(rng.uniform(2, 60)), number(rng.uniform(12, 70)),
                      number(rng.uniform(500, 25000)), number(rng.uniform(1000, 50000)),
                      number(rng.uniform(750, 37000)), number(rng.uniform(0, 2)), quoted("3200"),
                      quoted("HMI 1200"), number(rng.uniform(50, 2500)), quoted("0.95"),
                      number(rng.uniform(1, 60)), number(rng.uniform(100, 900)),
                      number(rng.uniform(100, 900)), number(rng.uniform(100, 900)),
                      quoted("E size") if i % 3 == 0 else "", "", number(rng.uniform(2, 130)),
                      number(rng.uniform(0, 2)), number(rng.uniform(250, 12000)),
                      quoted("True" if i % 5 == 0 else "False"), quoted("False")]
            out.write("".join(v + "," for v in values) + "\r\n")


def cpu_seconds():
    # Processor time of this process and of the finished children: on a shared machine
    # wall-clock time measures the neighbours, not the reader.
    own = resource.getrusage(resource.RUSAGE_SELF)
    children = resource.getrusage(resource.RUSAGE_CHILDREN)
    return own.ru_utime + own.ru_stime + children.ru_utime + children.ru_stime


def best_of(runs, action):
    best = float("inf")
    for _ in range(runs):
        start = cpu_seconds()
        action()
        best = min(best, cpu_seconds() - start)
    return best


def main():
    calc = sys.argv[1] if len(sys.argv) > 1 else "build/release/program/quillux-calc"
    count = int(sys.argv[2]) if len(sys.argv) > 2 else 100000
    if not os.access(calc, os.X_OK):
        sys.exit("quillux-calc not found at %s (build it first, Release)" % calc)
    with tempfile.TemporaryDirectory() as folder:
        path = os.path.join(folder, "DataFixtureUser.dbu")
        generate(path, count)
        megabytes = os.path.getsize(path) / 1e6

        def run(*words):
            subprocess.run([calc, "table", *words, "--kind", "fixture", "--file", path],
                           check=True, stdout=subprocess.DEVNULL)

        def python_csv():
            with open(path, encoding="utf-8", newline="") as f:
                for _ in csv.reader(f):
                    pass

        check = best_of(5, lambda: run("check"))
        convert = best_of(5, lambda: run("convert", "--to", "table"))
        python = best_of(5, python_csv)
        print("file: %d records, %.1f MB; processor time, best of 5" % (count, megabytes))
        print("quillux-calc table check           %7.1f ms  %7.1f MB/s" % (check * 1e3, megabytes / check))
        print("quillux-calc table convert         %7.1f ms  %7.1f MB/s" % (convert * 1e3, megabytes / convert))
        print("python csv.reader (reading only)   %7.1f ms  %7.1f MB/s" % (python * 1e3, megabytes / python))
        print("ratio check / python:   %.2fx faster" % (python / check))
        print("ratio convert / python: %.2fx faster" % (python / convert))


if __name__ == "__main__":
    main()
