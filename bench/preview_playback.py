#!/usr/bin/env python3
"""Playing a 1080p H.264 clip in the window's preview, on a virtual X server:
the processor time of the window, its player and the X server while the
clip plays, and the window's resident memory with the clip loaded paused.

Given the program folder of an earlier build (one whose player draws into
the window through -windowid), it measures that build in the same run, one
after the other on the same clip, so that the two can be compared:

    python3 bench/preview_playback.py [EARLIER_BIN_FOLDER]   (after scripts/build.sh)

Goals: the window and its player together use no more processor time than
the earlier build's; the window's resident memory stays within 10 MB of it.
Each build is measured RUNS times (environment ORVA_BENCH_RUNS, default 3);
the medians are printed.
"""
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
BIN = os.path.join(ROOT, os.environ.get("ORVA_BUILD_DIR", "build"), "bin")
PLAY_BUTTON = (512, 351)  # the middle of Play, in window coordinates
PLAY_SECONDS = 6
TICK = os.sysconf("SC_CLK_TCK")


def processor_seconds(pid):
    try:
        with open(f"/proc/{pid}/stat") as stat:
            fields = stat.read().rsplit(")", 1)[1].split()
        return (int(fields[11]) + int(fields[12])) / TICK  # utime, stime
    except (OSError, IndexError):
        return None


def resident_mb(pid):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith("VmRSS:"):
                return int(line.split()[1]) / 1024
    return None


def child_named(parent, name):
    found = subprocess.run(["pgrep", "-P", str(parent), "-x", name], capture_output=True, text=True)
    pids = found.stdout.split()
    return int(pids[0]) if pids else None


def wait_for(condition, seconds):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        value = condition()
        if value:
            return value
        time.sleep(0.1)
    return None


def program_folder(source, work, name):
    folder = os.path.join(work, name)
    os.makedirs(folder)
    for item in ("orva-video-converter", "cv.dat", "py.dat", "pb.dat"):
        path = os.path.join(source, item)
        if os.path.exists(path):
            shutil.copy(path, folder)
    if not os.path.exists(os.path.join(folder, "pb.dat")):
        os.symlink(shutil.which("ffprobe"), os.path.join(folder, "pb.dat"))
    return folder


def measure(folder, clip, home, server_pid):
    env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=os.path.join(home, ".config"))
    env.pop("ORVA_PLAYER_HEADLESS", None)
    window = subprocess.Popen([os.path.join(folder, "orva-video-converter"), clip], env=env,
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        player = wait_for(lambda: child_named(window.pid, "py.dat"), 30)
        if player is None:
            raise RuntimeError("no player started in " + folder)
        time.sleep(2)  # the paused first picture, and the window settles
        memory = resident_mb(window.pid)
        x_window = wait_for(lambda: top_level_window(window.pid), 10)
        if not x_window:
            raise RuntimeError("no window of " + folder)
        pids = (window.pid, player, server_pid)
        before = [processor_seconds(p) for p in pids]
        subprocess.run(["xdotool", "mousemove", "--window", x_window, str(PLAY_BUTTON[0]),
                        str(PLAY_BUTTON[1]), "click", "1"], check=True)
        time.sleep(PLAY_SECONDS)
        after = [processor_seconds(p) for p in pids]
        if None in after:
            raise RuntimeError("the player ended before the measurement did")
        used = [a - b for a, b in zip(after, before)]
        return {"window": used[0], "player": used[1], "server": used[2], "memory": memory}
    finally:
        window.terminate()
        window.wait(10)


def top_level_window(pid):
    """The program's 770 x 550 window (an earlier build also has a native
    preview window of its own)."""
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(pid), "--name", "."],
                           capture_output=True, text=True).stdout.split()
    for candidate in found:
        geometry = subprocess.run(["xdotool", "getwindowgeometry", candidate], capture_output=True,
                                  text=True).stdout
        if "770x550" in geometry:
            return candidate
    return None


def x_server_pid():
    display = os.environ.get("DISPLAY", "")
    found = subprocess.run(["pgrep", "-f", f"Xvfb {display} "], capture_output=True, text=True)
    pids = found.stdout.split()
    return int(pids[0]) if pids else os.getpid()


def main():
    if "DISPLAY" not in os.environ:
        # A virtual X server of our own, on a free display number.
        os.execvp("xvfb-run", ["xvfb-run", "-a", "-s", "-screen 0 1280x800x24", sys.executable] + sys.argv)
    runs = int(os.environ.get("ORVA_BENCH_RUNS", "3"))
    builds = [("this build", BIN)] + ([("earlier build", sys.argv[1])] if len(sys.argv) > 1 else [])
    with tempfile.TemporaryDirectory() as work:
        clip = os.path.join(work, "clip-1080p.mp4")
        subprocess.run(["ffmpeg", "-v", "error", "-y", "-f", "lavfi", "-i",
                        "testsrc2=size=1920x1080:rate=25:duration=12", "-f", "lavfi", "-i",
                        "sine=frequency=440:duration=12", "-ac", "2", "-c:v", "libx264", "-preset",
                        "veryfast", "-c:a", "aac", "-shortest", clip], check=True)
        server = x_server_pid()
        results = {}
        for index, (name, source) in enumerate(builds):
            folder = program_folder(source, work, f"build{index}")
            samples = []
            for run in range(runs):
                home = os.path.join(work, f"home{index}-{run}")
                os.makedirs(home)
                sample = measure(folder, clip, home, server)
                print(f"{name}, run {run + 1}: window {sample['window']:.2f} s, player "
                      f"{sample['player']:.2f} s, X server {sample['server']:.2f} s of processor time "
                      f"in {PLAY_SECONDS} s of playing; window resident {sample['memory']:.1f} MB", flush=True)
                samples.append(sample)
            results[name] = {key: statistics.median(s[key] for s in samples) for key in samples[0]}
        print()
        for name, median in results.items():
            together = median["window"] + median["player"]
            print(f"{name}: window + player {together:.2f} s ({100 * together / PLAY_SECONDS:.0f} % of one core), "
                  f"with the X server {together + median['server']:.2f} s; "
                  f"window resident {median['memory']:.1f} MB (medians of {runs})")


if __name__ == "__main__":
    main()
