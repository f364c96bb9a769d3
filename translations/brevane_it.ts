<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>ClassChart</name>
    <message>
        <source>Class reaction times: simple against choice</source>
        <translation>Tempi di reazione della classe: semplice contro scelta</translation>
    </message>
    <message>
        <source>One dot for each student&apos;s mean reaction time (%1): the mean of their set means, in whole ms as stored. Box: lower to upper quartile; thick line: median; whiskers: the furthest means within 1.5 box lengths.</source>
        <translation>Un punto per il tempo di reazione medio di ciascuno studente (%1): la media delle medie dei suoi blocchi, in ms interi come memorizzati. Scatola: dal quartile inferiore a quello superiore; linea spessa: mediana; baffi: le medie più lontane entro 1,5 lunghezze della scatola.</translation>
    </message>
    <message numerus="yes">
        <source>%n student(s)</source>
        <translation>
            <numerusform>%n studente</numerusform>
            <numerusform>%n studenti</numerusform>
        </translation>
    </message>
    <message>
        <source>No reaction times in the files read</source>
        <translation>Nessun tempo di reazione nei file letti</translation>
    </message>
    <message>
        <source>n = %1, mean %2 ms</source>
        <translation>n = %1, media %2 ms</translation>
    </message>
    <message>
        <source>%1 − simple: %2 ms (95 % CI %3 to %4, %5 students)</source>
        <translation>%1 − semplice: %2 ms (IC 95% da %3 a %4, %5 studenti)</translation>
    </message>
    <message>
        <source>Class reaction times</source>
        <translation>Tempi di reazione della classe</translation>
    </message>
    <message>
        <source>Bars beside each box: every run that counts (%1 runs; class-notes.txt says which), as shares of the test&apos;s runs in bins of %2 ms.</source>
        <translation>Barre accanto a ogni scatola: tutte le prove che contano (%1 prove; class-notes.txt dice quali), come quote delle prove del test in classi di %2 ms.</translation>
    </message>
    <message>
        <source>reaction time (ms)</source>
        <translation>tempo di reazione (ms)</translation>
    </message>
</context>
<context>
    <name>ClassFiles</name>
    <message>
        <source>not a recover.dat, .nrm or .col file</source>
        <translation>non è un file recover.dat, .nrm o .col</translation>
    </message>
    <message>
        <source>left out %1: a shared account&apos;s recover.dat holds whoever ran last</source>
        <translation>escluso %1: il recover.dat di un account condiviso contiene i dati di chi l&apos;ha usato per ultimo</translation>
    </message>
    <message>
        <source>a named pipe (FIFO), not read</source>
        <translation>una named pipe (FIFO), non letta</translation>
    </message>
    <message>
        <source>a socket, not read</source>
        <translation>un socket, non letto</translation>
    </message>
    <message>
        <source>a device, not read</source>
        <translation>un dispositivo, non letto</translation>
    </message>
    <message>
        <source>a link, not followed in a hand-in folder</source>
        <translation>un collegamento, non seguito in una cartella di consegna</translation>
    </message>
    <message>
        <source>handed in by user %1 beside the students&apos; folders, not in one</source>
        <translation>consegnato dall&apos;utente %1 accanto alle cartelle degli studenti, non dentro una di esse</translation>
    </message>
    <message>
        <source>no user %1 on this machine; the folder is left out</source>
        <translation>nessun utente %1 su questa macchina; la cartella è esclusa</translation>
    </message>
    <message>
        <source>the folder belongs to user %1, not %2; its files are left out</source>
        <translation>la cartella appartiene all&apos;utente %1, non a %2; i suoi file sono esclusi</translation>
    </message>
    <message>
        <source>a folder within a student&apos;s folder, not read</source>
        <translation>una cartella dentro la cartella di uno studente, non letta</translation>
    </message>
    <message>
        <source>handed in by user %1, not %2</source>
        <translation>consegnato dall&apos;utente %1, non da %2</translation>
    </message>
    <message>
        <source>in a folder of user %1, not %2</source>
        <translation>in una cartella dell&apos;utente %1, non di %2</translation>
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
        <translation>Le macchine

Ogni tempo memorizzato include ciò che aggiunge la macchina su cui è stato misurato: il ritardo del monitor
(stimoli di colore) o dell&apos;uscita audio (toni) e quello del mouse (il polling, l&apos;antirimbalzo, il percorso
dell&apos;input). Il controllo della macchina (brevane --check-machine) li ha misurati su ogni macchina qui sotto
con un fotodiodo, un cavo ad anello e un microfono attraverso la scheda audio; il tempo di reazione di uno
studente è circa il tempo memorizzato meno il ritardo della parte dello stimolo e quello del mouse. Su una
stessa macchina non cambiano una differenza tra test (scelta meno semplice), quindi gli intervalli per dati
appaiati in class.csv restano validi; i tempi di macchine con ritardi diversi sono più lunghi o più corti di
quella differenza. sets.csv e students.csv terminano con la macchina di ogni file e i suoi ritardi.

</translation>
    </message>
    <message>
        <source>%1 (checked %2; %3; files: %4): %5
</source>
        <translation>%1 (controllata il %2; %3; file: %4): %5
</translation>
    </message>
    <message>
        <source>mode not known</source>
        <translation>modalità non nota</translation>
    </message>
    <message>
        <source>Screen and mouse together add %1 to %2 ms on these machines: a visual time measured on
one may differ from another&apos;s by up to %3 ms from the machines alone.
</source>
        <translation>Schermo e mouse insieme aggiungono da %1 a %2 ms su queste macchine: un tempo visivo misurato su
una può differire da quello di un&apos;altra fino a %3 ms per le sole macchine.
</translation>
    </message>
</context>
<context>
    <name>ClassRun</name>
    <message>
        <source>skipped %1: %2</source>
        <translation>saltato %1: %2</translation>
    </message>
    <message>
        <source>%1 is a copy of %2: read once</source>
        <translation>%1 è una copia di %2: letto una volta sola</translation>
    </message>
    <message>
        <source>%1 of %2 files read</source>
        <translation>letti %1 file su %2</translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>impossibile creare la cartella %1</translation>
    </message>
    <message>
        <source>could not write %1: %2</source>
        <translation>impossibile scrivere %1: %2</translation>
    </message>
    <message>
        <source>%1 read</source>
        <translation>%1</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n file letto</numerusform>
            <numerusform>%n file letti</numerusform>
        </translation>
    </message>
    <message>
        <source> (and %1 read once)</source>
        <translation> (e %1)</translation>
    </message>
    <message numerus="yes">
        <source>%n copy(ies)</source>
        <translation>
            <numerusform>%n copia letta una volta sola</numerusform>
            <numerusform>%n copie lette una volta sola</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2 skipped; %3 (%4 by folder, %5 by file name); tests: %6</source>
        <translation>%1, saltati: %2; %3 (%4 per cartella, %5 per nome di file); test: %6</translation>
    </message>
    <message numerus="yes">
        <source>%n student(s)</source>
        <translation>
            <numerusform>%n studente</numerusform>
            <numerusform>%n studenti</numerusform>
        </translation>
    </message>
    <message>
        <source>none</source>
        <translation>nessuno</translation>
    </message>
</context>
<context>
    <name>ClassSummary</name>
    <message>
        <source>.%1 file</source>
        <translation>file .%1</translation>
    </message>
    <message>
        <source>it has %1 lines; a %2 has %3</source>
        <translation>ha %1 righe; un %2 ne ha %3</translation>
    </message>
    <message>
        <source>line %1 is not what a %2 holds there</source>
        <translation>la riga %1 non è ciò che un %2 contiene in quel punto</translation>
    </message>
    <message>
        <source>it has more than the %1 lines of a %2</source>
        <translation>ha più delle %1 righe di un %2</translation>
    </message>
    <message>
        <source>%1: %2 holds %3 sets that %4 holds too; each taken once</source>
        <translation>%1: %2 contiene %3 blocchi che contiene anche %4; ciascuno preso una volta sola</translation>
    </message>
    <message>
        <source>%1 has two different %2 files, %3 and %4: both kept as separate sets</source>
        <translation>%1 ha due file %2 diversi, %3 e %4: tenuti entrambi come blocchi separati</translation>
    </message>
    <message>
        <source>%1 handed in</source>
        <translation>%1 con consegna</translation>
    </message>
    <message numerus="yes">
        <source>%n student(s)</source>
        <translation>
            <numerusform>%n studente</numerusform>
            <numerusform>%n studenti</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>cannot create or enter the folder %1; files are kept in %2</source>
        <translation>impossibile creare la cartella %1 o entrarvi; i file sono tenuti in %2</translation>
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
        <translation>Uso: %1 [--user-folder] [--hand-in CARTELLA] [--unlock] [--language CODICE]
          [FILE-DI-CONFIGURAZIONE]
     %1 --timing-check | --check-machine | --version | --help

Tempi di reazione a stimoli semplici e complessi: i tempi di reazione di uno studente
a un tono, a un cambio di colore o a entrambi, in un test semplice e due test di scelta.

  FILE-DI-CONFIGURAZIONE  la configurazione da usare al posto di %2; un nome
                      relativo è cercato nella cartella in cui sono tenuti i file
  --user-folder       tiene i file nella cartella dell&apos;utente, creata se manca:
                      %3
                      (la voce del menu del desktop avvia il programma così)
  --hand-in CARTELLA  consegna inoltre ogni file .nrm e .col salvato e ogni
                      recover.dat in CARTELLA/&lt;nome di login&gt;/, per il docente
                      (impostato per tutti gli utenti in
                      /etc/xdg/Brevane/Brevane.conf; man brevane)
  --unlock            dove il laboratorio blocca le impostazioni, permette a un
                      membro del gruppo dei docenti di cambiarle in questa sessione
  --timing-check      mostra un riquadro lampeggiante per un fotodiodo o una videocamera,
                      con la frequenza di aggiornamento, il jitter dei fotogrammi e le
                      fonti delle marche temporali in uso (Esc o un clic lo chiude)
  --check-machine     controlla questo PC da capo a fondo attraverso l&apos;ingresso della
                      scheda audio: lo schermo con un fotodiodo, il suono con un cavo
                      dall&apos;uscita, il mouse con il suo clic; conserva i ritardi per la
                      finestra Informazioni e il riepilogo di classe (docs/guide.md)
  --language CODICE   mostra il programma in questa lingua (de, ja, ar, ...;
                      inglese dove manca la traduzione) invece di quella del
                      sistema o di quella impostata in Brevane.conf
  --version           stampa la versione ed esce
  --help              stampa questo testo ed esce

I file sono tenuti nella cartella corrente o, con --user-folder, nella cartella
indicata sopra: %2 (la configurazione, scritta con i valori predefiniti se manca)
e recover.dat (i blocchi di ogni test, riscritto alla fine di ogni sequenza;
Ripristina nel menu principale lo rilegge). Le finestre di dialogo dei file si
aprono lì; i file dei risultati (.nrm, .col) vanno dove li salva.
</translation>
    </message>
