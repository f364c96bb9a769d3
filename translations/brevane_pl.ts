<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>ClassChart</name>
    <message>
        <source>Class reaction times: simple against choice</source>
        <translation>Czasy reakcji klasy: test prosty a test z wyborem</translation>
    </message>
    <message>
        <source>One dot for each student&apos;s mean reaction time (%1): the mean of their set means, in whole ms as stored. Box: lower to upper quartile; thick line: median; whiskers: the furthest means within 1.5 box lengths.</source>
        <translation>Jedna kropka na średni czas reakcji każdego studenta (%1): średnia ze średnich jego zestawów, w pełnych ms, jak zapisano. Pudełko: od dolnego do górnego kwartyla; gruba linia: mediana; wąsy: najdalsze średnie w granicach 1,5 długości pudełka.</translation>
    </message>
    <message numerus="yes">
        <source>%n student(s)</source>
        <translation>
            <numerusform>%n student</numerusform>
            <numerusform>%n studentów</numerusform>
            <numerusform>%n studentów</numerusform>
        </translation>
    </message>
    <message>
        <source>No reaction times in the files read</source>
        <translation>Brak czasów reakcji w odczytanych plikach</translation>
    </message>
    <message>
        <source>n = %1, mean %2 ms</source>
        <translation>n = %1, średnia %2 ms</translation>
    </message>
    <message>
        <source>%1 − simple: %2 ms (95 % CI %3 to %4, %5 students)</source>
        <translation>%1 − prosty: %2 ms (95 % PU %3 do %4, studentów: %5)</translation>
    </message>
    <message>
        <source>Class reaction times</source>
        <translation>Czasy reakcji klasy</translation>
    </message>
    <message>
        <source>Bars beside each box: every run that counts (%1 runs; class-notes.txt says which), as shares of the test&apos;s runs in bins of %2 ms.</source>
        <translation>Słupki obok każdego pudełka: każda próba, która się liczy (prób: %1; class-notes.txt mówi, które), jako udziały w próbach testu w przedziałach po %2 ms.</translation>
    </message>
    <message>
        <source>reaction time (ms)</source>
        <translation>czas reakcji (ms)</translation>
    </message>
</context>
<context>
    <name>ClassFiles</name>
    <message>
        <source>not a recover.dat, .nrm or .col file</source>
        <translation>to nie jest plik recover.dat, .nrm ani .col</translation>
    </message>
    <message>
        <source>left out %1: a shared account&apos;s recover.dat holds whoever ran last</source>
        <translation>pominięto %1: recover.dat wspólnego konta zawiera wyniki tego, kto uruchamiał ostatni</translation>
    </message>
    <message>
        <source>a named pipe (FIFO), not read</source>
        <translation>potok nazwany (FIFO), nieodczytany</translation>
    </message>
    <message>
        <source>a socket, not read</source>
        <translation>gniazdo, nieodczytane</translation>
    </message>
    <message>
        <source>a device, not read</source>
        <translation>urządzenie, nieodczytane</translation>
    </message>
    <message>
        <source>a link, not followed in a hand-in folder</source>
        <translation>dowiązanie, w folderze oddanych wyników nie jest śledzone</translation>
    </message>
    <message>
        <source>handed in by user %1 beside the students&apos; folders, not in one</source>
        <translation>oddane przez użytkownika %1 obok folderów studentów, a nie w jednym z nich</translation>
    </message>
    <message>
        <source>no user %1 on this machine; the folder is left out</source>
        <translation>brak użytkownika %1 na tym komputerze; folder pominięto</translation>
    </message>
    <message>
        <source>the folder belongs to user %1, not %2; its files are left out</source>
        <translation>folder należy do użytkownika %1, a nie %2; jego pliki pominięto</translation>
    </message>
    <message>
        <source>a folder within a student&apos;s folder, not read</source>
        <translation>folder wewnątrz folderu studenta, nieodczytany</translation>
    </message>
    <message>
        <source>handed in by user %1, not %2</source>
        <translation>oddane przez użytkownika %1, a nie %2</translation>
    </message>
    <message>
        <source>in a folder of user %1, not %2</source>
        <translation>w folderze użytkownika %1, a nie %2</translation>
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
        <translation>Komputery

Każdy zapisany czas zawiera to, co dodaje komputer, na którym go zmierzono: opóźnienie monitora
(bodźce kolorowe) lub wyjścia dźwięku (dźwięki) oraz myszy (jej odpytywanie, eliminacja drgań,
ścieżka wejścia). Sprawdzenie komputera (brevane --check-machine) zmierzyło je na każdym komputerze
poniżej fotodiodą, kablem pętli i mikrofonem przez kartę dźwiękową; czas reakcji studenta
to w przybliżeniu zapisany czas minus opóźnienie części bodźca i myszy. Na jednym komputerze
nie zmieniają one różnicy między testami (z wyborem minus prosty), więc przedziały par
w class.csv pozostają ważne; czasy z komputerów o różnych opóźnieniach są dłuższe lub krótsze o
tę różnicę. sets.csv i students.csv kończą się komputerem każdego pliku i jego opóźnieniami.

</translation>
    </message>
    <message>
        <source>%1 (checked %2; %3; files: %4): %5
</source>
        <translation>%1 (sprawdzono %2; %3; pliki: %4): %5
</translation>
    </message>
    <message>
        <source>mode not known</source>
        <translation>tryb nieznany</translation>
    </message>
    <message>
        <source>Screen and mouse together add %1 to %2 ms on these machines: a visual time measured on
one may differ from another&apos;s by up to %3 ms from the machines alone.
</source>
        <translation>Ekran i mysz razem dodają od %1 do %2 ms na tych komputerach: czas wzrokowy zmierzony na
jednym może się różnić od czasu z innego o maks. %3 ms z powodu samych komputerów.
</translation>
    </message>
</context>
<context>
    <name>ClassRun</name>
    <message>
        <source>skipped %1: %2</source>
        <translation>pominięto %1: %2</translation>
    </message>
    <message>
        <source>%1 is a copy of %2: read once</source>
        <translation>%1 jest kopią %2: odczytano raz</translation>
    </message>
    <message>
        <source>%1 of %2 files read</source>
        <translation>odczytano %1 z %2 plików</translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>nie można utworzyć folderu %1</translation>
    </message>
    <message>
        <source>could not write %1: %2</source>
        <translation>nie udało się zapisać %1: %2</translation>
    </message>
    <message>
        <source>%1 read</source>
        <translation>odczytano: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n plik</numerusform>
            <numerusform>%n pliki</numerusform>
            <numerusform>%n plików</numerusform>
        </translation>
    </message>
    <message>
        <source> (and %1 read once)</source>
        <translation> (oraz odczytane raz: %1)</translation>
    </message>
    <message numerus="yes">
        <source>%n copy(ies)</source>
        <translation>
            <numerusform>%n kopia</numerusform>
            <numerusform>%n kopie</numerusform>
            <numerusform>%n kopii</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2 skipped; %3 (%4 by folder, %5 by file name); tests: %6</source>
        <translation>%1, pominięto: %2; %3 (%4 wg folderu, %5 wg nazwy pliku); testy: %6</translation>
    </message>
    <message numerus="yes">
        <source>%n student(s)</source>
        <translation>
            <numerusform>%n student</numerusform>
            <numerusform>%n studentów</numerusform>
            <numerusform>%n studentów</numerusform>
        </translation>
    </message>
    <message>
        <source>none</source>
        <translation>brak</translation>
    </message>
</context>
<context>
    <name>ClassSummary</name>
    <message>
        <source>.%1 file</source>
        <translation>plik .%1</translation>
    </message>
    <message>
        <source>it has %1 lines; a %2 has %3</source>
        <translation>ma %1 wierszy; %2 ma %3</translation>
    </message>
    <message>
        <source>line %1 is not what a %2 holds there</source>
        <translation>wiersz %1 nie zawiera tego, co zawiera w tym miejscu %2</translation>
    </message>
    <message>
        <source>it has more than the %1 lines of a %2</source>
        <translation>ma więcej wierszy niż %1, które ma %2</translation>
    </message>
    <message>
        <source>%1: %2 holds %3 sets that %4 holds too; each taken once</source>
        <translation>%1: %2 zawiera %3 zestawów, które zawiera też %4; każdy wzięto raz</translation>
    </message>
    <message>
        <source>%1 has two different %2 files, %3 and %4: both kept as separate sets</source>
        <translation>%1 ma dwa różne pliki %2, %3 i %4: oba zachowano jako osobne zestawy</translation>
    </message>
    <message>
        <source>%1 handed in</source>
        <translation>oddane przez: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n student(s)</source>
        <translation>
            <numerusform>%n student</numerusform>
            <numerusform>%n studentów</numerusform>
            <numerusform>%n studentów</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>cannot create or enter the folder %1; files are kept in %2</source>
        <translation>nie można utworzyć folderu %1 ani do niego wejść; pliki są przechowywane w %2</translation>
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
        <translation>Użycie: %1 [--user-folder] [--hand-in KATALOG] [--unlock] [--language KOD]
          [PLIK-KONFIGURACJI]
       %1 --timing-check | --check-machine | --version | --help

Pomiar czasu reakcji na bodźce proste i złożone: czasy reakcji studenta na
dźwięk, zmianę koloru lub oba, w teście prostym i dwóch testach z wyborem.

  PLIK-KONFIGURACJI   konfiguracja używana zamiast %2; nazwa względna
                      jest brana w folderze, w którym są przechowywane pliki
  --user-folder       przechowuj pliki w folderze użytkownika, tworzonym w razie braku:
                      %3
                      (tak uruchamia program pozycja w menu pulpitu)
  --hand-in KATALOG   oddawaj też każdy zapisany plik .nrm i .col oraz każdy
                      recover.dat do KATALOG/&lt;nazwa logowania&gt;/ dla nauczyciela
                      (ustawiane dla wszystkich w /etc/xdg/Brevane/Brevane.conf;
                      man brevane)
  --unlock            gdy pracownia blokuje ustawienia, pozwól członkowi grupy
                      nauczycieli pracowni zmienić je w tej sesji
  --timing-check      pokaż migające pole dla fotodiody lub kamery wraz z
                      częstotliwością odświeżania, rozrzutem czasu klatki i
                      używanymi źródłami znaczników czasu (kończy Esc lub kliknięcie)
  --check-machine     sprawdź ten komputer od końca do końca przez wejście karty dźwiękowej:
                      ekran fotodiodą, dźwięk kablem z wyjścia,
                      mysz jej kliknięciem; zachowuje opóźnienia dla okna „O programie”
                      i podsumowania klasy (docs/guide.md)
  --language KOD      pokaż program w tym języku (de, ja, ar, ...;
                      po angielsku, gdy brak tłumaczenia) zamiast języka
                      systemu lub ustawionego w Brevane.conf
  --version           wypisz wersję i zakończ
  --help              wypisz ten tekst i zakończ

Pliki są przechowywane w bieżącym katalogu lub z --user-folder w folderze
powyżej: %2 (konfiguracja, zapisywana z wartościami domyślnymi, gdy jej brak)
i recover.dat (zestawy każdego testu, zapisywane na nowo po końcu serii; Odzyskaj
w menu głównym wczytuje je z powrotem). Tam otwierają się okna plików; pliki wyników
(.nrm, .col) trafiają tam, gdzie je zapiszesz.
</translation>
    </message>
