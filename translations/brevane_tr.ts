<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR">
<context>
    <name>ClassChart</name>
    <message>
        <source>Class reaction times: simple against choice</source>
        <translation>Sınıfın tepki süreleri: basit ile seçimli karşılaştırması</translation>
    </message>
    <message>
        <source>One dot for each student&apos;s mean reaction time (%1): the mean of their set means, in whole ms as stored. Box: lower to upper quartile; thick line: median; whiskers: the furthest means within 1.5 box lengths.</source>
        <translation>Her öğrencinin ortalama tepki süresi için bir nokta (%1): set ortalamalarının ortalaması, kaydedildiği gibi tam ms olarak. Kutu: alt çeyrekten üst çeyreğe; kalın çizgi: medyan; bıyıklar: 1,5 kutu boyu içindeki en uzak ortalamalar.</translation>
    </message>
    <message numerus="yes">
        <source>%n student(s)</source>
        <translation>
            <numerusform>%n öğrenci</numerusform>
        </translation>
    </message>
    <message>
        <source>No reaction times in the files read</source>
        <translation>Okunan dosyalarda tepki süresi yok</translation>
    </message>
    <message>
        <source>n = %1, mean %2 ms</source>
        <translation>n = %1, ortalama %2 ms</translation>
    </message>
    <message>
        <source>%1 − simple: %2 ms (95 % CI %3 to %4, %5 students)</source>
        <translation>%1 − basit: %2 ms (yüzde 95 GA: %3 ile %4 arası, %5 öğrenci)</translation>
    </message>
    <message>
        <source>Class reaction times</source>
        <translation>Sınıfın tepki süreleri</translation>
    </message>
    <message>
        <source>Bars beside each box: every run that counts (%1 runs; class-notes.txt says which), as shares of the test&apos;s runs in bins of %2 ms.</source>
        <translation>Her kutunun yanındaki çubuklar: sayılan her deneme (%1 deneme; hangileri olduğunu class-notes.txt söyler), testin denemeleri içindeki payları olarak, %2 ms genişliğindeki dilimlerde.</translation>
    </message>
    <message>
        <source>reaction time (ms)</source>
        <translation>tepki süresi (ms)</translation>
    </message>
</context>
<context>
    <name>ClassFiles</name>
    <message>
        <source>not a recover.dat, .nrm or .col file</source>
        <translation>recover.dat, .nrm ya da .col dosyası değil</translation>
    </message>
    <message>
        <source>left out %1: a shared account&apos;s recover.dat holds whoever ran last</source>
        <translation>%1 dışarıda bırakıldı: paylaşılan bir hesabın recover.dat dosyası yalnızca en son ölçüm yapanı içerir</translation>
    </message>
    <message>
        <source>a named pipe (FIFO), not read</source>
        <translation>adlandırılmış kanal (FIFO), okunmadı</translation>
    </message>
    <message>
        <source>a socket, not read</source>
        <translation>soket, okunmadı</translation>
    </message>
    <message>
        <source>a device, not read</source>
        <translation>aygıt, okunmadı</translation>
    </message>
    <message>
        <source>a link, not followed in a hand-in folder</source>
        <translation>bağlantı, teslim klasöründe izlenmez</translation>
    </message>
    <message>
        <source>handed in by user %1 beside the students&apos; folders, not in one</source>
        <translation>%1 kullanıcısı tarafından öğrenci klasörlerinin yanına teslim edildi, birinin içine değil</translation>
    </message>
    <message>
        <source>no user %1 on this machine; the folder is left out</source>
        <translation>bu bilgisayarda %1 kullanıcısı yok; klasör dışarıda bırakıldı</translation>
    </message>
    <message>
        <source>the folder belongs to user %1, not %2; its files are left out</source>
        <translation>klasör %1 kullanıcısına ait, %2 kullanıcısına değil; içindeki dosyalar dışarıda bırakıldı</translation>
    </message>
    <message>
        <source>a folder within a student&apos;s folder, not read</source>
        <translation>bir öğrencinin klasörü içindeki klasör, okunmadı</translation>
    </message>
    <message>
        <source>handed in by user %1, not %2</source>
        <translation>%1 kullanıcısı tarafından teslim edildi, %2 tarafından değil</translation>
    </message>
    <message>
        <source>in a folder of user %1, not %2</source>
        <translation>%1 kullanıcısının klasöründe, %2 kullanıcısının değil</translation>
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
        <translation>Bilgisayarlar

Kaydedilen her süre, ölçüldüğü bilgisayarın eklediğini içerir: ekranın gecikmesi (renk
uyaranları) ya da ses çıkışının gecikmesi (sesler) ve farenin gecikmesi (yoklaması, sıçrama önleme,
giriş yolu). Bilgisayar kontrolü (brevane --check-machine) bunları aşağıdaki her bilgisayarda
ses kartı üzerinden bir fotodiyot, bir döngü kablosu ve bir mikrofonla ölçtü; bir öğrencinin
tepki süresi yaklaşık olarak kaydedilen süre eksi uyaran bölümünün ve farenin gecikmesidir. Aynı
bilgisayarda bu gecikmeler testler arasındaki farkı (seçimli eksi basit) değiştirmez, bu yüzden
class.csv içindeki eşleştirilmiş aralıklar geçerlidir; gecikmeleri farklı bilgisayarlardan gelen süreler
bu fark kadar uzun ya da kısadır. sets.csv ve students.csv her dosyanın bilgisayarı ve gecikmeleriyle biter.

</translation>
    </message>
    <message>
        <source>%1 (checked %2; %3; files: %4): %5
</source>
        <translation>%1 (kontrol: %2; %3; dosyalar: %4): %5
</translation>
    </message>
    <message>
        <source>mode not known</source>
        <translation>mod bilinmiyor</translation>
    </message>
    <message>
        <source>Screen and mouse together add %1 to %2 ms on these machines: a visual time measured on
one may differ from another&apos;s by up to %3 ms from the machines alone.
</source>
        <translation>Ekran ve fare birlikte bu bilgisayarlarda %1 ile %2 ms arası ekler: birinde ölçülen görsel bir süre
bir başkasındakinden yalnızca bilgisayarlar yüzünden %3 ms&apos;ye kadar farklı olabilir.
</translation>
    </message>
</context>
<context>
    <name>ClassRun</name>
    <message>
        <source>skipped %1: %2</source>
        <translation>%1 atlandı: %2</translation>
    </message>
    <message>
        <source>%1 is a copy of %2: read once</source>
        <translation>%1, %2 dosyasının kopyası: bir kez okundu</translation>
    </message>
    <message>
        <source>%1 of %2 files read</source>
        <translation>%2 dosyadan %1 tanesi okundu</translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>%1 klasörü oluşturulamıyor</translation>
    </message>
    <message>
        <source>could not write %1: %2</source>
        <translation>%1 yazılamadı: %2</translation>
    </message>
    <message>
        <source>%1 read</source>
        <translation>okunan: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n dosya</numerusform>
        </translation>
    </message>
    <message>
        <source> (and %1 read once)</source>
        <translation> (ve %1 bir kez okundu)</translation>
    </message>
    <message numerus="yes">
        <source>%n copy(ies)</source>
        <translation>
            <numerusform>%n kopya</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2 skipped; %3 (%4 by folder, %5 by file name); tests: %6</source>
        <translation>%1, atlanan: %2; %3 (%4 klasöre göre, %5 dosya adına göre); testler: %6</translation>
    </message>
    <message numerus="yes">
        <source>%n student(s)</source>
        <translation>
            <numerusform>%n öğrenci</numerusform>
        </translation>
    </message>
    <message>
        <source>none</source>
        <translation>yok</translation>
    </message>
</context>
<context>
    <name>ClassSummary</name>
    <message>
        <source>.%1 file</source>
        <translation>.%1 dosyası</translation>
    </message>
    <message>
        <source>it has %1 lines; a %2 has %3</source>
        <translation>%1 satır içeriyor; %2 ise %3 satır içerir</translation>
    </message>
    <message>
        <source>line %1 is not what a %2 holds there</source>
        <translation>satır %1, bir %2 dosyasında orada bulunması gereken şey değil</translation>
    </message>
    <message>
        <source>it has more than the %1 lines of a %2</source>
        <translation>bir %2 dosyasının %1 satırından fazlasını içeriyor</translation>
    </message>
    <message>
        <source>%1: %2 holds %3 sets that %4 holds too; each taken once</source>
        <translation>%1: %2, %4 dosyasında da bulunan %3 set içeriyor; her biri bir kez alındı</translation>
    </message>
    <message>
        <source>%1 has two different %2 files, %3 and %4: both kept as separate sets</source>
        <translation>%1 için iki farklı %2 dosyası var, %3 ve %4: ikisi de ayrı setler olarak tutuldu</translation>
    </message>
    <message>
        <source>%1 handed in</source>
        <translation>teslim eden: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n student(s)</source>
        <translation>
            <numerusform>%n öğrenci</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>cannot create or enter the folder %1; files are kept in %2</source>
        <translation>%1 klasörü oluşturulamıyor ya da ona girilemiyor; dosyalar %2 içinde tutuluyor</translation>
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
        <translation>Kullanım: %1 [--user-folder] [--hand-in KLASÖR] [--unlock] [--language KOD]
          [AYAR-DOSYASI]
       %1 --timing-check | --check-machine | --version | --help

Basit ve Karmaşık Uyaran Tepki Süresi Ölçümü: bir öğrencinin bir sese, bir renk
değişimine ya da ikisine birden tepki süreleri, bir basit ve iki seçimli testte.

  AYAR-DOSYASI        %2 yerine kullanılacak ayarlar; göreli bir ad,
                      dosyaların tutulduğu klasörde aranır
  --user-folder       dosyaları kullanıcıya özel klasörde tutar, yoksa oluşturur:
                      %3
                      (masaüstü menüsündeki kayıt programı bu şekilde başlatır)
  --hand-in KLASÖR    kaydedilen her .nrm ve .col dosyasını ve her recover.dat
                      dosyasını öğretmen için KLASÖR/&lt;kullanıcı adı&gt;/ içine de teslim eder
                      (tüm kullanıcılar için /etc/xdg/Brevane/Brevane.conf içinde ayarlanır;
                      man brevane)
  --unlock            laboratuvarın ayarları kilitlediği yerde, laboratuvarın öğretmen
                      grubundaki bir üyenin bu oturumda ayarları değiştirmesine izin verir
  --timing-check      bir fotodiyot ya da kamera için yanıp sönen bir alan gösterir; yenileme
                      hızı, kare süresi titremesi ve kullanılan damga kaynaklarıyla
                      birlikte (Esc ya da bir tıklama bitirir)
  --check-machine     bu bilgisayarı ses kartının girişi üzerinden uçtan uca kontrol eder:
                      ekranı bir fotodiyotla, sesi çıkıştan gelen bir kabloyla, fareyi
                      tıklamasıyla; gecikmeleri Hakkında penceresi ve sınıf özeti için
                      saklar (docs/guide.md)
  --language KOD      programı bu dilde gösterir (de, ja, ar, ...; çevirisi olmayan
                      yerde İngilizce), sistemin dili ya da Brevane.conf içinde
                      ayarlanan dil yerine
  --version           sürümü yazdırır ve çıkar
  --help              bu metni yazdırır ve çıkar

Dosyalar geçerli dizinde ya da --user-folder ile yukarıdaki klasörde
tutulur: %2 (ayarlar, yoksa varsayılanlarla yazılır)
ve recover.dat (her testin setleri, bir seri bittiğinde yeniden yazılır; ana
menüdeki Kurtar onu geri okur). Dosya pencereleri orada açılır; sonuç
dosyaları (.nrm, .col) nereye kaydederseniz oraya gider.
</translation>
    </message>
