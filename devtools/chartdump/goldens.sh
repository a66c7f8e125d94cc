#!/usr/bin/env bash
# Writes every golden file of tests/fixtures again from a build's chart
# dumper, exactly as the golden test (tests/core/test_chartgoldens.cpp)
# compares them: for each draw file tests/fixtures/draws/NAME.txt, the dump
# with colours of every registered tool into tests/fixtures/charts/NAME/, or,
# where the draw file is kept as digests (tests/fixtures/charts/NAME.sha256),
# one "SHA-256  WINDOW" line per tool, in the order the file had, new tools at
# its end; and each tool's design after its load on cases.txt into
# tests/fixtures/designs/. Files of tools that are no longer registered go.
#
# For an intended change of what tools show, never to make a failing test
# pass unread: run it, then read `git diff tests/fixtures` line by line
# before committing. On an unchanged build it changes nothing.
# Usage: devtools/chartdump/goldens.sh CORVESSA_CHART
set -euo pipefail
chart=$(realpath "$1")
fixtures=$(realpath "$(dirname "$0")/../../tests/fixtures")
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# The dumper's output for these arguments, or its message and a stop.
dump() {
  if ! "$chart" "$@" 2>"$scratch/stderr"; then
    echo "goldens.sh: corvessa-chart $* failed:" >&2
    cat "$scratch/stderr" >&2
    exit 1
  fi
}

# The files of a folder that name no registered tool.
remove_unregistered() {
  local folder=$1 kept
  for kept in "$folder"/*.txt; do
    [ -e "$kept" ] || continue
    grep -qxF "$(basename "$kept" .txt)" "$scratch/tools" || { rm "$kept"; echo "removed ${kept#"$fixtures"/}"; }
  done
}

dump --list | cut -f1 > "$scratch/tools"
for draws in "$fixtures"/draws/*.txt; do
  name=$(basename "$draws" .txt)
  digests="$fixtures/charts/$name.sha256"
  if [ -f "$digests" ]; then
    # The registered tools in the file's order, then the ones it lacks.
    { awk '{ print $2 }' "$digests" | grep -xFf "$scratch/tools" || true
      grep -vxFf <(awk '{ print $2 }' "$digests") "$scratch/tools" || true; } > "$scratch/order"
    while read -r tool; do
      dump --colors "$tool" "$draws" > "$scratch/dump"
      printf '%s  %s\n' "$(sha256sum < "$scratch/dump" | cut -d' ' -f1)" "$tool"
    done < "$scratch/order" > "$scratch/digests"
    mv "$scratch/digests" "$digests"
  else
    mkdir -p "$fixtures/charts/$name"
    while read -r tool; do
      dump --colors "$tool" "$draws" > "$fixtures/charts/$name/$tool.txt"
    done < "$scratch/tools"
    remove_unregistered "$fixtures/charts/$name"
  fi
done
mkdir -p "$fixtures/designs"
while read -r tool; do
  dump --design "$tool" "$fixtures/draws/cases.txt" > "$fixtures/designs/$tool.txt"
done < "$scratch/tools"
remove_unregistered "$fixtures/designs"
echo "goldens of $(wc -l < "$scratch/tools") tools written in ${fixtures#"$PWD"/}"
