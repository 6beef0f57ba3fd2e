#!/usr/bin/env bash
# What users' machines do to the program: a settings store that cannot be
# written or holds garbage, a lock folder that cannot be used or a lock left
# damaged, no browser or one that never returns, a clipboard owner that does
# not answer. In each case the program starts (or refuses as it should),
# shows no message it should not, keeps running and keeps the stored date.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/lib.sh"
report_silent_failures
source "$here/test_reading_lib.sh"

# Qt falls back to a runtime folder under the temporary folder when the
# given one is unusable; keep that inside this test's own folder.
export TMPDIR=$E2E_WORK/tmp
mkdir -p "$TMPDIR"

faults=0
survived() { faults=$((faults + 1)); pass "$*"; }

store=$(settings_file)
store_dir=$(dirname "$store")
today=$(date +%F)
recent=$(date -d '3 days ago' +%F)

# Immutable folders stop even root, where permissions do not; they need a
# file system that has the flag (ext4, xfs, btrfs) and the right to set it.
probe=$E2E_WORK/immutable-probe
mkdir -p "$probe"
if chattr +i "$probe" 2>/dev/null && ! touch "$probe/f" 2>/dev/null; then
  immutable=yes
else
  immutable=no
fi
chattr -i "$probe" 2>/dev/null || true
unlock_all() { chattr -R -i "$E2E_WORK" 2>/dev/null || true; }
trap unlock_all EXIT

# Starts the program and expects its main window alone: no question, no
# refusal, no other message. Leaves the pid in $pid.
expect_plain_start() {
  ${starter:-start_gemvara}
  pid=$!
  wait_for_window "$caption" 15 || fail "$1: no main window"
  # Start-up shows its messages before the main window, never after.
  [ -z "$(windows_named "$box_title")" ] || fail "$1: a message box came up"
  [ "$(windows_named "$caption" | grep -c .)" -eq 1 ] || fail "$1: more than the main window"
  kill -0 "$pid" 2>/dev/null || fail "$1: the program ended"
}
# Leaves the program the user's way: the main window, then the exit screen.
leave() {
  local main
  main=$(main_window | head -n1)
  close_for_exit_screen "$main" || fail "no exit screen"
  exit_click "$(exit_screen)" cmdClose
  wait_for_exit "$pid" 10 || fail "the program did not end"
}
fresh_store() {
  unlock_all
  rm -rf "$store_dir"
  mkdir -p "$store_dir"
}

# 1. The settings store cannot be written.
rm -rf "$store_dir"
echo "not a folder" >"$store_dir"
expect_plain_start "settings folder is a file"
leave
[ "$(cat "$store_dir")" = "not a folder" ] || fail "the file in the folder's place was changed"
survived "a file where the settings folder belongs: plain start"

fresh_store
mkdir "$store"
expect_plain_start "settings file is a folder"
leave
[ -d "$store" ] || fail "the folder in the settings file's place is gone"
survived "a folder where the settings file belongs: plain start"

if [ "$immutable" = yes ]; then
  # An old date that cannot be replaced: the question comes at every
  # start, is answered, and the program starts all the same.
  fresh_store
  printf '[Settings]\nDuration=2020-01-01\n' >"$store"
  chattr +i "$store_dir"
  use_recording_browser
  for answer in Return Escape; do
    start_gemvara
    pid=$!
    wait_for_window "$box_title" 15 || fail "read-only store with an old date: no question ($answer)"
    answer_box "$(windows_named "$box_title")" "$answer"
    wait_for_window "$caption" 15 || fail "read-only store: no main window after the answer ($answer)"
    [ -z "$(windows_named "$box_title")" ] || fail "read-only store: another message box ($answer)"
    [ "$(windows_named "$caption" | grep -c .)" -eq 1 ] || fail "read-only store: more than the main window"
    kill -0 "$pid" 2>/dev/null || fail "read-only store: the program ended ($answer)"
    leave
  done
  [ "$(stored_date)" = "2020-01-01" ] || fail "the read-only store changed"
  wait_for_pages 1 || fail "Yes opened no page"
  [ "$(pages_opened)" -eq 1 ] || fail "Yes then No opened '$(cat "$BROWSER_LOG")'"
  unlock_all
  survived "a read-only settings folder (chattr +i) with an old date: the question at each start, then the main window"

  fresh_store
  chattr +i "$store_dir"
  expect_plain_start "read-only empty settings folder"
  leave
  unlock_all
  survived "a read-only empty settings folder (chattr +i): plain start"
