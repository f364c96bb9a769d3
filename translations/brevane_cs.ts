<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ">
<context>
    <name>ClassChart</name>
    <message>
        <source>Class reaction times: simple against choice</source>
        <translation>Reakční doby třídy: jednoduchý test proti testu s volbou</translation>
    </message>
    <message>
        <source>One dot for each student&apos;s mean reaction time (%1): the mean of their set means, in whole ms as stored. Box: lower to upper quartile; thick line: median; whiskers: the furthest means within 1.5 box lengths.</source>
        <translation>Jedna tečka za průměrnou reakční dobu každého studenta (%1): průměr průměrů jeho sad, v celých ms, jak byly uloženy. Krabice: od dolního po horní kvartil; silná čára: medián; vousy: nejvzdálenější průměry do 1,5 délky krabice.</translation>
    </message>
    <message numerus="yes">
        <source>%n student(s)</source>
        <translation>
            <numerusform>%n student</numerusform>
            <numerusform>%n studenti</numerusform>
            <numerusform>%n studentů</numerusform>
        </translation>
    </message>
    <message>
        <source>No reaction times in the files read</source>
        <translation>V načtených souborech nejsou žádné reakční doby</translation>
    </message>
    <message>
        <source>n = %1, mean %2 ms</source>
        <translation>n = %1, průměr %2 ms</translation>
    </message>
    <message>
        <source>%1 − simple: %2 ms (95 % CI %3 to %4, %5 students)</source>
        <translation>%1 − jednoduchý: %2 ms (95% IS %3 až %4, studentů: %5)</translation>
    </message>
    <message>
        <source>Class reaction times</source>
        <translation>Reakční doby třídy</translation>
    </message>
    <message>
        <source>Bars beside each box: every run that counts (%1 runs; class-notes.txt says which), as shares of the test&apos;s runs in bins of %2 ms.</source>
        <translation>Sloupce vedle každé krabice: každý pokus, který se počítá (pokusů: %1; které, uvádí class-notes.txt), jako podíly pokusů testu v intervalech po %2 ms.</translation>
    </message>
    <message>
        <source>reaction time (ms)</source>
        <translation>reakční doba (ms)</translation>
    </message>
</context>
<context>
    <name>ClassFiles</name>
    <message>
        <source>not a recover.dat, .nrm or .col file</source>
        <translation>není to soubor recover.dat, .nrm ani .col</translation>
    </message>
    <message>
        <source>left out %1: a shared account&apos;s recover.dat holds whoever ran last</source>
        <translation>vynecháno %1: recover.dat sdíleného účtu obsahuje toho, kdo spouštěl naposledy</translation>
    </message>
    <message>
        <source>a named pipe (FIFO), not read</source>
        <translation>pojmenovaná roura (FIFO), nenačtena</translation>
    </message>
    <message>
        <source>a socket, not read</source>
        <translation>soket, nenačten</translation>
    </message>
    <message>
        <source>a device, not read</source>
        <translation>zařízení, nenačteno</translation>
    </message>
    <message>
        <source>a link, not followed in a hand-in folder</source>
        <translation>odkaz, ve složce odevzdání se nenásleduje</translation>
    </message>
    <message>
        <source>handed in by user %1 beside the students&apos; folders, not in one</source>
        <translation>odevzdal uživatel %1 vedle složek studentů, ne do jedné z nich</translation>
    </message>
    <message>
        <source>no user %1 on this machine; the folder is left out</source>
        <translation>uživatel %1 na tomto počítači neexistuje; složka je vynechána</translation>
    </message>
    <message>
        <source>the folder belongs to user %1, not %2; its files are left out</source>
        <translation>složka patří uživateli %1, ne %2; její soubory jsou vynechány</translation>
    </message>
    <message>
        <source>a folder within a student&apos;s folder, not read</source>
        <translation>složka uvnitř složky studenta, nenačtena</translation>
    </message>
    <message>
        <source>handed in by user %1, not %2</source>
        <translation>odevzdal uživatel %1, ne %2</translation>
    </message>
    <message>
        <source>in a folder of user %1, not %2</source>
        <translation>ve složce uživatele %1, ne %2</translation>
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
        <translation>Počítače

Každá uložená doba zahrnuje to, co přidává počítač, na kterém byla změřena: zpoždění monitoru
(barevné podněty) nebo zvukového výstupu (tóny) a myši (její dotazování, ošetření zákmitů,
vstupní cesta). Kontrola počítače (brevane --check-machine) je změřila na každém počítači
níže fotodiodou, smyčkovým kabelem a mikrofonem přes zvukovou kartu; reakční doba studenta
je přibližně uložená doba minus zpoždění části podnětu a myši. V rámci jednoho
počítače nemění rozdíl mezi testy (s volbou minus jednoduchý), takže párové
intervaly v class.csv platí; doby z počítačů s odlišným zpožděním jsou delší nebo kratší o
tento rozdíl. sets.csv a students.csv končí počítačem každého souboru a jeho zpožděními.

</translation>
    </message>
    <message>
        <source>%1 (checked %2; %3; files: %4): %5
</source>
        <translation>%1 (zkontrolováno %2; %3; soubory: %4): %5
</translation>
    </message>
    <message>
        <source>mode not known</source>
        <translation>režim neznámý</translation>
    </message>
    <message>
        <source>Screen and mouse together add %1 to %2 ms on these machines: a visual time measured on
one may differ from another&apos;s by up to %3 ms from the machines alone.
</source>
        <translation>Obrazovka a myš dohromady přidávají na těchto počítačích %1 až %2 ms: zraková doba změřená na
jednom se může od doby z jiného lišit až o %3 ms jen kvůli počítačům.
</translation>
    </message>
</context>
<context>
    <name>ClassRun</name>
    <message>
        <source>skipped %1: %2</source>
        <translation>přeskočeno %1: %2</translation>
    </message>
    <message>
        <source>%1 is a copy of %2: read once</source>
        <translation>%1 je kopií %2: načteno jednou</translation>
    </message>
    <message>
        <source>%1 of %2 files read</source>
        <translation>načteno %1 z %2 souborů</translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>nelze vytvořit složku %1</translation>
    </message>
    <message>
        <source>could not write %1: %2</source>
        <translation>nelze zapsat %1: %2</translation>
    </message>
    <message>
        <source>%1 read</source>
        <translation>načteno: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n soubor</numerusform>
            <numerusform>%n soubory</numerusform>
            <numerusform>%n souborů</numerusform>
        </translation>
    </message>
    <message>
        <source> (and %1 read once)</source>
        <translation> (a načteno jednou: %1)</translation>
    </message>
    <message numerus="yes">
        <source>%n copy(ies)</source>
        <translation>
            <numerusform>%n kopie</numerusform>
            <numerusform>%n kopie</numerusform>
            <numerusform>%n kopií</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2 skipped; %3 (%4 by folder, %5 by file name); tests: %6</source>
        <translation>%1, přeskočeno: %2; %3 (%4 podle složky, %5 podle názvu souboru); testy: %6</translation>
    </message>
    <message numerus="yes">
        <source>%n student(s)</source>
        <translation>
            <numerusform>%n student</numerusform>
            <numerusform>%n studenti</numerusform>
            <numerusform>%n studentů</numerusform>
        </translation>
    </message>
    <message>
        <source>none</source>
        <translation>žádné</translation>
    </message>
</context>
<context>
    <name>ClassSummary</name>
    <message>
        <source>.%1 file</source>
        <translation>soubor .%1</translation>
    </message>
    <message>
        <source>it has %1 lines; a %2 has %3</source>
        <translation>má %1 řádků; %2 má %3</translation>
    </message>
    <message>
        <source>line %1 is not what a %2 holds there</source>
        <translation>řádek %1 neobsahuje to, co na tomto místě obsahuje %2</translation>
    </message>
    <message>
        <source>it has more than the %1 lines of a %2</source>
        <translation>má více řádků než %1, které má %2</translation>
    </message>
    <message>
        <source>%1: %2 holds %3 sets that %4 holds too; each taken once</source>
        <translation>%1: %2 obsahuje %3 sad, které obsahuje i %4; každá vzata jednou</translation>
    </message>
    <message>
        <source>%1 has two different %2 files, %3 and %4: both kept as separate sets</source>
        <translation>%1 má dva různé soubory %2, %3 a %4: oba ponechány jako samostatné sady</translation>
    </message>
    <message>
        <source>%1 handed in</source>
        <translation>odevzdali: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n student(s)</source>
        <translation>
            <numerusform>%n student</numerusform>
            <numerusform>%n studenti</numerusform>
            <numerusform>%n studentů</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>cannot create or enter the folder %1; files are kept in %2</source>
        <translation>nelze vytvořit složku %1 ani do ní vstoupit; soubory se ukládají do %2</translation>
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
        <translation>Použití: %1 [--user-folder] [--hand-in SLOŽKA] [--unlock] [--language KÓD]
          [KONFIGURAČNÍ-SOUBOR]
       %1 --timing-check | --check-machine | --version | --help

Měření reakční doby na jednoduchý a složený podnět: reakční doby studenta na
tón, změnu barvy nebo obojí, v jednoduchém testu a dvou testech s volbou.

  KONFIGURAČNÍ-SOUBOR konfigurace použitá místo %2; relativní
                      název se bere ve složce, kde se ukládají soubory
  --user-folder       ukládat soubory do složky uživatele, vytvořené, pokud chybí:
                      %3
                      (takto spouští program položka v nabídce plochy)
  --hand-in SLOŽKA    také odevzdávat každý uložený soubor .nrm a .col a každý
                      recover.dat do SLOŽKA/&lt;přihlašovací jméno&gt;/ pro učitele
                      (nastaveno pro všechny uživatele v /etc/xdg/Brevane/Brevane.conf;
                      man brevane)
  --unlock            kde laboratoř zamyká nastavení, dovolit členovi skupiny
                      učitelů laboratoře změnit je v této relaci
  --timing-check      zobrazit blikající políčko pro fotodiodu nebo kameru s
                      obnovovací frekvencí, rozptylem doby snímku a používanými
                      zdroji časových značek (ukončí Esc nebo kliknutí)
  --check-machine     zkontrolovat tento počítač od začátku do konce přes vstup zvukové karty:
                      obrazovku fotodiodou, zvuk kabelem z výstupu,
                      myš jejím kliknutím; uchová zpoždění pro okno O programu
                      a souhrn třídy (docs/guide.md)
  --language KÓD      zobrazit program v tomto jazyce (de, ja, ar, ...;
                      anglicky, kde překlad chybí) místo jazyka
                      systému nebo jazyka nastaveného v Brevane.conf
  --version           vypsat verzi a skončit
  --help              vypsat tento text a skončit

Soubory se ukládají do aktuální složky nebo s --user-folder do složky
uvedené výše: %2 (konfigurace, zapsaná s výchozími hodnotami, pokud chybí)
a recover.dat (sady každého testu, přepsané po skončení série; Obnovit
v hlavní nabídce je načte zpět). Tam se otevírají dialogy souborů; soubory výsledků
(.nrm, .col) se ukládají tam, kam je uložíte.
</translation>
    </message>
