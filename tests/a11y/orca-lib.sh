# Helpers for tests that listen to the program through the Orca screen
# reader. Sourced by a script that run-under-xvfb.sh runs (display, window
# manager and a throw-away home are set up); it sources tests/e2e/lib.sh too.
#
# What Orca says is read from its debug log, where each utterance is a line
# "SPEECH OUTPUT: '...'". Speech itself goes to speech-dispatcher's dummy
# voice, which needs no sound card.

a11y_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=../e2e/lib.sh
source "$a11y_dir/../e2e/lib.sh"

orca_log=$E2E_WORK/orca.log
a11y_pids=()

# Runs the calling script again inside a D-Bus session of its own, which
# ends with it; everything below uses that session.
run_in_own_dbus_session() {
  [ -n "${ORCA_TEST_SESSION:-}" ] && return 0
  ORCA_TEST_SESSION=1 exec dbus-run-session -- bash "$0" "$@"
}

# Ends, by their ids, the processes these helpers started. Orca is asked to
# stop first, so that it leaves in its own way.
stop_accessibility() {
  local p spd_pid
  stop_orca
  # ORCA_LOG_COPY names a file that gets Orca's whole log, to read later.
  if [ -n "${ORCA_LOG_COPY:-}" ]; then cp "$orca_log" "$ORCA_LOG_COPY" || true; fi
  if [ -n "${pid:-}" ]; then kill "$pid" 2>/dev/null || true; fi
  for p in "${a11y_pids[@]}"; do kill "$p" 2>/dev/null || true; done
  # Orca's speech connection starts speech-dispatcher, which notes its id in
  # the private runtime folder of this test.
  spd_pid=$(cat "$XDG_RUNTIME_DIR/speech-dispatcher/pid/speech-dispatcher.pid" 2>/dev/null || true)
  if [ -n "$spd_pid" ]; then kill "$spd_pid" 2>/dev/null || true; fi
  return 0
}

# The accessibility bus, and speech-dispatcher set to the dummy voice
# through the null sound device.
start_accessibility() {
  export GSETTINGS_BACKEND=memory
  mkdir -p "$XDG_CONFIG_HOME/speech-dispatcher"
  cat >"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf" <<'CONF'
AddModule "dummy" "sd_dummy" ""
DefaultModule dummy
AudioOutputMethod "alsa"
AudioALSADevice "null"
CONF
  trap stop_accessibility EXIT
  /usr/libexec/at-spi-bus-launcher --launch-immediately >"$E2E_WORK/a11y-bus.log" 2>&1 &
  a11y_pids+=($!)
  local i
  for ((i = 0; i < 300; i++)); do
    dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
      org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q 'boolean true' &&
      return 0
    sleep 0.1
  done
  cat "$E2E_WORK/a11y-bus.log" >&2
  fail "the accessibility bus did not start within 30 s"
}

# Starts the program with its accessibility bridge on; its id is in $pid.
# Its pages go to the recording browser, set up for the program alone:
# Orca needs the system's data folders that the recorder replaces.
start_gemvara_for_orca() {
  BROWSER_LOG=$E2E_WORK/browser.log
  : >"$BROWSER_LOG"
  (
    use_recording_browser
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 exec "$GEMVARA_EXE" >>"$E2E_WORK/gemvara.log" 2>&1
  ) &
  pid=$!
}

# --- What Orca says -----------------------------------------------------------
# The utterances so far, one a line, without Orca's voice settings (a
# voice, or a list of them, written after the text).
utterances() {
  sed -nE "s/^.*SPEECH OUTPUT: '(.*)'( voice=[^ {]+)?( ?\[?\{.*\}\]?)?$/\1/p" "$orca_log" 2>/dev/null
}
utterance_count() { utterances | grep -c '' || true; }
# What Orca has said after the first $1 utterances, on one line.
spoken_since() { utterances | tail -n +"$(($1 + 1))" | tr '\n' ' '; }

# The last utterances and what Orca noted before them, for a failure report.
show_recent_speech() {
  echo "--- last utterances:" >&2
  utterances | tail -n 25 | sed 's/^/  /' >&2
  echo "--- end of Orca's log:" >&2
  tail -n 40 "$orca_log" | cut -c1-300 >&2
}

# The number of utterances when the last key was pressed: what a wait
# listens to begins there.
said_before=0

# Starts Orca and waits until it says it is on. Another Orca of the same
# user makes it refuse to start, so it is tried again until that one ends.
start_orca() {
  local i
  : >"$orca_log"
  for ((i = 0; i < 120; i++)); do
    python3 "$a11y_dir/orca-on-pty.py" "$orca_log" &
    orca_pid=$!
    if wait_for_speech "Screen reader on" 40 "Orca to start" quiet; then
      return 0
    fi
    if grep -q "already running" "$orca_log"; then
      wait "$orca_pid" 2>/dev/null || true
      orca_pid=
      [ "$i" = 0 ] && echo "waiting for another Orca of this user to end" >&2
      sleep 1
      continue
    fi
    show_recent_speech
    fail "Orca did not start within 40 s"
  done
  fail "another Orca of this user ran for two minutes; this test needs to be alone"
}

# Whether process $1 runs (an ended child that was not waited for does not).
is_running() {
  local state
  state=$(ps -o stat= -p "$1" 2>/dev/null) && [ "${state:0:1}" != Z ]
}

# Asks Orca to stop and waits up to 15 s for it to end.
stop_orca() {
  [ -n "${orca_pid:-}" ] || return 0
  local i
  kill -TERM "$orca_pid" 2>/dev/null || true
  for ((i = 0; i < 150; i++)); do
    is_running "$orca_pid" || break
    sleep 0.1
  done
  is_running "$orca_pid" && kill -KILL "$orca_pid" 2>/dev/null
  wait "$orca_pid" 2>/dev/null || true
  orca_pid=
}

# Waits up to $2 seconds (default 20) until Orca, since the last key, has
# said something that contains $1 (a fixed text). $3 says what was waited
# for; without $4 a failure ends the test with the recent speech.
wait_for_speech() {
  local text=$1 limit=${2:-20} what=${3:-"Orca to say \"$1\""} i
  for ((i = 0; i < limit * 10; i++)); do
    spoken_since "$said_before" | grep -qF -- "$text" && return 0
    sleep 0.1
  done
  [ -n "${4:-}" ] && return 1
  show_recent_speech
  fail "waited $limit s for $what; Orca said: $(spoken_since "$said_before")"
}

# Presses the keys $1... (xdotool names) and marks where Orca's answer begins.
press() {
  said_before=$(utterance_count)
  echo "### keys: $*" >>"$orca_log"
  xdotool key --delay 150 "$@"
}

# Presses the keys $1 and waits until Orca says $2; the other arguments as
# for wait_for_speech.
press_and_hear() {
  local keys=$1
  shift
  # shellcheck disable=SC2086
  press $keys
  wait_for_speech "$@"
}

# Types the text $1 and waits until Orca has echoed its last character.
type_text() {
  said_before=$(utterance_count)
  echo "### type: $1" >>"$orca_log"
  xdotool type --delay 150 "$1"
}
