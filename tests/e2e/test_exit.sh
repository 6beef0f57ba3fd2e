#!/usr/bin/env bash
# Leaving the main window brings up the exit screen above other windows;
# its form sends a referral through the browser, and leaving it (Exit button
# or close box) ends the program normally: status 0, no window left, the
# one-copy lock gone.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/lib.sh"

forum=${GEMVARA_FORUM_SITE:?GEMVARA_FORUM_SITE not set}
product=${GEMVARA_PRODUCT_SITE:?GEMVARA_PRODUCT_SITE not set}

use_recording_browser


# Starts the program and leaves its main window by the close box.
start_and_leave_main() {
  start_main_window
  main=$(windows_named "$caption" | head -n1)
  close_for_exit_screen "$main" || fail "closing the main window showed no exit screen"
  screen=$(exit_screen)
  poll 10 has_windows "$caption" 1 || fail "the main window is still there"
  kill -0 "$pid" || fail "the program ended with the main window"
}

no_window_left() {
  local code=0
  wait_for_exit "$pid" 10 || fail "the program is still running"
  wait "$pid" || code=$?
  [ "$code" -eq 0 ] || fail "the program ended with status $code"
  [ -z "$(windows_named "$caption")" ] || fail "a window is left on screen"
  [ "$(count_gemvara)" -eq 0 ] || fail "a copy of the program is still running"
  [ ! -e "$XDG_RUNTIME_DIR/GemvaraFree.lock" ] || fail "the program left its lock file"
}

# 1. The exit screen comes up and stays above another program's window.
xmessage -name other "another program" &
other_pid=$!
wait_for_window "other" 10 || fail "xmessage did not appear"
start_and_leave_main
xprop -id "$screen" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE ||
  fail "the exit screen is not kept above other windows"
other=$(windows_named "other" | head -n1)
focus_window "$other"
xdotool windowraise "$other"
# A move after the raise: once the window manager has moved the window, it
# has dealt with the raise too.
eval "$(xdotool getwindowgeometry --shell "$other")"
timeout 10 xdotool windowmove --sync "$other" $((X + 1)) "$Y" || fail "the window manager did not move the other window"
[ "$(stack_position "$screen")" -gt "$(stack_position "$other")" ] ||
  fail "another window came above the exit screen"
pass "leaving the main window shows the exit screen above other windows"
kill "$other_pid" 2>/dev/null || true

# 2. A referral typed into the form reaches the browser with its values
# encoded, so "&", "=", "+", "#" and "%" in a name stay part of the name.
# Box centres in the window: Frame2 is at 8,216; its boxes at 6,24 / 240,24 /
# 6,48 / 240,48 (225 x 19); the submit button at 128,72.
type_into() {
  xdotool mousemove --window "$screen" "$1" "$2" click 1
  xdotool type --delay 20 "$3"
}
focus_window "$screen"
type_into 120 249 'Ann & Bob=1+2#3%'
type_into 360 249 'ann@example.org'
type_into 120 273 'Cy'
type_into 360 273 'cy@example.org'
xdotool mousemove --window "$screen" 250 297 click 1
wait_for_pages 1 || fail "the referral opened no page"
expected="$forum/kvqx-refer-a-friend.php?taf1=Ann%20%26%20Bob%3D1%2B2%233%25&taf2=ann%40example.org"
expected+="&taf3=Your%20Message%0D%0A&taf4=Cy&taf5=cy%40example.org"
expected+="&taf6=$(printf '%s/' "$product" | sed 's/:/%3A/g; s#/#%2F#g')"
got=$(cut -f1 "$BROWSER_LOG")
[ "$got" = "$expected" ] || fail "referral page got '$got', expected '$expected'"
[ -n "$(exit_screen)" ] || fail "the exit screen closed after the referral"
pass "the referral reached the browser with every value encoded"

# 3. Its Exit button ends the program.
# cmdClose is at 400,184 (83 x 25).
xdotool mousemove --window "$screen" 441 196 click 1
no_window_left
pass "Exit ends the program with no window left"

# 4. So does its close box.
start_and_leave_main
focus_window "$screen"
xdotool key alt+F4
no_window_left
pass "closing the exit screen ends the program with no window left"
