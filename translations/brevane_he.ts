<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="he_IL">
<context>
    <name>ClassChart</name>
    <message>
        <source>Class reaction times: simple against choice</source>
        <translation>זמני תגובה בכיתה: תגובה פשוטה מול תגובת בחירה</translation>
    </message>
    <message>
        <source>One dot for each student&apos;s mean reaction time (%1): the mean of their set means, in whole ms as stored. Box: lower to upper quartile; thick line: median; whiskers: the furthest means within 1.5 box lengths.</source>
        <translation>נקודה אחת לזמן התגובה הממוצע של כל תלמיד (%1): ממוצע ממוצעי הסדרות שלו, ב-ms שלמות כפי שנשמרו. תיבה: מהרבעון התחתון עד העליון; קו עבה: חציון; שפמים: הממוצעים הרחוקים ביותר בטווח של 1.5 אורכי תיבה.</translation>
    </message>
    <message numerus="yes">
        <source>%n student(s)</source>
        <translation>
            <numerusform>תלמיד אחד</numerusform>
            <numerusform>%n תלמידים</numerusform>
        </translation>
    </message>
    <message>
        <source>No reaction times in the files read</source>
        <translation>אין זמני תגובה בקבצים שנקראו</translation>
    </message>
    <message>
        <source>n = %1, mean %2 ms</source>
        <translation>n = %1, ממוצע %2 ms</translation>
    </message>
    <message>
        <source>%1 − simple: %2 ms (95 % CI %3 to %4, %5 students)</source>
        <translation>%1 − פשוטה: %2 ms (רווח סמך 95%: %3 עד %4, %5 תלמידים)</translation>
    </message>
    <message>
        <source>Class reaction times</source>
        <translation>זמני תגובה בכיתה</translation>
    </message>
    <message>
        <source>Bars beside each box: every run that counts (%1 runs; class-notes.txt says which), as shares of the test&apos;s runs in bins of %2 ms.</source>
        <translation>עמודות ליד כל תיבה: כל ניסיון שנספר (%1 ניסיונות; class-notes.txt מפרט אילו), כחלק מניסיונות המבחן, בתאים של %2 ms.</translation>
    </message>
    <message>
        <source>reaction time (ms)</source>
        <translation>זמן תגובה (ms)</translation>
    </message>
</context>
<context>
    <name>ClassFiles</name>
    <message>
        <source>not a recover.dat, .nrm or .col file</source>
        <translation>אינו קובץ recover.dat, .nrm או .col</translation>
    </message>
    <message>
        <source>left out %1: a shared account&apos;s recover.dat holds whoever ran last</source>
        <translation>%1 הושמט: קובץ recover.dat של חשבון משותף מכיל רק את מי שמדד אחרון</translation>
    </message>
    <message>
        <source>a named pipe (FIFO), not read</source>
        <translation>צינור בעל שם (FIFO), לא נקרא</translation>
    </message>
    <message>
        <source>a socket, not read</source>
        <translation>שקע (socket), לא נקרא</translation>
    </message>
    <message>
        <source>a device, not read</source>
        <translation>קובץ התקן, לא נקרא</translation>
    </message>
    <message>
        <source>a link, not followed in a hand-in folder</source>
        <translation>קישור, שאין הולכים אחריו בתיקיית הגשה</translation>
    </message>
    <message>
        <source>handed in by user %1 beside the students&apos; folders, not in one</source>
        <translation>הוגש על ידי המשתמש %1 לצד תיקיות התלמידים, לא בתוך אחת מהן</translation>
    </message>
    <message>
        <source>no user %1 on this machine; the folder is left out</source>
        <translation>אין משתמש %1 במחשב זה; התיקייה הושמטה</translation>
    </message>
    <message>
        <source>the folder belongs to user %1, not %2; its files are left out</source>
        <translation>התיקייה שייכת למשתמש %1, לא ל-%2; הקבצים שבה הושמטו</translation>
    </message>
    <message>
        <source>a folder within a student&apos;s folder, not read</source>
        <translation>תיקייה בתוך תיקייה של תלמיד, לא נקראה</translation>
    </message>
    <message>
        <source>handed in by user %1, not %2</source>
        <translation>הוגש על ידי המשתמש %1, לא %2</translation>
    </message>
    <message>
        <source>in a folder of user %1, not %2</source>
        <translation>בתיקייה של המשתמש %1, לא של %2</translation>
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
        <translation>המחשבים

כל זמן שנשמר כולל את מה שמוסיף המחשב שבו נמדד: השהיית המסך (גירויי
הצבע) או השהיית יציאת הקול (הצלילים), והשהיית העכבר (הדגימה שלו, סינון הקפיצות,
מסלול הקלט). בדיקת המחשב (brevane --check-machine) מדדה אותן בכל מחשב
שלהלן בעזרת פוטודיודה, כבל לולאה ומיקרופון דרך כרטיס הקול; זמן התגובה של התלמיד
הוא בקירוב הזמן שנשמר פחות השהיית חלק הגירוי והשהיית העכבר. במחשב אחד
הן אינן משנות הפרש בין מבחנים (בחירה פחות פשוטה), ולכן רווחי הסמך
המזווגים ב-class.csv תקפים; זמנים ממחשבים שהשהיותיהם שונות ארוכים או קצרים יותר
בהפרש זה. sets.csv ו-students.csv מסתיימים במחשב של כל קובץ ובהשהיותיו.

</translation>
    </message>
    <message>
        <source>%1 (checked %2; %3; files: %4): %5
</source>
        <translation>%1 (נבדק %2; %3; קבצים: %4): %5
</translation>
    </message>
    <message>
        <source>mode not known</source>
        <translation>המצב אינו ידוע</translation>
    </message>
    <message>
        <source>Screen and mouse together add %1 to %2 ms on these machines: a visual time measured on
one may differ from another&apos;s by up to %3 ms from the machines alone.
</source>
        <translation>המסך והעכבר יחד מוסיפים %1 עד %2 ms במחשבים אלה: זמן חזותי שנמדד באחד
עשוי להיות שונה מזמן שנמדד באחר בעד %3 ms בגלל המחשבים בלבד.
</translation>
    </message>
</context>
<context>
    <name>ClassRun</name>
    <message>
        <source>skipped %1: %2</source>
        <translation>דולג על %1: %2</translation>
    </message>
    <message>
        <source>%1 is a copy of %2: read once</source>
        <translation>%1 הוא עותק של %2: נקרא פעם אחת</translation>
    </message>
    <message>
        <source>%1 of %2 files read</source>
        <translation>נקראו %1 מתוך %2 קבצים</translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>לא ניתן ליצור את התיקייה %1</translation>
    </message>
    <message>
        <source>could not write %1: %2</source>
        <translation>לא ניתן היה לכתוב את %1: %2</translation>
    </message>
    <message>
        <source>%1 read</source>
        <translation>נקראו: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>קובץ אחד</numerusform>
            <numerusform>%n קבצים</numerusform>
        </translation>
    </message>
    <message>
        <source> (and %1 read once)</source>
        <translation> (ו-%1 נקראו פעם אחת)</translation>
    </message>
    <message numerus="yes">
        <source>%n copy(ies)</source>
        <translation>
            <numerusform>עותק אחד</numerusform>
            <numerusform>%n עותקים</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2 skipped; %3 (%4 by folder, %5 by file name); tests: %6</source>
        <translation>%1, דולגו: %2; %3 (%4 לפי תיקייה, %5 לפי שם קובץ); מבחנים: %6</translation>
    </message>
    <message numerus="yes">
        <source>%n student(s)</source>
        <translation>
            <numerusform>תלמיד אחד</numerusform>
            <numerusform>%n תלמידים</numerusform>
        </translation>
    </message>
    <message>
        <source>none</source>
        <translation>אין</translation>
    </message>
</context>
<context>
    <name>ClassSummary</name>
    <message>
        <source>.%1 file</source>
        <translation>קובץ .%1</translation>
    </message>
    <message>
        <source>it has %1 lines; a %2 has %3</source>
        <translation>יש בו %1 שורות; ב-%2 יש %3</translation>
    </message>
    <message>
        <source>line %1 is not what a %2 holds there</source>
        <translation>שורה %1 אינה מה שמכיל %2 במקום זה</translation>
    </message>
    <message>
        <source>it has more than the %1 lines of a %2</source>
        <translation>יש בו יותר מ-%1 השורות של %2</translation>
    </message>
    <message>
        <source>%1: %2 holds %3 sets that %4 holds too; each taken once</source>
        <translation>%1: %2 מכיל %3 סדרות שגם %4 מכיל; כל אחת נלקחה פעם אחת</translation>
    </message>
    <message>
        <source>%1 has two different %2 files, %3 and %4: both kept as separate sets</source>
        <translation>ל-%1 יש שני קובצי %2 שונים, %3 ו-%4: שניהם נשמרו כסדרות נפרדות</translation>
    </message>
    <message>
        <source>%1 handed in</source>
        <translation>הגישו: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n student(s)</source>
        <translation>
            <numerusform>תלמיד אחד</numerusform>
            <numerusform>%n תלמידים</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>cannot create or enter the folder %1; files are kept in %2</source>
        <translation>לא ניתן ליצור את התיקייה %1 או להיכנס אליה; הקבצים נשמרים ב-%2</translation>
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
        <translation>שימוש: %1 [--user-folder] [--hand-in תיקייה] [--unlock] [--language קוד]
          [קובץ-הגדרות]
       %1 --timing-check | --check-machine | --version | --help

מדידת זמן תגובה לגירוי פשוט ומורכב: זמני התגובה של תלמיד לצליל, לשינוי
צבע או לשניהם, במבחן פשוט ובשני מבחני בחירה.

  קובץ-הגדרות         ההגדרות שישמשו במקום %2; שם יחסי
                      נלקח מהתיקייה שבה נשמרים הקבצים
  --user-folder       שמירת הקבצים בתיקייה האישית של המשתמש, שנוצרת אם חסרה:
                      %3
                      (כך מפעיל את התוכנה הפריט שבתפריט שולחן העבודה)
  --hand-in תיקייה    הגשת כל קובץ .nrm ו-.col שנשמר, וגם כל
                      recover.dat, אל תיקייה/&lt;שם המשתמש&gt;/, עבור המורה
                      (מוגדר לכל המשתמשים ב-/etc/xdg/Brevane/Brevane.conf;
                      man brevane)
  --unlock            היכן שהמעבדה נועלת את ההגדרות, מאפשר לחבר בקבוצת
                      המורים של המעבדה לשנות אותן בהפעלה זו
  --timing-check      הצגת משטח מהבהב לפוטודיודה או למצלמה, עם קצב
                      הרענון, ריצוד זמן הפריים ומקורות חותמות הזמן
                      שבשימוש (Esc או לחיצה מסיימים)
  --check-machine     בדיקת מחשב זה מקצה לקצה דרך כניסת כרטיס הקול: המסך
                      בפוטודיודה, הקול בכבל מהיציאה, העכבר בנקישה
                      שלו; שומר את ההשהיות לחלון &quot;אודות&quot; ולסיכום
                      הכיתה (docs/guide.md)
  --language קוד      הצגת התוכנה בשפה זו (de, ja, ar, ...; אנגלית
                      היכן שאין לה תרגום) במקום שפת המערכת או השפה
                      שהוגדרה ב-Brevane.conf
  --version           הדפסת הגרסה ויציאה
  --help              הדפסת טקסט זה ויציאה

הקבצים נשמרים בתיקייה הנוכחית, או עם --user-folder בתיקייה
שלעיל: %2 (ההגדרות, נכתב עם ברירות המחדל אם חסר)
ו-recover.dat (הסדרות של כל מבחן, נכתב מחדש בסוף כל רצף; &quot;שחזור&quot; בתפריט
הראשי קורא אותו בחזרה). חלונות הקבצים נפתחים שם; קובצי תוצאות
(.nrm, .col) נשמרים היכן שתשמרו אותם.
</translation>
    </message>
