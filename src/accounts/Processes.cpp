#include "accounts/Processes.h"

#include <QFile>
#include <csignal>
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

namespace accounts {

namespace {
// A small file of /proc whole, or empty where it is gone or unreadable. Through QFile, not
// open(2) and close(2): the web engine's library exports a close of its own, which a direct call
// would link into the root tools.
QByteArray readProc(const QByteArray &path)
{
    QFile file(QString::fromLocal8Bit(path));
    return file.open(QIODevice::ReadOnly | QIODevice::Unbuffered) ? file.read(65536) : QByteArray();
}

// The fields of /proc/PID/stat after the command, which may hold spaces and parentheses: the
// state first, the session id fourth.
QList<QByteArray> statFields(const QByteArray &stat)
{
    return stat.mid(stat.lastIndexOf(')') + 2).split(' ');
}

RunningProcess readProcess(int pid, const QByteArray &folder)
{
    RunningProcess process;
    process.pid = pid;
    char target[4096];
    const QByteArray exe = folder + "/exe";
    const ssize_t length = ::readlink(exe.constData(), target, sizeof target - 1);
    if (length > 0)
        process.program = QString::fromLocal8Bit(target, length);
    struct stat running, installed;
    if (::stat(exe.constData(), &running) == 0) {
        process.rootsFile = running.st_uid == 0 && !(running.st_mode & (S_IWGRP | S_IWOTH));
        process.sameFile = ::stat(process.program.toLocal8Bit().constData(), &installed) == 0 &&
                           installed.st_dev == running.st_dev && installed.st_ino == running.st_ino;
    }
    for (const QByteArray &argument : readProc(folder + "/cmdline").split('\0'))
        process.arguments.append(QString::fromLocal8Bit(argument));
    if (!process.arguments.isEmpty() && process.arguments.constLast().isEmpty())
        process.arguments.removeLast();
    return process;
}
} // namespace

QHash<uid_t, QList<RunningProcess>> readProcesses(const QSet<uid_t> &uids,
                                                  std::optional<int> session)
{
    QHash<uid_t, QList<RunningProcess>> found;
    DIR *proc = ::opendir("/proc");
    if (!proc)
        return found;
    while (const dirent *entry = ::readdir(proc)) {
        bool number = false;
        const int pid = QByteArray(entry->d_name).toInt(&number);
        if (!number)
            continue;
        // The folder's owner is the process's effective uid whatever the process does, and
        // stat costs far less than reading each status (fs/proc/base.c, task_dump_owner()).
        struct stat folderInfo;
        if (::fstatat(::dirfd(proc), entry->d_name, &folderInfo, 0) != 0 ||
            !uids.contains(folderInfo.st_uid))
            continue;
        const QByteArray folder = QByteArrayLiteral("/proc/") + entry->d_name;
        const QList<QByteArray> fields = statFields(readProc(folder + "/stat"));
        // Gone, or dead and waiting for its parent.
        if (fields.size() < 4 || fields[0] == "Z" || fields[0] == "X")
            continue;
        if (session && (pid == *session || fields[3].toInt() != *session))
            continue;
        RunningProcess process = readProcess(pid, folder);
        // One that ended while it was read is not running.
        if (process.program.isEmpty() && ::access(folder.constData(), F_OK) != 0)
            continue;
        found[folderInfo.st_uid].append(process);
    }
    ::closedir(proc);
    return found;
}

void killAll(const QList<RunningProcess> &processes)
{
    for (const RunningProcess &process : processes)
        ::kill(process.pid, SIGKILL);
}

} // namespace accounts
