#!/bin/sh
# Makes a Wine prefix whose user has chosen dark apps, from an initialised one:
#   dark-prefix.sh <prefix> <new prefix>
# The copy is copy-prefix.sh's: hard links and registry files of its own.
# A prefix made before is kept.
set -e
base=$1 made=$2
key='[Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize]'
if [ -f "$made/user.reg" ] && grep -q '^"AppsUseLightTheme"=dword:00000000' "$made/user.reg"; then
    exit 0
fi
sh "$(dirname "$0")/copy-prefix.sh" "$base" "$made"
# The setting goes straight into the registry file, as the system's own
# settings page writes it: starting Wine to add it would take longer. A
# value the first prefix had (the tests write it) goes first.
sed -i '/^"AppsUseLightTheme"=/d' "$made/user.reg"
printf '\n%s 1700000000\n"AppsUseLightTheme"=dword:00000000\n' "$key" >> "$made/user.reg"
grep -q '^"AppsUseLightTheme"=dword:00000000' "$made/user.reg"
