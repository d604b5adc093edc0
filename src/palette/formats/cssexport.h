#pragma once

#include "palette/paletteexchange.h"

#include <QByteArray>

namespace tincta {

// The palette as CSS custom properties: ":root {", one "  --identifier: #rrggbb;" line per mark
// in mark order (identifiers as markIdentifiers gives them), "}"; UTF-8, every line ending in
// LF, the last one included, as style sheets in version control are kept.
QByteArray cssPaletteBytes(ExportedMarks marks);

// The palette as SCSS variables: one "$identifier: #RRGGBB;" line per mark, identifiers as in
// cssPaletteBytes; UTF-8, LF line ends.
QByteArray scssPaletteBytes(ExportedMarks marks);

// The palette as a Tailwind CSS v4 theme: "@theme {", one "  --color-identifier: #RRGGBB;"
// line per mark, which gives the utilities bg-identifier, text-identifier and so on, "}".
QByteArray tailwindThemeBytes(ExportedMarks marks);

} // namespace tincta
