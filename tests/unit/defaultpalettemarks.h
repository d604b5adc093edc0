#pragma once

#include "palette/palettefile.h"

namespace tincta::test {

// Red, yellow, green, cyan, blue and magenta, all unnamed: the palette of a new document.
inline PaletteMarks defaultPaletteMarks() {
    const QString unnamed = QString(typeAColourName);
    return {{{unnamed, {255, 0, 0}},
             {unnamed, {255, 255, 0}},
             {unnamed, {0, 255, 0}},
             {unnamed, {0, 255, 255}},
             {unnamed, {0, 0, 255}},
             {unnamed, {255, 0, 255}}}};
}

} // namespace tincta::test
