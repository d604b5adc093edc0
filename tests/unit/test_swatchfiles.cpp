// The two binary swatch formats read back what other programs write, and refuse broken files
// with the byte at fault.
#include "colour/colourspace.h"
#include "palette/formats/bigendian.h"
#include "palette/formats/exchangeformat.h"

#include <QTest>

using namespace tincta;

namespace {

using Format = ExchangeFormat;

// Small builders of .ase and .aco files, big-endian as the formats are.
QByteArray u16(std::uint16_t value) {
    BigEndianWriter out;
    out.u16(value);
    return out.result();
}

QByteArray u32(std::uint32_t value) {
    BigEndianWriter out;
    out.u32(value);
    return out.result();
}

QByteArray floats(const QList<float>& values) {
    BigEndianWriter out;
    for (const float value : values)
        out.f32(value);
    return out.result();
}

QByteArray utf16(const QString& text) {
    BigEndianWriter out;
    out.utf16WithNull(text);
    return out.result();
}

QByteArray aseHeader(std::uint32_t blocks, std::uint16_t major = 1) {
    return "ASEF" + u16(major) + u16(0) + u32(blocks);
}

QByteArray aseBlock(std::uint16_t type, const QByteArray& data) {
    return u16(type) + u32(static_cast<std::uint32_t>(data.size())) + data;
}

QByteArray aseColour(const QString& name, const QByteArray& model, const QList<float>& values,
                     std::uint16_t type = 2) {
    return aseBlock(0x0001, u16(static_cast<std::uint16_t>(name.size() + 1)) + utf16(name) + model +
                                floats(values) + u16(type));
}

QByteArray ase(const QList<QByteArray>& blocks) {
    QByteArray file = aseHeader(static_cast<std::uint32_t>(blocks.size()));
    for (const QByteArray& block : blocks)
        file += block;
    return file;
}

QByteArray acoColour(std::uint16_t space, std::uint16_t w, std::uint16_t x = 0, std::uint16_t y = 0,
                     std::uint16_t z = 0) {
    return u16(space) + u16(w) + u16(x) + u16(y) + u16(z);
}

QByteArray acoNamed(const QByteArray& colour, const QString& name) {
    return colour + u32(static_cast<std::uint32_t>(name.size() + 1)) + utf16(name);
}

QByteArray acoPart(std::uint16_t version, const QList<QByteArray>& colours) {
    QByteArray part = u16(version) + u16(static_cast<std::uint16_t>(colours.size()));
    for (const QByteArray& colour : colours)
        part += colour;
    return part;
}

const QByteArray red = aseColour("Red", "RGB ", {1, 0, 0});
constexpr qint64 firstBlock = 12; // after "ASEF", the version and the block count
constexpr qint64 firstEntryData = firstBlock + 6;

} // namespace

Q_DECLARE_METATYPE(Format)
Q_DECLARE_METATYPE(ImportProblem)

class Testswatchfiles : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void read_data();
    void read();
    void refused_data();
    void refused();
    void manyColours_data();
    void manyColours();
    void failureText();
};

