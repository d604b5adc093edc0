#include "colour/colourscale.h"
#include "colour/oklch.h"

#include <QRandomGenerator>
#include <QTest>

using namespace tincta;

Q_DECLARE_METATYPE(tincta::Colour)

namespace {

double hueDifference(double first, double second) {
    const double difference = std::abs(first - second);
    return std::min(difference, 360.0 - difference);
}

void addColourRows() {
    QTest::addColumn<Colour>("colour");
    QTest::newRow("black") << Colour{0, 0, 0};
    QTest::newRow("white") << Colour{255, 255, 255};
    QTest::newRow("red") << Colour{255, 0, 0};
    QTest::newRow("#336699") << Colour{0x33, 0x66, 0x99};
    QRandomGenerator random(7);
    for (int i = 0; i < 20; ++i) {
        const Colour colour{random.bounded(256), random.bounded(256), random.bounded(256)};
        QTest::addRow("#%02X%02X%02X", colour.red, colour.green, colour.blue) << colour;
    }
}

} // namespace

class TestColourScale : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void oklchRoundTrip();
    void scale_data() { addColourRows(); }
    void scale();
    void harmonies_data() { addColourRows(); }
    void harmonies();
};

// Every 8-bit colour survives the way to OKLCH and back; one in 64 of them, spread over the cube.
void TestColourScale::oklchRoundTrip() {
    for (int packed = 0; packed < (1 << 24); packed += 61) {
        const Colour colour{packed & 0xFF, (packed >> 8) & 0xFF, packed >> 16};
        const Oklch oklch = toOklch(colour);
        QVERIFY(isInSrgb(linearFromOklch(oklch)));
        QCOMPARE(gamutMappedColour(oklch), colour);
    }
}

void TestColourScale::scale() {
    QFETCH(Colour, colour);
    const auto steps = tintShadeScale(colour);
    int origins = 0;
    double previous = 2.0;
    for (const ScaleStep& step : steps) {
        const double lightness = toOklch(step.colour).lightness;
        QVERIFY2(lightness < previous, qPrintable(QString::number(step.step)));
        previous = lightness;
        if (step.isOrigin) {
            ++origins;
            QCOMPARE(step.colour, colour);
        } else {
            QVERIFY(!(step.colour == colour));
        }
    }
    QCOMPARE(origins, 1);
    QCOMPARE(steps.front().step, 50);
    QCOMPARE(steps.back().step, 950);
}

void TestColourScale::harmonies() {
    QFETCH(Colour, colour);
    const Oklch origin = toOklch(colour);
    for (int kind = 0; kind < harmonyCount; ++kind) {
        for (const HarmonyColour& partner : harmonyColours(static_cast<Harmony>(kind), colour)) {
            const double hue = std::fmod(origin.hue + partner.hueTurn + 360.0, 360.0);
            // The hue and lightness are kept before rounding, where the chroma leaves a hue.
            const LinearRgb mapped = gamutMappedLinear({origin.lightness, origin.chroma, hue});
            QCOMPARE(fromLinearRgb(mapped), partner.colour);
            const Oklch turned = oklchFromLinear(mapped);
            QVERIFY(std::abs(turned.lightness - origin.lightness) < 1e-9);
            if (turned.chroma > 0.02)
                QVERIFY2(hueDifference(turned.hue, hue) < 0.5,
                         qPrintable(QStringLiteral("turn %1").arg(partner.hueTurn)));
        }
    }
}

QTEST_APPLESS_MAIN(TestColourScale)
#include "test_colourscale.moc"
