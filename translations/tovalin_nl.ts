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
    <message>
        <source>The session ends soon</source>
        <translation>De sessie eindigt binnenkort</translation>
    </message>
    <message numerus="yes">
        <source>%n minute left</source>
        <translation>
            <numerusform>Nog %n minuut</numerusform>
            <numerusform>Nog %n minuten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minutes left</source>
        <translation>
            <numerusform>Nog %n minuut</numerusform>
            <numerusform>Nog %n minuten</numerusform>
        </translation>
    </message>
    <message>
        <source>unexpected argument: %1</source>
        <translation>onverwacht argument: %1</translation>
    </message>
    <message>
        <source>Gives a child one streaming site for a fixed number of minutes.</source>
        <translation>Geeft een kind één streamingsite voor een vast aantal minuten.</translation>
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
        <translation>Qt WebEngine %1, gebaseerd op Chromium %2</translation>
    </message>
    <message>
        <source>, with security fixes up to Chromium %1</source>
        <translation>, met beveiligingsupdates tot Chromium %1</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>Engine</translation>
    </message>
    <message>
        <source>built in</source>
        <translation>ingebouwd</translation>
    </message>
    <message>
        <source>from %1</source>
        <translation>uit %1</translation>
    </message>
    <message>
        <source>built in; %1 is ignored: it must be one line in a file owned by root that no other account may write, in a folder of the same kind</source>
        <translation>ingebouwd; %1 wordt genegeerd: het moet één regel zijn in een bestand van root waarin geen ander account mag schrijven, in een map van dezelfde soort</translation>
    </message>
    <message>
        <source>User agent</source>
        <translation>User-agent</translation>
    </message>
    <message>
        <source>Widevine module</source>
        <translation>Widevine-module</translation>
    </message>
    <message>
        <source>no Widevine module</source>
        <translation>geen Widevine-module</translation>
    </message>
    <message>
        <source>%1 is there, but it is no library (empty or damaged): install it again from the browser that brings it</source>
        <translation>%1 is aanwezig, maar is geen bibliotheek (leeg of beschadigd): installeer het opnieuw vanuit de browser die het meebrengt</translation>
    </message>
    <message>
        <source>a damaged Widevine module</source>
        <translation>een beschadigde Widevine-module</translation>
    </message>
    <message>
        <source>found at %1</source>
        <translation>gevonden in %1</translation>
    </message>
    <message>
        <source>Media</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>the engine did not answer within %1 s</source>
        <translation>de engine antwoordde niet binnen %1 s</translation>
    </message>
    <message>
        <source>the engine did not answer</source>
        <translation>de engine antwoordde niet</translation>
    </message>
    <message>
        <source>canPlayType &quot;%1&quot;, MediaSource.isTypeSupported %2</source>
        <translation>canPlayType &quot;%1&quot;, MediaSource.isTypeSupported %2</translation>
    </message>
    <message>
        <source>plays (%1)</source>
        <translation>afspeelbaar (%1)</translation>
    </message>
    <message>
        <source>does not play (%1)</source>
        <translation>niet afspeelbaar (%1)</translation>
    </message>
    <message>
        <source>H.264 video in MP4</source>
        <translation>H.264-video in MP4</translation>
    </message>
    <message>
        <source>no H.264 video</source>
        <translation>geen H.264-video</translation>
    </message>
    <message>
        <source>AAC audio in MP4</source>
        <translation>AAC-audio in MP4</translation>
    </message>
    <message>
        <source>no AAC audio</source>
        <translation>geen AAC-audio</translation>
    </message>
    <message>
        <source>Encrypted media (Widevine)</source>
        <translation>Versleutelde media (Widevine)</translation>
    </message>
    <message>
        <source>can be requested</source>
        <translation>kunnen worden aangevraagd</translation>
    </message>
    <message>
        <source>refused (%1)</source>
        <translation>geweigerd (%1)</translation>
    </message>
    <message>
        <source>encrypted media refused</source>
        <translation>versleutelde media geweigerd</translation>
    </message>
    <message>
        <source>Rendering</source>
        <translation>Weergave</translation>
    </message>
    <message>
        <source>not known without a display: run tovalin-check on the desktop the child will use</source>
        <translation>onbekend zonder beeldscherm: voer tovalin-check uit op het bureaublad dat het kind gaat gebruiken</translation>
    </message>
    <message>
        <source>no usable OpenGL</source>
        <translation>geen bruikbare OpenGL</translation>
    </message>
    <message>
        <source>OpenGL renderer: %1</source>
        <translation>OpenGL-renderer: %1</translation>
    </message>
    <message>
        <source>composited in software (%1)</source>
        <translation>in software samengesteld (%1)</translation>
    </message>
    <message>
        <source>composited on the GPU (%1)</source>
        <translation>op de GPU samengesteld (%1)</translation>
    </message>
    <message>
        <source>Parental password</source>
        <translation>Ouderwachtwoord</translation>
    </message>
    <message>
        <source>the built-in one (%1 is not there)</source>
        <translation>het ingebouwde (%1 ontbreekt)</translation>
    </message>
    <message>
        <source>the parent&apos;s own, from %1</source>
        <translation>het eigen wachtwoord van de ouders, uit %1</translation>
    </message>
    <message>
        <source>%1 is broken or not safe to trust, so no password opens Tovalin. Repair: sudo tovalin-set-password</source>
        <translation>%1 is beschadigd of niet betrouwbaar, dus geen enkel wachtwoord opent Tovalin. Herstellen: sudo tovalin-set-password</translation>
    </message>
    <message>
        <source>no password opens Tovalin</source>
        <translation>geen enkel wachtwoord opent Tovalin</translation>
    </message>
    <message>
        <source>Child&apos;s session</source>
        <translation>Sessie van het kind</translation>
    </message>
    <message>
        <source>Child accounts</source>
        <translation>Kinderaccounts</translation>
    </message>
    <message>
        <source>none (the group %1 is not present)</source>
        <translation>geen (de groep %1 bestaat niet)</translation>
    </message>
    <message>
        <source>none (the group %1 has no members)</source>
        <translation>geen (de groep %1 heeft geen leden)</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Sessie</translation>
    </message>
    <message>
        <source>%1 cannot be read, so Tovalin keeps no session until it can (it must be a file that this account may read and write)</source>
        <translation>%1 kan niet worden gelezen, dus Tovalin bewaart geen sessie totdat dat wel kan (het moet een bestand zijn dat dit account mag lezen en schrijven)</translation>
    </message>
    <message>
        <source>no session</source>
        <translation>geen sessie</translation>
    </message>
    <message>
        <source>locked (the last session ended at %1)</source>
        <translation>vergrendeld (de laatste sessie eindigde op %1)</translation>
    </message>
    <message>
        <source>paused</source>
        <translation>gepauzeerd</translation>
    </message>
    <message>
        <source>running until %1</source>
        <translation>loopt tot %1</translation>
    </message>
    <message>
        <source>%1, in %2</source>
        <translation>%1, in %2</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Oordeel</translation>
    </message>
    <message>
        <source>the child&apos;s site can play here</source>
        <translation>de site van het kind kan hier worden afgespeeld</translation>
    </message>
    <message>
        <source>the child&apos;s site cannot play here: %1</source>
        <translation>de site van het kind kan hier niet worden afgespeeld: %1</translation>
    </message>
    <message>
        <source>cannot run, so child accounts cannot log in: missing %1 (sudo apt-get install --reinstall tovalin cage xwayland)</source>
        <translation>kan niet starten, dus kinderaccounts kunnen niet inloggen: %1 ontbreekt (sudo apt-get install --reinstall tovalin cage xwayland)</translation>
    </message>
    <message>
        <source>can run on Wayland only: a login screen that runs X alone cannot start it (missing %1)</source>
        <translation>kan alleen onder Wayland starten: een inlogscherm dat alleen X draait kan haar niet starten (%1 ontbreekt)</translation>
    </message>
    <message>
        <source>can run, on Wayland and on X11</source>
        <translation>kan starten, onder Wayland en onder X11</translation>
    </message>
    <message>
        <source>not found. In a child account the engine takes it only from where a machine-wide installation puts it, never from the home: install a browser that brings it (Google Chrome) for the whole machine, so that libwidevinecdm.so ends up in /opt/google/chrome/WidevineCdm/_platform_specific/linux_x64/ or /opt/google/chrome/</source>
        <translation>niet gevonden. In een kinderaccount neemt de engine het alleen van waar een installatie voor de hele computer het neerzet, nooit uit de thuismap: installeer voor de hele computer een browser die het meebrengt (Google Chrome), zodat libwidevinecdm.so in /opt/google/chrome/WidevineCdm/_platform_specific/linux_x64/ of /opt/google/chrome/ terechtkomt</translation>
    </message>
    <message>
        <source>Tells whether the child&apos;s streaming site can play in this account.</source>
        <translation>Zegt of de streamingsite van het kind in dit account kan afspelen.</translation>
    </message>
    <message>
        <source>not found. Install a browser that brings it (Google Chrome) in this account, so that libwidevinecdm.so ends up in ~/.config/google-chrome/WidevineCdm/VERSION/_platform_specific/linux_x64/ or /opt/google/chrome/WidevineCdm/_platform_specific/linux_x64/, or name it with QTWEBENGINE_CHROMIUM_FLAGS=&quot;--widevine-path=PATH&quot;. A child account takes it only from where a machine-wide installation puts it, never from the home</source>
        <translation>niet gevonden. Installeer in dit account een browser die het meebrengt (Google Chrome), zodat libwidevinecdm.so in ~/.config/google-chrome/WidevineCdm/VERSION/_platform_specific/linux_x64/ of /opt/google/chrome/WidevineCdm/_platform_specific/linux_x64/ terechtkomt, of geef het op met QTWEBENGINE_CHROMIUM_FLAGS=&quot;--widevine-path=PATH&quot;. Een kinderaccount neemt het alleen van waar een installatie voor de hele computer het neerzet, nooit uit de thuismap</translation>
    </message>
    <message>
        <source>found at %1, in this account&apos;s home: a child account never takes it from there, only from where a machine-wide installation puts it (/opt/google/chrome/)</source>
        <translation>gevonden in %1, in de thuismap van dit account: een kinderaccount neemt het daar nooit uit, alleen van waar een installatie voor de hele computer het neerzet (/opt/google/chrome/)</translation>
    </message>
    <message>
        <source>cannot run, so child accounts cannot log in: GDM here runs X alone (WaylandEnable=false), and Tovalin&apos;s session for X11 is missing %1 (sudo apt-get install --reinstall tovalin)</source>
        <translation>kan niet starten, dus kinderaccounts kunnen niet inloggen: GDM draait hier alleen X (WaylandEnable=false), en de sessie van Tovalin voor X11 mist %1 (sudo apt-get install --reinstall tovalin)</translation>
    </message>
