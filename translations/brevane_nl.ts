<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>ClassChart</name>
    <message>
        <source>Class reaction times: simple against choice</source>
        <translation>Reactietijden van de klas: eenvoudige reactie tegenover keuzereactie</translation>
    </message>
    <message>
        <source>One dot for each student&apos;s mean reaction time (%1): the mean of their set means, in whole ms as stored. Box: lower to upper quartile; thick line: median; whiskers: the furthest means within 1.5 box lengths.</source>
        <translation>Eén punt voor de gemiddelde reactietijd van elke student (%1): het gemiddelde van de setgemiddelden, in hele ms zoals opgeslagen. Doos: onderste tot bovenste kwartiel; dikke lijn: mediaan; snorharen: de verste gemiddelden binnen 1,5 dooslengte.</translation>
    </message>
    <message numerus="yes">
        <source>%n student(s)</source>
        <translation>
            <numerusform>%n student</numerusform>
            <numerusform>%n studenten</numerusform>
        </translation>
    </message>
    <message>
        <source>No reaction times in the files read</source>
        <translation>Geen reactietijden in de gelezen bestanden</translation>
    </message>
    <message>
        <source>n = %1, mean %2 ms</source>
        <translation>n = %1, gemiddelde %2 ms</translation>
    </message>
    <message>
        <source>%1 − simple: %2 ms (95 % CI %3 to %4, %5 students)</source>
        <translation>%1 − eenvoudig: %2 ms (95%-BI %3 tot %4, %5 studenten)</translation>
    </message>
    <message>
        <source>Class reaction times</source>
        <translation>Reactietijden van de klas</translation>
    </message>
    <message>
        <source>Bars beside each box: every run that counts (%1 runs; class-notes.txt says which), as shares of the test&apos;s runs in bins of %2 ms.</source>
        <translation>Staven naast elke doos: elke poging die telt (%1 pogingen; class-notes.txt zegt welke), als aandeel van de pogingen van de test in klassen van %2 ms.</translation>
    </message>
    <message>
        <source>reaction time (ms)</source>
        <translation>reactietijd (ms)</translation>
    </message>
</context>
<context>
    <name>ClassFiles</name>
    <message>
        <source>not a recover.dat, .nrm or .col file</source>
        <translation>geen recover.dat-, .nrm- of .col-bestand</translation>
    </message>
    <message>
        <source>left out %1: a shared account&apos;s recover.dat holds whoever ran last</source>
        <translation>%1 weggelaten: de recover.dat van een gedeeld account bevat alleen wie het laatst testte</translation>
    </message>
    <message>
        <source>a named pipe (FIFO), not read</source>
        <translation>een named pipe (FIFO), niet gelezen</translation>
    </message>
    <message>
        <source>a socket, not read</source>
        <translation>een socket, niet gelezen</translation>
    </message>
    <message>
        <source>a device, not read</source>
        <translation>een apparaat, niet gelezen</translation>
    </message>
    <message>
        <source>a link, not followed in a hand-in folder</source>
        <translation>een koppeling, in een inlevermap niet gevolgd</translation>
    </message>
    <message>
        <source>handed in by user %1 beside the students&apos; folders, not in one</source>
        <translation>ingeleverd door gebruiker %1 naast de mappen van de studenten, niet in een ervan</translation>
    </message>
    <message>
        <source>no user %1 on this machine; the folder is left out</source>
        <translation>geen gebruiker %1 op deze computer; de map wordt weggelaten</translation>
    </message>
    <message>
        <source>the folder belongs to user %1, not %2; its files are left out</source>
        <translation>de map is van gebruiker %1, niet van %2; de bestanden erin worden weggelaten</translation>
    </message>
    <message>
        <source>a folder within a student&apos;s folder, not read</source>
        <translation>een map binnen de map van een student, niet gelezen</translation>
    </message>
    <message>
        <source>handed in by user %1, not %2</source>
        <translation>ingeleverd door gebruiker %1, niet %2</translation>
    </message>
    <message>
        <source>in a folder of user %1, not %2</source>
        <translation>in een map van gebruiker %1, niet %2</translation>
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
        <translation>De computers

Elke opgeslagen tijd bevat wat de computer waarop ze is gemeten eraan toevoegt: de vertraging van
het beeldscherm (de kleurprikkels) of van de geluidsuitvoer (de tonen), en die van de muis (de polling,
het ontdenderen, het invoerpad). De computercontrole (brevane --check-machine) heeft ze op elke computer
hieronder gemeten met een fotodiode, een luskabel en een microfoon via de geluidskaart; de reactietijd
van een student is ongeveer de opgeslagen tijd min de vertraging van het prikkeldeel en die van de muis.
Binnen één computer veranderen ze een verschil tussen tests (keuze min eenvoudig) niet, dus de gepaarde
intervallen in class.csv blijven gelden; tijden van computers met andere vertragingen zijn langer of
korter met dat verschil. sets.csv en students.csv eindigen met de computer van elk bestand en diens vertragingen.

</translation>
    </message>
    <message>
        <source>%1 (checked %2; %3; files: %4): %5
</source>
        <translation>%1 (gecontroleerd %2; %3; bestanden: %4): %5
</translation>
    </message>
    <message>
        <source>mode not known</source>
        <translation>modus onbekend</translation>
    </message>
    <message>
        <source>Screen and mouse together add %1 to %2 ms on these machines: a visual time measured on
one may differ from another&apos;s by up to %3 ms from the machines alone.
</source>
        <translation>Beeldscherm en muis samen voegen op deze computers %1 tot %2 ms toe: een visuele tijd gemeten op
de ene kan door de computers alleen tot %3 ms verschillen van die op een andere.
</translation>
    </message>
</context>
<context>
    <name>ClassRun</name>
    <message>
        <source>skipped %1: %2</source>
        <translation>%1 overgeslagen: %2</translation>
    </message>
    <message>
        <source>%1 is a copy of %2: read once</source>
        <translation>%1 is een kopie van %2: één keer gelezen</translation>
    </message>
    <message>
        <source>%1 of %2 files read</source>
        <translation>%1 van %2 bestanden gelezen</translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>kan de map %1 niet aanmaken</translation>
    </message>
    <message>
        <source>could not write %1: %2</source>
        <translation>kon %1 niet schrijven: %2</translation>
    </message>
    <message>
        <source>%1 read</source>
        <translation>%1 gelezen</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n bestand</numerusform>
            <numerusform>%n bestanden</numerusform>
        </translation>
    </message>
    <message>
        <source> (and %1 read once)</source>
        <translation> (en %1 één keer gelezen)</translation>
    </message>
    <message numerus="yes">
        <source>%n copy(ies)</source>
        <translation>
            <numerusform>%n kopie</numerusform>
            <numerusform>%n kopieën</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2 skipped; %3 (%4 by folder, %5 by file name); tests: %6</source>
        <translation>%1, %2 overgeslagen; %3 (%4 per map, %5 per bestandsnaam); tests: %6</translation>
    </message>
    <message numerus="yes">
        <source>%n student(s)</source>
        <translation>
            <numerusform>%n student</numerusform>
            <numerusform>%n studenten</numerusform>
        </translation>
    </message>
    <message>
        <source>none</source>
        <translation>geen</translation>
    </message>
</context>
<context>
    <name>ClassSummary</name>
    <message>
        <source>.%1 file</source>
        <translation>.%1-bestand</translation>
    </message>
    <message>
        <source>it has %1 lines; a %2 has %3</source>
        <translation>het heeft %1 regels; een %2 heeft er %3</translation>
    </message>
    <message>
        <source>line %1 is not what a %2 holds there</source>
        <translation>regel %1 is niet wat een %2 daar bevat</translation>
    </message>
    <message>
        <source>it has more than the %1 lines of a %2</source>
        <translation>het heeft meer dan de %1 regels van een %2</translation>
    </message>
    <message>
        <source>%1: %2 holds %3 sets that %4 holds too; each taken once</source>
        <translation>%1: %2 bevat %3 sets die ook in %4 staan; elk één keer genomen</translation>
    </message>
    <message>
        <source>%1 has two different %2 files, %3 and %4: both kept as separate sets</source>
        <translation>%1 heeft twee verschillende %2-bestanden, %3 en %4: beide als aparte sets behouden</translation>
    </message>
    <message>
        <source>%1 handed in</source>
        <translation>Ingeleverd: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n student(s)</source>
        <translation>
            <numerusform>%n student</numerusform>
            <numerusform>%n studenten</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>cannot create or enter the folder %1; files are kept in %2</source>
        <translation>kan de map %1 niet aanmaken of openen; bestanden worden bewaard in %2</translation>
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
        <translation>Gebruik: %1 [--user-folder] [--hand-in MAP] [--unlock] [--language CODE]
            [CONFIGURATIEBESTAND]
         %1 --timing-check | --check-machine | --version | --help

Reactietijd bij eenvoudige en complexe prikkels: de reactietijden van een
student op een toon, een kleurwissel of beide: een eenvoudige en twee keuzetests.

  CONFIGURATIEBESTAND de configuratie die in plaats van %2 wordt gebruikt; een
                      relatieve naam geldt in de map waarin bestanden staan
  --user-folder       bestanden in de gebruikersmap, die zo nodig wordt gemaakt:
                      %3
                      (zo start het menu-item op het bureaublad het programma)
  --hand-in MAP       lever ook elk opgeslagen .nrm- en .col-bestand en elke
                      recover.dat in bij MAP/&lt;inlognaam&gt;/, voor de docent
                      (voor alle gebruikers: /etc/xdg/Brevane/Brevane.conf;
                      man brevane)
  --unlock            waar het lab de instellingen vergrendelt: laat een lid van
                      de docentengroep van het lab ze in deze sessie wijzigen
  --timing-check      toon een knipperend vlak voor een fotodiode of camera, met
                      de verversingsfrequentie, de jitter van de beeldtijden en
                      de gebruikte tijdstempelbronnen (Esc of een klik stopt het)
  --check-machine     controleer deze pc van begin tot eind via de geluidsingang:
                      het scherm met een fotodiode, het geluid met een kabel van
                      de uitgang, de muis via zijn klik; bewaart de vertragingen
                      voor het infovenster en het klasoverzicht (docs/guide.md)
  --language CODE     toon het programma in deze taal (de, ja, ar, ...; Engels
                      waar er geen vertaling is) in plaats van die van het
                      systeem of die uit Brevane.conf
  --version           toon de versie en stop
  --help              toon deze tekst en stop

Bestanden staan in de huidige map, of met --user-folder in de map hierboven:
%2 (de configuratie, met de standaardwaarden geschreven als ze ontbreekt)
en recover.dat (de sets van elke test, herschreven aan het eind van een reeks;
Herstellen in het hoofdmenu leest het terug). De bestandsvensters openen daar;
resultaatbestanden (.nrm, .col) komen waar u ze opslaat.
</translation>
    </message>
