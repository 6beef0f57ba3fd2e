#!/usr/bin/env bash
# Runs clang-tidy (the checks in .clang-tidy) over the project's own C++
# sources as a build compiled them, and fails on any finding.
#   scripts/check-tidy.sh BUILD-DIR [PATH-PREFIX...]
# The build must have been configured with CMAKE_EXPORT_COMPILE_COMMANDS=ON
# and built (the forms' ui_ headers are generated). With prefixes, only the
# sources under them are checked (tests/fuzz/ for the clang-only fuzzers).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:?usage: check-tidy.sh BUILD-DIR [PATH-PREFIX...]}
shift

tidy=$(command -v clang-tidy-14 || command -v clang-tidy || true)
if [ -z "$tidy" ]; then
  echo "check-tidy: clang-tidy is not installed (scripts/install-deps.sh installs it)" >&2
  exit 1
fi
if [ ! -f "$build/compile_commands.json" ]; then
  echo "check-tidy: no $build/compile_commands.json; configure with -DCMAKE_EXPORT_COMPILE_COMMANDS=ON" >&2
  exit 1
fi

# The sources of the tree itself: not what moc, uic and rcc generate into
# the build folder.
mapfile -t files < <(python3 - "$PWD" "$build" "$@" <<'PY'
import json, os, sys
root, build, prefixes = sys.argv[1], os.path.abspath(sys.argv[2]), sys.argv[3:]
seen = set()
for entry in json.load(open(os.path.join(build, 'compile_commands.json'))):
    path = os.path.normpath(os.path.join(entry['directory'], entry['file']))
    rel = os.path.relpath(path, root)
    if rel.startswith('..') or path.startswith(build + os.sep) or rel.startswith('build'):
        continue
    if prefixes and not any(rel.startswith(p) for p in prefixes):
        continue
    if rel not in seen:
        seen.add(rel)
        print(rel)
PY
)
if [ "${#files[@]}" -eq 0 ]; then
  echo "check-tidy: no sources to check in $build" >&2
  exit 1
fi

# Two at a time; each file's findings are printed together.
start=$SECONDS
if ! printf '%s\0' "${files[@]}" | xargs -0 -n 1 -P 2 sh -c '
    out=$("$0" -p "$1" --quiet "$2" 2>&1) && exit 0
    printf "%s\n" "$out"
    exit 1' "$tidy" "$build"; then
  echo "check-tidy: findings above; fix them or silence one in place with // NOLINT(check): reason" >&2
  exit 1
fi
echo "check-tidy: ${#files[@]} files clean in $((SECONDS - start)) s"
