#pragma once

#include "colour/colour.h"

#include <QWidget>
#include <array>
#include <optional>

class QLabel;

namespace tincta {

class SwatchGrid;

// Tints and shades of the selected mark from 50 to 950, and its harmonies. A swatch is taken by a
// click, Enter or Space, carried away by a drag, and copied by Ctrl+C.
class ScalePanel : public QWidget {
    Q_OBJECT

public:
    explicit ScalePanel(QWidget* parent = nullptr);

    // `markName` is how the heading calls the mark.
    void showMark(const Colour& colour, const QString& markName);

Q_SIGNALS:
    void colourChosen(tincta::Colour colour);
    void copyRequested(tincta::Colour colour);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    SwatchGrid* addGrid(const QString& caption, const char* name);
    void showScale(const Colour& colour);
    void showHarmonies(const Colour& colour);
    std::optional<Colour> cellColour(const SwatchGrid* grid, int cell) const;
    void startDrag(SwatchGrid* grid, int cell);

    QLabel* m_heading;
    SwatchGrid* m_scale;
    std::array<SwatchGrid*, 5> m_harmonies{};
    SwatchGrid* m_dragGrid = nullptr;
    int m_dragCell = -1;
    QPoint m_dragStart;
};

} // namespace tincta