</context>
<context>
    <name>DisplayStamps</name>
    <message>
        <source>; times may be one frame long: see the guide</source>
        <translation>; i tempi possono includere un fotogramma in più: vedere la guida</translation>
    </message>
    <message>
        <source>The window system does not say when a frame is shown</source>
        <translation>Il sistema di finestre non indica quando viene mostrato un fotogramma</translation>
    </message>
    <message>
        <source>The X server does not say when a frame is shown</source>
        <translation>Il server X non indica quando viene mostrato un fotogramma</translation>
    </message>
    <message>
        <source>XWayland shows the window through the Wayland compositor</source>
        <translation>XWayland mostra la finestra attraverso il compositor Wayland</translation>
    </message>
    <message>
        <source>Some stimuli were stamped by %1</source>
        <translation>Alcuni stimoli hanno ricevuto la marca temporale da %1</translation>
    </message>
    <message>
        <source>the display&apos;s refresh</source>
        <translation>l&apos;aggiornamento dello schermo</translation>
    </message>
    <message>
        <source>the X server&apos;s refresh, not the pixel&apos;s</source>
        <translation>l&apos;aggiornamento del server X, non quello del pixel</translation>
    </message>
    <message>
        <source>the compositor&apos;s frame timings</source>
        <translation>i tempi dei fotogrammi del compositor</translation>
    </message>
    <message>
        <source>the screen read back</source>
        <translation>la rilettura dello schermo</translation>
    </message>
    <message>
        <source>the Wayland compositor&apos;s report of the frame</source>
        <translation>la segnalazione del fotogramma da parte del compositor Wayland</translation>
    </message>
    <message>
        <source>the hand-over to the X server</source>
        <translation>il passaggio al server X</translation>
    </message>
    <message>
        <source>the clock after a repaint</source>
        <translation>l&apos;orologio dopo un ridisegno</translation>
    </message>
    <message>
        <source>%1 (exact)</source>
        <translation>%1 (esatto)</translation>
    </message>
    <message>
        <source>%1 (estimated)</source>
        <translation>%1 (stimato)</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nessuno</translation>
    </message>
    <message>
        <source>%1 Hz</source>
        <translation>%1 Hz</translation>
    </message>
    <message>
        <source>not reported (a virtual screen)</source>
        <translation>non indicata (uno schermo virtuale)</translation>
    </message>
    <message>
        <source>The Wayland compositor estimates when a frame is shown; times may be one frame long: see the guide</source>
        <translation>Il compositor Wayland stima quando viene mostrato un fotogramma; i tempi possono includere un fotogramma in più: vedere la guida</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>Reflex Data Files (*.nrm)|*.nrm</source>
        <translation>File di dati Reflex (*.nrm)|*.nrm</translation>
    </message>
    <message>
        <source>Reflex Data Files (*.col)|*.col</source>
        <translation>File di dati Reflex (*.col)|*.col</translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
        File already exisits. Do you want to overwrite?</source>
        <translation><byte value="xd"/>
<byte value="xd"/>
        Il file esiste già. Sovrascriverlo?</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Salva file</translation>
    </message>
    <message>
        <source>Save File Error</source>
        <translation>Errore di salvataggio</translation>
    </message>
    <message>
        <source>Save Cancelled</source>
        <translation>Salvataggio annullato</translation>
    </message>
    <message>
        <source>Load File Error</source>
        <translation>Errore di caricamento</translation>
    </message>
    <message>
        <source>Load Cancelled</source>
        <translation>Caricamento annullato</translation>
    </message>
    <message>
        <source>Export to CSV</source>
        <translation>Esporta in CSV</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)|*.csv</source>
        <translation>File CSV (*.csv)|*.csv</translation>
    </message>
</context>
<context>
    <name>FileRead</name>
    <message>
        <source>%1 is a folder, not a file.</source>
        <translation>%1 è una cartella, non un file.</translation>
    </message>
    <message>
        <source>%1 holds %2 MB, far more than any file of this program; it was not read.</source>
        <translation>%1 contiene %2 MB, molto più di qualsiasi file di questo programma; non è stato letto.</translation>
    </message>
    <message>
        <source>%1 is far larger than any file of this program; it was not read.</source>
        <translation>%1 è molto più grande di qualsiasi file di questo programma; non è stato letto.</translation>
    </message>
</context>
<context>
    <name>HandIn</name>
    <message>
        <source>Hand-in</source>
        <translation>Consegna</translation>
    </message>
    <message>
        <source>the hand-in folder is missing</source>
        <translation>la cartella di consegna manca</translation>
    </message>
    <message>
        <source>Not handed in to %1: %2.
Your file is saved on this computer; it is handed in at your next save.</source>
        <translation>Non consegnato a %1: %2.
Il Suo file è salvato su questo computer; verrà consegnato al prossimo salvataggio.</translation>
    </message>
    <message>
        <source>the hand-in folder is still not answering</source>
        <translation>la cartella di consegna continua a non rispondere</translation>
    </message>
    <message>
        <source>the hand-in folder did not answer</source>
        <translation>la cartella di consegna non ha risposto</translation>
    </message>
    <message>
        <source>the folder %1 in the hand-in folder is a link, not a folder</source>
        <translation>la cartella %1 nella cartella di consegna è un collegamento, non una cartella</translation>
    </message>
    <message>
        <source>%1 in the hand-in folder is not a folder</source>
        <translation>%1 nella cartella di consegna non è una cartella</translation>
    </message>
    <message>
        <source>the folder %1 in the hand-in folder belongs to another user</source>
        <translation>la cartella %1 nella cartella di consegna appartiene a un altro utente</translation>
    </message>
</context>
<context>
    <name>HandoutPage</name>
    <message>
        <source>beyond your median ± 3 scaled MADs of the test</source>
        <translation>oltre la Sua mediana ± 3 MAD scalati del test</translation>
    </message>
    <message>
        <source>beyond your mean ± 3 SD of the test</source>
        <translation>oltre la Sua media ± 3 DS del test</translation>
    </message>
    <message>
        <source>none cut here</source>
        <translation>nessuna esclusione qui</translation>
    </message>
    <message>
        <source>Reaction times of %1</source>
        <translation>Tempi di reazione di %1</translation>
    </message>
    <message>
        <source>Your times beside your class&apos;s (%1 students), in whole milliseconds as stored.</source>
        <translation>I Suoi tempi accanto a quelli della Sua classe (%1 studenti), in millisecondi interi come memorizzati.</translation>
    </message>
    <message>
        <source>test</source>
        <translation>test</translation>
    </message>
    <message>
        <source>sets</source>
        <translation>blocchi</translation>
    </message>
    <message>
        <source>runs that count</source>
        <translation>prove che contano</translation>
    </message>
    <message>
        <source>mean</source>
        <translation>media</translation>
    </message>
    <message>
        <source>median</source>
        <translation>mediana</translation>
    </message>
    <message>
        <source>anticipations</source>
        <translation>anticipazioni</translation>
    </message>
    <message>
        <source>lapses</source>
        <translation>lapsus</translation>
    </message>
    <message>
        <source>outliers</source>
        <translation>valori anomali</translation>
    </message>
    <message>
        <source>Runs that count: all but missed hits, anticipations (under %1 ms), lapses (over %2 ms) and outliers (%3). mean: the mean of your set means, every time as stored. median, μ, σ, τ: your runs but missed hits, anticipations and lapses; μ, σ, τ: the ex-Gaussian fitted to them, a normal part (μ, σ) plus an exponential part of mean τ, the slow tail; from %4 runs on.</source>
        <translation>Prove che contano: tutte tranne le risposte mancate, le anticipazioni (sotto %1 ms), i lapsus (oltre %2 ms) e i valori anomali (%3). media: la media delle medie dei Suoi blocchi, ogni tempo come memorizzato. mediana, μ, σ, τ: le Sue prove tranne risposte mancate, anticipazioni e lapsus; μ, σ, τ: la ex-gaussiana adattata ad esse, una parte normale (μ, σ) più una parte esponenziale di media τ, la coda lenta; a partire da %4 prove.</translation>
    </message>
    <message>
        <source>Grey: the class&apos;s runs that count; outlined: yours, each as shares of its runs. Ticks: the class&apos;s means; the dot: yours.</source>
        <translation>Grigio: le prove che contano della classe; contorno: le Sue, ciascuna come quota delle proprie prove. Tacche: le medie della classe; il punto: la Sua.</translation>
    </message>
    <message>
        <source>No mean: none of your runs is a reaction time.</source>
        <translation>Nessuna media: nessuna delle Sue prove è un tempo di reazione.</translation>
    </message>
    <message>
        <source>Your mean, %1 ms; nobody else took this test.</source>
        <translation>La Sua media, %1 ms; nessun altro ha svolto questo test.</translation>
    </message>
    <message>
        <source>Your mean, %1 ms: of the %2 others, %3 faster, %4 slower.</source>
        <translation>La Sua media, %1 ms: dei %2 altri, %3 più veloci, %4 più lenti.</translation>
    </message>
</context>
<context>
    <name>Handouts</name>
    <message>
        <source>Reaction times: a page for each student</source>
        <translation>Tempi di reazione: una pagina per ogni studente</translation>
    </message>
</context>
<context>
    <name>Lab</name>
    <message>
        <source>The settings are locked by the lab (LockSettings in %1).</source>
        <translation>Le impostazioni sono bloccate dal laboratorio (LockSettings in %1).</translation>
    </message>
    <message>
        <source>Nobody may unlock the settings here: %1 names no group of teachers (Teachers in its [Lab] section).</source>
        <translation>Qui nessuno può sbloccare le impostazioni: %1 non indica alcun gruppo di docenti (Teachers nella sua sezione [Lab]).</translation>
    </message>
    <message>
        <source>The settings are locked by the lab (LockSettings in %1); a member of the group %2 may change them by starting the program with --unlock.</source>
        <translation>Le impostazioni sono bloccate dal laboratorio (LockSettings in %1); un membro del gruppo %2 può cambiarle avviando il programma con --unlock.</translation>
    </message>
    <message>
        <source>Only a member of the group %1 may unlock the settings with --unlock, which %2 is not; the settings stay locked.</source>
        <translation>Solo un membro del gruppo %1 può sbloccare le impostazioni con --unlock, e %2 non lo è; le impostazioni restano bloccate.</translation>
    </message>
</context>
<context>
    <name>MachineCheck</name>
    <message>
        <source>%1 of %2 trials</source>
        <translation>%1 misurazioni su %2</translation>
    </message>
    <message>
        <source>the signal is too weak (%1): turn the input volume up, or the screen&apos;s brightness, and hold the diode flat on the patch</source>
        <translation>il segnale è troppo debole (%1): alzi il volume d&apos;ingresso o la luminosità dello schermo, e tenga il diodo aderente al riquadro</translation>
    </message>
    <message>
        <source>the signal is too weak (%1): turn the output and the input volume up</source>
        <translation>il segnale è troppo debole (%1): alzi il volume d&apos;uscita e quello d&apos;ingresso</translation>
    </message>
    <message>
        <source>the clicks are too faint (%1): put the microphone closer to the mouse and turn the input volume up</source>
        <translation>i clic sono troppo deboli (%1): avvicini il microfono al mouse e alzi il volume d&apos;ingresso</translation>
    </message>
    <message>
        <source>the signal is too noisy (%1): keep the room quiet, the cable short and away from the mains, and turn the input volume down if it hums</source>
        <translation>il segnale è troppo rumoroso (%1): tenga la stanza silenziosa e il cavo corto e lontano dalla rete elettrica, e abbassi il volume d&apos;ingresso se ronza</translation>
    </message>
    <message>
        <source>the recording broke off (%1): close other programs that use the sound card and try again</source>
        <translation>la registrazione si è interrotta (%1): chiuda gli altri programmi che usano la scheda audio e riprovi</translation>
    </message>
    <message>
        <source>no flash was seen in %1: is the diode on the patch and plugged into the input that records?</source>
        <translation>nessun lampo rilevato in %1: il diodo è sul riquadro e collegato all&apos;ingresso che registra?</translation>
    </message>
    <message>
        <source>no tone came back in %1: is the output looped to the input that records?</source>
        <translation>nessun tono è tornato in %1: l&apos;uscita è collegata ad anello all&apos;ingresso che registra?</translation>
    </message>
    <message>
        <source>no click was heard in %1: is the microphone next to the mouse?</source>
        <translation>nessun clic udito in %1: il microfono è accanto al mouse?</translation>
    </message>
    <message>
        <source>too few trials (%1)</source>
        <translation>troppo poche misurazioni (%1)</translation>
    </message>
