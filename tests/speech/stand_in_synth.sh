#!/bin/sh
# Stands in for the speech synthesiser in the speech program's tests: after a
# pause (so that a caller that does not wait is caught) it writes the number
# of its arguments and each argument, one a line, to its own path plus ".log".
sleep 1
{
    echo "$#"
    for argument in "$@"; do printf '%s\n' "$argument"; done
} > "$0.log.part"
mv "$0.log.part" "$0.log"
