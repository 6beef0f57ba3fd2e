#!/usr/bin/env bash
# A page opened by the program reaches the user's browser through xdg-open.
# $BROWSER points at a recording script, so no real browser ever starts.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/lib.sh"

probe=${OPEN_PAGE_PROBE:?OPEN_PAGE_PROBE not set}
forum=${GEMVARA_FORUM_SITE:?GEMVARA_FORUM_SITE not set}
command -v xdg-open >/dev/null || fail "xdg-open is missing (scripts/install-deps.sh installs xdg-utils)"

use_recording_browser
opener() { sed -n "${1}p" "$BROWSER_LOG" | cut -f2; }

# 1. An encoded referral address arrives exactly as built.
referral="$forum/kvqx-refer-a-friend.php?taf1=Ann%20%26%20Bob&taf3=Your%20Message%0D%0A"
"$probe" "$referral" >>"$E2E_WORK/probe.log" 2>&1 || fail "probe failed: $(cat "$E2E_WORK/probe.log")"
wait_for_pages 1 || fail "no page reached the browser"
[ "$(page 1)" = "$referral" ] || fail "browser got '$(page 1)', expected '$referral'"
case "$(opener 1)" in
  *xdg-open*) pass "referral address reached the browser through xdg-open" ;;
  *) fail "browser was started by '$(opener 1)', not by xdg-open" ;;
esac

# 2. The About window's home-page link, clicked on the real display.
"$probe" --about >>"$E2E_WORK/probe.log" 2>&1 &
about_pid=$!
wait_for_window "Gemvara v1.0" 15 || fail "About window did not appear"
win=$(windows_named "Gemvara v1.0" | head -n1)
wait_placed "$win"
# lblHomePage sits at 176,128 (270 x 13) in the window's client area.
xdotool mousemove --window "$win" 190 134 click 1
wait_for_pages 2 || fail "the home-page link opened nothing"
[ "$(page 2)" = "$forum" ] || fail "home-page link opened '$(page 2)', expected '$forum'"
[ -n "$(windows_named "Gemvara v1.0")" ] || fail "About window closed after the link"
pass "About window's home-page link opened $forum and the window stayed"

# Esc closes it and nothing more is opened.
focus_window "$win"
xdotool key Escape
wait_for_exit "$about_pid" 10 || fail "Esc did not close the About window"
wait_until "the browsers of this test to end" no_browser_running
[ "$(wc -l <"$BROWSER_LOG")" -eq 2 ] || fail "unexpected pages: $(cat "$BROWSER_LOG")"
pass "Esc closed the About window"

# 3. The program itself: Help > Visit Us Online, then Help > About Software.
# The main window and the About window share the caption "Gemvara v1.0".
start_gemvara
wait_for_window "Gemvara v1.0" 15 || fail "main window did not appear"
main=$(windows_named "Gemvara v1.0" | head -n1)
# The menu that Alt+H opens takes the next key: the program handles them in order.
focus_window "$main"
xdotool key alt+h v
wait_for_pages 3 || fail "Help > Visit Us Online opened nothing"
[ "$(page 3)" = "$forum" ] || fail "Visit Us Online opened '$(page 3)', expected '$forum'"
pass "Help > Visit Us Online reached the browser"

focus_window "$main"
xdotool key alt+h a
wait_for_count "$caption" 2 || fail "Help > About Software showed no About window"
focus_window "$(about_window)"
xdotool key Return
wait_for_count "$caption" 1 || fail "Enter did not close the About window"
pass "Help > About Software opened the About window and Enter closed it"
[ "$(wc -l <"$BROWSER_LOG")" -eq 3 ] || fail "unexpected pages: $(cat "$BROWSER_LOG")"