</context>
<context>
    <name>DisplayStamps</name>
    <message>
        <source>; times may be one frame long: see the guide</source>
        <translation>; süreler bir kare uzun olabilir: kılavuza bakın</translation>
    </message>
    <message>
        <source>The window system does not say when a frame is shown</source>
        <translation>Pencere sistemi bir karenin ne zaman gösterildiğini bildirmiyor</translation>
    </message>
    <message>
        <source>The X server does not say when a frame is shown</source>
        <translation>X sunucusu bir karenin ne zaman gösterildiğini bildirmiyor</translation>
    </message>
    <message>
        <source>XWayland shows the window through the Wayland compositor</source>
        <translation>XWayland pencereyi Wayland birleştiricisi üzerinden gösteriyor</translation>
    </message>
    <message>
        <source>Some stimuli were stamped by %1</source>
        <translation>Bazı uyaranlar şununla damgalandı: %1</translation>
    </message>
    <message>
        <source>the display&apos;s refresh</source>
        <translation>ekranın yenilenmesi</translation>
    </message>
    <message>
        <source>the X server&apos;s refresh, not the pixel&apos;s</source>
        <translation>X sunucusunun yenilenmesi, pikselin değil</translation>
    </message>
    <message>
        <source>the compositor&apos;s frame timings</source>
        <translation>birleştiricinin kare zamanlamaları</translation>
    </message>
    <message>
        <source>the screen read back</source>
        <translation>ekranın geri okunması</translation>
    </message>
    <message>
        <source>the Wayland compositor&apos;s report of the frame</source>
        <translation>Wayland birleştiricisinin kare raporu</translation>
    </message>
    <message>
        <source>the hand-over to the X server</source>
        <translation>X sunucusuna aktarım</translation>
    </message>
    <message>
        <source>the clock after a repaint</source>
        <translation>yeniden çizimden sonraki saat</translation>
    </message>
    <message>
        <source>%1 (exact)</source>
        <translation>%1 (kesin)</translation>
    </message>
    <message>
        <source>%1 (estimated)</source>
        <translation>%1 (tahmini)</translation>
    </message>
    <message>
        <source>none</source>
        <translation>yok</translation>
    </message>
    <message>
        <source>%1 Hz</source>
        <translation>%1 Hz</translation>
    </message>
    <message>
        <source>not reported (a virtual screen)</source>
        <translation>bildirilmedi (sanal ekran)</translation>
    </message>
    <message>
        <source>The Wayland compositor estimates when a frame is shown; times may be one frame long: see the guide</source>
        <translation>Wayland birleştiricisi bir karenin ne zaman gösterildiğini tahmin ediyor; süreler bir kare uzun olabilir: kılavuza bakın</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>Reflex Data Files (*.nrm)|*.nrm</source>
        <translation>Tepki Veri Dosyaları (*.nrm)|*.nrm</translation>
    </message>
    <message>
        <source>Reflex Data Files (*.col)|*.col</source>
        <translation>Tepki Veri Dosyaları (*.col)|*.col</translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
        File already exisits. Do you want to overwrite?</source>
        <translation><byte value="xd"/>
<byte value="xd"/>
        Dosya zaten var. Üzerine yazılsın mı?</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Dosyayı Kaydet</translation>
    </message>
    <message>
        <source>Save File Error</source>
        <translation>Dosya Kaydetme Hatası</translation>
    </message>
    <message>
        <source>Save Cancelled</source>
        <translation>Kaydetme İptal Edildi</translation>
    </message>
    <message>
        <source>Load File Error</source>
        <translation>Dosya Yükleme Hatası</translation>
    </message>
    <message>
        <source>Load Cancelled</source>
        <translation>Yükleme İptal Edildi</translation>
    </message>
    <message>
        <source>Export to CSV</source>
        <translation>CSV Olarak Dışa Aktar</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)|*.csv</source>
        <translation>CSV Dosyaları (*.csv)|*.csv</translation>
    </message>
</context>
<context>
    <name>FileRead</name>
    <message>
        <source>%1 is a folder, not a file.</source>
        <translation>%1 bir klasör, dosya değil.</translation>
    </message>
    <message>
        <source>%1 holds %2 MB, far more than any file of this program; it was not read.</source>
        <translation>%1 %2 MB içeriyor, bu programın herhangi bir dosyasından çok daha fazla; okunmadı.</translation>
    </message>
    <message>
        <source>%1 is far larger than any file of this program; it was not read.</source>
        <translation>%1 bu programın herhangi bir dosyasından çok daha büyük; okunmadı.</translation>
    </message>
</context>
<context>
    <name>HandIn</name>
    <message>
        <source>Hand-in</source>
        <translation>Teslim</translation>
    </message>
    <message>
        <source>the hand-in folder is missing</source>
        <translation>teslim klasörü yok</translation>
    </message>
    <message>
        <source>Not handed in to %1: %2.
Your file is saved on this computer; it is handed in at your next save.</source>
        <translation>Şuraya teslim edilmedi: %1: %2.
Dosyanız bu bilgisayara kaydedildi; bir sonraki kaydedişinizde teslim edilecek.</translation>
    </message>
    <message>
        <source>the hand-in folder is still not answering</source>
        <translation>teslim klasörü hâlâ yanıt vermiyor</translation>
    </message>
    <message>
        <source>the hand-in folder did not answer</source>
        <translation>teslim klasörü yanıt vermedi</translation>
    </message>
    <message>
        <source>the folder %1 in the hand-in folder is a link, not a folder</source>
        <translation>teslim klasöründeki %1 klasörü bir bağlantı, klasör değil</translation>
    </message>
    <message>
        <source>%1 in the hand-in folder is not a folder</source>
        <translation>teslim klasöründeki %1 bir klasör değil</translation>
    </message>
    <message>
        <source>the folder %1 in the hand-in folder belongs to another user</source>
        <translation>teslim klasöründeki %1 klasörü başka bir kullanıcıya ait</translation>
    </message>
</context>
<context>
    <name>HandoutPage</name>
    <message>
        <source>beyond your median ± 3 scaled MADs of the test</source>
        <translation>testteki medyanınızın ± 3 ölçekli MAD dışında</translation>
    </message>
    <message>
        <source>beyond your mean ± 3 SD of the test</source>
        <translation>testteki ortalamanızın ± 3 standart sapma dışında</translation>
    </message>
    <message>
        <source>none cut here</source>
        <translation>burada çıkarılan yok</translation>
    </message>
    <message>
        <source>Reaction times of %1</source>
        <translation>Tepki süreleri: %1</translation>
    </message>
    <message>
        <source>Your times beside your class&apos;s (%1 students), in whole milliseconds as stored.</source>
        <translation>Süreleriniz sınıfınızınkilerle yan yana (%1 öğrenci), kaydedildiği gibi tam milisaniye olarak.</translation>
    </message>
    <message>
        <source>test</source>
        <translation>test</translation>
    </message>
    <message>
        <source>sets</source>
        <translation>setler</translation>
    </message>
    <message>
        <source>runs that count</source>
        <translation>sayılan denemeler</translation>
    </message>
    <message>
        <source>mean</source>
        <translation>ortalama</translation>
    </message>
    <message>
        <source>median</source>
        <translation>medyan</translation>
    </message>
    <message>
        <source>anticipations</source>
        <translation>erken tepkiler</translation>
    </message>
    <message>
        <source>lapses</source>
        <translation>dalgınlıklar</translation>
    </message>
    <message>
        <source>outliers</source>
        <translation>aykırı değerler</translation>
    </message>
    <message>
        <source>Runs that count: all but missed hits, anticipations (under %1 ms), lapses (over %2 ms) and outliers (%3). mean: the mean of your set means, every time as stored. median, μ, σ, τ: your runs but missed hits, anticipations and lapses; μ, σ, τ: the ex-Gaussian fitted to them, a normal part (μ, σ) plus an exponential part of mean τ, the slow tail; from %4 runs on.</source>
        <translation>Sayılan denemeler: kaçırılan isabetler, erken tepkiler (%1 ms altı), dalgınlıklar (%2 ms üstü) ve aykırı değerler (%3) dışındaki tümü. ortalama: set ortalamalarınızın ortalaması, her süre kaydedildiği gibi. medyan, μ, σ, τ: kaçırılan isabetler, erken tepkiler ve dalgınlıklar dışındaki denemeleriniz; μ, σ, τ: bunlara uydurulan ex-Gauss dağılımı, normal bir bölüm (μ, σ) artı ortalaması τ olan üstel bir bölüm, yani yavaş kuyruk; %4 denemeden itibaren.</translation>
    </message>
    <message>
        <source>Grey: the class&apos;s runs that count; outlined: yours, each as shares of its runs. Ticks: the class&apos;s means; the dot: yours.</source>
        <translation>Gri: sınıfın sayılan denemeleri; çerçeveli: sizinkiler, her biri kendi denemeleri içindeki payı olarak. Çentikler: sınıfın ortalamaları; nokta: sizinki.</translation>
    </message>
    <message>
        <source>No mean: none of your runs is a reaction time.</source>
        <translation>Ortalama yok: denemelerinizin hiçbiri bir tepki süresi değil.</translation>
    </message>
    <message>
        <source>Your mean, %1 ms; nobody else took this test.</source>
        <translation>Ortalamanız %1 ms; bu testi başka kimse yapmadı.</translation>
    </message>
    <message>
        <source>Your mean, %1 ms: of the %2 others, %3 faster, %4 slower.</source>
        <translation>Ortalamanız %1 ms: diğer %2 kişiden %3 kişi daha hızlı, %4 kişi daha yavaş.</translation>
    </message>
</context>
<context>
    <name>Handouts</name>
    <message>
        <source>Reaction times: a page for each student</source>
        <translation>Tepki süreleri: her öğrenci için bir sayfa</translation>
    </message>
</context>
<context>
    <name>Lab</name>
    <message>
        <source>The settings are locked by the lab (LockSettings in %1).</source>
        <translation>Ayarlar laboratuvar tarafından kilitlendi (%1 içinde LockSettings).</translation>
    </message>
    <message>
        <source>Nobody may unlock the settings here: %1 names no group of teachers (Teachers in its [Lab] section).</source>
        <translation>Burada kimse ayarların kilidini açamaz: %1 hiçbir öğretmen grubu belirtmiyor ([Lab] bölümündeki Teachers).</translation>
    </message>
    <message>
        <source>The settings are locked by the lab (LockSettings in %1); a member of the group %2 may change them by starting the program with --unlock.</source>
        <translation>Ayarlar laboratuvar tarafından kilitlendi (%1 içinde LockSettings); %2 grubunun bir üyesi programı --unlock ile başlatarak ayarları değiştirebilir.</translation>
    </message>
    <message>
        <source>Only a member of the group %1 may unlock the settings with --unlock, which %2 is not; the settings stay locked.</source>
        <translation>Ayarların kilidini --unlock ile yalnızca %1 grubunun bir üyesi açabilir ve %2 üye değil; ayarlar kilitli kalıyor.</translation>
    </message>
