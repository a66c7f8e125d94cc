#!/usr/bin/env bash
# Developer aid: starts Corvessa under Xvfb on a scratch program folder, presses
# "Start" and "Drawings", and saves screenshots of the welcome window, the
# main window and the draw editor.
# Needs xvfb, imagemagick and xdotool (scripts/deps.sh installs them); usage: scripts/screenshot.sh [OUTDIR]
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(realpath -m "${1:-build/screenshots}")
mkdir -p "$out"
if [ -z "${CORVESSA_SCREENSHOT_INNER:-}" ]; then
  export CORVESSA_SCREENSHOT_INNER=1
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$out"
fi
export CORVESSA_HOME=$(mktemp -d)
build/src/corvessa & pid=$!
sleep 2
import -window root -crop 400x200+0+0 "$out/start.png"
wid=$(xdotool search --name "Welcome to use this software." | head -1)
xdotool mousemove --window "$wid" 188 60 click 1   # "Start"
sleep 2
import -window root -crop 720x400+0+0 "$out/main.png"
main=$(xdotool search --name "^Corvessa$" | head -1)
xdotool mousemove --window "$main" 228 216 click 1  # "Drawings"
sleep 2
import -window root "$out/drawings.png"
kill $pid
echo "screenshots in $out"