</context>
<context>
    <name>tovalin-child</name>
    <message>
        <source>There is no account %1; nothing was changed. To make one, run: tovalin-child add --create %1</source>
        <translation>Er is geen account %1; er is niets gewijzigd. Maak er een aan met: tovalin-child add --create %1</translation>
    </message>
    <message>
        <source>%1 is the administrator&apos;s account root; nothing was changed.</source>
        <translation>%1 is het beheerdersaccount root; er is niets gewijzigd.</translation>
    </message>
    <message>
        <source>%1 is an administrator (in the group %2); a child account must be a standard one. Nothing was changed.</source>
        <translation>%1 is een beheerder (in de groep %2); een kinderaccount moet een standaardaccount zijn. Er is niets gewijzigd.</translation>
    </message>
    <message>
        <source>adduser could not make the account %1; nothing else was changed.</source>
        <translation>adduser kon het account %1 niet aanmaken; er is verder niets gewijzigd.</translation>
    </message>
    <message>
        <source>%1 is a child account already; nothing was changed.</source>
        <translation>%1 is al een kinderaccount; er is niets gewijzigd.</translation>
    </message>
    <message>
        <source>cannot keep the sessions of %1 for undoing: %2; nothing was changed.</source>
        <translation>kan de sessies van %1 niet bewaren om het ongedaan te maken: %2; er is niets gewijzigd.</translation>
    </message>
    <message>
        <source>cannot set the session of %1 to Tovalin&apos;s: %2; nothing was changed.</source>
        <translation>kan de sessie van %1 niet op die van Tovalin zetten: %2; er is niets gewijzigd.</translation>
    </message>
    <message>
        <source>adduser could not add %1 to the group %2; nothing was changed.</source>
        <translation>adduser kon %1 niet aan de groep %2 toevoegen; er is niets gewijzigd.</translation>
    </message>
    <message>
        <source>%1 is a child account: it is in the group %2 and its session is Tovalin&apos;s. It can log in to that session alone, at the login screen or by automatic login.</source>
        <translation>%1 is een kinderaccount: het zit in de groep %2 en de sessie is die van Tovalin. Het kan alleen in die sessie inloggen, via het inlogscherm of automatisch.</translation>
    </message>
    <message>
        <source>%1 is not a child account; nothing was changed.</source>
        <translation>%1 is geen kinderaccount; er is niets gewijzigd.</translation>
    </message>
    <message>
        <source>cannot restore the sessions of %1: %2; nothing was changed.</source>
        <translation>kan de sessies van %1 niet herstellen: %2; er is niets gewijzigd.</translation>
    </message>
    <message>
        <source>gpasswd could not take %1 out of the group %2; run the command again.</source>
        <translation>gpasswd kon %1 niet uit de groep %2 halen; voer de opdracht opnieuw uit.</translation>
    </message>
    <message>
        <source>%1 is no longer a child account: it left the group %2 and has its earlier session back. The account itself stays.</source>
        <translation>%1 is geen kinderaccount meer: het heeft de groep %2 verlaten en heeft zijn eerdere sessie terug. Het account zelf blijft bestaan.</translation>
    </message>
    <message>
        <source>%1 is not an account name.</source>
        <translation>%1 is geen accountnaam.</translation>
    </message>
    <message>
        <source>run it as root, for example with sudo</source>
        <translation>voer dit uit als root, bijvoorbeeld met sudo</translation>
    </message>
    <message>
        <source>the group %1 is missing; reinstall the tovalin package.</source>
        <translation>de groep %1 ontbreekt; installeer het pakket tovalin opnieuw.</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 kan niet worden gelezen</translation>
    </message>
    <message>
        <source>The PAM rule for child accounts is not in force: /etc/pam.d/common-session does not run pam_tovalin.so. Nothing was changed. Run: sudo pam-auth-update --enable tovalin</source>
        <translation>De PAM-regel voor kinderaccounts is niet van kracht: /etc/pam.d/common-session voert pam_tovalin.so niet uit. Er is niets gewijzigd. Voer uit: sudo pam-auth-update --enable tovalin</translation>
    </message>
    <message>
        <source>%1 is a system account (its uid %2 is outside UID_MIN to UID_MAX of /etc/login.defs), not a person&apos;s. Nothing was changed.</source>
        <translation>%1 is een systeemaccount (zijn uid %2 ligt buiten UID_MIN tot UID_MAX van /etc/login.defs), niet dat van een persoon. Er is niets gewijzigd.</translation>
    </message>
    <message>
        <source>%1 is not a person&apos;s account: its shell %2 is no login shell of /etc/shells. Nothing was changed.</source>
        <translation>%1 is niet het account van een persoon: zijn shell %2 is geen aanmeldshell uit /etc/shells. Er is niets gewijzigd.</translation>
    </message>
    <message>
        <source>sudo -l -U %1 did not say whether %1 may run commands as another user; nothing was changed.</source>
        <translation>sudo -l -U %1 heeft niet gezegd of %1 opdrachten als een andere gebruiker mag uitvoeren; er is niets gewijzigd.</translation>
    </message>
    <message>
        <source>%1 may run commands as another user (sudo -l -U %1 lists them); a child account must be a standard one. Nothing was changed.</source>
        <translation>%1 mag opdrachten als een andere gebruiker uitvoeren (sudo -l -U %1 toont ze); een kinderaccount moet een standaardaccount zijn. Er is niets gewijzigd.</translation>
    </message>
    <message>
        <source>The home of %1 holds files that would run at its logins: %2. Move them out of the home, then run tovalin-child add %1 again, or run tovalin-child add --fresh-home %1 to move the whole home aside. Nothing was changed.</source>
        <translation>De persoonlijke map van %1 bevat bestanden die bij het aanmelden zouden worden uitgevoerd: %2. Verplaats ze uit de persoonlijke map en voer daarna opnieuw tovalin-child add %1 uit, of voer tovalin-child add --fresh-home %1 uit om de hele persoonlijke map opzij te zetten. Er is niets gewijzigd.</translation>
    </message>
    <message>
        <source>%1 is not a home folder of the account&apos;s own</source>
        <translation>%1 is geen eigen persoonlijke map van het account</translation>
    </message>
    <message>
        <source>%1 was moved to %2, which could not be made root&apos;s alone: %3</source>
        <translation>%1 is verplaatst naar %2, dat niet alleen van root gemaakt kon worden: %3</translation>
    </message>
    <message>
        <source>%1 was moved to %2, but mkhomedir_helper could not make a new home</source>
        <translation>%1 is verplaatst naar %2, maar mkhomedir_helper kon geen nieuwe persoonlijke map maken</translation>
    </message>
    <message>
        <source>cannot make a fresh home for %1: %2. Nothing else was changed.</source>
        <translation>kan geen nieuwe persoonlijke map voor %1 maken: %2. Verder is er niets gewijzigd.</translation>
    </message>
    <message>
        <source>The old home of %1 is now %2, readable by root alone; %1 has a new home made from /etc/skel.</source>
        <translation>De oude persoonlijke map van %1 is nu %2, alleen leesbaar voor root; %1 heeft een nieuwe persoonlijke map, gemaakt uit /etc/skel.</translation>
    </message>
    <message>
        <source>Every session and process of %1 was ended, and its user manager no longer starts at boot.</source>
        <translation>Elke sessie en elk proces van %1 is beëindigd, en zijn gebruikersbeheerder start niet meer bij het opstarten.</translation>
    </message>
    <message>
        <source>logind could not end what %1 runs (%2): log it out, or restart the machine, before the child uses it.</source>
        <translation>logind kon niet beëindigen wat %1 uitvoert (%2): meld het af, of herstart de computer, voordat het kind het gebruikt.</translation>
    </message>
    <message>
        <source>Makes an account a child account, which runs Tovalin and nothing else; undoes that; lists the child accounts.</source>
        <translation>Maakt van een account een kinderaccount, dat Tovalin uitvoert en verder niets; maakt dat ongedaan; toont de kinderaccounts.</translation>
    </message>
    <message>
        <source>add: make the account first.</source>
        <translation>add: maak eerst het account aan.</translation>
    </message>
    <message>
        <source>add: move a refused home aside and make a fresh one.</source>
        <translation>add: zet een geweigerde persoonlijke map opzij en maak een nieuwe.</translation>
    </message>
    <message>
        <source>add, remove or list.</source>
        <translation>add, remove of list.</translation>
    </message>
    <message>
        <source>a command is needed: add, remove or list</source>
        <translation>er is een opdracht nodig: add, remove of list</translation>
    </message>
    <message>
        <source>unknown command: %1</source>
        <translation>onbekende opdracht: %1</translation>
    </message>
    <message>
        <source>--create and --fresh-home are for add alone</source>
        <translation>--create en --fresh-home gelden alleen voor add</translation>
    </message>
    <message>
        <source>list takes no account name</source>
        <translation>list neemt geen accountnaam</translation>
    </message>
    <message>
        <source>%1 needs an account name</source>
        <translation>%1 heeft een accountnaam nodig</translation>
    </message>