</context>
<context>
    <name>MachineCheck</name>
    <message>
        <source>%1 of %2 trials</source>
        <translation>%2 ölçümden %1 tanesi</translation>
    </message>
    <message>
        <source>the signal is too weak (%1): turn the input volume up, or the screen&apos;s brightness, and hold the diode flat on the patch</source>
        <translation>sinyal çok zayıf (%1): giriş ses düzeyini ya da ekran parlaklığını artırın ve diyotu alanın üzerinde düz tutun</translation>
    </message>
    <message>
        <source>the signal is too weak (%1): turn the output and the input volume up</source>
        <translation>sinyal çok zayıf (%1): çıkış ve giriş ses düzeyini artırın</translation>
    </message>
    <message>
        <source>the clicks are too faint (%1): put the microphone closer to the mouse and turn the input volume up</source>
        <translation>tıklamalar çok sönük (%1): mikrofonu fareye yaklaştırın ve giriş ses düzeyini artırın</translation>
    </message>
    <message>
        <source>the signal is too noisy (%1): keep the room quiet, the cable short and away from the mains, and turn the input volume down if it hums</source>
        <translation>sinyal çok gürültülü (%1): odayı sessiz, kabloyu kısa ve elektrik hatlarından uzak tutun, uğultu varsa giriş ses düzeyini düşürün</translation>
    </message>
    <message>
        <source>the recording broke off (%1): close other programs that use the sound card and try again</source>
        <translation>kayıt kesildi (%1): ses kartını kullanan diğer programları kapatın ve yeniden deneyin</translation>
    </message>
    <message>
        <source>no flash was seen in %1: is the diode on the patch and plugged into the input that records?</source>
        <translation>%1 içinde hiç parlama görülmedi: diyot alanın üzerinde ve kayıt yapan girişe takılı mı?</translation>
    </message>
    <message>
        <source>no tone came back in %1: is the output looped to the input that records?</source>
        <translation>%1 içinde hiçbir ses geri gelmedi: çıkış, kayıt yapan girişe bağlı mı?</translation>
    </message>
    <message>
        <source>no click was heard in %1: is the microphone next to the mouse?</source>
        <translation>%1 içinde hiç tıklama duyulmadı: mikrofon farenin yanında mı?</translation>
    </message>
    <message>
        <source>too few trials (%1)</source>
        <translation>çok az ölçüm (%1)</translation>
    </message>
</context>
<context>
    <name>MachineResult</name>
    <message>
        <source>it is not a machine check&apos;s result</source>
        <translation>bir bilgisayar kontrolü sonucu değil</translation>
    </message>
    <message>
        <source>line %1 is not a part&apos;s lag</source>
        <translation>satır %1 bir bölümün gecikmesi değil</translation>
    </message>
    <message>
        <source>it names no machine</source>
        <translation>hiçbir bilgisayarın adını vermiyor</translation>
    </message>
    <message>
        <source>%1 %2 ms (SD %3)</source>
        <translation>%1 %2 ms (SS %3)</translation>
    </message>
    <message>
        <source>%1: not measured</source>
        <translation>%1: ölçülmedi</translation>
    </message>
    <message>
        <source>Machine check: not done on this machine (brevane --check-machine)</source>
        <translation>Bilgisayar kontrolü: bu bilgisayarda yapılmadı (brevane --check-machine)</translation>
    </message>
    <message>
        <source>Machine check (%1, %2): %3</source>
        <translation>Bilgisayar kontrolü (%1, %2): %3</translation>
    </message>
</context>
<context>
    <name>ProgramVersion</name>
    <message>
        <source>Version %1.%2%3</source>
        <translation>Sürüm %1.%2%3</translation>
    </message>
</context>
<context>
    <name>QtPrinting</name>
    <message>
        <source>The printer %1 could not be opened.</source>
        <translation>%1 yazıcısı açılamadı.</translation>
    </message>
    <message>
        <source>The printer %1 reported an error.</source>
        <translation>%1 yazıcısı bir hata bildirdi.</translation>
    </message>
    <message>
        <source>The PDF could not be completed.</source>
        <translation>PDF tamamlanamadı.</translation>
    </message>
    <message>
        <source>The PDF could not be started.</source>
        <translation>PDF başlatılamadı.</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Yazdırma Ayarları</translation>
    </message>
</context>
<context>
    <name>RecoveryFile</name>
    <message>
        <source>The recovery file recover.dat could not be written.</source>
        <translation>Kurtarma dosyası recover.dat yazılamadı.</translation>
    </message>
    <message>
        <source><byte value="xd"/>Your data are kept in memory.</source>
        <translation><byte value="xd"/>Verileriniz bellekte tutuluyor.</translation>
    </message>
    <message>
        <source>Recovery File Error</source>
        <translation>Kurtarma Dosyası Hatası</translation>
    </message>
    <message>
        <source>Load Cancelled</source>
        <translation>Yükleme İptal Edildi</translation>
    </message>
    <message>
        <source>No Recovery File Created or Found</source>
        <translation>Kurtarma Dosyası Oluşturulmadı ya da Bulunamadı</translation>
    </message>
    <message>
        <source>Load File Error</source>
        <translation>Dosya Yükleme Hatası</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Fastest Time</source>
        <translation>En Hızlı Süre</translation>
    </message>
    <message>
        <source>Slowest Time</source>
        <translation>En Yavaş Süre</translation>
    </message>
    <message>
        <source>Average Time</source>
        <translation>Ortalama Süre</translation>
    </message>
    <message>
        <source>Correct Hits</source>
        <translation>Doğru İsabetler</translation>
    </message>
    <message>
        <source>Correct Misses</source>
        <translation>Doğru Geçişler</translation>
    </message>
    <message>
        <source>InCorrect Hits</source>
        <translation>Yanlış İsabetler</translation>
    </message>
    <message>
        <source>Missed Hits</source>
        <translation>Kaçırılan İsabetler</translation>
    </message>
    <message>
        <source>Orv Tovanel:  Color Reflex Data</source>
        <translation>Orv Tovanel:  Renk Tepki Verileri</translation>
    </message>
    <message>
        <source>Orv Tovanel:  Number Reflex Data</source>
        <translation>Orv Tovanel:  Sayı Tepki Verileri</translation>
    </message>
    <message>
        <source>Set  %1</source>
        <translation>Set  %1</translation>
    </message>
    <message>
        <source>Comments:</source>
        <translation>Notlar:</translation>
    </message>
    <message>
        <source>Save Report As PDF</source>
        <translation>Raporu PDF Olarak Kaydet</translation>
    </message>
    <message>
        <source>PDF Files|*.pdf</source>
        <translation>PDF Dosyaları|*.pdf</translation>
    </message>
    <message>
        <source>The file could not be written.</source>
        <translation>Dosya yazılamadı.</translation>
    </message>
    <message>
        <source>Print Error<byte value="xd"/></source>
        <translation>Yazdırma Hatası<byte value="xd"/></translation>
    </message>
    <message>
        <source>Print Cancelled</source>
        <translation>Yazdırma İptal Edildi</translation>
    </message>
    <message>
        <source>  Slowest Time</source>
        <translation>  En Yavaş Süre</translation>
    </message>
    <message>
        <source>Orv Tovanel:  Normal Reflex Data</source>
        <translation>Orv Tovanel:  Basit Tepki Verileri</translation>
    </message>
</context>
<context>
    <name>ResultsKind</name>
    <message>
        <source>Complex Choice Color/Audio Stimulus Module Data Display</source>
        <translation>Seçimli Tepki Renk/Ses Modülü Sonuçları</translation>
    </message>
    <message>
        <source>Delete run %1 from the set? </source>
        <translation>Deneme %1 setten silinsin mi? </translation>
    </message>
    <message>
        <source>Color Reflex Data Files</source>
        <translation>Renk Tepki Veri Dosyaları</translation>
    </message>
    <message>
        <source>Complex Choice Number/Audio Stimulus Module Data Display</source>
        <translation>Seçimli Tepki Sayı/Ses Modülü Sonuçları</translation>
    </message>
    <message>
        <source>Delete run %1 for the set? </source>
        <translation>Deneme %1 setten silinsin mi? </translation>
    </message>
    <message>
        <source>Number Reflex Data Files</source>
        <translation>Sayı Tepki Veri Dosyaları</translation>
    </message>
    <message>
        <source>Simple Choice Stimulus Module Data Display</source>
        <translation>Basit Tepki Modülü Sonuçları</translation>
    </message>
    <message>
        <source>Normal Reflex Data Files</source>
        <translation>Basit Tepki Veri Dosyaları</translation>
    </message>
</context>
<context>
    <name>ResultsModel</name>
    <message>
        <source>Delete run %1 for the set? </source>
        <translation>Deneme %1 setten silinsin mi? </translation>
    </message>
    <message>
        <source>Are you sure you want to DELETE ALL DATA ?</source>
        <translation>TÜM VERİLERİ SİLMEK istediğinizden emin misiniz?</translation>
    </message>
    <message>
        <source>Delete All Data</source>
        <translation>Tüm Verileri Sil</translation>
    </message>
</context>
<context>
    <name>RuleOptions</name>
    <message>
        <source>A time under &lt;ms&gt; is an anticipation (default: 100).</source>
        <translation>&lt;ms&gt; altındaki bir süre erken tepkidir (varsayılan: 100).</translation>
    </message>
    <message>
        <source>A time over &lt;ms&gt; is a lapse (default: 2000).</source>
        <translation>&lt;ms&gt; üstündeki bir süre dalgınlıktır (varsayılan: 2000).</translation>
    </message>
    <message>
        <source>Cut outliers beyond median +- 3 scaled MADs (mad, the default), mean +- 3 SD (sd), or not at all (none).</source>
        <translation>Aykırı değerleri medyan +- 3 ölçekli MAD (mad, varsayılan) ya da ortalama +- 3 SS (sd) dışında çıkarır ya da hiç çıkarmaz (none).</translation>
    </message>
    <message>
        <source>Write a PDF page for each student, handout-&lt;student&gt;.pdf.</source>
        <translation>Her öğrenci için bir PDF sayfası yazar, handout-&lt;student&gt;.pdf.</translation>
    </message>
    <message>
        <source>--%1 takes a whole number of milliseconds from %2 to %3, not %4</source>
        <translation>--%1, %2 ile %3 arasında tam sayı milisaniye alır, %4 değil</translation>
    </message>
    <message>
        <source>the lapse limit (%1 ms) must lie above the anticipation limit (%2 ms)</source>
        <translation>dalgınlık sınırı (%1 ms) erken tepki sınırının (%2 ms) üstünde olmalı</translation>
    </message>
    <message>
        <source>--outlier-rule takes mad, sd or none, not %1</source>
        <translation>--outlier-rule mad, sd ya da none alır, %1 değil</translation>
    </message>
</context>
<context>
    <name>SessionPlatform</name>
    <message>
        <source>On Wayland: no pointer placement, and presses are stamped by the toolkit event (XWayland gives both)</source>
        <translation>Wayland&apos;de: işaretçi konumlandırılamaz ve basışlar araç takımı olayıyla damgalanır (XWayland ikisini de sağlar)</translation>
    </message>
    <message>
        <source>Wayland session: running on X through XWayland, which places the pointer and reads raw input</source>
        <translation>Wayland oturumu: XWayland üzerinden X&apos;te çalışıyor; XWayland işaretçiyi konumlandırır ve ham girişi okur</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Settings Locked</source>
        <translation>Ayarlar Kilitli</translation>
    </message>
