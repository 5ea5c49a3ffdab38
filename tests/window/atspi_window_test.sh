#!/bin/sh
# The real program on a private accessibility bus: a screen reader's view of
# the window, read with pyatspi.
#   atspi_window_test.sh <program> <probe> <batch-probe> <encoder> <player> <checker.py>
# Run under xvfb-run, or as a Wayland client under tests/window/under_weston.sh.
set -u
program=$1 probe=$2 batch_probe=$3 encoder=$4 player=$5 checker=$6
work=$(mktemp -d)
pids=""
trap 'for p in $pids; do kill "$p" 2>/dev/null; done; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

mkdir -p "$work/bin" "$work/home" "$work/media" "$work/run"
chmod 700 "$work/run"
cp "$program" "$work/bin/orva-video-converter"
ln -s "$probe" "$work/bin/pb.dat"
ln -s "$batch_probe" "$work/bin/orva-probe"
ln -s "$encoder" "$work/bin/cv.dat"
ln -s "$player" "$work/bin/py.dat"
ffmpeg -v error -y -f lavfi -i testsrc=size=320x240:rate=25:duration=10 \
  -f lavfi -i sine=frequency=440:duration=10 -c:v mpeg4 -c:a aac -shortest \
  "$work/media/clip.mkv" || fail "cannot make test media"

export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_RUNTIME_DIR="$work/run"
eval "$(dbus-launch --sh-syntax)" || fail "no session bus"
pids="$DBUS_SESSION_BUS_PID"
/usr/libexec/at-spi-bus-launcher --launch-immediately &
pids="$pids $!"

QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$work/bin/orva-video-converter" "$work/media/clip.mkv" &
pids="$! $pids"

/usr/bin/python3 "$checker"
