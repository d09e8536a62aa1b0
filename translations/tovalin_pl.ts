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
    <message>
        <source>The session ends soon</source>
        <translation>Sesja wkrótce się skończy</translation>
    </message>
    <message numerus="yes">
        <source>%n minute left</source>
        <translation>
            <numerusform>Została %n minuta</numerusform>
            <numerusform>Zostały %n minuty</numerusform>
            <numerusform>Zostało %n minut</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minutes left</source>
        <translation>
            <numerusform>Została %n minuta</numerusform>
            <numerusform>Zostały %n minuty</numerusform>
            <numerusform>Zostało %n minut</numerusform>
        </translation>
    </message>
    <message>
        <source>unexpected argument: %1</source>
        <translation>nieoczekiwany argument: %1</translation>
    </message>
    <message>
        <source>Gives a child one streaming site for a fixed number of minutes.</source>
        <translation>Udostępnia dziecku jeden serwis streamingowy na określoną liczbę minut.</translation>
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
        <translation>Qt WebEngine %1, oparty na Chromium %2</translation>
    </message>
    <message>
        <source>, with security fixes up to Chromium %1</source>
        <translation>, z poprawkami bezpieczeństwa do Chromium %1</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>Silnik</translation>
    </message>
    <message>
        <source>built in</source>
        <translation>wbudowany</translation>
    </message>
    <message>
        <source>from %1</source>
        <translation>z %1</translation>
    </message>
    <message>
        <source>built in; %1 is ignored: it must be one line in a file owned by root that no other account may write, in a folder of the same kind</source>
        <translation>wbudowany; %1 jest pomijany: musi to być jeden wiersz w pliku należącym do roota, do którego żadne inne konto nie może pisać, w folderze tego samego rodzaju</translation>
    </message>
    <message>
        <source>User agent</source>
        <translation>Identyfikator przeglądarki</translation>
    </message>
    <message>
        <source>Widevine module</source>
        <translation>Moduł Widevine</translation>
    </message>
    <message>
        <source>no Widevine module</source>
        <translation>brak modułu Widevine</translation>
    </message>
    <message>
        <source>%1 is there, but it is no library (empty or damaged): install it again from the browser that brings it</source>
        <translation>%1 istnieje, ale nie jest biblioteką (pusty lub uszkodzony): zainstaluj go ponownie z przeglądarki, która go dostarcza</translation>
    </message>
    <message>
        <source>a damaged Widevine module</source>
        <translation>uszkodzony moduł Widevine</translation>
    </message>
    <message>
        <source>found at %1</source>
        <translation>znaleziono w %1</translation>
    </message>
    <message>
        <source>Media</source>
        <translation>Multimedia</translation>
    </message>
    <message>
        <source>the engine did not answer within %1 s</source>
        <translation>silnik nie odpowiedział w ciągu %1 s</translation>
    </message>
    <message>
        <source>the engine did not answer</source>
        <translation>silnik nie odpowiedział</translation>
    </message>
    <message>
        <source>canPlayType &quot;%1&quot;, MediaSource.isTypeSupported %2</source>
        <translation>canPlayType „%1”, MediaSource.isTypeSupported %2</translation>
    </message>
    <message>
        <source>plays (%1)</source>
        <translation>można odtworzyć (%1)</translation>
    </message>
    <message>
        <source>does not play (%1)</source>
        <translation>nie można odtworzyć (%1)</translation>
    </message>
    <message>
        <source>H.264 video in MP4</source>
        <translation>Wideo H.264 w MP4</translation>
    </message>
    <message>
        <source>no H.264 video</source>
        <translation>brak wideo H.264</translation>
    </message>
    <message>
        <source>AAC audio in MP4</source>
        <translation>Dźwięk AAC w MP4</translation>
    </message>
    <message>
        <source>no AAC audio</source>
        <translation>brak dźwięku AAC</translation>
    </message>
    <message>
        <source>Encrypted media (Widevine)</source>
        <translation>Zaszyfrowane multimedia (Widevine)</translation>
    </message>
    <message>
        <source>can be requested</source>
        <translation>można zażądać</translation>
    </message>
    <message>
        <source>refused (%1)</source>
        <translation>odmowa (%1)</translation>
    </message>
    <message>
        <source>encrypted media refused</source>
        <translation>odmowa zaszyfrowanych multimediów</translation>
    </message>
    <message>
        <source>Rendering</source>
        <translation>Renderowanie</translation>
    </message>
    <message>
        <source>not known without a display: run tovalin-check on the desktop the child will use</source>
        <translation>nieznane bez ekranu: uruchom tovalin-check na pulpicie, z którego będzie korzystać dziecko</translation>
    </message>
    <message>
        <source>no usable OpenGL</source>
        <translation>brak działającego OpenGL</translation>
    </message>
    <message>
        <source>OpenGL renderer: %1</source>
        <translation>renderer OpenGL: %1</translation>
    </message>
    <message>
        <source>composited in software (%1)</source>
        <translation>składane programowo (%1)</translation>
    </message>
    <message>
        <source>composited on the GPU (%1)</source>
        <translation>składane na GPU (%1)</translation>
    </message>
    <message>
        <source>Parental password</source>
        <translation>Hasło rodzica</translation>
    </message>
    <message>
        <source>the built-in one (%1 is not there)</source>
        <translation>wbudowane (%1 nie istnieje)</translation>
    </message>
    <message>
        <source>the parent&apos;s own, from %1</source>
        <translation>własne hasło rodzica, z %1</translation>
    </message>
    <message>
        <source>%1 is broken or not safe to trust, so no password opens Tovalin. Repair: sudo tovalin-set-password</source>
        <translation>%1 jest uszkodzony lub nie można mu ufać, więc żadne hasło nie otworzy Tovalin. Naprawa: sudo tovalin-set-password</translation>
    </message>
    <message>
        <source>no password opens Tovalin</source>
        <translation>żadne hasło nie otworzy Tovalin</translation>
    </message>
    <message>
        <source>Child&apos;s session</source>
        <translation>Sesja dziecka</translation>
    </message>
    <message>
        <source>Child accounts</source>
        <translation>Konta dzieci</translation>
    </message>
    <message>
        <source>none (the group %1 is not present)</source>
        <translation>brak (grupa %1 nie istnieje)</translation>
    </message>
    <message>
        <source>none (the group %1 has no members)</source>
        <translation>brak (grupa %1 nie ma członków)</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Sesja</translation>
    </message>
    <message>
        <source>%1 cannot be read, so Tovalin keeps no session until it can (it must be a file that this account may read and write)</source>
        <translation>nie można odczytać %1, więc Tovalin nie zachowa żadnej sesji, dopóki nie będzie to możliwe (musi to być plik, który to konto może czytać i zapisywać)</translation>
    </message>
    <message>
        <source>no session</source>
        <translation>brak sesji</translation>
    </message>
    <message>
        <source>locked (the last session ended at %1)</source>
        <translation>zablokowana (ostatnia sesja zakończyła się %1)</translation>
    </message>
    <message>
        <source>paused</source>
        <translation>wstrzymana</translation>
    </message>
    <message>
        <source>running until %1</source>
        <translation>trwa do %1</translation>
    </message>
    <message>
        <source>%1, in %2</source>
        <translation>%1, w %2</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Wynik</translation>
    </message>
    <message>
        <source>the child&apos;s site can play here</source>
        <translation>serwis dziecka może tu odtwarzać wideo</translation>
    </message>
    <message>
        <source>the child&apos;s site cannot play here: %1</source>
        <translation>serwis dziecka nie może tu odtwarzać wideo: %1</translation>
    </message>
    <message>
        <source>cannot run, so child accounts cannot log in: missing %1 (sudo apt-get install --reinstall tovalin cage xwayland)</source>
        <translation>nie może się uruchomić, więc konta dzieci nie mogą się zalogować: brakuje %1 (sudo apt-get install --reinstall tovalin cage xwayland)</translation>
    </message>
    <message>
        <source>can run on Wayland only: a login screen that runs X alone cannot start it (missing %1)</source>
        <translation>może się uruchomić tylko w Wayland: ekran logowania, który uruchamia tylko X, nie może jej uruchomić (brakuje %1)</translation>
    </message>
    <message>
        <source>can run, on Wayland and on X11</source>
        <translation>może się uruchomić, w Wayland i w X11</translation>
    </message>
    <message>
        <source>not found. In a child account the engine takes it only from where a machine-wide installation puts it, never from the home: install a browser that brings it (Google Chrome) for the whole machine, so that libwidevinecdm.so ends up in /opt/google/chrome/WidevineCdm/_platform_specific/linux_x64/ or /opt/google/chrome/</source>
        <translation>nie znaleziono. Na koncie dziecka silnik bierze go tylko stamtąd, gdzie umieszcza go instalacja dla całego komputera, nigdy z katalogu domowego: zainstaluj dla całego komputera przeglądarkę, która go dostarcza (Google Chrome), tak aby libwidevinecdm.so trafił do /opt/google/chrome/WidevineCdm/_platform_specific/linux_x64/ lub /opt/google/chrome/</translation>
    </message>
    <message>
        <source>Tells whether the child&apos;s streaming site can play in this account.</source>
        <translation>Mówi, czy serwis streamingowy dziecka może odtwarzać na tym koncie.</translation>
    </message>
    <message>
        <source>not found. Install a browser that brings it (Google Chrome) in this account, so that libwidevinecdm.so ends up in ~/.config/google-chrome/WidevineCdm/VERSION/_platform_specific/linux_x64/ or /opt/google/chrome/WidevineCdm/_platform_specific/linux_x64/, or name it with QTWEBENGINE_CHROMIUM_FLAGS=&quot;--widevine-path=PATH&quot;. A child account takes it only from where a machine-wide installation puts it, never from the home</source>
        <translation>nie znaleziono. Zainstaluj na tym koncie przeglądarkę, która go dostarcza (Google Chrome), tak aby libwidevinecdm.so trafił do ~/.config/google-chrome/WidevineCdm/VERSION/_platform_specific/linux_x64/ lub /opt/google/chrome/WidevineCdm/_platform_specific/linux_x64/, albo wskaż go przez QTWEBENGINE_CHROMIUM_FLAGS=&quot;--widevine-path=PATH&quot;. Konto dziecka bierze go tylko stamtąd, gdzie umieszcza go instalacja dla całego komputera, nigdy z katalogu domowego</translation>
    </message>
    <message>
        <source>found at %1, in this account&apos;s home: a child account never takes it from there, only from where a machine-wide installation puts it (/opt/google/chrome/)</source>
        <translation>znaleziono w %1, w katalogu domowym tego konta: konto dziecka nigdy nie bierze go stamtąd, tylko z miejsca, w którym umieszcza go instalacja dla całego komputera (/opt/google/chrome/)</translation>
    </message>
    <message>
        <source>cannot run, so child accounts cannot log in: GDM here runs X alone (WaylandEnable=false), and Tovalin&apos;s session for X11 is missing %1 (sudo apt-get install --reinstall tovalin)</source>
        <translation>nie może się uruchomić, więc konta dzieci nie mogą się zalogować: GDM uruchamia tu tylko X (WaylandEnable=false), a sesji Tovalin dla X11 brakuje %1 (sudo apt-get install --reinstall tovalin)</translation>
    </message>