else
  echo "skipped: read-only settings folder (chattr +i does not work here)"
fi

# 2. The settings file holds garbage.
garbage_case() {
  local name=$1
  expect_plain_start "$name"
  leave
  expect_plain_start "$name, second start"
  leave
}
fresh_store
printf '[Settings]\nDuration=not a date\n' >"$store"
cp "$store" "$E2E_WORK/before"
garbage_case "an unreadable date"
cmp -s "$store" "$E2E_WORK/before" || fail "an unreadable date was overwritten"
survived "an unreadable date: plain starts, the value left as it was"

fresh_store
head -c 65536 /dev/urandom >"$store"
garbage_case "64 KB of random bytes"
[ "$(stored_date)" = "$today" ] || fail "random bytes: no date stored afterwards ('$(stored_date)')"
survived "64 KB of random bytes: plain starts, today's date stored as on a first start"

fresh_store
# (Without quotes or backslashes: in this format they carry a value on
# over the line ends, and would take the date with them.)
{ head -c 4096 /dev/urandom | tr -d '[]=\n\r"\\'; printf '\n[Settings]\nDuration=%s\n' "$recent";
  printf '\0\0\377\376garbage\n[[[\n=\n'; } >"$store"
garbage_case "a recent date among binary garbage"
[ "$(stored_date)" = "$recent" ] || fail "the date among garbage became '$(stored_date)'"
survived "a recent date among binary garbage: plain starts, the date kept"

fresh_store
printf '[Settings]\nDuration=%s\n' "$recent" >"$store"

# 3. The lock folder cannot be used: the program still starts.
runtime=$XDG_RUNTIME_DIR
lock_case() {
  XDG_RUNTIME_DIR=$1 expect_plain_start "$2"
  leave
  survived "$2: plain start"
}
echo "a file" >"$E2E_WORK/runtime-file"
lock_case "$E2E_WORK/runtime-file" "the runtime folder is a file"
lock_case "$E2E_WORK/runtime-file/below" "the runtime folder lies below a file"
if [ "$immutable" = yes ]; then
  mkdir -m 700 "$E2E_WORK/runtime-locked"
  chattr +i "$E2E_WORK/runtime-locked"
  lock_case "$E2E_WORK/runtime-locked" "the runtime folder is read-only (chattr +i)"
  unlock_all
fi

# A lock left empty by a crash while it was being written: a fresh one is
# taken as a copy that is starting (refused); an old one as abandoned.
lock=$runtime/$(basename "$GEMVARA_EXE").lock
: >"$lock"
start_gemvara
pid=$!
wait_for_window "$box_title" 15 || fail "a fresh empty lock was not taken as a starting copy"
answer_box "$(windows_named "$box_title")"
wait_for_exit "$pid" 10 || fail "the refused copy did not end"
touch -d '1 minute ago' "$lock"
expect_plain_start "an old empty lock"
leave
printf 'garbage\n\377\n' >"$lock"
touch -d '1 hour ago' "$lock"
expect_plain_start "an old lock of garbage"
leave
survived "a damaged lock: refused while fresh, taken over when old"

# 4. No browser: pages that cannot open change nothing and show nothing.
use_recording_browser
open_visit_page() {
  local main
  main=$(main_window)
  focus_window "$main"
  xdotool key --delay 300 alt+h v
  # Once the About window asked for next has come and gone, the program has
  # dealt with the page; a browser it started has ended once none runs.
  xdotool key --delay 300 alt+h a
  wait_for_about_window || fail "$1: the program stopped answering after opening a page"
  xdotool key Escape
  wait_for_count "$caption" 1 || fail "$1: the About window did not close"
  [ -z "$(windows_named "$box_title")" ] || fail "$1: a message box came up"
  [ "$(main_window)" = "$main" ] || fail "$1: the main window changed"
  kill -0 "$pid" 2>/dev/null || fail "$1: the program ended"
}
BROWSER=false expect_plain_start "a browser that fails"
open_visit_page "a browser that fails"
# The referral from the exit screen, too.
close_for_exit_screen "$(main_window | head -n1)" || fail "no exit screen"
screen=$(exit_screen)
focus_window "$screen"
for box in txtName:Ann txtEmail:ann@example.org txtFriendName:Bo txtFriendEmail:bo@example.org; do
  exit_click "$screen" "${box%%:*}"
  xdotool key ctrl+a
  xdotool type --delay 10 "${box#*:}"
