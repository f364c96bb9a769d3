<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>ClassChart</name>
    <message>
        <source>Class reaction times: simple against choice</source>
        <translation>Время реакции класса: простой тест и тесты с выбором</translation>
    </message>
    <message>
        <source>One dot for each student&apos;s mean reaction time (%1): the mean of their set means, in whole ms as stored. Box: lower to upper quartile; thick line: median; whiskers: the furthest means within 1.5 box lengths.</source>
        <translation>Одна точка — среднее время реакции каждого учащегося (%1): среднее его средних по сериям, в целых ms, как сохранено. Ящик: от нижнего до верхнего квартиля; жирная линия: медиана; усы: самые дальние средние в пределах 1,5 длины ящика.</translation>
    </message>
    <message numerus="yes">
        <source>%n student(s)</source>
        <translation>
            <numerusform>%n учащийся</numerusform>
            <numerusform>%n учащихся</numerusform>
            <numerusform>%n учащихся</numerusform>
        </translation>
    </message>
    <message>
        <source>No reaction times in the files read</source>
        <translation>В прочитанных файлах нет времени реакции</translation>
    </message>
    <message>
        <source>n = %1, mean %2 ms</source>
        <translation>n = %1, среднее %2 ms</translation>
    </message>
    <message>
        <source>%1 − simple: %2 ms (95 % CI %3 to %4, %5 students)</source>
        <translation>%1 − простой: %2 ms (95 % ДИ от %3 до %4, учащихся: %5)</translation>
    </message>
    <message>
        <source>Class reaction times</source>
        <translation>Время реакции класса</translation>
    </message>
    <message>
        <source>Bars beside each box: every run that counts (%1 runs; class-notes.txt says which), as shares of the test&apos;s runs in bins of %2 ms.</source>
        <translation>Столбики рядом с каждым ящиком: все учтённые попытки (попыток: %1; какие — см. class-notes.txt) как доли попыток теста с шагом %2 ms.</translation>
    </message>
    <message>
        <source>reaction time (ms)</source>
        <translation>время реакции (ms)</translation>
    </message>
</context>
<context>
    <name>ClassFiles</name>
    <message>
        <source>not a recover.dat, .nrm or .col file</source>
        <translation>не файл recover.dat, .nrm или .col</translation>
    </message>
    <message>
        <source>left out %1: a shared account&apos;s recover.dat holds whoever ran last</source>
        <translation>пропущен %1: в recover.dat общей учётной записи — данные того, кто запускал последним</translation>
    </message>
    <message>
        <source>a named pipe (FIFO), not read</source>
        <translation>именованный канал (FIFO), не прочитан</translation>
    </message>
    <message>
        <source>a socket, not read</source>
        <translation>сокет, не прочитан</translation>
    </message>
    <message>
        <source>a device, not read</source>
        <translation>устройство, не прочитано</translation>
    </message>
    <message>
        <source>a link, not followed in a hand-in folder</source>
        <translation>ссылка; в папке сдачи по ссылкам не переходят</translation>
    </message>
    <message>
        <source>handed in by user %1 beside the students&apos; folders, not in one</source>
        <translation>сдан пользователем %1 рядом с папками учащихся, а не в одной из них</translation>
    </message>
    <message>
        <source>no user %1 on this machine; the folder is left out</source>
        <translation>пользователя %1 нет на этом компьютере; папка пропущена</translation>
    </message>
    <message>
        <source>the folder belongs to user %1, not %2; its files are left out</source>
        <translation>папка принадлежит пользователю %1, а не %2; её файлы пропущены</translation>
    </message>
    <message>
        <source>a folder within a student&apos;s folder, not read</source>
        <translation>папка внутри папки учащегося, не прочитана</translation>
    </message>
    <message>
        <source>handed in by user %1, not %2</source>
        <translation>сдан пользователем %1, а не %2</translation>
    </message>
    <message>
        <source>in a folder of user %1, not %2</source>
        <translation>в папке пользователя %1, а не %2</translation>
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
        <translation>Компьютеры

Каждое сохранённое время включает то, что добавляет компьютер, на котором его измерили:
задержку монитора (цветовые стимулы) или звукового выхода (тоны) и задержку мыши (опрос,
подавление дребезга, путь ввода). Проверка компьютера (brevane --check-machine) измерила их на
каждом компьютере ниже фотодиодом, петлевым кабелем и микрофоном через звуковую карту;
время реакции учащегося — примерно сохранённое время минус задержка стимула и мыши. На
одном компьютере они не меняют разность между тестами (с выбором минус простой), поэтому
парные интервалы в class.csv верны; времена с компьютеров с разными задержками длиннее или
короче на эту разность. В конце sets.csv и students.csv указаны компьютер каждого файла и его задержки.

</translation>
    </message>
    <message>
        <source>%1 (checked %2; %3; files: %4): %5
</source>
        <translation>%1 (проверен %2; %3; файлы: %4): %5
</translation>
    </message>
    <message>
        <source>mode not known</source>
        <translation>режим неизвестен</translation>
    </message>
    <message>
        <source>Screen and mouse together add %1 to %2 ms on these machines: a visual time measured on
one may differ from another&apos;s by up to %3 ms from the machines alone.
</source>
        <translation>Экран и мышь вместе добавляют от %1 до %2 ms на этих компьютерах: зрительное время, измеренное
на одном, может отличаться от измеренного на другом до %3 ms только из-за компьютеров.
</translation>
    </message>
</context>
<context>
    <name>ClassRun</name>
    <message>
        <source>skipped %1: %2</source>
        <translation>пропущен %1: %2</translation>
    </message>
    <message>
        <source>%1 is a copy of %2: read once</source>
        <translation>%1 — копия %2: прочитан один раз</translation>
    </message>
    <message>
        <source>%1 of %2 files read</source>
        <translation>прочитано файлов: %1 из %2</translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>не удаётся создать папку %1</translation>
    </message>
    <message>
        <source>could not write %1: %2</source>
        <translation>не удалось записать %1: %2</translation>
    </message>
    <message>
        <source>%1 read</source>
        <translation>прочитано: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n файл</numerusform>
            <numerusform>%n файла</numerusform>
            <numerusform>%n файлов</numerusform>
        </translation>
    </message>
    <message>
        <source> (and %1 read once)</source>
        <translation> (и %1: прочитано один раз)</translation>
    </message>
    <message numerus="yes">
        <source>%n copy(ies)</source>
        <translation>
            <numerusform>%n копия</numerusform>
            <numerusform>%n копии</numerusform>
            <numerusform>%n копий</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2 skipped; %3 (%4 by folder, %5 by file name); tests: %6</source>
        <translation>%1, пропущено: %2; %3 (%4 по папке, %5 по имени файла); тесты: %6</translation>
    </message>
    <message numerus="yes">
        <source>%n student(s)</source>
        <translation>
            <numerusform>%n учащийся</numerusform>
            <numerusform>%n учащихся</numerusform>
            <numerusform>%n учащихся</numerusform>
        </translation>
    </message>
    <message>
        <source>none</source>
        <translation>нет</translation>
    </message>
</context>
<context>
    <name>ClassSummary</name>
    <message>
        <source>.%1 file</source>
        <translation>файл .%1</translation>
    </message>
    <message>
        <source>it has %1 lines; a %2 has %3</source>
        <translation>строк в нём: %1; %2 содержит строк: %3</translation>
    </message>
    <message>
        <source>line %1 is not what a %2 holds there</source>
        <translation>строка %1 не та, что содержит на этом месте %2</translation>
    </message>
    <message>
        <source>it has more than the %1 lines of a %2</source>
        <translation>строк в нём больше, чем содержит %2 (%1)</translation>
    </message>
    <message>
        <source>%1: %2 holds %3 sets that %4 holds too; each taken once</source>
        <translation>%1: в %2 есть серии (%3), которые есть и в %4; каждая учтена один раз</translation>
    </message>
    <message>
        <source>%1 has two different %2 files, %3 and %4: both kept as separate sets</source>
        <translation>у %1 два разных файла %2, %3 и %4: оба учтены как отдельные серии</translation>
    </message>
    <message>
        <source>%1 handed in</source>
        <translation>сдали: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n student(s)</source>
        <translation>
            <numerusform>%n учащийся</numerusform>
            <numerusform>%n учащихся</numerusform>
            <numerusform>%n учащихся</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>cannot create or enter the folder %1; files are kept in %2</source>
        <translation>не удаётся создать папку %1 или войти в неё; файлы хранятся в %2</translation>
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
        <translation>Использование: %1 [--user-folder] [--hand-in ПАПКА] [--unlock] [--language КОД]
                  [ФАЙЛ-НАСТРОЕК]
               %1 --timing-check | --check-machine | --version | --help

Время реакции: простой и сложный стимул. Время реакции учащегося на тон,
смену цвета или на то и другое в простом тесте и двух тестах с выбором.

  ФАЙЛ-НАСТРОЕК       файл настроек вместо %2; относительное имя
                      ищется в папке, где хранятся файлы
  --user-folder       хранить файлы в папке пользователя (создаётся, если её нет):
                      %3
                      (так программу запускает пункт меню рабочего стола)
  --hand-in ПАПКА     также сдавать каждый сохранённый файл .nrm и .col и каждый
                      recover.dat в ПАПКА/&lt;имя входа&gt;/ для преподавателя
                      (для всех пользователей задаётся в /etc/xdg/Brevane/Brevane.conf;
                      man brevane)
  --unlock            если лаборатория заблокировала настройки, позволить члену
                      группы преподавателей изменить их в этом сеансе
  --timing-check      показать мигающее пятно для фотодиода или камеры вместе с
                      частотой обновления, разбросом времени кадров и
                      источниками отметок времени (Esc или щелчок завершают)
  --check-machine     проверить этот компьютер целиком через вход звуковой карты:
                      экран фотодиодом, звук кабелем с выхода, мышь по её
                      щелчку; задержки сохраняются для окна «О программе» и
                      сводки по классу (docs/guide.md)
  --language КОД      показать программу на этом языке (de, ja, ar, ...;
                      на английском, где нет перевода) вместо языка
                      системы или заданного в Brevane.conf
  --version           вывести версию и завершить работу
  --help              вывести этот текст и завершить работу

Файлы хранятся в текущем каталоге, а с --user-folder — в папке, указанной
выше: %2 (настройки; если файла нет, он записывается со значениями по умолчанию)
и recover.dat (серии всех тестов; перезаписывается в конце каждого прогона,
пункт «Восстановить» главного меню считывает его). Там открываются диалоги
файлов; файлы результатов (.nrm, .col) сохраняются туда, куда вы их сохраните.
</translation>
    </message>
