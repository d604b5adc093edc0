#include "palette/formats/exchangeformat.h"

#include "testdata.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

using namespace tincta;

namespace {

using Format = ExchangeFormat;

// Through the format's row, as Import reads: a row with the wrong reader fails here.
ImportResult read(Format format, const QByteArray& bytes) {
    return exchangeFormatRow(format).read(bytes);
}

QList<PaletteMark> marksOf(const PaletteMarks& marks) {
    return {marks.begin(), marks.end()};
}

const QByteArray gimpHeader = "GIMP Palette\nName: Test\nColumns: 6\n#\n";

// A design tokens file with one colour token "c" holding the given $value.
QByteArray tokenWithValue(const QByteArray& value) {
    return R"({"c": {"$type": "color", "$value": )" + value + "}}";
}

} // namespace

Q_DECLARE_METATYPE(Format)
Q_DECLARE_METATYPE(ImportProblem)

class Testpaletteimport : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void roundTrip_data();
    void roundTrip();
    void accepted_data();
    void accepted();
    void rejected_data();
    void rejected();
    void failureText_data();
    void failureText();
    void foreignNames_data();
    void foreignNames();
    void shortenedNames_data();
    void shortenedNames();
};

// What is written reads back as the same marks, with placeholders and empty names unnamed.
void Testpaletteimport::roundTrip_data() {
    QTest::addColumn<Format>("format");
    QTest::addColumn<QList<PaletteMark>>("marks");
    QTest::addColumn<QList<PaletteMark>>("expected");
    const QString unnamed = QString(typeAColourName);
    const PaletteMarks named{{{QStringLiteral("Caf\u00E9 cr\u00E8me"), {0, 0, 0}},
                              {QStringLiteral("Sky, blue!"), {255, 255, 255}},
                              {QStringLiteral("sky blue"), {1, 2, 3}},
                              {QStringLiteral("\u4E2D\u6587 \U0001F600"), {128, 127, 129}},
                              {QStringLiteral("#1 \"quoted\"\tname"), {254, 1, 100}},
                              {QStringLiteral("Untitled colour"), {51, 102, 153}}}};
    // A tab cannot stay in a name taken from another program's file.
    PaletteMarks namedRead = named;
    namedRead[4].name = QStringLiteral("#1 \"quoted\" name");
    PaletteMarks placeholders = named;
    placeholders[1].name = QString(notJavaScriptColour);
    placeholders[2].name = QString();
    placeholders[3].name = unnamed;
    PaletteMarks unnamedRead = placeholders;
    unnamedRead[4].name = namedRead[4].name;
    unnamedRead[1].name = unnamedRead[2].name = unnamed;
    // Pins of the history go out in any number.
    const QList<PaletteMark> morePins{{QStringLiteral("Pin 7"), {7, 14, 21}},
                                      {QStringLiteral("Pin 8"), {8, 16, 24}},
                                      {QStringLiteral("Pin 9"), {9, 18, 27}}};
    // Every format that Import offers reads back what Export writes of it.
    for (const ExchangeFormatRow& row : exchangeFormatRows()) {
        if (row.read == nullptr)
            continue;
        const QByteArray name = QByteArray(row.suffix.data(), row.suffix.size());
        QTest::addRow("%s, names", name.constData())
            << row.format << marksOf(named) << marksOf(namedRead);
        QTest::addRow("%s, placeholders", name.constData())
            << row.format << marksOf(placeholders) << marksOf(unnamedRead);
        QTest::addRow("%s, nine pins", name.constData())
            << row.format << marksOf(named) + morePins << marksOf(namedRead) + morePins;
    }
}

void Testpaletteimport::roundTrip() {
    QFETCH(Format, format);
    QFETCH(QList<PaletteMark>, marks);
    QFETCH(QList<PaletteMark>, expected);
    const ExportedMarks exported(marks.constData(), static_cast<std::size_t>(marks.size()));
    const ImportResult result = read(format, exchangeFormatRow(format).write(exported, {}));
    QVERIFY(result.ok());
    QCOMPARE(result.marks, expected);
}

