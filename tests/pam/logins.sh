#!/bin/bash
# Child accounts through the real PAM profile and module, as an ordinary user: pam_wrapper reads
# the test's own service files, whose common-session holds the profile's lines as pam-auth-update
# writes them (included by its absolute path: Debian 12's libpam looks up a relative @include in
# /etc/pam.d even under pam_wrapper); nss_wrapper gives the accounts; each "system" is a folder
# that stands for one (AccountsService's users, the session entries and their programs), and
# tovalin-watch is a fake on its socket.
# Usage: logins.sh MODULE HELPER REPLAY PROFILE PREFIX
set -euo pipefail
module=$1 helper=$2 replay=$3 profile=$4 prefix=$5
work=$(mktemp -d)
coproc WATCHER { exec python3 -c '
import socketserver, sys, threading
for path, reply in zip(sys.argv[1:], (b"ok\n", b"no\n")):
    class Ping(socketserver.BaseRequestHandler):
        def handle(self, reply=reply):
            if self.request.recv(16) == b"ping\n":
                self.request.sendall(reply)
    server = socketserver.ThreadingUnixStreamServer(path, Ping)
    threading.Thread(target=server.serve_forever, daemon=True).start()
print("ready", flush=True)
sys.stdin.read()' "$work/watch.ok" "$work/watch.no"; }
trap 'kill "$WATCHER_PID"; [ -n "${KEEP:-}" ] || rm -rf "$work"' EXIT
read -r _ <&"${WATCHER[0]}"
failures=0

# Child accounts whose homes hold what a session runs; odd's home is not valid UTF-8.
odd=$work/home/odd$'\xff'
mkdir -p "$work"/home/{kid,other} "$odd" && echo x-session-manager >"$odd/.profile"
printf '%s\n' "root:x:0:0::/root:/bin/sh" "kid:x:1001:1001::$work/home/kid:/bin/sh" \
    "other:x:1002:1002::$work/home/other:/bin/sh" "odd:x:1003:1003::$odd:/bin/sh" >"$work/passwd"
for file in planted/.profile xinput/.xinputrc xsession/.Xsession; do
    mkdir -p "$work/home/${file%/*}" && echo x-session-manager >"$work/home/$file"
    echo "${file%/*}:x:1003:1003::$work/home/${file%/*}:/bin/sh" >>"$work/passwd"
done
printf '%s\n' root:x:0: kid:x:1001: other:x:1002: planted:x:1003: \
    tovalin-child:x:990:kid,planted,odd,xinput,xsession >"$work/group"
# A check that closes its output and does not end.
printf '#!/bin/sh\nexec >&-\nexec sleep 30\n' >"$work/mute-check" && chmod +x "$work/mute-check"

system() { # system NAME [MODULE-ARGUMENT...] [-PATH...] [+etc/os-release line]
    local root=$work/$1 path arguments=()
    shift
    for path in /usr/bin/cage /usr/bin/Xwayland "$prefix/bin/tovalin" \
        "$prefix/libexec/tovalin/tovalin-x11-session" \
        "$prefix/share/wayland-sessions/tovalin.desktop" \
        "$prefix/share/xsessions/tovalin.desktop"; do
        mkdir -p "$root${path%/*}" && : >"$root$path" && chmod +x "$root$path"
    done
    mkdir -p "$root"/{pam.d,etc,var/lib/AccountsService/users,var/lib/systemd/linger}
    arguments=("helper=$helper" "socket=$work/watch.ok" "root=$root")
    for path; do
        case $path in
        -*) rm "$root${path#-}" ;;
        '~'*) chmod o-x "$root${path#\~}" ;; # runnable by root, not by the account
        +*) echo "${path#+}" >>"$root/etc/os-release" ;;
        *=*) arguments+=("$path") ;;
        esac
    done
    sed -n '/^Session:/,$p' "$profile" | tail -n +2 |
        sed "s|^\t|session\t|; s|pam_tovalin.so|$module ${arguments[*]}|" \
            >"$root/pam.d/common-session"
    echo 'session required pam_permit.so' >>"$root/pam.d/common-session"
    for service in gdm-password gdm-autologin lightdm login sshd su systemd-user; do
        printf '%s\n' 'auth required pam_permit.so' 'account required pam_permit.so' \
            "@include $root/pam.d/common-session" >"$root/pam.d/$service"
    done
}
system full
system nox11 "-$prefix/share/xsessions/tovalin.desktop"
system nocage -/usr/bin/cage
system debian12 -/usr/bin/Xwayland '+VERSION_ID="12"'
system down "socket=$work/watch.none"
system wrong "socket=$work/watch.no"
system nohelper helper=/nonexistent
system mute "helper=$work/mute-check"
system ownerx "~$prefix/libexec/tovalin/tovalin-x11-session" "~/usr/bin/cage"
system linger && touch "$work/linger/var/lib/systemd/linger/kid"

