#!/bin/sh
# Makes a Wine prefix for programs started under another Windows locale, from
# an initialised one:
#   locale-prefix.sh <prefix> <new prefix> <locale, such as ru_RU.UTF-8>
# Wine takes a process's locale, and with it the ANSI code page, from LC_ALL
# or LANG. It names files on the Unix side in that locale's character set,
# which the C library knows only for a locale it has data for: without it a
# file with a name beyond ASCII cannot be made. The locale's data is compiled
# into the new prefix (<new prefix>/unix-locales, for LOCPATH), from the
# sources of Debian's locales package, so nothing is installed system-wide.
# The prefix is a copy of the first (dpi-prefix.sh, at 96 DPI); both are kept
# for later runs.
set -e
base=$1 made=$2 locale=$3
here=$(dirname "$0")
sh "$here/dpi-prefix.sh" "$base" "$made" 96
data=$made/unix-locales
if [ ! -f "$data/$locale/LC_CTYPE" ]; then
    mkdir -p "$data"
    # localedef answers 1 for warnings about the sources; the data it wrote
    # is what counts.
    localedef -i "${locale%%.*}" -f "${locale#*.}" "$data/$locale" || true
    [ -f "$data/$locale/LC_CTYPE" ] || { echo "could not compile the locale $locale" >&2; exit 1; }
fi
