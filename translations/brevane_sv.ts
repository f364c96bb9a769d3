<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv_SE">
<context>
    <name>ClassChart</name>
    <message>
        <source>Class reaction times: simple against choice</source>
        <translation>Klassens reaktionstider: enkel reaktion mot valreaktion</translation>
    </message>
    <message>
        <source>One dot for each student&apos;s mean reaction time (%1): the mean of their set means, in whole ms as stored. Box: lower to upper quartile; thick line: median; whiskers: the furthest means within 1.5 box lengths.</source>
        <translation>En punkt för varje students medelreaktionstid (%1): medelvärdet av omgångarnas medelvärden, i hela ms som de sparats. Låda: nedre till övre kvartil; tjock linje: median; morrhår: de mest avlägsna medelvärdena inom 1,5 lådlängder.</translation>
    </message>
    <message numerus="yes">
        <source>%n student(s)</source>
        <translation>
            <numerusform>%n student</numerusform>
            <numerusform>%n studenter</numerusform>
        </translation>
    </message>
    <message>
        <source>No reaction times in the files read</source>
        <translation>Inga reaktionstider i de lästa filerna</translation>
    </message>
    <message>
        <source>n = %1, mean %2 ms</source>
        <translation>n = %1, medelvärde %2 ms</translation>
    </message>
    <message>
        <source>%1 − simple: %2 ms (95 % CI %3 to %4, %5 students)</source>
        <translation>%1 − enkel: %2 ms (95 % KI %3 till %4, %5 studenter)</translation>
    </message>
    <message>
        <source>Class reaction times</source>
        <translation>Klassens reaktionstider</translation>
    </message>
    <message>
        <source>Bars beside each box: every run that counts (%1 runs; class-notes.txt says which), as shares of the test&apos;s runs in bins of %2 ms.</source>
        <translation>Staplar bredvid varje låda: varje försök som räknas (%1 försök; class-notes.txt anger vilka), som andelar av testets försök i klasser om %2 ms.</translation>
    </message>
    <message>
        <source>reaction time (ms)</source>
        <translation>reaktionstid (ms)</translation>
    </message>
</context>
<context>
    <name>ClassFiles</name>
    <message>
        <source>not a recover.dat, .nrm or .col file</source>
        <translation>inte en recover.dat-, .nrm- eller .col-fil</translation>
    </message>
    <message>
        <source>left out %1: a shared account&apos;s recover.dat holds whoever ran last</source>
        <translation>utelämnade %1: ett delat kontos recover.dat innehåller den som körde sist</translation>
    </message>
    <message>
        <source>a named pipe (FIFO), not read</source>
        <translation>en namngiven pipe (FIFO), inte läst</translation>
    </message>
    <message>
        <source>a socket, not read</source>
        <translation>en socket, inte läst</translation>
    </message>
    <message>
        <source>a device, not read</source>
        <translation>en enhet, inte läst</translation>
    </message>
    <message>
        <source>a link, not followed in a hand-in folder</source>
        <translation>en länk, följs inte i en inlämningsmapp</translation>
    </message>
    <message>
        <source>handed in by user %1 beside the students&apos; folders, not in one</source>
        <translation>inlämnad av användaren %1 bredvid studenternas mappar, inte i någon av dem</translation>
    </message>
    <message>
        <source>no user %1 on this machine; the folder is left out</source>
        <translation>ingen användare %1 på den här datorn; mappen utelämnas</translation>
    </message>
    <message>
        <source>the folder belongs to user %1, not %2; its files are left out</source>
        <translation>mappen tillhör användaren %1, inte %2; dess filer utelämnas</translation>
    </message>
    <message>
        <source>a folder within a student&apos;s folder, not read</source>
        <translation>en mapp inuti en students mapp, inte läst</translation>
    </message>
    <message>
        <source>handed in by user %1, not %2</source>
        <translation>inlämnad av användaren %1, inte %2</translation>
    </message>
    <message>
        <source>in a folder of user %1, not %2</source>
        <translation>i en mapp som tillhör användaren %1, inte %2</translation>
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
        <translation>Datorerna

Varje sparad tid innehåller det som datorn den mättes på lägger till: skärmens fördröjning
(färgstimuli) eller ljudutgångens (tonerna), och musens (dess avläsning, dess avstudsning,
inmatningsvägen). Datorkontrollen (brevane --check-machine) mätte dem på varje dator
nedan med en fotodiod, en loopkabel och en mikrofon via ljudkortet; en students
reaktionstid är ungefär den sparade tiden minus stimulusdelens och musens fördröjning. Inom en
dator ändrar de inte en skillnad mellan tester (val minus enkel), så de parade
intervallen i class.csv står sig; tider från datorer med olika fördröjningar är längre eller
kortare med den skillnaden. sets.csv och students.csv slutar med varje fils dator och dess fördröjningar.

</translation>
    </message>
    <message>
        <source>%1 (checked %2; %3; files: %4): %5
</source>
        <translation>%1 (kontrollerad %2; %3; filer: %4): %5
</translation>
    </message>
    <message>
        <source>mode not known</source>
        <translation>läget okänt</translation>
    </message>
    <message>
        <source>Screen and mouse together add %1 to %2 ms on these machines: a visual time measured on
one may differ from another&apos;s by up to %3 ms from the machines alone.
</source>
        <translation>Skärm och mus lägger tillsammans till %1 till %2 ms på de här datorerna: en visuell tid mätt på
en dator kan skilja sig från en annans med upp till %3 ms enbart på grund av datorerna.
</translation>
    </message>
</context>
<context>
    <name>ClassRun</name>
    <message>
        <source>skipped %1: %2</source>
        <translation>hoppade över %1: %2</translation>
    </message>
    <message>
        <source>%1 is a copy of %2: read once</source>
        <translation>%1 är en kopia av %2: läst en gång</translation>
    </message>
    <message>
        <source>%1 of %2 files read</source>
        <translation>%1 av %2 filer lästa</translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>kan inte skapa mappen %1</translation>
    </message>
    <message>
        <source>could not write %1: %2</source>
        <translation>kunde inte skriva %1: %2</translation>
    </message>
    <message>
        <source>%1 read</source>
        <translation>%1 har lästs</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n fil</numerusform>
            <numerusform>%n filer</numerusform>
        </translation>
    </message>
    <message>
        <source> (and %1 read once)</source>
        <translation> (och %1 lästs en gång)</translation>
    </message>
    <message numerus="yes">
        <source>%n copy(ies)</source>
        <translation>
            <numerusform>%n kopia</numerusform>
            <numerusform>%n kopior</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2 skipped; %3 (%4 by folder, %5 by file name); tests: %6</source>
        <translation>%1, %2 överhoppade; %3 (%4 efter mapp, %5 efter filnamn); tester: %6</translation>
    </message>
    <message numerus="yes">
        <source>%n student(s)</source>
        <translation>
            <numerusform>%n student</numerusform>
            <numerusform>%n studenter</numerusform>
        </translation>
    </message>
    <message>
        <source>none</source>
        <translation>inga</translation>
    </message>
</context>
<context>
    <name>ClassSummary</name>
    <message>
        <source>.%1 file</source>
        <translation>.%1-fil</translation>
    </message>
    <message>
        <source>it has %1 lines; a %2 has %3</source>
        <translation>den har %1 rader; en %2 har %3</translation>
    </message>
    <message>
        <source>line %1 is not what a %2 holds there</source>
        <translation>rad %1 är inte vad en %2 har där</translation>
    </message>
    <message>
        <source>it has more than the %1 lines of a %2</source>
        <translation>den har fler än de %1 raderna i en %2</translation>
    </message>
    <message>
        <source>%1: %2 holds %3 sets that %4 holds too; each taken once</source>
        <translation>%1: %2 innehåller %3 omgångar som %4 också innehåller; var och en tagen en gång</translation>
    </message>
    <message>
        <source>%1 has two different %2 files, %3 and %4: both kept as separate sets</source>
        <translation>%1 har två olika %2-filer, %3 och %4: båda behålls som separata omgångar</translation>
    </message>
    <message>
        <source>%1 handed in</source>
        <translation>Inlämnat: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n student(s)</source>
        <translation>
            <numerusform>%n student</numerusform>
            <numerusform>%n studenter</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>cannot create or enter the folder %1; files are kept in %2</source>
        <translation>kan inte skapa eller öppna mappen %1; filerna sparas i %2</translation>
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
        <translation>Användning: %1 [--user-folder] [--hand-in MAPP] [--unlock] [--language KOD]
              [KONFIGURATIONSFIL]
            %1 --timing-check | --check-machine | --version | --help

Reaktionstid för enkla och sammansatta stimuli: en students reaktionstider på en
ton, ett färgbyte eller båda, i ett enkelt test och två valtest.

  KONFIGURATIONSFIL   konfigurationen som används i stället för %2; ett relativt
                      namn tas i mappen där filerna sparas
  --user-folder       spara filerna i den egna användarmappen, som skapas vid behov:
                      %3
                      (programmets menypost på skrivbordet startar det så)
  --hand-in MAPP      lämna också in varje sparad .nrm- och .col-fil och varje
                      recover.dat i MAPP/&lt;inloggningsnamn&gt;/, till läraren
                      (för alla användare i /etc/xdg/Brevane/Brevane.conf;
                      man brevane)
  --unlock            där labbet låser inställningarna: låt en medlem av
                      labbets lärargrupp ändra dem under den här sessionen
  --timing-check      visa en blinkande yta för en fotodiod eller en kamera, med
                      uppdateringsfrekvensen, bildtidernas jitter och de
                      tidsstämpelkällor som används (Esc eller ett klick avslutar)
  --check-machine     kontrollera datorn från början till slut via ljudkortets ingång:
                      skärmen med en fotodiod, ljudet med en kabel från utgången,
                      musen med dess klick; sparar fördröjningarna för Om-rutan och
                      klassöversikten (docs/guide.md)
  --language KOD      visa programmet på det här språket (de, ja, ar, ...;
                      engelska där det saknar översättning) i stället för
                      systemets eller det som anges i Brevane.conf
  --version           skriv ut versionen och avsluta
  --help              skriv ut den här texten och avsluta

Filerna sparas i den aktuella mappen, eller med --user-folder i mappen ovan:
%2 (konfigurationen, skriven med standardvärdena om den saknas)
och recover.dat (alla testers omgångar, skrivs om när en serie slutar; Återställ
i huvudmenyn läser in den igen). Fildialogerna öppnas där; resultatfiler
(.nrm, .col) hamnar där du sparar dem.
</translation>
    </message>