</context>
<context>
    <name>DisplayStamps</name>
    <message>
        <source>; times may be one frame long: see the guide</source>
        <translation>; doby mohou být o jeden snímek delší: viz příručka</translation>
    </message>
    <message>
        <source>The window system does not say when a frame is shown</source>
        <translation>Okenní systém neuvádí, kdy se snímek zobrazí</translation>
    </message>
    <message>
        <source>The X server does not say when a frame is shown</source>
        <translation>X server neuvádí, kdy se snímek zobrazí</translation>
    </message>
    <message>
        <source>XWayland shows the window through the Wayland compositor</source>
        <translation>XWayland zobrazuje okno přes kompozitor Waylandu</translation>
    </message>
    <message>
        <source>Some stimuli were stamped by %1</source>
        <translation>Některé podněty dostaly časovou značku od: %1</translation>
    </message>
    <message>
        <source>the display&apos;s refresh</source>
        <translation>obnovování displeje</translation>
    </message>
    <message>
        <source>the X server&apos;s refresh, not the pixel&apos;s</source>
        <translation>obnovování X serveru, ne pixelu</translation>
    </message>
    <message>
        <source>the compositor&apos;s frame timings</source>
        <translation>časování snímků kompozitoru</translation>
    </message>
    <message>
        <source>the screen read back</source>
        <translation>zpětné čtení obrazovky</translation>
    </message>
    <message>
        <source>the Wayland compositor&apos;s report of the frame</source>
        <translation>hlášení kompozitoru Waylandu o snímku</translation>
    </message>
    <message>
        <source>the hand-over to the X server</source>
        <translation>předání X serveru</translation>
    </message>
    <message>
        <source>the clock after a repaint</source>
        <translation>hodiny po překreslení</translation>
    </message>
    <message>
        <source>%1 (exact)</source>
        <translation>%1 (přesně)</translation>
    </message>
    <message>
        <source>%1 (estimated)</source>
        <translation>%1 (odhadem)</translation>
    </message>
    <message>
        <source>none</source>
        <translation>žádné</translation>
    </message>
    <message>
        <source>%1 Hz</source>
        <translation>%1 Hz</translation>
    </message>
    <message>
        <source>not reported (a virtual screen)</source>
        <translation>neuvedeno (virtuální obrazovka)</translation>
    </message>
    <message>
        <source>The Wayland compositor estimates when a frame is shown; times may be one frame long: see the guide</source>
        <translation>Kompozitor Waylandu odhaduje, kdy se snímek zobrazí; doby mohou být o jeden snímek delší: viz příručka</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>Reflex Data Files (*.nrm)|*.nrm</source>
        <translation>Datové soubory Reflex (*.nrm)|*.nrm</translation>
    </message>
    <message>
        <source>Reflex Data Files (*.col)|*.col</source>
        <translation>Datové soubory Reflex (*.col)|*.col</translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
        File already exisits. Do you want to overwrite?</source>
        <translation><byte value="xd"/>
<byte value="xd"/>
        Soubor již existuje. Chcete jej přepsat?</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Uložit soubor</translation>
    </message>
    <message>
        <source>Save File Error</source>
        <translation>Chyba při ukládání souboru</translation>
    </message>
    <message>
        <source>Save Cancelled</source>
        <translation>Ukládání zrušeno</translation>
    </message>
    <message>
        <source>Load File Error</source>
        <translation>Chyba při načítání souboru</translation>
    </message>
    <message>
        <source>Load Cancelled</source>
        <translation>Načítání zrušeno</translation>
    </message>
    <message>
        <source>Export to CSV</source>
        <translation>Export do CSV</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)|*.csv</source>
        <translation>Soubory CSV (*.csv)|*.csv</translation>
    </message>
</context>
<context>
    <name>FileRead</name>
    <message>
        <source>%1 is a folder, not a file.</source>
        <translation>%1 je složka, ne soubor.</translation>
    </message>
    <message>
        <source>%1 holds %2 MB, far more than any file of this program; it was not read.</source>
        <translation>%1 má %2 MB, mnohem víc než kterýkoli soubor tohoto programu; nebyl načten.</translation>
    </message>
    <message>
        <source>%1 is far larger than any file of this program; it was not read.</source>
        <translation>%1 je mnohem větší než kterýkoli soubor tohoto programu; nebyl načten.</translation>
    </message>
</context>
<context>
    <name>HandIn</name>
    <message>
        <source>Hand-in</source>
        <translation>Odevzdání</translation>
    </message>
    <message>
        <source>the hand-in folder is missing</source>
        <translation>složka odevzdání chybí</translation>
    </message>
    <message>
        <source>Not handed in to %1: %2.
Your file is saved on this computer; it is handed in at your next save.</source>
        <translation>Neodevzdáno do %1: %2.
Soubor je uložen na tomto počítači; odevzdá se při příštím uložení.</translation>
    </message>
    <message>
        <source>the hand-in folder is still not answering</source>
        <translation>složka odevzdání stále neodpovídá</translation>
    </message>
    <message>
        <source>the hand-in folder did not answer</source>
        <translation>složka odevzdání neodpověděla</translation>
    </message>
    <message>
        <source>the folder %1 in the hand-in folder is a link, not a folder</source>
        <translation>složka %1 ve složce odevzdání je odkaz, ne složka</translation>
    </message>
    <message>
        <source>%1 in the hand-in folder is not a folder</source>
        <translation>%1 ve složce odevzdání není složka</translation>
    </message>
    <message>
        <source>the folder %1 in the hand-in folder belongs to another user</source>
        <translation>složka %1 ve složce odevzdání patří jinému uživateli</translation>
    </message>
</context>
<context>
    <name>HandoutPage</name>
    <message>
        <source>beyond your median ± 3 scaled MADs of the test</source>
        <translation>mimo váš medián ± 3 škálované MAD testu</translation>
    </message>
    <message>
        <source>beyond your mean ± 3 SD of the test</source>
        <translation>mimo váš průměr ± 3 SD testu</translation>
    </message>
    <message>
        <source>none cut here</source>
        <translation>zde nic neodříznuto</translation>
    </message>
    <message>
        <source>Reaction times of %1</source>
        <translation>Reakční doby: %1</translation>
    </message>
    <message>
        <source>Your times beside your class&apos;s (%1 students), in whole milliseconds as stored.</source>
        <translation>Vaše doby vedle dob vaší třídy (studentů: %1), v celých milisekundách, jak byly uloženy.</translation>
    </message>
    <message>
        <source>test</source>
        <translation>test</translation>
    </message>
    <message>
        <source>sets</source>
        <translation>sady</translation>
    </message>
    <message>
        <source>runs that count</source>
        <translation>počítané pokusy</translation>
    </message>
    <message>
        <source>mean</source>
        <translation>průměr</translation>
    </message>
    <message>
        <source>median</source>
        <translation>medián</translation>
    </message>
    <message>
        <source>anticipations</source>
        <translation>anticipace</translation>
    </message>
    <message>
        <source>lapses</source>
        <translation>výpadky pozornosti</translation>
    </message>
    <message>
        <source>outliers</source>
        <translation>odlehlé hodnoty</translation>
    </message>
    <message>
        <source>Runs that count: all but missed hits, anticipations (under %1 ms), lapses (over %2 ms) and outliers (%3). mean: the mean of your set means, every time as stored. median, μ, σ, τ: your runs but missed hits, anticipations and lapses; μ, σ, τ: the ex-Gaussian fitted to them, a normal part (μ, σ) plus an exponential part of mean τ, the slow tail; from %4 runs on.</source>
        <translation>Počítané pokusy: všechny kromě zmeškaných zásahů, anticipací (pod %1 ms), výpadků pozornosti (nad %2 ms) a odlehlých hodnot (%3). průměr: průměr průměrů vašich sad, každá doba, jak byla uložena. medián, μ, σ, τ: vaše pokusy kromě zmeškaných zásahů, anticipací a výpadků pozornosti; μ, σ, τ: ex-Gaussovo rozdělení k nim přizpůsobené, normální část (μ, σ) plus exponenciální část se středem τ, pomalý konec; od %4 pokusů.</translation>
    </message>
    <message>
        <source>Grey: the class&apos;s runs that count; outlined: yours, each as shares of its runs. Ticks: the class&apos;s means; the dot: yours.</source>
        <translation>Šedě: počítané pokusy třídy; obrysem: vaše, každé jako podíly svých pokusů. Čárky: průměry třídy; tečka: váš.</translation>
    </message>
    <message>
        <source>No mean: none of your runs is a reaction time.</source>
        <translation>Žádný průměr: žádný z vašich pokusů není reakční doba.</translation>
    </message>
    <message>
        <source>Your mean, %1 ms; nobody else took this test.</source>
        <translation>Váš průměr: %1 ms; nikdo jiný tento test nedělal.</translation>
    </message>
    <message>
        <source>Your mean, %1 ms: of the %2 others, %3 faster, %4 slower.</source>
        <translation>Váš průměr: %1 ms: z %2 ostatních %3 rychleji, %4 pomaleji.</translation>
    </message>
</context>
<context>
    <name>Handouts</name>
    <message>
        <source>Reaction times: a page for each student</source>
        <translation>Reakční doby: stránka pro každého studenta</translation>
    </message>
</context>
<context>
    <name>Lab</name>
    <message>
        <source>The settings are locked by the lab (LockSettings in %1).</source>
        <translation>Nastavení zamkla laboratoř (LockSettings v %1).</translation>
    </message>
    <message>
        <source>Nobody may unlock the settings here: %1 names no group of teachers (Teachers in its [Lab] section).</source>
        <translation>Nikdo zde nemůže odemknout nastavení: %1 neuvádí žádnou skupinu učitelů (Teachers v jeho sekci [Lab]).</translation>
    </message>
    <message>
        <source>The settings are locked by the lab (LockSettings in %1); a member of the group %2 may change them by starting the program with --unlock.</source>
        <translation>Nastavení zamkla laboratoř (LockSettings v %1); člen skupiny %2 je může změnit spuštěním programu s --unlock.</translation>
    </message>
    <message>
        <source>Only a member of the group %1 may unlock the settings with --unlock, which %2 is not; the settings stay locked.</source>
        <translation>Jen člen skupiny %1 může odemknout nastavení pomocí --unlock, a %2 jím není; nastavení zůstává zamčené.</translation>
    </message>
</context>
<context>
    <name>MachineCheck</name>
    <message>
        <source>%1 of %2 trials</source>
        <translation>%1 z %2 měření</translation>
    </message>
    <message>
        <source>the signal is too weak (%1): turn the input volume up, or the screen&apos;s brightness, and hold the diode flat on the patch</source>
        <translation>signál je příliš slabý (%1): zvyšte hlasitost vstupu nebo jas obrazovky a přiložte diodu naplocho na políčko</translation>
    </message>
    <message>
        <source>the signal is too weak (%1): turn the output and the input volume up</source>
        <translation>signál je příliš slabý (%1): zvyšte hlasitost výstupu i vstupu</translation>
    </message>
    <message>
        <source>the clicks are too faint (%1): put the microphone closer to the mouse and turn the input volume up</source>
        <translation>kliknutí jsou příliš tichá (%1): přibližte mikrofon k myši a zvyšte hlasitost vstupu</translation>
    </message>
    <message>
        <source>the signal is too noisy (%1): keep the room quiet, the cable short and away from the mains, and turn the input volume down if it hums</source>
        <translation>signál je příliš zašuměný (%1): zajistěte v místnosti ticho, kabel krátký a daleko od elektrické sítě, a pokud bzučí, snižte hlasitost vstupu</translation>
    </message>
    <message>
        <source>the recording broke off (%1): close other programs that use the sound card and try again</source>
        <translation>nahrávání se přerušilo (%1): zavřete ostatní programy, které používají zvukovou kartu, a zkuste to znovu</translation>
    </message>
    <message>
        <source>no flash was seen in %1: is the diode on the patch and plugged into the input that records?</source>
        <translation>v %1 nebyl zachycen žádný záblesk: je dioda na políčku a zapojená do vstupu, který nahrává?</translation>
    </message>
    <message>
        <source>no tone came back in %1: is the output looped to the input that records?</source>
        <translation>v %1 se nevrátil žádný tón: je výstup propojen smyčkou se vstupem, který nahrává?</translation>
    </message>
    <message>
        <source>no click was heard in %1: is the microphone next to the mouse?</source>
        <translation>v %1 nebylo slyšet žádné kliknutí: je mikrofon vedle myši?</translation>
    </message>
    <message>
        <source>too few trials (%1)</source>
        <translation>příliš málo měření (%1)</translation>
    </message>
