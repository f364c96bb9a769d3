// The real platform pieces: the tone and mixer through ALSA, and a report through Qt's PDF
// path read back with poppler, and the file dialog.
#include "complex_results/ChoiceReport.h"
#include "fakes/Fakes.h"
#include "platform/audio/alsa/AlsaBeeper.h"
#include "platform/audio/alsa/AlsaMixer.h"
#include "platform/print/QtPrinting.h"
#include "platform/services/qt/QtServices.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <cmath>

using namespace brevane;

namespace {

QString output(const char* program, const QStringList& args)
{
    QProcess p;
    p.start(QStandardPaths::findExecutable(program), args);
    return p.waitForFinished(30000) && p.exitCode() == 0 ? QString::fromUtf8(p.readAllStandardOutput()) : QString();
}

} // namespace

class TestPlatform : public QObject {
    Q_OBJECT
    QTemporaryDir alsaDir_;

private slots:
    // ALSA reads its configuration once: the fake HDA card is defined beside the system's before.
    void initTestCase()
    {
        fakes::writeFile(
            alsaDir_.filePath("asoundrc"),
            QStringLiteral("pcm_type.brevanehda { lib \"%1\" }\npcm.fakehda { type brevanehda file \"%2\" }\n")
                .arg(FAKE_HDA_PLUGIN, alsaDir_.filePath("played.raw"))
                .toUtf8());
        qputenv("ALSA_CONFIG_PATH", "/usr/share/alsa/alsa.conf:" + QFile::encodeName(alsaDir_.filePath("asoundrc")));
    }

    // Through ALSA's file plugin the test hears what a sound card would have been handed: a
    // second beep while the first may still play starts afresh, at 880 Hz and a real level; each
    // tone's first sample is stamped, not before it was asked for.
    // A missing device rings the bell; a missing card, and the system's mixer on a machine
    // without one, give no volume control.
    void alsaToneAndMixer()
    {
        QTemporaryDir dir;
        QFile f(dir.filePath("tone.raw"));
        const qsizetype tone = 48000 * 15 / 100; // one 150 ms tone
        {
            MonotonicClock clock;
            AlsaBeeper beeper(clock, ("file:FILE=" + QFile::encodeName(f.fileName()) + ",FORMAT=raw").constData());
            QVERIFY(beeper.hasDevice());
            for (int i = 0; i < 2; ++i) {
                const std::int64_t asked = clock.nowNs();
                const ToneStamp first = beeper.beep();
                QVERIFY2(first.known() && first.ns >= asked, toneSourceName(first.source));
            }
            QTRY_VERIFY_WITH_TIMEOUT(f.size() / 2 >= tone, 3000);
        }
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray raw = f.readAll();
        const auto* s = reinterpret_cast<const qint16*>(raw.constData());
        int crossings = 0;
        double energy = 0;
        for (qsizetype i = 1; i < tone; ++i) {
            crossings += (s[i - 1] < 0) != (s[i] < 0);
            energy += double(s[i]) * s[i];
        }
        QVERIFY2(std::abs(crossings / 2.0 / 0.15 - 880.0) < 15.0, qPrintable(QString::number(crossings)));
        QVERIFY(std::sqrt(energy / tone) > 3000.0);
        fakes::FakeClock clock;
        AlsaBeeper none(clock, "no-such-device-here");
        QVERIFY(!none.hasDevice());
        QVERIFY(!none.beep().known()); // the bell: must neither block nor crash, and has no stamp
        QVERIFY(!AlsaMixer("hw:CARD=NoSuchCard").open());
        QFile cards(QStringLiteral("/proc/asound/cards"));
        if (cards.open(QIODevice::ReadOnly) && !cards.readAll().contains("no soundcards"))
            QSKIP("this machine has a sound card; its volume is left alone");
        QVERIFY(!AlsaMixer().open());
    }

