<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>ClassChart</name>
    <message>
        <source>Class reaction times: simple against choice</source>
        <translation>Reaktionszeiten der Klasse: einfach gegen Wahl</translation>
    </message>
    <message>
        <source>One dot for each student&apos;s mean reaction time (%1): the mean of their set means, in whole ms as stored. Box: lower to upper quartile; thick line: median; whiskers: the furthest means within 1.5 box lengths.</source>
        <translation>Ein Punkt je mittlerer Reaktionszeit eines Studierenden (%1): der Mittelwert seiner Satzmittelwerte, in ganzen ms wie gespeichert. Box: unteres bis oberes Quartil; dicke Linie: Median; Whisker: die entferntesten Mittelwerte innerhalb von 1,5 Boxlängen.</translation>
    </message>
    <message numerus="yes">
        <source>%n student(s)</source>
        <translation>
            <numerusform>%n Studierender</numerusform>
            <numerusform>%n Studierende</numerusform>
        </translation>
    </message>
    <message>
        <source>No reaction times in the files read</source>
        <translation>Keine Reaktionszeiten in den gelesenen Dateien</translation>
    </message>
    <message>
        <source>n = %1, mean %2 ms</source>
        <translation>n = %1, Mittelwert %2 ms</translation>
    </message>
    <message>
        <source>%1 − simple: %2 ms (95 % CI %3 to %4, %5 students)</source>
        <translation>%1 − einfach: %2 ms (95-%-KI %3 bis %4, %5 Studierende)</translation>
    </message>
    <message>
        <source>Class reaction times</source>
        <translation>Reaktionszeiten der Klasse</translation>
    </message>
    <message>
        <source>Bars beside each box: every run that counts (%1 runs; class-notes.txt says which), as shares of the test&apos;s runs in bins of %2 ms.</source>
        <translation>Balken neben jeder Box: jeder Lauf, der zählt (%1 Läufe; welche, steht in class-notes.txt), als Anteile an den Läufen des Tests in Klassen von %2 ms.</translation>
    </message>
    <message>
        <source>reaction time (ms)</source>
        <translation>Reaktionszeit (ms)</translation>
    </message>
</context>
<context>
    <name>ClassFiles</name>
    <message>
        <source>not a recover.dat, .nrm or .col file</source>
        <translation>keine recover.dat-, .nrm- oder .col-Datei</translation>
    </message>
    <message>
        <source>left out %1: a shared account&apos;s recover.dat holds whoever ran last</source>
        <translation>ausgelassen: %1: die recover.dat eines gemeinsamen Kontos enthält nur, wer zuletzt gemessen hat</translation>
    </message>
    <message>
        <source>a named pipe (FIFO), not read</source>
        <translation>eine benannte Pipe (FIFO), nicht gelesen</translation>
    </message>
    <message>
        <source>a socket, not read</source>
        <translation>ein Socket, nicht gelesen</translation>
    </message>
    <message>
        <source>a device, not read</source>
        <translation>ein Gerät, nicht gelesen</translation>
    </message>
    <message>
        <source>a link, not followed in a hand-in folder</source>
        <translation>ein Link, dem in einem Abgabeordner nicht gefolgt wird</translation>
    </message>
    <message>
        <source>handed in by user %1 beside the students&apos; folders, not in one</source>
        <translation>von Benutzer %1 neben den Ordnern der Studierenden abgegeben, nicht in einem davon</translation>
    </message>
    <message>
        <source>no user %1 on this machine; the folder is left out</source>
        <translation>kein Benutzer %1 auf diesem Rechner; der Ordner wird ausgelassen</translation>
    </message>
    <message>
        <source>the folder belongs to user %1, not %2; its files are left out</source>
        <translation>der Ordner gehört Benutzer %1, nicht %2; seine Dateien werden ausgelassen</translation>
    </message>
    <message>
        <source>a folder within a student&apos;s folder, not read</source>
        <translation>ein Ordner im Ordner eines Studierenden, nicht gelesen</translation>
    </message>
    <message>
        <source>handed in by user %1, not %2</source>
        <translation>von Benutzer %1 abgegeben, nicht von %2</translation>
    </message>
    <message>
        <source>in a folder of user %1, not %2</source>
        <translation>in einem Ordner von Benutzer %1, nicht von %2</translation>
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
        <translation>Die Rechner

Jede gespeicherte Zeit enthält, was der Rechner, auf dem sie gemessen wurde, hinzufügt: die Verzögerung
des Monitors (die Farbreize) oder der Tonausgabe (die Töne) und die der Maus (ihre Abfrage, ihre Entprellung,
der Eingabeweg). Die Rechnerprüfung (brevane --check-machine) hat sie auf jedem der folgenden Rechner mit
einer Fotodiode, einem Schleifenkabel und einem Mikrofon über die Soundkarte gemessen; die Reaktionszeit
eines Studierenden ist etwa die gespeicherte Zeit abzüglich der Verzögerung des Reizteils und der der Maus.
Auf demselben Rechner ändern sie einen Unterschied zwischen Tests (Wahl minus einfach) nicht, die gepaarten
Konfidenzintervalle in class.csv gelten also; Zeiten von Rechnern mit verschiedenen Verzögerungen sind um diesen
Unterschied länger oder kürzer. sets.csv und students.csv enden mit dem Rechner jeder Datei und seinen Verzögerungen.

</translation>
    </message>
    <message>
        <source>%1 (checked %2; %3; files: %4): %5
</source>
        <translation>%1 (geprüft %2; %3; Dateien: %4): %5
</translation>
    </message>
    <message>
        <source>mode not known</source>
        <translation>Modus unbekannt</translation>
    </message>
    <message>
        <source>Screen and mouse together add %1 to %2 ms on these machines: a visual time measured on
one may differ from another&apos;s by up to %3 ms from the machines alone.
</source>
        <translation>Bildschirm und Maus fügen auf diesen Rechnern zusammen %1 bis %2 ms hinzu: eine auf einem Rechner
gemessene visuelle Zeit kann allein durch die Rechner um bis zu %3 ms von der eines anderen abweichen.
</translation>
    </message>
</context>
<context>
    <name>ClassRun</name>
    <message>
        <source>skipped %1: %2</source>
        <translation>übersprungen: %1: %2</translation>
    </message>
    <message>
        <source>%1 is a copy of %2: read once</source>
        <translation>%1 ist eine Kopie von %2: einmal gelesen</translation>
    </message>
    <message>
        <source>%1 of %2 files read</source>
        <translation>%1 von %2 Dateien gelesen</translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>der Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>could not write %1: %2</source>
        <translation>%1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>%1 read</source>
        <translation>%1 gelesen</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n Datei</numerusform>
            <numerusform>%n Dateien</numerusform>
        </translation>
    </message>
    <message>
        <source> (and %1 read once)</source>
        <translation> (und %1 einmal gelesen)</translation>
    </message>
    <message numerus="yes">
        <source>%n copy(ies)</source>
        <translation>
            <numerusform>%n Kopie</numerusform>
            <numerusform>%n Kopien</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2 skipped; %3 (%4 by folder, %5 by file name); tests: %6</source>
        <translation>%1, %2 übersprungen; %3 (%4 nach Ordner, %5 nach Dateiname); Tests: %6</translation>
    </message>
    <message numerus="yes">
        <source>%n student(s)</source>
        <translation>
            <numerusform>%n Studierender</numerusform>
            <numerusform>%n Studierende</numerusform>
        </translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
</context>
<context>
    <name>ClassSummary</name>
    <message>
        <source>.%1 file</source>
        <translation>.%1-Datei</translation>
    </message>
    <message>
        <source>it has %1 lines; a %2 has %3</source>
        <translation>sie hat %1 Zeilen; eine %2 hat %3</translation>
    </message>
    <message>
        <source>line %1 is not what a %2 holds there</source>
        <translation>Zeile %1 ist nicht, was eine %2 dort enthält</translation>
    </message>
    <message>
        <source>it has more than the %1 lines of a %2</source>
        <translation>sie hat mehr als die %1 Zeilen einer %2</translation>
    </message>
    <message>
        <source>%1: %2 holds %3 sets that %4 holds too; each taken once</source>
        <translation>%1: %2 enthält Sätze (%3), die auch %4 enthält; jeder einmal genommen</translation>
    </message>
    <message>
        <source>%1 has two different %2 files, %3 and %4: both kept as separate sets</source>
        <translation>%1 hat zwei verschiedene Dateien (%2), %3 und %4: beide als eigene Sätze behalten</translation>
    </message>
    <message>
        <source>%1 handed in</source>
        <translation>%1 abgegeben</translation>
    </message>
    <message numerus="yes">
        <source>%n student(s)</source>
        <translation>
            <numerusform>%n Studierender</numerusform>
            <numerusform>%n Studierende</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>cannot create or enter the folder %1; files are kept in %2</source>
        <translation>der Ordner %1 kann nicht angelegt oder betreten werden; die Dateien bleiben in %2</translation>
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
        <translation>Aufruf: %1 [--user-folder] [--hand-in ORDNER] [--unlock] [--language CODE]
           [KONFIGURATIONSDATEI]
        %1 --timing-check | --check-machine | --version | --help

Einfache und Wahlreaktionszeiten messen: die Reaktionszeiten eines
Studierenden auf einen Ton, einen Farbwechsel oder beides, in einem
einfachen Test und zwei Wahlreaktionstests.

  KONFIGURATIONSDATEI
                      die Konfiguration, die statt %2 gilt; ein relativer
                      Name bezieht sich auf den Ordner, in dem die Dateien
                      liegen
  --user-folder       die Dateien im Ordner des Benutzers halten, der bei
                      Bedarf angelegt wird:
                      %3
                      (so startet der Eintrag im Desktop-Menü das Programm)
  --hand-in ORDNER    jede gespeicherte .nrm- und .col-Datei und jede
                      recover.dat auch in ORDNER/&lt;Anmeldename&gt;/ abgeben, für
                      die Lehrkraft (für alle Benutzer in
                      /etc/xdg/Brevane/Brevane.conf einstellbar; man brevane)
  --unlock            wo das Labor die Einstellungen sperrt, ein Mitglied der
                      Lehrkräftegruppe des Labors sie in dieser Sitzung
                      ändern lassen
  --timing-check      eine blinkende Fläche für eine Fotodiode oder eine
                      Kamera zeigen, mit der Bildwiederholrate, der
                      Schwankung der Bildzeit und den benutzten
                      Zeitstempelquellen (Esc oder ein Klick beendet sie)
  --check-machine     diesen PC über den Eingang seiner Soundkarte von Ende zu
                      Ende prüfen: den Bildschirm mit einer Fotodiode, den
                      Ton mit einem Kabel vom Ausgang, die Maus an ihrem
                      Klick; behält die Verzögerungen für „Über Brevane“ und
                      die Klassenübersicht (docs/guide.md)
  --language CODE     das Programm in dieser Sprache zeigen (de, ja, ar, ...;
                      Englisch, wo es keine Übersetzung gibt) statt in der
                      des Systems oder der in Brevane.conf eingestellten
  --version           die Version ausgeben und enden
  --help              diesen Text ausgeben und enden

Die Dateien liegen im aktuellen Verzeichnis oder mit --user-folder im oben
genannten Ordner: %2 (die Konfiguration, mit den Standardwerten geschrieben,
wenn sie fehlt) und recover.dat (die Sätze jedes Tests, neu geschrieben, wenn
eine Serie endet; Wiederherstellen im Hauptmenü liest sie zurück). Die
Dateidialoge öffnen sich dort; Ergebnisdateien (.nrm, .col) landen dort, wo
Sie sie speichern.
</translation>
    </message>