</context>
<context>
    <name>DisplayStamps</name>
    <message>
        <source>; times may be one frame long: see the guide</source>
        <translation>; tijden kunnen een beeld langer zijn: zie de handleiding</translation>
    </message>
    <message>
        <source>The window system does not say when a frame is shown</source>
        <translation>Het venstersysteem meldt niet wanneer een beeld wordt getoond</translation>
    </message>
    <message>
        <source>The X server does not say when a frame is shown</source>
        <translation>De X-server meldt niet wanneer een beeld wordt getoond</translation>
    </message>
    <message>
        <source>XWayland shows the window through the Wayland compositor</source>
        <translation>XWayland toont het venster via de Wayland-compositor</translation>
    </message>
    <message>
        <source>Some stimuli were stamped by %1</source>
        <translation>Sommige prikkels kregen hun tijdstempel van %1</translation>
    </message>
    <message>
        <source>the display&apos;s refresh</source>
        <translation>de verversing van het scherm</translation>
    </message>
    <message>
        <source>the X server&apos;s refresh, not the pixel&apos;s</source>
        <translation>de verversing van de X-server, niet die van de pixel</translation>
    </message>
    <message>
        <source>the compositor&apos;s frame timings</source>
        <translation>de beeldtimings van de compositor</translation>
    </message>
    <message>
        <source>the screen read back</source>
        <translation>het teruggelezen scherm</translation>
    </message>
    <message>
        <source>the Wayland compositor&apos;s report of the frame</source>
        <translation>de melding van het beeld door de Wayland-compositor</translation>
    </message>
    <message>
        <source>the hand-over to the X server</source>
        <translation>de overdracht aan de X-server</translation>
    </message>
    <message>
        <source>the clock after a repaint</source>
        <translation>de klok na het hertekenen</translation>
    </message>
    <message>
        <source>%1 (exact)</source>
        <translation>%1 (exact)</translation>
    </message>
    <message>
        <source>%1 (estimated)</source>
        <translation>%1 (geschat)</translation>
    </message>
    <message>
        <source>none</source>
        <translation>geen</translation>
    </message>
    <message>
        <source>%1 Hz</source>
        <translation>%1 Hz</translation>
    </message>
    <message>
        <source>not reported (a virtual screen)</source>
        <translation>niet gemeld (een virtueel scherm)</translation>
    </message>
    <message>
        <source>The Wayland compositor estimates when a frame is shown; times may be one frame long: see the guide</source>
        <translation>De Wayland-compositor schat wanneer een beeld wordt getoond; tijden kunnen een beeld langer zijn: zie de handleiding</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>Reflex Data Files (*.nrm)|*.nrm</source>
        <translation>Reactiegegevens (*.nrm)|*.nrm</translation>
    </message>
    <message>
        <source>Reflex Data Files (*.col)|*.col</source>
        <translation>Reactiegegevens (*.col)|*.col</translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
        File already exisits. Do you want to overwrite?</source>
        <translation><byte value="xd"/>
<byte value="xd"/>
        Het bestand bestaat al. Wilt u het overschrijven?</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Bestand opslaan</translation>
    </message>
    <message>
        <source>Save File Error</source>
        <translation>Fout bij opslaan</translation>
    </message>
    <message>
        <source>Save Cancelled</source>
        <translation>Opslaan geannuleerd</translation>
    </message>
    <message>
        <source>Load File Error</source>
        <translation>Fout bij laden</translation>
    </message>
    <message>
        <source>Load Cancelled</source>
        <translation>Laden geannuleerd</translation>
    </message>
    <message>
        <source>Export to CSV</source>
        <translation>Exporteren naar CSV</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)|*.csv</source>
        <translation>CSV-bestanden (*.csv)|*.csv</translation>
    </message>
</context>
<context>
    <name>FileRead</name>
    <message>
        <source>%1 is a folder, not a file.</source>
        <translation>%1 is een map, geen bestand.</translation>
    </message>
    <message>
        <source>%1 holds %2 MB, far more than any file of this program; it was not read.</source>
        <translation>%1 bevat %2 MB, veel meer dan enig bestand van dit programma; het is niet gelezen.</translation>
    </message>
    <message>
        <source>%1 is far larger than any file of this program; it was not read.</source>
        <translation>%1 is veel groter dan enig bestand van dit programma; het is niet gelezen.</translation>
    </message>
</context>
<context>
    <name>HandIn</name>
    <message>
        <source>Hand-in</source>
        <translation>Inleveren</translation>
    </message>
    <message>
        <source>the hand-in folder is missing</source>
        <translation>de inlevermap ontbreekt</translation>
    </message>
    <message>
        <source>Not handed in to %1: %2.
Your file is saved on this computer; it is handed in at your next save.</source>
        <translation>Niet ingeleverd bij %1: %2.
Uw bestand is op deze computer opgeslagen; het wordt ingeleverd wanneer u weer opslaat.</translation>
    </message>
    <message>
        <source>the hand-in folder is still not answering</source>
        <translation>de inlevermap reageert nog steeds niet</translation>
    </message>
    <message>
        <source>the hand-in folder did not answer</source>
        <translation>de inlevermap reageerde niet</translation>
    </message>
    <message>
        <source>the folder %1 in the hand-in folder is a link, not a folder</source>
        <translation>de map %1 in de inlevermap is een koppeling, geen map</translation>
    </message>
    <message>
        <source>%1 in the hand-in folder is not a folder</source>
        <translation>%1 in de inlevermap is geen map</translation>
    </message>
    <message>
        <source>the folder %1 in the hand-in folder belongs to another user</source>
        <translation>de map %1 in de inlevermap is van een andere gebruiker</translation>
    </message>
</context>
<context>
    <name>HandoutPage</name>
    <message>
        <source>beyond your median ± 3 scaled MADs of the test</source>
        <translation>buiten uw mediaan ± 3 geschaalde MAD&apos;s van de test</translation>
    </message>
    <message>
        <source>beyond your mean ± 3 SD of the test</source>
        <translation>buiten uw gemiddelde ± 3 SD van de test</translation>
    </message>
    <message>
        <source>none cut here</source>
        <translation>hier niets weggelaten</translation>
    </message>
    <message>
        <source>Reaction times of %1</source>
        <translation>Reactietijden van %1</translation>
    </message>
    <message>
        <source>Your times beside your class&apos;s (%1 students), in whole milliseconds as stored.</source>
        <translation>Uw tijden naast die van uw klas (%1 studenten), in hele milliseconden zoals opgeslagen.</translation>
    </message>
    <message>
        <source>test</source>
        <translation>test</translation>
    </message>
    <message>
        <source>sets</source>
        <translation>sets</translation>
    </message>
    <message>
        <source>runs that count</source>
        <translation>pogingen die tellen</translation>
    </message>
    <message>
        <source>mean</source>
        <translation>gemiddelde</translation>
    </message>
    <message>
        <source>median</source>
        <translation>mediaan</translation>
    </message>
    <message>
        <source>anticipations</source>
        <translation>anticipaties</translation>
    </message>
    <message>
        <source>lapses</source>
        <translation>uitvallers</translation>
    </message>
    <message>
        <source>outliers</source>
        <translation>uitschieters</translation>
    </message>
    <message>
        <source>Runs that count: all but missed hits, anticipations (under %1 ms), lapses (over %2 ms) and outliers (%3). mean: the mean of your set means, every time as stored. median, μ, σ, τ: your runs but missed hits, anticipations and lapses; μ, σ, τ: the ex-Gaussian fitted to them, a normal part (μ, σ) plus an exponential part of mean τ, the slow tail; from %4 runs on.</source>
        <translation>Pogingen die tellen: alle behalve gemiste treffers, anticipaties (onder %1 ms), uitvallers (boven %2 ms) en uitschieters (%3). gemiddelde: het gemiddelde van uw setgemiddelden, elke tijd zoals opgeslagen. mediaan, μ, σ, τ: uw pogingen behalve gemiste treffers, anticipaties en uitvallers; μ, σ, τ: de ex-gaussverdeling die erop is gepast, een normaal deel (μ, σ) plus een exponentieel deel met gemiddelde τ, de trage staart; vanaf %4 pogingen.</translation>
    </message>
    <message>
        <source>Grey: the class&apos;s runs that count; outlined: yours, each as shares of its runs. Ticks: the class&apos;s means; the dot: yours.</source>
        <translation>Grijs: de pogingen van de klas die tellen; omlijnd: die van u, elk als aandeel van de eigen pogingen. Streepjes: de gemiddelden van de klas; de stip: het uwe.</translation>
    </message>
    <message>
        <source>No mean: none of your runs is a reaction time.</source>
        <translation>Geen gemiddelde: geen van uw pogingen is een reactietijd.</translation>
    </message>
    <message>
        <source>Your mean, %1 ms; nobody else took this test.</source>
        <translation>Uw gemiddelde, %1 ms; niemand anders heeft deze test gedaan.</translation>
    </message>
    <message>
        <source>Your mean, %1 ms: of the %2 others, %3 faster, %4 slower.</source>
        <translation>Uw gemiddelde, %1 ms: van de %2 anderen %3 sneller, %4 trager.</translation>
    </message>
</context>
<context>
    <name>Handouts</name>
    <message>
        <source>Reaction times: a page for each student</source>
        <translation>Reactietijden: een pagina per student</translation>
    </message>
</context>
<context>
    <name>Lab</name>
    <message>
        <source>The settings are locked by the lab (LockSettings in %1).</source>
        <translation>De instellingen zijn vergrendeld door het lab (LockSettings in %1).</translation>
    </message>
    <message>
        <source>Nobody may unlock the settings here: %1 names no group of teachers (Teachers in its [Lab] section).</source>
        <translation>Niemand mag hier de instellingen ontgrendelen: %1 noemt geen docentengroep (Teachers in de sectie [Lab]).</translation>
    </message>
    <message>
        <source>The settings are locked by the lab (LockSettings in %1); a member of the group %2 may change them by starting the program with --unlock.</source>
        <translation>De instellingen zijn vergrendeld door het lab (LockSettings in %1); een lid van de groep %2 kan ze wijzigen door het programma met --unlock te starten.</translation>
    </message>
    <message>
        <source>Only a member of the group %1 may unlock the settings with --unlock, which %2 is not; the settings stay locked.</source>
        <translation>Alleen een lid van de groep %1 mag de instellingen met --unlock ontgrendelen, en %2 is dat niet; de instellingen blijven vergrendeld.</translation>
    </message>
</context>
<context>
    <name>MachineCheck</name>
    <message>
        <source>%1 of %2 trials</source>
        <translation>%1 van %2 metingen</translation>
    </message>
    <message>
        <source>the signal is too weak (%1): turn the input volume up, or the screen&apos;s brightness, and hold the diode flat on the patch</source>
        <translation>het signaal is te zwak (%1): zet het ingangsvolume of de helderheid van het scherm hoger en houd de diode plat op het vlak</translation>
    </message>
    <message>
        <source>the signal is too weak (%1): turn the output and the input volume up</source>
        <translation>het signaal is te zwak (%1): zet het uitgangs- en het ingangsvolume hoger</translation>
    </message>
    <message>
        <source>the clicks are too faint (%1): put the microphone closer to the mouse and turn the input volume up</source>
        <translation>de klikken zijn te zacht (%1): zet de microfoon dichter bij de muis en het ingangsvolume hoger</translation>
    </message>
    <message>
        <source>the signal is too noisy (%1): keep the room quiet, the cable short and away from the mains, and turn the input volume down if it hums</source>
        <translation>het signaal heeft te veel ruis (%1): houd de ruimte stil, de kabel kort en uit de buurt van het lichtnet, en zet het ingangsvolume lager als het bromt</translation>
    </message>
    <message>
        <source>the recording broke off (%1): close other programs that use the sound card and try again</source>
        <translation>de opname is afgebroken (%1): sluit andere programma&apos;s die de geluidskaart gebruiken en probeer het opnieuw</translation>
    </message>
    <message>
        <source>no flash was seen in %1: is the diode on the patch and plugged into the input that records?</source>
        <translation>geen flits gezien in %1: zit de diode op het vlak en in de ingang die opneemt?</translation>
    </message>
    <message>
        <source>no tone came back in %1: is the output looped to the input that records?</source>
        <translation>geen toon teruggekomen in %1: is de uitgang doorgelust naar de ingang die opneemt?</translation>
    </message>
    <message>
        <source>no click was heard in %1: is the microphone next to the mouse?</source>
        <translation>geen klik gehoord in %1: staat de microfoon naast de muis?</translation>
    </message>
    <message>
        <source>too few trials (%1)</source>
        <translation>te weinig metingen (%1)</translation>
    </message>
