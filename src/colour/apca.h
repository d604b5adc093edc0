#pragma once

#include "colour/colour.h"

namespace tincta {

// The APCA lightness contrast Lc of text in one colour on a background of another: about
// -108 to 106, positive for dark text on a light background, negative for light on dark, 0 where
// the two are too close to tell apart as text.
double apcaContrast(const Colour& text, const Colour& background);

// The levels of |Lc| that designers check against: 90 preferred for body text, 75 body text,
// 60 other text, 45 large text, 30 non-text (borders, icons).
enum class ApcaUse { PreferredBodyText, BodyText, OtherText, LargeText, NonText, None };

// The most demanding use the contrast allows.
ApcaUse apcaUse(double lightnessContrast);

} // namespace tincta
