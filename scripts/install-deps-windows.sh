#!/usr/bin/env bash
# Installs what the Windows leg needs on Debian: the mingw-w64 cross
# compiler, Qt's host tools (which a cross-built Qt runs at build time),
# Wine to run the Windows programs and tests, and NSIS for the installer.
# Only installs packages that are missing.
set -euo pipefail

packages=(
  g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
  qt6-base-dev-tools cmake ninja-build xz-utils
  wine wine64 nsis zip unzip
  xvfb xauth xdotool x11-utils imagemagick fonts-dejavu-core
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  echo "Installing: ${missing[*]}"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get -o DPkg::Lock::Timeout=900 install -y -qq --no-install-recommends "${missing[@]}"
fi
