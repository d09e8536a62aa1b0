/* pam_tovalin: holds a child account to Tovalin's session when a session opens.
 *
 * It takes the facts of the login from PAM itself (the items with pam_get_item, the session
 * variables with pam_getenv) and from the account database under the account's own name, and
 * hands them to tovalin-session-check as arguments, in an empty environment: nothing of this
 * process's environment or of the PAM environment reaches the check but the values it is
 * given. The check answers with its exit status and two lines on its output: what the person
 * at the login screen is told, and the detail for the journal.
 *
 * Arguments, from the PAM file alone: helper=PATH (the check), socket=PATH (tovalin-watch's
 * socket) and root=PATH (where the check reads the system's files), for the test suite. */
#define _GNU_SOURCE
#include <errno.h>
#include <fcntl.h>
#include <grp.h>
#include <poll.h>
#include <pwd.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <syslog.h>
#include <time.h>
#include <unistd.h>

#include <security/pam_ext.h>
#include <security/pam_modules.h>
#include <security/pam_modutil.h>

#ifndef TOVALIN_SESSION_CHECK
#define TOVALIN_SESSION_CHECK "/usr/libexec/tovalin/tovalin-session-check"
#endif
#define CHILD_GROUP "tovalin-child"
/* The watcher's one second and the home check, with room for a slow disk. */
#define CHECK_TIMEOUT_MSECS 10000
#define MAX_ARGUMENTS 32
#define OUTPUT_SIZE 4096

struct arguments
{
    const char *values[MAX_ARGUMENTS + 1];
    char *owned[MAX_ARGUMENTS];
    int count;
};

static int add(struct arguments *list, const char *name, const char *value)
{
    if (list->count >= MAX_ARGUMENTS)
        return 0;
    char *text = NULL;
    if (value ? asprintf(&text, "--%s=%s", name, value) < 0 : asprintf(&text, "--%s", name) < 0)
        return 0;
    list->owned[list->count] = text;
    list->values[list->count++] = text;
    list->values[list->count] = NULL;
    return 1;
}

static void release(struct arguments *list)
{
    for (int i = 0; i < list->count; ++i)
        free(list->owned[i]);
}

/* The group's id: 1 where found, 0 where there is no such group, -1 where that cannot be told
 * (pam_modutil_getgrnam() answers NULL for both, and an error must not let a child through). */
static int child_group_id(gid_t *id)
{
    for (size_t size = 4096; size <= 4096 << 8; size *= 2) {
        char *buffer = malloc(size);
        if (!buffer)
            return -1;
        struct group entry, *found = NULL;
        const int error = getgrnam_r(CHILD_GROUP, &entry, buffer, size, &found);
        if (found)
            *id = found->gr_gid;
        free(buffer);
        if (error != ERANGE)
            return found ? 1 : error == 0 ? 0 : -1;
    }
    return -1;
}

/* 1 where the account is in the group, 0 where it is not, -1 where that cannot be told. */
static int in_child_group(const struct passwd *account)
{
    gid_t wanted = 0;
    const int exists = child_group_id(&wanted);
    if (exists <= 0)
        return exists; /* no group, no child accounts */
    int count = 64;
    for (int round = 0; round < 4; ++round) {
        gid_t *groups = calloc((size_t)count, sizeof *groups);
        if (!groups)
            return -1;
        const int room = count;
        const int found = getgrouplist(account->pw_name, account->pw_gid, groups, &count);
        int member = 0;
        for (int i = 0; found >= 0 && i < count; ++i)
            member |= groups[i] == wanted;
        free(groups);
        if (found >= 0)
            return member;
        if (count <= room)
            return -1;
    }
    return -1;
}

static long remaining_msecs(const struct timespec *deadline)
{
    struct timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return (deadline->tv_sec - now.tv_sec) * 1000 + (deadline->tv_nsec - now.tv_nsec) / 1000000;
}

/* Waits for the check to end until the deadline; its pid, 0 when it still runs, -1 on error. */
static pid_t wait_until(pid_t child, int *status, const struct timespec *deadline)
{
    for (;;) {
        const pid_t ended = waitpid(child, status, WNOHANG);
        if (ended < 0 && errno == EINTR)
            continue;
        if (ended != 0 || remaining_msecs(deadline) <= 0)
            return ended;
        poll(NULL, 0, 10); /* it closed its output, so it is ending: look again shortly */
    }
}

