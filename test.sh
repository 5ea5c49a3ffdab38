#!/bin/sh
# Builds everything and runs every test: the normal suite first, then the
# suite under AddressSanitizer and UndefinedBehaviorSanitizer, the threaded
# parts under ThreadSanitizer, and a bounded fuzzing run of every parser of
# outside text. ORVA_QUICK_TEST=1 runs the normal suite only.
set -e
cd "$(dirname "$0")"
scripts/install-deps.sh

# Runs one step and says how long it took.
timed() {
  name="$1"
  shift
  started=$(date +%s)
  "$@"
  echo "== $name: passed in $(($(date +%s) - started)) s"
}

normal_suite() {
  scripts/build.sh
  # A hung test fails after three minutes instead of stalling the run.
  ctest --test-dir "${ORVA_BUILD_DIR:-build}" --output-on-failure --timeout 180 -j "$(nproc)"
}

timed "normal build and suite" normal_suite
[ "${ORVA_QUICK_TEST:-0}" = 1 ] && exit 0
timed "AddressSanitizer + UndefinedBehaviorSanitizer build and suite" scripts/sanitize.sh address
timed "ThreadSanitizer build and threaded tests" scripts/sanitize.sh thread
timed "fuzzing" scripts/fuzz.sh
