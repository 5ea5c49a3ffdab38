#!/bin/sh
# Installs the Debian package on this machine for real, the way a user
# would, starts both programs from the shell, then removes the package and
# checks that nothing of it is left. Meant for a clean Debian 12 machine or
# container (as root); not part of the test run.
#   scripts/try-package.sh [path/to/orva-video-converter_*.deb]
# Without an argument it builds the package from build/ first.
set -e
cd "$(dirname "$0")/.."
BUILD_DIR="${ORVA_BUILD_DIR:-build}"
deb=$1
if [ -z "$deb" ]; then
  (cd "$BUILD_DIR" && cpack -G DEB >/dev/null)
  deb=$(ls "$BUILD_DIR"/orva-video-converter_*.deb)
fi
deb=$(realpath "$deb")

apt-get update -qq
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$deb" >/dev/null
files=$(dpkg -L orva-video-converter)
echo "Installed: $(dpkg-query -W orva-video-converter)"

# A desktop user runs the programs, not root: make one for the trial.
user=orva-trial
id "$user" >/dev/null 2>&1 || useradd -m "$user"
as_user() { runuser -u "$user" -- env HOME="/home/$user" "$@"; }

as_user orva-convert --version
as_user orva-convert --list-profiles | head -3
work=$(as_user mktemp -d)
as_user ffmpeg -v error -f lavfi -i testsrc=size=320x240:rate=25:duration=2 \
  -f lavfi -i sine=duration=2 -shortest "$work/clip.mp4"
as_user orva-convert --profile 10002 --output-dir "$work" "$work/clip.mp4"

# The window, from the menu's command line, on a virtual screen.
if ! command -v xvfb-run >/dev/null || ! command -v xdotool >/dev/null; then
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends xvfb xauth xdotool >/dev/null
fi
exec_line=$(sed -n 's/^Exec=//p' /usr/share/applications/orva-video-converter.desktop | sed "s|%F|$work/clip.mp4|")
as_user xvfb-run -a sh -c "
  $exec_line &
  pid=\$!
  for i in \$(seq 1 100); do
    xdotool search --onlyvisible --pid \$pid >/dev/null 2>&1 && break
    sleep 0.2
  done
  xdotool search --onlyvisible --pid \$pid >/dev/null 2>&1 && shown=yes || shown=no
  kill \$pid
  wait \$pid 2>/dev/null
  echo \"window shown: \$shown\"
  [ \$shown = yes ]
"

DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq orva-video-converter >/dev/null
left=""
for file in $files; do
  { [ -d "$file" ] && [ ! -L "$file" ]; } && continue
  { [ -e "$file" ] || [ -L "$file" ]; } && left="$left $file"
done
[ -e /usr/lib/orva-video-converter ] && left="$left /usr/lib/orva-video-converter"
userdel -r "$user" 2>/dev/null || true
rm -rf "$work"
[ -z "$left" ] || { echo "left behind after removal:$left"; exit 1; }
echo "Removed; nothing of the package is left."
