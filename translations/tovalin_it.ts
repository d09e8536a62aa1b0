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
        <source>%1 was written, but is not safe to trust; see the README</source>
        <translation>%1 è stato scritto, ma non è affidabile; vedi il README</translation>
    </message>
    <message>
        <source>The parental password is set. Tovalin asks for it from now on.</source>
        <translation>La password dei genitori è impostata. D&apos;ora in poi Tovalin la chiederà.</translation>
    </message>
    <message>
        <source>the password could not be hashed</source>
        <translation>impossibile calcolare l&apos;hash della password</translation>
    </message>
</context>
</TS>