</context>
<context>
    <name>DisplayStamps</name>
    <message>
        <source>; times may be one frame long: see the guide</source>
        <translation>; ייתכן שהזמנים ארוכים בפריים אחד: ראו במדריך</translation>
    </message>
    <message>
        <source>The window system does not say when a frame is shown</source>
        <translation>מערכת החלונות אינה מדווחת מתי מוצג פריים</translation>
    </message>
    <message>
        <source>The X server does not say when a frame is shown</source>
        <translation>שרת X אינו מדווח מתי מוצג פריים</translation>
    </message>
    <message>
        <source>XWayland shows the window through the Wayland compositor</source>
        <translation>XWayland מציג את החלון דרך הקומפוזיטור של Wayland</translation>
    </message>
    <message>
        <source>Some stimuli were stamped by %1</source>
        <translation>חלק מהגירויים נחתמו לפי %1</translation>
    </message>
    <message>
        <source>the display&apos;s refresh</source>
        <translation>הרענון של התצוגה</translation>
    </message>
    <message>
        <source>the X server&apos;s refresh, not the pixel&apos;s</source>
        <translation>הרענון של שרת X, לא של הפיקסל</translation>
    </message>
    <message>
        <source>the compositor&apos;s frame timings</source>
        <translation>תזמוני הפריימים של הקומפוזיטור</translation>
    </message>
    <message>
        <source>the screen read back</source>
        <translation>קריאה חוזרת של המסך</translation>
    </message>
    <message>
        <source>the Wayland compositor&apos;s report of the frame</source>
        <translation>הדיווח של הקומפוזיטור של Wayland על הפריים</translation>
    </message>
    <message>
        <source>the hand-over to the X server</source>
        <translation>המסירה לשרת X</translation>
    </message>
    <message>
        <source>the clock after a repaint</source>
        <translation>השעון לאחר ציור מחדש</translation>
    </message>
    <message>
        <source>%1 (exact)</source>
        <translation>%1 (מדויק)</translation>
    </message>
    <message>
        <source>%1 (estimated)</source>
        <translation>%1 (משוער)</translation>
    </message>
    <message>
        <source>none</source>
        <translation>אין</translation>
    </message>
    <message>
        <source>%1 Hz</source>
        <translation>%1 Hz</translation>
    </message>
    <message>
        <source>not reported (a virtual screen)</source>
        <translation>לא דווח (מסך וירטואלי)</translation>
    </message>
    <message>
        <source>The Wayland compositor estimates when a frame is shown; times may be one frame long: see the guide</source>
        <translation>הקומפוזיטור של Wayland מעריך מתי מוצג פריים; ייתכן שהזמנים ארוכים בפריים אחד: ראו במדריך</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>Reflex Data Files (*.nrm)|*.nrm</source>
        <translation>קובצי נתוני תגובה (*.nrm)|*.nrm</translation>
    </message>
    <message>
        <source>Reflex Data Files (*.col)|*.col</source>
        <translation>קובצי נתוני תגובה (*.col)|*.col</translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
        File already exisits. Do you want to overwrite?</source>
        <translation><byte value="xd"/>
<byte value="xd"/>
        הקובץ כבר קיים. לשכתב אותו?</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>שמירת קובץ</translation>
    </message>
    <message>
        <source>Save File Error</source>
        <translation>שגיאה בשמירת הקובץ</translation>
    </message>
    <message>
        <source>Save Cancelled</source>
        <translation>השמירה בוטלה</translation>
    </message>
    <message>
        <source>Load File Error</source>
        <translation>שגיאה בטעינת הקובץ</translation>
    </message>
    <message>
        <source>Load Cancelled</source>
        <translation>הטעינה בוטלה</translation>
    </message>
    <message>
        <source>Export to CSV</source>
        <translation>ייצוא ל-CSV</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)|*.csv</source>
        <translation>קובצי CSV (*.csv)|*.csv</translation>
    </message>
</context>
<context>
    <name>FileRead</name>
    <message>
        <source>%1 is a folder, not a file.</source>
        <translation>%1 היא תיקייה, לא קובץ.</translation>
    </message>
    <message>
        <source>%1 holds %2 MB, far more than any file of this program; it was not read.</source>
        <translation>%1 מכיל %2 MB, הרבה יותר מכל קובץ של תוכנה זו; הוא לא נקרא.</translation>
    </message>
    <message>
        <source>%1 is far larger than any file of this program; it was not read.</source>
        <translation>%1 גדול בהרבה מכל קובץ של תוכנה זו; הוא לא נקרא.</translation>
    </message>
</context>
<context>
    <name>HandIn</name>
    <message>
        <source>Hand-in</source>
        <translation>הגשה</translation>
    </message>
    <message>
        <source>the hand-in folder is missing</source>
        <translation>תיקיית ההגשה חסרה</translation>
    </message>
    <message>
        <source>Not handed in to %1: %2.
Your file is saved on this computer; it is handed in at your next save.</source>
        <translation>לא הוגש אל %1: %2.
הקובץ שלך שמור במחשב זה; הוא יוגש בשמירה הבאה.</translation>
    </message>
    <message>
        <source>the hand-in folder is still not answering</source>
        <translation>תיקיית ההגשה עדיין אינה מגיבה</translation>
    </message>
    <message>
        <source>the hand-in folder did not answer</source>
        <translation>תיקיית ההגשה לא הגיבה</translation>
    </message>
    <message>
        <source>the folder %1 in the hand-in folder is a link, not a folder</source>
        <translation>התיקייה %1 בתיקיית ההגשה היא קישור, לא תיקייה</translation>
    </message>
    <message>
        <source>%1 in the hand-in folder is not a folder</source>
        <translation>%1 בתיקיית ההגשה אינו תיקייה</translation>
    </message>
    <message>
        <source>the folder %1 in the hand-in folder belongs to another user</source>
        <translation>התיקייה %1 בתיקיית ההגשה שייכת למשתמש אחר</translation>
    </message>
</context>
<context>
    <name>HandoutPage</name>
    <message>
        <source>beyond your median ± 3 scaled MADs of the test</source>
        <translation>מעבר לחציון שלך ± 3 סטיות מוחלטות חציוניות (MAD) מתוקננות במבחן</translation>
    </message>
    <message>
        <source>beyond your mean ± 3 SD of the test</source>
        <translation>מעבר לממוצע שלך ± 3 סטיות תקן במבחן</translation>
    </message>
    <message>
        <source>none cut here</source>
        <translation>לא הוסר דבר כאן</translation>
    </message>
    <message>
        <source>Reaction times of %1</source>
        <translation>זמני התגובה של %1</translation>
    </message>
    <message>
        <source>Your times beside your class&apos;s (%1 students), in whole milliseconds as stored.</source>
        <translation>הזמנים שלך לצד אלה של הכיתה שלך (%1 תלמידים), במילישניות שלמות כפי שנשמרו.</translation>
    </message>
    <message>
        <source>test</source>
        <translation>מבחן</translation>
    </message>
    <message>
        <source>sets</source>
        <translation>סדרות</translation>
    </message>
    <message>
        <source>runs that count</source>
        <translation>ניסיונות שנספרים</translation>
    </message>
    <message>
        <source>mean</source>
        <translation>ממוצע</translation>
    </message>
    <message>
        <source>median</source>
        <translation>חציון</translation>
    </message>
    <message>
        <source>anticipations</source>
        <translation>תגובות מוקדמות</translation>
    </message>
    <message>
        <source>lapses</source>
        <translation>היסחי דעת</translation>
    </message>
    <message>
        <source>outliers</source>
        <translation>חריגים</translation>
    </message>
    <message>
        <source>Runs that count: all but missed hits, anticipations (under %1 ms), lapses (over %2 ms) and outliers (%3). mean: the mean of your set means, every time as stored. median, μ, σ, τ: your runs but missed hits, anticipations and lapses; μ, σ, τ: the ex-Gaussian fitted to them, a normal part (μ, σ) plus an exponential part of mean τ, the slow tail; from %4 runs on.</source>
        <translation>ניסיונות שנספרים: כולם מלבד החמצות, תגובות מוקדמות (מתחת ל-%1 ms), היסחי דעת (מעל %2 ms) וחריגים (%3). ממוצע: ממוצע ממוצעי הסדרות שלך, כל זמן כפי שנשמר. חציון, μ, σ, τ: הניסיונות שלך מלבד החמצות, תגובות מוקדמות והיסחי דעת; μ, σ, τ: התפלגות אקס-גאוסיאנית (ex-Gaussian) שהותאמה להם, חלק נורמלי (μ, σ) ועוד חלק מעריכי שממוצעו τ, הזנב האיטי; החל מ-%4 ניסיונות.</translation>
    </message>
    <message>
        <source>Grey: the class&apos;s runs that count; outlined: yours, each as shares of its runs. Ticks: the class&apos;s means; the dot: yours.</source>
        <translation>אפור: הניסיונות שנספרים של הכיתה; במתאר: שלך, כל אחד כחלק מהניסיונות שלו. סימונים: ממוצעי הכיתה; הנקודה: שלך.</translation>
    </message>
    <message>
        <source>No mean: none of your runs is a reaction time.</source>
        <translation>אין ממוצע: אף אחד מהניסיונות שלך אינו זמן תגובה.</translation>
    </message>
    <message>
        <source>Your mean, %1 ms; nobody else took this test.</source>
        <translation>הממוצע שלך, %1 ms; איש אחר לא ביצע מבחן זה.</translation>
    </message>
    <message>
        <source>Your mean, %1 ms: of the %2 others, %3 faster, %4 slower.</source>
        <translation>הממוצע שלך, %1 ms: מתוך %2 האחרים, %3 מהירים יותר, %4 איטיים יותר.</translation>
    </message>
</context>
<context>
    <name>Handouts</name>
    <message>
        <source>Reaction times: a page for each student</source>
        <translation>זמני תגובה: דף לכל תלמיד</translation>
    </message>
</context>
<context>
    <name>Lab</name>
    <message>
        <source>The settings are locked by the lab (LockSettings in %1).</source>
        <translation>ההגדרות נעולות על ידי המעבדה (LockSettings ב-%1).</translation>
    </message>
    <message>
        <source>Nobody may unlock the settings here: %1 names no group of teachers (Teachers in its [Lab] section).</source>
        <translation>אף אחד אינו יכול לבטל כאן את נעילת ההגדרות: %1 אינו מציין קבוצת מורים (Teachers במקטע [Lab] שלו).</translation>
    </message>
    <message>
        <source>The settings are locked by the lab (LockSettings in %1); a member of the group %2 may change them by starting the program with --unlock.</source>
        <translation>ההגדרות נעולות על ידי המעבדה (LockSettings ב-%1); חבר בקבוצה %2 יכול לשנות אותן בהפעלת התוכנה עם --unlock.</translation>
    </message>
    <message>
        <source>Only a member of the group %1 may unlock the settings with --unlock, which %2 is not; the settings stay locked.</source>
        <translation>רק חבר בקבוצה %1 יכול לבטל את נעילת ההגדרות עם --unlock, ו-%2 אינו חבר בה; ההגדרות נשארות נעולות.</translation>
    </message>
</context>
<context>
    <name>MachineCheck</name>
    <message>
        <source>%1 of %2 trials</source>
        <translation>%1 מתוך %2 מדידות</translation>
    </message>
    <message>
        <source>the signal is too weak (%1): turn the input volume up, or the screen&apos;s brightness, and hold the diode flat on the patch</source>
        <translation>האות חלש מדי (%1): הגבירו את עוצמת הקלט, או את בהירות המסך, והצמידו את הדיודה שטוחה אל המשטח</translation>
    </message>
    <message>
        <source>the signal is too weak (%1): turn the output and the input volume up</source>
        <translation>האות חלש מדי (%1): הגבירו את עוצמת הפלט ואת עוצמת הקלט</translation>
    </message>
    <message>
        <source>the clicks are too faint (%1): put the microphone closer to the mouse and turn the input volume up</source>
        <translation>הנקישות חלשות מדי (%1): קרבו את המיקרופון לעכבר והגבירו את עוצמת הקלט</translation>
    </message>
    <message>
        <source>the signal is too noisy (%1): keep the room quiet, the cable short and away from the mains, and turn the input volume down if it hums</source>
        <translation>האות רועש מדי (%1): שמרו על שקט בחדר ועל כבל קצר ורחוק מכבלי החשמל, והנמיכו את עוצמת הקלט אם נשמע זמזום</translation>
    </message>
    <message>
        <source>the recording broke off (%1): close other programs that use the sound card and try again</source>
        <translation>ההקלטה נקטעה (%1): סגרו תוכנות אחרות שמשתמשות בכרטיס הקול ונסו שוב</translation>
    </message>
    <message>
        <source>no flash was seen in %1: is the diode on the patch and plugged into the input that records?</source>
        <translation>לא נראה הבזק במשך %1: האם הדיודה על המשטח ומחוברת לכניסה שמקליטה?</translation>
    </message>
    <message>
        <source>no tone came back in %1: is the output looped to the input that records?</source>
        <translation>שום צליל לא חזר במשך %1: האם היציאה מחוברת בלולאה לכניסה שמקליטה?</translation>
    </message>
    <message>
        <source>no click was heard in %1: is the microphone next to the mouse?</source>
        <translation>לא נשמעה נקישה במשך %1: האם המיקרופון ליד העכבר?</translation>
    </message>
    <message>
        <source>too few trials (%1)</source>
        <translation>מעט מדי מדידות (%1)</translation>
    </message>
