#pragma once

#include <QColor>

class QPalette;

namespace tincta {

// Text needs this contrast against its background to be readable by most people (WCAG AA).
inline constexpr double readableContrast = 4.5;

// The WCAG contrast ratio of two colours, from 1 (none) to 21 (black on white).
double contrastRatio(const QColor& first, const QColor& second);

// The preferred colour where it is readable against the background, else the fallback.
QColor readableOr(const QColor& preferred, const QColor& fallback, const QColor& background);

} // namespace tincta
