<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>ClassChart</name>
    <message>
        <source>Class reaction times: simple against choice</source>
        <translation>Tempos de reação da turma: simples contra escolha</translation>
    </message>
    <message>
        <source>One dot for each student&apos;s mean reaction time (%1): the mean of their set means, in whole ms as stored. Box: lower to upper quartile; thick line: median; whiskers: the furthest means within 1.5 box lengths.</source>
        <translation>Um ponto para o tempo de reação médio de cada estudante (%1): a média das médias dos seus blocos, em ms inteiros como armazenados. Caixa: do quartil inferior ao superior; linha grossa: mediana; bigodes: as médias mais distantes dentro de 1,5 comprimento da caixa.</translation>
    </message>
    <message numerus="yes">
        <source>%n student(s)</source>
        <translation>
            <numerusform>%n estudante</numerusform>
            <numerusform>%n estudantes</numerusform>
        </translation>
    </message>
    <message>
        <source>No reaction times in the files read</source>
        <translation>Nenhum tempo de reação nos arquivos lidos</translation>
    </message>
    <message>
        <source>n = %1, mean %2 ms</source>
        <translation>n = %1, média %2 ms</translation>
    </message>
    <message>
        <source>%1 − simple: %2 ms (95 % CI %3 to %4, %5 students)</source>
        <translation>%1 − simples: %2 ms (IC 95% de %3 a %4, %5 estudantes)</translation>
    </message>
    <message>
        <source>Class reaction times</source>
        <translation>Tempos de reação da turma</translation>
    </message>
    <message>
        <source>Bars beside each box: every run that counts (%1 runs; class-notes.txt says which), as shares of the test&apos;s runs in bins of %2 ms.</source>
        <translation>Barras ao lado de cada caixa: todas as tentativas que contam (%1 tentativas; class-notes.txt diz quais), como proporções das tentativas do teste em classes de %2 ms.</translation>
    </message>
    <message>
        <source>reaction time (ms)</source>
        <translation>tempo de reação (ms)</translation>
    </message>
</context>
<context>
    <name>ClassFiles</name>
    <message>
        <source>not a recover.dat, .nrm or .col file</source>
        <translation>não é um arquivo recover.dat, .nrm ou .col</translation>
    </message>
    <message>
        <source>left out %1: a shared account&apos;s recover.dat holds whoever ran last</source>
        <translation>%1 deixado de fora: o recover.dat de uma conta compartilhada contém os dados de quem a usou por último</translation>
    </message>
    <message>
        <source>a named pipe (FIFO), not read</source>
        <translation>um pipe nomeado (FIFO), não lido</translation>
    </message>
    <message>
        <source>a socket, not read</source>
        <translation>um socket, não lido</translation>
    </message>
    <message>
        <source>a device, not read</source>
        <translation>um dispositivo, não lido</translation>
    </message>
    <message>
        <source>a link, not followed in a hand-in folder</source>
        <translation>um link, não seguido em uma pasta de entrega</translation>
    </message>
    <message>
        <source>handed in by user %1 beside the students&apos; folders, not in one</source>
        <translation>entregue pelo usuário %1 ao lado das pastas dos estudantes, não dentro de uma delas</translation>
    </message>
    <message>
        <source>no user %1 on this machine; the folder is left out</source>
        <translation>não há usuário %1 nesta máquina; a pasta fica de fora</translation>
    </message>
    <message>
        <source>the folder belongs to user %1, not %2; its files are left out</source>
        <translation>a pasta pertence ao usuário %1, não a %2; seus arquivos ficam de fora</translation>
    </message>
    <message>
        <source>a folder within a student&apos;s folder, not read</source>
        <translation>uma pasta dentro da pasta de um estudante, não lida</translation>
    </message>
    <message>
        <source>handed in by user %1, not %2</source>
        <translation>entregue pelo usuário %1, não por %2</translation>
    </message>
    <message>
        <source>in a folder of user %1, not %2</source>
        <translation>em uma pasta do usuário %1, não de %2</translation>
    </message>
</context>
<context>
    <name>ClassMachines</name>
    <message>
        <source>The machines

Each stored time includes what the machine it was measured on adds: the monitor&apos;s lag (the
colour stimuli) or the sound output&apos;s (the tones), and the mouse&apos;s (its polling, its debounce,
the input path). The machine check (brevane --check-machine) measured them on each machine
below with a photodiode, a loop cable and a microphone through the sound card; a student&apos;s
reaction time is about the stored time less the stimulus part&apos;s lag and the mouse&apos;s. Within one
machine they do not change a difference between tests (choice minus simple), so the paired
intervals in class.csv stand; times from machines whose lags differ are longer or shorter by
that difference. sets.csv and students.csv end with the machine of each file and its lags.

</source>
        <translation>As máquinas

Cada tempo armazenado inclui o que a máquina em que foi medido acrescenta: o atraso do monitor (estímulos
de cor) ou da saída de som (tons), e o do mouse (sua taxa de consulta, seu debounce, o caminho da entrada).
A verificação da máquina (brevane --check-machine) mediu-os em cada máquina abaixo com um fotodiodo, um cabo
em laço e um microfone pela placa de som; o tempo de reação de um estudante é aproximadamente o tempo
armazenado menos o atraso da parte do estímulo e o do mouse. Em uma mesma máquina eles não mudam uma diferença
entre testes (escolha menos simples), então os intervalos pareados em class.csv continuam válidos; tempos de
máquinas com atrasos diferentes são mais longos ou mais curtos por essa diferença. sets.csv e students.csv
terminam com a máquina de cada arquivo e seus atrasos.

</translation>
    </message>
    <message>
        <source>%1 (checked %2; %3; files: %4): %5
</source>
        <translation>%1 (verificada em %2; %3; arquivos: %4): %5
</translation>
    </message>
    <message>
        <source>mode not known</source>
        <translation>modo desconhecido</translation>
    </message>
    <message>
        <source>Screen and mouse together add %1 to %2 ms on these machines: a visual time measured on
one may differ from another&apos;s by up to %3 ms from the machines alone.
</source>
        <translation>Tela e mouse juntos acrescentam de %1 a %2 ms nestas máquinas: um tempo visual medido em
uma pode diferir do de outra em até %3 ms só por causa das máquinas.
</translation>
    </message>
</context>
<context>
    <name>ClassRun</name>
    <message>
        <source>skipped %1: %2</source>
        <translation>%1 ignorado: %2</translation>
    </message>
    <message>
        <source>%1 is a copy of %2: read once</source>
        <translation>%1 é uma cópia de %2: lido uma única vez</translation>
    </message>
    <message>
        <source>%1 of %2 files read</source>
        <translation>%1 de %2 arquivos lidos</translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>não é possível criar a pasta %1</translation>
    </message>
    <message>
        <source>could not write %1: %2</source>
        <translation>não foi possível gravar %1: %2</translation>
    </message>
    <message>
        <source>%1 read</source>
        <translation>%1</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n arquivo lido</numerusform>
            <numerusform>%n arquivos lidos</numerusform>
        </translation>
    </message>
    <message>
        <source> (and %1 read once)</source>
        <translation> (e %1)</translation>
    </message>
    <message numerus="yes">
        <source>%n copy(ies)</source>
        <translation>
            <numerusform>%n cópia lida uma única vez</numerusform>
            <numerusform>%n cópias lidas uma única vez</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2 skipped; %3 (%4 by folder, %5 by file name); tests: %6</source>
        <translation>%1, ignorados: %2; %3 (%4 pela pasta, %5 pelo nome do arquivo); testes: %6</translation>
    </message>
    <message numerus="yes">
        <source>%n student(s)</source>
        <translation>
            <numerusform>%n estudante</numerusform>
            <numerusform>%n estudantes</numerusform>
        </translation>
    </message>
    <message>
        <source>none</source>
        <translation>nenhum</translation>
    </message>
</context>
<context>
    <name>ClassSummary</name>
    <message>
        <source>.%1 file</source>
        <translation>arquivo .%1</translation>
    </message>
    <message>
        <source>it has %1 lines; a %2 has %3</source>
        <translation>tem %1 linhas; um %2 tem %3</translation>
    </message>
    <message>
        <source>line %1 is not what a %2 holds there</source>
        <translation>a linha %1 não é o que um %2 contém ali</translation>
    </message>
    <message>
        <source>it has more than the %1 lines of a %2</source>
        <translation>tem mais que as %1 linhas de um %2</translation>
    </message>
    <message>
        <source>%1: %2 holds %3 sets that %4 holds too; each taken once</source>
        <translation>%1: %2 contém %3 blocos que %4 também contém; cada um contado uma única vez</translation>
    </message>
    <message>
        <source>%1 has two different %2 files, %3 and %4: both kept as separate sets</source>
        <translation>%1 tem dois arquivos %2 diferentes, %3 e %4: ambos mantidos como blocos separados</translation>
    </message>
    <message>
        <source>%1 handed in</source>
        <translation>%1</translation>
    </message>
    <message numerus="yes">
        <source>%n student(s)</source>
        <translation>
            <numerusform>%n estudante entregou</numerusform>
            <numerusform>%n estudantes entregaram</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>cannot create or enter the folder %1; files are kept in %2</source>
        <translation>não é possível criar a pasta %1 nem entrar nela; os arquivos ficam em %2</translation>
    </message>
    <message>
        <source>Usage: %1 [--user-folder] [--hand-in DIR] [--unlock] [--language CODE]
          [CONFIGURATION-FILE]
       %1 --timing-check | --check-machine | --version | --help

Simple vs Complex Stimulus Reaction Timing: a student&apos;s reaction times to a
tone, a colour change or both, in a simple test and two choice tests.

  CONFIGURATION-FILE  the configuration to use instead of %2; a relative
                      name is taken in the folder where files are kept
  --user-folder       keep files in the per-user folder, created when missing:
                      %3
                      (the desktop menu entry starts the program this way)
  --hand-in DIR       also hand each saved .nrm and .col file and each
                      recover.dat in to DIR/&lt;login name&gt;/, for the teacher
                      (set for every user in /etc/xdg/Brevane/Brevane.conf;
                      man brevane)
  --unlock            where the lab locks the settings, let a member of the
                      lab&apos;s group of teachers change them in this session
  --timing-check      show a flashing patch for a photodiode or a camera, with
                      the refresh rate, the frame time jitter and the stamp
                      sources in use (Esc or a click ends it)
  --check-machine     check this PC end to end through its sound card&apos;s input: the
                      screen by a photodiode, the sound by a cable from the output,
                      the mouse by its click; keeps the lags for the about box and
                      the class summary (docs/guide.md)
  --language CODE     show the program in this language (de, ja, ar, ...;
                      English where it has no translation) instead of the
                      system&apos;s or the one set in Brevane.conf
  --version           print the version and end
  --help              print this text and end

Files are kept in the current directory, or with --user-folder in the folder
above: %2 (the configuration, written with the defaults when missing)
and recover.dat (every test&apos;s sets, rewritten when a series ends; Recover on
the main menu reads it back). The file dialogs open there; results files
(.nrm, .col) go where you save them.
</source>
        <translation>Uso: %1 [--user-folder] [--hand-in PASTA] [--unlock] [--language CÓDIGO]
          [ARQUIVO-DE-CONFIGURAÇÃO]
     %1 --timing-check | --check-machine | --version | --help

