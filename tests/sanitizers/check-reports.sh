#!/usr/bin/env bash
# Runs last in the checked build: fails if any process of the run left a
# sanitizer report, including processes whose exit status no test looks at
# (the program under the whole-program tests, helpers it starts).
#   check-reports.sh REPORT_DIR
set -euo pipefail
dir=$1

case ":${ASAN_OPTIONS:-}:${UBSAN_OPTIONS:-}" in
  *":log_path=$dir/report:"*":log_path=$dir/report:"*) ;;
  *) echo "FAIL: sanitizer options not set; run: source tests/sanitizers/env.sh $(dirname "$dir")" >&2
     exit 1 ;;
esac

shopt -s nullglob
reports=("$dir"/report*)
if [ ${#reports[@]} -eq 0 ]; then
  echo "ok: no sanitizer findings"
  exit 0
fi
for r in "${reports[@]}"; do
  echo "=== $(basename "$r")"
  cat "$r"
done
echo "FAIL: ${#reports[@]} sanitizer report(s) in $dir" >&2
exit 1
