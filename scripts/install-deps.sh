#!/usr/bin/env bash
# Installs what building, running and testing Gemvara needs on Debian.
# Only installs packages that are missing, so a second run is quick.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n fonts-noto-ui-core
  libbenchmark-dev
  xvfb xauth xdotool x11-utils xclip openbox imagemagick xdg-utils
  qt6-gtk-platformtheme gnome-themes-extra
  weston xwayland wl-clipboard qt6-wayland
  fonts-dejavu-core python3
  desktop-file-utils appstream llvm
  clang libclang-rt-14-dev clang-format clang-tidy ccache
  orca speech-dispatcher at-spi2-core dbus-daemon
)

bash "$(dirname "$0")/apt-install-missing.sh" "${packages[@]}"
