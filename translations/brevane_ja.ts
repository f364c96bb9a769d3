<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>ClassChart</name>
    <message>
        <source>Class reaction times: simple against choice</source>
        <translation>クラスの反応時間: 単純反応と選択反応</translation>
    </message>
    <message>
        <source>One dot for each student&apos;s mean reaction time (%1): the mean of their set means, in whole ms as stored. Box: lower to upper quartile; thick line: median; whiskers: the furthest means within 1.5 box lengths.</source>
        <translation>点は学生ごとの平均反応時間 (%1): 各セット平均の平均で、保存どおり整数の ms。箱: 第1〜第3四分位、太線: 中央値、ひげ: 箱の長さの 1.5 倍以内で最も離れた平均。</translation>
    </message>
    <message numerus="yes">
        <source>%n student(s)</source>
        <translation>
            <numerusform>学生 %n 人</numerusform>
        </translation>
    </message>
    <message>
        <source>No reaction times in the files read</source>
        <translation>読み込んだファイルに反応時間がありません</translation>
    </message>
    <message>
        <source>n = %1, mean %2 ms</source>
        <translation>n = %1、平均 %2 ms</translation>
    </message>
    <message>
        <source>%1 − simple: %2 ms (95 % CI %3 to %4, %5 students)</source>
        <translation>%1 − 単純: %2 ms (95% 信頼区間 %3〜%4、学生 %5 人)</translation>
    </message>
    <message>
        <source>Class reaction times</source>
        <translation>クラスの反応時間</translation>
    </message>
    <message>
        <source>Bars beside each box: every run that counts (%1 runs; class-notes.txt says which), as shares of the test&apos;s runs in bins of %2 ms.</source>
        <translation>箱の横の棒: 有効なすべての試行 (%1 試行; どれが有効かは class-notes.txt に記載) を、%2 ms 幅の区間ごとに、そのテストの試行に占める割合で示したもの。</translation>
    </message>
    <message>
        <source>reaction time (ms)</source>
        <translation>反応時間 (ms)</translation>
    </message>
</context>
<context>
    <name>ClassFiles</name>
    <message>
        <source>not a recover.dat, .nrm or .col file</source>
        <translation>recover.dat、.nrm、.col のいずれのファイルでもありません</translation>
    </message>
    <message>
        <source>left out %1: a shared account&apos;s recover.dat holds whoever ran last</source>
        <translation>%1 を除外: 共有アカウントの recover.dat には最後に測定した人のデータしかありません</translation>
    </message>
    <message>
        <source>a named pipe (FIFO), not read</source>
        <translation>名前付きパイプ (FIFO) のため、読み込みません</translation>
    </message>
    <message>
        <source>a socket, not read</source>
        <translation>ソケットのため、読み込みません</translation>
    </message>
    <message>
        <source>a device, not read</source>
        <translation>デバイスのため、読み込みません</translation>
    </message>
    <message>
        <source>a link, not followed in a hand-in folder</source>
        <translation>リンクのため、提出フォルダー内ではたどりません</translation>
    </message>
    <message>
        <source>handed in by user %1 beside the students&apos; folders, not in one</source>
        <translation>ユーザー %1 が学生のフォルダーの中ではなく、その横に提出したもの</translation>
    </message>
    <message>
        <source>no user %1 on this machine; the folder is left out</source>
        <translation>このマシンにユーザー %1 はいません; このフォルダーを除外します</translation>
    </message>
    <message>
        <source>the folder belongs to user %1, not %2; its files are left out</source>
        <translation>フォルダーの所有者が %2 ではなくユーザー %1 です; その中のファイルを除外します</translation>
    </message>
    <message>
        <source>a folder within a student&apos;s folder, not read</source>
        <translation>学生のフォルダーの中のフォルダーのため、読み込みません</translation>
    </message>
    <message>
        <source>handed in by user %1, not %2</source>
        <translation>%2 ではなくユーザー %1 が提出したもの</translation>
    </message>
    <message>
        <source>in a folder of user %1, not %2</source>
        <translation>%2 ではなくユーザー %1 のフォルダーにあるもの</translation>
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
        <translation>マシン

保存された各時間には、測定したマシンが加える遅延が含まれます: モニターの遅延 (色の
刺激) または音声出力の遅延 (音)、そしてマウスの遅延 (ポーリング、チャタリング除去、
入力経路) です。マシン確認 (brevane --check-machine) は、以下の各マシンでこれらを
サウンドカード経由のフォトダイオード、ループケーブル、マイクで測定しました。学生の
反応時間は、おおよそ保存された時間から刺激の部分の遅延とマウスの遅延を引いたもの
です。同じマシンの中では、遅延はテスト間の差 (選択反応 − 単純反応) を変えないため、
class.csv の対応のある信頼区間はそのまま有効です。遅延の異なるマシンの時間は、その
差の分だけ長く、または短くなります。sets.csv と students.csv の末尾には、各ファイルの
マシンとその遅延が載っています。

</translation>
    </message>
    <message>
        <source>%1 (checked %2; %3; files: %4): %5
</source>
        <translation>%1 (確認日 %2; %3; ファイル: %4): %5
</translation>
    </message>
    <message>
        <source>mode not known</source>
        <translation>モード不明</translation>
    </message>
    <message>
        <source>Screen and mouse together add %1 to %2 ms on these machines: a visual time measured on
one may differ from another&apos;s by up to %3 ms from the machines alone.
</source>
        <translation>これらのマシンでは、画面とマウスで合わせて %1〜%2 ms が加わります: あるマシンで
画面の刺激に対して測った時間は、マシンの違いだけで別のマシンと最大 %3 ms 異なることがあります。
</translation>
    </message>
</context>
<context>
    <name>ClassRun</name>
    <message>
        <source>skipped %1: %2</source>
        <translation>%1 をスキップ: %2</translation>
    </message>
    <message>
        <source>%1 is a copy of %2: read once</source>
        <translation>%1 は %2 のコピー: 1 回だけ読み込み</translation>
    </message>
    <message>
        <source>%1 of %2 files read</source>
        <translation>%2 個中 %1 個のファイルを読み込み</translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>フォルダー %1 を作成できません</translation>
    </message>
    <message>
        <source>could not write %1: %2</source>
        <translation>%1 を書き込めませんでした: %2</translation>
    </message>
    <message>
        <source>%1 read</source>
        <translation>%1 を読み込み</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>ファイル %n 個</numerusform>
        </translation>
    </message>
    <message>
        <source> (and %1 read once)</source>
        <translation> (ほかに %1 を 1 回だけ読み込み)</translation>
    </message>
    <message numerus="yes">
        <source>%n copy(ies)</source>
        <translation>
            <numerusform>コピー %n 個</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2 skipped; %3 (%4 by folder, %5 by file name); tests: %6</source>
        <translation>%1、%2 個をスキップ; %3 (フォルダー別 %4、ファイル名別 %5); テスト: %6</translation>
    </message>
    <message numerus="yes">
        <source>%n student(s)</source>
        <translation>
            <numerusform>学生 %n 人</numerusform>
        </translation>
    </message>
    <message>
        <source>none</source>
        <translation>なし</translation>
    </message>
</context>
<context>
    <name>ClassSummary</name>
    <message>
        <source>.%1 file</source>
        <translation>.%1 ファイル</translation>
    </message>
    <message>
        <source>it has %1 lines; a %2 has %3</source>
        <translation>%1 行しかありません; %2 は %3 行です</translation>
    </message>
    <message>
        <source>line %1 is not what a %2 holds there</source>
        <translation>%1 行目が %2 の内容と合いません</translation>
    </message>
    <message>
        <source>it has more than the %1 lines of a %2</source>
        <translation>%2 の %1 行を超えています</translation>
    </message>
    <message>
        <source>%1: %2 holds %3 sets that %4 holds too; each taken once</source>
        <translation>%1: %2 には %4 と同じ %3 のセットがあります; それぞれ 1 回だけ採用</translation>
    </message>
    <message>
        <source>%1 has two different %2 files, %3 and %4: both kept as separate sets</source>
        <translation>%1 には異なる %2 ファイルが 2 つ (%3 と %4) あります: 別々のセットとして両方採用</translation>
    </message>
    <message>
        <source>%1 handed in</source>
        <translation>%1 が提出済み</translation>
    </message>
    <message numerus="yes">
        <source>%n student(s)</source>
        <translation>
            <numerusform>学生 %n 人</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>cannot create or enter the folder %1; files are kept in %2</source>
        <translation>フォルダー %1 を作成または移動できません; ファイルは %2 に保存されます</translation>
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
        <translation>使い方: %1 [--user-folder] [--hand-in フォルダー] [--unlock] [--language コード]
           [設定ファイル]
        %1 --timing-check | --check-machine | --version | --help

単純反応と選択反応の反応時間測定: 音、色の変化、またはその両方への学生の
反応時間を、単純反応テストと 2 つの選択反応テストで測ります。

  設定ファイル        %2 の代わりに使う設定。相対名はファイルの保存
                      フォルダーから探します
  --user-folder       ファイルをユーザーごとのフォルダーに保存します (なければ
                      作成): %3
                      (デスクトップのメニュー項目はこの方法で起動します)
  --hand-in フォルダー 保存した .nrm と .col ファイル、および recover.dat を
                      教員のためにフォルダー/&lt;ログイン名&gt;/ にも提出します
                      (全ユーザー向けには /etc/xdg/Brevane/Brevane.conf で
                      設定; man brevane)
  --unlock            実験室が設定をロックしている場合に、実験室の教員グループの
                      メンバーがこのセッションで設定を変更できるようにします
  --timing-check      フォトダイオードやカメラ用の点滅パッチを、リフレッシュ
                      レート、フレーム時間のばらつき、使用中の時刻の取得元と
                      ともに表示します (Esc かクリックで終了)
  --check-machine     この PC をサウンドカードの入力を通して端から端まで確認
                      します: 画面はフォトダイオード、音は出力からのケーブル、
                      マウスはそのクリック音で測ります。遅延は「Brevane に
                      ついて」とクラス集計のために保存します (docs/guide.md)
  --language コード   プログラムをこの言語で表示します (de、ja、ar など。
                      翻訳がなければ英語)。システムや Brevane.conf の設定より
                      優先します
  --version           バージョンを表示して終了
  --help              この説明を表示して終了

ファイルは現在のフォルダー、--user-folder では上記のフォルダーに保存されます:
%2 (設定。なければ既定値で作成) と recover.dat (各テストのセット。
シリーズ終了ごとに書き直され、メインメニューの「復旧」で読み戻せます)。
ファイルダイアログはそこで開きます。結果ファイル (.nrm、.col) は保存した
場所に置かれます。
</translation>
    </message>
