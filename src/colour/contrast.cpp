#include "colour/contrast.h"

#include "colour/colourspace.h"

#include <algorithm>
#include <cmath>

namespace tincta {

namespace {

constexpr double aaNormalMinimum = 4.5;
constexpr double aaLargeMinimum = 3.0;
constexpr double aaaNormalMinimum = 7.0;
constexpr double aaaLargeMinimum = 4.5;

} // namespace

// The WCAG text linearises below 0.03928 where sRGB says 0.04045; no 8-bit value lies between
// the two (10/255 = 0.0392, 11/255 = 0.0431), so the sRGB curve gives identical luminances.
double relativeLuminance(const Colour& colour) {
    const LinearRgb linear = toLinearRgb(colour);
    return 0.2126 * linear.red + 0.7152 * linear.green + 0.0722 * linear.blue;
}

double contrastRatio(const Colour& first, const Colour& second) {
    const double a = relativeLuminance(first);
    const double b = relativeLuminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

QString contrastRatioText(double ratio) {
    const auto hundredths = static_cast<long long>(std::floor(ratio * 100.0));
    return QStringLiteral("%1.%2:1")
        .arg(hundredths / 100)
        .arg(hundredths % 100, 2, 10, QLatin1Char('0'));
}

ContrastGrades gradeContrast(double ratio) {
    return {ratio >= aaNormalMinimum, ratio >= aaLargeMinimum, ratio >= aaaNormalMinimum,
            ratio >= aaaLargeMinimum};
}

} // namespace tincta
