<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA">
<context>
    <name>ClassChart</name>
    <message>
        <source>Class reaction times: simple against choice</source>
        <translation>Час реакції класу: простий тест і тести з вибором</translation>
    </message>
    <message>
        <source>One dot for each student&apos;s mean reaction time (%1): the mean of their set means, in whole ms as stored. Box: lower to upper quartile; thick line: median; whiskers: the furthest means within 1.5 box lengths.</source>
        <translation>Одна точка — середній час реакції кожного студента (%1): середнє його середніх за серіями, у цілих ms, як збережено. Ящик: від нижнього до верхнього квартиля; товста лінія: медіана; вуса: найвіддаленіші середні в межах 1,5 довжини ящика.</translation>
    </message>
    <message numerus="yes">
        <source>%n student(s)</source>
        <translation>
            <numerusform>%n студент</numerusform>
            <numerusform>%n студенти</numerusform>
            <numerusform>%n студентів</numerusform>
        </translation>
    </message>
    <message>
        <source>No reaction times in the files read</source>
        <translation>У прочитаних файлах немає часу реакції</translation>
    </message>
    <message>
        <source>n = %1, mean %2 ms</source>
        <translation>n = %1, середнє %2 ms</translation>
    </message>
    <message>
        <source>%1 − simple: %2 ms (95 % CI %3 to %4, %5 students)</source>
        <translation>%1 − простий: %2 ms (95 % ДІ від %3 до %4, студентів: %5)</translation>
    </message>
    <message>
        <source>Class reaction times</source>
        <translation>Час реакції класу</translation>
    </message>
    <message>
        <source>Bars beside each box: every run that counts (%1 runs; class-notes.txt says which), as shares of the test&apos;s runs in bins of %2 ms.</source>
        <translation>Стовпчики біля кожного ящика: усі враховані спроби (спроб: %1; які саме — див. class-notes.txt) як частки спроб тесту з кроком %2 ms.</translation>
    </message>
    <message>
        <source>reaction time (ms)</source>
        <translation>час реакції (ms)</translation>
    </message>
</context>
<context>
    <name>ClassFiles</name>
    <message>
        <source>not a recover.dat, .nrm or .col file</source>
        <translation>не файл recover.dat, .nrm або .col</translation>
    </message>
    <message>
        <source>left out %1: a shared account&apos;s recover.dat holds whoever ran last</source>
        <translation>пропущено %1: у recover.dat спільного облікового запису — дані того, хто запускав останнім</translation>
    </message>
    <message>
        <source>a named pipe (FIFO), not read</source>
        <translation>іменований канал (FIFO), не прочитано</translation>
    </message>
    <message>
        <source>a socket, not read</source>
        <translation>сокет, не прочитано</translation>
    </message>
    <message>
        <source>a device, not read</source>
        <translation>пристрій, не прочитано</translation>
    </message>
    <message>
        <source>a link, not followed in a hand-in folder</source>
        <translation>посилання; у теці здачі за посиланнями не переходять</translation>
    </message>
    <message>
        <source>handed in by user %1 beside the students&apos; folders, not in one</source>
        <translation>здано користувачем %1 поруч із теками студентів, а не в одній із них</translation>
    </message>
    <message>
        <source>no user %1 on this machine; the folder is left out</source>
        <translation>користувача %1 на цьому комп&apos;ютері немає; теку пропущено</translation>
    </message>
    <message>
        <source>the folder belongs to user %1, not %2; its files are left out</source>
        <translation>тека належить користувачеві %1, а не %2; її файли пропущено</translation>
    </message>
    <message>
        <source>a folder within a student&apos;s folder, not read</source>
        <translation>тека всередині теки студента, не прочитано</translation>
    </message>
    <message>
        <source>handed in by user %1, not %2</source>
        <translation>здано користувачем %1, а не %2</translation>
    </message>
    <message>
        <source>in a folder of user %1, not %2</source>
        <translation>у теці користувача %1, а не %2</translation>
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
        <translation>Комп&apos;ютери

Кожен збережений час містить те, що додає комп&apos;ютер, на якому його виміряно:
затримку монітора (кольорові стимули) або звукового виходу (тони) і затримку миші (опитування,
придушення брязкоту, шлях введення). Перевірка комп&apos;ютера (brevane --check-machine) виміряла їх на
кожному комп&apos;ютері нижче фотодіодом, петльовим кабелем і мікрофоном через звукову карту;
час реакції студента — це приблизно збережений час мінус затримка стимулу та миші. На
одному комп&apos;ютері вони не змінюють різницю між тестами (з вибором мінус простий), тож
парні інтервали в class.csv правильні; часи з комп&apos;ютерів із різними затримками довші або
коротші на цю різницю. Наприкінці sets.csv і students.csv зазначено комп&apos;ютер кожного файлу та його затримки.

</translation>
    </message>
    <message>
        <source>%1 (checked %2; %3; files: %4): %5
</source>
        <translation>%1 (перевірено %2; %3; файли: %4): %5
</translation>
    </message>
    <message>
        <source>mode not known</source>
        <translation>режим невідомий</translation>
    </message>
    <message>
        <source>Screen and mouse together add %1 to %2 ms on these machines: a visual time measured on
one may differ from another&apos;s by up to %3 ms from the machines alone.
</source>
        <translation>Екран і миша разом додають від %1 до %2 ms на цих комп&apos;ютерах: зоровий час, виміряний
на одному, може відрізнятися від виміряного на іншому до %3 ms лише через комп&apos;ютери.
</translation>
    </message>
</context>
<context>
    <name>ClassRun</name>
    <message>
        <source>skipped %1: %2</source>
        <translation>пропущено %1: %2</translation>
    </message>
    <message>
        <source>%1 is a copy of %2: read once</source>
        <translation>%1 — копія %2: прочитано один раз</translation>
    </message>
    <message>
        <source>%1 of %2 files read</source>
        <translation>прочитано файлів: %1 з %2</translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>не вдається створити теку %1</translation>
    </message>
    <message>
        <source>could not write %1: %2</source>
        <translation>не вдалося записати %1: %2</translation>
    </message>
    <message>
        <source>%1 read</source>
        <translation>прочитано: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n файл</numerusform>
            <numerusform>%n файли</numerusform>
            <numerusform>%n файлів</numerusform>
        </translation>
    </message>
    <message>
        <source> (and %1 read once)</source>
        <translation> (і %1: прочитано один раз)</translation>
    </message>
    <message numerus="yes">
        <source>%n copy(ies)</source>
        <translation>
            <numerusform>%n копія</numerusform>
            <numerusform>%n копії</numerusform>
            <numerusform>%n копій</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2 skipped; %3 (%4 by folder, %5 by file name); tests: %6</source>
        <translation>%1, пропущено: %2; %3 (%4 за текою, %5 за назвою файлу); тести: %6</translation>
    </message>
    <message numerus="yes">
        <source>%n student(s)</source>
        <translation>
            <numerusform>%n студент</numerusform>
            <numerusform>%n студенти</numerusform>
            <numerusform>%n студентів</numerusform>
        </translation>
    </message>
    <message>
        <source>none</source>
        <translation>немає</translation>
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
        <translation>рядків у ньому: %1; %2 містить рядків: %3</translation>
    </message>
    <message>
        <source>line %1 is not what a %2 holds there</source>
        <translation>рядок %1 не такий, як містить на цьому місці %2</translation>
    </message>
    <message>
        <source>it has more than the %1 lines of a %2</source>
        <translation>рядків у ньому більше, ніж містить %2 (%1)</translation>
    </message>
    <message>
        <source>%1: %2 holds %3 sets that %4 holds too; each taken once</source>
        <translation>%1: у %2 є серії (%3), які є і в %4; кожну враховано один раз</translation>
    </message>
    <message>
        <source>%1 has two different %2 files, %3 and %4: both kept as separate sets</source>
        <translation>у %1 два різні файли %2, %3 і %4: обидва враховано як окремі серії</translation>
    </message>
    <message>
        <source>%1 handed in</source>
        <translation>здали: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n student(s)</source>
        <translation>
            <numerusform>%n студент</numerusform>
            <numerusform>%n студенти</numerusform>
            <numerusform>%n студентів</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>cannot create or enter the folder %1; files are kept in %2</source>
        <translation>не вдається створити теку %1 або ввійти в неї; файли зберігаються в %2</translation>
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
        <translation>Використання: %1 [--user-folder] [--hand-in ТЕКА] [--unlock] [--language КОД]
                 [ФАЙЛ-НАЛАШТУВАНЬ]
              %1 --timing-check | --check-machine | --version | --help

Час реакції: простий і складний стимул. Час реакції студента на тон,
зміну кольору або на те й інше в простому тесті та двох тестах із вибором.

  ФАЙЛ-НАЛАШТУВАНЬ    файл налаштувань замість %2; відносна назва
                      шукається в теці, де зберігаються файли
  --user-folder       зберігати файли в теці користувача (створюється, якщо її немає):
                      %3
                      (так програму запускає пункт меню робочого столу)
  --hand-in ТЕКА      також здавати кожен збережений файл .nrm і .col і кожен
                      recover.dat у ТЕКА/&lt;ім&apos;я входу&gt;/ для викладача
                      (для всіх користувачів задається в /etc/xdg/Brevane/Brevane.conf;
                      man brevane)
  --unlock            якщо лабораторія заблокувала налаштування, дозволити члену
                      групи викладачів змінити їх у цьому сеансі
  --timing-check      показати мигтливу пляму для фотодіода або камери разом із
                      частотою оновлення, розкидом часу кадрів і
                      джерелами позначок часу (Esc або клацання завершують)
  --check-machine     перевірити цей комп&apos;ютер повністю через вхід звукової карти:
                      екран фотодіодом, звук кабелем із виходу, мишу за її
                      клацанням; затримки зберігаються для вікна «Про програму» і
                      зведення по класу (docs/guide.md)
  --language КОД      показати програму цією мовою (de, ja, ar, ...;
                      англійською, де немає перекладу) замість мови
                      системи або заданої в Brevane.conf
  --version           вивести версію і завершити роботу
  --help              вивести цей текст і завершити роботу

Файли зберігаються в поточному каталозі, а з --user-folder — у теці, вказаній
вище: %2 (налаштування; якщо файлу немає, його записано з типовими значеннями)
і recover.dat (серії всіх тестів; перезаписується наприкінці кожного прогону,
пункт «Відновити» головного меню зчитує його). Там відкриваються діалоги
файлів; файли результатів (.nrm, .col) зберігаються туди, куди ви їх збережете.
</translation>
    </message>
