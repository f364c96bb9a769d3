<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name>ClassChart</name>
    <message>
        <source>Class reaction times: simple against choice</source>
        <translation>반 전체의 반응 시간: 단순 반응과 선택 반응</translation>
    </message>
    <message>
        <source>One dot for each student&apos;s mean reaction time (%1): the mean of their set means, in whole ms as stored. Box: lower to upper quartile; thick line: median; whiskers: the furthest means within 1.5 box lengths.</source>
        <translation>점 하나는 학생 한 명의 평균 반응 시간(%1)입니다: 세트 평균들의 평균이며, 저장된 대로 정수 ms입니다. 상자: 하위 사분위수에서 상위 사분위수까지, 굵은 선: 중앙값, 수염: 상자 길이의 1.5배 이내에서 가장 먼 평균.</translation>
    </message>
    <message numerus="yes">
        <source>%n student(s)</source>
        <translation>
            <numerusform>학생 %n명</numerusform>
        </translation>
    </message>
    <message>
        <source>No reaction times in the files read</source>
        <translation>읽은 파일에 반응 시간이 없습니다</translation>
    </message>
    <message>
        <source>n = %1, mean %2 ms</source>
        <translation>n = %1, 평균 %2 ms</translation>
    </message>
    <message>
        <source>%1 − simple: %2 ms (95 % CI %3 to %4, %5 students)</source>
        <translation>%1 − 단순: %2 ms (95% 신뢰 구간 %3~%4, 학생 %5명)</translation>
    </message>
    <message>
        <source>Class reaction times</source>
        <translation>반 전체의 반응 시간</translation>
    </message>
    <message>
        <source>Bars beside each box: every run that counts (%1 runs; class-notes.txt says which), as shares of the test&apos;s runs in bins of %2 ms.</source>
        <translation>각 상자 옆의 막대: 유효한 모든 시행(%1회, 어느 것이 유효한지는 class-notes.txt 참조)을 %2 ms 폭의 구간별로, 그 테스트의 시행에서 차지하는 비율로 나타낸 것.</translation>
    </message>
    <message>
        <source>reaction time (ms)</source>
        <translation>반응 시간 (ms)</translation>
    </message>
</context>
<context>
    <name>ClassFiles</name>
    <message>
        <source>not a recover.dat, .nrm or .col file</source>
        <translation>recover.dat, .nrm, .col 파일이 아닙니다</translation>
    </message>
    <message>
        <source>left out %1: a shared account&apos;s recover.dat holds whoever ran last</source>
        <translation>%1 제외: 공유 계정의 recover.dat에는 마지막으로 측정한 사람의 데이터만 있습니다</translation>
    </message>
    <message>
        <source>a named pipe (FIFO), not read</source>
        <translation>이름 있는 파이프(FIFO)이므로 읽지 않습니다</translation>
    </message>
    <message>
        <source>a socket, not read</source>
        <translation>소켓이므로 읽지 않습니다</translation>
    </message>
    <message>
        <source>a device, not read</source>
        <translation>장치이므로 읽지 않습니다</translation>
    </message>
    <message>
        <source>a link, not followed in a hand-in folder</source>
        <translation>링크이므로 제출 폴더에서는 따라가지 않습니다</translation>
    </message>
    <message>
        <source>handed in by user %1 beside the students&apos; folders, not in one</source>
        <translation>사용자 %1이(가) 학생 폴더 안이 아니라 그 옆에 제출한 것</translation>
    </message>
    <message>
        <source>no user %1 on this machine; the folder is left out</source>
        <translation>이 컴퓨터에 사용자 %1이(가) 없습니다. 이 폴더는 제외합니다</translation>
    </message>
    <message>
        <source>the folder belongs to user %1, not %2; its files are left out</source>
        <translation>폴더의 소유자가 %2이(가) 아니라 사용자 %1입니다. 그 안의 파일은 제외합니다</translation>
    </message>
    <message>
        <source>a folder within a student&apos;s folder, not read</source>
        <translation>학생 폴더 안의 폴더이므로 읽지 않습니다</translation>
    </message>
    <message>
        <source>handed in by user %1, not %2</source>
        <translation>%2이(가) 아니라 사용자 %1이(가) 제출한 것</translation>
    </message>
    <message>
        <source>in a folder of user %1, not %2</source>
        <translation>%2이(가) 아니라 사용자 %1의 폴더에 있는 것</translation>
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
        <translation>컴퓨터

저장된 각 시간에는 측정한 컴퓨터가 더하는 부분이 포함됩니다: 모니터의 지연(색 자극) 또는
소리 출력의 지연(소리), 그리고 마우스의 지연(폴링, 디바운스, 입력 경로)입니다. 컴퓨터 점검
(brevane --check-machine)은 아래의 각 컴퓨터에서 사운드 카드를 통해 포토다이오드, 루프
케이블, 마이크로 이 지연을 측정했습니다. 학생의 반응 시간은 대략 저장된 시간에서 자극 부분의
지연과 마우스의 지연을 뺀 값입니다. 한 컴퓨터 안에서는 이 지연이 테스트 사이의 차이(선택 반응
빼기 단순 반응)를 바꾸지 않으므로 class.csv의 대응 신뢰 구간은 그대로 유효합니다. 지연이 다른
컴퓨터의 시간은 그 차이만큼 길거나 짧습니다. sets.csv와 students.csv의 끝에는 각 파일의
컴퓨터와 그 지연이 있습니다.

</translation>
    </message>
    <message>
        <source>%1 (checked %2; %3; files: %4): %5
</source>
        <translation>%1 (점검일 %2, %3, 파일: %4): %5
</translation>
    </message>
    <message>
        <source>mode not known</source>
        <translation>모드 알 수 없음</translation>
    </message>
    <message>
        <source>Screen and mouse together add %1 to %2 ms on these machines: a visual time measured on
one may differ from another&apos;s by up to %3 ms from the machines alone.
</source>
        <translation>이 컴퓨터들에서는 화면과 마우스가 합쳐서 %1~%2 ms를 더합니다: 한 컴퓨터에서 측정한 시각
자극의 시간은 컴퓨터 차이만으로 다른 컴퓨터의 시간과 최대 %3 ms까지 다를 수 있습니다.
</translation>
    </message>
</context>
<context>
    <name>ClassRun</name>
    <message>
        <source>skipped %1: %2</source>
        <translation>%1 건너뜀: %2</translation>
    </message>
    <message>
        <source>%1 is a copy of %2: read once</source>
        <translation>%1은(는) %2의 사본: 한 번만 읽음</translation>
    </message>
    <message>
        <source>%1 of %2 files read</source>
        <translation>파일 %2개 중 %1개 읽음</translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>폴더 %1을(를) 만들 수 없습니다</translation>
    </message>
    <message>
        <source>could not write %1: %2</source>
        <translation>%1을(를) 쓸 수 없습니다: %2</translation>
    </message>
    <message>
        <source>%1 read</source>
        <translation>%1 읽음</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>파일 %n개</numerusform>
        </translation>
    </message>
    <message>
        <source> (and %1 read once)</source>
        <translation> (그 밖에 %1은(는) 한 번만 읽음)</translation>
    </message>
    <message numerus="yes">
        <source>%n copy(ies)</source>
        <translation>
            <numerusform>사본 %n개</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2 skipped; %3 (%4 by folder, %5 by file name); tests: %6</source>
        <translation>%1, %2개 건너뜀; %3 (폴더별 %4, 파일 이름별 %5); 테스트: %6</translation>
    </message>
    <message numerus="yes">
        <source>%n student(s)</source>
        <translation>
            <numerusform>학생 %n명</numerusform>
        </translation>
    </message>
    <message>
        <source>none</source>
        <translation>없음</translation>
    </message>
</context>
<context>
    <name>ClassSummary</name>
    <message>
        <source>.%1 file</source>
        <translation>.%1 파일</translation>
    </message>
    <message>
        <source>it has %1 lines; a %2 has %3</source>
        <translation>%1줄뿐입니다. %2은(는) %3줄입니다</translation>
    </message>
    <message>
        <source>line %1 is not what a %2 holds there</source>
        <translation>%1번째 줄이 %2의 해당 위치 내용과 맞지 않습니다</translation>
    </message>
    <message>
        <source>it has more than the %1 lines of a %2</source>
        <translation>%2의 %1줄보다 많습니다</translation>
    </message>
    <message>
        <source>%1: %2 holds %3 sets that %4 holds too; each taken once</source>
        <translation>%1: %2에 %4에도 있는 세트 %3개가 있습니다. 각각 한 번만 사용합니다</translation>
    </message>
    <message>
        <source>%1 has two different %2 files, %3 and %4: both kept as separate sets</source>
        <translation>%1에 서로 다른 %2 파일 두 개(%3, %4)가 있습니다: 둘 다 별도의 세트로 사용합니다</translation>
    </message>
    <message>
        <source>%1 handed in</source>
        <translation>%1 제출됨</translation>
    </message>
    <message numerus="yes">
        <source>%n student(s)</source>
        <translation>
            <numerusform>학생 %n명</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>cannot create or enter the folder %1; files are kept in %2</source>
        <translation>폴더 %1을(를) 만들거나 열 수 없습니다. 파일은 %2에 저장됩니다</translation>
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
        <translation>사용법: %1 [--user-folder] [--hand-in 폴더] [--unlock] [--language 코드]
           [설정-파일]
        %1 --timing-check | --check-machine | --version | --help

단순 자극과 복합 자극의 반응 시간 측정: 소리, 색 변화 또는 둘 다에 대한 학생의
반응 시간을 단순 반응 테스트 하나와 선택 반응 테스트 두 개로 측정합니다.

  설정-파일           %2 대신 사용할 설정. 상대 이름은 파일을 저장하는
                      폴더에서 찾습니다
  --user-folder       파일을 사용자별 폴더에 저장합니다(없으면 만듭니다):
                      %3
                      (데스크톱 메뉴 항목은 프로그램을 이렇게 시작합니다)
  --hand-in 폴더      저장한 각 .nrm 및 .col 파일과 각 recover.dat를
                      교사를 위해 폴더/&lt;로그인 이름&gt;/에도 제출합니다
                      (모든 사용자용 설정은 /etc/xdg/Brevane/Brevane.conf;
                      man brevane)
  --unlock            실습실이 설정을 잠근 경우, 실습실 교사 그룹의 구성원이
                      이 세션에서 설정을 바꿀 수 있게 합니다
  --timing-check      포토다이오드나 카메라용 깜박이는 패치를 재생 빈도,
                      프레임 시간 지터, 사용 중인 타임스탬프 출처와 함께
                      표시합니다(Esc 또는 클릭으로 끝냄)
  --check-machine     이 PC를 사운드 카드 입력을 통해 처음부터 끝까지 점검합니다:
                      화면은 포토다이오드로, 소리는 출력에서 온 케이블로,
                      마우스는 클릭 소리로 측정합니다. 지연은 정보 상자와 반
                      전체 요약을 위해 보관합니다(docs/guide.md)
  --language 코드     프로그램을 이 언어로 표시합니다(de, ja, ar, ...; 번역이
                      없으면 영어). 시스템 언어나 Brevane.conf의 설정보다
                      우선합니다
  --version           버전을 표시하고 끝냄
  --help              이 도움말을 표시하고 끝냄

파일은 현재 디렉터리에, --user-folder를 쓰면 위의 폴더에 저장됩니다:
%2(설정, 없으면 기본값으로 작성)와 recover.dat(각 테스트의 세트, 시리즈가
끝날 때마다 다시 작성되며 주 메뉴의 복구로 다시 읽을 수 있음). 파일 대화 상자는
그곳에서 열립니다. 결과 파일(.nrm, .col)은 저장한 곳에 놓입니다.
</translation>
    </message>