</context>
<context>
    <name>DisplayStamps</name>
    <message>
        <source>; times may be one frame long: see the guide</source>
        <translation>; Zeiten können um ein Bild zu lang sein: siehe Anleitung</translation>
    </message>
    <message>
        <source>The window system does not say when a frame is shown</source>
        <translation>Das Fenstersystem meldet nicht, wann ein Bild gezeigt wird</translation>
    </message>
    <message>
        <source>The X server does not say when a frame is shown</source>
        <translation>Der X-Server meldet nicht, wann ein Bild gezeigt wird</translation>
    </message>
    <message>
        <source>XWayland shows the window through the Wayland compositor</source>
        <translation>XWayland zeigt das Fenster über den Wayland-Compositor</translation>
    </message>
    <message>
        <source>Some stimuli were stamped by %1</source>
        <translation>Einige Reize wurden gestempelt durch %1</translation>
    </message>
    <message>
        <source>the display&apos;s refresh</source>
        <translation>den Bildaufbau des Bildschirms</translation>
    </message>
    <message>
        <source>the X server&apos;s refresh, not the pixel&apos;s</source>
        <translation>den Bildaufbau des X-Servers, nicht den des Pixels</translation>
    </message>
    <message>
        <source>the compositor&apos;s frame timings</source>
        <translation>die Bildzeiten des Compositors</translation>
    </message>
    <message>
        <source>the screen read back</source>
        <translation>den zurückgelesenen Bildschirm</translation>
    </message>
    <message>
        <source>the Wayland compositor&apos;s report of the frame</source>
        <translation>die Bildmeldung des Wayland-Compositors</translation>
    </message>
    <message>
        <source>the hand-over to the X server</source>
        <translation>die Übergabe an den X-Server</translation>
    </message>
    <message>
        <source>the clock after a repaint</source>
        <translation>die Uhr nach dem Neuzeichnen</translation>
    </message>
    <message>
        <source>%1 (exact)</source>
        <translation>%1 (genau)</translation>
    </message>
    <message>
        <source>%1 (estimated)</source>
        <translation>%1 (geschätzt)</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>%1 Hz</source>
        <translation>%1 Hz</translation>
    </message>
    <message>
        <source>not reported (a virtual screen)</source>
        <translation>nicht gemeldet (ein virtueller Bildschirm)</translation>
    </message>
    <message>
        <source>The Wayland compositor estimates when a frame is shown; times may be one frame long: see the guide</source>
        <translation>Der Wayland-Compositor schätzt, wann ein Bild gezeigt wird; Zeiten können um ein Bild zu lang sein: siehe Anleitung</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>Reflex Data Files (*.nrm)|*.nrm</source>
        <translation>Reaktionsdaten (*.nrm)|*.nrm</translation>
    </message>
    <message>
        <source>Reflex Data Files (*.col)|*.col</source>
        <translation>Reaktionsdaten (*.col)|*.col</translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
        File already exisits. Do you want to overwrite?</source>
        <translation><byte value="xd"/>
<byte value="xd"/>
        Die Datei gibt es schon. Wollen Sie sie überschreiben?</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Datei speichern</translation>
    </message>
    <message>
        <source>Save File Error</source>
        <translation>Fehler beim Speichern</translation>
    </message>
    <message>
        <source>Save Cancelled</source>
        <translation>Speichern abgebrochen</translation>
    </message>
    <message>
        <source>Load File Error</source>
        <translation>Fehler beim Laden</translation>
    </message>
    <message>
        <source>Load Cancelled</source>
        <translation>Laden abgebrochen</translation>
    </message>
    <message>
        <source>Export to CSV</source>
        <translation>Als CSV exportieren</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)|*.csv</source>
        <translation>CSV-Dateien (*.csv)|*.csv</translation>
    </message>
</context>
<context>
    <name>FileRead</name>
    <message>
        <source>%1 is a folder, not a file.</source>
        <translation>%1 ist ein Ordner, keine Datei.</translation>
    </message>
    <message>
        <source>%1 holds %2 MB, far more than any file of this program; it was not read.</source>
        <translation>%1 hat %2 MB, weit mehr als jede Datei dieses Programms; sie wurde nicht gelesen.</translation>
    </message>
    <message>
        <source>%1 is far larger than any file of this program; it was not read.</source>
        <translation>%1 ist weit größer als jede Datei dieses Programms; sie wurde nicht gelesen.</translation>
    </message>
</context>
<context>
    <name>HandIn</name>
    <message>
        <source>Hand-in</source>
        <translation>Abgabe</translation>
    </message>
    <message>
        <source>the hand-in folder is missing</source>
        <translation>der Abgabeordner fehlt</translation>
    </message>
    <message>
        <source>Not handed in to %1: %2.
Your file is saved on this computer; it is handed in at your next save.</source>
        <translation>Nicht abgegeben an %1: %2.
Ihre Datei ist auf diesem Computer gespeichert; sie wird beim nächsten Speichern abgegeben.</translation>
    </message>
    <message>
        <source>the hand-in folder is still not answering</source>
        <translation>der Abgabeordner antwortet immer noch nicht</translation>
    </message>
    <message>
        <source>the hand-in folder did not answer</source>
        <translation>der Abgabeordner hat nicht geantwortet</translation>
    </message>
    <message>
        <source>the folder %1 in the hand-in folder is a link, not a folder</source>
        <translation>der Ordner %1 im Abgabeordner ist ein Link, kein Ordner</translation>
    </message>
    <message>
        <source>%1 in the hand-in folder is not a folder</source>
        <translation>%1 im Abgabeordner ist kein Ordner</translation>
    </message>
    <message>
        <source>the folder %1 in the hand-in folder belongs to another user</source>
        <translation>der Ordner %1 im Abgabeordner gehört einem anderen Benutzer</translation>
    </message>
</context>
<context>
    <name>HandoutPage</name>
    <message>
        <source>beyond your median ± 3 scaled MADs of the test</source>
        <translation>außerhalb Ihres Medians ± 3 skalierte MAD des Tests</translation>
    </message>
    <message>
        <source>beyond your mean ± 3 SD of the test</source>
        <translation>außerhalb Ihres Mittelwerts ± 3 SD des Tests</translation>
    </message>
    <message>
        <source>none cut here</source>
        <translation>hier keine entfernt</translation>
    </message>
    <message>
        <source>Reaction times of %1</source>
        <translation>Reaktionszeiten von %1</translation>
    </message>
    <message>
        <source>Your times beside your class&apos;s (%1 students), in whole milliseconds as stored.</source>
        <translation>Ihre Zeiten neben denen Ihrer Klasse (%1 Studierende), in ganzen Millisekunden wie gespeichert.</translation>
    </message>
    <message>
        <source>test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>sets</source>
        <translation>Sätze</translation>
    </message>
    <message>
        <source>runs that count</source>
        <translation>zählende Läufe</translation>
    </message>
    <message>
        <source>mean</source>
        <translation>Mittelwert</translation>
    </message>
    <message>
        <source>median</source>
        <translation>Median</translation>
    </message>
    <message>
        <source>anticipations</source>
        <translation>Antizipationen</translation>
    </message>
    <message>
        <source>lapses</source>
        <translation>Aussetzer</translation>
    </message>
    <message>
        <source>outliers</source>
        <translation>Ausreißer</translation>
    </message>
    <message>
        <source>Runs that count: all but missed hits, anticipations (under %1 ms), lapses (over %2 ms) and outliers (%3). mean: the mean of your set means, every time as stored. median, μ, σ, τ: your runs but missed hits, anticipations and lapses; μ, σ, τ: the ex-Gaussian fitted to them, a normal part (μ, σ) plus an exponential part of mean τ, the slow tail; from %4 runs on.</source>
        <translation>Zählende Läufe: alle außer verpassten Treffern, Antizipationen (unter %1 ms), Aussetzern (über %2 ms) und Ausreißern (%3). Mittelwert: der Mittelwert Ihrer Satzmittelwerte, jede Zeit wie gespeichert. Median, μ, σ, τ: Ihre Läufe außer verpassten Treffern, Antizipationen und Aussetzern; μ, σ, τ: die daran angepasste Ex-Gauß-Verteilung, ein normaler Teil (μ, σ) plus ein exponentieller Teil mit dem Mittelwert τ, der langsame Ausläufer; ab %4 Läufen.</translation>
    </message>
    <message>
        <source>Grey: the class&apos;s runs that count; outlined: yours, each as shares of its runs. Ticks: the class&apos;s means; the dot: yours.</source>
        <translation>Grau: die zählenden Läufe der Klasse; umrandet: Ihre, jeweils als Anteile an den eigenen Läufen. Striche: die Mittelwerte der Klasse; der Punkt: Ihrer.</translation>
    </message>
    <message>
        <source>No mean: none of your runs is a reaction time.</source>
        <translation>Kein Mittelwert: keiner Ihrer Läufe ist eine Reaktionszeit.</translation>
    </message>
    <message>
        <source>Your mean, %1 ms; nobody else took this test.</source>
        <translation>Ihr Mittelwert, %1 ms; niemand sonst hat diesen Test gemacht.</translation>
    </message>
    <message>
        <source>Your mean, %1 ms: of the %2 others, %3 faster, %4 slower.</source>
        <translation>Ihr Mittelwert, %1 ms: von den %2 anderen %3 schneller, %4 langsamer.</translation>
    </message>
</context>
<context>
    <name>Handouts</name>
    <message>
        <source>Reaction times: a page for each student</source>
        <translation>Reaktionszeiten: eine Seite je Studierendem</translation>
    </message>
</context>
<context>
    <name>Lab</name>
    <message>
        <source>The settings are locked by the lab (LockSettings in %1).</source>
        <translation>Die Einstellungen sind vom Labor gesperrt (LockSettings in %1).</translation>
    </message>
    <message>
        <source>Nobody may unlock the settings here: %1 names no group of teachers (Teachers in its [Lab] section).</source>
        <translation>Niemand darf die Einstellungen hier entsperren: %1 nennt keine Lehrkräftegruppe (Teachers in seinem Abschnitt [Lab]).</translation>
    </message>
    <message>
        <source>The settings are locked by the lab (LockSettings in %1); a member of the group %2 may change them by starting the program with --unlock.</source>
        <translation>Die Einstellungen sind vom Labor gesperrt (LockSettings in %1); ein Mitglied der Gruppe %2 kann sie ändern, indem es das Programm mit --unlock startet.</translation>
    </message>
    <message>
        <source>Only a member of the group %1 may unlock the settings with --unlock, which %2 is not; the settings stay locked.</source>
        <translation>Nur ein Mitglied der Gruppe %1 darf die Einstellungen mit --unlock entsperren, und %2 ist keines; die Einstellungen bleiben gesperrt.</translation>
    </message>
