#!/bin/sh
# The package passes the distribution's checks: lintian without errors or
# warnings, the software-centre description and the desktop entry valid.
# $1: the folder cpack wrote the package into.
set -e
deb=$(ls "$1"/orva-video-converter_*.deb)
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg -x "$deb" "$root"

status=0
lintian --fail-on error,warning "$deb" > "$root/lintian.txt" 2>&1 || status=$?
grep -v 'running with root privileges' "$root/lintian.txt" || true
[ "$status" -eq 0 ] || { echo "lintian reports errors or warnings"; exit 1; }
appstreamcli validate --no-net "$root"/usr/share/metainfo/*.metainfo.xml
desktop-file-validate "$root"/usr/share/applications/orva-video-converter.desktop
echo "package checks passed"
