#pragma once

#include "palettewindows/palettewindow.h"

namespace tincta {

class SwatchGrid;

// The 216 websafe colours: six blocks of six columns, one block per green step, red rising to
// the right inside a block and blue rising from the bottom row to the top.
class WebsafeWindow : public PaletteWindow {
    Q_OBJECT

public:
    WebsafeWindow();

    void load();
    void onCellPressed(int index, Qt::MouseButton button);

    SwatchGrid* grid() const { return m_grid; }

private:
    SwatchGrid* m_grid;
};

} // namespace tincta