</context>
<context>
    <name>MachineResult</name>
    <message>
        <source>it is not a machine check&apos;s result</source>
        <translation>het is geen resultaat van een computercontrole</translation>
    </message>
    <message>
        <source>line %1 is not a part&apos;s lag</source>
        <translation>regel %1 is geen vertraging van een onderdeel</translation>
    </message>
    <message>
        <source>it names no machine</source>
        <translation>het noemt geen computer</translation>
    </message>
    <message>
        <source>%1 %2 ms (SD %3)</source>
        <translation>%1 %2 ms (SD %3)</translation>
    </message>
    <message>
        <source>%1: not measured</source>
        <translation>%1: niet gemeten</translation>
    </message>
    <message>
        <source>Machine check: not done on this machine (brevane --check-machine)</source>
        <translation>Computercontrole: niet gedaan op deze computer (brevane --check-machine)</translation>
    </message>
    <message>
        <source>Machine check (%1, %2): %3</source>
        <translation>Computercontrole (%1, %2): %3</translation>
    </message>
</context>
<context>
    <name>ProgramVersion</name>
    <message>
        <source>Version %1.%2%3</source>
        <translation>Versie %1.%2%3</translation>
    </message>
</context>
<context>
    <name>QtPrinting</name>
    <message>
        <source>The printer %1 could not be opened.</source>
        <translation>De printer %1 kon niet worden geopend.</translation>
    </message>
    <message>
        <source>The printer %1 reported an error.</source>
        <translation>De printer %1 meldde een fout.</translation>
    </message>
    <message>
        <source>The PDF could not be completed.</source>
        <translation>De pdf kon niet worden voltooid.</translation>
    </message>
    <message>
        <source>The PDF could not be started.</source>
        <translation>De pdf kon niet worden gestart.</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Printerinstellingen</translation>
    </message>
</context>
<context>
    <name>RecoveryFile</name>
    <message>
        <source>The recovery file recover.dat could not be written.</source>
        <translation>Het herstelbestand recover.dat kon niet worden geschreven.</translation>
    </message>
    <message>
        <source><byte value="xd"/>Your data are kept in memory.</source>
        <translation><byte value="xd"/>Uw gegevens blijven in het geheugen bewaard.</translation>
    </message>
    <message>
        <source>Recovery File Error</source>
        <translation>Fout in herstelbestand</translation>
    </message>
    <message>
        <source>Load Cancelled</source>
        <translation>Laden geannuleerd</translation>
    </message>
    <message>
        <source>No Recovery File Created or Found</source>
        <translation>Geen herstelbestand aangemaakt of gevonden</translation>
    </message>
    <message>
        <source>Load File Error</source>
        <translation>Fout bij laden</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Fastest Time</source>
        <translation>Snelste tijd</translation>
    </message>
    <message>
        <source>Slowest Time</source>
        <translation>Traagste tijd</translation>
    </message>
    <message>
        <source>Average Time</source>
        <translation>Gemiddelde tijd</translation>
    </message>
    <message>
        <source>Correct Hits</source>
        <translation>Juiste treffers</translation>
    </message>
    <message>
        <source>Correct Misses</source>
        <translation>Terecht overgeslagen</translation>
    </message>
    <message>
        <source>InCorrect Hits</source>
        <translation>Onjuiste treffers</translation>
    </message>
    <message>
        <source>Missed Hits</source>
        <translation>Gemiste treffers</translation>
    </message>
    <message>
        <source>Orv Tovanel:  Color Reflex Data</source>
        <translation>Orv Tovanel:  Reactiegegevens kleur</translation>
    </message>
    <message>
        <source>Orv Tovanel:  Number Reflex Data</source>
        <translation>Orv Tovanel:  Reactiegegevens getal</translation>
    </message>
    <message>
        <source>Set  %1</source>
        <translation>Set  %1</translation>
    </message>
    <message>
        <source>Comments:</source>
        <translation>Opmerkingen:</translation>
    </message>
    <message>
        <source>Save Report As PDF</source>
        <translation>Rapport opslaan als pdf</translation>
    </message>
    <message>
        <source>PDF Files|*.pdf</source>
        <translation>Pdf-bestanden|*.pdf</translation>
    </message>
    <message>
        <source>The file could not be written.</source>
        <translation>Het bestand kon niet worden geschreven.</translation>
    </message>
    <message>
        <source>Print Error<byte value="xd"/></source>
        <translation>Afdrukfout<byte value="xd"/></translation>
    </message>
    <message>
        <source>Print Cancelled</source>
        <translation>Afdrukken geannuleerd</translation>
    </message>
    <message>
        <source>  Slowest Time</source>
        <translation>  Traagste tijd</translation>
    </message>
    <message>
        <source>Orv Tovanel:  Normal Reflex Data</source>
        <translation>Orv Tovanel:  Reactiegegevens eenvoudig</translation>
    </message>
</context>
<context>
    <name>ResultsKind</name>
    <message>
        <source>Complex Choice Color/Audio Stimulus Module Data Display</source>
        <translation>Keuzereactie kleur/geluid: resultaten</translation>
    </message>
    <message>
        <source>Delete run %1 from the set? </source>
        <translation>Poging %1 uit de set verwijderen? </translation>
    </message>
    <message>
        <source>Color Reflex Data Files</source>
        <translation>Reactiegegevens kleur</translation>
    </message>
    <message>
        <source>Complex Choice Number/Audio Stimulus Module Data Display</source>
        <translation>Keuzereactie getal/geluid: resultaten</translation>
    </message>
    <message>
        <source>Delete run %1 for the set? </source>
        <translation>Poging %1 uit de set verwijderen? </translation>
    </message>
    <message>
        <source>Number Reflex Data Files</source>
        <translation>Reactiegegevens getal</translation>
    </message>
    <message>
        <source>Simple Choice Stimulus Module Data Display</source>
        <translation>Eenvoudige reactie: resultaten</translation>
    </message>
    <message>
        <source>Normal Reflex Data Files</source>
        <translation>Reactiegegevens eenvoudig</translation>
    </message>
</context>
<context>
    <name>ResultsModel</name>
    <message>
        <source>Delete run %1 for the set? </source>
        <translation>Poging %1 uit de set verwijderen? </translation>
    </message>
    <message>
        <source>Are you sure you want to DELETE ALL DATA ?</source>
        <translation>Weet u zeker dat u ALLE GEGEVENS wilt verwijderen?</translation>
    </message>
    <message>
        <source>Delete All Data</source>
        <translation>Alle gegevens verwijderen</translation>
    </message>
</context>
<context>
    <name>RuleOptions</name>
    <message>
        <source>A time under &lt;ms&gt; is an anticipation (default: 100).</source>
        <translation>Een tijd onder &lt;ms&gt; is een anticipatie (standaard: 100).</translation>
    </message>
    <message>
        <source>A time over &lt;ms&gt; is a lapse (default: 2000).</source>
        <translation>Een tijd boven &lt;ms&gt; is een uitvaller (standaard: 2000).</translation>
    </message>
    <message>
        <source>Cut outliers beyond median +- 3 scaled MADs (mad, the default), mean +- 3 SD (sd), or not at all (none).</source>
        <translation>Uitschieters weglaten buiten mediaan +- 3 geschaalde MAD&apos;s (mad, de standaard), gemiddelde +- 3 SD (sd), of helemaal niet (none).</translation>
    </message>
    <message>
        <source>Write a PDF page for each student, handout-&lt;student&gt;.pdf.</source>
        <translation>Een pdf-pagina schrijven voor elke student, handout-&lt;student&gt;.pdf.</translation>
    </message>
    <message>
        <source>--%1 takes a whole number of milliseconds from %2 to %3, not %4</source>
        <translation>--%1 neemt een geheel aantal milliseconden van %2 tot %3, niet %4</translation>
    </message>
    <message>
        <source>the lapse limit (%1 ms) must lie above the anticipation limit (%2 ms)</source>
        <translation>de uitvallergrens (%1 ms) moet boven de anticipatiegrens (%2 ms) liggen</translation>
    </message>
    <message>
        <source>--outlier-rule takes mad, sd or none, not %1</source>
        <translation>--outlier-rule neemt mad, sd of none, niet %1</translation>
    </message>
</context>
<context>
    <name>SessionPlatform</name>
    <message>
        <source>On Wayland: no pointer placement, and presses are stamped by the toolkit event (XWayland gives both)</source>
        <translation>Onder Wayland: geen plaatsing van de aanwijzer, en drukken krijgen hun tijdstempel van de toolkit-gebeurtenis (XWayland geeft beide)</translation>
    </message>
    <message>
        <source>Wayland session: running on X through XWayland, which places the pointer and reads raw input</source>
        <translation>Wayland-sessie: draait op X via XWayland, dat de aanwijzer plaatst en ruwe invoer leest</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Settings Locked</source>
        <translation>Instellingen vergrendeld</translation>
    </message>
</context>
<context>
    <name>SettingsEditor</name>
    <message>
        <source>Configuration Files (*.cfg)|*.cfg</source>
        <translation>Configuratiebestanden (*.cfg)|*.cfg</translation>
    </message>
    <message>
        <source>Trigger Colour</source>
        <translation>Prikkelkleur</translation>
    </message>
    <message>
        <source>The trigger colour must differ from the panel&apos;s white at rest, or the stimulus is invisible.</source>
        <translation>De prikkelkleur moet verschillen van het wit van het paneel in rust, anders is de prikkel onzichtbaar.</translation>
    </message>
    <message>
        <source>Save Configuration File</source>
        <translation>Configuratiebestand opslaan</translation>
    </message>
    <message>
        <source>Save File Error</source>
        <translation>Fout bij opslaan</translation>
    </message>
    <message>
        <source>Save Cancelled</source>
        <translation>Opslaan geannuleerd</translation>
    </message>
    <message>
        <source>Load Configuration File</source>
        <translation>Configuratiebestand laden</translation>
    </message>
    <message>
        <source>Load File Error</source>
        <translation>Fout bij laden</translation>
    </message>
    <message>
        <source>Load Cancelled</source>
        <translation>Laden geannuleerd</translation>
    </message>
    <message>
        <source>Configuration File Load Error</source>
        <translation>Fout bij laden van configuratiebestand</translation>
    </message>
    <message>
        <source>Invalid Configuration File<byte value="xd"/>No File Loaded</source>
        <translation>Ongeldig configuratiebestand<byte value="xd"/>Geen bestand geladen</translation>
    </message>
</context>
<context>
    <name>ShapeChart</name>
    <message>
        <source>median of the student&apos;s runs (ms)</source>
        <translation>mediaan van de pogingen van de student (ms)</translation>
    </message>
    <message>
        <source>τ, the slow tail (ms)</source>
        <translation>τ, de trage staart (ms)</translation>
    </message>
    <message>
        <source>%1 of %2 students fitted
