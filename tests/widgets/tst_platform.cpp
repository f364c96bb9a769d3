#include "fakes/Fakes.h"
#include "platform/InputStamp.h"
#include "platform/Platform.h"
#include "platform/ScreenFlush.h"

#include <QMouseEvent>
#include <QTest>
#include <QWidget>

using namespace reflex;

class TestPlatform : public QObject {
    Q_OBJECT
private slots:
    // Offscreen there is no X server, no XInput and no server time: the handler's stamp stands,
    // and a stimulus gets no presentation times, so the engine stamps it on its clock.
    void withoutXTheHandlerStampsAndPresentationIsUnknown()
    {
        fakes::FakeClock clock;
        XPressStamper stamper(clock);
        QVERIFY(!stamper.usesInputThread());
        const QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
                                Qt::LeftButton, Qt::NoModifier);
        QCOMPARE(stamper.stamp(7'000'400'000, press), 7'000'400'000);
        QWidget panel;
        panel.show();
        QVERIFY(!presentNow(&panel, clock).known());
    }

    // A description that already names its pattern is shown once.
    void fileFilterPairsBecomeQtFilters()
    {
        QCOMPARE(QtFileChooser::toQtFilter("Config Files (*.cfg)|*.cfg"), QStringLiteral("Config Files (*.cfg)"));
        QCOMPARE(QtFileChooser::toQtFilter("Data|*.nrm|All|*.*"), QStringLiteral("Data (*.nrm);;All (*.*)"));
    }

    void preciseTimerFiresOnceEnabledAndNeverAtZero()
    {
        QtTimerFactory factory;
        auto timer = factory.createTimer();
        int fired = 0;
        timer->onTimer = [&] { ++fired; timer->setEnabled(false); };
        timer->setEnabled(true);
        timer->setInterval(0);
        QCoreApplication::processEvents(); // a zero-interval QTimer would have fired here
        QCOMPARE(fired, 0);
        timer->setInterval(5);
        QTRY_COMPARE_WITH_TIMEOUT(fired, 1, 1000);
        QVERIFY(!timer->isEnabled());
    }
};

QTEST_MAIN(TestPlatform)
#include "tst_platform.moc"
