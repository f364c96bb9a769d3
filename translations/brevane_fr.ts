<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>ClassChart</name>
    <message>
        <source>Class reaction times: simple against choice</source>
        <translation>Temps de réaction de la classe&#xa0;: simple contre choix</translation>
    </message>
    <message>
        <source>One dot for each student&apos;s mean reaction time (%1): the mean of their set means, in whole ms as stored. Box: lower to upper quartile; thick line: median; whiskers: the furthest means within 1.5 box lengths.</source>
        <translation>Un point par temps de réaction moyen d&apos;un étudiant (%1)&#xa0;: la moyenne de ses moyennes de bloc, en ms entières telles qu&apos;enregistrées. Boîte&#xa0;: du quartile inférieur au quartile supérieur&#xa0;; trait épais&#xa0;: médiane&#xa0;; moustaches&#xa0;: les moyennes les plus éloignées à moins de 1,5 longueur de boîte.</translation>
    </message>
    <message numerus="yes">
        <source>%n student(s)</source>
        <translation>
            <numerusform>%n étudiant</numerusform>
            <numerusform>%n étudiants</numerusform>
        </translation>
    </message>
    <message>
        <source>No reaction times in the files read</source>
        <translation>Aucun temps de réaction dans les fichiers lus</translation>
    </message>
    <message>
        <source>n = %1, mean %2 ms</source>
        <translation>n = %1, moyenne %2 ms</translation>
    </message>
    <message>
        <source>%1 − simple: %2 ms (95 % CI %3 to %4, %5 students)</source>
        <translation>%1 − simple&#xa0;: %2 ms (IC à 95 % de %3 à %4, %5 étudiants)</translation>
    </message>
    <message>
        <source>Class reaction times</source>
        <translation>Temps de réaction de la classe</translation>
    </message>
    <message>
        <source>Bars beside each box: every run that counts (%1 runs; class-notes.txt says which), as shares of the test&apos;s runs in bins of %2 ms.</source>
        <translation>Barres à côté de chaque boîte&#xa0;: chaque essai qui compte (%1 essais&#xa0;; class-notes.txt dit lesquels), en parts des essais du test par classes de %2 ms.</translation>
    </message>
    <message>
        <source>reaction time (ms)</source>
        <translation>temps de réaction (ms)</translation>
    </message>
</context>
<context>
    <name>ClassFiles</name>
    <message>
        <source>not a recover.dat, .nrm or .col file</source>
        <translation>pas un fichier recover.dat, .nrm ou .col</translation>
    </message>
    <message>
        <source>left out %1: a shared account&apos;s recover.dat holds whoever ran last</source>
        <translation>%1 écarté&#xa0;: le recover.dat d&apos;un compte partagé ne contient que le dernier à avoir passé le test</translation>
    </message>
    <message>
        <source>a named pipe (FIFO), not read</source>
        <translation>un tube nommé (FIFO), non lu</translation>
    </message>
    <message>
        <source>a socket, not read</source>
        <translation>un socket, non lu</translation>
    </message>
    <message>
        <source>a device, not read</source>
        <translation>un périphérique, non lu</translation>
    </message>
    <message>
        <source>a link, not followed in a hand-in folder</source>
        <translation>un lien, non suivi dans un dossier de dépôt</translation>
    </message>
    <message>
        <source>handed in by user %1 beside the students&apos; folders, not in one</source>
        <translation>déposé par l&apos;utilisateur %1 à côté des dossiers des étudiants, pas dans l&apos;un d&apos;eux</translation>
    </message>
    <message>
        <source>no user %1 on this machine; the folder is left out</source>
        <translation>aucun utilisateur %1 sur cette machine&#xa0;; le dossier est écarté</translation>
    </message>
    <message>
        <source>the folder belongs to user %1, not %2; its files are left out</source>
        <translation>le dossier appartient à l&apos;utilisateur %1, pas à %2&#xa0;; ses fichiers sont écartés</translation>
    </message>
    <message>
        <source>a folder within a student&apos;s folder, not read</source>
        <translation>un dossier dans le dossier d&apos;un étudiant, non lu</translation>
    </message>
    <message>
        <source>handed in by user %1, not %2</source>
        <translation>déposé par l&apos;utilisateur %1, pas par %2</translation>
    </message>
    <message>
        <source>in a folder of user %1, not %2</source>
        <translation>dans un dossier de l&apos;utilisateur %1, pas de %2</translation>
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
        <translation>Les machines

Chaque temps enregistré inclut ce qu&apos;ajoute la machine sur laquelle il a été mesuré&#xa0;: la latence de l&apos;écran
(les stimuli de couleur) ou de la sortie son (les sons), et celle de la souris (son interrogation, son anti-rebond,
le trajet de l&apos;entrée). Le contrôle de la machine (brevane --check-machine) les a mesurées sur chaque machine
ci-dessous avec une photodiode, un câble de bouclage et un microphone via la carte son&#xa0;; le temps de réaction
d&apos;un étudiant est à peu près le temps enregistré moins la latence de la partie stimulus et celle de la souris.
Sur une même machine, elles ne changent pas une différence entre tests (choix moins simple), donc les intervalles
de confiance appariés de class.csv restent valables&#xa0;; les temps de machines aux latences différentes sont plus longs
ou plus courts de cette différence. sets.csv et students.csv se terminent par la machine de chaque fichier et ses latences.

</translation>
    </message>
    <message>
        <source>%1 (checked %2; %3; files: %4): %5
