<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>ClassChart</name>
    <message>
        <source>Class reaction times: simple against choice</source>
        <translation>Tiempos de reacción de la clase: simple frente a elección</translation>
    </message>
    <message>
        <source>One dot for each student&apos;s mean reaction time (%1): the mean of their set means, in whole ms as stored. Box: lower to upper quartile; thick line: median; whiskers: the furthest means within 1.5 box lengths.</source>
        <translation>Un punto por cada tiempo de reacción medio de un estudiante (%1): la media de sus medias de bloque, en ms enteros tal como se guardaron. Caja: del cuartil inferior al superior; línea gruesa: mediana; bigotes: las medias más alejadas dentro de 1,5 longitudes de caja.</translation>
    </message>
    <message numerus="yes">
        <source>%n student(s)</source>
        <translation>
            <numerusform>%n estudiante</numerusform>
            <numerusform>%n estudiantes</numerusform>
        </translation>
    </message>
    <message>
        <source>No reaction times in the files read</source>
        <translation>No hay tiempos de reacción en los archivos leídos</translation>
    </message>
    <message>
        <source>n = %1, mean %2 ms</source>
        <translation>n = %1, media %2 ms</translation>
    </message>
    <message>
        <source>%1 − simple: %2 ms (95 % CI %3 to %4, %5 students)</source>
        <translation>%1 − simple: %2 ms (IC del 95 % de %3 a %4, %5 estudiantes)</translation>
    </message>
    <message>
        <source>Class reaction times</source>
        <translation>Tiempos de reacción de la clase</translation>
    </message>
    <message>
        <source>Bars beside each box: every run that counts (%1 runs; class-notes.txt says which), as shares of the test&apos;s runs in bins of %2 ms.</source>
        <translation>Barras junto a cada caja: cada ensayo que cuenta (%1 ensayos; class-notes.txt indica cuáles), como proporciones de los ensayos de la prueba en intervalos de clase de %2 ms.</translation>
    </message>
    <message>
        <source>reaction time (ms)</source>
        <translation>tiempo de reacción (ms)</translation>
    </message>
</context>
<context>
    <name>ClassFiles</name>
    <message>
        <source>not a recover.dat, .nrm or .col file</source>
        <translation>no es un archivo recover.dat, .nrm ni .col</translation>
    </message>
    <message>
        <source>left out %1: a shared account&apos;s recover.dat holds whoever ran last</source>
        <translation>%1 omitido: el recover.dat de una cuenta compartida solo contiene a quien midió el último</translation>
    </message>
    <message>
        <source>a named pipe (FIFO), not read</source>
        <translation>una tubería con nombre (FIFO), no leída</translation>
    </message>
    <message>
        <source>a socket, not read</source>
        <translation>un socket, no leído</translation>
    </message>
    <message>
        <source>a device, not read</source>
        <translation>un dispositivo, no leído</translation>
    </message>
    <message>
        <source>a link, not followed in a hand-in folder</source>
        <translation>un enlace, que no se sigue en una carpeta de entrega</translation>
    </message>
    <message>
        <source>handed in by user %1 beside the students&apos; folders, not in one</source>
        <translation>entregado por el usuario %1 junto a las carpetas de los estudiantes, no dentro de una</translation>
    </message>
    <message>
        <source>no user %1 on this machine; the folder is left out</source>
        <translation>no existe el usuario %1 en este equipo; se omite la carpeta</translation>
    </message>
    <message>
        <source>the folder belongs to user %1, not %2; its files are left out</source>
        <translation>la carpeta pertenece al usuario %1, no a %2; se omiten sus archivos</translation>
    </message>
    <message>
        <source>a folder within a student&apos;s folder, not read</source>
        <translation>una carpeta dentro de la carpeta de un estudiante, no leída</translation>
    </message>
    <message>
        <source>handed in by user %1, not %2</source>
        <translation>entregado por el usuario %1, no por %2</translation>
    </message>
    <message>
        <source>in a folder of user %1, not %2</source>
        <translation>en una carpeta del usuario %1, no de %2</translation>
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
        <translation>Los equipos

Cada tiempo guardado incluye lo que añade el equipo en el que se midió: la latencia del monitor (los
estímulos de color) o de la salida de sonido (los sonidos), y la del ratón (su sondeo, su antirrebote, la ruta
de entrada). La comprobación del equipo (brevane --check-machine) las midió en cada equipo de abajo con un
fotodiodo, un cable de bucle y un micrófono a través de la tarjeta de sonido; el tiempo de reacción de un
estudiante es aproximadamente el tiempo guardado menos la latencia de la parte del estímulo y la del ratón.
En un mismo equipo no cambian una diferencia entre pruebas (elección menos simple), así que los intervalos de
confianza pareados de class.csv siguen valiendo; los tiempos de equipos con latencias distintas son más largos o
más cortos en esa diferencia. sets.csv y students.csv terminan con el equipo de cada archivo y sus latencias.

</translation>
    </message>
    <message>
        <source>%1 (checked %2; %3; files: %4): %5
</source>
        <translation>%1 (comprobado %2; %3; archivos: %4): %5
</translation>
    </message>
    <message>
        <source>mode not known</source>
        <translation>modo desconocido</translation>
    </message>
    <message>
        <source>Screen and mouse together add %1 to %2 ms on these machines: a visual time measured on
one may differ from another&apos;s by up to %3 ms from the machines alone.
</source>
        <translation>Pantalla y ratón añaden juntos de %1 a %2 ms en estos equipos: un tiempo visual medido en uno
puede diferir del de otro hasta %3 ms solo por los equipos.
</translation>
    </message>
</context>
<context>
    <name>ClassRun</name>
    <message>
        <source>skipped %1: %2</source>
        <translation>%1 omitido: %2</translation>
    </message>
    <message>
        <source>%1 is a copy of %2: read once</source>
        <translation>%1 es una copia de %2: leído una vez</translation>
    </message>
    <message>
        <source>%1 of %2 files read</source>
        <translation>%1 de %2 archivos leídos</translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>no se puede crear la carpeta %1</translation>
    </message>
    <message>
        <source>could not write %1: %2</source>
        <translation>no se pudo escribir %1: %2</translation>
    </message>
    <message>
        <source>%1 read</source>
        <translation>leídos: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n archivo</numerusform>
            <numerusform>%n archivos</numerusform>
        </translation>
    </message>
    <message>
        <source> (and %1 read once)</source>
        <translation> (y %1, leídas una sola vez)</translation>
    </message>
    <message numerus="yes">
        <source>%n copy(ies)</source>
        <translation>
            <numerusform>%n copia</numerusform>
            <numerusform>%n copias</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2 skipped; %3 (%4 by folder, %5 by file name); tests: %6</source>
        <translation>%1, omitidos: %2; %3 (%4 por carpeta, %5 por nombre de archivo); pruebas: %6</translation>
    </message>
    <message numerus="yes">
        <source>%n student(s)</source>
        <translation>
            <numerusform>%n estudiante</numerusform>
            <numerusform>%n estudiantes</numerusform>
        </translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguna</translation>
    </message>
</context>
<context>
    <name>ClassSummary</name>
    <message>
        <source>.%1 file</source>
        <translation>archivo .%1</translation>
    </message>
    <message>
        <source>it has %1 lines; a %2 has %3</source>
        <translation>tiene %1 líneas; un %2 tiene %3</translation>
    </message>
    <message>
        <source>line %1 is not what a %2 holds there</source>
        <translation>la línea %1 no es lo que un %2 contiene ahí</translation>
    </message>
    <message>
        <source>it has more than the %1 lines of a %2</source>
        <translation>tiene más de las %1 líneas de un %2</translation>
    </message>
    <message>
        <source>%1: %2 holds %3 sets that %4 holds too; each taken once</source>
        <translation>%1: %2 contiene bloques de la prueba %3 que %4 también contiene; cada uno se toma una vez</translation>
    </message>
    <message>
        <source>%1 has two different %2 files, %3 and %4: both kept as separate sets</source>
        <translation>%1 tiene dos archivos distintos de la prueba %2, %3 y %4: ambos se guardan como bloques separados</translation>
    </message>
    <message>
        <source>%1 handed in</source>
        <translation>entregas: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n student(s)</source>
        <translation>
            <numerusform>%n estudiante</numerusform>
            <numerusform>%n estudiantes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>cannot create or enter the folder %1; files are kept in %2</source>
        <translation>no se puede crear la carpeta %1 ni entrar en ella; los archivos se guardan en %2</translation>
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
        <translation>Uso: %1 [--user-folder] [--hand-in CARPETA] [--unlock] [--language CÓDIGO]
        [ARCHIVO-DE-CONFIGURACIÓN]
     %1 --timing-check | --check-machine | --version | --help

Tiempos de reacción a estímulos simples y complejos: los tiempos de reacción de
un estudiante a un sonido, a un cambio de color o a ambos, en una prueba de
reacción simple y dos pruebas de reacción de elección.

  ARCHIVO-DE-CONFIGURACIÓN
                      la configuración que se usa en lugar de %2; un nombre
                      relativo se toma en la carpeta donde se guardan los
                      archivos
  --user-folder       guardar los archivos en la carpeta del usuario, que se
                      crea si falta:
                      %3
                      (la entrada del menú del escritorio inicia así el
                      programa)
  --hand-in CARPETA   entregar también cada archivo .nrm y .col guardado y
                      cada recover.dat en CARPETA/&lt;nombre de usuario&gt;/, para
                      el docente (para todos los usuarios, en
                      /etc/xdg/Brevane/Brevane.conf; man brevane)
  --unlock            donde el laboratorio bloquea los ajustes, dejar que un
                      miembro del grupo de docentes del laboratorio los
                      cambie en esta sesión
  --timing-check      mostrar un recuadro parpadeante para un fotodiodo o una
                      cámara, con la frecuencia de refresco, la fluctuación
                      del tiempo de fotograma y las fuentes de marcas de
                      tiempo en uso (Esc o un clic lo terminan)
  --check-machine     comprobar este PC de extremo a extremo a través de la
                      entrada de su tarjeta de sonido: la pantalla con un
                      fotodiodo, el sonido con un cable desde la salida, el
                      ratón por su clic; guarda las latencias para «Acerca
                      de» y el resumen de la clase (docs/guide.md)
  --language CÓDIGO   mostrar el programa en este idioma (de, ja, ar...; en
                      inglés si no tiene traducción) en lugar del del sistema
                      o del fijado en Brevane.conf
  --version           mostrar la versión y terminar
  --help              mostrar este texto y terminar

Los archivos se guardan en el directorio actual o, con --user-folder, en la
carpeta de arriba: %2 (la configuración, que se escribe con los valores
predeterminados si falta) y recover.dat (los bloques de cada prueba, que se
reescribe al terminar cada serie; Recuperar, en el menú principal, lo vuelve a
leer). Los diálogos de archivo se abren ahí; los archivos de resultados (.nrm,
.col) van donde usted los guarde.
</translation>
    </message>
