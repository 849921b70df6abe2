#!/bin/sh
# Makes the toolkit's reference with Doxygen into <output>/html from the
# public headers (wicker.h and those it includes) and fails when Doxygen
# warns: an undocumented public member, or a comment it cannot read.
#   scripts/make-reference.sh <source tree> <output folder>
set -e
tree=$1
out=$2
command -v doxygen >/dev/null || { echo "make-reference: doxygen is not installed (scripts/install-deps.sh installs it)"; exit 1; }
mkdir -p "$out"
headers="$tree/toolkit/wicker.h"
for h in $(sed -n 's/^#include "\([^"]*\)"$/\1/p' "$tree/toolkit/wicker.h"); do
    headers="$headers $tree/toolkit/$h"
done
rm -f "$out/warnings.txt"
( cat "$tree/docs/reference/Doxyfile"
  echo "INPUT = $headers"
  echo "OUTPUT_DIRECTORY = $out"
  echo "WARN_LOGFILE = $out/warnings.txt"
  echo "STRIP_FROM_PATH = $tree/toolkit"
  echo "STRIP_FROM_INC_PATH = $tree/toolkit" ) | doxygen - >/dev/null
if [ -s "$out/warnings.txt" ]; then
    echo "make-reference: Doxygen warned $(wc -l < "$out/warnings.txt") times ($out/warnings.txt):"
    head -n 40 "$out/warnings.txt"
    exit 1
fi
echo "make-reference: the reference is in $out/html/index.html, with no warning"