</context>
<context>
    <name>DisplayStamps</name>
    <message>
        <source>; times may be one frame long: see the guide</source>
        <translation>; 時間が 1 フレーム長くなることがあります: ガイドを参照</translation>
    </message>
    <message>
        <source>The window system does not say when a frame is shown</source>
        <translation>ウィンドウシステムはフレームの表示時刻を知らせません</translation>
    </message>
    <message>
        <source>The X server does not say when a frame is shown</source>
        <translation>X サーバーはフレームの表示時刻を知らせません</translation>
    </message>
    <message>
        <source>XWayland shows the window through the Wayland compositor</source>
        <translation>XWayland はウィンドウを Wayland コンポジター経由で表示します</translation>
    </message>
    <message>
        <source>Some stimuli were stamped by %1</source>
        <translation>一部の刺激の時刻は %1 によります</translation>
    </message>
    <message>
        <source>the display&apos;s refresh</source>
        <translation>ディスプレイのリフレッシュ</translation>
    </message>
    <message>
        <source>the X server&apos;s refresh, not the pixel&apos;s</source>
        <translation>X サーバーのリフレッシュ (ピクセルのものではない)</translation>
    </message>
    <message>
        <source>the compositor&apos;s frame timings</source>
        <translation>コンポジターのフレームタイミング</translation>
    </message>
    <message>
        <source>the screen read back</source>
        <translation>画面の読み戻し</translation>
    </message>
    <message>
        <source>the Wayland compositor&apos;s report of the frame</source>
        <translation>Wayland コンポジターのフレーム報告</translation>
    </message>
    <message>
        <source>the hand-over to the X server</source>
        <translation>X サーバーへの受け渡し</translation>
    </message>
    <message>
        <source>the clock after a repaint</source>
        <translation>再描画後の時計</translation>
    </message>
    <message>
        <source>%1 (exact)</source>
        <translation>%1 (正確)</translation>
    </message>
    <message>
        <source>%1 (estimated)</source>
        <translation>%1 (推定)</translation>
    </message>
    <message>
        <source>none</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>%1 Hz</source>
        <translation>%1 Hz</translation>
    </message>
    <message>
        <source>not reported (a virtual screen)</source>
        <translation>報告なし (仮想画面)</translation>
    </message>
    <message>
        <source>The Wayland compositor estimates when a frame is shown; times may be one frame long: see the guide</source>
        <translation>Wayland コンポジターはフレームの表示時刻を推定しています; 時間が 1 フレーム長くなることがあります: ガイドを参照</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>Reflex Data Files (*.nrm)|*.nrm</source>
        <translation>反応データファイル (*.nrm)|*.nrm</translation>
    </message>
    <message>
        <source>Reflex Data Files (*.col)|*.col</source>
        <translation>反応データファイル (*.col)|*.col</translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
        File already exisits. Do you want to overwrite?</source>
        <translation><byte value="xd"/>
<byte value="xd"/>
        ファイルはすでにあります。上書きしますか?</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>ファイルの保存</translation>
    </message>
    <message>
        <source>Save File Error</source>
        <translation>保存エラー</translation>
    </message>
    <message>
        <source>Save Cancelled</source>
        <translation>保存を中止しました</translation>
    </message>
    <message>
        <source>Load File Error</source>
        <translation>読み込みエラー</translation>
    </message>
    <message>
        <source>Load Cancelled</source>
        <translation>読み込みを中止しました</translation>
    </message>
    <message>
        <source>Export to CSV</source>
        <translation>CSV に書き出し</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)|*.csv</source>
        <translation>CSV ファイル (*.csv)|*.csv</translation>
    </message>
</context>
<context>
    <name>FileRead</name>
    <message>
        <source>%1 is a folder, not a file.</source>
        <translation>%1 はファイルではなくフォルダーです。</translation>
    </message>
    <message>
        <source>%1 holds %2 MB, far more than any file of this program; it was not read.</source>
        <translation>%1 は %2 MB あり、このプログラムのどのファイルよりはるかに大きいため、読み込みませんでした。</translation>
    </message>
    <message>
        <source>%1 is far larger than any file of this program; it was not read.</source>
        <translation>%1 はこのプログラムのどのファイルよりはるかに大きいため、読み込みませんでした。</translation>
    </message>
</context>
<context>
    <name>HandIn</name>
    <message>
        <source>Hand-in</source>
        <translation>提出</translation>
    </message>
    <message>
        <source>the hand-in folder is missing</source>
        <translation>提出フォルダーがありません</translation>
    </message>
    <message>
        <source>Not handed in to %1: %2.
Your file is saved on this computer; it is handed in at your next save.</source>
        <translation>%1 に提出できませんでした: %2。
ファイルはこのコンピューターに保存されています。次に保存するときに提出されます。</translation>
    </message>
    <message>
        <source>the hand-in folder is still not answering</source>
        <translation>提出フォルダーがまだ応答しません</translation>
    </message>
    <message>
        <source>the hand-in folder did not answer</source>
        <translation>提出フォルダーが応答しませんでした</translation>
    </message>
    <message>
        <source>the folder %1 in the hand-in folder is a link, not a folder</source>
        <translation>提出フォルダー内のフォルダー %1 はフォルダーではなくリンクです</translation>
    </message>
    <message>
        <source>%1 in the hand-in folder is not a folder</source>
        <translation>提出フォルダー内の %1 はフォルダーではありません</translation>
    </message>
    <message>
        <source>the folder %1 in the hand-in folder belongs to another user</source>
        <translation>提出フォルダー内のフォルダー %1 は別のユーザーのものです</translation>
    </message>
</context>
<context>
    <name>HandoutPage</name>
    <message>
        <source>beyond your median ± 3 scaled MADs of the test</source>
        <translation>このテストでのあなたの中央値 ± 3 スケール化 MAD の範囲外</translation>
    </message>
    <message>
        <source>beyond your mean ± 3 SD of the test</source>
        <translation>このテストでのあなたの平均 ± 3 SD の範囲外</translation>
    </message>
    <message>
        <source>none cut here</source>
        <translation>ここでは除外なし</translation>
    </message>
    <message>
        <source>Reaction times of %1</source>
        <translation>%1 の反応時間</translation>
    </message>
    <message>
        <source>Your times beside your class&apos;s (%1 students), in whole milliseconds as stored.</source>
        <translation>あなたの時間とクラス (学生 %1 人) の時間。保存どおり整数のミリ秒。</translation>
    </message>
    <message>
        <source>test</source>
        <translation>テスト</translation>
    </message>
    <message>
        <source>sets</source>
        <translation>セット</translation>
    </message>
    <message>
        <source>runs that count</source>
        <translation>有効な試行</translation>
    </message>
    <message>
        <source>mean</source>
        <translation>平均</translation>
    </message>
    <message>
        <source>median</source>
        <translation>中央値</translation>
    </message>
    <message>
        <source>anticipations</source>
        <translation>予期反応</translation>
    </message>
    <message>
        <source>lapses</source>
        <translation>ラプス</translation>
    </message>
    <message>
        <source>outliers</source>
        <translation>外れ値</translation>
    </message>
    <message>
        <source>Runs that count: all but missed hits, anticipations (under %1 ms), lapses (over %2 ms) and outliers (%3). mean: the mean of your set means, every time as stored. median, μ, σ, τ: your runs but missed hits, anticipations and lapses; μ, σ, τ: the ex-Gaussian fitted to them, a normal part (μ, σ) plus an exponential part of mean τ, the slow tail; from %4 runs on.</source>
        <translation>有効な試行: 見逃し、予期反応 (%1 ms 未満)、ラプス (%2 ms 超)、外れ値 (%3) を除くすべて。平均: あなたのセット平均の平均で、時間はすべて保存どおり。中央値、μ、σ、τ: 見逃し、予期反応、ラプスを除くあなたの試行。μ、σ、τ: それらに当てはめた指数ガウス分布で、正規分布の部分 (μ、σ) と平均 τ の指数分布の部分 (遅い裾) からなる; %4 試行以上で計算。</translation>
    </message>
    <message>
        <source>Grey: the class&apos;s runs that count; outlined: yours, each as shares of its runs. Ticks: the class&apos;s means; the dot: yours.</source>
        <translation>灰色: クラスの有効な試行、枠線: あなたの試行 (それぞれ全試行に占める割合)。目盛り線: クラスの平均、点: あなたの平均。</translation>
    </message>
    <message>
        <source>No mean: none of your runs is a reaction time.</source>
        <translation>平均なし: 反応時間になった試行がありません。</translation>
    </message>
    <message>
        <source>Your mean, %1 ms; nobody else took this test.</source>
        <translation>あなたの平均は %1 ms。ほかにこのテストを受けた人はいません。</translation>
    </message>
    <message>
        <source>Your mean, %1 ms: of the %2 others, %3 faster, %4 slower.</source>
        <translation>あなたの平均は %1 ms: ほかの %2 人のうち、%3 人が速く、%4 人が遅い。</translation>
    </message>
</context>
<context>
    <name>Handouts</name>
    <message>
        <source>Reaction times: a page for each student</source>
        <translation>反応時間: 学生ごとのページ</translation>
    </message>
</context>
<context>
    <name>Lab</name>
    <message>
        <source>The settings are locked by the lab (LockSettings in %1).</source>
        <translation>設定は実験室によってロックされています (%1 の LockSettings)。</translation>
    </message>
    <message>
        <source>Nobody may unlock the settings here: %1 names no group of teachers (Teachers in its [Lab] section).</source>
        <translation>ここでは誰も設定のロックを解除できません: %1 に教員のグループが指定されていません ([Lab] セクションの Teachers)。</translation>
    </message>
    <message>
        <source>The settings are locked by the lab (LockSettings in %1); a member of the group %2 may change them by starting the program with --unlock.</source>
        <translation>設定は実験室によってロックされています (%1 の LockSettings)。グループ %2 のメンバーは、プログラムを --unlock 付きで起動すると変更できます。</translation>
    </message>
    <message>
        <source>Only a member of the group %1 may unlock the settings with --unlock, which %2 is not; the settings stay locked.</source>
        <translation>--unlock で設定のロックを解除できるのはグループ %1 のメンバーだけですが、%2 はメンバーではありません; 設定はロックされたままです。</translation>
    </message>
</context>
<context>
    <name>MachineCheck</name>
    <message>
        <source>%1 of %2 trials</source>
        <translation>%2 回中 %1 回</translation>
    </message>
    <message>
        <source>the signal is too weak (%1): turn the input volume up, or the screen&apos;s brightness, and hold the diode flat on the patch</source>
        <translation>信号が弱すぎます (%1): 入力音量か画面の明るさを上げ、ダイオードをパッチに平らに当ててください</translation>
    </message>
    <message>
        <source>the signal is too weak (%1): turn the output and the input volume up</source>
        <translation>信号が弱すぎます (%1): 出力と入力の音量を上げてください</translation>
    </message>
    <message>
        <source>the clicks are too faint (%1): put the microphone closer to the mouse and turn the input volume up</source>
        <translation>クリック音が小さすぎます (%1): マイクをマウスに近づけ、入力音量を上げてください</translation>
    </message>
    <message>
        <source>the signal is too noisy (%1): keep the room quiet, the cable short and away from the mains, and turn the input volume down if it hums</source>
        <translation>信号のノイズが多すぎます (%1): 部屋を静かにし、ケーブルを短くして電源線から離してください。ハム音がする場合は入力音量を下げてください</translation>
    </message>
    <message>
        <source>the recording broke off (%1): close other programs that use the sound card and try again</source>
        <translation>録音が途切れました (%1): サウンドカードを使うほかのプログラムを閉じて、もう一度試してください</translation>
    </message>
    <message>
        <source>no flash was seen in %1: is the diode on the patch and plugged into the input that records?</source>
        <translation>点滅を検出できませんでした (%1): ダイオードはパッチに当たっていて、録音する入力に接続されていますか?</translation>
    </message>
    <message>
        <source>no tone came back in %1: is the output looped to the input that records?</source>
        <translation>音が戻ってきませんでした (%1): 出力は録音する入力にループ接続されていますか?</translation>
    </message>
    <message>
        <source>no click was heard in %1: is the microphone next to the mouse?</source>
        <translation>クリック音が聞こえませんでした (%1): マイクはマウスのそばにありますか?</translation>
    </message>
    <message>
        <source>too few trials (%1)</source>
        <translation>測定回数が少なすぎます (%1)</translation>
    </message>