</context>
<context>
    <name>DisplayStamps</name>
    <message>
        <source>; times may be one frame long: see the guide</source>
        <translation>; времена могут быть на кадр длиннее: см. руководство</translation>
    </message>
    <message>
        <source>The window system does not say when a frame is shown</source>
        <translation>Оконная система не сообщает, когда показан кадр</translation>
    </message>
    <message>
        <source>The X server does not say when a frame is shown</source>
        <translation>X-сервер не сообщает, когда показан кадр</translation>
    </message>
    <message>
        <source>XWayland shows the window through the Wayland compositor</source>
        <translation>XWayland показывает окно через композитор Wayland</translation>
    </message>
    <message>
        <source>Some stimuli were stamped by %1</source>
        <translation>Отметки времени некоторых стимулов взяты из источника: %1</translation>
    </message>
    <message>
        <source>the display&apos;s refresh</source>
        <translation>обновление дисплея</translation>
    </message>
    <message>
        <source>the X server&apos;s refresh, not the pixel&apos;s</source>
        <translation>обновление X-сервера, а не пикселя</translation>
    </message>
    <message>
        <source>the compositor&apos;s frame timings</source>
        <translation>данные композитора о времени кадров</translation>
    </message>
    <message>
        <source>the screen read back</source>
        <translation>обратное чтение экрана</translation>
    </message>
    <message>
        <source>the Wayland compositor&apos;s report of the frame</source>
        <translation>сообщение композитора Wayland о кадре</translation>
    </message>
    <message>
        <source>the hand-over to the X server</source>
        <translation>передача X-серверу</translation>
    </message>
    <message>
        <source>the clock after a repaint</source>
        <translation>часы после перерисовки</translation>
    </message>
    <message>
        <source>%1 (exact)</source>
        <translation>%1 (точно)</translation>
    </message>
    <message>
        <source>%1 (estimated)</source>
        <translation>%1 (оценка)</translation>
    </message>
    <message>
        <source>none</source>
        <translation>нет</translation>
    </message>
    <message>
        <source>%1 Hz</source>
        <translation>%1 Hz</translation>
    </message>
    <message>
        <source>not reported (a virtual screen)</source>
        <translation>не сообщается (виртуальный экран)</translation>
    </message>
    <message>
        <source>The Wayland compositor estimates when a frame is shown; times may be one frame long: see the guide</source>
        <translation>Композитор Wayland оценивает, когда показан кадр; времена могут быть на кадр длиннее: см. руководство</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>Reflex Data Files (*.nrm)|*.nrm</source>
        <translation>Файлы данных реакции (*.nrm)|*.nrm</translation>
    </message>
    <message>
        <source>Reflex Data Files (*.col)|*.col</source>
        <translation>Файлы данных реакции (*.col)|*.col</translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
        File already exisits. Do you want to overwrite?</source>
        <translation><byte value="xd"/>
<byte value="xd"/>
        Файл уже существует. Перезаписать его?</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Сохранение файла</translation>
    </message>
    <message>
        <source>Save File Error</source>
        <translation>Ошибка сохранения файла</translation>
    </message>
    <message>
        <source>Save Cancelled</source>
        <translation>Сохранение отменено</translation>
    </message>
    <message>
        <source>Load File Error</source>
        <translation>Ошибка загрузки файла</translation>
    </message>
    <message>
        <source>Load Cancelled</source>
        <translation>Загрузка отменена</translation>
    </message>
    <message>
        <source>Export to CSV</source>
        <translation>Экспорт в CSV</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)|*.csv</source>
        <translation>Файлы CSV (*.csv)|*.csv</translation>
    </message>
</context>
<context>
    <name>FileRead</name>
    <message>
        <source>%1 is a folder, not a file.</source>
        <translation>%1 — папка, а не файл.</translation>
    </message>
    <message>
        <source>%1 holds %2 MB, far more than any file of this program; it was not read.</source>
        <translation>%1 занимает %2 MB — гораздо больше любого файла этой программы; он не прочитан.</translation>
    </message>
    <message>
        <source>%1 is far larger than any file of this program; it was not read.</source>
        <translation>%1 гораздо больше любого файла этой программы; он не прочитан.</translation>
    </message>
</context>
<context>
    <name>HandIn</name>
    <message>
        <source>Hand-in</source>
        <translation>Сдача</translation>
    </message>
    <message>
        <source>the hand-in folder is missing</source>
        <translation>папка сдачи отсутствует</translation>
    </message>
    <message>
        <source>Not handed in to %1: %2.
Your file is saved on this computer; it is handed in at your next save.</source>
        <translation>Не сдано в %1: %2.
Ваш файл сохранён на этом компьютере; он будет сдан при следующем сохранении.</translation>
    </message>
    <message>
        <source>the hand-in folder is still not answering</source>
        <translation>папка сдачи по-прежнему не отвечает</translation>
    </message>
    <message>
        <source>the hand-in folder did not answer</source>
        <translation>папка сдачи не ответила</translation>
    </message>
    <message>
        <source>the folder %1 in the hand-in folder is a link, not a folder</source>
        <translation>папка %1 в папке сдачи — ссылка, а не папка</translation>
    </message>
    <message>
        <source>%1 in the hand-in folder is not a folder</source>
        <translation>%1 в папке сдачи — не папка</translation>
    </message>
    <message>
        <source>the folder %1 in the hand-in folder belongs to another user</source>
        <translation>папка %1 в папке сдачи принадлежит другому пользователю</translation>
    </message>
</context>
<context>
    <name>HandoutPage</name>
    <message>
        <source>beyond your median ± 3 scaled MADs of the test</source>
        <translation>за пределами вашей медианы ± 3 масштабированных MAD в этом тесте</translation>
    </message>
    <message>
        <source>beyond your mean ± 3 SD of the test</source>
        <translation>за пределами вашего среднего ± 3 SD в этом тесте</translation>
    </message>
    <message>
        <source>none cut here</source>
        <translation>здесь не отсекаются</translation>
    </message>
    <message>
        <source>Reaction times of %1</source>
        <translation>Время реакции: %1</translation>
    </message>
    <message>
        <source>Your times beside your class&apos;s (%1 students), in whole milliseconds as stored.</source>
        <translation>Ваши времена рядом с временами класса (учащихся: %1), в целых миллисекундах, как сохранены.</translation>
    </message>
    <message>
        <source>test</source>
        <translation>тест</translation>
    </message>
    <message>
        <source>sets</source>
        <translation>серии</translation>
    </message>
    <message>
        <source>runs that count</source>
        <translation>учтённые попытки</translation>
    </message>
    <message>
        <source>mean</source>
        <translation>среднее</translation>
    </message>
    <message>
        <source>median</source>
        <translation>медиана</translation>
    </message>
    <message>
        <source>anticipations</source>
        <translation>опережения</translation>
    </message>
    <message>
        <source>lapses</source>
        <translation>запаздывания</translation>
    </message>
    <message>
        <source>outliers</source>
        <translation>выбросы</translation>
    </message>
    <message>
        <source>Runs that count: all but missed hits, anticipations (under %1 ms), lapses (over %2 ms) and outliers (%3). mean: the mean of your set means, every time as stored. median, μ, σ, τ: your runs but missed hits, anticipations and lapses; μ, σ, τ: the ex-Gaussian fitted to them, a normal part (μ, σ) plus an exponential part of mean τ, the slow tail; from %4 runs on.</source>
        <translation>Учтённые попытки: все, кроме пропусков цели, опережений (менее %1 ms), запаздываний (более %2 ms) и выбросов (%3). среднее: среднее ваших средних по сериям, каждое время как сохранено. медиана, μ, σ, τ: ваши попытки без пропусков цели, опережений и запаздываний; μ, σ, τ: подогнанное к ним экс-гауссово распределение — нормальная часть (μ, σ) плюс экспоненциальная часть со средним τ, медленный хвост; начиная с %4 попыток.</translation>
    </message>
    <message>
        <source>Grey: the class&apos;s runs that count; outlined: yours, each as shares of its runs. Ticks: the class&apos;s means; the dot: yours.</source>
        <translation>Серое: учтённые попытки класса; контур: ваши, каждые как доли своих попыток. Штрихи: средние класса; точка: ваше среднее.</translation>
    </message>
    <message>
        <source>No mean: none of your runs is a reaction time.</source>
        <translation>Нет среднего: ни одна из ваших попыток не является временем реакции.</translation>
    </message>
    <message>
        <source>Your mean, %1 ms; nobody else took this test.</source>
        <translation>Ваше среднее — %1 ms; больше никто не проходил этот тест.</translation>
    </message>
    <message>
        <source>Your mean, %1 ms: of the %2 others, %3 faster, %4 slower.</source>
        <translation>Ваше среднее — %1 ms: из %2 других %3 быстрее, %4 медленнее.</translation>
    </message>
</context>
<context>
    <name>Handouts</name>
    <message>
        <source>Reaction times: a page for each student</source>
        <translation>Время реакции: страница для каждого учащегося</translation>
    </message>
</context>
<context>
    <name>Lab</name>
    <message>
        <source>The settings are locked by the lab (LockSettings in %1).</source>
        <translation>Настройки заблокированы лабораторией (LockSettings в %1).</translation>
    </message>
    <message>
        <source>Nobody may unlock the settings here: %1 names no group of teachers (Teachers in its [Lab] section).</source>
        <translation>Здесь никто не может разблокировать настройки: в %1 не указана группа преподавателей (Teachers в разделе [Lab]).</translation>
    </message>
    <message>
        <source>The settings are locked by the lab (LockSettings in %1); a member of the group %2 may change them by starting the program with --unlock.</source>
        <translation>Настройки заблокированы лабораторией (LockSettings в %1); член группы %2 может изменить их, запустив программу с --unlock.</translation>
    </message>
    <message>
        <source>Only a member of the group %1 may unlock the settings with --unlock, which %2 is not; the settings stay locked.</source>
        <translation>Только член группы %1 может разблокировать настройки с --unlock, а %2 в неё не входит; настройки остаются заблокированными.</translation>
    </message>
</context>
<context>
    <name>MachineCheck</name>
    <message>
        <source>%1 of %2 trials</source>
        <translation>%1 из %2 замеров</translation>
    </message>
    <message>
        <source>the signal is too weak (%1): turn the input volume up, or the screen&apos;s brightness, and hold the diode flat on the patch</source>
        <translation>сигнал слишком слабый (%1): увеличьте громкость входа или яркость экрана и прижмите диод плотно к пятну</translation>
    </message>
    <message>
        <source>the signal is too weak (%1): turn the output and the input volume up</source>
        <translation>сигнал слишком слабый (%1): увеличьте громкость выхода и входа</translation>
    </message>
    <message>
        <source>the clicks are too faint (%1): put the microphone closer to the mouse and turn the input volume up</source>
        <translation>щелчки слишком тихие (%1): поднесите микрофон ближе к мыши и увеличьте громкость входа</translation>
    </message>
    <message>
        <source>the signal is too noisy (%1): keep the room quiet, the cable short and away from the mains, and turn the input volume down if it hums</source>
        <translation>сигнал слишком зашумлён (%1): соблюдайте тишину в комнате, возьмите короткий кабель и держите его подальше от сетевых проводов, а если слышен гул, уменьшите громкость входа</translation>
    </message>
    <message>
        <source>the recording broke off (%1): close other programs that use the sound card and try again</source>
        <translation>запись прервалась (%1): закройте другие программы, использующие звуковую карту, и попробуйте снова</translation>
    </message>
    <message>
        <source>no flash was seen in %1: is the diode on the patch and plugged into the input that records?</source>
        <translation>за %1 не замечено ни одной вспышки: диод лежит на пятне и подключён к записывающему входу?</translation>
    </message>
    <message>
        <source>no tone came back in %1: is the output looped to the input that records?</source>
        <translation>за %1 не вернулось ни одного тона: выход соединён петлёй с записывающим входом?</translation>
    </message>
    <message>
        <source>no click was heard in %1: is the microphone next to the mouse?</source>
        <translation>за %1 не слышно ни одного щелчка: микрофон рядом с мышью?</translation>
    </message>
    <message>
        <source>too few trials (%1)</source>
        <translation>слишком мало замеров (%1)</translation>
    </message>
