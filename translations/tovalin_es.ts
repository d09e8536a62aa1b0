<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>QWebEnginePage</name>
    <message>
        <source>Are you sure you want to leave this page? Changes that you made may not be saved.</source>
        <translation>¿Seguro que quieres salir de esta página? Es posible que no se guarden los cambios que hayas hecho.</translation>
    </message>
</context>
<context>
    <name>tovalin</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>cannot make %1: %2</source>
        <translation>no se puede crear %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a private folder of this user</source>
        <translation>%1 no es una carpeta privada de este usuario</translation>
    </message>
    <message>
        <source>this account has no home folder</source>
        <translation>esta cuenta no tiene carpeta personal</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>no se puede abrir %1: %2</translation>
    </message>
    <message>
        <source>cannot lock %1: %2</source>
        <translation>no se puede bloquear %1: %2</translation>
    </message>
    <message>
        <source>Tovalin is already running but does not answer</source>
        <translation>Tovalin ya se está ejecutando, pero no responde</translation>
    </message>
    <message>
        <source>Choose Website</source>
        <translation>Elegir sitio web</translation>
    </message>
    <message>
        <source>The streaming site the child may watch</source>
        <translation>El sitio de streaming que puede ver el niño</translation>
    </message>
    <message>
        <source>Time Limit</source>
        <translation>Límite de tiempo</translation>
    </message>
    <message>
        <source>Time limit in minutes</source>
        <translation>Límite de tiempo en minutos</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minutos</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Asks for the parental password, then starts, extends or unlocks the session</source>
        <translation>Pide la contraseña parental y luego inicia, amplía o desbloquea la sesión</translation>
    </message>
    <message>
        <source>Tovalin - Locked</source>
        <translation>Tovalin - Bloqueado</translation>
    </message>
    <message>
        <source>Tovalin - Paused</source>
        <translation>Tovalin - En pausa</translation>
    </message>
    <message>
        <source>Tovalin - %1</source>
        <translation>Tovalin - %1</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>Desbloquear</translation>
    </message>
    <message>
        <source>Extend</source>
        <translation>Ampliar</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reanudar</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <source>Time remaining: --:--</source>
        <translation>Tiempo restante: --:--</translation>
    </message>
    <message>
        <source>Time left in this session</source>
        <translation>Tiempo restante de esta sesión</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Terminar</translation>
    </message>
    <message>
        <source>Ends the session and locks Tovalin</source>
        <translation>Termina la sesión y bloquea Tovalin</translation>
    </message>
    <message>
        <source>Pauses or resumes the countdown</source>
        <translation>Pausa o reanuda la cuenta atrás</translation>
    </message>
    <message>
        <source>Modify Timer</source>
        <translation>Cambiar tiempo</translation>
    </message>
    <message>
        <source>Asks for the parental password, then sets a new time limit</source>
        <translation>Pide la contraseña parental y luego fija un nuevo límite de tiempo</translation>
    </message>
    <message>
        <source>Password Required</source>
        <translation>Se requiere contraseña</translation>
    </message>
    <message>
        <source>Enter password to continue:</source>
        <translation>Introduce la contraseña para continuar:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Checking password…</source>
        <translation>Comprobando la contraseña…</translation>
    </message>
    <message>
        <source>Incorrect password</source>
        <translation>Contraseña incorrecta</translation>
    </message>
    <message>
        <source>Please enter a valid time limit</source>
        <translation>Introduce un límite de tiempo válido</translation>
    </message>
    <message>
        <source>Please enter a valid number of minutes</source>
        <translation>Introduce un número de minutos válido</translation>
    </message>
    <message>
        <source>Set Timer</source>
        <translation>Fijar tiempo</translation>
    </message>
    <message>
        <source>Enter new time limit in minutes:</source>
        <translation>Introduce el nuevo límite de tiempo en minutos:</translation>
    </message>
    <message>
        <source>New time limit in minutes</source>
        <translation>Nuevo límite de tiempo en minutos</translation>
    </message>
    <message>
        <source>End Session</source>
        <translation>Terminar sesión</translation>
    </message>
    <message>
        <source>Are you sure you want to end the current session? This will reset the timer.</source>
        <translation>¿Seguro que quieres terminar la sesión actual? El temporizador se pondrá a cero.</translation>
    </message>
    <message>
        <source>Paused: %1 remaining</source>
        <translation>En pausa: quedan %1</translation>
    </message>
    <message>
        <source>Time remaining: %1</source>
        <translation>Tiempo restante: %1</translation>
    </message>
    <message>
        <source>The session ends soon</source>
        <translation>La sesión termina pronto</translation>
    </message>
    <message numerus="yes">
        <source>%n minute left</source>
        <translation>
            <numerusform>Queda %n minuto</numerusform>
            <numerusform>Quedan %n minutos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minutes left</source>
        <translation>
            <numerusform>Queda %n minuto</numerusform>
            <numerusform>Quedan %n minutos</numerusform>
        </translation>
    </message>
    <message>
        <source>unexpected argument: %1</source>
        <translation>argumento inesperado: %1</translation>
    </message>
    <message>
        <source>Gives a child one streaming site for a fixed number of minutes.</source>
        <translation>Da a un niño un sitio de streaming durante un número fijo de minutos.</translation>
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
        <translation>Qt WebEngine %1, basado en Chromium %2</translation>
    </message>
    <message>
        <source>, with security fixes up to Chromium %1</source>
        <translation>, con correcciones de seguridad hasta Chromium %1</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>Motor</translation>
    </message>
    <message>
        <source>built in</source>
        <translation>integrado</translation>
    </message>
    <message>
        <source>from %1</source>
        <translation>de %1</translation>
    </message>
    <message>
        <source>built in; %1 is ignored: it must be one line in a file owned by root that no other account may write, in a folder of the same kind</source>
        <translation>integrado; se ignora %1: debe ser una sola línea en un archivo propiedad de root en el que ninguna otra cuenta pueda escribir, dentro de una carpeta del mismo tipo</translation>
    </message>
    <message>
        <source>User agent</source>
        <translation>Agente de usuario</translation>
    </message>
    <message>
        <source>Widevine module</source>
        <translation>Módulo Widevine</translation>
    </message>
    <message>
        <source>no Widevine module</source>
        <translation>no hay módulo Widevine</translation>
    </message>
    <message>
        <source>%1 is there, but it is no library (empty or damaged): install it again from the browser that brings it</source>
        <translation>%1 existe, pero no es una biblioteca (está vacío o dañado): vuelve a instalarlo desde el navegador que lo incluye</translation>
    </message>
    <message>
        <source>a damaged Widevine module</source>
        <translation>un módulo Widevine dañado</translation>
    </message>
    <message>
        <source>found at %1</source>
        <translation>encontrado en %1</translation>
    </message>
    <message>
        <source>Media</source>
        <translation>Multimedia</translation>
    </message>
    <message>
        <source>the engine did not answer within %1 s</source>
        <translation>el motor no respondió en %1 s</translation>
    </message>
    <message>
        <source>the engine did not answer</source>
        <translation>el motor no respondió</translation>
    </message>
    <message>
        <source>canPlayType &quot;%1&quot;, MediaSource.isTypeSupported %2</source>
        <translation>canPlayType «%1», MediaSource.isTypeSupported %2</translation>
    </message>
    <message>
        <source>plays (%1)</source>
        <translation>se reproduce (%1)</translation>
    </message>
    <message>
        <source>does not play (%1)</source>
        <translation>no se reproduce (%1)</translation>
    </message>
    <message>
        <source>H.264 video in MP4</source>
        <translation>Vídeo H.264 en MP4</translation>
    </message>
    <message>
        <source>no H.264 video</source>
        <translation>no hay vídeo H.264</translation>
    </message>
    <message>
        <source>AAC audio in MP4</source>
        <translation>Audio AAC en MP4</translation>
    </message>
    <message>
        <source>no AAC audio</source>
        <translation>no hay audio AAC</translation>
    </message>
    <message>
        <source>Encrypted media (Widevine)</source>
        <translation>Contenido cifrado (Widevine)</translation>
    </message>
    <message>
        <source>can be requested</source>
        <translation>se puede solicitar</translation>
    </message>
    <message>
        <source>refused (%1)</source>
        <translation>rechazado (%1)</translation>
    </message>
    <message>
        <source>encrypted media refused</source>
        <translation>contenido cifrado rechazado</translation>
    </message>
    <message>
        <source>Rendering</source>
        <translation>Renderizado</translation>
    </message>
    <message>
        <source>not known without a display: run tovalin-check on the desktop the child will use</source>
        <translation>desconocido sin pantalla: ejecuta tovalin-check en el escritorio que usará el niño</translation>
    </message>
    <message>
        <source>no usable OpenGL</source>
        <translation>no hay OpenGL utilizable</translation>
    </message>
    <message>
        <source>OpenGL renderer: %1</source>
        <translation>renderizador OpenGL: %1</translation>
    </message>
    <message>
        <source>composited in software (%1)</source>
        <translation>composición por software (%1)</translation>
    </message>
    <message>
        <source>composited on the GPU (%1)</source>
        <translation>composición en la GPU (%1)</translation>
    </message>
    <message>
        <source>Parental password</source>
        <translation>Contraseña parental</translation>
    </message>
    <message>
        <source>the built-in one (%1 is not there)</source>
        <translation>la integrada (%1 no existe)</translation>
    </message>
    <message>
        <source>the parent&apos;s own, from %1</source>
        <translation>la propia de los padres, de %1</translation>
    </message>
    <message>
        <source>%1 is broken or not safe to trust, so no password opens Tovalin. Repair: sudo tovalin-set-password</source>
        <translation>%1 está dañado o no es de fiar, así que ninguna contraseña abre Tovalin. Para repararlo: sudo tovalin-set-password</translation>
    </message>
    <message>
        <source>no password opens Tovalin</source>
        <translation>ninguna contraseña abre Tovalin</translation>
    </message>
    <message>
        <source>Child&apos;s session</source>
        <translation>Sesión del niño</translation>
    </message>
    <message>
        <source>Child accounts</source>
        <translation>Cuentas infantiles</translation>
    </message>
    <message>
        <source>none (the group %1 is not present)</source>
        <translation>ninguna (no existe el grupo %1)</translation>
    </message>
    <message>
        <source>none (the group %1 has no members)</source>
        <translation>ninguna (el grupo %1 no tiene miembros)</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Sesión</translation>
    </message>
    <message>
        <source>%1 cannot be read, so Tovalin keeps no session until it can (it must be a file that this account may read and write)</source>
        <translation>%1 no se puede leer, así que Tovalin no guarda ninguna sesión hasta que pueda hacerlo (debe ser un archivo que esta cuenta pueda leer y escribir)</translation>
    </message>
    <message>
        <source>no session</source>
        <translation>ninguna sesión</translation>
    </message>
    <message>
        <source>locked (the last session ended at %1)</source>
        <translation>bloqueada (la última sesión terminó el %1)</translation>
    </message>
    <message>
        <source>paused</source>
        <translation>en pausa</translation>
    </message>
    <message>
        <source>running until %1</source>
        <translation>en curso hasta el %1</translation>
    </message>
    <message>
        <source>%1, in %2</source>
        <translation>%1, en %2</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>the child&apos;s site can play here</source>
        <translation>el sitio del niño se puede reproducir aquí</translation>
    </message>
    <message>
        <source>the child&apos;s site cannot play here: %1</source>
        <translation>el sitio del niño no se puede reproducir aquí: %1</translation>
    </message>
    <message>
        <source>cannot run, so child accounts cannot log in: missing %1 (sudo apt-get install --reinstall tovalin cage xwayland)</source>
        <translation>no puede iniciarse, así que las cuentas infantiles no pueden iniciar sesión: falta %1 (sudo apt-get install --reinstall tovalin cage xwayland)</translation>
    </message>
    <message>
        <source>can run on Wayland only: a login screen that runs X alone cannot start it (missing %1)</source>
        <translation>puede iniciarse solo en Wayland: una pantalla de inicio de sesión que usa solo X no puede iniciarla (falta %1)</translation>
    </message>
    <message>
        <source>can run, on Wayland and on X11</source>
        <translation>puede iniciarse, en Wayland y en X11</translation>
    </message>
    <message>
        <source>not found. In a child account the engine takes it only from where a machine-wide installation puts it, never from the home: install a browser that brings it (Google Chrome) for the whole machine, so that libwidevinecdm.so ends up in /opt/google/chrome/WidevineCdm/_platform_specific/linux_x64/ or /opt/google/chrome/</source>
        <translation>no encontrado. En una cuenta infantil el motor solo lo toma de donde lo deja una instalación para todo el equipo, nunca de la carpeta personal: instala para todo el equipo un navegador que lo incluya (Google Chrome), para que libwidevinecdm.so quede en /opt/google/chrome/WidevineCdm/_platform_specific/linux_x64/ o en /opt/google/chrome/</translation>
    </message>
    <message>
        <source>Tells whether the child&apos;s streaming site can play in this account.</source>
        <translation>Indica si el sitio de streaming del niño puede reproducirse en esta cuenta.</translation>
    </message>
    <message>
        <source>not found. Install a browser that brings it (Google Chrome) in this account, so that libwidevinecdm.so ends up in ~/.config/google-chrome/WidevineCdm/VERSION/_platform_specific/linux_x64/ or /opt/google/chrome/WidevineCdm/_platform_specific/linux_x64/, or name it with QTWEBENGINE_CHROMIUM_FLAGS=&quot;--widevine-path=PATH&quot;. A child account takes it only from where a machine-wide installation puts it, never from the home</source>
        <translation>no encontrado. Instala en esta cuenta un navegador que lo incluya (Google Chrome), para que libwidevinecdm.so quede en ~/.config/google-chrome/WidevineCdm/VERSION/_platform_specific/linux_x64/ o en /opt/google/chrome/WidevineCdm/_platform_specific/linux_x64/, o indícalo con QTWEBENGINE_CHROMIUM_FLAGS=&quot;--widevine-path=PATH&quot;. Una cuenta infantil solo lo toma de donde lo deja una instalación para todo el equipo, nunca de la carpeta personal</translation>
    </message>
    <message>
        <source>found at %1, in this account&apos;s home: a child account never takes it from there, only from where a machine-wide installation puts it (/opt/google/chrome/)</source>
        <translation>encontrado en %1, en la carpeta personal de esta cuenta: una cuenta infantil nunca lo toma de ahí, solo de donde lo deja una instalación para todo el equipo (/opt/google/chrome/)</translation>
    </message>
    <message>
        <source>cannot run, so child accounts cannot log in: GDM here runs X alone (WaylandEnable=false), and Tovalin&apos;s session for X11 is missing %1 (sudo apt-get install --reinstall tovalin)</source>
        <translation>no puede iniciarse, así que las cuentas infantiles no pueden iniciar sesión: GDM usa aquí solo X (WaylandEnable=false) y a la sesión de Tovalin para X11 le falta %1 (sudo apt-get install --reinstall tovalin)</translation>
    </message>