</context>
<context>
    <name>DisplayStamps</name>
    <message>
        <source>; times may be one frame long: see the guide</source>
        <translation>; 시간이 한 프레임 길어질 수 있습니다: 안내서를 참조하십시오</translation>
    </message>
    <message>
        <source>The window system does not say when a frame is shown</source>
        <translation>창 시스템이 프레임이 표시되는 시각을 알려 주지 않습니다</translation>
    </message>
    <message>
        <source>The X server does not say when a frame is shown</source>
        <translation>X 서버가 프레임이 표시되는 시각을 알려 주지 않습니다</translation>
    </message>
    <message>
        <source>XWayland shows the window through the Wayland compositor</source>
        <translation>XWayland는 Wayland 컴포지터를 통해 창을 표시합니다</translation>
    </message>
    <message>
        <source>Some stimuli were stamped by %1</source>
        <translation>일부 자극의 타임스탬프는 %1에 따릅니다</translation>
    </message>
    <message>
        <source>the display&apos;s refresh</source>
        <translation>디스플레이의 재생</translation>
    </message>
    <message>
        <source>the X server&apos;s refresh, not the pixel&apos;s</source>
        <translation>픽셀이 아닌 X 서버의 재생</translation>
    </message>
    <message>
        <source>the compositor&apos;s frame timings</source>
        <translation>컴포지터의 프레임 타이밍</translation>
    </message>
    <message>
        <source>the screen read back</source>
        <translation>화면 되읽기</translation>
    </message>
    <message>
        <source>the Wayland compositor&apos;s report of the frame</source>
        <translation>Wayland 컴포지터의 프레임 보고</translation>
    </message>
    <message>
        <source>the hand-over to the X server</source>
        <translation>X 서버로의 전달</translation>
    </message>
    <message>
        <source>the clock after a repaint</source>
        <translation>다시 그린 뒤의 시계</translation>
    </message>
    <message>
        <source>%1 (exact)</source>
        <translation>%1 (정확)</translation>
    </message>
    <message>
        <source>%1 (estimated)</source>
        <translation>%1 (추정)</translation>
    </message>
    <message>
        <source>none</source>
        <translation>없음</translation>
    </message>
    <message>
        <source>%1 Hz</source>
        <translation>%1 Hz</translation>
    </message>
    <message>
        <source>not reported (a virtual screen)</source>
        <translation>보고 없음(가상 화면)</translation>
    </message>
    <message>
        <source>The Wayland compositor estimates when a frame is shown; times may be one frame long: see the guide</source>
        <translation>Wayland 컴포지터가 프레임이 표시되는 시각을 추정합니다. 시간이 한 프레임 길어질 수 있습니다: 안내서를 참조하십시오</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>Reflex Data Files (*.nrm)|*.nrm</source>
        <translation>반응 데이터 파일 (*.nrm)|*.nrm</translation>
    </message>
    <message>
        <source>Reflex Data Files (*.col)|*.col</source>
        <translation>반응 데이터 파일 (*.col)|*.col</translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
        File already exisits. Do you want to overwrite?</source>
        <translation><byte value="xd"/>
<byte value="xd"/>
        파일이 이미 있습니다. 덮어쓰시겠습니까?</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>파일 저장</translation>
    </message>
    <message>
        <source>Save File Error</source>
        <translation>파일 저장 오류</translation>
    </message>
    <message>
        <source>Save Cancelled</source>
        <translation>저장 취소됨</translation>
    </message>
    <message>
        <source>Load File Error</source>
        <translation>파일 불러오기 오류</translation>
    </message>
    <message>
        <source>Load Cancelled</source>
        <translation>불러오기 취소됨</translation>
    </message>
    <message>
        <source>Export to CSV</source>
        <translation>CSV로 내보내기</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)|*.csv</source>
        <translation>CSV 파일 (*.csv)|*.csv</translation>
    </message>
</context>
<context>
    <name>FileRead</name>
    <message>
        <source>%1 is a folder, not a file.</source>
        <translation>%1은(는) 파일이 아니라 폴더입니다.</translation>
    </message>
    <message>
        <source>%1 holds %2 MB, far more than any file of this program; it was not read.</source>
        <translation>%1은(는) %2 MB로, 이 프로그램의 어떤 파일보다 훨씬 커서 읽지 않았습니다.</translation>
    </message>
    <message>
        <source>%1 is far larger than any file of this program; it was not read.</source>
        <translation>%1은(는) 이 프로그램의 어떤 파일보다 훨씬 커서 읽지 않았습니다.</translation>
    </message>
</context>
<context>
    <name>HandIn</name>
    <message>
        <source>Hand-in</source>
        <translation>제출</translation>
    </message>
    <message>
        <source>the hand-in folder is missing</source>
        <translation>제출 폴더가 없습니다</translation>
    </message>
    <message>
        <source>Not handed in to %1: %2.
Your file is saved on this computer; it is handed in at your next save.</source>
        <translation>%1에 제출하지 못했습니다: %2.
파일은 이 컴퓨터에 저장되어 있으며, 다음에 저장할 때 제출됩니다.</translation>
    </message>
    <message>
        <source>the hand-in folder is still not answering</source>
        <translation>제출 폴더가 여전히 응답하지 않습니다</translation>
    </message>
    <message>
        <source>the hand-in folder did not answer</source>
        <translation>제출 폴더가 응답하지 않았습니다</translation>
    </message>
    <message>
        <source>the folder %1 in the hand-in folder is a link, not a folder</source>
        <translation>제출 폴더 안의 폴더 %1은(는) 폴더가 아니라 링크입니다</translation>
    </message>
    <message>
        <source>%1 in the hand-in folder is not a folder</source>
        <translation>제출 폴더 안의 %1은(는) 폴더가 아닙니다</translation>
    </message>
    <message>
        <source>the folder %1 in the hand-in folder belongs to another user</source>
        <translation>제출 폴더 안의 폴더 %1은(는) 다른 사용자의 것입니다</translation>
    </message>
</context>
<context>
    <name>HandoutPage</name>
    <message>
        <source>beyond your median ± 3 scaled MADs of the test</source>
        <translation>이 테스트에서 내 중앙값 ± 척도화 MAD 3배 범위 밖</translation>
    </message>
    <message>
        <source>beyond your mean ± 3 SD of the test</source>
        <translation>이 테스트에서 내 평균 ± 3 SD 범위 밖</translation>
    </message>
    <message>
        <source>none cut here</source>
        <translation>여기서는 제외 없음</translation>
    </message>
    <message>
        <source>Reaction times of %1</source>
        <translation>%1의 반응 시간</translation>
    </message>
    <message>
        <source>Your times beside your class&apos;s (%1 students), in whole milliseconds as stored.</source>
        <translation>내 시간과 우리 반(학생 %1명)의 시간, 저장된 대로 정수 밀리초.</translation>
    </message>
    <message>
        <source>test</source>
        <translation>테스트</translation>
    </message>
    <message>
        <source>sets</source>
        <translation>세트</translation>
    </message>
    <message>
        <source>runs that count</source>
        <translation>유효한 시행</translation>
    </message>
    <message>
        <source>mean</source>
        <translation>평균</translation>
    </message>
    <message>
        <source>median</source>
        <translation>중앙값</translation>
    </message>
    <message>
        <source>anticipations</source>
        <translation>예측 반응</translation>
    </message>
    <message>
        <source>lapses</source>
        <translation>주의 소실</translation>
    </message>
    <message>
        <source>outliers</source>
        <translation>이상값</translation>
    </message>
    <message>
        <source>Runs that count: all but missed hits, anticipations (under %1 ms), lapses (over %2 ms) and outliers (%3). mean: the mean of your set means, every time as stored. median, μ, σ, τ: your runs but missed hits, anticipations and lapses; μ, σ, τ: the ex-Gaussian fitted to them, a normal part (μ, σ) plus an exponential part of mean τ, the slow tail; from %4 runs on.</source>
        <translation>유효한 시행: 누락, 예측 반응(%1 ms 미만), 주의 소실(%2 ms 초과), 이상값(%3)을 제외한 모든 시행. 평균: 내 세트 평균들의 평균이며, 모든 시간은 저장된 대로. 중앙값, μ, σ, τ: 누락, 예측 반응, 주의 소실을 제외한 내 시행. μ, σ, τ: 그 시행에 맞춘 지수-가우스 분포로, 정규 부분(μ, σ)과 평균이 τ인 지수 부분(느린 꼬리)의 합; 시행이 %4회 이상일 때.</translation>
    </message>
    <message>
        <source>Grey: the class&apos;s runs that count; outlined: yours, each as shares of its runs. Ticks: the class&apos;s means; the dot: yours.</source>
        <translation>회색: 반의 유효한 시행, 윤곽선: 내 시행(각각 자기 시행에서 차지하는 비율). 눈금: 반의 평균, 점: 내 평균.</translation>
    </message>
    <message>
        <source>No mean: none of your runs is a reaction time.</source>
        <translation>평균 없음: 내 시행 중 반응 시간인 것이 없습니다.</translation>
    </message>
    <message>
        <source>Your mean, %1 ms; nobody else took this test.</source>
        <translation>내 평균은 %1 ms입니다. 이 테스트를 받은 다른 사람은 없습니다.</translation>
    </message>
    <message>
        <source>Your mean, %1 ms: of the %2 others, %3 faster, %4 slower.</source>
        <translation>내 평균은 %1 ms입니다: 다른 %2명 중 %3명이 더 빠르고 %4명이 더 느립니다.</translation>
    </message>
</context>
<context>
    <name>Handouts</name>
    <message>
        <source>Reaction times: a page for each student</source>
        <translation>반응 시간: 학생별 한 페이지</translation>
    </message>
</context>
<context>
    <name>Lab</name>
    <message>
        <source>The settings are locked by the lab (LockSettings in %1).</source>
        <translation>실습실에서 설정을 잠갔습니다(%1의 LockSettings).</translation>
    </message>
    <message>
        <source>Nobody may unlock the settings here: %1 names no group of teachers (Teachers in its [Lab] section).</source>
        <translation>여기서는 아무도 설정 잠금을 풀 수 없습니다: %1에 교사 그룹이 지정되어 있지 않습니다([Lab] 섹션의 Teachers).</translation>
    </message>
    <message>
        <source>The settings are locked by the lab (LockSettings in %1); a member of the group %2 may change them by starting the program with --unlock.</source>
        <translation>실습실에서 설정을 잠갔습니다(%1의 LockSettings). %2 그룹의 구성원은 프로그램을 --unlock으로 시작하여 설정을 바꿀 수 있습니다.</translation>
    </message>
    <message>
        <source>Only a member of the group %1 may unlock the settings with --unlock, which %2 is not; the settings stay locked.</source>
        <translation>--unlock으로 설정 잠금을 풀 수 있는 것은 %1 그룹의 구성원뿐인데, %2은(는) 구성원이 아닙니다. 설정은 잠긴 상태로 유지됩니다.</translation>
    </message>