</context>
<context>
    <name>MachineCheck</name>
    <message>
        <source>%1 of %2 trials</source>
        <translation>%1 von %2 Versuchen</translation>
    </message>
    <message>
        <source>the signal is too weak (%1): turn the input volume up, or the screen&apos;s brightness, and hold the diode flat on the patch</source>
        <translation>das Signal ist zu schwach (%1): drehen Sie die Eingangslautstärke oder die Helligkeit des Bildschirms höher und halten Sie die Diode flach auf die Fläche</translation>
    </message>
    <message>
        <source>the signal is too weak (%1): turn the output and the input volume up</source>
        <translation>das Signal ist zu schwach (%1): drehen Sie die Ausgangs- und die Eingangslautstärke höher</translation>
    </message>
    <message>
        <source>the clicks are too faint (%1): put the microphone closer to the mouse and turn the input volume up</source>
        <translation>die Klicks sind zu leise (%1): bringen Sie das Mikrofon näher an die Maus und drehen Sie die Eingangslautstärke höher</translation>
    </message>
    <message>
        <source>the signal is too noisy (%1): keep the room quiet, the cable short and away from the mains, and turn the input volume down if it hums</source>
        <translation>das Signal ist zu verrauscht (%1): halten Sie den Raum ruhig, das Kabel kurz und fern vom Stromnetz, und drehen Sie die Eingangslautstärke herunter, wenn es brummt</translation>
    </message>
    <message>
        <source>the recording broke off (%1): close other programs that use the sound card and try again</source>
        <translation>die Aufnahme brach ab (%1): schließen Sie andere Programme, die die Soundkarte benutzen, und versuchen Sie es noch einmal</translation>
    </message>
    <message>
        <source>no flash was seen in %1: is the diode on the patch and plugged into the input that records?</source>
        <translation>in %1 wurde kein Blitz gesehen: liegt die Diode auf der Fläche und steckt sie im Eingang, der aufnimmt?</translation>
    </message>
    <message>
        <source>no tone came back in %1: is the output looped to the input that records?</source>
        <translation>in %1 kam kein Ton zurück: ist der Ausgang mit dem Eingang verbunden, der aufnimmt?</translation>
    </message>
    <message>
        <source>no click was heard in %1: is the microphone next to the mouse?</source>
        <translation>in %1 wurde kein Klick gehört: liegt das Mikrofon neben der Maus?</translation>
    </message>
    <message>
        <source>too few trials (%1)</source>
        <translation>zu wenige Versuche (%1)</translation>
    </message>
</context>
<context>
    <name>MachineResult</name>
    <message>
        <source>it is not a machine check&apos;s result</source>
        <translation>es ist kein Ergebnis einer Rechnerprüfung</translation>
    </message>
    <message>
        <source>line %1 is not a part&apos;s lag</source>
        <translation>Zeile %1 ist keine Verzögerung eines Teils</translation>
    </message>
    <message>
        <source>it names no machine</source>
        <translation>es nennt keinen Rechner</translation>
    </message>
    <message>
        <source>%1 %2 ms (SD %3)</source>
        <translation>%1 %2 ms (SD %3)</translation>
    </message>
    <message>
        <source>%1: not measured</source>
        <translation>%1: nicht gemessen</translation>
    </message>
    <message>
        <source>Machine check: not done on this machine (brevane --check-machine)</source>
        <translation>Rechnerprüfung: auf diesem Rechner nicht gemacht (brevane --check-machine)</translation>
    </message>
    <message>
        <source>Machine check (%1, %2): %3</source>
        <translation>Rechnerprüfung (%1, %2): %3</translation>
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
        <translation>Der Drucker %1 konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>The printer %1 reported an error.</source>
        <translation>Der Drucker %1 hat einen Fehler gemeldet.</translation>
    </message>
    <message>
        <source>The PDF could not be completed.</source>
        <translation>Das PDF konnte nicht fertiggestellt werden.</translation>
    </message>
    <message>
        <source>The PDF could not be started.</source>
        <translation>Das PDF konnte nicht begonnen werden.</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Druckereinrichtung</translation>
    </message>
</context>
<context>
    <name>RecoveryFile</name>
    <message>
        <source>The recovery file recover.dat could not be written.</source>
        <translation>Die Wiederherstellungsdatei recover.dat konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source><byte value="xd"/>Your data are kept in memory.</source>
        <translation><byte value="xd"/>Ihre Daten bleiben im Speicher.</translation>
    </message>
    <message>
        <source>Recovery File Error</source>
        <translation>Fehler der Wiederherstellungsdatei</translation>
    </message>
    <message>
        <source>Load Cancelled</source>
        <translation>Laden abgebrochen</translation>
    </message>
    <message>
        <source>No Recovery File Created or Found</source>
        <translation>Keine Wiederherstellungsdatei angelegt oder gefunden</translation>
    </message>
    <message>
        <source>Load File Error</source>
        <translation>Fehler beim Laden</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Fastest Time</source>
        <translation>Schnellste Zeit</translation>
    </message>
    <message>
        <source>Slowest Time</source>
        <translation>Langsamste Zeit</translation>
    </message>
    <message>
        <source>Average Time</source>
        <translation>Durchschnitt</translation>
    </message>
    <message>
        <source>Correct Hits</source>
        <translation>Richtige Treffer</translation>
    </message>
    <message>
        <source>Correct Misses</source>
        <translation>Richtig ausgelassen</translation>
    </message>
    <message>
        <source>InCorrect Hits</source>
        <translation>Falsche Treffer</translation>
    </message>
    <message>
        <source>Missed Hits</source>
        <translation>Verpasste Treffer</translation>
    </message>
    <message>
        <source>Orv Tovanel:  Color Reflex Data</source>
        <translation>Orv Tovanel:  Reaktionsdaten Farbe</translation>
    </message>
    <message>
        <source>Orv Tovanel:  Number Reflex Data</source>
        <translation>Orv Tovanel:  Reaktionsdaten Zahl</translation>
    </message>
    <message>
        <source>Set  %1</source>
        <translation>Satz  %1</translation>
    </message>
    <message>
        <source>Comments:</source>
        <translation>Kommentar:</translation>
    </message>
    <message>
        <source>Save Report As PDF</source>
        <translation>Bericht als PDF speichern</translation>
    </message>
    <message>
        <source>PDF Files|*.pdf</source>
        <translation>PDF-Dateien|*.pdf</translation>
    </message>
    <message>
        <source>The file could not be written.</source>
        <translation>Die Datei konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Print Error<byte value="xd"/></source>
        <translation>Druckfehler<byte value="xd"/></translation>
    </message>
    <message>
        <source>Print Cancelled</source>
        <translation>Drucken abgebrochen</translation>
    </message>
    <message>
        <source>  Slowest Time</source>
        <translation>  Langsamste Zeit</translation>
    </message>
    <message>
        <source>Orv Tovanel:  Normal Reflex Data</source>
        <translation>Orv Tovanel:  Reaktionsdaten einfach</translation>
    </message>
</context>
<context>
    <name>ResultsKind</name>
    <message>
        <source>Complex Choice Color/Audio Stimulus Module Data Display</source>
        <translation>Wahlreaktion Farbe/Ton: Ergebnisse</translation>
    </message>
    <message>
        <source>Delete run %1 from the set? </source>
        <translation>Lauf %1 aus dem Satz löschen? </translation>
    </message>
    <message>
        <source>Color Reflex Data Files</source>
        <translation>Reaktionsdaten Farbe</translation>
    </message>
    <message>
        <source>Complex Choice Number/Audio Stimulus Module Data Display</source>
        <translation>Wahlreaktion Zahl/Ton: Ergebnisse</translation>
    </message>
    <message>
        <source>Delete run %1 for the set? </source>
        <translation>Lauf %1 des Satzes löschen? </translation>
    </message>
    <message>
        <source>Number Reflex Data Files</source>
        <translation>Reaktionsdaten Zahl</translation>
    </message>
    <message>
        <source>Simple Choice Stimulus Module Data Display</source>
        <translation>Einfache Reaktion: Ergebnisse</translation>
    </message>
    <message>
        <source>Normal Reflex Data Files</source>
        <translation>Reaktionsdaten einfach</translation>
    </message>
</context>
<context>
    <name>ResultsModel</name>
    <message>
        <source>Delete run %1 for the set? </source>
        <translation>Lauf %1 des Satzes löschen? </translation>
    </message>
    <message>
        <source>Are you sure you want to DELETE ALL DATA ?</source>
        <translation>Wollen Sie wirklich ALLE DATEN LÖSCHEN?</translation>
    </message>
    <message>
        <source>Delete All Data</source>
        <translation>Alle Daten löschen</translation>
    </message>
</context>
<context>
    <name>RuleOptions</name>
    <message>
        <source>A time under &lt;ms&gt; is an anticipation (default: 100).</source>
        <translation>Eine Zeit unter &lt;ms&gt; ist eine Antizipation (Vorgabe: 100).</translation>
    </message>
    <message>
        <source>A time over &lt;ms&gt; is a lapse (default: 2000).</source>
        <translation>Eine Zeit über &lt;ms&gt; ist ein Aussetzer (Vorgabe: 2000).</translation>
    </message>
    <message>
        <source>Cut outliers beyond median +- 3 scaled MADs (mad, the default), mean +- 3 SD (sd), or not at all (none).</source>
        <translation>Ausreißer außerhalb von Median +- 3 skalierten MAD (mad, die Vorgabe) oder Mittelwert +- 3 SD (sd) entfernen, oder gar nicht (none).</translation>
    </message>
    <message>
        <source>Write a PDF page for each student, handout-&lt;student&gt;.pdf.</source>
        <translation>Eine PDF-Seite je Studierendem schreiben, handout-&lt;Name&gt;.pdf.</translation>
    </message>
    <message>
        <source>--%1 takes a whole number of milliseconds from %2 to %3, not %4</source>
        <translation>--%1 nimmt eine ganze Zahl von Millisekunden von %2 bis %3, nicht %4</translation>
    </message>
    <message>
        <source>the lapse limit (%1 ms) must lie above the anticipation limit (%2 ms)</source>
        <translation>die Aussetzergrenze (%1 ms) muss über der Antizipationsgrenze (%2 ms) liegen</translation>
    </message>
    <message>
        <source>--outlier-rule takes mad, sd or none, not %1</source>
        <translation>--outlier-rule nimmt mad, sd oder none, nicht %1</translation>
    </message>
</context>
<context>
    <name>SessionPlatform</name>
    <message>
        <source>On Wayland: no pointer placement, and presses are stamped by the toolkit event (XWayland gives both)</source>
        <translation>Unter Wayland: keine Zeigerplatzierung, und Tastendrücke werden beim Ereignis des Toolkits gestempelt (XWayland bietet beides)</translation>
    </message>
    <message>
        <source>Wayland session: running on X through XWayland, which places the pointer and reads raw input</source>
        <translation>Wayland-Sitzung: läuft auf X über XWayland, das den Zeiger platziert und Roheingaben liest</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Settings Locked</source>
        <translation>Einstellungen gesperrt</translation>
    </message>
