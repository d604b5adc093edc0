#include "palette/formats/exchangeformat.h"
#include "palette/formats/gimppalette.h"

#include "defaultpalettemarks.h"
#include "testdata.h"

#include <QTest>

using namespace tincta;

namespace {

// Names that need cleaning: blanks, accents, punctuation, a repeat and both placeholders.
PaletteMarks namedMarks() {
    return {{{QStringLiteral("  Caf\u00E9   Cr\u00E8me_1 "), {10, 11, 12}},
             {QStringLiteral("Sky, blue!"), {255, 204, 0}},
             {QString(typeAColourName), {0, 0, 0}},
             {QStringLiteral("SKY  blue"), {255, 255, 255}},
             {QString(notJavaScriptColour), {219, 112, 147}},
             {QStringLiteral("#$% !"), {1, 2, 3}}}};
}

using Format = ExchangeFormat;

PaletteMarks withNames(const QStringList& names) {
    PaletteMarks marks = test::defaultPaletteMarks();
    for (int i = 0; i < paletteMarkCount; ++i) {
        marks[i].name = names.value(i);
    }
    return marks;
}

} // namespace

Q_DECLARE_METATYPE(PaletteMarks)
Q_DECLARE_METATYPE(Format)

class Testpaletteexport : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void golden_data();
    void golden();
    void identifiers_data();
    void identifiers();
    void gimpNameLine_data();
    void gimpNameLine();
    void everyMarkWritten_data();
    void everyMarkWritten();
};

void Testpaletteexport::golden_data() {
    QTest::addColumn<Format>("format");
    QTest::addColumn<PaletteMarks>("marks");
    QTest::addColumn<QString>("paletteFilePath");
    QTest::addColumn<QString>("file");
    const QString saved = QStringLiteral("/home/user/My colours.v2.txt");
    QTest::newRow("GIMP, default") << Format::Gimp << test::defaultPaletteMarks() << ""
                                   << "default.gpl";
    QTest::newRow("GIMP, names") << Format::Gimp << namedMarks() << saved << "names.gpl";
    QTest::newRow("CSS, default") << Format::Css << test::defaultPaletteMarks() << ""
                                  << "default.css";
    QTest::newRow("CSS, names") << Format::Css << namedMarks() << saved << "names.css";
    QTest::newRow("tokens, default") << Format::Tokens << test::defaultPaletteMarks() << ""
                                     << "default.tokens.json";
    QTest::newRow("tokens, names")
        << Format::Tokens << namedMarks() << saved << "names.tokens.json";
    const std::array<std::pair<Format, const char*>, 5> others{{{Format::AdobeSwatches, ".ase"},
                                                                {Format::PhotoshopColours, ".aco"},
                                                                {Format::Scss, ".scss"},
                                                                {Format::Tailwind, ".theme.css"},
                                                                {Format::Android, ".colors.xml"}}};
    for (const auto& [format, suffix] : others) {
        QTest::addRow("%s, default", suffix)
            << format << test::defaultPaletteMarks() << "" << QStringLiteral("default") + suffix;
        QTest::addRow("%s, names", suffix)
            << format << namedMarks() << saved << QStringLiteral("names") + suffix;
    }
}

void Testpaletteexport::golden() {
    QFETCH(Format, format);
    QFETCH(PaletteMarks, marks);
    QFETCH(QString, paletteFilePath);
    QFETCH(QString, file);
    const QByteArray expected = test::readTestData(QStringLiteral("exchange/") + file);
    QVERIFY(!expected.isEmpty());
    const QByteArray bytes = exchangeFormatRow(format).write(marks, paletteFilePath);
    // Line by line first, for a readable failure.
    QCOMPARE(QString::fromUtf8(bytes).split(u'\n'), QString::fromUtf8(expected).split(u'\n'));
    QCOMPARE(bytes, expected);
}