</context>
<context>
    <name>MachineResult</name>
    <message>
        <source>it is not a machine check&apos;s result</source>
        <translation>это не результат проверки компьютера</translation>
    </message>
    <message>
        <source>line %1 is not a part&apos;s lag</source>
        <translation>строка %1 — не задержка части проверки</translation>
    </message>
    <message>
        <source>it names no machine</source>
        <translation>в нём не указан компьютер</translation>
    </message>
    <message>
        <source>%1 %2 ms (SD %3)</source>
        <translation>%1 %2 ms (SD %3)</translation>
    </message>
    <message>
        <source>%1: not measured</source>
        <translation>%1: не измерено</translation>
    </message>
    <message>
        <source>Machine check: not done on this machine (brevane --check-machine)</source>
        <translation>Проверка компьютера: на этом компьютере не выполнялась (brevane --check-machine)</translation>
    </message>
    <message>
        <source>Machine check (%1, %2): %3</source>
        <translation>Проверка компьютера (%1, %2): %3</translation>
    </message>
</context>
<context>
    <name>ProgramVersion</name>
    <message>
        <source>Version %1.%2%3</source>
        <translation>Версия %1.%2%3</translation>
    </message>
</context>
<context>
    <name>QtPrinting</name>
    <message>
        <source>The printer %1 could not be opened.</source>
        <translation>Не удалось открыть принтер %1.</translation>
    </message>
    <message>
        <source>The printer %1 reported an error.</source>
        <translation>Принтер %1 сообщил об ошибке.</translation>
    </message>
    <message>
        <source>The PDF could not be completed.</source>
        <translation>Не удалось завершить PDF.</translation>
    </message>
    <message>
        <source>The PDF could not be started.</source>
        <translation>Не удалось начать PDF.</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Параметры печати</translation>
    </message>
</context>
<context>
    <name>RecoveryFile</name>
    <message>
        <source>The recovery file recover.dat could not be written.</source>
        <translation>Не удалось записать файл восстановления recover.dat.</translation>
    </message>
    <message>
        <source><byte value="xd"/>Your data are kept in memory.</source>
        <translation><byte value="xd"/>Ваши данные сохранены в памяти.</translation>
    </message>
    <message>
        <source>Recovery File Error</source>
        <translation>Ошибка файла восстановления</translation>
    </message>
    <message>
        <source>Load Cancelled</source>
        <translation>Загрузка отменена</translation>
    </message>
    <message>
        <source>No Recovery File Created or Found</source>
        <translation>Файл восстановления не создан или не найден</translation>
    </message>
    <message>
        <source>Load File Error</source>
        <translation>Ошибка загрузки файла</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Fastest Time</source>
        <translation>Минимальное время</translation>
    </message>
    <message>
        <source>Slowest Time</source>
        <translation>Максимальное время</translation>
    </message>
    <message>
        <source>Average Time</source>
        <translation>Среднее время</translation>
    </message>
    <message>
        <source>Correct Hits</source>
        <translation>Верные нажатия</translation>
    </message>
    <message>
        <source>Correct Misses</source>
        <translation>Верные пропуски</translation>
    </message>
    <message>
        <source>InCorrect Hits</source>
        <translation>Ложные нажатия</translation>
    </message>
    <message>
        <source>Missed Hits</source>
        <translation>Пропуски цели</translation>
    </message>
    <message>
        <source>Orv Tovanel:  Color Reflex Data</source>
        <translation>Orv Tovanel:  данные реакции на цвет</translation>
    </message>
    <message>
        <source>Orv Tovanel:  Number Reflex Data</source>
        <translation>Orv Tovanel:  данные реакции на числа</translation>
    </message>
    <message>
        <source>Set  %1</source>
        <translation>Серия  %1</translation>
    </message>
    <message>
        <source>Comments:</source>
        <translation>Комментарии:</translation>
    </message>
    <message>
        <source>Save Report As PDF</source>
        <translation>Сохранить отчёт в PDF</translation>
    </message>
    <message>
        <source>PDF Files|*.pdf</source>
        <translation>Файлы PDF|*.pdf</translation>
    </message>
    <message>
        <source>The file could not be written.</source>
        <translation>Не удалось записать файл.</translation>
    </message>
    <message>
        <source>Print Error<byte value="xd"/></source>
        <translation>Ошибка печати<byte value="xd"/></translation>
    </message>
    <message>
        <source>Print Cancelled</source>
        <translation>Печать отменена</translation>
    </message>
    <message>
        <source>  Slowest Time</source>
        <translation>  Максимальное время</translation>
    </message>
    <message>
        <source>Orv Tovanel:  Normal Reflex Data</source>
        <translation>Orv Tovanel:  данные простой реакции</translation>
    </message>
</context>
<context>
    <name>ResultsKind</name>
    <message>
        <source>Complex Choice Color/Audio Stimulus Module Data Display</source>
        <translation>Результаты: тест с выбором (цвет/звук)</translation>
    </message>
    <message>
        <source>Delete run %1 from the set? </source>
        <translation>Удалить попытку %1 из серии? </translation>
    </message>
    <message>
        <source>Color Reflex Data Files</source>
        <translation>Файлы данных реакции на цвет</translation>
    </message>
    <message>
        <source>Complex Choice Number/Audio Stimulus Module Data Display</source>
        <translation>Результаты: тест с выбором (число/звук)</translation>
    </message>
    <message>
        <source>Delete run %1 for the set? </source>
        <translation>Удалить попытку %1 из серии? </translation>
    </message>
    <message>
        <source>Number Reflex Data Files</source>
        <translation>Файлы данных реакции на числа</translation>
    </message>
    <message>
        <source>Simple Choice Stimulus Module Data Display</source>
        <translation>Результаты: простой тест</translation>
    </message>
    <message>
        <source>Normal Reflex Data Files</source>
        <translation>Файлы данных простой реакции</translation>
    </message>
</context>
<context>
    <name>ResultsModel</name>
    <message>
        <source>Delete run %1 for the set? </source>
        <translation>Удалить попытку %1 из серии? </translation>
    </message>
    <message>
        <source>Are you sure you want to DELETE ALL DATA ?</source>
        <translation>Вы действительно хотите УДАЛИТЬ ВСЕ ДАННЫЕ?</translation>
    </message>
    <message>
        <source>Delete All Data</source>
        <translation>Удалить все данные</translation>
    </message>
</context>
<context>
    <name>RuleOptions</name>
    <message>
        <source>A time under &lt;ms&gt; is an anticipation (default: 100).</source>
        <translation>Время менее &lt;ms&gt; — опережение (по умолчанию: 100).</translation>
    </message>
    <message>
        <source>A time over &lt;ms&gt; is a lapse (default: 2000).</source>
        <translation>Время более &lt;ms&gt; — запаздывание (по умолчанию: 2000).</translation>
    </message>
    <message>
        <source>Cut outliers beyond median +- 3 scaled MADs (mad, the default), mean +- 3 SD (sd), or not at all (none).</source>
        <translation>Отсекать выбросы за пределами медианы +- 3 масштабированных MAD (mad, по умолчанию), среднего +- 3 SD (sd) или не отсекать (none).</translation>
    </message>
    <message>
        <source>Write a PDF page for each student, handout-&lt;student&gt;.pdf.</source>
        <translation>Записать страницу PDF для каждого учащегося, handout-&lt;student&gt;.pdf.</translation>
    </message>
    <message>
        <source>--%1 takes a whole number of milliseconds from %2 to %3, not %4</source>
        <translation>--%1 принимает целое число миллисекунд от %2 до %3, а не %4</translation>
    </message>
    <message>
        <source>the lapse limit (%1 ms) must lie above the anticipation limit (%2 ms)</source>
        <translation>предел запаздывания (%1 ms) должен быть выше предела опережения (%2 ms)</translation>
    </message>
    <message>
        <source>--outlier-rule takes mad, sd or none, not %1</source>
        <translation>--outlier-rule принимает mad, sd или none, а не %1</translation>
    </message>
</context>
<context>
    <name>SessionPlatform</name>
    <message>
        <source>On Wayland: no pointer placement, and presses are stamped by the toolkit event (XWayland gives both)</source>
        <translation>В Wayland: указатель не позиционируется, а отметки времени нажатий берутся из событий тулкита (XWayland даёт и то, и другое)</translation>
    </message>
    <message>
        <source>Wayland session: running on X through XWayland, which places the pointer and reads raw input</source>
        <translation>Сеанс Wayland: работа в X через XWayland, который позиционирует указатель и читает необработанный ввод</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Settings Locked</source>
        <translation>Настройки заблокированы</translation>
    </message>
</context>
<context>
    <name>SettingsEditor</name>
    <message>
        <source>Configuration Files (*.cfg)|*.cfg</source>
        <translation>Файлы настроек (*.cfg)|*.cfg</translation>
    </message>
    <message>
        <source>Trigger Colour</source>
        <translation>Цвет сигнала</translation>
    </message>
    <message>
        <source>The trigger colour must differ from the panel&apos;s white at rest, or the stimulus is invisible.</source>
        <translation>Цвет сигнала должен отличаться от белого цвета панели в покое, иначе стимул не виден.</translation>
    </message>
    <message>
        <source>Save Configuration File</source>
        <translation>Сохранить файл настроек</translation>
    </message>
    <message>
        <source>Save File Error</source>
        <translation>Ошибка сохранения файла</translation>
    </message>
    <message>
        <source>Save Cancelled</source>
        <translation>Сохранение отменено</translation>
    </message>
    <message>
        <source>Load Configuration File</source>
        <translation>Загрузить файл настроек</translation>
    </message>
    <message>
        <source>Load File Error</source>
        <translation>Ошибка загрузки файла</translation>
    </message>
    <message>
        <source>Load Cancelled</source>
        <translation>Загрузка отменена</translation>
    </message>
    <message>
        <source>Configuration File Load Error</source>
        <translation>Ошибка загрузки файла настроек</translation>
    </message>
    <message>
        <source>Invalid Configuration File<byte value="xd"/>No File Loaded</source>
        <translation>Недопустимый файл настроек<byte value="xd"/>Файл не загружен</translation>
    </message>
</context>
<context>
    <name>ShapeChart</name>
    <message>
        <source>median of the student&apos;s runs (ms)</source>
        <translation>медиана попыток учащегося (ms)</translation>
    </message>
    <message>
        <source>τ, the slow tail (ms)</source>
        <translation>τ, медленный хвост (ms)</translation>
    </message>
    <message>
        <source>%1 of %2 students fitted