Tempo de reação a estímulos simples e complexos: os tempos de reação de um estudante
a um tom, a uma mudança de cor ou a ambos, em um teste simples e dois testes de escolha.

  ARQUIVO-DE-CONFIGURAÇÃO  a configuração a usar no lugar de %2; um nome
                      relativo é procurado na pasta onde os arquivos ficam
  --user-folder       mantém os arquivos na pasta do usuário, criada se faltar:
                      %3
                      (o item do menu da área de trabalho inicia o programa assim)
  --hand-in PASTA     também entrega cada arquivo .nrm e .col salvo e cada
                      recover.dat em PASTA/&lt;nome de login&gt;/, para o professor
                      (definido para todos os usuários em
                      /etc/xdg/Brevane/Brevane.conf; man brevane)
  --unlock            onde o laboratório bloqueia as configurações, permite a um
                      membro do grupo de professores alterá-las nesta sessão
  --timing-check      mostra um quadrado piscante para um fotodiodo ou uma câmera,
                      com a taxa de atualização, o jitter dos quadros e as fontes
                      das marcas de tempo em uso (Esc ou um clique encerra)
  --check-machine     verifica este PC de ponta a ponta pela entrada da placa de
                      som: a tela por um fotodiodo, o som por um cabo da saída, o
                      mouse pelo seu clique; guarda os atrasos para a janela Sobre
                      e o resumo da turma (docs/guide.md)
  --language CÓDIGO   mostra o programa neste idioma (de, ja, ar, ...;
                      inglês onde não há tradução) em vez do idioma do
                      sistema ou do definido em Brevane.conf
  --version           mostra a versão e encerra
  --help              mostra este texto e encerra

Os arquivos ficam na pasta atual ou, com --user-folder, na pasta indicada
acima: %2 (a configuração, gravada com os valores padrão se faltar)
e recover.dat (os blocos de todos os testes, regravado ao fim de cada sequência;
Recuperar no menu principal o lê de volta). As caixas de diálogo de arquivo abrem
ali; os arquivos de resultados (.nrm, .col) vão para onde você os salvar.
</translation>
    </message>
</context>
<context>
    <name>DisplayStamps</name>
    <message>
        <source>; times may be one frame long: see the guide</source>
        <translation>; os tempos podem incluir um quadro a mais: veja o guia</translation>
    </message>
    <message>
        <source>The window system does not say when a frame is shown</source>
        <translation>O sistema de janelas não informa quando um quadro é exibido</translation>
    </message>
    <message>
        <source>The X server does not say when a frame is shown</source>
        <translation>O servidor X não informa quando um quadro é exibido</translation>
    </message>
    <message>
        <source>XWayland shows the window through the Wayland compositor</source>
        <translation>O XWayland mostra a janela através do compositor Wayland</translation>
    </message>
    <message>
        <source>Some stimuli were stamped by %1</source>
        <translation>Alguns estímulos receberam a marca de tempo de %1</translation>
    </message>
    <message>
        <source>the display&apos;s refresh</source>
        <translation>a atualização da tela</translation>
    </message>
    <message>
        <source>the X server&apos;s refresh, not the pixel&apos;s</source>
        <translation>a atualização do servidor X, não a do pixel</translation>
    </message>
    <message>
        <source>the compositor&apos;s frame timings</source>
        <translation>os tempos de quadro do compositor</translation>
    </message>
    <message>
        <source>the screen read back</source>
        <translation>a releitura da tela</translation>
    </message>
    <message>
        <source>the Wayland compositor&apos;s report of the frame</source>
        <translation>o informe do quadro pelo compositor Wayland</translation>
    </message>
    <message>
        <source>the hand-over to the X server</source>
        <translation>a passagem ao servidor X</translation>
    </message>
    <message>
        <source>the clock after a repaint</source>
        <translation>o relógio após um redesenho</translation>
    </message>
    <message>
        <source>%1 (exact)</source>
        <translation>%1 (exato)</translation>
    </message>
    <message>
        <source>%1 (estimated)</source>
        <translation>%1 (estimado)</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nenhum</translation>
    </message>
    <message>
        <source>%1 Hz</source>
        <translation>%1 Hz</translation>
    </message>
    <message>
        <source>not reported (a virtual screen)</source>
        <translation>não informada (uma tela virtual)</translation>
    </message>
    <message>
        <source>The Wayland compositor estimates when a frame is shown; times may be one frame long: see the guide</source>
        <translation>O compositor Wayland estima quando um quadro é exibido; os tempos podem incluir um quadro a mais: veja o guia</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>Reflex Data Files (*.nrm)|*.nrm</source>
        <translation>Arquivos de dados Reflex (*.nrm)|*.nrm</translation>
    </message>
    <message>
        <source>Reflex Data Files (*.col)|*.col</source>
        <translation>Arquivos de dados Reflex (*.col)|*.col</translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
        File already exisits. Do you want to overwrite?</source>
        <translation><byte value="xd"/>
<byte value="xd"/>
        O arquivo já existe. Deseja sobrescrevê-lo?</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Salvar arquivo</translation>
    </message>
    <message>
        <source>Save File Error</source>
        <translation>Erro ao salvar arquivo</translation>
    </message>
    <message>
        <source>Save Cancelled</source>
        <translation>Salvamento cancelado</translation>
    </message>
    <message>
        <source>Load File Error</source>
        <translation>Erro ao carregar arquivo</translation>
    </message>
    <message>
        <source>Load Cancelled</source>
        <translation>Carregamento cancelado</translation>
    </message>
    <message>
        <source>Export to CSV</source>
        <translation>Exportar para CSV</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)|*.csv</source>
        <translation>Arquivos CSV (*.csv)|*.csv</translation>
    </message>
</context>
<context>
    <name>FileRead</name>
    <message>
        <source>%1 is a folder, not a file.</source>
        <translation>%1 é uma pasta, não um arquivo.</translation>
    </message>
    <message>
        <source>%1 holds %2 MB, far more than any file of this program; it was not read.</source>
        <translation>%1 tem %2 MB, muito mais que qualquer arquivo deste programa; não foi lido.</translation>
    </message>
    <message>
        <source>%1 is far larger than any file of this program; it was not read.</source>
        <translation>%1 é muito maior que qualquer arquivo deste programa; não foi lido.</translation>
    </message>
</context>
<context>
    <name>HandIn</name>
    <message>
        <source>Hand-in</source>
        <translation>Entrega</translation>
    </message>
    <message>
        <source>the hand-in folder is missing</source>
        <translation>a pasta de entrega não existe</translation>
    </message>
    <message>
        <source>Not handed in to %1: %2.
Your file is saved on this computer; it is handed in at your next save.</source>
        <translation>Não entregue em %1: %2.
Seu arquivo está salvo neste computador; ele será entregue no seu próximo salvamento.</translation>
    </message>
    <message>
        <source>the hand-in folder is still not answering</source>
        <translation>a pasta de entrega continua sem responder</translation>
    </message>
    <message>
        <source>the hand-in folder did not answer</source>
        <translation>a pasta de entrega não respondeu</translation>
    </message>
    <message>
        <source>the folder %1 in the hand-in folder is a link, not a folder</source>
        <translation>a pasta %1 na pasta de entrega é um link, não uma pasta</translation>
    </message>
    <message>
        <source>%1 in the hand-in folder is not a folder</source>
        <translation>%1 na pasta de entrega não é uma pasta</translation>
    </message>
    <message>
        <source>the folder %1 in the hand-in folder belongs to another user</source>
        <translation>a pasta %1 na pasta de entrega pertence a outro usuário</translation>
    </message>
</context>
<context>
    <name>HandoutPage</name>
    <message>
        <source>beyond your median ± 3 scaled MADs of the test</source>
        <translation>além da sua mediana ± 3 MADs escalonados do teste</translation>
    </message>
    <message>
        <source>beyond your mean ± 3 SD of the test</source>
        <translation>além da sua média ± 3 DP do teste</translation>
    </message>
    <message>
        <source>none cut here</source>
        <translation>nenhuma excluída aqui</translation>
    </message>
    <message>
        <source>Reaction times of %1</source>
        <translation>Tempos de reação de %1</translation>
    </message>
    <message>
        <source>Your times beside your class&apos;s (%1 students), in whole milliseconds as stored.</source>
        <translation>Seus tempos ao lado dos da sua turma (%1 estudantes), em milissegundos inteiros como armazenados.</translation>
    </message>
    <message>
        <source>test</source>
        <translation>teste</translation>
    </message>
    <message>
        <source>sets</source>
        <translation>blocos</translation>
    </message>
    <message>
        <source>runs that count</source>
        <translation>tentativas que contam</translation>
    </message>
    <message>
        <source>mean</source>
        <translation>média</translation>
    </message>
    <message>
        <source>median</source>
        <translation>mediana</translation>
    </message>
    <message>
        <source>anticipations</source>
        <translation>antecipações</translation>
    </message>
    <message>
        <source>lapses</source>
        <translation>lapsos</translation>
    </message>
    <message>
        <source>outliers</source>
        <translation>valores atípicos</translation>
    </message>
    <message>
        <source>Runs that count: all but missed hits, anticipations (under %1 ms), lapses (over %2 ms) and outliers (%3). mean: the mean of your set means, every time as stored. median, μ, σ, τ: your runs but missed hits, anticipations and lapses; μ, σ, τ: the ex-Gaussian fitted to them, a normal part (μ, σ) plus an exponential part of mean τ, the slow tail; from %4 runs on.</source>
        <translation>Tentativas que contam: todas exceto alvos perdidos, antecipações (abaixo de %1 ms), lapsos (acima de %2 ms) e valores atípicos (%3). média: a média das médias dos seus blocos, cada tempo como armazenado. mediana, μ, σ, τ: suas tentativas exceto alvos perdidos, antecipações e lapsos; μ, σ, τ: a ex-gaussiana ajustada a elas, uma parte normal (μ, σ) mais uma parte exponencial de média τ, a cauda lenta; a partir de %4 tentativas.</translation>
    </message>
    <message>
        <source>Grey: the class&apos;s runs that count; outlined: yours, each as shares of its runs. Ticks: the class&apos;s means; the dot: yours.</source>
        <translation>Cinza: as tentativas que contam da turma; contorno: as suas, cada uma como proporção das suas tentativas. Marcas: as médias da turma; o ponto: a sua.</translation>
    </message>
    <message>
        <source>No mean: none of your runs is a reaction time.</source>
        <translation>Sem média: nenhuma das suas tentativas é um tempo de reação.</translation>
    </message>
    <message>
        <source>Your mean, %1 ms; nobody else took this test.</source>
        <translation>Sua média, %1 ms; ninguém mais fez este teste.</translation>
    </message>
    <message>
        <source>Your mean, %1 ms: of the %2 others, %3 faster, %4 slower.</source>
        <translation>Sua média, %1 ms: dos outros %2, %3 mais rápidos, %4 mais lentos.</translation>
    </message>
</context>
<context>
    <name>Handouts</name>
    <message>
        <source>Reaction times: a page for each student</source>
        <translation>Tempos de reação: uma página para cada estudante</translation>
    </message>
</context>
<context>
    <name>Lab</name>
    <message>
        <source>The settings are locked by the lab (LockSettings in %1).</source>
        <translation>As configurações estão bloqueadas pelo laboratório (LockSettings em %1).</translation>
    </message>
    <message>
        <source>Nobody may unlock the settings here: %1 names no group of teachers (Teachers in its [Lab] section).</source>
        <translation>Ninguém pode desbloquear as configurações aqui: %1 não indica nenhum grupo de professores (Teachers na sua seção [Lab]).</translation>
    </message>
    <message>
        <source>The settings are locked by the lab (LockSettings in %1); a member of the group %2 may change them by starting the program with --unlock.</source>
        <translation>As configurações estão bloqueadas pelo laboratório (LockSettings em %1); um membro do grupo %2 pode alterá-las iniciando o programa com --unlock.</translation>
    </message>
    <message>
        <source>Only a member of the group %1 may unlock the settings with --unlock, which %2 is not; the settings stay locked.</source>
        <translation>Só um membro do grupo %1 pode desbloquear as configurações com --unlock, e %2 não é; as configurações continuam bloqueadas.</translation>
    </message>
