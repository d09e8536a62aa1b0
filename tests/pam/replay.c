/* replay gdm|lightdm|plain SERVICE USER SESSION TYPE RECORDED-TYPE USERS-FOLDER [VAR=VALUE...]:
 * one login on one PAM handle in the display manager's own order of calls (as
 * debian/tests/pam-replay.c, in a folder of the test's own), "-" for none. GDM's worker has the
 * session type in the PAM environment from the start and records the pick (and the type) in
 * AccountsService only after pam_acct_mgmt and pam_setcred; LightDM puts the pick into the PAM
 * environment at that point. The VAR=VALUE entries go into the PAM environment first of all;
 * "!ignore-sigchld" and "!reap-sigchld" stand for display managers that ignore SIGCHLD or reap
 * every child in their handler. Prints what PAM shows the person; exit 0 when the session
 * opened. */
#include <security/pam_appl.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/wait.h>

static int answer(int count, const struct pam_message **messages, struct pam_response **replies,
                  void *data)
{
    (void)data;
    *replies = calloc((size_t)count, sizeof **replies);
    for (int i = 0; i < count; ++i) {
        printf("shown: %s\n", messages[i]->msg);
        (*replies)[i].resp = strdup("");
    }
    return PAM_SUCCESS;
}

static void reap(int signal)
{
    (void)signal;
    while (waitpid(-1, NULL, WNOHANG) > 0)
        ;
}

static const char *given(const char *text)
{
    return strcmp(text, "-") == 0 ? NULL : text;
}

static void record(const char *folder, const char *user, const char *session, const char *type)
{
    char path[4096];
    snprintf(path, sizeof path, "%s/%s", folder, user);
    FILE *file = fopen(path, "w");
    if (!file ||
        fprintf(file, "[User]\n%s%s\n%s%s\n", session ? "Session=" : "", session ? session : "",
                type ? "SessionType=" : "", type ? type : "") < 0 ||
        fclose(file) != 0)
        exit(3);
}

static void put(pam_handle_t *pam, const char *name, const char *value)
{
    char entry[512];
    if (value && snprintf(entry, sizeof entry, "%s=%s", name, value) < (int)sizeof entry)
        pam_putenv(pam, entry);
}

int main(int argc, char **argv)
{
    if (argc < 8)
        return 2;
    const char *mode = argv[1], *user = argv[3], *session = given(argv[4]);
    const char *type = given(argv[5]), *recorded_type = given(argv[6]), *folder = argv[7];
    struct pam_conv conversation = {answer, NULL};
    pam_handle_t *pam = NULL;
    const int gdm = strcmp(mode, "gdm") == 0, lightdm = strcmp(mode, "lightdm") == 0;
    if (gdm)
        record(folder, user, session && strcmp(session, "tovalin") == 0 ? "gnome" : "tovalin",
               NULL);
    if (pam_start(argv[2], user, &conversation, &pam) != PAM_SUCCESS)
        return 2;
    for (int i = 8; i < argc; ++i)
        if (strcmp(argv[i], "!ignore-sigchld") == 0 || strcmp(argv[i], "!reap-sigchld") == 0)
            signal(SIGCHLD, argv[i][1] == 'i' ? SIG_IGN : reap);
        else
            pam_putenv(pam, argv[i]);
    if (gdm)
        put(pam, "XDG_SESSION_TYPE", type);
    int ok = pam_authenticate(pam, 0) == PAM_SUCCESS && pam_acct_mgmt(pam, 0) == PAM_SUCCESS;
    if (lightdm) {
        const char *names[] = {"XDG_SESSION_DESKTOP", "DESKTOP_SESSION", "GDMSESSION"};
        for (int i = 0; i < 3 && session; ++i)
            put(pam, names[i], session);
        put(pam, "XDG_SESSION_TYPE", type);
    }
    ok = ok && pam_setcred(pam, PAM_ESTABLISH_CRED) == PAM_SUCCESS;
    if (gdm)
        record(folder, user, session, recorded_type);
    const int opened = ok ? pam_open_session(pam, 0) : PAM_ABORT;
    if (opened != PAM_SUCCESS)
        printf("open_session: %s\n", pam_strerror(pam, opened));
    ok = opened == PAM_SUCCESS && pam_close_session(pam, 0) == PAM_SUCCESS;
    pam_end(pam, ok ? PAM_SUCCESS : PAM_SYSTEM_ERR);
    return ok ? 0 : 1;
}
