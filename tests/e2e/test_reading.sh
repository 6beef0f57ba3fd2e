#!/usr/bin/env bash
# A reading from the keyboard, the clipboard rule of the reading window,
# Back and a second reading, and closing the reading window by its close box.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/lib.sh"
source "$here/test_reading_lib.sh"

birthday_text() { catalogue_text birthday "$1"; }
windows_with_caption() { windows_named "$caption" | wc -l; }
primary() { xclip -o -selection primary 2>/dev/null || true; }

# Points on the "Birthday Number" page, in window pixels.
significance_x=200 significance_y=140
interpretation_x=200 interpretation_y=215

start_main_window
sleep 0.5

# 1. A reading replaces the main window and empties the clipboard.
echo -n "copied before the reading" | xclip -i -selection clipboard
[ "$(clipboard)" = "copied before the reading" ] || fail "could not fill the clipboard"
type_names
pick_date_and_ask 29 November 1999
wait_for_reading_window || fail "no reading window after asking"
win=$(reading_window)
sleep 0.5
[ "$(windows_with_caption)" -eq 1 ] || fail "the main window or the exit screen is still on screen"
[ -z "$(clipboard)" ] || fail "showing a reading left the clipboard filled"
pass "a reading replaces the main window and empties the clipboard"

# 2. Text copied from an interpretation stays until the mouse passes over a guarded box.
xdotool windowactivate --sync "$win" 2>/dev/null || true
copy_box "$win" "$interpretation_x" "$interpretation_y"
[ "$(clipboard)" = "$(birthday_text 29)" ] || fail "the interpretation of the 29th could not be copied"
[ "$(primary)" = "$(birthday_text 29)" ] || fail "the interpretation's selection is not the primary selection"
xdotool mousemove --window "$win" 300 290 # over the Back button
sleep 0.3
[ "$(clipboard)" = "$(birthday_text 29)" ] || fail "the copied interpretation was lost"
xdotool mousemove --window "$win" "$significance_x" "$significance_y"
sleep 0.1
xdotool mousemove --window "$win" $((significance_x + 10)) "$significance_y"
sleep 0.3
[ -z "$(clipboard)" ] || fail "moving over the significance box kept the clipboard"
[ -z "$(primary)" ] || fail "moving over the significance box kept the primary selection"
pass "copying works from the interpretation and is undone over a guarded box"

# Selecting with the mouse in a guarded box leaves nothing to paste with
# the middle button.
xdotool mousemove --window "$win" $((significance_x - 60)) "$significance_y" mousedown 1
xdotool mousemove --window "$win" $((significance_x + 60)) "$significance_y"
sleep 0.1
xdotool mouseup 1
sleep 0.3
[ -z "$(primary)" ] || fail "text selected in the significance box stayed in the primary selection: $(primary)"
[ -z "$(clipboard)" ] || fail "selecting in the significance box filled the clipboard"
pass "a selection in a guarded box never stays in the primary selection"

# 3. Back: the main window returns, the reading window is gone, no exit screen.
xdotool key alt+b
wait_for main_window || fail "Back did not bring the main window"
sleep 0.5
[ -z "$(reading_window)" ] || fail "the reading window is still there after Back"
[ -z "$(exit_screen)" ] || fail "the exit screen is on screen after Back"
pass "Back returns to the main window"

# 4. A second reading shows only its own texts.
ask_again 1 March 1900
wait_for_reading_window || fail "no second reading window"
win=$(reading_window)
sleep 0.5
xdotool windowactivate --sync "$win" 2>/dev/null || true
copy_box "$win" "$interpretation_x" "$interpretation_y"
[ "$(clipboard)" = "$(birthday_text 1)" ] || fail "the second reading does not show only the text of the 1st"
pass "a second reading shows only its own text"

# 5. The close box leaves the exit screen up and the main window hidden.
close_for_exit_screen "$win" || fail "closing the reading window showed no exit screen"
sleep 0.5
[ -z "$(reading_window)" ] || fail "the reading window is still there"
[ "$(windows_with_caption)" -eq 1 ] || fail "the main window came back"
kill -0 "$pid" || fail "the program ended"
pass "closing the reading window leaves the exit screen"
