#!/usr/bin/env bash
# Developer aid for reworking shared code: dumps every registered tool's grid
# (with colours) and design on two long generated histories (26,832 and
# 100,000 draws), the number enquiries also after an enquiry, into OUTDIR.
# Take a snapshot before a change and one after, then `diff -r` the two.
# The histories come from corvessa-history of the same build
# (BUILD/devtools/history beside BUILD/devtools/chartdump).
# Usage: devtools/chartdump/snapshot.sh CORVESSA_CHART OUTDIR
set -euo pipefail
chart=$(realpath "$1")
history=$(dirname "$chart")/../history/corvessa-history
out=$(realpath -m "$2")
mkdir -p "$out"
# The screenshot script's history and the benchmark's.
"$history" screenshot 26832 > "$out/h26832.txt"
"$history" bench 100000 > "$out/h100000.txt"
"$chart" --list | cut -f1 | while read -r tool; do
  for h in h26832 h100000; do
    "$chart" --colors "$tool" "$out/$h.txt" > "$out/$tool.$h.grid"
  done
  "$chart" --design "$tool" "$out/h26832.txt" > "$out/$tool.design"
done
# The enquiries with a few numbers, and with as many as they take.
numbers=$(seq -f '%03g' 0 2 798 | tr '\n' ' ')
for tool in frmzhixuanhaocx frmzuxuanhaocx; do
  if "$chart" --list | cut -f1 | grep -qx "$tool"; then
    for h in h26832 h100000; do
      "$chart" --colors --input "123 456 789 007" "$tool" "$out/$h.txt" > "$out/$tool.$h.few"
      "$chart" --colors --input "$numbers" "$tool" "$out/$h.txt" > "$out/$tool.$h.many"
    done
  fi
done
rm "$out/h26832.txt" "$out/h100000.txt"
echo "snapshot of $("$chart" --list | wc -l) tools in $out"
