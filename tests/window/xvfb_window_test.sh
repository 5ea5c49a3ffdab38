#!/bin/sh
# The real program in a real X server: started with two clips on its command
# line, its 770 x 550 window is mapped and drawn with the first clip paused in
# the preview area, and Convert converts both files.
#   xvfb_window_test.sh <program> <probe> <batch-probe> <encoder> <player> <screen_grab> <screenshot.png>
# Run under xvfb-run.
set -u
program=$1 probe=$2 batch_probe=$3 encoder=$4 player=$5 grab=$6 screenshot=$7
work=$(mktemp -d)
trap 'kill $pid 2>/dev/null; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

# A program folder of its own, so its data files stay in the scratch folder.
mkdir -p "$work/bin" "$work/home" "$work/media"
cp "$program" "$work/bin/orva-video-converter"
ln -s "$probe" "$work/bin/pb.dat"
ln -s "$batch_probe" "$work/bin/orva-probe"
ln -s "$encoder" "$work/bin/cv.dat"
ln -s "$player" "$work/bin/py.dat"
for name in first second; do
  ffmpeg -v error -y -f lavfi -i testsrc=size=320x240:rate=25:duration=3 \
    -f lavfi -i sine=frequency=440:duration=3 -c:v mpeg4 -c:a aac -shortest \
    "$work/media/$name.mkv" || fail "cannot make test media"
done

HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" \
  "$work/bin/orva-video-converter" "$work/media/first.mkv" "$work/media/second.mkv" &
pid=$!

window=""
for _ in $(seq 100); do
  window=$(xwininfo -root -tree 2>/dev/null | awk '/"Orva Video Converter"/ && /770x550/ {print $1; exit}')
  [ -n "$window" ] && xwininfo -id "$window" | grep -q IsViewable && break
  window=""
  sleep 0.1
done
[ -n "$window" ] || fail "no mapped 770x550 window"

# Both files are measured and the first is loaded paused: on a busy machine
# that takes a while, so look again until the preview area shows a picture.
for _ in $(seq 60); do
  picture=$("$grab" "$window" "$screenshot" 474 90 284 218) || fail "cannot grab the window"
  area=$(echo "$picture" | sed -n 's/.*area-colours \([0-9]*\).*/\1/p')
  [ "${area:-0}" -gt 8 ] && break
  sleep 0.25
done
echo "window $window: $picture"
colours=$(echo "$picture" | sed -n 's/.*colours \([0-9]*\).*/\1/p')
[ "${colours:-0}" -gt 8 ] || fail "the window shows a flat picture"
echo "$picture" | grep -q "size 770x550" || fail "the window is not 770x550"
[ "${area:-0}" -gt 8 ] || fail "no picture in the preview area"

# Convert: the round button at 662,446 (81 x 81).
xdotool mousemove --window "$window" 702 486 click 1
videos="$work/home/Videos"
for _ in $(seq 600); do
  [ -f "$videos/first.mp4" ] && [ -f "$videos/second.mp4" ] && break
  sleep 0.1
done
for name in first second; do
  streams=$(ffprobe -v error -show_entries stream=codec_name -of csv=p=0 "$videos/$name.mp4" | tr '\n' ' ')
  [ "$streams" = "h264 aac " ] || fail "$name.mp4 holds '$streams', not H.264 and AAC"
done
echo "PASS: window drawn, first clip paused in the preview, both files converted to H.264 + AAC"