</context>
<context>
    <name>MachineCheck</name>
    <message>
        <source>%1 of %2 trials</source>
        <translation>%1 de %2 medições</translation>
    </message>
    <message>
        <source>the signal is too weak (%1): turn the input volume up, or the screen&apos;s brightness, and hold the diode flat on the patch</source>
        <translation>o sinal está fraco demais (%1): aumente o volume de entrada ou o brilho da tela, e mantenha o diodo bem encostado no quadrado</translation>
    </message>
    <message>
        <source>the signal is too weak (%1): turn the output and the input volume up</source>
        <translation>o sinal está fraco demais (%1): aumente o volume de saída e o de entrada</translation>
    </message>
    <message>
        <source>the clicks are too faint (%1): put the microphone closer to the mouse and turn the input volume up</source>
        <translation>os cliques estão fracos demais (%1): aproxime o microfone do mouse e aumente o volume de entrada</translation>
    </message>
    <message>
        <source>the signal is too noisy (%1): keep the room quiet, the cable short and away from the mains, and turn the input volume down if it hums</source>
        <translation>o sinal tem ruído demais (%1): mantenha a sala silenciosa e o cabo curto e longe da rede elétrica, e diminua o volume de entrada se houver zumbido</translation>
    </message>
    <message>
        <source>the recording broke off (%1): close other programs that use the sound card and try again</source>
        <translation>a gravação foi interrompida (%1): feche outros programas que usam a placa de som e tente de novo</translation>
    </message>
    <message>
        <source>no flash was seen in %1: is the diode on the patch and plugged into the input that records?</source>
        <translation>nenhum clarão foi visto em %1: o diodo está no quadrado e ligado à entrada que grava?</translation>
    </message>
    <message>
        <source>no tone came back in %1: is the output looped to the input that records?</source>
        <translation>nenhum tom voltou em %1: a saída está ligada em laço à entrada que grava?</translation>
    </message>
    <message>
        <source>no click was heard in %1: is the microphone next to the mouse?</source>
        <translation>nenhum clique foi ouvido em %1: o microfone está ao lado do mouse?</translation>
    </message>
    <message>
        <source>too few trials (%1)</source>
        <translation>medições de menos (%1)</translation>
    </message>
</context>
<context>
    <name>MachineResult</name>
    <message>
        <source>it is not a machine check&apos;s result</source>
        <translation>não é o resultado de uma verificação da máquina</translation>
    </message>
    <message>
        <source>line %1 is not a part&apos;s lag</source>
        <translation>a linha %1 não é o atraso de uma parte</translation>
    </message>
    <message>
        <source>it names no machine</source>
        <translation>não indica nenhuma máquina</translation>
    </message>
    <message>
        <source>%1 %2 ms (SD %3)</source>
        <translation>%1 %2 ms (DP %3)</translation>
    </message>
    <message>
        <source>%1: not measured</source>
        <translation>%1: não medido</translation>
    </message>
    <message>
        <source>Machine check: not done on this machine (brevane --check-machine)</source>
        <translation>Verificação da máquina: não feita nesta máquina (brevane --check-machine)</translation>
    </message>
    <message>
        <source>Machine check (%1, %2): %3</source>
        <translation>Verificação da máquina (%1, %2): %3</translation>
    </message>
</context>
<context>
    <name>ProgramVersion</name>
    <message>
        <source>Version %1.%2%3</source>
        <translation>Versão %1.%2%3</translation>
    </message>
</context>
<context>
    <name>QtPrinting</name>
    <message>
        <source>The printer %1 could not be opened.</source>
        <translation>Não foi possível abrir a impressora %1.</translation>
    </message>
    <message>
        <source>The printer %1 reported an error.</source>
        <translation>A impressora %1 informou um erro.</translation>
    </message>
    <message>
        <source>The PDF could not be completed.</source>
        <translation>Não foi possível concluir o PDF.</translation>
    </message>
    <message>
        <source>The PDF could not be started.</source>
        <translation>Não foi possível iniciar o PDF.</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Configurar impressão</translation>
    </message>
</context>
<context>
    <name>RecoveryFile</name>
    <message>
        <source>The recovery file recover.dat could not be written.</source>
        <translation>Não foi possível gravar o arquivo de recuperação recover.dat.</translation>
    </message>
    <message>
        <source><byte value="xd"/>Your data are kept in memory.</source>
        <translation><byte value="xd"/>Seus dados ficam na memória.</translation>
    </message>
    <message>
        <source>Recovery File Error</source>
        <translation>Erro no arquivo de recuperação</translation>
    </message>
    <message>
        <source>Load Cancelled</source>
        <translation>Carregamento cancelado</translation>
    </message>
    <message>
        <source>No Recovery File Created or Found</source>
        <translation>Nenhum arquivo de recuperação criado ou encontrado</translation>
    </message>
    <message>
        <source>Load File Error</source>
        <translation>Erro ao carregar arquivo</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Fastest Time</source>
        <translation>Tempo mais rápido</translation>
    </message>
    <message>
        <source>Slowest Time</source>
        <translation>Tempo mais lento</translation>
    </message>
    <message>
        <source>Average Time</source>
        <translation>Tempo médio</translation>
    </message>
    <message>
        <source>Correct Hits</source>
        <translation>Acertos</translation>
    </message>
    <message>
        <source>Correct Misses</source>
        <translation>Rejeições corretas</translation>
    </message>
    <message>
        <source>InCorrect Hits</source>
        <translation>Erros</translation>
    </message>
    <message>
        <source>Missed Hits</source>
        <translation>Alvos perdidos</translation>
    </message>
    <message>
        <source>Orv Tovanel:  Color Reflex Data</source>
        <translation>Orv Tovanel:  Dados de reação de cor</translation>
    </message>
    <message>
        <source>Orv Tovanel:  Number Reflex Data</source>
        <translation>Orv Tovanel:  Dados de reação de número</translation>
    </message>
    <message>
        <source>Set  %1</source>
        <translation>Bloco  %1</translation>
    </message>
    <message>
        <source>Comments:</source>
        <translation>Comentários:</translation>
    </message>
    <message>
        <source>Save Report As PDF</source>
        <translation>Salvar relatório como PDF</translation>
    </message>
    <message>
        <source>PDF Files|*.pdf</source>
        <translation>Arquivos PDF|*.pdf</translation>
    </message>
    <message>
        <source>The file could not be written.</source>
        <translation>Não foi possível gravar o arquivo.</translation>
    </message>
    <message>
        <source>Print Error<byte value="xd"/></source>
        <translation>Erro de impressão<byte value="xd"/></translation>
    </message>
    <message>
        <source>Print Cancelled</source>
        <translation>Impressão cancelada</translation>
    </message>
    <message>
        <source>  Slowest Time</source>
        <translation>  Tempo mais lento</translation>
    </message>
    <message>
        <source>Orv Tovanel:  Normal Reflex Data</source>
        <translation>Orv Tovanel:  Dados de reação simples</translation>
    </message>
</context>
<context>
    <name>ResultsKind</name>
    <message>
        <source>Complex Choice Color/Audio Stimulus Module Data Display</source>
        <translation>Exibição de dados do módulo de estímulo de escolha complexa cor/som</translation>
    </message>
    <message>
        <source>Delete run %1 from the set? </source>
        <translation>Excluir a tentativa %1 do bloco? </translation>
    </message>
    <message>
        <source>Color Reflex Data Files</source>
        <translation>Arquivos de dados Reflex de cor</translation>
    </message>
    <message>
        <source>Complex Choice Number/Audio Stimulus Module Data Display</source>
        <translation>Exibição de dados do módulo de estímulo de escolha complexa número/som</translation>
    </message>
    <message>
        <source>Delete run %1 for the set? </source>
        <translation>Excluir a tentativa %1 do bloco? </translation>
    </message>
    <message>
        <source>Number Reflex Data Files</source>
        <translation>Arquivos de dados Reflex de número</translation>
    </message>
    <message>
        <source>Simple Choice Stimulus Module Data Display</source>
        <translation>Exibição de dados do módulo de estímulo de escolha simples</translation>
    </message>
    <message>
        <source>Normal Reflex Data Files</source>
        <translation>Arquivos de dados Reflex simples</translation>
    </message>
</context>
<context>
    <name>ResultsModel</name>
    <message>
        <source>Delete run %1 for the set? </source>
        <translation>Excluir a tentativa %1 do bloco? </translation>
    </message>
    <message>
        <source>Are you sure you want to DELETE ALL DATA ?</source>
        <translation>Tem certeza de que deseja EXCLUIR TODOS OS DADOS?</translation>
    </message>
    <message>
        <source>Delete All Data</source>
        <translation>Excluir todos os dados</translation>
    </message>
</context>
<context>
    <name>RuleOptions</name>
    <message>
        <source>A time under &lt;ms&gt; is an anticipation (default: 100).</source>
        <translation>Um tempo abaixo de &lt;ms&gt; é uma antecipação (padrão: 100).</translation>
    </message>
    <message>
        <source>A time over &lt;ms&gt; is a lapse (default: 2000).</source>
        <translation>Um tempo acima de &lt;ms&gt; é um lapso (padrão: 2000).</translation>
    </message>
    <message>
        <source>Cut outliers beyond median +- 3 scaled MADs (mad, the default), mean +- 3 SD (sd), or not at all (none).</source>
        <translation>Exclui valores atípicos além da mediana +- 3 MADs escalonados (mad, o padrão), da média +- 3 DP (sd), ou nenhum (none).</translation>
    </message>
    <message>
        <source>Write a PDF page for each student, handout-&lt;student&gt;.pdf.</source>
        <translation>Grava uma página PDF para cada estudante, handout-&lt;student&gt;.pdf.</translation>
    </message>
    <message>
        <source>--%1 takes a whole number of milliseconds from %2 to %3, not %4</source>
        <translation>--%1 aceita um número inteiro de milissegundos de %2 a %3, não %4</translation>
    </message>
    <message>
        <source>the lapse limit (%1 ms) must lie above the anticipation limit (%2 ms)</source>
        <translation>o limite de lapso (%1 ms) deve ficar acima do limite de antecipação (%2 ms)</translation>
    </message>
    <message>
        <source>--outlier-rule takes mad, sd or none, not %1</source>
        <translation>--outlier-rule aceita mad, sd ou none, não %1</translation>
    </message>
</context>
<context>
    <name>SessionPlatform</name>
    <message>
        <source>On Wayland: no pointer placement, and presses are stamped by the toolkit event (XWayland gives both)</source>
        <translation>No Wayland: sem posicionamento do ponteiro, e as pressões recebem a marca de tempo do evento do toolkit (o XWayland oferece ambos)</translation>
    </message>
    <message>
        <source>Wayland session: running on X through XWayland, which places the pointer and reads raw input</source>
        <translation>Sessão Wayland: executando no X pelo XWayland, que posiciona o ponteiro e lê a entrada bruta</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Settings Locked</source>
        <translation>Configurações bloqueadas</translation>
    </message>
