<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_EG">
<context>
    <name>ClassChart</name>
    <message>
        <source>Class reaction times: simple against choice</source>
        <translation>أزمنة استجابة الصف: البسيطة مقابل الاختيارية</translation>
    </message>
    <message>
        <source>One dot for each student&apos;s mean reaction time (%1): the mean of their set means, in whole ms as stored. Box: lower to upper quartile; thick line: median; whiskers: the furthest means within 1.5 box lengths.</source>
        <translation>نقطة لمتوسط زمن استجابة كل طالب (%1): متوسط متوسطات مجموعاته، بالملّي ثانية الكاملة كما حُفظت. الصندوق: من الربيع الأدنى إلى الأعلى؛ الخط السميك: الوسيط؛ الشاربان: أبعد المتوسطات ضمن 1.5 من طول الصندوق.</translation>
    </message>
    <message numerus="yes">
        <source>%n student(s)</source>
        <translation>
            <numerusform>%n طالب</numerusform>
            <numerusform>%n طالب</numerusform>
            <numerusform>%n طالبان</numerusform>
            <numerusform>%n طلاب</numerusform>
            <numerusform>%n طالبًا</numerusform>
            <numerusform>%n طالب</numerusform>
        </translation>
    </message>
    <message>
        <source>No reaction times in the files read</source>
        <translation>لا أزمنة استجابة في الملفات المقروءة</translation>
    </message>
    <message>
        <source>n = %1, mean %2 ms</source>
        <translation>n = %1، المتوسط %2 ملّي ثانية</translation>
    </message>
    <message>
        <source>%1 − simple: %2 ms (95 % CI %3 to %4, %5 students)</source>
        <translation>%1 − البسيط: %2 ملّي ثانية (فترة ثقة 95 %: %3 إلى %4، %5 طلاب)</translation>
    </message>
    <message>
        <source>Class reaction times</source>
        <translation>أزمنة استجابة الصف</translation>
    </message>
    <message>
        <source>Bars beside each box: every run that counts (%1 runs; class-notes.txt says which), as shares of the test&apos;s runs in bins of %2 ms.</source>
        <translation>الأعمدة بجانب كل صندوق: كل محاولة محتسبة (%1 محاولة؛ يبيّن class-notes.txt أيّها)، كحصص من محاولات الاختبار في فئات عرض كل منها %2 ملّي ثانية.</translation>
    </message>
    <message>
        <source>reaction time (ms)</source>
        <translation>زمن الاستجابة (ملّي ثانية)</translation>
    </message>
</context>
<context>
    <name>ClassFiles</name>
    <message>
        <source>not a recover.dat, .nrm or .col file</source>
        <translation>ليس ملف recover.dat ولا .nrm ولا .col</translation>
    </message>
    <message>
        <source>left out %1: a shared account&apos;s recover.dat holds whoever ran last</source>
        <translation>استُبعد %1: ملف recover.dat لحساب مشترك يحوي بيانات آخر من قاس فقط</translation>
    </message>
    <message>
        <source>a named pipe (FIFO), not read</source>
        <translation>أنبوب مسمّى (FIFO)، لم يُقرأ</translation>
    </message>
    <message>
        <source>a socket, not read</source>
        <translation>مقبس، لم يُقرأ</translation>
    </message>
    <message>
        <source>a device, not read</source>
        <translation>ملف جهاز، لم يُقرأ</translation>
    </message>
    <message>
        <source>a link, not followed in a hand-in folder</source>
        <translation>رابط، لا يُتبَع في مجلد التسليم</translation>
    </message>
    <message>
        <source>handed in by user %1 beside the students&apos; folders, not in one</source>
        <translation>سلّمه المستخدم %1 بجانب مجلدات الطلاب، لا داخل أحدها</translation>
    </message>
    <message>
        <source>no user %1 on this machine; the folder is left out</source>
        <translation>لا يوجد مستخدم %1 على هذا الحاسوب؛ استُبعد المجلد</translation>
    </message>
    <message>
        <source>the folder belongs to user %1, not %2; its files are left out</source>
        <translation>المجلد ملك المستخدم %1، لا %2؛ استُبعدت ملفاته</translation>
    </message>
    <message>
        <source>a folder within a student&apos;s folder, not read</source>
        <translation>مجلد داخل مجلد طالب، لم يُقرأ</translation>
    </message>
    <message>
        <source>handed in by user %1, not %2</source>
        <translation>سلّمه المستخدم %1، لا %2</translation>
    </message>
    <message>
        <source>in a folder of user %1, not %2</source>
        <translation>في مجلد للمستخدم %1، لا %2</translation>
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
        <translation>الحواسيب

يتضمن كل زمن محفوظ ما يضيفه الحاسوب الذي قيس عليه: تأخّر الشاشة (مثيرات
اللون) أو تأخّر مخرج الصوت (الأصوات)، وتأخّر الفأرة (استطلاعها، وإزالة ارتداد أزرارها،
ومسار الإدخال). قاسها فحص الحاسوب (brevane --check-machine) على كل حاسوب
أدناه بثنائي ضوئي وكبل حلقي وميكروفون عبر بطاقة الصوت؛ وزمن استجابة الطالب
هو تقريبًا الزمن المحفوظ ناقصًا تأخّر جزء المثير وتأخّر الفأرة. وعلى حاسوب واحد
لا تغيّر هذه التأخّرات الفرق بين اختبارين (الاختياري ناقص البسيط)، لذا تبقى الفترات
المزدوجة في class.csv صحيحة؛ أما الأزمنة من حواسيب تختلف تأخّراتها فتطول أو تقصر بمقدار
ذلك الفرق. ينتهي sets.csv وstudents.csv بحاسوب كل ملف وتأخّراته.

</translation>
    </message>
    <message>
        <source>%1 (checked %2; %3; files: %4): %5
</source>
        <translation>%1 (فُحص في %2؛ %3؛ الملفات: %4): %5
</translation>
    </message>
    <message>
        <source>mode not known</source>
        <translation>الوضع غير معروف</translation>
    </message>
    <message>
        <source>Screen and mouse together add %1 to %2 ms on these machines: a visual time measured on
one may differ from another&apos;s by up to %3 ms from the machines alone.
</source>
        <translation>تضيف الشاشة والفأرة معًا من %1 إلى %2 ملّي ثانية على هذه الحواسيب: فقد يختلف زمن بصري قيس على
أحدها عن زمن قيس على آخر بما يصل إلى %3 ملّي ثانية بسبب الحواسيب وحدها.
</translation>
    </message>
</context>
<context>
    <name>ClassRun</name>
    <message>
        <source>skipped %1: %2</source>
        <translation>تم تخطي %1: %2</translation>
    </message>
    <message>
        <source>%1 is a copy of %2: read once</source>
        <translation>%1 نسخة من %2: قُرئ مرة واحدة</translation>
    </message>
    <message>
        <source>%1 of %2 files read</source>
        <translation>قُرئ %1 من %2 ملفات</translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>تعذّر إنشاء المجلد %1</translation>
    </message>
    <message>
        <source>could not write %1: %2</source>
        <translation>تعذّرت كتابة %1: %2</translation>
    </message>
    <message>
        <source>%1 read</source>
        <translation>قُرئ %1</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n ملف</numerusform>
            <numerusform>%n ملف</numerusform>
            <numerusform>%n ملفان</numerusform>
            <numerusform>%n ملفات</numerusform>
            <numerusform>%n ملفًا</numerusform>
            <numerusform>%n ملف</numerusform>
        </translation>
    </message>
    <message>
        <source> (and %1 read once)</source>
        <translation> (و%1 قُرئت مرة واحدة)</translation>
    </message>
    <message numerus="yes">
        <source>%n copy(ies)</source>
        <translation>
            <numerusform>%n نسخة</numerusform>
            <numerusform>%n نسخة</numerusform>
            <numerusform>%n نسختان</numerusform>
            <numerusform>%n نسخ</numerusform>
            <numerusform>%n نسخة</numerusform>
            <numerusform>%n نسخة</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2 skipped; %3 (%4 by folder, %5 by file name); tests: %6</source>
        <translation>%1، تم تخطي %2؛ %3 (%4 حسب المجلد، %5 حسب اسم الملف)؛ الاختبارات: %6</translation>
    </message>
    <message numerus="yes">
        <source>%n student(s)</source>
        <translation>
            <numerusform>%n طالب</numerusform>
            <numerusform>%n طالب</numerusform>
            <numerusform>%n طالبان</numerusform>
            <numerusform>%n طلاب</numerusform>
            <numerusform>%n طالبًا</numerusform>
            <numerusform>%n طالب</numerusform>
        </translation>
    </message>
    <message>
        <source>none</source>
        <translation>لا شيء</translation>
    </message>
</context>
<context>
    <name>ClassSummary</name>
    <message>
        <source>.%1 file</source>
        <translation>ملف .%1</translation>
    </message>
    <message>
        <source>it has %1 lines; a %2 has %3</source>
        <translation>فيه %1 سطرًا؛ بينما في %2 عدد %3</translation>
    </message>
    <message>
        <source>line %1 is not what a %2 holds there</source>
        <translation>السطر %1 ليس ما يحويه %2 في ذلك الموضع</translation>
    </message>
    <message>
        <source>it has more than the %1 lines of a %2</source>
        <translation>فيه أكثر من أسطر %2 البالغة %1</translation>
    </message>
    <message>
        <source>%1: %2 holds %3 sets that %4 holds too; each taken once</source>
        <translation>%1: يحوي %2 مجموعات %3 يحويها %4 أيضًا؛ أُخذت كل منها مرة واحدة</translation>
    </message>
    <message>
        <source>%1 has two different %2 files, %3 and %4: both kept as separate sets</source>
        <translation>لدى %1 ملفا %2 مختلفان، %3 و%4: أُبقي كلاهما مجموعتين منفصلتين</translation>
    </message>
    <message>
        <source>%1 handed in</source>
        <translation>سلّم %1</translation>
    </message>
    <message numerus="yes">
        <source>%n student(s)</source>
        <translation>
            <numerusform>%n طالب</numerusform>
            <numerusform>%n طالب</numerusform>
            <numerusform>%n طالبان</numerusform>
            <numerusform>%n طلاب</numerusform>
            <numerusform>%n طالبًا</numerusform>
            <numerusform>%n طالب</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>cannot create or enter the folder %1; files are kept in %2</source>
        <translation>تعذّر إنشاء المجلد %1 أو الدخول إليه؛ تُحفظ الملفات في %2</translation>
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
        <translation>الاستخدام: %1 [--user-folder] [--hand-in المجلد] [--unlock] [--language الرمز]
          [ملف-الإعدادات]
       %1 --timing-check | --check-machine | --version | --help

قياس زمن الاستجابة للمثير البسيط والمركّب: أزمنة استجابة الطالب لصوت أو
لتغيّر لون أو لكليهما، في اختبار بسيط واختبارين اختياريين.

  ملف-الإعدادات       الإعدادات التي تُستخدم بدلًا من %2؛ ويُبحث عن الاسم
                      النسبي في المجلد الذي تُحفظ فيه الملفات
  --user-folder       حفظ الملفات في مجلد خاص بالمستخدم، يُنشأ إن لم يوجد:
                      %3
                      (بهذه الطريقة يشغّل مدخل قائمة سطح المكتب البرنامج)
  --hand-in المجلد    تسليم كل ملف .nrm و.col يُحفظ وكل ملف
                      recover.dat أيضًا إلى المجلد/&lt;اسم الدخول&gt;/ للمعلم
                      (يُضبط لكل المستخدمين في /etc/xdg/Brevane/Brevane.conf؛
                      man brevane)
  --unlock            حيث يقفل المختبر الإعدادات، يتيح لعضو في مجموعة معلمي
                      المختبر تغييرها في هذه الجلسة
  --timing-check      عرض رقعة وامضة لثنائي ضوئي أو كاميرا، مع معدل التحديث
                      وتذبذب زمن الإطار ومصادر التوقيت المستخدمة
                      (Esc أو نقرة تُنهيه)
  --check-machine     فحص هذا الحاسوب من طرف إلى طرف عبر مدخل بطاقة الصوت: الشاشة
                      بثنائي ضوئي، والصوت بكبل من المخرج، والفأرة بنقرتها؛ ويحفظ
                      التأخّرات لنافذة «حول» ولملخص الصف
                      (docs/guide.md)
  --language الرمز    عرض البرنامج بهذه اللغة (de وja وar ...؛ وبالإنجليزية
                      حيث لا توجد ترجمة) بدلًا من لغة النظام أو اللغة
                      المضبوطة في Brevane.conf
  --version           طباعة الإصدار والانتهاء
  --help              طباعة هذا النص والانتهاء

