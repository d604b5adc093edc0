#include "colour/notation.h"

#include "colour/codenotation.h"
#include "colour/colourparser.h"
#include "colour/conversions.h"
#include "colour/cssnotation.h"
#include "colour/enumrows.h"

#include <array>

namespace tincta {

namespace {

struct Channels {
    int red;
    int green;
    int blue;
};

void appendHex(QString& out, Channels order, HexCase letterCase) {
    appendHexPair(out, order.red, letterCase);
    appendHexPair(out, order.green, letterCase);
    appendHexPair(out, order.blue, letterCase);
}

Channels rgb(const Colour& c) {
    return {c.red, c.green, c.blue};
}
// The Windows notations write the packed colour, so blue comes first.
Channels bgr(const Colour& c) {
    return {c.blue, c.green, c.red};
}

void appendDecimals(QString& out, const Colour& c, QLatin1StringView separator) {
    appendDecimal(out, c.red);
    out.append(separator);
    appendDecimal(out, c.green);
    out.append(separator);
    appendDecimal(out, c.blue);
}

void appendPacked(QString& out, const Colour& c) {
    appendDecimal(out, static_cast<long long>(c.red) + 256LL * c.green + 65536LL * c.blue);
}

// Room for the longest built-in notation, ".NET HTML", so one allocation serves each text.
constexpr qsizetype builtInCapacity = 40;

// A prefix, a body and a suffix: the shape of every built-in notation.
template <typename AppendBody>
QString framed(QLatin1StringView prefix, AppendBody appendBody, QLatin1StringView suffix) {
    QString text;
    text.reserve(builtInCapacity);
    text.append(prefix);
    appendBody(text);
    text.append(suffix);
    return text;
}

QString hexText(QLatin1StringView prefix, Channels order, HexCase letterCase,
                QLatin1StringView suffix = {}) {
    return framed(
        prefix, [&](QString& text) { appendHex(text, order, letterCase); }, suffix);
}

// Decimal channels in brackets: "RGB(" with ", " between them, "Color(" with ",".
QString decimalsText(QLatin1StringView prefix, const Colour& c, QLatin1StringView separator) {
    return framed(
        prefix, [&](QString& text) { appendDecimals(text, c, separator); }, QLatin1StringView(")"));
}

QString packedText(QLatin1StringView prefix, const Colour& c, QLatin1StringView suffix) {
    return framed(
        prefix, [&](QString& text) { appendPacked(text, c); }, suffix);
}

QString htmlHexText(const Colour& c) {
    return hexTriplet(c);
}

QString lowerCaseHtmlHexText(const Colour& c) {
    return hexText(QLatin1StringView("#"), rgb(c), HexCase::Lower);
}

QString vbHexText(const Colour& c) {
    return hexText(QLatin1StringView("&H00"), bgr(c), HexCase::Upper, QLatin1StringView("&"));
}

QString vbText(const Colour& c) {
    return decimalsText(QLatin1StringView("RGB("), c, QLatin1StringView(", "));
}

QString cppHexText(const Colour& c) {
    return hexText(QLatin1StringView("0x00"), bgr(c), HexCase::Lower);
}

QString delphiHexText(const Colour& c) {
    return hexText(QLatin1StringView("$00"), bgr(c), HexCase::Upper);
}

QString accessText(const Colour& c) {
    return packedText({}, c, {});
}

QString dotNetHtmlText(const Colour& c) {
    return hexText(QLatin1StringView("ColorTranslator.FromHtml(\"#"), rgb(c), HexCase::Upper,
                   QLatin1StringView("\")"));
}

QString dotNetOleText(const Colour& c) {
    return packedText(QLatin1StringView("ColorTranslator.FromOle("), c, QLatin1StringView(")"));
}

QString dotNetWin32Text(const Colour& c) {
    return packedText(QLatin1StringView("ColorTranslator.FromWin32("), c, QLatin1StringView(")"));
}

QString javaText(const Colour& c) {
    return decimalsText(QLatin1StringView("Color("), c, QLatin1StringView(","));
}

QString customText(const NotationSource& source) {
    return expandCustomTemplate(source.customTemplate, source.colour);
}

QString androidXmlRowText(const NotationSource& source) {
    return androidXmlText(source.colour, androidResourceName(source.markName, source.markNumber));
}

QString tailwindText(const Colour& c) {
    return nearestTailwindColour(c).stem;
}

QString tailwindDetailedText(const NotationSource& source) {
    return tailwindMatchText(nearestTailwindColour(source.colour));
}

// Most notations write the colour alone.
template <QString (*write)(const Colour&)> QString ofColour(const NotationSource& source) {
    return write(source.colour);
}

// The texts colourFromText reads back to the very colour.
std::optional<Colour> anyNotation(QStringView text) {
    return colourFromText(text.toString());
}

// The index is stored data that other programs read: a row keeps its number wherever it sits.
constexpr StoredNotation storedAs(int formatIndex) {
    return {formatIndex, {}};
}

constexpr StoredNotation storedAsCss(const char* key) {
    return {0, QLatin1StringView(key)};
}

// clang-format off
constexpr auto rows = std::to_array<NotationRow>({
    {Notation::HtmlHex, "HTML Hex", storedAs(0), ofColour<htmlHexText>, colourFromHex, "FFCC00"},
    {Notation::LowerCaseHtmlHex, "Lower Case HTML Hex", storedAs(1), ofColour<lowerCaseHtmlHexText>, colourFromHex, "ffcc00"},
    {Notation::VbHex, "VB Hex", storedAs(2), ofColour<vbHexText>, nullptr, nullptr},
    {Notation::Vb, "VB", storedAs(3), ofColour<vbText>, nullptr, nullptr},
    {Notation::CppHex, "C++ Hex", storedAs(4), ofColour<cppHexText>, nullptr, nullptr},
    {Notation::DelphiHex, "Delphi Hex", storedAs(5), ofColour<delphiHexText>, nullptr, nullptr},
    {Notation::Access, "Access", storedAs(6), ofColour<accessText>, nullptr, nullptr},
    {Notation::DotNetHtml, ".NET HTML", storedAs(7), ofColour<dotNetHtmlText>, nullptr, nullptr},
    {Notation::DotNetOle, ".NET OLE", storedAs(8), ofColour<dotNetOleText>, nullptr, nullptr},
    {Notation::DotNetWin32, ".NET Win32", storedAs(9), ofColour<dotNetWin32Text>, nullptr, nullptr},
    {Notation::Java, "Java", storedAs(10), ofColour<javaText>, nullptr, nullptr},
    {Notation::Custom, "Custom", storedAs(11), customText, nullptr, nullptr},
    {Notation::CssRgb, "CSS rgb()", storedAsCss("rgb"), ofColour<cssRgbText>, colourFromCssRgb, nullptr},
    {Notation::CssHsl, "CSS hsl()", storedAsCss("hsl"), ofColour<cssHslText>, nullptr, nullptr},
    {Notation::CssOklch, "CSS oklch()", storedAsCss("oklch"), ofColour<cssOklchText>, nullptr, nullptr},
    // Later notations show #336699 in the Options dialog, as their documentation does.
    {Notation::CssHwb, "CSS hwb()", storedAsCss("hwb"), ofColour<cssHwbText>, nullptr, "hwb(210 20% 40%)"},
    {Notation::CssLab, "CSS lab()", storedAsCss("lab"), ofColour<cssLabText>, anyNotation, "lab(41.52% -4.57 -33.49)"},
    {Notation::CssLch, "CSS lch()", storedAsCss("lch"), ofColour<cssLchText>, nullptr, "lch(41.52% 33.80 262.2)"},
    {Notation::CssOklab, "CSS oklab()", storedAsCss("oklab"), ofColour<cssOklabText>, nullptr, "oklab(49.9% -0.033 -0.093)"},
    {Notation::CssDisplayP3, "CSS color(display-p3)", storedAsCss("p3"), ofColour<cssDisplayP3Text>, nullptr, "color(display-p3 0.250 0.395 0.584)"},
    {Notation::CssHex8, "CSS #RRGGBBAA", storedAsCss("hex8"), ofColour<cssHex8Text>, anyNotation, "#336699FF"},
    {Notation::CssRgba, "CSS rgba()", storedAsCss("rgba"), ofColour<cssRgbaText>, anyNotation, "rgba(51, 102, 153, 1)"},
    {Notation::Hsv, "HSV", storedAsCss("hsv"), ofColour<hsvText>, nullptr, "hsv(210, 67%, 60%)"},
    {Notation::Flutter, "Flutter", storedAsCss("flutter"), ofColour<argbColorText>, anyNotation, "Color(0xFF336699)"},
    {Notation::SwiftUi, "SwiftUI", storedAsCss("swiftui"), ofColour<swiftUiText>, anyNotation, "Color(red: 0.200, green: 0.400, blue: 0.600)"},
    {Notation::JetpackCompose, "Jetpack Compose", storedAsCss("compose"), ofColour<argbColorText>, anyNotation, "Color(0xFF336699)"},
    {Notation::AndroidXml, "Android XML", storedAsCss("androidxml"), androidXmlRowText, anyNotation, "<color name=\"colour_name\">#FF336699</color>"},
    {Notation::Qml, "QML", storedAsCss("qml"), ofColour<qmlText>, anyNotation, "Qt.rgba(0.200, 0.400, 0.600, 1.0)"},
    {Notation::QColorCall, "QColor", storedAsCss("qcolor"), ofColour<qColorText>, anyNotation, "QColor(51, 102, 153)"},
    {Notation::Tailwind, "Tailwind", storedAsCss("tailwind"), ofColour<tailwindText>, nullptr, "sky-700, \u0394E 0.039", tailwindDetailedText},
});
// clang-format on

static_assert(hasOneRowPerEnumerator<Notation>(rows), "every notation needs exactly one row");
static_assert(rowsFollowTheEnum(rows, &NotationRow::notation),
              "the rows must follow the order of enum Notation");

const Colour exampleColour{255, 204, 0};

} // namespace

std::span<const NotationRow> notationRows() {
    return rows;
}

const NotationRow& notationRow(Notation notation) {
    return rows[static_cast<std::size_t>(notation)];
}

std::optional<Notation> notationAtRow(int row) {
    if (row < 0 || row >= notationCount) {
        return std::nullopt;
    }
    return static_cast<Notation>(row);
}

const QStringList& notationNames() {
    static const QStringList names = [] {
        QStringList list;
        for (const NotationRow& row : rows) {
            list.append(QLatin1StringView(row.listName));
        }
        return list;
    }();
    return names;
}

std::optional<QString> notationText(int row, const Colour& colour, const QString& customTemplate) {
    const std::optional<Notation> notation = notationAtRow(row);
    if (!notation) {
        return std::nullopt;
    }
    return notationText(*notation, colour, customTemplate);
}

QString notationText(Notation notation, const Colour& colour, const QString& customTemplate) {
    return notationRow(notation).text({colour, customTemplate});
}

QString notationText(Notation notation, const NotationSource& source) {
    return notationRow(notation).text(source);
}

QString detailedNotationText(Notation notation, const NotationSource& source) {
    const NotationRow& row = notationRow(notation);
    return row.detailedText != nullptr ? row.detailedText(source) : row.text(source);
}

QString notationExample(Notation notation, const QString& customTemplate) {
    const NotationRow& row = notationRow(notation);
    if (row.fixedExample != nullptr) {
        return QString::fromUtf8(row.fixedExample);
    }
    return row.text({exampleColour, customTemplate});
}

std::optional<Colour> colourFromNotationText(QStringView text) {
    for (const NotationRow& row : rows) {
        if (row.parse == nullptr) {
            continue;
        }
        if (const std::optional<Colour> colour = row.parse(text)) {
            return colour;
        }
    }
    return std::nullopt;
}

namespace {

using CodeValue = QString (*)(const Colour& colour);

struct TemplateCode {
    QLatin1StringView text;
    CodeValue value;
};

template <int Colour::*channel, HexCase letterCase> QString hexCode(const Colour& colour) {
    QString value;
    appendHexPair(value, colour.*channel, letterCase);
    return value;
}

template <int Colour::*channel> QString decimalCode(const Colour& colour) {
    return QString::number(colour.*channel);
}

QString packedCode(const Colour& colour) {
    QString value;
    appendPacked(value, colour);
    return value;
}

// The channel as a fraction of its full value: "0.200" for 51.
template <int Colour::*channel> QString fractionCode(const Colour& colour) {
    return QString::number(colour.*channel / 255.0, 'f', 3);
}

template <CssValues (*values)(const Colour&), std::size_t index>
QString cssValueCode(const Colour& colour) {
    return values(colour)[index];
}

QString opaqueAlphaCode(const Colour&) {
    return QStringLiteral("FF");
}

// The order matters: each code is replaced in the result of the ones before it, so a code can be
// formed by an earlier replacement ("%%UR%%" with red 219 becomes "%DB%"). The first ten are the
// classic ones, in their classic order; later ones follow them so that none changes their result.
constexpr auto templateCodes = std::to_array<TemplateCode>({
    {QLatin1StringView("%UR%"), hexCode<&Colour::red, HexCase::Upper>},
    {QLatin1StringView("%UG%"), hexCode<&Colour::green, HexCase::Upper>},
    {QLatin1StringView("%UB%"), hexCode<&Colour::blue, HexCase::Upper>},
    {QLatin1StringView("%LR%"), hexCode<&Colour::red, HexCase::Lower>},
    {QLatin1StringView("%LG%"), hexCode<&Colour::green, HexCase::Lower>},
    {QLatin1StringView("%LB%"), hexCode<&Colour::blue, HexCase::Lower>},
    {QLatin1StringView("%DR%"), decimalCode<&Colour::red>},
    {QLatin1StringView("%DG%"), decimalCode<&Colour::green>},
    {QLatin1StringView("%DB%"), decimalCode<&Colour::blue>},
    {QLatin1StringView("%LD%"), packedCode},
    {QLatin1StringView("%FR%"), fractionCode<&Colour::red>},
    {QLatin1StringView("%FG%"), fractionCode<&Colour::green>},
    {QLatin1StringView("%FB%"), fractionCode<&Colour::blue>},
    {QLatin1StringView("%HH%"), cssValueCode<cssHslValues, 0>},
    {QLatin1StringView("%HS%"), cssValueCode<cssHslValues, 1>},
    {QLatin1StringView("%HL%"), cssValueCode<cssHslValues, 2>},
    {QLatin1StringView("%KL%"), cssValueCode<cssOklchValues, 0>},
    {QLatin1StringView("%KC%"), cssValueCode<cssOklchValues, 1>},
    {QLatin1StringView("%KH%"), cssValueCode<cssOklchValues, 2>},
    {QLatin1StringView("%XA%"), opaqueAlphaCode},
});

} // namespace

QString expandCustomTemplate(const QString& customTemplate, const Colour& colour) {
    QString result = customTemplate;
    for (const TemplateCode& code : templateCodes) {
        // Most templates hold few codes: only build a replacement that is used.
        if (result.contains(code.text, Qt::CaseSensitive))
            result.replace(code.text, code.value(colour), Qt::CaseSensitive);
    }
    return result;
}

} // namespace tincta
