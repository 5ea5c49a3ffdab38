#!/bin/sh
# Builds the fuzz targets with clang's libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer into build-fuzz/ (or $ORVA_FUZZ_BUILD_DIR), then
# fuzzes each parser for $ORVA_FUZZ_SECONDS (25) seconds from its seed
# corpus in fuzz/corpus/. An input that fails is kept in the build folder.
set -e
cd "$(dirname "$0")/.."
BUILD_DIR="${ORVA_FUZZ_BUILD_DIR:-build-fuzz}"
SECONDS_EACH="${ORVA_FUZZ_SECONDS:-25}"
if [ ! -f "$BUILD_DIR/build.ninja" ]; then
  CC=clang CXX=clang++ cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DORVA_FUZZ=ON -DORVA_SANITIZE="address;undefined" -DBUILD_TESTING=OFF >/dev/null
fi
cmake --build "$BUILD_DIR" --target orva_fuzzers -j "$(nproc)"

# New inputs go to a scratch folder; the seed corpus in the repository stays as it is.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=""
for seeds in fuzz/corpus/*/; do
  name=$(basename "$seeds")
  mkdir -p "$work/$name"
  # A dictionary of the parser's keywords, where it has one.
  dict=""
  [ -f "fuzz/dict/$name.dict" ] && dict="-dict=fuzz/dict/$name.dict"
  if "$BUILD_DIR/fuzz/fuzz_$name" $dict -max_total_time="$SECONDS_EACH" -timeout=10 -rss_limit_mb=2048 \
      -print_final_stats=1 -artifact_prefix="$BUILD_DIR/fuzz/$name-" "$work/$name" "$seeds" \
      >"$work/$name.log" 2>&1; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/$name.log")
    echo "fuzz $name: ${runs:-?} inputs in ${SECONDS_EACH} s, no fault"
  else
    echo "fuzz $name: FAULT"
    tail -n 60 "$work/$name.log"
    failed="$failed $name"
  fi
done
[ -z "$failed" ] || { echo "fuzz targets with faults:$failed"; exit 1; }
