#!/usr/bin/env bash
# Prints how many test rows the last ctest run in BUILD_DIR skipped, and each one's reason, so that a
# row that did nothing here is seen in CI's output rather than passing unseen.
set -euo pipefail
log="${1:?usage: skipped-tests.sh BUILD_DIR}/Testing/Temporary/LastTest.log"
[ -f "$log" ] || { echo "no test log in $log" >&2; exit 1; }
awk '
    /: Skipped$/ { reason = ""; want = 1; next }
    want { reason = $0; want = 0 }
    /^\[  SKIPPED \] .* \([0-9]+ ms\)$/ {
        name = $4
        skipped[++count] = name ": " (reason == "" ? "no reason given" : reason)
        reason = ""
    }
    END {
        printf "%d test rows skipped\n", count
        for (i = 1; i <= count; ++i) print "  " skipped[i]
    }' "$log"
