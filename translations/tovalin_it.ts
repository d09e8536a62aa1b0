<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>QWebEnginePage</name>
    <message>
        <source>Are you sure you want to leave this page? Changes that you made may not be saved.</source>
        <translation>Vuoi davvero lasciare questa pagina? Le modifiche apportate potrebbero non essere salvate.</translation>
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
        <translation>impossibile creare %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a private folder of this user</source>
        <translation>%1 non è una cartella privata di questo utente</translation>
    </message>
    <message>
        <source>this account has no home folder</source>
        <translation>questo account non ha una cartella home</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>impossibile aprire %1: %2</translation>
    </message>
    <message>
        <source>cannot lock %1: %2</source>
        <translation>impossibile bloccare %1: %2</translation>
    </message>
    <message>
        <source>Tovalin is already running but does not answer</source>
        <translation>Tovalin è già in esecuzione ma non risponde</translation>
    </message>
    <message>
        <source>Choose Website</source>
        <translation>Scegli il sito</translation>
    </message>
    <message>
        <source>The streaming site the child may watch</source>
        <translation>Il sito di streaming che il bambino può guardare</translation>
    </message>
    <message>
        <source>Time Limit</source>
        <translation>Limite di tempo</translation>
    </message>
    <message>
        <source>Time limit in minutes</source>
        <translation>Limite di tempo in minuti</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minuti</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Avvia</translation>
    </message>
    <message>
        <source>Asks for the parental password, then starts, extends or unlocks the session</source>
        <translation>Chiede la password dei genitori, poi avvia, prolunga o sblocca la sessione</translation>
    </message>
    <message>
        <source>Tovalin - Locked</source>
        <translation>Tovalin - Bloccato</translation>
    </message>
    <message>
        <source>Tovalin - Paused</source>
        <translation>Tovalin - In pausa</translation>
    </message>
    <message>
        <source>Tovalin - %1</source>
        <translation>Tovalin - %1</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>Sblocca</translation>
    </message>
    <message>
        <source>Extend</source>
        <translation>Prolunga</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Riprendi</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Time remaining: --:--</source>
        <translation>Tempo rimanente: --:--</translation>
    </message>
    <message>
        <source>Time left in this session</source>
        <translation>Tempo rimanente in questa sessione</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Termina</translation>
    </message>
    <message>
        <source>Ends the session and locks Tovalin</source>
        <translation>Termina la sessione e blocca Tovalin</translation>
    </message>
    <message>
        <source>Pauses or resumes the countdown</source>
        <translation>Mette in pausa o riprende il conto alla rovescia</translation>
    </message>
    <message>
        <source>Modify Timer</source>
        <translation>Modifica tempo</translation>
    </message>
    <message>
        <source>Asks for the parental password, then sets a new time limit</source>
        <translation>Chiede la password dei genitori, poi imposta un nuovo limite di tempo</translation>
    </message>
    <message>
        <source>Password Required</source>
        <translation>Password richiesta</translation>
    </message>
    <message>
        <source>Enter password to continue:</source>
        <translation>Inserisci la password per continuare:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Checking password…</source>
        <translation>Verifica della password…</translation>
    </message>
    <message>
        <source>Incorrect password</source>
        <translation>Password errata</translation>
    </message>
    <message>
        <source>Please enter a valid time limit</source>
        <translation>Inserisci un limite di tempo valido</translation>
    </message>
    <message>
        <source>Please enter a valid number of minutes</source>
        <translation>Inserisci un numero di minuti valido</translation>
    </message>
    <message>
        <source>Set Timer</source>
        <translation>Imposta tempo</translation>
    </message>
    <message>
        <source>Enter new time limit in minutes:</source>
        <translation>Inserisci il nuovo limite di tempo in minuti:</translation>
    </message>
    <message>
        <source>New time limit in minutes</source>
        <translation>Nuovo limite di tempo in minuti</translation>
    </message>
    <message>
        <source>End Session</source>
        <translation>Termina sessione</translation>
    </message>
    <message>
        <source>Are you sure you want to end the current session? This will reset the timer.</source>
        <translation>Vuoi davvero terminare la sessione in corso? Il tempo verrà azzerato.</translation>
    </message>
    <message>
        <source>Paused: %1 remaining</source>
        <translation>In pausa: restano %1</translation>
    </message>
    <message>
        <source>Time remaining: %1</source>
        <translation>Tempo rimanente: %1</translation>
    </message>
    <message>
        <source>The session ends soon</source>
        <translation>La sessione termina presto</translation>
    </message>
    <message numerus="yes">
        <source>%n minute left</source>
        <translation>
            <numerusform>Manca %n minuto</numerusform>
            <numerusform>Mancano %n minuti</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minutes left</source>
        <translation>
            <numerusform>Manca %n minuto</numerusform>
            <numerusform>Mancano %n minuti</numerusform>
        </translation>
    </message>
    <message>
        <source>unexpected argument: %1</source>
        <translation>argomento inatteso: %1</translation>
    </message>
    <message>
        <source>Gives a child one streaming site for a fixed number of minutes.</source>
        <translation>Dà a un bambino un sito di streaming per un numero fisso di minuti.</translation>
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
        <translation>Qt WebEngine %1, basato su Chromium %2</translation>
    </message>
    <message>
        <source>, with security fixes up to Chromium %1</source>
        <translation>, con correzioni di sicurezza fino a Chromium %1</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>Motore</translation>
    </message>
    <message>
        <source>built in</source>
        <translation>integrato</translation>
    </message>
    <message>
        <source>from %1</source>
        <translation>da %1</translation>
    </message>
    <message>
        <source>built in; %1 is ignored: it must be one line in a file owned by root that no other account may write, in a folder of the same kind</source>
        <translation>integrato; %1 viene ignorato: deve essere una sola riga in un file di proprietà di root che nessun altro account può scrivere, in una cartella dello stesso tipo</translation>
    </message>
    <message>
        <source>User agent</source>
        <translation>User agent</translation>
    </message>
    <message>
        <source>Widevine module</source>
        <translation>Modulo Widevine</translation>
    </message>
    <message>
        <source>no Widevine module</source>
        <translation>nessun modulo Widevine</translation>
    </message>
    <message>
        <source>%1 is there, but it is no library (empty or damaged): install it again from the browser that brings it</source>
        <translation>%1 è presente, ma non è una libreria (vuoto o danneggiato): reinstallalo dal browser che lo include</translation>
    </message>
    <message>
        <source>a damaged Widevine module</source>
        <translation>un modulo Widevine danneggiato</translation>
    </message>
    <message>
        <source>found at %1</source>
        <translation>trovato in %1</translation>
    </message>
    <message>
        <source>Media</source>
        <translation>Contenuti multimediali</translation>
    </message>
    <message>
        <source>the engine did not answer within %1 s</source>
        <translation>il motore non ha risposto entro %1 s</translation>
    </message>
    <message>
        <source>the engine did not answer</source>
        <translation>il motore non ha risposto</translation>
    </message>
    <message>
        <source>canPlayType &quot;%1&quot;, MediaSource.isTypeSupported %2</source>
        <translation>canPlayType &quot;%1&quot;, MediaSource.isTypeSupported %2</translation>
    </message>
    <message>
        <source>plays (%1)</source>
        <translation>riproducibile (%1)</translation>
    </message>
    <message>
        <source>does not play (%1)</source>
        <translation>non riproducibile (%1)</translation>
    </message>
    <message>
        <source>H.264 video in MP4</source>
        <translation>Video H.264 in MP4</translation>
    </message>
    <message>
        <source>no H.264 video</source>
        <translation>nessun video H.264</translation>
    </message>
    <message>
        <source>AAC audio in MP4</source>
        <translation>Audio AAC in MP4</translation>
    </message>
    <message>
        <source>no AAC audio</source>
        <translation>nessun audio AAC</translation>
    </message>
    <message>
        <source>Encrypted media (Widevine)</source>
        <translation>Contenuti crittografati (Widevine)</translation>
    </message>
    <message>
        <source>can be requested</source>
        <translation>possono essere richiesti</translation>
    </message>
    <message>
        <source>refused (%1)</source>
        <translation>rifiutati (%1)</translation>
    </message>
    <message>
        <source>encrypted media refused</source>
        <translation>contenuti crittografati rifiutati</translation>
    </message>
    <message>
        <source>Rendering</source>
        <translation>Rendering</translation>
    </message>
    <message>
        <source>not known without a display: run tovalin-check on the desktop the child will use</source>
        <translation>non noto senza schermo: esegui tovalin-check sul desktop che userà il bambino</translation>
    </message>
    <message>
        <source>no usable OpenGL</source>
        <translation>nessun OpenGL utilizzabile</translation>
    </message>
    <message>
        <source>OpenGL renderer: %1</source>
        <translation>renderer OpenGL: %1</translation>
    </message>
    <message>
        <source>composited in software (%1)</source>
        <translation>composizione via software (%1)</translation>
    </message>
    <message>
        <source>composited on the GPU (%1)</source>
        <translation>composizione sulla GPU (%1)</translation>
    </message>
    <message>
        <source>Parental password</source>
        <translation>Password dei genitori</translation>
    </message>
    <message>
        <source>the built-in one (%1 is not there)</source>
        <translation>quella integrata (%1 non c&apos;è)</translation>
    </message>
    <message>
        <source>the parent&apos;s own, from %1</source>
        <translation>quella scelta dai genitori, da %1</translation>
    </message>
    <message>
        <source>%1 is broken or not safe to trust, so no password opens Tovalin. Repair: sudo tovalin-set-password</source>
        <translation>%1 è danneggiato o non affidabile, quindi nessuna password apre Tovalin. Per ripararlo: sudo tovalin-set-password</translation>
    </message>
    <message>
        <source>no password opens Tovalin</source>
        <translation>nessuna password apre Tovalin</translation>
    </message>
    <message>
        <source>Child&apos;s session</source>
        <translation>Sessione del bambino</translation>
    </message>
    <message>
        <source>Child accounts</source>
        <translation>Account per bambini</translation>
    </message>
    <message>
        <source>none (the group %1 is not present)</source>
        <translation>nessuno (il gruppo %1 non esiste)</translation>
    </message>
    <message>
        <source>none (the group %1 has no members)</source>
        <translation>nessuno (il gruppo %1 non ha membri)</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Sessione</translation>
    </message>
    <message>
        <source>%1 cannot be read, so Tovalin keeps no session until it can (it must be a file that this account may read and write)</source>
        <translation>%1 non può essere letto, quindi Tovalin non conserva alcuna sessione finché non potrà farlo (deve essere un file che questo account può leggere e scrivere)</translation>
    </message>
    <message>
        <source>no session</source>
        <translation>nessuna sessione</translation>
    </message>
    <message>
        <source>locked (the last session ended at %1)</source>
        <translation>bloccata (l&apos;ultima sessione è terminata il %1)</translation>
    </message>
    <message>
        <source>paused</source>
        <translation>in pausa</translation>
    </message>
    <message>
        <source>running until %1</source>
        <translation>in corso fino al %1</translation>
    </message>
    <message>
        <source>%1, in %2</source>
        <translation>%1, in %2</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Esito</translation>
    </message>
    <message>
        <source>the child&apos;s site can play here</source>
        <translation>il sito del bambino può essere riprodotto qui</translation>
    </message>
    <message>
        <source>the child&apos;s site cannot play here: %1</source>
        <translation>il sito del bambino non può essere riprodotto qui: %1</translation>
    </message>
    <message>
        <source>cannot run, so child accounts cannot log in: missing %1 (sudo apt-get install --reinstall tovalin cage xwayland)</source>
        <translation>non può avviarsi, quindi gli account dei bambini non possono accedere: manca %1 (sudo apt-get install --reinstall tovalin cage xwayland)</translation>
    </message>
    <message>
        <source>can run on Wayland only: a login screen that runs X alone cannot start it (missing %1)</source>
        <translation>può avviarsi solo su Wayland: una schermata di accesso che usa solo X non può avviarla (manca %1)</translation>
    </message>
    <message>
        <source>can run, on Wayland and on X11</source>
        <translation>può avviarsi, su Wayland e su X11</translation>
    </message>
    <message>
        <source>not found. In a child account the engine takes it only from where a machine-wide installation puts it, never from the home: install a browser that brings it (Google Chrome) for the whole machine, so that libwidevinecdm.so ends up in /opt/google/chrome/WidevineCdm/_platform_specific/linux_x64/ or /opt/google/chrome/</source>
        <translation>non trovato. In un account per bambini il motore lo prende solo da dove lo mette un&apos;installazione per tutto il computer, mai dalla cartella home: installa per tutto il computer un browser che lo includa (Google Chrome), in modo che libwidevinecdm.so finisca in /opt/google/chrome/WidevineCdm/_platform_specific/linux_x64/ o in /opt/google/chrome/</translation>
    </message>
    <message>
        <source>Tells whether the child&apos;s streaming site can play in this account.</source>
        <translation>Indica se il sito di streaming del bambino può essere riprodotto in questo account.</translation>
    </message>
    <message>
        <source>not found. Install a browser that brings it (Google Chrome) in this account, so that libwidevinecdm.so ends up in ~/.config/google-chrome/WidevineCdm/VERSION/_platform_specific/linux_x64/ or /opt/google/chrome/WidevineCdm/_platform_specific/linux_x64/, or name it with QTWEBENGINE_CHROMIUM_FLAGS=&quot;--widevine-path=PATH&quot;. A child account takes it only from where a machine-wide installation puts it, never from the home</source>
        <translation>non trovato. Installa in questo account un browser che lo includa (Google Chrome), in modo che libwidevinecdm.so finisca in ~/.config/google-chrome/WidevineCdm/VERSION/_platform_specific/linux_x64/ o in /opt/google/chrome/WidevineCdm/_platform_specific/linux_x64/, oppure indicalo con QTWEBENGINE_CHROMIUM_FLAGS=&quot;--widevine-path=PATH&quot;. Un account per bambini lo prende solo da dove lo mette un&apos;installazione per tutto il computer, mai dalla cartella home</translation>
    </message>
    <message>
        <source>found at %1, in this account&apos;s home: a child account never takes it from there, only from where a machine-wide installation puts it (/opt/google/chrome/)</source>
        <translation>trovato in %1, nella cartella home di questo account: un account per bambini non lo prende mai da lì, solo da dove lo mette un&apos;installazione per tutto il computer (/opt/google/chrome/)</translation>
    </message>
    <message>
        <source>cannot run, so child accounts cannot log in: GDM here runs X alone (WaylandEnable=false), and Tovalin&apos;s session for X11 is missing %1 (sudo apt-get install --reinstall tovalin)</source>
        <translation>non può avviarsi, quindi gli account dei bambini non possono accedere: GDM qui usa solo X (WaylandEnable=false) e alla sessione di Tovalin per X11 manca %1 (sudo apt-get install --reinstall tovalin)</translation>
    </message>
