<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>ClassChart</name>
    <message>
        <source>Class reaction times: simple against choice</source>
        <translation>全班反应时间：简单反应与选择反应</translation>
    </message>
    <message>
        <source>One dot for each student&apos;s mean reaction time (%1): the mean of their set means, in whole ms as stored. Box: lower to upper quartile; thick line: median; whiskers: the furthest means within 1.5 box lengths.</source>
        <translation>每个点是一名学生的平均反应时间（%1）：其各组平均值的平均，按存储的整毫秒计。箱体：下四分位数到上四分位数；粗线：中位数；须线：1.5 倍箱长以内最远的平均值。</translation>
    </message>
    <message numerus="yes">
        <source>%n student(s)</source>
        <translation>
            <numerusform>%n 名学生</numerusform>
        </translation>
    </message>
    <message>
        <source>No reaction times in the files read</source>
        <translation>读取的文件中没有反应时间</translation>
    </message>
    <message>
        <source>n = %1, mean %2 ms</source>
        <translation>n = %1，平均 %2 ms</translation>
    </message>
    <message>
        <source>%1 − simple: %2 ms (95 % CI %3 to %4, %5 students)</source>
        <translation>%1 − 简单：%2 ms（95% 置信区间 %3 至 %4，%5 名学生）</translation>
    </message>
    <message>
        <source>Class reaction times</source>
        <translation>全班反应时间</translation>
    </message>
    <message>
        <source>Bars beside each box: every run that counts (%1 runs; class-notes.txt says which), as shares of the test&apos;s runs in bins of %2 ms.</source>
        <translation>每个箱体旁的条形：所有有效试次（%1 个试次；哪些有效见 class-notes.txt），按 %2 ms 宽的区间显示其占该测试试次的比例。</translation>
    </message>
    <message>
        <source>reaction time (ms)</source>
        <translation>反应时间 (ms)</translation>
    </message>
</context>
<context>
    <name>ClassFiles</name>
    <message>
        <source>not a recover.dat, .nrm or .col file</source>
        <translation>不是 recover.dat、.nrm 或 .col 文件</translation>
    </message>
    <message>
        <source>left out %1: a shared account&apos;s recover.dat holds whoever ran last</source>
        <translation>已排除 %1：共享账户的 recover.dat 只保存最后一个测量者的数据</translation>
    </message>
    <message>
        <source>a named pipe (FIFO), not read</source>
        <translation>命名管道 (FIFO)，不读取</translation>
    </message>
    <message>
        <source>a socket, not read</source>
        <translation>套接字，不读取</translation>
    </message>
    <message>
        <source>a device, not read</source>
        <translation>设备，不读取</translation>
    </message>
    <message>
        <source>a link, not followed in a hand-in folder</source>
        <translation>链接，在提交文件夹中不跟随</translation>
    </message>
    <message>
        <source>handed in by user %1 beside the students&apos; folders, not in one</source>
        <translation>由用户 %1 提交在学生文件夹旁边，而不是其中</translation>
    </message>
    <message>
        <source>no user %1 on this machine; the folder is left out</source>
        <translation>本机没有用户 %1；已排除该文件夹</translation>
    </message>
    <message>
        <source>the folder belongs to user %1, not %2; its files are left out</source>
        <translation>该文件夹属于用户 %1，而不是 %2；已排除其中的文件</translation>
    </message>
    <message>
        <source>a folder within a student&apos;s folder, not read</source>
        <translation>学生文件夹中的文件夹，不读取</translation>
    </message>
    <message>
        <source>handed in by user %1, not %2</source>
        <translation>由用户 %1 提交，而不是 %2</translation>
    </message>
    <message>
        <source>in a folder of user %1, not %2</source>
        <translation>在用户 %1 的文件夹中，而不是 %2 的</translation>
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
        <translation>机器

每个存储的时间都包含测量所用机器附加的部分：显示器的延迟（颜色刺激）或声音输出的延迟
（声音），以及鼠标的延迟（轮询、消抖、输入路径）。机器检查（brevane --check-machine）
在下列每台机器上通过声卡，用光电二极管、回环线缆和麦克风测量了这些延迟；学生的反应时间
约等于存储的时间减去刺激部分的延迟和鼠标的延迟。在同一台机器上，这些延迟不会改变测试
之间的差值（选择反应减简单反应），因此 class.csv 中的配对置信区间仍然成立；延迟不同的
机器上的时间会相应地长一些或短一些。sets.csv 和 students.csv 的末尾列出每个文件的机器
及其延迟。

</translation>
    </message>
    <message>
        <source>%1 (checked %2; %3; files: %4): %5
</source>
        <translation>%1（检查于 %2；%3；文件：%4）：%5
</translation>
    </message>
    <message>
        <source>mode not known</source>
        <translation>模式未知</translation>
    </message>
    <message>
        <source>Screen and mouse together add %1 to %2 ms on these machines: a visual time measured on
one may differ from another&apos;s by up to %3 ms from the machines alone.
</source>
        <translation>在这些机器上，屏幕和鼠标合计附加 %1 至 %2 ms：仅因机器不同，在一台机器上测得的
视觉时间与另一台的可能相差多达 %3 ms。
</translation>
    </message>
</context>
<context>
    <name>ClassRun</name>
    <message>
        <source>skipped %1: %2</source>
        <translation>已跳过 %1：%2</translation>
    </message>
    <message>
        <source>%1 is a copy of %2: read once</source>
        <translation>%1 是 %2 的副本：只读取一次</translation>
    </message>
    <message>
        <source>%1 of %2 files read</source>
        <translation>已读取 %2 个文件中的 %1 个</translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>无法创建文件夹 %1</translation>
    </message>
    <message>
        <source>could not write %1: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
    <message>
        <source>%1 read</source>
        <translation>已读取 %1</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n 个文件</numerusform>
        </translation>
    </message>
    <message>
        <source> (and %1 read once)</source>
        <translation> （另有 %1 只读取一次）</translation>
    </message>
    <message numerus="yes">
        <source>%n copy(ies)</source>
        <translation>
            <numerusform>%n 个副本</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2 skipped; %3 (%4 by folder, %5 by file name); tests: %6</source>
        <translation>%1，跳过 %2 个；%3（按文件夹 %4，按文件名 %5）；测试：%6</translation>
    </message>
    <message numerus="yes">
        <source>%n student(s)</source>
        <translation>
            <numerusform>%n 名学生</numerusform>
        </translation>
    </message>
    <message>
        <source>none</source>
        <translation>无</translation>
    </message>
</context>
<context>
    <name>ClassSummary</name>
    <message>
        <source>.%1 file</source>
        <translation>.%1 文件</translation>
    </message>
    <message>
        <source>it has %1 lines; a %2 has %3</source>
        <translation>它有 %1 行；%2 应有 %3 行</translation>
    </message>
    <message>
        <source>line %1 is not what a %2 holds there</source>
        <translation>第 %1 行不是 %2 在该处应有的内容</translation>
    </message>
    <message>
        <source>it has more than the %1 lines of a %2</source>
        <translation>它超过了 %2 的 %1 行</translation>
    </message>
    <message>
        <source>%1: %2 holds %3 sets that %4 holds too; each taken once</source>
        <translation>%1：%2 中有 %3 组与 %4 中的相同；每组只采用一次</translation>
    </message>
    <message>
        <source>%1 has two different %2 files, %3 and %4: both kept as separate sets</source>
        <translation>%1 有两个不同的 %2 文件，%3 和 %4：都作为单独的组保留</translation>
    </message>
    <message>
        <source>%1 handed in</source>
        <translation>%1 已提交</translation>
    </message>
    <message numerus="yes">
        <source>%n student(s)</source>
        <translation>
            <numerusform>%n 名学生</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>cannot create or enter the folder %1; files are kept in %2</source>
        <translation>无法创建或进入文件夹 %1；文件保存在 %2</translation>
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
        <translation>用法：%1 [--user-folder] [--hand-in 文件夹] [--unlock] [--language 代码]
         [设置文件]
      %1 --timing-check | --check-machine | --version | --help

简单与复杂刺激反应计时：测量学生对声音、颜色变化或两者的反应时间，
包括一个简单反应测试和两个选择反应测试。

  设置文件            代替 %2 使用的设置；相对名称在保存文件的
                      文件夹中查找
  --user-folder       将文件保存在每个用户的文件夹中（不存在时创建）：
                      %3
                      （桌面菜单项以这种方式启动程序）
  --hand-in 文件夹    同时将每个保存的 .nrm 和 .col 文件以及每个
                      recover.dat 提交到 文件夹/&lt;登录名&gt;/，供教师使用
                      （为所有用户设置在 /etc/xdg/Brevane/Brevane.conf 中；
                      man brevane）
  --unlock            实验室锁定设置时，允许实验室教师组的成员在本次
                      会话中更改设置
  --timing-check      显示供光电二极管或相机使用的闪烁色块，以及刷新率、
                      帧时间抖动和所用的时间戳来源（按 Esc 或单击结束）
  --check-machine     通过声卡输入端到端检查本机：用光电二极管测屏幕，
                      用输出端的线缆测声音，用鼠标的点击声测鼠标；延迟
                      保存下来，供“关于”对话框和全班汇总使用
                      (docs/guide.md)
  --language 代码     以此语言显示程序（de、ja、ar 等；没有翻译时为
                      英语），代替系统的语言或 Brevane.conf 中设置的语言
  --version           显示版本并退出
  --help              显示本说明并退出

文件保存在当前目录中，使用 --user-folder 时保存在上述文件夹中：
%2（设置，不存在时用默认值写入）和 recover.dat（每个测试的各组数据，
每个系列结束时重写；主菜单上的“恢复”可将其读回）。文件对话框在该处
打开；结果文件（.nrm、.col）保存在您选择的位置。
</translation>
    </message>
