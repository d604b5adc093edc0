#include "colour/oklch.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tincta {

namespace {

// Channels this far outside 0..1 still count as shown: the round trip through OKLab leaves
// noise of about 1e-15, and 8-bit rounding could not tell such a channel from 0 or 1 anyway.
constexpr double gamutTolerance = 1e-9;
// Halvings of the chroma: to within 0.4 / 2^14, far below what one 8-bit step can show.
constexpr int chromaSearchSteps = 14;

// The constants of CSS Color 4's gamut mapping.
constexpr double justNoticeable = 0.02;
constexpr double chromaEpsilon = 0.0001;

LinearRgb clippedLinear(const LinearRgb& linear) {
    return {std::clamp(linear.red, 0.0, 1.0), std::clamp(linear.green, 0.0, 1.0),
            std::clamp(linear.blue, 0.0, 1.0)};
}

double oklabDistance(const Oklch& first, const Oklch& second) {
    const double firstHue = first.hue * std::numbers::pi / 180.0;
    const double secondHue = second.hue * std::numbers::pi / 180.0;
    return std::hypot(first.lightness - second.lightness,
                      first.chroma * std::cos(firstHue) - second.chroma * std::cos(secondHue),
                      first.chroma * std::sin(firstHue) - second.chroma * std::sin(secondHue));
}

double degrees(double radians) {
    const double angle = radians * 180.0 / std::numbers::pi;
    return angle < 0.0 ? angle + 360.0 : angle;
}

} // namespace

Oklch toOklch(const Colour& colour) {
    return oklchFromLinear(toLinearRgb(colour));
}

Oklch oklchFromLinear(const LinearRgb& linear) {
    const Oklab lab = oklabFromLinear(linear);
    return {lab.lightness, std::hypot(lab.a, lab.b), degrees(std::atan2(lab.b, lab.a))};
}

LinearRgb linearFromOklch(const Oklch& colour) {
    const double hue = colour.hue * std::numbers::pi / 180.0;
    return linearFromOklab(
        {colour.lightness, colour.chroma * std::cos(hue), colour.chroma * std::sin(hue)});
}

bool isInSrgb(const LinearRgb& linear) {
    const auto inRange = [](double channel) {
        return channel >= -gamutTolerance && channel <= 1.0 + gamutTolerance;
    };
    return inRange(linear.red) && inRange(linear.green) && inRange(linear.blue);
}

LinearRgb gamutMappedLinear(const Oklch& colour) {
    const double lightness = std::clamp(colour.lightness, 0.0, 1.0);
    const double hue = colour.hue * std::numbers::pi / 180.0;
    const double cosine = std::cos(hue);
    const double sine = std::sin(hue);
    const auto linearAt = [&](double chroma) {
        return linearFromOklab({lightness, chroma * cosine, chroma * sine});
    };
    double notShown = std::max(colour.chroma, 0.0);
    const LinearRgb linear = linearAt(notShown);
    if (isInSrgb(linear))
        return linear;
    // Grey of any lightness 0..1 is shown, so the largest chroma that is lies in between.
    double shown = 0.0;
    for (int step = 0; step < chromaSearchSteps; ++step) {
        const double middle = (shown + notShown) / 2.0;
        (isInSrgb(linearAt(middle)) ? shown : notShown) = middle;
    }
    return linearAt(shown);
}

Colour shownColour(const LinearRgb& linear) {
    if (isInSrgb(linear))
        return fromLinearRgb(linear);
    Oklch current = oklchFromLinear(linear);
    if (current.lightness >= 1.0)
        return {255, 255, 255};
    if (current.lightness <= 0.0)
        return {0, 0, 0};
    const auto clippedDistance = [&current](LinearRgb& clipped) {
        clipped = clippedLinear(linearFromOklch(current));
        return oklabDistance(oklchFromLinear(clipped), current);
    };
    LinearRgb clipped;
    if (clippedDistance(clipped) < justNoticeable)
        return fromLinearRgb(clipped);
    double low = 0.0;
    double high = current.chroma;
    bool lowInGamut = true;
    while (high - low > chromaEpsilon) {
        current.chroma = (low + high) / 2.0;
        if (lowInGamut && isInSrgb(linearFromOklch(current))) {
            low = current.chroma;
            continue;
        }
        const double distance = clippedDistance(clipped);
        if (distance < justNoticeable) {
            if (justNoticeable - distance < chromaEpsilon)
                break;
            lowInGamut = false;
            low = current.chroma;
        } else {
            high = current.chroma;
        }
    }
    return fromLinearRgb(clipped);
}

Colour gamutMappedColour(const Oklch& colour) {
    return fromLinearRgb(gamutMappedLinear(colour));
}

} // namespace tincta
