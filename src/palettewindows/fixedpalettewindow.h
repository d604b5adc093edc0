#pragma once

#include "gui/widgets/uitext.h"
#include "palettewindows/palettewindow.h"

#include <QRect>
#include <QSize>

namespace tincta {

class SwatchGrid;

// What sets one fixed reference palette apart from another: its names, its size and where each
// of its cells lies and what colour it has.
struct FixedPalette {
    const char* windowName;
    UiText caption;
    const char* gridName;
    UiText gridDescription;
    QSize clientTwips;
    int cellCount;
    QRect (*cellTwips)(int cell);
    Colour (*cellColour)(int cell);
};

// The 216 websafe colours: six blocks of six columns, one block per green step, red rising to
// the right inside a block and blue rising from the bottom row to the top.
extern const FixedPalette websafePalette;
// The 16 failsafe colours in one row, in table order from left to right.
extern const FixedPalette failsafePalette;

// A window of cells that each show one colour of a fixed palette, its "#RRGGBB" as the tooltip.
class FixedPaletteWindow : public PaletteWindow {
    Q_OBJECT

public:
    explicit FixedPaletteWindow(const FixedPalette& palette);

    void load();
    void onCellPressed(int index, Qt::MouseButton button);

    SwatchGrid* grid() const { return m_grid; }

private:
    const FixedPalette& m_palette;
    SwatchGrid* m_grid;
};

} // namespace tincta
