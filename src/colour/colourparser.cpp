#include "colour/colourparser.h"

#include "colour/colourspace.h"
#include "colour/colourtables.h"
#include "colour/oklch.h"
#include "colour/tailwindpalette.h"

#include <QRegularExpression>
#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <numbers>

namespace tincta {

namespace {

using MaybeColour = std::optional<Colour>;

// What CSS means by 100% in each place.
constexpr double channelPercent = 2.55;
constexpr double labAxisPercent = 1.25;
constexpr double lchChromaPercent = 1.5;
constexpr double okAxisPercent = 0.004;
constexpr double unitPercent = 0.01;
constexpr PackedColour largestPacked = 0xFFFFFF;

// The values inside a function's brackets: "a, b, c[, alpha]" or "a b c[ / alpha]".
struct Arguments {
    QList<QStringView> values;
    QStringView alpha;
};

std::optional<Arguments> splitArguments(QStringView inside) {
    Arguments arguments;
    if (inside.contains(u',')) {
        for (QStringView value : inside.split(u','))
            arguments.values << value.trimmed();
        if (arguments.values.size() == 4)
            arguments.alpha = arguments.values.takeLast();
        return arguments;
    }
    const QList<QStringView> parts = inside.split(u'/');
    if (parts.size() > 2)
        return std::nullopt;
    for (QStringView value : parts[0].split(u' ', Qt::SkipEmptyParts))
        arguments.values << value;
    if (parts.size() == 2)
        arguments.alpha = parts[1].trimmed();
    return arguments;
}

std::optional<double> plainNumber(QStringView text) {
    static const QRegularExpression number(
        QStringLiteral("^[+-]?(\\d+|\\d*\\.\\d+)([e][+-]?\\d+)?$"));
    if (!number.match(text).hasMatch())
        return std::nullopt;
    // Far beyond any colour: refused rather than carried into maths that would overflow.
    constexpr double largestNumber = 1e6;
    const double value = text.toDouble();
    return std::abs(value) <= largestNumber ? std::optional(value) : std::nullopt;
}

// A number, or a percentage of `hundredPercent`; "none" is 0.
std::optional<double> value(QStringView text, double hundredPercent) {
    if (text == u"none")
        return 0.0;
    if (text.endsWith(u'%')) {
        const std::optional<double> percent = plainNumber(text.chopped(1));
        return percent ? std::optional(*percent * hundredPercent / 100.0) : std::nullopt;
    }
    return plainNumber(text);
}

// An angle in degrees: a bare number, or one with a unit of CSS.
std::optional<double> hue(QStringView text) {
    struct Unit {
        const char16_t* suffix;
        double degrees;
    };
    static constexpr std::array<Unit, 4> units{
        {{u"deg", 1.0}, {u"grad", 0.9}, {u"rad", 180.0 / std::numbers::pi}, {u"turn", 360.0}}};
    for (const Unit& unit : units) {
        if (text.endsWith(QStringView(unit.suffix))) {
            const std::optional<double> number =
                plainNumber(text.chopped(QStringView(unit.suffix).size()));
            return number ? std::optional(*number * unit.degrees) : std::nullopt;
        }
    }
    return value(text, 360.0);
}

bool opaque(QStringView alpha) {
    if (alpha.isNull())
        return true;
    const std::optional<double> level = value(alpha, 1.0);
    return level && *level >= 1.0;
}

// Three values of the kinds given, or nothing when the arguments are not three such values of an
// opaque colour.
using Reader = std::function<std::optional<double>(QStringView)>;

std::optional<std::array<double, 3>> three(const Arguments& arguments, const Reader& first,
                                           const Reader& second, const Reader& third) {
    if (arguments.values.size() != 3 || !opaque(arguments.alpha))
        return std::nullopt;
    const std::optional<double> a = first(arguments.values[0]);
    const std::optional<double> b = second(arguments.values[1]);
    const std::optional<double> c = third(arguments.values[2]);
    if (!a || !b || !c)
        return std::nullopt;
    return std::array<double, 3>{*a, *b, *c};
}

Reader percentOf(double hundredPercent) {
    return [hundredPercent](QStringView text) { return value(text, hundredPercent); };
}

int channel(double value) {
    return static_cast<int>(std::lround(std::clamp(value, 0.0, 255.0)));
}

Colour fromHsl(double hueDegrees, double saturation, double lightness) {
    const double brightness = lightness + saturation * std::min(lightness, 1.0 - lightness);
    const double hsvSaturation = brightness == 0.0 ? 0.0 : 2.0 * (1.0 - lightness / brightness);
    return colourFromHsv(hueDegrees, hsvSaturation, brightness);
}

Colour fromHwb(double hueDegrees, double whiteness, double blackness) {
    if (whiteness + blackness >= 1.0) {
        const double grey = whiteness / (whiteness + blackness);
        return colourFromUnitChannels(grey, grey, grey);
    }
    const double brightness = 1.0 - blackness;
    return colourFromHsv(hueDegrees, 1.0 - whiteness / brightness, brightness);
}

Oklab polar(double lightness, double chroma, double hueDegrees) {
    const double angle = hueDegrees * std::numbers::pi / 180.0;
    return {lightness, chroma * std::cos(angle), chroma * std::sin(angle)};
}

// Hex digits alone: QStringView::toUInt would also take a sign or a "0x" in front of them.
std::optional<uint> hexValue(QStringView digits) {
    const bool allHex = std::all_of(digits.begin(), digits.end(), [](QChar c) {
        return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f');
    });
    bool ok = false;
    const uint value = digits.toUInt(&ok, 16);
    if (!allHex || !ok)
        return std::nullopt;
    return value;
}

MaybeColour fromHexDigits(QStringView digits, bool alphaFirst) {
    const std::optional<uint> hex = hexValue(digits);
    if (!hex)
        return std::nullopt;
    const uint value = *hex;
    switch (digits.size()) {
    case 3:
        return Colour{static_cast<int>((value >> 8) * 17),
                      static_cast<int>(((value >> 4) & 0xF) * 17),
                      static_cast<int>((value & 0xF) * 17)};
    case 6:
        return unpack(((value & 0xFF) << 16) | (value & 0xFF00) | (value >> 16));
    case 4:
    case 8: {
        const int alphaDigits = digits.size() / 4;
        const QStringView alpha = alphaFirst ? digits.first(alphaDigits) : digits.last(alphaDigits);
        if (alpha.count(u'f') != alphaDigits)
            return std::nullopt;
        return fromHexDigits(alphaFirst ? digits.sliced(alphaDigits) : digits.chopped(alphaDigits),
                             alphaFirst);
    }
    default:
        return std::nullopt;
    }
}

// "0000ccff": blue, green and red behind a zero byte, as VB, C++ and Delphi write them.
MaybeColour fromBgrHex(QStringView digits) {
    const std::optional<uint> value = hexValue(digits);
    if (!value || digits.size() != 8 || *value > largestPacked)
        return std::nullopt;
    return unpack(*value);
}

MaybeColour fromPacked(QStringView digits) {
    bool ok = false;
    const uint value = digits.toUInt(&ok, 10);
    if (!ok || value > largestPacked)
        return std::nullopt;
    return unpack(value);
}

MaybeColour fromName(QStringView name) {
    struct Extra {
        const char16_t* name;
        PackedColour colour;
    };
    // CSS names beyond the JavaScript table: the "grey" spellings and rebeccapurple.
    static constexpr std::array<Extra, 8> extras{{{u"darkgrey", pack(169, 169, 169)},
                                                  {u"darkslategrey", pack(47, 79, 79)},
                                                  {u"dimgrey", pack(105, 105, 105)},
                                                  {u"grey", pack(128, 128, 128)},
                                                  {u"lightgrey", pack(211, 211, 211)},
                                                  {u"lightslategrey", pack(119, 136, 153)},
                                                  {u"slategrey", pack(112, 128, 144)},
                                                  {u"rebeccapurple", pack(102, 51, 153)}}};
    const ColourTables& tables = colourTables();
    for (std::size_t i = 0; i < tables.javaScriptNames.size(); ++i) {
        if (tables.javaScriptNames[i] == name)
            return unpack(tables.javaScriptColours[i]);
    }
    for (const Extra& extra : extras) {
        if (name == QStringView(extra.name))
            return unpack(extra.colour);
    }
    for (const TailwindColour& entry : tailwindPalette) {
        if (name == QLatin1StringView(entry.stem))
            return gamutMappedColour({entry.lightness, entry.chroma, entry.hue});
    }
    return std::nullopt;
}

MaybeColour fromRgbArguments(const Arguments& a) {
    const auto v = three(a, percentOf(255.0), percentOf(255.0), percentOf(255.0));
    return v ? MaybeColour(Colour{channel((*v)[0]), channel((*v)[1]), channel((*v)[2])})
             : std::nullopt;
}

MaybeColour fromHslArguments(const Arguments& a) {
    // Bare numbers mean percent in the modern syntax.
    const auto v = three(a, hue, percentOf(100.0), percentOf(100.0));
    return v ? MaybeColour(fromHsl((*v)[0], (*v)[1] / 100.0, (*v)[2] / 100.0)) : std::nullopt;
}

MaybeColour fromHwbArguments(const Arguments& a) {
    const auto v = three(a, hue, percentOf(100.0), percentOf(100.0));
    return v ? MaybeColour(fromHwb((*v)[0], (*v)[1] / 100.0, (*v)[2] / 100.0)) : std::nullopt;
}

MaybeColour fromHsvArguments(const Arguments& a) {
    const auto v = three(a, hue, percentOf(100.0), percentOf(100.0));
    return v ? MaybeColour(colourFromHsv((*v)[0], (*v)[1] / 100.0, (*v)[2] / 100.0)) : std::nullopt;
}

MaybeColour fromLabArguments(const Arguments& a) {
    const auto v = three(a, percentOf(100.0), percentOf(100.0 * labAxisPercent),
                         percentOf(100.0 * labAxisPercent));
    return v ? MaybeColour(shownColour(linearFromCieLab({(*v)[0], (*v)[1], (*v)[2]})))
             : std::nullopt;
}

MaybeColour fromLchArguments(const Arguments& a) {
    const auto v = three(a, percentOf(100.0), percentOf(100.0 * lchChromaPercent), hue);
    if (!v)
        return std::nullopt;
    const Oklab axes = polar((*v)[0], (*v)[1], (*v)[2]);
    return shownColour(linearFromCieLab({axes.lightness, axes.a, axes.b}));
}

MaybeColour fromOklabArguments(const Arguments& a) {
    const auto v = three(a, percentOf(1.0), percentOf(100.0 * okAxisPercent),
                         percentOf(100.0 * okAxisPercent));
    return v ? MaybeColour(shownColour(linearFromOklab({(*v)[0], (*v)[1], (*v)[2]})))
             : std::nullopt;
}

MaybeColour fromOklchArguments(const Arguments& a) {
    const auto v = three(a, percentOf(1.0), percentOf(100.0 * okAxisPercent), hue);
    return v ? MaybeColour(shownColour(linearFromOklab(polar((*v)[0], (*v)[1], (*v)[2]))))
             : std::nullopt;
}

// color(space c1 c2 c3 [/ alpha]) in sRGB, linear sRGB or Display P3.
MaybeColour fromColorArguments(const Arguments& a) {
    if (a.values.size() != 4)
        return std::nullopt;
    const QStringView space = a.values[0];
    const auto v =
        three({a.values.sliced(1), a.alpha}, percentOf(1.0), percentOf(1.0), percentOf(1.0));
    if (!v)
        return std::nullopt;
    const LinearRgb given{(*v)[0], (*v)[1], (*v)[2]};
    if (space == u"srgb")
        return shownColour({linearFromEncoded(given.red), linearFromEncoded(given.green),
                            linearFromEncoded(given.blue)});
    if (space == u"srgb-linear")
        return shownColour(given);
    if (space == u"display-p3")
        return shownColour(linearFromDisplayP3(given));
    return std::nullopt;
}

// Java's Color(r,g,b), Flutter's and Compose's Color(0xAARRGGBB) and SwiftUI's
// Color(red: r, green: g, blue: b) share the name.
MaybeColour fromColorCall(const Arguments& a) {
    if (a.values.size() == 1 && a.values[0].startsWith(u"0x") && a.values[0].size() == 10)
        return fromHexDigits(a.values[0].sliced(2), true);
    static const std::array<QStringView, 3> labels{u"red:", u"green:", u"blue:"};
    Arguments unlabelled{{}, a.alpha};
    bool labelled = false;
    for (qsizetype i = 0; i < a.values.size(); ++i) {
        QStringView argument = a.values[i];
        if (i < 3 && argument.startsWith(labels[static_cast<std::size_t>(i)])) {
            argument = argument.sliced(labels[static_cast<std::size_t>(i)].size()).trimmed();
            labelled = true;
        }
        unlabelled.values << argument;
    }
    const auto v = three(unlabelled, plainNumber, plainNumber, plainNumber);
    if (!v)
        return std::nullopt;
    if (labelled)
        return colourFromUnitChannels((*v)[0], (*v)[1], (*v)[2]);
    for (double channelValue : *v) {
        if (channelValue != std::floor(channelValue) || channelValue < 0.0 || channelValue > 255.0)
            return std::nullopt;
    }
    return Colour{channel((*v)[0]), channel((*v)[1]), channel((*v)[2])};
}

MaybeColour fromQtRgbaArguments(const Arguments& a) {
    if (a.alpha.isNull())
        return std::nullopt;
    const auto v = three(a, plainNumber, plainNumber, plainNumber);
    return v ? MaybeColour(colourFromUnitChannels((*v)[0], (*v)[1], (*v)[2])) : std::nullopt;
}

MaybeColour fromQColorArguments(const Arguments& a) {
    if (a.values.size() == 1 && a.values[0].size() > 2 && a.values[0].front() == u'"' &&
        a.values[0].back() == u'"' && a.values[0][1] == u'#')
        return fromHexDigits(a.values[0].sliced(2).chopped(1), false);
    return fromColorCall(a);
}

MaybeColour fromQuotedHtml(const Arguments& a) {
    if (a.values.size() != 1 || !a.values[0].startsWith(u"\"#") || !a.values[0].endsWith(u'"'))
        return std::nullopt;
    return fromHexDigits(a.values[0].sliced(2).chopped(1), false);
}

MaybeColour fromPackedArgument(const Arguments& a) {
    return a.values.size() == 1 ? fromPacked(a.values[0]) : std::nullopt;
}

struct Function {
    const char16_t* name;
    MaybeColour (*read)(const Arguments&);
};

constexpr std::array<Function, 17> functions{{
    {u"rgb", fromRgbArguments},
    {u"rgba", fromRgbArguments},
    {u"hsl", fromHslArguments},
    {u"hsla", fromHslArguments},
    {u"hwb", fromHwbArguments},
    {u"hsv", fromHsvArguments},
    {u"lab", fromLabArguments},
    {u"lch", fromLchArguments},
    {u"oklab", fromOklabArguments},
    {u"oklch", fromOklchArguments},
    {u"color", fromColorArguments},
    {u"qt.rgba", fromQtRgbaArguments},
    {u"qcolor", fromQColorArguments},
    {u"colortranslator.fromhtml", fromQuotedHtml},
    {u"colortranslator.fromole", fromPackedArgument},
    {u"colortranslator.fromwin32", fromPackedArgument},
    {u"new color", fromColorCall},
}};

MaybeColour fromFunction(QStringView text) {
    const qsizetype open = text.indexOf(u'(');
    if (open <= 0 || !text.endsWith(u')'))
        return std::nullopt;
    const QStringView name = text.first(open).trimmed();
    const std::optional<Arguments> arguments = splitArguments(text.sliced(open + 1).chopped(1));
    if (!arguments)
        return std::nullopt;
    // CSS writes color(), the platforms Color(...): the CSS form names its space first.
    if (name == u"color") {
        return !arguments->values.isEmpty() && !arguments->values[0].front().isDigit() &&
                       !arguments->values[0].startsWith(u"0x") &&
                       !arguments->values[0].startsWith(u"red:")
                   ? fromColorArguments(*arguments)
                   : fromColorCall(*arguments);
    }
    for (const Function& function : functions) {
        if (name == QStringView(function.name))
            return function.read(*arguments);
    }
    return std::nullopt;
}

// <color name="brand_red">#FFFF0000</color>: Android puts the alpha first.
MaybeColour fromAndroidResource(QStringView text) {
    static const QRegularExpression resource(
        QStringLiteral("^<color\\s+name=\"[^\"]*\"\\s*>\\s*#([0-9a-f]+)\\s*</color>$"));
    const QRegularExpressionMatch match = resource.match(text);
    return match.hasMatch() ? fromHexDigits(match.capturedView(1), true) : std::nullopt;
}

MaybeColour fromPrefixedHex(QStringView text) {
    if (text.startsWith(u'#'))
        return fromHexDigits(text.sliced(1), false);
    if (text.startsWith(u"&h") && text.endsWith(u'&'))
        return fromBgrHex(text.sliced(2).chopped(1));
    if (text.startsWith(u'$'))
        return fromBgrHex(text.sliced(1));
    if (text.startsWith(u"0x") && text.size() == 10) {
        // C++ hex has a zero byte in front of blue, green and red; Flutter's and Android's
        // 0xAARRGGBB an opaque alpha in front of red, green and blue.
        return text.sliced(2).startsWith(u"00") ? fromBgrHex(text.sliced(2))
                                                : fromHexDigits(text.sliced(2), true);
    }
    return std::nullopt;
}

} // namespace

std::optional<Colour> colourFromText(const QString& text) {
    const QString cleaned = text.trimmed().toLower();
    if (cleaned.isEmpty())
        return std::nullopt;
    if (cleaned.front().isDigit() && !cleaned.startsWith(u"0x"))
        return fromPacked(cleaned);
    if (const MaybeColour colour = fromPrefixedHex(cleaned))
        return colour;
    if (cleaned.startsWith(u"<color"))
        return fromAndroidResource(cleaned);
    if (cleaned.contains(u'('))
        return fromFunction(cleaned);
    return fromName(cleaned);
}

} // namespace tincta
