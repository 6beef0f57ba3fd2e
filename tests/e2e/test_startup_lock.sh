#!/usr/bin/env bash
# The one-copy lock of the real program: a copy killed with SIGKILL does not
# block the next start, and of several copies started at once exactly one
# keeps running.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/lib.sh"

# 1. A copy killed outright leaves its lock behind; the next start runs.
start_main_window
victim=$pid
ls "$XDG_RUNTIME_DIR"/GemvaraFree.lock* >/dev/null 2>&1 || fail "no lock in the runtime folder"
kill -KILL "$victim"
wait_for_exit "$victim" 10 || fail "killed copy still runs"
wait_for_count "Gemvara v1.0" 0 || fail "killed copy's window stays"
start_main_window "start after a killed copy showed no main window"
next=$pid
[ -z "$(windows_named "Gemvara")" ] || fail "start after a killed copy was refused"
pass "a copy killed with SIGKILL does not block the next start"
kill -KILL "$next"
wait_for_exit "$next" 10 || fail "copy did not end"
wait_for_count "Gemvara v1.0" 0 || fail "window stays"

# 2. Five copies started together: one main window, four refusals.
start_copies 5
wait_for_count "Gemvara v1.0" 1 || fail "not exactly one main window"
wait_for_count "Gemvara" 4 || fail "expected four refusals, saw $(windows_named "Gemvara" | grep -c .)"
for box in $(windows_named "Gemvara"); do
  xdotool windowactivate --sync "$box" 2>/dev/null || xdotool windowfocus --sync "$box"
  xdotool key Return
done
for ((i = 0; i < 100; i++)); do
  [ "$(count_gemvara)" -eq 1 ] && break
  sleep 0.1
done
[ "$(count_gemvara)" -eq 1 ] || fail "$(count_gemvara) copies run after the refusals"
[ "$(windows_named "Gemvara v1.0" | grep -c .)" -eq 1 ] || fail "the running copy lost its window"
pass "of five copies started at once exactly one runs"