تُحفظ الملفات في المجلد الحالي، أو مع --user-folder في المجلد المذكور
أعلاه: %2 (الإعدادات، ويُكتب بالقيم الافتراضية إن لم يوجد)
وrecover.dat (مجموعات كل اختبار، ويُعاد كتابته عند انتهاء كل سلسلة؛ ويقرؤه
«استعادة» في القائمة الرئيسية). تُفتح نوافذ الملفات هناك؛ أما ملفات النتائج
(.nrm و.col) فتُحفظ حيث تحفظها.
</translation>
    </message>
</context>
<context>
    <name>DisplayStamps</name>
    <message>
        <source>; times may be one frame long: see the guide</source>
        <translation>؛ قد تطول الأزمنة بمقدار إطار واحد: راجع الدليل</translation>
    </message>
    <message>
        <source>The window system does not say when a frame is shown</source>
        <translation>نظام النوافذ لا يُخبر متى يُعرض الإطار</translation>
    </message>
    <message>
        <source>The X server does not say when a frame is shown</source>
        <translation>خادم X لا يُخبر متى يُعرض الإطار</translation>
    </message>
    <message>
        <source>XWayland shows the window through the Wayland compositor</source>
        <translation>يعرض XWayland النافذة عبر مُركِّب Wayland</translation>
    </message>
    <message>
        <source>Some stimuli were stamped by %1</source>
        <translation>وُقّتت بعض المثيرات بواسطة %1</translation>
    </message>
    <message>
        <source>the display&apos;s refresh</source>
        <translation>تحديث الشاشة</translation>
    </message>
    <message>
        <source>the X server&apos;s refresh, not the pixel&apos;s</source>
        <translation>تحديث خادم X، لا تحديث البكسل</translation>
    </message>
    <message>
        <source>the compositor&apos;s frame timings</source>
        <translation>توقيتات الإطارات لدى المُركِّب</translation>
    </message>
    <message>
        <source>the screen read back</source>
        <translation>قراءة الشاشة</translation>
    </message>
    <message>
        <source>the Wayland compositor&apos;s report of the frame</source>
        <translation>تقرير مُركِّب Wayland عن الإطار</translation>
    </message>
    <message>
        <source>the hand-over to the X server</source>
        <translation>التسليم إلى خادم X</translation>
    </message>
    <message>
        <source>the clock after a repaint</source>
        <translation>الساعة بعد إعادة الرسم</translation>
    </message>
    <message>
        <source>%1 (exact)</source>
        <translation>%1 (دقيق)</translation>
    </message>
    <message>
        <source>%1 (estimated)</source>
        <translation>%1 (تقديري)</translation>
    </message>
    <message>
        <source>none</source>
        <translation>لا شيء</translation>
    </message>
    <message>
        <source>%1 Hz</source>
        <translation>%1 هرتز</translation>
    </message>
    <message>
        <source>not reported (a virtual screen)</source>
        <translation>غير مُبلَّغ (شاشة افتراضية)</translation>
    </message>
    <message>
        <source>The Wayland compositor estimates when a frame is shown; times may be one frame long: see the guide</source>
        <translation>يقدّر مُركِّب Wayland متى يُعرض الإطار؛ قد تطول الأزمنة بمقدار إطار واحد: راجع الدليل</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>Reflex Data Files (*.nrm)|*.nrm</source>
        <translation>ملفات بيانات الاستجابة (*.nrm)|*.nrm</translation>
    </message>
    <message>
        <source>Reflex Data Files (*.col)|*.col</source>
        <translation>ملفات بيانات الاستجابة (*.col)|*.col</translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
        File already exisits. Do you want to overwrite?</source>
        <translation><byte value="xd"/>
<byte value="xd"/>
        الملف موجود من قبل. هل تريد الكتابة فوقه؟</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>حفظ الملف</translation>
    </message>
    <message>
        <source>Save File Error</source>
        <translation>خطأ في حفظ الملف</translation>
    </message>
    <message>
        <source>Save Cancelled</source>
        <translation>أُلغي الحفظ</translation>
    </message>
    <message>
        <source>Load File Error</source>
        <translation>خطأ في تحميل الملف</translation>
    </message>
    <message>
        <source>Load Cancelled</source>
        <translation>أُلغي التحميل</translation>
    </message>
    <message>
        <source>Export to CSV</source>
        <translation>تصدير إلى CSV</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)|*.csv</source>
        <translation>ملفات CSV (*.csv)|*.csv</translation>
    </message>
</context>
<context>
    <name>FileRead</name>
    <message>
        <source>%1 is a folder, not a file.</source>
        <translation>%1 مجلد وليس ملفًا.</translation>
    </message>
    <message>
        <source>%1 holds %2 MB, far more than any file of this program; it was not read.</source>
        <translation>حجم %1 هو %2 ميغابايت، أكبر بكثير من أي ملف لهذا البرنامج؛ لم يُقرأ.</translation>
    </message>
    <message>
        <source>%1 is far larger than any file of this program; it was not read.</source>
        <translation>%1 أكبر بكثير من أي ملف لهذا البرنامج؛ لم يُقرأ.</translation>
    </message>
</context>
<context>
    <name>HandIn</name>
    <message>
        <source>Hand-in</source>
        <translation>التسليم</translation>
    </message>
    <message>
        <source>the hand-in folder is missing</source>
        <translation>مجلد التسليم غير موجود</translation>
    </message>
    <message>
        <source>Not handed in to %1: %2.
Your file is saved on this computer; it is handed in at your next save.</source>
        <translation>لم يُسلَّم إلى %1: %2.
ملفك محفوظ على هذا الحاسوب؛ سيُسلَّم عند الحفظ التالي.</translation>
    </message>
    <message>
        <source>the hand-in folder is still not answering</source>
        <translation>مجلد التسليم ما زال لا يستجيب</translation>
    </message>
    <message>
        <source>the hand-in folder did not answer</source>
        <translation>لم يستجب مجلد التسليم</translation>
    </message>
    <message>
        <source>the folder %1 in the hand-in folder is a link, not a folder</source>
        <translation>المجلد %1 في مجلد التسليم رابط، لا مجلد</translation>
    </message>
    <message>
        <source>%1 in the hand-in folder is not a folder</source>
        <translation>%1 في مجلد التسليم ليس مجلدًا</translation>
    </message>
    <message>
        <source>the folder %1 in the hand-in folder belongs to another user</source>
        <translation>المجلد %1 في مجلد التسليم ملك لمستخدم آخر</translation>
    </message>
</context>
<context>
    <name>HandoutPage</name>
    <message>
        <source>beyond your median ± 3 scaled MADs of the test</source>
        <translation>خارج وسيطك في الاختبار ± 3 انحرافات مطلقة وسيطة مُعايَرة (MAD)</translation>
    </message>
    <message>
        <source>beyond your mean ± 3 SD of the test</source>
        <translation>خارج متوسطك في الاختبار ± 3 انحرافات معيارية</translation>
    </message>
    <message>
        <source>none cut here</source>
        <translation>لم يُستبعد شيء هنا</translation>
    </message>
    <message>
        <source>Reaction times of %1</source>
        <translation>أزمنة استجابة %1</translation>
    </message>
    <message>
        <source>Your times beside your class&apos;s (%1 students), in whole milliseconds as stored.</source>
        <translation>أزمنتك بجانب أزمنة صفك (عدد الطلاب: %1)، بالملّي ثانية الكاملة كما حُفظت.</translation>
    </message>
    <message>
        <source>test</source>
        <translation>الاختبار</translation>
    </message>
    <message>
        <source>sets</source>
        <translation>المجموعات</translation>
    </message>
    <message>
        <source>runs that count</source>
        <translation>المحاولات المحتسبة</translation>
    </message>
    <message>
        <source>mean</source>
        <translation>المتوسط</translation>
    </message>
    <message>
        <source>median</source>
        <translation>الوسيط</translation>
    </message>
    <message>
        <source>anticipations</source>
        <translation>الاستباقات</translation>
    </message>
    <message>
        <source>lapses</source>
        <translation>الهفوات</translation>
    </message>
    <message>
        <source>outliers</source>
        <translation>القيم الشاذة</translation>
    </message>
    <message>
        <source>Runs that count: all but missed hits, anticipations (under %1 ms), lapses (over %2 ms) and outliers (%3). mean: the mean of your set means, every time as stored. median, μ, σ, τ: your runs but missed hits, anticipations and lapses; μ, σ, τ: the ex-Gaussian fitted to them, a normal part (μ, σ) plus an exponential part of mean τ, the slow tail; from %4 runs on.</source>
        <translation>المحاولات المحتسبة: كلها عدا الإصابات الفائتة والاستباقات (أقل من %1 ملّي ثانية) والهفوات (أكثر من %2 ملّي ثانية) والقيم الشاذة (%3). المتوسط: متوسط متوسطات مجموعاتك، بكل زمن كما حُفظ. الوسيط وμ وσ وτ: محاولاتك عدا الإصابات الفائتة والاستباقات والهفوات؛ μ وσ وτ: توزيع غاوسي أسّي (ex-Gaussian) مُوفَّق عليها، أي جزء طبيعي (μ، σ) زائد جزء أسّي متوسطه τ، وهو الذيل البطيء؛ متى بلغ عدد المحاولات %4 على الأقل.</translation>
    </message>
    <message>
        <source>Grey: the class&apos;s runs that count; outlined: yours, each as shares of its runs. Ticks: the class&apos;s means; the dot: yours.</source>
        <translation>الرمادي: محاولات الصف المحتسبة؛ المحدَّد بخط: محاولاتك، وكلٌّ كحصص من محاولاته. العلامات: متوسطات الصف؛ النقطة: متوسطك.</translation>
    </message>
    <message>
        <source>No mean: none of your runs is a reaction time.</source>
        <translation>لا متوسط: لا زمن استجابة في أيٍّ من محاولاتك.</translation>
    </message>
    <message>
        <source>Your mean, %1 ms; nobody else took this test.</source>
        <translation>متوسطك %1 ملّي ثانية؛ لم يُجرِ أحد غيرك هذا الاختبار.</translation>
    </message>
    <message>
        <source>Your mean, %1 ms: of the %2 others, %3 faster, %4 slower.</source>
        <translation>متوسطك %1 ملّي ثانية: من الآخرين وعددهم %2، أسرع منك %3 وأبطأ منك %4.</translation>
    </message>
</context>
<context>
    <name>Handouts</name>
    <message>
        <source>Reaction times: a page for each student</source>
        <translation>أزمنة الاستجابة: صفحة لكل طالب</translation>
    </message>
</context>
<context>
    <name>Lab</name>
    <message>
        <source>The settings are locked by the lab (LockSettings in %1).</source>
        <translation>أقفل المختبر الإعدادات (LockSettings في %1).</translation>
    </message>
    <message>
        <source>Nobody may unlock the settings here: %1 names no group of teachers (Teachers in its [Lab] section).</source>
        <translation>لا يمكن لأحد فتح قفل الإعدادات هنا: لا يسمّي %1 مجموعة مستخدمين للمعلمين (Teachers في قسم [Lab] منه).</translation>
    </message>
    <message>
        <source>The settings are locked by the lab (LockSettings in %1); a member of the group %2 may change them by starting the program with --unlock.</source>
        <translation>أقفل المختبر الإعدادات (LockSettings في %1)؛ يمكن لعضو في مجموعة المستخدمين %2 تغييرها بتشغيل البرنامج مع --unlock.</translation>
    </message>
    <message>
        <source>Only a member of the group %1 may unlock the settings with --unlock, which %2 is not; the settings stay locked.</source>
        <translation>لا يفتح قفل الإعدادات مع --unlock إلا عضو في مجموعة المستخدمين %1، و%2 ليس عضوًا فيها؛ تبقى الإعدادات مقفلة.</translation>
    </message>
