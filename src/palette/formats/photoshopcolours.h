#pragma once

#include "palette/paletteexchange.h"

#include <QByteArray>

namespace tincta {

// The palette as a Photoshop colour file (.aco), as Photoshop writes one: version 1 (the
// RGB colours, each channel as value × 257 in 16 bits), then version 2 (the same colours, each
// with its name in UTF-16 and a terminating null, "Untitled" for a placeholder); big-endian.
QByteArray photoshopColoursBytes(ExportedMarks marks);

// The colours of an .aco file: those of its version 2 part with their names where it has one,
// else those of version 1, unnamed. RGB, HSB and Grayscale become sRGB channels as they stand;
// CMYK and Lab are converted without colour management (CMYK as red = (1 - C)(1 - K) and so on,
// Lab as CIE Lab under D50 through the sRGB matrices, clamped). Other colour spaces (Pantone and
// the other books) are refused with their name; a refusal names the byte at fault.
ImportResult readPhotoshopColours(const QByteArray& bytes);

} // namespace tincta
