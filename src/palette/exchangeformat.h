#pragma once

#include "palette/palettefile.h"

#include <QByteArray>
#include <QString>

namespace tincta {

// The formats a palette is exported to; CSS custom properties are written only.
enum class ExchangeFormat { Gimp, Css, Tokens };

// The palette in the format; a GIMP palette takes its name from the palette file's path.
QByteArray exportedPaletteBytes(ExchangeFormat format, const PaletteMarks& marks,
                                const QString& paletteFilePath);

} // namespace tincta
