#!/usr/bin/env bash
# An old date in the settings file brings the update question before the
# main window; the answer moves the date to today and Yes opens the
# download page. Within fourteen days the program starts without asking.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/lib.sh"

product=${GEMVARA_PRODUCT_SITE:?GEMVARA_PRODUCT_SITE not set}

use_recording_browser

store=$(settings_file)
mkdir -p "$(dirname "$store")"
seed() { printf '[Settings]\nDuration=%s\n' "$1" >"$store"; }
stored() { stored_date; }

# Leaves the program through its main window and the exit screen.
leave() {
  local main
  main=$(windows_named "Gemvara v1.0" | head -n1)
  close_for_exit_screen "$main" || fail "leaving the main window showed no exit screen"
  focus_window "$(exit_screen)"
  xdotool key alt+F4
  wait_for_exit "$pid" 10 || fail "the program did not end"
}

# Answers the question (title "Gemvara") with key $1 and waits for the main
# window, which must not be there while the question is.
answer_question() {
  wait_for_window "Gemvara" 15 || fail "no update question"
  [ -z "$(windows_named "Gemvara v1.0")" ] || fail "the main window came before the question"
  local box
  box=$(windows_named "Gemvara" | head -n1)
  focus_window "$box"
  xdotool key "$1"
  wait_for_window "Gemvara v1.0" 15 || fail "no main window after the question"
}

today=$(date +%F)

# 1. A date far in the past: the question, Yes (the default) opens the page.
seed 2020-01-01
start_gemvara
pid=$!
answer_question Return
wait_for_pages 1 || fail "Yes opened no page"
[ "$(cut -f1 "$BROWSER_LOG")" = "$product/download-gemvara-free.html" ] ||
  fail "Yes opened '$(cat "$BROWSER_LOG")'"
[ "$(stored)" = "$today" ] || fail "stored date is '$(stored)', expected $today"
pass "an old date brought the question before the main window; Yes opened the download page"
leave

# 2. Asked today: the next start is quiet.
start_main_window
[ -z "$(windows_named "Gemvara")" ] || fail "asked again on the same day"
pass "no question again the same day"
leave

# 3. A date too far ahead (clock set back): the question; No opens nothing.
seed 2099-01-01
start_gemvara
pid=$!
answer_question Escape
[ "$(stored)" = "$today" ] || fail "stored date is '$(stored)' after No"
# The page would be asked for before the main window came.
wait_until "the browsers of this test to end" no_browser_running
[ "$(wc -l <"$BROWSER_LOG")" -eq 1 ] || fail "No opened a page: $(cat "$BROWSER_LOG")"
pass "a date in the future asks too; No opens nothing"
leave