/* Runs the check; its exit status, or -1 where it could not run or did not end in time. */
static int run_check(pam_handle_t *pam, const char *helper, struct arguments *list, char *output)
{
    int out[2];
    if (pipe2(out, O_CLOEXEC) != 0) {
        pam_syslog(pam, LOG_ERR, "cannot make a pipe: %s", strerror(errno));
        return -1;
    }
    const char *program[MAX_ARGUMENTS + 2] = {helper};
    memcpy(program + 1, list->values, sizeof list->values);
    char *const empty[] = {NULL};
    const pid_t child = fork();
    if (child < 0) {
        pam_syslog(pam, LOG_ERR, "cannot start %s: %s", helper, strerror(errno));
        close(out[0]);
        close(out[1]);
        return -1;
    }
    if (child == 0) {
        /* Only what is safe after fork in a threaded process, up to execve. Both descriptors
         * above 2 first, so that none is overwritten where the caller had 0-2 closed. */
        const int nothing = fcntl(open("/dev/null", O_RDWR | O_CLOEXEC), F_DUPFD_CLOEXEC, 3);
        const int answer = fcntl(out[1], F_DUPFD_CLOEXEC, 3);
        if (nothing < 0 || answer < 0 || dup2(nothing, 0) < 0 || dup2(answer, 1) < 0 ||
            dup2(nothing, 2) < 0)
            _exit(127);
        /* The caller's blocked signals would stay blocked across execve. */
        sigset_t none;
        sigemptyset(&none);
        sigprocmask(SIG_SETMASK, &none, NULL);
        if (close_range(3, ~0U, 0) != 0)
            for (int fd = 3; fd < 1024; ++fd)
                close(fd);
        execve(helper, (char *const *)program, empty);
        _exit(127);
    }
    close(out[1]);
    struct timespec deadline;
    clock_gettime(CLOCK_MONOTONIC, &deadline);
    deadline.tv_sec += CHECK_TIMEOUT_MSECS / 1000;
    size_t length = 0;
    int timed_out = 0;
    for (;;) {
        const long left = remaining_msecs(&deadline);
        struct pollfd wait = {out[0], POLLIN, 0};
        const int ready = left > 0 ? poll(&wait, 1, (int)left) : 0;
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready <= 0) {
            timed_out = 1;
            break;
        }
        const ssize_t got = read(out[0], output + length, OUTPUT_SIZE - 1 - length);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;
        length += (size_t)got;
        if (length == OUTPUT_SIZE - 1)
            break;
    }
    output[length] = '\0';
    close(out[0]);
    int status = 0;
    pid_t ended = timed_out ? 0 : wait_until(child, &status, &deadline);
    if (ended == 0) {
        timed_out = 1;
        kill(child, SIGKILL);
        pam_syslog(pam, LOG_ERR, "%s did not answer within %d seconds", helper,
                   CHECK_TIMEOUT_MSECS / 1000);
        while ((ended = waitpid(child, &status, 0)) < 0 && errno == EINTR)
            ;
    }
    if (ended != child) {
        pam_syslog(pam, LOG_ERR, "cannot learn how %s ended: %s", helper, strerror(errno));
        return -1;
    }
    if (timed_out)
        return -1;
    if (!WIFEXITED(status)) {
        pam_syslog(pam, LOG_ERR, "%s was ended by signal %d", helper, WTERMSIG(status));
        return -1;
    }
    return WEXITSTATUS(status);
}

/* The line that starts at text, ended there, with no control characters; the next one. */
static char *take_line(char *text, char **next)
{
    char *end = strchr(text, '\n');
    *next = end ? end + 1 : text + strlen(text);
    if (end)
        *end = '\0';
    for (char *at = text; *at; ++at)
        if ((unsigned char)*at < 0x20 || *at == 0x7f)
            *at = ' ';
    return text;
}

