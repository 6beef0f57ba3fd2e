#!/usr/bin/env bash
# The program killed outright (SIGKILL) at each stage of a user's way
# through it, then started again: the next start is a plain one and the
# stored date is what it was. Then twenty copies started at the same moment:
# exactly one runs, the other nineteen refuse and end after OK.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/lib.sh"
report_silent_failures
source "$here/test_reading_lib.sh"

stages=0
today=$(date +%F)
store=$(settings_file)
mkdir -p "$(dirname "$store")"

start_main() {
  start_main_window "$1: no main window"
  # Start-up shows its messages before the main window, never after.
  [ -z "$(windows_named "$box_title")" ] || fail "$1: a message box came up"
}
# Kills the running copy at stage $1 and checks the next start.
kill_and_restart() {
  local stage=$1 date_before
  date_before=$(stored_date)
  kill -KILL "$pid"
  wait_for_exit "$pid" 10 || fail "$stage: the killed copy still runs"
  wait_for_count "$caption" 0 || fail "$stage: a window of the killed copy stays"
  [ "$(stored_date)" = "$date_before" ] || fail "$stage: the stored date changed on the kill"
  start_main "after a kill at $stage"
  [ "$(windows_named "$caption" | grep -c .)" -eq 1 ] || fail "after a kill at $stage: more than the main window"
  [ "$(stored_date)" = "$date_before" ] || fail "after a kill at $stage: the stored date is '$(stored_date)'"
  stages=$((stages + 1))
  pass "killed at $stage; the next start is plain and the stored date is kept"
}

# The main window of a first start.
start_main "first start"
[ "$(stored_date)" = "$today" ] || fail "the first start stored '$(stored_date)'"
kill_and_restart "the main window"

# The update question: the date is written once it is answered, so a kill
# while it is up leaves the old date and the next start asks again.
kill -KILL "$pid"
wait_for_exit "$pid" 10 || fail "the copy did not end"
printf '[Settings]\nDuration=2020-01-01\n' >"$store"
start_gemvara
pid=$!
wait_for_window "$box_title" 15 || fail "no update question"
[ "$(stored_date)" = "2020-01-01" ] || fail "the date changed before the question was answered"
kill -KILL "$pid"
wait_for_exit "$pid" 10 || fail "the killed copy still runs"
wait_for_count "$box_title" 0 || fail "the question of the killed copy stays"
[ "$(stored_date)" = "2020-01-01" ] || fail "the stored date changed on the kill"
start_gemvara
pid=$!
wait_for_window "$box_title" 15 || fail "the question did not come back after the kill"
answer_box "$(windows_named "$box_title")" Escape
wait_for_window "$caption" 15 || fail "no main window after the question was answered"
# The date is stored before the main window is shown.
[ "$(stored_date)" = "$today" ] || fail "answering did not store today's date ('$(stored_date)')"
stages=$((stages + 1))
pass "killed at the update question; the next start asks again, and the answer stores today's date"

# The reading window.
type_names
pick_date_and_ask 29 November 1999
wait_for_reading_window || fail "no reading window"
kill_and_restart "the reading window"

# The About window, modal over the main window.
activate_main
xdotool key --delay 300 alt+h a
wait_for_about_window || fail "no About window"
kill_and_restart "the About window"

# The exit screen, with the referral form half filled.
close_for_exit_screen "$(main_window | head -n1)" || fail "no exit screen"
screen=$(exit_screen)
focus_window "$screen"
exit_click "$screen" txtName
xdotool type --delay 20 "Mira"
kill_and_restart "the exit screen"

# A second copy's refusal: only that copy dies; the first is untouched.
main=$(main_window)
start_gemvara
second=$!
wait_for_window "$box_title" 15 || fail "the second copy showed no refusal"
kill -KILL "$second"
wait_for_exit "$second" 10 || fail "the refusing copy still runs"
wait_for_count "$box_title" 0 || fail "the refusal stays on screen"
[ "$(main_window)" = "$main" ] || fail "the first copy lost its main window"
kill_and_restart "the refusal of a second copy (first copy killed after it)"

# Twenty copies started at the same moment. The copy already running is
# killed first, so all twenty start from the same state.
kill -KILL "$pid"
wait_for_exit "$pid" 10 || fail "the copy did not end"
wait_for_count "$caption" 0 || fail "a window stays"
start_copies 20
wait_for_count "$caption" 1 || fail "not exactly one main window of twenty copies"
for ((i = 0; i < 600; i++)); do
  [ "$(windows_named "$box_title" | grep -c .)" -ge 19 ] && break
  sleep 0.1
done
# Each refusing copy shows one box and waits; the twentieth copy has the
# main window, so no further box can come.
refusals=$(windows_named "$box_title" | grep -c . || true)
[ "$refusals" -eq 19 ] || fail "twenty copies gave $refusals refusals, not 19"
runner=$(xdotool getwindowpid "$(main_window)")
[ "$(count_gemvara)" -eq 20 ] || fail "the nineteen refusing copies did not wait for OK"
for box in $(windows_named "$box_title"); do
  answer_box "$box"
done
ended=0
for p in "${pids[@]}"; do
  [ "$p" = "$runner" ] && continue
  wait_for_exit "$p" 20 || fail "a refusing copy still runs after OK"
  wait "$p" || fail "a refusing copy ended with code $?"
  ended=$((ended + 1))
done
[ "$ended" -eq 19 ] || fail "the copy with the main window is not one of the twenty"
[ "$(count_gemvara)" -eq 1 ] || fail "$(count_gemvara) copies run"
kill -0 "$runner" || fail "the running copy ended"
[ "$(windows_named "$caption" | grep -c .)" -eq 1 ] || fail "the running copy lost its main window"
pass "of twenty copies started at once one runs; nineteen refused and ended after OK"
[ "$(stored_date)" = "$today" ] || fail "the stored date is '$(stored_date)'"
echo "killed at $stages stages; 20 copies at once"
