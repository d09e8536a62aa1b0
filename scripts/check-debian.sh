#!/usr/bin/env bash
# Checks Tovalin on a fresh Debian 12 (bookworm) or Debian 13 (trixie) in a folder of its own:
# debootstrap from the mirror that apt uses here, the packages installed with the network, then
# the checks in namespaces of their own (no network but loopback where they need none, their own
# processes, mounts and IPC), so that their X servers, compositors and buses never meet this
# machine's. Needs root (sudo otherwise).
# Usage: scripts/check-debian.sh RELEASE [--prepare | --package | --tests] [FOLDER]
#   RELEASE is bookworm or trixie; FOLDER is build-debian12 or build-debian13 by default, kept for
#   the next run. --prepare makes the folder and installs the packages, and checks nothing;
#   --package builds the Debian package and checks it (scripts/check-package.sh); --tests runs
#   scripts/test.sh on the tree. Without either, both.
set -euo pipefail
cd "$(dirname "$0")/.."
[ "$(id -u)" -eq 0 ] || exec sudo "$0" "$@"
suite=${1:-}
case "$suite" in
bookworm) default_folder=build-debian12 ;;
trixie) default_folder=build-debian13 ;;
*)
    echo "usage: $0 bookworm|trixie [--prepare | --package | --tests] [FOLDER]" >&2
    exit 2
    ;;
esac
shift
mode=all
case "${1:-}" in
--prepare | --package | --tests)
    mode=${1#--}
    shift
    ;;
esac
folder=$(realpath -m "${1:-$default_folder}")
root=$folder/root

# The release's counterpart of every Debian archive that apt uses here (main, updates, security).
. /etc/os-release
mapfile -t sources < <(apt-get indextargets --format '$(REPO_URI) $(RELEASE)' |
    awk -v host="$VERSION_CODENAME" -v suite="$suite" \
        '$2 ~ "^" host "(-|$)" { sub("^" host, suite, $2); print $1, $2 }' | sort -u)
mirror=$(printf '%s\n' "${sources[@]}" | awk -v suite="$suite" '$2 == suite { print $1; exit }')
[ -n "$mirror" ] || { echo "apt uses no Debian archive here" >&2; exit 1; }
command -v debootstrap >/dev/null ||
    DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends debootstrap

if [ ! -e "$root/.bootstrapped" ]; then
    rm -rf "$root"
    debootstrap --variant=minbase "$suite" "$root" "$mirror"
    printf 'deb %s main\n' "${sources[@]}" > "$root/etc/apt/sources.list"
    touch "$root/.bootstrapped"
fi
cp /etc/resolv.conf "$root/etc/resolv.conf"

# The work tree as it is (tracked and new files), beside the build folders of an earlier run;
# stamped now, so that those rebuild whatever changed.
mkdir -p "$root/tovalin"
find "$root/tovalin" -mindepth 1 -maxdepth 1 ! -name 'build*' -exec rm -rf {} +
git ls-files -z --cached --others --exclude-standard |
    tar --null --ignore-failed-read -T - -cf - 2>/dev/null | tar -C "$root/tovalin" -xmf -

# in_root [--private-network] [--throwaway] COMMAND: runs COMMAND with the folder as the root of a
# mount namespace of its own, with fresh /proc, /dev/shm and /tmp; with --throwaway, on a layer
# over the folder that goes when COMMAND ends, so that tests that break the system they run on
# (accounts made, packages removed) leave the folder as it was for the next run. pivot_root
# rather than chroot: in a chroot the kernel refuses ordinary users the user namespaces that the
# web engine's sandbox needs. Every mount, and every process left, ends with the namespaces.
in_root() {
    local network=() layer="" status=0
    while :; do
        case "$1" in
        --private-network) network=(--net) ;;
        --throwaway)
            layer=$folder/throwaway
            rm -rf "$layer"
            mkdir -p "$layer"
            ;;
        *) break ;;
        esac
        shift
    done
    unshare --mount --propagation private --pid --fork --ipc --uts "${network[@]}" \
        bash -euc '
            root=$1 layer=$2; shift 2
            if [ -n "$layer" ]; then
                mkdir -p "$layer/upper" "$layer/work" "$layer/root"
                mount -t overlay overlay \
                    -o "lowerdir=$root,upperdir=$layer/upper,workdir=$layer/work" "$layer/root"
                root=$layer/root
            fi
            mount --bind "$root" "$root"
            mount -t proc proc "$root/proc"
            mount --rbind /dev "$root/dev"
            mount -t tmpfs -o mode=1777 tmpfs "$root/dev/shm"
            mount -t tmpfs -o mode=1777 tmpfs "$root/tmp"
            mount -t sysfs -o ro sysfs "$root/sys"
            ip link set lo up 2>/dev/null || true
            cd "$root"
            mkdir -p .host
            pivot_root . .host
            exec /usr/bin/env -i PATH=/usr/local/bin:/usr/bin:/bin:/usr/sbin:/sbin HOME=/root \
                LANG=C.UTF-8 CI="${CI:-}" bash -euc "umount -l /.host && cd /tovalin && $*"' \
        in_root "$root" "$layer" "$@" || status=$?
    [ -z "$layer" ] || rm -rf "$layer"
    return $status
}

in_root scripts/setup.sh --packages-only
in_root scripts/check-package.sh --prepare
status=0
case $mode in
package | all)
    # The build and lintian need no network; installing the package and the tests' packages do,
    # and the tests themselves get it only where they ask for it.
    in_root --private-network scripts/check-package.sh --build || exit 1
    in_root --throwaway scripts/check-package.sh --installed || status=1
    ;;&
tests | all)
    in_root --private-network scripts/test.sh || status=1
    ;;
esac
exit $status