</context>
<context>
    <name>DisplayStamps</name>
    <message>
        <source>; times may be one frame long: see the guide</source>
        <translation>; часи можуть бути на кадр довшими: див. посібник</translation>
    </message>
    <message>
        <source>The window system does not say when a frame is shown</source>
        <translation>Віконна система не повідомляє, коли показано кадр</translation>
    </message>
    <message>
        <source>The X server does not say when a frame is shown</source>
        <translation>X-сервер не повідомляє, коли показано кадр</translation>
    </message>
    <message>
        <source>XWayland shows the window through the Wayland compositor</source>
        <translation>XWayland показує вікно через композитор Wayland</translation>
    </message>
    <message>
        <source>Some stimuli were stamped by %1</source>
        <translation>Позначки часу деяких стимулів узято з джерела: %1</translation>
    </message>
    <message>
        <source>the display&apos;s refresh</source>
        <translation>оновлення дисплея</translation>
    </message>
    <message>
        <source>the X server&apos;s refresh, not the pixel&apos;s</source>
        <translation>оновлення X-сервера, а не пікселя</translation>
    </message>
    <message>
        <source>the compositor&apos;s frame timings</source>
        <translation>дані композитора про час кадрів</translation>
    </message>
    <message>
        <source>the screen read back</source>
        <translation>зворотне зчитування екрана</translation>
    </message>
    <message>
        <source>the Wayland compositor&apos;s report of the frame</source>
        <translation>повідомлення композитора Wayland про кадр</translation>
    </message>
    <message>
        <source>the hand-over to the X server</source>
        <translation>передавання X-серверу</translation>
    </message>
    <message>
        <source>the clock after a repaint</source>
        <translation>годинник після перемальовування</translation>
    </message>
    <message>
        <source>%1 (exact)</source>
        <translation>%1 (точно)</translation>
    </message>
    <message>
        <source>%1 (estimated)</source>
        <translation>%1 (оцінка)</translation>
    </message>
    <message>
        <source>none</source>
        <translation>немає</translation>
    </message>
    <message>
        <source>%1 Hz</source>
        <translation>%1 Hz</translation>
    </message>
    <message>
        <source>not reported (a virtual screen)</source>
        <translation>не повідомляється (віртуальний екран)</translation>
    </message>
    <message>
        <source>The Wayland compositor estimates when a frame is shown; times may be one frame long: see the guide</source>
        <translation>Композитор Wayland оцінює, коли показано кадр; часи можуть бути на кадр довшими: див. посібник</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>Reflex Data Files (*.nrm)|*.nrm</source>
        <translation>Файли даних реакції (*.nrm)|*.nrm</translation>
    </message>
    <message>
        <source>Reflex Data Files (*.col)|*.col</source>
        <translation>Файли даних реакції (*.col)|*.col</translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
        File already exisits. Do you want to overwrite?</source>
        <translation><byte value="xd"/>
<byte value="xd"/>
        Файл уже існує. Перезаписати його?</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Збереження файлу</translation>
    </message>
    <message>
        <source>Save File Error</source>
        <translation>Помилка збереження файлу</translation>
    </message>
    <message>
        <source>Save Cancelled</source>
        <translation>Збереження скасовано</translation>
    </message>
    <message>
        <source>Load File Error</source>
        <translation>Помилка завантаження файлу</translation>
    </message>
    <message>
        <source>Load Cancelled</source>
        <translation>Завантаження скасовано</translation>
    </message>
    <message>
        <source>Export to CSV</source>
        <translation>Експорт у CSV</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)|*.csv</source>
        <translation>Файли CSV (*.csv)|*.csv</translation>
    </message>
</context>
<context>
    <name>FileRead</name>
    <message>
        <source>%1 is a folder, not a file.</source>
        <translation>%1 — тека, а не файл.</translation>
    </message>
    <message>
        <source>%1 holds %2 MB, far more than any file of this program; it was not read.</source>
        <translation>%1 займає %2 MB — набагато більше за будь-який файл цієї програми; його не прочитано.</translation>
    </message>
    <message>
        <source>%1 is far larger than any file of this program; it was not read.</source>
        <translation>%1 набагато більший за будь-який файл цієї програми; його не прочитано.</translation>
    </message>
</context>
<context>
    <name>HandIn</name>
    <message>
        <source>Hand-in</source>
        <translation>Здача</translation>
    </message>
    <message>
        <source>the hand-in folder is missing</source>
        <translation>тека здачі відсутня</translation>
    </message>
    <message>
        <source>Not handed in to %1: %2.
Your file is saved on this computer; it is handed in at your next save.</source>
        <translation>Не здано в %1: %2.
Ваш файл збережено на цьому комп&apos;ютері; його буде здано під час наступного збереження.</translation>
    </message>
    <message>
        <source>the hand-in folder is still not answering</source>
        <translation>тека здачі досі не відповідає</translation>
    </message>
    <message>
        <source>the hand-in folder did not answer</source>
        <translation>тека здачі не відповіла</translation>
    </message>
    <message>
        <source>the folder %1 in the hand-in folder is a link, not a folder</source>
        <translation>тека %1 у теці здачі — посилання, а не тека</translation>
    </message>
    <message>
        <source>%1 in the hand-in folder is not a folder</source>
        <translation>%1 у теці здачі — не тека</translation>
    </message>
    <message>
        <source>the folder %1 in the hand-in folder belongs to another user</source>
        <translation>тека %1 у теці здачі належить іншому користувачеві</translation>
    </message>
</context>
<context>
    <name>HandoutPage</name>
    <message>
        <source>beyond your median ± 3 scaled MADs of the test</source>
        <translation>за межами вашої медіани ± 3 масштабовані MAD у цьому тесті</translation>
    </message>
    <message>
        <source>beyond your mean ± 3 SD of the test</source>
        <translation>за межами вашого середнього ± 3 SD у цьому тесті</translation>
    </message>
    <message>
        <source>none cut here</source>
        <translation>тут не відсікаються</translation>
    </message>
    <message>
        <source>Reaction times of %1</source>
        <translation>Час реакції: %1</translation>
    </message>
    <message>
        <source>Your times beside your class&apos;s (%1 students), in whole milliseconds as stored.</source>
        <translation>Ваші часи поруч із часами класу (студентів: %1), у цілих мілісекундах, як збережено.</translation>
    </message>
    <message>
        <source>test</source>
        <translation>тест</translation>
    </message>
    <message>
        <source>sets</source>
        <translation>серії</translation>
    </message>
    <message>
        <source>runs that count</source>
        <translation>враховані спроби</translation>
    </message>
    <message>
        <source>mean</source>
        <translation>середнє</translation>
    </message>
    <message>
        <source>median</source>
        <translation>медіана</translation>
    </message>
    <message>
        <source>anticipations</source>
        <translation>випередження</translation>
    </message>
    <message>
        <source>lapses</source>
        <translation>запізнення</translation>
    </message>
    <message>
        <source>outliers</source>
        <translation>викиди</translation>
    </message>
    <message>
        <source>Runs that count: all but missed hits, anticipations (under %1 ms), lapses (over %2 ms) and outliers (%3). mean: the mean of your set means, every time as stored. median, μ, σ, τ: your runs but missed hits, anticipations and lapses; μ, σ, τ: the ex-Gaussian fitted to them, a normal part (μ, σ) plus an exponential part of mean τ, the slow tail; from %4 runs on.</source>
        <translation>Враховані спроби: усі, крім пропусків цілі, випереджень (менше %1 ms), запізнень (понад %2 ms) і викидів (%3). середнє: середнє ваших середніх за серіями, кожен час як збережено. медіана, μ, σ, τ: ваші спроби без пропусків цілі, випереджень і запізнень; μ, σ, τ: підігнаний до них ex-гауссів розподіл — нормальна частина (μ, σ) плюс експоненційна частина із середнім τ, повільний хвіст; починаючи з %4 спроб.</translation>
    </message>
    <message>
        <source>Grey: the class&apos;s runs that count; outlined: yours, each as shares of its runs. Ticks: the class&apos;s means; the dot: yours.</source>
        <translation>Сіре: враховані спроби класу; контур: ваші, кожні як частки своїх спроб. Риски: середні класу; точка: ваше середнє.</translation>
    </message>
    <message>
        <source>No mean: none of your runs is a reaction time.</source>
        <translation>Немає середнього: жодна з ваших спроб не є часом реакції.</translation>
    </message>
    <message>
        <source>Your mean, %1 ms; nobody else took this test.</source>
        <translation>Ваше середнє — %1 ms; більше ніхто не проходив цей тест.</translation>
    </message>
    <message>
        <source>Your mean, %1 ms: of the %2 others, %3 faster, %4 slower.</source>
        <translation>Ваше середнє — %1 ms: з %2 інших %3 швидші, %4 повільніші.</translation>
    </message>
</context>
<context>
    <name>Handouts</name>
    <message>
        <source>Reaction times: a page for each student</source>
        <translation>Час реакції: сторінка для кожного студента</translation>
    </message>
</context>
<context>
    <name>Lab</name>
    <message>
        <source>The settings are locked by the lab (LockSettings in %1).</source>
        <translation>Налаштування заблоковано лабораторією (LockSettings у %1).</translation>
    </message>
    <message>
        <source>Nobody may unlock the settings here: %1 names no group of teachers (Teachers in its [Lab] section).</source>
        <translation>Тут ніхто не може розблокувати налаштування: у %1 не вказано групу викладачів (Teachers у розділі [Lab]).</translation>
    </message>
    <message>
        <source>The settings are locked by the lab (LockSettings in %1); a member of the group %2 may change them by starting the program with --unlock.</source>
        <translation>Налаштування заблоковано лабораторією (LockSettings у %1); член групи %2 може змінити їх, запустивши програму з --unlock.</translation>
    </message>
    <message>
        <source>Only a member of the group %1 may unlock the settings with --unlock, which %2 is not; the settings stay locked.</source>
        <translation>Лише член групи %1 може розблокувати налаштування з --unlock, а %2 до неї не входить; налаштування залишаються заблокованими.</translation>
    </message>
</context>
<context>
    <name>MachineCheck</name>
    <message>
        <source>%1 of %2 trials</source>
        <translation>%1 з %2 вимірів</translation>
    </message>
    <message>
        <source>the signal is too weak (%1): turn the input volume up, or the screen&apos;s brightness, and hold the diode flat on the patch</source>
        <translation>сигнал надто слабкий (%1): збільште гучність входу або яскравість екрана і щільно притисніть діод до плями</translation>
    </message>
    <message>
        <source>the signal is too weak (%1): turn the output and the input volume up</source>
        <translation>сигнал надто слабкий (%1): збільште гучність виходу і входу</translation>
    </message>
    <message>
        <source>the clicks are too faint (%1): put the microphone closer to the mouse and turn the input volume up</source>
        <translation>клацання надто тихі (%1): піднесіть мікрофон ближче до миші та збільште гучність входу</translation>
    </message>
    <message>
        <source>the signal is too noisy (%1): keep the room quiet, the cable short and away from the mains, and turn the input volume down if it hums</source>
        <translation>сигнал надто зашумлений (%1): дотримуйтеся тиші в кімнаті, візьміть короткий кабель і тримайте його подалі від мережевих дротів, а якщо чути гудіння, зменште гучність входу</translation>
    </message>
    <message>
        <source>the recording broke off (%1): close other programs that use the sound card and try again</source>
        <translation>запис перервався (%1): закрийте інші програми, що використовують звукову карту, і спробуйте знову</translation>
    </message>
    <message>
        <source>no flash was seen in %1: is the diode on the patch and plugged into the input that records?</source>
        <translation>за %1 не помічено жодного спалаху: діод лежить на плямі й під&apos;єднаний до входу, що записує?</translation>
    </message>
    <message>
        <source>no tone came back in %1: is the output looped to the input that records?</source>
        <translation>за %1 не повернувся жоден тон: вихід з&apos;єднано петлею з входом, що записує?</translation>
    </message>
    <message>
        <source>no click was heard in %1: is the microphone next to the mouse?</source>
        <translation>за %1 не чути жодного клацання: мікрофон поруч із мишею?</translation>
    </message>
    <message>
        <source>too few trials (%1)</source>
        <translation>замало вимірів (%1)</translation>
    </message>
