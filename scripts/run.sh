#!/usr/bin/env bash
# Installs what is missing, builds a release build and starts Gemvara.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DGEMVARA_BUILD_TESTS=OFF -DGEMVARA_BUILD_BENCH=OFF
cmake --build build/release
exec build/release/app/GemvaraFree
