#include "palette/palettefile.h"

#include "defaultpalettemarks.h"
#include "testdata.h"

#include <QTest>

using namespace tincta;

namespace {

QByteArray golden(const char* file) {
    return test::readTestData(QStringLiteral("palettefile/") + QLatin1StringView(file));
}

QStringList goldenLines(const char* file) {
    const PaletteFileLines lines = paletteFileLines(golden(file));
    Q_ASSERT(!lines.tooLong);
    return lines.lines;
}

PaletteMarks legacyMarks() {
    return {{{QStringLiteral("Sky"), {12, 34, 56}},
             {QStringLiteral("Sea, deep"), {0, 0, 0}},
             {QString(), {255, 255, 255}},
             {QStringLiteral("Caf\u00E9"), {7, 8, 9}},
             {QStringLiteral("x"), {100, 200, 250}},
             {QStringLiteral("Last"), {1, 0, 1}}}};
}

// A change made to a file's lines before reading: line numbers count from 1.
struct Edit {
    int line = 0; // 0: none
    QString text;
    int keepLines = -1; // cut the file after this many lines; -1 keeps all
};

QStringList edited(QStringList lines, const Edit& edit) {
    if (edit.line > 0) {
        lines[edit.line - 1] = edit.text;
    }
    if (edit.keepLines >= 0) {
        lines = lines.mid(0, edit.keepLines);
    }
    return lines;
}

} // namespace

Q_DECLARE_METATYPE(Edit)
Q_DECLARE_METATYPE(PaletteMarks)

class Testpalettefilereader : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void readsGolden_data();
    void readsGolden();
    void accepted_data();
    void accepted();
    void rejected_data();
    void rejected();
    void lineEnds_data();
    void lineEnds();
    void decoding_data();
    void decoding();
    void limits_data();
    void limits();
};

void Testpalettefilereader::readsGolden_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<PaletteMarks>("marks");
    QTest::newRow("default") << "default-empty-template.txt" << test::defaultPaletteMarks();
    QTest::newRow("default, custom template")
        << "default-custom-template.txt" << test::defaultPaletteMarks();
    PaletteMarks named{{{QStringLiteral("Sky, blue"), {10, 11, 12}},
                        {QStringLiteral("[Brackets]"), {255, 204, 0}},
                        {QString(), {0, 0, 0}},
                        {QString(typeAColourName), {255, 255, 255}},
                        {QStringLiteral("a]b[c"), {219, 112, 147}},
                        {QStringLiteral(" padded "), {1, 2, 3}}}};
    QTest::newRow("names") << "names.txt" << named;
    PaletteMarks accented = test::defaultPaletteMarks();
    accented[0].name = QStringLiteral("Caf\u00E9 cr\u00E8me");
    accented[1].name = QStringLiteral("Gr\u00F6\u00DFe \u20AC5 \u2013 \u201Cquoted\u201D");
    QTest::newRow("Windows-1252") << "name-windows1252.txt" << accented;
    PaletteMarks greek = test::defaultPaletteMarks();
    greek[0].name = QStringLiteral("\u0395\u03BB\u03BB\u03B7\u03BD\u03B9\u03BA\u03AC");
    greek[1].name = QStringLiteral("\u4E2D\u6587\u540D");
    greek[2].name = QStringLiteral("Caf\u00E9 \u20AC");
    QTest::newRow("UTF-8") << "name-utf8.txt" << greek;
    PaletteMarks mojibake = test::defaultPaletteMarks();
    mojibake[0].name = QStringLiteral("\u00C3\u00A9");
    QTest::newRow("UTF-8 that looks like Windows-1252") << "name-mojibake-utf8.txt" << mojibake;
    QTest::newRow("legacy, 5 lines a mark") << "legacy-5.txt" << legacyMarks();
    QTest::newRow("legacy, 7 lines a mark") << "legacy-7.txt" << legacyMarks();
    QTest::newRow("legacy, 8 lines a mark") << "legacy-8.txt" << legacyMarks();
}

