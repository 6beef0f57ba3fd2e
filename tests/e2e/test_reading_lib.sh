# Typing a reading into the main window (not a test itself); source after lib.sh,
# which has the window helpers.

activate_main() {
  local main
  main=$(main_window | head -n1)
  [ -n "$main" ] || fail "no main window"
  focus_window "$main"
}

# Types the names into a freshly started main window, where the first name
# has the focus, and moves on to the first date list. Focus order: first,
# middle, last name, month, day, year, "Get My Gemvara Reading"; in a
# language that writes the day first, the day before the month.
type_names() {
  activate_main
  xdotool type --delay 20 "mira"
  xdotool key Tab Tab
  xdotool type --delay 20 "okafor"
  xdotool key Tab
}

# Picks the date in the three lists, starting with the first of them
# focused, and presses the button. The lists come as the language writes a
# date: month, day, year in English; date_order=dmy for a language that
# writes the day first.
date_order=mdy
pick_date_and_ask() {
  local day=$1 month=$2 year=$3
  if [ "$date_order" = dmy ]; then
    pick "$day"
    xdotool key Tab
    pick "$month"
  else
    pick "$month"
    xdotool key Tab
    pick "$day"
  fi
  xdotool key Tab
  pick "$year"
  xdotool key Tab space
}

# After Back the button still has the focus: step back to the first date
# list.
ask_again() {
  activate_main
  xdotool key shift+Tab shift+Tab shift+Tab
  pick_date_and_ask "$@"
}

# Types the whole entry into a focused drop-down list; the list's keyboard
# search selects the entry that starts with what was typed. The program
# takes these keys and the next ones in order, so nothing is waited for.
pick() {
  xdotool type --delay 40 "$1"
}

# Points in the reading window (window coordinates): the boxes of the two
# number pages and the gemstone text, and the tab captions in the tab row.
significance=(200 140)
interpretation=(200 215)
gem_text=(175 200)
tab_point() {
  case $1 in
    lifepath) echo "50 82" ;;
    birthday) echo "150 82" ;;
    gemstone) echo "255 82" ;;
  esac
}
# Clicks a tab of the reading window; a click on its page that follows
# reaches the page, as the program takes the clicks in order.
show_tab() {
  # shellcheck disable=SC2046
  xdotool mousemove --window "$1" $(tab_point "$2") click 1
}
