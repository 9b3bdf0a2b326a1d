#!/usr/bin/env bash
# The figures of batch processing on the two generated layouts (compact and padded, see
# bench_batch.cpp): instructions per record with one job, wall times with one and two jobs, and the
# peak memory of ten million records with two jobs.
#
#   bench/batch/measure.sh [BUILD_DIR] [RUNS]     (default: build, 5 runs a time)
#
# Instructions per record are valgrind's count (callgrind) for 20,000 records less that for 10,000,
# divided by 10,000: the start-up cancels out, and the count is the same on a busy machine. Times are
# the median of RUNS runs of the whole process (/usr/bin/time), output to a file. MEASURE_SKIP_LARGE=1
# leaves out the million and ten million record runs; MEASURE_TOOL=PATH measures another orvane-batch
# (an earlier build) on the same inputs.
set -euo pipefail
build=$(realpath "${1:-build}")
runs=${2:-5}
tool=${MEASURE_TOOL:-$build/bin/orvane-batch}
bench=$build/bin/bench_batch
work=$(mktemp -d /tmp/orvane-measure.XXXXXX)
trap 'rm -rf "$work"' EXIT

input() {  # layout records -> file name
  local file=$work/$1-$2.scn
  [ -f "$file" ] || "$bench" --write-input "$file" "$2" $([ "$1" = padded ] && echo --padded)
  echo "$file"
}

instructions() {  # layout records -> instructions of the whole run
  local file
  file=$(input "$1" "$2")
  # Exit status 3 (records with error lines) is a completed run.
  valgrind --tool=callgrind --callgrind-out-file=/dev/null "$tool" --force --jobs 1 "$file" "$work/out.out" \
    >/dev/null 2>"$work/valgrind.log" || true
  sed -n 's/.*Collected : *//p' "$work/valgrind.log"
}

median_seconds() {  # command... -> median wall seconds of $runs runs
  local times=()
  for _ in $(seq "$runs"); do
    /usr/bin/time -f %e -o "$work/time" "$@" >/dev/null 2>&1 || true
    times+=("$(tail -1 "$work/time")")
  done
  printf '%s\n' "${times[@]}" | sort -g | sed -n "$(((runs + 1) / 2))p"
}

echo "layout   instr/record  records  jobs  median s  (of $runs runs)"
for layout in compact padded; do
  small=$(instructions "$layout" 10000)
  large=$(instructions "$layout" 20000)
  perRecord=$(((large - small) / 10000))
  sizes=(100000)
  [ "${MEASURE_SKIP_LARGE:-0}" = 1 ] || sizes+=(1000000)
  for records in "${sizes[@]}"; do
    file=$(input "$layout" "$records")
    for jobs in 1 2; do
      seconds=$(median_seconds "$tool" --force --jobs "$jobs" "$file" "$work/out.out")
      printf '%-8s %12s %8s %5s %9s\n' "$layout" "$perRecord" "$records" "$jobs" "$seconds"
    done
  done
done

if [ "${MEASURE_SKIP_LARGE:-0}" != 1 ]; then
  # Ten million padded records through a pipe (four gigabytes that never touch the disk).
  /usr/bin/time -f %M -o "$work/peak" sh -c "'$bench' --write-input /dev/stdout 10000000 --padded |
      '$tool' --jobs 2 - - >/dev/null 2>&1" || true
  peak=$(tail -1 "$work/peak")
  echo "peak resident memory, 10,000,000 padded records, --jobs 2 (with the generator): ${peak} KB"
fi
