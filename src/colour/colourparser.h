#pragma once

#include "colour/colour.h"

#include <QString>
#include <optional>

namespace tincta {

// The colour a text names in any notation the program writes, and in the colour syntax of CSS
// Color 4 and of the common app platforms:
// - "#RGB", "#RRGGBB", and "#RGBA", "#RRGGBBAA" with an opaque alpha; CSS named colours;
// - rgb(), rgba(), hsl(), hsla(), hwb(), lab(), lch(), oklab(), oklch(), color(srgb ...),
//   color(srgb-linear ...) and color(display-p3 ...), with commas or blanks, percentages, angle
//   units, "none" and an opaque alpha after "/" or a fourth comma;
// - the notations of the list: VB and C++ hex (blue, green, red behind "00"), Delphi hex, the
//   decimal packed value, the ColorTranslator calls, Java's Color(r,g,b), hsv(), Flutter and
//   Compose Color(0xAARRGGBB), SwiftUI's Color(red:green:blue:), Qt.rgba(), QColor(), an Android
//   <color> resource, "0xAARRGGBB" with an opaque alpha, and a Tailwind class stem ("sky-700").
// Letter case and blanks around the text do not matter. Colours outside sRGB are brought in by
// lowering their OKLCH chroma, keeping lightness and hue, as CSS Color 4 maps a colour into a
// gamut; channels of rgb() outside 0..255 are clamped, as CSS does. A colour that is not opaque
// is refused: the program keeps opaque colours only. nullopt for any other text.
std::optional<Colour> colourFromText(const QString& text);

} // namespace tincta
