#!/bin/sh
# Makes a Wine prefix that reports another screen DPI, from an initialised one:
#   dpi-prefix.sh <prefix> <new prefix> <dpi>
# The copy is copy-prefix.sh's: hard links and registry files of its own.
# A prefix made before for the same DPI is kept.
set -e
base=$1 made=$2 dpi=$3
if [ -f "$made/user.reg" ] && grep -q "^\"LogPixels\"=dword:$(printf %08x "$dpi")" "$made/user.reg"; then
    exit 0
fi
sh "$(dirname "$0")/copy-prefix.sh" "$base" "$made"
# Wine reads the screen's DPI from HKCU\Control Panel\Desktop\LogPixels. The
# value goes straight into the registry file: starting Wine to add it would
# take longer than everything else here.
value="\"LogPixels\"=dword:$(printf %08x "$dpi")"
sed -i '/^\[Control Panel\\\\Desktop\] /a '"$value" "$made/user.reg"
grep -q "^$value" "$made/user.reg"
