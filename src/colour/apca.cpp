#include "colour/apca.h"

#include <cmath>

namespace tincta {

namespace {

// APCA-W3 with the constants of version 0.0.98G-4g, as published by its author (Andrew Somers) in
// the apca-w3 package (github.com/Myndex/apca-w3, src/apca-w3.js) and the formula sheet
// documentation/APCA-W3-LaTeX.md of github.com/Myndex/SAPC-APCA.
constexpr double mainTrc = 2.4;
constexpr double redCoefficient = 0.2126729;
constexpr double greenCoefficient = 0.7151522;
constexpr double blueCoefficient = 0.0721750;
constexpr double normalBackgroundExponent = 0.56;
constexpr double normalTextExponent = 0.57;
constexpr double reverseTextExponent = 0.62;
constexpr double reverseBackgroundExponent = 0.65;
constexpr double blackThreshold = 0.022;
constexpr double blackClamp = 1.414;
constexpr double scaleBlackOnWhite = 1.14;
constexpr double scaleWhiteOnBlack = 1.14;
constexpr double lowBlackOnWhiteOffset = 0.027;
constexpr double lowWhiteOnBlackOffset = 0.027;
constexpr double minimumLuminanceDelta = 0.0005;
constexpr double lowClip = 0.1;

double channelLight(int channel) {
    return std::pow(channel / 255.0, mainTrc);
}

// APCA's screen luminance: a plain 2.4 power, not the piecewise sRGB curve, with near-black
// lifted softly as flare on a real screen lifts it.
double screenLuminance(const Colour& colour) {
    const double luminance = redCoefficient * channelLight(colour.red) +
                             greenCoefficient * channelLight(colour.green) +
                             blueCoefficient * channelLight(colour.blue);
    if (luminance >= blackThreshold)
        return luminance;
    return luminance + std::pow(blackThreshold - luminance, blackClamp);
}

struct UseThreshold {
    double minimum;
    ApcaUse use;
};

constexpr UseThreshold useThresholds[] = {
    {90.0, ApcaUse::PreferredBodyText}, {75.0, ApcaUse::BodyText}, {60.0, ApcaUse::OtherText},
    {45.0, ApcaUse::LargeText},         {30.0, ApcaUse::NonText},
};

} // namespace

double apcaContrast(const Colour& text, const Colour& background) {
    const double textY = screenLuminance(text);
    const double backgroundY = screenLuminance(background);
    if (std::abs(backgroundY - textY) < minimumLuminanceDelta)
        return 0.0;
    double contrast = 0.0;
    if (backgroundY > textY) {
        const double sapc = (std::pow(backgroundY, normalBackgroundExponent) -
                             std::pow(textY, normalTextExponent)) *
                            scaleBlackOnWhite;
        contrast = sapc < lowClip ? 0.0 : sapc - lowBlackOnWhiteOffset;
    } else {
        const double sapc = (std::pow(backgroundY, reverseBackgroundExponent) -
                             std::pow(textY, reverseTextExponent)) *
                            scaleWhiteOnBlack;
        contrast = sapc > -lowClip ? 0.0 : sapc + lowWhiteOnBlackOffset;
    }
    return contrast * 100.0;
}

ApcaUse apcaUse(double lightnessContrast) {
    const double magnitude = std::abs(lightnessContrast);
    for (const UseThreshold& threshold : useThresholds) {
        if (magnitude >= threshold.minimum)
            return threshold.use;
    }
    return ApcaUse::None;
}

} // namespace tincta