</context>
<context>
    <name>tovalin-child</name>
    <message>
        <source>There is no account %1; nothing was changed. To make one, run: tovalin-child add --create %1</source>
        <translation>No existe la cuenta %1; no se ha cambiado nada. Para crearla, ejecuta: tovalin-child add --create %1</translation>
    </message>
    <message>
        <source>%1 is the administrator&apos;s account root; nothing was changed.</source>
        <translation>%1 es la cuenta de administrador root; no se ha cambiado nada.</translation>
    </message>
    <message>
        <source>%1 is an administrator (in the group %2); a child account must be a standard one. Nothing was changed.</source>
        <translation>%1 es administrador (está en el grupo %2); una cuenta infantil debe ser una cuenta estándar. No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>adduser could not make the account %1; nothing else was changed.</source>
        <translation>adduser no pudo crear la cuenta %1; no se ha cambiado nada más.</translation>
    </message>
    <message>
        <source>%1 is a child account already; nothing was changed.</source>
        <translation>%1 ya es una cuenta infantil; no se ha cambiado nada.</translation>
    </message>
    <message>
        <source>cannot keep the sessions of %1 for undoing: %2; nothing was changed.</source>
        <translation>no se pueden guardar las sesiones de %1 para deshacer el cambio: %2; no se ha cambiado nada.</translation>
    </message>
    <message>
        <source>cannot set the session of %1 to Tovalin&apos;s: %2; nothing was changed.</source>
        <translation>no se puede asignar a %1 la sesión de Tovalin: %2; no se ha cambiado nada.</translation>
    </message>
    <message>
        <source>adduser could not add %1 to the group %2; nothing was changed.</source>
        <translation>adduser no pudo añadir %1 al grupo %2; no se ha cambiado nada.</translation>
    </message>
    <message>
        <source>%1 is a child account: it is in the group %2 and its session is Tovalin&apos;s. It can log in to that session alone, at the login screen or by automatic login.</source>
        <translation>%1 es una cuenta infantil: está en el grupo %2 y su sesión es la de Tovalin. Solo puede iniciar esa sesión, desde la pantalla de inicio de sesión o con el inicio de sesión automático.</translation>
    </message>
    <message>
        <source>%1 is not a child account; nothing was changed.</source>
        <translation>%1 no es una cuenta infantil; no se ha cambiado nada.</translation>
    </message>
    <message>
        <source>cannot restore the sessions of %1: %2; nothing was changed.</source>
        <translation>no se pueden restaurar las sesiones de %1: %2; no se ha cambiado nada.</translation>
    </message>
    <message>
        <source>gpasswd could not take %1 out of the group %2; run the command again.</source>
        <translation>gpasswd no pudo sacar a %1 del grupo %2; vuelve a ejecutar la orden.</translation>
    </message>
    <message>
        <source>%1 is no longer a child account: it left the group %2 and has its earlier session back. The account itself stays.</source>
        <translation>%1 ya no es una cuenta infantil: ha salido del grupo %2 y ha recuperado su sesión anterior. La cuenta en sí se conserva.</translation>
    </message>
    <message>
        <source>%1 is not an account name.</source>
        <translation>%1 no es un nombre de cuenta.</translation>
    </message>
    <message>
        <source>run it as root, for example with sudo</source>
        <translation>ejecútalo como root, por ejemplo con sudo</translation>
    </message>
    <message>
        <source>the group %1 is missing; reinstall the tovalin package.</source>
        <translation>falta el grupo %1; vuelve a instalar el paquete tovalin.</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>No se puede leer %1</translation>
    </message>
    <message>
        <source>The PAM rule for child accounts is not in force: /etc/pam.d/common-session does not run pam_tovalin.so. Nothing was changed. Run: sudo pam-auth-update --enable tovalin</source>
        <translation>La regla PAM de las cuentas infantiles no está en vigor: /etc/pam.d/common-session no ejecuta pam_tovalin.so. No se ha cambiado nada. Ejecute: sudo pam-auth-update --enable tovalin</translation>
    </message>
    <message>
        <source>%1 is a system account (its uid %2 is outside UID_MIN to UID_MAX of /etc/login.defs), not a person&apos;s. Nothing was changed.</source>
        <translation>%1 es una cuenta del sistema (su uid %2 está fuera del rango de UID_MIN a UID_MAX de /etc/login.defs), no la de una persona. No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>%1 is not a person&apos;s account: its shell %2 is no login shell of /etc/shells. Nothing was changed.</source>
        <translation>%1 no es la cuenta de una persona: su shell %2 no es un shell de inicio de sesión de /etc/shells. No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>sudo -l -U %1 did not say whether %1 may run commands as another user; nothing was changed.</source>
        <translation>sudo -l -U %1 no ha dicho si %1 puede ejecutar órdenes como otro usuario; no se ha cambiado nada.</translation>
    </message>
    <message>
        <source>%1 may run commands as another user (sudo -l -U %1 lists them); a child account must be a standard one. Nothing was changed.</source>
        <translation>%1 puede ejecutar órdenes como otro usuario (sudo -l -U %1 las muestra); una cuenta infantil debe ser una cuenta estándar. No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>The home of %1 holds files that would run at its logins: %2. Move them out of the home, then run tovalin-child add %1 again, or run tovalin-child add --fresh-home %1 to move the whole home aside. Nothing was changed.</source>
        <translation>La carpeta personal de %1 contiene archivos que se ejecutarían al iniciar sesión: %2. Sáquelos de la carpeta personal y vuelva a ejecutar tovalin-child add %1, o ejecute tovalin-child add --fresh-home %1 para apartar toda la carpeta personal. No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>%1 is not a home folder of the account&apos;s own</source>
        <translation>%1 no es una carpeta personal propia de la cuenta</translation>
    </message>
    <message>
        <source>%1 was moved to %2, which could not be made root&apos;s alone: %3</source>
        <translation>%1 se ha movido a %2, que no se ha podido dejar solo para root: %3</translation>
    </message>
    <message>
        <source>%1 was moved to %2, but mkhomedir_helper could not make a new home</source>
        <translation>%1 se ha movido a %2, pero mkhomedir_helper no ha podido crear una carpeta personal nueva</translation>
    </message>
    <message>
        <source>cannot make a fresh home for %1: %2. Nothing else was changed.</source>
        <translation>no se puede crear una carpeta personal nueva para %1: %2. No se ha cambiado nada más.</translation>
    </message>
    <message>
        <source>The old home of %1 is now %2, readable by root alone; %1 has a new home made from /etc/skel.</source>
        <translation>La carpeta personal anterior de %1 es ahora %2, que solo root puede leer; %1 tiene una carpeta personal nueva creada a partir de /etc/skel.</translation>
    </message>
    <message>
        <source>Every session and process of %1 was ended, and its user manager no longer starts at boot.</source>
        <translation>Se terminaron todas las sesiones y procesos de %1, y su gestor de usuario ya no se inicia al arrancar.</translation>
    </message>
    <message>
        <source>logind could not end what %1 runs (%2): log it out, or restart the machine, before the child uses it.</source>
        <translation>logind no pudo terminar lo que ejecuta %1 (%2): cierre su sesión, o reinicie el equipo, antes de que el niño la use.</translation>
    </message>
    <message>
        <source>Makes an account a child account, which runs Tovalin and nothing else; undoes that; lists the child accounts.</source>
        <translation>Convierte una cuenta en cuenta infantil, que ejecuta Tovalin y nada más; lo deshace; lista las cuentas infantiles.</translation>
    </message>
    <message>
        <source>add: make the account first.</source>
        <translation>add: crear primero la cuenta.</translation>
    </message>
    <message>
        <source>add: move a refused home aside and make a fresh one.</source>
        <translation>add: apartar una carpeta personal rechazada y crear una nueva.</translation>
    </message>
    <message>
        <source>add, remove or list.</source>
        <translation>add, remove o list.</translation>
    </message>
    <message>
        <source>a command is needed: add, remove or list</source>
        <translation>falta una orden: add, remove o list</translation>
    </message>
    <message>
        <source>unknown command: %1</source>
        <translation>orden desconocida: %1</translation>
    </message>
    <message>
        <source>--create and --fresh-home are for add alone</source>
        <translation>--create y --fresh-home son solo para add</translation>
    </message>
    <message>
        <source>list takes no account name</source>
        <translation>list no admite un nombre de cuenta</translation>
    </message>
    <message>
        <source>%1 needs an account name</source>
        <translation>%1 necesita un nombre de cuenta</translation>
    </message>
