#pragma once

#include "colour/colour.h"

#include <QImage>
#include <QPoint>
#include <array>
#include <optional>

namespace tincta {

// The square sides a pick can average over, in device pixels; 1 takes the one pixel.
inline constexpr std::array<int, 5> sampleSizes{1, 3, 5, 9, 15};

// The stored text of a sample size as a size: anything but a listed size means one pixel.
int sampleSizeFromText(const QString& text);
// The next larger (`steps` > 0) or smaller listed size, stopping at the ends.
int steppedSampleSize(int size, int steps);

// The mean colour of the `size` x `size` square of pixels centred on `centre`, averaged in
// linear light and encoded back to sRGB, rounded. Pixels outside the image or fully transparent
// (unread) take no part; nothing when none is left.
std::optional<Colour> averageColour(const QImage& image, QPoint centre, int size);

} // namespace tincta
