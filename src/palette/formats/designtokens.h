#pragma once

#include "palette/paletteexchange.h"

#include <QByteArray>

namespace tincta {

// The palette as W3C design tokens (Design Tokens Community Group format 2025.10): one colour
// token per mark keyed by its identifier (markIdentifiers), with "$type" "color", "$value"
// {"colorSpace": "srgb", "components": [r/255, g/255, b/255 to 4 decimals], "hex": "#rrggbb"},
// "$extensions" {"io.github.tincta": {"mark": N}} to keep the order that JSON objects lack, and
// the mark's name as "$description" unless it is a placeholder or empty, so that names survive
// the trip. UTF-8 JSON indented by four blanks, every line ending in LF.
QByteArray designTokensBytes(ExportedMarks marks);

// The colour tokens of a design tokens file: those with a mark number in its order,
// then the others in the order of their paths. Groups are searched and pass their "$type" on;
// tokens of other types and references to other tokens are passed over. A colour is its "hex"
// where present, else its sRGB "components", or the older string form "$value": "#rrggbb". The
// name is the token's "$description", else the key of a token made elsewhere; ours without a
// description is unnamed.
ImportResult readDesignTokens(const QByteArray& bytes);

} // namespace tincta
