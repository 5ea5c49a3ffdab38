#!/bin/bash
# The job-array template on a real one-node Slurm cluster: four tasks
# convert twelve short files into one folder. Every file is converted
# exactly once, the four reports add up to twelve successes, and the same
# array again with --skip-existing converts nothing.
#
#   slurm_array_test.sh PROGRAM_FOLDER SOURCE_FOLDER
set -u
bin=$1
src=$2
here=$(cd "$(dirname "$0")" && pwd)
. "$here/slurm_cluster.sh"

if [ "$(id -u)" -ne 0 ]; then
  echo "skipped: the Slurm daemons run as root here"
  exit 77
fi

t=$(mktemp -d /tmp/orva-slurm.XXXXXX)
trap 'slurm_stop "$t"; rm -rf "$t"' EXIT
trap 'exit 1' INT TERM

. "$here/checks.sh"

slurm_start "$t" || exit 1

# Twelve short clips, made at test time.
# The output folder is left for the tasks to make.
mkdir -p "$t/media" "$t/logs"
ffmpeg -loglevel error -f lavfi -i testsrc=size=160x120:rate=25:duration=1 -f lavfi -i sine=duration=1 \
  -c:v mpeg4 -c:a aac -shortest "$t/media/clip00.mp4" || exit 1
for i in $(seq -w 1 11); do cp "$t/media/clip00.mp4" "$t/media/clip$i.mp4"; done
ls "$t"/media/*.mp4 >"$t/list.txt"

# run_array REPORT_DIR [orva-convert options]: the template as a 4-task array.
run_array() {
  local reports=$1
  shift
  ORVA_CONVERT="$bin/orva-convert" ORVA_REPORT_DIR="$reports" \
    timeout 300 sbatch --wait --quiet --array=0-3 --chdir="$t" --output="$t/logs/%A-%a.log" \
    "$src/contrib/slurm/convert-array.sbatch" "$t/list.txt" "$t/out" --profile 11400 "$@"
}

run_array "$t/reports1"
check "the first array ends well" test $? -eq 0
cat "$t"/logs/*.log
made=$(cat "$t"/logs/*.log | grep -c "made the output folder $t/out")
check "one task made the output folder ($made)" test "$made" -eq 1
outputs=$(ls "$t/out" | wc -l)
check "twelve outputs ($outputs)" test "$outputs" -eq 12
check "no output under a taken name" test -z "$(ls "$t/out" | grep -F '(')"
check "four reports" test "$(ls "$t"/reports1/*.jsonl | wc -l)" -eq 4
succeeded=$(cat "$t"/reports1/*.jsonl | grep -c '"result":"succeeded"')
check "twelve succeeded lines ($succeeded)" test "$succeeded" -eq 12
summary=$("$bin/orva-convert" --summarize "$t"/reports1/*.jsonl)
check "the summary exits 0" test $? -eq 0
echo "$summary"
check "the summary counts twelve successes" test "$(echo "$summary" | head -1)" = \
  "12 files: 12 succeeded, 0 failed, 0 skipped"
# Each file once: twelve different sources.
sources=$(cat "$t"/reports1/*.jsonl | sed 's/^{"source":"\([^"]*\)".*/\1/' | sort -u | wc -l)
check "twelve different sources ($sources)" test "$sources" -eq 12

before=$(ls -l --time-style=full-iso "$t/out")
run_array "$t/reports2" --skip-existing
check "the second array ends well" test $? -eq 0
check "the second array converts nothing" test "$(ls -l --time-style=full-iso "$t/out")" = "$before"
summary=$("$bin/orva-convert" --summarize "$t"/reports2/*.jsonl)
echo "$summary"
check "the second summary counts twelve skipped" test "$(echo "$summary" | head -1)" = \
  "12 files: 0 succeeded, 0 failed, 12 skipped"

[ "$failures" -eq 0 ] || { tail -20 "$t"/log/*.log; exit 1; }
