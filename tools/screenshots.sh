#!/usr/bin/env bash
# Photographs the real program for the README: the main window with a name
# and a date filled in, and the reading window that follows, on its
# gemstone page. Runs on a private Xvfb display with openbox, so it needs
# no desktop and leaves the user's settings alone.
#   tools/screenshots.sh [GemvaraFree executable] [output folder]
# Defaults: build/release/app/GemvaraFree and docs/screenshots.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

if [ -z "${E2E_WORK:-}" ]; then
  exe=$(readlink -f "${1:-$root/build/release/app/GemvaraFree}")
  [ -x "$exe" ] || { echo "no executable at $exe; build first" >&2; exit 1; }
  out=${2:-$root/docs/screenshots}
  mkdir -p "$out"
  SCREENSHOT_DIR=$(cd "$out" && pwd) exec bash "$root/tests/e2e/run-under-xvfb.sh" "$0" "$exe"
fi

# From here on: inside the private display.
source "$root/tests/e2e/lib.sh"
source "$root/tests/e2e/test_reading_lib.sh"

start_gemvara
wait_for_window "$caption" 15 || fail "main window did not appear"
main=$(windows_named "$caption" | head -n1)
activate_main
xdotool type --delay 30 "mira"
xdotool key Tab Tab
xdotool type --delay 30 "okafor"
xdotool key Tab
pick "June"
xdotool key Tab
pick "14"
xdotool key Tab
pick "1987"
xdotool key Tab # the focus on the button, as just before asking
wait_drawn "$main"
import -window "$main" "$SCREENSHOT_DIR/main-window.png"

xdotool key space
wait_for_reading_window || fail "no reading window"
win=$(reading_window)
focus_window "$win"
wait_drawn "$win"
shown=$(window_pixels "$win")
xdotool key ctrl+Tab # from "Birthday Number" on to "Gemstone For You"
wait_redrawn "$win" "$shown"
import -window "$win" "$SCREENSHOT_DIR/reading-window.png"
echo "$SCREENSHOT_DIR/main-window.png"
echo "$SCREENSHOT_DIR/reading-window.png"
