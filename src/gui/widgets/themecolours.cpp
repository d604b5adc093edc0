#include "gui/widgets/themecolours.h"

#include "colour/contrast.h"

namespace tincta {

Colour colourOf(const QColor& colour) {
    const QColor rgb = colour.toRgb();
    return Colour{rgb.red(), rgb.green(), rgb.blue()};
}

QColor readableOr(const QColor& preferred, const QColor& fallback, const QColor& background) {
    return contrastRatio(colourOf(preferred), colourOf(background)) >= readableContrast ? preferred
                                                                                        : fallback;
}

} // namespace tincta