</context>
<context>
    <name>SettingsEditor</name>
    <message>
        <source>Configuration Files (*.cfg)|*.cfg</source>
        <translation>Ayar Dosyaları (*.cfg)|*.cfg</translation>
    </message>
    <message>
        <source>Trigger Colour</source>
        <translation>Uyaran Rengi</translation>
    </message>
    <message>
        <source>The trigger colour must differ from the panel&apos;s white at rest, or the stimulus is invisible.</source>
        <translation>Uyaran rengi, panelin beklemedeki beyazından farklı olmalı, yoksa uyaran görünmez.</translation>
    </message>
    <message>
        <source>Save Configuration File</source>
        <translation>Ayar Dosyasını Kaydet</translation>
    </message>
    <message>
        <source>Save File Error</source>
        <translation>Dosya Kaydetme Hatası</translation>
    </message>
    <message>
        <source>Save Cancelled</source>
        <translation>Kaydetme İptal Edildi</translation>
    </message>
    <message>
        <source>Load Configuration File</source>
        <translation>Ayar Dosyasını Yükle</translation>
    </message>
    <message>
        <source>Load File Error</source>
        <translation>Dosya Yükleme Hatası</translation>
    </message>
    <message>
        <source>Load Cancelled</source>
        <translation>Yükleme İptal Edildi</translation>
    </message>
    <message>
        <source>Configuration File Load Error</source>
        <translation>Ayar Dosyası Yükleme Hatası</translation>
    </message>
    <message>
        <source>Invalid Configuration File<byte value="xd"/>No File Loaded</source>
        <translation>Geçersiz Ayar Dosyası<byte value="xd"/>Dosya Yüklenmedi</translation>
    </message>
</context>
<context>
    <name>ShapeChart</name>
    <message>
        <source>median of the student&apos;s runs (ms)</source>
        <translation>öğrencinin denemelerinin medyanı (ms)</translation>
    </message>
    <message>
        <source>τ, the slow tail (ms)</source>
        <translation>τ, yavaş kuyruk (ms)</translation>
    </message>
    <message>
        <source>%1 of %2 students fitted
mean τ %3 ms</source>
        <translation>%2 öğrenciden %1 tanesine uyduruldu
ortalama τ %3 ms</translation>
    </message>
    <message>
        <source>%1 − simple: μ %2 ms (95 % CI %3 to %4), τ %5 ms (%6 to %7), %8 students</source>
        <translation>%1 − basit: μ %2 ms (yüzde 95 GA: %3 ile %4 arası), τ %5 ms (%6 ile %7 arası), %8 öğrenci</translation>
    </message>
    <message>
        <source>The shape of each student&apos;s times</source>
        <translation>Her öğrencinin sürelerinin biçimi</translation>
    </message>
    <message>
        <source>One dot for each student and test with an ex-Gaussian fit (at least %1 runs that are neither anticipations nor lapses): across, the median of those runs; up, τ, the mean of the fit&apos;s exponential part: its slow tail. A test that slows every run moves the dots to the right; one that adds slow runs moves them up.</source>
        <translation>ex-Gauss uydurması olan her öğrenci ve test için bir nokta (ne erken tepki ne dalgınlık olan en az %1 deneme): yatayda bu denemelerin medyanı; dikeyde τ, uydurmanın üstel bölümünün ortalaması: yavaş kuyruğu. Her denemeyi yavaşlatan bir test noktaları sağa kaydırır; yavaş denemeler ekleyen bir test onları yukarı taşır.</translation>
    </message>
    <message>
        <source>No student has %1 runs in a test yet: too few for a fit</source>
        <translation>Henüz hiçbir öğrencinin bir testte %1 denemesi yok: uydurma için çok az</translation>
    </message>
</context>
<context>
    <name>ShareCheck</name>
    <message>
        <source>cannot look at %1 (%2)</source>
        <translation>%1 incelenemiyor (%2)</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 bir klasör değil</translation>
    </message>
    <message>
        <source>cannot list %1 (%2): run this as a member of its group or as root</source>
        <translation>%1 listelenemiyor (%2): bunu grubunun bir üyesi olarak ya da root olarak çalıştırın</translation>
    </message>
    <message>
        <source>1 student&apos;s folder</source>
        <translation>1 öğrenci klasörü</translation>
    </message>
    <message>
        <source>%1 students&apos; folders</source>
        <translation>%1 öğrenci klasörü</translation>
    </message>
    <message>
        <source>%1: %2, all as the recipe has them</source>
        <translation>%1: %2, tümü tarifteki gibi</translation>
    </message>
    <message>
        <source>%1: %2; 1 thing to put right</source>
        <translation>%1: %2; düzeltilecek 1 şey</translation>
    </message>
    <message>
        <source>%1: %2; %3 things to put right</source>
        <translation>%1: %2; düzeltilecek %3 şey</translation>
    </message>
    <message>
        <source>%1: the guide&apos;s first recipe, one group folder (mode 3773), group %2</source>
        <translation>%1: kılavuzun ilk tarifi, tek bir grup klasörü (mod 3773), grup %2</translation>
    </message>
    <message>
        <source>%1: the guide&apos;s second recipe, a folder per student (mode 0751), group %2</source>
        <translation>%1: kılavuzun ikinci tarifi, her öğrenciye bir klasör (mod 0751), grup %2</translation>
    </message>
    <message>
        <source>%1 has the mode %2, not %3</source>
        <translation>%1: mod %2, %3 değil</translation>
    </message>
    <message>
        <source>every user may list %1 and see who handed in: take the others&apos; r away</source>
        <translation>her kullanıcı %1 içeriğini listeleyip kimin teslim ettiğini görebilir: diğerlerinin (others) r iznini kaldırın</translation>
    </message>
    <message>
        <source>without the sticky bit a student may rename or remove another&apos;s folder</source>
        <translation>yapışkan bit (sticky bit) olmadan bir öğrenci başka birinin klasörünü yeniden adlandırabilir ya da silebilir</translation>
    </message>
    <message>
        <source>without the setgid bit the students&apos; new folders do not get the group %1, and the teachers cannot read them</source>
        <translation>setgid biti olmadan öğrencilerin yeni klasörleri %1 grubunu almaz ve öğretmenler onları okuyamaz</translation>
    </message>
    <message>
        <source>the students cannot %1 their folders in %2</source>
        <translation>öğrenciler %2 içinde %1</translation>
    </message>
    <message>
        <source>make</source>
        <translation>klasörlerini oluşturamıyor</translation>
    </message>
    <message>
        <source>reach</source>
        <translation>klasörlerine erişemiyor</translation>
    </message>
    <message>
        <source>the group %1 cannot list %2, so the teachers do not see the folders</source>
        <translation>%1 grubu %2 içeriğini listeleyemiyor, bu yüzden öğretmenler klasörleri görmüyor</translation>
    </message>
    <message>
        <source>%1 belongs to user %2, not root: %2 may rename or remove every student&apos;s folder</source>
        <translation>%1, root&apos;a değil %2 kullanıcısına ait: %2 her öğrencinin klasörünü yeniden adlandırabilir ya da silebilir</translation>
    </message>
    <message>
        <source>%1 is a link, not a student&apos;s folder: remove it (hand-ins through it are refused)</source>
        <translation>%1 bir bağlantı, öğrenci klasörü değil: silin (onun üzerinden yapılan teslimler reddedilir)</translation>
    </message>
    <message>
        <source>%1 is no student&apos;s folder, and belongs to user %2: remove it</source>
        <translation>%1 bir öğrencinin klasörü değil ve %2 kullanıcısına ait: silin</translation>
    </message>
    <message>
        <source>%1: there is no user %2 on this machine</source>
        <translation>%1: bu bilgisayarda %2 kullanıcısı yok</translation>
    </message>
    <message>
        <source>%1 belongs to user %2, not %3: remove it, or %3&apos;s hand-ins are refused</source>
        <translation>%1, %3 kullanıcısına değil %2 kullanıcısına ait: silin, yoksa %3 kullanıcısının teslimleri reddedilir</translation>
    </message>
    <message>
        <source>%1 has the group %2, not %3: the teachers cannot read it</source>
        <translation>%1: grup %2, %3 değil: öğretmenler okuyamaz</translation>
    </message>
    <message>
        <source>%1 has the mode %2, not 0750%3</source>
        <translation>%1: mod %2, 0750 değil%3</translation>
    </message>
    <message>
        <source>: every user may read %1&apos;s files</source>
        <translation>: her kullanıcı %1 kullanıcısının dosyalarını okuyabilir</translation>
    </message>
    <message>
        <source>%1 is in the group %2, and so may read every student&apos;s folder</source>
        <translation>%1, %2 grubunda ve bu yüzden her öğrencinin klasörünü okuyabilir</translation>
    </message>
    <message>
        <source>%1 is a link, which the summary does not follow: remove it</source>
        <translation>%1 bir bağlantı ve özet bağlantıları izlemez: silin</translation>
    </message>
    <message>
        <source>%1 is a FIFO, a socket or a device, which the summary does not read: remove it</source>
        <translation>%1 bir FIFO, soket ya da aygıt ve özet bunları okumaz: silin</translation>
    </message>
    <message>
        <source>%1 belongs to user %2, not to the folder&apos;s student</source>
        <translation>%1, klasörün öğrencisine değil %2 kullanıcısına ait</translation>
    </message>
    <message>
        <source>every user may read %1</source>
        <translation>%1 her kullanıcı tarafından okunabilir</translation>
    </message>
</context>
<context>
    <name>SimpleEngine</name>
    <message>
        <source>            Audio Trigger</source>
        <translation>            İşitsel Uyaran</translation>
    </message>
    <message>
        <source>           Visual Trigger</source>
        <translation>           Görsel Uyaran</translation>
    </message>
    <message>
        <source>     Audio/Visual Trigger</source>
        <translation>     İşitsel/Görsel Uyaran</translation>
    </message>
    <message>
        <source>The sound device &quot;%1&quot; could not be opened.</source>
        <translation>“%1” ses aygıtı açılamadı.</translation>
    </message>
    <message>
        <source><byte value="xd"/>An audio trigger needs it: choose a visual trigger in Options.</source>
        <translation><byte value="xd"/>İşitsel uyaran bunu gerektirir: Seçenekler&apos;de görsel bir uyaran seçin.</translation>
    </message>
    <message>
        <source>No Sound Device</source>
        <translation>Ses Aygıtı Yok</translation>
    </message>
    <message>
        <source><byte value="xd"/>The series runs with the colour alone.</source>
        <translation><byte value="xd"/>Seri yalnızca renkle yürütülecek.</translation>
    </message>
</context>
<context>
    <name>SoundCapture</name>
    <message>
        <source>the sound card has no input to record from (%1)</source>
        <translation>ses kartında kayıt yapılacak giriş yok (%1)</translation>
    </message>
    <message>
        <source>the sound card&apos;s input cannot record mono at %1 Hz (%2)</source>
        <translation>ses kartının girişi %1 Hz&apos;de mono kayıt yapamıyor (%2)</translation>
    </message>
    <message>
        <source>no PipeWire server answers</source>
        <translation>hiçbir PipeWire sunucusu yanıt vermiyor</translation>
    </message>
    <message>
        <source>PipeWire has no input to record from</source>
        <translation>PipeWire&apos;da kayıt yapılacak giriş yok</translation>
    </message>
    <message>
        <source>no PulseAudio server answers</source>
        <translation>hiçbir PulseAudio sunucusu yanıt vermiyor</translation>
    </message>
    <message>
        <source>PulseAudio has no input to record from</source>
        <translation>PulseAudio&apos;da kayıt yapılacak giriş yok</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>the built-in defaults</source>
        <translation>yerleşik varsayılanlar</translation>
    </message>
    <message>
        <source>, locked by the lab</source>
        <translation>, laboratuvar tarafından kilitli</translation>
    </message>
    <message>
        <source>Settings Locked</source>
        <translation>Ayarlar Kilitli</translation>
    </message>
    <message>
        <source>The configuration file %1 is not read: the lab locks the settings (LockSettings in %2).</source>
        <translation>%1 ayar dosyası okunmadı: laboratuvar ayarları kilitliyor (%2 içinde LockSettings).</translation>
    </message>
    <message>
        <source>Loading the class configuration ...</source>
        <translation>Sınıf ayarları yükleniyor ...</translation>
    </message>
    <message>
        <source>the class configuration %1</source>
        <translation>sınıf ayarları %1</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>böyle bir dosya yok</translation>
    </message>
    <message>
        <source>Class Configuration</source>
        <translation>Sınıf Ayarları</translation>
    </message>
    <message>
        <source>The class configuration %1 that %2 names cannot be read (%3); the configuration of this computer is used instead.</source>
        <translation>%2 tarafından belirtilen %1 sınıf ayarları okunamıyor (%3); bunun yerine bu bilgisayarın ayarları kullanılıyor.</translation>
    </message>