void Testpaletteexport::identifiers_data() {
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("identifiers");
    const QString unnamed = QString(typeAColourName);
    QTest::newRow("repeats count on, also past a name that looks like a repeat")
        << QStringList{"Red", "red", "RED", "red-2", "red 2", unnamed}
        << QStringList{"red", "red-2", "red-3", "red-2-2", "red-2-3", "colour-6"};
    QTest::newRow("a name taking a numbered identifier first")
        << QStringList{"colour-2", unnamed, "", "!!!", "Untitled", "a_b-c"}
        << QStringList{"colour-2", "colour-2-2", "colour-3", "colour-4", "untitled", "a_b-c"};
    QTest::newRow("blanks of every kind, inside and around")
        << QStringList{"a\tb", " a  b ", "a - b", "a\u00A0b", "x .y", "1 2"}
        << QStringList{"a-b", "a-b-2", "a---b", "a-b-3", "x-y", "1-2"};
    QTest::newRow("scripts, combining accents and characters outside the basic plane")
        << QStringList{QStringLiteral("E\u0301t\u00C9"),
                       QStringLiteral("\u0395\u03BB\u03BB\u03AC\u03C2"),
                       QStringLiteral("\u4E2D\u6587"),
                       QStringLiteral("\U0001D49C\U0001F600"),
                       QStringLiteral("\u00BD"),
                       QStringLiteral("\u0661\u0662")}
        << QStringList{QStringLiteral("\u00E9t\u00E9"),
                       QStringLiteral("\u03B5\u03BB\u03BB\u03AC\u03C2"),
                       QStringLiteral("\u4E2D\u6587"),
                       QStringLiteral("\U0001D49C"),
                       "colour-5",
                       QStringLiteral("\u0661\u0662")};
}

void Testpaletteexport::identifiers() {
    QFETCH(QStringList, names);
    QFETCH(QStringList, identifiers);
    QCOMPARE(markIdentifiers(withNames(names)), identifiers);
}

// A name or file name with a line break must not break the line structure of the palette.
void Testpaletteexport::gimpNameLine_data() {
    QTest::addColumn<QString>("paletteFilePath");
    QTest::addColumn<QString>("markName");
    QTest::addColumn<QString>("titleLine");
    QTest::addColumn<QString>("colourLine");
    QTest::newRow("new palette") << ""
                                 << "Sea"
                                 << "Name: Tincta palette"
                                 << "255   0   0\tSea";
    QTest::newRow("several dots") << "/a/b.c/x.y.txt"
                                  << ""
                                  << "Name: x.y"
                                  << "255   0   0\t";
    QTest::newRow("line breaks") << "/a/b\nc.txt"
                                 << "one\r\ntwo"
                                 << "Name: b c"
                                 << "255   0   0\tone  two";
}

void Testpaletteexport::gimpNameLine() {
    QFETCH(QString, paletteFilePath);
    QFETCH(QString, markName);
    QFETCH(QString, titleLine);
    QFETCH(QString, colourLine);
    PaletteMarks marks = test::defaultPaletteMarks();
    marks[0].name = markName;
    const QStringList lines =
        QString::fromUtf8(gimpPaletteBytes(marks, paletteFilePath)).split(u'\n');
    QCOMPARE(lines.size(), 11);
    QCOMPARE(lines[1], titleLine);
    QCOMPARE(lines[4], colourLine);
}

// The pins of the history go out in any number: nine marks give nine colours in every format that
// is only written (those that are read back are checked by the import round trip).
void Testpaletteexport::everyMarkWritten_data() {
    QTest::addColumn<Format>("format");
    for (const ExchangeFormatRow& row : exchangeFormatRows()) {
        if (row.read == nullptr)
            QTest::newRow(row.suffix.data()) << row.format;
    }
}

void Testpaletteexport::everyMarkWritten() {
    QFETCH(Format, format);
    QList<PaletteMark> pins;
    for (int i = 1; i <= 9; ++i)
        pins.append({QStringLiteral("Pin %1").arg(i), {16 * i, 17 * i, 18 * i}});
    const QString text = QString::fromUtf8(exchangeFormatRow(format).write(
        ExportedMarks(pins.constData(), static_cast<std::size_t>(pins.size())), {}));
    for (const PaletteMark& pin : pins)
        QVERIFY2(text.contains(lowerCaseHex(pin.colour).mid(1), Qt::CaseInsensitive),
                 qPrintable(pin.name));
}

QTEST_APPLESS_MAIN(Testpaletteexport)
#include "test_paletteexport.moc"
