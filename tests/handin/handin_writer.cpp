// A student's machine in the hand-in concurrency test (test_concurrent.py): at each line on
// standard input it hands in its .nrm, .col and recover.dat through the program's own writer,
// then says the round on standard output. Every line of every file names the student and the
// round, and grows with the round, so a reader can tell a whole file from a cut or mixed one.
// (What the files hold is no concern of the writer: it moves bytes.)
// Usage: handin_writer HAND-IN-FOLDER STUDENT ROUNDS

#include "shared/HandInPlace.h"

#include <QCoreApplication>
#include <cstdio>
#include <iostream>
#include <string>

using namespace brevane;

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
    constexpr int kLines = 100; // with the comment's growth, some 40 kB a file by the last round
    std::string go;
    for (int r = 1; r <= rounds && std::getline(std::cin, go); ++r) {
        const QByteArray line =
            QStringLiteral("\"%1 round %2 %3\"\r\n").arg(student).arg(r).arg(QString(r * 40, u'x')).toUtf8();
        for (const QString& name : {student + ".nrm", student + ".col", QStringLiteral("recover.dat")}) {
            const HandInResult result = handInFile(folder, student, name, line.repeated(kLines));
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