</context>
<context>
    <name>DisplayStamps</name>
    <message>
        <source>; times may be one frame long: see the guide</source>
        <translation>；时间可能多出一帧：请参阅指南</translation>
    </message>
    <message>
        <source>The window system does not say when a frame is shown</source>
        <translation>窗口系统不报告帧的显示时间</translation>
    </message>
    <message>
        <source>The X server does not say when a frame is shown</source>
        <translation>X 服务器不报告帧的显示时间</translation>
    </message>
    <message>
        <source>XWayland shows the window through the Wayland compositor</source>
        <translation>XWayland 通过 Wayland 合成器显示窗口</translation>
    </message>
    <message>
        <source>Some stimuli were stamped by %1</source>
        <translation>部分刺激的时间戳来自 %1</translation>
    </message>
    <message>
        <source>the display&apos;s refresh</source>
        <translation>显示器的刷新</translation>
    </message>
    <message>
        <source>the X server&apos;s refresh, not the pixel&apos;s</source>
        <translation>X 服务器的刷新，而非像素的</translation>
    </message>
    <message>
        <source>the compositor&apos;s frame timings</source>
        <translation>合成器的帧时序</translation>
    </message>
    <message>
        <source>the screen read back</source>
        <translation>屏幕回读</translation>
    </message>
    <message>
        <source>the Wayland compositor&apos;s report of the frame</source>
        <translation>Wayland 合成器的帧报告</translation>
    </message>
    <message>
        <source>the hand-over to the X server</source>
        <translation>移交给 X 服务器</translation>
    </message>
    <message>
        <source>the clock after a repaint</source>
        <translation>重绘后的时钟</translation>
    </message>
    <message>
        <source>%1 (exact)</source>
        <translation>%1（精确）</translation>
    </message>
    <message>
        <source>%1 (estimated)</source>
        <translation>%1（估计）</translation>
    </message>
    <message>
        <source>none</source>
        <translation>无</translation>
    </message>
    <message>
        <source>%1 Hz</source>
        <translation>%1 Hz</translation>
    </message>
    <message>
        <source>not reported (a virtual screen)</source>
        <translation>未报告（虚拟屏幕）</translation>
    </message>
    <message>
        <source>The Wayland compositor estimates when a frame is shown; times may be one frame long: see the guide</source>
        <translation>Wayland 合成器估计帧的显示时间；时间可能多出一帧：请参阅指南</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>Reflex Data Files (*.nrm)|*.nrm</source>
        <translation>反应数据文件 (*.nrm)|*.nrm</translation>
    </message>
    <message>
        <source>Reflex Data Files (*.col)|*.col</source>
        <translation>反应数据文件 (*.col)|*.col</translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
        File already exisits. Do you want to overwrite?</source>
        <translation><byte value="xd"/>
<byte value="xd"/>
        文件已存在。是否覆盖？</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>保存文件</translation>
    </message>
    <message>
        <source>Save File Error</source>
        <translation>保存文件错误</translation>
    </message>
    <message>
        <source>Save Cancelled</source>
        <translation>已取消保存</translation>
    </message>
    <message>
        <source>Load File Error</source>
        <translation>加载文件错误</translation>
    </message>
    <message>
        <source>Load Cancelled</source>
        <translation>已取消加载</translation>
    </message>
    <message>
        <source>Export to CSV</source>
        <translation>导出为 CSV</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)|*.csv</source>
        <translation>CSV 文件 (*.csv)|*.csv</translation>
    </message>
</context>
<context>
    <name>FileRead</name>
    <message>
        <source>%1 is a folder, not a file.</source>
        <translation>%1 是文件夹，不是文件。</translation>
    </message>
    <message>
        <source>%1 holds %2 MB, far more than any file of this program; it was not read.</source>
        <translation>%1 有 %2 MB，远大于本程序的任何文件；未读取。</translation>
    </message>
    <message>
        <source>%1 is far larger than any file of this program; it was not read.</source>
        <translation>%1 远大于本程序的任何文件；未读取。</translation>
    </message>
</context>
<context>
    <name>HandIn</name>
    <message>
        <source>Hand-in</source>
        <translation>提交</translation>
    </message>
    <message>
        <source>the hand-in folder is missing</source>
        <translation>提交文件夹不存在</translation>
    </message>
    <message>
        <source>Not handed in to %1: %2.
Your file is saved on this computer; it is handed in at your next save.</source>
        <translation>未能提交到 %1：%2。
您的文件已保存在这台计算机上；下次保存时会提交。</translation>
    </message>
    <message>
        <source>the hand-in folder is still not answering</source>
        <translation>提交文件夹仍无响应</translation>
    </message>
    <message>
        <source>the hand-in folder did not answer</source>
        <translation>提交文件夹没有响应</translation>
    </message>
    <message>
        <source>the folder %1 in the hand-in folder is a link, not a folder</source>
        <translation>提交文件夹中的文件夹 %1 是链接，不是文件夹</translation>
    </message>
    <message>
        <source>%1 in the hand-in folder is not a folder</source>
        <translation>提交文件夹中的 %1 不是文件夹</translation>
    </message>
    <message>
        <source>the folder %1 in the hand-in folder belongs to another user</source>
        <translation>提交文件夹中的文件夹 %1 属于其他用户</translation>
    </message>
</context>
<context>
    <name>HandoutPage</name>
    <message>
        <source>beyond your median ± 3 scaled MADs of the test</source>
        <translation>超出您在该测试中的中位数 ± 3 个标度 MAD</translation>
    </message>
    <message>
        <source>beyond your mean ± 3 SD of the test</source>
        <translation>超出您在该测试中的平均值 ± 3 SD</translation>
    </message>
    <message>
        <source>none cut here</source>
        <translation>此处不剔除</translation>
    </message>
    <message>
        <source>Reaction times of %1</source>
        <translation>%1 的反应时间</translation>
    </message>
    <message>
        <source>Your times beside your class&apos;s (%1 students), in whole milliseconds as stored.</source>
        <translation>您的时间与全班（%1 名学生）的对比，按存储的整毫秒计。</translation>
    </message>
    <message>
        <source>test</source>
        <translation>测试</translation>
    </message>
    <message>
        <source>sets</source>
        <translation>组</translation>
    </message>
    <message>
        <source>runs that count</source>
        <translation>有效试次</translation>
    </message>
    <message>
        <source>mean</source>
        <translation>平均</translation>
    </message>
    <message>
        <source>median</source>
        <translation>中位数</translation>
    </message>
    <message>
        <source>anticipations</source>
        <translation>抢先反应</translation>
    </message>
    <message>
        <source>lapses</source>
        <translation>注意脱漏</translation>
    </message>
    <message>
        <source>outliers</source>
        <translation>离群值</translation>
    </message>
    <message>
        <source>Runs that count: all but missed hits, anticipations (under %1 ms), lapses (over %2 ms) and outliers (%3). mean: the mean of your set means, every time as stored. median, μ, σ, τ: your runs but missed hits, anticipations and lapses; μ, σ, τ: the ex-Gaussian fitted to them, a normal part (μ, σ) plus an exponential part of mean τ, the slow tail; from %4 runs on.</source>
        <translation>有效试次：除漏报、抢先反应（低于 %1 ms）、注意脱漏（高于 %2 ms）和离群值（%3）之外的全部试次。平均：您各组平均值的平均，所有时间均按存储值。中位数、μ、σ、τ：除漏报、抢先反应和注意脱漏之外的试次；μ、σ、τ：对其拟合的指数高斯分布，即正态部分（μ、σ）加上平均值为 τ 的指数部分（慢尾）；试次达到 %4 个时计算。</translation>
    </message>
    <message>
        <source>Grey: the class&apos;s runs that count; outlined: yours, each as shares of its runs. Ticks: the class&apos;s means; the dot: yours.</source>
        <translation>灰色：全班的有效试次；轮廓：您的试次，各自按占其试次的比例。刻度线：全班的平均值；圆点：您的平均值。</translation>
    </message>
    <message>
        <source>No mean: none of your runs is a reaction time.</source>
        <translation>无平均值：您的试次中没有反应时间。</translation>
    </message>
    <message>
        <source>Your mean, %1 ms; nobody else took this test.</source>
        <translation>您的平均值为 %1 ms；没有其他人参加此测试。</translation>
    </message>
    <message>
        <source>Your mean, %1 ms: of the %2 others, %3 faster, %4 slower.</source>
        <translation>您的平均值为 %1 ms：其他 %2 人中，%3 人更快，%4 人更慢。</translation>
    </message>
</context>
<context>
    <name>Handouts</name>
    <message>
        <source>Reaction times: a page for each student</source>
        <translation>反应时间：每名学生一页</translation>
    </message>
</context>
<context>
    <name>Lab</name>
    <message>
        <source>The settings are locked by the lab (LockSettings in %1).</source>
        <translation>设置已被实验室锁定（%1 中的 LockSettings）。</translation>
    </message>
    <message>
        <source>Nobody may unlock the settings here: %1 names no group of teachers (Teachers in its [Lab] section).</source>
        <translation>此处无人可以解锁设置：%1 未指定教师组（其 [Lab] 节中的 Teachers）。</translation>
    </message>
    <message>
        <source>The settings are locked by the lab (LockSettings in %1); a member of the group %2 may change them by starting the program with --unlock.</source>
        <translation>设置已被实验室锁定（%1 中的 LockSettings）；%2 组的成员可以用 --unlock 启动程序来更改设置。</translation>
    </message>
    <message>
        <source>Only a member of the group %1 may unlock the settings with --unlock, which %2 is not; the settings stay locked.</source>
        <translation>只有 %1 组的成员才能用 --unlock 解锁设置，而 %2 不是；设置仍保持锁定。</translation>
    </message>
</context>
<context>
    <name>MachineCheck</name>
    <message>
        <source>%1 of %2 trials</source>
        <translation>%2 次中的 %1 次</translation>
    </message>
    <message>
        <source>the signal is too weak (%1): turn the input volume up, or the screen&apos;s brightness, and hold the diode flat on the patch</source>
        <translation>信号太弱（%1）：请调高输入音量或屏幕亮度，并将二极管平贴在色块上</translation>
    </message>
    <message>
        <source>the signal is too weak (%1): turn the output and the input volume up</source>
        <translation>信号太弱（%1）：请调高输出和输入音量</translation>
    </message>
    <message>
        <source>the clicks are too faint (%1): put the microphone closer to the mouse and turn the input volume up</source>
        <translation>点击声太弱（%1）：请将麦克风靠近鼠标并调高输入音量</translation>
    </message>
    <message>
        <source>the signal is too noisy (%1): keep the room quiet, the cable short and away from the mains, and turn the input volume down if it hums</source>
        <translation>信号噪声太大（%1）：请保持房间安静，线缆要短并远离电源线；如有嗡嗡声，请调低输入音量</translation>
    </message>
    <message>
        <source>the recording broke off (%1): close other programs that use the sound card and try again</source>
        <translation>录音中断（%1）：请关闭其他使用声卡的程序后重试</translation>
    </message>
    <message>
        <source>no flash was seen in %1: is the diode on the patch and plugged into the input that records?</source>
        <translation>未检测到闪烁（%1）：二极管是否放在色块上，并插入正在录音的输入端？</translation>
    </message>
    <message>
        <source>no tone came back in %1: is the output looped to the input that records?</source>
        <translation>声音没有传回（%1）：输出端是否已回环连接到正在录音的输入端？</translation>
    </message>
    <message>
        <source>no click was heard in %1: is the microphone next to the mouse?</source>
        <translation>未听到点击声（%1）：麦克风是否在鼠标旁边？</translation>
    </message>
    <message>
        <source>too few trials (%1)</source>
        <translation>测量次数太少（%1）</translation>
    </message>