</context>
<context>
    <name>MachineResult</name>
    <message>
        <source>it is not a machine check&apos;s result</source>
        <translation>マシン確認の結果ではありません</translation>
    </message>
    <message>
        <source>line %1 is not a part&apos;s lag</source>
        <translation>%1 行目は部分の遅延ではありません</translation>
    </message>
    <message>
        <source>it names no machine</source>
        <translation>マシン名がありません</translation>
    </message>
    <message>
        <source>%1 %2 ms (SD %3)</source>
        <translation>%1 %2 ms (SD %3)</translation>
    </message>
    <message>
        <source>%1: not measured</source>
        <translation>%1: 未測定</translation>
    </message>
    <message>
        <source>Machine check: not done on this machine (brevane --check-machine)</source>
        <translation>マシン確認: このマシンでは未実施 (brevane --check-machine)</translation>
    </message>
    <message>
        <source>Machine check (%1, %2): %3</source>
        <translation>マシン確認 (%1、%2): %3</translation>
    </message>
</context>
<context>
    <name>ProgramVersion</name>
    <message>
        <source>Version %1.%2%3</source>
        <translation>バージョン %1.%2%3</translation>
    </message>
</context>
<context>
    <name>QtPrinting</name>
    <message>
        <source>The printer %1 could not be opened.</source>
        <translation>プリンター %1 を開けませんでした。</translation>
    </message>
    <message>
        <source>The printer %1 reported an error.</source>
        <translation>プリンター %1 がエラーを報告しました。</translation>
    </message>
    <message>
        <source>The PDF could not be completed.</source>
        <translation>PDF を完成できませんでした。</translation>
    </message>
    <message>
        <source>The PDF could not be started.</source>
        <translation>PDF を開始できませんでした。</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>印刷の設定</translation>
    </message>
</context>
<context>
    <name>RecoveryFile</name>
    <message>
        <source>The recovery file recover.dat could not be written.</source>
        <translation>復旧ファイル recover.dat を書き込めませんでした。</translation>
    </message>
    <message>
        <source><byte value="xd"/>Your data are kept in memory.</source>
        <translation><byte value="xd"/>データはメモリーに残っています。</translation>
    </message>
    <message>
        <source>Recovery File Error</source>
        <translation>復旧ファイルのエラー</translation>
    </message>
    <message>
        <source>Load Cancelled</source>
        <translation>読み込みを中止しました</translation>
    </message>
    <message>
        <source>No Recovery File Created or Found</source>
        <translation>復旧ファイルが作成されていないか、見つかりません</translation>
    </message>
    <message>
        <source>Load File Error</source>
        <translation>読み込みエラー</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Fastest Time</source>
        <translation>最速時間</translation>
    </message>
    <message>
        <source>Slowest Time</source>
        <translation>最遅時間</translation>
    </message>
    <message>
        <source>Average Time</source>
        <translation>平均時間</translation>
    </message>
    <message>
        <source>Correct Hits</source>
        <translation>正ヒット</translation>
    </message>
    <message>
        <source>Correct Misses</source>
        <translation>正棄却</translation>
    </message>
    <message>
        <source>InCorrect Hits</source>
        <translation>誤ヒット</translation>
    </message>
    <message>
        <source>Missed Hits</source>
        <translation>見逃し</translation>
    </message>
    <message>
        <source>Orv Tovanel:  Color Reflex Data</source>
        <translation>Orv Tovanel:  色刺激の反応データ</translation>
    </message>
    <message>
        <source>Orv Tovanel:  Number Reflex Data</source>
        <translation>Orv Tovanel:  数字刺激の反応データ</translation>
    </message>
    <message>
        <source>Set  %1</source>
        <translation>セット  %1</translation>
    </message>
    <message>
        <source>Comments:</source>
        <translation>コメント:</translation>
    </message>
    <message>
        <source>Save Report As PDF</source>
        <translation>レポートを PDF で保存</translation>
    </message>
    <message>
        <source>PDF Files|*.pdf</source>
        <translation>PDF ファイル|*.pdf</translation>
    </message>
    <message>
        <source>The file could not be written.</source>
        <translation>ファイルを書き込めませんでした。</translation>
    </message>
    <message>
        <source>Print Error<byte value="xd"/></source>
        <translation>印刷エラー<byte value="xd"/></translation>
    </message>
    <message>
        <source>Print Cancelled</source>
        <translation>印刷を中止しました</translation>
    </message>
    <message>
        <source>  Slowest Time</source>
        <translation>  最遅時間</translation>
    </message>
    <message>
        <source>Orv Tovanel:  Normal Reflex Data</source>
        <translation>Orv Tovanel:  単純反応データ</translation>
    </message>
</context>
<context>
    <name>ResultsKind</name>
    <message>
        <source>Complex Choice Color/Audio Stimulus Module Data Display</source>
        <translation>選択反応 色/音 刺激モジュールの結果</translation>
    </message>
    <message>
        <source>Delete run %1 from the set? </source>
        <translation>セットから試行 %1 を削除しますか? </translation>
    </message>
    <message>
        <source>Color Reflex Data Files</source>
        <translation>色刺激の反応データファイル</translation>
    </message>
    <message>
        <source>Complex Choice Number/Audio Stimulus Module Data Display</source>
        <translation>選択反応 数字/音 刺激モジュールの結果</translation>
    </message>
    <message>
        <source>Delete run %1 for the set? </source>
        <translation>セットの試行 %1 を削除しますか? </translation>
    </message>
    <message>
        <source>Number Reflex Data Files</source>
        <translation>数字刺激の反応データファイル</translation>
    </message>
    <message>
        <source>Simple Choice Stimulus Module Data Display</source>
        <translation>単純反応刺激モジュールの結果</translation>
    </message>
    <message>
        <source>Normal Reflex Data Files</source>
        <translation>単純反応データファイル</translation>
    </message>
</context>
<context>
    <name>ResultsModel</name>
    <message>
        <source>Delete run %1 for the set? </source>
        <translation>セットの試行 %1 を削除しますか? </translation>
    </message>
    <message>
        <source>Are you sure you want to DELETE ALL DATA ?</source>
        <translation>本当にすべてのデータを削除しますか?</translation>
    </message>
    <message>
        <source>Delete All Data</source>
        <translation>すべてのデータを削除</translation>
    </message>
</context>
<context>
    <name>RuleOptions</name>
    <message>
        <source>A time under &lt;ms&gt; is an anticipation (default: 100).</source>
        <translation>&lt;ms&gt; 未満の時間を予期反応とする (既定: 100)。</translation>
    </message>
    <message>
        <source>A time over &lt;ms&gt; is a lapse (default: 2000).</source>
        <translation>&lt;ms&gt; を超える時間をラプスとする (既定: 2000)。</translation>
    </message>
    <message>
        <source>Cut outliers beyond median +- 3 scaled MADs (mad, the default), mean +- 3 SD (sd), or not at all (none).</source>
        <translation>外れ値を、中央値 +- 3 スケール化 MAD の範囲外 (mad、既定) または平均 +- 3 SD の範囲外 (sd) で除外する。除外しない場合は none。</translation>
    </message>
    <message>
        <source>Write a PDF page for each student, handout-&lt;student&gt;.pdf.</source>
        <translation>学生ごとに PDF のページ handout-&lt;学生&gt;.pdf を書き出す。</translation>
    </message>
    <message>
        <source>--%1 takes a whole number of milliseconds from %2 to %3, not %4</source>
        <translation>--%1 には %2〜%3 の整数のミリ秒を指定します (%4 は不可)</translation>
    </message>
    <message>
        <source>the lapse limit (%1 ms) must lie above the anticipation limit (%2 ms)</source>
        <translation>ラプスのしきい値 (%1 ms) は予期反応のしきい値 (%2 ms) より大きくしてください</translation>
    </message>
    <message>
        <source>--outlier-rule takes mad, sd or none, not %1</source>
        <translation>--outlier-rule には mad、sd、none のいずれかを指定します (%1 は不可)</translation>
    </message>
</context>
<context>
    <name>SessionPlatform</name>
    <message>
        <source>On Wayland: no pointer placement, and presses are stamped by the toolkit event (XWayland gives both)</source>
        <translation>Wayland では: ポインターを配置できず、ボタン押下の時刻はツールキットのイベントによります (XWayland なら両方可能)</translation>
    </message>
    <message>
        <source>Wayland session: running on X through XWayland, which places the pointer and reads raw input</source>
        <translation>Wayland セッション: XWayland 経由で X 上で実行します (ポインターを配置し、生の入力を読みます)</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Settings Locked</source>
        <translation>設定はロック中</translation>
    </message>
</context>
<context>
    <name>SettingsEditor</name>
    <message>
        <source>Configuration Files (*.cfg)|*.cfg</source>
        <translation>設定ファイル (*.cfg)|*.cfg</translation>
    </message>
    <message>
        <source>Trigger Colour</source>
        <translation>ターゲットの色</translation>
    </message>
    <message>
        <source>The trigger colour must differ from the panel&apos;s white at rest, or the stimulus is invisible.</source>
        <translation>ターゲットの色は待機中のパネルの白と違う色にしてください。同じだと刺激が見えません。</translation>
    </message>
    <message>
        <source>Save Configuration File</source>
        <translation>設定ファイルの保存</translation>
    </message>
    <message>
        <source>Save File Error</source>
        <translation>保存エラー</translation>
    </message>
    <message>
        <source>Save Cancelled</source>
        <translation>保存を中止しました</translation>
    </message>
    <message>
        <source>Load Configuration File</source>
        <translation>設定ファイルの読み込み</translation>
    </message>
    <message>
        <source>Load File Error</source>
        <translation>読み込みエラー</translation>
    </message>
    <message>
        <source>Load Cancelled</source>
        <translation>読み込みを中止しました</translation>
    </message>
    <message>
        <source>Configuration File Load Error</source>
        <translation>設定ファイルの読み込みエラー</translation>
    </message>
    <message>
        <source>Invalid Configuration File<byte value="xd"/>No File Loaded</source>
        <translation>無効な設定ファイルです<byte value="xd"/>ファイルは読み込まれていません</translation>
    </message>
