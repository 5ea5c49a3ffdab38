#!/bin/sh
# Builds everything and runs every test.
set -e
cd "$(dirname "$0")"
scripts/install-deps.sh
scripts/build.sh
BUILD_DIR="${ORVA_BUILD_DIR:-build}"
# A hung test fails after three minutes instead of stalling the run.
ctest --test-dir "$BUILD_DIR" --output-on-failure --timeout 180 -j "$(nproc)"