</context>
<context>
    <name>tovalin-child</name>
    <message>
        <source>There is no account %1; nothing was changed. To make one, run: tovalin-child add --create %1</source>
        <translation>Nie ma konta %1; niczego nie zmieniono. Aby je utworzyć, uruchom: tovalin-child add --create %1</translation>
    </message>
    <message>
        <source>%1 is the administrator&apos;s account root; nothing was changed.</source>
        <translation>%1 to konto administratora root; niczego nie zmieniono.</translation>
    </message>
    <message>
        <source>%1 is an administrator (in the group %2); a child account must be a standard one. Nothing was changed.</source>
        <translation>%1 jest administratorem (w grupie %2); konto dziecka musi być kontem standardowym. Niczego nie zmieniono.</translation>
    </message>
    <message>
        <source>adduser could not make the account %1; nothing else was changed.</source>
        <translation>adduser nie mógł utworzyć konta %1; niczego więcej nie zmieniono.</translation>
    </message>
    <message>
        <source>%1 is a child account already; nothing was changed.</source>
        <translation>%1 jest już kontem dziecka; niczego nie zmieniono.</translation>
    </message>
    <message>
        <source>cannot keep the sessions of %1 for undoing: %2; nothing was changed.</source>
        <translation>nie można zachować sesji %1 na potrzeby cofnięcia: %2; niczego nie zmieniono.</translation>
    </message>
    <message>
        <source>cannot set the session of %1 to Tovalin&apos;s: %2; nothing was changed.</source>
        <translation>nie można ustawić dla %1 sesji Tovalin: %2; niczego nie zmieniono.</translation>
    </message>
    <message>
        <source>adduser could not add %1 to the group %2; nothing was changed.</source>
        <translation>adduser nie mógł dodać %1 do grupy %2; niczego nie zmieniono.</translation>
    </message>
    <message>
        <source>%1 is a child account: it is in the group %2 and its session is Tovalin&apos;s. It can log in to that session alone, at the login screen or by automatic login.</source>
        <translation>%1 jest kontem dziecka: należy do grupy %2, a jego sesją jest sesja Tovalin. Może logować się tylko do tej sesji, na ekranie logowania lub przez automatyczne logowanie.</translation>
    </message>
    <message>
        <source>%1 is not a child account; nothing was changed.</source>
        <translation>%1 nie jest kontem dziecka; niczego nie zmieniono.</translation>
    </message>
    <message>
        <source>cannot restore the sessions of %1: %2; nothing was changed.</source>
        <translation>nie można przywrócić sesji %1: %2; niczego nie zmieniono.</translation>
    </message>
    <message>
        <source>gpasswd could not take %1 out of the group %2; run the command again.</source>
        <translation>gpasswd nie mógł usunąć %1 z grupy %2; uruchom polecenie ponownie.</translation>
    </message>
    <message>
        <source>%1 is no longer a child account: it left the group %2 and has its earlier session back. The account itself stays.</source>
        <translation>%1 nie jest już kontem dziecka: opuściło grupę %2 i odzyskało poprzednią sesję. Samo konto pozostaje.</translation>
    </message>
    <message>
        <source>%1 is not an account name.</source>
        <translation>%1 nie jest nazwą konta.</translation>
    </message>
    <message>
        <source>run it as root, for example with sudo</source>
        <translation>uruchom jako root, na przykład przez sudo</translation>
    </message>
    <message>
        <source>the group %1 is missing; reinstall the tovalin package.</source>
        <translation>brak grupy %1; zainstaluj ponownie pakiet tovalin.</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>Nie można odczytać %1</translation>
    </message>
    <message>
        <source>The PAM rule for child accounts is not in force: /etc/pam.d/common-session does not run pam_tovalin.so. Nothing was changed. Run: sudo pam-auth-update --enable tovalin</source>
        <translation>Reguła PAM dla kont dzieci nie obowiązuje: /etc/pam.d/common-session nie uruchamia pam_tovalin.so. Nic nie zostało zmienione. Uruchom: sudo pam-auth-update --enable tovalin</translation>
    </message>
    <message>
        <source>%1 is a system account (its uid %2 is outside UID_MIN to UID_MAX of /etc/login.defs), not a person&apos;s. Nothing was changed.</source>
        <translation>%1 to konto systemowe (jego uid %2 jest poza zakresem od UID_MIN do UID_MAX z /etc/login.defs), a nie konto osoby. Niczego nie zmieniono.</translation>
    </message>
    <message>
        <source>%1 is not a person&apos;s account: its shell %2 is no login shell of /etc/shells. Nothing was changed.</source>
        <translation>%1 nie jest kontem osoby: jego powłoka %2 nie jest powłoką logowania z /etc/shells. Niczego nie zmieniono.</translation>
    </message>
    <message>
        <source>sudo -l -U %1 did not say whether %1 may run commands as another user; nothing was changed.</source>
        <translation>sudo -l -U %1 nie powiedziało, czy %1 może uruchamiać polecenia jako inny użytkownik; niczego nie zmieniono.</translation>
    </message>
    <message>
        <source>%1 may run commands as another user (sudo -l -U %1 lists them); a child account must be a standard one. Nothing was changed.</source>
        <translation>%1 może uruchamiać polecenia jako inny użytkownik (sudo -l -U %1 je wymienia); konto dziecka musi być kontem standardowym. Niczego nie zmieniono.</translation>
    </message>
    <message>
        <source>The home of %1 holds files that would run at its logins: %2. Move them out of the home, then run tovalin-child add %1 again, or run tovalin-child add --fresh-home %1 to move the whole home aside. Nothing was changed.</source>
        <translation>Katalog domowy %1 zawiera pliki, które byłyby uruchamiane przy logowaniu: %2. Przenieś je poza katalog domowy, a potem ponownie uruchom tovalin-child add %1, albo uruchom tovalin-child add --fresh-home %1, aby odłożyć cały katalog domowy na bok. Nic nie zostało zmienione.</translation>
    </message>
    <message>
        <source>%1 is not a home folder of the account&apos;s own</source>
        <translation>%1 nie jest własnym katalogiem domowym konta</translation>
    </message>
    <message>
        <source>%1 was moved to %2, which could not be made root&apos;s alone: %3</source>
        <translation>%1 przeniesiono do %2, którego nie udało się oddać wyłącznie rootowi: %3</translation>
    </message>
    <message>
        <source>%1 was moved to %2, but mkhomedir_helper could not make a new home</source>
        <translation>%1 przeniesiono do %2, ale mkhomedir_helper nie mógł utworzyć nowego katalogu domowego</translation>
    </message>
    <message>
        <source>cannot make a fresh home for %1: %2. Nothing else was changed.</source>
        <translation>nie można utworzyć nowego katalogu domowego dla %1: %2. Niczego więcej nie zmieniono.</translation>
    </message>
    <message>
        <source>The old home of %1 is now %2, readable by root alone; %1 has a new home made from /etc/skel.</source>
        <translation>Stary katalog domowy %1 to teraz %2, czytelny tylko dla roota; %1 ma nowy katalog domowy utworzony z /etc/skel.</translation>
    </message>
    <message>
        <source>Every session and process of %1 was ended, and its user manager no longer starts at boot.</source>
        <translation>Wszystkie sesje i procesy %1 zostały zakończone, a jego menedżer użytkownika nie uruchamia się już przy starcie systemu.</translation>
    </message>
    <message>
        <source>logind could not end what %1 runs (%2): log it out, or restart the machine, before the child uses it.</source>
        <translation>logind nie mógł zakończyć tego, co uruchamia %1 (%2): wyloguj je lub uruchom ponownie komputer, zanim dziecko z niego skorzysta.</translation>
    </message>
    <message>
        <source>Makes an account a child account, which runs Tovalin and nothing else; undoes that; lists the child accounts.</source>
        <translation>Zmienia konto w konto dziecka, które uruchamia Tovalin i nic więcej; cofa to; wypisuje konta dzieci.</translation>
    </message>
    <message>
        <source>add: make the account first.</source>
        <translation>add: najpierw utwórz konto.</translation>
    </message>
    <message>
        <source>add: move a refused home aside and make a fresh one.</source>
        <translation>add: odłóż na bok odrzucony katalog domowy i utwórz nowy.</translation>
    </message>
    <message>
        <source>add, remove or list.</source>
        <translation>add, remove lub list.</translation>
    </message>
    <message>
        <source>a command is needed: add, remove or list</source>
        <translation>potrzebne jest polecenie: add, remove lub list</translation>
    </message>
    <message>
        <source>unknown command: %1</source>
        <translation>nieznane polecenie: %1</translation>
    </message>
    <message>
        <source>--create and --fresh-home are for add alone</source>
        <translation>--create i --fresh-home dotyczą tylko add</translation>
    </message>
    <message>
        <source>list takes no account name</source>
        <translation>list nie przyjmuje nazwy konta</translation>
    </message>
    <message>
        <source>%1 needs an account name</source>
        <translation>%1 wymaga nazwy konta</translation>
    </message>
