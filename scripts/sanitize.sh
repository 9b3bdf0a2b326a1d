#!/usr/bin/env bash
# Builds the core and its test programs (no Qt windows) under AddressSanitizer and
# UndefinedBehaviorSanitizer in build-sanitize/ and runs their tests (the Python module, which
# loads into an interpreter built without them, is tested by the plain build); any report fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
flags="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="$flags" >/dev/null
cmake --build build-sanitize -j2 --target core_tests
export ASAN_OPTIONS=halt_on_error=1:abort_on_error=1:detect_leaks=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
ctest --test-dir build-sanitize --output-on-failure -E '\.gui_|^python\.'