</context>
<context>
    <name>SettingsEditor</name>
    <message>
        <source>Configuration Files (*.cfg)|*.cfg</source>
        <translation>Arquivos de configuração (*.cfg)|*.cfg</translation>
    </message>
    <message>
        <source>Trigger Colour</source>
        <translation>Cor do estímulo</translation>
    </message>
    <message>
        <source>The trigger colour must differ from the panel&apos;s white at rest, or the stimulus is invisible.</source>
        <translation>A cor do estímulo deve ser diferente do branco do painel em repouso, senão o estímulo fica invisível.</translation>
    </message>
    <message>
        <source>Save Configuration File</source>
        <translation>Salvar arquivo de configuração</translation>
    </message>
    <message>
        <source>Save File Error</source>
        <translation>Erro ao salvar arquivo</translation>
    </message>
    <message>
        <source>Save Cancelled</source>
        <translation>Salvamento cancelado</translation>
    </message>
    <message>
        <source>Load Configuration File</source>
        <translation>Carregar arquivo de configuração</translation>
    </message>
    <message>
        <source>Load File Error</source>
        <translation>Erro ao carregar arquivo</translation>
    </message>
    <message>
        <source>Load Cancelled</source>
        <translation>Carregamento cancelado</translation>
    </message>
    <message>
        <source>Configuration File Load Error</source>
        <translation>Erro ao carregar a configuração</translation>
    </message>
    <message>
        <source>Invalid Configuration File<byte value="xd"/>No File Loaded</source>
        <translation>Arquivo de configuração inválido<byte value="xd"/>Nenhum arquivo carregado</translation>
    </message>
</context>
<context>
    <name>ShapeChart</name>
    <message>
        <source>median of the student&apos;s runs (ms)</source>
        <translation>mediana das tentativas do estudante (ms)</translation>
    </message>
    <message>
        <source>τ, the slow tail (ms)</source>
        <translation>τ, a cauda lenta (ms)</translation>
    </message>
    <message>
        <source>%1 of %2 students fitted
mean τ %3 ms</source>
        <translation>ajuste para %1 de %2 estudantes
τ médio %3 ms</translation>
    </message>
    <message>
        <source>%1 − simple: μ %2 ms (95 % CI %3 to %4), τ %5 ms (%6 to %7), %8 students</source>
        <translation>%1 − simples: μ %2 ms (IC 95% de %3 a %4), τ %5 ms (de %6 a %7), %8 estudantes</translation>
    </message>
    <message>
        <source>The shape of each student&apos;s times</source>
        <translation>A forma dos tempos de cada estudante</translation>
    </message>
    <message>
        <source>One dot for each student and test with an ex-Gaussian fit (at least %1 runs that are neither anticipations nor lapses): across, the median of those runs; up, τ, the mean of the fit&apos;s exponential part: its slow tail. A test that slows every run moves the dots to the right; one that adds slow runs moves them up.</source>
        <translation>Um ponto para cada estudante e teste com um ajuste ex-gaussiano (pelo menos %1 tentativas que não são antecipações nem lapsos): na horizontal, a mediana dessas tentativas; na vertical, τ, a média da parte exponencial do ajuste: a sua cauda lenta. Um teste que torna cada tentativa mais lenta move os pontos para a direita; um que acrescenta tentativas lentas os move para cima.</translation>
    </message>
    <message>
        <source>No student has %1 runs in a test yet: too few for a fit</source>
        <translation>Nenhum estudante tem ainda %1 tentativas em um teste: poucas demais para um ajuste</translation>
    </message>
</context>
<context>
    <name>ShareCheck</name>
    <message>
        <source>cannot look at %1 (%2)</source>
        <translation>não é possível examinar %1 (%2)</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 não é uma pasta</translation>
    </message>
    <message>
        <source>cannot list %1 (%2): run this as a member of its group or as root</source>
        <translation>não é possível listar %1 (%2): execute isto como membro do grupo dela ou como root</translation>
    </message>
    <message>
        <source>1 student&apos;s folder</source>
        <translation>a pasta de 1 estudante</translation>
    </message>
    <message>
        <source>%1 students&apos; folders</source>
        <translation>as pastas de %1 estudantes</translation>
    </message>
    <message>
        <source>%1: %2, all as the recipe has them</source>
        <translation>%1: %2, tudo como a receita manda</translation>
    </message>
    <message>
        <source>%1: %2; 1 thing to put right</source>
        <translation>%1: %2; 1 coisa a corrigir</translation>
    </message>
    <message>
        <source>%1: %2; %3 things to put right</source>
        <translation>%1: %2; %3 coisas a corrigir</translation>
    </message>
    <message>
        <source>%1: the guide&apos;s first recipe, one group folder (mode 3773), group %2</source>
        <translation>%1: a primeira receita do guia, uma pasta de grupo (permissões 3773), grupo %2</translation>
    </message>
    <message>
        <source>%1: the guide&apos;s second recipe, a folder per student (mode 0751), group %2</source>
        <translation>%1: a segunda receita do guia, uma pasta por estudante (permissões 0751), grupo %2</translation>
    </message>
    <message>
        <source>%1 has the mode %2, not %3</source>
        <translation>%1 tem as permissões %2, não %3</translation>
    </message>
    <message>
        <source>every user may list %1 and see who handed in: take the others&apos; r away</source>
        <translation>qualquer usuário pode listar %1 e ver quem entregou: tire o r dos outros</translation>
    </message>
    <message>
        <source>without the sticky bit a student may rename or remove another&apos;s folder</source>
        <translation>sem o sticky bit um estudante pode renomear ou remover a pasta de outro</translation>
    </message>
    <message>
        <source>without the setgid bit the students&apos; new folders do not get the group %1, and the teachers cannot read them</source>
        <translation>sem o bit setgid as novas pastas dos estudantes não recebem o grupo %1, e os professores não conseguem lê-las</translation>
    </message>
    <message>
        <source>the students cannot %1 their folders in %2</source>
        <translation>os estudantes não conseguem %1 suas pastas em %2</translation>
    </message>
    <message>
        <source>make</source>
        <translation>criar</translation>
    </message>
    <message>
        <source>reach</source>
        <translation>acessar</translation>
    </message>
    <message>
        <source>the group %1 cannot list %2, so the teachers do not see the folders</source>
        <translation>o grupo %1 não pode listar %2, então os professores não veem as pastas</translation>
    </message>
    <message>
        <source>%1 belongs to user %2, not root: %2 may rename or remove every student&apos;s folder</source>
        <translation>%1 pertence ao usuário %2, não a root: %2 pode renomear ou remover a pasta de qualquer estudante</translation>
    </message>
    <message>
        <source>%1 is a link, not a student&apos;s folder: remove it (hand-ins through it are refused)</source>
        <translation>%1 é um link, não a pasta de um estudante: remova-o (entregas por ele são recusadas)</translation>
    </message>
    <message>
        <source>%1 is no student&apos;s folder, and belongs to user %2: remove it</source>
        <translation>%1 não é a pasta de nenhum estudante e pertence ao usuário %2: remova-o</translation>
    </message>
    <message>
        <source>%1: there is no user %2 on this machine</source>
        <translation>%1: não há usuário %2 nesta máquina</translation>
    </message>
    <message>
        <source>%1 belongs to user %2, not %3: remove it, or %3&apos;s hand-ins are refused</source>
        <translation>%1 pertence ao usuário %2, não a %3: remova-o, senão as entregas de %3 são recusadas</translation>
    </message>
    <message>
        <source>%1 has the group %2, not %3: the teachers cannot read it</source>
        <translation>%1 tem o grupo %2, não %3: os professores não conseguem lê-lo</translation>
    </message>
    <message>
        <source>%1 has the mode %2, not 0750%3</source>
        <translation>%1 tem as permissões %2, não 0750%3</translation>
    </message>
    <message>
        <source>: every user may read %1&apos;s files</source>
        <translation>: qualquer usuário pode ler os arquivos de %1</translation>
    </message>
    <message>
        <source>%1 is in the group %2, and so may read every student&apos;s folder</source>
        <translation>%1 está no grupo %2 e, assim, pode ler a pasta de qualquer estudante</translation>
    </message>
    <message>
        <source>%1 is a link, which the summary does not follow: remove it</source>
        <translation>%1 é um link, que o resumo não segue: remova-o</translation>
    </message>
    <message>
        <source>%1 is a FIFO, a socket or a device, which the summary does not read: remove it</source>
        <translation>%1 é um FIFO, um socket ou um dispositivo, que o resumo não lê: remova-o</translation>
    </message>
    <message>
        <source>%1 belongs to user %2, not to the folder&apos;s student</source>
        <translation>%1 pertence ao usuário %2, não ao estudante da pasta</translation>
    </message>
    <message>
        <source>every user may read %1</source>
        <translation>qualquer usuário pode ler %1</translation>
    </message>
</context>
<context>
    <name>SimpleEngine</name>
    <message>
        <source>            Audio Trigger</source>
        <translation>          Estímulo sonoro</translation>
    </message>
    <message>
        <source>           Visual Trigger</source>
        <translation>          Estímulo visual</translation>
    </message>
    <message>
        <source>     Audio/Visual Trigger</source>
        <translation>   Estímulo sonoro/visual</translation>
    </message>
    <message>
        <source>The sound device &quot;%1&quot; could not be opened.</source>
        <translation>Não foi possível abrir o dispositivo de som “%1”.</translation>
    </message>
    <message>
        <source><byte value="xd"/>An audio trigger needs it: choose a visual trigger in Options.</source>
        <translation><byte value="xd"/>Um estímulo sonoro precisa dele: escolha um estímulo visual em Opções.</translation>
    </message>
    <message>
        <source>No Sound Device</source>
        <translation>Nenhum dispositivo de som</translation>
    </message>
    <message>
        <source><byte value="xd"/>The series runs with the colour alone.</source>
        <translation><byte value="xd"/>A sequência continua só com a cor.</translation>
    </message>
</context>
<context>
    <name>SoundCapture</name>
    <message>
        <source>the sound card has no input to record from (%1)</source>
        <translation>a placa de som não tem entrada para gravar (%1)</translation>
    </message>
    <message>
        <source>the sound card&apos;s input cannot record mono at %1 Hz (%2)</source>
        <translation>a entrada da placa de som não consegue gravar em mono a %1 Hz (%2)</translation>
    </message>
    <message>
        <source>no PipeWire server answers</source>
        <translation>nenhum servidor PipeWire responde</translation>
    </message>
    <message>
        <source>PipeWire has no input to record from</source>
        <translation>o PipeWire não tem entrada para gravar</translation>
    </message>
    <message>
        <source>no PulseAudio server answers</source>
        <translation>nenhum servidor PulseAudio responde</translation>
    </message>
    <message>
        <source>PulseAudio has no input to record from</source>
        <translation>o PulseAudio não tem entrada para gravar</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>the built-in defaults</source>
        <translation>os valores padrão embutidos</translation>
    </message>
    <message>
        <source>, locked by the lab</source>
        <translation>, com bloqueio do laboratório</translation>
    </message>
    <message>
        <source>Settings Locked</source>
        <translation>Configurações bloqueadas</translation>
    </message>
    <message>
        <source>The configuration file %1 is not read: the lab locks the settings (LockSettings in %2).</source>
        <translation>O arquivo de configuração %1 não é lido: o laboratório bloqueia as configurações (LockSettings em %2).</translation>
    </message>
    <message>
        <source>Loading the class configuration ...</source>
        <translation>Carregando a configuração da turma ...</translation>
    </message>
    <message>
        <source>the class configuration %1</source>
        <translation>a configuração da turma %1</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>o arquivo não existe</translation>
    </message>
    <message>
        <source>Class Configuration</source>
        <translation>Configuração da turma</translation>
    </message>
    <message>
        <source>The class configuration %1 that %2 names cannot be read (%3); the configuration of this computer is used instead.</source>
        <translation>A configuração da turma %1 indicada por %2 não pode ser lida (%3); é usada a configuração deste computador.</translation>
    </message>
