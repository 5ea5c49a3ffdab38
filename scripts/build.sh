#!/bin/sh
# Configures and builds the project into build/ (or $ORVA_BUILD_DIR).
set -e
cd "$(dirname "$0")/.."
BUILD_DIR="${ORVA_BUILD_DIR:-build}"
[ -f "$BUILD_DIR/build.ninja" ] || cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$BUILD_DIR" -j "$(nproc)"
