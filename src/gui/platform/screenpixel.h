#pragma once

#include "colour/colour.h"

#include <QPoint>
#include <optional>

namespace tincta {

// Where the pointer is and what colour the screen shows there. The program reads the real
// screen; tests hand over a picture of their own.
class ScreenPixelReader {
public:
    virtual ~ScreenPixelReader() = default;
    // The pointer in global (desktop) coordinates, or nothing when it cannot be found.
    virtual std::optional<QPoint> pointerPosition() = 0;
    // The pixel at a global position, or nothing when the screen cannot be read there.
    virtual std::optional<PackedColour> pixelAt(QPoint global) = 0;
};

// Reads the pixel from whichever screen of the desktop holds the position. Some sessions (a
// Wayland desktop without screen-capture permission) refuse the read; that is reported as
// nothing, never as black.
class QtScreenPixelReader final : public ScreenPixelReader {
public:
    std::optional<QPoint> pointerPosition() override;
    std::optional<PackedColour> pixelAt(QPoint global) override;
};

// The pick colour for a read: a real pixel unpacks as usual; a failed read stands for the
// value with all bits set, which the component masks turn into pure red.
Colour pickColourFromRead(std::optional<PackedColour> read);

} // namespace tincta