login() { # login USER SYSTEM SERVICE SESSION TYPE RECORDED-TYPE [VAR=VALUE...]
    local user=$1 root=$work/$2 service=$3 mode=plain
    shift 3
    case $service in gdm-*) mode=gdm ;; lightdm*) mode=lightdm ;; esac
    LD_PRELOAD="libpam_wrapper.so libnss_wrapper.so" PAM_WRAPPER=1 PAM_WRAPPER_DISABLE_DEEPBIND=1 \
        PAM_WRAPPER_DEBUGLEVEL=2 PAM_WRAPPER_SERVICE_DIR="$root/pam.d" \
        NSS_WRAPPER_PASSWD="$work/passwd" NSS_WRAPPER_GROUP="$work/group" "$replay" "$mode" \
        "$service" "$user" "$1" "$2" "$3" "$root/var/lib/AccountsService/users" "${@:4}"
}
row() { # row WANTED USER SYSTEM SERVICE SESSION TYPE RECORDED-TYPE [VAR=VALUE...]
    local wanted=$1 user=$2 got=yes mark=ok
    shift 2
    login "$user" "$@" >"$work/out" 2>&1 || got=no
    # A refused person is told why, and the journal (here pam_wrapper's log) has the detail.
    if [ "$got" != "$wanted" ] || { [ "$got" = no ] && ! { grep -q '^shown: .' "$work/out" &&
        grep -q "SYSLOG.*refused the child account $user" "$work/out"; }; }; then
        mark=FAILED failures=$((failures + 1))
    fi
    printf '%-8s %-8s %-52s %-4s %s\n' "$user" "$1" "${*:2}" "$got" "$mark"
    [ "$mark" = ok ] || sed 's/^/    /' "$work/out"
    # Whoever is not a child account logs in as before, whatever the system.
    [ "$user" = other ] || row yes other "$@"
}
# A row of several services, with commas between them, stands for one row each.
while read -r wanted user system services session type recorded env; do
    for service in ${services//,/ }; do
        # shellcheck disable=SC2086 # the extra variables, one a word
        row "$wanted" "$user" "$system" "$service" "$session" "$type" "$recorded" $env
    done
done <<'ROWS'
yes kid full gdm-password,gdm-autologin tovalin wayland -
no kid full gdm-password,gdm-autologin gnome wayland -
no kid full gdm-password,gdm-autologin - wayland -
no kid full gdm-password tovalin wayland - XDG_SESSION_DESKTOP=gnome DESKTOP_SESSION=gnome
yes kid full gdm-autologin tovalin x11 -
no kid nox11 gdm-autologin tovalin x11 -
no kid nox11 gdm-password tovalin - -
yes kid full gdm-password tovalin wayland x11
no kid nox11 gdm-password tovalin wayland x11
no kid full gdm-password tovalin wayland mir
yes kid full lightdm tovalin x11 -
yes kid full lightdm tovalin - -
no kid full lightdm gnome x11 -
no kid full lightdm - - -
no kid nox11 lightdm tovalin x11 -
no kid full login,sshd,su - - -
yes kid full systemd-user - - -
no kid linger systemd-user - - -
no kid nocage gdm-password tovalin wayland -
no kid nocage lightdm tovalin x11 -
no kid debian12 gdm-password tovalin wayland -
no kid down gdm-password tovalin wayland -
no kid wrong lightdm tovalin x11 -
no kid nohelper gdm-password tovalin wayland -
no planted full gdm-password tovalin wayland -
no xinput full lightdm tovalin x11 -
no xsession full lightdm tovalin x11 -
no odd full gdm-password tovalin wayland -
no kid mute gdm-password tovalin wayland -
no kid ownerx lightdm tovalin x11 -
no kid ownerx gdm-password tovalin wayland -
yes kid full gdm-password tovalin wayland - !ignore-sigchld
yes kid full lightdm tovalin x11 - !reap-sigchld
no kid full lightdm tovalin - - XDG_SESSION_TYPE=--phase=close_session
no kid full gdm-password gnome wayland - PAM_TYPE=close_session
no kid full gdm-autologin gnome x11 - PAM_USER=root PAM_SERVICE=systemd-user
no kid full login - - - PAM_TYPE=close_session PAM_SERVICE=gdm-password XDG_SESSION_DESKTOP=tovalin
ROWS
# The person reads why in the language the PAM environment names.
{ login kid full login - - - LANG=de_DE.UTF-8 || true; } | grep -q '^shown: Dieses Konto' ||
    { echo "the refusal was not shown in German"; failures=$((failures + 1)); }
[ "$failures" = 0 ] || { echo "$failures rows failed"; exit 1; }
