#pragma once

#include "palette/paletteexchange.h"

#include <QByteArray>
#include <QString>

namespace tincta {

// The palette as an Adobe Swatch Exchange file (.ase): "ASEF", version 1.0, then big-endian
// blocks: one group named after the palette file ("Tincta" for a new palette) holding one
// process colour per mark, named as the mark ("Untitled" for a placeholder) in UTF-16 with a
// terminating null, its channels as 32-bit floats of exactly value / 255.
QByteArray adobeSwatchBytes(ExportedMarks marks, const QString& paletteFilePath);

// The colours of an .ase file in order, inside groups or not, of any type (global, spot,
// process). RGB and Gray become sRGB channels as they stand; CMYK and Lab are converted without
// colour management: CMYK as red = (1 - C)(1 - K) and so on, Lab as CIE Lab under D50 (lightness
// stored as 0..1) through the sRGB matrices, clamped where sRGB cannot show it. Every length is
// checked against its block and the file; a refusal names the byte at fault.
ImportResult readAdobeSwatches(const QByteArray& bytes);

} // namespace tincta
