#!/usr/bin/env bash
# Takes a picture of each tab of the reading window, for looking at by eye.
# Run it on a private display:
#   tests/e2e/run-under-xvfb.sh tests/e2e/screenshot-reading.sh build/app/GemvaraFree
# The pictures go to $SCREENSHOT_DIR (default: ./reading-screenshots).
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/lib.sh"
source "$here/test_reading_lib.sh"

out=${SCREENSHOT_DIR:-$PWD/reading-screenshots}
mkdir -p "$out"

start_gemvara
wait_for_window "$caption" 15 || fail "main window did not appear"
type_names
pick_date_and_ask "29" "November" "1999"
wait_for_reading_window || fail "no reading window"
win=$(reading_window)
focus_window "$win"
wait_drawn "$win"

# The window opens on "Birthday Number"; Ctrl+Tab walks on from there.
names=(1-birthday 2-gemstone 0-lifepath)
for name in "${names[@]}"; do
  import -window "$win" "$out/reading-$name.png"
  shown=$(window_pixels "$win")
  xdotool key ctrl+Tab
  wait_redrawn "$win" "$shown"
done
import -window root "$out/screen.png"
echo "screenshots in $out"
