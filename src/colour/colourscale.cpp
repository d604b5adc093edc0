#include "colour/colourscale.h"

#include "colour/oklch.h"

#include <cmath>
#include <cstddef>

namespace tincta {

namespace {

struct ScaleTarget {
    int step;
    double lightness;
};

// Evenly felt steps from near white to near black, close to what the common web palettes use,
// so a generated scale sits beside theirs.
constexpr std::array<ScaleTarget, scaleStepCount> scaleTargets{{
    {50, 0.97},
    {100, 0.93},
    {200, 0.87},
    {300, 0.79},
    {400, 0.70},
    {500, 0.62},
    {600, 0.54},
    {700, 0.46},
    {800, 0.39},
    {900, 0.32},
    {950, 0.24},
}};

struct HarmonyTurns {
    Harmony harmony;
    std::array<double, 3> turns;
    int count;
};

// clang-format off
constexpr std::array<HarmonyTurns, harmonyCount> harmonyTurns{{
    {Harmony::Complementary, {180.0}, 1},
    {Harmony::Analogous, {-30.0, 30.0}, 2},
    {Harmony::Triadic, {120.0, 240.0}, 2},
    {Harmony::SplitComplementary, {150.0, 210.0}, 2},
    {Harmony::Tetradic, {90.0, 180.0, 270.0}, 3},
}};
// clang-format on

constexpr bool harmoniesInEnumOrder() {
    for (std::size_t i = 0; i < harmonyTurns.size(); ++i) {
        if (static_cast<std::size_t>(harmonyTurns[i].harmony) != i)
            return false;
    }
    return true;
}
static_assert(harmoniesInEnumOrder(), "one row a harmony, in the order of the enum");

// The colour's chroma, less towards white and black: a pale tint or a deep shade at full chroma
// would be garish or fall outside sRGB at once.
double taperedChroma(const Oklch& origin, double lightness) {
    if (lightness >= origin.lightness) {
        const double room = 1.0 - origin.lightness;
        return room <= 0.0 ? 0.0 : origin.chroma * (1.0 - lightness) / room;
    }
    return origin.lightness <= 0.0 ? 0.0 : origin.chroma * lightness / origin.lightness;
}

std::size_t nearestStep(double lightness) {
    std::size_t nearest = 0;
    for (std::size_t i = 1; i < scaleTargets.size(); ++i) {
        if (std::abs(scaleTargets[i].lightness - lightness) <
            std::abs(scaleTargets[nearest].lightness - lightness))
            nearest = i;
    }
    return nearest;
}

double turnedHue(double hue, double turn) {
    return std::fmod(hue + turn + 360.0, 360.0);
}

} // namespace

double scaleStepLightness(int index) {
    return scaleTargets[static_cast<std::size_t>(index)].lightness;
}

std::array<ScaleStep, scaleStepCount> tintShadeScale(const Colour& colour) {
    const Oklch origin = toOklch(colour);
    const std::size_t originStep = nearestStep(origin.lightness);
    std::array<ScaleStep, scaleStepCount> scale;
    for (std::size_t i = 0; i < scaleTargets.size(); ++i) {
        const ScaleTarget& target = scaleTargets[i];
        if (i == originStep) {
            scale[i] = {target.step, colour, true};
            continue;
        }
        const Oklch step{target.lightness, taperedChroma(origin, target.lightness), origin.hue};
        scale[i] = {target.step, gamutMappedColour(step), false};
    }
    return scale;
}

std::vector<HarmonyColour> harmonyColours(Harmony harmony, const Colour& colour) {
    const Oklch origin = toOklch(colour);
    const HarmonyTurns& row = harmonyTurns[static_cast<std::size_t>(harmony)];
    std::vector<HarmonyColour> partners;
    for (int i = 0; i < row.count; ++i) {
        const double turn = row.turns[static_cast<std::size_t>(i)];
        const Oklch turned{origin.lightness, origin.chroma, turnedHue(origin.hue, turn)};
        partners.push_back({turn, gamutMappedColour(turned)});
    }
    return partners;
}

} // namespace tincta