mean τ %3 ms</source>
        <translation>подогнано: %1 из %2 учащихся
среднее τ %3 ms</translation>
    </message>
    <message>
        <source>%1 − simple: μ %2 ms (95 % CI %3 to %4), τ %5 ms (%6 to %7), %8 students</source>
        <translation>%1 − простой: μ %2 ms (95 % ДИ от %3 до %4), τ %5 ms (от %6 до %7), учащихся: %8</translation>
    </message>
    <message>
        <source>The shape of each student&apos;s times</source>
        <translation>Форма распределения времени каждого учащегося</translation>
    </message>
    <message>
        <source>One dot for each student and test with an ex-Gaussian fit (at least %1 runs that are neither anticipations nor lapses): across, the median of those runs; up, τ, the mean of the fit&apos;s exponential part: its slow tail. A test that slows every run moves the dots to the right; one that adds slow runs moves them up.</source>
        <translation>Одна точка для каждого учащегося и теста с экс-гауссовой подгонкой (не менее %1 попыток, не являющихся ни опережениями, ни запаздываниями): по горизонтали — медиана этих попыток; по вертикали — τ, среднее экспоненциальной части подгонки, её медленный хвост. Тест, замедляющий каждую попытку, сдвигает точки вправо; тест, добавляющий медленные попытки, — вверх.</translation>
    </message>
    <message>
        <source>No student has %1 runs in a test yet: too few for a fit</source>
        <translation>Ни у одного учащегося ещё нет %1 попыток в тесте: слишком мало для подгонки</translation>
    </message>
</context>
<context>
    <name>ShareCheck</name>
    <message>
        <source>cannot look at %1 (%2)</source>
        <translation>не удаётся просмотреть %1 (%2)</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 — не папка</translation>
    </message>
    <message>
        <source>cannot list %1 (%2): run this as a member of its group or as root</source>
        <translation>не удаётся получить список %1 (%2): запустите это от имени члена её группы или root</translation>
    </message>
    <message>
        <source>1 student&apos;s folder</source>
        <translation>1 папка учащегося</translation>
    </message>
    <message>
        <source>%1 students&apos; folders</source>
        <translation>папок учащихся: %1</translation>
    </message>
    <message>
        <source>%1: %2, all as the recipe has them</source>
        <translation>%1: %2, всё как в рецепте</translation>
    </message>
    <message>
        <source>%1: %2; 1 thing to put right</source>
        <translation>%1: %2; исправить нужно 1 пункт</translation>
    </message>
    <message>
        <source>%1: %2; %3 things to put right</source>
        <translation>%1: %2; исправить нужно пунктов: %3</translation>
    </message>
    <message>
        <source>%1: the guide&apos;s first recipe, one group folder (mode 3773), group %2</source>
        <translation>%1: первый рецепт руководства, одна папка для группы (режим 3773), группа %2</translation>
    </message>
    <message>
        <source>%1: the guide&apos;s second recipe, a folder per student (mode 0751), group %2</source>
        <translation>%1: второй рецепт руководства, по папке на учащегося (режим 0751), группа %2</translation>
    </message>
    <message>
        <source>%1 has the mode %2, not %3</source>
        <translation>%1 имеет режим %2, а не %3</translation>
    </message>
    <message>
        <source>every user may list %1 and see who handed in: take the others&apos; r away</source>
        <translation>любой пользователь может просмотреть список %1 и увидеть, кто сдал: уберите право r у остальных (others)</translation>
    </message>
    <message>
        <source>without the sticky bit a student may rename or remove another&apos;s folder</source>
        <translation>без бита sticky учащийся может переименовать или удалить чужую папку</translation>
    </message>
    <message>
        <source>without the setgid bit the students&apos; new folders do not get the group %1, and the teachers cannot read them</source>
        <translation>без бита setgid новые папки учащихся не получают группу %1, и преподаватели не могут их читать</translation>
    </message>
    <message>
        <source>the students cannot %1 their folders in %2</source>
        <translation>учащиеся не могут %1 свои папки в %2</translation>
    </message>
    <message>
        <source>make</source>
        <translation>создавать</translation>
    </message>
    <message>
        <source>reach</source>
        <translation>открывать</translation>
    </message>
    <message>
        <source>the group %1 cannot list %2, so the teachers do not see the folders</source>
        <translation>группа %1 не может получить список %2, поэтому преподаватели не видят папки</translation>
    </message>
    <message>
        <source>%1 belongs to user %2, not root: %2 may rename or remove every student&apos;s folder</source>
        <translation>%1 принадлежит пользователю %2, а не root: %2 может переименовать или удалить папку любого учащегося</translation>
    </message>
    <message>
        <source>%1 is a link, not a student&apos;s folder: remove it (hand-ins through it are refused)</source>
        <translation>%1 — ссылка, а не папка учащегося: удалите её (сдача через неё отклоняется)</translation>
    </message>
    <message>
        <source>%1 is no student&apos;s folder, and belongs to user %2: remove it</source>
        <translation>%1 — не папка учащегося и принадлежит пользователю %2: удалите её</translation>
    </message>
    <message>
        <source>%1: there is no user %2 on this machine</source>
        <translation>%1: пользователя %2 нет на этом компьютере</translation>
    </message>
    <message>
        <source>%1 belongs to user %2, not %3: remove it, or %3&apos;s hand-ins are refused</source>
        <translation>%1 принадлежит пользователю %2, а не %3: удалите её, иначе сдача от %3 отклоняется</translation>
    </message>
    <message>
        <source>%1 has the group %2, not %3: the teachers cannot read it</source>
        <translation>%1 имеет группу %2, а не %3: преподаватели не могут её читать</translation>
    </message>
    <message>
        <source>%1 has the mode %2, not 0750%3</source>
        <translation>%1 имеет режим %2, а не 0750%3</translation>
    </message>
    <message>
        <source>: every user may read %1&apos;s files</source>
        <translation>: любой пользователь может читать файлы %1</translation>
    </message>
    <message>
        <source>%1 is in the group %2, and so may read every student&apos;s folder</source>
        <translation>%1 входит в группу %2 и поэтому может читать папку любого учащегося</translation>
    </message>
    <message>
        <source>%1 is a link, which the summary does not follow: remove it</source>
        <translation>%1 — ссылка, по которой сводка не переходит: удалите её</translation>
    </message>
    <message>
        <source>%1 is a FIFO, a socket or a device, which the summary does not read: remove it</source>
        <translation>%1 — FIFO, сокет или устройство, которые сводка не читает: удалите это</translation>
    </message>
    <message>
        <source>%1 belongs to user %2, not to the folder&apos;s student</source>
        <translation>%1 принадлежит пользователю %2, а не учащемуся этой папки</translation>
    </message>
    <message>
        <source>every user may read %1</source>
        <translation>любой пользователь может читать %1</translation>
    </message>
</context>
<context>
    <name>SimpleEngine</name>
    <message>
        <source>            Audio Trigger</source>
        <translation>          Звуковой сигнал</translation>
    </message>
    <message>
        <source>           Visual Trigger</source>
        <translation>        Зрительный сигнал</translation>
    </message>
    <message>
        <source>     Audio/Visual Trigger</source>
        <translation>   Аудиовизуальный сигнал</translation>
    </message>
    <message>
        <source>The sound device &quot;%1&quot; could not be opened.</source>
        <translation>Не удалось открыть звуковое устройство «%1».</translation>
    </message>
    <message>
        <source><byte value="xd"/>An audio trigger needs it: choose a visual trigger in Options.</source>
        <translation><byte value="xd"/>Оно нужно для звукового сигнала: выберите зрительный сигнал в настройках.</translation>
    </message>
    <message>
        <source>No Sound Device</source>
        <translation>Нет звукового устройства</translation>
    </message>
    <message>
        <source><byte value="xd"/>The series runs with the colour alone.</source>
        <translation><byte value="xd"/>Прогон пойдёт только с цветом.</translation>
    </message>
</context>
<context>
    <name>SoundCapture</name>
    <message>
        <source>the sound card has no input to record from (%1)</source>
        <translation>у звуковой карты нет входа для записи (%1)</translation>
    </message>
    <message>
        <source>the sound card&apos;s input cannot record mono at %1 Hz (%2)</source>
        <translation>вход звуковой карты не может записывать моно с частотой %1 Hz (%2)</translation>
    </message>
    <message>
        <source>no PipeWire server answers</source>
        <translation>сервер PipeWire не отвечает</translation>
    </message>
    <message>
        <source>PipeWire has no input to record from</source>
        <translation>у PipeWire нет входа для записи</translation>
    </message>
    <message>
        <source>no PulseAudio server answers</source>
        <translation>сервер PulseAudio не отвечает</translation>
    </message>
    <message>
        <source>PulseAudio has no input to record from</source>
        <translation>у PulseAudio нет входа для записи</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>the built-in defaults</source>
        <translation>встроенные значения по умолчанию</translation>
    </message>
    <message>
        <source>, locked by the lab</source>
        <translation>, заблокированы лабораторией</translation>
    </message>
    <message>
        <source>Settings Locked</source>
        <translation>Настройки заблокированы</translation>
    </message>
    <message>
        <source>The configuration file %1 is not read: the lab locks the settings (LockSettings in %2).</source>
        <translation>Файл настроек %1 не прочитан: лаборатория блокирует настройки (LockSettings в %2).</translation>
    </message>
    <message>
        <source>Loading the class configuration ...</source>
        <translation>Загрузка настроек класса ...</translation>
    </message>
    <message>
        <source>the class configuration %1</source>
        <translation>настройки класса %1</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>такого файла нет</translation>
    </message>
    <message>
        <source>Class Configuration</source>
        <translation>Настройки класса</translation>
    </message>
    <message>
        <source>The class configuration %1 that %2 names cannot be read (%3); the configuration of this computer is used instead.</source>
        <translation>Настройки класса %1, указанные в %2, не удаётся прочитать (%3); вместо них используются настройки этого компьютера.</translation>
    </message>