</context>
<context>
    <name>MachineResult</name>
    <message>
        <source>it is not a machine check&apos;s result</source>
        <translation>non è il risultato di un controllo della macchina</translation>
    </message>
    <message>
        <source>line %1 is not a part&apos;s lag</source>
        <translation>la riga %1 non è il ritardo di una parte</translation>
    </message>
    <message>
        <source>it names no machine</source>
        <translation>non indica alcuna macchina</translation>
    </message>
    <message>
        <source>%1 %2 ms (SD %3)</source>
        <translation>%1 %2 ms (DS %3)</translation>
    </message>
    <message>
        <source>%1: not measured</source>
        <translation>%1: non misurato</translation>
    </message>
    <message>
        <source>Machine check: not done on this machine (brevane --check-machine)</source>
        <translation>Controllo della macchina: non eseguito su questa macchina (brevane --check-machine)</translation>
    </message>
    <message>
        <source>Machine check (%1, %2): %3</source>
        <translation>Controllo della macchina (%1, %2): %3</translation>
    </message>
</context>
<context>
    <name>ProgramVersion</name>
    <message>
        <source>Version %1.%2%3</source>
        <translation>Versione %1.%2%3</translation>
    </message>
</context>
<context>
    <name>QtPrinting</name>
    <message>
        <source>The printer %1 could not be opened.</source>
        <translation>Impossibile aprire la stampante %1.</translation>
    </message>
    <message>
        <source>The printer %1 reported an error.</source>
        <translation>La stampante %1 ha segnalato un errore.</translation>
    </message>
    <message>
        <source>The PDF could not be completed.</source>
        <translation>Impossibile completare il PDF.</translation>
    </message>
    <message>
        <source>The PDF could not be started.</source>
        <translation>Impossibile avviare il PDF.</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Impostazioni di stampa</translation>
    </message>
</context>
<context>
    <name>RecoveryFile</name>
    <message>
        <source>The recovery file recover.dat could not be written.</source>
        <translation>Impossibile scrivere il file di ripristino recover.dat.</translation>
    </message>
    <message>
        <source><byte value="xd"/>Your data are kept in memory.</source>
        <translation><byte value="xd"/>I Suoi dati restano in memoria.</translation>
    </message>
    <message>
        <source>Recovery File Error</source>
        <translation>Errore del file di ripristino</translation>
    </message>
    <message>
        <source>Load Cancelled</source>
        <translation>Caricamento annullato</translation>
    </message>
    <message>
        <source>No Recovery File Created or Found</source>
        <translation>Nessun file di ripristino creato o trovato</translation>
    </message>
    <message>
        <source>Load File Error</source>
        <translation>Errore di caricamento</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Fastest Time</source>
        <translation>Tempo più veloce</translation>
    </message>
    <message>
        <source>Slowest Time</source>
        <translation>Tempo più lento</translation>
    </message>
    <message>
        <source>Average Time</source>
        <translation>Tempo medio</translation>
    </message>
    <message>
        <source>Correct Hits</source>
        <translation>Risposte corrette</translation>
    </message>
    <message>
        <source>Correct Misses</source>
        <translation>Omissioni corrette</translation>
    </message>
    <message>
        <source>InCorrect Hits</source>
        <translation>Risposte errate</translation>
    </message>
    <message>
        <source>Missed Hits</source>
        <translation>Risposte mancate</translation>
    </message>
    <message>
        <source>Orv Tovanel:  Color Reflex Data</source>
        <translation>Orv Tovanel:  Dati di reazione colore</translation>
    </message>
    <message>
        <source>Orv Tovanel:  Number Reflex Data</source>
        <translation>Orv Tovanel:  Dati di reazione numero</translation>
    </message>
    <message>
        <source>Set  %1</source>
        <translation>Blocco  %1</translation>
    </message>
    <message>
        <source>Comments:</source>
        <translation>Commenti:</translation>
    </message>
    <message>
        <source>Save Report As PDF</source>
        <translation>Salva resoconto come PDF</translation>
    </message>
    <message>
        <source>PDF Files|*.pdf</source>
        <translation>File PDF|*.pdf</translation>
    </message>
    <message>
        <source>The file could not be written.</source>
        <translation>Impossibile scrivere il file.</translation>
    </message>
    <message>
        <source>Print Error<byte value="xd"/></source>
        <translation>Errore di stampa<byte value="xd"/></translation>
    </message>
    <message>
        <source>Print Cancelled</source>
        <translation>Stampa annullata</translation>
    </message>
    <message>
        <source>  Slowest Time</source>
        <translation>  Tempo più lento</translation>
    </message>
    <message>
        <source>Orv Tovanel:  Normal Reflex Data</source>
        <translation>Orv Tovanel:  Dati di reazione semplice</translation>
    </message>
</context>
<context>
    <name>ResultsKind</name>
    <message>
        <source>Complex Choice Color/Audio Stimulus Module Data Display</source>
        <translation>Visualizzazione dati del modulo di stimolo a scelta complessa colore/audio</translation>
    </message>
    <message>
        <source>Delete run %1 from the set? </source>
        <translation>Eliminare la prova %1 dal blocco? </translation>
    </message>
    <message>
        <source>Color Reflex Data Files</source>
        <translation>File di dati Reflex colore</translation>
    </message>
    <message>
        <source>Complex Choice Number/Audio Stimulus Module Data Display</source>
        <translation>Visualizzazione dati del modulo di stimolo a scelta complessa numero/audio</translation>
    </message>
    <message>
        <source>Delete run %1 for the set? </source>
        <translation>Eliminare la prova %1 dal blocco? </translation>
    </message>
    <message>
        <source>Number Reflex Data Files</source>
        <translation>File di dati Reflex numero</translation>
    </message>
    <message>
        <source>Simple Choice Stimulus Module Data Display</source>
        <translation>Visualizzazione dati del modulo di stimolo a scelta semplice</translation>
    </message>
    <message>
        <source>Normal Reflex Data Files</source>
        <translation>File di dati Reflex semplice</translation>
    </message>
</context>
<context>
    <name>ResultsModel</name>
    <message>
        <source>Delete run %1 for the set? </source>
        <translation>Eliminare la prova %1 dal blocco? </translation>
    </message>
    <message>
        <source>Are you sure you want to DELETE ALL DATA ?</source>
        <translation>Vuole davvero ELIMINARE TUTTI I DATI?</translation>
    </message>
    <message>
        <source>Delete All Data</source>
        <translation>Elimina tutti i dati</translation>
    </message>
</context>
<context>
    <name>RuleOptions</name>
    <message>
        <source>A time under &lt;ms&gt; is an anticipation (default: 100).</source>
        <translation>Un tempo sotto &lt;ms&gt; è un&apos;anticipazione (predefinito: 100).</translation>
    </message>
    <message>
        <source>A time over &lt;ms&gt; is a lapse (default: 2000).</source>
        <translation>Un tempo oltre &lt;ms&gt; è un lapsus (predefinito: 2000).</translation>
    </message>
    <message>
        <source>Cut outliers beyond median +- 3 scaled MADs (mad, the default), mean +- 3 SD (sd), or not at all (none).</source>
        <translation>Esclude i valori anomali oltre la mediana +- 3 MAD scalati (mad, il predefinito), la media +- 3 DS (sd) o per niente (none).</translation>
    </message>
    <message>
        <source>Write a PDF page for each student, handout-&lt;student&gt;.pdf.</source>
        <translation>Scrive una pagina PDF per ogni studente, handout-&lt;student&gt;.pdf.</translation>
    </message>
    <message>
        <source>--%1 takes a whole number of milliseconds from %2 to %3, not %4</source>
        <translation>--%1 accetta un numero intero di millisecondi da %2 a %3, non %4</translation>
    </message>
    <message>
        <source>the lapse limit (%1 ms) must lie above the anticipation limit (%2 ms)</source>
        <translation>il limite dei lapsus (%1 ms) deve stare sopra il limite delle anticipazioni (%2 ms)</translation>
    </message>
    <message>
        <source>--outlier-rule takes mad, sd or none, not %1</source>
        <translation>--outlier-rule accetta mad, sd o none, non %1</translation>
    </message>
</context>
<context>
    <name>SessionPlatform</name>
    <message>
        <source>On Wayland: no pointer placement, and presses are stamped by the toolkit event (XWayland gives both)</source>
        <translation>Su Wayland: nessun posizionamento del puntatore, e le pressioni ricevono la marca temporale dall&apos;evento del toolkit (XWayland offre entrambi)</translation>
    </message>
    <message>
        <source>Wayland session: running on X through XWayland, which places the pointer and reads raw input</source>
        <translation>Sessione Wayland: in esecuzione su X tramite XWayland, che posiziona il puntatore e legge l&apos;input grezzo</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Settings Locked</source>
        <translation>Impostazioni bloccate</translation>
    </message>
</context>
<context>
    <name>SettingsEditor</name>
    <message>
        <source>Configuration Files (*.cfg)|*.cfg</source>
        <translation>File di configurazione (*.cfg)|*.cfg</translation>
    </message>
    <message>
        <source>Trigger Colour</source>
        <translation>Colore dello stimolo</translation>
    </message>
    <message>
        <source>The trigger colour must differ from the panel&apos;s white at rest, or the stimulus is invisible.</source>
        <translation>Il colore dello stimolo deve differire dal bianco del pannello a riposo, altrimenti lo stimolo è invisibile.</translation>
    </message>
    <message>
        <source>Save Configuration File</source>
        <translation>Salva file di configurazione</translation>
    </message>
    <message>
        <source>Save File Error</source>
        <translation>Errore di salvataggio</translation>
    </message>
    <message>
        <source>Save Cancelled</source>
        <translation>Salvataggio annullato</translation>
    </message>
    <message>
        <source>Load Configuration File</source>
        <translation>Carica file di configurazione</translation>
    </message>
    <message>
        <source>Load File Error</source>
        <translation>Errore di caricamento</translation>
    </message>
    <message>
        <source>Load Cancelled</source>
        <translation>Caricamento annullato</translation>
    </message>
    <message>
        <source>Configuration File Load Error</source>
        <translation>Errore di caricamento della configurazione</translation>
    </message>
    <message>
        <source>Invalid Configuration File<byte value="xd"/>No File Loaded</source>
        <translation>File di configurazione non valido<byte value="xd"/>Nessun file caricato</translation>
    </message>
