#include "colour/colourvision.h"

#include <QTest>

using namespace tincta;

Q_DECLARE_METATYPE(tincta::Colour)
Q_DECLARE_METATYPE(tincta::ColourVision)

namespace tincta {

// Lets a failed comparison show the two colours.
char* toString(const Colour& colour) {
    return QTest::toString(
        QStringLiteral("(%1, %2, %3)").arg(colour.red).arg(colour.green).arg(colour.blue));
}

} // namespace tincta

class Testcolourvision : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void simulation_data();
    void simulation();
    void deltaE_data();
    void deltaE();
    void hardToTellApartWithDichromacy();
};

// Expected colours made with Python 3.11: the published matrix columns are the linear light of
// each primary as seen, white is the sum of the rows (1 within 1e-6); each channel clamped to
// 0..1, encoded with the sRGB curve and rounded to 8 bits.
void Testcolourvision::simulation_data() {
    QTest::addColumn<ColourVision>("kind");
    QTest::addColumn<Colour>("colour");
    QTest::addColumn<Colour>("seen");
    const Colour red{255, 0, 0};
    const Colour green{0, 255, 0};
    const Colour blue{0, 0, 255};
    const Colour white{255, 255, 255};
    const auto protanopia = ColourVision::Protanopia;
    const auto deuteranopia = ColourVision::Deuteranopia;
    const auto tritanopia = ColourVision::Tritanopia;
    QTest::newRow("protanopia red") << protanopia << red << Colour{109, 95, 0};
    QTest::newRow("protanopia green") << protanopia << green << Colour{255, 229, 0};
    QTest::newRow("protanopia blue") << protanopia << blue << Colour{0, 89, 255};
    QTest::newRow("protanopia white") << protanopia << white << white;
    QTest::newRow("deuteranopia red") << deuteranopia << red << Colour{163, 144, 0};
    QTest::newRow("deuteranopia green") << deuteranopia << green << Colour{239, 214, 58};
    QTest::newRow("deuteranopia blue") << deuteranopia << blue << Colour{0, 61, 251};
    QTest::newRow("deuteranopia white") << deuteranopia << white << white;
    QTest::newRow("tritanopia red") << tritanopia << red << Colour{255, 0, 15};
    QTest::newRow("tritanopia green") << tritanopia << green << Colour{0, 247, 217};
    QTest::newRow("tritanopia blue") << tritanopia << blue << Colour{0, 107, 150};
    QTest::newRow("tritanopia white") << tritanopia << white << white;
}

void Testcolourvision::simulation() {
    QFETCH(ColourVision, kind);
    QFETCH(Colour, colour);
    QFETCH(Colour, seen);
    QCOMPARE(simulateColourVision(kind, colour), seen);
}

void Testcolourvision::deltaE_data() {
    QTest::addColumn<Colour>("first");
    QTest::addColumn<Colour>("second");
    QTest::addColumn<double>("distance");
    QTest::addColumn<bool>("hard");
    QTest::newRow("same colour") << Colour{18, 52, 86} << Colour{18, 52, 86} << 0.0 << true;
    QTest::newRow("black and white") << Colour{0, 0, 0} << Colour{255, 255, 255} << 1.0 << false;
    QTest::newRow("greys 14 apart")
        << Colour{100, 100, 100} << Colour{114, 114, 114} << 0.048850 << true;
    QTest::newRow("greys 15 apart")
        << Colour{100, 100, 100} << Colour{115, 115, 115} << 0.052297 << false;
    QTest::newRow("red and green") << Colour{204, 0, 0} << Colour{0, 153, 0} << 0.355439 << false;
}

void Testcolourvision::deltaE() {
    QFETCH(Colour, first);
    QFETCH(Colour, second);
    QFETCH(double, distance);
    QFETCH(bool, hard);
    QVERIFY(qAbs(oklabDeltaE(first, second) - distance) < 1e-6);
    QVERIFY(qAbs(oklabDeltaE(second, first) - distance) < 1e-6);
    QCOMPARE(hardToTellApart(first, second), hard);
}

// #CC0000 and #009900 are far apart to normal vision but merge for a deuteranope (deltaE
// 0.046 between the simulated colours); a protanope still tells them apart by lightness.
void Testcolourvision::hardToTellApartWithDichromacy() {
    const Colour red{204, 0, 0};
    const Colour green{0, 153, 0};
    QVERIFY(hardToTellApartWith(ColourVision::Deuteranopia, red, green));
    QVERIFY(!hardToTellApartWith(ColourVision::Protanopia, red, green));
    QVERIFY(!hardToTellApartWith(ColourVision::Tritanopia, red, green));
}

QTEST_APPLESS_MAIN(Testcolourvision)
#include "test_colourvision.moc"
