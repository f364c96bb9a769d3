// The colour selection dialog.
#include "config/frmColorSelect.h"
#include "widgets/Windows.h"

#include <numeric>

using namespace reflex;
using namespace reflex::fakes;

class TestConfig : public QObject {
    Q_OBJECT
private slots:
    // The colour dialog answers the colour it started on, the last one clicked, or -1.
    void colourSelection()
    {
        std::array<qint16, 16> palette{};
        std::iota(palette.rbegin(), palette.rend(), qint16(0)); // button i picks palette number 15 - i
        using Case = std::tuple<QList<int>, const char*, int>;
        for (const auto& [clicks, button, selected] :
             {Case{{}, "cmdSelectColor", 6}, Case{{3, 12}, "cmdSelectColor", 3}, Case{{3}, "cmdCancelSelect", -1}}) {
            frmColorSelect d(palette, qRgb(192, 0, 0), 6);
            for (int i : clicks)
                child<QAbstractButton>(&d, qPrintable(QStringLiteral("ColorSelection_%1").arg(i)))->click();
            child<QAbstractButton>(&d, button)->click();
            QCOMPARE(d.SelectedColor(), selected);
        }
    }
};

QTEST_MAIN(TestConfig)
#include "tst_config.moc"
