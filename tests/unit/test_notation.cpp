#include "colour/notation.h"

#include "testdata.h"

#include <QTest>

using namespace tincta;

Q_DECLARE_METATYPE(tincta::Colour)

namespace {

// The lines of notation/stored-forms.txt: list name, FormatIndex and CssFormat.
QList<QStringList> storedFormTable() {
    QList<QStringList> table;
    const QString text =
        QString::fromUtf8(test::readTestData(QStringLiteral("notation/stored-forms.txt")));
    for (const QString& line : text.split(u'\n', Qt::SkipEmptyParts)) {
        if (line.startsWith(u'#'))
            continue;
        QStringList fields = line.split(u'|');
        for (QString& field : fields)
            field = field.trimmed();
        table.append(fields);
    }
    return table;
}

} // namespace

class Testnotation : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void notationNames();
    void notationText_data();
    void notationText();
    void indexOutOfRange_data();
    void indexOutOfRange();
    void customTemplate_data();
    void customTemplate();
    void customNotationUsesTemplate();
    void laterExamplesShowTheirText_data();
    void laterExamplesShowTheirText();
    void androidXmlNamesTheMark_data();
    void androidXmlNamesTheMark();
    void storedForms_data();
    void storedForms();
    void storedFormsCoverEveryNotation();
    void readableNotationsReadTheirOwnText_data();
    void readableNotationsReadTheirOwnText();
};

void Testnotation::notationNames() {
    const QStringList expected{
        QStringLiteral("HTML Hex"),    QStringLiteral("Lower Case HTML Hex"),
        QStringLiteral("VB Hex"),      QStringLiteral("VB"),
        QStringLiteral("C++ Hex"),     QStringLiteral("Delphi Hex"),
        QStringLiteral("Access"),      QStringLiteral(".NET HTML"),
        QStringLiteral(".NET OLE"),    QStringLiteral(".NET Win32"),
        QStringLiteral("Java"),        QStringLiteral("Custom"),
        QStringLiteral("CSS rgb()"),   QStringLiteral("CSS hsl()"),
        QStringLiteral("CSS oklch()"),
    };
    // The list as earlier versions had it, then the later notations.
    QCOMPARE(tincta::notationNames().mid(0, expected.size()), expected);
    QCOMPARE(tincta::notationNames().size(), notationCount);
    QCOMPARE(notationCount, 30);
    QCOMPARE(tincta::notationNames().at(listRow(Notation::Custom)), QStringLiteral("Custom"));
}

void Testnotation::notationText_data() {
    QTest::addColumn<Colour>("colour");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("expected");
    const struct {
        const char* label;
        Colour colour;
        const char* texts[11];
    } rows[] = {
        {"black",
         {0, 0, 0},
         {"#000000", "#000000", "&H00000000&", "RGB(0, 0, 0)", "0x00000000", "$00000000", "0",
          "ColorTranslator.FromHtml(\"#000000\")", "ColorTranslator.FromOle(0)",
          "ColorTranslator.FromWin32(0)", "Color(0,0,0)"}},
        {"white",
         {255, 255, 255},
         {"#FFFFFF", "#ffffff", "&H00FFFFFF&", "RGB(255, 255, 255)", "0x00ffffff", "$00FFFFFF",
          "16777215", "ColorTranslator.FromHtml(\"#FFFFFF\")", "ColorTranslator.FromOle(16777215)",
          "ColorTranslator.FromWin32(16777215)", "Color(255,255,255)"}},
        {"10,11,12",
         {10, 11, 12},
         {"#0A0B0C", "#0a0b0c", "&H000C0B0A&", "RGB(10, 11, 12)", "0x000c0b0a", "$000C0B0A",
          "789258", "ColorTranslator.FromHtml(\"#0A0B0C\")", "ColorTranslator.FromOle(789258)",
          "ColorTranslator.FromWin32(789258)", "Color(10,11,12)"}},
        {"255,204,0",
         {255, 204, 0},
         {"#FFCC00", "#ffcc00", "&H0000CCFF&", "RGB(255, 204, 0)", "0x0000ccff", "$0000CCFF",
          "52479", "ColorTranslator.FromHtml(\"#FFCC00\")", "ColorTranslator.FromOle(52479)",
          "ColorTranslator.FromWin32(52479)", "Color(255,204,0)"}},
    };
    // The CSS notations follow Custom in the list; their own tables test the texts.
    QTest::newRow("CSS rgb()") << Colour{255, 204, 0} << listRow(Notation::CssRgb)
                               << QStringLiteral("rgb(255 204 0)");
    QTest::newRow("CSS hsl()") << Colour{255, 204, 0} << listRow(Notation::CssHsl)
                               << QStringLiteral("hsl(48 100% 50%)");
    QTest::newRow("CSS oklch()") << Colour{255, 204, 0} << listRow(Notation::CssOklch)
                                 << QStringLiteral("oklch(86.5% 0.177 90.4)");
    for (const auto& row : rows) {
        for (int index = 0; index < 11; ++index) {
            QTest::addRow("%s %d", row.label, index)
                << row.colour << index << QString::fromLatin1(row.texts[index]);
        }
    }
}

