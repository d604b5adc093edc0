#include "colour/codenotation.h"
#include "colour/cssnotation.h"
#include "colour/tailwindpalette.h"
#include "testdata.h"

#include <QTest>
#include <functional>
#include <map>

using namespace tincta;

Q_DECLARE_METATYPE(tincta::Colour)

namespace {

Colour fromHex(QStringView text) {
    const unsigned value = text.mid(1).toUInt(nullptr, 16);
    return {static_cast<int>(value >> 16), static_cast<int>((value >> 8) & 0xFFu),
            static_cast<int>(value & 0xFFu)};
}

using Formatter = std::function<QString(const Colour&)>;

const std::map<QString, Formatter>& formatters() {
    static const std::map<QString, Formatter> table{
        {QStringLiteral("lab"), cssLabText},        {QStringLiteral("lch"), cssLchText},
        {QStringLiteral("oklab"), cssOklabText},    {QStringLiteral("p3"), cssDisplayP3Text},
        {QStringLiteral("hwb"), cssHwbText},        {QStringLiteral("hsv"), hsvText},
        {QStringLiteral("flutter"), argbColorText}, {QStringLiteral("compose"), argbColorText},
        {QStringLiteral("swiftui"), swiftUiText},   {QStringLiteral("qml"), qmlText},
        {QStringLiteral("qcolor"), qColorText},     {QStringLiteral("hex8"), cssHex8Text},
        {QStringLiteral("rgba"), cssRgbaText},
    };
    return table;
}

// Rows of a tab-separated table under tests/data, "# " lines left out.
QList<QStringList> tableRows(const char* file) {
    QList<QStringList> rows;
    const QString text = QString::fromUtf8(test::readTestData(QLatin1String(file)));
    for (const QString& line : text.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        if (!line.startsWith(QLatin1String("# ")))
            rows << line.split(QLatin1Char('\t'));
    }
    return rows;
}

} // namespace

class TestCodeNotation : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void texts_data();
    void texts();
    void androidResourceNames_data();
    void androidResourceNames();
    void tailwindNearest_data();
    void tailwindNearest();
    void tailwindPaletteHasEveryFamily();
};

void TestCodeNotation::texts_data() {
    QTest::addColumn<Colour>("colour");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");
    for (const char* file : {"notations/css-colour4.txt", "notations/platform.txt"}) {
        for (const QStringList& row : tableRows(file))
            QTest::addRow("%s %s", qPrintable(row[0]), qPrintable(row[1]))
                << fromHex(row[0]) << row[1] << row[2];
    }
}

void TestCodeNotation::texts() {
    QFETCH(Colour, colour);
    QFETCH(QString, key);
    QFETCH(QString, expected);
    QCOMPARE(formatters().at(key)(colour), expected);
}

void TestCodeNotation::androidResourceNames_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected");
    QTest::newRow("words") << QStringLiteral("Brand red") << QStringLiteral("brand_red");
    QTest::newRow("runs of others")
        << QStringLiteral("Sky -- blue!") << QStringLiteral("sky_blue_");
    QTest::newRow("letters beyond ASCII")
        << QStringLiteral("Cr\u00E8me") << QStringLiteral("cr_me");
    QTest::newRow("leading digit")
        << QStringLiteral("2nd accent") << QStringLiteral("colour_2nd_accent");
    QTest::newRow("nothing left") << QStringLiteral("***") << QStringLiteral("colour_3");
    QTest::newRow("empty") << QString() << QStringLiteral("colour_3");
}

void TestCodeNotation::androidResourceNames() {
    QFETCH(QString, name);
    QFETCH(QString, expected);
    QCOMPARE(androidResourceName(name, 3), expected);
    QCOMPARE(androidXmlText({0x33, 0x66, 0x99}, expected),
             QStringLiteral("<color name=\"%1\">#FF336699</color>").arg(expected));
}

void TestCodeNotation::tailwindNearest_data() {
    QTest::addColumn<Colour>("colour");
    QTest::addColumn<QString>("stem");
    QTest::addColumn<double>("deltaE");
    for (const QStringList& row : tableRows("notations/tailwind-nearest.txt"))
        QTest::addRow("%s", qPrintable(row[0])) << fromHex(row[0]) << row[1] << row[2].toDouble();
}

void TestCodeNotation::tailwindNearest() {
    QFETCH(Colour, colour);
    QFETCH(QString, stem);
    QFETCH(double, deltaE);
    const TailwindMatch match = nearestTailwindColour(colour);
    QCOMPARE(match.stem, stem);
    QVERIFY(std::abs(match.deltaE - deltaE) <= 0.0015);
}

// Version 4.3 has 26 families of eleven steps, then black and white.
void TestCodeNotation::tailwindPaletteHasEveryFamily() {
    QCOMPARE(tailwindPalette.size(), std::size_t{26 * 11 + 2});
    QCOMPARE(tailwindMatchText({QStringLiteral("sky-700"), 0.0394}),
             QStringLiteral("sky-700, \u0394E 0.039"));
}

QTEST_APPLESS_MAIN(TestCodeNotation)
#include "test_codenotation.moc"