</context>
<context>
    <name>DisplayStamps</name>
    <message>
        <source>; times may be one frame long: see the guide</source>
        <translation>; tider kan bli en bildruta längre: se guiden</translation>
    </message>
    <message>
        <source>The window system does not say when a frame is shown</source>
        <translation>Fönstersystemet anger inte när en bildruta visas</translation>
    </message>
    <message>
        <source>The X server does not say when a frame is shown</source>
        <translation>X-servern anger inte när en bildruta visas</translation>
    </message>
    <message>
        <source>XWayland shows the window through the Wayland compositor</source>
        <translation>XWayland visar fönstret via Wayland-kompositorn</translation>
    </message>
    <message>
        <source>Some stimuli were stamped by %1</source>
        <translation>Vissa stimuli tidsstämplades av %1</translation>
    </message>
    <message>
        <source>the display&apos;s refresh</source>
        <translation>skärmens uppdatering</translation>
    </message>
    <message>
        <source>the X server&apos;s refresh, not the pixel&apos;s</source>
        <translation>X-serverns uppdatering, inte pixelns</translation>
    </message>
    <message>
        <source>the compositor&apos;s frame timings</source>
        <translation>kompositorns bildrutetider</translation>
    </message>
    <message>
        <source>the screen read back</source>
        <translation>den återlästa skärmen</translation>
    </message>
    <message>
        <source>the Wayland compositor&apos;s report of the frame</source>
        <translation>Wayland-kompositorns rapport om bildrutan</translation>
    </message>
    <message>
        <source>the hand-over to the X server</source>
        <translation>överlämningen till X-servern</translation>
    </message>
    <message>
        <source>the clock after a repaint</source>
        <translation>klockan efter en omritning</translation>
    </message>
    <message>
        <source>%1 (exact)</source>
        <translation>%1 (exakt)</translation>
    </message>
    <message>
        <source>%1 (estimated)</source>
        <translation>%1 (uppskattad)</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ingen</translation>
    </message>
    <message>
        <source>%1 Hz</source>
        <translation>%1 Hz</translation>
    </message>
    <message>
        <source>not reported (a virtual screen)</source>
        <translation>inte rapporterad (en virtuell skärm)</translation>
    </message>
    <message>
        <source>The Wayland compositor estimates when a frame is shown; times may be one frame long: see the guide</source>
        <translation>Wayland-kompositorn uppskattar när en bildruta visas; tider kan bli en bildruta längre: se guiden</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>Reflex Data Files (*.nrm)|*.nrm</source>
        <translation>Reaktionsdata (*.nrm)|*.nrm</translation>
    </message>
    <message>
        <source>Reflex Data Files (*.col)|*.col</source>
        <translation>Reaktionsdata (*.col)|*.col</translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
        File already exisits. Do you want to overwrite?</source>
        <translation><byte value="xd"/>
<byte value="xd"/>
        Filen finns redan. Vill du skriva över den?</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Spara fil</translation>
    </message>
    <message>
        <source>Save File Error</source>
        <translation>Fel vid sparande</translation>
    </message>
    <message>
        <source>Save Cancelled</source>
        <translation>Sparandet avbröts</translation>
    </message>
    <message>
        <source>Load File Error</source>
        <translation>Fel vid inläsning</translation>
    </message>
    <message>
        <source>Load Cancelled</source>
        <translation>Inläsningen avbröts</translation>
    </message>
    <message>
        <source>Export to CSV</source>
        <translation>Exportera till CSV</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)|*.csv</source>
        <translation>CSV-filer (*.csv)|*.csv</translation>
    </message>
</context>
<context>
    <name>FileRead</name>
    <message>
        <source>%1 is a folder, not a file.</source>
        <translation>%1 är en mapp, inte en fil.</translation>
    </message>
    <message>
        <source>%1 holds %2 MB, far more than any file of this program; it was not read.</source>
        <translation>%1 innehåller %2 MB, mycket mer än någon fil från det här programmet; den lästes inte.</translation>
    </message>
    <message>
        <source>%1 is far larger than any file of this program; it was not read.</source>
        <translation>%1 är mycket större än någon fil från det här programmet; den lästes inte.</translation>
    </message>
</context>
<context>
    <name>HandIn</name>
    <message>
        <source>Hand-in</source>
        <translation>Inlämning</translation>
    </message>
    <message>
        <source>the hand-in folder is missing</source>
        <translation>inlämningsmappen saknas</translation>
    </message>
    <message>
        <source>Not handed in to %1: %2.
Your file is saved on this computer; it is handed in at your next save.</source>
        <translation>Inte inlämnad till %1: %2.
Din fil är sparad på den här datorn; den lämnas in nästa gång du sparar.</translation>
    </message>
    <message>
        <source>the hand-in folder is still not answering</source>
        <translation>inlämningsmappen svarar fortfarande inte</translation>
    </message>
    <message>
        <source>the hand-in folder did not answer</source>
        <translation>inlämningsmappen svarade inte</translation>
    </message>
    <message>
        <source>the folder %1 in the hand-in folder is a link, not a folder</source>
        <translation>mappen %1 i inlämningsmappen är en länk, inte en mapp</translation>
    </message>
    <message>
        <source>%1 in the hand-in folder is not a folder</source>
        <translation>%1 i inlämningsmappen är inte en mapp</translation>
    </message>
    <message>
        <source>the folder %1 in the hand-in folder belongs to another user</source>
        <translation>mappen %1 i inlämningsmappen tillhör en annan användare</translation>
    </message>
</context>
<context>
    <name>HandoutPage</name>
    <message>
        <source>beyond your median ± 3 scaled MADs of the test</source>
        <translation>utanför din median ± 3 skalade MAD för testet</translation>
    </message>
    <message>
        <source>beyond your mean ± 3 SD of the test</source>
        <translation>utanför ditt medelvärde ± 3 SD för testet</translation>
    </message>
    <message>
        <source>none cut here</source>
        <translation>inga borttagna här</translation>
    </message>
    <message>
        <source>Reaction times of %1</source>
        <translation>Reaktionstider för %1</translation>
    </message>
    <message>
        <source>Your times beside your class&apos;s (%1 students), in whole milliseconds as stored.</source>
        <translation>Dina tider bredvid klassens (%1 studenter), i hela millisekunder som de sparats.</translation>
    </message>
    <message>
        <source>test</source>
        <translation>test</translation>
    </message>
    <message>
        <source>sets</source>
        <translation>omgångar</translation>
    </message>
    <message>
        <source>runs that count</source>
        <translation>försök som räknas</translation>
    </message>
    <message>
        <source>mean</source>
        <translation>medelvärde</translation>
    </message>
    <message>
        <source>median</source>
        <translation>median</translation>
    </message>
    <message>
        <source>anticipations</source>
        <translation>förtida svar</translation>
    </message>
    <message>
        <source>lapses</source>
        <translation>bortfall</translation>
    </message>
    <message>
        <source>outliers</source>
        <translation>extremvärden</translation>
    </message>
    <message>
        <source>Runs that count: all but missed hits, anticipations (under %1 ms), lapses (over %2 ms) and outliers (%3). mean: the mean of your set means, every time as stored. median, μ, σ, τ: your runs but missed hits, anticipations and lapses; μ, σ, τ: the ex-Gaussian fitted to them, a normal part (μ, σ) plus an exponential part of mean τ, the slow tail; from %4 runs on.</source>
        <translation>Försök som räknas: alla utom missade träffar, förtida svar (under %1 ms), bortfall (över %2 ms) och extremvärden (%3). medelvärde: medelvärdet av dina omgångars medelvärden, varje tid som den sparats. median, μ, σ, τ: dina försök utom missade träffar, förtida svar och bortfall; μ, σ, τ: den ex-gaussiska fördelning som anpassats till dem, en normaldel (μ, σ) plus en exponentialdel med medelvärdet τ, den långsamma svansen; från %4 försök.</translation>
    </message>
    <message>
        <source>Grey: the class&apos;s runs that count; outlined: yours, each as shares of its runs. Ticks: the class&apos;s means; the dot: yours.</source>
        <translation>Grått: klassens försök som räknas; konturerat: dina, vart och ett som andelar av sina försök. Streck: klassens medelvärden; punkten: ditt.</translation>
    </message>
    <message>
        <source>No mean: none of your runs is a reaction time.</source>
        <translation>Inget medelvärde: inget av dina försök är en reaktionstid.</translation>
    </message>
    <message>
        <source>Your mean, %1 ms; nobody else took this test.</source>
        <translation>Ditt medelvärde, %1 ms; ingen annan har gjort det här testet.</translation>
    </message>
    <message>
        <source>Your mean, %1 ms: of the %2 others, %3 faster, %4 slower.</source>
        <translation>Ditt medelvärde, %1 ms: av de %2 andra är %3 snabbare, %4 långsammare.</translation>
    </message>
</context>
<context>
    <name>Handouts</name>
    <message>
        <source>Reaction times: a page for each student</source>
        <translation>Reaktionstider: en sida för varje student</translation>
    </message>
</context>
<context>
    <name>Lab</name>
    <message>
        <source>The settings are locked by the lab (LockSettings in %1).</source>
        <translation>Inställningarna är låsta av labbet (LockSettings i %1).</translation>
    </message>
    <message>
        <source>Nobody may unlock the settings here: %1 names no group of teachers (Teachers in its [Lab] section).</source>
        <translation>Ingen får låsa upp inställningarna här: %1 anger ingen lärargrupp (Teachers i dess avsnitt [Lab]).</translation>
    </message>
    <message>
        <source>The settings are locked by the lab (LockSettings in %1); a member of the group %2 may change them by starting the program with --unlock.</source>
        <translation>Inställningarna är låsta av labbet (LockSettings i %1); en medlem av gruppen %2 kan ändra dem genom att starta programmet med --unlock.</translation>
    </message>
    <message>
        <source>Only a member of the group %1 may unlock the settings with --unlock, which %2 is not; the settings stay locked.</source>
        <translation>Bara en medlem av gruppen %1 får låsa upp inställningarna med --unlock, vilket %2 inte är; inställningarna förblir låsta.</translation>
    </message>
</context>
<context>
    <name>MachineCheck</name>
    <message>
        <source>%1 of %2 trials</source>
        <translation>%1 av %2 mätningar</translation>
    </message>
    <message>
        <source>the signal is too weak (%1): turn the input volume up, or the screen&apos;s brightness, and hold the diode flat on the patch</source>
        <translation>signalen är för svag (%1): höj ingångsvolymen eller skärmens ljusstyrka, och håll dioden plant mot ytan</translation>
    </message>
    <message>
        <source>the signal is too weak (%1): turn the output and the input volume up</source>
        <translation>signalen är för svag (%1): höj utgångs- och ingångsvolymen</translation>
    </message>
    <message>
        <source>the clicks are too faint (%1): put the microphone closer to the mouse and turn the input volume up</source>
        <translation>klicken är för svaga (%1): flytta mikrofonen närmare musen och höj ingångsvolymen</translation>
    </message>
    <message>
        <source>the signal is too noisy (%1): keep the room quiet, the cable short and away from the mains, and turn the input volume down if it hums</source>
        <translation>signalen är för brusig (%1): håll rummet tyst, kabeln kort och borta från elnätet, och sänk ingångsvolymen om det brummar</translation>
    </message>
    <message>
        <source>the recording broke off (%1): close other programs that use the sound card and try again</source>
        <translation>inspelningen avbröts (%1): stäng andra program som använder ljudkortet och försök igen</translation>
    </message>
    <message>
        <source>no flash was seen in %1: is the diode on the patch and plugged into the input that records?</source>
        <translation>ingen blixt sågs i %1: sitter dioden på ytan och i den ingång som spelar in?</translation>
    </message>
    <message>
        <source>no tone came back in %1: is the output looped to the input that records?</source>
        <translation>ingen ton kom tillbaka i %1: är utgången kopplad tillbaka till den ingång som spelar in?</translation>
    </message>
    <message>
        <source>no click was heard in %1: is the microphone next to the mouse?</source>
        <translation>inget klick hördes i %1: är mikrofonen bredvid musen?</translation>
    </message>
    <message>
        <source>too few trials (%1)</source>
        <translation>för få mätningar (%1)</translation>
    </message>