void Testpalettefilereader::readsGolden() {
    QFETCH(QString, file);
    QFETCH(PaletteMarks, marks);
    const std::optional<PaletteMarks> read = readPaletteFile(goldenLines(qPrintable(file)));
    QVERIFY(read);
    for (int i = 0; i < paletteMarkCount; ++i) {
        QCOMPARE((*read)[i].name, marks[i].name);
        QCOMPARE((*read)[i].colour, marks[i].colour);
    }
}

void Testpalettefilereader::accepted_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<Edit>("edit");
    QTest::addColumn<int>("mark");
    QTest::addColumn<QString>("name");
    QTest::addColumn<Colour>("colour");
    const char* current = "default-empty-template.txt";
    QTest::newRow("cut after line 16")
        << current << Edit{0, {}, 16} << 5 << QString(typeAColourName) << Colour{255, 0, 255};
    QTest::newRow("text after the third number")
        << current << Edit{6, "1,2,3, 7"} << 0 << QString(typeAColourName) << Colour{1, 2, 3};
    QTest::newRow("blanks around numbers")
        << current << Edit{8, " 1 ,  2,3  "} << 1 << QString(typeAColourName) << Colour{1, 2, 3};
    QTest::newRow("leading zeros")
        << current << Edit{6, "007,0255,000"} << 0 << QString(typeAColourName) << Colour{7, 255, 0};
    QTest::newRow("empty name") << current << Edit{15, ""} << 5 << "" << Colour{255, 0, 255};
    QTest::newRow("lines 2 to 4 and 17 on not read")
        << current << Edit{2, "anything"} << 0 << QString(typeAColourName) << Colour{255, 0, 0};
    QTest::newRow("block name not read")
        << current << Edit{18, "[Other]"} << 0 << QString(typeAColourName) << Colour{255, 0, 0};
    QTest::newRow("placeholder kept as read") << current << Edit{5, "Not JavaScript colour"} << 0
                                              << "Not JavaScript colour" << Colour{255, 0, 0};
    const char* legacy = "legacy-5.txt";
    QTest::newRow("legacy prefix and closing not checked")
        << legacy << Edit{6, "..............12, 34, 56!"} << 0 << "Sky" << Colour{12, 34, 56};
    QTest::newRow("legacy two-character name line")
        << legacy << Edit{3, "<>"} << 0 << "" << Colour{12, 34, 56};
    QTest::newRow("legacy blanks inside")
        << legacy << Edit{6, "Colour value=( 12,  34,  56 )"} << 0 << "Sky" << Colour{12, 34, 56};
    QTest::newRow("legacy text after the third part")
        << legacy << Edit{6, "Colour value=(12, 34, 56), 9"} << 0 << "Sky" << Colour{12, 34, 56};
    // Green and blue lose their first character whatever it is.
    QTest::newRow("legacy no blank after the comma")
        << legacy << Edit{6, "Colour value=(12,34,56)"} << 0 << "Sky" << Colour{12, 4, 6};
    // A character outside the basic plane counts as one character, never half of one.
    QTest::newRow("legacy name between characters outside the basic plane")
        << legacy << Edit{3, QStringLiteral("\U0001F600Sky\U0001F600")} << 0 << "Sky"
        << Colour{12, 34, 56};
    QTest::newRow("legacy name outside the basic plane")
        << legacy << Edit{3, QStringLiteral("[\U0001F600]")} << 0 << QStringLiteral("\U0001F600")
        << Colour{12, 34, 56};
    QTest::newRow("legacy prefix with a character outside the basic plane")
        << legacy << Edit{6, QStringLiteral("Colour value\U0001F600(12, 34, 56)")} << 0 << "Sky"
        << Colour{12, 34, 56};
    QTest::newRow("legacy cut after the last colour line")
        << "legacy-8.txt" << Edit{0, {}, 46} << 5 << "Last" << Colour{1, 0, 1};
}

void Testpalettefilereader::accepted() {
    QFETCH(QString, file);
    QFETCH(Edit, edit);
    QFETCH(int, mark);
    QFETCH(QString, name);
    QFETCH(Colour, colour);
    const std::optional<PaletteMarks> read =
        readPaletteFile(edited(goldenLines(qPrintable(file)), edit));
    QVERIFY(read);
    QCOMPARE((*read)[mark].name, name);
    QCOMPARE((*read)[mark].colour, colour);
}

