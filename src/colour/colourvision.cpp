#include "colour/colourvision.h"

#include "colour/colourspace.h"

#include <cmath>

namespace tincta {

namespace {

// Machado, Oliveira and Fernandes, "A Physiologically-based Model for Simulation of Color
// Vision Deficiency", IEEE TVCG 15(6), 2009: the simulation matrices the authors published for
// severity 1.0 (dichromacy). They act on linear RGB.
constexpr ColourMatrix protanopia = {
    {0.152286, 1.052583, -0.204868},
    {0.114503, 0.786281, 0.099216},
    {-0.003882, -0.048116, 1.051998},
};
constexpr ColourMatrix deuteranopia = {
    {0.367322, 0.860646, -0.227968},
    {0.280085, 0.672501, 0.047413},
    {-0.011820, 0.042940, 0.968881},
};
constexpr ColourMatrix tritanopia = {
    {1.255528, -0.076749, -0.178779},
    {-0.078411, 0.930809, 0.147602},
    {0.004733, 0.691367, 0.303900},
};

const ColourMatrix& simulationMatrix(ColourVision kind) {
    switch (kind) {
    case ColourVision::Protanopia:
        return protanopia;
    case ColourVision::Deuteranopia:
        return deuteranopia;
    case ColourVision::Tritanopia:
        break;
    }
    return tritanopia;
}

// CSS Color 4 takes a deltaE OK of 0.02 as just noticeable when it maps colours into a gamut.
// Marks are small swatches, chart lines and text, compared at a glance rather than side by side
// under scrutiny, so two and a half times that is asked before two of them count as distinct.
constexpr double distinctMinimum = 0.05;

} // namespace

Colour simulateColourVision(ColourVision kind, const Colour& colour) {
    return fromLinearRgb(transformLinear(simulationMatrix(kind), toLinearRgb(colour)));
}

double oklabDeltaE(const Colour& first, const Colour& second) {
    const Oklab a = toOklab(first);
    const Oklab b = toOklab(second);
    const double dl = a.lightness - b.lightness;
    const double da = a.a - b.a;
    const double db = a.b - b.b;
    return std::sqrt(dl * dl + da * da + db * db);
}

bool hardToTellApart(const Colour& first, const Colour& second) {
    return oklabDeltaE(first, second) < distinctMinimum;
}

bool hardToTellApartWith(ColourVision kind, const Colour& first, const Colour& second) {
    return hardToTellApart(simulateColourVision(kind, first), simulateColourVision(kind, second));
}

} // namespace tincta
