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
    <message>
        <source>The session ends soon</source>
        <translation>La session se termine bientôt</translation>
    </message>
    <message numerus="yes">
        <source>%n minute left</source>
        <translation>
            <numerusform>Encore %n minute</numerusform>
            <numerusform>Encore %n minutes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minutes left</source>
        <translation>
            <numerusform>Encore %n minute</numerusform>
            <numerusform>Encore %n minutes</numerusform>
        </translation>
    </message>
    <message>
        <source>unexpected argument: %1</source>
        <translation>argument inattendu&#xa0;: %1</translation>
    </message>
    <message>
        <source>Gives a child one streaming site for a fixed number of minutes.</source>
        <translation>Donne à un enfant un site de streaming pendant un nombre de minutes fixé.</translation>
    </message>
</context>
<context>
    <name>tovalin-check</name>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Qt WebEngine %1, based on Chromium %2</source>
        <translation>Qt WebEngine %1, basé sur Chromium %2</translation>
    </message>
    <message>
        <source>, with security fixes up to Chromium %1</source>
        <translation>, avec les correctifs de sécurité jusqu&apos;à Chromium %1</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>Moteur</translation>
    </message>
    <message>
        <source>built in</source>
        <translation>intégré</translation>
    </message>
    <message>
        <source>from %1</source>
        <translation>depuis %1</translation>
    </message>
    <message>
        <source>built in; %1 is ignored: it must be one line in a file owned by root that no other account may write, in a folder of the same kind</source>
        <translation>intégré&#xa0;; %1 est ignoré&#xa0;: ce doit être une seule ligne dans un fichier appartenant à root, qu&apos;aucun autre compte ne peut modifier, dans un dossier du même type</translation>
    </message>
    <message>
        <source>User agent</source>
        <translation>Agent utilisateur</translation>
    </message>
    <message>
        <source>Widevine module</source>
        <translation>Module Widevine</translation>
    </message>
    <message>
        <source>no Widevine module</source>
        <translation>pas de module Widevine</translation>
    </message>
    <message>
        <source>%1 is there, but it is no library (empty or damaged): install it again from the browser that brings it</source>
        <translation>%1 est présent, mais ce n&apos;est pas une bibliothèque (vide ou endommagé)&#xa0;: réinstallez-le depuis le navigateur qui le fournit</translation>
    </message>
    <message>
        <source>a damaged Widevine module</source>
        <translation>un module Widevine endommagé</translation>
    </message>
    <message>
        <source>found at %1</source>
        <translation>trouvé dans %1</translation>
    </message>
    <message>
        <source>Media</source>
        <translation>Médias</translation>
    </message>
    <message>
        <source>the engine did not answer within %1 s</source>
        <translation>le moteur n&apos;a pas répondu en %1&#xa0;s</translation>
    </message>
    <message>
        <source>the engine did not answer</source>
        <translation>le moteur n&apos;a pas répondu</translation>
    </message>
    <message>
        <source>canPlayType &quot;%1&quot;, MediaSource.isTypeSupported %2</source>
        <translation>canPlayType «&#xa0;%1&#xa0;», MediaSource.isTypeSupported %2</translation>
    </message>
    <message>
        <source>plays (%1)</source>
        <translation>lecture possible (%1)</translation>
    </message>
    <message>
        <source>does not play (%1)</source>
        <translation>lecture impossible (%1)</translation>
    </message>
    <message>
        <source>H.264 video in MP4</source>
        <translation>Vidéo H.264 en MP4</translation>
    </message>
    <message>
        <source>no H.264 video</source>
        <translation>pas de vidéo H.264</translation>
    </message>
    <message>
        <source>AAC audio in MP4</source>
        <translation>Audio AAC en MP4</translation>
    </message>
    <message>
        <source>no AAC audio</source>
        <translation>pas d&apos;audio AAC</translation>
    </message>
    <message>
        <source>Encrypted media (Widevine)</source>
        <translation>Médias chiffrés (Widevine)</translation>
    </message>
    <message>
        <source>can be requested</source>
        <translation>peuvent être demandés</translation>
    </message>
    <message>
        <source>refused (%1)</source>
        <translation>refusés (%1)</translation>
    </message>
    <message>
        <source>encrypted media refused</source>
        <translation>médias chiffrés refusés</translation>
    </message>
    <message>
        <source>Rendering</source>
        <translation>Rendu</translation>
    </message>
    <message>
        <source>not known without a display: run tovalin-check on the desktop the child will use</source>
        <translation>inconnu sans affichage&#xa0;: lancez tovalin-check sur le bureau que l&apos;enfant utilisera</translation>
    </message>
    <message>
        <source>no usable OpenGL</source>
        <translation>pas d&apos;OpenGL utilisable</translation>
    </message>
    <message>
        <source>OpenGL renderer: %1</source>
        <translation>moteur de rendu OpenGL&#xa0;: %1</translation>
    </message>
    <message>
        <source>composited in software (%1)</source>
        <translation>composition logicielle (%1)</translation>
    </message>
    <message>
        <source>composited on the GPU (%1)</source>
        <translation>composition par le GPU (%1)</translation>
    </message>
    <message>
        <source>Parental password</source>
        <translation>Mot de passe parental</translation>
    </message>
    <message>
        <source>the built-in one (%1 is not there)</source>
        <translation>le mot de passe intégré (%1 est absent)</translation>
    </message>
    <message>
        <source>the parent&apos;s own, from %1</source>
        <translation>celui des parents, depuis %1</translation>
    </message>
    <message>
        <source>%1 is broken or not safe to trust, so no password opens Tovalin. Repair: sudo tovalin-set-password</source>
        <translation>%1 est endommagé ou n&apos;est pas digne de confiance, donc aucun mot de passe n&apos;ouvre Tovalin. Pour réparer&#xa0;: sudo tovalin-set-password</translation>
    </message>
    <message>
        <source>no password opens Tovalin</source>
        <translation>aucun mot de passe n&apos;ouvre Tovalin</translation>
    </message>
    <message>
        <source>Child&apos;s session</source>
        <translation>Session de l&apos;enfant</translation>
    </message>
    <message>
        <source>Child accounts</source>
        <translation>Comptes enfant</translation>
    </message>
    <message>
        <source>none (the group %1 is not present)</source>
        <translation>aucun (le groupe %1 n&apos;existe pas)</translation>
    </message>
    <message>
        <source>none (the group %1 has no members)</source>
        <translation>aucun (le groupe %1 n&apos;a aucun membre)</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Session</translation>
    </message>
    <message>
        <source>%1 cannot be read, so Tovalin keeps no session until it can (it must be a file that this account may read and write)</source>
        <translation>%1 ne peut pas être lu, donc Tovalin ne garde aucune session tant que ce n&apos;est pas possible (ce doit être un fichier que ce compte peut lire et modifier)</translation>
    </message>
    <message>
        <source>no session</source>
        <translation>aucune session</translation>
    </message>
    <message>
        <source>locked (the last session ended at %1)</source>
        <translation>verrouillée (la dernière session s&apos;est terminée le %1)</translation>
    </message>
    <message>
        <source>paused</source>
        <translation>en pause</translation>
    </message>
    <message>
        <source>running until %1</source>
        <translation>en cours jusqu&apos;au %1</translation>
    </message>
    <message>
        <source>%1, in %2</source>
        <translation>%1, dans %2</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Verdict</translation>
    </message>
    <message>
        <source>the child&apos;s site can play here</source>
        <translation>le site de l&apos;enfant peut être lu ici</translation>
    </message>
    <message>
        <source>the child&apos;s site cannot play here: %1</source>
        <translation>le site de l&apos;enfant ne peut pas être lu ici&#xa0;: %1</translation>
    </message>
    <message>
        <source>cannot run, so child accounts cannot log in: missing %1 (sudo apt-get install --reinstall tovalin cage xwayland)</source>
        <translation>ne peut pas démarrer, donc les comptes enfants ne peuvent pas se connecter : il manque %1 (sudo apt-get install --reinstall tovalin cage xwayland)</translation>
    </message>
    <message>
        <source>can run on Wayland only: a login screen that runs X alone cannot start it (missing %1)</source>
        <translation>peut démarrer sous Wayland seulement : un écran de connexion qui n&apos;utilise que X ne peut pas la lancer (il manque %1)</translation>
    </message>
    <message>
        <source>can run, on Wayland and on X11</source>
        <translation>peut démarrer, sous Wayland et sous X11</translation>
    </message>
    <message>
        <source>not found. In a child account the engine takes it only from where a machine-wide installation puts it, never from the home: install a browser that brings it (Google Chrome) for the whole machine, so that libwidevinecdm.so ends up in /opt/google/chrome/WidevineCdm/_platform_specific/linux_x64/ or /opt/google/chrome/</source>
        <translation>introuvable. Dans un compte enfant, le moteur ne le prend que là où une installation pour toute la machine le place, jamais dans le dossier personnel&#xa0;: installez pour toute la machine un navigateur qui le fournit (Google Chrome), pour que libwidevinecdm.so se trouve dans /opt/google/chrome/WidevineCdm/_platform_specific/linux_x64/ ou /opt/google/chrome/</translation>
    </message>
    <message>
        <source>Tells whether the child&apos;s streaming site can play in this account.</source>
        <translation>Indique si le site de streaming de l&apos;enfant peut être lu dans ce compte.</translation>
    </message>
    <message>
        <source>not found. Install a browser that brings it (Google Chrome) in this account, so that libwidevinecdm.so ends up in ~/.config/google-chrome/WidevineCdm/VERSION/_platform_specific/linux_x64/ or /opt/google/chrome/WidevineCdm/_platform_specific/linux_x64/, or name it with QTWEBENGINE_CHROMIUM_FLAGS=&quot;--widevine-path=PATH&quot;. A child account takes it only from where a machine-wide installation puts it, never from the home</source>
        <translation>introuvable. Installez dans ce compte un navigateur qui le fournit (Google Chrome), pour que libwidevinecdm.so se trouve dans ~/.config/google-chrome/WidevineCdm/VERSION/_platform_specific/linux_x64/ ou /opt/google/chrome/WidevineCdm/_platform_specific/linux_x64/, ou indiquez-le avec QTWEBENGINE_CHROMIUM_FLAGS=&quot;--widevine-path=PATH&quot;. Un compte enfant ne le prend que là où une installation pour toute la machine le place, jamais dans le dossier personnel</translation>
    </message>
    <message>
        <source>found at %1, in this account&apos;s home: a child account never takes it from there, only from where a machine-wide installation puts it (/opt/google/chrome/)</source>
        <translation>trouvé dans %1, dans le dossier personnel de ce compte&#xa0;: un compte enfant ne le prend jamais là, seulement là où une installation pour toute la machine le place (/opt/google/chrome/)</translation>
    </message>
    <message>
        <source>cannot run, so child accounts cannot log in: GDM here runs X alone (WaylandEnable=false), and Tovalin&apos;s session for X11 is missing %1 (sudo apt-get install --reinstall tovalin)</source>
        <translation>ne peut pas démarrer, donc les comptes enfants ne peuvent pas se connecter : GDM n&apos;utilise ici que X (WaylandEnable=false), et il manque %1 à la session de Tovalin pour X11 (sudo apt-get install --reinstall tovalin)</translation>
    </message>
