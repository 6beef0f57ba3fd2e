# Helpers for whole-program tests. Sourced by the scripts in this folder;
# run-under-xvfb.sh has set DISPLAY, GEMVARA_EXE and a private home.

fail() { echo "FAIL: $*" >&2; exit 1; }
pass() { echo "ok: $*"; }

# Starts the program in the background; its pid is in $! afterwards.
start_gemvara() { "$GEMVARA_EXE" "$@" >>"$E2E_WORK/gemvara.log" 2>&1 & }

# Visible windows whose title is exactly $1, one id a line.
# A window that closes while xdotool walks the tree makes it die with an X
# error and print nothing, so such a search is repeated.
windows_named() {
  local out i err=$E2E_WORK/xdotool.err
  for i in 1 2 3 4 5; do
    if out=$(xdotool search --onlyvisible --name "^$1\$" 2>"$err"); then
      printf '%s\n' "$out"
      return 0
    fi
    grep -q "X Error" "$err" || return 0
    sleep 0.05
  done
}

# Runs "$@" every tenth of a second until it succeeds or $1 seconds have
# passed; the status says which.
poll() {
  local limit=$1 i
  shift
  for ((i = 0; i < limit * 10; i++)); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}

# Like poll for up to $WAIT_LIMIT seconds (10 by default), but a wait that
# runs out ends the test, saying what it waited for ($1).
wait_until() {
  local what=$1
  shift
  poll "${WAIT_LIMIT:-10}" "$@" || fail "gave up after ${WAIT_LIMIT:-10} s waiting for $what"
}

# Waits up to $2 seconds (default 10) until a window titled $1 is visible.
has_window() { [ -n "$(windows_named "$1")" ]; }
wait_for_window() { poll "${2:-10}" has_window "$1"; }

# Waits up to 15 s until exactly $2 visible windows are titled $1.
has_windows() { [ "$(windows_named "$1" | grep -c .)" -eq "$2" ]; }
wait_for_count() { poll 15 has_windows "$1" "$2"; }

# Waits until process $1 has ended; fails after $2 seconds (default 10).
has_ended() { ! kill -0 "$1" 2>/dev/null; }
wait_for_exit() { poll "${2:-10}" has_ended "$1"; }

# Starts openbox on $DISPLAY (its pid goes to the array pids, its log to
# $work/openbox.log) and waits until it has named itself on the root window.
wm_is_up() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
start_window_manager() {
  openbox --sm-disable >"$work/openbox.log" 2>&1 &
  pids+=($!)
  poll 10 wm_is_up || { cat "$work/openbox.log" >&2; fail "openbox did not start within 10 s"; }
}

# Counts running copies of the program.
count_gemvara() { pgrep -c -f "^$GEMVARA_EXE" || true; }

# Starts $1 copies at once; their pids are in the array pids afterwards.
start_copies() {
  local _
  pids=()
  for _ in $(seq "$1"); do
    start_gemvara
    pids+=($!)
  done
}

# Waits up to 10 s until the command "$@" prints something.
prints() { [ -n "$("$@")" ]; }
wait_for() { poll 10 prints "$@"; }

# --- Windows of the program -------------------------------------------------
# The main window, the reading window, the About window and the exit screen
# all carry this caption; message boxes carry "Gemvara". They are told apart
# by their size.
caption="Gemvara v1.0"
box_title="Gemvara"

windows_of_size() {
  local w
  for w in $(windows_named "$caption"); do
    xdotool getwindowgeometry "$w" 2>/dev/null | grep -q "Geometry: $1\$" && echo "$w"
  done
  return 0
}
reading_window() { windows_of_size 496x360; }
exit_screen() { windows_of_size 741x315; }
about_window() { windows_of_size 455x256; }