</context>
<context>
    <name>StartupSequence</name>
    <message>
        <source>the screen is smaller than 800 x 600; the program ends</source>
        <translation>экран меньше 800 x 600; программа завершается</translation>
    </message>
    <message>
        <source>Fatal Application Error</source>
        <translation>Критическая ошибка приложения</translation>
    </message>
    <message>
        <source>Orv Brevane supports a minimum screen resolution of 800 x 600</source>
        <translation>Orv Brevane требует разрешение экрана не менее 800 x 600</translation>
    </message>
    <message>
        <source>Press OK to terminate program</source>
        <translation>Нажмите OK, чтобы завершить программу</translation>
    </message>
    <message>
        <source>Loading default configuration file ...</source>
        <translation>Загрузка файла настроек по умолчанию ...</translation>
    </message>
    <message>
        <source>Initializing application ...</source>
        <translation>Инициализация приложения ...</translation>
    </message>
    <message>
        <source>Initializing application ... Almost Done</source>
        <translation>Инициализация приложения ... Почти готово</translation>
    </message>
    <message>
        <source>not a configuration file</source>
        <translation>не файл настроек</translation>
    </message>
    <message>
        <source>Loading user configuration file ...</source>
        <translation>Загрузка пользовательского файла настроек ...</translation>
    </message>
    <message>
        <source>%1: no such configuration file; using the default configuration</source>
        <translation>%1: такого файла настроек нет; используются настройки по умолчанию</translation>
    </message>
    <message>
        <source>Configuration load error</source>
        <translation>Ошибка загрузки настроек</translation>
    </message>
    <message>
        <source>File %1 could not be found</source>
        <translation>Файл %1 не найден</translation>
    </message>
    <message>
        <source>Using Default Configuration</source>
        <translation>Используются настройки по умолчанию</translation>
    </message>
    <message>
        <source>%1: cannot read the configuration (%2); using the default configuration</source>
        <translation>%1: не удаётся прочитать настройки (%2); используются настройки по умолчанию</translation>
    </message>
    <message>
        <source>Configuration Error</source>
        <translation>Ошибка настроек</translation>
    </message>
    <message>
        <source>Invalid Configuration File</source>
        <translation>Недопустимый файл настроек</translation>
    </message>
    <message>
        <source>Using Default Configuration File</source>
        <translation>Используется файл настроек по умолчанию</translation>
    </message>
    <message>
        <source>%1: not found; writing one with the defaults</source>
        <translation>%1: не найден; записывается новый со значениями по умолчанию</translation>
    </message>
    <message>
        <source>Configuration file not found</source>
        <translation>Файл настроек не найден</translation>
    </message>
    <message>
        <source>Default configuration file not found...</source>
        <translation>Файл настроек по умолчанию не найден...</translation>
    </message>
    <message>
        <source>Creating Reflex.Cfg</source>
        <translation>Создание Reflex.Cfg</translation>
    </message>
    <message>
        <source>The refused file was kept as %1</source>
        <translation>Отклонённый файл сохранён как %1</translation>
    </message>
    <message>
        <source>it could not be written</source>
        <translation>не удалось его записать</translation>
    </message>
    <message>
        <source>%1: cannot read the configuration (%2); writing a new one with the defaults</source>
        <translation>%1: не удаётся прочитать настройки (%2); записывается новый файл со значениями по умолчанию</translation>
    </message>
    <message>
        <source>%1: cannot read the configuration (%2); writing a new one with the defaults (the refused file is kept beside it as %3)</source>
        <translation>%1: не удаётся прочитать настройки (%2); записывается новый файл со значениями по умолчанию (отклонённый файл сохранён рядом как %3)</translation>
    </message>
    <message>
        <source>Invalid Default Configuration File</source>
        <translation>Недопустимый файл настроек по умолчанию</translation>
    </message>
    <message>
        <source>Creating New Configuration File</source>
        <translation>Создание нового файла настроек</translation>
    </message>
    <message>
        <source>%1: cannot be written; the defaults are used until the program ends</source>
        <translation>%1: не удаётся записать; до завершения программы используются значения по умолчанию</translation>
    </message>
</context>
<context>
    <name>TestCore</name>
    <message>
        <source>Over write Data in Set %1 ?</source>
        <translation>Перезаписать данные в серии %1?</translation>
    </message>
    <message>
        <source>Start Reflex Data Collection</source>
        <translation>Начать сбор данных реакции</translation>
    </message>
    <message>
        <source>Your run has ended</source>
        <translation>Прогон завершён</translation>
    </message>
    <message>
        <source>END RUN</source>
        <translation>КОНЕЦ ПРОГОНА</translation>
    </message>
</context>
<context>
    <name>XDisplay</name>
    <message>
        <source>a compositing manager</source>
        <translation>композитный менеджер</translation>
    </message>
</context>
<context>
    <name>brevane::ChoiceWindow</name>
    <message>
        <source>With Sound</source>
        <translation>Со звуком</translation>
    </message>
    <message>
        <source>No Sound</source>
        <translation>Без звука</translation>
    </message>
</context>
<context>
    <name>brevane::MachineCheckWindow</name>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Начать</translation>
    </message>
    <message>
        <source>S&amp;kip this part</source>
        <translation>&amp;Пропустить часть</translation>
    </message>
    <message>
        <source>Sa&amp;ve the result</source>
        <translation>&amp;Сохранить результат</translation>
    </message>
    <message>
        <source>Brevane Machine Check</source>
        <translation>Проверка компьютера Brevane</translation>
    </message>
    <message>
        <source>Flashing patch</source>
        <translation>Мигающее пятно</translation>
    </message>
    <message>
        <source>Machine check guide</source>
        <translation>Руководство по проверке компьютера</translation>
    </message>
    <message>
        <source>Machine check: what this PC adds to every time a student measures on it.

The sound card&apos;s input is the clock: it hears the screen through a photodiode, the sound through a cable from the output, and the mouse through a microphone, and the program compares what it heard with its own stamps. Three parts, each about half a minute; skip any you cannot do. Each part gives the mean, the spread (SD) and the worst of its trials.

Press Start (or Return) to begin with the screen; Esc ends the check.</source>
        <translation>Проверка компьютера: что этот компьютер добавляет к каждому времени, которое на нём измеряет учащийся.

Часами служит вход звуковой карты: он слышит экран через фотодиод, звук — через кабель с выхода, а мышь — через микрофон, и программа сравнивает услышанное со своими отметками времени. Три части, каждая примерно по полминуты; пропустите те, которые не можете выполнить. Каждая часть даёт среднее, разброс (SD) и худший из своих замеров.

Нажмите «Начать» (или Return), чтобы начать с экрана; Esc завершает проверку.</translation>
    </message>
    <message>
        <source>No input to record from: %1.
Plug a cable or a microphone into the sound card&apos;s input (line-in or microphone), make it the input in the sound settings, and start the check again.</source>
        <translation>Нет входа для записи: %1.
Подключите кабель или микрофон ко входу звуковой карты (линейному или микрофонному), выберите его входом в настройках звука и запустите проверку снова.</translation>
    </message>
    <message>
        <source>

Clicks: %1 of %2</source>
        <translation>

Щелчки: %1 из %2</translation>
    </message>
    <message>
        <source>Screen: a photodiode held on the flashing patch.
You need a BPW34 photodiode (or any small silicon photodiode, a few euros) soldered to a 3.5 mm plug. On a line-in: the diode&apos;s anode to the tip, its cathode (the marked side) to the sleeve. On a microphone input, which feeds a few volts through the tip: the cathode to the tip, the anode to the sleeve. Set the input volume to about half.
Tape the diode flat on the middle of the patch below, the screen at the brightness the students use, the room light as in class. Press Start: the patch flashes %1 times, once a second.</source>
        <translation>Экран: фотодиод, приложенный к мигающему пятну.
Нужен фотодиод BPW34 (или любой небольшой кремниевый фотодиод за несколько евро), припаянный к штекеру 3,5 мм. Для линейного входа: анод диода — к кончику, катод (помеченная сторона) — к гильзе. Для микрофонного входа, который подаёт несколько вольт через кончик: катод — к кончику, анод — к гильзе. Установите громкость входа примерно на половину.
Приклейте диод плотно к середине пятна ниже; яркость экрана — как у учащихся, освещение комнаты — как на занятии. Нажмите «Начать»: пятно мигнёт %1 раз, раз в секунду.</translation>
    </message>
    <message>
        <source>Sound: the output looped to the input.
Plug a cable from the headphone socket into the line-in (or hold the headset&apos;s microphone at its speaker), the volume as in class. Press Start: %1 tones, one a second.</source>
        <translation>Звук: выход, соединённый петлёй со входом.
Подключите кабель от гнезда наушников к линейному входу (или держите микрофон гарнитуры у её динамика), громкость — как на занятии. Нажмите «Начать»: тонов будет %1, по одному в секунду.</translation>
    </message>
    <message>
        <source>Mouse: each button&apos;s click, heard by a microphone next to the mouse.
Put the microphone within 5 cm of the mouse&apos;s buttons: sound travels about 0.03 ms a centimetre, so 5 cm add 0.15 ms to what is measured, 30 cm almost 1 ms. Keep the room quiet. Press Start, then click the left button %1 times in the grey square, about once a second. Each mouse you click is measured on its own.</source>
        <translation>Мышь: щелчок каждой кнопки, который слышит микрофон рядом с мышью.
Поместите микрофон не дальше 5 см от кнопок мыши: звук проходит сантиметр примерно за 0,03 ms, поэтому 5 см добавляют к измеренному 0,15 ms, 30 см — почти 1 ms. Соблюдайте тишину в комнате. Нажмите «Начать», затем щёлкните левой кнопкой %1 раз в сером квадрате, примерно раз в секунду. Каждая мышь, которой вы щёлкаете, измеряется отдельно.</translation>
    </message>
    <message>
        <source>The machine check is done.

%1

Save keeps the result on this machine: the about box and the timing check show it, and it goes with the students&apos; files to the hand-in folder, where brevane-summary reads it.</source>
        <translation>Проверка компьютера завершена.

%1

«Сохранить» сохраняет результат на этом компьютере: его показывают окно «О программе» и проверка хронометража, и он уходит вместе с файлами учащихся в папку сдачи, где его читает brevane-summary.</translation>
    </message>
    <message>
        <source>%1: skipped</source>
        <translation>%1: пропущено</translation>
    </message>
    <message>
        <source>

Measuring...</source>
        <translation>

Измерение...</translation>
    </message>
    <message>
        <source>

Flashes: %1 of %2</source>
        <translation>

Вспышки: %1 из %2</translation>
    </message>
    <message>
        <source>

Tones: %1 of %2</source>
        <translation>

Тоны: %1 из %2</translation>
    </message>
    <message>
        <source>%1: mean %2 ms, SD %3 ms, worst %4 ms over %5 of %6 trials</source>
        <translation>%1: среднее %2 ms, SD %3 ms, худшее %4 ms по %5 из %6 замеров</translation>
    </message>
    <message>
        <source>%1: refused: %2</source>
        <translation>%1: отклонено: %2</translation>
    </message>
    <message>
        <source>&amp;Finish</source>
        <translation>&amp;Завершить</translation>
    </message>
    <message>
        <source>&amp;Next part</source>
        <translation>Следующая &amp;часть</translation>
    </message>
    <message>
        <source>

Press %1 (Return) to go on.</source>
        <translation>

Нажмите «%1» (Return), чтобы продолжить.</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Завершить</translation>
    </message>
    <message>
        <source>Next part</source>
        <translation>Следующая часть</translation>
    </message>
    <message>
        <source>Saved to %1.
For every user of this machine, copy it to /etc/xdg/Brevane/machine-check.txt (as root). Esc ends the check.</source>
        <translation>Сохранено в %1.
Для всех пользователей этого компьютера скопируйте его в /etc/xdg/Brevane/machine-check.txt (от имени root). Esc завершает проверку.</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <translation>Не удалось сохранить %1: %2</translation>
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
        <translation>Времена</translation>
    </message>
    <message>
        <source>Set %1</source>
        <translation>Серия %1</translation>
    </message>