</context>
<context>
    <name>tovalin-session-check</name>
    <message>
        <source>This account opens Tovalin&apos;s session alone: pick Tovalin at the login screen.</source>
        <translation>To konto otwiera tylko sesję Tovalin: wybierz Tovalin na ekranie logowania.</translation>
    </message>
    <message>
        <source>This account logs in only at the login screen, to Tovalin.</source>
        <translation>To konto loguje się tylko na ekranie logowania, do Tovalin.</translation>
    </message>
    <message>
        <source>Tovalin&apos;s session cannot start on this computer. A parent can run tovalin-check.</source>
        <translation>Sesja Tovalin nie może się uruchomić na tym komputerze. Rodzic może uruchomić tovalin-check.</translation>
    </message>
    <message>
        <source>Tovalin&apos;s watcher is not running, so this account cannot log in now.</source>
        <translation>Strażnik Tovalin nie działa, więc to konto nie może się teraz zalogować.</translation>
    </message>
    <message>
        <source>This account&apos;s home holds files that would run at its login; a parent must remove them.</source>
        <translation>Katalog domowy tego konta zawiera pliki, które uruchomiłyby się przy logowaniu; rodzic musi je usunąć.</translation>
    </message>
    <message>
        <source>This account cannot log in this way.</source>
        <translation>To konto nie może się zalogować w ten sposób.</translation>
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
        <source>%1 was written, but is not safe to trust; see tovalin-set-password(8)</source>
        <translation>zapisano %1, ale nie można mu ufać; zob. tovalin-set-password(8)</translation>
    </message>
    <message>
        <source>The parental password is set. Tovalin asks for it from now on.</source>
        <translation>Hasło rodzica zostało ustawione. Od teraz Tovalin będzie o nie pytać.</translation>
    </message>
    <message>
        <source>the password could not be hashed</source>
        <translation>nie udało się obliczyć skrótu hasła</translation>
    </message>
    <message>
        <source>Sets the parental password for every account of this machine.</source>
        <translation>Ustawia hasło rodzica dla wszystkich kont tego komputera.</translation>
    </message>
</context>
</TS>
