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
         imagemagick espeak-ng locales fonts-noto-color-emoji fonts-liberation fonts-wine python3-pil zip unzip \
         clang libclang-rt-dev doxygen; do
    have_pkg "$p" || need="$need $p"
done

if [ -n "$need" ]; then
    echo "Installing:$need"
    # wine32 exists only for the i386 architecture.
    if ! dpkg --print-foreign-architectures | grep -qx i386; then
        $SUDO dpkg --add-architecture i386
    fi
    # A mirror being synced answers with index files of the wrong size for a
    # while ("Mirror sync in progress?"), and apt-get update then fails as a
    # whole although most indexes came. Try again after a pause; if one index
    # still fails, go on with the ones that came: the install below says
    # plainly which package it could not find.
    tries=0
    until $SUDO apt-get update -qq; do
        tries=$((tries + 1))
        if [ "$tries" -ge 4 ]; then
            echo "NOTE: apt-get update kept failing; installing from the indexes it did fetch" >&2
            break
        fi
        echo "apt-get update failed (try $tries of 4); trying again in $((tries * 20)) s" >&2
        sleep $((tries * 20))
    done
    install() {
        DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "$@" $need >/dev/null
    }
    if ! install; then
        # A package whose file changed on the mirror since the index was read
        # fails to download: read the indexes again and retry once.
        echo "apt-get install failed; reading the package indexes again and retrying" >&2
        sleep 20
        $SUDO apt-get update -qq || true
        if ! install; then
            # Without one architecture's index of updates, an i386 library
            # (wine32 needs many) is offered only in its release version while
            # the amd64 one installed is newer, and the two must be equal.
            # Taking the release's own versions matches them.
            release=$(. /etc/os-release && echo "$VERSION_CODENAME")
            echo "NOTE: installing the versions of the $release release itself (an index of its updates did not arrive)" >&2
            install -t "$release"
        fi
    fi
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

# Wine's 32-bit loader is an i386 Linux program. Some kernels are started with
# their 32-bit emulation switched off and refuse it ("Exec format error");
# there Debian's user-mode emulator runs it, registered with binfmt_misc for
# i386 ELF programs. The F flag opens the emulator now, so it also serves
# programs started in other mount namespaces, and Wine, which starts itself
# again, is caught every time. A registration that is already there is left
# alone; where the kernel runs 32-bit programs itself nothing is registered.
if ! /usr/lib/wine/wine --version >/dev/null 2>&1; then
    if ! have_pkg qemu-user-static; then
        echo "This kernel runs no 32-bit programs: installing qemu-user-static to run them"
        DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends \
            qemu-user-static >/dev/null
    fi
    if [ ! -e /proc/sys/fs/binfmt_misc/register ]; then
        $SUDO mount -t binfmt_misc binfmt_misc /proc/sys/fs/binfmt_misc || true
    fi
    if [ -w /proc/sys/fs/binfmt_misc/register ] || [ -n "$SUDO" ]; then
        if [ ! -e /proc/sys/fs/binfmt_misc/qemu-i386 ]; then
            printf '%s' ':qemu-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:/usr/bin/qemu-i386-static:F' \
                | $SUDO tee /proc/sys/fs/binfmt_misc/register >/dev/null || true
        fi
    fi
    /usr/lib/wine/wine --version >/dev/null 2>&1 ||
        echo "NOTE: no 32-bit program can run here (neither the kernel nor an emulator starts one)."
fi
exit 0