</context>
<context>
    <name>MachineResult</name>
    <message>
        <source>it is not a machine check&apos;s result</source>
        <translation>není to výsledek kontroly počítače</translation>
    </message>
    <message>
        <source>line %1 is not a part&apos;s lag</source>
        <translation>řádek %1 není zpoždění části</translation>
    </message>
    <message>
        <source>it names no machine</source>
        <translation>neuvádí žádný počítač</translation>
    </message>
    <message>
        <source>%1 %2 ms (SD %3)</source>
        <translation>%1 %2 ms (SD %3)</translation>
    </message>
    <message>
        <source>%1: not measured</source>
        <translation>%1: neměřeno</translation>
    </message>
    <message>
        <source>Machine check: not done on this machine (brevane --check-machine)</source>
        <translation>Kontrola počítače: na tomto počítači neprovedena (brevane --check-machine)</translation>
    </message>
    <message>
        <source>Machine check (%1, %2): %3</source>
        <translation>Kontrola počítače (%1, %2): %3</translation>
    </message>
</context>
<context>
    <name>ProgramVersion</name>
    <message>
        <source>Version %1.%2%3</source>
        <translation>Verze %1.%2%3</translation>
    </message>
</context>
<context>
    <name>QtPrinting</name>
    <message>
        <source>The printer %1 could not be opened.</source>
        <translation>Tiskárnu %1 nelze otevřít.</translation>
    </message>
    <message>
        <source>The printer %1 reported an error.</source>
        <translation>Tiskárna %1 ohlásila chybu.</translation>
    </message>
    <message>
        <source>The PDF could not be completed.</source>
        <translation>PDF nelze dokončit.</translation>
    </message>
    <message>
        <source>The PDF could not be started.</source>
        <translation>PDF nelze začít.</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Nastavení tisku</translation>
    </message>
</context>
<context>
    <name>RecoveryFile</name>
    <message>
        <source>The recovery file recover.dat could not be written.</source>
        <translation>Soubor obnovy recover.dat nelze zapsat.</translation>
    </message>
    <message>
        <source><byte value="xd"/>Your data are kept in memory.</source>
        <translation><byte value="xd"/>Vaše data jsou uchována v paměti.</translation>
    </message>
    <message>
        <source>Recovery File Error</source>
        <translation>Chyba souboru obnovy</translation>
    </message>
    <message>
        <source>Load Cancelled</source>
        <translation>Načítání zrušeno</translation>
    </message>
    <message>
        <source>No Recovery File Created or Found</source>
        <translation>Soubor obnovy nebyl vytvořen ani nalezen</translation>
    </message>
    <message>
        <source>Load File Error</source>
        <translation>Chyba při načítání souboru</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Fastest Time</source>
        <translation>Nejrychlejší doba</translation>
    </message>
    <message>
        <source>Slowest Time</source>
        <translation>Nejpomalejší doba</translation>
    </message>
    <message>
        <source>Average Time</source>
        <translation>Průměrná doba</translation>
    </message>
    <message>
        <source>Correct Hits</source>
        <translation>Správné zásahy</translation>
    </message>
    <message>
        <source>Correct Misses</source>
        <translation>Správná vynechání</translation>
    </message>
    <message>
        <source>InCorrect Hits</source>
        <translation>Chybné zásahy</translation>
    </message>
    <message>
        <source>Missed Hits</source>
        <translation>Zmeškané zásahy</translation>
    </message>
    <message>
        <source>Orv Tovanel:  Color Reflex Data</source>
        <translation>Orv Tovanel:  data reakcí na barvy</translation>
    </message>
    <message>
        <source>Orv Tovanel:  Number Reflex Data</source>
        <translation>Orv Tovanel:  data reakcí na čísla</translation>
    </message>
    <message>
        <source>Set  %1</source>
        <translation>Sada  %1</translation>
    </message>
    <message>
        <source>Comments:</source>
        <translation>Komentáře:</translation>
    </message>
    <message>
        <source>Save Report As PDF</source>
        <translation>Uložit protokol jako PDF</translation>
    </message>
    <message>
        <source>PDF Files|*.pdf</source>
        <translation>Soubory PDF|*.pdf</translation>
    </message>
    <message>
        <source>The file could not be written.</source>
        <translation>Soubor nelze zapsat.</translation>
    </message>
    <message>
        <source>Print Error<byte value="xd"/></source>
        <translation>Chyba tisku<byte value="xd"/></translation>
    </message>
    <message>
        <source>Print Cancelled</source>
        <translation>Tisk zrušen</translation>
    </message>
    <message>
        <source>  Slowest Time</source>
        <translation>  Nejpomalejší doba</translation>
    </message>
    <message>
        <source>Orv Tovanel:  Normal Reflex Data</source>
        <translation>Orv Tovanel:  data jednoduché reakce</translation>
    </message>
</context>
<context>
    <name>ResultsKind</name>
    <message>
        <source>Complex Choice Color/Audio Stimulus Module Data Display</source>
        <translation>Výsledky modulu podnětů s volbou: barva/zvuk</translation>
    </message>
    <message>
        <source>Delete run %1 from the set? </source>
        <translation>Smazat pokus %1 ze sady? </translation>
    </message>
    <message>
        <source>Color Reflex Data Files</source>
        <translation>Datové soubory reakcí na barvy</translation>
    </message>
    <message>
        <source>Complex Choice Number/Audio Stimulus Module Data Display</source>
        <translation>Výsledky modulu podnětů s volbou: číslo/zvuk</translation>
    </message>
    <message>
        <source>Delete run %1 for the set? </source>
        <translation>Smazat pokus %1 ze sady? </translation>
    </message>
    <message>
        <source>Number Reflex Data Files</source>
        <translation>Datové soubory reakcí na čísla</translation>
    </message>
    <message>
        <source>Simple Choice Stimulus Module Data Display</source>
        <translation>Výsledky modulu jednoduchého podnětu</translation>
    </message>
    <message>
        <source>Normal Reflex Data Files</source>
        <translation>Datové soubory jednoduché reakce</translation>
    </message>
</context>
<context>
    <name>ResultsModel</name>
    <message>
        <source>Delete run %1 for the set? </source>
        <translation>Smazat pokus %1 ze sady? </translation>
    </message>
    <message>
        <source>Are you sure you want to DELETE ALL DATA ?</source>
        <translation>Opravdu chcete SMAZAT VŠECHNA DATA?</translation>
    </message>
    <message>
        <source>Delete All Data</source>
        <translation>Smazat všechna data</translation>
    </message>
</context>
<context>
    <name>RuleOptions</name>
    <message>
        <source>A time under &lt;ms&gt; is an anticipation (default: 100).</source>
        <translation>Doba pod &lt;ms&gt; je anticipace (výchozí: 100).</translation>
    </message>
    <message>
        <source>A time over &lt;ms&gt; is a lapse (default: 2000).</source>
        <translation>Doba nad &lt;ms&gt; je výpadek pozornosti (výchozí: 2000).</translation>
    </message>
    <message>
        <source>Cut outliers beyond median +- 3 scaled MADs (mad, the default), mean +- 3 SD (sd), or not at all (none).</source>
        <translation>Odříznout odlehlé hodnoty mimo medián +- 3 škálované MAD (mad, výchozí), průměr +- 3 SD (sd) nebo vůbec (none).</translation>
    </message>
    <message>
        <source>Write a PDF page for each student, handout-&lt;student&gt;.pdf.</source>
        <translation>Zapsat stránku PDF pro každého studenta, handout-&lt;student&gt;.pdf.</translation>
    </message>
    <message>
        <source>--%1 takes a whole number of milliseconds from %2 to %3, not %4</source>
        <translation>--%1 přijímá celý počet milisekund od %2 do %3, ne %4</translation>
    </message>
    <message>
        <source>the lapse limit (%1 ms) must lie above the anticipation limit (%2 ms)</source>
        <translation>mez výpadku pozornosti (%1 ms) musí ležet nad mezí anticipace (%2 ms)</translation>
    </message>
    <message>
        <source>--outlier-rule takes mad, sd or none, not %1</source>
        <translation>--outlier-rule přijímá mad, sd nebo none, ne %1</translation>
    </message>
</context>
<context>
    <name>SessionPlatform</name>
    <message>
        <source>On Wayland: no pointer placement, and presses are stamped by the toolkit event (XWayland gives both)</source>
        <translation>Na Waylandu: bez umisťování ukazatele a stisky dostávají časovou značku z události toolkitu (XWayland dává obojí)</translation>
    </message>
    <message>
        <source>Wayland session: running on X through XWayland, which places the pointer and reads raw input</source>
        <translation>Relace Wayland: běh na X přes XWayland, který umisťuje ukazatel a čte surový vstup</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Settings Locked</source>
        <translation>Nastavení zamčeno</translation>
    </message>
</context>
<context>
    <name>SettingsEditor</name>
    <message>
        <source>Configuration Files (*.cfg)|*.cfg</source>
        <translation>Konfigurační soubory (*.cfg)|*.cfg</translation>
    </message>
    <message>
        <source>Trigger Colour</source>
        <translation>Barva podnětu</translation>
    </message>
    <message>
        <source>The trigger colour must differ from the panel&apos;s white at rest, or the stimulus is invisible.</source>
        <translation>Barva podnětu se musí lišit od bílé barvy panelu v klidu, jinak je podnět neviditelný.</translation>
    </message>
    <message>
        <source>Save Configuration File</source>
        <translation>Uložit konfigurační soubor</translation>
    </message>
    <message>
        <source>Save File Error</source>
        <translation>Chyba při ukládání souboru</translation>
    </message>
    <message>
        <source>Save Cancelled</source>
        <translation>Ukládání zrušeno</translation>
    </message>
    <message>
        <source>Load Configuration File</source>
        <translation>Načíst konfigurační soubor</translation>
    </message>
    <message>
        <source>Load File Error</source>
        <translation>Chyba při načítání souboru</translation>
    </message>
    <message>
        <source>Load Cancelled</source>
        <translation>Načítání zrušeno</translation>
    </message>
    <message>
        <source>Configuration File Load Error</source>
        <translation>Chyba při načítání konfiguračního souboru</translation>
    </message>
    <message>
        <source>Invalid Configuration File<byte value="xd"/>No File Loaded</source>
        <translation>Neplatný konfigurační soubor<byte value="xd"/>Žádný soubor nebyl načten</translation>
    </message>
</context>
<context>
    <name>ShapeChart</name>
    <message>
        <source>median of the student&apos;s runs (ms)</source>
        <translation>medián pokusů studenta (ms)</translation>
    </message>
    <message>
        <source>τ, the slow tail (ms)</source>
        <translation>τ, pomalý konec (ms)</translation>
    </message>
    <message>
        <source>%1 of %2 students fitted