</context>
<context>
    <name>MachineCheck</name>
    <message>
        <source>%1 of %2 trials</source>
        <translation>%2회 중 %1회</translation>
    </message>
    <message>
        <source>the signal is too weak (%1): turn the input volume up, or the screen&apos;s brightness, and hold the diode flat on the patch</source>
        <translation>신호가 너무 약합니다(%1): 입력 음량이나 화면 밝기를 높이고, 다이오드를 패치에 평평하게 대십시오</translation>
    </message>
    <message>
        <source>the signal is too weak (%1): turn the output and the input volume up</source>
        <translation>신호가 너무 약합니다(%1): 출력 음량과 입력 음량을 높이십시오</translation>
    </message>
    <message>
        <source>the clicks are too faint (%1): put the microphone closer to the mouse and turn the input volume up</source>
        <translation>클릭 소리가 너무 작습니다(%1): 마이크를 마우스에 더 가까이 두고 입력 음량을 높이십시오</translation>
    </message>
    <message>
        <source>the signal is too noisy (%1): keep the room quiet, the cable short and away from the mains, and turn the input volume down if it hums</source>
        <translation>신호에 잡음이 너무 많습니다(%1): 방을 조용히 하고, 케이블은 짧게 하여 전원선에서 멀리 두고, 웅웅거리면 입력 음량을 낮추십시오</translation>
    </message>
    <message>
        <source>the recording broke off (%1): close other programs that use the sound card and try again</source>
        <translation>녹음이 끊겼습니다(%1): 사운드 카드를 쓰는 다른 프로그램을 닫고 다시 시도하십시오</translation>
    </message>
    <message>
        <source>no flash was seen in %1: is the diode on the patch and plugged into the input that records?</source>
        <translation>깜박임이 감지되지 않았습니다(%1): 다이오드가 패치 위에 있고 녹음하는 입력에 꽂혀 있습니까?</translation>
    </message>
    <message>
        <source>no tone came back in %1: is the output looped to the input that records?</source>
        <translation>소리가 돌아오지 않았습니다(%1): 출력이 녹음하는 입력에 루프로 연결되어 있습니까?</translation>
    </message>
    <message>
        <source>no click was heard in %1: is the microphone next to the mouse?</source>
        <translation>클릭 소리가 들리지 않았습니다(%1): 마이크가 마우스 옆에 있습니까?</translation>
    </message>
    <message>
        <source>too few trials (%1)</source>
        <translation>측정 횟수가 너무 적습니다(%1)</translation>
    </message>
</context>
<context>
    <name>MachineResult</name>
    <message>
        <source>it is not a machine check&apos;s result</source>
        <translation>컴퓨터 점검의 결과가 아닙니다</translation>
    </message>
    <message>
        <source>line %1 is not a part&apos;s lag</source>
        <translation>%1번째 줄은 부분의 지연이 아닙니다</translation>
    </message>
    <message>
        <source>it names no machine</source>
        <translation>컴퓨터 이름이 없습니다</translation>
    </message>
    <message>
        <source>%1 %2 ms (SD %3)</source>
        <translation>%1 %2 ms (SD %3)</translation>
    </message>
    <message>
        <source>%1: not measured</source>
        <translation>%1: 측정 안 됨</translation>
    </message>
    <message>
        <source>Machine check: not done on this machine (brevane --check-machine)</source>
        <translation>컴퓨터 점검: 이 컴퓨터에서는 하지 않음(brevane --check-machine)</translation>
    </message>
    <message>
        <source>Machine check (%1, %2): %3</source>
        <translation>컴퓨터 점검(%1, %2): %3</translation>
    </message>
</context>
<context>
    <name>ProgramVersion</name>
    <message>
        <source>Version %1.%2%3</source>
        <translation>버전 %1.%2%3</translation>
    </message>
</context>
<context>
    <name>QtPrinting</name>
    <message>
        <source>The printer %1 could not be opened.</source>
        <translation>프린터 %1을(를) 열 수 없습니다.</translation>
    </message>
    <message>
        <source>The printer %1 reported an error.</source>
        <translation>프린터 %1이(가) 오류를 보고했습니다.</translation>
    </message>
    <message>
        <source>The PDF could not be completed.</source>
        <translation>PDF를 완성할 수 없습니다.</translation>
    </message>
    <message>
        <source>The PDF could not be started.</source>
        <translation>PDF를 시작할 수 없습니다.</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>인쇄 설정</translation>
    </message>
</context>
<context>
    <name>RecoveryFile</name>
    <message>
        <source>The recovery file recover.dat could not be written.</source>
        <translation>복구 파일 recover.dat를 쓸 수 없습니다.</translation>
    </message>
    <message>
        <source><byte value="xd"/>Your data are kept in memory.</source>
        <translation><byte value="xd"/>데이터는 메모리에 남아 있습니다.</translation>
    </message>
    <message>
        <source>Recovery File Error</source>
        <translation>복구 파일 오류</translation>
    </message>
    <message>
        <source>Load Cancelled</source>
        <translation>불러오기 취소됨</translation>
    </message>
    <message>
        <source>No Recovery File Created or Found</source>
        <translation>복구 파일이 만들어지지 않았거나 찾을 수 없습니다</translation>
    </message>
    <message>
        <source>Load File Error</source>
        <translation>파일 불러오기 오류</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Fastest Time</source>
        <translation>최단 시간</translation>
    </message>
    <message>
        <source>Slowest Time</source>
        <translation>최장 시간</translation>
    </message>
    <message>
        <source>Average Time</source>
        <translation>평균 시간</translation>
    </message>
    <message>
        <source>Correct Hits</source>
        <translation>적중</translation>
    </message>
    <message>
        <source>Correct Misses</source>
        <translation>정기각</translation>
    </message>
    <message>
        <source>InCorrect Hits</source>
        <translation>오반응</translation>
    </message>
    <message>
        <source>Missed Hits</source>
        <translation>누락</translation>
    </message>
    <message>
        <source>Orv Tovanel:  Color Reflex Data</source>
        <translation>Orv Tovanel:  색 반응 데이터</translation>
    </message>
    <message>
        <source>Orv Tovanel:  Number Reflex Data</source>
        <translation>Orv Tovanel:  숫자 반응 데이터</translation>
    </message>
    <message>
        <source>Set  %1</source>
        <translation>세트  %1</translation>
    </message>
    <message>
        <source>Comments:</source>
        <translation>메모:</translation>
    </message>
    <message>
        <source>Save Report As PDF</source>
        <translation>보고서를 PDF로 저장</translation>
    </message>
    <message>
        <source>PDF Files|*.pdf</source>
        <translation>PDF 파일|*.pdf</translation>
    </message>
    <message>
        <source>The file could not be written.</source>
        <translation>파일을 쓸 수 없습니다.</translation>
    </message>
    <message>
        <source>Print Error<byte value="xd"/></source>
        <translation>인쇄 오류<byte value="xd"/></translation>
    </message>
    <message>
        <source>Print Cancelled</source>
        <translation>인쇄 취소됨</translation>
    </message>
    <message>
        <source>  Slowest Time</source>
        <translation>  최장 시간</translation>
    </message>
    <message>
        <source>Orv Tovanel:  Normal Reflex Data</source>
        <translation>Orv Tovanel:  단순 반응 데이터</translation>
    </message>
</context>
<context>
    <name>ResultsKind</name>
    <message>
        <source>Complex Choice Color/Audio Stimulus Module Data Display</source>
        <translation>선택 반응 색/소리 자극 모듈 결과 표시</translation>
    </message>
    <message>
        <source>Delete run %1 from the set? </source>
        <translation>세트에서 시행 %1을(를) 삭제하시겠습니까? </translation>
    </message>
    <message>
        <source>Color Reflex Data Files</source>
        <translation>색 반응 데이터 파일</translation>
    </message>
    <message>
        <source>Complex Choice Number/Audio Stimulus Module Data Display</source>
        <translation>선택 반응 숫자/소리 자극 모듈 결과 표시</translation>
    </message>
    <message>
        <source>Delete run %1 for the set? </source>
        <translation>세트의 시행 %1을(를) 삭제하시겠습니까? </translation>
    </message>
    <message>
        <source>Number Reflex Data Files</source>
        <translation>숫자 반응 데이터 파일</translation>
    </message>
    <message>
        <source>Simple Choice Stimulus Module Data Display</source>
        <translation>단순 반응 자극 모듈 결과 표시</translation>
    </message>
    <message>
        <source>Normal Reflex Data Files</source>
        <translation>단순 반응 데이터 파일</translation>
    </message>
</context>
<context>
    <name>ResultsModel</name>
    <message>
        <source>Delete run %1 for the set? </source>
        <translation>세트의 시행 %1을(를) 삭제하시겠습니까? </translation>
    </message>
    <message>
        <source>Are you sure you want to DELETE ALL DATA ?</source>
        <translation>모든 데이터를 정말 삭제하시겠습니까?</translation>
    </message>
    <message>
        <source>Delete All Data</source>
        <translation>모든 데이터 삭제</translation>
    </message>
</context>
<context>
    <name>RuleOptions</name>
    <message>
        <source>A time under &lt;ms&gt; is an anticipation (default: 100).</source>
        <translation>&lt;ms&gt; 미만의 시간은 예측 반응으로 봅니다(기본값: 100).</translation>
    </message>
    <message>
        <source>A time over &lt;ms&gt; is a lapse (default: 2000).</source>
        <translation>&lt;ms&gt; 초과의 시간은 주의 소실로 봅니다(기본값: 2000).</translation>
    </message>
    <message>
        <source>Cut outliers beyond median +- 3 scaled MADs (mad, the default), mean +- 3 SD (sd), or not at all (none).</source>
        <translation>중앙값 +- 척도화 MAD 3배(mad, 기본값), 평균 +- 3 SD(sd) 범위 밖의 이상값을 제외하거나, 제외하지 않습니다(none).</translation>
    </message>
    <message>
        <source>Write a PDF page for each student, handout-&lt;student&gt;.pdf.</source>
        <translation>학생마다 PDF 페이지 handout-&lt;학생&gt;.pdf를 작성합니다.</translation>
    </message>
    <message>
        <source>--%1 takes a whole number of milliseconds from %2 to %3, not %4</source>
        <translation>--%1에는 %2~%3의 정수 밀리초를 지정해야 합니다(%4은(는) 안 됨)</translation>
    </message>
    <message>
        <source>the lapse limit (%1 ms) must lie above the anticipation limit (%2 ms)</source>
        <translation>주의 소실 한계(%1 ms)는 예측 반응 한계(%2 ms)보다 커야 합니다</translation>
    </message>
    <message>
        <source>--outlier-rule takes mad, sd or none, not %1</source>
        <translation>--outlier-rule에는 mad, sd, none 중 하나를 지정해야 합니다(%1은(는) 안 됨)</translation>
    </message>
</context>
<context>
    <name>SessionPlatform</name>
    <message>
        <source>On Wayland: no pointer placement, and presses are stamped by the toolkit event (XWayland gives both)</source>
        <translation>Wayland에서는: 포인터를 놓을 수 없고, 누름의 타임스탬프는 툴킷 이벤트에 따릅니다(XWayland는 둘 다 가능)</translation>
    </message>
    <message>
        <source>Wayland session: running on X through XWayland, which places the pointer and reads raw input</source>
        <translation>Wayland 세션: XWayland를 통해 X에서 실행합니다(포인터를 놓고 원시 입력을 읽음)</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Settings Locked</source>
        <translation>설정 잠김</translation>
    </message>
</context>
<context>
    <name>SettingsEditor</name>
    <message>
        <source>Configuration Files (*.cfg)|*.cfg</source>
        <translation>설정 파일 (*.cfg)|*.cfg</translation>
    </message>
    <message>
        <source>Trigger Colour</source>
        <translation>목표 색</translation>
    </message>
    <message>
        <source>The trigger colour must differ from the panel&apos;s white at rest, or the stimulus is invisible.</source>
        <translation>목표 색은 대기 중인 패널의 흰색과 달라야 합니다. 같으면 자극이 보이지 않습니다.</translation>
    </message>
    <message>
        <source>Save Configuration File</source>
        <translation>설정 파일 저장</translation>
    </message>
    <message>
        <source>Save File Error</source>
        <translation>파일 저장 오류</translation>
    </message>
    <message>
        <source>Save Cancelled</source>
        <translation>저장 취소됨</translation>
    </message>
    <message>
        <source>Load Configuration File</source>
        <translation>설정 파일 불러오기</translation>
    </message>
    <message>
        <source>Load File Error</source>
        <translation>파일 불러오기 오류</translation>
    </message>
    <message>
        <source>Load Cancelled</source>
        <translation>불러오기 취소됨</translation>
    </message>
    <message>
        <source>Configuration File Load Error</source>
        <translation>설정 파일 불러오기 오류</translation>
    </message>
    <message>
        <source>Invalid Configuration File<byte value="xd"/>No File Loaded</source>
        <translation>잘못된 설정 파일<byte value="xd"/>불러온 파일 없음</translation>
    </message>
