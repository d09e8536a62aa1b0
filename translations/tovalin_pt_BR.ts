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
    <message>
        <source>The session ends soon</source>
        <translation>A sessão termina em breve</translation>
    </message>
    <message numerus="yes">
        <source>%n minute left</source>
        <translation>
            <numerusform>Falta %n minuto</numerusform>
            <numerusform>Faltam %n minutos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minutes left</source>
        <translation>
            <numerusform>Falta %n minuto</numerusform>
            <numerusform>Faltam %n minutos</numerusform>
        </translation>
    </message>
    <message>
        <source>unexpected argument: %1</source>
        <translation>argumento inesperado: %1</translation>
    </message>
    <message>
        <source>Gives a child one streaming site for a fixed number of minutes.</source>
        <translation>Dá a uma criança um site de streaming por um número fixo de minutos.</translation>
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
        <translation>Qt WebEngine %1, baseado no Chromium %2</translation>
    </message>
    <message>
        <source>, with security fixes up to Chromium %1</source>
        <translation>, com correções de segurança até o Chromium %1</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>Motor</translation>
    </message>
    <message>
        <source>built in</source>
        <translation>embutido</translation>
    </message>
    <message>
        <source>from %1</source>
        <translation>de %1</translation>
    </message>
    <message>
        <source>built in; %1 is ignored: it must be one line in a file owned by root that no other account may write, in a folder of the same kind</source>
        <translation>embutido; %1 é ignorado: deve ser uma única linha em um arquivo do root que nenhuma outra conta possa alterar, em uma pasta do mesmo tipo</translation>
    </message>
    <message>
        <source>User agent</source>
        <translation>User agent</translation>
    </message>
    <message>
        <source>Widevine module</source>
        <translation>Módulo Widevine</translation>
    </message>
    <message>
        <source>no Widevine module</source>
        <translation>nenhum módulo Widevine</translation>
    </message>
    <message>
        <source>%1 is there, but it is no library (empty or damaged): install it again from the browser that brings it</source>
        <translation>%1 existe, mas não é uma biblioteca (vazio ou danificado): instale-o novamente pelo navegador que o traz</translation>
    </message>
    <message>
        <source>a damaged Widevine module</source>
        <translation>um módulo Widevine danificado</translation>
    </message>
    <message>
        <source>found at %1</source>
        <translation>encontrado em %1</translation>
    </message>
    <message>
        <source>Media</source>
        <translation>Mídia</translation>
    </message>
    <message>
        <source>the engine did not answer within %1 s</source>
        <translation>o motor não respondeu em %1 s</translation>
    </message>
    <message>
        <source>the engine did not answer</source>
        <translation>o motor não respondeu</translation>
    </message>
    <message>
        <source>canPlayType &quot;%1&quot;, MediaSource.isTypeSupported %2</source>
        <translation>canPlayType &quot;%1&quot;, MediaSource.isTypeSupported %2</translation>
    </message>
    <message>
        <source>plays (%1)</source>
        <translation>é reproduzido (%1)</translation>
    </message>
    <message>
        <source>does not play (%1)</source>
        <translation>não é reproduzido (%1)</translation>
    </message>
    <message>
        <source>H.264 video in MP4</source>
        <translation>Vídeo H.264 em MP4</translation>
    </message>
    <message>
        <source>no H.264 video</source>
        <translation>sem vídeo H.264</translation>
    </message>
    <message>
        <source>AAC audio in MP4</source>
        <translation>Áudio AAC em MP4</translation>
    </message>
    <message>
        <source>no AAC audio</source>
        <translation>sem áudio AAC</translation>
    </message>
    <message>
        <source>Encrypted media (Widevine)</source>
        <translation>Mídia criptografada (Widevine)</translation>
    </message>
    <message>
        <source>can be requested</source>
        <translation>pode ser solicitada</translation>
    </message>
    <message>
        <source>refused (%1)</source>
        <translation>recusada (%1)</translation>
    </message>
    <message>
        <source>encrypted media refused</source>
        <translation>mídia criptografada recusada</translation>
    </message>
    <message>
        <source>Rendering</source>
        <translation>Renderização</translation>
    </message>
    <message>
        <source>not known without a display: run tovalin-check on the desktop the child will use</source>
        <translation>desconhecido sem tela: execute o tovalin-check na área de trabalho que a criança vai usar</translation>
    </message>
    <message>
        <source>no usable OpenGL</source>
        <translation>nenhum OpenGL utilizável</translation>
    </message>
    <message>
        <source>OpenGL renderer: %1</source>
        <translation>renderizador OpenGL: %1</translation>
    </message>
    <message>
        <source>composited in software (%1)</source>
        <translation>composição por software (%1)</translation>
    </message>
    <message>
        <source>composited on the GPU (%1)</source>
        <translation>composição na GPU (%1)</translation>
    </message>
    <message>
        <source>Parental password</source>
        <translation>Senha dos pais</translation>
    </message>
    <message>
        <source>the built-in one (%1 is not there)</source>
        <translation>a embutida (%1 não existe)</translation>
    </message>
    <message>
        <source>the parent&apos;s own, from %1</source>
        <translation>a própria dos pais, de %1</translation>
    </message>
    <message>
        <source>%1 is broken or not safe to trust, so no password opens Tovalin. Repair: sudo tovalin-set-password</source>
        <translation>%1 está danificado ou não é confiável, então nenhuma senha abre o Tovalin. Para corrigir: sudo tovalin-set-password</translation>
    </message>
    <message>
        <source>no password opens Tovalin</source>
        <translation>nenhuma senha abre o Tovalin</translation>
    </message>
    <message>
        <source>Child&apos;s session</source>
        <translation>Sessão da criança</translation>
    </message>
    <message>
        <source>Child accounts</source>
        <translation>Contas de criança</translation>
    </message>
    <message>
        <source>none (the group %1 is not present)</source>
        <translation>nenhuma (o grupo %1 não existe)</translation>
    </message>
    <message>
        <source>none (the group %1 has no members)</source>
        <translation>nenhuma (o grupo %1 não tem membros)</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Sessão</translation>
    </message>
    <message>
        <source>%1 cannot be read, so Tovalin keeps no session until it can (it must be a file that this account may read and write)</source>
        <translation>%1 não pode ser lido, então o Tovalin não guarda nenhuma sessão até que possa (deve ser um arquivo que esta conta possa ler e gravar)</translation>
    </message>
    <message>
        <source>no session</source>
        <translation>nenhuma sessão</translation>
    </message>
    <message>
        <source>locked (the last session ended at %1)</source>
        <translation>bloqueada (a última sessão terminou em %1)</translation>
    </message>
    <message>
        <source>paused</source>
        <translation>pausada</translation>
    </message>
    <message>
        <source>running until %1</source>
        <translation>em andamento até %1</translation>
    </message>
    <message>
        <source>%1, in %2</source>
        <translation>%1, em %2</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>the child&apos;s site can play here</source>
        <translation>o site da criança pode ser reproduzido aqui</translation>
    </message>
    <message>
        <source>the child&apos;s site cannot play here: %1</source>
        <translation>o site da criança não pode ser reproduzido aqui: %1</translation>
    </message>
    <message>
        <source>cannot run, so child accounts cannot log in: missing %1 (sudo apt-get install --reinstall tovalin cage xwayland)</source>
        <translation>não pode iniciar, então as contas infantis não podem entrar: falta %1 (sudo apt-get install --reinstall tovalin cage xwayland)</translation>
    </message>
    <message>
        <source>can run on Wayland only: a login screen that runs X alone cannot start it (missing %1)</source>
        <translation>pode iniciar só no Wayland: uma tela de login que usa só o X não consegue iniciá-la (falta %1)</translation>
    </message>
    <message>
        <source>can run, on Wayland and on X11</source>
        <translation>pode iniciar, no Wayland e no X11</translation>
    </message>
    <message>
        <source>not found. In a child account the engine takes it only from where a machine-wide installation puts it, never from the home: install a browser that brings it (Google Chrome) for the whole machine, so that libwidevinecdm.so ends up in /opt/google/chrome/WidevineCdm/_platform_specific/linux_x64/ or /opt/google/chrome/</source>
        <translation>não encontrado. Em uma conta de criança o mecanismo só o usa de onde uma instalação para toda a máquina o coloca, nunca da pasta pessoal: instale para toda a máquina um navegador que o traga (Google Chrome), para que libwidevinecdm.so fique em /opt/google/chrome/WidevineCdm/_platform_specific/linux_x64/ ou em /opt/google/chrome/</translation>
    </message>
    <message>
        <source>Tells whether the child&apos;s streaming site can play in this account.</source>
        <translation>Informa se o site de streaming da criança pode tocar nesta conta.</translation>
    </message>
    <message>
        <source>not found. Install a browser that brings it (Google Chrome) in this account, so that libwidevinecdm.so ends up in ~/.config/google-chrome/WidevineCdm/VERSION/_platform_specific/linux_x64/ or /opt/google/chrome/WidevineCdm/_platform_specific/linux_x64/, or name it with QTWEBENGINE_CHROMIUM_FLAGS=&quot;--widevine-path=PATH&quot;. A child account takes it only from where a machine-wide installation puts it, never from the home</source>
        <translation>não encontrado. Instale nesta conta um navegador que o traga (Google Chrome), para que libwidevinecdm.so fique em ~/.config/google-chrome/WidevineCdm/VERSION/_platform_specific/linux_x64/ ou em /opt/google/chrome/WidevineCdm/_platform_specific/linux_x64/, ou indique-o com QTWEBENGINE_CHROMIUM_FLAGS=&quot;--widevine-path=PATH&quot;. Uma conta de criança só o usa de onde uma instalação para toda a máquina o coloca, nunca da pasta pessoal</translation>
    </message>
    <message>
        <source>found at %1, in this account&apos;s home: a child account never takes it from there, only from where a machine-wide installation puts it (/opt/google/chrome/)</source>
        <translation>encontrado em %1, na pasta pessoal desta conta: uma conta de criança nunca o usa dali, só de onde uma instalação para toda a máquina o coloca (/opt/google/chrome/)</translation>
    </message>
    <message>
        <source>cannot run, so child accounts cannot log in: GDM here runs X alone (WaylandEnable=false), and Tovalin&apos;s session for X11 is missing %1 (sudo apt-get install --reinstall tovalin)</source>
        <translation>não pode iniciar, então as contas infantis não podem entrar: o GDM aqui usa só o X (WaylandEnable=false), e à sessão do Tovalin para X11 falta %1 (sudo apt-get install --reinstall tovalin)</translation>
    </message>