</context>
<context>
    <name>DisplayStamps</name>
    <message>
        <source>; times may be one frame long: see the guide</source>
        <translation>; los tiempos pueden ser un fotograma más largos: consulte la guía</translation>
    </message>
    <message>
        <source>The window system does not say when a frame is shown</source>
        <translation>El sistema de ventanas no indica cuándo se muestra un fotograma</translation>
    </message>
    <message>
        <source>The X server does not say when a frame is shown</source>
        <translation>El servidor X no indica cuándo se muestra un fotograma</translation>
    </message>
    <message>
        <source>XWayland shows the window through the Wayland compositor</source>
        <translation>XWayland muestra la ventana a través del compositor de Wayland</translation>
    </message>
    <message>
        <source>Some stimuli were stamped by %1</source>
        <translation>Algunos estímulos se marcaron mediante %1</translation>
    </message>
    <message>
        <source>the display&apos;s refresh</source>
        <translation>el refresco de la pantalla</translation>
    </message>
    <message>
        <source>the X server&apos;s refresh, not the pixel&apos;s</source>
        <translation>el refresco del servidor X, no el del píxel</translation>
    </message>
    <message>
        <source>the compositor&apos;s frame timings</source>
        <translation>los tiempos de fotograma del compositor</translation>
    </message>
    <message>
        <source>the screen read back</source>
        <translation>la pantalla leída de vuelta</translation>
    </message>
    <message>
        <source>the Wayland compositor&apos;s report of the frame</source>
        <translation>el informe del fotograma del compositor de Wayland</translation>
    </message>
    <message>
        <source>the hand-over to the X server</source>
        <translation>la entrega al servidor X</translation>
    </message>
    <message>
        <source>the clock after a repaint</source>
        <translation>el reloj tras un repintado</translation>
    </message>
    <message>
        <source>%1 (exact)</source>
        <translation>%1 (exacto)</translation>
    </message>
    <message>
        <source>%1 (estimated)</source>
        <translation>%1 (estimado)</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguna</translation>
    </message>
    <message>
        <source>%1 Hz</source>
        <translation>%1 Hz</translation>
    </message>
    <message>
        <source>not reported (a virtual screen)</source>
        <translation>no indicado (una pantalla virtual)</translation>
    </message>
    <message>
        <source>The Wayland compositor estimates when a frame is shown; times may be one frame long: see the guide</source>
        <translation>El compositor de Wayland estima cuándo se muestra un fotograma; los tiempos pueden ser un fotograma más largos: consulte la guía</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>Reflex Data Files (*.nrm)|*.nrm</source>
        <translation>Archivos de datos de reacción (*.nrm)|*.nrm</translation>
    </message>
    <message>
        <source>Reflex Data Files (*.col)|*.col</source>
        <translation>Archivos de datos de reacción (*.col)|*.col</translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
        File already exisits. Do you want to overwrite?</source>
        <translation><byte value="xd"/>
<byte value="xd"/>
        El archivo ya existe. ¿Desea sobrescribirlo?</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Guardar archivo</translation>
    </message>
    <message>
        <source>Save File Error</source>
        <translation>Error al guardar</translation>
    </message>
    <message>
        <source>Save Cancelled</source>
        <translation>Guardado cancelado</translation>
    </message>
    <message>
        <source>Load File Error</source>
        <translation>Error al cargar</translation>
    </message>
    <message>
        <source>Load Cancelled</source>
        <translation>Carga cancelada</translation>
    </message>
    <message>
        <source>Export to CSV</source>
        <translation>Exportar a CSV</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)|*.csv</source>
        <translation>Archivos CSV (*.csv)|*.csv</translation>
    </message>
</context>
<context>
    <name>FileRead</name>
    <message>
        <source>%1 is a folder, not a file.</source>
        <translation>%1 es una carpeta, no un archivo.</translation>
    </message>
    <message>
        <source>%1 holds %2 MB, far more than any file of this program; it was not read.</source>
        <translation>%1 ocupa %2 MB, mucho más que cualquier archivo de este programa; no se ha leído.</translation>
    </message>
    <message>
        <source>%1 is far larger than any file of this program; it was not read.</source>
        <translation>%1 es mucho mayor que cualquier archivo de este programa; no se ha leído.</translation>
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
        <translation>falta la carpeta de entrega</translation>
    </message>
    <message>
        <source>Not handed in to %1: %2.
Your file is saved on this computer; it is handed in at your next save.</source>
        <translation>No entregado en %1: %2.
Su archivo está guardado en este ordenador; se entregará la próxima vez que guarde.</translation>
    </message>
    <message>
        <source>the hand-in folder is still not answering</source>
        <translation>la carpeta de entrega sigue sin responder</translation>
    </message>
    <message>
        <source>the hand-in folder did not answer</source>
        <translation>la carpeta de entrega no respondió</translation>
    </message>
    <message>
        <source>the folder %1 in the hand-in folder is a link, not a folder</source>
        <translation>la carpeta %1 de la carpeta de entrega es un enlace, no una carpeta</translation>
    </message>
    <message>
        <source>%1 in the hand-in folder is not a folder</source>
        <translation>%1 en la carpeta de entrega no es una carpeta</translation>
    </message>
    <message>
        <source>the folder %1 in the hand-in folder belongs to another user</source>
        <translation>la carpeta %1 de la carpeta de entrega pertenece a otro usuario</translation>
    </message>
</context>
<context>
    <name>HandoutPage</name>
    <message>
        <source>beyond your median ± 3 scaled MADs of the test</source>
        <translation>fuera de su mediana ± 3 MAD escaladas de la prueba</translation>
    </message>
    <message>
        <source>beyond your mean ± 3 SD of the test</source>
        <translation>fuera de su media ± 3 DE de la prueba</translation>
    </message>
    <message>
        <source>none cut here</source>
        <translation>ninguno excluido aquí</translation>
    </message>
    <message>
        <source>Reaction times of %1</source>
        <translation>Tiempos de reacción de %1</translation>
    </message>
    <message>
        <source>Your times beside your class&apos;s (%1 students), in whole milliseconds as stored.</source>
        <translation>Sus tiempos junto a los de su clase (%1 estudiantes), en milisegundos enteros tal como se guardaron.</translation>
    </message>
    <message>
        <source>test</source>
        <translation>prueba</translation>
    </message>
    <message>
        <source>sets</source>
        <translation>bloques</translation>
    </message>
    <message>
        <source>runs that count</source>
        <translation>ensayos que cuentan</translation>
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
        <translation>anticipaciones</translation>
    </message>
    <message>
        <source>lapses</source>
        <translation>respuestas tardías</translation>
    </message>
    <message>
        <source>outliers</source>
        <translation>valores atípicos</translation>
    </message>
    <message>
        <source>Runs that count: all but missed hits, anticipations (under %1 ms), lapses (over %2 ms) and outliers (%3). mean: the mean of your set means, every time as stored. median, μ, σ, τ: your runs but missed hits, anticipations and lapses; μ, σ, τ: the ex-Gaussian fitted to them, a normal part (μ, σ) plus an exponential part of mean τ, the slow tail; from %4 runs on.</source>
        <translation>Ensayos que cuentan: todos salvo las omisiones, las anticipaciones (menos de %1 ms), las respuestas tardías (más de %2 ms) y los valores atípicos (%3). Media: la media de sus medias de bloque, cada tiempo tal como se guardó. Mediana, μ, σ, τ: sus ensayos salvo las omisiones, las anticipaciones y las respuestas tardías; μ, σ, τ: la distribución ex-gaussiana ajustada a ellos, una parte normal (μ, σ) más una parte exponencial de media τ, la cola lenta; a partir de %4 ensayos.</translation>
    </message>
    <message>
        <source>Grey: the class&apos;s runs that count; outlined: yours, each as shares of its runs. Ticks: the class&apos;s means; the dot: yours.</source>
        <translation>Gris: los ensayos que cuentan de la clase; contorno: los suyos, cada uno como proporciones de sus ensayos. Marcas: las medias de la clase; el punto: la suya.</translation>
    </message>
    <message>
        <source>No mean: none of your runs is a reaction time.</source>
        <translation>Sin media: ninguno de sus ensayos es un tiempo de reacción.</translation>
    </message>
    <message>
        <source>Your mean, %1 ms; nobody else took this test.</source>
        <translation>Su media, %1 ms; nadie más hizo esta prueba.</translation>
    </message>
    <message>
        <source>Your mean, %1 ms: of the %2 others, %3 faster, %4 slower.</source>
        <translation>Su media, %1 ms: de los otros %2, %3 más rápidos, %4 más lentos.</translation>
    </message>
</context>
<context>
    <name>Handouts</name>
    <message>
        <source>Reaction times: a page for each student</source>
        <translation>Tiempos de reacción: una página por estudiante</translation>
    </message>
</context>
<context>
    <name>Lab</name>
    <message>
        <source>The settings are locked by the lab (LockSettings in %1).</source>
        <translation>El laboratorio ha bloqueado los ajustes (LockSettings en %1).</translation>
    </message>
    <message>
        <source>Nobody may unlock the settings here: %1 names no group of teachers (Teachers in its [Lab] section).</source>
        <translation>Aquí nadie puede desbloquear los ajustes: %1 no nombra ningún grupo de docentes (Teachers en su sección [Lab]).</translation>
    </message>
    <message>
        <source>The settings are locked by the lab (LockSettings in %1); a member of the group %2 may change them by starting the program with --unlock.</source>
        <translation>El laboratorio ha bloqueado los ajustes (LockSettings en %1); un miembro del grupo %2 puede cambiarlos iniciando el programa con --unlock.</translation>
    </message>
    <message>
        <source>Only a member of the group %1 may unlock the settings with --unlock, which %2 is not; the settings stay locked.</source>
        <translation>Solo un miembro del grupo %1 puede desbloquear los ajustes con --unlock, y %2 no lo es; los ajustes siguen bloqueados.</translation>
    </message>
