#!/usr/bin/env bash
# Installs what is missing, builds everything (tests and benchmarks) and
# runs the whole test suite. Needs no display: widget tests run offscreen and
# whole-program tests start their own Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build/test
cd build/test
ctest --output-on-failure --timeout 600 -j2
