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
#
# Every window is looked for by its title for up to CORVESSA_SCREENSHOT_WAIT
# seconds (default 10) and checked before it is saved: a window that does not
# appear ends the script with its name (import would wait for a click on the
# screen instead). The scratch program folder goes when the script ends.
# CORVESSA_SCREENSHOT_DISPLAY=:N uses that running X server instead of a new
# Xvfb; CORVESSA_SCREENSHOT_WINDOW=TITLE also saves the window of that title
# (a pattern of xdotool search --name) as window.png once the main window
# is up, such as a message that the start showed;
# CORVESSA_BUILD_DIR names the build (default build, whose screenshots/ is
# the default OUTDIR).
# Needs xvfb, imagemagick and xdotool (scripts/deps.sh installs them); usage: scripts/screenshot.sh [OUTDIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${CORVESSA_BUILD_DIR:-build}
out=$(realpath -m "${1:-$build/screenshots}")
mkdir -p "$out"
if [ -z "${CORVESSA_SCREENSHOT_INNER:-}" ]; then
  export CORVESSA_SCREENSHOT_INNER=1
  if [ -n "${CORVESSA_SCREENSHOT_DISPLAY:-}" ]; then
    DISPLAY=$CORVESSA_SCREENSHOT_DISPLAY exec "$0" "$out"
  fi
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$out"
fi
wait_seconds=${CORVESSA_SCREENSHOT_WAIT:-10}
pid=""
CORVESSA_HOME=$(mktemp -d)
export CORVESSA_HOME
trap '[ -z "$pid" ] || kill "$pid" 2>/dev/null || true; rm -rf "$CORVESSA_HOME"' EXIT

# The id of the shown window whose title matches the pattern, once it is
# there; the script ends with the window's name when none comes in time.
find_window() {
  local name=$1 pattern=$2 id tries=$((wait_seconds * 5))
  while [ "$tries" -gt 0 ]; do
    id=$(xdotool search --onlyvisible --name "$pattern" 2>/dev/null | head -1 || true)
    if [ -n "$id" ]; then
      echo "$id"
      return
    fi
    sleep 0.2
    tries=$((tries - 1))
  done
  echo "screenshot.sh: the window \"$name\" did not appear within $wait_seconds s" >&2
  return 1
}

# Saves a window found by find_window, checked once more: it may have closed since.
shoot() {
  local id=$1 file=$2
  if ! xdotool getwindowname "$id" >/dev/null 2>&1; then
    echo "screenshot.sh: the window for $file is gone" >&2
    return 1
  fi
  import -window "$id" "$out/$file"
}

# 26,832 draws of the screenshots' generated history, the current lottery "Pick3".
mkdir -p "$CORVESSA_HOME/data" "$CORVESSA_HOME/Varnel3"
"$build/devtools/history/corvessa-history" screenshot 26832 > "$CORVESSA_HOME/data/Pick3.txt"
printf '"Pick3.txt"\r\n' > "$CORVESSA_HOME/Varnel3/shujuwenjian.ini"
"$build/src/corvessa" & pid=$!
wid=$(find_window "Welcome to use this software." "^Welcome to use this software.$")
sleep 1
import -window root -crop 400x200+0+0 "$out/start.png"
xdotool mousemove --window "$wid" 188 60 click 1   # "Start"
main=$(find_window Corvessa "^Corvessa$")
sleep 1
import -window root -crop 720x400+0+0 "$out/main.png"
if [ -n "${CORVESSA_SCREENSHOT_WINDOW:-}" ]; then
  window=$(find_window "$CORVESSA_SCREENSHOT_WINDOW" "$CORVESSA_SCREENSHOT_WINDOW")
  shoot "$window" window.png
fi

# Opens the menu under a category button at (x, y) of the main window, takes
# its item number n, and gives the id of the window titled `name` once its
# chart is ready; the window is left open and mapped.
open_item() {
  local x=$1 y=$2 n=$3 name=$4 pattern=$5
  xdotool mousemove --window "$main" "$x" "$y" click 1
  sleep 1
  for _ in $(seq "$n"); do xdotool key Down; done
  xdotool key Return
  find_window "$name" "$pattern"
  sleep 1
}

# "Winning number from", its sixth item: the "5 digits" box chart.
window=$(open_item 84 192 6 "6 Way Box winning number from these 5 digits" "from these 5 digits$")
shoot "$window" chart.png
xdotool windowunmap "$window"                      # out of the way of the main window
sleep 1
# Its fifth item: the "4 digits" box chart, scrolled to its last column with End.
window=$(open_item 84 192 5 "6 Way Box winning number from these 4 digits" "from these 4 digits$")
xdotool mousemove --window "$window" 300 150 click 1  # a cell: the grid takes the keys
xdotool key End
sleep 1
shoot "$window" chartend.png
xdotool windowunmap "$window"
sleep 1
window=$(open_item 84 168 6 "3 Way Box Statistical" "^3 Way Box Statistical$")
shoot "$window" threewaystatistical.png
xdotool windowunmap "$window"
sleep 1
window=$(open_item 84 72 9 "+ or - of Pairs " "^\+ or - of Pairs $")
shoot "$window" pairsums.png
xdotool windowunmap "$window"
sleep 1
window=$(open_item 84 240 4 "Box Number Enquire" "^Box Number Enquire$")
xdotool mousemove --window "$window" 100 380 click 1  # into the input box
xdotool type "123 321"
xdotool mousemove --window "$window" 57 476 click 1   # "Enquire"
sleep 3
shoot "$window" boxenquiry.png
xdotool windowunmap "$window"
sleep 1
window=$(open_item 84 240 5 "Straight Number Enquire" "^Straight Number Enquire$")
xdotool mousemove --window "$window" 100 380 click 1  # into the input box
xdotool type "123 456 789"
xdotool mousemove --window "$window" 57 476 click 1   # "Enquire"
sleep 3
shoot "$window" enquiry.png
xdotool windowunmap "$window"
sleep 1
xdotool mousemove --window "$main" 228 216 click 1  # "Drawings"
find_window Drawings "^Drawings$" > /dev/null
sleep 1
import -window root "$out/drawings.png"
echo "screenshots in $out"