mean τ %3 ms</source>
        <translation>přizpůsobeno %1 z %2 studentů
průměrné τ %3 ms</translation>
    </message>
    <message>
        <source>%1 − simple: μ %2 ms (95 % CI %3 to %4), τ %5 ms (%6 to %7), %8 students</source>
        <translation>%1 − jednoduchý: μ %2 ms (95% IS %3 až %4), τ %5 ms (%6 až %7), studentů: %8</translation>
    </message>
    <message>
        <source>The shape of each student&apos;s times</source>
        <translation>Tvar dob každého studenta</translation>
    </message>
    <message>
        <source>One dot for each student and test with an ex-Gaussian fit (at least %1 runs that are neither anticipations nor lapses): across, the median of those runs; up, τ, the mean of the fit&apos;s exponential part: its slow tail. A test that slows every run moves the dots to the right; one that adds slow runs moves them up.</source>
        <translation>Jedna tečka za každého studenta a test s ex-Gaussovým přizpůsobením (nejméně %1 pokusů, které nejsou anticipacemi ani výpadky pozornosti): vodorovně medián těchto pokusů; svisle τ, průměr exponenciální části přizpůsobení: její pomalý konec. Test, který zpomaluje každý pokus, posouvá tečky doprava; test, který přidává pomalé pokusy, je posouvá nahoru.</translation>
    </message>
    <message>
        <source>No student has %1 runs in a test yet: too few for a fit</source>
        <translation>Žádný student zatím nemá v testu %1 pokusů: na přizpůsobení příliš málo</translation>
    </message>
</context>
<context>
    <name>ShareCheck</name>
    <message>
        <source>cannot look at %1 (%2)</source>
        <translation>nelze prohlédnout %1 (%2)</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 není složka</translation>
    </message>
    <message>
        <source>cannot list %1 (%2): run this as a member of its group or as root</source>
        <translation>nelze vypsat %1 (%2): spusťte to jako člen její skupiny nebo jako root</translation>
    </message>
    <message>
        <source>1 student&apos;s folder</source>
        <translation>1 složka studenta</translation>
    </message>
    <message>
        <source>%1 students&apos; folders</source>
        <translation>složky studentů: %1</translation>
    </message>
    <message>
        <source>%1: %2, all as the recipe has them</source>
        <translation>%1: %2, vše podle návodu</translation>
    </message>
    <message>
        <source>%1: %2; 1 thing to put right</source>
        <translation>%1: %2; 1 věc k opravě</translation>
    </message>
    <message>
        <source>%1: %2; %3 things to put right</source>
        <translation>%1: %2; věcí k opravě: %3</translation>
    </message>
    <message>
        <source>%1: the guide&apos;s first recipe, one group folder (mode 3773), group %2</source>
        <translation>%1: první návod příručky, jedna složka skupiny (režim 3773), skupina %2</translation>
    </message>
    <message>
        <source>%1: the guide&apos;s second recipe, a folder per student (mode 0751), group %2</source>
        <translation>%1: druhý návod příručky, složka pro každého studenta (režim 0751), skupina %2</translation>
    </message>
    <message>
        <source>%1 has the mode %2, not %3</source>
        <translation>%1 má režim %2, ne %3</translation>
    </message>
    <message>
        <source>every user may list %1 and see who handed in: take the others&apos; r away</source>
        <translation>každý uživatel může vypsat %1 a vidět, kdo odevzdal: odeberte ostatním r</translation>
    </message>
    <message>
        <source>without the sticky bit a student may rename or remove another&apos;s folder</source>
        <translation>bez bitu sticky může student přejmenovat nebo odstranit složku jiného studenta</translation>
    </message>
    <message>
        <source>without the setgid bit the students&apos; new folders do not get the group %1, and the teachers cannot read them</source>
        <translation>bez bitu setgid nové složky studentů nedostanou skupinu %1 a učitelé je nemohou číst</translation>
    </message>
    <message>
        <source>the students cannot %1 their folders in %2</source>
        <translation>studenti nemohou %1 své složky v %2</translation>
    </message>
    <message>
        <source>make</source>
        <translation>vytvořit</translation>
    </message>
    <message>
        <source>reach</source>
        <translation>otevřít</translation>
    </message>
    <message>
        <source>the group %1 cannot list %2, so the teachers do not see the folders</source>
        <translation>skupina %1 nemůže vypsat %2, takže učitelé složky nevidí</translation>
    </message>
    <message>
        <source>%1 belongs to user %2, not root: %2 may rename or remove every student&apos;s folder</source>
        <translation>%1 patří uživateli %2, ne rootovi: %2 může přejmenovat nebo odstranit složku každého studenta</translation>
    </message>
    <message>
        <source>%1 is a link, not a student&apos;s folder: remove it (hand-ins through it are refused)</source>
        <translation>%1 je odkaz, ne složka studenta: odstraňte jej (odevzdání přes něj jsou odmítána)</translation>
    </message>
    <message>
        <source>%1 is no student&apos;s folder, and belongs to user %2: remove it</source>
        <translation>%1 není složka žádného studenta a patří uživateli %2: odstraňte ji</translation>
    </message>
    <message>
        <source>%1: there is no user %2 on this machine</source>
        <translation>%1: uživatel %2 na tomto počítači neexistuje</translation>
    </message>
    <message>
        <source>%1 belongs to user %2, not %3: remove it, or %3&apos;s hand-ins are refused</source>
        <translation>%1 patří uživateli %2, ne %3: odstraňte ji, jinak jsou odevzdání uživatele %3 odmítána</translation>
    </message>
    <message>
        <source>%1 has the group %2, not %3: the teachers cannot read it</source>
        <translation>%1 má skupinu %2, ne %3: učitelé ji nemohou číst</translation>
    </message>
    <message>
        <source>%1 has the mode %2, not 0750%3</source>
        <translation>%1 má režim %2, ne 0750%3</translation>
    </message>
    <message>
        <source>: every user may read %1&apos;s files</source>
        <translation>: každý uživatel může číst soubory %1</translation>
    </message>
    <message>
        <source>%1 is in the group %2, and so may read every student&apos;s folder</source>
        <translation>%1 je ve skupině %2, a proto může číst složku každého studenta</translation>
    </message>
    <message>
        <source>%1 is a link, which the summary does not follow: remove it</source>
        <translation>%1 je odkaz, který souhrn nenásleduje: odstraňte jej</translation>
    </message>
    <message>
        <source>%1 is a FIFO, a socket or a device, which the summary does not read: remove it</source>
        <translation>%1 je FIFO, soket nebo zařízení, které souhrn nečte: odstraňte je</translation>
    </message>
    <message>
        <source>%1 belongs to user %2, not to the folder&apos;s student</source>
        <translation>%1 patří uživateli %2, ne studentovi této složky</translation>
    </message>
    <message>
        <source>every user may read %1</source>
        <translation>každý uživatel může číst %1</translation>
    </message>
</context>
<context>
    <name>SimpleEngine</name>
    <message>
        <source>            Audio Trigger</source>
        <translation>            Zvukový podnět</translation>
    </message>
    <message>
        <source>           Visual Trigger</source>
        <translation>           Zrakový podnět</translation>
    </message>
    <message>
        <source>     Audio/Visual Trigger</source>
        <translation>     Zvukový/zrakový podnět</translation>
    </message>
    <message>
        <source>The sound device &quot;%1&quot; could not be opened.</source>
        <translation>Zvukové zařízení „%1“ nelze otevřít.</translation>
    </message>
    <message>
        <source><byte value="xd"/>An audio trigger needs it: choose a visual trigger in Options.</source>
        <translation><byte value="xd"/>Zvukový podnět je potřebuje: v Možnostech zvolte zrakový podnět.</translation>
    </message>
    <message>
        <source>No Sound Device</source>
        <translation>Žádné zvukové zařízení</translation>
    </message>
    <message>
        <source><byte value="xd"/>The series runs with the colour alone.</source>
        <translation><byte value="xd"/>Série poběží jen s barvou.</translation>
    </message>
</context>
<context>
    <name>SoundCapture</name>
    <message>
        <source>the sound card has no input to record from (%1)</source>
        <translation>zvuková karta nemá žádný vstup k nahrávání (%1)</translation>
    </message>
    <message>
        <source>the sound card&apos;s input cannot record mono at %1 Hz (%2)</source>
        <translation>vstup zvukové karty neumí nahrávat mono při %1 Hz (%2)</translation>
    </message>
    <message>
        <source>no PipeWire server answers</source>
        <translation>žádný server PipeWire neodpovídá</translation>
    </message>
    <message>
        <source>PipeWire has no input to record from</source>
        <translation>PipeWire nemá žádný vstup k nahrávání</translation>
    </message>
    <message>
        <source>no PulseAudio server answers</source>
        <translation>žádný server PulseAudio neodpovídá</translation>
    </message>
    <message>
        <source>PulseAudio has no input to record from</source>
        <translation>PulseAudio nemá žádný vstup k nahrávání</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>the built-in defaults</source>
        <translation>vestavěné výchozí hodnoty</translation>
    </message>
    <message>
        <source>, locked by the lab</source>
        <translation>, zamčeno laboratoří</translation>
    </message>
    <message>
        <source>Settings Locked</source>
        <translation>Nastavení zamčeno</translation>
    </message>
    <message>
        <source>The configuration file %1 is not read: the lab locks the settings (LockSettings in %2).</source>
        <translation>Konfigurační soubor %1 se nenačítá: laboratoř zamyká nastavení (LockSettings v %2).</translation>
    </message>
    <message>
        <source>Loading the class configuration ...</source>
        <translation>Načítání konfigurace třídy ...</translation>
    </message>
    <message>
        <source>the class configuration %1</source>
        <translation>konfigurace třídy %1</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>takový soubor neexistuje</translation>
    </message>
    <message>
        <source>Class Configuration</source>
        <translation>Konfigurace třídy</translation>
    </message>
    <message>
        <source>The class configuration %1 that %2 names cannot be read (%3); the configuration of this computer is used instead.</source>
        <translation>Konfiguraci třídy %1, kterou uvádí %2, nelze načíst (%3); místo ní se použije konfigurace tohoto počítače.</translation>
    </message>