</context>
<context>
    <name>StartupSequence</name>
    <message>
        <source>the screen is smaller than 800 x 600; the program ends</source>
        <translation>a tela é menor que 800 x 600; o programa será encerrado</translation>
    </message>
    <message>
        <source>Fatal Application Error</source>
        <translation>Erro fatal do aplicativo</translation>
    </message>
    <message>
        <source>Orv Brevane supports a minimum screen resolution of 800 x 600</source>
        <translation>O Orv Brevane exige uma resolução de tela mínima de 800 x 600</translation>
    </message>
    <message>
        <source>Press OK to terminate program</source>
        <translation>Pressione OK para encerrar o programa</translation>
    </message>
    <message>
        <source>Loading default configuration file ...</source>
        <translation>Carregando o arquivo de configuração padrão ...</translation>
    </message>
    <message>
        <source>Initializing application ...</source>
        <translation>Inicializando o aplicativo ...</translation>
    </message>
    <message>
        <source>Initializing application ... Almost Done</source>
        <translation>Inicializando o aplicativo ... Quase pronto</translation>
    </message>
    <message>
        <source>not a configuration file</source>
        <translation>não é um arquivo de configuração</translation>
    </message>
    <message>
        <source>Loading user configuration file ...</source>
        <translation>Carregando o arquivo de configuração do usuário ...</translation>
    </message>
    <message>
        <source>%1: no such configuration file; using the default configuration</source>
        <translation>%1: arquivo de configuração inexistente; usando a configuração padrão</translation>
    </message>
    <message>
        <source>Configuration load error</source>
        <translation>Erro ao carregar a configuração</translation>
    </message>
    <message>
        <source>File %1 could not be found</source>
        <translation>O arquivo %1 não foi encontrado</translation>
    </message>
    <message>
        <source>Using Default Configuration</source>
        <translation>Usando a configuração padrão</translation>
    </message>
    <message>
        <source>%1: cannot read the configuration (%2); using the default configuration</source>
        <translation>%1: não é possível ler a configuração (%2); usando a configuração padrão</translation>
    </message>
    <message>
        <source>Configuration Error</source>
        <translation>Erro de configuração</translation>
    </message>
    <message>
        <source>Invalid Configuration File</source>
        <translation>Arquivo de configuração inválido</translation>
    </message>
    <message>
        <source>Using Default Configuration File</source>
        <translation>Usando o arquivo de configuração padrão</translation>
    </message>
    <message>
        <source>%1: not found; writing one with the defaults</source>
        <translation>%1: não encontrado; gravando um com os valores padrão</translation>
    </message>
    <message>
        <source>Configuration file not found</source>
        <translation>Arquivo de configuração não encontrado</translation>
    </message>
    <message>
        <source>Default configuration file not found...</source>
        <translation>Arquivo de configuração padrão não encontrado...</translation>
    </message>
    <message>
        <source>Creating Reflex.Cfg</source>
        <translation>Criando Reflex.Cfg</translation>
    </message>
    <message>
        <source>The refused file was kept as %1</source>
        <translation>O arquivo recusado foi mantido como %1</translation>
    </message>
    <message>
        <source>it could not be written</source>
        <translation>não foi possível gravá-lo</translation>
    </message>
    <message>
        <source>%1: cannot read the configuration (%2); writing a new one with the defaults</source>
        <translation>%1: não é possível ler a configuração (%2); gravando uma nova com os valores padrão</translation>
    </message>
    <message>
        <source>%1: cannot read the configuration (%2); writing a new one with the defaults (the refused file is kept beside it as %3)</source>
        <translation>%1: não é possível ler a configuração (%2); gravando uma nova com os valores padrão (o arquivo recusado é mantido ao lado como %3)</translation>
    </message>
    <message>
        <source>Invalid Default Configuration File</source>
        <translation>Arquivo de configuração padrão inválido</translation>
    </message>
    <message>
        <source>Creating New Configuration File</source>
        <translation>Criando um novo arquivo de configuração</translation>
    </message>
    <message>
        <source>%1: cannot be written; the defaults are used until the program ends</source>
        <translation>%1: não pode ser gravado; os valores padrão são usados até o programa ser encerrado</translation>
    </message>
</context>
<context>
    <name>TestCore</name>
    <message>
        <source>Over write Data in Set %1 ?</source>
        <translation>Sobrescrever os dados do bloco %1?</translation>
    </message>
    <message>
        <source>Start Reflex Data Collection</source>
        <translation>Iniciar a coleta de dados de reação</translation>
    </message>
    <message>
        <source>Your run has ended</source>
        <translation>Sua sequência terminou</translation>
    </message>
    <message>
        <source>END RUN</source>
        <translation>FIM DA SEQUÊNCIA</translation>
    </message>
</context>
<context>
    <name>XDisplay</name>
    <message>
        <source>a compositing manager</source>
        <translation>um gerenciador de composição</translation>
    </message>
</context>
<context>
    <name>brevane::ChoiceWindow</name>
    <message>
        <source>With Sound</source>
        <translation>Com som</translation>
    </message>
    <message>
        <source>No Sound</source>
        <translation>Sem som</translation>
    </message>
</context>
<context>
    <name>brevane::MachineCheckWindow</name>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Iniciar</translation>
    </message>
    <message>
        <source>S&amp;kip this part</source>
        <translation>&amp;Pular esta parte</translation>
    </message>
    <message>
        <source>Sa&amp;ve the result</source>
        <translation>Sal&amp;var o resultado</translation>
    </message>
    <message>
        <source>Brevane Machine Check</source>
        <translation>Verificação da máquina Brevane</translation>
    </message>
    <message>
        <source>Flashing patch</source>
        <translation>Quadrado piscante</translation>
    </message>
    <message>
        <source>Machine check guide</source>
        <translation>Guia da verificação da máquina</translation>
    </message>
    <message>
        <source>Machine check: what this PC adds to every time a student measures on it.

The sound card&apos;s input is the clock: it hears the screen through a photodiode, the sound through a cable from the output, and the mouse through a microphone, and the program compares what it heard with its own stamps. Three parts, each about half a minute; skip any you cannot do. Each part gives the mean, the spread (SD) and the worst of its trials.

Press Start (or Return) to begin with the screen; Esc ends the check.</source>
        <translation>Verificação da máquina: o que este PC acrescenta a cada tempo que um estudante mede nele.

A entrada da placa de som é o relógio: ela ouve a tela por um fotodiodo, o som por um cabo vindo da saída e o mouse por um microfone, e o programa compara o que ela ouviu com as suas próprias marcas de tempo. Três partes, cada uma de cerca de meio minuto; pule as que você não puder fazer. Cada parte dá a média, a dispersão (DP) e o pior valor das suas medições.

Pressione Iniciar (ou Enter) para começar pela tela; Esc encerra a verificação.</translation>
    </message>
    <message>
        <source>No input to record from: %1.
Plug a cable or a microphone into the sound card&apos;s input (line-in or microphone), make it the input in the sound settings, and start the check again.</source>
        <translation>Nenhuma entrada para gravar: %1.
Ligue um cabo ou um microfone à entrada da placa de som (entrada de linha ou microfone), defina-a como entrada nas configurações de som e inicie a verificação de novo.</translation>
    </message>
    <message>
        <source>

Clicks: %1 of %2</source>
        <translation>

Cliques: %1 de %2</translation>
    </message>
    <message>
        <source>Screen: a photodiode held on the flashing patch.
You need a BPW34 photodiode (or any small silicon photodiode, a few euros) soldered to a 3.5 mm plug. On a line-in: the diode&apos;s anode to the tip, its cathode (the marked side) to the sleeve. On a microphone input, which feeds a few volts through the tip: the cathode to the tip, the anode to the sleeve. Set the input volume to about half.
Tape the diode flat on the middle of the patch below, the screen at the brightness the students use, the room light as in class. Press Start: the patch flashes %1 times, once a second.</source>
        <translation>Tela: um fotodiodo encostado no quadrado piscante.
Você precisa de um fotodiodo BPW34 (ou qualquer fotodiodo pequeno de silício, poucos reais) soldado a um plugue P2 de 3,5 mm. Em uma entrada de linha: o anodo do diodo na ponta, o catodo (o lado marcado) na malha. Em uma entrada de microfone, que fornece alguns volts pela ponta: o catodo na ponta, o anodo na malha. Ajuste o volume de entrada para mais ou menos a metade.
Prenda o diodo com fita, bem encostado no meio do quadrado abaixo, com a tela no brilho que os estudantes usam e a luz da sala como na aula. Pressione Iniciar: o quadrado pisca %1 vezes, uma por segundo.</translation>
    </message>
    <message>
        <source>Sound: the output looped to the input.
Plug a cable from the headphone socket into the line-in (or hold the headset&apos;s microphone at its speaker), the volume as in class. Press Start: %1 tones, one a second.</source>
        <translation>Som: a saída ligada em laço à entrada.
Ligue um cabo da saída de fones de ouvido à entrada de linha (ou segure o microfone do headset junto ao seu alto-falante), com o volume como na aula. Pressione Iniciar: %1 tons, um por segundo.</translation>
    </message>
    <message>
        <source>Mouse: each button&apos;s click, heard by a microphone next to the mouse.
Put the microphone within 5 cm of the mouse&apos;s buttons: sound travels about 0.03 ms a centimetre, so 5 cm add 0.15 ms to what is measured, 30 cm almost 1 ms. Keep the room quiet. Press Start, then click the left button %1 times in the grey square, about once a second. Each mouse you click is measured on its own.</source>
        <translation>Mouse: o clique de cada botão, ouvido por um microfone ao lado do mouse.
Coloque o microfone a até 5 cm dos botões do mouse: o som percorre um centímetro em cerca de 0,03 ms, então 5 cm acrescentam 0,15 ms ao que é medido, 30 cm quase 1 ms. Mantenha a sala silenciosa. Pressione Iniciar e clique com o botão esquerdo %1 vezes no quadrado cinza, mais ou menos uma vez por segundo. Cada mouse em que você clica é medido separadamente.</translation>
    </message>
    <message>
        <source>The machine check is done.

%1

Save keeps the result on this machine: the about box and the timing check show it, and it goes with the students&apos; files to the hand-in folder, where brevane-summary reads it.</source>
        <translation>A verificação da máquina terminou.

%1

Salvar guarda o resultado nesta máquina: a janela Sobre e a verificação de tempos o mostram, e ele vai com os arquivos dos estudantes para a pasta de entrega, onde o brevane-summary o lê.</translation>
    </message>
    <message>
        <source>%1: skipped</source>
        <translation>%1: pulada</translation>
    </message>
    <message>
        <source>

Measuring...</source>
        <translation>

Medindo...</translation>
    </message>
    <message>
        <source>

Flashes: %1 of %2</source>
        <translation>

Clarões: %1 de %2</translation>
    </message>
    <message>
        <source>

Tones: %1 of %2</source>
        <translation>

Tons: %1 de %2</translation>
    </message>
    <message>
        <source>%1: mean %2 ms, SD %3 ms, worst %4 ms over %5 of %6 trials</source>
        <translation>%1: média %2 ms, DP %3 ms, pior %4 ms em %5 de %6 medições</translation>
    </message>
    <message>
        <source>%1: refused: %2</source>
        <translation>%1: recusado: %2</translation>
    </message>
    <message>
        <source>&amp;Finish</source>
        <translation>&amp;Concluir</translation>
    </message>
    <message>
        <source>&amp;Next part</source>
        <translation>Pró&amp;xima parte</translation>
    </message>
    <message>
        <source>

