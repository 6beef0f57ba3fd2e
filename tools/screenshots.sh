#!/usr/bin/env bash
# Photographs the real program for the README, in English, Spanish, Hindi
# and Portuguese: the main window with a name and a date filled in, the
# reading window that follows on its gemstone page, and the exit screen.
# Runs on a private Xvfb display with openbox, so it needs no desktop and
# leaves the user's settings alone.
#   tools/screenshots.sh [GemvaraFree executable] [output folder]
# Defaults: build/release/app/GemvaraFree and docs/screenshots. English
# pictures are main-window.png and so on; the others end in -es, -hi and
# -pt_BR.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

if [ -z "${E2E_WORK:-}" ]; then
  exe=$(readlink -f "${1:-$root/build/release/app/GemvaraFree}")
  [ -x "$exe" ] || { echo "no executable at $exe; build first" >&2; exit 1; }
  out=${2:-$root/docs/screenshots}
  mkdir -p "$out"
  for language in en es hi pt_BR; do
    SCREENSHOT_DIR=$(cd "$out" && pwd) E2E_LANGUAGE=$language \
      bash "$root/tests/e2e/run-under-xvfb.sh" "$0" "$exe"
  done
  exit 0
fi

# From here on: inside the private display, in the language E2E_LANGUAGE.
source "$root/tests/e2e/lib.sh"
source "$root/tests/e2e/test_reading_lib.sh"
suffix=$([ "$E2E_LANGUAGE" = en ] || echo "-$E2E_LANGUAGE")

start_gemvara
wait_for_window "$caption" 15 || fail "main window did not appear"
main=$(windows_named "$caption" | head -n1)
activate_main
xdotool type --delay 30 "mira"
xdotool key Tab Tab
xdotool type --delay 30 "okafor"
xdotool key Tab
# 14 June 1987, June whatever the language calls it: five entries down
# from January. Every language but English writes the day first.
june() { xdotool key --delay 40 Down Down Down Down Down; }
if [ "$E2E_LANGUAGE" = en ]; then june; else pick "14"; fi
xdotool key Tab
if [ "$E2E_LANGUAGE" = en ]; then pick "14"; else june; fi
xdotool key Tab
pick "1987"
xdotool key Tab # the focus on the button, as just before asking
wait_drawn "$main"
import -window "$main" "$SCREENSHOT_DIR/main-window$suffix.png"

xdotool key space
wait_for_reading_window || fail "no reading window"
win=$(reading_window)
focus_window "$win"
wait_drawn "$win"
shown=$(window_pixels "$win")
xdotool key ctrl+Tab # from the birthday page on to the gemstone page
wait_redrawn "$win" "$shown"
import -window "$win" "$SCREENSHOT_DIR/reading-window$suffix.png"

close_for_exit_screen "$win" || fail "closing the reading window showed no exit screen"
screen=$(exit_screen)
wait_drawn "$screen"
import -window "$screen" "$SCREENSHOT_DIR/exit-screen$suffix.png"
for window in main-window reading-window exit-screen; do echo "$SCREENSHOT_DIR/$window$suffix.png"; done
