#pragma once

#include "colour/colour.h"

#include <array>
#include <vector>

namespace tincta {

inline constexpr int scaleStepCount = 11;

struct ScaleStep {
    // 50, 100, 200 ... 900, 950.
    int step = 0;
    Colour colour;
    // The step is the colour the scale was made from.
    bool isOrigin = false;
};

// Tints and shades of one colour from 50 (lightest) to 950 (darkest) at fixed OKLCH lightnesses,
// in its hue, with its chroma lowered towards white and black and wherever sRGB cannot show it;
// the colour itself stands, exactly, at the step nearest its own lightness.
std::array<ScaleStep, scaleStepCount> tintShadeScale(const Colour& colour);

// The OKLCH lightness each step aims for, lightest first.
double scaleStepLightness(int index);

enum class Harmony { Complementary, Analogous, Triadic, SplitComplementary, Tetradic };
inline constexpr int harmonyCount = 5;

struct HarmonyColour {
    // How far the hue is turned from the colour's own, in degrees.
    double hueTurn = 0.0;
    Colour colour;
};

// The colour's partners in the harmony: its OKLCH hue turned, at its lightness and chroma
// (lowered only where sRGB cannot show the turned hue). The colour itself is not among them.
std::vector<HarmonyColour> harmonyColours(Harmony harmony, const Colour& colour);

} // namespace tincta
