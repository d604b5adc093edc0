#include "colour/notation.h"

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

QString htmlHexText(const Colour& c, const QString&) {
    return hexTriplet(c);
}

QString lowerCaseHtmlHexText(const Colour& c, const QString&) {
    return hexText(QLatin1StringView("#"), rgb(c), HexCase::Lower);
}

QString vbHexText(const Colour& c, const QString&) {
    return hexText(QLatin1StringView("&H00"), bgr(c), HexCase::Upper, QLatin1StringView("&"));
}

QString vbText(const Colour& c, const QString&) {
    return decimalsText(QLatin1StringView("RGB("), c, QLatin1StringView(", "));
}

QString cppHexText(const Colour& c, const QString&) {
    return hexText(QLatin1StringView("0x00"), bgr(c), HexCase::Lower);
}

QString delphiHexText(const Colour& c, const QString&) {
    return hexText(QLatin1StringView("$00"), bgr(c), HexCase::Upper);
}

QString accessText(const Colour& c, const QString&) {
    return packedText({}, c, {});
}

QString dotNetHtmlText(const Colour& c, const QString&) {
    return hexText(QLatin1StringView("ColorTranslator.FromHtml(\"#"), rgb(c), HexCase::Upper,
                   QLatin1StringView("\")"));
}

QString dotNetOleText(const Colour& c, const QString&) {
    return packedText(QLatin1StringView("ColorTranslator.FromOle("), c, QLatin1StringView(")"));
}

QString dotNetWin32Text(const Colour& c, const QString&) {
    return packedText(QLatin1StringView("ColorTranslator.FromWin32("), c, QLatin1StringView(")"));
}

QString javaText(const Colour& c, const QString&) {
    return decimalsText(QLatin1StringView("Color("), c, QLatin1StringView(","));
}

QString customText(const Colour& c, const QString& customTemplate) {
    return expandCustomTemplate(customTemplate, c);
}

QString cssRgbRowText(const Colour& c, const QString&) {
    return cssRgbText(c);
}

QString cssHslRowText(const Colour& c, const QString&) {
    return cssHslText(c);
}

QString cssOklchRowText(const Colour& c, const QString&) {
    return cssOklchText(c);
}

// The index is stored data that other programs read: a row keeps its number wherever it sits.
constexpr StoredNotation storedAs(int formatIndex) {
    return {formatIndex, {}};
}

constexpr StoredNotation storedAsCss(const char* key) {
    return {0, QLatin1StringView(key)};
}

constexpr auto rows = std::to_array<NotationRow>({
    {Notation::HtmlHex, "HTML Hex", storedAs(0), htmlHexText, colourFromHex, "FFCC00"},
    {Notation::LowerCaseHtmlHex, "Lower Case HTML Hex", storedAs(1), lowerCaseHtmlHexText,
     colourFromHex, "ffcc00"},
    {Notation::VbHex, "VB Hex", storedAs(2), vbHexText, nullptr, nullptr},
    {Notation::Vb, "VB", storedAs(3), vbText, nullptr, nullptr},
    {Notation::CppHex, "C++ Hex", storedAs(4), cppHexText, nullptr, nullptr},
    {Notation::DelphiHex, "Delphi Hex", storedAs(5), delphiHexText, nullptr, nullptr},
    {Notation::Access, "Access", storedAs(6), accessText, nullptr, nullptr},
    {Notation::DotNetHtml, ".NET HTML", storedAs(7), dotNetHtmlText, nullptr, nullptr},
    {Notation::DotNetOle, ".NET OLE", storedAs(8), dotNetOleText, nullptr, nullptr},
    {Notation::DotNetWin32, ".NET Win32", storedAs(9), dotNetWin32Text, nullptr, nullptr},
    {Notation::Java, "Java", storedAs(10), javaText, nullptr, nullptr},
    {Notation::Custom, "Custom", storedAs(11), customText, nullptr, nullptr},
    {Notation::CssRgb, "CSS rgb()", storedAsCss("rgb"), cssRgbRowText, colourFromCssRgb, nullptr},
    {Notation::CssHsl, "CSS hsl()", storedAsCss("hsl"), cssHslRowText, nullptr, nullptr},
    {Notation::CssOklch, "CSS oklch()", storedAsCss("oklch"), cssOklchRowText, nullptr, nullptr},
});

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
    return notationRow(notation).text(colour, customTemplate);
}

QString notationExample(Notation notation, const QString& customTemplate) {
    const NotationRow& row = notationRow(notation);
    if (row.fixedExample != nullptr) {
        return QLatin1StringView(row.fixedExample);
    }
    return row.text(exampleColour, customTemplate);
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

QString expandCustomTemplate(const QString& customTemplate, const Colour& colour) {
    enum class Kind { UpperHex, LowerHex, Decimal, Packed };
    struct Code {
        QLatin1StringView text;
        Kind kind;
        int Colour::*channel;
    };
    // The order matters: each code is replaced in the result of the ones before it, so a code
    // can be formed by an earlier replacement ("%%UR%%" with red 219 becomes "%DB%").
    static constexpr std::array<Code, 10> codes{{
        {QLatin1StringView("%UR%"), Kind::UpperHex, &Colour::red},
        {QLatin1StringView("%UG%"), Kind::UpperHex, &Colour::green},
        {QLatin1StringView("%UB%"), Kind::UpperHex, &Colour::blue},
        {QLatin1StringView("%LR%"), Kind::LowerHex, &Colour::red},
        {QLatin1StringView("%LG%"), Kind::LowerHex, &Colour::green},
        {QLatin1StringView("%LB%"), Kind::LowerHex, &Colour::blue},
        {QLatin1StringView("%DR%"), Kind::Decimal, &Colour::red},
        {QLatin1StringView("%DG%"), Kind::Decimal, &Colour::green},
        {QLatin1StringView("%DB%"), Kind::Decimal, &Colour::blue},
        {QLatin1StringView("%LD%"), Kind::Packed, nullptr},
    }};

    QString result = customTemplate;
    QString value;
    for (const Code& code : codes) {
        // Most templates hold few codes: only build a replacement that is used.
        if (!result.contains(code.text, Qt::CaseSensitive)) {
            continue;
        }
        value.truncate(0);
        switch (code.kind) {
        case Kind::UpperHex:
            appendHexPair(value, colour.*code.channel, HexCase::Upper);
            break;
        case Kind::LowerHex:
            appendHexPair(value, colour.*code.channel, HexCase::Lower);
            break;
        case Kind::Decimal:
            appendDecimal(value, colour.*code.channel);
            break;
        case Kind::Packed:
            appendPacked(value, colour);
            break;
        }
        result.replace(code.text, value, Qt::CaseSensitive);
    }
    return result;
}

} // namespace tincta