    // An onboard HDA card takes at most 32 periods and (here) a buffer shorter than the tone: the
    // stream opens with the buffer chosen before the period, and a tone asked for 20 ms ahead is
    // silence up to then and the whole tone after it, written in pieces, stamped not before then.
    void alsaToneOnHdaLimits()
    {
        const QString played = alsaDir_.filePath("played.raw");
        const std::vector<std::int16_t> tone = makeTone(48000);
        {
            MonotonicClock clock;
            AlsaBeeper beeper(clock, "fakehda");
            QVERIFY(beeper.hasDevice());
            QVERIFY(beeper.periodFrames() * 32 >= beeper.bufferFrames() && beeper.bufferFrames() < tone.size());
            const std::int64_t asked = clock.nowNs() + 20'000'000;
            beeper.startTone(asked);
            const ToneStamp first = beeper.startedTone();
            QVERIFY2(first.known() && first.ns > asked - 1'000'000'000 / 48000, toneSourceName(first.source));
            QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(played).size() / 2 >= qint64(tone.size()) + 900, 3000);
        }
        const QByteArray bytes = fakes::readFile(played);
        const auto* s = reinterpret_cast<const std::int16_t*>(bytes.constData());
        const qsizetype lead = bytes.size() / 2 - qsizetype(tone.size());
        QVERIFY2(lead > 0 && lead <= 960, qPrintable(QString::number(lead))); // up to 20 ms of silence
        QVERIFY(std::all_of(s, s + lead, [](std::int16_t v) { return v == 0; }));
        QVERIFY(std::equal(tone.begin(), tone.end(), s + lead));
    }

    // A colour report of six sets is two pages, each headed by the title at the same place
    // (not at the top left once the first document has ended), in the report's font or its
    // substitute.
    void reportAsPdf()
    {
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("pdftotext is missing: scripts/deps.sh test");
        ChoiceStore data;
        data.Times[6][1] = 0.6f;
        fakes::FakePrompt prompt;
        QtPrinting printing(prompt);
        QTemporaryDir dir;
        QFile file(dir.filePath("report.pdf"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        auto printer = printing.openPdf(file);
        PrintChoice six{kColorReportTitle, {true, true, true, true, true, true}};
        printChoiceReport(*printer, six, {data, &data});
        QVERIFY(printer->finish());
        file.close();

        // What each line holds is the report's own test (tst_results); here, that it reaches the pages.
        const QStringList pages = output("pdftotext", {file.fileName(), "-"}).split(u'\f', Qt::SkipEmptyParts);
        QCOMPARE(pages.size(), 2);
        QVERIFY2(pages[1].simplified().contains("Set 6 0.600"), qPrintable(pages[1]));
        const QRegularExpression title(R"re(<word xMin="([\d.]+)" yMin="([\d.]+)"[^>]*>Orv</word>)re");
        QStringList places;
        for (const auto& m : title.globalMatch(output("pdftotext", {"-bbox", file.fileName(), "-"})))
            places << m.captured(1) + ',' + m.captured(2);
        QCOMPARE(places.size(), 2);
        QCOMPARE(places[1], places[0]);
        // Asked for Times New Roman, the PDF embeds it or its metric-compatible face, whose widths
        // the positions were laid out for: not some other fallback.
        const QString fonts = output("pdffonts", {file.fileName()});
        QVERIFY2(fonts.contains("LiberationSerif") || fonts.contains("TimesNewRoman"), qPrintable(fonts));
    }

    // A pattern is no file name: the preset "*.nrm" is not offered as one, and a pattern typed
    // into the name field narrows the list while the dialog stays; a plain name is taken.
    void patternIsNoFileName()
    {
        QTemporaryDir dir;
        QStringList seen;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            auto* name = dialog ? dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")) : nullptr;
            if (!name)
                return dialog ? dialog->reject() : void();
            seen << name->text();
            QTest::keyClicks(name, "*.nrm");
            QTest::keyClick(name, Qt::Key_Return);
            seen << (dialog->isVisible() ? "open" : "closed") << dialog->selectedNameFilter();
            name->clear();
            QTest::keyClicks(name, "kept");
            QTest::keyClick(name, Qt::Key_Return);
        });
        const auto path =
            QtFileChooser().saveFile({"T", "Reflex Data Files (*.nrm)|*.nrm", "*.nrm", dir.path(), "nrm"});
        QCOMPARE(seen, (QStringList{"", "open", "*.nrm"}));
        QCOMPARE(path, std::optional(dir.filePath("kept.nrm")));
        QVERIFY(QDir(dir.path()).entryList(QDir::Files).isEmpty());
    }
};

QTEST_MAIN(TestPlatform)
#include "tst_platform.moc"