</context>
<context>
    <name>MachineCheck</name>
    <message>
        <source>%1 of %2 trials</source>
        <translation>%1 de %2 mediciones</translation>
    </message>
    <message>
        <source>the signal is too weak (%1): turn the input volume up, or the screen&apos;s brightness, and hold the diode flat on the patch</source>
        <translation>la señal es demasiado débil (%1): suba el volumen de entrada o el brillo de la pantalla, y sostenga el diodo plano sobre el recuadro</translation>
    </message>
    <message>
        <source>the signal is too weak (%1): turn the output and the input volume up</source>
        <translation>la señal es demasiado débil (%1): suba el volumen de salida y el de entrada</translation>
    </message>
    <message>
        <source>the clicks are too faint (%1): put the microphone closer to the mouse and turn the input volume up</source>
        <translation>los clics son demasiado débiles (%1): acerque el micrófono al ratón y suba el volumen de entrada</translation>
    </message>
    <message>
        <source>the signal is too noisy (%1): keep the room quiet, the cable short and away from the mains, and turn the input volume down if it hums</source>
        <translation>la señal tiene demasiado ruido (%1): mantenga la sala en silencio y el cable corto y lejos de la red eléctrica, y baje el volumen de entrada si zumba</translation>
    </message>
    <message>
        <source>the recording broke off (%1): close other programs that use the sound card and try again</source>
        <translation>la grabación se interrumpió (%1): cierre otros programas que usen la tarjeta de sonido e inténtelo de nuevo</translation>
    </message>
    <message>
        <source>no flash was seen in %1: is the diode on the patch and plugged into the input that records?</source>
        <translation>no se vio ningún destello en %1: ¿está el diodo sobre el recuadro y conectado a la entrada que graba?</translation>
    </message>
    <message>
        <source>no tone came back in %1: is the output looped to the input that records?</source>
        <translation>no volvió ningún sonido en %1: ¿está la salida conectada en bucle a la entrada que graba?</translation>
    </message>
    <message>
        <source>no click was heard in %1: is the microphone next to the mouse?</source>
        <translation>no se oyó ningún clic en %1: ¿está el micrófono junto al ratón?</translation>
    </message>
    <message>
        <source>too few trials (%1)</source>
        <translation>demasiado pocas mediciones (%1)</translation>
    </message>
</context>
<context>
    <name>MachineResult</name>
    <message>
        <source>it is not a machine check&apos;s result</source>
        <translation>no es el resultado de una comprobación del equipo</translation>
    </message>
    <message>
        <source>line %1 is not a part&apos;s lag</source>
        <translation>la línea %1 no es la latencia de una parte</translation>
    </message>
    <message>
        <source>it names no machine</source>
        <translation>no nombra ningún equipo</translation>
    </message>
    <message>
        <source>%1 %2 ms (SD %3)</source>
        <translation>%1 %2 ms (DE %3)</translation>
    </message>
    <message>
        <source>%1: not measured</source>
        <translation>%1: no medido</translation>
    </message>
    <message>
        <source>Machine check: not done on this machine (brevane --check-machine)</source>
        <translation>Comprobación del equipo: no realizada en este equipo (brevane --check-machine)</translation>
    </message>
    <message>
        <source>Machine check (%1, %2): %3</source>
        <translation>Comprobación del equipo (%1, %2): %3</translation>
    </message>
</context>
<context>
    <name>ProgramVersion</name>
    <message>
        <source>Version %1.%2%3</source>
        <translation>Versión %1.%2%3</translation>
    </message>
</context>
<context>
    <name>QtPrinting</name>
    <message>
        <source>The printer %1 could not be opened.</source>
        <translation>No se pudo abrir la impresora %1.</translation>
    </message>
    <message>
        <source>The printer %1 reported an error.</source>
        <translation>La impresora %1 informó de un error.</translation>
    </message>
    <message>
        <source>The PDF could not be completed.</source>
        <translation>No se pudo completar el PDF.</translation>
    </message>
    <message>
        <source>The PDF could not be started.</source>
        <translation>No se pudo iniciar el PDF.</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Configurar impresión</translation>
    </message>
</context>
<context>
    <name>RecoveryFile</name>
    <message>
        <source>The recovery file recover.dat could not be written.</source>
        <translation>No se pudo escribir el archivo de recuperación recover.dat.</translation>
    </message>
    <message>
        <source><byte value="xd"/>Your data are kept in memory.</source>
        <translation><byte value="xd"/>Sus datos se conservan en memoria.</translation>
    </message>
    <message>
        <source>Recovery File Error</source>
        <translation>Error del archivo de recuperación</translation>
    </message>
    <message>
        <source>Load Cancelled</source>
        <translation>Carga cancelada</translation>
    </message>
    <message>
        <source>No Recovery File Created or Found</source>
        <translation>No se ha creado ni encontrado ningún archivo de recuperación</translation>
    </message>
    <message>
        <source>Load File Error</source>
        <translation>Error al cargar</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Fastest Time</source>
        <translation>Tiempo más rápido</translation>
    </message>
    <message>
        <source>Slowest Time</source>
        <translation>Tiempo más lento</translation>
    </message>
    <message>
        <source>Average Time</source>
        <translation>Tiempo medio</translation>
    </message>
    <message>
        <source>Correct Hits</source>
        <translation>Aciertos</translation>
    </message>
    <message>
        <source>Correct Misses</source>
        <translation>Rechazos correctos</translation>
    </message>
    <message>
        <source>InCorrect Hits</source>
        <translation>Respuestas erróneas</translation>
    </message>
    <message>
        <source>Missed Hits</source>
        <translation>Omisiones</translation>
    </message>
    <message>
        <source>Orv Tovanel:  Color Reflex Data</source>
        <translation>Orv Tovanel:  datos de reacción (color)</translation>
    </message>
    <message>
        <source>Orv Tovanel:  Number Reflex Data</source>
        <translation>Orv Tovanel:  datos de reacción (número)</translation>
    </message>
    <message>
        <source>Set  %1</source>
        <translation>Bloque  %1</translation>
    </message>
    <message>
        <source>Comments:</source>
        <translation>Comentarios:</translation>
    </message>
    <message>
        <source>Save Report As PDF</source>
        <translation>Guardar informe como PDF</translation>
    </message>
    <message>
        <source>PDF Files|*.pdf</source>
        <translation>Archivos PDF|*.pdf</translation>
    </message>
    <message>
        <source>The file could not be written.</source>
        <translation>No se pudo escribir el archivo.</translation>
    </message>
    <message>
        <source>Print Error<byte value="xd"/></source>
        <translation>Error de impresión<byte value="xd"/></translation>
    </message>
    <message>
        <source>Print Cancelled</source>
        <translation>Impresión cancelada</translation>
    </message>
    <message>
        <source>  Slowest Time</source>
        <translation>  Tiempo más lento</translation>
    </message>
    <message>
        <source>Orv Tovanel:  Normal Reflex Data</source>
        <translation>Orv Tovanel:  datos de reacción (simple)</translation>
    </message>
</context>
<context>
    <name>ResultsKind</name>
    <message>
        <source>Complex Choice Color/Audio Stimulus Module Data Display</source>
        <translation>Reacción de elección color/sonido: resultados</translation>
    </message>
    <message>
        <source>Delete run %1 from the set? </source>
        <translation>¿Eliminar el ensayo %1 del bloque? </translation>
    </message>
    <message>
        <source>Color Reflex Data Files</source>
        <translation>Datos de reacción (color)</translation>
    </message>
    <message>
        <source>Complex Choice Number/Audio Stimulus Module Data Display</source>
        <translation>Reacción de elección número/sonido: resultados</translation>
    </message>
    <message>
        <source>Delete run %1 for the set? </source>
        <translation>¿Eliminar el ensayo %1 del bloque? </translation>
    </message>
    <message>
        <source>Number Reflex Data Files</source>
        <translation>Datos de reacción (número)</translation>
    </message>
    <message>
        <source>Simple Choice Stimulus Module Data Display</source>
        <translation>Reacción simple: resultados</translation>
    </message>
    <message>
        <source>Normal Reflex Data Files</source>
        <translation>Datos de reacción (simple)</translation>
    </message>
</context>
<context>
    <name>ResultsModel</name>
    <message>
        <source>Delete run %1 for the set? </source>
        <translation>¿Eliminar el ensayo %1 del bloque? </translation>
    </message>
    <message>
        <source>Are you sure you want to DELETE ALL DATA ?</source>
        <translation>¿Seguro que desea ELIMINAR TODOS LOS DATOS?</translation>
    </message>
    <message>
        <source>Delete All Data</source>
        <translation>Eliminar todos los datos</translation>
    </message>
</context>
<context>
    <name>RuleOptions</name>
    <message>
        <source>A time under &lt;ms&gt; is an anticipation (default: 100).</source>
        <translation>Un tiempo por debajo de &lt;ms&gt; es una anticipación (predeterminado: 100).</translation>
    </message>
    <message>
        <source>A time over &lt;ms&gt; is a lapse (default: 2000).</source>
        <translation>Un tiempo por encima de &lt;ms&gt; es una respuesta tardía (predeterminado: 2000).</translation>
    </message>
    <message>
        <source>Cut outliers beyond median +- 3 scaled MADs (mad, the default), mean +- 3 SD (sd), or not at all (none).</source>
        <translation>Excluir los valores atípicos fuera de la mediana +- 3 MAD escaladas (mad, el predeterminado), de la media +- 3 DE (sd), o no excluirlos (none).</translation>
    </message>
    <message>
        <source>Write a PDF page for each student, handout-&lt;student&gt;.pdf.</source>
        <translation>Escribir una página PDF por estudiante, handout-&lt;estudiante&gt;.pdf.</translation>
    </message>
    <message>
        <source>--%1 takes a whole number of milliseconds from %2 to %3, not %4</source>
        <translation>--%1 admite un número entero de milisegundos de %2 a %3, no %4</translation>
    </message>
    <message>
        <source>the lapse limit (%1 ms) must lie above the anticipation limit (%2 ms)</source>
        <translation>el límite de respuesta tardía (%1 ms) debe estar por encima del límite de anticipación (%2 ms)</translation>
    </message>
    <message>
        <source>--outlier-rule takes mad, sd or none, not %1</source>
        <translation>--outlier-rule admite mad, sd o none, no %1</translation>
    </message>
</context>
<context>
    <name>SessionPlatform</name>
    <message>
        <source>On Wayland: no pointer placement, and presses are stamped by the toolkit event (XWayland gives both)</source>
        <translation>En Wayland: no se coloca el puntero y las pulsaciones se marcan con el evento del toolkit (XWayland ofrece ambas cosas)</translation>
    </message>
    <message>
        <source>Wayland session: running on X through XWayland, which places the pointer and reads raw input</source>
        <translation>Sesión de Wayland: se ejecuta en X a través de XWayland, que coloca el puntero y lee la entrada en bruto</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Settings Locked</source>
        <translation>Ajustes bloqueados</translation>
    </message>
</context>
<context>
    <name>SettingsEditor</name>
    <message>
        <source>Configuration Files (*.cfg)|*.cfg</source>
        <translation>Archivos de configuración (*.cfg)|*.cfg</translation>
    </message>
    <message>
        <source>Trigger Colour</source>
        <translation>Color del estímulo</translation>
    </message>
    <message>
        <source>The trigger colour must differ from the panel&apos;s white at rest, or the stimulus is invisible.</source>
        <translation>El color del estímulo debe ser distinto del blanco del panel en reposo; si no, el estímulo es invisible.</translation>
    </message>
    <message>
        <source>Save Configuration File</source>
        <translation>Guardar archivo de configuración</translation>
    </message>
    <message>
        <source>Save File Error</source>
        <translation>Error al guardar</translation>
    </message>
    <message>
        <source>Save Cancelled</source>
        <translation>Guardado cancelado</translation>
    </message>
    <message>
        <source>Load Configuration File</source>
        <translation>Cargar archivo de configuración</translation>
    </message>
    <message>
        <source>Load File Error</source>
        <translation>Error al cargar</translation>
    </message>
    <message>
        <source>Load Cancelled</source>
        <translation>Carga cancelada</translation>
    </message>
    <message>
        <source>Configuration File Load Error</source>
        <translation>Error al cargar la configuración</translation>
    </message>
    <message>
        <source>Invalid Configuration File<byte value="xd"/>No File Loaded</source>
        <translation>Archivo de configuración no válido<byte value="xd"/>No se ha cargado ningún archivo</translation>
    </message>