void Testnotation::notationText() {
    QFETCH(Colour, colour);
    QFETCH(int, index);
    QFETCH(QString, expected);
    // The custom template plays no part in the built-in notations.
    QCOMPARE(tincta::notationText(index, colour, QString()), expected);
    QCOMPARE(tincta::notationText(index, colour, QStringLiteral("%UR%")), expected);
}

void Testnotation::indexOutOfRange_data() {
    QTest::addColumn<int>("index");
    QTest::newRow("no selection") << -1;
    QTest::newRow("past the list") << notationCount;
    QTest::newRow("large") << 1000;
    QTest::newRow("very negative") << std::numeric_limits<int>::min();
}

void Testnotation::indexOutOfRange() {
    QFETCH(int, index);
    QCOMPARE(tincta::notationText(index, Colour{255, 204, 0}, QStringLiteral("#%UR%")),
             std::optional<QString>());
}

void Testnotation::customTemplate_data() {
    QTest::addColumn<QString>("customTemplate");
    QTest::addColumn<Colour>("colour");
    QTest::addColumn<QString>("expected");
    const Colour gold{255, 204, 0};
    const Colour ordinary{10, 171, 12};
    QTest::newRow("html hex") << "#%UR%%UG%%UB%" << gold << "#FFCC00";
    QTest::newRow("lower case code not recognised") << "%lr%" << gold << "%lr%";
    QTest::newRow("mixed case code not recognised") << "%Ur%%uR%" << gold << "%Ur%%uR%";
    QTest::newRow("repeated code") << "%UR%%UR%" << gold << "FFFF";
    QTest::newRow("every code") << "%UR% %UG% %UB% %LR% %LG% %LB% %DR% %DG% %DB% %LD%" << ordinary
                                << "0A AB 0C 0a ab 0c 10 171 12 830218";
    QTest::newRow("palette file example")
        << "%UR%%UG%%UB% (%DR%)" << Colour{255, 0, 0} << "FF0000 (255)";
    // "%" "%UR%" "%" with red 219 (DB) becomes "%DB%", which is then the decimal blue value.
    QTest::newRow("code formed by an earlier replacement")
        << "%%UR%%" << Colour{219, 1, 42} << "42";
    QTest::newRow("code formed from green") << "%%UG%%-%DB%" << Colour{1, 219, 7} << "7-7";
    QTest::newRow("no code formed from lower case") << "%%LR%%" << Colour{219, 1, 42} << "%db%";
    QTest::newRow("empty template") << "" << gold << "";
    QTest::newRow("no codes") << "plain text, 100%" << gold << "plain text, 100%";
    QTest::newRow("lone percent signs") << "%%%" << gold << "%%%";
    QTest::newRow("unknown code") << "%XX%%UR" << gold << "%XX%%UR";
    QTest::newRow("packed") << "0x%LD%" << gold << "0x52479";
    QTest::newRow("non-latin text kept")
        << QStringLiteral("\u03B1%DG%\u4E2D") << gold << QStringLiteral("\u03B1204\u4E2D");
    QTest::newRow("black decimal") << "%DR%,%DG%,%DB%" << Colour{0, 0, 0} << "0,0,0";
    // The codes added for code: fractions, hsl() and oklch() values, the opaque alpha.
    const Colour blue{51, 102, 153};
    QTest::newRow("fractions") << "%FR% %FG% %FB%" << blue << "0.200 0.400 0.600";
    QTest::newRow("fractions of black and white")
        << "%FR% %FB%" << Colour{0, 128, 255} << "0.000 1.000";
    QTest::newRow("hsl values") << "hsl(%HH% %HS%% %HL%%)" << blue << "hsl(210 50% 40%)";
    QTest::newRow("hsl of a grey") << "%HH%/%HS%/%HL%" << Colour{128, 128, 128} << "0/0/50";
    QTest::newRow("oklch values") << "%KL%|%KC%|%KH%" << gold << "86.5|0.177|90.4";
    QTest::newRow("opaque alpha") << "#%XA%%UR%%UG%%UB%" << blue << "#FF336699";
    QTest::newRow("alpha after the channels") << "0x%UR%%UG%%UB%%XA%" << blue << "0x336699FF";
    // The classic codes come first: "%%UR%%" with red FB forms %FB%, which then gives blue.
    QTest::newRow("later code formed by a classic one")
        << "%%UR%%" << Colour{251, 0, 51} << "0.200";
    QTest::newRow("later codes case-sensitive") << "%fr%%Xa%" << blue << "%fr%%Xa%";
}

