#include "palette/exchangeformat.h"

#include "palette/cssexport.h"
#include "palette/designtokens.h"
#include "palette/gimppalette.h"

namespace tincta {

QByteArray exportedPaletteBytes(ExchangeFormat format, const PaletteMarks& marks,
                                const QString& paletteFilePath) {
    switch (format) {
    case ExchangeFormat::Gimp:
        return gimpPaletteBytes(marks, paletteFilePath);
    case ExchangeFormat::Css:
        return cssPaletteBytes(marks);
    case ExchangeFormat::Tokens:
        break;
    }
    return designTokensBytes(marks);
}

} // namespace tincta