void Testpaletteimport::accepted_data() {
    QTest::addColumn<Format>("format");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QList<PaletteMark>>("marks");
    const QString unnamed = QString(typeAColourName);
    QTest::newRow("GIMP, fewer colours")
        << Format::Gimp << gimpHeader + "1 2 3 Sea\n4 5 6\n"
        << QList<PaletteMark>{{"Sea", {1, 2, 3}}, {unnamed, {4, 5, 6}}};
    QTest::newRow("GIMP, more than six")
        << Format::Gimp << gimpHeader + QByteArray("0 0 0 x\n").repeated(6) + "9 9 9 seventh\n"
        << QList<PaletteMark>(6, {"x", {0, 0, 0}}) + QList<PaletteMark>{{"seventh", {9, 9, 9}}};
    QTest::newRow("GIMP, no Name or Columns, comments, blank lines, CR LF")
        << Format::Gimp << QByteArray("GIMP Palette\r\n# a comment\r\n\r\n  \t\r\n 0 +7 -0\r\n")
        << QList<PaletteMark>{{unnamed, {0, 7, 0}}};
    QTest::newRow("GIMP, columns before name, lone CR, leading zeros, tabs")
        << Format::Gimp
        << QByteArray("GIMP Palette\rColumns: 16\rName: x\r\t007\t0255  000\t\t a b \r")
        << QList<PaletteMark>{{"a b ", {7, 255, 0}}};
    QTest::newRow("GIMP, Untitled unnamed, byte order mark")
        << Format::Gimp << "\xEF\xBB\xBF" + gimpHeader + "1 1 1\tUntitled\n2 2 2\tuntitled"
        << QList<PaletteMark>{{unnamed, {1, 1, 1}}, {"untitled", {2, 2, 2}}};
    QTest::newRow("tokens, hex wins over components")
        << Format::Tokens
        << tokenWithValue(R"({"colorSpace": "srgb", "components": [0, 0, 0], "hex": "#FFcc00"})")
        << QList<PaletteMark>{{"c", {255, 204, 0}}};
    QTest::newRow("tokens, components without hex")
        << Format::Tokens
        << tokenWithValue(R"({"colorSpace": "srgb", "components": [1, 0.5, 0.0039], "alpha": 1})")
        << QList<PaletteMark>{{"c", {255, 128, 1}}};
    QTest::newRow("tokens, older string form") << Format::Tokens << tokenWithValue(R"("#336699")")
                                               << QList<PaletteMark>{{"c", {51, 102, 153}}};
    QTest::newRow("tokens, mark numbers before the rest, groups, inherited type")
        << Format::Tokens << QByteArray(R"({
            "a": {"$type": "color", "$value": "#000001"},
            "brand": {"$type": "color", "b": {"$value": "#000002", "$description": "Bee"},
                      "size": {"$type": "dimension", "$value": {"value": 4, "unit": "px"}}},
            "alias": {"$type": "color", "$value": "{brand.b}"},
            "z": {"$type": "color", "$value": "#000003",
                  "$extensions": {"io.github.tincta": {"mark": 1}}},
            "untyped": {"$value": "#000004"}})")
        << QList<PaletteMark>{{unnamed, {0, 0, 3}}, {"a", {0, 0, 1}}, {"Bee", {0, 0, 2}}};
    QTest::newRow("tokens, line breaks and half a pair in keys and descriptions")
        << Format::Tokens << QByteArray(R"({
            "sky": {"$type": "color", "$value": "#336699", "$description": "Sky\r\nblue"},
            "sea\nside": {"$type": "color", "$value": "#000001"},
            "x": {"$type": "color", "$value": "#000002", "$description": "Sky\ud800x"}})")
        << QList<PaletteMark>{{"sea side", {0, 0, 1}},
                              {"Sky blue", {51, 102, 153}},
                              {QStringLiteral("Sky\uFFFDx"), {0, 0, 2}}};
    QTest::newRow("GIMP, controls in a name") << Format::Gimp
                                              << gimpHeader + "1 2 3 a\tb\x01\x1F"
                                                              "z\x7F\n"
                                              << QList<PaletteMark>{{"a b z ", {1, 2, 3}}};
}

void Testpaletteimport::accepted() {
    QFETCH(Format, format);
    QFETCH(QByteArray, bytes);
    QFETCH(QList<PaletteMark>, marks);
    const ImportResult result = read(format, bytes);
    QVERIFY2(result.ok(), qPrintable(result.failure->text()));
    QCOMPARE(result.marks, marks);
}