</context>
<context>
    <name>MachineResult</name>
    <message>
        <source>it is not a machine check&apos;s result</source>
        <translation>det är inte ett resultat från en datorkontroll</translation>
    </message>
    <message>
        <source>line %1 is not a part&apos;s lag</source>
        <translation>rad %1 är inte en dels fördröjning</translation>
    </message>
    <message>
        <source>it names no machine</source>
        <translation>den anger ingen dator</translation>
    </message>
    <message>
        <source>%1 %2 ms (SD %3)</source>
        <translation>%1 %2 ms (SD %3)</translation>
    </message>
    <message>
        <source>%1: not measured</source>
        <translation>%1: inte mätt</translation>
    </message>
    <message>
        <source>Machine check: not done on this machine (brevane --check-machine)</source>
        <translation>Datorkontroll: inte gjord på den här datorn (brevane --check-machine)</translation>
    </message>
    <message>
        <source>Machine check (%1, %2): %3</source>
        <translation>Datorkontroll (%1, %2): %3</translation>
    </message>
</context>
<context>
    <name>ProgramVersion</name>
    <message>
        <source>Version %1.%2%3</source>
        <translation>Version %1.%2%3</translation>
    </message>
</context>
<context>
    <name>QtPrinting</name>
    <message>
        <source>The printer %1 could not be opened.</source>
        <translation>Skrivaren %1 kunde inte öppnas.</translation>
    </message>
    <message>
        <source>The printer %1 reported an error.</source>
        <translation>Skrivaren %1 rapporterade ett fel.</translation>
    </message>
    <message>
        <source>The PDF could not be completed.</source>
        <translation>PDF-filen kunde inte slutföras.</translation>
    </message>
    <message>
        <source>The PDF could not be started.</source>
        <translation>PDF-filen kunde inte påbörjas.</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Utskriftsinställningar</translation>
    </message>
</context>
<context>
    <name>RecoveryFile</name>
    <message>
        <source>The recovery file recover.dat could not be written.</source>
        <translation>Återställningsfilen recover.dat kunde inte skrivas.</translation>
    </message>
    <message>
        <source><byte value="xd"/>Your data are kept in memory.</source>
        <translation><byte value="xd"/>Dina data finns kvar i minnet.</translation>
    </message>
    <message>
        <source>Recovery File Error</source>
        <translation>Fel i återställningsfilen</translation>
    </message>
    <message>
        <source>Load Cancelled</source>
        <translation>Inläsningen avbröts</translation>
    </message>
    <message>
        <source>No Recovery File Created or Found</source>
        <translation>Ingen återställningsfil skapad eller hittad</translation>
    </message>
    <message>
        <source>Load File Error</source>
        <translation>Fel vid inläsning</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Fastest Time</source>
        <translation>Snabbaste tid</translation>
    </message>
    <message>
        <source>Slowest Time</source>
        <translation>Långsammaste tid</translation>
    </message>
    <message>
        <source>Average Time</source>
        <translation>Medelvärde</translation>
    </message>
    <message>
        <source>Correct Hits</source>
        <translation>Rätta träffar</translation>
    </message>
    <message>
        <source>Correct Misses</source>
        <translation>Rätt utelämnade</translation>
    </message>
    <message>
        <source>InCorrect Hits</source>
        <translation>Fel träffar</translation>
    </message>
    <message>
        <source>Missed Hits</source>
        <translation>Missade träffar</translation>
    </message>
    <message>
        <source>Orv Tovanel:  Color Reflex Data</source>
        <translation>Orv Tovanel:  Reaktionsdata färg</translation>
    </message>
    <message>
        <source>Orv Tovanel:  Number Reflex Data</source>
        <translation>Orv Tovanel:  Reaktionsdata tal</translation>
    </message>
    <message>
        <source>Set  %1</source>
        <translation>Omgång  %1</translation>
    </message>
    <message>
        <source>Comments:</source>
        <translation>Kommentarer:</translation>
    </message>
    <message>
        <source>Save Report As PDF</source>
        <translation>Spara rapporten som PDF</translation>
    </message>
    <message>
        <source>PDF Files|*.pdf</source>
        <translation>PDF-filer|*.pdf</translation>
    </message>
    <message>
        <source>The file could not be written.</source>
        <translation>Filen kunde inte skrivas.</translation>
    </message>
    <message>
        <source>Print Error<byte value="xd"/></source>
        <translation>Utskriftsfel<byte value="xd"/></translation>
    </message>
    <message>
        <source>Print Cancelled</source>
        <translation>Utskriften avbröts</translation>
    </message>
    <message>
        <source>  Slowest Time</source>
        <translation>  Långsammaste tid</translation>
    </message>
    <message>
        <source>Orv Tovanel:  Normal Reflex Data</source>
        <translation>Orv Tovanel:  Reaktionsdata enkel</translation>
    </message>
</context>
<context>
    <name>ResultsKind</name>
    <message>
        <source>Complex Choice Color/Audio Stimulus Module Data Display</source>
        <translation>Valreaktion färg/ljud: resultat</translation>
    </message>
    <message>
        <source>Delete run %1 from the set? </source>
        <translation>Ta bort försök %1 från omgången? </translation>
    </message>
    <message>
        <source>Color Reflex Data Files</source>
        <translation>Reaktionsdata färg</translation>
    </message>
    <message>
        <source>Complex Choice Number/Audio Stimulus Module Data Display</source>
        <translation>Valreaktion tal/ljud: resultat</translation>
    </message>
    <message>
        <source>Delete run %1 for the set? </source>
        <translation>Ta bort försök %1 från omgången? </translation>
    </message>
    <message>
        <source>Number Reflex Data Files</source>
        <translation>Reaktionsdata tal</translation>
    </message>
    <message>
        <source>Simple Choice Stimulus Module Data Display</source>
        <translation>Enkel reaktion: resultat</translation>
    </message>
    <message>
        <source>Normal Reflex Data Files</source>
        <translation>Reaktionsdata enkel</translation>
    </message>
</context>
<context>
    <name>ResultsModel</name>
    <message>
        <source>Delete run %1 for the set? </source>
        <translation>Ta bort försök %1 från omgången? </translation>
    </message>
    <message>
        <source>Are you sure you want to DELETE ALL DATA ?</source>
        <translation>Vill du verkligen TA BORT ALLA DATA?</translation>
    </message>
    <message>
        <source>Delete All Data</source>
        <translation>Ta bort alla data</translation>
    </message>
</context>
<context>
    <name>RuleOptions</name>
    <message>
        <source>A time under &lt;ms&gt; is an anticipation (default: 100).</source>
        <translation>En tid under &lt;ms&gt; är ett förtida svar (standard: 100).</translation>
    </message>
    <message>
        <source>A time over &lt;ms&gt; is a lapse (default: 2000).</source>
        <translation>En tid över &lt;ms&gt; är ett bortfall (standard: 2000).</translation>
    </message>
    <message>
        <source>Cut outliers beyond median +- 3 scaled MADs (mad, the default), mean +- 3 SD (sd), or not at all (none).</source>
        <translation>Ta bort extremvärden utanför median +- 3 skalade MAD (mad, standard), medelvärde +- 3 SD (sd) eller inte alls (none).</translation>
    </message>
    <message>
        <source>Write a PDF page for each student, handout-&lt;student&gt;.pdf.</source>
        <translation>Skriv en PDF-sida för varje student, handout-&lt;student&gt;.pdf.</translation>
    </message>
    <message>
        <source>--%1 takes a whole number of milliseconds from %2 to %3, not %4</source>
        <translation>--%1 tar ett helt antal millisekunder från %2 till %3, inte %4</translation>
    </message>
    <message>
        <source>the lapse limit (%1 ms) must lie above the anticipation limit (%2 ms)</source>
        <translation>bortfallsgränsen (%1 ms) måste ligga över gränsen för förtida svar (%2 ms)</translation>
    </message>
    <message>
        <source>--outlier-rule takes mad, sd or none, not %1</source>
        <translation>--outlier-rule tar mad, sd eller none, inte %1</translation>
    </message>
</context>
<context>
    <name>SessionPlatform</name>
    <message>
        <source>On Wayland: no pointer placement, and presses are stamped by the toolkit event (XWayland gives both)</source>
        <translation>På Wayland: ingen placering av pekaren, och tryck tidsstämplas av verktygslådans händelse (XWayland ger båda)</translation>
    </message>
    <message>
        <source>Wayland session: running on X through XWayland, which places the pointer and reads raw input</source>
        <translation>Wayland-session: körs på X via XWayland, som placerar pekaren och läser rå inmatning</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Settings Locked</source>
        <translation>Inställningarna låsta</translation>
    </message>
</context>
<context>
    <name>SettingsEditor</name>
    <message>
        <source>Configuration Files (*.cfg)|*.cfg</source>
        <translation>Konfigurationsfiler (*.cfg)|*.cfg</translation>
    </message>
    <message>
        <source>Trigger Colour</source>
        <translation>Stimulusfärg</translation>
    </message>
    <message>
        <source>The trigger colour must differ from the panel&apos;s white at rest, or the stimulus is invisible.</source>
        <translation>Stimulusfärgen måste skilja sig från panelens vita i viloläge, annars syns inte stimulus.</translation>
    </message>
    <message>
        <source>Save Configuration File</source>
        <translation>Spara konfigurationsfil</translation>
    </message>
    <message>
        <source>Save File Error</source>
        <translation>Fel vid sparande</translation>
    </message>
    <message>
        <source>Save Cancelled</source>
        <translation>Sparandet avbröts</translation>
    </message>
    <message>
        <source>Load Configuration File</source>
        <translation>Läs in konfigurationsfil</translation>
    </message>
    <message>
        <source>Load File Error</source>
        <translation>Fel vid inläsning</translation>
    </message>
    <message>
        <source>Load Cancelled</source>
        <translation>Inläsningen avbröts</translation>
    </message>
    <message>
        <source>Configuration File Load Error</source>
        <translation>Fel vid inläsning av konfigurationsfil</translation>
    </message>
    <message>
        <source>Invalid Configuration File<byte value="xd"/>No File Loaded</source>
        <translation>Ogiltig konfigurationsfil<byte value="xd"/>Ingen fil inläst</translation>
    </message>
</context>
<context>
    <name>ShapeChart</name>
    <message>
        <source>median of the student&apos;s runs (ms)</source>
        <translation>median av studentens försök (ms)</translation>
    </message>
    <message>
        <source>τ, the slow tail (ms)</source>
        <translation>τ, den långsamma svansen (ms)</translation>
    </message>
    <message>
        <source>%1 of %2 students fitted
