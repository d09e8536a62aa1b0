<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>QWebEnginePage</name>
    <message>
        <source>Are you sure you want to leave this page? Changes that you made may not be saved.</source>
        <translation>Möchten Sie diese Seite wirklich verlassen? Von Ihnen vorgenommene Änderungen könnten verlorengehen.</translation>
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
        <translation>%1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>%1 is not a private folder of this user</source>
        <translation>%1 ist kein privater Ordner dieses Benutzers</translation>
    </message>
    <message>
        <source>this account has no home folder</source>
        <translation>dieses Konto hat keinen persönlichen Ordner</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>%1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>cannot lock %1: %2</source>
        <translation>%1 kann nicht gesperrt werden: %2</translation>
    </message>
    <message>
        <source>Tovalin is already running but does not answer</source>
        <translation>Tovalin läuft bereits, antwortet aber nicht</translation>
    </message>
    <message>
        <source>Choose Website</source>
        <translation>Website wählen</translation>
    </message>
    <message>
        <source>The streaming site the child may watch</source>
        <translation>Die Streaming-Seite, die das Kind ansehen darf</translation>
    </message>
    <message>
        <source>Time Limit</source>
        <translation>Zeitlimit</translation>
    </message>
    <message>
        <source>Time limit in minutes</source>
        <translation>Zeitlimit in Minuten</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Starten</translation>
    </message>
    <message>
        <source>Asks for the parental password, then starts, extends or unlocks the session</source>
        <translation>Fragt nach dem Elternpasswort und startet, verlängert oder entsperrt dann die Sitzung</translation>
    </message>
    <message>
        <source>Tovalin - Locked</source>
        <translation>Tovalin - Gesperrt</translation>
    </message>
    <message>
        <source>Tovalin - Paused</source>
        <translation>Tovalin - Pausiert</translation>
    </message>
    <message>
        <source>Tovalin - %1</source>
        <translation>Tovalin - %1</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>Entsperren</translation>
    </message>
    <message>
        <source>Extend</source>
        <translation>Verlängern</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Fortsetzen</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Time remaining: --:--</source>
        <translation>Verbleibende Zeit: --:--</translation>
    </message>
    <message>
        <source>Time left in this session</source>
        <translation>Verbleibende Zeit dieser Sitzung</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Ends the session and locks Tovalin</source>
        <translation>Beendet die Sitzung und sperrt Tovalin</translation>
    </message>
    <message>
        <source>Pauses or resumes the countdown</source>
        <translation>Hält den Countdown an oder setzt ihn fort</translation>
    </message>
    <message>
        <source>Modify Timer</source>
        <translation>Zeit ändern</translation>
    </message>
    <message>
        <source>Asks for the parental password, then sets a new time limit</source>
        <translation>Fragt nach dem Elternpasswort und legt dann ein neues Zeitlimit fest</translation>
    </message>
    <message>
        <source>Password Required</source>
        <translation>Passwort erforderlich</translation>
    </message>
    <message>
        <source>Enter password to continue:</source>
        <translation>Passwort eingeben, um fortzufahren:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Checking password…</source>
        <translation>Passwort wird geprüft…</translation>
    </message>
    <message>
        <source>Incorrect password</source>
        <translation>Falsches Passwort</translation>
    </message>
    <message>
        <source>Please enter a valid time limit</source>
        <translation>Bitte ein gültiges Zeitlimit eingeben</translation>
    </message>
    <message>
        <source>Please enter a valid number of minutes</source>
        <translation>Bitte eine gültige Anzahl Minuten eingeben</translation>
    </message>
    <message>
        <source>Set Timer</source>
        <translation>Zeit festlegen</translation>
    </message>
    <message>
        <source>Enter new time limit in minutes:</source>
        <translation>Neues Zeitlimit in Minuten eingeben:</translation>
    </message>
    <message>
        <source>New time limit in minutes</source>
        <translation>Neues Zeitlimit in Minuten</translation>
    </message>
    <message>
        <source>End Session</source>
        <translation>Sitzung beenden</translation>
    </message>
    <message>
        <source>Are you sure you want to end the current session? This will reset the timer.</source>
        <translation>Möchten Sie die laufende Sitzung wirklich beenden? Die Zeit wird dabei zurückgesetzt.</translation>
    </message>
    <message>
        <source>Paused: %1 remaining</source>
        <translation>Pausiert: noch %1</translation>
    </message>
    <message>
        <source>Time remaining: %1</source>
        <translation>Verbleibende Zeit: %1</translation>
    </message>
    <message>
        <source>The session ends soon</source>
        <translation>Die Sitzung endet bald</translation>
    </message>
    <message numerus="yes">
        <source>%n minute left</source>
        <translation>
            <numerusform>Noch %n Minute</numerusform>
            <numerusform>Noch %n Minuten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minutes left</source>
        <translation>
            <numerusform>Noch %n Minute</numerusform>
            <numerusform>Noch %n Minuten</numerusform>
        </translation>
    </message>
    <message>
        <source>unexpected argument: %1</source>
        <translation>unerwartetes Argument: %1</translation>
    </message>
    <message>
        <source>Gives a child one streaming site for a fixed number of minutes.</source>
        <translation>Gibt einem Kind eine Streaming-Seite für eine feste Anzahl Minuten frei.</translation>
    </message>
