# Helpers for whole-program tests. Sourced by the scripts in this folder;
# run-under-xvfb.sh has set DISPLAY, GEMVARA_EXE and a private home.

fail() { echo "FAIL: $*" >&2; exit 1; }
pass() { echo "ok: $*"; }

# Starts the program in the background; its pid is in $! afterwards.
start_gemvara() { "$GEMVARA_EXE" "$@" >>"$E2E_WORK/gemvara.log" 2>&1 & }

# Visible windows whose title is exactly $1, one id a line.
# A window that closes while xdotool walks the tree makes it die with an X
# error and print nothing, so such a search is repeated.
windows_named() {
  local out i err=$E2E_WORK/xdotool.err
  for i in 1 2 3 4 5; do
    if out=$(xdotool search --onlyvisible --name "^$1\$" 2>"$err"); then
      printf '%s\n' "$out"
      return 0
    fi
    grep -q "X Error" "$err" || return 0
    sleep 0.05
  done
}

# Waits up to $2 seconds (default 10) until a window titled $1 is visible.
wait_for_window() {
  local title=$1 limit=${2:-10} i
  for ((i = 0; i < limit * 10; i++)); do
    [ -n "$(windows_named "$title")" ] && return 0
    sleep 0.1
  done
  return 1
}

# Waits until process $1 has ended; fails after $2 seconds (default 10).
wait_for_exit() {
  local pid=$1 limit=${2:-10} i
  for ((i = 0; i < limit * 10; i++)); do
    kill -0 "$pid" 2>/dev/null || return 0
    sleep 0.1
  done
  return 1
}

# Counts running copies of the program.
count_gemvara() { pgrep -c -f "^$GEMVARA_EXE" || true; }