</context>
<context>
    <name>MachineResult</name>
    <message>
        <source>it is not a machine check&apos;s result</source>
        <translation>це не результат перевірки комп&apos;ютера</translation>
    </message>
    <message>
        <source>line %1 is not a part&apos;s lag</source>
        <translation>рядок %1 — не затримка частини перевірки</translation>
    </message>
    <message>
        <source>it names no machine</source>
        <translation>у ньому не вказано комп&apos;ютер</translation>
    </message>
    <message>
        <source>%1 %2 ms (SD %3)</source>
        <translation>%1 %2 ms (SD %3)</translation>
    </message>
    <message>
        <source>%1: not measured</source>
        <translation>%1: не виміряно</translation>
    </message>
    <message>
        <source>Machine check: not done on this machine (brevane --check-machine)</source>
        <translation>Перевірка комп&apos;ютера: на цьому комп&apos;ютері не виконувалася (brevane --check-machine)</translation>
    </message>
    <message>
        <source>Machine check (%1, %2): %3</source>
        <translation>Перевірка комп&apos;ютера (%1, %2): %3</translation>
    </message>
</context>
<context>
    <name>ProgramVersion</name>
    <message>
        <source>Version %1.%2%3</source>
        <translation>Версія %1.%2%3</translation>
    </message>
</context>
<context>
    <name>QtPrinting</name>
    <message>
        <source>The printer %1 could not be opened.</source>
        <translation>Не вдалося відкрити принтер %1.</translation>
    </message>
    <message>
        <source>The printer %1 reported an error.</source>
        <translation>Принтер %1 повідомив про помилку.</translation>
    </message>
    <message>
        <source>The PDF could not be completed.</source>
        <translation>Не вдалося завершити PDF.</translation>
    </message>
    <message>
        <source>The PDF could not be started.</source>
        <translation>Не вдалося почати PDF.</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Параметри друку</translation>
    </message>
</context>
<context>
    <name>RecoveryFile</name>
    <message>
        <source>The recovery file recover.dat could not be written.</source>
        <translation>Не вдалося записати файл відновлення recover.dat.</translation>
    </message>
    <message>
        <source><byte value="xd"/>Your data are kept in memory.</source>
        <translation><byte value="xd"/>Ваші дані збережено в пам&apos;яті.</translation>
    </message>
    <message>
        <source>Recovery File Error</source>
        <translation>Помилка файлу відновлення</translation>
    </message>
    <message>
        <source>Load Cancelled</source>
        <translation>Завантаження скасовано</translation>
    </message>
    <message>
        <source>No Recovery File Created or Found</source>
        <translation>Файл відновлення не створено або не знайдено</translation>
    </message>
    <message>
        <source>Load File Error</source>
        <translation>Помилка завантаження файлу</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Fastest Time</source>
        <translation>Мінімальний час</translation>
    </message>
    <message>
        <source>Slowest Time</source>
        <translation>Максимальний час</translation>
    </message>
    <message>
        <source>Average Time</source>
        <translation>Середній час</translation>
    </message>
    <message>
        <source>Correct Hits</source>
        <translation>Правильні натискання</translation>
    </message>
    <message>
        <source>Correct Misses</source>
        <translation>Правильні пропуски</translation>
    </message>
    <message>
        <source>InCorrect Hits</source>
        <translation>Хибні натискання</translation>
    </message>
    <message>
        <source>Missed Hits</source>
        <translation>Пропуски цілі</translation>
    </message>
    <message>
        <source>Orv Tovanel:  Color Reflex Data</source>
        <translation>Orv Tovanel:  дані реакції на колір</translation>
    </message>
    <message>
        <source>Orv Tovanel:  Number Reflex Data</source>
        <translation>Orv Tovanel:  дані реакції на числа</translation>
    </message>
    <message>
        <source>Set  %1</source>
        <translation>Серія  %1</translation>
    </message>
    <message>
        <source>Comments:</source>
        <translation>Коментарі:</translation>
    </message>
    <message>
        <source>Save Report As PDF</source>
        <translation>Зберегти звіт у PDF</translation>
    </message>
    <message>
        <source>PDF Files|*.pdf</source>
        <translation>Файли PDF|*.pdf</translation>
    </message>
    <message>
        <source>The file could not be written.</source>
        <translation>Не вдалося записати файл.</translation>
    </message>
    <message>
        <source>Print Error<byte value="xd"/></source>
        <translation>Помилка друку<byte value="xd"/></translation>
    </message>
    <message>
        <source>Print Cancelled</source>
        <translation>Друк скасовано</translation>
    </message>
    <message>
        <source>  Slowest Time</source>
        <translation>  Максимальний час</translation>
    </message>
    <message>
        <source>Orv Tovanel:  Normal Reflex Data</source>
        <translation>Orv Tovanel:  дані простої реакції</translation>
    </message>
</context>
<context>
    <name>ResultsKind</name>
    <message>
        <source>Complex Choice Color/Audio Stimulus Module Data Display</source>
        <translation>Результати: тест із вибором (колір/звук)</translation>
    </message>
    <message>
        <source>Delete run %1 from the set? </source>
        <translation>Видалити спробу %1 із серії? </translation>
    </message>
    <message>
        <source>Color Reflex Data Files</source>
        <translation>Файли даних реакції на колір</translation>
    </message>
    <message>
        <source>Complex Choice Number/Audio Stimulus Module Data Display</source>
        <translation>Результати: тест із вибором (число/звук)</translation>
    </message>
    <message>
        <source>Delete run %1 for the set? </source>
        <translation>Видалити спробу %1 із серії? </translation>
    </message>
    <message>
        <source>Number Reflex Data Files</source>
        <translation>Файли даних реакції на числа</translation>
    </message>
    <message>
        <source>Simple Choice Stimulus Module Data Display</source>
        <translation>Результати: простий тест</translation>
    </message>
    <message>
        <source>Normal Reflex Data Files</source>
        <translation>Файли даних простої реакції</translation>
    </message>
</context>
<context>
    <name>ResultsModel</name>
    <message>
        <source>Delete run %1 for the set? </source>
        <translation>Видалити спробу %1 із серії? </translation>
    </message>
    <message>
        <source>Are you sure you want to DELETE ALL DATA ?</source>
        <translation>Ви справді бажаєте ВИДАЛИТИ ВСІ ДАНІ?</translation>
    </message>
    <message>
        <source>Delete All Data</source>
        <translation>Видалити всі дані</translation>
    </message>
</context>
<context>
    <name>RuleOptions</name>
    <message>
        <source>A time under &lt;ms&gt; is an anticipation (default: 100).</source>
        <translation>Час менше &lt;ms&gt; — випередження (типово: 100).</translation>
    </message>
    <message>
        <source>A time over &lt;ms&gt; is a lapse (default: 2000).</source>
        <translation>Час понад &lt;ms&gt; — запізнення (типово: 2000).</translation>
    </message>
    <message>
        <source>Cut outliers beyond median +- 3 scaled MADs (mad, the default), mean +- 3 SD (sd), or not at all (none).</source>
        <translation>Відсікати викиди за межами медіани +- 3 масштабовані MAD (mad, типово), середнього +- 3 SD (sd) або не відсікати (none).</translation>
    </message>
    <message>
        <source>Write a PDF page for each student, handout-&lt;student&gt;.pdf.</source>
        <translation>Записати сторінку PDF для кожного студента, handout-&lt;student&gt;.pdf.</translation>
    </message>
    <message>
        <source>--%1 takes a whole number of milliseconds from %2 to %3, not %4</source>
        <translation>--%1 приймає ціле число мілісекунд від %2 до %3, а не %4</translation>
    </message>
    <message>
        <source>the lapse limit (%1 ms) must lie above the anticipation limit (%2 ms)</source>
        <translation>межа запізнення (%1 ms) має бути вищою за межу випередження (%2 ms)</translation>
    </message>
    <message>
        <source>--outlier-rule takes mad, sd or none, not %1</source>
        <translation>--outlier-rule приймає mad, sd або none, а не %1</translation>
    </message>
</context>
<context>
    <name>SessionPlatform</name>
    <message>
        <source>On Wayland: no pointer placement, and presses are stamped by the toolkit event (XWayland gives both)</source>
        <translation>У Wayland: вказівник не позиціюється, а позначки часу натискань беруться з подій інструментарію (XWayland дає і те, і те)</translation>
    </message>
    <message>
        <source>Wayland session: running on X through XWayland, which places the pointer and reads raw input</source>
        <translation>Сеанс Wayland: робота в X через XWayland, який позиціює вказівник і читає необроблене введення</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Settings Locked</source>
        <translation>Налаштування заблоковано</translation>
    </message>
</context>
<context>
    <name>SettingsEditor</name>
    <message>
        <source>Configuration Files (*.cfg)|*.cfg</source>
        <translation>Файли налаштувань (*.cfg)|*.cfg</translation>
    </message>
    <message>
        <source>Trigger Colour</source>
        <translation>Колір сигналу</translation>
    </message>
    <message>
        <source>The trigger colour must differ from the panel&apos;s white at rest, or the stimulus is invisible.</source>
        <translation>Колір сигналу має відрізнятися від білого кольору панелі в спокої, інакше стимул не видно.</translation>
    </message>
    <message>
        <source>Save Configuration File</source>
        <translation>Зберегти файл налаштувань</translation>
    </message>
    <message>
        <source>Save File Error</source>
        <translation>Помилка збереження файлу</translation>
    </message>
    <message>
        <source>Save Cancelled</source>
        <translation>Збереження скасовано</translation>
    </message>
    <message>
        <source>Load Configuration File</source>
        <translation>Завантажити файл налаштувань</translation>
    </message>
    <message>
        <source>Load File Error</source>
        <translation>Помилка завантаження файлу</translation>
    </message>
    <message>
        <source>Load Cancelled</source>
        <translation>Завантаження скасовано</translation>
    </message>
    <message>
        <source>Configuration File Load Error</source>
        <translation>Помилка завантаження файлу налаштувань</translation>
    </message>
    <message>
        <source>Invalid Configuration File<byte value="xd"/>No File Loaded</source>
        <translation>Неприпустимий файл налаштувань<byte value="xd"/>Файл не завантажено</translation>
    </message>
</context>
<context>
    <name>ShapeChart</name>
    <message>
        <source>median of the student&apos;s runs (ms)</source>
        <translation>медіана спроб студента (ms)</translation>
    </message>
    <message>
        <source>τ, the slow tail (ms)</source>
        <translation>τ, повільний хвіст (ms)</translation>
    </message>
    <message>
        <source>%1 of %2 students fitted