</context>
<context>
    <name>tovalin-check</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Qt WebEngine %1, based on Chromium %2</source>
        <translation>Qt WebEngine %1, basierend auf Chromium %2</translation>
    </message>
    <message>
        <source>, with security fixes up to Chromium %1</source>
        <translation>, mit Sicherheitskorrekturen bis Chromium %1</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>Engine</translation>
    </message>
    <message>
        <source>built in</source>
        <translation>eingebaut</translation>
    </message>
    <message>
        <source>from %1</source>
        <translation>aus %1</translation>
    </message>
    <message>
        <source>built in; %1 is ignored: it must be one line in a file owned by root that no other account may write, in a folder of the same kind</source>
        <translation>eingebaut; %1 wird ignoriert: Es muss eine einzige Zeile in einer Datei sein, die root gehört und in die kein anderes Konto schreiben darf, in einem Ordner derselben Art</translation>
    </message>
    <message>
        <source>User agent</source>
        <translation>User-Agent</translation>
    </message>
    <message>
        <source>Widevine module</source>
        <translation>Widevine-Modul</translation>
    </message>
    <message>
        <source>no Widevine module</source>
        <translation>kein Widevine-Modul</translation>
    </message>
    <message>
        <source>%1 is there, but it is no library (empty or damaged): install it again from the browser that brings it</source>
        <translation>%1 ist vorhanden, aber keine Bibliothek (leer oder beschädigt): Installieren Sie es erneut über den Browser, der es mitbringt</translation>
    </message>
    <message>
        <source>a damaged Widevine module</source>
        <translation>ein beschädigtes Widevine-Modul</translation>
    </message>
    <message>
        <source>found at %1</source>
        <translation>gefunden unter %1</translation>
    </message>
    <message>
        <source>Media</source>
        <translation>Medien</translation>
    </message>
    <message>
        <source>the engine did not answer within %1 s</source>
        <translation>die Engine hat nicht innerhalb von %1 s geantwortet</translation>
    </message>
    <message>
        <source>the engine did not answer</source>
        <translation>die Engine hat nicht geantwortet</translation>
    </message>
    <message>
        <source>canPlayType &quot;%1&quot;, MediaSource.isTypeSupported %2</source>
        <translation>canPlayType „%1“, MediaSource.isTypeSupported %2</translation>
    </message>
    <message>
        <source>plays (%1)</source>
        <translation>abspielbar (%1)</translation>
    </message>
    <message>
        <source>does not play (%1)</source>
        <translation>nicht abspielbar (%1)</translation>
    </message>
    <message>
        <source>H.264 video in MP4</source>
        <translation>H.264-Video in MP4</translation>
    </message>
    <message>
        <source>no H.264 video</source>
        <translation>kein H.264-Video</translation>
    </message>
    <message>
        <source>AAC audio in MP4</source>
        <translation>AAC-Audio in MP4</translation>
    </message>
    <message>
        <source>no AAC audio</source>
        <translation>kein AAC-Audio</translation>
    </message>
    <message>
        <source>Encrypted media (Widevine)</source>
        <translation>Verschlüsselte Medien (Widevine)</translation>
    </message>
    <message>
        <source>can be requested</source>
        <translation>können angefordert werden</translation>
    </message>
    <message>
        <source>refused (%1)</source>
        <translation>abgelehnt (%1)</translation>
    </message>
    <message>
        <source>encrypted media refused</source>
        <translation>verschlüsselte Medien abgelehnt</translation>
    </message>
    <message>
        <source>Rendering</source>
        <translation>Darstellung</translation>
    </message>
    <message>
        <source>not known without a display: run tovalin-check on the desktop the child will use</source>
        <translation>ohne Bildschirm nicht bekannt: Führen Sie tovalin-check auf dem Desktop aus, den das Kind benutzen wird</translation>
    </message>
    <message>
        <source>no usable OpenGL</source>
        <translation>kein nutzbares OpenGL</translation>
    </message>
    <message>
        <source>OpenGL renderer: %1</source>
        <translation>OpenGL-Renderer: %1</translation>
    </message>
    <message>
        <source>composited in software (%1)</source>
        <translation>in Software zusammengesetzt (%1)</translation>
    </message>
    <message>
        <source>composited on the GPU (%1)</source>
        <translation>auf der GPU zusammengesetzt (%1)</translation>
    </message>
    <message>
        <source>Parental password</source>
        <translation>Elternpasswort</translation>
    </message>
    <message>
        <source>the built-in one (%1 is not there)</source>
        <translation>das eingebaute (%1 ist nicht vorhanden)</translation>
    </message>
    <message>
        <source>the parent&apos;s own, from %1</source>
        <translation>das eigene der Eltern, aus %1</translation>
    </message>
    <message>
        <source>%1 is broken or not safe to trust, so no password opens Tovalin. Repair: sudo tovalin-set-password</source>
        <translation>%1 ist beschädigt oder nicht vertrauenswürdig, daher öffnet kein Passwort Tovalin. Abhilfe: sudo tovalin-set-password</translation>
    </message>
    <message>
        <source>no password opens Tovalin</source>
        <translation>kein Passwort öffnet Tovalin</translation>
    </message>
    <message>
        <source>Child&apos;s session</source>
        <translation>Sitzung des Kindes</translation>
    </message>
    <message>
        <source>Child accounts</source>
        <translation>Kinderkonten</translation>
    </message>
    <message>
        <source>none (the group %1 is not present)</source>
        <translation>keine (die Gruppe %1 gibt es nicht)</translation>
    </message>
    <message>
        <source>none (the group %1 has no members)</source>
        <translation>keine (die Gruppe %1 hat keine Mitglieder)</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Sitzung</translation>
    </message>
    <message>
        <source>%1 cannot be read, so Tovalin keeps no session until it can (it must be a file that this account may read and write)</source>
        <translation>%1 kann nicht gelesen werden, daher speichert Tovalin keine Sitzung, bis es das kann (es muss eine Datei sein, die dieses Konto lesen und schreiben darf)</translation>
    </message>
    <message>
        <source>no session</source>
        <translation>keine Sitzung</translation>
    </message>
    <message>
        <source>locked (the last session ended at %1)</source>
        <translation>gesperrt (die letzte Sitzung endete am %1)</translation>
    </message>
    <message>
        <source>paused</source>
        <translation>pausiert</translation>
    </message>
    <message>
        <source>running until %1</source>
        <translation>läuft bis %1</translation>
    </message>
    <message>
        <source>%1, in %2</source>
        <translation>%1, in %2</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>the child&apos;s site can play here</source>
        <translation>die Seite des Kindes kann hier abgespielt werden</translation>
    </message>
    <message>
        <source>the child&apos;s site cannot play here: %1</source>
        <translation>die Seite des Kindes kann hier nicht abgespielt werden: %1</translation>
    </message>
    <message>
        <source>cannot run, so child accounts cannot log in: missing %1 (sudo apt-get install --reinstall tovalin cage xwayland)</source>
        <translation>kann nicht laufen, also können sich Kinderkonten nicht anmelden: es fehlt %1 (sudo apt-get install --reinstall tovalin cage xwayland)</translation>
    </message>
    <message>
        <source>can run on Wayland only: a login screen that runs X alone cannot start it (missing %1)</source>
        <translation>kann nur unter Wayland laufen: ein Anmeldebildschirm, der nur X ausführt, kann sie nicht starten (es fehlt %1)</translation>
    </message>
    <message>
        <source>can run, on Wayland and on X11</source>
        <translation>kann laufen, unter Wayland und unter X11</translation>
    </message>
    <message>
        <source>not found. In a child account the engine takes it only from where a machine-wide installation puts it, never from the home: install a browser that brings it (Google Chrome) for the whole machine, so that libwidevinecdm.so ends up in /opt/google/chrome/WidevineCdm/_platform_specific/linux_x64/ or /opt/google/chrome/</source>
        <translation>nicht gefunden. In einem Kinderkonto nimmt die Engine es nur von dort, wo eine Installation für den ganzen Rechner es ablegt, nie aus dem Home-Verzeichnis: Installieren Sie einen Browser, der es mitbringt (Google Chrome), für den ganzen Rechner, sodass libwidevinecdm.so in /opt/google/chrome/WidevineCdm/_platform_specific/linux_x64/ oder /opt/google/chrome/ landet</translation>
    </message>
    <message>
        <source>Tells whether the child&apos;s streaming site can play in this account.</source>
        <translation>Sagt, ob die Streaming-Seite des Kindes in diesem Konto abgespielt werden kann.</translation>
    </message>
    <message>
        <source>not found. Install a browser that brings it (Google Chrome) in this account, so that libwidevinecdm.so ends up in ~/.config/google-chrome/WidevineCdm/VERSION/_platform_specific/linux_x64/ or /opt/google/chrome/WidevineCdm/_platform_specific/linux_x64/, or name it with QTWEBENGINE_CHROMIUM_FLAGS=&quot;--widevine-path=PATH&quot;. A child account takes it only from where a machine-wide installation puts it, never from the home</source>
        <translation>nicht gefunden. Installieren Sie in diesem Konto einen Browser, der es mitbringt (Google Chrome), sodass libwidevinecdm.so in ~/.config/google-chrome/WidevineCdm/VERSION/_platform_specific/linux_x64/ oder /opt/google/chrome/WidevineCdm/_platform_specific/linux_x64/ landet, oder geben Sie es mit QTWEBENGINE_CHROMIUM_FLAGS=&quot;--widevine-path=PATH&quot; an. Ein Kinderkonto nimmt es nur von dort, wo eine Installation für den ganzen Rechner es ablegt, nie aus dem Home-Verzeichnis</translation>
    </message>
    <message>
        <source>found at %1, in this account&apos;s home: a child account never takes it from there, only from where a machine-wide installation puts it (/opt/google/chrome/)</source>
        <translation>gefunden unter %1, im Home-Verzeichnis dieses Kontos: Ein Kinderkonto nimmt es nie aus dem Home-Verzeichnis, nur von dort, wo eine Installation für den ganzen Rechner es ablegt (/opt/google/chrome/)</translation>
    </message>
    <message>
        <source>cannot run, so child accounts cannot log in: GDM here runs X alone (WaylandEnable=false), and Tovalin&apos;s session for X11 is missing %1 (sudo apt-get install --reinstall tovalin)</source>
        <translation>kann nicht laufen, also können sich Kinderkonten nicht anmelden: GDM führt hier nur X aus (WaylandEnable=false), und Tovalins Sitzung für X11 fehlt %1 (sudo apt-get install --reinstall tovalin)</translation>
    </message>