</context>
<context>
    <name>DisplayStamps</name>
    <message>
        <source>; times may be one frame long: see the guide</source>
        <translation>; czasy mogą być o jedną klatkę dłuższe: zob. przewodnik</translation>
    </message>
    <message>
        <source>The window system does not say when a frame is shown</source>
        <translation>System okien nie podaje, kiedy klatka jest wyświetlana</translation>
    </message>
    <message>
        <source>The X server does not say when a frame is shown</source>
        <translation>Serwer X nie podaje, kiedy klatka jest wyświetlana</translation>
    </message>
    <message>
        <source>XWayland shows the window through the Wayland compositor</source>
        <translation>XWayland pokazuje okno przez kompozytor Wayland</translation>
    </message>
    <message>
        <source>Some stimuli were stamped by %1</source>
        <translation>Niektóre bodźce oznaczono znacznikiem czasu przez %1</translation>
    </message>
    <message>
        <source>the display&apos;s refresh</source>
        <translation>odświeżanie wyświetlacza</translation>
    </message>
    <message>
        <source>the X server&apos;s refresh, not the pixel&apos;s</source>
        <translation>odświeżanie serwera X, nie piksela</translation>
    </message>
    <message>
        <source>the compositor&apos;s frame timings</source>
        <translation>czasy klatek kompozytora</translation>
    </message>
    <message>
        <source>the screen read back</source>
        <translation>odczyt zwrotny ekranu</translation>
    </message>
    <message>
        <source>the Wayland compositor&apos;s report of the frame</source>
        <translation>raport kompozytora Wayland o klatce</translation>
    </message>
    <message>
        <source>the hand-over to the X server</source>
        <translation>przekazanie do serwera X</translation>
    </message>
    <message>
        <source>the clock after a repaint</source>
        <translation>zegar po odświeżeniu okna</translation>
    </message>
    <message>
        <source>%1 (exact)</source>
        <translation>%1 (dokładnie)</translation>
    </message>
    <message>
        <source>%1 (estimated)</source>
        <translation>%1 (szacunkowo)</translation>
    </message>
    <message>
        <source>none</source>
        <translation>brak</translation>
    </message>
    <message>
        <source>%1 Hz</source>
        <translation>%1 Hz</translation>
    </message>
    <message>
        <source>not reported (a virtual screen)</source>
        <translation>nie podano (ekran wirtualny)</translation>
    </message>
    <message>
        <source>The Wayland compositor estimates when a frame is shown; times may be one frame long: see the guide</source>
        <translation>Kompozytor Wayland szacuje, kiedy klatka jest wyświetlana; czasy mogą być o jedną klatkę dłuższe: zob. przewodnik</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>Reflex Data Files (*.nrm)|*.nrm</source>
        <translation>Pliki danych Reflex (*.nrm)|*.nrm</translation>
    </message>
    <message>
        <source>Reflex Data Files (*.col)|*.col</source>
        <translation>Pliki danych Reflex (*.col)|*.col</translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
        File already exisits. Do you want to overwrite?</source>
        <translation><byte value="xd"/>
<byte value="xd"/>
        Plik już istnieje. Czy chcesz go zastąpić?</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Zapisz plik</translation>
    </message>
    <message>
        <source>Save File Error</source>
        <translation>Błąd zapisu pliku</translation>
    </message>
    <message>
        <source>Save Cancelled</source>
        <translation>Zapis anulowany</translation>
    </message>
    <message>
        <source>Load File Error</source>
        <translation>Błąd wczytywania pliku</translation>
    </message>
    <message>
        <source>Load Cancelled</source>
        <translation>Wczytywanie anulowane</translation>
    </message>
    <message>
        <source>Export to CSV</source>
        <translation>Eksport do CSV</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)|*.csv</source>
        <translation>Pliki CSV (*.csv)|*.csv</translation>
    </message>
</context>
<context>
    <name>FileRead</name>
    <message>
        <source>%1 is a folder, not a file.</source>
        <translation>%1 jest folderem, a nie plikiem.</translation>
    </message>
    <message>
        <source>%1 holds %2 MB, far more than any file of this program; it was not read.</source>
        <translation>%1 ma %2 MB, znacznie więcej niż jakikolwiek plik tego programu; nie został odczytany.</translation>
    </message>
    <message>
        <source>%1 is far larger than any file of this program; it was not read.</source>
        <translation>%1 jest znacznie większy niż jakikolwiek plik tego programu; nie został odczytany.</translation>
    </message>
</context>
<context>
    <name>HandIn</name>
    <message>
        <source>Hand-in</source>
        <translation>Oddanie</translation>
    </message>
    <message>
        <source>the hand-in folder is missing</source>
        <translation>brak folderu oddanych wyników</translation>
    </message>
    <message>
        <source>Not handed in to %1: %2.
Your file is saved on this computer; it is handed in at your next save.</source>
        <translation>Nie oddano do %1: %2.
Plik jest zapisany na tym komputerze; zostanie oddany przy następnym zapisie.</translation>
    </message>
    <message>
        <source>the hand-in folder is still not answering</source>
        <translation>folder oddanych wyników nadal nie odpowiada</translation>
    </message>
    <message>
        <source>the hand-in folder did not answer</source>
        <translation>folder oddanych wyników nie odpowiedział</translation>
    </message>
    <message>
        <source>the folder %1 in the hand-in folder is a link, not a folder</source>
        <translation>folder %1 w folderze oddanych wyników jest dowiązaniem, a nie folderem</translation>
    </message>
    <message>
        <source>%1 in the hand-in folder is not a folder</source>
        <translation>%1 w folderze oddanych wyników nie jest folderem</translation>
    </message>
    <message>
        <source>the folder %1 in the hand-in folder belongs to another user</source>
        <translation>folder %1 w folderze oddanych wyników należy do innego użytkownika</translation>
    </message>
</context>
<context>
    <name>HandoutPage</name>
    <message>
        <source>beyond your median ± 3 scaled MADs of the test</source>
        <translation>poza Twoją medianą ± 3 skalowane MAD testu</translation>
    </message>
    <message>
        <source>beyond your mean ± 3 SD of the test</source>
        <translation>poza Twoją średnią ± 3 SD testu</translation>
    </message>
    <message>
        <source>none cut here</source>
        <translation>tu nic nie odcięto</translation>
    </message>
    <message>
        <source>Reaction times of %1</source>
        <translation>Czasy reakcji: %1</translation>
    </message>
    <message>
        <source>Your times beside your class&apos;s (%1 students), in whole milliseconds as stored.</source>
        <translation>Twoje czasy obok czasów klasy (studentów: %1), w pełnych milisekundach, jak zapisano.</translation>
    </message>
    <message>
        <source>test</source>
        <translation>test</translation>
    </message>
    <message>
        <source>sets</source>
        <translation>zestawy</translation>
    </message>
    <message>
        <source>runs that count</source>
        <translation>liczone próby</translation>
    </message>
    <message>
        <source>mean</source>
        <translation>średnia</translation>
    </message>
    <message>
        <source>median</source>
        <translation>mediana</translation>
    </message>
    <message>
        <source>anticipations</source>
        <translation>antycypacje</translation>
    </message>
    <message>
        <source>lapses</source>
        <translation>zaniki uwagi</translation>
    </message>
    <message>
        <source>outliers</source>
        <translation>wartości odstające</translation>
    </message>
    <message>
        <source>Runs that count: all but missed hits, anticipations (under %1 ms), lapses (over %2 ms) and outliers (%3). mean: the mean of your set means, every time as stored. median, μ, σ, τ: your runs but missed hits, anticipations and lapses; μ, σ, τ: the ex-Gaussian fitted to them, a normal part (μ, σ) plus an exponential part of mean τ, the slow tail; from %4 runs on.</source>
        <translation>Liczone próby: wszystkie poza trafieniami pominiętymi, antycypacjami (poniżej %1 ms), zanikami uwagi (powyżej %2 ms) i wartościami odstającymi (%3). średnia: średnia ze średnich Twoich zestawów, każdy czas jak zapisano. mediana, μ, σ, τ: Twoje próby poza trafieniami pominiętymi, antycypacjami i zanikami uwagi; μ, σ, τ: dopasowany do nich rozkład ex-Gaussa, część normalna (μ, σ) plus część wykładnicza o średniej τ, wolny ogon; od %4 prób.</translation>
    </message>
    <message>
        <source>Grey: the class&apos;s runs that count; outlined: yours, each as shares of its runs. Ticks: the class&apos;s means; the dot: yours.</source>
        <translation>Szare: liczone próby klasy; obrysowane: Twoje, każde jako udziały w swoich próbach. Kreski: średnie klasy; kropka: Twoja.</translation>
    </message>
    <message>
        <source>No mean: none of your runs is a reaction time.</source>
        <translation>Brak średniej: żadna z Twoich prób nie jest czasem reakcji.</translation>
    </message>
    <message>
        <source>Your mean, %1 ms; nobody else took this test.</source>
        <translation>Twoja średnia: %1 ms; nikt inny nie wykonał tego testu.</translation>
    </message>
    <message>
        <source>Your mean, %1 ms: of the %2 others, %3 faster, %4 slower.</source>
        <translation>Twoja średnia: %1 ms: spośród %2 pozostałych %3 szybciej, %4 wolniej.</translation>
    </message>
</context>
<context>
    <name>Handouts</name>
    <message>
        <source>Reaction times: a page for each student</source>
        <translation>Czasy reakcji: strona dla każdego studenta</translation>
    </message>
</context>
<context>
    <name>Lab</name>
    <message>
        <source>The settings are locked by the lab (LockSettings in %1).</source>
        <translation>Ustawienia są zablokowane przez pracownię (LockSettings w %1).</translation>
    </message>
    <message>
        <source>Nobody may unlock the settings here: %1 names no group of teachers (Teachers in its [Lab] section).</source>
        <translation>Nikt nie może tu odblokować ustawień: %1 nie wskazuje grupy nauczycieli (Teachers w sekcji [Lab]).</translation>
    </message>
    <message>
        <source>The settings are locked by the lab (LockSettings in %1); a member of the group %2 may change them by starting the program with --unlock.</source>
        <translation>Ustawienia są zablokowane przez pracownię (LockSettings w %1); członek grupy %2 może je zmienić, uruchamiając program z --unlock.</translation>
    </message>
    <message>
        <source>Only a member of the group %1 may unlock the settings with --unlock, which %2 is not; the settings stay locked.</source>
        <translation>Tylko członek grupy %1 może odblokować ustawienia przez --unlock, a %2 nim nie jest; ustawienia pozostają zablokowane.</translation>
    </message>
</context>
<context>
    <name>MachineCheck</name>
    <message>
        <source>%1 of %2 trials</source>
        <translation>%1 z %2 prób pomiarowych</translation>
    </message>
    <message>
        <source>the signal is too weak (%1): turn the input volume up, or the screen&apos;s brightness, and hold the diode flat on the patch</source>
        <translation>sygnał jest za słaby (%1): zwiększ głośność wejścia lub jasność ekranu i przyłóż diodę płasko do pola</translation>
    </message>
    <message>
        <source>the signal is too weak (%1): turn the output and the input volume up</source>
        <translation>sygnał jest za słaby (%1): zwiększ głośność wyjścia i wejścia</translation>
    </message>
    <message>
        <source>the clicks are too faint (%1): put the microphone closer to the mouse and turn the input volume up</source>
        <translation>kliknięcia są za ciche (%1): przysuń mikrofon bliżej myszy i zwiększ głośność wejścia</translation>
    </message>
    <message>
        <source>the signal is too noisy (%1): keep the room quiet, the cable short and away from the mains, and turn the input volume down if it hums</source>
        <translation>sygnał jest za bardzo zaszumiony (%1): zadbaj o ciszę w sali, krótki kabel z dala od sieci elektrycznej i zmniejsz głośność wejścia, jeśli buczy</translation>
    </message>
    <message>
        <source>the recording broke off (%1): close other programs that use the sound card and try again</source>
        <translation>nagrywanie zostało przerwane (%1): zamknij inne programy używające karty dźwiękowej i spróbuj ponownie</translation>
    </message>
    <message>
        <source>no flash was seen in %1: is the diode on the patch and plugged into the input that records?</source>
        <translation>nie wykryto błysku w %1: czy dioda jest na polu i podłączona do nagrywającego wejścia?</translation>
    </message>
    <message>
        <source>no tone came back in %1: is the output looped to the input that records?</source>
        <translation>żaden dźwięk nie wrócił w %1: czy wyjście jest połączone pętlą z nagrywającym wejściem?</translation>
    </message>
    <message>
        <source>no click was heard in %1: is the microphone next to the mouse?</source>
        <translation>nie słychać kliknięcia w %1: czy mikrofon jest obok myszy?</translation>
    </message>
    <message>
        <source>too few trials (%1)</source>
        <translation>za mało prób pomiarowych (%1)</translation>
    </message>