</context>
<context>
    <name>MachineResult</name>
    <message>
        <source>it is not a machine check&apos;s result</source>
        <translation>这不是机器检查的结果</translation>
    </message>
    <message>
        <source>line %1 is not a part&apos;s lag</source>
        <translation>第 %1 行不是某一部分的延迟</translation>
    </message>
    <message>
        <source>it names no machine</source>
        <translation>未指明机器</translation>
    </message>
    <message>
        <source>%1 %2 ms (SD %3)</source>
        <translation>%1 %2 ms（SD %3）</translation>
    </message>
    <message>
        <source>%1: not measured</source>
        <translation>%1：未测量</translation>
    </message>
    <message>
        <source>Machine check: not done on this machine (brevane --check-machine)</source>
        <translation>机器检查：未在本机进行（brevane --check-machine）</translation>
    </message>
    <message>
        <source>Machine check (%1, %2): %3</source>
        <translation>机器检查（%1，%2）：%3</translation>
    </message>
</context>
<context>
    <name>ProgramVersion</name>
    <message>
        <source>Version %1.%2%3</source>
        <translation>版本 %1.%2%3</translation>
    </message>
</context>
<context>
    <name>QtPrinting</name>
    <message>
        <source>The printer %1 could not be opened.</source>
        <translation>无法打开打印机 %1。</translation>
    </message>
    <message>
        <source>The printer %1 reported an error.</source>
        <translation>打印机 %1 报告了错误。</translation>
    </message>
    <message>
        <source>The PDF could not be completed.</source>
        <translation>无法完成 PDF。</translation>
    </message>
    <message>
        <source>The PDF could not be started.</source>
        <translation>无法开始 PDF。</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>打印设置</translation>
    </message>
</context>
<context>
    <name>RecoveryFile</name>
    <message>
        <source>The recovery file recover.dat could not be written.</source>
        <translation>无法写入恢复文件 recover.dat。</translation>
    </message>
    <message>
        <source><byte value="xd"/>Your data are kept in memory.</source>
        <translation><byte value="xd"/>您的数据仍保存在内存中。</translation>
    </message>
    <message>
        <source>Recovery File Error</source>
        <translation>恢复文件错误</translation>
    </message>
    <message>
        <source>Load Cancelled</source>
        <translation>已取消加载</translation>
    </message>
    <message>
        <source>No Recovery File Created or Found</source>
        <translation>未创建或未找到恢复文件</translation>
    </message>
    <message>
        <source>Load File Error</source>
        <translation>加载文件错误</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Fastest Time</source>
        <translation>最快时间</translation>
    </message>
    <message>
        <source>Slowest Time</source>
        <translation>最慢时间</translation>
    </message>
    <message>
        <source>Average Time</source>
        <translation>平均时间</translation>
    </message>
    <message>
        <source>Correct Hits</source>
        <translation>正确命中</translation>
    </message>
    <message>
        <source>Correct Misses</source>
        <translation>正确拒绝</translation>
    </message>
    <message>
        <source>InCorrect Hits</source>
        <translation>错误命中</translation>
    </message>
    <message>
        <source>Missed Hits</source>
        <translation>漏报</translation>
    </message>
    <message>
        <source>Orv Tovanel:  Color Reflex Data</source>
        <translation>Orv Tovanel:  颜色反应数据</translation>
    </message>
    <message>
        <source>Orv Tovanel:  Number Reflex Data</source>
        <translation>Orv Tovanel:  数字反应数据</translation>
    </message>
    <message>
        <source>Set  %1</source>
        <translation>组  %1</translation>
    </message>
    <message>
        <source>Comments:</source>
        <translation>备注：</translation>
    </message>
    <message>
        <source>Save Report As PDF</source>
        <translation>将报告保存为 PDF</translation>
    </message>
    <message>
        <source>PDF Files|*.pdf</source>
        <translation>PDF 文件|*.pdf</translation>
    </message>
    <message>
        <source>The file could not be written.</source>
        <translation>无法写入文件。</translation>
    </message>
    <message>
        <source>Print Error<byte value="xd"/></source>
        <translation>打印错误<byte value="xd"/></translation>
    </message>
    <message>
        <source>Print Cancelled</source>
        <translation>已取消打印</translation>
    </message>
    <message>
        <source>  Slowest Time</source>
        <translation>  最慢时间</translation>
    </message>
    <message>
        <source>Orv Tovanel:  Normal Reflex Data</source>
        <translation>Orv Tovanel:  简单反应数据</translation>
    </message>
</context>
<context>
    <name>ResultsKind</name>
    <message>
        <source>Complex Choice Color/Audio Stimulus Module Data Display</source>
        <translation>选择反应 颜色/声音 刺激模块结果显示</translation>
    </message>
    <message>
        <source>Delete run %1 from the set? </source>
        <translation>从该组中删除试次 %1？ </translation>
    </message>
    <message>
        <source>Color Reflex Data Files</source>
        <translation>颜色反应数据文件</translation>
    </message>
    <message>
        <source>Complex Choice Number/Audio Stimulus Module Data Display</source>
        <translation>选择反应 数字/声音 刺激模块结果显示</translation>
    </message>
    <message>
        <source>Delete run %1 for the set? </source>
        <translation>删除该组的试次 %1？ </translation>
    </message>
    <message>
        <source>Number Reflex Data Files</source>
        <translation>数字反应数据文件</translation>
    </message>
    <message>
        <source>Simple Choice Stimulus Module Data Display</source>
        <translation>简单反应刺激模块结果显示</translation>
    </message>
    <message>
        <source>Normal Reflex Data Files</source>
        <translation>简单反应数据文件</translation>
    </message>
</context>
<context>
    <name>ResultsModel</name>
    <message>
        <source>Delete run %1 for the set? </source>
        <translation>删除该组的试次 %1？ </translation>
    </message>
    <message>
        <source>Are you sure you want to DELETE ALL DATA ?</source>
        <translation>确定要删除所有数据吗？</translation>
    </message>
    <message>
        <source>Delete All Data</source>
        <translation>删除所有数据</translation>
    </message>
</context>
<context>
    <name>RuleOptions</name>
    <message>
        <source>A time under &lt;ms&gt; is an anticipation (default: 100).</source>
        <translation>低于 &lt;ms&gt; 的时间视为抢先反应（默认：100）。</translation>
    </message>
    <message>
        <source>A time over &lt;ms&gt; is a lapse (default: 2000).</source>
        <translation>高于 &lt;ms&gt; 的时间视为注意脱漏（默认：2000）。</translation>
    </message>
    <message>
        <source>Cut outliers beyond median +- 3 scaled MADs (mad, the default), mean +- 3 SD (sd), or not at all (none).</source>
        <translation>剔除超出中位数 +- 3 个标度 MAD（mad，默认）、平均值 +- 3 SD（sd）的离群值，或不剔除（none）。</translation>
    </message>
    <message>
        <source>Write a PDF page for each student, handout-&lt;student&gt;.pdf.</source>
        <translation>为每名学生写一页 PDF，handout-&lt;学生&gt;.pdf。</translation>
    </message>
    <message>
        <source>--%1 takes a whole number of milliseconds from %2 to %3, not %4</source>
        <translation>--%1 需要 %2 至 %3 之间的整毫秒数，而不是 %4</translation>
    </message>
    <message>
        <source>the lapse limit (%1 ms) must lie above the anticipation limit (%2 ms)</source>
        <translation>注意脱漏的界限（%1 ms）必须高于抢先反应的界限（%2 ms）</translation>
    </message>
    <message>
        <source>--outlier-rule takes mad, sd or none, not %1</source>
        <translation>--outlier-rule 只接受 mad、sd 或 none，而不是 %1</translation>
    </message>
</context>
<context>
    <name>SessionPlatform</name>
    <message>
        <source>On Wayland: no pointer placement, and presses are stamped by the toolkit event (XWayland gives both)</source>
        <translation>在 Wayland 上：无法放置指针，按键的时间戳来自工具包事件（XWayland 两者都可提供）</translation>
    </message>
    <message>
        <source>Wayland session: running on X through XWayland, which places the pointer and reads raw input</source>
        <translation>Wayland 会话：通过 XWayland 在 X 上运行，可放置指针并读取原始输入</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Settings Locked</source>
        <translation>设置已锁定</translation>
    </message>
</context>
<context>
    <name>SettingsEditor</name>
    <message>
        <source>Configuration Files (*.cfg)|*.cfg</source>
        <translation>设置文件 (*.cfg)|*.cfg</translation>
    </message>
    <message>
        <source>Trigger Colour</source>
        <translation>目标颜色</translation>
    </message>
    <message>
        <source>The trigger colour must differ from the panel&apos;s white at rest, or the stimulus is invisible.</source>
        <translation>目标颜色必须不同于面板静止时的白色，否则刺激不可见。</translation>
    </message>
    <message>
        <source>Save Configuration File</source>
        <translation>保存设置文件</translation>
    </message>
    <message>
        <source>Save File Error</source>
        <translation>保存文件错误</translation>
    </message>
    <message>
        <source>Save Cancelled</source>
        <translation>已取消保存</translation>
    </message>
    <message>
        <source>Load Configuration File</source>
        <translation>加载设置文件</translation>
    </message>
    <message>
        <source>Load File Error</source>
        <translation>加载文件错误</translation>
    </message>
    <message>
        <source>Load Cancelled</source>
        <translation>已取消加载</translation>
    </message>
    <message>
        <source>Configuration File Load Error</source>
        <translation>设置文件加载错误</translation>
    </message>
    <message>
        <source>Invalid Configuration File<byte value="xd"/>No File Loaded</source>
        <translation>无效的设置文件<byte value="xd"/>未加载文件</translation>
    </message>
</context>
<context>
    <name>ShapeChart</name>
    <message>
        <source>median of the student&apos;s runs (ms)</source>
        <translation>学生试次的中位数 (ms)</translation>
    </message>
    <message>
        <source>τ, the slow tail (ms)</source>
        <translation>τ，慢尾 (ms)</translation>
    </message>
    <message>
        <source>%1 of %2 students fitted
