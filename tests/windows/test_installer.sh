#!/usr/bin/env bash
# The Windows installer under Wine: a silent install puts the program, its
# DLLs, a Start-menu entry and an uninstaller in place; the program starts
# through the menu entry; a silent uninstall removes everything it
# installed and leaves the user's own setting.
set -euo pipefail
e2e=$(cd "$(dirname "${BASH_SOURCE[0]}")/../e2e" && pwd)
source "$e2e/lib.sh"
placed_check=is_settled
report_silent_failures

drive=$WINEPREFIX/drive_c
folder="$drive/Program Files/Gemvara"
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Gemvara'
store_key='HKCU\Software\GemvaraFree\GemvaraFree\Settings'
installed_copies() { pgrep -c -f "Program Files.Gemvara.GemvaraFree.exe" || true; }
menu_entry() { find "$drive" -path '*Start Menu*' -name 'Gemvara.lnk' 2>/dev/null; }
has_key() { wine reg query "$1" >/dev/null 2>&1; }

# 1. A silent install.
wine "$GEMVARA_PACKAGE" /S >>"$E2E_WORK/setup.log" 2>&1 || fail "the installer failed"
for f in GemvaraFree.exe Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll platforms/qwindows.dll \
         imageformats/qjpeg.dll styles/qwindowsvistastyle.dll libstdc++-6.dll \
         libgcc_s_seh-1.dll libwinpthread-1.dll Uninstall.exe; do
  [ -f "$folder/$f" ] || fail "not installed: $f"
done
entry=$(menu_entry)
[ -n "$entry" ] || fail "no Start-menu entry"
has_key "$uninstall_key" || fail "not listed among the installed programs ($uninstall_key)"
wine reg query "$uninstall_key" /v DisplayIcon 2>/dev/null | grep -q GemvaraFree.exe ||
  fail "the installed program's entry carries no icon"
pass "a silent install puts the program, its DLLs, a menu entry and an uninstaller in place"

# 2. The program starts through its menu entry and leaves through Exit.
wine start /unix "$entry" >>"$E2E_WORK/gemvara.log" 2>&1
wait_for_window "$caption" 60 || fail "the menu entry started no main window"
[ "$(installed_copies)" -eq 1 ] || fail "$(installed_copies) installed copies run"
close_for_exit_screen "$(main_window | head -n1)" || fail "closing the main window showed no exit screen"
focus_window "$(exit_screen)"
xdotool key alt+x
for ((i = 0; i < 150; i++)); do [ "$(installed_copies)" -eq 0 ] && break; sleep 0.1; done
[ "$(installed_copies)" -eq 0 ] || fail "Exit did not end the installed program"
has_key "$store_key" || fail "the installed program stored nothing in $store_key"
pass "the installed program starts from the menu and ends through Exit"

# 3. A silent uninstall. The uninstaller runs from a copy of itself that
# goes on after the first process has ended, so its work is waited for.
wine "$folder/Uninstall.exe" /S >>"$E2E_WORK/setup.log" 2>&1 || fail "the uninstaller failed"
for ((i = 0; i < 600; i++)); do [ -e "$folder" ] || break; sleep 0.1; done
[ ! -e "$folder" ] || fail "left behind: $(cd "$folder" && find . -mindepth 1 | head)"
[ -z "$(menu_entry)" ] || fail "the menu entry is left: $(menu_entry)"
has_key "$uninstall_key" && fail "still listed among the installed programs"
has_key 'HKLM\Software\Orvanta' && fail "the installer's registry key is left"
has_key "$store_key" || fail "the uninstall removed the user's setting"
pass "a silent uninstall removes what was installed and keeps the user's setting"