Press %1 (Return) to go on.</source>
        <translation>

Pressione %1 (Enter) para continuar.</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Concluir</translation>
    </message>
    <message>
        <source>Next part</source>
        <translation>Próxima parte</translation>
    </message>
    <message>
        <source>Saved to %1.
For every user of this machine, copy it to /etc/xdg/Brevane/machine-check.txt (as root). Esc ends the check.</source>
        <translation>Salvo em %1.
Para todos os usuários desta máquina, copie-o para /etc/xdg/Brevane/machine-check.txt (como root). Esc encerra a verificação.</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <translation>Não foi possível salvar %1: %2</translation>
    </message>
</context>
<context>
    <name>brevane::ResultsWindow</name>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>Tempos</translation>
    </message>
    <message>
        <source>Set %1</source>
        <translation>Bloco %1</translation>
    </message>
</context>
<context>
    <name>brevane::TimingCheckWindow</name>
    <message>
        <source>Brevane Timing Check</source>
        <translation>Verificação de tempos Brevane</translation>
    </message>
    <message>
        <source>Flashing patch</source>
        <translation>Quadrado piscante</translation>
    </message>
    <message>
        <source>Timing readout</source>
        <translation>Leitura dos tempos</translation>
    </message>
    <message>
        <source>Frames: measuring...</source>
        <translation>Quadros: medindo...</translation>
    </message>
    <message>
        <source>Frames stamped at %L1 Hz (one every %L2 ms)
Frame time jitter: SD %L3 ms, worst %L4 ms, %5 late of the last %6</source>
        <translation>Quadros marcados a %L1 Hz (um a cada %L2 ms)
Jitter do tempo de quadro: DP %L3 ms, pior %L4 ms, %5 atrasados dos últimos %6</translation>
    </message>
    <message>
        <source>
Times may be one frame long: see the guide</source>
        <translation>
Os tempos podem incluir um quadro a mais: veja o guia</translation>
    </message>
    <message>
        <source>Timing check: Esc or a click ends it
Refresh reported by the screen: %L1 Hz; the monitor&apos;s mode: %2
%3
Stamp sources: display %4, input %5, sound %6
Compositor: %7; stimulus stamps: %8%9
The patch turns every %10 frames (frame %11)
%12</source>
        <translation>Verificação de tempos: Esc ou um clique a encerra
Atualização informada pela tela: %L1 Hz; modo do monitor: %2
%3
Fontes das marcas de tempo: tela %4, entrada %5, som %6
Compositor: %7; marcas de tempo dos estímulos: %8%9
O quadrado muda a cada %10 quadros (quadro %11)
%12</translation>
    </message>
</context>
<context>
    <name>brevane::frmAbout</name>
    <message>
        <source>Release %1</source>
        <translation>Release %1</translation>
    </message>
    <message>
        <source>Configuration: %1</source>
        <translation>Configuração: %1</translation>
    </message>
</context>
<context>
    <name>brevane::frmColorSelect</name>
    <message>
        <source>Black</source>
        <translation>Preto</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Ciano</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Vermelho</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarelo</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Branco</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Cinza</translation>
    </message>
    <message>
        <source>Light Blue</source>
        <translation>Azul-claro</translation>
    </message>
    <message>
        <source>Light Green</source>
        <translation>Verde-claro</translation>
    </message>
    <message>
        <source>Light Cyan</source>
        <translation>Ciano-claro</translation>
    </message>
    <message>
        <source>Light Red</source>
        <translation>Vermelho-claro</translation>
    </message>
    <message>
        <source>Light Magenta</source>
        <translation>Magenta-claro</translation>
    </message>
    <message>
        <source>Light Yellow</source>
        <translation>Amarelo-claro</translation>
    </message>
    <message>
        <source>Bright White</source>
        <translation>Branco brilhante</translation>
    </message>
</context>
<context>
    <name>brevane::frmMain</name>
    <message>
        <source>Version %1</source>
        <translation>Versão %1</translation>
    </message>
</context>
<context>
    <name>brevane::summary::ClassChartWindow</name>
    <message>
        <source>Class reaction times</source>
        <translation>Tempos de reação da turma</translation>
    </message>
    <message>
        <source>Handed in</source>
        <translation>Entregas</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About Brevane</source>
        <translation>Sobre o Brevane</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logotipo</translation>
    </message>
    <message>
        <source>Simple vs Complex Stimulus Reaction Timing</source>
        <translation>Tempo de reação a estímulos simples e complexos</translation>
    </message>
    <message>
        <source>Orv Brevane 2</source>
        <translation>Orv Brevane 2</translation>
    </message>
    <message>
        <source>For Linux with X11 and Wayland</source>
        <translation>Para Linux com X11 e Wayland</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Cronômetro</translation>
    </message>
    <message>
        <source>Reaction timing for student laboratory courses</source>
        <translation>Medição de tempos de reação para aulas de laboratório</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Som</translation>
    </message>
    <message>
        <source>Your files are kept in:</source>
        <translation>Seus arquivos ficam em:</translation>
    </message>
    <message>
        <source>Language: English</source>
        <comment>The language this translation is: translators name their own language, in it</comment>
        <translation>Idioma: português (Brasil)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>frmCfg</name>
    <message>
        <source>Brevane Settings</source>
        <translation>Configurações do Brevane</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>Simples</translation>
    </message>
    <message>
        <source>Simple Single Choice Settings</source>
        <translation>Configurações da escolha simples única</translation>
    </message>
    <message>
        <source>Runs Per Set</source>
        <translation>Tentativas por bloco</translation>
    </message>
    <message>
        <source>Trigger On</source>
        <translation>Tipo de estímulo</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Sonoro</translation>
    </message>
    <message>
        <source>Visual</source>
        <translation>Visual</translation>
    </message>
    <message>
        <source>Trigger Color</source>
        <translation>Cor do estímulo</translation>
    </message>
    <message>
        <source>Color of the visual stimulus: click to choose another</source>
        <translation>Cor do estímulo visual: clique para escolher outra</translation>
    </message>
    <message>
        <source>Interval Timing</source>
        <translation>Tempo do intervalo</translation>
    </message>
    <message>
        <source>Random Interval</source>
        <translation>Intervalo aleatório</translation>
    </message>
    <message>
        <source>Fixed Interval</source>
        <translation>Intervalo fixo</translation>
    </message>
    <message>
        <source>Fixed Time Interval</source>
        <translation>Intervalo de tempo fixo</translation>
    </message>
    <message>
        <source>Minimum Time Interval</source>
        <translation>Intervalo de tempo mínimo</translation>
    </message>
    <message>
        <source>Color/Audio</source>
        <translation>Cor/som</translation>
    </message>
    <message>
        <source>Complex Choice Color/Audio Settings</source>
        <translation>Configurações da escolha complexa cor/som</translation>
    </message>
    <message>
        <source>Display Time</source>
        <translation>Tempo de exibição</translation>
    </message>
    <message>
        <source>Color and Audio</source>
        <translation>Cor e som</translation>
    </message>
    <message>
        <source>Color no Audio</source>
        <translation>Cor sem som</translation>
    </message>
    <message>
        <source>Make Sound</source>
        <translation>Emitir som</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>Elements</source>
        <translation>Elementos</translation>
    </message>
    <message>
        <source>Elements in Set</source>
        <translation>Elementos no bloco</translation>
    </message>
    <message>
        <source>Trigger Element</source>
        <translation>Elemento-alvo</translation>
    </message>
    <message>
        <source>Trigger Element Color</source>
        <translation>Cor do elemento-alvo</translation>
    </message>
    <message>
        <source>Color of the trigger element: click to choose another</source>
        <translation>Cor do elemento-alvo: clique para escolher outra</translation>
    </message>
    <message>
        <source>Element</source>
        <translation>Elemento</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Cor</translation>
    </message>
    <message>
        <source>Choose the color of this element</source>
        <translation>Escolha a cor deste elemento</translation>
    </message>
    <message>
        <source>Element Colors</source>
        <translation>Cores dos elementos</translation>
    </message>
    <message>
        <source>Element 1 Color</source>
        <translation>Cor do elemento 1</translation>
    </message>
    <message>
        <source>Color of element 1: click to choose another (grey: not in use)</source>
        <translation>Cor do elemento 1: clique para escolher outra (cinza: fora de uso)</translation>
    </message>
    <message>
        <source>Element 2 Color</source>
        <translation>Cor do elemento 2</translation>
    </message>
    <message>
        <source>Color of element 2: click to choose another (grey: not in use)</source>
        <translation>Cor do elemento 2: clique para escolher outra (cinza: fora de uso)</translation>
    </message>
    <message>
        <source>Element 3 Color</source>
        <translation>Cor do elemento 3</translation>
    </message>
    <message>
        <source>Color of element 3: click to choose another (grey: not in use)</source>
        <translation>Cor do elemento 3: clique para escolher outra (cinza: fora de uso)</translation>
    </message>
    <message>
        <source>Element 4 Color</source>
        <translation>Cor do elemento 4</translation>
    </message>
    <message>
        <source>Color of element 4: click to choose another (grey: not in use)</source>
        <translation>Cor do elemento 4: clique para escolher outra (cinza: fora de uso)</translation>
    </message>
    <message>
        <source>Element 5 Color</source>
        <translation>Cor do elemento 5</translation>
    </message>
    <message>
        <source>Color of element 5: click to choose another (grey: not in use)</source>
        <translation>Cor do elemento 5: clique para escolher outra (cinza: fora de uso)</translation>
    </message>
    <message>
        <source>Element 6 Color</source>
        <translation>Cor do elemento 6</translation>
    </message>
    <message>
        <source>Color of element 6: click to choose another (grey: not in use)</source>
        <translation>Cor do elemento 6: clique para escolher outra (cinza: fora de uso)</translation>
    </message>
    <message>
        <source>Element 7 Color</source>
        <translation>Cor do elemento 7</translation>
    </message>
    <message>
        <source>Color of element 7: click to choose another (grey: not in use)</source>
        <translation>Cor do elemento 7: clique para escolher outra (cinza: fora de uso)</translation>
    </message>
    <message>
        <source>Element 8 Color</source>
        <translation>Cor do elemento 8</translation>
    </message>
    <message>
        <source>Color of element 8: click to choose another (grey: not in use)</source>
        <translation>Cor do elemento 8: clique para escolher outra (cinza: fora de uso)</translation>
    </message>
    <message>
        <source>Element 9 Color</source>
        <translation>Cor do elemento 9</translation>
    </message>
    <message>
        <source>Color of element 9: click to choose another (grey: not in use)</source>
        <translation>Cor do elemento 9: clique para escolher outra (cinza: fora de uso)</translation>
    </message>
    <message>
        <source>Element 10 Color</source>
        <translation>Cor do elemento 10</translation>
    </message>
    <message>
        <source>Color of element 10: click to choose another (grey: not in use)</source>
        <translation>Cor do elemento 10: clique para escolher outra (cinza: fora de uso)</translation>
    </message>
    <message>
        <source>Num/Audio</source>
        <translation>Núm/som</translation>
    </message>
    <message>
        <source>Complex Choice Numbers/Audio Settings</source>
        <translation>Configurações da escolha complexa números/som</translation>
    </message>
    <message>
        <source>Number and Audio</source>
        <translation>Número e som</translation>
    </message>
    <message>
        <source>Number no Audio</source>
        <translation>Número sem som</translation>
    </message>
    <message>
        <source>Trigger Number</source>
        <translation>Número-alvo</translation>
    </message>
    <message>
        <source>The number of the trigger element</source>
        <translation>O número do elemento-alvo</translation>
    </message>
    <message>
        <source>Element Number</source>
        <translation>Número do elemento</translation>
    </message>
    <message>
        <source>The number of this element (0 to 99)</source>
        <translation>O número deste elemento (de 0 a 99)</translation>
    </message>
    <message>
        <source>Element Numbers</source>
        <translation>Números dos elementos</translation>
    </message>
    <message>
        <source>Element 1 Number</source>
        <translation>Número do elemento 1</translation>
    </message>
    <message>
        <source>Element 2 Number</source>
        <translation>Número do elemento 2</translation>
    </message>
    <message>
        <source>Element 3 Number</source>
        <translation>Número do elemento 3</translation>
    </message>
    <message>
        <source>Element 4 Number</source>
        <translation>Número do elemento 4</translation>
    </message>
    <message>
        <source>Element 5 Number</source>
        <translation>Número do elemento 5</translation>
    </message>
    <message>
        <source>Element 6 Number</source>
        <translation>Número do elemento 6</translation>
    </message>
    <message>
        <source>Element 7 Number</source>
        <translation>Número do elemento 7</translation>
    </message>
    <message>
        <source>Element 8 Number</source>
        <translation>Número do elemento 8</translation>
    </message>
    <message>
        <source>Element 9 Number</source>
        <translation>Número do elemento 9</translation>
    </message>
    <message>
        <source>Element 10 Number</source>
        <translation>Número do elemento 10</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Master volume of the speakers</source>
        <translation>Volume principal dos alto-falantes</translation>
    </message>
    <message>
        <source>Volume Setting</source>
        <translation>Ajuste de volume</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Redefinir</translation>
    </message>
    <message>
        <source>Back to the configuration loaded at start-up</source>
        <translation>Volta à configuração carregada na inicialização</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>Carre&amp;gar</translation>
    </message>
    <message>
        <source>Load a configuration file</source>
        <translation>Carrega um arquivo de configuração</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salvar</translation>
    </message>
    <message>
        <source>Save the configuration to a file</source>
        <translation>Salva a configuração em um arquivo</translation>
    </message>