</context>
<context>
    <name>MachineResult</name>
    <message>
        <source>it is not a machine check&apos;s result</source>
        <translation>אין זו תוצאה של בדיקת מחשב</translation>
    </message>
    <message>
        <source>line %1 is not a part&apos;s lag</source>
        <translation>שורה %1 אינה השהיה של חלק</translation>
    </message>
    <message>
        <source>it names no machine</source>
        <translation>אין בה שם של מחשב</translation>
    </message>
    <message>
        <source>%1 %2 ms (SD %3)</source>
        <translation>%1 %2 ms (סטיית תקן %3)</translation>
    </message>
    <message>
        <source>%1: not measured</source>
        <translation>%1: לא נמדד</translation>
    </message>
    <message>
        <source>Machine check: not done on this machine (brevane --check-machine)</source>
        <translation>בדיקת מחשב: לא בוצעה במחשב זה (brevane --check-machine)</translation>
    </message>
    <message>
        <source>Machine check (%1, %2): %3</source>
        <translation>בדיקת מחשב (%1, %2): %3</translation>
    </message>
</context>
<context>
    <name>ProgramVersion</name>
    <message>
        <source>Version %1.%2%3</source>
        <translation>גרסה %1.%2%3</translation>
    </message>
</context>
<context>
    <name>QtPrinting</name>
    <message>
        <source>The printer %1 could not be opened.</source>
        <translation>לא ניתן היה לפתוח את המדפסת %1.</translation>
    </message>
    <message>
        <source>The printer %1 reported an error.</source>
        <translation>המדפסת %1 דיווחה על שגיאה.</translation>
    </message>
    <message>
        <source>The PDF could not be completed.</source>
        <translation>לא ניתן היה להשלים את קובץ ה-PDF.</translation>
    </message>
    <message>
        <source>The PDF could not be started.</source>
        <translation>לא ניתן היה להתחיל את קובץ ה-PDF.</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>הגדרת הדפסה</translation>
    </message>
</context>
<context>
    <name>RecoveryFile</name>
    <message>
        <source>The recovery file recover.dat could not be written.</source>
        <translation>לא ניתן היה לכתוב את קובץ השחזור recover.dat.</translation>
    </message>
    <message>
        <source><byte value="xd"/>Your data are kept in memory.</source>
        <translation><byte value="xd"/>הנתונים שלך נשמרים בזיכרון.</translation>
    </message>
    <message>
        <source>Recovery File Error</source>
        <translation>שגיאה בקובץ השחזור</translation>
    </message>
    <message>
        <source>Load Cancelled</source>
        <translation>הטעינה בוטלה</translation>
    </message>
    <message>
        <source>No Recovery File Created or Found</source>
        <translation>לא נוצר או לא נמצא קובץ שחזור</translation>
    </message>
    <message>
        <source>Load File Error</source>
        <translation>שגיאה בטעינת הקובץ</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Fastest Time</source>
        <translation>הזמן המהיר ביותר</translation>
    </message>
    <message>
        <source>Slowest Time</source>
        <translation>הזמן האיטי ביותר</translation>
    </message>
    <message>
        <source>Average Time</source>
        <translation>הזמן הממוצע</translation>
    </message>
    <message>
        <source>Correct Hits</source>
        <translation>פגיעות נכונות</translation>
    </message>
    <message>
        <source>Correct Misses</source>
        <translation>הימנעויות נכונות</translation>
    </message>
    <message>
        <source>InCorrect Hits</source>
        <translation>פגיעות שגויות</translation>
    </message>
    <message>
        <source>Missed Hits</source>
        <translation>החמצות</translation>
    </message>
    <message>
        <source>Orv Tovanel:  Color Reflex Data</source>
        <translation>Orv Tovanel:  נתוני תגובה לצבעים</translation>
    </message>
    <message>
        <source>Orv Tovanel:  Number Reflex Data</source>
        <translation>Orv Tovanel:  נתוני תגובה למספרים</translation>
    </message>
    <message>
        <source>Set  %1</source>
        <translation>סדרה  %1</translation>
    </message>
    <message>
        <source>Comments:</source>
        <translation>הערות:</translation>
    </message>
    <message>
        <source>Save Report As PDF</source>
        <translation>שמירת הדוח כ-PDF</translation>
    </message>
    <message>
        <source>PDF Files|*.pdf</source>
        <translation>קובצי PDF|*.pdf</translation>
    </message>
    <message>
        <source>The file could not be written.</source>
        <translation>לא ניתן היה לכתוב את הקובץ.</translation>
    </message>
    <message>
        <source>Print Error<byte value="xd"/></source>
        <translation>שגיאת הדפסה<byte value="xd"/></translation>
    </message>
    <message>
        <source>Print Cancelled</source>
        <translation>ההדפסה בוטלה</translation>
    </message>
    <message>
        <source>  Slowest Time</source>
        <translation>  הזמן האיטי ביותר</translation>
    </message>
    <message>
        <source>Orv Tovanel:  Normal Reflex Data</source>
        <translation>Orv Tovanel:  נתוני תגובה פשוטה</translation>
    </message>
</context>
<context>
    <name>ResultsKind</name>
    <message>
        <source>Complex Choice Color/Audio Stimulus Module Data Display</source>
        <translation>תוצאות מודול תגובת בחירה, צבע/צליל</translation>
    </message>
    <message>
        <source>Delete run %1 from the set? </source>
        <translation>למחוק את ניסיון %1 מהסדרה? </translation>
    </message>
    <message>
        <source>Color Reflex Data Files</source>
        <translation>קובצי נתוני תגובה לצבעים</translation>
    </message>
    <message>
        <source>Complex Choice Number/Audio Stimulus Module Data Display</source>
        <translation>תוצאות מודול תגובת בחירה, מספר/צליל</translation>
    </message>
    <message>
        <source>Delete run %1 for the set? </source>
        <translation>למחוק את ניסיון %1 מהסדרה? </translation>
    </message>
    <message>
        <source>Number Reflex Data Files</source>
        <translation>קובצי נתוני תגובה למספרים</translation>
    </message>
    <message>
        <source>Simple Choice Stimulus Module Data Display</source>
        <translation>תוצאות מודול תגובה פשוטה</translation>
    </message>
    <message>
        <source>Normal Reflex Data Files</source>
        <translation>קובצי נתוני תגובה פשוטה</translation>
    </message>
</context>
<context>
    <name>ResultsModel</name>
    <message>
        <source>Delete run %1 for the set? </source>
        <translation>למחוק את ניסיון %1 מהסדרה? </translation>
    </message>
    <message>
        <source>Are you sure you want to DELETE ALL DATA ?</source>
        <translation>האם אכן למחוק את כל הנתונים?</translation>
    </message>
    <message>
        <source>Delete All Data</source>
        <translation>מחיקת כל הנתונים</translation>
    </message>
</context>
<context>
    <name>RuleOptions</name>
    <message>
        <source>A time under &lt;ms&gt; is an anticipation (default: 100).</source>
        <translation>זמן מתחת ל-&lt;ms&gt; הוא תגובה מוקדמת (ברירת מחדל: 100).</translation>
    </message>
    <message>
        <source>A time over &lt;ms&gt; is a lapse (default: 2000).</source>
        <translation>זמן מעל &lt;ms&gt; הוא היסח דעת (ברירת מחדל: 2000).</translation>
    </message>
    <message>
        <source>Cut outliers beyond median +- 3 scaled MADs (mad, the default), mean +- 3 SD (sd), or not at all (none).</source>
        <translation>הסרת חריגים מעבר לחציון +- 3 MAD מתוקננים (mad, ברירת המחדל), מעבר לממוצע +- 3 סטיות תקן (sd), או ללא הסרה (none).</translation>
    </message>
    <message>
        <source>Write a PDF page for each student, handout-&lt;student&gt;.pdf.</source>
        <translation>כתיבת דף PDF לכל תלמיד, handout-&lt;student&gt;.pdf.</translation>
    </message>
    <message>
        <source>--%1 takes a whole number of milliseconds from %2 to %3, not %4</source>
        <translation>--%1 מקבל מספר שלם של מילישניות מ-%2 עד %3, לא %4</translation>
    </message>
    <message>
        <source>the lapse limit (%1 ms) must lie above the anticipation limit (%2 ms)</source>
        <translation>סף היסח הדעת (%1 ms) חייב להיות מעל סף התגובה המוקדמת (%2 ms)</translation>
    </message>
    <message>
        <source>--outlier-rule takes mad, sd or none, not %1</source>
        <translation>--outlier-rule מקבל mad, sd או none, לא %1</translation>
    </message>
</context>
<context>
    <name>SessionPlatform</name>
    <message>
        <source>On Wayland: no pointer placement, and presses are stamped by the toolkit event (XWayland gives both)</source>
        <translation>ב-Wayland: אין מיקום של הסמן, והלחיצות נחתמות לפי אירוע ערכת הכלים (XWayland מספק את שניהם)</translation>
    </message>
    <message>
        <source>Wayland session: running on X through XWayland, which places the pointer and reads raw input</source>
        <translation>הפעלת Wayland: פועל על X דרך XWayland, שממקם את הסמן וקורא קלט גולמי</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Settings Locked</source>
        <translation>ההגדרות נעולות</translation>
    </message>
</context>
<context>
    <name>SettingsEditor</name>
    <message>
        <source>Configuration Files (*.cfg)|*.cfg</source>
        <translation>קובצי הגדרות (*.cfg)|*.cfg</translation>
    </message>
    <message>
        <source>Trigger Colour</source>
        <translation>צבע הגירוי</translation>
    </message>
    <message>
        <source>The trigger colour must differ from the panel&apos;s white at rest, or the stimulus is invisible.</source>
        <translation>צבע הגירוי חייב להיות שונה מהלבן של הלוח במנוחה, אחרת הגירוי אינו נראה.</translation>
    </message>
    <message>
        <source>Save Configuration File</source>
        <translation>שמירת קובץ הגדרות</translation>
    </message>
    <message>
        <source>Save File Error</source>
        <translation>שגיאה בשמירת הקובץ</translation>
    </message>
    <message>
        <source>Save Cancelled</source>
        <translation>השמירה בוטלה</translation>
    </message>
    <message>
        <source>Load Configuration File</source>
        <translation>טעינת קובץ הגדרות</translation>
    </message>
    <message>
        <source>Load File Error</source>
        <translation>שגיאה בטעינת הקובץ</translation>
    </message>
    <message>
        <source>Load Cancelled</source>
        <translation>הטעינה בוטלה</translation>
    </message>
    <message>
        <source>Configuration File Load Error</source>
        <translation>שגיאה בטעינת קובץ ההגדרות</translation>
    </message>
    <message>
        <source>Invalid Configuration File<byte value="xd"/>No File Loaded</source>
        <translation>קובץ הגדרות לא תקין<byte value="xd"/>לא נטען קובץ</translation>
    </message>
</context>
<context>
    <name>ShapeChart</name>
    <message>
        <source>median of the student&apos;s runs (ms)</source>
        <translation>חציון הניסיונות של התלמיד (ms)</translation>
    </message>
    <message>
        <source>τ, the slow tail (ms)</source>
        <translation>τ, הזנב האיטי (ms)</translation>
    </message>
    <message>
        <source>%1 of %2 students fitted
