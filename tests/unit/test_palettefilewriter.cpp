#include "palette/palettefile.h"

#include "testdata.h"

#include <QTest>

using namespace tincta;

namespace {

using Names = std::array<QString, paletteMarkCount>;
using Colours = std::array<Colour, paletteMarkCount>;

const Colours defaultColours{{
    {255, 0, 0},
    {255, 255, 0},
    {0, 255, 0},
    {0, 255, 255},
    {0, 0, 255},
    {255, 0, 255},
}};

Names allNamed(const QString& name) {
    Names names;
    names.fill(name);
    return names;
}

Names namesWith(std::initializer_list<QString> first) {
    Names names = allNamed(QString(typeAColourName));
    std::copy(first.begin(), first.end(), names.begin());
    return names;
}

QStringList linesOf(const QByteArray& bytes) {
    QStringList lines = QString::fromUtf8(bytes).split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.last().isEmpty()) {
        lines.removeLast();
    }
    return lines;
}

} // namespace

Q_DECLARE_METATYPE(Names)
Q_DECLARE_METATYPE(Colours)
Q_DECLARE_METATYPE(UnwritablePalette::Reason)

class Testpalettefilewriter : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void writtenName_data();
    void writtenName();
    void golden_data();
    void golden();
    void shape();
    void unrecognisedCodeWrittenAsIs();
    void roundTrip_data();
    void roundTrip();
    void unwritable_data();
    void unwritable();
};

void Testpalettefilewriter::writtenName_data() {
    QTest::addColumn<QString>("nameBoxText");
    QTest::addColumn<QString>("written");
    QTest::newRow("placeholder for a colour without a name") << "Not JavaScript colour"
                                                             << "Type a colour name";
    QTest::newRow("default placeholder") << "Type a colour name"
                                         << "Type a colour name";
    QTest::newRow("other case is a real name") << "not javascript colour"
                                               << "not javascript colour";
    QTest::newRow("trailing blank is a real name") << "Not JavaScript colour "
                                                   << "Not JavaScript colour ";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("commas and brackets") << "[a, b]"
                                         << "[a, b]";
}

void Testpalettefilewriter::writtenName() {
    QFETCH(QString, nameBoxText);
    QFETCH(QString, written);
    QCOMPARE(tincta::writtenName(nameBoxText), written);
}

void Testpalettefilewriter::golden_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<Names>("names");
    QTest::addColumn<Colours>("colours");
    QTest::addColumn<QString>("customTemplate");
    const QString unnamed = QString(typeAColourName);
    QTest::newRow("default palette")
        << "default-empty-template.txt" << allNamed(unnamed) << defaultColours << "";
    QTest::newRow("default palette, custom template")
        << "default-custom-template.txt" << allNamed(unnamed) << defaultColours
        << "%UR%%UG%%UB% (%DR%)";
    QTest::newRow("names with commas, brackets, empty, placeholder")
        << "names.txt"
        << Names{"Sky, blue", "[Brackets]", "", "Not JavaScript colour", "a]b[c", " padded "}
        << Colours{{{10, 11, 12},
                    {255, 204, 0},
                    {0, 0, 0},
                    {255, 255, 255},
                    {219, 112, 147},
                    {1, 2, 3}}}
        << "%lr% #%UR%%UG%%UB% %LD%";
    QTest::newRow("accents in Windows-1252")
        << "name-windows1252.txt"
        << namesWith({QStringLiteral("Caf\u00E9 cr\u00E8me"),
                      QStringLiteral("Gr\u00F6\u00DFe \u20AC5 \u2013 \u201Cquoted\u201D")})
        << defaultColours << "";
    QTest::newRow("Greek and Chinese in UTF-8")
        << "name-utf8.txt"
        << namesWith({QStringLiteral("\u0395\u03BB\u03BB\u03B7\u03BD\u03B9\u03BA\u03AC"),
                      QStringLiteral("\u4E2D\u6587\u540D"), QStringLiteral("Caf\u00E9 \u20AC")})
        << defaultColours << "";
    QTest::newRow("Windows-1252 bytes that read as UTF-8")
        << "name-mojibake-utf8.txt" << namesWith({QStringLiteral("\u00C3\u00A9")}) << defaultColours
        << "";
}

void Testpalettefilewriter::golden() {
    QFETCH(QString, file);
    QFETCH(Names, names);
    QFETCH(Colours, colours);
    QFETCH(QString, customTemplate);
    const QByteArray expected = test::readTestData(QStringLiteral("palettefile/") + file);
    QVERIFY(!expected.isEmpty());
    const QByteArray written = paletteFileBytes(names, colours, customTemplate);
    if (written != expected) {
        // Line by line first, for a readable failure.
        QCOMPARE(linesOf(written), linesOf(expected));
    }
    QCOMPARE(written, expected);
}

