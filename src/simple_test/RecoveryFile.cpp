#include "simple_test/RecoveryFile.h"

#include "simple_test/ValueCodec.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace reflex {

namespace {

void writeTimes(ValueWriter& out, const SetData& data, int set)
{
    for (int run = 1; run <= kStoredRuns; ++run)
        out.single(data.Times[set][run]);
    out.single(data.SetAverage[set]);
    out.single(data.SetFastest[set]);
    out.single(data.SetSlowest[set]);
}

void writeChoiceBlock(ValueWriter& out, const ChoiceStore& store)
{
    for (int set = 1; set <= kSetCount; ++set) {
        writeTimes(out, store, set);
        out.integer(store.CorrectHits[set]);
        out.integer(store.CorrectMisses[set]);
        out.integer(store.InCorrectHits[set]);
        out.integer(store.MissedHits[set]);
        out.string(store.SetComment[set - 1]);
    }
}

template <typename T>
bool take(std::optional<T> value, T& field)
{
    if (!value)
        return false;
    field = std::move(*value);
    return true;
}

bool readTimes(ValueReader& in, SetData& data, int set)
{
    for (int run = 1; run <= kStoredRuns; ++run)
        if (!take(in.single(), data.Times[set][run]))
            return false;
    return take(in.single(), data.SetAverage[set]) && take(in.single(), data.SetFastest[set])
        && take(in.single(), data.SetSlowest[set]);
}

bool readChoiceBlock(ValueReader& in, ChoiceStore& store)
{
    for (int set = 1; set <= kSetCount; ++set) {
        if (!readTimes(in, store, set) || !take(in.integer(), store.CorrectHits[set])
            || !take(in.integer(), store.CorrectMisses[set])
            || !take(in.integer(), store.InCorrectHits[set])
            || !take(in.integer(), store.MissedHits[set])
            || !take(in.string(), store.SetComment[set - 1]))
            return false;
    }
    return true;
}

void tell(Prompt& prompt, const QString& title, const QString& text)
{
    prompt.ask(Message{text, title, MsgButtons::Ok, MsgIcon::None});
}

} // namespace

void writeRecovery(QIODevice& device, const AppState& state)
{
    ValueWriter out(device);
    for (int set = 1; set <= kSetCount; ++set) {
        writeTimes(out, state.Simple, set);
        out.string(state.Simple.SetComment[set - 1]);
    }
    writeChoiceBlock(out, state.Color);
    writeChoiceBlock(out, state.Number);
}

bool readRecovery(QIODevice& device, AppState& state)
{
    ValueReader in(device);
    for (int set = 1; set <= kSetCount; ++set) {
        if (!readTimes(in, state.Simple, set) || !take(in.string(), state.Simple.SetComment[set - 1]))
            return false;
    }
    return readChoiceBlock(in, state.Color) && readChoiceBlock(in, state.Number);
}

RecoveryFile::RecoveryFile(AppState& state, Prompt& prompt, QString directory)
    : state_(state), prompt_(prompt), directory_(std::move(directory))
{
}

QString RecoveryFile::path() const
{
    const QDir dir = directory_.isEmpty() ? QDir::current() : QDir(directory_);
    return dir.filePath(QString::fromLatin1(kFileName));
}

bool RecoveryFile::write()
{
    // The old file is only replaced by a complete new one. QSaveFile refuses to commit after
    // a failed write, but the whole snapshot fits in its buffer and commit() lets a failed
    // flush of that buffer (a full disk) pass, renaming a cut file over the good one; so the
    // buffer is flushed here first, where the failure still shows. An unflushed QSaveFile
    // removes its temporary file when it goes.
    QSaveFile file(path());
    bool written = file.open(QIODevice::WriteOnly);
    if (written) {
        writeRecovery(file, state_);
        written = file.flush() && file.commit();
    }
    if (written) {
        failureReported_ = false;
        return true;
    }
    // The store is untouched and the next series tries again; one message per streak of
    // failures is enough, a message after every series of a lab session is not.
    if (!failureReported_) {
        failureReported_ = true;
        QString text = QStringLiteral("The recovery file recover.dat could not be written.");
        if (!file.errorString().isEmpty())
            text += u'\r' + file.errorString();
        text += QStringLiteral("\rYour data are kept in memory.");
        prompt_.ask(Message{text, QStringLiteral("Recovery File Error"), MsgButtons::Ok,
                            MsgIcon::Exclamation});
    }
    return false;
}

void RecoveryFile::read()
{
    QFile file(path());
    if (!file.exists()) {
        tell(prompt_, QStringLiteral("Load Cancelled"),
             QStringLiteral("No Recovery File Created or Found"));
        return;
    }
    if (!file.open(QIODevice::ReadOnly) || !readRecovery(file, state_))
        tell(prompt_, QStringLiteral("Load Cancelled"), QStringLiteral("Load File Error"));
}

} // namespace reflex