</context>
<context>
    <name>frmChoiceReflexDisplay</name>
    <message>
        <source>Complex Choice Color/Audio Stimulus Module Data Display</source>
        <translation>Exibição de dados do módulo de estímulo de escolha complexa cor/som</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logotipo</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versão</translation>
    </message>
    <message>
        <source>Set 1</source>
        <translation>Bloco 1</translation>
    </message>
    <message>
        <source>Run Data</source>
        <translation>Dados das tentativas</translation>
    </message>
    <message>
        <source>Run 1</source>
        <translation>Tentativa 1</translation>
    </message>
    <message>
        <source>Run 2</source>
        <translation>Tentativa 2</translation>
    </message>
    <message>
        <source>Run 3</source>
        <translation>Tentativa 3</translation>
    </message>
    <message>
        <source>Run 4</source>
        <translation>Tentativa 4</translation>
    </message>
    <message>
        <source>Run 5</source>
        <translation>Tentativa 5</translation>
    </message>
    <message>
        <source>Run 6</source>
        <translation>Tentativa 6</translation>
    </message>
    <message>
        <source>Run 7</source>
        <translation>Tentativa 7</translation>
    </message>
    <message>
        <source>Run 8</source>
        <translation>Tentativa 8</translation>
    </message>
    <message>
        <source>Run 9</source>
        <translation>Tentativa 9</translation>
    </message>
    <message>
        <source>Run 10</source>
        <translation>Tentativa 10</translation>
    </message>
    <message>
        <source>Run Statistics</source>
        <translation>Estatísticas das tentativas</translation>
    </message>
    <message>
        <source>Fast Time</source>
        <translation>Mais rápido</translation>
    </message>
    <message>
        <source>Slow Time</source>
        <translation>Mais lento</translation>
    </message>
    <message>
        <source>Average Time</source>
        <translation>Tempo médio</translation>
    </message>
    <message>
        <source>Outcomes</source>
        <translation>Desfechos</translation>
    </message>
    <message>
        <source>Correct Hits</source>
        <translation>Acertos</translation>
    </message>
    <message>
        <source>Correct Misses</source>
        <translation>Rejeições corretas</translation>
    </message>
    <message>
        <source>InCorrect Hits</source>
        <translation>Erros</translation>
    </message>
    <message>
        <source>Missed Hits</source>
        <translation>Alvos perdidos</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Comentários</translation>
    </message>
    <message>
        <source>Set 2</source>
        <translation>Bloco 2</translation>
    </message>
    <message>
        <source>Set 3</source>
        <translation>Bloco 3</translation>
    </message>
    <message>
        <source>Set 4</source>
        <translation>Bloco 4</translation>
    </message>
    <message>
        <source>Set 5</source>
        <translation>Bloco 5</translation>
    </message>
    <message>
        <source>Set 6</source>
        <translation>Bloco 6</translation>
    </message>
    <message>
        <source>Set 7</source>
        <translation>Bloco 7</translation>
    </message>
    <message>
        <source>Set 8</source>
        <translation>Bloco 8</translation>
    </message>
    <message>
        <source>Set 9</source>
        <translation>Bloco 9</translation>
    </message>
    <message>
        <source>Set 10</source>
        <translation>Bloco 10</translation>
    </message>
    <message>
        <source>Fastest Times</source>
        <translation>Mais rápidos</translation>
    </message>
    <message>
        <source>Set Data For Fastest Times</source>
        <translation>Dados dos blocos para os tempos mais rápidos</translation>
    </message>
    <message>
        <source>Slowest Times</source>
        <translation>Mais lentos</translation>
    </message>
    <message>
        <source>Set Data For Slowest Times</source>
        <translation>Dados dos blocos para os tempos mais lentos</translation>
    </message>
    <message>
        <source>Average Times</source>
        <translation>Médias</translation>
    </message>
    <message>
        <source>Set Data For Average Times</source>
        <translation>Dados dos blocos para os tempos médios</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Carregar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Limpar tudo</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Pronto</translation>
    </message>
</context>
<context>
    <name>frmColorReflex</name>
    <message>
        <source>Complex Choice Color/Audio Stimulus Module</source>
        <translation>Módulo de estímulo de escolha complexa cor/som</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logotipo</translation>
    </message>
    <message>
        <source>Complex Choice Color/Audio Stimulus</source>
        <translation>Estímulo de escolha complexa cor/som</translation>
    </message>
    <message>
        <source>Trigger On</source>
        <translation>Alvo</translation>
    </message>
    <message>
        <source>Trigger Element</source>
        <translation>Elemento-alvo</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Som</translation>
    </message>
    <message>
        <source>Press Here</source>
        <translation>Pressione aqui</translation>
    </message>
    <message>
        <source>Element Display</source>
        <translation>Exibição dos elementos</translation>
    </message>
    <message>
        <source>Set Indicator</source>
        <translation>Indicador do bloco</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Previous Time</source>
        <translation>Tempo anterior</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Diferença</translation>
    </message>
    <message>
        <source>Average Time</source>
        <translation>Tempo médio</translation>
    </message>
    <message>
        <source>Run Count</source>
        <translation>Tentativas</translation>
    </message>
    <message>
        <source>Correct Hits</source>
        <translation>Acertos</translation>
    </message>
    <message>
        <source>Incorrect Hits</source>
        <translation>Erros</translation>
    </message>
    <message>
        <source>Correct Misses</source>
        <translation>Rejeições corretas</translation>
    </message>
    <message>
        <source>Missed Hits</source>
        <translation>Alvos perdidos</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descrição</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Clear Set</source>
        <translation>Limpar bloco</translation>
    </message>
    <message>
        <source>Next Set</source>
        <translation>Próx. bloco</translation>
    </message>
    <message>
        <source>Prev Set</source>
        <translation>Bloco ant.</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Pronto</translation>
    </message>
</context>
<context>
    <name>frmColorSelect</name>
    <message>
        <source>Color Selection</source>
        <translation>Seleção de cor</translation>
    </message>
    <message>
        <source>Current Color:</source>
        <translation>Cor atual:</translation>
    </message>
    <message>
        <source>Current Color</source>
        <translation>Cor atual</translation>
    </message>
    <message>
        <source>Color Selected:</source>
        <translation>Cor selecionada:</translation>
    </message>
    <message>
        <source>Color Selected</source>
        <translation>Cor selecionada</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>&amp;Selecionar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
<context>
    <name>frmDisplay</name>
    <message>
        <source>Simple Choice Stimulus Module Data Display</source>
        <translation>Exibição de dados do módulo de estímulo de escolha simples</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logotipo</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versão</translation>
    </message>
    <message>
        <source>Set 1</source>
        <translation>Bloco 1</translation>
    </message>
    <message>
        <source>Run Data</source>
        <translation>Dados das tentativas</translation>
    </message>
    <message>
        <source>Run 1</source>
        <translation>Tentativa 1</translation>
    </message>
    <message>
        <source>Run 2</source>
        <translation>Tentativa 2</translation>
    </message>
    <message>
        <source>Run 3</source>
        <translation>Tentativa 3</translation>
    </message>
    <message>
        <source>Run 4</source>
        <translation>Tentativa 4</translation>
    </message>
    <message>
        <source>Run 5</source>
        <translation>Tentativa 5</translation>
    </message>
    <message>
        <source>Run 6</source>
        <translation>Tentativa 6</translation>
    </message>
    <message>
        <source>Run 7</source>
        <translation>Tentativa 7</translation>
    </message>
    <message>
        <source>Run 8</source>
        <translation>Tentativa 8</translation>
    </message>
    <message>
        <source>Run 9</source>
        <translation>Tentativa 9</translation>
    </message>
    <message>
        <source>Run 10</source>
        <translation>Tentativa 10</translation>
    </message>
    <message>
        <source>Run Statistics</source>
        <translation>Estatísticas das tentativas</translation>
    </message>
    <message>
        <source>Fast Time</source>
        <translation>Mais rápido</translation>
    </message>
    <message>
        <source>Slow Time</source>
        <translation>Mais lento</translation>
    </message>
    <message>
        <source>Average Time</source>
        <translation>Tempo médio</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Comentários</translation>
    </message>
    <message>
        <source>Set 2</source>
        <translation>Bloco 2</translation>
    </message>
    <message>
        <source>Set 3</source>
        <translation>Bloco 3</translation>
    </message>
    <message>
        <source>Set 4</source>
        <translation>Bloco 4</translation>
    </message>
    <message>
        <source>Set 5</source>
        <translation>Bloco 5</translation>
    </message>
    <message>
        <source>Set 6</source>
        <translation>Bloco 6</translation>
    </message>
    <message>
        <source>Set 7</source>
        <translation>Bloco 7</translation>
    </message>
    <message>
        <source>Set 8</source>
        <translation>Bloco 8</translation>
    </message>
    <message>
        <source>Set 9</source>
        <translation>Bloco 9</translation>
    </message>
    <message>
        <source>Set 10</source>
        <translation>Bloco 10</translation>
    </message>
    <message>
        <source>Fastest Times</source>
        <translation>Mais rápidos</translation>
    </message>
    <message>
        <source>Set Data For Fastest Times</source>
        <translation>Dados dos blocos para os tempos mais rápidos</translation>
    </message>
    <message>
        <source>Slowest Times</source>
        <translation>Mais lentos</translation>
    </message>
    <message>
        <source>Set Data For Slowest Times</source>
        <translation>Dados dos blocos para os tempos mais lentos</translation>
    </message>
    <message>
        <source>Average Times</source>
        <translation>Médias</translation>
    </message>
    <message>
        <source>Set Data For Average Times</source>
        <translation>Dados dos blocos para os tempos médios</translation>
    </message>
    <message>
        <source>All Data</source>
        <translation>Todos os dados</translation>
    </message>
    <message>
        <source>Data Only Displayed On The Graph</source>
        <translation>Dados exibidos só no gráfico</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Carregar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Limpar tudo</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Pronto</translation>
    </message>
