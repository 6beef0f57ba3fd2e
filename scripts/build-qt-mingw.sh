#!/usr/bin/env bash
# Builds Qt's base module for 64-bit Windows with mingw-w64, once per
# machine, from Debian's source package of the Qt that the Linux build uses.
# Only what Gemvara needs: Core, Gui, Widgets, Test, the Windows platform
# plugin, the JPEG image plugin and the Vista style.
#
#   bash scripts/build-qt-mingw.sh [install folder]
#
# Default folder: qt-6.4.2-mingw64 in the machine's cache folder,
# /var/cache/gemvara (see cache-env.sh; GEMVARA_QT_MINGW overrides it). A finished build leaves a stamp there; with the stamp a run
# does nothing. Sources and the build tree go to a work folder beside it,
# removed at the end (GEMVARA_QT_KEEP_WORK=1 keeps them).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

qt_version=6.4.2
deb_version=6.4.2+dfsg-10
prefix=${1:-${GEMVARA_QT_MINGW:-$(cd "$root" && source scripts/cache-env.sh && echo "$GEMVARA_CACHE")/qt-$qt_version-mingw64}}
stamp=$prefix/.gemvara-qt-built
if [ -f "$stamp" ] && [ "$(cat "$stamp")" = "$deb_version" ]; then
  echo "Qt for Windows found in $prefix"
  exit 0
fi

bash "$root/scripts/install-deps-windows.sh"

work=$prefix.work
rm -rf "$work" "$prefix"
mkdir -p "$work/apt/lists/partial" "$work/src"

# A private apt setup for the source index, so the machine's own lists and
# sources stay as they are. The mirror is the one the machine already uses.
mirror=$(sed -n 's/^URIs:[[:space:]]*\(.*\/debian\)\/\?[[:space:]]*$/\1/p' \
           /etc/apt/sources.list.d/*.sources 2>/dev/null | head -n1)
if [ -z "$mirror" ] && [ -f /etc/apt/sources.list ]; then
  mirror=$(awk '$1 == "deb" && $2 ~ /\/debian\/?$/ {print $2; exit}' /etc/apt/sources.list \
             | sed 's,/$,,')
fi
[ -n "$mirror" ] || { echo "no Debian mirror in the machine's apt sources" >&2; exit 1; }
echo "deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] $mirror bookworm main" \
  > "$work/apt/sources.list"
apt_opts=(-o "Dir::Etc::SourceList=$work/apt/sources.list" -o "Dir::Etc::SourceParts=-"
          -o "Dir::State::Lists=$work/apt/lists" -o "Dir::Cache=$work/apt/cache")
apt-get "${apt_opts[@]}" -qq update
(cd "$work/src" && apt-get "${apt_opts[@]}" -qq source --download-only "qt6-base=$deb_version")

# apt checks the .dsc against the signed index; the archive is checked
# against the .dsc here.
dsc=$work/src/qt6-base_$deb_version.dsc
orig=$(awk '/^Checksums-Sha256:/ {f=1; next} /^[^ ]/ {f=0} f && $3 ~ /orig\.tar/ {print $3}' "$dsc")
want=$(awk '/^Checksums-Sha256:/ {f=1; next} /^[^ ]/ {f=0} f && $3 ~ /orig\.tar/ {print $1}' "$dsc")
[ -n "$orig" ] && [ -n "$want" ] || { echo "no source archive in $dsc" >&2; exit 1; }
have=$(sha256sum "$work/src/$orig" | cut -d' ' -f1)
if [ "$have" != "$want" ]; then
  echo "checksum of $orig: $have, the .dsc says $want" >&2
  exit 1
fi
echo "$orig matches its checksum in the .dsc"
tar -xf "$work/src/$orig" -C "$work/src"
srcdir=$(find "$work/src" -mindepth 1 -maxdepth 1 -type d -name 'qtbase*' | head -n1)

# Debian's host Qt keeps its CMake files under the multiarch folder.
host_cmake=$(dirname "$(dirname "$(find /usr/lib -path '*/cmake/Qt6HostInfo/Qt6HostInfoConfig.cmake' | head -n1)")")

# tabletevent: Debian's source leaves out the tablet header the Windows
# plugin would include. The 6.4 Windows plugin needs desktop OpenGL.
cmake -S "$srcdir" -B "$work/build" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="$host_cmake" \
  -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_INSTALL_PREFIX="$prefix" \
  -DBUILD_SHARED_LIBS=ON \
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
  -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DFEATURE_network=OFF \
  -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF \
  -DFEATURE_tabletevent=OFF -DFEATURE_opengl=ON -DFEATURE_opengl_desktop=ON \
  -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF \
  -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_pcre2=OFF \
  -DFEATURE_sql_sqlite=OFF -DFEATURE_gif=OFF -DFEATURE_ico=OFF
cmake --build "$work/build"
cmake --install "$work/build"

echo "$deb_version" > "$stamp"
[ "${GEMVARA_QT_KEEP_WORK:-0}" = 1 ] || rm -rf "$work"
echo "Qt for Windows installed in $prefix"
