#!/usr/bin/env bash
# Builds Gemvara for 64-bit Windows on Debian and packs it: Qt for Windows
# first (built once per machine, see build-qt-mingw.sh), then Gemvara
# cross-built with its tests into build/windows, then its ZIP and installer
# into build/windows/packages. Run the tests under Wine afterwards with
#   ctest --test-dir build/windows --output-on-failure
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps-windows.sh
source scripts/cache-env.sh
qt=${GEMVARA_QT_MINGW:-$GEMVARA_CACHE/qt-6.4.2-mingw64}
bash scripts/build-qt-mingw.sh "$qt"

host_cmake=$(dirname "$(dirname "$(find /usr/lib -path '*/cmake/Qt6HostInfo/Qt6HostInfoConfig.cmake' | head -n1)")")
cmake -S . -B build/windows -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64-x86_64.cmake" \
  -DCMAKE_PREFIX_PATH="$qt" -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="$host_cmake" \
  -DGEMVARA_BUILD_BENCH=OFF -DGEMVARA_BUILD_TOOLS=OFF \
  -DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache
cmake --build build/windows
(cd build/windows && cpack -B packages)
ls -l build/windows/packages/*.zip build/windows/packages/*.exe