mean τ %3 ms</source>
        <translation>%1 van %2 studenten gepast
gemiddelde τ %3 ms</translation>
    </message>
    <message>
        <source>%1 − simple: μ %2 ms (95 % CI %3 to %4), τ %5 ms (%6 to %7), %8 students</source>
        <translation>%1 − eenvoudig: μ %2 ms (95%-BI %3 tot %4), τ %5 ms (%6 tot %7), %8 studenten</translation>
    </message>
    <message>
        <source>The shape of each student&apos;s times</source>
        <translation>De vorm van de tijden van elke student</translation>
    </message>
    <message>
        <source>One dot for each student and test with an ex-Gaussian fit (at least %1 runs that are neither anticipations nor lapses): across, the median of those runs; up, τ, the mean of the fit&apos;s exponential part: its slow tail. A test that slows every run moves the dots to the right; one that adds slow runs moves them up.</source>
        <translation>Eén punt voor elke student en test met een ex-gaussfit (minstens %1 pogingen die geen anticipatie of uitvaller zijn): horizontaal de mediaan van die pogingen; verticaal τ, het gemiddelde van het exponentiële deel van de fit: de trage staart. Een test die elke poging vertraagt, schuift de punten naar rechts; een test die trage pogingen toevoegt, schuift ze omhoog.</translation>
    </message>
    <message>
        <source>No student has %1 runs in a test yet: too few for a fit</source>
        <translation>Nog geen student heeft %1 pogingen in een test: te weinig voor een fit</translation>
    </message>
</context>
<context>
    <name>ShareCheck</name>
    <message>
        <source>cannot look at %1 (%2)</source>
        <translation>kan %1 niet bekijken (%2)</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 is geen map</translation>
    </message>
    <message>
        <source>cannot list %1 (%2): run this as a member of its group or as root</source>
        <translation>kan de inhoud van %1 niet tonen (%2): voer dit uit als lid van de groep ervan of als root</translation>
    </message>
    <message>
        <source>1 student&apos;s folder</source>
        <translation>map van 1 student</translation>
    </message>
    <message>
        <source>%1 students&apos; folders</source>
        <translation>mappen van %1 studenten</translation>
    </message>
    <message>
        <source>%1: %2, all as the recipe has them</source>
        <translation>%1: %2, alles zoals het recept het wil</translation>
    </message>
    <message>
        <source>%1: %2; 1 thing to put right</source>
        <translation>%1: %2; 1 punt om te verbeteren</translation>
    </message>
    <message>
        <source>%1: %2; %3 things to put right</source>
        <translation>%1: %2; %3 punten om te verbeteren</translation>
    </message>
    <message>
        <source>%1: the guide&apos;s first recipe, one group folder (mode 3773), group %2</source>
        <translation>%1: het eerste recept uit de handleiding, één groepsmap (modus 3773), groep %2</translation>
    </message>
    <message>
        <source>%1: the guide&apos;s second recipe, a folder per student (mode 0751), group %2</source>
        <translation>%1: het tweede recept uit de handleiding, een map per student (modus 0751), groep %2</translation>
    </message>
    <message>
        <source>%1 has the mode %2, not %3</source>
        <translation>%1 heeft de modus %2, niet %3</translation>
    </message>
    <message>
        <source>every user may list %1 and see who handed in: take the others&apos; r away</source>
        <translation>elke gebruiker kan de inhoud van %1 zien, en dus wie heeft ingeleverd: haal de r voor anderen weg</translation>
    </message>
    <message>
        <source>without the sticky bit a student may rename or remove another&apos;s folder</source>
        <translation>zonder de sticky bit kan een student de map van een ander hernoemen of verwijderen</translation>
    </message>
    <message>
        <source>without the setgid bit the students&apos; new folders do not get the group %1, and the teachers cannot read them</source>
        <translation>zonder de setgid-bit krijgen de nieuwe mappen van de studenten niet de groep %1, en kunnen de docenten ze niet lezen</translation>
    </message>
    <message>
        <source>the students cannot %1 their folders in %2</source>
        <translation>de studenten kunnen hun mappen in %2 niet %1</translation>
    </message>
    <message>
        <source>make</source>
        <translation>aanmaken</translation>
    </message>
    <message>
        <source>reach</source>
        <translation>bereiken</translation>
    </message>
    <message>
        <source>the group %1 cannot list %2, so the teachers do not see the folders</source>
        <translation>de groep %1 kan de inhoud van %2 niet zien, dus de docenten zien de mappen niet</translation>
    </message>
    <message>
        <source>%1 belongs to user %2, not root: %2 may rename or remove every student&apos;s folder</source>
        <translation>%1 is van gebruiker %2, niet van root: %2 kan de map van elke student hernoemen of verwijderen</translation>
    </message>
    <message>
        <source>%1 is a link, not a student&apos;s folder: remove it (hand-ins through it are refused)</source>
        <translation>%1 is een koppeling, geen map van een student: verwijder deze (inleveren via de koppeling wordt geweigerd)</translation>
    </message>
    <message>
        <source>%1 is no student&apos;s folder, and belongs to user %2: remove it</source>
        <translation>%1 is geen map van een student en is van gebruiker %2: verwijder deze</translation>
    </message>
    <message>
        <source>%1: there is no user %2 on this machine</source>
        <translation>%1: er is geen gebruiker %2 op deze computer</translation>
    </message>
    <message>
        <source>%1 belongs to user %2, not %3: remove it, or %3&apos;s hand-ins are refused</source>
        <translation>%1 is van gebruiker %2, niet van %3: verwijder deze, anders wordt wat %3 inlevert geweigerd</translation>
    </message>
    <message>
        <source>%1 has the group %2, not %3: the teachers cannot read it</source>
        <translation>%1 heeft de groep %2, niet %3: de docenten kunnen het niet lezen</translation>
    </message>
    <message>
        <source>%1 has the mode %2, not 0750%3</source>
        <translation>%1 heeft de modus %2, niet 0750%3</translation>
    </message>
    <message>
        <source>: every user may read %1&apos;s files</source>
        <translation>: elke gebruiker kan de bestanden van %1 lezen</translation>
    </message>
    <message>
        <source>%1 is in the group %2, and so may read every student&apos;s folder</source>
        <translation>%1 zit in de groep %2 en kan dus de map van elke student lezen</translation>
    </message>
    <message>
        <source>%1 is a link, which the summary does not follow: remove it</source>
        <translation>%1 is een koppeling, die het overzicht niet volgt: verwijder deze</translation>
    </message>
    <message>
        <source>%1 is a FIFO, a socket or a device, which the summary does not read: remove it</source>
        <translation>%1 is een FIFO, een socket of een apparaat, dat het overzicht niet leest: verwijder het</translation>
    </message>
    <message>
        <source>%1 belongs to user %2, not to the folder&apos;s student</source>
        <translation>%1 is van gebruiker %2, niet van de student van de map</translation>
    </message>
    <message>
        <source>every user may read %1</source>
        <translation>elke gebruiker kan %1 lezen</translation>
    </message>
</context>
<context>
    <name>SimpleEngine</name>
    <message>
        <source>            Audio Trigger</source>
        <translation>        Auditieve prikkel</translation>
    </message>
    <message>
        <source>           Visual Trigger</source>
        <translation>          Visuele prikkel</translation>
    </message>
    <message>
        <source>     Audio/Visual Trigger</source>
        <translation> Auditieve/visuele prikkel</translation>
    </message>
    <message>
        <source>The sound device &quot;%1&quot; could not be opened.</source>
        <translation>Het geluidsapparaat “%1” kon niet worden geopend.</translation>
    </message>
    <message>
        <source><byte value="xd"/>An audio trigger needs it: choose a visual trigger in Options.</source>
        <translation><byte value="xd"/>Een auditieve prikkel heeft het nodig: kies een visuele prikkel in Opties.</translation>
    </message>
    <message>
        <source>No Sound Device</source>
        <translation>Geen geluidsapparaat</translation>
    </message>
    <message>
        <source><byte value="xd"/>The series runs with the colour alone.</source>
        <translation><byte value="xd"/>De reeks loopt alleen met de kleur.</translation>
    </message>
</context>
<context>
    <name>SoundCapture</name>
    <message>
        <source>the sound card has no input to record from (%1)</source>
        <translation>de geluidskaart heeft geen ingang om van op te nemen (%1)</translation>
    </message>
    <message>
        <source>the sound card&apos;s input cannot record mono at %1 Hz (%2)</source>
        <translation>de ingang van de geluidskaart kan niet mono opnemen op %1 Hz (%2)</translation>
    </message>
    <message>
        <source>no PipeWire server answers</source>
        <translation>geen PipeWire-server reageert</translation>
    </message>
    <message>
        <source>PipeWire has no input to record from</source>
        <translation>PipeWire heeft geen ingang om van op te nemen</translation>
    </message>
    <message>
        <source>no PulseAudio server answers</source>
        <translation>geen PulseAudio-server reageert</translation>
    </message>
    <message>
        <source>PulseAudio has no input to record from</source>
        <translation>PulseAudio heeft geen ingang om van op te nemen</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>the built-in defaults</source>
        <translation>de ingebouwde standaardwaarden</translation>
    </message>
    <message>
        <source>, locked by the lab</source>
        <translation>, vergrendeld door het lab</translation>
    </message>
    <message>
        <source>Settings Locked</source>
        <translation>Instellingen vergrendeld</translation>
    </message>
    <message>
        <source>The configuration file %1 is not read: the lab locks the settings (LockSettings in %2).</source>
        <translation>Het configuratiebestand %1 wordt niet gelezen: het lab vergrendelt de instellingen (LockSettings in %2).</translation>
    </message>
    <message>
        <source>Loading the class configuration ...</source>
        <translation>De klasconfiguratie wordt geladen ...</translation>
    </message>
    <message>
        <source>the class configuration %1</source>
        <translation>de klasconfiguratie %1</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>dat bestand bestaat niet</translation>
    </message>
    <message>
        <source>Class Configuration</source>
        <translation>Klasconfiguratie</translation>
    </message>
    <message>
        <source>The class configuration %1 that %2 names cannot be read (%3); the configuration of this computer is used instead.</source>
        <translation>De klasconfiguratie %1 die %2 noemt, kan niet worden gelezen (%3); de configuratie van deze computer wordt gebruikt.</translation>
    </message>