mean τ %3 ms</source>
        <translation>підігнано: %1 з %2 студентів
середнє τ %3 ms</translation>
    </message>
    <message>
        <source>%1 − simple: μ %2 ms (95 % CI %3 to %4), τ %5 ms (%6 to %7), %8 students</source>
        <translation>%1 − простий: μ %2 ms (95 % ДІ від %3 до %4), τ %5 ms (від %6 до %7), студентів: %8</translation>
    </message>
    <message>
        <source>The shape of each student&apos;s times</source>
        <translation>Форма розподілу часу кожного студента</translation>
    </message>
    <message>
        <source>One dot for each student and test with an ex-Gaussian fit (at least %1 runs that are neither anticipations nor lapses): across, the median of those runs; up, τ, the mean of the fit&apos;s exponential part: its slow tail. A test that slows every run moves the dots to the right; one that adds slow runs moves them up.</source>
        <translation>Одна точка для кожного студента й тесту з ex-гауссовою підгонкою (щонайменше %1 спроб, що не є ні випередженнями, ні запізненнями): по горизонталі — медіана цих спроб; по вертикалі — τ, середнє експоненційної частини підгонки, її повільний хвіст. Тест, що сповільнює кожну спробу, зсуває точки праворуч; тест, що додає повільні спроби, — вгору.</translation>
    </message>
    <message>
        <source>No student has %1 runs in a test yet: too few for a fit</source>
        <translation>Жоден студент ще не має %1 спроб у тесті: замало для підгонки</translation>
    </message>
</context>
<context>
    <name>ShareCheck</name>
    <message>
        <source>cannot look at %1 (%2)</source>
        <translation>не вдається переглянути %1 (%2)</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 — не тека</translation>
    </message>
    <message>
        <source>cannot list %1 (%2): run this as a member of its group or as root</source>
        <translation>не вдається отримати список %1 (%2): запустіть це від імені члена її групи або root</translation>
    </message>
    <message>
        <source>1 student&apos;s folder</source>
        <translation>1 тека студента</translation>
    </message>
    <message>
        <source>%1 students&apos; folders</source>
        <translation>тек студентів: %1</translation>
    </message>
    <message>
        <source>%1: %2, all as the recipe has them</source>
        <translation>%1: %2, усе як у рецепті</translation>
    </message>
    <message>
        <source>%1: %2; 1 thing to put right</source>
        <translation>%1: %2; виправити треба 1 пункт</translation>
    </message>
    <message>
        <source>%1: %2; %3 things to put right</source>
        <translation>%1: %2; виправити треба пунктів: %3</translation>
    </message>
    <message>
        <source>%1: the guide&apos;s first recipe, one group folder (mode 3773), group %2</source>
        <translation>%1: перший рецепт посібника, одна тека для групи (режим 3773), група %2</translation>
    </message>
    <message>
        <source>%1: the guide&apos;s second recipe, a folder per student (mode 0751), group %2</source>
        <translation>%1: другий рецепт посібника, по теці на студента (режим 0751), група %2</translation>
    </message>
    <message>
        <source>%1 has the mode %2, not %3</source>
        <translation>%1 має режим %2, а не %3</translation>
    </message>
    <message>
        <source>every user may list %1 and see who handed in: take the others&apos; r away</source>
        <translation>будь-який користувач може переглянути список %1 і побачити, хто здав: заберіть право r в інших (others)</translation>
    </message>
    <message>
        <source>without the sticky bit a student may rename or remove another&apos;s folder</source>
        <translation>без біта sticky студент може перейменувати або видалити чужу теку</translation>
    </message>
    <message>
        <source>without the setgid bit the students&apos; new folders do not get the group %1, and the teachers cannot read them</source>
        <translation>без біта setgid нові теки студентів не отримують групу %1, і викладачі не можуть їх читати</translation>
    </message>
    <message>
        <source>the students cannot %1 their folders in %2</source>
        <translation>студенти не можуть %1 свої теки в %2</translation>
    </message>
    <message>
        <source>make</source>
        <translation>створювати</translation>
    </message>
    <message>
        <source>reach</source>
        <translation>відкривати</translation>
    </message>
    <message>
        <source>the group %1 cannot list %2, so the teachers do not see the folders</source>
        <translation>група %1 не може отримати список %2, тож викладачі не бачать тек</translation>
    </message>
    <message>
        <source>%1 belongs to user %2, not root: %2 may rename or remove every student&apos;s folder</source>
        <translation>%1 належить користувачеві %2, а не root: %2 може перейменувати або видалити теку будь-якого студента</translation>
    </message>
    <message>
        <source>%1 is a link, not a student&apos;s folder: remove it (hand-ins through it are refused)</source>
        <translation>%1 — посилання, а не тека студента: видаліть його (здачу через нього відхиляють)</translation>
    </message>
    <message>
        <source>%1 is no student&apos;s folder, and belongs to user %2: remove it</source>
        <translation>%1 — не тека студента й належить користувачеві %2: видаліть її</translation>
    </message>
    <message>
        <source>%1: there is no user %2 on this machine</source>
        <translation>%1: користувача %2 на цьому комп&apos;ютері немає</translation>
    </message>
    <message>
        <source>%1 belongs to user %2, not %3: remove it, or %3&apos;s hand-ins are refused</source>
        <translation>%1 належить користувачеві %2, а не %3: видаліть її, інакше здачу від %3 відхилятимуть</translation>
    </message>
    <message>
        <source>%1 has the group %2, not %3: the teachers cannot read it</source>
        <translation>%1 має групу %2, а не %3: викладачі не можуть її читати</translation>
    </message>
    <message>
        <source>%1 has the mode %2, not 0750%3</source>
        <translation>%1 має режим %2, а не 0750%3</translation>
    </message>
    <message>
        <source>: every user may read %1&apos;s files</source>
        <translation>: будь-який користувач може читати файли %1</translation>
    </message>
    <message>
        <source>%1 is in the group %2, and so may read every student&apos;s folder</source>
        <translation>%1 входить до групи %2 і тому може читати теку будь-якого студента</translation>
    </message>
    <message>
        <source>%1 is a link, which the summary does not follow: remove it</source>
        <translation>%1 — посилання, за яким зведення не переходить: видаліть його</translation>
    </message>
    <message>
        <source>%1 is a FIFO, a socket or a device, which the summary does not read: remove it</source>
        <translation>%1 — FIFO, сокет або пристрій, які зведення не читає: видаліть це</translation>
    </message>
    <message>
        <source>%1 belongs to user %2, not to the folder&apos;s student</source>
        <translation>%1 належить користувачеві %2, а не студентові цієї теки</translation>
    </message>
    <message>
        <source>every user may read %1</source>
        <translation>будь-який користувач може читати %1</translation>
    </message>
</context>
<context>
    <name>SimpleEngine</name>
    <message>
        <source>            Audio Trigger</source>
        <translation>          Звуковий сигнал</translation>
    </message>
    <message>
        <source>           Visual Trigger</source>
        <translation>           Зоровий сигнал</translation>
    </message>
    <message>
        <source>     Audio/Visual Trigger</source>
        <translation>   Аудіовізуальний сигнал</translation>
    </message>
    <message>
        <source>The sound device &quot;%1&quot; could not be opened.</source>
        <translation>Не вдалося відкрити звуковий пристрій «%1».</translation>
    </message>
    <message>
        <source><byte value="xd"/>An audio trigger needs it: choose a visual trigger in Options.</source>
        <translation><byte value="xd"/>Він потрібен для звукового сигналу: виберіть зоровий сигнал у налаштуваннях.</translation>
    </message>
    <message>
        <source>No Sound Device</source>
        <translation>Немає звукового пристрою</translation>
    </message>
    <message>
        <source><byte value="xd"/>The series runs with the colour alone.</source>
        <translation><byte value="xd"/>Прогін відбудеться лише з кольором.</translation>
    </message>
</context>
<context>
    <name>SoundCapture</name>
    <message>
        <source>the sound card has no input to record from (%1)</source>
        <translation>звукова карта не має входу для запису (%1)</translation>
    </message>
    <message>
        <source>the sound card&apos;s input cannot record mono at %1 Hz (%2)</source>
        <translation>вхід звукової карти не може записувати моно з частотою %1 Hz (%2)</translation>
    </message>
    <message>
        <source>no PipeWire server answers</source>
        <translation>сервер PipeWire не відповідає</translation>
    </message>
    <message>
        <source>PipeWire has no input to record from</source>
        <translation>PipeWire не має входу для запису</translation>
    </message>
    <message>
        <source>no PulseAudio server answers</source>
        <translation>сервер PulseAudio не відповідає</translation>
    </message>
    <message>
        <source>PulseAudio has no input to record from</source>
        <translation>PulseAudio не має входу для запису</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>the built-in defaults</source>
        <translation>вбудовані типові значення</translation>
    </message>
    <message>
        <source>, locked by the lab</source>
        <translation>, заблоковано лабораторією</translation>
    </message>
    <message>
        <source>Settings Locked</source>
        <translation>Налаштування заблоковано</translation>
    </message>
    <message>
        <source>The configuration file %1 is not read: the lab locks the settings (LockSettings in %2).</source>
        <translation>Файл налаштувань %1 не прочитано: лабораторія блокує налаштування (LockSettings у %2).</translation>
    </message>
    <message>
        <source>Loading the class configuration ...</source>
        <translation>Завантаження налаштувань класу ...</translation>
    </message>
    <message>
        <source>the class configuration %1</source>
        <translation>налаштування класу %1</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>такого файлу немає</translation>
    </message>
    <message>
        <source>Class Configuration</source>
        <translation>Налаштування класу</translation>
    </message>
    <message>
        <source>The class configuration %1 that %2 names cannot be read (%3); the configuration of this computer is used instead.</source>
        <translation>Налаштування класу %1, указані в %2, не вдається прочитати (%3); натомість використовуються налаштування цього комп&apos;ютера.</translation>
    </message>