mean τ %3 ms</source>
        <translation>%1 av %2 studenter anpassade
medelvärde τ %3 ms</translation>
    </message>
    <message>
        <source>%1 − simple: μ %2 ms (95 % CI %3 to %4), τ %5 ms (%6 to %7), %8 students</source>
        <translation>%1 − enkel: μ %2 ms (95 % KI %3 till %4), τ %5 ms (%6 till %7), %8 studenter</translation>
    </message>
    <message>
        <source>The shape of each student&apos;s times</source>
        <translation>Formen på varje students tider</translation>
    </message>
    <message>
        <source>One dot for each student and test with an ex-Gaussian fit (at least %1 runs that are neither anticipations nor lapses): across, the median of those runs; up, τ, the mean of the fit&apos;s exponential part: its slow tail. A test that slows every run moves the dots to the right; one that adds slow runs moves them up.</source>
        <translation>En punkt för varje student och test med en ex-gaussisk anpassning (minst %1 försök som varken är förtida svar eller bortfall): vågrätt medianen av de försöken; lodrätt τ, medelvärdet av anpassningens exponentialdel: dess långsamma svans. Ett test som gör varje försök långsammare flyttar punkterna åt höger; ett som lägger till långsamma försök flyttar dem uppåt.</translation>
    </message>
    <message>
        <source>No student has %1 runs in a test yet: too few for a fit</source>
        <translation>Ingen student har %1 försök i ett test än: för få för en anpassning</translation>
    </message>
</context>
<context>
    <name>ShareCheck</name>
    <message>
        <source>cannot look at %1 (%2)</source>
        <translation>kan inte granska %1 (%2)</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 är inte en mapp</translation>
    </message>
    <message>
        <source>cannot list %1 (%2): run this as a member of its group or as root</source>
        <translation>kan inte lista %1 (%2): kör detta som medlem i dess grupp eller som root</translation>
    </message>
    <message>
        <source>1 student&apos;s folder</source>
        <translation>1 students mapp</translation>
    </message>
    <message>
        <source>%1 students&apos; folders</source>
        <translation>%1 studenters mappar</translation>
    </message>
    <message>
        <source>%1: %2, all as the recipe has them</source>
        <translation>%1: %2, allt som receptet anger</translation>
    </message>
    <message>
        <source>%1: %2; 1 thing to put right</source>
        <translation>%1: %2; 1 sak att rätta</translation>
    </message>
    <message>
        <source>%1: %2; %3 things to put right</source>
        <translation>%1: %2; %3 saker att rätta</translation>
    </message>
    <message>
        <source>%1: the guide&apos;s first recipe, one group folder (mode 3773), group %2</source>
        <translation>%1: guidens första recept, en gruppmapp (läge 3773), grupp %2</translation>
    </message>
    <message>
        <source>%1: the guide&apos;s second recipe, a folder per student (mode 0751), group %2</source>
        <translation>%1: guidens andra recept, en mapp per student (läge 0751), grupp %2</translation>
    </message>
    <message>
        <source>%1 has the mode %2, not %3</source>
        <translation>%1 har läget %2, inte %3</translation>
    </message>
    <message>
        <source>every user may list %1 and see who handed in: take the others&apos; r away</source>
        <translation>alla användare kan lista %1 och se vem som har lämnat in: ta bort r för andra</translation>
    </message>
    <message>
        <source>without the sticky bit a student may rename or remove another&apos;s folder</source>
        <translation>utan sticky-biten kan en student byta namn på eller ta bort en annans mapp</translation>
    </message>
    <message>
        <source>without the setgid bit the students&apos; new folders do not get the group %1, and the teachers cannot read them</source>
        <translation>utan setgid-biten får studenternas nya mappar inte gruppen %1, och lärarna kan inte läsa dem</translation>
    </message>
    <message>
        <source>the students cannot %1 their folders in %2</source>
        <translation>studenterna kan inte %1 sina mappar i %2</translation>
    </message>
    <message>
        <source>make</source>
        <translation>skapa</translation>
    </message>
    <message>
        <source>reach</source>
        <translation>nå</translation>
    </message>
    <message>
        <source>the group %1 cannot list %2, so the teachers do not see the folders</source>
        <translation>gruppen %1 kan inte lista %2, så lärarna ser inte mapparna</translation>
    </message>
    <message>
        <source>%1 belongs to user %2, not root: %2 may rename or remove every student&apos;s folder</source>
        <translation>%1 tillhör användaren %2, inte root: %2 kan byta namn på eller ta bort varje students mapp</translation>
    </message>
    <message>
        <source>%1 is a link, not a student&apos;s folder: remove it (hand-ins through it are refused)</source>
        <translation>%1 är en länk, inte en students mapp: ta bort den (inlämningar genom den avvisas)</translation>
    </message>
    <message>
        <source>%1 is no student&apos;s folder, and belongs to user %2: remove it</source>
        <translation>%1 är ingen students mapp och tillhör användaren %2: ta bort den</translation>
    </message>
    <message>
        <source>%1: there is no user %2 on this machine</source>
        <translation>%1: det finns ingen användare %2 på den här datorn</translation>
    </message>
    <message>
        <source>%1 belongs to user %2, not %3: remove it, or %3&apos;s hand-ins are refused</source>
        <translation>%1 tillhör användaren %2, inte %3: ta bort den, annars avvisas inlämningar från %3</translation>
    </message>
    <message>
        <source>%1 has the group %2, not %3: the teachers cannot read it</source>
        <translation>%1 har gruppen %2, inte %3: lärarna kan inte läsa den</translation>
    </message>
    <message>
        <source>%1 has the mode %2, not 0750%3</source>
        <translation>%1 har läget %2, inte 0750%3</translation>
    </message>
    <message>
        <source>: every user may read %1&apos;s files</source>
        <translation>: alla användare kan läsa filerna i %1</translation>
    </message>
    <message>
        <source>%1 is in the group %2, and so may read every student&apos;s folder</source>
        <translation>%1 är med i gruppen %2 och kan därför läsa varje students mapp</translation>
    </message>
    <message>
        <source>%1 is a link, which the summary does not follow: remove it</source>
        <translation>%1 är en länk, som översikten inte följer: ta bort den</translation>
    </message>
    <message>
        <source>%1 is a FIFO, a socket or a device, which the summary does not read: remove it</source>
        <translation>%1 är en FIFO, en socket eller en enhet, som översikten inte läser: ta bort den</translation>
    </message>
    <message>
        <source>%1 belongs to user %2, not to the folder&apos;s student</source>
        <translation>%1 tillhör användaren %2, inte mappens student</translation>
    </message>
    <message>
        <source>every user may read %1</source>
        <translation>alla användare kan läsa %1</translation>
    </message>
</context>
<context>
    <name>SimpleEngine</name>
    <message>
        <source>            Audio Trigger</source>
        <translation>             Ljudstimulus</translation>
    </message>
    <message>
        <source>           Visual Trigger</source>
        <translation>             Ljusstimulus</translation>
    </message>
    <message>
        <source>     Audio/Visual Trigger</source>
        <translation>       Ljud-/ljusstimulus</translation>
    </message>
    <message>
        <source>The sound device &quot;%1&quot; could not be opened.</source>
        <translation>Ljudenheten ”%1” kunde inte öppnas.</translation>
    </message>
    <message>
        <source><byte value="xd"/>An audio trigger needs it: choose a visual trigger in Options.</source>
        <translation><byte value="xd"/>En ljudstimulus behöver den: välj en ljusstimulus under Alternativ.</translation>
    </message>
    <message>
        <source>No Sound Device</source>
        <translation>Ingen ljudenhet</translation>
    </message>
    <message>
        <source><byte value="xd"/>The series runs with the colour alone.</source>
        <translation><byte value="xd"/>Serien körs med enbart färgen.</translation>
    </message>
</context>
<context>
    <name>SoundCapture</name>
    <message>
        <source>the sound card has no input to record from (%1)</source>
        <translation>ljudkortet har ingen ingång att spela in från (%1)</translation>
    </message>
    <message>
        <source>the sound card&apos;s input cannot record mono at %1 Hz (%2)</source>
        <translation>ljudkortets ingång kan inte spela in mono med %1 Hz (%2)</translation>
    </message>
    <message>
        <source>no PipeWire server answers</source>
        <translation>ingen PipeWire-server svarar</translation>
    </message>
    <message>
        <source>PipeWire has no input to record from</source>
        <translation>PipeWire har ingen ingång att spela in från</translation>
    </message>
    <message>
        <source>no PulseAudio server answers</source>
        <translation>ingen PulseAudio-server svarar</translation>
    </message>
    <message>
        <source>PulseAudio has no input to record from</source>
        <translation>PulseAudio har ingen ingång att spela in från</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>the built-in defaults</source>
        <translation>de inbyggda standardvärdena</translation>
    </message>
    <message>
        <source>, locked by the lab</source>
        <translation>, låst av labbet</translation>
    </message>
    <message>
        <source>Settings Locked</source>
        <translation>Inställningarna låsta</translation>
    </message>
    <message>
        <source>The configuration file %1 is not read: the lab locks the settings (LockSettings in %2).</source>
        <translation>Konfigurationsfilen %1 läses inte: labbet låser inställningarna (LockSettings i %2).</translation>
    </message>
    <message>
        <source>Loading the class configuration ...</source>
        <translation>Läser in klassens konfiguration ...</translation>
    </message>
    <message>
        <source>the class configuration %1</source>
        <translation>klassens konfiguration %1</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>det finns ingen sådan fil</translation>
    </message>
    <message>
        <source>Class Configuration</source>
        <translation>Klassens konfiguration</translation>
    </message>
    <message>
        <source>The class configuration %1 that %2 names cannot be read (%3); the configuration of this computer is used instead.</source>
        <translation>Klassens konfiguration %1 som %2 anger kan inte läsas (%3); den här datorns konfiguration används i stället.</translation>
    </message>