</context>
<context>
    <name>tovalin-child</name>
    <message>
        <source>There is no account %1; nothing was changed. To make one, run: tovalin-child add --create %1</source>
        <translation>Não existe a conta %1; nada foi alterado. Para criá-la, execute: tovalin-child add --create %1</translation>
    </message>
    <message>
        <source>%1 is the administrator&apos;s account root; nothing was changed.</source>
        <translation>%1 é a conta de administrador root; nada foi alterado.</translation>
    </message>
    <message>
        <source>%1 is an administrator (in the group %2); a child account must be a standard one. Nothing was changed.</source>
        <translation>%1 é um administrador (no grupo %2); uma conta de criança deve ser uma conta padrão. Nada foi alterado.</translation>
    </message>
    <message>
        <source>adduser could not make the account %1; nothing else was changed.</source>
        <translation>o adduser não conseguiu criar a conta %1; nada mais foi alterado.</translation>
    </message>
    <message>
        <source>%1 is a child account already; nothing was changed.</source>
        <translation>%1 já é uma conta de criança; nada foi alterado.</translation>
    </message>
    <message>
        <source>cannot keep the sessions of %1 for undoing: %2; nothing was changed.</source>
        <translation>não foi possível guardar as sessões de %1 para desfazer: %2; nada foi alterado.</translation>
    </message>
    <message>
        <source>cannot set the session of %1 to Tovalin&apos;s: %2; nothing was changed.</source>
        <translation>não foi possível definir a sessão de %1 como a do Tovalin: %2; nada foi alterado.</translation>
    </message>
    <message>
        <source>adduser could not add %1 to the group %2; nothing was changed.</source>
        <translation>o adduser não conseguiu adicionar %1 ao grupo %2; nada foi alterado.</translation>
    </message>
    <message>
        <source>%1 is a child account: it is in the group %2 and its session is Tovalin&apos;s. It can log in to that session alone, at the login screen or by automatic login.</source>
        <translation>%1 é uma conta de criança: está no grupo %2 e sua sessão é a do Tovalin. Ela só pode entrar nessa sessão, pela tela de login ou por login automático.</translation>
    </message>
    <message>
        <source>%1 is not a child account; nothing was changed.</source>
        <translation>%1 não é uma conta de criança; nada foi alterado.</translation>
    </message>
    <message>
        <source>cannot restore the sessions of %1: %2; nothing was changed.</source>
        <translation>não foi possível restaurar as sessões de %1: %2; nada foi alterado.</translation>
    </message>
    <message>
        <source>gpasswd could not take %1 out of the group %2; run the command again.</source>
        <translation>o gpasswd não conseguiu tirar %1 do grupo %2; execute o comando novamente.</translation>
    </message>
    <message>
        <source>%1 is no longer a child account: it left the group %2 and has its earlier session back. The account itself stays.</source>
        <translation>%1 não é mais uma conta de criança: saiu do grupo %2 e voltou à sessão anterior. A conta em si continua existindo.</translation>
    </message>
    <message>
        <source>%1 is not an account name.</source>
        <translation>%1 não é um nome de conta.</translation>
    </message>
    <message>
        <source>run it as root, for example with sudo</source>
        <translation>execute como root, por exemplo com sudo</translation>
    </message>
    <message>
        <source>the group %1 is missing; reinstall the tovalin package.</source>
        <translation>o grupo %1 está faltando; reinstale o pacote tovalin.</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>Não é possível ler %1</translation>
    </message>
    <message>
        <source>The PAM rule for child accounts is not in force: /etc/pam.d/common-session does not run pam_tovalin.so. Nothing was changed. Run: sudo pam-auth-update --enable tovalin</source>
        <translation>A regra PAM das contas infantis não está em vigor: /etc/pam.d/common-session não executa pam_tovalin.so. Nada foi alterado. Execute: sudo pam-auth-update --enable tovalin</translation>
    </message>
    <message>
        <source>%1 is a system account (its uid %2 is outside UID_MIN to UID_MAX of /etc/login.defs), not a person&apos;s. Nothing was changed.</source>
        <translation>%1 é uma conta do sistema (seu uid %2 está fora do intervalo de UID_MIN a UID_MAX de /etc/login.defs), não a de uma pessoa. Nada foi alterado.</translation>
    </message>
    <message>
        <source>%1 is not a person&apos;s account: its shell %2 is no login shell of /etc/shells. Nothing was changed.</source>
        <translation>%1 não é a conta de uma pessoa: seu shell %2 não é um shell de login de /etc/shells. Nada foi alterado.</translation>
    </message>
    <message>
        <source>sudo -l -U %1 did not say whether %1 may run commands as another user; nothing was changed.</source>
        <translation>sudo -l -U %1 não disse se %1 pode executar comandos como outro usuário; nada foi alterado.</translation>
    </message>
    <message>
        <source>%1 may run commands as another user (sudo -l -U %1 lists them); a child account must be a standard one. Nothing was changed.</source>
        <translation>%1 pode executar comandos como outro usuário (sudo -l -U %1 os lista); uma conta de criança deve ser uma conta padrão. Nada foi alterado.</translation>
    </message>
    <message>
        <source>The home of %1 holds files that would run at its logins: %2. Move them out of the home, then run tovalin-child add %1 again, or run tovalin-child add --fresh-home %1 to move the whole home aside. Nothing was changed.</source>
        <translation>A pasta pessoal de %1 contém arquivos que seriam executados nos seus logins: %2. Tire-os da pasta pessoal e depois execute tovalin-child add %1 novamente, ou execute tovalin-child add --fresh-home %1 para pôr de lado a pasta pessoal inteira. Nada foi alterado.</translation>
    </message>
    <message>
        <source>%1 is not a home folder of the account&apos;s own</source>
        <translation>%1 não é uma pasta pessoal da própria conta</translation>
    </message>
    <message>
        <source>%1 was moved to %2, which could not be made root&apos;s alone: %3</source>
        <translation>%1 foi movida para %2, que não pôde ficar só para o root: %3</translation>
    </message>
    <message>
        <source>%1 was moved to %2, but mkhomedir_helper could not make a new home</source>
        <translation>%1 foi movida para %2, mas o mkhomedir_helper não conseguiu criar uma pasta pessoal nova</translation>
    </message>
    <message>
        <source>cannot make a fresh home for %1: %2. Nothing else was changed.</source>
        <translation>não foi possível criar uma pasta pessoal nova para %1: %2. Nada mais foi alterado.</translation>
    </message>
    <message>
        <source>The old home of %1 is now %2, readable by root alone; %1 has a new home made from /etc/skel.</source>
        <translation>A pasta pessoal antiga de %1 agora é %2, legível só pelo root; %1 tem uma pasta pessoal nova criada a partir de /etc/skel.</translation>
    </message>
    <message>
        <source>Every session and process of %1 was ended, and its user manager no longer starts at boot.</source>
        <translation>Todas as sessões e processos de %1 foram encerrados, e seu gerenciador de usuário não inicia mais com o sistema.</translation>
    </message>
    <message>
        <source>logind could not end what %1 runs (%2): log it out, or restart the machine, before the child uses it.</source>
        <translation>o logind não conseguiu encerrar o que %1 executa (%2): encerre a sessão dela, ou reinicie a máquina, antes que a criança a use.</translation>
    </message>
    <message>
        <source>Makes an account a child account, which runs Tovalin and nothing else; undoes that; lists the child accounts.</source>
        <translation>Torna uma conta uma conta de criança, que executa o Tovalin e nada mais; desfaz isso; lista as contas de criança.</translation>
    </message>
    <message>
        <source>add: make the account first.</source>
        <translation>add: cria a conta antes.</translation>
    </message>
    <message>
        <source>add: move a refused home aside and make a fresh one.</source>
        <translation>add: põe de lado uma pasta pessoal recusada e cria uma nova.</translation>
    </message>
    <message>
        <source>add, remove or list.</source>
        <translation>add, remove ou list.</translation>
    </message>
    <message>
        <source>a command is needed: add, remove or list</source>
        <translation>é preciso um comando: add, remove ou list</translation>
    </message>
    <message>
        <source>unknown command: %1</source>
        <translation>comando desconhecido: %1</translation>
    </message>
    <message>
        <source>--create and --fresh-home are for add alone</source>
        <translation>--create e --fresh-home são só para add</translation>
    </message>
    <message>
        <source>list takes no account name</source>
        <translation>list não aceita nome de conta</translation>
    </message>
    <message>
        <source>%1 needs an account name</source>
        <translation>%1 precisa de um nome de conta</translation>
    </message>