</context>
<context>
    <name>ShapeChart</name>
    <message>
        <source>median of the student&apos;s runs (ms)</source>
        <translation>학생 시행의 중앙값 (ms)</translation>
    </message>
    <message>
        <source>τ, the slow tail (ms)</source>
        <translation>τ, 느린 꼬리 (ms)</translation>
    </message>
    <message>
        <source>%1 of %2 students fitted
mean τ %3 ms</source>
        <translation>학생 %2명 중 %1명 맞춤
평균 τ %3 ms</translation>
    </message>
    <message>
        <source>%1 − simple: μ %2 ms (95 % CI %3 to %4), τ %5 ms (%6 to %7), %8 students</source>
        <translation>%1 − 단순: μ %2 ms (95% 신뢰 구간 %3~%4), τ %5 ms (%6~%7), 학생 %8명</translation>
    </message>
    <message>
        <source>The shape of each student&apos;s times</source>
        <translation>학생별 시간 분포의 모양</translation>
    </message>
    <message>
        <source>One dot for each student and test with an ex-Gaussian fit (at least %1 runs that are neither anticipations nor lapses): across, the median of those runs; up, τ, the mean of the fit&apos;s exponential part: its slow tail. A test that slows every run moves the dots to the right; one that adds slow runs moves them up.</source>
        <translation>지수-가우스 분포를 맞춘 학생과 테스트마다 점 하나(예측 반응도 주의 소실도 아닌 시행이 %1회 이상): 가로는 그 시행들의 중앙값, 세로는 τ, 즉 맞춘 분포의 지수 부분의 평균으로 느린 꼬리입니다. 모든 시행을 느리게 하는 테스트는 점을 오른쪽으로, 느린 시행을 더하는 테스트는 점을 위로 옮깁니다.</translation>
    </message>
    <message>
        <source>No student has %1 runs in a test yet: too few for a fit</source>
        <translation>아직 한 테스트에서 시행이 %1회인 학생이 없습니다: 맞추기에는 너무 적습니다</translation>
    </message>
</context>
<context>
    <name>ShareCheck</name>
    <message>
        <source>cannot look at %1 (%2)</source>
        <translation>%1을(를) 살펴볼 수 없습니다(%2)</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1은(는) 폴더가 아닙니다</translation>
    </message>
    <message>
        <source>cannot list %1 (%2): run this as a member of its group or as root</source>
        <translation>%1의 목록을 볼 수 없습니다(%2): 그 그룹의 구성원이나 root로 실행하십시오</translation>
    </message>
    <message>
        <source>1 student&apos;s folder</source>
        <translation>학생 폴더 1개</translation>
    </message>
    <message>
        <source>%1 students&apos; folders</source>
        <translation>학생 폴더 %1개</translation>
    </message>
    <message>
        <source>%1: %2, all as the recipe has them</source>
        <translation>%1: %2, 모두 방법대로입니다</translation>
    </message>
    <message>
        <source>%1: %2; 1 thing to put right</source>
        <translation>%1: %2; 고칠 것 1개</translation>
    </message>
    <message>
        <source>%1: %2; %3 things to put right</source>
        <translation>%1: %2; 고칠 것 %3개</translation>
    </message>
    <message>
        <source>%1: the guide&apos;s first recipe, one group folder (mode 3773), group %2</source>
        <translation>%1: 안내서의 첫 번째 방법, 그룹 폴더 하나(모드 3773), 그룹 %2</translation>
    </message>
    <message>
        <source>%1: the guide&apos;s second recipe, a folder per student (mode 0751), group %2</source>
        <translation>%1: 안내서의 두 번째 방법, 학생마다 폴더 하나(모드 0751), 그룹 %2</translation>
    </message>
    <message>
        <source>%1 has the mode %2, not %3</source>
        <translation>%1의 모드가 %3이(가) 아니라 %2입니다</translation>
    </message>
    <message>
        <source>every user may list %1 and see who handed in: take the others&apos; r away</source>
        <translation>모든 사용자가 %1의 목록을 보고 누가 제출했는지 알 수 있습니다: 기타 사용자(others)의 r을 없애십시오</translation>
    </message>
    <message>
        <source>without the sticky bit a student may rename or remove another&apos;s folder</source>
        <translation>스티키 비트가 없으면 학생이 다른 학생의 폴더 이름을 바꾸거나 지울 수 있습니다</translation>
    </message>
    <message>
        <source>without the setgid bit the students&apos; new folders do not get the group %1, and the teachers cannot read them</source>
        <translation>setgid 비트가 없으면 학생이 새로 만든 폴더가 %1 그룹이 되지 않아 교사가 읽을 수 없습니다</translation>
    </message>
    <message>
        <source>the students cannot %1 their folders in %2</source>
        <translation>학생이 %2 안에서 자기 폴더를 %1 수 없습니다</translation>
    </message>
    <message>
        <source>make</source>
        <translation>만들</translation>
    </message>
    <message>
        <source>reach</source>
        <translation>열</translation>
    </message>
    <message>
        <source>the group %1 cannot list %2, so the teachers do not see the folders</source>
        <translation>%1 그룹이 %2의 목록을 볼 수 없어서 교사에게 폴더가 보이지 않습니다</translation>
    </message>
    <message>
        <source>%1 belongs to user %2, not root: %2 may rename or remove every student&apos;s folder</source>
        <translation>%1의 소유자가 root가 아니라 사용자 %2입니다: %2은(는) 모든 학생의 폴더 이름을 바꾸거나 지울 수 있습니다</translation>
    </message>
    <message>
        <source>%1 is a link, not a student&apos;s folder: remove it (hand-ins through it are refused)</source>
        <translation>%1은(는) 학생 폴더가 아니라 링크입니다: 지우십시오(이를 통한 제출은 거부됩니다)</translation>
    </message>
    <message>
        <source>%1 is no student&apos;s folder, and belongs to user %2: remove it</source>
        <translation>%1은(는) 학생 폴더가 아니며 사용자 %2의 것입니다: 지우십시오</translation>
    </message>
    <message>
        <source>%1: there is no user %2 on this machine</source>
        <translation>%1: 이 컴퓨터에 사용자 %2이(가) 없습니다</translation>
    </message>
    <message>
        <source>%1 belongs to user %2, not %3: remove it, or %3&apos;s hand-ins are refused</source>
        <translation>%1의 소유자가 %3이(가) 아니라 사용자 %2입니다: 지우십시오. 그렇지 않으면 %3의 제출이 거부됩니다</translation>
    </message>
    <message>
        <source>%1 has the group %2, not %3: the teachers cannot read it</source>
        <translation>%1의 그룹이 %3이(가) 아니라 %2입니다: 교사가 읽을 수 없습니다</translation>
    </message>
    <message>
        <source>%1 has the mode %2, not 0750%3</source>
        <translation>%1의 모드가 0750이 아니라 %2입니다%3</translation>
    </message>
    <message>
        <source>: every user may read %1&apos;s files</source>
        <translation>: 모든 사용자가 %1의 파일을 읽을 수 있습니다</translation>
    </message>
    <message>
        <source>%1 is in the group %2, and so may read every student&apos;s folder</source>
        <translation>%1은(는) %2 그룹에 속해 있어서 모든 학생의 폴더를 읽을 수 있습니다</translation>
    </message>
    <message>
        <source>%1 is a link, which the summary does not follow: remove it</source>
        <translation>%1은(는) 링크이며, 요약은 이를 따라가지 않습니다: 지우십시오</translation>
    </message>
    <message>
        <source>%1 is a FIFO, a socket or a device, which the summary does not read: remove it</source>
        <translation>%1은(는) FIFO, 소켓 또는 장치이며, 요약은 이를 읽지 않습니다: 지우십시오</translation>
    </message>
    <message>
        <source>%1 belongs to user %2, not to the folder&apos;s student</source>
        <translation>%1의 소유자가 폴더의 학생이 아니라 사용자 %2입니다</translation>
    </message>
    <message>
        <source>every user may read %1</source>
        <translation>모든 사용자가 %1을(를) 읽을 수 있습니다</translation>
    </message>
</context>
<context>
    <name>SimpleEngine</name>
    <message>
        <source>            Audio Trigger</source>
        <translation>            소리 자극</translation>
    </message>
    <message>
        <source>           Visual Trigger</source>
        <translation>            빛 자극</translation>
    </message>
    <message>
        <source>     Audio/Visual Trigger</source>
        <translation>        소리와 빛 자극</translation>
    </message>
    <message>
        <source>The sound device &quot;%1&quot; could not be opened.</source>
        <translation>사운드 장치 &quot;%1&quot;을(를) 열 수 없습니다.</translation>
    </message>
    <message>
        <source><byte value="xd"/>An audio trigger needs it: choose a visual trigger in Options.</source>
        <translation><byte value="xd"/>소리 자극에는 이 장치가 필요합니다: 옵션에서 빛 자극을 선택하십시오.</translation>
    </message>
    <message>
        <source>No Sound Device</source>
        <translation>사운드 장치 없음</translation>
    </message>
    <message>
        <source><byte value="xd"/>The series runs with the colour alone.</source>
        <translation><byte value="xd"/>이 시리즈는 색만으로 진행합니다.</translation>
    </message>
</context>
<context>
    <name>SoundCapture</name>
    <message>
        <source>the sound card has no input to record from (%1)</source>
        <translation>사운드 카드에 녹음할 입력이 없습니다(%1)</translation>
    </message>
    <message>
        <source>the sound card&apos;s input cannot record mono at %1 Hz (%2)</source>
        <translation>사운드 카드의 입력은 %1 Hz 모노로 녹음할 수 없습니다(%2)</translation>
    </message>
    <message>
        <source>no PipeWire server answers</source>
        <translation>응답하는 PipeWire 서버가 없습니다</translation>
    </message>
    <message>
        <source>PipeWire has no input to record from</source>
        <translation>PipeWire에 녹음할 입력이 없습니다</translation>
    </message>
    <message>
        <source>no PulseAudio server answers</source>
        <translation>응답하는 PulseAudio 서버가 없습니다</translation>
    </message>
    <message>
        <source>PulseAudio has no input to record from</source>
        <translation>PulseAudio에 녹음할 입력이 없습니다</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>the built-in defaults</source>
        <translation>내장 기본값</translation>
    </message>
    <message>
        <source>, locked by the lab</source>
        <translation>, 실습실에서 잠금</translation>
    </message>
    <message>
        <source>Settings Locked</source>
        <translation>설정 잠김</translation>
    </message>
    <message>
        <source>The configuration file %1 is not read: the lab locks the settings (LockSettings in %2).</source>
        <translation>설정 파일 %1을(를) 읽지 않습니다: 실습실에서 설정을 잠갔습니다(%2의 LockSettings).</translation>
    </message>
    <message>
        <source>Loading the class configuration ...</source>
        <translation>반 설정을 불러오는 중 ...</translation>
    </message>
    <message>
        <source>the class configuration %1</source>
        <translation>반 설정 %1</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>그런 파일이 없습니다</translation>
    </message>
    <message>
        <source>Class Configuration</source>
        <translation>반 설정</translation>
    </message>
    <message>
        <source>The class configuration %1 that %2 names cannot be read (%3); the configuration of this computer is used instead.</source>
        <translation>%2이(가) 지정한 반 설정 %1을(를) 읽을 수 없습니다(%3). 대신 이 컴퓨터의 설정을 사용합니다.</translation>
    </message>