</context>
<context>
    <name>StartupSequence</name>
    <message>
        <source>the screen is smaller than 800 x 600; the program ends</source>
        <translation>skärmen är mindre än 800 x 600; programmet avslutas</translation>
    </message>
    <message>
        <source>Fatal Application Error</source>
        <translation>Allvarligt programfel</translation>
    </message>
    <message>
        <source>Orv Brevane supports a minimum screen resolution of 800 x 600</source>
        <translation>Orv Brevane kräver en skärmupplösning på minst 800 x 600</translation>
    </message>
    <message>
        <source>Press OK to terminate program</source>
        <translation>Tryck på OK för att avsluta programmet</translation>
    </message>
    <message>
        <source>Loading default configuration file ...</source>
        <translation>Läser in standardkonfigurationsfilen ...</translation>
    </message>
    <message>
        <source>Initializing application ...</source>
        <translation>Startar programmet ...</translation>
    </message>
    <message>
        <source>Initializing application ... Almost Done</source>
        <translation>Startar programmet ... nästan klart</translation>
    </message>
    <message>
        <source>not a configuration file</source>
        <translation>inte en konfigurationsfil</translation>
    </message>
    <message>
        <source>Loading user configuration file ...</source>
        <translation>Läser in användarens konfigurationsfil ...</translation>
    </message>
    <message>
        <source>%1: no such configuration file; using the default configuration</source>
        <translation>%1: ingen sådan konfigurationsfil; standardkonfigurationen används</translation>
    </message>
    <message>
        <source>Configuration load error</source>
        <translation>Fel vid inläsning av konfigurationen</translation>
    </message>
    <message>
        <source>File %1 could not be found</source>
        <translation>Filen %1 hittades inte</translation>
    </message>
    <message>
        <source>Using Default Configuration</source>
        <translation>Standardkonfigurationen används</translation>
    </message>
    <message>
        <source>%1: cannot read the configuration (%2); using the default configuration</source>
        <translation>%1: kan inte läsa konfigurationen (%2); standardkonfigurationen används</translation>
    </message>
    <message>
        <source>Configuration Error</source>
        <translation>Konfigurationsfel</translation>
    </message>
    <message>
        <source>Invalid Configuration File</source>
        <translation>Ogiltig konfigurationsfil</translation>
    </message>
    <message>
        <source>Using Default Configuration File</source>
        <translation>Standardkonfigurationsfilen används</translation>
    </message>
    <message>
        <source>%1: not found; writing one with the defaults</source>
        <translation>%1: hittades inte; en skrivs med standardvärdena</translation>
    </message>
    <message>
        <source>Configuration file not found</source>
        <translation>Konfigurationsfilen hittades inte</translation>
    </message>
    <message>
        <source>Default configuration file not found...</source>
        <translation>Standardkonfigurationsfilen hittades inte...</translation>
    </message>
    <message>
        <source>Creating Reflex.Cfg</source>
        <translation>Skapar Reflex.Cfg</translation>
    </message>
    <message>
        <source>The refused file was kept as %1</source>
        <translation>Den avvisade filen sparades som %1</translation>
    </message>
    <message>
        <source>it could not be written</source>
        <translation>den kunde inte skrivas</translation>
    </message>
    <message>
        <source>%1: cannot read the configuration (%2); writing a new one with the defaults</source>
        <translation>%1: kan inte läsa konfigurationen (%2); en ny skrivs med standardvärdena</translation>
    </message>
    <message>
        <source>%1: cannot read the configuration (%2); writing a new one with the defaults (the refused file is kept beside it as %3)</source>
        <translation>%1: kan inte läsa konfigurationen (%2); en ny skrivs med standardvärdena (den avvisade filen sparas bredvid som %3)</translation>
    </message>
    <message>
        <source>Invalid Default Configuration File</source>
        <translation>Ogiltig standardkonfigurationsfil</translation>
    </message>
    <message>
        <source>Creating New Configuration File</source>
        <translation>Skapar ny konfigurationsfil</translation>
    </message>
    <message>
        <source>%1: cannot be written; the defaults are used until the program ends</source>
        <translation>%1: kan inte skrivas; standardvärdena används tills programmet avslutas</translation>
    </message>
</context>
<context>
    <name>TestCore</name>
    <message>
        <source>Over write Data in Set %1 ?</source>
        <translation>Skriva över data i omgång %1?</translation>
    </message>
    <message>
        <source>Start Reflex Data Collection</source>
        <translation>Starta insamling av reaktionsdata</translation>
    </message>
    <message>
        <source>Your run has ended</source>
        <translation>Din serie är slut</translation>
    </message>
    <message>
        <source>END RUN</source>
        <translation>SERIEN SLUT</translation>
    </message>
</context>
<context>
    <name>XDisplay</name>
    <message>
        <source>a compositing manager</source>
        <translation>en kompositionshanterare</translation>
    </message>
</context>
<context>
    <name>brevane::ChoiceWindow</name>
    <message>
        <source>With Sound</source>
        <translation>Med ljud</translation>
    </message>
    <message>
        <source>No Sound</source>
        <translation>Utan ljud</translation>
    </message>
</context>
<context>
    <name>brevane::MachineCheckWindow</name>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Starta</translation>
    </message>
    <message>
        <source>S&amp;kip this part</source>
        <translation>Hoppa &amp;över delen</translation>
    </message>
    <message>
        <source>Sa&amp;ve the result</source>
        <translation>Spa&amp;ra resultatet</translation>
    </message>
    <message>
        <source>Brevane Machine Check</source>
        <translation>Brevanes datorkontroll</translation>
    </message>
    <message>
        <source>Flashing patch</source>
        <translation>Blinkande yta</translation>
    </message>
    <message>
        <source>Machine check guide</source>
        <translation>Guide till datorkontrollen</translation>
    </message>
    <message>
        <source>Machine check: what this PC adds to every time a student measures on it.

The sound card&apos;s input is the clock: it hears the screen through a photodiode, the sound through a cable from the output, and the mouse through a microphone, and the program compares what it heard with its own stamps. Three parts, each about half a minute; skip any you cannot do. Each part gives the mean, the spread (SD) and the worst of its trials.

Press Start (or Return) to begin with the screen; Esc ends the check.</source>
        <translation>Datorkontroll: vad den här datorn lägger till varje tid som en student mäter på den.

Ljudkortets ingång är klockan: den hör skärmen genom en fotodiod, ljudet genom en kabel från utgången och musen genom en mikrofon, och programmet jämför det den hörde med sina egna tidsstämplar. Tre delar, var och en ungefär en halv minut; hoppa över det du inte kan göra. Varje del ger medelvärdet, spridningen (SD) och den sämsta av sina mätningar.

Tryck på Starta (eller Retur) för att börja med skärmen; Esc avslutar kontrollen.</translation>
    </message>
    <message>
        <source>No input to record from: %1.
Plug a cable or a microphone into the sound card&apos;s input (line-in or microphone), make it the input in the sound settings, and start the check again.</source>
        <translation>Ingen ingång att spela in från: %1.
Anslut en kabel eller en mikrofon till ljudkortets ingång (linjeingång eller mikrofon), välj den som ingång i ljudinställningarna och starta kontrollen igen.</translation>
    </message>
    <message>
        <source>

Clicks: %1 of %2</source>
        <translation>

Klick: %1 av %2</translation>
    </message>
    <message>
        <source>Screen: a photodiode held on the flashing patch.
You need a BPW34 photodiode (or any small silicon photodiode, a few euros) soldered to a 3.5 mm plug. On a line-in: the diode&apos;s anode to the tip, its cathode (the marked side) to the sleeve. On a microphone input, which feeds a few volts through the tip: the cathode to the tip, the anode to the sleeve. Set the input volume to about half.
Tape the diode flat on the middle of the patch below, the screen at the brightness the students use, the room light as in class. Press Start: the patch flashes %1 times, once a second.</source>
        <translation>Skärm: en fotodiod mot den blinkande ytan.
Du behöver en fotodiod BPW34 (eller någon annan liten kiselfotodiod, några euro) lödd till en 3,5 mm-kontakt. På en linjeingång: diodens anod till spetsen, katoden (den märkta sidan) till hylsan. På en mikrofoningång, som matar några volt genom spetsen: katoden till spetsen, anoden till hylsan. Ställ ingångsvolymen på ungefär hälften.
Tejpa dioden plant mitt på ytan nedan, med skärmen på den ljusstyrka studenterna använder och rummets belysning som under lektionen. Tryck på Starta: ytan blinkar %1 gånger, en gång i sekunden.</translation>
    </message>
    <message>
        <source>Sound: the output looped to the input.
Plug a cable from the headphone socket into the line-in (or hold the headset&apos;s microphone at its speaker), the volume as in class. Press Start: %1 tones, one a second.</source>
        <translation>Ljud: utgången kopplad tillbaka till ingången.
Anslut en kabel från hörlursuttaget till linjeingången (eller håll headsetets mikrofon vid dess högtalare), med volymen som under lektionen. Tryck på Starta: %1 toner, en i sekunden.</translation>
    </message>
    <message>
        <source>Mouse: each button&apos;s click, heard by a microphone next to the mouse.
Put the microphone within 5 cm of the mouse&apos;s buttons: sound travels about 0.03 ms a centimetre, so 5 cm add 0.15 ms to what is measured, 30 cm almost 1 ms. Keep the room quiet. Press Start, then click the left button %1 times in the grey square, about once a second. Each mouse you click is measured on its own.</source>
        <translation>Mus: varje knapps klick, hört av en mikrofon bredvid musen.
Placera mikrofonen inom 5 cm från musens knappar: ljud färdas ungefär 0,03 ms per centimeter, så 5 cm lägger till 0,15 ms till det som mäts, 30 cm nästan 1 ms. Håll rummet tyst. Tryck på Starta och klicka sedan %1 gånger med vänster knapp i den grå rutan, ungefär en gång i sekunden. Varje mus du klickar med mäts för sig.</translation>
    </message>
    <message>
        <source>The machine check is done.

%1

Save keeps the result on this machine: the about box and the timing check show it, and it goes with the students&apos; files to the hand-in folder, where brevane-summary reads it.</source>
        <translation>Datorkontrollen är klar.

%1

Spara behåller resultatet på den här datorn: Om-rutan och tidskontrollen visar det, och det följer med studenternas filer till inlämningsmappen, där brevane-summary läser det.</translation>
    </message>
    <message>
        <source>%1: skipped</source>
        <translation>%1: överhoppad</translation>
    </message>
    <message>
        <source>

Measuring...</source>
        <translation>

Mäter...</translation>
    </message>
    <message>
        <source>

Flashes: %1 of %2</source>
        <translation>

Blixtar: %1 av %2</translation>
    </message>
    <message>
        <source>

Tones: %1 of %2</source>
        <translation>

Toner: %1 av %2</translation>
    </message>
    <message>
        <source>%1: mean %2 ms, SD %3 ms, worst %4 ms over %5 of %6 trials</source>
        <translation>%1: medelvärde %2 ms, SD %3 ms, sämsta %4 ms över %5 av %6 mätningar</translation>
    </message>
    <message>
        <source>%1: refused: %2</source>
        <translation>%1: avvisad: %2</translation>
    </message>
    <message>
        <source>&amp;Finish</source>
        <translation>&amp;Avsluta</translation>
    </message>
    <message>
        <source>&amp;Next part</source>
        <translation>&amp;Nästa del</translation>
    </message>
    <message>
        <source>

Press %1 (Return) to go on.</source>
        <translation>

Tryck på %1 (Retur) för att fortsätta.</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Avsluta</translation>
    </message>
    <message>
        <source>Next part</source>
        <translation>Nästa del</translation>
    </message>
    <message>
        <source>Saved to %1.
For every user of this machine, copy it to /etc/xdg/Brevane/machine-check.txt (as root). Esc ends the check.</source>
        <translation>Sparat i %1.
Kopiera den till /etc/xdg/Brevane/machine-check.txt (som root) för alla användare av den här datorn. Esc avslutar kontrollen.</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <translation>Kunde inte spara %1: %2</translation>
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
        <translation>Tider</translation>
    </message>
    <message>
        <source>Set %1</source>
        <translation>Omgång %1</translation>
    </message>
