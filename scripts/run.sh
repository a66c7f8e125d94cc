#!/usr/bin/env bash
# Installs what is missing, builds the program (only it: scripts/test.sh
# builds the tests and the rest; in CORVESSA_JOBS parallel jobs, every core by
# default), and starts Corvessa with the arguments given.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
scripts/build.sh corvessa
exec build/src/corvessa "$@"
