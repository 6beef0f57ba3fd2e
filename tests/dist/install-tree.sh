#!/usr/bin/env bash
# Installs the build into a throw-away DESTDIR and checks that exactly the
# files a Linux desktop needs arrive where it looks for them, and that the
# menu entry, the AppStream file and the icons fit together.
#   install-tree.sh BUILD_DIR SOURCE_DIR
set -euo pipefail

build=$1 src=$2
id=com.orvanta.GemvaraFree
fail() { echo "FAIL: $*" >&2; exit 1; }

work=$(mktemp -d "${TMPDIR:-/tmp}/gemvara-install.XXXXXX")
trap 'rm -rf "$work"' EXIT
root=$work/root

DESTDIR=$root cmake --install "$build" --prefix /usr >"$work/install.log" 2>&1 ||
  { cat "$work/install.log" >&2; fail "cmake --install failed"; }

sizes=(16 24 32 48 64 128 256)
{
  echo usr/bin/GemvaraFree
  echo usr/share/applications/$id.desktop
  echo usr/share/metainfo/$id.metainfo.xml
  echo usr/share/icons/hicolor/scalable/apps/$id.svg
  for s in "${sizes[@]}"; do echo "usr/share/icons/hicolor/${s}x${s}/apps/$id.png"; done
} | sort >"$work/expected"
(cd "$root" && find . ! -type d | sed 's|^\./||' | sort) >"$work/installed"
diff -u "$work/expected" "$work/installed" ||
  fail "installed files differ from the expected list (- expected, + installed)"
echo "ok: file list"

[ -x "$root/usr/bin/GemvaraFree" ] || fail "the executable is not executable"

# The menu entry starts a program that is installed and names the icon
# that the theme folders hold.
entry=$root/usr/share/applications/$id.desktop
exec_name=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$entry")
[ -x "$root/usr/bin/$exec_name" ] || fail "Exec=$exec_name is not an installed program"
icon=$(sed -n 's/^Icon=//p' "$entry")
[ "$icon" = "$id" ] || fail "Icon=$icon, but the icons are installed as $id"
echo "ok: desktop entry points at installed files"

# An icon in the NxN folder must be N by N pixels: the theme would scale
# a wrong one and it would look blurred. Width and height are the two
# big-endian words after the PNG signature and the IHDR header.
for s in "${sizes[@]}"; do
  png=$root/usr/share/icons/hicolor/${s}x${s}/apps/$id.png
  [ "$(head -c 8 "$png" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] ||
    fail "${s}x${s} icon is not a PNG"
  read -r w h < <(od -An -j16 -N8 -tu1 "$png" |
    awk '{print $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8}')
  [ "$w" = "$s" ] && [ "$h" = "$s" ] || fail "${s}x${s} icon is ${w}x${h}"
done
grep -q '<svg' "$root/usr/share/icons/hicolor/scalable/apps/$id.svg" ||
  fail "the scalable icon is not SVG"
echo "ok: icon sizes"

# The installed tree as a whole: AppStream finds the menu entry its
# launchable names.
bash "$src/tests/dist/appstream-check.sh" validate-tree "$root"
