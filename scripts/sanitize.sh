#!/bin/sh
# Sanitizer runs, each from a build folder of its own:
#   scripts/sanitize.sh address   the suite under AddressSanitizer and
#                                 UndefinedBehaviorSanitizer, in build-asan/
#   scripts/sanitize.sh thread    the tests of the threaded parts (label
#                                 "threaded") under ThreadSanitizer, in build-tsan/
# Any fault fails its test. Suppressions in scripts/sanitizers/ cover faults
# inside system libraries only.
set -e
cd "$(dirname "$0")/.."
KIND="$1"
SUPPRESSIONS="$(pwd)/scripts/sanitizers"
JOBS="$(nproc)"

configure() {
  [ -f "$1/build.ninja" ] && return 0
  cmake -S . -B "$1" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORVA_SANITIZE="$2" >/dev/null
}

case "$KIND" in
  address)
    BUILD_DIR="${ORVA_ASAN_BUILD_DIR:-build-asan}"
    configure "$BUILD_DIR" "address;undefined"
    cmake --build "$BUILD_DIR" -j "$JOBS"
    export ASAN_OPTIONS="detect_stack_use_after_return=1:check_initialization_order=1"
    export LSAN_OPTIONS="suppressions=$SUPPRESSIONS/leaks.supp:print_suppressions=0"
    export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
    # The profile matrix (147 tests) converts real media through every
    # profile: ffmpeg does that work, and the encoder program's parsing of
    # each command line runs in the other encoder tests and its fuzz target,
    # so under the sanitizers it would only cost time.
    ctest --test-dir "$BUILD_DIR" --output-on-failure --timeout 600 -j "$JOBS" \
      -E "ProfileMatrixTest"
    ;;
  thread)
    BUILD_DIR="${ORVA_TSAN_BUILD_DIR:-build-tsan}"
    configure "$BUILD_DIR" "thread"
    cmake --build "$BUILD_DIR" -j "$JOBS" --target core_tests driver_tests cli_tests web_tests preview_tests
    export TSAN_OPTIONS="suppressions=$SUPPRESSIONS/threads.supp:halt_on_error=1:second_deadlock_stack=1"
    ctest --test-dir "$BUILD_DIR" --output-on-failure --timeout 600 -j "$JOBS" -L threaded
    ;;
  *)
    echo "usage: scripts/sanitize.sh address|thread" >&2
    exit 2
    ;;
esac
