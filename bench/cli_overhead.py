#!/usr/bin/env python3
"""Converts the same clips through orva-convert and by running the same
encoder command lines directly, several rounds taking turns (after one
untimed warm-up), and prints the median wall-time ratio of the rounds and the
CPU time orva-convert spent itself (its children's CPU time not counted).
On a busy machine, raise ORVA_BENCH_ROUNDS.

Then it times orva-convert with an encoder that only waits one second, over
many files: what goes beyond a second per file is the converter's own time,
measuring, starting and seeing each job's end, which a busy machine disturbs
far less than whole conversions."""
import os
import shutil
import shlex
import subprocess
import sys
import tempfile
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
BIN = os.path.join(ROOT, os.environ.get("ORVA_BUILD_DIR", "build"), "bin")
CONVERT = os.path.join(BIN, "orva-convert")
CLIPS = int(os.environ.get("ORVA_BENCH_CLIPS", "3"))
SECONDS = int(os.environ.get("ORVA_BENCH_SECONDS", "20"))
ROUNDS = int(os.environ.get("ORVA_BENCH_ROUNDS", "3"))
IDLE_FILES = 10


def make_clips(folder):
    paths = []
    for i in range(CLIPS):
        path = os.path.join(folder, f"clip{i}.mp4")
        subprocess.run(["ffmpeg", "-v", "error", "-y",
                        "-f", "lavfi", "-i", f"testsrc=size=640x360:rate=25:duration={SECONDS}",
                        "-f", "lavfi", "-i", f"sine=frequency=440:duration={SECONDS}",
                        "-ac", "2", "-c:v", "mpeg4", "-c:a", "aac", "-shortest", path], check=True)
        paths.append(path)
    return paths


def run_direct(commands):
    start = time.monotonic()
    for command in commands:
        subprocess.run(shlex.split(command), stdin=subprocess.PIPE, stdout=subprocess.DEVNULL,
                       stderr=subprocess.STDOUT, check=True)
    return time.monotonic() - start


def run_converter(clips, out):
    # The converter's own CPU time: its process alone, read from /proc when it
    # has ended but is not yet reaped, so the encoders' time is not in it.
    start = time.monotonic()
    process = subprocess.Popen([CONVERT, "--output-dir", out] + clips, stdout=subprocess.DEVNULL)
    os.waitid(os.P_PID, process.pid, os.WEXITED | os.WNOWAIT)
    with open(f"/proc/{process.pid}/stat") as stat:
        fields = stat.read().rsplit(")", 1)[1].split()
    ticks = os.sysconf("SC_CLK_TCK")
    own_cpu = (int(fields[11]) + int(fields[12])) / ticks
    status = process.wait()
    if status != 0:
        sys.exit(f"orva-convert failed with status {status}")
    return time.monotonic() - start, own_cpu


def overhead_per_file(clips, folder):
    """Seconds per file beyond an encoder that only waits one second."""
    program = os.path.join(folder, "idle-program")
    os.mkdir(program)
    shutil.copy(CONVERT, os.path.join(program, "orva-convert"))
    os.symlink(os.path.realpath(os.path.join(BIN, "pb.dat")), os.path.join(program, "pb.dat"))
    encoder = os.path.join(program, "cv.dat")
    with open(encoder, "w") as script:
        script.write("#!/bin/sh\nsleep 1\n")
    os.chmod(encoder, 0o755)
    out = os.path.join(folder, "idle-out")
    os.mkdir(out)
    files = [clips[i % len(clips)] for i in range(IDLE_FILES)]
    start = time.monotonic()
    subprocess.run([os.path.join(program, "orva-convert"), "--output-dir", out] + files,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    return (time.monotonic() - start) / IDLE_FILES - 1.0


def main():
    if not os.access(CONVERT, os.X_OK):
        sys.exit(f"{CONVERT} is missing: build first (scripts/build.sh)")
    with tempfile.TemporaryDirectory(prefix="orva-bench-") as folder:
        clips = make_clips(folder)
        # A dry run refuses a missing folder, as the real run does.
        direct_dir = os.path.join(folder, "direct")
        os.mkdir(direct_dir)
        dry = subprocess.run([CONVERT, "--dry-run", "--output-dir", direct_dir] + clips,
                             capture_output=True, text=True, check=True)
        commands = dry.stdout.splitlines()
        run_direct(commands)  # warm-up: programs and clips in the cache
        rounds = []
        for i in range(ROUNDS):
            for name in os.listdir(direct_dir):
                os.remove(os.path.join(direct_dir, name))
            out = os.path.join(folder, f"converter{i}")
            os.mkdir(out)
            direct = run_direct(commands)
            converter, own_cpu = run_converter(clips, out)
            rounds.append((converter / direct, direct, converter, own_cpu))
        overhead = overhead_per_file(clips, folder)
    rounds.sort()
    ratio, direct, converter, own_cpu = rounds[len(rounds) // 2]
    print(f"clips: {CLIPS} x {SECONDS} s, default profile, {ROUNDS} rounds")
    print("ratios of the rounds:  " + " ".join(f"{r[0]:.3f}" for r in rounds))
    print(f"median round: direct {direct:.2f} s, through orva-convert {converter:.2f} s wall")
    print(f"wall-time ratio:       {ratio:.3f}")
    print(f"orva-convert own CPU:  {own_cpu:.3f} s")
    print(f"converter's own time per file (encoder waiting 1 s): {overhead * 1000:.0f} ms")

if __name__ == "__main__":
    main()