done
exit_click "$screen" cmdSubmit
exit_screen_round_trip "$screen"
wait_until "the browsers of this test to end" no_browser_running
[ -z "$(windows_named "$box_title")" ] || fail "a failed referral page showed a message"
[ "$(exit_screen)" = "$screen" ] || fail "the exit screen went away"
exit_click "$screen" cmdClose
wait_for_exit "$pid" 10 || fail "the program did not end"
survived "a browser that fails: Help page and referral show nothing, the program goes on"

mkdir -p "$E2E_WORK/empty-bin"
start_without_browser() {
  PATH=$E2E_WORK/empty-bin BROWSER= "$GEMVARA_EXE" >>"$E2E_WORK/gemvara.log" 2>&1 &
}
starter=start_without_browser expect_plain_start "no xdg-open and no browser"
open_visit_page "no xdg-open and no browser"
leave
[ "$(pages_opened)" -eq 0 ] || fail "a page opened without a browser: $(cat "$BROWSER_LOG")"
survived "no xdg-open on the path and no browser: nothing shown, the program goes on"

# A browser that never returns does not hold the program up.
cat >"$E2E_WORK/slow-browser.sh" <<'EOF'
#!/bin/sh
printf '%s\tslow\n' "$1" >>"$BROWSER_LOG"
echo $$ >>"$SLOW_PIDS"
exec tail -f /dev/null
EOF
chmod +x "$E2E_WORK/slow-browser.sh"
export SLOW_PIDS=$E2E_WORK/slow.pids
BROWSER=$E2E_WORK/slow-browser.sh expect_plain_start "a browser that never returns"
open_visit_page "a browser that never returns"
wait_for_pages 1 || fail "the slow browser was not started"
leave
while read -r slow; do kill "$slow" 2>/dev/null || true; done <"$SLOW_PIDS"
survived "a browser that never returns: the program keeps answering"

# 5. A clipboard owner that has stopped answering: pasting gives up after
# a while instead of hanging, and a reading still empties the clipboard.
expect_plain_start "a stopped clipboard owner"
printf 'held' | xclip -quiet -i -selection clipboard >/dev/null 2>&1 &
owner=$!
wait_until "xclip to hold the clipboard" clipboard_is held
kill -STOP "$owner"
activate_main
# The program takes the typing after the paste has given up, in order.
xdotool key ctrl+v
xdotool type --delay 20 "mira"
# Give up after a minute: a program that still waits then would be hung.
for ((i = 0; i < 600; i++)); do
  xdotool key ctrl+a ctrl+c
  sleep 0.1
  [ "$(timeout 2 xclip -o -selection clipboard 2>/dev/null || true)" = "MIRA" ] && break
done
[ "$i" -lt 600 ] || { kill -CONT "$owner"; fail "the program hangs on a clipboard owner that does not answer"; }
xdotool key Tab Tab
xdotool type --delay 20 "okafor"
xdotool key Tab
pick_date_and_ask 29 November 1999
wait_for_reading_window || fail "no reading with a stopped clipboard owner"
kill -CONT "$owner" 2>/dev/null || true
wait_for_exit "$owner" 5 || fail "the stopped owner kept the clipboard after the reading"
kill -0 "$pid" 2>/dev/null || fail "the program ended"
[ -z "$(windows_named "$box_title")" ] || fail "a message box came up"
close_for_exit_screen "$(reading_window)" || fail "no exit screen"
exit_click "$(exit_screen)" cmdClose
wait_for_exit "$pid" 10 || fail "the program did not end"
survived "a clipboard owner that does not answer: paste gives up, the reading empties the clipboard"

[ "$(stored_date)" = "$recent" ] || fail "the stored date became '$(stored_date)'"
echo "faults: $faults survived"
