#!/usr/bin/env bash
# The reading window's clipboard rule as Wayland programs see it, under a
# real compositor: weston runs in a window of this test's X display, with
# XWayland. The program runs once on XWayland (its own choice when an X
# display is there) and once natively. Input goes to weston's window with
# xdotool; the clipboard is read with wl-paste and filled with wl-copy.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/lib.sh"
report_silent_failures

for tool in weston wl-copy wl-paste Xwayland; do
  command -v "$tool" >/dev/null || fail "$tool is missing (scripts/install-deps.sh installs it)"
done

host_display=$DISPLAY
export WAYLAND_DISPLAY=gemvara-wayland-$$
cat >"$E2E_WORK/weston.ini" <<'EOF'
[core]
idle-time=0
[shell]
panel-position=none
background-color=0xff000000
EOF
weston --backend=x11-backend.so --fullscreen --width=1024 --height=768 --xwayland --socket="$WAYLAND_DISPLAY" \
  --config="$E2E_WORK/weston.ini" --log="$E2E_WORK/weston.log" >/dev/null 2>&1 &
weston_pid=$!
ended() {
  local p
  for p in "${gemvara_pid:-}" "$weston_pid"; do
    [ -n "$p" ] && kill "$p" 2>/dev/null || true
  done
}
trap 'ended' EXIT