mean τ %3 ms</source>
        <translation>%2 名学生中拟合了 %1 名
平均 τ %3 ms</translation>
    </message>
    <message>
        <source>%1 − simple: μ %2 ms (95 % CI %3 to %4), τ %5 ms (%6 to %7), %8 students</source>
        <translation>%1 − 简单：μ %2 ms（95% 置信区间 %3 至 %4），τ %5 ms（%6 至 %7），%8 名学生</translation>
    </message>
    <message>
        <source>The shape of each student&apos;s times</source>
        <translation>每名学生时间的分布形状</translation>
    </message>
    <message>
        <source>One dot for each student and test with an ex-Gaussian fit (at least %1 runs that are neither anticipations nor lapses): across, the median of those runs; up, τ, the mean of the fit&apos;s exponential part: its slow tail. A test that slows every run moves the dots to the right; one that adds slow runs moves them up.</source>
        <translation>每个点代表一名学生在一个测试中的指数高斯拟合（至少 %1 个既非抢先反应也非注意脱漏的试次）：横轴为这些试次的中位数；纵轴为 τ，即拟合中指数部分的平均值，也就是慢尾。使每个试次都变慢的测试使点右移；增加慢试次的测试使点上移。</translation>
    </message>
    <message>
        <source>No student has %1 runs in a test yet: too few for a fit</source>
        <translation>还没有学生在一个测试中达到 %1 个试次：不足以拟合</translation>
    </message>
</context>
<context>
    <name>ShareCheck</name>
    <message>
        <source>cannot look at %1 (%2)</source>
        <translation>无法查看 %1（%2）</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 不是文件夹</translation>
    </message>
    <message>
        <source>cannot list %1 (%2): run this as a member of its group or as root</source>
        <translation>无法列出 %1（%2）：请以其所属组的成员或 root 身份运行</translation>
    </message>
    <message>
        <source>1 student&apos;s folder</source>
        <translation>1 个学生文件夹</translation>
    </message>
    <message>
        <source>%1 students&apos; folders</source>
        <translation>%1 个学生文件夹</translation>
    </message>
    <message>
        <source>%1: %2, all as the recipe has them</source>
        <translation>%1：%2，全部符合方案</translation>
    </message>
    <message>
        <source>%1: %2; 1 thing to put right</source>
        <translation>%1：%2；1 处需要纠正</translation>
    </message>
    <message>
        <source>%1: %2; %3 things to put right</source>
        <translation>%1：%2；%3 处需要纠正</translation>
    </message>
    <message>
        <source>%1: the guide&apos;s first recipe, one group folder (mode 3773), group %2</source>
        <translation>%1：指南的第一种方案，一个组文件夹（模式 3773），组 %2</translation>
    </message>
    <message>
        <source>%1: the guide&apos;s second recipe, a folder per student (mode 0751), group %2</source>
        <translation>%1：指南的第二种方案，每名学生一个文件夹（模式 0751），组 %2</translation>
    </message>
    <message>
        <source>%1 has the mode %2, not %3</source>
        <translation>%1 的模式是 %2，而不是 %3</translation>
    </message>
    <message>
        <source>every user may list %1 and see who handed in: take the others&apos; r away</source>
        <translation>所有用户都能列出 %1 并看到谁已提交：请去掉其他用户 (others) 的 r 权限</translation>
    </message>
    <message>
        <source>without the sticky bit a student may rename or remove another&apos;s folder</source>
        <translation>没有粘滞位，学生可以重命名或删除他人的文件夹</translation>
    </message>
    <message>
        <source>without the setgid bit the students&apos; new folders do not get the group %1, and the teachers cannot read them</source>
        <translation>没有 setgid 位，学生新建的文件夹不会属于 %1 组，教师也就无法读取</translation>
    </message>
    <message>
        <source>the students cannot %1 their folders in %2</source>
        <translation>学生无法在 %2 中%1自己的文件夹</translation>
    </message>
    <message>
        <source>make</source>
        <translation>创建</translation>
    </message>
    <message>
        <source>reach</source>
        <translation>进入</translation>
    </message>
    <message>
        <source>the group %1 cannot list %2, so the teachers do not see the folders</source>
        <translation>%1 组无法列出 %2，因此教师看不到这些文件夹</translation>
    </message>
    <message>
        <source>%1 belongs to user %2, not root: %2 may rename or remove every student&apos;s folder</source>
        <translation>%1 属于用户 %2，而不是 root：%2 可以重命名或删除每个学生的文件夹</translation>
    </message>
    <message>
        <source>%1 is a link, not a student&apos;s folder: remove it (hand-ins through it are refused)</source>
        <translation>%1 是链接，不是学生文件夹：请删除它（通过它的提交会被拒绝）</translation>
    </message>
    <message>
        <source>%1 is no student&apos;s folder, and belongs to user %2: remove it</source>
        <translation>%1 不是学生文件夹，且属于用户 %2：请删除它</translation>
    </message>
    <message>
        <source>%1: there is no user %2 on this machine</source>
        <translation>%1：本机没有用户 %2</translation>
    </message>
    <message>
        <source>%1 belongs to user %2, not %3: remove it, or %3&apos;s hand-ins are refused</source>
        <translation>%1 属于用户 %2，而不是 %3：请删除它，否则 %3 的提交会被拒绝</translation>
    </message>
    <message>
        <source>%1 has the group %2, not %3: the teachers cannot read it</source>
        <translation>%1 属于 %2 组，而不是 %3 组：教师无法读取</translation>
    </message>
    <message>
        <source>%1 has the mode %2, not 0750%3</source>
        <translation>%1 的模式是 %2，而不是 0750%3</translation>
    </message>
    <message>
        <source>: every user may read %1&apos;s files</source>
        <translation>：所有用户都能读取 %1 的文件</translation>
    </message>
    <message>
        <source>%1 is in the group %2, and so may read every student&apos;s folder</source>
        <translation>%1 在 %2 组中，因此可以读取每个学生的文件夹</translation>
    </message>
    <message>
        <source>%1 is a link, which the summary does not follow: remove it</source>
        <translation>%1 是链接，汇总不会跟随：请删除它</translation>
    </message>
    <message>
        <source>%1 is a FIFO, a socket or a device, which the summary does not read: remove it</source>
        <translation>%1 是 FIFO、套接字或设备，汇总不会读取：请删除它</translation>
    </message>
    <message>
        <source>%1 belongs to user %2, not to the folder&apos;s student</source>
        <translation>%1 属于用户 %2，而不是该文件夹的学生</translation>
    </message>
    <message>
        <source>every user may read %1</source>
        <translation>所有用户都能读取 %1</translation>
    </message>
</context>
<context>
    <name>SimpleEngine</name>
    <message>
        <source>            Audio Trigger</source>
        <translation>            声音刺激</translation>
    </message>
    <message>
        <source>           Visual Trigger</source>
        <translation>            光刺激</translation>
    </message>
    <message>
        <source>     Audio/Visual Trigger</source>
        <translation>         声音和光刺激</translation>
    </message>
    <message>
        <source>The sound device &quot;%1&quot; could not be opened.</source>
        <translation>无法打开声音设备“%1”。</translation>
    </message>
    <message>
        <source><byte value="xd"/>An audio trigger needs it: choose a visual trigger in Options.</source>
        <translation><byte value="xd"/>声音刺激需要该设备：请在“选项”中选择光刺激。</translation>
    </message>
    <message>
        <source>No Sound Device</source>
        <translation>没有声音设备</translation>
    </message>
    <message>
        <source><byte value="xd"/>The series runs with the colour alone.</source>
        <translation><byte value="xd"/>本系列仅使用颜色运行。</translation>
    </message>
</context>
<context>
    <name>SoundCapture</name>
    <message>
        <source>the sound card has no input to record from (%1)</source>
        <translation>声卡没有可录音的输入（%1）</translation>
    </message>
    <message>
        <source>the sound card&apos;s input cannot record mono at %1 Hz (%2)</source>
        <translation>声卡的输入无法以 %1 Hz 单声道录音（%2）</translation>
    </message>
    <message>
        <source>no PipeWire server answers</source>
        <translation>没有 PipeWire 服务器响应</translation>
    </message>
    <message>
        <source>PipeWire has no input to record from</source>
        <translation>PipeWire 没有可录音的输入</translation>
    </message>
    <message>
        <source>no PulseAudio server answers</source>
        <translation>没有 PulseAudio 服务器响应</translation>
    </message>
    <message>
        <source>PulseAudio has no input to record from</source>
        <translation>PulseAudio 没有可录音的输入</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>the built-in defaults</source>
        <translation>内置默认值</translation>
    </message>
    <message>
        <source>, locked by the lab</source>
        <translation>，已被实验室锁定</translation>
    </message>
    <message>
        <source>Settings Locked</source>
        <translation>设置已锁定</translation>
    </message>
    <message>
        <source>The configuration file %1 is not read: the lab locks the settings (LockSettings in %2).</source>
        <translation>未读取设置文件 %1：实验室锁定了设置（%2 中的 LockSettings）。</translation>
    </message>
    <message>
        <source>Loading the class configuration ...</source>
        <translation>正在加载班级设置 ...</translation>
    </message>
    <message>
        <source>the class configuration %1</source>
        <translation>班级设置 %1</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>没有该文件</translation>
    </message>
    <message>
        <source>Class Configuration</source>
        <translation>班级设置</translation>
    </message>
    <message>
        <source>The class configuration %1 that %2 names cannot be read (%3); the configuration of this computer is used instead.</source>
        <translation>无法读取 %2 指定的班级设置 %1（%3）；改用本计算机的设置。</translation>
    </message>
