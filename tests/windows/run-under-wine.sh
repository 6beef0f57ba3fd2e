#!/usr/bin/env bash
# Runs one whole-program test of the Windows program: a private Xvfb display
# with a window manager, and a fresh Wine prefix whose browser is a
# recording stand-in. Everything goes with the work folder at the end.
#   run-under-wine.sh TEST_SCRIPT PACKAGE
# GEMVARA_SHOTS: a folder for the screenshots the test takes on its way.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/../e2e/lib.sh"

script=$1
export GEMVARA_PACKAGE=$(readlink -f "$2")
[ -f "$GEMVARA_PACKAGE" ] || { echo "no package $2" >&2; exit 1; }
work=$(mktemp -d "${TMPDIR:-/tmp}/gemvara-wine.XXXXXX")
export E2E_WORK=$work WINEPREFIX=$work/prefix WINEDEBUG=-all
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_RUNTIME_DIR=$work/run
mkdir -p "$HOME" "$XDG_CONFIG_HOME"
mkdir -m 700 "$XDG_RUNTIME_DIR"
# The program must find its DLLs in its own folder, not through these.
unset QT_QPA_PLATFORM WINEPATH QT_PLUGIN_PATH

pids=()
cleanup() {
  # The prefix's Windows processes go with its wineserver.
  wineserver -k 2>/dev/null || true
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "Xvfb did not start" >&2; cat "$work/xvfb.log" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$work/display")"
start_window_manager

bash "$here/make-prefix.sh" "$WINEPREFIX" x11
export WINEDLLOVERRIDES="mscoree,mshtml="

# Wine hands web addresses to the first program of this list.
export BROWSER_LOG=$work/browser.log
: >"$BROWSER_LOG"
printf '#!/bin/sh\nprintf "%%s\\n" "$1" >>"%s"\n' "$BROWSER_LOG" >"$work/browser.sh"
chmod +x "$work/browser.sh"
wine reg add 'HKCU\Software\Wine\WineBrowser' /v Browsers /t REG_SZ /d "$work/browser.sh" /f >/dev/null 2>&1

bash "$script"
