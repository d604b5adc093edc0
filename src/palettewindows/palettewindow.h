#pragma once

#include "gui/widgets/widgethelpers.h"
#include "colour/colour.h"
#include "gui/platform/errorguard.h"

#include <QRect>
#include <QWidget>
#include <functional>

namespace tincta {


// Rounding each edge rather than the size keeps cells that touch in twips touching in pixels,
// with no gaps and no blurred edges.
QRect twipsRect(int left, int top, int width, int height);

// A small fixed-size reference palette window: no minimise or maximise, the program icon, its
// own top-level window without an owner, destroyed when it closes. A left press on a cell hands
// the cell's colour to the main window.
class PaletteWindow : public QWidget {
    Q_OBJECT

public:
    PaletteWindow(const QString& name,
                  const QString& caption, QSize clientTwips);

    // Closed and waiting to be destroyed: a new window must be made rather than this one shown.
    bool isClosed() const { return m_closed; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void guarded(const std::function<void()>& handler) const { ErrorGuard::run(handler); }

Q_SIGNALS:
    // A left press on a cell: the colour becomes the selected colour.
    void colourChosen(tincta::Colour colour);

private:
    bool m_closed = false;
};

} // namespace tincta