void Testswatchfiles::read_data() {
    QTest::addColumn<Format>("format");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QList<PaletteMark>>("colours");
    const QString unnamed = QString(typeAColourName);
    const Colour steel{51, 102, 153};
    const CieLab steelLab = toCieLab(steel);
    QTest::newRow(".ase, groups, spot and global, unknown blocks passed over")
        << Format::AdobeSwatches
        << ase({aseBlock(0xC001, u16(6) + utf16("Brand")), red,
                aseColour("Sea", "RGB ", {0.2f, 0.4f, 0.6f}, 0), aseBlock(0xC002, {}),
                aseBlock(0x0042, "anything"), aseColour("Spot", "RGB ", {0, 0, 1}, 1)})
        << QList<PaletteMark>{{"Red", {255, 0, 0}}, {"Sea", steel}, {"Spot", {0, 0, 255}}};
    QTest::newRow(".ase, CMYK as (1 - C)(1 - K)")
        << Format::AdobeSwatches
        << ase({aseColour("C", "CMYK", {0, 1, 1, 0}), aseColour("K", "CMYK", {0, 0, 0, 0.5f}),
                aseColour("M", "CMYK", {0.25f, 0.5f, 0.75f, 0.5f})})
        << QList<PaletteMark>{{"C", {255, 0, 0}}, {"K", {128, 128, 128}}, {"M", {96, 64, 32}}};
    QTest::newRow(".ase, LAB under D50 with lightness 0..1, clamped to sRGB")
        << Format::AdobeSwatches
        << ase({aseColour("Steel", "LAB ",
                          {static_cast<float>(steelLab.lightness / 100.0),
                           static_cast<float>(steelLab.a), static_cast<float>(steelLab.b)}),
                aseColour("White", "LAB ", {1, 0, 0}),
                aseColour("Beyond", "LAB ", {0.5f, 127, -128})})
        << QList<PaletteMark>{
               {"Steel", steel}, {"White", {255, 255, 255}}, {"Beyond", {214, 0, 255}}};
    QTest::newRow(".ase, Gray, Untitled and empty names unnamed, channels clamped")
        << Format::AdobeSwatches
        << ase({aseColour("Untitled", "Gray", {0.5f}), aseColour("", "RGB ", {2, -1, 0.5f})})
        << QList<PaletteMark>{{unnamed, {128, 128, 128}}, {unnamed, {255, 0, 128}}};
    QTest::newRow(".ase, extra bytes in a colour block and after the last block")
        << Format::AdobeSwatches
        << ase({aseBlock(0x0001, u16(2) + utf16("x") + "Gray" + floats({1}) + u16(2) + "more")}) +
               "trailing"
        << QList<PaletteMark>{{"x", {255, 255, 255}}};
    const QList<QByteArray> spaces{acoColour(0, 65535, 0, 0),
                                   acoColour(1, 43690, 65535, 65535),
                                   acoColour(2, 0, 65535, 65535, 65535),
                                   acoColour(7, 10000),
                                   acoColour(8, 7500),
                                   acoColour(8, 0)};
    const QList<PaletteMark> spacesRead{{unnamed, {255, 0, 0}},   {unnamed, {0, 0, 255}},
                                        {unnamed, {0, 255, 255}}, {unnamed, {255, 255, 255}},
                                        {unnamed, {64, 64, 64}},  {unnamed, {255, 255, 255}}};
    QTest::newRow(".aco, version 1 alone: RGB, HSB, CMYK, Lab, Grayscale, unnamed")
        << Format::PhotoshopColours << acoPart(1, spaces) << spacesRead;
    QList<QByteArray> named;
    QList<PaletteMark> namedRead = spacesRead;
    for (qsizetype i = 0; i < spaces.size(); ++i) {
        named.append(acoNamed(spaces[i], QStringLiteral("n%1").arg(i)));
        namedRead[i].name = QStringLiteral("n%1").arg(i);
    }
    QTest::newRow(".aco, version 1 then 2: the names of version 2")
        << Format::PhotoshopColours << acoPart(1, spaces) + acoPart(2, named) << namedRead;
    QTest::newRow(".aco, version 2 alone")
        << Format::PhotoshopColours << acoPart(2, named) << namedRead;
    // lab(50 -20 30) as CSS Color 4 converts it.
    QTest::newRow(".aco, Lab signed a and b")
        << Format::PhotoshopColours
        << acoPart(1, {acoColour(7, 5000, static_cast<std::uint16_t>(-2000), 3000)})
        << QList<PaletteMark>{{unnamed, {97, 128, 65}}};
}

void Testswatchfiles::read() {
    QFETCH(Format, format);
    QFETCH(QByteArray, bytes);
    QFETCH(QList<PaletteMark>, colours);
    const ImportResult result = exchangeFormatRow(format).read(bytes);
    QVERIFY2(result.ok(), qPrintable(result.failure->text()));
    QCOMPARE(result.marks, colours);
}