</context>
<context>
    <name>MachineResult</name>
    <message>
        <source>it is not a machine check&apos;s result</source>
        <translation>to nie jest wynik sprawdzenia komputera</translation>
    </message>
    <message>
        <source>line %1 is not a part&apos;s lag</source>
        <translation>wiersz %1 nie jest opóźnieniem części</translation>
    </message>
    <message>
        <source>it names no machine</source>
        <translation>nie wskazuje żadnego komputera</translation>
    </message>
    <message>
        <source>%1 %2 ms (SD %3)</source>
        <translation>%1 %2 ms (SD %3)</translation>
    </message>
    <message>
        <source>%1: not measured</source>
        <translation>%1: nie zmierzono</translation>
    </message>
    <message>
        <source>Machine check: not done on this machine (brevane --check-machine)</source>
        <translation>Sprawdzenie komputera: nie wykonano na tym komputerze (brevane --check-machine)</translation>
    </message>
    <message>
        <source>Machine check (%1, %2): %3</source>
        <translation>Sprawdzenie komputera (%1, %2): %3</translation>
    </message>
</context>
<context>
    <name>ProgramVersion</name>
    <message>
        <source>Version %1.%2%3</source>
        <translation>Wersja %1.%2%3</translation>
    </message>
</context>
<context>
    <name>QtPrinting</name>
    <message>
        <source>The printer %1 could not be opened.</source>
        <translation>Nie można otworzyć drukarki %1.</translation>
    </message>
    <message>
        <source>The printer %1 reported an error.</source>
        <translation>Drukarka %1 zgłosiła błąd.</translation>
    </message>
    <message>
        <source>The PDF could not be completed.</source>
        <translation>Nie można dokończyć pliku PDF.</translation>
    </message>
    <message>
        <source>The PDF could not be started.</source>
        <translation>Nie można rozpocząć pliku PDF.</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Ustawienia wydruku</translation>
    </message>
</context>
<context>
    <name>RecoveryFile</name>
    <message>
        <source>The recovery file recover.dat could not be written.</source>
        <translation>Nie można zapisać pliku odzyskiwania recover.dat.</translation>
    </message>
    <message>
        <source><byte value="xd"/>Your data are kept in memory.</source>
        <translation><byte value="xd"/>Dane są przechowywane w pamięci.</translation>
    </message>
    <message>
        <source>Recovery File Error</source>
        <translation>Błąd pliku odzyskiwania</translation>
    </message>
    <message>
        <source>Load Cancelled</source>
        <translation>Wczytywanie anulowane</translation>
    </message>
    <message>
        <source>No Recovery File Created or Found</source>
        <translation>Nie utworzono ani nie znaleziono pliku odzyskiwania</translation>
    </message>
    <message>
        <source>Load File Error</source>
        <translation>Błąd wczytywania pliku</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Fastest Time</source>
        <translation>Najszybszy czas</translation>
    </message>
    <message>
        <source>Slowest Time</source>
        <translation>Najwolniejszy czas</translation>
    </message>
    <message>
        <source>Average Time</source>
        <translation>Średni czas</translation>
    </message>
    <message>
        <source>Correct Hits</source>
        <translation>Trafienia poprawne</translation>
    </message>
    <message>
        <source>Correct Misses</source>
        <translation>Pominięcia poprawne</translation>
    </message>
    <message>
        <source>InCorrect Hits</source>
        <translation>Trafienia błędne</translation>
    </message>
    <message>
        <source>Missed Hits</source>
        <translation>Trafienia pominięte</translation>
    </message>
    <message>
        <source>Orv Tovanel:  Color Reflex Data</source>
        <translation>Orv Tovanel:  dane reakcji na kolory</translation>
    </message>
    <message>
        <source>Orv Tovanel:  Number Reflex Data</source>
        <translation>Orv Tovanel:  dane reakcji na liczby</translation>
    </message>
    <message>
        <source>Set  %1</source>
        <translation>Zestaw  %1</translation>
    </message>
    <message>
        <source>Comments:</source>
        <translation>Komentarze:</translation>
    </message>
    <message>
        <source>Save Report As PDF</source>
        <translation>Zapisz raport jako PDF</translation>
    </message>
    <message>
        <source>PDF Files|*.pdf</source>
        <translation>Pliki PDF|*.pdf</translation>
    </message>
    <message>
        <source>The file could not be written.</source>
        <translation>Nie można zapisać pliku.</translation>
    </message>
    <message>
        <source>Print Error<byte value="xd"/></source>
        <translation>Błąd drukowania<byte value="xd"/></translation>
    </message>
    <message>
        <source>Print Cancelled</source>
        <translation>Drukowanie anulowane</translation>
    </message>
    <message>
        <source>  Slowest Time</source>
        <translation>  Najwolniejszy czas</translation>
    </message>
    <message>
        <source>Orv Tovanel:  Normal Reflex Data</source>
        <translation>Orv Tovanel:  dane reakcji prostej</translation>
    </message>
</context>
<context>
    <name>ResultsKind</name>
    <message>
        <source>Complex Choice Color/Audio Stimulus Module Data Display</source>
        <translation>Wyniki modułu bodźców z wyborem: kolor/dźwięk</translation>
    </message>
    <message>
        <source>Delete run %1 from the set? </source>
        <translation>Usunąć próbę %1 z zestawu? </translation>
    </message>
    <message>
        <source>Color Reflex Data Files</source>
        <translation>Pliki danych reakcji na kolory</translation>
    </message>
    <message>
        <source>Complex Choice Number/Audio Stimulus Module Data Display</source>
        <translation>Wyniki modułu bodźców z wyborem: liczba/dźwięk</translation>
    </message>
    <message>
        <source>Delete run %1 for the set? </source>
        <translation>Usunąć próbę %1 z zestawu? </translation>
    </message>
    <message>
        <source>Number Reflex Data Files</source>
        <translation>Pliki danych reakcji na liczby</translation>
    </message>
    <message>
        <source>Simple Choice Stimulus Module Data Display</source>
        <translation>Wyniki modułu bodźców prostych</translation>
    </message>
    <message>
        <source>Normal Reflex Data Files</source>
        <translation>Pliki danych reakcji prostej</translation>
    </message>
</context>
<context>
    <name>ResultsModel</name>
    <message>
        <source>Delete run %1 for the set? </source>
        <translation>Usunąć próbę %1 z zestawu? </translation>
    </message>
    <message>
        <source>Are you sure you want to DELETE ALL DATA ?</source>
        <translation>Czy na pewno USUNĄĆ WSZYSTKIE DANE?</translation>
    </message>
    <message>
        <source>Delete All Data</source>
        <translation>Usuń wszystkie dane</translation>
    </message>
</context>
<context>
    <name>RuleOptions</name>
    <message>
        <source>A time under &lt;ms&gt; is an anticipation (default: 100).</source>
        <translation>Czas poniżej &lt;ms&gt; to antycypacja (domyślnie: 100).</translation>
    </message>
    <message>
        <source>A time over &lt;ms&gt; is a lapse (default: 2000).</source>
        <translation>Czas powyżej &lt;ms&gt; to zanik uwagi (domyślnie: 2000).</translation>
    </message>
    <message>
        <source>Cut outliers beyond median +- 3 scaled MADs (mad, the default), mean +- 3 SD (sd), or not at all (none).</source>
        <translation>Odcinaj wartości odstające poza medianą +- 3 skalowane MAD (mad, domyślnie), średnią +- 3 SD (sd) lub wcale (none).</translation>
    </message>
    <message>
        <source>Write a PDF page for each student, handout-&lt;student&gt;.pdf.</source>
        <translation>Zapisz stronę PDF dla każdego studenta, handout-&lt;student&gt;.pdf.</translation>
    </message>
    <message>
        <source>--%1 takes a whole number of milliseconds from %2 to %3, not %4</source>
        <translation>--%1 przyjmuje całkowitą liczbę milisekund od %2 do %3, a nie %4</translation>
    </message>
    <message>
        <source>the lapse limit (%1 ms) must lie above the anticipation limit (%2 ms)</source>
        <translation>granica zaniku uwagi (%1 ms) musi być powyżej granicy antycypacji (%2 ms)</translation>
    </message>
    <message>
        <source>--outlier-rule takes mad, sd or none, not %1</source>
        <translation>--outlier-rule przyjmuje mad, sd lub none, a nie %1</translation>
    </message>
</context>
<context>
    <name>SessionPlatform</name>
    <message>
        <source>On Wayland: no pointer placement, and presses are stamped by the toolkit event (XWayland gives both)</source>
        <translation>W Wayland: bez ustawiania wskaźnika, a naciśnięcia oznacza znacznikiem czasu zdarzenie biblioteki (XWayland daje oba)</translation>
    </message>
    <message>
        <source>Wayland session: running on X through XWayland, which places the pointer and reads raw input</source>
        <translation>Sesja Wayland: działanie na X przez XWayland, który ustawia wskaźnik i odczytuje surowe wejście</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Settings Locked</source>
        <translation>Ustawienia zablokowane</translation>
    </message>
</context>
<context>
    <name>SettingsEditor</name>
    <message>
        <source>Configuration Files (*.cfg)|*.cfg</source>
        <translation>Pliki konfiguracji (*.cfg)|*.cfg</translation>
    </message>
    <message>
        <source>Trigger Colour</source>
        <translation>Kolor bodźca</translation>
    </message>
    <message>
        <source>The trigger colour must differ from the panel&apos;s white at rest, or the stimulus is invisible.</source>
        <translation>Kolor bodźca musi się różnić od bieli panelu w spoczynku, inaczej bodziec jest niewidoczny.</translation>
    </message>
    <message>
        <source>Save Configuration File</source>
        <translation>Zapisz plik konfiguracji</translation>
    </message>
    <message>
        <source>Save File Error</source>
        <translation>Błąd zapisu pliku</translation>
    </message>
    <message>
        <source>Save Cancelled</source>
        <translation>Zapis anulowany</translation>
    </message>
    <message>
        <source>Load Configuration File</source>
        <translation>Wczytaj plik konfiguracji</translation>
    </message>
    <message>
        <source>Load File Error</source>
        <translation>Błąd wczytywania pliku</translation>
    </message>
    <message>
        <source>Load Cancelled</source>
        <translation>Wczytywanie anulowane</translation>
    </message>
    <message>
        <source>Configuration File Load Error</source>
        <translation>Błąd wczytywania pliku konfiguracji</translation>
    </message>
    <message>
        <source>Invalid Configuration File<byte value="xd"/>No File Loaded</source>
        <translation>Nieprawidłowy plik konfiguracji<byte value="xd"/>Nie wczytano pliku</translation>
    </message>
