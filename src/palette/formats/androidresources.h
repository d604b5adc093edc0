#pragma once

#include "palette/paletteexchange.h"

#include <QByteArray>

namespace tincta {

// The palette as an Android res/values/colors.xml: the XML declaration, then "<resources>" with
// one "<color name="resource_name">#FFRRGGBB</color>" per mark, its name as androidResourceName
// gives it ("colour_N" for a placeholder), "_2", "_3", ... after a name already taken, since a
// build refuses two resources of one name; UTF-8, LF line ends.
QByteArray androidColoursBytes(ExportedMarks marks);

} // namespace tincta