</context>
<context>
    <name>MachineCheck</name>
    <message>
        <source>%1 of %2 trials</source>
        <translation>التجارب: %1 من %2</translation>
    </message>
    <message>
        <source>the signal is too weak (%1): turn the input volume up, or the screen&apos;s brightness, and hold the diode flat on the patch</source>
        <translation>الإشارة ضعيفة جدًا (%1): ارفع مستوى صوت المدخل أو سطوع الشاشة، وثبّت الثنائي مستويًا على الرقعة</translation>
    </message>
    <message>
        <source>the signal is too weak (%1): turn the output and the input volume up</source>
        <translation>الإشارة ضعيفة جدًا (%1): ارفع مستوى صوت المخرج والمدخل</translation>
    </message>
    <message>
        <source>the clicks are too faint (%1): put the microphone closer to the mouse and turn the input volume up</source>
        <translation>النقرات خافتة جدًا (%1): قرّب الميكروفون من الفأرة وارفع مستوى صوت المدخل</translation>
    </message>
    <message>
        <source>the signal is too noisy (%1): keep the room quiet, the cable short and away from the mains, and turn the input volume down if it hums</source>
        <translation>الإشارة كثيرة الضجيج (%1): حافظ على هدوء الغرفة، واجعل الكبل قصيرًا وبعيدًا عن أسلاك الكهرباء، واخفض مستوى صوت المدخل إن سُمع طنين</translation>
    </message>
    <message>
        <source>the recording broke off (%1): close other programs that use the sound card and try again</source>
        <translation>انقطع التسجيل (%1): أغلق البرامج الأخرى التي تستخدم بطاقة الصوت وحاول مجددًا</translation>
    </message>
    <message>
        <source>no flash was seen in %1: is the diode on the patch and plugged into the input that records?</source>
        <translation>لم يُرصد أي وميض خلال %1: هل الثنائي على الرقعة وموصول بالمدخل الذي يسجّل؟</translation>
    </message>
    <message>
        <source>no tone came back in %1: is the output looped to the input that records?</source>
        <translation>لم يعد أي صوت خلال %1: هل المخرج موصول بالمدخل الذي يسجّل؟</translation>
    </message>
    <message>
        <source>no click was heard in %1: is the microphone next to the mouse?</source>
        <translation>لم تُسمع أي نقرة خلال %1: هل الميكروفون بجانب الفأرة؟</translation>
    </message>
    <message>
        <source>too few trials (%1)</source>
        <translation>التجارب قليلة جدًا (%1)</translation>
    </message>
</context>
<context>
    <name>MachineResult</name>
    <message>
        <source>it is not a machine check&apos;s result</source>
        <translation>ليس نتيجة فحص حاسوب</translation>
    </message>
    <message>
        <source>line %1 is not a part&apos;s lag</source>
        <translation>السطر %1 ليس تأخّر جزء</translation>
    </message>
    <message>
        <source>it names no machine</source>
        <translation>لا يسمّي أي حاسوب</translation>
    </message>
    <message>
        <source>%1 %2 ms (SD %3)</source>
        <translation>%1 %2 ملّي ثانية (الانحراف المعياري %3)</translation>
    </message>
    <message>
        <source>%1: not measured</source>
        <translation>%1: لم يُقَس</translation>
    </message>
    <message>
        <source>Machine check: not done on this machine (brevane --check-machine)</source>
        <translation>فحص الحاسوب: لم يُجرَ على هذا الحاسوب (brevane --check-machine)</translation>
    </message>
    <message>
        <source>Machine check (%1, %2): %3</source>
        <translation>فحص الحاسوب (%1، %2): %3</translation>
    </message>
</context>
<context>
    <name>ProgramVersion</name>
    <message>
        <source>Version %1.%2%3</source>
        <translation>الإصدار %1.%2%3</translation>
    </message>
</context>
<context>
    <name>QtPrinting</name>
    <message>
        <source>The printer %1 could not be opened.</source>
        <translation>تعذّر فتح الطابعة %1.</translation>
    </message>
    <message>
        <source>The printer %1 reported an error.</source>
        <translation>أبلغت الطابعة %1 عن خطأ.</translation>
    </message>
    <message>
        <source>The PDF could not be completed.</source>
        <translation>تعذّر إكمال ملف PDF.</translation>
    </message>
    <message>
        <source>The PDF could not be started.</source>
        <translation>تعذّر بدء ملف PDF.</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>إعداد الطباعة</translation>
    </message>
</context>
<context>
    <name>RecoveryFile</name>
    <message>
        <source>The recovery file recover.dat could not be written.</source>
        <translation>تعذّرت كتابة ملف الاستعادة recover.dat.</translation>
    </message>
    <message>
        <source><byte value="xd"/>Your data are kept in memory.</source>
        <translation><byte value="xd"/>بياناتك محفوظة في الذاكرة.</translation>
    </message>
    <message>
        <source>Recovery File Error</source>
        <translation>خطأ في ملف الاستعادة</translation>
    </message>
    <message>
        <source>Load Cancelled</source>
        <translation>أُلغي التحميل</translation>
    </message>
    <message>
        <source>No Recovery File Created or Found</source>
        <translation>لم يُنشأ ملف استعادة أو لم يُعثر عليه</translation>
    </message>
    <message>
        <source>Load File Error</source>
        <translation>خطأ في تحميل الملف</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Fastest Time</source>
        <translation>الزمن الأسرع</translation>
    </message>
    <message>
        <source>Slowest Time</source>
        <translation>الزمن الأبطأ</translation>
    </message>
    <message>
        <source>Average Time</source>
        <translation>متوسط الزمن</translation>
    </message>
    <message>
        <source>Correct Hits</source>
        <translation>إصابات صحيحة</translation>
    </message>
    <message>
        <source>Correct Misses</source>
        <translation>تجاوزات صحيحة</translation>
    </message>
    <message>
        <source>InCorrect Hits</source>
        <translation>إصابات خاطئة</translation>
    </message>
    <message>
        <source>Missed Hits</source>
        <translation>إصابات فائتة</translation>
    </message>
    <message>
        <source>Orv Tovanel:  Color Reflex Data</source>
        <translation>Orv Tovanel:  بيانات الاستجابة للألوان</translation>
    </message>
    <message>
        <source>Orv Tovanel:  Number Reflex Data</source>
        <translation>Orv Tovanel:  بيانات الاستجابة للأرقام</translation>
    </message>
    <message>
        <source>Set  %1</source>
        <translation>المجموعة  %1</translation>
    </message>
    <message>
        <source>Comments:</source>
        <translation>ملاحظات:</translation>
    </message>
    <message>
        <source>Save Report As PDF</source>
        <translation>حفظ التقرير بصيغة PDF</translation>
    </message>
    <message>
        <source>PDF Files|*.pdf</source>
        <translation>ملفات PDF|*.pdf</translation>
    </message>
    <message>
        <source>The file could not be written.</source>
        <translation>تعذّرت كتابة الملف.</translation>
    </message>
    <message>
        <source>Print Error<byte value="xd"/></source>
        <translation>خطأ في الطباعة<byte value="xd"/></translation>
    </message>
    <message>
        <source>Print Cancelled</source>
        <translation>أُلغيت الطباعة</translation>
    </message>
    <message>
        <source>  Slowest Time</source>
        <translation>  الزمن الأبطأ</translation>
    </message>
    <message>
        <source>Orv Tovanel:  Normal Reflex Data</source>
        <translation>Orv Tovanel:  بيانات الاستجابة البسيطة</translation>
    </message>
</context>
<context>
    <name>ResultsKind</name>
    <message>
        <source>Complex Choice Color/Audio Stimulus Module Data Display</source>
        <translation>نتائج وحدة الاستجابة الاختيارية للون/الصوت</translation>
    </message>
    <message>
        <source>Delete run %1 from the set? </source>
        <translation>حذف المحاولة %1 من المجموعة؟ </translation>
    </message>
    <message>
        <source>Color Reflex Data Files</source>
        <translation>ملفات بيانات استجابة الألوان</translation>
    </message>
    <message>
        <source>Complex Choice Number/Audio Stimulus Module Data Display</source>
        <translation>نتائج وحدة الاستجابة الاختيارية للرقم/الصوت</translation>
    </message>
    <message>
        <source>Delete run %1 for the set? </source>
        <translation>حذف المحاولة %1 من المجموعة؟ </translation>
    </message>
    <message>
        <source>Number Reflex Data Files</source>
        <translation>ملفات بيانات استجابة الأرقام</translation>
    </message>
    <message>
        <source>Simple Choice Stimulus Module Data Display</source>
        <translation>نتائج وحدة الاستجابة البسيطة</translation>
    </message>
    <message>
        <source>Normal Reflex Data Files</source>
        <translation>ملفات بيانات الاستجابة البسيطة</translation>
    </message>
</context>
<context>
    <name>ResultsModel</name>
    <message>
        <source>Delete run %1 for the set? </source>
        <translation>حذف المحاولة %1 من المجموعة؟ </translation>
    </message>
    <message>
        <source>Are you sure you want to DELETE ALL DATA ?</source>
        <translation>هل أنت متأكد أنك تريد حذف كل البيانات؟</translation>
    </message>
    <message>
        <source>Delete All Data</source>
        <translation>حذف كل البيانات</translation>
    </message>
</context>
<context>
    <name>RuleOptions</name>
    <message>
        <source>A time under &lt;ms&gt; is an anticipation (default: 100).</source>
        <translation>الزمن الأقل من &lt;ms&gt; استباق (الافتراضي: 100).</translation>
    </message>
    <message>
        <source>A time over &lt;ms&gt; is a lapse (default: 2000).</source>
        <translation>الزمن الأكبر من &lt;ms&gt; هفوة (الافتراضي: 2000).</translation>
    </message>
    <message>
        <source>Cut outliers beyond median +- 3 scaled MADs (mad, the default), mean +- 3 SD (sd), or not at all (none).</source>
        <translation>استبعاد القيم الشاذة خارج الوسيط +- 3 انحرافات مطلقة وسيطة مُعايَرة (mad، الافتراضي)، أو خارج المتوسط +- 3 انحرافات معيارية (sd)، أو عدم استبعادها (none).</translation>
    </message>
    <message>
        <source>Write a PDF page for each student, handout-&lt;student&gt;.pdf.</source>
        <translation>كتابة صفحة PDF لكل طالب، handout-&lt;student&gt;.pdf.</translation>
    </message>
    <message>
        <source>--%1 takes a whole number of milliseconds from %2 to %3, not %4</source>
        <translation>يقبل --%1 عددًا صحيحًا من الملّي ثانية من %2 إلى %3، لا %4</translation>
    </message>
    <message>
        <source>the lapse limit (%1 ms) must lie above the anticipation limit (%2 ms)</source>
        <translation>يجب أن يكون حد الهفوة (%1 ملّي ثانية) أعلى من حد الاستباق (%2 ملّي ثانية)</translation>
    </message>
    <message>
        <source>--outlier-rule takes mad, sd or none, not %1</source>
        <translation>يقبل --outlier-rule القيمة mad أو sd أو none، لا %1</translation>
    </message>
</context>
<context>
    <name>SessionPlatform</name>
    <message>
        <source>On Wayland: no pointer placement, and presses are stamped by the toolkit event (XWayland gives both)</source>
        <translation>على Wayland: لا يُوضع المؤشر، وتُوقّت النقرات بحدث مجموعة الأدوات (يتيح XWayland الأمرين)</translation>
    </message>
    <message>
        <source>Wayland session: running on X through XWayland, which places the pointer and reads raw input</source>
        <translation>جلسة Wayland: يعمل البرنامج على X عبر XWayland الذي يضع المؤشر ويقرأ الإدخال الخام</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Settings Locked</source>
        <translation>الإعدادات مقفلة</translation>
    </message>
</context>
<context>
    <name>SettingsEditor</name>
    <message>
        <source>Configuration Files (*.cfg)|*.cfg</source>
        <translation>ملفات الإعدادات (*.cfg)|*.cfg</translation>
    </message>
    <message>
        <source>Trigger Colour</source>
        <translation>لون المثير الهدف</translation>
    </message>
    <message>
        <source>The trigger colour must differ from the panel&apos;s white at rest, or the stimulus is invisible.</source>
        <translation>يجب أن يختلف لون المثير الهدف عن بياض اللوحة في السكون، وإلا لن يُرى المثير.</translation>
    </message>
    <message>
        <source>Save Configuration File</source>
        <translation>حفظ ملف الإعدادات</translation>
    </message>
    <message>
        <source>Save File Error</source>
        <translation>خطأ في حفظ الملف</translation>
    </message>
    <message>
        <source>Save Cancelled</source>
        <translation>أُلغي الحفظ</translation>
    </message>
    <message>
        <source>Load Configuration File</source>
        <translation>تحميل ملف الإعدادات</translation>
    </message>
    <message>
        <source>Load File Error</source>
        <translation>خطأ في تحميل الملف</translation>
    </message>
    <message>
        <source>Load Cancelled</source>
        <translation>أُلغي التحميل</translation>
    </message>
    <message>
        <source>Configuration File Load Error</source>
        <translation>خطأ في تحميل ملف الإعدادات</translation>
    </message>
    <message>
        <source>Invalid Configuration File<byte value="xd"/>No File Loaded</source>
        <translation>ملف إعدادات غير صالح<byte value="xd"/>لم يُحمَّل أي ملف</translation>
    </message>
