#!/usr/bin/env bash
# Developer aid: starts Corvessa under Xvfb on a scratch program folder with a
# long generated history, presses "Start", opens the five-digit group chart
# from the "Winning number from" menu (it opens scrolled to the newest draw),
# the four-digit group chart after End (scrolled to its last column, the first
# column in view whole), "3 Way Box Statistical" (four-digit miss counts),
# "+ or - of Pairs " (two-digit sums in narrow columns), "Box Number Enquire"
# after "123 321" (321 matches no draw, so its five-digit counts fill a
# narrow column) and "Straight Number Enquire" after an enquiry of a few
# numbers (its footer in view), then presses "Drawings", and saves
# screenshots of the welcome window, the main window, each chart window and
# the draw editor.
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
# 26,832 draws of the screenshots' generated history, the current lottery "Pick3".
mkdir -p "$CORVESSA_HOME/data" "$CORVESSA_HOME/Varnel3"
build/devtools/history/corvessa-history screenshot 26832 > "$CORVESSA_HOME/data/Pick3.txt"
printf '"Pick3.txt"\r\n' > "$CORVESSA_HOME/Varnel3/shujuwenjian.ini"
build/src/corvessa & pid=$!
sleep 2
import -window root -crop 400x200+0+0 "$out/start.png"
wid=$(xdotool search --name "Welcome to use this software." | head -1)
xdotool mousemove --window "$wid" 188 60 click 1   # "Start"
sleep 2
import -window root -crop 720x400+0+0 "$out/main.png"
main=$(xdotool search --name "^Corvessa$" | head -1)

# Opens the menu under a category button at (x, y) of the main window, takes
# its item number n, and saves the window whose title matches the pattern;
# the window is left open and mapped.
open_item() {
  local x=$1 y=$2 n=$3 pattern=$4
  xdotool mousemove --window "$main" "$x" "$y" click 1
  sleep 1
  for _ in $(seq "$n"); do xdotool key Down; done
  xdotool key Return
  sleep 4
  xdotool search --name "$pattern" | head -1
}

# "Winning number from", its sixth item: the "5 digits" box chart.
window=$(open_item 84 192 6 "from these 5 digits$")
import -window "$window" "$out/chart.png"
xdotool windowunmap "$window"                      # out of the way of the main window
sleep 1
# Its fifth item: the "4 digits" box chart, scrolled to its last column with End.
window=$(open_item 84 192 5 "from these 4 digits$")
xdotool mousemove --window "$window" 300 150 click 1  # a cell: the grid takes the keys
xdotool key End
sleep 1
import -window "$window" "$out/chartend.png"
xdotool windowunmap "$window"
sleep 1
window=$(open_item 84 168 6 "^3 Way Box Statistical$")
import -window "$window" "$out/threewaystatistical.png"
xdotool windowunmap "$window"
sleep 1
window=$(open_item 84 72 9 "^\+ or - of Pairs $")
import -window "$window" "$out/pairsums.png"
xdotool windowunmap "$window"
sleep 1
window=$(open_item 84 240 4 "^Box Number Enquire$")
xdotool mousemove --window "$window" 100 380 click 1  # into the input box
xdotool type "123 321"
xdotool mousemove --window "$window" 57 476 click 1   # "Enquire"
sleep 3
import -window "$window" "$out/boxenquiry.png"
xdotool windowunmap "$window"
sleep 1
window=$(open_item 84 240 5 "^Straight Number Enquire$")
xdotool mousemove --window "$window" 100 380 click 1  # into the input box
xdotool type "123 456 789"
xdotool mousemove --window "$window" 57 476 click 1   # "Enquire"
sleep 3
import -window "$window" "$out/enquiry.png"
xdotool windowunmap "$window"
sleep 1
xdotool mousemove --window "$main" 228 216 click 1  # "Drawings"
sleep 2
import -window root "$out/drawings.png"
kill $pid
echo "screenshots in $out"
