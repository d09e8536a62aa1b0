<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>QWebEnginePage</name>
    <message>
        <source>Are you sure you want to leave this page? Changes that you made may not be saved.</source>
        <translation>Weet je zeker dat je deze pagina wilt verlaten? Wijzigingen die je hebt aangebracht, worden mogelijk niet opgeslagen.</translation>
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
        <translation>kan %1 niet aanmaken: %2</translation>
    </message>
    <message>
        <source>%1 is not a private folder of this user</source>
        <translation>%1 is geen privémap van deze gebruiker</translation>
    </message>
    <message>
        <source>this account has no home folder</source>
        <translation>dit account heeft geen thuismap</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>kan %1 niet openen: %2</translation>
    </message>
    <message>
        <source>cannot lock %1: %2</source>
        <translation>kan %1 niet vergrendelen: %2</translation>
    </message>
    <message>
        <source>Tovalin is already running but does not answer</source>
        <translation>Tovalin draait al, maar reageert niet</translation>
    </message>
    <message>
        <source>Choose Website</source>
        <translation>Website kiezen</translation>
    </message>
    <message>
        <source>The streaming site the child may watch</source>
        <translation>De streamingsite waar het kind naar mag kijken</translation>
    </message>
    <message>
        <source>Time Limit</source>
        <translation>Tijdslimiet</translation>
    </message>
    <message>
        <source>Time limit in minutes</source>
        <translation>Tijdslimiet in minuten</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minuten</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Starten</translation>
    </message>
    <message>
        <source>Asks for the parental password, then starts, extends or unlocks the session</source>
        <translation>Vraagt om het ouderwachtwoord en start, verlengt of ontgrendelt daarna de sessie</translation>
    </message>
    <message>
        <source>Tovalin - Locked</source>
        <translation>Tovalin - Vergrendeld</translation>
    </message>
    <message>
        <source>Tovalin - Paused</source>
        <translation>Tovalin - Gepauzeerd</translation>
    </message>
    <message>
        <source>Tovalin - %1</source>
        <translation>Tovalin - %1</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>Ontgrendelen</translation>
    </message>
    <message>
        <source>Extend</source>
        <translation>Verlengen</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Hervatten</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pauzeren</translation>
    </message>
    <message>
        <source>Time remaining: --:--</source>
        <translation>Resterende tijd: --:--</translation>
    </message>
    <message>
        <source>Time left in this session</source>
        <translation>Resterende tijd van deze sessie</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Beëindigen</translation>
    </message>
    <message>
        <source>Ends the session and locks Tovalin</source>
        <translation>Beëindigt de sessie en vergrendelt Tovalin</translation>
    </message>
    <message>
        <source>Pauses or resumes the countdown</source>
        <translation>Pauzeert of hervat het aftellen</translation>
    </message>
    <message>
        <source>Modify Timer</source>
        <translation>Tijd wijzigen</translation>
    </message>
    <message>
        <source>Asks for the parental password, then sets a new time limit</source>
        <translation>Vraagt om het ouderwachtwoord en stelt daarna een nieuwe tijdslimiet in</translation>
    </message>
    <message>
        <source>Password Required</source>
        <translation>Wachtwoord vereist</translation>
    </message>
    <message>
        <source>Enter password to continue:</source>
        <translation>Voer het wachtwoord in om verder te gaan:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Wachtwoord</translation>
    </message>
    <message>
        <source>Checking password…</source>
        <translation>Wachtwoord controleren…</translation>
    </message>
    <message>
        <source>Incorrect password</source>
        <translation>Onjuist wachtwoord</translation>
    </message>
    <message>
        <source>Please enter a valid time limit</source>
        <translation>Voer een geldige tijdslimiet in</translation>
    </message>
    <message>
        <source>Please enter a valid number of minutes</source>
        <translation>Voer een geldig aantal minuten in</translation>
    </message>
    <message>
        <source>Set Timer</source>
        <translation>Tijd instellen</translation>
    </message>
    <message>
        <source>Enter new time limit in minutes:</source>
        <translation>Voer de nieuwe tijdslimiet in minuten in:</translation>
    </message>
    <message>
        <source>New time limit in minutes</source>
        <translation>Nieuwe tijdslimiet in minuten</translation>
    </message>
    <message>
        <source>End Session</source>
        <translation>Sessie beëindigen</translation>
    </message>
    <message>
        <source>Are you sure you want to end the current session? This will reset the timer.</source>
        <translation>Weet je zeker dat je de huidige sessie wilt beëindigen? De timer wordt hierdoor gereset.</translation>
    </message>
    <message>
        <source>Paused: %1 remaining</source>
        <translation>Gepauzeerd: nog %1</translation>
    </message>
    <message>
        <source>Time remaining: %1</source>
        <translation>Resterende tijd: %1</translation>
    </message>
</context>
<context>
    <name>tovalin-set-password</name>
    <message>
        <source>run it as root, for example with sudo</source>
        <translation>voer dit uit als root, bijvoorbeeld met sudo</translation>
    </message>
    <message>
        <source>New parental password: </source>
        <translation>Nieuw ouderwachtwoord: </translation>
    </message>
    <message>
        <source>The same password again: </source>
        <translation>Hetzelfde wachtwoord nogmaals: </translation>
    </message>
    <message>
        <source>no password was given</source>
        <translation>er is geen wachtwoord opgegeven</translation>
    </message>
    <message>
        <source>the two passwords differ; nothing was changed</source>
        <translation>de twee wachtwoorden verschillen; er is niets gewijzigd</translation>
    </message>
    <message>
        <source>the password must have 1 to %1 characters</source>
        <translation>het wachtwoord moet 1 tot %1 tekens lang zijn</translation>
    </message>
    <message>
        <source>cannot make %1</source>
        <translation>kan %1 niet aanmaken</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>kan %1 niet schrijven: %2</translation>
    </message>
    <message>
        <source>%1 was written, but is not safe to trust; see the README</source>
        <translation>%1 is geschreven, maar is niet betrouwbaar; zie de README</translation>
    </message>
    <message>
        <source>The parental password is set. Tovalin asks for it from now on.</source>
        <translation>Het ouderwachtwoord is ingesteld. Tovalin vraagt er voortaan om.</translation>
    </message>
    <message>
        <source>the password could not be hashed</source>
        <translation>het wachtwoord kon niet gehasht worden</translation>
    </message>
</context>
</TS>