void Testpalettefilewriter::shape() {
    const QByteArray bytes = paletteFileBytes(allNamed(QStringLiteral("x")), defaultColours, {});
    QVERIFY(bytes.endsWith("\r\n"));
    QVERIFY(!bytes.endsWith("\r\n\r\n"));
    QCOMPARE(bytes.count("\r\n"), 100);
    QCOMPARE(bytes.count('\r'), 100);
    QCOMPARE(bytes.count('\n'), 100);
    const QStringList lines = linesOf(bytes);
    QCOMPARE(lines.size(), 100);
    QCOMPARE(lines[5], QStringLiteral("255,0,0"));
    QCOMPARE(lines[15], QStringLiteral("255,0,255"));
    for (int i = 0; i < paletteMarkCount; ++i) {
        QCOMPARE(lines[16 + 14 * i], QString());
        QCOMPARE(lines[17 + 14 * i], QStringLiteral("[x]"));
        QCOMPARE(lines[29 + 14 * i], QStringLiteral("Custom:"));
    }
}

void Testpalettefilewriter::unrecognisedCodeWrittenAsIs() {
    const QStringList lines =
        linesOf(paletteFileBytes(allNamed(QStringLiteral("x")), defaultColours, "%lr%"));
    QCOMPARE(lines[29], QStringLiteral("Custom: %lr%"));
}

// What is written reads back as the same marks, placeholders aside.
void Testpalettefilewriter::roundTrip_data() {
    QTest::addColumn<Names>("names");
    QTest::newRow("plain") << Names{"a", "b", "c", "d", "e", "f"};
    QTest::newRow("mixed scripts")
        << Names{QStringLiteral("\u00E9"),       QStringLiteral("\u4E2D"),
                 QStringLiteral("\U0001F600"),   QStringLiteral("\u00C3\u00A9"),
                 QStringLiteral("\u20AC\u0081"), ""};
    QTest::newRow("header text as a name")
        << Names{"THIS FILE WAS MADE IN TINCTA. DO NOT EDIT.", "", "", "", "", ""};
}

void Testpalettefilewriter::roundTrip() {
    QFETCH(Names, names);
    const Colours colours{{{1, 2, 3}, {4, 5, 6}, {7, 8, 9}, {10, 11, 12}, {13, 14, 15}, {0, 0, 0}}};
    const PaletteFileLines lines = paletteFileLines(paletteFileBytes(names, colours, {}));
    QVERIFY(!lines.tooLong);
    const std::optional<PaletteMarks> marks = readPaletteFile(lines.lines);
    QVERIFY(marks);
    for (int i = 0; i < paletteMarkCount; ++i) {
        QCOMPARE((*marks)[i].name, names[i]);
        QCOMPARE((*marks)[i].colour, colours[i]);
    }
}

// Open must read back every file the writer makes: a name that would split its line, or that no
// encoding holds, and a file over Open's 1 MiB are refused before anything is written.
void Testpalettefilewriter::unwritable_data() {
    QTest::addColumn<Names>("names");
    QTest::addColumn<bool>("writable");
    QTest::addColumn<UnwritablePalette::Reason>("reason");
    QTest::addColumn<int>("mark");
    using Reason = UnwritablePalette::Reason;
    const QString highHalf(QChar(0xD83D));
    const QString lowHalf(QChar(0xDE00));
    // Each name is written twice, so a name of just under half the limit still fits.
    const QString nearHalf(paletteFileMaxBytes / 2 - 4000, QLatin1Char('a'));
    QTest::newRow("tab, emoji, commas")
        << namesWith({"a\tb", "\U0001F600", "[a, b]"}) << true << Reason::TooLarge << 0;
    QTest::newRow("half the limit") << namesWith({nearHalf}) << true << Reason::TooLarge << 0;
    QTest::newRow("LF") << namesWith({"Sky\nblue"}) << false << Reason::NameNotWritable << 0;
    QTest::newRow("CR in the fourth")
        << namesWith({"a", "b", "c", "Sky\rblue"}) << false << Reason::NameNotWritable << 3;
    QTest::newRow("high half alone")
        << namesWith({"a", "Sky" + highHalf + "x"}) << false << Reason::NameNotWritable << 1;
    QTest::newRow("low half alone at the end")
        << namesWith({"a", "b", "Sky" + lowHalf}) << false << Reason::NameNotWritable << 2;
    QTest::newRow("halves in the wrong order")
        << namesWith({lowHalf + highHalf}) << false << Reason::NameNotWritable << 0;
    QTest::newRow("600,000 characters")
        << namesWith({QString(600000, QLatin1Char('a'))}) << false << Reason::TooLarge << 0;
    QTest::newRow("too large in Windows-1252 too")
        << allNamed(QString(90000, QChar(0xE9))) << false << Reason::TooLarge << 0;
}

void Testpalettefilewriter::unwritable() {
    QFETCH(Names, names);
    QFETCH(bool, writable);
    QFETCH(UnwritablePalette::Reason, reason);
    QFETCH(int, mark);
    const WritablePaletteFile file = writablePaletteFile(names, defaultColours, {});
    QCOMPARE(file.unwritable.has_value(), !writable);
    if (writable) {
        QCOMPARE(file.bytes, paletteFileBytes(names, defaultColours, {}));
        return;
    }
    QVERIFY(file.bytes.isEmpty());
    QCOMPARE(file.unwritable->reason, reason);
    if (reason == UnwritablePalette::Reason::NameNotWritable)
        QCOMPARE(file.unwritable->mark, mark);
}

QTEST_APPLESS_MAIN(Testpalettefilewriter)
#include "test_palettefilewriter.moc"
