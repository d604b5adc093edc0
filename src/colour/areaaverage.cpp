#include "colour/areaaverage.h"

#include "colour/colourspace.h"

#include <QString>
#include <algorithm>

namespace tincta {

int sampleSizeFromText(const QString& text) {
    for (const int size : sampleSizes) {
        if (text == QString::number(size))
            return size;
    }
    return sampleSizes.front();
}

int steppedSampleSize(int size, int steps) {
    const auto* at = std::find(sampleSizes.begin(), sampleSizes.end(), size);
    const auto index = at == sampleSizes.end() ? 0 : at - sampleSizes.begin();
    const auto last = static_cast<std::ptrdiff_t>(sampleSizes.size()) - 1;
    return sampleSizes[static_cast<std::size_t>(
        std::clamp(index + steps, std::ptrdiff_t{0}, last))];
}

std::optional<Colour> averageColour(const QImage& image, QPoint centre, int size) {
    const int half = size / 2;
    const QRect square = QRect(centre - QPoint(half, half), QSize(size, size)) & image.rect();
    LinearRgb sum;
    int count = 0;
    for (int y = square.top(); y <= square.bottom(); ++y) {
        for (int x = square.left(); x <= square.right(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (pixel.alpha() == 0)
                continue;
            const LinearRgb linear = toLinearRgb(Colour{pixel.red(), pixel.green(), pixel.blue()});
            sum.red += linear.red;
            sum.green += linear.green;
            sum.blue += linear.blue;
            ++count;
        }
    }
    if (count == 0)
        return std::nullopt;
    return fromLinearRgb(LinearRgb{sum.red / count, sum.green / count, sum.blue / count});
}

} // namespace tincta
