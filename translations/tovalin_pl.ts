<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>QWebEnginePage</name>
    <message>
        <source>Are you sure you want to leave this page? Changes that you made may not be saved.</source>
        <translation>Czy na pewno opuścić tę stronę? Wprowadzone zmiany mogą nie zostać zapisane.</translation>
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
        <translation>nie można utworzyć %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a private folder of this user</source>
        <translation>%1 nie jest prywatnym folderem tego użytkownika</translation>
    </message>
    <message>
        <source>this account has no home folder</source>
        <translation>to konto nie ma folderu domowego</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>nie można otworzyć %1: %2</translation>
    </message>
    <message>
        <source>cannot lock %1: %2</source>
        <translation>nie można zablokować %1: %2</translation>
    </message>
    <message>
        <source>Tovalin is already running but does not answer</source>
        <translation>Tovalin już działa, ale nie odpowiada</translation>
    </message>
    <message>
        <source>Choose Website</source>
        <translation>Wybierz serwis</translation>
    </message>
    <message>
        <source>The streaming site the child may watch</source>
        <translation>Serwis streamingowy, który dziecko może oglądać</translation>
    </message>
    <message>
        <source>Time Limit</source>
        <translation>Limit czasu</translation>
    </message>
    <message>
        <source>Time limit in minutes</source>
        <translation>Limit czasu w minutach</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>min</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Rozpocznij</translation>
    </message>
    <message>
        <source>Asks for the parental password, then starts, extends or unlocks the session</source>
        <translation>Prosi o hasło rodzica, a następnie rozpoczyna, przedłuża lub odblokowuje sesję</translation>
    </message>
    <message>
        <source>Tovalin - Locked</source>
        <translation>Tovalin - Zablokowany</translation>
    </message>
    <message>
        <source>Tovalin - Paused</source>
        <translation>Tovalin - Wstrzymany</translation>
    </message>
    <message>
        <source>Tovalin - %1</source>
        <translation>Tovalin - %1</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>Odblokuj</translation>
    </message>
    <message>
        <source>Extend</source>
        <translation>Przedłuż</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Wznów</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Wstrzymaj</translation>
    </message>
    <message>
        <source>Time remaining: --:--</source>
        <translation>Pozostały czas: --:--</translation>
    </message>
    <message>
        <source>Time left in this session</source>
        <translation>Czas pozostały w tej sesji</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Ends the session and locks Tovalin</source>
        <translation>Kończy sesję i blokuje Tovalin</translation>
    </message>
    <message>
        <source>Pauses or resumes the countdown</source>
        <translation>Wstrzymuje lub wznawia odliczanie</translation>
    </message>
    <message>
        <source>Modify Timer</source>
        <translation>Zmień czas</translation>
    </message>
    <message>
        <source>Asks for the parental password, then sets a new time limit</source>
        <translation>Prosi o hasło rodzica, a następnie ustawia nowy limit czasu</translation>
    </message>
    <message>
        <source>Password Required</source>
        <translation>Wymagane hasło</translation>
    </message>
    <message>
        <source>Enter password to continue:</source>
        <translation>Wpisz hasło, aby kontynuować:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Hasło</translation>
    </message>
    <message>
        <source>Checking password…</source>
        <translation>Sprawdzanie hasła…</translation>
    </message>
    <message>
        <source>Incorrect password</source>
        <translation>Nieprawidłowe hasło</translation>
    </message>
    <message>
        <source>Please enter a valid time limit</source>
        <translation>Wpisz prawidłowy limit czasu</translation>
    </message>
    <message>
        <source>Please enter a valid number of minutes</source>
        <translation>Wpisz prawidłową liczbę minut</translation>
    </message>
    <message>
        <source>Set Timer</source>
        <translation>Ustaw czas</translation>
    </message>
    <message>
        <source>Enter new time limit in minutes:</source>
        <translation>Wpisz nowy limit czasu w minutach:</translation>
    </message>
    <message>
        <source>New time limit in minutes</source>
        <translation>Nowy limit czasu w minutach</translation>
    </message>
    <message>
        <source>End Session</source>
        <translation>Zakończ sesję</translation>
    </message>
    <message>
        <source>Are you sure you want to end the current session? This will reset the timer.</source>
        <translation>Czy na pewno zakończyć bieżącą sesję? Spowoduje to wyzerowanie licznika czasu.</translation>
    </message>
    <message>
        <source>Paused: %1 remaining</source>
        <translation>Wstrzymano: pozostało %1</translation>
    </message>
    <message>
        <source>Time remaining: %1</source>
        <translation>Pozostały czas: %1</translation>
    </message>
</context>
<context>
    <name>tovalin-set-password</name>
    <message>
        <source>run it as root, for example with sudo</source>
        <translation>uruchom jako root, na przykład przez sudo</translation>
    </message>
    <message>
        <source>New parental password: </source>
        <translation>Nowe hasło rodzica: </translation>
    </message>
    <message>
        <source>The same password again: </source>
        <translation>Powtórz hasło: </translation>
    </message>
    <message>
        <source>no password was given</source>
        <translation>nie podano hasła</translation>
    </message>
    <message>
        <source>the two passwords differ; nothing was changed</source>
        <translation>hasła się różnią; niczego nie zmieniono</translation>
    </message>
    <message>
        <source>the password must have 1 to %1 characters</source>
        <translation>hasło musi mieć od 1 do %1 znaków</translation>
    </message>
    <message>
        <source>cannot make %1</source>
        <translation>nie można utworzyć %1</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>nie można zapisać %1: %2</translation>
    </message>
    <message>
        <source>%1 was written, but is not safe to trust; see the README</source>
        <translation>zapisano %1, ale nie można mu ufać; zob. README</translation>
    </message>
    <message>
        <source>The parental password is set. Tovalin asks for it from now on.</source>
        <translation>Hasło rodzica zostało ustawione. Od teraz Tovalin będzie o nie pytać.</translation>
    </message>
    <message>
        <source>the password could not be hashed</source>
        <translation>nie udało się obliczyć skrótu hasła</translation>
    </message>
</context>
</TS>
