<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>QWebEnginePage</name>
    <message>
        <source>Are you sure you want to leave this page? Changes that you made may not be saved.</source>
        <translation>Tem certeza de que deseja sair desta página? As alterações feitas podem não ser salvas.</translation>
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
        <translation>não foi possível criar %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a private folder of this user</source>
        <translation>%1 não é uma pasta privada deste usuário</translation>
    </message>
    <message>
        <source>this account has no home folder</source>
        <translation>esta conta não tem pasta pessoal</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>não foi possível abrir %1: %2</translation>
    </message>
    <message>
        <source>cannot lock %1: %2</source>
        <translation>não foi possível bloquear %1: %2</translation>
    </message>
    <message>
        <source>Tovalin is already running but does not answer</source>
        <translation>O Tovalin já está em execução, mas não responde</translation>
    </message>
    <message>
        <source>Choose Website</source>
        <translation>Escolher site</translation>
    </message>
    <message>
        <source>The streaming site the child may watch</source>
        <translation>O site de streaming que a criança pode assistir</translation>
    </message>
    <message>
        <source>Time Limit</source>
        <translation>Limite de tempo</translation>
    </message>
    <message>
        <source>Time limit in minutes</source>
        <translation>Limite de tempo em minutos</translation>
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
        <translation>Pede a senha dos pais e depois inicia, prolonga ou desbloqueia a sessão</translation>
    </message>
    <message>
        <source>Tovalin - Locked</source>
        <translation>Tovalin - Bloqueado</translation>
    </message>
    <message>
        <source>Tovalin - Paused</source>
        <translation>Tovalin - Pausado</translation>
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
        <translation>Prolongar</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Retomar</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <source>Time remaining: --:--</source>
        <translation>Tempo restante: --:--</translation>
    </message>
    <message>
        <source>Time left in this session</source>
        <translation>Tempo restante nesta sessão</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Encerrar</translation>
    </message>
    <message>
        <source>Ends the session and locks Tovalin</source>
        <translation>Encerra a sessão e bloqueia o Tovalin</translation>
    </message>
    <message>
        <source>Pauses or resumes the countdown</source>
        <translation>Pausa ou retoma a contagem regressiva</translation>
    </message>
    <message>
        <source>Modify Timer</source>
        <translation>Alterar tempo</translation>
    </message>
    <message>
        <source>Asks for the parental password, then sets a new time limit</source>
        <translation>Pede a senha dos pais e depois define um novo limite de tempo</translation>
    </message>
    <message>
        <source>Password Required</source>
        <translation>Senha necessária</translation>
    </message>
    <message>
        <source>Enter password to continue:</source>
        <translation>Digite a senha para continuar:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Senha</translation>
    </message>
    <message>
        <source>Checking password…</source>
        <translation>Verificando a senha…</translation>
    </message>
    <message>
        <source>Incorrect password</source>
        <translation>Senha incorreta</translation>
    </message>
    <message>
        <source>Please enter a valid time limit</source>
        <translation>Digite um limite de tempo válido</translation>
    </message>
    <message>
        <source>Please enter a valid number of minutes</source>
        <translation>Digite um número de minutos válido</translation>
    </message>
    <message>
        <source>Set Timer</source>
        <translation>Definir tempo</translation>
    </message>
    <message>
        <source>Enter new time limit in minutes:</source>
        <translation>Digite o novo limite de tempo em minutos:</translation>
    </message>
    <message>
        <source>New time limit in minutes</source>
        <translation>Novo limite de tempo em minutos</translation>
    </message>
    <message>
        <source>End Session</source>
        <translation>Encerrar sessão</translation>
    </message>
    <message>
        <source>Are you sure you want to end the current session? This will reset the timer.</source>
        <translation>Tem certeza de que deseja encerrar a sessão atual? O tempo será zerado.</translation>
    </message>
    <message>
        <source>Paused: %1 remaining</source>
        <translation>Pausado: restam %1</translation>
    </message>
    <message>
        <source>Time remaining: %1</source>
        <translation>Tempo restante: %1</translation>
    </message>
</context>
<context>
    <name>tovalin-set-password</name>
    <message>
        <source>run it as root, for example with sudo</source>
        <translation>execute como root, por exemplo com sudo</translation>
    </message>
    <message>
        <source>New parental password: </source>
        <translation>Nova senha dos pais: </translation>
    </message>
    <message>
        <source>The same password again: </source>
        <translation>Digite a senha novamente: </translation>
    </message>
    <message>
        <source>no password was given</source>
        <translation>nenhuma senha foi digitada</translation>
    </message>
    <message>
        <source>the two passwords differ; nothing was changed</source>
        <translation>as duas senhas são diferentes; nada foi alterado</translation>
    </message>
    <message>
        <source>the password must have 1 to %1 characters</source>
        <translation>a senha deve ter de 1 a %1 caracteres</translation>
    </message>
    <message>
        <source>cannot make %1</source>
        <translation>não foi possível criar %1</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>não foi possível gravar %1: %2</translation>
    </message>
    <message>
        <source>%1 was written, but is not safe to trust; see the README</source>
        <translation>%1 foi gravado, mas não é confiável; consulte o README</translation>
    </message>
    <message>
        <source>The parental password is set. Tovalin asks for it from now on.</source>
        <translation>A senha dos pais foi definida. De agora em diante, o Tovalin vai pedi-la.</translation>
    </message>
    <message>
        <source>the password could not be hashed</source>
        <translation>não foi possível gerar o hash da senha</translation>
    </message>
</context>
</TS>