</context>
<context>
    <name>SettingsEditor</name>
    <message>
        <source>Configuration Files (*.cfg)|*.cfg</source>
        <translation>Konfigurationsdateien (*.cfg)|*.cfg</translation>
    </message>
    <message>
        <source>Trigger Colour</source>
        <translation>Reizfarbe</translation>
    </message>
    <message>
        <source>The trigger colour must differ from the panel&apos;s white at rest, or the stimulus is invisible.</source>
        <translation>Die Reizfarbe muss sich vom Weiß der ruhenden Fläche unterscheiden, sonst ist der Reiz unsichtbar.</translation>
    </message>
    <message>
        <source>Save Configuration File</source>
        <translation>Konfiguration speichern</translation>
    </message>
    <message>
        <source>Save File Error</source>
        <translation>Fehler beim Speichern</translation>
    </message>
    <message>
        <source>Save Cancelled</source>
        <translation>Speichern abgebrochen</translation>
    </message>
    <message>
        <source>Load Configuration File</source>
        <translation>Konfiguration laden</translation>
    </message>
    <message>
        <source>Load File Error</source>
        <translation>Fehler beim Laden</translation>
    </message>
    <message>
        <source>Load Cancelled</source>
        <translation>Laden abgebrochen</translation>
    </message>
    <message>
        <source>Configuration File Load Error</source>
        <translation>Fehler beim Laden der Konfiguration</translation>
    </message>
    <message>
        <source>Invalid Configuration File<byte value="xd"/>No File Loaded</source>
        <translation>Ungültige Konfigurationsdatei<byte value="xd"/>Keine Datei geladen</translation>
    </message>
</context>
<context>
    <name>ShapeChart</name>
    <message>
        <source>median of the student&apos;s runs (ms)</source>
        <translation>Median der Läufe des Studierenden (ms)</translation>
    </message>
    <message>
        <source>τ, the slow tail (ms)</source>
        <translation>τ, der langsame Ausläufer (ms)</translation>
    </message>
    <message>
        <source>%1 of %2 students fitted
mean τ %3 ms</source>
        <translation>%1 von %2 Studierenden angepasst
mittleres τ %3 ms</translation>
    </message>
    <message>
        <source>%1 − simple: μ %2 ms (95 % CI %3 to %4), τ %5 ms (%6 to %7), %8 students</source>
        <translation>%1 − einfach: μ %2 ms (95-%-KI %3 bis %4), τ %5 ms (%6 bis %7), %8 Studierende</translation>
    </message>
    <message>
        <source>The shape of each student&apos;s times</source>
        <translation>Die Form der Zeiten jedes Studierenden</translation>
    </message>
    <message>
        <source>One dot for each student and test with an ex-Gaussian fit (at least %1 runs that are neither anticipations nor lapses): across, the median of those runs; up, τ, the mean of the fit&apos;s exponential part: its slow tail. A test that slows every run moves the dots to the right; one that adds slow runs moves them up.</source>
        <translation>Ein Punkt für jeden Studierenden und Test mit einer Ex-Gauß-Anpassung (mindestens %1 Läufe, die weder Antizipationen noch Aussetzer sind): waagerecht der Median dieser Läufe; senkrecht τ, der Mittelwert des exponentiellen Teils der Anpassung: ihr langsamer Ausläufer. Ein Test, der jeden Lauf verlangsamt, schiebt die Punkte nach rechts; einer, der langsame Läufe hinzufügt, schiebt sie nach oben.</translation>
    </message>
    <message>
        <source>No student has %1 runs in a test yet: too few for a fit</source>
        <translation>Noch kein Studierender hat %1 Läufe in einem Test: zu wenige für eine Anpassung</translation>
    </message>
</context>
<context>
    <name>ShareCheck</name>
    <message>
        <source>cannot look at %1 (%2)</source>
        <translation>%1 kann nicht untersucht werden (%2)</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 ist kein Ordner</translation>
    </message>
    <message>
        <source>cannot list %1 (%2): run this as a member of its group or as root</source>
        <translation>%1 kann nicht aufgelistet werden (%2): führen Sie dies als Mitglied seiner Gruppe oder als root aus</translation>
    </message>
    <message>
        <source>1 student&apos;s folder</source>
        <translation>1 Ordner eines Studierenden</translation>
    </message>
    <message>
        <source>%1 students&apos; folders</source>
        <translation>%1 Ordner von Studierenden</translation>
    </message>
    <message>
        <source>%1: %2, all as the recipe has them</source>
        <translation>%1: %2, alle wie im Rezept</translation>
    </message>
    <message>
        <source>%1: %2; 1 thing to put right</source>
        <translation>%1: %2; 1 Punkt zu beheben</translation>
    </message>
    <message>
        <source>%1: %2; %3 things to put right</source>
        <translation>%1: %2; %3 Punkte zu beheben</translation>
    </message>
    <message>
        <source>%1: the guide&apos;s first recipe, one group folder (mode 3773), group %2</source>
        <translation>%1: das erste Rezept der Anleitung, ein Gruppenordner (Modus 3773), Gruppe %2</translation>
    </message>
    <message>
        <source>%1: the guide&apos;s second recipe, a folder per student (mode 0751), group %2</source>
        <translation>%1: das zweite Rezept der Anleitung, ein Ordner je Studierendem (Modus 0751), Gruppe %2</translation>
    </message>
    <message>
        <source>%1 has the mode %2, not %3</source>
        <translation>%1 hat den Modus %2, nicht %3</translation>
    </message>
    <message>
        <source>every user may list %1 and see who handed in: take the others&apos; r away</source>
        <translation>jeder Benutzer kann %1 auflisten und sehen, wer abgegeben hat: nehmen Sie den anderen das r weg</translation>
    </message>
    <message>
        <source>without the sticky bit a student may rename or remove another&apos;s folder</source>
        <translation>ohne das Sticky-Bit kann ein Studierender den Ordner eines anderen umbenennen oder entfernen</translation>
    </message>
    <message>
        <source>without the setgid bit the students&apos; new folders do not get the group %1, and the teachers cannot read them</source>
        <translation>ohne das Setgid-Bit bekommen die neuen Ordner der Studierenden nicht die Gruppe %1, und die Lehrkräfte können sie nicht lesen</translation>
    </message>
    <message>
        <source>the students cannot %1 their folders in %2</source>
        <translation>die Studierenden können ihre Ordner in %2 nicht %1</translation>
    </message>
    <message>
        <source>make</source>
        <translation>anlegen</translation>
    </message>
    <message>
        <source>reach</source>
        <translation>erreichen</translation>
    </message>
    <message>
        <source>the group %1 cannot list %2, so the teachers do not see the folders</source>
        <translation>die Gruppe %1 kann %2 nicht auflisten, also sehen die Lehrkräfte die Ordner nicht</translation>
    </message>
    <message>
        <source>%1 belongs to user %2, not root: %2 may rename or remove every student&apos;s folder</source>
        <translation>%1 gehört Benutzer %2, nicht root: %2 kann den Ordner jedes Studierenden umbenennen oder entfernen</translation>
    </message>
    <message>
        <source>%1 is a link, not a student&apos;s folder: remove it (hand-ins through it are refused)</source>
        <translation>%1 ist ein Link, kein Ordner eines Studierenden: entfernen Sie ihn (Abgaben darüber werden abgelehnt)</translation>
    </message>
    <message>
        <source>%1 is no student&apos;s folder, and belongs to user %2: remove it</source>
        <translation>%1 ist kein Ordner eines Studierenden und gehört Benutzer %2: entfernen Sie ihn</translation>
    </message>
    <message>
        <source>%1: there is no user %2 on this machine</source>
        <translation>%1: auf diesem Rechner gibt es keinen Benutzer %2</translation>
    </message>
    <message>
        <source>%1 belongs to user %2, not %3: remove it, or %3&apos;s hand-ins are refused</source>
        <translation>%1 gehört Benutzer %2, nicht %3: entfernen Sie ihn, sonst werden die Abgaben von %3 abgelehnt</translation>
    </message>
    <message>
        <source>%1 has the group %2, not %3: the teachers cannot read it</source>
        <translation>%1 hat die Gruppe %2, nicht %3: die Lehrkräfte können ihn nicht lesen</translation>
    </message>
    <message>
        <source>%1 has the mode %2, not 0750%3</source>
        <translation>%1 hat den Modus %2, nicht 0750%3</translation>
    </message>
    <message>
        <source>: every user may read %1&apos;s files</source>
        <translation>: jeder Benutzer kann die Dateien von %1 lesen</translation>
    </message>
    <message>
        <source>%1 is in the group %2, and so may read every student&apos;s folder</source>
        <translation>%1 ist in der Gruppe %2 und kann daher den Ordner jedes Studierenden lesen</translation>
    </message>
    <message>
        <source>%1 is a link, which the summary does not follow: remove it</source>
        <translation>%1 ist ein Link, dem die Übersicht nicht folgt: entfernen Sie ihn</translation>
    </message>
    <message>
        <source>%1 is a FIFO, a socket or a device, which the summary does not read: remove it</source>
        <translation>%1 ist ein FIFO, ein Socket oder ein Gerät, das die Übersicht nicht liest: entfernen Sie es</translation>
    </message>
    <message>
        <source>%1 belongs to user %2, not to the folder&apos;s student</source>
        <translation>%1 gehört Benutzer %2, nicht dem Studierenden des Ordners</translation>
    </message>
    <message>
        <source>every user may read %1</source>
        <translation>jeder Benutzer kann %1 lesen</translation>
    </message>
</context>
<context>
    <name>SimpleEngine</name>
    <message>
        <source>            Audio Trigger</source>
        <translation>         Akustischer Reiz</translation>
    </message>
    <message>
        <source>           Visual Trigger</source>
        <translation>           Visueller Reiz</translation>
    </message>
    <message>
        <source>     Audio/Visual Trigger</source>
        <translation>   Akustisch-visueller Reiz</translation>
    </message>
    <message>
        <source>The sound device &quot;%1&quot; could not be opened.</source>
        <translation>Das Tongerät „%1“ konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source><byte value="xd"/>An audio trigger needs it: choose a visual trigger in Options.</source>
        <translation><byte value="xd"/>Ein akustischer Reiz braucht es: wählen Sie unter Optionen einen visuellen Reiz.</translation>
    </message>
    <message>
        <source>No Sound Device</source>
        <translation>Kein Tongerät</translation>
    </message>
    <message>
        <source><byte value="xd"/>The series runs with the colour alone.</source>
        <translation><byte value="xd"/>Die Serie läuft nur mit der Farbe.</translation>
    </message>
</context>
<context>
    <name>SoundCapture</name>
    <message>
        <source>the sound card has no input to record from (%1)</source>
        <translation>die Soundkarte hat keinen Eingang zum Aufnehmen (%1)</translation>
    </message>
    <message>
        <source>the sound card&apos;s input cannot record mono at %1 Hz (%2)</source>
        <translation>der Eingang der Soundkarte kann nicht mono mit %1 Hz aufnehmen (%2)</translation>
    </message>
    <message>
        <source>no PipeWire server answers</source>
        <translation>kein PipeWire-Server antwortet</translation>
    </message>
    <message>
        <source>PipeWire has no input to record from</source>
        <translation>PipeWire hat keinen Eingang zum Aufnehmen</translation>
    </message>
    <message>
        <source>no PulseAudio server answers</source>
        <translation>kein PulseAudio-Server antwortet</translation>
    </message>
    <message>
        <source>PulseAudio has no input to record from</source>
        <translation>PulseAudio hat keinen Eingang zum Aufnehmen</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>the built-in defaults</source>
        <translation>die eingebauten Standardwerte</translation>
    </message>
    <message>
        <source>, locked by the lab</source>
        <translation>, vom Labor gesperrt</translation>
    </message>
    <message>
        <source>Settings Locked</source>
        <translation>Einstellungen gesperrt</translation>
    </message>
    <message>
        <source>The configuration file %1 is not read: the lab locks the settings (LockSettings in %2).</source>
        <translation>Die Konfigurationsdatei %1 wird nicht gelesen: das Labor sperrt die Einstellungen (LockSettings in %2).</translation>
    </message>
    <message>
        <source>Loading the class configuration ...</source>
        <translation>Klassenkonfiguration wird geladen ...</translation>
    </message>
    <message>
        <source>the class configuration %1</source>
        <translation>die Klassenkonfiguration %1</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>diese Datei gibt es nicht</translation>
    </message>
    <message>
        <source>Class Configuration</source>
        <translation>Klassenkonfiguration</translation>
    </message>
    <message>
        <source>The class configuration %1 that %2 names cannot be read (%3); the configuration of this computer is used instead.</source>
        <translation>Die Klassenkonfiguration %1, die %2 nennt, kann nicht gelesen werden (%3); stattdessen gilt die Konfiguration dieses Computers.</translation>
    </message>
