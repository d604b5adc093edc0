#include "colour/contrastfix.h"

#include "colour/contrast.h"
#include "colour/oklch.h"

#include <cmath>

namespace tincta {

namespace {

// WCAG's ratio is a ratio of luminances offset by this flare term.
constexpr double flare = 0.05;
// The lightness is found to within this before rounding: a fifth of the steps tried about the
// boundary below, in 14 halvings.
constexpr double lightnessPrecision = 1e-4;
// The steps in which the lightness is moved about the boundary to find a rounded colour that
// passes, and how many of them are tried on the near side of it.
constexpr double roundingStep = 0.0005;
constexpr int roundingReach = 10;

double luminance(const LinearRgb& linear) {
    return 0.2126 * linear.red + 0.7152 * linear.green + 0.0722 * linear.blue;
}

// The luminance of the colour at another lightness, gamut-mapped but not rounded. It grows with
// the lightness, which the searches below rely on.
struct LuminanceCurve {
    Oklch start;

    double at(double lightness) const {
        Oklch moved = start;
        moved.lightness = lightness;
        return luminance(gamutMappedLinear(moved));
    }
    Colour colourAt(double lightness) const {
        Oklch moved = start;
        moved.lightness = lightness;
        return gamutMappedColour(moved);
    }
};

// The lightness nearest `from`, towards `to`, at which the luminance reaches `target` from the
// side the move goes to; nothing when even `to` does not.
std::optional<double> lightnessReaching(const LuminanceCurve& curve, double from, double to,
                                        double target) {
    const bool lighter = to > from;
    const auto reaches = [&](double lightness) {
        const double y = curve.at(lightness);
        return lighter ? y >= target : y <= target;
    };
    if (!reaches(to))
        return std::nullopt;
    double near = from;
    double far = to;
    if (reaches(near))
        return near;
    while (std::abs(far - near) > lightnessPrecision) {
        const double middle = (near + far) / 2.0;
        (reaches(middle) ? far : near) = middle;
    }
    return far;
}

struct RoundedSearch {
    const LuminanceCurve& curve;
    const Colour& fixed;
    double minimum;

    std::optional<ContrastSuggestion> at(double lightness) const {
        const Colour colour = curve.colourAt(lightness);
        const double ratio = contrastRatio(colour, fixed);
        if (ratio < minimum)
            return std::nullopt;
        return ContrastSuggestion{colour, lightness, ratio};
    }

    // Rounding to 8 bits moves the luminance by up to half a step either way, so a colour a
    // little short of the unrounded boundary may pass once rounded, and the colour at the boundary
    // may not: the nearest that passes rounded lies within a few steps of it on either side.
    std::optional<ContrastSuggestion> near(double boundary, double end) const {
        const double start = curve.start.lightness;
        const double towardsEnd = end > boundary ? roundingStep : -roundingStep;
        std::optional<ContrastSuggestion> nearest;
        for (int i = 1; i <= roundingReach; ++i) {
            const double lightness = boundary - i * towardsEnd;
            if ((towardsEnd > 0.0) ? lightness <= start : lightness >= start)
                break;
            if (std::optional<ContrastSuggestion> found = at(lightness))
                nearest = found;
        }
        if (nearest)
            return nearest;
        for (double lightness = boundary;; lightness += towardsEnd) {
            if ((towardsEnd > 0.0) ? lightness >= end : lightness <= end)
                return at(end);
            if (std::optional<ContrastSuggestion> found = at(lightness))
                return found;
        }
    }
};

std::optional<ContrastSuggestion> suggestionTowards(const LuminanceCurve& curve, double end,
                                                    double target, const Colour& fixed,
                                                    double minimum) {
    const std::optional<double> lightness =
        lightnessReaching(curve, curve.start.lightness, end, target);
    if (!lightness)
        return std::nullopt;
    return RoundedSearch{curve, fixed, minimum}.near(*lightness, end);
}

} // namespace

double minimumRatio(ContrastLevel level) {
    switch (level) {
    case ContrastLevel::AaLarge:
        return 3.0;
    case ContrastLevel::Aa:
        return 4.5;
    case ContrastLevel::Aaa:
        return 7.0;
    }
    return 0.0;
}

std::optional<ContrastSuggestion> passingColour(const Colour& changed, const Colour& fixed,
                                                double minimum) {
    const double current = contrastRatio(changed, fixed);
    if (current >= minimum)
        return ContrastSuggestion{changed, toOklch(changed).lightness, current};
    const LuminanceCurve curve{toOklch(changed)};
    const double fixedY = relativeLuminance(fixed);
    const std::optional<ContrastSuggestion> lighter =
        suggestionTowards(curve, 1.0, minimum * (fixedY + flare) - flare, fixed, minimum);
    const std::optional<ContrastSuggestion> darker =
        suggestionTowards(curve, 0.0, (fixedY + flare) / minimum - flare, fixed, minimum);
    if (!lighter || !darker)
        return lighter ? lighter : darker;
    const double start = curve.start.lightness;
    return std::abs(lighter->lightness - start) <= std::abs(darker->lightness - start) ? lighter
                                                                                       : darker;
}

} // namespace tincta
