#!/usr/bin/env bash
# Builds the benchmarks in release and runs them on a private Xvfb display
# (no window manager), in a throw-away home so that no setting, lock or
# reminder date of the user's is read or written:
#   - the reading engine: one reading, and every date the lists can form;
#   - start-up to the first paint of the main window, Gemvara against a bare
#     Qt Widgets program with one empty window of the same size and against
#     the same with one line of text (the price of showing any text at all);
#   - a reading: from the click on Next to the reading window painted;
#   - instructions (valgrind's callgrind), which the load of the machine does
#     not change: to the first paint, Gemvara against the window with one
#     line of text, and for a warm reading, in English, Spanish and Hindi,
#     each with its target.
# Times vary with the load of the machine; run it on a quiet one.
#   scripts/bench.sh [start-up runs] [readings]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-31}
readings=${2:-101}

bash scripts/install-deps.sh
bash scripts/apt-install-missing.sh valgrind
cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DGEMVARA_BUILD_TESTS=OFF -DGEMVARA_BUILD_TOOLS=OFF -DGEMVARA_BUILD_BENCH=ON
cmake --build build/bench --target bench_engine startup_bench gemvara_probe bare_probe \
  label_probe reading_probe
bench=build/bench/bench

work=$(mktemp -d "${TMPDIR:-/tmp}/gemvara-bench.XXXXXX")
xvfb=
cleanup() {
  [ -z "$xvfb" ] || kill "$xvfb" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_RUNTIME_DIR=$work/run
mkdir -p "$HOME" "$XDG_CONFIG_HOME"
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM

# Xvfb picks a free display number itself and writes it to a file.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "Xvfb did not start" >&2; cat "$work/xvfb.log" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$work/display")"

echo "== reading engine"
"$bench/bench_engine" --benchmark_min_time=0.2
echo
echo "== start-up"
"$bench/startup_bench" -n "$runs" "$bench/gemvara_probe" "$bench/bare_probe" "$bench/label_probe"
echo
echo "== reading"
"$bench/reading_probe" "$readings"

# The instructions of one run under callgrind, of the main process alone: Qt's
# D-Bus autolaunch forks a child, which would report the parent's count too.
instructions() {
  valgrind --tool=callgrind --callgrind-out-file="$work/callgrind.%p" "$@" \
    >/dev/null 2>"$work/callgrind.log" &
  local pid=$!
  wait "$pid"
  sed -n "s/^==$pid== Collected : //p" "$work/callgrind.log"
}
millions() { awk -v n="$1" 'BEGIN { printf "%.1f M", n / 1e6 }'; }
# The median of three runs: where the co-brand draw puts the other offer
# in front, that one is fitted and drawn as well.
median3() { printf '%s\n' "$("$@")" "$("$@")" "$("$@")" | sort -n | sed -n 2p; }

echo
echo "== instructions (callgrind)"
warm=5
printf '%-8s %14s %10s %6s %8s %14s %8s\n' "" "first paint" "one label" ratio target \
  "warm reading" target
for language in en:English:1.55:28 es:Spanish:1.55: hi:Hindi:1.95:50; do
  IFS=: read -r code name ratioTarget readingTarget <<<"$language"
  gemvara=$(LANGUAGE=$code median3 instructions "$bench/gemvara_probe")
  label=$(LANGUAGE=$code instructions "$bench/label_probe")
  reading=-
  if [ -n "$readingTarget" ]; then
    reading=$(LANGUAGE=$code instructions --collect-atstart=no "$bench/reading_probe" $((warm + 1)))
    reading=$(millions $((reading / warm)))
    readingTarget="<= $readingTarget M"
  fi
  printf '%-8s %14s %10s %6s %8s %14s %8s\n' "$name" "$(millions "$gemvara")" \
    "$(millions "$label")" "$(awk -v a="$gemvara" -v b="$label" 'BEGIN { printf "%.2f", a / b }')" \
    "<= $ratioTarget" "$reading" "${readingTarget:--}"
done