void Testpalettefilereader::rejected_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<Edit>("edit");
    const char* current = "default-empty-template.txt";
    const char* legacy = "legacy-5.txt";
    QTest::newRow("header with a trailing blank")
        << current << Edit{1, "THIS FILE WAS MADE IN TINCTA. DO NOT EDIT. "};
    QTest::newRow("header with a leading blank")
        << current << Edit{1, " THIS FILE WAS MADE IN TINCTA. DO NOT EDIT."};
    QTest::newRow("header in other case")
        << current << Edit{1, "This file was made in Tincta. Do not edit."};
    QTest::newRow("legacy header in other case")
        << legacy << Edit{1, "this is a tincta palette file. do not edit."};
    QTest::newRow("no header") << current << Edit{1, ""};
    QTest::newRow("empty file") << current << Edit{0, {}, 0};
    QTest::newRow("header only") << current << Edit{0, {}, 1};
    QTest::newRow("cut after line 15") << current << Edit{0, {}, 15};
    QTest::newRow("semicolons") << current << Edit{6, "255;0;0"};
    QTest::newRow("two numbers") << current << Edit{6, "255,0"};
    QTest::newRow("empty colour line") << current << Edit{16, ""};
    QTest::newRow("empty part") << current << Edit{6, "255,,0"};
    QTest::newRow("fraction") << current << Edit{6, "1.5,0,0"};
    QTest::newRow("whole number with a fraction part") << current << Edit{6, "1.0,0,0"};
    QTest::newRow("exponent") << current << Edit{6, "1e2,0,0"};
    QTest::newRow("hex prefix") << current << Edit{6, "0x10,0,0"};
    QTest::newRow("plus sign") << current << Edit{6, "+5,0,0"};
    QTest::newRow("negative") << current << Edit{10, "0,-1,0"};
    QTest::newRow("256") << current << Edit{16, "0,0,256"};
    QTest::newRow("huge") << current << Edit{6, "99999999999999999999,0,0"};
    QTest::newRow("inner blank") << current << Edit{6, "2 5,0,0"};
    QTest::newRow("tab around a number") << current << Edit{6, "\t5,0,0"};
    QTest::newRow("legacy 300") << legacy << Edit{6, "Colour value=(12, 34, 300)"};
    QTest::newRow("legacy negative") << legacy << Edit{11, "Colour value=(-1, 34, 30)"};
    QTest::newRow("legacy two parts") << legacy << Edit{6, "Colour value=(12, 34)"};
    QTest::newRow("legacy empty green") << legacy << Edit{6, "Colour value=(12,, 56)"};
    QTest::newRow("legacy short blue") << legacy << Edit{6, "Colour value=(12, 34,5"};
    QTest::newRow("legacy short line") << legacy << Edit{6, "Colour"};
    QTest::newRow("legacy prefix only") << legacy << Edit{6, "Colour value=("};
    QTest::newRow("legacy one-character name line") << legacy << Edit{3, "["};
    QTest::newRow("legacy name line of one character outside the basic plane")
        << legacy << Edit{3, QStringLiteral("\U0001F600")};
    QTest::newRow("legacy empty name line") << legacy << Edit{28, ""};
    QTest::newRow("legacy cut before the last colour line") << legacy << Edit{0, {}, 30};
    QTest::newRow("layout 8 cut before the last colour line") << "legacy-8.txt" << Edit{0, {}, 45};
}

void Testpalettefilereader::rejected() {
    QFETCH(QString, file);
    QFETCH(Edit, edit);
    QVERIFY(!readPaletteFile(edited(goldenLines(qPrintable(file)), edit)));
}

