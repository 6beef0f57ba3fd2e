#!/usr/bin/env bash
# Installs what is missing, builds everything (tests and benchmarks) and
# runs the whole test suite. Needs no display: widget tests run offscreen and
# whole-program tests start their own Xvfb.
#   bash scripts/test.sh           everything, as CI runs it
#   bash scripts/test.sh --quick   while at work: the layout, the gcc build,
#                                  the unit tests, and the linter on the files
#                                  changed since main
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
quick=0
case "${1:-}" in
  --quick) quick=1 ;;
  "") ;;
  *) echo "usage: scripts/test.sh [--quick]" >&2; exit 2 ;;
esac
# Each step says when it starts, counted from the start of the run.
step() { echo "== +${SECONDS}s: $*"; }
step "installing what is missing"
bash scripts/install-deps.sh
source scripts/cache-env.sh
ccache --zero-stats >/dev/null
windows=$([ "$quick" = 0 ] && [ "${GEMVARA_SKIP_WINDOWS:-0}" != 1 ] && echo 1 || echo 0)

# Qt for Windows is built once per machine and takes the longest part of a
# first run. It is built at the lowest priority beside the Linux passes,
# which leave the processors idle much of the time while they wait on the
# program; the Windows leg waits for it.
qt_build=
if [ "$windows" = 1 ]; then
  # Installed here as well as by the Qt build, so that a package that cannot
  # be installed ends the run now, not after the Linux passes.
  bash scripts/install-deps-windows.sh
  mkdir -p build
  setsid nice -n 19 bash scripts/build-qt-mingw.sh >build/qt-mingw.log 2>&1 &
  qt_build=$!
  # A run that stops early takes the build with it.
  trap '[ -z "$qt_build" ] || kill -- -"$qt_build" 2>/dev/null || true' EXIT
fi

# Layout first: a misformatted file fails the run before anything is built.
step "layout"
bash scripts/check-format.sh
# Warnings are errors here, in both passes; a user's own build only shows them.
step "gcc build"
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGEMVARA_WERROR=ON \
  -DCMAKE_EXPORT_COMPILE_COMMANDS=ON -DCMAKE_CXX_COMPILER_LAUNCHER=ccache
cmake --build build/test
# The in-process tests take seconds: a fault there ends the run before the
# linter and the whole-program tests.
step "unit tests"
ctest --test-dir build/test -L unit --output-on-failure --timeout 300 -j2
if [ "$quick" = 1 ]; then
  step "clang-tidy on the files changed since main"
  bash scripts/check-tidy.sh build/test --changed
  step "done"
  exit 0
fi
# The linter on what was just built (.clang-tidy); any finding fails the run.
step "clang-tidy"
bash scripts/check-tidy.sh build/test
step "the other tests of the gcc build"
ctest --test-dir build/test -LE unit --output-on-failure --timeout 600 -j2

# Checked pass: the same suite built by clang with AddressSanitizer,
# UndefinedBehaviorSanitizer and LeakSanitizer, the whole program on Xvfb
# included, plus a bounded run of each libFuzzer target. Any finding fails
# it (options in tests/sanitizers/env.sh). The package test stays with the
# pass above: a sanitized build is never packaged.
step "clang build with sanitizers"
CC=clang CXX=clang++ cmake -S . -B build/checked -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DGEMVARA_SANITIZE=ON -DGEMVARA_FUZZ=ON -DGEMVARA_BUILD_BENCH=OFF -DGEMVARA_WERROR=ON \
  -DCMAKE_EXPORT_COMPILE_COMMANDS=ON -DCMAKE_CXX_COMPILER_LAUNCHER=ccache
cmake --build build/checked
# The fuzz targets exist only in this build; the linter checks them here.
bash scripts/check-tidy.sh build/checked tests/fuzz/
step "tests of the sanitized build"
(
  source tests/sanitizers/env.sh build/checked
  ctest --test-dir build/checked --output-on-failure --timeout 600 -j2 -LE package
)

# Windows leg: Qt for Windows built once per machine (the first time takes
# the longest part of this script), Gemvara cross-built, its tests under
# Wine, its ZIP and installer made, the program run from the ZIP and the
# installer installed and removed again under Wine. GEMVARA_SKIP_WINDOWS=1
# skips it on a developer's machine; CI always runs it.
if [ "$windows" = 0 ]; then
  echo "Windows leg skipped (GEMVARA_SKIP_WINDOWS=1)"
else
  step "Qt for Windows"
  if ! wait "$qt_build"; then
    cat build/qt-mingw.log >&2
    echo "building Qt for Windows failed; its log is above" >&2
    exit 1
  fi
  qt_build=
  tail -n 1 build/qt-mingw.log
  step "Windows build"
  bash scripts/build-windows.sh
  step "Windows tests under Wine"
  GEMVARA_SHOTS=$root/build/windows/screenshots \
    ctest --test-dir build/windows --output-on-failure --timeout 900 -j2
fi
step "done"
ccache --show-stats | grep -E '^(Cacheable|  Hits|  Misses)' || true
