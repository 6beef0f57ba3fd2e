#!/usr/bin/env bash
# Installs what the Windows leg needs on Debian: the mingw-w64 cross
# compiler, Qt's host tools (which a cross-built Qt runs at build time),
# Wine to run the Windows programs and tests, and NSIS for the installer.
# Only installs packages that are missing.
set -euo pipefail

packages=(
  g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
  qt6-base-dev-tools cmake ninja-build xz-utils ccache
  wine wine64 nsis zip unzip fonts-noto-ui-core
  xvfb xauth xdotool x11-utils imagemagick fonts-dejavu-core
)

bash "$(dirname "$0")/apt-install-missing.sh" "${packages[@]}"