mean τ %3 ms</source>
        <translation>הותאמו %1 מתוך %2 תלמידים
τ ממוצע %3 ms</translation>
    </message>
    <message>
        <source>%1 − simple: μ %2 ms (95 % CI %3 to %4), τ %5 ms (%6 to %7), %8 students</source>
        <translation>%1 − פשוטה: μ %2 ms (רווח סמך 95%: %3 עד %4), τ %5 ms (%6 עד %7), %8 תלמידים</translation>
    </message>
    <message>
        <source>The shape of each student&apos;s times</source>
        <translation>צורת הזמנים של כל תלמיד</translation>
    </message>
    <message>
        <source>One dot for each student and test with an ex-Gaussian fit (at least %1 runs that are neither anticipations nor lapses): across, the median of those runs; up, τ, the mean of the fit&apos;s exponential part: its slow tail. A test that slows every run moves the dots to the right; one that adds slow runs moves them up.</source>
        <translation>נקודה אחת לכל תלמיד ומבחן שיש להם התאמה אקס-גאוסיאנית (לפחות %1 ניסיונות שאינם תגובות מוקדמות ואינם היסחי דעת): לרוחב, החציון של ניסיונות אלה; לגובה, τ, הממוצע של החלק המעריכי בהתאמה: הזנב האיטי שלה. מבחן שמאט כל ניסיון מזיז את הנקודות ימינה; מבחן שמוסיף ניסיונות איטיים מזיז אותן למעלה.</translation>
    </message>
    <message>
        <source>No student has %1 runs in a test yet: too few for a fit</source>
        <translation>לאף תלמיד עדיין אין %1 ניסיונות במבחן: מעט מדי להתאמה</translation>
    </message>
</context>
<context>
    <name>ShareCheck</name>
    <message>
        <source>cannot look at %1 (%2)</source>
        <translation>לא ניתן לבדוק את %1 (%2)</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 אינו תיקייה</translation>
    </message>
    <message>
        <source>cannot list %1 (%2): run this as a member of its group or as root</source>
        <translation>לא ניתן להציג את תוכן %1 (%2): הריצו זאת כחבר בקבוצה שלו או כ-root</translation>
    </message>
    <message>
        <source>1 student&apos;s folder</source>
        <translation>תיקייה של תלמיד אחד</translation>
    </message>
    <message>
        <source>%1 students&apos; folders</source>
        <translation>תיקיות של %1 תלמידים</translation>
    </message>
    <message>
        <source>%1: %2, all as the recipe has them</source>
        <translation>%1: %2, הכול כפי שבמתכון</translation>
    </message>
    <message>
        <source>%1: %2; 1 thing to put right</source>
        <translation>%1: %2; דבר אחד לתיקון</translation>
    </message>
    <message>
        <source>%1: %2; %3 things to put right</source>
        <translation>%1: %2; %3 דברים לתיקון</translation>
    </message>
    <message>
        <source>%1: the guide&apos;s first recipe, one group folder (mode 3773), group %2</source>
        <translation>%1: המתכון הראשון במדריך, תיקייה קבוצתית אחת (הרשאות 3773), קבוצה %2</translation>
    </message>
    <message>
        <source>%1: the guide&apos;s second recipe, a folder per student (mode 0751), group %2</source>
        <translation>%1: המתכון השני במדריך, תיקייה לכל תלמיד (הרשאות 0751), קבוצה %2</translation>
    </message>
    <message>
        <source>%1 has the mode %2, not %3</source>
        <translation>ההרשאות של %1 הן %2, לא %3</translation>
    </message>
    <message>
        <source>every user may list %1 and see who handed in: take the others&apos; r away</source>
        <translation>כל משתמש יכול להציג את תוכן %1 ולראות מי הגיש: הסירו את ה-r של האחרים (others)</translation>
    </message>
    <message>
        <source>without the sticky bit a student may rename or remove another&apos;s folder</source>
        <translation>בלי ה-sticky bit תלמיד יכול לשנות את שמה של תיקיית תלמיד אחר או להסיר אותה</translation>
    </message>
    <message>
        <source>without the setgid bit the students&apos; new folders do not get the group %1, and the teachers cannot read them</source>
        <translation>בלי ה-setgid bit התיקיות החדשות של התלמידים אינן מקבלות את הקבוצה %1, והמורים אינם יכולים לקרוא אותן</translation>
    </message>
    <message>
        <source>the students cannot %1 their folders in %2</source>
        <translation>התלמידים אינם יכולים %1 התיקיות שלהם ב-%2</translation>
    </message>
    <message>
        <source>make</source>
        <translation>ליצור את</translation>
    </message>
    <message>
        <source>reach</source>
        <translation>להגיע אל</translation>
    </message>
    <message>
        <source>the group %1 cannot list %2, so the teachers do not see the folders</source>
        <translation>הקבוצה %1 אינה יכולה להציג את תוכן %2, ולכן המורים אינם רואים את התיקיות</translation>
    </message>
    <message>
        <source>%1 belongs to user %2, not root: %2 may rename or remove every student&apos;s folder</source>
        <translation>%1 שייך למשתמש %2, לא ל-root: %2 יכול לשנות את שמה של תיקיית כל תלמיד או להסיר אותה</translation>
    </message>
    <message>
        <source>%1 is a link, not a student&apos;s folder: remove it (hand-ins through it are refused)</source>
        <translation>%1 הוא קישור, לא תיקיית תלמיד: הסירו אותו (הגשות דרכו נדחות)</translation>
    </message>
    <message>
        <source>%1 is no student&apos;s folder, and belongs to user %2: remove it</source>
        <translation>%1 אינו תיקייה של תלמיד, והוא שייך למשתמש %2: הסירו אותו</translation>
    </message>
    <message>
        <source>%1: there is no user %2 on this machine</source>
        <translation>%1: אין משתמש %2 במחשב זה</translation>
    </message>
    <message>
        <source>%1 belongs to user %2, not %3: remove it, or %3&apos;s hand-ins are refused</source>
        <translation>%1 שייך למשתמש %2, לא ל-%3: הסירו אותו, אחרת ההגשות של %3 נדחות</translation>
    </message>
    <message>
        <source>%1 has the group %2, not %3: the teachers cannot read it</source>
        <translation>הקבוצה של %1 היא %2, לא %3: המורים אינם יכולים לקרוא אותו</translation>
    </message>
    <message>
        <source>%1 has the mode %2, not 0750%3</source>
        <translation>ההרשאות של %1 הן %2, לא 0750%3</translation>
    </message>
    <message>
        <source>: every user may read %1&apos;s files</source>
        <translation>: כל משתמש יכול לקרוא את הקבצים של %1</translation>
    </message>
    <message>
        <source>%1 is in the group %2, and so may read every student&apos;s folder</source>
        <translation>%1 חבר בקבוצה %2, ולכן יכול לקרוא את התיקייה של כל תלמיד</translation>
    </message>
    <message>
        <source>%1 is a link, which the summary does not follow: remove it</source>
        <translation>%1 הוא קישור, שהסיכום אינו הולך אחריו: הסירו אותו</translation>
    </message>
    <message>
        <source>%1 is a FIFO, a socket or a device, which the summary does not read: remove it</source>
        <translation>%1 הוא FIFO, שקע או התקן, שהסיכום אינו קורא: הסירו אותו</translation>
    </message>
    <message>
        <source>%1 belongs to user %2, not to the folder&apos;s student</source>
        <translation>%1 שייך למשתמש %2, לא לתלמיד של התיקייה</translation>
    </message>
    <message>
        <source>every user may read %1</source>
        <translation>כל משתמש יכול לקרוא את %1</translation>
    </message>
</context>
<context>
    <name>SimpleEngine</name>
    <message>
        <source>            Audio Trigger</source>
        <translation>            גירוי קולי</translation>
    </message>
    <message>
        <source>           Visual Trigger</source>
        <translation>           גירוי חזותי</translation>
    </message>
    <message>
        <source>     Audio/Visual Trigger</source>
        <translation>     גירוי קולי/חזותי</translation>
    </message>
    <message>
        <source>The sound device &quot;%1&quot; could not be opened.</source>
        <translation>לא ניתן היה לפתוח את התקן הקול &quot;%1&quot;.</translation>
    </message>
    <message>
        <source><byte value="xd"/>An audio trigger needs it: choose a visual trigger in Options.</source>
        <translation><byte value="xd"/>גירוי קולי זקוק לו: בחרו גירוי חזותי באפשרויות.</translation>
    </message>
    <message>
        <source>No Sound Device</source>
        <translation>אין התקן קול</translation>
    </message>
    <message>
        <source><byte value="xd"/>The series runs with the colour alone.</source>
        <translation><byte value="xd"/>הרצף יתבצע עם הצבע בלבד.</translation>
    </message>
</context>
<context>
    <name>SoundCapture</name>
    <message>
        <source>the sound card has no input to record from (%1)</source>
        <translation>לכרטיס הקול אין כניסה להקלטה (%1)</translation>
    </message>
    <message>
        <source>the sound card&apos;s input cannot record mono at %1 Hz (%2)</source>
        <translation>כניסת כרטיס הקול אינה יכולה להקליט מונו ב-%1 Hz (%2)</translation>
    </message>
    <message>
        <source>no PipeWire server answers</source>
        <translation>אף שרת PipeWire אינו עונה</translation>
    </message>
    <message>
        <source>PipeWire has no input to record from</source>
        <translation>ל-PipeWire אין כניסה להקלטה</translation>
    </message>
    <message>
        <source>no PulseAudio server answers</source>
        <translation>אף שרת PulseAudio אינו עונה</translation>
    </message>
    <message>
        <source>PulseAudio has no input to record from</source>
        <translation>ל-PulseAudio אין כניסה להקלטה</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>the built-in defaults</source>
        <translation>ברירות המחדל המובנות</translation>
    </message>
    <message>
        <source>, locked by the lab</source>
        <translation>, נעולות על ידי המעבדה</translation>
    </message>
    <message>
        <source>Settings Locked</source>
        <translation>ההגדרות נעולות</translation>
    </message>
    <message>
        <source>The configuration file %1 is not read: the lab locks the settings (LockSettings in %2).</source>
        <translation>קובץ ההגדרות %1 לא נקרא: המעבדה נועלת את ההגדרות (LockSettings ב-%2).</translation>
    </message>
    <message>
        <source>Loading the class configuration ...</source>
        <translation>טוען את הגדרות הכיתה ...</translation>
    </message>
    <message>
        <source>the class configuration %1</source>
        <translation>הגדרות הכיתה %1</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>אין קובץ כזה</translation>
    </message>
    <message>
        <source>Class Configuration</source>
        <translation>הגדרות הכיתה</translation>
    </message>
    <message>
        <source>The class configuration %1 that %2 names cannot be read (%3); the configuration of this computer is used instead.</source>
        <translation>לא ניתן לקרוא את הגדרות הכיתה %1 ש-%2 מציין (%3); נעשה שימוש בהגדרות של מחשב זה במקומן.</translation>
    </message>
