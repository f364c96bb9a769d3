#pragma once
// Fakes of every platform service: a test sets the clock, fires timers, answers message
// boxes and dialogs, and reads back everything the code under test asked for.

#include "fakes/Rows.h"
#include "platform/Platform.h"
#include "platform/audio/Mixer.h"
#include "platform/input/PressStampMatcher.h"
#include "platform/print/Printer.h"
#include "shared/AppState.h"
#include "shared/Shell.h"

#include <QBuffer>
#include <QStringList>
#include <QTest>
#include <algorithm>
#include <deque>
#include <functional>
#include <initializer_list>
#include <vector>

namespace brevane {
char* toString(const Message& message); // messages that differ in a QCOMPARE show what they hold
} // namespace brevane

namespace brevane::fakes {

// The bytes of tests/fixtures/<name>; fails the test when the file cannot be read.
QByteArray fixture(const char* name);
// A file's bytes, or "<none>" when it cannot be read; a write that fails fails the test.
QByteArray readFile(const QString& path);
void writeFile(const QString& path, const QByteArray& bytes);
// The bytes `write` puts on a device.
template <typename Write> QByteArray written(Write write)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    write(buffer);
    return buffer.data();
}
// Runs `work` with files limited to 100 bytes, as on a full disk (for root as well).
void withDiskFull(const std::function<void()>& work);
// A device with room for `room` bytes, as a disk that fills during a save: a write that does not
// fit takes what fits, and the next one fails.
struct FullDevice final : QIODevice {
    explicit FullDevice(qint64 room)
        : room(room)
    {
        open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    }
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override
    {
        const qint64 took = std::min(size, room - bytes.size());
        if (took <= 0)
            return setErrorString(QStringLiteral("No space left on device")), -1;
        bytes.append(data, took);
        return took;
    }
    qint64 room;
    QByteArray bytes;
};

// The next queued answer, or `fallback` when none is left (failing the test if `whenMissing` says why).
template <typename T> T takeAnswer(std::deque<T>& queue, T fallback, const QString& whenMissing = {})
{
    if (queue.empty() && !whenMissing.isEmpty())
        QTest::qFail(qPrintable(whenMissing), __FILE__, __LINE__);
    if (queue.empty())
        return fallback;
    T answer = std::move(queue.front());
    queue.pop_front();
    return answer;
}

struct FakeClock final : Clock {
    std::int64_t nowNs() const override { return now; }
    void waitUntil(std::int64_t deadlineNs) override { now = std::max(now, deadlineNs); }
    void advanceMs(double ms) { now += std::int64_t(ms * 1e6); }
    std::int64_t now = 1'000'000'000;
};

struct FakeTimer final : Timer {
    void setInterval(int ms) override { interval_ = ms; }
    int interval() const override { return interval_; }
    void setEnabled(bool on) override { enabled_ = on; }
    bool isEnabled() const override { return enabled_; }
    // Fires as the real timer would: only when enabled with a positive interval.
    bool fire() { return enabled_ && interval_ > 0 && onTimer && (onTimer(), true); }
    int interval_ = 0;
    bool enabled_ = false;
};

struct FakeTimerFactory final : TimerFactory {
    std::unique_ptr<Timer> createTimer() override
    {
        auto timer = std::make_unique<FakeTimer>();
        timers.push_back(timer.get());
        return timer;
    }
    std::vector<FakeTimer*> timers; // in creation order; owned by their users
};

// Answers Yes/No questions from a queue (OK boxes answer themselves); a question with no
// answer left fails the test and is answered with the default button.
struct FakePrompt final : Prompt {
    MsgAnswer ask(const Message& m) override
    {
        shown.append(m);
        if (m.buttons == MsgButtons::Ok)
            return MsgAnswer::Ok;
        return takeAnswer(answers, m.secondIsDefault ? MsgAnswer::No : MsgAnswer::Yes,
                          "unexpected message box: " + m.title + " / " + m.text);
    }
    QStringList titles() const
    {
        QStringList out;
        for (const Message& m : shown)
            out << m.title;
        return out;
    }
    std::deque<MsgAnswer> answers;
    QList<Message> shown;
};

