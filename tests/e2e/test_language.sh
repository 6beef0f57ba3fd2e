#!/usr/bin/env bash
# A whole reading in the desktop's language (E2E_LANGUAGE), read back as a
# screen reader finds it: the day's list first, as each language tested
# here writes a date, then the month list in the language; and for 29
# November 1999 the life path number 5 and the birthday number 29 with
# their texts, and the Cat's Eye with its name and description, all in the
# language's own words.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/../a11y/orca-lib.sh"
source "$here/test_reading_lib.sh"
report_silent_failures
run_in_own_dbus_session
language=${E2E_LANGUAGE:?E2E_LANGUAGE not set}
november=${E2E_NOVEMBER:?E2E_NOVEMBER not set} # the month's name in the language
data=$here/../../engine/data/$language

# The translation of $2 in context $1, from the language's .ts file.
translated() {
  /usr/bin/python3 - "$here/../../translations/gemvara_$language.ts" "$1" "$2" <<'PY'
import sys, xml.etree.ElementTree as ET
for context in ET.parse(sys.argv[1]).getroot().iter("context"):
    if context.findtext("name") == sys.argv[2]:
        for message in context.iter("message"):
            if message.findtext("source") == sys.argv[3]:
                print(message.findtext("translation"), end="")
PY
}
json_text() {
  /usr/bin/python3 -c 'import json,sys; print(json.load(open(sys.argv[1]))[sys.argv[2]].replace("\n", "\\n"), end="")' "$data/$1.json" "$2"
}
found() { /usr/bin/python3 "$here/../a11y/atspi-texts.py" GemvaraFree; }
finds() { found | grep -F -- "$1" >/dev/null; }

start_accessibility
(QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 exec "$GEMVARA_EXE" >>"$E2E_WORK/gemvara.log" 2>&1) &
pid=$!
wait_for_window "$caption" 15 || fail "the main window did not appear"
type_names
# The day first; then the month list in the language, where November is
# eleven entries down. A screen reader finds the two lists in that order.
pick 29
xdotool key Tab
xdotool key --delay 40 Down Down Down Down Down Down Down Down Down Down
shows_date() { [ "$(found | awk -F'\t' '$1 == "combo box" { print $3 }' | head -n2 | paste -sd' ')" = "29 $november" ]; }
poll 10 shows_date || { found >&2; fail "the date lists do not show '29', then '$november'"; }
xdotool key Tab
pick 1999
xdotool key Tab space
wait_for_reading_window || fail "no reading window"

expect() {
  poll 15 finds "$1" || { found >&2; fail "$2: no '$1'"; }
}
expect "$(translated frmDisplay "Life path number %1" | sed 's/%1/5/')" "the life path number"
expect "$(translated frmDisplay "Birthday number %1" | sed 's/%1/29/')" "the birthday number"
gem=$(translated Gemstones "Cat’s Eye")
expect "$(translated frmDisplay "Gemstone: %1" | sed "s/%1/$gem/")" "the gemstone's name"
expect "$(json_text lifepath 5)" "the life path text"
expect "$(json_text birthday 29)" "the birthday text"
expect "$(json_text gemdescriptions "Cat's eye")" "the gemstone's description"
expect "$(translated Catalogue "This describes what may happen in your middle years. It also tells you about the various talents you possess.")" "the birthday significance"
pass "a reading in '$language' for 29 $november 1999: 5, 29 and $gem, with their texts"