</context>
<context>
    <name>ShapeChart</name>
    <message>
        <source>median of the student&apos;s runs (ms)</source>
        <translation>mediana prób studenta (ms)</translation>
    </message>
    <message>
        <source>τ, the slow tail (ms)</source>
        <translation>τ, wolny ogon (ms)</translation>
    </message>
    <message>
        <source>%1 of %2 students fitted
mean τ %3 ms</source>
        <translation>dopasowano %1 z %2 studentów
średnie τ %3 ms</translation>
    </message>
    <message>
        <source>%1 − simple: μ %2 ms (95 % CI %3 to %4), τ %5 ms (%6 to %7), %8 students</source>
        <translation>%1 − prosty: μ %2 ms (95 % PU %3 do %4), τ %5 ms (%6 do %7), studentów: %8</translation>
    </message>
    <message>
        <source>The shape of each student&apos;s times</source>
        <translation>Kształt czasów każdego studenta</translation>
    </message>
    <message>
        <source>One dot for each student and test with an ex-Gaussian fit (at least %1 runs that are neither anticipations nor lapses): across, the median of those runs; up, τ, the mean of the fit&apos;s exponential part: its slow tail. A test that slows every run moves the dots to the right; one that adds slow runs moves them up.</source>
        <translation>Jedna kropka dla każdego studenta i testu z dopasowaniem ex-Gaussa (co najmniej %1 prób, które nie są ani antycypacjami, ani zanikami uwagi): w poziomie mediana tych prób; w pionie τ, średnia części wykładniczej dopasowania: jej wolny ogon. Test, który spowalnia każdą próbę, przesuwa kropki w prawo; test, który dodaje wolne próby, przesuwa je w górę.</translation>
    </message>
    <message>
        <source>No student has %1 runs in a test yet: too few for a fit</source>
        <translation>Żaden student nie ma jeszcze %1 prób w teście: za mało do dopasowania</translation>
    </message>
</context>
<context>
    <name>ShareCheck</name>
    <message>
        <source>cannot look at %1 (%2)</source>
        <translation>nie można sprawdzić %1 (%2)</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 nie jest folderem</translation>
    </message>
    <message>
        <source>cannot list %1 (%2): run this as a member of its group or as root</source>
        <translation>nie można wylistować %1 (%2): uruchom to jako członek jego grupy lub jako root</translation>
    </message>
    <message>
        <source>1 student&apos;s folder</source>
        <translation>1 folder studenta</translation>
    </message>
    <message>
        <source>%1 students&apos; folders</source>
        <translation>folderów studentów: %1</translation>
    </message>
    <message>
        <source>%1: %2, all as the recipe has them</source>
        <translation>%1: %2, wszystko zgodnie z przepisem</translation>
    </message>
    <message>
        <source>%1: %2; 1 thing to put right</source>
        <translation>%1: %2; 1 rzecz do poprawienia</translation>
    </message>
    <message>
        <source>%1: %2; %3 things to put right</source>
        <translation>%1: %2; rzeczy do poprawienia: %3</translation>
    </message>
    <message>
        <source>%1: the guide&apos;s first recipe, one group folder (mode 3773), group %2</source>
        <translation>%1: pierwszy przepis przewodnika, jeden folder grupy (tryb 3773), grupa %2</translation>
    </message>
    <message>
        <source>%1: the guide&apos;s second recipe, a folder per student (mode 0751), group %2</source>
        <translation>%1: drugi przepis przewodnika, folder dla każdego studenta (tryb 0751), grupa %2</translation>
    </message>
    <message>
        <source>%1 has the mode %2, not %3</source>
        <translation>%1 ma tryb %2, a nie %3</translation>
    </message>
    <message>
        <source>every user may list %1 and see who handed in: take the others&apos; r away</source>
        <translation>każdy użytkownik może wylistować %1 i zobaczyć, kto oddał: odbierz innym prawo r</translation>
    </message>
    <message>
        <source>without the sticky bit a student may rename or remove another&apos;s folder</source>
        <translation>bez bitu sticky student może zmienić nazwę folderu innego studenta lub go usunąć</translation>
    </message>
    <message>
        <source>without the setgid bit the students&apos; new folders do not get the group %1, and the teachers cannot read them</source>
        <translation>bez bitu setgid nowe foldery studentów nie dostają grupy %1 i nauczyciele nie mogą ich czytać</translation>
    </message>
    <message>
        <source>the students cannot %1 their folders in %2</source>
        <translation>studenci nie mogą %1 swoich folderów w %2</translation>
    </message>
    <message>
        <source>make</source>
        <translation>tworzyć</translation>
    </message>
    <message>
        <source>reach</source>
        <translation>otwierać</translation>
    </message>
    <message>
        <source>the group %1 cannot list %2, so the teachers do not see the folders</source>
        <translation>grupa %1 nie może wylistować %2, więc nauczyciele nie widzą folderów</translation>
    </message>
    <message>
        <source>%1 belongs to user %2, not root: %2 may rename or remove every student&apos;s folder</source>
        <translation>%1 należy do użytkownika %2, a nie do root: %2 może zmienić nazwę folderu każdego studenta lub go usunąć</translation>
    </message>
    <message>
        <source>%1 is a link, not a student&apos;s folder: remove it (hand-ins through it are refused)</source>
        <translation>%1 jest dowiązaniem, a nie folderem studenta: usuń je (oddania przez nie są odrzucane)</translation>
    </message>
    <message>
        <source>%1 is no student&apos;s folder, and belongs to user %2: remove it</source>
        <translation>%1 nie jest folderem żadnego studenta i należy do użytkownika %2: usuń go</translation>
    </message>
    <message>
        <source>%1: there is no user %2 on this machine</source>
        <translation>%1: na tym komputerze nie ma użytkownika %2</translation>
    </message>
    <message>
        <source>%1 belongs to user %2, not %3: remove it, or %3&apos;s hand-ins are refused</source>
        <translation>%1 należy do użytkownika %2, a nie %3: usuń go, inaczej oddania użytkownika %3 są odrzucane</translation>
    </message>
    <message>
        <source>%1 has the group %2, not %3: the teachers cannot read it</source>
        <translation>%1 ma grupę %2, a nie %3: nauczyciele nie mogą go czytać</translation>
    </message>
    <message>
        <source>%1 has the mode %2, not 0750%3</source>
        <translation>%1 ma tryb %2, a nie 0750%3</translation>
    </message>
    <message>
        <source>: every user may read %1&apos;s files</source>
        <translation>: każdy użytkownik może czytać pliki %1</translation>
    </message>
    <message>
        <source>%1 is in the group %2, and so may read every student&apos;s folder</source>
        <translation>%1 jest w grupie %2, więc może czytać folder każdego studenta</translation>
    </message>
    <message>
        <source>%1 is a link, which the summary does not follow: remove it</source>
        <translation>%1 jest dowiązaniem, którego podsumowanie nie śledzi: usuń je</translation>
    </message>
    <message>
        <source>%1 is a FIFO, a socket or a device, which the summary does not read: remove it</source>
        <translation>%1 jest potokiem FIFO, gniazdem lub urządzeniem, których podsumowanie nie czyta: usuń go</translation>
    </message>
    <message>
        <source>%1 belongs to user %2, not to the folder&apos;s student</source>
        <translation>%1 należy do użytkownika %2, a nie do studenta tego folderu</translation>
    </message>
    <message>
        <source>every user may read %1</source>
        <translation>każdy użytkownik może czytać %1</translation>
    </message>
</context>
<context>
    <name>SimpleEngine</name>
    <message>
        <source>            Audio Trigger</source>
        <translation>            Bodziec dźwiękowy</translation>
    </message>
    <message>
        <source>           Visual Trigger</source>
        <translation>           Bodziec wzrokowy</translation>
    </message>
    <message>
        <source>     Audio/Visual Trigger</source>
        <translation>     Bodziec dźwiękowo-wzrokowy</translation>
    </message>
    <message>
        <source>The sound device &quot;%1&quot; could not be opened.</source>
        <translation>Nie można otworzyć urządzenia dźwiękowego „%1”.</translation>
    </message>
    <message>
        <source><byte value="xd"/>An audio trigger needs it: choose a visual trigger in Options.</source>
        <translation><byte value="xd"/>Bodziec dźwiękowy go wymaga: wybierz bodziec wzrokowy w Opcjach.</translation>
    </message>
    <message>
        <source>No Sound Device</source>
        <translation>Brak urządzenia dźwiękowego</translation>
    </message>
    <message>
        <source><byte value="xd"/>The series runs with the colour alone.</source>
        <translation><byte value="xd"/>Seria przebiega tylko z kolorem.</translation>
    </message>
</context>
<context>
    <name>SoundCapture</name>
    <message>
        <source>the sound card has no input to record from (%1)</source>
        <translation>karta dźwiękowa nie ma wejścia do nagrywania (%1)</translation>
    </message>
    <message>
        <source>the sound card&apos;s input cannot record mono at %1 Hz (%2)</source>
        <translation>wejście karty dźwiękowej nie może nagrywać mono przy %1 Hz (%2)</translation>
    </message>
    <message>
        <source>no PipeWire server answers</source>
        <translation>żaden serwer PipeWire nie odpowiada</translation>
    </message>
    <message>
        <source>PipeWire has no input to record from</source>
        <translation>PipeWire nie ma wejścia do nagrywania</translation>
    </message>
    <message>
        <source>no PulseAudio server answers</source>
        <translation>żaden serwer PulseAudio nie odpowiada</translation>
    </message>
    <message>
        <source>PulseAudio has no input to record from</source>
        <translation>PulseAudio nie ma wejścia do nagrywania</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>the built-in defaults</source>
        <translation>wbudowane wartości domyślne</translation>
    </message>
    <message>
        <source>, locked by the lab</source>
        <translation>, zablokowane przez pracownię</translation>
    </message>
    <message>
        <source>Settings Locked</source>
        <translation>Ustawienia zablokowane</translation>
    </message>
    <message>
        <source>The configuration file %1 is not read: the lab locks the settings (LockSettings in %2).</source>
        <translation>Plik konfiguracji %1 nie jest odczytywany: pracownia blokuje ustawienia (LockSettings w %2).</translation>
    </message>
    <message>
        <source>Loading the class configuration ...</source>
        <translation>Wczytywanie konfiguracji klasy ...</translation>
    </message>
    <message>
        <source>the class configuration %1</source>
        <translation>konfiguracja klasy %1</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>nie ma takiego pliku</translation>
    </message>
    <message>
        <source>Class Configuration</source>
        <translation>Konfiguracja klasy</translation>
    </message>
    <message>
        <source>The class configuration %1 that %2 names cannot be read (%3); the configuration of this computer is used instead.</source>
        <translation>Nie można odczytać konfiguracji klasy %1 wskazanej przez %2 (%3); zamiast niej używana jest konfiguracja tego komputera.</translation>
    </message>
