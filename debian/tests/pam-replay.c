/* pam-replay gdm|lightdm SERVICE USER SESSION: logs USER in through SERVICE on one PAM handle, in
 * the order of the display manager's own calls, with SESSION ("-" for none) chosen at the greeter.
 * GDM records the pick in AccountsService after pam_acct_mgmt and before pam_open_session; LightDM
 * puts it in the PAM environment at the same point. Before, the file holds the other answer, so a
 * rule that decides too early gives the wrong one. Exit 0 when the session opened.
 * The password, where a stack asks for one, comes from REPLAY_PASSWORD. */
#include <security/pam_appl.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

static int answer(int count, const struct pam_message **messages, struct pam_response **replies,
                  void *data)
{
    (void)messages;
    *replies = calloc((size_t)count, sizeof **replies);
    for (int i = 0; i < count; ++i)
        (*replies)[i].resp = strdup(data ? data : "");
    return PAM_SUCCESS;
}

static void record(const char *user, const char *session)
{
    char path[512];
    snprintf(path, sizeof path, "/var/lib/AccountsService/users/%s", user);
    FILE *file = fopen(path, "w");
    if (!file ||
        fprintf(file, "[User]\n%s%s\n", session ? "Session=" : "", session ? session : "") < 0 ||
        fclose(file) != 0)
        exit(3);
}

static int step(pam_handle_t *pam, const char *name, int result)
{
    if (result != PAM_SUCCESS)
        printf("%s: %s\n", name, pam_strerror(pam, result));
    return result == PAM_SUCCESS;
}

int main(int argc, char **argv)
{
    if (argc != 5)
        return 2;
    const int gdm = strcmp(argv[1], "gdm") == 0;
    const char *user = argv[3], *session = strcmp(argv[4], "-") == 0 ? NULL : argv[4];
    struct pam_conv conversation = {answer, getenv("REPLAY_PASSWORD")};
    pam_handle_t *pam = NULL;
    if (gdm)
        record(user, session && strcmp(session, "tovalin") == 0 ? "gnome" : "tovalin");
    if (pam_start(argv[2], user, &conversation, &pam) != PAM_SUCCESS)
        return 2;
    /* GDM's worker has the session type in the PAM environment from the start. */
    if (gdm)
        pam_putenv(pam, "XDG_SESSION_TYPE=wayland");
    int ok = step(pam, "authenticate", pam_authenticate(pam, 0)) &&
             step(pam, "acct_mgmt", pam_acct_mgmt(pam, 0));
    if (ok && gdm) { /* gdm-session-worker: AUTHORIZED, ACCREDITED, ACCOUNT_DETAILS_SAVED */
        ok = step(pam, "setcred", pam_setcred(pam, PAM_ESTABLISH_CRED));
        record(user, session);
    } else if (ok) { /* session-child.c: the daemon's environment, then setcred */
        const char *names[] = {"XDG_SESSION_DESKTOP", "DESKTOP_SESSION", "GDMSESSION"};
        char entry[256];
        for (int i = 0; i < 3 && session; ++i)
            snprintf(entry, sizeof entry, "%s=%s", names[i], session), pam_putenv(pam, entry);
        ok = step(pam, "setcred", pam_setcred(pam, PAM_ESTABLISH_CRED));
    }
    ok = ok && step(pam, "open_session", pam_open_session(pam, 0)) && !pam_close_session(pam, 0);
    pam_end(pam, ok ? PAM_SUCCESS : PAM_SYSTEM_ERR);
    return ok ? 0 : 1;
}
