#include "accounts/SessionPrograms.h"

#include <algorithm>

namespace accounts {

using enum SessionRole;

// Where each comes from. "Seen" means listed from Tovalin run in a headless cage under
// dbus-run-session here (Debian 12), from Debian 12's /etc/X11/Xsession traced with strace, or
// from a child account's automatic login at a real login screen (scripts/vm-session.sh); the
// rest is read from the sources named.
const QList<SessionProgram> SESSION_PROGRAMS{
    // Tovalin and its engine's helper (seen; Debian's qt6-webengine puts it there on both).
    {"/usr/bin/tovalin", Program},
    {"/usr/lib/qt6/libexec/QtWebEngineProcess", Program},
    // The session entry: Exec=cage -- env QT_QPA_PLATFORM=wayland tovalin (seen); env execs at
    // once. cage starts Xwayland for X clients (wlroots xwayland/server.c runs "Xwayland").
    {"/usr/bin/cage", Program},
    {"/usr/bin/env", Program},
    {"/usr/bin/Xwayland", Program},
    // The X11 session entry's script, run alone on X where GDM has no Wayland.
    {"/usr/libexec/tovalin/tovalin-x11-session", Script},
    // GDM 43 and 48 run the session through these as the account (daemon/gdm-session.c: 43.0
    // 2941-2952, 48.0 3170-3181); gdm-x-session starts the X server as the account (X_SERVER,
    // daemon/gdm-x-session.c 246; Debian's /usr/bin/Xorg is a shell script that runs
    // Xorg.wrap or Xorg) and, unless the entry bypasses it, /etc/gdm3/Xsession (687).
    {"/usr/libexec/gdm-wayland-session", Program},
    {"/usr/libexec/gdm-x-session", Program},
    {"/usr/bin/Xorg", Script},
    {"/usr/lib/xorg/Xorg.wrap", Program},
    {"/usr/lib/xorg/Xorg", Program},
    // GDM's worker forks the session's process, which changes to the account before it execs
    // the session (daemon/gdm-session-worker.c, gdm_session_worker_start_session()); seen in
    // Debian 13's GDM session.
    {"/usr/libexec/gdm-session-worker", Program},
    // That X server compiles its keymap with xkbcomp through /bin/sh -c, into a file named after
    // the display, %N here (xserver's xkb/ddxLoad.c, XkbDDXCompileKeymapByNames(); seen in
    // Debian 13's GDM session on X).
    {"/usr/bin/xkbcomp", Program},
    {R"("/usr/bin/xkbcomp" -w 1 "-R/usr/share/X11/xkb" -xkm "-" -em1 "The XKEYBOARD keymap compiler (xkbcomp) reports:" -emp "> " -eml "Errors from xkbcomp are not fatal to the X server" "/tmp/server-%N.xkm")",
     Script},
    {"/etc/gdm3/Xsession", Script},
    // LightDM's session child, which runs as the account while it writes and removes the X
    // authority in the home and between its fork and exec of the session (1.30's
    // src/session-child.c: privileges_drop() around x_authority_write(); seen in Debian 12's).
    {"/usr/sbin/lightdm", Program},
    // LightDM runs every session through its session-wrapper (src/seat.c get_session_argv,
    // 1.26.0 874-881), which Debian sets to /etc/X11/Xsession; both Xsession scripts are /bin/sh.
    {"/etc/X11/Xsession", Script},
    // im-config's Xsession.d hook puts its launcher before the session's command on X; it execs
    // the command, and with the package's own hook before it, starts no input method.
    {"/usr/bin/im-launch", Script},
    {"/usr/bin/dash", Interpreter},
    {"/usr/bin/bash", Interpreter},
    // What Debian 12's Xsession.d runs on the way (seen): option and file checks, the agents
    // it starts, the bus and the activation environment. cpp is left out: it runs too briefly to
    // be seen twice.
    {"/usr/bin/cat", Program},
    {"/usr/bin/chmod", Program},
    {"/usr/bin/date", Program},
    {"/usr/bin/grep", Program},
    {"/usr/bin/mktemp", Program},
    {"/usr/bin/rm", Program},
    {"/usr/bin/run-parts", Program},
    {"/usr/bin/tail", Program},
    {"/usr/bin/touch", Program},
    {"/usr/bin/gpgconf", Program},
    {"/usr/bin/gpg-agent", Program},
    // gpg-agent's Xsession.d hook (90gpg-agent) and, from Debian 13 on, the ExecStartPost and
    // ExecStopPre of its user socket gpg-agent-ssh.socket, which the user manager runs as it
    // starts and stops (seen in Debian 13's GDM session), ask gpgconf whether ssh support is on
    // and tell the user manager, through these program texts of sh -c and awk.
    {"/usr/bin/mawk", Interpreter},
    {"/usr/bin/gawk", Interpreter},
    {"/usr/bin/systemctl", Program},
    {"/^enable-ssh-support:/{ print $10 }", Script},
    {"/^enable-ssh-support:/{print$10}", Script},
    {R"sh([ -z "$(gpgconf --list-options gpg-agent | awk -F: '/^enable-ssh-support:/{print$10}')" ] || systemctl --user set-environment "$@")sh",
     Script},
    {R"sh([ -z "$(gpgconf --list-options gpg-agent | awk -F: '/^enable-ssh-support:/{print$10}')" ] || systemctl --user unset-environment SSH_AUTH_SOCK)sh",
     Script},
    {"/usr/bin/ssh-agent", Program},
    {"/usr/bin/xrdb", Program},
    {"/usr/bin/xhost", Program},
    {"/usr/bin/dbus-update-activation-environment", Program},
    {"/usr/bin/dbus-launch", Program},
    // The session bus: dbus-user-session's user unit, dbus-run-session (seen), or the bus that
    // gdm-wayland-session starts where there is none (daemon/gdm-wayland-session.c 139);
    // dbus-broker where it is the chosen implementation.
    {"/usr/bin/dbus-daemon", Program},
    {"/usr/bin/dbus-run-session", Program},
    {"/usr/bin/dbus-broker-launch", Program},
    {"/usr/bin/dbus-broker", Program},
    // The account's user manager and its PAM helper "(sd-pam)", one executable; from systemd 255
    // (Debian 13) it starts each unit's process through systemd-executor. Debian 13's
    // xdg-user-dirs enables a user unit that runs xdg-user-dirs-update at every login.
    {"/usr/lib/systemd/systemd", Program},
    {"/usr/lib/systemd/systemd-executor", Program},
    // The generators it runs as it starts, systemd's own (seen in Debian 13's LightDM session).
    {"/usr/lib/systemd/user-generators/systemd-xdg-autostart-generator", Program},
    {"/usr/lib/systemd/user-environment-generators/30-systemd-environment-d-generator", Program},
    {"/usr/bin/xdg-user-dirs-update", Program},
    // The sound server that the engine's audio starts through its user sockets.
    {"/usr/bin/pipewire", Program},
    {"/usr/bin/pipewire-pulse", Program},
    {"/usr/bin/wireplumber", Program},
    {"/usr/bin/pulseaudio", Program},
    // Qt's accessibility bridge asks org.a11y.Bus on the session bus, which activates these.
    {"/usr/libexec/at-spi-bus-launcher", Program},
    {"/usr/libexec/at-spi2-registryd", Program},
    // Qt reads the desktop's settings through the portal where one is installed.
    {"/usr/libexec/xdg-desktop-portal", Program},
    {"/usr/libexec/xdg-desktop-portal-gtk", Program},
    {"/usr/libexec/xdg-document-portal", Program},
    {"/usr/libexec/xdg-permission-store", Program},
    // The GTK portal's settings write through dconf's bus service, and its GIO starts the GVfs
    // daemon on the session bus (seen in Debian 13's GDM session); the backends that the daemon
    // would start for a mount are not listed.
    {"/usr/libexec/dconf-service", Program},
    {"/usr/libexec/gvfsd", Program},
    // GDM's PAM stack starts the keyring (pam_gnome_keyring auto_start, Debian's gdm-password).
    {"/usr/bin/gnome-keyring-daemon", Program},
};

namespace {
const QString DELETED = QStringLiteral(" (deleted)");

// An entry's path or text, where %N stands for a number (ASCII digits, one or more).
bool matches(QLatin1String entry, QStringView text)
{
    const qsizetype at = entry.indexOf(QLatin1String("%N"));
    if (at < 0)
        return text == entry;
    const QLatin1String head = entry.left(at), tail = entry.mid(at + 2);
    if (!text.startsWith(head) || !text.endsWith(tail) || text.size() <= head.size() + tail.size())
        return false;
    const QStringView number = text.mid(head.size(), text.size() - head.size() - tail.size());
    return std::all_of(number.begin(), number.end(),
                       [](QChar c) { return c >= u'0' && c <= u'9'; });
}

std::optional<SessionRole> roleOf(const QString &path)
{
    for (const SessionProgram &entry : SESSION_PROGRAMS)
        if (matches(QLatin1String(entry.path), path))
            return entry.role;
    return std::nullopt;
}

// The script a shell or awk runs: its first argument that is not an option. Options other than
// each one's plain ones stand for themselves, which no script is: a shell's -s would read
// commands from the standard input, -i the home's startup files; gawk's -e, -f, -i and -l take
// code of their own. awk's program text must come last, as the listed callers give it.
const QStringList SHELL_OPTIONS{QStringLiteral("-e"), QStringLiteral("-c")};
const QStringList AWK_OPTIONS{QStringLiteral("-F:")};
QString scriptOf(const QString &interpreter, const QStringList &arguments)
{
    const bool awk = interpreter.endsWith(QLatin1String("awk"));
    for (qsizetype i = 1; i < arguments.size(); ++i)
        if (!arguments[i].startsWith(u'-') ||
            !(awk ? AWK_OPTIONS : SHELL_OPTIONS).contains(arguments[i]))
            return awk && i + 1 < arguments.size() ? QString() : arguments[i];
    return {};
}
} // namespace

std::optional<QString> foreignReason(const RunningProcess &process)
{
    const QString what = QStringLiteral("process %1 (%2)").arg(process.pid);
    if (process.program.isEmpty())
        return what.arg(QStringLiteral("its program cannot be read"));
    // A program replaced by an upgrade shows as deleted; only root could have put it there.
    const bool deleted = process.program.endsWith(DELETED);
    const QString path = deleted ? process.program.chopped(DELETED.size()) : process.program;
    const std::optional<SessionRole> role = roleOf(path);
    if (!role || *role == Script)
        return what.arg(path + QStringLiteral(" is not part of Tovalin's session"));
    // The name alone is not enough: a mount namespace of the account's own can put any file
    // under a listed name.
    if (deleted ? !process.rootsFile : !process.sameFile)
        return what.arg(path + QStringLiteral(" is not the file installed there"));
    if (*role == Interpreter) {
        const QString script = scriptOf(path, process.arguments);
        if (roleOf(script) != Script)
            return what.arg(path + QStringLiteral(" runs ") +
                            (script.isEmpty() ? QStringLiteral("no listed script") : script));
    }
    return std::nullopt;
}

AccountVerdict judgeAccount(const QList<RunningProcess> &processes, bool foreignBefore)
{
    QStringList reasons;
    for (const RunningProcess &process : processes)
        if (const std::optional<QString> reason = foreignReason(process))
            reasons.append(*reason);
    AccountVerdict verdict;
    verdict.foreign = !reasons.isEmpty();
    verdict.end = verdict.foreign && foreignBefore;
    verdict.reason = reasons.join(QStringLiteral("; "));
    return verdict;
}

} // namespace accounts