</context>
<context>
    <name>brevane::TimingCheckWindow</name>
    <message>
        <source>Brevane Timing Check</source>
        <translation>Brevanes tidskontroll</translation>
    </message>
    <message>
        <source>Flashing patch</source>
        <translation>Blinkande yta</translation>
    </message>
    <message>
        <source>Timing readout</source>
        <translation>Tidsavläsning</translation>
    </message>
    <message>
        <source>Frames: measuring...</source>
        <translation>Bildrutor: mäter...</translation>
    </message>
    <message>
        <source>Frames stamped at %L1 Hz (one every %L2 ms)
Frame time jitter: SD %L3 ms, worst %L4 ms, %5 late of the last %6</source>
        <translation>Bildrutor tidsstämplade med %L1 Hz (en var %L2 ms)
Jitter i bildrutetiden: SD %L3 ms, sämsta %L4 ms, %5 sena av de senaste %6</translation>
    </message>
    <message>
        <source>
Times may be one frame long: see the guide</source>
        <translation>
Tider kan bli en bildruta längre: se guiden</translation>
    </message>
    <message>
        <source>Timing check: Esc or a click ends it
Refresh reported by the screen: %L1 Hz; the monitor&apos;s mode: %2
%3
Stamp sources: display %4, input %5, sound %6
Compositor: %7; stimulus stamps: %8%9
The patch turns every %10 frames (frame %11)
%12</source>
        <translation>Tidskontroll: Esc eller ett klick avslutar den
Uppdatering enligt skärmen: %L1 Hz; bildskärmens läge: %2
%3
Tidsstämpelkällor: bild %4, inmatning %5, ljud %6
Kompositor: %7; stimulusstämplar: %8%9
Ytan växlar var %10:e bildruta (bildruta %11)
%12</translation>
    </message>
</context>
<context>
    <name>brevane::frmAbout</name>
    <message>
        <source>Release %1</source>
        <translation>Utgåva %1</translation>
    </message>
    <message>
        <source>Configuration: %1</source>
        <translation>Konfiguration: %1</translation>
    </message>
</context>
<context>
    <name>brevane::frmColorSelect</name>
    <message>
        <source>Black</source>
        <translation>Svart</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blå</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grön</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Röd</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gul</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Vit</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Grå</translation>
    </message>
    <message>
        <source>Light Blue</source>
        <translation>Ljusblå</translation>
    </message>
    <message>
        <source>Light Green</source>
        <translation>Ljusgrön</translation>
    </message>
    <message>
        <source>Light Cyan</source>
        <translation>Ljuscyan</translation>
    </message>
    <message>
        <source>Light Red</source>
        <translation>Ljusröd</translation>
    </message>
    <message>
        <source>Light Magenta</source>
        <translation>Ljusmagenta</translation>
    </message>
    <message>
        <source>Light Yellow</source>
        <translation>Ljusgul</translation>
    </message>
    <message>
        <source>Bright White</source>
        <translation>Klarvit</translation>
    </message>
</context>
<context>
    <name>brevane::frmMain</name>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
</context>
<context>
    <name>brevane::summary::ClassChartWindow</name>
    <message>
        <source>Class reaction times</source>
        <translation>Klassens reaktionstider</translation>
    </message>
    <message>
        <source>Handed in</source>
        <translation>Inlämnat</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About Brevane</source>
        <translation>Om Brevane</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logotyp</translation>
    </message>
    <message>
        <source>Simple vs Complex Stimulus Reaction Timing</source>
        <translation>Reaktionstid för enkla och sammansatta stimuli</translation>
    </message>
    <message>
        <source>Orv Brevane 2</source>
        <translation>Orv Brevane 2</translation>
    </message>
    <message>
        <source>For Linux with X11 and Wayland</source>
        <translation>För Linux med X11 och Wayland</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Timer</translation>
    </message>
    <message>
        <source>Reaction timing for student laboratory courses</source>
        <translation>Reaktionstidsmätning för laborationer med studenter</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ljud</translation>
    </message>
    <message>
        <source>Your files are kept in:</source>
        <translation>Dina filer sparas i:</translation>
    </message>
    <message>
        <source>Language: English</source>
        <comment>The language this translation is: translators name their own language, in it</comment>
        <translation>Språk: svenska</translation>
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
        <translation>Inställningar för Brevane</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>Enkel</translation>
    </message>
    <message>
        <source>Simple Single Choice Settings</source>
        <translation>Inställningar: enkel reaktion</translation>
    </message>
    <message>
        <source>Runs Per Set</source>
        <translation>Försök per omgång</translation>
    </message>
    <message>
        <source>Trigger On</source>
        <translation>Stimulustyp</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Ljud</translation>
    </message>
    <message>
        <source>Visual</source>
        <translation>Visuell</translation>
    </message>
    <message>
        <source>Trigger Color</source>
        <translation>Stimulusfärg</translation>
    </message>
    <message>
        <source>Color of the visual stimulus: click to choose another</source>
        <translation>Färg på ljusstimulus: klicka för att välja en annan</translation>
    </message>
    <message>
        <source>Interval Timing</source>
        <translation>Intervall</translation>
    </message>
    <message>
        <source>Random Interval</source>
        <translation>Slumpmässigt intervall</translation>
    </message>
    <message>
        <source>Fixed Interval</source>
        <translation>Fast intervall</translation>
    </message>
    <message>
        <source>Fixed Time Interval</source>
        <translation>Fast intervalltid</translation>
    </message>
    <message>
        <source>Minimum Time Interval</source>
        <translation>Minsta intervalltid</translation>
    </message>
    <message>
        <source>Color/Audio</source>
        <translation>Färg/ljud</translation>
    </message>
    <message>
        <source>Complex Choice Color/Audio Settings</source>
        <translation>Inställningar: valreaktion färg/ljud</translation>
    </message>
    <message>
        <source>Display Time</source>
        <translation>Visningstid</translation>
    </message>
    <message>
        <source>Color and Audio</source>
        <translation>Färg och ljud</translation>
    </message>
    <message>
        <source>Color no Audio</source>
        <translation>Färg utan ljud</translation>
    </message>
    <message>
        <source>Make Sound</source>
        <translation>Spela ljud</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nej</translation>
    </message>
    <message>
        <source>Elements</source>
        <translation>Element</translation>
    </message>
    <message>
        <source>Elements in Set</source>
        <translation>Element i omgång</translation>
    </message>
    <message>
        <source>Trigger Element</source>
        <translation>Målelement</translation>
    </message>
    <message>
        <source>Trigger Element Color</source>
        <translation>Målelementets färg</translation>
    </message>
    <message>
        <source>Color of the trigger element: click to choose another</source>
        <translation>Målelementets färg: klicka för att välja en annan</translation>
    </message>
    <message>
        <source>Element</source>
        <translation>Element</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Färg</translation>
    </message>
    <message>
        <source>Choose the color of this element</source>
        <translation>Välj färgen för det här elementet</translation>
    </message>
    <message>
        <source>Element Colors</source>
        <translation>Elementfärger</translation>
    </message>
    <message>
        <source>Element 1 Color</source>
        <translation>Färg för element 1</translation>
    </message>
    <message>
        <source>Color of element 1: click to choose another (grey: not in use)</source>
        <translation>Färg för element 1: klicka för att välja en annan (grå: används inte)</translation>
    </message>
    <message>
        <source>Element 2 Color</source>
        <translation>Färg för element 2</translation>
    </message>
    <message>
        <source>Color of element 2: click to choose another (grey: not in use)</source>
        <translation>Färg för element 2: klicka för att välja en annan (grå: används inte)</translation>
    </message>
    <message>
        <source>Element 3 Color</source>
        <translation>Färg för element 3</translation>
    </message>
    <message>
        <source>Color of element 3: click to choose another (grey: not in use)</source>
        <translation>Färg för element 3: klicka för att välja en annan (grå: används inte)</translation>
    </message>
    <message>
        <source>Element 4 Color</source>
        <translation>Färg för element 4</translation>
    </message>
    <message>
        <source>Color of element 4: click to choose another (grey: not in use)</source>
        <translation>Färg för element 4: klicka för att välja en annan (grå: används inte)</translation>
    </message>
    <message>
        <source>Element 5 Color</source>
        <translation>Färg för element 5</translation>
    </message>
    <message>
        <source>Color of element 5: click to choose another (grey: not in use)</source>
        <translation>Färg för element 5: klicka för att välja en annan (grå: används inte)</translation>
    </message>
    <message>
        <source>Element 6 Color</source>
        <translation>Färg för element 6</translation>
    </message>
    <message>
        <source>Color of element 6: click to choose another (grey: not in use)</source>
        <translation>Färg för element 6: klicka för att välja en annan (grå: används inte)</translation>
    </message>
    <message>
        <source>Element 7 Color</source>
        <translation>Färg för element 7</translation>
    </message>
    <message>
        <source>Color of element 7: click to choose another (grey: not in use)</source>
        <translation>Färg för element 7: klicka för att välja en annan (grå: används inte)</translation>
    </message>
    <message>
        <source>Element 8 Color</source>
        <translation>Färg för element 8</translation>
    </message>
    <message>
        <source>Color of element 8: click to choose another (grey: not in use)</source>
        <translation>Färg för element 8: klicka för att välja en annan (grå: används inte)</translation>
    </message>
    <message>
        <source>Element 9 Color</source>
        <translation>Färg för element 9</translation>
    </message>
    <message>
        <source>Color of element 9: click to choose another (grey: not in use)</source>
        <translation>Färg för element 9: klicka för att välja en annan (grå: används inte)</translation>
    </message>
    <message>
        <source>Element 10 Color</source>
        <translation>Färg för element 10</translation>
    </message>
    <message>
        <source>Color of element 10: click to choose another (grey: not in use)</source>
        <translation>Färg för element 10: klicka för att välja en annan (grå: används inte)</translation>
    </message>
    <message>
        <source>Num/Audio</source>
        <translation>Tal/ljud</translation>
    </message>
    <message>
        <source>Complex Choice Numbers/Audio Settings</source>
        <translation>Inställningar: valreaktion tal/ljud</translation>
    </message>
    <message>
        <source>Number and Audio</source>
        <translation>Tal och ljud</translation>
    </message>
    <message>
        <source>Number no Audio</source>
        <translation>Tal utan ljud</translation>
    </message>
    <message>
        <source>Trigger Number</source>
        <translation>Måltal</translation>
    </message>
    <message>
        <source>The number of the trigger element</source>
        <translation>Målelementets tal</translation>
    </message>
    <message>
        <source>Element Number</source>
        <translation>Elementets tal</translation>
    </message>
    <message>
        <source>The number of this element (0 to 99)</source>
        <translation>Talet för det här elementet (0 till 99)</translation>
    </message>
    <message>
        <source>Element Numbers</source>
        <translation>Elementtal</translation>
    </message>
    <message>
        <source>Element 1 Number</source>
        <translation>Tal för element 1</translation>
    </message>
    <message>
        <source>Element 2 Number</source>
        <translation>Tal för element 2</translation>
    </message>
    <message>
        <source>Element 3 Number</source>
        <translation>Tal för element 3</translation>
    </message>
    <message>
        <source>Element 4 Number</source>
        <translation>Tal för element 4</translation>
    </message>
    <message>
        <source>Element 5 Number</source>
        <translation>Tal för element 5</translation>
    </message>
    <message>
        <source>Element 6 Number</source>
        <translation>Tal för element 6</translation>
    </message>
    <message>
        <source>Element 7 Number</source>
        <translation>Tal för element 7</translation>
    </message>
    <message>
        <source>Element 8 Number</source>
        <translation>Tal för element 8</translation>
    </message>
    <message>
        <source>Element 9 Number</source>
        <translation>Tal för element 9</translation>
    </message>
    <message>
        <source>Element 10 Number</source>
        <translation>Tal för element 10</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volym</translation>
    </message>
    <message>
        <source>Master volume of the speakers</source>
        <translation>Högtalarnas huvudvolym</translation>
    </message>
    <message>
        <source>Volume Setting</source>
        <translation>Volyminställning</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Avbryt</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>Åter&amp;gå</translation>
    </message>
    <message>
        <source>Back to the configuration loaded at start-up</source>
        <translation>Tillbaka till konfigurationen som lästes in vid start</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Läs in</translation>
    </message>
    <message>
        <source>Load a configuration file</source>
        <translation>Läs in en konfigurationsfil</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Spara</translation>
    </message>
    <message>
        <source>Save the configuration to a file</source>
        <translation>Spara konfigurationen i en fil</translation>
    </message>