void Testpaletteimport::rejected_data() {
    QTest::addColumn<Format>("format");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<ImportProblem>("problem");
    QTest::addColumn<int>("line");
    const QByteArray twoMiB = gimpHeader + QByteArray("0 0 0\n").repeated(2 * 1024 * 1024 / 6);
    QTest::newRow("GIMP, 2 MiB") << Format::Gimp << twoMiB << ImportProblem::TooLarge << 0;
    QTest::newRow("GIMP, just over 1 MiB")
        << Format::Gimp << gimpHeader + QByteArray(importMaxBytes - gimpHeader.size() + 1, '\n')
        << ImportProblem::TooLarge << 0;
    QTest::newRow("GIMP, empty") << Format::Gimp << QByteArray() << ImportProblem::WrongHeader << 1;
    QTest::newRow("GIMP, header in other case")
        << Format::Gimp << QByteArray("GIMP palette\n0 0 0\n") << ImportProblem::WrongHeader << 1;
    QTest::newRow("GIMP, header cut short")
        << Format::Gimp << QByteArray("GIMP Pal") << ImportProblem::WrongHeader << 1;
    QTest::newRow("GIMP, header only")
        << Format::Gimp << gimpHeader << ImportProblem::NoColours << 0;
    QTest::newRow("GIMP, cut inside a colour line")
        << Format::Gimp << gimpHeader + "255 0" << ImportProblem::MissingField << 5;
    QTest::newRow("GIMP, cut inside a character")
        << Format::Gimp << gimpHeader + "0 0 0 Caf\xC3" << ImportProblem::NotUtf8 << 0;
    QTest::newRow("GIMP, one value") << Format::Gimp << gimpHeader + "0 0 0\n7\n"
                                     << ImportProblem::MissingField << 6;
    QTest::newRow("GIMP, 256") << Format::Gimp << gimpHeader + "0 256 0\n"
                               << ImportProblem::OutOfRange << 5;
    QTest::newRow("GIMP, negative") << Format::Gimp << gimpHeader + "0 0 -1\n"
                                    << ImportProblem::OutOfRange << 5;
    QTest::newRow("GIMP, many digits") << Format::Gimp << gimpHeader + "99999999999999 0 0\n"
                                       << ImportProblem::OutOfRange << 5;
    QTest::newRow("GIMP, fraction") << Format::Gimp << gimpHeader + "0.5 0 0\n"
                                    << ImportProblem::NotANumber << 5;
    QTest::newRow("GIMP, hex") << Format::Gimp << gimpHeader + "0xFF 0 0\n"
                               << ImportProblem::NotANumber << 5;
    QTest::newRow("GIMP, commas") << Format::Gimp << gimpHeader + "1,2,3\n"
                                  << ImportProblem::NotANumber << 5;
    QTest::newRow("GIMP, broken line after the sixth colour")
        << Format::Gimp << gimpHeader + QByteArray("0 0 0\n").repeated(6) + "x\n"
        << ImportProblem::NotANumber << 11;
    QTest::newRow("GIMP, Name line among colours")
        << Format::Gimp << gimpHeader + "0 0 0\nName: late\n"
        << ImportProblem::NotANumber << 6;
    QTest::newRow("tokens, 2 MiB") << Format::Tokens << QByteArray(2 * 1024 * 1024, ' ') + "{}"
                                   << ImportProblem::TooLarge << 0;
    QTest::newRow("tokens, empty") << Format::Tokens << QByteArray() << ImportProblem::NotJson << 0;
    QTest::newRow("tokens, cut short")
        << Format::Tokens << tokenWithValue(R"("#336699")").chopped(1) << ImportProblem::NotJson
        << 0;
    QTest::newRow("tokens, array")
        << Format::Tokens << QByteArray("[]") << ImportProblem::NotTokens << 0;
    QTest::newRow("tokens, no colours")
        << Format::Tokens << QByteArray(R"({"s": {"$type": "dimension", "$value": "4px"}})")
        << ImportProblem::NoColours << 0;
    QTest::newRow("tokens, bad hex wins over good components")
        << Format::Tokens
        << tokenWithValue(R"({"colorSpace": "srgb", "components": [0, 0, 0], "hex": "#12345"})")
        << ImportProblem::UnreadableColour << 0;
    QTest::newRow("tokens, component over 1")
        << Format::Tokens << tokenWithValue(R"({"colorSpace": "srgb", "components": [0, 1.5, 0]})")
        << ImportProblem::UnreadableColour << 0;
    QTest::newRow("tokens, component not a number")
        << Format::Tokens << tokenWithValue(R"({"colorSpace": "srgb", "components": [0, "1", 0]})")
        << ImportProblem::UnreadableColour << 0;
    QTest::newRow("tokens, other colour space without hex")
        << Format::Tokens
        << tokenWithValue(R"({"colorSpace": "oklch", "components": [0.5, 0.1, 200]})")
        << ImportProblem::UnreadableColour << 0;
    QTest::newRow("tokens, string without #")
        << Format::Tokens << tokenWithValue(R"("336699")") << ImportProblem::UnreadableColour << 0;
    QTest::newRow("tokens, number")
        << Format::Tokens << tokenWithValue("7") << ImportProblem::UnreadableColour << 0;
}

void Testpaletteimport::rejected() {
    QFETCH(Format, format);
    QFETCH(QByteArray, bytes);
    QFETCH(ImportProblem, problem);
    QFETCH(int, line);
    const ImportResult result = read(format, bytes);
    QVERIFY(!result.ok());
    QVERIFY(result.marks.isEmpty());
    QCOMPARE(result.failure->problem, problem);
    QCOMPARE(result.failure->line, line);
    QVERIFY(!result.failure->text().isEmpty());
}

void Testpaletteimport::failureText_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<Format>("format");
    QTest::addColumn<QString>("text");
    QTest::newRow("line") << gimpHeader + "\n0 0 300\n"
                          << Format::Gimp << "Line 6: a colour value is outside 0 to 255.";
    QTest::newRow("token path")
        << QByteArray(R"({"brand": {"$type": "color", "sea": {"$value": "blue"}}})")
        << Format::Tokens << "The colour of the token \"brand.sea\" cannot be read.";
}

void Testpaletteimport::failureText() {
    QFETCH(QByteArray, bytes);
    QFETCH(Format, format);
    QFETCH(QString, text);
    QCOMPARE(read(format, bytes).failure->text(), text);
}

// Control characters and halves of surrogate pairs as a JSON table, which can spell both.
void Testpaletteimport::foreignNames_data() {
    QTest::addColumn<QString>("raw");
    QTest::addColumn<QString>("name");
    const QJsonArray rows =
        QJsonDocument::fromJson(test::readTestData(QStringLiteral("exchange/foreign-names.json")))
            .array();
    QVERIFY(!rows.isEmpty());
    for (const QJsonValue& row : rows) {
        const QJsonObject fields = row.toObject();
        QTest::newRow(qPrintable(fields.value(QLatin1String("row")).toString()))
            << fields.value(QLatin1String("raw")).toString()
            << fields.value(QLatin1String("name")).toString();
    }
}

void Testpaletteimport::foreignNames() {
    QFETCH(QString, raw);
    QFETCH(QString, name);
    const ForeignName cleaned = foreignName(raw);
    QCOMPARE(cleaned.name, name);
    QVERIFY(!cleaned.shortened);
}

// Names are cut to 255 characters, a pair counting as one and never split; the count is of the
// colours taken, so a long name after the sixth colour is not counted when the first six are.
void Testpaletteimport::shortenedNames_data() {
    QTest::addColumn<QStringList>("names");  // one colour each, in order
    QTest::addColumn<QList<int>>("lengths"); // of the imported names, in UTF-16 units
    QTest::addColumn<int>("shortened");
    const QString emoji = QStringLiteral("\U0001F600");
    const auto as = [](int count) { return QString(count, QLatin1Char('a')); };
    QTest::newRow("255 kept") << QStringList{as(255)} << QList<int>{255} << 0;
    QTest::newRow("256 cut") << QStringList{as(256)} << QList<int>{255} << 1;
    QTest::newRow("600,000 and 300 cut, 20 kept")
        << QStringList{as(600000), as(20), as(300)} << QList<int>{255, 20, 255} << 2;
    QTest::newRow("pairs count as one character")
        << QStringList{emoji.repeated(255), as(254) + emoji} << QList<int>{510, 256} << 0;
    QTest::newRow("a pair is never split")
        << QStringList{as(254) + emoji + "b", as(255) + emoji} << QList<int>{256, 255} << 2;
    QTest::newRow("seventh not counted")
        << QStringList{as(1), as(1), as(1), as(1), as(1), as(1), as(300)}
        << QList<int>{1, 1, 1, 1, 1, 1, 255} << 0;
}

void Testpaletteimport::shortenedNames() {
    QFETCH(QStringList, names);
    QFETCH(QList<int>, lengths);
    QFETCH(int, shortened);
    QByteArray gimp = gimpHeader;
    for (const QString& name : names)
        gimp += "1 2 3 " + name.toUtf8() + "\n";
    for (const Format format : {Format::Gimp, Format::Tokens}) {
        QJsonObject tokens;
        for (qsizetype i = 0; i < names.size(); ++i)
            tokens.insert(
                QString::number(i + 10),
                QJsonObject{{"$type", "color"}, {"$value", "#010203"}, {"$description", names[i]}});
        const ImportResult result =
            read(format, format == Format::Gimp ? gimp : QJsonDocument(tokens).toJson());
        QVERIFY(result.ok());
        QList<int> read;
        for (const PaletteMark& mark : result.marks)
            read.append(static_cast<int>(mark.name.size()));
        QCOMPARE(read, lengths);
        QList<qsizetype> firstSix;
        for (qsizetype i = 0; i < std::min<qsizetype>(names.size(), paletteMarkCount); ++i)
            firstSix.append(i);
        QCOMPARE(result.shortenedAmong(firstSix), shortened);
        QCOMPARE(result.shortenedAmong({6}), names.size() > 6 ? 1 : 0);
    }
}

QTEST_APPLESS_MAIN(Testpaletteimport)
#include "test_paletteimport.moc"
