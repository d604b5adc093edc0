#pragma once

#include "palettewindows/palettewindow.h"

namespace tincta {

class SwatchGrid;

// The 216 websafe colours: six blocks of six columns, one block per green step, red rising to
// the right inside a block and blue rising from the bottom row to the top.
class WebsafeWindow : public PaletteWindow {
    Q_OBJECT

public:
    WebsafeWindow(SelectedColour& selected, Guard guard);

    void Form_Load();
    void lblWebsafeColor_MouseDown(int index, Qt::MouseButton button);

    SwatchGrid* grid() const { return m_lblWebsafeColor; }

private:
    SwatchGrid* m_lblWebsafeColor;
};

} // namespace tincta