</context>
<context>
    <name>StartupSequence</name>
    <message>
        <source>the screen is smaller than 800 x 600; the program ends</source>
        <translation>ekran jest mniejszy niż 800 x 600; program kończy działanie</translation>
    </message>
    <message>
        <source>Fatal Application Error</source>
        <translation>Krytyczny błąd aplikacji</translation>
    </message>
    <message>
        <source>Orv Brevane supports a minimum screen resolution of 800 x 600</source>
        <translation>Orv Brevane wymaga rozdzielczości ekranu co najmniej 800 x 600</translation>
    </message>
    <message>
        <source>Press OK to terminate program</source>
        <translation>Naciśnij OK, aby zakończyć program</translation>
    </message>
    <message>
        <source>Loading default configuration file ...</source>
        <translation>Wczytywanie domyślnego pliku konfiguracji ...</translation>
    </message>
    <message>
        <source>Initializing application ...</source>
        <translation>Inicjowanie aplikacji ...</translation>
    </message>
    <message>
        <source>Initializing application ... Almost Done</source>
        <translation>Inicjowanie aplikacji ... prawie gotowe</translation>
    </message>
    <message>
        <source>not a configuration file</source>
        <translation>to nie jest plik konfiguracji</translation>
    </message>
    <message>
        <source>Loading user configuration file ...</source>
        <translation>Wczytywanie pliku konfiguracji użytkownika ...</translation>
    </message>
    <message>
        <source>%1: no such configuration file; using the default configuration</source>
        <translation>%1: nie ma takiego pliku konfiguracji; używana jest konfiguracja domyślna</translation>
    </message>
    <message>
        <source>Configuration load error</source>
        <translation>Błąd wczytywania konfiguracji</translation>
    </message>
    <message>
        <source>File %1 could not be found</source>
        <translation>Nie można znaleźć pliku %1</translation>
    </message>
    <message>
        <source>Using Default Configuration</source>
        <translation>Używana jest konfiguracja domyślna</translation>
    </message>
    <message>
        <source>%1: cannot read the configuration (%2); using the default configuration</source>
        <translation>%1: nie można odczytać konfiguracji (%2); używana jest konfiguracja domyślna</translation>
    </message>
    <message>
        <source>Configuration Error</source>
        <translation>Błąd konfiguracji</translation>
    </message>
    <message>
        <source>Invalid Configuration File</source>
        <translation>Nieprawidłowy plik konfiguracji</translation>
    </message>
    <message>
        <source>Using Default Configuration File</source>
        <translation>Używany jest domyślny plik konfiguracji</translation>
    </message>
    <message>
        <source>%1: not found; writing one with the defaults</source>
        <translation>%1: nie znaleziono; zapisywany jest nowy z wartościami domyślnymi</translation>
    </message>
    <message>
        <source>Configuration file not found</source>
        <translation>Nie znaleziono pliku konfiguracji</translation>
    </message>
    <message>
        <source>Default configuration file not found...</source>
        <translation>Nie znaleziono domyślnego pliku konfiguracji...</translation>
    </message>
    <message>
        <source>Creating Reflex.Cfg</source>
        <translation>Tworzenie Reflex.Cfg</translation>
    </message>
    <message>
        <source>The refused file was kept as %1</source>
        <translation>Odrzucony plik zachowano jako %1</translation>
    </message>
    <message>
        <source>it could not be written</source>
        <translation>nie można go było zapisać</translation>
    </message>
    <message>
        <source>%1: cannot read the configuration (%2); writing a new one with the defaults</source>
        <translation>%1: nie można odczytać konfiguracji (%2); zapisywana jest nowa z wartościami domyślnymi</translation>
    </message>
    <message>
        <source>%1: cannot read the configuration (%2); writing a new one with the defaults (the refused file is kept beside it as %3)</source>
        <translation>%1: nie można odczytać konfiguracji (%2); zapisywana jest nowa z wartościami domyślnymi (odrzucony plik zachowano obok jako %3)</translation>
    </message>
    <message>
        <source>Invalid Default Configuration File</source>
        <translation>Nieprawidłowy domyślny plik konfiguracji</translation>
    </message>
    <message>
        <source>Creating New Configuration File</source>
        <translation>Tworzenie nowego pliku konfiguracji</translation>
    </message>
    <message>
        <source>%1: cannot be written; the defaults are used until the program ends</source>
        <translation>%1: nie można zapisać; wartości domyślne są używane do końca działania programu</translation>
    </message>
</context>
<context>
    <name>TestCore</name>
    <message>
        <source>Over write Data in Set %1 ?</source>
        <translation>Zastąpić dane w zestawie %1?</translation>
    </message>
    <message>
        <source>Start Reflex Data Collection</source>
        <translation>Rozpocznij zbieranie danych reakcji</translation>
    </message>
    <message>
        <source>Your run has ended</source>
        <translation>Twoja seria się zakończyła</translation>
    </message>
    <message>
        <source>END RUN</source>
        <translation>KONIEC SERII</translation>
    </message>
</context>
<context>
    <name>XDisplay</name>
    <message>
        <source>a compositing manager</source>
        <translation>menedżer kompozycji</translation>
    </message>
</context>
<context>
    <name>brevane::ChoiceWindow</name>
    <message>
        <source>With Sound</source>
        <translation>Z dźwiękiem</translation>
    </message>
    <message>
        <source>No Sound</source>
        <translation>Bez dźwięku</translation>
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
        <translation>&amp;Pomiń tę część</translation>
    </message>
    <message>
        <source>Sa&amp;ve the result</source>
        <translation>&amp;Zapisz wynik</translation>
    </message>
    <message>
        <source>Brevane Machine Check</source>
        <translation>Brevane – sprawdzenie komputera</translation>
    </message>
    <message>
        <source>Flashing patch</source>
        <translation>Migające pole</translation>
    </message>
    <message>
        <source>Machine check guide</source>
        <translation>Przewodnik sprawdzenia komputera</translation>
    </message>
    <message>
        <source>Machine check: what this PC adds to every time a student measures on it.

The sound card&apos;s input is the clock: it hears the screen through a photodiode, the sound through a cable from the output, and the mouse through a microphone, and the program compares what it heard with its own stamps. Three parts, each about half a minute; skip any you cannot do. Each part gives the mean, the spread (SD) and the worst of its trials.

Press Start (or Return) to begin with the screen; Esc ends the check.</source>
        <translation>Sprawdzenie komputera: co ten komputer dodaje do każdego czasu, który mierzy na nim student.

Zegarem jest wejście karty dźwiękowej: słyszy ekran przez fotodiodę, dźwięk przez kabel z wyjścia, a mysz przez mikrofon, a program porównuje to, co usłyszał, z własnymi znacznikami czasu. Trzy części, każda około pół minuty; pomiń te, których nie możesz wykonać. Każda część podaje średnią, rozrzut (SD) i najgorszą z prób pomiarowych.

Naciśnij Start (lub Enter), aby zacząć od ekranu; Esc kończy sprawdzenie.</translation>
    </message>
    <message>
        <source>No input to record from: %1.
Plug a cable or a microphone into the sound card&apos;s input (line-in or microphone), make it the input in the sound settings, and start the check again.</source>
        <translation>Brak wejścia do nagrywania: %1.
Podłącz kabel lub mikrofon do wejścia karty dźwiękowej (liniowego lub mikrofonowego), ustaw je jako wejście w ustawieniach dźwięku i uruchom sprawdzenie ponownie.</translation>
    </message>
    <message>
        <source>

Clicks: %1 of %2</source>
        <translation>

Kliknięcia: %1 z %2</translation>
    </message>
    <message>
        <source>Screen: a photodiode held on the flashing patch.
You need a BPW34 photodiode (or any small silicon photodiode, a few euros) soldered to a 3.5 mm plug. On a line-in: the diode&apos;s anode to the tip, its cathode (the marked side) to the sleeve. On a microphone input, which feeds a few volts through the tip: the cathode to the tip, the anode to the sleeve. Set the input volume to about half.
Tape the diode flat on the middle of the patch below, the screen at the brightness the students use, the room light as in class. Press Start: the patch flashes %1 times, once a second.</source>
        <translation>Ekran: fotodioda przyłożona do migającego pola.
Potrzebna jest fotodioda BPW34 (lub dowolna mała krzemowa fotodioda za kilka euro) przylutowana do wtyku 3,5 mm. Na wejściu liniowym: anoda diody do końcówki, katoda (strona oznaczona) do tulei. Na wejściu mikrofonowym, które podaje kilka woltów przez końcówkę: katoda do końcówki, anoda do tulei. Ustaw głośność wejścia na około połowę.
Przyklej diodę płasko na środku pola poniżej, ekran z jasnością używaną przez studentów, oświetlenie sali jak na zajęciach. Naciśnij Start: pole mignie %1 razy, raz na sekundę.</translation>
    </message>
    <message>
        <source>Sound: the output looped to the input.
Plug a cable from the headphone socket into the line-in (or hold the headset&apos;s microphone at its speaker), the volume as in class. Press Start: %1 tones, one a second.</source>
        <translation>Dźwięk: wyjście połączone pętlą z wejściem.
Podłącz kabel z gniazda słuchawek do wejścia liniowego (lub przytrzymaj mikrofon zestawu słuchawkowego przy jego głośniku), głośność jak na zajęciach. Naciśnij Start: %1 dźwięków, jeden na sekundę.</translation>
    </message>
    <message>
        <source>Mouse: each button&apos;s click, heard by a microphone next to the mouse.
Put the microphone within 5 cm of the mouse&apos;s buttons: sound travels about 0.03 ms a centimetre, so 5 cm add 0.15 ms to what is measured, 30 cm almost 1 ms. Keep the room quiet. Press Start, then click the left button %1 times in the grey square, about once a second. Each mouse you click is measured on its own.</source>
        <translation>Mysz: kliknięcie każdego przycisku słyszane przez mikrofon obok myszy.
Umieść mikrofon w odległości do 5 cm od przycisków myszy: dźwięk pokonuje centymetr w około 0,03 ms, więc 5 cm dodaje 0,15 ms do zmierzonego czasu, 30 cm prawie 1 ms. Zadbaj o ciszę w sali. Naciśnij Start, a potem kliknij lewym przyciskiem %1 razy w szarym kwadracie, mniej więcej raz na sekundę. Każda klikana mysz jest mierzona osobno.</translation>
    </message>
    <message>
        <source>The machine check is done.

%1

Save keeps the result on this machine: the about box and the timing check show it, and it goes with the students&apos; files to the hand-in folder, where brevane-summary reads it.</source>
        <translation>Sprawdzenie komputera zakończone.

%1

Zapisz zachowuje wynik na tym komputerze: pokazują go okno „O programie” i sprawdzenie czasu, a trafia on wraz z plikami studentów do folderu oddanych wyników, gdzie odczytuje go brevane-summary.</translation>
    </message>
    <message>
        <source>%1: skipped</source>
        <translation>%1: pominięto</translation>
    </message>
    <message>
        <source>

Measuring...</source>
        <translation>

Pomiar...</translation>
    </message>
    <message>
        <source>

Flashes: %1 of %2</source>
        <translation>

Błyski: %1 z %2</translation>
    </message>
    <message>
        <source>

Tones: %1 of %2</source>
        <translation>

Dźwięki: %1 z %2</translation>
    </message>
    <message>
        <source>%1: mean %2 ms, SD %3 ms, worst %4 ms over %5 of %6 trials</source>
        <translation>%1: średnia %2 ms, SD %3 ms, najgorszy %4 ms w %5 z %6 prób pomiarowych</translation>
    </message>
    <message>
        <source>%1: refused: %2</source>
        <translation>%1: odrzucono: %2</translation>
    </message>
    <message>
        <source>&amp;Finish</source>
        <translation>Za&amp;kończ</translation>
    </message>
    <message>
        <source>&amp;Next part</source>
        <translation>&amp;Następna część</translation>
    </message>
    <message>
        <source>

Press %1 (Return) to go on.</source>
        <translation>

Naciśnij %1 (Enter), aby kontynuować.</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Next part</source>
        <translation>Następna część</translation>
    </message>
    <message>
        <source>Saved to %1.
For every user of this machine, copy it to /etc/xdg/Brevane/machine-check.txt (as root). Esc ends the check.</source>
        <translation>Zapisano w %1.
Dla wszystkich użytkowników tego komputera skopiuj go do /etc/xdg/Brevane/machine-check.txt (jako root). Esc kończy sprawdzenie.</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <translation>Nie można zapisać %1: %2</translation>
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
        <translation>Czasy</translation>
    </message>
    <message>
        <source>Set %1</source>
        <translation>Zestaw %1</translation>
    </message>
