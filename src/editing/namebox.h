#pragma once

#include "colour/colour.h"

class QLineEdit;

namespace tincta {

// Background of a name box whose named colour has been edited since it was loaded or saved.
inline constexpr PackedColour editedNameColour = 0xCDFAFF;
inline constexpr PackedColour plainNameColour = 0xFFFFFF;

void setNameBoxBackground(QLineEdit* box, PackedColour colour);
PackedColour nameBoxBackground(const QLineEdit* box);
inline bool isMarkedEdited(const QLineEdit* box) {
    return nameBoxBackground(box) == editedNameColour;
}

} // namespace tincta
