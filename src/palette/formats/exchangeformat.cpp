#include "palette/formats/exchangeformat.h"

#include "colour/enumrows.h"
#include "palette/formats/cssexport.h"
#include "palette/formats/designtokens.h"
#include "palette/formats/gimppalette.h"

#include <QtGlobal>
#include <array>

namespace tincta {

namespace {

QByteArray writeCss(ExportedMarks marks, const QString&) {
    return cssPaletteBytes(marks);
}

QByteArray writeTokens(ExportedMarks marks, const QString&) {
    return designTokensBytes(marks);
}

constexpr auto rows = std::to_array<ExchangeFormatRow>({
    {ExchangeFormat::Gimp, QT_TRANSLATE_NOOP("tincta::ExchangeCommands", "GIMP palette (*.gpl)"),
     QLatin1StringView(".gpl"), gimpPaletteBytes, readGimpPalette},
    {ExchangeFormat::Css,
     QT_TRANSLATE_NOOP("tincta::ExchangeCommands", "CSS custom properties (*.css)"),
     QLatin1StringView(".css"), writeCss, nullptr},
    {ExchangeFormat::Tokens,
     QT_TRANSLATE_NOOP("tincta::ExchangeCommands", "Design tokens (*.tokens.json)"),
     QLatin1StringView(".tokens.json"), writeTokens, readDesignTokens},
});

static_assert(hasOneRowPerEnumerator<ExchangeFormat>(rows),
              "every exchange format needs exactly one row");
static_assert(rowsFollowTheEnum(rows, &ExchangeFormatRow::format),
              "the rows must follow the order of enum ExchangeFormat");

} // namespace

std::span<const ExchangeFormatRow> exchangeFormatRows() {
    return rows;
}

const ExchangeFormatRow& exchangeFormatRow(ExchangeFormat format) {
    return rows[static_cast<std::size_t>(format)];
}

} // namespace tincta