</context>
<context>
    <name>ShapeChart</name>
    <message>
        <source>median of the student&apos;s runs (ms)</source>
        <translation>mediana de los ensayos del estudiante (ms)</translation>
    </message>
    <message>
        <source>τ, the slow tail (ms)</source>
        <translation>τ, la cola lenta (ms)</translation>
    </message>
    <message>
        <source>%1 of %2 students fitted
mean τ %3 ms</source>
        <translation>%1 de %2 estudiantes ajustados
τ medio %3 ms</translation>
    </message>
    <message>
        <source>%1 − simple: μ %2 ms (95 % CI %3 to %4), τ %5 ms (%6 to %7), %8 students</source>
        <translation>%1 − simple: μ %2 ms (IC del 95 % de %3 a %4), τ %5 ms (de %6 a %7), %8 estudiantes</translation>
    </message>
    <message>
        <source>The shape of each student&apos;s times</source>
        <translation>La forma de los tiempos de cada estudiante</translation>
    </message>
    <message>
        <source>One dot for each student and test with an ex-Gaussian fit (at least %1 runs that are neither anticipations nor lapses): across, the median of those runs; up, τ, the mean of the fit&apos;s exponential part: its slow tail. A test that slows every run moves the dots to the right; one that adds slow runs moves them up.</source>
        <translation>Un punto por estudiante y prueba con un ajuste ex-gaussiano (al menos %1 ensayos que no sean anticipaciones ni respuestas tardías): en horizontal, la mediana de esos ensayos; en vertical, τ, la media de la parte exponencial del ajuste: su cola lenta. Una prueba que hace más lento cada ensayo mueve los puntos a la derecha; una que añade ensayos lentos los mueve hacia arriba.</translation>
    </message>
    <message>
        <source>No student has %1 runs in a test yet: too few for a fit</source>
        <translation>Ningún estudiante tiene aún %1 ensayos en una prueba: demasiado pocos para un ajuste</translation>
    </message>
</context>
<context>
    <name>ShareCheck</name>
    <message>
        <source>cannot look at %1 (%2)</source>
        <translation>no se puede examinar %1 (%2)</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 no es una carpeta</translation>
    </message>
    <message>
        <source>cannot list %1 (%2): run this as a member of its group or as root</source>
        <translation>no se puede listar %1 (%2): ejecute esto como miembro de su grupo o como root</translation>
    </message>
    <message>
        <source>1 student&apos;s folder</source>
        <translation>1 carpeta de estudiante</translation>
    </message>
    <message>
        <source>%1 students&apos; folders</source>
        <translation>%1 carpetas de estudiantes</translation>
    </message>
    <message>
        <source>%1: %2, all as the recipe has them</source>
        <translation>%1: %2, todo como indica la receta</translation>
    </message>
    <message>
        <source>%1: %2; 1 thing to put right</source>
        <translation>%1: %2; 1 cosa que corregir</translation>
    </message>
    <message>
        <source>%1: %2; %3 things to put right</source>
        <translation>%1: %2; %3 cosas que corregir</translation>
    </message>
    <message>
        <source>%1: the guide&apos;s first recipe, one group folder (mode 3773), group %2</source>
        <translation>%1: la primera receta de la guía, una carpeta de grupo (modo 3773), grupo %2</translation>
    </message>
    <message>
        <source>%1: the guide&apos;s second recipe, a folder per student (mode 0751), group %2</source>
        <translation>%1: la segunda receta de la guía, una carpeta por estudiante (modo 0751), grupo %2</translation>
    </message>
    <message>
        <source>%1 has the mode %2, not %3</source>
        <translation>%1 tiene el modo %2, no %3</translation>
    </message>
    <message>
        <source>every user may list %1 and see who handed in: take the others&apos; r away</source>
        <translation>cualquier usuario puede listar %1 y ver quién ha entregado: quite la r a los demás</translation>
    </message>
    <message>
        <source>without the sticky bit a student may rename or remove another&apos;s folder</source>
        <translation>sin el bit sticky, un estudiante puede renombrar o eliminar la carpeta de otro</translation>
    </message>
    <message>
        <source>without the setgid bit the students&apos; new folders do not get the group %1, and the teachers cannot read them</source>
        <translation>sin el bit setgid, las carpetas nuevas de los estudiantes no reciben el grupo %1 y los docentes no pueden leerlas</translation>
    </message>
    <message>
        <source>the students cannot %1 their folders in %2</source>
        <translation>los estudiantes no pueden %1 sus carpetas en %2</translation>
    </message>
    <message>
        <source>make</source>
        <translation>crear</translation>
    </message>
    <message>
        <source>reach</source>
        <translation>alcanzar</translation>
    </message>
    <message>
        <source>the group %1 cannot list %2, so the teachers do not see the folders</source>
        <translation>el grupo %1 no puede listar %2, así que los docentes no ven las carpetas</translation>
    </message>
    <message>
        <source>%1 belongs to user %2, not root: %2 may rename or remove every student&apos;s folder</source>
        <translation>%1 pertenece al usuario %2, no a root: %2 puede renombrar o eliminar la carpeta de cualquier estudiante</translation>
    </message>
    <message>
        <source>%1 is a link, not a student&apos;s folder: remove it (hand-ins through it are refused)</source>
        <translation>%1 es un enlace, no la carpeta de un estudiante: elimínelo (las entregas a través de él se rechazan)</translation>
    </message>
    <message>
        <source>%1 is no student&apos;s folder, and belongs to user %2: remove it</source>
        <translation>%1 no es la carpeta de ningún estudiante y pertenece al usuario %2: elimínelo</translation>
    </message>
    <message>
        <source>%1: there is no user %2 on this machine</source>
        <translation>%1: no existe el usuario %2 en este equipo</translation>
    </message>
    <message>
        <source>%1 belongs to user %2, not %3: remove it, or %3&apos;s hand-ins are refused</source>
        <translation>%1 pertenece al usuario %2, no a %3: elimínelo, o se rechazarán las entregas de %3</translation>
    </message>
    <message>
        <source>%1 has the group %2, not %3: the teachers cannot read it</source>
        <translation>%1 tiene el grupo %2, no %3: los docentes no pueden leerlo</translation>
    </message>
    <message>
        <source>%1 has the mode %2, not 0750%3</source>
        <translation>%1 tiene el modo %2, no 0750%3</translation>
    </message>
    <message>
        <source>: every user may read %1&apos;s files</source>
        <translation>: cualquier usuario puede leer los archivos de %1</translation>
    </message>
    <message>
        <source>%1 is in the group %2, and so may read every student&apos;s folder</source>
        <translation>%1 está en el grupo %2 y por eso puede leer la carpeta de cualquier estudiante</translation>
    </message>
    <message>
        <source>%1 is a link, which the summary does not follow: remove it</source>
        <translation>%1 es un enlace, que el resumen no sigue: elimínelo</translation>
    </message>
    <message>
        <source>%1 is a FIFO, a socket or a device, which the summary does not read: remove it</source>
        <translation>%1 es un FIFO, un socket o un dispositivo, que el resumen no lee: elimínelo</translation>
    </message>
    <message>
        <source>%1 belongs to user %2, not to the folder&apos;s student</source>
        <translation>%1 pertenece al usuario %2, no al estudiante de la carpeta</translation>
    </message>
    <message>
        <source>every user may read %1</source>
        <translation>cualquier usuario puede leer %1</translation>
    </message>
</context>
<context>
    <name>SimpleEngine</name>
    <message>
        <source>            Audio Trigger</source>
        <translation>        Estímulo auditivo</translation>
    </message>
    <message>
        <source>           Visual Trigger</source>
        <translation>          Estímulo visual</translation>
    </message>
    <message>
        <source>     Audio/Visual Trigger</source>
        <translation> Estímulo auditivo/visual</translation>
    </message>
    <message>
        <source>The sound device &quot;%1&quot; could not be opened.</source>
        <translation>No se pudo abrir el dispositivo de sonido «%1».</translation>
    </message>
    <message>
        <source><byte value="xd"/>An audio trigger needs it: choose a visual trigger in Options.</source>
        <translation><byte value="xd"/>Un estímulo auditivo lo necesita: elija un estímulo visual en Opciones.</translation>
    </message>
    <message>
        <source>No Sound Device</source>
        <translation>No hay dispositivo de sonido</translation>
    </message>
    <message>
        <source><byte value="xd"/>The series runs with the colour alone.</source>
        <translation><byte value="xd"/>La serie se realiza solo con el color.</translation>
    </message>
</context>
<context>
    <name>SoundCapture</name>
    <message>
        <source>the sound card has no input to record from (%1)</source>
        <translation>la tarjeta de sonido no tiene ninguna entrada desde la que grabar (%1)</translation>
    </message>
    <message>
        <source>the sound card&apos;s input cannot record mono at %1 Hz (%2)</source>
        <translation>la entrada de la tarjeta de sonido no puede grabar en mono a %1 Hz (%2)</translation>
    </message>
    <message>
        <source>no PipeWire server answers</source>
        <translation>no responde ningún servidor PipeWire</translation>
    </message>
    <message>
        <source>PipeWire has no input to record from</source>
        <translation>PipeWire no tiene ninguna entrada desde la que grabar</translation>
    </message>
    <message>
        <source>no PulseAudio server answers</source>
        <translation>no responde ningún servidor PulseAudio</translation>
    </message>
    <message>
        <source>PulseAudio has no input to record from</source>
        <translation>PulseAudio no tiene ninguna entrada desde la que grabar</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>the built-in defaults</source>
        <translation>los valores predeterminados integrados</translation>
    </message>
    <message>
        <source>, locked by the lab</source>
        <translation>, bloqueada por el laboratorio</translation>
    </message>
    <message>
        <source>Settings Locked</source>
        <translation>Ajustes bloqueados</translation>
    </message>
    <message>
        <source>The configuration file %1 is not read: the lab locks the settings (LockSettings in %2).</source>
        <translation>El archivo de configuración %1 no se lee: el laboratorio bloquea los ajustes (LockSettings en %2).</translation>
    </message>
    <message>
        <source>Loading the class configuration ...</source>
        <translation>Cargando la configuración de la clase ...</translation>
    </message>
    <message>
        <source>the class configuration %1</source>
        <translation>la configuración de la clase %1</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>no existe ese archivo</translation>
    </message>
    <message>
        <source>Class Configuration</source>
        <translation>Configuración de la clase</translation>
    </message>
    <message>
        <source>The class configuration %1 that %2 names cannot be read (%3); the configuration of this computer is used instead.</source>
        <translation>No se puede leer la configuración de la clase %1 que nombra %2 (%3); se usa en su lugar la configuración de este ordenador.</translation>
    </message>