void Testnotation::customTemplate() {
    QFETCH(QString, customTemplate);
    QFETCH(Colour, colour);
    QFETCH(QString, expected);
    QCOMPARE(tincta::expandCustomTemplate(customTemplate, colour), expected);
}

void Testnotation::customNotationUsesTemplate() {
    const Colour gold{255, 204, 0};
    QCOMPARE(tincta::notationText(listRow(Notation::Custom), gold, QStringLiteral("#%UR%%UG%%UB%")),
             std::optional<QString>(QStringLiteral("#FFCC00")));
    QCOMPARE(tincta::notationText(listRow(Notation::Custom), gold, QString()),
             std::optional<QString>(QString()));
}

// The Options dialog shows the later notations with #336699, as their documentation does.
void Testnotation::laterExamplesShowTheirText_data() {
    QTest::addColumn<int>("row");
    for (int row = listRow(Notation::CssHwb); row < notationCount; ++row)
        QTest::newRow(notationRow(*notationAtRow(row)).listName) << row;
}

void Testnotation::laterExamplesShowTheirText() {
    QFETCH(int, row);
    const Notation notation = *notationAtRow(row);
    const NotationSource source{Colour{51, 102, 153}, QString(), QStringLiteral("Colour name")};
    QCOMPARE(notationExample(notation, QStringLiteral("%UR%")),
             detailedNotationText(notation, source));
}

void Testnotation::androidXmlNamesTheMark_data() {
    QTest::addColumn<QString>("markName");
    QTest::addColumn<int>("markNumber");
    QTest::addColumn<QString>("expected");
    QTest::newRow("named") << "Brand Blue" << 2 << "<color name=\"brand_blue\">#FF336699</color>";
    QTest::newRow("placeholder") << "" << 4 << "<color name=\"colour_4\">#FF336699</color>";
}

void Testnotation::androidXmlNamesTheMark() {
    QFETCH(QString, markName);
    QFETCH(int, markNumber);
    QFETCH(QString, expected);
    const NotationSource source{Colour{51, 102, 153}, QString(), markName, markNumber};
    QCOMPARE(tincta::notationText(Notation::AndroidXml, source), expected);
}

// Stored settings and palette files written by earlier versions keep their meaning.
void Testnotation::storedForms_data() {
    QTest::addColumn<QString>("listName");
    QTest::addColumn<int>("formatIndex");
    QTest::addColumn<QString>("cssFormat");
    for (const QStringList& fields : storedFormTable())
        QTest::newRow(qPrintable(fields[0])) << fields[0] << fields[1].toInt() << fields[2];
}

void Testnotation::storedForms() {
    QFETCH(QString, listName);
    QFETCH(int, formatIndex);
    QFETCH(QString, cssFormat);
    const std::optional<Notation> notation =
        notationAtRow(static_cast<int>(tincta::notationNames().indexOf(listName)));
    QVERIFY(notation.has_value());
    QCOMPARE(notationRow(*notation).stored.formatIndex, formatIndex);
    QCOMPARE(QString(notationRow(*notation).stored.cssFormat), cssFormat);
}

void Testnotation::storedFormsCoverEveryNotation() {
    QStringList names;
    for (const QStringList& fields : storedFormTable())
        names.append(fields[0]);
    QCOMPARE(names, tincta::notationNames());
}

void Testnotation::readableNotationsReadTheirOwnText_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<Colour>("colour");
    for (const NotationRow& notation : notationRows()) {
        if (notation.parse == nullptr)
            continue;
        for (const Colour colour : {Colour{0, 0, 0}, Colour{255, 255, 255}, Colour{10, 171, 12}})
            QTest::addRow("%s %d,%d,%d", notation.listName, colour.red, colour.green, colour.blue)
                << listRow(notation.notation) << colour;
    }
}

void Testnotation::readableNotationsReadTheirOwnText() {
    QFETCH(int, row);
    QFETCH(Colour, colour);
    const NotationRow& notation = notationRow(*notationAtRow(row));
    const QString text = notation.text({colour});
    QCOMPARE(notation.parse(text), std::optional<Colour>(colour));
    QCOMPARE(colourFromNotationText(text.toLower()), std::optional<Colour>(colour));
}

QTEST_APPLESS_MAIN(Testnotation)
#include "test_notation.moc"
