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
# Then it says which tools now show something else than their goldens did:
# for each, the draw files whose dump changed and how many cells differ, and
# the lines of its design that differ. A history kept as digests has no old
# dump to compare with: give the dumper from before the change with
# --before (a build of the branch's base) and its cells are counted too;
# without it the tool and the history are named.
#
# For an intended change of what tools show, never to make a failing test
# pass unread: run it, read its report, then `git diff tests/fixtures` line
# by line before committing. On an unchanged build it changes nothing.
# Usage: devtools/chartdump/goldens.sh [--before OLD_CHART] [--fixtures DIR] CORVESSA_CHART
# (--fixtures: another copy of tests/fixtures to write, as the script's test does)
set -euo pipefail
before="" fixtures="$(dirname "$0")/../../tests/fixtures"
while [ $# -gt 1 ]; do
  case "$1" in
    --before) before=$(realpath "$2"); shift 2 ;;
    --fixtures) fixtures=$2; shift 2 ;;
    *) break ;;
  esac
done
if [ $# -ne 1 ]; then
  echo "usage: $0 [--before OLD_CHART] [--fixtures DIR] CORVESSA_CHART" >&2
  exit 2
fi
chart=$(realpath "$1")
fixtures=$(realpath "$fixtures")
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# The dumper's output for these arguments, or its message and a stop.
dump_with() {
  local dumper=$1
  shift
  if ! "$dumper" "$@" 2>"$scratch/stderr"; then
    echo "goldens.sh: $(basename "$dumper") $* failed:" >&2
    cat "$scratch/stderr" >&2
    exit 1
  fi
}
dump() { dump_with "$chart" "$@"; }

# The files of a folder that name no registered tool.
remove_unregistered() {
  local folder=$1 kept
  for kept in "$folder"/*.txt; do
    [ -e "$kept" ] || continue
    grep -qxF "$(basename "$kept" .txt)" "$scratch/tools" || { rm "$kept"; echo "removed ${kept#"$fixtures"/}"; }
  done
}

# How many cells (tab-separated fields of the dump's lines) differ between
# two dumps; a cell that only one of them has counts too. With a third
# argument "lines", how many lines differ.
count_cells() {
  local separator='\t'
  [ "${3:-}" = lines ] && separator='\n'
  awk -F"$separator" -v old="$1" '
    BEGIN { while ((getline line < old) > 0) { rows++; n[rows] = split(line, cells, FS)
                                               for (i = 1; i <= n[rows]; i++) a[rows, i] = cells[i] } }
    { m = NF > n[FNR] ? NF : n[FNR]
      for (i = 1; i <= m; i++) if (i > NF || i > n[FNR] || a[FNR, i] != $i) changed++ }
    END { for (r = FNR + 1; r <= rows; r++) changed += n[r]; print changed + 0 }' "$2"
}

# What changed for a tool, one part after another: "short: 2 cells".
declare -A changes
note() {
  local tool=$1 part=$2
  changes[$tool]="${changes[$tool]:+${changes[$tool]}, }$part"
}
counted() { [ "$2" = 1 ] && echo "$1: 1 $3" || echo "$1: $2 $3s"; }

# Compares a golden as it was with the one just written: cells of a dump,
# lines of a design.
compare_kept() {
  local tool=$1 what=$2 old=$3 new=$4
  if [ ! -e "$old" ]; then
    note "$tool" "$what: new"
  elif ! cmp -s "$old" "$new"; then
    if [ "$what" = design ]; then
      note "$tool" "$(counted "$what" "$(count_cells "$old" "$new" lines)" line)"
    else
      note "$tool" "$(counted "$what" "$(count_cells "$old" "$new")" cell)"
    fi
  fi
}

dump --list | cut -f1 > "$scratch/tools"
mkdir -p "$scratch/old"
cp -R "$fixtures/charts" "$scratch/old/charts"
[ -d "$fixtures/designs" ] && cp -R "$fixtures/designs" "$scratch/old/designs"
for draws in "$fixtures"/draws/*.txt; do
  name=$(basename "$draws" .txt)
  digests="$fixtures/charts/$name.sha256"
  if [ -f "$digests" ]; then
    # The registered tools in the file's order, then the ones it lacks.
    { awk '{ print $2 }' "$digests" | grep -xFf "$scratch/tools" || true
      grep -vxFf <(awk '{ print $2 }' "$digests") "$scratch/tools" || true; } > "$scratch/order"
    while read -r tool; do
      dump --colors "$tool" "$draws" > "$scratch/dump"
      digest=$(sha256sum < "$scratch/dump" | cut -d' ' -f1)
      printf '%s  %s\n' "$digest" "$tool"
      kept=$(awk -v tool="$tool" '$2 == tool { print $1 }' "$digests")
      if [ -z "$kept" ]; then
        note "$tool" "$name: new"
      elif [ "$kept" != "$digest" ]; then
        if [ -n "$before" ]; then
          dump_with "$before" --colors "$tool" "$draws" > "$scratch/before"
          note "$tool" "$(counted "$name" "$(count_cells "$scratch/before" "$scratch/dump")" cell)"
        else
          note "$tool" "$name: changed (--before OLD_CHART counts its cells)"
        fi
      fi
    done < "$scratch/order" > "$scratch/digests"
    mv "$scratch/digests" "$digests"
  else
    mkdir -p "$fixtures/charts/$name"
    while read -r tool; do
      dump --colors "$tool" "$draws" > "$fixtures/charts/$name/$tool.txt"
      compare_kept "$tool" "$name" "$scratch/old/charts/$name/$tool.txt" "$fixtures/charts/$name/$tool.txt"
    done < "$scratch/tools"
    remove_unregistered "$fixtures/charts/$name"
  fi
done
mkdir -p "$fixtures/designs"
while read -r tool; do
  dump --design "$tool" "$fixtures/draws/cases.txt" > "$fixtures/designs/$tool.txt"
  compare_kept "$tool" design "$scratch/old/designs/$tool.txt" "$fixtures/designs/$tool.txt"
done < "$scratch/tools"
remove_unregistered "$fixtures/designs"

if [ ${#changes[@]} -eq 0 ]; then
  echo "no tool shows anything else than its goldens"
else
  echo "${#changes[@]} of $(wc -l < "$scratch/tools") tools show something else than their goldens:"
  while read -r tool; do
    [ -n "${changes[$tool]:-}" ] && printf '  %s  %s\n' "$tool" "${changes[$tool]}"
  done < "$scratch/tools"
fi
echo "goldens of $(wc -l < "$scratch/tools") tools written in ${fixtures#"$PWD"/}"
