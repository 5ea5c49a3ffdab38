#!/bin/sh
# Runs a command as a Wayland client of its own weston (headless, drawn by
# pixman, no XWayland and no X display at all) at the given scale, and ends
# weston afterwards; the command's exit status is the script's.
#   under_weston.sh <scale> <command> [argument...]
set -u
scale=$1
shift
run=$(mktemp -d)
chmod 700 "$run"
printf '[shell]\nbackground-color=0xff008000\npanel-position=none\n' > "$run/weston.ini"
XDG_RUNTIME_DIR="$run" weston --config="$run/weston.ini" --backend=headless-backend.so --use-pixman \
  --socket=wayland-orva --width=1280 --height=800 --scale="$scale" >"$run/weston.log" 2>&1 &
weston=$!
trap 'kill $weston 2>/dev/null; wait $weston 2>/dev/null; rm -rf "$run"' EXIT
for _ in $(seq 300); do
  [ -S "$run/wayland-orva" ] && break
  sleep 0.1
done
[ -S "$run/wayland-orva" ] || { echo "FAIL: weston did not start"; cat "$run/weston.log"; exit 1; }

# A full path: the command may choose a runtime folder of its own.
export WAYLAND_DISPLAY="$run/wayland-orva" XDG_RUNTIME_DIR="$run" XDG_SESSION_TYPE=wayland
export QT_QPA_PLATFORM=wayland
unset DISPLAY
"$@"