</context>
<context>
    <name>tovalin-child</name>
    <message>
        <source>There is no account %1; nothing was changed. To make one, run: tovalin-child add --create %1</source>
        <translation>Es gibt kein Konto %1; es wurde nichts geändert. Um eines anzulegen, führen Sie aus: tovalin-child add --create %1</translation>
    </message>
    <message>
        <source>%1 is the administrator&apos;s account root; nothing was changed.</source>
        <translation>%1 ist das Administratorkonto root; es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>%1 is an administrator (in the group %2); a child account must be a standard one. Nothing was changed.</source>
        <translation>%1 ist ein Administrator (in der Gruppe %2); ein Kinderkonto muss ein Standardkonto sein. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>adduser could not make the account %1; nothing else was changed.</source>
        <translation>adduser konnte das Konto %1 nicht anlegen; sonst wurde nichts geändert.</translation>
    </message>
    <message>
        <source>%1 is a child account already; nothing was changed.</source>
        <translation>%1 ist bereits ein Kinderkonto; es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>cannot keep the sessions of %1 for undoing: %2; nothing was changed.</source>
        <translation>die Sitzungen von %1 können nicht zum Rückgängigmachen aufbewahrt werden: %2; es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>cannot set the session of %1 to Tovalin&apos;s: %2; nothing was changed.</source>
        <translation>die Sitzung von %1 kann nicht auf die von Tovalin gesetzt werden: %2; es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>adduser could not add %1 to the group %2; nothing was changed.</source>
        <translation>adduser konnte %1 nicht zur Gruppe %2 hinzufügen; es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>%1 is a child account: it is in the group %2 and its session is Tovalin&apos;s. It can log in to that session alone, at the login screen or by automatic login.</source>
        <translation>%1 ist ein Kinderkonto: Es ist in der Gruppe %2, und seine Sitzung ist die von Tovalin. Es kann sich nur in dieser Sitzung anmelden, am Anmeldebildschirm oder automatisch.</translation>
    </message>
    <message>
        <source>%1 is not a child account; nothing was changed.</source>
        <translation>%1 ist kein Kinderkonto; es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>cannot restore the sessions of %1: %2; nothing was changed.</source>
        <translation>die Sitzungen von %1 können nicht wiederhergestellt werden: %2; es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>gpasswd could not take %1 out of the group %2; run the command again.</source>
        <translation>gpasswd konnte %1 nicht aus der Gruppe %2 entfernen; führen Sie den Befehl erneut aus.</translation>
    </message>
    <message>
        <source>%1 is no longer a child account: it left the group %2 and has its earlier session back. The account itself stays.</source>
        <translation>%1 ist kein Kinderkonto mehr: Es ist nicht mehr in der Gruppe %2 und hat wieder seine frühere Sitzung. Das Konto selbst bleibt bestehen.</translation>
    </message>
    <message>
        <source>%1 is not an account name.</source>
        <translation>%1 ist kein Kontoname.</translation>
    </message>
    <message>
        <source>run it as root, for example with sudo</source>
        <translation>führen Sie es als root aus, zum Beispiel mit sudo</translation>
    </message>
    <message>
        <source>the group %1 is missing; reinstall the tovalin package.</source>
        <translation>die Gruppe %1 fehlt; installieren Sie das Paket tovalin erneut.</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>The PAM rule for child accounts is not in force: /etc/pam.d/common-session does not run pam_tovalin.so. Nothing was changed. Run: sudo pam-auth-update --enable tovalin</source>
        <translation>Die PAM-Regel für Kinderkonten ist nicht in Kraft: /etc/pam.d/common-session führt pam_tovalin.so nicht aus. Es wurde nichts geändert. Führen Sie aus: sudo pam-auth-update --enable tovalin</translation>
    </message>
    <message>
        <source>%1 is a system account (its uid %2 is outside UID_MIN to UID_MAX of /etc/login.defs), not a person&apos;s. Nothing was changed.</source>
        <translation>%1 ist ein Systemkonto (seine UID %2 liegt außerhalb von UID_MIN bis UID_MAX in /etc/login.defs), nicht das Konto einer Person. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>%1 is not a person&apos;s account: its shell %2 is no login shell of /etc/shells. Nothing was changed.</source>
        <translation>%1 ist nicht das Konto einer Person: seine Shell %2 ist keine Anmelde-Shell aus /etc/shells. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>sudo -l -U %1 did not say whether %1 may run commands as another user; nothing was changed.</source>
        <translation>sudo -l -U %1 hat nicht gesagt, ob %1 Befehle als ein anderer Benutzer ausführen darf; es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>%1 may run commands as another user (sudo -l -U %1 lists them); a child account must be a standard one. Nothing was changed.</source>
        <translation>%1 darf Befehle als ein anderer Benutzer ausführen (sudo -l -U %1 listet sie auf); ein Kinderkonto muss ein Standardkonto sein. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>The home of %1 holds files that would run at its logins: %2. Move them out of the home, then run tovalin-child add %1 again, or run tovalin-child add --fresh-home %1 to move the whole home aside. Nothing was changed.</source>
        <translation>Im Persönlichen Ordner von %1 liegen Dateien, die bei seinen Anmeldungen ausgeführt würden: %2. Verschieben Sie sie aus dem Persönlichen Ordner und führen Sie dann erneut tovalin-child add %1 aus, oder führen Sie tovalin-child add --fresh-home %1 aus, um den ganzen Persönlichen Ordner beiseitezulegen. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>%1 is not a home folder of the account&apos;s own</source>
        <translation>%1 ist kein eigener Persönlicher Ordner des Kontos</translation>
    </message>
    <message>
        <source>%1 was moved to %2, which could not be made root&apos;s alone: %3</source>
        <translation>%1 wurde nach %2 verschoben, das nicht root allein gehören konnte: %3</translation>
    </message>
    <message>
        <source>%1 was moved to %2, but mkhomedir_helper could not make a new home</source>
        <translation>%1 wurde nach %2 verschoben, aber mkhomedir_helper konnte keinen neuen Persönlichen Ordner anlegen</translation>
    </message>
    <message>
        <source>cannot make a fresh home for %1: %2. Nothing else was changed.</source>
        <translation>Für %1 kann kein neuer Persönlicher Ordner angelegt werden: %2. Sonst wurde nichts geändert.</translation>
    </message>
    <message>
        <source>The old home of %1 is now %2, readable by root alone; %1 has a new home made from /etc/skel.</source>
        <translation>Der alte Persönliche Ordner von %1 ist jetzt %2 und nur für root lesbar; %1 hat einen neuen Persönlichen Ordner aus /etc/skel.</translation>
    </message>
    <message>
        <source>Every session and process of %1 was ended, and its user manager no longer starts at boot.</source>
        <translation>Jede Sitzung und jeder Prozess von %1 wurde beendet, und sein Benutzerdienst startet nicht mehr beim Hochfahren.</translation>
    </message>
    <message>
        <source>logind could not end what %1 runs (%2): log it out, or restart the machine, before the child uses it.</source>
        <translation>logind konnte nicht beenden, was %1 ausführt (%2): melden Sie das Konto ab oder starten Sie den Rechner neu, bevor das Kind es benutzt.</translation>
    </message>
    <message>
        <source>Makes an account a child account, which runs Tovalin and nothing else; undoes that; lists the child accounts.</source>
        <translation>Macht ein Konto zu einem Kinderkonto, das Tovalin und sonst nichts ausführt; macht das rückgängig; listet die Kinderkonten auf.</translation>
    </message>
    <message>
        <source>add: make the account first.</source>
        <translation>add: das Konto zuerst anlegen.</translation>
    </message>
    <message>
        <source>add: move a refused home aside and make a fresh one.</source>
        <translation>add: einen abgelehnten Persönlichen Ordner beiseitelegen und einen neuen anlegen.</translation>
    </message>
    <message>
        <source>add, remove or list.</source>
        <translation>add, remove oder list.</translation>
    </message>
    <message>
        <source>a command is needed: add, remove or list</source>
        <translation>ein Befehl fehlt: add, remove oder list</translation>
    </message>
    <message>
        <source>unknown command: %1</source>
        <translation>unbekannter Befehl: %1</translation>
    </message>
    <message>
        <source>--create and --fresh-home are for add alone</source>
        <translation>--create und --fresh-home gelten nur für add</translation>
    </message>
    <message>
        <source>list takes no account name</source>
        <translation>list nimmt keinen Kontonamen</translation>
    </message>
    <message>
        <source>%1 needs an account name</source>
        <translation>%1 braucht einen Kontonamen</translation>
    </message>
