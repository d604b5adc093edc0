#include "palettewindows/palettewindow.h"

#include "gui/widgets/programicon.h"
#include "gui/widgets/sidewindow.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QScreen>
#include <algorithm>
#include <cmath>

namespace tincta {

namespace {

// Room left on the screen for the window's frame and title bar.
constexpr QSize frameAllowance(16, 48);

int scaled(double scale, int twips) {
    return static_cast<int>(std::lround(scale * twips));
}

} // namespace

QRect twipsRect(int left, int top, int width, int height) {
    const int x = twipsToPixels(left);
    const int y = twipsToPixels(top);
    return QRect(x, y, twipsToPixels(left + width) - x, twipsToPixels(top + height) - y);
}

QRect scaledTwipsRect(double scale, int left, int top, int width, int height) {
    const int x = scaled(scale, left);
    const int y = scaled(scale, top);
    return twipsRect(x, y, scaled(scale, left + width) - x, scaled(scale, top + height) - y);
}

double fittingScale(QSize clientTwips) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return 1.0;
    const QSize room = screen->availableGeometry().size() - frameAllowance;
    const double across = static_cast<double>(room.width()) * twipsPerPixel / clientTwips.width();
    const double down = static_cast<double>(room.height()) * twipsPerPixel / clientTwips.height();
    return std::clamp(std::min(across, down), 0.1, 1.0);
}

PaletteWindow::PaletteWindow(const QString& name, const QString& caption, QSize clientTwips)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                           Qt::MSWindowsFixedSizeDialogHint),
      m_scale(fittingScale(clientTwips)) {
    setObjectName(name);
    setWindowTitle(caption);
    setWindowIcon(tinctaIcon());
    setAttribute(Qt::WA_DeleteOnClose);
    makeSideWindow(this);
    setFixedSize(scaledTwipsRect(m_scale, 0, 0, clientTwips.width(), clientTwips.height()).size());
}

void PaletteWindow::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    m_closed = event->isAccepted();
}

} // namespace tincta