</context>
<context>
    <name>StartupSequence</name>
    <message>
        <source>the screen is smaller than 800 x 600; the program ends</source>
        <translation>ekran 800 x 600&apos;den küçük; program sona eriyor</translation>
    </message>
    <message>
        <source>Fatal Application Error</source>
        <translation>Kritik Program Hatası</translation>
    </message>
    <message>
        <source>Orv Brevane supports a minimum screen resolution of 800 x 600</source>
        <translation>Orv Brevane en az 800 x 600 ekran çözünürlüğünü destekler</translation>
    </message>
    <message>
        <source>Press OK to terminate program</source>
        <translation>Programı sonlandırmak için Tamam&apos;a basın</translation>
    </message>
    <message>
        <source>Loading default configuration file ...</source>
        <translation>Varsayılan ayar dosyası yükleniyor ...</translation>
    </message>
    <message>
        <source>Initializing application ...</source>
        <translation>Program başlatılıyor ...</translation>
    </message>
    <message>
        <source>Initializing application ... Almost Done</source>
        <translation>Program başlatılıyor ... Neredeyse Bitti</translation>
    </message>
    <message>
        <source>not a configuration file</source>
        <translation>ayar dosyası değil</translation>
    </message>
    <message>
        <source>Loading user configuration file ...</source>
        <translation>Kullanıcı ayar dosyası yükleniyor ...</translation>
    </message>
    <message>
        <source>%1: no such configuration file; using the default configuration</source>
        <translation>%1: böyle bir ayar dosyası yok; varsayılan ayarlar kullanılıyor</translation>
    </message>
    <message>
        <source>Configuration load error</source>
        <translation>Ayar yükleme hatası</translation>
    </message>
    <message>
        <source>File %1 could not be found</source>
        <translation>%1 dosyası bulunamadı</translation>
    </message>
    <message>
        <source>Using Default Configuration</source>
        <translation>Varsayılan Ayarlar Kullanılıyor</translation>
    </message>
    <message>
        <source>%1: cannot read the configuration (%2); using the default configuration</source>
        <translation>%1: ayarlar okunamıyor (%2); varsayılan ayarlar kullanılıyor</translation>
    </message>
    <message>
        <source>Configuration Error</source>
        <translation>Ayar Hatası</translation>
    </message>
    <message>
        <source>Invalid Configuration File</source>
        <translation>Geçersiz Ayar Dosyası</translation>
    </message>
    <message>
        <source>Using Default Configuration File</source>
        <translation>Varsayılan Ayar Dosyası Kullanılıyor</translation>
    </message>
    <message>
        <source>%1: not found; writing one with the defaults</source>
        <translation>%1: bulunamadı; varsayılanlarla yeni bir dosya yazılıyor</translation>
    </message>
    <message>
        <source>Configuration file not found</source>
        <translation>Ayar dosyası bulunamadı</translation>
    </message>
    <message>
        <source>Default configuration file not found...</source>
        <translation>Varsayılan ayar dosyası bulunamadı...</translation>
    </message>
    <message>
        <source>Creating Reflex.Cfg</source>
        <translation>Reflex.Cfg Oluşturuluyor</translation>
    </message>
    <message>
        <source>The refused file was kept as %1</source>
        <translation>Reddedilen dosya %1 olarak saklandı</translation>
    </message>
    <message>
        <source>it could not be written</source>
        <translation>yazılamadı</translation>
    </message>
    <message>
        <source>%1: cannot read the configuration (%2); writing a new one with the defaults</source>
        <translation>%1: ayarlar okunamıyor (%2); varsayılanlarla yeni bir dosya yazılıyor</translation>
    </message>
    <message>
        <source>%1: cannot read the configuration (%2); writing a new one with the defaults (the refused file is kept beside it as %3)</source>
        <translation>%1: ayarlar okunamıyor (%2); varsayılanlarla yeni bir dosya yazılıyor (reddedilen dosya yanında %3 olarak saklanıyor)</translation>
    </message>
    <message>
        <source>Invalid Default Configuration File</source>
        <translation>Geçersiz Varsayılan Ayar Dosyası</translation>
    </message>
    <message>
        <source>Creating New Configuration File</source>
        <translation>Yeni Ayar Dosyası Oluşturuluyor</translation>
    </message>
    <message>
        <source>%1: cannot be written; the defaults are used until the program ends</source>
        <translation>%1: yazılamıyor; program bitene kadar varsayılanlar kullanılıyor</translation>
    </message>
</context>
<context>
    <name>TestCore</name>
    <message>
        <source>Over write Data in Set %1 ?</source>
        <translation>Set %1 içindeki verilerin üzerine yazılsın mı?</translation>
    </message>
    <message>
        <source>Start Reflex Data Collection</source>
        <translation>Tepki Veri Toplamayı Başlat</translation>
    </message>
    <message>
        <source>Your run has ended</source>
        <translation>Seriniz sona erdi</translation>
    </message>
    <message>
        <source>END RUN</source>
        <translation>SERİ SONU</translation>
    </message>
</context>
<context>
    <name>XDisplay</name>
    <message>
        <source>a compositing manager</source>
        <translation>bir birleştirme yöneticisi</translation>
    </message>
</context>
<context>
    <name>brevane::ChoiceWindow</name>
    <message>
        <source>With Sound</source>
        <translation>Sesli</translation>
    </message>
    <message>
        <source>No Sound</source>
        <translation>Sessiz</translation>
    </message>
</context>
<context>
    <name>brevane::MachineCheckWindow</name>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Başlat</translation>
    </message>
    <message>
        <source>S&amp;kip this part</source>
        <translation>Bu bölümü &amp;atla</translation>
    </message>
    <message>
        <source>Sa&amp;ve the result</source>
        <translation>Sonucu &amp;kaydet</translation>
    </message>
    <message>
        <source>Brevane Machine Check</source>
        <translation>Brevane Bilgisayar Kontrolü</translation>
    </message>
    <message>
        <source>Flashing patch</source>
        <translation>Yanıp sönen alan</translation>
    </message>
    <message>
        <source>Machine check guide</source>
        <translation>Bilgisayar kontrolü kılavuzu</translation>
    </message>
    <message>
        <source>Machine check: what this PC adds to every time a student measures on it.

The sound card&apos;s input is the clock: it hears the screen through a photodiode, the sound through a cable from the output, and the mouse through a microphone, and the program compares what it heard with its own stamps. Three parts, each about half a minute; skip any you cannot do. Each part gives the mean, the spread (SD) and the worst of its trials.

Press Start (or Return) to begin with the screen; Esc ends the check.</source>
        <translation>Bilgisayar kontrolü: bu bilgisayarın, bir öğrencinin üzerinde ölçtüğü her süreye eklediği.

Ses kartının girişi saattir: ekranı bir fotodiyot, sesi çıkıştan gelen bir kablo, fareyi de bir mikrofon üzerinden duyar; program duyduklarını kendi damgalarıyla karşılaştırır. Her biri yaklaşık yarım dakika süren üç bölüm; yapamadıklarınızı atlayın. Her bölüm ortalamayı, yayılımı (SS) ve ölçümlerinin en kötüsünü verir.

Ekranla başlamak için Başlat&apos;a (ya da Return&apos;e) basın; Esc kontrolü bitirir.</translation>
    </message>
    <message>
        <source>No input to record from: %1.
Plug a cable or a microphone into the sound card&apos;s input (line-in or microphone), make it the input in the sound settings, and start the check again.</source>
        <translation>Kayıt yapılacak giriş yok: %1.
Ses kartının girişine (hat girişi ya da mikrofon) bir kablo ya da mikrofon takın, ses ayarlarında onu giriş olarak seçin ve kontrolü yeniden başlatın.</translation>
    </message>
    <message>
        <source>

Clicks: %1 of %2</source>
        <translation>

Tıklamalar: %1 / %2</translation>
    </message>
    <message>
        <source>Screen: a photodiode held on the flashing patch.
You need a BPW34 photodiode (or any small silicon photodiode, a few euros) soldered to a 3.5 mm plug. On a line-in: the diode&apos;s anode to the tip, its cathode (the marked side) to the sleeve. On a microphone input, which feeds a few volts through the tip: the cathode to the tip, the anode to the sleeve. Set the input volume to about half.
Tape the diode flat on the middle of the patch below, the screen at the brightness the students use, the room light as in class. Press Start: the patch flashes %1 times, once a second.</source>
        <translation>Ekran: yanıp sönen alanın üzerinde tutulan bir fotodiyot.
3,5 mm&apos;lik bir fişe lehimlenmiş bir BPW34 fotodiyot (ya da birkaç avroluk herhangi küçük bir silikon fotodiyot) gerekir. Hat girişinde: diyotun anodu uca, katodu (işaretli taraf) gövdeye. Ucundan birkaç volt veren mikrofon girişinde: katot uca, anot gövdeye. Giriş ses düzeyini yaklaşık yarıya ayarlayın.
Diyotu aşağıdaki alanın ortasına düz biçimde bantlayın; ekran öğrencilerin kullandığı parlaklıkta, oda ışığı derstekiyle aynı olsun. Başlat&apos;a basın: alan saniyede bir olmak üzere %1 kez yanıp söner.</translation>
    </message>
    <message>
        <source>Sound: the output looped to the input.
Plug a cable from the headphone socket into the line-in (or hold the headset&apos;s microphone at its speaker), the volume as in class. Press Start: %1 tones, one a second.</source>
        <translation>Ses: çıkış girişe bağlı.
Kulaklık çıkışından hat girişine bir kablo takın (ya da kulaklığın mikrofonunu hoparlörüne tutun), ses düzeyi derstekiyle aynı olsun. Başlat&apos;a basın: saniyede bir olmak üzere %1 ses.</translation>
    </message>
    <message>
        <source>Mouse: each button&apos;s click, heard by a microphone next to the mouse.
Put the microphone within 5 cm of the mouse&apos;s buttons: sound travels about 0.03 ms a centimetre, so 5 cm add 0.15 ms to what is measured, 30 cm almost 1 ms. Keep the room quiet. Press Start, then click the left button %1 times in the grey square, about once a second. Each mouse you click is measured on its own.</source>
        <translation>Fare: her düğmenin tıklaması, farenin yanındaki bir mikrofonla duyulur.
Mikrofonu fare düğmelerinden en fazla 5 cm uzağa koyun: ses bir santimetreyi yaklaşık 0,03 ms&apos;de alır, bu yüzden 5 cm ölçülene 0,15 ms, 30 cm neredeyse 1 ms ekler. Odayı sessiz tutun. Başlat&apos;a basın, ardından gri karenin içinde sol düğmeye yaklaşık saniyede bir, %1 kez tıklayın. Tıkladığınız her fare ayrı ölçülür.</translation>
    </message>
    <message>
        <source>The machine check is done.

%1

Save keeps the result on this machine: the about box and the timing check show it, and it goes with the students&apos; files to the hand-in folder, where brevane-summary reads it.</source>
        <translation>Bilgisayar kontrolü tamamlandı.

%1

Kaydet, sonucu bu bilgisayarda saklar: Hakkında penceresi ve zamanlama kontrolü onu gösterir; sonuç, öğrencilerin dosyalarıyla birlikte teslim klasörüne gider ve brevane-summary onu orada okur.</translation>
    </message>
    <message>
        <source>%1: skipped</source>
        <translation>%1: atlandı</translation>
    </message>
    <message>
        <source>