</context>
<context>
    <name>ShapeChart</name>
    <message>
        <source>median of the student&apos;s runs (ms)</source>
        <translation>mediana delle prove dello studente (ms)</translation>
    </message>
    <message>
        <source>τ, the slow tail (ms)</source>
        <translation>τ, la coda lenta (ms)</translation>
    </message>
    <message>
        <source>%1 of %2 students fitted
mean τ %3 ms</source>
        <translation>adattamento per %1 studenti su %2
τ medio %3 ms</translation>
    </message>
    <message>
        <source>%1 − simple: μ %2 ms (95 % CI %3 to %4), τ %5 ms (%6 to %7), %8 students</source>
        <translation>%1 − semplice: μ %2 ms (IC 95% da %3 a %4), τ %5 ms (da %6 a %7), %8 studenti</translation>
    </message>
    <message>
        <source>The shape of each student&apos;s times</source>
        <translation>La forma dei tempi di ciascuno studente</translation>
    </message>
    <message>
        <source>One dot for each student and test with an ex-Gaussian fit (at least %1 runs that are neither anticipations nor lapses): across, the median of those runs; up, τ, the mean of the fit&apos;s exponential part: its slow tail. A test that slows every run moves the dots to the right; one that adds slow runs moves them up.</source>
        <translation>Un punto per ogni studente e test con un adattamento ex-gaussiano (almeno %1 prove che non sono né anticipazioni né lapsus): in orizzontale, la mediana di quelle prove; in verticale, τ, la media della parte esponenziale dell&apos;adattamento: la sua coda lenta. Un test che rallenta ogni prova sposta i punti a destra; uno che aggiunge prove lente li sposta in alto.</translation>
    </message>
    <message>
        <source>No student has %1 runs in a test yet: too few for a fit</source>
        <translation>Nessuno studente ha ancora %1 prove in un test: troppo poche per un adattamento</translation>
    </message>
</context>
<context>
    <name>ShareCheck</name>
    <message>
        <source>cannot look at %1 (%2)</source>
        <translation>impossibile esaminare %1 (%2)</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 non è una cartella</translation>
    </message>
    <message>
        <source>cannot list %1 (%2): run this as a member of its group or as root</source>
        <translation>impossibile elencare %1 (%2): esegua questo comando come membro del suo gruppo o come root</translation>
    </message>
    <message>
        <source>1 student&apos;s folder</source>
        <translation>la cartella di 1 studente</translation>
    </message>
    <message>
        <source>%1 students&apos; folders</source>
        <translation>le cartelle di %1 studenti</translation>
    </message>
    <message>
        <source>%1: %2, all as the recipe has them</source>
        <translation>%1: %2, tutto come prevede la ricetta</translation>
    </message>
    <message>
        <source>%1: %2; 1 thing to put right</source>
        <translation>%1: %2; 1 cosa da correggere</translation>
    </message>
    <message>
        <source>%1: %2; %3 things to put right</source>
        <translation>%1: %2; %3 cose da correggere</translation>
    </message>
    <message>
        <source>%1: the guide&apos;s first recipe, one group folder (mode 3773), group %2</source>
        <translation>%1: la prima ricetta della guida, una cartella di gruppo (permessi 3773), gruppo %2</translation>
    </message>
    <message>
        <source>%1: the guide&apos;s second recipe, a folder per student (mode 0751), group %2</source>
        <translation>%1: la seconda ricetta della guida, una cartella per studente (permessi 0751), gruppo %2</translation>
    </message>
    <message>
        <source>%1 has the mode %2, not %3</source>
        <translation>%1 ha i permessi %2, non %3</translation>
    </message>
    <message>
        <source>every user may list %1 and see who handed in: take the others&apos; r away</source>
        <translation>ogni utente può elencare %1 e vedere chi ha consegnato: tolga la r agli altri</translation>
    </message>
    <message>
        <source>without the sticky bit a student may rename or remove another&apos;s folder</source>
        <translation>senza lo sticky bit uno studente può rinominare o rimuovere la cartella di un altro</translation>
    </message>
    <message>
        <source>without the setgid bit the students&apos; new folders do not get the group %1, and the teachers cannot read them</source>
        <translation>senza il bit setgid le nuove cartelle degli studenti non ricevono il gruppo %1, e i docenti non possono leggerle</translation>
    </message>
    <message>
        <source>the students cannot %1 their folders in %2</source>
        <translation>gli studenti non possono %1 le loro cartelle in %2</translation>
    </message>
    <message>
        <source>make</source>
        <translation>creare</translation>
    </message>
    <message>
        <source>reach</source>
        <translation>raggiungere</translation>
    </message>
    <message>
        <source>the group %1 cannot list %2, so the teachers do not see the folders</source>
        <translation>il gruppo %1 non può elencare %2, quindi i docenti non vedono le cartelle</translation>
    </message>
    <message>
        <source>%1 belongs to user %2, not root: %2 may rename or remove every student&apos;s folder</source>
        <translation>%1 appartiene all&apos;utente %2, non a root: %2 può rinominare o rimuovere la cartella di ogni studente</translation>
    </message>
    <message>
        <source>%1 is a link, not a student&apos;s folder: remove it (hand-ins through it are refused)</source>
        <translation>%1 è un collegamento, non la cartella di uno studente: lo rimuova (le consegne attraverso di esso vengono rifiutate)</translation>
    </message>
    <message>
        <source>%1 is no student&apos;s folder, and belongs to user %2: remove it</source>
        <translation>%1 non è la cartella di alcuno studente e appartiene all&apos;utente %2: lo rimuova</translation>
    </message>
    <message>
        <source>%1: there is no user %2 on this machine</source>
        <translation>%1: non esiste alcun utente %2 su questa macchina</translation>
    </message>
    <message>
        <source>%1 belongs to user %2, not %3: remove it, or %3&apos;s hand-ins are refused</source>
        <translation>%1 appartiene all&apos;utente %2, non a %3: lo rimuova, altrimenti le consegne di %3 vengono rifiutate</translation>
    </message>
    <message>
        <source>%1 has the group %2, not %3: the teachers cannot read it</source>
        <translation>%1 ha il gruppo %2, non %3: i docenti non possono leggerlo</translation>
    </message>
    <message>
        <source>%1 has the mode %2, not 0750%3</source>
        <translation>%1 ha i permessi %2, non 0750%3</translation>
    </message>
    <message>
        <source>: every user may read %1&apos;s files</source>
        <translation>: ogni utente può leggere i file di %1</translation>
    </message>
    <message>
        <source>%1 is in the group %2, and so may read every student&apos;s folder</source>
        <translation>%1 è nel gruppo %2, e quindi può leggere la cartella di ogni studente</translation>
    </message>
    <message>
        <source>%1 is a link, which the summary does not follow: remove it</source>
        <translation>%1 è un collegamento, che il riepilogo non segue: lo rimuova</translation>
    </message>
    <message>
        <source>%1 is a FIFO, a socket or a device, which the summary does not read: remove it</source>
        <translation>%1 è una FIFO, un socket o un dispositivo, che il riepilogo non legge: lo rimuova</translation>
    </message>
    <message>
        <source>%1 belongs to user %2, not to the folder&apos;s student</source>
        <translation>%1 appartiene all&apos;utente %2, non allo studente della cartella</translation>
    </message>
    <message>
        <source>every user may read %1</source>
        <translation>ogni utente può leggere %1</translation>
    </message>
</context>
<context>
    <name>SimpleEngine</name>
    <message>
        <source>            Audio Trigger</source>
        <translation>         Stimolo acustico</translation>
    </message>
    <message>
        <source>           Visual Trigger</source>
        <translation>           Stimolo visivo</translation>
    </message>
    <message>
        <source>     Audio/Visual Trigger</source>
        <translation>  Stimolo acustico/visivo</translation>
    </message>
    <message>
        <source>The sound device &quot;%1&quot; could not be opened.</source>
        <translation>Impossibile aprire il dispositivo audio “%1”.</translation>
    </message>
    <message>
        <source><byte value="xd"/>An audio trigger needs it: choose a visual trigger in Options.</source>
        <translation><byte value="xd"/>Uno stimolo acustico ne ha bisogno: scelga uno stimolo visivo in Opzioni.</translation>
    </message>
    <message>
        <source>No Sound Device</source>
        <translation>Nessun dispositivo audio</translation>
    </message>
    <message>
        <source><byte value="xd"/>The series runs with the colour alone.</source>
        <translation><byte value="xd"/>La sequenza procede con il solo colore.</translation>
    </message>
</context>
<context>
    <name>SoundCapture</name>
    <message>
        <source>the sound card has no input to record from (%1)</source>
        <translation>la scheda audio non ha un ingresso da cui registrare (%1)</translation>
    </message>
    <message>
        <source>the sound card&apos;s input cannot record mono at %1 Hz (%2)</source>
        <translation>l&apos;ingresso della scheda audio non può registrare in mono a %1 Hz (%2)</translation>
    </message>
    <message>
        <source>no PipeWire server answers</source>
        <translation>nessun server PipeWire risponde</translation>
    </message>
    <message>
        <source>PipeWire has no input to record from</source>
        <translation>PipeWire non ha un ingresso da cui registrare</translation>
    </message>
    <message>
        <source>no PulseAudio server answers</source>
        <translation>nessun server PulseAudio risponde</translation>
    </message>
    <message>
        <source>PulseAudio has no input to record from</source>
        <translation>PulseAudio non ha un ingresso da cui registrare</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>the built-in defaults</source>
        <translation>i valori predefiniti integrati</translation>
    </message>
    <message>
        <source>, locked by the lab</source>
        <translation>, con blocco del laboratorio</translation>
    </message>
    <message>
        <source>Settings Locked</source>
        <translation>Impostazioni bloccate</translation>
    </message>
    <message>
        <source>The configuration file %1 is not read: the lab locks the settings (LockSettings in %2).</source>
        <translation>Il file di configurazione %1 non viene letto: il laboratorio blocca le impostazioni (LockSettings in %2).</translation>
    </message>
    <message>
        <source>Loading the class configuration ...</source>
        <translation>Caricamento della configurazione della classe ...</translation>
    </message>
    <message>
        <source>the class configuration %1</source>
        <translation>la configurazione della classe %1</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>il file non esiste</translation>
    </message>
    <message>
        <source>Class Configuration</source>
        <translation>Configurazione della classe</translation>
    </message>
    <message>
        <source>The class configuration %1 that %2 names cannot be read (%3); the configuration of this computer is used instead.</source>
        <translation>La configurazione della classe %1 indicata da %2 non può essere letta (%3); si usa invece la configurazione di questo computer.</translation>
    </message>