</context>
<context>
    <name>tovalin-child</name>
    <message>
        <source>There is no account %1; nothing was changed. To make one, run: tovalin-child add --create %1</source>
        <translation>Il n&apos;y a pas de compte %1&#xa0;; rien n&apos;a été modifié. Pour en créer un, lancez&#xa0;: tovalin-child add --create %1</translation>
    </message>
    <message>
        <source>%1 is the administrator&apos;s account root; nothing was changed.</source>
        <translation>%1 est le compte administrateur root&#xa0;; rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>%1 is an administrator (in the group %2); a child account must be a standard one. Nothing was changed.</source>
        <translation>%1 est administrateur (dans le groupe %2)&#xa0;; un compte enfant doit être un compte standard. Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>adduser could not make the account %1; nothing else was changed.</source>
        <translation>adduser n&apos;a pas pu créer le compte %1&#xa0;; rien d&apos;autre n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>%1 is a child account already; nothing was changed.</source>
        <translation>%1 est déjà un compte enfant&#xa0;; rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>cannot keep the sessions of %1 for undoing: %2; nothing was changed.</source>
        <translation>impossible de conserver les sessions de %1 pour pouvoir annuler&#xa0;: %2&#xa0;; rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>cannot set the session of %1 to Tovalin&apos;s: %2; nothing was changed.</source>
        <translation>impossible de donner à %1 la session de Tovalin&#xa0;: %2&#xa0;; rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>adduser could not add %1 to the group %2; nothing was changed.</source>
        <translation>adduser n&apos;a pas pu ajouter %1 au groupe %2&#xa0;; rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>%1 is a child account: it is in the group %2 and its session is Tovalin&apos;s. It can log in to that session alone, at the login screen or by automatic login.</source>
        <translation>%1 est un compte enfant&#xa0;: il fait partie du groupe %2 et sa session est celle de Tovalin. Il ne peut ouvrir que cette session, depuis l&apos;écran de connexion ou par connexion automatique.</translation>
    </message>
    <message>
        <source>%1 is not a child account; nothing was changed.</source>
        <translation>%1 n&apos;est pas un compte enfant&#xa0;; rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>cannot restore the sessions of %1: %2; nothing was changed.</source>
        <translation>impossible de rétablir les sessions de %1&#xa0;: %2&#xa0;; rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>gpasswd could not take %1 out of the group %2; run the command again.</source>
        <translation>gpasswd n&apos;a pas pu retirer %1 du groupe %2&#xa0;; relancez la commande.</translation>
    </message>
    <message>
        <source>%1 is no longer a child account: it left the group %2 and has its earlier session back. The account itself stays.</source>
        <translation>%1 n&apos;est plus un compte enfant&#xa0;: il a quitté le groupe %2 et retrouvé sa session d&apos;avant. Le compte lui-même est conservé.</translation>
    </message>
    <message>
        <source>%1 is not an account name.</source>
        <translation>%1 n&apos;est pas un nom de compte.</translation>
    </message>
    <message>
        <source>run it as root, for example with sudo</source>
        <translation>exécutez-le en tant que root, par exemple avec sudo</translation>
    </message>
    <message>
        <source>the group %1 is missing; reinstall the tovalin package.</source>
        <translation>le groupe %1 est absent&#xa0;; réinstallez le paquet tovalin.</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 ne peut pas être lu</translation>
    </message>
    <message>
        <source>The PAM rule for child accounts is not in force: /etc/pam.d/common-session does not run pam_tovalin.so. Nothing was changed. Run: sudo pam-auth-update --enable tovalin</source>
        <translation>La règle PAM des comptes enfants n&apos;est pas en vigueur&#xa0;: /etc/pam.d/common-session n&apos;exécute pas pam_tovalin.so. Rien n&apos;a été modifié. Exécutez&#xa0;: sudo pam-auth-update --enable tovalin</translation>
    </message>
    <message>
        <source>%1 is a system account (its uid %2 is outside UID_MIN to UID_MAX of /etc/login.defs), not a person&apos;s. Nothing was changed.</source>
        <translation>%1 est un compte système (son uid %2 est hors de l&apos;intervalle UID_MIN à UID_MAX de /etc/login.defs), pas celui d&apos;une personne. Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>%1 is not a person&apos;s account: its shell %2 is no login shell of /etc/shells. Nothing was changed.</source>
        <translation>%1 n&apos;est pas le compte d&apos;une personne&#xa0;: son shell %2 n&apos;est pas un shell de connexion de /etc/shells. Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>sudo -l -U %1 did not say whether %1 may run commands as another user; nothing was changed.</source>
        <translation>sudo -l -U %1 n&apos;a pas dit si %1 peut lancer des commandes en tant qu&apos;un autre utilisateur&#xa0;; rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>%1 may run commands as another user (sudo -l -U %1 lists them); a child account must be a standard one. Nothing was changed.</source>
        <translation>%1 peut lancer des commandes en tant qu&apos;un autre utilisateur (sudo -l -U %1 les liste)&#xa0;; un compte enfant doit être un compte standard. Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>The home of %1 holds files that would run at its logins: %2. Move them out of the home, then run tovalin-child add %1 again, or run tovalin-child add --fresh-home %1 to move the whole home aside. Nothing was changed.</source>
        <translation>Le dossier personnel de %1 contient des fichiers qui s&apos;exécuteraient à ses connexions&#xa0;: %2. Sortez-les du dossier personnel, puis relancez tovalin-child add %1, ou lancez tovalin-child add --fresh-home %1 pour mettre tout le dossier personnel de côté. Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>%1 is not a home folder of the account&apos;s own</source>
        <translation>%1 n&apos;est pas un dossier personnel propre au compte</translation>
    </message>
    <message>
        <source>%1 was moved to %2, which could not be made root&apos;s alone: %3</source>
        <translation>%1 a été déplacé vers %2, qui n&apos;a pas pu être réservé à root&#xa0;: %3</translation>
    </message>
    <message>
        <source>%1 was moved to %2, but mkhomedir_helper could not make a new home</source>
        <translation>%1 a été déplacé vers %2, mais mkhomedir_helper n&apos;a pas pu créer de nouveau dossier personnel</translation>
    </message>
    <message>
        <source>cannot make a fresh home for %1: %2. Nothing else was changed.</source>
        <translation>impossible de créer un nouveau dossier personnel pour %1&#xa0;: %2. Rien d&apos;autre n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>The old home of %1 is now %2, readable by root alone; %1 has a new home made from /etc/skel.</source>
        <translation>L&apos;ancien dossier personnel de %1 est maintenant %2, lisible par root seul&#xa0;; %1 a un nouveau dossier personnel créé à partir de /etc/skel.</translation>
    </message>
    <message>
        <source>Every session and process of %1 was ended, and its user manager no longer starts at boot.</source>
        <translation>Toutes les sessions et tous les processus de %1 ont été terminés, et son gestionnaire utilisateur ne démarre plus au démarrage.</translation>
    </message>
    <message>
        <source>logind could not end what %1 runs (%2): log it out, or restart the machine, before the child uses it.</source>
        <translation>logind n&apos;a pas pu terminer ce qu&apos;exécute %1 (%2) : déconnectez-le, ou redémarrez la machine, avant que l&apos;enfant ne l&apos;utilise.</translation>
    </message>
    <message>
        <source>Makes an account a child account, which runs Tovalin and nothing else; undoes that; lists the child accounts.</source>
        <translation>Fait d&apos;un compte un compte enfant, qui exécute Tovalin et rien d&apos;autre&#xa0;; annule cela&#xa0;; liste les comptes enfants.</translation>
    </message>
    <message>
        <source>add: make the account first.</source>
        <translation>add&#xa0;: créer d&apos;abord le compte.</translation>
    </message>
    <message>
        <source>add: move a refused home aside and make a fresh one.</source>
        <translation>add&#xa0;: mettre de côté un dossier personnel refusé et en créer un nouveau.</translation>
    </message>
    <message>
        <source>add, remove or list.</source>
        <translation>add, remove ou list.</translation>
    </message>
    <message>
        <source>a command is needed: add, remove or list</source>
        <translation>une commande est nécessaire&#xa0;: add, remove ou list</translation>
    </message>
    <message>
        <source>unknown command: %1</source>
        <translation>commande inconnue&#xa0;: %1</translation>
    </message>
    <message>
        <source>--create and --fresh-home are for add alone</source>
        <translation>--create et --fresh-home ne valent que pour add</translation>
    </message>
    <message>
        <source>list takes no account name</source>
        <translation>list ne prend pas de nom de compte</translation>
    </message>
    <message>
        <source>%1 needs an account name</source>
        <translation>%1 demande un nom de compte</translation>
    </message>