</context>
<context>
    <name>ShapeChart</name>
    <message>
        <source>median of the student&apos;s runs (ms)</source>
        <translation>وسيط محاولات الطالب (ملّي ثانية)</translation>
    </message>
    <message>
        <source>τ, the slow tail (ms)</source>
        <translation>τ، الذيل البطيء (ملّي ثانية)</translation>
    </message>
    <message>
        <source>%1 of %2 students fitted
mean τ %3 ms</source>
        <translation>الطلاب الموفَّق لهم: %1 من %2
متوسط τ: %3 ملّي ثانية</translation>
    </message>
    <message>
        <source>%1 − simple: μ %2 ms (95 % CI %3 to %4), τ %5 ms (%6 to %7), %8 students</source>
        <translation>%1 − البسيط: μ %2 ملّي ثانية (فترة ثقة 95 %: %3 إلى %4)، τ %5 ملّي ثانية (%6 إلى %7)، %8 طلاب</translation>
    </message>
    <message>
        <source>The shape of each student&apos;s times</source>
        <translation>شكل أزمنة كل طالب</translation>
    </message>
    <message>
        <source>One dot for each student and test with an ex-Gaussian fit (at least %1 runs that are neither anticipations nor lapses): across, the median of those runs; up, τ, the mean of the fit&apos;s exponential part: its slow tail. A test that slows every run moves the dots to the right; one that adds slow runs moves them up.</source>
        <translation>نقطة لكل طالب واختبار فيه توفيق غاوسي أسّي (ex-Gaussian) (ما لا يقل عن %1 من المحاولات التي ليست استباقًا ولا هفوة): أفقيًا وسيط تلك المحاولات؛ وعموديًا τ، متوسط الجزء الأسّي من التوفيق: ذيله البطيء. الاختبار الذي يُبطئ كل محاولة يحرّك النقاط إلى اليمين؛ والذي يضيف محاولات بطيئة يرفعها إلى الأعلى.</translation>
    </message>
    <message>
        <source>No student has %1 runs in a test yet: too few for a fit</source>
        <translation>لم يبلغ أي طالب بعدُ %1 من المحاولات في اختبار: عدد لا يكفي للتوفيق</translation>
    </message>
</context>
<context>
    <name>ShareCheck</name>
    <message>
        <source>cannot look at %1 (%2)</source>
        <translation>تعذّر فحص %1 (%2)</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 ليس مجلدًا</translation>
    </message>
    <message>
        <source>cannot list %1 (%2): run this as a member of its group or as root</source>
        <translation>تعذّر سرد محتوى %1 (%2): شغّل هذا بصفتك عضوًا في مجموعة مستخدميه أو بصفة root</translation>
    </message>
    <message>
        <source>1 student&apos;s folder</source>
        <translation>مجلد طالب واحد</translation>
    </message>
    <message>
        <source>%1 students&apos; folders</source>
        <translation>%1 من مجلدات الطلاب</translation>
    </message>
    <message>
        <source>%1: %2, all as the recipe has them</source>
        <translation>%1: %2، كلها كما تنص الوصفة</translation>
    </message>
    <message>
        <source>%1: %2; 1 thing to put right</source>
        <translation>%1: %2؛ أمر واحد يحتاج إلى تصحيح</translation>
    </message>
    <message>
        <source>%1: %2; %3 things to put right</source>
        <translation>%1: %2؛ أمور تحتاج إلى تصحيح: %3</translation>
    </message>
    <message>
        <source>%1: the guide&apos;s first recipe, one group folder (mode 3773), group %2</source>
        <translation>%1: الوصفة الأولى في الدليل، مجلد مشترك واحد (الأذونات 3773)، مجموعة المستخدمين %2</translation>
    </message>
    <message>
        <source>%1: the guide&apos;s second recipe, a folder per student (mode 0751), group %2</source>
        <translation>%1: الوصفة الثانية في الدليل، مجلد لكل طالب (الأذونات 0751)، مجموعة المستخدمين %2</translation>
    </message>
    <message>
        <source>%1 has the mode %2, not %3</source>
        <translation>أذونات %1 هي %2، لا %3</translation>
    </message>
    <message>
        <source>every user may list %1 and see who handed in: take the others&apos; r away</source>
        <translation>يستطيع كل مستخدم سرد محتوى %1 ومعرفة من سلّم: انزع إذن r عن الآخرين (others)</translation>
    </message>
    <message>
        <source>without the sticky bit a student may rename or remove another&apos;s folder</source>
        <translation>بدون البت اللاصق (sticky bit) يستطيع الطالب إعادة تسمية مجلد طالب آخر أو حذفه</translation>
    </message>
    <message>
        <source>without the setgid bit the students&apos; new folders do not get the group %1, and the teachers cannot read them</source>
        <translation>بدون بت setgid لا تأخذ مجلدات الطلاب الجديدة مجموعة المستخدمين %1، ولا يستطيع المعلمون قراءتها</translation>
    </message>
    <message>
        <source>the students cannot %1 their folders in %2</source>
        <translation>لا يستطيع الطلاب %1 مجلداتهم في %2</translation>
    </message>
    <message>
        <source>make</source>
        <translation>إنشاء</translation>
    </message>
    <message>
        <source>reach</source>
        <translation>الوصول إلى</translation>
    </message>
    <message>
        <source>the group %1 cannot list %2, so the teachers do not see the folders</source>
        <translation>لا تستطيع مجموعة المستخدمين %1 سرد محتوى %2، فلا يرى المعلمون المجلدات</translation>
    </message>
    <message>
        <source>%1 belongs to user %2, not root: %2 may rename or remove every student&apos;s folder</source>
        <translation>%1 ملك المستخدم %2، لا root: يستطيع %2 إعادة تسمية مجلد أي طالب أو حذفه</translation>
    </message>
    <message>
        <source>%1 is a link, not a student&apos;s folder: remove it (hand-ins through it are refused)</source>
        <translation>%1 رابط، لا مجلد طالب: احذفه (يُرفض التسليم عبره)</translation>
    </message>
    <message>
        <source>%1 is no student&apos;s folder, and belongs to user %2: remove it</source>
        <translation>%1 ليس مجلد أي طالب، وهو ملك المستخدم %2: احذفه</translation>
    </message>
    <message>
        <source>%1: there is no user %2 on this machine</source>
        <translation>%1: لا يوجد مستخدم %2 على هذا الحاسوب</translation>
    </message>
    <message>
        <source>%1 belongs to user %2, not %3: remove it, or %3&apos;s hand-ins are refused</source>
        <translation>%1 ملك المستخدم %2، لا %3: احذفه، وإلا رُفض تسليم %3</translation>
    </message>
    <message>
        <source>%1 has the group %2, not %3: the teachers cannot read it</source>
        <translation>مجموعة مستخدمي %1 هي %2، لا %3: لا يستطيع المعلمون قراءته</translation>
    </message>
    <message>
        <source>%1 has the mode %2, not 0750%3</source>
        <translation>أذونات %1 هي %2، لا 0750%3</translation>
    </message>
    <message>
        <source>: every user may read %1&apos;s files</source>
        <translation>: يستطيع كل مستخدم قراءة ملفات %1</translation>
    </message>
    <message>
        <source>%1 is in the group %2, and so may read every student&apos;s folder</source>
        <translation>%1 عضو في مجموعة المستخدمين %2، ولذا يستطيع قراءة مجلد كل طالب</translation>
    </message>
    <message>
        <source>%1 is a link, which the summary does not follow: remove it</source>
        <translation>%1 رابط لا يتبعه الملخص: احذفه</translation>
    </message>
    <message>
        <source>%1 is a FIFO, a socket or a device, which the summary does not read: remove it</source>
        <translation>%1 أنبوب FIFO أو مقبس أو ملف جهاز، لا يقرؤه الملخص: احذفه</translation>
    </message>
    <message>
        <source>%1 belongs to user %2, not to the folder&apos;s student</source>
        <translation>%1 ملك المستخدم %2، لا طالب المجلد</translation>
    </message>
    <message>
        <source>every user may read %1</source>
        <translation>يستطيع كل مستخدم قراءة %1</translation>
    </message>
</context>
<context>
    <name>SimpleEngine</name>
    <message>
        <source>            Audio Trigger</source>
        <translation>           مثير صوتي</translation>
    </message>
    <message>
        <source>           Visual Trigger</source>
        <translation>           مثير بصري</translation>
    </message>
    <message>
        <source>     Audio/Visual Trigger</source>
        <translation>     مثير صوتي وبصري</translation>
    </message>
    <message>
        <source>The sound device &quot;%1&quot; could not be opened.</source>
        <translation>تعذّر فتح جهاز الصوت «%1».</translation>
    </message>
    <message>
        <source><byte value="xd"/>An audio trigger needs it: choose a visual trigger in Options.</source>
        <translation><byte value="xd"/>المثير الصوتي يحتاج إليه: اختر مثيرًا بصريًا في الخيارات.</translation>
    </message>
    <message>
        <source>No Sound Device</source>
        <translation>لا جهاز صوت</translation>
    </message>
    <message>
        <source><byte value="xd"/>The series runs with the colour alone.</source>
        <translation><byte value="xd"/>ستجري السلسلة باللون وحده.</translation>
    </message>
</context>
<context>
    <name>SoundCapture</name>
    <message>
        <source>the sound card has no input to record from (%1)</source>
        <translation>لا مدخل للتسجيل في بطاقة الصوت (%1)</translation>
    </message>
    <message>
        <source>the sound card&apos;s input cannot record mono at %1 Hz (%2)</source>
        <translation>لا يستطيع مدخل بطاقة الصوت التسجيل أحاديًا (mono) بتردد %1 هرتز (%2)</translation>
    </message>
    <message>
        <source>no PipeWire server answers</source>
        <translation>لا يستجيب أي خادم PipeWire</translation>
    </message>
    <message>
        <source>PipeWire has no input to record from</source>
        <translation>لا مدخل للتسجيل في PipeWire</translation>
    </message>
    <message>
        <source>no PulseAudio server answers</source>
        <translation>لا يستجيب أي خادم PulseAudio</translation>
    </message>
    <message>
        <source>PulseAudio has no input to record from</source>
        <translation>لا مدخل للتسجيل في PulseAudio</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>the built-in defaults</source>
        <translation>القيم الافتراضية المدمجة</translation>
    </message>
    <message>
        <source>, locked by the lab</source>
        <translation>، مقفلة من قِبل المختبر</translation>
    </message>
    <message>
        <source>Settings Locked</source>
        <translation>الإعدادات مقفلة</translation>
    </message>
    <message>
        <source>The configuration file %1 is not read: the lab locks the settings (LockSettings in %2).</source>
        <translation>لم يُقرأ ملف الإعدادات %1: المختبر يقفل الإعدادات (LockSettings في %2).</translation>
    </message>
    <message>
        <source>Loading the class configuration ...</source>
        <translation>جارٍ تحميل إعدادات الصف ...</translation>
    </message>
    <message>
        <source>the class configuration %1</source>
        <translation>إعدادات الصف %1</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>لا يوجد ملف بهذا الاسم</translation>
    </message>
    <message>
        <source>Class Configuration</source>
        <translation>إعدادات الصف</translation>
    </message>
    <message>
        <source>The class configuration %1 that %2 names cannot be read (%3); the configuration of this computer is used instead.</source>
        <translation>تتعذّر قراءة إعدادات الصف %1 التي يسمّيها %2 (%3)؛ تُستخدم إعدادات هذا الحاسوب بدلًا منها.</translation>
    </message>
