#pragma once

#include "colour/colour.h"

#include <QString>

namespace tincta {

// A colour as a screen reader tells it: "#FFD700", with ", named gold" when it has a JavaScript
// name.
QString spokenColour(PackedColour colour);

} // namespace tincta
