#!/bin/sh
# Installs what the build, the tests and the game need on a Debian machine.
# Idempotent: it does nothing when everything is already there.
set -e

SUDO=
if [ "$(id -u)" != 0 ]; then SUDO=sudo; fi

need=
have_cmd() { command -v "$1" >/dev/null 2>&1; }
have_pkg() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'ok installed'; }

for p in g++-mingw-w64-i686 binutils-mingw-w64-i686 mingw-w64-i686-dev \
         g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64 mingw-w64-x86-64-dev \
         wine wine32:i386 wine64 xvfb xauth cmake googletest g++ make \
         imagemagick espeak-ng fonts-noto-color-emoji fonts-liberation fonts-wine python3-pil zip unzip \
         clang libclang-rt-dev; do
    have_pkg "$p" || need="$need $p"
done

if [ -n "$need" ]; then
    echo "Installing:$need"
    # wine32 exists only for the i386 architecture.
    if ! dpkg --print-foreign-architectures | grep -qx i386; then
        $SUDO dpkg --add-architecture i386
    fi
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends $need >/dev/null
fi

# Debian installs wine's programs with a -stable suffix and links the plain
# names through the alternatives system; make sure the plain names exist.
for t in wine wineboot wineserver; do
    if ! have_cmd "$t" && [ -x "/usr/bin/$t-stable" ]; then
        $SUDO ln -sf "/usr/bin/$t-stable" "/usr/bin/$t"
    fi
done
have_cmd wine || { echo "wine is missing after installation" >&2; exit 1; }
have_cmd i686-w64-mingw32-g++-posix || { echo "mingw-w64 (posix) is missing" >&2; exit 1; }
have_cmd x86_64-w64-mingw32-g++-posix || { echo "mingw-w64 for x86_64 (posix) is missing" >&2; exit 1; }
have_cmd clang++ || { echo "clang (for the fuzzers) is missing" >&2; exit 1; }
[ -x /usr/lib/wine/wine64 ] || { echo "64-bit wine is missing" >&2; exit 1; }
exit 0
