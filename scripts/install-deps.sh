#!/bin/sh
# Installs the Debian packages the build, the tests and the program need.
# Quiet and quick when everything is already there.
set -e
# One package a line: the build, the window, the player, the tests.
PACKAGES="
cmake ninja-build g++ pkg-config
libgtest-dev
ffmpeg
qt6-base-dev qt6-svg-dev libgl-dev fonts-dejavu-core
libmpv-dev libx11-dev
libcurl4-openssl-dev
xvfb xauth x11-utils xdotool
at-spi2-core python3-pyatspi dbus-x11
"

missing=""
for p in $PACKAGES; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
echo "Installing:$missing"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends $missing >/dev/null