</context>
<context>
    <name>frmChoiceReflexDisplay</name>
    <message>
        <source>Complex Choice Color/Audio Stimulus Module Data Display</source>
        <translation>Valreaktion färg/ljud: resultat</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logotyp</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Set 1</source>
        <translation>Omgång 1</translation>
    </message>
    <message>
        <source>Run Data</source>
        <translation>Försök</translation>
    </message>
    <message>
        <source>Run 1</source>
        <translation>Försök 1</translation>
    </message>
    <message>
        <source>Run 2</source>
        <translation>Försök 2</translation>
    </message>
    <message>
        <source>Run 3</source>
        <translation>Försök 3</translation>
    </message>
    <message>
        <source>Run 4</source>
        <translation>Försök 4</translation>
    </message>
    <message>
        <source>Run 5</source>
        <translation>Försök 5</translation>
    </message>
    <message>
        <source>Run 6</source>
        <translation>Försök 6</translation>
    </message>
    <message>
        <source>Run 7</source>
        <translation>Försök 7</translation>
    </message>
    <message>
        <source>Run 8</source>
        <translation>Försök 8</translation>
    </message>
    <message>
        <source>Run 9</source>
        <translation>Försök 9</translation>
    </message>
    <message>
        <source>Run 10</source>
        <translation>Försök 10</translation>
    </message>
    <message>
        <source>Run Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Fast Time</source>
        <translation>Snabbaste tid</translation>
    </message>
    <message>
        <source>Slow Time</source>
        <translation>Långsammaste tid</translation>
    </message>
    <message>
        <source>Average Time</source>
        <translation>Medelvärde</translation>
    </message>
    <message>
        <source>Outcomes</source>
        <translation>Utfall</translation>
    </message>
    <message>
        <source>Correct Hits</source>
        <translation>Rätta träffar</translation>
    </message>
    <message>
        <source>Correct Misses</source>
        <translation>Rätt utelämnade</translation>
    </message>
    <message>
        <source>InCorrect Hits</source>
        <translation>Fel träffar</translation>
    </message>
    <message>
        <source>Missed Hits</source>
        <translation>Missade träffar</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Kommentarer</translation>
    </message>
    <message>
        <source>Set 2</source>
        <translation>Omgång 2</translation>
    </message>
    <message>
        <source>Set 3</source>
        <translation>Omgång 3</translation>
    </message>
    <message>
        <source>Set 4</source>
        <translation>Omgång 4</translation>
    </message>
    <message>
        <source>Set 5</source>
        <translation>Omgång 5</translation>
    </message>
    <message>
        <source>Set 6</source>
        <translation>Omgång 6</translation>
    </message>
    <message>
        <source>Set 7</source>
        <translation>Omgång 7</translation>
    </message>
    <message>
        <source>Set 8</source>
        <translation>Omgång 8</translation>
    </message>
    <message>
        <source>Set 9</source>
        <translation>Omgång 9</translation>
    </message>
    <message>
        <source>Set 10</source>
        <translation>Omgång 10</translation>
    </message>
    <message>
        <source>Fastest Times</source>
        <translation>Snabbast</translation>
    </message>
    <message>
        <source>Set Data For Fastest Times</source>
        <translation>Omgångsdata: snabbaste tider</translation>
    </message>
    <message>
        <source>Slowest Times</source>
        <translation>Långsammast</translation>
    </message>
    <message>
        <source>Set Data For Slowest Times</source>
        <translation>Omgångsdata: långsammaste tider</translation>
    </message>
    <message>
        <source>Average Times</source>
        <translation>Medel</translation>
    </message>
    <message>
        <source>Set Data For Average Times</source>
        <translation>Omgångsdata: medelvärden</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Skriv ut</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Läs in</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Spara</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportera</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Rensa allt</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Klar</translation>
    </message>
</context>
<context>
    <name>frmColorReflex</name>
    <message>
        <source>Complex Choice Color/Audio Stimulus Module</source>
        <translation>Valreaktion färg/ljud</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logotyp</translation>
    </message>
    <message>
        <source>Complex Choice Color/Audio Stimulus</source>
        <translation>Valreaktion på färg och ljud</translation>
    </message>
    <message>
        <source>Trigger On</source>
        <translation>Stimulustyp</translation>
    </message>
    <message>
        <source>Trigger Element</source>
        <translation>Målelement</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ljud</translation>
    </message>
    <message>
        <source>Press Here</source>
        <translation>Tryck här</translation>
    </message>
    <message>
        <source>Element Display</source>
        <translation>Elementvisning</translation>
    </message>
    <message>
        <source>Set Indicator</source>
        <translation>Omgång</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tid</translation>
    </message>
    <message>
        <source>Previous Time</source>
        <translation>Föregående tid</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Skillnad</translation>
    </message>
    <message>
        <source>Average Time</source>
        <translation>Medelvärde</translation>
    </message>
    <message>
        <source>Run Count</source>
        <translation>Antal försök</translation>
    </message>
    <message>
        <source>Correct Hits</source>
        <translation>Rätta träffar</translation>
    </message>
    <message>
        <source>Incorrect Hits</source>
        <translation>Fel träffar</translation>
    </message>
    <message>
        <source>Correct Misses</source>
        <translation>Rätt utelämnade</translation>
    </message>
    <message>
        <source>Missed Hits</source>
        <translation>Missade träffar</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beskrivning</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Alternativ</translation>
    </message>
    <message>
        <source>Clear Set</source>
        <translation>Rensa omgång</translation>
    </message>
    <message>
        <source>Next Set</source>
        <translation>Nästa omgång</translation>
    </message>
    <message>
        <source>Prev Set</source>
        <translation>Förra omgång</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Resultat</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Klar</translation>
    </message>
</context>
<context>
    <name>frmColorSelect</name>
    <message>
        <source>Color Selection</source>
        <translation>Färgval</translation>
    </message>
    <message>
        <source>Current Color:</source>
        <translation>Aktuell färg:</translation>
    </message>
    <message>
        <source>Current Color</source>
        <translation>Aktuell färg</translation>
    </message>
    <message>
        <source>Color Selected:</source>
        <translation>Vald färg:</translation>
    </message>
    <message>
        <source>Color Selected</source>
        <translation>Vald färg</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>&amp;Välj</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Avbryt</translation>
    </message>
</context>
<context>
    <name>frmDisplay</name>
    <message>
        <source>Simple Choice Stimulus Module Data Display</source>
        <translation>Enkel reaktion: resultat</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logotyp</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Set 1</source>
        <translation>Omgång 1</translation>
    </message>
    <message>
        <source>Run Data</source>
        <translation>Försök</translation>
    </message>
    <message>
        <source>Run 1</source>
        <translation>Försök 1</translation>
    </message>
    <message>
        <source>Run 2</source>
        <translation>Försök 2</translation>
    </message>
    <message>
        <source>Run 3</source>
        <translation>Försök 3</translation>
    </message>
    <message>
        <source>Run 4</source>
        <translation>Försök 4</translation>
    </message>
    <message>
        <source>Run 5</source>
        <translation>Försök 5</translation>
    </message>
    <message>
        <source>Run 6</source>
        <translation>Försök 6</translation>
    </message>
    <message>
        <source>Run 7</source>
        <translation>Försök 7</translation>
    </message>
    <message>
        <source>Run 8</source>
        <translation>Försök 8</translation>
    </message>
    <message>
        <source>Run 9</source>
        <translation>Försök 9</translation>
    </message>
    <message>
        <source>Run 10</source>
        <translation>Försök 10</translation>
    </message>
    <message>
        <source>Run Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Fast Time</source>
        <translation>Snabbaste tid</translation>
    </message>
    <message>
        <source>Slow Time</source>
        <translation>Långsammaste tid</translation>
    </message>
    <message>
        <source>Average Time</source>
        <translation>Medelvärde</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Kommentarer</translation>
    </message>
    <message>
        <source>Set 2</source>
        <translation>Omgång 2</translation>
    </message>
    <message>
        <source>Set 3</source>
        <translation>Omgång 3</translation>
    </message>
    <message>
        <source>Set 4</source>
        <translation>Omgång 4</translation>
    </message>
    <message>
        <source>Set 5</source>
        <translation>Omgång 5</translation>
    </message>
    <message>
        <source>Set 6</source>
        <translation>Omgång 6</translation>
    </message>
    <message>
        <source>Set 7</source>
        <translation>Omgång 7</translation>
    </message>
    <message>
        <source>Set 8</source>
        <translation>Omgång 8</translation>
    </message>
    <message>
        <source>Set 9</source>
        <translation>Omgång 9</translation>
    </message>
    <message>
        <source>Set 10</source>
        <translation>Omgång 10</translation>
    </message>
    <message>
        <source>Fastest Times</source>
        <translation>Snabbast</translation>
    </message>
    <message>
        <source>Set Data For Fastest Times</source>
        <translation>Omgångsdata: snabbaste tider</translation>
    </message>
    <message>
        <source>Slowest Times</source>
        <translation>Långsammast</translation>
    </message>
    <message>
        <source>Set Data For Slowest Times</source>
        <translation>Omgångsdata: långsammaste tider</translation>
    </message>
    <message>
        <source>Average Times</source>
        <translation>Medel</translation>
    </message>
    <message>
        <source>Set Data For Average Times</source>
        <translation>Omgångsdata: medelvärden</translation>
    </message>
    <message>
        <source>All Data</source>
        <translation>Allt</translation>
    </message>
    <message>
        <source>Data Only Displayed On The Graph</source>
        <translation>Data visas bara i diagrammet</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Skriv ut</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Läs in</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Spara</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportera</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Rensa allt</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Klar</translation>
    </message>