</context>
<context>
    <name>StartupSequence</name>
    <message>
        <source>the screen is smaller than 800 x 600; the program ends</source>
        <translation>屏幕小于 800 x 600；程序退出</translation>
    </message>
    <message>
        <source>Fatal Application Error</source>
        <translation>致命的应用程序错误</translation>
    </message>
    <message>
        <source>Orv Brevane supports a minimum screen resolution of 800 x 600</source>
        <translation>Orv Brevane 支持的最低屏幕分辨率为 800 x 600</translation>
    </message>
    <message>
        <source>Press OK to terminate program</source>
        <translation>按“确定”退出程序</translation>
    </message>
    <message>
        <source>Loading default configuration file ...</source>
        <translation>正在加载默认设置文件 ...</translation>
    </message>
    <message>
        <source>Initializing application ...</source>
        <translation>正在初始化程序 ...</translation>
    </message>
    <message>
        <source>Initializing application ... Almost Done</source>
        <translation>正在初始化程序 ... 即将完成</translation>
    </message>
    <message>
        <source>not a configuration file</source>
        <translation>不是设置文件</translation>
    </message>
    <message>
        <source>Loading user configuration file ...</source>
        <translation>正在加载用户设置文件 ...</translation>
    </message>
    <message>
        <source>%1: no such configuration file; using the default configuration</source>
        <translation>%1：没有该设置文件；使用默认设置</translation>
    </message>
    <message>
        <source>Configuration load error</source>
        <translation>设置加载错误</translation>
    </message>
    <message>
        <source>File %1 could not be found</source>
        <translation>找不到文件 %1</translation>
    </message>
    <message>
        <source>Using Default Configuration</source>
        <translation>使用默认设置</translation>
    </message>
    <message>
        <source>%1: cannot read the configuration (%2); using the default configuration</source>
        <translation>%1：无法读取设置（%2）；使用默认设置</translation>
    </message>
    <message>
        <source>Configuration Error</source>
        <translation>设置错误</translation>
    </message>
    <message>
        <source>Invalid Configuration File</source>
        <translation>无效的设置文件</translation>
    </message>
    <message>
        <source>Using Default Configuration File</source>
        <translation>使用默认设置文件</translation>
    </message>
    <message>
        <source>%1: not found; writing one with the defaults</source>
        <translation>%1：未找到；用默认值写入一个</translation>
    </message>
    <message>
        <source>Configuration file not found</source>
        <translation>未找到设置文件</translation>
    </message>
    <message>
        <source>Default configuration file not found...</source>
        <translation>未找到默认设置文件...</translation>
    </message>
    <message>
        <source>Creating Reflex.Cfg</source>
        <translation>正在创建 Reflex.Cfg</translation>
    </message>
    <message>
        <source>The refused file was kept as %1</source>
        <translation>被拒绝的文件已保留为 %1</translation>
    </message>
    <message>
        <source>it could not be written</source>
        <translation>无法写入</translation>
    </message>
    <message>
        <source>%1: cannot read the configuration (%2); writing a new one with the defaults</source>
        <translation>%1：无法读取设置（%2）；用默认值写入新的设置</translation>
    </message>
    <message>
        <source>%1: cannot read the configuration (%2); writing a new one with the defaults (the refused file is kept beside it as %3)</source>
        <translation>%1：无法读取设置（%2）；用默认值写入新的设置（被拒绝的文件在旁边保留为 %3）</translation>
    </message>
    <message>
        <source>Invalid Default Configuration File</source>
        <translation>无效的默认设置文件</translation>
    </message>
    <message>
        <source>Creating New Configuration File</source>
        <translation>正在创建新的设置文件</translation>
    </message>
    <message>
        <source>%1: cannot be written; the defaults are used until the program ends</source>
        <translation>%1：无法写入；在程序结束前使用默认值</translation>
    </message>
</context>
<context>
    <name>TestCore</name>
    <message>
        <source>Over write Data in Set %1 ?</source>
        <translation>覆盖第 %1 组中的数据？</translation>
    </message>
    <message>
        <source>Start Reflex Data Collection</source>
        <translation>开始采集反应数据</translation>
    </message>
    <message>
        <source>Your run has ended</source>
        <translation>您的系列已结束</translation>
    </message>
    <message>
        <source>END RUN</source>
        <translation>系列结束</translation>
    </message>
</context>
<context>
    <name>XDisplay</name>
    <message>
        <source>a compositing manager</source>
        <translation>合成管理器</translation>
    </message>
</context>
<context>
    <name>brevane::ChoiceWindow</name>
    <message>
        <source>With Sound</source>
        <translation>有声音</translation>
    </message>
    <message>
        <source>No Sound</source>
        <translation>无声音</translation>
    </message>
</context>
<context>
    <name>brevane::MachineCheckWindow</name>
    <message>
        <source>&amp;Start</source>
        <translation>开始(&amp;S)</translation>
    </message>
    <message>
        <source>S&amp;kip this part</source>
        <translation>跳过这一部分(&amp;K)</translation>
    </message>
    <message>
        <source>Sa&amp;ve the result</source>
        <translation>保存结果(&amp;V)</translation>
    </message>
    <message>
        <source>Brevane Machine Check</source>
        <translation>Brevane 机器检查</translation>
    </message>
    <message>
        <source>Flashing patch</source>
        <translation>闪烁色块</translation>
    </message>
    <message>
        <source>Machine check guide</source>
        <translation>机器检查说明</translation>
    </message>
    <message>
        <source>Machine check: what this PC adds to every time a student measures on it.

The sound card&apos;s input is the clock: it hears the screen through a photodiode, the sound through a cable from the output, and the mouse through a microphone, and the program compares what it heard with its own stamps. Three parts, each about half a minute; skip any you cannot do. Each part gives the mean, the spread (SD) and the worst of its trials.

Press Start (or Return) to begin with the screen; Esc ends the check.</source>
        <translation>机器检查：这台 PC 给学生在其上测量的每个时间附加了多少。

声卡的输入就是时钟：它通过光电二极管“听”屏幕，通过来自输出端的线缆听声音，通过麦克风听鼠标，程序再将听到的与自己的时间戳比较。共三个部分，每部分约半分钟；无法进行的部分可以跳过。每个部分给出各次测量的平均值、离散度（SD）和最差值。

按“开始”（或 Return）从屏幕开始；按 Esc 结束检查。</translation>
    </message>
    <message>
        <source>No input to record from: %1.
Plug a cable or a microphone into the sound card&apos;s input (line-in or microphone), make it the input in the sound settings, and start the check again.</source>
        <translation>没有可录音的输入：%1。
请将线缆或麦克风插入声卡的输入（线路输入或麦克风输入），在声音设置中将其设为输入，然后重新开始检查。</translation>
    </message>
    <message>
        <source>

Clicks: %1 of %2</source>
        <translation>

点击：%2 次中的 %1 次</translation>
    </message>
    <message>
        <source>Screen: a photodiode held on the flashing patch.
You need a BPW34 photodiode (or any small silicon photodiode, a few euros) soldered to a 3.5 mm plug. On a line-in: the diode&apos;s anode to the tip, its cathode (the marked side) to the sleeve. On a microphone input, which feeds a few volts through the tip: the cathode to the tip, the anode to the sleeve. Set the input volume to about half.
Tape the diode flat on the middle of the patch below, the screen at the brightness the students use, the room light as in class. Press Start: the patch flashes %1 times, once a second.</source>
        <translation>屏幕：贴在闪烁色块上的光电二极管。
您需要一个焊接到 3.5 mm 插头上的 BPW34 光电二极管（或任何小型硅光电二极管，只需几元钱）。用于线路输入时：二极管的阳极接尖端，阴极（有标记的一侧）接套筒。用于麦克风输入时（其尖端会提供几伏电压）：阴极接尖端，阳极接套筒。将输入音量设为一半左右。
将二极管平贴在下方色块的中央，屏幕亮度与学生使用时相同，室内照明与上课时相同。按“开始”：色块闪烁 %1 次，每秒一次。</translation>
    </message>
    <message>
        <source>Sound: the output looped to the input.
Plug a cable from the headphone socket into the line-in (or hold the headset&apos;s microphone at its speaker), the volume as in class. Press Start: %1 tones, one a second.</source>
        <translation>声音：输出端回环连接到输入端。
用线缆将耳机插孔连接到线路输入（或将耳麦的麦克风对准其扬声器），音量与上课时相同。按“开始”：播放 %1 次声音，每秒一次。</translation>
    </message>
    <message>
        <source>Mouse: each button&apos;s click, heard by a microphone next to the mouse.
Put the microphone within 5 cm of the mouse&apos;s buttons: sound travels about 0.03 ms a centimetre, so 5 cm add 0.15 ms to what is measured, 30 cm almost 1 ms. Keep the room quiet. Press Start, then click the left button %1 times in the grey square, about once a second. Each mouse you click is measured on its own.</source>
        <translation>鼠标：每个按键的点击声，由鼠标旁的麦克风听取。
将麦克风放在距鼠标按键 5 cm 以内：声音每厘米约需 0.03 ms，因此 5 cm 会使测量值增加 0.15 ms，30 cm 则接近 1 ms。请保持房间安静。按“开始”，然后在灰色方块中单击左键 %1 次，大约每秒一次。您单击的每个鼠标都会单独测量。</translation>
    </message>
    <message>
        <source>The machine check is done.

%1

Save keeps the result on this machine: the about box and the timing check show it, and it goes with the students&apos; files to the hand-in folder, where brevane-summary reads it.</source>
        <translation>机器检查已完成。

%1

“保存”会将结果保留在本机上：“关于”对话框和计时检查会显示它，它也会随学生的文件一起进入提交文件夹，由 brevane-summary 在那里读取。</translation>
    </message>
    <message>
        <source>%1: skipped</source>
        <translation>%1：已跳过</translation>
    </message>
    <message>
        <source>

Measuring...</source>
        <translation>

正在测量...</translation>
    </message>
    <message>
        <source>

Flashes: %1 of %2</source>
        <translation>

闪烁：%2 次中的 %1 次</translation>
    </message>
    <message>
        <source>

Tones: %1 of %2</source>
        <translation>