</context>
<context>
    <name>tovalin-session-check</name>
    <message>
        <source>This account opens Tovalin&apos;s session alone: pick Tovalin at the login screen.</source>
        <translation>Dieses Konto öffnet nur die Sitzung von Tovalin: Wählen Sie Tovalin auf dem Anmeldebildschirm.</translation>
    </message>
    <message>
        <source>This account logs in only at the login screen, to Tovalin.</source>
        <translation>Dieses Konto meldet sich nur am Anmeldebildschirm an, bei Tovalin.</translation>
    </message>
    <message>
        <source>Tovalin&apos;s session cannot start on this computer. A parent can run tovalin-check.</source>
        <translation>Die Sitzung von Tovalin kann auf diesem Computer nicht starten. Ein Elternteil kann tovalin-check ausführen.</translation>
    </message>
    <message>
        <source>Tovalin&apos;s watcher is not running, so this account cannot log in now.</source>
        <translation>Der Wächter von Tovalin läuft nicht, daher kann sich dieses Konto jetzt nicht anmelden.</translation>
    </message>
    <message>
        <source>This account&apos;s home holds files that would run at its login; a parent must remove them.</source>
        <translation>Der Persönliche Ordner dieses Kontos enthält Dateien, die bei der Anmeldung laufen würden; ein Elternteil muss sie entfernen.</translation>
    </message>
    <message>
        <source>This account cannot log in this way.</source>
        <translation>Dieses Konto kann sich auf diesem Weg nicht anmelden.</translation>
    </message>