</context>
<context>
    <name>StartupSequence</name>
    <message>
        <source>the screen is smaller than 800 x 600; the program ends</source>
        <translation>la pantalla es menor que 800 x 600; el programa termina</translation>
    </message>
    <message>
        <source>Fatal Application Error</source>
        <translation>Error grave de la aplicación</translation>
    </message>
    <message>
        <source>Orv Brevane supports a minimum screen resolution of 800 x 600</source>
        <translation>Orv Brevane requiere una resolución de pantalla mínima de 800 x 600</translation>
    </message>
    <message>
        <source>Press OK to terminate program</source>
        <translation>Pulse Aceptar para terminar el programa</translation>
    </message>
    <message>
        <source>Loading default configuration file ...</source>
        <translation>Cargando el archivo de configuración predeterminado ...</translation>
    </message>
    <message>
        <source>Initializing application ...</source>
        <translation>Iniciando la aplicación ...</translation>
    </message>
    <message>
        <source>Initializing application ... Almost Done</source>
        <translation>Iniciando la aplicación ... casi listo</translation>
    </message>
    <message>
        <source>not a configuration file</source>
        <translation>no es un archivo de configuración</translation>
    </message>
    <message>
        <source>Loading user configuration file ...</source>
        <translation>Cargando el archivo de configuración del usuario ...</translation>
    </message>
    <message>
        <source>%1: no such configuration file; using the default configuration</source>
        <translation>%1: no existe ese archivo de configuración; se usa la configuración predeterminada</translation>
    </message>
    <message>
        <source>Configuration load error</source>
        <translation>Error al cargar la configuración</translation>
    </message>
    <message>
        <source>File %1 could not be found</source>
        <translation>No se encontró el archivo %1</translation>
    </message>
    <message>
        <source>Using Default Configuration</source>
        <translation>Se usa la configuración predeterminada</translation>
    </message>
    <message>
        <source>%1: cannot read the configuration (%2); using the default configuration</source>
        <translation>%1: no se puede leer la configuración (%2); se usa la configuración predeterminada</translation>
    </message>
    <message>
        <source>Configuration Error</source>
        <translation>Error de configuración</translation>
    </message>
    <message>
        <source>Invalid Configuration File</source>
        <translation>Archivo de configuración no válido</translation>
    </message>
    <message>
        <source>Using Default Configuration File</source>
        <translation>Se usa el archivo de configuración predeterminado</translation>
    </message>
    <message>
        <source>%1: not found; writing one with the defaults</source>
        <translation>%1: no encontrado; se escribe uno con los valores predeterminados</translation>
    </message>
    <message>
        <source>Configuration file not found</source>
        <translation>No se encontró el archivo de configuración</translation>
    </message>
    <message>
        <source>Default configuration file not found...</source>
        <translation>No se encontró el archivo de configuración predeterminado...</translation>
    </message>
    <message>
        <source>Creating Reflex.Cfg</source>
        <translation>Creando Reflex.Cfg</translation>
    </message>
    <message>
        <source>The refused file was kept as %1</source>
        <translation>El archivo rechazado se guardó como %1</translation>
    </message>
    <message>
        <source>it could not be written</source>
        <translation>no se pudo escribir</translation>
    </message>
    <message>
        <source>%1: cannot read the configuration (%2); writing a new one with the defaults</source>
        <translation>%1: no se puede leer la configuración (%2); se escribe una nueva con los valores predeterminados</translation>
    </message>
    <message>
        <source>%1: cannot read the configuration (%2); writing a new one with the defaults (the refused file is kept beside it as %3)</source>
        <translation>%1: no se puede leer la configuración (%2); se escribe una nueva con los valores predeterminados (el archivo rechazado se conserva al lado como %3)</translation>
    </message>
    <message>
        <source>Invalid Default Configuration File</source>
        <translation>Archivo de configuración predeterminado no válido</translation>
    </message>
    <message>
        <source>Creating New Configuration File</source>
        <translation>Creando un archivo de configuración nuevo</translation>
    </message>
    <message>
        <source>%1: cannot be written; the defaults are used until the program ends</source>
        <translation>%1: no se puede escribir; se usan los valores predeterminados hasta que termine el programa</translation>
    </message>
</context>
<context>
    <name>TestCore</name>
    <message>
        <source>Over write Data in Set %1 ?</source>
        <translation>¿Sobrescribir los datos del bloque %1?</translation>
    </message>
    <message>
        <source>Start Reflex Data Collection</source>
        <translation>Iniciar la medición de reacciones</translation>
    </message>
    <message>
        <source>Your run has ended</source>
        <translation>Su serie ha terminado</translation>
    </message>
    <message>
        <source>END RUN</source>
        <translation>FIN DE LA SERIE</translation>
    </message>
</context>
<context>
    <name>XDisplay</name>
    <message>
        <source>a compositing manager</source>
        <translation>un gestor de composición</translation>
    </message>
</context>
<context>
    <name>brevane::ChoiceWindow</name>
    <message>
        <source>With Sound</source>
        <translation>Con sonido</translation>
    </message>
    <message>
        <source>No Sound</source>
        <translation>Sin sonido</translation>
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
        <translation>&amp;Omitir esta parte</translation>
    </message>
    <message>
        <source>Sa&amp;ve the result</source>
        <translation>&amp;Guardar el resultado</translation>
    </message>
    <message>
        <source>Brevane Machine Check</source>
        <translation>Comprobación del equipo de Brevane</translation>
    </message>
    <message>
        <source>Flashing patch</source>
        <translation>Recuadro parpadeante</translation>
    </message>
    <message>
        <source>Machine check guide</source>
        <translation>Guía de la comprobación del equipo</translation>
    </message>
    <message>
        <source>Machine check: what this PC adds to every time a student measures on it.

The sound card&apos;s input is the clock: it hears the screen through a photodiode, the sound through a cable from the output, and the mouse through a microphone, and the program compares what it heard with its own stamps. Three parts, each about half a minute; skip any you cannot do. Each part gives the mean, the spread (SD) and the worst of its trials.

Press Start (or Return) to begin with the screen; Esc ends the check.</source>
        <translation>Comprobación del equipo: lo que este PC añade a cada tiempo que un estudiante mide en él.

La entrada de la tarjeta de sonido es el reloj: oye la pantalla a través de un fotodiodo, el sonido a través de un cable desde la salida y el ratón a través de un micrófono, y el programa compara lo que oyó con sus propias marcas de tiempo. Tres partes, de medio minuto cada una aproximadamente; omita las que no pueda hacer. Cada parte da la media, la dispersión (DE) y la peor de sus mediciones.

Pulse Iniciar (o Intro) para empezar por la pantalla; Esc termina la comprobación.</translation>
    </message>
    <message>
        <source>No input to record from: %1.
Plug a cable or a microphone into the sound card&apos;s input (line-in or microphone), make it the input in the sound settings, and start the check again.</source>
        <translation>No hay ninguna entrada desde la que grabar: %1.
Conecte un cable o un micrófono a la entrada de la tarjeta de sonido (entrada de línea o de micrófono), selecciónela como entrada en los ajustes de sonido y vuelva a iniciar la comprobación.</translation>
    </message>
    <message>
        <source>

Clicks: %1 of %2</source>
        <translation>

Clics: %1 de %2</translation>
    </message>
    <message>
        <source>Screen: a photodiode held on the flashing patch.
You need a BPW34 photodiode (or any small silicon photodiode, a few euros) soldered to a 3.5 mm plug. On a line-in: the diode&apos;s anode to the tip, its cathode (the marked side) to the sleeve. On a microphone input, which feeds a few volts through the tip: the cathode to the tip, the anode to the sleeve. Set the input volume to about half.
Tape the diode flat on the middle of the patch below, the screen at the brightness the students use, the room light as in class. Press Start: the patch flashes %1 times, once a second.</source>
        <translation>Pantalla: un fotodiodo sobre el recuadro parpadeante.
Necesita un fotodiodo BPW34 (o cualquier fotodiodo de silicio pequeño, de pocos euros) soldado a un conector de 3,5 mm. En una entrada de línea: el ánodo del diodo a la punta y su cátodo (el lado marcado) a la malla. En una entrada de micrófono, que alimenta unos voltios por la punta: el cátodo a la punta y el ánodo a la malla. Ponga el volumen de entrada a la mitad más o menos.
Fije con cinta el diodo plano en el centro del recuadro de abajo, con la pantalla al brillo que usan los estudiantes y la luz de la sala como en clase. Pulse Iniciar: el recuadro parpadea %1 veces, una por segundo.</translation>
    </message>
    <message>
        <source>Sound: the output looped to the input.
Plug a cable from the headphone socket into the line-in (or hold the headset&apos;s microphone at its speaker), the volume as in class. Press Start: %1 tones, one a second.</source>
        <translation>Sonido: la salida conectada en bucle a la entrada.
Conecte un cable de la toma de auriculares a la entrada de línea (o sostenga el micrófono del auricular junto a su altavoz), con el volumen como en clase. Pulse Iniciar: %1 sonidos, uno por segundo.</translation>
    </message>
    <message>
        <source>Mouse: each button&apos;s click, heard by a microphone next to the mouse.
Put the microphone within 5 cm of the mouse&apos;s buttons: sound travels about 0.03 ms a centimetre, so 5 cm add 0.15 ms to what is measured, 30 cm almost 1 ms. Keep the room quiet. Press Start, then click the left button %1 times in the grey square, about once a second. Each mouse you click is measured on its own.</source>
        <translation>Ratón: el clic de cada botón, oído por un micrófono junto al ratón.
Ponga el micrófono a menos de 5 cm de los botones del ratón: el sonido tarda unos 0,03 ms por centímetro, así que 5 cm añaden 0,15 ms a lo medido y 30 cm casi 1 ms. Mantenga la sala en silencio. Pulse Iniciar y luego haga clic %1 veces con el botón izquierdo en el cuadro gris, más o menos una vez por segundo. Cada ratón con el que haga clic se mide por separado.</translation>
    </message>
    <message>
        <source>The machine check is done.

%1

Save keeps the result on this machine: the about box and the timing check show it, and it goes with the students&apos; files to the hand-in folder, where brevane-summary reads it.</source>
        <translation>La comprobación del equipo ha terminado.

%1

Guardar conserva el resultado en este equipo: «Acerca de» y la comprobación de tiempos lo muestran, y acompaña a los archivos de los estudiantes a la carpeta de entrega, donde brevane-summary lo lee.</translation>
    </message>
    <message>
        <source>%1: skipped</source>
        <translation>%1: omitida</translation>
    </message>
    <message>
        <source>

Measuring...</source>
        <translation>

Midiendo...</translation>
    </message>
    <message>
        <source>

Flashes: %1 of %2</source>
        <translation>

Destellos: %1 de %2</translation>
    </message>
    <message>
        <source>

Tones: %1 of %2</source>
        <translation>