</context>
<context>
    <name>frmLoadDisplay</name>
    <message>
        <source>Loading</source>
        <translation>Carregando</translation>
    </message>
    <message>
        <source>Loading Display Please Wait...</source>
        <translation>Carregando a exibição, aguarde...</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Simple vs Complex Stimulus Reaction Timing</source>
        <translation>Tempo de reação a estímulos simples e complexos</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>Simples</translation>
    </message>
    <message>
        <source>Simple Single Stimulus Module</source>
        <translation>Módulo de estímulo único simples</translation>
    </message>
    <message>
        <source>Color/Audio</source>
        <translation>Cor/som</translation>
    </message>
    <message>
        <source>Complex Color/Audio Stimulus Module</source>
        <translation>Módulo de estímulo complexo cor/som</translation>
    </message>
    <message>
        <source>Num/Audio</source>
        <translation>Núm/som</translation>
    </message>
    <message>
        <source>Complex Number/Audio Stimulus Module</source>
        <translation>Módulo de estímulo complexo número/som</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Edit Brev Settings</source>
        <translation>Editar as configurações do Brev</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>Limpar dados</translation>
    </message>
    <message>
        <source>Clear All Data Sets</source>
        <translation>Limpar todos os blocos de dados</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>Recuperar</translation>
    </message>
    <message>
        <source>Recover Data after a system crash</source>
        <translation>Recuperar os dados após uma falha do sistema</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Display About box</source>
        <translation>Mostrar a janela Sobre</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Quit Brev</source>
        <translation>Sair do Brev</translation>
    </message>
    <message>
        <source>Are you sure you want to DELETE ALL DATA ?</source>
        <translation>Tem certeza de que deseja EXCLUIR TODOS OS DADOS?</translation>
    </message>
    <message>
        <source>Delete All Data</source>
        <translation>Excluir todos os dados</translation>
    </message>
    <message>
        <source>Are you sure you want to exit?</source>
        <translation>Tem certeza de que deseja sair?</translation>
    </message>
    <message>
        <source>Data NOT saved!<byte value="xd"/></source>
        <translation>Dados NÃO salvos!<byte value="xd"/></translation>
    </message>
    <message>
        <source>Exit Orv Brevane 2</source>
        <translation>Sair do Orv Brevane 2</translation>
    </message>
</context>
<context>
    <name>frmNumberReflex</name>
    <message>
        <source>Complex Choice Number/Audio Stimulus Module</source>
        <translation>Módulo de estímulo de escolha complexa número/som</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logotipo</translation>
    </message>
    <message>
        <source>Complex Choice Number/Audio Stimulus</source>
        <translation>Estímulo de escolha complexa número/som</translation>
    </message>
    <message>
        <source>Trigger On</source>
        <translation>Alvo</translation>
    </message>
    <message>
        <source>Trigger Element</source>
        <translation>Elemento-alvo</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Som</translation>
    </message>
    <message>
        <source>Press Here</source>
        <translation>Pressione aqui</translation>
    </message>
    <message>
        <source>Element Display</source>
        <translation>Exibição dos elementos</translation>
    </message>
    <message>
        <source>Set Indicator</source>
        <translation>Indicador do bloco</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Previous Time</source>
        <translation>Tempo anterior</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Diferença</translation>
    </message>
    <message>
        <source>Average Time</source>
        <translation>Tempo médio</translation>
    </message>
    <message>
        <source>Run Count</source>
        <translation>Tentativas</translation>
    </message>
    <message>
        <source>Correct Hits</source>
        <translation>Acertos</translation>
    </message>
    <message>
        <source>Incorrect Hits</source>
        <translation>Erros</translation>
    </message>
    <message>
        <source>Correct Misses</source>
        <translation>Rejeições corretas</translation>
    </message>
    <message>
        <source>Missed Hits</source>
        <translation>Alvos perdidos</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descrição</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Clear Set</source>
        <translation>Limpar bloco</translation>
    </message>
    <message>
        <source>Next Set</source>
        <translation>Próx. bloco</translation>
    </message>
    <message>
        <source>Prev Set</source>
        <translation>Bloco ant.</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Pronto</translation>
    </message>
</context>
<context>
    <name>frmPrint</name>
    <message>
        <source>Print Data</source>
        <translation>Imprimir dados</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Título:</translation>
    </message>
    <message>
        <source>Select Sets To Print</source>
        <translation>Selecione os blocos a imprimir</translation>
    </message>
    <message>
        <source>Set 1</source>
        <translation>Bloco 1</translation>
    </message>
    <message>
        <source>Set 2</source>
        <translation>Bloco 2</translation>
    </message>
    <message>
        <source>Set 3</source>
        <translation>Bloco 3</translation>
    </message>
    <message>
        <source>Set 4</source>
        <translation>Bloco 4</translation>
    </message>
    <message>
        <source>Set 5</source>
        <translation>Bloco 5</translation>
    </message>
    <message>
        <source>Set 6</source>
        <translation>Bloco 6</translation>
    </message>
    <message>
        <source>Set 7</source>
        <translation>Bloco 7</translation>
    </message>
    <message>
        <source>Set 8</source>
        <translation>Bloco 8</translation>
    </message>
    <message>
        <source>Set 9</source>
        <translation>Bloco 9</translation>
    </message>
    <message>
        <source>Set 10</source>
        <translation>Bloco 10</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Selecionar tudo</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Configurar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>UnSelectAll</source>
        <translation>Desmarcar tudo</translation>
    </message>
    <message>
        <source>SelectAll</source>
        <translation>Selecionar tudo</translation>
    </message>
    <message>
        <source>You must select atleast ONE set to Print</source>
        <translation>Selecione pelo menos UM bloco para imprimir</translation>
    </message>
    <message>
        <source>Printing Error</source>
        <translation>Erro de impressão</translation>
    </message>
</context>
<context>
    <name>frmReflex</name>
    <message>
        <source>Simple Choice Stimulus Module</source>
        <translation>Módulo de estímulo de escolha simples</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logotipo</translation>
    </message>
    <message>
        <source>Simple Choice Stimulus</source>
        <translation>Estímulo de escolha simples</translation>
    </message>
    <message>
        <source>           Visual Trigger</source>
        <translation>          Estímulo visual</translation>
    </message>
    <message>
        <source>Press Here</source>
        <translation>Pressione aqui</translation>
    </message>
    <message>
        <source>Stimulus</source>
        <translation>Estímulo</translation>
    </message>
    <message>
        <source>Speaker</source>
        <translation>Alto-falante</translation>
    </message>
    <message>
        <source>Set Indicator</source>
        <translation>Indicador do bloco</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Bloco</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descrição</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Previous Time</source>
        <translation>Tempo anterior</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Diferença</translation>
    </message>
    <message>
        <source>Average Time</source>
        <translation>Tempo médio</translation>
    </message>
    <message>
        <source>Run Count</source>
        <translation>Tentativas</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Clear Set</source>
        <translation>Limpar bloco</translation>
    </message>
    <message>
        <source>Next Set</source>
        <translation>Próx. bloco</translation>
    </message>
    <message>
        <source>Prev Set</source>
        <translation>Bloco ant.</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Pronto</translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>The Orv Brevane 2.00</source>
        <translation>Orv Brevane 2.00</translation>
    </message>
    <message>
        <source>Simple vs Complex Stimulus Reaction Timing</source>
        <translation>Tempo de reação a estímulos simples e complexos</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progresso</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>there is no translation for &quot;%1&quot;; the program is shown in English</source>
        <translation>não há tradução para “%1”; o programa é exibido em inglês</translation>
    </message>
</context>
<context>
    <name>summary</name>
    <message>
        <source>The class summary of reaction-time files (recover.dat, .nrm and .col files, or folders of them):
sets.csv, students.csv, class.csv, class-notes.txt, class-chart.pdf and class-chart.png.</source>
        <translation>O resumo da turma a partir de arquivos de tempos de reação (recover.dat, arquivos .nrm e .col, ou pastas com eles):
sets.csv, students.csv, class.csv, class-notes.txt, class-chart.pdf e class-chart.png.</translation>
    </message>
    <message>
        <source>Write into &lt;folder&gt; (default: the current folder).</source>
        <translation>Grava em &lt;pasta&gt; (padrão: a pasta atual).</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>pasta</translation>
    </message>
    <message>
        <source>The .col files are the colour test&apos;s.</source>
        <translation>Os arquivos .col são do teste de cores.</translation>
    </message>
    <message>
        <source>The .col files are the number test&apos;s.</source>
        <translation>Os arquivos .col são do teste de números.</translation>
    </message>
    <message>
        <source>Name each student after their folder or their files&apos; names.</source>
        <translation>Dá a cada estudante o nome da sua pasta ou dos seus arquivos.</translation>
    </message>
    <message>
        <source>Start each CSV file with a UTF-8 mark.</source>
        <translation>Começa cada arquivo CSV com uma marca UTF-8 (BOM).</translation>
    </message>
    <message>
        <source>Write again whenever a file changes, until stopped.</source>
        <translation>Grava de novo sempre que um arquivo muda, até ser interrompido.</translation>
    </message>
    <message>
        <source>As --watch, with the chart in a window.</source>
        <translation>Como --watch, com o gráfico em uma janela.</translation>
    </message>
    <message>
        <source>Data files and folders.</source>
        <translation>Arquivos e pastas de dados.</translation>
    </message>
    <message>
        <source>path...</source>
        <translation>caminho...</translation>
    </message>
    <message>
        <source>--colour and --number exclude each other: summarise each test&apos;s .col files apart</source>
        <translation>--colour e --number se excluem: resuma separadamente os arquivos .col de cada teste</translation>
    </message>
    <message>
        <source>--student-from takes folder or name, not %1</source>
        <translation>--student-from aceita folder ou name, não %1</translation>
    </message>
    <message>
        <source>no file could be read; nothing written</source>
        <translation>nenhum arquivo pôde ser lido; nada foi gravado</translation>
    </message>
    <message>
        <source>Count a folder&apos;s files as its owners handed them in (yes), or by their names (no); by default the owners decide in a hand-in folder, one that others may enter but not list.</source>
        <translation>Conta os arquivos de uma pasta como entregues pelos seus donos (yes) ou pelos seus nomes (no); por padrão, os donos decidem em uma pasta de entrega, isto é, uma em que os outros podem entrar mas que não podem listar.</translation>
    </message>
    <message>
        <source>Say whether the hand-in folder &lt;folder&gt; is set up as one of the guide&apos;s recipes, and what is wrong; nothing is summarised.</source>
        <translation>Diz se a pasta de entrega &lt;pasta&gt; está configurada como uma das receitas do guia, e o que está errado; nada é resumido.</translation>
    </message>
    <message>
        <source>--owners takes yes or no, not %1</source>
        <translation>--owners aceita yes ou no, não %1</translation>
    </message>
</context>
</TS>