</context>
<context>
    <name>tovalin-set-password</name>
    <message>
        <source>run it as root, for example with sudo</source>
        <translation>führen Sie es als root aus, zum Beispiel mit sudo</translation>
    </message>
    <message>
        <source>New parental password: </source>
        <translation>Neues Elternpasswort: </translation>
    </message>
    <message>
        <source>The same password again: </source>
        <translation>Dasselbe Passwort noch einmal: </translation>
    </message>
    <message>
        <source>no password was given</source>
        <translation>es wurde kein Passwort eingegeben</translation>
    </message>
    <message>
        <source>the two passwords differ; nothing was changed</source>
        <translation>die beiden Passwörter stimmen nicht überein; es wurde nichts geändert</translation>
    </message>
    <message>
        <source>the password must have 1 to %1 characters</source>
        <translation>das Passwort muss 1 bis %1 Zeichen lang sein</translation>
    </message>
    <message>
        <source>cannot make %1</source>
        <translation>%1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>%1 was written, but is not safe to trust; see tovalin-set-password(8)</source>
        <translation>%1 wurde geschrieben, ist aber nicht vertrauenswürdig; siehe tovalin-set-password(8)</translation>
    </message>
    <message>
        <source>The parental password is set. Tovalin asks for it from now on.</source>
        <translation>Das Elternpasswort ist gesetzt. Tovalin fragt ab jetzt danach.</translation>
    </message>
    <message>
        <source>the password could not be hashed</source>
        <translation>das Passwort konnte nicht gehasht werden</translation>
    </message>
    <message>
        <source>Sets the parental password for every account of this machine.</source>
        <translation>Setzt das Elternpasswort für alle Konten dieses Rechners.</translation>
    </message>
</context>
</TS>