</context>
<context>
    <name>tovalin-session-check</name>
    <message>
        <source>This account opens Tovalin&apos;s session alone: pick Tovalin at the login screen.</source>
        <translation>Esta cuenta solo abre la sesión de Tovalin: elija Tovalin en la pantalla de inicio de sesión.</translation>
    </message>
    <message>
        <source>This account logs in only at the login screen, to Tovalin.</source>
        <translation>Esta cuenta solo inicia sesión en la pantalla de inicio de sesión, en Tovalin.</translation>
    </message>
    <message>
        <source>Tovalin&apos;s session cannot start on this computer. A parent can run tovalin-check.</source>
        <translation>La sesión de Tovalin no puede iniciarse en este equipo. Un padre o una madre puede ejecutar tovalin-check.</translation>
    </message>
    <message>
        <source>Tovalin&apos;s watcher is not running, so this account cannot log in now.</source>
        <translation>El vigilante de Tovalin no está en marcha, así que esta cuenta no puede iniciar sesión ahora.</translation>
    </message>
    <message>
        <source>This account&apos;s home holds files that would run at its login; a parent must remove them.</source>
        <translation>La carpeta personal de esta cuenta contiene archivos que se ejecutarían al iniciar sesión; un padre o una madre debe quitarlos.</translation>
    </message>
    <message>
        <source>This account cannot log in this way.</source>
        <translation>Esta cuenta no puede iniciar sesión de esta forma.</translation>
    </message>