</context>
<context>
    <name>StartupSequence</name>
    <message>
        <source>the screen is smaller than 800 x 600; the program ends</source>
        <translation>der Bildschirm ist kleiner als 800 x 600; das Programm endet</translation>
    </message>
    <message>
        <source>Fatal Application Error</source>
        <translation>Schwerer Programmfehler</translation>
    </message>
    <message>
        <source>Orv Brevane supports a minimum screen resolution of 800 x 600</source>
        <translation>Orv Brevane braucht eine Bildschirmauflösung von mindestens 800 x 600</translation>
    </message>
    <message>
        <source>Press OK to terminate program</source>
        <translation>OK beendet das Programm</translation>
    </message>
    <message>
        <source>Loading default configuration file ...</source>
        <translation>Standardkonfiguration wird geladen ...</translation>
    </message>
    <message>
        <source>Initializing application ...</source>
        <translation>Programm wird vorbereitet ...</translation>
    </message>
    <message>
        <source>Initializing application ... Almost Done</source>
        <translation>Programm wird vorbereitet ... fast fertig</translation>
    </message>
    <message>
        <source>not a configuration file</source>
        <translation>keine Konfigurationsdatei</translation>
    </message>
    <message>
        <source>Loading user configuration file ...</source>
        <translation>Konfiguration des Benutzers wird geladen ...</translation>
    </message>
    <message>
        <source>%1: no such configuration file; using the default configuration</source>
        <translation>%1: keine solche Konfigurationsdatei; die Standardkonfiguration gilt</translation>
    </message>
    <message>
        <source>Configuration load error</source>
        <translation>Fehler beim Laden der Konfiguration</translation>
    </message>
    <message>
        <source>File %1 could not be found</source>
        <translation>Die Datei %1 wurde nicht gefunden</translation>
    </message>
    <message>
        <source>Using Default Configuration</source>
        <translation>Die Standardkonfiguration gilt</translation>
    </message>
    <message>
        <source>%1: cannot read the configuration (%2); using the default configuration</source>
        <translation>%1: die Konfiguration kann nicht gelesen werden (%2); die Standardkonfiguration gilt</translation>
    </message>
    <message>
        <source>Configuration Error</source>
        <translation>Konfigurationsfehler</translation>
    </message>
    <message>
        <source>Invalid Configuration File</source>
        <translation>Ungültige Konfigurationsdatei</translation>
    </message>
    <message>
        <source>Using Default Configuration File</source>
        <translation>Die Standardkonfigurationsdatei gilt</translation>
    </message>
    <message>
        <source>%1: not found; writing one with the defaults</source>
        <translation>%1: nicht gefunden; eine mit den Standardwerten wird geschrieben</translation>
    </message>
    <message>
        <source>Configuration file not found</source>
        <translation>Konfigurationsdatei nicht gefunden</translation>
    </message>
    <message>
        <source>Default configuration file not found...</source>
        <translation>Standardkonfigurationsdatei nicht gefunden ...</translation>
    </message>
    <message>
        <source>Creating Reflex.Cfg</source>
        <translation>Reflex.Cfg wird angelegt</translation>
    </message>
    <message>
        <source>The refused file was kept as %1</source>
        <translation>Die abgelehnte Datei wurde als %1 behalten</translation>
    </message>
    <message>
        <source>it could not be written</source>
        <translation>sie konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>%1: cannot read the configuration (%2); writing a new one with the defaults</source>
        <translation>%1: die Konfiguration kann nicht gelesen werden (%2); eine neue mit den Standardwerten wird geschrieben</translation>
    </message>
    <message>
        <source>%1: cannot read the configuration (%2); writing a new one with the defaults (the refused file is kept beside it as %3)</source>
        <translation>%1: die Konfiguration kann nicht gelesen werden (%2); eine neue mit den Standardwerten wird geschrieben (die abgelehnte Datei bleibt daneben als %3)</translation>
    </message>
    <message>
        <source>Invalid Default Configuration File</source>
        <translation>Ungültige Standardkonfigurationsdatei</translation>
    </message>
    <message>
        <source>Creating New Configuration File</source>
        <translation>Neue Konfigurationsdatei wird angelegt</translation>
    </message>
    <message>
        <source>%1: cannot be written; the defaults are used until the program ends</source>
        <translation>%1: kann nicht geschrieben werden; bis zum Programmende gelten die Standardwerte</translation>
    </message>
</context>
<context>
    <name>TestCore</name>
    <message>
        <source>Over write Data in Set %1 ?</source>
        <translation>Daten in Satz %1 überschreiben?</translation>
    </message>
    <message>
        <source>Start Reflex Data Collection</source>
        <translation>Reaktionsmessung starten</translation>
    </message>
    <message>
        <source>Your run has ended</source>
        <translation>Ihre Serie ist zu Ende</translation>
    </message>
    <message>
        <source>END RUN</source>
        <translation>SERIE ENDE</translation>
    </message>
</context>
<context>
    <name>XDisplay</name>
    <message>
        <source>a compositing manager</source>
        <translation>ein Compositing-Manager</translation>
    </message>
</context>
<context>
    <name>brevane::ChoiceWindow</name>
    <message>
        <source>With Sound</source>
        <translation>Mit Ton</translation>
    </message>
    <message>
        <source>No Sound</source>
        <translation>Ohne Ton</translation>
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
        <translation>Diesen Teil &amp;überspringen</translation>
    </message>
    <message>
        <source>Sa&amp;ve the result</source>
        <translation>Ergebnis s&amp;peichern</translation>
    </message>
    <message>
        <source>Brevane Machine Check</source>
        <translation>Brevane-Rechnerprüfung</translation>
    </message>
    <message>
        <source>Flashing patch</source>
        <translation>Blinkende Fläche</translation>
    </message>
    <message>
        <source>Machine check guide</source>
        <translation>Anleitung zur Rechnerprüfung</translation>
    </message>
    <message>
        <source>Machine check: what this PC adds to every time a student measures on it.

The sound card&apos;s input is the clock: it hears the screen through a photodiode, the sound through a cable from the output, and the mouse through a microphone, and the program compares what it heard with its own stamps. Three parts, each about half a minute; skip any you cannot do. Each part gives the mean, the spread (SD) and the worst of its trials.

Press Start (or Return) to begin with the screen; Esc ends the check.</source>
        <translation>Rechnerprüfung: was dieser PC zu jeder Zeit hinzufügt, die ein Studierender auf ihm misst.

Der Eingang der Soundkarte ist die Uhr: Er hört den Bildschirm über eine Fotodiode, den Ton über ein Kabel vom Ausgang und die Maus über ein Mikrofon, und das Programm vergleicht, was er gehört hat, mit seinen eigenen Zeitstempeln. Drei Teile, jeder etwa eine halbe Minute; überspringen Sie jeden, den Sie nicht machen können. Jeder Teil liefert den Mittelwert, die Streuung (SD) und den schlechtesten Wert seiner Versuche.

Drücken Sie Start (oder die Eingabetaste), um mit dem Bildschirm zu beginnen; Esc beendet die Prüfung.</translation>
    </message>
    <message>
        <source>No input to record from: %1.
Plug a cable or a microphone into the sound card&apos;s input (line-in or microphone), make it the input in the sound settings, and start the check again.</source>
        <translation>Kein Eingang zum Aufnehmen: %1.
Stecken Sie ein Kabel oder ein Mikrofon in den Eingang der Soundkarte (Line-in oder Mikrofon), wählen Sie ihn in den Toneinstellungen als Eingang und starten Sie die Prüfung erneut.</translation>
    </message>
    <message>
        <source>

Clicks: %1 of %2</source>
        <translation>

Klicks: %1 von %2</translation>
    </message>
    <message>
        <source>Screen: a photodiode held on the flashing patch.
You need a BPW34 photodiode (or any small silicon photodiode, a few euros) soldered to a 3.5 mm plug. On a line-in: the diode&apos;s anode to the tip, its cathode (the marked side) to the sleeve. On a microphone input, which feeds a few volts through the tip: the cathode to the tip, the anode to the sleeve. Set the input volume to about half.
Tape the diode flat on the middle of the patch below, the screen at the brightness the students use, the room light as in class. Press Start: the patch flashes %1 times, once a second.</source>
        <translation>Bildschirm: eine Fotodiode auf der blinkenden Fläche.
Sie brauchen eine Fotodiode BPW34 (oder eine beliebige kleine Silizium-Fotodiode, ein paar Euro), an einen 3,5-mm-Klinkenstecker gelötet. An einem Line-in: die Anode der Diode an die Spitze, ihre Kathode (die markierte Seite) an den Schaft. An einem Mikrofoneingang, der über die Spitze ein paar Volt liefert: die Kathode an die Spitze, die Anode an den Schaft. Stellen Sie die Eingangslautstärke auf etwa die Hälfte.
Kleben Sie die Diode flach auf die Mitte der Fläche unten, den Bildschirm in der Helligkeit, die die Studierenden benutzen, das Raumlicht wie im Unterricht. Drücken Sie Start: Die Fläche blinkt %1-mal, einmal pro Sekunde.</translation>
    </message>
    <message>
        <source>Sound: the output looped to the input.
Plug a cable from the headphone socket into the line-in (or hold the headset&apos;s microphone at its speaker), the volume as in class. Press Start: %1 tones, one a second.</source>
        <translation>Ton: der Ausgang zum Eingang zurückgeführt.
Stecken Sie ein Kabel von der Kopfhörerbuchse in den Line-in (oder halten Sie das Mikrofon des Headsets an seinen Lautsprecher), die Lautstärke wie im Unterricht. Drücken Sie Start: %1 Töne, einer pro Sekunde.</translation>
    </message>
    <message>
        <source>Mouse: each button&apos;s click, heard by a microphone next to the mouse.
Put the microphone within 5 cm of the mouse&apos;s buttons: sound travels about 0.03 ms a centimetre, so 5 cm add 0.15 ms to what is measured, 30 cm almost 1 ms. Keep the room quiet. Press Start, then click the left button %1 times in the grey square, about once a second. Each mouse you click is measured on its own.</source>
        <translation>Maus: der Klick jeder Taste, gehört von einem Mikrofon neben der Maus.
Legen Sie das Mikrofon höchstens 5 cm von den Maustasten entfernt hin: Schall braucht etwa 0,03 ms pro Zentimeter, 5 cm fügen dem Gemessenen also 0,15 ms hinzu, 30 cm fast 1 ms. Halten Sie den Raum ruhig. Drücken Sie Start und klicken Sie dann %1-mal mit der linken Taste in das graue Quadrat, etwa einmal pro Sekunde. Jede Maus, mit der Sie klicken, wird einzeln gemessen.</translation>
    </message>
    <message>
        <source>The machine check is done.

%1

