#!/usr/bin/env bash
# Configures and builds everything into ./build, in JOBS parallel jobs
# (-j JOBS or CORVESSA_JOBS; every core by default).
# Usage: scripts/build.sh [-j JOBS]
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/jobs.sh
read_jobs "$@"
shift $((OPTIND - 1))
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --parallel "$jobs"