</context>
<context>
    <name>brevane::TimingCheckWindow</name>
    <message>
        <source>Brevane Timing Check</source>
        <translation>Проверка хронометража Brevane</translation>
    </message>
    <message>
        <source>Flashing patch</source>
        <translation>Мигающее пятно</translation>
    </message>
    <message>
        <source>Timing readout</source>
        <translation>Показания хронометража</translation>
    </message>
    <message>
        <source>Frames: measuring...</source>
        <translation>Кадры: измерение...</translation>
    </message>
    <message>
        <source>Frames stamped at %L1 Hz (one every %L2 ms)
Frame time jitter: SD %L3 ms, worst %L4 ms, %5 late of the last %6</source>
        <translation>Отметки кадров с частотой %L1 Hz (один каждые %L2 ms)
Разброс времени кадров: SD %L3 ms, худший %L4 ms, опоздали %5 из последних %6</translation>
    </message>
    <message>
        <source>
Times may be one frame long: see the guide</source>
        <translation>
Времена могут быть на кадр длиннее: см. руководство</translation>
    </message>
    <message>
        <source>Timing check: Esc or a click ends it
Refresh reported by the screen: %L1 Hz; the monitor&apos;s mode: %2
%3
Stamp sources: display %4, input %5, sound %6
Compositor: %7; stimulus stamps: %8%9
The patch turns every %10 frames (frame %11)
%12</source>
        <translation>Проверка хронометража: Esc или щелчок завершают её
Частота обновления по данным экрана: %L1 Hz; режим монитора: %2
%3
Источники отметок времени: дисплей %4, ввод %5, звук %6
Композитор: %7; отметки стимулов: %8%9
Пятно меняется каждые %10 кадров (кадр %11)
%12</translation>
    </message>
</context>
<context>
    <name>brevane::frmAbout</name>
    <message>
        <source>Release %1</source>
        <translation>Выпуск %1</translation>
    </message>
    <message>
        <source>Configuration: %1</source>
        <translation>Настройки: %1</translation>
    </message>
</context>
<context>
    <name>brevane::frmColorSelect</name>
    <message>
        <source>Black</source>
        <translation>Чёрный</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Синий</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Зелёный</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Голубой</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Красный</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Пурпурный</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Жёлтый</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Белый</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Серый</translation>
    </message>
    <message>
        <source>Light Blue</source>
        <translation>Светло-синий</translation>
    </message>
    <message>
        <source>Light Green</source>
        <translation>Светло-зелёный</translation>
    </message>
    <message>
        <source>Light Cyan</source>
        <translation>Светло-голубой</translation>
    </message>
    <message>
        <source>Light Red</source>
        <translation>Светло-красный</translation>
    </message>
    <message>
        <source>Light Magenta</source>
        <translation>Светло-пурпурный</translation>
    </message>
    <message>
        <source>Light Yellow</source>
        <translation>Светло-жёлтый</translation>
    </message>
    <message>
        <source>Bright White</source>
        <translation>Ярко-белый</translation>
    </message>
</context>
<context>
    <name>brevane::frmMain</name>
    <message>
        <source>Version %1</source>
        <translation>Версия %1</translation>
    </message>
</context>
<context>
    <name>brevane::summary::ClassChartWindow</name>
    <message>
        <source>Class reaction times</source>
        <translation>Время реакции класса</translation>
    </message>
    <message>
        <source>Handed in</source>
        <translation>Сдано</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About Brevane</source>
        <translation>О программе Brevane</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Логотип</translation>
    </message>
    <message>
        <source>Simple vs Complex Stimulus Reaction Timing</source>
        <translation>Время реакции: простой и сложный стимул</translation>
    </message>
    <message>
        <source>Orv Brevane 2</source>
        <translation>Orv Brevane 2</translation>
    </message>
    <message>
        <source>For Linux with X11 and Wayland</source>
        <translation>Для Linux с X11 и Wayland</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Таймер</translation>
    </message>
    <message>
        <source>Reaction timing for student laboratory courses</source>
        <translation>Измерение времени реакции для учебных лабораторных занятий</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Звук</translation>
    </message>
    <message>
        <source>Your files are kept in:</source>
        <translation>Ваши файлы хранятся в:</translation>
    </message>
    <message>
        <source>Language: English</source>
        <comment>The language this translation is: translators name their own language, in it</comment>
        <translation>Язык: русский</translation>
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
        <translation>Настройки Brevane</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>Простой</translation>
    </message>
    <message>
        <source>Simple Single Choice Settings</source>
        <translation>Настройки простого теста</translation>
    </message>
    <message>
        <source>Runs Per Set</source>
        <translation>Попыток в серии</translation>
    </message>
    <message>
        <source>Trigger On</source>
        <translation>Сигнал</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Звуковой</translation>
    </message>
    <message>
        <source>Visual</source>
        <translation>Зрительный</translation>
    </message>
    <message>
        <source>Trigger Color</source>
        <translation>Цвет сигнала</translation>
    </message>
    <message>
        <source>Color of the visual stimulus: click to choose another</source>
        <translation>Цвет зрительного стимула: щёлкните, чтобы выбрать другой</translation>
    </message>
    <message>
        <source>Interval Timing</source>
        <translation>Задание интервала</translation>
    </message>
    <message>
        <source>Random Interval</source>
        <translation>Случайный интервал</translation>
    </message>
    <message>
        <source>Fixed Interval</source>
        <translation>Фиксированный интервал</translation>
    </message>
    <message>
        <source>Fixed Time Interval</source>
        <translation>Фиксированный интервал времени</translation>
    </message>
    <message>
        <source>Minimum Time Interval</source>
        <translation>Минимальный интервал времени</translation>
    </message>
    <message>
        <source>Color/Audio</source>
        <translation>Цвет/звук</translation>
    </message>
    <message>
        <source>Complex Choice Color/Audio Settings</source>
        <translation>Настройки теста с выбором: цвет/звук</translation>
    </message>
    <message>
        <source>Display Time</source>
        <translation>Время показа</translation>
    </message>
    <message>
        <source>Color and Audio</source>
        <translation>Цвет и звук</translation>
    </message>
    <message>
        <source>Color no Audio</source>
        <translation>Цвет без звука</translation>
    </message>
    <message>
        <source>Make Sound</source>
        <translation>Издавать звук</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Elements</source>
        <translation>Элементы</translation>
    </message>
    <message>
        <source>Elements in Set</source>
        <translation>Число элементов</translation>
    </message>
    <message>
        <source>Trigger Element</source>
        <translation>Целевой элемент</translation>
    </message>
    <message>
        <source>Trigger Element Color</source>
        <translation>Цвет целевого элемента</translation>
    </message>
    <message>
        <source>Color of the trigger element: click to choose another</source>
        <translation>Цвет целевого элемента: щёлкните, чтобы выбрать другой</translation>
    </message>
    <message>
        <source>Element</source>
        <translation>Элемент</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Цвет</translation>
    </message>
    <message>
        <source>Choose the color of this element</source>
        <translation>Выберите цвет этого элемента</translation>
    </message>
    <message>
        <source>Element Colors</source>
        <translation>Цвета элементов</translation>
    </message>
    <message>
        <source>Element 1 Color</source>
        <translation>Цвет элемента 1</translation>
    </message>
    <message>
        <source>Color of element 1: click to choose another (grey: not in use)</source>
        <translation>Цвет элемента 1: щёлкните, чтобы выбрать другой (серый: не используется)</translation>
    </message>
    <message>
        <source>Element 2 Color</source>
        <translation>Цвет элемента 2</translation>
    </message>
    <message>
        <source>Color of element 2: click to choose another (grey: not in use)</source>
        <translation>Цвет элемента 2: щёлкните, чтобы выбрать другой (серый: не используется)</translation>
    </message>
    <message>
        <source>Element 3 Color</source>
        <translation>Цвет элемента 3</translation>
    </message>
    <message>
        <source>Color of element 3: click to choose another (grey: not in use)</source>
        <translation>Цвет элемента 3: щёлкните, чтобы выбрать другой (серый: не используется)</translation>
    </message>
    <message>
        <source>Element 4 Color</source>
        <translation>Цвет элемента 4</translation>
    </message>
    <message>
        <source>Color of element 4: click to choose another (grey: not in use)</source>
        <translation>Цвет элемента 4: щёлкните, чтобы выбрать другой (серый: не используется)</translation>
    </message>
    <message>
        <source>Element 5 Color</source>
        <translation>Цвет элемента 5</translation>
    </message>
    <message>
        <source>Color of element 5: click to choose another (grey: not in use)</source>
        <translation>Цвет элемента 5: щёлкните, чтобы выбрать другой (серый: не используется)</translation>
    </message>
    <message>
        <source>Element 6 Color</source>
        <translation>Цвет элемента 6</translation>
    </message>
    <message>
        <source>Color of element 6: click to choose another (grey: not in use)</source>
        <translation>Цвет элемента 6: щёлкните, чтобы выбрать другой (серый: не используется)</translation>
    </message>
    <message>
        <source>Element 7 Color</source>
        <translation>Цвет элемента 7</translation>
    </message>
    <message>
        <source>Color of element 7: click to choose another (grey: not in use)</source>
        <translation>Цвет элемента 7: щёлкните, чтобы выбрать другой (серый: не используется)</translation>
    </message>
    <message>
        <source>Element 8 Color</source>
        <translation>Цвет элемента 8</translation>
    </message>
    <message>
        <source>Color of element 8: click to choose another (grey: not in use)</source>
        <translation>Цвет элемента 8: щёлкните, чтобы выбрать другой (серый: не используется)</translation>
    </message>
    <message>
        <source>Element 9 Color</source>
        <translation>Цвет элемента 9</translation>
    </message>
    <message>
        <source>Color of element 9: click to choose another (grey: not in use)</source>
        <translation>Цвет элемента 9: щёлкните, чтобы выбрать другой (серый: не используется)</translation>
    </message>
    <message>
        <source>Element 10 Color</source>
        <translation>Цвет элемента 10</translation>
    </message>
    <message>
        <source>Color of element 10: click to choose another (grey: not in use)</source>
        <translation>Цвет элемента 10: щёлкните, чтобы выбрать другой (серый: не используется)</translation>
    </message>
    <message>
        <source>Num/Audio</source>
        <translation>Число/звук</translation>
    </message>
    <message>
        <source>Complex Choice Numbers/Audio Settings</source>
        <translation>Настройки теста с выбором: число/звук</translation>
    </message>
    <message>
        <source>Number and Audio</source>
        <translation>Число и звук</translation>
    </message>
    <message>
        <source>Number no Audio</source>
        <translation>Число без звука</translation>
    </message>
    <message>
        <source>Trigger Number</source>
        <translation>Целевое число</translation>
    </message>
    <message>
        <source>The number of the trigger element</source>
        <translation>Число целевого элемента</translation>
    </message>
    <message>
        <source>Element Number</source>
        <translation>Число элемента</translation>
    </message>
    <message>
        <source>The number of this element (0 to 99)</source>
        <translation>Число этого элемента (от 0 до 99)</translation>
    </message>
    <message>
        <source>Element Numbers</source>
        <translation>Числа элементов</translation>
    </message>
    <message>
        <source>Element 1 Number</source>
        <translation>Число элемента 1</translation>
    </message>
    <message>
        <source>Element 2 Number</source>
        <translation>Число элемента 2</translation>
    </message>
    <message>
        <source>Element 3 Number</source>
        <translation>Число элемента 3</translation>
    </message>
    <message>
        <source>Element 4 Number</source>
        <translation>Число элемента 4</translation>
    </message>
    <message>
        <source>Element 5 Number</source>
        <translation>Число элемента 5</translation>
    </message>
    <message>
        <source>Element 6 Number</source>
        <translation>Число элемента 6</translation>
    </message>
    <message>
        <source>Element 7 Number</source>
        <translation>Число элемента 7</translation>
    </message>
    <message>
        <source>Element 8 Number</source>
        <translation>Число элемента 8</translation>
    </message>
    <message>
        <source>Element 9 Number</source>
        <translation>Число элемента 9</translation>
    </message>
    <message>
        <source>Element 10 Number</source>
        <translation>Число элемента 10</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Громкость</translation>
    </message>
    <message>
        <source>Master volume of the speakers</source>
        <translation>Общая громкость динамиков</translation>
    </message>
    <message>
        <source>Volume Setting</source>
        <translation>Настройка громкости</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>О&amp;тмена</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Сбросить</translation>
    </message>
    <message>
        <source>Back to the configuration loaded at start-up</source>
        <translation>Вернуть настройки, загруженные при запуске</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Загрузить</translation>
    </message>
    <message>
        <source>Load a configuration file</source>
        <translation>Загрузить файл настроек</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>Со&amp;хранить</translation>
    </message>
    <message>
        <source>Save the configuration to a file</source>
        <translation>Сохранить настройки в файл</translation>
    </message>
