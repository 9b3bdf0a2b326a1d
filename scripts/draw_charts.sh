#!/usr/bin/env bash
# Redraws the chart pictures of the README (docs/hazard-chart.png, docs/fire-characteristics-chart.png)
# from the conifer scenario "Ridge top" of data/userfiles/ridge-top.scn, with `orvane-batch --chart`
# of a built tree (default build/): the same drawing as the window's "Capture Chart".
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
bin="${1:-$top/build}/bin"
scenario="$top/data/userfiles/ridge-top.scn"
"$bin/orvane-batch" --chart hazard --range 0:60:1 --size 1600x1000 --dpi 200 --force \
  "$scenario" "$top/docs/hazard-chart.png"
"$bin/orvane-batch" --chart fire --curves FLML --size 1600x1000 --dpi 200 --force \
  "$scenario" "$top/docs/fire-characteristics-chart.png"
