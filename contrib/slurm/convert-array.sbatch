#!/bin/bash
# Converts a list of media files with orva-convert as a Slurm job array:
# every task takes its own share of the list (orva-convert reads it from
# SLURM_ARRAY_TASK_ID, _MIN and _COUNT), converts it with as many encoders
# as the CPUs Slurm gave it, and appends a report of its own.
#
#   find /archive -name '*.avi' > list.txt
#   sbatch --array=0-15 --cpus-per-task=4 convert-array.sbatch list.txt /shared/out --profile 10002
#   orva-convert --summarize orva-reports/report-<jobid>-*.jsonl
#
# Arguments: the list (one path a line; every task must be able to read it
# and the files it names), the output folder (made when missing), then any
# further orva-convert options. A requeued or repeated array with
# --skip-existing converts only what is still missing.
#
# Environment: ORVA_CONVERT, the program to run (default: orva-convert on
# PATH); ORVA_REPORT_DIR, where the reports go (default: orva-reports in the
# folder sbatch was run from).
#SBATCH --job-name=orva-convert
#SBATCH --array=0-3
#SBATCH --cpus-per-task=1
#SBATCH --output=orva-convert-%A_%a.log
set -eu

if [ $# -lt 2 ]; then
  echo "usage: sbatch [--array=0-N] [--cpus-per-task=C] $0 LIST OUTPUT_DIR [orva-convert options]" >&2
  exit 2
fi
list=$1
output_dir=$2
shift 2

convert=${ORVA_CONVERT:-orva-convert}
report_dir=${ORVA_REPORT_DIR:-${SLURM_SUBMIT_DIR:-.}/orva-reports}
mkdir -p "$report_dir"

# One report per task: appends of many hosts to one file on NFS are not atomic.
exec "$convert" --files-from "$list" --output-dir "$output_dir" \
  --jobs "${SLURM_CPUS_PER_TASK:-1}" \
  --report "$report_dir/report-${SLURM_ARRAY_JOB_ID:-0}-${SLURM_ARRAY_TASK_ID:-0}.jsonl" \
  "$@"
