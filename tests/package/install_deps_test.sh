#!/bin/sh
# scripts/install-deps.sh against a mirror that misbehaves, with apt-get,
# dpkg, dpkg-query, sudo and sleep replaced by stand-ins on the PATH that log their
# calls. Each case sets how the stand-in apt-get answers and checks what the
# script did and how it ended. What follows the install (the 32-bit loader and
# its emulator) runs against this machine as it is: the suite runs after the
# real install step.
set -u
script="$1/scripts/install-deps.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
release=$(. /etc/os-release && echo "$VERSION_CODENAME")
failed=0

mkdir -p "$work/bin"
cat > "$work/bin/apt-get" <<'EOF'
#!/bin/sh
echo "apt-get $*" >> "$STUB_LOG"
case " $* " in
*" update "*)
    n=$(cat "$STUB_DIR/updates" 2>/dev/null || echo 0)
    echo $((n + 1)) > "$STUB_DIR/updates"
    [ "$n" -ge "$UPDATE_FAILS" ] || { echo "E: File has unexpected size. Mirror sync in progress?" >&2; exit 100; }
    exit 0 ;;
*" install "*)
    case "$INSTALL_WORKS" in
    always) exit 0 ;;
    release) case " $* " in *" -t $STUB_RELEASE "*) exit 0 ;; esac ;;
    esac
    echo "E: Unable to correct problems, you have held broken packages." >&2
    exit 100 ;;
esac
exit 0
EOF
# Every package is missing but the emulator (whose install the case does not
# reach where the loader runs, and which is left alone where it does not).
cat > "$work/bin/dpkg-query" <<'EOF'
#!/bin/sh
case "$*" in *qemu-user-static*) printf 'install ok installed' ;; esac
EOF
cat > "$work/bin/dpkg" <<'EOF'
#!/bin/sh
case "$1" in --print-foreign-architectures) echo i386 ;; esac
EOF
# Where the suite runs as a user, the script asks sudo, which would find the
# real apt-get: this one runs the command as it is.
cat > "$work/bin/sudo" <<'EOF'
#!/bin/sh
exec "$@"
EOF
cat > "$work/bin/sleep" <<'EOF'
#!/bin/sh
echo "sleep $*" >> "$STUB_LOG"
EOF
chmod +x "$work/bin/"*

# run NAME UPDATE_FAILS INSTALL_WORKS EXPECTED_STATUS: runs the script and
# leaves its log in $log and its messages in $out.
run() {
    name=$1
    log="$work/$name.log"; out="$work/$name.out"
    rm -f "$work/updates"; : > "$log"
    PATH="$work/bin:$PATH" STUB_LOG="$log" STUB_DIR="$work" STUB_RELEASE="$release" \
        UPDATE_FAILS=$2 INSTALL_WORKS=$3 sh "$script" > "$out" 2>&1
    status=$?
    if [ "$4" = ok ] && [ $status -ne 0 ]; then fail "ended with $status"; fi
    if [ "$4" = fails ] && [ $status -eq 0 ]; then fail "reported success"; fi
}
fail() { echo "FAIL $name: $1"; sed 's/^/    /' "$log" "$out"; failed=1; }
count() { grep -c "$1" "$log"; }

# A mirror that answers again after two tries: the indexes are read a third
# time after pauses of 20 and 40 s, and the packages installed once.
run sync_ends 2 always ok
[ "$(count 'apt-get update')" = 3 ] || fail "apt-get update ran $(count 'apt-get update') times, not 3"
[ "$(count 'sleep')" = 2 ] && grep -q 'sleep 20' "$log" && grep -q 'sleep 40' "$log" ||
    fail "did not pause 20 and then 40 s"
[ "$(count 'apt-get install')" = 1 ] || fail "installed $(count 'apt-get install') times"

# An index of updates that never arrives, and an install that resolves only
# from the release's own versions: four reads, then the release's versions.
run sync_never_ends 1000 release ok
[ "$(count 'apt-get update')" = 5 ] || fail "apt-get update ran $(count 'apt-get update') times, not 4 and 1"
grep -q "apt-get install .*-t $release" "$log" || fail "never installed from the $release release"
grep -q "NOTE: installing the versions of the $release release" "$out" || fail "did not say it took the release's versions"

# Nothing installs: the script fails instead of going on as if it had.
run nothing_installs 1000 never fails
[ "$(count 'apt-get install')" = 3 ] || fail "tried to install $(count 'apt-get install') times, not 3"

[ $failed -eq 0 ] && echo "install-deps.sh: every case passed"
exit $failed
