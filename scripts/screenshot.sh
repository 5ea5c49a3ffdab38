#!/bin/sh
# Takes the README's picture of the window: the program on a virtual X
# server with the sample clip (and a second one) in its list, the first
# paused in the preview. Writes docs/window.png, or the path given.
set -e
cd "$(dirname "$0")/.."
BUILD_DIR="${ORVA_BUILD_DIR:-build}"
OUT="${1:-docs/window.png}"
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
mkdir -p "$WORK/home" "$(dirname "$OUT")"
for name in holiday-clip interview; do
  ffmpeg -v error -y -f lavfi -i testsrc2=size=640x360:rate=25:duration=12 \
    -f lavfi -i sine=frequency=440:duration=12 -c:v mpeg4 -q:v 3 -c:a aac -shortest "$WORK/$name.mp4"
done
cat > "$WORK/take.sh" <<'SCRIPT'
#!/bin/sh
HOME="$2/home" "$1/bin/orva-video-converter" "$2/holiday-clip.mp4" "$2/interview.mp4" &
pid=$!
sleep 3
window=$(xwininfo -root -tree | awk '/"Orva Video Converter"/ && /770x550/ {print $1; exit}')
"$1/bin/screen_grab" "$window" "$3" >/dev/null
kill $pid
SCRIPT
xvfb-run -a -s "-screen 0 1024x768x24" sh "$WORK/take.sh" "$BUILD_DIR" "$WORK" "$OUT"
echo "Wrote $OUT"