</context>
<context>
    <name>tovalin-set-password</name>
    <message>
        <source>run it as root, for example with sudo</source>
        <translation>ejecútalo como root, por ejemplo con sudo</translation>
    </message>
    <message>
        <source>New parental password: </source>
        <translation>Nueva contraseña parental: </translation>
    </message>
    <message>
        <source>The same password again: </source>
        <translation>Repite la contraseña: </translation>
    </message>
    <message>
        <source>no password was given</source>
        <translation>no se ha introducido ninguna contraseña</translation>
    </message>
    <message>
        <source>the two passwords differ; nothing was changed</source>
        <translation>las dos contraseñas no coinciden; no se ha cambiado nada</translation>
    </message>
    <message>
        <source>the password must have 1 to %1 characters</source>
        <translation>la contraseña debe tener entre 1 y %1 caracteres</translation>
    </message>
    <message>
        <source>cannot make %1</source>
        <translation>no se puede crear %1</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>no se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>%1 was written, but is not safe to trust; see tovalin-set-password(8)</source>
        <translation>se ha escrito %1, pero no es seguro fiarse de él; consulta tovalin-set-password(8)</translation>
    </message>
    <message>
        <source>The parental password is set. Tovalin asks for it from now on.</source>
        <translation>La contraseña parental está establecida. A partir de ahora Tovalin la pedirá.</translation>
    </message>
    <message>
        <source>the password could not be hashed</source>
        <translation>no se ha podido calcular el hash de la contraseña</translation>
    </message>
    <message>
        <source>Sets the parental password for every account of this machine.</source>
        <translation>Establece la contraseña parental para todas las cuentas de esta máquina.</translation>
    </message>
</context>
</TS>
