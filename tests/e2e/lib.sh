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

# Waits up to $2 seconds (default 10) until a window titled $1 is visible.
wait_for_window() {
  local title=$1 limit=${2:-10} i
  for ((i = 0; i < limit * 10; i++)); do
    [ -n "$(windows_named "$title")" ] && return 0
    sleep 0.1
  done
  return 1
}

# Waits up to 15 s until exactly $2 visible windows are titled $1.
wait_for_count() {
  local title=$1 want=$2 i
  for ((i = 0; i < 150; i++)); do
    [ "$(windows_named "$title" | grep -c .)" -eq "$want" ] && return 0
    sleep 0.1
  done
  return 1
}

# Waits until process $1 has ended; fails after $2 seconds (default 10).
wait_for_exit() {
  local pid=$1 limit=${2:-10} i
  for ((i = 0; i < limit * 10; i++)); do
    kill -0 "$pid" 2>/dev/null || return 0
    sleep 0.1
  done
  return 1
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
wait_for() {
  local i
  for ((i = 0; i < 100; i++)); do
    [ -n "$("$@")" ] && return 0
    sleep 0.1
  done
  return 1
}

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
wait_for_reading_window() { wait_for reading_window; }
wait_for_exit_screen() { wait_for exit_screen; }
wait_for_about_window() { wait_for about_window; }

# Gives window $1 the focus, through the window manager where it can.
focus_window() {
  xdotool windowactivate --sync "$1" 2>/dev/null || xdotool windowfocus --sync "$1" 2>/dev/null || true
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

# Starts the program and waits up to 15 s for its first window; its pid is
# in $pid afterwards. $1 is what a failure says.
start_main_window() {
  start_gemvara
  pid=$!
  wait_for_window "$caption" 15 || fail "${1:-main window did not appear}"
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
wait_for_pages() {
  local want=$1 i
  for ((i = 0; i < 150; i++)); do
    [ "$(pages_opened)" -ge "$want" ] && return 0
    sleep 0.1
  done
  return 1
}
page() { sed -n "${1}p" "$BROWSER_LOG" | cut -f1; }

clipboard() { xclip -o -selection clipboard 2>/dev/null || true; }

# Copies the whole text of the box under point ($2, $3) of window $1.
copy_box() {
  xdotool mousemove --window "$1" "$2" "$3" click 1
  sleep 0.2
  xdotool key ctrl+a ctrl+c
  sleep 0.3
}

# The settings file of the program and its stored date.
settings_file() {
  local app
  app=$(basename "$GEMVARA_EXE")
  echo "$XDG_CONFIG_HOME/$app/$app.conf"
}
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
# Clicks the control $2 of the exit screen $1.
exit_click() {
  # shellcheck disable=SC2046
  xdotool mousemove --window "$1" $(exit_point "$2") click 1
  sleep 0.2
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
