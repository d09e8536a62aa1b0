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
</context>
<context>
    <name>tovalin-set-password</name>
    <message>
        <source>run it as root, for example with sudo</source>
        <translation>als root ausführen, zum Beispiel mit sudo</translation>
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
        <source>%1 was written, but is not safe to trust; see the README</source>
        <translation>%1 wurde geschrieben, ist aber nicht vertrauenswürdig; siehe README</translation>
    </message>
    <message>
        <source>The parental password is set. Tovalin asks for it from now on.</source>
        <translation>Das Elternpasswort ist gesetzt. Tovalin fragt ab jetzt danach.</translation>
    </message>
    <message>
        <source>the password could not be hashed</source>
        <translation>das Passwort konnte nicht gehasht werden</translation>
    </message>
</context>
</TS>
