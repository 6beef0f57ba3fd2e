#!/usr/bin/env bash
# Compiles the configured Windows resource script with llvm-rc, which also
# reads the .ico it names and rejects a damaged one. Nothing else of the
# Windows build can be tried on Linux.
#   windows-rc.sh BUILD_DIR/dist/gemvara.rc
set -euo pipefail

rc_file=$1
fail() { echo "FAIL: $*" >&2; exit 1; }
command -v llvm-rc >/dev/null || { echo "llvm-rc is not installed: skipped"; exit 77; }

left=$(grep -o '@[A-Za-z_]*@' "$rc_file" || true)
[ -z "$left" ] || fail "not configured: $left"

work=$(mktemp -d "${TMPDIR:-/tmp}/gemvara-rc.XXXXXX")
trap 'rm -rf "$work"' EXIT
# The few names of the Windows SDK's winver.h that the script uses.
cat >"$work/winver.h" <<'H'
#define VS_VERSION_INFO 1
#define VOS_NT_WINDOWS32 0x00040004L
#define VFT_APP 0x00000001L
#define VFT2_UNKNOWN 0x00000000L
H
# "--" ends the options: llvm-rc takes any argument starting with "/" for
# one, so a script under /check or /c... would be read as an option.
llvm-rc /I "$work" /FO "$work/gemvara.res" -- "$rc_file" || fail "llvm-rc rejected $rc_file"
[ -s "$work/gemvara.res" ] || fail "no resources written"
echo "ok: resource script and icon compile"