// Both dialogs answer from one queue; nullopt, or no answer left, is Cancel.
struct FakeFileChooser final : FileChooser {
    std::optional<QString> openFile(const FileDialogRequest& r) override { return saveFile(r); }
    std::optional<QString> saveFile(const FileDialogRequest& r) override
    {
        requests.append(r);
        return takeAnswer(answers, std::optional<QString>());
    }
    std::deque<std::optional<QString>> answers;
    QList<FileDialogRequest> requests;
};

struct FakeBeeper final : Beeper {
    explicit FakeBeeper(const Clock* c = nullptr)
        : clock(c)
    {
    }
    void startTone(std::int64_t atNs) override
    {
        ++beeps, asked.append(atNs);
        startedAt.append(clock ? clock->nowNs() : 0);
    }
    std::int64_t toneLeadNs() const override { return lead; }
    ToneStamp startedTone() override { return tone ? tone() : ToneStamp{}; }
    void holdStream(bool on) override { holds += on ? 1 : -1; }
    bool hasDevice() const override { return device; }
    QString deviceName() const override { return QStringLiteral("default"); }
    ToneSource route() const override { return ToneSource::Graph; }
    int beeps = 0;
    int holds = 0;       // holds of the silence stream in force
    QList<qint64> asked; // the first sample's time each tone asked for (0: at once)
    QList<qint64> startedAt;
    const Clock* clock;
    std::int64_t lead = 0; // how far ahead a tone must be started
    bool device = true;
    std::function<ToneStamp()> tone; // the first sample's stamp; unknown unless a test says
};

// A frame shown without a display source: the toolkit paints it as usual, and its stamp is the
// clock's, as on a platform with no X server.
struct FakePresenter final : Presenter {
    Presentation present(QWidget*) override { return ++frames, Presentation{}; }
    std::string fallbackReason() const override { return {}; }
    int frames = 0;
};

// Every press stamped by its handler; counts the windows listening.
struct FakePressStamper final : PressStamper {
    void listen(bool on) override { listening += on ? 1 : -1; }
    PressStamp stamp(std::int64_t handlerNs, const QInputEvent&) const override { return {handlerNs}; }
    QString sourceName() const override { return QStringLiteral("toolkit event"); }
    int listening = 0;
};

// A volume control of the range the test gives; no range is a machine without a device.
struct FakeMixer final : Mixer {
    std::optional<VolumeRange> open() override { return ++opens, range; }
    bool setVolume(long value) override { return values.append(value), true; }
    void close() override { ++closes; }
    std::optional<VolumeRange> range = VolumeRange{0, 65535};
    QList<long> values;
    int opens = 0, closes = 0;
};

struct FakePointer final : Pointer {
    void moveTo(QPoint p) override { moves.append(p); }
    void setBusy(bool on) override { busy = on; }
    QList<QPoint> moves;
    bool busy = false;
};

// Raw presses the test hands over itself; with `available` false it cannot start (no XInput 2).
struct FakeRawPressSource final : RawPressSource {
    bool start(Sink s, std::string& why) override
    {
        return available ? (sink = std::move(s), true) : (why = "no XInput 2", false);
    }
    std::optional<bool> serverClockOnProgramClock() const override { return sameClock; }
    bool available = true;
    std::optional<bool> sameClock; // the start-up probe's answer; nothing: not asked
    Sink sink;
};

// Kernel presses the test hands over itself.
struct FakeKernelPressSource final : KernelPressSource {
    bool start(Sink s, std::string&) override { return sink = std::move(s), true; }
    Sink sink;
};

// Stands in for writing recover.dat: counts the writes and notes how many messages had been
// shown at the last one, so a test sees whether it came before or after a message.
struct FakeRecoveryWriter {
    std::function<void()> callback()
    {
        return [this] {
            ++writes;
            shownAtLastWrite = prompt.shown.size();
        };
    }
    const FakePrompt& prompt;
    int writes = 0;
    qsizetype shownAtLastWrite = -1;
};

// One text as it landed on the page, in which document (from 0) and in which font.
struct PrintedText {
    QString text;
    double x, y;
    bool lineEnded;
    int document;
    QString font;
    double size;
    bool bold;
};