</context>
<context>
    <name>StartupSequence</name>
    <message>
        <source>the screen is smaller than 800 x 600; the program ends</source>
        <translation>الشاشة أصغر من 800 × 600؛ سينتهي البرنامج</translation>
    </message>
    <message>
        <source>Fatal Application Error</source>
        <translation>خطأ فادح في البرنامج</translation>
    </message>
    <message>
        <source>Orv Brevane supports a minimum screen resolution of 800 x 600</source>
        <translation>يتطلب Orv Brevane دقة شاشة لا تقل عن 800 × 600</translation>
    </message>
    <message>
        <source>Press OK to terminate program</source>
        <translation>اضغط «موافق» لإنهاء البرنامج</translation>
    </message>
    <message>
        <source>Loading default configuration file ...</source>
        <translation>جارٍ تحميل ملف الإعدادات الافتراضي ...</translation>
    </message>
    <message>
        <source>Initializing application ...</source>
        <translation>جارٍ تهيئة البرنامج ...</translation>
    </message>
    <message>
        <source>Initializing application ... Almost Done</source>
        <translation>جارٍ تهيئة البرنامج ... أوشك على الانتهاء</translation>
    </message>
    <message>
        <source>not a configuration file</source>
        <translation>ليس ملف إعدادات</translation>
    </message>
    <message>
        <source>Loading user configuration file ...</source>
        <translation>جارٍ تحميل ملف إعدادات المستخدم ...</translation>
    </message>
    <message>
        <source>%1: no such configuration file; using the default configuration</source>
        <translation>%1: لا يوجد ملف إعدادات بهذا الاسم؛ تُستخدم الإعدادات الافتراضية</translation>
    </message>
    <message>
        <source>Configuration load error</source>
        <translation>خطأ في تحميل الإعدادات</translation>
    </message>
    <message>
        <source>File %1 could not be found</source>
        <translation>تعذّر العثور على الملف %1</translation>
    </message>
    <message>
        <source>Using Default Configuration</source>
        <translation>تُستخدم الإعدادات الافتراضية</translation>
    </message>
    <message>
        <source>%1: cannot read the configuration (%2); using the default configuration</source>
        <translation>%1: تعذّرت قراءة الإعدادات (%2)؛ تُستخدم الإعدادات الافتراضية</translation>
    </message>
    <message>
        <source>Configuration Error</source>
        <translation>خطأ في الإعدادات</translation>
    </message>
    <message>
        <source>Invalid Configuration File</source>
        <translation>ملف إعدادات غير صالح</translation>
    </message>
    <message>
        <source>Using Default Configuration File</source>
        <translation>يُستخدم ملف الإعدادات الافتراضي</translation>
    </message>
    <message>
        <source>%1: not found; writing one with the defaults</source>
        <translation>%1: غير موجود؛ يُكتب ملف بالقيم الافتراضية</translation>
    </message>
    <message>
        <source>Configuration file not found</source>
        <translation>لم يُعثر على ملف الإعدادات</translation>
    </message>
    <message>
        <source>Default configuration file not found...</source>
        <translation>لم يُعثر على ملف الإعدادات الافتراضي...</translation>
    </message>
    <message>
        <source>Creating Reflex.Cfg</source>
        <translation>جارٍ إنشاء Reflex.Cfg</translation>
    </message>
    <message>
        <source>The refused file was kept as %1</source>
        <translation>أُبقي الملف المرفوض باسم %1</translation>
    </message>
    <message>
        <source>it could not be written</source>
        <translation>تعذّرت كتابته</translation>
    </message>
    <message>
        <source>%1: cannot read the configuration (%2); writing a new one with the defaults</source>
        <translation>%1: تعذّرت قراءة الإعدادات (%2)؛ يُكتب ملف جديد بالقيم الافتراضية</translation>
    </message>
    <message>
        <source>%1: cannot read the configuration (%2); writing a new one with the defaults (the refused file is kept beside it as %3)</source>
        <translation>%1: تعذّرت قراءة الإعدادات (%2)؛ يُكتب ملف جديد بالقيم الافتراضية (ويبقى الملف المرفوض بجانبه باسم %3)</translation>
    </message>
    <message>
        <source>Invalid Default Configuration File</source>
        <translation>ملف الإعدادات الافتراضي غير صالح</translation>
    </message>
    <message>
        <source>Creating New Configuration File</source>
        <translation>جارٍ إنشاء ملف إعدادات جديد</translation>
    </message>
    <message>
        <source>%1: cannot be written; the defaults are used until the program ends</source>
        <translation>%1: تتعذّر كتابته؛ تُستخدم القيم الافتراضية حتى ينتهي البرنامج</translation>
    </message>
</context>
<context>
    <name>TestCore</name>
    <message>
        <source>Over write Data in Set %1 ?</source>
        <translation>الكتابة فوق بيانات المجموعة %1؟</translation>
    </message>
    <message>
        <source>Start Reflex Data Collection</source>
        <translation>بدء جمع بيانات الاستجابة</translation>
    </message>
    <message>
        <source>Your run has ended</source>
        <translation>انتهت سلسلتك</translation>
    </message>
    <message>
        <source>END RUN</source>
        <translation>نهاية السلسلة</translation>
    </message>
</context>
<context>
    <name>XDisplay</name>
    <message>
        <source>a compositing manager</source>
        <translation>مدير تركيب</translation>
    </message>
</context>
<context>
    <name>brevane::ChoiceWindow</name>
    <message>
        <source>With Sound</source>
        <translation>مع صوت</translation>
    </message>
    <message>
        <source>No Sound</source>
        <translation>بلا صوت</translation>
    </message>
</context>
<context>
    <name>brevane::MachineCheckWindow</name>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;ابدأ</translation>
    </message>
    <message>
        <source>S&amp;kip this part</source>
        <translation>ت&amp;خطَّ هذا الجزء</translation>
    </message>
    <message>
        <source>Sa&amp;ve the result</source>
        <translation>&amp;حفظ النتيجة</translation>
    </message>
    <message>
        <source>Brevane Machine Check</source>
        <translation>فحص الحاسوب في Brevane</translation>
    </message>
    <message>
        <source>Flashing patch</source>
        <translation>رقعة وامضة</translation>
    </message>
    <message>
        <source>Machine check guide</source>
        <translation>دليل فحص الحاسوب</translation>
    </message>
    <message>
        <source>Machine check: what this PC adds to every time a student measures on it.

The sound card&apos;s input is the clock: it hears the screen through a photodiode, the sound through a cable from the output, and the mouse through a microphone, and the program compares what it heard with its own stamps. Three parts, each about half a minute; skip any you cannot do. Each part gives the mean, the spread (SD) and the worst of its trials.

Press Start (or Return) to begin with the screen; Esc ends the check.</source>
        <translation>فحص الحاسوب: ما يضيفه هذا الحاسوب إلى كل زمن يقيسه طالب عليه.

مدخل بطاقة الصوت هو الساعة: يسمع الشاشة عبر ثنائي ضوئي، والصوت عبر كبل من المخرج، والفأرة عبر ميكروفون، ويقارن البرنامج ما سمعه بتوقيتاته. ثلاثة أجزاء، مدة كل منها نحو نصف دقيقة؛ تخطَّ ما لا تستطيع إجراءه. يعطي كل جزء المتوسط والتشتت (الانحراف المعياري) وأسوأ تجاربه.

اضغط «ابدأ» (أو Return) للبدء بالشاشة؛ Esc يُنهي الفحص.</translation>
    </message>
    <message>
        <source>No input to record from: %1.
Plug a cable or a microphone into the sound card&apos;s input (line-in or microphone), make it the input in the sound settings, and start the check again.</source>
        <translation>لا مدخل للتسجيل: %1.
صِل كبلًا أو ميكروفونًا بمدخل بطاقة الصوت (مدخل الخط أو الميكروفون)، واجعله المدخل في إعدادات الصوت، ثم ابدأ الفحص من جديد.</translation>
    </message>
    <message>
        <source>

Clicks: %1 of %2</source>
        <translation>

النقرات: %1 من %2</translation>
    </message>
    <message>
        <source>Screen: a photodiode held on the flashing patch.
You need a BPW34 photodiode (or any small silicon photodiode, a few euros) soldered to a 3.5 mm plug. On a line-in: the diode&apos;s anode to the tip, its cathode (the marked side) to the sleeve. On a microphone input, which feeds a few volts through the tip: the cathode to the tip, the anode to the sleeve. Set the input volume to about half.
Tape the diode flat on the middle of the patch below, the screen at the brightness the students use, the room light as in class. Press Start: the patch flashes %1 times, once a second.</source>
        <translation>الشاشة: ثنائي ضوئي مثبّت على الرقعة الوامضة.
تحتاج إلى ثنائي ضوئي BPW34 (أو أي ثنائي ضوئي سيليكوني صغير، ببضعة يوروهات) ملحوم بقابس 3.5 مم. على مدخل الخط: مصعد الثنائي إلى الطرف، ومهبطه (الجانب المعلَّم) إلى الغلاف. على مدخل الميكروفون، الذي يغذّي الطرف ببضعة فولتات: المهبط إلى الطرف، والمصعد إلى الغلاف. اضبط مستوى صوت المدخل على النصف تقريبًا.
ألصق الثنائي مستويًا بشريط لاصق على منتصف الرقعة أدناه، والشاشة بالسطوع الذي يستخدمه الطلاب، وإضاءة الغرفة كما في الحصة. اضغط «ابدأ»: تومض الرقعة %1 مرة، مرة كل ثانية.</translation>
    </message>
    <message>
        <source>Sound: the output looped to the input.
Plug a cable from the headphone socket into the line-in (or hold the headset&apos;s microphone at its speaker), the volume as in class. Press Start: %1 tones, one a second.</source>
        <translation>الصوت: المخرج موصول بالمدخل.
صِل كبلًا من منفذ السماعات بمدخل الخط (أو قرّب ميكروفون سماعة الرأس من سماعتها)، ومستوى الصوت كما في الحصة. اضغط «ابدأ»: %1 من الأصوات، صوت كل ثانية.</translation>
    </message>
    <message>
        <source>Mouse: each button&apos;s click, heard by a microphone next to the mouse.
Put the microphone within 5 cm of the mouse&apos;s buttons: sound travels about 0.03 ms a centimetre, so 5 cm add 0.15 ms to what is measured, 30 cm almost 1 ms. Keep the room quiet. Press Start, then click the left button %1 times in the grey square, about once a second. Each mouse you click is measured on its own.</source>
        <translation>الفأرة: نقرة كل زر، يسمعها ميكروفون بجانب الفأرة.
ضع الميكروفون على بعد 5 سم على الأكثر من أزرار الفأرة: يقطع الصوت السنتيمتر في نحو 0.03 ملّي ثانية، فتضيف 5 سم إلى ما يُقاس 0.15 ملّي ثانية، و30 سم قرابة 1 ملّي ثانية. حافظ على هدوء الغرفة. اضغط «ابدأ»، ثم انقر الزر الأيسر %1 مرة في المربع الرمادي، مرة كل ثانية تقريبًا. تُقاس كل فأرة تنقر بها على حدة.</translation>
    </message>
    <message>
        <source>The machine check is done.

%1

Save keeps the result on this machine: the about box and the timing check show it, and it goes with the students&apos; files to the hand-in folder, where brevane-summary reads it.</source>
        <translation>انتهى فحص الحاسوب.

%1

الحفظ يُبقي النتيجة على هذا الحاسوب: تعرضها نافذة «حول» وفحص التوقيت، وترافق ملفات الطلاب إلى مجلد التسليم، حيث يقرؤها brevane-summary.</translation>
    </message>
    <message>
        <source>%1: skipped</source>
        <translation>%1: تم تخطيه</translation>
    </message>
    <message>
        <source>

Measuring...</source>
        <translation>

جارٍ القياس...</translation>
    </message>
    <message>
        <source>

Flashes: %1 of %2</source>
        <translation>

الومضات: %1 من %2</translation>
    </message>
    <message>
        <source>

Tones: %1 of %2</source>
        <translation>

الأصوات: %1 من %2</translation>
    </message>
    <message>
        <source>%1: mean %2 ms, SD %3 ms, worst %4 ms over %5 of %6 trials</source>
        <translation>%1: المتوسط %2 ملّي ثانية، الانحراف المعياري %3 ملّي ثانية، الأسوأ %4 ملّي ثانية، في %5 من %6 من التجارب</translation>
    </message>
    <message>
        <source>%1: refused: %2</source>
        <translation>%1: مرفوض: %2</translation>
    </message>
    <message>
        <source>&amp;Finish</source>
        <translation>إ&amp;نهاء</translation>
    </message>
    <message>
        <source>&amp;Next part</source>
        <translation>ال&amp;جزء التالي</translation>
    </message>
    <message>
        <source>

