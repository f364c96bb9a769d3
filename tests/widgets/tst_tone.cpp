#include "platform/AlsaBeeper.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

using namespace reflex;

// The tone goes through ALSA's file plugin, so the test hears exactly what a sound card would
// have been handed.
class TestTone : public QObject {
    Q_OBJECT
private slots:
    void beepHandsARealToneToTheDevice()
    {
        QTemporaryDir dir;
        QFile f(dir.filePath("tone.raw"));
        const qsizetype tone = 48000 * 15 / 100; // one 150 ms tone
        {
            AlsaBeeper beeper(("file:FILE=" + QFile::encodeName(f.fileName()) + ",FORMAT=raw").constData());
            QVERIFY(beeper.hasDevice());
            beeper.beep();
            beeper.beep(); // a second beep while the first may still play starts afresh
            QTRY_VERIFY_WITH_TIMEOUT(f.size() / 2 >= tone, 3000);
        }
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray raw = f.readAll();
        const auto* s = reinterpret_cast<const qint16*>(raw.constData());
        // Dominant frequency by zero crossings over the first tone, and a real level.
        int crossings = 0;
        double energy = 0;
        for (qsizetype i = 1; i < tone; ++i) {
            crossings += (s[i - 1] < 0) != (s[i] < 0);
            energy += double(s[i]) * s[i];
        }
        QVERIFY2(std::abs(crossings / 2.0 / 0.15 - 880.0) < 15.0, qPrintable(QString::number(crossings)));
        QVERIFY(std::sqrt(energy / tone) > 3000.0);
    }

    void withoutADeviceItFallsBackToTheBell()
    {
        AlsaBeeper beeper("no-such-device-here");
        QVERIFY(!beeper.hasDevice());
        beeper.beep(); // must neither block nor crash
    }
};

QTEST_MAIN(TestTone)
#include "tst_tone.moc"