</context>
<context>
    <name>StartupSequence</name>
    <message>
        <source>the screen is smaller than 800 x 600; the program ends</source>
        <translation>lo schermo è più piccolo di 800 x 600; il programma termina</translation>
    </message>
    <message>
        <source>Fatal Application Error</source>
        <translation>Errore fatale dell&apos;applicazione</translation>
    </message>
    <message>
        <source>Orv Brevane supports a minimum screen resolution of 800 x 600</source>
        <translation>Orv Brevane supporta una risoluzione minima dello schermo di 800 x 600</translation>
    </message>
    <message>
        <source>Press OK to terminate program</source>
        <translation>Prema OK per terminare il programma</translation>
    </message>
    <message>
        <source>Loading default configuration file ...</source>
        <translation>Caricamento del file di configurazione predefinito ...</translation>
    </message>
    <message>
        <source>Initializing application ...</source>
        <translation>Inizializzazione dell&apos;applicazione ...</translation>
    </message>
    <message>
        <source>Initializing application ... Almost Done</source>
        <translation>Inizializzazione dell&apos;applicazione ... Quasi finito</translation>
    </message>
    <message>
        <source>not a configuration file</source>
        <translation>non è un file di configurazione</translation>
    </message>
    <message>
        <source>Loading user configuration file ...</source>
        <translation>Caricamento del file di configurazione dell&apos;utente ...</translation>
    </message>
    <message>
        <source>%1: no such configuration file; using the default configuration</source>
        <translation>%1: file di configurazione inesistente; si usa la configurazione predefinita</translation>
    </message>
    <message>
        <source>Configuration load error</source>
        <translation>Errore di caricamento della configurazione</translation>
    </message>
    <message>
        <source>File %1 could not be found</source>
        <translation>Impossibile trovare il file %1</translation>
    </message>
    <message>
        <source>Using Default Configuration</source>
        <translation>Uso della configurazione predefinita</translation>
    </message>
    <message>
        <source>%1: cannot read the configuration (%2); using the default configuration</source>
        <translation>%1: impossibile leggere la configurazione (%2); si usa la configurazione predefinita</translation>
    </message>
    <message>
        <source>Configuration Error</source>
        <translation>Errore di configurazione</translation>
    </message>
    <message>
        <source>Invalid Configuration File</source>
        <translation>File di configurazione non valido</translation>
    </message>
    <message>
        <source>Using Default Configuration File</source>
        <translation>Uso del file di configurazione predefinito</translation>
    </message>
    <message>
        <source>%1: not found; writing one with the defaults</source>
        <translation>%1: non trovato; ne viene scritto uno con i valori predefiniti</translation>
    </message>
    <message>
        <source>Configuration file not found</source>
        <translation>File di configurazione non trovato</translation>
    </message>
    <message>
        <source>Default configuration file not found...</source>
        <translation>File di configurazione predefinito non trovato...</translation>
    </message>
    <message>
        <source>Creating Reflex.Cfg</source>
        <translation>Creazione di Reflex.Cfg</translation>
    </message>
    <message>
        <source>The refused file was kept as %1</source>
        <translation>Il file rifiutato è stato conservato come %1</translation>
    </message>
    <message>
        <source>it could not be written</source>
        <translation>non è stato possibile scriverlo</translation>
    </message>
    <message>
        <source>%1: cannot read the configuration (%2); writing a new one with the defaults</source>
        <translation>%1: impossibile leggere la configurazione (%2); ne viene scritta una nuova con i valori predefiniti</translation>
    </message>
    <message>
        <source>%1: cannot read the configuration (%2); writing a new one with the defaults (the refused file is kept beside it as %3)</source>
        <translation>%1: impossibile leggere la configurazione (%2); ne viene scritta una nuova con i valori predefiniti (il file rifiutato è conservato accanto come %3)</translation>
    </message>
    <message>
        <source>Invalid Default Configuration File</source>
        <translation>File di configurazione predefinito non valido</translation>
    </message>
    <message>
        <source>Creating New Configuration File</source>
        <translation>Creazione di un nuovo file di configurazione</translation>
    </message>
    <message>
        <source>%1: cannot be written; the defaults are used until the program ends</source>
        <translation>%1: impossibile scriverlo; si usano i valori predefiniti fino alla chiusura del programma</translation>
    </message>
</context>
<context>
    <name>TestCore</name>
    <message>
        <source>Over write Data in Set %1 ?</source>
        <translation>Sovrascrivere i dati del blocco %1?</translation>
    </message>
    <message>
        <source>Start Reflex Data Collection</source>
        <translation>Avvio della raccolta dei dati di reazione</translation>
    </message>
    <message>
        <source>Your run has ended</source>
        <translation>La Sua sequenza è terminata</translation>
    </message>
    <message>
        <source>END RUN</source>
        <translation>FINE SEQUENZA</translation>
    </message>
</context>
<context>
    <name>XDisplay</name>
    <message>
        <source>a compositing manager</source>
        <translation>un gestore di composizione</translation>
    </message>
</context>
<context>
    <name>brevane::ChoiceWindow</name>
    <message>
        <source>With Sound</source>
        <translation>Con suono</translation>
    </message>
    <message>
        <source>No Sound</source>
        <translation>Senza suono</translation>
    </message>
</context>
<context>
    <name>brevane::MachineCheckWindow</name>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Avvia</translation>
    </message>
    <message>
        <source>S&amp;kip this part</source>
        <translation>&amp;Salta questa parte</translation>
    </message>
    <message>
        <source>Sa&amp;ve the result</source>
        <translation>Sal&amp;va il risultato</translation>
    </message>
    <message>
        <source>Brevane Machine Check</source>
        <translation>Controllo della macchina Brevane</translation>
    </message>
    <message>
        <source>Flashing patch</source>
        <translation>Riquadro lampeggiante</translation>
    </message>
    <message>
        <source>Machine check guide</source>
        <translation>Guida al controllo della macchina</translation>
    </message>
    <message>
        <source>Machine check: what this PC adds to every time a student measures on it.

The sound card&apos;s input is the clock: it hears the screen through a photodiode, the sound through a cable from the output, and the mouse through a microphone, and the program compares what it heard with its own stamps. Three parts, each about half a minute; skip any you cannot do. Each part gives the mean, the spread (SD) and the worst of its trials.

Press Start (or Return) to begin with the screen; Esc ends the check.</source>
        <translation>Controllo della macchina: ciò che questo PC aggiunge a ogni tempo che uno studente vi misura.

L&apos;ingresso della scheda audio fa da orologio: sente lo schermo attraverso un fotodiodo, il suono attraverso un cavo dall&apos;uscita e il mouse attraverso un microfono, e il programma confronta ciò che ha sentito con le proprie marche temporali. Tre parti, ciascuna di circa mezzo minuto; salti quelle che non può fare. Ogni parte dà la media, la dispersione (DS) e il valore peggiore delle sue misurazioni.

Prema Avvia (o Invio) per cominciare con lo schermo; Esc termina il controllo.</translation>
    </message>
    <message>
        <source>No input to record from: %1.
Plug a cable or a microphone into the sound card&apos;s input (line-in or microphone), make it the input in the sound settings, and start the check again.</source>
        <translation>Nessun ingresso da cui registrare: %1.
Colleghi un cavo o un microfono all&apos;ingresso della scheda audio (line-in o microfono), lo imposti come ingresso nelle impostazioni audio e avvii di nuovo il controllo.</translation>
    </message>
    <message>
        <source>

Clicks: %1 of %2</source>
        <translation>

Clic: %1 di %2</translation>
    </message>
    <message>
        <source>Screen: a photodiode held on the flashing patch.
You need a BPW34 photodiode (or any small silicon photodiode, a few euros) soldered to a 3.5 mm plug. On a line-in: the diode&apos;s anode to the tip, its cathode (the marked side) to the sleeve. On a microphone input, which feeds a few volts through the tip: the cathode to the tip, the anode to the sleeve. Set the input volume to about half.
Tape the diode flat on the middle of the patch below, the screen at the brightness the students use, the room light as in class. Press Start: the patch flashes %1 times, once a second.</source>
        <translation>Schermo: un fotodiodo tenuto sul riquadro lampeggiante.
Serve un fotodiodo BPW34 (o qualsiasi piccolo fotodiodo al silicio, pochi euro) saldato a uno spinotto da 3,5 mm. Su un line-in: l&apos;anodo del diodo alla punta, il catodo (il lato segnato) al manicotto. Su un ingresso microfonico, che fornisce qualche volt attraverso la punta: il catodo alla punta, l&apos;anodo al manicotto. Imposti il volume d&apos;ingresso a circa metà.
Fissi il diodo con del nastro adesivo, aderente al centro del riquadro qui sotto, con lo schermo alla luminosità usata dagli studenti e la luce della stanza come in classe. Prema Avvia: il riquadro lampeggia %1 volte, una al secondo.</translation>
    </message>
    <message>
        <source>Sound: the output looped to the input.
Plug a cable from the headphone socket into the line-in (or hold the headset&apos;s microphone at its speaker), the volume as in class. Press Start: %1 tones, one a second.</source>
        <translation>Suono: l&apos;uscita collegata ad anello all&apos;ingresso.
Colleghi un cavo dalla presa delle cuffie al line-in (o tenga il microfono della cuffia vicino al suo altoparlante), con il volume come in classe. Prema Avvia: %1 toni, uno al secondo.</translation>
    </message>
    <message>
        <source>Mouse: each button&apos;s click, heard by a microphone next to the mouse.
Put the microphone within 5 cm of the mouse&apos;s buttons: sound travels about 0.03 ms a centimetre, so 5 cm add 0.15 ms to what is measured, 30 cm almost 1 ms. Keep the room quiet. Press Start, then click the left button %1 times in the grey square, about once a second. Each mouse you click is measured on its own.</source>
        <translation>Mouse: il clic di ogni pulsante, sentito da un microfono accanto al mouse.
Metta il microfono entro 5 cm dai pulsanti del mouse: il suono percorre un centimetro in circa 0,03 ms, quindi 5 cm aggiungono 0,15 ms a ciò che si misura, 30 cm quasi 1 ms. Tenga la stanza silenziosa. Prema Avvia, poi faccia clic con il pulsante sinistro %1 volte nel quadrato grigio, circa una volta al secondo. Ogni mouse su cui fa clic viene misurato a parte.</translation>
    </message>
    <message>
        <source>The machine check is done.

%1

Save keeps the result on this machine: the about box and the timing check show it, and it goes with the students&apos; files to the hand-in folder, where brevane-summary reads it.</source>
        <translation>Il controllo della macchina è terminato.

%1

Salva conserva il risultato su questa macchina: la finestra Informazioni e il controllo dei tempi lo mostrano, e va con i file degli studenti nella cartella di consegna, dove lo legge brevane-summary.</translation>
    </message>
    <message>
        <source>%1: skipped</source>
        <translation>%1: saltata</translation>
    </message>
    <message>
        <source>

Measuring...</source>
        <translation>

Misurazione in corso...</translation>
    </message>
    <message>
        <source>

Flashes: %1 of %2</source>
        <translation>

Lampi: %1 di %2</translation>
    </message>
    <message>
        <source>

Tones: %1 of %2</source>
        <translation>

Toni: %1 di %2</translation>
    </message>
    <message>
        <source>%1: mean %2 ms, SD %3 ms, worst %4 ms over %5 of %6 trials</source>
        <translation>%1: media %2 ms, DS %3 ms, peggiore %4 ms su %5 di %6 misurazioni</translation>
    </message>
    <message>
        <source>%1: refused: %2</source>
        <translation>%1: rifiutato: %2</translation>
    </message>
    <message>
        <source>&amp;Finish</source>
        <translation>&amp;Fine</translation>
    </message>
    <message>
        <source>&amp;Next part</source>
        <translation>&amp;Parte successiva</translation>
    </message>
    <message>
        <source>

Press %1 (Return) to go on.</source>
        <translation>

Prema %1 (Invio) per proseguire.</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>Next part</source>
        <translation>Parte successiva</translation>
    </message>
    <message>
        <source>Saved to %1.
For every user of this machine, copy it to /etc/xdg/Brevane/machine-check.txt (as root). Esc ends the check.</source>
        <translation>Salvato in %1.