# Window $1 is where the program puts it, framed and in the middle of the
# screen: points in it can be clicked.
is_placed() {
  local x y w h left right top bottom width height
  read -r x y w h <<<"$(xwininfo -id "$1" 2>/dev/null |
    awk -F: '/Absolute upper-left X/ {x = $2} /Absolute upper-left Y/ {y = $2}
             / Width:/ {w = $2} / Height:/ {h = $2} END {print x, y, w, h}')"
  read -r left right top bottom <<<"$(xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.* = //p' | tr -d ,)"
  [ -n "${bottom:-}" ] && [ -n "${h:-}" ] || return 1
  read -r width height <<<"$(xdotool getdisplaygeometry)"
  # Twice the frame's distance from the middle, in each direction.
  local dx=$((2 * (x - left) + left + w + right - width)) dy=$((2 * (y - top) + top + h + bottom - height))
  [ "${dx#-}" -le 2 ] && [ "${dy#-}" -le 2 ]
}
# Under Wine, which places windows by its own idea of the frame, a window
# is placed once it is framed and has kept its place since the last look.
is_settled() {
  local now
  now=$(xwininfo -id "$1" 2>/dev/null | grep -E 'Absolute|IsViewable' | tr -d ' \n')
  if [[ $now == *IsViewable* ]] && xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | grep -q ' = ' &&
    [ "$now" = "${last_place:-}" ]; then
    return 0
  fi
  last_place=$now
  return 1
}
wait_placed() {
  last_place=
  wait_until "window $1 to be framed and placed" "${placed_check:-is_placed}" "$1"
}
# Each waits for the window, then for its place.
wait_for_reading_window() { wait_for reading_window && wait_placed "$(reading_window)"; }
wait_for_exit_screen() { wait_for exit_screen && wait_placed "$(exit_screen)"; }
wait_for_about_window() { wait_for about_window && wait_placed "$(about_window)"; }

# Waits until window $1 is drawn and keeps still, for a screenshot: two
# looks in a row give the same pixels, and more than one colour.
window_pixels() { import -window "$1" rgb:- 2>/dev/null | md5sum; }
drawn_and_still() {
  local now
  now=$(window_pixels "$1")
  [ "$now" = "${last_look:-}" ] && [ "$(import -window "$1" -format %k info: 2>/dev/null)" -gt 1 ] && return 0
  last_look=$now
  return 1
}
wait_drawn() {
  last_look=
  wait_until "window $1 to be drawn" drawn_and_still "$1"
}
# Waits until window $1 no longer shows the pixels $2 (from window_pixels)
# and is drawn again.
pixels_differ() { [ "$(window_pixels "$1")" != "$2" ]; }
wait_redrawn() {
  wait_until "window $1 to change" pixels_differ "$1" "$2"
  wait_drawn "$1"
}

# Gives window $1 the focus, through the window manager where it can, and
# waits until it has it: keys sent after that go to the window.
is_active() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ]; }
focus_window() {
  xdotool windowactivate --sync "$1" 2>/dev/null || xdotool windowfocus --sync "$1" 2>/dev/null || true
  wait_until "window $1 to have the focus" is_active "$1"
}

# Closes window $1 with Alt+F4, as a user does, and waits for the exit
# screen. On a loaded machine the key can reach the window manager before
# the window is active and close nothing, so it is pressed again while the
# window is still on screen.
close_for_exit_screen() {
  local try
  for try in 1 2 3; do
    if xwininfo -id "$1" 2>/dev/null | grep -q IsViewable; then
      focus_window "$1"
      xdotool key alt+F4
    fi
    wait_for_exit_screen && return 0
  done
  return 1
}

# Starts the program and waits up to 15 s for its first window, then until
# it has the focus; its pid is in $pid afterwards. $1 is what a failure says.
start_main_window() {
  start_gemvara
  pid=$!
  wait_for_window "$caption" 15 || fail "${1:-main window did not appear}"
  wait_until "the main window to have the focus" is_active "$(windows_named "$caption" | head -n1)"
}

# The main window: the one with the caption that is none of the others.
main_window() {
  local w others
  others=" $(reading_window) $(exit_screen) $(about_window) "
  for w in $(windows_named "$caption"); do
    case "$others" in *" $w "*) ;; *) echo "$w" ;; esac
  done
  return 0
}