</context>
<context>
    <name>ShapeChart</name>
    <message>
        <source>median of the student&apos;s runs (ms)</source>
        <translation>学生の試行の中央値 (ms)</translation>
    </message>
    <message>
        <source>τ, the slow tail (ms)</source>
        <translation>τ、遅い裾 (ms)</translation>
    </message>
    <message>
        <source>%1 of %2 students fitted
mean τ %3 ms</source>
        <translation>学生 %2 人中 %1 人を当てはめ
平均 τ %3 ms</translation>
    </message>
    <message>
        <source>%1 − simple: μ %2 ms (95 % CI %3 to %4), τ %5 ms (%6 to %7), %8 students</source>
        <translation>%1 − 単純: μ %2 ms (95% 信頼区間 %3〜%4)、τ %5 ms (%6〜%7)、学生 %8 人</translation>
    </message>
    <message>
        <source>The shape of each student&apos;s times</source>
        <translation>学生ごとの時間の分布の形</translation>
    </message>
    <message>
        <source>One dot for each student and test with an ex-Gaussian fit (at least %1 runs that are neither anticipations nor lapses): across, the median of those runs; up, τ, the mean of the fit&apos;s exponential part: its slow tail. A test that slows every run moves the dots to the right; one that adds slow runs moves them up.</source>
        <translation>指数ガウス分布を当てはめた学生とテストの組ごとに 1 点 (予期反応でもラプスでもない試行が %1 以上): 横軸はそれらの試行の中央値、縦軸は τ (当てはめた指数分布部分の平均、つまり遅い裾)。すべての試行を遅くするテストでは点が右へ、遅い試行を加えるテストでは点が上へ移ります。</translation>
    </message>
    <message>
        <source>No student has %1 runs in a test yet: too few for a fit</source>
        <translation>まだどの学生もテストで %1 試行に達していません: 当てはめには少なすぎます</translation>
    </message>
</context>
<context>
    <name>ShareCheck</name>
    <message>
        <source>cannot look at %1 (%2)</source>
        <translation>%1 を調べられません (%2)</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 はフォルダーではありません</translation>
    </message>
    <message>
        <source>cannot list %1 (%2): run this as a member of its group or as root</source>
        <translation>%1 の一覧を取得できません (%2): そのグループのメンバーか root として実行してください</translation>
    </message>
    <message>
        <source>1 student&apos;s folder</source>
        <translation>学生のフォルダー 1 個</translation>
    </message>
    <message>
        <source>%1 students&apos; folders</source>
        <translation>学生のフォルダー %1 個</translation>
    </message>
    <message>
        <source>%1: %2, all as the recipe has them</source>
        <translation>%1: %2、すべて手順どおり</translation>
    </message>
    <message>
        <source>%1: %2; 1 thing to put right</source>
        <translation>%1: %2; 直すべき点: 1 点</translation>
    </message>
    <message>
        <source>%1: %2; %3 things to put right</source>
        <translation>%1: %2; 直すべき点: %3 点</translation>
    </message>
    <message>
        <source>%1: the guide&apos;s first recipe, one group folder (mode 3773), group %2</source>
        <translation>%1: ガイドの手順 1、グループで共有する 1 つのフォルダー (モード 3773)、グループ %2</translation>
    </message>
    <message>
        <source>%1: the guide&apos;s second recipe, a folder per student (mode 0751), group %2</source>
        <translation>%1: ガイドの手順 2、学生ごとのフォルダー (モード 0751)、グループ %2</translation>
    </message>
    <message>
        <source>%1 has the mode %2, not %3</source>
        <translation>%1 のモードが %3 ではなく %2 です</translation>
    </message>
    <message>
        <source>every user may list %1 and see who handed in: take the others&apos; r away</source>
        <translation>すべてのユーザーが %1 の一覧を見て、誰が提出したかを知ることができます: その他 (others) の r を外してください</translation>
    </message>
    <message>
        <source>without the sticky bit a student may rename or remove another&apos;s folder</source>
        <translation>スティッキービットがないと、学生がほかの学生のフォルダーの名前を変えたり削除したりできます</translation>
    </message>
    <message>
        <source>without the setgid bit the students&apos; new folders do not get the group %1, and the teachers cannot read them</source>
        <translation>setgid ビットがないと、学生の新しいフォルダーにグループ %1 が付かず、教員が読めません</translation>
    </message>
    <message>
        <source>the students cannot %1 their folders in %2</source>
        <translation>学生は %2 内の自分のフォルダーを%1できません</translation>
    </message>
    <message>
        <source>make</source>
        <translation>作成</translation>
    </message>
    <message>
        <source>reach</source>
        <translation>開くことが</translation>
    </message>
    <message>
        <source>the group %1 cannot list %2, so the teachers do not see the folders</source>
        <translation>グループ %1 が %2 の一覧を取得できないため、教員にフォルダーが見えません</translation>
    </message>
    <message>
        <source>%1 belongs to user %2, not root: %2 may rename or remove every student&apos;s folder</source>
        <translation>%1 の所有者が root ではなくユーザー %2 です: %2 はすべての学生のフォルダーの名前を変えたり削除したりできます</translation>
    </message>
    <message>
        <source>%1 is a link, not a student&apos;s folder: remove it (hand-ins through it are refused)</source>
        <translation>%1 は学生のフォルダーではなくリンクです: 削除してください (これを通した提出は拒否されます)</translation>
    </message>
    <message>
        <source>%1 is no student&apos;s folder, and belongs to user %2: remove it</source>
        <translation>%1 は学生のフォルダーではなく、ユーザー %2 のものです: 削除してください</translation>
    </message>
    <message>
        <source>%1: there is no user %2 on this machine</source>
        <translation>%1: このマシンにユーザー %2 はいません</translation>
    </message>
    <message>
        <source>%1 belongs to user %2, not %3: remove it, or %3&apos;s hand-ins are refused</source>
        <translation>%1 の所有者が %3 ではなくユーザー %2 です: 削除してください。そのままでは %3 の提出が拒否されます</translation>
    </message>
    <message>
        <source>%1 has the group %2, not %3: the teachers cannot read it</source>
        <translation>%1 のグループが %3 ではなく %2 です: 教員が読めません</translation>
    </message>
    <message>
        <source>%1 has the mode %2, not 0750%3</source>
        <translation>%1 のモードが 0750 ではなく %2 です%3</translation>
    </message>
    <message>
        <source>: every user may read %1&apos;s files</source>
        <translation>: すべてのユーザーが %1 のファイルを読めます</translation>
    </message>
    <message>
        <source>%1 is in the group %2, and so may read every student&apos;s folder</source>
        <translation>%1 はグループ %2 に属しているため、すべての学生のフォルダーを読めます</translation>
    </message>
    <message>
        <source>%1 is a link, which the summary does not follow: remove it</source>
        <translation>%1 はリンクで、集計ではたどりません: 削除してください</translation>
    </message>
    <message>
        <source>%1 is a FIFO, a socket or a device, which the summary does not read: remove it</source>
        <translation>%1 は FIFO、ソケット、またはデバイスで、集計では読み込みません: 削除してください</translation>
    </message>
    <message>
        <source>%1 belongs to user %2, not to the folder&apos;s student</source>
        <translation>%1 の所有者がフォルダーの学生ではなくユーザー %2 です</translation>
    </message>
    <message>
        <source>every user may read %1</source>
        <translation>すべてのユーザーが %1 を読めます</translation>
    </message>
</context>
<context>
    <name>SimpleEngine</name>
    <message>
        <source>            Audio Trigger</source>
        <translation>            音の刺激</translation>
    </message>
    <message>
        <source>           Visual Trigger</source>
        <translation>            光の刺激</translation>
    </message>
    <message>
        <source>     Audio/Visual Trigger</source>
        <translation>         音と光の刺激</translation>
    </message>
    <message>
        <source>The sound device &quot;%1&quot; could not be opened.</source>
        <translation>サウンドデバイス「%1」を開けませんでした。</translation>
    </message>
    <message>
        <source><byte value="xd"/>An audio trigger needs it: choose a visual trigger in Options.</source>
        <translation><byte value="xd"/>音の刺激にはデバイスが必要です。オプションで光の刺激を選んでください。</translation>
    </message>
    <message>
        <source>No Sound Device</source>
        <translation>サウンドデバイスがありません</translation>
    </message>
    <message>
        <source><byte value="xd"/>The series runs with the colour alone.</source>
        <translation><byte value="xd"/>このシリーズは色だけで実行します。</translation>
    </message>
</context>
<context>
    <name>SoundCapture</name>
    <message>
        <source>the sound card has no input to record from (%1)</source>
        <translation>サウンドカードに録音できる入力がありません (%1)</translation>
    </message>
    <message>
        <source>the sound card&apos;s input cannot record mono at %1 Hz (%2)</source>
        <translation>サウンドカードの入力は %1 Hz のモノラルで録音できません (%2)</translation>
    </message>
    <message>
        <source>no PipeWire server answers</source>
        <translation>PipeWire サーバーが応答しません</translation>
    </message>
    <message>
        <source>PipeWire has no input to record from</source>
        <translation>PipeWire に録音できる入力がありません</translation>
    </message>
    <message>
        <source>no PulseAudio server answers</source>
        <translation>PulseAudio サーバーが応答しません</translation>
    </message>
    <message>
        <source>PulseAudio has no input to record from</source>
        <translation>PulseAudio に録音できる入力がありません</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>the built-in defaults</source>
        <translation>組み込みの既定値</translation>
    </message>
    <message>
        <source>, locked by the lab</source>
        <translation>、実験室によりロック</translation>
    </message>
    <message>
        <source>Settings Locked</source>
        <translation>設定はロック中</translation>
    </message>
    <message>
        <source>The configuration file %1 is not read: the lab locks the settings (LockSettings in %2).</source>
        <translation>設定ファイル %1 は読み込みません: 実験室が設定をロックしています (%2 の LockSettings)。</translation>
    </message>
    <message>
        <source>Loading the class configuration ...</source>
        <translation>クラスの設定を読み込み中 ...</translation>
    </message>
    <message>
        <source>the class configuration %1</source>
        <translation>クラスの設定 %1</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>そのファイルはありません</translation>
    </message>
    <message>
        <source>Class Configuration</source>
        <translation>クラスの設定</translation>
    </message>
    <message>
        <source>The class configuration %1 that %2 names cannot be read (%3); the configuration of this computer is used instead.</source>
        <translation>%2 が指定するクラスの設定 %1 を読み込めません (%3); 代わりにこのコンピューターの設定を使います。</translation>
    </message>
