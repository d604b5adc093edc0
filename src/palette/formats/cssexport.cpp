#include "palette/formats/cssexport.h"

namespace tincta {

namespace {

constexpr QLatin1StringView ruleStart{":root {\n"};
constexpr QLatin1StringView ruleEnd{"}\n"};

} // namespace

QByteArray cssPaletteBytes(const PaletteMarks& marks) {
    const QStringList identifiers = markIdentifiers(marks);
    QString css = ruleStart;
    for (int i = 0; i < paletteMarkCount; ++i) {
        css += QLatin1StringView("  --") + identifiers[i] + QLatin1StringView(": ") +
               lowerCaseHex(marks[i].colour) + QLatin1StringView(";\n");
    }
    css += ruleEnd;
    return css.toUtf8();
}

} // namespace tincta
