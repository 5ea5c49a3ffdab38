#!/usr/bin/env python3
"""Wall time of whole batches through orva-convert against the same bare
ffmpeg commands run one after another: eight 30-second songs to MP3
(profile 11400) and four 20-second clips to iPod H.264 at 320x240 (profile
10000). The ffmpeg commands are the ones the encoder program runs; an untimed
first batch records them through a stand-in ffmpeg on the search path.
Rounds take turns (bare ffmpeg, orva-convert with its automatic number of
jobs, orva-convert --jobs 1, the bare commands as many at a time as there are
usable processors) and the median ratio of the rounds is printed with the
load average, since other work on the machine disturbs the figures. The bare
commands run side by side show what the machine itself gives for running
encoders at once: processors that share caches, memory or a host never make
two encoders take half the time. On a busy machine, raise ORVA_BENCH_ROUNDS."""
import os
import shlex
import shutil
import statistics
import subprocess
import sys
import tempfile
import time
from concurrent.futures import ThreadPoolExecutor

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
BIN = os.path.join(ROOT, os.environ.get("ORVA_BUILD_DIR", "build"), "bin")
CONVERT = os.path.join(BIN, "orva-convert")
ROUNDS = int(os.environ.get("ORVA_BENCH_ROUNDS", "3"))
PROCESSORS = len(os.sched_getaffinity(0))

RECORDER = """#!/bin/sh
# Stand-in ffmpeg: notes its command line, then runs the real one.
for a in "$@"; do printf '%s\\0' "$a"; done >> "$ORVA_BENCH_LOG"
printf '\\n' >> "$ORVA_BENCH_LOG"
exec "$ORVA_BENCH_FFMPEG" "$@"
"""


def ffmpeg(*arguments):
    subprocess.run(["ffmpeg", "-v", "error", "-y", *arguments], check=True)


def make_songs(folder):
    paths = []
    for i in range(8):
        path = os.path.join(folder, f"song{i}.wav")
        ffmpeg("-f", "lavfi", "-i", f"sine=frequency={220 + 55 * i}:duration=30", "-ac", "2", "-ar", "44100", path)
        paths.append(path)
    return paths


def make_clips(folder):
    paths = []
    for i in range(4):
        path = os.path.join(folder, f"clip{i}.mp4")
        ffmpeg("-f", "lavfi", "-i", "testsrc=size=640x360:rate=25:duration=20",
               "-f", "lavfi", "-i", f"sine=frequency={440 + 110 * i}:duration=20",
               "-ac", "2", "-c:v", "mpeg4", "-c:a", "aac", "-shortest", path)
        paths.append(path)
    return paths


def convert(profile, files, out, jobs=None, env=None):
    arguments = [CONVERT, "--profile", profile, "--output-dir", out]
    if jobs is not None:
        arguments += ["--jobs", str(jobs)]
    start = time.monotonic()
    status = subprocess.run(arguments + files, stdout=subprocess.DEVNULL, env=env).returncode
    if status != 0:
        sys.exit(f"orva-convert failed with status {status}")
    return time.monotonic() - start


def record_commands(profile, files, folder):
    """The bare ffmpeg commands of the batch, writing into `direct`."""
    shim = os.path.join(folder, "shim")
    os.makedirs(shim, exist_ok=True)
    with open(os.path.join(shim, "ffmpeg"), "w") as script:
        script.write(RECORDER)
    os.chmod(os.path.join(shim, "ffmpeg"), 0o755)
    log = os.path.join(folder, f"commands-{profile}")
    env = dict(os.environ, PATH=shim + os.pathsep + os.environ["PATH"], ORVA_BENCH_LOG=log,
               ORVA_BENCH_FFMPEG=shutil.which("ffmpeg"))
    out = os.path.join(folder, f"recorded-{profile}")
    os.mkdir(out)
    convert(profile, files, out, jobs=1, env=env)
    direct = os.path.join(folder, f"direct-{profile}")
    os.mkdir(direct)
    commands = []
    with open(log) as text:
        for line in text.read().splitlines():
            arguments = line.rstrip("\0").split("\0")
            # The encoder writes a hidden temporary file; the bare command the final name.
            name = os.path.basename(arguments[-1]).split(".part-")[0].lstrip(".")
            extension = os.path.splitext(arguments[-1])[1]
            arguments[-1] = os.path.join(direct, name + extension)
            commands.append(["ffmpeg"] + arguments)
    return commands, direct


def run_bare(command):
    subprocess.run(command, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                   stderr=subprocess.DEVNULL, check=True)


def run_direct(commands, direct, at_once=1):
    for name in os.listdir(direct):
        os.remove(os.path.join(direct, name))
    start = time.monotonic()
    with ThreadPoolExecutor(at_once) as workers:
        list(workers.map(run_bare, commands))
    return time.monotonic() - start


def bench(title, profile, files, folder):
    commands, direct = record_commands(profile, files, folder)
    automatic, one, side_by_side = [], [], []
    for i in range(ROUNDS):
        bare = run_direct(commands, direct)
        out = os.path.join(folder, f"{profile}-auto-{i}")
        os.mkdir(out)
        automatic.append((convert(profile, files, out) / bare, bare))
        bare = run_direct(commands, direct)
        out = os.path.join(folder, f"{profile}-one-{i}")
        os.mkdir(out)
        one.append((convert(profile, files, out, jobs=1) / bare, bare))
        bare = run_direct(commands, direct)
        side_by_side.append((run_direct(commands, direct, PROCESSORS) / bare, bare))
    print(f"{title} ({len(files)} files, profile {profile}, {ROUNDS} rounds)")
    for label, rounds in (("automatic jobs", automatic), ("--jobs 1", one),
                          (f"bare, {PROCESSORS} at once", side_by_side)):
        ratios = sorted(r[0] for r in rounds)
        print(f"  {label:15} median {statistics.median(ratios):.3f} x sequential bare ffmpeg"
              f"   rounds: {' '.join(f'{r:.3f}' for r in ratios)}")
    floor = statistics.median(r[0] for r in side_by_side)
    print(f"  automatic jobs against the bare commands {PROCESSORS} at once (the floor): "
          f"{statistics.median(r[0] for r in automatic) / floor:.3f} x")
    print(f"  sequential bare ffmpeg: median {statistics.median(r[1] for r in automatic + one + side_by_side):.2f} s")


def main():
    if not os.access(CONVERT, os.X_OK):
        sys.exit(f"{CONVERT} is missing: build first (scripts/build.sh)")
    print(f"usable processors: {PROCESSORS}, load average at start: "
          + " ".join(f"{x:.2f}" for x in os.getloadavg()))
    with tempfile.TemporaryDirectory(prefix="orva-batch-bench-") as folder:
        bench("songs to MP3", "11400", make_songs(folder), folder)
        bench("clips to iPod H.264 320x240", "10000", make_clips(folder), folder)
    print("load average at end: " + " ".join(f"{x:.2f}" for x in os.getloadavg()))


if __name__ == "__main__":
    main()
