#!/usr/bin/env bash
# Developer aid for reworking shared code: dumps every registered tool's grid
# (with colours) and design on two long generated histories (26,832 and
# 100,000 draws), the number enquiries also after an enquiry, into OUTDIR.
# Take a snapshot before a change and one after, then `diff -r` the two.
# Usage: devtools/chartdump/snapshot.sh CORVESSA_CHART OUTDIR
set -euo pipefail
chart=$(realpath "$1")
out=$(realpath -m "$2")
mkdir -p "$out"
# The screenshot script's history and the benchmark's, byte for byte.
awk 'BEGIN { srand(10); for (i = 1; i <= 26832; i++)
       printf "%d %d %d %d\r\n", i, int(rand() * 10), int(rand() * 10), int(rand() * 10) }' > "$out/h26832.txt"
awk 'BEGIN { s = 12345; for (i = 1; i <= 100000; i++) { line = 2000000 + i
       for (k = 0; k < 3; k++) { s = (s * 1664525 + 1013904223) % 4294967296
         line = line " " int(s / 65536) % 10 }
       printf "%s\r\n", line } }' > "$out/h100000.txt"
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
