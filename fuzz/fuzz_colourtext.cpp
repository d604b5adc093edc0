// Paste Colour's and a drop's path: any text read as a colour. A colour read is always within
// 0..255, and its HTML hex reads back as the same colour.
#include "colour/colourparser.h"

#include <cstdint>
#include <cstdlib>

using namespace tincta;

namespace {

bool inRange(int channel) {
    return channel >= 0 && channel <= 255;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    constexpr std::size_t longestText = 4096;
    if (size > longestText)
        return -1;
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const std::optional<Colour> colour = colourFromText(text);
    if (!colour)
        return 0;
    if (!inRange(colour->red) || !inRange(colour->green) || !inRange(colour->blue))
        std::abort();
    const QString hex = QStringLiteral("#%1").arg(pack(colour->blue, colour->green, colour->red), 6,
                                                  16, QLatin1Char('0'));
    if (colourFromText(hex) != colour)
        std::abort();
    return 0;
}
