#include "palette/formats/cssexport.h"

namespace tincta {

namespace {

constexpr QLatin1StringView ruleStart{":root {\n"};
constexpr QLatin1StringView ruleEnd{"}\n"};

} // namespace

QByteArray cssPaletteBytes(ExportedMarks marks) {
    const QStringList identifiers = markIdentifiers(marks);
    QString css = ruleStart;
    for (std::size_t i = 0; i < marks.size(); ++i) {
        css += QLatin1StringView("  --") + identifiers[i] + QLatin1StringView(": ") +
               lowerCaseHex(marks[i].colour) + QLatin1StringView(";\n");
    }
    css += ruleEnd;
    return css.toUtf8();
}

} // namespace tincta
