#!/bin/sh
# Installs the Debian packages the build, the tests and the program need.
# Quiet and quick when everything is already there.
set -e
# One group a line: the build, the window, the player, the batch probe, the
# tests (X11, the decimal-comma locale made at test time, a Wayland session
# with XWayland, a screen reader's bus), clang with its runtimes for the
# fuzzers (g++ brings the sanitizers' own), the reference tools the
# real-client tests read the converted files with, the translations, the
# Debian package and its checks, the schedulers orva-convert is tested under
# (Slurm with munge; GNU Parallel over ssh, which sends files with rsync).
PACKAGES="
cmake ninja-build g++ pkg-config ccache
libgtest-dev
clang libclang-rt-14-dev
ffmpeg
qt6-base-dev qt6-svg-dev libgl-dev fonts-dejavu-core
libmpv-dev libx11-dev
libavformat-dev libavcodec-dev libavutil-dev
libcurl4-openssl-dev
xvfb xauth x11-utils xdotool pngquant
mkvtoolnix mediainfo mp3val flac vorbis-tools sox
locales
weston xwayland qt6-wayland
at-spi2-core python3-pyatspi dbus-x11
qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
dpkg-dev file lintian appstream desktop-file-utils
slurm-wlm munge openssh-server openssh-client parallel rsync python3
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