Sonidos: %1 de %2</translation>
    </message>
    <message>
        <source>%1: mean %2 ms, SD %3 ms, worst %4 ms over %5 of %6 trials</source>
        <translation>%1: media %2 ms, DE %3 ms, peor %4 ms en %5 de %6 mediciones</translation>
    </message>
    <message>
        <source>%1: refused: %2</source>
        <translation>%1: rechazada: %2</translation>
    </message>
    <message>
        <source>&amp;Finish</source>
        <translation>&amp;Terminar</translation>
    </message>
    <message>
        <source>&amp;Next part</source>
        <translation>Parte &amp;siguiente</translation>
    </message>
    <message>
        <source>

Press %1 (Return) to go on.</source>
        <translation>

Pulse %1 (Intro) para continuar.</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Terminar</translation>
    </message>
    <message>
        <source>Next part</source>
        <translation>Parte siguiente</translation>
    </message>
    <message>
        <source>Saved to %1.
For every user of this machine, copy it to /etc/xdg/Brevane/machine-check.txt (as root). Esc ends the check.</source>
        <translation>Guardado en %1.
Para todos los usuarios de este equipo, cópielo en /etc/xdg/Brevane/machine-check.txt (como root). Esc termina la comprobación.</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <translation>No se pudo guardar %1: %2</translation>
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
        <translation>Tiempos</translation>
    </message>
    <message>
        <source>Set %1</source>
        <translation>Bloque %1</translation>
    </message>
</context>
<context>
    <name>brevane::TimingCheckWindow</name>
    <message>
        <source>Brevane Timing Check</source>
        <translation>Comprobación de tiempos de Brevane</translation>
    </message>
    <message>
        <source>Flashing patch</source>
        <translation>Recuadro parpadeante</translation>
    </message>
    <message>
        <source>Timing readout</source>
        <translation>Lectura de tiempos</translation>
    </message>
    <message>
        <source>Frames: measuring...</source>
        <translation>Fotogramas: midiendo...</translation>
    </message>
    <message>
        <source>Frames stamped at %L1 Hz (one every %L2 ms)
Frame time jitter: SD %L3 ms, worst %L4 ms, %5 late of the last %6</source>
        <translation>Fotogramas marcados a %L1 Hz (uno cada %L2 ms)
Fluctuación del tiempo de fotograma: DE %L3 ms, peor %L4 ms, %5 tardíos de los últimos %6</translation>
    </message>
    <message>
        <source>
Times may be one frame long: see the guide</source>
        <translation>
Los tiempos pueden ser un fotograma más largos: consulte la guía</translation>
    </message>
    <message>
        <source>Timing check: Esc or a click ends it
Refresh reported by the screen: %L1 Hz; the monitor&apos;s mode: %2
%3
Stamp sources: display %4, input %5, sound %6
Compositor: %7; stimulus stamps: %8%9
The patch turns every %10 frames (frame %11)
%12</source>
        <translation>Comprobación de tiempos: Esc o un clic la terminan
Refresco indicado por la pantalla: %L1 Hz; modo del monitor: %2
%3
Fuentes de marcas de tiempo: pantalla %4, entrada %5, sonido %6
Compositor: %7; marcas de los estímulos: %8%9
El recuadro cambia cada %10 fotogramas (fotograma %11)
%12</translation>
    </message>
</context>
<context>
    <name>brevane::frmAbout</name>
    <message>
        <source>Release %1</source>
        <translation>Revisión %1</translation>
    </message>
    <message>
        <source>Configuration: %1</source>
        <translation>Configuración: %1</translation>
    </message>
</context>
<context>
    <name>brevane::frmColorSelect</name>
    <message>
        <source>Black</source>
        <translation>Negro</translation>
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
        <translation>Cian</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarillo</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanco</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Gris</translation>
    </message>
    <message>
        <source>Light Blue</source>
        <translation>Azul claro</translation>
    </message>
    <message>
        <source>Light Green</source>
        <translation>Verde claro</translation>
    </message>
    <message>
        <source>Light Cyan</source>
        <translation>Cian claro</translation>
    </message>
    <message>
        <source>Light Red</source>
        <translation>Rojo claro</translation>
    </message>
    <message>
        <source>Light Magenta</source>
        <translation>Magenta claro</translation>
    </message>
    <message>
        <source>Light Yellow</source>
        <translation>Amarillo claro</translation>
    </message>
    <message>
        <source>Bright White</source>
        <translation>Blanco brillante</translation>
    </message>
</context>
<context>
    <name>brevane::frmMain</name>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
</context>
<context>
    <name>brevane::summary::ClassChartWindow</name>
    <message>
        <source>Class reaction times</source>
        <translation>Tiempos de reacción de la clase</translation>
    </message>
    <message>
        <source>Handed in</source>
        <translation>Entregados</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About Brevane</source>
        <translation>Acerca de Brevane</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logotipo</translation>
    </message>
    <message>
        <source>Simple vs Complex Stimulus Reaction Timing</source>
        <translation>Tiempos de reacción a estímulos simples y complejos</translation>
    </message>
    <message>
        <source>Orv Brevane 2</source>
        <translation>Orv Brevane 2</translation>
    </message>
    <message>
        <source>For Linux with X11 and Wayland</source>
        <translation>Para Linux con X11 y Wayland</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Temporizador</translation>
    </message>
    <message>
        <source>Reaction timing for student laboratory courses</source>
        <translation>Medición de tiempos de reacción para prácticas de laboratorio de estudiantes</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>Your files are kept in:</source>
        <translation>Sus archivos se guardan en:</translation>
    </message>
    <message>
        <source>Language: English</source>
        <comment>The language this translation is: translators name their own language, in it</comment>
        <translation>Idioma: español</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>frmCfg</name>
    <message>
        <source>Brevane Settings</source>
        <translation>Ajustes de Brevane</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>Simple</translation>
    </message>
    <message>
        <source>Simple Single Choice Settings</source>
        <translation>Ajustes: reacción simple</translation>
    </message>
    <message>
        <source>Runs Per Set</source>
        <translation>Ensayos por bloque</translation>
    </message>
    <message>
        <source>Trigger On</source>
        <translation>Tipo de estímulo</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>Visual</source>
        <translation>Visual</translation>
    </message>
    <message>
        <source>Trigger Color</source>
        <translation>Color del estímulo</translation>
    </message>
    <message>
        <source>Color of the visual stimulus: click to choose another</source>
        <translation>Color del estímulo visual: haga clic para elegir otro</translation>
    </message>
    <message>
        <source>Interval Timing</source>
        <translation>Intervalo</translation>
    </message>
    <message>
        <source>Random Interval</source>
        <translation>Intervalo aleatorio</translation>
    </message>
    <message>
        <source>Fixed Interval</source>
        <translation>Intervalo fijo</translation>
    </message>
    <message>
        <source>Fixed Time Interval</source>
        <translation>Intervalo de tiempo fijo</translation>
    </message>
    <message>
        <source>Minimum Time Interval</source>
        <translation>Intervalo de tiempo mínimo</translation>
    </message>
    <message>
        <source>Color/Audio</source>
        <translation>Color/sonido</translation>
    </message>
    <message>
        <source>Complex Choice Color/Audio Settings</source>
        <translation>Ajustes: reacción de elección color/sonido</translation>
    </message>
    <message>
        <source>Display Time</source>
        <translation>Tiempo de presentación</translation>
    </message>
    <message>
        <source>Color and Audio</source>
        <translation>Color y sonido</translation>
    </message>
    <message>
        <source>Color no Audio</source>
        <translation>Color sin sonido</translation>
    </message>
    <message>
        <source>Make Sound</source>
        <translation>Emitir sonido</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Elements</source>
        <translation>Elementos</translation>
    </message>
    <message>
        <source>Elements in Set</source>
        <translation>Elementos en el bloque</translation>
    </message>
    <message>
        <source>Trigger Element</source>
        <translation>Elemento objetivo</translation>
    </message>
    <message>
        <source>Trigger Element Color</source>
        <translation>Color del elemento objetivo</translation>
    </message>
    <message>
        <source>Color of the trigger element: click to choose another</source>
        <translation>Color del elemento objetivo: haga clic para elegir otro</translation>
    </message>
    <message>
        <source>Element</source>
        <translation>Elemento</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Choose the color of this element</source>
        <translation>Elegir el color de este elemento</translation>
    </message>
    <message>
        <source>Element Colors</source>
        <translation>Colores de los elementos</translation>
    </message>
    <message>
        <source>Element 1 Color</source>
        <translation>Color del elemento 1</translation>
    </message>
    <message>
        <source>Color of element 1: click to choose another (grey: not in use)</source>
        <translation>Color del elemento 1: haga clic para elegir otro (gris: no se usa)</translation>
    </message>
    <message>
        <source>Element 2 Color</source>
        <translation>Color del elemento 2</translation>
    </message>
    <message>
        <source>Color of element 2: click to choose another (grey: not in use)</source>
        <translation>Color del elemento 2: haga clic para elegir otro (gris: no se usa)</translation>
    </message>
    <message>
        <source>Element 3 Color</source>
        <translation>Color del elemento 3</translation>
    </message>
    <message>
        <source>Color of element 3: click to choose another (grey: not in use)</source>
        <translation>Color del elemento 3: haga clic para elegir otro (gris: no se usa)</translation>
    </message>
    <message>
        <source>Element 4 Color</source>
        <translation>Color del elemento 4</translation>
    </message>
    <message>
        <source>Color of element 4: click to choose another (grey: not in use)</source>
        <translation>Color del elemento 4: haga clic para elegir otro (gris: no se usa)</translation>
    </message>
    <message>
        <source>Element 5 Color</source>
        <translation>Color del elemento 5</translation>
    </message>
    <message>
        <source>Color of element 5: click to choose another (grey: not in use)</source>
        <translation>Color del elemento 5: haga clic para elegir otro (gris: no se usa)</translation>
    </message>
    <message>
        <source>Element 6 Color</source>
        <translation>Color del elemento 6</translation>
    </message>
    <message>
        <source>Color of element 6: click to choose another (grey: not in use)</source>
        <translation>Color del elemento 6: haga clic para elegir otro (gris: no se usa)</translation>
    </message>
    <message>
        <source>Element 7 Color</source>
        <translation>Color del elemento 7</translation>
    </message>
    <message>
        <source>Color of element 7: click to choose another (grey: not in use)</source>
        <translation>Color del elemento 7: haga clic para elegir otro (gris: no se usa)</translation>
    </message>
    <message>
        <source>Element 8 Color</source>
        <translation>Color del elemento 8</translation>
    </message>
    <message>
        <source>Color of element 8: click to choose another (grey: not in use)</source>
        <translation>Color del elemento 8: haga clic para elegir otro (gris: no se usa)</translation>
    </message>
    <message>
        <source>Element 9 Color</source>
        <translation>Color del elemento 9</translation>
    </message>
    <message>
        <source>Color of element 9: click to choose another (grey: not in use)</source>
        <translation>Color del elemento 9: haga clic para elegir otro (gris: no se usa)</translation>
    </message>
    <message>
        <source>Element 10 Color</source>
        <translation>Color del elemento 10</translation>
    </message>
    <message>
        <source>Color of element 10: click to choose another (grey: not in use)</source>
        <translation>Color del elemento 10: haga clic para elegir otro (gris: no se usa)</translation>
    </message>
    <message>
        <source>Num/Audio</source>
        <translation>Número/sonido</translation>
    </message>
    <message>
        <source>Complex Choice Numbers/Audio Settings</source>
        <translation>Ajustes: reacción de elección número/sonido</translation>
    </message>
    <message>
        <source>Number and Audio</source>
        <translation>Número y sonido</translation>
    </message>
    <message>
        <source>Number no Audio</source>
        <translation>Número sin sonido</translation>
    </message>
    <message>
        <source>Trigger Number</source>
        <translation>Número objetivo</translation>
    </message>
    <message>
        <source>The number of the trigger element</source>
        <translation>El número del elemento objetivo</translation>
    </message>
    <message>
        <source>Element Number</source>
        <translation>Número del elemento</translation>
    </message>
    <message>
        <source>The number of this element (0 to 99)</source>
        <translation>El número de este elemento (0 a 99)</translation>
    </message>
    <message>
        <source>Element Numbers</source>
        <translation>Números de los elementos</translation>
    </message>
    <message>
        <source>Element 1 Number</source>
        <translation>Número del elemento 1</translation>
    </message>
    <message>
        <source>Element 2 Number</source>
        <translation>Número del elemento 2</translation>
    </message>
    <message>
        <source>Element 3 Number</source>
        <translation>Número del elemento 3</translation>
    </message>
    <message>
        <source>Element 4 Number</source>
        <translation>Número del elemento 4</translation>
    </message>
    <message>
        <source>Element 5 Number</source>
        <translation>Número del elemento 5</translation>
    </message>
    <message>
        <source>Element 6 Number</source>
        <translation>Número del elemento 6</translation>
    </message>
    <message>
        <source>Element 7 Number</source>
        <translation>Número del elemento 7</translation>
    </message>
    <message>
        <source>Element 8 Number</source>
        <translation>Número del elemento 8</translation>
    </message>
    <message>
        <source>Element 9 Number</source>
        <translation>Número del elemento 9</translation>
    </message>
    <message>
        <source>Element 10 Number</source>
        <translation>Número del elemento 10</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>Master volume of the speakers</source>
        <translation>Volumen general de los altavoces</translation>
    </message>
    <message>
        <source>Volume Setting</source>
        <translation>Ajuste del volumen</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Ca&amp;ncelar</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Restablecer</translation>
    </message>
    <message>
        <source>Back to the configuration loaded at start-up</source>
        <translation>Volver a la configuración cargada al inicio</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Cargar</translation>
    </message>
    <message>
        <source>Load a configuration file</source>
        <translation>Cargar un archivo de configuración</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save the configuration to a file</source>
        <translation>Guardar la configuración en un archivo</translation>
    </message>
