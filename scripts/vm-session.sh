#!/usr/bin/env bash
# Boots a Debian 12 or 13 of its own in qemu with the package installed, has the login screen log
# a child account in automatically, and prints what then runs under that account: every program
# seen in the session (sampled ten times a second from the first login on), with its parent and
# arguments, what tovalin-watch logged beside the real logind, and whether it ends the account
# when a program that is not Tovalin's session's starts under it. This is how the list of session
# programs is read off real sessions; nothing of it runs on this machine's own system.
# Needs root (sudo otherwise), debootstrap and qemu-system-x86 (installed when missing). Without
# KVM, qemu emulates the processor: with LightDM a run takes about 5 minutes on two cores, the
# first one 10 more for debootstrap and the packages.
# Usage: scripts/vm-session.sh RELEASE DEB [lightdm | lightdm-wayland | gdm] [FOLDER]
#   RELEASE is bookworm or trixie; DEB is the package built for it (scripts/check-debian.sh
#   RELEASE --package leaves it in FOLDER/root/tovalin/build-package/first). lightdm-wayland
#   makes LightDM look among Wayland sessions only. FOLDER is vm-RELEASE by default, kept.
# VM_PACKAGES: more packages for the guest, such as "im-config ibus". VM_SHELL=1: a root shell on
# the guest's second serial port, at FOLDER/shell.sock (socat - UNIX-CONNECT:FOLDER/shell.sock).
set -euo pipefail
cd "$(dirname "$0")/.."
[ "$(id -u)" -eq 0 ] || exec sudo "$0" "$@"
[ $# -ge 2 ] || {
    echo "usage: $0 bookworm|trixie DEB [lightdm | lightdm-wayland | gdm] [FOLDER]" >&2
    exit 2
}
suite=$1 deb=$(realpath "$2") screen=${3:-lightdm}
folder=$(realpath -m "${4:-vm-$suite}")
root=$folder/root
case $screen in
lightdm | lightdm-wayland) screen_packages=(lightdm lightdm-gtk-greeter) unit=lightdm ;;
gdm) screen_packages=(gdm3 gnome-session) unit=gdm ;;
*)
    echo "unknown login screen $screen" >&2
    exit 2
    ;;
esac

missing=()
command -v debootstrap >/dev/null || missing+=(debootstrap)
command -v qemu-system-x86_64 >/dev/null || missing+=(qemu-system-x86)
[ ${#missing[@]} -eq 0 ] ||
    DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"

. /etc/os-release
mirror=$(apt-get indextargets --format '$(REPO_URI) $(RELEASE)' |
    awk -v host="$VERSION_CODENAME" '$2 == host { print $1; exit }')
if [ ! -e "$root/.bootstrapped" ]; then
    rm -rf "$root"
    debootstrap --variant=minbase "$suite" "$root" "$mirror"
    touch "$root/.bootstrapped"
fi
printf 'deb %s %s main\n' "$mirror" "$suite" "$mirror" "$suite-updates" > "$root/etc/apt/sources.list"
cp /etc/resolv.conf "$root/etc/resolv.conf"

# in_root COMMAND: COMMAND in the folder as root, in a mount namespace of its own; no service
# starts there.
in_root() {
    unshare --mount --propagation private --fork bash -euc '
        root=$1; shift
        mount -t proc proc "$root/proc"
        mount --rbind /dev "$root/dev"
        mount -t tmpfs tmpfs "$root/tmp"
        exec chroot "$root" /usr/bin/env -i PATH=/usr/bin:/bin:/usr/sbin:/sbin HOME=/root \
            LANG=C.UTF-8 DEBIAN_FRONTEND=noninteractive bash -euc "$*"' in_root "$root" "$@"
}
printf '#!/bin/sh\nexit 101\n' > "$root/usr/sbin/policy-rc.d"
chmod +x "$root/usr/sbin/policy-rc.d"
cp "$deb" "$root/var/cache/tovalin.deb"
in_root "apt-get update -q && apt-get install -y -q --no-install-recommends systemd-sysv udev \
    dbus procps linux-image-amd64 accountsservice polkitd xserver-xorg-core xserver-xorg-input-libinput \
    ${screen_packages[*]} ${VM_PACKAGES:-} /var/cache/tovalin.deb && apt-get clean"
rm "$root/usr/sbin/policy-rc.d"

# The guest: its disk, no display manager at boot, and the probe that does the rest.
echo '/dev/vda / ext4 defaults 0 1' > "$root/etc/fstab"
echo tovalin-vm > "$root/etc/hostname"
rm -f "$root/etc/systemd/system/display-manager.service"
# A getty there would hang the probe's output up.
ln -sf /dev/null "$root/etc/systemd/system/serial-getty@ttyS0.service"
install -m 755 /dev/stdin "$root/usr/local/sbin/tovalin-probe" <<'PROBE'
#!/bin/bash
# Runs in the guest, as root, once at boot.
exec > /dev/ttyS0 2>&1
say() { printf 'probe: %s\n' "$*"; }
screen=$1 unit=$2
adduser --quiet --disabled-password --gecos '' kid
say "tovalin-child add:"
tovalin-child add kid 2>&1 | sed 's/^/probe:   /'
[ "${PIPESTATUS[0]}" = 0 ] || { say "done"; systemctl poweroff; exit; }
uid=$(id -u kid)
mkdir -p /etc/lightdm/lightdm.conf.d /etc/gdm3
case $screen in
lightdm*)
    printf '[Seat:*]\nautologin-user=kid\nautologin-session=tovalin\n' \
        > /etc/lightdm/lightdm.conf.d/50-probe.conf
    [ "$screen" = lightdm ] || printf '[LightDM]\nsessions-directory=/usr/share/wayland-sessions\n' \
        >> /etc/lightdm/lightdm.conf.d/50-probe.conf
    ;;
gdm) printf '[daemon]\nAutomaticLoginEnable=true\nAutomaticLogin=kid\n' > /etc/gdm3/daemon.conf ;;
esac
systemctl start "$unit"
# Every program of the account, ten times a second, from the session's start until Tovalin has
# run for a minute (or ten minutes have gone by). Perl, in one process: a shell's forks would
# take longer than the interval under an emulated processor.
say "programs seen under the child account:"
perl -e '
    my ($uid, %seen, $started) = $ARGV[0];
    my $begun = time;
    while (time - $begun < 600 && !(defined $started && time - $started > 60)) {
        opendir(my $proc, "/proc") or die;
        for my $pid (grep /^\d+$/, readdir $proc) {
            my @info = stat "/proc/$pid" or next;
            next unless $info[4] == $uid;
            my $exe = readlink "/proc/$pid/exe" // next;
            $started //= time if $exe eq "/usr/bin/tovalin";
            next if $seen{$exe};
            open my $file, "<", "/proc/$pid/cmdline" or next;
            my $arguments = do { local $/; <$file> } // "";
            $arguments =~ s/\0/ /g;
            open $file, "<", "/proc/$pid/stat" or next;
            my $stat = <$file> // "";
            $stat =~ s/.*\) //;
            my $parent = (split / /, $stat)[1] // "?";
            $seen{$exe} = "$arguments(parent " . (readlink("/proc/$parent/exe") // $parent) . ")";
        }
        closedir $proc;
        select undef, undef, undef, 0.1;
    }
    print "probe:   $_: $seen{$_}\n" for sort keys %seen;
    print "probe: Tovalin never started\n" unless defined $started;
