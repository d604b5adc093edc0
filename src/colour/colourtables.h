#pragma once

#include "colour/colour.h"

#include <QString>
#include <array>

namespace tincta {

inline constexpr int websafeCount = 216;
inline constexpr int failsafeCount = 16;
inline constexpr int javaScriptCount = 140;

// The reference palettes and the hex texts, built once and only read afterwards.
struct ColourTables {
    std::array<QString, 256> hexBytes;                       // "00".."FF"
    std::array<Colour, websafeCount> websafeRgb;             // red slowest, blue fastest
    std::array<PackedColour, websafeCount> websafeColours;   // websafeRgb packed
    std::array<PackedColour, failsafeCount> failsafeColours; // the 16 failsafe colours
    std::array<QString, failsafeCount> failsafeHex;          // "#800080"
    std::array<QString, javaScriptCount> javaScriptNames;    // alphabetical
    std::array<PackedColour, javaScriptCount> javaScriptColours;
    std::array<QString, javaScriptCount> javaScriptCaptions; // "aliceblue #F0F8FF"
    std::array<PackedColour, javaScriptCount> dotNetColours; // greys first, then by hue
    std::array<QString, javaScriptCount> dotNetCaptions;
};

// Fills the tables on the first call; later calls return the same tables.
const ColourTables& buildColourTables();

inline const ColourTables& colourTables() {
    return buildColourTables();
}

// "W" websafe, "F" failsafe, "J" JavaScript colour, in that order; empty for none.
QString propertyLetters(PackedColour colour);
// The same properties as bits: 4 websafe, 2 failsafe, 1 JavaScript colour.
int propertyFlags(PackedColour colour);

// Index of the first JavaScript table entry with this colour, or -1.
int javaScriptIndex(PackedColour colour);

// The JavaScript name of a colour with "aqua" shown as "cyan" and "fuchsia" as "magenta"; empty
// when the colour has no name.
QString javaScriptName(PackedColour colour);

} // namespace tincta
