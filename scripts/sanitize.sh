#!/usr/bin/env bash
# Builds the test suite with AddressSanitizer and UndefinedBehaviorSanitizer
# into ./build-asan and runs it, headless. Any report fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCORVESSA_SANITIZE=ON \
  -DCORVESSA_BUILD_BENCH=OFF >/dev/null
cmake --build build-asan --parallel "$(nproc)"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:halt_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
cd build-asan
ctest --output-on-failure --parallel "$(nproc)" --timeout 600