</context>
<context>
    <name>tovalin-child</name>
    <message>
        <source>There is no account %1; nothing was changed. To make one, run: tovalin-child add --create %1</source>
        <translation>Non esiste un account %1; non è stato cambiato nulla. Per crearlo, esegui: tovalin-child add --create %1</translation>
    </message>
    <message>
        <source>%1 is the administrator&apos;s account root; nothing was changed.</source>
        <translation>%1 è l&apos;account di amministratore root; non è stato cambiato nulla.</translation>
    </message>
    <message>
        <source>%1 is an administrator (in the group %2); a child account must be a standard one. Nothing was changed.</source>
        <translation>%1 è un amministratore (nel gruppo %2); un account per bambini deve essere un account standard. Non è stato cambiato nulla.</translation>
    </message>
    <message>
        <source>adduser could not make the account %1; nothing else was changed.</source>
        <translation>adduser non è riuscito a creare l&apos;account %1; non è stato cambiato nient&apos;altro.</translation>
    </message>
    <message>
        <source>%1 is a child account already; nothing was changed.</source>
        <translation>%1 è già un account per bambini; non è stato cambiato nulla.</translation>
    </message>
    <message>
        <source>cannot keep the sessions of %1 for undoing: %2; nothing was changed.</source>
        <translation>impossibile conservare le sessioni di %1 per poter annullare: %2; non è stato cambiato nulla.</translation>
    </message>
    <message>
        <source>cannot set the session of %1 to Tovalin&apos;s: %2; nothing was changed.</source>
        <translation>impossibile impostare per %1 la sessione di Tovalin: %2; non è stato cambiato nulla.</translation>
    </message>
    <message>
        <source>adduser could not add %1 to the group %2; nothing was changed.</source>
        <translation>adduser non è riuscito ad aggiungere %1 al gruppo %2; non è stato cambiato nulla.</translation>
    </message>
    <message>
        <source>%1 is a child account: it is in the group %2 and its session is Tovalin&apos;s. It can log in to that session alone, at the login screen or by automatic login.</source>
        <translation>%1 è un account per bambini: è nel gruppo %2 e la sua sessione è quella di Tovalin. Può accedere solo a quella sessione, dalla schermata di accesso o con l&apos;accesso automatico.</translation>
    </message>
    <message>
        <source>%1 is not a child account; nothing was changed.</source>
        <translation>%1 non è un account per bambini; non è stato cambiato nulla.</translation>
    </message>
    <message>
        <source>cannot restore the sessions of %1: %2; nothing was changed.</source>
        <translation>impossibile ripristinare le sessioni di %1: %2; non è stato cambiato nulla.</translation>
    </message>
    <message>
        <source>gpasswd could not take %1 out of the group %2; run the command again.</source>
        <translation>gpasswd non è riuscito a togliere %1 dal gruppo %2; esegui di nuovo il comando.</translation>
    </message>
    <message>
        <source>%1 is no longer a child account: it left the group %2 and has its earlier session back. The account itself stays.</source>
        <translation>%1 non è più un account per bambini: ha lasciato il gruppo %2 e ha di nuovo la sessione di prima. L&apos;account in sé rimane.</translation>
    </message>
    <message>
        <source>%1 is not an account name.</source>
        <translation>%1 non è un nome di account.</translation>
    </message>
    <message>
        <source>run it as root, for example with sudo</source>
        <translation>eseguilo come root, ad esempio con sudo</translation>
    </message>
    <message>
        <source>the group %1 is missing; reinstall the tovalin package.</source>
        <translation>manca il gruppo %1; reinstalla il pacchetto tovalin.</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>Impossibile leggere %1</translation>
    </message>
    <message>
        <source>The PAM rule for child accounts is not in force: /etc/pam.d/common-session does not run pam_tovalin.so. Nothing was changed. Run: sudo pam-auth-update --enable tovalin</source>
        <translation>La regola PAM per gli account dei bambini non è attiva: /etc/pam.d/common-session non esegue pam_tovalin.so. Non è stato modificato nulla. Esegui: sudo pam-auth-update --enable tovalin</translation>
    </message>
    <message>
        <source>%1 is a system account (its uid %2 is outside UID_MIN to UID_MAX of /etc/login.defs), not a person&apos;s. Nothing was changed.</source>
        <translation>%1 è un account di sistema (il suo uid %2 è fuori dall&apos;intervallo da UID_MIN a UID_MAX di /etc/login.defs), non quello di una persona. Non è stato cambiato nulla.</translation>
    </message>
    <message>
        <source>%1 is not a person&apos;s account: its shell %2 is no login shell of /etc/shells. Nothing was changed.</source>
        <translation>%1 non è l&apos;account di una persona: la sua shell %2 non è una shell di accesso di /etc/shells. Non è stato cambiato nulla.</translation>
    </message>
    <message>
        <source>sudo -l -U %1 did not say whether %1 may run commands as another user; nothing was changed.</source>
        <translation>sudo -l -U %1 non ha detto se %1 può eseguire comandi come un altro utente; non è stato cambiato nulla.</translation>
    </message>
    <message>
        <source>%1 may run commands as another user (sudo -l -U %1 lists them); a child account must be a standard one. Nothing was changed.</source>
        <translation>%1 può eseguire comandi come un altro utente (sudo -l -U %1 li elenca); un account per bambini deve essere un account standard. Non è stato cambiato nulla.</translation>
    </message>
    <message>
        <source>The home of %1 holds files that would run at its logins: %2. Move them out of the home, then run tovalin-child add %1 again, or run tovalin-child add --fresh-home %1 to move the whole home aside. Nothing was changed.</source>
        <translation>La cartella home di %1 contiene file che verrebbero eseguiti ai suoi accessi: %2. Spostali fuori dalla cartella home, poi esegui di nuovo tovalin-child add %1, oppure esegui tovalin-child add --fresh-home %1 per mettere da parte l&apos;intera cartella home. Non è stato modificato nulla.</translation>
    </message>
    <message>
        <source>%1 is not a home folder of the account&apos;s own</source>
        <translation>%1 non è una cartella home propria dell&apos;account</translation>
    </message>
    <message>
        <source>%1 was moved to %2, which could not be made root&apos;s alone: %3</source>
        <translation>%1 è stata spostata in %2, che non è stato possibile riservare a root: %3</translation>
    </message>
    <message>
        <source>%1 was moved to %2, but mkhomedir_helper could not make a new home</source>
        <translation>%1 è stata spostata in %2, ma mkhomedir_helper non è riuscito a creare una nuova cartella home</translation>
    </message>
    <message>
        <source>cannot make a fresh home for %1: %2. Nothing else was changed.</source>
        <translation>impossibile creare una nuova cartella home per %1: %2. Non è stato cambiato nient&apos;altro.</translation>
    </message>
    <message>
        <source>The old home of %1 is now %2, readable by root alone; %1 has a new home made from /etc/skel.</source>
        <translation>La vecchia cartella home di %1 ora è %2, leggibile solo da root; %1 ha una nuova cartella home creata da /etc/skel.</translation>
    </message>
    <message>
        <source>Every session and process of %1 was ended, and its user manager no longer starts at boot.</source>
        <translation>Tutte le sessioni e i processi di %1 sono stati terminati, e il suo gestore utente non si avvia più all&apos;accensione.</translation>
    </message>
    <message>
        <source>logind could not end what %1 runs (%2): log it out, or restart the machine, before the child uses it.</source>
        <translation>logind non ha potuto terminare ciò che %1 esegue (%2): chiudine la sessione, o riavvia la macchina, prima che il bambino la usi.</translation>
    </message>
    <message>
        <source>Makes an account a child account, which runs Tovalin and nothing else; undoes that; lists the child accounts.</source>
        <translation>Rende un account un account per bambini, che esegue Tovalin e nient&apos;altro; annulla questa operazione; elenca gli account per bambini.</translation>
    </message>
    <message>
        <source>add: make the account first.</source>
        <translation>add: crea prima l&apos;account.</translation>
    </message>
    <message>
        <source>add: move a refused home aside and make a fresh one.</source>
        <translation>add: sposta da parte una cartella home rifiutata e ne crea una nuova.</translation>
    </message>
    <message>
        <source>add, remove or list.</source>
        <translation>add, remove o list.</translation>
    </message>
    <message>
        <source>a command is needed: add, remove or list</source>
        <translation>serve un comando: add, remove o list</translation>
    </message>
    <message>
        <source>unknown command: %1</source>
        <translation>comando sconosciuto: %1</translation>
    </message>
    <message>
        <source>--create and --fresh-home are for add alone</source>
        <translation>--create e --fresh-home valgono solo per add</translation>
    </message>
    <message>
        <source>list takes no account name</source>
        <translation>list non accetta un nome di account</translation>
    </message>
    <message>
        <source>%1 needs an account name</source>
        <translation>%1 richiede un nome di account</translation>
    </message>
