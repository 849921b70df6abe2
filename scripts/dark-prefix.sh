#!/bin/sh
# Makes a Wine prefix whose user has chosen dark apps, from an initialised one:
#   dark-prefix.sh <prefix> <new prefix>
# The files are hard links to the first prefix's, which is quick and small;
# the registry and the .ini files, which Wine writes, are copies of their own.
# A prefix made before is kept.
set -e
base=$1 made=$2
key='[Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize]'
if [ -f "$made/user.reg" ] && grep -q '^"AppsUseLightTheme"=dword:00000000' "$made/user.reg"; then
    exit 0
fi
[ -f "$base/system.reg" ] || { echo "no initialised prefix at $base" >&2; exit 1; }
rm -rf "$made"
cp -al "$base" "$made"
for file in "$made"/*.reg "$made"/drive_c/windows/*.ini; do
    [ -f "$file" ] && cp --remove-destination "$base/${file#"$made"/}" "$file"
done
# The setting goes straight into the registry file, as the system's own
# settings page writes it: starting Wine to add it would take longer.
printf '\n%s 1700000000\n"AppsUseLightTheme"=dword:00000000\n' "$key" >> "$made/user.reg"
grep -q '^"AppsUseLightTheme"=dword:00000000' "$made/user.reg"
