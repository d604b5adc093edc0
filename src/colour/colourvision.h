#pragma once

#include "colour/colour.h"

namespace tincta {

enum class ColourVision { Protanopia, Deuteranopia, Tritanopia };

// How the colour looks to a viewer with the given dichromacy.
Colour simulateColourVision(ColourVision kind, const Colour& colour);

// Euclidean distance of the two colours in OKLab: about 0.02 is just noticeable side by side,
// white to black is 1.
double oklabDeltaE(const Colour& first, const Colour& second);

// Whether two marks are likely to be taken for one another at a glance.
bool hardToTellApart(const Colour& first, const Colour& second);

// hardToTellApart of the two colours as a viewer with the given dichromacy sees them.
bool hardToTellApartWith(ColourVision kind, const Colour& first, const Colour& second);

} // namespace tincta
