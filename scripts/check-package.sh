#!/usr/bin/env bash
# Builds Tovalin's Debian package and checks it, inside a private Debian root (run by
# scripts/check-debian.sh; it changes the system it runs on: never run it on a real machine).
# Usage: scripts/check-package.sh --prepare | --build | --installed
#   --prepare    installs the packaging tools and the tests' packages (network);
#   --build      builds the package twice in build-package/, compares the two, runs lintian;
#   --installed  installs the built package with apt (network), runs debian/tests/control on it,
#                then removes and purges it and checks that nothing of it is left.
set -euo pipefail
cd "$(dirname "$0")/.."
export DEBIAN_FRONTEND=noninteractive
out=$PWD/build-package
apt_install() { apt-get install -y -q --no-install-recommends "$@"; }

fail() {
    echo "check-package: $*" >&2
    failed=1
}

# Removes and purges the installed package, with what purge must undo made beforehand: the
# parent's password, and two accounts whose login session is Tovalin's, a child's (in the group
# tovalin-child) and another; checks what each step leaves.
check_removal() {
    local failed=0 path users=/var/lib/AccountsService/users
    printf 'secret\nsecret\n' | tovalin-set-password
    mkdir -p "$users"
    for user in tovalin-kid tovalin-other; do
        getent passwd "$user" >/dev/null || useradd "$user"
        printf '[User]\nSession=tovalin\nXSession=tovalin\n' > "$users/$user"
    done
    usermod -a -G tovalin-child tovalin-kid
    mapfile -t files < <(dpkg-query -L tovalin)
    mapfile -t conffiles < <(dpkg-query -W -f='${Conffiles}\n' tovalin | awk 'NF { print $1 }')

    apt-get remove -y -q tovalin
    for path in "${files[@]}"; do
        [ ! -e "$path" ] || [ -d "$path" ] || printf '%s\n' "${conffiles[@]}" | grep -qxF "$path" ||
            fail "left after remove: $path"
    done
    [ -f /etc/tovalin/password ] || fail "remove deleted /etc/tovalin/password"
    getent group tovalin-child >/dev/null || fail "remove deleted the group tovalin-child"
    ! grep -rlw tovalin /etc/pam.d /var/lib/pam 2>/dev/null || fail "PAM still names tovalin"

    apt-get purge -y -q tovalin
    ! dpkg-query -W -f='${Status}\n' tovalin 2>/dev/null | grep -qv not-installed ||
        fail "still known to dpkg: $(dpkg-query -W -f='${Status}' tovalin)"
    for path in "${files[@]}"; do
        # A folder stays where another package owns it too, maybe by its name before the /usr
        # merge (Debian 12's libpam-modules ships /lib/<triplet>/security).
        [ ! -e "$path" ] || [ "$path" = /. ] ||
            { [ -d "$path" ] && { dpkg-query -S "$path" || dpkg-query -S "${path#/usr}"; } >/dev/null 2>&1; } ||
            fail "left after purge: $path"
    done
    ! ls /var/lib/dpkg/info/tovalin.* 2>/dev/null || fail "dpkg's records of tovalin are left"
    [ ! -e /etc/tovalin ] || fail "purge left /etc/tovalin"
    ! getent group tovalin-child || fail "purge left the group tovalin-child"
    # No sessions were kept for it (it was made a member by hand): Tovalin's are taken away.
    [ "$(cat "$users/tovalin-kid")" = "[User]" ] ||
        fail "the child's session was not cleared: $(cat "$users/tovalin-kid")"
    grep -qx Session=tovalin "$users/tovalin-other" || fail "another account's session changed"

    for user in tovalin-kid tovalin-other; do
        userdel "$user"
        rm -f "$users/$user"
    done
    [ $failed -eq 0 ] && echo "removed and purged: nothing of tovalin is left"
}

case "${1:-}" in
--prepare)
    apt_install lintian ccache diffoscope-minimal
    # The account that lintian and the tests without needs-root run as.
    getent passwd tester >/dev/null || useradd --create-home tester
    python3 scripts/run-package-tests.py --install-depends "$PWD"
    ;;
--build)
    rm -rf "$out"
    # The second build compiles through the first one's cache, so it costs little more than the
    # packaging steps: those (moc, rcc, icons, man pages, linking, dh) are where a difference
    # would come from; the compiler's output for the same input is the same.
    export CCACHE_DIR=/var/cache/tovalin-ccache CMAKE_CXX_COMPILER_LAUNCHER=ccache
    for build in first second; do
        # Each from a copy of its own, as from a fresh checkout: the files' times differ.
        rm -rf "$out/src"
        mkdir -p "$out/src"
        tar --exclude='./build*' -cf - . | tar -C "$out/src" -xmf -
        (cd "$out/src" && dpkg-buildpackage -us -uc -b -J"$(nproc)")
        mkdir "$out/$build"
        find "$out" -maxdepth 1 -type f -exec mv -t "$out/$build" {} +
    done
    status=0
    for deb in "$out"/first/*deb; do
        if cmp "$deb" "$out/second/${deb##*/}"; then
            echo "reproducible: ${deb##*/}"
        else
            status=1
            diffoscope "$deb" "$out/second/${deb##*/}" || true
        fi
    done
    lintian --version
    # The .changes brings in the .buildinfo and both packages. Silence is a pass; lintian would
    # rather not run as root.
    if setpriv --reuid=tester --regid=tester --init-groups env HOME=/home/tester \
        lintian --info --display-level '>=info' --fail-on error,warning "$out"/first/*.changes; then
        echo "lintian: no errors, no warnings"
    else
        status=1
    fi
    exit $status
    ;;
--installed)
    deb=$(ls "$out"/first/tovalin_*.deb)
    apt_install "$deb"
    # Once more over itself: the upgrade path of the maintainer scripts, which must not fail for
    # what the first run made.
    apt-get install -y -q --reinstall "$deb"
    status=0
    if command -v autopkgtest >/dev/null; then
        autopkgtest "$deb" "$out/src" -- null || status=1
    else
        python3 scripts/run-package-tests.py "$out/src" || status=1
    fi
    # Tests that break the testbed may have removed it.
    apt_install "$deb"
    check_removal || status=1
    exit $status
    ;;
*)
    sed -n '2,10p' "$0" >&2
    exit 2
    ;;
esac
