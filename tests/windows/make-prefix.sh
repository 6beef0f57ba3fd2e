#!/usr/bin/env bash
# Makes a Wine prefix for running Gemvara and its tests: 64-bit, Windows 10,
# no downloads of Wine's own add-ons, and Debian's faces in place of the
# Windows fonts that the program's windows ask for and Wine does not have:
# DejaVu Sans for Verdana and MS Sans Serif, Noto Sans Devanagari UI (a
# system font Wine finds) for Nirmala UI, Windows' Devanagari face.
#   make-prefix.sh PREFIX [x11|null]
# null: Wine's display driver that needs no X server, for tests that draw
# offscreen.
set -euo pipefail
prefix=$1
graphics=${2:-x11}

export WINEPREFIX=$prefix WINEARCH=win64 WINEDEBUG=-all
# Wine asks to download Mono and Gecko into a new prefix; neither is needed.
export WINEDLLOVERRIDES="mscoree,mshtml="
rm -rf "$prefix"
mkdir -p "$(dirname "$prefix")"
wine wineboot --init >/dev/null 2>&1
wine winecfg -v win10 >/dev/null 2>&1

reg() { wine reg add "$@" /f >/dev/null 2>&1; }
for font in Verdana "MS Sans Serif"; do
  reg 'HKCU\Software\Wine\Fonts\Replacements' /v "$font" /t REG_SZ /d "DejaVu Sans"
done
reg 'HKCU\Software\Wine\Fonts\Replacements' /v "Nirmala UI" /t REG_SZ /d "Noto Sans Devanagari UI"
reg 'HKCU\Software\Wine\Drivers' /v Graphics /t REG_SZ /d "$graphics"
wineserver -w