Measuring...</source>
        <translation>

Ölçülüyor...</translation>
    </message>
    <message>
        <source>

Flashes: %1 of %2</source>
        <translation>

Parlamalar: %1 / %2</translation>
    </message>
    <message>
        <source>

Tones: %1 of %2</source>
        <translation>

Sesler: %1 / %2</translation>
    </message>
    <message>
        <source>%1: mean %2 ms, SD %3 ms, worst %4 ms over %5 of %6 trials</source>
        <translation>%1: %6 ölçümün %5 tanesinde ortalama %2 ms, SS %3 ms, en kötü %4 ms</translation>
    </message>
    <message>
        <source>%1: refused: %2</source>
        <translation>%1: reddedildi: %2</translation>
    </message>
    <message>
        <source>&amp;Finish</source>
        <translation>Bi&amp;tir</translation>
    </message>
    <message>
        <source>&amp;Next part</source>
        <translation>&amp;Sonraki bölüm</translation>
    </message>
    <message>
        <source>

Press %1 (Return) to go on.</source>
        <translation>

Devam etmek için %1 düğmesine (Return) basın.</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Bitir</translation>
    </message>
    <message>
        <source>Next part</source>
        <translation>Sonraki bölüm</translation>
    </message>
    <message>
        <source>Saved to %1.
For every user of this machine, copy it to /etc/xdg/Brevane/machine-check.txt (as root). Esc ends the check.</source>
        <translation>Şuraya kaydedildi: %1.
Bu bilgisayarın tüm kullanıcıları için onu /etc/xdg/Brevane/machine-check.txt konumuna kopyalayın (root olarak). Esc kontrolü bitirir.</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <translation>%1 kaydedilemedi: %2</translation>
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
        <translation>Süreler</translation>
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
        <translation>Brevane Zamanlama Kontrolü</translation>
    </message>
    <message>
        <source>Flashing patch</source>
        <translation>Yanıp sönen alan</translation>
    </message>
    <message>
        <source>Timing readout</source>
        <translation>Zamanlama göstergesi</translation>
    </message>
    <message>
        <source>Frames: measuring...</source>
        <translation>Kareler: ölçülüyor...</translation>
    </message>
    <message>
        <source>Frames stamped at %L1 Hz (one every %L2 ms)
Frame time jitter: SD %L3 ms, worst %L4 ms, %5 late of the last %6</source>
        <translation>Kareler %L1 Hz&apos;de damgalanıyor (her %L2 ms&apos;de bir)
Kare süresi titremesi: SS %L3 ms, en kötü %L4 ms, son %6 karenin %5 tanesi geç</translation>
    </message>
    <message>
        <source>
Times may be one frame long: see the guide</source>
        <translation>
Süreler bir kare uzun olabilir: kılavuza bakın</translation>
    </message>
    <message>
        <source>Timing check: Esc or a click ends it
Refresh reported by the screen: %L1 Hz; the monitor&apos;s mode: %2
%3
Stamp sources: display %4, input %5, sound %6
Compositor: %7; stimulus stamps: %8%9
The patch turns every %10 frames (frame %11)
%12</source>
        <translation>Zamanlama kontrolü: Esc ya da bir tıklama bitirir
Ekranın bildirdiği yenileme: %L1 Hz; monitörün modu: %2
%3
Damga kaynakları: görüntü %4, giriş %5, ses %6
Birleştirici: %7; uyaran damgaları: %8%9
Alan her %10 karede bir değişir (kare %11)
%12</translation>
    </message>
</context>
<context>
    <name>brevane::frmAbout</name>
    <message>
        <source>Release %1</source>
        <translation>Yayım %1</translation>
    </message>
    <message>
        <source>Configuration: %1</source>
        <translation>Ayarlar: %1</translation>
    </message>
</context>
<context>
    <name>brevane::frmColorSelect</name>
    <message>
        <source>Black</source>
        <translation>Siyah</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Mavi</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Yeşil</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Camgöbeği</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Kırmızı</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Eflatun</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Sarı</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Beyaz</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Gri</translation>
    </message>
    <message>
        <source>Light Blue</source>
        <translation>Açık Mavi</translation>
    </message>
    <message>
        <source>Light Green</source>
        <translation>Açık Yeşil</translation>
    </message>
    <message>
        <source>Light Cyan</source>
        <translation>Açık Camgöbeği</translation>
    </message>
    <message>
        <source>Light Red</source>
        <translation>Açık Kırmızı</translation>
    </message>
    <message>
        <source>Light Magenta</source>
        <translation>Açık Eflatun</translation>
    </message>
    <message>
        <source>Light Yellow</source>
        <translation>Açık Sarı</translation>
    </message>
    <message>
        <source>Bright White</source>
        <translation>Parlak Beyaz</translation>
    </message>
</context>
<context>
    <name>brevane::frmMain</name>
    <message>
        <source>Version %1</source>
        <translation>Sürüm %1</translation>
    </message>
</context>
<context>
    <name>brevane::summary::ClassChartWindow</name>
    <message>
        <source>Class reaction times</source>
        <translation>Sınıfın tepki süreleri</translation>
    </message>
    <message>
        <source>Handed in</source>
        <translation>Teslim edilenler</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About Brevane</source>
        <translation>Brevane Hakkında</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logo</translation>
    </message>
    <message>
        <source>Simple vs Complex Stimulus Reaction Timing</source>
        <translation>Basit ve Karmaşık Uyaran Tepki Süresi Ölçümü</translation>
    </message>
    <message>
        <source>Orv Brevane 2</source>
        <translation>Orv Brevane 2</translation>
    </message>
    <message>
        <source>For Linux with X11 and Wayland</source>
        <translation>X11 ve Wayland ile Linux için</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Zamanlayıcı</translation>
    </message>
    <message>
        <source>Reaction timing for student laboratory courses</source>
        <translation>Öğrenci laboratuvar dersleri için tepki süresi ölçümü</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ses</translation>
    </message>
    <message>
        <source>Your files are kept in:</source>
        <translation>Dosyalarınızın tutulduğu yer:</translation>
    </message>
    <message>
        <source>Language: English</source>
        <comment>The language this translation is: translators name their own language, in it</comment>
        <translation>Dil: Türkçe</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
</context>
<context>
    <name>frmCfg</name>
    <message>
        <source>Brevane Settings</source>
        <translation>Brevane Ayarları</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>Basit</translation>
    </message>
    <message>
        <source>Simple Single Choice Settings</source>
        <translation>Basit Tek Uyaran Ayarları</translation>
    </message>
    <message>
        <source>Runs Per Set</source>
        <translation>Set Başına Deneme</translation>
    </message>
    <message>
        <source>Trigger On</source>
        <translation>Uyaran Türü</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>İşitsel</translation>
    </message>
    <message>
        <source>Visual</source>
        <translation>Görsel</translation>
    </message>
    <message>
        <source>Trigger Color</source>
        <translation>Uyaran Rengi</translation>
    </message>
    <message>
        <source>Color of the visual stimulus: click to choose another</source>
        <translation>Görsel uyaranın rengi: başka bir renk seçmek için tıklayın</translation>
    </message>
    <message>
        <source>Interval Timing</source>
        <translation>Aralık Zamanlaması</translation>
    </message>
    <message>
        <source>Random Interval</source>
        <translation>Rastgele Aralık</translation>
    </message>
    <message>
        <source>Fixed Interval</source>
        <translation>Sabit Aralık</translation>
    </message>
    <message>
        <source>Fixed Time Interval</source>
        <translation>Sabit Zaman Aralığı</translation>
    </message>
    <message>
        <source>Minimum Time Interval</source>
        <translation>En Kısa Zaman Aralığı</translation>
    </message>
    <message>
        <source>Color/Audio</source>
        <translation>Renk/Ses</translation>
    </message>
    <message>
        <source>Complex Choice Color/Audio Settings</source>
        <translation>Seçimli Tepki Renk/Ses Ayarları</translation>
    </message>
    <message>
        <source>Display Time</source>
        <translation>Gösterim Süresi</translation>
    </message>
    <message>
        <source>Color and Audio</source>
        <translation>Renk ve Ses</translation>
    </message>
    <message>
        <source>Color no Audio</source>
        <translation>Renk, Ses Yok</translation>
    </message>
    <message>
        <source>Make Sound</source>
        <translation>Ses Çal</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Evet</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Hayır</translation>
    </message>
    <message>
        <source>Elements</source>
        <translation>Öğeler</translation>
    </message>
    <message>
        <source>Elements in Set</source>
        <translation>Setteki Öğeler</translation>
    </message>
    <message>
        <source>Trigger Element</source>
        <translation>Hedef Öğe</translation>
    </message>
    <message>
        <source>Trigger Element Color</source>
        <translation>Hedef Öğe Rengi</translation>
    </message>
    <message>
        <source>Color of the trigger element: click to choose another</source>
        <translation>Hedef öğenin rengi: başka bir renk seçmek için tıklayın</translation>
    </message>
    <message>
        <source>Element</source>
        <translation>Öğe</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Renk</translation>
    </message>
    <message>
        <source>Choose the color of this element</source>
        <translation>Bu öğenin rengini seçin</translation>
    </message>
    <message>
        <source>Element Colors</source>
        <translation>Öğe Renkleri</translation>
    </message>
    <message>
        <source>Element 1 Color</source>
        <translation>Öğe 1 Rengi</translation>
    </message>
    <message>
        <source>Color of element 1: click to choose another (grey: not in use)</source>
        <translation>Öğe 1 rengi: başka bir renk seçmek için tıklayın (gri: kullanılmıyor)</translation>
    </message>
    <message>
        <source>Element 2 Color</source>
        <translation>Öğe 2 Rengi</translation>
    </message>
    <message>
        <source>Color of element 2: click to choose another (grey: not in use)</source>
        <translation>Öğe 2 rengi: başka bir renk seçmek için tıklayın (gri: kullanılmıyor)</translation>
    </message>
    <message>
        <source>Element 3 Color</source>
        <translation>Öğe 3 Rengi</translation>
    </message>
    <message>
        <source>Color of element 3: click to choose another (grey: not in use)</source>
        <translation>Öğe 3 rengi: başka bir renk seçmek için tıklayın (gri: kullanılmıyor)</translation>
    </message>
    <message>
        <source>Element 4 Color</source>
        <translation>Öğe 4 Rengi</translation>
    </message>
    <message>
        <source>Color of element 4: click to choose another (grey: not in use)</source>
        <translation>Öğe 4 rengi: başka bir renk seçmek için tıklayın (gri: kullanılmıyor)</translation>
    </message>
    <message>
        <source>Element 5 Color</source>
        <translation>Öğe 5 Rengi</translation>
    </message>
    <message>
        <source>Color of element 5: click to choose another (grey: not in use)</source>
        <translation>Öğe 5 rengi: başka bir renk seçmek için tıklayın (gri: kullanılmıyor)</translation>
    </message>
    <message>
        <source>Element 6 Color</source>
        <translation>Öğe 6 Rengi</translation>
    </message>
    <message>
        <source>Color of element 6: click to choose another (grey: not in use)</source>
        <translation>Öğe 6 rengi: başka bir renk seçmek için tıklayın (gri: kullanılmıyor)</translation>
    </message>
    <message>
        <source>Element 7 Color</source>
        <translation>Öğe 7 Rengi</translation>
    </message>
    <message>
        <source>Color of element 7: click to choose another (grey: not in use)</source>
        <translation>Öğe 7 rengi: başka bir renk seçmek için tıklayın (gri: kullanılmıyor)</translation>
    </message>
    <message>
        <source>Element 8 Color</source>
        <translation>Öğe 8 Rengi</translation>
    </message>
    <message>
        <source>Color of element 8: click to choose another (grey: not in use)</source>
        <translation>Öğe 8 rengi: başka bir renk seçmek için tıklayın (gri: kullanılmıyor)</translation>
    </message>
    <message>
        <source>Element 9 Color</source>
        <translation>Öğe 9 Rengi</translation>
    </message>
    <message>
        <source>Color of element 9: click to choose another (grey: not in use)</source>
        <translation>Öğe 9 rengi: başka bir renk seçmek için tıklayın (gri: kullanılmıyor)</translation>
    </message>
    <message>
        <source>Element 10 Color</source>
        <translation>Öğe 10 Rengi</translation>
    </message>
    <message>
        <source>Color of element 10: click to choose another (grey: not in use)</source>
        <translation>Öğe 10 rengi: başka bir renk seçmek için tıklayın (gri: kullanılmıyor)</translation>
    </message>
    <message>
        <source>Num/Audio</source>
        <translation>Sayı/Ses</translation>
    </message>
    <message>
        <source>Complex Choice Numbers/Audio Settings</source>
        <translation>Seçimli Tepki Sayı/Ses Ayarları</translation>
    </message>
    <message>
        <source>Number and Audio</source>
        <translation>Sayı ve Ses</translation>
    </message>
    <message>
        <source>Number no Audio</source>
        <translation>Sayı, Ses Yok</translation>
    </message>
    <message>
        <source>Trigger Number</source>
        <translation>Hedef Sayı</translation>
    </message>
    <message>
        <source>The number of the trigger element</source>
        <translation>Hedef öğenin sayısı</translation>
    </message>
    <message>
        <source>Element Number</source>
        <translation>Öğenin Sayısı</translation>
    </message>
    <message>
        <source>The number of this element (0 to 99)</source>
        <translation>Bu öğenin sayısı (0 ile 99 arası)</translation>
    </message>
    <message>
        <source>Element Numbers</source>
        <translation>Öğe Sayıları</translation>
    </message>
    <message>
        <source>Element 1 Number</source>
        <translation>Öğe 1 Sayısı</translation>
    </message>
    <message>
        <source>Element 2 Number</source>
        <translation>Öğe 2 Sayısı</translation>
    </message>
    <message>
        <source>Element 3 Number</source>
        <translation>Öğe 3 Sayısı</translation>
    </message>
    <message>
        <source>Element 4 Number</source>
        <translation>Öğe 4 Sayısı</translation>
    </message>
    <message>
        <source>Element 5 Number</source>
        <translation>Öğe 5 Sayısı</translation>
    </message>
    <message>
        <source>Element 6 Number</source>
        <translation>Öğe 6 Sayısı</translation>
    </message>
    <message>
        <source>Element 7 Number</source>
        <translation>Öğe 7 Sayısı</translation>
    </message>
    <message>
        <source>Element 8 Number</source>
        <translation>Öğe 8 Sayısı</translation>
    </message>
    <message>
        <source>Element 9 Number</source>
        <translation>Öğe 9 Sayısı</translation>
    </message>
    <message>
        <source>Element 10 Number</source>
        <translation>Öğe 10 Sayısı</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Ses Düzeyi</translation>
    </message>
    <message>
        <source>Master volume of the speakers</source>
        <translation>Hoparlörlerin ana ses düzeyi</translation>
    </message>
    <message>
        <source>Volume Setting</source>
        <translation>Ses Düzeyi Ayarı</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Tamam</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>İ&amp;ptal</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Sıfırla</translation>
    </message>
    <message>
        <source>Back to the configuration loaded at start-up</source>
        <translation>Başlangıçta yüklenen ayarlara dön</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Yükle</translation>
    </message>
    <message>
        <source>Load a configuration file</source>
        <translation>Bir ayar dosyası yükle</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Kaydet</translation>
    </message>
    <message>
        <source>Save the configuration to a file</source>
        <translation>Ayarları bir dosyaya kaydet</translation>
    </message>