</context>
<context>
    <name>brevane::TimingCheckWindow</name>
    <message>
        <source>Brevane Timing Check</source>
        <translation>Brevane – sprawdzenie czasu</translation>
    </message>
    <message>
        <source>Flashing patch</source>
        <translation>Migające pole</translation>
    </message>
    <message>
        <source>Timing readout</source>
        <translation>Odczyt czasów</translation>
    </message>
    <message>
        <source>Frames: measuring...</source>
        <translation>Klatki: pomiar...</translation>
    </message>
    <message>
        <source>Frames stamped at %L1 Hz (one every %L2 ms)
Frame time jitter: SD %L3 ms, worst %L4 ms, %5 late of the last %6</source>
        <translation>Klatki oznaczane przy %L1 Hz (jedna co %L2 ms)
Rozrzut czasu klatki: SD %L3 ms, najgorszy %L4 ms, spóźnione: %5 z ostatnich %6</translation>
    </message>
    <message>
        <source>
Times may be one frame long: see the guide</source>
        <translation>
Czasy mogą być o jedną klatkę dłuższe: zob. przewodnik</translation>
    </message>
    <message>
        <source>Timing check: Esc or a click ends it
Refresh reported by the screen: %L1 Hz; the monitor&apos;s mode: %2
%3
Stamp sources: display %4, input %5, sound %6
Compositor: %7; stimulus stamps: %8%9
The patch turns every %10 frames (frame %11)
%12</source>
        <translation>Sprawdzenie czasu: kończy Esc lub kliknięcie
Odświeżanie podane przez ekran: %L1 Hz; tryb monitora: %2
%3
Źródła znaczników czasu: wyświetlacz %4, wejście %5, dźwięk %6
Kompozytor: %7; znaczniki czasu bodźców: %8%9
Pole zmienia się co %10 klatek (klatka %11)
%12</translation>
    </message>
</context>
<context>
    <name>brevane::frmAbout</name>
    <message>
        <source>Release %1</source>
        <translation>Wydanie %1</translation>
    </message>
    <message>
        <source>Configuration: %1</source>
        <translation>Konfiguracja: %1</translation>
    </message>
</context>
<context>
    <name>brevane::frmColorSelect</name>
    <message>
        <source>Black</source>
        <translation>Czarny</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Niebieski</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Zielony</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Cyjan</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Czerwony</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Żółty</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Biały</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Szary</translation>
    </message>
    <message>
        <source>Light Blue</source>
        <translation>Jasnoniebieski</translation>
    </message>
    <message>
        <source>Light Green</source>
        <translation>Jasnozielony</translation>
    </message>
    <message>
        <source>Light Cyan</source>
        <translation>Jasny cyjan</translation>
    </message>
    <message>
        <source>Light Red</source>
        <translation>Jasnoczerwony</translation>
    </message>
    <message>
        <source>Light Magenta</source>
        <translation>Jasna magenta</translation>
    </message>
    <message>
        <source>Light Yellow</source>
        <translation>Jasnożółty</translation>
    </message>
    <message>
        <source>Bright White</source>
        <translation>Jaskrawobiały</translation>
    </message>
</context>
<context>
    <name>brevane::frmMain</name>
    <message>
        <source>Version %1</source>
        <translation>Wersja %1</translation>
    </message>
</context>
<context>
    <name>brevane::summary::ClassChartWindow</name>
    <message>
        <source>Class reaction times</source>
        <translation>Czasy reakcji klasy</translation>
    </message>
    <message>
        <source>Handed in</source>
        <translation>Oddane</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About Brevane</source>
        <translation>O programie Brevane</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logo</translation>
    </message>
    <message>
        <source>Simple vs Complex Stimulus Reaction Timing</source>
        <translation>Pomiar czasu reakcji na bodźce proste i złożone</translation>
    </message>
    <message>
        <source>Orv Brevane 2</source>
        <translation>Orv Brevane 2</translation>
    </message>
    <message>
        <source>For Linux with X11 and Wayland</source>
        <translation>Dla systemu Linux z X11 i Wayland</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Zegar</translation>
    </message>
    <message>
        <source>Reaction timing for student laboratory courses</source>
        <translation>Pomiar czasu reakcji na zajęciach laboratoryjnych</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Dźwięk</translation>
    </message>
    <message>
        <source>Your files are kept in:</source>
        <translation>Twoje pliki są przechowywane w:</translation>
    </message>
    <message>
        <source>Language: English</source>
        <comment>The language this translation is: translators name their own language, in it</comment>
        <translation>Język: polski</translation>
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
        <translation>Ustawienia Brevane</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>Prosty</translation>
    </message>
    <message>
        <source>Simple Single Choice Settings</source>
        <translation>Ustawienia testu prostego</translation>
    </message>
    <message>
        <source>Runs Per Set</source>
        <translation>Próby w zestawie</translation>
    </message>
    <message>
        <source>Trigger On</source>
        <translation>Bodziec</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Dźwięk</translation>
    </message>
    <message>
        <source>Visual</source>
        <translation>Wzrok</translation>
    </message>
    <message>
        <source>Trigger Color</source>
        <translation>Kolor bodźca</translation>
    </message>
    <message>
        <source>Color of the visual stimulus: click to choose another</source>
        <translation>Kolor bodźca wzrokowego: kliknij, aby wybrać inny</translation>
    </message>
    <message>
        <source>Interval Timing</source>
        <translation>Odstęp czasowy</translation>
    </message>
    <message>
        <source>Random Interval</source>
        <translation>Odstęp losowy</translation>
    </message>
    <message>
        <source>Fixed Interval</source>
        <translation>Odstęp stały</translation>
    </message>
    <message>
        <source>Fixed Time Interval</source>
        <translation>Stały odstęp czasu</translation>
    </message>
    <message>
        <source>Minimum Time Interval</source>
        <translation>Minimalny odstęp czasu</translation>
    </message>
    <message>
        <source>Color/Audio</source>
        <translation>Kolor/dźwięk</translation>
    </message>
    <message>
        <source>Complex Choice Color/Audio Settings</source>
        <translation>Ustawienia testu z wyborem: kolor/dźwięk</translation>
    </message>
    <message>
        <source>Display Time</source>
        <translation>Czas wyświetlania</translation>
    </message>
    <message>
        <source>Color and Audio</source>
        <translation>Kolor i dźwięk</translation>
    </message>
    <message>
        <source>Color no Audio</source>
        <translation>Kolor bez dźwięku</translation>
    </message>
    <message>
        <source>Make Sound</source>
        <translation>Dźwięk</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Tak</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>Elements</source>
        <translation>Elementy</translation>
    </message>
    <message>
        <source>Elements in Set</source>
        <translation>Elementy w zestawie</translation>
    </message>
    <message>
        <source>Trigger Element</source>
        <translation>Element docelowy</translation>
    </message>
    <message>
        <source>Trigger Element Color</source>
        <translation>Kolor elementu docelowego</translation>
    </message>
    <message>
        <source>Color of the trigger element: click to choose another</source>
        <translation>Kolor elementu docelowego: kliknij, aby wybrać inny</translation>
    </message>
    <message>
        <source>Element</source>
        <translation>Element</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Kolor</translation>
    </message>
    <message>
        <source>Choose the color of this element</source>
        <translation>Wybierz kolor tego elementu</translation>
    </message>
    <message>
        <source>Element Colors</source>
        <translation>Kolory elementów</translation>
    </message>
    <message>
        <source>Element 1 Color</source>
        <translation>Kolor elementu 1</translation>
    </message>
    <message>
        <source>Color of element 1: click to choose another (grey: not in use)</source>
        <translation>Kolor elementu 1: kliknij, aby wybrać inny (szary: nieużywany)</translation>
    </message>
    <message>
        <source>Element 2 Color</source>
        <translation>Kolor elementu 2</translation>
    </message>
    <message>
        <source>Color of element 2: click to choose another (grey: not in use)</source>
        <translation>Kolor elementu 2: kliknij, aby wybrać inny (szary: nieużywany)</translation>
    </message>
    <message>
        <source>Element 3 Color</source>
        <translation>Kolor elementu 3</translation>
    </message>
    <message>
        <source>Color of element 3: click to choose another (grey: not in use)</source>
        <translation>Kolor elementu 3: kliknij, aby wybrać inny (szary: nieużywany)</translation>
    </message>
    <message>
        <source>Element 4 Color</source>
        <translation>Kolor elementu 4</translation>
    </message>
    <message>
        <source>Color of element 4: click to choose another (grey: not in use)</source>
        <translation>Kolor elementu 4: kliknij, aby wybrać inny (szary: nieużywany)</translation>
    </message>
    <message>
        <source>Element 5 Color</source>
        <translation>Kolor elementu 5</translation>
    </message>
    <message>
        <source>Color of element 5: click to choose another (grey: not in use)</source>
        <translation>Kolor elementu 5: kliknij, aby wybrać inny (szary: nieużywany)</translation>
    </message>
    <message>
        <source>Element 6 Color</source>
        <translation>Kolor elementu 6</translation>
    </message>
    <message>
        <source>Color of element 6: click to choose another (grey: not in use)</source>
        <translation>Kolor elementu 6: kliknij, aby wybrać inny (szary: nieużywany)</translation>
    </message>
    <message>
        <source>Element 7 Color</source>
        <translation>Kolor elementu 7</translation>
    </message>
    <message>
        <source>Color of element 7: click to choose another (grey: not in use)</source>
        <translation>Kolor elementu 7: kliknij, aby wybrać inny (szary: nieużywany)</translation>
    </message>
    <message>
        <source>Element 8 Color</source>
        <translation>Kolor elementu 8</translation>
    </message>
    <message>
        <source>Color of element 8: click to choose another (grey: not in use)</source>
        <translation>Kolor elementu 8: kliknij, aby wybrać inny (szary: nieużywany)</translation>
    </message>
    <message>
        <source>Element 9 Color</source>
        <translation>Kolor elementu 9</translation>
    </message>
    <message>
        <source>Color of element 9: click to choose another (grey: not in use)</source>
        <translation>Kolor elementu 9: kliknij, aby wybrać inny (szary: nieużywany)</translation>
    </message>
    <message>
        <source>Element 10 Color</source>
        <translation>Kolor elementu 10</translation>
    </message>
    <message>
        <source>Color of element 10: click to choose another (grey: not in use)</source>
        <translation>Kolor elementu 10: kliknij, aby wybrać inny (szary: nieużywany)</translation>
    </message>
    <message>
        <source>Num/Audio</source>
        <translation>Liczba/dźwięk</translation>
    </message>
    <message>
        <source>Complex Choice Numbers/Audio Settings</source>
        <translation>Ustawienia testu z wyborem: liczba/dźwięk</translation>
    </message>
    <message>
        <source>Number and Audio</source>
        <translation>Liczba i dźwięk</translation>
    </message>
    <message>
        <source>Number no Audio</source>
        <translation>Liczba bez dźwięku</translation>
    </message>
    <message>
        <source>Trigger Number</source>
        <translation>Liczba docelowa</translation>
    </message>
    <message>
        <source>The number of the trigger element</source>
        <translation>Liczba elementu docelowego</translation>
    </message>
    <message>
        <source>Element Number</source>
        <translation>Liczba elementu</translation>
    </message>
    <message>
        <source>The number of this element (0 to 99)</source>
        <translation>Liczba tego elementu (od 0 do 99)</translation>
    </message>
    <message>
        <source>Element Numbers</source>
        <translation>Liczby elementów</translation>
    </message>
    <message>
        <source>Element 1 Number</source>
        <translation>Liczba elementu 1</translation>
    </message>
    <message>
        <source>Element 2 Number</source>
        <translation>Liczba elementu 2</translation>
    </message>
    <message>
        <source>Element 3 Number</source>
        <translation>Liczba elementu 3</translation>
    </message>
    <message>
        <source>Element 4 Number</source>
        <translation>Liczba elementu 4</translation>
    </message>
    <message>
        <source>Element 5 Number</source>
        <translation>Liczba elementu 5</translation>
    </message>
    <message>
        <source>Element 6 Number</source>
        <translation>Liczba elementu 6</translation>
    </message>
    <message>
        <source>Element 7 Number</source>
        <translation>Liczba elementu 7</translation>
    </message>
    <message>
        <source>Element 8 Number</source>
        <translation>Liczba elementu 8</translation>
    </message>
    <message>
        <source>Element 9 Number</source>
        <translation>Liczba elementu 9</translation>
    </message>
    <message>
        <source>Element 10 Number</source>
        <translation>Liczba elementu 10</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Głośność</translation>
    </message>
    <message>
        <source>Master volume of the speakers</source>
        <translation>Główna głośność głośników</translation>
    </message>
    <message>
        <source>Volume Setting</source>
        <translation>Ustawienie głośności</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Anuluj</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Przywróć</translation>
    </message>
    <message>
        <source>Back to the configuration loaded at start-up</source>
        <translation>Powrót do konfiguracji wczytanej przy uruchomieniu</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Wczytaj</translation>
    </message>
    <message>
        <source>Load a configuration file</source>
        <translation>Wczytaj plik konfiguracji</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Zapisz</translation>
    </message>
    <message>
        <source>Save the configuration to a file</source>
        <translation>Zapisz konfigurację do pliku</translation>
    </message>
