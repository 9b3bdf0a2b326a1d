#!/usr/bin/env bash
# Fuzzes every file reader with clang's libFuzzer: builds the fuzz targets of tests/fuzz in
# build-fuzz/ (everything under AddressSanitizer and UndefinedBehaviorSanitizer) and runs each in
# turn for SECONDS (default 60), niced, one at a time. Each target keeps its growing corpus in
# build-fuzz/corpus/<Name>/, seeded from data/ and the test fixtures.
#
#   scripts/fuzz.sh [SECONDS] [NAME...]     e.g. scripts/fuzz.sh 600 Batch
#
# FUZZ_OPTIONS adds libFuzzer options, e.g. FUZZ_OPTIONS=-max_len=1024 for more, shorter runs.
#
# An input that crashes a target, or breaks a property it checks, is written to
# tests/fuzz/regressions/<Name>/: mend the fault and commit the input there, where the ordinary test
# suite (ctest -R '^fuzz\.') replays it with any compiler.
#
# A new reader gets its target in tests/fuzz/CMakeLists.txt (see the comment there); this script
# then runs it like the others.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true

# clang and its libFuzzer runtime, when missing.
if ! echo 'extern "C" int LLVMFuzzerTestOneInput(const char*, unsigned long) { return 0; }' |
    clang++ -x c++ -fsanitize=fuzzer - -o /tmp/orvane-fuzz-check.$$ 2>/dev/null; then
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends clang libclang-rt-dev
fi
rm -f /tmp/orvane-fuzz-check.$$

cmake -S . -B build-fuzz -DORVANE_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
names=("$@")
if [ ${#names[@]} -eq 0 ]; then
  for seeds in build-fuzz/fuzz/*.seeds; do names+=("$(basename "$seeds" .seeds)"); done
fi
nice cmake --build build-fuzz -j2 --target "${names[@]/#/fuzz_}"

declare -A executed
for name in "${names[@]}"; do
  corpus=build-fuzz/corpus/$name
  seeds=build-fuzz/seeds/$name
  rm -rf "$seeds"
  mkdir -p "$corpus" "$seeds" "tests/fuzz/regressions/$name"
  while read -r seed; do
    [ -n "$seed" ] && cp -r "$seed" "$seeds/"
  done < "build-fuzz/fuzz/$name.seeds"
  log=build-fuzz/fuzz-$name.log
  echo "== $name: $seconds s"
  status=0
  # shellcheck disable=SC2086
  nice build-fuzz/bin/fuzz_"$name" -max_total_time="$seconds" -print_final_stats=1 ${FUZZ_OPTIONS:-} \
    -artifact_prefix="tests/fuzz/regressions/$name/" "$corpus" "$seeds" >"$log" 2>&1 || status=$?
  executed[$name]=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  if [ $status -ne 0 ]; then
    tail -40 "$log"
    echo "== $name found a fault: see $log and tests/fuzz/regressions/$name/"
    exit $status
  fi
done
echo "== executions"
for name in "${names[@]}"; do echo "$name ${executed[$name]:-0}"; done
