#!/bin/sh
# Stands in for the speech synthesiser in the speech program's tests: after a
# pause (so that a caller that does not wait is caught; STAND_IN_PAUSE seconds,
# 1 unless set) it writes the number of its arguments and each argument, one a
# line, to STAND_IN_LOG, or else to its own path plus ".log".
sleep "${STAND_IN_PAUSE:-1}"
{
    echo "$#"
    for argument in "$@"; do printf '%s\n' "$argument"; done
} > "${STAND_IN_LOG:-$0.log}.part"
mv "${STAND_IN_LOG:-$0.log}.part" "${STAND_IN_LOG:-$0.log}"
