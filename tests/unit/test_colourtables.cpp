#include "colour/colourtables.h"

#include "testdata.h"

#include <QRandomGenerator>
#include <QSet>
#include <QTest>

#include <algorithm>

using namespace tincta;

namespace {

struct NamedHex {
    QString name;
    QString hex; // "#RRGGBB"
};

// The published CSS colour keywords without the alternative grey spellings, one
// "name #RRGGBB" a line in plain character order, kept apart from the program's own table.
QList<NamedHex> expectedJavaScriptColours() {
    QList<NamedHex> entries;
    const QByteArray data =
        test::readTestData(QStringLiteral("colourtables/javascript-colours.txt"));
    for (const QByteArray& line : data.split('\n')) {
        if (line.isEmpty()) {
            continue;
        }
        const QList<QByteArray> fields = line.split(' ');
        entries.append(
            {QString::fromLatin1(fields.value(0)), QString::fromLatin1(fields.value(1))});
    }
    return entries;
}

QStringList expectedDotNetOrder() {
    QStringList names;
    const QByteArray data = test::readTestData(QStringLiteral("colourtables/dotnet-order.txt"));
    for (const QByteArray& line : data.split('\n')) {
        if (!line.isEmpty()) {
            names.append(QString::fromLatin1(line));
        }
    }
    return names;
}

PackedColour packedFromHex(const QString& hex) {
    bool ok = false;
    const uint rgb = hex.mid(1).toUInt(&ok, 16);
    Q_ASSERT(ok && hex.size() == 7);
    return pack(static_cast<int>(rgb >> 16), static_cast<int>((rgb >> 8) & 0xFF),
                static_cast<int>(rgb & 0xFF));
}

QString hexOf(PackedColour colour) {
    const Colour c = unpack(colour);
    return QStringLiteral("#%1%2%3")
        .arg(c.red, 2, 16, QLatin1Char('0'))
        .arg(c.green, 2, 16, QLatin1Char('0'))
        .arg(c.blue, 2, 16, QLatin1Char('0'))
        .toUpper();
}

template <std::size_t N>
int firstIndexByScan(const std::array<PackedColour, N>& table, PackedColour colour) {
    const auto found = std::find(table.begin(), table.end(), colour);
    return found == table.end() ? -1 : static_cast<int>(found - table.begin());
}

// The letters by plain scans of the public tables, to hold the fast lookups against.
QString lettersByScan(PackedColour colour) {
    const ColourTables& t = colourTables();
    QString letters;
    if (firstIndexByScan(t.websafeColours, colour) >= 0) {
        letters += QLatin1Char('W');
    }
    if (firstIndexByScan(t.failsafeColours, colour) >= 0) {
        letters += QLatin1Char('F');
    }
    if (firstIndexByScan(t.javaScriptColours, colour) >= 0) {
        letters += QLatin1Char('J');
    }
    return letters;
}

} // namespace

class Testcolourtables : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void builtOnce();
    void hexBytes_data();
    void hexBytes();
    void hexBytesAll();
    void websafe_data();
    void websafe();
    void websafeFormula();
    void failsafe_data();
    void failsafe();
    void javaScriptNamesAndColours();
    void javaScriptIndexes_data();
    void javaScriptIndexes();
    void javaScriptCaptions();
    void dotNetOrder();
    void dotNetCaptions_data();
    void dotNetCaptions();
    void captionsHoldSameTexts();
    void captionShape();
    void propertyLetters_data();
    void propertyLetters();
    void propertyLettersMatchScan();
    void propertyLettersRules();
    void javaScriptIndex_data();
    void javaScriptIndex();
    void javaScriptName_data();
    void javaScriptName();
};

void Testcolourtables::builtOnce() {
    QCOMPARE(&buildColourTables(), &buildColourTables());
    QCOMPARE(&colourTables(), &buildColourTables());
}

void Testcolourtables::hexBytes_data() {
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("0") << 0 << "00";
    QTest::newRow("1") << 1 << "01";
    QTest::newRow("10") << 10 << "0A";
    QTest::newRow("171") << 171 << "AB";
    QTest::newRow("255") << 255 << "FF";
}

void Testcolourtables::hexBytes() {
    QFETCH(int, value);
    QFETCH(QString, expected);
    QCOMPARE(colourTables().hexBytes[value], expected);
}

