#!/bin/sh
# Stands in for the user's browser in the whole-program tests: appends the
# address it was given, and the command line of whoever started it, to
# $BROWSER_LOG, one "address<TAB>parent" line per call.
parent=$(ps -o args= -p "$PPID" 2>/dev/null)
printf '%s\t%s\n' "$1" "$parent" >>"${BROWSER_LOG:?}"
