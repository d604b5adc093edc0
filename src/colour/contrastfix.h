#pragma once

#include "colour/colour.h"

#include <optional>

namespace tincta {

// The WCAG 2.x levels a suggestion can aim for, with the contrast ratio each asks of normal text.
enum class ContrastLevel { AaLarge, Aa, Aaa };

double minimumRatio(ContrastLevel level);

struct ContrastSuggestion {
    Colour colour;
    // The OKLCH lightness the colour was found at, before rounding to 8 bits.
    double lightness = 0.0;
    // The contrast ratio of the rounded colour with the colour it is judged against.
    double ratio = 0.0;
};

// The colour nearest `changed` that has at least `minimum` contrast with `fixed`: the same OKLCH
// hue and chroma with only the lightness moved, as little as needed, chroma lowered where sRGB
// cannot show it, checked again after rounding to 8 bits. Nothing where no lightness passes, as
// against mid grey at 7:1. A colour that already passes is its own suggestion.
std::optional<ContrastSuggestion> passingColour(const Colour& changed, const Colour& fixed,
                                                double minimum);

} // namespace tincta