</context>
<context>
    <name>StartupSequence</name>
    <message>
        <source>the screen is smaller than 800 x 600; the program ends</source>
        <translation>obrazovka je menší než 800 x 600; program končí</translation>
    </message>
    <message>
        <source>Fatal Application Error</source>
        <translation>Kritická chyba aplikace</translation>
    </message>
    <message>
        <source>Orv Brevane supports a minimum screen resolution of 800 x 600</source>
        <translation>Orv Brevane vyžaduje rozlišení obrazovky alespoň 800 x 600</translation>
    </message>
    <message>
        <source>Press OK to terminate program</source>
        <translation>Stiskněte OK pro ukončení programu</translation>
    </message>
    <message>
        <source>Loading default configuration file ...</source>
        <translation>Načítání výchozího konfiguračního souboru ...</translation>
    </message>
    <message>
        <source>Initializing application ...</source>
        <translation>Inicializace aplikace ...</translation>
    </message>
    <message>
        <source>Initializing application ... Almost Done</source>
        <translation>Inicializace aplikace ... téměř hotovo</translation>
    </message>
    <message>
        <source>not a configuration file</source>
        <translation>není to konfigurační soubor</translation>
    </message>
    <message>
        <source>Loading user configuration file ...</source>
        <translation>Načítání uživatelského konfiguračního souboru ...</translation>
    </message>
    <message>
        <source>%1: no such configuration file; using the default configuration</source>
        <translation>%1: takový konfigurační soubor neexistuje; používá se výchozí konfigurace</translation>
    </message>
    <message>
        <source>Configuration load error</source>
        <translation>Chyba při načítání konfigurace</translation>
    </message>
    <message>
        <source>File %1 could not be found</source>
        <translation>Soubor %1 nebyl nalezen</translation>
    </message>
    <message>
        <source>Using Default Configuration</source>
        <translation>Používá se výchozí konfigurace</translation>
    </message>
    <message>
        <source>%1: cannot read the configuration (%2); using the default configuration</source>
        <translation>%1: konfiguraci nelze načíst (%2); používá se výchozí konfigurace</translation>
    </message>
    <message>
        <source>Configuration Error</source>
        <translation>Chyba konfigurace</translation>
    </message>
    <message>
        <source>Invalid Configuration File</source>
        <translation>Neplatný konfigurační soubor</translation>
    </message>
    <message>
        <source>Using Default Configuration File</source>
        <translation>Používá se výchozí konfigurační soubor</translation>
    </message>
    <message>
        <source>%1: not found; writing one with the defaults</source>
        <translation>%1: nenalezen; zapisuje se nový s výchozími hodnotami</translation>
    </message>
    <message>
        <source>Configuration file not found</source>
        <translation>Konfigurační soubor nenalezen</translation>
    </message>
    <message>
        <source>Default configuration file not found...</source>
        <translation>Výchozí konfigurační soubor nenalezen...</translation>
    </message>
    <message>
        <source>Creating Reflex.Cfg</source>
        <translation>Vytváření Reflex.Cfg</translation>
    </message>
    <message>
        <source>The refused file was kept as %1</source>
        <translation>Odmítnutý soubor byl ponechán jako %1</translation>
    </message>
    <message>
        <source>it could not be written</source>
        <translation>nelze jej zapsat</translation>
    </message>
    <message>
        <source>%1: cannot read the configuration (%2); writing a new one with the defaults</source>
        <translation>%1: konfiguraci nelze načíst (%2); zapisuje se nová s výchozími hodnotami</translation>
    </message>
    <message>
        <source>%1: cannot read the configuration (%2); writing a new one with the defaults (the refused file is kept beside it as %3)</source>
        <translation>%1: konfiguraci nelze načíst (%2); zapisuje se nová s výchozími hodnotami (odmítnutý soubor je ponechán vedle ní jako %3)</translation>
    </message>
    <message>
        <source>Invalid Default Configuration File</source>
        <translation>Neplatný výchozí konfigurační soubor</translation>
    </message>
    <message>
        <source>Creating New Configuration File</source>
        <translation>Vytváření nového konfiguračního souboru</translation>
    </message>
    <message>
        <source>%1: cannot be written; the defaults are used until the program ends</source>
        <translation>%1: nelze zapsat; až do ukončení programu se používají výchozí hodnoty</translation>
    </message>
</context>
<context>
    <name>TestCore</name>
    <message>
        <source>Over write Data in Set %1 ?</source>
        <translation>Přepsat data v sadě %1?</translation>
    </message>
    <message>
        <source>Start Reflex Data Collection</source>
        <translation>Spustit sběr dat reakcí</translation>
    </message>
    <message>
        <source>Your run has ended</source>
        <translation>Vaše série skončila</translation>
    </message>
    <message>
        <source>END RUN</source>
        <translation>KONEC SÉRIE</translation>
    </message>
</context>
<context>
    <name>XDisplay</name>
    <message>
        <source>a compositing manager</source>
        <translation>správce kompozice</translation>
    </message>
</context>
<context>
    <name>brevane::ChoiceWindow</name>
    <message>
        <source>With Sound</source>
        <translation>Se zvukem</translation>
    </message>
    <message>
        <source>No Sound</source>
        <translation>Bez zvuku</translation>
    </message>
</context>
<context>
    <name>brevane::MachineCheckWindow</name>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <source>S&amp;kip this part</source>
        <translation>&amp;Přeskočit tuto část</translation>
    </message>
    <message>
        <source>Sa&amp;ve the result</source>
        <translation>&amp;Uložit výsledek</translation>
    </message>
    <message>
        <source>Brevane Machine Check</source>
        <translation>Brevane – kontrola počítače</translation>
    </message>
    <message>
        <source>Flashing patch</source>
        <translation>Blikající políčko</translation>
    </message>
    <message>
        <source>Machine check guide</source>
        <translation>Průvodce kontrolou počítače</translation>
    </message>
    <message>
        <source>Machine check: what this PC adds to every time a student measures on it.

The sound card&apos;s input is the clock: it hears the screen through a photodiode, the sound through a cable from the output, and the mouse through a microphone, and the program compares what it heard with its own stamps. Three parts, each about half a minute; skip any you cannot do. Each part gives the mean, the spread (SD) and the worst of its trials.

Press Start (or Return) to begin with the screen; Esc ends the check.</source>
        <translation>Kontrola počítače: co tento počítač přidává ke každé době, kterou na něm student změří.

Hodinami je vstup zvukové karty: slyší obrazovku přes fotodiodu, zvuk přes kabel z výstupu a myš přes mikrofon, a program porovná, co slyšel, se svými časovými značkami. Tři části, každá asi půl minuty; přeskočte ty, které nemůžete provést. Každá část uvádí průměr, rozptyl (SD) a nejhorší ze svých měření.

Stiskněte Start (nebo Enter) pro začátek obrazovkou; Esc kontrolu ukončí.</translation>
    </message>
    <message>
        <source>No input to record from: %1.
Plug a cable or a microphone into the sound card&apos;s input (line-in or microphone), make it the input in the sound settings, and start the check again.</source>
        <translation>Žádný vstup k nahrávání: %1.
Zapojte kabel nebo mikrofon do vstupu zvukové karty (linkového nebo mikrofonního), nastavte jej jako vstup v nastavení zvuku a spusťte kontrolu znovu.</translation>
    </message>
    <message>
        <source>

Clicks: %1 of %2</source>
        <translation>

Kliknutí: %1 z %2</translation>
    </message>
    <message>
        <source>Screen: a photodiode held on the flashing patch.
You need a BPW34 photodiode (or any small silicon photodiode, a few euros) soldered to a 3.5 mm plug. On a line-in: the diode&apos;s anode to the tip, its cathode (the marked side) to the sleeve. On a microphone input, which feeds a few volts through the tip: the cathode to the tip, the anode to the sleeve. Set the input volume to about half.
Tape the diode flat on the middle of the patch below, the screen at the brightness the students use, the room light as in class. Press Start: the patch flashes %1 times, once a second.</source>
        <translation>Obrazovka: fotodioda přiložená na blikající políčko.
Potřebujete fotodiodu BPW34 (nebo jakoukoli malou křemíkovou fotodiodu za pár eur) připájenou ke konektoru 3,5 mm. Na linkovém vstupu: anodu diody na hrot, katodu (označenou stranu) na objímku. Na mikrofonním vstupu, který přes hrot napájí několika volty: katodu na hrot, anodu na objímku. Nastavte hlasitost vstupu zhruba na polovinu.
Přilepte diodu naplocho doprostřed políčka níže, obrazovku s jasem, jaký používají studenti, osvětlení místnosti jako při výuce. Stiskněte Start: políčko %1krát blikne, jednou za sekundu.</translation>
    </message>
    <message>
        <source>Sound: the output looped to the input.
Plug a cable from the headphone socket into the line-in (or hold the headset&apos;s microphone at its speaker), the volume as in class. Press Start: %1 tones, one a second.</source>
        <translation>Zvuk: výstup propojený smyčkou se vstupem.
Zapojte kabel z konektoru sluchátek do linkového vstupu (nebo podržte mikrofon náhlavní soupravy u jejího reproduktoru), hlasitost jako při výuce. Stiskněte Start: %1 tónů, jeden za sekundu.</translation>
    </message>
    <message>
        <source>Mouse: each button&apos;s click, heard by a microphone next to the mouse.
Put the microphone within 5 cm of the mouse&apos;s buttons: sound travels about 0.03 ms a centimetre, so 5 cm add 0.15 ms to what is measured, 30 cm almost 1 ms. Keep the room quiet. Press Start, then click the left button %1 times in the grey square, about once a second. Each mouse you click is measured on its own.</source>
        <translation>Myš: kliknutí každého tlačítka, slyšené mikrofonem vedle myši.
Umístěte mikrofon do 5 cm od tlačítek myši: zvuk urazí centimetr asi za 0,03 ms, takže 5 cm přidá k naměřenému 0,15 ms, 30 cm téměř 1 ms. Zajistěte v místnosti ticho. Stiskněte Start a pak %1krát klikněte levým tlačítkem do šedého čtverce, zhruba jednou za sekundu. Každá myš, kterou klikáte, se měří zvlášť.</translation>
    </message>
    <message>
        <source>The machine check is done.

%1

Save keeps the result on this machine: the about box and the timing check show it, and it goes with the students&apos; files to the hand-in folder, where brevane-summary reads it.</source>
        <translation>Kontrola počítače je hotova.

%1

Uložit ponechá výsledek na tomto počítači: zobrazí jej okno O programu a kontrola časování a spolu se soubory studentů jde do složky odevzdání, kde jej čte brevane-summary.</translation>
    </message>
    <message>
        <source>%1: skipped</source>
        <translation>%1: přeskočeno</translation>
    </message>
    <message>
        <source>

Measuring...</source>
        <translation>

Měření...</translation>
    </message>
    <message>
        <source>

Flashes: %1 of %2</source>
        <translation>

Záblesky: %1 z %2</translation>
    </message>
    <message>
        <source>

Tones: %1 of %2</source>
        <translation>

Tóny: %1 z %2</translation>
    </message>
    <message>
        <source>%1: mean %2 ms, SD %3 ms, worst %4 ms over %5 of %6 trials</source>
        <translation>%1: průměr %2 ms, SD %3 ms, nejhorší %4 ms v %5 z %6 měření</translation>
    </message>
    <message>
        <source>%1: refused: %2</source>
        <translation>%1: odmítnuto: %2</translation>
    </message>
    <message>
        <source>&amp;Finish</source>
        <translation>&amp;Dokončit</translation>
    </message>
    <message>
        <source>&amp;Next part</source>
        <translation>Da&amp;lší část</translation>
    </message>
    <message>
        <source>

Press %1 (Return) to go on.</source>
        <translation>

Stiskněte %1 (Enter) pro pokračování.</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Dokončit</translation>
    </message>
    <message>
        <source>Next part</source>
        <translation>Další část</translation>
    </message>
    <message>
        <source>Saved to %1.
For every user of this machine, copy it to /etc/xdg/Brevane/machine-check.txt (as root). Esc ends the check.</source>
        <translation>Uloženo do %1.
Pro všechny uživatele tohoto počítače jej zkopírujte do /etc/xdg/Brevane/machine-check.txt (jako root). Esc kontrolu ukončí.</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <translation>Nelze uložit %1: %2</translation>
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
        <translation>Doby</translation>
    </message>
    <message>
        <source>Set %1</source>
        <translation>Sada %1</translation>
    </message>
