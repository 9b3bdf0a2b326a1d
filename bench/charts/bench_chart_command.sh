#!/usr/bin/env bash
# `orvane-batch --chart` as a shell loop runs it: one process per figure, each a 1600x1000 PNG at
# 200 dpi of the conifer scenario "Ridge top", and where the time of one goes. Run by hand:
#   bench/charts/bench_chart_command.sh [BUILD_DIR] [FIGURES]
# (default build/ and 20 figures of each kind). Prints milliseconds per figure: the wall clock, and
# the processor time (user and system, by GNU time), which other work on a shared machine does not
# inflate.
set -euo pipefail
top="$(cd "$(dirname "$0")/../.." && pwd)"
bin="${1:-$top/build}/bin"
count="${2:-20}"
scenario="$top/data/userfiles/ridge-top.scn"
out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM

# Wall and processor milliseconds per run of the command, over $count runs.
per_run() {
  for i in $(seq "$count"); do
    /usr/bin/time -f "%e %U %S" -a -o "$out/times" "$@" > /dev/null 2>&1
  done
  awk '{ wall += $1; cpu += $2 + $3 } END { printf "%6.0f %6.0f", wall / NR * 1000, cpu / NR * 1000 }' "$out/times"
  rm -f "$out/times"
}

printf '%-58s %s\n' "step (ms per process)" "  wall    cpu"
printf '%-58s %s\n' "orvane-batch --version (a process, no Qt)" \
  "$(per_run "$bin/orvane-batch" --version)"
printf '%-58s %s\n' "--chart --help (orvane-chart started, Qt libraries loaded)" \
  "$(per_run "$bin/orvane-batch" --chart fire --help)"
printf '%-58s %s\n' "--chart hazard, 100x100 PNG (Qt, fonts, chart, engine)" \
  "$(per_run "$bin/orvane-batch" --chart hazard --range 0:60:1 --size 100x100 --dpi 50 --force "$scenario" "$out/h.png")"
for kind in hazard fire output; do
  case $kind in
    hazard) args=(--chart hazard --range 0:60:1) ;;
    fire) args=(--chart fire --curves FLML) ;;
    output) args=(--chart output --row OWND --range 0:40:1 --output SPRT) ;;
  esac
  printf '%-58s %s\n' "--chart $kind, 1600x1000 PNG at 200 dpi" \
    "$(per_run "$bin/orvane-batch" "${args[@]}" --size 1600x1000 --dpi 200 --force "$scenario" "$out/$kind.png")"
done
