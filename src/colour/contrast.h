#pragma once

#include "colour/colour.h"

#include <QString>

namespace tincta {

// Which WCAG 2.x levels a contrast ratio meets, for normal and for large text.
struct ContrastGrades {
    bool aaNormal = false;
    bool aaLarge = false;
    bool aaaNormal = false;
    bool aaaLarge = false;

    friend bool operator==(const ContrastGrades&, const ContrastGrades&) = default;
};

// WCAG 2.x relative luminance, 0 for black to 1 for white.
double relativeLuminance(const Colour& colour);

// WCAG 2.x contrast ratio of two colours in either order, 1 to 21.
double contrastRatio(const Colour& first, const Colour& second);

// The ratio truncated to two decimals, "4.47:1" for 4.478: a shown ratio never claims more
// contrast than the pair has.
QString contrastRatioText(double ratio);

// Judged on the unrounded ratio, so 4.496 ("4.49:1") fails AA for normal text.
ContrastGrades gradeContrast(double ratio);

} // namespace tincta