</context>
<context>
    <name>brevane::TimingCheckWindow</name>
    <message>
        <source>Brevane Timing Check</source>
        <translation>Brevane – kontrola časování</translation>
    </message>
    <message>
        <source>Flashing patch</source>
        <translation>Blikající políčko</translation>
    </message>
    <message>
        <source>Timing readout</source>
        <translation>Údaje časování</translation>
    </message>
    <message>
        <source>Frames: measuring...</source>
        <translation>Snímky: měření...</translation>
    </message>
    <message>
        <source>Frames stamped at %L1 Hz (one every %L2 ms)
Frame time jitter: SD %L3 ms, worst %L4 ms, %5 late of the last %6</source>
        <translation>Snímky s časovou značkou při %L1 Hz (jeden každých %L2 ms)
Rozptyl doby snímku: SD %L3 ms, nejhorší %L4 ms, opožděných %5 z posledních %6</translation>
    </message>
    <message>
        <source>
Times may be one frame long: see the guide</source>
        <translation>
Doby mohou být o jeden snímek delší: viz příručka</translation>
    </message>
    <message>
        <source>Timing check: Esc or a click ends it
Refresh reported by the screen: %L1 Hz; the monitor&apos;s mode: %2
%3
Stamp sources: display %4, input %5, sound %6
Compositor: %7; stimulus stamps: %8%9
The patch turns every %10 frames (frame %11)
%12</source>
        <translation>Kontrola časování: ukončí Esc nebo kliknutí
Obnovovací frekvence hlášená obrazovkou: %L1 Hz; režim monitoru: %2
%3
Zdroje časových značek: displej %4, vstup %5, zvuk %6
Kompozitor: %7; časové značky podnětů: %8%9
Políčko se mění každých %10 snímků (snímek %11)
%12</translation>
    </message>
</context>
<context>
    <name>brevane::frmAbout</name>
    <message>
        <source>Release %1</source>
        <translation>Vydání %1</translation>
    </message>
    <message>
        <source>Configuration: %1</source>
        <translation>Konfigurace: %1</translation>
    </message>
</context>
<context>
    <name>brevane::frmColorSelect</name>
    <message>
        <source>Black</source>
        <translation>Černá</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Modrá</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Zelená</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Azurová</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Červená</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Purpurová</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Žlutá</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Bílá</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Šedá</translation>
    </message>
    <message>
        <source>Light Blue</source>
        <translation>Světle modrá</translation>
    </message>
    <message>
        <source>Light Green</source>
        <translation>Světle zelená</translation>
    </message>
    <message>
        <source>Light Cyan</source>
        <translation>Světle azurová</translation>
    </message>
    <message>
        <source>Light Red</source>
        <translation>Světle červená</translation>
    </message>
    <message>
        <source>Light Magenta</source>
        <translation>Světle purpurová</translation>
    </message>
    <message>
        <source>Light Yellow</source>
        <translation>Světle žlutá</translation>
    </message>
    <message>
        <source>Bright White</source>
        <translation>Jasně bílá</translation>
    </message>
</context>
<context>
    <name>brevane::frmMain</name>
    <message>
        <source>Version %1</source>
        <translation>Verze %1</translation>
    </message>
</context>
<context>
    <name>brevane::summary::ClassChartWindow</name>
    <message>
        <source>Class reaction times</source>
        <translation>Reakční doby třídy</translation>
    </message>
    <message>
        <source>Handed in</source>
        <translation>Odevzdáno</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About Brevane</source>
        <translation>O programu Brevane</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logo</translation>
    </message>
    <message>
        <source>Simple vs Complex Stimulus Reaction Timing</source>
        <translation>Měření reakční doby na jednoduchý a složený podnět</translation>
    </message>
    <message>
        <source>Orv Brevane 2</source>
        <translation>Orv Brevane 2</translation>
    </message>
    <message>
        <source>For Linux with X11 and Wayland</source>
        <translation>Pro Linux s X11 a Waylandem</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Časovač</translation>
    </message>
    <message>
        <source>Reaction timing for student laboratory courses</source>
        <translation>Měření reakční doby pro laboratorní cvičení studentů</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Zvuk</translation>
    </message>
    <message>
        <source>Your files are kept in:</source>
        <translation>Vaše soubory se ukládají do:</translation>
    </message>
    <message>
        <source>Language: English</source>
        <comment>The language this translation is: translators name their own language, in it</comment>
        <translation>Jazyk: čeština</translation>
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
        <translation>Nastavení Brevane</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>Jednoduchý</translation>
    </message>
    <message>
        <source>Simple Single Choice Settings</source>
        <translation>Nastavení jednoduchého testu</translation>
    </message>
    <message>
        <source>Runs Per Set</source>
        <translation>Pokusů v sadě</translation>
    </message>
    <message>
        <source>Trigger On</source>
        <translation>Podnět</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Zvuk</translation>
    </message>
    <message>
        <source>Visual</source>
        <translation>Zrak</translation>
    </message>
    <message>
        <source>Trigger Color</source>
        <translation>Barva podnětu</translation>
    </message>
    <message>
        <source>Color of the visual stimulus: click to choose another</source>
        <translation>Barva zrakového podnětu: klikněte pro výběr jiné</translation>
    </message>
    <message>
        <source>Interval Timing</source>
        <translation>Časování intervalu</translation>
    </message>
    <message>
        <source>Random Interval</source>
        <translation>Náhodný interval</translation>
    </message>
    <message>
        <source>Fixed Interval</source>
        <translation>Pevný interval</translation>
    </message>
    <message>
        <source>Fixed Time Interval</source>
        <translation>Pevný časový interval</translation>
    </message>
    <message>
        <source>Minimum Time Interval</source>
        <translation>Minimální časový interval</translation>
    </message>
    <message>
        <source>Color/Audio</source>
        <translation>Barva/zvuk</translation>
    </message>
    <message>
        <source>Complex Choice Color/Audio Settings</source>
        <translation>Nastavení testu s volbou: barva/zvuk</translation>
    </message>
    <message>
        <source>Display Time</source>
        <translation>Doba zobrazení</translation>
    </message>
    <message>
        <source>Color and Audio</source>
        <translation>Barva a zvuk</translation>
    </message>
    <message>
        <source>Color no Audio</source>
        <translation>Barva bez zvuku</translation>
    </message>
    <message>
        <source>Make Sound</source>
        <translation>Přehrát zvuk</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ano</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ne</translation>
    </message>
    <message>
        <source>Elements</source>
        <translation>Prvky</translation>
    </message>
    <message>
        <source>Elements in Set</source>
        <translation>Prvků v sadě</translation>
    </message>
    <message>
        <source>Trigger Element</source>
        <translation>Cílový prvek</translation>
    </message>
    <message>
        <source>Trigger Element Color</source>
        <translation>Barva cílového prvku</translation>
    </message>
    <message>
        <source>Color of the trigger element: click to choose another</source>
        <translation>Barva cílového prvku: klikněte pro výběr jiné</translation>
    </message>
    <message>
        <source>Element</source>
        <translation>Prvek</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Barva</translation>
    </message>
    <message>
        <source>Choose the color of this element</source>
        <translation>Zvolte barvu tohoto prvku</translation>
    </message>
    <message>
        <source>Element Colors</source>
        <translation>Barvy prvků</translation>
    </message>
    <message>
        <source>Element 1 Color</source>
        <translation>Barva prvku 1</translation>
    </message>
    <message>
        <source>Color of element 1: click to choose another (grey: not in use)</source>
        <translation>Barva prvku 1: klikněte pro výběr jiné (šedá: nepoužito)</translation>
    </message>
    <message>
        <source>Element 2 Color</source>
        <translation>Barva prvku 2</translation>
    </message>
    <message>
        <source>Color of element 2: click to choose another (grey: not in use)</source>
        <translation>Barva prvku 2: klikněte pro výběr jiné (šedá: nepoužito)</translation>
    </message>
    <message>
        <source>Element 3 Color</source>
        <translation>Barva prvku 3</translation>
    </message>
    <message>
        <source>Color of element 3: click to choose another (grey: not in use)</source>
        <translation>Barva prvku 3: klikněte pro výběr jiné (šedá: nepoužito)</translation>
    </message>
    <message>
        <source>Element 4 Color</source>
        <translation>Barva prvku 4</translation>
    </message>
    <message>
        <source>Color of element 4: click to choose another (grey: not in use)</source>
        <translation>Barva prvku 4: klikněte pro výběr jiné (šedá: nepoužito)</translation>
    </message>
    <message>
        <source>Element 5 Color</source>
        <translation>Barva prvku 5</translation>
    </message>
    <message>
        <source>Color of element 5: click to choose another (grey: not in use)</source>
        <translation>Barva prvku 5: klikněte pro výběr jiné (šedá: nepoužito)</translation>
    </message>
    <message>
        <source>Element 6 Color</source>
        <translation>Barva prvku 6</translation>
    </message>
    <message>
        <source>Color of element 6: click to choose another (grey: not in use)</source>
        <translation>Barva prvku 6: klikněte pro výběr jiné (šedá: nepoužito)</translation>
    </message>
    <message>
        <source>Element 7 Color</source>
        <translation>Barva prvku 7</translation>
    </message>
    <message>
        <source>Color of element 7: click to choose another (grey: not in use)</source>
        <translation>Barva prvku 7: klikněte pro výběr jiné (šedá: nepoužito)</translation>
    </message>
    <message>
        <source>Element 8 Color</source>
        <translation>Barva prvku 8</translation>
    </message>
    <message>
        <source>Color of element 8: click to choose another (grey: not in use)</source>
        <translation>Barva prvku 8: klikněte pro výběr jiné (šedá: nepoužito)</translation>
    </message>
    <message>
        <source>Element 9 Color</source>
        <translation>Barva prvku 9</translation>
    </message>
    <message>
        <source>Color of element 9: click to choose another (grey: not in use)</source>
        <translation>Barva prvku 9: klikněte pro výběr jiné (šedá: nepoužito)</translation>
    </message>
    <message>
        <source>Element 10 Color</source>
        <translation>Barva prvku 10</translation>
    </message>
    <message>
        <source>Color of element 10: click to choose another (grey: not in use)</source>
        <translation>Barva prvku 10: klikněte pro výběr jiné (šedá: nepoužito)</translation>
    </message>
    <message>
        <source>Num/Audio</source>
        <translation>Číslo/zvuk</translation>
    </message>
    <message>
        <source>Complex Choice Numbers/Audio Settings</source>
        <translation>Nastavení testu s volbou: čísla/zvuk</translation>
    </message>
    <message>
        <source>Number and Audio</source>
        <translation>Číslo a zvuk</translation>
    </message>
    <message>
        <source>Number no Audio</source>
        <translation>Číslo bez zvuku</translation>
    </message>
    <message>
        <source>Trigger Number</source>
        <translation>Cílové číslo</translation>
    </message>
    <message>
        <source>The number of the trigger element</source>
        <translation>Číslo cílového prvku</translation>
    </message>
    <message>
        <source>Element Number</source>
        <translation>Číslo prvku</translation>
    </message>
    <message>
        <source>The number of this element (0 to 99)</source>
        <translation>Číslo tohoto prvku (0 až 99)</translation>
    </message>
    <message>
        <source>Element Numbers</source>
        <translation>Čísla prvků</translation>
    </message>
    <message>
        <source>Element 1 Number</source>
        <translation>Číslo prvku 1</translation>
    </message>
    <message>
        <source>Element 2 Number</source>
        <translation>Číslo prvku 2</translation>
    </message>
    <message>
        <source>Element 3 Number</source>
        <translation>Číslo prvku 3</translation>
    </message>
    <message>
        <source>Element 4 Number</source>
        <translation>Číslo prvku 4</translation>
    </message>
    <message>
        <source>Element 5 Number</source>
        <translation>Číslo prvku 5</translation>
    </message>
    <message>
        <source>Element 6 Number</source>
        <translation>Číslo prvku 6</translation>
    </message>
    <message>
        <source>Element 7 Number</source>
        <translation>Číslo prvku 7</translation>
    </message>
    <message>
        <source>Element 8 Number</source>
        <translation>Číslo prvku 8</translation>
    </message>
    <message>
        <source>Element 9 Number</source>
        <translation>Číslo prvku 9</translation>
    </message>
    <message>
        <source>Element 10 Number</source>
        <translation>Číslo prvku 10</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Hlasitost</translation>
    </message>
    <message>
        <source>Master volume of the speakers</source>
        <translation>Hlavní hlasitost reproduktorů</translation>
    </message>
    <message>
        <source>Volume Setting</source>
        <translation>Nastavení hlasitosti</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Zrušit</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Vrátit</translation>
    </message>
    <message>
        <source>Back to the configuration loaded at start-up</source>
        <translation>Zpět ke konfiguraci načtené při spuštění</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Načíst</translation>
    </message>
    <message>
        <source>Load a configuration file</source>
        <translation>Načíst konfigurační soubor</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Uložit</translation>
    </message>
    <message>
        <source>Save the configuration to a file</source>
        <translation>Uložit konfiguraci do souboru</translation>
    </message>
