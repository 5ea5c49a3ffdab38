#!/bin/sh
# Installs the Debian packages the build, the tests and the program need.
# Quiet and quick when everything is already there.
set -e
# One group a line: the build, the tests, the window, the player, the web,
# the window's tests, its translations, the Debian package and its checks.
PACKAGES="
cmake ninja-build g++ pkg-config
libgtest-dev
ffmpeg
qt6-base-dev qt6-svg-dev libgl-dev fonts-dejavu-core
libmpv-dev libx11-dev
libcurl4-openssl-dev
xvfb xauth x11-utils xdotool
qt6-l10n-tools qt6-tools-dev
dpkg-dev file lintian appstream desktop-file-utils
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
