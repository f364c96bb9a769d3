// brevane-summary: a class's data files in, three tables and a chart out (ClassSummary.h says how).
// Everything it says goes to standard error: refused files with their reasons, progress on long
// runs, and one summary line at the end.
#include "shared/AtomicFile.h"
#include "summary/ClassChart.h"
#include "summary/ClassSummary.h"

#include <QCommandLineParser>
#include <QDir>
#include <QGuiApplication>
#include <cstdio>
#include <functional>

using namespace brevane;
using namespace brevane::summary;

namespace {

constexpr int kProgressEvery = 100; // files; fewer are read before anyone waits for them

void say(const QString& text)
{
    std::fputs(("brevane-summary: " + text + u'\n').toUtf8().constData(), stderr);
}

} // namespace

int main(int argc, char** argv)
{
    // Qt's own warnings (no XDG_RUNTIME_DIR on a server, say) mean nothing to a teacher and would
    // hide the lines that do; the tool says what went wrong itself.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            say(text);
    });
    // The tool only draws into files. The offscreen platform gives QtGui its fonts without a
    // display, and where there is one the tool need not connect to it.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("brevane-summary"));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "The class summary of reaction-time files (recover.dat, .nrm and .col files, or folders of them):\n"
        "sets.csv, students.csv, class.csv, class-chart.pdf and class-chart.png."));
    parser.addHelpOption();
    const QCommandLineOption output({QStringLiteral("o"), QStringLiteral("output")},
                                    QStringLiteral("Write into <folder> (default: the current folder)."),
                                    QStringLiteral("folder"), QStringLiteral("."));
    const QCommandLineOption colour(QStringLiteral("colour"), QStringLiteral("The .col files are the colour test's."));
    const QCommandLineOption number(QStringLiteral("number"), QStringLiteral("The .col files are the number test's."));
    parser.addOptions({output, colour, number});
    parser.addPositionalArgument(QStringLiteral("paths"), QStringLiteral("Data files and folders."),
                                 QStringLiteral("path..."));
    parser.process(app);
    if (parser.isSet(colour) && parser.isSet(number)) {
        say(QStringLiteral("--colour and --number exclude each other: summarise each test's .col files apart"));
        return 2;
    }
    if (parser.positionalArguments().isEmpty()) {
        std::fputs(parser.helpText().toUtf8().constData(), stderr);
        return 2;
    }
    const ColTest colTest = parser.isSet(colour)   ? ColTest::Colour
                            : parser.isSet(number) ? ColTest::Number
                                                   : ColTest::Choice;

    QList<Refusal> refused;
    const QStringList files = collectDataFiles(parser.positionalArguments(), refused);
    for (const Refusal& r : refused)
        say(QStringLiteral("skipped %1: %2").arg(r.path, r.reason));
    QList<StudentFile> read;
    for (int i = 0; i < files.size(); ++i) {
        QString reason;
        if (std::optional<StudentFile> file = readStudentFile(files[i], colTest, reason)) {
            read << std::move(*file);
        } else {
            refused << Refusal{files[i], reason};
            say(QStringLiteral("skipped %1: %2").arg(files[i], reason));
        }
        if ((i + 1) % kProgressEvery == 0 && i + 1 < files.size())
            say(QStringLiteral("%1 of %2 files read").arg(i + 1).arg(files.size()));
    }
    if (read.isEmpty()) {
        say(QStringLiteral("no file could be read; nothing written"));
        return 1;
    }

    const ClassSummary summary = summarise(read);
    const QDir folder(parser.value(output));
    if (!folder.mkpath(QStringLiteral("."))) {
        say(QStringLiteral("cannot make the folder %1").arg(parser.value(output)));
        return 1;
    }
    using Writer = bool (*)(QIODevice&, const ClassSummary&);
    const std::pair<const char*, Writer> outputs[] = {{"sets.csv", writeSetsCsv},
                                                      {"students.csv", writeStudentsCsv},
                                                      {"class.csv", writeClassCsv},
                                                      {"class-chart.pdf", writeChartPdf},
                                                      {"class-chart.png", writeChartPng}};
    int status = 0;
    for (const auto& [name, write] : outputs) {
        const QString path = folder.filePath(QLatin1String(name));
        const FileWriteResult written =
            replaceFileAtomically(path, [&, write = write](QIODevice& device) { return write(device, summary); });
        if (!written.ok) {
            say(QStringLiteral("could not write %1: %2").arg(path, written.error));
            status = 1;
        }
    }
    say(QStringLiteral("%1 files read, %2 skipped, %3 students, tests: %4")
            .arg(read.size())
            .arg(refused.size())
            .arg(summary.students.size())
            .arg(summary.tests.isEmpty() ? QStringLiteral("none") : summary.tests.join(QStringLiteral(", "))));
    return status;
}