</context>
<context>
    <name>tovalin-session-check</name>
    <message>
        <source>This account opens Tovalin&apos;s session alone: pick Tovalin at the login screen.</source>
        <translation>Questo account apre solo la sessione di Tovalin: scegli Tovalin nella schermata di accesso.</translation>
    </message>
    <message>
        <source>This account logs in only at the login screen, to Tovalin.</source>
        <translation>Questo account accede solo dalla schermata di accesso, a Tovalin.</translation>
    </message>
    <message>
        <source>Tovalin&apos;s session cannot start on this computer. A parent can run tovalin-check.</source>
        <translation>La sessione di Tovalin non può avviarsi su questo computer. Un genitore può eseguire tovalin-check.</translation>
    </message>
    <message>
        <source>Tovalin&apos;s watcher is not running, so this account cannot log in now.</source>
        <translation>Il guardiano di Tovalin non è in esecuzione, quindi questo account ora non può accedere.</translation>
    </message>
    <message>
        <source>This account&apos;s home holds files that would run at its login; a parent must remove them.</source>
        <translation>La cartella home di questo account contiene file che verrebbero eseguiti all&apos;accesso; un genitore deve rimuoverli.</translation>
    </message>
    <message>
        <source>This account cannot log in this way.</source>
        <translation>Questo account non può accedere in questo modo.</translation>
    </message>
