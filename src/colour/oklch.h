#pragma once

#include "colour/colour.h"
#include "colour/colourspace.h"

namespace tincta {

// A colour in OKLCH: OKLab lightness 0..1, chroma (distance from grey) and hue in degrees 0..360.
struct Oklch {
    double lightness = 0.0;
    double chroma = 0.0;
    double hue = 0.0;
};

Oklch toOklch(const Colour& colour);
Oklch oklchFromLinear(const LinearRgb& linear);

// The linear sRGB channels of an OKLCH colour, unclamped: outside 0..1 where it cannot be shown.
LinearRgb linearFromOklch(const Oklch& colour);

// Whether every linear channel lies within 0..1, give or take floating-point noise.
bool isInSrgb(const LinearRgb& linear);

// The colour brought into sRGB by lowering its chroma alone, as little as needed, so that
// lightness and hue stay as asked; lightness is first held within 0..1. Unrounded linear light.
LinearRgb gamutMappedLinear(const Oklch& colour);

// The 8-bit sRGB colour for a colour given in linear light, mapped into sRGB as CSS Color 4 maps
// a colour into a gamut: its OKLCH chroma lowered until the colour, clipped into sRGB, lies less
// than a just noticeable difference (0.02 in OKLab) from it.
Colour shownColour(const LinearRgb& linear);

// gamutMappedLinear rounded to 8-bit channels.
Colour gamutMappedColour(const Oklch& colour);

} // namespace tincta