</context>
<context>
    <name>frmChoiceReflexDisplay</name>
    <message>
        <source>Complex Choice Color/Audio Stimulus Module Data Display</source>
        <translation>Результаты: тест с выбором (цвет/звук)</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Логотип</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Версия</translation>
    </message>
    <message>
        <source>Set 1</source>
        <translation>Серия 1</translation>
    </message>
    <message>
        <source>Run Data</source>
        <translation>Данные попыток</translation>
    </message>
    <message>
        <source>Run 1</source>
        <translation>Попытка 1</translation>
    </message>
    <message>
        <source>Run 2</source>
        <translation>Попытка 2</translation>
    </message>
    <message>
        <source>Run 3</source>
        <translation>Попытка 3</translation>
    </message>
    <message>
        <source>Run 4</source>
        <translation>Попытка 4</translation>
    </message>
    <message>
        <source>Run 5</source>
        <translation>Попытка 5</translation>
    </message>
    <message>
        <source>Run 6</source>
        <translation>Попытка 6</translation>
    </message>
    <message>
        <source>Run 7</source>
        <translation>Попытка 7</translation>
    </message>
    <message>
        <source>Run 8</source>
        <translation>Попытка 8</translation>
    </message>
    <message>
        <source>Run 9</source>
        <translation>Попытка 9</translation>
    </message>
    <message>
        <source>Run 10</source>
        <translation>Попытка 10</translation>
    </message>
    <message>
        <source>Run Statistics</source>
        <translation>Статистика попыток</translation>
    </message>
    <message>
        <source>Fast Time</source>
        <translation>Мин. время</translation>
    </message>
    <message>
        <source>Slow Time</source>
        <translation>Макс. время</translation>
    </message>
    <message>
        <source>Average Time</source>
        <translation>Среднее время</translation>
    </message>
    <message>
        <source>Outcomes</source>
        <translation>Исходы</translation>
    </message>
    <message>
        <source>Correct Hits</source>
        <translation>Верные нажатия</translation>
    </message>
    <message>
        <source>Correct Misses</source>
        <translation>Верные пропуски</translation>
    </message>
    <message>
        <source>InCorrect Hits</source>
        <translation>Ложные нажатия</translation>
    </message>
    <message>
        <source>Missed Hits</source>
        <translation>Пропуски цели</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Комментарии</translation>
    </message>
    <message>
        <source>Set 2</source>
        <translation>Серия 2</translation>
    </message>
    <message>
        <source>Set 3</source>
        <translation>Серия 3</translation>
    </message>
    <message>
        <source>Set 4</source>
        <translation>Серия 4</translation>
    </message>
    <message>
        <source>Set 5</source>
        <translation>Серия 5</translation>
    </message>
    <message>
        <source>Set 6</source>
        <translation>Серия 6</translation>
    </message>
    <message>
        <source>Set 7</source>
        <translation>Серия 7</translation>
    </message>
    <message>
        <source>Set 8</source>
        <translation>Серия 8</translation>
    </message>
    <message>
        <source>Set 9</source>
        <translation>Серия 9</translation>
    </message>
    <message>
        <source>Set 10</source>
        <translation>Серия 10</translation>
    </message>
    <message>
        <source>Fastest Times</source>
        <translation>Быстрые</translation>
    </message>
    <message>
        <source>Set Data For Fastest Times</source>
        <translation>Данные серий: минимальные времена</translation>
    </message>
    <message>
        <source>Slowest Times</source>
        <translation>Медленные</translation>
    </message>
    <message>
        <source>Set Data For Slowest Times</source>
        <translation>Данные серий: максимальные времена</translation>
    </message>
    <message>
        <source>Average Times</source>
        <translation>Средние</translation>
    </message>
    <message>
        <source>Set Data For Average Times</source>
        <translation>Данные серий: средние времена</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Печать</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Загрузить</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Экспорт</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Очистить всё</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Готово</translation>
    </message>
</context>
<context>
    <name>frmColorReflex</name>
    <message>
        <source>Complex Choice Color/Audio Stimulus Module</source>
        <translation>Тест с выбором: цвет/звук</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Логотип</translation>
    </message>
    <message>
        <source>Complex Choice Color/Audio Stimulus</source>
        <translation>Сложный стимул с выбором: цвет/звук</translation>
    </message>
    <message>
        <source>Trigger On</source>
        <translation>Сигнал</translation>
    </message>
    <message>
        <source>Trigger Element</source>
        <translation>Целевой элемент</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Звук</translation>
    </message>
    <message>
        <source>Press Here</source>
        <translation>Нажмите здесь</translation>
    </message>
    <message>
        <source>Element Display</source>
        <translation>Показ элементов</translation>
    </message>
    <message>
        <source>Set Indicator</source>
        <translation>Индикатор серии</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>Previous Time</source>
        <translation>Предыдущее время</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Разница</translation>
    </message>
    <message>
        <source>Average Time</source>
        <translation>Среднее время</translation>
    </message>
    <message>
        <source>Run Count</source>
        <translation>Число попыток</translation>
    </message>
    <message>
        <source>Correct Hits</source>
        <translation>Верные нажатия</translation>
    </message>
    <message>
        <source>Incorrect Hits</source>
        <translation>Ложные нажатия</translation>
    </message>
    <message>
        <source>Correct Misses</source>
        <translation>Верные пропуски</translation>
    </message>
    <message>
        <source>Missed Hits</source>
        <translation>Пропуски цели</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Описание</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Старт</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Clear Set</source>
        <translation>Сброс серии</translation>
    </message>
    <message>
        <source>Next Set</source>
        <translation>След. серия</translation>
    </message>
    <message>
        <source>Prev Set</source>
        <translation>Пред. серия</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Результаты</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Готово</translation>
    </message>
</context>
<context>
    <name>frmColorSelect</name>
    <message>
        <source>Color Selection</source>
        <translation>Выбор цвета</translation>
    </message>
    <message>
        <source>Current Color:</source>
        <translation>Текущий цвет:</translation>
    </message>
    <message>
        <source>Current Color</source>
        <translation>Текущий цвет</translation>
    </message>
    <message>
        <source>Color Selected:</source>
        <translation>Выбранный цвет:</translation>
    </message>
    <message>
        <source>Color Selected</source>
        <translation>Выбранный цвет</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>&amp;Выбрать</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Отмена</translation>
    </message>
</context>
<context>
    <name>frmDisplay</name>
    <message>
        <source>Simple Choice Stimulus Module Data Display</source>
        <translation>Результаты: простой тест</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Логотип</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Версия</translation>
    </message>
    <message>
        <source>Set 1</source>
        <translation>Серия 1</translation>
    </message>
    <message>
        <source>Run Data</source>
        <translation>Данные попыток</translation>
    </message>
    <message>
        <source>Run 1</source>
        <translation>Попытка 1</translation>
    </message>
    <message>
        <source>Run 2</source>
        <translation>Попытка 2</translation>
    </message>
    <message>
        <source>Run 3</source>
        <translation>Попытка 3</translation>
    </message>
    <message>
        <source>Run 4</source>
        <translation>Попытка 4</translation>
    </message>
    <message>
        <source>Run 5</source>
        <translation>Попытка 5</translation>
    </message>
    <message>
        <source>Run 6</source>
        <translation>Попытка 6</translation>
    </message>
    <message>
        <source>Run 7</source>
        <translation>Попытка 7</translation>
    </message>
    <message>
        <source>Run 8</source>
        <translation>Попытка 8</translation>
    </message>
    <message>
        <source>Run 9</source>
        <translation>Попытка 9</translation>
    </message>
    <message>
        <source>Run 10</source>
        <translation>Попытка 10</translation>
    </message>
    <message>
        <source>Run Statistics</source>
        <translation>Статистика попыток</translation>
    </message>
    <message>
        <source>Fast Time</source>
        <translation>Мин. время</translation>
    </message>
    <message>
        <source>Slow Time</source>
        <translation>Макс. время</translation>
    </message>
    <message>
        <source>Average Time</source>
        <translation>Среднее время</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Комментарии</translation>
    </message>
    <message>
        <source>Set 2</source>
        <translation>Серия 2</translation>
    </message>
    <message>
        <source>Set 3</source>
        <translation>Серия 3</translation>
    </message>
    <message>
        <source>Set 4</source>
        <translation>Серия 4</translation>
    </message>
    <message>
        <source>Set 5</source>
        <translation>Серия 5</translation>
    </message>
    <message>
        <source>Set 6</source>
        <translation>Серия 6</translation>
    </message>
    <message>
        <source>Set 7</source>
        <translation>Серия 7</translation>
    </message>
    <message>
        <source>Set 8</source>
        <translation>Серия 8</translation>
    </message>
    <message>
        <source>Set 9</source>
        <translation>Серия 9</translation>
    </message>
    <message>
        <source>Set 10</source>
        <translation>Серия 10</translation>
    </message>
    <message>
        <source>Fastest Times</source>
        <translation>Быстрые</translation>
    </message>
    <message>
        <source>Set Data For Fastest Times</source>
        <translation>Данные серий: минимальные времена</translation>
    </message>
    <message>
        <source>Slowest Times</source>
        <translation>Медленные</translation>
    </message>
    <message>
        <source>Set Data For Slowest Times</source>
        <translation>Данные серий: максимальные времена</translation>
    </message>
    <message>
        <source>Average Times</source>
        <translation>Средние</translation>
    </message>
    <message>
        <source>Set Data For Average Times</source>
        <translation>Данные серий: средние времена</translation>
    </message>
    <message>
        <source>All Data</source>
        <translation>Все</translation>
    </message>
    <message>
        <source>Data Only Displayed On The Graph</source>
        <translation>Данные только на графике</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Печать</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Загрузить</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Экспорт</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Очистить всё</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Готово</translation>
    </message>