</context>
<context>
    <name>StartupSequence</name>
    <message>
        <source>the screen is smaller than 800 x 600; the program ends</source>
        <translation>het scherm is kleiner dan 800 x 600; het programma stopt</translation>
    </message>
    <message>
        <source>Fatal Application Error</source>
        <translation>Fatale programmafout</translation>
    </message>
    <message>
        <source>Orv Brevane supports a minimum screen resolution of 800 x 600</source>
        <translation>Orv Brevane vereist een schermresolutie van minstens 800 x 600</translation>
    </message>
    <message>
        <source>Press OK to terminate program</source>
        <translation>Druk op OK om het programma te beëindigen</translation>
    </message>
    <message>
        <source>Loading default configuration file ...</source>
        <translation>Standaardconfiguratiebestand laden ...</translation>
    </message>
    <message>
        <source>Initializing application ...</source>
        <translation>Programma initialiseren ...</translation>
    </message>
    <message>
        <source>Initializing application ... Almost Done</source>
        <translation>Programma initialiseren ... bijna klaar</translation>
    </message>
    <message>
        <source>not a configuration file</source>
        <translation>geen configuratiebestand</translation>
    </message>
    <message>
        <source>Loading user configuration file ...</source>
        <translation>Gebruikersconfiguratiebestand laden ...</translation>
    </message>
    <message>
        <source>%1: no such configuration file; using the default configuration</source>
        <translation>%1: dat configuratiebestand bestaat niet; de standaardconfiguratie wordt gebruikt</translation>
    </message>
    <message>
        <source>Configuration load error</source>
        <translation>Fout bij laden van configuratie</translation>
    </message>
    <message>
        <source>File %1 could not be found</source>
        <translation>Bestand %1 is niet gevonden</translation>
    </message>
    <message>
        <source>Using Default Configuration</source>
        <translation>Standaardconfiguratie wordt gebruikt</translation>
    </message>
    <message>
        <source>%1: cannot read the configuration (%2); using the default configuration</source>
        <translation>%1: kan de configuratie niet lezen (%2); de standaardconfiguratie wordt gebruikt</translation>
    </message>
    <message>
        <source>Configuration Error</source>
        <translation>Configuratiefout</translation>
    </message>
    <message>
        <source>Invalid Configuration File</source>
        <translation>Ongeldig configuratiebestand</translation>
    </message>
    <message>
        <source>Using Default Configuration File</source>
        <translation>Standaardconfiguratiebestand wordt gebruikt</translation>
    </message>
    <message>
        <source>%1: not found; writing one with the defaults</source>
        <translation>%1: niet gevonden; er wordt een geschreven met de standaardwaarden</translation>
    </message>
    <message>
        <source>Configuration file not found</source>
        <translation>Configuratiebestand niet gevonden</translation>
    </message>
    <message>
        <source>Default configuration file not found...</source>
        <translation>Standaardconfiguratiebestand niet gevonden...</translation>
    </message>
    <message>
        <source>Creating Reflex.Cfg</source>
        <translation>Reflex.Cfg aanmaken</translation>
    </message>
    <message>
        <source>The refused file was kept as %1</source>
        <translation>Het geweigerde bestand is bewaard als %1</translation>
    </message>
    <message>
        <source>it could not be written</source>
        <translation>het kon niet worden geschreven</translation>
    </message>
    <message>
        <source>%1: cannot read the configuration (%2); writing a new one with the defaults</source>
        <translation>%1: kan de configuratie niet lezen (%2); er wordt een nieuwe geschreven met de standaardwaarden</translation>
    </message>
    <message>
        <source>%1: cannot read the configuration (%2); writing a new one with the defaults (the refused file is kept beside it as %3)</source>
        <translation>%1: kan de configuratie niet lezen (%2); er wordt een nieuwe geschreven met de standaardwaarden (het geweigerde bestand staat ernaast als %3)</translation>
    </message>
    <message>
        <source>Invalid Default Configuration File</source>
        <translation>Ongeldig standaardconfiguratiebestand</translation>
    </message>
    <message>
        <source>Creating New Configuration File</source>
        <translation>Nieuw configuratiebestand aanmaken</translation>
    </message>
    <message>
        <source>%1: cannot be written; the defaults are used until the program ends</source>
        <translation>%1: kan niet worden geschreven; de standaardwaarden gelden tot het programma stopt</translation>
    </message>
</context>
<context>
    <name>TestCore</name>
    <message>
        <source>Over write Data in Set %1 ?</source>
        <translation>Gegevens in set %1 overschrijven?</translation>
    </message>
    <message>
        <source>Start Reflex Data Collection</source>
        <translation>Verzamelen van reactiegegevens starten</translation>
    </message>
    <message>
        <source>Your run has ended</source>
        <translation>Uw reeks is afgelopen</translation>
    </message>
    <message>
        <source>END RUN</source>
        <translation>EINDE REEKS</translation>
    </message>
</context>
<context>
    <name>XDisplay</name>
    <message>
        <source>a compositing manager</source>
        <translation>een compositing manager</translation>
    </message>
</context>
<context>
    <name>brevane::ChoiceWindow</name>
    <message>
        <source>With Sound</source>
        <translation>Met geluid</translation>
    </message>
    <message>
        <source>No Sound</source>
        <translation>Zonder geluid</translation>
    </message>
</context>
<context>
    <name>brevane::MachineCheckWindow</name>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Starten</translation>
    </message>
    <message>
        <source>S&amp;kip this part</source>
        <translation>Dit deel &amp;overslaan</translation>
    </message>
    <message>
        <source>Sa&amp;ve the result</source>
        <translation>Resultaat &amp;bewaren</translation>
    </message>
    <message>
        <source>Brevane Machine Check</source>
        <translation>Brevane-computercontrole</translation>
    </message>
    <message>
        <source>Flashing patch</source>
        <translation>Knipperend vlak</translation>
    </message>
    <message>
        <source>Machine check guide</source>
        <translation>Handleiding computercontrole</translation>
    </message>
    <message>
        <source>Machine check: what this PC adds to every time a student measures on it.

The sound card&apos;s input is the clock: it hears the screen through a photodiode, the sound through a cable from the output, and the mouse through a microphone, and the program compares what it heard with its own stamps. Three parts, each about half a minute; skip any you cannot do. Each part gives the mean, the spread (SD) and the worst of its trials.

Press Start (or Return) to begin with the screen; Esc ends the check.</source>
        <translation>Computercontrole: wat deze pc toevoegt aan elke tijd die een student erop meet.

De ingang van de geluidskaart is de klok: die hoort het scherm via een fotodiode, het geluid via een kabel van de uitgang en de muis via een microfoon, en het programma vergelijkt wat hij hoorde met zijn eigen tijdstempels. Drie delen van elk ongeveer een halve minuut; sla over wat u niet kunt doen. Elk deel geeft het gemiddelde, de spreiding (SD) en de slechtste van zijn metingen.

Druk op Starten (of Return) om met het scherm te beginnen; Esc beëindigt de controle.</translation>
    </message>
    <message>
        <source>No input to record from: %1.
Plug a cable or a microphone into the sound card&apos;s input (line-in or microphone), make it the input in the sound settings, and start the check again.</source>
        <translation>Geen ingang om van op te nemen: %1.
Sluit een kabel of een microfoon aan op de ingang van de geluidskaart (line-in of microfoon), stel die in als ingang in de geluidsinstellingen en start de controle opnieuw.</translation>
    </message>
    <message>
        <source>

Clicks: %1 of %2</source>
        <translation>

Klikken: %1 van %2</translation>
    </message>
    <message>
        <source>Screen: a photodiode held on the flashing patch.
You need a BPW34 photodiode (or any small silicon photodiode, a few euros) soldered to a 3.5 mm plug. On a line-in: the diode&apos;s anode to the tip, its cathode (the marked side) to the sleeve. On a microphone input, which feeds a few volts through the tip: the cathode to the tip, the anode to the sleeve. Set the input volume to about half.
Tape the diode flat on the middle of the patch below, the screen at the brightness the students use, the room light as in class. Press Start: the patch flashes %1 times, once a second.</source>
        <translation>Scherm: een fotodiode op het knipperende vlak.
U hebt een BPW34-fotodiode nodig (of een andere kleine siliciumfotodiode, een paar euro), gesoldeerd aan een 3,5-mm-plug. Op een line-in: de anode van de diode aan de tip, de kathode (de gemarkeerde kant) aan de huls. Op een microfooningang, die via de tip een paar volt levert: de kathode aan de tip, de anode aan de huls. Zet het ingangsvolume op ongeveer de helft.
Plak de diode plat op het midden van het vlak hieronder, met het scherm op de helderheid die de studenten gebruiken en het licht in de ruimte zoals in de les. Druk op Starten: het vlak knippert %1 keer, eens per seconde.</translation>
    </message>
    <message>
        <source>Sound: the output looped to the input.
Plug a cable from the headphone socket into the line-in (or hold the headset&apos;s microphone at its speaker), the volume as in class. Press Start: %1 tones, one a second.</source>
        <translation>Geluid: de uitgang doorgelust naar de ingang.
Sluit een kabel aan van de koptelefoonaansluiting naar de line-in (of houd de microfoon van de headset bij de luidspreker), met het volume zoals in de les. Druk op Starten: %1 tonen, één per seconde.</translation>
    </message>
    <message>
        <source>Mouse: each button&apos;s click, heard by a microphone next to the mouse.
Put the microphone within 5 cm of the mouse&apos;s buttons: sound travels about 0.03 ms a centimetre, so 5 cm add 0.15 ms to what is measured, 30 cm almost 1 ms. Keep the room quiet. Press Start, then click the left button %1 times in the grey square, about once a second. Each mouse you click is measured on its own.</source>
        <translation>Muis: de klik van elke knop, gehoord door een microfoon naast de muis.
Leg de microfoon binnen 5 cm van de muisknoppen: geluid doet ongeveer 0,03 ms over een centimeter, dus 5 cm voegt 0,15 ms toe aan wat wordt gemeten, 30 cm bijna 1 ms. Houd de ruimte stil. Druk op Starten en klik dan %1 keer met de linkerknop in het grijze vierkant, ongeveer eens per seconde. Elke muis waarmee u klikt, wordt apart gemeten.</translation>
    </message>
    <message>
        <source>The machine check is done.

%1

Save keeps the result on this machine: the about box and the timing check show it, and it goes with the students&apos; files to the hand-in folder, where brevane-summary reads it.</source>
        <translation>De computercontrole is klaar.

%1

Bewaren houdt het resultaat op deze computer: het infovenster en de timingcontrole tonen het, en het gaat met de bestanden van de studenten mee naar de inlevermap, waar brevane-summary het leest.</translation>
    </message>
    <message>
        <source>%1: skipped</source>
        <translation>%1: overgeslagen</translation>
    </message>
    <message>
        <source>

Measuring...</source>
        <translation>

Bezig met meten...</translation>
    </message>
    <message>
        <source>

Flashes: %1 of %2</source>
        <translation>

Flitsen: %1 van %2</translation>
    </message>
    <message>
        <source>

Tones: %1 of %2</source>
        <translation>

Tonen: %1 van %2</translation>
    </message>
    <message>
        <source>%1: mean %2 ms, SD %3 ms, worst %4 ms over %5 of %6 trials</source>
        <translation>%1: gemiddelde %2 ms, SD %3 ms, slechtste %4 ms over %5 van %6 metingen</translation>
    </message>
    <message>
        <source>%1: refused: %2</source>
        <translation>%1: geweigerd: %2</translation>
    </message>
    <message>
        <source>&amp;Finish</source>
        <translation>&amp;Afronden</translation>
    </message>
    <message>
        <source>&amp;Next part</source>
        <translation>&amp;Volgend deel</translation>
    </message>
    <message>
        <source>

Press %1 (Return) to go on.</source>
        <translation>

Druk op %1 (Return) om verder te gaan.</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Afronden</translation>
    </message>
    <message>
        <source>Next part</source>
        <translation>Volgend deel</translation>
    </message>
    <message>
        <source>Saved to %1.
For every user of this machine, copy it to /etc/xdg/Brevane/machine-check.txt (as root). Esc ends the check.</source>
        <translation>Opgeslagen in %1.
