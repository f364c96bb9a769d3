#include "fakes/Rows.h"
#include "lib/Probe.h"

#include <QTest>
#include <cstring>

using namespace timing;

namespace {

// A 4x2 area as the X server hands it over: rows padded by two pixels of garbage, and the byte
// above the colour set as the server leaves it.
struct Area {
    static constexpr int kW = 4, kH = 2, kPad = 2;
    std::vector<unsigned char> bytes = std::vector<unsigned char>(std::size_t((kW + kPad) * kH * 4), 0x5A);
    void set(int x, int y, std::uint32_t pixel)
    {
        std::memcpy(&bytes[std::size_t((y * (kW + kPad) + x) * 4)], &pixel, 4);
    }
    void fill(std::uint32_t pixel, int count = kW * kH)
    {
        for (int i = 0; i < count; ++i)
            set(i % kW, i / kW, pixel);
    }
    Picture picture() const { return {bytes.data(), kW, kH, std::size_t((kW + kPad) * 4)}; }
};

struct ChangeCase {
    const char* name;
    int changed; // of the eight pixels
    std::uint32_t colour;
    bool mostly;
};

} // namespace

class TestProbe : public QObject {
    Q_OBJECT
private slots:
    // The onset: more than half of the pixels differ by more than 64 in a channel from the
    // resting picture.
    void seesAChangeOfMoreThanHalfThePixels_data()
    {
        // clang-format off
        brevane::fakes::addRows<ChangeCase>({
            {"at rest", 0, 0xFFFFFFFF, false},
            {"half changed", 4, 0xFFC00000, false},
            {"more than half", 5, 0xFFC00000, true},
            {"a step of 64 in a channel", 8, 0xFFFFBFFF, false},
            {"a step of 65 in a channel", 8, 0xFFFFBEFF, true},
            {"a step of 65 downwards", 8, 0xFFBEFFFF, true},
            {"only the byte above the colour", 8, 0x00FFFFFF, false},
        });
        // clang-format on
    }
    void seesAChangeOfMoreThanHalfThePixels()
    {
        QFETCH(ChangeCase, row);
        Area a;
        a.fill(0xFFFFFFFF);
        const std::vector<std::uint32_t> rest = restingPicture(a.picture());
        a.fill(row.colour, row.changed);
        QCOMPARE(mostlyChanged(a.picture(), rest), row.mostly);
    }

    // Colours by the visual's masks: the centre pixel, and how many pixels have one colour exactly.
    void readsColoursByTheMasks()
    {
        Area a;
        a.fill(0xFF000080);
        a.set(2, 1, 0xFF112233); // the centre of 4x2
        a.set(0, 0, 0xFF000081);
        Picture p = a.picture();
        QCOMPARE(centreColour(p), 0x112233u);
        QCOMPARE(pixelsOfColour(p, 0x000080), std::size_t(6));
        p.redMask = 0x0000FF;
        p.blueMask = 0xFF0000;
        QCOMPARE(centreColour(p), 0x332211u);
    }

    // The onset lies half-way between the middles of the last reading at rest and the first
    // changed one, surely after the first began and before the second was back.
    void placesTheOnsetBetweenTwoReadings()
    {
        for (auto [rest, changed, ns, bracket] : {std::tuple{Grab{1000, 1100}, Grab{1300, 1500}, 1225, 250},
                                                  {Grab{0, 40}, Grab{200, 240}, 120, 120},
                                                  {Grab{5000, 9000}, Grab{9200, 9240}, 8110, 2120}}) {
            const Onset o = onsetBetween(rest, changed);
            QCOMPARE(o.ns, std::int64_t(ns));
            QCOMPARE(o.bracketNs, std::int64_t(bracket));
        }
    }

    void takesNearColoursForOne()
    {
        QVERIFY(sameColour(0xC00000, 0xD80000));  // 24 apart
        QVERIFY(!sameColour(0xC00000, 0xC00019)); // 25 apart in blue
        QVERIFY(!sameColour(0xFFFFFF, 0xC00000));
    }
};

QTEST_APPLESS_MAIN(TestProbe)
#include "tst_probe.moc"
