#pragma once

#include "colour/colour.h"

#include <QString>
#include <QStringView>
#include <optional>

namespace tincta {

// "rgb(255 204 0)": the space-separated form of CSS Color 4.
QString cssRgbText(const Colour& colour);

// The colour of "rgb(...)" (or "rgba(...)") in lower case, with comma or blank separated values
// as CSS Color 4 reads them: values outside 0..255 are clamped and an alpha value is ignored.
std::optional<Colour> colourFromCssRgb(QStringView text);

// "hsl(48 100% 50%)": hue in whole degrees 0..359, saturation and lightness in whole percent.
QString cssHslText(const Colour& colour);

// "oklch(86.5% 0.177 90.4)": lightness in percent with one decimal, chroma with three, hue in
// degrees with one (0.0 when the chroma is written as 0.000).
QString cssOklchText(const Colour& colour);

} // namespace tincta