Press %1 (Return) to go on.</source>
        <translation>

اضغط «%1» (Return) للمتابعة.</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>إنهاء</translation>
    </message>
    <message>
        <source>Next part</source>
        <translation>الجزء التالي</translation>
    </message>
    <message>
        <source>Saved to %1.
For every user of this machine, copy it to /etc/xdg/Brevane/machine-check.txt (as root). Esc ends the check.</source>
        <translation>حُفظ في %1.
ولجميع مستخدمي هذا الحاسوب، انسخه إلى /etc/xdg/Brevane/machine-check.txt (بصفة root). Esc يُنهي الفحص.</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <translation>تعذّر حفظ %1: %2</translation>
    </message>
</context>
<context>
    <name>brevane::ResultsWindow</name>
    <message>
        <source>ms</source>
        <translation>ملّي ثانية</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>الأزمنة</translation>
    </message>
    <message>
        <source>Set %1</source>
        <translation>المجموعة %1</translation>
    </message>
</context>
<context>
    <name>brevane::TimingCheckWindow</name>
    <message>
        <source>Brevane Timing Check</source>
        <translation>فحص التوقيت في Brevane</translation>
    </message>
    <message>
        <source>Flashing patch</source>
        <translation>رقعة وامضة</translation>
    </message>
    <message>
        <source>Timing readout</source>
        <translation>قراءة التوقيت</translation>
    </message>
    <message>
        <source>Frames: measuring...</source>
        <translation>الإطارات: جارٍ القياس...</translation>
    </message>
    <message>
        <source>Frames stamped at %L1 Hz (one every %L2 ms)
Frame time jitter: SD %L3 ms, worst %L4 ms, %5 late of the last %6</source>
        <translation>الإطارات موقّتة عند %L1 هرتز (إطار كل %L2 ملّي ثانية)
تذبذب زمن الإطار: الانحراف المعياري %L3 ملّي ثانية، الأسوأ %L4 ملّي ثانية، %5 متأخرة من آخر %6</translation>
    </message>
    <message>
        <source>
Times may be one frame long: see the guide</source>
        <translation>
قد تطول الأزمنة بمقدار إطار واحد: راجع الدليل</translation>
    </message>
    <message>
        <source>Timing check: Esc or a click ends it
Refresh reported by the screen: %L1 Hz; the monitor&apos;s mode: %2
%3
Stamp sources: display %4, input %5, sound %6
Compositor: %7; stimulus stamps: %8%9
The patch turns every %10 frames (frame %11)
%12</source>
        <translation>فحص التوقيت: Esc أو نقرة تُنهيه
التحديث الذي تُبلغ عنه الشاشة: %L1 هرتز؛ وضع الشاشة: %2
%3
مصادر التوقيت: العرض %4، الإدخال %5، الصوت %6
المُركِّب: %7؛ توقيت المثيرات: %8%9
تتبدّل الرقعة كل %10 إطارات (الإطار %11)
%12</translation>
    </message>
</context>
<context>
    <name>brevane::frmAbout</name>
    <message>
        <source>Release %1</source>
        <translation>الإصدار %1</translation>
    </message>
    <message>
        <source>Configuration: %1</source>
        <translation>الإعدادات: %1</translation>
    </message>
</context>
<context>
    <name>brevane::frmColorSelect</name>
    <message>
        <source>Black</source>
        <translation>أسود</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>أزرق</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>أخضر</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>سماوي</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>أحمر</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>أرجواني</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>أصفر</translation>
    </message>
    <message>
        <source>White</source>
        <translation>أبيض</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>رمادي</translation>
    </message>
    <message>
        <source>Light Blue</source>
        <translation>أزرق فاتح</translation>
    </message>
    <message>
        <source>Light Green</source>
        <translation>أخضر فاتح</translation>
    </message>
    <message>
        <source>Light Cyan</source>
        <translation>سماوي فاتح</translation>
    </message>
    <message>
        <source>Light Red</source>
        <translation>أحمر فاتح</translation>
    </message>
    <message>
        <source>Light Magenta</source>
        <translation>أرجواني فاتح</translation>
    </message>
    <message>
        <source>Light Yellow</source>
        <translation>أصفر فاتح</translation>
    </message>
    <message>
        <source>Bright White</source>
        <translation>أبيض ناصع</translation>
    </message>
</context>
<context>
    <name>brevane::frmMain</name>
    <message>
        <source>Version %1</source>
        <translation>الإصدار %1</translation>
    </message>
</context>
<context>
    <name>brevane::summary::ClassChartWindow</name>
    <message>
        <source>Class reaction times</source>
        <translation>أزمنة استجابة الصف</translation>
    </message>
    <message>
        <source>Handed in</source>
        <translation>المُسلَّم</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About Brevane</source>
        <translation>حول Brevane</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>الشعار</translation>
    </message>
    <message>
        <source>Simple vs Complex Stimulus Reaction Timing</source>
        <translation>قياس زمن الاستجابة للمثير البسيط والمركّب</translation>
    </message>
    <message>
        <source>Orv Brevane 2</source>
        <translation>Orv Brevane 2</translation>
    </message>
    <message>
        <source>For Linux with X11 and Wayland</source>
        <translation>لنظام Linux مع X11 وWayland</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>المؤقّت</translation>
    </message>
    <message>
        <source>Reaction timing for student laboratory courses</source>
        <translation>قياس زمن الاستجابة لمقررات المختبر الطلابية</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>الصوت</translation>
    </message>
    <message>
        <source>Your files are kept in:</source>
        <translation>تُحفظ ملفاتك في:</translation>
    </message>
    <message>
        <source>Language: English</source>
        <comment>The language this translation is: translators name their own language, in it</comment>
        <translation>اللغة: العربية</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
</context>
<context>
    <name>frmCfg</name>
    <message>
        <source>Brevane Settings</source>
        <translation>إعدادات Brevane</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>بسيط</translation>
    </message>
    <message>
        <source>Simple Single Choice Settings</source>
        <translation>إعدادات الاستجابة البسيطة</translation>
    </message>
    <message>
        <source>Runs Per Set</source>
        <translation>المحاولات لكل مجموعة</translation>
    </message>
    <message>
        <source>Trigger On</source>
        <translation>نوع المثير</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>صوتي</translation>
    </message>
    <message>
        <source>Visual</source>
        <translation>بصري</translation>
    </message>
    <message>
        <source>Trigger Color</source>
        <translation>لون المثير</translation>
    </message>
    <message>
        <source>Color of the visual stimulus: click to choose another</source>
        <translation>لون المثير البصري: انقر لاختيار لون آخر</translation>
    </message>
    <message>
        <source>Interval Timing</source>
        <translation>الفاصل الزمني</translation>
    </message>
    <message>
        <source>Random Interval</source>
        <translation>فاصل عشوائي</translation>
    </message>
    <message>
        <source>Fixed Interval</source>
        <translation>فاصل ثابت</translation>
    </message>
    <message>
        <source>Fixed Time Interval</source>
        <translation>الفاصل الزمني الثابت</translation>
    </message>
    <message>
        <source>Minimum Time Interval</source>
        <translation>أقل فاصل زمني</translation>
    </message>
    <message>
        <source>Color/Audio</source>
        <translation>لون/صوت</translation>
    </message>
    <message>
        <source>Complex Choice Color/Audio Settings</source>
        <translation>إعدادات الاستجابة الاختيارية للون/الصوت</translation>
    </message>
    <message>
        <source>Display Time</source>
        <translation>مدة العرض</translation>
    </message>
    <message>
        <source>Color and Audio</source>
        <translation>لون وصوت</translation>
    </message>
    <message>
        <source>Color no Audio</source>
        <translation>لون بلا صوت</translation>
    </message>
    <message>
        <source>Make Sound</source>
        <translation>إصدار صوت</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>نعم</translation>
    </message>
    <message>
        <source>No</source>
        <translation>لا</translation>
    </message>
    <message>
        <source>Elements</source>
        <translation>العناصر</translation>
    </message>
    <message>
        <source>Elements in Set</source>
        <translation>عناصر المجموعة</translation>
    </message>
    <message>
        <source>Trigger Element</source>
        <translation>العنصر الهدف</translation>
    </message>
    <message>
        <source>Trigger Element Color</source>
        <translation>لون العنصر الهدف</translation>
    </message>
    <message>
        <source>Color of the trigger element: click to choose another</source>
        <translation>لون العنصر الهدف: انقر لاختيار لون آخر</translation>
    </message>
    <message>
        <source>Element</source>
        <translation>العنصر</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>اللون</translation>
    </message>
    <message>
        <source>Choose the color of this element</source>
        <translation>اختر لون هذا العنصر</translation>
    </message>
    <message>
        <source>Element Colors</source>
        <translation>ألوان العناصر</translation>
    </message>
    <message>
        <source>Element 1 Color</source>
        <translation>لون العنصر ١</translation>
    </message>
    <message>
        <source>Color of element 1: click to choose another (grey: not in use)</source>
        <translation>لون العنصر ١: انقر لاختيار لون آخر (الرمادي: غير مستخدم)</translation>
    </message>
    <message>
        <source>Element 2 Color</source>
        <translation>لون العنصر ٢</translation>
    </message>
    <message>
        <source>Color of element 2: click to choose another (grey: not in use)</source>
        <translation>لون العنصر ٢: انقر لاختيار لون آخر (الرمادي: غير مستخدم)</translation>
    </message>
    <message>
        <source>Element 3 Color</source>
        <translation>لون العنصر ٣</translation>
    </message>
    <message>
        <source>Color of element 3: click to choose another (grey: not in use)</source>
        <translation>لون العنصر ٣: انقر لاختيار لون آخر (الرمادي: غير مستخدم)</translation>
    </message>
    <message>
        <source>Element 4 Color</source>
        <translation>لون العنصر ٤</translation>
    </message>
    <message>
        <source>Color of element 4: click to choose another (grey: not in use)</source>
        <translation>لون العنصر ٤: انقر لاختيار لون آخر (الرمادي: غير مستخدم)</translation>
    </message>
    <message>
        <source>Element 5 Color</source>
        <translation>لون العنصر ٥</translation>
    </message>
    <message>
        <source>Color of element 5: click to choose another (grey: not in use)</source>
        <translation>لون العنصر ٥: انقر لاختيار لون آخر (الرمادي: غير مستخدم)</translation>
    </message>
    <message>
        <source>Element 6 Color</source>
        <translation>لون العنصر ٦</translation>
    </message>
    <message>
        <source>Color of element 6: click to choose another (grey: not in use)</source>
        <translation>لون العنصر ٦: انقر لاختيار لون آخر (الرمادي: غير مستخدم)</translation>
    </message>
    <message>
        <source>Element 7 Color</source>
        <translation>لون العنصر ٧</translation>
    </message>
    <message>
        <source>Color of element 7: click to choose another (grey: not in use)</source>
        <translation>لون العنصر ٧: انقر لاختيار لون آخر (الرمادي: غير مستخدم)</translation>
    </message>
    <message>
        <source>Element 8 Color</source>
        <translation>لون العنصر ٨</translation>
    </message>
    <message>
        <source>Color of element 8: click to choose another (grey: not in use)</source>
        <translation>لون العنصر ٨: انقر لاختيار لون آخر (الرمادي: غير مستخدم)</translation>
    </message>
    <message>
        <source>Element 9 Color</source>
        <translation>لون العنصر ٩</translation>
    </message>
    <message>
        <source>Color of element 9: click to choose another (grey: not in use)</source>
        <translation>لون العنصر ٩: انقر لاختيار لون آخر (الرمادي: غير مستخدم)</translation>
    </message>
    <message>
        <source>Element 10 Color</source>
        <translation>لون العنصر ١٠</translation>
    </message>
    <message>
        <source>Color of element 10: click to choose another (grey: not in use)</source>
        <translation>لون العنصر ١٠: انقر لاختيار لون آخر (الرمادي: غير مستخدم)</translation>
    </message>
    <message>
        <source>Num/Audio</source>
        <translation>رقم/صوت</translation>
    </message>
    <message>
        <source>Complex Choice Numbers/Audio Settings</source>
        <translation>إعدادات الاستجابة الاختيارية للرقم/الصوت</translation>
    </message>
    <message>
        <source>Number and Audio</source>
        <translation>رقم وصوت</translation>
    </message>
    <message>
        <source>Number no Audio</source>
        <translation>رقم بلا صوت</translation>
    </message>
    <message>
        <source>Trigger Number</source>
        <translation>الرقم الهدف</translation>
    </message>
    <message>
        <source>The number of the trigger element</source>
        <translation>رقم العنصر الهدف</translation>
    </message>
    <message>
        <source>Element Number</source>
        <translation>رقم العنصر</translation>
    </message>
    <message>
        <source>The number of this element (0 to 99)</source>
        <translation>رقم هذا العنصر (من 0 إلى 99)</translation>
    </message>
    <message>
        <source>Element Numbers</source>
        <translation>أرقام العناصر</translation>
    </message>
    <message>
        <source>Element 1 Number</source>
        <translation>رقم العنصر ١</translation>
    </message>
    <message>
        <source>Element 2 Number</source>
        <translation>رقم العنصر ٢</translation>
    </message>
    <message>
        <source>Element 3 Number</source>
        <translation>رقم العنصر ٣</translation>
    </message>
    <message>
        <source>Element 4 Number</source>
        <translation>رقم العنصر ٤</translation>
    </message>
    <message>
        <source>Element 5 Number</source>
        <translation>رقم العنصر ٥</translation>
    </message>
    <message>
        <source>Element 6 Number</source>
        <translation>رقم العنصر ٦</translation>
    </message>
    <message>
        <source>Element 7 Number</source>
        <translation>رقم العنصر ٧</translation>
    </message>
    <message>
        <source>Element 8 Number</source>
        <translation>رقم العنصر ٨</translation>
    </message>
    <message>
        <source>Element 9 Number</source>
        <translation>رقم العنصر ٩</translation>
    </message>
    <message>
        <source>Element 10 Number</source>
        <translation>رقم العنصر ١٠</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>مستوى الصوت</translation>
    </message>
    <message>
        <source>Master volume of the speakers</source>
        <translation>مستوى الصوت الرئيسي للسماعات</translation>
    </message>
    <message>
        <source>Volume Setting</source>
        <translation>مستوى الصوت المضبوط</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;موافق</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>إ&amp;لغاء</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;استعادة</translation>
    </message>
    <message>
        <source>Back to the configuration loaded at start-up</source>
        <translation>العودة إلى الإعدادات المحمّلة عند البدء</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;تحميل</translation>
    </message>
    <message>
        <source>Load a configuration file</source>
        <translation>تحميل ملف إعدادات</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;حفظ</translation>
    </message>
    <message>
        <source>Save the configuration to a file</source>
        <translation>حفظ الإعدادات في ملف</translation>
    </message>
