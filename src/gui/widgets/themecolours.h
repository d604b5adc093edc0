#pragma once

#include "colour/colour.h"

#include <QColor>

namespace tincta {

// Text needs this contrast against its background to be readable by most people (WCAG AA).
inline constexpr double readableContrast = 4.5;

// The colour's 8-bit channels; a theme's colours have no finer steps.
Colour colourOf(const QColor& colour);

// The preferred colour where it is readable against the background, else the fallback.
QColor readableOr(const QColor& preferred, const QColor& fallback, const QColor& background);

} // namespace tincta
