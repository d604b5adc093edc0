#include "palette/formats/exchangeformat.h"

#include "colour/enumrows.h"
#include "palette/formats/adobeswatchexchange.h"
#include "palette/formats/androidresources.h"
#include "palette/formats/cssexport.h"
#include "palette/formats/designtokens.h"
#include "palette/formats/gimppalette.h"
#include "palette/formats/photoshopcolours.h"

#include <QtGlobal>
#include <array>

namespace tincta {

namespace {

// The writer of a format that takes nothing from the palette file's path.
template <QByteArray (*writeMarks)(ExportedMarks)>
QByteArray withoutPath(ExportedMarks marks, const QString&) {
    return writeMarks(marks);
}

constexpr auto rows = std::to_array<ExchangeFormatRow>({
    {ExchangeFormat::Gimp, QT_TRANSLATE_NOOP("tincta::ExchangeCommands", "GIMP palette (*.gpl)"),
     QLatin1StringView(".gpl"), gimpPaletteBytes, readGimpPalette},
    {ExchangeFormat::Css,
     QT_TRANSLATE_NOOP("tincta::ExchangeCommands", "CSS custom properties (*.css)"),
     QLatin1StringView(".css"), withoutPath<cssPaletteBytes>, nullptr},
    {ExchangeFormat::Tokens,
     QT_TRANSLATE_NOOP("tincta::ExchangeCommands", "Design tokens (*.tokens.json)"),
     QLatin1StringView(".tokens.json"), withoutPath<designTokensBytes>, readDesignTokens},
    {ExchangeFormat::AdobeSwatches,
     QT_TRANSLATE_NOOP("tincta::ExchangeCommands", "Adobe Swatch Exchange (*.ase)"),
     QLatin1StringView(".ase"), adobeSwatchBytes, readAdobeSwatches},
    {ExchangeFormat::PhotoshopColours,
     QT_TRANSLATE_NOOP("tincta::ExchangeCommands", "Photoshop colour swatches (*.aco)"),
     QLatin1StringView(".aco"), withoutPath<photoshopColoursBytes>, readPhotoshopColours},
    {ExchangeFormat::Scss, QT_TRANSLATE_NOOP("tincta::ExchangeCommands", "SCSS variables (*.scss)"),
     QLatin1StringView(".scss"), withoutPath<scssPaletteBytes>, nullptr},
    {ExchangeFormat::Tailwind,
     QT_TRANSLATE_NOOP("tincta::ExchangeCommands", "Tailwind CSS theme (*.theme.css)"),
     QLatin1StringView(".theme.css"), withoutPath<tailwindThemeBytes>, nullptr},
    {ExchangeFormat::Android,
     QT_TRANSLATE_NOOP("tincta::ExchangeCommands", "Android colour resources (*.xml)"),
     QLatin1StringView(".xml"), withoutPath<androidColoursBytes>, nullptr},
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