// What reports print; a character is half an em wide (10 twips a point), a line one em high.
struct PrintRecord {
    QList<PrintedText> texts;
    int documents = 0;                     // documents ended
    QStringList lines(int document) const; // the pieces of a line joined with '|'
};

// A printer made with `failWith` set fails with that reason; one on a PDF writes "%PDF" to it.
// A new document starts at the top left, as on the real printers.
struct RecordingPrinter final : Printer {
    explicit RecordingPrinter(PrintRecord& r, QString failWith = {}, QIODevice* pdf = nullptr)
        : r_(r)
        , fail_(std::move(failWith))
        , pdf_(pdf)
    {
    }
    void setFontName(const QString& name) override { font_ = name; }
    void setFontSize(double points) override { size_ = points; }
    void setFontBold(bool bold) override { bold_ = bold; }
    void setCurrentX(double twips) override { x_ = twips; }
    void setCurrentY(double twips) override { y_ = twips; }
    double textWidth(const QString& text) override { return text.size() * size_ * 10; }
    void print(const QString& text, LineEnd end) override
    {
        const bool ended = end == LineEnd::End;
        r_.texts.append({text, x_, y_, ended, r_.documents, font_, size_, bold_});
        x_ = ended ? 0 : x_ + textWidth(text);
        y_ += ended ? size_ * 20 : 0;
    }
    void endDoc() override { ++r_.documents, x_ = y_ = 0; }
    bool finish() override { return (!pdf_ || pdf_->write("%PDF") == 4) && fail_.isEmpty(); }
    QString error() const override { return fail_; }
    PrintRecord& r_;
    QString fail_;
    QIODevice* pdf_;
    QString font_;
    double size_ = 10, x_ = 0, y_ = 0;
    bool bold_ = false;
};

// A printer or none; frmPrint answered with `answer` (nullopt is Cancel).
struct FakePrinting final : Printing {
    bool hasPrinter() const override { return printerPresent; }
    std::unique_ptr<Printer> openPrinter(const QString& name) override { return open(name, nullptr); }
    std::unique_ptr<Printer> openPdf(QIODevice& out) override { return open("pdf", &out); }
    bool selectSets(PrintChoice& choice) override
    {
        presets << choice;
        choice = answer.value_or(choice);
        return answer.has_value();
    }
    bool printerPresent = true;
    std::optional<PrintChoice> answer;
    QList<PrintChoice> presets;
    QStringList opened; // document names; "pdf" for a PDF
    QString failWith;
    PrintRecord record;
    std::unique_ptr<Printer> open(const QString& name, QIODevice* pdf)
    {
        opened << name;
        return std::make_unique<RecordingPrinter>(record, failWith, pdf);
    }
};

// Hands in nowhere (what reaches a hand-in folder is the hand-in tests' own).
struct FakeHandIn final : HandIn {
    void handIn(const QString&, const QByteArray&) override { }
    void finish() override { }
};

// All fakes together, with the Platform bundle that windows and engines take.
struct FakePlatform {
    FakeClock clock;
    FakeTimerFactory timers;
    FakePrompt prompt;
    FakeFileChooser files;
    FakeBeeper beeper{&clock};
    FakePresenter presenter;
    FakePressStamper presses;
    FakePointer pointer;
    MersenneRandom random;
    FakeMixer mixer;
    FakePrinting printing;
    FakeHandIn handIn;
    Platform platform{clock,
                      timers,
                      prompt,
                      files,
                      beeper,
                      presenter,
                      presses,
                      pointer,
                      random,
                      mixer,
                      printing,
                      handIn,
                      ProgramVersion{2, 0, 0}};
};

// Keeps no trace.
struct FakeSeriesRecorder final : SeriesRecorder {
    void seriesEnded() override { }
    void responseMeasured(std::int64_t, std::int64_t, const StampTrace&, StampSources) override { }
};

// The values the test queued, in order (a draw with none queued fails the test); counts reseeds.
struct ScriptedRandom final : RandomSource {
    double next() override { return takeAnswer(values, 0.0, "a random draw with no scripted value left"); }
    void reseedFromTimeOfDay() override { ++reseeds; }
    std::deque<double> values;
    int reseeds = 0;
};

} // namespace brevane::fakes
