#!/usr/bin/env bash
# Builds everything with clang, AddressSanitizer and UndefinedBehaviorSanitizer
# into ./build-asan (see scripts/asan-build.sh) and runs the test suite there,
# headless. Any report fails the run. Builds and tests in JOBS parallel jobs
# (-j JOBS or CORVESSA_JOBS; every core by default).
# Usage: scripts/sanitize.sh [-j JOBS]
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/jobs.sh
read_jobs "$@"
shift $((OPTIND - 1))
source scripts/asan-build.sh
configure_asan_build
cmake --build build-asan --parallel "$jobs"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:halt_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
cd build-asan
ctest --output-on-failure --parallel "$jobs" --timeout 600
