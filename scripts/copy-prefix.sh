#!/bin/sh
# Copies an initialised Wine prefix for a test run with other settings:
#   copy-prefix.sh <prefix> <new prefix>
# The files are hard links to the first prefix's, which is quick and small;
# the registry and the .ini files, which Wine writes, are copies of their own.
set -e
base=$1 made=$2
[ -f "$base/system.reg" ] || { echo "no initialised prefix at $base" >&2; exit 1; }
rm -rf "$made"
cp -al "$base" "$made"
for file in "$made"/*.reg "$made"/drive_c/windows/*.ini; do
    [ -f "$file" ] && cp --remove-destination "$base/${file#"$made"/}" "$file"
done
exit 0
