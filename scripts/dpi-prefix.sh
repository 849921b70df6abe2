#!/bin/sh
# Makes a Wine prefix that reports another screen DPI, from an initialised one:
#   dpi-prefix.sh <prefix> <new prefix> <dpi>
# The files are hard links to the first prefix's, which is quick and small;
# the registry and the .ini files, which Wine writes, are copies of their own.
# A prefix made before for the same DPI is kept.
set -e
base=$1 made=$2 dpi=$3
if [ -f "$made/user.reg" ] && grep -q "^\"LogPixels\"=dword:$(printf %08x "$dpi")" "$made/user.reg"; then
    exit 0
fi
[ -f "$base/system.reg" ] || { echo "no initialised prefix at $base" >&2; exit 1; }
rm -rf "$made"
cp -al "$base" "$made"
for file in "$made"/*.reg "$made"/drive_c/windows/*.ini; do
    [ -f "$file" ] && cp --remove-destination "$base/${file#"$made"/}" "$file"
done
# Wine reads the screen's DPI from HKCU\Control Panel\Desktop\LogPixels. The
# value goes straight into the registry file: starting Wine to add it would
# take longer than everything else here.
value="\"LogPixels\"=dword:$(printf %08x "$dpi")"
sed -i '/^\[Control Panel\\\\Desktop\] /a '"$value" "$made/user.reg"
grep -q "^$value" "$made/user.reg"
