#pragma once

#include "palette/paletteexchange.h"

#include <QByteArray>

namespace tincta {

// The palette as CSS custom properties: ":root {", one "  --identifier: #rrggbb;" line per mark
// in mark order (identifiers as markIdentifiers gives them), "}"; UTF-8, every line ending in
// LF, the last one included, as style sheets in version control are kept.
QByteArray cssPaletteBytes(ExportedMarks marks);

} // namespace tincta
