#pragma once

#include "colour/colour.h"

#include <QString>
#include <QStringView>
#include <array>
#include <optional>

namespace tincta {

// "rgb(255 204 0)": the space-separated form of CSS Color 4.
QString cssRgbText(const Colour& colour);

// The colour of "rgb(...)" (or "rgba(...)") in lower case, with comma or blank separated values
// as CSS Color 4 reads them: values outside 0..255 are clamped and an alpha value is ignored.
std::optional<Colour> colourFromCssRgb(QStringView text);

// "hsl(48 100% 50%)": hue in whole degrees 0..359, saturation and lightness in whole percent.
QString cssHslText(const Colour& colour);

// The three values of a notation as its text writes them, without a percent sign: "48", "100",
// "50" for hsl(48 100% 50%).
using CssValues = std::array<QString, 3>;
CssValues cssHslValues(const Colour& colour);
CssValues cssOklchValues(const Colour& colour);

// "oklch(86.5% 0.177 90.4)": lightness in percent with one decimal, chroma with three, hue in
// degrees with one (0.0 when the chroma is written as 0.000).
QString cssOklchText(const Colour& colour);

// "hwb(210 20% 40%)": hue as in hsl(), whiteness and blackness in whole percent.
QString cssHwbText(const Colour& colour);

// "lab(41.52% -4.57 -33.49)": CIE Lab under D50, each value with two decimals.
QString cssLabText(const Colour& colour);

// "lch(41.52% 33.80 262.2)": lightness and chroma with two decimals, hue with one (0.0 when the
// chroma is written as 0.00).
QString cssLchText(const Colour& colour);

// "oklab(49.9% -0.033 -0.093)": lightness in percent with one decimal, a and b with three.
QString cssOklabText(const Colour& colour);

// "color(display-p3 0.250 0.395 0.584)": the Display P3 channels with three decimals.
QString cssDisplayP3Text(const Colour& colour);

// "#336699FF": upper-case hex with the opaque alpha.
QString cssHex8Text(const Colour& colour);

// "rgba(51, 102, 153, 1)": the comma-separated legacy form with the opaque alpha.
QString cssRgbaText(const Colour& colour);

// "hsv(210, 67%, 60%)": hue as in hsl(), saturation and value in whole percent.
QString hsvText(const Colour& colour);

} // namespace tincta