</context>
<context>
    <name>tovalin-set-password</name>
    <message>
        <source>run it as root, for example with sudo</source>
        <translation>eseguilo come root, ad esempio con sudo</translation>
    </message>
    <message>
        <source>New parental password: </source>
        <translation>Nuova password dei genitori: </translation>
    </message>
    <message>
        <source>The same password again: </source>
        <translation>Ripeti la password: </translation>
    </message>
    <message>
        <source>no password was given</source>
        <translation>non è stata inserita alcuna password</translation>
    </message>
    <message>
        <source>the two passwords differ; nothing was changed</source>
        <translation>le due password sono diverse; non è stato cambiato nulla</translation>
    </message>
    <message>
        <source>the password must have 1 to %1 characters</source>
        <translation>la password deve avere da 1 a %1 caratteri</translation>
    </message>
    <message>
        <source>cannot make %1</source>
        <translation>impossibile creare %1</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossibile scrivere %1: %2</translation>
    </message>
    <message>
        <source>%1 was written, but is not safe to trust; see tovalin-set-password(8)</source>
        <translation>%1 è stato scritto, ma non è affidabile; vedi tovalin-set-password(8)</translation>
    </message>
    <message>
        <source>The parental password is set. Tovalin asks for it from now on.</source>
        <translation>La password dei genitori è impostata. D&apos;ora in poi Tovalin la chiederà.</translation>
    </message>
    <message>
        <source>the password could not be hashed</source>
        <translation>impossibile calcolare l&apos;hash della password</translation>
    </message>
    <message>
        <source>Sets the parental password for every account of this machine.</source>
        <translation>Imposta la password dei genitori per tutti gli account di questa macchina.</translation>
    </message>
</context>
</TS>