void Testcolourtables::hexBytesAll() {
    for (int v = 0; v < 256; ++v) {
        QCOMPARE(colourTables().hexBytes[v],
                 QStringLiteral("%1").arg(v, 2, 16, QLatin1Char('0')).toUpper());
    }
}

void Testcolourtables::websafe_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("hex");
    QTest::newRow("0") << 0 << "#000000";
    QTest::newRow("1") << 1 << "#000033";
    QTest::newRow("5") << 5 << "#0000FF";
    QTest::newRow("6") << 6 << "#003300";
    QTest::newRow("36") << 36 << "#330000";
    QTest::newRow("41") << 41 << "#3300FF";
    QTest::newRow("215") << 215 << "#FFFFFF";
}

void Testcolourtables::websafe() {
    QFETCH(int, index);
    QFETCH(QString, hex);
    QCOMPARE(hexOf(colourTables().websafeColours[index]), hex);
    QCOMPARE(hexOf(pack(colourTables().websafeRgb[index])), hex);
}

void Testcolourtables::websafeFormula() {
    const ColourTables& t = colourTables();
    const int steps[] = {0, 51, 102, 153, 204, 255};
    int i = 0;
    for (int r : steps) {
        for (int g : steps) {
            for (int b : steps) {
                QCOMPARE(t.websafeRgb[i], (Colour{r, g, b}));
                QCOMPARE(t.websafeColours[i], pack(r, g, b));
                ++i;
            }
        }
    }
    QCOMPARE(i, websafeCount);
}

void Testcolourtables::failsafe_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("hex");
    QTest::addColumn<uint>("packed");
    const struct {
        const char* hex;
        uint packed;
    } rows[] = {
        {"#000000", 0},        {"#800080", 8388736},  {"#000080", 8388608},  {"#008080", 8421376},
        {"#008000", 32768},    {"#808000", 32896},    {"#800000", 128},      {"#808080", 8421504},
        {"#FF00FF", 16711935}, {"#0000FF", 16711680}, {"#00FFFF", 16776960}, {"#00FF00", 65280},
        {"#FFFF00", 65535},    {"#FF0000", 255},      {"#C0C0C0", 12632256}, {"#FFFFFF", 16777215},
    };
    int index = 0;
    for (const auto& row : rows) {
        QTest::addRow("%d %s", index, row.hex)
            << index << QString::fromLatin1(row.hex) << row.packed;
        ++index;
    }
    QCOMPARE(index, failsafeCount);
}

void Testcolourtables::failsafe() {
    QFETCH(int, index);
    QFETCH(QString, hex);
    QFETCH(uint, packed);
    QCOMPARE(colourTables().failsafeHex[index], hex);
    QCOMPARE(colourTables().failsafeColours[index], packed);
}

void Testcolourtables::javaScriptNamesAndColours() {
    const QList<NamedHex> expected = expectedJavaScriptColours();
    QCOMPARE(expected.size(), javaScriptCount);
    const ColourTables& t = colourTables();
    for (int i = 0; i < javaScriptCount; ++i) {
        QCOMPARE(t.javaScriptNames[i], expected[i].name);
        QCOMPARE(t.javaScriptColours[i], packedFromHex(expected[i].hex));
    }
    // Plain character order, lower case, without blanks.
    for (int i = 1; i < javaScriptCount; ++i) {
        QVERIFY2(t.javaScriptNames[i - 1] < t.javaScriptNames[i], qPrintable(t.javaScriptNames[i]));
    }
    for (const QString& name : t.javaScriptNames) {
        QCOMPARE(name, name.toLower());
        QVERIFY(!name.contains(QLatin1Char(' ')));
    }
}

void Testcolourtables::javaScriptIndexes_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("name");
    QTest::newRow("first") << 0 << "aliceblue";
    QTest::newRow("aqua") << 2 << "aqua";
    QTest::newRow("blanchedalmond") << 8 << "blanchedalmond";
    QTest::newRow("cyan") << 20 << "cyan";
    QTest::newRow("fuchsia") << 45 << "fuchsia";
    QTest::newRow("lightgrey") << 68 << "lightgrey";
    QTest::newRow("magenta") << 79 << "magenta";
    QTest::newRow("last") << 139 << "yellowgreen";
}

void Testcolourtables::javaScriptIndexes() {
    QFETCH(int, index);
    QFETCH(QString, name);
    QCOMPARE(colourTables().javaScriptNames[index], name);
}

