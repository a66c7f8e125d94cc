#!/usr/bin/env bash
# Installs what is missing, builds (in CORVESSA_JOBS parallel jobs, every
# core by default), and starts Corvessa with the arguments given.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
scripts/build.sh
exec build/src/corvessa "$@"