void Testswatchfiles::refused_data() {
    QTest::addColumn<Format>("format");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<ImportProblem>("problem");
    QTest::addColumn<qint64>("offset");
    const Format a = Format::AdobeSwatches;
    QTest::newRow(".ase, empty") << a << QByteArray() << ImportProblem::NotAse << qint64(0);
    QTest::newRow(".ase, wrong signature")
        << a << "ASEX" + red << ImportProblem::NotAse << qint64(0);
    QTest::newRow(".ase, cut in the version")
        << a << QByteArray("ASEF\0", 5) << ImportProblem::CutShort << qint64(4);
    QTest::newRow(".ase, version 2")
        << a << aseHeader(1, 2) + red << ImportProblem::WrongVersion << qint64(4);
    QTest::newRow(".ase, cut in the block count")
        << a << aseHeader(1).first(10) << ImportProblem::CutShort << qint64(8);
    QTest::newRow(".ase, fewer blocks than counted")
        << a << aseHeader(2) + red << ImportProblem::CutShort << firstBlock + red.size();
    QTest::newRow(".ase, truncated block header")
        << a << aseHeader(1) + red.first(5) << ImportProblem::CutShort << firstBlock;
    QTest::newRow(".ase, block length past the end")
        << a << aseHeader(1) + red.chopped(1) << ImportProblem::LengthPastEnd << firstBlock + 2;
    QTest::newRow(".ase, block length 0xFFFFFFFF")
        << a << aseHeader(1) + u16(1) + u32(0xFFFFFFFF) + red.sliced(6)
        << ImportProblem::LengthPastEnd << firstBlock + 2;
    QByteArray longName = red;
    longName.replace(6, 2, u16(0xFFFF));
    QTest::newRow(".ase, name length 0xFFFF")
        << a << aseHeader(1) + longName << ImportProblem::LengthPastBlock << firstEntryData;
    QTest::newRow(".ase, block ends inside the values")
        << a << ase({aseBlock(1, u16(2) + utf16("x") + "RGB " + floats({1, 0}))})
        << ImportProblem::BlockTooShort << firstEntryData + 2 + 4 + 4 + 8;
    QTest::newRow(".ase, empty colour block")
        << a << ase({aseBlock(1, {})}) << ImportProblem::BlockTooShort << firstEntryData;
    QTest::newRow(".ase, unknown model") << a << ase({aseColour("x", "HSV ", {0, 0, 0})})
                                         << ImportProblem::UnknownSpace << firstEntryData + 2 + 4;
    QTest::newRow(".ase, value not a number")
        << a << ase({aseColour("x", "RGB ", {0, std::numeric_limits<float>::quiet_NaN(), 0})})
        << ImportProblem::NotANumberValue << firstEntryData + 2 + 4 + 4 + 4;
    QTest::newRow(".ase, infinite value")
        << a << ase({aseColour("x", "Gray", {std::numeric_limits<float>::infinity()})})
        << ImportProblem::NotANumberValue << firstEntryData + 2 + 4 + 4;
    QTest::newRow(".ase, groups only")
        << a << ase({aseBlock(0xC001, u16(2) + utf16("g")), aseBlock(0xC002, {})})
        << ImportProblem::NoColours << qint64(-1);
    QTest::newRow(".ase, 2 MiB") << a << ase({red}) + QByteArray(2 * 1024 * 1024, '\0')
                                 << ImportProblem::TooLarge << qint64(-1);

    const Format p = Format::PhotoshopColours;
    const QByteArray rgb = acoColour(0, 1, 2, 3);
    QTest::newRow(".aco, empty") << p << QByteArray() << ImportProblem::NotAco << qint64(0);
    QTest::newRow(".aco, one byte")
        << p << QByteArray(1, '\1') << ImportProblem::NotAco << qint64(0);
    QTest::newRow(".aco, version 3")
        << p << acoPart(3, {rgb}) << ImportProblem::NotAco << qint64(0);
    QTest::newRow(".aco, an .ase file") << p << ase({red}) << ImportProblem::NotAco << qint64(0);
    QTest::newRow(".aco, cut in the count") << p << u16(1) << ImportProblem::CutShort << qint64(2);
    QTest::newRow(".aco, count past the end")
        << p << acoPart(1, {rgb, rgb}).chopped(1) << ImportProblem::LengthPastEnd << qint64(2);
    QTest::newRow(".aco, count 0xFFFF")
        << p << u16(1) + u16(0xFFFF) + rgb << ImportProblem::LengthPastEnd << qint64(2);
    const QByteArray v1 = acoPart(1, {rgb});
    QTest::newRow(".aco, cut in the second version")
        << p << v1 + QByteArray(1, '\0') << ImportProblem::CutShort << v1.size();
    QTest::newRow(".aco, version 1 then 5")
        << p << v1 + acoPart(5, {rgb}) << ImportProblem::WrongVersion << v1.size();
    QTest::newRow(".aco, version 2 cut in a colour")
        << p << v1 + acoPart(2, {acoNamed(rgb, "x")}).first(8) << ImportProblem::CutShort
        << v1.size() + 4;
    QTest::newRow(".aco, version 2 cut in a name length")
        << p << v1 + acoPart(2, {rgb + u16(0)}) << ImportProblem::CutShort << v1.size() + 14;
    QTest::newRow(".aco, name length 0xFFFF")
        << p << v1 + acoPart(2, {rgb + u32(0xFFFF) + utf16("x")}) << ImportProblem::LengthPastEnd
        << v1.size() + 14;
    QTest::newRow(".aco, Pantone")
        << p << acoPart(1, {rgb, acoColour(3, 1)}) << ImportProblem::UnknownSpace << qint64(14);
    QTest::newRow(".aco, no colours")
        << p << acoPart(1, {}) << ImportProblem::NoColours << qint64(-1);
}