</context>
<context>
    <name>frmLoadDisplay</name>
    <message>
        <source>Loading</source>
        <translation>Загрузка</translation>
    </message>
    <message>
        <source>Loading Display Please Wait...</source>
        <translation>Загрузка результатов, подождите...</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Simple vs Complex Stimulus Reaction Timing</source>
        <translation>Время реакции: простой и сложный стимул</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>Простой</translation>
    </message>
    <message>
        <source>Simple Single Stimulus Module</source>
        <translation>Простой тест: один стимул</translation>
    </message>
    <message>
        <source>Color/Audio</source>
        <translation>Цвет/звук</translation>
    </message>
    <message>
        <source>Complex Color/Audio Stimulus Module</source>
        <translation>Тест с выбором: цвет/звук</translation>
    </message>
    <message>
        <source>Num/Audio</source>
        <translation>Число/звук</translation>
    </message>
    <message>
        <source>Complex Number/Audio Stimulus Module</source>
        <translation>Тест с выбором: число/звук</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Edit Brev Settings</source>
        <translation>Изменить настройки Brevane</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>Очистить данные</translation>
    </message>
    <message>
        <source>Clear All Data Sets</source>
        <translation>Очистить все серии данных</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>Восстановить</translation>
    </message>
    <message>
        <source>Recover Data after a system crash</source>
        <translation>Восстановить данные после сбоя системы</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Display About box</source>
        <translation>Показать окно «О программе»</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Quit Brev</source>
        <translation>Выйти из Brevane</translation>
    </message>
    <message>
        <source>Are you sure you want to DELETE ALL DATA ?</source>
        <translation>Вы действительно хотите УДАЛИТЬ ВСЕ ДАННЫЕ?</translation>
    </message>
    <message>
        <source>Delete All Data</source>
        <translation>Удалить все данные</translation>
    </message>
    <message>
        <source>Are you sure you want to exit?</source>
        <translation>Вы действительно хотите выйти?</translation>
    </message>
    <message>
        <source>Data NOT saved!<byte value="xd"/></source>
        <translation>Данные НЕ сохранены!<byte value="xd"/></translation>
    </message>
    <message>
        <source>Exit Orv Brevane 2</source>
        <translation>Выход из Orv Brevane 2</translation>
    </message>
</context>
<context>
    <name>frmNumberReflex</name>
    <message>
        <source>Complex Choice Number/Audio Stimulus Module</source>
        <translation>Тест с выбором: число/звук</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Логотип</translation>
    </message>
    <message>
        <source>Complex Choice Number/Audio Stimulus</source>
        <translation>Сложный стимул с выбором: число/звук</translation>
    </message>
    <message>
        <source>Trigger On</source>
        <translation>Сигнал</translation>
    </message>
    <message>
        <source>Trigger Element</source>
        <translation>Целевой элемент</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Звук</translation>
    </message>
    <message>
        <source>Press Here</source>
        <translation>Нажмите здесь</translation>
    </message>
    <message>
        <source>Element Display</source>
        <translation>Показ элементов</translation>
    </message>
    <message>
        <source>Set Indicator</source>
        <translation>Индикатор серии</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>Previous Time</source>
        <translation>Предыдущее время</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Разница</translation>
    </message>
    <message>
        <source>Average Time</source>
        <translation>Среднее время</translation>
    </message>
    <message>
        <source>Run Count</source>
        <translation>Число попыток</translation>
    </message>
    <message>
        <source>Correct Hits</source>
        <translation>Верные нажатия</translation>
    </message>
    <message>
        <source>Incorrect Hits</source>
        <translation>Ложные нажатия</translation>
    </message>
    <message>
        <source>Correct Misses</source>
        <translation>Верные пропуски</translation>
    </message>
    <message>
        <source>Missed Hits</source>
        <translation>Пропуски цели</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Описание</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Старт</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Clear Set</source>
        <translation>Сброс серии</translation>
    </message>
    <message>
        <source>Next Set</source>
        <translation>След. серия</translation>
    </message>
    <message>
        <source>Prev Set</source>
        <translation>Пред. серия</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Результаты</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Готово</translation>
    </message>
</context>
<context>
    <name>frmPrint</name>
    <message>
        <source>Print Data</source>
        <translation>Печать данных</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Тема:</translation>
    </message>
    <message>
        <source>Select Sets To Print</source>
        <translation>Выберите серии для печати</translation>
    </message>
    <message>
        <source>Set 1</source>
        <translation>Серия 1</translation>
    </message>
    <message>
        <source>Set 2</source>
        <translation>Серия 2</translation>
    </message>
    <message>
        <source>Set 3</source>
        <translation>Серия 3</translation>
    </message>
    <message>
        <source>Set 4</source>
        <translation>Серия 4</translation>
    </message>
    <message>
        <source>Set 5</source>
        <translation>Серия 5</translation>
    </message>
    <message>
        <source>Set 6</source>
        <translation>Серия 6</translation>
    </message>
    <message>
        <source>Set 7</source>
        <translation>Серия 7</translation>
    </message>
    <message>
        <source>Set 8</source>
        <translation>Серия 8</translation>
    </message>
    <message>
        <source>Set 9</source>
        <translation>Серия 9</translation>
    </message>
    <message>
        <source>Set 10</source>
        <translation>Серия 10</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Выбрать все</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>UnSelectAll</source>
        <translation>Снять все</translation>
    </message>
    <message>
        <source>SelectAll</source>
        <translation>Выбрать все</translation>
    </message>
    <message>
        <source>You must select atleast ONE set to Print</source>
        <translation>Выберите хотя бы ОДНУ серию для печати</translation>
    </message>
    <message>
        <source>Printing Error</source>
        <translation>Ошибка печати</translation>
    </message>
</context>
<context>
    <name>frmReflex</name>
    <message>
        <source>Simple Choice Stimulus Module</source>
        <translation>Простой тест</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Логотип</translation>
    </message>
    <message>
        <source>Simple Choice Stimulus</source>
        <translation>Простой стимул</translation>
    </message>
    <message>
        <source>           Visual Trigger</source>
        <translation>        Зрительный сигнал</translation>
    </message>
    <message>
        <source>Press Here</source>
        <translation>Нажмите здесь</translation>
    </message>
    <message>
        <source>Stimulus</source>
        <translation>Стимул</translation>
    </message>
    <message>
        <source>Speaker</source>
        <translation>Динамик</translation>
    </message>
    <message>
        <source>Set Indicator</source>
        <translation>Индикатор серии</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Серия</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Описание</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>Previous Time</source>
        <translation>Предыдущее время</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Разница</translation>
    </message>
    <message>
        <source>Average Time</source>
        <translation>Среднее время</translation>
    </message>
    <message>
        <source>Run Count</source>
        <translation>Число попыток</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Старт</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Clear Set</source>
        <translation>Сброс серии</translation>
    </message>
    <message>
        <source>Next Set</source>
        <translation>След. серия</translation>
    </message>
    <message>
        <source>Prev Set</source>
        <translation>Пред. серия</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Результаты</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Готово</translation>
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
        <translation>Время реакции: простой и сложный стимул</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Ход выполнения</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>there is no translation for &quot;%1&quot;; the program is shown in English</source>
        <translation>перевода для «%1» нет; программа показана на английском</translation>
    </message>
</context>
<context>
    <name>summary</name>
    <message>
        <source>The class summary of reaction-time files (recover.dat, .nrm and .col files, or folders of them):
sets.csv, students.csv, class.csv, class-notes.txt, class-chart.pdf and class-chart.png.</source>
        <translation>Сводка по классу из файлов времени реакции (recover.dat, файлы .nrm и .col или папки с ними):
sets.csv, students.csv, class.csv, class-notes.txt, class-chart.pdf и class-chart.png.</translation>
    </message>
    <message>
        <source>Write into &lt;folder&gt; (default: the current folder).</source>
        <translation>Записать в &lt;папка&gt; (по умолчанию: текущая папка).</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>папка</translation>
    </message>
    <message>
        <source>The .col files are the colour test&apos;s.</source>
        <translation>Файлы .col — от теста с цветом.</translation>
    </message>
    <message>
        <source>The .col files are the number test&apos;s.</source>
        <translation>Файлы .col — от теста с числами.</translation>
    </message>
    <message>
        <source>Name each student after their folder or their files&apos; names.</source>
        <translation>Называть каждого учащегося по его папке или по именам его файлов.</translation>
    </message>
    <message>
        <source>Start each CSV file with a UTF-8 mark.</source>
        <translation>Начинать каждый файл CSV с метки UTF-8.</translation>
    </message>
    <message>
        <source>Write again whenever a file changes, until stopped.</source>
        <translation>Записывать заново при каждом изменении файла, пока не остановят.</translation>
    </message>
    <message>
        <source>As --watch, with the chart in a window.</source>
        <translation>Как --watch, но с диаграммой в окне.</translation>
    </message>
    <message>
        <source>Data files and folders.</source>
        <translation>Файлы данных и папки.</translation>
    </message>
    <message>
        <source>path...</source>
        <translation>путь...</translation>
    </message>
    <message>
        <source>--colour and --number exclude each other: summarise each test&apos;s .col files apart</source>
        <translation>--colour и --number исключают друг друга: сводите файлы .col каждого теста отдельно</translation>
    </message>
    <message>
        <source>--student-from takes folder or name, not %1</source>
        <translation>--student-from принимает folder или name, а не %1</translation>
    </message>
    <message>
        <source>no file could be read; nothing written</source>
        <translation>не удалось прочитать ни одного файла; ничего не записано</translation>
    </message>
    <message>
        <source>Count a folder&apos;s files as its owners handed them in (yes), or by their names (no); by default the owners decide in a hand-in folder, one that others may enter but not list.</source>
        <translation>Считать файлы папки сданными их владельцами (yes) или по их именам (no); по умолчанию в папке сдачи, в которую другие могут войти, но не могут получить её список, решают владельцы.</translation>
    </message>
    <message>
        <source>Say whether the hand-in folder &lt;folder&gt; is set up as one of the guide&apos;s recipes, and what is wrong; nothing is summarised.</source>
        <translation>Сообщить, устроена ли папка сдачи &lt;папка&gt; по одному из рецептов руководства и что в ней не так; сводка не составляется.</translation>
    </message>
    <message>
        <source>--owners takes yes or no, not %1</source>
        <translation>--owners принимает yes или no, а не %1</translation>
    </message>
</context>
</TS>