</context>
<context>
    <name>StartupSequence</name>
    <message>
        <source>the screen is smaller than 800 x 600; the program ends</source>
        <translation>המסך קטן מ-800 x 600; התוכנה מסתיימת</translation>
    </message>
    <message>
        <source>Fatal Application Error</source>
        <translation>שגיאה חמורה בתוכנה</translation>
    </message>
    <message>
        <source>Orv Brevane supports a minimum screen resolution of 800 x 600</source>
        <translation>Orv Brevane תומך ברזולוציית מסך של 800 x 600 לפחות</translation>
    </message>
    <message>
        <source>Press OK to terminate program</source>
        <translation>לחצו על &quot;אישור&quot; כדי לסיים את התוכנה</translation>
    </message>
    <message>
        <source>Loading default configuration file ...</source>
        <translation>טוען את קובץ ההגדרות של ברירת המחדל ...</translation>
    </message>
    <message>
        <source>Initializing application ...</source>
        <translation>מאתחל את התוכנה ...</translation>
    </message>
    <message>
        <source>Initializing application ... Almost Done</source>
        <translation>מאתחל את התוכנה ... כמעט סיים</translation>
    </message>
    <message>
        <source>not a configuration file</source>
        <translation>אינו קובץ הגדרות</translation>
    </message>
    <message>
        <source>Loading user configuration file ...</source>
        <translation>טוען את קובץ ההגדרות של המשתמש ...</translation>
    </message>
    <message>
        <source>%1: no such configuration file; using the default configuration</source>
        <translation>%1: אין קובץ הגדרות כזה; נעשה שימוש בהגדרות ברירת המחדל</translation>
    </message>
    <message>
        <source>Configuration load error</source>
        <translation>שגיאה בטעינת ההגדרות</translation>
    </message>
    <message>
        <source>File %1 could not be found</source>
        <translation>הקובץ %1 לא נמצא</translation>
    </message>
    <message>
        <source>Using Default Configuration</source>
        <translation>נעשה שימוש בהגדרות ברירת המחדל</translation>
    </message>
    <message>
        <source>%1: cannot read the configuration (%2); using the default configuration</source>
        <translation>%1: לא ניתן לקרוא את ההגדרות (%2); נעשה שימוש בהגדרות ברירת המחדל</translation>
    </message>
    <message>
        <source>Configuration Error</source>
        <translation>שגיאת הגדרות</translation>
    </message>
    <message>
        <source>Invalid Configuration File</source>
        <translation>קובץ הגדרות לא תקין</translation>
    </message>
    <message>
        <source>Using Default Configuration File</source>
        <translation>נעשה שימוש בקובץ ההגדרות של ברירת המחדל</translation>
    </message>
    <message>
        <source>%1: not found; writing one with the defaults</source>
        <translation>%1: לא נמצא; נכתב קובץ עם ברירות המחדל</translation>
    </message>
    <message>
        <source>Configuration file not found</source>
        <translation>קובץ ההגדרות לא נמצא</translation>
    </message>
    <message>
        <source>Default configuration file not found...</source>
        <translation>קובץ ההגדרות של ברירת המחדל לא נמצא...</translation>
    </message>
    <message>
        <source>Creating Reflex.Cfg</source>
        <translation>יוצר את Reflex.Cfg</translation>
    </message>
    <message>
        <source>The refused file was kept as %1</source>
        <translation>הקובץ שנדחה נשמר בשם %1</translation>
    </message>
    <message>
        <source>it could not be written</source>
        <translation>לא ניתן היה לכתוב אותו</translation>
    </message>
    <message>
        <source>%1: cannot read the configuration (%2); writing a new one with the defaults</source>
        <translation>%1: לא ניתן לקרוא את ההגדרות (%2); נכתב קובץ חדש עם ברירות המחדל</translation>
    </message>
    <message>
        <source>%1: cannot read the configuration (%2); writing a new one with the defaults (the refused file is kept beside it as %3)</source>
        <translation>%1: לא ניתן לקרוא את ההגדרות (%2); נכתב קובץ חדש עם ברירות המחדל (הקובץ שנדחה נשמר לידו בשם %3)</translation>
    </message>
    <message>
        <source>Invalid Default Configuration File</source>
        <translation>קובץ ההגדרות של ברירת המחדל לא תקין</translation>
    </message>
    <message>
        <source>Creating New Configuration File</source>
        <translation>יוצר קובץ הגדרות חדש</translation>
    </message>
    <message>
        <source>%1: cannot be written; the defaults are used until the program ends</source>
        <translation>%1: לא ניתן לכתוב אותו; ברירות המחדל ישמשו עד סיום התוכנה</translation>
    </message>
</context>
<context>
    <name>TestCore</name>
    <message>
        <source>Over write Data in Set %1 ?</source>
        <translation>לשכתב את הנתונים בסדרה %1?</translation>
    </message>
    <message>
        <source>Start Reflex Data Collection</source>
        <translation>התחלת איסוף נתוני תגובה</translation>
    </message>
    <message>
        <source>Your run has ended</source>
        <translation>הרצף שלך הסתיים</translation>
    </message>
    <message>
        <source>END RUN</source>
        <translation>סוף הרצף</translation>
    </message>
</context>
<context>
    <name>XDisplay</name>
    <message>
        <source>a compositing manager</source>
        <translation>מנהל קומפוזיציה</translation>
    </message>
</context>
<context>
    <name>brevane::ChoiceWindow</name>
    <message>
        <source>With Sound</source>
        <translation>עם צליל</translation>
    </message>
    <message>
        <source>No Sound</source>
        <translation>בלי צליל</translation>
    </message>
</context>
<context>
    <name>brevane::MachineCheckWindow</name>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;התחלה</translation>
    </message>
    <message>
        <source>S&amp;kip this part</source>
        <translation>&amp;דילוג על חלק זה</translation>
    </message>
    <message>
        <source>Sa&amp;ve the result</source>
        <translation>&amp;שמירת התוצאה</translation>
    </message>
    <message>
        <source>Brevane Machine Check</source>
        <translation>בדיקת המחשב של Brevane</translation>
    </message>
    <message>
        <source>Flashing patch</source>
        <translation>משטח מהבהב</translation>
    </message>
    <message>
        <source>Machine check guide</source>
        <translation>מדריך בדיקת המחשב</translation>
    </message>
    <message>
        <source>Machine check: what this PC adds to every time a student measures on it.

The sound card&apos;s input is the clock: it hears the screen through a photodiode, the sound through a cable from the output, and the mouse through a microphone, and the program compares what it heard with its own stamps. Three parts, each about half a minute; skip any you cannot do. Each part gives the mean, the spread (SD) and the worst of its trials.

Press Start (or Return) to begin with the screen; Esc ends the check.</source>
        <translation>בדיקת מחשב: מה שמחשב זה מוסיף לכל זמן שתלמיד מודד בו.

כניסת כרטיס הקול היא השעון: היא שומעת את המסך דרך פוטודיודה, את הקול דרך כבל מהיציאה ואת העכבר דרך מיקרופון, והתוכנה משווה את מה ששמעה לחותמות הזמן שלה. שלושה חלקים, כל אחד כחצי דקה; דלגו על כל חלק שאינכם יכולים לבצע. כל חלק נותן את הממוצע, את הפיזור (סטיית תקן) ואת הגרועה מבין המדידות שלו.

לחצו על &quot;התחלה&quot; (או Return) כדי להתחיל במסך; Esc מסיים את הבדיקה.</translation>
    </message>
    <message>
        <source>No input to record from: %1.
Plug a cable or a microphone into the sound card&apos;s input (line-in or microphone), make it the input in the sound settings, and start the check again.</source>
        <translation>אין כניסה להקלטה: %1.
חברו כבל או מיקרופון לכניסת כרטיס הקול (כניסת קו או מיקרופון), הגדירו אותה ככניסה בהגדרות הקול, והתחילו את הבדיקה מחדש.</translation>
    </message>
    <message>
        <source>

Clicks: %1 of %2</source>
        <translation>

נקישות: %1 מתוך %2</translation>
    </message>
    <message>
        <source>Screen: a photodiode held on the flashing patch.
You need a BPW34 photodiode (or any small silicon photodiode, a few euros) soldered to a 3.5 mm plug. On a line-in: the diode&apos;s anode to the tip, its cathode (the marked side) to the sleeve. On a microphone input, which feeds a few volts through the tip: the cathode to the tip, the anode to the sleeve. Set the input volume to about half.
Tape the diode flat on the middle of the patch below, the screen at the brightness the students use, the room light as in class. Press Start: the patch flashes %1 times, once a second.</source>
        <translation>מסך: פוטודיודה המוחזקת על המשטח המהבהב.
דרושה פוטודיודה BPW34 (או כל פוטודיודת סיליקון קטנה, כמה אירו) מולחמת לתקע 3.5 mm. בכניסת קו: האנודה של הדיודה לחוד, הקתודה (הצד המסומן) לשרוול. בכניסת מיקרופון, שמזינה כמה וולטים דרך החוד: הקתודה לחוד, האנודה לשרוול. כוונו את עוצמת הקלט לכמחצית.
הדביקו את הדיודה שטוחה במרכז המשטח שלהלן, כשהמסך בבהירות שבה התלמידים משתמשים ותאורת החדר כמו בשיעור. לחצו על &quot;התחלה&quot;: המשטח מהבהב %1 פעמים, פעם בשנייה.</translation>
    </message>
    <message>
        <source>Sound: the output looped to the input.
Plug a cable from the headphone socket into the line-in (or hold the headset&apos;s microphone at its speaker), the volume as in class. Press Start: %1 tones, one a second.</source>
        <translation>קול: היציאה מחוברת בלולאה לכניסה.
חברו כבל משקע האוזניות לכניסת הקו (או החזיקו את המיקרופון של האוזניות ליד הרמקול שלהן), בעוצמה כמו בשיעור. לחצו על &quot;התחלה&quot;: %1 צלילים, צליל בשנייה.</translation>
    </message>
    <message>
        <source>Mouse: each button&apos;s click, heard by a microphone next to the mouse.
Put the microphone within 5 cm of the mouse&apos;s buttons: sound travels about 0.03 ms a centimetre, so 5 cm add 0.15 ms to what is measured, 30 cm almost 1 ms. Keep the room quiet. Press Start, then click the left button %1 times in the grey square, about once a second. Each mouse you click is measured on its own.</source>
        <translation>עכבר: הנקישה של כל כפתור, שנשמעת במיקרופון ליד העכבר.
הניחו את המיקרופון במרחק של עד 5 cm מכפתורי העכבר: הקול עובר סנטימטר בכ-0.03 ms, כך ש-5 cm מוסיפים 0.15 ms למה שנמדד, ו-30 cm כמעט 1 ms. שמרו על שקט בחדר. לחצו על &quot;התחלה&quot;, ואז לחצו על הכפתור השמאלי %1 פעמים בריבוע האפור, בערך פעם בשנייה. כל עכבר שלוחצים בו נמדד בנפרד.</translation>
    </message>
    <message>
        <source>The machine check is done.

%1

Save keeps the result on this machine: the about box and the timing check show it, and it goes with the students&apos; files to the hand-in folder, where brevane-summary reads it.</source>
        <translation>בדיקת המחשב הסתיימה.

%1

שמירה משאירה את התוצאה במחשב זה: חלון &quot;אודות&quot; ובדיקת התזמון מציגים אותה, והיא נשלחת עם קובצי התלמידים לתיקיית ההגשה, שם brevane-summary קורא אותה.</translation>
    </message>
    <message>
        <source>%1: skipped</source>
        <translation>%1: דולג</translation>
    </message>
    <message>
        <source>

Measuring...</source>
        <translation>

מודד...</translation>
    </message>
    <message>
        <source>

Flashes: %1 of %2</source>
        <translation>

הבזקים: %1 מתוך %2</translation>
    </message>
    <message>
        <source>

Tones: %1 of %2</source>
        <translation>

צלילים: %1 מתוך %2</translation>
    </message>
    <message>
        <source>%1: mean %2 ms, SD %3 ms, worst %4 ms over %5 of %6 trials</source>
        <translation>%1: ממוצע %2 ms, סטיית תקן %3 ms, הגרוע ביותר %4 ms, על פני %5 מתוך %6 מדידות</translation>
    </message>
    <message>
        <source>%1: refused: %2</source>
        <translation>%1: נדחה: %2</translation>
    </message>
    <message>
        <source>&amp;Finish</source>
        <translation>&amp;סיום</translation>
    </message>
    <message>
        <source>&amp;Next part</source>
        <translation>החלק ה&amp;בא</translation>
    </message>
    <message>
        <source>

Press %1 (Return) to go on.</source>
        <translation>

לחצו על &quot;%1&quot; (Return) כדי להמשיך.</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>סיום</translation>
    </message>
    <message>
        <source>Next part</source>
        <translation>החלק הבא</translation>
    </message>
    <message>
        <source>Saved to %1.
For every user of this machine, copy it to /etc/xdg/Brevane/machine-check.txt (as root). Esc ends the check.</source>
        <translation>נשמר ב-%1.
כדי שישמש את כל משתמשי המחשב, העתיקו אותו אל /etc/xdg/Brevane/machine-check.txt (כ-root). Esc מסיים את הבדיקה.</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <translation>לא ניתן היה לשמור את %1: %2</translation>
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
        <translation>זמנים</translation>
    </message>
    <message>
        <source>Set %1</source>
        <translation>סדרה %1</translation>
    </message>