</context>
<context>
    <name>frmChoiceReflexDisplay</name>
    <message>
        <source>Complex Choice Color/Audio Stimulus Module Data Display</source>
        <translation>Reacción de elección color/sonido: resultados</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logotipo</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versión</translation>
    </message>
    <message>
        <source>Set 1</source>
        <translation>Bloque 1</translation>
    </message>
    <message>
        <source>Run Data</source>
        <translation>Ensayos</translation>
    </message>
    <message>
        <source>Run 1</source>
        <translation>Ensayo 1</translation>
    </message>
    <message>
        <source>Run 2</source>
        <translation>Ensayo 2</translation>
    </message>
    <message>
        <source>Run 3</source>
        <translation>Ensayo 3</translation>
    </message>
    <message>
        <source>Run 4</source>
        <translation>Ensayo 4</translation>
    </message>
    <message>
        <source>Run 5</source>
        <translation>Ensayo 5</translation>
    </message>
    <message>
        <source>Run 6</source>
        <translation>Ensayo 6</translation>
    </message>
    <message>
        <source>Run 7</source>
        <translation>Ensayo 7</translation>
    </message>
    <message>
        <source>Run 8</source>
        <translation>Ensayo 8</translation>
    </message>
    <message>
        <source>Run 9</source>
        <translation>Ensayo 9</translation>
    </message>
    <message>
        <source>Run 10</source>
        <translation>Ensayo 10</translation>
    </message>
    <message>
        <source>Run Statistics</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>Fast Time</source>
        <translation>Más rápido</translation>
    </message>
    <message>
        <source>Slow Time</source>
        <translation>Más lento</translation>
    </message>
    <message>
        <source>Average Time</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>Outcomes</source>
        <translation>Respuestas</translation>
    </message>
    <message>
        <source>Correct Hits</source>
        <translation>Aciertos</translation>
    </message>
    <message>
        <source>Correct Misses</source>
        <translation>Rechazos correctos</translation>
    </message>
    <message>
        <source>InCorrect Hits</source>
        <translation>Respuestas erróneas</translation>
    </message>
    <message>
        <source>Missed Hits</source>
        <translation>Omisiones</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Comentarios</translation>
    </message>
    <message>
        <source>Set 2</source>
        <translation>Bloque 2</translation>
    </message>
    <message>
        <source>Set 3</source>
        <translation>Bloque 3</translation>
    </message>
    <message>
        <source>Set 4</source>
        <translation>Bloque 4</translation>
    </message>
    <message>
        <source>Set 5</source>
        <translation>Bloque 5</translation>
    </message>
    <message>
        <source>Set 6</source>
        <translation>Bloque 6</translation>
    </message>
    <message>
        <source>Set 7</source>
        <translation>Bloque 7</translation>
    </message>
    <message>
        <source>Set 8</source>
        <translation>Bloque 8</translation>
    </message>
    <message>
        <source>Set 9</source>
        <translation>Bloque 9</translation>
    </message>
    <message>
        <source>Set 10</source>
        <translation>Bloque 10</translation>
    </message>
    <message>
        <source>Fastest Times</source>
        <translation>Más rápidos</translation>
    </message>
    <message>
        <source>Set Data For Fastest Times</source>
        <translation>Tiempos más rápidos de los bloques</translation>
    </message>
    <message>
        <source>Slowest Times</source>
        <translation>Más lentos</translation>
    </message>
    <message>
        <source>Set Data For Slowest Times</source>
        <translation>Tiempos más lentos de los bloques</translation>
    </message>
    <message>
        <source>Average Times</source>
        <translation>Medias</translation>
    </message>
    <message>
        <source>Set Data For Average Times</source>
        <translation>Tiempos medios de los bloques</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Cargar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Borrar todo</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
</context>
<context>
    <name>frmColorReflex</name>
    <message>
        <source>Complex Choice Color/Audio Stimulus Module</source>
        <translation>Reacción de elección color/sonido</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logotipo</translation>
    </message>
    <message>
        <source>Complex Choice Color/Audio Stimulus</source>
        <translation>Reacción de elección color/sonido</translation>
    </message>
    <message>
        <source>Trigger On</source>
        <translation>Tipo de estímulo</translation>
    </message>
    <message>
        <source>Trigger Element</source>
        <translation>Elemento objetivo</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>Press Here</source>
        <translation>Pulse aquí</translation>
    </message>
    <message>
        <source>Element Display</source>
        <translation>Presentación de elementos</translation>
    </message>
    <message>
        <source>Set Indicator</source>
        <translation>Bloque</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>Previous Time</source>
        <translation>Tiempo anterior</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Diferencia</translation>
    </message>
    <message>
        <source>Average Time</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>Run Count</source>
        <translation>Ensayos</translation>
    </message>
    <message>
        <source>Correct Hits</source>
        <translation>Aciertos</translation>
    </message>
    <message>
        <source>Incorrect Hits</source>
        <translation>Respuestas erróneas</translation>
    </message>
    <message>
        <source>Correct Misses</source>
        <translation>Rechazos correctos</translation>
    </message>
    <message>
        <source>Missed Hits</source>
        <translation>Omisiones</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Clear Set</source>
        <translation>Borrar bloque</translation>
    </message>
    <message>
        <source>Next Set</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Prev Set</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
</context>
<context>
    <name>frmColorSelect</name>
    <message>
        <source>Color Selection</source>
        <translation>Selección de color</translation>
    </message>
    <message>
        <source>Current Color:</source>
        <translation>Color actual:</translation>
    </message>
    <message>
        <source>Current Color</source>
        <translation>Color actual</translation>
    </message>
    <message>
        <source>Color Selected:</source>
        <translation>Color elegido:</translation>
    </message>
    <message>
        <source>Color Selected</source>
        <translation>Color elegido</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>&amp;Seleccionar</translation>
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
        <translation>Reacción simple: resultados</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logotipo</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versión</translation>
    </message>
    <message>
        <source>Set 1</source>
        <translation>Bloque 1</translation>
    </message>
    <message>
        <source>Run Data</source>
        <translation>Ensayos</translation>
    </message>
    <message>
        <source>Run 1</source>
        <translation>Ensayo 1</translation>
    </message>
    <message>
        <source>Run 2</source>
        <translation>Ensayo 2</translation>
    </message>
    <message>
        <source>Run 3</source>
        <translation>Ensayo 3</translation>
    </message>
    <message>
        <source>Run 4</source>
        <translation>Ensayo 4</translation>
    </message>
    <message>
        <source>Run 5</source>
        <translation>Ensayo 5</translation>
    </message>
    <message>
        <source>Run 6</source>
        <translation>Ensayo 6</translation>
    </message>
    <message>
        <source>Run 7</source>
        <translation>Ensayo 7</translation>
    </message>
    <message>
        <source>Run 8</source>
        <translation>Ensayo 8</translation>
    </message>
    <message>
        <source>Run 9</source>
        <translation>Ensayo 9</translation>
    </message>
    <message>
        <source>Run 10</source>
        <translation>Ensayo 10</translation>
    </message>
    <message>
        <source>Run Statistics</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>Fast Time</source>
        <translation>Más rápido</translation>
    </message>
    <message>
        <source>Slow Time</source>
        <translation>Más lento</translation>
    </message>
    <message>
        <source>Average Time</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Comentarios</translation>
    </message>
    <message>
        <source>Set 2</source>
        <translation>Bloque 2</translation>
    </message>
    <message>
        <source>Set 3</source>
        <translation>Bloque 3</translation>
    </message>
    <message>
        <source>Set 4</source>
        <translation>Bloque 4</translation>
    </message>
    <message>
        <source>Set 5</source>
        <translation>Bloque 5</translation>
    </message>
    <message>
        <source>Set 6</source>
        <translation>Bloque 6</translation>
    </message>
    <message>
        <source>Set 7</source>
        <translation>Bloque 7</translation>
    </message>
    <message>
        <source>Set 8</source>
        <translation>Bloque 8</translation>
    </message>
    <message>
        <source>Set 9</source>
        <translation>Bloque 9</translation>
    </message>
    <message>
        <source>Set 10</source>
        <translation>Bloque 10</translation>
    </message>
    <message>
        <source>Fastest Times</source>
        <translation>Más rápidos</translation>
    </message>
    <message>
        <source>Set Data For Fastest Times</source>
        <translation>Tiempos más rápidos de los bloques</translation>
    </message>
    <message>
        <source>Slowest Times</source>
        <translation>Más lentos</translation>
    </message>
    <message>
        <source>Set Data For Slowest Times</source>
        <translation>Tiempos más lentos de los bloques</translation>
    </message>
    <message>
        <source>Average Times</source>
        <translation>Medias</translation>
    </message>
    <message>
        <source>Set Data For Average Times</source>
        <translation>Tiempos medios de los bloques</translation>
    </message>
    <message>
        <source>All Data</source>
        <translation>Todos los datos</translation>
    </message>
    <message>
        <source>Data Only Displayed On The Graph</source>
        <translation>Datos mostrados solo en el gráfico</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Cargar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Borrar todo</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
