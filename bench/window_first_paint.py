#!/usr/bin/env python3
"""Time from starting orva-video-converter to its first painted window, on a
virtual X server: the median of several fresh starts (goal: at most 300 ms).
Each start runs the program with ORVA_REPORT_FIRST_PAINT=quit, which prints
the monotonic clock at the first paint and ends the program.

Usage: xvfb-run -a python3 bench/window_first_paint.py [RUNS]   (after scripts/build.sh)
"""
import os
import statistics
import subprocess
import sys
import tempfile
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
BIN = os.path.join(ROOT, os.environ.get("ORVA_BUILD_DIR", "build"), "bin")
PROGRAM = os.path.join(BIN, "orva-video-converter")


def one_start(home):
    env = dict(os.environ, ORVA_REPORT_FIRST_PAINT="quit", HOME=home)
    started = time.monotonic_ns()
    done = subprocess.run([PROGRAM], env=env, capture_output=True, text=True, timeout=30)
    for line in done.stderr.splitlines():
        if line.startswith("first-paint-monotonic-ns "):
            return (int(line.split()[1]) - started) / 1e6
    raise RuntimeError("no first paint reported: " + done.stderr)


def main():
    runs = int(sys.argv[1]) if len(sys.argv) > 1 else 9
    with tempfile.TemporaryDirectory() as home:
        one_start(home)  # the first start also writes install.date
        times = [one_start(home) for _ in range(runs)]
    print("first paint, ms: " + " ".join(f"{t:.0f}" for t in times))
    print(f"median {statistics.median(times):.0f} ms, min {min(times):.0f}, max {max(times):.0f} "
          f"({runs} starts)")


if __name__ == "__main__":
    main()