</context>
<context>
    <name>frmChoiceReflexDisplay</name>
    <message>
        <source>Complex Choice Color/Audio Stimulus Module Data Display</source>
        <translation>Wyniki modułu bodźców z wyborem: kolor/dźwięk</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logo</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Wersja</translation>
    </message>
    <message>
        <source>Set 1</source>
        <translation>Zestaw 1</translation>
    </message>
    <message>
        <source>Run Data</source>
        <translation>Dane prób</translation>
    </message>
    <message>
        <source>Run 1</source>
        <translation>Próba 1</translation>
    </message>
    <message>
        <source>Run 2</source>
        <translation>Próba 2</translation>
    </message>
    <message>
        <source>Run 3</source>
        <translation>Próba 3</translation>
    </message>
    <message>
        <source>Run 4</source>
        <translation>Próba 4</translation>
    </message>
    <message>
        <source>Run 5</source>
        <translation>Próba 5</translation>
    </message>
    <message>
        <source>Run 6</source>
        <translation>Próba 6</translation>
    </message>
    <message>
        <source>Run 7</source>
        <translation>Próba 7</translation>
    </message>
    <message>
        <source>Run 8</source>
        <translation>Próba 8</translation>
    </message>
    <message>
        <source>Run 9</source>
        <translation>Próba 9</translation>
    </message>
    <message>
        <source>Run 10</source>
        <translation>Próba 10</translation>
    </message>
    <message>
        <source>Run Statistics</source>
        <translation>Statystyka prób</translation>
    </message>
    <message>
        <source>Fast Time</source>
        <translation>Najszybszy</translation>
    </message>
    <message>
        <source>Slow Time</source>
        <translation>Najwolniejszy</translation>
    </message>
    <message>
        <source>Average Time</source>
        <translation>Średni czas</translation>
    </message>
    <message>
        <source>Outcomes</source>
        <translation>Odpowiedzi</translation>
    </message>
    <message>
        <source>Correct Hits</source>
        <translation>Trafienia poprawne</translation>
    </message>
    <message>
        <source>Correct Misses</source>
        <translation>Popr. pominięcia</translation>
    </message>
    <message>
        <source>InCorrect Hits</source>
        <translation>Trafienia błędne</translation>
    </message>
    <message>
        <source>Missed Hits</source>
        <translation>Trafienia pominięte</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Komentarze</translation>
    </message>
    <message>
        <source>Set 2</source>
        <translation>Zestaw 2</translation>
    </message>
    <message>
        <source>Set 3</source>
        <translation>Zestaw 3</translation>
    </message>
    <message>
        <source>Set 4</source>
        <translation>Zestaw 4</translation>
    </message>
    <message>
        <source>Set 5</source>
        <translation>Zestaw 5</translation>
    </message>
    <message>
        <source>Set 6</source>
        <translation>Zestaw 6</translation>
    </message>
    <message>
        <source>Set 7</source>
        <translation>Zestaw 7</translation>
    </message>
    <message>
        <source>Set 8</source>
        <translation>Zestaw 8</translation>
    </message>
    <message>
        <source>Set 9</source>
        <translation>Zestaw 9</translation>
    </message>
    <message>
        <source>Set 10</source>
        <translation>Zestaw 10</translation>
    </message>
    <message>
        <source>Fastest Times</source>
        <translation>Najszybsze</translation>
    </message>
    <message>
        <source>Set Data For Fastest Times</source>
        <translation>Dane zestawów: najszybsze czasy</translation>
    </message>
    <message>
        <source>Slowest Times</source>
        <translation>Najwolniejsze</translation>
    </message>
    <message>
        <source>Set Data For Slowest Times</source>
        <translation>Dane zestawów: najwolniejsze czasy</translation>
    </message>
    <message>
        <source>Average Times</source>
        <translation>Średnie</translation>
    </message>
    <message>
        <source>Set Data For Average Times</source>
        <translation>Dane zestawów: średnie czasy</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drukuj</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Wczytaj</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Eksportuj</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Wyczyść wszystko</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Gotowe</translation>
    </message>
</context>
<context>
    <name>frmColorReflex</name>
    <message>
        <source>Complex Choice Color/Audio Stimulus Module</source>
        <translation>Moduł bodźców z wyborem: kolor/dźwięk</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logo</translation>
    </message>
    <message>
        <source>Complex Choice Color/Audio Stimulus</source>
        <translation>Bodźce z wyborem: kolor/dźwięk</translation>
    </message>
    <message>
        <source>Trigger On</source>
        <translation>Bodziec</translation>
    </message>
    <message>
        <source>Trigger Element</source>
        <translation>Element docelowy</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Dźwięk</translation>
    </message>
    <message>
        <source>Press Here</source>
        <translation>Naciśnij tutaj</translation>
    </message>
    <message>
        <source>Element Display</source>
        <translation>Wyświetlanie elementów</translation>
    </message>
    <message>
        <source>Set Indicator</source>
        <translation>Wskaźnik zestawu</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Czas</translation>
    </message>
    <message>
        <source>Previous Time</source>
        <translation>Poprzedni czas</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Różnica</translation>
    </message>
    <message>
        <source>Average Time</source>
        <translation>Średni czas</translation>
    </message>
    <message>
        <source>Run Count</source>
        <translation>Liczba prób</translation>
    </message>
    <message>
        <source>Correct Hits</source>
        <translation>Trafienia poprawne</translation>
    </message>
    <message>
        <source>Incorrect Hits</source>
        <translation>Trafienia błędne</translation>
    </message>
    <message>
        <source>Correct Misses</source>
        <translation>Pominięcia poprawne</translation>
    </message>
    <message>
        <source>Missed Hits</source>
        <translation>Trafienia pominięte</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Opis</translation>
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
        <translation>Opcje</translation>
    </message>
    <message>
        <source>Clear Set</source>
        <translation>Wyczyść</translation>
    </message>
    <message>
        <source>Next Set</source>
        <translation>Następny</translation>
    </message>
    <message>
        <source>Prev Set</source>
        <translation>Poprzedni</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Wyniki</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Gotowe</translation>
    </message>
</context>
<context>
    <name>frmColorSelect</name>
    <message>
        <source>Color Selection</source>
        <translation>Wybór koloru</translation>
    </message>
    <message>
        <source>Current Color:</source>
        <translation>Bieżący kolor:</translation>
    </message>
    <message>
        <source>Current Color</source>
        <translation>Bieżący kolor</translation>
    </message>
    <message>
        <source>Color Selected:</source>
        <translation>Wybrany kolor:</translation>
    </message>
    <message>
        <source>Color Selected</source>
        <translation>Wybrany kolor</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>&amp;Wybierz</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Anuluj</translation>
    </message>
</context>
<context>
    <name>frmDisplay</name>
    <message>
        <source>Simple Choice Stimulus Module Data Display</source>
        <translation>Wyniki modułu bodźców prostych</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logo</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Wersja</translation>
    </message>
    <message>
        <source>Set 1</source>
        <translation>Zestaw 1</translation>
    </message>
    <message>
        <source>Run Data</source>
        <translation>Dane prób</translation>
    </message>
    <message>
        <source>Run 1</source>
        <translation>Próba 1</translation>
    </message>
    <message>
        <source>Run 2</source>
        <translation>Próba 2</translation>
    </message>
    <message>
        <source>Run 3</source>
        <translation>Próba 3</translation>
    </message>
    <message>
        <source>Run 4</source>
        <translation>Próba 4</translation>
    </message>
    <message>
        <source>Run 5</source>
        <translation>Próba 5</translation>
    </message>
    <message>
        <source>Run 6</source>
        <translation>Próba 6</translation>
    </message>
    <message>
        <source>Run 7</source>
        <translation>Próba 7</translation>
    </message>
    <message>
        <source>Run 8</source>
        <translation>Próba 8</translation>
    </message>
    <message>
        <source>Run 9</source>
        <translation>Próba 9</translation>
    </message>
    <message>
        <source>Run 10</source>
        <translation>Próba 10</translation>
    </message>
    <message>
        <source>Run Statistics</source>
        <translation>Statystyka prób</translation>
    </message>
    <message>
        <source>Fast Time</source>
        <translation>Najszybszy</translation>
    </message>
    <message>
        <source>Slow Time</source>
        <translation>Najwolniejszy</translation>
    </message>
    <message>
        <source>Average Time</source>
        <translation>Średni czas</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Komentarze</translation>
    </message>
    <message>
        <source>Set 2</source>
        <translation>Zestaw 2</translation>
    </message>
    <message>
        <source>Set 3</source>
        <translation>Zestaw 3</translation>
    </message>
    <message>
        <source>Set 4</source>
        <translation>Zestaw 4</translation>
    </message>
    <message>
        <source>Set 5</source>
        <translation>Zestaw 5</translation>
    </message>
    <message>
        <source>Set 6</source>
        <translation>Zestaw 6</translation>
    </message>
    <message>
        <source>Set 7</source>
        <translation>Zestaw 7</translation>
    </message>
    <message>
        <source>Set 8</source>
        <translation>Zestaw 8</translation>
    </message>
    <message>
        <source>Set 9</source>
        <translation>Zestaw 9</translation>
    </message>
    <message>
        <source>Set 10</source>
        <translation>Zestaw 10</translation>
    </message>
    <message>
        <source>Fastest Times</source>
        <translation>Najszybsze</translation>
    </message>
    <message>
        <source>Set Data For Fastest Times</source>
        <translation>Dane zestawów: najszybsze czasy</translation>
    </message>
    <message>
        <source>Slowest Times</source>
        <translation>Najwolniejsze</translation>
    </message>
    <message>
        <source>Set Data For Slowest Times</source>
        <translation>Dane zestawów: najwolniejsze czasy</translation>
    </message>
    <message>
        <source>Average Times</source>
        <translation>Średnie</translation>
    </message>
    <message>
        <source>Set Data For Average Times</source>
        <translation>Dane zestawów: średnie czasy</translation>
    </message>
    <message>
        <source>All Data</source>
        <translation>Wszystko</translation>
    </message>
    <message>
        <source>Data Only Displayed On The Graph</source>
        <translation>Tylko dane pokazane na wykresie</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drukuj</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Wczytaj</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Eksportuj</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Wyczyść wszystko</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Gotowe</translation>
    </message>
