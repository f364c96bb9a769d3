#pragma once
// Fakes of every platform service: a test sets the clock, fires timers, answers message
// boxes and dialogs, and reads back everything the code under test asked for.

#include "platform/Platform.h"
#include "platform/PressStamps.h"
#include "platform/Mixer.h"

#include <QList>
#include <algorithm>
#include <QStringList>
#include <deque>
#include <vector>

namespace reflex::fakes {

class FakeClock final : public Clock {
public:
    std::int64_t nowNs() const override { return now; }
    void waitUntil(std::int64_t deadlineNs) override { now = std::max(now, deadlineNs); }
    void advanceMs(double ms) { now += std::int64_t(ms * 1e6); }
    std::int64_t now = 1'000'000'000;
};

class FakeTimer final : public Timer {
public:
    void setInterval(int ms) override { interval_ = ms; }
    int interval() const override { return interval_; }
    void setEnabled(bool on) override { enabled_ = on; }
    bool isEnabled() const override { return enabled_; }
    // Fires as the real timer would: only when enabled with a positive interval.
    bool fire();

private:
    int interval_ = 0;
    bool enabled_ = false;
};

class FakeTimerFactory final : public TimerFactory {
public:
    std::unique_ptr<Timer> createTimer() override;
    std::vector<FakeTimer*> timers; // in creation order; owned by their users
};

// Answers Yes/No questions from a queue (OK boxes answer themselves); a question with no answer left fails the test and is
// answered with the default button.
class FakePrompt final : public Prompt {
public:
    MsgAnswer ask(const Message& message) override;
    std::deque<MsgAnswer> answers;
    QList<Message> shown;
    QStringList titles() const;
};

class FakeFileChooser final : public FileChooser {
public:
    std::optional<QString> openFile(const FileDialogRequest& request) override;
    std::optional<QString> saveFile(const FileDialogRequest& request) override;
    std::deque<std::optional<QString>> answers; // nullopt is Cancel
    QList<FileDialogRequest> requests;
};

class FakeBeeper final : public Beeper {
public:
    void beep() override { ++beeps; }
    int beeps = 0;
};

// A volume control of the range the test gives; no range is a machine without a device.
class FakeMixer final : public Mixer {
public:
    std::optional<VolumeRange> open() override
    {
        ++opens;
        return range;
    }
    bool setVolume(long value) override
    {
        values.append(value);
        return true;
    }
    void close() override { ++closes; }
    std::optional<VolumeRange> range = VolumeRange{0, 65535};
    QList<long> values;
    int opens = 0;
    int closes = 0;
};

class FakePointer final : public Pointer {
public:
    void moveTo(QPoint p) override { moves.append(p); }
    void setBusy(bool busy) override { this->busy = busy; busyChanges.append(busy); }
    QList<QPoint> moves;
    bool busy = false;
    QList<bool> busyChanges;
};

// All fakes together, with the Platform bundle that windows and engines take.
// Raw presses the test hands over itself; with `available` false it cannot start, as without
// XInput 2.
class FakeRawPressSource final : public RawPressSource {
public:
    bool start(Sink sink, std::string& why) override
    {
        if (!available) {
            why = "no XInput 2";
            return false;
        }
        sink_ = std::move(sink);
        return true;
    }
    void press(std::uint32_t serverMs, std::int64_t arrivedNs) { if (sink_) sink_(serverMs, arrivedNs); }
    bool available = true;

private:
    Sink sink_;
};

struct FakePlatform {
    FakeClock clock;
    FakeTimerFactory timers;
    FakePrompt prompt;
    FakeFileChooser files;
    FakeBeeper beeper;
    FakePointer pointer;
    Platform platform{clock, timers, prompt, files, beeper, pointer, ProgramVersion{2, 0, 0}};
};

} // namespace reflex::fakes

namespace reflex {
// Messages that differ in a QCOMPARE show what they hold.
char* toString(const Message& message);
} // namespace reflex

namespace reflex::fakes {
// The bytes of tests/fixtures/<name>; fails the test when the file cannot be read.
QByteArray fixture(const char* name);
} // namespace reflex::fakes

#include "shared/AppState.h"

#include <QTest>

namespace reflex::fakes {
// Returns the values the test queued, in order, and counts the reseeds; a draw with nothing
// queued fails the test.
class ScriptedRandom final : public RandomSource {
public:
    double next() override
    {
        if (values.empty()) {
            QTest::qFail("a random draw with no scripted value left", __FILE__, __LINE__);
            return 0.0;
        }
        const double v = values.front();
        values.pop_front();
        return v;
    }
    void reseedFromTimeOfDay() override { ++reseeds; }
    std::deque<double> values;
    int reseeds = 0;
};
} // namespace reflex::fakes

#include "platform/Printer.h"

#include <QIODevice>

namespace reflex::fakes {
// One text as it landed on the page, and in which document (from 0).
struct PrintedText {
    QString text;
    double x, y, size;
    QString font;
    bool bold, lineEnded;
    int document;
};

// Records what reports print, with simple metrics: a character is half an em wide (10 twips a
// point), a line 1.2 ems high. A printer opened with `failWith` set fails with that reason.
struct PrintRecord {
    QList<PrintedText> texts;
    int documents = 0; // documents ended
    QStringList lines(int document) const; // the pieces of a line joined with '|'
};

class RecordingPrinter final : public Printer {
public:
    explicit RecordingPrinter(PrintRecord& r, QString failWith = {}, QIODevice* pdf = nullptr)
        : r_(r), fail_(std::move(failWith)), pdf_(pdf) {}
    void setFontName(const QString& name) override { font_ = name; }
    void setFontSize(double points) override { size_ = points; }
    void setFontBold(bool bold) override { bold_ = bold; }
    void setCurrentX(double twips) override { x_ = twips; }
    void setCurrentY(double twips) override { y_ = twips; }
    double textWidth(const QString& text) override { return text.size() * size_ * 10; }
    void print(const QString& text, LineEnd end) override;
    void endDoc() override { ++r_.documents; }
    bool finish() override { return (!pdf_ || pdf_->write("%PDF") == 4) && fail_.isEmpty(); }
    QString error() const override { return fail_; }

private:
    PrintRecord& r_;
    QString fail_, font_;
    QIODevice* pdf_;
    double size_ = 10, x_ = 0, y_ = 0;
    bool bold_ = false;
};

// A printer or none; frmPrint answered with `answer` (nullopt is Cancel).
class FakePrinting final : public Printing {
public:
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

private:
    std::unique_ptr<Printer> open(const QString& name, QIODevice* pdf)
    {
        opened << name;
        return std::make_unique<RecordingPrinter>(record, failWith, pdf);
    }
};
} // namespace reflex::fakes
