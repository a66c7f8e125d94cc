#!/usr/bin/env bash
# Configures ./build and builds the targets named as arguments, or every
# target without any: scripts/build.sh corvessa builds only the program.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --parallel "$(nproc)" ${1+--target "$@"}
