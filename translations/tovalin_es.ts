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
        <source>%1 was written, but is not safe to trust; see the README</source>
        <translation>se ha escrito %1, pero no es seguro fiarse de él; consulta el README</translation>
    </message>
    <message>
        <source>The parental password is set. Tovalin asks for it from now on.</source>
        <translation>La contraseña parental está establecida. A partir de ahora Tovalin la pedirá.</translation>
    </message>
    <message>
        <source>the password could not be hashed</source>
        <translation>no se ha podido calcular el hash de la contraseña</translation>
    </message>
</context>
</TS>
