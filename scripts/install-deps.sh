#!/usr/bin/env bash
# Installs what building, running and testing Gemvara needs on Debian.
# Only installs packages that are missing, so a second run is quick.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev
  libbenchmark-dev
  xvfb xauth xdotool x11-utils xclip openbox imagemagick xdg-utils
  qt6-gtk-platformtheme gnome-themes-extra
  weston xwayland wl-clipboard qt6-wayland
  fonts-dejavu-core python3
  desktop-file-utils appstream llvm
  clang libclang-rt-14-dev
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
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The Windows leg of the test command (cross compiler, Wine, NSIS).
if [ "${GEMVARA_SKIP_WINDOWS:-0}" != 1 ]; then
  bash "$(dirname "$0")/install-deps-windows.sh"
fi