</context>
<context>
    <name>StartupSequence</name>
    <message>
        <source>the screen is smaller than 800 x 600; the program ends</source>
        <translation>画面が 800 x 600 より小さいため、プログラムを終了します</translation>
    </message>
    <message>
        <source>Fatal Application Error</source>
        <translation>致命的なエラー</translation>
    </message>
    <message>
        <source>Orv Brevane supports a minimum screen resolution of 800 x 600</source>
        <translation>Orv Brevane には 800 x 600 以上の画面解像度が必要です</translation>
    </message>
    <message>
        <source>Press OK to terminate program</source>
        <translation>OK を押すとプログラムを終了します</translation>
    </message>
    <message>
        <source>Loading default configuration file ...</source>
        <translation>既定の設定ファイルを読み込み中 ...</translation>
    </message>
    <message>
        <source>Initializing application ...</source>
        <translation>プログラムを準備中 ...</translation>
    </message>
    <message>
        <source>Initializing application ... Almost Done</source>
        <translation>プログラムを準備中 ... まもなく完了</translation>
    </message>
    <message>
        <source>not a configuration file</source>
        <translation>設定ファイルではありません</translation>
    </message>
    <message>
        <source>Loading user configuration file ...</source>
        <translation>ユーザーの設定ファイルを読み込み中 ...</translation>
    </message>
    <message>
        <source>%1: no such configuration file; using the default configuration</source>
        <translation>%1: その設定ファイルはありません; 既定の設定を使います</translation>
    </message>
    <message>
        <source>Configuration load error</source>
        <translation>設定の読み込みエラー</translation>
    </message>
    <message>
        <source>File %1 could not be found</source>
        <translation>ファイル %1 が見つかりませんでした</translation>
    </message>
    <message>
        <source>Using Default Configuration</source>
        <translation>既定の設定を使います</translation>
    </message>
    <message>
        <source>%1: cannot read the configuration (%2); using the default configuration</source>
        <translation>%1: 設定を読めません (%2); 既定の設定を使います</translation>
    </message>
    <message>
        <source>Configuration Error</source>
        <translation>設定エラー</translation>
    </message>
    <message>
        <source>Invalid Configuration File</source>
        <translation>無効な設定ファイル</translation>
    </message>
    <message>
        <source>Using Default Configuration File</source>
        <translation>既定の設定ファイルを使います</translation>
    </message>
    <message>
        <source>%1: not found; writing one with the defaults</source>
        <translation>%1: 見つかりません; 既定値で作成します</translation>
    </message>
    <message>
        <source>Configuration file not found</source>
        <translation>設定ファイルが見つかりません</translation>
    </message>
    <message>
        <source>Default configuration file not found...</source>
        <translation>既定の設定ファイルが見つかりません...</translation>
    </message>
    <message>
        <source>Creating Reflex.Cfg</source>
        <translation>Reflex.Cfg を作成します</translation>
    </message>
    <message>
        <source>The refused file was kept as %1</source>
        <translation>受け付けなかったファイルは %1 として残しました</translation>
    </message>
    <message>
        <source>it could not be written</source>
        <translation>書き込めませんでした</translation>
    </message>
    <message>
        <source>%1: cannot read the configuration (%2); writing a new one with the defaults</source>
        <translation>%1: 設定を読めません (%2); 既定値で新しく作成します</translation>
    </message>
    <message>
        <source>%1: cannot read the configuration (%2); writing a new one with the defaults (the refused file is kept beside it as %3)</source>
        <translation>%1: 設定を読めません (%2); 既定値で新しく作成します (受け付けなかったファイルは同じ場所に %3 として残します)</translation>
    </message>
    <message>
        <source>Invalid Default Configuration File</source>
        <translation>既定の設定ファイルが無効です</translation>
    </message>
    <message>
        <source>Creating New Configuration File</source>
        <translation>新しい設定ファイルを作成します</translation>
    </message>
    <message>
        <source>%1: cannot be written; the defaults are used until the program ends</source>
        <translation>%1: 書き込めません; プログラム終了まで既定値を使います</translation>
    </message>
</context>
<context>
    <name>TestCore</name>
    <message>
        <source>Over write Data in Set %1 ?</source>
        <translation>セット %1 のデータを上書きしますか?</translation>
    </message>
    <message>
        <source>Start Reflex Data Collection</source>
        <translation>反応データの収集を開始</translation>
    </message>
    <message>
        <source>Your run has ended</source>
        <translation>シリーズが終了しました</translation>
    </message>
    <message>
        <source>END RUN</source>
        <translation>シリーズ終了</translation>
    </message>
</context>
<context>
    <name>XDisplay</name>
    <message>
        <source>a compositing manager</source>
        <translation>コンポジットマネージャー</translation>
    </message>
</context>
<context>
    <name>brevane::ChoiceWindow</name>
    <message>
        <source>With Sound</source>
        <translation>音あり</translation>
    </message>
    <message>
        <source>No Sound</source>
        <translation>音なし</translation>
    </message>
</context>
<context>
    <name>brevane::MachineCheckWindow</name>
    <message>
        <source>&amp;Start</source>
        <translation>開始(&amp;S)</translation>
    </message>
    <message>
        <source>S&amp;kip this part</source>
        <translation>この部分をスキップ(&amp;K)</translation>
    </message>
    <message>
        <source>Sa&amp;ve the result</source>
        <translation>結果を保存(&amp;V)</translation>
    </message>
    <message>
        <source>Brevane Machine Check</source>
        <translation>Brevane マシン確認</translation>
    </message>
    <message>
        <source>Flashing patch</source>
        <translation>点滅パッチ</translation>
    </message>
    <message>
        <source>Machine check guide</source>
        <translation>マシン確認の説明</translation>
    </message>
    <message>
        <source>Machine check: what this PC adds to every time a student measures on it.

The sound card&apos;s input is the clock: it hears the screen through a photodiode, the sound through a cable from the output, and the mouse through a microphone, and the program compares what it heard with its own stamps. Three parts, each about half a minute; skip any you cannot do. Each part gives the mean, the spread (SD) and the worst of its trials.

Press Start (or Return) to begin with the screen; Esc ends the check.</source>
        <translation>マシン確認: この PC が、学生がここで測るすべての時間に加えるもの。

サウンドカードの入力が時計になります: 画面をフォトダイオードで、音を出力からのケーブルで、マウスをマイクで聞き取り、プログラムは聞き取ったものを自分の時刻と比べます。部分は 3 つで、それぞれ約 30 秒です; できない部分はスキップしてください。各部分では、測定の平均、ばらつき (SD)、最悪値がわかります。

開始 (または Return) を押すと画面から始めます; Esc で確認を終了します。</translation>
    </message>
    <message>
        <source>No input to record from: %1.
Plug a cable or a microphone into the sound card&apos;s input (line-in or microphone), make it the input in the sound settings, and start the check again.</source>
        <translation>録音できる入力がありません: %1。
サウンドカードの入力 (ライン入力かマイク入力) にケーブルかマイクを接続し、サウンドの設定でそれを入力に選んでから、もう一度確認を始めてください。</translation>
    </message>
    <message>
        <source>

Clicks: %1 of %2</source>
        <translation>

クリック: %2 回中 %1 回</translation>
    </message>
    <message>
        <source>Screen: a photodiode held on the flashing patch.
You need a BPW34 photodiode (or any small silicon photodiode, a few euros) soldered to a 3.5 mm plug. On a line-in: the diode&apos;s anode to the tip, its cathode (the marked side) to the sleeve. On a microphone input, which feeds a few volts through the tip: the cathode to the tip, the anode to the sleeve. Set the input volume to about half.
Tape the diode flat on the middle of the patch below, the screen at the brightness the students use, the room light as in class. Press Start: the patch flashes %1 times, once a second.</source>
        <translation>画面: 点滅パッチに当てたフォトダイオード。
BPW34 フォトダイオード (または小型のシリコンフォトダイオードなら何でも。安価です) を 3.5 mm プラグにはんだ付けしたものが必要です。ライン入力の場合: ダイオードのアノードをチップに、カソード (印のある側) をスリーブに。チップから数ボルトを供給するマイク入力の場合: カソードをチップに、アノードをスリーブに。入力音量は半分程度にします。
ダイオードを下のパッチの中央に平らにテープで留め、画面は学生が使う明るさ、部屋の照明は授業と同じにします。開始を押すと、パッチが 1 秒に 1 回、%1 回点滅します。</translation>
    </message>
    <message>
        <source>Sound: the output looped to the input.
Plug a cable from the headphone socket into the line-in (or hold the headset&apos;s microphone at its speaker), the volume as in class. Press Start: %1 tones, one a second.</source>
        <translation>音: 出力を入力にループ接続。
ヘッドホン端子からライン入力へケーブルを接続します (またはヘッドセットのマイクをそのスピーカーに当てます)。音量は授業と同じにします。開始を押すと、1 秒に 1 回、%1 回音が鳴ります。</translation>
    </message>
    <message>
        <source>Mouse: each button&apos;s click, heard by a microphone next to the mouse.
Put the microphone within 5 cm of the mouse&apos;s buttons: sound travels about 0.03 ms a centimetre, so 5 cm add 0.15 ms to what is measured, 30 cm almost 1 ms. Keep the room quiet. Press Start, then click the left button %1 times in the grey square, about once a second. Each mouse you click is measured on its own.</source>
        <translation>マウス: 各ボタンのクリック音を、マウスのそばのマイクで聞き取ります。
マイクをマウスのボタンから 5 cm 以内に置いてください: 音は 1 cm あたり約 0.03 ms かかるため、5 cm では測定値に 0.15 ms、30 cm ではほぼ 1 ms 加わります。部屋を静かにしてください。開始を押してから、灰色の四角の中で左ボタンを約 1 秒に 1 回、%1 回クリックします。クリックしたマウスはそれぞれ別々に測定されます。</translation>
    </message>
    <message>
        <source>The machine check is done.

%1

Save keeps the result on this machine: the about box and the timing check show it, and it goes with the students&apos; files to the hand-in folder, where brevane-summary reads it.</source>
        <translation>マシン確認が終わりました。

%1

保存すると結果がこのマシンに残ります: 「Brevane について」とタイミング確認に表示され、学生のファイルと一緒に提出フォルダーへ送られて、そこで brevane-summary が読み込みます。</translation>
    </message>
    <message>
        <source>%1: skipped</source>
        <translation>%1: スキップ</translation>
    </message>
    <message>
        <source>

Measuring...</source>
        <translation>

測定中...</translation>
    </message>
    <message>
        <source>

Flashes: %1 of %2</source>
        <translation>

点滅: %2 回中 %1 回</translation>
    </message>
    <message>
        <source>

Tones: %1 of %2</source>
        <translation>

