#include "colour/colourtables.h"

#include "colour/conversions.h"

#include <algorithm>
#include <cstdint>
#include <string_view>
#include <utility>

namespace tincta {

namespace {

struct NamedColour {
    std::string_view name;
    std::uint32_t rgb; // 0xRRGGBB as the colour is published, not packed
};

// The CSS colour keywords with their published values, without the alternative grey spellings,
// in plain character order of the names.
// clang-format off
constexpr std::array<NamedColour, javaScriptCount> javaScriptTable{{
    {"aliceblue", 0xF0F8FF}, {"antiquewhite", 0xFAEBD7}, {"aqua", 0x00FFFF},
    {"aquamarine", 0x7FFFD4}, {"azure", 0xF0FFFF}, {"beige", 0xF5F5DC}, {"bisque", 0xFFE4C4},
    {"black", 0x000000}, {"blanchedalmond", 0xFFEBCD}, {"blue", 0x0000FF}, {"blueviolet", 0x8A2BE2},
    {"brown", 0xA52A2A}, {"burlywood", 0xDEB887}, {"cadetblue", 0x5F9EA0}, {"chartreuse", 0x7FFF00},
    {"chocolate", 0xD2691E}, {"coral", 0xFF7F50}, {"cornflowerblue", 0x6495ED},
    {"cornsilk", 0xFFF8DC}, {"crimson", 0xDC143C}, {"cyan", 0x00FFFF}, {"darkblue", 0x00008B},
    {"darkcyan", 0x008B8B}, {"darkgoldenrod", 0xB8860B}, {"darkgray", 0xA9A9A9},
    {"darkgreen", 0x006400}, {"darkkhaki", 0xBDB76B}, {"darkmagenta", 0x8B008B},
    {"darkolivegreen", 0x556B2F}, {"darkorange", 0xFF8C00}, {"darkorchid", 0x9932CC},
    {"darkred", 0x8B0000}, {"darksalmon", 0xE9967A}, {"darkseagreen", 0x8FBC8F},
    {"darkslateblue", 0x483D8B}, {"darkslategray", 0x2F4F4F}, {"darkturquoise", 0x00CED1},
    {"darkviolet", 0x9400D3}, {"deeppink", 0xFF1493}, {"deepskyblue", 0x00BFFF},
    {"dimgray", 0x696969}, {"dodgerblue", 0x1E90FF}, {"firebrick", 0xB22222},
    {"floralwhite", 0xFFFAF0}, {"forestgreen", 0x228B22}, {"fuchsia", 0xFF00FF},
    {"gainsboro", 0xDCDCDC}, {"ghostwhite", 0xF8F8FF}, {"gold", 0xFFD700}, {"goldenrod", 0xDAA520},
    {"gray", 0x808080}, {"green", 0x008000}, {"greenyellow", 0xADFF2F}, {"honeydew", 0xF0FFF0},
    {"hotpink", 0xFF69B4}, {"indianred", 0xCD5C5C}, {"indigo", 0x4B0082}, {"ivory", 0xFFFFF0},
    {"khaki", 0xF0E68C}, {"lavender", 0xE6E6FA}, {"lavenderblush", 0xFFF0F5},
    {"lawngreen", 0x7CFC00}, {"lemonchiffon", 0xFFFACD}, {"lightblue", 0xADD8E6},
    {"lightcoral", 0xF08080}, {"lightcyan", 0xE0FFFF}, {"lightgoldenrodyellow", 0xFAFAD2},
    {"lightgreen", 0x90EE90}, {"lightgrey", 0xD3D3D3}, {"lightpink", 0xFFB6C1},
    {"lightsalmon", 0xFFA07A}, {"lightseagreen", 0x20B2AA}, {"lightskyblue", 0x87CEFA},
    {"lightslategray", 0x778899}, {"lightsteelblue", 0xB0C4DE}, {"lightyellow", 0xFFFFE0},
    {"lime", 0x00FF00}, {"limegreen", 0x32CD32}, {"linen", 0xFAF0E6}, {"magenta", 0xFF00FF},
    {"maroon", 0x800000}, {"mediumaquamarine", 0x66CDAA}, {"mediumblue", 0x0000CD},
    {"mediumorchid", 0xBA55D3}, {"mediumpurple", 0x9370DB}, {"mediumseagreen", 0x3CB371},
    {"mediumslateblue", 0x7B68EE}, {"mediumspringgreen", 0x00FA9A}, {"mediumturquoise", 0x48D1CC},
    {"mediumvioletred", 0xC71585}, {"midnightblue", 0x191970}, {"mintcream", 0xF5FFFA},
    {"mistyrose", 0xFFE4E1}, {"moccasin", 0xFFE4B5}, {"navajowhite", 0xFFDEAD}, {"navy", 0x000080},
    {"oldlace", 0xFDF5E6}, {"olive", 0x808000}, {"olivedrab", 0x6B8E23}, {"orange", 0xFFA500},
    {"orangered", 0xFF4500}, {"orchid", 0xDA70D6}, {"palegoldenrod", 0xEEE8AA},
    {"palegreen", 0x98FB98}, {"paleturquoise", 0xAFEEEE}, {"palevioletred", 0xDB7093},
    {"papayawhip", 0xFFEFD5}, {"peachpuff", 0xFFDAB9}, {"peru", 0xCD853F}, {"pink", 0xFFC0CB},
    {"plum", 0xDDA0DD}, {"powderblue", 0xB0E0E6}, {"purple", 0x800080}, {"red", 0xFF0000},
    {"rosybrown", 0xBC8F8F}, {"royalblue", 0x4169E1}, {"saddlebrown", 0x8B4513},
    {"salmon", 0xFA8072}, {"sandybrown", 0xF4A460}, {"seagreen", 0x2E8B57}, {"seashell", 0xFFF5EE},
    {"sienna", 0xA0522D}, {"silver", 0xC0C0C0}, {"skyblue", 0x87CEEB}, {"slateblue", 0x6A5ACD},
    {"slategray", 0x708090}, {"snow", 0xFFFAFA}, {"springgreen", 0x00FF7F}, {"steelblue", 0x4682B4},
    {"tan", 0xD2B48C}, {"teal", 0x008080}, {"thistle", 0xD8BFD8}, {"tomato", 0xFF6347},
    {"turquoise", 0x40E0D0}, {"violet", 0xEE82EE}, {"wheat", 0xF5DEB3}, {"white", 0xFFFFFF},
    {"whitesmoke", 0xF5F5F5}, {"yellow", 0xFFFF00}, {"yellowgreen", 0x9ACD32},
}};
// clang-format on

static_assert(std::ranges::is_sorted(javaScriptTable, {}, &NamedColour::name));

// The order of the "Sort like Visual Studio .NET" view: greys first, then roughly by hue.
// clang-format off
constexpr std::array<std::string_view, javaScriptCount> dotNetOrder{
    "black", "dimgray", "gray", "darkgray", "silver", "lightgrey", "gainsboro", "whitesmoke",
    "white", "rosybrown", "indianred", "brown", "firebrick", "lightcoral", "maroon", "darkred",
    "red", "snow", "mistyrose", "salmon", "tomato", "darksalmon", "coral", "orangered",
    "lightsalmon", "sienna", "seashell", "chocolate", "saddlebrown", "sandybrown", "peachpuff",
    "peru", "linen", "bisque", "darkorange", "burlywood", "tan", "antiquewhite", "navajowhite",
    "blanchedalmond", "papayawhip", "moccasin", "orange", "wheat", "oldlace", "floralwhite",
    "darkgoldenrod", "goldenrod", "cornsilk", "gold", "khaki", "lemonchiffon", "palegoldenrod",
    "darkkhaki", "beige", "lightgoldenrodyellow", "olive", "yellow", "lightyellow", "ivory",
    "olivedrab", "yellowgreen", "darkolivegreen", "greenyellow", "chartreuse", "lawngreen",
    "darkseagreen", "forestgreen", "limegreen", "lightgreen", "palegreen", "darkgreen", "green",
    "lime", "honeydew", "seagreen", "mediumseagreen", "springgreen", "mintcream",
    "mediumspringgreen", "mediumaquamarine", "aquamarine", "turquoise", "lightseagreen",
    "mediumturquoise", "darkslategray", "paleturquoise", "teal", "darkcyan", "aqua", "cyan",
    "lightcyan", "azure", "darkturquoise", "cadetblue", "powderblue", "lightblue", "deepskyblue",
    "skyblue", "lightskyblue", "steelblue", "aliceblue", "dodgerblue", "slategray",
    "lightslategray", "lightsteelblue", "cornflowerblue", "royalblue", "midnightblue", "lavender",
    "navy", "darkblue", "mediumblue", "blue", "ghostwhite", "slateblue", "darkslateblue",
    "mediumslateblue", "mediumpurple", "blueviolet", "indigo", "darkorchid", "darkviolet",
    "mediumorchid", "thistle", "plum", "violet", "purple", "darkmagenta", "magenta", "fuchsia",
    "orchid", "mediumvioletred", "deeppink", "hotpink", "lavenderblush", "palevioletred", "crimson",
    "pink", "lightpink",
};
// clang-format on

constexpr std::array<std::uint32_t, failsafeCount> failsafeRgb{
    0x000000, 0x800080, 0x000080, 0x008080, 0x008000, 0x808000, 0x800000, 0x808080,
    0xFF00FF, 0x0000FF, 0x00FFFF, 0x00FF00, 0xFFFF00, 0xFF0000, 0xC0C0C0, 0xFFFFFF,
};

constexpr int websafeStep = 51;

constexpr PackedColour packRgb(std::uint32_t rgb) {
    return pack(static_cast<int>(rgb >> 16), static_cast<int>((rgb >> 8) & 0xFFu),
                static_cast<int>(rgb & 0xFFu));
}

QString caption(std::string_view name, PackedColour colour) {
    return QLatin1StringView(name.data(), static_cast<qsizetype>(name.size())) + QLatin1Char(' ') +
           hexTriplet(unpack(colour));
}

int javaScriptTableIndex(std::string_view name) {
    const auto* found = std::ranges::lower_bound(javaScriptTable, name, {}, &NamedColour::name);
    return static_cast<int>(found - javaScriptTable.begin());
}

// Everything the lookups need besides the public tables: for each JavaScript colour its first
// index, sorted by colour, so a lookup is a binary search instead of a scan.
struct Tables {
    ColourTables tables;
    std::array<std::pair<PackedColour, int>, javaScriptCount> javaScriptByColour;
    std::array<PackedColour, failsafeCount> failsafeSorted;
};

Tables makeTables() {
    Tables built;
    ColourTables& t = built.tables;
    for (int v = 0; v < 256; ++v) {
        t.hexBytes[v].reserve(2);
        appendHexPair(t.hexBytes[v], v);
    }
    for (int i = 0; i < websafeCount; ++i) {
        t.websafeRgb[i] =
            Colour{websafeStep * (i / 36), websafeStep * ((i / 6) % 6), websafeStep * (i % 6)};
        t.websafeColours[i] = pack(t.websafeRgb[i]);
    }
    for (int i = 0; i < failsafeCount; ++i) {
        t.failsafeColours[i] = packRgb(failsafeRgb[i]);
        t.failsafeHex[i] = hexTriplet(unpack(t.failsafeColours[i]));
    }
    for (int i = 0; i < javaScriptCount; ++i) {
        const NamedColour& entry = javaScriptTable[i];
        t.javaScriptColours[i] = packRgb(entry.rgb);
        t.javaScriptNames[i] =
            QLatin1StringView(entry.name.data(), static_cast<qsizetype>(entry.name.size()));
        t.javaScriptCaptions[i] = caption(entry.name, t.javaScriptColours[i]);
        built.javaScriptByColour[i] = {t.javaScriptColours[i], i};
    }
    for (int i = 0; i < javaScriptCount; ++i) {
        const int index = javaScriptTableIndex(dotNetOrder[i]);
        t.dotNetColours[i] = t.javaScriptColours[index];
        t.dotNetCaptions[i] = t.javaScriptCaptions[index];
    }
    // Pairs sort by colour, then by index, so the first pair of a colour holds its first index.
    std::ranges::sort(built.javaScriptByColour);
    built.failsafeSorted = t.failsafeColours;
    std::ranges::sort(built.failsafeSorted);
    return built;
}

const Tables& tables() {
    static const Tables built = makeTables();
    return built;
}

bool isWebsafe(PackedColour colour) {
    if (colour > 0xFFFFFFu) {
        return false;
    }
    const Colour c = unpack(colour);
    return c.red % websafeStep == 0 && c.green % websafeStep == 0 && c.blue % websafeStep == 0;
}

bool isFailsafe(PackedColour colour) {
    return std::ranges::binary_search(tables().failsafeSorted, colour);
}

} // namespace

const ColourTables& buildColourTables() {
    return tables().tables;
}

int javaScriptIndex(PackedColour colour) {
    const auto& byColour = tables().javaScriptByColour;
    const auto* found =
        std::ranges::lower_bound(byColour, colour, {}, &std::pair<PackedColour, int>::first);
    return found != byColour.end() && found->first == colour ? found->second : -1;
}

int propertyFlags(PackedColour colour) {
    return (isWebsafe(colour) ? 4 : 0) | (isFailsafe(colour) ? 2 : 0) |
           (javaScriptIndex(colour) >= 0 ? 1 : 0);
}

QString propertyLetters(PackedColour colour) {
    // Shared constant texts: no allocation on the refresh path.
    static const std::array<QString, 8> letters{
        QString(),           QStringLiteral("J"),  QStringLiteral("F"),  QStringLiteral("FJ"),
        QStringLiteral("W"), QStringLiteral("WJ"), QStringLiteral("WF"), QStringLiteral("WFJ"),
    };
    return letters[static_cast<std::size_t>(propertyFlags(colour))];
}

QString javaScriptName(PackedColour colour) {
    const int index = javaScriptIndex(colour);
    if (index < 0) {
        return {};
    }
    const ColourTables& t = tables().tables;
    const QString& name = t.javaScriptNames[index];
    // Of the two names a colour can have, the program shows the more familiar one.
    if (name == QLatin1StringView("aqua")) {
        return t.javaScriptNames[javaScriptTableIndex("cyan")];
    }
    if (name == QLatin1StringView("fuchsia")) {
        return t.javaScriptNames[javaScriptTableIndex("magenta")];
    }
    return name;
}

} // namespace tincta
