#pragma once

#include "colour/colour.h"

#include <QString>

namespace tincta {

// A colour as a screen reader tells it: "#FFD700", with ", named gold" when it has a JavaScript
// name.
QString spokenColour(PackedColour colour);
// The property letters of a colour in words: "websafe, failsafe, JavaScript name", or "none".
QString spokenProperties(PackedColour colour);

} // namespace tincta