</context>
<context>
    <name>StartupSequence</name>
    <message>
        <source>the screen is smaller than 800 x 600; the program ends</source>
        <translation>екран менший за 800 x 600; програма завершує роботу</translation>
    </message>
    <message>
        <source>Fatal Application Error</source>
        <translation>Критична помилка програми</translation>
    </message>
    <message>
        <source>Orv Brevane supports a minimum screen resolution of 800 x 600</source>
        <translation>Orv Brevane потребує роздільності екрана щонайменше 800 x 600</translation>
    </message>
    <message>
        <source>Press OK to terminate program</source>
        <translation>Натисніть OK, щоб завершити програму</translation>
    </message>
    <message>
        <source>Loading default configuration file ...</source>
        <translation>Завантаження типового файлу налаштувань ...</translation>
    </message>
    <message>
        <source>Initializing application ...</source>
        <translation>Ініціалізація програми ...</translation>
    </message>
    <message>
        <source>Initializing application ... Almost Done</source>
        <translation>Ініціалізація програми ... Майже готово</translation>
    </message>
    <message>
        <source>not a configuration file</source>
        <translation>не файл налаштувань</translation>
    </message>
    <message>
        <source>Loading user configuration file ...</source>
        <translation>Завантаження файлу налаштувань користувача ...</translation>
    </message>
    <message>
        <source>%1: no such configuration file; using the default configuration</source>
        <translation>%1: такого файлу налаштувань немає; використовуються типові налаштування</translation>
    </message>
    <message>
        <source>Configuration load error</source>
        <translation>Помилка завантаження налаштувань</translation>
    </message>
    <message>
        <source>File %1 could not be found</source>
        <translation>Файл %1 не знайдено</translation>
    </message>
    <message>
        <source>Using Default Configuration</source>
        <translation>Використовуються типові налаштування</translation>
    </message>
    <message>
        <source>%1: cannot read the configuration (%2); using the default configuration</source>
        <translation>%1: не вдається прочитати налаштування (%2); використовуються типові налаштування</translation>
    </message>
    <message>
        <source>Configuration Error</source>
        <translation>Помилка налаштувань</translation>
    </message>
    <message>
        <source>Invalid Configuration File</source>
        <translation>Неприпустимий файл налаштувань</translation>
    </message>
    <message>
        <source>Using Default Configuration File</source>
        <translation>Використовується типовий файл налаштувань</translation>
    </message>
    <message>
        <source>%1: not found; writing one with the defaults</source>
        <translation>%1: не знайдено; записується новий із типовими значеннями</translation>
    </message>
    <message>
        <source>Configuration file not found</source>
        <translation>Файл налаштувань не знайдено</translation>
    </message>
    <message>
        <source>Default configuration file not found...</source>
        <translation>Типовий файл налаштувань не знайдено...</translation>
    </message>
    <message>
        <source>Creating Reflex.Cfg</source>
        <translation>Створення Reflex.Cfg</translation>
    </message>
    <message>
        <source>The refused file was kept as %1</source>
        <translation>Відхилений файл збережено як %1</translation>
    </message>
    <message>
        <source>it could not be written</source>
        <translation>не вдалося його записати</translation>
    </message>
    <message>
        <source>%1: cannot read the configuration (%2); writing a new one with the defaults</source>
        <translation>%1: не вдається прочитати налаштування (%2); записується новий файл із типовими значеннями</translation>
    </message>
    <message>
        <source>%1: cannot read the configuration (%2); writing a new one with the defaults (the refused file is kept beside it as %3)</source>
        <translation>%1: не вдається прочитати налаштування (%2); записується новий файл із типовими значеннями (відхилений файл збережено поруч як %3)</translation>
    </message>
    <message>
        <source>Invalid Default Configuration File</source>
        <translation>Неприпустимий типовий файл налаштувань</translation>
    </message>
    <message>
        <source>Creating New Configuration File</source>
        <translation>Створення нового файлу налаштувань</translation>
    </message>
    <message>
        <source>%1: cannot be written; the defaults are used until the program ends</source>
        <translation>%1: не вдається записати; до завершення програми використовуються типові значення</translation>
    </message>
</context>
<context>
    <name>TestCore</name>
    <message>
        <source>Over write Data in Set %1 ?</source>
        <translation>Перезаписати дані в серії %1?</translation>
    </message>
    <message>
        <source>Start Reflex Data Collection</source>
        <translation>Почати збір даних реакції</translation>
    </message>
    <message>
        <source>Your run has ended</source>
        <translation>Прогін завершено</translation>
    </message>
    <message>
        <source>END RUN</source>
        <translation>КІНЕЦЬ ПРОГОНУ</translation>
    </message>
</context>
<context>
    <name>XDisplay</name>
    <message>
        <source>a compositing manager</source>
        <translation>композитний менеджер</translation>
    </message>
</context>
<context>
    <name>brevane::ChoiceWindow</name>
    <message>
        <source>With Sound</source>
        <translation>Зі звуком</translation>
    </message>
    <message>
        <source>No Sound</source>
        <translation>Без звуку</translation>
    </message>
</context>
<context>
    <name>brevane::MachineCheckWindow</name>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Почати</translation>
    </message>
    <message>
        <source>S&amp;kip this part</source>
        <translation>&amp;Пропустити частину</translation>
    </message>
    <message>
        <source>Sa&amp;ve the result</source>
        <translation>З&amp;берегти результат</translation>
    </message>
    <message>
        <source>Brevane Machine Check</source>
        <translation>Перевірка комп&apos;ютера Brevane</translation>
    </message>
    <message>
        <source>Flashing patch</source>
        <translation>Мигтлива пляма</translation>
    </message>
    <message>
        <source>Machine check guide</source>
        <translation>Посібник із перевірки комп&apos;ютера</translation>
    </message>
    <message>
        <source>Machine check: what this PC adds to every time a student measures on it.

The sound card&apos;s input is the clock: it hears the screen through a photodiode, the sound through a cable from the output, and the mouse through a microphone, and the program compares what it heard with its own stamps. Three parts, each about half a minute; skip any you cannot do. Each part gives the mean, the spread (SD) and the worst of its trials.

Press Start (or Return) to begin with the screen; Esc ends the check.</source>
        <translation>Перевірка комп&apos;ютера: що цей комп&apos;ютер додає до кожного часу, який на ньому вимірює студент.

Годинником слугує вхід звукової карти: він чує екран через фотодіод, звук — через кабель із виходу, а мишу — через мікрофон, і програма порівнює почуте зі своїми позначками часу. Три частини, кожна приблизно по півхвилини; пропустіть ті, які не можете виконати. Кожна частина дає середнє, розкид (SD) і найгірший зі своїх вимірів.

Натисніть «Почати» (або Return), щоб почати з екрана; Esc завершує перевірку.</translation>
    </message>
    <message>
        <source>No input to record from: %1.
Plug a cable or a microphone into the sound card&apos;s input (line-in or microphone), make it the input in the sound settings, and start the check again.</source>
        <translation>Немає входу для запису: %1.
Під&apos;єднайте кабель або мікрофон до входу звукової карти (лінійного чи мікрофонного), виберіть його входом у налаштуваннях звуку і запустіть перевірку знову.</translation>
    </message>
    <message>
        <source>

Clicks: %1 of %2</source>
        <translation>

Клацання: %1 з %2</translation>
    </message>
    <message>
        <source>Screen: a photodiode held on the flashing patch.
You need a BPW34 photodiode (or any small silicon photodiode, a few euros) soldered to a 3.5 mm plug. On a line-in: the diode&apos;s anode to the tip, its cathode (the marked side) to the sleeve. On a microphone input, which feeds a few volts through the tip: the cathode to the tip, the anode to the sleeve. Set the input volume to about half.
Tape the diode flat on the middle of the patch below, the screen at the brightness the students use, the room light as in class. Press Start: the patch flashes %1 times, once a second.</source>
        <translation>Екран: фотодіод, прикладений до мигтливої плями.
Потрібен фотодіод BPW34 (або будь-який невеликий кремнієвий фотодіод за кілька євро), припаяний до штекера 3,5 мм. Для лінійного входу: анод діода — до кінчика, катод (позначений бік) — до гільзи. Для мікрофонного входу, який подає кілька вольт через кінчик: катод — до кінчика, анод — до гільзи. Установіть гучність входу приблизно на половину.
Приклейте діод щільно до середини плями нижче; яскравість екрана — як у студентів, освітлення кімнати — як на занятті. Натисніть «Почати»: пляма блимне %1 разів, раз на секунду.</translation>
    </message>
    <message>
        <source>Sound: the output looped to the input.
Plug a cable from the headphone socket into the line-in (or hold the headset&apos;s microphone at its speaker), the volume as in class. Press Start: %1 tones, one a second.</source>
        <translation>Звук: вихід, з&apos;єднаний петлею з входом.
Під&apos;єднайте кабель від гнізда навушників до лінійного входу (або тримайте мікрофон гарнітури біля її динаміка), гучність — як на занятті. Натисніть «Почати»: тонів буде %1, по одному на секунду.</translation>
    </message>
    <message>
        <source>Mouse: each button&apos;s click, heard by a microphone next to the mouse.
Put the microphone within 5 cm of the mouse&apos;s buttons: sound travels about 0.03 ms a centimetre, so 5 cm add 0.15 ms to what is measured, 30 cm almost 1 ms. Keep the room quiet. Press Start, then click the left button %1 times in the grey square, about once a second. Each mouse you click is measured on its own.</source>
        <translation>Миша: клацання кожної кнопки, яке чує мікрофон поруч із мишею.
Розмістіть мікрофон не далі ніж за 5 см від кнопок миші: звук проходить сантиметр приблизно за 0,03 ms, тож 5 см додають до виміряного 0,15 ms, 30 см — майже 1 ms. Дотримуйтеся тиші в кімнаті. Натисніть «Почати», потім клацніть лівою кнопкою %1 разів у сірому квадраті, приблизно раз на секунду. Кожну мишу, якою ви клацаєте, вимірюють окремо.</translation>
    </message>
    <message>
        <source>The machine check is done.

%1

Save keeps the result on this machine: the about box and the timing check show it, and it goes with the students&apos; files to the hand-in folder, where brevane-summary reads it.</source>
        <translation>Перевірку комп&apos;ютера завершено.

%1

«Зберегти» зберігає результат на цьому комп&apos;ютері: його показують вікно «Про програму» і перевірка хронометражу, і він іде разом із файлами студентів до теки здачі, де його читає brevane-summary.</translation>
    </message>
    <message>
        <source>%1: skipped</source>
        <translation>%1: пропущено</translation>
    </message>
    <message>
        <source>

Measuring...</source>
        <translation>

Вимірювання...</translation>
    </message>
    <message>
        <source>

Flashes: %1 of %2</source>
        <translation>

Спалахи: %1 з %2</translation>
    </message>
    <message>
        <source>

Tones: %1 of %2</source>
        <translation>

Тони: %1 з %2</translation>
    </message>
    <message>
        <source>%1: mean %2 ms, SD %3 ms, worst %4 ms over %5 of %6 trials</source>
        <translation>%1: середнє %2 ms, SD %3 ms, найгірше %4 ms за %5 з %6 вимірів</translation>
    </message>
    <message>
        <source>%1: refused: %2</source>
        <translation>%1: відхилено: %2</translation>
    </message>
    <message>
        <source>&amp;Finish</source>
        <translation>&amp;Завершити</translation>
    </message>
    <message>
        <source>&amp;Next part</source>
        <translation>Наступна &amp;частина</translation>
    </message>
    <message>
        <source>

Press %1 (Return) to go on.</source>
        <translation>

Натисніть «%1» (Return), щоб продовжити.</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Завершити</translation>
    </message>
    <message>
        <source>Next part</source>
        <translation>Наступна частина</translation>
    </message>
    <message>
        <source>Saved to %1.
For every user of this machine, copy it to /etc/xdg/Brevane/machine-check.txt (as root). Esc ends the check.</source>
        <translation>Збережено в %1.
Для всіх користувачів цього комп&apos;ютера скопіюйте його в /etc/xdg/Brevane/machine-check.txt (від імені root). Esc завершує перевірку.</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <translation>Не вдалося зберегти %1: %2</translation>
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
        <translation>Часи</translation>
    </message>
    <message>
        <source>Set %1</source>
        <translation>Серія %1</translation>
    </message>
