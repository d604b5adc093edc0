#include "palette/droppedcolour.h"

#include "colour/colourparser.h"
#include "colour/colourtables.h"
#include "colour/conversions.h"
#include "colour/notation.h"

#include <algorithm>

namespace tincta {

namespace {

constexpr qsizetype shortHexLength = 4;

// "#RGB" stands for "#RRGGBB".
std::optional<Colour> colourFromShortHex(QStringView text) {
    if (text.size() != shortHexLength || !text.startsWith(u'#')) {
        return std::nullopt;
    }
    QString longHex(QLatin1Char('#'));
    for (const QChar digit : text.sliced(1)) {
        longHex += digit;
        longHex += digit;
    }
    return colourFromHex(longHex);
}

std::optional<Colour> colourFromName(const QString& name) {
    const ColourTables& tables = colourTables();
    const auto found =
        std::find(tables.javaScriptNames.begin(), tables.javaScriptNames.end(), name);
    if (found == tables.javaScriptNames.end()) {
        return std::nullopt;
    }
    return unpack(tables.javaScriptColours[found - tables.javaScriptNames.begin()]);
}

} // namespace

std::optional<Colour> colourFromDroppedText(const QString& text) {
    const QString cleaned = text.trimmed().toLower();
    if (const std::optional<Colour> colour = colourFromNotationText(cleaned)) {
        return colour;
    }
    if (const std::optional<Colour> colour = colourFromShortHex(cleaned)) {
        return colour;
    }
    if (const std::optional<Colour> colour = colourFromName(cleaned)) {
        return colour;
    }
    return colourFromText(cleaned);
}

} // namespace tincta