</context>
<context>
    <name>brevane::TimingCheckWindow</name>
    <message>
        <source>Brevane Timing Check</source>
        <translation>בדיקת התזמון של Brevane</translation>
    </message>
    <message>
        <source>Flashing patch</source>
        <translation>משטח מהבהב</translation>
    </message>
    <message>
        <source>Timing readout</source>
        <translation>קריאת התזמון</translation>
    </message>
    <message>
        <source>Frames: measuring...</source>
        <translation>פריימים: מודד...</translation>
    </message>
    <message>
        <source>Frames stamped at %L1 Hz (one every %L2 ms)
Frame time jitter: SD %L3 ms, worst %L4 ms, %5 late of the last %6</source>
        <translation>פריימים נחתמים ב-%L1 Hz (אחד כל %L2 ms)
ריצוד זמן הפריים: סטיית תקן %L3 ms, הגרוע ביותר %L4 ms, %5 מאחרים מתוך %6 האחרונים</translation>
    </message>
    <message>
        <source>
Times may be one frame long: see the guide</source>
        <translation>
ייתכן שהזמנים ארוכים בפריים אחד: ראו במדריך</translation>
    </message>
    <message>
        <source>Timing check: Esc or a click ends it
Refresh reported by the screen: %L1 Hz; the monitor&apos;s mode: %2
%3
Stamp sources: display %4, input %5, sound %6
Compositor: %7; stimulus stamps: %8%9
The patch turns every %10 frames (frame %11)
%12</source>
        <translation>בדיקת תזמון: Esc או לחיצה מסיימים אותה
הרענון שהמסך מדווח: %L1 Hz; מצב המסך: %2
%3
מקורות חותמות הזמן: תצוגה %4, קלט %5, קול %6
קומפוזיטור: %7; חותמות הזמן של הגירויים: %8%9
המשטח מתחלף כל %10 פריימים (פריים %11)
%12</translation>
    </message>
</context>
<context>
    <name>brevane::frmAbout</name>
    <message>
        <source>Release %1</source>
        <translation>מהדורה %1</translation>
    </message>
    <message>
        <source>Configuration: %1</source>
        <translation>הגדרות: %1</translation>
    </message>
</context>
<context>
    <name>brevane::frmColorSelect</name>
    <message>
        <source>Black</source>
        <translation>שחור</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>כחול</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>ירוק</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>טורקיז</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>אדום</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>מגנטה</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>צהוב</translation>
    </message>
    <message>
        <source>White</source>
        <translation>לבן</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>אפור</translation>
    </message>
    <message>
        <source>Light Blue</source>
        <translation>כחול בהיר</translation>
    </message>
    <message>
        <source>Light Green</source>
        <translation>ירוק בהיר</translation>
    </message>
    <message>
        <source>Light Cyan</source>
        <translation>טורקיז בהיר</translation>
    </message>
    <message>
        <source>Light Red</source>
        <translation>אדום בהיר</translation>
    </message>
    <message>
        <source>Light Magenta</source>
        <translation>מגנטה בהירה</translation>
    </message>
    <message>
        <source>Light Yellow</source>
        <translation>צהוב בהיר</translation>
    </message>
    <message>
        <source>Bright White</source>
        <translation>לבן בוהק</translation>
    </message>
</context>
<context>
    <name>brevane::frmMain</name>
    <message>
        <source>Version %1</source>
        <translation>גרסה %1</translation>
    </message>
</context>
<context>
    <name>brevane::summary::ClassChartWindow</name>
    <message>
        <source>Class reaction times</source>
        <translation>זמני תגובה בכיתה</translation>
    </message>
    <message>
        <source>Handed in</source>
        <translation>הוגשו</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About Brevane</source>
        <translation>אודות Brevane</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>לוגו</translation>
    </message>
    <message>
        <source>Simple vs Complex Stimulus Reaction Timing</source>
        <translation>מדידת זמן תגובה לגירוי פשוט ומורכב</translation>
    </message>
    <message>
        <source>Orv Brevane 2</source>
        <translation>Orv Brevane 2</translation>
    </message>
    <message>
        <source>For Linux with X11 and Wayland</source>
        <translation>ל-Linux עם X11 ו-Wayland</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>טיימר</translation>
    </message>
    <message>
        <source>Reaction timing for student laboratory courses</source>
        <translation>מדידת זמני תגובה לקורסי מעבדה של תלמידים</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>קול</translation>
    </message>
    <message>
        <source>Your files are kept in:</source>
        <translation>הקבצים שלך נשמרים בתיקייה:</translation>
    </message>
    <message>
        <source>Language: English</source>
        <comment>The language this translation is: translators name their own language, in it</comment>
        <translation>שפה: עברית</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>אישור</translation>
    </message>
</context>
<context>
    <name>frmCfg</name>
    <message>
        <source>Brevane Settings</source>
        <translation>הגדרות Brevane</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>פשוטה</translation>
    </message>
    <message>
        <source>Simple Single Choice Settings</source>
        <translation>הגדרות תגובה פשוטה</translation>
    </message>
    <message>
        <source>Runs Per Set</source>
        <translation>ניסיונות בסדרה</translation>
    </message>
    <message>
        <source>Trigger On</source>
        <translation>סוג הגירוי</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>קולי</translation>
    </message>
    <message>
        <source>Visual</source>
        <translation>חזותי</translation>
    </message>
    <message>
        <source>Trigger Color</source>
        <translation>צבע הגירוי</translation>
    </message>
    <message>
        <source>Color of the visual stimulus: click to choose another</source>
        <translation>צבע הגירוי החזותי: לחצו כדי לבחור צבע אחר</translation>
    </message>
    <message>
        <source>Interval Timing</source>
        <translation>תזמון המרווח</translation>
    </message>
    <message>
        <source>Random Interval</source>
        <translation>מרווח אקראי</translation>
    </message>
    <message>
        <source>Fixed Interval</source>
        <translation>מרווח קבוע</translation>
    </message>
    <message>
        <source>Fixed Time Interval</source>
        <translation>מרווח זמן קבוע</translation>
    </message>
    <message>
        <source>Minimum Time Interval</source>
        <translation>מרווח זמן מזערי</translation>
    </message>
    <message>
        <source>Color/Audio</source>
        <translation>צבע/צליל</translation>
    </message>
    <message>
        <source>Complex Choice Color/Audio Settings</source>
        <translation>הגדרות תגובת בחירה, צבע/צליל</translation>
    </message>
    <message>
        <source>Display Time</source>
        <translation>זמן הצגה</translation>
    </message>
    <message>
        <source>Color and Audio</source>
        <translation>צבע וצליל</translation>
    </message>
    <message>
        <source>Color no Audio</source>
        <translation>צבע בלי צליל</translation>
    </message>
    <message>
        <source>Make Sound</source>
        <translation>השמעת צליל</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>כן</translation>
    </message>
    <message>
        <source>No</source>
        <translation>לא</translation>
    </message>
    <message>
        <source>Elements</source>
        <translation>רכיבים</translation>
    </message>
    <message>
        <source>Elements in Set</source>
        <translation>רכיבים בסדרה</translation>
    </message>
    <message>
        <source>Trigger Element</source>
        <translation>רכיב המטרה</translation>
    </message>
    <message>
        <source>Trigger Element Color</source>
        <translation>צבע רכיב המטרה</translation>
    </message>
    <message>
        <source>Color of the trigger element: click to choose another</source>
        <translation>צבע רכיב המטרה: לחצו כדי לבחור צבע אחר</translation>
    </message>
    <message>
        <source>Element</source>
        <translation>רכיב</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>צבע</translation>
    </message>
    <message>
        <source>Choose the color of this element</source>
        <translation>בחירת הצבע של רכיב זה</translation>
    </message>
    <message>
        <source>Element Colors</source>
        <translation>צבעי הרכיבים</translation>
    </message>
    <message>
        <source>Element 1 Color</source>
        <translation>צבע רכיב 1</translation>
    </message>
    <message>
        <source>Color of element 1: click to choose another (grey: not in use)</source>
        <translation>צבע רכיב 1: לחצו כדי לבחור צבע אחר (אפור: לא בשימוש)</translation>
    </message>
    <message>
        <source>Element 2 Color</source>
        <translation>צבע רכיב 2</translation>
    </message>
    <message>
        <source>Color of element 2: click to choose another (grey: not in use)</source>
        <translation>צבע רכיב 2: לחצו כדי לבחור צבע אחר (אפור: לא בשימוש)</translation>
    </message>
    <message>
        <source>Element 3 Color</source>
        <translation>צבע רכיב 3</translation>
    </message>
    <message>
        <source>Color of element 3: click to choose another (grey: not in use)</source>
        <translation>צבע רכיב 3: לחצו כדי לבחור צבע אחר (אפור: לא בשימוש)</translation>
    </message>
    <message>
        <source>Element 4 Color</source>
        <translation>צבע רכיב 4</translation>
    </message>
    <message>
        <source>Color of element 4: click to choose another (grey: not in use)</source>
        <translation>צבע רכיב 4: לחצו כדי לבחור צבע אחר (אפור: לא בשימוש)</translation>
    </message>
    <message>
        <source>Element 5 Color</source>
        <translation>צבע רכיב 5</translation>
    </message>
    <message>
        <source>Color of element 5: click to choose another (grey: not in use)</source>
        <translation>צבע רכיב 5: לחצו כדי לבחור צבע אחר (אפור: לא בשימוש)</translation>
    </message>
    <message>
        <source>Element 6 Color</source>
        <translation>צבע רכיב 6</translation>
    </message>
    <message>
        <source>Color of element 6: click to choose another (grey: not in use)</source>
        <translation>צבע רכיב 6: לחצו כדי לבחור צבע אחר (אפור: לא בשימוש)</translation>
    </message>
    <message>
        <source>Element 7 Color</source>
        <translation>צבע רכיב 7</translation>
    </message>
    <message>
        <source>Color of element 7: click to choose another (grey: not in use)</source>
        <translation>צבע רכיב 7: לחצו כדי לבחור צבע אחר (אפור: לא בשימוש)</translation>
    </message>
    <message>
        <source>Element 8 Color</source>
        <translation>צבע רכיב 8</translation>
    </message>
    <message>
        <source>Color of element 8: click to choose another (grey: not in use)</source>
        <translation>צבע רכיב 8: לחצו כדי לבחור צבע אחר (אפור: לא בשימוש)</translation>
    </message>
    <message>
        <source>Element 9 Color</source>
        <translation>צבע רכיב 9</translation>
    </message>
    <message>
        <source>Color of element 9: click to choose another (grey: not in use)</source>
        <translation>צבע רכיב 9: לחצו כדי לבחור צבע אחר (אפור: לא בשימוש)</translation>
    </message>
    <message>
        <source>Element 10 Color</source>
        <translation>צבע רכיב 10</translation>
    </message>
    <message>
        <source>Color of element 10: click to choose another (grey: not in use)</source>
        <translation>צבע רכיב 10: לחצו כדי לבחור צבע אחר (אפור: לא בשימוש)</translation>
    </message>
    <message>
        <source>Num/Audio</source>
        <translation>מספר/צליל</translation>
    </message>
    <message>
        <source>Complex Choice Numbers/Audio Settings</source>
        <translation>הגדרות תגובת בחירה, מספרים/צליל</translation>
    </message>
    <message>
        <source>Number and Audio</source>
        <translation>מספר וצליל</translation>
    </message>
    <message>
        <source>Number no Audio</source>
        <translation>מספר בלי צליל</translation>
    </message>
    <message>
        <source>Trigger Number</source>
        <translation>מספר המטרה</translation>
    </message>
    <message>
        <source>The number of the trigger element</source>
        <translation>המספר של רכיב המטרה</translation>
    </message>
    <message>
        <source>Element Number</source>
        <translation>מספר הרכיב</translation>
    </message>
    <message>
        <source>The number of this element (0 to 99)</source>
        <translation>המספר של רכיב זה (0 עד 99)</translation>
    </message>
    <message>
        <source>Element Numbers</source>
        <translation>מספרי הרכיבים</translation>
    </message>
    <message>
        <source>Element 1 Number</source>
        <translation>מספר רכיב 1</translation>
    </message>
    <message>
        <source>Element 2 Number</source>
        <translation>מספר רכיב 2</translation>
    </message>
    <message>
        <source>Element 3 Number</source>
        <translation>מספר רכיב 3</translation>
    </message>
    <message>
        <source>Element 4 Number</source>
        <translation>מספר רכיב 4</translation>
    </message>
    <message>
        <source>Element 5 Number</source>
        <translation>מספר רכיב 5</translation>
    </message>
    <message>
        <source>Element 6 Number</source>
        <translation>מספר רכיב 6</translation>
    </message>
    <message>
        <source>Element 7 Number</source>
        <translation>מספר רכיב 7</translation>
    </message>
    <message>
        <source>Element 8 Number</source>
        <translation>מספר רכיב 8</translation>
    </message>
    <message>
        <source>Element 9 Number</source>
        <translation>מספר רכיב 9</translation>
    </message>
    <message>
        <source>Element 10 Number</source>
        <translation>מספר רכיב 10</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>עוצמת קול</translation>
    </message>
    <message>
        <source>Master volume of the speakers</source>
        <translation>עוצמת הקול הראשית של הרמקולים</translation>
    </message>
    <message>
        <source>Volume Setting</source>
        <translation>עוצמת הקול שנקבעה</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;אישור</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;ביטול</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>א&amp;יפוס</translation>
    </message>
    <message>
        <source>Back to the configuration loaded at start-up</source>
        <translation>חזרה להגדרות שנטענו בעת ההפעלה</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;טעינה</translation>
    </message>
    <message>
        <source>Load a configuration file</source>
        <translation>טעינת קובץ הגדרות</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;שמירה</translation>
    </message>
    <message>
        <source>Save the configuration to a file</source>
        <translation>שמירת ההגדרות לקובץ</translation>
    </message>