</context>
<context>
    <name>brevane::TimingCheckWindow</name>
    <message>
        <source>Brevane Timing Check</source>
        <translation>Перевірка хронометражу Brevane</translation>
    </message>
    <message>
        <source>Flashing patch</source>
        <translation>Мигтлива пляма</translation>
    </message>
    <message>
        <source>Timing readout</source>
        <translation>Показники хронометражу</translation>
    </message>
    <message>
        <source>Frames: measuring...</source>
        <translation>Кадри: вимірювання...</translation>
    </message>
    <message>
        <source>Frames stamped at %L1 Hz (one every %L2 ms)
Frame time jitter: SD %L3 ms, worst %L4 ms, %5 late of the last %6</source>
        <translation>Позначки кадрів із частотою %L1 Hz (один кожні %L2 ms)
Розкид часу кадрів: SD %L3 ms, найгірший %L4 ms, запізнилися %5 з останніх %6</translation>
    </message>
    <message>
        <source>
Times may be one frame long: see the guide</source>
        <translation>
Часи можуть бути на кадр довшими: див. посібник</translation>
    </message>
    <message>
        <source>Timing check: Esc or a click ends it
Refresh reported by the screen: %L1 Hz; the monitor&apos;s mode: %2
%3
Stamp sources: display %4, input %5, sound %6
Compositor: %7; stimulus stamps: %8%9
The patch turns every %10 frames (frame %11)
%12</source>
        <translation>Перевірка хронометражу: Esc або клацання завершують її
Частота оновлення за даними екрана: %L1 Hz; режим монітора: %2
%3
Джерела позначок часу: дисплей %4, введення %5, звук %6
Композитор: %7; позначки стимулів: %8%9
Пляма змінюється кожні %10 кадрів (кадр %11)
%12</translation>
    </message>
</context>
<context>
    <name>brevane::frmAbout</name>
    <message>
        <source>Release %1</source>
        <translation>Випуск %1</translation>
    </message>
    <message>
        <source>Configuration: %1</source>
        <translation>Налаштування: %1</translation>
    </message>
</context>
<context>
    <name>brevane::frmColorSelect</name>
    <message>
        <source>Black</source>
        <translation>Чорний</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Синій</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Зелений</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Блакитний</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Червоний</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Пурпуровий</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Жовтий</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Білий</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Сірий</translation>
    </message>
    <message>
        <source>Light Blue</source>
        <translation>Світло-синій</translation>
    </message>
    <message>
        <source>Light Green</source>
        <translation>Світло-зелений</translation>
    </message>
    <message>
        <source>Light Cyan</source>
        <translation>Світло-блакитний</translation>
    </message>
    <message>
        <source>Light Red</source>
        <translation>Світло-червоний</translation>
    </message>
    <message>
        <source>Light Magenta</source>
        <translation>Світло-пурпуровий</translation>
    </message>
    <message>
        <source>Light Yellow</source>
        <translation>Світло-жовтий</translation>
    </message>
    <message>
        <source>Bright White</source>
        <translation>Яскраво-білий</translation>
    </message>
</context>
<context>
    <name>brevane::frmMain</name>
    <message>
        <source>Version %1</source>
        <translation>Версія %1</translation>
    </message>
</context>
<context>
    <name>brevane::summary::ClassChartWindow</name>
    <message>
        <source>Class reaction times</source>
        <translation>Час реакції класу</translation>
    </message>
    <message>
        <source>Handed in</source>
        <translation>Здано</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About Brevane</source>
        <translation>Про програму Brevane</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Логотип</translation>
    </message>
    <message>
        <source>Simple vs Complex Stimulus Reaction Timing</source>
        <translation>Час реакції: простий і складний стимул</translation>
    </message>
    <message>
        <source>Orv Brevane 2</source>
        <translation>Orv Brevane 2</translation>
    </message>
    <message>
        <source>For Linux with X11 and Wayland</source>
        <translation>Для Linux з X11 і Wayland</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Таймер</translation>
    </message>
    <message>
        <source>Reaction timing for student laboratory courses</source>
        <translation>Вимірювання часу реакції для навчальних лабораторних занять</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Звук</translation>
    </message>
    <message>
        <source>Your files are kept in:</source>
        <translation>Ваші файли зберігаються в:</translation>
    </message>
    <message>
        <source>Language: English</source>
        <comment>The language this translation is: translators name their own language, in it</comment>
        <translation>Мова: українська</translation>
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
        <translation>Налаштування Brevane</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>Простий</translation>
    </message>
    <message>
        <source>Simple Single Choice Settings</source>
        <translation>Налаштування простого тесту</translation>
    </message>
    <message>
        <source>Runs Per Set</source>
        <translation>Спроб у серії</translation>
    </message>
    <message>
        <source>Trigger On</source>
        <translation>Сигнал</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Звуковий</translation>
    </message>
    <message>
        <source>Visual</source>
        <translation>Зоровий</translation>
    </message>
    <message>
        <source>Trigger Color</source>
        <translation>Колір сигналу</translation>
    </message>
    <message>
        <source>Color of the visual stimulus: click to choose another</source>
        <translation>Колір зорового стимулу: клацніть, щоб вибрати інший</translation>
    </message>
    <message>
        <source>Interval Timing</source>
        <translation>Задання інтервалу</translation>
    </message>
    <message>
        <source>Random Interval</source>
        <translation>Випадковий інтервал</translation>
    </message>
    <message>
        <source>Fixed Interval</source>
        <translation>Фіксований інтервал</translation>
    </message>
    <message>
        <source>Fixed Time Interval</source>
        <translation>Фіксований інтервал часу</translation>
    </message>
    <message>
        <source>Minimum Time Interval</source>
        <translation>Мінімальний інтервал часу</translation>
    </message>
    <message>
        <source>Color/Audio</source>
        <translation>Колір/звук</translation>
    </message>
    <message>
        <source>Complex Choice Color/Audio Settings</source>
        <translation>Налаштування тесту з вибором: колір/звук</translation>
    </message>
    <message>
        <source>Display Time</source>
        <translation>Час показу</translation>
    </message>
    <message>
        <source>Color and Audio</source>
        <translation>Колір і звук</translation>
    </message>
    <message>
        <source>Color no Audio</source>
        <translation>Колір без звуку</translation>
    </message>
    <message>
        <source>Make Sound</source>
        <translation>Відтворювати звук</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Так</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ні</translation>
    </message>
    <message>
        <source>Elements</source>
        <translation>Елементи</translation>
    </message>
    <message>
        <source>Elements in Set</source>
        <translation>Кількість елементів</translation>
    </message>
    <message>
        <source>Trigger Element</source>
        <translation>Цільовий елемент</translation>
    </message>
    <message>
        <source>Trigger Element Color</source>
        <translation>Колір цільового елемента</translation>
    </message>
    <message>
        <source>Color of the trigger element: click to choose another</source>
        <translation>Колір цільового елемента: клацніть, щоб вибрати інший</translation>
    </message>
    <message>
        <source>Element</source>
        <translation>Елемент</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Колір</translation>
    </message>
    <message>
        <source>Choose the color of this element</source>
        <translation>Виберіть колір цього елемента</translation>
    </message>
    <message>
        <source>Element Colors</source>
        <translation>Кольори елементів</translation>
    </message>
    <message>
        <source>Element 1 Color</source>
        <translation>Колір елемента 1</translation>
    </message>
    <message>
        <source>Color of element 1: click to choose another (grey: not in use)</source>
        <translation>Колір елемента 1: клацніть, щоб вибрати інший (сірий: не використовується)</translation>
    </message>
    <message>
        <source>Element 2 Color</source>
        <translation>Колір елемента 2</translation>
    </message>
    <message>
        <source>Color of element 2: click to choose another (grey: not in use)</source>
        <translation>Колір елемента 2: клацніть, щоб вибрати інший (сірий: не використовується)</translation>
    </message>
    <message>
        <source>Element 3 Color</source>
        <translation>Колір елемента 3</translation>
    </message>
    <message>
        <source>Color of element 3: click to choose another (grey: not in use)</source>
        <translation>Колір елемента 3: клацніть, щоб вибрати інший (сірий: не використовується)</translation>
    </message>
    <message>
        <source>Element 4 Color</source>
        <translation>Колір елемента 4</translation>
    </message>
    <message>
        <source>Color of element 4: click to choose another (grey: not in use)</source>
        <translation>Колір елемента 4: клацніть, щоб вибрати інший (сірий: не використовується)</translation>
    </message>
    <message>
        <source>Element 5 Color</source>
        <translation>Колір елемента 5</translation>
    </message>
    <message>
        <source>Color of element 5: click to choose another (grey: not in use)</source>
        <translation>Колір елемента 5: клацніть, щоб вибрати інший (сірий: не використовується)</translation>
    </message>
    <message>
        <source>Element 6 Color</source>
        <translation>Колір елемента 6</translation>
    </message>
    <message>
        <source>Color of element 6: click to choose another (grey: not in use)</source>
        <translation>Колір елемента 6: клацніть, щоб вибрати інший (сірий: не використовується)</translation>
    </message>
    <message>
        <source>Element 7 Color</source>
        <translation>Колір елемента 7</translation>
    </message>
    <message>
        <source>Color of element 7: click to choose another (grey: not in use)</source>
        <translation>Колір елемента 7: клацніть, щоб вибрати інший (сірий: не використовується)</translation>
    </message>
    <message>
        <source>Element 8 Color</source>
        <translation>Колір елемента 8</translation>
    </message>
    <message>
        <source>Color of element 8: click to choose another (grey: not in use)</source>
        <translation>Колір елемента 8: клацніть, щоб вибрати інший (сірий: не використовується)</translation>
    </message>
    <message>
        <source>Element 9 Color</source>
        <translation>Колір елемента 9</translation>
    </message>
    <message>
        <source>Color of element 9: click to choose another (grey: not in use)</source>
        <translation>Колір елемента 9: клацніть, щоб вибрати інший (сірий: не використовується)</translation>
    </message>
    <message>
        <source>Element 10 Color</source>
        <translation>Колір елемента 10</translation>
    </message>
    <message>
        <source>Color of element 10: click to choose another (grey: not in use)</source>
        <translation>Колір елемента 10: клацніть, щоб вибрати інший (сірий: не використовується)</translation>
    </message>
    <message>
        <source>Num/Audio</source>
        <translation>Число/звук</translation>
    </message>
    <message>
        <source>Complex Choice Numbers/Audio Settings</source>
        <translation>Налаштування тесту з вибором: число/звук</translation>
    </message>
    <message>
        <source>Number and Audio</source>
        <translation>Число і звук</translation>
    </message>
    <message>
        <source>Number no Audio</source>
        <translation>Число без звуку</translation>
    </message>
    <message>
        <source>Trigger Number</source>
        <translation>Цільове число</translation>
    </message>
    <message>
        <source>The number of the trigger element</source>
        <translation>Число цільового елемента</translation>
    </message>
    <message>
        <source>Element Number</source>
        <translation>Число елемента</translation>
    </message>
    <message>
        <source>The number of this element (0 to 99)</source>
        <translation>Число цього елемента (від 0 до 99)</translation>
    </message>
    <message>
        <source>Element Numbers</source>
        <translation>Числа елементів</translation>
    </message>
    <message>
        <source>Element 1 Number</source>
        <translation>Число елемента 1</translation>
    </message>
    <message>
        <source>Element 2 Number</source>
        <translation>Число елемента 2</translation>
    </message>
    <message>
        <source>Element 3 Number</source>
        <translation>Число елемента 3</translation>
    </message>
    <message>
        <source>Element 4 Number</source>
        <translation>Число елемента 4</translation>
    </message>
    <message>
        <source>Element 5 Number</source>
        <translation>Число елемента 5</translation>
    </message>
    <message>
        <source>Element 6 Number</source>
        <translation>Число елемента 6</translation>
    </message>
    <message>
        <source>Element 7 Number</source>
        <translation>Число елемента 7</translation>
    </message>
    <message>
        <source>Element 8 Number</source>
        <translation>Число елемента 8</translation>
    </message>
    <message>
        <source>Element 9 Number</source>
        <translation>Число елемента 9</translation>
    </message>
    <message>
        <source>Element 10 Number</source>
        <translation>Число елемента 10</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Гучність</translation>
    </message>
    <message>
        <source>Master volume of the speakers</source>
        <translation>Загальна гучність динаміків</translation>
    </message>
    <message>
        <source>Volume Setting</source>
        <translation>Налаштування гучності</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Скасувати</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>Ски&amp;нути</translation>
    </message>
    <message>
        <source>Back to the configuration loaded at start-up</source>
        <translation>Повернути налаштування, завантажені під час запуску</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Відкрити</translation>
    </message>
    <message>
        <source>Load a configuration file</source>
        <translation>Завантажити файл налаштувань</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>З&amp;берегти</translation>
    </message>
    <message>
        <source>Save the configuration to a file</source>
        <translation>Зберегти налаштування у файл</translation>
    </message>