</source>
        <translation>%1 (contrôlée %2&#xa0;; %3&#xa0;; fichiers&#xa0;: %4)&#xa0;: %5
</translation>
    </message>
    <message>
        <source>mode not known</source>
        <translation>mode inconnu</translation>
    </message>
    <message>
        <source>Screen and mouse together add %1 to %2 ms on these machines: a visual time measured on
one may differ from another&apos;s by up to %3 ms from the machines alone.
</source>
        <translation>Écran et souris ajoutent ensemble %1 à %2 ms sur ces machines&#xa0;: un temps visuel mesuré sur l&apos;une
peut différer de celui d&apos;une autre de %3 ms au plus, du seul fait des machines.
</translation>
    </message>
</context>
<context>
    <name>ClassRun</name>
    <message>
        <source>skipped %1: %2</source>
        <translation>%1 ignoré&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 is a copy of %2: read once</source>
        <translation>%1 est une copie de %2&#xa0;: lu une fois</translation>
    </message>
    <message>
        <source>%1 of %2 files read</source>
        <translation>%1 fichiers lus sur %2</translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>impossible de créer le dossier %1</translation>
    </message>
    <message>
        <source>could not write %1: %2</source>
        <translation>impossible d&apos;écrire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 read</source>
        <translation>lecture de %1</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n fichier</numerusform>
            <numerusform>%n fichiers</numerusform>
        </translation>
    </message>
    <message>
        <source> (and %1 read once)</source>
        <translation> (et %1, lecture unique)</translation>
    </message>
    <message numerus="yes">
        <source>%n copy(ies)</source>
        <translation>
            <numerusform>%n copie</numerusform>
            <numerusform>%n copies</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2 skipped; %3 (%4 by folder, %5 by file name); tests: %6</source>
        <translation>%1, ignorés&#xa0;: %2&#xa0;; %3 (%4 par dossier, %5 par nom de fichier)&#xa0;; tests&#xa0;: %6</translation>
    </message>
    <message numerus="yes">
        <source>%n student(s)</source>
        <translation>
            <numerusform>%n étudiant</numerusform>
            <numerusform>%n étudiants</numerusform>
        </translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
</context>
<context>
    <name>ClassSummary</name>
    <message>
        <source>.%1 file</source>
        <translation>fichier .%1</translation>
    </message>
    <message>
        <source>it has %1 lines; a %2 has %3</source>
        <translation>il a %1 lignes&#xa0;; un %2 en a %3</translation>
    </message>
    <message>
        <source>line %1 is not what a %2 holds there</source>
        <translation>la ligne %1 n&apos;est pas ce qu&apos;un %2 contient à cet endroit</translation>
    </message>
    <message>
        <source>it has more than the %1 lines of a %2</source>
        <translation>il a plus que les %1 lignes d&apos;un %2</translation>
    </message>
    <message>
        <source>%1: %2 holds %3 sets that %4 holds too; each taken once</source>
        <translation>%1&#xa0;: %2 contient des blocs du test %3 que %4 contient aussi&#xa0;; chacun pris une fois</translation>
    </message>
    <message>
        <source>%1 has two different %2 files, %3 and %4: both kept as separate sets</source>
        <translation>%1 a deux fichiers différents du test %2, %3 et %4&#xa0;: tous deux gardés comme blocs distincts</translation>
    </message>
    <message>
        <source>%1 handed in</source>
        <translation>dépôts&#xa0;: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n student(s)</source>
        <translation>
            <numerusform>%n étudiant</numerusform>
            <numerusform>%n étudiants</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>cannot create or enter the folder %1; files are kept in %2</source>
        <translation>impossible de créer le dossier %1 ou d&apos;y entrer&#xa0;; les fichiers sont conservés dans %2</translation>
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
        <translation>Usage&#xa0;: %1 [--user-folder] [--hand-in DOSSIER] [--unlock] [--language CODE]
           [FICHIER-DE-CONFIGURATION]
        %1 --timing-check | --check-machine | --version | --help

Temps de réaction, stimulus simple ou complexe&#xa0;: les temps de réaction d&apos;un
étudiant à un son, à un changement de couleur ou aux deux, dans un test de
réaction simple et deux tests de réaction de choix.

  FICHIER-DE-CONFIGURATION
                      la configuration à utiliser au lieu de %2&#xa0;; un nom
                      relatif est pris dans le dossier où les fichiers sont
                      conservés
  --user-folder       conserver les fichiers dans le dossier de l&apos;utilisateur,
                      créé s&apos;il manque&#xa0;:
                      %3
                      (l&apos;entrée du menu du bureau lance le programme ainsi)
  --hand-in DOSSIER   déposer aussi chaque fichier .nrm et .col enregistré et
                      chaque recover.dat dans DOSSIER/&lt;identifiant&gt;/, pour
                      l&apos;enseignant (réglable pour tous les utilisateurs dans
                      /etc/xdg/Brevane/Brevane.conf&#xa0;; man brevane)
  --unlock            là où le laboratoire verrouille les paramètres, laisser
                      un membre du groupe des enseignants du laboratoire les
                      modifier pendant cette session
  --timing-check      afficher une zone clignotante pour une photodiode ou une
                      caméra, avec la fréquence de rafraîchissement, la gigue
                      des temps d&apos;image et les sources d&apos;horodatage utilisées
                      (Échap ou un clic y met fin)
  --check-machine     contrôler ce PC de bout en bout par l&apos;entrée de sa carte
                      son&#xa0;: l&apos;écran par une photodiode, le son par un câble
                      depuis la sortie, la souris par son clic&#xa0;; conserve les
                      latences pour la fenêtre «&#xa0;À propos&#xa0;» et la synthèse de
                      la classe (docs/guide.md)
  --language CODE     afficher le programme dans cette langue (de, ja, ar...&#xa0;;
                      en anglais s&apos;il n&apos;a pas de traduction) au lieu de celle
                      du système ou de celle réglée dans Brevane.conf
  --version           afficher la version et terminer
  --help              afficher ce texte et terminer

Les fichiers sont conservés dans le répertoire courant ou, avec --user-folder,
dans le dossier ci-dessus&#xa0;: %2 (la configuration, écrite avec les valeurs par
défaut si elle manque) et recover.dat (les blocs de chaque test, réécrits à la
fin de chaque série&#xa0;; Récupérer, dans le menu principal, les relit). Les boîtes
de dialogue de fichiers s&apos;ouvrent là&#xa0;; les fichiers de résultats (.nrm, .col)
vont là où vous les enregistrez.
</translation>
    </message>
</context>
<context>
    <name>DisplayStamps</name>
    <message>
        <source>; times may be one frame long: see the guide</source>
        <translation>&#xa0;; les temps peuvent être trop longs d&apos;une image&#xa0;: voir le guide</translation>
    </message>
    <message>
        <source>The window system does not say when a frame is shown</source>
        <translation>Le système de fenêtres n&apos;indique pas quand une image est affichée</translation>
    </message>
    <message>
        <source>The X server does not say when a frame is shown</source>
        <translation>Le serveur X n&apos;indique pas quand une image est affichée</translation>
    </message>
    <message>
        <source>XWayland shows the window through the Wayland compositor</source>
        <translation>XWayland affiche la fenêtre via le compositeur Wayland</translation>
    </message>
    <message>
        <source>Some stimuli were stamped by %1</source>
        <translation>Certains stimuli ont été horodatés par %1</translation>
    </message>
    <message>
        <source>the display&apos;s refresh</source>
        <translation>le rafraîchissement de l&apos;écran</translation>
    </message>
    <message>
        <source>the X server&apos;s refresh, not the pixel&apos;s</source>
        <translation>le rafraîchissement du serveur X, pas celui du pixel</translation>
    </message>
    <message>
        <source>the compositor&apos;s frame timings</source>
        <translation>les temps d&apos;image du compositeur</translation>
    </message>
    <message>
        <source>the screen read back</source>
        <translation>l&apos;écran relu</translation>
    </message>
    <message>
        <source>the Wayland compositor&apos;s report of the frame</source>
        <translation>le rapport d&apos;image du compositeur Wayland</translation>
    </message>
    <message>
        <source>the hand-over to the X server</source>
        <translation>la remise au serveur X</translation>
    </message>
    <message>
        <source>the clock after a repaint</source>
        <translation>l&apos;horloge après un réaffichage</translation>
    </message>
    <message>
        <source>%1 (exact)</source>
        <translation>%1 (exact)</translation>
    </message>
    <message>
        <source>%1 (estimated)</source>
        <translation>%1 (estimé)</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source>%1 Hz</source>
        <translation>%1 Hz</translation>
    </message>
    <message>
        <source>not reported (a virtual screen)</source>
        <translation>non indiqué (un écran virtuel)</translation>
    </message>
    <message>
        <source>The Wayland compositor estimates when a frame is shown; times may be one frame long: see the guide</source>
        <translation>Le compositeur Wayland estime quand une image est affichée&#xa0;; les temps peuvent être trop longs d&apos;une image&#xa0;: voir le guide</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>Reflex Data Files (*.nrm)|*.nrm</source>
        <translation>Fichiers de données de réaction (*.nrm)|*.nrm</translation>
    </message>
    <message>
        <source>Reflex Data Files (*.col)|*.col</source>
        <translation>Fichiers de données de réaction (*.col)|*.col</translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
        File already exisits. Do you want to overwrite?</source>
        <translation><byte value="xd"/>
<byte value="xd"/>
        Le fichier existe déjà. Voulez-vous l&apos;écraser&#xa0;?</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Enregistrer le fichier</translation>
    </message>
    <message>
        <source>Save File Error</source>
        <translation>Erreur d&apos;enregistrement</translation>
    </message>
    <message>
        <source>Save Cancelled</source>
        <translation>Enregistrement annulé</translation>
    </message>
    <message>
        <source>Load File Error</source>
        <translation>Erreur de chargement</translation>
    </message>
    <message>
        <source>Load Cancelled</source>
        <translation>Chargement annulé</translation>
    </message>
    <message>
        <source>Export to CSV</source>
        <translation>Exporter en CSV</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)|*.csv</source>
        <translation>Fichiers CSV (*.csv)|*.csv</translation>
    </message>
</context>
<context>
    <name>FileRead</name>
    <message>
        <source>%1 is a folder, not a file.</source>
        <translation>%1 est un dossier, pas un fichier.</translation>
    </message>
    <message>
        <source>%1 holds %2 MB, far more than any file of this program; it was not read.</source>
        <translation>%1 fait %2 Mo, bien plus que tout fichier de ce programme&#xa0;; il n&apos;a pas été lu.</translation>
    </message>
    <message>
        <source>%1 is far larger than any file of this program; it was not read.</source>
        <translation>%1 est bien plus grand que tout fichier de ce programme&#xa0;; il n&apos;a pas été lu.</translation>
    </message>
</context>
<context>
    <name>HandIn</name>
    <message>
        <source>Hand-in</source>
        <translation>Dépôt</translation>
    </message>
    <message>
        <source>the hand-in folder is missing</source>
        <translation>le dossier de dépôt est absent</translation>
    </message>
    <message>
        <source>Not handed in to %1: %2.
Your file is saved on this computer; it is handed in at your next save.</source>
        <translation>Non déposé dans %1&#xa0;: %2.
Votre fichier est enregistré sur cet ordinateur&#xa0;; il sera déposé lors de votre prochain enregistrement.</translation>
    </message>
    <message>
        <source>the hand-in folder is still not answering</source>
        <translation>le dossier de dépôt ne répond toujours pas</translation>
    </message>
    <message>
        <source>the hand-in folder did not answer</source>
        <translation>le dossier de dépôt n&apos;a pas répondu</translation>
    </message>
    <message>
        <source>the folder %1 in the hand-in folder is a link, not a folder</source>
        <translation>le dossier %1 du dossier de dépôt est un lien, pas un dossier</translation>
    </message>
    <message>
        <source>%1 in the hand-in folder is not a folder</source>
        <translation>%1 dans le dossier de dépôt n&apos;est pas un dossier</translation>
    </message>
    <message>
        <source>the folder %1 in the hand-in folder belongs to another user</source>
        <translation>le dossier %1 du dossier de dépôt appartient à un autre utilisateur</translation>
    </message>
</context>
<context>
    <name>HandoutPage</name>
    <message>
        <source>beyond your median ± 3 scaled MADs of the test</source>
        <translation>au-delà de votre médiane ± 3 MAD normalisés du test</translation>
    </message>
    <message>
        <source>beyond your mean ± 3 SD of the test</source>
        <translation>au-delà de votre moyenne ± 3 écarts-types du test</translation>
    </message>
    <message>
        <source>none cut here</source>
        <translation>aucune exclue ici</translation>
    </message>
    <message>
        <source>Reaction times of %1</source>
        <translation>Temps de réaction de %1</translation>
    </message>
    <message>
        <source>Your times beside your class&apos;s (%1 students), in whole milliseconds as stored.</source>
        <translation>Vos temps à côté de ceux de votre classe (%1 étudiants), en millisecondes entières telles qu&apos;enregistrées.</translation>
    </message>
    <message>
        <source>test</source>
        <translation>test</translation>
    </message>
    <message>
        <source>sets</source>
        <translation>blocs</translation>
    </message>
    <message>
        <source>runs that count</source>
        <translation>essais qui comptent</translation>
    </message>
    <message>
        <source>mean</source>
        <translation>moyenne</translation>
    </message>
    <message>
        <source>median</source>
        <translation>médiane</translation>
    </message>
    <message>
        <source>anticipations</source>
        <translation>anticipations</translation>
    </message>
    <message>
        <source>lapses</source>
        <translation>réponses tardives</translation>
    </message>
    <message>
        <source>outliers</source>
        <translation>valeurs aberrantes</translation>
    </message>
    <message>
        <source>Runs that count: all but missed hits, anticipations (under %1 ms), lapses (over %2 ms) and outliers (%3). mean: the mean of your set means, every time as stored. median, μ, σ, τ: your runs but missed hits, anticipations and lapses; μ, σ, τ: the ex-Gaussian fitted to them, a normal part (μ, σ) plus an exponential part of mean τ, the slow tail; from %4 runs on.</source>
        <translation>Essais qui comptent&#xa0;: tous sauf les cibles manquées, les anticipations (moins de %1 ms), les réponses tardives (plus de %2 ms) et les valeurs aberrantes (%3). Moyenne&#xa0;: la moyenne de vos moyennes de bloc, chaque temps tel qu&apos;enregistré. Médiane, μ, σ, τ&#xa0;: vos essais sauf les cibles manquées, les anticipations et les réponses tardives&#xa0;; μ, σ, τ&#xa0;: la loi ex-gaussienne ajustée à ces essais, une partie normale (μ, σ) plus une partie exponentielle de moyenne τ, la queue lente&#xa0;; à partir de %4 essais.</translation>
    </message>
    <message>
        <source>Grey: the class&apos;s runs that count; outlined: yours, each as shares of its runs. Ticks: the class&apos;s means; the dot: yours.</source>
        <translation>Gris&#xa0;: les essais qui comptent de la classe&#xa0;; contour&#xa0;: les vôtres, chacun en parts de ses essais. Traits&#xa0;: les moyennes de la classe&#xa0;; le point&#xa0;: la vôtre.</translation>
    </message>
    <message>
        <source>No mean: none of your runs is a reaction time.</source>
        <translation>Pas de moyenne&#xa0;: aucun de vos essais n&apos;est un temps de réaction.</translation>
    </message>
    <message>
        <source>Your mean, %1 ms; nobody else took this test.</source>
        <translation>Votre moyenne, %1 ms&#xa0;; personne d&apos;autre n&apos;a passé ce test.</translation>
    </message>
    <message>
        <source>Your mean, %1 ms: of the %2 others, %3 faster, %4 slower.</source>
        <translation>Votre moyenne, %1 ms&#xa0;: sur les %2 autres, %3 plus rapides, %4 plus lents.</translation>
    </message>
</context>
<context>
    <name>Handouts</name>
    <message>
        <source>Reaction times: a page for each student</source>
        <translation>Temps de réaction&#xa0;: une page par étudiant</translation>
    </message>
</context>
<context>
    <name>Lab</name>
    <message>
        <source>The settings are locked by the lab (LockSettings in %1).</source>
        <translation>Les paramètres sont verrouillés par le laboratoire (LockSettings dans %1).</translation>
    </message>
    <message>
        <source>Nobody may unlock the settings here: %1 names no group of teachers (Teachers in its [Lab] section).</source>
        <translation>Personne ne peut déverrouiller les paramètres ici&#xa0;: %1 ne nomme aucun groupe d&apos;enseignants (Teachers dans sa section [Lab]).</translation>
    </message>
    <message>
        <source>The settings are locked by the lab (LockSettings in %1); a member of the group %2 may change them by starting the program with --unlock.</source>
        <translation>Les paramètres sont verrouillés par le laboratoire (LockSettings dans %1)&#xa0;; un membre du groupe %2 peut les modifier en lançant le programme avec --unlock.</translation>
    </message>
    <message>
        <source>Only a member of the group %1 may unlock the settings with --unlock, which %2 is not; the settings stay locked.</source>
        <translation>Seul un membre du groupe %1 peut déverrouiller les paramètres avec --unlock, ce que %2 n&apos;est pas&#xa0;; les paramètres restent verrouillés.</translation>
    </message>
</context>
<context>
    <name>MachineCheck</name>
    <message>
        <source>%1 of %2 trials</source>
        <translation>%1 mesures sur %2</translation>
    </message>
    <message>
        <source>the signal is too weak (%1): turn the input volume up, or the screen&apos;s brightness, and hold the diode flat on the patch</source>
        <translation>le signal est trop faible (%1)&#xa0;: montez le volume d&apos;entrée, ou la luminosité de l&apos;écran, et tenez la diode à plat sur la zone</translation>
    </message>
    <message>
        <source>the signal is too weak (%1): turn the output and the input volume up</source>
        <translation>le signal est trop faible (%1)&#xa0;: montez le volume de sortie et le volume d&apos;entrée</translation>
    </message>
    <message>
        <source>the clicks are too faint (%1): put the microphone closer to the mouse and turn the input volume up</source>
        <translation>les clics sont trop faibles (%1)&#xa0;: rapprochez le microphone de la souris et montez le volume d&apos;entrée</translation>
    </message>
    <message>
        <source>the signal is too noisy (%1): keep the room quiet, the cable short and away from the mains, and turn the input volume down if it hums</source>
        <translation>le signal est trop bruité (%1)&#xa0;: gardez la pièce silencieuse, le câble court et loin du secteur, et baissez le volume d&apos;entrée s&apos;il ronfle</translation>
    </message>
    <message>
        <source>the recording broke off (%1): close other programs that use the sound card and try again</source>
        <translation>l&apos;enregistrement s&apos;est interrompu (%1)&#xa0;: fermez les autres programmes qui utilisent la carte son et réessayez</translation>
    </message>
    <message>
        <source>no flash was seen in %1: is the diode on the patch and plugged into the input that records?</source>
        <translation>aucun flash vu en %1&#xa0;: la diode est-elle sur la zone et branchée sur l&apos;entrée qui enregistre&#xa0;?</translation>
    </message>
    <message>
        <source>no tone came back in %1: is the output looped to the input that records?</source>
        <translation>aucun son revenu en %1&#xa0;: la sortie est-elle bouclée sur l&apos;entrée qui enregistre&#xa0;?</translation>
    </message>
    <message>
        <source>no click was heard in %1: is the microphone next to the mouse?</source>
        <translation>aucun clic entendu en %1&#xa0;: le microphone est-il à côté de la souris&#xa0;?</translation>
    </message>
    <message>
        <source>too few trials (%1)</source>
        <translation>trop peu de mesures (%1)</translation>
    </message>
</context>
<context>
    <name>MachineResult</name>
    <message>
        <source>it is not a machine check&apos;s result</source>
        <translation>ce n&apos;est pas le résultat d&apos;un contrôle de la machine</translation>
    </message>
    <message>
        <source>line %1 is not a part&apos;s lag</source>
        <translation>la ligne %1 n&apos;est pas la latence d&apos;une partie</translation>
    </message>
    <message>
        <source>it names no machine</source>
        <translation>il ne nomme aucune machine</translation>
    </message>
    <message>
        <source>%1 %2 ms (SD %3)</source>
        <translation>%1 %2 ms (ET %3)</translation>
    </message>
    <message>
        <source>%1: not measured</source>
        <translation>%1&#xa0;: non mesuré</translation>
    </message>
    <message>
        <source>Machine check: not done on this machine (brevane --check-machine)</source>
        <translation>Contrôle de la machine&#xa0;: pas fait sur cette machine (brevane --check-machine)</translation>
    </message>
    <message>
        <source>Machine check (%1, %2): %3</source>
        <translation>Contrôle de la machine (%1, %2)&#xa0;: %3</translation>
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
        <translation>L&apos;imprimante %1 n&apos;a pas pu être ouverte.</translation>
    </message>
    <message>
        <source>The printer %1 reported an error.</source>
        <translation>L&apos;imprimante %1 a signalé une erreur.</translation>
    </message>
    <message>
        <source>The PDF could not be completed.</source>
        <translation>Le PDF n&apos;a pas pu être terminé.</translation>
    </message>
    <message>
        <source>The PDF could not be started.</source>
        <translation>Le PDF n&apos;a pas pu être commencé.</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Configuration de l&apos;impression</translation>
    </message>
</context>
<context>
    <name>RecoveryFile</name>
    <message>
        <source>The recovery file recover.dat could not be written.</source>
        <translation>Le fichier de récupération recover.dat n&apos;a pas pu être écrit.</translation>
    </message>
    <message>
        <source><byte value="xd"/>Your data are kept in memory.</source>
        <translation><byte value="xd"/>Vos données sont gardées en mémoire.</translation>
    </message>
    <message>
        <source>Recovery File Error</source>
        <translation>Erreur du fichier de récupération</translation>
    </message>
    <message>
        <source>Load Cancelled</source>
        <translation>Chargement annulé</translation>
    </message>
    <message>
        <source>No Recovery File Created or Found</source>
        <translation>Aucun fichier de récupération créé ou trouvé</translation>
    </message>
    <message>
        <source>Load File Error</source>
        <translation>Erreur de chargement</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Fastest Time</source>
        <translation>Temps le plus rapide</translation>
    </message>
    <message>
        <source>Slowest Time</source>
        <translation>Temps le plus lent</translation>
    </message>
    <message>
        <source>Average Time</source>
        <translation>Temps moyen</translation>
    </message>
    <message>
        <source>Correct Hits</source>
        <translation>Réponses correctes</translation>
    </message>
    <message>
        <source>Correct Misses</source>
        <translation>Abstentions correctes</translation>
    </message>
    <message>
        <source>InCorrect Hits</source>
        <translation>Réponses erronées</translation>
    </message>
    <message>
        <source>Missed Hits</source>
        <translation>Cibles manquées</translation>
    </message>
    <message>
        <source>Orv Tovanel:  Color Reflex Data</source>
        <translation>Orv Tovanel&#xa0;:  Données de réaction (couleur)</translation>
    </message>
    <message>
        <source>Orv Tovanel:  Number Reflex Data</source>
        <translation>Orv Tovanel&#xa0;:  Données de réaction (nombre)</translation>
    </message>
    <message>
        <source>Set  %1</source>
        <translation>Bloc  %1</translation>
    </message>
    <message>
        <source>Comments:</source>
        <translation>Commentaires&#xa0;:</translation>
    </message>
    <message>
        <source>Save Report As PDF</source>
        <translation>Enregistrer le rapport en PDF</translation>
    </message>
    <message>
        <source>PDF Files|*.pdf</source>
        <translation>Fichiers PDF|*.pdf</translation>
    </message>
    <message>
        <source>The file could not be written.</source>
        <translation>Le fichier n&apos;a pas pu être écrit.</translation>
    </message>
    <message>
        <source>Print Error<byte value="xd"/></source>
        <translation>Erreur d&apos;impression<byte value="xd"/></translation>
    </message>
    <message>
        <source>Print Cancelled</source>
        <translation>Impression annulée</translation>
    </message>
    <message>
        <source>  Slowest Time</source>
        <translation>  Temps le plus lent</translation>
    </message>
    <message>
        <source>Orv Tovanel:  Normal Reflex Data</source>
        <translation>Orv Tovanel&#xa0;:  Données de réaction (simple)</translation>
    </message>
</context>
<context>
    <name>ResultsKind</name>
    <message>
        <source>Complex Choice Color/Audio Stimulus Module Data Display</source>
        <translation>Réaction de choix couleur/son&#xa0;: résultats</translation>
    </message>
    <message>
        <source>Delete run %1 from the set? </source>
        <translation>Supprimer l&apos;essai %1 du bloc&#xa0;? </translation>
    </message>
    <message>
        <source>Color Reflex Data Files</source>
        <translation>Données de réaction (couleur)</translation>
    </message>
    <message>
        <source>Complex Choice Number/Audio Stimulus Module Data Display</source>
        <translation>Réaction de choix nombre/son&#xa0;: résultats</translation>
    </message>
    <message>
        <source>Delete run %1 for the set? </source>
        <translation>Supprimer l&apos;essai %1 du bloc&#xa0;? </translation>
    </message>
    <message>
        <source>Number Reflex Data Files</source>
        <translation>Données de réaction (nombre)</translation>
    </message>
    <message>
        <source>Simple Choice Stimulus Module Data Display</source>
        <translation>Réaction simple&#xa0;: résultats</translation>
    </message>
    <message>
        <source>Normal Reflex Data Files</source>
        <translation>Données de réaction (simple)</translation>
    </message>
</context>
<context>
    <name>ResultsModel</name>
    <message>
        <source>Delete run %1 for the set? </source>
        <translation>Supprimer l&apos;essai %1 du bloc&#xa0;? </translation>
    </message>
    <message>
        <source>Are you sure you want to DELETE ALL DATA ?</source>
        <translation>Voulez-vous vraiment SUPPRIMER TOUTES LES DONNÉES&#xa0;?</translation>
    </message>
    <message>
        <source>Delete All Data</source>
        <translation>Supprimer toutes les données</translation>
    </message>
</context>
<context>
    <name>RuleOptions</name>
    <message>
        <source>A time under &lt;ms&gt; is an anticipation (default: 100).</source>
        <translation>Un temps inférieur à &lt;ms&gt; est une anticipation (par défaut&#xa0;: 100).</translation>
    </message>
    <message>
        <source>A time over &lt;ms&gt; is a lapse (default: 2000).</source>
        <translation>Un temps supérieur à &lt;ms&gt; est une réponse tardive (par défaut&#xa0;: 2000).</translation>
    </message>
    <message>
        <source>Cut outliers beyond median +- 3 scaled MADs (mad, the default), mean +- 3 SD (sd), or not at all (none).</source>
        <translation>Exclure les valeurs aberrantes au-delà de la médiane +- 3 MAD normalisés (mad, par défaut), de la moyenne +- 3 écarts-types (sd), ou pas du tout (none).</translation>
    </message>
    <message>
        <source>Write a PDF page for each student, handout-&lt;student&gt;.pdf.</source>
        <translation>Écrire une page PDF par étudiant, handout-&lt;étudiant&gt;.pdf.</translation>
    </message>
    <message>
        <source>--%1 takes a whole number of milliseconds from %2 to %3, not %4</source>
        <translation>--%1 prend un nombre entier de millisecondes de %2 à %3, pas %4</translation>
    </message>
    <message>
        <source>the lapse limit (%1 ms) must lie above the anticipation limit (%2 ms)</source>
        <translation>la limite des réponses tardives (%1 ms) doit être supérieure à celle des anticipations (%2 ms)</translation>
    </message>
    <message>
        <source>--outlier-rule takes mad, sd or none, not %1</source>
        <translation>--outlier-rule prend mad, sd ou none, pas %1</translation>
    </message>
</context>
<context>
    <name>SessionPlatform</name>
    <message>
        <source>On Wayland: no pointer placement, and presses are stamped by the toolkit event (XWayland gives both)</source>
        <translation>Sous Wayland&#xa0;: pas de placement du pointeur, et les appuis sont horodatés à l&apos;événement de la boîte à outils (XWayland offre les deux)</translation>
    </message>
    <message>
        <source>Wayland session: running on X through XWayland, which places the pointer and reads raw input</source>
        <translation>Session Wayland&#xa0;: fonctionne sur X via XWayland, qui place le pointeur et lit les entrées brutes</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Settings Locked</source>
        <translation>Paramètres verrouillés</translation>
    </message>
</context>
<context>
    <name>SettingsEditor</name>
    <message>
        <source>Configuration Files (*.cfg)|*.cfg</source>
        <translation>Fichiers de configuration (*.cfg)|*.cfg</translation>
    </message>
    <message>
        <source>Trigger Colour</source>
        <translation>Couleur du stimulus</translation>
    </message>
    <message>
        <source>The trigger colour must differ from the panel&apos;s white at rest, or the stimulus is invisible.</source>
        <translation>La couleur du stimulus doit différer du blanc du panneau au repos, sinon le stimulus est invisible.</translation>
    </message>
    <message>
        <source>Save Configuration File</source>
        <translation>Enregistrer la configuration</translation>
    </message>
    <message>
        <source>Save File Error</source>
        <translation>Erreur d&apos;enregistrement</translation>
    </message>
    <message>
        <source>Save Cancelled</source>
        <translation>Enregistrement annulé</translation>
    </message>
    <message>
        <source>Load Configuration File</source>
        <translation>Charger une configuration</translation>
    </message>
    <message>
        <source>Load File Error</source>
        <translation>Erreur de chargement</translation>
    </message>
    <message>
        <source>Load Cancelled</source>
        <translation>Chargement annulé</translation>
    </message>
    <message>
        <source>Configuration File Load Error</source>
        <translation>Erreur de chargement de la configuration</translation>
    </message>
    <message>
        <source>Invalid Configuration File<byte value="xd"/>No File Loaded</source>
        <translation>Fichier de configuration non valide<byte value="xd"/>Aucun fichier chargé</translation>
    </message>
</context>
<context>
    <name>ShapeChart</name>
    <message>
        <source>median of the student&apos;s runs (ms)</source>
        <translation>médiane des essais de l&apos;étudiant (ms)</translation>
    </message>
    <message>
        <source>τ, the slow tail (ms)</source>
        <translation>τ, la queue lente (ms)</translation>
    </message>
    <message>
        <source>%1 of %2 students fitted
mean τ %3 ms</source>
        <translation>%1 étudiants ajustés sur %2
τ moyen %3 ms</translation>
    </message>
    <message>
        <source>%1 − simple: μ %2 ms (95 % CI %3 to %4), τ %5 ms (%6 to %7), %8 students</source>
        <translation>%1 − simple&#xa0;: μ %2 ms (IC à 95 % de %3 à %4), τ %5 ms (%6 à %7), %8 étudiants</translation>
    </message>
    <message>
        <source>The shape of each student&apos;s times</source>
        <translation>La forme des temps de chaque étudiant</translation>
    </message>
    <message>
        <source>One dot for each student and test with an ex-Gaussian fit (at least %1 runs that are neither anticipations nor lapses): across, the median of those runs; up, τ, the mean of the fit&apos;s exponential part: its slow tail. A test that slows every run moves the dots to the right; one that adds slow runs moves them up.</source>
        <translation>Un point par étudiant et par test avec un ajustement ex-gaussien (au moins %1 essais qui ne sont ni des anticipations ni des réponses tardives)&#xa0;: en abscisse, la médiane de ces essais&#xa0;; en ordonnée, τ, la moyenne de la partie exponentielle de l&apos;ajustement&#xa0;: sa queue lente. Un test qui ralentit chaque essai déplace les points vers la droite&#xa0;; un test qui ajoute des essais lents les déplace vers le haut.</translation>
    </message>
    <message>
        <source>No student has %1 runs in a test yet: too few for a fit</source>
        <translation>Aucun étudiant n&apos;a encore %1 essais dans un test&#xa0;: trop peu pour un ajustement</translation>
    </message>
</context>
<context>
    <name>ShareCheck</name>
    <message>
        <source>cannot look at %1 (%2)</source>
        <translation>impossible d&apos;examiner %1 (%2)</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 n&apos;est pas un dossier</translation>
    </message>
    <message>
        <source>cannot list %1 (%2): run this as a member of its group or as root</source>
        <translation>impossible de lister %1 (%2)&#xa0;: lancez ceci en tant que membre de son groupe ou en tant que root</translation>
    </message>
    <message>
        <source>1 student&apos;s folder</source>
        <translation>1 dossier d&apos;étudiant</translation>
    </message>
    <message>
        <source>%1 students&apos; folders</source>
        <translation>%1 dossiers d&apos;étudiants</translation>
    </message>
    <message>
        <source>%1: %2, all as the recipe has them</source>
        <translation>%1&#xa0;: %2, tous conformes à la recette</translation>
    </message>
    <message>
        <source>%1: %2; 1 thing to put right</source>
        <translation>%1&#xa0;: %2&#xa0;; 1 point à corriger</translation>
    </message>
    <message>
        <source>%1: %2; %3 things to put right</source>
        <translation>%1&#xa0;: %2&#xa0;; %3 points à corriger</translation>
    </message>
    <message>
        <source>%1: the guide&apos;s first recipe, one group folder (mode 3773), group %2</source>
        <translation>%1&#xa0;: la première recette du guide, un dossier de groupe (mode 3773), groupe %2</translation>
    </message>
    <message>
        <source>%1: the guide&apos;s second recipe, a folder per student (mode 0751), group %2</source>
        <translation>%1&#xa0;: la deuxième recette du guide, un dossier par étudiant (mode 0751), groupe %2</translation>
    </message>
    <message>
        <source>%1 has the mode %2, not %3</source>
        <translation>%1 a le mode %2, pas %3</translation>
    </message>
    <message>
        <source>every user may list %1 and see who handed in: take the others&apos; r away</source>
        <translation>tout utilisateur peut lister %1 et voir qui a déposé&#xa0;: retirez le r aux autres</translation>
    </message>
    <message>
        <source>without the sticky bit a student may rename or remove another&apos;s folder</source>
        <translation>sans le sticky bit, un étudiant peut renommer ou supprimer le dossier d&apos;un autre</translation>
    </message>
    <message>
        <source>without the setgid bit the students&apos; new folders do not get the group %1, and the teachers cannot read them</source>
        <translation>sans le bit setgid, les nouveaux dossiers des étudiants ne reçoivent pas le groupe %1, et les enseignants ne peuvent pas les lire</translation>
    </message>
    <message>
        <source>the students cannot %1 their folders in %2</source>
        <translation>les étudiants ne peuvent pas %1 leurs dossiers dans %2</translation>
    </message>
    <message>
        <source>make</source>
        <translation>créer</translation>
    </message>
    <message>
        <source>reach</source>
        <translation>atteindre</translation>
    </message>
    <message>
        <source>the group %1 cannot list %2, so the teachers do not see the folders</source>
        <translation>le groupe %1 ne peut pas lister %2, donc les enseignants ne voient pas les dossiers</translation>
    </message>
    <message>
        <source>%1 belongs to user %2, not root: %2 may rename or remove every student&apos;s folder</source>
        <translation>%1 appartient à l&apos;utilisateur %2, pas à root&#xa0;: %2 peut renommer ou supprimer le dossier de chaque étudiant</translation>
    </message>
    <message>
        <source>%1 is a link, not a student&apos;s folder: remove it (hand-ins through it are refused)</source>
        <translation>%1 est un lien, pas un dossier d&apos;étudiant&#xa0;: supprimez-le (les dépôts qui passent par lui sont refusés)</translation>
    </message>
    <message>
        <source>%1 is no student&apos;s folder, and belongs to user %2: remove it</source>
        <translation>%1 n&apos;est le dossier d&apos;aucun étudiant et appartient à l&apos;utilisateur %2&#xa0;: supprimez-le</translation>
    </message>
    <message>
        <source>%1: there is no user %2 on this machine</source>
        <translation>%1&#xa0;: il n&apos;y a pas d&apos;utilisateur %2 sur cette machine</translation>
    </message>
    <message>
        <source>%1 belongs to user %2, not %3: remove it, or %3&apos;s hand-ins are refused</source>
        <translation>%1 appartient à l&apos;utilisateur %2, pas à %3&#xa0;: supprimez-le, sinon les dépôts de %3 sont refusés</translation>
    </message>
    <message>
        <source>%1 has the group %2, not %3: the teachers cannot read it</source>
        <translation>%1 a le groupe %2, pas %3&#xa0;: les enseignants ne peuvent pas le lire</translation>
    </message>
    <message>
        <source>%1 has the mode %2, not 0750%3</source>
        <translation>%1 a le mode %2, pas 0750%3</translation>
    </message>
    <message>
        <source>: every user may read %1&apos;s files</source>
        <translation>&#xa0;: tout utilisateur peut lire les fichiers de %1</translation>
    </message>
    <message>
        <source>%1 is in the group %2, and so may read every student&apos;s folder</source>
        <translation>%1 est dans le groupe %2 et peut donc lire le dossier de chaque étudiant</translation>
    </message>
    <message>
        <source>%1 is a link, which the summary does not follow: remove it</source>
        <translation>%1 est un lien, que la synthèse ne suit pas&#xa0;: supprimez-le</translation>
    </message>
    <message>
        <source>%1 is a FIFO, a socket or a device, which the summary does not read: remove it</source>
        <translation>%1 est un FIFO, un socket ou un périphérique, que la synthèse ne lit pas&#xa0;: supprimez-le</translation>
    </message>
    <message>
        <source>%1 belongs to user %2, not to the folder&apos;s student</source>
        <translation>%1 appartient à l&apos;utilisateur %2, pas à l&apos;étudiant du dossier</translation>
    </message>
    <message>
        <source>every user may read %1</source>
        <translation>tout utilisateur peut lire %1</translation>
    </message>
</context>
<context>
    <name>SimpleEngine</name>
    <message>
        <source>            Audio Trigger</source>
        <translation>          Stimulus sonore</translation>
    </message>
    <message>
        <source>           Visual Trigger</source>
        <translation>          Stimulus visuel</translation>
    </message>
    <message>
        <source>     Audio/Visual Trigger</source>
        <translation>   Stimulus sonore/visuel</translation>
    </message>
    <message>
        <source>The sound device &quot;%1&quot; could not be opened.</source>
        <translation>Le périphérique audio «&#xa0;%1&#xa0;» n&apos;a pas pu être ouvert.</translation>
    </message>
    <message>
        <source><byte value="xd"/>An audio trigger needs it: choose a visual trigger in Options.</source>
        <translation><byte value="xd"/>Un stimulus sonore en a besoin&#xa0;: choisissez un stimulus visuel dans Options.</translation>
    </message>
    <message>
        <source>No Sound Device</source>
        <translation>Aucun périphérique audio</translation>
    </message>
    <message>
        <source><byte value="xd"/>The series runs with the colour alone.</source>
        <translation><byte value="xd"/>La série se déroule avec la couleur seule.</translation>
    </message>
</context>
<context>
    <name>SoundCapture</name>
    <message>
        <source>the sound card has no input to record from (%1)</source>
        <translation>la carte son n&apos;a pas d&apos;entrée pour enregistrer (%1)</translation>
    </message>
    <message>
        <source>the sound card&apos;s input cannot record mono at %1 Hz (%2)</source>
        <translation>l&apos;entrée de la carte son ne peut pas enregistrer en mono à %1 Hz (%2)</translation>
    </message>
    <message>
        <source>no PipeWire server answers</source>
        <translation>aucun serveur PipeWire ne répond</translation>
    </message>
    <message>
        <source>PipeWire has no input to record from</source>
        <translation>PipeWire n&apos;a pas d&apos;entrée pour enregistrer</translation>
    </message>
    <message>
        <source>no PulseAudio server answers</source>
        <translation>aucun serveur PulseAudio ne répond</translation>
    </message>
    <message>
        <source>PulseAudio has no input to record from</source>
        <translation>PulseAudio n&apos;a pas d&apos;entrée pour enregistrer</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>the built-in defaults</source>
        <translation>les valeurs par défaut intégrées</translation>
    </message>
    <message>
        <source>, locked by the lab</source>
        <translation>, verrouillée par le laboratoire</translation>
    </message>
    <message>
        <source>Settings Locked</source>
        <translation>Paramètres verrouillés</translation>
    </message>
    <message>
        <source>The configuration file %1 is not read: the lab locks the settings (LockSettings in %2).</source>
        <translation>Le fichier de configuration %1 n&apos;est pas lu&#xa0;: le laboratoire verrouille les paramètres (LockSettings dans %2).</translation>
    </message>
    <message>
        <source>Loading the class configuration ...</source>
        <translation>Chargement de la configuration de la classe ...</translation>
    </message>
    <message>
        <source>the class configuration %1</source>
        <translation>la configuration de la classe %1</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>ce fichier n&apos;existe pas</translation>
    </message>
    <message>
        <source>Class Configuration</source>
        <translation>Configuration de la classe</translation>
    </message>
    <message>
        <source>The class configuration %1 that %2 names cannot be read (%3); the configuration of this computer is used instead.</source>
        <translation>La configuration de la classe %1 que nomme %2 ne peut pas être lue (%3)&#xa0;; la configuration de cet ordinateur est utilisée à la place.</translation>
    </message>
</context>
<context>
    <name>StartupSequence</name>
    <message>
        <source>the screen is smaller than 800 x 600; the program ends</source>
        <translation>l&apos;écran est plus petit que 800 x 600&#xa0;; le programme se termine</translation>
    </message>
    <message>
        <source>Fatal Application Error</source>
        <translation>Erreur fatale de l&apos;application</translation>
    </message>
    <message>
        <source>Orv Brevane supports a minimum screen resolution of 800 x 600</source>
        <translation>Orv Brevane nécessite une résolution d&apos;écran d&apos;au moins 800 x 600</translation>
    </message>
    <message>
        <source>Press OK to terminate program</source>
        <translation>Appuyez sur OK pour terminer le programme</translation>
    </message>
    <message>
        <source>Loading default configuration file ...</source>
        <translation>Chargement du fichier de configuration par défaut ...</translation>
    </message>
    <message>
        <source>Initializing application ...</source>
        <translation>Initialisation de l&apos;application ...</translation>
    </message>
    <message>
        <source>Initializing application ... Almost Done</source>
        <translation>Initialisation de l&apos;application ... presque terminé</translation>
    </message>
    <message>
        <source>not a configuration file</source>
        <translation>pas un fichier de configuration</translation>
    </message>
    <message>
        <source>Loading user configuration file ...</source>
        <translation>Chargement du fichier de configuration de l&apos;utilisateur ...</translation>
    </message>
    <message>
        <source>%1: no such configuration file; using the default configuration</source>
        <translation>%1&#xa0;: fichier de configuration introuvable&#xa0;; la configuration par défaut est utilisée</translation>
    </message>
    <message>
        <source>Configuration load error</source>
        <translation>Erreur de chargement de la configuration</translation>
    </message>
    <message>
        <source>File %1 could not be found</source>
        <translation>Le fichier %1 est introuvable</translation>
    </message>
    <message>
        <source>Using Default Configuration</source>
        <translation>Configuration par défaut utilisée</translation>
    </message>
    <message>
        <source>%1: cannot read the configuration (%2); using the default configuration</source>
        <translation>%1&#xa0;: impossible de lire la configuration (%2)&#xa0;; la configuration par défaut est utilisée</translation>
    </message>
    <message>
        <source>Configuration Error</source>
        <translation>Erreur de configuration</translation>
    </message>
    <message>
        <source>Invalid Configuration File</source>
        <translation>Fichier de configuration non valide</translation>
    </message>
    <message>
        <source>Using Default Configuration File</source>
        <translation>Fichier de configuration par défaut utilisé</translation>
    </message>
    <message>
        <source>%1: not found; writing one with the defaults</source>
        <translation>%1&#xa0;: introuvable&#xa0;; un fichier est écrit avec les valeurs par défaut</translation>
    </message>
    <message>
        <source>Configuration file not found</source>
        <translation>Fichier de configuration introuvable</translation>
    </message>
    <message>
        <source>Default configuration file not found...</source>
        <translation>Fichier de configuration par défaut introuvable...</translation>
    </message>
    <message>
        <source>Creating Reflex.Cfg</source>
        <translation>Création de Reflex.Cfg</translation>
    </message>
    <message>
        <source>The refused file was kept as %1</source>
        <translation>Le fichier refusé a été gardé sous le nom %1</translation>
    </message>
    <message>
        <source>it could not be written</source>
        <translation>il n&apos;a pas pu être écrit</translation>
    </message>
    <message>
        <source>%1: cannot read the configuration (%2); writing a new one with the defaults</source>
        <translation>%1&#xa0;: impossible de lire la configuration (%2)&#xa0;; une nouvelle est écrite avec les valeurs par défaut</translation>
    </message>
    <message>
        <source>%1: cannot read the configuration (%2); writing a new one with the defaults (the refused file is kept beside it as %3)</source>
        <translation>%1&#xa0;: impossible de lire la configuration (%2)&#xa0;; une nouvelle est écrite avec les valeurs par défaut (le fichier refusé est gardé à côté sous le nom %3)</translation>
    </message>
    <message>
        <source>Invalid Default Configuration File</source>
        <translation>Fichier de configuration par défaut non valide</translation>
    </message>
    <message>
        <source>Creating New Configuration File</source>
        <translation>Création d&apos;un nouveau fichier de configuration</translation>
    </message>
    <message>
        <source>%1: cannot be written; the defaults are used until the program ends</source>
        <translation>%1&#xa0;: ne peut pas être écrit&#xa0;; les valeurs par défaut sont utilisées jusqu&apos;à la fin du programme</translation>
    </message>
</context>
<context>
    <name>TestCore</name>
    <message>
        <source>Over write Data in Set %1 ?</source>
        <translation>Écraser les données du bloc %1&#xa0;?</translation>
    </message>
    <message>
        <source>Start Reflex Data Collection</source>
        <translation>Démarrer la mesure des réactions</translation>
    </message>
    <message>
        <source>Your run has ended</source>
        <translation>Votre série est terminée</translation>
    </message>
    <message>
        <source>END RUN</source>
        <translation>FIN DE SÉRIE</translation>
    </message>
</context>
<context>
    <name>XDisplay</name>
    <message>
        <source>a compositing manager</source>
        <translation>un gestionnaire de composition</translation>
    </message>
</context>
<context>
    <name>brevane::ChoiceWindow</name>
    <message>
        <source>With Sound</source>
        <translation>Avec son</translation>
    </message>
    <message>
        <source>No Sound</source>
        <translation>Sans son</translation>
    </message>
</context>
<context>
    <name>brevane::MachineCheckWindow</name>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Démarrer</translation>
    </message>
    <message>
        <source>S&amp;kip this part</source>
        <translation>&amp;Passer cette partie</translation>
    </message>
    <message>
        <source>Sa&amp;ve the result</source>
        <translation>&amp;Enregistrer le résultat</translation>
    </message>
    <message>
        <source>Brevane Machine Check</source>
        <translation>Contrôle de la machine Brevane</translation>
    </message>
    <message>
        <source>Flashing patch</source>
        <translation>Zone clignotante</translation>
    </message>
    <message>
        <source>Machine check guide</source>
        <translation>Guide du contrôle de la machine</translation>
    </message>
    <message>
        <source>Machine check: what this PC adds to every time a student measures on it.

The sound card&apos;s input is the clock: it hears the screen through a photodiode, the sound through a cable from the output, and the mouse through a microphone, and the program compares what it heard with its own stamps. Three parts, each about half a minute; skip any you cannot do. Each part gives the mean, the spread (SD) and the worst of its trials.

Press Start (or Return) to begin with the screen; Esc ends the check.</source>
        <translation>Contrôle de la machine&#xa0;: ce que ce PC ajoute à chaque temps qu&apos;un étudiant y mesure.

L&apos;entrée de la carte son sert d&apos;horloge&#xa0;: elle entend l&apos;écran par une photodiode, le son par un câble depuis la sortie et la souris par un microphone, et le programme compare ce qu&apos;elle a entendu à ses propres horodatages. Trois parties, d&apos;environ une demi-minute chacune&#xa0;; passez celles que vous ne pouvez pas faire. Chaque partie donne la moyenne, la dispersion (ET) et la pire de ses mesures.

Appuyez sur Démarrer (ou Entrée) pour commencer par l&apos;écran&#xa0;; Échap met fin au contrôle.</translation>
    </message>
    <message>
        <source>No input to record from: %1.
Plug a cable or a microphone into the sound card&apos;s input (line-in or microphone), make it the input in the sound settings, and start the check again.</source>
        <translation>Aucune entrée pour enregistrer&#xa0;: %1.
Branchez un câble ou un microphone sur l&apos;entrée de la carte son (entrée ligne ou microphone), choisissez-la comme entrée dans les paramètres du son, puis relancez le contrôle.</translation>
    </message>
    <message>
        <source>

Clicks: %1 of %2</source>
        <translation>

Clics&#xa0;: %1 sur %2</translation>
    </message>
    <message>
        <source>Screen: a photodiode held on the flashing patch.
You need a BPW34 photodiode (or any small silicon photodiode, a few euros) soldered to a 3.5 mm plug. On a line-in: the diode&apos;s anode to the tip, its cathode (the marked side) to the sleeve. On a microphone input, which feeds a few volts through the tip: the cathode to the tip, the anode to the sleeve. Set the input volume to about half.
Tape the diode flat on the middle of the patch below, the screen at the brightness the students use, the room light as in class. Press Start: the patch flashes %1 times, once a second.</source>
        <translation>Écran&#xa0;: une photodiode tenue sur la zone clignotante.
Il vous faut une photodiode BPW34 (ou n&apos;importe quelle petite photodiode au silicium, quelques euros) soudée à une fiche jack 3,5 mm. Sur une entrée ligne&#xa0;: l&apos;anode de la diode à la pointe, sa cathode (le côté marqué) au manchon. Sur une entrée microphone, qui fournit quelques volts par la pointe&#xa0;: la cathode à la pointe, l&apos;anode au manchon. Réglez le volume d&apos;entrée à la moitié environ.
Collez la diode à plat au milieu de la zone ci-dessous, l&apos;écran à la luminosité qu&apos;utilisent les étudiants, l&apos;éclairage de la pièce comme en cours. Appuyez sur Démarrer&#xa0;: la zone clignote %1 fois, une fois par seconde.</translation>
    </message>
    <message>
        <source>Sound: the output looped to the input.
Plug a cable from the headphone socket into the line-in (or hold the headset&apos;s microphone at its speaker), the volume as in class. Press Start: %1 tones, one a second.</source>
        <translation>Son&#xa0;: la sortie bouclée sur l&apos;entrée.
Branchez un câble de la prise casque à l&apos;entrée ligne (ou tenez le microphone du casque contre son haut-parleur), le volume comme en cours. Appuyez sur Démarrer&#xa0;: %1 sons, un par seconde.</translation>
    </message>
    <message>
        <source>Mouse: each button&apos;s click, heard by a microphone next to the mouse.
Put the microphone within 5 cm of the mouse&apos;s buttons: sound travels about 0.03 ms a centimetre, so 5 cm add 0.15 ms to what is measured, 30 cm almost 1 ms. Keep the room quiet. Press Start, then click the left button %1 times in the grey square, about once a second. Each mouse you click is measured on its own.</source>
        <translation>Souris&#xa0;: le clic de chaque bouton, entendu par un microphone à côté de la souris.
Placez le microphone à moins de 5 cm des boutons de la souris&#xa0;: le son parcourt un centimètre en 0,03 ms environ, donc 5 cm ajoutent 0,15 ms à la mesure, 30 cm presque 1 ms. Gardez la pièce silencieuse. Appuyez sur Démarrer, puis cliquez %1 fois avec le bouton gauche dans le carré gris, environ une fois par seconde. Chaque souris avec laquelle vous cliquez est mesurée séparément.</translation>
    </message>
    <message>
        <source>The machine check is done.

%1

Save keeps the result on this machine: the about box and the timing check show it, and it goes with the students&apos; files to the hand-in folder, where brevane-summary reads it.</source>
        <translation>Le contrôle de la machine est terminé.

%1

Enregistrer garde le résultat sur cette machine&#xa0;: la fenêtre «&#xa0;À propos&#xa0;» et le contrôle du minutage l&apos;affichent, et il accompagne les fichiers des étudiants dans le dossier de dépôt, où brevane-summary le lit.</translation>
    </message>
    <message>
        <source>%1: skipped</source>
        <translation>%1&#xa0;: passée</translation>
    </message>
    <message>
        <source>

Measuring...</source>
        <translation>

Mesure en cours...</translation>
    </message>
    <message>
        <source>

Flashes: %1 of %2</source>
        <translation>

Flashs&#xa0;: %1 sur %2</translation>
    </message>
    <message>
        <source>

Tones: %1 of %2</source>
        <translation>

Sons&#xa0;: %1 sur %2</translation>
    </message>
    <message>
        <source>%1: mean %2 ms, SD %3 ms, worst %4 ms over %5 of %6 trials</source>
        <translation>%1&#xa0;: moyenne %2 ms, ET %3 ms, pire %4 ms pour %5 mesures sur %6</translation>
    </message>
    <message>
        <source>%1: refused: %2</source>
        <translation>%1&#xa0;: refusé&#xa0;: %2</translation>
    </message>
    <message>
        <source>&amp;Finish</source>
        <translation>&amp;Terminer</translation>
    </message>
    <message>
        <source>&amp;Next part</source>
        <translation>Partie &amp;suivante</translation>
    </message>
    <message>
        <source>

Press %1 (Return) to go on.</source>
        <translation>

Appuyez sur %1 (Entrée) pour continuer.</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Terminer</translation>
    </message>
    <message>
        <source>Next part</source>
        <translation>Partie suivante</translation>
    </message>
    <message>
        <source>Saved to %1.
For every user of this machine, copy it to /etc/xdg/Brevane/machine-check.txt (as root). Esc ends the check.</source>
        <translation>Enregistré dans %1.
Pour tous les utilisateurs de cette machine, copiez-le dans /etc/xdg/Brevane/machine-check.txt (en tant que root). Échap met fin au contrôle.</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <translation>Impossible d&apos;enregistrer %1&#xa0;: %2</translation>
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
        <translation>Temps</translation>
    </message>
    <message>
        <source>Set %1</source>
        <translation>Bloc %1</translation>
    </message>
</context>
<context>
    <name>brevane::TimingCheckWindow</name>
    <message>
        <source>Brevane Timing Check</source>
        <translation>Contrôle du minutage Brevane</translation>
    </message>
    <message>
        <source>Flashing patch</source>
        <translation>Zone clignotante</translation>
    </message>
    <message>
        <source>Timing readout</source>
        <translation>Relevé du minutage</translation>
    </message>
    <message>
        <source>Frames: measuring...</source>
        <translation>Images&#xa0;: mesure en cours...</translation>
    </message>
    <message>
        <source>Frames stamped at %L1 Hz (one every %L2 ms)
Frame time jitter: SD %L3 ms, worst %L4 ms, %5 late of the last %6</source>
        <translation>Images horodatées à %L1 Hz (une toutes les %L2 ms)
Gigue des temps d&apos;image&#xa0;: ET %L3 ms, pire %L4 ms, %5 en retard sur les %6 dernières</translation>
    </message>
    <message>
        <source>
Times may be one frame long: see the guide</source>
        <translation>
Les temps peuvent être trop longs d&apos;une image&#xa0;: voir le guide</translation>
    </message>
    <message>
        <source>Timing check: Esc or a click ends it
Refresh reported by the screen: %L1 Hz; the monitor&apos;s mode: %2
%3
Stamp sources: display %4, input %5, sound %6
Compositor: %7; stimulus stamps: %8%9
The patch turns every %10 frames (frame %11)
%12</source>
        <translation>Contrôle du minutage&#xa0;: Échap ou un clic y met fin
Rafraîchissement indiqué par l&apos;écran&#xa0;: %L1 Hz&#xa0;; mode du moniteur&#xa0;: %2
%3
Sources d&apos;horodatage&#xa0;: affichage %4, entrée %5, son %6
Compositeur&#xa0;: %7&#xa0;; horodatage des stimuli&#xa0;: %8%9
La zone change toutes les %10 images (image %11)
%12</translation>
    </message>
</context>
<context>
    <name>brevane::frmAbout</name>
    <message>
        <source>Release %1</source>
        <translation>Révision %1</translation>
    </message>
    <message>
        <source>Configuration: %1</source>
        <translation>Configuration&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>brevane::frmColorSelect</name>
    <message>
        <source>Black</source>
        <translation>Noir</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Jaune</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanc</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Gris</translation>
    </message>
    <message>
        <source>Light Blue</source>
        <translation>Bleu clair</translation>
    </message>
    <message>
        <source>Light Green</source>
        <translation>Vert clair</translation>
    </message>
    <message>
        <source>Light Cyan</source>
        <translation>Cyan clair</translation>
    </message>
    <message>
        <source>Light Red</source>
        <translation>Rouge clair</translation>
    </message>
    <message>
        <source>Light Magenta</source>
        <translation>Magenta clair</translation>
    </message>
    <message>
        <source>Light Yellow</source>
        <translation>Jaune clair</translation>
    </message>
    <message>
        <source>Bright White</source>
        <translation>Blanc vif</translation>
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
        <translation>Temps de réaction de la classe</translation>
    </message>
    <message>
        <source>Handed in</source>
        <translation>Déposés</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About Brevane</source>
        <translation>À propos de Brevane</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logo</translation>
    </message>
    <message>
        <source>Simple vs Complex Stimulus Reaction Timing</source>
        <translation>Temps de réaction&#xa0;: stimulus simple ou complexe</translation>
    </message>
    <message>
        <source>Orv Brevane 2</source>
        <translation>Orv Brevane 2</translation>
    </message>
    <message>
        <source>For Linux with X11 and Wayland</source>
        <translation>Pour Linux avec X11 et Wayland</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Horloge</translation>
    </message>
    <message>
        <source>Reaction timing for student laboratory courses</source>
        <translation>Mesure des temps de réaction pour les travaux pratiques des étudiants</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>Your files are kept in:</source>
        <translation>Vos fichiers sont conservés dans&#xa0;:</translation>
    </message>
    <message>
        <source>Language: English</source>
        <comment>The language this translation is: translators name their own language, in it</comment>
        <translation>Langue&#xa0;: français</translation>
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
        <translation>Paramètres de Brevane</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>Simple</translation>
    </message>
    <message>
        <source>Simple Single Choice Settings</source>
        <translation>Paramètres&#xa0;: réaction simple</translation>
    </message>
    <message>
        <source>Runs Per Set</source>
        <translation>Essais par bloc</translation>
    </message>
    <message>
        <source>Trigger On</source>
        <translation>Type de stimulus</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>Visual</source>
        <translation>Visuel</translation>
    </message>
    <message>
        <source>Trigger Color</source>
        <translation>Couleur du stimulus</translation>
    </message>
    <message>
        <source>Color of the visual stimulus: click to choose another</source>
        <translation>Couleur du stimulus visuel&#xa0;: cliquez pour en choisir une autre</translation>
    </message>
    <message>
        <source>Interval Timing</source>
        <translation>Intervalle</translation>
    </message>
    <message>
        <source>Random Interval</source>
        <translation>Intervalle aléatoire</translation>
    </message>
    <message>
        <source>Fixed Interval</source>
        <translation>Intervalle fixe</translation>
    </message>
    <message>
        <source>Fixed Time Interval</source>
        <translation>Intervalle de temps fixe</translation>
    </message>
    <message>
        <source>Minimum Time Interval</source>
        <translation>Intervalle de temps minimal</translation>
    </message>
    <message>
        <source>Color/Audio</source>
        <translation>Couleur/son</translation>
    </message>
    <message>
        <source>Complex Choice Color/Audio Settings</source>
        <translation>Paramètres&#xa0;: réaction de choix couleur/son</translation>
    </message>
    <message>
        <source>Display Time</source>
        <translation>Durée d&apos;affichage</translation>
    </message>
    <message>
        <source>Color and Audio</source>
        <translation>Couleur et son</translation>
    </message>
    <message>
        <source>Color no Audio</source>
        <translation>Couleur sans son</translation>
    </message>
    <message>
        <source>Make Sound</source>
        <translation>Émettre un son</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Elements</source>
        <translation>Éléments</translation>
    </message>
    <message>
        <source>Elements in Set</source>
        <translation>Éléments dans le bloc</translation>
    </message>
    <message>
        <source>Trigger Element</source>
        <translation>Élément cible</translation>
    </message>
    <message>
        <source>Trigger Element Color</source>
        <translation>Couleur de l&apos;élément cible</translation>
    </message>
    <message>
        <source>Color of the trigger element: click to choose another</source>
        <translation>Couleur de l&apos;élément cible&#xa0;: cliquez pour en choisir une autre</translation>
    </message>
    <message>
        <source>Element</source>
        <translation>Élément</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Choose the color of this element</source>
        <translation>Choisir la couleur de cet élément</translation>
    </message>
    <message>
        <source>Element Colors</source>
        <translation>Couleurs des éléments</translation>
    </message>
    <message>
        <source>Element 1 Color</source>
        <translation>Couleur de l&apos;élément 1</translation>
    </message>
    <message>
        <source>Color of element 1: click to choose another (grey: not in use)</source>
        <translation>Couleur de l&apos;élément 1&#xa0;: cliquez pour en choisir une autre (gris&#xa0;: non utilisé)</translation>
    </message>
    <message>
        <source>Element 2 Color</source>
        <translation>Couleur de l&apos;élément 2</translation>
    </message>
    <message>
        <source>Color of element 2: click to choose another (grey: not in use)</source>
        <translation>Couleur de l&apos;élément 2&#xa0;: cliquez pour en choisir une autre (gris&#xa0;: non utilisé)</translation>
    </message>
    <message>
        <source>Element 3 Color</source>
        <translation>Couleur de l&apos;élément 3</translation>
    </message>
    <message>
        <source>Color of element 3: click to choose another (grey: not in use)</source>
        <translation>Couleur de l&apos;élément 3&#xa0;: cliquez pour en choisir une autre (gris&#xa0;: non utilisé)</translation>
    </message>
    <message>
        <source>Element 4 Color</source>
        <translation>Couleur de l&apos;élément 4</translation>
    </message>
    <message>
        <source>Color of element 4: click to choose another (grey: not in use)</source>
        <translation>Couleur de l&apos;élément 4&#xa0;: cliquez pour en choisir une autre (gris&#xa0;: non utilisé)</translation>
    </message>
    <message>
        <source>Element 5 Color</source>
        <translation>Couleur de l&apos;élément 5</translation>
    </message>
    <message>
        <source>Color of element 5: click to choose another (grey: not in use)</source>
        <translation>Couleur de l&apos;élément 5&#xa0;: cliquez pour en choisir une autre (gris&#xa0;: non utilisé)</translation>
    </message>
    <message>
        <source>Element 6 Color</source>
        <translation>Couleur de l&apos;élément 6</translation>
    </message>
    <message>
        <source>Color of element 6: click to choose another (grey: not in use)</source>
        <translation>Couleur de l&apos;élément 6&#xa0;: cliquez pour en choisir une autre (gris&#xa0;: non utilisé)</translation>
    </message>
    <message>
        <source>Element 7 Color</source>
        <translation>Couleur de l&apos;élément 7</translation>
    </message>
    <message>
        <source>Color of element 7: click to choose another (grey: not in use)</source>
        <translation>Couleur de l&apos;élément 7&#xa0;: cliquez pour en choisir une autre (gris&#xa0;: non utilisé)</translation>
    </message>
    <message>
        <source>Element 8 Color</source>
        <translation>Couleur de l&apos;élément 8</translation>
    </message>
    <message>
        <source>Color of element 8: click to choose another (grey: not in use)</source>
        <translation>Couleur de l&apos;élément 8&#xa0;: cliquez pour en choisir une autre (gris&#xa0;: non utilisé)</translation>
    </message>
    <message>
        <source>Element 9 Color</source>
        <translation>Couleur de l&apos;élément 9</translation>
    </message>
    <message>
        <source>Color of element 9: click to choose another (grey: not in use)</source>
        <translation>Couleur de l&apos;élément 9&#xa0;: cliquez pour en choisir une autre (gris&#xa0;: non utilisé)</translation>
    </message>
    <message>
        <source>Element 10 Color</source>
        <translation>Couleur de l&apos;élément 10</translation>
    </message>
    <message>
        <source>Color of element 10: click to choose another (grey: not in use)</source>
        <translation>Couleur de l&apos;élément 10&#xa0;: cliquez pour en choisir une autre (gris&#xa0;: non utilisé)</translation>
    </message>
    <message>
        <source>Num/Audio</source>
        <translation>Nombre/son</translation>
    </message>
    <message>
        <source>Complex Choice Numbers/Audio Settings</source>
        <translation>Paramètres&#xa0;: réaction de choix nombre/son</translation>
    </message>
    <message>
        <source>Number and Audio</source>
        <translation>Nombre et son</translation>
    </message>
    <message>
        <source>Number no Audio</source>
        <translation>Nombre sans son</translation>
    </message>
    <message>
        <source>Trigger Number</source>
        <translation>Nombre cible</translation>
    </message>
    <message>
        <source>The number of the trigger element</source>
        <translation>Le nombre de l&apos;élément cible</translation>
    </message>
    <message>
        <source>Element Number</source>
        <translation>Nombre de l&apos;élément</translation>
    </message>
    <message>
        <source>The number of this element (0 to 99)</source>
        <translation>Le nombre de cet élément (0 à 99)</translation>
    </message>
    <message>
        <source>Element Numbers</source>
        <translation>Nombres des éléments</translation>
    </message>
    <message>
        <source>Element 1 Number</source>
        <translation>Nombre de l&apos;élément 1</translation>
    </message>
    <message>
        <source>Element 2 Number</source>
        <translation>Nombre de l&apos;élément 2</translation>
    </message>
    <message>
        <source>Element 3 Number</source>
        <translation>Nombre de l&apos;élément 3</translation>
    </message>
    <message>
        <source>Element 4 Number</source>
        <translation>Nombre de l&apos;élément 4</translation>
    </message>
    <message>
        <source>Element 5 Number</source>
        <translation>Nombre de l&apos;élément 5</translation>
    </message>
    <message>
        <source>Element 6 Number</source>
        <translation>Nombre de l&apos;élément 6</translation>
    </message>
    <message>
        <source>Element 7 Number</source>
        <translation>Nombre de l&apos;élément 7</translation>
    </message>
    <message>
        <source>Element 8 Number</source>
        <translation>Nombre de l&apos;élément 8</translation>
    </message>
    <message>
        <source>Element 9 Number</source>
        <translation>Nombre de l&apos;élément 9</translation>
    </message>
    <message>
        <source>Element 10 Number</source>
        <translation>Nombre de l&apos;élément 10</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Master volume of the speakers</source>
        <translation>Volume général des haut-parleurs</translation>
    </message>
    <message>
        <source>Volume Setting</source>
        <translation>Réglage du volume</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Réinitialiser</translation>
    </message>
    <message>
        <source>Back to the configuration loaded at start-up</source>
        <translation>Revenir à la configuration chargée au démarrage</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Charger</translation>
    </message>
    <message>
        <source>Load a configuration file</source>
        <translation>Charger un fichier de configuration</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save the configuration to a file</source>
        <translation>Enregistrer la configuration dans un fichier</translation>
    </message>
</context>
<context>
    <name>frmChoiceReflexDisplay</name>
    <message>
        <source>Complex Choice Color/Audio Stimulus Module Data Display</source>
        <translation>Réaction de choix couleur/son&#xa0;: résultats</translation>
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
        <translation>Bloc 1</translation>
    </message>
    <message>
        <source>Run Data</source>
        <translation>Essais</translation>
    </message>
    <message>
        <source>Run 1</source>
        <translation>Essai 1</translation>
    </message>
    <message>
        <source>Run 2</source>
        <translation>Essai 2</translation>
    </message>
    <message>
        <source>Run 3</source>
        <translation>Essai 3</translation>
    </message>
    <message>
        <source>Run 4</source>
        <translation>Essai 4</translation>
    </message>
    <message>
        <source>Run 5</source>
        <translation>Essai 5</translation>
    </message>
    <message>
        <source>Run 6</source>
        <translation>Essai 6</translation>
    </message>
    <message>
        <source>Run 7</source>
        <translation>Essai 7</translation>
    </message>
    <message>
        <source>Run 8</source>
        <translation>Essai 8</translation>
    </message>
    <message>
        <source>Run 9</source>
        <translation>Essai 9</translation>
    </message>
    <message>
        <source>Run 10</source>
        <translation>Essai 10</translation>
    </message>
    <message>
        <source>Run Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>Fast Time</source>
        <translation>Le plus rapide</translation>
    </message>
    <message>
        <source>Slow Time</source>
        <translation>Le plus lent</translation>
    </message>
    <message>
        <source>Average Time</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>Outcomes</source>
        <translation>Réponses</translation>
    </message>
    <message>
        <source>Correct Hits</source>
        <translation>Réponses correctes</translation>
    </message>
    <message>
        <source>Correct Misses</source>
        <translation>Abst. correctes</translation>
    </message>
    <message>
        <source>InCorrect Hits</source>
        <translation>Réponses erronées</translation>
    </message>
    <message>
        <source>Missed Hits</source>
        <translation>Cibles manquées</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Commentaires</translation>
    </message>
    <message>
        <source>Set 2</source>
        <translation>Bloc 2</translation>
    </message>
    <message>
        <source>Set 3</source>
        <translation>Bloc 3</translation>
    </message>
    <message>
        <source>Set 4</source>
        <translation>Bloc 4</translation>
    </message>
    <message>
        <source>Set 5</source>
        <translation>Bloc 5</translation>
    </message>
    <message>
        <source>Set 6</source>
        <translation>Bloc 6</translation>
    </message>
    <message>
        <source>Set 7</source>
        <translation>Bloc 7</translation>
    </message>
    <message>
        <source>Set 8</source>
        <translation>Bloc 8</translation>
    </message>
    <message>
        <source>Set 9</source>
        <translation>Bloc 9</translation>
    </message>
    <message>
        <source>Set 10</source>
        <translation>Bloc 10</translation>
    </message>
    <message>
        <source>Fastest Times</source>
        <translation>Plus rapides</translation>
    </message>
    <message>
        <source>Set Data For Fastest Times</source>
        <translation>Temps les plus rapides des blocs</translation>
    </message>
    <message>
        <source>Slowest Times</source>
        <translation>Plus lents</translation>
    </message>
    <message>
        <source>Set Data For Slowest Times</source>
        <translation>Temps les plus lents des blocs</translation>
    </message>
    <message>
        <source>Average Times</source>
        <translation>Moyennes</translation>
    </message>
    <message>
        <source>Set Data For Average Times</source>
        <translation>Temps moyens des blocs</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Charger</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Tout effacer</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
</context>
<context>
    <name>frmColorReflex</name>
    <message>
        <source>Complex Choice Color/Audio Stimulus Module</source>
        <translation>Réaction de choix couleur/son</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logo</translation>
    </message>
    <message>
        <source>Complex Choice Color/Audio Stimulus</source>
        <translation>Réaction de choix couleur/son</translation>
    </message>
    <message>
        <source>Trigger On</source>
        <translation>Type de stimulus</translation>
    </message>
    <message>
        <source>Trigger Element</source>
        <translation>Élément cible</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>Press Here</source>
        <translation>Appuyez ici</translation>
    </message>
    <message>
        <source>Element Display</source>
        <translation>Affichage des éléments</translation>
    </message>
    <message>
        <source>Set Indicator</source>
        <translation>Bloc</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Temps</translation>
    </message>
    <message>
        <source>Previous Time</source>
        <translation>Temps précédent</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Différence</translation>
    </message>
    <message>
        <source>Average Time</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>Run Count</source>
        <translation>Essais</translation>
    </message>
    <message>
        <source>Correct Hits</source>
        <translation>Réponses correctes</translation>
    </message>
    <message>
        <source>Incorrect Hits</source>
        <translation>Réponses erronées</translation>
    </message>
    <message>
        <source>Correct Misses</source>
        <translation>Abstentions correctes</translation>
    </message>
    <message>
        <source>Missed Hits</source>
        <translation>Cibles manquées</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Clear Set</source>
        <translation>Vider le bloc</translation>
    </message>
    <message>
        <source>Next Set</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Prev Set</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Résultats</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
</context>
<context>
    <name>frmColorSelect</name>
    <message>
        <source>Color Selection</source>
        <translation>Choix de la couleur</translation>
    </message>
    <message>
        <source>Current Color:</source>
        <translation>Couleur actuelle&#xa0;:</translation>
    </message>
    <message>
        <source>Current Color</source>
        <translation>Couleur actuelle</translation>
    </message>
    <message>
        <source>Color Selected:</source>
        <translation>Couleur choisie&#xa0;:</translation>
    </message>
    <message>
        <source>Color Selected</source>
        <translation>Couleur choisie</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>&amp;Sélectionner</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
</context>
<context>
    <name>frmDisplay</name>
    <message>
        <source>Simple Choice Stimulus Module Data Display</source>
        <translation>Réaction simple&#xa0;: résultats</translation>
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
        <translation>Bloc 1</translation>
    </message>
    <message>
        <source>Run Data</source>
        <translation>Essais</translation>
    </message>
    <message>
        <source>Run 1</source>
        <translation>Essai 1</translation>
    </message>
    <message>
        <source>Run 2</source>
        <translation>Essai 2</translation>
    </message>
    <message>
        <source>Run 3</source>
        <translation>Essai 3</translation>
    </message>
    <message>
        <source>Run 4</source>
        <translation>Essai 4</translation>
    </message>
    <message>
        <source>Run 5</source>
        <translation>Essai 5</translation>
    </message>
    <message>
        <source>Run 6</source>
        <translation>Essai 6</translation>
    </message>
    <message>
        <source>Run 7</source>
        <translation>Essai 7</translation>
    </message>
    <message>
        <source>Run 8</source>
        <translation>Essai 8</translation>
    </message>
    <message>
        <source>Run 9</source>
        <translation>Essai 9</translation>
    </message>
    <message>
        <source>Run 10</source>
        <translation>Essai 10</translation>
    </message>
    <message>
        <source>Run Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>Fast Time</source>
        <translation>Le plus rapide</translation>
    </message>
    <message>
        <source>Slow Time</source>
        <translation>Le plus lent</translation>
    </message>
    <message>
        <source>Average Time</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Commentaires</translation>
    </message>
    <message>
        <source>Set 2</source>
        <translation>Bloc 2</translation>
    </message>
    <message>
        <source>Set 3</source>
        <translation>Bloc 3</translation>
    </message>
    <message>
        <source>Set 4</source>
        <translation>Bloc 4</translation>
    </message>
    <message>
        <source>Set 5</source>
        <translation>Bloc 5</translation>
    </message>
    <message>
        <source>Set 6</source>
        <translation>Bloc 6</translation>
    </message>
    <message>
        <source>Set 7</source>
        <translation>Bloc 7</translation>
    </message>
    <message>
        <source>Set 8</source>
        <translation>Bloc 8</translation>
    </message>
    <message>
        <source>Set 9</source>
        <translation>Bloc 9</translation>
    </message>
    <message>
        <source>Set 10</source>
        <translation>Bloc 10</translation>
    </message>
    <message>
        <source>Fastest Times</source>
        <translation>Plus rapides</translation>
    </message>
    <message>
        <source>Set Data For Fastest Times</source>
        <translation>Temps les plus rapides des blocs</translation>
    </message>
    <message>
        <source>Slowest Times</source>
        <translation>Plus lents</translation>
    </message>
    <message>
        <source>Set Data For Slowest Times</source>
        <translation>Temps les plus lents des blocs</translation>
    </message>
    <message>
        <source>Average Times</source>
        <translation>Moyennes</translation>
    </message>
    <message>
        <source>Set Data For Average Times</source>
        <translation>Temps moyens des blocs</translation>
    </message>
    <message>
        <source>All Data</source>
        <translation>Toutes les données</translation>
    </message>
    <message>
        <source>Data Only Displayed On The Graph</source>
        <translation>Données affichées seulement sur le graphique</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Charger</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Tout effacer</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
</context>
<context>
    <name>frmLoadDisplay</name>
    <message>
        <source>Loading</source>
        <translation>Chargement</translation>
    </message>
    <message>
        <source>Loading Display Please Wait...</source>
        <translation>Chargement des résultats, veuillez patienter...</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Simple vs Complex Stimulus Reaction Timing</source>
        <translation>Temps de réaction&#xa0;: stimulus simple ou complexe</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>Simple</translation>
    </message>
    <message>
        <source>Simple Single Stimulus Module</source>
        <translation>Réaction simple à un stimulus</translation>
    </message>
    <message>
        <source>Color/Audio</source>
        <translation>Couleur/son</translation>
    </message>
    <message>
        <source>Complex Color/Audio Stimulus Module</source>
        <translation>Réaction de choix couleur et son</translation>
    </message>
    <message>
        <source>Num/Audio</source>
        <translation>Nombre/son</translation>
    </message>
    <message>
        <source>Complex Number/Audio Stimulus Module</source>
        <translation>Réaction de choix nombre et son</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Edit Brev Settings</source>
        <translation>Modifier les paramètres de Brevane</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Clear All Data Sets</source>
        <translation>Effacer tous les blocs</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>Récupérer</translation>
    </message>
    <message>
        <source>Recover Data after a system crash</source>
        <translation>Récupérer les données après un plantage du système</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Display About box</source>
        <translation>Afficher la fenêtre À propos</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Quit Brev</source>
        <translation>Quitter Brevane</translation>
    </message>
    <message>
        <source>Are you sure you want to DELETE ALL DATA ?</source>
        <translation>Voulez-vous vraiment SUPPRIMER TOUTES LES DONNÉES&#xa0;?</translation>
    </message>
    <message>
        <source>Delete All Data</source>
        <translation>Supprimer toutes les données</translation>
    </message>
    <message>
        <source>Are you sure you want to exit?</source>
        <translation>Voulez-vous vraiment quitter&#xa0;?</translation>
    </message>
    <message>
        <source>Data NOT saved!<byte value="xd"/></source>
        <translation>Données NON enregistrées&#xa0;!<byte value="xd"/></translation>
    </message>
    <message>
        <source>Exit Orv Brevane 2</source>
        <translation>Quitter Orv Brevane 2</translation>
    </message>
</context>
<context>
    <name>frmNumberReflex</name>
    <message>
        <source>Complex Choice Number/Audio Stimulus Module</source>
        <translation>Réaction de choix nombre/son</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logo</translation>
    </message>
    <message>
        <source>Complex Choice Number/Audio Stimulus</source>
        <translation>Réaction de choix nombre/son</translation>
    </message>
    <message>
        <source>Trigger On</source>
        <translation>Type de stimulus</translation>
    </message>
    <message>
        <source>Trigger Element</source>
        <translation>Élément cible</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>Press Here</source>
        <translation>Appuyez ici</translation>
    </message>
    <message>
        <source>Element Display</source>
        <translation>Affichage des éléments</translation>
    </message>
    <message>
        <source>Set Indicator</source>
        <translation>Bloc</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Temps</translation>
    </message>
    <message>
        <source>Previous Time</source>
        <translation>Temps précédent</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Différence</translation>
    </message>
    <message>
        <source>Average Time</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>Run Count</source>
        <translation>Essais</translation>
    </message>
    <message>
        <source>Correct Hits</source>
        <translation>Réponses correctes</translation>
    </message>
    <message>
        <source>Incorrect Hits</source>
        <translation>Réponses erronées</translation>
    </message>
    <message>
        <source>Correct Misses</source>
        <translation>Abstentions correctes</translation>
    </message>
    <message>
        <source>Missed Hits</source>
        <translation>Cibles manquées</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Clear Set</source>
        <translation>Vider le bloc</translation>
    </message>
    <message>
        <source>Next Set</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Prev Set</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Résultats</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
</context>
<context>
    <name>frmPrint</name>
    <message>
        <source>Print Data</source>
        <translation>Imprimer les données</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Titre&#xa0;:</translation>
    </message>
    <message>
        <source>Select Sets To Print</source>
        <translation>Choisir les blocs à imprimer</translation>
    </message>
    <message>
        <source>Set 1</source>
        <translation>Bloc 1</translation>
    </message>
    <message>
        <source>Set 2</source>
        <translation>Bloc 2</translation>
    </message>
    <message>
        <source>Set 3</source>
        <translation>Bloc 3</translation>
    </message>
    <message>
        <source>Set 4</source>
        <translation>Bloc 4</translation>
    </message>
    <message>
        <source>Set 5</source>
        <translation>Bloc 5</translation>
    </message>
    <message>
        <source>Set 6</source>
        <translation>Bloc 6</translation>
    </message>
    <message>
        <source>Set 7</source>
        <translation>Bloc 7</translation>
    </message>
    <message>
        <source>Set 8</source>
        <translation>Bloc 8</translation>
    </message>
    <message>
        <source>Set 9</source>
        <translation>Bloc 9</translation>
    </message>
    <message>
        <source>Set 10</source>
        <translation>Bloc 10</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Tous</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Configurer</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>UnSelectAll</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>SelectAll</source>
        <translation>Tous</translation>
    </message>
    <message>
        <source>You must select atleast ONE set to Print</source>
        <translation>Vous devez choisir au moins UN bloc à imprimer</translation>
    </message>
    <message>
        <source>Printing Error</source>
        <translation>Erreur d&apos;impression</translation>
    </message>
</context>
<context>
    <name>frmReflex</name>
    <message>
        <source>Simple Choice Stimulus Module</source>
        <translation>Réaction simple</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logo</translation>
    </message>
    <message>
        <source>Simple Choice Stimulus</source>
        <translation>Réaction simple</translation>
    </message>
    <message>
        <source>           Visual Trigger</source>
        <translation>          Stimulus visuel</translation>
    </message>
    <message>
        <source>Press Here</source>
        <translation>Appuyez ici</translation>
    </message>
    <message>
        <source>Stimulus</source>
        <translation>Stimulus</translation>
    </message>
    <message>
        <source>Speaker</source>
        <translation>Haut-parleur</translation>
    </message>
    <message>
        <source>Set Indicator</source>
        <translation>Bloc</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Bloc</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Temps</translation>
    </message>
    <message>
        <source>Previous Time</source>
        <translation>Temps précédent</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Différence</translation>
    </message>
    <message>
        <source>Average Time</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>Run Count</source>
        <translation>Essais</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Clear Set</source>
        <translation>Vider le bloc</translation>
    </message>
    <message>
        <source>Next Set</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Prev Set</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Résultats</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
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
        <translation>Temps de réaction&#xa0;: stimulus simple ou complexe</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>there is no translation for &quot;%1&quot;; the program is shown in English</source>
        <translation>il n&apos;y a pas de traduction pour «&#xa0;%1&#xa0;»&#xa0;; le programme est affiché en anglais</translation>
    </message>
</context>
<context>
    <name>summary</name>
    <message>
        <source>The class summary of reaction-time files (recover.dat, .nrm and .col files, or folders of them):
sets.csv, students.csv, class.csv, class-notes.txt, class-chart.pdf and class-chart.png.</source>
        <translation>La synthèse de la classe des fichiers de temps de réaction (recover.dat, fichiers .nrm et .col, ou dossiers qui en contiennent)&#xa0;:
sets.csv, students.csv, class.csv, class-notes.txt, class-chart.pdf et class-chart.png.</translation>
    </message>
    <message>
        <source>Write into &lt;folder&gt; (default: the current folder).</source>
        <translation>Écrire dans &lt;dossier&gt; (par défaut&#xa0;: le dossier courant).</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>dossier</translation>
    </message>
    <message>
        <source>The .col files are the colour test&apos;s.</source>
        <translation>Les fichiers .col sont ceux du test de couleur.</translation>
    </message>
    <message>
        <source>The .col files are the number test&apos;s.</source>
        <translation>Les fichiers .col sont ceux du test de nombres.</translation>
    </message>
    <message>
        <source>Name each student after their folder or their files&apos; names.</source>
        <translation>Nommer chaque étudiant d&apos;après son dossier ou le nom de ses fichiers.</translation>
    </message>
    <message>
        <source>Start each CSV file with a UTF-8 mark.</source>
        <translation>Commencer chaque fichier CSV par une marque UTF-8 (BOM).</translation>
    </message>
    <message>
        <source>Write again whenever a file changes, until stopped.</source>
        <translation>Réécrire à chaque modification d&apos;un fichier, jusqu&apos;à l&apos;arrêt.</translation>
    </message>
    <message>
        <source>As --watch, with the chart in a window.</source>
        <translation>Comme --watch, avec le graphique dans une fenêtre.</translation>
    </message>
    <message>
        <source>Data files and folders.</source>
        <translation>Fichiers de données et dossiers.</translation>
    </message>
    <message>
        <source>path...</source>
        <translation>chemin...</translation>
    </message>
    <message>
        <source>--colour and --number exclude each other: summarise each test&apos;s .col files apart</source>
        <translation>--colour et --number s&apos;excluent&#xa0;: faites la synthèse des fichiers .col de chaque test séparément</translation>
    </message>
    <message>
        <source>--student-from takes folder or name, not %1</source>
        <translation>--student-from prend folder ou name, pas %1</translation>
    </message>
    <message>
        <source>no file could be read; nothing written</source>
        <translation>aucun fichier n&apos;a pu être lu&#xa0;; rien n&apos;a été écrit</translation>
    </message>
    <message>
        <source>Count a folder&apos;s files as its owners handed them in (yes), or by their names (no); by default the owners decide in a hand-in folder, one that others may enter but not list.</source>
        <translation>Compter les fichiers d&apos;un dossier comme leurs propriétaires les ont déposés (yes) ou d&apos;après leurs noms (no)&#xa0;; par défaut, ce sont les propriétaires qui décident dans un dossier de dépôt, où les autres peuvent entrer sans pouvoir en lister le contenu.</translation>
    </message>
    <message>
        <source>Say whether the hand-in folder &lt;folder&gt; is set up as one of the guide&apos;s recipes, and what is wrong; nothing is summarised.</source>
        <translation>Indiquer si le dossier de dépôt &lt;dossier&gt; suit l&apos;une des recettes du guide, et ce qui ne va pas&#xa0;; rien n&apos;est synthétisé.</translation>
    </message>
    <message>
        <source>--owners takes yes or no, not %1</source>
        <translation>--owners prend yes ou no, pas %1</translation>
    </message>
</context>
</TS>