声音：%2 次中的 %1 次</translation>
    </message>
    <message>
        <source>%1: mean %2 ms, SD %3 ms, worst %4 ms over %5 of %6 trials</source>
        <translation>%1：平均 %2 ms，SD %3 ms，最差 %4 ms，共 %6 次中的 %5 次</translation>
    </message>
    <message>
        <source>%1: refused: %2</source>
        <translation>%1：被拒绝：%2</translation>
    </message>
    <message>
        <source>&amp;Finish</source>
        <translation>完成(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Next part</source>
        <translation>下一部分(&amp;N)</translation>
    </message>
    <message>
        <source>

Press %1 (Return) to go on.</source>
        <translation>

按“%1”（Return）继续。</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Next part</source>
        <translation>下一部分</translation>
    </message>
    <message>
        <source>Saved to %1.
For every user of this machine, copy it to /etc/xdg/Brevane/machine-check.txt (as root). Esc ends the check.</source>
        <translation>已保存到 %1。
如需供本机所有用户使用，请（以 root 身份）将其复制到 /etc/xdg/Brevane/machine-check.txt。按 Esc 结束检查。</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <translation>无法保存 %1：%2</translation>
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
        <translation>时间</translation>
    </message>
    <message>
        <source>Set %1</source>
        <translation>第 %1 组</translation>
    </message>
</context>
<context>
    <name>brevane::TimingCheckWindow</name>
    <message>
        <source>Brevane Timing Check</source>
        <translation>Brevane 计时检查</translation>
    </message>
    <message>
        <source>Flashing patch</source>
        <translation>闪烁色块</translation>
    </message>
    <message>
        <source>Timing readout</source>
        <translation>计时读数</translation>
    </message>
    <message>
        <source>Frames: measuring...</source>
        <translation>帧：正在测量...</translation>
    </message>
    <message>
        <source>Frames stamped at %L1 Hz (one every %L2 ms)
Frame time jitter: SD %L3 ms, worst %L4 ms, %5 late of the last %6</source>
        <translation>帧的时间戳：%L1 Hz（每 %L2 ms 一帧）
帧时间抖动：SD %L3 ms，最差 %L4 ms，最近 %6 帧中有 %5 帧延迟</translation>
    </message>
    <message>
        <source>
Times may be one frame long: see the guide</source>
        <translation>
时间可能多出一帧：请参阅指南</translation>
    </message>
    <message>
        <source>Timing check: Esc or a click ends it
Refresh reported by the screen: %L1 Hz; the monitor&apos;s mode: %2
%3
Stamp sources: display %4, input %5, sound %6
Compositor: %7; stimulus stamps: %8%9
The patch turns every %10 frames (frame %11)
%12</source>
        <translation>计时检查：按 Esc 或单击结束
屏幕报告的刷新率：%L1 Hz；显示器的模式：%2
%3
时间戳来源：显示 %4，输入 %5，声音 %6
合成器：%7；刺激时间戳：%8%9
色块每 %10 帧切换一次（第 %11 帧）
%12</translation>
    </message>
</context>
<context>
    <name>brevane::frmAbout</name>
    <message>
        <source>Release %1</source>
        <translation>发行版 %1</translation>
    </message>
    <message>
        <source>Configuration: %1</source>
        <translation>设置：%1</translation>
    </message>
</context>
<context>
    <name>brevane::frmColorSelect</name>
    <message>
        <source>Black</source>
        <translation>黑</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>蓝</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>绿</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>青</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>红</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>品红</translation>
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
        <translation>灰</translation>
    </message>
    <message>
        <source>Light Blue</source>
        <translation>浅蓝</translation>
    </message>
    <message>
        <source>Light Green</source>
        <translation>浅绿</translation>
    </message>
    <message>
        <source>Light Cyan</source>
        <translation>浅青</translation>
    </message>
    <message>
        <source>Light Red</source>
        <translation>浅红</translation>
    </message>
    <message>
        <source>Light Magenta</source>
        <translation>浅品红</translation>
    </message>
    <message>
        <source>Light Yellow</source>
        <translation>浅黄</translation>
    </message>
    <message>
        <source>Bright White</source>
        <translation>亮白</translation>
    </message>
</context>
<context>
    <name>brevane::frmMain</name>
    <message>
        <source>Version %1</source>
        <translation>版本 %1</translation>
    </message>
</context>
<context>
    <name>brevane::summary::ClassChartWindow</name>
    <message>
        <source>Class reaction times</source>
        <translation>全班反应时间</translation>
    </message>
    <message>
        <source>Handed in</source>
        <translation>已提交</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About Brevane</source>
        <translation>关于 Brevane</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>徽标</translation>
    </message>
    <message>
        <source>Simple vs Complex Stimulus Reaction Timing</source>
        <translation>简单与复杂刺激反应计时</translation>
    </message>
    <message>
        <source>Orv Brevane 2</source>
        <translation>Orv Brevane 2</translation>
    </message>
    <message>
        <source>For Linux with X11 and Wayland</source>
        <translation>适用于 X11 和 Wayland 的 Linux 版</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>计时器</translation>
    </message>
    <message>
        <source>Reaction timing for student laboratory courses</source>
        <translation>用于学生实验课的反应计时</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>声音</translation>
    </message>
    <message>
        <source>Your files are kept in:</source>
        <translation>您的文件保存在：</translation>
    </message>
    <message>
        <source>Language: English</source>
        <comment>The language this translation is: translators name their own language, in it</comment>
        <translation>语言：简体中文</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>frmCfg</name>
    <message>
        <source>Brevane Settings</source>
        <translation>Brevane 设置</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>简单</translation>
    </message>
    <message>
        <source>Simple Single Choice Settings</source>
        <translation>简单反应设置</translation>
    </message>
    <message>
        <source>Runs Per Set</source>
        <translation>每组试次数</translation>
    </message>
    <message>
        <source>Trigger On</source>
        <translation>刺激方式</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>声音</translation>
    </message>
    <message>
        <source>Visual</source>
        <translation>光</translation>
    </message>
    <message>
        <source>Trigger Color</source>
        <translation>刺激颜色</translation>
    </message>
    <message>
        <source>Color of the visual stimulus: click to choose another</source>
        <translation>视觉刺激的颜色：单击可选择其他颜色</translation>
    </message>
    <message>
        <source>Interval Timing</source>
        <translation>间隔计时</translation>
    </message>
    <message>
        <source>Random Interval</source>
        <translation>随机间隔</translation>
    </message>
    <message>
        <source>Fixed Interval</source>
        <translation>固定间隔</translation>
    </message>
    <message>
        <source>Fixed Time Interval</source>
        <translation>固定时间间隔</translation>
    </message>
    <message>
        <source>Minimum Time Interval</source>
        <translation>最小时间间隔</translation>
    </message>
    <message>
        <source>Color/Audio</source>
        <translation>颜色/声音</translation>
    </message>
    <message>
        <source>Complex Choice Color/Audio Settings</source>
        <translation>选择反应 颜色/声音设置</translation>
    </message>
    <message>
        <source>Display Time</source>
        <translation>显示时间</translation>
    </message>
    <message>
        <source>Color and Audio</source>
        <translation>颜色和声音</translation>
    </message>
    <message>
        <source>Color no Audio</source>
        <translation>仅颜色</translation>
    </message>
    <message>
        <source>Make Sound</source>
        <translation>发出声音</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>Elements</source>
        <translation>元素</translation>
    </message>
    <message>
        <source>Elements in Set</source>
        <translation>组中元素数</translation>
    </message>
    <message>
        <source>Trigger Element</source>
        <translation>目标元素</translation>
    </message>
    <message>
        <source>Trigger Element Color</source>
        <translation>目标元素颜色</translation>
    </message>
    <message>
        <source>Color of the trigger element: click to choose another</source>
        <translation>目标元素的颜色：单击可选择其他颜色</translation>
    </message>
    <message>
        <source>Element</source>
        <translation>元素</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>颜色</translation>
    </message>
    <message>
        <source>Choose the color of this element</source>
        <translation>选择此元素的颜色</translation>
    </message>
    <message>
        <source>Element Colors</source>
        <translation>元素颜色</translation>
    </message>
    <message>
        <source>Element 1 Color</source>
        <translation>元素 1 颜色</translation>
    </message>
    <message>
        <source>Color of element 1: click to choose another (grey: not in use)</source>
        <translation>元素 1 的颜色：单击可选择其他颜色（灰色：未使用）</translation>
    </message>
    <message>
        <source>Element 2 Color</source>
        <translation>元素 2 颜色</translation>
    </message>
    <message>
        <source>Color of element 2: click to choose another (grey: not in use)</source>
        <translation>元素 2 的颜色：单击可选择其他颜色（灰色：未使用）</translation>
    </message>
    <message>
        <source>Element 3 Color</source>
        <translation>元素 3 颜色</translation>
    </message>
    <message>
        <source>Color of element 3: click to choose another (grey: not in use)</source>
        <translation>元素 3 的颜色：单击可选择其他颜色（灰色：未使用）</translation>
    </message>
    <message>
        <source>Element 4 Color</source>
        <translation>元素 4 颜色</translation>
    </message>
    <message>
        <source>Color of element 4: click to choose another (grey: not in use)</source>
        <translation>元素 4 的颜色：单击可选择其他颜色（灰色：未使用）</translation>
    </message>
    <message>
        <source>Element 5 Color</source>
        <translation>元素 5 颜色</translation>
    </message>
    <message>
        <source>Color of element 5: click to choose another (grey: not in use)</source>
        <translation>元素 5 的颜色：单击可选择其他颜色（灰色：未使用）</translation>
    </message>
    <message>
        <source>Element 6 Color</source>
        <translation>元素 6 颜色</translation>
    </message>
    <message>
        <source>Color of element 6: click to choose another (grey: not in use)</source>
        <translation>元素 6 的颜色：单击可选择其他颜色（灰色：未使用）</translation>
    </message>
    <message>
        <source>Element 7 Color</source>
        <translation>元素 7 颜色</translation>
    </message>
    <message>
        <source>Color of element 7: click to choose another (grey: not in use)</source>
        <translation>元素 7 的颜色：单击可选择其他颜色（灰色：未使用）</translation>
    </message>
    <message>
        <source>Element 8 Color</source>
        <translation>元素 8 颜色</translation>
    </message>
    <message>
        <source>Color of element 8: click to choose another (grey: not in use)</source>
        <translation>元素 8 的颜色：单击可选择其他颜色（灰色：未使用）</translation>
    </message>
    <message>
        <source>Element 9 Color</source>
        <translation>元素 9 颜色</translation>
    </message>
    <message>
        <source>Color of element 9: click to choose another (grey: not in use)</source>
        <translation>元素 9 的颜色：单击可选择其他颜色（灰色：未使用）</translation>
    </message>
    <message>
        <source>Element 10 Color</source>
        <translation>元素 10 颜色</translation>
    </message>
    <message>
        <source>Color of element 10: click to choose another (grey: not in use)</source>
        <translation>元素 10 的颜色：单击可选择其他颜色（灰色：未使用）</translation>
    </message>
    <message>
        <source>Num/Audio</source>
        <translation>数字/声音</translation>
    </message>
    <message>
        <source>Complex Choice Numbers/Audio Settings</source>
        <translation>选择反应 数字/声音设置</translation>
    </message>
    <message>
        <source>Number and Audio</source>
        <translation>数字和声音</translation>
    </message>
    <message>
        <source>Number no Audio</source>
        <translation>仅数字</translation>
    </message>
    <message>
        <source>Trigger Number</source>
        <translation>目标数字</translation>
    </message>
    <message>
        <source>The number of the trigger element</source>
        <translation>目标元素的数字</translation>
    </message>
    <message>
        <source>Element Number</source>
        <translation>元素数字</translation>
    </message>
    <message>
        <source>The number of this element (0 to 99)</source>
        <translation>此元素的数字（0 至 99）</translation>
    </message>
    <message>
        <source>Element Numbers</source>
        <translation>元素数字</translation>
    </message>
    <message>
        <source>Element 1 Number</source>
        <translation>元素 1 数字</translation>
    </message>
    <message>
        <source>Element 2 Number</source>
        <translation>元素 2 数字</translation>
    </message>
    <message>
        <source>Element 3 Number</source>
        <translation>元素 3 数字</translation>
    </message>
    <message>
        <source>Element 4 Number</source>
        <translation>元素 4 数字</translation>
    </message>
    <message>
        <source>Element 5 Number</source>
        <translation>元素 5 数字</translation>
    </message>
    <message>
        <source>Element 6 Number</source>
        <translation>元素 6 数字</translation>
    </message>
    <message>
        <source>Element 7 Number</source>
        <translation>元素 7 数字</translation>
    </message>
    <message>
        <source>Element 8 Number</source>
        <translation>元素 8 数字</translation>
    </message>
    <message>
        <source>Element 9 Number</source>
        <translation>元素 9 数字</translation>
    </message>
    <message>
        <source>Element 10 Number</source>
        <translation>元素 10 数字</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>音量</translation>
    </message>
    <message>
        <source>Master volume of the speakers</source>
        <translation>扬声器的主音量</translation>
    </message>
    <message>
        <source>Volume Setting</source>
        <translation>音量设置</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>确定(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>重置(&amp;R)</translation>
    </message>
    <message>
        <source>Back to the configuration loaded at start-up</source>
        <translation>恢复为启动时加载的设置</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>加载(&amp;L)</translation>
    </message>
    <message>
        <source>Load a configuration file</source>
        <translation>加载设置文件</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>Save the configuration to a file</source>
        <translation>将设置保存到文件</translation>
    </message>
</context>
<context>
    <name>frmChoiceReflexDisplay</name>
    <message>
        <source>Complex Choice Color/Audio Stimulus Module Data Display</source>
        <translation>选择反应 颜色/声音 刺激模块结果显示</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>徽标</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>版本</translation>
    </message>
    <message>
        <source>Set 1</source>
        <translation>第 1 组</translation>
    </message>
    <message>
        <source>Run Data</source>
        <translation>试次数据</translation>
    </message>
    <message>
        <source>Run 1</source>
        <translation>试次 1</translation>
    </message>
    <message>
        <source>Run 2</source>
        <translation>试次 2</translation>
    </message>
    <message>
        <source>Run 3</source>
        <translation>试次 3</translation>
    </message>
    <message>
        <source>Run 4</source>
        <translation>试次 4</translation>
    </message>
    <message>
        <source>Run 5</source>
        <translation>试次 5</translation>
    </message>
    <message>
        <source>Run 6</source>
        <translation>试次 6</translation>
    </message>
    <message>
        <source>Run 7</source>
        <translation>试次 7</translation>
    </message>
    <message>
        <source>Run 8</source>
        <translation>试次 8</translation>
    </message>
    <message>
        <source>Run 9</source>
        <translation>试次 9</translation>
    </message>
    <message>
        <source>Run 10</source>
        <translation>试次 10</translation>
    </message>
    <message>
        <source>Run Statistics</source>
        <translation>试次统计</translation>
    </message>
    <message>
        <source>Fast Time</source>
        <translation>最快</translation>
    </message>
    <message>
        <source>Slow Time</source>
        <translation>最慢</translation>
    </message>
    <message>
        <source>Average Time</source>
        <translation>平均时间</translation>
    </message>
    <message>
        <source>Outcomes</source>
        <translation>反应结果</translation>
    </message>
    <message>
        <source>Correct Hits</source>
        <translation>正确命中</translation>
    </message>
    <message>
        <source>Correct Misses</source>
        <translation>正确拒绝</translation>
    </message>
    <message>
        <source>InCorrect Hits</source>
        <translation>错误命中</translation>
    </message>
    <message>
        <source>Missed Hits</source>
        <translation>漏报</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>备注</translation>
    </message>
    <message>
        <source>Set 2</source>
        <translation>第 2 组</translation>
    </message>
    <message>
        <source>Set 3</source>
        <translation>第 3 组</translation>
    </message>
    <message>
        <source>Set 4</source>
        <translation>第 4 组</translation>
    </message>
    <message>
        <source>Set 5</source>
        <translation>第 5 组</translation>
    </message>
    <message>
        <source>Set 6</source>
        <translation>第 6 组</translation>
    </message>
    <message>
        <source>Set 7</source>
        <translation>第 7 组</translation>
    </message>
    <message>
        <source>Set 8</source>
        <translation>第 8 组</translation>
    </message>
    <message>
        <source>Set 9</source>
        <translation>第 9 组</translation>
    </message>
    <message>
        <source>Set 10</source>
        <translation>第 10 组</translation>
    </message>
    <message>
        <source>Fastest Times</source>
        <translation>最快时间</translation>
    </message>
    <message>
        <source>Set Data For Fastest Times</source>
        <translation>各组的最快时间</translation>
    </message>
    <message>
        <source>Slowest Times</source>
        <translation>最慢时间</translation>
    </message>
    <message>
        <source>Set Data For Slowest Times</source>
        <translation>各组的最慢时间</translation>
    </message>
    <message>
        <source>Average Times</source>
        <translation>平均时间</translation>
    </message>
    <message>
        <source>Set Data For Average Times</source>
        <translation>各组的平均时间</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>打印</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>加载</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>导出</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>全部清除</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
</context>
<context>
    <name>frmColorReflex</name>
    <message>
        <source>Complex Choice Color/Audio Stimulus Module</source>
        <translation>选择反应 颜色/声音 刺激模块</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>徽标</translation>
    </message>
    <message>
        <source>Complex Choice Color/Audio Stimulus</source>
        <translation>选择反应 颜色/声音 刺激</translation>
    </message>
    <message>
        <source>Trigger On</source>
        <translation>刺激方式</translation>
    </message>
    <message>
        <source>Trigger Element</source>
        <translation>目标元素</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>声音</translation>
    </message>
    <message>
        <source>Press Here</source>
        <translation>在此按下</translation>
    </message>
    <message>
        <source>Element Display</source>
        <translation>元素显示</translation>
    </message>
    <message>
        <source>Set Indicator</source>
        <translation>组</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>Previous Time</source>
        <translation>上次时间</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>差值</translation>
    </message>
    <message>
        <source>Average Time</source>
        <translation>平均时间</translation>
    </message>
    <message>
        <source>Run Count</source>
        <translation>试次数</translation>
    </message>
    <message>
        <source>Correct Hits</source>
        <translation>正确命中</translation>
    </message>
    <message>
        <source>Incorrect Hits</source>
        <translation>错误命中</translation>
    </message>
    <message>
        <source>Correct Misses</source>
        <translation>正确拒绝</translation>
    </message>
    <message>
        <source>Missed Hits</source>
        <translation>漏报</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>说明</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>Clear Set</source>
        <translation>清除本组</translation>
    </message>
    <message>
        <source>Next Set</source>
        <translation>下一组</translation>
    </message>
    <message>
        <source>Prev Set</source>
        <translation>上一组</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>结果显示</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
</context>
<context>
    <name>frmColorSelect</name>
    <message>
        <source>Color Selection</source>
        <translation>选择颜色</translation>
    </message>
    <message>
        <source>Current Color:</source>
        <translation>当前颜色：</translation>
    </message>
    <message>
        <source>Current Color</source>
        <translation>当前颜色</translation>
    </message>
    <message>
        <source>Color Selected:</source>
        <translation>所选颜色：</translation>
    </message>
    <message>
        <source>Color Selected</source>
        <translation>所选颜色</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>选择(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
</context>
<context>
    <name>frmDisplay</name>
    <message>
        <source>Simple Choice Stimulus Module Data Display</source>
        <translation>简单反应刺激模块结果显示</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>徽标</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>版本</translation>
    </message>
    <message>
        <source>Set 1</source>
        <translation>第 1 组</translation>
    </message>
    <message>
        <source>Run Data</source>
        <translation>试次数据</translation>
    </message>
    <message>
        <source>Run 1</source>
        <translation>试次 1</translation>
    </message>
    <message>
        <source>Run 2</source>
        <translation>试次 2</translation>
    </message>
    <message>
        <source>Run 3</source>
        <translation>试次 3</translation>
    </message>
    <message>
        <source>Run 4</source>
        <translation>试次 4</translation>
    </message>
    <message>
        <source>Run 5</source>
        <translation>试次 5</translation>
    </message>
    <message>
        <source>Run 6</source>
        <translation>试次 6</translation>
    </message>
    <message>
        <source>Run 7</source>
        <translation>试次 7</translation>
    </message>
    <message>
        <source>Run 8</source>
        <translation>试次 8</translation>
    </message>
    <message>
        <source>Run 9</source>
        <translation>试次 9</translation>
    </message>
    <message>
        <source>Run 10</source>
        <translation>试次 10</translation>
    </message>
    <message>
        <source>Run Statistics</source>
        <translation>试次统计</translation>
    </message>
    <message>
        <source>Fast Time</source>
        <translation>最快</translation>
    </message>
    <message>
        <source>Slow Time</source>
        <translation>最慢</translation>
    </message>
    <message>
        <source>Average Time</source>
        <translation>平均时间</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>备注</translation>
    </message>
    <message>
        <source>Set 2</source>
        <translation>第 2 组</translation>
    </message>
    <message>
        <source>Set 3</source>
        <translation>第 3 组</translation>
    </message>
    <message>
        <source>Set 4</source>
        <translation>第 4 组</translation>
    </message>
    <message>
        <source>Set 5</source>
        <translation>第 5 组</translation>
    </message>
    <message>
        <source>Set 6</source>
        <translation>第 6 组</translation>
    </message>
    <message>
        <source>Set 7</source>
        <translation>第 7 组</translation>
    </message>
    <message>
        <source>Set 8</source>
        <translation>第 8 组</translation>
    </message>
    <message>
        <source>Set 9</source>
        <translation>第 9 组</translation>
    </message>
    <message>
        <source>Set 10</source>
        <translation>第 10 组</translation>
    </message>
    <message>
        <source>Fastest Times</source>
        <translation>最快时间</translation>
    </message>
    <message>
        <source>Set Data For Fastest Times</source>
        <translation>各组的最快时间</translation>
    </message>
    <message>
        <source>Slowest Times</source>
        <translation>最慢时间</translation>
    </message>
    <message>
        <source>Set Data For Slowest Times</source>
        <translation>各组的最慢时间</translation>
    </message>
    <message>
        <source>Average Times</source>
        <translation>平均时间</translation>
    </message>
    <message>
        <source>Set Data For Average Times</source>
        <translation>各组的平均时间</translation>
    </message>
    <message>
        <source>All Data</source>
        <translation>全部数据</translation>
    </message>
    <message>
        <source>Data Only Displayed On The Graph</source>
        <translation>数据仅显示在图表上</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>打印</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>加载</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>导出</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>全部清除</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
</context>
<context>
    <name>frmLoadDisplay</name>
    <message>
        <source>Loading</source>
        <translation>正在加载</translation>
    </message>
    <message>
        <source>Loading Display Please Wait...</source>
        <translation>正在加载结果显示，请稍候...</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Simple vs Complex Stimulus Reaction Timing</source>
        <translation>简单与复杂刺激反应计时</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>简单</translation>
    </message>
    <message>
        <source>Simple Single Stimulus Module</source>
        <translation>简单单一刺激模块</translation>
    </message>
    <message>
        <source>Color/Audio</source>
        <translation>颜色/声音</translation>
    </message>
    <message>
        <source>Complex Color/Audio Stimulus Module</source>
        <translation>复杂 颜色/声音 刺激模块</translation>
    </message>
    <message>
        <source>Num/Audio</source>
        <translation>数字/声音</translation>
    </message>
    <message>
        <source>Complex Number/Audio Stimulus Module</source>
        <translation>复杂 数字/声音 刺激模块</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>Edit Brev Settings</source>
        <translation>编辑 Brevane 设置</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>清除数据</translation>
    </message>
    <message>
        <source>Clear All Data Sets</source>
        <translation>清除所有数据组</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>恢复</translation>
    </message>
    <message>
        <source>Recover Data after a system crash</source>
        <translation>系统崩溃后恢复数据</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Display About box</source>
        <translation>显示“关于”对话框</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Quit Brev</source>
        <translation>退出 Brevane</translation>
    </message>
    <message>
        <source>Are you sure you want to DELETE ALL DATA ?</source>
        <translation>确定要删除所有数据吗？</translation>
    </message>
    <message>
        <source>Delete All Data</source>
        <translation>删除所有数据</translation>
    </message>
    <message>
        <source>Are you sure you want to exit?</source>
        <translation>确定要退出吗？</translation>
    </message>
    <message>
        <source>Data NOT saved!<byte value="xd"/></source>
        <translation>数据尚未保存！<byte value="xd"/></translation>
    </message>
    <message>
        <source>Exit Orv Brevane 2</source>
        <translation>退出 Orv Brevane 2</translation>
    </message>
</context>
<context>
    <name>frmNumberReflex</name>
    <message>
        <source>Complex Choice Number/Audio Stimulus Module</source>
        <translation>选择反应 数字/声音 刺激模块</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>徽标</translation>
    </message>
    <message>
        <source>Complex Choice Number/Audio Stimulus</source>
        <translation>选择反应 数字/声音 刺激</translation>
    </message>
    <message>
        <source>Trigger On</source>
        <translation>刺激方式</translation>
    </message>
    <message>
        <source>Trigger Element</source>
        <translation>目标元素</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>声音</translation>
    </message>
    <message>
        <source>Press Here</source>
        <translation>在此按下</translation>
    </message>
    <message>
        <source>Element Display</source>
        <translation>元素显示</translation>
    </message>
    <message>
        <source>Set Indicator</source>
        <translation>组</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>Previous Time</source>
        <translation>上次时间</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>差值</translation>
    </message>
    <message>
        <source>Average Time</source>
        <translation>平均时间</translation>
    </message>
    <message>
        <source>Run Count</source>
        <translation>试次数</translation>
    </message>
    <message>
        <source>Correct Hits</source>
        <translation>正确命中</translation>
    </message>
    <message>
        <source>Incorrect Hits</source>
        <translation>错误命中</translation>
    </message>
    <message>
        <source>Correct Misses</source>
        <translation>正确拒绝</translation>
    </message>
    <message>
        <source>Missed Hits</source>
        <translation>漏报</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>说明</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>Clear Set</source>
        <translation>清除本组</translation>
    </message>
    <message>
        <source>Next Set</source>
        <translation>下一组</translation>
    </message>
    <message>
        <source>Prev Set</source>
        <translation>上一组</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>结果显示</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
</context>
<context>
    <name>frmPrint</name>
    <message>
        <source>Print Data</source>
        <translation>打印数据</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>标题：</translation>
    </message>
    <message>
        <source>Select Sets To Print</source>
        <translation>选择要打印的组</translation>
    </message>
    <message>
        <source>Set 1</source>
        <translation>第 1 组</translation>
    </message>
    <message>
        <source>Set 2</source>
        <translation>第 2 组</translation>
    </message>
    <message>
        <source>Set 3</source>
        <translation>第 3 组</translation>
    </message>
    <message>
        <source>Set 4</source>
        <translation>第 4 组</translation>
    </message>
    <message>
        <source>Set 5</source>
        <translation>第 5 组</translation>
    </message>
    <message>
        <source>Set 6</source>
        <translation>第 6 组</translation>
    </message>
    <message>
        <source>Set 7</source>
        <translation>第 7 组</translation>
    </message>
    <message>
        <source>Set 8</source>
        <translation>第 8 组</translation>
    </message>
    <message>
        <source>Set 9</source>
        <translation>第 9 组</translation>
    </message>
    <message>
        <source>Set 10</source>
        <translation>第 10 组</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>全选</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>UnSelectAll</source>
        <translation>全不选</translation>
    </message>
    <message>
        <source>SelectAll</source>
        <translation>全选</translation>
    </message>
    <message>
        <source>You must select atleast ONE set to Print</source>
        <translation>必须至少选择一组才能打印</translation>
    </message>
    <message>
        <source>Printing Error</source>
        <translation>打印错误</translation>
    </message>
</context>
<context>
    <name>frmReflex</name>
    <message>
        <source>Simple Choice Stimulus Module</source>
        <translation>简单反应刺激模块</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>徽标</translation>
    </message>
    <message>
        <source>Simple Choice Stimulus</source>
        <translation>简单反应刺激</translation>
    </message>
    <message>
        <source>           Visual Trigger</source>
        <translation>            光刺激</translation>
    </message>
    <message>
        <source>Press Here</source>
        <translation>在此按下</translation>
    </message>
    <message>
        <source>Stimulus</source>
        <translation>刺激</translation>
    </message>
    <message>
        <source>Speaker</source>
        <translation>扬声器</translation>
    </message>
    <message>
        <source>Set Indicator</source>
        <translation>组</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>组</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>说明</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>Previous Time</source>
        <translation>上次时间</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>差值</translation>
    </message>
    <message>
        <source>Average Time</source>
        <translation>平均时间</translation>
    </message>
    <message>
        <source>Run Count</source>
        <translation>试次数</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>Clear Set</source>
        <translation>清除本组</translation>
    </message>
    <message>
        <source>Next Set</source>
        <translation>下一组</translation>
    </message>
    <message>
        <source>Prev Set</source>
        <translation>上一组</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>结果显示</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
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
        <translation>简单与复杂刺激反应计时</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>进度</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>there is no translation for &quot;%1&quot;; the program is shown in English</source>
        <translation>没有“%1”的翻译；程序以英语显示</translation>
    </message>
</context>
<context>
    <name>summary</name>
    <message>
        <source>The class summary of reaction-time files (recover.dat, .nrm and .col files, or folders of them):
sets.csv, students.csv, class.csv, class-notes.txt, class-chart.pdf and class-chart.png.</source>
        <translation>反应时间文件（recover.dat、.nrm 和 .col 文件，或包含它们的文件夹）的全班汇总：
sets.csv、students.csv、class.csv、class-notes.txt、class-chart.pdf 和 class-chart.png。</translation>
    </message>
    <message>
        <source>Write into &lt;folder&gt; (default: the current folder).</source>
        <translation>写入 &lt;文件夹&gt;（默认：当前文件夹）。</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>文件夹</translation>
    </message>
    <message>
        <source>The .col files are the colour test&apos;s.</source>
        <translation>.col 文件属于颜色测试。</translation>
    </message>
    <message>
        <source>The .col files are the number test&apos;s.</source>
        <translation>.col 文件属于数字测试。</translation>
    </message>
    <message>
        <source>Name each student after their folder or their files&apos; names.</source>
        <translation>按文件夹名或文件名为每名学生命名。</translation>
    </message>
    <message>
        <source>Start each CSV file with a UTF-8 mark.</source>
        <translation>每个 CSV 文件以 UTF-8 标记开头。</translation>
    </message>
    <message>
        <source>Write again whenever a file changes, until stopped.</source>
        <translation>每当文件改变时重新写入，直到停止。</translation>
    </message>
    <message>
        <source>As --watch, with the chart in a window.</source>
        <translation>同 --watch，并在窗口中显示图表。</translation>
    </message>
    <message>
        <source>Data files and folders.</source>
        <translation>数据文件和文件夹。</translation>
    </message>
    <message>
        <source>path...</source>
        <translation>路径...</translation>
    </message>
    <message>
        <source>--colour and --number exclude each other: summarise each test&apos;s .col files apart</source>
        <translation>--colour 和 --number 不能同时使用：请分别汇总每个测试的 .col 文件</translation>
    </message>
    <message>
        <source>--student-from takes folder or name, not %1</source>
        <translation>--student-from 只接受 folder 或 name，而不是 %1</translation>
    </message>
    <message>
        <source>no file could be read; nothing written</source>
        <translation>无法读取任何文件；未写入任何内容</translation>
    </message>
    <message>
        <source>Count a folder&apos;s files as its owners handed them in (yes), or by their names (no); by default the owners decide in a hand-in folder, one that others may enter but not list.</source>
        <translation>将文件夹中的文件按其所有者视为由所有者提交（yes），或按文件名计入（no）；默认情况下，在提交文件夹（他人可进入但不能列出的文件夹）中由所有者决定。</translation>
    </message>
    <message>
        <source>Say whether the hand-in folder &lt;folder&gt; is set up as one of the guide&apos;s recipes, and what is wrong; nothing is summarised.</source>
        <translation>检查提交文件夹 &lt;文件夹&gt; 是否按指南的某种方案设置，以及哪里有误；不进行汇总。</translation>
    </message>
    <message>
        <source>--owners takes yes or no, not %1</source>
        <translation>--owners 只接受 yes 或 no，而不是 %1</translation>
    </message>
</context>
</TS>
