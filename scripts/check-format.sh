#!/usr/bin/env bash
# Fails when a tracked C++ file is not laid out as .clang-format says, and
# prints where. The layout rules are those of clang-format 14 (Debian 12's);
# fix a file with: clang-format-14 -i FILE
set -euo pipefail
cd "$(dirname "$0")/.."

format=$(command -v clang-format-14 || command -v clang-format || true)
if [ -z "$format" ]; then
  echo "check-format: clang-format is not installed (scripts/install-deps.sh installs it)" >&2
  exit 1
fi

mapfile -d '' files < <(git ls-files -z -- '*.cpp' '*.h' '*.h.in')
if [ "${#files[@]}" -eq 0 ]; then
  echo "check-format: no C++ files found; run it inside the git checkout" >&2
  exit 1
fi
if ! "$format" --dry-run -Werror --style=file "${files[@]}"; then
  echo "check-format: files above are out of format; run $(basename "$format") -i on them" >&2
  exit 1
fi
echo "check-format: ${#files[@]} files laid out as .clang-format says"