Save keeps the result on this machine: the about box and the timing check show it, and it goes with the students&apos; files to the hand-in folder, where brevane-summary reads it.</source>
        <translation>Die Rechnerprüfung ist fertig.

%1

Speichern behält das Ergebnis auf diesem Rechner: „Über Brevane“ und die Zeitprüfung zeigen es, und es geht mit den Dateien der Studierenden in den Abgabeordner, wo brevane-summary es liest.</translation>
    </message>
    <message>
        <source>%1: skipped</source>
        <translation>%1: übersprungen</translation>
    </message>
    <message>
        <source>

Measuring...</source>
        <translation>

Wird gemessen ...</translation>
    </message>
    <message>
        <source>

Flashes: %1 of %2</source>
        <translation>

Blitze: %1 von %2</translation>
    </message>
    <message>
        <source>

Tones: %1 of %2</source>
        <translation>

Töne: %1 von %2</translation>
    </message>
    <message>
        <source>%1: mean %2 ms, SD %3 ms, worst %4 ms over %5 of %6 trials</source>
        <translation>%1: Mittelwert %2 ms, SD %3 ms, schlechtester %4 ms aus %5 von %6 Versuchen</translation>
    </message>
    <message>
        <source>%1: refused: %2</source>
        <translation>%1: abgelehnt: %2</translation>
    </message>
    <message>
        <source>&amp;Finish</source>
        <translation>&amp;Fertig</translation>
    </message>
    <message>
        <source>&amp;Next part</source>
        <translation>&amp;Nächster Teil</translation>
    </message>
    <message>
        <source>

Press %1 (Return) to go on.</source>
        <translation>

Drücken Sie %1 (Eingabetaste), um fortzufahren.</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Next part</source>
        <translation>Nächster Teil</translation>
    </message>
    <message>
        <source>Saved to %1.
For every user of this machine, copy it to /etc/xdg/Brevane/machine-check.txt (as root). Esc ends the check.</source>
        <translation>Gespeichert in %1.
Für alle Benutzer dieses Rechners kopieren Sie es (als root) nach /etc/xdg/Brevane/machine-check.txt. Esc beendet die Prüfung.</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <translation>%1 konnte nicht gespeichert werden: %2</translation>
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
        <translation>Zeiten</translation>
    </message>
    <message>
        <source>Set %1</source>
        <translation>Satz %1</translation>
    </message>
</context>
<context>
    <name>brevane::TimingCheckWindow</name>
    <message>
        <source>Brevane Timing Check</source>
        <translation>Brevane-Zeitprüfung</translation>
    </message>
    <message>
        <source>Flashing patch</source>
        <translation>Blinkende Fläche</translation>
    </message>
    <message>
        <source>Timing readout</source>
        <translation>Zeitanzeige</translation>
    </message>
    <message>
        <source>Frames: measuring...</source>
        <translation>Bilder: wird gemessen ...</translation>
    </message>
    <message>
        <source>Frames stamped at %L1 Hz (one every %L2 ms)
Frame time jitter: SD %L3 ms, worst %L4 ms, %5 late of the last %6</source>
        <translation>Bilder gestempelt mit %L1 Hz (eins alle %L2 ms)
Schwankung der Bildzeit: SD %L3 ms, höchstens %L4 ms, %5 verspätet von den letzten %6</translation>
    </message>
    <message>
        <source>
Times may be one frame long: see the guide</source>
        <translation>
Zeiten können um ein Bild zu lang sein: siehe Anleitung</translation>
    </message>
    <message>
        <source>Timing check: Esc or a click ends it
Refresh reported by the screen: %L1 Hz; the monitor&apos;s mode: %2
%3
Stamp sources: display %4, input %5, sound %6
Compositor: %7; stimulus stamps: %8%9
The patch turns every %10 frames (frame %11)
%12</source>
        <translation>Zeitprüfung: Esc oder ein Klick beendet sie
Vom Bildschirm gemeldete Bildwiederholrate: %L1 Hz; Modus des Monitors: %2
%3
Zeitstempelquellen: Anzeige %4, Eingabe %5, Ton %6
Compositor: %7; Zeitstempel der Reize: %8%9
Die Fläche wechselt alle %10 Bilder (Bild %11)
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
        <translation>Konfiguration: %1</translation>
    </message>
</context>
<context>
    <name>brevane::frmColorSelect</name>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Grau</translation>
    </message>
    <message>
        <source>Light Blue</source>
        <translation>Hellblau</translation>
    </message>
    <message>
        <source>Light Green</source>
        <translation>Hellgrün</translation>
    </message>
    <message>
        <source>Light Cyan</source>
        <translation>Hellcyan</translation>
    </message>
    <message>
        <source>Light Red</source>
        <translation>Hellrot</translation>
    </message>
    <message>
        <source>Light Magenta</source>
        <translation>Hellmagenta</translation>
    </message>
    <message>
        <source>Light Yellow</source>
        <translation>Hellgelb</translation>
    </message>
    <message>
        <source>Bright White</source>
        <translation>Reinweiß</translation>
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
        <translation>Reaktionszeiten der Klasse</translation>
    </message>
    <message>
        <source>Handed in</source>
        <translation>Abgegeben</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About Brevane</source>
        <translation>Über Brevane</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logo</translation>
    </message>
    <message>
        <source>Simple vs Complex Stimulus Reaction Timing</source>
        <translation>Einfache und Wahlreaktionszeiten messen</translation>
    </message>
    <message>
        <source>Orv Brevane 2</source>
        <translation>Orv Brevane 2</translation>
    </message>
    <message>
        <source>For Linux with X11 and Wayland</source>
        <translation>Für Linux mit X11 und Wayland</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Zeitgeber</translation>
    </message>
    <message>
        <source>Reaction timing for student laboratory courses</source>
        <translation>Reaktionszeitmessung für studentische Laborpraktika</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>Your files are kept in:</source>
        <translation>Ihre Dateien liegen in:</translation>
    </message>
    <message>
        <source>Language: English</source>
        <comment>The language this translation is: translators name their own language, in it</comment>
        <translation>Sprache: Deutsch</translation>
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
        <translation>Brevane-Einstellungen</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>Einfach</translation>
    </message>
    <message>
        <source>Simple Single Choice Settings</source>
        <translation>Einstellungen: einfache Reaktion</translation>
    </message>
    <message>
        <source>Runs Per Set</source>
        <translation>Läufe je Satz</translation>
    </message>
    <message>
        <source>Trigger On</source>
        <translation>Reizart</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>Visual</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Trigger Color</source>
        <translation>Reizfarbe</translation>
    </message>
    <message>
        <source>Color of the visual stimulus: click to choose another</source>
        <translation>Farbe des visuellen Reizes: klicken, um eine andere zu wählen</translation>
    </message>
    <message>
        <source>Interval Timing</source>
        <translation>Intervall</translation>
    </message>
    <message>
        <source>Random Interval</source>
        <translation>Zufälliges Intervall</translation>
    </message>
    <message>
        <source>Fixed Interval</source>
        <translation>Festes Intervall</translation>
    </message>
    <message>
        <source>Fixed Time Interval</source>
        <translation>Festes Zeitintervall</translation>
    </message>
    <message>
        <source>Minimum Time Interval</source>
        <translation>Kürzestes Zeitintervall</translation>
    </message>
    <message>
        <source>Color/Audio</source>
        <translation>Farbe/Ton</translation>
    </message>
    <message>
        <source>Complex Choice Color/Audio Settings</source>
        <translation>Einstellungen: Wahlreaktion Farbe/Ton</translation>
    </message>
    <message>
        <source>Display Time</source>
        <translation>Anzeigedauer</translation>
    </message>
    <message>
        <source>Color and Audio</source>
        <translation>Farbe und Ton</translation>
    </message>
    <message>
        <source>Color no Audio</source>
        <translation>Farbe ohne Ton</translation>
    </message>
    <message>
        <source>Make Sound</source>
        <translation>Ton abspielen</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Elements</source>
        <translation>Elemente</translation>
    </message>
    <message>
        <source>Elements in Set</source>
        <translation>Elemente im Satz</translation>
    </message>
    <message>
        <source>Trigger Element</source>
        <translation>Zielelement</translation>
    </message>
    <message>
        <source>Trigger Element Color</source>
        <translation>Farbe des Zielelements</translation>
    </message>
    <message>
        <source>Color of the trigger element: click to choose another</source>
        <translation>Farbe des Zielelements: klicken, um eine andere zu wählen</translation>
    </message>
    <message>
        <source>Element</source>
        <translation>Element</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Choose the color of this element</source>
        <translation>Die Farbe dieses Elements wählen</translation>
    </message>
    <message>
        <source>Element Colors</source>
        <translation>Farben der Elemente</translation>
    </message>
    <message>
        <source>Element 1 Color</source>
        <translation>Farbe Element 1</translation>
    </message>
    <message>
        <source>Color of element 1: click to choose another (grey: not in use)</source>
        <translation>Farbe von Element 1: klicken, um eine andere zu wählen (grau: nicht benutzt)</translation>
    </message>
    <message>
        <source>Element 2 Color</source>
        <translation>Farbe Element 2</translation>
    </message>
    <message>
        <source>Color of element 2: click to choose another (grey: not in use)</source>
        <translation>Farbe von Element 2: klicken, um eine andere zu wählen (grau: nicht benutzt)</translation>
    </message>
    <message>
        <source>Element 3 Color</source>
        <translation>Farbe Element 3</translation>
    </message>
    <message>
        <source>Color of element 3: click to choose another (grey: not in use)</source>
        <translation>Farbe von Element 3: klicken, um eine andere zu wählen (grau: nicht benutzt)</translation>
    </message>
    <message>
        <source>Element 4 Color</source>
        <translation>Farbe Element 4</translation>
    </message>
    <message>
        <source>Color of element 4: click to choose another (grey: not in use)</source>
        <translation>Farbe von Element 4: klicken, um eine andere zu wählen (grau: nicht benutzt)</translation>
    </message>
    <message>
        <source>Element 5 Color</source>
        <translation>Farbe Element 5</translation>
    </message>
    <message>
        <source>Color of element 5: click to choose another (grey: not in use)</source>
        <translation>Farbe von Element 5: klicken, um eine andere zu wählen (grau: nicht benutzt)</translation>
    </message>
    <message>
        <source>Element 6 Color</source>
        <translation>Farbe Element 6</translation>
    </message>
    <message>
        <source>Color of element 6: click to choose another (grey: not in use)</source>
        <translation>Farbe von Element 6: klicken, um eine andere zu wählen (grau: nicht benutzt)</translation>
    </message>
    <message>
        <source>Element 7 Color</source>
        <translation>Farbe Element 7</translation>
    </message>
    <message>
        <source>Color of element 7: click to choose another (grey: not in use)</source>
        <translation>Farbe von Element 7: klicken, um eine andere zu wählen (grau: nicht benutzt)</translation>
    </message>
    <message>
        <source>Element 8 Color</source>
        <translation>Farbe Element 8</translation>
    </message>
    <message>
        <source>Color of element 8: click to choose another (grey: not in use)</source>
        <translation>Farbe von Element 8: klicken, um eine andere zu wählen (grau: nicht benutzt)</translation>
    </message>
    <message>
        <source>Element 9 Color</source>
        <translation>Farbe Element 9</translation>
    </message>
    <message>
        <source>Color of element 9: click to choose another (grey: not in use)</source>
        <translation>Farbe von Element 9: klicken, um eine andere zu wählen (grau: nicht benutzt)</translation>
    </message>
    <message>
        <source>Element 10 Color</source>
        <translation>Farbe Element 10</translation>
    </message>
    <message>
        <source>Color of element 10: click to choose another (grey: not in use)</source>
        <translation>Farbe von Element 10: klicken, um eine andere zu wählen (grau: nicht benutzt)</translation>
    </message>
    <message>
        <source>Num/Audio</source>
        <translation>Zahl/Ton</translation>
    </message>
    <message>
        <source>Complex Choice Numbers/Audio Settings</source>
        <translation>Einstellungen: Wahlreaktion Zahl/Ton</translation>
    </message>
    <message>
        <source>Number and Audio</source>
        <translation>Zahl und Ton</translation>
    </message>
    <message>
        <source>Number no Audio</source>
        <translation>Zahl ohne Ton</translation>
    </message>
    <message>
        <source>Trigger Number</source>
        <translation>Zielzahl</translation>
    </message>
    <message>
        <source>The number of the trigger element</source>
        <translation>Die Zahl des Zielelements</translation>
    </message>
    <message>
        <source>Element Number</source>
        <translation>Zahl des Elements</translation>
    </message>
    <message>
        <source>The number of this element (0 to 99)</source>
        <translation>Die Zahl dieses Elements (0 bis 99)</translation>
    </message>
    <message>
        <source>Element Numbers</source>
        <translation>Zahlen der Elemente</translation>
    </message>
    <message>
        <source>Element 1 Number</source>
        <translation>Zahl Element 1</translation>
    </message>
    <message>
        <source>Element 2 Number</source>
        <translation>Zahl Element 2</translation>
    </message>
    <message>
        <source>Element 3 Number</source>
        <translation>Zahl Element 3</translation>
    </message>
    <message>
        <source>Element 4 Number</source>
        <translation>Zahl Element 4</translation>
    </message>
    <message>
        <source>Element 5 Number</source>
        <translation>Zahl Element 5</translation>
    </message>
    <message>
        <source>Element 6 Number</source>
        <translation>Zahl Element 6</translation>
    </message>
    <message>
        <source>Element 7 Number</source>
        <translation>Zahl Element 7</translation>
    </message>
    <message>
        <source>Element 8 Number</source>
        <translation>Zahl Element 8</translation>
    </message>
    <message>
        <source>Element 9 Number</source>
        <translation>Zahl Element 9</translation>
    </message>
    <message>
        <source>Element 10 Number</source>
        <translation>Zahl Element 10</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Lautstärke</translation>
    </message>
    <message>
        <source>Master volume of the speakers</source>
        <translation>Gesamtlautstärke der Lautsprecher</translation>
    </message>
    <message>
        <source>Volume Setting</source>
        <translation>Eingestellte Lautstärke</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Zurücksetzen</translation>
    </message>
    <message>
        <source>Back to the configuration loaded at start-up</source>
        <translation>Zurück zur beim Start geladenen Konfiguration</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Laden</translation>
    </message>
    <message>
        <source>Load a configuration file</source>
        <translation>Eine Konfigurationsdatei laden</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save the configuration to a file</source>
        <translation>Die Konfiguration in eine Datei speichern</translation>
    </message>