void Testcolourtables::javaScriptCaptions() {
    const QList<NamedHex> expected = expectedJavaScriptColours();
    QCOMPARE(expected.size(), javaScriptCount);
    const ColourTables& t = colourTables();
    for (int i = 0; i < javaScriptCount; ++i) {
        QCOMPARE(t.javaScriptCaptions[i], expected[i].name + QLatin1Char(' ') + expected[i].hex);
    }
    QCOMPARE(t.javaScriptCaptions[0], QStringLiteral("aliceblue #F0F8FF"));
    QCOMPARE(t.javaScriptCaptions[8], QStringLiteral("blanchedalmond #FFEBCD"));
}

void Testcolourtables::dotNetOrder() {
    const QStringList order = expectedDotNetOrder();
    QCOMPARE(order.size(), javaScriptCount);
    const QList<NamedHex> named = expectedJavaScriptColours();
    QCOMPARE(named.size(), javaScriptCount);
    const ColourTables& t = colourTables();
    for (int i = 0; i < javaScriptCount; ++i) {
        const auto entry = std::find_if(named.begin(), named.end(),
                                        [&](const NamedHex& n) { return n.name == order[i]; });
        QVERIFY2(entry != named.end(), qPrintable(order[i]));
        QCOMPARE(t.dotNetColours[i], packedFromHex(entry->hex));
        QCOMPARE(t.dotNetCaptions[i], entry->name + QLatin1Char(' ') + entry->hex);
    }
}

void Testcolourtables::dotNetCaptions_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("caption");
    QTest::newRow("first") << 0 << "black #000000";
    QTest::newRow("blanchedalmond") << 39 << "blanchedalmond #FFEBCD";
    QTest::newRow("aqua before cyan") << 89 << "aqua #00FFFF";
    QTest::newRow("cyan") << 90 << "cyan #00FFFF";
    QTest::newRow("magenta before fuchsia") << 129 << "magenta #FF00FF";
    QTest::newRow("fuchsia") << 130 << "fuchsia #FF00FF";
    QTest::newRow("last") << 139 << "lightpink #FFB6C1";
}

void Testcolourtables::dotNetCaptions() {
    QFETCH(int, index);
    QFETCH(QString, caption);
    QCOMPARE(colourTables().dotNetCaptions[index], caption);
}

void Testcolourtables::captionsHoldSameTexts() {
    const ColourTables& t = colourTables();
    QStringList js(t.javaScriptCaptions.begin(), t.javaScriptCaptions.end());
    QStringList dotNet(t.dotNetCaptions.begin(), t.dotNetCaptions.end());
    QVERIFY(js != dotNet);
    js.sort();
    dotNet.sort();
    QCOMPARE(dotNet, js);
    QCOMPARE(QSet<QString>(js.begin(), js.end()).size(), javaScriptCount);
}

// Consumers take the name as the caption without its last 8 characters and the hex digits as its
// last 6 characters.
void Testcolourtables::captionShape() {
    const ColourTables& t = colourTables();
    for (int i = 0; i < javaScriptCount; ++i) {
        const QString& caption = t.javaScriptCaptions[i];
        QCOMPARE(caption.chopped(8), t.javaScriptNames[i]);
        QCOMPARE(caption.right(8).left(2), QStringLiteral(" #"));
        QCOMPARE(QLatin1Char('#') + caption.right(6), hexOf(t.javaScriptColours[i]));
    }
    for (int i = 0; i < javaScriptCount; ++i) {
        QCOMPARE(QLatin1Char('#') + t.dotNetCaptions[i].right(6), hexOf(t.dotNetColours[i]));
    }
}

void Testcolourtables::propertyLetters_data() {
    QTest::addColumn<QString>("hex");
    QTest::addColumn<QString>("letters");
    QTest::newRow("red") << "#FF0000"
                         << "WFJ";
    QTest::newRow("purple") << "#800080"
                            << "FJ";
    QTest::newRow("silver") << "#C0C0C0"
                            << "FJ";
    QTest::newRow("websafe only") << "#330000"
                                  << "W";
    QTest::newRow("aliceblue") << "#F0F8FF"
                               << "J";
    QTest::newRow("none") << "#123456"
                          << "";
    QTest::newRow("black") << "#000000"
                           << "WFJ";
    QTest::newRow("white") << "#FFFFFF"
                           << "WFJ";
    QTest::newRow("aqua") << "#00FFFF"
                          << "WFJ";
    QTest::newRow("websafe FFCC00") << "#FFCC00"
                                    << "W";
    QTest::newRow("near websafe") << "#FFCC01"
                                  << "";
}

