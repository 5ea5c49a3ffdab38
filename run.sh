#!/bin/sh
# Builds the converter and makes a short sample clip when there is none. With
# a display it opens the window with the sample in its list; without one it
# converts the sample with the default profile into ./out.
set -e
cd "$(dirname "$0")"
scripts/install-deps.sh
scripts/build.sh
BUILD_DIR="${ORVA_BUILD_DIR:-build}"

mkdir -p sample out
if [ ! -f sample/clip.mp4 ]; then
  echo "Making sample/clip.mp4 (5 s test picture and tone)"
  ffmpeg -v error -y -f lavfi -i testsrc=size=640x360:rate=25:duration=5 \
    -f lavfi -i sine=frequency=440:duration=5 -ac 2 -c:v mpeg4 -c:a aac -shortest sample/clip.mp4
fi

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  echo "Opening the window with sample/clip.mp4 (press Convert)"
  exec "$BUILD_DIR/bin/orva-video-converter" sample/clip.mp4
fi

echo "No display: converting sample/clip.mp4 into ./out with orva-convert"
echo "(to see the window: xvfb-run -a $BUILD_DIR/bin/orva-video-converter, or run on a desktop)"
status=0
"$BUILD_DIR/bin/orva-convert" --output-dir out sample/clip.mp4 || status=$?
echo "Results are in $(pwd)/out"
exit $status
