#!/usr/bin/env bash
# Runs appstreamcli without the network and fails on any error or warning
# except "url-not-secure": the configured sites are plain http, and some
# appstreamcli versions report that as a warning.
#   appstream-check.sh validate FILE.metainfo.xml
#   appstream-check.sh validate-tree INSTALL_ROOT
set -uo pipefail

out=$(appstreamcli "$1" --no-net --no-color "$2" 2>&1)
rc=$?
echo "$out"

# Lines look like "E: <id>:<line>: <tag> <detail>", indented by validate-tree.
problems=$(grep -E '^ *[EW]: ' <<<"$out" | awk '$3 != "url-not-secure"')
if [ -n "$problems" ]; then
  echo "FAIL: appstreamcli reported:" >&2
  echo "$problems" >&2
  exit 1
fi
if [ $rc -ne 0 ] && ! grep -qE '^ *[EW]: .* url-not-secure ' <<<"$out"; then
  echo "FAIL: appstreamcli failed (exit $rc) without naming a problem" >&2
  exit 1
fi
echo "ok: appstreamcli $1 passed"