void Testcolourtables::propertyLetters() {
    QFETCH(QString, hex);
    QFETCH(QString, letters);
    QCOMPARE(tincta::propertyLetters(packedFromHex(hex)), letters);
}

// The fast lookups agree with plain scans on every table colour, its near neighbours and a
// spread of other colours, including values beyond 24 bits.
void Testcolourtables::propertyLettersMatchScan() {
    const ColourTables& t = colourTables();
    QList<PackedColour> colours;
    const auto addAround = [&](PackedColour c) {
        const Colour rgb = unpack(c);
        for (int d = -1; d <= 1; ++d) {
            colours.append(pack(qBound(0, rgb.red + d, 255), rgb.green, rgb.blue));
            colours.append(pack(rgb.red, qBound(0, rgb.green + d, 255), rgb.blue));
            colours.append(pack(rgb.red, rgb.green, qBound(0, rgb.blue + d, 255)));
        }
    };
    std::for_each(t.websafeColours.begin(), t.websafeColours.end(), addAround);
    std::for_each(t.failsafeColours.begin(), t.failsafeColours.end(), addAround);
    std::for_each(t.javaScriptColours.begin(), t.javaScriptColours.end(), addAround);
    QRandomGenerator random(20050101);
    for (int i = 0; i < 20000; ++i) {
        colours.append(random.bounded(0x1000000u));
    }
    colours.append(0x1000000u);
    colours.append(0xFFFFFFFFu);
    for (PackedColour c : colours) {
        QCOMPARE(tincta::propertyLetters(c), lettersByScan(c));
        QCOMPARE(tincta::javaScriptIndex(c), firstIndexByScan(t.javaScriptColours, c));
    }
}

// With these tables F never comes without J, and W comes with J only together with F.
void Testcolourtables::propertyLettersRules() {
    const ColourTables& t = colourTables();
    for (PackedColour c : t.failsafeColours) {
        QVERIFY(tincta::propertyLetters(c).endsWith(QStringLiteral("FJ")));
    }
    for (PackedColour c : t.javaScriptColours) {
        const QString letters = tincta::propertyLetters(c);
        QVERIFY2(letters == QStringLiteral("J") || letters == QStringLiteral("FJ") ||
                     letters == QStringLiteral("WFJ"),
                 qPrintable(letters));
    }
}

void Testcolourtables::javaScriptIndex_data() {
    QTest::addColumn<QString>("hex");
    QTest::addColumn<int>("index");
    QTest::newRow("aqua before cyan") << "#00FFFF" << 2;
    QTest::newRow("fuchsia before magenta") << "#FF00FF" << 45;
    QTest::newRow("aliceblue") << "#F0F8FF" << 0;
    QTest::newRow("yellowgreen") << "#9ACD32" << 139;
    QTest::newRow("lightgrey") << "#D3D3D3" << 68;
    QTest::newRow("none") << "#123456" << -1;
}

void Testcolourtables::javaScriptIndex() {
    QFETCH(QString, hex);
    QFETCH(int, index);
    QCOMPARE(tincta::javaScriptIndex(packedFromHex(hex)), index);
}

void Testcolourtables::javaScriptName_data() {
    QTest::addColumn<QString>("hex");
    QTest::addColumn<QString>("name");
    QTest::newRow("aqua shown as cyan") << "#00FFFF"
                                        << "cyan";
    QTest::newRow("fuchsia shown as magenta") << "#FF00FF"
                                              << "magenta";
    QTest::newRow("aliceblue") << "#F0F8FF"
                               << "aliceblue";
    QTest::newRow("red") << "#FF0000"
                         << "red";
    QTest::newRow("gray") << "#808080"
                          << "gray";
    QTest::newRow("lightgrey") << "#D3D3D3"
                               << "lightgrey";
    QTest::newRow("none") << "#123456"
                          << "";
}

void Testcolourtables::javaScriptName() {
    QFETCH(QString, hex);
    QFETCH(QString, name);
    QCOMPARE(tincta::javaScriptName(packedFromHex(hex)), name);
}

QTEST_APPLESS_MAIN(Testcolourtables)
#include "test_colourtables.moc"
