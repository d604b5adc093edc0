#pragma once

#include "colour/colour.h"

class QLineEdit;

namespace tincta {

// Background of a name box whose named colour has been edited since it was loaded or saved.
inline constexpr PackedColour editedNameColour = 0xCDFAFF;
// A plain name box shows the theme's base colour; this is that colour in the light theme.
inline constexpr PackedColour plainNameColour = 0xFFFFFF;

// The edited colour, or else the theme's own background with its own text colour.
void setNameBoxBackground(QLineEdit* box, PackedColour colour);
PackedColour nameBoxBackground(const QLineEdit* box);
inline bool isMarkedEdited(const QLineEdit* box) {
    return nameBoxBackground(box) == editedNameColour;
}

} // namespace tincta