void Testpalettefilereader::lineEnds_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("empty") << QByteArray() << QStringList();
    QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"};
    QTest::newRow("lone CR") << QByteArray("a\rb\r") << QStringList{"a", "b"};
    QTest::newRow("lone LF") << QByteArray("a\nb\n") << QStringList{"a", "b"};
    QTest::newRow("no final terminator") << QByteArray("a\r\nb") << QStringList{"a", "b"};
    QTest::newRow("mixed") << QByteArray("a\rb\nc\r\nd") << QStringList{"a", "b", "c", "d"};
    QTest::newRow("empty lines") << QByteArray("\r\n\r\n") << QStringList{"", ""};
    QTest::newRow("LF CR is two ends") << QByteArray("a\n\rb") << QStringList{"a", "", "b"};
    QTest::newRow("CR CR LF") << QByteArray("a\r\r\nb") << QStringList{"a", "", "b"};
    QTest::newRow("terminator only") << QByteArray("\n") << QStringList{""};
}

void Testpalettefilereader::lineEnds() {
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    const PaletteFileLines read = paletteFileLines(bytes);
    QVERIFY(!read.tooLong);
    QCOMPARE(read.lines, lines);
}

void Testpalettefilereader::decoding_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("line");
    QTest::newRow("ascii") << QByteArray("Sky") << "Sky";
    QTest::newRow("UTF-8 accent") << QByteArray("Caf\xC3\xA9") << QStringLiteral("Caf\u00E9");
    QTest::newRow("Windows-1252 accent") << QByteArray("Caf\xE9") << QStringLiteral("Caf\u00E9");
    QTest::newRow("Windows-1252 euro") << QByteArray("\x80") << QStringLiteral("\u20AC");
    QTest::newRow("one bad byte makes the whole file Windows-1252")
        << QByteArray("\xC3\xA9\xFF") << QStringLiteral("\u00C3\u00A9\u00FF");
    QTest::newRow("overlong UTF-8 is not UTF-8")
        << QByteArray("\xC0\xAF") << QStringLiteral("\u00C0\u00AF");
    QTest::newRow("encoded surrogate is not UTF-8")
        << QByteArray("\xED\xA0\x80") << QStringLiteral("\u00ED\u00A0\u20AC");
    QTest::newRow("Windows-1252 accent before a line end")
        << QByteArray("Caf\xE9\r\nx") << QStringLiteral("Caf\u00E9");
    QTest::newRow("cut UTF-8 sequence is not UTF-8")
        << QByteArray("\xE4\xB8") << QStringLiteral("\u00E4\u00B8");
    QTest::newRow("byte order mark skipped")
        << QByteArray("\xEF\xBB\xBFSky") << QStringLiteral("Sky");
    QTest::newRow("UTF-8 beyond the basic plane")
        << QByteArray("\xF0\x9F\x98\x80") << QStringLiteral("\U0001F600");
}

void Testpalettefilereader::decoding() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, line);
    QCOMPARE(paletteFileLines(bytes).lines.value(0), line);
}

void Testpalettefilereader::limits_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("tooLong");
    QTest::addColumn<int>("lineCount");
    QTest::newRow("1000 lines") << QByteArray("x\r\n").repeated(1000) << false << 1000;
    QTest::newRow("1000 lines, last without terminator")
        << QByteArray("x\r\n").repeated(999) + "x" << false << 1000;
    QTest::newRow("1001 lines") << QByteArray("x\r\n").repeated(1001) << true << 0;
    QTest::newRow("1000 lines and an unterminated one")
        << QByteArray("x\n").repeated(1000) + "x" << true << 0;
    QTest::newRow("1000 lines and an empty one") << QByteArray("x\n").repeated(1000) + "\n"
                                                 << true << 0;
    QByteArray oneMiB(paletteFileMaxBytes, 'x');
    QTest::newRow("1 MiB in one line") << oneMiB << false << 1;
    QTest::newRow("1 MiB and a byte") << oneMiB + 'x' << true << 0;
}

void Testpalettefilereader::limits() {
    QFETCH(QByteArray, bytes);
    QFETCH(bool, tooLong);
    QFETCH(int, lineCount);
    const PaletteFileLines read = paletteFileLines(bytes);
    QCOMPARE(read.tooLong, tooLong);
    QCOMPARE(read.lines.size(), lineCount);
}

QTEST_APPLESS_MAIN(Testpalettefilereader)
#include "test_palettefilereader.moc"