' "$uid"
say "running now:"
ps -u kid -o pid=,ppid=,args= | sed 's/^/probe:   /'
say "sessions:"
loginctl list-sessions --no-legend | sed 's/^/probe:   /'
# A program that is not the session's, started under the account outside any login.
setpriv --reuid=kid --regid=kid --init-groups /usr/bin/sleep 600 &
sleep 5
if kill -0 $! 2>/dev/null; then say "a stray program under the account still runs after 5 s"; else say "a stray program under the account was ended"; fi
say "sessions after:"
loginctl list-sessions --no-legend | sed 's/^/probe:   /'
say "tovalin-watch's journal:"
journalctl -b -o cat -u tovalin-watch | sed 's/^/probe:   /'
say "the login screen's log:"
{ tail -n 30 /var/log/lightdm/lightdm.log; journalctl -b -o cat -u gdm -n 30; } 2>/dev/null | sed 's/^/probe:   /'
say "done"
systemctl poweroff
PROBE
cat > "$root/etc/systemd/system/tovalin-probe.service" <<UNIT
[Unit]
Description=List what runs in a child account's session
After=multi-user.target tovalin-watch.service accounts-daemon.service
[Service]
Type=oneshot
ExecStart=/usr/local/sbin/tovalin-probe $screen $unit
[Install]
WantedBy=multi-user.target
UNIT
ln -sf /etc/systemd/system/tovalin-probe.service \
    "$root/etc/systemd/system/multi-user.target.wants/tovalin-probe.service"

# A root shell on the second serial port, for a look inside while the probe runs.
shell=()
rm -f "$root/etc/systemd/system/multi-user.target.wants/tovalin-shell.service"
if [ -n "${VM_SHELL:-}" ]; then
    printf '[Service]\nExecStart=/bin/bash -l\nStandardInput=tty\nTTYPath=/dev/ttyS1\nRestart=always\n' \
        > "$root/etc/systemd/system/tovalin-shell.service"
    ln -s /etc/systemd/system/tovalin-shell.service \
        "$root/etc/systemd/system/multi-user.target.wants/tovalin-shell.service"
    shell=(-serial "unix:$folder/shell.sock,server=on,wait=off")
fi

# The disk from the folder, without a loop device; a fresh one every run.
image=$folder/disk.img
rm -f "$image"
truncate -s 8G "$image"
mkfs.ext4 -q -F -L root -d "$root" "$image"
kernel=$(ls "$root"/boot/vmlinuz-* | sort -V | tail -n1)
initrd=$root/boot/initrd.img-${kernel##*/vmlinuz-}
# VM_ACCEL=kvm where KVM works; it does not on every machine that has /dev/kvm.
accel=${VM_ACCEL:-tcg}
log=$folder/serial-$screen.log
timeout 45m qemu-system-x86_64 -accel "$accel" -smp 2 -m 4096 -nodefaults -no-reboot \
    -display none -vga std -nic none -serial "file:$log" "${shell[@]}" \
    -drive "file=$image,format=raw,if=virtio" \
    -kernel "$kernel" -initrd "$initrd" -append "root=/dev/vda rw console=ttyS0 quiet" || true
grep -a '^probe:' "$log"
grep -aq '^probe: done' "$log"