Kopieer het voor alle gebruikers van deze computer naar /etc/xdg/Brevane/machine-check.txt (als root). Esc beëindigt de controle.</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <translation>Kon %1 niet opslaan: %2</translation>
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
        <translation>Tijden</translation>
    </message>
    <message>
        <source>Set %1</source>
        <translation>Set %1</translation>
    </message>
</context>
<context>
    <name>brevane::TimingCheckWindow</name>
    <message>
        <source>Brevane Timing Check</source>
        <translation>Brevane-timingcontrole</translation>
    </message>
    <message>
        <source>Flashing patch</source>
        <translation>Knipperend vlak</translation>
    </message>
    <message>
        <source>Timing readout</source>
        <translation>Timinguitlezing</translation>
    </message>
    <message>
        <source>Frames: measuring...</source>
        <translation>Beelden: bezig met meten...</translation>
    </message>
    <message>
        <source>Frames stamped at %L1 Hz (one every %L2 ms)
Frame time jitter: SD %L3 ms, worst %L4 ms, %5 late of the last %6</source>
        <translation>Beelden gestempeld op %L1 Hz (één per %L2 ms)
Jitter van de beeldtijd: SD %L3 ms, slechtste %L4 ms, %5 te laat van de laatste %6</translation>
    </message>
    <message>
        <source>
Times may be one frame long: see the guide</source>
        <translation>
Tijden kunnen een beeld langer zijn: zie de handleiding</translation>
    </message>
    <message>
        <source>Timing check: Esc or a click ends it
Refresh reported by the screen: %L1 Hz; the monitor&apos;s mode: %2
%3
Stamp sources: display %4, input %5, sound %6
Compositor: %7; stimulus stamps: %8%9
The patch turns every %10 frames (frame %11)
%12</source>
        <translation>Timingcontrole: Esc of een klik beëindigt deze
Verversing volgens het scherm: %L1 Hz; de modus van de monitor: %2
%3
Tijdstempelbronnen: beeld %4, invoer %5, geluid %6
Compositor: %7; tijdstempels van prikkels: %8%9
Het vlak wisselt elke %10 beelden (beeld %11)
%12</translation>
    </message>
</context>
<context>
    <name>brevane::frmAbout</name>
    <message>
        <source>Release %1</source>
        <translation>Uitgave %1</translation>
    </message>
    <message>
        <source>Configuration: %1</source>
        <translation>Configuratie: %1</translation>
    </message>
</context>
<context>
    <name>brevane::frmColorSelect</name>
    <message>
        <source>Black</source>
        <translation>Zwart</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blauw</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Groen</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Cyaan</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rood</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Geel</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Wit</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Grijs</translation>
    </message>
    <message>
        <source>Light Blue</source>
        <translation>Lichtblauw</translation>
    </message>
    <message>
        <source>Light Green</source>
        <translation>Lichtgroen</translation>
    </message>
    <message>
        <source>Light Cyan</source>
        <translation>Lichtcyaan</translation>
    </message>
    <message>
        <source>Light Red</source>
        <translation>Lichtrood</translation>
    </message>
    <message>
        <source>Light Magenta</source>
        <translation>Lichtmagenta</translation>
    </message>
    <message>
        <source>Light Yellow</source>
        <translation>Lichtgeel</translation>
    </message>
    <message>
        <source>Bright White</source>
        <translation>Helderwit</translation>
    </message>
</context>
<context>
    <name>brevane::frmMain</name>
    <message>
        <source>Version %1</source>
        <translation>Versie %1</translation>
    </message>
</context>
<context>
    <name>brevane::summary::ClassChartWindow</name>
    <message>
        <source>Class reaction times</source>
        <translation>Reactietijden van de klas</translation>
    </message>
    <message>
        <source>Handed in</source>
        <translation>Ingeleverd</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About Brevane</source>
        <translation>Over Brevane</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logo</translation>
    </message>
    <message>
        <source>Simple vs Complex Stimulus Reaction Timing</source>
        <translation>Reactietijd bij eenvoudige en complexe prikkels</translation>
    </message>
    <message>
        <source>Orv Brevane 2</source>
        <translation>Orv Brevane 2</translation>
    </message>
    <message>
        <source>For Linux with X11 and Wayland</source>
        <translation>Voor Linux met X11 en Wayland</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Timer</translation>
    </message>
    <message>
        <source>Reaction timing for student laboratory courses</source>
        <translation>Reactietijdmeting voor practica van studenten</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Geluid</translation>
    </message>
    <message>
        <source>Your files are kept in:</source>
        <translation>Uw bestanden staan in:</translation>
    </message>
    <message>
        <source>Language: English</source>
        <comment>The language this translation is: translators name their own language, in it</comment>
        <translation>Taal: Nederlands</translation>
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
        <translation>Brevane-instellingen</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>Eenvoudig</translation>
    </message>
    <message>
        <source>Simple Single Choice Settings</source>
        <translation>Instellingen: eenvoudige reactie</translation>
    </message>
    <message>
        <source>Runs Per Set</source>
        <translation>Pogingen per set</translation>
    </message>
    <message>
        <source>Trigger On</source>
        <translation>Prikkelsoort</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Auditief</translation>
    </message>
    <message>
        <source>Visual</source>
        <translation>Visueel</translation>
    </message>
    <message>
        <source>Trigger Color</source>
        <translation>Prikkelkleur</translation>
    </message>
    <message>
        <source>Color of the visual stimulus: click to choose another</source>
        <translation>Kleur van de visuele prikkel: klik om een andere te kiezen</translation>
    </message>
    <message>
        <source>Interval Timing</source>
        <translation>Interval</translation>
    </message>
    <message>
        <source>Random Interval</source>
        <translation>Willekeurig interval</translation>
    </message>
    <message>
        <source>Fixed Interval</source>
        <translation>Vast interval</translation>
    </message>
    <message>
        <source>Fixed Time Interval</source>
        <translation>Vaste intervaltijd</translation>
    </message>
    <message>
        <source>Minimum Time Interval</source>
        <translation>Minimale intervaltijd</translation>
    </message>
    <message>
        <source>Color/Audio</source>
        <translation>Kleur/geluid</translation>
    </message>
    <message>
        <source>Complex Choice Color/Audio Settings</source>
        <translation>Instellingen: keuzereactie kleur/geluid</translation>
    </message>
    <message>
        <source>Display Time</source>
        <translation>Toontijd</translation>
    </message>
    <message>
        <source>Color and Audio</source>
        <translation>Kleur en geluid</translation>
    </message>
    <message>
        <source>Color no Audio</source>
        <translation>Kleur zonder geluid</translation>
    </message>
    <message>
        <source>Make Sound</source>
        <translation>Geluid afspelen</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nee</translation>
    </message>
    <message>
        <source>Elements</source>
        <translation>Elementen</translation>
    </message>
    <message>
        <source>Elements in Set</source>
        <translation>Elementen in set</translation>
    </message>
    <message>
        <source>Trigger Element</source>
        <translation>Doelelement</translation>
    </message>
    <message>
        <source>Trigger Element Color</source>
        <translation>Kleur doelelement</translation>
    </message>
    <message>
        <source>Color of the trigger element: click to choose another</source>
        <translation>Kleur van het doelelement: klik om een andere te kiezen</translation>
    </message>
    <message>
        <source>Element</source>
        <translation>Element</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Kleur</translation>
    </message>
    <message>
        <source>Choose the color of this element</source>
        <translation>Kies de kleur van dit element</translation>
    </message>
    <message>
        <source>Element Colors</source>
        <translation>Elementkleuren</translation>
    </message>
    <message>
        <source>Element 1 Color</source>
        <translation>Kleur element 1</translation>
    </message>
    <message>
        <source>Color of element 1: click to choose another (grey: not in use)</source>
        <translation>Kleur van element 1: klik om een andere te kiezen (grijs: niet in gebruik)</translation>
    </message>
    <message>
        <source>Element 2 Color</source>
        <translation>Kleur element 2</translation>
    </message>
    <message>
        <source>Color of element 2: click to choose another (grey: not in use)</source>
        <translation>Kleur van element 2: klik om een andere te kiezen (grijs: niet in gebruik)</translation>
    </message>
    <message>
        <source>Element 3 Color</source>
        <translation>Kleur element 3</translation>
    </message>
    <message>
        <source>Color of element 3: click to choose another (grey: not in use)</source>
        <translation>Kleur van element 3: klik om een andere te kiezen (grijs: niet in gebruik)</translation>
    </message>
    <message>
        <source>Element 4 Color</source>
        <translation>Kleur element 4</translation>
    </message>
    <message>
        <source>Color of element 4: click to choose another (grey: not in use)</source>
        <translation>Kleur van element 4: klik om een andere te kiezen (grijs: niet in gebruik)</translation>
    </message>
    <message>
        <source>Element 5 Color</source>
        <translation>Kleur element 5</translation>
    </message>
    <message>
        <source>Color of element 5: click to choose another (grey: not in use)</source>
        <translation>Kleur van element 5: klik om een andere te kiezen (grijs: niet in gebruik)</translation>
    </message>
    <message>
        <source>Element 6 Color</source>
        <translation>Kleur element 6</translation>
    </message>
    <message>
        <source>Color of element 6: click to choose another (grey: not in use)</source>
        <translation>Kleur van element 6: klik om een andere te kiezen (grijs: niet in gebruik)</translation>
    </message>
    <message>
        <source>Element 7 Color</source>
        <translation>Kleur element 7</translation>
    </message>
    <message>
        <source>Color of element 7: click to choose another (grey: not in use)</source>
        <translation>Kleur van element 7: klik om een andere te kiezen (grijs: niet in gebruik)</translation>
    </message>
    <message>
        <source>Element 8 Color</source>
        <translation>Kleur element 8</translation>
    </message>
    <message>
        <source>Color of element 8: click to choose another (grey: not in use)</source>
        <translation>Kleur van element 8: klik om een andere te kiezen (grijs: niet in gebruik)</translation>
    </message>
    <message>
        <source>Element 9 Color</source>
        <translation>Kleur element 9</translation>
    </message>
    <message>
        <source>Color of element 9: click to choose another (grey: not in use)</source>
        <translation>Kleur van element 9: klik om een andere te kiezen (grijs: niet in gebruik)</translation>
    </message>
    <message>
        <source>Element 10 Color</source>
        <translation>Kleur element 10</translation>
    </message>
    <message>
        <source>Color of element 10: click to choose another (grey: not in use)</source>
        <translation>Kleur van element 10: klik om een andere te kiezen (grijs: niet in gebruik)</translation>
    </message>
    <message>
        <source>Num/Audio</source>
        <translation>Getal/geluid</translation>
    </message>
    <message>
        <source>Complex Choice Numbers/Audio Settings</source>
        <translation>Instellingen: keuzereactie getallen/geluid</translation>
    </message>
    <message>
        <source>Number and Audio</source>
        <translation>Getal en geluid</translation>
    </message>
    <message>
        <source>Number no Audio</source>
        <translation>Getal zonder geluid</translation>
    </message>
    <message>
        <source>Trigger Number</source>
        <translation>Doelgetal</translation>
    </message>
    <message>
        <source>The number of the trigger element</source>
        <translation>Het getal van het doelelement</translation>
    </message>
    <message>
        <source>Element Number</source>
        <translation>Elementgetal</translation>
    </message>
    <message>
        <source>The number of this element (0 to 99)</source>
        <translation>Het getal van dit element (0 tot 99)</translation>
    </message>
    <message>
        <source>Element Numbers</source>
        <translation>Elementgetallen</translation>
    </message>
    <message>
        <source>Element 1 Number</source>
        <translation>Getal element 1</translation>
    </message>
    <message>
        <source>Element 2 Number</source>
        <translation>Getal element 2</translation>
    </message>
    <message>
        <source>Element 3 Number</source>
        <translation>Getal element 3</translation>
    </message>
    <message>
        <source>Element 4 Number</source>
        <translation>Getal element 4</translation>
    </message>
    <message>
        <source>Element 5 Number</source>
        <translation>Getal element 5</translation>
    </message>
    <message>
        <source>Element 6 Number</source>
        <translation>Getal element 6</translation>
    </message>
    <message>
        <source>Element 7 Number</source>
        <translation>Getal element 7</translation>
    </message>
    <message>
        <source>Element 8 Number</source>
        <translation>Getal element 8</translation>
    </message>
    <message>
        <source>Element 9 Number</source>
        <translation>Getal element 9</translation>
    </message>
    <message>
        <source>Element 10 Number</source>
        <translation>Getal element 10</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Master volume of the speakers</source>
        <translation>Hoofdvolume van de luidsprekers</translation>
    </message>
    <message>
        <source>Volume Setting</source>
        <translation>Volume-instelling</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Terug</translation>
    </message>
    <message>
        <source>Back to the configuration loaded at start-up</source>
        <translation>Terug naar de configuratie die bij het starten is geladen</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Laden</translation>
    </message>
    <message>
        <source>Load a configuration file</source>
        <translation>Een configuratiebestand laden</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>Op&amp;slaan</translation>
    </message>
    <message>
        <source>Save the configuration to a file</source>
        <translation>De configuratie in een bestand opslaan</translation>
    </message>