</context>
<context>
    <name>frmLoadDisplay</name>
    <message>
        <source>Loading</source>
        <translation>Wczytywanie</translation>
    </message>
    <message>
        <source>Loading Display Please Wait...</source>
        <translation>Wczytywanie wyników, proszę czekać...</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Simple vs Complex Stimulus Reaction Timing</source>
        <translation>Pomiar czasu reakcji na bodźce proste i złożone</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>Prosty</translation>
    </message>
    <message>
        <source>Simple Single Stimulus Module</source>
        <translation>Moduł bodźca prostego</translation>
    </message>
    <message>
        <source>Color/Audio</source>
        <translation>Kolor/dźwięk</translation>
    </message>
    <message>
        <source>Complex Color/Audio Stimulus Module</source>
        <translation>Moduł bodźców złożonych: kolor/dźwięk</translation>
    </message>
    <message>
        <source>Num/Audio</source>
        <translation>Liczba/dźwięk</translation>
    </message>
    <message>
        <source>Complex Number/Audio Stimulus Module</source>
        <translation>Moduł bodźców złożonych: liczba/dźwięk</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opcje</translation>
    </message>
    <message>
        <source>Edit Brev Settings</source>
        <translation>Edytuj ustawienia Brevane</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>Wyczyść dane</translation>
    </message>
    <message>
        <source>Clear All Data Sets</source>
        <translation>Wyczyść wszystkie zestawy danych</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>Odzyskaj</translation>
    </message>
    <message>
        <source>Recover Data after a system crash</source>
        <translation>Odzyskaj dane po awarii systemu</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>Display About box</source>
        <translation>Pokaż okno „O programie”</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Quit Brev</source>
        <translation>Zakończ Brevane</translation>
    </message>
    <message>
        <source>Are you sure you want to DELETE ALL DATA ?</source>
        <translation>Czy na pewno USUNĄĆ WSZYSTKIE DANE?</translation>
    </message>
    <message>
        <source>Delete All Data</source>
        <translation>Usuń wszystkie dane</translation>
    </message>
    <message>
        <source>Are you sure you want to exit?</source>
        <translation>Czy na pewno zakończyć?</translation>
    </message>
    <message>
        <source>Data NOT saved!<byte value="xd"/></source>
        <translation>Dane NIE zostały zapisane!<byte value="xd"/></translation>
    </message>
    <message>
        <source>Exit Orv Brevane 2</source>
        <translation>Zakończ Orv Brevane 2</translation>
    </message>
</context>
<context>
    <name>frmNumberReflex</name>
    <message>
        <source>Complex Choice Number/Audio Stimulus Module</source>
        <translation>Moduł bodźców z wyborem: liczba/dźwięk</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logo</translation>
    </message>
    <message>
        <source>Complex Choice Number/Audio Stimulus</source>
        <translation>Bodźce z wyborem: liczba/dźwięk</translation>
    </message>
    <message>
        <source>Trigger On</source>
        <translation>Bodziec</translation>
    </message>
    <message>
        <source>Trigger Element</source>
        <translation>Element docelowy</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Dźwięk</translation>
    </message>
    <message>
        <source>Press Here</source>
        <translation>Naciśnij tutaj</translation>
    </message>
    <message>
        <source>Element Display</source>
        <translation>Wyświetlanie elementów</translation>
    </message>
    <message>
        <source>Set Indicator</source>
        <translation>Wskaźnik zestawu</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Czas</translation>
    </message>
    <message>
        <source>Previous Time</source>
        <translation>Poprzedni czas</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Różnica</translation>
    </message>
    <message>
        <source>Average Time</source>
        <translation>Średni czas</translation>
    </message>
    <message>
        <source>Run Count</source>
        <translation>Liczba prób</translation>
    </message>
    <message>
        <source>Correct Hits</source>
        <translation>Trafienia poprawne</translation>
    </message>
    <message>
        <source>Incorrect Hits</source>
        <translation>Trafienia błędne</translation>
    </message>
    <message>
        <source>Correct Misses</source>
        <translation>Pominięcia poprawne</translation>
    </message>
    <message>
        <source>Missed Hits</source>
        <translation>Trafienia pominięte</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Opis</translation>
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
        <translation>Opcje</translation>
    </message>
    <message>
        <source>Clear Set</source>
        <translation>Wyczyść</translation>
    </message>
    <message>
        <source>Next Set</source>
        <translation>Następny</translation>
    </message>
    <message>
        <source>Prev Set</source>
        <translation>Poprzedni</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Wyniki</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Gotowe</translation>
    </message>
</context>
<context>
    <name>frmPrint</name>
    <message>
        <source>Print Data</source>
        <translation>Drukuj dane</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Tytuł:</translation>
    </message>
    <message>
        <source>Select Sets To Print</source>
        <translation>Wybierz zestawy do wydruku</translation>
    </message>
    <message>
        <source>Set 1</source>
        <translation>Zestaw 1</translation>
    </message>
    <message>
        <source>Set 2</source>
        <translation>Zestaw 2</translation>
    </message>
    <message>
        <source>Set 3</source>
        <translation>Zestaw 3</translation>
    </message>
    <message>
        <source>Set 4</source>
        <translation>Zestaw 4</translation>
    </message>
    <message>
        <source>Set 5</source>
        <translation>Zestaw 5</translation>
    </message>
    <message>
        <source>Set 6</source>
        <translation>Zestaw 6</translation>
    </message>
    <message>
        <source>Set 7</source>
        <translation>Zestaw 7</translation>
    </message>
    <message>
        <source>Set 8</source>
        <translation>Zestaw 8</translation>
    </message>
    <message>
        <source>Set 9</source>
        <translation>Zestaw 9</translation>
    </message>
    <message>
        <source>Set 10</source>
        <translation>Zestaw 10</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Wszystkie</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>UnSelectAll</source>
        <translation>Żadne</translation>
    </message>
    <message>
        <source>SelectAll</source>
        <translation>Wszystkie</translation>
    </message>
    <message>
        <source>You must select atleast ONE set to Print</source>
        <translation>Wybierz co najmniej JEDEN zestaw do wydruku</translation>
    </message>
    <message>
        <source>Printing Error</source>
        <translation>Błąd drukowania</translation>
    </message>
</context>
<context>
    <name>frmReflex</name>
    <message>
        <source>Simple Choice Stimulus Module</source>
        <translation>Moduł bodźca prostego</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logo</translation>
    </message>
    <message>
        <source>Simple Choice Stimulus</source>
        <translation>Bodziec prosty</translation>
    </message>
    <message>
        <source>           Visual Trigger</source>
        <translation>           Bodziec wzrokowy</translation>
    </message>
    <message>
        <source>Press Here</source>
        <translation>Naciśnij tutaj</translation>
    </message>
    <message>
        <source>Stimulus</source>
        <translation>Bodziec</translation>
    </message>
    <message>
        <source>Speaker</source>
        <translation>Głośnik</translation>
    </message>
    <message>
        <source>Set Indicator</source>
        <translation>Wskaźnik zestawu</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Zestaw</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Opis</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Czas</translation>
    </message>
    <message>
        <source>Previous Time</source>
        <translation>Poprzedni czas</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Różnica</translation>
    </message>
    <message>
        <source>Average Time</source>
        <translation>Średni czas</translation>
    </message>
    <message>
        <source>Run Count</source>
        <translation>Liczba prób</translation>
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
        <translation>Opcje</translation>
    </message>
    <message>
        <source>Clear Set</source>
        <translation>Wyczyść</translation>
    </message>
    <message>
        <source>Next Set</source>
        <translation>Następny</translation>
    </message>
    <message>
        <source>Prev Set</source>
        <translation>Poprzedni</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Wyniki</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Gotowe</translation>
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
        <translation>Pomiar czasu reakcji na bodźce proste i złożone</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stan</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Postęp</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>there is no translation for &quot;%1&quot;; the program is shown in English</source>
        <translation>brak tłumaczenia dla „%1”; program jest pokazywany po angielsku</translation>
    </message>
</context>
<context>
    <name>summary</name>
    <message>
        <source>The class summary of reaction-time files (recover.dat, .nrm and .col files, or folders of them):
sets.csv, students.csv, class.csv, class-notes.txt, class-chart.pdf and class-chart.png.</source>
        <translation>Podsumowanie klasy z plików czasów reakcji (recover.dat, pliki .nrm i .col lub foldery z nimi):
sets.csv, students.csv, class.csv, class-notes.txt, class-chart.pdf i class-chart.png.</translation>
    </message>
    <message>
        <source>Write into &lt;folder&gt; (default: the current folder).</source>
        <translation>Zapisuj do &lt;folder&gt; (domyślnie: bieżący folder).</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>folder</translation>
    </message>
    <message>
        <source>The .col files are the colour test&apos;s.</source>
        <translation>Pliki .col pochodzą z testu kolorów.</translation>
    </message>
    <message>
        <source>The .col files are the number test&apos;s.</source>
        <translation>Pliki .col pochodzą z testu liczb.</translation>
    </message>
    <message>
        <source>Name each student after their folder or their files&apos; names.</source>
        <translation>Nazwij każdego studenta według jego folderu lub nazw jego plików.</translation>
    </message>
    <message>
        <source>Start each CSV file with a UTF-8 mark.</source>
        <translation>Zaczynaj każdy plik CSV znacznikiem UTF-8.</translation>
    </message>
    <message>
        <source>Write again whenever a file changes, until stopped.</source>
        <translation>Zapisuj ponownie przy każdej zmianie pliku, aż do zatrzymania.</translation>
    </message>
    <message>
        <source>As --watch, with the chart in a window.</source>
        <translation>Jak --watch, z wykresem w oknie.</translation>
    </message>
    <message>
        <source>Data files and folders.</source>
        <translation>Pliki danych i foldery.</translation>
    </message>
    <message>
        <source>path...</source>
        <translation>ścieżka...</translation>
    </message>
    <message>
        <source>--colour and --number exclude each other: summarise each test&apos;s .col files apart</source>
        <translation>--colour i --number wykluczają się: podsumuj pliki .col każdego testu osobno</translation>
    </message>
    <message>
        <source>--student-from takes folder or name, not %1</source>
        <translation>--student-from przyjmuje folder lub name, a nie %1</translation>
    </message>
    <message>
        <source>no file could be read; nothing written</source>
        <translation>nie udało się odczytać żadnego pliku; nic nie zapisano</translation>
    </message>
    <message>
        <source>Count a folder&apos;s files as its owners handed them in (yes), or by their names (no); by default the owners decide in a hand-in folder, one that others may enter but not list.</source>
        <translation>Licz pliki folderu jako oddane przez ich właścicieli (yes) lub według ich nazw (no); domyślnie w folderze oddanych wyników, do którego inni mogą wejść, ale którego nie mogą wylistować, decydują właściciele.</translation>
    </message>
    <message>
        <source>Say whether the hand-in folder &lt;folder&gt; is set up as one of the guide&apos;s recipes, and what is wrong; nothing is summarised.</source>
        <translation>Podaj, czy folder oddanych wyników &lt;folder&gt; jest urządzony według jednego z przepisów przewodnika i co jest źle; nic nie jest podsumowywane.</translation>
    </message>
    <message>
        <source>--owners takes yes or no, not %1</source>
        <translation>--owners przyjmuje yes lub no, a nie %1</translation>
    </message>
</context>
</TS>
