#pragma once

#include "app/widgethelpers.h"
#include "colour/colour.h"

#include <QRect>
#include <QWidget>
#include <functional>

namespace tincta {

class SelectedColour;

// Runs a handler behind the main window's unexpected-error guard.
using Guard = std::function<void(const std::function<void()>&)>;

// Rounding each edge rather than the size keeps cells that touch in twips touching in pixels,
// with no gaps and no blurred edges.
QRect twipsRect(int left, int top, int width, int height);

// A small fixed-size reference palette window: no minimise or maximise, the program icon, its
// own top-level window without an owner, destroyed when it closes. A left press on a cell hands
// the cell's colour to the main window's sliders.
class PaletteWindow : public QWidget {
    Q_OBJECT

public:
    PaletteWindow(SelectedColour& selected, Guard guard, const QString& name,
                  const QString& caption, QSize clientTwips);

    // Closed and waiting to be destroyed: a new window must be made rather than this one shown.
    bool isClosed() const { return m_closed; }

protected:
    void closeEvent(QCloseEvent* event) override;
    // Moves the main window's sliders red, green, blue in that order; each slider that really
    // changes refreshes the selected colour.
    void takeColour(const Colour& colour);
    void guarded(const std::function<void()>& handler) const { m_guard(handler); }

private:
    SelectedColour& m_selected;
    Guard m_guard;
    bool m_closed = false;
};

} // namespace tincta