</context>
<context>
    <name>frmChoiceReflexDisplay</name>
    <message>
        <source>Complex Choice Color/Audio Stimulus Module Data Display</source>
        <translation>Keuzereactie kleur/geluid: resultaten</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logo</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versie</translation>
    </message>
    <message>
        <source>Set 1</source>
        <translation>Set 1</translation>
    </message>
    <message>
        <source>Run Data</source>
        <translation>Pogingen</translation>
    </message>
    <message>
        <source>Run 1</source>
        <translation>Poging 1</translation>
    </message>
    <message>
        <source>Run 2</source>
        <translation>Poging 2</translation>
    </message>
    <message>
        <source>Run 3</source>
        <translation>Poging 3</translation>
    </message>
    <message>
        <source>Run 4</source>
        <translation>Poging 4</translation>
    </message>
    <message>
        <source>Run 5</source>
        <translation>Poging 5</translation>
    </message>
    <message>
        <source>Run 6</source>
        <translation>Poging 6</translation>
    </message>
    <message>
        <source>Run 7</source>
        <translation>Poging 7</translation>
    </message>
    <message>
        <source>Run 8</source>
        <translation>Poging 8</translation>
    </message>
    <message>
        <source>Run 9</source>
        <translation>Poging 9</translation>
    </message>
    <message>
        <source>Run 10</source>
        <translation>Poging 10</translation>
    </message>
    <message>
        <source>Run Statistics</source>
        <translation>Statistieken</translation>
    </message>
    <message>
        <source>Fast Time</source>
        <translation>Snelste tijd</translation>
    </message>
    <message>
        <source>Slow Time</source>
        <translation>Traagste tijd</translation>
    </message>
    <message>
        <source>Average Time</source>
        <translation>Gemiddelde tijd</translation>
    </message>
    <message>
        <source>Outcomes</source>
        <translation>Uitkomsten</translation>
    </message>
    <message>
        <source>Correct Hits</source>
        <translation>Juiste treffers</translation>
    </message>
    <message>
        <source>Correct Misses</source>
        <translation>Terecht overgesl.</translation>
    </message>
    <message>
        <source>InCorrect Hits</source>
        <translation>Onjuiste treffers</translation>
    </message>
    <message>
        <source>Missed Hits</source>
        <translation>Gemiste treffers</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Opmerkingen</translation>
    </message>
    <message>
        <source>Set 2</source>
        <translation>Set 2</translation>
    </message>
    <message>
        <source>Set 3</source>
        <translation>Set 3</translation>
    </message>
    <message>
        <source>Set 4</source>
        <translation>Set 4</translation>
    </message>
    <message>
        <source>Set 5</source>
        <translation>Set 5</translation>
    </message>
    <message>
        <source>Set 6</source>
        <translation>Set 6</translation>
    </message>
    <message>
        <source>Set 7</source>
        <translation>Set 7</translation>
    </message>
    <message>
        <source>Set 8</source>
        <translation>Set 8</translation>
    </message>
    <message>
        <source>Set 9</source>
        <translation>Set 9</translation>
    </message>
    <message>
        <source>Set 10</source>
        <translation>Set 10</translation>
    </message>
    <message>
        <source>Fastest Times</source>
        <translation>Snelste tijden</translation>
    </message>
    <message>
        <source>Set Data For Fastest Times</source>
        <translation>Setgegevens: snelste tijden</translation>
    </message>
    <message>
        <source>Slowest Times</source>
        <translation>Traagste tijden</translation>
    </message>
    <message>
        <source>Set Data For Slowest Times</source>
        <translation>Setgegevens: traagste tijden</translation>
    </message>
    <message>
        <source>Average Times</source>
        <translation>Gemiddelde tijden</translation>
    </message>
    <message>
        <source>Set Data For Average Times</source>
        <translation>Setgegevens: gemiddelde tijden</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Afdrukken</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporteren</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Alles wissen</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Klaar</translation>
    </message>
</context>
<context>
    <name>frmColorReflex</name>
    <message>
        <source>Complex Choice Color/Audio Stimulus Module</source>
        <translation>Keuzereactie kleur/geluid</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logo</translation>
    </message>
    <message>
        <source>Complex Choice Color/Audio Stimulus</source>
        <translation>Keuzereactie op kleur en geluid</translation>
    </message>
    <message>
        <source>Trigger On</source>
        <translation>Prikkelsoort</translation>
    </message>
    <message>
        <source>Trigger Element</source>
        <translation>Doelelement</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Geluid</translation>
    </message>
    <message>
        <source>Press Here</source>
        <translation>Druk hier</translation>
    </message>
    <message>
        <source>Element Display</source>
        <translation>Elementweergave</translation>
    </message>
    <message>
        <source>Set Indicator</source>
        <translation>Set</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tijd</translation>
    </message>
    <message>
        <source>Previous Time</source>
        <translation>Vorige tijd</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Verschil</translation>
    </message>
    <message>
        <source>Average Time</source>
        <translation>Gemiddelde tijd</translation>
    </message>
    <message>
        <source>Run Count</source>
        <translation>Aantal pogingen</translation>
    </message>
    <message>
        <source>Correct Hits</source>
        <translation>Juiste treffers</translation>
    </message>
    <message>
        <source>Incorrect Hits</source>
        <translation>Onjuiste treffers</translation>
    </message>
    <message>
        <source>Correct Misses</source>
        <translation>Terecht overgeslagen</translation>
    </message>
    <message>
        <source>Missed Hits</source>
        <translation>Gemiste treffers</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschrijving</translation>
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
        <translation>Opties</translation>
    </message>
    <message>
        <source>Clear Set</source>
        <translation>Set wissen</translation>
    </message>
    <message>
        <source>Next Set</source>
        <translation>Volgende set</translation>
    </message>
    <message>
        <source>Prev Set</source>
        <translation>Vorige set</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Resultaten</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Klaar</translation>
    </message>
</context>
<context>
    <name>frmColorSelect</name>
    <message>
        <source>Color Selection</source>
        <translation>Kleurkeuze</translation>
    </message>
    <message>
        <source>Current Color:</source>
        <translation>Huidige kleur:</translation>
    </message>
    <message>
        <source>Current Color</source>
        <translation>Huidige kleur</translation>
    </message>
    <message>
        <source>Color Selected:</source>
        <translation>Gekozen kleur:</translation>
    </message>
    <message>
        <source>Color Selected</source>
        <translation>Gekozen kleur</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>&amp;Kiezen</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
</context>
<context>
    <name>frmDisplay</name>
    <message>
        <source>Simple Choice Stimulus Module Data Display</source>
        <translation>Eenvoudige reactie: resultaten</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logo</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versie</translation>
    </message>
    <message>
        <source>Set 1</source>
        <translation>Set 1</translation>
    </message>
    <message>
        <source>Run Data</source>
        <translation>Pogingen</translation>
    </message>
    <message>
        <source>Run 1</source>
        <translation>Poging 1</translation>
    </message>
    <message>
        <source>Run 2</source>
        <translation>Poging 2</translation>
    </message>
    <message>
        <source>Run 3</source>
        <translation>Poging 3</translation>
    </message>
    <message>
        <source>Run 4</source>
        <translation>Poging 4</translation>
    </message>
    <message>
        <source>Run 5</source>
        <translation>Poging 5</translation>
    </message>
    <message>
        <source>Run 6</source>
        <translation>Poging 6</translation>
    </message>
    <message>
        <source>Run 7</source>
        <translation>Poging 7</translation>
    </message>
    <message>
        <source>Run 8</source>
        <translation>Poging 8</translation>
    </message>
    <message>
        <source>Run 9</source>
        <translation>Poging 9</translation>
    </message>
    <message>
        <source>Run 10</source>
        <translation>Poging 10</translation>
    </message>
    <message>
        <source>Run Statistics</source>
        <translation>Statistieken</translation>
    </message>
    <message>
        <source>Fast Time</source>
        <translation>Snelste tijd</translation>
    </message>
    <message>
        <source>Slow Time</source>
        <translation>Traagste tijd</translation>
    </message>
    <message>
        <source>Average Time</source>
        <translation>Gemiddelde tijd</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Opmerkingen</translation>
    </message>
    <message>
        <source>Set 2</source>
        <translation>Set 2</translation>
    </message>
    <message>
        <source>Set 3</source>
        <translation>Set 3</translation>
    </message>
    <message>
        <source>Set 4</source>
        <translation>Set 4</translation>
    </message>
    <message>
        <source>Set 5</source>
        <translation>Set 5</translation>
    </message>
    <message>
        <source>Set 6</source>
        <translation>Set 6</translation>
    </message>
    <message>
        <source>Set 7</source>
        <translation>Set 7</translation>
    </message>
    <message>
        <source>Set 8</source>
        <translation>Set 8</translation>
    </message>
    <message>
        <source>Set 9</source>
        <translation>Set 9</translation>
    </message>
    <message>
        <source>Set 10</source>
        <translation>Set 10</translation>
    </message>
    <message>
        <source>Fastest Times</source>
        <translation>Snelste tijden</translation>
    </message>
    <message>
        <source>Set Data For Fastest Times</source>
        <translation>Setgegevens: snelste tijden</translation>
    </message>
    <message>
        <source>Slowest Times</source>
        <translation>Traagste tijden</translation>
    </message>
    <message>
        <source>Set Data For Slowest Times</source>
        <translation>Setgegevens: traagste tijden</translation>
    </message>
    <message>
        <source>Average Times</source>
        <translation>Gemiddelde tijden</translation>
    </message>
    <message>
        <source>Set Data For Average Times</source>
        <translation>Setgegevens: gemiddelde tijden</translation>
    </message>
    <message>
        <source>All Data</source>
        <translation>Alle gegevens</translation>
    </message>
    <message>
        <source>Data Only Displayed On The Graph</source>
        <translation>Gegevens alleen in de grafiek getoond</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Afdrukken</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporteren</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Alles wissen</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Klaar</translation>
    </message>
