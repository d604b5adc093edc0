#pragma once

#include "palettewindows/palettewindow.h"

namespace tincta {

class SwatchGrid;

// The 16 failsafe colours in one row, in table order from left to right.
class FailsafeWindow : public PaletteWindow {
    Q_OBJECT

public:
    FailsafeWindow(SelectedColour& selected, Guard guard);

    void Form_Load();
    void lblFailsafeColor_MouseDown(int index, Qt::MouseButton button);

    SwatchGrid* grid() const { return m_lblFailsafeColor; }

private:
    SwatchGrid* m_lblFailsafeColor;
};

} // namespace tincta