</context>
<context>
    <name>tovalin-session-check</name>
    <message>
        <source>This account opens Tovalin&apos;s session alone: pick Tovalin at the login screen.</source>
        <translation>Dit account opent alleen de sessie van Tovalin: kies Tovalin op het inlogscherm.</translation>
    </message>
    <message>
        <source>This account logs in only at the login screen, to Tovalin.</source>
        <translation>Dit account logt alleen in via het inlogscherm, bij Tovalin.</translation>
    </message>
    <message>
        <source>Tovalin&apos;s session cannot start on this computer. A parent can run tovalin-check.</source>
        <translation>De sessie van Tovalin kan op deze computer niet starten. Een ouder kan tovalin-check uitvoeren.</translation>
    </message>
    <message>
        <source>Tovalin&apos;s watcher is not running, so this account cannot log in now.</source>
        <translation>De bewaker van Tovalin draait niet, dus dit account kan nu niet inloggen.</translation>
    </message>
    <message>
        <source>This account&apos;s home holds files that would run at its login; a parent must remove them.</source>
        <translation>De thuismap van dit account bevat bestanden die bij het inloggen zouden draaien; een ouder moet ze verwijderen.</translation>
    </message>
    <message>
        <source>This account cannot log in this way.</source>
        <translation>Dit account kan op deze manier niet inloggen.</translation>
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
        <source>%1 was written, but is not safe to trust; see tovalin-set-password(8)</source>
        <translation>%1 is geschreven, maar is niet betrouwbaar; zie tovalin-set-password(8)</translation>
    </message>
    <message>
        <source>The parental password is set. Tovalin asks for it from now on.</source>
        <translation>Het ouderwachtwoord is ingesteld. Tovalin vraagt er voortaan om.</translation>
    </message>
    <message>
        <source>the password could not be hashed</source>
        <translation>het wachtwoord kon niet gehasht worden</translation>
    </message>
    <message>
        <source>Sets the parental password for every account of this machine.</source>
        <translation>Stelt het ouderwachtwoord in voor alle accounts van deze computer.</translation>
    </message>
</context>
</TS>
