#pragma once

#include "colour/colour.h"
#include "palette/palettefile.h" // the placeholder names of unnamed marks

#include <QString>
#include <array>

namespace tincta {

inline constexpr int markCount = 6;

// Program-wide state owned by the main window and shared by the subsystems that work on it.
struct AppState {
    // Start-up and shutdown.
    bool mainWindowReady = false;
    bool closingAfterError = false;
    bool errorReported = false;
    int rememberedFormat = 0;

    // The six colour marks: current, last loaded or saved, and the palette about to be shown.
    std::array<Colour, markCount> markColour{};
    std::array<Colour, markCount> savedColour{};
    std::array<QString, markCount> savedName{};
    std::array<Colour, markCount> fileColour{};
    std::array<QString, markCount> fileName{};
    int selectedMark = 0;
    Colour copiedColour{};

    // Switches that silence the handlers while code sets controls.
    bool slidersLive = false;
    bool editsTracked = false;
    bool namesBeingSet = false;
    bool selectNameOnClick = false;
    bool javaScriptNamesMode = false;

    // Timer ticks since the colour last changed; the clipboard follows on the third.
    int ticksSinceChange = 0;

    // The shade in each cell of the colour bar, as of the last refresh.
    std::array<Colour, 256> colourBar{};
};

} // namespace tincta