音: %2 回中 %1 回</translation>
    </message>
    <message>
        <source>%1: mean %2 ms, SD %3 ms, worst %4 ms over %5 of %6 trials</source>
        <translation>%1: 平均 %2 ms、SD %3 ms、最悪 %4 ms (%6 回中 %5 回の測定)</translation>
    </message>
    <message>
        <source>%1: refused: %2</source>
        <translation>%1: 不採用: %2</translation>
    </message>
    <message>
        <source>&amp;Finish</source>
        <translation>終了(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Next part</source>
        <translation>次の部分(&amp;N)</translation>
    </message>
    <message>
        <source>

Press %1 (Return) to go on.</source>
        <translation>

「%1」(Return) を押して続けてください。</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Next part</source>
        <translation>次の部分</translation>
    </message>
    <message>
        <source>Saved to %1.
For every user of this machine, copy it to /etc/xdg/Brevane/machine-check.txt (as root). Esc ends the check.</source>
        <translation>%1 に保存しました。
このマシンの全ユーザー向けには、(root として) /etc/xdg/Brevane/machine-check.txt にコピーしてください。Esc で確認を終了します。</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <translation>%1 を保存できませんでした: %2</translation>
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
        <translation>時間</translation>
    </message>
    <message>
        <source>Set %1</source>
        <translation>セット %1</translation>
    </message>
</context>
<context>
    <name>brevane::TimingCheckWindow</name>
    <message>
        <source>Brevane Timing Check</source>
        <translation>Brevane タイミング確認</translation>
    </message>
    <message>
        <source>Flashing patch</source>
        <translation>点滅パッチ</translation>
    </message>
    <message>
        <source>Timing readout</source>
        <translation>タイミング表示</translation>
    </message>
    <message>
        <source>Frames: measuring...</source>
        <translation>フレーム: 測定中...</translation>
    </message>
    <message>
        <source>Frames stamped at %L1 Hz (one every %L2 ms)
Frame time jitter: SD %L3 ms, worst %L4 ms, %5 late of the last %6</source>
        <translation>フレームの時刻: %L1 Hz (%L2 ms ごと)
フレーム時間のばらつき: SD %L3 ms、最大 %L4 ms、直近 %6 個中 %5 個が遅延</translation>
    </message>
    <message>
        <source>
Times may be one frame long: see the guide</source>
        <translation>
時間が 1 フレーム長くなることがあります: ガイドを参照</translation>
    </message>
    <message>
        <source>Timing check: Esc or a click ends it
Refresh reported by the screen: %L1 Hz; the monitor&apos;s mode: %2
%3
Stamp sources: display %4, input %5, sound %6
Compositor: %7; stimulus stamps: %8%9
The patch turns every %10 frames (frame %11)
%12</source>
        <translation>タイミング確認: Esc かクリックで終了
画面が報告するリフレッシュ: %L1 Hz; モニターのモード: %2
%3
時刻の取得元: 表示 %4、入力 %5、音 %6
コンポジター: %7; 刺激の時刻: %8%9
パッチは %10 フレームごとに切り替わります (フレーム %11)
%12</translation>
    </message>
</context>
<context>
    <name>brevane::frmAbout</name>
    <message>
        <source>Release %1</source>
        <translation>リリース %1</translation>
    </message>
    <message>
        <source>Configuration: %1</source>
        <translation>設定: %1</translation>
    </message>
</context>
<context>
    <name>brevane::frmColorSelect</name>
    <message>
        <source>Black</source>
        <translation>黒</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>青</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>緑</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>シアン</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>赤</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>マゼンタ</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>黄</translation>
    </message>
    <message>
        <source>White</source>
        <translation>白</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>灰色</translation>
    </message>
    <message>
        <source>Light Blue</source>
        <translation>明るい青</translation>
    </message>
    <message>
        <source>Light Green</source>
        <translation>明るい緑</translation>
    </message>
    <message>
        <source>Light Cyan</source>
        <translation>明るいシアン</translation>
    </message>
    <message>
        <source>Light Red</source>
        <translation>明るい赤</translation>
    </message>
    <message>
        <source>Light Magenta</source>
        <translation>明るいマゼンタ</translation>
    </message>
    <message>
        <source>Light Yellow</source>
        <translation>明るい黄</translation>
    </message>
    <message>
        <source>Bright White</source>
        <translation>純白</translation>
    </message>
</context>
<context>
    <name>brevane::frmMain</name>
    <message>
        <source>Version %1</source>
        <translation>バージョン %1</translation>
    </message>
</context>
<context>
    <name>brevane::summary::ClassChartWindow</name>
    <message>
        <source>Class reaction times</source>
        <translation>クラスの反応時間</translation>
    </message>
    <message>
        <source>Handed in</source>
        <translation>提出済み</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About Brevane</source>
        <translation>Brevane について</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>ロゴ</translation>
    </message>
    <message>
        <source>Simple vs Complex Stimulus Reaction Timing</source>
        <translation>単純反応と選択反応の反応時間測定</translation>
    </message>
    <message>
        <source>Orv Brevane 2</source>
        <translation>Orv Brevane 2</translation>
    </message>
    <message>
        <source>For Linux with X11 and Wayland</source>
        <translation>X11 と Wayland の Linux 用</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>タイマー</translation>
    </message>
    <message>
        <source>Reaction timing for student laboratory courses</source>
        <translation>学生実験のための反応時間測定</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>音</translation>
    </message>
    <message>
        <source>Your files are kept in:</source>
        <translation>ファイルの保存場所:</translation>
    </message>
    <message>
        <source>Language: English</source>
        <comment>The language this translation is: translators name their own language, in it</comment>
        <translation>言語: 日本語</translation>
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
        <translation>Brevane の設定</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>単純</translation>
    </message>
    <message>
        <source>Simple Single Choice Settings</source>
        <translation>単純反応の設定</translation>
    </message>
    <message>
        <source>Runs Per Set</source>
        <translation>セットあたりの試行数</translation>
    </message>
    <message>
        <source>Trigger On</source>
        <translation>刺激の種類</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>音</translation>
    </message>
    <message>
        <source>Visual</source>
        <translation>光</translation>
    </message>
    <message>
        <source>Trigger Color</source>
        <translation>刺激の色</translation>
    </message>
    <message>
        <source>Color of the visual stimulus: click to choose another</source>
        <translation>光の刺激の色: クリックして別の色を選択</translation>
    </message>
    <message>
        <source>Interval Timing</source>
        <translation>間隔</translation>
    </message>
    <message>
        <source>Random Interval</source>
        <translation>ランダム間隔</translation>
    </message>
    <message>
        <source>Fixed Interval</source>
        <translation>固定間隔</translation>
    </message>
    <message>
        <source>Fixed Time Interval</source>
        <translation>固定の時間間隔</translation>
    </message>
    <message>
        <source>Minimum Time Interval</source>
        <translation>最小の時間間隔</translation>
    </message>
    <message>
        <source>Color/Audio</source>
        <translation>色/音</translation>
    </message>
    <message>
        <source>Complex Choice Color/Audio Settings</source>
        <translation>選択反応 色/音の設定</translation>
    </message>
    <message>
        <source>Display Time</source>
        <translation>表示時間</translation>
    </message>
    <message>
        <source>Color and Audio</source>
        <translation>色と音</translation>
    </message>
    <message>
        <source>Color no Audio</source>
        <translation>色のみ</translation>
    </message>
    <message>
        <source>Make Sound</source>
        <translation>音を鳴らす</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>No</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>Elements</source>
        <translation>要素</translation>
    </message>
    <message>
        <source>Elements in Set</source>
        <translation>セットの要素数</translation>
    </message>
    <message>
        <source>Trigger Element</source>
        <translation>ターゲット要素</translation>
    </message>
    <message>
        <source>Trigger Element Color</source>
        <translation>ターゲット要素の色</translation>
    </message>
    <message>
        <source>Color of the trigger element: click to choose another</source>
        <translation>ターゲット要素の色: クリックして別の色を選択</translation>
    </message>
    <message>
        <source>Element</source>
        <translation>要素</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>色</translation>
    </message>
    <message>
        <source>Choose the color of this element</source>
        <translation>この要素の色を選択</translation>
    </message>
    <message>
        <source>Element Colors</source>
        <translation>要素の色</translation>
    </message>
    <message>
        <source>Element 1 Color</source>
        <translation>要素 1 の色</translation>
    </message>
    <message>
        <source>Color of element 1: click to choose another (grey: not in use)</source>
        <translation>要素 1 の色: クリックして別の色を選択 (灰色: 未使用)</translation>
    </message>
    <message>
        <source>Element 2 Color</source>
        <translation>要素 2 の色</translation>
    </message>
    <message>
        <source>Color of element 2: click to choose another (grey: not in use)</source>
        <translation>要素 2 の色: クリックして別の色を選択 (灰色: 未使用)</translation>
    </message>
    <message>
        <source>Element 3 Color</source>
        <translation>要素 3 の色</translation>
    </message>
    <message>
        <source>Color of element 3: click to choose another (grey: not in use)</source>
        <translation>要素 3 の色: クリックして別の色を選択 (灰色: 未使用)</translation>
    </message>
    <message>
        <source>Element 4 Color</source>
        <translation>要素 4 の色</translation>
    </message>
    <message>
        <source>Color of element 4: click to choose another (grey: not in use)</source>
        <translation>要素 4 の色: クリックして別の色を選択 (灰色: 未使用)</translation>
    </message>
    <message>
        <source>Element 5 Color</source>
        <translation>要素 5 の色</translation>
    </message>
    <message>
        <source>Color of element 5: click to choose another (grey: not in use)</source>
        <translation>要素 5 の色: クリックして別の色を選択 (灰色: 未使用)</translation>
    </message>
    <message>
        <source>Element 6 Color</source>
        <translation>要素 6 の色</translation>
    </message>
    <message>
        <source>Color of element 6: click to choose another (grey: not in use)</source>
        <translation>要素 6 の色: クリックして別の色を選択 (灰色: 未使用)</translation>
    </message>
    <message>
        <source>Element 7 Color</source>
        <translation>要素 7 の色</translation>
    </message>
    <message>
        <source>Color of element 7: click to choose another (grey: not in use)</source>
        <translation>要素 7 の色: クリックして別の色を選択 (灰色: 未使用)</translation>
    </message>
    <message>
        <source>Element 8 Color</source>
        <translation>要素 8 の色</translation>
    </message>
    <message>
        <source>Color of element 8: click to choose another (grey: not in use)</source>
        <translation>要素 8 の色: クリックして別の色を選択 (灰色: 未使用)</translation>
    </message>
    <message>
        <source>Element 9 Color</source>
        <translation>要素 9 の色</translation>
    </message>
    <message>
        <source>Color of element 9: click to choose another (grey: not in use)</source>
        <translation>要素 9 の色: クリックして別の色を選択 (灰色: 未使用)</translation>
    </message>
    <message>
        <source>Element 10 Color</source>
        <translation>要素 10 の色</translation>
    </message>
    <message>
        <source>Color of element 10: click to choose another (grey: not in use)</source>
        <translation>要素 10 の色: クリックして別の色を選択 (灰色: 未使用)</translation>
    </message>
    <message>
        <source>Num/Audio</source>
        <translation>数字/音</translation>
    </message>
    <message>
        <source>Complex Choice Numbers/Audio Settings</source>
        <translation>選択反応 数字/音の設定</translation>
    </message>
    <message>
        <source>Number and Audio</source>
        <translation>数字と音</translation>
    </message>
    <message>
        <source>Number no Audio</source>
        <translation>数字のみ</translation>
    </message>
    <message>
        <source>Trigger Number</source>
        <translation>ターゲットの数字</translation>
    </message>
    <message>
        <source>The number of the trigger element</source>
        <translation>ターゲット要素の数字</translation>
    </message>
    <message>
        <source>Element Number</source>
        <translation>要素の数字</translation>
    </message>
    <message>
        <source>The number of this element (0 to 99)</source>
        <translation>この要素の数字 (0〜99)</translation>
    </message>
    <message>
        <source>Element Numbers</source>
        <translation>要素の数字</translation>
    </message>
    <message>
        <source>Element 1 Number</source>
        <translation>要素 1 の数字</translation>
    </message>
    <message>
        <source>Element 2 Number</source>
        <translation>要素 2 の数字</translation>
    </message>
    <message>
        <source>Element 3 Number</source>
        <translation>要素 3 の数字</translation>
    </message>
    <message>
        <source>Element 4 Number</source>
        <translation>要素 4 の数字</translation>
    </message>
    <message>
        <source>Element 5 Number</source>
        <translation>要素 5 の数字</translation>
    </message>
    <message>
        <source>Element 6 Number</source>
        <translation>要素 6 の数字</translation>
    </message>
    <message>
        <source>Element 7 Number</source>
        <translation>要素 7 の数字</translation>
    </message>
    <message>
        <source>Element 8 Number</source>
        <translation>要素 8 の数字</translation>
    </message>
    <message>
        <source>Element 9 Number</source>
        <translation>要素 9 の数字</translation>
    </message>
    <message>
        <source>Element 10 Number</source>
        <translation>要素 10 の数字</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>音量</translation>
    </message>
    <message>
        <source>Master volume of the speakers</source>
        <translation>スピーカーの主音量</translation>
    </message>
    <message>
        <source>Volume Setting</source>
        <translation>音量の設定値</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>OK(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>キャンセル(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>リセット(&amp;R)</translation>
    </message>
    <message>
        <source>Back to the configuration loaded at start-up</source>
        <translation>起動時に読み込んだ設定に戻す</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>読み込み(&amp;L)</translation>
    </message>
    <message>
        <source>Load a configuration file</source>
        <translation>設定ファイルを読み込む</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>Save the configuration to a file</source>
        <translation>設定をファイルに保存する</translation>
    </message>
</context>
<context>
    <name>frmChoiceReflexDisplay</name>
    <message>
        <source>Complex Choice Color/Audio Stimulus Module Data Display</source>
        <translation>選択反応 色/音 刺激モジュールの結果</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>ロゴ</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>バージョン</translation>
    </message>
    <message>
        <source>Set 1</source>
        <translation>セット 1</translation>
    </message>
    <message>
        <source>Run Data</source>
        <translation>試行データ</translation>
    </message>
    <message>
        <source>Run 1</source>
        <translation>試行 1</translation>
    </message>
    <message>
        <source>Run 2</source>
        <translation>試行 2</translation>
    </message>
    <message>
        <source>Run 3</source>
        <translation>試行 3</translation>
    </message>
    <message>
        <source>Run 4</source>
        <translation>試行 4</translation>
    </message>
    <message>
        <source>Run 5</source>
        <translation>試行 5</translation>
    </message>
    <message>
        <source>Run 6</source>
        <translation>試行 6</translation>
    </message>
    <message>
        <source>Run 7</source>
        <translation>試行 7</translation>
    </message>
    <message>
        <source>Run 8</source>
        <translation>試行 8</translation>
    </message>
    <message>
        <source>Run 9</source>
        <translation>試行 9</translation>
    </message>
    <message>
        <source>Run 10</source>
        <translation>試行 10</translation>
    </message>
    <message>
        <source>Run Statistics</source>
        <translation>試行の統計</translation>
    </message>
    <message>
        <source>Fast Time</source>
        <translation>最速</translation>
    </message>
    <message>
        <source>Slow Time</source>
        <translation>最遅</translation>
    </message>
    <message>
        <source>Average Time</source>
        <translation>平均時間</translation>
    </message>
    <message>
        <source>Outcomes</source>
        <translation>反応の内訳</translation>
    </message>
    <message>
        <source>Correct Hits</source>
        <translation>正ヒット</translation>
    </message>
    <message>
        <source>Correct Misses</source>
        <translation>正棄却</translation>
    </message>
    <message>
        <source>InCorrect Hits</source>
        <translation>誤ヒット</translation>
    </message>
    <message>
        <source>Missed Hits</source>
        <translation>見逃し</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>コメント</translation>
    </message>
    <message>
        <source>Set 2</source>
        <translation>セット 2</translation>
    </message>
    <message>
        <source>Set 3</source>
        <translation>セット 3</translation>
    </message>
    <message>
        <source>Set 4</source>
        <translation>セット 4</translation>
    </message>
    <message>
        <source>Set 5</source>
        <translation>セット 5</translation>
    </message>
    <message>
        <source>Set 6</source>
        <translation>セット 6</translation>
    </message>
    <message>
        <source>Set 7</source>
        <translation>セット 7</translation>
    </message>
    <message>
        <source>Set 8</source>
        <translation>セット 8</translation>
    </message>
    <message>
        <source>Set 9</source>
        <translation>セット 9</translation>
    </message>
    <message>
        <source>Set 10</source>
        <translation>セット 10</translation>
    </message>
    <message>
        <source>Fastest Times</source>
        <translation>最速時間</translation>
    </message>
    <message>
        <source>Set Data For Fastest Times</source>
        <translation>各セットの最速時間</translation>
    </message>
    <message>
        <source>Slowest Times</source>
        <translation>最遅時間</translation>
    </message>
    <message>
        <source>Set Data For Slowest Times</source>
        <translation>各セットの最遅時間</translation>
    </message>
    <message>
        <source>Average Times</source>
        <translation>平均時間</translation>
    </message>
    <message>
        <source>Set Data For Average Times</source>
        <translation>各セットの平均時間</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>印刷</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>読み込み</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>書き出し</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>すべて消去</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
</context>
<context>
    <name>frmColorReflex</name>
    <message>
        <source>Complex Choice Color/Audio Stimulus Module</source>
        <translation>選択反応 色/音 刺激モジュール</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>ロゴ</translation>
    </message>
    <message>
        <source>Complex Choice Color/Audio Stimulus</source>
        <translation>選択反応 色/音 刺激</translation>
    </message>
    <message>
        <source>Trigger On</source>
        <translation>刺激の種類</translation>
    </message>
    <message>
        <source>Trigger Element</source>
        <translation>ターゲット要素</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>音</translation>
    </message>
    <message>
        <source>Press Here</source>
        <translation>ここを押す</translation>
    </message>
    <message>
        <source>Element Display</source>
        <translation>要素の表示</translation>
    </message>
    <message>
        <source>Set Indicator</source>
        <translation>セット</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>時間</translation>
    </message>
    <message>
        <source>Previous Time</source>
        <translation>前回の時間</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>差</translation>
    </message>
    <message>
        <source>Average Time</source>
        <translation>平均時間</translation>
    </message>
    <message>
        <source>Run Count</source>
        <translation>試行数</translation>
    </message>
    <message>
        <source>Correct Hits</source>
        <translation>正ヒット</translation>
    </message>
    <message>
        <source>Incorrect Hits</source>
        <translation>誤ヒット</translation>
    </message>
    <message>
        <source>Correct Misses</source>
        <translation>正棄却</translation>
    </message>
    <message>
        <source>Missed Hits</source>
        <translation>見逃し</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>説明</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>オプション</translation>
    </message>
    <message>
        <source>Clear Set</source>
        <translation>セットを消去</translation>
    </message>
    <message>
        <source>Next Set</source>
        <translation>次のセット</translation>
    </message>
    <message>
        <source>Prev Set</source>
        <translation>前のセット</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>結果表示</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
</context>
<context>
    <name>frmColorSelect</name>
    <message>
        <source>Color Selection</source>
        <translation>色の選択</translation>
    </message>
    <message>
        <source>Current Color:</source>
        <translation>現在の色:</translation>
    </message>
    <message>
        <source>Current Color</source>
        <translation>現在の色</translation>
    </message>
    <message>
        <source>Color Selected:</source>
        <translation>選んだ色:</translation>
    </message>
    <message>
        <source>Color Selected</source>
        <translation>選んだ色</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>選択(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>キャンセル(&amp;C)</translation>
    </message>
</context>
<context>
    <name>frmDisplay</name>
    <message>
        <source>Simple Choice Stimulus Module Data Display</source>
        <translation>単純反応刺激モジュールの結果</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>ロゴ</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>バージョン</translation>
    </message>
    <message>
        <source>Set 1</source>
        <translation>セット 1</translation>
    </message>
    <message>
        <source>Run Data</source>
        <translation>試行データ</translation>
    </message>
    <message>
        <source>Run 1</source>
        <translation>試行 1</translation>
    </message>
    <message>
        <source>Run 2</source>
        <translation>試行 2</translation>
    </message>
    <message>
        <source>Run 3</source>
        <translation>試行 3</translation>
    </message>
    <message>
        <source>Run 4</source>
        <translation>試行 4</translation>
    </message>
    <message>
        <source>Run 5</source>
        <translation>試行 5</translation>
    </message>
    <message>
        <source>Run 6</source>
        <translation>試行 6</translation>
    </message>
    <message>
        <source>Run 7</source>
        <translation>試行 7</translation>
    </message>
    <message>
        <source>Run 8</source>
        <translation>試行 8</translation>
    </message>
    <message>
        <source>Run 9</source>
        <translation>試行 9</translation>
    </message>
    <message>
        <source>Run 10</source>
        <translation>試行 10</translation>
    </message>
    <message>
        <source>Run Statistics</source>
        <translation>試行の統計</translation>
    </message>
    <message>
        <source>Fast Time</source>
        <translation>最速</translation>
    </message>
    <message>
        <source>Slow Time</source>
        <translation>最遅</translation>
    </message>
    <message>
        <source>Average Time</source>
        <translation>平均時間</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>コメント</translation>
    </message>
    <message>
        <source>Set 2</source>
        <translation>セット 2</translation>
    </message>
    <message>
        <source>Set 3</source>
        <translation>セット 3</translation>
    </message>
    <message>
        <source>Set 4</source>
        <translation>セット 4</translation>
    </message>
    <message>
        <source>Set 5</source>
        <translation>セット 5</translation>
    </message>
    <message>
        <source>Set 6</source>
        <translation>セット 6</translation>
    </message>
    <message>
        <source>Set 7</source>
        <translation>セット 7</translation>
    </message>
    <message>
        <source>Set 8</source>
        <translation>セット 8</translation>
    </message>
    <message>
        <source>Set 9</source>
        <translation>セット 9</translation>
    </message>
    <message>
        <source>Set 10</source>
        <translation>セット 10</translation>
    </message>
    <message>
        <source>Fastest Times</source>
        <translation>最速時間</translation>
    </message>
    <message>
        <source>Set Data For Fastest Times</source>
        <translation>各セットの最速時間</translation>
    </message>
    <message>
        <source>Slowest Times</source>
        <translation>最遅時間</translation>
    </message>
    <message>
        <source>Set Data For Slowest Times</source>
        <translation>各セットの最遅時間</translation>
    </message>
    <message>
        <source>Average Times</source>
        <translation>平均時間</translation>
    </message>
    <message>
        <source>Set Data For Average Times</source>
        <translation>各セットの平均時間</translation>
    </message>
    <message>
        <source>All Data</source>
        <translation>全データ</translation>
    </message>
    <message>
        <source>Data Only Displayed On The Graph</source>
        <translation>データはグラフにのみ表示</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>印刷</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>読み込み</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>書き出し</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>すべて消去</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
</context>
<context>
    <name>frmLoadDisplay</name>
    <message>
        <source>Loading</source>
        <translation>読み込み中</translation>
    </message>
    <message>
        <source>Loading Display Please Wait...</source>
        <translation>結果を読み込み中。お待ちください...</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Simple vs Complex Stimulus Reaction Timing</source>
        <translation>単純反応と選択反応の反応時間測定</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>単純</translation>
    </message>
    <message>
        <source>Simple Single Stimulus Module</source>
        <translation>単一刺激の単純反応モジュール</translation>
    </message>
    <message>
        <source>Color/Audio</source>
        <translation>色/音</translation>
    </message>
    <message>
        <source>Complex Color/Audio Stimulus Module</source>
        <translation>色/音刺激の選択反応モジュール</translation>
    </message>
    <message>
        <source>Num/Audio</source>
        <translation>数字/音</translation>
    </message>
    <message>
        <source>Complex Number/Audio Stimulus Module</source>
        <translation>数字/音刺激の選択反応モジュール</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>オプション</translation>
    </message>
    <message>
        <source>Edit Brev Settings</source>
        <translation>Brevane の設定を編集</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>データ消去</translation>
    </message>
    <message>
        <source>Clear All Data Sets</source>
        <translation>すべてのデータセットを消去</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>復旧</translation>
    </message>
    <message>
        <source>Recover Data after a system crash</source>
        <translation>システム障害の後でデータを復旧</translation>
    </message>
    <message>
        <source>About</source>
        <translation>情報</translation>
    </message>
    <message>
        <source>Display About box</source>
        <translation>このプログラムについて</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Quit Brev</source>
        <translation>Brevane を終了</translation>
    </message>
    <message>
        <source>Are you sure you want to DELETE ALL DATA ?</source>
        <translation>本当にすべてのデータを削除しますか?</translation>
    </message>
    <message>
        <source>Delete All Data</source>
        <translation>すべてのデータを削除</translation>
    </message>
    <message>
        <source>Are you sure you want to exit?</source>
        <translation>本当に終了しますか?</translation>
    </message>
    <message>
        <source>Data NOT saved!<byte value="xd"/></source>
        <translation>データは保存されていません!<byte value="xd"/></translation>
    </message>
    <message>
        <source>Exit Orv Brevane 2</source>
        <translation>Orv Brevane 2 の終了</translation>
    </message>
</context>
<context>
    <name>frmNumberReflex</name>
    <message>
        <source>Complex Choice Number/Audio Stimulus Module</source>
        <translation>選択反応 数字/音 刺激モジュール</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>ロゴ</translation>
    </message>
    <message>
        <source>Complex Choice Number/Audio Stimulus</source>
        <translation>選択反応 数字/音 刺激</translation>
    </message>
    <message>
        <source>Trigger On</source>
        <translation>刺激の種類</translation>
    </message>
    <message>
        <source>Trigger Element</source>
        <translation>ターゲット要素</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>音</translation>
    </message>
    <message>
        <source>Press Here</source>
        <translation>ここを押す</translation>
    </message>
    <message>
        <source>Element Display</source>
        <translation>要素の表示</translation>
    </message>
    <message>
        <source>Set Indicator</source>
        <translation>セット</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>時間</translation>
    </message>
    <message>
        <source>Previous Time</source>
        <translation>前回の時間</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>差</translation>
    </message>
    <message>
        <source>Average Time</source>
        <translation>平均時間</translation>
    </message>
    <message>
        <source>Run Count</source>
        <translation>試行数</translation>
    </message>
    <message>
        <source>Correct Hits</source>
        <translation>正ヒット</translation>
    </message>
    <message>
        <source>Incorrect Hits</source>
        <translation>誤ヒット</translation>
    </message>
    <message>
        <source>Correct Misses</source>
        <translation>正棄却</translation>
    </message>
    <message>
        <source>Missed Hits</source>
        <translation>見逃し</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>説明</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>オプション</translation>
    </message>
    <message>
        <source>Clear Set</source>
        <translation>セットを消去</translation>
    </message>
    <message>
        <source>Next Set</source>
        <translation>次のセット</translation>
    </message>
    <message>
        <source>Prev Set</source>
        <translation>前のセット</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>結果表示</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
</context>
<context>
    <name>frmPrint</name>
    <message>
        <source>Print Data</source>
        <translation>データの印刷</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>題名:</translation>
    </message>
    <message>
        <source>Select Sets To Print</source>
        <translation>印刷するセットを選択</translation>
    </message>
    <message>
        <source>Set 1</source>
        <translation>セット 1</translation>
    </message>
    <message>
        <source>Set 2</source>
        <translation>セット 2</translation>
    </message>
    <message>
        <source>Set 3</source>
        <translation>セット 3</translation>
    </message>
    <message>
        <source>Set 4</source>
        <translation>セット 4</translation>
    </message>
    <message>
        <source>Set 5</source>
        <translation>セット 5</translation>
    </message>
    <message>
        <source>Set 6</source>
        <translation>セット 6</translation>
    </message>
    <message>
        <source>Set 7</source>
        <translation>セット 7</translation>
    </message>
    <message>
        <source>Set 8</source>
        <translation>セット 8</translation>
    </message>
    <message>
        <source>Set 9</source>
        <translation>セット 9</translation>
    </message>
    <message>
        <source>Set 10</source>
        <translation>セット 10</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>すべて選択</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>UnSelectAll</source>
        <translation>すべて解除</translation>
    </message>
    <message>
        <source>SelectAll</source>
        <translation>すべて選択</translation>
    </message>
    <message>
        <source>You must select atleast ONE set to Print</source>
        <translation>印刷するセットを 1 つ以上選んでください</translation>
    </message>
    <message>
        <source>Printing Error</source>
        <translation>印刷エラー</translation>
    </message>
</context>
<context>
    <name>frmReflex</name>
    <message>
        <source>Simple Choice Stimulus Module</source>
        <translation>単純反応刺激モジュール</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>ロゴ</translation>
    </message>
    <message>
        <source>Simple Choice Stimulus</source>
        <translation>単純反応刺激</translation>
    </message>
    <message>
        <source>           Visual Trigger</source>
        <translation>            光の刺激</translation>
    </message>
    <message>
        <source>Press Here</source>
        <translation>ここを押す</translation>
    </message>
    <message>
        <source>Stimulus</source>
        <translation>刺激</translation>
    </message>
    <message>
        <source>Speaker</source>
        <translation>スピーカー</translation>
    </message>
    <message>
        <source>Set Indicator</source>
        <translation>セット</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>セット</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>説明</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>時間</translation>
    </message>
    <message>
        <source>Previous Time</source>
        <translation>前回の時間</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>差</translation>
    </message>
    <message>
        <source>Average Time</source>
        <translation>平均時間</translation>
    </message>
    <message>
        <source>Run Count</source>
        <translation>試行数</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>オプション</translation>
    </message>
    <message>
        <source>Clear Set</source>
        <translation>セットを消去</translation>
    </message>
    <message>
        <source>Next Set</source>
        <translation>次のセット</translation>
    </message>
    <message>
        <source>Prev Set</source>
        <translation>前のセット</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>結果表示</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完了</translation>
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
        <translation>単純反応と選択反応の反応時間測定</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状態</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>進行状況</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>there is no translation for &quot;%1&quot;; the program is shown in English</source>
        <translation>「%1」の翻訳はありません; プログラムは英語で表示されます</translation>
    </message>
</context>
<context>
    <name>summary</name>
    <message>
        <source>The class summary of reaction-time files (recover.dat, .nrm and .col files, or folders of them):
sets.csv, students.csv, class.csv, class-notes.txt, class-chart.pdf and class-chart.png.</source>
        <translation>反応時間ファイル (recover.dat、.nrm、.col ファイル、またはそのフォルダー) のクラス集計:
sets.csv、students.csv、class.csv、class-notes.txt、class-chart.pdf、class-chart.png。</translation>
    </message>
    <message>
        <source>Write into &lt;folder&gt; (default: the current folder).</source>
        <translation>&lt;フォルダー&gt; に書き出す (既定: 現在のフォルダー)。</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>フォルダー</translation>
    </message>
    <message>
        <source>The .col files are the colour test&apos;s.</source>
        <translation>.col ファイルは色のテストのもの。</translation>
    </message>
    <message>
        <source>The .col files are the number test&apos;s.</source>
        <translation>.col ファイルは数字のテストのもの。</translation>
    </message>
    <message>
        <source>Name each student after their folder or their files&apos; names.</source>
        <translation>学生の名前をフォルダー名またはファイル名から付ける。</translation>
    </message>
    <message>
        <source>Start each CSV file with a UTF-8 mark.</source>
        <translation>各 CSV ファイルの先頭に UTF-8 マークを付ける。</translation>
    </message>
    <message>
        <source>Write again whenever a file changes, until stopped.</source>
        <translation>停止するまで、ファイルが変わるたびに書き直す。</translation>
    </message>
    <message>
        <source>As --watch, with the chart in a window.</source>
        <translation>--watch と同じで、グラフをウィンドウに表示する。</translation>
    </message>
    <message>
        <source>Data files and folders.</source>
        <translation>データファイルとフォルダー。</translation>
    </message>
    <message>
        <source>path...</source>
        <translation>パス...</translation>
    </message>
    <message>
        <source>--colour and --number exclude each other: summarise each test&apos;s .col files apart</source>
        <translation>--colour と --number は同時に使えません: テストごとに .col ファイルを別々に集計してください</translation>
    </message>
    <message>
        <source>--student-from takes folder or name, not %1</source>
        <translation>--student-from には folder か name を指定します (%1 は不可)</translation>
    </message>
    <message>
        <source>no file could be read; nothing written</source>
        <translation>ファイルを読み込めませんでした; 何も書き出していません</translation>
    </message>
    <message>
        <source>Count a folder&apos;s files as its owners handed them in (yes), or by their names (no); by default the owners decide in a hand-in folder, one that others may enter but not list.</source>
        <translation>フォルダーのファイルを、所有者が提出したものとして数える (yes) か、ファイル名で数える (no)。既定では、提出フォルダー (他人が入れるが一覧は見られないフォルダー) では所有者で決める。</translation>
    </message>
    <message>
        <source>Say whether the hand-in folder &lt;folder&gt; is set up as one of the guide&apos;s recipes, and what is wrong; nothing is summarised.</source>
        <translation>提出フォルダー &lt;フォルダー&gt; がガイドの手順のどれかのとおりに設定されているか、何が間違っているかを示す。集計は行わない。</translation>
    </message>
    <message>
        <source>--owners takes yes or no, not %1</source>
        <translation>--owners には yes か no を指定します (%1 は不可)</translation>
    </message>
</context>
</TS>
