#!/bin/sh
# Launch of the preview player to its first picture, in a host window and in
# memory as the window runs it, on a
# virtual X server: median of several runs (goal: at most 300 ms), with the
# processor time the player used by then, which a busy machine does not inflate.
# Usage: bench/player_first_frame.sh [RUNS]   (after scripts/build.sh)
set -e
cd "$(dirname "$0")/.."
BUILD_DIR="${ORVA_BUILD_DIR:-build}"
RUNS="${1:-9}"
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
# A typical source: 720p H.264 with AAC sound.
ffmpeg -v error -y -f lavfi -i testsrc2=size=1280x720:rate=25:duration=20 \
  -f lavfi -i sine=frequency=440:duration=20 -ac 2 \
  -c:v libx264 -preset veryfast -c:a aac -shortest "$WORK/clip.mp4"
xvfb-run -a -s "-screen 0 1024x768x24 -noreset" \
  "$BUILD_DIR/bin/player_first_frame_probe" "$WORK/clip.mp4" "$RUNS" 480 360
