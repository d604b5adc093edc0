#pragma once

#include "palette/paletteexchange.h"

#include <QByteArray>
#include <QLatin1StringView>
#include <QString>
#include <span>

namespace tincta {

// The formats a palette is exported to and imported from, in the order the file dialogs offer
// them. A new one needs its row in exchangeformat.cpp: the build fails without it.
enum class ExchangeFormat {
    Gimp,
    Css,
    Tokens,
    AdobeSwatches,
    PhotoshopColours,
    Scss,
    Tailwind,
    Android,
    Count // keep last: the number of formats
};

// The context the file dialog filters are translated in.
inline constexpr char exchangeFormatContext[] = "tincta::ExchangeCommands";

struct ExchangeFormatRow {
    ExchangeFormat format;
    // The file dialog's filter, to translate in exchangeFormatContext.
    const char* filter;
    QLatin1StringView suffix;
    // The palette in the format; a format may take its name from the palette file's path.
    QByteArray (*write)(ExportedMarks marks, const QString& paletteFilePath);
    // The first colours of a file in the format; null for a format that is only written.
    ImportResult (*read)(const QByteArray& bytes);
};

// Every row, in the order the file dialogs offer them.
std::span<const ExchangeFormatRow> exchangeFormatRows();

const ExchangeFormatRow& exchangeFormatRow(ExchangeFormat format);

} // namespace tincta