Per tutti gli utenti di questa macchina, lo copi in /etc/xdg/Brevane/machine-check.txt (come root). Esc termina il controllo.</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <translation>Impossibile salvare %1: %2</translation>
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
        <translation>Tempi</translation>
    </message>
    <message>
        <source>Set %1</source>
        <translation>Blocco %1</translation>
    </message>
</context>
<context>
    <name>brevane::TimingCheckWindow</name>
    <message>
        <source>Brevane Timing Check</source>
        <translation>Controllo dei tempi Brevane</translation>
    </message>
    <message>
        <source>Flashing patch</source>
        <translation>Riquadro lampeggiante</translation>
    </message>
    <message>
        <source>Timing readout</source>
        <translation>Lettura dei tempi</translation>
    </message>
    <message>
        <source>Frames: measuring...</source>
        <translation>Fotogrammi: misurazione in corso...</translation>
    </message>
    <message>
        <source>Frames stamped at %L1 Hz (one every %L2 ms)
Frame time jitter: SD %L3 ms, worst %L4 ms, %5 late of the last %6</source>
        <translation>Fotogrammi marcati a %L1 Hz (uno ogni %L2 ms)
Jitter del tempo dei fotogrammi: DS %L3 ms, peggiore %L4 ms, %5 in ritardo sugli ultimi %6</translation>
    </message>
    <message>
        <source>
Times may be one frame long: see the guide</source>
        <translation>
I tempi possono includere un fotogramma in più: vedere la guida</translation>
    </message>
    <message>
        <source>Timing check: Esc or a click ends it
Refresh reported by the screen: %L1 Hz; the monitor&apos;s mode: %2
%3
Stamp sources: display %4, input %5, sound %6
Compositor: %7; stimulus stamps: %8%9
The patch turns every %10 frames (frame %11)
%12</source>
        <translation>Controllo dei tempi: Esc o un clic lo termina
Aggiornamento indicato dallo schermo: %L1 Hz; modalità del monitor: %2
%3
Fonti delle marche temporali: schermo %4, input %5, suono %6
Compositor: %7; marche temporali degli stimoli: %8%9
Il riquadro cambia ogni %10 fotogrammi (fotogramma %11)
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
        <translation>Configurazione: %1</translation>
    </message>
</context>
<context>
    <name>brevane::frmColorSelect</name>
    <message>
        <source>Black</source>
        <translation>Nero</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blu</translation>
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
        <translation>Rosso</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Giallo</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Bianco</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Grigio</translation>
    </message>
    <message>
        <source>Light Blue</source>
        <translation>Blu chiaro</translation>
    </message>
    <message>
        <source>Light Green</source>
        <translation>Verde chiaro</translation>
    </message>
    <message>
        <source>Light Cyan</source>
        <translation>Ciano chiaro</translation>
    </message>
    <message>
        <source>Light Red</source>
        <translation>Rosso chiaro</translation>
    </message>
    <message>
        <source>Light Magenta</source>
        <translation>Magenta chiaro</translation>
    </message>
    <message>
        <source>Light Yellow</source>
        <translation>Giallo chiaro</translation>
    </message>
    <message>
        <source>Bright White</source>
        <translation>Bianco brillante</translation>
    </message>
</context>
<context>
    <name>brevane::frmMain</name>
    <message>
        <source>Version %1</source>
        <translation>Versione %1</translation>
    </message>
</context>
<context>
    <name>brevane::summary::ClassChartWindow</name>
    <message>
        <source>Class reaction times</source>
        <translation>Tempi di reazione della classe</translation>
    </message>
    <message>
        <source>Handed in</source>
        <translation>Consegne</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About Brevane</source>
        <translation>Informazioni su Brevane</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logo</translation>
    </message>
    <message>
        <source>Simple vs Complex Stimulus Reaction Timing</source>
        <translation>Tempi di reazione a stimoli semplici e complessi</translation>
    </message>
    <message>
        <source>Orv Brevane 2</source>
        <translation>Orv Brevane 2</translation>
    </message>
    <message>
        <source>For Linux with X11 and Wayland</source>
        <translation>Per Linux con X11 e Wayland</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Timer</translation>
    </message>
    <message>
        <source>Reaction timing for student laboratory courses</source>
        <translation>Misura dei tempi di reazione per i corsi di laboratorio degli studenti</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Suono</translation>
    </message>
    <message>
        <source>Your files are kept in:</source>
        <translation>I Suoi file sono tenuti in:</translation>
    </message>
    <message>
        <source>Language: English</source>
        <comment>The language this translation is: translators name their own language, in it</comment>
        <translation>Lingua: italiano</translation>
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
        <translation>Impostazioni di Brevane</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>Semplice</translation>
    </message>
    <message>
        <source>Simple Single Choice Settings</source>
        <translation>Impostazioni della scelta semplice singola</translation>
    </message>
    <message>
        <source>Runs Per Set</source>
        <translation>Prove per blocco</translation>
    </message>
    <message>
        <source>Trigger On</source>
        <translation>Tipo di stimolo</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Acustico</translation>
    </message>
    <message>
        <source>Visual</source>
        <translation>Visivo</translation>
    </message>
    <message>
        <source>Trigger Color</source>
        <translation>Colore dello stimolo</translation>
    </message>
    <message>
        <source>Color of the visual stimulus: click to choose another</source>
        <translation>Colore dello stimolo visivo: faccia clic per sceglierne un altro</translation>
    </message>
    <message>
        <source>Interval Timing</source>
        <translation>Tempi dell&apos;intervallo</translation>
    </message>
    <message>
        <source>Random Interval</source>
        <translation>Intervallo casuale</translation>
    </message>
    <message>
        <source>Fixed Interval</source>
        <translation>Intervallo fisso</translation>
    </message>
    <message>
        <source>Fixed Time Interval</source>
        <translation>Intervallo di tempo fisso</translation>
    </message>
    <message>
        <source>Minimum Time Interval</source>
        <translation>Intervallo di tempo minimo</translation>
    </message>
    <message>
        <source>Color/Audio</source>
        <translation>Colore/audio</translation>
    </message>
    <message>
        <source>Complex Choice Color/Audio Settings</source>
        <translation>Impostazioni della scelta complessa colore/audio</translation>
    </message>
    <message>
        <source>Display Time</source>
        <translation>Durata di visualizzazione</translation>
    </message>
    <message>
        <source>Color and Audio</source>
        <translation>Colore e audio</translation>
    </message>
    <message>
        <source>Color no Audio</source>
        <translation>Colore senza audio</translation>
    </message>
    <message>
        <source>Make Sound</source>
        <translation>Emetti suono</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Elements</source>
        <translation>Elementi</translation>
    </message>
    <message>
        <source>Elements in Set</source>
        <translation>Elementi nel blocco</translation>
    </message>
    <message>
        <source>Trigger Element</source>
        <translation>Elemento bersaglio</translation>
    </message>
    <message>
        <source>Trigger Element Color</source>
        <translation>Colore dell&apos;elemento bersaglio</translation>
    </message>
    <message>
        <source>Color of the trigger element: click to choose another</source>
        <translation>Colore dell&apos;elemento bersaglio: faccia clic per sceglierne un altro</translation>
    </message>
    <message>
        <source>Element</source>
        <translation>Elemento</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Colore</translation>
    </message>
    <message>
        <source>Choose the color of this element</source>
        <translation>Scelga il colore di questo elemento</translation>
    </message>
    <message>
        <source>Element Colors</source>
        <translation>Colori degli elementi</translation>
    </message>
    <message>
        <source>Element 1 Color</source>
        <translation>Colore elemento 1</translation>
    </message>
    <message>
        <source>Color of element 1: click to choose another (grey: not in use)</source>
        <translation>Colore dell&apos;elemento 1: faccia clic per sceglierne un altro (grigio: non in uso)</translation>
    </message>
    <message>
        <source>Element 2 Color</source>
        <translation>Colore elemento 2</translation>
    </message>
    <message>
        <source>Color of element 2: click to choose another (grey: not in use)</source>
        <translation>Colore dell&apos;elemento 2: faccia clic per sceglierne un altro (grigio: non in uso)</translation>
    </message>
    <message>
        <source>Element 3 Color</source>
        <translation>Colore elemento 3</translation>
    </message>
    <message>
        <source>Color of element 3: click to choose another (grey: not in use)</source>
        <translation>Colore dell&apos;elemento 3: faccia clic per sceglierne un altro (grigio: non in uso)</translation>
    </message>
    <message>
        <source>Element 4 Color</source>
        <translation>Colore elemento 4</translation>
    </message>
    <message>
        <source>Color of element 4: click to choose another (grey: not in use)</source>
        <translation>Colore dell&apos;elemento 4: faccia clic per sceglierne un altro (grigio: non in uso)</translation>
    </message>
    <message>
        <source>Element 5 Color</source>
        <translation>Colore elemento 5</translation>
    </message>
    <message>
        <source>Color of element 5: click to choose another (grey: not in use)</source>
        <translation>Colore dell&apos;elemento 5: faccia clic per sceglierne un altro (grigio: non in uso)</translation>
    </message>
    <message>
        <source>Element 6 Color</source>
        <translation>Colore elemento 6</translation>
    </message>
    <message>
        <source>Color of element 6: click to choose another (grey: not in use)</source>
        <translation>Colore dell&apos;elemento 6: faccia clic per sceglierne un altro (grigio: non in uso)</translation>
    </message>
    <message>
        <source>Element 7 Color</source>
        <translation>Colore elemento 7</translation>
    </message>
    <message>
        <source>Color of element 7: click to choose another (grey: not in use)</source>
        <translation>Colore dell&apos;elemento 7: faccia clic per sceglierne un altro (grigio: non in uso)</translation>
    </message>
    <message>
        <source>Element 8 Color</source>
        <translation>Colore elemento 8</translation>
    </message>
    <message>
        <source>Color of element 8: click to choose another (grey: not in use)</source>
        <translation>Colore dell&apos;elemento 8: faccia clic per sceglierne un altro (grigio: non in uso)</translation>
    </message>
    <message>
        <source>Element 9 Color</source>
        <translation>Colore elemento 9</translation>
    </message>
    <message>
        <source>Color of element 9: click to choose another (grey: not in use)</source>
        <translation>Colore dell&apos;elemento 9: faccia clic per sceglierne un altro (grigio: non in uso)</translation>
    </message>
    <message>
        <source>Element 10 Color</source>
        <translation>Colore elemento 10</translation>
    </message>
    <message>
        <source>Color of element 10: click to choose another (grey: not in use)</source>
        <translation>Colore dell&apos;elemento 10: faccia clic per sceglierne un altro (grigio: non in uso)</translation>
    </message>
    <message>
        <source>Num/Audio</source>
        <translation>Num/audio</translation>
    </message>
    <message>
        <source>Complex Choice Numbers/Audio Settings</source>
        <translation>Impostazioni della scelta complessa numeri/audio</translation>
    </message>
    <message>
        <source>Number and Audio</source>
        <translation>Numero e audio</translation>
    </message>
    <message>
        <source>Number no Audio</source>
        <translation>Numero senza audio</translation>
    </message>
    <message>
        <source>Trigger Number</source>
        <translation>Numero bersaglio</translation>
    </message>
    <message>
        <source>The number of the trigger element</source>
        <translation>Il numero dell&apos;elemento bersaglio</translation>
    </message>
    <message>
        <source>Element Number</source>
        <translation>Numero dell&apos;elemento</translation>
    </message>
    <message>
        <source>The number of this element (0 to 99)</source>
        <translation>Il numero di questo elemento (da 0 a 99)</translation>
    </message>
    <message>
        <source>Element Numbers</source>
        <translation>Numeri degli elementi</translation>
    </message>
    <message>
        <source>Element 1 Number</source>
        <translation>Numero elemento 1</translation>
    </message>
    <message>
        <source>Element 2 Number</source>
        <translation>Numero elemento 2</translation>
    </message>
    <message>
        <source>Element 3 Number</source>
        <translation>Numero elemento 3</translation>
    </message>
    <message>
        <source>Element 4 Number</source>
        <translation>Numero elemento 4</translation>
    </message>
    <message>
        <source>Element 5 Number</source>
        <translation>Numero elemento 5</translation>
    </message>
    <message>
        <source>Element 6 Number</source>
        <translation>Numero elemento 6</translation>
    </message>
    <message>
        <source>Element 7 Number</source>
        <translation>Numero elemento 7</translation>
    </message>
    <message>
        <source>Element 8 Number</source>
        <translation>Numero elemento 8</translation>
    </message>
    <message>
        <source>Element 9 Number</source>
        <translation>Numero elemento 9</translation>
    </message>
    <message>
        <source>Element 10 Number</source>
        <translation>Numero elemento 10</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Master volume of the speakers</source>
        <translation>Volume principale degli altoparlanti</translation>
    </message>
    <message>
        <source>Volume Setting</source>
        <translation>Regolazione del volume</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Reimposta</translation>
    </message>
    <message>
        <source>Back to the configuration loaded at start-up</source>
        <translation>Torna alla configurazione caricata all&apos;avvio</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Carica</translation>
    </message>
    <message>
        <source>Load a configuration file</source>
        <translation>Carica un file di configurazione</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>Save the configuration to a file</source>
        <translation>Salva la configurazione in un file</translation>
    </message>