</context>
<context>
    <name>frmChoiceReflexDisplay</name>
    <message>
        <source>Complex Choice Color/Audio Stimulus Module Data Display</source>
        <translation>نتائج وحدة الاستجابة الاختيارية للون/الصوت</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>الشعار</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>الإصدار</translation>
    </message>
    <message>
        <source>Set 1</source>
        <translation>مجموعة ١</translation>
    </message>
    <message>
        <source>Run Data</source>
        <translation>بيانات المحاولات</translation>
    </message>
    <message>
        <source>Run 1</source>
        <translation>المحاولة ١</translation>
    </message>
    <message>
        <source>Run 2</source>
        <translation>المحاولة ٢</translation>
    </message>
    <message>
        <source>Run 3</source>
        <translation>المحاولة ٣</translation>
    </message>
    <message>
        <source>Run 4</source>
        <translation>المحاولة ٤</translation>
    </message>
    <message>
        <source>Run 5</source>
        <translation>المحاولة ٥</translation>
    </message>
    <message>
        <source>Run 6</source>
        <translation>المحاولة ٦</translation>
    </message>
    <message>
        <source>Run 7</source>
        <translation>المحاولة ٧</translation>
    </message>
    <message>
        <source>Run 8</source>
        <translation>المحاولة ٨</translation>
    </message>
    <message>
        <source>Run 9</source>
        <translation>المحاولة ٩</translation>
    </message>
    <message>
        <source>Run 10</source>
        <translation>المحاولة ١٠</translation>
    </message>
    <message>
        <source>Run Statistics</source>
        <translation>إحصاءات المحاولات</translation>
    </message>
    <message>
        <source>Fast Time</source>
        <translation>الأسرع</translation>
    </message>
    <message>
        <source>Slow Time</source>
        <translation>الأبطأ</translation>
    </message>
    <message>
        <source>Average Time</source>
        <translation>متوسط الزمن</translation>
    </message>
    <message>
        <source>Outcomes</source>
        <translation>النتائج</translation>
    </message>
    <message>
        <source>Correct Hits</source>
        <translation>إصابات صحيحة</translation>
    </message>
    <message>
        <source>Correct Misses</source>
        <translation>تجاوزات صحيحة</translation>
    </message>
    <message>
        <source>InCorrect Hits</source>
        <translation>إصابات خاطئة</translation>
    </message>
    <message>
        <source>Missed Hits</source>
        <translation>إصابات فائتة</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>ملاحظات</translation>
    </message>
    <message>
        <source>Set 2</source>
        <translation>مجموعة ٢</translation>
    </message>
    <message>
        <source>Set 3</source>
        <translation>مجموعة ٣</translation>
    </message>
    <message>
        <source>Set 4</source>
        <translation>مجموعة ٤</translation>
    </message>
    <message>
        <source>Set 5</source>
        <translation>مجموعة ٥</translation>
    </message>
    <message>
        <source>Set 6</source>
        <translation>مجموعة ٦</translation>
    </message>
    <message>
        <source>Set 7</source>
        <translation>مجموعة ٧</translation>
    </message>
    <message>
        <source>Set 8</source>
        <translation>مجموعة ٨</translation>
    </message>
    <message>
        <source>Set 9</source>
        <translation>مجموعة ٩</translation>
    </message>
    <message>
        <source>Set 10</source>
        <translation>مجموعة ١٠</translation>
    </message>
    <message>
        <source>Fastest Times</source>
        <translation>الأسرع</translation>
    </message>
    <message>
        <source>Set Data For Fastest Times</source>
        <translation>أسرع أزمنة المجموعات</translation>
    </message>
    <message>
        <source>Slowest Times</source>
        <translation>الأبطأ</translation>
    </message>
    <message>
        <source>Set Data For Slowest Times</source>
        <translation>أبطأ أزمنة المجموعات</translation>
    </message>
    <message>
        <source>Average Times</source>
        <translation>المتوسطات</translation>
    </message>
    <message>
        <source>Set Data For Average Times</source>
        <translation>متوسط أزمنة المجموعات</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>طباعة</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>تحميل</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>تصدير</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>مسح الكل</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>تم</translation>
    </message>
</context>
<context>
    <name>frmColorReflex</name>
    <message>
        <source>Complex Choice Color/Audio Stimulus Module</source>
        <translation>وحدة الاستجابة الاختيارية للون/الصوت</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>الشعار</translation>
    </message>
    <message>
        <source>Complex Choice Color/Audio Stimulus</source>
        <translation>مثير اختياري لون/صوت</translation>
    </message>
    <message>
        <source>Trigger On</source>
        <translation>نوع المثير</translation>
    </message>
    <message>
        <source>Trigger Element</source>
        <translation>العنصر الهدف</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>الصوت</translation>
    </message>
    <message>
        <source>Press Here</source>
        <translation>اضغط هنا</translation>
    </message>
    <message>
        <source>Element Display</source>
        <translation>عرض العنصر</translation>
    </message>
    <message>
        <source>Set Indicator</source>
        <translation>المجموعة</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>الزمن</translation>
    </message>
    <message>
        <source>Previous Time</source>
        <translation>الزمن السابق</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>الفرق</translation>
    </message>
    <message>
        <source>Average Time</source>
        <translation>متوسط الزمن</translation>
    </message>
    <message>
        <source>Run Count</source>
        <translation>عدد المحاولات</translation>
    </message>
    <message>
        <source>Correct Hits</source>
        <translation>إصابات صحيحة</translation>
    </message>
    <message>
        <source>Incorrect Hits</source>
        <translation>إصابات خاطئة</translation>
    </message>
    <message>
        <source>Correct Misses</source>
        <translation>تجاوزات صحيحة</translation>
    </message>
    <message>
        <source>Missed Hits</source>
        <translation>إصابات فائتة</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>الوصف</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>ابدأ</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>توقف</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>الخيارات</translation>
    </message>
    <message>
        <source>Clear Set</source>
        <translation>مسح مجموعة</translation>
    </message>
    <message>
        <source>Next Set</source>
        <translation>مجموعة تالية</translation>
    </message>
    <message>
        <source>Prev Set</source>
        <translation>مجموعة سابقة</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>النتائج</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>تم</translation>
    </message>
</context>
<context>
    <name>frmColorSelect</name>
    <message>
        <source>Color Selection</source>
        <translation>اختيار اللون</translation>
    </message>
    <message>
        <source>Current Color:</source>
        <translation>اللون الحالي:</translation>
    </message>
    <message>
        <source>Current Color</source>
        <translation>اللون الحالي</translation>
    </message>
    <message>
        <source>Color Selected:</source>
        <translation>اللون المختار:</translation>
    </message>
    <message>
        <source>Color Selected</source>
        <translation>اللون المختار</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>&amp;اختيار</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>إ&amp;لغاء</translation>
    </message>
</context>
<context>
    <name>frmDisplay</name>
    <message>
        <source>Simple Choice Stimulus Module Data Display</source>
        <translation>نتائج وحدة الاستجابة البسيطة</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>الشعار</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>الإصدار</translation>
    </message>
    <message>
        <source>Set 1</source>
        <translation>مجموعة ١</translation>
    </message>
    <message>
        <source>Run Data</source>
        <translation>بيانات المحاولات</translation>
    </message>
    <message>
        <source>Run 1</source>
        <translation>المحاولة ١</translation>
    </message>
    <message>
        <source>Run 2</source>
        <translation>المحاولة ٢</translation>
    </message>
    <message>
        <source>Run 3</source>
        <translation>المحاولة ٣</translation>
    </message>
    <message>
        <source>Run 4</source>
        <translation>المحاولة ٤</translation>
    </message>
    <message>
        <source>Run 5</source>
        <translation>المحاولة ٥</translation>
    </message>
    <message>
        <source>Run 6</source>
        <translation>المحاولة ٦</translation>
    </message>
    <message>
        <source>Run 7</source>
        <translation>المحاولة ٧</translation>
    </message>
    <message>
        <source>Run 8</source>
        <translation>المحاولة ٨</translation>
    </message>
    <message>
        <source>Run 9</source>
        <translation>المحاولة ٩</translation>
    </message>
    <message>
        <source>Run 10</source>
        <translation>المحاولة ١٠</translation>
    </message>
    <message>
        <source>Run Statistics</source>
        <translation>إحصاءات المحاولات</translation>
    </message>
    <message>
        <source>Fast Time</source>
        <translation>الأسرع</translation>
    </message>
    <message>
        <source>Slow Time</source>
        <translation>الأبطأ</translation>
    </message>
    <message>
        <source>Average Time</source>
        <translation>متوسط الزمن</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>ملاحظات</translation>
    </message>
    <message>
        <source>Set 2</source>
        <translation>مجموعة ٢</translation>
    </message>
    <message>
        <source>Set 3</source>
        <translation>مجموعة ٣</translation>
    </message>
    <message>
        <source>Set 4</source>
        <translation>مجموعة ٤</translation>
    </message>
    <message>
        <source>Set 5</source>
        <translation>مجموعة ٥</translation>
    </message>
    <message>
        <source>Set 6</source>
        <translation>مجموعة ٦</translation>
    </message>
    <message>
        <source>Set 7</source>
        <translation>مجموعة ٧</translation>
    </message>
    <message>
        <source>Set 8</source>
        <translation>مجموعة ٨</translation>
    </message>
    <message>
        <source>Set 9</source>
        <translation>مجموعة ٩</translation>
    </message>
    <message>
        <source>Set 10</source>
        <translation>مجموعة ١٠</translation>
    </message>
    <message>
        <source>Fastest Times</source>
        <translation>الأسرع</translation>
    </message>
    <message>
        <source>Set Data For Fastest Times</source>
        <translation>أسرع أزمنة المجموعات</translation>
    </message>
    <message>
        <source>Slowest Times</source>
        <translation>الأبطأ</translation>
    </message>
    <message>
        <source>Set Data For Slowest Times</source>
        <translation>أبطأ أزمنة المجموعات</translation>
    </message>
    <message>
        <source>Average Times</source>
        <translation>المتوسطات</translation>
    </message>
    <message>
        <source>Set Data For Average Times</source>
        <translation>متوسط أزمنة المجموعات</translation>
    </message>
    <message>
        <source>All Data</source>
        <translation>كل البيانات</translation>
    </message>
    <message>
        <source>Data Only Displayed On The Graph</source>
        <translation>البيانات معروضة في الرسم فقط</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>طباعة</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>تحميل</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>تصدير</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>مسح الكل</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>تم</translation>
    </message>
