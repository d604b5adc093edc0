#pragma once

#include "palette/paletteexchange.h"

#include <QByteArray>
#include <QString>

namespace tincta {

// The palette as a GIMP palette (.gpl): UTF-8, every line ending in LF; "Name: " with the base
// name of the palette file (empty path: a new palette), "Columns: 6", then one line per mark,
// "%3d %3d %3d", a tab and the name, with placeholders written as "Untitled".
QByteArray gimpPaletteBytes(ExportedMarks marks, const QString& paletteFilePath);

// The colours of a GIMP palette, read as GIMP reads it: the header line, optional
// "Name:" and "Columns:" lines, "#" comments and blank lines, then three whitespace-separated
// whole numbers 0..255 and the rest of the line as the name. Every colour line must be sound,
// also those after the sixth. Lines may end in LF, CR LF or CR.
ImportResult readGimpPalette(const QByteArray& bytes);

} // namespace tincta
