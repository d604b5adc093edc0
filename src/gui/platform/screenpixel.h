#pragma once

#include "colour/colour.h"

#include <QPointF>
#include <optional>

namespace tincta {

// What colour the screen shows at a point. The program reads the real screen; tests hand over a
// picture of their own.
class ScreenPixelReader {
public:
    virtual ~ScreenPixelReader() = default;
    // The pixel at a global (desktop) position in device-independent pixels, or nothing when
    // the screen cannot be read there.
    virtual std::optional<PackedColour> pixelAt(QPointF global) = 0;
};

// Reads the device pixel under the position from whichever screen of the desktop holds it, so
// that on a scaled screen every device pixel can be picked, the last column and row included.
// Some sessions (a Wayland desktop without screen-capture permission) refuse the read; that is
// reported as nothing, never as black.
class QtScreenPixelReader final : public ScreenPixelReader {
public:
    std::optional<PackedColour> pixelAt(QPointF global) override;
};

// The pick colour for a read: a real pixel unpacks as usual; a failed read stands for the
// value with all bits set, which the component masks turn into pure red.
Colour pickColourFromRead(std::optional<PackedColour> read);

} // namespace tincta
