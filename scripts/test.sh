#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test (headless), each in
# JOBS parallel jobs (-j JOBS or CORVESSA_JOBS; every core by default).
# Usage: scripts/test.sh [-j JOBS]
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/jobs.sh
read_jobs "$@"
shift $((OPTIND - 1))
scripts/deps.sh
scripts/build.sh
cd build
ctest --output-on-failure --parallel "$jobs" --timeout 300