</context>
<context>
    <name>tovalin-session-check</name>
    <message>
        <source>This account opens Tovalin&apos;s session alone: pick Tovalin at the login screen.</source>
        <translation>Ce compte n&apos;ouvre que la session de Tovalin : choisissez Tovalin sur l&apos;écran de connexion.</translation>
    </message>
    <message>
        <source>This account logs in only at the login screen, to Tovalin.</source>
        <translation>Ce compte ne se connecte que sur l&apos;écran de connexion, à Tovalin.</translation>
    </message>
    <message>
        <source>Tovalin&apos;s session cannot start on this computer. A parent can run tovalin-check.</source>
        <translation>La session de Tovalin ne peut pas démarrer sur cet ordinateur. Un parent peut lancer tovalin-check.</translation>
    </message>
    <message>
        <source>Tovalin&apos;s watcher is not running, so this account cannot log in now.</source>
        <translation>Le gardien de Tovalin ne tourne pas, ce compte ne peut donc pas se connecter maintenant.</translation>
    </message>
    <message>
        <source>This account&apos;s home holds files that would run at its login; a parent must remove them.</source>
        <translation>Le dossier personnel de ce compte contient des fichiers qui s&apos;exécuteraient à sa connexion ; un parent doit les retirer.</translation>
    </message>
    <message>
        <source>This account cannot log in this way.</source>
        <translation>Ce compte ne peut pas se connecter de cette façon.</translation>
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
        <source>%1 was written, but is not safe to trust; see tovalin-set-password(8)</source>
        <translation>%1 a été écrit, mais n&apos;est pas digne de confiance&#xa0;; voir tovalin-set-password(8)</translation>
    </message>
    <message>
        <source>The parental password is set. Tovalin asks for it from now on.</source>
        <translation>Le mot de passe parental est défini. Tovalin le demandera désormais.</translation>
    </message>
    <message>
        <source>the password could not be hashed</source>
        <translation>le mot de passe n&apos;a pas pu être haché</translation>
    </message>
    <message>
        <source>Sets the parental password for every account of this machine.</source>
        <translation>Définit le mot de passe parental pour tous les comptes de cette machine.</translation>
    </message>
</context>
</TS>