</context>
<context>
    <name>frmChoiceReflexDisplay</name>
    <message>
        <source>Complex Choice Color/Audio Stimulus Module Data Display</source>
        <translation>Seçimli Tepki Renk/Ses Modülü Sonuçları</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logo</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Sürüm</translation>
    </message>
    <message>
        <source>Set 1</source>
        <translation>Set 1</translation>
    </message>
    <message>
        <source>Run Data</source>
        <translation>Deneme Verileri</translation>
    </message>
    <message>
        <source>Run 1</source>
        <translation>Deneme 1</translation>
    </message>
    <message>
        <source>Run 2</source>
        <translation>Deneme 2</translation>
    </message>
    <message>
        <source>Run 3</source>
        <translation>Deneme 3</translation>
    </message>
    <message>
        <source>Run 4</source>
        <translation>Deneme 4</translation>
    </message>
    <message>
        <source>Run 5</source>
        <translation>Deneme 5</translation>
    </message>
    <message>
        <source>Run 6</source>
        <translation>Deneme 6</translation>
    </message>
    <message>
        <source>Run 7</source>
        <translation>Deneme 7</translation>
    </message>
    <message>
        <source>Run 8</source>
        <translation>Deneme 8</translation>
    </message>
    <message>
        <source>Run 9</source>
        <translation>Deneme 9</translation>
    </message>
    <message>
        <source>Run 10</source>
        <translation>Deneme 10</translation>
    </message>
    <message>
        <source>Run Statistics</source>
        <translation>Deneme İstatistikleri</translation>
    </message>
    <message>
        <source>Fast Time</source>
        <translation>En Hızlı</translation>
    </message>
    <message>
        <source>Slow Time</source>
        <translation>En Yavaş</translation>
    </message>
    <message>
        <source>Average Time</source>
        <translation>Ortalama Süre</translation>
    </message>
    <message>
        <source>Outcomes</source>
        <translation>Sonuç Türleri</translation>
    </message>
    <message>
        <source>Correct Hits</source>
        <translation>Doğru İsabetler</translation>
    </message>
    <message>
        <source>Correct Misses</source>
        <translation>Doğru Geçişler</translation>
    </message>
    <message>
        <source>InCorrect Hits</source>
        <translation>Yanlış İsabetler</translation>
    </message>
    <message>
        <source>Missed Hits</source>
        <translation>Kaçırılan İsabetler</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Notlar</translation>
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
        <translation>En Hızlı Süreler</translation>
    </message>
    <message>
        <source>Set Data For Fastest Times</source>
        <translation>En Hızlı Süreler İçin Set Verileri</translation>
    </message>
    <message>
        <source>Slowest Times</source>
        <translation>En Yavaş Süreler</translation>
    </message>
    <message>
        <source>Set Data For Slowest Times</source>
        <translation>En Yavaş Süreler İçin Set Verileri</translation>
    </message>
    <message>
        <source>Average Times</source>
        <translation>Ortalama Süreler</translation>
    </message>
    <message>
        <source>Set Data For Average Times</source>
        <translation>Ortalama Süreler İçin Set Verileri</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Yazdır</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Yükle</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Kaydet</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Dışa Aktar</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Tümünü Temizle</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Bitti</translation>
    </message>
</context>
<context>
    <name>frmColorReflex</name>
    <message>
        <source>Complex Choice Color/Audio Stimulus Module</source>
        <translation>Seçimli Tepki Renk/Ses Modülü</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logo</translation>
    </message>
    <message>
        <source>Complex Choice Color/Audio Stimulus</source>
        <translation>Seçimli Renk/Ses Uyaranı</translation>
    </message>
    <message>
        <source>Trigger On</source>
        <translation>Uyaran Türü</translation>
    </message>
    <message>
        <source>Trigger Element</source>
        <translation>Hedef Öğe</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ses</translation>
    </message>
    <message>
        <source>Press Here</source>
        <translation>Buraya Basın</translation>
    </message>
    <message>
        <source>Element Display</source>
        <translation>Öğe Gösterimi</translation>
    </message>
    <message>
        <source>Set Indicator</source>
        <translation>Set</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Süre</translation>
    </message>
    <message>
        <source>Previous Time</source>
        <translation>Önceki Süre</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Fark</translation>
    </message>
    <message>
        <source>Average Time</source>
        <translation>Ortalama Süre</translation>
    </message>
    <message>
        <source>Run Count</source>
        <translation>Deneme Sayısı</translation>
    </message>
    <message>
        <source>Correct Hits</source>
        <translation>Doğru İsabetler</translation>
    </message>
    <message>
        <source>Incorrect Hits</source>
        <translation>Yanlış İsabetler</translation>
    </message>
    <message>
        <source>Correct Misses</source>
        <translation>Doğru Geçişler</translation>
    </message>
    <message>
        <source>Missed Hits</source>
        <translation>Kaçırılan İsabetler</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Açıklama</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Başlat</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Durdur</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Seçenekler</translation>
    </message>
    <message>
        <source>Clear Set</source>
        <translation>Seti Temizle</translation>
    </message>
    <message>
        <source>Next Set</source>
        <translation>Sonraki Set</translation>
    </message>
    <message>
        <source>Prev Set</source>
        <translation>Önceki Set</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Sonuçlar</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Bitti</translation>
    </message>
</context>
<context>
    <name>frmColorSelect</name>
    <message>
        <source>Color Selection</source>
        <translation>Renk Seçimi</translation>
    </message>
    <message>
        <source>Current Color:</source>
        <translation>Geçerli Renk:</translation>
    </message>
    <message>
        <source>Current Color</source>
        <translation>Geçerli Renk</translation>
    </message>
    <message>
        <source>Color Selected:</source>
        <translation>Seçilen Renk:</translation>
    </message>
    <message>
        <source>Color Selected</source>
        <translation>Seçilen Renk</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>&amp;Seç</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>İ&amp;ptal</translation>
    </message>
</context>
<context>
    <name>frmDisplay</name>
    <message>
        <source>Simple Choice Stimulus Module Data Display</source>
        <translation>Basit Tepki Modülü Sonuçları</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logo</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Sürüm</translation>
    </message>
    <message>
        <source>Set 1</source>
        <translation>Set 1</translation>
    </message>
    <message>
        <source>Run Data</source>
        <translation>Deneme Verileri</translation>
    </message>
    <message>
        <source>Run 1</source>
        <translation>Deneme 1</translation>
    </message>
    <message>
        <source>Run 2</source>
        <translation>Deneme 2</translation>
    </message>
    <message>
        <source>Run 3</source>
        <translation>Deneme 3</translation>
    </message>
    <message>
        <source>Run 4</source>
        <translation>Deneme 4</translation>
    </message>
    <message>
        <source>Run 5</source>
        <translation>Deneme 5</translation>
    </message>
    <message>
        <source>Run 6</source>
        <translation>Deneme 6</translation>
    </message>
    <message>
        <source>Run 7</source>
        <translation>Deneme 7</translation>
    </message>
    <message>
        <source>Run 8</source>
        <translation>Deneme 8</translation>
    </message>
    <message>
        <source>Run 9</source>
        <translation>Deneme 9</translation>
    </message>
    <message>
        <source>Run 10</source>
        <translation>Deneme 10</translation>
    </message>
    <message>
        <source>Run Statistics</source>
        <translation>Deneme İstatistikleri</translation>
    </message>
    <message>
        <source>Fast Time</source>
        <translation>En Hızlı</translation>
    </message>
    <message>
        <source>Slow Time</source>
        <translation>En Yavaş</translation>
    </message>
    <message>
        <source>Average Time</source>
        <translation>Ortalama Süre</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Notlar</translation>
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
        <translation>En Hızlı Süreler</translation>
    </message>
    <message>
        <source>Set Data For Fastest Times</source>
        <translation>En Hızlı Süreler İçin Set Verileri</translation>
    </message>
    <message>
        <source>Slowest Times</source>
        <translation>En Yavaş Süreler</translation>
    </message>
    <message>
        <source>Set Data For Slowest Times</source>
        <translation>En Yavaş Süreler İçin Set Verileri</translation>
    </message>
    <message>
        <source>Average Times</source>
        <translation>Ortalama Süreler</translation>
    </message>
    <message>
        <source>Set Data For Average Times</source>
        <translation>Ortalama Süreler İçin Set Verileri</translation>
    </message>
    <message>
        <source>All Data</source>
        <translation>Tüm Veriler</translation>
    </message>
    <message>
        <source>Data Only Displayed On The Graph</source>
        <translation>Veriler Yalnızca Grafikte Gösterilir</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Yazdır</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Yükle</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Kaydet</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Dışa Aktar</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Tümünü Temizle</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Bitti</translation>
    </message>
