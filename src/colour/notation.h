#pragma once

#include "colour/colour.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace tincta {

inline constexpr int notationCount = 15;
inline constexpr int customNotation = 11;
// The first twelve notations are the ones the palette file lists and FormatIndex holds; other
// programs read both and know no more.
inline constexpr int classicNotationCount = 12;
inline constexpr int cssRgbNotation = 12;
inline constexpr int cssHslNotation = 13;
inline constexpr int cssOklchNotation = 14;

// The entries of the notation list; the position is the notation index used everywhere.
const QStringList& notationNames();

// The colour written in notation `index` (0..14); nullopt for any other index.
std::optional<QString> notationText(int index, const Colour& colour, const QString& customTemplate);

// The custom template with its ten codes replaced one after another, case-sensitively.
QString expandCustomTemplate(const QString& customTemplate, const Colour& colour);

} // namespace tincta
