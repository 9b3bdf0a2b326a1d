#!/usr/bin/env bash
# Installs the Debian packages Orvane needs to build and test; does nothing when all are present.
set -euo pipefail
packages=(
  g++ cmake make
  qt6-base-dev qt6-charts-dev qt6-svg-dev libqt6opengl6-dev libgl-dev libxkbcommon-dev  # SVG: chart captures
  libqt6gui6  # with the image format plugins that read the GIF and JPEG pictures
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  fonts-dejavu-core
  parallel  # GNU parallel: the test that runs batch chunks as a cluster would
  # The orvane Python package, built and tested for Debian's python3
  python3 python3-dev pybind11-dev python3-numpy python3-pandas python3-dask python3-distributed
  time  # GNU time: the peak memory of orvane-batch in bench/python
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
