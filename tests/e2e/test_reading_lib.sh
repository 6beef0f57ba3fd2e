# Typing a reading into the main window (not a test itself); source after lib.sh,
# which has the window helpers.

activate_main() {
  local main
  main=$(main_window | head -n1)
  [ -n "$main" ] || fail "no main window"
  xdotool windowactivate --sync "$main" 2>/dev/null || true
  sleep 0.3
}

# Types the names into a freshly started main window, where the first name
# has the focus, and moves on to the first date list. Focus order: first,
# middle, last name, month, day, year, "Get My Gemvara Reading".
type_names() {
  activate_main
  xdotool type --delay 20 "mira"
  xdotool key Tab Tab
  xdotool type --delay 20 "okafor"
  xdotool key Tab
}

# Picks the date in the three lists, starting with the month list focused,
# and presses the button.
pick_date_and_ask() {
  local day=$1 month=$2 year=$3
  pick "$month"
  xdotool key Tab
  pick "$day"
  xdotool key Tab
  pick "$year"
  xdotool key Tab space
}

# After Back the button still has the focus: step back to the month list.
ask_again() {
  activate_main
  xdotool key shift+Tab shift+Tab shift+Tab
  pick_date_and_ask "$@"
}

# Types the whole entry into a focused drop-down list; the list's keyboard
# search selects the entry that starts with what was typed.
pick() {
  xdotool type --delay 40 "$1"
  sleep 0.5
}
