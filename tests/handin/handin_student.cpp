// A student's Save in the hand-in owners test (test_owners.py), run as that student's user: the
// results window's Save of a simple set (the save dialog answered with LOCAL-FILE) through the
// program's own save and hand-in queue into HAND-IN-FOLDER/<login name>/. It prints "saved" once
// the local file is there, then each notice the student would be shown, a line each.
// Usage: handin_student HAND-IN-FOLDER LOCAL-FILE MILLISECONDS

#include "fakes/Fakes.h"
#include "shared/Accounts.h"
#include "shared/FileCommands.h"
#include "shared/HandInQueue.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <cstdio>

using namespace brevane;

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments(); // the program, then its three
    const QString folder = args.value(1), local = args.value(2);
    bool number = false;
    const double ms = args.value(3).toDouble(&number);
    if (args.size() != 4 || !number) {
        std::fputs("usage: handin_student HAND-IN-FOLDER LOCAL-FILE MILLISECONDS\n", stderr);
        return 2;
    }
    QStringList notices;
    fakes::FakeTimerFactory timers;
    const QString own = loginName();
    HandInQueue queue(
        [&](const QString& name, const QByteArray& bytes) { return handInFile(folder, own, name, bytes); }, timers,
        [&](const QString& reason) { notices << handInNoticeText(folder, reason); }, 10000);
    fakes::FakeFileChooser files;
    files.answers = {local};
    fakes::FakePrompt prompt;
    prompt.answers = {MsgAnswer::Yes}; // over a file saved before
    SetData sets;
    sets.Times[1][1] = float(ms / 1000.0);
    if (saveDataFile(files, prompt, queue, kNrmFile, QStringLiteral("Save"), StoreHalf{sets}) != FileCommand::Done)
        return 1;
    if (QFileInfo(local).isFile())
        std::puts("saved");
    // The copy's answer comes back through the event loop, as in the program.
    for (QDeadlineTimer limit(20000); !queue.waiting().isEmpty() && notices.isEmpty() && !limit.hasExpired();)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    for (const QString& notice : notices)
        std::puts(qPrintable(QString(notice).replace(u'\n', u' ')));
    return 0;
}