</context>
<context>
    <name>frmChoiceReflexDisplay</name>
    <message>
        <source>Complex Choice Color/Audio Stimulus Module Data Display</source>
        <translation>Výsledky modulu podnětů s volbou: barva/zvuk</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logo</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Verze</translation>
    </message>
    <message>
        <source>Set 1</source>
        <translation>Sada 1</translation>
    </message>
    <message>
        <source>Run Data</source>
        <translation>Data pokusů</translation>
    </message>
    <message>
        <source>Run 1</source>
        <translation>Pokus 1</translation>
    </message>
    <message>
        <source>Run 2</source>
        <translation>Pokus 2</translation>
    </message>
    <message>
        <source>Run 3</source>
        <translation>Pokus 3</translation>
    </message>
    <message>
        <source>Run 4</source>
        <translation>Pokus 4</translation>
    </message>
    <message>
        <source>Run 5</source>
        <translation>Pokus 5</translation>
    </message>
    <message>
        <source>Run 6</source>
        <translation>Pokus 6</translation>
    </message>
    <message>
        <source>Run 7</source>
        <translation>Pokus 7</translation>
    </message>
    <message>
        <source>Run 8</source>
        <translation>Pokus 8</translation>
    </message>
    <message>
        <source>Run 9</source>
        <translation>Pokus 9</translation>
    </message>
    <message>
        <source>Run 10</source>
        <translation>Pokus 10</translation>
    </message>
    <message>
        <source>Run Statistics</source>
        <translation>Statistika pokusů</translation>
    </message>
    <message>
        <source>Fast Time</source>
        <translation>Nejrychlejší</translation>
    </message>
    <message>
        <source>Slow Time</source>
        <translation>Nejpomalejší</translation>
    </message>
    <message>
        <source>Average Time</source>
        <translation>Průměrná doba</translation>
    </message>
    <message>
        <source>Outcomes</source>
        <translation>Odpovědi</translation>
    </message>
    <message>
        <source>Correct Hits</source>
        <translation>Správné zásahy</translation>
    </message>
    <message>
        <source>Correct Misses</source>
        <translation>Správná vynechání</translation>
    </message>
    <message>
        <source>InCorrect Hits</source>
        <translation>Chybné zásahy</translation>
    </message>
    <message>
        <source>Missed Hits</source>
        <translation>Zmeškané zásahy</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Komentáře</translation>
    </message>
    <message>
        <source>Set 2</source>
        <translation>Sada 2</translation>
    </message>
    <message>
        <source>Set 3</source>
        <translation>Sada 3</translation>
    </message>
    <message>
        <source>Set 4</source>
        <translation>Sada 4</translation>
    </message>
    <message>
        <source>Set 5</source>
        <translation>Sada 5</translation>
    </message>
    <message>
        <source>Set 6</source>
        <translation>Sada 6</translation>
    </message>
    <message>
        <source>Set 7</source>
        <translation>Sada 7</translation>
    </message>
    <message>
        <source>Set 8</source>
        <translation>Sada 8</translation>
    </message>
    <message>
        <source>Set 9</source>
        <translation>Sada 9</translation>
    </message>
    <message>
        <source>Set 10</source>
        <translation>Sada 10</translation>
    </message>
    <message>
        <source>Fastest Times</source>
        <translation>Nejrychlejší doby</translation>
    </message>
    <message>
        <source>Set Data For Fastest Times</source>
        <translation>Data sad: nejrychlejší doby</translation>
    </message>
    <message>
        <source>Slowest Times</source>
        <translation>Nejpomalejší doby</translation>
    </message>
    <message>
        <source>Set Data For Slowest Times</source>
        <translation>Data sad: nejpomalejší doby</translation>
    </message>
    <message>
        <source>Average Times</source>
        <translation>Průměrné doby</translation>
    </message>
    <message>
        <source>Set Data For Average Times</source>
        <translation>Data sad: průměrné doby</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Tisk</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Načíst</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Uložit</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportovat</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Vymazat vše</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hotovo</translation>
    </message>
</context>
<context>
    <name>frmColorReflex</name>
    <message>
        <source>Complex Choice Color/Audio Stimulus Module</source>
        <translation>Modul podnětů s volbou: barva/zvuk</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logo</translation>
    </message>
    <message>
        <source>Complex Choice Color/Audio Stimulus</source>
        <translation>Podněty s volbou: barva/zvuk</translation>
    </message>
    <message>
        <source>Trigger On</source>
        <translation>Podnět</translation>
    </message>
    <message>
        <source>Trigger Element</source>
        <translation>Cílový prvek</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Zvuk</translation>
    </message>
    <message>
        <source>Press Here</source>
        <translation>Klikněte sem</translation>
    </message>
    <message>
        <source>Element Display</source>
        <translation>Zobrazení prvků</translation>
    </message>
    <message>
        <source>Set Indicator</source>
        <translation>Ukazatel sady</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Doba</translation>
    </message>
    <message>
        <source>Previous Time</source>
        <translation>Předchozí doba</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Rozdíl</translation>
    </message>
    <message>
        <source>Average Time</source>
        <translation>Průměrná doba</translation>
    </message>
    <message>
        <source>Run Count</source>
        <translation>Počet pokusů</translation>
    </message>
    <message>
        <source>Correct Hits</source>
        <translation>Správné zásahy</translation>
    </message>
    <message>
        <source>Incorrect Hits</source>
        <translation>Chybné zásahy</translation>
    </message>
    <message>
        <source>Correct Misses</source>
        <translation>Správná vynechání</translation>
    </message>
    <message>
        <source>Missed Hits</source>
        <translation>Zmeškané zásahy</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Popis</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Možnosti</translation>
    </message>
    <message>
        <source>Clear Set</source>
        <translation>Vymazat sadu</translation>
    </message>
    <message>
        <source>Next Set</source>
        <translation>Další</translation>
    </message>
    <message>
        <source>Prev Set</source>
        <translation>Předchozí</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Výsledky</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hotovo</translation>
    </message>
</context>
<context>
    <name>frmColorSelect</name>
    <message>
        <source>Color Selection</source>
        <translation>Výběr barvy</translation>
    </message>
    <message>
        <source>Current Color:</source>
        <translation>Současná barva:</translation>
    </message>
    <message>
        <source>Current Color</source>
        <translation>Současná barva</translation>
    </message>
    <message>
        <source>Color Selected:</source>
        <translation>Vybraná barva:</translation>
    </message>
    <message>
        <source>Color Selected</source>
        <translation>Vybraná barva</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>&amp;Vybrat</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Zrušit</translation>
    </message>
</context>
<context>
    <name>frmDisplay</name>
    <message>
        <source>Simple Choice Stimulus Module Data Display</source>
        <translation>Výsledky modulu jednoduchého podnětu</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logo</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Verze</translation>
    </message>
    <message>
        <source>Set 1</source>
        <translation>Sada 1</translation>
    </message>
    <message>
        <source>Run Data</source>
        <translation>Data pokusů</translation>
    </message>
    <message>
        <source>Run 1</source>
        <translation>Pokus 1</translation>
    </message>
    <message>
        <source>Run 2</source>
        <translation>Pokus 2</translation>
    </message>
    <message>
        <source>Run 3</source>
        <translation>Pokus 3</translation>
    </message>
    <message>
        <source>Run 4</source>
        <translation>Pokus 4</translation>
    </message>
    <message>
        <source>Run 5</source>
        <translation>Pokus 5</translation>
    </message>
    <message>
        <source>Run 6</source>
        <translation>Pokus 6</translation>
    </message>
    <message>
        <source>Run 7</source>
        <translation>Pokus 7</translation>
    </message>
    <message>
        <source>Run 8</source>
        <translation>Pokus 8</translation>
    </message>
    <message>
        <source>Run 9</source>
        <translation>Pokus 9</translation>
    </message>
    <message>
        <source>Run 10</source>
        <translation>Pokus 10</translation>
    </message>
    <message>
        <source>Run Statistics</source>
        <translation>Statistika pokusů</translation>
    </message>
    <message>
        <source>Fast Time</source>
        <translation>Nejrychlejší</translation>
    </message>
    <message>
        <source>Slow Time</source>
        <translation>Nejpomalejší</translation>
    </message>
    <message>
        <source>Average Time</source>
        <translation>Průměrná doba</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Komentáře</translation>
    </message>
    <message>
        <source>Set 2</source>
        <translation>Sada 2</translation>
    </message>
    <message>
        <source>Set 3</source>
        <translation>Sada 3</translation>
    </message>
    <message>
        <source>Set 4</source>
        <translation>Sada 4</translation>
    </message>
    <message>
        <source>Set 5</source>
        <translation>Sada 5</translation>
    </message>
    <message>
        <source>Set 6</source>
        <translation>Sada 6</translation>
    </message>
    <message>
        <source>Set 7</source>
        <translation>Sada 7</translation>
    </message>
    <message>
        <source>Set 8</source>
        <translation>Sada 8</translation>
    </message>
    <message>
        <source>Set 9</source>
        <translation>Sada 9</translation>
    </message>
    <message>
        <source>Set 10</source>
        <translation>Sada 10</translation>
    </message>
    <message>
        <source>Fastest Times</source>
        <translation>Nejrychlejší doby</translation>
    </message>
    <message>
        <source>Set Data For Fastest Times</source>
        <translation>Data sad: nejrychlejší doby</translation>
    </message>
    <message>
        <source>Slowest Times</source>
        <translation>Nejpomalejší doby</translation>
    </message>
    <message>
        <source>Set Data For Slowest Times</source>
        <translation>Data sad: nejpomalejší doby</translation>
    </message>
    <message>
        <source>Average Times</source>
        <translation>Průměrné doby</translation>
    </message>
    <message>
        <source>Set Data For Average Times</source>
        <translation>Data sad: průměrné doby</translation>
    </message>
    <message>
        <source>All Data</source>
        <translation>Všechna data</translation>
    </message>
    <message>
        <source>Data Only Displayed On The Graph</source>
        <translation>Jen data zobrazená v grafu</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Tisk</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Načíst</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Uložit</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportovat</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Vymazat vše</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hotovo</translation>
    </message>
