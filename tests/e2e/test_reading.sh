#!/usr/bin/env bash
# A reading from the keyboard, the clipboard rule of the reading window,
# Back and a second reading, and closing the reading window by its close box.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/lib.sh"
source "$here/test_reading_lib.sh"

birthday_text() { catalogue_text birthday "$1"; }
primary() { selection primary; }
# Drags the pointer with the button held across window $1 from x $2 to $3 at height $4.
drag() {
  xdotool mousemove --window "$1" "$2" "$4" mousedown 1
  xdotool mousemove --window "$1" "$3" "$4"
  xdotool mouseup 1
}

# Points on the "Birthday Number" page, in window pixels.
significance_x=200 significance_y=140
interpretation_x=200 interpretation_y=215

start_main_window

# 1. A reading replaces the main window and empties the clipboard.
set_clipboard "copied before the reading"
type_names
pick_date_and_ask 29 November 1999
wait_for_reading_window || fail "no reading window after asking"
win=$(reading_window)
poll 10 has_windows "$caption" 1 || fail "the main window or the exit screen is still on screen"
expect_clipboard "" "showing a reading left the clipboard filled: it"
pass "a reading replaces the main window and empties the clipboard"

# 2. Text copied from an interpretation stays until the mouse passes over a guarded box.
focus_window "$win"
copy_box "$win" "$interpretation_x" "$interpretation_y"
expect_clipboard "$(birthday_text 29)" "the interpretation of the 29th, copied,"
[ "$(primary)" = "$(birthday_text 29)" ] || fail "the interpretation's selection is not the primary selection"
# Over the Back button, then a word double-clicked in the unguarded
# interpretation: once the program has put that in the primary selection,
# it has taken the earlier move too.
set_clipboard "(before the double-click)" primary
xdotool mousemove --window "$win" 300 290
xdotool mousemove --window "$win" "$interpretation_x" "$interpretation_y" click --repeat 2 1
poll 10 selection_is_not primary "(before the double-click)" ||
  fail "a word double-clicked in the interpretation did not reach the primary selection"
[ "$(clipboard)" = "$(birthday_text 29)" ] || fail "the copied interpretation was lost"
xdotool mousemove --window "$win" "$significance_x" "$significance_y"
xdotool mousemove --window "$win" $((significance_x + 10)) "$significance_y"
expect_clipboard "" "moving over the significance box kept the clipboard: it"
poll 10 selection_is primary "" || fail "moving over the significance box kept the primary selection"
pass "copying works from the interpretation and is undone over a guarded box"

# Selecting with the mouse in a guarded box leaves nothing to paste with
# the middle button. Back comes after the selection: once the main window
# is there, the program has done all it does with the selection.
set_clipboard "(before the drag)" primary
drag "$win" $((significance_x - 60)) $((significance_x + 60)) "$significance_y"
xdotool key alt+b
wait_for main_window || fail "Back did not bring the main window"
[ -z "$(primary)" ] || fail "text selected in the significance box stayed in the primary selection: $(primary)"
[ -z "$(clipboard)" ] || fail "selecting in the significance box filled the clipboard"
pass "a selection in a guarded box never stays in the primary selection"

# 3. Back: the main window returns, the reading window is gone, no exit screen.
poll 10 has_windows "$caption" 1 || fail "the reading window or the exit screen is still there after Back"
pass "Back returns to the main window"

# 4. A second reading shows only its own texts.
ask_again 1 March 1900
wait_for_reading_window || fail "no second reading window"
win=$(reading_window)
focus_window "$win"
copy_box "$win" "$interpretation_x" "$interpretation_y"
expect_clipboard "$(birthday_text 1)" "the second reading's interpretation, copied,"
pass "a second reading shows only its own text"

# 5. The close box leaves the exit screen up and the main window hidden.
close_for_exit_screen "$win" || fail "closing the reading window showed no exit screen"
poll 10 has_windows "$caption" 1 || fail "the reading window is still there, or the main window came back"
[ -n "$(exit_screen)" ] || fail "the one window left is not the exit screen"
kill -0 "$pid" || fail "the program ended"
pass "closing the reading window leaves the exit screen"
