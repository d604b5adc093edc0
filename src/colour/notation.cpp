#include "colour/notation.h"

#include "colour/conversions.h"
#include "colour/cssnotation.h"

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

} // namespace

const QStringList& notationNames() {
    static const QStringList names{
        QStringLiteral("HTML Hex"),    QStringLiteral("Lower Case HTML Hex"),
        QStringLiteral("VB Hex"),      QStringLiteral("VB"),
        QStringLiteral("C++ Hex"),     QStringLiteral("Delphi Hex"),
        QStringLiteral("Access"),      QStringLiteral(".NET HTML"),
        QStringLiteral(".NET OLE"),    QStringLiteral(".NET Win32"),
        QStringLiteral("Java"),        QStringLiteral("Custom"),
        QStringLiteral("CSS rgb()"),   QStringLiteral("CSS hsl()"),
        QStringLiteral("CSS oklch()"),
    };
    return names;
}

std::optional<QString> notationText(int index, const Colour& colour,
                                    const QString& customTemplate) {
    if (index < 0 || index >= notationCount) {
        return std::nullopt;
    }
    switch (index) {
    case customNotation:
        return expandCustomTemplate(customTemplate, colour);
    case cssRgbNotation:
        return cssRgbText(colour);
    case cssHslNotation:
        return cssHslText(colour);
    case cssOklchNotation:
        return cssOklchText(colour);
    default:
        break;
    }
    QString text;
    text.reserve(builtInCapacity);
    switch (index) {
    case 0:
        text.append(QLatin1Char('#'));
        appendHex(text, rgb(colour), HexCase::Upper);
        break;
    case 1:
        text.append(QLatin1Char('#'));
        appendHex(text, rgb(colour), HexCase::Lower);
        break;
    case 2:
        text.append(QLatin1StringView("&H00"));
        appendHex(text, bgr(colour), HexCase::Upper);
        text.append(QLatin1Char('&'));
        break;
    case 3:
        text.append(QLatin1StringView("RGB("));
        appendDecimals(text, colour, QLatin1StringView(", "));
        text.append(QLatin1Char(')'));
        break;
    case 4:
        text.append(QLatin1StringView("0x00"));
        appendHex(text, bgr(colour), HexCase::Lower);
        break;
    case 5:
        text.append(QLatin1StringView("$00"));
        appendHex(text, bgr(colour), HexCase::Upper);
        break;
    case 6:
        appendPacked(text, colour);
        break;
    case 7:
        text.append(QLatin1StringView("ColorTranslator.FromHtml(\"#"));
        appendHex(text, rgb(colour), HexCase::Upper);
        text.append(QLatin1StringView("\")"));
        break;
    case 8:
        text.append(QLatin1StringView("ColorTranslator.FromOle("));
        appendPacked(text, colour);
        text.append(QLatin1Char(')'));
        break;
    case 9:
        text.append(QLatin1StringView("ColorTranslator.FromWin32("));
        appendPacked(text, colour);
        text.append(QLatin1Char(')'));
        break;
    case 10:
        text.append(QLatin1StringView("Color("));
        appendDecimals(text, colour, QLatin1StringView(","));
        text.append(QLatin1Char(')'));
        break;
    default:
        break;
    }
    return text;
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
