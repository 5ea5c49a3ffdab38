#!/bin/sh
# Unpacks the package into a scratch root and checks what it installs: the
# program folder with its five programs, the launchers, the desktop files,
# the manual pages, the documents and the control fields.
# $1: the folder cpack wrote the package into; $2: the project's version.
set -e
folder=$1
version=$2
deb="$folder/orva-video-converter_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || { echo "no package named $deb"; ls "$folder"; exit 1; }
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg -x "$deb" "$root"

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
program=usr/lib/orva-video-converter

for name in orva-video-converter orva-convert cv.dat py.dat orva-probe; do
  [ -x "$root/$program/$name" ] && [ ! -L "$root/$program/$name" ] || fail "$program/$name is not a program"
  file -b "$root/$program/$name" | grep -q 'ELF.*stripped' || fail "$program/$name is not a stripped ELF program"
done
[ "$(readlink "$root/$program/pb.dat")" = "../../bin/ffprobe" ] || fail "pb.dat does not lead to ffprobe"
for name in orva-video-converter orva-convert; do
  [ "$(readlink "$root/usr/bin/$name")" = "../lib/orva-video-converter/$name" ] || fail "usr/bin/$name is no launcher"
  [ -x "$root/usr/bin/$name" ] || fail "usr/bin/$name does not reach its program"
  zcat "$root/usr/share/man/man1/$name.1.gz" | grep -q "^\.TH" || fail "no manual page for $name"
done
for file in usr/share/applications/orva-video-converter.desktop \
    usr/share/icons/hicolor/scalable/apps/orva-video-converter.svg \
    usr/share/metainfo/org.orva.VideoConverter.metainfo.xml \
    usr/share/doc/orva-video-converter/copyright \
    usr/share/doc/orva-video-converter/changelog.gz \
    usr/share/doc/orva-video-converter/examples/convert-array.sbatch; do
  [ -s "$root/$file" ] || fail "$file missing"
done
# Nothing else: every file lies in one of the places above.
unexpected=$(cd "$root" && find . ! -type d | grep -v -e "^./$program/" -e '^./usr/bin/' \
  -e '^./usr/share/applications/' -e '^./usr/share/icons/' -e '^./usr/share/metainfo/' \
  -e '^./usr/share/man/man1/' -e '^./usr/share/doc/orva-video-converter/' || true)
[ -z "$unexpected" ] || fail "files outside the layout: $unexpected"

depends=$(dpkg-deb -f "$deb" Depends)
for package in ffmpeg qt6-translations-l10n libqt6widgets6 libqt6svg6 libmpv2 libcurl4 libc6; do
  echo "$depends" | grep -q "\\b$package\\b" || fail "Depends lacks $package: $depends"
done
[ -n "$(dpkg-deb -f "$deb" Maintainer)" ] || fail "no maintainer"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "package version is not $version"
# The unpacked converter runs and reports the version the package carries.
said=$("$root/usr/bin/orva-convert" --version)
[ "$said" = "orva-convert (Orva Video Converter) $version" ] || fail "orva-convert --version says: $said"
[ "$("$root/usr/bin/orva-convert" --list-profiles | wc -l)" -eq 147 ] || fail "the unpacked converter lists no profiles"

[ "$failures" -eq 0 ] || exit 1
echo "package layout is complete"
