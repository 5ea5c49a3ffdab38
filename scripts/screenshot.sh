#!/bin/sh
# Takes the README's pictures of the program on a virtual X server: the
# window idle, converting one job and two at once, after a failed job (with
# its reason), with the profile menu open and with 30 rows, and each dialog
# it opens (Edit Profile for a video and an audio profile, the wait box, a
# question, About, the folder and file dialogs).
#   scripts/screenshot.sh [--language de|fr|es] [folder]
# Writes small PNGs into the folder: docs/ for English, docs/<language>/ for
# another language. Needs a build (ORVA_BUILD_DIR, default build/) with
# window_gallery. The X server takes a free display number, or
# ORVA_DISPLAY_NUMBER when set.
set -e
cd "$(dirname "$0")/.."
BUILD_DIR="$(realpath "${ORVA_BUILD_DIR:-build}")"
language=en
if [ "$1" = "--language" ]; then
  language=$2
  shift 2
fi
case $language in
  en) locale=C.UTF-8 default_out=docs ;;
  de) locale=de_DE.UTF-8 default_out=docs/de ;;
  fr) locale=fr_FR.UTF-8 default_out=docs/fr ;;
  es) locale=es_ES.UTF-8 default_out=docs/es ;;
  *) echo "no such language: $language (en, de, fr, es)" >&2; exit 2 ;;
esac
OUT="$(realpath -m "${1:-$default_out}")"
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
mkdir -p "$WORK/home" "$WORK/program" "$WORK/media" "$WORK/shots" "$OUT"

for tool in pb.dat orva-probe cv.dat py.dat; do ln -s "$BUILD_DIR/bin/$tool" "$WORK/program/$tool"; done
clip() {  # name seconds [with-sound]
  if [ "$3" = sound ]; then
    ffmpeg -v error -y -f lavfi -i "testsrc2=size=640x360:rate=25:duration=$2" \
      -f lavfi -i "sine=frequency=440:duration=$2" -c:v mpeg4 -q:v 3 -c:a aac -shortest "$WORK/media/$1"
  else
    ffmpeg -v error -y -f lavfi -i "testsrc2=size=640x360:rate=25:duration=$2" -c:v mpeg4 -q:v 3 "$WORK/media/$1"
  fi
}
clip holiday-clip.mp4 60 sound
clip concert.mp4 60 sound
clip interview.mp4 8 sound
clip screen-recording.mp4 4
i=1
while [ $i -le 28 ]; do
  ln -s holiday-clip.mp4 "$WORK/media/clip-$(printf %02d $i).mp4"
  i=$((i + 1))
done
mkfifo "$WORK/media/still-copying.mp4"

server=-a
[ -n "$ORVA_DISPLAY_NUMBER" ] && server="-n $ORVA_DISPLAY_NUMBER"
HOME="$WORK/home" LANG=$locale LC_ALL=$locale xvfb-run $server -s "-screen 0 1024x768x24" \
  "$BUILD_DIR/bin/window_gallery" "$WORK/program" "$WORK/media" "$WORK/shots"

# Few colours are enough for these pictures: quantised they stay small.
for shot in "$WORK"/shots/*.png; do
  name=$(basename "$shot")
  if command -v pngquant >/dev/null; then
    pngquant --force --quality 60-95 --output "$OUT/$name" "$shot" || cp "$shot" "$OUT/$name"
  else
    cp "$shot" "$OUT/$name"
  fi
  echo "Wrote $OUT/$name"
done
