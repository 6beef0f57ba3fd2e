#!/usr/bin/env bash
# Fails when a translation is behind the program: lupdate, run over the
# sources into a copy of each .ts file, must find no string that is new,
# unfinished or no longer used.
#   check-ts.sh LUPDATE SOURCE-DIR TS-FILE...
set -euo pipefail
lupdate=$1 src=$2
shift 2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for ts in "$@"; do
  copy=$work/$(basename "$ts")
  cp "$ts" "$copy"
  if ! "$lupdate" -locations none "$src/engine" "$src/platform" "$src/ui" -ts "$copy" >"$work/log" 2>&1; then
    cat "$work/log" >&2
    exit 1
  fi
  if grep -B1 -E 'type="(unfinished|vanished|obsolete)"' "$copy"; then
    echo "$(basename "$ts"): the strings above are new, unfinished or no longer used;" \
         "bring it up to date (cmake --build BUILD --target update_translations) and translate them" >&2
    status=1
  fi
done
[ "$status" = 0 ] && echo "translations complete: $*"
exit "$status"