</context>
<context>
    <name>frmLoadDisplay</name>
    <message>
        <source>Loading</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>Loading Display Please Wait...</source>
        <translation>Resultaten worden geladen, even geduld...</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Simple vs Complex Stimulus Reaction Timing</source>
        <translation>Reactietijd bij eenvoudige en complexe prikkels</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>Eenvoudig</translation>
    </message>
    <message>
        <source>Simple Single Stimulus Module</source>
        <translation>Eenvoudige reactie op één prikkel</translation>
    </message>
    <message>
        <source>Color/Audio</source>
        <translation>Kleur/geluid</translation>
    </message>
    <message>
        <source>Complex Color/Audio Stimulus Module</source>
        <translation>Keuzereactie op kleur en geluid</translation>
    </message>
    <message>
        <source>Num/Audio</source>
        <translation>Getal/geluid</translation>
    </message>
    <message>
        <source>Complex Number/Audio Stimulus Module</source>
        <translation>Keuzereactie op getal en geluid</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opties</translation>
    </message>
    <message>
        <source>Edit Brev Settings</source>
        <translation>Brevane-instellingen bewerken</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>Gegevens wissen</translation>
    </message>
    <message>
        <source>Clear All Data Sets</source>
        <translation>Alle sets wissen</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>Herstellen</translation>
    </message>
    <message>
        <source>Recover Data after a system crash</source>
        <translation>Gegevens herstellen na een systeemcrash</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Over</translation>
    </message>
    <message>
        <source>Display About box</source>
        <translation>Infovenster tonen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>Quit Brev</source>
        <translation>Brevane afsluiten</translation>
    </message>
    <message>
        <source>Are you sure you want to DELETE ALL DATA ?</source>
        <translation>Weet u zeker dat u ALLE GEGEVENS wilt verwijderen?</translation>
    </message>
    <message>
        <source>Delete All Data</source>
        <translation>Alle gegevens verwijderen</translation>
    </message>
    <message>
        <source>Are you sure you want to exit?</source>
        <translation>Weet u zeker dat u wilt afsluiten?</translation>
    </message>
    <message>
        <source>Data NOT saved!<byte value="xd"/></source>
        <translation>Gegevens NIET opgeslagen!<byte value="xd"/></translation>
    </message>
    <message>
        <source>Exit Orv Brevane 2</source>
        <translation>Orv Brevane 2 afsluiten</translation>
    </message>
</context>
<context>
    <name>frmNumberReflex</name>
    <message>
        <source>Complex Choice Number/Audio Stimulus Module</source>
        <translation>Keuzereactie getal/geluid</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logo</translation>
    </message>
    <message>
        <source>Complex Choice Number/Audio Stimulus</source>
        <translation>Keuzereactie op getal en geluid</translation>
    </message>
    <message>
        <source>Trigger On</source>
        <translation>Prikkelsoort</translation>
    </message>
    <message>
        <source>Trigger Element</source>
        <translation>Doelelement</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Geluid</translation>
    </message>
    <message>
        <source>Press Here</source>
        <translation>Druk hier</translation>
    </message>
    <message>
        <source>Element Display</source>
        <translation>Elementweergave</translation>
    </message>
    <message>
        <source>Set Indicator</source>
        <translation>Set</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tijd</translation>
    </message>
    <message>
        <source>Previous Time</source>
        <translation>Vorige tijd</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Verschil</translation>
    </message>
    <message>
        <source>Average Time</source>
        <translation>Gemiddelde tijd</translation>
    </message>
    <message>
        <source>Run Count</source>
        <translation>Aantal pogingen</translation>
    </message>
    <message>
        <source>Correct Hits</source>
        <translation>Juiste treffers</translation>
    </message>
    <message>
        <source>Incorrect Hits</source>
        <translation>Onjuiste treffers</translation>
    </message>
    <message>
        <source>Correct Misses</source>
        <translation>Terecht overgeslagen</translation>
    </message>
    <message>
        <source>Missed Hits</source>
        <translation>Gemiste treffers</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschrijving</translation>
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
        <translation>Opties</translation>
    </message>
    <message>
        <source>Clear Set</source>
        <translation>Set wissen</translation>
    </message>
    <message>
        <source>Next Set</source>
        <translation>Volgende set</translation>
    </message>
    <message>
        <source>Prev Set</source>
        <translation>Vorige set</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Resultaten</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Klaar</translation>
    </message>
</context>
<context>
    <name>frmPrint</name>
    <message>
        <source>Print Data</source>
        <translation>Gegevens afdrukken</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Titel:</translation>
    </message>
    <message>
        <source>Select Sets To Print</source>
        <translation>Kies de sets om af te drukken</translation>
    </message>
    <message>
        <source>Set 1</source>
        <translation>Set 1</translation>
    </message>
    <message>
        <source>Set 2</source>
        <translation>Set 2</translation>
    </message>
    <message>
        <source>Set 3</source>
        <translation>Set 3</translation>
    </message>
    <message>
        <source>Set 4</source>
        <translation>Set 4</translation>
    </message>
    <message>
        <source>Set 5</source>
        <translation>Set 5</translation>
    </message>
    <message>
        <source>Set 6</source>
        <translation>Set 6</translation>
    </message>
    <message>
        <source>Set 7</source>
        <translation>Set 7</translation>
    </message>
    <message>
        <source>Set 8</source>
        <translation>Set 8</translation>
    </message>
    <message>
        <source>Set 9</source>
        <translation>Set 9</translation>
    </message>
    <message>
        <source>Set 10</source>
        <translation>Set 10</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alles selecteren</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Instellen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>UnSelectAll</source>
        <translation>Niets selecteren</translation>
    </message>
    <message>
        <source>SelectAll</source>
        <translation>Alles selecteren</translation>
    </message>
    <message>
        <source>You must select atleast ONE set to Print</source>
        <translation>Kies minstens ÉÉN set om af te drukken</translation>
    </message>
    <message>
        <source>Printing Error</source>
        <translation>Afdrukfout</translation>
    </message>
</context>
<context>
    <name>frmReflex</name>
    <message>
        <source>Simple Choice Stimulus Module</source>
        <translation>Eenvoudige reactie</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logo</translation>
    </message>
    <message>
        <source>Simple Choice Stimulus</source>
        <translation>Eenvoudige reactie op een prikkel</translation>
    </message>
    <message>
        <source>           Visual Trigger</source>
        <translation>          Visuele prikkel</translation>
    </message>
    <message>
        <source>Press Here</source>
        <translation>Druk hier</translation>
    </message>
    <message>
        <source>Stimulus</source>
        <translation>Prikkel</translation>
    </message>
    <message>
        <source>Speaker</source>
        <translation>Luidspreker</translation>
    </message>
    <message>
        <source>Set Indicator</source>
        <translation>Set</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Set</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschrijving</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tijd</translation>
    </message>
    <message>
        <source>Previous Time</source>
        <translation>Vorige tijd</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Verschil</translation>
    </message>
    <message>
        <source>Average Time</source>
        <translation>Gemiddelde tijd</translation>
    </message>
    <message>
        <source>Run Count</source>
        <translation>Aantal pogingen</translation>
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
        <translation>Opties</translation>
    </message>
    <message>
        <source>Clear Set</source>
        <translation>Set wissen</translation>
    </message>
    <message>
        <source>Next Set</source>
        <translation>Volgende set</translation>
    </message>
    <message>
        <source>Prev Set</source>
        <translation>Vorige set</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Resultaten</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Klaar</translation>
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
        <translation>Reactietijd bij eenvoudige en complexe prikkels</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Voortgang</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>there is no translation for &quot;%1&quot;; the program is shown in English</source>
        <translation>er is geen vertaling voor “%1”; het programma wordt in het Engels getoond</translation>
    </message>
</context>
<context>
    <name>summary</name>
    <message>
        <source>The class summary of reaction-time files (recover.dat, .nrm and .col files, or folders of them):
sets.csv, students.csv, class.csv, class-notes.txt, class-chart.pdf and class-chart.png.</source>
        <translation>Het klasoverzicht van reactietijdbestanden (recover.dat, .nrm- en .col-bestanden, of mappen daarmee):
sets.csv, students.csv, class.csv, class-notes.txt, class-chart.pdf en class-chart.png.</translation>
    </message>
    <message>
        <source>Write into &lt;folder&gt; (default: the current folder).</source>
        <translation>In &lt;map&gt; schrijven (standaard: de huidige map).</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>map</translation>
    </message>
    <message>
        <source>The .col files are the colour test&apos;s.</source>
        <translation>De .col-bestanden zijn van de kleurtest.</translation>
    </message>
    <message>
        <source>The .col files are the number test&apos;s.</source>
        <translation>De .col-bestanden zijn van de getallentest.</translation>
    </message>
    <message>
        <source>Name each student after their folder or their files&apos; names.</source>
        <translation>Elke student benoemen naar zijn map of naar de namen van zijn bestanden.</translation>
    </message>
    <message>
        <source>Start each CSV file with a UTF-8 mark.</source>
        <translation>Elk CSV-bestand met een UTF-8-markering laten beginnen.</translation>
    </message>
    <message>
        <source>Write again whenever a file changes, until stopped.</source>
        <translation>Opnieuw schrijven zodra een bestand verandert, tot het programma wordt gestopt.</translation>
    </message>
    <message>
        <source>As --watch, with the chart in a window.</source>
        <translation>Als --watch, met de grafiek in een venster.</translation>
    </message>
    <message>
        <source>Data files and folders.</source>
        <translation>Gegevensbestanden en mappen.</translation>
    </message>
    <message>
        <source>path...</source>
        <translation>pad...</translation>
    </message>
    <message>
        <source>--colour and --number exclude each other: summarise each test&apos;s .col files apart</source>
        <translation>--colour en --number sluiten elkaar uit: vat de .col-bestanden van elke test apart samen</translation>
    </message>
    <message>
        <source>--student-from takes folder or name, not %1</source>
        <translation>--student-from neemt folder of name, niet %1</translation>
    </message>
    <message>
        <source>no file could be read; nothing written</source>
        <translation>geen bestand kon worden gelezen; niets geschreven</translation>
    </message>
    <message>
        <source>Count a folder&apos;s files as its owners handed them in (yes), or by their names (no); by default the owners decide in a hand-in folder, one that others may enter but not list.</source>
        <translation>De bestanden van een map tellen als ingeleverd door hun eigenaars (yes), of volgens hun namen (no); standaard beslissen de eigenaars in een inlevermap, een map die anderen wel kunnen openen maar waarvan ze de inhoud niet kunnen zien.</translation>
    </message>
    <message>
        <source>Say whether the hand-in folder &lt;folder&gt; is set up as one of the guide&apos;s recipes, and what is wrong; nothing is summarised.</source>
        <translation>Melden of de inlevermap &lt;map&gt; is ingericht volgens een van de recepten uit de handleiding, en wat er mis is; er wordt niets samengevat.</translation>
    </message>
    <message>
        <source>--owners takes yes or no, not %1</source>
        <translation>--owners neemt yes of no, niet %1</translation>
    </message>
</context>
</TS>