</context>
<context>
    <name>frmChoiceReflexDisplay</name>
    <message>
        <source>Complex Choice Color/Audio Stimulus Module Data Display</source>
        <translation>Visualizzazione dati del modulo di stimolo a scelta complessa colore/audio</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logo</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versione</translation>
    </message>
    <message>
        <source>Set 1</source>
        <translation>Blocco 1</translation>
    </message>
    <message>
        <source>Run Data</source>
        <translation>Dati delle prove</translation>
    </message>
    <message>
        <source>Run 1</source>
        <translation>Prova 1</translation>
    </message>
    <message>
        <source>Run 2</source>
        <translation>Prova 2</translation>
    </message>
    <message>
        <source>Run 3</source>
        <translation>Prova 3</translation>
    </message>
    <message>
        <source>Run 4</source>
        <translation>Prova 4</translation>
    </message>
    <message>
        <source>Run 5</source>
        <translation>Prova 5</translation>
    </message>
    <message>
        <source>Run 6</source>
        <translation>Prova 6</translation>
    </message>
    <message>
        <source>Run 7</source>
        <translation>Prova 7</translation>
    </message>
    <message>
        <source>Run 8</source>
        <translation>Prova 8</translation>
    </message>
    <message>
        <source>Run 9</source>
        <translation>Prova 9</translation>
    </message>
    <message>
        <source>Run 10</source>
        <translation>Prova 10</translation>
    </message>
    <message>
        <source>Run Statistics</source>
        <translation>Statistiche delle prove</translation>
    </message>
    <message>
        <source>Fast Time</source>
        <translation>Più veloce</translation>
    </message>
    <message>
        <source>Slow Time</source>
        <translation>Più lento</translation>
    </message>
    <message>
        <source>Average Time</source>
        <translation>Tempo medio</translation>
    </message>
    <message>
        <source>Outcomes</source>
        <translation>Esiti</translation>
    </message>
    <message>
        <source>Correct Hits</source>
        <translation>Risposte corrette</translation>
    </message>
    <message>
        <source>Correct Misses</source>
        <translation>Omissioni corrette</translation>
    </message>
    <message>
        <source>InCorrect Hits</source>
        <translation>Risposte errate</translation>
    </message>
    <message>
        <source>Missed Hits</source>
        <translation>Risposte mancate</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Commenti</translation>
    </message>
    <message>
        <source>Set 2</source>
        <translation>Blocco 2</translation>
    </message>
    <message>
        <source>Set 3</source>
        <translation>Blocco 3</translation>
    </message>
    <message>
        <source>Set 4</source>
        <translation>Blocco 4</translation>
    </message>
    <message>
        <source>Set 5</source>
        <translation>Blocco 5</translation>
    </message>
    <message>
        <source>Set 6</source>
        <translation>Blocco 6</translation>
    </message>
    <message>
        <source>Set 7</source>
        <translation>Blocco 7</translation>
    </message>
    <message>
        <source>Set 8</source>
        <translation>Blocco 8</translation>
    </message>
    <message>
        <source>Set 9</source>
        <translation>Blocco 9</translation>
    </message>
    <message>
        <source>Set 10</source>
        <translation>Blocco 10</translation>
    </message>
    <message>
        <source>Fastest Times</source>
        <translation>Tempi più veloci</translation>
    </message>
    <message>
        <source>Set Data For Fastest Times</source>
        <translation>Dati dei blocchi per i tempi più veloci</translation>
    </message>
    <message>
        <source>Slowest Times</source>
        <translation>Tempi più lenti</translation>
    </message>
    <message>
        <source>Set Data For Slowest Times</source>
        <translation>Dati dei blocchi per i tempi più lenti</translation>
    </message>
    <message>
        <source>Average Times</source>
        <translation>Tempi medi</translation>
    </message>
    <message>
        <source>Set Data For Average Times</source>
        <translation>Dati dei blocchi per i tempi medi</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Carica</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Esporta</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Azzera tutto</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fatto</translation>
    </message>
</context>
<context>
    <name>frmColorReflex</name>
    <message>
        <source>Complex Choice Color/Audio Stimulus Module</source>
        <translation>Modulo di stimolo a scelta complessa colore/audio</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logo</translation>
    </message>
    <message>
        <source>Complex Choice Color/Audio Stimulus</source>
        <translation>Stimolo a scelta complessa colore/audio</translation>
    </message>
    <message>
        <source>Trigger On</source>
        <translation>Bersaglio</translation>
    </message>
    <message>
        <source>Trigger Element</source>
        <translation>Elemento bersaglio</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Suono</translation>
    </message>
    <message>
        <source>Press Here</source>
        <translation>Premere qui</translation>
    </message>
    <message>
        <source>Element Display</source>
        <translation>Visualizzazione elementi</translation>
    </message>
    <message>
        <source>Set Indicator</source>
        <translation>Indicatore del blocco</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Previous Time</source>
        <translation>Tempo precedente</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Differenza</translation>
    </message>
    <message>
        <source>Average Time</source>
        <translation>Tempo medio</translation>
    </message>
    <message>
        <source>Run Count</source>
        <translation>Prove</translation>
    </message>
    <message>
        <source>Correct Hits</source>
        <translation>Risposte corrette</translation>
    </message>
    <message>
        <source>Incorrect Hits</source>
        <translation>Risposte errate</translation>
    </message>
    <message>
        <source>Correct Misses</source>
        <translation>Omissioni corrette</translation>
    </message>
    <message>
        <source>Missed Hits</source>
        <translation>Risposte mancate</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descrizione</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Avvia</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Ferma</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Clear Set</source>
        <translation>Azzera blocco</translation>
    </message>
    <message>
        <source>Next Set</source>
        <translation>Blocco succ.</translation>
    </message>
    <message>
        <source>Prev Set</source>
        <translation>Blocco prec.</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Risultati</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fatto</translation>
    </message>
</context>
<context>
    <name>frmColorSelect</name>
    <message>
        <source>Color Selection</source>
        <translation>Selezione del colore</translation>
    </message>
    <message>
        <source>Current Color:</source>
        <translation>Colore attuale:</translation>
    </message>
    <message>
        <source>Current Color</source>
        <translation>Colore attuale</translation>
    </message>
    <message>
        <source>Color Selected:</source>
        <translation>Colore selezionato:</translation>
    </message>
    <message>
        <source>Color Selected</source>
        <translation>Colore selezionato</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>&amp;Seleziona</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
</context>
<context>
    <name>frmDisplay</name>
    <message>
        <source>Simple Choice Stimulus Module Data Display</source>
        <translation>Visualizzazione dati del modulo di stimolo a scelta semplice</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logo</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versione</translation>
    </message>
    <message>
        <source>Set 1</source>
        <translation>Blocco 1</translation>
    </message>
    <message>
        <source>Run Data</source>
        <translation>Dati delle prove</translation>
    </message>
    <message>
        <source>Run 1</source>
        <translation>Prova 1</translation>
    </message>
    <message>
        <source>Run 2</source>
        <translation>Prova 2</translation>
    </message>
    <message>
        <source>Run 3</source>
        <translation>Prova 3</translation>
    </message>
    <message>
        <source>Run 4</source>
        <translation>Prova 4</translation>
    </message>
    <message>
        <source>Run 5</source>
        <translation>Prova 5</translation>
    </message>
    <message>
        <source>Run 6</source>
        <translation>Prova 6</translation>
    </message>
    <message>
        <source>Run 7</source>
        <translation>Prova 7</translation>
    </message>
    <message>
        <source>Run 8</source>
        <translation>Prova 8</translation>
    </message>
    <message>
        <source>Run 9</source>
        <translation>Prova 9</translation>
    </message>
    <message>
        <source>Run 10</source>
        <translation>Prova 10</translation>
    </message>
    <message>
        <source>Run Statistics</source>
        <translation>Statistiche delle prove</translation>
    </message>
    <message>
        <source>Fast Time</source>
        <translation>Più veloce</translation>
    </message>
    <message>
        <source>Slow Time</source>
        <translation>Più lento</translation>
    </message>
    <message>
        <source>Average Time</source>
        <translation>Tempo medio</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Commenti</translation>
    </message>
    <message>
        <source>Set 2</source>
        <translation>Blocco 2</translation>
    </message>
    <message>
        <source>Set 3</source>
        <translation>Blocco 3</translation>
    </message>
    <message>
        <source>Set 4</source>
        <translation>Blocco 4</translation>
    </message>
    <message>
        <source>Set 5</source>
        <translation>Blocco 5</translation>
    </message>
    <message>
        <source>Set 6</source>
        <translation>Blocco 6</translation>
    </message>
    <message>
        <source>Set 7</source>
        <translation>Blocco 7</translation>
    </message>
    <message>
        <source>Set 8</source>
        <translation>Blocco 8</translation>
    </message>
    <message>
        <source>Set 9</source>
        <translation>Blocco 9</translation>
    </message>
    <message>
        <source>Set 10</source>
        <translation>Blocco 10</translation>
    </message>
    <message>
        <source>Fastest Times</source>
        <translation>Tempi più veloci</translation>
    </message>
    <message>
        <source>Set Data For Fastest Times</source>
        <translation>Dati dei blocchi per i tempi più veloci</translation>
    </message>
    <message>
        <source>Slowest Times</source>
        <translation>Tempi più lenti</translation>
    </message>
    <message>
        <source>Set Data For Slowest Times</source>
        <translation>Dati dei blocchi per i tempi più lenti</translation>
    </message>
    <message>
        <source>Average Times</source>
        <translation>Tempi medi</translation>
    </message>
    <message>
        <source>Set Data For Average Times</source>
        <translation>Dati dei blocchi per i tempi medi</translation>
    </message>
    <message>
        <source>All Data</source>
        <translation>Tutti i dati</translation>
    </message>
    <message>
        <source>Data Only Displayed On The Graph</source>
        <translation>Dati mostrati solo nel grafico</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Carica</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Esporta</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Azzera tutto</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fatto</translation>
    </message>