</context>
<context>
    <name>frmChoiceReflexDisplay</name>
    <message>
        <source>Complex Choice Color/Audio Stimulus Module Data Display</source>
        <translation>תוצאות מודול תגובת בחירה, צבע/צליל</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>לוגו</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>גרסה</translation>
    </message>
    <message>
        <source>Set 1</source>
        <translation>סדרה 1</translation>
    </message>
    <message>
        <source>Run Data</source>
        <translation>נתוני הניסיונות</translation>
    </message>
    <message>
        <source>Run 1</source>
        <translation>ניסיון 1</translation>
    </message>
    <message>
        <source>Run 2</source>
        <translation>ניסיון 2</translation>
    </message>
    <message>
        <source>Run 3</source>
        <translation>ניסיון 3</translation>
    </message>
    <message>
        <source>Run 4</source>
        <translation>ניסיון 4</translation>
    </message>
    <message>
        <source>Run 5</source>
        <translation>ניסיון 5</translation>
    </message>
    <message>
        <source>Run 6</source>
        <translation>ניסיון 6</translation>
    </message>
    <message>
        <source>Run 7</source>
        <translation>ניסיון 7</translation>
    </message>
    <message>
        <source>Run 8</source>
        <translation>ניסיון 8</translation>
    </message>
    <message>
        <source>Run 9</source>
        <translation>ניסיון 9</translation>
    </message>
    <message>
        <source>Run 10</source>
        <translation>ניסיון 10</translation>
    </message>
    <message>
        <source>Run Statistics</source>
        <translation>סטטיסטיקת הניסיונות</translation>
    </message>
    <message>
        <source>Fast Time</source>
        <translation>המהיר ביותר</translation>
    </message>
    <message>
        <source>Slow Time</source>
        <translation>האיטי ביותר</translation>
    </message>
    <message>
        <source>Average Time</source>
        <translation>הזמן הממוצע</translation>
    </message>
    <message>
        <source>Outcomes</source>
        <translation>סוגי התגובה</translation>
    </message>
    <message>
        <source>Correct Hits</source>
        <translation>פגיעות נכונות</translation>
    </message>
    <message>
        <source>Correct Misses</source>
        <translation>הימנעויות נכונות</translation>
    </message>
    <message>
        <source>InCorrect Hits</source>
        <translation>פגיעות שגויות</translation>
    </message>
    <message>
        <source>Missed Hits</source>
        <translation>החמצות</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>הערות</translation>
    </message>
    <message>
        <source>Set 2</source>
        <translation>סדרה 2</translation>
    </message>
    <message>
        <source>Set 3</source>
        <translation>סדרה 3</translation>
    </message>
    <message>
        <source>Set 4</source>
        <translation>סדרה 4</translation>
    </message>
    <message>
        <source>Set 5</source>
        <translation>סדרה 5</translation>
    </message>
    <message>
        <source>Set 6</source>
        <translation>סדרה 6</translation>
    </message>
    <message>
        <source>Set 7</source>
        <translation>סדרה 7</translation>
    </message>
    <message>
        <source>Set 8</source>
        <translation>סדרה 8</translation>
    </message>
    <message>
        <source>Set 9</source>
        <translation>סדרה 9</translation>
    </message>
    <message>
        <source>Set 10</source>
        <translation>סדרה 10</translation>
    </message>
    <message>
        <source>Fastest Times</source>
        <translation>הזמנים המהירים ביותר</translation>
    </message>
    <message>
        <source>Set Data For Fastest Times</source>
        <translation>נתוני הסדרות לזמנים המהירים ביותר</translation>
    </message>
    <message>
        <source>Slowest Times</source>
        <translation>הזמנים האיטיים ביותר</translation>
    </message>
    <message>
        <source>Set Data For Slowest Times</source>
        <translation>נתוני הסדרות לזמנים האיטיים ביותר</translation>
    </message>
    <message>
        <source>Average Times</source>
        <translation>זמנים ממוצעים</translation>
    </message>
    <message>
        <source>Set Data For Average Times</source>
        <translation>נתוני הסדרות לזמנים הממוצעים</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>הדפסה</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>טעינה</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>שמירה</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>ייצוא</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>ניקוי הכול</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>סיום</translation>
    </message>
</context>
<context>
    <name>frmColorReflex</name>
    <message>
        <source>Complex Choice Color/Audio Stimulus Module</source>
        <translation>מודול תגובת בחירה, צבע/צליל</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>לוגו</translation>
    </message>
    <message>
        <source>Complex Choice Color/Audio Stimulus</source>
        <translation>גירוי בחירה, צבע/צליל</translation>
    </message>
    <message>
        <source>Trigger On</source>
        <translation>סוג הגירוי</translation>
    </message>
    <message>
        <source>Trigger Element</source>
        <translation>רכיב המטרה</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>צליל</translation>
    </message>
    <message>
        <source>Press Here</source>
        <translation>לחצו כאן</translation>
    </message>
    <message>
        <source>Element Display</source>
        <translation>הצגת הרכיב</translation>
    </message>
    <message>
        <source>Set Indicator</source>
        <translation>סדרה</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>זמן</translation>
    </message>
    <message>
        <source>Previous Time</source>
        <translation>הזמן הקודם</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>הפרש</translation>
    </message>
    <message>
        <source>Average Time</source>
        <translation>הזמן הממוצע</translation>
    </message>
    <message>
        <source>Run Count</source>
        <translation>מספר ניסיונות</translation>
    </message>
    <message>
        <source>Correct Hits</source>
        <translation>פגיעות נכונות</translation>
    </message>
    <message>
        <source>Incorrect Hits</source>
        <translation>פגיעות שגויות</translation>
    </message>
    <message>
        <source>Correct Misses</source>
        <translation>הימנעויות נכונות</translation>
    </message>
    <message>
        <source>Missed Hits</source>
        <translation>החמצות</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>תיאור</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>התחלה</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>עצירה</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>אפשרויות</translation>
    </message>
    <message>
        <source>Clear Set</source>
        <translation>ניקוי סדרה</translation>
    </message>
    <message>
        <source>Next Set</source>
        <translation>הסדרה הבאה</translation>
    </message>
    <message>
        <source>Prev Set</source>
        <translation>הסדרה הקודמת</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>תוצאות</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>סיום</translation>
    </message>
</context>
<context>
    <name>frmColorSelect</name>
    <message>
        <source>Color Selection</source>
        <translation>בחירת צבע</translation>
    </message>
    <message>
        <source>Current Color:</source>
        <translation>הצבע הנוכחי:</translation>
    </message>
    <message>
        <source>Current Color</source>
        <translation>הצבע הנוכחי</translation>
    </message>
    <message>
        <source>Color Selected:</source>
        <translation>הצבע שנבחר:</translation>
    </message>
    <message>
        <source>Color Selected</source>
        <translation>הצבע שנבחר</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>&amp;בחירה</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>בי&amp;טול</translation>
    </message>
</context>
<context>
    <name>frmDisplay</name>
    <message>
        <source>Simple Choice Stimulus Module Data Display</source>
        <translation>תוצאות מודול תגובה פשוטה</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>לוגו</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>גרסה</translation>
    </message>
    <message>
        <source>Set 1</source>
        <translation>סדרה 1</translation>
    </message>
    <message>
        <source>Run Data</source>
        <translation>נתוני הניסיונות</translation>
    </message>
    <message>
        <source>Run 1</source>
        <translation>ניסיון 1</translation>
    </message>
    <message>
        <source>Run 2</source>
        <translation>ניסיון 2</translation>
    </message>
    <message>
        <source>Run 3</source>
        <translation>ניסיון 3</translation>
    </message>
    <message>
        <source>Run 4</source>
        <translation>ניסיון 4</translation>
    </message>
    <message>
        <source>Run 5</source>
        <translation>ניסיון 5</translation>
    </message>
    <message>
        <source>Run 6</source>
        <translation>ניסיון 6</translation>
    </message>
    <message>
        <source>Run 7</source>
        <translation>ניסיון 7</translation>
    </message>
    <message>
        <source>Run 8</source>
        <translation>ניסיון 8</translation>
    </message>
    <message>
        <source>Run 9</source>
        <translation>ניסיון 9</translation>
    </message>
    <message>
        <source>Run 10</source>
        <translation>ניסיון 10</translation>
    </message>
    <message>
        <source>Run Statistics</source>
        <translation>סטטיסטיקת הניסיונות</translation>
    </message>
    <message>
        <source>Fast Time</source>
        <translation>המהיר ביותר</translation>
    </message>
    <message>
        <source>Slow Time</source>
        <translation>האיטי ביותר</translation>
    </message>
    <message>
        <source>Average Time</source>
        <translation>הזמן הממוצע</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>הערות</translation>
    </message>
    <message>
        <source>Set 2</source>
        <translation>סדרה 2</translation>
    </message>
    <message>
        <source>Set 3</source>
        <translation>סדרה 3</translation>
    </message>
    <message>
        <source>Set 4</source>
        <translation>סדרה 4</translation>
    </message>
    <message>
        <source>Set 5</source>
        <translation>סדרה 5</translation>
    </message>
    <message>
        <source>Set 6</source>
        <translation>סדרה 6</translation>
    </message>
    <message>
        <source>Set 7</source>
        <translation>סדרה 7</translation>
    </message>
    <message>
        <source>Set 8</source>
        <translation>סדרה 8</translation>
    </message>
    <message>
        <source>Set 9</source>
        <translation>סדרה 9</translation>
    </message>
    <message>
        <source>Set 10</source>
        <translation>סדרה 10</translation>
    </message>
    <message>
        <source>Fastest Times</source>
        <translation>הזמנים המהירים ביותר</translation>
    </message>
    <message>
        <source>Set Data For Fastest Times</source>
        <translation>נתוני הסדרות לזמנים המהירים ביותר</translation>
    </message>
    <message>
        <source>Slowest Times</source>
        <translation>הזמנים האיטיים ביותר</translation>
    </message>
    <message>
        <source>Set Data For Slowest Times</source>
        <translation>נתוני הסדרות לזמנים האיטיים ביותר</translation>
    </message>
    <message>
        <source>Average Times</source>
        <translation>זמנים ממוצעים</translation>
    </message>
    <message>
        <source>Set Data For Average Times</source>
        <translation>נתוני הסדרות לזמנים הממוצעים</translation>
    </message>
    <message>
        <source>All Data</source>
        <translation>כל הנתונים</translation>
    </message>
    <message>
        <source>Data Only Displayed On The Graph</source>
        <translation>הנתונים מוצגים בתרשים בלבד</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>הדפסה</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>טעינה</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>שמירה</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>ייצוא</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>ניקוי הכול</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>סיום</translation>
    </message>
