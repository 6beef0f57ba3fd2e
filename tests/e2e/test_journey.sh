#!/usr/bin/env bash
# The whole way of a user through the program, on a real display with a
# window manager: a fresh start, a refused date, two readings with every tab,
# the Help menu, the About window, the exit screen's referral and Exit.
# After each step it looks at what the user would see: which of the
# program's windows are up and in front, their titles, and the texts shown
# (copied out of the boxes through the clipboard).
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/lib.sh"
report_silent_failures
source "$here/test_reading_lib.sh"

forum=${GEMVARA_FORUM_SITE:?GEMVARA_FORUM_SITE not set}
help=${GEMVARA_HELP_SITE:?GEMVARA_HELP_SITE not set}
product=${GEMVARA_PRODUCT_SITE:?GEMVARA_PRODUCT_SITE not set}
use_recording_browser

steps=0
step() { steps=$((steps + 1)); pass "$*"; }

how_many() { "$@" | grep -c . || true; }
# Waits until exactly these windows of the program are up: "main reading
# about exit" as 0 or 1 each, and no message box.
shown_windows() {
  echo "$(how_many main_window) $(how_many reading_window) $(how_many about_window)" \
    "$(how_many exit_screen) $(how_many windows_named "$box_title")"
}
windows_are() { [ "$(shown_windows)" = "$1" ]; }
expect_windows() {
  poll 10 windows_are "$1 $2 $3 $4 0" ||
    fail "windows main/reading/about/exit/message box are '$(shown_windows)', expected '$1 $2 $3 $4 0'"
}
# Waits until window $1 is the active one and nothing is stacked above it.
in_front() { is_active "$1" && [ "$(top_window)" = "$1" ]; }
expect_in_front() {
  poll 10 in_front "$1" || fail "$2 is not the active window on top ($(xdotool getactivewindow) is active)"
  [ "$(xdotool getwindowname "$1")" = "$caption" ] || fail "$2 has the title '$(xdotool getwindowname "$1")'"
}

# Checks the three tabs of reading window $1: the birthday page (selected
# when it opens), the gemstone page and the life path page.
check_reading() {
  local win=$1 day=$2 lifepath=$3 gem=$4
  copy_box "$win" "${interpretation[@]}"
  expect_clipboard "$(catalogue_text birthday "$day")" "the Birthday Number tab (open at start)"
  show_tab "$win" gemstone
  copy_box "$win" "${gem_text[@]}" guarded
  expect_clipboard "$(catalogue_text gemdescriptions "$gem")" "the Gemstone For You tab"
  show_tab "$win" lifepath
  copy_box "$win" "${interpretation[@]}"
  expect_clipboard "$(catalogue_text lifepath "$lifepath")" "the Lifepath Number tab"
  copy_box "$win" "${significance[@]}" guarded
}

# 1. A fresh start: the main window alone, in front, no question; the date
# of the first start is stored.
start_main_window
main=$(main_window)
expect_windows 1 0 0 0
expect_in_front "$main" "the main window"
first_date=$(stored_date)
[ "$first_date" = "$(date +%F)" ] || fail "the first start stored '$first_date'"
step "a fresh start shows the main window alone, in front, and stores today's date"

# 2. Names typed in lower case show in capitals.
type_names
xdotool key shift+Tab shift+Tab shift+Tab
copy_focused
expect_clipboard "MIRA" "the first name box"
xdotool key Tab Tab
copy_focused
expect_clipboard "OKAFOR" "the last name box"
xdotool key Tab
step "typed names show in capitals"

# 3. An impossible date is refused with a message box (its wording is
# checked by the widget tests: a message box's text cannot be read back from
# outside); the reading does not come and the main window stays.
pick_date_and_ask 31 April 1999
wait_for_window "$box_title" 10 || fail "31 April was not refused"
box=$(windows_named "$box_title")
xprop -id "$box" _NET_WM_STATE | grep -q _NET_WM_STATE_MODAL || fail "the message box is not modal"
answer_box "$box"
wait_for_count "$box_title" 0 || fail "OK did not close the message box"
expect_windows 1 0 0 0
step "31 April is refused with a modal message box and no reading"

# 4. A reading of 29 November 1999: the reading window replaces the main
# window, opens on "Birthday Number", and each tab shows its text.
set_clipboard "copied before the reading"
ask_again 29 November 1999
wait_for_reading_window || fail "no reading window"
win=$(reading_window)
expect_windows 0 1 0 0
expect_in_front "$win" "the reading window"
expect_clipboard "" "showing a reading did not empty the clipboard; the clipboard"
step "the reading replaces the main window, in front, and empties the clipboard"
check_reading "$win" 29 5 "Cat's eye"
step "29 November 1999: the texts of birthday 29, life path 5 and Cat's eye on the three tabs"

# 5. Back: the main window again, as the user left it; no exit screen.
xdotool key alt+b
wait_for main_window || fail "Back did not bring the main window"
main=$(main_window)
expect_windows 1 0 0 0
expect_in_front "$main" "the main window after Back"
xdotool key shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab
copy_focused
expect_clipboard "MIRA" "after Back the first name box"
xdotool key Tab Tab Tab Tab Tab Tab
step "Back brings the main window with the names kept"

