#pragma once

#include "palettewindows/palettewindow.h"

namespace tincta {

class SwatchGrid;

// The 16 failsafe colours in one row, in table order from left to right.
class FailsafeWindow : public PaletteWindow {
    Q_OBJECT

public:
    FailsafeWindow();

    void load();
    void onCellPressed(int index, Qt::MouseButton button);

    SwatchGrid* grid() const { return m_grid; }

private:
    SwatchGrid* m_grid;
};

} // namespace tincta
