#!/bin/sh
# Builds everything and runs every test.
set -e
cd "$(dirname "$0")"
scripts/install-deps.sh
scripts/build.sh
BUILD_DIR="${ORVA_BUILD_DIR:-build}"
ctest --test-dir "$BUILD_DIR" --output-on-failure -j "$(nproc)"
