#pragma once

#include "colour/colour.h"

namespace tincta {

// A colour in linear light: each channel 0..1 for a displayable colour, proportional to the
// light the screen gives off.
struct LinearRgb {
    double red = 0.0;
    double green = 0.0;
    double blue = 0.0;
};

// Row-major 3 x 3 matrix that maps one colour triple to another.
using ColourMatrix = double[3][3];

// A colour in OKLab: lightness 0..1 and the two opponent axes, where a Euclidean distance
// follows how different two colours look.
struct Oklab {
    double lightness = 0.0;
    double a = 0.0;
    double b = 0.0;
};

// A colour in CIE Lab under the D50 white of CSS Color 4: lightness 0..100 and the two opponent
// axes.
struct CieLab {
    double lightness = 0.0;
    double a = 0.0;
    double b = 0.0;
};

// The sRGB transfer curve undone for one 8-bit channel value.
double linearFromChannel(int channel);

// The sRGB transfer curve applied to a linear value clamped to 0..1, as an 8-bit channel value
// rounded to nearest (halves away from zero).
int channelFromLinear(double linear);

LinearRgb toLinearRgb(const Colour& colour);

// Each channel clamped to 0..1, then encoded as 8-bit sRGB.
Colour fromLinearRgb(const LinearRgb& linear);

// The matrix applied to the linear channels, without clamping.
LinearRgb transformLinear(const ColourMatrix& matrix, const LinearRgb& linear);

Oklab toOklab(const Colour& colour);
Oklab oklabFromLinear(const LinearRgb& linear);

// The colour in CIE Lab (D50), adapted from D65 with the Bradford matrix of CSS Color 4.
CieLab toCieLab(const Colour& colour);

// The colour's Display P3 channels, 0..1, with P3's transfer curve (the sRGB one) applied.
LinearRgb toDisplayP3(const Colour& colour);

// The linear sRGB channels of a CIE Lab (D50) colour, unclamped.
LinearRgb linearFromCieLab(const CieLab& colour);

// The linear sRGB channels of Display P3 channels (with P3's transfer curve), unclamped.
LinearRgb linearFromDisplayP3(const LinearRgb& p3);

// The sRGB transfer curve undone for a channel of either sign, as CSS extends it.
double linearFromEncoded(double encoded);

// Channels given as fractions 0..1 of their full value, each clamped and rounded to nearest.
Colour colourFromUnitChannels(double red, double green, double blue);

// HSV (HSB) with the hue in degrees, taken round the circle, and the other two 0..1.
Colour colourFromHsv(double hueDegrees, double saturation, double brightness);

// The linear channels of an OKLab colour, unclamped: outside 0..1 where sRGB cannot show it.
LinearRgb linearFromOklab(const Oklab& colour);

} // namespace tincta
