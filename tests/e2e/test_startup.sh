#!/usr/bin/env bash
# Start-up of the real program: the main window comes up, a second copy is
# refused with its message and ends after OK (also when its file has
# another name, or it is started through a link under another name), the
# first copy stays, and closing the main window does not end the program.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/lib.sh"

# 1. The first copy shows its main window.
start_main_window
first=$pid
main_win=$(windows_named "Gemvara v1.0")
geometry=$(xdotool getwindowgeometry "$main_win" | sed -n 's/ *Geometry: //p')
case "$geometry" in
  427x*) ;;
  *) fail "main window is $geometry, not 427 pixels wide" ;;
esac
pass "first copy shows 'Gemvara v1.0' ($geometry)"

# 2. A second copy says so, ends after OK, and leaves the first alone. A
#    copy of the file under another name, and a link to it under another
#    name, are the same program.
cp "$GEMVARA_EXE" "$E2E_WORK/Other"
ln -s "$GEMVARA_EXE" "$E2E_WORK/gemvara"
for second_exe in "$GEMVARA_EXE" "$E2E_WORK/Other" "$E2E_WORK/gemvara"; do
  "$second_exe" >>"$E2E_WORK/gemvara.log" 2>&1 &
  second=$!
  wait_for_window "Gemvara" 15 || fail "second copy ($second_exe) showed no message"
  box=$(windows_named "Gemvara")
  [ "$(windows_named "Gemvara v1.0" | grep -c .)" -eq 1 ] || fail "second copy ($second_exe) opened a main window"
  kill -0 "$second" 2>/dev/null || fail "second copy ($second_exe) ended before OK was pressed"
  answer_box "$box"
  wait_for_exit "$second" 10 || fail "second copy ($second_exe) still runs after OK"
  wait "$second" && code=0 || code=$?
  [ "$code" -eq 0 ] || fail "second copy ($second_exe) ended with code $code"
  kill -0 "$first" 2>/dev/null || fail "first copy ended"
  now=$(windows_named "Gemvara v1.0"); [ "$now" = "$main_win" ] || fail "first copy's main window changed: was $main_win, now $(echo $now)"
  [ "$(count_gemvara)" -eq 1 ] || fail "$(count_gemvara) copies run"
  pass "second copy ($(basename "$second_exe")) showed its message, ended after OK; first copy untouched"
done

# 3. Closing the main window removes it but the program goes on: the exit
#    screen (another window of the same caption) takes over.
xdotool windowactivate --sync "$main_win" 2>/dev/null || xdotool windowfocus --sync "$main_win"
xdotool key alt+F4
for ((i = 0; i < 150; i++)); do
  windows_named "Gemvara v1.0" | grep -qx "$main_win" || break
  sleep 0.1
done
windows_named "Gemvara v1.0" | grep -qx "$main_win" && fail "main window did not close"
kill -0 "$first" 2>/dev/null || fail "closing the main window ended the program"
wait_for_window "Gemvara v1.0" 15 || fail "nothing took over from the main window"
pass "closing the main window leaves the program running"
kill -KILL "$first"
