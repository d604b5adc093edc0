#pragma once

#include "colour/colour.h"

#include <QString>
#include <array>

namespace tincta {

inline constexpr int markCount = 6;

// The names that stand for an unnamed colour mark.
inline const QString typeAColourName = QStringLiteral("Type a colour name");
inline const QString notJavaScriptColour = QStringLiteral("Not JavaScript colour");

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

    // The template of the "Custom" notation.
    QString customFormat;

    // The order the JavaScript palette window opens in: 0 alphabetical, 1 DotNet.
    int SortIndex = 0;
};

} // namespace tincta
