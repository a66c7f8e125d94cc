#!/usr/bin/env bash
# Configures ./build and builds the targets named as arguments, or every
# target without any (scripts/build.sh corvessa builds only the program), in
# JOBS parallel jobs (-j JOBS or CORVESSA_JOBS; every core by default).
# Usage: scripts/build.sh [-j JOBS] [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/jobs.sh
read_jobs "$@"
shift $((OPTIND - 1))
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --parallel "$jobs" ${1+--target "$@"}
