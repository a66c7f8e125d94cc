#!/usr/bin/env bash
# Builds the libFuzzer target with clang into ./build-fuzz and runs it for
# SECONDS (default 60) on a scratch corpus seeded from fuzz/corpus, in up to
# four parallel jobs. Stops with an error on a crash, a hang, a leak or
# undefined behaviour; the input that did it is saved in build-fuzz/.
# Needs clang and libclang-rt-14-dev (scripts/deps.sh --fuzz installs them).
# Usage: scripts/fuzz.sh [SECONDS] [more libFuzzer options]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
shift || true
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DCORVESSA_FUZZ=ON -DCORVESSA_BUILD_TESTS=OFF -DCORVESSA_BUILD_BENCH=OFF >/dev/null
cmake --build build-fuzz --parallel "$(nproc)" --target corvessa-fuzz
jobs=$(( $(nproc) < 4 ? $(nproc) : 4 ))
# New inputs go to the scratch corpus; the repository's seeds stay as they are.
mkdir -p build-fuzz/corpus
# -timeout: an input that takes 10 s counts as a hang.
status=0
build-fuzz/fuzz/corvessa-fuzz -fork="$jobs" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
  -artifact_prefix=build-fuzz/ "$@" build-fuzz/corpus fuzz/corpus >build-fuzz/fuzz.log 2>&1 || status=$?
tail -n 5 build-fuzz/fuzz.log
runs=$(grep -oE '^#[0-9]+' build-fuzz/fuzz.log | tail -n 1 | tr -d '#')
echo "corvessa-fuzz: ${runs:-0} inputs in ${seconds} s, ${jobs} jobs, exit status ${status} (log: build-fuzz/fuzz.log)"
exit "$status"
