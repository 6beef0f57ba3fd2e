#!/usr/bin/env bash
# A blind user's whole journey, by keyboard alone, with the Orca screen
# reader: each stop waits for what Orca says there. The About window and its
# links, the main window with every error message, the date lists and the
# links, a reading for 29 February 2000 (life path 6, birthday 29, the
# Cat's Eye) with its three results and its links, the exit screen's form
# and Exit.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/orca-lib.sh"
report_silent_failures
run_in_own_dbus_session

start_accessibility
start_orca
start_gemvara_for_orca

advert=$(catalogue_text program forumAdvertisement)
gemstones_line="Gemstones have a positive influence on our lives. Know more about the gemstones that are suitable for you based on numerology!"

stops=0
# The keys $1 (xdotool names, blank-separated), then each further argument
# is waited for in what Orca says.
stop() {
  local keys=$1 text
  shift
  # shellcheck disable=SC2086
  [ -n "$keys" ] && press $keys
  for text in "$@"; do wait_for_speech "$text" 30 "\"$text\" after \"${keys:-nothing}\""; done
  stops=$((stops + 1))
}
# The keys $1 reach the bottom band's link: whichever of the two offers the
# start put in front, and only that one.
stop_at_offer() {
  stop "$1" " link"
  local said
  said=$(spoken_since "$said_before")
  case $said in
    *"Click here for more details. link"*) ;;
    *"Click Here for more info on co-branding. link"*) ;;
    *) fail "\"$1\" reached no offer; Orca said: $said" ;;
  esac
}
# Waits up to 30 s for the program to end.
wait_for_program_end() {
  local i
  for ((i = 0; i < 300; i++)); do
    is_running "$pid" || return 0
    sleep 0.1
  done
  return 1
}

# --- Start and the About window -----------------------------------------------
stop "" "Gemvara v1.0 frame" "First Name text"
stop "F10" "File"
stop "Escape" "First Name text"
stop "alt+h" "Online Help"
stop "a" "Gemvara v1.0 dialog" "OK push button"
stop "Tab" "Click here to visit ${GEMVARA_FORUM_SITE:?} link"
stop "Return"
wait_for_pages 1 || fail "Enter on the About window's first link opened no page"
stop "Tab" "Click here for more details. link"
stop "Tab" "OK push button"
stop "Return" "Gemvara v1.0 frame" "First Name text"
[ "$(pages_opened)" = 1 ] || fail "the About window's links opened $(pages_opened) pages, not 1"

# --- The main window: each message, the date lists, the links -----------------
stop "alt+f" "Get My Gemvara Reading"
stop "Return" "alert Gemvara" "Please Enter Your First Name" "OK push button"
stop "Return" "First Name text"
type_text JANE
stop "Tab" "Middle Name text"
stop "Tab" "Last Name text"
stop "Tab" "Month of Birth combo box" "January"
stop "Down" "February"
stop "Tab" "Day of Birth combo box" "1"
stop "End" "31"
stop "Tab" "Year of Birth combo box" "1900"
stop "2" "2000"
stop "Tab" "Get My Gemvara Reading push button"
stop "space" "alert Gemvara" "Please Enter Your Last Name" "OK push button"
stop "Return" "Last Name text"
type_text DOE
stop "Tab" "Month of Birth combo box" "February"
stop "Tab" "Day of Birth combo box" "31"
stop "Tab" "Year of Birth combo box" "2000"
stop "Tab" "Get My Gemvara Reading push button"
stop "space" "alert Gemvara" "Please Enter Correct Date Or Month!" "OK push button"
stop "Return" "Get My Gemvara Reading push button"
stop "Tab" "$advert link"
stop "Tab" "$gemstones_line link"
stop "space"
wait_for_pages 2 || fail "Space on the main window's link opened no page"
stop_at_offer "Tab"
stop "Tab" "First Name text"
stop_at_offer "shift+Tab"
stop "shift+Tab" "$gemstones_line link"
stop "shift+Tab" "$advert link"
stop "shift+Tab" "Get My Gemvara Reading push button"
stop "shift+Tab" "Year of Birth combo box" "2000"
stop "shift+Tab" "Day of Birth combo box" "31"
stop "Up" "30"
stop "Up" "29"
stop "Tab" "Year of Birth combo box"
stop "Tab" "Get My Gemvara Reading push button"
[ "$(pages_opened)" = 2 ] || fail "the links opened $(pages_opened) pages, not 2"

# --- The reading ----------------------------------------------------------------
stop "Return" "Gemvara v1.0 frame" "Birthday Number 29 page tab list"
# Orca's flat review, line by line from the focus down, reaches the number
# on the page in front.
review=$(utterance_count)
press KP_8
for ((line = 0; line < 14; line++)); do
  said_before=$review
  wait_for_speech "Birthday number 29" 3 "" quiet && break
  press KP_9
done
said_before=$review
wait_for_speech "Birthday number 29" 30 "the birthday number in Orca's flat review"
stops=$((stops + 1))
stop "Tab" "Back push button"
stop "Tab" "Significance read only text" "Birthday number 29"
stop "Tab" "Interpretation read only text" "Birthday number 29"
stop "Tab" "$advert link"
stop "Tab" "Click Here for more info on co-branding. link"
stop "Tab" "Birthday Number 29 page tab list"
stop "Left" "Lifepath Number 6 page tab"
stop "Tab" "Back push button"
stop "Tab" "Significance read only text" "Life path number 6"
stop "shift+Tab" "Back push button"
stop "shift+Tab" "Lifepath Number 6 page tab list"
stop "Right" "Birthday Number 29 page tab"
stop "Right" "Gemstone For You: Cat’s Eye page tab"
stop "Tab" "Back push button"
stop "Tab" "More About Gemstone read only text" "Gemstone: Cat’s Eye"

# --- The exit screen --------------------------------------------------------------
stop "alt+F4" "Gemvara v1.0 frame" "Exit push button"
stop "Tab" "Click Here To Visit Orvanta Now check box"
stop "Tab" "Gemvara image"
stop "Tab" "Your Name text"
stop "Tab" "Refer A Friend Now push button"
stop "Tab" "Your Email Address text"
stop "space" "alert Gemvara" "Email Address Cannot Contain Space" "OK push button"
stop "Return" "Your Email Address text"
stop "Tab" "Friend's Email Address text"
stop "Tab" "Friend's Name text"
stop "Tab" "Click Here To Visit Orvanta Softwares link"
stop "Tab" "Exit push button"
stop "shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab" "Refer A Friend Now push button"
stop "space" "alert Gemvara" "Please Enter Proper Email Address" "OK push button"
stop "Return" "Refer A Friend Now push button"
stop "shift+Tab shift+Tab shift+Tab shift+Tab" "Exit push button"
press Return
wait_for_program_end || fail "Exit on the exit screen did not end the program within 30 s"
pass "Orca spoke as expected at all $stops stops"
