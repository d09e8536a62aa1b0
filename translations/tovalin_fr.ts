<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>QWebEnginePage</name>
    <message>
        <source>Are you sure you want to leave this page? Changes that you made may not be saved.</source>
        <translation>Voulez-vous vraiment quitter cette page&#xa0;? Les modifications que vous avez apportées pourraient ne pas être enregistrées.</translation>
    </message>
</context>
<context>
    <name>tovalin</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>cannot make %1: %2</source>
        <translation>impossible de créer %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 is not a private folder of this user</source>
        <translation>%1 n&apos;est pas un dossier privé de cet utilisateur</translation>
    </message>
    <message>
        <source>this account has no home folder</source>
        <translation>ce compte n&apos;a pas de dossier personnel</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>impossible d&apos;ouvrir %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>cannot lock %1: %2</source>
        <translation>impossible de verrouiller %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Tovalin is already running but does not answer</source>
        <translation>Tovalin est déjà lancé mais ne répond pas</translation>
    </message>
    <message>
        <source>Choose Website</source>
        <translation>Choisir le site</translation>
    </message>
    <message>
        <source>The streaming site the child may watch</source>
        <translation>Le site de streaming que l&apos;enfant peut regarder</translation>
    </message>
    <message>
        <source>Time Limit</source>
        <translation>Limite de temps</translation>
    </message>
    <message>
        <source>Time limit in minutes</source>
        <translation>Limite de temps en minutes</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minutes</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>Asks for the parental password, then starts, extends or unlocks the session</source>
        <translation>Demande le mot de passe parental, puis démarre, prolonge ou déverrouille la session</translation>
    </message>
    <message>
        <source>Tovalin - Locked</source>
        <translation>Tovalin - Verrouillé</translation>
    </message>
    <message>
        <source>Tovalin - Paused</source>
        <translation>Tovalin - En pause</translation>
    </message>
    <message>
        <source>Tovalin - %1</source>
        <translation>Tovalin - %1</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>Déverrouiller</translation>
    </message>
    <message>
        <source>Extend</source>
        <translation>Prolonger</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reprendre</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Time remaining: --:--</source>
        <translation>Temps restant&#xa0;: --:--</translation>
    </message>
    <message>
        <source>Time left in this session</source>
        <translation>Temps restant pour cette session</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Terminer</translation>
    </message>
    <message>
        <source>Ends the session and locks Tovalin</source>
        <translation>Termine la session et verrouille Tovalin</translation>
    </message>
    <message>
        <source>Pauses or resumes the countdown</source>
        <translation>Met en pause ou reprend le compte à rebours</translation>
    </message>
    <message>
        <source>Modify Timer</source>
        <translation>Modifier la limite</translation>
    </message>
    <message>
        <source>Asks for the parental password, then sets a new time limit</source>
        <translation>Demande le mot de passe parental, puis fixe une nouvelle limite de temps</translation>
    </message>
    <message>
        <source>Password Required</source>
        <translation>Mot de passe requis</translation>
    </message>
    <message>
        <source>Enter password to continue:</source>
        <translation>Saisissez le mot de passe pour continuer&#xa0;:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Checking password…</source>
        <translation>Vérification du mot de passe…</translation>
    </message>
    <message>
        <source>Incorrect password</source>
        <translation>Mot de passe incorrect</translation>
    </message>
    <message>
        <source>Please enter a valid time limit</source>
        <translation>Veuillez saisir une limite de temps valide</translation>
    </message>
    <message>
        <source>Please enter a valid number of minutes</source>
        <translation>Veuillez saisir un nombre de minutes valide</translation>
    </message>
    <message>
        <source>Set Timer</source>
        <translation>Régler la limite de temps</translation>
    </message>
    <message>
        <source>Enter new time limit in minutes:</source>
        <translation>Saisissez la nouvelle limite de temps en minutes&#xa0;:</translation>
    </message>
    <message>
        <source>New time limit in minutes</source>
        <translation>Nouvelle limite de temps en minutes</translation>
    </message>
    <message>
        <source>End Session</source>
        <translation>Terminer la session</translation>
    </message>
    <message>
        <source>Are you sure you want to end the current session? This will reset the timer.</source>
        <translation>Voulez-vous vraiment terminer la session en cours&#xa0;? Le minuteur sera remis à zéro.</translation>
    </message>
    <message>
        <source>Paused: %1 remaining</source>
        <translation>En pause&#xa0;: il reste %1</translation>
    </message>
    <message>
        <source>Time remaining: %1</source>
        <translation>Temps restant&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>tovalin-set-password</name>
    <message>
        <source>run it as root, for example with sudo</source>
        <translation>exécutez-le en tant que root, par exemple avec sudo</translation>
    </message>
    <message>
        <source>New parental password: </source>
        <translation>Nouveau mot de passe parental&#xa0;: </translation>
    </message>
    <message>
        <source>The same password again: </source>
        <translation>Retapez le mot de passe&#xa0;: </translation>
    </message>
    <message>
        <source>no password was given</source>
        <translation>aucun mot de passe n&apos;a été saisi</translation>
    </message>
    <message>
        <source>the two passwords differ; nothing was changed</source>
        <translation>les deux mots de passe diffèrent&#xa0;; rien n&apos;a été modifié</translation>
    </message>
    <message>
        <source>the password must have 1 to %1 characters</source>
        <translation>le mot de passe doit compter de 1 à %1 caractères</translation>
    </message>
    <message>
        <source>cannot make %1</source>
        <translation>impossible de créer %1</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossible d&apos;écrire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 was written, but is not safe to trust; see the README</source>
        <translation>%1 a été écrit, mais n&apos;est pas digne de confiance&#xa0;; voir le fichier README</translation>
    </message>
    <message>
        <source>The parental password is set. Tovalin asks for it from now on.</source>
        <translation>Le mot de passe parental est défini. Tovalin le demandera désormais.</translation>
    </message>
    <message>
        <source>the password could not be hashed</source>
        <translation>le mot de passe n&apos;a pas pu être haché</translation>
    </message>
</context>
</TS>