# Gives window $1 the focus and presses OK (Enter), as in a message box.
answer_box() {
  focus_window "$1"
  xdotool key "${2:-Return}"
}

# Position of a window in the window manager's stacking order, bottom first.
stack_position() {
  xprop -root _NET_CLIENT_LIST_STACKING | tr -d ',' | tr ' ' '\n' | grep '^0x' |
    awk -v id="$(printf '0x%x' "$1")" 'tolower($0) == tolower(id) { print NR }'
}

# The window at the top of the stacking order, in decimal like xdotool's ids.
top_window() {
  local last
  last=$(xprop -root _NET_CLIENT_LIST_STACKING | tr -d ',' | tr ' ' '\n' | grep '^0x' | tail -n1)
  [ -n "$last" ] && printf '%d\n' "$last"
}

# --- Browser and clipboard --------------------------------------------------
# Pages go to a recording stand-in browser through xdg-open: with no desktop
# to detect and no registered handlers, xdg-open falls back to $BROWSER.
use_recording_browser() {
  unset XDG_CURRENT_DESKTOP DESKTOP_SESSION KDE_FULL_SESSION GNOME_DESKTOP_SESSION_ID \
        MATE_DESKTOP_SESSION_ID DEFAULT_BROWSER
  export XDG_DATA_DIRS=$E2E_WORK/share XDG_CONFIG_DIRS=$E2E_WORK/xdg XDG_DATA_HOME=$E2E_WORK/share-home
  mkdir -p "$XDG_DATA_DIRS" "$XDG_CONFIG_DIRS" "$XDG_DATA_HOME"
  export BROWSER=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/record-browser.sh
  export BROWSER_LOG=$E2E_WORK/browser.log
  : >"$BROWSER_LOG"
}
pages_opened() { grep -c . "$BROWSER_LOG" || true; }
# Waits up to 15 s until the browser log has $1 lines.
has_pages() { [ "$(pages_opened)" -ge "$1" ]; }
wait_for_pages() { poll 15 has_pages "$1"; }
page() { sed -n "${1}p" "$BROWSER_LOG" | cut -f1; }
# No xdg-open or browser started by this test's program runs any more.
no_browser_running() {
  local p
  for p in $(pgrep -f '/xdg-open |-browser\.sh' || true); do
    tr '\0' '\n' <"/proc/$p/environ" 2>/dev/null | grep -qx "E2E_WORK=$E2E_WORK" && return 1
  done
  return 0
}

# The text of selection $1 (clipboard or primary), and checks of it. An
# owner that does not answer (a program that hangs) gives nothing after 5 s.
selection() { timeout 5 xclip -o -selection "$1" 2>/dev/null || true; }
selection_is() { [ "$(selection "$1")" = "$2" ]; }
selection_is_not() { [ "$(selection "$1")" != "$2" ]; }
clipboard() { selection clipboard; }
clipboard_is() { selection_is clipboard "$1"; }
clipboard_is_not() { selection_is_not clipboard "$1"; }
# Fills selection $2 (the clipboard by default) from xclip, as another
# program does.
set_clipboard() {
  printf '%s' "$1" | xclip -i -selection "${2:-clipboard}"
  wait_until "xclip to fill the ${2:-clipboard}" selection_is "${2:-clipboard}" "$1"
}
# Copies the whole text of the focused box with Ctrl+A Ctrl+C.
copy_focused() {
  set_clipboard "(nothing copied yet)"
  xdotool key ctrl+a ctrl+c
  poll 10 clipboard_is_not "(nothing copied yet)" || fail "nothing was copied from the focused box"
}
# Offers file $1 on the clipboard from xclip, which ends when the program
# takes the clipboard over; the keys $2... are pressed in the focused box,
# the last of them a copy. Once xclip has gone, the program has taken every
# key, the paste included, and the clipboard holds what it copied.
offered() { clipboard | cmp -s - "$1"; }
keys_with_clipboard() {
  local file=$1 owner
  shift
  xclip -quiet -i -selection clipboard <"$file" >/dev/null 2>&1 &
  owner=$!
  wait_until "xclip to offer $file" offered "$file"
  xdotool key "$@"
  wait_for_exit "$owner" 10 || fail "the program did not copy after the keys $*"
}
# Waits until the clipboard holds $1; $2 says whose text it is.
expect_clipboard() {
  poll 10 clipboard_is "$1" || fail "$2 shows '$(clipboard | head -c 200)'"
}