</context>
<context>
    <name>frmLoadDisplay</name>
    <message>
        <source>Loading</source>
        <translation>Caricamento</translation>
    </message>
    <message>
        <source>Loading Display Please Wait...</source>
        <translation>Caricamento della visualizzazione, attendere...</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Simple vs Complex Stimulus Reaction Timing</source>
        <translation>Tempi di reazione a stimoli semplici e complessi</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>Semplice</translation>
    </message>
    <message>
        <source>Simple Single Stimulus Module</source>
        <translation>Modulo a stimolo singolo semplice</translation>
    </message>
    <message>
        <source>Color/Audio</source>
        <translation>Colore/audio</translation>
    </message>
    <message>
        <source>Complex Color/Audio Stimulus Module</source>
        <translation>Modulo di stimolo complesso colore/audio</translation>
    </message>
    <message>
        <source>Num/Audio</source>
        <translation>Num/audio</translation>
    </message>
    <message>
        <source>Complex Number/Audio Stimulus Module</source>
        <translation>Modulo di stimolo complesso numero/audio</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Edit Brev Settings</source>
        <translation>Modifica le impostazioni di Brev</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>Azzera dati</translation>
    </message>
    <message>
        <source>Clear All Data Sets</source>
        <translation>Azzera tutti i blocchi di dati</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>Ripristina</translation>
    </message>
    <message>
        <source>Recover Data after a system crash</source>
        <translation>Ripristina i dati dopo un arresto anomalo del sistema</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Display About box</source>
        <translation>Mostra la finestra Informazioni</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Quit Brev</source>
        <translation>Esci da Brev</translation>
    </message>
    <message>
        <source>Are you sure you want to DELETE ALL DATA ?</source>
        <translation>Vuole davvero ELIMINARE TUTTI I DATI?</translation>
    </message>
    <message>
        <source>Delete All Data</source>
        <translation>Elimina tutti i dati</translation>
    </message>
    <message>
        <source>Are you sure you want to exit?</source>
        <translation>Vuole davvero uscire?</translation>
    </message>
    <message>
        <source>Data NOT saved!<byte value="xd"/></source>
        <translation>Dati NON salvati!<byte value="xd"/></translation>
    </message>
    <message>
        <source>Exit Orv Brevane 2</source>
        <translation>Esci da Orv Brevane 2</translation>
    </message>
</context>
<context>
    <name>frmNumberReflex</name>
    <message>
        <source>Complex Choice Number/Audio Stimulus Module</source>
        <translation>Modulo di stimolo a scelta complessa numero/audio</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logo</translation>
    </message>
    <message>
        <source>Complex Choice Number/Audio Stimulus</source>
        <translation>Stimolo a scelta complessa numero/audio</translation>
    </message>
    <message>
        <source>Trigger On</source>
        <translation>Bersaglio</translation>
    </message>
    <message>
        <source>Trigger Element</source>
        <translation>Elemento bersaglio</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Suono</translation>
    </message>
    <message>
        <source>Press Here</source>
        <translation>Premere qui</translation>
    </message>
    <message>
        <source>Element Display</source>
        <translation>Visualizzazione elementi</translation>
    </message>
    <message>
        <source>Set Indicator</source>
        <translation>Indicatore del blocco</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Previous Time</source>
        <translation>Tempo precedente</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Differenza</translation>
    </message>
    <message>
        <source>Average Time</source>
        <translation>Tempo medio</translation>
    </message>
    <message>
        <source>Run Count</source>
        <translation>Prove</translation>
    </message>
    <message>
        <source>Correct Hits</source>
        <translation>Risposte corrette</translation>
    </message>
    <message>
        <source>Incorrect Hits</source>
        <translation>Risposte errate</translation>
    </message>
    <message>
        <source>Correct Misses</source>
        <translation>Omissioni corrette</translation>
    </message>
    <message>
        <source>Missed Hits</source>
        <translation>Risposte mancate</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descrizione</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Avvia</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Ferma</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Clear Set</source>
        <translation>Azzera blocco</translation>
    </message>
    <message>
        <source>Next Set</source>
        <translation>Blocco succ.</translation>
    </message>
    <message>
        <source>Prev Set</source>
        <translation>Blocco prec.</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Risultati</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fatto</translation>
    </message>
</context>
<context>
    <name>frmPrint</name>
    <message>
        <source>Print Data</source>
        <translation>Stampa dati</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Titolo:</translation>
    </message>
    <message>
        <source>Select Sets To Print</source>
        <translation>Selezioni i blocchi da stampare</translation>
    </message>
    <message>
        <source>Set 1</source>
        <translation>Blocco 1</translation>
    </message>
    <message>
        <source>Set 2</source>
        <translation>Blocco 2</translation>
    </message>
    <message>
        <source>Set 3</source>
        <translation>Blocco 3</translation>
    </message>
    <message>
        <source>Set 4</source>
        <translation>Blocco 4</translation>
    </message>
    <message>
        <source>Set 5</source>
        <translation>Blocco 5</translation>
    </message>
    <message>
        <source>Set 6</source>
        <translation>Blocco 6</translation>
    </message>
    <message>
        <source>Set 7</source>
        <translation>Blocco 7</translation>
    </message>
    <message>
        <source>Set 8</source>
        <translation>Blocco 8</translation>
    </message>
    <message>
        <source>Set 9</source>
        <translation>Blocco 9</translation>
    </message>
    <message>
        <source>Set 10</source>
        <translation>Blocco 10</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleziona tutto</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Imposta</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>UnSelectAll</source>
        <translation>Deseleziona tutto</translation>
    </message>
    <message>
        <source>SelectAll</source>
        <translation>Seleziona tutto</translation>
    </message>
    <message>
        <source>You must select atleast ONE set to Print</source>
        <translation>Deve selezionare almeno UN blocco da stampare</translation>
    </message>
    <message>
        <source>Printing Error</source>
        <translation>Errore di stampa</translation>
    </message>
</context>
<context>
    <name>frmReflex</name>
    <message>
        <source>Simple Choice Stimulus Module</source>
        <translation>Modulo di stimolo a scelta semplice</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logo</translation>
    </message>
    <message>
        <source>Simple Choice Stimulus</source>
        <translation>Stimolo a scelta semplice</translation>
    </message>
    <message>
        <source>           Visual Trigger</source>
        <translation>           Stimolo visivo</translation>
    </message>
    <message>
        <source>Press Here</source>
        <translation>Premere qui</translation>
    </message>
    <message>
        <source>Stimulus</source>
        <translation>Stimolo</translation>
    </message>
    <message>
        <source>Speaker</source>
        <translation>Altoparlante</translation>
    </message>
    <message>
        <source>Set Indicator</source>
        <translation>Indicatore del blocco</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Blocco</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descrizione</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Previous Time</source>
        <translation>Tempo precedente</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Differenza</translation>
    </message>
    <message>
        <source>Average Time</source>
        <translation>Tempo medio</translation>
    </message>
    <message>
        <source>Run Count</source>
        <translation>Prove</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Avvia</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Ferma</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Clear Set</source>
        <translation>Azzera blocco</translation>
    </message>
    <message>
        <source>Next Set</source>
        <translation>Blocco succ.</translation>
    </message>
    <message>
        <source>Prev Set</source>
        <translation>Blocco prec.</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Risultati</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fatto</translation>
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
        <translation>Tempi di reazione a stimoli semplici e complessi</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Avanzamento</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>there is no translation for &quot;%1&quot;; the program is shown in English</source>
        <translation>non esiste una traduzione per “%1”; il programma è mostrato in inglese</translation>
    </message>
</context>
<context>
    <name>summary</name>
    <message>
        <source>The class summary of reaction-time files (recover.dat, .nrm and .col files, or folders of them):
sets.csv, students.csv, class.csv, class-notes.txt, class-chart.pdf and class-chart.png.</source>
        <translation>Il riepilogo di classe dei file dei tempi di reazione (recover.dat, file .nrm e .col, o cartelle che li contengono):
sets.csv, students.csv, class.csv, class-notes.txt, class-chart.pdf e class-chart.png.</translation>
    </message>
    <message>
        <source>Write into &lt;folder&gt; (default: the current folder).</source>
        <translation>Scrive in &lt;cartella&gt; (predefinito: la cartella corrente).</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>cartella</translation>
    </message>
    <message>
        <source>The .col files are the colour test&apos;s.</source>
        <translation>I file .col sono quelli del test dei colori.</translation>
    </message>
    <message>
        <source>The .col files are the number test&apos;s.</source>
        <translation>I file .col sono quelli del test dei numeri.</translation>
    </message>
    <message>
        <source>Name each student after their folder or their files&apos; names.</source>
        <translation>Dà a ogni studente il nome della sua cartella o dei suoi file.</translation>
    </message>
    <message>
        <source>Start each CSV file with a UTF-8 mark.</source>
        <translation>Fa iniziare ogni file CSV con un marcatore UTF-8 (BOM).</translation>
    </message>
    <message>
        <source>Write again whenever a file changes, until stopped.</source>
        <translation>Scrive di nuovo ogni volta che un file cambia, finché non viene fermato.</translation>
    </message>
    <message>
        <source>As --watch, with the chart in a window.</source>
        <translation>Come --watch, con il grafico in una finestra.</translation>
    </message>
    <message>
        <source>Data files and folders.</source>
        <translation>File e cartelle di dati.</translation>
    </message>
    <message>
        <source>path...</source>
        <translation>percorso...</translation>
    </message>
    <message>
        <source>--colour and --number exclude each other: summarise each test&apos;s .col files apart</source>
        <translation>--colour e --number si escludono a vicenda: riepiloghi a parte i file .col di ciascun test</translation>
    </message>
    <message>
        <source>--student-from takes folder or name, not %1</source>
        <translation>--student-from accetta folder o name, non %1</translation>
    </message>
    <message>
        <source>no file could be read; nothing written</source>
        <translation>nessun file è stato letto; non è stato scritto nulla</translation>
    </message>
    <message>
        <source>Count a folder&apos;s files as its owners handed them in (yes), or by their names (no); by default the owners decide in a hand-in folder, one that others may enter but not list.</source>
        <translation>Conta i file di una cartella come consegnati dai loro proprietari (yes) o secondo i loro nomi (no); in modo predefinito decidono i proprietari in una cartella di consegna, cioè una in cui gli altri possono entrare ma che non possono elencare.</translation>
    </message>
    <message>
        <source>Say whether the hand-in folder &lt;folder&gt; is set up as one of the guide&apos;s recipes, and what is wrong; nothing is summarised.</source>
        <translation>Dice se la cartella di consegna &lt;cartella&gt; è configurata come una delle ricette della guida, e che cosa non va; non viene riepilogato nulla.</translation>
    </message>
    <message>
        <source>--owners takes yes or no, not %1</source>
        <translation>--owners accetta yes o no, non %1</translation>
    </message>
</context>
</TS>