</context>
<context>
    <name>frmLoadDisplay</name>
    <message>
        <source>Loading</source>
        <translation>Načítání</translation>
    </message>
    <message>
        <source>Loading Display Please Wait...</source>
        <translation>Načítání výsledků, čekejte prosím...</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Simple vs Complex Stimulus Reaction Timing</source>
        <translation>Měření reakční doby na jednoduchý a složený podnět</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>Jednoduchý</translation>
    </message>
    <message>
        <source>Simple Single Stimulus Module</source>
        <translation>Modul jednoduchého podnětu</translation>
    </message>
    <message>
        <source>Color/Audio</source>
        <translation>Barva/zvuk</translation>
    </message>
    <message>
        <source>Complex Color/Audio Stimulus Module</source>
        <translation>Modul složených podnětů: barva/zvuk</translation>
    </message>
    <message>
        <source>Num/Audio</source>
        <translation>Číslo/zvuk</translation>
    </message>
    <message>
        <source>Complex Number/Audio Stimulus Module</source>
        <translation>Modul složených podnětů: číslo/zvuk</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Možnosti</translation>
    </message>
    <message>
        <source>Edit Brev Settings</source>
        <translation>Upravit nastavení Brevane</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>Vymazat data</translation>
    </message>
    <message>
        <source>Clear All Data Sets</source>
        <translation>Vymazat všechny sady dat</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>Obnovit</translation>
    </message>
    <message>
        <source>Recover Data after a system crash</source>
        <translation>Obnovit data po pádu systému</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O programu</translation>
    </message>
    <message>
        <source>Display About box</source>
        <translation>Zobrazit okno O programu</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Konec</translation>
    </message>
    <message>
        <source>Quit Brev</source>
        <translation>Ukončit Brevane</translation>
    </message>
    <message>
        <source>Are you sure you want to DELETE ALL DATA ?</source>
        <translation>Opravdu chcete SMAZAT VŠECHNA DATA?</translation>
    </message>
    <message>
        <source>Delete All Data</source>
        <translation>Smazat všechna data</translation>
    </message>
    <message>
        <source>Are you sure you want to exit?</source>
        <translation>Opravdu chcete skončit?</translation>
    </message>
    <message>
        <source>Data NOT saved!<byte value="xd"/></source>
        <translation>Data NEJSOU uložena!<byte value="xd"/></translation>
    </message>
    <message>
        <source>Exit Orv Brevane 2</source>
        <translation>Ukončit Orv Brevane 2</translation>
    </message>
</context>
<context>
    <name>frmNumberReflex</name>
    <message>
        <source>Complex Choice Number/Audio Stimulus Module</source>
        <translation>Modul podnětů s volbou: číslo/zvuk</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logo</translation>
    </message>
    <message>
        <source>Complex Choice Number/Audio Stimulus</source>
        <translation>Podněty s volbou: číslo/zvuk</translation>
    </message>
    <message>
        <source>Trigger On</source>
        <translation>Podnět</translation>
    </message>
    <message>
        <source>Trigger Element</source>
        <translation>Cílový prvek</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Zvuk</translation>
    </message>
    <message>
        <source>Press Here</source>
        <translation>Klikněte sem</translation>
    </message>
    <message>
        <source>Element Display</source>
        <translation>Zobrazení prvků</translation>
    </message>
    <message>
        <source>Set Indicator</source>
        <translation>Ukazatel sady</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Doba</translation>
    </message>
    <message>
        <source>Previous Time</source>
        <translation>Předchozí doba</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Rozdíl</translation>
    </message>
    <message>
        <source>Average Time</source>
        <translation>Průměrná doba</translation>
    </message>
    <message>
        <source>Run Count</source>
        <translation>Počet pokusů</translation>
    </message>
    <message>
        <source>Correct Hits</source>
        <translation>Správné zásahy</translation>
    </message>
    <message>
        <source>Incorrect Hits</source>
        <translation>Chybné zásahy</translation>
    </message>
    <message>
        <source>Correct Misses</source>
        <translation>Správná vynechání</translation>
    </message>
    <message>
        <source>Missed Hits</source>
        <translation>Zmeškané zásahy</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Popis</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Možnosti</translation>
    </message>
    <message>
        <source>Clear Set</source>
        <translation>Vymazat sadu</translation>
    </message>
    <message>
        <source>Next Set</source>
        <translation>Další</translation>
    </message>
    <message>
        <source>Prev Set</source>
        <translation>Předchozí</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Výsledky</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hotovo</translation>
    </message>
</context>
<context>
    <name>frmPrint</name>
    <message>
        <source>Print Data</source>
        <translation>Tisk dat</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Název:</translation>
    </message>
    <message>
        <source>Select Sets To Print</source>
        <translation>Vyberte sady k tisku</translation>
    </message>
    <message>
        <source>Set 1</source>
        <translation>Sada 1</translation>
    </message>
    <message>
        <source>Set 2</source>
        <translation>Sada 2</translation>
    </message>
    <message>
        <source>Set 3</source>
        <translation>Sada 3</translation>
    </message>
    <message>
        <source>Set 4</source>
        <translation>Sada 4</translation>
    </message>
    <message>
        <source>Set 5</source>
        <translation>Sada 5</translation>
    </message>
    <message>
        <source>Set 6</source>
        <translation>Sada 6</translation>
    </message>
    <message>
        <source>Set 7</source>
        <translation>Sada 7</translation>
    </message>
    <message>
        <source>Set 8</source>
        <translation>Sada 8</translation>
    </message>
    <message>
        <source>Set 9</source>
        <translation>Sada 9</translation>
    </message>
    <message>
        <source>Set 10</source>
        <translation>Sada 10</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Vybrat vše</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Nastavení</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>UnSelectAll</source>
        <translation>Zrušit výběr</translation>
    </message>
    <message>
        <source>SelectAll</source>
        <translation>Vybrat vše</translation>
    </message>
    <message>
        <source>You must select atleast ONE set to Print</source>
        <translation>Musíte vybrat alespoň JEDNU sadu k tisku</translation>
    </message>
    <message>
        <source>Printing Error</source>
        <translation>Chyba tisku</translation>
    </message>
</context>
<context>
    <name>frmReflex</name>
    <message>
        <source>Simple Choice Stimulus Module</source>
        <translation>Modul jednoduchého podnětu</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logo</translation>
    </message>
    <message>
        <source>Simple Choice Stimulus</source>
        <translation>Jednoduchý podnět</translation>
    </message>
    <message>
        <source>           Visual Trigger</source>
        <translation>           Zrakový podnět</translation>
    </message>
    <message>
        <source>Press Here</source>
        <translation>Klikněte sem</translation>
    </message>
    <message>
        <source>Stimulus</source>
        <translation>Podnět</translation>
    </message>
    <message>
        <source>Speaker</source>
        <translation>Reproduktor</translation>
    </message>
    <message>
        <source>Set Indicator</source>
        <translation>Ukazatel sady</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Sada</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Popis</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Doba</translation>
    </message>
    <message>
        <source>Previous Time</source>
        <translation>Předchozí doba</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Rozdíl</translation>
    </message>
    <message>
        <source>Average Time</source>
        <translation>Průměrná doba</translation>
    </message>
    <message>
        <source>Run Count</source>
        <translation>Počet pokusů</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Možnosti</translation>
    </message>
    <message>
        <source>Clear Set</source>
        <translation>Vymazat sadu</translation>
    </message>
    <message>
        <source>Next Set</source>
        <translation>Další</translation>
    </message>
    <message>
        <source>Prev Set</source>
        <translation>Předchozí</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Výsledky</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hotovo</translation>
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
        <translation>Měření reakční doby na jednoduchý a složený podnět</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stav</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Průběh</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>there is no translation for &quot;%1&quot;; the program is shown in English</source>
        <translation>pro „%1“ neexistuje překlad; program se zobrazí anglicky</translation>
    </message>
</context>
<context>
    <name>summary</name>
    <message>
        <source>The class summary of reaction-time files (recover.dat, .nrm and .col files, or folders of them):
sets.csv, students.csv, class.csv, class-notes.txt, class-chart.pdf and class-chart.png.</source>
        <translation>Souhrn třídy ze souborů reakčních dob (recover.dat, soubory .nrm a .col nebo jejich složky):
sets.csv, students.csv, class.csv, class-notes.txt, class-chart.pdf a class-chart.png.</translation>
    </message>
    <message>
        <source>Write into &lt;folder&gt; (default: the current folder).</source>
        <translation>Zapisovat do &lt;složka&gt; (výchozí: aktuální složka).</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>složka</translation>
    </message>
    <message>
        <source>The .col files are the colour test&apos;s.</source>
        <translation>Soubory .col jsou z testu barev.</translation>
    </message>
    <message>
        <source>The .col files are the number test&apos;s.</source>
        <translation>Soubory .col jsou z testu čísel.</translation>
    </message>
    <message>
        <source>Name each student after their folder or their files&apos; names.</source>
        <translation>Pojmenovat každého studenta podle jeho složky nebo názvů jeho souborů.</translation>
    </message>
    <message>
        <source>Start each CSV file with a UTF-8 mark.</source>
        <translation>Začínat každý soubor CSV značkou UTF-8.</translation>
    </message>
    <message>
        <source>Write again whenever a file changes, until stopped.</source>
        <translation>Zapisovat znovu při každé změně souboru, dokud není zastaveno.</translation>
    </message>
    <message>
        <source>As --watch, with the chart in a window.</source>
        <translation>Jako --watch, s grafem v okně.</translation>
    </message>
    <message>
        <source>Data files and folders.</source>
        <translation>Datové soubory a složky.</translation>
    </message>
    <message>
        <source>path...</source>
        <translation>cesta...</translation>
    </message>
    <message>
        <source>--colour and --number exclude each other: summarise each test&apos;s .col files apart</source>
        <translation>--colour a --number se navzájem vylučují: shrňte soubory .col každého testu zvlášť</translation>
    </message>
    <message>
        <source>--student-from takes folder or name, not %1</source>
        <translation>--student-from přijímá folder nebo name, ne %1</translation>
    </message>
    <message>
        <source>no file could be read; nothing written</source>
        <translation>žádný soubor nebylo možné načíst; nic nezapsáno</translation>
    </message>
    <message>
        <source>Count a folder&apos;s files as its owners handed them in (yes), or by their names (no); by default the owners decide in a hand-in folder, one that others may enter but not list.</source>
        <translation>Počítat soubory složky jako odevzdané jejich vlastníky (yes), nebo podle jejich názvů (no); ve výchozím stavu ve složce odevzdání, do níž mohou ostatní vstoupit, ale nemohou ji vypsat, rozhodují vlastníci.</translation>
    </message>
    <message>
        <source>Say whether the hand-in folder &lt;folder&gt; is set up as one of the guide&apos;s recipes, and what is wrong; nothing is summarised.</source>
        <translation>Uvést, zda je složka odevzdání &lt;složka&gt; zřízena podle jednoho z návodů příručky a co je špatně; nic se neshrnuje.</translation>
    </message>
    <message>
        <source>--owners takes yes or no, not %1</source>
        <translation>--owners přijímá yes nebo no, ne %1</translation>
    </message>
</context>
</TS>