</context>
<context>
    <name>frmLoadDisplay</name>
    <message>
        <source>Loading</source>
        <translation>Cargando</translation>
    </message>
    <message>
        <source>Loading Display Please Wait...</source>
        <translation>Cargando los resultados, espere por favor...</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Simple vs Complex Stimulus Reaction Timing</source>
        <translation>Tiempos de reacción a estímulos simples y complejos</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>Simple</translation>
    </message>
    <message>
        <source>Simple Single Stimulus Module</source>
        <translation>Reacción simple a un estímulo</translation>
    </message>
    <message>
        <source>Color/Audio</source>
        <translation>Color/sonido</translation>
    </message>
    <message>
        <source>Complex Color/Audio Stimulus Module</source>
        <translation>Reacción de elección a color y sonido</translation>
    </message>
    <message>
        <source>Num/Audio</source>
        <translation>Número/sonido</translation>
    </message>
    <message>
        <source>Complex Number/Audio Stimulus Module</source>
        <translation>Reacción de elección a número y sonido</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Edit Brev Settings</source>
        <translation>Editar los ajustes de Brevane</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>Borrar datos</translation>
    </message>
    <message>
        <source>Clear All Data Sets</source>
        <translation>Borrar todos los bloques</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>Recuperar</translation>
    </message>
    <message>
        <source>Recover Data after a system crash</source>
        <translation>Recuperar los datos tras un fallo del sistema</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Display About box</source>
        <translation>Mostrar la ventana Acerca de</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Quit Brev</source>
        <translation>Salir de Brevane</translation>
    </message>
    <message>
        <source>Are you sure you want to DELETE ALL DATA ?</source>
        <translation>¿Seguro que desea ELIMINAR TODOS LOS DATOS?</translation>
    </message>
    <message>
        <source>Delete All Data</source>
        <translation>Eliminar todos los datos</translation>
    </message>
    <message>
        <source>Are you sure you want to exit?</source>
        <translation>¿Seguro que desea salir?</translation>
    </message>
    <message>
        <source>Data NOT saved!<byte value="xd"/></source>
        <translation>¡Datos NO guardados!<byte value="xd"/></translation>
    </message>
    <message>
        <source>Exit Orv Brevane 2</source>
        <translation>Salir de Orv Brevane 2</translation>
    </message>
</context>
<context>
    <name>frmNumberReflex</name>
    <message>
        <source>Complex Choice Number/Audio Stimulus Module</source>
        <translation>Reacción de elección número/sonido</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logotipo</translation>
    </message>
    <message>
        <source>Complex Choice Number/Audio Stimulus</source>
        <translation>Reacción de elección número/sonido</translation>
    </message>
    <message>
        <source>Trigger On</source>
        <translation>Tipo de estímulo</translation>
    </message>
    <message>
        <source>Trigger Element</source>
        <translation>Elemento objetivo</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>Press Here</source>
        <translation>Pulse aquí</translation>
    </message>
    <message>
        <source>Element Display</source>
        <translation>Presentación de elementos</translation>
    </message>
    <message>
        <source>Set Indicator</source>
        <translation>Bloque</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>Previous Time</source>
        <translation>Tiempo anterior</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Diferencia</translation>
    </message>
    <message>
        <source>Average Time</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>Run Count</source>
        <translation>Ensayos</translation>
    </message>
    <message>
        <source>Correct Hits</source>
        <translation>Aciertos</translation>
    </message>
    <message>
        <source>Incorrect Hits</source>
        <translation>Respuestas erróneas</translation>
    </message>
    <message>
        <source>Correct Misses</source>
        <translation>Rechazos correctos</translation>
    </message>
    <message>
        <source>Missed Hits</source>
        <translation>Omisiones</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Clear Set</source>
        <translation>Borrar bloque</translation>
    </message>
    <message>
        <source>Next Set</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Prev Set</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
</context>
<context>
    <name>frmPrint</name>
    <message>
        <source>Print Data</source>
        <translation>Imprimir datos</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Título:</translation>
    </message>
    <message>
        <source>Select Sets To Print</source>
        <translation>Elija los bloques que imprimir</translation>
    </message>
    <message>
        <source>Set 1</source>
        <translation>Bloque 1</translation>
    </message>
    <message>
        <source>Set 2</source>
        <translation>Bloque 2</translation>
    </message>
    <message>
        <source>Set 3</source>
        <translation>Bloque 3</translation>
    </message>
    <message>
        <source>Set 4</source>
        <translation>Bloque 4</translation>
    </message>
    <message>
        <source>Set 5</source>
        <translation>Bloque 5</translation>
    </message>
    <message>
        <source>Set 6</source>
        <translation>Bloque 6</translation>
    </message>
    <message>
        <source>Set 7</source>
        <translation>Bloque 7</translation>
    </message>
    <message>
        <source>Set 8</source>
        <translation>Bloque 8</translation>
    </message>
    <message>
        <source>Set 9</source>
        <translation>Bloque 9</translation>
    </message>
    <message>
        <source>Set 10</source>
        <translation>Bloque 10</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Todos</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Configurar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>UnSelectAll</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>SelectAll</source>
        <translation>Todos</translation>
    </message>
    <message>
        <source>You must select atleast ONE set to Print</source>
        <translation>Debe seleccionar al menos UN bloque para imprimir</translation>
    </message>
    <message>
        <source>Printing Error</source>
        <translation>Error de impresión</translation>
    </message>
</context>
<context>
    <name>frmReflex</name>
    <message>
        <source>Simple Choice Stimulus Module</source>
        <translation>Reacción simple</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logotipo</translation>
    </message>
    <message>
        <source>Simple Choice Stimulus</source>
        <translation>Reacción simple</translation>
    </message>
    <message>
        <source>           Visual Trigger</source>
        <translation>          Estímulo visual</translation>
    </message>
    <message>
        <source>Press Here</source>
        <translation>Pulse aquí</translation>
    </message>
    <message>
        <source>Stimulus</source>
        <translation>Estímulo</translation>
    </message>
    <message>
        <source>Speaker</source>
        <translation>Altavoz</translation>
    </message>
    <message>
        <source>Set Indicator</source>
        <translation>Bloque</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Bloque</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>Previous Time</source>
        <translation>Tiempo anterior</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Diferencia</translation>
    </message>
    <message>
        <source>Average Time</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>Run Count</source>
        <translation>Ensayos</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Clear Set</source>
        <translation>Borrar bloque</translation>
    </message>
    <message>
        <source>Next Set</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Prev Set</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
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
        <translation>Tiempos de reacción a estímulos simples y complejos</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>there is no translation for &quot;%1&quot;; the program is shown in English</source>
        <translation>no hay traducción para «%1»; el programa se muestra en inglés</translation>
    </message>
</context>
<context>
    <name>summary</name>
    <message>
        <source>The class summary of reaction-time files (recover.dat, .nrm and .col files, or folders of them):
sets.csv, students.csv, class.csv, class-notes.txt, class-chart.pdf and class-chart.png.</source>
        <translation>El resumen de la clase de los archivos de tiempos de reacción (recover.dat, archivos .nrm y .col, o carpetas que los contengan):
sets.csv, students.csv, class.csv, class-notes.txt, class-chart.pdf y class-chart.png.</translation>
    </message>
    <message>
        <source>Write into &lt;folder&gt; (default: the current folder).</source>
        <translation>Escribir en &lt;carpeta&gt; (predeterminado: la carpeta actual).</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>carpeta</translation>
    </message>
    <message>
        <source>The .col files are the colour test&apos;s.</source>
        <translation>Los archivos .col son los de la prueba de color.</translation>
    </message>
    <message>
        <source>The .col files are the number test&apos;s.</source>
        <translation>Los archivos .col son los de la prueba de números.</translation>
    </message>
    <message>
        <source>Name each student after their folder or their files&apos; names.</source>
        <translation>Nombrar a cada estudiante según su carpeta o los nombres de sus archivos.</translation>
    </message>
    <message>
        <source>Start each CSV file with a UTF-8 mark.</source>
        <translation>Empezar cada archivo CSV con una marca UTF-8 (BOM).</translation>
    </message>
    <message>
        <source>Write again whenever a file changes, until stopped.</source>
        <translation>Volver a escribir cada vez que cambie un archivo, hasta que se detenga.</translation>
    </message>
    <message>
        <source>As --watch, with the chart in a window.</source>
        <translation>Como --watch, con el gráfico en una ventana.</translation>
    </message>
    <message>
        <source>Data files and folders.</source>
        <translation>Archivos de datos y carpetas.</translation>
    </message>
    <message>
        <source>path...</source>
        <translation>ruta...</translation>
    </message>
    <message>
        <source>--colour and --number exclude each other: summarise each test&apos;s .col files apart</source>
        <translation>--colour y --number se excluyen mutuamente: resuma por separado los archivos .col de cada prueba</translation>
    </message>
    <message>
        <source>--student-from takes folder or name, not %1</source>
        <translation>--student-from admite folder o name, no %1</translation>
    </message>
    <message>
        <source>no file could be read; nothing written</source>
        <translation>no se pudo leer ningún archivo; no se ha escrito nada</translation>
    </message>
    <message>
        <source>Count a folder&apos;s files as its owners handed them in (yes), or by their names (no); by default the owners decide in a hand-in folder, one that others may enter but not list.</source>
        <translation>Contar los archivos de una carpeta según los entregaron sus propietarios (yes) o según sus nombres (no); de forma predeterminada deciden los propietarios en una carpeta de entrega, una en la que otros pueden entrar pero no listar.</translation>
    </message>
    <message>
        <source>Say whether the hand-in folder &lt;folder&gt; is set up as one of the guide&apos;s recipes, and what is wrong; nothing is summarised.</source>
        <translation>Indicar si la carpeta de entrega &lt;carpeta&gt; está preparada según una de las recetas de la guía y qué falla; no se resume nada.</translation>
    </message>
    <message>
        <source>--owners takes yes or no, not %1</source>
        <translation>--owners admite yes o no, no %1</translation>
    </message>
</context>
</TS>
