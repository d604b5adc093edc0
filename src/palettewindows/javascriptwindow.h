#pragma once

#include "colour/colourtables.h"
#include "palettewindows/palettewindow.h"

#include <QString>
#include <array>

class QAction;
class QToolBar;

namespace tincta {

class SwatchGrid;

// The 140 named JavaScript colours as small squares, alphabetically or in the DotNet order. The
// toolbar button that is down decides both the order shown and the table a press reads.
class JavaScriptWindow : public PaletteWindow {
    Q_OBJECT

public:
    JavaScriptWindow();

    // Fills the grid in the order the sort setting names: 0 alphabetical, 1 DotNet.
    void load(int sortIndex);
    // Chooses the order by the button's key; the choice is never stored.
    void onSortChosen(const QAction* button);
    void onCellPressed(int index, Qt::MouseButton button);

    SwatchGrid* grid() const { return m_grid; }
    QAction* alphabeticallyButton() const { return m_alphabetically; }
    QAction* dotNetButton() const { return m_dotNet; }

private:
    void fillAlphabetical();
    void fillDotNet();
    void fill(const std::array<PackedColour, javaScriptCount>& colours,
              const std::array<QString, javaScriptCount>& captions);

    QToolBar* m_sortToolbar;
    QAction* m_alphabetically;
    QAction* m_dotNet;
    SwatchGrid* m_grid;
};

} // namespace tincta
