#!/usr/bin/env bash
# Run by package.sh through run-under-xvfb.sh with GEMVARA_EXE set to the
# installed program: it starts, shows its main window, and the window is
# one a desktop can match to the installed menu entry.
set -euo pipefail
source "$(dirname "$0")/../e2e/lib.sh"

title="Gemvara v1.0"
start_gemvara
pid=$!
wait_for_window "$title" 30 || { cat "$E2E_WORK/gemvara.log" >&2; fail "no window \"$title\""; }
kill -0 "$pid" 2>/dev/null || fail "the program ended by itself"
win=$(windows_named "$title" | head -n1)
[ "$(xdotool getwindowpid "$win")" = "$pid" ] || fail "\"$title\" is not the started program's window"
pass "installed program shows \"$title\""

# Desktops group a window with its menu entry (and show that entry's icon)
# by the window's class.
wm_class=$(xprop -id "$win" WM_CLASS)
want=$(sed -n 's/^StartupWMClass=//p' /usr/share/applications/com.orvanta.GemvaraFree.desktop)
[[ $wm_class == *", \"$want\"" ]] || fail "window class is $wm_class, the menu entry expects \"$want\""
xprop -id "$win" _NET_WM_ICON | head -c 200 | grep -q "not found" && fail "the window has no icon"
pass "window class $want and icon"

kill "$pid"
wait_for_exit "$pid" 10 || fail "the program did not end when killed"
pass "ended"
