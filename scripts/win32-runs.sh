#!/bin/sh
# Prints how 32-bit Windows programs run on this machine, as one word:
#   native    the kernel starts Wine's 32-bit loader itself
#   emulated  a binfmt_misc entry hands 32-bit programs to qemu-i386
#   none      no 32-bit program starts here
# Asked at run time, after scripts/install-deps.sh, which installs Wine and,
# where the kernel needs it, registers the emulator.
LOADER=/usr/lib/wine/wine

# A registered entry takes precedence over the kernel's own 32-bit loader, so
# a machine with one runs 32-bit programs through it even if the kernel could
# run them itself.
i386_entry() {
    for entry in /proc/sys/fs/binfmt_misc/*; do
        [ -f "$entry" ] || continue
        case "$entry" in */register|*/status) continue ;; esac
        grep -qx enabled "$entry" 2>/dev/null || continue
        grep -q '^magic 7f454c46010101000000000000000000020003' "$entry" 2>/dev/null \
            && { echo "$entry"; return 0; }
    done
    return 1
}

if ! "$LOADER" --version >/dev/null 2>&1; then
    echo none
elif i386_entry >/dev/null; then
    echo emulated
else
    echo native
fi