</context>
<context>
    <name>frmChoiceReflexDisplay</name>
    <message>
        <source>Complex Choice Color/Audio Stimulus Module Data Display</source>
        <translation>Wahlreaktion Farbe/Ton: Ergebnisse</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logo</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Set 1</source>
        <translation>Satz 1</translation>
    </message>
    <message>
        <source>Run Data</source>
        <translation>Läufe</translation>
    </message>
    <message>
        <source>Run 1</source>
        <translation>Lauf 1</translation>
    </message>
    <message>
        <source>Run 2</source>
        <translation>Lauf 2</translation>
    </message>
    <message>
        <source>Run 3</source>
        <translation>Lauf 3</translation>
    </message>
    <message>
        <source>Run 4</source>
        <translation>Lauf 4</translation>
    </message>
    <message>
        <source>Run 5</source>
        <translation>Lauf 5</translation>
    </message>
    <message>
        <source>Run 6</source>
        <translation>Lauf 6</translation>
    </message>
    <message>
        <source>Run 7</source>
        <translation>Lauf 7</translation>
    </message>
    <message>
        <source>Run 8</source>
        <translation>Lauf 8</translation>
    </message>
    <message>
        <source>Run 9</source>
        <translation>Lauf 9</translation>
    </message>
    <message>
        <source>Run 10</source>
        <translation>Lauf 10</translation>
    </message>
    <message>
        <source>Run Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Fast Time</source>
        <translation>Schnellste</translation>
    </message>
    <message>
        <source>Slow Time</source>
        <translation>Langsamste</translation>
    </message>
    <message>
        <source>Average Time</source>
        <translation>Durchschnitt</translation>
    </message>
    <message>
        <source>Outcomes</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <source>Correct Hits</source>
        <translation>Richtige Treffer</translation>
    </message>
    <message>
        <source>Correct Misses</source>
        <translation>Richtig ausgelassen</translation>
    </message>
    <message>
        <source>InCorrect Hits</source>
        <translation>Falsche Treffer</translation>
    </message>
    <message>
        <source>Missed Hits</source>
        <translation>Verpasste Treffer</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Kommentar</translation>
    </message>
    <message>
        <source>Set 2</source>
        <translation>Satz 2</translation>
    </message>
    <message>
        <source>Set 3</source>
        <translation>Satz 3</translation>
    </message>
    <message>
        <source>Set 4</source>
        <translation>Satz 4</translation>
    </message>
    <message>
        <source>Set 5</source>
        <translation>Satz 5</translation>
    </message>
    <message>
        <source>Set 6</source>
        <translation>Satz 6</translation>
    </message>
    <message>
        <source>Set 7</source>
        <translation>Satz 7</translation>
    </message>
    <message>
        <source>Set 8</source>
        <translation>Satz 8</translation>
    </message>
    <message>
        <source>Set 9</source>
        <translation>Satz 9</translation>
    </message>
    <message>
        <source>Set 10</source>
        <translation>Satz 10</translation>
    </message>
    <message>
        <source>Fastest Times</source>
        <translation>Schnellste</translation>
    </message>
    <message>
        <source>Set Data For Fastest Times</source>
        <translation>Schnellste Zeiten der Sätze</translation>
    </message>
    <message>
        <source>Slowest Times</source>
        <translation>Langsamste</translation>
    </message>
    <message>
        <source>Set Data For Slowest Times</source>
        <translation>Langsamste Zeiten der Sätze</translation>
    </message>
    <message>
        <source>Average Times</source>
        <translation>Durchschnitte</translation>
    </message>
    <message>
        <source>Set Data For Average Times</source>
        <translation>Durchschnittszeiten der Sätze</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Alles löschen</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
</context>
<context>
    <name>frmColorReflex</name>
    <message>
        <source>Complex Choice Color/Audio Stimulus Module</source>
        <translation>Wahlreaktion Farbe/Ton</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logo</translation>
    </message>
    <message>
        <source>Complex Choice Color/Audio Stimulus</source>
        <translation>Wahlreaktion Farbe/Ton</translation>
    </message>
    <message>
        <source>Trigger On</source>
        <translation>Reizart</translation>
    </message>
    <message>
        <source>Trigger Element</source>
        <translation>Zielelement</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>Press Here</source>
        <translation>Hier drücken</translation>
    </message>
    <message>
        <source>Element Display</source>
        <translation>Elementanzeige</translation>
    </message>
    <message>
        <source>Set Indicator</source>
        <translation>Satz</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Previous Time</source>
        <translation>Vorige Zeit</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Differenz</translation>
    </message>
    <message>
        <source>Average Time</source>
        <translation>Durchschnitt</translation>
    </message>
    <message>
        <source>Run Count</source>
        <translation>Läufe</translation>
    </message>
    <message>
        <source>Correct Hits</source>
        <translation>Richtige Treffer</translation>
    </message>
    <message>
        <source>Incorrect Hits</source>
        <translation>Falsche Treffer</translation>
    </message>
    <message>
        <source>Correct Misses</source>
        <translation>Richtig ausgelassen</translation>
    </message>
    <message>
        <source>Missed Hits</source>
        <translation>Verpasste Treffer</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
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
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Clear Set</source>
        <translation>Satz löschen</translation>
    </message>
    <message>
        <source>Next Set</source>
        <translation>Satz vor</translation>
    </message>
    <message>
        <source>Prev Set</source>
        <translation>Satz zurück</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