</context>
<context>
    <name>frmLoadDisplay</name>
    <message>
        <source>Loading</source>
        <translation>جارٍ التحميل</translation>
    </message>
    <message>
        <source>Loading Display Please Wait...</source>
        <translation>جارٍ تحميل النتائج، يُرجى الانتظار...</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Simple vs Complex Stimulus Reaction Timing</source>
        <translation>قياس زمن الاستجابة للمثير البسيط والمركّب</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>بسيط</translation>
    </message>
    <message>
        <source>Simple Single Stimulus Module</source>
        <translation>وحدة الاستجابة البسيطة لمثير واحد</translation>
    </message>
    <message>
        <source>Color/Audio</source>
        <translation>لون/صوت</translation>
    </message>
    <message>
        <source>Complex Color/Audio Stimulus Module</source>
        <translation>وحدة المثير المركّب لون/صوت</translation>
    </message>
    <message>
        <source>Num/Audio</source>
        <translation>رقم/صوت</translation>
    </message>
    <message>
        <source>Complex Number/Audio Stimulus Module</source>
        <translation>وحدة المثير المركّب رقم/صوت</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>الخيارات</translation>
    </message>
    <message>
        <source>Edit Brev Settings</source>
        <translation>تعديل إعدادات Brevane</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>مسح البيانات</translation>
    </message>
    <message>
        <source>Clear All Data Sets</source>
        <translation>مسح كل مجموعات البيانات</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>استعادة</translation>
    </message>
    <message>
        <source>Recover Data after a system crash</source>
        <translation>استعادة البيانات بعد تعطّل النظام</translation>
    </message>
    <message>
        <source>About</source>
        <translation>حول</translation>
    </message>
    <message>
        <source>Display About box</source>
        <translation>عرض معلومات البرنامج</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>خروج</translation>
    </message>
    <message>
        <source>Quit Brev</source>
        <translation>إنهاء Brevane</translation>
    </message>
    <message>
        <source>Are you sure you want to DELETE ALL DATA ?</source>
        <translation>هل أنت متأكد أنك تريد حذف كل البيانات؟</translation>
    </message>
    <message>
        <source>Delete All Data</source>
        <translation>حذف كل البيانات</translation>
    </message>
    <message>
        <source>Are you sure you want to exit?</source>
        <translation>هل أنت متأكد أنك تريد الخروج؟</translation>
    </message>
    <message>
        <source>Data NOT saved!<byte value="xd"/></source>
        <translation>البيانات لم تُحفظ!<byte value="xd"/></translation>
    </message>
    <message>
        <source>Exit Orv Brevane 2</source>
        <translation>الخروج من Orv Brevane 2</translation>
    </message>
</context>
<context>
    <name>frmNumberReflex</name>
    <message>
        <source>Complex Choice Number/Audio Stimulus Module</source>
        <translation>وحدة الاستجابة الاختيارية للرقم/الصوت</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>الشعار</translation>
    </message>
    <message>
        <source>Complex Choice Number/Audio Stimulus</source>
        <translation>مثير اختياري رقم/صوت</translation>
    </message>
    <message>
        <source>Trigger On</source>
        <translation>نوع المثير</translation>
    </message>
    <message>
        <source>Trigger Element</source>
        <translation>العنصر الهدف</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>الصوت</translation>
    </message>
    <message>
        <source>Press Here</source>
        <translation>اضغط هنا</translation>
    </message>
    <message>
        <source>Element Display</source>
        <translation>عرض العنصر</translation>
    </message>
    <message>
        <source>Set Indicator</source>
        <translation>المجموعة</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>الزمن</translation>
    </message>
    <message>
        <source>Previous Time</source>
        <translation>الزمن السابق</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>الفرق</translation>
    </message>
    <message>
        <source>Average Time</source>
        <translation>متوسط الزمن</translation>
    </message>
    <message>
        <source>Run Count</source>
        <translation>عدد المحاولات</translation>
    </message>
    <message>
        <source>Correct Hits</source>
        <translation>إصابات صحيحة</translation>
    </message>
    <message>
        <source>Incorrect Hits</source>
        <translation>إصابات خاطئة</translation>
    </message>
    <message>
        <source>Correct Misses</source>
        <translation>تجاوزات صحيحة</translation>
    </message>
    <message>
        <source>Missed Hits</source>
        <translation>إصابات فائتة</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>الوصف</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>ابدأ</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>توقف</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>الخيارات</translation>
    </message>
    <message>
        <source>Clear Set</source>
        <translation>مسح مجموعة</translation>
    </message>
    <message>
        <source>Next Set</source>
        <translation>مجموعة تالية</translation>
    </message>
    <message>
        <source>Prev Set</source>
        <translation>مجموعة سابقة</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>النتائج</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>تم</translation>
    </message>
</context>
<context>
    <name>frmPrint</name>
    <message>
        <source>Print Data</source>
        <translation>طباعة البيانات</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>العنوان:</translation>
    </message>
    <message>
        <source>Select Sets To Print</source>
        <translation>اختر المجموعات للطباعة</translation>
    </message>
    <message>
        <source>Set 1</source>
        <translation>مجموعة ١</translation>
    </message>
    <message>
        <source>Set 2</source>
        <translation>مجموعة ٢</translation>
    </message>
    <message>
        <source>Set 3</source>
        <translation>مجموعة ٣</translation>
    </message>
    <message>
        <source>Set 4</source>
        <translation>مجموعة ٤</translation>
    </message>
    <message>
        <source>Set 5</source>
        <translation>مجموعة ٥</translation>
    </message>
    <message>
        <source>Set 6</source>
        <translation>مجموعة ٦</translation>
    </message>
    <message>
        <source>Set 7</source>
        <translation>مجموعة ٧</translation>
    </message>
    <message>
        <source>Set 8</source>
        <translation>مجموعة ٨</translation>
    </message>
    <message>
        <source>Set 9</source>
        <translation>مجموعة ٩</translation>
    </message>
    <message>
        <source>Set 10</source>
        <translation>مجموعة ١٠</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>تحديد الكل</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>إعداد</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>UnSelectAll</source>
        <translation>إلغاء تحديد الكل</translation>
    </message>
    <message>
        <source>SelectAll</source>
        <translation>تحديد الكل</translation>
    </message>
    <message>
        <source>You must select atleast ONE set to Print</source>
        <translation>يجب اختيار مجموعة واحدة على الأقل للطباعة</translation>
    </message>
    <message>
        <source>Printing Error</source>
        <translation>خطأ في الطباعة</translation>
    </message>
</context>
<context>
    <name>frmReflex</name>
    <message>
        <source>Simple Choice Stimulus Module</source>
        <translation>وحدة الاستجابة البسيطة</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>الشعار</translation>
    </message>
    <message>
        <source>Simple Choice Stimulus</source>
        <translation>مثير بسيط</translation>
    </message>
    <message>
        <source>           Visual Trigger</source>
        <translation>           مثير بصري</translation>
    </message>
    <message>
        <source>Press Here</source>
        <translation>اضغط هنا</translation>
    </message>
    <message>
        <source>Stimulus</source>
        <translation>المثير</translation>
    </message>
    <message>
        <source>Speaker</source>
        <translation>السماعة</translation>
    </message>
    <message>
        <source>Set Indicator</source>
        <translation>المجموعة</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>المجموعة</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>الوصف</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>الزمن</translation>
    </message>
    <message>
        <source>Previous Time</source>
        <translation>الزمن السابق</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>الفرق</translation>
    </message>
    <message>
        <source>Average Time</source>
        <translation>متوسط الزمن</translation>
    </message>
    <message>
        <source>Run Count</source>
        <translation>عدد المحاولات</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>ابدأ</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>توقف</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>الخيارات</translation>
    </message>
    <message>
        <source>Clear Set</source>
        <translation>مسح مجموعة</translation>
    </message>
    <message>
        <source>Next Set</source>
        <translation>مجموعة تالية</translation>
    </message>
    <message>
        <source>Prev Set</source>
        <translation>مجموعة سابقة</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>النتائج</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>تم</translation>
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
        <translation>قياس زمن الاستجابة للمثير البسيط والمركّب</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>الحالة</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>التقدّم</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>there is no translation for &quot;%1&quot;; the program is shown in English</source>
        <translation>لا توجد ترجمة لـ«%1»؛ يُعرض البرنامج بالإنجليزية</translation>
    </message>
</context>
<context>
    <name>summary</name>
    <message>
        <source>The class summary of reaction-time files (recover.dat, .nrm and .col files, or folders of them):
sets.csv, students.csv, class.csv, class-notes.txt, class-chart.pdf and class-chart.png.</source>
        <translation>ملخص الصف لملفات زمن الاستجابة (ملفات recover.dat و‎.nrm و‎.col أو مجلدات تحويها):
sets.csv وstudents.csv وclass.csv وclass-notes.txt وclass-chart.pdf وclass-chart.png.</translation>
    </message>
    <message>
        <source>Write into &lt;folder&gt; (default: the current folder).</source>
        <translation>الكتابة في &lt;المجلد&gt; (الافتراضي: المجلد الحالي).</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>المجلد</translation>
    </message>
    <message>
        <source>The .col files are the colour test&apos;s.</source>
        <translation>ملفات ‎.col هي لاختبار الألوان.</translation>
    </message>
    <message>
        <source>The .col files are the number test&apos;s.</source>
        <translation>ملفات ‎.col هي لاختبار الأرقام.</translation>
    </message>
    <message>
        <source>Name each student after their folder or their files&apos; names.</source>
        <translation>تسمية كل طالب باسم مجلده أو بأسماء ملفاته.</translation>
    </message>
    <message>
        <source>Start each CSV file with a UTF-8 mark.</source>
        <translation>بدء كل ملف CSV بعلامة UTF-8.</translation>
    </message>
    <message>
        <source>Write again whenever a file changes, until stopped.</source>
        <translation>إعادة الكتابة كلما تغيّر ملف، حتى الإيقاف.</translation>
    </message>
    <message>
        <source>As --watch, with the chart in a window.</source>
        <translation>مثل ‎--watch، مع الرسم في نافذة.</translation>
    </message>
    <message>
        <source>Data files and folders.</source>
        <translation>ملفات البيانات والمجلدات.</translation>
    </message>
    <message>
        <source>path...</source>
        <translation>المسار...</translation>
    </message>
    <message>
        <source>--colour and --number exclude each other: summarise each test&apos;s .col files apart</source>
        <translation>الخياران ‎--colour و‎--number لا يجتمعان: لخّص ملفات ‎.col لكل اختبار على حدة</translation>
    </message>
    <message>
        <source>--student-from takes folder or name, not %1</source>
        <translation>يقبل ‎--student-from القيمة folder أو name، لا %1</translation>
    </message>
    <message>
        <source>no file could be read; nothing written</source>
        <translation>تعذّرت قراءة أي ملف؛ لم يُكتب شيء</translation>
    </message>
    <message>
        <source>Count a folder&apos;s files as its owners handed them in (yes), or by their names (no); by default the owners decide in a hand-in folder, one that others may enter but not list.</source>
        <translation>احتساب ملفات المجلد بحسب مالكيها الذين سلّموها (yes)، أو بحسب أسمائها (no)؛ افتراضيًا يُعتمد المالكون في مجلد التسليم، أي مجلد يستطيع الآخرون دخوله لا سرد محتواه.</translation>
    </message>
    <message>
        <source>Say whether the hand-in folder &lt;folder&gt; is set up as one of the guide&apos;s recipes, and what is wrong; nothing is summarised.</source>
        <translation>بيان ما إذا كان مجلد التسليم &lt;المجلد&gt; مُعدًّا وفق إحدى وصفات الدليل، وما الخطأ فيه؛ لا يُلخَّص شيء.</translation>
    </message>
    <message>
        <source>--owners takes yes or no, not %1</source>
        <translation>يقبل --owners القيمة yes أو no، لا %1</translation>
    </message>
</context>
</TS>
