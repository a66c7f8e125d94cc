#!/usr/bin/env bash
# The scripts that build and test run as many jobs as -j JOBS or
# CORVESSA_JOBS say, every core without either, and refuse a count that is
# no whole number from 1 on. They run from a copy of scripts/, with cmake,
# ctest, nproc and dpkg-query as stand-ins that write down how they were
# called: nothing is built, and nothing of the source folder changes.
# Usage: tests/scripts/build-jobs.sh SOURCE_DIR
set -euo pipefail
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir "$scratch/bin" "$scratch/source"
cp -R "$1/scripts" "$scratch/source/scripts"
source=$scratch/source
for tool in cmake ctest; do
  printf '#!/bin/sh\necho "%s $*" >> "%s/calls"\n' "$tool" "$scratch" > "$scratch/bin/$tool"
done
# A configure makes its build folder, as the scripts go into it.
printf 'while [ $# -gt 0 ]; do [ "$1" = -B ] && mkdir -p "$2"; shift; done\n' >> "$scratch/bin/cmake"
printf '#!/bin/sh\necho 7\n' > "$scratch/bin/nproc"  # the machine's cores
printf '#!/bin/sh\necho "install ok installed"\n' > "$scratch/bin/dpkg-query"
chmod +x "$scratch/bin"/*
fail() { echo "FAIL: $*" >&2; cat "$scratch/calls" "$scratch/err" >&2 2>/dev/null; exit 1; }

# Runs a script with the stand-ins and these environment settings; the
# parallel jobs of its cmake --build and ctest calls, one a line.
jobs_of() {
  rm -f "$scratch/calls"
  env -u CORVESSA_JOBS PATH="$scratch/bin:$PATH" "$@" 2>"$scratch/err" >/dev/null || fail "$* failed"
  grep -E '^(cmake --build|ctest)' "$scratch/calls" | grep -oE -- '--parallel [0-9]+' | cut -d' ' -f2 | tr '\n' ' '
}
expect() {
  local want=$1
  shift
  local got
  got=$(jobs_of "$@")
  [ "$got" = "$want" ] || fail "$*: jobs \"$got\", not \"$want\""
}

expect "7 " "$source/scripts/build.sh"
expect "3 " "$source/scripts/build.sh" -j 3
expect "3 " "$source/scripts/build.sh" -j3
expect "2 " env CORVESSA_JOBS=2 "$source/scripts/build.sh"
expect "5 " env CORVESSA_JOBS=2 "$source/scripts/build.sh" -j 5
expect "7 7 " "$source/scripts/test.sh"
expect "4 4 " "$source/scripts/test.sh" -j 4
expect "2 2 " env CORVESSA_JOBS=2 "$source/scripts/sanitize.sh"
expect "1 1 " "$source/scripts/sanitize.sh" -j 1

for wrong in 0 x -2 2.5 " 3"; do
  rm -f "$scratch/calls"
  status=0
  env PATH="$scratch/bin:$PATH" CORVESSA_JOBS="$wrong" "$source/scripts/build.sh" >/dev/null 2>"$scratch/err" || status=$?
  [ "$status" -eq 2 ] || fail "CORVESSA_JOBS=\"$wrong\" was taken"
  [ ! -e "$scratch/calls" ] || fail "CORVESSA_JOBS=\"$wrong\" ran cmake"
done
status=0
env -u CORVESSA_JOBS PATH="$scratch/bin:$PATH" "$source/scripts/build.sh" -j 0 >/dev/null 2>"$scratch/err" || status=$?
[ "$status" -eq 2 ] && grep -q 'the job count must be a whole number from 1 on, not "0"' "$scratch/err" ||
  fail "-j 0 was taken"
echo "the build scripts run the jobs they are given"
