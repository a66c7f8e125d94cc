#!/usr/bin/env bash
# scripts/screenshot.sh asked for a window that never appears ends within
# seconds with the window's name, and leaves neither its scratch program
# folder nor the program behind. Skipped (77) without Xvfb, xdotool or
# ImageMagick.
# Usage: tests/scripts/screenshot-missing-window.sh SOURCE_DIR BUILD_DIR
set -euo pipefail
for tool in xvfb-run xdotool import; do
  command -v "$tool" >/dev/null || { echo "skipped: no $tool"; exit 77; }
done
source=$(realpath "$1") build=$(realpath "$2")
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir "$scratch/tmp" "$scratch/runtime"
chmod 700 "$scratch/runtime"
fail() { echo "FAIL: $*" >&2; cat "$scratch/err" >&2; exit 1; }

began=$(date +%s)
status=0
env -u QT_QPA_PLATFORM TMPDIR="$scratch/tmp" XDG_RUNTIME_DIR="$scratch/runtime" CORVESSA_BUILD_DIR="$build" \
  CORVESSA_SCREENSHOT_WAIT=3 CORVESSA_SCREENSHOT_WINDOW="No such window" \
  timeout 120 "$source/scripts/screenshot.sh" "$scratch/shots" >/dev/null 2>"$scratch/err" || status=$?
took=$(( $(date +%s) - began ))
[ "$status" -ne 0 ] || fail "the script succeeded"
[ "$status" -ne 124 ] || fail "the script still ran after 120 s"
grep -qxF 'screenshot.sh: the window "No such window" did not appear within 3 s' "$scratch/err" ||
  fail "no message naming the window"
[ "$took" -lt 60 ] || fail "the script took $took s"
# The program was started with its scratch folder under our TMPDIR.
for _ in $(seq 50); do
  left=""
  for pid in $(pgrep -x corvessa || true); do
    grep -qz "^CORVESSA_HOME=$scratch/tmp/" "/proc/$pid/environ" 2>/dev/null && left="$left $pid"
  done
  [ -z "$left" ] && break
  sleep 0.1
done
[ -z "$left" ] || fail "the program is still running:$left"
[ -z "$(ls -A "$scratch/tmp")" ] || fail "left behind: $(ls -A "$scratch/tmp")"
echo "screenshot.sh ended in $took s naming the missing window"
