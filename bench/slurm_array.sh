#!/bin/bash
# Wall time of the job-array template (contrib/slurm/convert-array.sbatch)
# converting twelve clips on a one-node Slurm cluster started for the
# measurement, with 1, 2 and 4 tasks, beside orva-convert run directly.
# Run as root after a build:
#
#   bench/slurm_array.sh [SECONDS_PER_CLIP] [PROFILE]
#
# The array's time runs from sbatch to the moment squeue shows the job gone
# (polled every 0.1 s), so it holds the scheduler's own start and end.
set -u
seconds=${1:-5}
profile=${2:-10002}
top=$(cd "$(dirname "$0")/.." && pwd)
bin=${ORVA_BIN:-$top/build/bin}
. "$top/tests/cluster/slurm_cluster.sh"

t=$(mktemp -d /tmp/orva-slurm-bench.XXXXXX)
trap 'slurm_stop "$t"; rm -rf "$t"' EXIT
trap 'exit 1' INT TERM
slurm_start "$t" || exit 1

mkdir -p "$t/media"
ffmpeg -loglevel error -f lavfi -i "testsrc=size=640x360:rate=25:duration=$seconds" \
  -f lavfi -i "sine=duration=$seconds" -c:v mpeg4 -q:v 3 -c:a aac -shortest "$t/media/clip00.mp4" || exit 1
for i in $(seq -w 1 11); do cp "$t/media/clip00.mp4" "$t/media/clip$i.mp4"; done
ls "$t"/media/*.mp4 >"$t/list.txt"

now() { date +%s.%N; }
elapsed() { awk -v a="$1" -v b="$2" 'BEGIN { print b - a }'; }

echo "12 clips of $seconds s, profile $profile, $(nproc) processors"
for jobs in 1 2; do
  rm -rf "$t/out"
  start=$(now)
  "$bin/orva-convert" --profile "$profile" --jobs "$jobs" --files-from "$t/list.txt" --output-dir "$t/out" \
    >/dev/null 2>&1 || echo "orva-convert --jobs $jobs failed"
  printf 'orva-convert --jobs %s:     %6.2f s\n' "$jobs" "$(elapsed "$start" "$(now)")"
done
for tasks in 1 2 4; do
  rm -rf "$t/out" "$t/reports"
  start=$(now)
  id=$(ORVA_CONVERT="$bin/orva-convert" ORVA_REPORT_DIR="$t/reports" \
    sbatch --parsable --array=0-$((tasks - 1)) --chdir="$t" --output=/dev/null \
    "$top/contrib/slurm/convert-array.sbatch" "$t/list.txt" "$t/out" --profile "$profile")
  while [ -n "$(squeue --noheader --jobs="$id" 2>/dev/null)" ]; do sleep 0.1; done
  end=$(now)
  summary=$("$bin/orva-convert" --summarize "$t"/reports/*.jsonl | head -1)
  printf 'Slurm array, %s task(s):  %6.2f s  (%s)\n' "$tasks" "$(elapsed "$start" "$end")" "$summary"
done