/* The language the person reads, as gettext would choose it from the PAM environment. */
static const char *language(pam_handle_t *pam)
{
    static const char *const variables[] = {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"};
    for (size_t i = 0; i < sizeof variables / sizeof *variables; ++i) {
        const char *value = pam_getenv(pam, variables[i]);
        if (value && *value)
            return value;
    }
    return NULL;
}

PAM_EXTERN int pam_sm_open_session(pam_handle_t *pam, int flags, int argc, const char **argv)
{
    const char *helper = TOVALIN_SESSION_CHECK, *watch_socket = NULL, *root = NULL;
    for (int i = 0; i < argc; ++i) {
        if (strncmp(argv[i], "helper=", 7) == 0)
            helper = argv[i] + 7;
        else if (strncmp(argv[i], "socket=", 7) == 0)
            watch_socket = argv[i] + 7;
        else if (strncmp(argv[i], "root=", 5) == 0)
            root = argv[i] + 5;
        else {
            pam_syslog(pam, LOG_ERR, "unknown argument %s", argv[i]);
            return PAM_SERVICE_ERR;
        }
    }
    const void *item = NULL;
    if (pam_get_item(pam, PAM_USER, &item) != PAM_SUCCESS || !item || !*(const char *)item) {
        pam_syslog(pam, LOG_ERR, "no user to check");
        return PAM_USER_UNKNOWN;
    }
    const char *user = item;
    const char *service = NULL;
    if (pam_get_item(pam, PAM_SERVICE, &item) == PAM_SUCCESS && item)
        service = item;
    /* The account's own name from here on: NSS may answer other spellings of it too. */
    const struct passwd *account = pam_modutil_getpwnam(pam, user);
    const int member = account ? in_child_group(account) : -1;
    if (member == 0)
        return PAM_IGNORE;
    if (member < 0)
        pam_syslog(pam, LOG_WARNING,
                   "cannot read the account %s or its groups; checked as a "
                   "child account",
                   user);

    struct arguments list = {.count = 0};
    int complete = add(&list, "user", account ? account->pw_name : user) &&
                   add(&list, "service", service ? service : "") &&
                   add(&list, "phase", "open_session") && add(&list, "child", NULL);
    if (account)
        complete = complete && add(&list, "home", account->pw_dir);
    static const char *const variables[][2] = {{"XDG_SESSION_DESKTOP", "session-desktop"},
                                               {"XDG_SESSION_TYPE", "session-type"},
                                               {"DESKTOP_SESSION", "desktop-session"},
                                               {"GDMSESSION", "gdm-session"}};
    for (size_t i = 0; i < sizeof variables / sizeof *variables; ++i) {
        const char *value = pam_getenv(pam, variables[i][0]);
        if (value)
            complete = complete && add(&list, variables[i][1], value);
    }
    const char *wanted = language(pam);
    if (wanted)
        complete = complete && add(&list, "language", wanted);
    if (watch_socket)
        complete = complete && add(&list, "watch-socket", watch_socket);
    if (root)
        complete = complete && add(&list, "root", root);

    /* The check's end is ours to collect: a caller that ignores SIGCHLD would have the kernel
     * reap it, and one that reaps every child in its handler would take its status (pam_unix
     * does the same around its helper: linux-pam modules/pam_unix/support.c, lines 535-547 and
     * 636 of _unix_run_helper_binary()). */
    struct sigaction own = {.sa_handler = SIG_DFL}, callers;
    sigemptyset(&own.sa_mask);
    sigaction(SIGCHLD, &own, &callers);
    char output[OUTPUT_SIZE] = "";
    const int status = complete ? run_check(pam, helper, &list, output) : -1;
    sigaction(SIGCHLD, &callers, NULL);
    release(&list);
    char *rest = NULL;
    const char *message = take_line(output, &rest);
    const char *detail = take_line(rest, &rest);
    const char *name = account ? account->pw_name : user;
    if (status == 0)
        return PAM_SUCCESS;
    if (status == 1) {
        pam_syslog(pam, LOG_NOTICE, "refused the child account %s a session through %s: %s", name,
                   service ? service : "(none)", detail);
        if (!(flags & PAM_SILENT) && *message)
            pam_error(pam, "%s", message);
        return PAM_PERM_DENIED;
    }
    /* Fail closed: a child account is never let through unchecked. */
    pam_syslog(pam, LOG_ERR, "refused the child account %s a session: %s could not check it%s%s",
               name, helper, *detail ? ": " : "", detail);
    if (!(flags & PAM_SILENT))
        pam_error(pam, "Tovalin's login check could not run, so this account cannot log in now.");
    return PAM_SERVICE_ERR;
}

PAM_EXTERN int pam_sm_close_session(pam_handle_t *pam, int flags, int argc, const char **argv)
{
    (void)pam;
    (void)flags;
    (void)argc;
    (void)argv;
    return PAM_SUCCESS;
}
