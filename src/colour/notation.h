#pragma once

#include "colour/colour.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace tincta {

inline constexpr int notationCount = 12;
inline constexpr int customNotation = 11;

// The entries of the notation list; the position is the notation index used everywhere.
const QStringList& notationNames();

// The colour written in notation `index` (0..11); nullopt for any other index.
std::optional<QString> notationText(int index, const Colour& colour, const QString& customTemplate);

// The custom template with its ten codes replaced one after another, case-sensitively.
QString expandCustomTemplate(const QString& customTemplate, const Colour& colour);

} // namespace tincta