</context>
<context>
    <name>frmColorSelect</name>
    <message>
        <source>Color Selection</source>
        <translation>Farbauswahl</translation>
    </message>
    <message>
        <source>Current Color:</source>
        <translation>Jetzige Farbe:</translation>
    </message>
    <message>
        <source>Current Color</source>
        <translation>Jetzige Farbe</translation>
    </message>
    <message>
        <source>Color Selected:</source>
        <translation>Gewählte Farbe:</translation>
    </message>
    <message>
        <source>Color Selected</source>
        <translation>Gewählte Farbe</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>Aus&amp;wählen</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>frmDisplay</name>
    <message>
        <source>Simple Choice Stimulus Module Data Display</source>
        <translation>Einfache Reaktion: Ergebnisse</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logo</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Set 1</source>
        <translation>Satz 1</translation>
    </message>
    <message>
        <source>Run Data</source>
        <translation>Läufe</translation>
    </message>
    <message>
        <source>Run 1</source>
        <translation>Lauf 1</translation>
    </message>
    <message>
        <source>Run 2</source>
        <translation>Lauf 2</translation>
    </message>
    <message>
        <source>Run 3</source>
        <translation>Lauf 3</translation>
    </message>
    <message>
        <source>Run 4</source>
        <translation>Lauf 4</translation>
    </message>
    <message>
        <source>Run 5</source>
        <translation>Lauf 5</translation>
    </message>
    <message>
        <source>Run 6</source>
        <translation>Lauf 6</translation>
    </message>
    <message>
        <source>Run 7</source>
        <translation>Lauf 7</translation>
    </message>
    <message>
        <source>Run 8</source>
        <translation>Lauf 8</translation>
    </message>
    <message>
        <source>Run 9</source>
        <translation>Lauf 9</translation>
    </message>
    <message>
        <source>Run 10</source>
        <translation>Lauf 10</translation>
    </message>
    <message>
        <source>Run Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Fast Time</source>
        <translation>Schnellste</translation>
    </message>
    <message>
        <source>Slow Time</source>
        <translation>Langsamste</translation>
    </message>
    <message>
        <source>Average Time</source>
        <translation>Durchschnitt</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Kommentar</translation>
    </message>
    <message>
        <source>Set 2</source>
        <translation>Satz 2</translation>
    </message>
    <message>
        <source>Set 3</source>
        <translation>Satz 3</translation>
    </message>
    <message>
        <source>Set 4</source>
        <translation>Satz 4</translation>
    </message>
    <message>
        <source>Set 5</source>
        <translation>Satz 5</translation>
    </message>
    <message>
        <source>Set 6</source>
        <translation>Satz 6</translation>
    </message>
    <message>
        <source>Set 7</source>
        <translation>Satz 7</translation>
    </message>
    <message>
        <source>Set 8</source>
        <translation>Satz 8</translation>
    </message>
    <message>
        <source>Set 9</source>
        <translation>Satz 9</translation>
    </message>
    <message>
        <source>Set 10</source>
        <translation>Satz 10</translation>
    </message>
    <message>
        <source>Fastest Times</source>
        <translation>Schnellste</translation>
    </message>
    <message>
        <source>Set Data For Fastest Times</source>
        <translation>Schnellste Zeiten der Sätze</translation>
    </message>
    <message>
        <source>Slowest Times</source>
        <translation>Langsamste</translation>
    </message>
    <message>
        <source>Set Data For Slowest Times</source>
        <translation>Langsamste Zeiten der Sätze</translation>
    </message>
    <message>
        <source>Average Times</source>
        <translation>Durchschnitte</translation>
    </message>
    <message>
        <source>Set Data For Average Times</source>
        <translation>Durchschnittszeiten der Sätze</translation>
    </message>
    <message>
        <source>All Data</source>
        <translation>Alle Daten</translation>
    </message>
    <message>
        <source>Data Only Displayed On The Graph</source>
        <translation>Daten nur im Diagramm gezeigt</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Alles löschen</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
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
        <translation>Ergebnisse werden geladen, bitte warten ...</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Simple vs Complex Stimulus Reaction Timing</source>
        <translation>Einfache und Wahlreaktionszeiten messen</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>Einfach</translation>
    </message>
    <message>
        <source>Simple Single Stimulus Module</source>
        <translation>Einfache Reaktion auf einen Reiz</translation>
    </message>
    <message>
        <source>Color/Audio</source>
        <translation>Farbe/Ton</translation>
    </message>
    <message>
        <source>Complex Color/Audio Stimulus Module</source>
        <translation>Wahlreaktion auf Farbe und Ton</translation>
    </message>
    <message>
        <source>Num/Audio</source>
        <translation>Zahl/Ton</translation>
    </message>
    <message>
        <source>Complex Number/Audio Stimulus Module</source>
        <translation>Wahlreaktion auf Zahl und Ton</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Edit Brev Settings</source>
        <translation>Brevane-Einstellungen bearbeiten</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>Daten löschen</translation>
    </message>
    <message>
        <source>Clear All Data Sets</source>
        <translation>Alle Sätze löschen</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Recover Data after a system crash</source>
        <translation>Daten nach einem Absturz wiederherstellen</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Display About box</source>
        <translation>Informationen über das Programm</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Quit Brev</source>
        <translation>Brevane beenden</translation>
    </message>
    <message>
        <source>Are you sure you want to DELETE ALL DATA ?</source>
        <translation>Wollen Sie wirklich ALLE DATEN LÖSCHEN?</translation>
    </message>
    <message>
        <source>Delete All Data</source>
        <translation>Alle Daten löschen</translation>
    </message>
    <message>
        <source>Are you sure you want to exit?</source>
        <translation>Wollen Sie das Programm wirklich beenden?</translation>
    </message>
    <message>
        <source>Data NOT saved!<byte value="xd"/></source>
        <translation>Daten NICHT gespeichert!<byte value="xd"/></translation>
    </message>
    <message>
        <source>Exit Orv Brevane 2</source>
        <translation>Orv Brevane 2 beenden</translation>
    </message>
</context>
<context>
    <name>frmNumberReflex</name>
    <message>
        <source>Complex Choice Number/Audio Stimulus Module</source>
        <translation>Wahlreaktion Zahl/Ton</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logo</translation>
    </message>
    <message>
        <source>Complex Choice Number/Audio Stimulus</source>
        <translation>Wahlreaktion Zahl/Ton</translation>
    </message>
    <message>
        <source>Trigger On</source>
        <translation>Reizart</translation>
    </message>
    <message>
        <source>Trigger Element</source>
        <translation>Zielelement</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>Press Here</source>
        <translation>Hier drücken</translation>
    </message>
    <message>
        <source>Element Display</source>
        <translation>Elementanzeige</translation>
    </message>
    <message>
        <source>Set Indicator</source>
        <translation>Satz</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Previous Time</source>
        <translation>Vorige Zeit</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Differenz</translation>
    </message>
    <message>
        <source>Average Time</source>
        <translation>Durchschnitt</translation>
    </message>
    <message>
        <source>Run Count</source>
        <translation>Läufe</translation>
    </message>
    <message>
        <source>Correct Hits</source>
        <translation>Richtige Treffer</translation>
    </message>
    <message>
        <source>Incorrect Hits</source>
        <translation>Falsche Treffer</translation>
    </message>
    <message>
        <source>Correct Misses</source>
        <translation>Richtig ausgelassen</translation>
    </message>
    <message>
        <source>Missed Hits</source>
        <translation>Verpasste Treffer</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
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
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Clear Set</source>
        <translation>Satz löschen</translation>
    </message>
    <message>
        <source>Next Set</source>
        <translation>Satz vor</translation>
    </message>
    <message>
        <source>Prev Set</source>
        <translation>Satz zurück</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
</context>
<context>
    <name>frmPrint</name>
    <message>
        <source>Print Data</source>
        <translation>Daten drucken</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Titel:</translation>
    </message>
    <message>
        <source>Select Sets To Print</source>
        <translation>Zu druckende Sätze wählen</translation>
    </message>
    <message>
        <source>Set 1</source>
        <translation>Satz 1</translation>
    </message>
    <message>
        <source>Set 2</source>
        <translation>Satz 2</translation>
    </message>
    <message>
        <source>Set 3</source>
        <translation>Satz 3</translation>
    </message>
    <message>
        <source>Set 4</source>
        <translation>Satz 4</translation>
    </message>
    <message>
        <source>Set 5</source>
        <translation>Satz 5</translation>
    </message>
    <message>
        <source>Set 6</source>
        <translation>Satz 6</translation>
    </message>
    <message>
        <source>Set 7</source>
        <translation>Satz 7</translation>
    </message>
    <message>
        <source>Set 8</source>
        <translation>Satz 8</translation>
    </message>
    <message>
        <source>Set 9</source>
        <translation>Satz 9</translation>
    </message>
    <message>
        <source>Set 10</source>
        <translation>Satz 10</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alle wählen</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Einrichten</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>UnSelectAll</source>
        <translation>Keinen wählen</translation>
    </message>
    <message>
        <source>SelectAll</source>
        <translation>Alle wählen</translation>
    </message>
    <message>
        <source>You must select atleast ONE set to Print</source>
        <translation>Wählen Sie mindestens EINEN Satz zum Drucken</translation>
    </message>
    <message>
        <source>Printing Error</source>
        <translation>Druckfehler</translation>
    </message>
</context>
<context>
    <name>frmReflex</name>
    <message>
        <source>Simple Choice Stimulus Module</source>
        <translation>Einfache Reaktion</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logo</translation>
    </message>
    <message>
        <source>Simple Choice Stimulus</source>
        <translation>Einfache Reaktion</translation>
    </message>
    <message>
        <source>           Visual Trigger</source>
        <translation>           Visueller Reiz</translation>
    </message>
    <message>
        <source>Press Here</source>
        <translation>Hier drücken</translation>
    </message>
    <message>
        <source>Stimulus</source>
        <translation>Reiz</translation>
    </message>
    <message>
        <source>Speaker</source>
        <translation>Lautsprecher</translation>
    </message>
    <message>
        <source>Set Indicator</source>
        <translation>Satz</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Satz</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Previous Time</source>
        <translation>Vorige Zeit</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Differenz</translation>
    </message>
    <message>
        <source>Average Time</source>
        <translation>Durchschnitt</translation>
    </message>
    <message>
        <source>Run Count</source>
        <translation>Läufe</translation>
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
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Clear Set</source>
        <translation>Satz löschen</translation>
    </message>
    <message>
        <source>Next Set</source>
        <translation>Satz vor</translation>
    </message>
    <message>
        <source>Prev Set</source>
        <translation>Satz zurück</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
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
        <translation>Einfache und Wahlreaktionszeiten messen</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>there is no translation for &quot;%1&quot;; the program is shown in English</source>
        <translation>für „%1“ gibt es keine Übersetzung; das Programm wird auf Englisch gezeigt</translation>
    </message>
</context>
<context>
    <name>summary</name>
    <message>
        <source>The class summary of reaction-time files (recover.dat, .nrm and .col files, or folders of them):
sets.csv, students.csv, class.csv, class-notes.txt, class-chart.pdf and class-chart.png.</source>
        <translation>Die Klassenübersicht über Reaktionszeitdateien (recover.dat-, .nrm- und .col-Dateien oder Ordner davon):
sets.csv, students.csv, class.csv, class-notes.txt, class-chart.pdf und class-chart.png.</translation>
    </message>
    <message>
        <source>Write into &lt;folder&gt; (default: the current folder).</source>
        <translation>In &lt;Ordner&gt; schreiben (Vorgabe: der aktuelle Ordner).</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>The .col files are the colour test&apos;s.</source>
        <translation>Die .col-Dateien sind die des Farbtests.</translation>
    </message>
    <message>
        <source>The .col files are the number test&apos;s.</source>
        <translation>Die .col-Dateien sind die des Zahlentests.</translation>
    </message>
    <message>
        <source>Name each student after their folder or their files&apos; names.</source>
        <translation>Jeden Studierenden nach seinem Ordner oder den Namen seiner Dateien benennen.</translation>
    </message>
    <message>
        <source>Start each CSV file with a UTF-8 mark.</source>
        <translation>Jede CSV-Datei mit einer UTF-8-Marke beginnen.</translation>
    </message>
    <message>
        <source>Write again whenever a file changes, until stopped.</source>
        <translation>Bei jeder Änderung einer Datei neu schreiben, bis zum Abbruch.</translation>
    </message>
    <message>
        <source>As --watch, with the chart in a window.</source>
        <translation>Wie --watch, mit dem Diagramm in einem Fenster.</translation>
    </message>
    <message>
        <source>Data files and folders.</source>
        <translation>Datendateien und Ordner.</translation>
    </message>
    <message>
        <source>path...</source>
        <translation>Pfad ...</translation>
    </message>
    <message>
        <source>--colour and --number exclude each other: summarise each test&apos;s .col files apart</source>
        <translation>--colour und --number schließen einander aus: fassen Sie die .col-Dateien jedes Tests getrennt zusammen</translation>
    </message>
    <message>
        <source>--student-from takes folder or name, not %1</source>
        <translation>--student-from nimmt folder oder name, nicht %1</translation>
    </message>
    <message>
        <source>no file could be read; nothing written</source>
        <translation>keine Datei konnte gelesen werden; nichts geschrieben</translation>
    </message>
    <message>
        <source>Count a folder&apos;s files as its owners handed them in (yes), or by their names (no); by default the owners decide in a hand-in folder, one that others may enter but not list.</source>
        <translation>Die Dateien eines Ordners so zählen, wie ihre Besitzer sie abgegeben haben (yes), oder nach ihren Namen (no); standardmäßig entscheiden die Besitzer in einem Abgabeordner, den andere betreten, aber nicht auflisten dürfen.</translation>
    </message>
    <message>
        <source>Say whether the hand-in folder &lt;folder&gt; is set up as one of the guide&apos;s recipes, and what is wrong; nothing is summarised.</source>
        <translation>Angeben, ob der Abgabeordner &lt;Ordner&gt; nach einem der Rezepte der Anleitung eingerichtet ist und was daran falsch ist; nichts wird zusammengefasst.</translation>
    </message>
    <message>
        <source>--owners takes yes or no, not %1</source>
        <translation>--owners nimmt yes oder no, nicht %1</translation>
    </message>
</context>
</TS>