</context>
<context>
    <name>frmChoiceReflexDisplay</name>
    <message>
        <source>Complex Choice Color/Audio Stimulus Module Data Display</source>
        <translation>Результати: тест із вибором (колір/звук)</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Логотип</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Версія</translation>
    </message>
    <message>
        <source>Set 1</source>
        <translation>Серія 1</translation>
    </message>
    <message>
        <source>Run Data</source>
        <translation>Дані спроб</translation>
    </message>
    <message>
        <source>Run 1</source>
        <translation>Спроба 1</translation>
    </message>
    <message>
        <source>Run 2</source>
        <translation>Спроба 2</translation>
    </message>
    <message>
        <source>Run 3</source>
        <translation>Спроба 3</translation>
    </message>
    <message>
        <source>Run 4</source>
        <translation>Спроба 4</translation>
    </message>
    <message>
        <source>Run 5</source>
        <translation>Спроба 5</translation>
    </message>
    <message>
        <source>Run 6</source>
        <translation>Спроба 6</translation>
    </message>
    <message>
        <source>Run 7</source>
        <translation>Спроба 7</translation>
    </message>
    <message>
        <source>Run 8</source>
        <translation>Спроба 8</translation>
    </message>
    <message>
        <source>Run 9</source>
        <translation>Спроба 9</translation>
    </message>
    <message>
        <source>Run 10</source>
        <translation>Спроба 10</translation>
    </message>
    <message>
        <source>Run Statistics</source>
        <translation>Статистика спроб</translation>
    </message>
    <message>
        <source>Fast Time</source>
        <translation>Мін. час</translation>
    </message>
    <message>
        <source>Slow Time</source>
        <translation>Макс. час</translation>
    </message>
    <message>
        <source>Average Time</source>
        <translation>Середній час</translation>
    </message>
    <message>
        <source>Outcomes</source>
        <translation>Підсумки</translation>
    </message>
    <message>
        <source>Correct Hits</source>
        <translation>Влучання</translation>
    </message>
    <message>
        <source>Correct Misses</source>
        <translation>Вірні пропуски</translation>
    </message>
    <message>
        <source>InCorrect Hits</source>
        <translation>Хибні натискання</translation>
    </message>
    <message>
        <source>Missed Hits</source>
        <translation>Пропуски цілі</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Коментарі</translation>
    </message>
    <message>
        <source>Set 2</source>
        <translation>Серія 2</translation>
    </message>
    <message>
        <source>Set 3</source>
        <translation>Серія 3</translation>
    </message>
    <message>
        <source>Set 4</source>
        <translation>Серія 4</translation>
    </message>
    <message>
        <source>Set 5</source>
        <translation>Серія 5</translation>
    </message>
    <message>
        <source>Set 6</source>
        <translation>Серія 6</translation>
    </message>
    <message>
        <source>Set 7</source>
        <translation>Серія 7</translation>
    </message>
    <message>
        <source>Set 8</source>
        <translation>Серія 8</translation>
    </message>
    <message>
        <source>Set 9</source>
        <translation>Серія 9</translation>
    </message>
    <message>
        <source>Set 10</source>
        <translation>Серія 10</translation>
    </message>
    <message>
        <source>Fastest Times</source>
        <translation>Мінімальні часи</translation>
    </message>
    <message>
        <source>Set Data For Fastest Times</source>
        <translation>Дані серій: мінімальні часи</translation>
    </message>
    <message>
        <source>Slowest Times</source>
        <translation>Максимальні часи</translation>
    </message>
    <message>
        <source>Set Data For Slowest Times</source>
        <translation>Дані серій: максимальні часи</translation>
    </message>
    <message>
        <source>Average Times</source>
        <translation>Середні часи</translation>
    </message>
    <message>
        <source>Set Data For Average Times</source>
        <translation>Дані серій: середні часи</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Друк</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Відкрити</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Зберегти</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Експорт</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Очистити все</translation>
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
        <translation>Тест із вибором: колір/звук</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Логотип</translation>
    </message>
    <message>
        <source>Complex Choice Color/Audio Stimulus</source>
        <translation>Складний стимул із вибором: колір/звук</translation>
    </message>
    <message>
        <source>Trigger On</source>
        <translation>Сигнал</translation>
    </message>
    <message>
        <source>Trigger Element</source>
        <translation>Цільовий елемент</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Звук</translation>
    </message>
    <message>
        <source>Press Here</source>
        <translation>Натисніть тут</translation>
    </message>
    <message>
        <source>Element Display</source>
        <translation>Показ елементів</translation>
    </message>
    <message>
        <source>Set Indicator</source>
        <translation>Індикатор серії</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Час</translation>
    </message>
    <message>
        <source>Previous Time</source>
        <translation>Попередній час</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Різниця</translation>
    </message>
    <message>
        <source>Average Time</source>
        <translation>Середній час</translation>
    </message>
    <message>
        <source>Run Count</source>
        <translation>Кількість спроб</translation>
    </message>
    <message>
        <source>Correct Hits</source>
        <translation>Правильні натискання</translation>
    </message>
    <message>
        <source>Incorrect Hits</source>
        <translation>Хибні натискання</translation>
    </message>
    <message>
        <source>Correct Misses</source>
        <translation>Правильні пропуски</translation>
    </message>
    <message>
        <source>Missed Hits</source>
        <translation>Пропуски цілі</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Опис</translation>
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
        <translation>Параметри</translation>
    </message>
    <message>
        <source>Clear Set</source>
        <translation>Скидання серії</translation>
    </message>
    <message>
        <source>Next Set</source>
        <translation>Наст. серія</translation>
    </message>
    <message>
        <source>Prev Set</source>
        <translation>Попер. серія</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Результати</translation>
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
        <translation>Вибір кольору</translation>
    </message>
    <message>
        <source>Current Color:</source>
        <translation>Поточний колір:</translation>
    </message>
    <message>
        <source>Current Color</source>
        <translation>Поточний колір</translation>
    </message>
    <message>
        <source>Color Selected:</source>
        <translation>Вибраний колір:</translation>
    </message>
    <message>
        <source>Color Selected</source>
        <translation>Вибраний колір</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>&amp;Вибрати</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Скасувати</translation>
    </message>
</context>
<context>
    <name>frmDisplay</name>
    <message>
        <source>Simple Choice Stimulus Module Data Display</source>
        <translation>Результати: простий тест</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Логотип</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Версія</translation>
    </message>
    <message>
        <source>Set 1</source>
        <translation>Серія 1</translation>
    </message>
    <message>
        <source>Run Data</source>
        <translation>Дані спроб</translation>
    </message>
    <message>
        <source>Run 1</source>
        <translation>Спроба 1</translation>
    </message>
    <message>
        <source>Run 2</source>
        <translation>Спроба 2</translation>
    </message>
    <message>
        <source>Run 3</source>
        <translation>Спроба 3</translation>
    </message>
    <message>
        <source>Run 4</source>
        <translation>Спроба 4</translation>
    </message>
    <message>
        <source>Run 5</source>
        <translation>Спроба 5</translation>
    </message>
    <message>
        <source>Run 6</source>
        <translation>Спроба 6</translation>
    </message>
    <message>
        <source>Run 7</source>
        <translation>Спроба 7</translation>
    </message>
    <message>
        <source>Run 8</source>
        <translation>Спроба 8</translation>
    </message>
    <message>
        <source>Run 9</source>
        <translation>Спроба 9</translation>
    </message>
    <message>
        <source>Run 10</source>
        <translation>Спроба 10</translation>
    </message>
    <message>
        <source>Run Statistics</source>
        <translation>Статистика спроб</translation>
    </message>
    <message>
        <source>Fast Time</source>
        <translation>Мін. час</translation>
    </message>
    <message>
        <source>Slow Time</source>
        <translation>Макс. час</translation>
    </message>
    <message>
        <source>Average Time</source>
        <translation>Середній час</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Коментарі</translation>
    </message>
    <message>
        <source>Set 2</source>
        <translation>Серія 2</translation>
    </message>
    <message>
        <source>Set 3</source>
        <translation>Серія 3</translation>
    </message>
    <message>
        <source>Set 4</source>
        <translation>Серія 4</translation>
    </message>
    <message>
        <source>Set 5</source>
        <translation>Серія 5</translation>
    </message>
    <message>
        <source>Set 6</source>
        <translation>Серія 6</translation>
    </message>
    <message>
        <source>Set 7</source>
        <translation>Серія 7</translation>
    </message>
    <message>
        <source>Set 8</source>
        <translation>Серія 8</translation>
    </message>
    <message>
        <source>Set 9</source>
        <translation>Серія 9</translation>
    </message>
    <message>
        <source>Set 10</source>
        <translation>Серія 10</translation>
    </message>
    <message>
        <source>Fastest Times</source>
        <translation>Мінімальні часи</translation>
    </message>
    <message>
        <source>Set Data For Fastest Times</source>
        <translation>Дані серій: мінімальні часи</translation>
    </message>
    <message>
        <source>Slowest Times</source>
        <translation>Максимальні часи</translation>
    </message>
    <message>
        <source>Set Data For Slowest Times</source>
        <translation>Дані серій: максимальні часи</translation>
    </message>
    <message>
        <source>Average Times</source>
        <translation>Середні часи</translation>
    </message>
    <message>
        <source>Set Data For Average Times</source>
        <translation>Дані серій: середні часи</translation>
    </message>
    <message>
        <source>All Data</source>
        <translation>Усі дані</translation>
    </message>
    <message>
        <source>Data Only Displayed On The Graph</source>
        <translation>Дані лише на графіку</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Друк</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Відкрити</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Зберегти</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Експорт</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Очистити все</translation>
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
        <translation>Завантаження</translation>
    </message>
    <message>
        <source>Loading Display Please Wait...</source>
        <translation>Завантаження результатів, зачекайте...</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Simple vs Complex Stimulus Reaction Timing</source>
        <translation>Час реакції: простий і складний стимул</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>Простий</translation>
    </message>
    <message>
        <source>Simple Single Stimulus Module</source>
        <translation>Простий тест: один стимул</translation>
    </message>
    <message>
        <source>Color/Audio</source>
        <translation>Колір/звук</translation>
    </message>
    <message>
        <source>Complex Color/Audio Stimulus Module</source>
        <translation>Тест із вибором: колір/звук</translation>
    </message>
    <message>
        <source>Num/Audio</source>
        <translation>Число/звук</translation>
    </message>
    <message>
        <source>Complex Number/Audio Stimulus Module</source>
        <translation>Тест із вибором: число/звук</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Налаштування</translation>
    </message>
    <message>
        <source>Edit Brev Settings</source>
        <translation>Змінити налаштування Brevane</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>Очистити дані</translation>
    </message>
    <message>
        <source>Clear All Data Sets</source>
        <translation>Очистити всі серії даних</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>Відновити</translation>
    </message>
    <message>
        <source>Recover Data after a system crash</source>
        <translation>Відновити дані після збою системи</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Про програму</translation>
    </message>
    <message>
        <source>Display About box</source>
        <translation>Показати вікно «Про програму»</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Вихід</translation>
    </message>
    <message>
        <source>Quit Brev</source>
        <translation>Вийти з Brevane</translation>
    </message>
    <message>
        <source>Are you sure you want to DELETE ALL DATA ?</source>
        <translation>Ви справді бажаєте ВИДАЛИТИ ВСІ ДАНІ?</translation>
    </message>
    <message>
        <source>Delete All Data</source>
        <translation>Видалити всі дані</translation>
    </message>
    <message>
        <source>Are you sure you want to exit?</source>
        <translation>Ви справді бажаєте вийти?</translation>
    </message>
    <message>
        <source>Data NOT saved!<byte value="xd"/></source>
        <translation>Дані НЕ збережено!<byte value="xd"/></translation>
    </message>
    <message>
        <source>Exit Orv Brevane 2</source>
        <translation>Вихід з Orv Brevane 2</translation>
    </message>