</context>
<context>
    <name>frmLoadDisplay</name>
    <message>
        <source>Loading</source>
        <translation>Läser in</translation>
    </message>
    <message>
        <source>Loading Display Please Wait...</source>
        <translation>Läser in resultaten, vänta...</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Simple vs Complex Stimulus Reaction Timing</source>
        <translation>Reaktionstid för enkla och sammansatta stimuli</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>Enkel</translation>
    </message>
    <message>
        <source>Simple Single Stimulus Module</source>
        <translation>Enkel reaktion på ett stimulus</translation>
    </message>
    <message>
        <source>Color/Audio</source>
        <translation>Färg/ljud</translation>
    </message>
    <message>
        <source>Complex Color/Audio Stimulus Module</source>
        <translation>Valreaktion på färg och ljud</translation>
    </message>
    <message>
        <source>Num/Audio</source>
        <translation>Tal/ljud</translation>
    </message>
    <message>
        <source>Complex Number/Audio Stimulus Module</source>
        <translation>Valreaktion på tal och ljud</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Alternativ</translation>
    </message>
    <message>
        <source>Edit Brev Settings</source>
        <translation>Redigera inställningarna för Brevane</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>Rensa data</translation>
    </message>
    <message>
        <source>Clear All Data Sets</source>
        <translation>Rensa alla omgångar</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>Återställ</translation>
    </message>
    <message>
        <source>Recover Data after a system crash</source>
        <translation>Återställ data efter en systemkrasch</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Om</translation>
    </message>
    <message>
        <source>Display About box</source>
        <translation>Visa Om-rutan</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Avsluta</translation>
    </message>
    <message>
        <source>Quit Brev</source>
        <translation>Avsluta Brevane</translation>
    </message>
    <message>
        <source>Are you sure you want to DELETE ALL DATA ?</source>
        <translation>Vill du verkligen TA BORT ALLA DATA?</translation>
    </message>
    <message>
        <source>Delete All Data</source>
        <translation>Ta bort alla data</translation>
    </message>
    <message>
        <source>Are you sure you want to exit?</source>
        <translation>Vill du verkligen avsluta?</translation>
    </message>
    <message>
        <source>Data NOT saved!<byte value="xd"/></source>
        <translation>Data INTE sparade!<byte value="xd"/></translation>
    </message>
    <message>
        <source>Exit Orv Brevane 2</source>
        <translation>Avsluta Orv Brevane 2</translation>
    </message>
</context>
<context>
    <name>frmNumberReflex</name>
    <message>
        <source>Complex Choice Number/Audio Stimulus Module</source>
        <translation>Valreaktion tal/ljud</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logotyp</translation>
    </message>
    <message>
        <source>Complex Choice Number/Audio Stimulus</source>
        <translation>Valreaktion på tal och ljud</translation>
    </message>
    <message>
        <source>Trigger On</source>
        <translation>Stimulustyp</translation>
    </message>
    <message>
        <source>Trigger Element</source>
        <translation>Målelement</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ljud</translation>
    </message>
    <message>
        <source>Press Here</source>
        <translation>Tryck här</translation>
    </message>
    <message>
        <source>Element Display</source>
        <translation>Elementvisning</translation>
    </message>
    <message>
        <source>Set Indicator</source>
        <translation>Omgång</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tid</translation>
    </message>
    <message>
        <source>Previous Time</source>
        <translation>Föregående tid</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Skillnad</translation>
    </message>
    <message>
        <source>Average Time</source>
        <translation>Medelvärde</translation>
    </message>
    <message>
        <source>Run Count</source>
        <translation>Antal försök</translation>
    </message>
    <message>
        <source>Correct Hits</source>
        <translation>Rätta träffar</translation>
    </message>
    <message>
        <source>Incorrect Hits</source>
        <translation>Fel träffar</translation>
    </message>
    <message>
        <source>Correct Misses</source>
        <translation>Rätt utelämnade</translation>
    </message>
    <message>
        <source>Missed Hits</source>
        <translation>Missade träffar</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beskrivning</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Alternativ</translation>
    </message>
    <message>
        <source>Clear Set</source>
        <translation>Rensa omgång</translation>
    </message>
    <message>
        <source>Next Set</source>
        <translation>Nästa omgång</translation>
    </message>
    <message>
        <source>Prev Set</source>
        <translation>Förra omgång</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Resultat</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Klar</translation>
    </message>
</context>
<context>
    <name>frmPrint</name>
    <message>
        <source>Print Data</source>
        <translation>Skriv ut data</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Titel:</translation>
    </message>
    <message>
        <source>Select Sets To Print</source>
        <translation>Välj omgångar att skriva ut</translation>
    </message>
    <message>
        <source>Set 1</source>
        <translation>Omgång 1</translation>
    </message>
    <message>
        <source>Set 2</source>
        <translation>Omgång 2</translation>
    </message>
    <message>
        <source>Set 3</source>
        <translation>Omgång 3</translation>
    </message>
    <message>
        <source>Set 4</source>
        <translation>Omgång 4</translation>
    </message>
    <message>
        <source>Set 5</source>
        <translation>Omgång 5</translation>
    </message>
    <message>
        <source>Set 6</source>
        <translation>Omgång 6</translation>
    </message>
    <message>
        <source>Set 7</source>
        <translation>Omgång 7</translation>
    </message>
    <message>
        <source>Set 8</source>
        <translation>Omgång 8</translation>
    </message>
    <message>
        <source>Set 9</source>
        <translation>Omgång 9</translation>
    </message>
    <message>
        <source>Set 10</source>
        <translation>Omgång 10</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Markera alla</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Ställ in</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>UnSelectAll</source>
        <translation>Avmarkera alla</translation>
    </message>
    <message>
        <source>SelectAll</source>
        <translation>Markera alla</translation>
    </message>
    <message>
        <source>You must select atleast ONE set to Print</source>
        <translation>Du måste välja minst EN omgång att skriva ut</translation>
    </message>
    <message>
        <source>Printing Error</source>
        <translation>Utskriftsfel</translation>
    </message>
</context>
<context>
    <name>frmReflex</name>
    <message>
        <source>Simple Choice Stimulus Module</source>
        <translation>Enkel reaktion</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logotyp</translation>
    </message>
    <message>
        <source>Simple Choice Stimulus</source>
        <translation>Enkel reaktion på ett stimulus</translation>
    </message>
    <message>
        <source>           Visual Trigger</source>
        <translation>             Ljusstimulus</translation>
    </message>
    <message>
        <source>Press Here</source>
        <translation>Tryck här</translation>
    </message>
    <message>
        <source>Stimulus</source>
        <translation>Stimulus</translation>
    </message>
    <message>
        <source>Speaker</source>
        <translation>Högtalare</translation>
    </message>
    <message>
        <source>Set Indicator</source>
        <translation>Omgång</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Omgång</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beskrivning</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tid</translation>
    </message>
    <message>
        <source>Previous Time</source>
        <translation>Föregående tid</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Skillnad</translation>
    </message>
    <message>
        <source>Average Time</source>
        <translation>Medelvärde</translation>
    </message>
    <message>
        <source>Run Count</source>
        <translation>Antal försök</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Alternativ</translation>
    </message>
    <message>
        <source>Clear Set</source>
        <translation>Rensa omgång</translation>
    </message>
    <message>
        <source>Next Set</source>
        <translation>Nästa omgång</translation>
    </message>
    <message>
        <source>Prev Set</source>
        <translation>Förra omgång</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Resultat</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Klar</translation>
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
        <translation>Reaktionstid för enkla och sammansatta stimuli</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Förlopp</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>there is no translation for &quot;%1&quot;; the program is shown in English</source>
        <translation>det finns ingen översättning för ”%1”; programmet visas på engelska</translation>
    </message>
</context>
<context>
    <name>summary</name>
    <message>
        <source>The class summary of reaction-time files (recover.dat, .nrm and .col files, or folders of them):
sets.csv, students.csv, class.csv, class-notes.txt, class-chart.pdf and class-chart.png.</source>
        <translation>Klassöversikten över reaktionstidsfiler (recover.dat, .nrm- och .col-filer, eller mappar med sådana):
sets.csv, students.csv, class.csv, class-notes.txt, class-chart.pdf och class-chart.png.</translation>
    </message>
    <message>
        <source>Write into &lt;folder&gt; (default: the current folder).</source>
        <translation>Skriv i &lt;mapp&gt; (standard: den aktuella mappen).</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>mapp</translation>
    </message>
    <message>
        <source>The .col files are the colour test&apos;s.</source>
        <translation>.col-filerna är färgtestets.</translation>
    </message>
    <message>
        <source>The .col files are the number test&apos;s.</source>
        <translation>.col-filerna är taltestets.</translation>
    </message>
    <message>
        <source>Name each student after their folder or their files&apos; names.</source>
        <translation>Namnge varje student efter sin mapp eller sina filers namn.</translation>
    </message>
    <message>
        <source>Start each CSV file with a UTF-8 mark.</source>
        <translation>Börja varje CSV-fil med en UTF-8-markering.</translation>
    </message>
    <message>
        <source>Write again whenever a file changes, until stopped.</source>
        <translation>Skriv igen så fort en fil ändras, tills det stoppas.</translation>
    </message>
    <message>
        <source>As --watch, with the chart in a window.</source>
        <translation>Som --watch, med diagrammet i ett fönster.</translation>
    </message>
    <message>
        <source>Data files and folders.</source>
        <translation>Datafiler och mappar.</translation>
    </message>
    <message>
        <source>path...</source>
        <translation>sökväg...</translation>
    </message>
    <message>
        <source>--colour and --number exclude each other: summarise each test&apos;s .col files apart</source>
        <translation>--colour och --number utesluter varandra: sammanfatta varje tests .col-filer separat</translation>
    </message>
    <message>
        <source>--student-from takes folder or name, not %1</source>
        <translation>--student-from tar folder eller name, inte %1</translation>
    </message>
    <message>
        <source>no file could be read; nothing written</source>
        <translation>ingen fil kunde läsas; inget skrevs</translation>
    </message>
    <message>
        <source>Count a folder&apos;s files as its owners handed them in (yes), or by their names (no); by default the owners decide in a hand-in folder, one that others may enter but not list.</source>
        <translation>Räkna en mapps filer som inlämnade av sina ägare (yes), eller efter sina namn (no); som standard avgör ägarna i en inlämningsmapp, en mapp som andra kan gå in i men inte lista.</translation>
    </message>
    <message>
        <source>Say whether the hand-in folder &lt;folder&gt; is set up as one of the guide&apos;s recipes, and what is wrong; nothing is summarised.</source>
        <translation>Ange om inlämningsmappen &lt;mapp&gt; är upplagd enligt något av guidens recept, och vad som är fel; inget sammanfattas.</translation>
    </message>
    <message>
        <source>--owners takes yes or no, not %1</source>
        <translation>--owners tar yes eller no, inte %1</translation>
    </message>
</context>
</TS>