xwayland_display() { sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$E2E_WORK/weston.log" 2>/dev/null; }
wait_for xwayland_display || fail "weston did not start XWayland: $(tail -n5 "$E2E_WORK/weston.log")"
xw_display=$(xwayland_display)
weston_window() { xdotool search --class '^Weston Compositor$' 2>/dev/null | head -n1; }
wait_for weston_window || fail "weston's window is not on the X display"
weston_window=$(weston_window)
xdotool windowfocus --sync "$weston_window"

# What other programs find on the clipboard; empty when it holds no text.
# The guard runs when the program has taken the pointer's move or the
# focus, a moment after the step: its emptying is waited for.
wl_clipboard_empty() { [ -z "$(wl_clipboard)" ]; }
wl_clipboard() { timeout 10 wl-paste -n -t text 2>/dev/null || true; }
wl_offer() {
  echo -n "$1" | timeout 10 wl-copy 2>/dev/null
  [ "$(wl_clipboard)" = "$1" ] || fail "wl-copy could not fill the clipboard"
}

# With E2E_SHOTS set to a folder, the screen is kept there at each stage.
shot() { [ -z "${E2E_SHOTS:-}" ] || import -window root "$E2E_SHOTS/$1.png"; }

# Weston's X window passes on pointer motion as steps from the last place
# it saw, so its pointer drifts away from the X pointer. Both meet again in
# a corner of the screen, where weston stops its pointer, before each move.
pointer_to() {
  xdotool mousemove 0 0 mousemove 1023 767 mousemove 0 0 mousemove "$1" "$2"
}

# The pointer rests in the bottom right corner, where weston draws nothing
# of it, so that the screen shows only the program's window on black.
park_pointer() { pointer_to 1023 767; }

# Where the program's one window on screen is: "left top width height" of
# the window with its frame, from a screenshot (weston draws the frame of an
# X window; Qt draws its own natively).
window_box() {
  park_pointer
  import -window root -depth 8 ppm:- 2>/dev/null | python3 -c '
import sys
data = sys.stdin.buffer.read()
magic, size, depth, raw = data.split(b"\n", 3)
w, h = map(int, size.split())
stride = w * 3
def lit(row):
    return [x for x in range(0, stride, 3) if max(row[x:x + 3]) > 40]
rows = [y for y in range(0, h, 2) if len(lit(raw[y * stride:(y + 1) * stride])) > 50]
if rows:
    top, bottom = rows[0], rows[-1]
    mid = raw[(top + bottom) // 2 * stride:((top + bottom) // 2 + 1) * stride]
    xs = lit(mid)
    print(xs[0] // 3, top, (xs[-1] - xs[0]) // 3 + 1, bottom - top + 1)
'
}

screen_empty() { [ -n "$(window_box)" ] || echo empty; }

# The reading window's client area is 496 x 360; a frame adds the same
# border left, right and below, and a title bar above.
reading_origin() {
  local box x y w h side
  box=$(window_box)
  [ -n "$box" ] || return 0
  read -r x y w h <<<"$box"
  side=$(((w - 496) / 2))
  if [ "$side" -ge 0 ] && [ "$side" -le 12 ] && [ "$h" -ge 360 ] && [ "$h" -le 420 ]; then
    echo "$((x + side)) $((y + h - 360 - side))"
  fi
}
wait_for_reading() {
  local i
  for ((i = 0; i < 100; i++)); do
    origin=$(reading_origin)
    [ -n "$origin" ] && return 0
    sleep 0.1
  done
  return 1
}

# Whether the reading window's title is drawn as the active window's:
# black letters, where an inactive window has grey ones.
title_active() {
  local ox oy
  read -r ox oy <<<"$origin"
  import -window root -depth 8 -crop "200x20+$((ox + 148))+$((oy - 24))" ppm:- 2>/dev/null | python3 -c '
import sys
raw = sys.stdin.buffer.read().split(b"\n", 3)[3]
dark = sum(1 for i in range(0, len(raw) - 2, 3) if max(raw[i:i + 3]) < 60)
print("yes" if dark > 30 else "")
'
}

# Moves the pointer to point ($1, $2) of the reading window, in steps, so
# that the window sees the pointer arrive.
point() {
  local ox oy
  read -r ox oy <<<"$origin"
  pointer_to $((ox + $1 - 4)) $((oy + $2))
  xdotool mousemove $((ox + $1)) $((oy + $2))
}

# Points on the "Birthday Number" page, in window pixels (as test_reading.sh).
# A loaded compositor may pass on only the end of the pointer's path, and Qt
# takes a pointer back where it last was as no move: a second visit to a box
# ends elsewhere in it.
significance="200 140"
significance_again="230 140"
interpretation="200 215"
back_button="300 290"

# Whether the interpretation box on screen shows selected text: the
# selection's blue, unlike the box's grey and magenta.
selection_shown() {
  local ox oy
  read -r ox oy <<<"$origin"
  import -window root -depth 8 -crop "340x40+$((ox + 120))+$((oy + 200))" ppm:- 2>/dev/null | python3 -c '
import sys
raw = sys.stdin.buffer.read().split(b"\n", 3)[3]
blue = sum(1 for i in range(0, len(raw) - 2, 3) if raw[i] < 120 and raw[i + 2] > 150 and raw[i + 1] < 200)
print("yes" if blue > 200 else "")
'
}

# Copies the whole interpretation of the reading window with Ctrl+C, or
# with its context menu's Copy when $1 is "menu". The click gives the
# window the keyboard focus, which arrives a little later: Ctrl+A is
# pressed until the box shows its text selected.
copy_interpretation() {
  # shellcheck disable=SC2086
  point $interpretation
  xdotool click 1
  local i
  for ((i = 0; i < 50; i++)); do
    xdotool key ctrl+a
    [ -n "$(selection_shown)" ] && break
    sleep 0.1
  done
  [ -n "$(selection_shown)" ] || { shot "$where no keys"; fail "$where: the interpretation box takes no keys ($origin)"; }
  if [ "${1:-}" = menu ]; then
    # The menu opens beside the pointer, above or below it, and takes its
    # key once it is on screen.
    local ox oy before
    read -r ox oy <<<"$origin"
    beside() { import -window root -depth 8 -crop "60x20+$((ox + 205))+$((oy + 205))" ppm:- 2>/dev/null | md5sum; }
    before=$(beside)
    xdotool click 3
    for ((i = 0; i < 50; i++)); do
      [ "$(beside)" != "$before" ] && break
      sleep 0.1
    done
    [ "$(beside)" != "$before" ] || fail "$where: the interpretation's context menu did not open"
    xdotool key c
  else
    xdotool key ctrl+c
  fi
}

# $1 names the platform in messages; the environment is set by the caller.
reading_on() {
  local where=$1 expected box
  expected=$(catalogue_text birthday 29)

  wl_offer "copied before the reading"
  "$GEMVARA_EXE" >>"$E2E_WORK/gemvara.log" 2>&1 &
  gemvara_pid=$!
  wait_for window_box || fail "$where: the main window did not appear"
  if [ "$where" != "XWayland" ]; then
    [ -z "$(DISPLAY=$xw_display windows_named "$caption")" ] || fail "$where: the program runs on XWayland"
  fi
  # A click on the title bar gives the main window the keyboard focus.
  read -r x y w h <<<"$(window_box)"
  pointer_to $((x + w / 2)) $((y + 8))
  xdotool click 1
  xdotool type --delay 30 "mira"
  xdotool key Tab Tab
  xdotool type --delay 30 "okafor"
  xdotool key Tab
  for field in November 29 1999; do
    xdotool type --delay 40 "$field"
    xdotool key Tab
  done
  xdotool key space
  shot "$where asked"
  wait_for_reading || { shot "$where no reading"; fail "$where: no reading window after asking ($(window_box))"; }
  shot "$where reading"
  poll 10 wl_clipboard_empty || fail "$where: showing a reading left '$(wl_clipboard)' on the clipboard"
  pass "$where: showing a reading empties the clipboard"

  local how got
  for how in keys menu; do
    copy_interpretation "$how"
    # shellcheck disable=SC2086
    point $back_button
    got=""
    for _ in $(seq 30); do
      got=$(wl_clipboard)
      [ -n "$got" ] && break
      sleep 0.1
    done
    [ "$got" = "$expected" ] || fail "$where: the interpretation copied ($how) is not on the clipboard: '$got'"
  done
  pass "$where: text copied from an interpretation, by keys or menu, stays on the clipboard"

  copy_interpretation
  # shellcheck disable=SC2086
  point $back_button
  # shellcheck disable=SC2086
  point $significance
  poll 10 wl_clipboard_empty || fail "$where: moving over the significance box kept '$(wl_clipboard)'"
  pass "$where: a mouse move over a guarded box empties the clipboard"

  # What another program put there goes the same way on XWayland. Natively
  # wl-copy takes the focus away; the window empties the clipboard when it
  # is active again. Weston may give the focus back by itself once the
  # helpers' windows are gone, before the click on the title bar: then the
  # emptying comes with no input of the window since wl-copy's, and weston
  # drops it, so the window empties it again at the pointer's arrival.
  wl_offer "copied elsewhere"
  if [ "$where" = "XWayland" ]; then
    # shellcheck disable=SC2086
    point $significance_again
    poll 10 wl_clipboard_empty || fail "$where: moving over the significance box again kept '$(wl_clipboard)'"
    pass "$where: a mouse move over a guarded box empties another program's text"
  else
    read -r x y w h <<<"$(window_box)"
    pointer_to $((x + w / 2)) $((y + 8))
    xdotool click 1
    wait_for title_active || fail "$where: a click on the title bar did not activate the window"
    # A click on the title bar is the decoration's, not the window's input;
    # the pointer's arrival in the window is.
    # shellcheck disable=SC2086
    point $back_button
    poll 10 wl_clipboard_empty || fail "$where: activating the reading window kept '$(wl_clipboard)'"
    pass "$where: the reading window empties the clipboard when it becomes active"
  fi

  kill "$gemvara_pid"
  wait_for_exit "$gemvara_pid" || fail "$where: the program did not end"
  gemvara_pid=
  # Weston fades a closed window out: the next run finds its own window
  # only on an empty screen.
  wait_for screen_empty || fail "$where: a window stays on screen after the program ended"
}

# 1. On XWayland, as the program chooses when an X display is there. The
# window belongs to the X display and carries the desktop entry's class.
unset QT_QPA_PLATFORM
export DISPLAY=$xw_display
"$GEMVARA_EXE" >>"$E2E_WORK/gemvara.log" 2>&1 &
gemvara_pid=$!
wait_for_window "$caption" 15 || fail "the program did not choose XWayland"
wm_class=$(xprop -id "$(windows_named "$caption" | head -n1)" WM_CLASS)
[ "$wm_class" = 'WM_CLASS(STRING) = "GemvaraFree", "GemvaraFree"' ] || fail "WM_CLASS is $wm_class"
grep -qx "StartupWMClass=GemvaraFree" "$here/../../dist/com.orvanta.GemvaraFree.desktop" ||
  fail "the desktop entry names another class"
kill "$gemvara_pid"
wait_for_exit "$gemvara_pid" || fail "the program did not end"
export DISPLAY=$host_display
wait_for screen_empty || fail "a window stays on screen after the program ended"
pass "with an X display the program runs on it, with the class of its desktop entry"

GEMVARA_EXE_REAL=$GEMVARA_EXE
GEMVARA_EXE=$E2E_WORK/on-xwayland
printf '#!/bin/sh\nDISPLAY=%s exec "%s"\n' "$xw_display" "$GEMVARA_EXE_REAL" >"$GEMVARA_EXE"
chmod +x "$GEMVARA_EXE"
reading_on "XWayland"

# 2. Natively, as the user asks with QT_QPA_PLATFORM even with an X display.
GEMVARA_EXE=$E2E_WORK/native
printf '#!/bin/sh\nDISPLAY=%s QT_QPA_PLATFORM=wayland exec "%s"\n' "$xw_display" "$GEMVARA_EXE_REAL" >"$GEMVARA_EXE"
chmod +x "$GEMVARA_EXE"
reading_on "native Wayland"

# 3. Natively Qt draws a maximise button on the fixed-size windows too. A
# click on it leaves the program running, the window at its size: the
# window follows the compositor into the maximised state and straight back.
# The program's Wayland requests are logged, to know when it has asked to
# leave that state again and the compositor has answered.
GEMVARA_EXE=$E2E_WORK/native-logged
printf '#!/bin/sh\nWAYLAND_DEBUG=client DISPLAY=%s QT_QPA_PLATFORM=wayland exec "%s"\n' "$xw_display" "$GEMVARA_EXE_REAL" >"$GEMVARA_EXE"
chmod +x "$GEMVARA_EXE"
"$GEMVARA_EXE" >"$E2E_WORK/wayland.log" 2>&1 &
gemvara_pid=$!
# The window's place, once two looks at the screen agree on it.
settled_box() {
  local first
  first=$(window_box)
  [ -n "$first" ] && [ "$(window_box)" = "$first" ] && echo "$first"
}
wait_for settled_box || fail "natively: the main window did not appear"
read -r x y w h <<<"$(settled_box)"
shot "native before maximise"
# Qt's title bar has close, maximise and minimise buttons from the right.
pointer_to $((x + w - 40)) $((y + 14))
xdotool click 1
answered() {
  kill -0 "$gemvara_pid" 2>/dev/null || { echo ended; return; }
  # After the request to leave the maximised state, the compositor's answer
  # is acknowledged.
  sed -n '/-> xdg_toplevel@[0-9]*\.unset_maximized/,$p' "$E2E_WORK/wayland.log" | grep -q -- '-> xdg_surface@[0-9]*\.ack_configure' || return 0
  [ "$(window_box)" = "$x $y $w $h" ] && echo back
}
wait_for answered || { shot "native maximise"; fail "natively: after a click on maximise the window is at $(window_box), not $x $y $w $h"; }
shot "native after maximise"
kill -0 "$gemvara_pid" 2>/dev/null || fail "natively: a click on maximise ended the program: $(grep -i error "$E2E_WORK/wayland.log" | tail -n2)"
pass "natively: a click on maximise leaves the program running at its size"
kill "$gemvara_pid"
wait_for_exit "$gemvara_pid" || fail "natively: the program did not end"
gemvara_pid=
