#include "shared/RecoveryCommands.h"
#include "shared/AtomicFile.h"
#include "shared/FileRead.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace brevane {

namespace {

void tell(Prompt& prompt, const QString& title, const QString& text)
{
    prompt.ask(Message{text, title, MsgButtons::Ok, MsgIcon::None});
}

} // namespace

RecoveryFile::RecoveryFile(AppState& state, Prompt& prompt, QString directory, HandIn* handIn)
    : state_(state)
    , prompt_(prompt)
    , directory_(std::move(directory))
    , handIn_(handIn)
{
}

QString RecoveryFile::path() const
{
    const QDir dir = directory_.isEmpty() ? QDir::current() : QDir(directory_);
    return dir.filePath(QString::fromLatin1(kFileName));
}

bool RecoveryFile::write()
{
    QBuffer snapshot;
    snapshot.open(QIODevice::WriteOnly);
    writeRecovery(snapshot, state_);
    const FileWriteResult written = replaceFileAtomically(path(), snapshot.data());
    // Handed in whether or not it could be kept here: the teacher's copy is the one that counts
    // when this disk is full.
    if (handIn_)
        handIn_->handIn(QString::fromLatin1(kRecoveryFileName), snapshot.data());
    if (written.ok) {
        failureReported_ = false;
        return true;
    }
    // The store is untouched and the next series tries again; one message per streak of
    // failures is enough, a message after every series of a lab session is not.
    if (!failureReported_) {
        failureReported_ = true;
        QString text =
            QCoreApplication::translate("RecoveryFile", "The recovery file recover.dat could not be written.");
        if (!written.error.isEmpty())
            text += u'\r' + written.error;
        text += QCoreApplication::translate("RecoveryFile", "\rYour data are kept in memory.");
        prompt_.ask(Message{text, QCoreApplication::translate("RecoveryFile", "Recovery File Error"), MsgButtons::Ok,
                            MsgIcon::Exclamation});
    }
    return false;
}

void RecoveryFile::read()
{
    if (!QFileInfo::exists(path())) {
        tell(prompt_, QCoreApplication::translate("RecoveryFile", "Load Cancelled"),
             QCoreApplication::translate("RecoveryFile", "No Recovery File Created or Found"));
        return;
    }
    FileReadResult file = readWholeFile(path());
    QBuffer bytes(&file.bytes);
    if (!file.ok || !bytes.open(QIODevice::ReadOnly) || !readRecovery(bytes, state_))
        prompt_.ask(Message{QCoreApplication::translate("RecoveryFile", "Load File Error"),
                            QCoreApplication::translate("RecoveryFile", "Load Cancelled"), MsgButtons::Ok,
                            MsgIcon::None, false, file.error});
}

} // namespace brevane