</context>
<context>
    <name>StartupSequence</name>
    <message>
        <source>the screen is smaller than 800 x 600; the program ends</source>
        <translation>화면이 800 x 600보다 작습니다. 프로그램을 끝냅니다</translation>
    </message>
    <message>
        <source>Fatal Application Error</source>
        <translation>치명적인 프로그램 오류</translation>
    </message>
    <message>
        <source>Orv Brevane supports a minimum screen resolution of 800 x 600</source>
        <translation>Orv Brevane은 최소 800 x 600의 화면 해상도를 지원합니다</translation>
    </message>
    <message>
        <source>Press OK to terminate program</source>
        <translation>확인을 누르면 프로그램을 끝냅니다</translation>
    </message>
    <message>
        <source>Loading default configuration file ...</source>
        <translation>기본 설정 파일을 불러오는 중 ...</translation>
    </message>
    <message>
        <source>Initializing application ...</source>
        <translation>프로그램을 준비하는 중 ...</translation>
    </message>
    <message>
        <source>Initializing application ... Almost Done</source>
        <translation>프로그램을 준비하는 중 ... 거의 완료</translation>
    </message>
    <message>
        <source>not a configuration file</source>
        <translation>설정 파일이 아닙니다</translation>
    </message>
    <message>
        <source>Loading user configuration file ...</source>
        <translation>사용자 설정 파일을 불러오는 중 ...</translation>
    </message>
    <message>
        <source>%1: no such configuration file; using the default configuration</source>
        <translation>%1: 그런 설정 파일이 없습니다. 기본 설정을 사용합니다</translation>
    </message>
    <message>
        <source>Configuration load error</source>
        <translation>설정 불러오기 오류</translation>
    </message>
    <message>
        <source>File %1 could not be found</source>
        <translation>파일 %1을(를) 찾을 수 없습니다</translation>
    </message>
    <message>
        <source>Using Default Configuration</source>
        <translation>기본 설정 사용</translation>
    </message>
    <message>
        <source>%1: cannot read the configuration (%2); using the default configuration</source>
        <translation>%1: 설정을 읽을 수 없습니다(%2). 기본 설정을 사용합니다</translation>
    </message>
    <message>
        <source>Configuration Error</source>
        <translation>설정 오류</translation>
    </message>
    <message>
        <source>Invalid Configuration File</source>
        <translation>잘못된 설정 파일</translation>
    </message>
    <message>
        <source>Using Default Configuration File</source>
        <translation>기본 설정 파일 사용</translation>
    </message>
    <message>
        <source>%1: not found; writing one with the defaults</source>
        <translation>%1: 찾을 수 없습니다. 기본값으로 새로 작성합니다</translation>
    </message>
    <message>
        <source>Configuration file not found</source>
        <translation>설정 파일을 찾을 수 없음</translation>
    </message>
    <message>
        <source>Default configuration file not found...</source>
        <translation>기본 설정 파일을 찾을 수 없음...</translation>
    </message>
    <message>
        <source>Creating Reflex.Cfg</source>
        <translation>Reflex.Cfg 만드는 중</translation>
    </message>
    <message>
        <source>The refused file was kept as %1</source>
        <translation>거부된 파일은 %1(으)로 남겨 두었습니다</translation>
    </message>
    <message>
        <source>it could not be written</source>
        <translation>쓸 수 없었습니다</translation>
    </message>
    <message>
        <source>%1: cannot read the configuration (%2); writing a new one with the defaults</source>
        <translation>%1: 설정을 읽을 수 없습니다(%2). 기본값으로 새로 작성합니다</translation>
    </message>
    <message>
        <source>%1: cannot read the configuration (%2); writing a new one with the defaults (the refused file is kept beside it as %3)</source>
        <translation>%1: 설정을 읽을 수 없습니다(%2). 기본값으로 새로 작성합니다(거부된 파일은 옆에 %3(으)로 남겨 둡니다)</translation>
    </message>
    <message>
        <source>Invalid Default Configuration File</source>
        <translation>잘못된 기본 설정 파일</translation>
    </message>
    <message>
        <source>Creating New Configuration File</source>
        <translation>새 설정 파일 만드는 중</translation>
    </message>
    <message>
        <source>%1: cannot be written; the defaults are used until the program ends</source>
        <translation>%1: 쓸 수 없습니다. 프로그램이 끝날 때까지 기본값을 사용합니다</translation>
    </message>
</context>
<context>
    <name>TestCore</name>
    <message>
        <source>Over write Data in Set %1 ?</source>
        <translation>세트 %1의 데이터를 덮어쓰시겠습니까?</translation>
    </message>
    <message>
        <source>Start Reflex Data Collection</source>
        <translation>반응 데이터 수집 시작</translation>
    </message>
    <message>
        <source>Your run has ended</source>
        <translation>시리즈가 끝났습니다</translation>
    </message>
    <message>
        <source>END RUN</source>
        <translation>시리즈 끝</translation>
    </message>
</context>
<context>
    <name>XDisplay</name>
    <message>
        <source>a compositing manager</source>
        <translation>합성 관리자</translation>
    </message>
</context>
<context>
    <name>brevane::ChoiceWindow</name>
    <message>
        <source>With Sound</source>
        <translation>소리 있음</translation>
    </message>
    <message>
        <source>No Sound</source>
        <translation>소리 없음</translation>
    </message>
</context>
<context>
    <name>brevane::MachineCheckWindow</name>
    <message>
        <source>&amp;Start</source>
        <translation>시작(&amp;S)</translation>
    </message>
    <message>
        <source>S&amp;kip this part</source>
        <translation>이 부분 건너뛰기(&amp;K)</translation>
    </message>
    <message>
        <source>Sa&amp;ve the result</source>
        <translation>결과 저장(&amp;V)</translation>
    </message>
    <message>
        <source>Brevane Machine Check</source>
        <translation>Brevane 컴퓨터 점검</translation>
    </message>
    <message>
        <source>Flashing patch</source>
        <translation>깜박이는 패치</translation>
    </message>
    <message>
        <source>Machine check guide</source>
        <translation>컴퓨터 점검 안내</translation>
    </message>
    <message>
        <source>Machine check: what this PC adds to every time a student measures on it.

The sound card&apos;s input is the clock: it hears the screen through a photodiode, the sound through a cable from the output, and the mouse through a microphone, and the program compares what it heard with its own stamps. Three parts, each about half a minute; skip any you cannot do. Each part gives the mean, the spread (SD) and the worst of its trials.

Press Start (or Return) to begin with the screen; Esc ends the check.</source>
        <translation>컴퓨터 점검: 학생이 이 PC에서 측정하는 모든 시간에 이 PC가 더하는 것.

사운드 카드의 입력이 시계입니다: 화면은 포토다이오드로, 소리는 출력에서 온 케이블로, 마우스는 마이크로 듣고, 프로그램은 들은 것을 자신의 타임스탬프와 비교합니다. 세 부분이 있으며 각각 약 30초 걸립니다. 할 수 없는 부분은 건너뛰십시오. 각 부분은 측정의 평균, 퍼짐(SD), 최악값을 보여 줍니다.

시작(또는 Return)을 누르면 화면부터 시작합니다. Esc를 누르면 점검을 끝냅니다.</translation>
    </message>
    <message>
        <source>No input to record from: %1.
Plug a cable or a microphone into the sound card&apos;s input (line-in or microphone), make it the input in the sound settings, and start the check again.</source>
        <translation>녹음할 입력이 없습니다: %1.
사운드 카드의 입력(라인 입력 또는 마이크 입력)에 케이블이나 마이크를 꽂고, 사운드 설정에서 그것을 입력으로 선택한 다음 점검을 다시 시작하십시오.</translation>
    </message>
    <message>
        <source>

Clicks: %1 of %2</source>
        <translation>

클릭: %2회 중 %1회</translation>
    </message>
    <message>
        <source>Screen: a photodiode held on the flashing patch.
You need a BPW34 photodiode (or any small silicon photodiode, a few euros) soldered to a 3.5 mm plug. On a line-in: the diode&apos;s anode to the tip, its cathode (the marked side) to the sleeve. On a microphone input, which feeds a few volts through the tip: the cathode to the tip, the anode to the sleeve. Set the input volume to about half.
Tape the diode flat on the middle of the patch below, the screen at the brightness the students use, the room light as in class. Press Start: the patch flashes %1 times, once a second.</source>
        <translation>화면: 깜박이는 패치에 댄 포토다이오드.
3.5 mm 플러그에 납땜한 BPW34 포토다이오드(또는 작은 실리콘 포토다이오드라면 무엇이든, 값이 싼 것)가 필요합니다. 라인 입력에서는: 다이오드의 애노드를 팁에, 캐소드(표시가 있는 쪽)를 슬리브에 연결합니다. 팁으로 몇 볼트를 공급하는 마이크 입력에서는: 캐소드를 팁에, 애노드를 슬리브에 연결합니다. 입력 음량은 절반 정도로 맞춥니다.
다이오드를 아래 패치의 가운데에 평평하게 테이프로 붙이고, 화면은 학생이 쓰는 밝기로, 방의 조명은 수업 때와 같게 합니다. 시작을 누르면 패치가 1초에 한 번씩 %1번 깜박입니다.</translation>
    </message>
    <message>
        <source>Sound: the output looped to the input.
Plug a cable from the headphone socket into the line-in (or hold the headset&apos;s microphone at its speaker), the volume as in class. Press Start: %1 tones, one a second.</source>
        <translation>소리: 출력을 입력에 루프로 연결.
헤드폰 잭에서 라인 입력으로 케이블을 연결합니다(또는 헤드셋의 마이크를 그 스피커에 댑니다). 음량은 수업 때와 같게 합니다. 시작을 누르면 1초에 한 번씩 소리가 %1번 납니다.</translation>
    </message>
    <message>
        <source>Mouse: each button&apos;s click, heard by a microphone next to the mouse.
Put the microphone within 5 cm of the mouse&apos;s buttons: sound travels about 0.03 ms a centimetre, so 5 cm add 0.15 ms to what is measured, 30 cm almost 1 ms. Keep the room quiet. Press Start, then click the left button %1 times in the grey square, about once a second. Each mouse you click is measured on its own.</source>
        <translation>마우스: 각 버튼의 클릭 소리를 마우스 옆의 마이크로 듣습니다.
마이크를 마우스 버튼에서 5 cm 이내에 두십시오: 소리는 1 cm마다 약 0.03 ms가 걸리므로 5 cm면 측정값에 0.15 ms가, 30 cm면 거의 1 ms가 더해집니다. 방을 조용히 하십시오. 시작을 누른 다음 회색 사각형 안에서 왼쪽 버튼을 1초에 한 번 정도씩 %1번 클릭하십시오. 클릭한 마우스는 각각 따로 측정됩니다.</translation>
    </message>
    <message>
        <source>The machine check is done.

%1

Save keeps the result on this machine: the about box and the timing check show it, and it goes with the students&apos; files to the hand-in folder, where brevane-summary reads it.</source>
        <translation>컴퓨터 점검이 끝났습니다.

%1

저장하면 결과가 이 컴퓨터에 남습니다: 정보 상자와 타이밍 점검에 표시되고, 학생의 파일과 함께 제출 폴더로 가서 그곳에서 brevane-summary가 읽습니다.</translation>
    </message>
    <message>
        <source>%1: skipped</source>
        <translation>%1: 건너뜀</translation>
    </message>
    <message>
        <source>

Measuring...</source>
        <translation>

측정 중...</translation>
    </message>
    <message>
        <source>

Flashes: %1 of %2</source>
        <translation>

깜박임: %2회 중 %1회</translation>
    </message>
    <message>
        <source>

Tones: %1 of %2</source>
        <translation>

