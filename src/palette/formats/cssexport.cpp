#include "palette/formats/cssexport.h"

namespace tincta {

namespace {

constexpr QLatin1StringView ruleStart{":root {\n"};
constexpr QLatin1StringView themeStart{"@theme {\n"};
constexpr QLatin1StringView ruleEnd{"}\n"};

// One "<prefix>identifier: <colour>;" line per mark, between `start` and `end`.
QByteArray declarations(ExportedMarks marks, QLatin1StringView start, QLatin1StringView prefix,
                        QString (*colourText)(const Colour&), QLatin1StringView end) {
    const QStringList identifiers = markIdentifiers(marks);
    QString text = start;
    for (std::size_t i = 0; i < marks.size(); ++i) {
        text += prefix + identifiers[i] + QLatin1StringView(": ") + colourText(marks[i].colour) +
                QLatin1StringView(";\n");
    }
    text += end;
    return text.toUtf8();
}

} // namespace

QByteArray cssPaletteBytes(ExportedMarks marks) {
    return declarations(marks, ruleStart, QLatin1StringView("  --"), lowerCaseHex, ruleEnd);
}

QByteArray scssPaletteBytes(ExportedMarks marks) {
    return declarations(marks, {}, QLatin1StringView("$"), hexTriplet, {});
}

QByteArray tailwindThemeBytes(ExportedMarks marks) {
    return declarations(marks, themeStart, QLatin1StringView("  --color-"), hexTriplet, ruleEnd);
}

} // namespace tincta