</context>
<context>
    <name>frmNumberReflex</name>
    <message>
        <source>Complex Choice Number/Audio Stimulus Module</source>
        <translation>Тест із вибором: число/звук</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Логотип</translation>
    </message>
    <message>
        <source>Complex Choice Number/Audio Stimulus</source>
        <translation>Складний стимул із вибором: число/звук</translation>
    </message>
    <message>
        <source>Trigger On</source>
        <translation>Сигнал</translation>
    </message>
    <message>
        <source>Trigger Element</source>
        <translation>Цільовий елемент</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Звук</translation>
    </message>
    <message>
        <source>Press Here</source>
        <translation>Натисніть тут</translation>
    </message>
    <message>
        <source>Element Display</source>
        <translation>Показ елементів</translation>
    </message>
    <message>
        <source>Set Indicator</source>
        <translation>Індикатор серії</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Час</translation>
    </message>
    <message>
        <source>Previous Time</source>
        <translation>Попередній час</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Різниця</translation>
    </message>
    <message>
        <source>Average Time</source>
        <translation>Середній час</translation>
    </message>
    <message>
        <source>Run Count</source>
        <translation>Кількість спроб</translation>
    </message>
    <message>
        <source>Correct Hits</source>
        <translation>Правильні натискання</translation>
    </message>
    <message>
        <source>Incorrect Hits</source>
        <translation>Хибні натискання</translation>
    </message>
    <message>
        <source>Correct Misses</source>
        <translation>Правильні пропуски</translation>
    </message>
    <message>
        <source>Missed Hits</source>
        <translation>Пропуски цілі</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Опис</translation>
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
        <translation>Параметри</translation>
    </message>
    <message>
        <source>Clear Set</source>
        <translation>Скидання серії</translation>
    </message>
    <message>
        <source>Next Set</source>
        <translation>Наст. серія</translation>
    </message>
    <message>
        <source>Prev Set</source>
        <translation>Попер. серія</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Результати</translation>
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
        <translation>Друк даних</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Тема:</translation>
    </message>
    <message>
        <source>Select Sets To Print</source>
        <translation>Виберіть серії для друку</translation>
    </message>
    <message>
        <source>Set 1</source>
        <translation>Серія 1</translation>
    </message>
    <message>
        <source>Set 2</source>
        <translation>Серія 2</translation>
    </message>
    <message>
        <source>Set 3</source>
        <translation>Серія 3</translation>
    </message>
    <message>
        <source>Set 4</source>
        <translation>Серія 4</translation>
    </message>
    <message>
        <source>Set 5</source>
        <translation>Серія 5</translation>
    </message>
    <message>
        <source>Set 6</source>
        <translation>Серія 6</translation>
    </message>
    <message>
        <source>Set 7</source>
        <translation>Серія 7</translation>
    </message>
    <message>
        <source>Set 8</source>
        <translation>Серія 8</translation>
    </message>
    <message>
        <source>Set 9</source>
        <translation>Серія 9</translation>
    </message>
    <message>
        <source>Set 10</source>
        <translation>Серія 10</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Вибрати всі</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Параметри</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>UnSelectAll</source>
        <translation>Зняти всі</translation>
    </message>
    <message>
        <source>SelectAll</source>
        <translation>Вибрати всі</translation>
    </message>
    <message>
        <source>You must select atleast ONE set to Print</source>
        <translation>Виберіть принаймні ОДНУ серію для друку</translation>
    </message>
    <message>
        <source>Printing Error</source>
        <translation>Помилка друку</translation>
    </message>
</context>
<context>
    <name>frmReflex</name>
    <message>
        <source>Simple Choice Stimulus Module</source>
        <translation>Простий тест</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Логотип</translation>
    </message>
    <message>
        <source>Simple Choice Stimulus</source>
        <translation>Простий стимул</translation>
    </message>
    <message>
        <source>           Visual Trigger</source>
        <translation>           Зоровий сигнал</translation>
    </message>
    <message>
        <source>Press Here</source>
        <translation>Натисніть тут</translation>
    </message>
    <message>
        <source>Stimulus</source>
        <translation>Стимул</translation>
    </message>
    <message>
        <source>Speaker</source>
        <translation>Динамік</translation>
    </message>
    <message>
        <source>Set Indicator</source>
        <translation>Індикатор серії</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Серія</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Опис</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Час</translation>
    </message>
    <message>
        <source>Previous Time</source>
        <translation>Попередній час</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Різниця</translation>
    </message>
    <message>
        <source>Average Time</source>
        <translation>Середній час</translation>
    </message>
    <message>
        <source>Run Count</source>
        <translation>Кількість спроб</translation>
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
        <translation>Параметри</translation>
    </message>
    <message>
        <source>Clear Set</source>
        <translation>Скидання серії</translation>
    </message>
    <message>
        <source>Next Set</source>
        <translation>Наст. серія</translation>
    </message>
    <message>
        <source>Prev Set</source>
        <translation>Попер. серія</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Результати</translation>
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
        <translation>Час реакції: простий і складний стимул</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Стан</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Перебіг виконання</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>there is no translation for &quot;%1&quot;; the program is shown in English</source>
        <translation>перекладу для «%1» немає; програму показано англійською</translation>
    </message>
</context>
<context>
    <name>summary</name>
    <message>
        <source>The class summary of reaction-time files (recover.dat, .nrm and .col files, or folders of them):
sets.csv, students.csv, class.csv, class-notes.txt, class-chart.pdf and class-chart.png.</source>
        <translation>Зведення по класу з файлів часу реакції (recover.dat, файли .nrm і .col або теки з ними):
sets.csv, students.csv, class.csv, class-notes.txt, class-chart.pdf і class-chart.png.</translation>
    </message>
    <message>
        <source>Write into &lt;folder&gt; (default: the current folder).</source>
        <translation>Записати в &lt;тека&gt; (типово: поточна тека).</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>тека</translation>
    </message>
    <message>
        <source>The .col files are the colour test&apos;s.</source>
        <translation>Файли .col — від тесту з кольором.</translation>
    </message>
    <message>
        <source>The .col files are the number test&apos;s.</source>
        <translation>Файли .col — від тесту з числами.</translation>
    </message>
    <message>
        <source>Name each student after their folder or their files&apos; names.</source>
        <translation>Називати кожного студента за його текою або за назвами його файлів.</translation>
    </message>
    <message>
        <source>Start each CSV file with a UTF-8 mark.</source>
        <translation>Починати кожен файл CSV із позначки UTF-8.</translation>
    </message>
    <message>
        <source>Write again whenever a file changes, until stopped.</source>
        <translation>Записувати знову щоразу, коли змінюється файл, доки не зупинять.</translation>
    </message>
    <message>
        <source>As --watch, with the chart in a window.</source>
        <translation>Як --watch, але з діаграмою у вікні.</translation>
    </message>
    <message>
        <source>Data files and folders.</source>
        <translation>Файли даних і теки.</translation>
    </message>
    <message>
        <source>path...</source>
        <translation>шлях...</translation>
    </message>
    <message>
        <source>--colour and --number exclude each other: summarise each test&apos;s .col files apart</source>
        <translation>--colour і --number виключають одне одного: зводьте файли .col кожного тесту окремо</translation>
    </message>
    <message>
        <source>--student-from takes folder or name, not %1</source>
        <translation>--student-from приймає folder або name, а не %1</translation>
    </message>
    <message>
        <source>no file could be read; nothing written</source>
        <translation>не вдалося прочитати жодного файлу; нічого не записано</translation>
    </message>
    <message>
        <source>Count a folder&apos;s files as its owners handed them in (yes), or by their names (no); by default the owners decide in a hand-in folder, one that others may enter but not list.</source>
        <translation>Вважати файли теки зданими їхніми власниками (yes) або за їхніми назвами (no); типово в теці здачі, до якої інші можуть увійти, але не можуть отримати її список, вирішують власники.</translation>
    </message>
    <message>
        <source>Say whether the hand-in folder &lt;folder&gt; is set up as one of the guide&apos;s recipes, and what is wrong; nothing is summarised.</source>
        <translation>Повідомити, чи влаштовано теку здачі &lt;тека&gt; за одним із рецептів посібника і що в ній не так; зведення не складається.</translation>
    </message>
    <message>
        <source>--owners takes yes or no, not %1</source>
        <translation>--owners приймає yes або no, а не %1</translation>
    </message>
</context>
</TS>
