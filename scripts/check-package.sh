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

case "${1:-}" in
--prepare)
    apt_install lintian ccache diffoscope-minimal
    # The account that the tests without needs-root run as.
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
        mv "$out"/*.deb "$out"/*.ddeb "$out"/*.changes "$out"/*.buildinfo "$out/$build/"
    done
    status=0
    for deb in "$out"/first/*.deb "$out"/first/*.ddeb; do
        if cmp "$deb" "$out/second/${deb##*/}"; then
            echo "reproducible: ${deb##*/}"
        else
            status=1
            diffoscope "$deb" "$out/second/${deb##*/}" || true
        fi
    done
    lintian --version
    lintian --info --display-level '>=info' --fail-on error,warning "$out"/first/*.changes ||
        status=1
    exit $status
    ;;
--installed)
    deb=$(ls "$out"/first/tovalin_*.deb)
    apt_install "$deb"
    # Once more over itself: the upgrade path of the maintainer scripts, which must not fail for
    # what the first run made.
    apt-get install -y -q --reinstall "$deb"
    python3 scripts/run-package-tests.py "$out/src"
    scripts/check-package-removal.sh
    ;;
*)
    sed -n '2,10p' "$0" >&2
    exit 2
    ;;
esac