# 6. A second reading, 3 September 1999 (life path 22): only its own texts.
# The lists search on from the entry shown ("3" after "29" finds "30"), so
# each list goes to its top with Home first.
activate_main
xdotool key shift+Tab shift+Tab shift+Tab
for entry in September 3 1999; do
  xdotool key Home
  pick "$entry"
  xdotool key Tab
done
xdotool key space
wait_for_reading_window || fail "no second reading window"
win=$(reading_window)
expect_windows 0 1 0 0
expect_in_front "$win" "the second reading window"
check_reading "$win" 3 22 "Topaz"
step "3 September 1999: the texts of birthday 3, life path 22 and topaz, nothing of the first"

# 7. The clipboard guard against another program that owns the clipboard.
show_tab "$win" birthday
printf 'owned by another program' | xclip -quiet -i -selection clipboard >/dev/null 2>&1 &
owner=$!
expect_clipboard "owned by another program" "xclip's clipboard"
# Two moves: the second is a movement over the box whatever the first was.
xdotool mousemove --window "$win" "${significance[@]}"
xdotool mousemove --window "$win" $((significance[0] + 10)) "${significance[1]}"
wait_for_exit "$owner" 5 || { kill "$owner" 2>/dev/null; fail "xclip still owns the clipboard"; }
expect_clipboard "" "after the pointer passed over a guarded box the clipboard"
step "the pointer over a guarded box takes the clipboard from another program"
xdotool key alt+b
wait_for main_window || fail "Back did not bring the main window"

# 8. The Help menu and the Donate entry open their pages; the main window
# stays alone and in front.
main=$(main_window)
expected=("$product/gemvara-free-help.html" "$forum" "$product/download-gemvara-free.html"
          "$help/donate.html")
keys=("alt+h o" "alt+h v" "alt+h c" "alt+d")
for i in 0 1 2 3; do
  xdotool windowactivate --sync "$main" 2>/dev/null || true
  # shellcheck disable=SC2086
  xdotool key --delay 300 ${keys[i]}
  wait_for_pages $((i + 1)) || fail "${keys[i]} opened no page"
  [ "$(page $((i + 1)))" = "${expected[i]}" ] || fail "${keys[i]} opened '$(page $((i + 1)))'"
done
expect_windows 1 0 0 0
step "Online Help, Visit Us Online, Check for Software Update and Donate open their pages"

# 9. The About window: modal over the main window; Esc closes it.
xdotool windowactivate --sync "$main" 2>/dev/null || true
xdotool key --delay 300 alt+h a
wait_for_about_window || fail "Help > About Software showed no About window"
about=$(about_window)
expect_windows 1 0 1 0
expect_in_front "$about" "the About window"
xprop -id "$about" _NET_WM_STATE | grep -q _NET_WM_STATE_MODAL || fail "the About window is not modal"
xdotool key Escape
wait_for_count "$caption" 1 || fail "Esc did not close the About window"
expect_windows 1 0 0 0
[ "$(pages_opened)" -eq 4 ] || fail "the About window opened a page"
step "About Software shows a modal About window that Esc closes"

# 10. Leaving the main window: the exit screen, kept above other windows.
close_for_exit_screen "$main" || fail "leaving the main window showed no exit screen"
expect_windows 0 0 0 1
screen=$(exit_screen)
xprop -id "$screen" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE || fail "the exit screen is not kept above"
on_top() { [ "$(top_window)" = "$1" ]; }
poll 10 on_top "$screen" || fail "the exit screen is not on top"
kill -0 "$pid" || fail "the program ended with the main window"
step "leaving the main window shows the exit screen on top"

# 11. The referral form filled and sent: one page with the values decoded
# exactly as typed; the exit screen stays.
focus_window "$screen"
fill() {
  exit_click "$screen" "$1"
  xdotool key ctrl+a
  xdotool type --delay 20 "$2"
}
fill txtName "Mira Okafor"
fill txtEmail "mira@example.org"
fill txtFriendName "Jo & Ed"
fill txtFriendEmail "jo@example.net"
exit_click "$screen" cmdSubmit
wait_for_pages 5 || fail "the referral opened no page"
[ "$(page 5 | cut -d'?' -f1)" = "$forum/kvqx-refer-a-friend.php" ] || fail "the referral went to '$(page 5)'"
got=$(referral_values | tr '\n' '|')
want="taf1=Mira Okafor|taf2=mira@example.org|taf3=Your Message\\r\\n|taf4=Jo & Ed|taf5=jo@example.net|taf6=$product/|"
[ "$got" = "$want" ] || fail "the referral carried '$got', expected '$want'"
expect_windows 0 0 0 1
step "the referral reaches the browser with the typed values; the exit screen stays"

# 12. Exit: the program ends, no window is left, the stored date is kept.
exit_click "$screen" cmdClose
wait_for_exit "$pid" 10 || fail "Exit did not end the program"
[ -z "$(windows_named "$caption")" ] || fail "a window is left on screen"
[ "$(count_gemvara)" -eq 0 ] || fail "a copy of the program is still running"
[ "$(stored_date)" = "$first_date" ] || fail "the stored date changed to '$(stored_date)'"
[ "$(pages_opened)" -eq 5 ] || fail "unexpected pages: $(cat "$BROWSER_LOG")"
step "Exit ends the program with no window left and the stored date kept"

echo "journey: $steps steps checked"