</context>
<context>
    <name>frmLoadDisplay</name>
    <message>
        <source>Loading</source>
        <translation>Yükleniyor</translation>
    </message>
    <message>
        <source>Loading Display Please Wait...</source>
        <translation>Görünüm Yükleniyor, Lütfen Bekleyin...</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Simple vs Complex Stimulus Reaction Timing</source>
        <translation>Basit ve Karmaşık Uyaran Tepki Süresi Ölçümü</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>Basit</translation>
    </message>
    <message>
        <source>Simple Single Stimulus Module</source>
        <translation>Basit Tek Uyaran Modülü</translation>
    </message>
    <message>
        <source>Color/Audio</source>
        <translation>Renk/Ses</translation>
    </message>
    <message>
        <source>Complex Color/Audio Stimulus Module</source>
        <translation>Karmaşık Renk/Ses Uyaran Modülü</translation>
    </message>
    <message>
        <source>Num/Audio</source>
        <translation>Sayı/Ses</translation>
    </message>
    <message>
        <source>Complex Number/Audio Stimulus Module</source>
        <translation>Karmaşık Sayı/Ses Uyaran Modülü</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Seçenekler</translation>
    </message>
    <message>
        <source>Edit Brev Settings</source>
        <translation>Brevane Ayarlarını Düzenle</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>Verileri Temizle</translation>
    </message>
    <message>
        <source>Clear All Data Sets</source>
        <translation>Tüm Veri Setlerini Temizle</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>Kurtar</translation>
    </message>
    <message>
        <source>Recover Data after a system crash</source>
        <translation>Sistem çökmesinden sonra verileri kurtar</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Hakkında</translation>
    </message>
    <message>
        <source>Display About box</source>
        <translation>Hakkında penceresini göster</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Çıkış</translation>
    </message>
    <message>
        <source>Quit Brev</source>
        <translation>Brevane&apos;den çık</translation>
    </message>
    <message>
        <source>Are you sure you want to DELETE ALL DATA ?</source>
        <translation>TÜM VERİLERİ SİLMEK istediğinizden emin misiniz?</translation>
    </message>
    <message>
        <source>Delete All Data</source>
        <translation>Tüm Verileri Sil</translation>
    </message>
    <message>
        <source>Are you sure you want to exit?</source>
        <translation>Çıkmak istediğinizden emin misiniz?</translation>
    </message>
    <message>
        <source>Data NOT saved!<byte value="xd"/></source>
        <translation>Veriler KAYDEDİLMEDİ!<byte value="xd"/></translation>
    </message>
    <message>
        <source>Exit Orv Brevane 2</source>
        <translation>Orv Brevane 2&apos;den Çık</translation>
    </message>
</context>
<context>
    <name>frmNumberReflex</name>
    <message>
        <source>Complex Choice Number/Audio Stimulus Module</source>
        <translation>Seçimli Tepki Sayı/Ses Modülü</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logo</translation>
    </message>
    <message>
        <source>Complex Choice Number/Audio Stimulus</source>
        <translation>Seçimli Sayı/Ses Uyaranı</translation>
    </message>
    <message>
        <source>Trigger On</source>
        <translation>Uyaran Türü</translation>
    </message>
    <message>
        <source>Trigger Element</source>
        <translation>Hedef Öğe</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ses</translation>
    </message>
    <message>
        <source>Press Here</source>
        <translation>Buraya Basın</translation>
    </message>
    <message>
        <source>Element Display</source>
        <translation>Öğe Gösterimi</translation>
    </message>
    <message>
        <source>Set Indicator</source>
        <translation>Set</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Süre</translation>
    </message>
    <message>
        <source>Previous Time</source>
        <translation>Önceki Süre</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Fark</translation>
    </message>
    <message>
        <source>Average Time</source>
        <translation>Ortalama Süre</translation>
    </message>
    <message>
        <source>Run Count</source>
        <translation>Deneme Sayısı</translation>
    </message>
    <message>
        <source>Correct Hits</source>
        <translation>Doğru İsabetler</translation>
    </message>
    <message>
        <source>Incorrect Hits</source>
        <translation>Yanlış İsabetler</translation>
    </message>
    <message>
        <source>Correct Misses</source>
        <translation>Doğru Geçişler</translation>
    </message>
    <message>
        <source>Missed Hits</source>
        <translation>Kaçırılan İsabetler</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Açıklama</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Başlat</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Durdur</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Seçenekler</translation>
    </message>
    <message>
        <source>Clear Set</source>
        <translation>Seti Temizle</translation>
    </message>
    <message>
        <source>Next Set</source>
        <translation>Sonraki Set</translation>
    </message>
    <message>
        <source>Prev Set</source>
        <translation>Önceki Set</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Sonuçlar</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Bitti</translation>
    </message>
</context>
<context>
    <name>frmPrint</name>
    <message>
        <source>Print Data</source>
        <translation>Verileri Yazdır</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Başlık:</translation>
    </message>
    <message>
        <source>Select Sets To Print</source>
        <translation>Yazdırılacak Setleri Seçin</translation>
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
        <translation>Tümünü Seç</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Ayarla</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>UnSelectAll</source>
        <translation>Tüm Seçimi Kaldır</translation>
    </message>
    <message>
        <source>SelectAll</source>
        <translation>Tümünü Seç</translation>
    </message>
    <message>
        <source>You must select atleast ONE set to Print</source>
        <translation>Yazdırmak için en az BİR set seçmelisiniz</translation>
    </message>
    <message>
        <source>Printing Error</source>
        <translation>Yazdırma Hatası</translation>
    </message>
</context>
<context>
    <name>frmReflex</name>
    <message>
        <source>Simple Choice Stimulus Module</source>
        <translation>Basit Tepki Modülü</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logo</translation>
    </message>
    <message>
        <source>Simple Choice Stimulus</source>
        <translation>Basit Uyaran</translation>
    </message>
    <message>
        <source>           Visual Trigger</source>
        <translation>           Görsel Uyaran</translation>
    </message>
    <message>
        <source>Press Here</source>
        <translation>Buraya Basın</translation>
    </message>
    <message>
        <source>Stimulus</source>
        <translation>Uyaran</translation>
    </message>
    <message>
        <source>Speaker</source>
        <translation>Hoparlör</translation>
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
        <translation>Açıklama</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Süre</translation>
    </message>
    <message>
        <source>Previous Time</source>
        <translation>Önceki Süre</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Fark</translation>
    </message>
    <message>
        <source>Average Time</source>
        <translation>Ortalama Süre</translation>
    </message>
    <message>
        <source>Run Count</source>
        <translation>Deneme Sayısı</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Başlat</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Durdur</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Seçenekler</translation>
    </message>
    <message>
        <source>Clear Set</source>
        <translation>Seti Temizle</translation>
    </message>
    <message>
        <source>Next Set</source>
        <translation>Sonraki Set</translation>
    </message>
    <message>
        <source>Prev Set</source>
        <translation>Önceki Set</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Sonuçlar</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Bitti</translation>
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
        <translation>Basit ve Karmaşık Uyaran Tepki Süresi Ölçümü</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Durum</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>İlerleme</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>there is no translation for &quot;%1&quot;; the program is shown in English</source>
        <translation>“%1” için çeviri yok; program İngilizce gösteriliyor</translation>
    </message>
</context>
<context>
    <name>summary</name>
    <message>
        <source>The class summary of reaction-time files (recover.dat, .nrm and .col files, or folders of them):
sets.csv, students.csv, class.csv, class-notes.txt, class-chart.pdf and class-chart.png.</source>
        <translation>Tepki süresi dosyalarının sınıf özeti (recover.dat, .nrm ve .col dosyaları ya da bunları içeren klasörler):
sets.csv, students.csv, class.csv, class-notes.txt, class-chart.pdf ve class-chart.png.</translation>
    </message>
    <message>
        <source>Write into &lt;folder&gt; (default: the current folder).</source>
        <translation>&lt;klasör&gt; içine yazar (varsayılan: geçerli klasör).</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>klasör</translation>
    </message>
    <message>
        <source>The .col files are the colour test&apos;s.</source>
        <translation>.col dosyaları renk testine aittir.</translation>
    </message>
    <message>
        <source>The .col files are the number test&apos;s.</source>
        <translation>.col dosyaları sayı testine aittir.</translation>
    </message>
    <message>
        <source>Name each student after their folder or their files&apos; names.</source>
        <translation>Her öğrenciyi klasörünün ya da dosyalarının adıyla adlandırır.</translation>
    </message>
    <message>
        <source>Start each CSV file with a UTF-8 mark.</source>
        <translation>Her CSV dosyasını bir UTF-8 işaretiyle başlatır.</translation>
    </message>
    <message>
        <source>Write again whenever a file changes, until stopped.</source>
        <translation>Bir dosya her değiştiğinde, durdurulana kadar yeniden yazar.</translation>
    </message>
    <message>
        <source>As --watch, with the chart in a window.</source>
        <translation>--watch gibi, grafik bir pencerede.</translation>
    </message>
    <message>
        <source>Data files and folders.</source>
        <translation>Veri dosyaları ve klasörler.</translation>
    </message>
    <message>
        <source>path...</source>
        <translation>yol...</translation>
    </message>
    <message>
        <source>--colour and --number exclude each other: summarise each test&apos;s .col files apart</source>
        <translation>--colour ve --number birbirini dışlar: her testin .col dosyalarını ayrı özetleyin</translation>
    </message>
    <message>
        <source>--student-from takes folder or name, not %1</source>
        <translation>--student-from folder ya da name alır, %1 değil</translation>
    </message>
    <message>
        <source>no file could be read; nothing written</source>
        <translation>hiçbir dosya okunamadı; hiçbir şey yazılmadı</translation>
    </message>
    <message>
        <source>Count a folder&apos;s files as its owners handed them in (yes), or by their names (no); by default the owners decide in a hand-in folder, one that others may enter but not list.</source>
        <translation>Bir klasörün dosyalarını sahiplerinin teslim ettiği gibi (yes) ya da adlarına göre (no) sayar; varsayılan olarak bir teslim klasöründe, yani başkalarının girebildiği ama listeleyemediği bir klasörde, sahipler belirler.</translation>
    </message>
    <message>
        <source>Say whether the hand-in folder &lt;folder&gt; is set up as one of the guide&apos;s recipes, and what is wrong; nothing is summarised.</source>
        <translation>&lt;klasör&gt; teslim klasörünün kılavuzun tariflerinden birine göre kurulup kurulmadığını ve neyin yanlış olduğunu söyler; hiçbir şey özetlenmez.</translation>
    </message>
    <message>
        <source>--owners takes yes or no, not %1</source>
        <translation>--owners yes ya da no alır, %1 değil</translation>
    </message>
</context>
</TS>
