#!/usr/bin/env bash
# Runs one whole-program test script on a private Xvfb display with a window
# manager, in a throw-away home so the user's own settings are never touched.
#   run-under-xvfb.sh TEST_SCRIPT GEMVARA_EXECUTABLE
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

script=$1
work=$(mktemp -d "${TMPDIR:-/tmp}/gemvara-e2e.XXXXXX")

# Each test starts the program through its own link, so that counting or
# killing copies by command line never reaches another test's copies.
mkdir -p "$work/bin"
ln -s "$(readlink -f "$2")" "$work/bin/GemvaraFree"
export GEMVARA_EXE=$work/bin/GemvaraFree
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_RUNTIME_DIR=$work/run
mkdir -p "$HOME" "$XDG_CONFIG_HOME"
mkdir -m 700 "$XDG_RUNTIME_DIR"
export E2E_WORK=$work
unset QT_QPA_PLATFORM
# The program speaks the desktop's language: English unless the test asks
# for another (E2E_LANGUAGE).
export LANGUAGE=${E2E_LANGUAGE:-en}

pids=()
cleanup() {
  # Copies still running go first: with the display gone first they would
  # lose their X connection and leave through exit() instead.
  pkill -KILL -f "^$GEMVARA_EXE" 2>/dev/null || true
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# Xvfb picks a free display number itself and writes it to a file;
# E2E_SCREEN gives another screen size, for windows drawn at a larger scale.
Xvfb -displayfd 3 -screen 0 "${E2E_SCREEN:-1024x768x24}" -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "Xvfb did not start" >&2; cat "$work/xvfb.log" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$work/display")"

if command -v openbox >/dev/null; then
  start_window_manager
fi

bash "$script"