</context>
<context>
    <name>tovalin-session-check</name>
    <message>
        <source>This account opens Tovalin&apos;s session alone: pick Tovalin at the login screen.</source>
        <translation>Esta conta abre apenas a sessão do Tovalin: escolha Tovalin na tela de login.</translation>
    </message>
    <message>
        <source>This account logs in only at the login screen, to Tovalin.</source>
        <translation>Esta conta entra apenas pela tela de login, no Tovalin.</translation>
    </message>
    <message>
        <source>Tovalin&apos;s session cannot start on this computer. A parent can run tovalin-check.</source>
        <translation>A sessão do Tovalin não pode iniciar neste computador. Um responsável pode executar tovalin-check.</translation>
    </message>
    <message>
        <source>Tovalin&apos;s watcher is not running, so this account cannot log in now.</source>
        <translation>O vigia do Tovalin não está em execução, então esta conta não pode entrar agora.</translation>
    </message>
    <message>
        <source>This account&apos;s home holds files that would run at its login; a parent must remove them.</source>
        <translation>A pasta pessoal desta conta contém arquivos que seriam executados ao entrar; um responsável precisa removê-los.</translation>
    </message>
    <message>
        <source>This account cannot log in this way.</source>
        <translation>Esta conta não pode entrar desta forma.</translation>
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
        <source>%1 was written, but is not safe to trust; see tovalin-set-password(8)</source>
        <translation>%1 foi gravado, mas não é confiável; consulte tovalin-set-password(8)</translation>
    </message>
    <message>
        <source>The parental password is set. Tovalin asks for it from now on.</source>
        <translation>A senha dos pais foi definida. De agora em diante, o Tovalin vai pedi-la.</translation>
    </message>
    <message>
        <source>the password could not be hashed</source>
        <translation>não foi possível gerar o hash da senha</translation>
    </message>
    <message>
        <source>Sets the parental password for every account of this machine.</source>
        <translation>Define a senha dos pais para todas as contas desta máquina.</translation>
    </message>
</context>
</TS>
