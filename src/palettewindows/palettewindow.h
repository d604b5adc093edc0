#pragma once

#include "colour/colour.h"
#include "gui/widgets/widgethelpers.h"

#include <QRect>
#include <QWidget>

namespace tincta {

// Rounding each edge rather than the size keeps cells that touch in twips touching in pixels,
// with no gaps and no blurred edges.
QRect twipsRect(int left, int top, int width, int height);
// The same, with every edge scaled first, so cells that touch still touch.
QRect scaledTwipsRect(double scale, int left, int top, int width, int height);

// How much a window of this client size must shrink to fit the primary screen: 1 where it fits.
double fittingScale(QSize clientTwips);

// A small fixed-size reference palette window: no minimise or maximise, the program icon, its
// own top-level window without an owner, destroyed when it closes. A left press on a cell hands
// the cell's colour to the main window.
class PaletteWindow : public QWidget {
    Q_OBJECT

public:
    PaletteWindow(const QString& name, const QString& caption, QSize clientTwips);

    // Closed and waiting to be destroyed: a new window must be made rather than this one shown.
    bool isClosed() const { return m_closed; }
    // The window's layout in twips is multiplied by this, below 1 on a small or scaled screen.
    double scale() const { return m_scale; }

protected:
    void closeEvent(QCloseEvent* event) override;

Q_SIGNALS:
    // A left press on a cell: the colour becomes the selected colour.
    void colourChosen(tincta::Colour colour);

private:
    double m_scale;
    bool m_closed = false;
};

} // namespace tincta
