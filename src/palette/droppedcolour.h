#pragma once

#include "colour/colour.h"

#include <QString>
#include <optional>

namespace tincta {

// The colour a dropped text names: "#RRGGBB", "#RGB", "rgb(...)" (or "rgba(...)") with comma or
// blank separated values as CSS Color 4 reads them (an alpha value there is ignored), a
// JavaScript colour name, or any other text colourFromText reads, as Paste Colour does. Letter
// case and blanks around the text do not matter; values outside 0..255 are clamped as in CSS.
// nullopt for any other text.
std::optional<Colour> colourFromDroppedText(const QString& text);

} // namespace tincta
