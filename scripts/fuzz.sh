#!/usr/bin/env bash
# Builds the libFuzzer target in the sanitizer build ./build-asan (see
# scripts/asan-build.sh; after scripts/sanitize.sh it is built already) and
# runs it for SECONDS (default 60) on a scratch corpus seeded from
# fuzz/corpus. Stops with an error on a crash, a hang, a leak or undefined
# behaviour; the input that did it is saved in build-asan/fuzz-artifacts/.
# Builds in CORVESSA_JOBS parallel jobs (every core by default) and fuzzes
# in up to four of them.
# Usage: scripts/fuzz.sh [SECONDS] [more libFuzzer options]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
shift || true
source scripts/jobs.sh
read_jobs  # its arguments are the fuzzer's
source scripts/asan-build.sh
configure_asan_build
cmake --build build-asan --parallel "$jobs" --target corvessa-fuzz
jobs=$(( jobs < 4 ? jobs : 4 ))
# New inputs go to the scratch corpus; the repository's seeds stay as they are.
mkdir -p build-asan/fuzz-corpus build-asan/fuzz-artifacts
# -timeout: an input that takes 10 s counts as a hang.
status=0
build-asan/fuzz/corvessa-fuzz -fork="$jobs" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
  -artifact_prefix=build-asan/fuzz-artifacts/ "$@" build-asan/fuzz-corpus fuzz/corpus >build-asan/fuzz.log 2>&1 || status=$?
tail -n 5 build-asan/fuzz.log
runs=$(grep -oE '^#[0-9]+' build-asan/fuzz.log | tail -n 1 | tr -d '#')
echo "corvessa-fuzz: ${runs:-0} inputs in ${seconds} s, ${jobs} jobs, exit status ${status} (log: build-asan/fuzz.log)"
exit "$status"