# Copies the whole text of the box under point ($2, $3) of window $1 with
# Ctrl+A Ctrl+C. A guarded box ($4 = guarded) empties the clipboard when
# it is clicked; the keys wait for that, or the emptying might follow them.
copy_box() {
  local marker="(nothing copied yet)"
  set_clipboard "$marker"
  xdotool mousemove --window "$1" "$2" "$3" click 1
  [ "${4:-}" != guarded ] || wait_until "the guarded box to empty the clipboard" clipboard_is_not "$marker"
  xdotool key ctrl+a ctrl+c
  poll 10 clipboard_is_not "$marker" || fail "nothing was copied from the box at $2,$3"
  [ "${4:-}" != guarded ] || poll 10 clipboard_is_not "" || fail "nothing was copied from the guarded box at $2,$3"
}

# The settings file of the program and its stored date, named after the
# program whatever its file is called.
settings_file() { echo "$XDG_CONFIG_HOME/GemvaraFree/GemvaraFree.conf"; }
stored_date() { sed -n 's/^Duration=//p' "$(settings_file)" 2>/dev/null || true; }

# Text $2 of the catalogue file $1 (birthday, lifepath, gemdescriptions, program).
catalogue_text() {
  python3 -c 'import json,sys; print(json.load(open(sys.argv[1]))[sys.argv[2]], end="")' \
    "$(dirname "${BASH_SOURCE[0]}")/../../engine/data/$1.json" "$2"
}

# --- The exit screen's refer-a-friend form ------------------------------------
# Box centres in the window: Frame2 is at 8,216; its boxes at 6,24 / 240,24 /
# 6,48 / 240,48 (225 x 19); the submit button at 128,72, cmdClose at 400,184.
exit_point() {
  case $1 in
    txtName) echo "120 249" ;;
    txtEmail) echo "360 249" ;;
    txtFriendName) echo "120 273" ;;
    txtFriendEmail) echo "360 273" ;;
    cmdSubmit) echo "250 297" ;;
    cmdClose) echo "441 196" ;;
    *) fail "no point for $1" ;;
  esac
}
# Once a copy from the exit screen's name box is done, the program has
# dealt with everything sent to it before.
exit_screen_round_trip() {
  exit_click "$1" txtName
  printf 'marker' >"$E2E_WORK/marker"
  keys_with_clipboard "$E2E_WORK/marker" ctrl+a ctrl+c
}
# Clicks the control $2 of the exit screen $1. Keys typed next reach the
# control: the program takes the click and the keys in the order they came.
exit_click() {
  # shellcheck disable=SC2046
  xdotool mousemove --window "$1" $(exit_point "$2") click 1
}

# The values of the last referral address in the browser log, decoded, one
# "tafN=value" line each; line breaks inside a value are shown as \r and \n.
referral_values() {
  python3 - "$(tail -n1 "$BROWSER_LOG" | cut -f1)" <<'PY'
import sys, urllib.parse
query = sys.argv[1].split("?", 1)[1]
for part in query.split("&"):
    key, _, value = part.partition("=")
    value = urllib.parse.unquote(value, errors="strict")
    print(key + "=" + value.replace("\r", "\\r").replace("\n", "\\n"))
PY
}

# Under "set -e" a failing command ends a script without a word; this names it.
report_silent_failures() {
  set -E
  trap 'echo "FAIL: \"$BASH_COMMAND\" failed (line $LINENO of ${BASH_SOURCE[0]##*/})" >&2' ERR
}
