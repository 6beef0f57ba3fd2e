#!/usr/bin/env bash
# Builds the Debian package, installs it with apt on this machine, starts
# the installed program on a private display and purges the package again,
# so the machine is left as it was. It changes the system, so it runs only
# as root (CI's throw-away machine) and reports itself skipped otherwise.
#   package.sh BUILD_DIR SOURCE_DIR
set -euo pipefail

build=$1 src=$2
pkg=gemvara-free
id=com.orvanta.GemvaraFree
skip=77
fail() { echo "FAIL: $*" >&2; exit 1; }

[ "$(id -u)" -eq 0 ] || { echo "not root: this test installs into the system; skipped"; exit $skip; }
for tool in apt-get dpkg-deb dpkg-shlibdeps cpack; do
  command -v $tool >/dev/null || { echo "$tool is missing: skipped"; exit $skip; }
done

# Builds of the same checkout may run this test at the same time; the
# installed package is one for the whole machine, so they take turns.
exec 9<"${BASH_SOURCE[0]}"
flock -w 600 9 || fail "another run of this test held the lock for 10 minutes"

export DEBIAN_FRONTEND=noninteractive
apt=(apt-get -q -y -o DPkg::Lock::Timeout=300)
# Installed, half-installed or with configuration files left: not gone.
known() {
  local status
  status=$(dpkg-query -W -f='${db:Status-Status}' "$pkg" 2>/dev/null || true)
  [ -n "$status" ] && [ "$status" != not-installed ]
}

# Present while this test's package is installed: a package left behind by
# an interrupted run is removed, one installed on purpose is left alone.
marker=/var/tmp/gemvara-package-test.installed
purge() { "${apt[@]}" purge "$pkg" >"$work/purge.log" 2>&1 || { cat "$work/purge.log" >&2; return 1; }; rm -f "$marker"; }

work=$(mktemp -d "${TMPDIR:-/tmp}/gemvara-package.XXXXXX")
chmod 755 "$work" # apt's download user reads the .deb from here
cleanup() { [ ! -e "$marker" ] || purge || true; rm -rf "$work"; }
trap cleanup EXIT

if known; then
  if [ -e "$marker" ]; then
    echo "removing $pkg left installed by an interrupted run"
    purge
  else
    echo "$pkg is installed on this machine already; not replacing it: skipped"
    exit $skip
  fi
fi

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log" >&2; fail "cpack failed"; }
debs=("$work"/${pkg}_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "expected one .deb, found: ${debs[*]}"
deb=${debs[0]}
echo "ok: built $(basename "$deb")"

depends=$(dpkg-deb -f "$deb" Depends)
for lib in libqt6core6 libqt6gui6 libqt6widgets6; do
  grep -qE "(^|[ ,])$lib( |,|$)" <<<"$depends" || fail "Depends lacks $lib: $depends"
done
echo "ok: Depends: $depends"

touch "$marker"
"${apt[@]}" install "$deb" >"$work/install.log" 2>&1 ||
  { cat "$work/install.log" >&2; fail "apt-get install failed"; }
for f in /usr/bin/GemvaraFree /usr/share/applications/$id.desktop \
         /usr/share/metainfo/$id.metainfo.xml \
         /usr/share/icons/hicolor/48x48/apps/$id.png \
         /usr/share/icons/hicolor/scalable/apps/$id.svg; do
  dpkg -S "$f" >/dev/null 2>&1 || fail "$f does not belong to the installed package"
done
echo "ok: installed with apt"

bash "$src/tests/e2e/run-under-xvfb.sh" "$src/tests/dist/installed-window.sh" /usr/bin/GemvaraFree

purge
! known || fail "$pkg is still known to dpkg after the purge"
[ ! -e /usr/bin/GemvaraFree ] || fail "/usr/bin/GemvaraFree is still there after the purge"
echo "ok: purged, nothing left"