</context>
<context>
    <name>frmLoadDisplay</name>
    <message>
        <source>Loading</source>
        <translation>טוען</translation>
    </message>
    <message>
        <source>Loading Display Please Wait...</source>
        <translation>טוען את התצוגה, נא להמתין...</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Simple vs Complex Stimulus Reaction Timing</source>
        <translation>מדידת זמן תגובה לגירוי פשוט ומורכב</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>פשוטה</translation>
    </message>
    <message>
        <source>Simple Single Stimulus Module</source>
        <translation>מודול תגובה פשוטה לגירוי יחיד</translation>
    </message>
    <message>
        <source>Color/Audio</source>
        <translation>צבע/צליל</translation>
    </message>
    <message>
        <source>Complex Color/Audio Stimulus Module</source>
        <translation>מודול גירוי מורכב, צבע/צליל</translation>
    </message>
    <message>
        <source>Num/Audio</source>
        <translation>מספר/צליל</translation>
    </message>
    <message>
        <source>Complex Number/Audio Stimulus Module</source>
        <translation>מודול גירוי מורכב, מספר/צליל</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>אפשרויות</translation>
    </message>
    <message>
        <source>Edit Brev Settings</source>
        <translation>עריכת הגדרות Brevane</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>ניקוי נתונים</translation>
    </message>
    <message>
        <source>Clear All Data Sets</source>
        <translation>ניקוי כל סדרות הנתונים</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>שחזור</translation>
    </message>
    <message>
        <source>Recover Data after a system crash</source>
        <translation>שחזור נתונים לאחר קריסת מערכת</translation>
    </message>
    <message>
        <source>About</source>
        <translation>אודות</translation>
    </message>
    <message>
        <source>Display About box</source>
        <translation>הצגת חלון &quot;אודות&quot;</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>יציאה</translation>
    </message>
    <message>
        <source>Quit Brev</source>
        <translation>יציאה מ-Brevane</translation>
    </message>
    <message>
        <source>Are you sure you want to DELETE ALL DATA ?</source>
        <translation>האם אכן למחוק את כל הנתונים?</translation>
    </message>
    <message>
        <source>Delete All Data</source>
        <translation>מחיקת כל הנתונים</translation>
    </message>
    <message>
        <source>Are you sure you want to exit?</source>
        <translation>האם אכן לצאת?</translation>
    </message>
    <message>
        <source>Data NOT saved!<byte value="xd"/></source>
        <translation>הנתונים לא נשמרו!<byte value="xd"/></translation>
    </message>
    <message>
        <source>Exit Orv Brevane 2</source>
        <translation>יציאה מ-Orv Brevane 2</translation>
    </message>
</context>
<context>
    <name>frmNumberReflex</name>
    <message>
        <source>Complex Choice Number/Audio Stimulus Module</source>
        <translation>מודול תגובת בחירה, מספר/צליל</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>לוגו</translation>
    </message>
    <message>
        <source>Complex Choice Number/Audio Stimulus</source>
        <translation>גירוי בחירה, מספר/צליל</translation>
    </message>
    <message>
        <source>Trigger On</source>
        <translation>סוג הגירוי</translation>
    </message>
    <message>
        <source>Trigger Element</source>
        <translation>רכיב המטרה</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>צליל</translation>
    </message>
    <message>
        <source>Press Here</source>
        <translation>לחצו כאן</translation>
    </message>
    <message>
        <source>Element Display</source>
        <translation>הצגת הרכיב</translation>
    </message>
    <message>
        <source>Set Indicator</source>
        <translation>סדרה</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>זמן</translation>
    </message>
    <message>
        <source>Previous Time</source>
        <translation>הזמן הקודם</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>הפרש</translation>
    </message>
    <message>
        <source>Average Time</source>
        <translation>הזמן הממוצע</translation>
    </message>
    <message>
        <source>Run Count</source>
        <translation>מספר ניסיונות</translation>
    </message>
    <message>
        <source>Correct Hits</source>
        <translation>פגיעות נכונות</translation>
    </message>
    <message>
        <source>Incorrect Hits</source>
        <translation>פגיעות שגויות</translation>
    </message>
    <message>
        <source>Correct Misses</source>
        <translation>הימנעויות נכונות</translation>
    </message>
    <message>
        <source>Missed Hits</source>
        <translation>החמצות</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>תיאור</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>התחלה</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>עצירה</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>אפשרויות</translation>
    </message>
    <message>
        <source>Clear Set</source>
        <translation>ניקוי סדרה</translation>
    </message>
    <message>
        <source>Next Set</source>
        <translation>הסדרה הבאה</translation>
    </message>
    <message>
        <source>Prev Set</source>
        <translation>הסדרה הקודמת</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>תוצאות</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>סיום</translation>
    </message>
</context>
<context>
    <name>frmPrint</name>
    <message>
        <source>Print Data</source>
        <translation>הדפסת נתונים</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>כותרת:</translation>
    </message>
    <message>
        <source>Select Sets To Print</source>
        <translation>בחירת הסדרות להדפסה</translation>
    </message>
    <message>
        <source>Set 1</source>
        <translation>סדרה 1</translation>
    </message>
    <message>
        <source>Set 2</source>
        <translation>סדרה 2</translation>
    </message>
    <message>
        <source>Set 3</source>
        <translation>סדרה 3</translation>
    </message>
    <message>
        <source>Set 4</source>
        <translation>סדרה 4</translation>
    </message>
    <message>
        <source>Set 5</source>
        <translation>סדרה 5</translation>
    </message>
    <message>
        <source>Set 6</source>
        <translation>סדרה 6</translation>
    </message>
    <message>
        <source>Set 7</source>
        <translation>סדרה 7</translation>
    </message>
    <message>
        <source>Set 8</source>
        <translation>סדרה 8</translation>
    </message>
    <message>
        <source>Set 9</source>
        <translation>סדרה 9</translation>
    </message>
    <message>
        <source>Set 10</source>
        <translation>סדרה 10</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>בחירת הכול</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>הגדרה</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>אישור</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ביטול</translation>
    </message>
    <message>
        <source>UnSelectAll</source>
        <translation>ביטול בחירת הכול</translation>
    </message>
    <message>
        <source>SelectAll</source>
        <translation>בחירת הכול</translation>
    </message>
    <message>
        <source>You must select atleast ONE set to Print</source>
        <translation>יש לבחור לפחות סדרה אחת להדפסה</translation>
    </message>
    <message>
        <source>Printing Error</source>
        <translation>שגיאת הדפסה</translation>
    </message>
</context>
<context>
    <name>frmReflex</name>
    <message>
        <source>Simple Choice Stimulus Module</source>
        <translation>מודול תגובה פשוטה</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>לוגו</translation>
    </message>
    <message>
        <source>Simple Choice Stimulus</source>
        <translation>גירוי פשוט</translation>
    </message>
    <message>
        <source>           Visual Trigger</source>
        <translation>           גירוי חזותי</translation>
    </message>
    <message>
        <source>Press Here</source>
        <translation>לחצו כאן</translation>
    </message>
    <message>
        <source>Stimulus</source>
        <translation>גירוי</translation>
    </message>
    <message>
        <source>Speaker</source>
        <translation>רמקול</translation>
    </message>
    <message>
        <source>Set Indicator</source>
        <translation>סדרה</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>סדרה</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>תיאור</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>זמן</translation>
    </message>
    <message>
        <source>Previous Time</source>
        <translation>הזמן הקודם</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>הפרש</translation>
    </message>
    <message>
        <source>Average Time</source>
        <translation>הזמן הממוצע</translation>
    </message>
    <message>
        <source>Run Count</source>
        <translation>מספר ניסיונות</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>התחלה</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>עצירה</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>אפשרויות</translation>
    </message>
    <message>
        <source>Clear Set</source>
        <translation>ניקוי סדרה</translation>
    </message>
    <message>
        <source>Next Set</source>
        <translation>הסדרה הבאה</translation>
    </message>
    <message>
        <source>Prev Set</source>
        <translation>הסדרה הקודמת</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>תוצאות</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>סיום</translation>
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
        <translation>מדידת זמן תגובה לגירוי פשוט ומורכב</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>מצב</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>התקדמות</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>there is no translation for &quot;%1&quot;; the program is shown in English</source>
        <translation>אין תרגום עבור &quot;%1&quot;; התוכנה מוצגת באנגלית</translation>
    </message>
</context>
<context>
    <name>summary</name>
    <message>
        <source>The class summary of reaction-time files (recover.dat, .nrm and .col files, or folders of them):
sets.csv, students.csv, class.csv, class-notes.txt, class-chart.pdf and class-chart.png.</source>
        <translation>סיכום הכיתה של קובצי זמני תגובה (קובצי recover.dat, .nrm ו-.col, או תיקיות שלהם):
sets.csv, students.csv, class.csv, class-notes.txt, class-chart.pdf ו-class-chart.png.</translation>
    </message>
    <message>
        <source>Write into &lt;folder&gt; (default: the current folder).</source>
        <translation>כתיבה אל &lt;תיקייה&gt; (ברירת מחדל: התיקייה הנוכחית).</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>תיקייה</translation>
    </message>
    <message>
        <source>The .col files are the colour test&apos;s.</source>
        <translation>קובצי ה-.col הם של מבחן הצבעים.</translation>
    </message>
    <message>
        <source>The .col files are the number test&apos;s.</source>
        <translation>קובצי ה-.col הם של מבחן המספרים.</translation>
    </message>
    <message>
        <source>Name each student after their folder or their files&apos; names.</source>
        <translation>מתן שם לכל תלמיד לפי התיקייה שלו או לפי שמות הקבצים שלו.</translation>
    </message>
    <message>
        <source>Start each CSV file with a UTF-8 mark.</source>
        <translation>התחלת כל קובץ CSV בסימן UTF-8.</translation>
    </message>
    <message>
        <source>Write again whenever a file changes, until stopped.</source>
        <translation>כתיבה מחדש בכל פעם שקובץ משתנה, עד לעצירה.</translation>
    </message>
    <message>
        <source>As --watch, with the chart in a window.</source>
        <translation>כמו --watch, עם התרשים בחלון.</translation>
    </message>
    <message>
        <source>Data files and folders.</source>
        <translation>קובצי נתונים ותיקיות.</translation>
    </message>
    <message>
        <source>path...</source>
        <translation>נתיב...</translation>
    </message>
    <message>
        <source>--colour and --number exclude each other: summarise each test&apos;s .col files apart</source>
        <translation>--colour וגם --number אינם יכולים לבוא יחד: סכמו את קובצי ה-.col של כל מבחן בנפרד</translation>
    </message>
    <message>
        <source>--student-from takes folder or name, not %1</source>
        <translation>--student-from מקבל folder או name, לא %1</translation>
    </message>
    <message>
        <source>no file could be read; nothing written</source>
        <translation>לא ניתן היה לקרוא אף קובץ; דבר לא נכתב</translation>
    </message>
    <message>
        <source>Count a folder&apos;s files as its owners handed them in (yes), or by their names (no); by default the owners decide in a hand-in folder, one that others may enter but not list.</source>
        <translation>ספירת קובצי התיקייה לפי הבעלים שהגישו אותם (yes), או לפי שמותיהם (no); כברירת מחדל הבעלים קובעים בתיקיית הגשה, כלומר תיקייה שאחרים יכולים להיכנס אליה אך לא להציג את תוכנה.</translation>
    </message>
    <message>
        <source>Say whether the hand-in folder &lt;folder&gt; is set up as one of the guide&apos;s recipes, and what is wrong; nothing is summarised.</source>
        <translation>דיווח אם תיקיית ההגשה &lt;תיקייה&gt; מוגדרת לפי אחד המתכונים שבמדריך, ומה שגוי בה; דבר אינו מסוכם.</translation>
    </message>
    <message>
        <source>--owners takes yes or no, not %1</source>
        <translation>--owners מקבל yes או no, לא %1</translation>
    </message>
</context>
</TS>
