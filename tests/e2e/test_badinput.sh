#!/usr/bin/env bash
# Hostile text pasted through the real clipboard into every box of the
# running program: the name boxes, the reading's read-only boxes and the
# exit screen's form. Each box holds exactly what was pasted, the reading
# still comes, the read-only boxes stay as they were, and the referral page
# gets every value back exactly. (The megabyte cases run in-process in
# tests/ui/test_badinput.cpp. An address longer than one command-line
# argument may be cannot reach the browser: it opens nothing, silently, like
# any page that cannot open.)
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/lib.sh"
report_silent_failures
source "$here/test_reading_lib.sh"
use_recording_browser

cases=$E2E_WORK/cases
mkdir -p "$cases"
python3 - "$cases" <<'PY'
import sys
out = sys.argv[1]
emoji = "\U0001F600\U0001F469\u200D\U0001F469\u200D\U0001F467\U0001F3F3\uFE0F\u200D\U0001F308"
combining = "e" + "\u0301" * 300 + "z\u0352\u0489"
rtl = "\u05E9\u05DC\u05D5\u05DD \u0645\u0631\u062D\u0628\u0627 \u202Eevil\u202C \u200F!"
controls = "a\x01\x02\x1b[31m\x7f\tb\r\nc\x08\u0085\u2028"
cases = {
    "controls": controls,
    "emoji": emoji,
    "combining": combining,
    "rtl": rtl,
    "large": ((emoji + combining + rtl + controls + "abc & = + # % ") * 10)[:2000],
    # Encoded, more than one command-line argument may hold (128 KB).
    "toolong": emoji * 4000,
}
for name, text in cases.items():
    with open(f"{out}/{name}", "w", encoding="utf-8", newline="") as f:
        f.write(text)
PY
names=(controls emoji combining rtl large)
inputs=0

# The focused box, with file $1 pasted over its text, holds exactly that.
paste_and_check() {
  keys_with_clipboard "$1" ctrl+a ctrl+v ctrl+a ctrl+c
  clipboard | cmp -s - "$1" || fail "$2 holds '$(clipboard | head -c 80)', not what was pasted"
}

start_main_window

# 1. The name boxes: each holds what was pasted, and the reading comes.
for name in "${names[@]}"; do
  file=$cases/$name
  activate_main
  paste_and_check "$file" "the first name box ($name)"
  xdotool key Tab
  paste_and_check "$file" "the middle name box ($name)"
  xdotool key Tab
  paste_and_check "$file" "the last name box ($name)"
  xdotool key Tab Tab Tab Tab space
  wait_for_reading_window || fail "no reading with $name names"
  # A refusal would have come instead of the reading window.
  [ -z "$(windows_named "$box_title")" ] || fail "a message came up with $name names"
  win=$(reading_window)
  if [ "$name" = rtl ]; then
    # 2. The reading's boxes are read-only: pasting into any of them, the
    # guarded ones too, leaves the text shown as it was.
    for point in "200 140 guarded" "200 215"; do
      # shellcheck disable=SC2086
      copy_box "$win" $point
      clipboard >"$E2E_WORK/before"
      keys_with_clipboard "$file" ctrl+v t y p e d BackSpace Delete ctrl+a ctrl+c
      clipboard | cmp -s - "$E2E_WORK/before" || fail "the reading box at $point changed to '$(clipboard | head -c 80)'"
    done
    pass "pasting and typing into the reading's boxes changes nothing"
  fi
  focus_window "$win"
  xdotool key alt+b
  wait_for main_window || fail "Back did not bring the main window"
  activate_main
  xdotool key shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab
  inputs=$((inputs + 1))
  pass "names of $name text pasted into the three boxes: kept whole, the reading comes"
done

# 3. The exit screen's four boxes: the referral page gets each value back.
close_for_exit_screen "$(main_window | head -n1)" || fail "no exit screen"
screen=$(exit_screen)
focus_window "$screen"
for name in "${names[@]}" toolong; do
  file=$cases/$name
  { printf 'x'; cat "$file"; printf '@example.org'; } >"$E2E_WORK/email"
  { printf 'friend@example.org'; cat "$file"; } >"$E2E_WORK/friend-email"
  exit_click "$screen" txtName
  paste_and_check "$file" "the exit screen's name box ($name)"
  exit_click "$screen" txtEmail
  paste_and_check "$E2E_WORK/email" "the exit screen's address box ($name)"
  exit_click "$screen" txtFriendName
  paste_and_check "$file" "the exit screen's friend's name box ($name)"
  exit_click "$screen" txtFriendEmail
  paste_and_check "$E2E_WORK/friend-email" "the exit screen's friend's address box ($name)"
  before=$(pages_opened)
  exit_click "$screen" cmdSubmit
  if [ "$name" = toolong ]; then
    # Once a copy from the name box that follows the click is done, the
    # program has dealt with the click; a browser it started has written
    # its line once no xdg-open or browser of this test runs any more.
    exit_click "$screen" txtName
    keys_with_clipboard "$E2E_WORK/email" ctrl+a ctrl+c
    wait_until "the browsers this test started to end" no_browser_running
    [ "$(pages_opened)" -eq "$before" ] || fail "an address too long for the browser arrived cut"
    [ -z "$(windows_named "$box_title")" ] || fail "a message came up for an address too long to open"
    [ "$(exit_screen)" = "$screen" ] || fail "the exit screen went away"
    inputs=$((inputs + 1))
    pass "a referral too long for the browser opens nothing and shows nothing"
    continue
  fi
  wait_for_pages $((before + 1)) || fail "the referral with $name text opened no page"
  [ -z "$(windows_named "$box_title")" ] || fail "a message came up for $name text"
  python3 - "$(tail -n1 "$BROWSER_LOG" | cut -f1)" "$file" "$E2E_WORK/email" "$E2E_WORK/friend-email" <<'PY' ||
import sys, urllib.parse
address, name_file, email_file, friend_file = sys.argv[1:]
read = lambda p: open(p, encoding="utf-8", newline="").read().strip(" ")
pairs = [p.partition("=") for p in address.split("?", 1)[1].split("&")]
got = {k: urllib.parse.unquote(v, errors="strict") for k, _, v in pairs}
want = {"taf1": read(name_file), "taf2": read(email_file), "taf3": "Your Message\r\n",
        "taf4": read(name_file), "taf5": read(friend_file)}
for key, value in want.items():
    if got.get(key) != value:
        sys.exit(f"{key}: got {got.get(key)!r:.120}, want {value!r:.120}")
PY
    fail "the referral with $name text did not carry the boxes exactly"
  inputs=$((inputs + 1))
  pass "$name text in the four referral boxes reaches the page exactly"
done
exit_click "$screen" cmdClose
wait_for_exit "$pid" 10 || fail "the program did not end"
echo "bad input: $inputs cases on the real display"
