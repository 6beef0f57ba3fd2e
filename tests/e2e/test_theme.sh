#!/usr/bin/env bash
# The program looks the same under a dark desktop theme as under none: the
# client areas of the main window, the reading window and the exit screen,
# taken under each, match within anti-aliasing noise. Left out: the menu
# bar, and the two texts chosen at random (the main window's offer in its
# bottom band, the exit screen's support text).
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/lib.sh"
source "$here/test_reading_lib.sh"
report_silent_failures

shots=${THEME_SHOTS:-$E2E_WORK/shots}

# Takes window $1 into $2 once two pictures in a row are alike, so that the
# window has finished drawing.
settled_shot() {
  local win=$1 out=$2 i
  import -window "$win" "$out.prev.png"
  for ((i = 0; i < 100; i++)); do
    import -window "$win" "$out"
    compare -metric AE "$out.prev.png" "$out" null: 2>/dev/null && return 0
    mv "$out" "$out.prev.png"
  done
  fail "window $win never stopped changing"
}

# The client area of the main window below its menu bar (427 x 277).
main_client() {
  local h
  h=$(identify -format %h "$1")
  convert "$1" -crop "427x277+0+$((h - 277))" +repage "$1"
}

# Blanks rectangle $2 (x1,y1 x2,y2) of picture $1.
blank() { convert "$1" -fill black -draw "rectangle $2" "$1"; }

# One journey under the theme settings in the environment; pictures into $1.
journey() {
  local dir=$1 main reading exit
  mkdir -p "$dir"
  start_main_window "main window did not appear (${dir##*/})"
  type_names
  main=$(main_window | head -n1)
  settled_shot "$main" "$dir/main.png"
  pick_date_and_ask "29" "November" "1999"
  wait_for_reading_window || fail "no reading window (${dir##*/})"
  reading=$(reading_window)
  focus_window "$reading"
  settled_shot "$reading" "$dir/reading.png"
  close_for_exit_screen "$reading" || fail "no exit screen (${dir##*/})"
  exit=$(exit_screen)
  settled_shot "$exit" "$dir/exit.png"
  exit_click "$exit" cmdClose
  wait_for_exit "$pid" || fail "program did not end (${dir##*/})"

  main_client "$dir/main.png"
  blank "$dir/main.png" "5,216 421,272"
  blank "$dir/exit.png" "8,56 472,128"
}

(unset QT_QPA_PLATFORMTHEME GTK_THEME QT_STYLE_OVERRIDE; journey "$shots/default")

# The dark theme must really be in force, or the comparison proves nothing.
: >"$E2E_WORK/gemvara.log"
(export QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark QT_DEBUG_PLUGINS=1
 unset QT_STYLE_OVERRIDE; journey "$shots/dark")
grep -q 'libqgtk3\.so" loaded library' "$E2E_WORK/gemvara.log" ||
  fail "the GTK platform theme was not loaded"

# Anti-aliasing and a blinking caret differ by a few pixels; a colour the
# desktop's theme gets through differs over whole areas.
for window in main reading exit; do
  a=$shots/default/$window.png b=$shots/dark/$window.png
  [ "$(identify -format %wx%h "$a")" = "$(identify -format %wx%h "$b")" ] ||
    fail "$window: sizes differ ($(identify -format %wx%h "$a") and $(identify -format %wx%h "$b"))"
  differing=$(compare -metric AE -fuzz 10% "$a" "$b" "$shots/$window-diff.png" 2>&1 || true)
  pixels=$(identify -format '%[fx:w*h]' "$a")
  echo "$window: $differing of $pixels pixels differ"
  [ "$differing" -le $((pixels / 500)) ] || fail "$window looks different under the dark theme"
done
pass "the three windows look the same under the dark theme"
