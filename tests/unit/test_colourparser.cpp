#include "colour/codenotation.h"
#include "colour/colourparser.h"
#include "colour/conversions.h"
#include "colour/cssnotation.h"
#include "colour/notation.h"
#include "testdata.h"

#include <QTest>
#include <functional>

using namespace tincta;

Q_DECLARE_METATYPE(tincta::Colour)

namespace {

QStringList dataLines(const char* file) {
    QStringList lines;
    const QString text = QString::fromUtf8(test::readTestData(QLatin1String(file)));
    for (const QString& line : text.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        if (!line.startsWith(QLatin1String("# ")))
            lines << line;
    }
    return lines;
}

using Formatter = std::function<QString(const Colour&)>;

Formatter listed(int index) {
    return [index](const Colour& colour) { return *notationText(index, colour, QString()); };
}

struct RoundTrip {
    const char* name;
    Formatter format;
    // How far a channel may come back from where it was: 0 for a notation as fine as 8-bit sRGB;
    // for a coarser one the most its written precision allows, measured over these colours
    // (whole percent, a hue to a tenth of a degree at high chroma, three decimals of a P3 channel
    // beside a bright one).
    int tolerance;
};

const std::vector<RoundTrip>& roundTrips() {
    static const std::vector<RoundTrip> table{
        {"HTML Hex", listed(0), 0},
        {"Lower Case HTML Hex", listed(1), 0},
        {"VB Hex", listed(2), 0},
        {"VB", listed(3), 0},
        {"C++ Hex", listed(4), 0},
        {"Delphi Hex", listed(5), 0},
        {"Access", listed(6), 0},
        {".NET HTML", listed(7), 0},
        {".NET OLE", listed(8), 0},
        {".NET Win32", listed(9), 0},
        {"Java", listed(10), 0},
        {"CSS rgb()", listed(listRow(Notation::CssRgb)), 0},
        {"CSS hsl()", listed(listRow(Notation::CssHsl)), 5},
        {"CSS oklch()", listed(listRow(Notation::CssOklch)), 8},
        {"CSS hwb()", listed(listRow(Notation::CssHwb)), 3},
        {"CSS lab()", listed(listRow(Notation::CssLab)), 0},
        {"CSS lch()", listed(listRow(Notation::CssLch)), 3},
        {"CSS oklab()", listed(listRow(Notation::CssOklab)), 9},
        {"CSS color(display-p3)", listed(listRow(Notation::CssDisplayP3)), 2},
        {"CSS #RRGGBBAA", listed(listRow(Notation::CssHex8)), 0},
        {"CSS rgba()", listed(listRow(Notation::CssRgba)), 0},
        {"HSV", listed(listRow(Notation::Hsv)), 3},
        {"Flutter", listed(listRow(Notation::Flutter)), 0},
        {"SwiftUI", listed(listRow(Notation::SwiftUi)), 0},
        {"Jetpack Compose", listed(listRow(Notation::JetpackCompose)), 0},
        {"QML", listed(listRow(Notation::Qml)), 0},
        {"QColor", listed(listRow(Notation::QColorCall)), 0},
        {"Android XML", listed(listRow(Notation::AndroidXml)), 0},
        {"Custom %FR% %FG% %FB%",
         [](const Colour& c) {
             return expandCustomTemplate(
                 QStringLiteral("Color(red: %FR%, green: %FG%, blue: %FB%)"), c);
         },
         0},
    };
    return table;
}

} // namespace

class TestColourParser : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void accepted_data();
    void accepted();
    void refused_data();
    void refused();
    void roundTrip_data();
    void roundTrip();
};

void TestColourParser::accepted_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    for (const QString& line : dataLines("notations/parse-accepted.txt")) {
        const QStringList fields = line.split(QLatin1Char('\t'));
        QTest::addRow("%s", qPrintable(fields[0])) << fields[0] << fields[1];
    }
}

void TestColourParser::accepted() {
    QFETCH(QString, text);
    QFETCH(QString, expected);
    const std::optional<Colour> colour = colourFromText(text);
    QVERIFY(colour);
    QCOMPARE(hexTriplet(*colour), expected);
}

void TestColourParser::refused_data() {
    QTest::addColumn<QString>("text");
    for (const QString& line : dataLines("notations/parse-refused.txt"))
        QTest::addRow("%s", qPrintable(line)) << line;
}

void TestColourParser::refused() {
    QFETCH(QString, text);
    const std::optional<Colour> colour = colourFromText(text);
    QVERIFY2(!colour, qPrintable(colour ? hexTriplet(*colour) : QString()));
}

void TestColourParser::roundTrip_data() {
    QTest::addColumn<int>("row");
    for (std::size_t i = 0; i < roundTrips().size(); ++i)
        QTest::addRow("%s", roundTrips()[i].name) << static_cast<int>(i);
}

// Every 61st colour of the 16,777,216, spread over the whole cube; the fuzz step runs the rest.
void TestColourParser::roundTrip() {
    QFETCH(int, row);
    const RoundTrip& notation = roundTrips()[static_cast<std::size_t>(row)];
    for (int packed = 0; packed < (1 << 24); packed += 61) {
        const Colour colour = unpack(static_cast<PackedColour>(packed));
        const QString text = notation.format(colour);
        const std::optional<Colour> back = colourFromText(text);
        QVERIFY2(back, qPrintable(text));
        const int off =
            std::max({std::abs(back->red - colour.red), std::abs(back->green - colour.green),
                      std::abs(back->blue - colour.blue)});
        QVERIFY2(off <= notation.tolerance,
                 qPrintable(text + QLatin1String(" gave ") + hexTriplet(*back)));
    }
}

QTEST_APPLESS_MAIN(TestColourParser)
#include "test_colourparser.moc"