소리: %2회 중 %1회</translation>
    </message>
    <message>
        <source>%1: mean %2 ms, SD %3 ms, worst %4 ms over %5 of %6 trials</source>
        <translation>%1: 평균 %2 ms, SD %3 ms, 최악 %4 ms (%6회 중 %5회 측정)</translation>
    </message>
    <message>
        <source>%1: refused: %2</source>
        <translation>%1: 거부됨: %2</translation>
    </message>
    <message>
        <source>&amp;Finish</source>
        <translation>마침(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Next part</source>
        <translation>다음 부분(&amp;N)</translation>
    </message>
    <message>
        <source>

Press %1 (Return) to go on.</source>
        <translation>

계속하려면 %1(Return)을 누르십시오.</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>마침</translation>
    </message>
    <message>
        <source>Next part</source>
        <translation>다음 부분</translation>
    </message>
    <message>
        <source>Saved to %1.
For every user of this machine, copy it to /etc/xdg/Brevane/machine-check.txt (as root). Esc ends the check.</source>
        <translation>%1에 저장했습니다.
이 컴퓨터의 모든 사용자를 위해서는 (root로) /etc/xdg/Brevane/machine-check.txt에 복사하십시오. Esc를 누르면 점검을 끝냅니다.</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <translation>%1을(를) 저장할 수 없습니다: %2</translation>
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
        <translation>시간</translation>
    </message>
    <message>
        <source>Set %1</source>
        <translation>세트 %1</translation>
    </message>
</context>
<context>
    <name>brevane::TimingCheckWindow</name>
    <message>
        <source>Brevane Timing Check</source>
        <translation>Brevane 타이밍 점검</translation>
    </message>
    <message>
        <source>Flashing patch</source>
        <translation>깜박이는 패치</translation>
    </message>
    <message>
        <source>Timing readout</source>
        <translation>타이밍 표시</translation>
    </message>
    <message>
        <source>Frames: measuring...</source>
        <translation>프레임: 측정 중...</translation>
    </message>
    <message>
        <source>Frames stamped at %L1 Hz (one every %L2 ms)
Frame time jitter: SD %L3 ms, worst %L4 ms, %5 late of the last %6</source>
        <translation>프레임 타임스탬프: %L1 Hz (%L2 ms마다 하나)
프레임 시간 지터: SD %L3 ms, 최악 %L4 ms, 최근 %6개 중 %5개 지연</translation>
    </message>
    <message>
        <source>
Times may be one frame long: see the guide</source>
        <translation>
시간이 한 프레임 길어질 수 있습니다: 안내서를 참조하십시오</translation>
    </message>
    <message>
        <source>Timing check: Esc or a click ends it
Refresh reported by the screen: %L1 Hz; the monitor&apos;s mode: %2
%3
Stamp sources: display %4, input %5, sound %6
Compositor: %7; stimulus stamps: %8%9
The patch turns every %10 frames (frame %11)
%12</source>
        <translation>타이밍 점검: Esc 또는 클릭으로 끝냄
화면이 보고한 재생 빈도: %L1 Hz; 모니터의 모드: %2
%3
타임스탬프 출처: 표시 %4, 입력 %5, 소리 %6
컴포지터: %7; 자극 타임스탬프: %8%9
패치는 %10프레임마다 바뀝니다(프레임 %11)
%12</translation>
    </message>
</context>
<context>
    <name>brevane::frmAbout</name>
    <message>
        <source>Release %1</source>
        <translation>릴리스 %1</translation>
    </message>
    <message>
        <source>Configuration: %1</source>
        <translation>설정: %1</translation>
    </message>
</context>
<context>
    <name>brevane::frmColorSelect</name>
    <message>
        <source>Black</source>
        <translation>검정</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>파랑</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>초록</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>청록</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>빨강</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>자홍</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>노랑</translation>
    </message>
    <message>
        <source>White</source>
        <translation>흰색</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>회색</translation>
    </message>
    <message>
        <source>Light Blue</source>
        <translation>밝은 파랑</translation>
    </message>
    <message>
        <source>Light Green</source>
        <translation>밝은 초록</translation>
    </message>
    <message>
        <source>Light Cyan</source>
        <translation>밝은 청록</translation>
    </message>
    <message>
        <source>Light Red</source>
        <translation>밝은 빨강</translation>
    </message>
    <message>
        <source>Light Magenta</source>
        <translation>밝은 자홍</translation>
    </message>
    <message>
        <source>Light Yellow</source>
        <translation>밝은 노랑</translation>
    </message>
    <message>
        <source>Bright White</source>
        <translation>밝은 흰색</translation>
    </message>
</context>
<context>
    <name>brevane::frmMain</name>
    <message>
        <source>Version %1</source>
        <translation>버전 %1</translation>
    </message>
</context>
<context>
    <name>brevane::summary::ClassChartWindow</name>
    <message>
        <source>Class reaction times</source>
        <translation>반 전체의 반응 시간</translation>
    </message>
    <message>
        <source>Handed in</source>
        <translation>제출됨</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About Brevane</source>
        <translation>Brevane 정보</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>로고</translation>
    </message>
    <message>
        <source>Simple vs Complex Stimulus Reaction Timing</source>
        <translation>단순 자극과 복합 자극의 반응 시간 측정</translation>
    </message>
    <message>
        <source>Orv Brevane 2</source>
        <translation>Orv Brevane 2</translation>
    </message>
    <message>
        <source>For Linux with X11 and Wayland</source>
        <translation>X11과 Wayland를 쓰는 Linux용</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>타이머</translation>
    </message>
    <message>
        <source>Reaction timing for student laboratory courses</source>
        <translation>학생 실험 수업을 위한 반응 시간 측정</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>소리</translation>
    </message>
    <message>
        <source>Your files are kept in:</source>
        <translation>파일 저장 위치:</translation>
    </message>
    <message>
        <source>Language: English</source>
        <comment>The language this translation is: translators name their own language, in it</comment>
        <translation>언어: 한국어</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
</context>
<context>
    <name>frmCfg</name>
    <message>
        <source>Brevane Settings</source>
        <translation>Brevane 설정</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>단순</translation>
    </message>
    <message>
        <source>Simple Single Choice Settings</source>
        <translation>단순 반응 설정</translation>
    </message>
    <message>
        <source>Runs Per Set</source>
        <translation>세트당 시행 수</translation>
    </message>
    <message>
        <source>Trigger On</source>
        <translation>자극 종류</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>소리</translation>
    </message>
    <message>
        <source>Visual</source>
        <translation>빛</translation>
    </message>
    <message>
        <source>Trigger Color</source>
        <translation>자극 색</translation>
    </message>
    <message>
        <source>Color of the visual stimulus: click to choose another</source>
        <translation>시각 자극의 색: 클릭하여 다른 색 선택</translation>
    </message>
    <message>
        <source>Interval Timing</source>
        <translation>간격</translation>
    </message>
    <message>
        <source>Random Interval</source>
        <translation>무작위 간격</translation>
    </message>
    <message>
        <source>Fixed Interval</source>
        <translation>고정 간격</translation>
    </message>
    <message>
        <source>Fixed Time Interval</source>
        <translation>고정 시간 간격</translation>
    </message>
    <message>
        <source>Minimum Time Interval</source>
        <translation>최소 시간 간격</translation>
    </message>
    <message>
        <source>Color/Audio</source>
        <translation>색/소리</translation>
    </message>
    <message>
        <source>Complex Choice Color/Audio Settings</source>
        <translation>선택 반응 색/소리 설정</translation>
    </message>
    <message>
        <source>Display Time</source>
        <translation>표시 시간</translation>
    </message>
    <message>
        <source>Color and Audio</source>
        <translation>색과 소리</translation>
    </message>
    <message>
        <source>Color no Audio</source>
        <translation>색만</translation>
    </message>
    <message>
        <source>Make Sound</source>
        <translation>소리 내기</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>예</translation>
    </message>
    <message>
        <source>No</source>
        <translation>아니요</translation>
    </message>
    <message>
        <source>Elements</source>
        <translation>요소</translation>
    </message>
    <message>
        <source>Elements in Set</source>
        <translation>세트의 요소 수</translation>
    </message>
    <message>
        <source>Trigger Element</source>
        <translation>목표 요소</translation>
    </message>
    <message>
        <source>Trigger Element Color</source>
        <translation>목표 요소의 색</translation>
    </message>
    <message>
        <source>Color of the trigger element: click to choose another</source>
        <translation>목표 요소의 색: 클릭하여 다른 색 선택</translation>
    </message>
    <message>
        <source>Element</source>
        <translation>요소</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>색</translation>
    </message>
    <message>
        <source>Choose the color of this element</source>
        <translation>이 요소의 색 선택</translation>
    </message>
    <message>
        <source>Element Colors</source>
        <translation>요소 색</translation>
    </message>
    <message>
        <source>Element 1 Color</source>
        <translation>요소 1 색</translation>
    </message>
    <message>
        <source>Color of element 1: click to choose another (grey: not in use)</source>
        <translation>요소 1의 색: 클릭하여 다른 색 선택(회색: 사용 안 함)</translation>
    </message>
    <message>
        <source>Element 2 Color</source>
        <translation>요소 2 색</translation>
    </message>
    <message>
        <source>Color of element 2: click to choose another (grey: not in use)</source>
        <translation>요소 2의 색: 클릭하여 다른 색 선택(회색: 사용 안 함)</translation>
    </message>
    <message>
        <source>Element 3 Color</source>
        <translation>요소 3 색</translation>
    </message>
    <message>
        <source>Color of element 3: click to choose another (grey: not in use)</source>
        <translation>요소 3의 색: 클릭하여 다른 색 선택(회색: 사용 안 함)</translation>
    </message>
    <message>
        <source>Element 4 Color</source>
        <translation>요소 4 색</translation>
    </message>
    <message>
        <source>Color of element 4: click to choose another (grey: not in use)</source>
        <translation>요소 4의 색: 클릭하여 다른 색 선택(회색: 사용 안 함)</translation>
    </message>
    <message>
        <source>Element 5 Color</source>
        <translation>요소 5 색</translation>
    </message>
    <message>
        <source>Color of element 5: click to choose another (grey: not in use)</source>
        <translation>요소 5의 색: 클릭하여 다른 색 선택(회색: 사용 안 함)</translation>
    </message>
    <message>
        <source>Element 6 Color</source>
        <translation>요소 6 색</translation>
    </message>
    <message>
        <source>Color of element 6: click to choose another (grey: not in use)</source>
        <translation>요소 6의 색: 클릭하여 다른 색 선택(회색: 사용 안 함)</translation>
    </message>
    <message>
        <source>Element 7 Color</source>
        <translation>요소 7 색</translation>
    </message>
    <message>
        <source>Color of element 7: click to choose another (grey: not in use)</source>
        <translation>요소 7의 색: 클릭하여 다른 색 선택(회색: 사용 안 함)</translation>
    </message>
    <message>
        <source>Element 8 Color</source>
        <translation>요소 8 색</translation>
    </message>
    <message>
        <source>Color of element 8: click to choose another (grey: not in use)</source>
        <translation>요소 8의 색: 클릭하여 다른 색 선택(회색: 사용 안 함)</translation>
    </message>
    <message>
        <source>Element 9 Color</source>
        <translation>요소 9 색</translation>
    </message>
    <message>
        <source>Color of element 9: click to choose another (grey: not in use)</source>
        <translation>요소 9의 색: 클릭하여 다른 색 선택(회색: 사용 안 함)</translation>
    </message>
    <message>
        <source>Element 10 Color</source>
        <translation>요소 10 색</translation>
    </message>
    <message>
        <source>Color of element 10: click to choose another (grey: not in use)</source>
        <translation>요소 10의 색: 클릭하여 다른 색 선택(회색: 사용 안 함)</translation>
    </message>
    <message>
        <source>Num/Audio</source>
        <translation>숫자/소리</translation>
    </message>
    <message>
        <source>Complex Choice Numbers/Audio Settings</source>
        <translation>선택 반응 숫자/소리 설정</translation>
    </message>
    <message>
        <source>Number and Audio</source>
        <translation>숫자와 소리</translation>
    </message>
    <message>
        <source>Number no Audio</source>
        <translation>숫자만</translation>
    </message>
    <message>
        <source>Trigger Number</source>
        <translation>목표 숫자</translation>
    </message>
    <message>
        <source>The number of the trigger element</source>
        <translation>목표 요소의 숫자</translation>
    </message>
    <message>
        <source>Element Number</source>
        <translation>요소 숫자</translation>
    </message>
    <message>
        <source>The number of this element (0 to 99)</source>
        <translation>이 요소의 숫자(0~99)</translation>
    </message>
    <message>
        <source>Element Numbers</source>
        <translation>요소 숫자</translation>
    </message>
    <message>
        <source>Element 1 Number</source>
        <translation>요소 1 숫자</translation>
    </message>
    <message>
        <source>Element 2 Number</source>
        <translation>요소 2 숫자</translation>
    </message>
    <message>
        <source>Element 3 Number</source>
        <translation>요소 3 숫자</translation>
    </message>
    <message>
        <source>Element 4 Number</source>
        <translation>요소 4 숫자</translation>
    </message>
    <message>
        <source>Element 5 Number</source>
        <translation>요소 5 숫자</translation>
    </message>
    <message>
        <source>Element 6 Number</source>
        <translation>요소 6 숫자</translation>
    </message>
    <message>
        <source>Element 7 Number</source>
        <translation>요소 7 숫자</translation>
    </message>
    <message>
        <source>Element 8 Number</source>
        <translation>요소 8 숫자</translation>
    </message>
    <message>
        <source>Element 9 Number</source>
        <translation>요소 9 숫자</translation>
    </message>
    <message>
        <source>Element 10 Number</source>
        <translation>요소 10 숫자</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>음량</translation>
    </message>
    <message>
        <source>Master volume of the speakers</source>
        <translation>스피커의 주 음량</translation>
    </message>
    <message>
        <source>Volume Setting</source>
        <translation>음량 설정</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>확인(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>취소(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>초기화(&amp;R)</translation>
    </message>
    <message>
        <source>Back to the configuration loaded at start-up</source>
        <translation>시작할 때 불러온 설정으로 되돌립니다</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>불러오기(&amp;L)</translation>
    </message>
    <message>
        <source>Load a configuration file</source>
        <translation>설정 파일을 불러옵니다</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>저장(&amp;S)</translation>
    </message>
    <message>
        <source>Save the configuration to a file</source>
        <translation>설정을 파일로 저장합니다</translation>
    </message>
</context>
<context>
    <name>frmChoiceReflexDisplay</name>
    <message>
        <source>Complex Choice Color/Audio Stimulus Module Data Display</source>
        <translation>선택 반응 색/소리 자극 모듈 결과 표시</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>로고</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>버전</translation>
    </message>
    <message>
        <source>Set 1</source>
        <translation>세트 1</translation>
    </message>
    <message>
        <source>Run Data</source>
        <translation>시행 데이터</translation>
    </message>
    <message>
        <source>Run 1</source>
        <translation>시행 1</translation>
    </message>
    <message>
        <source>Run 2</source>
        <translation>시행 2</translation>
    </message>
    <message>
        <source>Run 3</source>
        <translation>시행 3</translation>
    </message>
    <message>
        <source>Run 4</source>
        <translation>시행 4</translation>
    </message>
    <message>
        <source>Run 5</source>
        <translation>시행 5</translation>
    </message>
    <message>
        <source>Run 6</source>
        <translation>시행 6</translation>
    </message>
    <message>
        <source>Run 7</source>
        <translation>시행 7</translation>
    </message>
    <message>
        <source>Run 8</source>
        <translation>시행 8</translation>
    </message>
    <message>
        <source>Run 9</source>
        <translation>시행 9</translation>
    </message>
    <message>
        <source>Run 10</source>
        <translation>시행 10</translation>
    </message>
    <message>
        <source>Run Statistics</source>
        <translation>시행 통계</translation>
    </message>
    <message>
        <source>Fast Time</source>
        <translation>최단</translation>
    </message>
    <message>
        <source>Slow Time</source>
        <translation>최장</translation>
    </message>
    <message>
        <source>Average Time</source>
        <translation>평균 시간</translation>
    </message>
    <message>
        <source>Outcomes</source>
        <translation>반응 결과</translation>
    </message>
    <message>
        <source>Correct Hits</source>
        <translation>적중</translation>
    </message>
    <message>
        <source>Correct Misses</source>
        <translation>정기각</translation>
    </message>
    <message>
        <source>InCorrect Hits</source>
        <translation>오반응</translation>
    </message>
    <message>
        <source>Missed Hits</source>
        <translation>누락</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>메모</translation>
    </message>
    <message>
        <source>Set 2</source>
        <translation>세트 2</translation>
    </message>
    <message>
        <source>Set 3</source>
        <translation>세트 3</translation>
    </message>
    <message>
        <source>Set 4</source>
        <translation>세트 4</translation>
    </message>
    <message>
        <source>Set 5</source>
        <translation>세트 5</translation>
    </message>
    <message>
        <source>Set 6</source>
        <translation>세트 6</translation>
    </message>
    <message>
        <source>Set 7</source>
        <translation>세트 7</translation>
    </message>
    <message>
        <source>Set 8</source>
        <translation>세트 8</translation>
    </message>
    <message>
        <source>Set 9</source>
        <translation>세트 9</translation>
    </message>
    <message>
        <source>Set 10</source>
        <translation>세트 10</translation>
    </message>
    <message>
        <source>Fastest Times</source>
        <translation>최단 시간</translation>
    </message>
    <message>
        <source>Set Data For Fastest Times</source>
        <translation>세트별 최단 시간</translation>
    </message>
    <message>
        <source>Slowest Times</source>
        <translation>최장 시간</translation>
    </message>
    <message>
        <source>Set Data For Slowest Times</source>
        <translation>세트별 최장 시간</translation>
    </message>
    <message>
        <source>Average Times</source>
        <translation>평균 시간</translation>
    </message>
    <message>
        <source>Set Data For Average Times</source>
        <translation>세트별 평균 시간</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>인쇄</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>불러오기</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>내보내기</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>모두 지우기</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>완료</translation>
    </message>
</context>
<context>
    <name>frmColorReflex</name>
    <message>
        <source>Complex Choice Color/Audio Stimulus Module</source>
        <translation>선택 반응 색/소리 자극 모듈</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>로고</translation>
    </message>
    <message>
        <source>Complex Choice Color/Audio Stimulus</source>
        <translation>선택 반응 색/소리 자극</translation>
    </message>
    <message>
        <source>Trigger On</source>
        <translation>자극 종류</translation>
    </message>
    <message>
        <source>Trigger Element</source>
        <translation>목표 요소</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>소리</translation>
    </message>
    <message>
        <source>Press Here</source>
        <translation>여기 누르기</translation>
    </message>
    <message>
        <source>Element Display</source>
        <translation>요소 표시</translation>
    </message>
    <message>
        <source>Set Indicator</source>
        <translation>세트</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>시간</translation>
    </message>
    <message>
        <source>Previous Time</source>
        <translation>이전 시간</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>차이</translation>
    </message>
    <message>
        <source>Average Time</source>
        <translation>평균 시간</translation>
    </message>
    <message>
        <source>Run Count</source>
        <translation>시행 수</translation>
    </message>
    <message>
        <source>Correct Hits</source>
        <translation>적중</translation>
    </message>
    <message>
        <source>Incorrect Hits</source>
        <translation>오반응</translation>
    </message>
    <message>
        <source>Correct Misses</source>
        <translation>정기각</translation>
    </message>
    <message>
        <source>Missed Hits</source>
        <translation>누락</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>설명</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>시작</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>정지</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>옵션</translation>
    </message>
    <message>
        <source>Clear Set</source>
        <translation>세트 지우기</translation>
    </message>
    <message>
        <source>Next Set</source>
        <translation>다음 세트</translation>
    </message>
    <message>
        <source>Prev Set</source>
        <translation>이전 세트</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>결과 표시</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>완료</translation>
    </message>
</context>
<context>
    <name>frmColorSelect</name>
    <message>
        <source>Color Selection</source>
        <translation>색 선택</translation>
    </message>
    <message>
        <source>Current Color:</source>
        <translation>현재 색:</translation>
    </message>
    <message>
        <source>Current Color</source>
        <translation>현재 색</translation>
    </message>
    <message>
        <source>Color Selected:</source>
        <translation>선택한 색:</translation>
    </message>
    <message>
        <source>Color Selected</source>
        <translation>선택한 색</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>선택(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>취소(&amp;C)</translation>
    </message>
</context>
<context>
    <name>frmDisplay</name>
    <message>
        <source>Simple Choice Stimulus Module Data Display</source>
        <translation>단순 반응 자극 모듈 결과 표시</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>로고</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>버전</translation>
    </message>
    <message>
        <source>Set 1</source>
        <translation>세트 1</translation>
    </message>
    <message>
        <source>Run Data</source>
        <translation>시행 데이터</translation>
    </message>
    <message>
        <source>Run 1</source>
        <translation>시행 1</translation>
    </message>
    <message>
        <source>Run 2</source>
        <translation>시행 2</translation>
    </message>
    <message>
        <source>Run 3</source>
        <translation>시행 3</translation>
    </message>
    <message>
        <source>Run 4</source>
        <translation>시행 4</translation>
    </message>
    <message>
        <source>Run 5</source>
        <translation>시행 5</translation>
    </message>
    <message>
        <source>Run 6</source>
        <translation>시행 6</translation>
    </message>
    <message>
        <source>Run 7</source>
        <translation>시행 7</translation>
    </message>
    <message>
        <source>Run 8</source>
        <translation>시행 8</translation>
    </message>
    <message>
        <source>Run 9</source>
        <translation>시행 9</translation>
    </message>
    <message>
        <source>Run 10</source>
        <translation>시행 10</translation>
    </message>
    <message>
        <source>Run Statistics</source>
        <translation>시행 통계</translation>
    </message>
    <message>
        <source>Fast Time</source>
        <translation>최단</translation>
    </message>
    <message>
        <source>Slow Time</source>
        <translation>최장</translation>
    </message>
    <message>
        <source>Average Time</source>
        <translation>평균 시간</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>메모</translation>
    </message>
    <message>
        <source>Set 2</source>
        <translation>세트 2</translation>
    </message>
    <message>
        <source>Set 3</source>
        <translation>세트 3</translation>
    </message>
    <message>
        <source>Set 4</source>
        <translation>세트 4</translation>
    </message>
    <message>
        <source>Set 5</source>
        <translation>세트 5</translation>
    </message>
    <message>
        <source>Set 6</source>
        <translation>세트 6</translation>
    </message>
    <message>
        <source>Set 7</source>
        <translation>세트 7</translation>
    </message>
    <message>
        <source>Set 8</source>
        <translation>세트 8</translation>
    </message>
    <message>
        <source>Set 9</source>
        <translation>세트 9</translation>
    </message>
    <message>
        <source>Set 10</source>
        <translation>세트 10</translation>
    </message>
    <message>
        <source>Fastest Times</source>
        <translation>최단 시간</translation>
    </message>
    <message>
        <source>Set Data For Fastest Times</source>
        <translation>세트별 최단 시간</translation>
    </message>
    <message>
        <source>Slowest Times</source>
        <translation>최장 시간</translation>
    </message>
    <message>
        <source>Set Data For Slowest Times</source>
        <translation>세트별 최장 시간</translation>
    </message>
    <message>
        <source>Average Times</source>
        <translation>평균 시간</translation>
    </message>
    <message>
        <source>Set Data For Average Times</source>
        <translation>세트별 평균 시간</translation>
    </message>
    <message>
        <source>All Data</source>
        <translation>모든 데이터</translation>
    </message>
    <message>
        <source>Data Only Displayed On The Graph</source>
        <translation>데이터는 그래프에만 표시됩니다</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>인쇄</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>불러오기</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>내보내기</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>모두 지우기</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>완료</translation>
    </message>
</context>
<context>
    <name>frmLoadDisplay</name>
    <message>
        <source>Loading</source>
        <translation>불러오는 중</translation>
    </message>
    <message>
        <source>Loading Display Please Wait...</source>
        <translation>결과 표시를 불러오는 중입니다. 잠시 기다리십시오...</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Simple vs Complex Stimulus Reaction Timing</source>
        <translation>단순 자극과 복합 자극의 반응 시간 측정</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>단순</translation>
    </message>
    <message>
        <source>Simple Single Stimulus Module</source>
        <translation>단일 자극 단순 반응 모듈</translation>
    </message>
    <message>
        <source>Color/Audio</source>
        <translation>색/소리</translation>
    </message>
    <message>
        <source>Complex Color/Audio Stimulus Module</source>
        <translation>복합 색/소리 자극 모듈</translation>
    </message>
    <message>
        <source>Num/Audio</source>
        <translation>숫자/소리</translation>
    </message>
    <message>
        <source>Complex Number/Audio Stimulus Module</source>
        <translation>복합 숫자/소리 자극 모듈</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>옵션</translation>
    </message>
    <message>
        <source>Edit Brev Settings</source>
        <translation>Brevane 설정 편집</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>데이터 지우기</translation>
    </message>
    <message>
        <source>Clear All Data Sets</source>
        <translation>모든 데이터 세트 지우기</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>복구</translation>
    </message>
    <message>
        <source>Recover Data after a system crash</source>
        <translation>시스템 장애 후 데이터 복구</translation>
    </message>
    <message>
        <source>About</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>Display About box</source>
        <translation>정보 상자 표시</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>끝내기</translation>
    </message>
    <message>
        <source>Quit Brev</source>
        <translation>Brevane 끝내기</translation>
    </message>
    <message>
        <source>Are you sure you want to DELETE ALL DATA ?</source>
        <translation>모든 데이터를 정말 삭제하시겠습니까?</translation>
    </message>
    <message>
        <source>Delete All Data</source>
        <translation>모든 데이터 삭제</translation>
    </message>
    <message>
        <source>Are you sure you want to exit?</source>
        <translation>정말 끝내시겠습니까?</translation>
    </message>
    <message>
        <source>Data NOT saved!<byte value="xd"/></source>
        <translation>데이터가 저장되지 않았습니다!<byte value="xd"/></translation>
    </message>
    <message>
        <source>Exit Orv Brevane 2</source>
        <translation>Orv Brevane 2 끝내기</translation>
    </message>
</context>
<context>
    <name>frmNumberReflex</name>
    <message>
        <source>Complex Choice Number/Audio Stimulus Module</source>
        <translation>선택 반응 숫자/소리 자극 모듈</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>로고</translation>
    </message>
    <message>
        <source>Complex Choice Number/Audio Stimulus</source>
        <translation>선택 반응 숫자/소리 자극</translation>
    </message>
    <message>
        <source>Trigger On</source>
        <translation>자극 종류</translation>
    </message>
    <message>
        <source>Trigger Element</source>
        <translation>목표 요소</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>소리</translation>
    </message>
    <message>
        <source>Press Here</source>
        <translation>여기 누르기</translation>
    </message>
    <message>
        <source>Element Display</source>
        <translation>요소 표시</translation>
    </message>
    <message>
        <source>Set Indicator</source>
        <translation>세트</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>시간</translation>
    </message>
    <message>
        <source>Previous Time</source>
        <translation>이전 시간</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>차이</translation>
    </message>
    <message>
        <source>Average Time</source>
        <translation>평균 시간</translation>
    </message>
    <message>
        <source>Run Count</source>
        <translation>시행 수</translation>
    </message>
    <message>
        <source>Correct Hits</source>
        <translation>적중</translation>
    </message>
    <message>
        <source>Incorrect Hits</source>
        <translation>오반응</translation>
    </message>
    <message>
        <source>Correct Misses</source>
        <translation>정기각</translation>
    </message>
    <message>
        <source>Missed Hits</source>
        <translation>누락</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>설명</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>시작</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>정지</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>옵션</translation>
    </message>
    <message>
        <source>Clear Set</source>
        <translation>세트 지우기</translation>
    </message>
    <message>
        <source>Next Set</source>
        <translation>다음 세트</translation>
    </message>
    <message>
        <source>Prev Set</source>
        <translation>이전 세트</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>결과 표시</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>완료</translation>
    </message>
</context>
<context>
    <name>frmPrint</name>
    <message>
        <source>Print Data</source>
        <translation>데이터 인쇄</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>제목:</translation>
    </message>
    <message>
        <source>Select Sets To Print</source>
        <translation>인쇄할 세트 선택</translation>
    </message>
    <message>
        <source>Set 1</source>
        <translation>세트 1</translation>
    </message>
    <message>
        <source>Set 2</source>
        <translation>세트 2</translation>
    </message>
    <message>
        <source>Set 3</source>
        <translation>세트 3</translation>
    </message>
    <message>
        <source>Set 4</source>
        <translation>세트 4</translation>
    </message>
    <message>
        <source>Set 5</source>
        <translation>세트 5</translation>
    </message>
    <message>
        <source>Set 6</source>
        <translation>세트 6</translation>
    </message>
    <message>
        <source>Set 7</source>
        <translation>세트 7</translation>
    </message>
    <message>
        <source>Set 8</source>
        <translation>세트 8</translation>
    </message>
    <message>
        <source>Set 9</source>
        <translation>세트 9</translation>
    </message>
    <message>
        <source>Set 10</source>
        <translation>세트 10</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>모두 선택</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>UnSelectAll</source>
        <translation>모두 해제</translation>
    </message>
    <message>
        <source>SelectAll</source>
        <translation>모두 선택</translation>
    </message>
    <message>
        <source>You must select atleast ONE set to Print</source>
        <translation>인쇄할 세트를 하나 이상 선택해야 합니다</translation>
    </message>
    <message>
        <source>Printing Error</source>
        <translation>인쇄 오류</translation>
    </message>
</context>
<context>
    <name>frmReflex</name>
    <message>
        <source>Simple Choice Stimulus Module</source>
        <translation>단순 반응 자극 모듈</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>로고</translation>
    </message>
    <message>
        <source>Simple Choice Stimulus</source>
        <translation>단순 반응 자극</translation>
    </message>
    <message>
        <source>           Visual Trigger</source>
        <translation>            빛 자극</translation>
    </message>
    <message>
        <source>Press Here</source>
        <translation>여기 누르기</translation>
    </message>
    <message>
        <source>Stimulus</source>
        <translation>자극</translation>
    </message>
    <message>
        <source>Speaker</source>
        <translation>스피커</translation>
    </message>
    <message>
        <source>Set Indicator</source>
        <translation>세트</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>세트</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>설명</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>시간</translation>
    </message>
    <message>
        <source>Previous Time</source>
        <translation>이전 시간</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>차이</translation>
    </message>
    <message>
        <source>Average Time</source>
        <translation>평균 시간</translation>
    </message>
    <message>
        <source>Run Count</source>
        <translation>시행 수</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>시작</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>정지</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>옵션</translation>
    </message>
    <message>
        <source>Clear Set</source>
        <translation>세트 지우기</translation>
    </message>
    <message>
        <source>Next Set</source>
        <translation>다음 세트</translation>
    </message>
    <message>
        <source>Prev Set</source>
        <translation>이전 세트</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>결과 표시</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>완료</translation>
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
        <translation>단순 자극과 복합 자극의 반응 시간 측정</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>상태</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>진행</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>there is no translation for &quot;%1&quot;; the program is shown in English</source>
        <translation>&quot;%1&quot;에 대한 번역이 없습니다. 프로그램을 영어로 표시합니다</translation>
    </message>
</context>
<context>
    <name>summary</name>
    <message>
        <source>The class summary of reaction-time files (recover.dat, .nrm and .col files, or folders of them):
sets.csv, students.csv, class.csv, class-notes.txt, class-chart.pdf and class-chart.png.</source>
        <translation>반응 시간 파일(recover.dat, .nrm 및 .col 파일 또는 그 폴더)의 반 전체 요약:
sets.csv, students.csv, class.csv, class-notes.txt, class-chart.pdf, class-chart.png.</translation>
    </message>
    <message>
        <source>Write into &lt;folder&gt; (default: the current folder).</source>
        <translation>&lt;폴더&gt;에 작성합니다(기본값: 현재 폴더).</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>폴더</translation>
    </message>
    <message>
        <source>The .col files are the colour test&apos;s.</source>
        <translation>.col 파일은 색 테스트의 것입니다.</translation>
    </message>
    <message>
        <source>The .col files are the number test&apos;s.</source>
        <translation>.col 파일은 숫자 테스트의 것입니다.</translation>
    </message>
    <message>
        <source>Name each student after their folder or their files&apos; names.</source>
        <translation>각 학생의 이름을 폴더 이름이나 파일 이름에서 따옵니다.</translation>
    </message>
    <message>
        <source>Start each CSV file with a UTF-8 mark.</source>
        <translation>각 CSV 파일을 UTF-8 표시로 시작합니다.</translation>
    </message>
    <message>
        <source>Write again whenever a file changes, until stopped.</source>
        <translation>멈출 때까지 파일이 바뀔 때마다 다시 작성합니다.</translation>
    </message>
    <message>
        <source>As --watch, with the chart in a window.</source>
        <translation>--watch와 같지만 그래프를 창에 표시합니다.</translation>
    </message>
    <message>
        <source>Data files and folders.</source>
        <translation>데이터 파일과 폴더.</translation>
    </message>
    <message>
        <source>path...</source>
        <translation>경로...</translation>
    </message>
    <message>
        <source>--colour and --number exclude each other: summarise each test&apos;s .col files apart</source>
        <translation>--colour와 --number는 함께 쓸 수 없습니다: 테스트마다 .col 파일을 따로 요약하십시오</translation>
    </message>
    <message>
        <source>--student-from takes folder or name, not %1</source>
        <translation>--student-from에는 folder 또는 name을 지정해야 합니다(%1은(는) 안 됨)</translation>
    </message>
    <message>
        <source>no file could be read; nothing written</source>
        <translation>읽을 수 있는 파일이 없습니다. 아무것도 작성하지 않았습니다</translation>
    </message>
    <message>
        <source>Count a folder&apos;s files as its owners handed them in (yes), or by their names (no); by default the owners decide in a hand-in folder, one that others may enter but not list.</source>
        <translation>폴더의 파일을 소유자가 제출한 것으로 셉니다(yes) 또는 파일 이름으로 셉니다(no). 기본적으로 제출 폴더(다른 사람이 들어갈 수는 있지만 목록은 볼 수 없는 폴더)에서는 소유자가 결정합니다.</translation>
    </message>
    <message>
        <source>Say whether the hand-in folder &lt;folder&gt; is set up as one of the guide&apos;s recipes, and what is wrong; nothing is summarised.</source>
        <translation>제출 폴더 &lt;폴더&gt;가 안내서의 방법 중 하나대로 설정되어 있는지, 무엇이 잘못되었는지 알려 줍니다. 요약은 하지 않습니다.</translation>
    </message>
    <message>
        <source>--owners takes yes or no, not %1</source>
        <translation>--owners에는 yes 또는 no를 지정해야 합니다(%1은(는) 안 됨)</translation>
    </message>
</context>
</TS>
