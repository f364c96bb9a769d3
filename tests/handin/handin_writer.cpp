// A student's machine in the hand-in concurrency test (test_concurrent.py): at each line on
// standard input it hands in its .nrm, .col and recover.dat through the program's own writer,
// then says the round on standard output. Every set's comment names the student and the round,
// and grows with the round, so a reader can tell a whole file from a cut or mixed one.
// Usage: handin_writer HAND-IN-FOLDER STUDENT ROUNDS

#include "fakes/Fakes.h"
#include "shared/DataFile.h"
#include "shared/HandInPlace.h"
#include "shared/RecoveryFile.h"

#include <QCoreApplication>
#include <cstdio>
#include <iostream>
#include <string>

using namespace brevane;
using fakes::written;

namespace {

AppState round(const QString& student, int round)
{
    AppState state;
    const QString comment = QStringLiteral("%1 round %2 ").arg(student).arg(round) + QString(round * 40, u'x');
    for (SetData* data : {static_cast<SetData*>(&state.Simple), static_cast<SetData*>(&state.Color),
                          static_cast<SetData*>(&state.Number)}) {
        for (int set = 1; set <= kSetCount; ++set) {
            data->Times[set][1] = float(round) / 1000.0f;
            data->SetComment[set - 1] = comment;
        }
    }
    return state;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 4) {
        std::fputs("usage: handin_writer HAND-IN-FOLDER STUDENT ROUNDS\n", stderr);
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const QString student = QString::fromLocal8Bit(argv[2]);
    const int rounds = std::atoi(argv[3]);
    std::string go;
    for (int r = 1; r <= rounds && std::getline(std::cin, go); ++r) {
        AppState state = round(student, r);
        const QList<std::pair<QString, QByteArray>> files{
            {student + ".nrm", written([&](QIODevice& d) { writeDataFile(d, kNrmFile, StoreHalf{state.Simple}); })},
            {student + ".col", written([&](QIODevice& d) {
                 writeDataFile(d, kColFile, StoreHalf{state.Color, &state.Color});
             })},
            {QString::fromLatin1(kRecoveryFileName), written([&](QIODevice& d) { writeRecovery(d, state); })}};
        for (const auto& [name, bytes] : files) {
            const HandInResult result = handInFile(folder, student, name, bytes);
            if (!result.ok) {
                std::fprintf(stderr, "%s: %s\n", qPrintable(name), qPrintable(result.reason));
                return 1;
            }
        }
        std::printf("%d\n", r);
        std::fflush(stdout);
    }
    return 0;
}