void Testswatchfiles::refused() {
    QFETCH(Format, format);
    QFETCH(QByteArray, bytes);
    QFETCH(ImportProblem, problem);
    QFETCH(qint64, offset);
    const ImportResult result = exchangeFormatRow(format).read(bytes);
    QVERIFY(!result.ok());
    QVERIFY(result.marks.isEmpty());
    QCOMPARE(result.failure->problem, problem);
    QCOMPARE(result.failure->offset, offset);
    if (offset >= 0)
        QVERIFY2(result.failure->text().startsWith(QStringLiteral("Byte %1: ").arg(offset)) ||
                     offset == 0,
                 qPrintable(result.failure->text()));
}

// Far more colours than marks are all read, each in its place.
void Testswatchfiles::manyColours_data() {
    QTest::addColumn<Format>("format");
    QTest::addColumn<QByteArray>("bytes");
    constexpr int count = 10000;
    QList<QByteArray> aseColours;
    QList<QByteArray> acoColours;
    for (int i = 0; i < count; ++i) {
        aseColours.append(aseColour(QString::number(i), "Gray", {(i % 256) / 255.0f}));
        acoColours.append(acoColour(0, static_cast<std::uint16_t>((i % 256) * 257)));
    }
    QTest::newRow(".ase") << Format::AdobeSwatches << ase(aseColours);
    QTest::newRow(".aco") << Format::PhotoshopColours << acoPart(1, acoColours);
}

void Testswatchfiles::manyColours() {
    QFETCH(Format, format);
    QFETCH(QByteArray, bytes);
    const ImportResult result = exchangeFormatRow(format).read(bytes);
    QVERIFY(result.ok());
    QCOMPARE(result.marks.size(), 10000);
    QCOMPARE(result.marks[9999].colour.red, 9999 % 256);
}

void Testswatchfiles::failureText() {
    const ImportResult pantone =
        exchangeFormatRow(Format::PhotoshopColours).read(acoPart(1, {acoColour(3, 1)}));
    QCOMPARE(pantone.failure->text(),
             QStringLiteral("Byte 4: the colour space Pantone cannot be read."));
    QByteArray longName = red;
    longName.replace(6, 2, u16(0xFFFF));
    QCOMPARE(exchangeFormatRow(Format::AdobeSwatches).read(aseHeader(1) + longName).failure->text(),
             QStringLiteral("Byte 18: a length points past the end of its block."));
}

QTEST_APPLESS_MAIN(Testswatchfiles)
#include "test_swatchfiles.moc"
