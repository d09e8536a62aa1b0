#!/usr/bin/env bash
# Installs whatever Debian packages Tovalin needs that are missing, then configures and builds it.
# Usage: scripts/setup.sh BUILD_DIR [extra cmake arguments]
#        scripts/setup.sh --packages-only
# The package names are the same on Debian 12 and Debian 13: what debian/control's Build-Depends
# names (debhelper-compat is debhelper's), the build's own tools, and what the tests run. Both
# releases have clang-format 19, so the format check judges alike on each (Debian 12's default
# clang-format is 14, which formats some code differently).
set -euo pipefail
cd "$(dirname "$0")/.."

# The Build-Depends field, one name a line: the first of any alternatives, without versions.
mapfile -t build_depends < <(awk '/^Build-Depends:/ { on = 1; sub(/^[^:]*:/, ""); print; next }
                                  /^[^ \t]/ { on = 0 } on' debian/control |
    tr ',' '\n' | sed -E 's/[|(<[].*//; s/[[:space:]]//g; /^$/d; s/^debhelper-compat$/debhelper/')
packages=("${build_depends[@]}" build-essential
          qt6-wayland qt6-translations-l10n xvfb xauth xdotool sway cage xwayland wtype grim
          dbus-daemon dbus-bin python3 python3-dbusmock qt6-xdgdesktopportal-platformtheme
          libnss-wrapper libpam-wrapper fonts-dejavu-core desktop-file-utils appstream procps
          clang-format-19)
missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
        missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -q
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
[ "${1:-}" != "--packages-only" ] || exit 0

build="${1:-build}"
shift || true
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release "$@"
cmake --build "$build" -j"$(nproc)"
